#include "evaluation/auswert.h"

#include "app/DataLabelTag.h"
#include "app/MakerServices.h"
#include "evaluation/QuotaReply.h"
#include "platform/forms/Application.h"
#include "platform/forms/Designer.h"
#include "platform/rtl/Convert.h"

TForm9* Form9 = nullptr;

const std::array<PrizeClass, kPrizeClasses> PrizeClasses = {{
    {"2", 2, 0, "4", 12},
    {"2 + S", 2, 1, "8", 11},
    {"1 + S + S", 1, 2, "10", 10},
    {"3", 3, 0, "15", 9},
    {"3 + S", 3, 1, "15", 8},
    {"2 + S + S", 2, 2, "20", 7},
    {"4", 4, 0, "50", 6},
    {"3 + S + S", 3, 2, "100", 5},
    {"4 + S", 4, 1, "200", 4},
    {"4 + S + S", 4, 2, "5000", 3},
    {"5", 5, 0, "50000", 2},
    {"5 + S", 5, 1, "250000", 1},
    {"5 + S + S", 5, 2, "10000000", 0},
}};

std::string FillPlaceholder(const std::string& pattern, const std::string& value) {
    const std::size_t at = pattern.find("%s");
    if (at == std::string::npos) return pattern;
    return pattern.substr(0, at) + value + pattern.substr(at + 2);
}

namespace {

constexpr int kRowTop = 32, kRowPitch = 24, kEditHeight = 21;
constexpr int kClassLeft = 8, kClassWidth = 100;
constexpr int kCountLeft = 116, kCountWidth = 50;
constexpr int kQuotaLeft = 174, kQuotaWidth = 100;
constexpr int kAmountLeft = 282, kAmountWidth = 100;
constexpr int kClientWidth = kAmountLeft + kAmountWidth + 8;
constexpr int kTotalTop = kRowTop + kPrizeClasses * kRowPitch + 6;
constexpr int kPanelHeight = 41, kStatusHeight = 19;
constexpr int kClientHeight = kTotalTop + 26 + kPanelHeight + kStatusHeight;

// The design names of each row's controls.
struct RowNames {
    const char *ClassLabel, *Count, *Quota, *Amount;
};
constexpr RowNames kRowNames[kPrizeClasses] = {
    {"Label4", "Edit26", "Edit25", "Label29"},  {"Label5", "Edit1", "Edit9", "Label12"},
    {"Label6", "Edit2", "Edit10", "Label13"},   {"Label7", "Edit3", "Edit11", "Label14"},
    {"Label8", "Edit4", "Edit12", "Label15"},   {"Label9", "Edit5", "Edit13", "Label16"},
    {"Label10", "Edit6", "Edit14", "Label17"},  {"Label11", "Edit7", "Edit15", "Label18"},
    {"Label21", "Edit8", "Edit16", "Label19"},  {"Label22", "Edit17", "Edit21", "Label25"},
    {"Label23", "Edit18", "Edit22", "Label26"}, {"Label24", "Edit19", "Edit23", "Label27"},
    {"Label30", "Edit20", "Edit24", "Label28"},
};

// A message text kept in a control's hint, where the language files
// translate it; never shown as a hint itself.
void KeepMessage(TControl* control, const std::string& text) {
    control->SetHint(text);
    control->SetShowHint(false);
}

}  // namespace

TForm9::TForm9(TComponent* owner) : TForm(owner) {
    Form9 = this;
    design();
    for (int i = 0; i < kPrizeClasses; ++i) {
        auto i_ = static_cast<std::size_t>(i);
        CountEdits[i_]->OnChange = [this](TObject* s) { Edit9Change(s); };
        QuotaEdits[i_]->OnChange = [this](TObject* s) { Edit9Change(s); };
    }
    SpeedButton1->OnClick = [this](TObject* s) { SpeedButton1Click(s); };
    SpeedButton2->OnClick = [this](TObject* s) { SpeedButton2Click(s); };
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnResize = [this](TObject* s) { FormResize(s); };
}

TForm9::~TForm9() {
    if (Form9 == this) Form9 = nullptr;
}

