#pragma once
// Lines of text held compactly: their bytes one after another in one buffer,
// without line ends, and the start of every line in an index of 32-bit
// offsets (64-bit ones once the text outgrows what 32 bits reach). A list of
// millions of short lines costs its text and four bytes a line, not a string
// object and a heap block for each.
//
// Appending is amortised constant time; inserting, deleting or changing the
// length of a line before the end moves the text and the offsets after it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class LineStore {
public:
    // Offsets stay 32-bit while the text is at most `narrowLimit` bytes;
    // tests lower the limit to see the index widen.
    explicit LineStore(std::uint64_t narrowLimit = UINT32_MAX) : narrowLimit_(narrowLimit) {}

    std::size_t size() const { return wide_ ? wideStarts_.size() : narrowStarts_.size(); }
    bool empty() const { return size() == 0; }
    // The bytes of all lines together.
    std::size_t textSize() const { return text_.size(); }

    // The line at i (< size()); the view holds until the store next changes.
    std::string_view operator[](std::size_t i) const {
        const std::size_t from = start(i);
        return std::string_view(text_).substr(from, end(i) - from);
    }

    // A line may be given as a view into the store itself.
    void push_back(std::string_view line);
    void insert(std::size_t i, std::string_view line);
    void erase(std::size_t i);
    void replace(std::size_t i, std::string_view line);
    void swapLines(std::size_t i, std::size_t j);
    // Ordinal order of the bytes; equal lines keep their order.
    void stableSort();
    // Empties the store; its room stays for the lines that come next.
    void clear();
    // Empties the store and lets go of its memory.
    void release();
    // Room for this many more lines and bytes of text.
    void reserve(std::size_t lines, std::size_t bytes);
    // The lines and bytes of text there is room for.
    std::size_t lineCapacity() const { return wide_ ? wideStarts_.capacity() : narrowStarts_.capacity(); }
    std::size_t textCapacity() const { return text_.capacity(); }

    // Replaces the lines with the text split at CR LF, LF and CR, in the
    // text's own buffer. A line end at the very end starts no further line.
    void assignText(std::string&& text);

    // Makes every line anew, first to last: `change` writes the new line
    // into its second argument. New lines no longer than the old ones are
    // written over the old text, so the store needs no room of twice its
    // size; a longer one moves the rest into a new buffer.
    using LineChange = void (*)(std::string_view line, std::string& changed);
    void rewrite(LineChange change);

    friend bool operator==(const LineStore& a, const LineStore& b);

private:
    std::size_t start(std::size_t i) const { return wide_ ? wideStarts_[i] : narrowStarts_[i]; }
    std::size_t end(std::size_t i) const { return i + 1 < size() ? start(i + 1) : text_.size(); }
    // Makes the index wide enough for a text of this many bytes.
    void fit(std::size_t textBytes);
    void pushStart(std::size_t offset);
    // Adds delta to the starts of the lines from `from` on.
    void shift(std::size_t from, std::ptrdiff_t delta);

    std::string text_;
    std::vector<std::uint32_t> narrowStarts_;
    std::vector<std::uint64_t> wideStarts_;
    bool wide_ = false;
    std::uint64_t narrowLimit_;
};
