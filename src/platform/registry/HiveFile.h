#pragma once
// The hive files on disk: one per root, named after the root, in the hive
// folder.

#include "platform/registry/RegistryHive.h"

#include <string>

// $XDG_CONFIG_HOME/Stellix/, or ~/.config/Stellix/ when that variable is not
// an absolute path; with the trailing "/".
std::string DefaultHiveFolder();

// An empty hive when the file is missing or cannot be read; `readable` tells
// the two apart (a missing file is readable: there is nothing to lose).
TRegistryHive LoadHiveFile(const std::string& path, const std::string& rootName, bool& readable);

// How often a save tries to write the hive file before it gives up.
inline constexpr int kHiveSaveAttempts = 3;

// Writes a temporary file beside path and renames it over path, so the old
// file stays whole until the new one is complete; creates the folder when
// missing. A try that fails is made again, up to kHiveSaveAttempts in all,
// so a passing fault (a write, sync, close, rename or creation that fails
// once) is no failure. Fails with ERegistryException only when no try
// wrote the file, leaving no temporary file behind.
void SaveHiveFile(const std::string& path, const TRegistryHive& hive, const std::string& rootName);
