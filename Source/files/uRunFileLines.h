#ifndef IRRIKA_FILES_URUNFILELINES_H
#define IRRIKA_FILES_URUNFILELINES_H

// Fields of a run-file line: every field is followed by the field separator, the last one
// of a line included. Nothing is trimmed or quoted, so a value cannot hold the separator.

#include <string>
#include <vector>

using TFieldList = std::vector<std::string>;

// The fields of a line; text after the last separator is dropped, so a line without a
// separator has no field and ";;" has two empty ones.
TFieldList SplitFields(const std::string &line);

// Collects fields into one line, each followed by the separator.
class TLineBuilder {
public:
    TLineBuilder &Add(const std::string &field);
    TLineBuilder &AddInteger(long long value);
    // General number text with up to 15 significant digits and '.' as decimal point.
    TLineBuilder &AddValue(double value);
    // A displayed value as the run files hold it: stored x factor formed in extended
    // precision and rounded to 15 significant digits from there, then written as AddValue.
    TLineBuilder &AddDisplayValue(double stored, double factor);
    const std::string &Text() const { return FText; }

private:
    std::string FText;
};

// Field index of a list; a missing field raises "List index out of bounds (index)".
const std::string &FieldAt(const TFieldList &fields, std::size_t index);

// A decimal integer in the signed 32-bit range, with optional leading blanks and sign;
// anything else raises "'text' is not a valid integer value".
int StrToInt(const std::string &text);

#endif
