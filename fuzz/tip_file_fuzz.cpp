// A tip file of any content through the load command, into the grid or into
// the list view (the first byte chooses), followed by the evaluation the
// load ends with.
#include "FuzzWindow.h"

#include "support/DrawFixtures.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    MainWindowHarness& h = FuzzWindow();
    TForm1& f = h.form();
    // Draws for the evaluation to compare with; the load evaluates against
    // the draw of the selected date.
    static const bool history = [&] {
        writeDraws(f.Home + f.ZahlenFile, {draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9),
                                           draw(2025, 2, 7, {3, 14, 22, 30, 41}, 2, 9)});
        f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 7));
        return true;
    }();
    (void)history;
    const bool listView = data[0] & 1;
    const std::string name = data[0] & 2 ? "in.txt" : "in.zlt";
    const std::string path = f.Home + name;
    writeFileBytes(path, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));

    f.Gewinnzahlen->SetVisible(listView);
    f.Gewinne->SetVisible(listView);
    h.platform.answerFileDialog(path, data[0] & 2 ? 2 : 1);
    RunCommand([&] { f.SpeedButton16Click(nullptr); });
    // The grid's own check of every row, as an edit's exit runs it.
    if (!listView) RunCommand([&] { f.Komplettcheck(); });
    return 0;
}
