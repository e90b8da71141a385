// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Differences between two radio images, one line per changed run of bits, e.g.
// "0x2009 bits 2-3: 01 -> 10", so a failing test names exactly what moved.

#include "image/radio_image.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

inline std::string bitString(unsigned value, int low, int high) {
    std::string text;
    for (int bit = high; bit >= low; --bit) text += ((value >> bit) & 1u) ? '1' : '0';
    return text;
}

// Changed bits of one byte as runs of adjacent bits.
inline void describeByte(std::vector<std::string>& out, unsigned at, unsigned before, unsigned after) {
    const unsigned changed = before ^ after;
    for (int bit = 0; bit < 8; ++bit) {
        if (!((changed >> bit) & 1u)) continue;
        int high = bit;
        while (high + 1 < 8 && ((changed >> (high + 1)) & 1u)) ++high;
        char line[64];
        std::snprintf(line, sizeof line, "0x%04X bits %d-%d: ", at, bit, high);
        out.push_back(std::string(line) + bitString(before, bit, high) + " -> " + bitString(after, bit, high));
        bit = high;
    }
}

// Every changed run for which `allowed(address, bitIndex)` is false (all of them by default).
inline std::vector<std::string> imageDiff(const image::RadioImage& before, const image::RadioImage& after,
                                          const std::function<bool(unsigned, int)>& allowed = {}) {
    std::vector<std::string> lines;
    const auto a = before.all();
    const auto b = after.all();
    for (unsigned at = 0; at < a.size(); ++at) {
        unsigned changed = a[at] ^ b[at];
        if (allowed)
            for (int bit = 0; bit < 8; ++bit)
                if (allowed(at, bit)) changed &= ~(1u << bit);
        if (changed) describeByte(lines, at, a[at] & changed, b[at] & changed);
    }
    return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}

} // namespace testing_support
