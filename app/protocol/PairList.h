#pragma once

#include "app/protocol/ParamId.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

namespace v32 {

// One identifier/value pair on the wire: identifier then value, both big-endian.
struct ParamPair {
    ParamId id = 0;
    std::uint16_t value = 0;

    friend bool operator==(const ParamPair&, const ParamPair&) = default;
};

inline constexpr std::size_t kPairSize = 4;
inline constexpr std::size_t kIdSize = 2;
inline constexpr std::size_t kMaxPairsPerFrame = 60;
inline constexpr std::size_t kMaxIdsPerFrame = 60;

// Writes as many leading pairs as fit in out, at most maxPairs; returns how many.
std::size_t encodePairs(std::span<const ParamPair> pairs, std::span<std::uint8_t> out,
                        std::size_t maxPairs = kMaxPairsPerFrame);

// Writes as many leading identifiers as fit in out, at most kMaxIdsPerFrame; returns how many.
std::size_t encodeIds(std::span<const ParamId> ids, std::span<std::uint8_t> out);

// The pairs of a pair-list payload, read in place. A trailing partial pair is not part of it.
class PairListView {
public:
    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = ParamPair;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = ParamPair;

        Iterator() = default;
        Iterator(const PairListView* list, std::size_t index)
            : m_list(list)
            , m_index(index) {}
        ParamPair operator*() const { return (*m_list)[m_index]; }
        Iterator& operator++() {
            ++m_index;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++m_index;
            return before;
        }
        friend bool operator==(const Iterator&, const Iterator&) = default;

    private:
        const PairListView* m_list = nullptr;
        std::size_t m_index = 0;
    };

    explicit PairListView(std::span<const std::uint8_t> payload)
        : m_payload(payload) {}

    std::size_t size() const { return m_payload.size() / kPairSize; }
    bool empty() const { return size() == 0; }
    ParamPair operator[](std::size_t index) const;
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

private:
    std::span<const std::uint8_t> m_payload;
};

} // namespace v32
