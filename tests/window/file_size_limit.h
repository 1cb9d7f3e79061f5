// SPDX-License-Identifier: GPL-3.0-or-later
// A disk that refuses writes, for the tests: lowers the file size this
// process may write while the object lives (the signal past it ignored), so
// that a write beyond it fails as on a full disk.
#pragma once

#include <csignal>
#include <sys/resource.h>

struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : formerHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &former);
        rlimit limited = former;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &former);
        std::signal(SIGXFSZ, formerHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    rlimit former{};
    void (*formerHandler)(int);
};
