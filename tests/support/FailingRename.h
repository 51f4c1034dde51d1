#pragma once
// Every rename fails with a given system error while the object lives, as
// a rename across file systems or on a full folder would.

#include "platform/rtl/FileUtils.h"

#include <cerrno>

class FailingRename {
public:
    explicit FailingRename(int code = EXDEV) {
        code_ = code;
        previous_ = SetRenameFunction(&fail);
    }
    ~FailingRename() { SetRenameFunction(previous_); }
    FailingRename(const FailingRename&) = delete;
    FailingRename& operator=(const FailingRename&) = delete;

private:
    static int fail(const char*, const char*) {
        errno = code_;
        return -1;
    }
    static inline int code_ = EXDEV;
    RenameFunction previous_;
};
