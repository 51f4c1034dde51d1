#include "draws/LoEingab.h"

#include "app/DesignKit.h"

#include <algorithm>

TForm3* Form3 = nullptr;

namespace {

constexpr int kBorder = 10;
constexpr int kNumberPitch = 56;  // an edit of 36, its counter of 16, a gap of 4
constexpr int kNumbersTop = 40;
constexpr int kStarLabelWidth = 16;
constexpr int kPanelHeight = 41;

TLabel* PlaceStarLabel(TForm3& form, TLabel*& label, const char* name, int left) {
    PlaceLabel(&form, label, name, &form, left, kNumbersTop + 2, kStarLabelWidth, "E:");
    label->SetFontColor(clRed);
    label->SetFontBold(true);
    return label;
}

// The window is as large as what it shows, with the border around it.
void FitToContents(TForm& form) {
    int right = 0, bottom = 0;
    for (int i = 0; i < form.ControlCount(); ++i) {
        const TControl* control = form.Controls(i);
        if (!control->Visible()) continue;
        right = std::max(right, control->Left() + control->Width());
        bottom = std::max(bottom, control->Top() + control->Height());
    }
    form.SetClientWidth(right + kBorder);
    form.SetClientHeight(bottom + kBorder);
}

}  // namespace

TForm3::TForm3(TComponent* owner) : TForm(owner), programWindow_(true) {
    Form3 = this;
    design();
}

TForm3::TForm3(TComponent* owner, OneEntry) : TForm(owner), programWindow_(false) { design(); }

std::unique_ptr<TForm3> TForm3::ForOneEntry(TComponent* owner) {
    return std::unique_ptr<TForm3>(new TForm3(owner, OneEntry{}));
}

TForm3::~TForm3() {
    if (programWindow_ && Form3 == this) Form3 = nullptr;
}

void TForm3::design() {
    SetName("Form3");
    SetCaption("Zahlen der Ziehung eingeben");
    Position = TPosition::poMainFormCenter;

    Place(this, DateTimePicker1, "DateTimePicker1", this, kBorder, kBorder, 186, kEditHeight);

    TEdit** edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5};
    TUpDown** upDowns[] = {&UpDown1, &UpDown2, &UpDown3, &UpDown4, &UpDown5};
    for (int i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i + 1);
        PlaceCounter(this, *edits[i], ("Edit" + n).c_str(), *upDowns[i], ("UpDown" + n).c_str(), this,
                     kBorder + i * kNumberPitch, kNumbersTop, 1, 50, 49);
    }

    int left = kBorder + 5 * kNumberPitch;
    PlaceStarLabel(*this, Label1, "Label1", left);
    PlaceCounter(this, Edit7, "Edit7", UpDown7, "UpDown7", this, left + kStarLabelWidth + 2, kNumbersTop, 1, 10, 4);
    left += kStarLabelWidth + 2 + kNumberPitch;
    PlaceStarLabel(*this, Label2, "Label2", left);
    PlaceCounter(this, Edit8, "Edit8", UpDown8, "UpDown8", this, left + kStarLabelWidth + 2, kNumbersTop, 1, 10, 8);

    // Takes no part in the entry.
    PlaceCounter(this, Edit6, "Edit6", UpDown6, "UpDown6", this, kBorder, kNumbersTop, 1, 50, 49);
    Edit6->SetVisible(false);
    UpDown6->SetVisible(false);

    const int contentsRight = UpDown8->Left() + UpDown8->Width();
    Place(this, Panel1, "Panel1", this, kBorder, kNumbersTop + kEditHeight + 12, contentsRight - kBorder,
          kPanelHeight);
    Place(this, BitBtn1, "BitBtn1", Panel1, 8, 8, 90, kButtonHeight);
    BitBtn1->SetKind(TBitBtnKind::bkAbort);
    BitBtn1->Cancel = true;  // Escape leaves the dialog as this button does
    Place(this, BitBtn2, "BitBtn2", Panel1, Panel1->Width() - 98, 8, 90, kButtonHeight);
    BitBtn2->SetKind(TBitBtnKind::bkOK);

    FitToContents(*this);
}
