// The slip window's handlers: the opening with the stored or measured
// layout, the placement of the tips on the template's views, printing,
// the page set-up, the file choosers, the block previews and the close
// that keeps the layout.

#include "output/anders.h"

#include "platform/forms/Application.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>

namespace {

constexpr const char* kFallbackTemplate = "schein.fr3";
constexpr const char* kLayoutSubkey = "\\druck";

TFormatSettings userFormat() { return Application->Services().UserFormatSettings(); }

int roundedPixels(const std::string& text) {
    return static_cast<int>(Round(LayoutNumber(text, userFormat())));
}

// The layout values in the settings, in the order they are written, with
// what each is read into and written from.
struct StoredValue {
    const char* name;
    std::function<void(TRegistry&, const char*)> read;
    std::function<void(TRegistry&, const char*)> write;
};

StoredValue boolValue(const char* name, TCheckBox* box) {
    return {name, [box](TRegistry& r, const char* n) { box->SetChecked(r.ReadBool(n)); },
            [box](TRegistry& r, const char* n) { r.WriteBool(n, box->Checked()); }};
}
StoredValue textValue(const char* name, TEdit* edit) {
    return {name, [edit](TRegistry& r, const char* n) { edit->SetText(r.ReadString(n)); },
            [edit](TRegistry& r, const char* n) { r.WriteString(n, edit->Text()); }};
}
StoredValue counterValue(const char* name, TUpDown* upDown) {
    return {name, [upDown](TRegistry& r, const char* n) { upDown->SetPosition(r.ReadInteger(n)); },
            [upDown](TRegistry& r, const char* n) { r.WriteInteger(n, upDown->Position()); }};
}

std::vector<StoredValue> storedValues(TForm8& f) {
    return {boolValue("Checkbox1", f.CheckBox1),    boolValue("Checkbox2", f.CheckBox2),
            boolValue("Checkbox3", f.CheckBox3),    boolValue("Checkbox4", f.CheckBox4),
            textValue("AnfangTop", f.Edit17),       textValue("Anfangleft", f.Edit16),
            textValue("Hoehe", f.Edit1),            textValue("Breite", f.Edit2),
            textValue("BlockTop", f.Edit3),         textValue("BlockLeft", f.Edit4),
            counterValue("EuroLeft", f.UpDown12),   counterValue("EuroTop", f.UpDown11),
            counterValue("BlockZeilen", f.UpDown1), counterValue("BlockSpalten", f.UpDown2),
            textValue("EuroBreit", f.Edit12),       textValue("EuroHoch", f.Edit11),
            counterValue("EuroZeilen", f.UpDown7),  counterValue("EuroSpalten", f.UpDown8),
            counterValue("Zeilen", f.UpDown5),      counterValue("Spalten", f.UpDown6),
            textValue("Reportvorlage", f.Reportvorlage), textValue("BackImage", f.BackImage),
            counterValue("FontSize", f.fontsize),   textValue("Zeichen", f.Zeichen)};
}

// A stored value that cannot be read as its kind is passed over: one bad
// value costs that value, not the rest of the layout.
template <class F>
void readIfReadable(F&& read) {
    try {
        read();
    } catch (const ERegistryException&) {
    } catch (const EConvertError&) {
    }
}

// The file as named (a relative name in the program folder), else its name
// in the program folder; empty when neither exists. A folder of that name
// is there too: it is reported as unreadable, not passed over.
std::string findInProgramFolder(const std::string& home, const std::string& name) {
    if (name.empty()) return {};
    auto there = [](const std::string& path) { return FileExists(path) || DirectoryExists(path); };
    const std::string named = name.front() == '/' ? name : home + name;
    if (there(named)) return named;
    const std::string inHome = home + ExtractFileName(name);
    if (there(inHome)) return inHome;
    return {};
}

std::string slotName(const std::string& kind, int index, int slot) {
    return kind + std::to_string(index) + "_" + std::to_string(slot);
}

// The views of slot t: its five numbers, then its two stars.
std::array<std::string, 7> slotViews(int t) {
    return {slotName("Zahl", 1, t),  slotName("Zahl", 2, t),  slotName("Zahl", 3, t), slotName("Zahl", 4, t),
            slotName("Zahl", 5, t),  slotName("Stern", 1, t), slotName("Stern", 2, t)};
}

}  // namespace

