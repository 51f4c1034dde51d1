#include "RegistryFixture.h"

#include "platform/registry/HiveFile.h"
#include "platform/rtl/DateTime.h"
#include "support/FailingFileCalls.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string kKey = "\\SOFTWARE\\Velmarck\\Stellix";
const std::string kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";

class RegistryHiveFile : public RegistryFixture {
protected:
    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path())) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

// An environment variable set for one scope and restored after it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace

TEST_F(RegistryHiveFile, WritesTheTextOfARegistryExport) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("Ansicht", 42);
        reg.WriteInteger("Sprache", -1);
        reg.WriteString("Lottoportal", "Lotto \"land\" C:\\x");
        reg.WriteDate("DateTimePicker2", EncodeDate(2012, 3, 23));
        reg.WriteString("Größe", "ä");
        reg.WriteString("Zwei", "a\r\nb");
        reg.WriteString("", "");
        // A sibling whose name sorts below the separator still follows the
        // key's children.
        ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Velmarck\\Stellix-Alt", true));
        ASSERT_TRUE(reg.OpenKey(kKey + "\\druck", true));
        reg.WriteBool("Checkbox1", true);
    }
    EXPECT_EQ(readFileBytes(hivePath()),
              kHeader +
                  "[HKEY_CURRENT_USER\\SOFTWARE]\r\n"
                  "\r\n"
                  "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck]\r\n"
                  "\r\n"
                  "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix]\r\n"
                  "\"Ansicht\"=dword:0000002a\r\n"
                  "\"Sprache\"=dword:ffffffff\r\n"
                  "\"Lottoportal\"=\"Lotto \\\"land\\\" C:\\\\x\"\r\n"
                  "\"DateTimePicker2\"=hex:00,00,00,00,e0,03,e4,40\r\n"
                  "\"Größe\"=\"ä\"\r\n"
                  "\"Zwei\"=hex(1):61,00,0d,00,0a,00,62,00,00,00\r\n"
                  "@=\"\"\r\n"
                  "\r\n"
                  "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix\\druck]\r\n"
                  "\"Checkbox1\"=dword:00000001\r\n"
                  "\r\n"
                  "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix-Alt]\r\n"
                  "\r\n");
}

// A string ends at its first zero: what follows it is never written, so a
// string with a line break (written as hex(1), read up to its first zero)
// reads back as it was written.
TEST_F(RegistryHiveFile, AStringEndsAtItsFirstZero) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteString("Eins", std::string("a\0b", 3));
        reg.WriteString("Zwei", std::string("a\r\n\0b\r\n", 7));
    }
    const std::string text = readFileBytes(hivePath());
    EXPECT_NE(text.find("\"Eins\"=\"a\"\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Zwei\"=hex(1):61,00,0d,00,0a,00,00,00\r\n"), std::string::npos) << text;
    forgetHives();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadString("Eins"), "a");
    EXPECT_EQ(reg.ReadString("Zwei"), "a\r\n");

    // A zero typed into the quoted form ends the string there as well, and
    // a byte that is no UTF-8 reads as U+FFFD, as it would after a write.
    writeFileBytes(hivePath(), kHeader + "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix]\r\n" +
                                   std::string("\"Drei\"=\"1\0\0009\"\r\n", 15) + "\"Vier\"=\"K\xE4se\"\r\n");
    forgetHives();
    TRegistry again;
    ASSERT_TRUE(again.OpenKey(kKey, false));
    EXPECT_EQ(again.ReadString("Drei"), "1");
    EXPECT_EQ(again.ReadString("Vier"), "K\xEF\xBF\xBDse");
}

TEST_F(RegistryHiveFile, ReadsExportsWrittenElsewhere) {
    // Line feeds alone, a byte-order mark, no header, the root in other
    // letters, byte lists over several lines, and types this store does not
    // keep (left out).
    writeFileBytes(hivePath(),
                   "\xEF\xBB\xBF"
                   "[hkey_current_user\\Software\\Velmarck\\Stellix]\n"
                   "@=\"Standard\"\n"
                   "\"Erweitert\"=hex(2):25,00,00,00\n"
                   "\"Lang\"=hex:00,00,00,00,\\\n"
                   "  e0,03,\\\n"
                   "  e4,40\n"
                   "\"Mehrzeilig\"=hex(1):61,00,0a,00,62,00,00,00,7a,00\n"
                   "\"Zahl\"=DWORD:0000000A\n"
                   "\n"
                   "[HKEY_CURRENT_USER\\Software\\Velmarck\\Stellix\\druck]\n"
                   "\"Zeichen\"=\"x\"\n");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadString(""), "Standard");
    EXPECT_FALSE(reg.ValueExists("Erweitert"));
    EXPECT_EQ(reg.ReadDate("Lang"), EncodeDate(2012, 3, 23));
    EXPECT_EQ(reg.ReadString("Mehrzeilig"), "a\nb");
    EXPECT_EQ(reg.ReadInteger("Zahl"), 10);
    ASSERT_TRUE(reg.OpenKey("druck", false));
    EXPECT_EQ(reg.ReadString("Zeichen"), "x");
}

