#include "TChart.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TChartSeries Line(const TXYArray &points, const std::string &title = "line")
{
    TChartSeries series;
    series.Title = title;
    series.Points = points;
    return series;
}

TChartSeries Area(const TXYArray &heights, const std::string &title)
{
    TChartSeries series = Line(heights, title);
    series.Kind = TSeriesKind::StackedArea;
    return series;
}

QValueAxis *QtAxis(TChart &chart, Qt::Orientation orientation)
{
    return qobject_cast<QValueAxis *>(chart.Chart()->axes(orientation).at(0));
}

// The number of dark pixels: a chart that rendered nothing is all white.
int DarkPixels(const QImage &image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

}  // namespace

TEST(Chart, BottomAxisSpansTheSeriesAndTicksAtTheIncrement)
{
    TChart chart;
    chart.AddSeries(Line({{4, 1}, {20, 2}}));
    chart.AddSeries(Line({{10, 1}, {96, 2}}));
    chart.SetBottomIncrement(20);
    EXPECT_EQ(4, chart.BottomMinimum());
    EXPECT_EQ(96, chart.BottomMaximum());
    EXPECT_TRUE(chart.BottomTicksAtIncrement());
    EXPECT_EQ(QValueAxis::TicksDynamic, QtAxis(chart, Qt::Horizontal)->tickType());
    EXPECT_EQ(0, QtAxis(chart, Qt::Horizontal)->tickAnchor());
    EXPECT_EQ(20, QtAxis(chart, Qt::Horizontal)->tickInterval());
}

// A length of 0 or a broken value from a file must not hang the drawing in a tick loop.
TEST(Chart, UnusableBottomIncrementLeavesTheTicksToTheChart)
{
    const double kIncrements[] = {0, -20, 1e-12, std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::infinity()};
    for (double increment : kIncrements) {
        SCOPED_TRACE(increment);
        TChart chart;
        chart.resize(774, 232);
        chart.AddSeries(Line({{0, 1}, {100, 2}}));
        chart.SetBottomIncrement(increment);
        EXPECT_FALSE(chart.BottomTicksAtIncrement());
        const double interval = QtAxis(chart, Qt::Horizontal)->tickInterval();
        EXPECT_GE(interval, 100 / 100.0);
        EXPECT_LE(interval, 100 / 2.0);
        QElapsedTimer timer;
        timer.start();
        EXPECT_GT(DarkPixels(chart.ToImage()), 0);
        EXPECT_LT(timer.elapsed(), 5000);
    }
}

TEST(Chart, DegenerateRangesStillDraw)
{
    {
        TChart huge;  // a broken value from a file
        huge.resize(300, 200);
        huge.SetLeftMaximum(1e308);
        huge.AddSeries(Line({{-1e308, 0}, {1e308, 1e308}}));
        EXPECT_GT(DarkPixels(huge.ToImage()), 0);
        EXPECT_LT(huge.BottomMinimum(), huge.BottomMaximum());
    }
    TChart chart;
    chart.resize(300, 200);
    chart.SetLeftMaximum(0);
    chart.AddSeries(Line({{0, 0}, {0, 0}}));
    chart.SetBottomIncrement(0);
    EXPECT_EQ(0, chart.LeftMaximum());
    EXPECT_LT(QtAxis(chart, Qt::Vertical)->min(), QtAxis(chart, Qt::Vertical)->max());
    EXPECT_LT(chart.BottomMinimum(), chart.BottomMaximum());
    EXPECT_GT(DarkPixels(chart.ToImage()), 0);
}

TEST(Chart, LeftAxisRunsFromZeroToTheMaximum)
{
    TChart chart;
    chart.AddSeries(Line({{0, 500}, {1, 900}}));
    chart.SetLeftMaximum(137);
    EXPECT_EQ(0, QtAxis(chart, Qt::Vertical)->min());
    EXPECT_EQ(137, QtAxis(chart, Qt::Vertical)->max());
    chart.LeftAxis().SetInverted(true);
    EXPECT_TRUE(QtAxis(chart, Qt::Vertical)->isReverse());
}

