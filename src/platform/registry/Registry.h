#pragma once
// The settings store: keys holding typed values under two roots, the
// current user's and the local machine's, each kept in its own hive file
// (see HiveFile.h). Every TRegistry of the process works on the same hives,
// so one object sees what another wrote.
//
// Key names start at the root when they begin with "\", else at the open
// key (at the root while none is open). Changes reach the hive file when the
// key is closed: by CloseKey, by choosing another root, or by destroying the
// object, which never throws and leaves changes it could not write pending
// for the next close to write.

#include "platform/rtl/DateTime.h"

#include <cstdint>
#include <string>

enum HKEY : std::uint32_t { HKEY_CURRENT_USER = 0x80000001u, HKEY_LOCAL_MACHINE = 0x80000002u };

class TRegistry {
public:
    TRegistry() = default;
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return root_; }
    // Closes the open key first.
    void SetRootKey(HKEY root);

    // Opens the key, creating it and its parents when missing and allowed.
    // False when the key does not exist and may not be created, or the name
    // is not a key's; the key open before then stays open.
    bool OpenKey(const std::string& key, bool canCreate);
    // Writes the changes made so far; raises ERegistryException only when
    // the hive file could not be written, a try that failed once made
    // again (the key is closed all the same, the changes kept for the next
    // close).
    void CloseKey();
    bool KeyExists(const std::string& key);

    // Values of the open key. A value's name is compared without regard to
    // the case of ASCII letters.
    bool ValueExists(const std::string& name);

    // Reads raise ERegistryException("Ungültiger Datentyp für '<name>'") for
    // a value of another type, and also for a missing one: callers ask
    // ValueExists first. ReadString alone gives "" for a missing value, and
    // for a value of any type that holds no data.
    int ReadInteger(const std::string& name);
    bool ReadBool(const std::string& name);  // a REG_DWORD, non-zero is true
    std::string ReadString(const std::string& name);
    TDateTime ReadDate(const std::string& name);  // a REG_BINARY of 8 bytes

    // Writes replace a value of any type. They raise ERegistryException when
    // no key is open or the name holds a line break.
    void WriteInteger(const std::string& name, int value);
    void WriteBool(const std::string& name, bool value);  // REG_DWORD 0 or 1
    void WriteString(const std::string& name, const std::string& value);
    void WriteDate(const std::string& name, TDateTime value);  // the double's 8 bytes

    // The folder of the hive files, with the trailing "/". Setting one (an
    // empty text restores the default of HiveFile.h) drops the hives read so
    // far, changes not yet written included.
    static std::string HiveFolder();
    static void SetHiveFolder(const std::string& folder);

private:
    std::string ResolveKey(const std::string& key) const;

    HKEY root_ = HKEY_CURRENT_USER;
    bool open_ = false;
    std::string path_;
};
