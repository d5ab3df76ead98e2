// A map from exact values to counts for the player's solver: entries stored densely (quick to
// walk), found through an open-addressing index (quick to look up). Only grows; never erases.
#pragma once

#include <cstdint>
#include <vector>

#include "player/fraction.h"

template <class V>
class ValueMap {
public:
    struct Entry {
        Fraction first;
        V second;
    };

    const V* Find(const Fraction& key) const {
        if (slots_.empty()) return nullptr;
        for (std::size_t i = Home(key);; i = (i + 1) & mask_) {
            const int32_t at = slots_[i];
            if (at < 0) return nullptr;
            if (entries_[at].first == key) return &entries_[at].second;
        }
    }

    V& operator[](const Fraction& key) {
        if ((entries_.size() + 1) * 2 > slots_.size()) Grow();
        std::size_t i = Home(key);
        for (; slots_[i] >= 0; i = (i + 1) & mask_)
            if (entries_[slots_[i]].first == key) return entries_[slots_[i]].second;
        slots_[i] = static_cast<int32_t>(entries_.size());
        entries_.push_back({key, V{}});
        return entries_.back().second;
    }

    std::size_t size() const { return entries_.size(); }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

private:
    std::size_t Home(const Fraction& key) const {
        const uint64_t h = (static_cast<uint64_t>(key.Num()) * 0x9E3779B97F4A7C15ull) ^ (static_cast<uint64_t>(key.Den()) * 0xC2B2AE3D27D4EB4Full);
        return static_cast<std::size_t>((h ^ (h >> 31)) * 0xD6E8FEB86659FD93ull >> shift_);
    }

    void Grow() {
        const std::size_t size = slots_.empty() ? 16 : slots_.size() * 2;
        slots_.assign(size, -1);
        mask_ = size - 1;
        shift_ = 64;
        for (std::size_t s = size; s > 1; s >>= 1) --shift_;
        for (std::size_t e = 0; e < entries_.size(); ++e) {
            std::size_t i = Home(entries_[e].first);
            while (slots_[i] >= 0) i = (i + 1) & mask_;
            slots_[i] = static_cast<int32_t>(e);
        }
    }

    std::vector<Entry> entries_;
    std::vector<int32_t> slots_;
    std::size_t mask_ = 0;
    int shift_ = 64;
};
