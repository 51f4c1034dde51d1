// The Alt letters ("&" in a caption) of every window in every shipped
// language, as Qt binds them: no two top-level menus, no two controls of a
// window and no menu with its window's controls share a letter, and no two
// items of one submenu do.

#include "app/LanguageFiles.h"
#include "app/ProgramWindows.h"
#include "gui/Text.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "support/MainWindow.h"

#include <QKeySequence>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

// The Alt letters of one group of controls and menu items; a clash names
// both captions.
class AltLetters {
public:
    explicit AltLetters(std::string where) : where_(std::move(where)) {}
    void add(const std::string& caption) {
        const QKeySequence key = QKeySequence::mnemonic(gui::ToQt(caption));
        if (key.isEmpty()) return;
        const auto [at, fresh] = seen_.emplace(key.toString(), caption);
        EXPECT_TRUE(fresh) << where_ << ": \"" << caption << "\" and \"" << at->second << "\" share "
                           << key.toString().toStdString();
    }

private:
    std::string where_;
    std::map<QString, std::string> seen_;
};

void checkSubmenus(const TMenuItem& item, const std::string& where) {
    if (item.Count() == 0) return;
    AltLetters items(where + " " + item.Caption());
    for (int i = 0; i < item.Count(); ++i) {
        items.add(item.Items(i)->Caption());
        checkSubmenus(*item.Items(i), where);
    }
}

void checkWindow(const TForm& form) {
    AltLetters window(form.Name());
    if (TMainMenu* menu = form.Menu()) {
        for (int i = 0; i < menu->Items().Count(); ++i) {
            window.add(menu->Items().Items(i)->Caption());
            checkSubmenus(*menu->Items().Items(i), form.Name());
        }
    }
    // Buttons, check boxes, radio items and page tabs: whatever Qt gives
    // an Alt letter to.
    for (TComponent* c : form.ComponentList()) {
        if (auto* button = dynamic_cast<TButtonControl*>(c)) window.add(button->Caption());
        else if (auto* check = dynamic_cast<TCheckBox*>(c)) window.add(check->Caption());
        else if (auto* page = dynamic_cast<TTabSheet*>(c)) window.add(page->Caption());
        else if (auto* group = dynamic_cast<TRadioGroup*>(c))
            for (std::string_view item : group->Items()) window.add(std::string(item));
    }
}

TEST(AcceleratorKeys, NoWindowOrMenuSharesAnAltLetterInAnyLanguage) {
    MainWindowHarness h;
    CreateProgramWindows(*h.app);
    std::filesystem::copy(std::string(STELLIX_PROGRAM_DIR) + "/land", h.dir.home() + "land");
    TForm1& f = *Form1;

    auto checkAll = [&](const std::string& language) {
        SCOPED_TRACE(language);
        int windows = 0;
        for (TComponent* c : h.app->ComponentList())
            if (auto* form = dynamic_cast<TForm*>(c)) {
                checkWindow(*form);
                ++windows;
            }
        EXPECT_GE(windows, 8);
    };
    checkAll("built-in");
    for (const Language& l : Languages()) {
        f.DateiLaden1Click(h.dir.home() + "land/Stellix.txt", l.Code);
        checkAll(l.Code);
    }
    // The check reads the captions a load gave: English is not German.
    f.DateiLaden1Click(h.dir.home() + "land/Stellix.txt", "en");
    EXPECT_NE(f.Schlieen1->Caption(), "&Schließen");
}

TEST(AcceleratorKeys, TheCheckFindsAClash) {
    EXPECT_NONFATAL_FAILURE(
        {
            AltLetters letters("menu");
            letters.add("&Load draw results");
            letters.add("Sprache/&Language");
        },
        "share Alt+L");
    EXPECT_NONFATAL_FAILURE(
        {
            AltLetters letters("window");
            letters.add("&Загрузить");
            letters.add("&закрыть");
        },
        "share");
}

}  // namespace
