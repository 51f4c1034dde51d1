#include "output/Scriptwahl.h"

#include "app/LottoZahlen.h"
#include "app/MakerServices.h"
#include "output/ClickScript.h"
#include "output/MakerFolder.h"
#include "platform/forms/Designer.h"
#include "platform/rtl/FileUtils.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

TZKSForm* ZKSForm = nullptr;

namespace {

constexpr int kClientWidth = 420, kClientHeight = 250;
constexpr int kEditHeight = 21, kButtonHeight = 25;

const char* const kScriptFolder = "Script/";

std::string programFolder() { return Form1 ? Form1->Home : std::string(); }

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::vector<std::string> ClickScriptsIn(const std::string& folder) {
    std::vector<std::string> names;
    const std::string base = IncludeTrailingPathDelimiter(folder);
    if (DIR* dir = ::opendir(base.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (SameNameIgnoringCase(ExtractFileExt(name), ".zks") && isRegularFile(base + name))
                names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    for (std::string& name : names) name = base + name;
    return names;
}

bool UpdateClickScript(THttpClient& http, const std::string& path) {
    const std::string name = ExtractFileName(path);
    std::int64_t localModified = 0;
    // A script that is only on the host is never fetched.
    if (name.empty() || !isRegularFile(path) || !FileModifiedTime(path, localModified)) return false;
    const HttpResult reply = http.Request(ScriptUpdateUrl(name));
    if (!ScriptReplyIsNewer(reply, localModified)) return false;
    return WriteFileAtomically(path, reply.Body);
}

TZKSForm::TZKSForm(TComponent* owner) : TForm(owner) {
    ZKSForm = this;
    design();
}

TZKSForm::~TZKSForm() {
    if (ZKSForm == this) ZKSForm = nullptr;
}

void TZKSForm::design() {
    SetName("ZKSForm");
    SetCaption("Script für Zahlenübergabe auswählen!");
    Position = TPosition::poMainFormCenter;
    SetBounds(0, 0, kClientWidth, 0);
    SetClientHeight(kClientHeight);

    Place(this, Label1, "Label1", this, 8, 8, 300, 16, "Zedevuvid Click-Script File");
    Place(this, LabeledEdit1, "LabeledEdit1", this, 8, 26, kClientWidth - 52, kEditHeight);
    Place(this, BitBtn1, "BitBtn1", this, kClientWidth - 36, 24, kButtonHeight, kButtonHeight);
    BitBtn1->SetGlyph("open");

    Place(this, GroupBox1, "GroupBox1", this, 8, 58, kClientWidth - 16, 140, "Parameter ");
    struct Parameter {
        TLabel*& label;
        const char* labelName;
        TEdit*& edit;
        const char* editName;
        const char* caption;
        int left, top;
    };
    const int half = (kClientWidth - 16) / 2;
    const Parameter parameters[] = {
        {Label2, "Label2", LabeledEdit2, "LabeledEdit2", "ZAHL1", 12, 20},
        {Label3, "Label3", LabeledEdit3, "LabeledEdit3", "ZAHL2", 12, 74},
        {Label4, "Label4", LabeledEdit4, "LabeledEdit4", "TEXT1", half + 4, 20},
        {Label5, "Label5", LabeledEdit5, "LabeledEdit5", "TEXT2", half + 4, 74},
    };
    for (const Parameter& p : parameters) {
        Place(this, p.label, p.labelName, GroupBox1, p.left, p.top, half - 20, 16, p.caption);
        Place(this, p.edit, p.editName, GroupBox1, p.left, p.top + 18, half - 20, kEditHeight);
    }

    Place(this, BitBtn3, "BitBtn3", this, kClientWidth - 196, kClientHeight - 40, 90, kButtonHeight);
    BitBtn3->SetKind(TBitBtnKind::bkCancel);
    Place(this, BitBtn2, "BitBtn2", this, kClientWidth - 98, kClientHeight - 40, 90, kButtonHeight);
    BitBtn2->SetKind(TBitBtnKind::bkOK);

    OpenDialog1 = Create<TOpenDialog>("OpenDialog1");
    OpenDialog1->DefaultExt = "zks";
    OpenDialog1->Filter = "Zedevuvid Click Script|*.zks";

    IdHTTP1 = Create<THttpClient>("IdHTTP1");
    IdHTTP1->UserAgent = ToolUserAgent;
    IdHTTP1->Accept = AcceptedTypes;
    IdHTTP1->AllowCookies = true;

    OnShow = [this](TObject* s) { FormShow(s); };
    BitBtn1->OnClick = [this](TObject* s) { BitBtn1Click(s); };
    BitBtn2->OnClick = [this](TObject* s) { BitBtn2Click(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    // The window library ends a modal showing by a button's result without
    // OnClose; hiding follows every way of closing, so the parameters are
    // completed after OK as well.
    OnHide = [this](TObject* s) {
        TCloseAction action = TCloseAction::caHide;
        FormClose(s, action);
    };
}

void TZKSForm::FormShow(TObject*) {
    const std::string remembered = LabeledEdit1->Text();
    LabeledEdit1->Items().Clear();
    LabeledEdit1->SetText("");
    const std::vector<std::string> scripts = ClickScriptsIn(programFolder() + kScriptFolder);
    for (const std::string& script : scripts) LabeledEdit1->Items().Add(script);
    if (!remembered.empty())
        LabeledEdit1->SetText(remembered);
    else if (!scripts.empty())
        LabeledEdit1->SetText(scripts.back());
}

void TZKSForm::BitBtn1Click(TObject*) {
    if (OpenDialog1->Execute()) LabeledEdit1->SetText(OpenDialog1->FileName);
}

void TZKSForm::BitBtn2Click(TObject*) { UpdateClickScript(*IdHTTP1, LabeledEdit1->Text()); }

void TZKSForm::FormClose(TObject*, TCloseAction&) {
    if (LabeledEdit2->Text().empty()) LabeledEdit2->SetText("0");
    if (LabeledEdit3->Text().empty()) LabeledEdit3->SetText("0");
}
