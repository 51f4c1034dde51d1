// The tip grid's labels after the user resizes the main window: every row's
// label, cross sum and result keep the room their column gives them, and
// the labels of one column are drawn in one font size, in German and in
// languages with longer or other captions. Runs offscreen under ctest;
// started with QT_QPA_PLATFORM=xcb on an X display, it checks the window as
// the window system sized it.

#include "app/LottoZahlen.h"
#include "gui/Attach.h"
#include "platform/registry/Registry.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/StandInHost.h"
#include "support/TempDir.h"

#include "SmokeProgram.h"

#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// One column of the grid: each row's label of one kind.
struct Column {
    const char* name;
    TLabel* TipRow::*label;
};

void expectEvenColumns(const TForm1& f, const std::string& where) {
    SCOPED_TRACE(where);
    for (const Column& column : {Column{"row label", &TipRow::Label}, Column{"cross sum", &TipRow::CrossSum},
                                 Column{"result", &TipRow::Result}}) {
        SCOPED_TRACE(column.name);
        const TLabel& first = *(f.Row(0).*column.label);
        const auto* firstLabel = qobject_cast<const QLabel*>(gui::WidgetOf(first));
        ASSERT_TRUE(firstLabel);
        for (int r = 0; r < kTipRows; ++r) {
            const TLabel& l = *(f.Row(r).*column.label);
            const auto* shown = qobject_cast<const QLabel*>(gui::WidgetOf(l));
            ASSERT_TRUE(shown) << r + 1;
            EXPECT_FALSE(shown->text().isEmpty()) << r + 1;
            // Its room: the designed width, less the gap kept to the next control.
            EXPECT_GE(shown->width(), l.Width() - 3) << r + 1 << ": " << shown->text().toStdString();
            EXPECT_EQ(shown->width(), firstLabel->width()) << r + 1 << ": " << shown->text().toStdString();
            EXPECT_EQ(QFontInfo(shown->font()).pixelSize(), QFontInfo(firstLabel->font()).pixelSize())
                << r + 1 << ": " << shown->text().toStdString();
        }
    }
}

TEST(GridResizeSmoke, EveryRowKeepsItsRoomAndEachColumnOneFontAtEverySize) {
    TempDir program, config;
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(20, EncodeDate(2025, 2, 11)));
    std::filesystem::copy(std::string(STELLIX_PROGRAM_DIR) + "/land", program.file("land"));
    TRegistry::SetHiveFolder(config.home());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    bool driven = false;
    auto drive = [&] {
        TForm1& f = *Form1;
        QWidget* window = gui::WidgetOf(f)->window();
        // Every row holds a tip, so every result label shows its hits.
        const char* tip[] = {"3", "11", "19", "27", "44", "2", "9"};
        for (int r = 0; r < kTipRows; ++r)
            for (size_t i = 0; i < 7; ++i) f.Row(r).Edits[i]->SetText(tip[i]);
        f.Komplettcheck();
        smoke::settle();
        const QSize designed = window->size();
        struct Step {
            TMenuItem* language;
            QSize size;
        };
        for (const Step& s : {Step{f.Deutsch1, QSize(900, 760)}, Step{f.Russisch1, QSize(900, 760)},
                              Step{f.Chinese1, QSize(900, 760)}, Step{f.Englich1, QSize(700, 600)},
                              Step{f.Russisch1, designed}}) {
            s.language->Click();
            smoke::settle();
            window->resize(s.size);
            // A real window system sizes the window a little later.
            EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == s.size; }, 5000))
                << s.language->Name() << " " << window->width() << "x" << window->height();
            smoke::settle();
            expectEvenColumns(f, s.language->Name() + " " + std::to_string(s.size.width()) + "x" +
                                     std::to_string(s.size.height()));
        }
        driven = true;
        f.Close();
    };
    EXPECT_EQ(smoke::RunProgram(program.path().string(), drive), 0);
    EXPECT_TRUE(driven);
    TRegistry::SetHiveFolder("");
}

}  // namespace
