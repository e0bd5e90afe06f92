// Every result depends only on what the input screen shows for the module, the mode, the
// operation and the way the infiltration (and the furrow's shape) is given: each record
// input the screen does not show is changed in turn, and the engine's answer must stay the
// same but for that field echoed back.

#include "EngineLibrary.h"
#include "SlopingRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

using R = TIrrikaInfoRecord;

// A record field with the name of the parameter the binding fills it from.
struct Input {
    const char *parameter;
    double R::*field;
};

// The inputs a binding fills from the run's parameters (the basin's infiltration comes from
// the run's infiltration object, which the window fills from the shown fields).
const std::vector<Input> kBasinInputs = {
    {"FlowRate", &R::FlowRate}, {"BasinLength", &R::Length}, {"BasinWidth", &R::Width},
    {"CutoffTime", &R::CutoffTime},
};

const std::vector<Input> kSlopingInputs = {
    {"FlowRate", &R::FlowRate},
    {"CutoffTime", &R::CutoffTime},
    {"AdvanceRatio", &R::AdvanceRatio},
    {"CutBackRatio", &R::CutBackRatio},
    {"TailwaterRecoveryRatio", &R::TailwaterRecoveryRatio},
    {"KostiakovA", &R::KostiakovA},
    {"Kostiakovk", &R::KostiakovK},
    {"KostiakovFo", &R::KostiakovFo},
    {"SCS #", &R::SCSNumber},
};

const std::vector<Input> kBorderOnly = {
    {"BasinLength", &R::Length}, {"BasinWidth", &R::Width}, {"LengthWidthRatio", &R::LengthWidthRatio},
};

const std::vector<Input> kFurrowOnly = {
    {"Length", &R::Length},
    {"VCalc", &R::VCalc},
    {"SideSlope", &R::SideSlope},
    {"BedWidth", &R::BedWidth},
    {"MaxDepth", &R::MaxDepth},
    {"MaxWidth", &R::MaxWidth},
    {"Sigma1", &R::Sigma1},
    {"Sigma2", &R::Sigma2},
    {"Tau1", &R::Tau1},
    {"Tau2", &R::Tau2},
    {"TrialFlowRate", &R::TrialFlowRate},
    {"StableRunoffRate", &R::StableRunoffRate},
    {"AdvTimeL", &R::AdvTimeL},
    {"AdvTimeHalfL", &R::AdvTimeHalfL},
    {"TrialLength", &R::TrialLength},
    {"TrialSlope", &R::TrialSlope},
};

