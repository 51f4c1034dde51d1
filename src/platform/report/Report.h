#pragma once
// The report engine the slip is printed with: a report loaded from a
// template file holds pages, and each page holds memo views (a text at a
// place, in a font size). The program finds the objects by name, moves the
// views and sets their texts; "prepare" takes a snapshot of the pages as
// they stand, which the front end paints on screen, paper or PDF.
//
// Positions and sizes of views are page units of 1/96 inch measured from
// the paper's top-left corner; paper sizes are millimetres. The template
// format is described in TemplateFile.h.

#include <memory>
#include <string>
#include <vector>

enum class TPrinterOrientation { poPortrait, poLandscape };

// The paper size codes of the print system: 9 A4, 1 Letter, 8 A3, 11 A5;
// any other code is a size of its own, given by width and height.
constexpr int kPaperA4 = 9;

// One page unit in millimetres.
constexpr double kMillimetresPerUnit = 25.4 / 96.0;

class TReportObject {
public:
    explicit TReportObject(std::string name) : name_(std::move(name)) {}
    virtual ~TReportObject() = default;
    const std::string& Name() const { return name_; }

private:
    std::string name_;
};

class TReportMemoView : public TReportObject {
public:
    using TReportObject::TReportObject;
    std::string Text;
    double Left = 0, Top = 0, Width = 0, Height = 0;
    int FontSize = 10;
};

class TReportPage : public TReportObject {
public:
    using TReportObject::TReportObject;

    int PaperSize() const { return paperSize_; }
    void SetPaperSize(int code) { paperSize_ = code; }
    // Millimetres, as the paper lies: a turn of the orientation swaps them.
    double PaperWidth() const { return paperWidth_; }
    double PaperHeight() const { return paperHeight_; }
    void SetPaperWidth(double mm) { paperWidth_ = mm; }
    void SetPaperHeight(double mm) { paperHeight_ = mm; }
    TPrinterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation orientation);
    // The file of the picture drawn under the views over the whole paper;
    // empty for none.
    const std::string& BackPicture() const { return backPicture_; }
    void SetBackPicture(const std::string& path) { backPicture_ = path; }

    const std::vector<std::unique_ptr<TReportMemoView>>& Views() const { return views_; }
    TReportMemoView& AddMemoView(const std::string& name);

private:
    int paperSize_ = kPaperA4;
    double paperWidth_ = 210, paperHeight_ = 297;
    TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
    std::string backPicture_;
    std::vector<std::unique_ptr<TReportMemoView>> views_;
};

// A page's paper, as the page set-up dialog shows and changes it.
struct TPageSettings {
    int PaperSize = kPaperA4;
    double PaperWidth = 210, PaperHeight = 297;
    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
};

// A page as it stood when the report was prepared.
struct TPreparedMemo {
    std::string Name, Text;
    double Left = 0, Top = 0, Width = 0, Height = 0;
    int FontSize = 10;
};
struct TPreparedPage {
    std::string Name;
    TPageSettings Paper;
    std::string BackPicture;
    std::vector<TPreparedMemo> Memos;
};

class TReport {
public:
    // Empties the report, then reads the template. False, and the report
    // stays empty, when the file is missing, cannot be read (a folder, say)
    // or is no template; Error() then says why (empty for a missing file).
    bool LoadFromFile(const std::string& path);
    const std::string& Error() const { return error_; }
    void Clear();

    // The page or view of that name, or nullptr.
    TReportObject* FindObject(const std::string& name) const;
    TReportPage* FindPage(const std::string& name) const;
    TReportMemoView* FindMemoView(const std::string& name) const;

    const std::vector<std::unique_ptr<TReportPage>>& Pages() const { return pages_; }
    TReportPage& AddPage(const std::string& name);

    // Replaces the last prepared report with a snapshot of every page.
    void PrepareReport();
    const std::vector<TPreparedPage>& PreparedPages() const { return prepared_; }

private:
    std::vector<std::unique_ptr<TReportPage>> pages_;
    std::vector<TPreparedPage> prepared_;
    std::string error_;
};
