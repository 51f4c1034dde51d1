// The update of the draw history from the maker's first host: one request
// per draw date after the last stored draw up to today, one record per reply
// line; and the rebuild of the history from a chosen date.

#include "app/ComposedMessages.h"
#include "app/LottoZahlen.h"
#include "app/MakerServices.h"
#include "draws/DrawFile.h"
#include "draws/DrawUpdate.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"

#include <cerrno>
#include <exception>
#include <optional>

namespace {

// What every end of an update leaves, also one by an error: the file
// closed, the start controls enabled, the stop button hidden.
class UpdateRun {
public:
    explicit UpdateRun(TForm1& form) : form_(form) {
        form_.BitBtn1->SetEnabled(false);
        form_.SpeedButton10->SetEnabled(false);
        form_.SpeedButton8->SetVisible(true);
    }
    ~UpdateRun() {
        // On an error the appender's own end closes the file without
        // reporting and without the records of an unfinished reply; the
        // error that is on its way says what went wrong.
        file_.reset();
        form_.Button1->SetEnabled(true);
        form_.BitBtn1->SetEnabled(true);
        form_.SpeedButton10->SetEnabled(true);
        form_.SpeedButton8->SetVisible(false);
    }
    UpdateRun(const UpdateRun&) = delete;
    UpdateRun& operator=(const UpdateRun&) = delete;

    DrawAppender& Open(const std::string& path) { return file_.emplace(path); }
    void Close() {
        file_->Close();
        file_.reset();
    }

private:
    TForm1& form_;
    std::optional<DrawAppender> file_;
};

// The date of the last whole record, 0 for an empty history.
TDateTime LastStoredDate(const std::string& path) {
    DrawScan scan(path);
    TDateTime last = 0;
    while (const DrawRecord* record = scan.Next()) last = record->Datum;
    scan.Close();
    return last;
}

} // namespace

void TForm1::TippwerkClick(TObject* Sender) {
    // One long command at a time; the draw file must not change under a
    // calculation's or a back-test's scans.
    if (LongCommandRunning()) return;
    LongCommandScope running(*this, LongCommand::DrawUpdate);

    bool stored = false;
    std::exception_ptr writeFailure;
    {
        UpdateRun run(*this);
        const std::string path = Home + ZahlenFile;
        DrawAppender& file = run.Open(path);
        const TDateTime last = LastStoredDate(path);
        if (last > 0) DateTimePicker1->SetDate(last);
        DateTimePicker1->SetDate(NextUpdateDate(DateTimePicker1->Date()));

        while (DateTimePicker1->Date() <= ::Date() && SpeedButton8->Visible()) {
            const TDateTime requested = DateTimePicker1->Date();
            HttpCli1->SetProxy(ProxyHostEdit->Text(), ProxyPortEdit->Text());
            Button1->SetEnabled(false);
            StatusBar1->SetPanelText(0, "Loading");
            // The date being fetched, on whatever page the window shows.
            StatusBar1->SetPanelText(1, FormatDateTime("DDD dd.mm.yy", requested));
            Application->Services().Repaint();
            HttpCli1->ConnectTimeout = 5000;
            HttpCli1->ReadTimeout = 5000;
            HttpCli1->HandleRedirects = true;
            HttpCli1->RedirectMaximum = 15;
            const HttpResult result = HttpCli1->Request(DrawUpdateUrl(requested));
            StatusBar1->SetPanelText(0, result.StatusText);
            StatusBar1->SetPanelText(1, Meldung(2));
            Button1->SetEnabled(true);

            // A failed transfer or a failing server ends the update here:
            // the date stays the first one the next update asks for. A date
            // the host has no page for (400..499) holds no draw.
            if (!result.Completed || result.StatusCode >= 500) break;
            bool badLine = false;
            if (result.StatusCode < 400) {
                RichEdit1->Lines().SetText(result.Body);
                HttpCli1->Disconnect();
                const std::string lastStored = Label29->Caption();
                bool replyStored = false;
                try {
                    for (std::string_view line : RichEdit1->Lines()) {
                        const std::optional<DrawUpdateValues> values = ParseDrawUpdateLine(line);
                        if (!values) {
                            badLine = true;
                            break;
                        }
                        Label29->SetCaption(FormatDateTime("DDD dd.mm.yy", requested) + "   ");
                        file.Write(DrawUpdateRecord(requested, *values));
                        replyStored = true;
                    }
                    // The reply's draws are in the file before the next
                    // request: a crash or a kill later loses none of them.
                    file.Commit();
                    stored = stored || replyStored;
                } catch (const EInOutError&) {
                    // A write that fails takes the whole reply back out and
                    // ends the update at this date, so the next one asks for
                    // it again; the window still shows the newest stored
                    // draw before the error is reported.
                    Label29->SetCaption(lastStored);
                    writeFailure = std::current_exception();
                    break;
                }
            }
            if (badLine) {
                ShowMessage(ReplyForMessage(RichEdit1->Lines()));
                break;
            }
            DateTimePicker1->SetDate(NextUpdateDate(requested));
            // The one input the update takes: a click on the stop button.
            Application->Services().ProcessMessagesFor(*SpeedButton8);
        }
        HttpCli1->Disconnect();
        if (!writeFailure) run.Close();
    }
    Label35->SetCaption(Label29->Caption());

    SpeedButton5Click(Sender);
    Gewinn = Komplettcheck();
    if (Gewinnzahlen->Visible()) Gewinn = Listengewinncheck();
    if (writeFailure) std::rethrow_exception(writeFailure);
    if (Gewinnzahlen->Visible() && stored && TipListCallsForWinnings(Gewinnzahlen->Items(), Zahl))
        auswertungClick(Sender);
}

void TForm1::Aktualisieren1Click(TObject* Sender) { TippwerkClick(Sender); }

void TForm1::SpeedButton8Click(TObject*) { SpeedButton8->SetVisible(false); }

void TForm1::BitBtn2Click(TObject* Sender) {
    if (LongCommandRunning()) return;
    const std::string question = RebuildQuestion(Meldung(3), DateToStr(DateTimePicker1->Date()), Meldung(4));
    if (Application->MessageBox(question, Meldung(5), MB_YESNO) != IDYES) return;
    const std::string path = Home + ZahlenFile;
    // The update would append to a history that is still there.
    if (FileExists(path) && !DeleteFile(path)) throw EInOutError(errno != 0 ? errno : InOutCode::DiskRead);
    TippwerkClick(Sender);
}
