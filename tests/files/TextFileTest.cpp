// The run files' text file: lines ending in CR LF or LF are read alike, and a write only
// ever replaces the target once the whole new content reached the disk.

#include "TempFolder.h"
#include "uTextFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

TEST(TextFileRead, AcceptsCrLfAndLfAndReadsEmptyLinesPastTheEnd)
{
    TempFolder folder;
    const std::string name = folder.File("mixed.pdx");
    WriteBytes(name, "first;\r\nsecond;\n\r\nlast without end");
    TTextFile file;
    ASSERT_TRUE(file.OpenRead(name));
    EXPECT_EQ(file.ReadLine(), "first;");
    EXPECT_EQ(file.ReadLine(), "second;");
    EXPECT_EQ(file.ReadLine(), "");
    EXPECT_EQ(file.ReadLine(), "last without end");
    // A line missing at the end reads as an empty line, however often it is asked for.
    EXPECT_EQ(file.ReadLine(), "");
    EXPECT_EQ(file.ReadLine(), "");
    EXPECT_TRUE(file.Close());
}

TEST(TextFileRead, RefusesMissingFilesAndFolders)
{
    TempFolder folder;
    TTextFile file;
    EXPECT_FALSE(file.OpenRead(folder.File("none.pdx")));
    EXPECT_FALSE(file.OpenRead(folder.Path()));
    EXPECT_FALSE(file.IsOpen());
}

TEST(TextFileWrite, WritesCrLfLinesAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    const std::string name = folder.File("new.svx");
    TTextFile file;
    ASSERT_TRUE(file.OpenWrite(name));
    file.WriteLine("a;b;");
    file.WriteLine("");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(name), "a;b;\r\n\r\n");
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(TextFileWrite, TargetKeepsItsContentUntilCloseAndItsPermissions)
{
    TempFolder folder;
    const std::string name = folder.File("old.rlx");
    WriteBytes(name, "old content\r\n");
    ::chmod(name.c_str(), 0640);
    TTextFile file;
    ASSERT_TRUE(file.OpenWrite(name));
    file.WriteLine("new content");
    EXPECT_EQ(ReadBytes(name), "old content\r\n");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(name), "new content\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(name.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(TextFileWrite, DiscardAndDestructionKeepTheTarget)
{
    TempFolder folder;
    const std::string name = folder.File("kept.pdx");
    WriteBytes(name, "kept\r\n");
    {
        TTextFile file;
        ASSERT_TRUE(file.OpenWrite(name));
        file.WriteLine("lost");
        file.Discard();
    }
    {
        TTextFile file;
        ASSERT_TRUE(file.OpenWrite(name));
        file.WriteLine("lost too");
    }
    EXPECT_EQ(ReadBytes(name), "kept\r\n");
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(TextFileWrite, RefusesTargetsThatCannotBeWritten)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not bind the superuser";
    TempFolder folder;
    const std::string readOnly = folder.File("readonly.pdx");
    WriteBytes(readOnly, "protected\r\n");
    ::chmod(readOnly.c_str(), 0444);
    TTextFile file;
    EXPECT_FALSE(file.OpenWrite(readOnly));
    EXPECT_EQ(ReadBytes(readOnly), "protected\r\n");
}

TEST(TextFileWrite, RefusesFoldersAndMissingFolders)
{
    TempFolder folder;
    TTextFile file;
    EXPECT_FALSE(file.OpenWrite(folder.Path()));
    EXPECT_FALSE(file.OpenWrite(folder.File("no/such/folder.pdx")));
    EXPECT_FALSE(file.OpenWrite(""));
    EXPECT_FALSE(file.IsOpen());
}

// A write that the system refuses half-way (here: a file size limit, as a full disk would)
// fails at Close and leaves the previous file intact.
TEST(TextFileWrite, FailedWriteLeavesThePreviousFile)
{
    TempFolder folder;
    const std::string name = folder.File("full.pdx");
    const std::string previous = "previous content\r\n";
    WriteBytes(name, previous);

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    TTextFile file;
    const bool opened = file.OpenWrite(name);
    for (int i = 0; i < 20; ++i)
        file.WriteLine("a line that does not fit into one hundred bytes once repeated");
    const bool closed = file.Close();

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(opened);
    EXPECT_FALSE(closed);
    EXPECT_EQ(ReadBytes(name), previous);
    EXPECT_EQ(folder.EntryCount(), 1u);
}

}  // namespace
