// The search allocates nothing: every global operator new of this test program is
// counted, and the count must not move while a search runs.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "model/movegen.h"
#include "model/tjeu.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* Allocate(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace circumvia {
namespace {

// Allocations made while `work` runs.
template <typename Work>
long AllocationsDuring(Work&& work) {
    allocations = 0;
    counting = true;
    work();
    counting = false;
    return allocations;
}

TEST(SearchAllocation, ASearchAllocatesNothing) {
    Tjeu game;
    game.Engine.SetRoot(Position::Start(), kRed);
    game.Engine.SetRecord(game.History, game.Current);
    Move best;
    int score = 0;
    EXPECT_EQ(AllocationsDuring([&] { game.Engine.Run(4, best, score); }), 0);
    EXPECT_GT(game.Engine.Nodes, 10000);
}

TEST(SearchAllocation, SuggestAndComputerMovesAllocateNothingInAShortGame) {
    Tjeu game;
    game.Players[kRed].Kind = 5;
    game.Random.Seed(1);
    for (int n = 0; n < 40 && game.Result == kInProgress; ++n) {
        const Move hint = game.SuggestMove(game.Pos, game.SideToMove, 3);
        Move move;
        EXPECT_EQ(AllocationsDuring([&] {
                      game.SuggestMove(game.Pos, game.SideToMove, 3);
                      move = game.ComputerMove(game.Pos, game.SideToMove);
                  }),
                  0)
            << "move " << n;
        EXPECT_FALSE(hint.IsNull());
        game.ApplyMove(game.Pos, move.From, move.To);
    }
}

TEST(SearchAllocation, ALongRecordAllocatesOnlyWhenTheRepetitionTableGrows) {
    Tjeu game;
    while (game.History.size() < 302) game.History.Grow();
    for (int k = 1; k <= 300; ++k) {
        Position p = Position::Start();
        ApplyMoveTo(p, Move{8, static_cast<std::uint8_t>(13 + k % 12)});
        game.History.Set(static_cast<std::size_t>(k), HistoryEntry{p, kWhite, 8, 13});
    }
    game.Current = 300;
    EXPECT_GT(AllocationsDuring([&] { game.SuggestMove(game.Pos, kRed, 2); }), 0);
    EXPECT_EQ(AllocationsDuring([&] { game.SuggestMove(game.Pos, kRed, 3); }), 0);
}

TEST(SearchAllocation, TheCounterSeesAllocations) {
    std::vector<int> grown;
    EXPECT_EQ(AllocationsDuring([&] { grown.resize(100); }), 1);
}

}  // namespace
}  // namespace circumvia
