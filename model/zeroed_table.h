#pragma once
// A fixed number of zero-filled slots for the search's big tables (remembered evaluations,
// frontier nodes), aligned as the slot type asks (a cache line, say). The memory comes from
// calloc, which for tables this size maps fresh pages instead of writing zeros: a game that
// searches little touches little of it.
//
// The tables only hold what a search can find again by itself, so a copy starts zeroed
// and an assignment leaves the target's slots as they are.

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>

namespace circumvia {

template <typename Slot>
class ZeroedTable {
    static_assert(std::is_trivially_copyable_v<Slot>, "a zeroed slot must be a valid slot");

public:
    explicit ZeroedTable(std::size_t count)
        : count_(count), memory_(std::calloc(count * sizeof(Slot) + alignof(Slot), 1)) {
        if (!memory_) throw std::bad_alloc();
        void* start = memory_.get();
        std::size_t room = count * sizeof(Slot) + alignof(Slot);
        slots_ = static_cast<Slot*>(std::align(alignof(Slot), count * sizeof(Slot), start, room));
    }
    ZeroedTable(const ZeroedTable& other) : ZeroedTable(other.count_) {}
    ZeroedTable& operator=(const ZeroedTable&) { return *this; }

    Slot& operator[](std::size_t i) { return slots_[i]; }
    const Slot& operator[](std::size_t i) const { return slots_[i]; }

    void Clear() { std::memset(static_cast<void*>(slots_), 0, count_ * sizeof(Slot)); }

private:
    struct FreeMemory {
        void operator()(void* memory) const { std::free(memory); }
    };

    std::size_t count_;
    std::unique_ptr<void, FreeMemory> memory_;
    Slot* slots_ = nullptr;  // inside memory_
};

}  // namespace circumvia
