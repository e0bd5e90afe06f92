#ifndef IRRIKA_GAUSS_H
#define IRRIKA_GAUSS_H

// Composite 8-point Gauss-Legendre quadrature: the volume integrals along the field are
// smooth once the front has passed, and this keeps the inner loops of the searches short.

namespace hydraulics {

template <class F>
double integrate(F f, double a, double b, int panels = 8)
{
    static const double x[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                0.9602898564975363};
    static const double w[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                0.1012285362903763};
    const double h = (b - a) / panels;
    double sum = 0.0;
    for (int p = 0; p < panels; ++p) {
        const double mid = a + (p + 0.5) * h, half = 0.5 * h;
        for (int i = 0; i < 4; ++i)
            sum += w[i] * (f(mid - half * x[i]) + f(mid + half * x[i])) * half;
    }
    return sum;
}

}  // namespace hydraulics

#endif
