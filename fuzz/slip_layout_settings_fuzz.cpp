// A settings hive of any content read by the slip window as its stored
// layout: the opening takes every value it can read and places the first
// slip, whose marks stay finite; the close keeps the layout, and the next
// opening reads back exactly what the window showed.
#include "FuzzWindow.h"

#include "output/anders.h"
#include "platform/registry/Registry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// What the window shows and keeps of the layout.
std::vector<std::string> shownLayout(TForm8& slip) {
    std::vector<std::string> shown;
    for (TEdit* e : {slip.Edit17, slip.Edit16, slip.Edit1, slip.Edit2, slip.Edit3, slip.Edit4, slip.Edit12,
                     slip.Edit11, slip.Reportvorlage, slip.BackImage, slip.Zeichen})
        shown.push_back(e->Text());
    for (TUpDown* u : {slip.UpDown1, slip.UpDown2, slip.UpDown5, slip.UpDown6, slip.UpDown7, slip.UpDown8,
                       slip.UpDown11, slip.UpDown12, slip.fontsize})
        shown.push_back(std::to_string(u->Position()));
    for (TCheckBox* c : {slip.CheckBox1, slip.CheckBox2, slip.CheckBox3, slip.CheckBox4})
        shown.push_back(c->Checked() ? "1" : "0");
    if (const TReportPage* page = slip.frxReport1.FindPage("Page1")) {
        shown.push_back(std::to_string(page->PaperSize()));
        shown.push_back(std::to_string(page->PaperWidth()));
        shown.push_back(std::to_string(page->PaperHeight()));
        shown.push_back(std::to_string(static_cast<int>(page->Orientation())));
    }
    return shown;
}

void checkFinite(TForm8& slip) {
    for (int t = 1; t <= 10; ++t)
        for (const char* kind : {"Zahl1_", "Zahl5_", "Stern1_", "Stern2_"})
            if (const TReportMemoView* v = slip.frxReport1.FindMemoView(kind + std::to_string(t)))
                if (!v->Text.empty() && !(std::isfinite(v->Left) && std::isfinite(v->Top))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MainWindowHarness& h = FuzzWindow();
    static TForm8& slip = [&]() -> TForm8& {
        for (const char* name : {"EM_France.fr3", "schein.fr3"})
            writeFileBytes(h.dir.file(name), readFileBytes(std::string(SLIP_TEMPLATE_DIR) + "/" + name));
        TForm8& form = *h.app->CreateForm<TForm8>();
        form.schluessel = "\\SOFTWARE\\Velmarck\\Stellix";
        form.MaxEuroZahl = 12;
        return form;
    }();
    writeFileBytes(h.config.file("HKEY_CURRENT_USER.reg"), std::string(reinterpret_cast<const char*>(data), size));
    // The hives read so far are dropped: the opening reads the file anew.
    TRegistry::SetHiveFolder(h.config.home());

    slip.Memo1->Lines().SetText("1,11,21,31,41,1,12\r\n50,49,48,47,46,11,12\r\n");
    RunCommand([&] { slip.FormShow(&slip); });
    checkFinite(slip);
    const std::vector<std::string> shown = shownLayout(slip);
    TCloseAction action = TCloseAction::caHide;
    RunCommand([&] { slip.FormClose(&slip, action); });
    RunCommand([&] { slip.FormShow(&slip); });
    const std::vector<std::string> again = shownLayout(slip);
    if (again != shown) {
        for (size_t i = 0; i < std::min(again.size(), shown.size()); ++i)
            if (again[i] != shown[i]) std::fprintf(stderr, "item %zu: \"%s\" then \"%s\"\n", i, shown[i].c_str(), again[i].c_str());
        std::abort();
    }
    return 0;
}
