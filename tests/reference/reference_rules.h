#pragma once
// The rules written out literally, one step of the rule text per line, with plain
// vectors and 1-based arrays. Slow on purpose: it is the oracle the model is compared with.

#include <array>
#include <utility>
#include <vector>

namespace reference {

using Board = std::array<int, 37>;  // cells 1..36, index 0 unused
using MoveList = std::vector<std::pair<int, int>>;

extern const int kInner[25];
extern const int kOuter[25];

int FindOnCircuit(const int* table, int cell, int start);
bool OnCircuit(int cell, const int* table);
std::vector<int> ScanCaptures(const Board& p, const int* table, int a);
MoveList ListDestinations(int a, const Board& p);
MoveList ListAllMoves(const Board& p, int side);
std::array<int, 36> CapturePath(int from, int to, const Board& p);

}  // namespace reference
