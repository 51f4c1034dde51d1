// Captions longer than their controls: drawn in a smaller font down to the
// minimum, then cut with "…" at the longest start that fits, accelerator
// marks kept; the whole caption then shows in the tooltip beside the hint.

#include "GuiFixture.h"

#include "gui/Appearance.h"
#include "gui/CaptionFit.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QMenuBar>
#include <QLabel>
#include <QFontMetrics>
#include <QKeySequence>

namespace {

const QChar kEllipsis(0x2026);

QFont Font(int pixels) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    return f;
}

int Width(const QString& text, int pixels) { return QFontMetrics(Font(pixels)).horizontalAdvance(text); }

TEST(CaptionFit, ShrinksThenCutsAtTheLongestStartThatFits) {
    const QString caption = QStringLiteral("Historische Analyse beginnend");
    const int full = Width(caption, 13);
    struct Case {
        const char* what;
        int room;
        bool smaller, cut;
    } cases[] = {
        {"room to spare", full + 10, false, false},
        {"just fits", full, false, false},
        {"a little short", full * 92 / 100, true, false},
        {"far too short", full / 2, true, true},
    };
    for (const Case& c : cases) {
        gui::FittedCaption fit = gui::FitCaption(caption, false, Font(13), 10, gui::FitsOnOneLine(c.room));
        EXPECT_EQ(fit.pixelSize < 13, c.smaller) << c.what;
        EXPECT_GE(fit.pixelSize, 10) << c.what;
        EXPECT_EQ(fit.elided, c.cut) << c.what;
        EXPECT_LE(Width(fit.text, fit.pixelSize), c.room) << c.what;
        if (!c.cut) {
            EXPECT_EQ(fit.text, caption) << c.what;
            // The largest size that fits, not just one that does.
            if (fit.pixelSize < 13) {
                EXPECT_GT(Width(caption, fit.pixelSize + 1), c.room) << c.what;
            }
        } else {
            ASSERT_TRUE(fit.text.endsWith(kEllipsis)) << c.what;
            QString start = fit.text.chopped(1);
            EXPECT_TRUE(caption.startsWith(start)) << c.what;
            // One more letter would not fit.
            QString longer = caption.left(start.size() + 1) + kEllipsis;
            EXPECT_GT(Width(longer, 10), c.room) << c.what;
        }
    }
}

TEST(CaptionFit, CutsKeepTheAcceleratorAndWholeCharacters) {
    // The mark stays with its letter; "&&" is one shown "&" and stays whole.
    gui::FittedCaption fit = gui::FitCaption(QStringLiteral("&Datenbank && Tipps aktualisieren"), true, Font(13), 10,
                                             gui::FitsOnOneLine(Width(QStringLiteral("Datenbank & Ti…"), 10)));
    ASSERT_TRUE(fit.elided);
    EXPECT_TRUE(fit.text.startsWith(QStringLiteral("&Datenbank &&"))) << fit.text.toStdString();
    EXPECT_EQ(gui::VisibleText(QStringLiteral("&Datenbank && Tipps"), true), QStringLiteral("Datenbank & Tipps"));

    // Characters outside the basic plane are never split in halves.
    const QString wide = QString::fromUcs4(U"𠀀𠀁𠀂𠀃𠀄𠀅𠀆𠀇𠀈𠀉");
    for (int room = 5; room < Width(wide, 10); room += 3) {
        fit = gui::FitCaption(wide, false, Font(13), 10, gui::FitsOnOneLine(room));
        for (qsizetype i = 0; i < fit.text.size(); ++i)
            if (fit.text[i].isHighSurrogate()) {
                EXPECT_TRUE(i + 1 < fit.text.size() && fit.text[i + 1].isLowSurrogate());
            }
    }

    // A room that holds not even "…" leaves the caption as it is.
    fit = gui::FitCaption(QStringLiteral("Tipps"), false, Font(13), 10, gui::FitsOnOneLine(2));
    EXPECT_EQ(fit.text, QStringLiteral("Tipps"));
    EXPECT_FALSE(fit.elided);
}

TEST(CaptionFit, WrappedCaptionsFitTheirLines) {
    const QString caption = QStringLiteral("Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30%)");
    const QSize twoLines(260, 2 * QFontMetrics(Font(13)).lineSpacing());
    gui::FittedCaption fit = gui::FitCaption(caption, false, Font(13), 10, gui::FitsWrapped(twoLines));
    EXPECT_TRUE(gui::FitsWrapped(twoLines)(Font(fit.pixelSize), fit.text));
    fit = gui::FitCaption(caption + caption, false, Font(13), 10, gui::FitsWrapped(twoLines));
    EXPECT_TRUE(fit.elided);
    EXPECT_TRUE(gui::FitsWrapped(twoLines)(Font(fit.pixelSize), fit.text));
}

using CaptionFitPeer = GuiFixture;

