#include "gui/QtPlatform.h"

#include "gui/QtTranslation.h"

#include "gui/Appearance.h"
#include "gui/Attach.h"
#include "gui/FileDialogs.h"
#include "gui/FormPeer.h"
#include "gui/LocaleSettings.h"
#include "gui/PaintThrottle.h"
#include "gui/OneControlInput.h"
#include "gui/Shell.h"
#include "gui/SoundPlayer.h"
#include "gui/ReportPreviewPeer.h"
#include "gui/Text.h"

#include "platform/forms/Application.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QThread>

#include <algorithm>

namespace gui {

namespace {

struct ButtonSet {
    std::vector<std::pair<QMessageBox::StandardButton, int>> answers;  // in the order shown
    QMessageBox::StandardButton escape;
};

ButtonSet buttonSet(int flags) {
    using B = QMessageBox;
    switch (flags & MB_BUTTONMASK) {
    case MB_OKCANCEL: return {{{B::Ok, IDOK}, {B::Cancel, IDCANCEL}}, B::Cancel};
    case MB_ABORTRETRYIGNORE:
        return {{{B::Abort, IDABORT}, {B::Retry, IDRETRY}, {B::Ignore, IDIGNORE}}, B::NoButton};
    case MB_YESNOCANCEL: return {{{B::Yes, IDYES}, {B::No, IDNO}, {B::Cancel, IDCANCEL}}, B::Cancel};
    case MB_YESNO: return {{{B::Yes, IDYES}, {B::No, IDNO}}, B::NoButton};
    case MB_RETRYCANCEL: return {{{B::Retry, IDRETRY}, {B::Cancel, IDCANCEL}}, B::Cancel};
    default: return {{{B::Ok, IDOK}}, B::Ok};
    }
}

QMessageBox::Icon icon(int flags) {
    switch (flags & MB_ICONMASK) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// The width the screen a dialog comes up on gives it.
int AvailableWidth(const QWidget& dialog) {
    const QScreen* screen = dialog.parentWidget() ? dialog.parentWidget()->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() : 1 << 16;
}

// The width of a dialog's title as the window manager draws it.
int TitleTextWidth(const QWidget& dialog) {
    return QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).horizontalAdvance(dialog.windowTitle());
}

} // namespace

QtPlatform::QtPlatform(std::string programFolder)
    : programFolder_(std::move(programFolder)),
      sound_(std::make_unique<SoundPlayer>()),
      // About 30 paints a second: smooth to the eye, cheap for a run.
      paints_(std::make_unique<PaintThrottle>(std::chrono::milliseconds(33))) {}

QtPlatform::~QtPlatform() = default;

QWidget* QtPlatform::DialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    if (Application && Application->MainForm) return WindowOf(*Application->MainForm);
    return nullptr;
}

std::string QtPlatform::resolve(const std::string& file) const {
    if (file.empty() || file.front() == '/' || programFolder_.empty()) return file;
    return FromQt(QDir(ToQt(programFolder_)).filePath(ToQt(file)));
}

