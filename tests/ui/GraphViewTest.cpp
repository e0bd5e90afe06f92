// The output actions of the graph-and-table view: pictures, table exports, printing and
// the clipboard, each read back from what it wrote.
#include "UiDriver.h"

#include "CommandOutput.h"
#include "FixedStringGrid.h"
#include "FrameGraphGrid.h"
#include "JpegDecoder.h"
#include "Printer.h"
#include "TChart.h"
#include "uIrrigationDataSet.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <sstream>

namespace {

class GraphView : public UiFixture {
protected:
    std::string Path(const std::string &name) const { return folder.path().toStdString() + "/" + name; }

    // A calculated basin run in its chart view.
    TfrmDesignWindow &ChartView()
    {
        TfrmDesignWindow &w = Open(imBasin);
        ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
        PressKey(w, Qt::Key_F2);
        PressKey(w, Qt::Key_F3);
        EXPECT_FALSE(w.sbxGraph->isHidden());
        return w;
    }
    // A run file of two runs opened in the file view.
    TfrmDesignWindow &FileView()
    {
        TfrmDesignWindow &w = Open(imBorder);
        ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
        PressKey(w, Qt::Key_F2);
        dialogs.ScriptFileName(Path("runs.svx"));
        PressKey(w, Qt::Key_F4);
        ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
        PressKey(w, Qt::Key_F2);
        PressKey(w, Qt::Key_F4);
        dialogs.ScriptFileName(Path("runs.svx"));
        ClickMenu(w, {"mniFiles", "mniView"});
        EXPECT_EQ(w.fraGraphGrid1->pgcGraphGrid->currentWidget(), w.fraGraphGrid1->tshTable);
        dialogs.Clear();
        return w;
    }

    QTemporaryDir folder;
};

}  // namespace

TEST_F(GraphView, ExportWritesThePictureTheFilterAsksFor)
{
    TfrmDesignWindow &w = ChartView();
    dialogs.ScriptFileName(Path("a.png"), 1);
    dialogs.ScriptFileName(Path("b.png"), 2);
    dialogs.ScriptFileName(Path("c"), 3);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(w.fraGraphGrid1->btbtnSaveTimeChart, Qt::LeftButton);
    const FileDialogRequest &request = dialogs.FileDialogs()[0].request;
    EXPECT_EQ(request.title, "Save Time and Depth Graph ");
    EXPECT_EQ(request.filters, (std::vector<std::string>{"Bitmaps (*.bmp)", "JPEG (*.jpg)", "Metafiles (*.wmf)"}));
    EXPECT_TRUE(request.overwritePrompt);
    // The dialog keeps its last choice.
    EXPECT_EQ(dialogs.FileDialogs()[1].request.fileName, Path("a.png"));
    EXPECT_EQ(dialogs.FileDialogs()[2].request.filterIndex, 2);

    const QImage bitmap(QString::fromStdString(Path("a.bmp")));
    EXPECT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.width(), w.fraGraphGrid1->chrtTimes->width());
    EXPECT_FALSE(JpegDecoder::DecodeFile(Path("b.jpg")).isNull());
    const std::string metafile = FileBytes(Path("c.WMF"));
    ASSERT_GE(metafile.size(), 4u);
    EXPECT_EQ(metafile.substr(0, 4), std::string("\xD7\xCD\xC6\x9A", 4));  // placeable metafile key
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("a.png"))));
}

TEST_F(GraphView, F4InTheChartViewWritesAPictureAndSavesNothing)
{
    TfrmDesignWindow &w = ChartView();
    dialogs.ScriptFileName(Path("view.bmp"), 1);
    PressKey(w, Qt::Key_F4);
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.FileDialogs()[0].request.title, "Save Time and Depth Graph ");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("view.bmp"))));
    EXPECT_FALSE(Run().Saved());
}

