// The program in each of its 19 languages, in process and offscreen: on
// every window, every shown caption is drawn within its control, in the
// font the control uses, or cut with "…" and shown whole in the tooltip; no
// single-line label reaches into the control to its right; the row of tabs
// of every page control fits its width; and every menu of the main menu
// sits in the bar, none behind its overflow mark. A cut is the last resort:
// each language lists its cut captions, as shown and whole, so that a cut
// that takes a sentence's verb can be seen, and has at most two of them. A
// picture of each page of the main window is kept per language.

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "gui/Attach.h"
#include "gui/ButtonPeers.h"
#include "gui/ContainerPeers.h"
#include "gui/FrontEnd.h"
#include "gui/Text.h"
#include "platform/forms/Application.h"
#include "platform/registry/Registry.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/StandInHost.h"
#include "support/TempDir.h"

#include "SmokeProgram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

using smoke::picture;
using smoke::settle;

const QChar kEllipsis(0x2026);

// The cut captions a language may have where no shorter wording reads well.
constexpr size_t kMostCuts = 2;

// A caption with its accelerator marks, as a button shows it.
QString Shown(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') shown += caption[++i];
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

// The width the style draws a button's text in.
int TextRoom(const QAbstractButton& b) {
    QStyleOptionButton option;
    option.initFrom(&b);
    option.rect = b.rect();
    const int icon = b.icon().isNull() ? 0 : b.iconSize().width() + 4;
    if (qobject_cast<const QCheckBox*>(&b)) return b.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &b).width();
    if (qobject_cast<const QRadioButton*>(&b))
        return b.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &b).width();
    if (qobject_cast<const QToolButton*>(&b))
        return b.width() - 2 * b.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &b) - icon;
    return b.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &b).width() - icon;
}

// Shown in its window once the window and its page are: visible up to the
// window, on pages whose tab shows.
bool Shows(const TControl& c) {
    for (const TControl* p = &c; p && p->Parent(); p = p->Parent()) {
        auto* sheet = dynamic_cast<const TTabSheet*>(p);
        if (sheet ? !sheet->TabVisible() : !p->Visible()) return false;
    }
    return true;
}

struct Checker {
    std::string language;
    int checked = 0;
    // "window.control: shown / whole" of every caption drawn cut.
    std::vector<std::string> cuts;

    explicit Checker(std::string name) : language(std::move(name)) {}

    std::string where(const TComponent& c) const { return language + " " + c.Owner()->Name() + "." + c.Name(); }

    void cut(const TComponent& c, const QString& drawn, const QString& whole, const std::string& room = {}) {
        cuts.push_back(c.Owner()->Name() + "." + c.Name() + ": \"" + drawn.toStdString() + "\" / \"" +
                       whole.toStdString() + "\"" + room);
    }

    // Lists the cuts and holds them to the few a language may have.
    void fewCuts() const {
        std::string list;
        for (const std::string& c : cuts) list += "\n  " + c;
        std::printf("%s: %zu cut of %d captions%s\n", language.c_str(), cuts.size(), checked, list.c_str());
        EXPECT_LE(cuts.size(), kMostCuts) << language << " has " << cuts.size() << " cut captions:" << list;
    }

    // Drawn whole within `room`, or cut with the whole caption in the tooltip.
    void fits(const TComponent& c, const QString& whole, const QString& drawn, const QFont& font, int room,
              const QString& toolTip) {
        ++checked;
        const int width = QFontMetrics(font).horizontalAdvance(drawn);
        EXPECT_LE(width, room) << where(c) << ": \"" << drawn.toStdString() << "\" in " << font.pixelSize() << " px";
        if (drawn == whole) return;
        cut(c, drawn, whole,
            " (" + std::to_string(QFontMetrics(font).horizontalAdvance(whole)) + " of " + std::to_string(room) +
                " px at " + std::to_string(font.pixelSize()) + " px)");
        EXPECT_TRUE(drawn.endsWith(kEllipsis)) << where(c) << ": \"" << drawn.toStdString() << "\"";
        EXPECT_TRUE(toolTip.contains(whole)) << where(c) << ": tooltip \"" << toolTip.toStdString() << "\"";
    }

    void button(const TComponent& c, const QAbstractButton& b, const std::string& caption) {
        if (caption.empty()) return;
        fits(c, Shown(gui::ToQt(caption)), Shown(b.text()), b.font(), TextRoom(b), b.toolTip());
    }

