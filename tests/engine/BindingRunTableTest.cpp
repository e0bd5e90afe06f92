#include "../output/CommandOutput.h"
#include "Printer.h"
#include "RecordingDialogs.h"
#include "TStringGrid.h"
#include "uIrrigationDataSet.h"
#include "uPondix.h"
#include "uRillox.h"
#include "uStriva.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

TEST(BindingRunTable, EachBindingFillsItsTableAndPrintsItUnderItsTitle)
{
    struct Module {
        const char *title;
        std::function<TIrrigationFormatter *()> create;
        int tableRows;
    };
    const Module modules[] = {
        {"Pondix", [] { return new TPondix; }, 31},
        {"Striva", [] { return new TStriva; }, 45},
        {"Rillox", [] { return new TRillox; }, 57},
    };
    RecordingDialogs dialogs;
    QTemporaryDir dir;
    for (const Module &module : modules) {
        SCOPED_TRACE(module.title);
        std::unique_ptr<TIrrigationFormatter> binding(module.create());
        binding->GetDataSet()->NewRun();
        binding->GetDataSet()->GetRunByNumber(1)->SetCalculated(true);
        const QString pdf = dir.filePath(QString(module.title) + ".pdf");
        Printer().setOutputFormat(QPrinter::PdfFormat);
        Printer().setOutputFileName(pdf);
        EXPECT_EQ(binding->PrintRunTable(), 0);  // no grid: nothing printed
        EXPECT_FALSE(QFile::exists(pdf));

        TStringGrid grid;
        binding->FRunGrid = &grid;
        EXPECT_EQ(binding->FillRunTable(), 0);
        EXPECT_EQ(grid.RowCount(), module.tableRows);
        EXPECT_EQ(grid.ColCount(), 3);
        EXPECT_EQ(binding->PrintRunTable(), 0);
        const std::string text = ReadCommand("pdftotext -layout '" + pdf.toStdString() + "' -");
        EXPECT_EQ(text.find(module.title), text.find_first_not_of(" \n"));  // the title comes first
        EXPECT_NE(text.find("OUTPUT PARAMETERS"), std::string::npos);
    }
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
}
