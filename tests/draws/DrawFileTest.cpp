#include "draws/DrawFile.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"
#include "support/DrawFixtures.h"
#include "support/FailingFileCalls.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <optional>
#include <stdexcept>
#include <sys/resource.h>

namespace {

// Files of this process may grow no further than the given size, as on a
// full disk: a write past it fails with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

std::vector<DrawRecord> scanAll(const std::string& path) {
    std::vector<DrawRecord> out;
    DrawScan scan(path);
    while (const DrawRecord* r = scan.Next()) out.push_back(*r);
    scan.Close();
    return out;
}

bool sameBytes(const DrawRecord& a, const DrawRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

const std::vector<DrawRecord> kThree = {
    draw(2025, 1, 31, {1, 2, 3, 4, 5}, 1, 2),
    draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9),
    draw(2025, 2, 7, {50, 40, 30, 20, 10}, 12, 11),
};

} // namespace

TEST(DrawRecord, ByteLayout) {
    DrawRecord r = draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9);
    unsigned char bytes[32];
    std::memcpy(bytes, &r, 32);
    double date = EncodeDate(2025, 2, 4);
    EXPECT_EQ(std::memcmp(bytes, &date, 8), 0);
    const unsigned char slots[8] = {5, 12, 23, 34, 45, 0, 3, 9};
    EXPECT_EQ(std::memcmp(bytes + 8, slots, 8), 0);
    for (int i = 16; i < 32; ++i) EXPECT_EQ(bytes[i], 0) << "byte " << i;

    TDateTime datum = 0;
    DrawNumbers zahl{};
    LoadDraw(r, datum, zahl);
    EXPECT_EQ(datum, date);
    EXPECT_EQ(zahl, (DrawNumbers{0, 5, 12, 23, 34, 45, 0, 3, 9}));
}

TEST(DrawScan, ReadsWholeRecordsOnly) {
    TempDir dir;
    const std::string path = dir.file("ZahlenEU.dat");
    struct Case {
        size_t records;
        std::string trailing;
    } cases[] = {{0, ""}, {1, "x"}, {3, std::string(31, 'z')}, {3, ""}};
    for (const Case& c : cases) {
        std::vector<DrawRecord> stored(kThree.begin(), kThree.begin() + c.records);
        writeDraws(path, stored, c.trailing);
        auto read = scanAll(path);
        ASSERT_EQ(read.size(), c.records);
        for (size_t i = 0; i < read.size(); ++i) EXPECT_TRUE(sameBytes(read[i], stored[i]));
    }
}

TEST(DrawScan, MissingFileRaisesError2) {
    TempDir dir;
    try {
        DrawScan scan(dir.file("ZahlenEU.dat"));
        FAIL();
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "E/A-Fehler 2");
    }
}

TEST(DrawAppend, CreatesAndAppendsOverATornFragment) {
    TempDir dir;
    const std::string path = dir.file("ZahlenEU.dat");
    AppendDraw(path, kThree[0]);
    EXPECT_EQ(readFileBytes(path).size(), 32u);

    writeDraws(path, {kThree[0], kThree[1]}, "torn!");
    AppendDraw(path, kThree[2]);
    auto stored = readDraws(path);
    EXPECT_EQ(readFileBytes(path).size(), 96u);
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_TRUE(sameBytes(stored[2], kThree[2]));
}

TEST(DrawAppend, AFailedWriteStoresTheGroupWholeOrNotAtAll) {
    // The first group of one record goes in; the disk fills inside the
    // second group, `allowed` bytes after the first.
    for (const std::size_t allowed : {32u + 0u, 32u + 7u, 32u + 32u + 8u}) {
        SCOPED_TRACE(allowed);
        TempDir dir;
        const std::string path = dir.file("ZahlenEU.dat");
        writeDraws(path, {kThree[0]});
        {
            FailingWrite full(path, allowed);
            DrawAppender appender(path);
            appender.Write(kThree[1]);
            appender.Commit();
            appender.Write(kThree[2]);
            appender.Write(kThree[2]);
            appender.Write(kThree[2]);
            EXPECT_THROW(appender.Close(), EInOutError);
        }
        EXPECT_EQ(readFileBytes(path).size(), 64u);
        auto stored = readDraws(path);
        ASSERT_EQ(stored.size(), 2u);
        EXPECT_TRUE(sameBytes(stored[1], kThree[1]));
    }

    // The single record of an append: not there, and no piece of it.
    TempDir dir;
    const std::string path = dir.file("ZahlenEU.dat");
    writeDraws(path, {kThree[0]});
    {
        FailingWrite full(path, 8);
        EXPECT_THROW(AppendDraw(path, kThree[1]), EInOutError);
    }
    EXPECT_EQ(readFileBytes(path).size(), 32u);
}

