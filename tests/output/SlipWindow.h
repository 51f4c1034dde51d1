#pragma once
// The main window with the slip window beside it, the shipped templates in
// the program folder, and helpers to open the slip and read its marks.

#include "TipWindow.h"

#include "output/anders.h"
#include "platform/rtl/FileUtils.h"

#include <functional>
#include <set>
#include <string>

class SlipWindow : public TipWindow {
protected:
    TForm8& slip = *h.app->CreateForm<TForm8>();

    SlipWindow() {
        for (const char* name : {"EM_France.fr3", "schein.fr3"})
            writeFileBytes(h.dir.file(name), readFileBytes(std::string(SLIP_TEMPLATE_DIR) + "/" + name));
    }

    // Presses "Schein drucken (Test)"; `during` acts on the open slip window,
    // which then is closed by its close box.
    void openSlip(std::function<void()> during = {}) {
        h.platform.answerModal([during](TForm&) {
            if (during) during();
        });
        f.SpeedButton27->Click();
    }

    const TReportMemoView& view(const std::string& name) {
        const TReportMemoView* v = slip.frxReport1.FindMemoView(name);
        if (!v) throw std::runtime_error("no view " + name);
        return *v;
    }
    // The slots whose marks the preview shows.
    std::set<int> markedSlots() const {
        std::set<int> slots;
        const TPreparedPage* page = slip.frxPreview1->ShownPage();
        if (!page) return slots;
        for (const TPreparedMemo& m : page->Memos)
            if (!m.Text.empty()) slots.insert(std::stoi(m.Name.substr(m.Name.find('_') + 1)));
        return slots;
    }
    const TPreparedMemo& shown(const std::string& name) const {
        for (const TPreparedMemo& m : slip.frxPreview1->ShownPage()->Memos)
            if (m.Name == name) return m;
        throw std::runtime_error("no view " + name);
    }
    void setTips(const std::vector<std::string>& lines) {
        slip.Memo1->Lines().Clear();
        for (const std::string& line : lines) slip.Memo1->Lines().Add(line);
    }
};

// A template of `slots` slots, `columns` to a block row, on the shipped
// slip's geometry, without the views named in `omit`.
std::string SlipTemplate(int slots, int columns, const std::set<std::string>& omit = {});
// Tip i (1 .. 13): five distinct numbers and two distinct stars.
std::string NumberedTip(int i);
