#include "uInputScreenContent.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

Names Strings(const std::vector<const char *> &names) { return Names(names.begin(), names.end()); }

const char *const kFlowrateText = "Edit input parameters for Flowrate calculations";
const char *const kDimensionText = "Edit input parameters for Dimension calculations";
const char *const kCutoffText = "Edit input parameters for Cutoff time calculations";
const char *const kMinDepthText = "Edit input parameters for Minimum Depth calculations";

// What the field box of a set-up holds and writes.
struct Fields {
    const char *title;
    Names parameters;
    std::optional<TInfiltrationType> type;
    TInfiltrationOption infiltration;
    TFurrowGeometry geometry;
    TCrossSectionShape crossSection;
    bool passesT100;
    bool offersFlowResistance;
};

// The furrow's fields before those of its geometry and infiltration.
Names Furrow(const Names &geometry, const Names &infiltration)
{
    Names names = {"RequiredDepth", "MaxVelocity", "Flowresistance", "Slope"};
    names.insert(names.end(), geometry.begin(), geometry.end());
    names.insert(names.end(), infiltration.begin(), infiltration.end());
    return names;
}

const Names kFieldData = {"TrialFlowRate", "StableRunoffRate", "AdvTimeL", "AdvTimeHalfL", "TrialLength", "TrialSlope"};
const Names kFurrowKostiakov = {"KostiakovA", "Kostiakovk", "KostiakovFo"};

struct FieldCase {
    const char *name;
    TIrrigationModule module;
    TScreenOptions options;
    Fields expected;
};

const FieldCase kFieldCases[] = {
    {"basin families", imBasin, {itIntakeFamily},
     {"Modified SCS Families", {"SCS #", "Flowresistance", "RequiredDepth"}, itIntakeFamily, 0, 0, 0, false, false}},
    {"basin time-rated", imBasin, {itTimeRated},
     {"Time rated Families", {"TimeRatedT100", "Flowresistance", "RequiredDepth"}, itTimeRated, 0, 0, 0, true, true}},
    {"basin Kostiakov", imBasin, {itKostiakov},
     {"Kostiakov equation", {"KostiakovA", "Kostiakovk", "Flowresistance", "RequiredDepth"}, itKostiakov, 0, 0, 0,
      false, true}},
    {"border families", imBorder, {itIntakeFamily, okFixedFlow},
     {"Modified SCS Families", {"SCS #", "Flowresistance", "RequiredDepth", "Slope"}, itIntakeFamily, 1, 0, 0, false,
      false}},
    {"border Kostiakov", imBorder, {itKostiakov, okCutbackFlow},
     {"Kostiakov equation", {"KostiakovA", "Kostiakovk", "KostiakovFo", "Flowresistance", "RequiredDepth", "Slope"},
      itKostiakov, 2, 0, 0, false, true}},
    {"border has no time-rated families", imBorder, {itTimeRated}, {"", {}, std::nullopt, 0, 0, 0, false, false}},
    {"furrow triangular families", imFurrow, {itIntakeFamily, okFixedFlow, fgCrossSectionShape, csTriangular},
     {"", Furrow({"Spacing", "SideSlope"}, {"SCS #"}), itIntakeFamily, 1, 1, 1, false, false}},
    {"furrow parabolic Kostiakov", imFurrow, {itKostiakov, okFixedFlow, fgCrossSectionShape, csParabolic},
     {"", Furrow({"Spacing", "MaxDepth", "MaxWidth"}, kFurrowKostiakov), itKostiakov, 2, 1, 2, false, false}},
    {"furrow trapezoidal field data", imFurrow, {itFieldData, okFixedFlow, fgCrossSectionShape, csTrapezoidal},
     {"", Furrow({"Spacing", "SideSlope", "BedWidth"}, kFieldData), itFieldData, 3, 1, 3, false, false}},
    // Sigma & Tau writes the triangular cross-section whatever shape is checked.
    {"furrow sigma and tau field data", imFurrow, {itFieldData, okFixedFlow, fgShapeCoefficients, csTrapezoidal},
     {"", Furrow({"Spacing", "Sigma2", "Sigma1", "Tau2", "Tau1"}, kFieldData), itFieldData, 3, 2, 1, false, false}},
    {"furrow sigma and tau families", imFurrow, {itIntakeFamily, okFixedFlow, fgShapeCoefficients, csParabolic},
     {"", Furrow({"Spacing", "Sigma2", "Sigma1", "Tau2", "Tau1"}, {"SCS #"}), itIntakeFamily, 1, 2, 1, false, false}},
    {"furrow without a geometry", imFurrow, {itIntakeFamily}, {"", Furrow({}, {"SCS #"}), itIntakeFamily, 1, 0, 0,
     false, false}},
};

TEST(InputScreenContent, FieldBoxFollowsTheInfiltrationOptionAndTheFurrowGeometry)
{
    for (const FieldCase &c : kFieldCases) {
        SCOPED_TRACE(c.name);
        const TInputScreenContent content = InputScreenContent(c.module, cmMinimumDepth, c.options);
        EXPECT_EQ(content.Title, c.expected.title);
        EXPECT_EQ(Strings(content.FieldParameters), c.expected.parameters);
        EXPECT_EQ(content.InfiltrationType, c.expected.type);
        EXPECT_EQ(content.InfiltrationOption, c.expected.infiltration);
        EXPECT_EQ(content.Geometry, c.expected.geometry);
        EXPECT_EQ(content.CrossSection, c.expected.crossSection);
        EXPECT_EQ(content.PassesTimeRatedT100, c.expected.passesT100);
        EXPECT_EQ(content.OffersFlowResistance, c.expected.offersFlowResistance);
    }
}

