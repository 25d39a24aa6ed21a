#include "tests/reference/reference_rules.h"

namespace reference {

const int kInner[25] = {0,  2,  7,  8,  9,  10, 11, 12, 5,  11, 17, 23, 29,
                        35, 30, 29, 28, 27, 26, 25, 32, 26, 20, 14, 8};
const int kOuter[25] = {0,  3,  13, 14, 15, 16, 17, 18, 4,  10, 16, 22, 28,
                        34, 24, 23, 22, 21, 20, 19, 33, 27, 21, 15, 9};

int FindOnCircuit(const int* table, int cell, int start) {
    for (int p = start; p <= 24; p++) {
        if (table[p] == cell) return p;
    }
    return -1;
}

bool OnCircuit(int cell, const int* table) {
    for (int p = 1; p <= 24; p++) {
        if (table[p] == cell) return true;
    }
    return false;
}

std::vector<int> ScanCaptures(const Board& p, const int* t, int a) {
    std::vector<int> list;
    int s = p[a];
    if (s == 0) return list;
    int pos = FindOnCircuit(t, a, 1);
    while (pos > 0) {
        // backward
        int q = pos - 1;
        bool arc = false;
        while (true) {
            if (q < 1) q = 24;
            if (q == pos) break;
            if (q == 1 || q == 7 || q == 13 || q == 19) arc = true;
            int x = t[q];
            if (p[x] != 0 && x != a) {
                if (p[x] != s && arc) list.push_back(x);
                break;
            }
            q = q - 1;
        }
        // forward
        q = pos + 1;
        arc = false;
        while (true) {
            if (q > 24) q = 1;
            if (q == pos) break;
            if (q == 2 || q == 8 || q == 14 || q == 20) arc = true;
            int x = t[q];
            if (p[x] != 0 && x != a) {
                if (p[x] != s && arc) list.push_back(x);
                break;
            }
            q = q + 1;
        }
        pos = FindOnCircuit(t, a, pos + 1);
    }
    return list;
}

MoveList ListDestinations(int a, const Board& p) {
    MoveList result;
    if (a != 1 && a != 6 && a != 31 && a != 36) {
        if (OnCircuit(a, kOuter)) {
            for (int target : ScanCaptures(p, kOuter, a)) result.push_back({a, target});
        }
        if (OnCircuit(a, kInner)) {
            for (int target : ScanCaptures(p, kInner, a)) result.push_back({a, target});
        }
    }
    int r = (a - 1) / 6 + 1;
    int k = (a - 1) % 6 + 1;
    const int neighbours[8][2] = {{r - 1, k - 1}, {r, k - 1},     {r + 1, k - 1}, {r - 1, k},
                                  {r + 1, k},     {r - 1, k + 1}, {r, k + 1},     {r + 1, k + 1}};
    for (const auto& n : neighbours) {
        if (n[0] >= 1 && n[0] <= 6 && n[1] >= 1 && n[1] <= 6) {
            int cell = 6 * (n[0] - 1) + n[1];
            if (p[cell] == 0) result.push_back({a, cell});
        }
    }
    return result;
}

MoveList ListAllMoves(const Board& p, int side) {
    MoveList result;
    for (int n = 1; n <= 36; n++) {
        if (p[n] == side) {
            MoveList piece = ListDestinations(n, p);
            result.insert(result.end(), piece.begin(), piece.end());
        }
    }
    return result;
}

namespace {
bool Trace(const int* t, int d, int from, int to, const Board& p, std::array<int, 36>& path) {
    int mover = p[from];
    for (int pos = FindOnCircuit(t, from, 1); pos > 0; pos = FindOnCircuit(t, from, pos + 1)) {
        path.fill(0);
        int i = 0;
        bool arc = false;
        int q = pos + d;
        while (true) {
            if (q == 0) q = 24;
            if (q == 25) q = 1;
            if (q == pos) break;
            path[i] = t[q];
            i++;
            if (d < 0 && (q == 1 || q == 7 || q == 13 || q == 19)) arc = true;
            if (d > 0 && (q == 2 || q == 8 || q == 14 || q == 20)) arc = true;
            int x = t[q];
            if (p[x] != 0 && x != from) {
                if (p[x] != mover && arc && x == to) return true;
                break;
            }
            q = q + d;
        }
    }
    return false;
}
}  // namespace

std::array<int, 36> CapturePath(int from, int to, const Board& p) {
    std::array<int, 36> path{};
    bool found = false;
    if (OnCircuit(from, kOuter) && OnCircuit(to, kOuter)) {
        found = Trace(kOuter, -1, from, to, p, path);
        if (!found) found = Trace(kOuter, +1, from, to, p, path);
    }
    if (!found && OnCircuit(from, kInner) && OnCircuit(to, kInner)) {
        found = Trace(kInner, -1, from, to, p, path);
        if (!found) found = Trace(kInner, +1, from, to, p, path);
    }
    if (!found) path.fill(0);
    return path;
}

}  // namespace reference
