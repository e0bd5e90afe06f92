#include "uSaveGrid.h"

#include "Dialogs.h"
#include "Errors.h"
#include "ReplacementFile.h"
#include "TStringGrid.h"
#include "uConstants.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
// The first write error, or the close error; LXW_NO_ERROR when all went well. The
// workbook is closed (and so freed) in every case.
lxw_error WriteWorkbook(const std::string &fileName, TStringGrid &grid)
{
    lxw_workbook *workbook = workbook_new(fileName.c_str());
    if (!workbook)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    lxw_error error = LXW_NO_ERROR;
    lxw_worksheet *worksheet = workbook_add_worksheet(workbook, nullptr);
    if (!worksheet)
        error = LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (int row = 0; error == LXW_NO_ERROR && row < grid.RowCount(); ++row) {
        for (int col = 0; error == LXW_NO_ERROR && col < grid.ColCount(); ++col)
            error = worksheet_write_string(worksheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(col),
                                           grid.Cells(col, row).c_str(), nullptr);
    }
    const lxw_error closeError = workbook_close(workbook);
    return error != LXW_NO_ERROR ? error : closeError;
}

bool ReportSpreadsheetError(const std::string &text)
{
    ShowErrorMessage(text + uConstants::LineBreak + uConstants::SpreadsheetError);
    return false;
}
}  // namespace

bool TSaveToXL::Save(const std::string &fileName, TStringGrid *grid)
{
    if (!grid)
        return false;
    // The library writes the workbook by name: into the replacement, closed first.
    ReplacementFile replacement;
    if (!replacement.Create(fileName) || !replacement.CloseDescriptor())
        return ReportSpreadsheetError(std::strerror(errno));
    const lxw_error error = WriteWorkbook(replacement.TemporaryPath(), *grid);
    if (error != LXW_NO_ERROR)
        return ReportSpreadsheetError(lxw_strerror(error));
    if (!replacement.Commit())
        return ReportSpreadsheetError(std::strerror(errno));
    return true;
}

bool TSaveToASCII::Save(const std::string &fileName, TStringGrid *grid)
{
    if (!grid)
        return false;
    std::string text;
    for (int row = 0; row < grid->RowCount(); ++row) {
        for (int col = 0; col < grid->ColCount(); ++col) {
            text += grid->Cells(col, row);
            if (col < grid->ColCount() - 1)
                text += uConstants::FieldSeparator;
        }
        text += uConstants::LineBreak;
    }
    // The table takes the old file's place only once it is written completely.
    ReplacementFile file;
    if (!file.Create(fileName))
        throw Exception("Cannot create file \"" + fileName + "\". " + std::strerror(errno));
    if (!file.Write(text) || !file.Commit())
        throw Exception("Unable to write file \"" + fileName + "\". " + std::strerror(errno));
    return true;
}
