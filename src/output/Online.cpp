#include "output/Online.h"

#include "app/LottoZahlen.h"
#include "app/MakerServices.h"
#include "output/ClickScript.h"
#include "output/RobotLookup.h"
#include "output/Scriptwahl.h"
#include "platform/forms/Application.h"
#include "platform/forms/Designer.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/TextEncoding.h"

#include <optional>
#include <vector>

TAbgabeForm* AbgabeForm = nullptr;

namespace {

constexpr int kClientWidth = 330, kClientHeight = 170;
constexpr double kPricePerTip = 2.3;

// The script proposed before any was chosen; the program folder ships it.
const char* const kDefaultScript = "Script/Standard.zks";

const char* const kContinueMessage = "Klicken Sie OK wenn es weitergehen kann. Click OK if it can continue!";
const char* const kInstallerQuestion = "Zedevuvid Tipp-Kurier installieren?";
const char* const kInstallerCaption = "Tipp-Kurier jetzt installieren?";

std::string programFolder() { return Form1 ? Form1->Home : std::string(); }
int starMaximum() { return Form1 ? Form1->SternenzahlMax : 12; }

void tell(const std::string& text) { Application->MessageBox(text, "", MB_OK | MB_ICONWARNING); }

struct Choice {
    std::string script, zahl1, text1, zahl2, text2;
};

// A stored choice that is not a text reads as empty: the chooser opens
// anyway and its OK stores texts again, where a type error would end every
// later submission before the chooser could mend it.
std::string storedText(TRegistry& reg, const char* name) {
    try {
        return reg.ReadString(name);
    } catch (const ERegistryException&) {
        return {};
    }
}

void loadChoice(TRegistry& reg, TZKSForm& chooser, std::string& script) {
    script = storedText(reg, "KronfeldScript");
    if (script.empty()) script = programFolder() + kDefaultScript;
    chooser.LabeledEdit2->SetText(storedText(reg, "KronfeldZahl1"));
    chooser.LabeledEdit4->SetText(storedText(reg, "KronfeldText1"));
    chooser.LabeledEdit3->SetText(storedText(reg, "KronfeldZahl2"));
    chooser.LabeledEdit5->SetText(storedText(reg, "KronfeldText2"));
}

Choice storeChoice(const TZKSForm& chooser) {
    Choice c{chooser.LabeledEdit1->Text(), chooser.LabeledEdit2->Text(), chooser.LabeledEdit4->Text(),
             chooser.LabeledEdit3->Text(), chooser.LabeledEdit5->Text()};
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (reg.OpenKey(kRobotKey, true)) {
        reg.WriteString("KronfeldScript", c.script);
        reg.WriteString("KronfeldZahl1", c.zahl1);
        reg.WriteString("KronfeldText1", c.text1);
        reg.WriteString("KronfeldZahl2", c.zahl2);
        reg.WriteString("KronfeldText2", c.text2);
        reg.CloseKey();
    }
    return c;
}

// The robot takes each of its texts whole up to this length; a longer one is
// refused rather than cut.
bool withinRobotLimit(const std::string& what, const std::string& text) {
    if (WithinRobotTextLimit(text)) return true;
    tell(what + " ist länger als " + std::to_string(kRobotTextLimit) + " Zeichen und kann nicht übergeben werden. " +
         what + " is longer than " + std::to_string(kRobotTextLimit) + " characters.");
    return false;
}

// Every line of the tip file as a tip, or nothing when a line is no tip
// (which is then reported by its number).
std::optional<std::vector<TipFields>> readTips(const std::string& tipFile) {
    TStringList lines;
    lines.LoadFromFile(tipFile);
    std::vector<TipFields> tips;
    for (int i = 0; i < lines.Count(); ++i) {
        TipFields fields = ScriptTipFields(lines[i]);
        if (!IsValidScriptTip(fields, starMaximum())) {
            tell("Zeile " + std::to_string(i + 1) + " der Tippdatei ist kein gültiger Tipp. Line " +
                 std::to_string(i + 1) + " of the tip file is no valid tip:\n" + lines[i]);
            return std::nullopt;
        }
        tips.push_back(fields);
    }
    return tips;
}

}  // namespace

TAbgabeForm::TAbgabeForm(TComponent* owner) : TForm(owner) {
    AbgabeForm = this;
    design();
}

TAbgabeForm::~TAbgabeForm() {
    if (AbgabeForm == this) AbgabeForm = nullptr;
}