std::string TForm8::Home() const {
    return IncludeTrailingPathDelimiter(ExtractFilePath(Application->ExeName));
}

void TForm8::FormCreate(TObject*) {
    TippanzahlMax = 10;
    MaxZahl = 50;
    MaxEuroZahl = 10;
    schluessel = "\\SOFTWARE\\Velmarck\\Kronfeld";
}

void TForm8::FormShow(TObject* Sender) {
    oeffnen = true;
    std::vector<std::string> lines(Memo1->Lines().begin(), Memo1->Lines().end());
    TStringList normalised;
    for (const std::string& line : NormalisedSlipTips(lines)) normalised.Add(line);
    normalised.SetEncoding(Memo1->Lines().Encoding());
    Memo1->Lines().Assign(normalised);

    // The block previews show the layout the window opens with.
    if (!readStoredLayout()) {
        BitBtn2Click(Sender);
        Button1Click(Sender);
        return;
    }
    takeLayoutFromControls();
    const bool loaded = loadTemplate();
    frxReport1.PrepareReport();
    if (!loaded) {
        failWithEmptySlip(UnreadableTemplateMessage(unreadableTemplate_));
        Button1Click(Sender);
        return;
    }
    if (TReportPage* page = frxReport1.FindPage("Page1")) {
        if (storedPaper_.size) page->SetPaperSize(*storedPaper_.size);
        if (storedPaper_.orientation)
            page->SetOrientation(*storedPaper_.orientation == 1 ? TPrinterOrientation::poPortrait
                                                               : TPrinterOrientation::poLandscape);
        if (storedPaper_.height) page->SetPaperHeight(PapierH = *storedPaper_.height);
        if (storedPaper_.width) page->SetPaperWidth(PapierB = *storedPaper_.width);
        frxPreview1->Refresh();
    }
    Tippsetzen();
    Button1Click(Sender);
}

bool TForm8::readStoredLayout() {
    storedPaper_ = {};
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    const std::string key = schluessel + kLayoutSubkey;
    if (!reg.KeyExists(key) || !reg.OpenKey(key, false)) return false;
    for (const StoredValue& value : storedValues(*this))
        if (reg.ValueExists(value.name)) readIfReadable([&] { value.read(reg, value.name); });
    if (reg.ValueExists("Reportvorlage") && Reportvorlage->Text().empty()) Reportvorlage->SetText(kFallbackTemplate);

    const TFormatSettings format = userFormat();
    if (reg.ValueExists("PaperSize")) readIfReadable([&] { storedPaper_.size = StrToInt(reg.ReadString("PaperSize")); });
    if (reg.ValueExists("PaperOr")) readIfReadable([&] { storedPaper_.orientation = reg.ReadInteger("PaperOr"); });
    // A paper size no printer has is no paper: it is passed over.
    auto paperLength = [&](const char* name, std::optional<double>& into) {
        if (!reg.ValueExists(name)) return;
        readIfReadable([&] {
            const double mm = LayoutNumber(reg.ReadString(name), format);
            if (std::isfinite(mm) && mm >= 1 && mm <= 10000) into = mm;
        });
    };
    paperLength("PaperHeight", storedPaper_.height);
    paperLength("PaperWidth", storedPaper_.width);
    return true;
}

void TForm8::takeLayoutFromControls() {
    const TFormatSettings format = userFormat();
    AnfangTop = LayoutNumber(Edit17->Text(), format);
    AnfangLeft = LayoutNumber(Edit16->Text(), format);
    Hoehe = LayoutNumber(Edit1->Text(), format);
    Breite = LayoutNumber(Edit2->Text(), format);
    BlockTop = LayoutNumber(Edit3->Text(), format);
    BlockLeft = LayoutNumber(Edit4->Text(), format);
    EuroBreit = LayoutNumber(Edit12->Text(), format);
    EuroHoch = LayoutNumber(Edit11->Text(), format);
    EuroLeft = UpDown12->Position();
    EuroTop = UpDown11->Position();
}

