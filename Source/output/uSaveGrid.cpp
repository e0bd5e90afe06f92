#include "uSaveGrid.h"

#include "Dialogs.h"
#include "Errors.h"
#include "TStringGrid.h"
#include "uConstants.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
// A new, empty file beside the target, so that the final rename stays on one file
// system and replaces the old file in one step. Empty on failure, errno set.
std::string CreateTemporaryBeside(const std::string &fileName)
{
    std::vector<char> name(fileName.begin(), fileName.end());
    const char suffix[] = ".XXXXXX";
    name.insert(name.end(), suffix, suffix + sizeof suffix);
    const int fd = mkstemp(name.data());
    if (fd < 0)
        return std::string();
    // mkstemp makes the file private; the workbook gets the mode a new file would get.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    return std::string(name.data());
}

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
    const std::string temporary = CreateTemporaryBeside(fileName);
    if (temporary.empty())
        return ReportSpreadsheetError(std::strerror(errno));
    const lxw_error error = WriteWorkbook(temporary, *grid);
    if (error != LXW_NO_ERROR) {
        std::remove(temporary.c_str());
        return ReportSpreadsheetError(lxw_strerror(error));
    }
    if (std::rename(temporary.c_str(), fileName.c_str()) != 0) {
        const std::string text = std::strerror(errno);
        std::remove(temporary.c_str());
        return ReportSpreadsheetError(text);
    }
    return true;
}

bool TSaveToASCII::Save(const std::string &fileName, TStringGrid *grid)
{
    if (!grid)
        return false;
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (!file)
        throw Exception("Cannot create file \"" + fileName + "\". " + std::strerror(errno));
    for (int row = 0; row < grid->RowCount(); ++row) {
        for (int col = 0; col < grid->ColCount(); ++col) {
            file << grid->Cells(col, row);
            if (col < grid->ColCount() - 1)
                file << uConstants::FieldSeparator;
        }
        file << uConstants::LineBreak;
    }
    file.close();
    if (!file)
        throw Exception("Unable to write file \"" + fileName + "\"");
    return true;
}
