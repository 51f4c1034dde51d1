#pragma once
// Value list files ("*.zlw"): one line per number, the weight of a chosen
// number or an empty line, CR LF after every line, in the ANSI code page.
// Failures raise EInOutError with the system's error number.

#include <string>
#include <vector>

void WriteValueList(const std::string& path, const std::vector<std::string>& lines);
// The file's lines, split at any line end; a byte-order mark is honoured.
std::vector<std::string> ReadValueList(const std::string& path);
