// The program in three languages with other scripts, in process and
// offscreen: the menu's language items switch the windows, and a picture of
// the main window is kept for each; the entry dialog, made anew for every
// entry, comes up in the language chosen before it.

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "draws/LoEingab.h"
#include "gui/Attach.h"
#include "gui/FrontEnd.h"
#include "platform/forms/Application.h"
#include "platform/registry/Registry.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/StandInHost.h"
#include "support/TempDir.h"

#include "SmokeProgram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using smoke::picture;
using smoke::settle;

TEST(LanguageSmoke, TheMainWindowInRussianGreekAndChinese) {
    TempDir program, config;
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(20, EncodeDate(2025, 2, 11)));
    std::filesystem::copy(std::string(STELLIX_PROGRAM_DIR) + "/land", program.file("land"));
    TRegistry::SetHiveFolder(config.home());
    qputenv("QT_QPA_PLATFORM", "offscreen");

    std::vector<std::string> captions;
    auto drive = [&] {
        TForm1& f = *Form1;
        settle();
        QWidget* window = gui::WidgetOf(f)->window();
        struct Choice {
            TMenuItem* item;
            const char* name;
        };
        for (const Choice& c : {Choice{f.Russisch1, "ru"}, Choice{f.Grischisch1, "gr"}, Choice{f.Chinese1, "cn"},
                                Choice{f.Deutsch1, "de"}}) {
            c.item->Click();
            settle();
            captions.push_back(f.BitBtn4->Caption());
            window->grab().save(QString::fromStdString(picture(std::string("main_window_") + c.name + ".png")));
        }
        f.Close();
    };
    const int exitCode = smoke::RunProgram(program.path().string(), drive);
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(captions.size(), 4u);
    EXPECT_EQ(captions[0], "Рассчитать ставки");
    EXPECT_EQ(captions[1], "Υπολογισμός στηλών");
    EXPECT_EQ(captions[2], "计算选号");
    EXPECT_EQ(captions[3], "Tipps berechnen");
    TRegistry::SetHiveFolder("");
}

// What the entry dialog shows on screen, read from its widgets.
struct EntryDialogTexts {
    QString title, cancel, ok, star1, star2;
};

EntryDialogTexts textsOnScreen(const TForm3& d) {
    auto text = [](const TControl* c) {
        QWidget* w = gui::WidgetOf(*c);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        return QString("(no widget)");
    };
    return {gui::WindowOf(d)->windowTitle(), text(d.BitBtn1), text(d.BitBtn2), text(d.Label1), text(d.Label2)};
}

EntryDialogTexts textsOf(const TForm3& d) {
    auto q = [](const std::string& s) { return QString::fromStdString(s); };
    return {q(d.Caption()), q(d.BitBtn1->Caption()), q(d.BitBtn2->Caption()), q(d.Label1->Caption()),
            q(d.Label2->Caption())};
}

void PrintTo(const EntryDialogTexts& t, std::ostream* os) {
    *os << '[' << t.title.toStdString() << " | " << t.cancel.toStdString() << " | " << t.ok.toStdString() << " | "
        << t.star1.toStdString() << " | " << t.star2.toStdString() << ']';
}

bool operator==(const EntryDialogTexts& a, const EntryDialogTexts& b) {
    return a.title == b.title && a.cancel == b.cancel && a.ok == b.ok && a.star1 == b.star1 && a.star2 == b.star2;
}

TEST(LanguageSmoke, TheEntryDialogComesUpInTheLanguageChosenBeforeIt) {
    TempDir program, config;
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(20, EncodeDate(2025, 2, 11)));
    std::filesystem::copy(std::string(STELLIX_PROGRAM_DIR) + "/land", program.file("land"));
    TRegistry::SetHiveFolder(config.home());
    qputenv("QT_QPA_PLATFORM", "offscreen");

    struct Seen {
        std::string language;
        EntryDialogTexts shown, program;
    };
    std::vector<Seen> seen;
    auto drive = [&] {
        TForm1& f = *Form1;
        settle();
        for (TMenuItem* item : {f.Englich1, f.Chinese1, f.Russisch1}) {
            item->Click();
            settle();
            QTimer::singleShot(0, [&] {
                // The dialog of this entry: the main window's own, not the
                // program's Form3.
                const TForm3* dialog = nullptr;
                for (TComponent* c : f.ComponentList())
                    if (auto* d = dynamic_cast<TForm3*>(c); d && d != Form3) dialog = d;
                ASSERT_TRUE(dialog);
                QDialog* window = gui::WindowOf(*dialog);
                ASSERT_TRUE(window && window->isVisible());
                seen.push_back({item->Name(), textsOnScreen(*dialog), textsOf(*Form3)});
                window->grab().save(QString::fromStdString(picture("entry_dialog_" + item->Name() + ".png")));
                qobject_cast<QAbstractButton*>(gui::WidgetOf(*dialog->BitBtn1))->click();
            });
            f.BitBtn8Click(f.BitBtn8);
        }
        f.Close();
    };
    EXPECT_EQ(smoke::RunProgram(program.path().string(), drive), 0);
    const EntryDialogTexts german{"Zahlen der Ziehung eingeben", "&Abbrechen", "OK", "E:", "E:"};
    ASSERT_EQ(seen.size(), 3u);
    for (const Seen& s : seen) {
        SCOPED_TRACE(s.language);
        // As the program's own entry window, which the load reached.
        EXPECT_EQ(s.shown, s.program);
        EXPECT_NE(s.shown.title, german.title);
        EXPECT_NE(s.shown.cancel, german.cancel);
        EXPECT_EQ(s.shown.star1, s.shown.star2);
    }
    EXPECT_EQ(seen[0].shown.title, "Enter the numbers of the draw");
    EXPECT_EQ(seen[0].shown.cancel, "&Cancel");
    EXPECT_EQ(seen[1].shown.cancel, "取消(&A)");
    EXPECT_EQ(seen[1].shown.ok, "确定");
    EXPECT_EQ(seen[1].shown.star1, "星:");
    EXPECT_EQ(seen[2].shown.title, "Ввести номера тиража");
    EXPECT_EQ(seen[2].shown.star2, "З:");
    TRegistry::SetHiveFolder("");
}

}  // namespace
