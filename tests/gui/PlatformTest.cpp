// The Qt platform's own pieces: regional settings, dialogs, file filters
// and the shell's command lines.
#include "GuiFixture.h"

#include "gui/DatePickerPeer.h"
#include "gui/FileDialogs.h"
#include "gui/LocaleSettings.h"
#include "gui/QtTranslation.h"
#include "gui/Shell.h"

#include "platform/rtl/Convert.h"
#include "platform/rtl/DateTime.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

namespace {

using QtServices = GuiFixture;

// Runs once the next dialog is up.
template <class Dialog, class F>
void whenShown(F act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        act(*dialog);
    });
}

} // namespace

TEST(LocaleSettings, GermanAsTheRuntimeWritesIt) {
    TFormatSettings s = gui::FormatSettingsFromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(s.ShortDateFormat, "dd.mm.yyyy");
    EXPECT_EQ(s.DateSeparator, '.');
    EXPECT_EQ(s.DecimalSeparator, ',');
    EXPECT_EQ(s.ThousandSeparator, '.');
    EXPECT_EQ(s.ShortDayNames[2], "Di");
    EXPECT_EQ(s.LongDayNames[0], "Sonntag");
    EXPECT_EQ(s.LongMonthNames[2], "März");
    EXPECT_EQ(s.TimeSeparator, ':');
    TDateTime tuesday = EncodeDate(2025, 2, 11);
    EXPECT_EQ(DateToStr(tuesday, s), "11.02.2025");
    EXPECT_EQ(FormatDateTime("ddd dd.mm.yy", tuesday, s), "Di 11.02.25");
    TDateTime back = 0;
    ASSERT_TRUE(TryStrToDate("11.02.2025", back, s));
    EXPECT_EQ(back, tuesday);
}

TEST(LocaleSettings, OtherLocalesKeepTheirOrderWithFourDigitYears) {
    TFormatSettings us = gui::FormatSettingsFromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.ShortDateFormat, "m/d/yyyy");
    EXPECT_EQ(us.DateSeparator, '/');
    EXPECT_EQ(us.DecimalSeparator, '.');
    EXPECT_EQ(us.ShortDayNames[0], "Sun");
    EXPECT_EQ(DateToStr(EncodeDate(2025, 2, 11), us), "2/11/2025");
    EXPECT_EQ(gui::QtDatePattern(us.ShortDateFormat, us.DateSeparator), "M/d/yyyy");
    EXPECT_EQ(gui::QtDatePattern("dd.mm.yyyy", '.'), "dd.MM.yyyy");
}

TEST(LocaleSettings, MoneyIsWrittenTheLocalesWay) {
    const struct {
        QLocale locale;
        const char* written;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "1.150,00 €"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "$1,150.00"},
    };
    for (const auto& c : cases) {
        const TFormatSettings s = gui::FormatSettingsFromLocale(c.locale);
        EXPECT_EQ(FormatCurrency(1150, s), c.written);
    }
}

