#include "RegistryFixture.h"

#include "platform/rtl/DateTime.h"

#include <climits>

namespace {

const std::string kKey = "\\SOFTWARE\\Velmarck\\Stellix";

class RegistryValues : public RegistryFixture {};

}  // namespace

TEST_F(RegistryValues, EveryTypeSurvivesTheHiveFile) {
    const std::string texts[] = {"", "Lottoland", "Größe € \"zitiert\" C:\\Pfad\\", "zwei\r\nZeilen\n", "\tTab"};
    const int numbers[] = {0, 1, -1, 42, INT_MIN, INT_MAX};
    const TDateTime dates[] = {EncodeDate(2012, 3, 23), EncodeDate(2004, 2, 13) + 0.75, -1.5, 0.0};
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        for (std::size_t i = 0; i < std::size(texts); ++i) reg.WriteString("Text" + std::to_string(i), texts[i]);
        for (std::size_t i = 0; i < std::size(numbers); ++i) reg.WriteInteger("Zahl" + std::to_string(i), numbers[i]);
        for (std::size_t i = 0; i < std::size(dates); ++i) reg.WriteDate("Datum" + std::to_string(i), dates[i]);
        reg.WriteBool("Ja", true);
        reg.WriteBool("Nein", false);
        reg.WriteString("", "ohne Namen");
        reg.CloseKey();
    }
    forgetHives();

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    for (std::size_t i = 0; i < std::size(texts); ++i)
        EXPECT_EQ(reg.ReadString("Text" + std::to_string(i)), texts[i]) << i;
    for (std::size_t i = 0; i < std::size(numbers); ++i)
        EXPECT_EQ(reg.ReadInteger("Zahl" + std::to_string(i)), numbers[i]) << i;
    for (std::size_t i = 0; i < std::size(dates); ++i)
        EXPECT_EQ(reg.ReadDate("Datum" + std::to_string(i)), dates[i]) << i;
    EXPECT_TRUE(reg.ReadBool("Ja"));
    EXPECT_FALSE(reg.ReadBool("Nein"));
    EXPECT_EQ(reg.ReadInteger("Ja"), 1);
    EXPECT_EQ(reg.ReadString(""), "ohne Namen");
}

TEST_F(RegistryValues, BooleansAreIntegersAndAnyNonZeroIsTrue) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger("Browser", 7);
    EXPECT_TRUE(reg.ReadBool("Browser"));
    reg.WriteInteger("Browser", -1);
    EXPECT_TRUE(reg.ReadBool("Browser"));
    reg.WriteBool("Browser", true);
    EXPECT_EQ(reg.ReadInteger("Browser"), 1);
}

