#include "platform/rtl/RecordFile.h"

#include "platform/rtl/FileUtils.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBlockTarget = 64 * 1024;
constexpr int kAccessDenied = 5;

[[noreturn]] void fail(int code) { throw EInOutError(code); }

} // namespace

TRecordFile::TRecordFile(std::size_t recordSize)
    : recordSize_(recordSize ? recordSize : 1),
      blockBytes_(std::max<std::size_t>(kBlockTarget / recordSize_, 1) * recordSize_) {}

TRecordFile::~TRecordFile() {
    if (fd_ < 0) return;
    try {
        flushWrites();
    } catch (...) {
        // A destructor cannot report; Close is the place that does.
    }
    CloseFile(fd_);
}

void TRecordFile::Assign(const std::string& path) { path_ = path; }

std::byte* TRecordFile::buffer() {
    if (!buffer_) buffer_ = std::make_unique<std::byte[]>(blockBytes_);
    return buffer_.get();
}

void TRecordFile::requireOpen() const {
    if (fd_ < 0) fail(InOutCode::FileNotOpen);
}

void TRecordFile::Reset(TFileMode mode) {
    if (fd_ >= 0) Close();
    int flags = mode == TFileMode::ReadOnly ? O_RDONLY : mode == TFileMode::WriteOnly ? O_WRONLY : O_RDWR;
    int fd = OpenExistingFile(path_, flags);
    if (fd < 0) fail(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        int code = errno;
        ::close(fd);
        fail(code);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        fail(kAccessDenied);
    }
    fd_ = fd;
    mode_ = mode;
    pos_ = 0;
    fileBytes_ = diskBytes_ = st.st_size;
    readBytes_ = writeBytes_ = 0;
}

void TRecordFile::Rewrite() {
    if (fd_ >= 0) Close();
    int fd = CreateFile(path_, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) fail(errno);
    fd_ = fd;
    mode_ = TFileMode::ReadWrite;
    pos_ = 0;
    fileBytes_ = diskBytes_ = 0;
    readBytes_ = writeBytes_ = 0;
}

void TRecordFile::Close() {
    requireOpen();
    int code = 0;
    try {
        flushWrites();
    } catch (const EInOutError& e) {
        code = e.ErrorCode;
    }
    if (CloseFile(fd_) != 0 && code == 0) code = errno;
    fd_ = -1;
    readBytes_ = writeBytes_ = 0;
    if (code) fail(code);
}

void TRecordFile::Flush() {
    requireOpen();
    flushWrites();
}

void TRecordFile::DiscardWrites() {
    writeBytes_ = 0;
    readBytes_ = 0;
    fileBytes_ = diskBytes_;
}

void TRecordFile::Sync() {
    Flush();
    if (SyncFile(fd_) != 0) fail(errno);
}

void TRecordFile::flushWrites() {
    if (writeBytes_ == 0) return;
    const std::byte* data = buffer();
    std::size_t done = 0;
    while (done < writeBytes_) {
        ssize_t n = WriteAt(fd_, data + done, writeBytes_ - done, blockStart_ + static_cast<int64_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            const int code = errno;
            failedWrite(done);
            fail(code);
        }
        done += static_cast<std::size_t>(n);
    }
    diskBytes_ = std::max(diskBytes_, blockStart_ + static_cast<int64_t>(writeBytes_));
    writeBytes_ = 0;
}

void TRecordFile::failedWrite(std::size_t done) {
    const int64_t rs = static_cast<int64_t>(recordSize_);
    const int64_t written = blockStart_ + static_cast<int64_t>(done);
    const bool atTheEnd = blockStart_ + static_cast<int64_t>(writeBytes_) >= diskBytes_;
    writeBytes_ = 0;
    readBytes_ = 0;
    diskBytes_ = std::max(diskBytes_, written);
    // A write that was to grow the file may have left a piece of a record
    // at its end: every reader would stop before it, but the next append
    // would start behind it. Records inside the file are left as they are.
    if (atTheEnd && diskBytes_ % rs != 0) {
        const int64_t whole = diskBytes_ / rs * rs;
        if (::ftruncate(fd_, whole) == 0) diskBytes_ = whole;
    }
    fileBytes_ = diskBytes_;
}

