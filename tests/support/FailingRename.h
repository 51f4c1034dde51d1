#pragma once
// Every rename (or the first `times` of them) fails with a given system
// error while the object lives, as a rename across file systems or on a full
// folder would.

#include "platform/rtl/FileUtils.h"

#include <cerrno>
#include <climits>
#include <cstdio>

class FailingRename {
public:
    explicit FailingRename(int code = EXDEV, int times = INT_MAX) {
        code_ = code;
        times_ = times;
        failures_ = 0;
        previous_ = SetRenameFunction(&fail);
    }
    ~FailingRename() { SetRenameFunction(previous_); }
    FailingRename(const FailingRename&) = delete;
    FailingRename& operator=(const FailingRename&) = delete;

    // How many renames were refused.
    static int Failures() { return failures_; }

private:
    static int fail(const char* from, const char* to) {
        if (failures_ >= times_) return std::rename(from, to);
        ++failures_;
        errno = code_;
        return -1;
    }
    static inline int code_ = EXDEV;
    static inline int times_ = INT_MAX;
    static inline int failures_ = 0;
    RenameFunction previous_;
};