TEST(FileDialogFilters, BecomeQtNameFilters) {
    struct Case {
        const char* filter;
        QStringList expected;
    } cases[] = {
        {"Tipps (*.zlt)|*.zlt|Alle Dateien|*.*", {"Tipps (*.zlt) (*.zlt)", "Alle Dateien (*.*)"}},
        {"Texte|*.txt;*.csv", {"Texte (*.txt *.csv)"}},
        {"", {}},
        {"ohne Muster", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(gui::QtNameFilters(c.filter), c.expected) << c.filter;
}

TEST(ShellCommandLines, SplitLikeTheShellDoes) {
    struct Case {
        const char* parameters;
        std::vector<std::string> args;
    } cases[] = {
        {"START \"/home/u/Script/a b.zks\" \"1\" \"Text eins\" \"2\" \"\"",
         {"START", "/home/u/Script/a b.zks", "1", "Text eins", "2", ""}},
        {"  einzeln  ", {"einzeln"}},
        {"say \\\"hi\\\"", {"say", "\"hi\""}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(gui::SplitCommandLine(c.parameters), c.args) << c.parameters;

    EXPECT_TRUE(gui::IsWebAddress("https://example.org/x"));
    EXPECT_TRUE(gui::IsWebAddress("www.example.org"));
    EXPECT_FALSE(gui::IsWebAddress("/home/u/Tipp.txt"));
}

TEST(ShellCommandLines, DesktopEditorsGetTheFile) {
    const QString file = "/tmp/Tipps/20250218.zlt";
    struct Case {
        const char* exec;
        QStringList command;
    } cases[] = {
        {"gedit %U", {"gedit", "file:///tmp/Tipps/20250218.zlt"}},
        {"kate -b %f", {"kate", "-b", file}},
        {"mousepad", {"mousepad", file}},
        {"\"/opt/my editor/edit\" --new %F %i", {"/opt/my editor/edit", "--new", file}},
    };
    for (const Case& c : cases) EXPECT_EQ(gui::ExpandDesktopExec(c.exec, file), c.command) << c.exec;
}

TEST_F(QtServices, MessageBoxesAnswerWithTheButtonPressed) {
    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Testprogramm");
        EXPECT_EQ(box.text(), "Liste speichern?");
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        int shown = 0;
        for (QAbstractButton* b : box.buttons()) shown += b->isVisibleTo(&box) ? 1 : 0;
        EXPECT_EQ(shown, 2);
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(platform.QtPlatform::MessageBox("Liste speichern?", "", MB_YESNO | MB_ICONQUESTION), IDNO);

    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Eigener Titel");
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        box.button(QMessageBox::Retry)->click();
    });
    EXPECT_EQ(platform.QtPlatform::MessageBox("Netz weg", "Eigener Titel", MB_RETRYCANCEL | MB_ICONERROR), IDRETRY);
}

// The program's texts are German: so are the buttons Qt names, even on an
// English desktop.
TEST_F(QtServices, MessageBoxButtonsSpeakTheProgramsLanguage) {
    QLocale desktop;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_TRUE(gui::UseQtTranslation("de"));
    auto texts = [](QMessageBox& box) {
        QStringList shown;
        for (QAbstractButton* b : box.buttons())
            if (b->isVisibleTo(&box)) shown << b->text().remove('&');
        shown.sort();
        return shown;
    };
    whenShown<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(texts(box), QStringList({"Ja", "Nein"}));
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(platform.QtPlatform::MessageBox("Liste speichern?", "Speichern?", MB_YESNO | MB_ICONQUESTION), IDYES);
    whenShown<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(texts(box), QStringList({"Abbrechen", "Ja", "Nein"}));
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(platform.QtPlatform::MessageBox("Beenden?", "", MB_YESNOCANCEL), IDCANCEL);
    whenShown<QInputDialog>([&](QInputDialog& box) {
        QStringList shown;
        for (QAbstractButton* b : box.findChildren<QAbstractButton*>()) shown << b->text().remove('&');
        EXPECT_TRUE(shown.contains("Abbrechen")) << shown.join(',').toStdString();
        box.reject();
    });
    platform.InputBox("Glückszahl", "Ihre Zahl:", "7");

    // Another language replaces it; none gives Qt's own texts back.
    EXPECT_FALSE(gui::UseQtTranslation(""));
    whenShown<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(texts(box), QStringList({"No", "Yes"}));
        box.button(QMessageBox::No)->click();
    });
    platform.QtPlatform::MessageBox("Liste speichern?", "", MB_YESNO);
    QLocale::setDefault(desktop);
}

TEST_F(QtServices, InputBoxCancelGivesTheDefaultBack) {
    whenShown<QInputDialog>([](QInputDialog& box) { box.reject(); });
    EXPECT_EQ(platform.InputBox("Glückszahl", "Ihre Zahl:", "7"), "7");
    whenShown<QInputDialog>([](QInputDialog& box) {
        box.setTextValue("13");
        box.accept();
    });
    EXPECT_EQ(platform.InputBox("Glückszahl", "Ihre Zahl:", "7"), "13");
}

TEST_F(QtServices, FileDialogsOfferTheComponentsSettingsAndKeepTheChoice) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto* save = form->Create<TSaveDialog>("SaveDialog1");
    save->Filter = "Tippdateien|*.zlt|Textdateien|*.txt";
    save->FilterIndex = 2;
    save->DefaultExt = "zlt";
    save->InitialDir = folder.path().toStdString();
    save->FileName = "20250218";
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        EXPECT_EQ(dialog.selectedNameFilter(), "Textdateien (*.txt)");
        EXPECT_EQ(dialog.defaultSuffix(), "zlt");
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        dialog.selectNameFilter("Tippdateien (*.zlt)");
        dialog.selectFile("meine");
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    ASSERT_TRUE(save->Execute());
    EXPECT_EQ(QDir(QFileInfo(QString::fromStdString(save->FileName)).absolutePath()).canonicalPath(),
              QDir(folder.path()).canonicalPath());
    EXPECT_EQ(QFileInfo(QString::fromStdString(save->FileName)).fileName(), "meine.zlt");
    EXPECT_EQ(save->FilterIndex, 1);

    auto* open = form->Create<TOpenDialog>("OpenDialog1");
    open->FileName = "unverändert";
    whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(open->Execute());
    EXPECT_EQ(open->FileName, "unverändert");
}

TEST_F(QtServices, MissingSoundIsSilent) {
    platform.PlaySoundAsync("/nonexistent/yippee.wav");
    SUCCEED();
}
