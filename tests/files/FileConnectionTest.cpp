// The connection picks the formatter by file kind and refuses to call it without a data
// set or a file name.

#include "RecordingDialogs.h"
#include "RunFileFixture.h"
#include "TempFolder.h"
#include "uFileConnection.h"

#include <gtest/gtest.h>

namespace {

TEST(FileConnection, PicksTheFormatterOfTheFileKind)
{
    const std::pair<int, const char *> kinds[] = {{2, "TPondixFile"}, {3, "TRilloxFile"}, {4, "TStrivaFile"},
                                                  {0, nullptr}, {1, nullptr}, {5, nullptr}, {255, nullptr}};
    for (const auto &[kind, formatter] : kinds) {
        SCOPED_TRACE(kind);
        TFileConnection connection(static_cast<std::uint8_t>(kind));
        if (formatter)
            EXPECT_EQ(connection.GetFormatter()->GetDescription(), formatter);
        else
            EXPECT_EQ(connection.GetFormatter(), nullptr);
    }
}

TEST(FileConnection, RefusesWithoutFormatterDataSetOrFileName)
{
    RecordingDialogs dialogs;
    TempFolder folder;
    TIrrigationDataSet dataSet(imBasin);
    TFileConnection none(fkTextTable);
    dataSet.SetFileName(folder.File("runs.pdx"));
    EXPECT_EQ(none.SaveToFile(&dataSet), -1);
    TFileConnection basin(fkBasinRunFile);
    EXPECT_EQ(basin.LoadFromFile(nullptr), -1);
    dataSet.SetFileName("");
    EXPECT_EQ(basin.SaveToFile(&dataSet), -1);
    EXPECT_EQ(basin.AppendRun(&dataSet), -1);
    EXPECT_EQ(dataSet.GetRunCount(), 0) << "the formatter was called";
    EXPECT_EQ(folder.EntryCount(), 0u);
}

TEST(FileConnection, ForwardsWithTheDataSetsFileName)
{
    RecordingDialogs dialogs;
    TempFolder folder;
    TIrrigationDataSet dataSet(imFurrow);
    dataSet.SetFileName(folder.File("runs.rlx"));
    TFileConnection connection(fkFurrowRunFile);
    ASSERT_EQ(connection.SaveToFile(&dataSet), 0);
    EXPECT_EQ(connection.GetFormatter()->FileName, dataSet.FileName());
    EXPECT_EQ(ReadBytes(dataSet.FileName()).rfind("RilloxFile;IrrikaWindows 1.0;", 0), 0u);
    TIrrigationDataSet loaded(imFurrow);
    loaded.SetFileName(dataSet.FileName());
    EXPECT_EQ(connection.LoadFromFile(&loaded), 0);
    EXPECT_EQ(loaded.GetRunCount(), 1);
    EXPECT_EQ(loaded.FileKind(), fkFurrowRunFile);
}

}  // namespace
