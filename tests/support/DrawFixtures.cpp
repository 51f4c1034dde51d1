#include "support/DrawFixtures.h"

#include "support/TempDir.h"

#include <cstring>

DrawRecord draw(int year, int month, int day, std::array<int, 5> numbers, int star1, int star2) {
    return MakeDrawRecord(EncodeDate(year, month, day), numbers, star1, star2);
}

void writeDraws(const std::string& path, const std::vector<DrawRecord>& records, const std::string& trailing) {
    std::string bytes(records.size() * sizeof(DrawRecord), '\0');
    if (!records.empty()) std::memcpy(bytes.data(), records.data(), bytes.size());
    writeFileBytes(path, bytes + trailing);
}

std::vector<DrawRecord> readDraws(const std::string& path) {
    std::string bytes = readFileBytes(path);
    std::vector<DrawRecord> records(bytes.size() / sizeof(DrawRecord));
    if (!records.empty()) std::memcpy(records.data(), bytes.data(), records.size() * sizeof(DrawRecord));
    return records;
}
