#ifndef IRRIKA_MODEL_UCONSTANTS_H
#define IRRIKA_MODEL_UCONSTANTS_H

// The shared message table: every text that several subsystems use stands here once, so
// that writers and readers of run files, settings files and messages agree letter by letter.

#include <vector>

namespace uConstants {

inline constexpr const char *RunFileVersion = "IrrikaWindows 1.0";
inline constexpr const char *LineBreak = "\r\n";
inline constexpr const char *BasinIniFileName = "Pondix.ini";
inline constexpr const char *BorderIniFileName = "Striva.ini";
inline constexpr const char *FurrowIniFileName = "Rillox.ini";
inline constexpr const char *BasinDataFolder = "Pondix/";
inline constexpr const char *BorderDataFolder = "Striva/";
inline constexpr const char *FurrowDataFolder = "Rillox/";
inline constexpr const char *HelpFileName = "IRRIKAHELP.HLP";
inline constexpr const char *FileNotOpened = "Unable to open File";
inline constexpr const char *FileNotClosed = "Unable to close File";
inline constexpr const char *FileNotFound = "Unable to find the file : ";
inline constexpr const char *HelpFileNotFound = "Unable to find the IrrikaHelp.hlp file in directory : ";
inline constexpr const char *FieldSeparator = ";";
inline constexpr const char *SpreadsheetError = "An Excel error occured";
inline constexpr const char *WrongVersion = "Wrong version reported in File";
inline constexpr const char *UnitsDifferFromFile = "Cannot save run, units differ from the units in the file";
inline constexpr const char *ChartsCopied = "Charts are copied to clipboard";
inline constexpr const char *BasinSettingsMissing = "Unable to find Pondix.Ini";
inline constexpr const char *BorderSettingsMissing = "Unable to find Striva.Ini";
inline constexpr const char *FurrowSettingsMissing = "Unable to find Rillox.Ini";
inline constexpr const char *UnitNameUnknown = "Cannot find correct Unit";
inline constexpr const char *UnknownUnit = "Unknown Unit";

}  // namespace uConstants

// A point of a chart curve, X then Y.
struct TXYPoint {
    double X;
    double Y;
};
// 0-based dynamic array of points, built by the bindings and drawn by the chart object.
using TXYArray = std::vector<TXYPoint>;

#endif
