// A tip file of any content read by the slip window, as the slip command
// hands it over: the opening normalises its lines and places the first slip,
// "Zahlen eintragen" places every tip. Every mark that is set lies on a cell
// of its slot: one of the numbers 1..50 of the number block, one of the
// stars of the star block.
#include "FuzzWindow.h"

#include "output/anders.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

SlipLayout layoutOf(const TForm8& slip) {
    SlipLayout l;
    l.AnfangTop = slip.AnfangTop;
    l.AnfangLeft = slip.AnfangLeft;
    l.Hoehe = slip.Hoehe;
    l.Breite = slip.Breite;
    l.BlockTop = slip.BlockTop;
    l.BlockLeft = slip.BlockLeft;
    l.EuroLeft = slip.EuroLeft;
    l.EuroTop = slip.EuroTop;
    l.EuroBreit = slip.EuroBreit;
    l.EuroHoch = slip.EuroHoch;
    l.NumberColumns = slip.UpDown2->Position();
    l.StarColumns = slip.UpDown8->Position();
    return l;
}

// Whether the view sits on the place of one of the values 1..highest.
template <class Place>
bool onACell(const TReportMemoView& view, int highest, Place place) {
    for (int value = 1; value <= highest; ++value) {
        const MarkPlace p = place(value);
        if (p.Left == view.Left && p.Top == view.Top) return true;
    }
    return false;
}

void checkMarks(TForm8& slip) {
    const SlipLayout l = layoutOf(slip);
    const int columns = slip.UpDown6->Position();
    const int slots = SlotsToClear(slip.UpDown5->Position(), columns, slip.TippanzahlMax);
    for (int t = 1; t <= slots; ++t) {
        const int k = (t - 1) / columns + 1, j = (t - 1) % columns + 1;
        for (int field = 1; field <= 7; ++field) {
            const std::string name = field <= 5 ? "Zahl" + std::to_string(field) + "_" + std::to_string(t)
                                                : "Stern" + std::to_string(field - 5) + "_" + std::to_string(t);
            const TReportMemoView* view = slip.frxReport1.FindMemoView(name);
            if (!view || view->Text.empty()) continue;
            if (view->Text != slip.Zeichen->Text()) std::abort();
            const bool placed =
                field <= 5 ? onACell(*view, 50, [&](int d) { return NumberMarkPlace(l, k, j, d); })
                           : onACell(*view, slip.MaxEuroZahl, [&](int s) { return StarMarkPlace(l, k, j, s); });
            if (!placed) std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MainWindowHarness& h = FuzzWindow();
    static TForm8& slip = [&]() -> TForm8& {
        for (const char* name : {"EM_France.fr3", "schein.fr3"})
            writeFileBytes(h.dir.file(name), readFileBytes(std::string(SLIP_TEMPLATE_DIR) + "/" + name));
        return *h.app->CreateForm<TForm8>();
    }();
    static const std::string path = h.dir.file("20250214.zlt");
    writeFileBytes(path, std::string(reinterpret_cast<const char*>(data), size));

    slip.MaxEuroZahl = 12;
    slip.Reportvorlage->SetText("EM_France.fr3");
    RunCommand([&] { slip.Memo1->Lines().LoadFromFile(path); });
    RunCommand([&] { slip.FormShow(&slip); });
    checkMarks(slip);
    RunCommand([&] { slip.BitBtn3Click(&slip); });
    checkMarks(slip);
    return 0;
}
