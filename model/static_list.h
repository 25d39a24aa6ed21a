#pragma once
// A list with fixed capacity and no heap: the search and move generator build
// every working list on the stack.

#include <array>
#include <cassert>
#include <cstddef>

namespace circumvia {

template <typename T, std::size_t Capacity>
class StaticList {
public:
    constexpr void push_back(const T& value) {
        assert(count_ < Capacity);
        items_[count_++] = value;
    }
    constexpr void clear() { count_ = 0; }
    constexpr std::size_t size() const { return count_; }
    constexpr bool empty() const { return count_ == 0; }
    static constexpr std::size_t capacity() { return Capacity; }

    constexpr const T& operator[](std::size_t i) const { return items_[i]; }
    constexpr T& operator[](std::size_t i) { return items_[i]; }
    constexpr const T* begin() const { return items_.data(); }
    constexpr const T* end() const { return items_.data() + count_; }

private:
    std::array<T, Capacity> items_{};
    std::size_t count_ = 0;
};

}  // namespace circumvia