void TForm9::design() {
    SetName("Form9");
    SetCaption("Auswertung und Gewinnberechnung");
    Position = TPosition::poMainFormCenter;
    SetShowHint(true);
    SetBounds(0, 0, kClientWidth, 0);
    SetClientHeight(kClientHeight);

    Place(this, Label1, "Label1", this, kClassLeft, 8, kClassWidth, 16, "Richtig + S + S");
    Place(this, Anzahl, "Anzahl", this, kCountLeft, 8, kCountWidth, 16, "Anzahl");
    Place(this, Label2, "Label2", this, kQuotaLeft, 8, kQuotaWidth, 16, "Gewinnquoten");
    Place(this, Label3, "Label3", this, kAmountLeft, 8, kAmountWidth, 16, "Summe");

    TEdit** edits[] = {&Edit1,  &Edit2,  &Edit3,  &Edit4,  &Edit5,  &Edit6,  &Edit7,  &Edit8,  &Edit9,
                       &Edit10, &Edit11, &Edit12, &Edit13, &Edit14, &Edit15, &Edit16, &Edit17, &Edit18,
                       &Edit19, &Edit20, &Edit21, &Edit22, &Edit23, &Edit24, &Edit25, &Edit26};
    auto editNamed = [&](const std::string& name) -> TEdit*& { return *edits[std::stoi(name.substr(4)) - 1]; };

    for (int i = 0; i < kPrizeClasses; ++i) {
        const auto r = static_cast<std::size_t>(i);
        const RowNames& names = kRowNames[r];
        const int top = kRowTop + i * kRowPitch;
        Place(this, ClassLabels[r], names.ClassLabel, this, kClassLeft, top + 3, kClassWidth, 16,
              PrizeClasses[r].Caption);
        TEdit*& count = editNamed(names.Count);
        Place(this, count, names.Count, this, kCountLeft, top, kCountWidth, kEditHeight);
        count->SetText("0");
        CountEdits[r] = count;
        TEdit*& quota = editNamed(names.Quota);
        Place(this, quota, names.Quota, this, kQuotaLeft, top, kQuotaWidth, kEditHeight);
        quota->SetText("0");
        QuotaEdits[r] = quota;
        Place(this, AmountLabels[r], names.Amount, this, kAmountLeft, top + 3, kAmountWidth, 16);
    }
    Label12 = AmountLabels[1];
    Label13 = AmountLabels[2];
    Label14 = AmountLabels[3];
    Label15 = AmountLabels[4];
    Label16 = AmountLabels[5];
    Label17 = AmountLabels[6];
    Label18 = AmountLabels[7];
    Label19 = AmountLabels[8];
    Label25 = AmountLabels[9];
    Label26 = AmountLabels[10];
    Label27 = AmountLabels[11];
    Label28 = AmountLabels[12];
    Label29 = AmountLabels[0];
    Place(this, Label20, "Label20", this, kAmountLeft, kTotalTop, kAmountWidth, 16, "Summe");
    Label20->SetTag(kDataLabelTag);  // shows the total

    KeepMessage(Edit4, "Spieleinsatz: %s  EUR");
    KeepMessage(Edit3, "Spieleinsatz: noch nicht verfügbar!");
    KeepMessage(Edit1, "Keine Gewähr für die Richtigkeit der Zahlen!");
    KeepMessage(Edit2, "konnte Quote nicht laden");
    KeepMessage(Edit5, "konnte Quote nicht laden");

    // The status bar is the lowest; the button panel stands on it.
    Place(this, StatusBar1, "StatusBar1", this, 0, 0, kClientWidth, kStatusHeight);
    StatusBar1->SetAlign(TAlign::alBottom);
    StatusBar1->AddPanel("", 170);
    StatusBar1->AddPanel("", 50);
    Place(this, Panel1, "Panel1", this, 0, 0, kClientWidth, kPanelHeight);
    Panel1->SetAlign(TAlign::alBottom);
    KeepMessage(Panel1, "Angabe ohne Gewähr");
    KeepMessage(Label2, "Quote für den %s geladen");

    Place(this, SpeedButton1, "SpeedButton1", Panel1, 8, 8, 25, 25, {}, "durchschnittlische Quote eintragen");
    SpeedButton1->SetGlyph("evaluate");
    Place(this, SpeedButton2, "SpeedButton2", Panel1, 37, 8, 25, 25);
    SpeedButton2->SetGlyph("update");
    Place(this, BitBtn1, "BitBtn1", Panel1, kClientWidth - 98, 8, 90, 25);
    BitBtn1->SetKind(TBitBtnKind::bkClose);
    // Escape closes the window as its close button does.
    BitBtn1->Cancel = true;

    HttpCli1 = Create<THttpClient>("HttpCli1");
    HttpCli1->UserAgent = ToolUserAgent;
    HttpCli1->Accept = AcceptedTypes;
    HttpCli1->AllowCookies = true;
}

void TForm9::FormCreate(TObject*) {
    if (Height() > 0) ScaleBy(450, Height());
}

void TForm9::FormResize(TObject*) {}