TEST_F(RegistryValues, ReadingAnotherTypeFailsWithTheTypeError) {
    writeFileBytes(hivePath(),
                   "Windows Registry Editor Version 5.00\r\n\r\n"
                   "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix]\r\n"
                   "\"Chekcbox5\"=\"x\"\r\n"
                   "\"Land\"=dword:00000001\r\n"
                   "\"DateTimePicker2\"=hex:00,00,00,00,e0,03,e4,40\r\n"
                   "\"Kurz\"=hex:01,02,03,04\r\n"
                   "\"Leer\"=hex:\r\n\r\n");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    struct Case {
        std::string name;
        std::function<void(TRegistry&, const std::string&)> read;
    };
    const Case cases[] = {
        {"Chekcbox5", [](TRegistry& r, const std::string& n) { r.ReadInteger(n); }},
        {"Chekcbox5", [](TRegistry& r, const std::string& n) { r.ReadBool(n); }},
        {"Chekcbox5", [](TRegistry& r, const std::string& n) { r.ReadDate(n); }},
        {"Land", [](TRegistry& r, const std::string& n) { r.ReadString(n); }},
        {"Land", [](TRegistry& r, const std::string& n) { r.ReadDate(n); }},
        {"DateTimePicker2", [](TRegistry& r, const std::string& n) { r.ReadInteger(n); }},
        {"DateTimePicker2", [](TRegistry& r, const std::string& n) { r.ReadString(n); }},
        {"Kurz", [](TRegistry& r, const std::string& n) { r.ReadInteger(n); }},
        {"Kurz", [](TRegistry& r, const std::string& n) { r.ReadDate(n); }},  // not 8 bytes
        {"Leer", [](TRegistry& r, const std::string& n) { r.ReadDate(n); }},
        // A missing value fails like one of another type.
        {"Fehlt", [](TRegistry& r, const std::string& n) { r.ReadInteger(n); }},
        {"Fehlt", [](TRegistry& r, const std::string& n) { r.ReadBool(n); }},
        {"Fehlt", [](TRegistry& r, const std::string& n) { r.ReadDate(n); }},
    };
    for (const auto& c : cases)
        EXPECT_EQ(registryError([&] { c.read(reg, c.name); }), "Ungültiger Datentyp für '" + c.name + "'") << c.name;

    // The values that do match still read, and a string read finds "" where
    // there is nothing to read.
    EXPECT_EQ(reg.ReadString("Chekcbox5"), "x");
    EXPECT_EQ(reg.ReadInteger("Land"), 1);
    EXPECT_EQ(reg.ReadDate("DateTimePicker2"), EncodeDate(2012, 3, 23));
    EXPECT_EQ(reg.ReadString("Fehlt"), "");
    EXPECT_EQ(reg.ReadString("Leer"), "");
    EXPECT_TRUE(reg.ValueExists("Leer"));
    EXPECT_FALSE(reg.ValueExists("Fehlt"));
}

TEST_F(RegistryValues, KeyAndValueNamesIgnoreCaseAndKeepTheFirstSpelling) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("Ansicht", 1);
        ASSERT_TRUE(reg.OpenKey("\\software\\VELMARCK\\stellix", false));
        EXPECT_TRUE(reg.ValueExists("ANSICHT"));
        reg.WriteInteger("ansicht", 2);
        ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\VELMARCK\\STELLIX\\DRUCK", true));
        reg.WriteString("zeichen", "x");
        reg.CloseKey();
    }
    const std::string text = readFileBytes(hivePath());
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix]\r\n\"Ansicht\"=dword:00000002\r\n\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix\\DRUCK]\r\n\"zeichen\"=\"x\"\r\n"),
              std::string::npos)
        << text;

    forgetHives();
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists("\\Software\\Velmarck\\Stellix\\Druck"));
    ASSERT_TRUE(reg.OpenKey("\\software\\velmarck\\stellix", false));
    EXPECT_EQ(reg.ReadInteger("ANSICHT"), 2);
}

TEST_F(RegistryValues, OpeningKeys) {
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists(kKey));
    EXPECT_FALSE(reg.OpenKey(kKey, false));
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteString("Losnummer", "123");

    // A key that is missing and may not be created leaves the open key open.
    EXPECT_FALSE(reg.OpenKey("\\SOFTWARE\\Velmarck\\Kurierbot", false));
    EXPECT_EQ(reg.ReadString("Losnummer"), "123");

    // Without the leading separator a name starts at the open key.
    ASSERT_TRUE(reg.OpenKey("druck", true));
    reg.WriteString("Zeichen", "x");
    EXPECT_FALSE(reg.ValueExists("Losnummer"));
    EXPECT_TRUE(reg.KeyExists(kKey + "\\druck"));
    EXPECT_TRUE(reg.KeyExists("\\SOFTWARE\\Velmarck"));  // parents are made with their children
    EXPECT_TRUE(reg.KeyExists(kKey + "\\druck\\"));
    ASSERT_TRUE(reg.OpenKey(kKey + "\\druck", false));
    EXPECT_EQ(reg.ReadString("Zeichen"), "x");

    for (const std::string bad : {"\\SOFTWARE\\\\Velmarck", "\\\\SOFTWARE", "\\A\nB"}) {
        EXPECT_FALSE(reg.OpenKey(bad, true)) << bad;
        EXPECT_FALSE(reg.KeyExists(bad)) << bad;
    }
    EXPECT_EQ(reg.ReadString("Zeichen"), "x");
}

