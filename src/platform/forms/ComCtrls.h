#pragma once
// Page controls and their pages, up-down counters, the status bar, date
// pickers, string grids and timers.

#include "platform/forms/StdCtrls.h"
#include "platform/rtl/DateTime.h"

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TTabSheet"; }
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pc);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    int PageIndex() const;

private:
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TPageControl"; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_[static_cast<size_t>(index)]; }
    TTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }
    void SetActivePageIndex(int index);
    bool MultiLine = false;
    // The height of the tab row, above the pages' client area.
    int TabHeight = 24;
    TNotifyEvent OnChange;

    // A page fills the control below its tabs.
    int ClientWidth() const override { return std::max(Width() - 8, 0); }
    int ClientHeight() const override { return std::max(Height() - TabHeight - 8, 0); }

private:
    friend class TTabSheet;
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};

enum class TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// A counter in Min .. Max that shows its position in an associated edit.
class TUpDown : public TControl {
public:
    explicit TUpDown(TComponent* owner) : TControl(owner) {}
    ~TUpDown() override;
    const char* ClassName() const override { return "TUpDown"; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int v);
    void SetMax(int v);
    int Position() const { return position_; }
    // Clamped to Min .. Max; written into the associated edit.
    void SetPosition(int v);
    int Increment = 1;
    bool Wrap = false;
    TEdit* Associate() const { return associate_; }
    void SetAssociate(TEdit* edit);

    // An arrow pressed by the user: OnChanging may refuse the step; then the
    // position moves and OnClick reports the arrow.
    void ArrowClick(TUDBtnType button);

    TUDChangingEvent OnChanging;
    TUDClickEvent OnClick;
    // While OnChanging runs: the position the step leads to; else Position.
    int ChangingPosition() const { return changing_ ? changingTo_ : position_; }

    // Writes the position into the edit again, whatever the edit holds.
    void ShowPosition();
    // A text typed into an edit that its counter does not take (no number,
    // out of range) leaves the two apart until the edit is left; every
    // command puts the counters' positions back into such edits first, so
    // the user sees what the command uses.
    static void ShowPendingPositions();

private:
    friend class TEdit;
    void associateTextChanged();
    void setPending(bool pending);

    int min_ = 0, max_ = 100, position_ = 0;
    TEdit* associate_ = nullptr;
    bool writing_ = false;
    int changingTo_ = 0;
    bool changing_ = false;
    bool pending_ = false;
};

struct TStatusPanel {
    std::string Text;
    int Width = 50;
};

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TStatusBar"; }
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    void AddPanel(const std::string& text, int width);
    const TStatusPanel& Panels(int index) const { return panels_.at(static_cast<size_t>(index)); }
    void SetPanelText(int index, const std::string& text);
    void SetPanelWidth(int index, int width);

private:
    std::vector<TStatusPanel> panels_;
};

// A date picker; every date it holds is a whole day, and a date before
// MinDate is refused with the library's error.
class EDateTimeError : public Exception {
public:
    using Exception::Exception;
};

class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* owner);
    const char* ClassName() const override { return "TDateTimePicker"; }
    TDateTime Date() const { return date_; }
    void SetDate(TDateTime date);
    TDateTime DateTime() const { return date_; }
    void SetDateTime(TDateTime date) { SetDate(date); }
    TDateTime MinDate() const { return minDate_; }
    void SetMinDate(TDateTime date);
    TDateTime MaxDate() const { return maxDate_; }
    void SetMaxDate(TDateTime date);
    // A date the user picked: set, then OnChange.
    void UserSetDate(TDateTime date);
    TNotifyEvent OnChange;

private:
    TDateTime date_ = 0;
    TDateTime minDate_ = 0;  // 0: no limit
    TDateTime maxDate_ = 0;
};

class TStringGrid : public TWinControl {
public:
    explicit TStringGrid(TComponent* owner);
    const char* ClassName() const override { return "TStringGrid"; }
    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    void SetColCount(int n);
    void SetRowCount(int n);
    const std::string& Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& text);
    int DefaultColWidth = 64;
    int DefaultRowHeight = 24;

private:
    void resize(int cols, int rows);
    int cols_ = 5, rows_ = 5;
    std::vector<std::string> cells_;
};

// A timer; the front end runs it, tests fire it by hand.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TTimer"; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    TNotifyEvent OnTimer;
    void Fire() {
        if (enabled_ && OnTimer) OnTimer(this);
    }

private:
    bool enabled_ = true;
    int interval_ = 1000;
};
