#include "platform/rtl/StringList.h"

#include "platform/rtl/FileUtils.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The whole file, or false when it cannot be opened or read (a folder, say).
bool readWholeFile(const std::string& path, std::string& bytes) {
    const int fd = OpenExistingFile(path, O_RDONLY);
    if (fd < 0) return false;
    bytes.clear();
    // Read into room of the file's size, not into a buffer that doubles.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ReadFrom(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return false;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

bool isAscii(std::string_view bytes) {
    unsigned char any = 0;
    for (const char c : bytes) any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

}  // namespace

void TStringList::checkIndex(int index, int limit) const {
    if (index < 0 || index >= limit)
        throw EStringListError("Listenindex überschreitet das Maximum (" + std::to_string(index) + ")");
}

std::string_view TStringList::Line(int index) const {
    checkIndex(index, Count());
    return lines_[static_cast<std::size_t>(index)];
}

void TStringList::SetStrings(int index, std::string_view s) {
    checkIndex(index, Count());
    lines_.replace(static_cast<std::size_t>(index), s);
    changed({false, index, 1, 1});
}

int TStringList::Add(std::string_view s) {
    lines_.push_back(s);
    changed({false, Count() - 1, 0, 1});
    return Count() - 1;
}

void TStringList::Insert(int index, std::string_view s) {
    checkIndex(index, Count() + 1);
    lines_.insert(static_cast<std::size_t>(index), s);
    changed({false, index, 0, 1});
}

void TStringList::Assign(const TStringList& other) {
    if (this == &other) return;
    lines_ = other.lines_;
    encoding_ = other.encoding_;
    changed();
}

void TStringList::Assign(TStringList&& other) {
    if (this == &other) return;
    // The old lines go before the new ones are taken, and the other list
    // is left empty.
    lines_.release();
    std::swap(lines_, other.lines_);
    encoding_ = other.encoding_;
    other.changed();
    changed();
}

void TStringList::Reserve(int count, std::size_t bytes) {
    const std::size_t lines = static_cast<std::size_t>(std::max(count, 0));
    // An emptied list keeps its room for lines made again (every check of
    // the result list), but not room far beyond what is asked for.
    if (lines_.empty() && (lines_.lineCapacity() > 2 * lines + 1024 || lines_.textCapacity() > 2 * bytes + 65536))
        lines_.release();
    lines_.reserve(lines, bytes);
}

void TStringList::Clear() {
    lines_.clear();
    changed();
}

void TStringList::Delete(int index) {
    checkIndex(index, Count());
    lines_.erase(static_cast<std::size_t>(index));
    changed({false, index, 1, 0});
}

void TStringList::Exchange(int index1, int index2) {
    checkIndex(index1, Count());
    checkIndex(index2, Count());
    lines_.swapLines(static_cast<std::size_t>(index1), static_cast<std::size_t>(index2));
    changed();
}

void TStringList::Sort() {
    lines_.stableSort();
    changed();
}

void TStringList::RewriteLines(LineStore::LineChange change) {
    lines_.rewrite(change);
    changed();
}

int TStringList::IndexOf(std::string_view s) const {
    const auto it = std::find(begin(), end(), s);
    return it == end() ? -1 : static_cast<int>(it - begin());
}

std::string TStringList::Text() const {
    std::string text;
    text.reserve(lines_.textSize() + 2 * lines_.size());
    for (std::string_view line : *this) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStringList::SetText(std::string_view text) { setText(std::string(text)); }

void TStringList::setText(std::string&& text) {
    lines_.assignText(std::move(text));
    changed();
}

void TStringList::LoadFromFile(const std::string& path) {
    std::string bytes;
    if (!readWholeFile(path, bytes)) throw EFOpenError(path);
    TEncoding encoding = DetectBOM(bytes);
    std::string text;
    if (encoding == TEncoding::UTF8 || (encoding == TEncoding::Ansi && isAscii(bytes))) {
        // The bytes are the text already (plain ASCII reads the same in the
        // code page and in UTF-8): the file is never held twice.
        bytes.erase(0, BOMBytes(encoding).size());
        text = std::move(bytes);
    } else {
        text = DecodeFileText(bytes, encoding);
        // The file's bytes go before its lines are made: one copy of the text less.
        std::string().swap(bytes);
    }
    // The old lines go before the new ones are made.
    lines_.release();
    setText(std::move(text));
    encoding_ = encoding;
}

std::string TStringList::fileBytes() const {
    // Made a block of lines at a time, so that a long list is not held as
    // one text beside its bytes; the blocks end at line ends, so the bytes
    // are those of the whole text converted at once.
    constexpr std::size_t kBlock = 1 << 20;
    const std::size_t size = lines_.textSize() + 2 * lines_.size();
    if (encoding_ == TEncoding::UTF8) {
        std::string bytes(BOMBytes(TEncoding::UTF8));
        bytes.reserve(bytes.size() + size);
        for (std::string_view line : *this) {
            bytes += line;
            bytes += "\r\n";
        }
        return bytes;
    }
    if (encoding_ != TEncoding::Ansi) return EncodeFileTextLossless(Text(), encoding_);
    std::string ansi, block, converted;
    ansi.reserve(size);
    bool lossless = true;
    for (std::size_t i = 0; i < lines_.size() && lossless;) {
        block.clear();
        for (; i < lines_.size() && block.size() < kBlock; ++i) {
            block += lines_[i];
            block += "\r\n";
        }
        lossless = TryUtf8ToAnsi(block, converted);
        ansi += converted;
    }
    if (lossless && DetectBOM(ansi) == TEncoding::Ansi) return ansi;
    std::string().swap(ansi);
    return EncodeFileTextLossless(Text(), encoding_);
}

void TStringList::SaveToFile(const std::string& path) const {
    const std::string bytes = fileBytes();
    // Whole or not at all: the old text stays until the new one is complete.
    if (!WriteFileAtomically(path, bytes)) throw EFCreateError(path);
}
