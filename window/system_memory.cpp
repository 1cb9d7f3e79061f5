// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/system_memory.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace window {

std::optional<std::uint64_t> memAvailableIn(std::string_view meminfo) {
    constexpr std::string_view Label = "MemAvailable:";
    const std::size_t line = meminfo.find(Label);
    if (line == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = meminfo.substr(line + Label.size());
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    std::uint64_t kilobytes = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), kilobytes);
    if (error != std::errc() ||
        !std::string_view(end, rest.data() + rest.size()).starts_with(" kB")) {
        return std::nullopt;
    }
    return kilobytes * 1024;
}

std::optional<std::uint64_t> systemAvailableMemory() {
    std::ifstream file("/proc/meminfo");
    const std::string meminfo((std::istreambuf_iterator<char>(file)),
                              std::istreambuf_iterator<char>());
    if (const auto bytes = memAvailableIn(meminfo)) {
        return bytes;
    }
    const long pages = sysconf(_SC_AVPHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

} // namespace window
