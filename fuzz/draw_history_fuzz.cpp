// The draw-history file as it may come from a damaged disk or another
// program: read by every command that scans it, and as the older 16-byte
// file by the conversion at start-up.
#include "FuzzWindow.h"

#include "draws/DrawFile.h"
#include "platform/rtl/FileUtils.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void checkConversion(TForm1& f, const std::string& bytes) {
    const std::string history = f.Home + f.ZahlenFile;
    const std::string legacy = f.Home + kLegacyDrawFileName;
    DeleteFile(history);
    writeFileBytes(legacy, bytes);
    ConvertLegacyDrawFile(f.Home, f.ZahlenFile);
    // Every whole legacy record, widened with zeros; a cut one is left out.
    const std::string converted = readFileBytes(history);
    const std::size_t records = bytes.size() / sizeof(LegacyDrawRecord);
    if (converted.size() != records * sizeof(DrawRecord)) std::abort();
    for (std::size_t i = 0; i < records; ++i) {
        const char* record = converted.data() + i * sizeof(DrawRecord);
        if (std::memcmp(record, bytes.data() + i * sizeof(LegacyDrawRecord), sizeof(LegacyDrawRecord)) != 0)
            std::abort();
        for (std::size_t k = sizeof(LegacyDrawRecord); k < sizeof(DrawRecord); ++k)
            if (record[k] != 0) std::abort();
    }
    if (FileExists(history + ".~tmp")) std::abort();
    DeleteFile(legacy);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MainWindowHarness& h = FuzzWindow();
    TForm1& f = h.form();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    writeFileBytes(f.Home + f.ZahlenFile, bytes);

    // The widest period the pickers allow, and the position at the start.
    RunCommand([&] { f.DateTimePicker2->SetDate(EncodeDate(2004, 2, 13)); });
    RunCommand([&] { f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 10)); });
    f.Position = 0;
    RunCommand([&] { f.SpeedButton2Click(nullptr); });   // number frequency
    RunCommand([&] { f.SpeedButton3Click(nullptr); });   // star frequency
    RunCommand([&] { f.Button5Click(nullptr); });        // overdue numbers
    RunCommand([&] { f.Button8Click(nullptr); });        // overdue stars
    RunCommand([&] { f.SpeedButton9Click(nullptr); });   // cross sums
    RunCommand([&] { f.Button2Click(nullptr); });        // runs of two
    RunCommand([&] { f.Button3Click(nullptr); });        // runs of three
    RunCommand([&] { f.Button4Click(nullptr); });        // runs of four
    RunCommand([&] { f.SpeedButton29Click(nullptr); });  // pairs with a number
    for (int step = 0; step < 3; ++step) RunCommand([&] { f.SpeedButton7Click(nullptr); });
    RunCommand([&] { f.SpeedButton6Click(nullptr); });
    RunCommand([&] { f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 4)); });
    RunCommand([&] { f.SpeedButton5Click(nullptr); });   // the draw of a date

    checkConversion(f, bytes);
    return 0;
}
