// Scans a history of 2,000 draws 10,000 times, the way the tip calculation's
// history filters re-read the file, and prints the records per second.

#include "draws/DrawFile.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

int main() {
    const std::string path = (std::filesystem::temp_directory_path() / "draw_scan_bench.dat").string();
    constexpr int kRecords = 2000;
    constexpr int kScans = 10000;
    {
        TFileOf<DrawRecord> out(path);
        out.Rewrite();
        for (int i = 0; i < kRecords; ++i)
            out.Write(MakeDrawRecord(38031 + 3.5 * i, {1 + i % 46, 2 + i % 46, 3 + i % 46, 4 + i % 46, 5 + i % 46},
                                     1 + i % 12, 1 + (i + 5) % 12));
        out.Close();
    }

    long long checksum = 0, records = 0;
    auto start = std::chrono::steady_clock::now();
    for (int s = 0; s < kScans; ++s) {
        DrawScan scan(path);
        while (const DrawRecord* r = scan.Next()) {
            checksum += r->Slot[0] + r->Slot[6];
            ++records;
        }
        scan.Close();
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::filesystem::remove(path);

    std::printf("%lld records in %.3f s: %.1f million records/s, %.2f us per scan (checksum %lld)\n", records,
                seconds, records / seconds / 1e6, seconds / kScans * 1e6, checksum);
    return records == static_cast<long long>(kRecords) * kScans ? 0 : 1;
}
