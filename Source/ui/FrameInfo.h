#ifndef IRRIKA_UI_FRAMEINFO_H
#define IRRIKA_UI_FRAMEINFO_H

// The reference-table frame: under the field-parameter box of a design window it shows the
// intake families, the recommended Manning n-values, the time-rated families or the
// Kostiakov coefficients, each in the units the user has chosen. The window decides which
// table belongs to the focused edit and copies a picked row into its edits.

#include <QWidget>

#include <vector>

class TFixedStringGrid;

// Which table ShowInfo fills.
using TInfoTableIndex = int;
inline constexpr TInfoTableIndex itIntakeFamilies = 0;      // families 0.1 to 4.0
inline constexpr TInfoTableIndex itManning = 1;             // recommended n-values
inline constexpr TInfoTableIndex itIntakeFamiliesFine = 9;  // families 0.05 to 2.00
inline constexpr TInfoTableIndex itTimeRatedMmMin = 21;     // T100 in minutes
inline constexpr TInfoTableIndex itTimeRatedCmMin = 22;
inline constexpr TInfoTableIndex itTimeRatedInchMin = 23;
inline constexpr TInfoTableIndex itTimeRatedMmHr = 24;      // T100 in hours
inline constexpr TInfoTableIndex itTimeRatedCmHr = 25;
inline constexpr TInfoTableIndex itTimeRatedInchHr = 26;
inline constexpr TInfoTableIndex itKostiakovMmMin = 31;
inline constexpr TInfoTableIndex itKostiakovCmMin = 32;
inline constexpr TInfoTableIndex itKostiakovInchMin = 33;
inline constexpr TInfoTableIndex itKostiakovMmHr = 34;
inline constexpr TInfoTableIndex itKostiakovCmHr = 35;
inline constexpr TInfoTableIndex itKostiakovInchHr = 36;

class TfraInfo : public QWidget {
    Q_OBJECT

public:
    explicit TfraInfo(QWidget *parent = nullptr);

    // Empties the grid and fills it with the table of the index. An index without a table
    // leaves the grid empty with its old counts and returns false.
    bool ShowInfo(TInfoTableIndex index);

    // The table; fills the frame. Its first fixed row is row 0 of Cells(c, r).
    TFixedStringGrid *const stgInformation;
    // Pixel height the frame needs; the window sizes the information box with it.
    int FHeight = 0;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

signals:
    // The user picked a data cell of the table: a click on it, also on the row already
    // picked, or a move of the selection with the keys. Filling a table picks nothing.
    void stgInformationSelectCell(int ACol, int ARow);

private:
    // Where the table's columns as designed are wider together than the grid shows them, they
    // give up what their texts do not need, last column first; a text that still does not
    // fit wraps onto more lines of a taller row. So every text is read whole without
    // scrolling sideways. Acts on a shown frame only: a hidden one has no width yet.
    void FitToWidth();

    std::vector<int> FDesignedWidths;  // by column, as the last table set them
};

#endif
