// The rights of the files the program writes: a new file gets what the
// user's umask allows, a replaced one keeps its own.

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/RecordFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <sys/stat.h>

namespace {

class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(old_); }

private:
    mode_t old_;
};

mode_t rightsOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

}  // namespace

TEST(FileRights, NewFilesTakeWhatTheUmaskAllows) {
    TempDir dir;
    const std::pair<mode_t, mode_t> cases[] = {{077, 0600}, {022, 0644}, {002, 0664}, {0, 0666}};
    for (const auto& [mask, rights] : cases) {
        SCOPED_TRACE(mask);
        ScopedUmask scoped(mask);
        const std::string text = dir.file("text" + std::to_string(mask));
        ASSERT_TRUE(WriteFileAtomically(text, "a\r\n"));
        EXPECT_EQ(rightsOf(text), rights);

        const std::string records = dir.file("records" + std::to_string(mask));
        TFileOf<std::uint64_t> file(records);
        file.Rewrite();
        file.Write(42);
        file.Close();
        EXPECT_EQ(rightsOf(records), rights);
    }
}

TEST(FileRights, AReplacedFileKeepsItsRights) {
    TempDir dir;
    ScopedUmask scoped(0);
    const std::string path = dir.file("kept");
    for (const mode_t rights : {mode_t{0600}, mode_t{0640}, mode_t{0604}}) {
        ASSERT_TRUE(WriteFileAtomically(path, "old"));
        ASSERT_EQ(::chmod(path.c_str(), rights), 0);
        ASSERT_TRUE(WriteFileAtomically(path, "new"));
        EXPECT_EQ(rightsOf(path), rights);
        EXPECT_EQ(readFileBytes(path), "new");
    }
}
