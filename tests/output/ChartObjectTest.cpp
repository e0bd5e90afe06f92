#include "TChart.h"
#include "uChartObject.h"

#include <QCoreApplication>
#include <QtCharts/QChart>

#include <gtest/gtest.h>

namespace {

// Two charts of the frame's size and one drawing of a small run into them.
class ChartObject : public ::testing::Test {
protected:
    ChartObject()
    {
        time.resize(774, 232);
        depth.resize(774, 242);
    }

    void SetupGraphs(TIrrikaGraphObject &graphs)
    {
        graphs.SetupCharts("times", "Time  (min) ", "Length (m) ", "depths", "Depth  (mm) ", "Length (m) ", 572, 110,
                           20);
    }
    void SetupOnly()
    {
        TIrrikaGraphObject graphs(&time, &depth);
        SetupGraphs(graphs);
    }

    void Draw(const TXYArray &advance, const TXYArray &recession, const TXYArray &cutoff, const TXYArray &profile,
              double required)
    {
        TIrrikaGraphObject graphs(&time, &depth);
        SetupGraphs(graphs);
        graphs.DrawTimeCurves(advance, recession, cutoff);
        graphs.DrawInfiltrationProfile(profile, required);
    }

    std::vector<std::string> Titles(TChart &chart)
    {
        std::vector<std::string> titles;
        for (int i = 0; i < chart.SeriesCount(); ++i)
            titles.push_back(chart.Series(i).Title);
        return titles;
    }

    TChart time;
    TChart depth;
    const TXYArray advance{{0, 0}, {50, 120}, {100, 300}};
    const TXYArray recession{{0, 480}, {50, 500}, {100, 520}};
    const TXYArray cutoff{{0, 480}, {100, 999}};
    const TXYArray profile{{0, 120}, {50, 100}, {100, 80}};
};

const std::vector<std::string> kTimeTitles{"Advance time         ", "Recession time       ", "Cutoff time          "};
const std::vector<std::string> kDepthTitles{"Stored in Dreq Zone", "Under-irrigation   ", "Over-irrigation    ",
                                            "Dreq                 ", ""};

}  // namespace

TEST_F(ChartObject, SetupGivesTitlesAxesAndGrids)
{
    SetupOnly();
    EXPECT_EQ("times", time.Title());
    EXPECT_EQ("Time  (min) ", time.LeftAxis().Title());
    EXPECT_EQ("Length (m) ", time.BottomAxis().Title());
    EXPECT_EQ(572, time.LeftMaximum());
    EXPECT_TRUE(time.LeftAxis().GridVisible());
    EXPECT_TRUE(time.BottomAxis().GridVisible());
    EXPECT_FALSE(time.LeftAxis().Inverted());

    EXPECT_EQ("depths", depth.Title());
    EXPECT_EQ("Depth  (mm) ", depth.LeftAxis().Title());
    EXPECT_EQ("Length (m) ", depth.BottomAxis().Title());
    EXPECT_EQ(110, depth.LeftMaximum());
    EXPECT_FALSE(depth.LeftAxis().GridVisible());
    EXPECT_FALSE(depth.BottomAxis().GridVisible());
    EXPECT_TRUE(depth.LeftAxis().Inverted());
    for (TChart *chart : {&time, &depth})
        EXPECT_EQ(20, chart->BottomIncrement());
}

TEST_F(ChartObject, DrawsTheTimeCurvesWithTheirStyles)
{
    Draw(advance, recession, cutoff, profile, 100);
    ASSERT_EQ(kTimeTitles, Titles(time));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(21u, time.Series(i).Title.size());
    struct Style { TPenStyle line; TPointerStyle pointer; };
    const Style kStyles[] = {{TPenStyle::Solid, TPointerStyle::Circle},
                             {TPenStyle::Dash, TPointerStyle::DiagCross},
                             {TPenStyle::Solid, TPointerStyle::None}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const TSeriesStyle &style = time.Series(i).Style;
        EXPECT_EQ(kStyles[i].line, style.LineStyle);
        EXPECT_EQ(kStyles[i].pointer, style.Pointer);
        EXPECT_EQ(3, style.LineWidth);
        EXPECT_EQ(QColor(Qt::black), style.Color);
        EXPECT_EQ(TSeriesKind::Line, time.Series(i).Kind);
    }
    EXPECT_EQ(300, time.Series(0).Points[2].Y);
    EXPECT_EQ(520, time.Series(1).Points[2].Y);
    // The cutoff line is level at the first point's time, up to the second point's X.
    const TXYArray &line = time.Series(2).Points;
    ASSERT_EQ(2u, line.size());
    EXPECT_EQ(0, line[0].X);
    EXPECT_EQ(480, line[0].Y);
    EXPECT_EQ(100, line[1].X);
    EXPECT_EQ(480, line[1].Y);
    EXPECT_EQ(kTimeTitles, time.LegendTitles());
}

TEST_F(ChartObject, EmptyArraysAddNoTimeSeries)
{
    Draw(advance, {}, cutoff, profile, 100);
    EXPECT_EQ((std::vector<std::string>{kTimeTitles[0], kTimeTitles[2]}), time.LegendTitles());
    Draw({}, {}, {}, profile, 100);
    EXPECT_EQ(0, time.SeriesCount());
}

