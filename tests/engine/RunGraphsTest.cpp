#include "../output/CommandOutput.h"
#include "Errors.h"
#include "Printer.h"
#include "RecordingDialogs.h"
#include "TChart.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationManager.h"
#include "uParameter.h"
#include "uParameterArray.h"
#include "uParameters.h"
#include "uRunGraphs.h"
#include "uUnits.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>

namespace {

// What a calculation leaves in a run, set directly: the chart parameters and the three
// result curves, rising along the field.
struct RunData {
    double cutoff, required, length;
    double advanceEnd, recessionEnd, profileStart;
};

struct Module {
    TIrrigationModule module;
    const TRunGraphsLayout *layout;
    const char *lengthCaption;
};
const Module kModules[] = {
    {imBasin, &BasinRunGraphs, "Basin length"},
    {imBorder, &BorderRunGraphs, "Border length"},
    {imFurrow, &FurrowRunGraphs, "Length"},
};

// A module's binding with the frame's two charts, its data set read from the shipped
// settings.
class RunGraphs : public ::testing::Test {
protected:
    RunGraphs()
    {
        time.resize(774, 232);
        depth.resize(774, 242);
    }

    void Open(const Module &m, int runs = 1)
    {
        module = &m;
        formatter = TIrrigationManager().CreateFormatter(m.module);
        formatter->FTimeChart = &time;
        formatter->FDepthChart = &depth;
        dataSet = formatter->GetDataSet();
        for (int i = 0; i < runs; ++i)
            dataSet->NewRun();
    }
    TParameters &Parameters(int run) { return *dataSet->GetRunByNumber(run)->GetParameters(); }

    // Curves reach their end value at the last drawn point; rows past it hold far larger
    // values, so that a curve drawn too long shows in the maxima.
    void Calculate(int run, int mode, const RunData &d)
    {
        TParameters &p = Parameters(run);
        p.FindParameter("CutoffTime")->SetValue(d.cutoff);
        p.FindParameter("RequiredDepth")->SetValue(d.required);
        p.FindParameter(module->layout->LengthName)->SetValue(d.length);
        const int last = module->layout->Points - 1;
        TParameterArray *recession = p.FindArray("RecessionTime");  // the basin has none
        ASSERT_EQ(module->layout->HasRecession, recession != nullptr);
        for (int i = 0; i <= 30; ++i) {
            const double share = i <= last ? static_cast<double>(i) / last : 100;
            p.FindArray("AdvanceTime")->SetValue(i, 0, share * d.advanceEnd);
            if (recession)
                recession->SetValue(i, 0, d.recessionEnd * (i <= last ? 1 : 100));
            p.FindArray("InfiltrationDepth")->SetValue(i, 0, d.profileStart - (i <= last ? i : 0));
        }
        dataSet->GetRunByNumber(run)->SetMode(mode);
        dataSet->GetRunByNumber(run)->SetCalculated(true);
    }
    int Draw(int run) { return formatter->DrawGraphs(run); }

    RecordingDialogs dialogs;
    const Module *module = nullptr;
    std::unique_ptr<TIrrigationFormatter> formatter;
    TIrrigationDataSet *dataSet = nullptr;
    TChart time;
    TChart depth;
};

}  // namespace

