#pragma once
// The chooser of the click script for the online submission: the script
// (from the list of "Script/" or browsed for) and the robot's four
// parameters. Its OK button first brings the chosen script up to date from
// the maker's first host.

#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "platform/forms/StdCtrls.h"
#include "platform/net/HttpClient.h"

#include <string>
#include <vector>

class TZKSForm : public TForm {
public:
    explicit TZKSForm(TComponent* owner);
    ~TZKSForm() override;
    const char* ClassName() const override { return "TZKSForm"; }

    // ---- Controls ----
    TLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
    TComboBox* LabeledEdit1 = nullptr;  // full path of the click script
    TBitBtn* BitBtn1 = nullptr;         // browse
    TGroupBox* GroupBox1 = nullptr;
    TEdit* LabeledEdit2 = nullptr;  // ZAHL1
    TEdit* LabeledEdit3 = nullptr;  // ZAHL2
    TEdit* LabeledEdit4 = nullptr;  // TEXT1
    TEdit* LabeledEdit5 = nullptr;  // TEXT2
    TBitBtn* BitBtn3 = nullptr;     // Cancel
    TBitBtn* BitBtn2 = nullptr;     // OK
    TOpenDialog* OpenDialog1 = nullptr;
    THttpClient* IdHTTP1 = nullptr;

    // ---- Handlers ----
    void FormShow(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void design();
};

extern TZKSForm* ZKSForm;

// The click scripts of a folder: its regular files whose extension is
// ".zks" in any letter case, with their full paths, sorted by name.
std::vector<std::string> ClickScriptsIn(const std::string& folder);

// Replaces the script at `path` with the maker's copy when the host has a
// newer one (see ScriptReplyIsNewer); any failure leaves it as it was.
// True when the script was replaced.
bool UpdateClickScript(THttpClient& http, const std::string& path);
