#include "platform/forms/ComCtrls.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/Convert.h"

void TTabSheet::SetPageControl(TPageControl* pc) {
    if (pc == pageControl_) return;
    if (pageControl_) {
        auto& pages = pageControl_->pages_;
        pages.erase(std::remove(pages.begin(), pages.end(), this), pages.end());
        if (pageControl_->active_ == this) pageControl_->active_ = nullptr;
    }
    pageControl_ = pc;
    // The page is among the pages before it is a child, so that whoever
    // hears of the new child finds it there.
    if (pc) pc->pages_.push_back(this);
    SetParent(pc);
    if (pc) {
        SetAlign(TAlign::alClient);
        if (!pc->active_) pc->SetActivePage(this);
        else SetVisible(false);
    }
}

void TTabSheet::SetTabVisible(bool v) {
    if (v == tabVisible_) return;
    tabVisible_ = v;
    Changed(TProperty::TabVisible);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    if (page == active_) return;
    active_ = page;
    for (TTabSheet* p : pages_) p->SetVisible(p == active_);
    Changed(TProperty::ActivePage);
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

namespace {

// The counters whose edits hold a text they did not take.
std::vector<TUpDown*>& pendingCounters() {
    static std::vector<TUpDown*> counters;
    return counters;
}

}  // namespace

TUpDown::~TUpDown() {
    setPending(false);
    if (associate_) associate_->upDown_ = nullptr;
}

void TUpDown::setPending(bool pending) {
    if (pending == pending_) return;
    pending_ = pending;
    auto& counters = pendingCounters();
    if (pending) counters.push_back(this);
    else counters.erase(std::remove(counters.begin(), counters.end(), this), counters.end());
}

void TUpDown::ShowPendingPositions() {
    // Showing a position may run the edit's handlers, which may type again.
    std::vector<TUpDown*> counters;
    counters.swap(pendingCounters());
    for (TUpDown* counter : counters) counter->pending_ = false;
    for (TUpDown* counter : counters) counter->ShowPosition();
}

void TUpDown::SetMin(int v) {
    if (v == min_) return;
    min_ = v;
    Changed(TProperty::Range);
}

void TUpDown::SetMax(int v) {
    if (v == max_) return;
    max_ = v;
    Changed(TProperty::Range);
}

void TUpDown::SetPosition(int v) {
    v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    bool changed = v != position_;
    position_ = v;
    if (changed) Changed(TProperty::Position);
    ShowPosition();
}

void TUpDown::ShowPosition() {
    setPending(false);
    if (!associate_) return;
    writing_ = true;
    try {
        associate_->SetText(IntToStr(position_));
    } catch (...) {
        writing_ = false;
        throw;
    }
    writing_ = false;
}

void TUpDown::SetAssociate(TEdit* edit) {
    if (associate_) associate_->upDown_ = nullptr;
    associate_ = edit;
    if (edit) {
        edit->upDown_ = this;
        ShowPosition();
    }
}

void TUpDown::associateTextChanged() {
    if (writing_) return;
    int value = 0;
    bool taken = TryStrToInt(associate_->Text(), value) && value >= std::min(min_, max_) &&
                 value <= std::max(min_, max_);
    if (taken && value != position_) {
        position_ = value;
        Changed(TProperty::Position);
    }
    setPending(!taken);
}

void TUpDown::ArrowClick(TUDBtnType button) {
    int next = position_ + (button == TUDBtnType::btNext ? Increment : -Increment);
    if (Wrap) {
        if (next > max_) next = min_;
        if (next < min_) next = max_;
    }
    next = std::clamp(next, min_, max_);
    bool allow = true;
    changingTo_ = next;
    changing_ = true;
    if (OnChanging) OnChanging(this, allow);
    changing_ = false;
    if (!allow) return;
    SetPosition(next);
    if (OnClick) OnClick(this, button);
}

void TStatusBar::AddPanel(const std::string& text, int width) {
    panels_.push_back({text, width});
    Changed(TProperty::Panels);
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
    TStatusPanel& p = panels_.at(static_cast<size_t>(index));
    if (p.Text == text) return;
    p.Text = text;
    Changed(TProperty::Panels);
}

void TStatusBar::SetPanelWidth(int index, int width) {
    panels_.at(static_cast<size_t>(index)).Width = width;
    Changed(TProperty::Panels);
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) { SetColor(clWindow); }

void TDateTimePicker::SetDate(TDateTime date) {
    // A picker holds calendar days only: nothing before year 1 or after 9999.
    if (!std::isfinite(date) || date < EncodeDate(1, 1, 1) || date >= EncodeDate(9999, 12, 31) + 1)
        throw EDateTimeError("Ungültiges Datum");
    date = std::trunc(date);
    if (minDate_ != 0 && date < std::trunc(minDate_))
        throw EDateTimeError("Das Datum unterschreitet das Minimum von " + DateToStr(minDate_));
    if (maxDate_ != 0 && date > std::trunc(maxDate_))
        throw EDateTimeError("Das Datum überschreitet das Maximum von " + DateToStr(maxDate_));
    if (date == date_) return;
    date_ = date;
    Changed(TProperty::Date);
}

void TDateTimePicker::SetMinDate(TDateTime date) {
    minDate_ = std::trunc(date);
    if (minDate_ != 0 && date_ < minDate_) {
        date_ = minDate_;
        Changed(TProperty::Date);
    }
    Changed(TProperty::Range);
}

void TDateTimePicker::SetMaxDate(TDateTime date) {
    maxDate_ = std::trunc(date);
    Changed(TProperty::Range);
}

void TDateTimePicker::UserSetDate(TDateTime date) {
    SetDate(date);
    if (OnChange) OnChange(this);
}

TStringGrid::TStringGrid(TComponent* owner) : TWinControl(owner) { resize(cols_, rows_); }

void TStringGrid::resize(int cols, int rows) {
    std::vector<std::string> cells(static_cast<size_t>(cols * rows));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            if (!cells_.empty()) cells[static_cast<size_t>(r * cols + c)] = cells_[static_cast<size_t>(r * cols_ + c)];
    cells_ = std::move(cells);
    cols_ = cols;
    rows_ = rows;
    Changed(TProperty::Cells);
}

void TStringGrid::SetColCount(int n) { resize(std::max(n, 1), rows_); }
void TStringGrid::SetRowCount(int n) { resize(cols_, std::max(n, 1)); }

const std::string& TStringGrid::Cells(int col, int row) const {
    static const std::string empty;
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return empty;
    return cells_[static_cast<size_t>(row * cols_ + col)];
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return;
    cells_[static_cast<size_t>(row * cols_ + col)] = text;
    Changed(TProperty::Cells);
}

void TTimer::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed(TProperty::Active);
}

void TTimer::SetInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    Changed(TProperty::Interval);
}