// The furrow's "SCS #" row moves with the geometry: 7, 8 or 10.
TEST(InputScreenContent, TheFurrowsIntakeFamilyRowMovesWithTheGeometry)
{
    struct Case {
        TFurrowGeometry geometry;
        TCrossSectionShape shape;
        std::size_t row;
    };
    const Case kCases[] = {{fgCrossSectionShape, csTriangular, 7},
                           {fgCrossSectionShape, csParabolic, 8},
                           {fgCrossSectionShape, csTrapezoidal, 8},
                           {fgShapeCoefficients, csTriangular, 10}};
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.row);
        const TInputScreenContent content =
            InputScreenContent(imFurrow, cmInflowRate, {itIntakeFamily, okFixedFlow, c.geometry, c.shape});
        ASSERT_EQ(content.FieldParameters.size(), c.row);
        EXPECT_EQ(std::string(content.FieldParameters.back()), "SCS #");
    }
}

struct DecisionCase {
    TIrrigationModule module;
    TCalculationMode mode;
    TOperationKind checked;
    Names decisions;
    TOperationKind operation;
    const char *status;
};

const DecisionCase kDecisionCases[] = {
    {imBasin, cmInflowRate, 0, {"BasinLength", "BasinWidth"}, 0, kFlowrateText},
    {imBasin, cmDimensions, 0, {"FlowRate"}, 0, kDimensionText},
    {imBasin, cmCutoffTime, 0, {"FlowRate", "BasinLength", "BasinWidth"}, 0, kCutoffText},
    {imBasin, cmMinimumDepth, 0, {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime"}, 0, kMinDepthText},
    // The basin has no operation, whatever is asked.
    {imBasin, cmInflowRate, okCutbackFlow, {"BasinLength", "BasinWidth"}, 0, kFlowrateText},
    {imBorder, cmInflowRate, okFixedFlow, {"BasinLength", "BasinWidth"}, okFixedFlow, kFlowrateText},
    {imBorder, cmDimensions, okFixedFlow, {"FlowRate", "LengthWidthRatio"}, okFixedFlow, kDimensionText},
    {imBorder, cmCutoffTime, okFixedFlow, {"FlowRate", "BasinLength", "BasinWidth"}, okFixedFlow, kCutoffText},
    {imBorder, cmMinimumDepth, okCutbackFlow, {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime", "CutBackRatio"},
     okCutbackFlow, kMinDepthText},
    {imBorder, cmInflowRate, okCutbackFlow, {"BasinLength", "BasinWidth", "CutBackRatio", "AdvanceRatio"},
     okCutbackFlow, kFlowrateText},
    {imBorder, cmDimensions, okCutbackFlow, {"FlowRate", "LengthWidthRatio", "CutBackRatio", "AdvanceRatio"},
     okCutbackFlow, kDimensionText},
    {imBorder, cmCutoffTime, okCutbackFlow, {"FlowRate", "BasinLength", "BasinWidth", "CutBackRatio"}, okCutbackFlow,
     kCutoffText},
    {imBorder, cmDimensions, okTailwaterReuse, {"FlowRate", "LengthWidthRatio", "TailwaterRecoveryRatio"},
     okTailwaterReuse, kDimensionText},
    // Nothing checked in the operation menu counts as fixed flow.
    {imBorder, cmCutoffTime, 0, {"FlowRate", "BasinLength", "BasinWidth"}, okFixedFlow, kCutoffText},
    {imFurrow, cmInflowRate, okFixedFlow, {"Length"}, okFixedFlow, kFlowrateText},
    {imFurrow, cmDimensions, okCutbackFlow, {"FlowRate", "CutBackRatio", "AdvanceRatio"}, okCutbackFlow,
     kDimensionText},
    {imFurrow, cmCutoffTime, okTailwaterReuse, {"FlowRate", "Length", "TailwaterRecoveryRatio"}, okTailwaterReuse,
     kCutoffText},
    {imFurrow, cmMinimumDepth, okFixedFlow, {"FlowRate", "Length", "CutoffTime"}, okFixedFlow, kMinDepthText},
};

TEST(InputScreenContent, DecisionBoxFollowsTheModeAndTheOperation)
{
    for (const DecisionCase &c : kDecisionCases) {
        SCOPED_TRACE(::testing::Message() << "module " << int(c.module) << ", mode " << c.mode << ", operation "
                                          << int(c.checked));
        const TInputScreenContent content =
            InputScreenContent(c.module, c.mode, {itIntakeFamily, c.checked, fgCrossSectionShape, csTriangular});
        EXPECT_EQ(content.Mode, c.mode);
        EXPECT_EQ(Strings(content.DecisionVariables), c.decisions);
        EXPECT_EQ(content.Operation, c.operation);
        EXPECT_EQ(content.StatusText, c.status);
    }
}

TEST(InputScreenContent, WithoutAModeTheDecisionBoxStaysEmptyAndTheFieldBoxIsBuilt)
{
    for (TIrrigationModule module : {imBasin, imBorder, imFurrow}) {
        SCOPED_TRACE(int(module));
        const TInputScreenContent content =
            InputScreenContent(module, cmNone, {itIntakeFamily, okCutbackFlow, fgCrossSectionShape, csTriangular});
        EXPECT_EQ(content.Mode, cmNone);
        EXPECT_TRUE(content.DecisionVariables.empty());
        EXPECT_EQ(content.Operation, 0);
        EXPECT_EQ(content.StatusText, "");
        EXPECT_FALSE(content.FieldParameters.empty());
    }
}

}  // namespace