TEST_F(RunGraphs, EachModuleDrawsItsPointsTitlesAndMaxima)
{
    struct Case {
        const Module &module;
        RunData run;
        size_t points;
        double lastX, timeMax, depthMax;
        size_t timeSeries;
    };
    const Case kCases[] = {
        // Time max 125 + Round(12.5) = 137; depth max 85 + Round(8.5) = 93: halves go to even.
        {kModules[0], {125, 85, 100, 110, 0, 60}, 11, 100, 137, 93, 2},
        // Recession at the last point is the largest: 520 + 52.
        {kModules[1], {480, 75, 150, 300, 520, 90}, 25, 144, 572, 99, 3},
        // The advance time is the largest: 700 + 70; the profile start 115 + Round(11.5) = 127.
        {kModules[2], {600, 75, 200, 700, 650, 115}, 25, 192, 770, 127, 3},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.module.lengthCaption);
        Open(c.module);
        Calculate(1, 2, c.run);
        ASSERT_EQ(0, Draw(1));
        EXPECT_TRUE(dialogs.Messages().empty());

        EXPECT_EQ("Advance curve of run number : 1 in calc. mode : 2", time.Title());
        EXPECT_EQ("Infiltration profile of run number : 1 in calc. mode : 2", depth.Title());
        EXPECT_EQ(std::string(c.module.lengthCaption) + " (Meters) ", time.BottomAxis().Title());
        EXPECT_EQ(time.BottomAxis().Title(), depth.BottomAxis().Title());
        EXPECT_EQ("Time  (Minutes) ", time.LeftAxis().Title());
        EXPECT_EQ("Depth  (MM) ", depth.LeftAxis().Title());
        EXPECT_EQ(c.timeMax, time.LeftMaximum());
        EXPECT_EQ(c.depthMax, depth.LeftMaximum());
        EXPECT_EQ(c.run.length / 5, time.BottomIncrement());
        EXPECT_EQ(c.run.length / 5, depth.BottomIncrement());

        ASSERT_EQ(static_cast<int>(c.timeSeries), time.SeriesCount());
        const TXYArray &advance = time.Series(0).Points;
        ASSERT_EQ(c.points, advance.size());
        EXPECT_EQ(0, advance.front().X);
        EXPECT_DOUBLE_EQ(c.run.length / static_cast<double>(c.module.layout->Step), advance[1].X);
        EXPECT_DOUBLE_EQ(c.lastX, advance.back().X);
        EXPECT_DOUBLE_EQ(c.run.advanceEnd, advance.back().Y);
        const TXYArray &cutoff = time.Series(time.SeriesCount() - 1).Points;
        EXPECT_EQ("Cutoff time          ", time.Series(time.SeriesCount() - 1).Title);
        EXPECT_EQ(0, cutoff[0].X);
        EXPECT_DOUBLE_EQ(c.lastX, cutoff[1].X);
        EXPECT_EQ(c.run.cutoff, cutoff[0].Y);
        EXPECT_EQ(c.run.cutoff, cutoff[1].Y);

        ASSERT_EQ(5, depth.SeriesCount());
        const TXYArray &profile = depth.Series(4).Points;
        ASSERT_EQ(c.points, profile.size());
        EXPECT_EQ(c.run.profileStart, profile[0].Y);
        EXPECT_EQ(c.run.required, depth.Series(3).Points.back().Y);
    }
}

TEST_F(RunGraphs, PointsAreInDisplayUnits)
{
    Open(kModules[1]);
    Calculate(1, 1, {480, 75, 150, 300, 520, 90});
    TIrrigationRun &run = *dataSet->GetRunByNumber(1);
    run.ChangeUnit(ukMeters, ukFeet);
    run.ChangeUnit(ukMinutes, ukHours);
    ASSERT_EQ(0, Draw(1));
    const double feet = dataSet->Units()->GetUnit(ukFeet)->Factor();
    const double hours = dataSet->Units()->GetUnit(ukHours)->Factor();
    EXPECT_EQ("Border length (Feet) ", time.BottomAxis().Title());
    EXPECT_EQ("Time  (Hours) ", time.LeftAxis().Title());
    EXPECT_DOUBLE_EQ(24.0 / 25 * 150 * feet, time.Series(0).Points.back().X);
    EXPECT_DOUBLE_EQ(300 * hours, time.Series(0).Points.back().Y);
    EXPECT_DOUBLE_EQ(150 * feet / 5, time.BottomIncrement());
}

