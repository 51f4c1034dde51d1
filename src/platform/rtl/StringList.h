#pragma once
// A list of text lines with whole-file load and save.
//
// A loaded file's encoding is remembered and used again on save, so a user's
// file keeps its byte-order mark (or its lack of one). Lines are UTF-8 inside,
// held compactly (LineStore): a list of millions of lines costs its text and
// a few bytes a line.

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/LineStore.h"
#include "platform/rtl/TextEncoding.h"

#include <cstdint>
#include <cstddef>
#include <functional>
#include <iterator>
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
    // Goes over the lines as views into the list: each holds until the list
    // next changes.
    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using iterator_concept = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        std::string_view operator*() const { return (*lines_)[index_]; }
        std::string_view operator[](difference_type n) const {
            return (*lines_)[static_cast<std::size_t>(static_cast<difference_type>(index_) + n)];
        }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++index_;
            return before;
        }
        const_iterator& operator--() {
            --index_;
            return *this;
        }
        const_iterator operator--(int) {
            const_iterator before = *this;
            --index_;
            return before;
        }
        const_iterator& operator+=(difference_type n) {
            index_ = static_cast<std::size_t>(static_cast<difference_type>(index_) + n);
            return *this;
        }
        const_iterator& operator-=(difference_type n) { return *this += -n; }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.index_ == b.index_; }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) { return a.index_ <=> b.index_; }

    private:
        friend class TStringList;
        const_iterator(const LineStore* lines, std::size_t index) : lines_(lines), index_(index) {}
        const LineStore* lines_ = nullptr;
        std::size_t index_ = 0;
    };

    TStringList() = default;
    // Copies take the lines and the encoding, never the change handler: a
    // control's list that is assigned to keeps notifying its own control.
    TStringList(const TStringList& other) : lines_(other.lines_), encoding_(other.encoding_) {}
    TStringList& operator=(const TStringList& other) {
        Assign(other);
        return *this;
    }
    void Assign(const TStringList& other);
    // Takes the lines and the encoding of a list that is no longer needed,
    // without copying them; this list keeps its change handler.
    void Assign(TStringList&& other);

    int Count() const { return static_cast<int>(lines_.size()); }
    // Room for this many more lines (and bytes of text), for a list filled
    // line by line to a known length. An empty list lets go of room far
    // beyond that.
    void Reserve(int count, std::size_t bytes = 0);

    // The line at index; an index outside 0..Count()-1 raises EStringListError.
    std::string Strings(int index) const { return std::string(Line(index)); }
    // The same line without a copy: the view holds until the list next changes.
    std::string_view Line(int index) const;
    void SetStrings(int index, std::string_view s);
    std::string operator[](int index) const { return Strings(index); }

    // Appends a line and returns its index.
    int Add(std::string_view s);
    // Inserts before index; index == Count() appends.
    void Insert(int index, std::string_view s);
    void Delete(int index);
    // Empties the list; its room stays for lines added again (see Reserve).
    void Clear();
    void Exchange(int index1, int index2);
    // Ordinal (byte-wise, i.e. code point) order; equal lines keep their order.
    void Sort();

    // Makes every line anew from the old one, first to last, in the list's
    // own room (see LineStore::rewrite): one change of the whole list.
    void RewriteLines(LineStore::LineChange change);

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

    const_iterator begin() const { return {&lines_, 0}; }
    const_iterator end() const { return {&lines_, lines_.size()}; }

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
    // SetText on a text of its own, split in its buffer.
    void setText(std::string&& text);

    LineStore lines_;
    TEncoding encoding_ = TEncoding::Ansi;
    TStringListChange lastChange_;
    std::uint64_t changeCount_ = 0;
    int updating_ = 0;
    bool pending_ = false;
};