TEST_F(RegistryValues, NothingToReadOrWriteWithoutAnOpenKey) {
    TRegistry reg;
    EXPECT_FALSE(reg.ValueExists("Ansicht"));
    EXPECT_EQ(reg.ReadString("Ansicht"), "");
    EXPECT_EQ(registryError([&] { reg.ReadInteger("Ansicht"); }), "Ungültiger Datentyp für 'Ansicht'");
    EXPECT_EQ(registryError([&] { reg.WriteInteger("Ansicht", 1); }), "Fehler beim Setzen der Daten für 'Ansicht'");
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.CloseKey();
    EXPECT_EQ(registryError([&] { reg.WriteString("Ansicht", "1"); }), "Fehler beim Setzen der Daten für 'Ansicht'");
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(registryError([&] { reg.WriteString("A\nB", "1"); }), "Fehler beim Setzen der Daten für 'A\nB'");
}

TEST_F(RegistryValues, EachRootHasItsOwnHiveFile) {
    const std::string robot = "\\SOFTWARE\\Velmarck\\Kurierbot\\Settings";
    {
        TRegistry reg;
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        EXPECT_EQ(reg.RootKey(), HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(reg.OpenKey(robot, true));
        reg.WriteString("Path", "/opt/kurier");
        // Choosing another root writes what is pending and closes the key.
        reg.SetRootKey(HKEY_CURRENT_USER);
        EXPECT_FALSE(reg.ValueExists("Path"));
        EXPECT_FALSE(reg.KeyExists(robot));
        ASSERT_TRUE(reg.OpenKey(robot, true));
        reg.WriteString("Path", "/home/kurier");
    }
    const std::string machine = readFileBytes(hivePath("HKEY_LOCAL_MACHINE"));
    const std::string user = readFileBytes(hivePath("HKEY_CURRENT_USER"));
    EXPECT_NE(machine.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmarck\\Kurierbot\\Settings]\r\n\"Path\"=\"/opt/kurier\""),
              std::string::npos);
    EXPECT_EQ(machine.find("HKEY_CURRENT_USER"), std::string::npos);
    EXPECT_NE(user.find("\"Path\"=\"/home/kurier\""), std::string::npos);
    EXPECT_EQ(user.find("HKEY_LOCAL_MACHINE"), std::string::npos);

    forgetHives();
    TRegistry reg;
    EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey(robot, false));
    EXPECT_EQ(reg.ReadString("Path"), "/home/kurier");
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey(robot, false));
    EXPECT_EQ(reg.ReadString("Path"), "/opt/kurier");
}

TEST_F(RegistryValues, ChangesReachTheFileOnCloseOrDestruction) {
    {
        TRegistry writer;
        ASSERT_TRUE(writer.OpenKey(kKey, true));
        writer.WriteInteger("Land", 3);
        // Another object sees the change before it is written.
        TRegistry reader;
        ASSERT_TRUE(reader.OpenKey(kKey, false));
        EXPECT_EQ(reader.ReadInteger("Land"), 3);
        EXPECT_FALSE(FileExists(hivePath()));
        writer.CloseKey();
        EXPECT_TRUE(FileExists(hivePath()));

        writer.OpenKey(kKey, false);
        writer.WriteInteger("Sprache", 4);
        // Destroyed without CloseKey.
    }
    forgetHives();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger("Land"), 3);
    EXPECT_EQ(reg.ReadInteger("Sprache"), 4);
}

TEST_F(RegistryValues, OpeningAKeyTakesInTheFileAsItIsNow) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("Land", 1);
    }
    writeFileBytes(hivePath(),
                   "Windows Registry Editor Version 5.00\r\n\r\n"
                   "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix]\r\n\"Land\"=dword:00000002\r\n\r\n");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger("Land"), 2);
}
