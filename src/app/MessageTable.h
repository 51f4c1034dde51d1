#pragma once
// The numbered message table: message n is line n of the table's memo.

#include "platform/rtl/StringList.h"

#include <string>
#include <vector>

// The built-in German table, one message per line, numbered from 0.
const std::vector<std::string>& BuiltInMessages();

// Message n of a table: "" for a number outside it; a line is read with at
// most 4096 characters.
std::string MessageLine(const TStringList& table, int n);