    void label(const TLabel& l, const QLabel& q) {
        const QString whole = gui::WithoutAccelerators(l.Caption());
        if (whole.isEmpty()) return;
        if (!l.WordWrap) {
            fits(l, whole, q.text(), q.font(), q.contentsRect().width(), q.toolTip());
        } else {
            ++checked;
            QRect needed = QFontMetrics(q.font()).boundingRect(QRect(0, 0, q.width(), INT_MAX / 2),
                                                               Qt::TextWordWrap, q.text());
            EXPECT_LE(needed.height(), q.height()) << where(l) << ": \"" << q.text().toStdString() << "\"";
            if (q.text() != whole) {
                cut(l, q.text(), whole);
                EXPECT_TRUE(q.toolTip().contains(whole)) << where(l);
            }
        }
        // Nothing shown to its right within its reach (a transparent label
        // without a caption shows nothing).
        for (const TControl* other : l.Parent()->ControlList()) {
            QWidget* w = gui::WidgetOf(*other);
            if (other == &l || !w || !Shows(*other) || other->Left() <= l.Left()) continue;
            if (auto* blank = dynamic_cast<const TLabel*>(other); blank && blank->Transparent && blank->Caption().empty())
                continue;
            EXPECT_FALSE(q.geometry().intersects(w->geometry())) << where(l) << " overlaps " << other->Name();
        }
    }

    void tabs(const TPageControl& pc, QTabWidget& tabs) {
        QTabBar* bar = tabs.tabBar();
        int row = 0;
        for (int i = 0, tab = 0; i < pc.PageCount(); ++i) {
            if (!gui::WidgetOf(*pc.Pages(i))) continue;
            if (bar->isTabVisible(tab)) {
                ++checked;
                row += bar->tabRect(tab).width();
                const QString whole = Shown(gui::ToQt(pc.Pages(i)->Caption()));
                const QString drawn = Shown(bar->tabText(tab));
                if (drawn != whole) {
                    cut(*pc.Pages(i), drawn, whole);
                    EXPECT_TRUE(drawn.endsWith(kEllipsis)) << where(*pc.Pages(i));
                    EXPECT_EQ(bar->tabToolTip(tab), whole) << where(*pc.Pages(i));
                }
            }
            ++tab;
        }
        EXPECT_LE(row, tabs.width()) << where(pc) << ": the tabs are wider than the control";
        if (!tabs.isVisible()) return;
        // Each tab as wide as its caption asks, not as the one before.
        const int frame = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        for (int tab = 0; tab < bar->count(); ++tab) {
            if (!bar->isTabVisible(tab)) continue;
            const int text = QFontMetrics(bar->font()).horizontalAdvance(Shown(bar->tabText(tab)));
            EXPECT_NEAR(bar->tabRect(tab).width(), text + frame, 4)
                << where(pc) << " tab " << bar->tabText(tab).toStdString();
        }
        for (auto* arrow : bar->findChildren<QToolButton*>())
            EXPECT_FALSE(arrow->isVisible()) << where(pc) << ": scroll arrows";
    }

    void window(const TForm& form) {
        for (TComponent* component : form.ComponentList()) {
            auto* c = dynamic_cast<TControl*>(component);
            QWidget* w = c ? gui::WidgetOf(*c) : nullptr;
            if (!w || !Shows(*c)) continue;
            if (auto* l = dynamic_cast<TLabel*>(c)) {
                if (auto* q = qobject_cast<QLabel*>(w)) label(*l, *q);
            } else if (auto* g = dynamic_cast<TRadioGroup*>(c)) {
                auto* peer = dynamic_cast<gui::RadioGroupPeer*>(gui::PeerOf(g));
                ASSERT_NE(peer, nullptr);
                const QString title = gui::WithoutAccelerators(g->Caption());
                fits(*g, title, peer->groupBox()->title(), peer->groupBox()->font(), g->Width() - 16,
                     peer->groupBox()->toolTip());
                for (int i = 0; i < static_cast<int>(peer->buttons().size()); ++i)
                    button(*g, *peer->buttons()[static_cast<size_t>(i)], g->Items()[i]);
            } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                button(*c, *b, c->Caption());
            } else if (auto* panel = dynamic_cast<gui::PanelWidget*>(w)) {
                if (!panel->caption().isEmpty())
                    fits(*c, gui::WithoutAccelerators(c->Caption()), panel->caption(), panel->captionFont(),
                         panel->contentsRect().width(), panel->toolTip());
            } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                if (!box->title().isEmpty())
                    fits(*c, gui::WithoutAccelerators(c->Caption()), box->title(), box->font(), box->width() - 16,
                         box->toolTip());
            } else if (auto* pc = dynamic_cast<TPageControl*>(c)) {
                if (auto* t = qobject_cast<QTabWidget*>(w)) tabs(*pc, *t);
            }
        }
    }

    // Every menu of the bar inside it, none in the overflow.
    void menuBar(const TForm1& f, QMenuBar& bar) {
        const QRect inside = bar.rect();
        for (QAction* action : bar.actions()) {
            if (!action->isVisible()) continue;
            ++checked;
            QRect at = bar.actionGeometry(action);
            EXPECT_TRUE(!at.isEmpty() && inside.contains(at))
                << language << " " << Shown(action->text()).toStdString() << " not in the bar";
        }
        auto* overflow = bar.findChild<QToolButton*>("qt_menubar_ext_button");
        EXPECT_TRUE(!overflow || !overflow->isVisible()) << language << ": the menu bar's overflow mark";
        EXPECT_EQ(bar.actions().size(), f.MainMenu1->Items().Count());
    }
};

