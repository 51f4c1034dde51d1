#include "generator/Zahlenwahl.h"

#include "generator/PickerWeights.h"
#include "generator/ValueListFile.h"
#include "platform/forms/Designer.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Random.h"

#include <algorithm>
#include <vector>

TForm6* Form6 = nullptr;

namespace {

// The boxes stand in rows of seven; 50 starts an eighth row alone.
constexpr int kBoxesPerRow = 7;
constexpr int kBoxLeft = 8, kBoxTop = 8, kBoxWidth = 44, kBoxHeight = 17;
// Wide enough for the status text of the highest number with a
// three-digit weight.
constexpr int kBoxPitchX = 60, kBoxPitchY = 22;
constexpr int kBoxRows = 8;
constexpr int kClientWidth = 2 * kBoxLeft + (kBoxesPerRow - 1) * kBoxPitchX + kBoxWidth;
constexpr int kBoxArea = kBoxTop + kBoxRows * kBoxPitchY + 4;
constexpr int kPanelHeight = 41, kStatusHeight = 19;
constexpr int kButtonTop = 8, kButtonHeight = 25;

const char* const kValueListExt = "zlw";
const char* const kValueListFilter = "Werteliste|*.zlw";

}  // namespace

TForm6::TForm6(TComponent* owner) : TForm(owner) {
    Form6 = this;
    design();
    bindEvents();
}

TForm6::~TForm6() {
    if (Form6 == this) Form6 = nullptr;
}

void TForm6::design() {
    SetName("Form6");
    SetCaption("Welche Zahlen für die Berechnung");
    Position = TPosition::poMainFormCenter;
    SetShowHint(true);
    SetBounds(0, 0, kClientWidth, 0);
    SetClientHeight(kBoxArea + kPanelHeight + kStatusHeight);

    for (int n = 1; n <= kBoxes; ++n) {
        int row = (n - 1) / kBoxesPerRow, column = (n - 1) % kBoxesPerRow;
        TCheckBox*& box = boxes_[static_cast<size_t>(n)];
        Place(this, box, "CheckBox" + std::to_string(n), this, kBoxLeft + column * kBoxPitchX,
              kBoxTop + row * kBoxPitchY, kBoxWidth, kBoxHeight, std::to_string(n));
        box->SetShowHint(true);
        box->SetColor(clInfoBk);
        box->SetChecked(true);
    }

    // The status bar is the lowest; the button panel stands on it.
    Place(this, StatusBar1, "StatusBar1", this, 0, 0, kClientWidth, kStatusHeight);
    StatusBar1->SetAlign(TAlign::alBottom);
    StatusBar1->AddPanel("", kClientWidth);
    Place(this, Panel1, "Panel1", this, 0, 0, kClientWidth, kPanelHeight);
    Panel1->SetAlign(TAlign::alBottom);
    // Not a hint for the mouse: the pattern of the status text.
    // The pattern of the status text, never shown as a hint itself.
    Panel1->SetHint("Die Zahl %s geht mit der Gewichtung %s in die Berechnung ein");
    Panel1->SetShowHint(false);

    Place(this, BitBtn2, "BitBtn2", Panel1, 8, kButtonTop, 90, kButtonHeight);
    BitBtn2->SetKind(TBitBtnKind::bkAbort);
    BitBtn2->Cancel = true;  // Escape leaves the picker as this button does
    Place(this, SpeedButton1, "SpeedButton1", Panel1, 106, kButtonTop, kButtonHeight, kButtonHeight, {},
          "Speichern der Liste");
    Place(this, SpeedButton2, "SpeedButton2", Panel1, 135, kButtonTop, kButtonHeight, kButtonHeight, {},
          "Laden der Liste");
    Place(this, BitBtn4, "BitBtn4", Panel1, 168, kButtonTop, 80, kButtonHeight, "&Zufall");
    BitBtn4->SetVisible(false);
    // "&Rechnen" lies over the OK button: one of the two shows at a time.
    Place(this, BitBtn1, "BitBtn1", Panel1, kClientWidth - 98, kButtonTop, 90, kButtonHeight);
    BitBtn1->SetKind(TBitBtnKind::bkOK);
    Place(this, BitBtn3, "BitBtn3", Panel1, kClientWidth - 98, kButtonTop, 90, kButtonHeight);
    BitBtn3->SetKind(TBitBtnKind::bkRetry);
    BitBtn3->SetCaption("&Rechnen");

    SaveDialog1 = Create<TSaveDialog>("SaveDialog1");
    OpenDialog1 = Create<TOpenDialog>("OpenDialog1");
    Timer1 = Create<TTimer>("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(25);
}

void TForm6::bindEvents() {
    for (int n = 1; n <= kBoxes; ++n) {
        TCheckBox* box = CheckBox(n);
        box->OnClick = [this](TObject* s) { CheckBox49Click(s); };
        box->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            CheckBox1MouseDown(s, b, sh, x, y);
        };
        box->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { CheckBox2MouseMove(s, sh, x, y); };
        box->OnMouseActivate = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y, int hit,
                                      TMouseActivate& activate) { CheckBox1MouseActivate(s, b, sh, x, y, hit, activate); };
    }
    BitBtn4->OnClick = [this](TObject* s) { BitBtn4Click(s); };
    SpeedButton1->SetGlyph("save");
    SpeedButton2->SetGlyph("open");
    SpeedButton1->OnClick = [this](TObject* s) { SpeedButton1Click(s); };
    SpeedButton2->OnClick = [this](TObject* s) { SpeedButton2Click(s); };
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    // The window library ends a modal showing by a button's result without
    // OnClose; hiding follows every way of closing, so the pick stops then.
    OnHide = [this](TObject* s) {
        TCloseAction action = TCloseAction::caHide;
        FormClose(s, action);
    };
}