TEST_F(RunGraphs, TitlesNameTheRunFileWithoutItsFolder)
{
    Open(kModules[0], 3);
    Calculate(3, 4, {125, 85, 100, 110, 0, 60});
    dataSet->SetFileName("/data/a.pdx");
    ASSERT_EQ(0, Draw(3));
    EXPECT_EQ("Advance curve of run number : 3 in calc. mode : 4 of the file: a.pdx", time.Title());
    EXPECT_EQ("Infiltration profile of run number : 3 in calc. mode : 4 of the file: a.pdx", depth.Title());
}

TEST_F(RunGraphs, RunsThatCannotBeDrawnLeaveTheChartsAlone)
{
    Open(kModules[1], 2);
    Calculate(1, 1, {480, 75, 150, 300, 520, 90});
    ASSERT_EQ(0, Draw(1));
    const std::string title = time.Title();
    for (int number : {0, 2, 3, -1}) {  // 2 is not calculated, 3 is past the count
        SCOPED_TRACE(number);
        EXPECT_EQ(0, Draw(number));
        EXPECT_EQ(title, time.Title());
        EXPECT_EQ(3, time.SeriesCount());
        EXPECT_EQ(5, depth.SeriesCount());
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(RunGraphs, ZeroLengthDrawsWithAutomaticTicks)
{
    Open(kModules[2]);
    Calculate(1, 1, {600, 75, 0, 700, 650, 115});
    ASSERT_EQ(0, Draw(1));
    EXPECT_EQ(0, time.BottomIncrement());
    EXPECT_FALSE(time.BottomTicksAtIncrement());
    EXPECT_FALSE(time.ToImage().isNull());
}

TEST_F(RunGraphs, SaveForcesTheKindsExtension)
{
    Open(kModules[0]);
    Calculate(1, 1, {125, 85, 100, 110, 0, 60});
    Draw(1);
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString() + "/";
    struct Case { unsigned char kind; const char *given, *written; };
    const Case kCases[] = {
        {gkJPEG, "chart.bmp", "chart.jpg"}, {gkJPEG, "shout.JPG", "shout.jpg"},
        {gkBitmap, "plain", "plain.bmp"}, {gkMetafile, "meta.wmf", "meta.WMF"},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.written);
        EXPECT_EQ(0, formatter->SaveGraphs(c.kind, base + c.given));
        EXPECT_TRUE(QFile::exists(QString::fromStdString(base + c.written)));
    }
    EXPECT_EQ(QSize(774, 474), QImage(QString::fromStdString(base + "plain.bmp")).size());
    EXPECT_EQ(QSize(774, 474), QImage(QString::fromStdString(base + "chart.jpg")).size());
    EXPECT_EQ(4u, QDir(dir.path()).entryList(QDir::Files).size());
}

TEST_F(RunGraphs, SaveRefusesWhatItCannotWrite)
{
    Open(kModules[2]);
    QTemporaryDir dir;
    const std::string name = dir.path().toStdString() + "/chart";
    for (unsigned char kind : {2, 5})
        EXPECT_EQ(-1, formatter->SaveGraphs(kind, name));
    const std::string missing = dir.path().toStdString() + "/none/chart";
    EXPECT_EQ(-1, formatter->SaveGraphs(gkBitmap, missing));
    EXPECT_THROW(formatter->SaveGraphs(gkJPEG, missing), Exception);
    EXPECT_THROW(formatter->SaveGraphs(gkMetafile, missing), Exception);
    formatter->FDepthChart = nullptr;
    EXPECT_EQ(-1, formatter->SaveGraphs(gkBitmap, name));
    EXPECT_EQ(-1, formatter->SaveGraphs(gkClipboard, ""));
    EXPECT_EQ(-1, formatter->PrintGraphs());
    EXPECT_EQ(-1, formatter->CopyGraphToClipboard(0));
    formatter->FDepthChart = &depth;
    formatter->FTimeChart = nullptr;
    EXPECT_EQ(-1, formatter->SaveGraphs(gkJPEG, name));
    EXPECT_EQ(-1, formatter->CopyGraphToClipboard(1));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(RunGraphs, ClipboardCopies)
{
    Open(kModules[0]);
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(0, formatter->SaveGraphs(gkClipboard, ""));
    EXPECT_EQ(QSize(774, 474), QGuiApplication::clipboard()->image().size());

    struct Case { unsigned char which; int height; };
    for (const Case &c : {Case{0, 232}, Case{1, 242}}) {
        QGuiApplication::clipboard()->clear();
        EXPECT_EQ(0, formatter->CopyGraphToClipboard(c.which));
        const QByteArray metafile = QGuiApplication::clipboard()->mimeData()->data(TChart::MetafileMimeType);
        ASSERT_GE(metafile.size(), 14);
        EXPECT_EQ(c.height, static_cast<quint8>(metafile[12]) | static_cast<quint8>(metafile[13]) << 8);
    }
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(0, formatter->CopyGraphToClipboard(2));
    const QMimeData *nothing = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(!nothing || !nothing->hasFormat(TChart::MetafileMimeType));
}

TEST(GraphPrintLayout, ThirdsOfThePageWithSideMargins)
{
    const TGraphPrintLayout page = GraphPrintLayout(6600, 4800);
    EXPECT_EQ(330, page.Time.Left);
    EXPECT_EQ(6270, page.Time.Right);
    EXPECT_EQ(800, page.Time.Top);
    EXPECT_EQ(2400, page.Time.Bottom);
    EXPECT_EQ(2400, page.Depth.Top);
    EXPECT_EQ(4000, page.Depth.Bottom);
    EXPECT_EQ(330, page.Depth.Left);
    // A third of 4803 is 1601; half of it, 800.5, goes to the even 800.
    EXPECT_EQ(800, GraphPrintLayout(6600, 4803).Time.Top);
    EXPECT_EQ(802, GraphPrintLayout(6600, 4809).Time.Top);  // 801.5 goes to 802
}

// Prints to a PDF and finds the chart texts where the page layout puts the charts.
TEST_F(RunGraphs, PrintsBothChartsOnOneLandscapePageUnderTheModulesTitle)
{
    const char *const kTitles[] = {"Pondix Graphs", "Striva Graphs", "Rillox Graphs"};
    for (int m = 0; m < 3; ++m) {
        SCOPED_TRACE(kTitles[m]);
        Open(kModules[m]);
        Calculate(1, 1, {480, 75, 150, 300, 520, 90});
        Draw(1);
        QTemporaryDir dir;
        const std::string pdf = dir.filePath("graphs.pdf").toStdString();
        QPrinter &printer = Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        printer.setPageOrientation(QPageLayout::Portrait);
        ASSERT_EQ(0, formatter->PrintGraphs());
        printer.setOutputFileName(QString());
        EXPECT_FALSE(time.PrintProportional());
        EXPECT_FALSE(depth.PrintProportional());

        const std::string info = ReadCommand("pdfinfo '" + pdf + "'");
        EXPECT_NE(std::string::npos, info.find(kTitles[m]));
        EXPECT_TRUE(std::regex_search(info, std::regex("Pages: +1\n")));
        std::smatch size;
        ASSERT_TRUE(std::regex_search(info, size, std::regex("Page size: +([0-9.]+) x ([0-9.]+)")));
        const double width = std::stod(size[1]), height = std::stod(size[2]);
        EXPECT_GT(width, height);

        // The time chart's title lies in the upper part of its third of the page, the
        // depth chart's legend in the middle of the next third.
        const std::string words = ReadCommand("pdftotext -bbox '" + pdf + "' -");
        auto top = [&](const char *word) {
            std::smatch found;
            const std::regex pattern(std::string("yMin=\"([0-9.]+)\"[^>]*>") + word + "<");
            return std::regex_search(words, found, pattern) ? std::stod(found[1]) : -1.0;
        };
        const double advance = top("Advance"), stored = top("Stored");
        EXPECT_GT(advance, height / 6);
        EXPECT_LT(advance, height / 3);
        EXPECT_GT(stored, height / 2);
        EXPECT_LT(stored, height * 5 / 6);
    }
}