bool TRecordFile::fillReadBlock() {
    int64_t offset = pos_ * static_cast<int64_t>(recordSize_);
    int64_t wholeEnd = (fileBytes_ / static_cast<int64_t>(recordSize_)) * static_cast<int64_t>(recordSize_);
    if (offset >= wholeEnd) return false;
    std::size_t want = static_cast<std::size_t>(std::min<int64_t>(static_cast<int64_t>(blockBytes_), wholeEnd - offset));
    std::byte* data = buffer();
    std::size_t got = 0;
    while (got < want) {
        ssize_t n = ::pread(fd_, data + got, want - got, offset + static_cast<int64_t>(got));
        if (n < 0) {
            if (errno == EINTR) continue;
            readBytes_ = 0;
            fail(errno);
        }
        if (n == 0) break;  // the file shrank under us
        got += static_cast<std::size_t>(n);
    }
    blockStart_ = offset;
    readBytes_ = got - got % recordSize_;
    return readBytes_ > 0;
}

const std::byte* TRecordFile::Next() {
    requireOpen();
    if (mode_ == TFileMode::WriteOnly) fail(kAccessDenied);
    flushWrites();
    int64_t offset = pos_ * static_cast<int64_t>(recordSize_);
    if (readBytes_ == 0 || offset < blockStart_ ||
        offset + static_cast<int64_t>(recordSize_) > blockStart_ + static_cast<int64_t>(readBytes_)) {
        readBytes_ = 0;
        if (!fillReadBlock()) return nullptr;
    }
    ++pos_;
    return buffer() + (offset - blockStart_);
}

void TRecordFile::Read(void* record) {
    const std::byte* data = Next();
    if (!data) {
        bool fragment = pos_ * static_cast<int64_t>(recordSize_) < fileBytes_;
        fail(fragment ? InOutCode::DiskRead : InOutCode::ReadBeyondEnd);
    }
    std::memcpy(record, data, recordSize_);
}

void TRecordFile::Write(const void* record) {
    requireOpen();
    if (mode_ == TFileMode::ReadOnly) fail(kAccessDenied);
    readBytes_ = 0;
    int64_t offset = pos_ * static_cast<int64_t>(recordSize_);
    bool contiguous = writeBytes_ > 0 && offset == blockStart_ + static_cast<int64_t>(writeBytes_) &&
                      writeBytes_ + recordSize_ <= blockBytes_;
    if (!contiguous) {
        flushWrites();
        blockStart_ = offset;
    }
    std::memcpy(buffer() + writeBytes_, record, recordSize_);
    writeBytes_ += recordSize_;
    ++pos_;
    fileBytes_ = std::max(fileBytes_, offset + static_cast<int64_t>(recordSize_));
}

void TRecordFile::Seek(int64_t recordIndex) {
    requireOpen();
    if (recordIndex < 0) fail(131);  // negative seek: the system's "invalid argument" code
    pos_ = recordIndex;
}

bool TRecordFile::Eof() {
    requireOpen();
    return pos_ >= FileSize();
}

int64_t TRecordFile::FileSize() {
    requireOpen();
    return fileBytes_ / static_cast<int64_t>(recordSize_);
}

int64_t TRecordFile::FilePos() {
    requireOpen();
    return pos_;
}

void TRecordFile::Truncate() {
    requireOpen();
    flushWrites();
    readBytes_ = 0;
    int64_t length = pos_ * static_cast<int64_t>(recordSize_);
    if (::ftruncate(fd_, length) != 0) fail(errno);
    fileBytes_ = diskBytes_ = length;
}