// The axis lays its ticks out at every change of range or step: a wide range must never meet
// the narrow step of the range before it, or the first chart of a window freezes the screen.
TEST(Chart, ANewRangeNeverMeetsTheOldStep)
{
    struct Case {
        double before, after;
    };
    const Case kCases[] = {{1, 2000}, {2000, 1}, {0, 1e6}, {43.4, 137}};
    for (const Case &c : kCases) {
        SCOPED_TRACE(std::to_string(c.before) + " -> " + std::to_string(c.after));
        TChart chart;
        chart.AddSeries(Line({{0, 0}, {c.before, 1}}));
        chart.SetLeftMaximum(c.before);
        chart.SetBottomIncrement(0);
        double most = 0;
        for (QValueAxis *axis : {QtAxis(chart, Qt::Vertical), QtAxis(chart, Qt::Horizontal)}) {
            auto count = [axis, &most] {
                if (axis->tickInterval() > 0)
                    most = std::max(most, (axis->max() - axis->min()) / axis->tickInterval());
            };
            QObject::connect(axis, &QValueAxis::rangeChanged, axis, count);
            QObject::connect(axis, &QValueAxis::tickIntervalChanged, axis, count);
        }
        chart.SetLeftMaximum(c.after);
        chart.RemoveAllSeries();
        chart.AddSeries(Line({{0, 0}, {c.after, 1}}));
        EXPECT_LE(most, 100);
        EXPECT_EQ(c.after, QtAxis(chart, Qt::Vertical)->max());
        EXPECT_EQ(c.after, chart.BottomMaximum());
    }
}

TEST(Chart, StackedAreasPileOnTheStackedAreaBeforeThem)
{
    TChart chart;
    chart.AddSeries(Area({{0, 1}, {1, 2}}, "a"));
    chart.AddSeries(Line({{0, 50}, {1, 50}}));  // a line between areas is not stacked on
    chart.AddSeries(Area({{0, 10}, {1, 20}}, "b"));
    chart.AddSeries(Area({{0, 100}, {1, 200}}, "c"));
    struct Expected { int series; double lower0, upper0, lower1, upper1; };
    const Expected kExpected[] = {{0, 0, 1, 0, 2}, {2, 1, 11, 2, 22}, {3, 11, 111, 22, 222}};
    for (const Expected &e : kExpected) {
        SCOPED_TRACE(e.series);
        const TXYArray lower = chart.SeriesLower(e.series);
        const TXYArray upper = chart.SeriesUpper(e.series);
        ASSERT_EQ(2u, lower.size());
        EXPECT_EQ(e.lower0, lower[0].Y);
        EXPECT_EQ(e.upper0, upper[0].Y);
        EXPECT_EQ(e.lower1, lower[1].Y);
        EXPECT_EQ(e.upper1, upper[1].Y);
        // What the charting library draws is the same pile.
        auto *area = qobject_cast<QAreaSeries *>(chart.Chart()->series().at(e.series));
        ASSERT_NE(nullptr, area);
        EXPECT_EQ(e.upper1, area->upperSeries()->at(1).y());
        EXPECT_EQ(e.lower1, area->lowerSeries()->at(1).y());
    }
    EXPECT_EQ(10, chart.Series(2).Points[0].Y);  // the series keeps its own heights
}

TEST(Chart, SeriesCarryTheirStyleIntoTheChart)
{
    TChart chart;
    TChartSeries dashed = Line({{0, 1}, {1, 2}}, "Recession time       ");
    dashed.Style.LineStyle = TPenStyle::Dash;
    dashed.Style.LineWidth = 3;
    dashed.Style.Pointer = TPointerStyle::DiagCross;
    chart.AddSeries(dashed);
    TChartSeries circles = dashed;
    circles.Style.LineStyle = TPenStyle::Dot;
    circles.Style.Pointer = TPointerStyle::Circle;
    chart.AddSeries(circles);
    TChartSeries hatched = Area({{0, 1}}, "area");
    hatched.Style.Color = QColor(0xC0, 0xC0, 0xC0);
    hatched.Style.Brush = TAreaBrush::BDiagonal;
    chart.AddSeries(hatched);

    auto *first = qobject_cast<QLineSeries *>(chart.Chart()->series().at(0));
    auto *second = qobject_cast<QLineSeries *>(chart.Chart()->series().at(1));
    auto *area = qobject_cast<QAreaSeries *>(chart.Chart()->series().at(2));
    ASSERT_TRUE(first && second && area);
    EXPECT_EQ("Recession time       ", first->name().toStdString());
    EXPECT_EQ(Qt::DashLine, first->pen().style());
    EXPECT_EQ(3, first->pen().width());
    EXPECT_EQ(QColor(Qt::black), first->pen().color());
    EXPECT_FALSE(first->lightMarker().isNull());
    EXPECT_FALSE(first->pointsVisible());
    EXPECT_EQ(Qt::DotLine, second->pen().style());
    EXPECT_TRUE(second->pointsVisible());
    EXPECT_TRUE(second->lightMarker().isNull());
    EXPECT_EQ(Qt::BDiagPattern, area->brush().style());
    EXPECT_EQ(QColor(0xC0, 0xC0, 0xC0), area->brush().color());
}

