#ifndef IRRIKA_OUTPUT_USAVEGRID_H
#define IRRIKA_OUTPUT_USAVEGRID_H

// Stores the runs table as it stands in the grid, cell by cell; the exporters know
// nothing of runs or parameters.

#include "Collection.h"

#include <string>

class TStringGrid;

// A spreadsheet workbook with one worksheet: grid cell (c, r) goes into worksheet row
// r + 1, column c + 1, every cell as a string.
class TSaveToXL : public TRootObject {
public:
    // True when the workbook was written. On failure the user is told (the library's
    // text, then "An Excel error occured") and False returned; an existing file of that
    // name is replaced only by a completely written workbook, so a failure leaves it.
    bool Save(const std::string &fileName, TStringGrid *grid);
};

// ";"-separated text, one CR LF line per grid row; cells are written as they stand,
// without quoting.
class TSaveToASCII : public TRootObject {
public:
    // False without a grid (nothing written), True when the file was written. A file that
    // cannot be created or written raises Exception; an existing file of that name is
    // replaced only by a completely written table, so a failure leaves it as it was.
    bool Save(const std::string &fileName, TStringGrid *grid);
};

#endif
