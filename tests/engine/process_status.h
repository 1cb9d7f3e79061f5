// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the test process itself, from /proc/self/status.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace process_status {

// A figure given in kB, such as "VmSize:" (the address space mapped) or
// "VmRSS:" (the memory resident), in bytes; 0 when it is not there.
inline std::uint64_t bytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(field)) {
            return std::stoull(line.substr(field.size())) * 1024;
        }
    }
    return 0;
}

} // namespace process_status
