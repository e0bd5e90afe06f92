#include "CommandOutput.h"
#include "Errors.h"
#include "RecordingDialogs.h"
#include "RunsTableFixture.h"
#include "uSaveGrid.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

using namespace runs_table;

namespace {
std::string ReadFile(const std::string &name)
{
    std::ifstream file(name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteFile(const std::string &name, const std::string &text)
{
    std::ofstream(name, std::ios::binary) << text;
}

// The lines of a CR LF text; a missing CR LF at the end shows as a last partial line.
std::vector<std::string> CrLfLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// Every cell of the first worksheet as "row,col,type:value" lines, 1-based as the
// spreadsheet numbers them, after a first line with the number of worksheets; empty
// cells are left out.
std::string ReadWorkbook(const std::string &name)
{
    QTemporaryFile script;
    if (!script.open())
        return std::string();
    script.write("import sys, openpyxl\n"
                 "wb = openpyxl.load_workbook(open(sys.argv[1], 'rb'))  # the name ends in .xls\n"
                 "print(len(wb.worksheets))\n"
                 "for row in wb.worksheets[0].iter_rows():\n"
                 "  for c in row:\n"
                 "    if c.value is not None:\n"
                 "      print('%d,%d,%s:%s' % (c.row, c.column, type(c.value).__name__, c.value))\n");
    script.flush();
    return ReadCommand("/usr/bin/python3 '" + script.fileName().toStdString() + "' '" + name + "' 2>&1");
}

class SaveGrid : public ::testing::Test {
protected:
    std::string Path(const char *name) const { return dir_.filePath(name).toStdString(); }
    QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir dir_;
    TStringGrid grid_;
};
}  // namespace

TEST_F(SaveGrid, TextTableOfThreeBasinRunsLineByLine)
{
    FillBasinTable(grid_, 3);
    ASSERT_TRUE(TSaveToASCII().Save(Path("table.txt"), &grid_));
    const std::string text = ReadFile(Path("table.txt"));
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    const std::vector<std::string> lines = CrLfLines(text);
    ASSERT_EQ(lines.size(), 31u);
    const char *expected[] = {
        " Run nr. ; ;1;2;3",
        " Calculation Mode ; ;1;1;1",
        "INPUT PARAMETERS;units;;;",
        "Caption03;unit03;r1v03;r2v03;r3v03",
    };
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(lines[row], expected[row]);
    EXPECT_EQ(lines[30], "Caption30;unit30;r1v30;r2v30;r3v30");
}

TEST_F(SaveGrid, TextTableWritesCellsUnquotedAndAHundredFieldsWithoutRuns)
{
    FillBasinTable(grid_, 0);
    grid_.SetCells(5, 4, "a;b");
    WriteFile(Path("table.txt"), std::string(20000, 'x'));  // an older, longer file
    ASSERT_TRUE(TSaveToASCII().Save(Path("table.txt"), &grid_));
    const std::vector<std::string> lines = CrLfLines(ReadFile(Path("table.txt")));
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], " Run nr. ; " + std::string(98, ';'));
    EXPECT_EQ(lines[4], "Caption04;unit04;;;;a;b" + std::string(94, ';'));
}

TEST_F(SaveGrid, TextTableWithoutGridOrWritableFile)
{
    EXPECT_FALSE(TSaveToASCII().Save(Path("none.txt"), nullptr));
    EXPECT_TRUE(Files().isEmpty());
    FillBasinTable(grid_, 1);
    EXPECT_THROW(TSaveToASCII().Save(Path("missing/table.txt"), &grid_), Exception);
}

// The system refuses the write half-way (a file size limit standing in for a full disk):
// the error reaches the caller, the previous table stays byte for byte, nothing is left over.
TEST_F(SaveGrid, ATextTableThatFailsHalfWayLeavesThePreviousFile)
{
    FillBasinTable(grid_, 3);
    const std::string previous = "an older table\r\n";
    WriteFile(Path("table.txt"), previous);

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100;  // the table takes about 1.3 kB
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool raised = false;
    try {
        TSaveToASCII().Save(Path("table.txt"), &grid_);
    } catch (const Exception &) {
        raised = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(raised);
    EXPECT_EQ(ReadFile(Path("table.txt")), previous);
    EXPECT_EQ(Files(), QStringList{"table.txt"});
}

TEST_F(SaveGrid, WorkbookHoldsEveryCellAsTextOneRowAndColumnFurther)
{
    RecordingDialogs dialogs;
    FillBasinTable(grid_, 3);
    WriteFile(Path("table.xls"), "an older workbook");
    ASSERT_TRUE(TSaveToXL().Save(Path("table.xls"), &grid_));
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(Files(), QStringList{"table.xls"});  // no temporary left behind

    std::istringstream read(ReadWorkbook(Path("table.xls")));
    std::string line;
    std::getline(read, line);
    EXPECT_EQ(line, "1");  // one worksheet
    int cells = 0;
    while (std::getline(read, line)) {
        SCOPED_TRACE(line);
        int row = 0, col = 0;
        char type[16] = {};
        ASSERT_EQ(std::sscanf(line.c_str(), "%d,%d,%15[^:]", &row, &col, type), 3);
        EXPECT_STREQ(type, "str");
        EXPECT_EQ(line.substr(line.find(':') + 1), grid_.Cells(col - 1, row - 1));
        ++cells;
    }
    // Every non-empty grid cell arrived: 31 captions, 31 units, 3 x 30 run cells.
    EXPECT_EQ(cells, 31 + 31 + 3 * 30);
}

TEST_F(SaveGrid, AFailedWorkbookIsReportedAndLeavesTheOldFile)
{
    RecordingDialogs dialogs;
    FillBasinTable(grid_, 1);
    grid_.SetCells(2, 5, std::string(40000, 'x'));  // beyond what a worksheet cell holds
    WriteFile(Path("table.xls"), "an older workbook");
    EXPECT_FALSE(TSaveToXL().Save(Path("table.xls"), &grid_));
    EXPECT_EQ(ReadFile(Path("table.xls")), "an older workbook");
    EXPECT_EQ(Files(), QStringList{"table.xls"});
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    const RecordingDialogs::Shown &shown = dialogs.Messages()[0];
    EXPECT_EQ(shown.icon, DialogIcon::Error);
    EXPECT_EQ(shown.buttons, DialogButtons::Ok);
    const std::string ending = "\r\nAn Excel error occured";
    ASSERT_GT(shown.text.size(), ending.size());
    EXPECT_EQ(shown.text.substr(shown.text.size() - ending.size()), ending);

    dialogs.Clear();
    EXPECT_FALSE(TSaveToXL().Save(Path("missing/table.xls"), &grid_));
    EXPECT_EQ(dialogs.Messages().size(), 1u);
}
