#pragma once
// One root of the settings store held in memory: keys with their typed
// values. Key paths are relative to the root, separated by "\" and without
// a leading one; "" is the root itself. Key and value names compare without
// regard to the case of ASCII letters and keep the case they were created
// with.

#include <map>
#include <string>
#include <string_view>
#include <vector>

enum TRegValueType { REG_SZ = 1, REG_BINARY = 3, REG_DWORD = 4 };

// Data holds the UTF-8 text of a REG_SZ, the bytes of a REG_BINARY and the
// four little-endian bytes of a REG_DWORD.
struct TRegValue {
    std::string Name;
    TRegValueType Type = REG_SZ;
    std::string Data;
};

struct TRegKey {
    std::string Path;
    std::vector<TRegValue> Values;  // in the order of their creation

    const TRegValue* FindValue(std::string_view name) const;
    // Replaces data and type of an existing value in its place, or appends.
    void SetValue(std::string_view name, TRegValueType type, std::string data);
};

// Whether path names a key: "" or names of at least one character between
// single separators, none holding a line break.
bool IsValidKeyPath(std::string_view path);

class TRegistryHive {
public:
    TRegistryHive();

    // Invalid paths name no key.
    const TRegKey* FindKey(std::string_view path) const;
    TRegKey* FindKey(std::string_view path);
    // The key with every missing parent, created as needed; nullptr for an
    // invalid path.
    TRegKey* CreateKey(std::string_view path);

    // Every key, parents before their children, siblings in name order.
    std::vector<const TRegKey*> Keys() const;

private:
    // By the path with letters folded and separators below every other
    // character, so that equal names meet and the map's order is the
    // export order.
    std::map<std::string, TRegKey> keys_;
};