TEST_F(GraphView, TheTableExportsAsTextOrWorkbookAndTheRunFileStays)
{
    TfrmDesignWindow &w = FileView();
    dialogs.ScriptFileName(Path("table.txt"), 2);
    QTest::mouseClick(w.fraGraphGrid1->btbtnSaveTimeChart, Qt::LeftButton);
    const FileDialogRequest &request = dialogs.FileDialogs()[0].request;
    EXPECT_EQ(request.title, "Export calculated irrigations");
    EXPECT_EQ(request.filters, (std::vector<std::string>{"Excel files (*.xls)", "ASCII files (*.txt)"}));
    EXPECT_EQ(request.fileName, "runs");  // the run file without folder and extension
    // The text lines are the table's rows, cells separated by ';'.
    std::istringstream text(FileBytes(Path("table.txt")));
    std::string line;
    ASSERT_TRUE(std::getline(text, line));
    TStringGrid *grid = w.fraGraphGrid1->stgIrrigationRuns;
    EXPECT_EQ(line, grid->Cells(0, 0) + ";" + grid->Cells(1, 0) + ";" + grid->Cells(2, 0) + ";" + grid->Cells(3, 0) +
                        "\r");
    dialogs.ScriptFileName(Path("table.xls"), 1);
    QTest::mouseClick(w.fraGraphGrid1->btbtnSaveTimeChart, Qt::LeftButton);
    // The workbook goes by the .xls name; it is read from an open file, so the name does not matter.
    const std::string cell = ReadCommand("/usr/bin/python3 -c \"import openpyxl,sys; print(openpyxl.load_workbook("
                                         "open(sys.argv[1], 'rb')).active.cell(1, 3).value)\" " + Path("table.xls") +
                                         " 2>&1");
    EXPECT_EQ(cell, grid->Cells(2, 0) + "\n");
    // The run file is the data set's file again: the next save writes runs, not a table.
    EXPECT_EQ(w.DataSet()->FileName(), Path("runs.svx"));
    EXPECT_EQ(w.DataSet()->FileKind(), fkBorderRunFile);
}

TEST_F(GraphView, PrintPrintsTheTableOrTheChartsOfThePageShown)
{
    TfrmDesignWindow &w = FileView();
    for (const char *page : {"table", "graph"}) {
        SCOPED_TRACE(page);
        const std::string pdf = Path(std::string(page) + ".pdf");
        Printer().setOutputFormat(QPrinter::PdfFormat);
        Printer().setOutputFileName(QString::fromStdString(pdf));
        if (std::string(page) == "graph")
            QTest::mouseClick(w.fraGraphGrid1->pgcGraphGrid->tabBar(), Qt::LeftButton, {},
                              w.fraGraphGrid1->pgcGraphGrid->tabBar()->tabRect(0).center());
        // A cancelled print dialog prints nothing.
        dialogs.ScriptPrint(false);
        QTest::mouseClick(w.fraGraphGrid1->btbtnPrintTimeChart, Qt::LeftButton);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
        dialogs.ScriptPrint(true);
        QTest::mouseClick(w.fraGraphGrid1->btbtnPrintTimeChart, Qt::LeftButton);
        const std::string text = ReadCommand("pdftotext -layout " + pdf + " - 2>&1");
        if (std::string(page) == "table") {
            EXPECT_NE(text.find("Striva"), std::string::npos) << text;
            EXPECT_NE(text.find("Cutoff time"), std::string::npos) << text;
        } else {
            EXPECT_NE(text.find("Advance curve of run number"), std::string::npos) << text;
            EXPECT_NE(ReadCommand("pdfinfo " + pdf).find("Striva"), std::string::npos);
        }
    }
}

TEST_F(GraphView, TheClipboardTakesTheChartsFromTheGraphPageOnly)
{
    TfrmDesignWindow &w = FileView();
    EXPECT_FALSE(w.fraGraphGrid1->btbtnCopyTimeChart->isEnabled());  // Table page
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(w.fraGraphGrid1->pgcGraphGrid->tabBar(), Qt::LeftButton, {},
                      w.fraGraphGrid1->pgcGraphGrid->tabBar()->tabRect(0).center());
    ASSERT_TRUE(w.fraGraphGrid1->btbtnCopyTimeChart->isEnabled());
    QTest::mouseClick(w.fraGraphGrid1->btbtnCopyTimeChart, Qt::LeftButton);
    ASSERT_EQ(dialogs.Texts(), (std::vector<std::string>{"Charts are copied to clipboard"}));
    EXPECT_EQ(dialogs.Messages()[0].icon, DialogIcon::Information);
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());
}

TEST_F(GraphView, EscInTheFileViewOnlyTurnsToTheTableAndCloseLeaves)
{
    TfrmDesignWindow &w = FileView();
    QTest::mouseClick(w.fraGraphGrid1->pgcGraphGrid->tabBar(), Qt::LeftButton, {},
                      w.fraGraphGrid1->pgcGraphGrid->tabBar()->tabRect(0).center());
    PressKey(w, Qt::Key_Escape);
    EXPECT_FALSE(w.sbxGraph->isHidden());
    EXPECT_EQ(w.fraGraphGrid1->pgcGraphGrid->currentWidget(), w.fraGraphGrid1->tshTable);
    EXPECT_TRUE(w.fraGraphGrid1->bbtDeleteRun->isEnabled());
    QTest::mouseClick(w.fraGraphGrid1->bbtClose, Qt::LeftButton);
    EXPECT_TRUE(w.sbxGraph->isHidden());
    EXPECT_FALSE(w.sbxCalculation->isHidden());
    EXPECT_EQ(Status(0), "F1 Help");
}