TEST(CaptionFitSmoke, EveryCaptionFitsItsControlInEveryLanguage) {
    TempDir program, config;
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(20, EncodeDate(2025, 2, 11)));
    std::filesystem::copy(std::string(STELLIX_PROGRAM_DIR) + "/land", program.file("land"));
    TRegistry::SetHiveFolder(config.home());
    // Offscreen unless told otherwise: the same checks run on a real X server.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    int languages = 0;
    qint64 slowest = 0, total = 0;
    auto drive = [&] {
        TForm1& f = *Form1;
        settle();
        QWidget* window = gui::WidgetOf(f)->window();
        auto* bar = window->findChild<QMenuBar*>();
        if (!bar) {
            ADD_FAILURE() << "no menu bar";
            f.Close();
            return;
        }
        auto pictures = [&](const std::string& code) {
            for (int i = 0; i < f.PageControl1->PageCount(); ++i) {
                TTabSheet* page = f.PageControl1->Pages(i);
                if (!page->TabVisible()) continue;
                f.PageControl1->SetActivePage(page);
                settle();
                if (page == f.TabSheet6) {
                    Checker check{f.PageControl2->Name()};
                    check.tabs(*f.PageControl2, *qobject_cast<QTabWidget*>(gui::WidgetOf(*f.PageControl2)));
                }
                window->grab().save(QString::fromStdString(picture("language_" + code + "_" + page->Name() + ".png")));
                if (page != f.TabSheet6) continue;
                for (int j = 0; j < f.PageControl2->PageCount(); ++j) {
                    f.PageControl2->SetActivePage(f.PageControl2->Pages(j));
                    settle();
                    window->grab().save(QString::fromStdString(
                        picture("language_" + code + "_" + f.PageControl2->Pages(j)->Name() + ".png")));
                }
            }
            f.PageControl1->SetActivePage(f.TabSheet1);
            settle();
        };
        // The parameter page is open while the language changes, its
        // sub-pages are not: they must take the new widths all the same.
        f.PageControl1->SetActivePage(f.TabSheet5);
        settle();
        // The window and its pages keep their size in every language; a
        // taller menu bar makes the window taller instead.
        const int width = f.Width(), height = f.Height();
        QWidget* pageControl = gui::WidgetOf(*f.PageControl1);
        const QRect pages = pageControl->geometry();
        TMenuItem& menu = *f.SpracheLanguage1;
        for (int i = 0; i < menu.Count(); ++i) {
            TMenuItem* item = menu.Items(i);
            if (item == f.Dateispeichern1 || item->IsSeparator()) continue;
            QElapsedTimer timer;
            timer.start();
            item->Click();
            slowest = std::max(slowest, timer.elapsed());
            total += timer.elapsed();
            settle();
            Checker check{item->Caption()};
            for (TComponent* c : Application->ComponentList()) {
                auto* form = dynamic_cast<TForm*>(c);
                if (!form) continue;
                check.window(*form);
                // The other windows as they would open, to look at.
                if (form != &f)
                    gui::WidgetOf(*form)->window()->grab().save(
                        QString::fromStdString(picture("language_" + item->Name() + "_" + form->Name() + ".png")));
            }
            check.menuBar(f, *bar);
            EXPECT_EQ(f.Width(), width) << item->Caption();
            EXPECT_EQ(f.Height(), height) << item->Caption();
            EXPECT_EQ(pageControl->geometry(), pages) << item->Caption();
            EXPECT_EQ(bar->geometry().bottom() + 1, pageControl->parentWidget()->geometry().top()) << item->Caption();
            EXPECT_GT(check.checked, 150) << item->Caption();
            check.fewCuts();
            pictures(item->Name());
            ++languages;
        }
        // The last language, Chinese, is kept for the next start.
        f.Close();
    };
    EXPECT_EQ(smoke::RunProgram(program.path().string(), drive), 0);
    EXPECT_EQ(languages, 19);

    // Started in Chinese, the bar shows every menu from the first moment.
    bool started = false;
    EXPECT_EQ(smoke::RunProgram(program.path().string(),
                                [&] {
                                    TForm1& f = *Form1;
                                    settle();
                                    EXPECT_TRUE(f.Chinese1->Checked());
                                    if (auto* bar = gui::WidgetOf(f)->window()->findChild<QMenuBar*>()) {
                                        Checker check{"cn at start"};
                                        check.menuBar(f, *bar);
                                        check.window(f);
                                        check.fewCuts();
                                        started = true;
                                    }
                                    f.Close();
                                }),
              0);
    EXPECT_TRUE(started);
    // A switch loads the language into every window and fits every caption.
    std::printf("language switch: %lld ms on average, %lld ms at most\n",
                static_cast<long long>(total / std::max(languages, 1)), static_cast<long long>(slowest));
    TRegistry::SetHiveFolder("");
}

}  // namespace
