#include "EngineLibraries.h"

#include "ExecutableFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::string kTestEngines = ExecutableFolder() + "test-engines/";

// A scratch folder whose engine files are links to the test libraries (or text files).
class EngineFolder {
public:
    EngineFolder()
    {
        char pattern[] = "/tmp/irrika-engines-XXXXXX";
        folder_ = std::string(mkdtemp(pattern)) + "/";
    }
    ~EngineFolder() { std::system(("rm -rf '" + folder_ + "'").c_str()); }
    void Link(const std::string &name, const std::string &target)
    {
        EXPECT_EQ(symlink((kTestEngines + target).c_str(), (folder_ + name).c_str()), 0);
    }
    void Write(const std::string &name, const std::string &text) { std::ofstream(folder_ + name) << text; }
    const std::string &Path() const { return folder_; }

private:
    std::string folder_;
};

// Restores the entry points that the loader replaced, so later tests start as before.
class EntryPointsKept : public ::testing::Test {
protected:
    EntryPointsKept()
    {
        for (int module = 0; module < kEngineModules; ++module)
            kept_[module] = EngineEntryPoint(module);
    }
    ~EntryPointsKept() override
    {
        for (int module = 0; module < kEngineModules; ++module)
            SetEngineEntryPoint(module, kept_[module]);
    }

private:
    TIrrikaInfoProc kept_[kEngineModules];
};

using EngineLibraries = EntryPointsKept;

}  // namespace

TEST_F(EngineLibraries, EachModuleCallsItsOwnLibraryThoughTheyShareTheirNames)
{
    std::string failure = "not cleared";
    ASSERT_TRUE(LoadEngineLibraries(kTestEngines, failure)) << failure;
    EXPECT_EQ(failure, "");
    for (int module = 0; module < kEngineModules; ++module) {
        SCOPED_TRACE(EngineLibraryName(module));
        ASSERT_NE(EngineEntryPoint(module), nullptr);
        TIrrikaInfoRecord record{};
        EngineEntryPoint(module)(&record);
        EXPECT_EQ(record.WarningCode, module);
    }
}

TEST_F(EngineLibraries, AFailureNamesTheLibraryAndTheReason)
{
    struct Case {
        const char *pondix, *striva;  // what the folder holds under the first two names
        bool pondixIsText;
        const char *library, *reason;
    };
    const Case kCases[] = {
        {nullptr, nullptr, false, "libPondix.so", "No such file"},
        {"this text file is no library, though its name says it is one; the loader must say so "
         "and name it, as it would for a damaged engine file", nullptr, true, "libPondix.so", "invalid ELF header"},
        {"libPondix.so", "libNoEntry.so", false, "libStriva.so", "IrrikaInfo"},
        {"libPondix.so", nullptr, false, "libStriva.so", "No such file"},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(std::string(c.library) + " / " + c.reason);
        EngineFolder folder;
        if (c.pondix && c.pondixIsText)
            folder.Write("libPondix.so", c.pondix);
        else if (c.pondix)
            folder.Link("libPondix.so", c.pondix);
        if (c.striva)
            folder.Link("libStriva.so", c.striva);
        folder.Link("libRillox.so", "libRillox.so");
        std::string failure;
        EXPECT_FALSE(LoadEngineLibraries(folder.Path(), failure));
        EXPECT_NE(failure.find(folder.Path() + c.library), std::string::npos) << failure;
        EXPECT_NE(failure.find(c.reason), std::string::npos) << failure;
    }
}
