#pragma once
// A file of fixed-size records with the runtime's typed-file semantics:
// Reset opens an existing file, Rewrite creates or empties one, Read and Write
// move by whole records, Eof is reached at the last whole record (a shorter
// trailing piece is never a record), and every failure raises EInOutError.
//
// Scans read the file in large blocks and hand out records from the block, so
// that reading a history of thousands of records costs a handful of system
// calls; writes are collected the same way and reach the file on Flush, when
// the block is full, or on Close. A write that fails at the file's end (a
// full disk) cuts the file back to its last whole record, so that no piece of
// a record is ever left behind.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

enum class TFileMode { ReadOnly, WriteOnly, ReadWrite };

class TRecordFile {
public:
    explicit TRecordFile(std::size_t recordSize);
    ~TRecordFile();
    TRecordFile(const TRecordFile&) = delete;
    TRecordFile& operator=(const TRecordFile&) = delete;

    void Assign(const std::string& path);
    const std::string& Path() const { return path_; }

    void Reset(TFileMode mode = TFileMode::ReadWrite);  // missing file: error 2
    void Rewrite();
    void Close();
    // Hands what is buffered to the system: after it the records are in the
    // file, whatever becomes of this process.
    void Flush();
    // Flush, and the system puts the file on disk.
    void Sync();
    // Forgets the writes not flushed yet.
    void DiscardWrites();
    bool IsOpen() const { return fd_ >= 0; }

    void Read(void* record);
    void Write(const void* record);
    // The next record inside the read block, or nullptr at the end of the
    // whole records; valid until the next call on this file.
    const std::byte* Next();

    void Seek(int64_t recordIndex);
    bool Eof();
    int64_t FileSize();  // whole records
    int64_t FilePos();
    void Truncate();     // cuts the file at the current position

    std::size_t RecordSize() const { return recordSize_; }

private:
    void requireOpen() const;
    void flushWrites();
    void failedWrite(std::size_t done);
    bool fillReadBlock();
    std::byte* buffer();

    std::size_t recordSize_;
    std::size_t blockBytes_;
    std::string path_;
    int fd_ = -1;
    TFileMode mode_ = TFileMode::ReadWrite;
    int64_t pos_ = 0;        // current record
    int64_t fileBytes_ = 0;  // the file's length as this handle knows it
    int64_t diskBytes_ = 0;  // its length without the pending writes
    std::unique_ptr<std::byte[]> buffer_;
    int64_t blockStart_ = 0;  // byte offset of the buffer in the file
    std::size_t readBytes_ = 0;   // valid bytes of a read block
    std::size_t writeBytes_ = 0;  // pending bytes of a write block
};

// A file of records of type T, which must be a plain byte layout.
template <class T>
class TFileOf : public TRecordFile {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    TFileOf() : TRecordFile(sizeof(T)) {}
    explicit TFileOf(const std::string& path) : TRecordFile(sizeof(T)) { Assign(path); }
    void Read(T& record) { TRecordFile::Read(&record); }
    void Write(const T& record) { TRecordFile::Write(&record); }
};