// What each input screen shows, as the design windows list it.
std::set<std::string> decisionVariables(int module, int mode, int operation)
{
    static const std::vector<std::vector<std::set<std::string>>> byMode = {
        {{"BasinLength", "BasinWidth"}, {"FlowRate"}, {"FlowRate", "BasinLength", "BasinWidth"},
         {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime"}},
        {{"BasinLength", "BasinWidth"}, {"FlowRate", "LengthWidthRatio"},
         {"FlowRate", "BasinLength", "BasinWidth"}, {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime"}},
        {{"Length"}, {"FlowRate"}, {"FlowRate", "Length"}, {"FlowRate", "Length", "CutoffTime"}},
    };
    std::set<std::string> shown = byMode[module][mode - 1];
    if (module > 0 && operation == 2) {
        shown.insert("CutBackRatio");
        if (mode <= 2) shown.insert("AdvanceRatio");
    }
    if (module > 0 && operation == 3) shown.insert("TailwaterRecoveryRatio");
    return shown;
}

std::set<std::string> fieldParameters(int module, int infiltration, int geometry, int shape)
{
    static const std::vector<std::set<std::string>> byInfiltration = {
        {"SCS #"}, {"KostiakovA", "Kostiakovk", "KostiakovFo"},
        {"TrialFlowRate", "StableRunoffRate", "AdvTimeL", "AdvTimeHalfL", "TrialLength", "TrialSlope"},
    };
    std::set<std::string> shown = byInfiltration[infiltration - 1];
    if (module == 2) {
        static const std::vector<std::set<std::string>> byShape = {
            {"Spacing", "SideSlope"}, {"Spacing", "MaxDepth", "MaxWidth"}, {"Spacing", "SideSlope", "BedWidth"}};
        const std::set<std::string> shapes =
            geometry == 2 ? std::set<std::string>{"Spacing", "Sigma2", "Sigma1", "Tau2", "Tau1"} : byShape[shape - 1];
        shown.insert(shapes.begin(), shapes.end());
    }
    return shown;
}

// Another value for an input: a different positive number (the basin's width also decides
// the length-width ratio the binding sends, 1.5 with a width and 0 without).
double changed(double value) { return value != 0.0 ? value * 1.37 + 0.011 : 0.5; }

// The answer with the input changed equals the answer without, but for the changed field,
// which comes back as it was given where the engine echoes it.
void expectSameAnswer(const EngineLibrary &engine, const TIrrikaInfoRecord &base,
                      const TIrrikaInfoRecord &a, const Input &input)
{
    SCOPED_TRACE(input.parameter);
    TIrrikaInfoRecord perturbed = base;
    perturbed.*input.field = changed(base.*input.field);
    const TIrrikaInfoRecord b = engine.call(perturbed);
    ASSERT_EQ(a.ErrorCode, b.ErrorCode);
    ASSERT_EQ(a.WarningCode, b.WarningCode);
    const unsigned char *pa = reinterpret_cast<const unsigned char *>(&a);
    const unsigned char *pb = reinterpret_cast<const unsigned char *>(&b);
    const std::size_t changedAt = reinterpret_cast<const unsigned char *>(&(perturbed.*input.field)) -
                                  reinterpret_cast<const unsigned char *>(&perturbed);
    for (std::size_t at = 0; at < sizeof a; at += 4) {
        if (at >= changedAt && at < changedAt + sizeof(double)) continue;
        ASSERT_EQ(std::memcmp(pa + at, pb + at, 4), 0) << "record offset " << at;
    }
    const double echoedA = a.*input.field, echoedB = b.*input.field;
    EXPECT_TRUE(echoedA == echoedB || (echoedA == base.*input.field && echoedB == perturbed.*input.field))
        << "the changed input came back as " << echoedB;
}

TIrrikaInfoRecord basinRecord(int mode)
{
    TIrrikaInfoRecord r;
    std::memset(&r, 0, sizeof r);
    r.Mode = mode;
    r.KostiakovA = 0.706;
    r.KostiakovK = 2.84 / std::pow(60.0, 0.706);
    r.FlowResistance = 0.15;
    r.RequiredDepth = 80;
    r.FlowRate = 40;
    r.Length = 40;
    r.Width = 50;
    r.LengthWidthRatio = 1.5;
    r.CutoffTime = 60;
    return r;
}

}  // namespace

TEST(ShownInputs, BasinResultsDependOnlyOnWhatTheScreenShows)
{
    EngineLibrary engine("Pondix");
    ASSERT_TRUE(engine.loaded());
    for (int mode = 1; mode <= 4; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const std::set<std::string> shown = decisionVariables(0, mode, 1);
        const TIrrikaInfoRecord answer = engine.call(basinRecord(mode));
        for (const Input &input : kBasinInputs)
            if (!shown.count(input.parameter)) expectSameAnswer(engine, basinRecord(mode), answer, input);
        if (!shown.count("BasinWidth")) {
            // Without a width the binding sends no length-width ratio either.
            TIrrikaInfoRecord noWidth = basinRecord(mode);
            noWidth.Width = 0;
            noWidth.LengthWidthRatio = 0;
            const TIrrikaInfoRecord a = engine.call(basinRecord(mode)), b = engine.call(noWidth);
            EXPECT_EQ(a.ErrorCode, b.ErrorCode);
            EXPECT_EQ(a.Width, b.Width);
            EXPECT_EQ(a.Length, b.Length);
            EXPECT_EQ(a.MinInfDepth, b.MinInfDepth);
        }
    }
}

TEST(ShownInputs, BorderAndFurrowResultsDependOnlyOnWhatTheScreenShows)
{
    EngineLibrary border("Striva"), furrow("Rillox");
    ASSERT_TRUE(border.loaded());
    ASSERT_TRUE(furrow.loaded());
    int checked = 0, solved = 0;
    for (int module = 1; module <= 2; ++module)
        for (int mode = 1; mode <= 4; ++mode)
            for (int operation = 1; operation <= 3; ++operation)
                for (int infiltration = 1; infiltration <= (module == 1 ? 2 : 3); ++infiltration)
                    for (int shape = 1; shape <= (module == 1 ? 1 : 4); ++shape) {
                        const int geometry = shape == 4 ? 2 : 1, crossSection = shape == 4 ? 1 : shape;
                        SCOPED_TRACE((module == 1 ? "border" : "furrow") + std::string(", mode ") +
                                     std::to_string(mode) + ", operation " + std::to_string(operation) +
                                     ", infiltration " + std::to_string(infiltration) + ", shape " +
                                     std::to_string(shape));
                        TIrrikaInfoRecord base = module == 1 ? borderRecord(mode, operation, infiltration)
                                                             : furrowRecord(mode, operation, infiltration, crossSection);
                        base.Geometry = module == 2 ? geometry : 0;
                        // As the binding sends it: the family number only with the family.
                        if (infiltration != 1) base.SCSNumber = 0;
                        std::set<std::string> shown = decisionVariables(module, mode, operation);
                        const std::set<std::string> fields = fieldParameters(module, infiltration, geometry, crossSection);
                        shown.insert(fields.begin(), fields.end());
                        const EngineLibrary &engine = module == 1 ? border : furrow;
                        const TIrrikaInfoRecord answer = engine.call(base);
                        if (answer.ErrorCode == 0) ++solved;
                        std::vector<Input> inputs = kSlopingInputs;
                        const std::vector<Input> &own = module == 1 ? kBorderOnly : kFurrowOnly;
                        inputs.insert(inputs.end(), own.begin(), own.end());
                        for (const Input &input : inputs) {
                            // The binding sends the family number only with the family.
                            if (std::string(input.parameter) == "SCS #" && infiltration != 1) continue;
                            if (shown.count(input.parameter)) continue;
                            expectSameAnswer(engine, base, answer, input);
                            ++checked;
                        }
                    }
    EXPECT_GT(checked, 500);
    EXPECT_GT(solved, 60);
}
