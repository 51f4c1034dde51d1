// The basket command: the tips of the view into the provider's basket, one
// browser address per six tips, with the extra-games window between them.

#include "app/LottoZahlen.h"
#include "app/MakerServices.h"
#include "output/BasketAddress.h"
#include "output/Spielwahl.h"
#include "platform/rtl/FileUtils.h"

#include <cerrno>

namespace {

constexpr int kPauseBetweenAddresses = 2000;  // ms
constexpr int kBasketTimeout = 5000;          // ms to connect, and without data
const char* const kMessagePageName = "Meldung.htm";
const char* const kCheckBasket = "Überprüfen Sie den Tipp im Warenkorb!!!";

std::string badTipText(const std::string& where, int starMax) {
    return where + " ist kein gültiger Tipp: fünf verschiedene Zahlen von 1 bis 50 und zwei verschiedene "
                   "Sterne von 1 bis " + std::to_string(starMax) + " werden erwartet. Es wurde nichts übergeben.";
}

// Shows the extra-games window, lets it draw a new ticket number and closes it again.
void cycleExtraGames() {
    if (!Form5) return;
    Form5->ShowForm();
    Form5->SpeedButton2Click(Form5);
    Form5->BitBtn3Click(Form5);
}

void openAddress(const std::string& address) { Application->Services().ShellExecute("open", address, "", ""); }

}  // namespace

void TForm1::WarenkorbClick(TObject* Sender) { SpeedButton17Click(Sender); }

void TForm1::SpeedButton17Click(TObject*) {
    const bool listView = Gewinnzahlen->Visible();

    // Every tip is checked before anything is sent.
    std::vector<BasketTip> listTips;
    GridBasketRows gridRows;
    if (listView) {
        const TStringList& lines = Gewinnzahlen->Items();
        for (int i = 0; i < lines.Count(); ++i) {
            auto tip = CheckedBasketTip(ListLineBasketFields(lines[i]), SternenzahlMax);
            if (!tip) {
                ShowMessage(badTipText("Die Zeile " + std::to_string(i + 1) + " der Tippliste", SternenzahlMax));
                return;
            }
            listTips.push_back(std::move(*tip));
        }
    } else {
        for (int r = 0; r < kTipRows; ++r) {
            std::vector<std::string> fields;
            bool anyText = false;
            for (TEdit* edit : Row(r).Edits) {
                fields.push_back(edit->Text());
                anyText = anyText || !edit->Text().empty();
            }
            if (!anyText) continue;
            auto tip = CheckedBasketTip(fields, SternenzahlMax);
            if (!tip) {
                ShowMessage(badTipText("Der " + std::to_string(r + 1) + ". Tipp", SternenzahlMax));
                return;
            }
            gridRows[static_cast<std::size_t>(r)] = std::move(*tip);
        }
    }

    const int tipCount = listView ? static_cast<int>(listTips.size()) : UpDown8->Position();
    if (Form5) Form5->Tipp = tipCount;

    HttpCli1->SetProxy(ProxyHostEdit->Text(), ProxyPortEdit->Text());
    HttpCli1->ConnectTimeout = kBasketTimeout;
    HttpCli1->ReadTimeout = kBasketTimeout;
    const HttpResult reply = HttpCli1->Request(BasketUrl(Lottoportal->Text(), tipCount));
    HttpCli1->Disconnect();
    if (!reply.Completed)
        throw EHttpError(reply.StatusCode, reply.StatusText.empty() ? "Keine Verbindung zum Warenkorb" : reply.StatusText);

    if (IsBasketMessagePage(reply.StatusCode, reply.Body)) {
        // The page declares its own character set: its bytes are kept as they came.
        const std::string page = Home + kMessagePageName;
        if (!WriteFileAtomically(page, reply.Body)) throw EInOutError(errno);
        openAddress(page);
        return;
    }

    const std::string completed =
        CompleteBasketTemplate(MarkTipCount(BasketTemplateOf(reply.StatusCode, reply.Body, BasketFallbackTemplate()), tipCount));
    const std::vector<std::string> addresses =
        listView ? ListBasketAddresses(completed, listTips) : GridBasketAddresses(completed, gridRows);
    for (const std::string& address : addresses) {
        if (address.size() > kMaxBasketAddress) {
            ShowMessage("Die Adresse des Warenkorbs ist mit " + std::to_string(address.size()) +
                        " Zeichen länger als " + std::to_string(kMaxBasketAddress) +
                        " Zeichen. Es wurde nichts übergeben.");
            return;
        }
    }

    if (listView) {
        for (const std::string& address : addresses) {
            openAddress(address);
            StatusBar1->SetPanelText(1, kCheckBasket);
            cycleExtraGames();
            Application->Services().Sleep(kPauseBetweenAddresses);
        }
        return;
    }
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        if (i > 0) {
            Application->Services().Sleep(kPauseBetweenAddresses);
            cycleExtraGames();
        }
        openAddress(addresses[i]);
        StatusBar1->SetPanelText(1, Meldung(73));
    }
}
