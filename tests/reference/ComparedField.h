#ifndef IRRIKA_TEST_COMPARED_FIELD_H
#define IRRIKA_TEST_COMPARED_FIELD_H

// One field as both the engines and the zero-inertia reference see it: the engine's record for
// an evaluation and the reference's strip or furrow.

#include "IrrikaInfoRecord.h"
#include "ZeroInertia.h"

#include <cmath>
#include <cstring>

enum class Kind { Basin, Border, Furrow };

struct ComparedField {
    const char *name;
    Kind kind;
    double length, slope, manningN;
    double flow;      // l/s per metre of width (basin, border) or per furrow
    double width;     // basin or border width, furrow spacing (m)
    double a, k, f0;  // k in mm/min^a, f0 in mm/min: depths, over the spacing for furrows
    double cutoff;    // min
    double sideSlope = 0, bedWidth = 0;  // furrows: a triangle without bed width
};

// The engine library that takes the field.
inline const char *library(Kind kind)
{
    return kind == Kind::Basin ? "Pondix" : kind == Kind::Border ? "Striva" : "Rillox";
}

// The engine's record for an evaluation (mode 4), in the units its binding sends.
inline TIrrikaInfoRecord engineRecord(const ComparedField &f)
{
    TIrrikaInfoRecord r;
    std::memset(&r, 0, sizeof r);
    r.Mode = 4;
    r.FlowResistance = f.manningN;
    r.Length = f.length;
    r.CutoffTime = f.cutoff;
    r.KostiakovA = f.a;
    if (f.kind == Kind::Basin) {
        r.KostiakovK = f.k / std::pow(60.0, f.a);
        r.RequiredDepth = 80;
        r.FlowRate = f.flow * f.width;
        r.Width = f.width;
        r.LengthWidthRatio = 1.5;
        return r;
    }
    r.Operation = 1;
    r.InfiltrationOption = 2;
    r.KostiakovK = f.k / 1000;
    r.KostiakovFo = f.f0 / 1000;
    r.RequiredDepth = 0.075;
    r.Slope = f.slope;
    r.AdvanceRatio = 0.33;
    r.CutBackRatio = 1;
    if (f.kind == Kind::Border) {
        r.FlowRate = f.flow * f.width * 0.06;
        r.Width = f.width;
        r.LengthWidthRatio = f.length / f.width;
    } else {
        r.FlowRate = f.flow * 0.06;
        r.Spacing = f.width;
        r.Geometry = 1;
        r.CrossSection = f.bedWidth > 0 ? 3 : 1;
        r.SideSlope = f.sideSlope;
        r.BedWidth = f.bedWidth;
        r.MaxDepth = 0.2;
        r.MaxVelocity = 15;
    }
    return r;
}

// The engine's record for a cutoff design (mode 3) for the required depth (mm).
inline TIrrikaInfoRecord designRecord(const ComparedField &f, double requiredDepth)
{
    TIrrikaInfoRecord r = engineRecord(f);
    r.Mode = 3;
    r.RequiredDepth = f.kind == Kind::Basin ? requiredDepth : requiredDepth / 1000;
    return r;
}

// The same field for the reference: a strip of unit width, or one furrow.
inline reference::Field referenceField(const ComparedField &f)
{
    reference::Field r;
    r.length = f.length;
    r.slope = f.slope;
    r.manningN = f.manningN;
    r.cutoff = f.cutoff;
    r.closedEnd = f.kind == Kind::Basin;
    const double perMetre = f.kind == Kind::Furrow ? f.width : 1.0;
    r.intake = {f.a, f.k / 1000 * perMetre, f.f0 / 1000 * perMetre};
    r.inflow = f.flow * 0.06;
    if (f.kind == Kind::Furrow) r.channel = {false, f.bedWidth, f.sideSlope};
    return r;
}

// Depth (mm) of a volume per metre of the reference's strip or furrow.
inline double referenceDepth(const ComparedField &f, double volumePerMetre)
{
    return volumePerMetre * 1000 / (f.kind == Kind::Furrow ? f.width : 1.0);
}

// The reference's least infiltrated depth (mm).
inline double referenceLeastDepth(const ComparedField &f, const reference::Result &ref)
{
    return referenceDepth(f, ref.leastInfiltrated());
}

#endif
