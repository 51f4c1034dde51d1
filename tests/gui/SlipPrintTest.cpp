// "&Drucken" of the slip window as the user prints: the real button, the
// real print dialog (answered here with "Print to File (PDF)"), the page as
// the printer gets it. The PDF is rasterised at 96 dots an inch, one pixel
// a page unit, and a mark is looked for where the layout puts it. After a
// placement that fails, the button opens no dialog at all, and the error
// stands over a slip without marks.

#include "GuiFixture.h"

#include "gui/Attach.h"
#include "gui/ReportPreviewPeer.h"
#include "output/anders.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <optional>

namespace {

using SlipPrint = GuiFixture;

// Answers the print dialog once it is up: printing to `pdf`. Gives up, and
// cancels, when the dialog has not the controls a user chooses with.
void answerPrintDialogWithPdf(const QString& pdf, bool& answered, int attempts = 100) {
    QTimer::singleShot(50, [pdf, &answered, attempts] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (attempts > 0) answerPrintDialogWithPdf(pdf, answered, attempts - 1);
            else ADD_FAILURE() << "no print dialog came up";
            return;
        }
        auto* printers = dialog->findChild<QComboBox*>("printers");
        auto* fileName = dialog->findChild<QLineEdit*>("filename");
        if (!printers || !fileName || printers->count() == 0) {
            ADD_FAILURE() << "the print dialog offers no printing to a file";
            dialog->reject();
            return;
        }
        // The file entry comes last, after any printer the system has.
        printers->setCurrentIndex(printers->count() - 1);
        fileName->setText(pdf);
        answered = true;
        dialog->accept();
    });
}

// The dark pixels' box within `area`; empty for none.
QRect inkIn(const QImage& image, const QRect& area) {
    QRect ink;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST_F(SlipPrint, DruckenPrintsTheMarksWhereTheLayoutPutsThem) {
    TempDir dir;
    TForm8 slip(form);
    slip.FormCreate(nullptr);
    slip.MaxEuroZahl = 12;
    slip.Reportvorlage->SetText(std::string(SLIP_TEMPLATE_DIR) + "/EM_France.fr3");
    slip.Memo1->Lines().Add("3,11,19,27,44,2,9");
    slip.BitBtn2Click(nullptr);  // the layout measured from the template
    ASSERT_TRUE(platform.messages.empty());
    gui::Show(slip);
    settle();

    const QString pdf = QString::fromStdString(dir.file("slip.pdf"));
    bool answered = false;
    answerPrintDialogWithPdf(pdf, answered);
    QTest::mouseClick(widgetOf<QPushButton>(*slip.BitBtn1), Qt::LeftButton);
    settle();
    ASSERT_TRUE(answered);
    ASSERT_TRUE(std::filesystem::exists(pdf.toStdString()));

    const QString raster = QString::fromStdString(dir.file("slip"));
    ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", "96", "-gray", "-singlefile", pdf, raster}), 0)
        << "pdftoppm (poppler-utils) renders the PDF";
    const QImage page(raster + ".pgm");
    ASSERT_FALSE(page.isNull());
    // A4 at 96 dots an inch.
    EXPECT_NEAR(page.width(), 794, 1);
    EXPECT_NEAR(page.height(), 1123, 1);

    // Number 3 lies in column 2 of row 0 of slot 1's block: its 14-unit cell
    // starts at AnfangLeft + 2 × Breite, AnfangTop; the mark sits in its middle.
    EXPECT_DOUBLE_EQ(slip.AnfangLeft, 49);
    EXPECT_DOUBLE_EQ(slip.AnfangTop, 164.4);
    EXPECT_DOUBLE_EQ(slip.Breite, 14);
    const QPointF centre(slip.AnfangLeft + 2 * slip.Breite + 7, slip.AnfangTop + 7);
    const QRect ink = inkIn(page, QRect(centre.toPoint() - QPoint(14, 14), QSize(29, 29)));
    ASSERT_FALSE(ink.isEmpty()) << "no mark near the cell of number 3";
    EXPECT_NEAR(QRectF(ink).center().x(), centre.x(), 2);
    EXPECT_NEAR(QRectF(ink).center().y(), centre.y(), 2);
    // The cell of number 1 beside it stays blank.
    EXPECT_TRUE(inkIn(page, QRect(49 + 2, 164 + 2, 10, 10)).isEmpty());
    page.save(QString::fromStdString(std::string(GUI_TEST_OUTPUT_DIR) + "/slip_printed.png"));

    // A placement that fails opens no print dialog.
    slip.Memo1->Lines().Clear();
    slip.Memo1->Lines().Add("1,2,3,4,51,1,2");
    bool dialogCameUp = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            dialogCameUp = true;
            dialog->reject();
        }
    });
    QTest::mouseClick(widgetOf<QPushButton>(*slip.BitBtn1), Qt::LeftButton);
    settle();
    EXPECT_FALSE(dialogCameUp);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Ungültiger Tipp: 1,2,3,4,51,1,2");
}

TEST_F(SlipPrint, ABadLastLineOffersNoSlipAndTheErrorStandsOverAnEmptySlip) {
    gui::RegisterReportPreviewPeer();  // the preview as the program paints it
    TForm8 slip(form);
    slip.FormCreate(nullptr);
    slip.MaxEuroZahl = 12;
    slip.Reportvorlage->SetText(std::string(SLIP_TEMPLATE_DIR) + "/EM_France.fr3");
    slip.BitBtn2Click(nullptr);
    gui::Show(slip);
    settle();
    QWidget* preview = gui::WidgetOf(*slip.frxPreview1);
    ASSERT_NE(preview, nullptr);
    const QImage emptySlip = preview->grab().toImage();

    // An earlier placement leaves its marks in the preview.
    slip.Memo1->Lines().Add("3,11,19,27,44,2,9");
    QTest::mouseClick(widgetOf<QPushButton>(*slip.BitBtn3), Qt::LeftButton);
    settle();
    ASSERT_NE(preview->grab().toImage(), emptySlip) << "the placement shows no marks";

    // Six good lines fill the first slip of five and start a second; the
    // seventh is bad. Every print question would be answered with "Ja".
    slip.Memo1->Lines().Clear();
    for (const char* tip : {"1,2,3,4,5,1,2", "6,7,8,9,10,3,4", "11,12,13,14,15,5,6", "16,17,18,19,20,7,8",
                            "21,22,23,24,25,9,10", "26,27,28,29,30,11,12", "1,2,3,4,51,1,2"})
        slip.Memo1->Lines().Add(tip);
    std::optional<QImage> underTheBox;
    platform.answer = [&](const RecordingPlatform::Message& m) {
        if (m.flags == MB_YESNO) return IDYES;
        underTheBox = preview->grab().toImage();
        return IDOK;
    };
    bool dialogCameUp = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            dialogCameUp = true;
            dialog->reject();
        }
    });
    watch.start(10);
    QTest::mouseClick(widgetOf<QPushButton>(*slip.BitBtn1), Qt::LeftButton);
    settle();
    watch.stop();

    EXPECT_FALSE(dialogCameUp);
    ASSERT_EQ(platform.messages.size(), 1u) << platform.messages[0].text;
    EXPECT_EQ(platform.messages[0].text, "Ungültiger Tipp: 1,2,3,4,51,1,2");
    ASSERT_TRUE(underTheBox.has_value());
    EXPECT_EQ(*underTheBox, emptySlip) << "the box stands over the marks of a placement";
}