SlipLayout TForm8::layout() const {
    SlipLayout l;
    l.AnfangTop = AnfangTop;
    l.AnfangLeft = AnfangLeft;
    l.Hoehe = Hoehe;
    l.Breite = Breite;
    l.BlockTop = BlockTop;
    l.BlockLeft = BlockLeft;
    l.EuroLeft = EuroLeft;
    l.EuroTop = EuroTop;
    l.EuroBreit = EuroBreit;
    l.EuroHoch = EuroHoch;
    l.NumberColumns = UpDown2->Position();
    l.StarColumns = UpDown8->Position();
    return l;
}

bool TForm8::loadTemplate() {
    const std::string home = Home();
    std::string path = findInProgramFolder(home, Reportvorlage->Text());
    if (path.empty()) path = home + kFallbackTemplate;
    // A missing template leaves the report empty, which the placement names
    // by its first view; one that is there but unreadable is named itself.
    const bool readable = frxReport1.LoadFromFile(path) || frxReport1.Error().empty();

    std::string picture;
    if (!BackImage->Text().empty()) {
        picture = findInProgramFolder(home, BackImage->Text());
        if (picture.empty()) BackImage->SetText("");
    }
    if (!picture.empty())
        if (TReportPage* page = frxReport1.FindPage("Page1")) page->SetBackPicture(picture);
    unreadableTemplate_ = readable ? std::string() : path;
    return readable;
}

std::string TForm8::firstMissingView(int slots) const {
    for (int t = 1; t <= slots; ++t)
        for (const std::string& name : slotViews(t))
            if (!frxReport1.FindMemoView(name)) return name;
    return {};
}

void TForm8::failWithEmptySlip(const std::string& message) {
    // The box is read against the slip behind it: that slip shows no marks,
    // neither an earlier placement's nor this one's.
    clearSlots();
    frxPreview1->Refresh();
    ShowMessage(message);
}

void TForm8::clearSlots() {
    const int slots = SlotsToClear(UpDown5->Position(), UpDown6->Position(), TippanzahlMax);
    for (int t = 1; t <= slots; ++t)
        for (const std::string& name : slotViews(t))
            if (TReportMemoView* view = frxReport1.FindMemoView(name)) view->Text.clear();
}

bool TForm8::Tippsetzen() {
    // Every slot is emptied first, so that no slip shows marks of an
    // earlier one, and an empty tip page gives an empty slip.
    clearSlots();
    std::vector<std::string> lines;
    for (std::string_view line : Memo1->Lines())
        if (!Trim(std::string(line)).empty()) lines.emplace_back(line);
    if (lines.empty()) {
        frxPreview1->Refresh();
        return true;
    }
    // Without its template the slip has no views: that is what the user is
    // told, not the first view it lacks.
    if (!unreadableTemplate_.empty()) {
        failWithEmptySlip(UnreadableTemplateMessage(unreadableTemplate_));
        return false;
    }
    // Every line and every view the slips need are checked before the first
    // mark is set: a placement that cannot finish asks nothing and prints
    // nothing, and a slip is never offered when a later line is bad.
    SlipTipLines read;
    try {
        read = ReadSlipTips(lines, MaxEuroZahl);
    } catch (...) {
        frxPreview1->Refresh();
        throw;
    }
    if (read.Invalid) {
        failWithEmptySlip("Ungültiger Tipp: " + lines[*read.Invalid]);
        return false;
    }
    const int blockRows = UpDown5->Position(), blockColumns = UpDown6->Position();
    const int slotsUsed = static_cast<int>(std::min(lines.size(), static_cast<size_t>(blockRows * blockColumns)));
    if (const std::string missing = firstMissingView(slotsUsed); !missing.empty()) {
        failWithEmptySlip("Fehler kann Feld " + missing + " nicht finden");
        return false;
    }

    const SlipLayout l = layout();
    const std::string mark = Zeichen->Text();
    const int size = fontsize->Position();
    auto put = [&](const std::string& name, MarkPlace place) {
        TReportMemoView* view = frxReport1.FindMemoView(name);
        view->Left = place.Left;
        view->Top = place.Top;
        view->Text = mark;
        view->FontSize = size;
    };

    int t = 1, k = 1, j = 1;
    for (size_t i = 0; i < read.Tips.size(); ++i) {
        const SlipTip& tip = read.Tips[i];
        for (int field = 1; field <= 5; ++field)
            put(slotName("Zahl", field, t), NumberMarkPlace(l, k, j, tip.Numbers[static_cast<size_t>(field - 1)]));
        for (int s = 1; s <= 2; ++s)
            put(slotName("Stern", s, t), StarMarkPlace(l, k, j, tip.Stars[static_cast<size_t>(s - 1)]));
        ++t;
        if (++j > blockColumns) {
            j = 1;
            ++k;
        }
        if (k > blockRows) {
            t = j = k = 1;
            frxPreview1->Refresh();
            if (oeffnen) return true;
            if (i + 1 < read.Tips.size()) {
                if (Application->MessageBox("Diesen Schein Drucken?", "Drucken", MB_YESNO) == IDYES)
                    frxPreview1->Print();
                clearSlots();
            }
        }
    }
    frxPreview1->Refresh();
    return true;
}

