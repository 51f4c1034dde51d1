// A value list file loaded into the number picker: the boxes take its lines,
// a save and a load give the same boxes back, and the weight steps of the
// mouse cope with whatever a line held.
#include "FuzzWindow.h"

#include "generator/Zahlenwahl.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<bool, std::string>> boxes(TForm6& picker) {
    std::vector<std::pair<bool, std::string>> all;
    for (int n = 1; n <= TForm6::kBoxes; ++n) all.emplace_back(picker.CheckBox(n)->Checked(), picker.CheckBox(n)->Hint());
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MainWindowHarness& h = FuzzWindow();
    static TForm6& picker = *h.app->CreateForm<TForm6>();
    static const std::string in = h.dir.file("in.zlw"), out = h.dir.file("out.zlw");
    writeFileBytes(in, std::string(reinterpret_cast<const char*>(data), size));

    h.platform.answerFileDialog(in);
    RunCommand([&] { picker.SpeedButton2->Click(); });
    const auto loaded = boxes(picker);
    h.platform.answerFileDialog(out);
    RunCommand([&] { picker.SpeedButton1->Click(); });
    for (int n = 1; n <= TForm6::kBoxes; ++n) picker.TickBox(n, false);
    h.platform.answerFileDialog(out);
    RunCommand([&] { picker.SpeedButton2->Click(); });
    if (boxes(picker) != loaded) std::abort();

    // A right press steps a weight down, a left click up.
    for (int n = 1; n <= 3; ++n) {
        TCheckBox& box = *picker.CheckBox(n);
        RunCommand([&] { box.MouseDown(TMouseButton::mbRight, ssRight, 4, 4); });
        RunCommand([&] {
            box.MouseDown(TMouseButton::mbLeft, ssLeft, 4, 4);
            box.Click();
        });
    }
    return 0;
}
