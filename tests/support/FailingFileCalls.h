#pragma once
// Faults put into the runtime's file creations, writes, syncs, closes and
// reads while the object lives, for the files whose path begins with a given
// one (a file and the temporary files beside it); every other file is
// handled as usual. A fault strikes every call it watches, or only the first
// `times` of them, as a fault that passes.
//
//     FailingWrite full(history, 40);   // 40 bytes go in, then the disk is full
//     FailingClose close(history);      // a read handle's close reports EIO
//     FailingRead unreadable(file);     // reading a whole text file fails
//     FailingSync once(hive, EIO, 1);   // the first sync fails, later ones pass
//     FailingCreate none(hive);         // no file can be made there

#include "platform/rtl/FileUtils.h"

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace failing_file_calls {

// Whether the open file behind `fd` lies under the watched path.
inline bool Watched(int fd, const std::string& prefix) {
    char target[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
    if (n <= 0) return false;
    return std::string(target, static_cast<std::size_t>(n)).rfind(prefix, 0) == 0;
}

// The path as the system names the open file: its folder without links.
inline std::string Resolved(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return path;
    char folder[4096];
    if (!::realpath(path.substr(0, slash).c_str(), folder)) return path;
    return std::string(folder) + path.substr(slash);
}

// What every fault shares while it is in place: the watched path, the
// error it reports, how often it may strike and how often it struck; the
// call it stands in for goes back when it ends.
template <class Fault, class Function, Function (*Set)(Function)>
class FileFault {
public:
    FileFault(const std::string& prefix, int code, int times = INT_MAX) {
        prefix_ = Resolved(prefix);
        code_ = code;
        times_ = times;
        failures_ = 0;
        previous_ = Set(&Fault::call);
    }
    ~FileFault() { Set(previous_); }
    FileFault(const FileFault&) = delete;
    FileFault& operator=(const FileFault&) = delete;

    // How many calls were refused.
    static int Failures() { return failures_; }

protected:
    static bool watched(int fd) { return Watched(fd, prefix_); }
    static bool watched(const char* path) { return Resolved(path).rfind(prefix_, 0) == 0; }
    // Whether the fault has strikes left.
    static bool striking() { return failures_ < times_; }
    // A refused call: -1 with the fault's error.
    static int refuse() {
        ++failures_;
        errno = code_;
        return -1;
    }

private:
    static inline std::string prefix_;
    static inline int code_ = 0;
    static inline int times_ = INT_MAX;
    static inline int failures_ = 0;
    Function previous_;
};

} // namespace failing_file_calls

// Lets `allowed` bytes reach the watched files, the last write cut short
// where the budget ends, as a disk that fills up; the later writes fail with
// `code`, every one or the first `times`, after which room is found again.
class FailingWrite
    : public failing_file_calls::FileFault<FailingWrite, WriteFunction, &SetWriteFunction> {
public:
    FailingWrite(const std::string& prefix, std::size_t allowed, int code = ENOSPC, int times = INT_MAX)
        : FileFault(prefix, code, times) {
        left_ = allowed;
    }

private:
    friend FileFault;
    static ssize_t call(int fd, const void* data, std::size_t bytes, off_t offset) {
        if (!watched(fd)) return ::pwrite(fd, data, bytes, offset);
        if (left_ == 0) return striking() ? refuse() : ::pwrite(fd, data, bytes, offset);
        const std::size_t n = bytes < left_ ? bytes : left_;
        const ssize_t done = ::pwrite(fd, data, n, offset);
        if (done > 0) left_ -= static_cast<std::size_t>(done);
        return done;
    }
    static inline std::size_t left_ = 0;
};

// The close of a handle opened for reading only (or, with O_WRONLY, of one
// opened for writing only) reports `code`, as a file system may report a
// late failure at the close; the handle is closed all the same. Other
// handles close as usual.
class FailingClose
    : public failing_file_calls::FileFault<FailingClose, CloseFunction, &SetCloseFunction> {
public:
    explicit FailingClose(const std::string& prefix, int code = EIO, int accessMode = O_RDONLY, int times = INT_MAX)
        : FileFault(prefix, code, times) {
        accessMode_ = accessMode;
    }

private:
    friend FileFault;
    static int call(int fd) {
        const bool fail = watched(fd) && (::fcntl(fd, F_GETFL) & O_ACCMODE) == accessMode_ && striking();
        const int result = ::close(fd);
        return fail ? refuse() : result;
    }
    static inline int accessMode_ = O_RDONLY;
};

// A watched file's sync to the disk fails with `code`, as a disk that
// reports a write error late does.
class FailingSync : public failing_file_calls::FileFault<FailingSync, SyncFunction, &SetSyncFunction> {
public:
    explicit FailingSync(const std::string& prefix, int code = EIO, int times = INT_MAX)
        : FileFault(prefix, code, times) {}

private:
    friend FileFault;
    static int call(int fd) { return watched(fd) && striking() ? refuse() : ::fsync(fd); }
};

// No watched file can be created: the folder is full or may not be written.
class FailingCreate
    : public failing_file_calls::FileFault<FailingCreate, CreateFunction, &SetCreateFunction> {
public:
    explicit FailingCreate(const std::string& prefix, int code = ENOSPC, int times = INT_MAX)
        : FileFault(prefix, code, times) {}

private:
    friend FileFault;
    static int call(const char* path, int flags, mode_t mode) {
        return watched(path) && striking() ? refuse() : ::open(path, flags, mode);
    }
};

// Every read of a watched text file fails with `code`, as a damaged disk or
// a file system gone away would: the file is there but cannot be read.
class FailingRead
    : public failing_file_calls::FileFault<FailingRead, ReadFunction, &SetReadFunction> {
public:
    explicit FailingRead(const std::string& prefix, int code = EIO) : FileFault(prefix, code) {}

private:
    friend FileFault;
    static ssize_t call(int fd, void* data, std::size_t bytes) {
        return watched(fd) ? refuse() : ::read(fd, data, bytes);
    }
};
