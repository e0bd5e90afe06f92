#ifndef IRRIKA_SLOPING_FIELD_H
#define IRRIKA_SLOPING_FIELD_H

// A free-draining sloping field, the common ground of borders (per strip) and furrows (per
// furrow): volume-balance advance with normal depth at the inlet, optional cutback of the
// inflow when the front reaches the end, kinematic-wave recession after cutoff and runoff
// at the downstream end.

#include "Advance.h"
#include "Section.h"

#include <vector>

namespace hydraulics {

const double kSigmaY = 0.77;  // surface shape factor of a sloping field (Walker and Skogerboe 1987)

struct SlopingField {
    double inflow = 0;        // m3/min
    double cutbackRatio = 1;  // inflow after the advance, as a share of the inflow
    double length = 0;        // m
    double width = 0;         // m over which depths are counted: border width, furrow spacing
    double manningN = 0;
    double slope = 0;
    const Section *section = nullptr;
    KostiakovLewis z;  // per metre of field length (m3/m); depth = z / width
};

// Inlet state for the given flow; nothing when no uniform flow exists.
struct Inlet {
    double depth, area;
};
std::optional<Inlet> inletFlow(const SlopingField &f, double flow);

Advance slopingAdvance(const SlopingField &f);

// Intake of the whole wetted field at time t (m3/min).
double fieldIntakeRate(const SlopingField &f, const Advance &adv, double t);

struct SlopingRun {
    Advance advance;
    double cutoff = 0;
    double cutbackFlow = 0;
    std::vector<double> recessionX, recessionT;  // recession curve, increasing in x
    double applied = 0;      // m3 entering the field
    double infiltrated = 0;  // m3
    double runoff = 0;       // m3 leaving the downstream end

    double recessionTime(double x) const;
    double opportunity(double x) const { return recessionTime(x) - advance.time(x); }
};

// The whole irrigation for a cutoff at or after the advance; nothing when the inlet has no
// uniform flow.
std::optional<SlopingRun> runSlopingField(const SlopingField &f, const Advance &adv,
                                          double cutoff);

// Smallest infiltrated depth along the field, on a coarse grid for the searches.
double minimumDepth(const SlopingField &f, const SlopingRun &run);

}  // namespace hydraulics

#endif
