#include "platform/rtl/LineStore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

Lines linesOf(const LineStore& store) {
    Lines lines;
    for (std::size_t i = 0; i < store.size(); ++i) lines.emplace_back(store[i]);
    return lines;
}

}  // namespace

// Every edit, anywhere in the list and of any length, leaves the store
// holding what a plain list of strings holds, also once its offsets have
// outgrown 32 bits (here: a limit of 40 bytes) and been widened.
TEST(LineStore, EditsAnywhereMatchAPlainList) {
    for (std::uint64_t limit : {std::uint64_t{UINT32_MAX}, std::uint64_t{40}}) {
        SCOPED_TRACE(limit);
        LineStore store(limit);
        Lines model;
        std::uint32_t seed = 1;
        const auto next = [&seed](std::uint32_t n) {
            seed = seed * 134775813u + 1u;
            return static_cast<std::size_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
        };
        for (int step = 0; step < 3000; ++step) {
            const std::string line(next(6), static_cast<char>('a' + next(26)));
            const std::size_t at = model.empty() ? 0 : next(static_cast<std::uint32_t>(model.size()));
            switch (model.empty() ? 0 : next(6)) {
            case 0:
            case 1:
                store.push_back(line);
                model.push_back(line);
                break;
            case 2:
                store.insert(at, line);
                model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), line);
                break;
            case 3:
                store.erase(at);
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            case 4:
                store.replace(at, line);
                model[at] = line;
                break;
            case 5: {
                const std::size_t other = next(static_cast<std::uint32_t>(model.size()));
                store.swapLines(at, other);
                std::swap(model[at], model[other]);
                break;
            }
            }
            ASSERT_EQ(linesOf(store), model) << "step " << step;
        }
        std::size_t bytes = 0;
        for (const auto& line : model) bytes += line.size();
        EXPECT_EQ(store.textSize(), bytes);
    }
}

// Lines made anew in place, or, once one grows, in a new buffer: either way
// every line is its old one changed, in order.
TEST(LineStore, RewritesEveryLineInPlaceOrAfresh) {
    struct Case {
        const char* what;
        LineStore::LineChange change;
    };
    const Case cases[] = {
        {"shorter", [](std::string_view line, std::string& out) { out.assign(line.substr(0, line.size() / 2)); }},
        {"emptied", [](std::string_view, std::string& out) { out.clear(); }},
        {"the same", [](std::string_view line, std::string& out) { out.assign(line); }},
        {"one grows", [](std::string_view line, std::string& out) {
             out.assign(line);
             if (line == "ccc") out += "ccccccccccccccccccccccccccccccccccccccccccccc";
         }},
        {"all grow", [](std::string_view line, std::string& out) { out = "<" + std::string(line) + ">"; }},
    };
    const Lines before = {"aaaa", "", "bb", "ccc", "", "dddddd", "e"};
    for (std::uint64_t limit : {std::uint64_t{UINT32_MAX}, std::uint64_t{30}})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " " + std::to_string(limit));
            LineStore store(limit);
            Lines expected;
            for (const std::string& line : before) {
                store.push_back(line);
                std::string out;
                c.change(line, out);
                expected.push_back(out);
            }
            store.rewrite(c.change);
            EXPECT_EQ(linesOf(store), expected);
            store.push_back("z");
            expected.push_back("z");
            EXPECT_EQ(linesOf(store), expected);
        }
}

// A line given as a view into the store stays intact while the store moves
// its text to make room.
TEST(LineStore, TakesLinesOfItsOwn) {
    LineStore store;
    store.push_back("first line");
    store.push_back("second");
    for (int i = 0; i < 12; ++i) store.push_back(store[0]);
    store.insert(1, store[1]);
    store.replace(0, store[3].substr(6));
    store.replace(3, store[3].substr(2));
    EXPECT_EQ(store[0], "line");
    EXPECT_EQ(store[1], "second");
    EXPECT_EQ(store[2], "second");
    EXPECT_EQ(store[3], "rst line");
    EXPECT_EQ(store[store.size() - 1], "first line");
}

// Split in the text's own buffer: no room is kept for the line ends, so a
// list of empty lines costs its index alone, four bytes a line.
TEST(LineStore, ALoadedTextKeepsNoRoomForItsLineEnds) {
    struct Case {
        const char* what;
        std::string text;
        std::size_t lines;
        std::size_t bytes;
    };
    const Case cases[] = {
        {"empty lines, CR LF", repeated("\r\n", 1'000'000), 1'000'000, 0},
        {"empty lines, LF", repeated("\n", 1'000'000), 1'000'000, 0},
        {"lines \"1\", CR LF", repeated("1\r\n", 1'000'000), 1'000'000, 1'000'000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string text = c.text;
        LineStore store;
        store.assignText(std::move(text));
        EXPECT_EQ(store.size(), c.lines);
        EXPECT_EQ(store.textSize(), c.bytes);
        EXPECT_LE(store.textCapacity(), c.bytes + c.bytes / 8 + 4096);
        EXPECT_EQ(store.lineCapacity(), c.lines);
    }
    // An emptied store keeps its room for the lines that come next; a
    // released one gives it back.
    LineStore store;
    store.assignText(std::string(1000, '\n'));
    store.clear();
    EXPECT_EQ(store.size(), 0u);
    EXPECT_EQ(store.lineCapacity(), 1000u);
    store.release();
    EXPECT_EQ(store.lineCapacity(), 0u);
}