TEST(DrawFile, CreateEmptyGivesAValidFileWithNoDraws) {
    TempDir dir;
    CreateEmptyDrawFile(dir.file("ZahlenEU.dat"));
    EXPECT_TRUE(FileExists(dir.file("ZahlenEU.dat")));
    EXPECT_TRUE(scanAll(dir.file("ZahlenEU.dat")).empty());
}

TEST(DrawRewrite, ReplacesTheFileAndLeavesNoTemporary) {
    TempDir dir;
    const std::string path = dir.file("ZahlenEU.dat");
    writeDraws(path, kThree);
    RewriteDrawFile(path, dir.file("Zahlen.da~"), [](DrawScan& in, TFileOf<DrawRecord>& out) {
        while (const DrawRecord* r = in.Next())
            if (r->Datum != EncodeDate(2025, 2, 4)) out.Write(*r);
    });
    EXPECT_FALSE(FileExists(dir.file("Zahlen.da~")));
    auto stored = readDraws(path);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_TRUE(sameBytes(stored[1], kThree[2]));
}

TEST(DrawRewrite, FailingTemporaryLeavesTheHistoryUntouched) {
    TempDir dir;
    const std::string path = dir.file("ZahlenEU.dat");
    writeDraws(path, kThree);
    const std::string before = readFileBytes(path);
    EXPECT_THROW(RewriteDrawFile(path, dir.file("missing/Zahlen.da~"), [](DrawScan&, TFileOf<DrawRecord>&) {}),
                 EInOutError);
    EXPECT_EQ(readFileBytes(path), before);
}

TEST(DrawRewrite, AFailedRewriteLeavesTheHistoryWholeAndNoTemporary) {
    using Copy = std::function<void(DrawScan&, TFileOf<DrawRecord>&)>;
    const Copy copyAll = [](DrawScan& in, TFileOf<DrawRecord>& out) {
        while (const DrawRecord* r = in.Next()) out.Write(*r);
    };
    const struct {
        const char* name;
        rlim_t sizeLimit;  // 0: none
        Copy copy;
        bool inOutError;
    } cases[] = {
        {"the disk is full", 40, copyAll, true},
        {"the copy fails", 0,
         [](DrawScan& in, TFileOf<DrawRecord>& out) {
             out.Write(*in.Next());
             throw std::runtime_error("copy");
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.file("ZahlenEU.dat");
        const std::string temp = dir.file("ZahlenEU.dat~");
        writeDraws(path, kThree);
        const std::string before = readFileBytes(path);
        bool inOutError = false, other = false;
        try {
            std::optional<FileSizeLimit> limit;
            if (c.sizeLimit) limit.emplace(c.sizeLimit);
            RewriteDrawFile(path, temp, c.copy);
        } catch (const EInOutError&) {
            inOutError = true;
        } catch (const std::exception&) {
            other = true;
        }
        EXPECT_EQ(inOutError, c.inOutError);
        EXPECT_EQ(other, !c.inOutError);
        EXPECT_FALSE(FileExists(temp));
        EXPECT_EQ(readFileBytes(path), before);
    }
}

TEST(LegacyConversion, ConvertsWholeLegacyRecords) {
    TempDir dir;
    std::string legacy;
    for (const DrawRecord& r : kThree) legacy.append(reinterpret_cast<const char*>(&r), 16);
    for (const std::string& trailing : {std::string(), std::string("12345")}) {
        DeleteFile(dir.file("ZahlenEU.dat"));
        writeFileBytes(dir.file("Zahlen.dat"), legacy + trailing);
        ConvertLegacyDrawFile(dir.home(), "ZahlenEU.dat");
        auto stored = readDraws(dir.file("ZahlenEU.dat"));
        EXPECT_EQ(readFileBytes(dir.file("ZahlenEU.dat")).size(), 96u);
        ASSERT_EQ(stored.size(), 3u);
        for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(sameBytes(stored[i], kThree[i]));
        EXPECT_EQ(readFileBytes(dir.file("Zahlen.dat")), legacy + trailing);
    }
}

TEST(LegacyConversion, AnExistingHistoryStopsIt) {
    TempDir dir;
    std::string legacy(reinterpret_cast<const char*>(&kThree[0]), 16);
    writeFileBytes(dir.file("Zahlen.dat"), legacy);
    for (const std::string& history : {std::string(), std::string(reinterpret_cast<const char*>(&kThree[1]), 32)}) {
        writeFileBytes(dir.file("ZahlenEU.dat"), history);
        ConvertLegacyDrawFile(dir.home(), "ZahlenEU.dat");
        EXPECT_EQ(readFileBytes(dir.file("ZahlenEU.dat")), history);
        EXPECT_EQ(readFileBytes(dir.file("Zahlen.dat")), legacy);
    }
    DeleteFile(dir.file("ZahlenEU.dat"));
    DeleteFile(dir.file("Zahlen.dat"));
    ConvertLegacyDrawFile(dir.home(), "ZahlenEU.dat");
    EXPECT_FALSE(FileExists(dir.file("ZahlenEU.dat")));
}
