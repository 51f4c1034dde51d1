#include "platform/registry/RegistryHive.h"

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

std::string RegistrySortKey(std::string_view path) {
    std::string key(path);
    for (char& c : key) c = c == '\\' ? '\x01' : FoldAscii(c);
    return key;
}

}  // namespace

const TRegValue* TRegKey::FindValue(std::string_view name) const {
    for (const auto& value : Values)
        if (SameName(value.Name, name)) return &value;
    return nullptr;
}

void TRegKey::SetValue(std::string_view name, TRegValueType type, std::string data) {
    for (auto& value : Values) {
        if (SameName(value.Name, name)) {
            value.Type = type;
            value.Data = std::move(data);
            return;
        }
    }
    Values.push_back(TRegValue{std::string(name), type, std::move(data)});
}

bool IsValidKeyPath(std::string_view path) {
    if (path.empty()) return true;
    if (path.front() == '\\' || path.back() == '\\') return false;
    if (path.find("\\\\") != std::string_view::npos) return false;
    return path.find_first_of("\r\n") == std::string_view::npos;
}

TRegistryHive::TRegistryHive() { keys_.emplace("", TRegKey{}); }

const TRegKey* TRegistryHive::FindKey(std::string_view path) const {
    if (!IsValidKeyPath(path)) return nullptr;
    auto it = keys_.find(RegistrySortKey(path));
    return it == keys_.end() ? nullptr : &it->second;
}

TRegKey* TRegistryHive::FindKey(std::string_view path) {
    return const_cast<TRegKey*>(static_cast<const TRegistryHive*>(this)->FindKey(path));
}

TRegKey* TRegistryHive::CreateKey(std::string_view path) {
    if (!IsValidKeyPath(path)) return nullptr;
    TRegKey* key = &keys_.at("");
    std::size_t end = 0;
    while (end < path.size()) {
        end = path.find('\\', end + 1);
        if (end == std::string_view::npos) end = path.size();
        const std::size_t start = key->Path.empty() ? 0 : key->Path.size() + 1;
        auto [it, added] = keys_.try_emplace(RegistrySortKey(path.substr(0, end)));
        // A new key goes under its parent's spelling.
        if (added) it->second.Path = (start ? key->Path + '\\' : std::string()) + std::string(path.substr(start, end - start));
        key = &it->second;
    }
    return key;
}

std::vector<const TRegKey*> TRegistryHive::Keys() const {
    std::vector<const TRegKey*> keys;
    keys.reserve(keys_.size());
    for (const auto& [sortKey, key] : keys_) keys.push_back(&key);
    return keys;
}
