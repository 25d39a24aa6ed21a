#pragma once
// A table of what one search remembers of its nodes, in buckets of two slots on one cache
// line, so that a lookup reads one line. An entry, a tag and a payload, is found in the
// bucket its hash picks by its tag and a test of the payload, and only within the
// generation it was stored in: a new record starts a new generation, because what a
// search remembers holds for its record alone.
//
// An entry new to its bucket goes first, and the bucket's first entry moves second in
// place of the one there, so a bucket keeps the two entries stored last.

#include <array>
#include <cstddef>
#include <cstdint>

#include "zeroed_table.h"

namespace circumvia {

// Stands for a test that any payload with the right tag passes.
struct AnyPayload {
    template <typename Payload>
    bool operator()(const Payload&) const {
        return true;
    }
};

template <typename Payload, int kBucketBits>
class GenerationTable {
public:
    GenerationTable() : buckets_(std::size_t{1} << kBucketBits) {}

    // Forgets every entry stored so far.
    void NewGeneration() {
        if (++generation_ == 0) {
            buckets_.Clear();
            generation_ = 1;
        }
    }

    // The payload stored in this generation under `tag`, in the bucket `hash` picks, that
    // passes `matches`.
    template <typename Matches = AnyPayload>
    const Payload* Find(std::uint64_t hash, std::uint64_t tag, Matches matches = {}) const {
        for (const Slot& slot : buckets_[Index(hash)].slots) {
            if (Holds(slot, tag, matches)) return &slot.payload;
        }
        return nullptr;
    }

    // Starts reading the bucket `hash` picks into the cache, for a Find that follows soon.
    void Prefetch(std::uint64_t hash) const { __builtin_prefetch(&buckets_[Index(hash)]); }

    // Stores `payload` under `tag` in the bucket `hash` picks, in place of the one that
    // passes `matches` if there is one.
    template <typename Matches = AnyPayload>
    void Store(std::uint64_t hash, std::uint64_t tag, const Payload& payload,
               Matches matches = {}) {
        Bucket& bucket = buckets_[Index(hash)];
        Slot* slot = &bucket.slots[0];
        if (Holds(bucket.slots[1], tag, matches)) {
            slot = &bucket.slots[1];
        } else if (!Holds(bucket.slots[0], tag, matches)) {
            bucket.slots[1] = bucket.slots[0];
        }
        *slot = Slot{tag, generation_, payload};
    }

private:
    // Generation 0 is never current, so a zeroed slot is free.
    struct Slot {
        std::uint64_t tag;
        std::uint16_t generation;
        Payload payload;
    };
    struct alignas(64) Bucket {
        std::array<Slot, 2> slots;
    };
    static_assert(sizeof(Bucket) == 64, "two slots to a cache line");

    template <typename Matches>
    bool Holds(const Slot& slot, std::uint64_t tag, const Matches& matches) const {
        return slot.tag == tag && slot.generation == generation_ && matches(slot.payload);
    }
    // Multiplying by an odd constant spreads the hash's bits over the index.
    static std::size_t Index(std::uint64_t hash) {
        return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ull) >> (64 - kBucketBits));
    }

    ZeroedTable<Bucket> buckets_;
    std::uint16_t generation_ = 1;
};

}  // namespace circumvia
