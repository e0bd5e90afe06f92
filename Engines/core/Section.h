#ifndef IRRIKA_SECTION_H
#define IRRIKA_SECTION_H

// Flow cross-sections of sloping fields and their uniform (Manning) flow. Lengths in metres,
// flows in m3/min, Manning n in SI units.

#include <memory>
#include <optional>

namespace hydraulics {

class Section {
public:
    virtual ~Section() = default;
    virtual double area(double depth) const = 0;
    virtual double wettedPerimeter(double depth) const = 0;
    virtual double topWidth(double depth) const = 0;
};

// A border strip: sheet flow over the full width, wetted perimeter = width.
std::unique_ptr<Section> sheetSection(double width);
std::unique_ptr<Section> triangularSection(double sideSlope);
std::unique_ptr<Section> trapezoidalSection(double bedWidth, double sideSlope);
// Parabola through the top width at the given depth.
std::unique_ptr<Section> parabolicSection(double topWidth, double depth);
// A = sigma1 y^sigma2, P = tau1 y^tau2 (Walker and Skogerboe 1987).
std::unique_ptr<Section> powerLawSection(double sigma1, double sigma2, double tau1, double tau2);

double manningFlow(const Section &s, double depth, double manningN, double slope);
std::optional<double> normalDepth(const Section &s, double flow, double manningN, double slope);

// Power laws A = sigma1 y^sigma2 and P = tau1 y^tau2 fitted by least squares in logs over
// depths up to maxDepth; exact for a triangle.
struct PowerLawFit {
    double sigma1, sigma2, tau1, tau2;
};
PowerLawFit fitPowerLaws(const Section &s, double maxDepth);

// Kinematic rating Q = alpha A^m through the uniform flows at depth y0 and y0 / 10.
struct Rating {
    double alpha, m;
};
Rating kinematicRating(const Section &s, double depth, double manningN, double slope);

// Flow along a field from the kinematic rating and the power law A ~ y^sigma2 through a
// reference depth (exact for sheets and power-law sections).
struct FieldFlow {
    Rating rating{0.0, 1.0};  // at the bed slope
    double slope = 0, refDepth = 0, refArea = 0, sigma2 = 1;

    double normalArea(double flow) const;  // of a uniform flow
    double depth(double area) const;
    double area(double depth) const;
};
// Rating and power law through the uniform flow at the given depth and a tenth of it.
FieldFlow fieldFlow(const Section &s, double depth, double manningN, double slope);

}  // namespace hydraulics

#endif