void TForm8::BitBtn2Click(TObject*) {
    oeffnen = true;
    const bool loaded = loadTemplate();
    frxReport1.PrepareReport();
    if (!loaded) {
        failWithEmptySlip(UnreadableTemplateMessage(unreadableTemplate_));
        return;
    }
    const LayoutShape shape{UpDown1->Position(), UpDown2->Position(), UpDown7->Position(),
                            UpDown8->Position(), UpDown5->Position(), UpDown6->Position()};
    const MeasuredLayout measured = MeasureLayout(
        [this](const std::string& name) -> std::optional<MarkPlace> {
            const TReportMemoView* view = frxReport1.FindMemoView(name);
            if (!view) return std::nullopt;
            return MarkPlace{view->Left, view->Top};
        },
        shape);
    if (!measured.Missing.empty()) {
        failWithEmptySlip("Fehler kann Feld " + measured.Missing + " nicht finden");
        return;
    }
    const SlipLayout& l = measured.Layout;
    Breite = l.Breite;
    Hoehe = l.Hoehe;
    AnfangTop = l.AnfangTop;
    AnfangLeft = l.AnfangLeft;
    BlockTop = l.BlockTop;
    BlockLeft = l.BlockLeft;
    EuroLeft = l.EuroLeft;
    EuroTop = l.EuroTop;
    EuroBreit = l.EuroBreit;
    EuroHoch = l.EuroHoch;
    UpDown12->SetPosition(static_cast<int>(Round(EuroLeft)));
    UpDown11->SetPosition(static_cast<int>(Round(EuroTop)));

    const TFormatSettings format = userFormat();
    const std::pair<TEdit*, double> edits[] = {{Edit17, AnfangTop}, {Edit16, AnfangLeft}, {Edit1, Hoehe},
                                               {Edit2, Breite},     {Edit3, BlockTop},    {Edit4, BlockLeft},
                                               {Edit12, EuroBreit}, {Edit11, EuroHoch}};
    for (auto [edit, value] : edits) edit->SetText(FloatToStr(RoundedToHundredths(value), format));
    Tippsetzen();
    frxPreview1->Refresh();
}

void TForm8::BitBtn3Click(TObject*) {
    oeffnen = false;
    takeLayoutFromControls();
    Tippsetzen();
    frxPreview1->Refresh();
}

void TForm8::BitBtn1Click(TObject*) {
    oeffnen = false;
    // A placement that failed has said why; nothing is printed then.
    if (!Tippsetzen()) return;
    frxPreview1->Refresh();
    frxPreview1->Print();
}

void TForm8::SeiteClick(TObject*) { frxPreview1->PageSetup("Page1"); }

