#include "CommandOutput.h"
#include "RunsTableFixture.h"
#include "uPrintGrid.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

using namespace runs_table;

namespace {
struct WordBox {
    double x;
    double y;
};

// Prints the grid to a PDF and reads every word back with its top-left corner, in points.
class PrintedTable : public ::testing::Test {
protected:
    void Print(TStringGrid &grid, const std::string &title)
    {
        ASSERT_TRUE(dir_.isValid());
        pdf_ = dir_.filePath("table.pdf").toStdString();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf_));
        resolution_ = printer.resolution();
        ASSERT_TRUE(TPrintGrid(printer).Print(&grid, title));
        const std::string html = ReadCommand("pdftotext -bbox '" + pdf_ + "' -");
        const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
        for (std::sregex_iterator it(html.begin(), html.end(), word), end; it != end; ++it)
            words_[(*it)[3]] = WordBox{std::stod((*it)[1]), std::stod((*it)[2])};
    }
    // Device units from one word to another, along x or y.
    double DeltaX(const std::string &from, const std::string &to) { return Units(At(to).x - At(from).x); }
    double DeltaY(const std::string &from, const std::string &to) { return Units(At(to).y - At(from).y); }
    WordBox At(const std::string &text)
    {
        auto it = words_.find(text);
        EXPECT_NE(it, words_.end()) << "not printed: " << text;
        return it == words_.end() ? WordBox{0, 0} : it->second;
    }
    double Units(double points) const { return points * resolution_ / 72.0; }

    QTemporaryDir dir_;
    std::string pdf_;
    int resolution_ = 0;
    std::map<std::string, WordBox> words_;
};
}  // namespace

TEST_F(PrintedTable, TitleThenEveryColumnAtItsWidthDerivedPosition)
{
    TStringGrid grid;
    FillBasinTable(grid, 3);
    Print(grid, "Pondix");
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
    Print(grid, "Striva");
    const double tolerance = Units(1.0);
    EXPECT_NEAR(DeltaX("Caption03", "unit03"), 1100 + 50, tolerance);
    EXPECT_NEAR(DeltaX("Caption03", "r1v03"), 1450 + 50, tolerance);
    EXPECT_NEAR(DeltaX("Caption03", "r2v03"), 1834 + 50, tolerance);
    EXPECT_NEAR(DeltaX("Caption03", "r3v03"), 2218 + 50 + 6 * 36, tolerance);
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
