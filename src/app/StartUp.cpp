// The main window's creation and show steps.

#include "app/LottoZahlen.h"
#include "app/Settings.h"
#include "app/SettingsKey.h"
#include "draws/DrawFile.h"
#include "generator/Zahlenwahl.h"
#include "output/Spielwahl.h"
#include "output/anders.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Random.h"

namespace {

// The design height of the main window: the windows created after it are
// built for it.
constexpr int kDesignHeight = 546;

// A step of the creation that fails shows its error and the creation goes
// on with the next step, so that a damaged setting cannot leave the window
// half set up.
template <class F>
void step(F&& work) {
    Application->Invoke(std::forward<F>(work));
}

}  // namespace

void TForm1::FormCreate(TObject*) {
    Groesse = 0;
    Sterndatum = EncodeDate(2016, 9, 21);
    SternenzahlMax = ::Date() < Sterndatum ? 11 : 12;
    dfb = ::Date();
    Home = IncludeTrailingPathDelimiter(ExtractFilePath(Application->ExeName));
    SoundName = "yippee.wav";
    LaufMax = 100000;
    sortieren = false;
    Berechnunglaeuft = false;

    TRegistry reg;
    bool keyOpen = false;
    step([&] {
        reg.SetRootKey(HKEY_CURRENT_USER);
        keyOpen = reg.OpenKey(kSettingsKey, true);
    });
    SettingsReader settings(*this, reg);
    auto read = [&](auto&& work) {
        if (keyOpen) step(work);
    };
    read([&] { settings.readLosnummer(); });
    read([&] { settings.readNeuerSchein(); });
    read([&] { SettingsReader::group([&] { settings.readGroup1(); }); });
    read([&] { settings.readStarOption("RadioGroup1"); });
    read([&] { settings.readStarOption("RadioGroup2"); });
    read([&] { SettingsReader::group([&] { settings.readGroup2(); }); });
    read([&] { SettingsReader::group([&] { settings.readGroup3(slipLayout_); }); });
    read([&] { SettingsReader::group([&] { settings.readGroup4(); }); });
    read([&] { settings.readGroup5(); });
    sortieren = true;
    read([&] { SettingsReader::group([&] { settings.readGroup6(); }); });
    read([&] { SettingsReader::group([&] { settings.readGroup7(); }); });
    step([&] { reg.CloseKey(); });

    step([&] {
        if (DateTimePicker2->Date() > IncDay(::Date(), -7)) DateTimePicker2->SetDate(DateTimePicker2->MinDate());
    });
    LaufMax = UpDown7->Position() * 1000;
    if (ProxyHostEdit->Text().empty()) ProxyPortEdit->SetText("80");
    ZahlenFile = "ZahlenEU.dat";
    step([&] { ConvertLegacyDrawFile(Home, ZahlenFile); });
    Randomize();
    aktDatum = DateTimePicker2->Date();
    try {
        DateTimePicker1->SetDate(::Date());
    } catch (const std::exception&) {
    }
    if (Gewinnzahlen->Visible()) {
        step([&] {
            std::string saved = Home + "gewinnzahlen.txt";
            if (FileExists(saved)) Gewinnzahlen->Items().LoadFromFile(saved);
        });
        step([&] { Listengewinncheck(); });
    }
}

void TForm1::FormShow(TObject* Sender) {
    SpracheSetzen();
    TippwerkClick(Sender);
}

void TForm1::WindowCreated(TForm& window) {
    if ((&window == Form6 || &window == Form5) && Groesse > 0 && Groesse != kDesignHeight)
        window.ScaleBy(Groesse, kDesignHeight);
    if (&window == Form8) {
        TEdit* edits[] = {Form8->Edit1, Form8->Edit2, Form8->Edit3, Form8->Edit4, Form8->Edit5, Form8->Edit6};
        for (size_t i = 0; i < 6; ++i)
            if (slipLayout_.Read[i]) edits[i]->SetText(slipLayout_.Text[i]);
    }
}
