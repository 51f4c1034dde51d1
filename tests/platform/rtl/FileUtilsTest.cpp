// Whole-file saves when the final rename fails.

#include "platform/rtl/FileUtils.h"
#include "support/FailingRename.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(AtomicSave, AFailedRenameKeepsTheOldFileAndNoTemporary) {
    TempDir dir;
    const std::string path = dir.file("Tipp.txt");
    writeFileBytes(path, "old\r\n");
    {
        FailingRename failing(ENOSPC);
        errno = 0;
        EXPECT_FALSE(WriteFileAtomically(path, "new\r\n"));
        EXPECT_EQ(errno, ENOSPC);
        EXPECT_FALSE(RenameFile(path, dir.file("other")));
    }
    EXPECT_EQ(readFileBytes(path), "old\r\n");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 1);
    // The system's rename is back.
    EXPECT_TRUE(WriteFileAtomically(path, "new\r\n"));
    EXPECT_EQ(readFileBytes(path), "new\r\n");
}
