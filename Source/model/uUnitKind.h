#ifndef IRRIKA_MODEL_UUNITKIND_H
#define IRRIKA_MODEL_UUNITKIND_H

// The code of a unit of measure, named after its key in the settings section ConversionUnits.
// The codes are fixed: run files store code + 1, and the bindings, unit menus and number
// formats test the codes themselves.

#include <cstdint>
#include <string>

using TUnitKind = std::uint8_t;
inline constexpr TUnitKind ukFeet = 0;  // length in feet
inline constexpr TUnitKind ukMeters = 1;  // length in metres
inline constexpr TUnitKind ukMM = 2;  // depth in millimetres
inline constexpr TUnitKind ukINCH = 3;  // depth in inches
inline constexpr TUnitKind ukM3M_1 = 4;  // volume per unit length, m^3/m
inline constexpr TUnitKind ukFT3FT_1 = 5;  // volume per unit length, ft^3/ft
inline constexpr TUnitKind ukLS_1 = 6;  // flow rate, l/s
inline constexpr TUnitKind ukGALMIN_1 = 7;  // flow rate, gal/min
inline constexpr TUnitKind ukM3MIN_1 = 8;  // flow rate, m^3/min
inline constexpr TUnitKind ukFT3S_1 = 9;  // flow rate, ft^3/s
inline constexpr TUnitKind ukMinutes = 10;  // time in minutes
inline constexpr TUnitKind ukHours = 11;  // time in hours
inline constexpr TUnitKind ukEmpty = 12;  // no unit; also the kind of an unknown name
inline constexpr TUnitKind ukPerc = 13;  // percentage
inline constexpr TUnitKind ukCM = 14;  // depth in centimetres
inline constexpr TUnitKind ukMM_MIN_A = 15;  // Kostiakov k, mm per min^A
inline constexpr TUnitKind ukMM_HR_A = 16;  // Kostiakov k, mm per hr^A
inline constexpr TUnitKind ukCM_MIN_A = 17;  // Kostiakov k, cm per min^A
inline constexpr TUnitKind ukCM_HR_A = 18;  // Kostiakov k, cm per hr^A
inline constexpr TUnitKind ukIN_MIN_A = 19;  // Kostiakov k, inch per min^A
inline constexpr TUnitKind ukIN_HR_A = 20;  // Kostiakov k, inch per hr^A
inline constexpr TUnitKind ukM_MIN_A = 21;  // Kostiakov k, m per min^A
inline constexpr TUnitKind ukM_HR_A = 22;  // Kostiakov k, m per hr^A
inline constexpr TUnitKind ukMM_1 = 23;  // slope, m/m
inline constexpr TUnitKind ukFTFT_1 = 24;  // slope, ft/ft
inline constexpr TUnitKind ukM_MIN = 25;  // velocity, m/min
inline constexpr TUnitKind ukMM_MIN = 26;  // intake rate, mm/min
inline constexpr TUnitKind ukMM_HR = 27;  // intake rate, mm/hr
inline constexpr TUnitKind ukCM_MIN = 28;  // intake rate, cm/min
inline constexpr TUnitKind ukCM_HR = 29;  // intake rate, cm/hr
inline constexpr TUnitKind ukIN_MIN = 30;  // intake rate, inch/min
inline constexpr TUnitKind ukIN_HR = 31;  // intake rate, inch/hr
inline constexpr TUnitKind ukM_2_Sig2 = 32;  // furrow shape sigma 1, m^(2 - sigma 2)
inline constexpr TUnitKind ukM_1_Tau2 = 33;  // furrow shape tau 1, m^(1 - tau 2)
inline constexpr TUnitKind ukFT_2_Sig2 = 34;  // sigma 1, ft^(2 - sigma 2)
inline constexpr TUnitKind ukFT_1_Tau2 = 35;  // tau 1, ft^(1 - tau 2)
inline constexpr TUnitKind ukFT_MIN = 36;  // velocity, ft/min
inline constexpr TUnitKind ukM_HR = 37;  // velocity, m/hr
inline constexpr TUnitKind ukFT_HR = 38;  // velocity, ft/hr
inline constexpr TUnitKind ukM3M_1_MIN_A = 39;  // Kostiakov k per unit length, m^3/m per min^A
inline constexpr TUnitKind ukM3M_1_HR_A = 40;  // m^3/m per hr^A
inline constexpr TUnitKind ukFT3FT_1_MIN_A = 41;  // ft^3/ft per min^A
inline constexpr TUnitKind ukFT3FT_1_HR_A = 42;  // ft^3/ft per hr^A
inline constexpr TUnitKind ukM3M_1_MIN = 43;  // intake rate per unit length, m^3/m per minute
inline constexpr TUnitKind ukM3M_1_HR = 44;  // m^3/m per hour
inline constexpr TUnitKind ukFT3FT_1_MIN = 45;  // ft^3/ft per minute
inline constexpr TUnitKind ukFT3FT_1_HR = 46;  // ft^3/ft per hour

inline constexpr int UnitKindCount = 47;

// What a unit measures. Units of one quantity stand for each other (a flow in l/s or in
// gal/min, a depth in mm or, for a furrow, in m^3/m); the unit menus switch only within a
// quantity, and a run file may give a column only a unit of the column's quantity.
enum class TUnitQuantity {
    Length, Depth, Flow, Time, None, Percent, KostiakovK, Slope, Velocity, IntakeRate, ShapeSigma, ShapeTau
};

// The quantity of a kind; None for no unit and for codes outside 0..46.
TUnitQuantity QuantityOf(TUnitKind kind);

// True for the codes 0..46, so that readers of stored codes can refuse anything else.
bool IsUnitKind(int code);

// The kind of a ConversionUnits key, ignoring letter case. An unknown name shows
// "Cannot find correct Unit <name>" in a plain box and gives ukEmpty.
TUnitKind UnitKindOfName(const std::string &name);

#endif
