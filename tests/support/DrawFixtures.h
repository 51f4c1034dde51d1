#pragma once
#include "draws/DrawRecord.h"

#include <string>
#include <vector>

// A draw as our writers build it.
DrawRecord draw(int year, int month, int day, std::array<int, 5> numbers, int star1, int star2);

// Writes the records' raw bytes as a history file, plus optional extra bytes.
void writeDraws(const std::string& path, const std::vector<DrawRecord>& records,
                const std::string& trailing = {});
std::vector<DrawRecord> readDraws(const std::string& path);
