#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RecordFile.h"
#include "platform/rtl/StringList.h"
#include "support/FailingFileCalls.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <sys/stat.h>
#include <functional>

namespace {

struct Rec {
    uint32_t a;
    uint32_t b;
};

int errorCode(const std::function<void()>& action) {
    try {
        action();
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "E/A-Fehler " + std::to_string(e.ErrorCode));
        return e.ErrorCode;
    }
    return 0;
}

} // namespace

TEST(RecordFile, WritesReadsAndSeeksWholeRecords) {
    TempDir dir;
    TFileOf<Rec> f(dir.file("r.dat"));
    f.Rewrite();
    for (uint32_t i = 0; i < 5000; ++i) f.Write(Rec{i, i * 2});  // more than one block
    EXPECT_EQ(f.FileSize(), 5000);
    f.Seek(4321);
    Rec r{};
    f.Read(r);
    EXPECT_EQ(r.a, 4321u);
    f.Seek(10);
    f.Write(Rec{99, 99});
    f.Close();

    EXPECT_EQ(readFileBytes(dir.file("r.dat")).size(), 5000u * sizeof(Rec));
    f.Reset(TFileMode::ReadOnly);
    uint32_t count = 0;
    while (!f.Eof()) {
        f.Read(r);
        EXPECT_EQ(r.a, count == 10 ? 99u : count);
        ++count;
    }
    EXPECT_EQ(count, 5000u);
    f.Close();
}

TEST(RecordFile, TrailingFragmentIsNoRecord) {
    TempDir dir;
    writeFileBytes(dir.file("r.dat"), std::string(sizeof(Rec) * 2 + 3, 'x'));
    TFileOf<Rec> f(dir.file("r.dat"));
    f.Reset(TFileMode::ReadOnly);
    EXPECT_EQ(f.FileSize(), 2);
    Rec r{};
    f.Read(r);
    f.Read(r);
    EXPECT_TRUE(f.Eof());
    EXPECT_EQ(f.Next(), nullptr);
    EXPECT_EQ(errorCode([&] { f.Read(r); }), InOutCode::DiskRead);
}

TEST(RecordFile, FailuresRaiseTheRuntimeCodes) {
    TempDir dir;
    TFileOf<Rec> missing(dir.file("none.dat"));
    EXPECT_EQ(errorCode([&] { missing.Reset(); }), 2);
    EXPECT_EQ(errorCode([&] { Rec r; missing.Read(r); }), InOutCode::FileNotOpen);
    EXPECT_EQ(errorCode([&] { missing.Close(); }), InOutCode::FileNotOpen);

    writeFileBytes(dir.file("e.dat"), "");
    TFileOf<Rec> empty(dir.file("e.dat"));
    empty.Reset(TFileMode::ReadOnly);
    EXPECT_TRUE(empty.Eof());
    EXPECT_EQ(errorCode([&] { Rec r; empty.Read(r); }), InOutCode::ReadBeyondEnd);
    EXPECT_EQ(errorCode([&] { empty.Write(Rec{}); }), 5);

    TFileOf<Rec> inMissingFolder(dir.file("no/such/folder.dat"));
    EXPECT_EQ(errorCode([&] { inMissingFolder.Rewrite(); }), 2);
}

TEST(RecordFile, PendingWritesSurviveAnUnwindingFailure) {
    TempDir dir;
    try {
        TFileOf<Rec> f(dir.file("r.dat"));
        f.Rewrite();
        f.Write(Rec{1, 1});
        f.Write(Rec{2, 2});
        throw EInOutError(100);
    } catch (const EInOutError&) {
    }
    EXPECT_EQ(readFileBytes(dir.file("r.dat")).size(), 2 * sizeof(Rec));
}

TEST(RecordFile, AFailedWriteAtTheEndLeavesOnlyWholeRecords) {
    // Two records on disk, three more pending; the disk fills after
    // `allowed` bytes of them, inside a record or between two.
    for (const std::size_t allowed : {0u, 5u, 8u, 13u, 20u}) {
        SCOPED_TRACE(allowed);
        TempDir dir;
        const std::string path = dir.file("r.dat");
        TFileOf<Rec> f(path);
        f.Rewrite();
        f.Write(Rec{1, 1});
        f.Write(Rec{2, 2});
        f.Flush();
        {
            FailingWrite full(path, allowed);
            for (uint32_t i = 3; i <= 5; ++i) f.Write(Rec{i, i});
            EXPECT_EQ(errorCode([&] { f.Flush(); }), ENOSPC);
        }
        const std::size_t whole = 2 + allowed / sizeof(Rec);
        EXPECT_EQ(readFileBytes(path).size(), whole * sizeof(Rec));
        EXPECT_EQ(f.FileSize(), static_cast<int64_t>(whole));
        // Once there is room again, the next record follows the whole ones.
        f.Seek(f.FileSize());
        f.Write(Rec{9, 9});
        f.Close();
        EXPECT_EQ(readFileBytes(path).size(), (whole + 1) * sizeof(Rec));
    }

    // A failed write inside the file leaves its length alone.
    TempDir dir;
    const std::string path = dir.file("r.dat");
    TFileOf<Rec> f(path);
    f.Rewrite();
    for (uint32_t i = 0; i < 4; ++i) f.Write(Rec{i, i});
    f.Flush();
    f.Seek(1);
    {
        FailingWrite full(path, 3);
        f.Write(Rec{7, 7});
        EXPECT_EQ(errorCode([&] { f.Close(); }), ENOSPC);
    }
    EXPECT_EQ(readFileBytes(path).size(), 4 * sizeof(Rec));
}

namespace {

// A named pipe in a file's place is refused at once instead of waiting for
// a writer that never comes.
TEST(SpecialFiles, ANamedPipeIsRefusedWithoutBlocking) {
    TempDir dir;
    const std::string pipe = dir.file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    TFileOf<int32_t> file(pipe);
    try {
        file.Reset(TFileMode::ReadOnly);
        FAIL() << "opened";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode, ENXIO);
    }
    TStringList list;
    EXPECT_THROW(list.LoadFromFile(pipe), EFOpenError);
}

}  // namespace
