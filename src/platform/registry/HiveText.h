#pragma once
// A hive as the text of a registry export, UTF-8 with CRLF line ends:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\SOFTWARE\Example]
//   "Count"=dword:0000002a
//   "Name"="C:\\Program \"A\""
//   "Stamp"=hex:00,00,00,00,00,a0,e2,40
//
// A key line names the root and the key's path; the values follow it, a
// blank line ends it. "@" names the value without a name. A string holding a
// line break cannot stand between quotes and is written as hex(1): its
// UTF-16LE code units with a terminating zero, as the registry itself
// exports such strings.

#include "platform/registry/RegistryHive.h"

#include <string>
#include <string_view>

std::string FormatHiveText(const TRegistryHive& hive, std::string_view rootName);

// Reads what it can and never fails: a line that cannot be read is left
// out, and the values after a key line that cannot be read, or that names
// another root, are left out up to the next key line. The text after the
// last line end is left out too: the writer ends every line, so an
// unfinished last line is the rest of a cut file and may hold a shortened
// value.
TRegistryHive ParseHiveText(std::string_view text, std::string_view rootName);
