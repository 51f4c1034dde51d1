#include "platform/rtl/LineStore.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <type_traits>

void LineStore::fit(std::size_t textBytes) {
    if (wide_ || textBytes <= narrowLimit_) return;
    wideStarts_.reserve(std::max(narrowStarts_.capacity(), narrowStarts_.size() + 1));
    wideStarts_.assign(narrowStarts_.begin(), narrowStarts_.end());
    std::vector<std::uint32_t>().swap(narrowStarts_);
    wide_ = true;
}

void LineStore::pushStart(std::size_t offset) {
    if (wide_) wideStarts_.push_back(offset);
    else narrowStarts_.push_back(static_cast<std::uint32_t>(offset));
}

void LineStore::shift(std::size_t from, std::ptrdiff_t delta) {
    if (delta == 0) return;
    const auto add = [delta](auto& starts, std::size_t first) {
        using T = typename std::decay_t<decltype(starts)>::value_type;
        for (std::size_t i = first; i < starts.size(); ++i) starts[i] = static_cast<T>(starts[i] + delta);
    };
    if (wide_) add(wideStarts_, from);
    else add(narrowStarts_, from);
}

// A line that views the store's own text stays whole: the string's append,
// insert and replace read their argument before they let go of old room.

void LineStore::push_back(std::string_view line) {
    fit(text_.size() + line.size());
    pushStart(text_.size());
    text_.append(line);
}

void LineStore::insert(std::size_t i, std::string_view line) {
    if (i >= size()) {
        push_back(line);
        return;
    }
    fit(text_.size() + line.size());
    const std::size_t at = start(i);
    text_.insert(at, line);
    if (wide_) wideStarts_.insert(wideStarts_.begin() + static_cast<std::ptrdiff_t>(i), at);
    else narrowStarts_.insert(narrowStarts_.begin() + static_cast<std::ptrdiff_t>(i), static_cast<std::uint32_t>(at));
    shift(i + 1, static_cast<std::ptrdiff_t>(line.size()));
}

void LineStore::erase(std::size_t i) {
    const std::size_t from = start(i), length = end(i) - from;
    text_.erase(from, length);
    if (wide_) wideStarts_.erase(wideStarts_.begin() + static_cast<std::ptrdiff_t>(i));
    else narrowStarts_.erase(narrowStarts_.begin() + static_cast<std::ptrdiff_t>(i));
    shift(i, -static_cast<std::ptrdiff_t>(length));
}

void LineStore::replace(std::size_t i, std::string_view line) {
    const std::size_t from = start(i), length = end(i) - from;
    if (line.size() > length) fit(text_.size() + line.size() - length);
    text_.replace(from, length, line);
    shift(i + 1, static_cast<std::ptrdiff_t>(line.size()) - static_cast<std::ptrdiff_t>(length));
}

void LineStore::swapLines(std::size_t i, std::size_t j) {
    if (i == j) return;
    if (i > j) std::swap(i, j);
    const std::string first((*this)[i]), second((*this)[j]);
    // The later line first: the earlier one's place does not move meanwhile.
    replace(j, first);
    replace(i, second);
}

void LineStore::stableSort() {
    std::vector<std::uint32_t> order(size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
        return (*this)[a] < (*this)[b];
    });
    LineStore sorted(narrowLimit_);
    sorted.reserve(size(), text_.size());
    for (std::uint32_t i : order) sorted.push_back((*this)[i]);
    *this = std::move(sorted);
}

void LineStore::clear() {
    text_.clear();
    narrowStarts_.clear();
    wideStarts_.clear();
}

void LineStore::release() {
    std::string().swap(text_);
    std::vector<std::uint32_t>().swap(narrowStarts_);
    std::vector<std::uint64_t>().swap(wideStarts_);
    wide_ = false;
}

void LineStore::reserve(std::size_t lines, std::size_t bytes) {
    fit(text_.size() + bytes);
    text_.reserve(text_.size() + bytes);
    if (wide_) wideStarts_.reserve(wideStarts_.size() + lines);
    else narrowStarts_.reserve(narrowStarts_.size() + lines);
}

void LineStore::assignText(std::string&& text) {
    // Count first, so that the index is made once at its size, and know the
    // text's size without its line ends, which decides the offsets' width.
    const char* const bytes = text.data();
    const std::size_t n = text.size();
    std::size_t lines = 0, ends = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (bytes[i] == '\n') {
            ++lines;
            ++ends;
        } else if (bytes[i] == '\r') {
            ++lines;
            ++ends;
            if (i + 1 < n && bytes[i + 1] == '\n') {
                ++ends;
                ++i;
            }
        }
    }
    if (n > 0 && bytes[n - 1] != '\n' && bytes[n - 1] != '\r') ++lines;

    release();
    fit(n - ends);
    if (wide_) wideStarts_.reserve(lines);
    else narrowStarts_.reserve(lines);

    // Each line moves down over the line ends before it.
    char* const out = text.data();
    std::size_t read = 0, write = 0;
    while (read < n) {
        const void* found = std::memchr(out + read, '\n', n - read);
        std::size_t stop = found ? static_cast<std::size_t>(static_cast<const char*>(found) - out) : n;
        // A CR alone also ends a line: look for one before the LF.
        if (const void* cr = std::memchr(out + read, '\r', stop - read))
            stop = static_cast<std::size_t>(static_cast<const char*>(cr) - out);
        pushStart(write);
        if (write != read) std::memmove(out + write, out + read, stop - read);
        write += stop - read;
        if (stop == n) break;
        read = stop + 1;
        if (out[stop] == '\r' && read < n && out[read] == '\n') ++read;
    }
    text.resize(write);
    // Line ends that were much of the text (empty or very short lines) are
    // given back.
    if (text.capacity() - text.size() > text.size() / 8 + 4096) text.shrink_to_fit();
    text_ = std::move(text);
}

void LineStore::rewrite(LineChange change) {
    const std::size_t count = size();
    std::string changed;
    // The new lines before `i` end at `write`; line i and those after it
    // are still the old ones, where they were.
    std::size_t write = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t from = start(i), to = end(i);
        changed.clear();
        change(std::string_view(text_).substr(from, to - from), changed);
        if (write + changed.size() > to) {
            // Longer than the room up to the next old line: the rest goes
            // into a new buffer.
            LineStore fresh(narrowLimit_);
            fresh.reserve(count, text_.size() + changed.size());
            for (std::size_t j = 0; j < i; ++j)
                fresh.push_back(std::string_view(text_).substr(start(j), (j + 1 < i ? start(j + 1) : write) - start(j)));
            fresh.push_back(changed);
            for (std::size_t j = i + 1; j < count; ++j) {
                changed.clear();
                change((*this)[j], changed);
                fresh.push_back(changed);
            }
            *this = std::move(fresh);
            return;
        }
        std::memcpy(text_.data() + write, changed.data(), changed.size());
        if (wide_) wideStarts_[i] = write;
        else narrowStarts_[i] = static_cast<std::uint32_t>(write);
        write += changed.size();
    }
    text_.resize(write);
}

bool operator==(const LineStore& a, const LineStore& b) {
    if (a.size() != b.size() || a.text_ != b.text_) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a.start(i) != b.start(i)) return false;
    return true;
}
