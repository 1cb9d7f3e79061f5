// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: their input, texts separated by NUL bytes and
// then parameter bytes ("12.5\0" "2.25\0" "\x3c" gives "12.5", "2.25" and one
// byte; missing texts are empty and missing bytes zero), and the forms of
// numbers that their checks look for.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size, std::size_t textCount) {
        std::string_view rest(reinterpret_cast<const char*>(data), size);
        for (std::size_t i = 0; i < textCount; ++i) {
            const auto end = rest.find('\0');
            texts_.emplace_back(rest.substr(0, end));
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        }
        parameters_ = rest;
    }
    const std::string& text(std::size_t i) const { return texts_.at(i); }
    // Byte `i` from -128 to 127, and bytes `i` to `i + 3` as any 32-bit value.
    int byte(std::size_t i) const {
        return i < parameters_.size() ? static_cast<std::int8_t>(parameters_[i]) : 0;
    }
    std::int32_t int32(std::size_t i) const {
        return static_cast<std::int32_t>(
            std::uint32_t(byte(i)) << 24 | std::uint8_t(byte(i + 1)) << 16 |
            std::uint8_t(byte(i + 2)) << 8 | std::uint8_t(byte(i + 3)));
    }

private:
    std::vector<std::string> texts_;
    std::string_view parameters_;
};

inline void expect(bool holds, const char* what, const std::string& detail) {
    if (!holds) {
        std::fprintf(stderr, "\n*** %s\n%s\n", what, detail.c_str());
        std::abort();
    }
}

inline bool isDigits(std::string_view t) {
    return !t.empty() &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What may be read as a number: an optional "+", an optional "-" (with
// `minus`), digits (maybe none), and one point among them (with `point`).
inline bool isNumber(std::string_view t, bool minus, bool point) {
    t.remove_prefix(t.starts_with('+') ? 1 : 0);
    t.remove_prefix(minus && t.starts_with('-') ? 1 : 0);
    const auto at = point ? t.find('.') : std::string_view::npos;
    return (at == 0 || isDigits(t.substr(0, at)) || t.empty()) &&
           (at == std::string_view::npos || at + 1 == t.size() || isDigits(t.substr(at + 1)));
}

// A whole result: an optional "-", digits, and with `point` digits after a point.
inline bool isResult(std::string_view t, bool point) {
    t.remove_prefix(t.starts_with('-') ? 1 : 0);
    const auto at = t.find('.');
    return at == std::string_view::npos
               ? isDigits(t)
               : point && isDigits(t.substr(0, at)) && isDigits(t.substr(at + 1));
}

} // namespace fuzz
