#include "Section.h"

#include "Roots.h"

#include <cmath>

namespace hydraulics {

namespace {

class Sheet : public Section {
public:
    explicit Sheet(double w) : w_(w) {}
    double area(double y) const override { return w_ * y; }
    double wettedPerimeter(double) const override { return w_; }
    double topWidth(double) const override { return w_; }

private:
    double w_;
};

class Trapezoid : public Section {
public:
    Trapezoid(double b, double z) : b_(b), z_(z) {}
    double area(double y) const override { return (b_ + z_ * y) * y; }
    double wettedPerimeter(double y) const override
    {
        return b_ + 2.0 * y * std::sqrt(1.0 + z_ * z_);
    }
    double topWidth(double y) const override { return b_ + 2.0 * z_ * y; }

private:
    double b_, z_;
};

class Parabola : public Section {
public:
    Parabola(double topWidth, double depth) : c_(depth / (0.25 * topWidth * topWidth)) {}
    double topWidth(double y) const override { return 2.0 * std::sqrt(y / c_); }
    double area(double y) const override { return 2.0 / 3.0 * topWidth(y) * y; }
    double wettedPerimeter(double y) const override
    {
        // Arc length of y = c x^2 over the wetted width.
        const double x = 0.5 * topWidth(y);
        const double u = 2.0 * c_ * x;
        return x * std::sqrt(1.0 + u * u) + std::asinh(u) / (2.0 * c_);
    }

private:
    double c_;
};

class PowerLaw : public Section {
public:
    PowerLaw(double s1, double s2, double t1, double t2) : s1_(s1), s2_(s2), t1_(t1), t2_(t2) {}
    double area(double y) const override { return s1_ * std::pow(y, s2_); }
    double wettedPerimeter(double y) const override { return t1_ * std::pow(y, t2_); }
    double topWidth(double y) const override { return s1_ * s2_ * std::pow(y, s2_ - 1.0); }

private:
    double s1_, s2_, t1_, t2_;
};

}  // namespace

std::unique_ptr<Section> sheetSection(double width) { return std::make_unique<Sheet>(width); }
std::unique_ptr<Section> triangularSection(double z) { return std::make_unique<Trapezoid>(0.0, z); }
std::unique_ptr<Section> trapezoidalSection(double b, double z)
{
    return std::make_unique<Trapezoid>(b, z);
}
std::unique_ptr<Section> parabolicSection(double t, double d)
{
    return std::make_unique<Parabola>(t, d);
}
std::unique_ptr<Section> powerLawSection(double s1, double s2, double t1, double t2)
{
    return std::make_unique<PowerLaw>(s1, s2, t1, t2);
}

double manningFlow(const Section &s, double y, double n, double slope)
{
    const double a = s.area(y);
    const double r = a / s.wettedPerimeter(y);
    return 60.0 / n * a * std::pow(r, 2.0 / 3.0) * std::sqrt(slope);
}

std::optional<double> normalDepth(const Section &s, double flow, double n, double slope)
{
    if (!(flow > 0.0) || !(n > 0.0) || !(slope > 0.0)) return std::nullopt;
    auto f = [&](double y) { return manningFlow(s, y, n, slope) - flow; };
    return findRootAbove(f, 0.0, 0.01, 1.0e3);
}

PowerLawFit fitPowerLaws(const Section &s, double maxDepth)
{
    const int n = 20;
    double sx = 0, sxx = 0, sa = 0, sxa = 0, sp = 0, sxp = 0;
    for (int i = 0; i < n; ++i) {
        const double y = maxDepth * std::pow(0.05, 1.0 - double(i) / (n - 1));
        const double lx = std::log(y), la = std::log(s.area(y)), lp = std::log(s.wettedPerimeter(y));
        sx += lx; sxx += lx * lx; sa += la; sxa += lx * la; sp += lp; sxp += lx * lp;
    }
    const double det = n * sxx - sx * sx;
    const double sigma2 = (n * sxa - sx * sa) / det, tau2 = (n * sxp - sx * sp) / det;
    return {std::exp((sa - sigma2 * sx) / n), sigma2, std::exp((sp - tau2 * sx) / n), tau2};
}

Rating kinematicRating(const Section &s, double y, double n, double slope)
{
    const double a1 = s.area(y), a2 = s.area(0.1 * y);
    const double q1 = manningFlow(s, y, n, slope), q2 = manningFlow(s, 0.1 * y, n, slope);
    const double m = std::log(q1 / q2) / std::log(a1 / a2);
    return {q1 / std::pow(a1, m), m};
}

double FieldFlow::normalArea(double flow) const
{
    return flow > 0.0 ? std::pow(flow / rating.alpha, 1.0 / rating.m) : 0.0;
}

double FieldFlow::depth(double a) const
{
    return a > 0.0 ? refDepth * std::pow(a / refArea, 1.0 / sigma2) : 0.0;
}

double FieldFlow::area(double y) const
{
    return y > 0.0 ? refArea * std::pow(y / refDepth, sigma2) : 0.0;
}

FieldFlow fieldFlow(const Section &s, double depth, double manningN, double slope)
{
    FieldFlow f;
    f.rating = kinematicRating(s, depth, manningN, slope);
    f.slope = slope;
    f.refDepth = depth;
    f.refArea = s.area(depth);
    f.sigma2 = std::log(f.refArea / s.area(0.1 * depth)) / std::log(10.0);
    return f;
}

}  // namespace hydraulics