void TForm9::SetCounts(const int32_t (&statistik)[7][3]) {
    for (int i = 0; i < kPrizeClasses; ++i) {
        const PrizeClass& c = PrizeClasses[static_cast<std::size_t>(i)];
        CountEdits[static_cast<std::size_t>(i)]->SetText(IntToStr(statistik[c.Hits][c.Stars]));
    }
}

void TForm9::recompute() {
    std::array<int, kPrizeClasses> counts{};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        counts[i] = StrToInt(CountEdits[i]->Text());
        QuotaEdits[i]->SetEnabled(counts[i] > 0);
    }
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const std::string& text = QuotaEdits[i]->Text();
        // "-" is the download's mark of a quota it could not read.
        const double quota = text == "-" ? 0.0 : StrToFloat(text);
        AmountLabels[i]->SetCaption(FloatToStrF(quota * counts[i], TFloatFormat::ffFixed, 7, 2));
    }
    double total = 0;
    for (TLabel* amount : AmountLabels) total += StrToFloat(amount->Caption());
    Label20->SetCaption(FloatToStrF(total, TFloatFormat::ffFixed, 9, 2));
}

void TForm9::Edit9Change(TObject*) {
    if (quiet_ == 0) {
        recompute();
        return;
    }
    try {
        recompute();
    } catch (const Exception& e) {
        if (failure_.empty()) failure_ = e.Message();
    }
}

TForm9::QuietScope::QuietScope(TForm9& form) : form_(form) { ++form_.quiet_; }

TForm9::QuietScope::~QuietScope() {
    if (--form_.quiet_ == 0) form_.failure_.clear();
}

void TForm9::QuietScope::ReportFailure() {
    if (form_.quiet_ != 1 || form_.failure_.empty()) return;
    const std::string message = form_.failure_;
    form_.failure_.clear();
    throw EConvertError(message);
}

void TForm9::SpeedButton1Click(TObject*) {
    QuietScope quiet(*this);
    for (int i = 0; i < kPrizeClasses; ++i)
        QuotaEdits[static_cast<std::size_t>(i)]->SetText(PrizeClasses[static_cast<std::size_t>(i)].Average);
    quiet.ReportFailure();
}

void TForm9::SpeedButton2Click(TObject*) {
    const std::string url = QuotaUrl(Datum);
    // A proxy port that is no number stops here, before anything is sent.
    HttpCli1->SetProxy(proxy, Port);

    SpeedButton2->SetEnabled(false);
    struct Reenable {
        TSpeedButton* button;
        ~Reenable() { button->SetEnabled(true); }
    } reenable{SpeedButton2};
    StatusBar1->SetPanelText(0, "Loading");
    if (Application) Application->Services().Repaint();

    const HttpResult reply = HttpCli1->Request(url);
    int status = 0;
    // Only a completed transfer is read.
    const std::string body = reply.Completed ? reply.Body : std::string();
    if (reply.Ok()) {
        StatusBar1->SetPanelText(0, "Received " + IntToStr(static_cast<std::int64_t>(body.size())) + " bytes");
        StatusBar1->SetPanelText(1, Edit1->Hint());
    } else {
        status = reply.StatusCode;
        StatusBar1->SetPanelText(0, "Failed : " + IntToStr(reply.StatusCode) + " " + reply.StatusText);
        StatusBar1->SetPanelText(1, Edit2->Hint());
    }
    if (!QuotaReplyAccepted(status, body)) {
        StatusBar1->SetPanelText(1, Edit5->Hint());
        return;
    }

    const QuotaReply parsed = ParseQuotaReply(body);
    diezahlen = parsed.DrawnNumbers;
    SetCaption(parsed.Stake ? FillPlaceholder(Edit4->Hint(), FloatToStrF(*parsed.Stake, TFloatFormat::ffFixed, 9, 0))
                            : Edit3->Hint());
    QuietScope quiet(*this);
    for (int field = 0; field < QuotaReply::kQuotas; ++field) {
        const auto& quota = parsed.Quotas[static_cast<std::size_t>(field)];
        for (std::size_t r = 0; r < PrizeClasses.size(); ++r) {
            if (PrizeClasses[r].ReplyField != field) continue;
            QuotaEdits[r]->SetText(quota ? FloatToStrF(*quota, TFloatFormat::ffFixed, 9, 2) : "-");
        }
    }
    StatusBar1->SetPanelText(0, Panel1->Hint());
    StatusBar1->SetPanelText(1, FillPlaceholder(Label2->Hint(), FormatDateTime("dd.mm.yy", Datum)));
    quiet.ReportFailure();
}
