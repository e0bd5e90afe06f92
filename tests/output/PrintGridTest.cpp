#include "CommandOutput.h"
#include "RunsTableFixture.h"
#include "uPrintGrid.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

using namespace runs_table;

namespace {
struct WordBox {
    double x = 0;
    double y = 0;
    double xMax = 0;
    double yMax = 0;
    std::string text;
};

bool Overlap(const WordBox &a, const WordBox &b)
{
    return a.x < b.xMax && b.x < a.xMax && a.y < b.yMax && b.y < a.yMax;
}

// Prints the grid to a PDF and reads every word back with its top-left corner, in points.
class PrintedTable : public ::testing::Test {
protected:
    // resolution 0: the printer's own high resolution (1200 dpi for a PDF).
    void Print(TStringGrid &grid, const std::string &title, int resolution = 0)
    {
        ASSERT_TRUE(dir_.isValid());
        pdf_ = dir_.filePath("table.pdf").toStdString();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf_));
        if (resolution > 0)
            printer.setResolution(resolution);
        resolution_ = printer.resolution();
        ASSERT_TRUE(TPrintGrid(printer).Print(&grid, title));
        const std::string html = ReadCommand("pdftotext -bbox '" + pdf_ + "' -");
        const std::regex word(
            R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
        words_.clear();
        boxes_.clear();
        for (std::sregex_iterator it(html.begin(), html.end(), word), end; it != end; ++it) {
            const WordBox box{std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4]),
                              (*it)[5]};
            words_[box.text] = box;
            boxes_.push_back(box);
        }
    }
    // Device units from one word to another, along x or y.
    double DeltaX(const std::string &from, const std::string &to) { return Units(At(to).x - At(from).x); }
    double DeltaY(const std::string &from, const std::string &to) { return Units(At(to).y - At(from).y); }
    WordBox At(const std::string &text)
    {
        auto it = words_.find(text);
        EXPECT_NE(it, words_.end()) << "not printed: " << text;
        return it == words_.end() ? WordBox{} : it->second;
    }
    double Units(double points) const { return points * resolution_ / 72.0; }

    QTemporaryDir dir_;
    std::string pdf_;
    int resolution_ = 0;
    std::map<std::string, WordBox> words_;
    std::vector<WordBox> boxes_;  // every printed word, in page order
};

// A resolution at which the 8-point texts of these tables fit the device-unit layout.
constexpr int kFits = 600;
}  // namespace

TEST_F(PrintedTable, TitleThenEveryColumnAtItsWidthDerivedPosition)
{
    TStringGrid grid;
    FillBasinTable(grid, 3);
    Print(grid, "Pondix", kFits);
    ASSERT_GT(resolution_, 0);
    EXPECT_LT(At("Pondix").y, At("Run").y);  // the title stands above the table
    EXPECT_NE(ReadCommand("pdfinfo '" + pdf_ + "'").find("Pondix"), std::string::npos);  // the job title
    // Columns start at 100, 1200, 1550, 1934, 2318 (widths 200, 70, 64, 64, 64); glyphs
    // start a little right of their position, so compare starts of similar words.
    const double tolerance = Units(1.0);
    EXPECT_NEAR(DeltaX("Caption03", "unit03"), 1100, tolerance);
    EXPECT_NEAR(DeltaX("r1v03", "r2v03"), 384, tolerance);
    EXPECT_NEAR(DeltaX("r2v03", "r3v03"), 384, tolerance);
    EXPECT_NEAR(DeltaX("unit03", "r1v03"), 350, tolerance);
    // All 31 rows, equally spaced, in grid order.
    const double line = DeltaY("Caption03", "Caption04");
    EXPECT_GT(line, 16);
    for (int row = 4; row < kBasinRows; ++row) {
        SCOPED_TRACE(row);
        EXPECT_NEAR(DeltaY("Caption03", "Caption" + TwoDigits(row)), (row - 3) * line, tolerance);
        EXPECT_NEAR(DeltaY("Caption" + TwoDigits(row), "r3v" + TwoDigits(row)), 0, tolerance);
    }
}

TEST_F(PrintedTable, AWiderCaptionColumnMovesEveryLaterColumnFiveTimesAsFar)
{
    TStringGrid grid;
    FillBasinTable(grid, 3);
    grid.SetColWidths(0, 210);
    grid.SetColWidths(3, 100);  // a dragged run column moves only the columns after it
    Print(grid, "Striva", kFits);
    const double tolerance = Units(1.0);
    EXPECT_NEAR(DeltaX("Caption03", "unit03"), 1100 + 50, tolerance);
    EXPECT_NEAR(DeltaX("Caption03", "r1v03"), 1450 + 50, tolerance);
    EXPECT_NEAR(DeltaX("Caption03", "r2v03"), 1834 + 50, tolerance);
    EXPECT_NEAR(DeltaX("Caption03", "r3v03"), 2218 + 50 + 6 * 36, tolerance);
}

// Long captions and wide values as the real tables have them: at a printer resolution where
// the 8-point text is small against the device-unit layout the layout stays as it is; where
// it is large (1200 dpi), the columns widen so that no printed text runs into another.
TEST_F(PrintedTable, NoTextRunsIntoAnotherAtAnyPrinterResolution)
{
    TStringGrid grid;
    FillBasinTable(grid, 3);
    const char *captions[] = {"Application efficiency", "Minimum infiltrated depth", "Infiltration parameter Fo",
                              "Deep percolation ratio"};
    for (int row = 3; row < kBasinRows; ++row) {
        grid.SetCells(0, row, captions[row % 4] + std::string(" ") + TwoDigits(row));
        grid.SetCells(1, row, "mm/min^A" + TwoDigits(row));
        grid.SetCells(3, row, "123456.78" + TwoDigits(row));
    }
    struct Case {
        int resolution;
        bool captionsFit;
    };
    for (const Case c : {Case{300, true}, Case{kFits, true}, Case{0, false}}) {
        SCOPED_TRACE(c.resolution);
        Print(grid, "Rillox", c.resolution);
        ASSERT_GT(boxes_.size(), 31u * 5u);
        for (std::size_t i = 0; i < boxes_.size(); ++i)
            for (std::size_t j = i + 1; j < boxes_.size(); ++j)
                EXPECT_FALSE(Overlap(boxes_[i], boxes_[j])) << boxes_[i].text << " and " << boxes_[j].text;
        const double tolerance = Units(1.0);
        const double unitColumn = DeltaX("Application", "mm/min^A03");
        if (c.captionsFit)
            EXPECT_NEAR(unitColumn, 1100, tolerance);
        else
            EXPECT_GT(unitColumn, 1100 + tolerance);
        // A run column whose texts fit keeps its width however wide the ones before it grew.
        EXPECT_NEAR(DeltaX("r1v04", "123456.7804"), 384, tolerance);
    }
}

TEST(TPrintGrid, WithoutAGridNothingIsPrinted)
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("none.pdf"));
    EXPECT_FALSE(TPrintGrid(printer).Print(nullptr, "Rillox"));
    EXPECT_FALSE(QFile::exists(dir.filePath("none.pdf")));
}
