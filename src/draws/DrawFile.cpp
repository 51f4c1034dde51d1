#include "draws/DrawFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>

DrawRecord MakeDrawRecord(TDateTime date, const std::array<int, 5>& numbers, int star1, int star2) {
    DrawRecord record;
    std::memset(&record, 0, sizeof record);
    record.Datum = date;
    for (int i = 0; i < 5; ++i) record.Slot[i] = static_cast<uint8_t>(numbers[i]);
    record.Slot[6] = static_cast<uint8_t>(star1);
    record.Slot[7] = static_cast<uint8_t>(star2);
    return record;
}

DrawScan::DrawScan(const std::string& path) : file_(sizeof(DrawRecord)) {
    file_.Assign(path);
    file_.Reset(TFileMode::ReadOnly);
}

DrawAppender::DrawAppender(const std::string& path) {
    file_.Assign(path);
    if (FileExists(path))
        file_.Reset(TFileMode::ReadWrite);
    else
        file_.Rewrite();
    committed_ = file_.FileSize();
    file_.Seek(committed_);
}

DrawAppender::~DrawAppender() {
    if (file_.IsOpen()) rollBack();
}

void DrawAppender::Write(const DrawRecord& record) {
    try {
        // A full block goes to the file here already.
        file_.Write(record);
    } catch (...) {
        rollBack();
        throw;
    }
}

void DrawAppender::Commit() {
    try {
        file_.Flush();
    } catch (...) {
        rollBack();
        throw;
    }
    committed_ = file_.FilePos();
}

void DrawAppender::Close() {
    Commit();
    file_.Close();
}

void DrawAppender::rollBack() noexcept {
    // Whatever of the group reached the file goes again; the records of the
    // last Commit stay. The error that is on its way says what went wrong.
    try {
        file_.DiscardWrites();
        file_.Seek(committed_);
        file_.Truncate();
    } catch (...) {
    }
}

void CreateEmptyDrawFile(const std::string& path) {
    TFileOf<DrawRecord> file(path);
    file.Rewrite();
    file.Close();
}

void AppendDraw(const std::string& path, const DrawRecord& record) {
    DrawAppender appender(path);
    appender.Write(record);
    appender.Close();
}

void RewriteDrawFile(const std::string& path, const std::string& tempPath,
                     const std::function<void(DrawScan& in, TFileOf<DrawRecord>& out)>& copy) {
    // The history is opened first: a missing one fails before a temporary
    // file exists, and an old temporary file of that name is left alone.
    DrawScan in(path);
    try {
        TFileOf<DrawRecord> out(tempPath);
        out.Rewrite();
        copy(in, out);
        // On disk before it takes the history's name.
        out.Sync();
        out.Close();
        // A history that cannot be closed after reading is not trusted to
        // have been read whole.
        in.Close();
    } catch (...) {
        try {
            if (in.IsOpen()) in.Close();
        } catch (...) {
            // The error on its way says what went wrong.
        }
        DeleteFile(tempPath);
        throw;
    }
    // The new history keeps the rights the user gave the old one.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) ::chmod(tempPath.c_str(), old.st_mode & 07777);
    if (!RenameFile(tempPath, path)) {
        const int code = errno != 0 ? errno : InOutCode::DiskWrite;
        DeleteFile(tempPath);
        throw EInOutError(code);
    }
}

void ConvertLegacyDrawFile(const std::string& home, const std::string& drawFileName) {
    const std::string target = home + drawFileName;
    const std::string legacy = home + kLegacyDrawFileName;
    if (FileExists(target) || !FileExists(legacy)) return;

    TFileOf<LegacyDrawRecord> in(legacy);
    in.Reset(TFileMode::ReadOnly);
    // Converted into a temporary file that takes the history's name once
    // complete: a write that fails (a full disk) leaves no cut history
    // behind, and the next start converts again. A record that cannot be
    // read ends the conversion with the records read so far.
    const std::string temp = target + ".~tmp";
    try {
        TFileOf<DrawRecord> out(temp);
        out.Rewrite();
        std::optional<EInOutError> readError;
        while (!in.Eof()) {
            LegacyDrawRecord old;
            try {
                in.Read(old);
            } catch (const EInOutError& e) {
                readError = e;
                break;
            }
            DrawRecord record;
            std::memset(&record, 0, sizeof record);
            std::memcpy(&record, &old, sizeof old);
            out.Write(record);
        }
        out.Sync();
        out.Close();
        if (!RenameFile(temp, target)) throw EInOutError(errno != 0 ? errno : InOutCode::DiskRead);
        if (readError) throw *readError;
    } catch (...) {
        if (FileExists(temp)) DeleteFile(temp);
        throw;
    }
    in.Close();
}