TEST(Chart, SeriesOutOfTheLegendAndRemovingAll)
{
    TChart chart;
    chart.AddSeries(Line({{0, 1}}, "shown "));
    TChartSeries hidden = Line({{0, 1}}, "");
    hidden.Style.ShowInLegend = false;
    chart.AddSeries(hidden);
    chart.AddSeries(Area({{0, 1}}, "area"));
    EXPECT_EQ((std::vector<std::string>{"shown ", "area"}), chart.LegendTitles());

    chart.RemoveAllSeries();
    EXPECT_EQ(0, chart.SeriesCount());
    EXPECT_TRUE(chart.Chart()->series().isEmpty());
    EXPECT_TRUE(chart.LegendTitles().empty());
    chart.AddSeries(Area({{0, 5}}, "fresh"));
    EXPECT_EQ(0, chart.SeriesLower(0)[0].Y);  // no pile on the removed areas
}

TEST(Chart, HiddenChartRendersAtItsSize)
{
    TChart chart;
    chart.resize(400, 250);
    chart.SetTitle("Title");
    chart.AddSeries(Line({{0, 0}, {10, 10}}));
    const QImage image = chart.ToImage();
    EXPECT_EQ(QSize(400, 250), image.size());
    EXPECT_GT(DarkPixels(image), 100);
}

TEST(Chart, CopiesItselfAsMetafile)
{
    TChart chart;
    chart.resize(300, 120);
    chart.AddSeries(Line({{0, 0}, {10, 10}}));
    chart.CopyToClipboardMetafile();
    const QByteArray metafile = QGuiApplication::clipboard()->mimeData()->data(TChart::MetafileMimeType);
    ASSERT_GE(metafile.size(), 22);
    // The placeable key, then the bounding box of the chart's size.
    EXPECT_EQ("\xD7\xCD\xC6\x9A", metafile.left(4).toStdString());
    EXPECT_EQ(300, static_cast<quint8>(metafile[10]) | static_cast<quint8>(metafile[11]) << 8);
    EXPECT_EQ(120, static_cast<quint8>(metafile[12]) | static_cast<quint8>(metafile[13]) << 8);
}

// On the frame's low charts a step of a sixth of the range would put labels on top of
// each other; once drawn, the chart's own steps leave every label its room.
TEST(Chart, OwnStepsLeaveLabelsRoom)
{
    const double kMaxima[] = {43.4, 137, 574.365, 1234};
    for (double maximum : kMaxima) {
        SCOPED_TRACE(maximum);
        TChart chart;
        chart.resize(774, 232);
        chart.AddSeries(Line({{0, 0}, {192, maximum}}));
        chart.SetLeftMaximum(maximum);
        chart.SetBottomIncrement(0);
        chart.ToImage();
        const QRectF plot = chart.Chart()->plotArea();
        const double left = QtAxis(chart, Qt::Vertical)->tickInterval();
        const double bottom = QtAxis(chart, Qt::Horizontal)->tickInterval();
        EXPECT_GE(left * plot.height() / maximum, 2.5 * 13);
        EXPECT_LT(left, maximum);  // more than one label
        EXPECT_GE(bottom * plot.width() / 192, 5 * 13);
        EXPECT_LT(bottom, 192);
        // Round steps: 1, 2 or 5 times a power of ten.
        for (double step : {left, bottom}) {
            const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
            EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9)
                << step;
        }
    }
}
