#include "app/Settings.h"

#include "app/LottoZahlen.h"
#include "app/SettingsKey.h"
#include "output/anders.h"
#include "platform/rtl/Exceptions.h"

namespace {

// The check boxes kept as "Chekcbox" + n; number 21 is kept as "Browser".
constexpr int kSwitchNumbers[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                  16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31};

TCheckBox* switchBox(TForm1& form, int n) {
    return static_cast<TCheckBox*>(form.FindComponent("CheckBox" + std::to_string(n)));
}

TUpDown* counter(TForm1& form, int n) {
    return static_cast<TUpDown*>(form.FindComponent("UpDown" + std::to_string(n)));
}

// A stored size so small that scaling to it would crush the layout beyond
// repair, or larger than any screen, is taken for damage.
constexpr int kSmallestWindowSide = 100;
constexpr int kLargestWindowSide = 20000;

bool plausibleSide(int pixels) { return pixels >= kSmallestWindowSide && pixels <= kLargestWindowSide; }

}  // namespace

void SettingsReader::group(const std::function<void()>& reads) {
    try {
        reads();
    } catch (const std::exception&) {
    }
}

void SettingsReader::readLosnummer() {
    form_.LosNr = has("Losnummer") ? reg_.ReadString("Losnummer") : "";
    form_.Losnummer->SetCaption(form_.LosNr);
}

void SettingsReader::readNeuerSchein() {
    if (!has("NeuerSchein")) {
        form_.neuerSchein = 0;
        return;
    }
    try {
        form_.neuerSchein = reg_.ReadInteger("NeuerSchein");
    } catch (const ERegistryException&) {
        if (reg_.ReadBool("NeuerSchein")) form_.neuerSchein = 1;
    }
}

void SettingsReader::readGroup1() {
    TForm1& f = form_;
    if (has("Ansicht")) {
        bool list = reg_.ReadInteger("Ansicht") == 1;
        f.Gewinnzahlen->SetVisible(list);
        f.Gewinne->SetVisible(list);
        f.SpeedButton28->SetVisible(list);
    }
    for (int n : kSwitchNumbers) {
        std::string name = "Chekcbox" + std::to_string(n);
        if (has(name)) switchBox(f, n)->SetChecked(reg_.ReadBool(name));
    }
    f.UpDown6->SetMax(f.CheckBox31->Checked() ? 7 : 5);
    f.Land = 1;
    if (has("Land")) f.Land = reg_.ReadInteger("Land");
    f.Groesse = f.Height();
    if (has("height")) {
        int height = reg_.ReadInteger("height");
        if (plausibleSide(height)) f.SetHeight(height);
    }
    if (has("width")) {
        int width = reg_.ReadInteger("width");
        if (plausibleSide(width)) f.SetWidth(width);
    }
    f.TippTop = 39;
    f.TippLeft = 47;
    if (has("TippTop")) f.TippTop = reg_.ReadInteger("TippTop");
    if (has("TippLeft")) f.TippLeft = reg_.ReadInteger("TippLeft");
    f.sprache = 0;
    if (has("Sprache")) f.sprache = reg_.ReadInteger("Sprache");
}

void SettingsReader::readStarOption(const char* name) {
    if (!has(name)) return;
    TRadioGroup* group = static_cast<TRadioGroup*>(form_.FindComponent(name));
    group->SetItemIndex(reg_.ReadInteger(name));
}

void SettingsReader::readGroup2() {
    TForm1& f = form_;
    for (int n = 1; n <= 20; ++n) {
        std::string name = "UpDown" + std::to_string(n);
        if (!has(name)) continue;
        TUpDown* upDown = counter(f, n);
        upDown->SetPosition(reg_.ReadInteger(name));
        if (upDown == f.UpDown7) {
            bool allow = true;
            f.UpDown7Changing(upDown, allow);
        }
    }
    if (has("Lottoportal")) f.Lottoportal->SetText(reg_.ReadString("Lottoportal"));
    for (int n = 1; n <= 104; ++n) {
        TEdit* edit = f.TipEdit(n);
        if (edit && has(edit->Name())) edit->SetText(reg_.ReadString(edit->Name()));
    }
}

void SettingsReader::readGroup3(SlipLayoutTexts& texts) {
    for (size_t i = 0; i < 6; ++i) {
        std::string name = "Edit" + std::to_string(i + 1) + "F8";
        if (!has(name)) continue;
        texts.Text[i] = reg_.ReadString(name);
        texts.Read[i] = true;
    }
}

