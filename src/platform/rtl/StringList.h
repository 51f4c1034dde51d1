#pragma once
// A list of text lines with whole-file load and save.
//
// A loaded file's encoding is remembered and used again on save, so a user's
// file keeps its byte-order mark (or its lack of one). Lines are UTF-8 inside.

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextEncoding.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// An index outside the list.
class EStringListError : public Exception {
public:
    using Exception::Exception;
};

// What the last change of a list did, for a view that shows it: `Removed`
// lines from `Index` on taken out and `Inserted` lines put there. A change
// of many lines at once (clearing, assigning, loading, sorting) is `Whole`:
// any line may differ.
struct TStringListChange {
    bool Whole = true;
    int Index = 0;
    int Removed = 0;
    int Inserted = 0;
};

class TStringList {
public:
    using const_iterator = std::vector<std::string>::const_iterator;

    TStringList() = default;
    // Copies take the lines and the encoding, never the change handler: a
    // control's list that is assigned to keeps notifying its own control.
    TStringList(const TStringList& other) : lines_(other.lines_), encoding_(other.encoding_) {}
    TStringList& operator=(const TStringList& other) {
        Assign(other);
        return *this;
    }
    void Assign(const TStringList& other);

    int Count() const { return static_cast<int>(lines_.size()); }
    // Room for this many lines, for a list filled line by line to a known
    // length. An empty list lets go of room far beyond that.
    void Reserve(int count);

    // The line at index; an index outside 0..Count()-1 raises EStringListError.
    const std::string& Strings(int index) const;
    void SetStrings(int index, const std::string& s);
    const std::string& operator[](int index) const { return Strings(index); }

    // Appends a line and returns its index.
    int Add(const std::string& s);
    // Inserts before index; index == Count() appends.
    void Insert(int index, const std::string& s);
    void Delete(int index);
    void Clear();
    void Exchange(int index1, int index2);
    // Ordinal (byte-wise, i.e. code point) order; equal lines keep their order.
    void Sort();

    // The index of the first line equal to s, compared exactly, or -1.
    int IndexOf(std::string_view s) const;

    // Every line followed by CRLF.
    std::string Text() const;
    // Replaces the lines with text split at CRLF, LF or CR. A line end at the
    // very end does not start another, empty line.
    void SetText(std::string_view text);

    // Replaces the lines with a file's, decoded by its byte-order mark (none
    // means Windows-1252), and remembers the encoding. Raises EFOpenError when
    // the file cannot be read.
    void LoadFromFile(const std::string& path);
    // Writes every line with CRLF in Encoding(). When that is Ansi and a line
    // holds a character Windows-1252 lacks, or the bytes would begin with what
    // reads as a byte-order mark, the file is written as UTF-8 with a
    // byte-order mark instead, so nothing is lost. Raises EFCreateError when
    // the file cannot be created.
    void SaveToFile(const std::string& path) const;

    // The encoding the next save uses: that of the file last loaded, Ansi for
    // a list never loaded.
    TEncoding Encoding() const { return encoding_; }
    void SetEncoding(TEncoding encoding) { encoding_ = encoding; }

    const_iterator begin() const { return lines_.begin(); }
    const_iterator end() const { return lines_.end(); }

    // Called after every change of the lines; a control that shows the list
    // uses it to update its view, LastChange() saying what changed.
    std::function<void()> OnChange;
    const TStringListChange& LastChange() const { return lastChange_; }
    // How many changes were reported: a view that missed some (its
    // control's changes held back and shown together) takes the list whole.
    std::uint64_t ChangeCount() const { return changeCount_; }

    // Between these the changes are not reported one by one: the last
    // EndUpdate reports them as one change of the whole list, if any.
    void BeginUpdate() { ++updating_; }
    void EndUpdate() {
        if (updating_ == 0 || --updating_ > 0 || !pending_) return;
        pending_ = false;
        changed();
    }

private:
    void changed(TStringListChange change = {}) {
        if (updating_ > 0) {
            pending_ = true;
            return;
        }
        lastChange_ = change;
        ++changeCount_;
        if (OnChange) OnChange();
    }
    void checkIndex(int index, int limit) const;
    // What SaveToFile writes.
    std::string fileBytes() const;

    std::vector<std::string> lines_;
    TEncoding encoding_ = TEncoding::Ansi;
    TStringListChange lastChange_;
    std::uint64_t changeCount_ = 0;
    int updating_ = 0;
    bool pending_ = false;
};
