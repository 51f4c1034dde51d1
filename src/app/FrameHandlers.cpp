// The frame's small commands: closing, the grid view, the hints in the
// status bar and the web links.

#include "app/LottoZahlen.h"
#include "app/SettingsKey.h"

namespace {

// The hint of the control under the mouse goes into panel 1, for senders
// of the one class each handler is bound to.
template <class Kind>
void showHint(TStatusBar* bar, TObject* sender) {
    if (auto* control = dynamic_cast<Kind*>(sender)) bar->SetPanelText(1, control->Hint());
}

void openAddress(const std::string& address) {
    // Whether the shell could open it is not checked.
    Application->Services().ShellExecute("open", address, "", "");
}

}  // namespace

void TForm1::Schlieen1Click(TObject*) { Close(); }

void TForm1::StandardansichtClick(TObject*) {
    Gewinnzahlen->SetVisible(false);
    Gewinne->SetVisible(false);
    SpeedButton28->SetVisible(false);
}

void TForm1::Label30MouseMove(TObject* Sender, TShiftState, int, int) { showHint<TLabel>(StatusBar1, Sender); }
void TForm1::SpeedButton4MouseMove(TObject* Sender, TShiftState, int, int) {
    showHint<TSpeedButton>(StatusBar1, Sender);
}
void TForm1::BitBtn7MouseMove(TObject* Sender, TShiftState, int, int) { showHint<TBitBtn>(StatusBar1, Sender); }
void TForm1::Button6MouseMove(TObject* Sender, TShiftState, int, int) { showHint<TButton>(StatusBar1, Sender); }
void TForm1::CheckBox16MouseMove(TObject* Sender, TShiftState, int, int) { showHint<TCheckBox>(StatusBar1, Sender); }
void TForm1::Edit85MouseMove(TObject* Sender, TShiftState, int, int) { showHint<TEdit>(StatusBar1, Sender); }

void TForm1::Label43Click(TObject*) { openAddress(kMakerSite); }

void TForm1::Label52Click(TObject* Sender) {
    if (auto* label = dynamic_cast<TLabel*>(Sender)) openAddress(label->Caption());
}
