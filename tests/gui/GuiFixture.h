#pragma once
// A small window like the program's, rendered by the front end offscreen:
// a menu with shortcuts, a page control with pages, edits, a counter, a
// check box, a label, a list box with tab stops and a status bar. The
// platform is the Qt one, except that message boxes are recorded instead
// of shown and the settings are German.

#include "gui/Attach.h"
#include "gui/QtPlatform.h"

#include "platform/forms/Application.h"
#include "platform/forms/ComCtrls.h"

#include <QDialog>
#include <QString>

#include <ostream>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class RecordingPlatform : public gui::QtPlatform {
public:
    struct Message {
        std::string text;
        std::string caption;
        int flags;
    };
    std::vector<Message> messages;
    bool terminated = false;
    // Answers a box, and may look at the windows while it is up; without
    // it every box is answered with OK.
    std::function<int(const Message&)> answer;

    int MessageBox(const std::string& text, const std::string& caption, int flags) override {
        messages.push_back({text, caption, flags});
        return answer ? answer(messages.back()) : IDOK;
    }
    TFormatSettings UserFormatSettings() override { return TFormatSettings::German(); }
    void Terminate() override { terminated = true; }
};

class GuiFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lets Qt deliver what is pending.
    static void settle();
    QDialog* window() const;
    template <class W>
    W* widgetOf(const TComponent& c) const {
        return qobject_cast<W*>(gui::WidgetOf(c));
    }

    RecordingPlatform platform;
    TApplication app{platform};
    TForm* form = nullptr;
    TMainMenu* menu = nullptr;
    TMenuItem* fileMenu = nullptr;
    TMenuItem* updateItem = nullptr;  // Ctrl+A
    TMenuItem* listItem = nullptr;    // checked
    TPageControl* pages = nullptr;
    TTabSheet* tipPage = nullptr;
    TTabSheet* dataPage = nullptr;
    TTabSheet* hiddenPage = nullptr;
    TEdit* edit1 = nullptr;
    TEdit* edit2 = nullptr;
    TEdit* counterEdit = nullptr;
    TUpDown* upDown = nullptr;
    TCheckBox* check = nullptr;
    TLabel* label = nullptr;
    TListBox* list = nullptr;
    TStatusBar* status = nullptr;
};
