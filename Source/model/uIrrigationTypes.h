#ifndef IRRIKA_MODEL_UIRRIGATIONTYPES_H
#define IRRIKA_MODEL_UIRRIGATIONTYPES_H

// The code sets shared by the model, the bindings, the run files and the windows. They are
// bytes (the calculation mode a signed 32-bit integer) because run files, the settings
// reader and the engine record carry them as plain numbers.

#include <cstdint>

// 0 basin, 1 border, 2 furrow.
using TIrrigationModule = std::uint8_t;
inline constexpr TIrrigationModule imBasin = 0;
inline constexpr TIrrigationModule imBorder = 1;
inline constexpr TIrrigationModule imFurrow = 2;

// The module whose design window is open. The launcher sets it when it opens a module;
// the number formats of the display texts read it. 0 (basin) until first set.
TIrrigationModule CurrentModule();
void SetCurrentModule(TIrrigationModule module);

// 0 input (option, field input, or decision variable the mode takes as input), 1 result,
// 2 decision variable that no mode has given a role yet.
using TParameterCategory = std::uint8_t;
inline constexpr TParameterCategory pcInput = 0;
inline constexpr TParameterCategory pcResult = 1;
inline constexpr TParameterCategory pcDecisionVariable = 2;

// What a calculation solves for; 0 when a run has none.
using TCalculationMode = std::int32_t;
inline constexpr TCalculationMode cmNone = 0;
inline constexpr TCalculationMode cmInflowRate = 1;
inline constexpr TCalculationMode cmDimensions = 2;
inline constexpr TCalculationMode cmCutoffTime = 3;
inline constexpr TCalculationMode cmMinimumDepth = 4;

// What saving writes.
using TFileKind = std::uint8_t;
inline constexpr TFileKind fkTextTable = 0;         // ".txt"
inline constexpr TFileKind fkSpreadsheetTable = 1;  // ".xls"
inline constexpr TFileKind fkBasinRunFile = 2;      // ".pdx"
inline constexpr TFileKind fkFurrowRunFile = 3;     // ".rlx"
inline constexpr TFileKind fkBorderRunFile = 4;     // ".svx"

// How the user gave a run's infiltration; never passed to an engine.
using TInfiltrationType = std::uint8_t;
inline constexpr TInfiltrationType itIntakeFamily = 0;
inline constexpr TInfiltrationType itTimeRated = 1;  // basin only
inline constexpr TInfiltrationType itKostiakov = 2;
inline constexpr TInfiltrationType itFieldData = 3;  // furrow only

// Value of the border and furrow parameter "Infiltration", as their engines take it.
using TInfiltrationOption = std::uint8_t;
inline constexpr TInfiltrationOption ioIntakeFamily = 1;
inline constexpr TInfiltrationOption ioKostiakov = 2;
inline constexpr TInfiltrationOption ioFieldData = 3;

// Value of the border and furrow parameter "Operation".
using TOperationKind = std::uint8_t;
inline constexpr TOperationKind okFixedFlow = 1;
inline constexpr TOperationKind okCutbackFlow = 2;
inline constexpr TOperationKind okTailwaterReuse = 3;

// Values of the furrow parameters "Geometry" and "CrossSection".
using TFurrowGeometry = std::uint8_t;
inline constexpr TFurrowGeometry fgCrossSectionShape = 1;
inline constexpr TFurrowGeometry fgShapeCoefficients = 2;
using TCrossSectionShape = std::uint8_t;
inline constexpr TCrossSectionShape csTriangular = 1;
inline constexpr TCrossSectionShape csParabolic = 2;
inline constexpr TCrossSectionShape csTrapezoidal = 3;

#endif
