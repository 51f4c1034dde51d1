#pragma once
// The winnings window: the hit table turned into money. For each of the 13
// prize classes it shows the number of winning tips, the quota per tip and
// their product; below them the total. Quotas come from the second host for
// the date of the selected draw, from the average button, or from the user.
//
// Usage (the main window's auswertungClick):
//     Form9->Port = ...; Form9->proxy = ...; Form9->Datum = ...;
//     Form9->SetCounts(statistik);   // the counts, recomputed as they change
//     Form9->Edit9Change(nullptr); Form9->SpeedButton2Click(nullptr);
//     Form9->ShowModal();

#include "platform/forms/ComCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/StdCtrls.h"
#include "platform/net/HttpClient.h"
#include "platform/rtl/DateTime.h"

#include <array>
#include <cstdint>
#include <string>

// One prize class, in the window's order (top to bottom).
struct PrizeClass {
    const char* Caption;  // of its class label
    int Hits;             // main-number hits
    int Stars;            // star hits
    const char* Average;  // the average quota
    int ReplyField;       // its quota's place in the quota reply, 0-based
};
inline constexpr int kPrizeClasses = 13;
extern const std::array<PrizeClass, kPrizeClasses> PrizeClasses;

// A message text with its "%s" replaced by a value, by plain search: a
// translated text without "%s" stays as it is, a second "%s" stays literal.
std::string FillPlaceholder(const std::string& pattern, const std::string& value);

class TForm9 : public TForm {
public:
    explicit TForm9(TComponent* owner);
    ~TForm9() override;
    const char* ClassName() const override { return "TForm9"; }

    // ---- Fields the opening sets ----
    std::string Port;       // proxy port text
    std::string proxy;      // proxy host; empty means none
    std::string home;       // the program folder
    std::string diezahlen;  // the drawn numbers of the last accepted quota reply
    TDateTime Datum = 0;    // the draw whose quotas are loaded
    int32_t Groesse = 0;

    // ---- Controls; index i of the arrays is row i of PrizeClasses ----
    std::array<TLabel*, kPrizeClasses> ClassLabels{};
    std::array<TEdit*, kPrizeClasses> CountEdits{};
    std::array<TEdit*, kPrizeClasses> QuotaEdits{};
    std::array<TLabel*, kPrizeClasses> AmountLabels{};
    TEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr,
          *Edit6 = nullptr, *Edit7 = nullptr, *Edit8 = nullptr, *Edit9 = nullptr, *Edit10 = nullptr,
          *Edit11 = nullptr, *Edit12 = nullptr, *Edit13 = nullptr, *Edit14 = nullptr, *Edit15 = nullptr,
          *Edit16 = nullptr, *Edit17 = nullptr, *Edit18 = nullptr, *Edit19 = nullptr, *Edit20 = nullptr,
          *Edit21 = nullptr, *Edit22 = nullptr, *Edit23 = nullptr, *Edit24 = nullptr, *Edit25 = nullptr,
          *Edit26 = nullptr;
    TLabel *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr,
           *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label25 = nullptr, *Label26 = nullptr,
           *Label27 = nullptr, *Label28 = nullptr, *Label29 = nullptr;
    TLabel *Anzahl = nullptr, *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label20 = nullptr;
    TSpeedButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TPanel* Panel1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    THttpClient* HttpCli1 = nullptr;

    // Writes the counts of the hit table ([hits][stars]) into the count
    // edits, in the window's order; each change recomputes.
    void SetCounts(const int32_t (&statistik)[7][3]);

    // ---- Handlers ----
    void Edit9Change(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void FormCreate(TObject* Sender);
    void FormResize(TObject* Sender);

    // While a command writes several edits, a recomputation that fails on a
    // text the user typed is reported once, when the command ends, instead
    // of once per edit; the writes go on meanwhile.
    class QuietScope {
    public:
        explicit QuietScope(TForm9& form);
        ~QuietScope();
        QuietScope(const QuietScope&) = delete;
        QuietScope& operator=(const QuietScope&) = delete;
        // Raises the first failure seen in the scope, if any, and forgets it.
        void ReportFailure();

    private:
        TForm9& form_;
    };

private:
    void design();
    void recompute();

    int quiet_ = 0;
    std::string failure_;  // the first recomputation failure while quiet
};

extern TForm9* Form9;
