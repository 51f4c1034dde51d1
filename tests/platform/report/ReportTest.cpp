// The report engine: templates read into pages and views, loading that
// empties first, objects by name, the paper's turn and the prepared
// snapshot.

#include "platform/report/Report.h"
#include "platform/report/TemplateFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const char* const kTemplate = R"(<?xml version="1.0"?>
<report units="px">
  <page name="Page1" paper-size="1" width="279.4" height="215.9" orientation="landscape" background="slip.png">
    <memo name="Zahl1_1" left="49" top="164.4" width="14" height="12" font-size="9">x</memo>
    <memo name="Stern1_1" left="-3" top="0.5"></memo>
  </page>
</report>)";

}  // namespace

TEST(ReportTemplate, ReadsPagesAndViewsAsTheFileStatesThem) {
    TReport report;
    ASSERT_EQ(ReadReportTemplate(kTemplate, report, "/slips/"), "");
    TReportPage* page = report.FindPage("Page1");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->PaperSize(), 1);
    EXPECT_EQ(page->Orientation(), TPrinterOrientation::poLandscape);
    EXPECT_DOUBLE_EQ(page->PaperWidth(), 279.4);
    EXPECT_DOUBLE_EQ(page->PaperHeight(), 215.9);
    EXPECT_EQ(page->BackPicture(), "/slips/slip.png");

    TReportMemoView* mark = report.FindMemoView("Zahl1_1");
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->Text, "x");
    EXPECT_DOUBLE_EQ(mark->Left, 49);
    EXPECT_DOUBLE_EQ(mark->Top, 164.4);
    EXPECT_DOUBLE_EQ(mark->Width, 14);
    EXPECT_DOUBLE_EQ(mark->Height, 12);
    EXPECT_EQ(mark->FontSize, 9);
    const TReportMemoView* star = report.FindMemoView("Stern1_1");
    ASSERT_NE(star, nullptr);
    EXPECT_EQ(star->FontSize, 10);
    EXPECT_DOUBLE_EQ(star->Left, -3);

    // Names find only their own kind.
    EXPECT_EQ(report.FindMemoView("Page1"), nullptr);
    EXPECT_EQ(report.FindPage("Zahl1_1"), nullptr);
    EXPECT_EQ(report.FindObject("Zahl2_1"), nullptr);
}

TEST(ReportTemplate, MillimetreUnitsBecomePageUnits) {
    TReport report;
    ASSERT_EQ(ReadReportTemplate(R"(<report units="mm"><page name="P"><memo name="M" left="25.4" top="12.7"/></page></report>)",
                                 report),
              "");
    EXPECT_NEAR(report.FindMemoView("M")->Left, 96, 1e-9);
    EXPECT_NEAR(report.FindMemoView("M")->Top, 48, 1e-9);
    // Without a paper of its own a page is A4 portrait.
    EXPECT_EQ(report.FindPage("P")->PaperSize(), kPaperA4);
    EXPECT_DOUBLE_EQ(report.FindPage("P")->PaperHeight(), 297);
}

TEST(ReportTemplate, RefusesWhatIsNoTemplateAndKeepsNothingOfIt) {
    const char* const bad[] = {
        "",
        "<report><page name=\"P\">",
        "<slip/>",
        R"(<report units="inch"/>)",
        R"(<report><page name="P"><memo name="A"/><memo name="A"/></page></report>)",
        R"(<report><page name="P"/><page name="P"/></report>)",
        R"(<report><page><memo name="A"/></page></report>)",
        R"(<report><page name="P"><memo name="A" left="1,5"/></page></report>)",
        R"(<report><page name="P"><memo name="A" left="nan"/></page></report>)",
        R"(<report><page name="P"><memo name="A" left="1e300"/></page></report>)",
        R"(<report><page name="P"><memo name="A" width="-1"/></page></report>)",
        R"(<report><page name="P"><memo name="A" font-size="0"/></page></report>)",
        R"(<report><page name="P"><memo name="A" font-size="9.5"/></page></report>)",
        R"(<report><page name="P" width="0"/></report>)",
        R"(<report><page name="P" orientation="sideways"/></report>)",
        R"(<report><page name="P" paper-size="-1"/></report>)",
    };
    for (const char* xml : bad) {
        TReport report;
        report.AddPage("Old");
        EXPECT_NE(ReadReportTemplate(xml, report), "") << xml;
        EXPECT_TRUE(report.Pages().empty()) << xml;
    }
}

TEST(Report, LoadingEmptiesFirstAndAMissingFileLeavesItEmpty) {
    TempDir dir;
    writeFileBytes(dir.file("slip.fr3"), kTemplate);
    writeFileBytes(dir.file("broken.fr3"), "<report><page name=\"P\">");
    TReport report;
    ASSERT_TRUE(report.LoadFromFile(dir.file("slip.fr3")));
    EXPECT_EQ(report.Pages().size(), 1u);
    EXPECT_EQ(report.FindPage("Page1")->BackPicture(), dir.file("slip.png"));
    report.PrepareReport();

    EXPECT_FALSE(report.LoadFromFile(dir.file("none.fr3")));
    EXPECT_EQ(report.Error(), "");
    EXPECT_TRUE(report.Pages().empty());
    EXPECT_TRUE(report.PreparedPages().empty());

    ASSERT_TRUE(report.LoadFromFile(dir.file("slip.fr3")));
    EXPECT_FALSE(report.LoadFromFile(dir.file("broken.fr3")));
    EXPECT_NE(report.Error(), "");
    EXPECT_EQ(report.FindObject("Zahl1_1"), nullptr);

    writeFileBytes(dir.file("huge.fr3"), std::string(kMaxTemplateBytes + 1, ' '));
    EXPECT_FALSE(report.LoadFromFile(dir.file("huge.fr3")));
    EXPECT_NE(report.Error(), "");

    // A folder of the template's name is there but cannot be read: not missing.
    std::filesystem::create_directory(dir.file("folder.fr3"));
    EXPECT_FALSE(report.LoadFromFile(dir.file("folder.fr3")));
    EXPECT_EQ(report.Error(), "the file cannot be read");
}

TEST(Report, TurningThePaperSwapsItsSidesAndPreparingKeepsASnapshot) {
    TReport report;
    TReportPage& page = report.AddPage("Page1");
    page.SetOrientation(TPrinterOrientation::poPortrait);
    EXPECT_DOUBLE_EQ(page.PaperWidth(), 210);
    page.SetOrientation(TPrinterOrientation::poLandscape);
    EXPECT_DOUBLE_EQ(page.PaperWidth(), 297);
    EXPECT_DOUBLE_EQ(page.PaperHeight(), 210);

    TReportMemoView& mark = page.AddMemoView("Zahl1_1");
    mark.Text = "x";
    mark.Left = 12;
    report.PrepareReport();
    mark.Text.clear();
    mark.Left = 40;
    ASSERT_EQ(report.PreparedPages().size(), 1u);
    const TPreparedPage& shot = report.PreparedPages().front();
    EXPECT_EQ(shot.Paper.Orientation, TPrinterOrientation::poLandscape);
    EXPECT_DOUBLE_EQ(shot.Paper.PaperWidth, 297);
    ASSERT_EQ(shot.Memos.size(), 1u);
    EXPECT_EQ(shot.Memos[0].Text, "x");
    EXPECT_DOUBLE_EQ(shot.Memos[0].Left, 12);
}
