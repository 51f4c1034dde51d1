#pragma once
// The draw-history file: a bare sequence of 32-byte records in date order,
// with no header and no count. Every reader opens it, scans it from the first
// record and closes it within one operation; nothing keeps it open or caches it.

#include "draws/DrawRecord.h"
#include "platform/rtl/RecordFile.h"

#include <functional>
#include <string>

inline const char* const kLegacyDrawFileName = "Zahlen.dat";

// A read-only scan of the history from its first record. Records are decoded
// in place in the read block; a trailing piece shorter than a record is never
// returned.
class DrawScan {
public:
    explicit DrawScan(const std::string& path);
    // The next record, or nullptr at the end; valid until the next call.
    const DrawRecord* Next() {
        return reinterpret_cast<const DrawRecord*>(file_.Next());
    }
    // Index of the record Next returned last.
    int64_t Index() { return file_.FilePos() - 1; }
    void Close() { file_.Close(); }
    bool IsOpen() const { return file_.IsOpen(); }

private:
    TRecordFile file_;
};

// Writes records behind the last whole record of a history file (created when
// missing). A torn trailing fragment is written over, so that every record
// written stays aligned and readable.
//
// Records go into the file in groups: Commit puts the records written since
// the last one into the file at once. When that fails (a full disk), the file
// is cut back to the records of the last Commit and the error raised, so a
// group is stored whole or not at all and no piece of a record is left. The
// records of a group not committed when the appender ends are not kept.
class DrawAppender {
public:
    explicit DrawAppender(const std::string& path);
    ~DrawAppender();
    DrawAppender(const DrawAppender&) = delete;
    DrawAppender& operator=(const DrawAppender&) = delete;

    void Write(const DrawRecord& record);
    void Commit();
    // Commit, then close.
    void Close();

private:
    void rollBack() noexcept;

    TFileOf<DrawRecord> file_;
    int64_t committed_ = 0;  // records in the file at the last Commit
};

// Creates an empty history file, replacing nothing but an empty name.
void CreateEmptyDrawFile(const std::string& path);

void AppendDraw(const std::string& path, const DrawRecord& record);

// Rewrites the history through a temporary file: `copy` reads the old records
// from the scan and writes the new sequence; the finished temporary file then
// takes the history's name in one atomic rename, so there is never a moment
// without a history. A failure anywhere (open, read, write, rename) removes
// the temporary file, leaves the history as it was and raises EInOutError
// with the system's error number.
void RewriteDrawFile(const std::string& path, const std::string& tempPath,
                     const std::function<void(DrawScan& in, TFileOf<DrawRecord>& out)>& copy);

// Converts the older "Zahlen.dat" of 16-byte records once, when the history
// file `home + drawFileName` does not exist yet. Records are taken as they
// are; an input/output error leaves the records written so far in place.
void ConvertLegacyDrawFile(const std::string& home, const std::string& drawFileName);
