// SPDX-License-Identifier: GPL-3.0-or-later
// The memory that the system says a new computation can still take.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace window {

// MemAvailable of /proc/meminfo, in bytes: what can be taken without the
// system swapping, page cache it can drop included. Where the file gives no
// such line, the free pages (sysconf); nothing when neither is known.
std::optional<std::uint64_t> systemAvailableMemory();

// The MemAvailable line of a /proc/meminfo text, in bytes.
std::optional<std::uint64_t> memAvailableIn(std::string_view meminfo);

} // namespace window