void TForm8::SpeedButton1Click(TObject*) {
    OpenDialog1->InitialDir = Home();
    OpenDialog1->Filter = "Fast Report|*.fr3";
    OpenDialog1->DefaultExt = "fr3";
    if (OpenDialog1->Execute()) Reportvorlage->SetText(OpenDialog1->FileName);
}

void TForm8::SpeedButton2Click(TObject*) {
    OpenDialog1->InitialDir = Home();
    OpenDialog1->Filter = "Bilddatei|*.png|Bilddatei|*.jpg";
    OpenDialog1->DefaultExt = "*.png";
    if (OpenDialog1->Execute()) BackImage->SetText(OpenDialog1->FileName);
}

void TForm8::Button1Click(TObject*) {
    struct Block {
        TStringGrid* grid;
        int rows, columns, highest;
        bool horizontal, fromBottom;
        TEdit *width, *height;
    };
    const Block blocks[] = {
        {DrawGrid1, UpDown1->Position(), UpDown2->Position(), MaxZahl, CheckBox1->Checked(), CheckBox2->Checked(),
         Edit2, Edit1},
        {StringGrid2, UpDown7->Position(), UpDown8->Position(), MaxEuroZahl, CheckBox3->Checked(),
         CheckBox4->Checked(), Edit12, Edit11},
    };
    for (const Block& b : blocks) {
        b.grid->DefaultColWidth = roundedPixels(b.width->Text());
        b.grid->DefaultRowHeight = roundedPixels(b.height->Text());
        b.grid->SetColCount(b.columns);
        b.grid->SetRowCount(b.rows);
        b.grid->SetWidth(b.grid->DefaultColWidth * b.columns + 20);
        b.grid->SetHeight(b.grid->DefaultRowHeight * b.rows + 20);
        const auto cells = BlockPreviewCells(b.rows, b.columns, b.highest, b.horizontal, b.fromBottom);
        for (int r = 0; r < b.rows; ++r)
            for (int c = 0; c < b.columns; ++c)
                b.grid->SetCells(c, r, cells[static_cast<size_t>(r)][static_cast<size_t>(c)]);
    }
    const int blockRows = UpDown5->Position(), blockColumns = UpDown6->Position();
    StringGrid1->DefaultColWidth = UpDown2->Position() * 3;
    StringGrid1->DefaultRowHeight = UpDown1->Position() * 3;
    StringGrid1->SetColCount(blockColumns);
    StringGrid1->SetRowCount(blockRows);
    StringGrid1->SetWidth(StringGrid1->DefaultColWidth * blockColumns + 20);
    StringGrid1->SetHeight(StringGrid1->DefaultRowHeight * blockRows + 20);
    for (int r = 0; r < blockRows; ++r)
        for (int c = 0; c < blockColumns; ++c) StringGrid1->SetCells(c, r, "");
}

void TForm8::numberPreviewSize() {
    DrawGrid1->SetRowCount(UpDown1->Position());
    DrawGrid1->SetColCount(UpDown2->Position());
}

void TForm8::CheckBox1Click(TObject* Sender) {
    numberPreviewSize();
    Button1Click(Sender);
}

void TForm8::UpDown10MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) { Button1Click(Sender); }

void TForm8::UpDown6MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
    numberPreviewSize();
    Button1Click(Sender);
}

void TForm8::FormClose(TObject* Sender, TCloseAction&) {
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (!reg.OpenKey(schluessel + kLayoutSubkey, true)) {
        BitBtn2Click(Sender);
        return;
    }
    for (const StoredValue& value : storedValues(*this)) value.write(reg, value.name);
    if (const TReportPage* page = frxReport1.FindPage("Page1")) {
        const TFormatSettings format = userFormat();
        reg.WriteString("PaperSize", IntToStr(page->PaperSize()));
        reg.WriteString("PaperHeight", FloatToStr(page->PaperHeight(), format));
        reg.WriteString("PaperWidth", FloatToStr(page->PaperWidth(), format));
        reg.WriteInteger("PaperOr", page->Orientation() == TPrinterOrientation::poLandscape ? 2 : 1);
    }
    reg.CloseKey();
}
