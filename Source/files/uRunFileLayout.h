#ifndef IRRIKA_FILES_URUNFILELAYOUT_H
#define IRRIKA_FILES_URUNFILELAYOUT_H

// The three run-file formats share one layout; everything in which they differ stands in
// one row per module, and the line routines read that row instead of being written thrice.

#include <cstddef>
#include <cstdint>
#include <vector>

struct TParameterRoles;

struct TRunFileLayout {
    const char *Tag;                    // header field 0
    std::uint8_t FileKind;              // the data set's file kind after a load
    const char *Extension;
    std::vector<const char *> Options;  // run-line fields 3 ...: displayed values, no unit code
    std::vector<const char *> Columns;  // one unit code and one value per column
    std::uint8_t HighestOwnUnitKind;    // kinds above it are written as the code of Empty
    std::size_t MostRunFields;          // a longer run line is not applied
    std::size_t MostUnitFields;         // nor is any run line when the units line is longer
    std::uint8_t InfiltrationCodes[4];  // code written for types 0..3; read back first match
    bool PassesReadErrors;              // basin: a reading error goes on to the caller
    bool RefusesEmptyHeader;            // border, furrow: " Empty file..."
    bool FeedsInfiltration;             // basin: the run's infiltration object follows the values
    const TParameterRoles *Roles;       // what a loaded run's parameters become

    // Run-line fields that a complete line holds: number, mode, infiltration code,
    // options, columns.
    std::size_t RunFields() const { return 3 + Options.size() + Columns.size(); }
    std::size_t FirstColumnField() const { return 3 + Options.size(); }
};

const TRunFileLayout &PondixLayout();
const TRunFileLayout &StrivaLayout();
const TRunFileLayout &RilloxLayout();

// Code tables of the units line and of the run line's infiltration field.
int UnitKindToFileCode(const TRunFileLayout &layout, std::uint8_t kind);
std::uint8_t FileCodeToUnitKind(const TRunFileLayout &layout, int code);
int InfiltrationTypeToFileCode(const TRunFileLayout &layout, std::uint8_t type);
std::uint8_t FileCodeToInfiltrationType(const TRunFileLayout &layout, int code);

#endif