TEST_F(CaptionFitPeer, ACutCaptionShowsWholeInTheTooltipBeforeTheHint) {
    auto* box = widgetOf<QCheckBox>(*check);
    ASSERT_NE(box, nullptr);
    check->SetHint("Ein Paar in jedem Tipp");
    check->SetShowHint(true);
    const std::string longCaption = "eine Paarbildung pro Tipp in jedem einzelnen Tipp erzwingen";
    check->SetCaption(longCaption);
    EXPECT_TRUE(box->text().endsWith(kEllipsis));
    EXPECT_EQ(box->toolTip(), QString::fromStdString(longCaption) + "\nEin Paar in jedem Tipp");
    EXPECT_LT(box->font().pixelSize(), gui::ToQFont(check->Font()).pixelSize());
    // The control keeps its own texts: the status bar shows its hint.
    EXPECT_EQ(check->Caption(), longCaption);
    EXPECT_EQ(check->Hint(), "Ein Paar in jedem Tipp");
    // Wide enough again, it is drawn whole in its own font.
    check->SetWidth(520);
    EXPECT_EQ(box->text(), QString::fromStdString(longCaption));
    EXPECT_EQ(box->font().pixelSize(), gui::ToQFont(check->Font()).pixelSize());
    EXPECT_EQ(box->toolTip(), "Ein Paar in jedem Tipp");

    // Cut before its accelerator's letter, it still answers to the key.
    check->SetWidth(150);
    check->SetCaption("eine Paarbildung pro Tipp in jedem einzelnen Tipp &erzwingen");
    ASSERT_FALSE(box->text().contains(u'&'));
    EXPECT_EQ(box->shortcut(), QKeySequence(Qt::ALT | Qt::Key_E));
}

TEST_F(CaptionFitPeer, ALabelGrowsUpToTheControlOnItsRight) {
    TLabel* row = form->Create<TLabel>("Label61");
    row->SetParent(tipPage);
    row->SetBounds(10, 150, 40, 16);
    TEdit* edit = form->Create<TEdit>("Edit62");
    edit->SetParent(tipPage);
    edit->SetBounds(70, 148, 30, 21);
    edit->Hide();
    auto* shown = widgetOf<QLabel>(*row);
    ASSERT_NE(shown, nullptr);
    row->SetCaption("10. Ставка");
    const int natural = QFontMetrics(shown->font()).horizontalAdvance(shown->text());
    ASSERT_GT(natural, 60);
    EXPECT_GE(shown->width(), natural);  // nothing beside it: as wide as its caption

    // The edit appears: the label stops before it and its caption shrinks.
    edit->Show();
    EXPECT_LT(shown->geometry().right(), 70);
    EXPECT_LE(QFontMetrics(shown->font()).horizontalAdvance(shown->text()), shown->width());
    EXPECT_EQ(row->Width(), 40);  // the control keeps its own size
}

// The cross sum and the ticket number beside it, as on the tip page: the
// sum's figure stays in view while no ticket number is shown.
TEST_F(CaptionFitPeer, ALabelGrowsOverALabelThatDrawsNothing) {
    TLabel* sum = form->Create<TLabel>("Label13");
    sum->SetParent(tipPage);
    sum->SetBounds(10, 150, 100, 16);
    TLabel* ticket = form->Create<TLabel>("Losnummer");
    ticket->SetParent(tipPage);
    ticket->SetBounds(80, 150, 68, 16);
    auto* shown = widgetOf<QLabel>(*sum);
    ASSERT_NE(shown, nullptr);
    const std::string caption = "Somme des numéros :  103";
    const QString whole = QString::fromStdString(caption);
    sum->SetCaption(caption);
    ASSERT_GT(QFontMetrics(shown->font()).horizontalAdvance(whole), 80);
    EXPECT_EQ(shown->text(), whole);

    ticket->SetCaption("1234567");
    EXPECT_LT(shown->geometry().right(), 80);
    EXPECT_TRUE(shown->text().endsWith(kEllipsis));

    ticket->SetCaption("");
    EXPECT_EQ(shown->text(), whole);
}

TEST_F(CaptionFitPeer, TheMenuBarShowsEveryMenuInASmallerFontWhenTheyAreTooWide) {
    for (const char* caption : {"&Ziehungsdaten aus dem Netz", "&Berechnen der Tipps", "&Abgeben beim Anbieter"}) {
        auto* item = form->Create<TMenuItem>(std::string("Menu") + caption[1]);
        item->SetCaption(caption);
        menu->Items().Add(item);
    }
    form->SetWidth(900);
    settle();
    auto* bar = window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const int full = QFontInfo(bar->font()).pixelSize();
    EXPECT_EQ(full, QFontInfo(window()->font()).pixelSize());  // the window's font
    const int height = form->Height();
    form->SetWidth(bar->sizeHint().width() - 40);
    settle();
    EXPECT_LT(QFontInfo(bar->font()).pixelSize(), full);
    for (QAction* action : bar->actions())
        EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(action))) << action->text().toStdString();
    EXPECT_EQ(form->Height(), height);
    // Wide again, the bar has its own font back.
    form->SetWidth(900);
    settle();
    EXPECT_EQ(QFontInfo(bar->font()).pixelSize(), full);
}

}  // namespace
