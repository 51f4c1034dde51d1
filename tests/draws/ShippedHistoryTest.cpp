// The draw history the program ships: laid out by the build's own tool as
// the program folder's history file, read back with the program's reader,
// and never laid over a history that is already there.

#include "draws/DrawFile.h"
#include "support/DrawFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

const std::string kShippedList = STELLIX_DATA_DIR "/draws.csv";

// The build's layout step: the tool's exit code.
int layOut(const std::string& list, const std::string& history) {
    std::vector<std::string> args{SHIPPED_HISTORY_TOOL, list, history};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::vector<std::string> folderEntries(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(ShippedHistory, AnEmptyProgramFolderGetsEveryPublishedDrawInItsDrawnOrder) {
    TempDir dir;
    const std::string history = dir.file("ZahlenEU.dat");
    ASSERT_EQ(layOut(kShippedList, history), 0);
    EXPECT_EQ(folderEntries(dir), std::vector<std::string>{"ZahlenEU.dat"});

    std::vector<DrawRecord> draws;
    DrawScan scan(history);
    while (const DrawRecord* record = scan.Next()) draws.push_back(*record);
    scan.Close();
    ASSERT_EQ(draws.size(), 1974u);
    EXPECT_EQ(std::filesystem::file_size(history), 1974u * 32);

    const DrawRecord first = draw(2004, 2, 13, {32, 16, 29, 41, 36}, 9, 7);
    const DrawRecord last = draw(2026, 8, 21, {10, 14, 15, 19, 45}, 4, 12);
    EXPECT_EQ(std::memcmp(&draws.front(), &first, sizeof first), 0);
    EXPECT_EQ(std::memcmp(&draws.back(), &last, sizeof last), 0);
    for (size_t i = 1; i < draws.size(); ++i) {
        ASSERT_GT(draws[i].Datum, draws[i - 1].Datum) << i;
        // Whole days, slot 6 and everything after the stars zero, as the
        // web update writes its records.
        ASSERT_EQ(draws[i].Datum, static_cast<double>(static_cast<int64_t>(draws[i].Datum))) << i;
        ASSERT_EQ(draws[i].Slot[5], 0) << i;
        for (size_t b = 16; b < 32; ++b) ASSERT_EQ(reinterpret_cast<const uint8_t*>(&draws[i])[b], 0) << i;
    }
}

TEST(ShippedHistory, AHistoryThatIsThereStaysByteForByte) {
    const std::string shipped = [] {
        TempDir dir;
        layOut(kShippedList, dir.file("ZahlenEU.dat"));
        return readFileBytes(dir.file("ZahlenEU.dat"));
    }();
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"the user's own draws", std::string(64, '\x01')},
        {"every draw deleted", ""},
        {"a torn last record", std::string(40, '\x02')},
        {"the shipped one with a draw entered", shipped + std::string(32, '\x03')},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string history = dir.file("ZahlenEU.dat");
        writeFileBytes(history, c.bytes);
        // Twice, as two rebuilds.
        EXPECT_EQ(layOut(kShippedList, history), 0) << c.what;
        EXPECT_EQ(layOut(kShippedList, history), 0) << c.what;
        EXPECT_EQ(readFileBytes(history), c.bytes) << c.what;
        EXPECT_EQ(folderEntries(dir), std::vector<std::string>{"ZahlenEU.dat"}) << c.what;
    }
}

TEST(ShippedHistory, AListWithABadLineStopsTheBuildAndWritesNothing) {
    const char* const header = "date,n1,n2,n3,n4,n5,s1,s2\n";
    const char* const good = "2004-02-13,32,16,29,41,36,9,7\n";
    const char* const bad[] = {
        "2004-02-13,13,50,47,7,39,2,5\n",  // the same date again
        "2004-02-06,13,50,47,7,39,2,5\n",  // an earlier one
        "2004-02-30,13,50,47,7,39,2,5\n",  // no such day
        "2004-02-20,13,51,47,7,39,2,5\n",  // a number above 50
        "2004-02-20,13,50,47,7,39,0,5\n",  // a star below 1
        "2004-02-20,13,50,13,7,39,2,5\n",  // a number twice
        "2004-02-20,13,50,47,7,39,5,5\n",  // a star twice
        "2004-02-20,13,50,47,7,39,2\n",    // seven fields
        "2004-02-20,13,50,47,7,39,2,5,1\n",
        "2004-02-20,13,50,47,7,+39,2,5\n",
    };
    for (const char* line : bad) {
        TempDir dir;
        writeFileBytes(dir.file("draws.csv"), std::string(header) + good + line);
        EXPECT_EQ(layOut(dir.file("draws.csv"), dir.file("ZahlenEU.dat")), 1) << line;
        EXPECT_EQ(folderEntries(dir), std::vector<std::string>{"draws.csv"}) << line;
    }
    TempDir dir;
    writeFileBytes(dir.file("draws.csv"), std::string(header) + good + "2004-02-20,13,50,47,7,39,2,5\r\n");
    EXPECT_EQ(layOut(dir.file("draws.csv"), dir.file("ZahlenEU.dat")), 0);
    EXPECT_EQ(std::filesystem::file_size(dir.file("ZahlenEU.dat")), 64u);
}

}  // namespace