TCheckBox* TForm6::CheckBox(int n) const {
    return n >= 1 && n <= kBoxes ? boxes_[static_cast<size_t>(n)] : nullptr;
}

void TForm6::TickBox(int n, bool ticked) {
    TCheckBox* box = CheckBox(n);
    if (!box) return;
    bool outer = programTick_;
    programTick_ = true;
    try {
        box->SetChecked(ticked);
    } catch (...) {
        programTick_ = outer;
        throw;
    }
    programTick_ = outer;
}

int TForm6::boxesInUse() const { return std::clamp(MaxZahl, 0, kBoxes); }

// More slots than numbers could never be filled with distinct ones.
int TForm6::slotsInUse() const { return std::clamp(std::min(MaxTipp, boxesInUse()), 0, kSlots); }

void TForm6::showStatus(const TCheckBox& box) {
    StatusBar1->SetPanelText(0, PickerStatusText(Panel1->Hint(), box.Caption(), box.Hint()));
}

void TForm6::CheckBox49Click(TObject* Sender) {
    auto* box = dynamic_cast<TCheckBox*>(Sender);
    if (!box) return;
    int step = Minus && !programTick_ ? -1 : 1;
    box->SetHint(NextWeight(box->Checked(), box->Hint(), step));
    if (box->Hint() == "0") box->SetChecked(false);
    showStatus(*box);
}

void TForm6::CheckBox1MouseDown(TObject* Sender, TMouseButton Button, TShiftState, int, int) {
    if (Button == TMouseButton::mbRight) {
        Minus = true;
        CheckBox49Click(Sender);
    } else {
        Minus = false;
    }
}

void TForm6::CheckBox2MouseMove(TObject* Sender, TShiftState, int, int) {
    if (auto* box = dynamic_cast<TCheckBox*>(Sender)) showStatus(*box);
}

void TForm6::CheckBox1MouseActivate(TObject* Sender, TMouseButton, TShiftState, int, int, int, TMouseActivate&) {
    if (auto* box = dynamic_cast<TCheckBox*>(Sender)) showStatus(*box);
}

void TForm6::untickAllInUse() {
    for (int n = 1; n <= boxesInUse(); ++n) {
        TickBox(n, false);
        CheckBox(n)->SetColor(clInfoBk);
    }
}

void TForm6::BitBtn4Click(TObject*) {
    if (!Timer1->Enabled()) {
        Timer1->SetEnabled(true);
        for (int n = 1; n <= kBoxes; ++n) {
            TickBox(n, false);
            CheckBox(n)->SetColor(clInfoBk);
        }
        Tippreihe.fill(0);
        Losgeht = 1;
    } else if (Losgeht < slotsInUse()) {
        ++Losgeht;
    } else {
        Timer1->SetEnabled(false);
        BitBtn4->SetCaption(Zufall);
        Losgeht = 1;
    }
}

// A number whose box is not ticked yet; ticks it and marks it as picked.
int TForm6::drawFreeNumber() {
    int r;
    do r = Random(boxesInUse()) + 1;
    while (CheckBox(r)->Checked());
    TickBox(r, true);
    CheckBox(r)->SetColor(clYellow);
    return r;
}

void TForm6::Timer1Timer(TObject*) {
    BitBtn4->SetCaption(IntToStr(Losgeht) + " " + Stopp);
    untickAllInUse();
    int slots = slotsInUse();
    for (int slot = 1; slot < Losgeht && slot <= slots; ++slot) {
        int& number = Tippreihe[static_cast<size_t>(slot)];
        // A slot fixed by a fast second click before any step showed it has
        // no number yet: it gets one now, instead of naming no box.
        if (number < 1 || number > boxesInUse() || CheckBox(number)->Checked()) {
            number = drawFreeNumber();
            continue;
        }
        TickBox(number, true);
        CheckBox(number)->SetColor(clYellow);
    }
    for (int slot = Losgeht; slot <= slots; ++slot) Tippreihe[static_cast<size_t>(slot)] = drawFreeNumber();
}

void TForm6::prepareValueListDialog(TCommonFileDialog& dialog) const {
    dialog.DefaultExt = kValueListExt;
    dialog.Filter = kValueListFilter;
    dialog.FileName = FormatDateTime("yyyymmdd", Date()) + ".zlw";
}

void TForm6::SpeedButton1Click(TObject*) {
    prepareValueListDialog(*SaveDialog1);
    if (!SaveDialog1->Execute()) return;
    std::vector<std::string> lines;
    for (int n = 1; n <= boxesInUse(); ++n) {
        TCheckBox* box = CheckBox(n);
        if (!box->Checked()) {
            lines.emplace_back();
            continue;
        }
        if (box->Hint().empty()) box->SetHint("1");
        lines.push_back(box->Hint());
    }
    WriteValueList(SaveDialog1->FileName, lines);
}

void TForm6::SpeedButton2Click(TObject*) {
    prepareValueListDialog(*OpenDialog1);
    if (!OpenDialog1->Execute()) return;
    // Read whole first: a file that cannot be read leaves the boxes alone.
    std::vector<std::string> lines = ReadValueList(OpenDialog1->FileName);
    for (int n = 1; n <= boxesInUse(); ++n) {
        const std::string line = static_cast<size_t>(n) <= lines.size() ? lines[static_cast<size_t>(n - 1)] : "";
        // The state first, then the weight: the weight step of the change
        // leaves no trace.
        TickBox(n, !line.empty());
        CheckBox(n)->SetHint(line.empty() ? "1" : line);
    }
}

void TForm6::FormClose(TObject*, TCloseAction&) {
    Timer1->SetEnabled(false);
    BitBtn4->SetCaption(Zufall);
    Losgeht = 1;
}