int QtPlatform::MessageBox(const std::string& text, const std::string& caption, int flags) {
    PaintThrottle::Modal modal(*paints_);
    std::string title = caption.empty() && Application ? Application->Title : caption;
    ButtonSet set = buttonSet(flags);
    QMessageBox box(icon(flags), ToQt(title), ToQt(text), QMessageBox::NoButton, DialogParent());
    // The texts are the program's and the user's own, never markup.
    box.setTextFormat(Qt::PlainText);
    for (auto& [button, id] : set.answers) box.addButton(button);
    // The first button is the default, as the system's boxes have it.
    box.setDefaultButton(set.answers.front().first);
    // A box without Cancel is answered by its buttons only: Escape and the
    // close box press a hidden button that asks again.
    QPushButton* again = nullptr;
    if (set.escape != QMessageBox::NoButton) {
        box.setEscapeButton(set.escape);
    } else {
        again = box.addButton(QString(), QMessageBox::RejectRole);
        again->hide();
        box.setEscapeButton(again);
    }
    // The box sizes itself when it shows, from its layout and with little
    // room for the title beside the window's buttons: a spacer across the
    // box makes the layout as wide as the title needs.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const QMargins margins = grid->contentsMargins();
        const int width = BoxWidthForTitle(0, TitleTextWidth(box), AvailableWidth(box));
        grid->addItem(new QSpacerItem(std::max(width - margins.left() - margins.right(), 0), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    QAbstractButton* clicked = nullptr;
    do {
        box.exec();
        clicked = box.clickedButton();
    } while (again && (clicked == again || !clicked));
    for (auto& [button, id] : set.answers)
        if (clicked && box.standardButton(clicked) == button) return id;
    return set.escape == QMessageBox::Ok ? IDOK : IDCANCEL;
}

int BoxWidthForTitle(int contentWidth, int titleTextWidth, int availableWidth) {
    // The window manager's buttons and icon, on either side of a centred title.
    constexpr int kTitleBarExtra = 180;
    return std::min(std::max(contentWidth, titleTextWidth + kTitleBarExtra), availableWidth);
}

std::string QtPlatform::InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) {
    PaintThrottle::Modal modal(*paints_);
    QInputDialog dialog(DialogParent());
    dialog.setWindowTitle(ToQt(caption));
    dialog.setLabelText(ToQt(prompt));
    dialog.setTextValue(ToQt(defaultText));
    for (QLabel* label : dialog.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
    // The box's layout fixes its size from its contents: widening the edit
    // widens the box.
    const int natural = dialog.sizeHint().width();
    const int width = BoxWidthForTitle(natural, TitleTextWidth(dialog), AvailableWidth(dialog));
    auto* edit = dialog.findChild<QLineEdit*>();
    if (edit && width > natural) {
        const QMargins margins = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
        edit->setMinimumWidth(width - margins.left() - margins.right());
    }
    if (dialog.exec() != QDialog::Accepted) return defaultText;
    return FromQt(dialog.textValue());
}

bool QtPlatform::ExecuteOpenDialog(TOpenDialog& dialog) {
    PaintThrottle::Modal modal(*paints_);
    return ExecuteFileDialog(dialog, FileDialogKind::Open, DialogParent());
}

bool QtPlatform::ExecuteSaveDialog(TSaveDialog& dialog) {
    PaintThrottle::Modal modal(*paints_);
    return ExecuteFileDialog(dialog, FileDialogKind::Save, DialogParent());
}

void QtPlatform::ShowModal(TForm& form) {
    PaintThrottle::Modal modal(*paints_);
    if (FormPeer* peer = AttachForm(form)) peer->execModal();
    // A run that ended without a result (the application quit, say) is a cancel.
    if (form.ModalResult() == mrNone) form.SetModalResult(mrCancel);
}

bool QtPlatform::PrintPage(const TPreparedPage& page) {
    PaintThrottle::Modal modal(*paints_);
    return PrintWithDialog(page, DialogParent());
}

bool QtPlatform::PageSetupDialog(TPageSettings& paper) {
    PaintThrottle::Modal modal(*paints_);
    return PageSetupWithDialog(paper, DialogParent());
}

void QtPlatform::ProcessMessages() { paints_->processMessages(); }

void QtPlatform::Repaint() { paints_->paint(); }

void QtPlatform::PaintWhileWaiting() {
    // The update's stop as well waits for the request's end.
    InputOnHold held;
    // The window system's news first: what it uncovered or restored is
    // painted now, with what the program changed, not at the next turn.
    paints_->processWindowEvents();
    paints_->paint();
}

void QtPlatform::MainWindowComingUp(QWidget* window) { paints_->awaitOnScreen(window); }

void QtPlatform::ProcessMessagesFor(TControl& control) {
    OneControlInput filter(WidgetOf(control), [&control] {
        if (control.Visible() && control.Enabled()) control.Click();
    }, paints_->timer());
    qApp->installEventFilter(&filter);
    paints_->processMessages();
    qApp->removeEventFilter(&filter);
}

bool QtPlatform::ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                              const std::string& directory) {
    return ShellExecuteOnDesktop(verb, file, parameters, directory, programFolder_);
}

void QtPlatform::PlaySoundAsync(const std::string& path) { sound_->play(ToQt(resolve(path))); }

bool QtPlatform::StartProgram(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& a : arguments) args.append(ToQt(a));
    return QProcess::startDetached(ToQt(program), args);
}

void QtPlatform::Sleep(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

TDateTime QtPlatform::Now() {
    QDateTime now = QDateTime::currentDateTime();
    QDate d = now.date();
    QTime t = now.time();
    return EncodeDate(d.year(), d.month(), d.day()) + EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
}

TFormatSettings QtPlatform::UserFormatSettings() { return FormatSettingsFromLocale(QLocale::system()); }

void QtPlatform::ScreenCursorChanged(TCursor cursor) {
    paints_->setCursor(cursor == crDefault ? std::nullopt
                                           : std::optional<QCursor>(ToQCursor(cursor).value_or(QCursor(Qt::ArrowCursor))));
}

void QtPlatform::LongCommandStarted() { paints_->beginLongCommand(); }

void QtPlatform::LongCommandEnded() { paints_->endLongCommand(); }

void QtPlatform::LanguageChanged(const std::string& locale) { UseQtTranslation(locale); }

void QtPlatform::Terminate() { QCoreApplication::quit(); }

} // namespace gui