void SettingsReader::readGroup4() {
    if (has("ZWEIPREIS")) form_.Edit81->SetText(reg_.ReadString("ZWEIPREIS"));
    if (has("EINPREIS")) form_.Edit82->SetText(reg_.ReadString("EINPREIS"));
}

void SettingsReader::readGroup5() {
    if (!has("Browser")) return;
    try {
        form_.CheckBox21->SetChecked(reg_.ReadBool("Browser"));
    } catch (const ERegistryException&) {
        // An older program kept it as a text; any text switches it off.
        if (!reg_.ReadString("Browser").empty()) form_.CheckBox21->SetChecked(false);
    }
}

void SettingsReader::readGroup6() {
    form_.URLEdit->SetText(has("URLEdit") ? reg_.ReadString("URLEdit") : kMakerSite);
    if (has("ProxyHostEdit")) form_.ProxyHostEdit->SetText(reg_.ReadString("ProxyHostEdit"));
    if (has("ProxyPortEdit")) form_.ProxyPortEdit->SetText(reg_.ReadString("ProxyPortEdit"));
}

void SettingsReader::readGroup7() {
    if (!has("DateTimePicker2")) return;
    try {
        form_.DateTimePicker2->SetDate(reg_.ReadDate("DateTimePicker2"));
    } catch (const std::exception&) {
        form_.DateTimePicker2->SetDate(form_.DateTimePicker1->MinDate());
    }
}

void SettingsWriter::write(const std::function<void()>& one) {
    try {
        one();
    } catch (const std::exception&) {
    }
}

void SettingsWriter::writeSwitches() {
    write([&] { reg_.WriteInteger("NeuerSchein", form_.neuerSchein); });
    for (int n : kSwitchNumbers)
        write([&] { reg_.WriteBool("Chekcbox" + std::to_string(n), switchBox(form_, n)->Checked()); });
}

void SettingsWriter::writeSize() {
    if (form_.WindowState() != TWindowState::wsNormal) return;
    write([&] { reg_.WriteInteger("height", form_.Height()); });
    write([&] { reg_.WriteInteger("width", form_.Width()); });
}

void SettingsWriter::writeView(bool listView) {
    write([&] { reg_.WriteInteger("Ansicht", listView ? 1 : 0); });
}

void SettingsWriter::writeRest() {
    TForm1& f = form_;
    write([&] { reg_.WriteInteger("Sprache", f.sprache); });
    write([&] { reg_.WriteInteger("TippTop", f.TippTop); });
    write([&] { reg_.WriteInteger("TippLeft", f.TippLeft); });
    write([&] { reg_.WriteInteger("RadioGroup1", f.RadioGroup1->ItemIndex()); });
    write([&] { reg_.WriteInteger("RadioGroup2", f.RadioGroup2->ItemIndex()); });
    for (int n = 1; n <= 20; ++n)
        write([&] { reg_.WriteInteger("UpDown" + std::to_string(n), counter(f, n)->Position()); });
    write([&] { reg_.WriteString("Lottoportal", f.Lottoportal->Text()); });
    for (int n = 1; n <= 104; ++n) {
        TEdit* edit = f.TipEdit(n);
        if (edit) write([&] { reg_.WriteString(edit->Name(), edit->Text()); });
    }
    write([&] { reg_.WriteString("ZWEIPREIS", f.Edit81->Text()); });
    write([&] { reg_.WriteString("EINPREIS", f.Edit82->Text()); });
    write([&] { reg_.WriteBool("Browser", f.CheckBox21->Checked()); });
    write([&] { reg_.WriteString("URLEdit", f.URLEdit->Text()); });
    write([&] { reg_.WriteString("ProxyHostEdit", f.ProxyHostEdit->Text()); });
    write([&] { reg_.WriteString("ProxyPortEdit", f.ProxyPortEdit->Text()); });
    write([&] { reg_.WriteDate("DateTimePicker2", f.DateTimePicker2->Date()); });
    write([&] { reg_.WriteInteger("Land", f.Land); });
}

void SettingsWriter::writeSlipLayout() {
    // Without the slip window there is nothing to keep; the step ends.
    if (!Form8) return;
    TEdit* edits[] = {Form8->Edit1, Form8->Edit2, Form8->Edit3, Form8->Edit4, Form8->Edit5, Form8->Edit6};
    for (int i = 0; i < 6; ++i)
        write([&] { reg_.WriteString("Edit" + std::to_string(i + 1) + "F8", edits[i]->Text()); });
}
