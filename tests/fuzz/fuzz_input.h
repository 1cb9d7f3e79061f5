// How the fuzz targets read their input: texts separated by NUL bytes, then
// a few parameter bytes after the last separator. "12.5\0" "2.25\0" "\x3c"
// gives the texts "12.5" and "2.25" and one parameter byte; missing texts are
// empty and missing parameter bytes are zero, so every input means something.
#pragma once

#include <cstddef>
#include <cstdint>
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

    // Parameter byte `i` as a signed value from -128 to 127.
    int byte(std::size_t i) const {
        return i < parameters_.size() ? static_cast<std::int8_t>(parameters_[i]) : 0;
    }

    // Parameter bytes `i` to `i + 3` as a 32-bit integer, any value.
    std::int32_t int32(std::size_t i) const {
        std::uint32_t value = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            value = value << 8 | static_cast<std::uint8_t>(byte(i + k));
        }
        return static_cast<std::int32_t>(value);
    }

private:
    std::vector<std::string> texts_;
    std::string_view parameters_;
};

} // namespace fuzz
