#include "ExecutableFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram)
{
    const std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(FileExists(folder + "test_platform"));
    SetExecutableFolder("/tmp");
    EXPECT_EQ(ExecutableFolder(), "/tmp/");
    SetExecutableFolder("");
    EXPECT_EQ(ExecutableFolder(), folder);
}

TEST(ExecutableFolder, FindsAFileIgnoringLetterCase)
{
    const std::string folder = ::testing::TempDir() + "exefolder_" + std::to_string(getpid()) + "/";
    mkdir(folder.c_str(), 0755);
    std::ofstream(folder + "Pondix.INI") << "[ConversionUnits]\n";
    EXPECT_EQ(FindFileIgnoringCase(folder, "Pondix.ini"), folder + "Pondix.INI");
    EXPECT_EQ(FindFileIgnoringCase(folder, "Pondix.INI"), folder + "Pondix.INI");
    EXPECT_EQ(FindFileIgnoringCase(folder, "Striva.INI"), "");
    std::remove((folder + "Pondix.INI").c_str());
    rmdir(folder.c_str());
}