TEST_F(RegistryHiveFile, UnreadableLinesCountAsMissingAndTheNextWriteIsClean) {
    writeFileBytes(hivePath(),
                   kHeader +
                       "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix]\r\n"
                       "\"Land\"=dword:00000002\r\n"
                       "Unsinn\r\n"
                       "\"Kurz\"=dword:2a\r\n"
                       "\"Ziffer\"=dword:0000002g\r\n"
                       "\"Offen\"=\"ohne Ende\r\n"
                       "\"Danach\"=\"x\" y\r\n"
                       "\"Bytes\"=hex:1,02\r\n"
                       "\"Komma\"=hex:01,\r\n"
                       "\"Ohne\"\r\n"
                       "\"Loeschen\"=-\r\n"
                       "\"Sprache\"=dword:00000003\r\n"
                       "\r\n"
                       "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix\r\n"
                       "\"Fremd1\"=\"a\"\r\n"
                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmarck\\Stellix]\r\n"
                       "\"Fremd2\"=\"b\"\r\n"
                       "[HKEY_CURRENT_USER\\\\SOFTWARE]\r\n"
                       "\"Fremd3\"=\"c\"\r\n"
                       "[-HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix]\r\n"
                       "\"Fremd4\"=\"d\"\r\n"
                       "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix]\r\n"
                       "\"TippTop\"=dword:00000027\r\n");
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, false));
        EXPECT_EQ(reg.ReadInteger("Land"), 2);
        EXPECT_EQ(reg.ReadInteger("Sprache"), 3);
        EXPECT_EQ(reg.ReadInteger("TippTop"), 39);
        for (const char* name :
             {"Kurz", "Ziffer", "Offen", "Danach", "Bytes", "Komma", "Ohne", "Loeschen", "Fremd1", "Fremd2", "Fremd3", "Fremd4"})
            EXPECT_FALSE(reg.ValueExists(name)) << name;
        reg.WriteInteger("Land", 5);
    }
    EXPECT_EQ(readFileBytes(hivePath()),
              kHeader +
                  "[HKEY_CURRENT_USER\\SOFTWARE]\r\n\r\n"
                  "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck]\r\n\r\n"
                  "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix]\r\n"
                  "\"Land\"=dword:00000005\r\n"
                  "\"Sprache\"=dword:00000003\r\n"
                  "\"TippTop\"=dword:00000027\r\n"
                  "\r\n");
}

// Whereever a hive file is cut, every value reads as it was written or not
// at all, and a value that is gone stays readable as missing.
TEST_F(RegistryHiveFile, AFileCutAnywhereNeverGivesAWrongValue) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("Ansicht", 0x12345678);
        reg.WriteString("Lottoportal", "Lottoland");
        reg.WriteDate("DateTimePicker2", EncodeDate(2012, 3, 23));
        reg.WriteString("Zwei", "a\nb");
        reg.WriteInteger("Land", 1);
    }
    const std::string whole = readFileBytes(hivePath());
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        writeFileBytes(hivePath(), whole.substr(0, cut));
        forgetHives();
        TRegistry reg;
        if (!reg.OpenKey(kKey, false)) continue;
        SCOPED_TRACE("cut at " + std::to_string(cut));
        if (reg.ValueExists("Ansicht")) {
            EXPECT_EQ(reg.ReadInteger("Ansicht"), 0x12345678);
        }
        if (reg.ValueExists("Lottoportal")) {
            EXPECT_EQ(reg.ReadString("Lottoportal"), "Lottoland");
        }
        if (reg.ValueExists("DateTimePicker2")) {
            EXPECT_EQ(reg.ReadDate("DateTimePicker2"), EncodeDate(2012, 3, 23));
        }
        if (reg.ValueExists("Zwei")) {
            EXPECT_EQ(reg.ReadString("Zwei"), "a\nb");
        }
        if (reg.ValueExists("Land")) {
            EXPECT_EQ(reg.ReadInteger("Land"), 1);
        }
    }
    // Cut in the middle of the date's line: what comes before it is there.
    writeFileBytes(hivePath(), whole.substr(0, whole.find("e0,03")));
    forgetHives();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadString("Lottoportal"), "Lottoland");
    EXPECT_FALSE(reg.ValueExists("DateTimePicker2"));
}