TEST_F(ChartObject, SecondDrawingReplacesTheFirst)
{
    Draw(advance, recession, cutoff, profile, 100);
    Draw(advance, {}, cutoff, {{0, 7}}, 5);
    EXPECT_EQ((std::vector<std::string>{kTimeTitles[0], kTimeTitles[2]}), Titles(time));
    EXPECT_EQ(kDepthTitles, Titles(depth));
    ASSERT_EQ(1u, depth.Series(3).Points.size());
    EXPECT_EQ(5, depth.Series(3).Points[0].Y);
    // Setting up alone empties both charts.
    SetupOnly();
    EXPECT_EQ(0, time.SeriesCount());
    EXPECT_EQ(0, depth.SeriesCount());
}

// Z is the profile depth, D the required depth 100.
TEST_F(ChartObject, StackedAreasAddUpToTheLargerOfProfileAndRequiredDepth)
{
    struct Case { const char *name; double Z, stored, under, over; };
    const Case kCases[] = {
        {"shallower", 80, 80, 20, 0},
        {"exactly at", 100, 100, 0, 0},
        {"deeper", 130, 100, 0, 30},
    };
    TXYArray points;
    for (size_t i = 0; i < std::size(kCases); ++i)
        points.push_back({10.0 * static_cast<double>(i), kCases[i].Z});
    Draw(advance, recession, cutoff, points, 100);

    ASSERT_EQ(kDepthTitles, Titles(depth));
    for (size_t i = 0; i < std::size(kCases); ++i) {
        const Case &c = kCases[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.stored, depth.Series(0).Points[i].Y);
        EXPECT_EQ(c.under, depth.Series(1).Points[i].Y);
        EXPECT_EQ(c.over, depth.Series(2).Points[i].Y);
        EXPECT_EQ(100, depth.Series(3).Points[i].Y);
        EXPECT_EQ(c.Z, depth.Series(4).Points[i].Y);
        EXPECT_EQ(10.0 * static_cast<double>(i), depth.Series(4).Points[i].X);
        // As drawn: the top of the third area is max(Z, D).
        EXPECT_EQ(std::max(c.Z, 100.0), depth.SeriesUpper(2)[i].Y);
    }
}

TEST_F(ChartObject, DepthSeriesStyles)
{
    Draw(advance, recession, cutoff, profile, 100);
    struct Style { TSeriesKind kind; QColor color; TPenStyle line; int width; TAreaBrush brush; };
    const Style kStyles[] = {
        {TSeriesKind::StackedArea, Qt::white, TPenStyle::Dot, 1, TAreaBrush::Vertical},
        {TSeriesKind::StackedArea, QColor(0xC0, 0xC0, 0xC0), TPenStyle::Dot, 1, TAreaBrush::BDiagonal},
        {TSeriesKind::StackedArea, Qt::white, TPenStyle::Dot, 1, TAreaBrush::FDiagonal},
        {TSeriesKind::Line, Qt::black, TPenStyle::Dash, 3, TAreaBrush::None},
        {TSeriesKind::Line, Qt::black, TPenStyle::Solid, 1, TAreaBrush::None},
    };
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const TChartSeries &series = depth.Series(i);
        EXPECT_EQ(kStyles[i].kind, series.Kind);
        EXPECT_EQ(kStyles[i].color, series.Style.Color);
        EXPECT_EQ(kStyles[i].line, series.Style.LineStyle);
        EXPECT_EQ(kStyles[i].width, series.Style.LineWidth);
        EXPECT_EQ(kStyles[i].brush, series.Style.Brush);
    }
}

TEST_F(ChartObject, EmptyProfileStillAddsFiveSeriesAndFourLegendEntries)
{
    Draw(advance, recession, cutoff, {}, 100);
    ASSERT_EQ(kDepthTitles, Titles(depth));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(depth.Series(i).Points.empty());
    EXPECT_EQ((std::vector<std::string>(kDepthTitles.begin(), kDepthTitles.begin() + 4)), depth.LegendTitles());
}

namespace {

// Dark pixels in the strip left of the plot where the left axis writes its labels.
int LeftLabelInk(TChart &chart)
{
    QCoreApplication::processEvents();
    const QImage image = chart.grab().toImage();
    const QRectF plot = chart.Chart()->plotArea();
    int ink = 0;
    for (int y = static_cast<int>(plot.top()) - 8; y < static_cast<int>(plot.bottom()) + 8; ++y)
        for (int x = static_cast<int>(plot.left()) - 30; x < static_cast<int>(plot.left()) - 4; ++x)
            ink += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    return ink;
}

}  // namespace

TEST_F(ChartObject, TheDepthAxisOfAChartAlreadyOnScreenLabelsEveryTick)
{
    // The view's charts are on screen before the first run is drawn into them.
    depth.show();
    QCoreApplication::processEvents();
    Draw({{0, 0}, {100, 50}}, {}, {{0, 60}, {100, 60}}, {{0, 90}, {100, 150}}, 75);
    const int shownFirst = LeftLabelInk(depth);

    TChart fresh;
    fresh.resize(depth.size());
    TIrrikaGraphObject graphs(&time, &fresh);
    SetupGraphs(graphs);
    fresh.show();
    const int expected = LeftLabelInk(fresh);
    ASSERT_GT(expected, 60);
    EXPECT_NEAR(shownFirst, expected, expected / 5);
}