void TAbgabeForm::design() {
    SetName("AbgabeForm");
    SetCaption("Tipp Online abgaben");
    Position = TPosition::poMainFormCenter;
    SetBounds(0, 0, kClientWidth, 0);
    SetClientHeight(kClientHeight);

    Place(this, Label1, "Label1", this, 8, 12, 140, 16, "Anzahl der Ziehungen:");
    Place(this, ComboBox1, "ComboBox1", this, 156, 8, 60, 21);
    for (int i = 1; i <= 10; ++i) ComboBox1->Items().Add(std::to_string(i));
    ComboBox1->Items().Add("100");
    ComboBox1->SetText("1");
    Place(this, Label2, "Label2", this, 8, 40, 60, 16, "Preis:");
    Place(this, Label3, "Label3", this, 156, 40, 120, 16);
    Label2->SetVisible(false);
    Label3->SetVisible(false);
    Place(this, CheckBox1, "CheckBox1", this, 8, 64, 120, 17, "Dauerspiel?");
    Place(this, CheckBox2, "CheckBox2", this, 8, 84, 120, 17, "Di/Tue/Ma");
    Place(this, CheckBox3, "CheckBox3", this, 156, 84, 120, 17, "Fr /Ve/Vie");
    for (TCheckBox* box : {CheckBox1, CheckBox2, CheckBox3}) box->SetVisible(false);
    Place(this, Memo1, "Memo1", this, 8, 64, 100, 40);
    Memo1->SetVisible(false);
    Place(this, SpeedButton14, "SpeedButton14", this, 8, kClientHeight - 40, 210, 25,
          "Tipp an Onlineportal übergeben");
    Place(this, BitBtn1, "BitBtn1", this, kClientWidth - 98, kClientHeight - 40, 90, 25);
    BitBtn1->SetKind(TBitBtnKind::bkAbort);

    ComboBox1->OnChange = [this](TObject* s) { ComboBox1Change(s); };
    SpeedButton14->OnClick = [this](TObject* s) { SpeedButton14Click(s); };
    BitBtn1->OnClick = [this](TObject* s) { BitBtn1Click(s); };
}

void TAbgabeForm::ComboBox1Change(TObject*) {
    Label3->SetCaption(FormatCurrency(Tipps * kPricePerTip * StrToInt(ComboBox1->Text()), FormatSettings()));
}

void TAbgabeForm::BitBtn1Click(TObject*) { Close(); }

void TAbgabeForm::SpeedButton14Click(TObject*) {
    // The window closes on every way out, an error included.
    struct CloseAtEnd {
        TAbgabeForm& form;
        ~CloseAtEnd() {
            try {
                form.Close();
            } catch (...) {
            }
        }
    } closeAtEnd{*this};
    submit();
}

void TAbgabeForm::offerInstaller() {
    if (Application->MessageBox(kInstallerQuestion, kInstallerCaption, MB_YESNO | MB_ICONQUESTION) == IDYES)
        Application->Services().ShellExecute("open", InstallerUrl(), "", "");
}

void TAbgabeForm::submit() {
    const std::string robot = FindRobot(programFolder());
    if (robot.empty()) return offerInstaller();

    TZKSForm& chooser = *ZKSForm;
    std::string script;
    {
        TRegistry reg;
        reg.SetRootKey(HKEY_CURRENT_USER);
        reg.OpenKey(kRobotKey, true);
        loadChoice(reg, chooser, script);
        reg.CloseKey();
    }
    if (!FileExists(robot)) return offerInstaller();

    chooser.OpenDialog1->InitialDir = programFolder() + "Script";
    chooser.OpenDialog1->DefaultExt = "ZKS";
    chooser.LabeledEdit1->SetText(script);
    if (chooser.ShowModal() != mrOk) return;

    const Choice choice = storeChoice(chooser);
    if (!FileExists(choice.script)) {
        tell("Das Click-Script wurde nicht gefunden. The click script was not found:\n" + choice.script);
        return;
    }
    const std::string filledScript = ExtractFilePath(dateiname) + FormatDateTime("yyyymmdd", Date()) + ".zks";
    if (!withinRobotLimit("Der Programmpfad des Tipp-Kuriers", robot) ||
        !withinRobotLimit("Der Pfad des Click-Scripts", filledScript) || !withinRobotLimit("ZAHL1", choice.zahl1) ||
        !withinRobotLimit("TEXT1", choice.text1) || !withinRobotLimit("ZAHL2", choice.zahl2) ||
        !withinRobotLimit("TEXT2", choice.text2))
        return;

    const std::optional<std::vector<TipFields>> tips = readTips(dateiname);
    if (!tips) return;
    const ScriptDays days{CheckBox1->Checked(), CheckBox2->Checked(), CheckBox3->Checked()};
    const std::vector<std::vector<TipFields>> batches = ScriptBatches(*tips);
    for (size_t b = 0; b < batches.size(); ++b) {
        // Each batch starts again from the script as it is on disk.
        Memo1->Lines().LoadFromFile(choice.script);
        Memo1->Lines().SetText(FillClickScript(Memo1->Lines().Text(), batches[b], days, dateiname));
        if (!WriteFileAtomically(filledScript,
                                 EncodeFileTextLossless(Memo1->Lines().Text(), Memo1->Lines().Encoding()))) {
            tell("Das Click-Script kann nicht geschrieben werden. The click script cannot be written:\n" +
                 filledScript);
            return;
        }
        const std::vector<std::string> arguments =
            RobotArguments(filledScript, choice.zahl1, choice.text1, choice.zahl2, choice.text2);
        if (!Application->Services().StartProgram(robot, arguments)) {
            tell("Der Tipp-Kurier konnte nicht gestartet werden. The robot could not be started:\n" + robot);
            return;
        }
        if (b + 1 < batches.size()) Application->MessageBox(kContinueMessage, "", MB_OK);
    }
}
