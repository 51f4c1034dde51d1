#include "platform/registry/Registry.h"

#include "platform/registry/HiveFile.h"
#include "platform/registry/RegistryHive.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"

#include <bit>
#include <map>
#include <mutex>
#include <optional>

namespace {

struct SharedHive {
    TRegistryHive Hive;
    bool Loaded = false;
    bool Pending = false;  // changed since the file was last written
    // False when the file exists but could not be read: it is never written
    // over, since what it holds would be lost.
    bool Readable = true;
};

struct HiveStore {
    std::mutex Lock;
    std::string Folder;  // empty: the default folder
    std::map<HKEY, SharedHive> Hives;
};

HiveStore& Store() {
    static HiveStore store;
    return store;
}

const char* RootName(HKEY root) {
    return root == HKEY_LOCAL_MACHINE ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string FolderLocked() {
    const std::string& folder = Store().Folder;
    return folder.empty() ? DefaultHiveFolder() : IncludeTrailingPathDelimiter(folder);
}

std::string HivePath(HKEY root) { return FolderLocked() + RootName(root) + ".reg"; }

// With the store locked. A refresh takes in what the file holds now, unless
// changes of ours are still to be written.
SharedHive& HiveOf(HKEY root, bool refresh) {
    SharedHive& shared = Store().Hives[root];
    if (!shared.Loaded || (refresh && !shared.Pending)) {
        shared.Hive = LoadHiveFile(HivePath(root), RootName(root), shared.Readable);
        shared.Loaded = true;
    }
    return shared;
}

ERegistryException TypeError(const std::string& name) {
    return ERegistryException("Ungültiger Datentyp für '" + name + "'");
}

std::string DwordBytes(std::uint32_t n) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((n >> (8 * i)) & 0xFF);
    return bytes;
}

std::uint64_t LittleEndian(const std::string& bytes) {
    std::uint64_t n = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 8; ++i)
        n |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return n;
}

}  // namespace

TRegistry::~TRegistry() {
    try {
        CloseKey();
    } catch (...) {
        // Still pending in the shared hive; the next close writes it.
    }
}

void TRegistry::SetRootKey(HKEY root) {
    CloseKey();
    root_ = root;
}

std::string TRegistry::ResolveKey(const std::string& key) const {
    const bool absolute = !key.empty() && key.front() == '\\';
    std::string path = absolute ? key.substr(1) : key;
    while (!path.empty() && path.back() == '\\') path.pop_back();
    if (absolute || !open_ || path_.empty()) return path;
    return path.empty() ? path_ : path_ + '\\' + path;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    const std::string path = ResolveKey(key);
    std::lock_guard lock(Store().Lock);
    SharedHive& shared = HiveOf(root_, true);
    const TRegKey* found = shared.Hive.FindKey(path);
    if (!found && canCreate) {
        found = shared.Hive.CreateKey(path);
        if (found) shared.Pending = true;
    }
    if (!found) return false;
    open_ = true;
    path_ = found->Path;
    return true;
}

void TRegistry::CloseKey() {
    open_ = false;
    path_.clear();
    std::lock_guard lock(Store().Lock);
    auto it = Store().Hives.find(root_);
    if (it == Store().Hives.end() || !it->second.Pending) return;
    if (!it->second.Readable)
        throw ERegistryException("Datei \"" + HivePath(root_) + "\" kann nicht gelesen werden");
    SaveHiveFile(HivePath(root_), it->second.Hive, RootName(root_));
    it->second.Pending = false;
}

bool TRegistry::KeyExists(const std::string& key) {
    const std::string path = ResolveKey(key);
    std::lock_guard lock(Store().Lock);
    return HiveOf(root_, true).Hive.FindKey(path) != nullptr;
}

namespace {

std::optional<TRegValue> FindValue(HKEY root, bool open, const std::string& path, const std::string& name) {
    if (!open) return std::nullopt;
    std::lock_guard lock(Store().Lock);
    const TRegKey* key = HiveOf(root, false).Hive.FindKey(path);
    const TRegValue* value = key ? key->FindValue(name) : nullptr;
    if (!value) return std::nullopt;
    return *value;
}

void PutValue(HKEY root, bool open, const std::string& path, const std::string& name, TRegValueType type,
              std::string data) {
    if (!open || name.find_first_of("\r\n") != std::string::npos)
        throw ERegistryException("Fehler beim Setzen der Daten für '" + name + "'");
    std::lock_guard lock(Store().Lock);
    SharedHive& shared = HiveOf(root, false);
    shared.Hive.CreateKey(path)->SetValue(name, type, std::move(data));
    shared.Pending = true;
}

}  // namespace

bool TRegistry::ValueExists(const std::string& name) { return FindValue(root_, open_, path_, name).has_value(); }

int TRegistry::ReadInteger(const std::string& name) {
    const auto value = FindValue(root_, open_, path_, name);
    if (!value || value->Type != REG_DWORD) throw TypeError(name);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(LittleEndian(value->Data)));
}

bool TRegistry::ReadBool(const std::string& name) { return ReadInteger(name) != 0; }

std::string TRegistry::ReadString(const std::string& name) {
    const auto value = FindValue(root_, open_, path_, name);
    if (!value || value->Data.empty()) return {};
    if (value->Type != REG_SZ) throw TypeError(name);
    return value->Data;
}

TDateTime TRegistry::ReadDate(const std::string& name) {
    const auto value = FindValue(root_, open_, path_, name);
    if (!value || value->Type != REG_BINARY || value->Data.size() != sizeof(TDateTime)) throw TypeError(name);
    return std::bit_cast<TDateTime>(LittleEndian(value->Data));
}

void TRegistry::WriteInteger(const std::string& name, int value) {
    PutValue(root_, open_, path_, name, REG_DWORD, DwordBytes(static_cast<std::uint32_t>(value)));
}

void TRegistry::WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    PutValue(root_, open_, path_, name, REG_SZ, value);
}

void TRegistry::WriteDate(const std::string& name, TDateTime value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::string bytes;
    for (int i = 0; i < 8; ++i) bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
    PutValue(root_, open_, path_, name, REG_BINARY, std::move(bytes));
}

std::string TRegistry::HiveFolder() {
    std::lock_guard lock(Store().Lock);
    return FolderLocked();
}

void TRegistry::SetHiveFolder(const std::string& folder) {
    std::lock_guard lock(Store().Lock);
    Store().Folder = folder;
    Store().Hives.clear();
}
