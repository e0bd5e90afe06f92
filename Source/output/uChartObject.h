#ifndef IRRIKA_OUTPUT_UCHARTOBJECT_H
#define IRRIKA_OUTPUT_UCHARTOBJECT_H

// Draws one calculated run into the design window's two charts: the time chart (advance,
// recession and cutoff lines along the field) and the depth chart (the infiltrated-depth
// profile against the required depth as stacked areas). It knows nothing of runs or units:
// the binding hands it titles, axis limits and points in display units. Call order:
// SetupCharts, DrawTimeCurves, DrawInfiltrationProfile; what it draws stays in the charts.

#include "uConstants.h"

#include <string>

class TChart;

class TIrrikaGraphObject {
public:
    // Neither chart is owned; both must exist.
    TIrrikaGraphObject(TChart *timeChart, TChart *depthChart);

    // Removes every series of both charts, then sets titles and axes.
    void SetupCharts(const std::string &TimesTitle, const std::string &TimesLeft,
                     const std::string &TimesBottom, const std::string &DepthsTitle,
                     const std::string &DepthsLeft, const std::string &DepthsBottom,
                     double TimesMax, double DepthsMax, double BottomIncrement);
    // An empty array adds no series; a cutoff line needs two points and is drawn level at
    // the first one's Y, from the first X to the second.
    void DrawTimeCurves(const TXYArray &Advance, const TXYArray &Recession, const TXYArray &Cutoff);
    // Always five series, also for an empty profile.
    void DrawInfiltrationProfile(const TXYArray &Profile, double RequiredDepth);

private:
    TChart *FTimeChart;
    TChart *FDepthChart;
};

#endif