TEST_F(RegistryHiveFile, ReadsNothingFromBrokenOrMissingFiles) {
    const std::string clean = kHeader + "[HKEY_CURRENT_USER\\SOFTWARE]\r\n\r\n"
                                        "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck]\r\n\r\n"
                                        "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix]\r\n"
                                        "\"Land\"=dword:00000001\r\n\r\n";
    std::mt19937 random(1234);
    std::string noise(4096, '\0');
    for (char& c : noise) c = static_cast<char>(random() & 0xFF);

    struct Case {
        const char* what;
        std::function<void(const std::string& file)> prepare;
    };
    const Case cases[] = {
        {"random bytes", [&](const std::string& file) { writeFileBytes(file, noise); }},
        {"empty file", [](const std::string& file) { writeFileBytes(file, ""); }},
        {"missing file", [](const std::string&) {}},
        {"missing folder", [](const std::string&) {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir place;
        const std::string folder = std::string(c.what) == "missing folder" ? place.file("nicht/da/") : place.home();
        TRegistry::SetHiveFolder(folder);
        c.prepare(folder + "HKEY_CURRENT_USER.reg");
        {
            TRegistry reg;
            EXPECT_FALSE(reg.KeyExists(kKey));
            ASSERT_TRUE(reg.OpenKey(kKey, true));
            EXPECT_FALSE(reg.ValueExists("Land"));
            reg.WriteInteger("Land", 1);
        }
        EXPECT_EQ(readFileBytes(folder + "HKEY_CURRENT_USER.reg"), clean);
    }
}

TEST_F(RegistryHiveFile, WritingLeavesNoTemporaryFile) {
    for (int round = 0; round < 3; ++round) {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("Runde", round);
        reg.CloseKey();
    }
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"HKEY_CURRENT_USER.reg"});
}

TEST_F(RegistryHiveFile, AFailedWriteKeepsTheChangesForTheNextClose) {
    // A folder where the hive file should be: the rename cannot replace it.
    fs::create_directories(hivePath() + "/inhalt");
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("Land", 2);
        EXPECT_EQ(registryError([&] { reg.CloseKey(); }),
                  "Datei \"" + hivePath() + "\" kann nicht erstellt werden");
        EXPECT_FALSE(reg.ValueExists("Land"));  // closed all the same
        ASSERT_TRUE(reg.OpenKey(kKey, false));
        reg.WriteInteger("Sprache", 3);
        // The destructor's failing write throws nothing.
    }
    EXPECT_TRUE(fs::is_directory(hivePath() + "/inhalt"));
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"HKEY_CURRENT_USER.reg"});

    fs::remove_all(hivePath());
    TRegistry().CloseKey();
    forgetHives();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger("Land"), 2);
    EXPECT_EQ(reg.ReadInteger("Sprache"), 3);
}

TEST_F(RegistryHiveFile, AFailedWriteLeavesTheOldFileWhole) {
    // The disk fills before the new hive's first byte, and in its middle.
    for (const std::size_t allowed : {std::size_t{0}, std::size_t{60}}) {
        SCOPED_TRACE(allowed);
        {
            TRegistry reg;
            ASSERT_TRUE(reg.OpenKey(kKey, true));
            reg.WriteInteger("Land", 1);
        }
        const std::string before = readFileBytes(hivePath());
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, false));
        reg.WriteInteger("Land", 2);
        {
            FailingWrite full(hivePath(), allowed);
            EXPECT_EQ(registryError([&] { reg.CloseKey(); }),
                      "Datei \"" + hivePath() + "\" kann nicht erstellt werden");
            EXPECT_EQ(FailingWrite::Failures(), kHiveSaveAttempts);
        }
        EXPECT_EQ(readFileBytes(hivePath()), before);
        EXPECT_EQ(folderEntries(), std::vector<std::string>{"HKEY_CURRENT_USER.reg"});
    }
}

TEST_F(RegistryHiveFile, DefaultFolderIsInTheUsersConfigurationFolder) {
    TempDir home;
    ScopedEnv homeVar("HOME", home.path().c_str());
    TRegistry::SetHiveFolder("");
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/etc/xdg-config");
        EXPECT_EQ(TRegistry::HiveFolder(), "/etc/xdg-config/Stellix/");
    }
    for (const char* config : {static_cast<const char*>(nullptr), "", "relativ/pfad"}) {
        ScopedEnv configVar("XDG_CONFIG_HOME", config);
        EXPECT_EQ(TRegistry::HiveFolder(), home.path().string() + "/.config/Stellix/");
    }
    {
        ScopedEnv config("XDG_CONFIG_HOME", nullptr);
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("Land", 1);
        reg.CloseKey();
        EXPECT_TRUE(FileExists(home.path().string() + "/.config/Stellix/HKEY_CURRENT_USER.reg"));
    }
    TRegistry::SetHiveFolder(dir.home());
    EXPECT_EQ(TRegistry::HiveFolder(), dir.home());
}

namespace {

TEST_F(RegistryHiveFile, AHiveThatCannotBeReadIsNeverWrittenOver) {
    ASSERT_EQ(::mkfifo(hivePath().c_str(), 0600), 0);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger("Land", 2);
    EXPECT_EQ(registryError([&] { reg.CloseKey(); }), "Datei \"" + hivePath() + "\" kann nicht gelesen werden");
    EXPECT_TRUE(fs::is_fifo(hivePath()));
    fs::remove(hivePath());
    forgetHives();
}

}  // namespace
