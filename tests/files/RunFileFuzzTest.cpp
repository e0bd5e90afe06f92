// Thousands of damaged run files per module: cut lines, stray bytes, missing fields, huge
// counts. A load may refuse or fail, but it never crashes or hangs, never writes to the
// file, and leaves the data set either exactly as it was or holding the file's runs.

#include "Errors.h"
#include "RecordingDialogs.h"
#include "RunFileFixture.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int kFilesPerModule = 2000;

class Mutator {
public:
    explicit Mutator(unsigned seed) : random_(seed) {}

    std::string Mutate(std::string text)
    {
        const int steps = Pick(3) + 1;
        for (int i = 0; i < steps; ++i)
            text = MutateOnce(text);
        return text;
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    std::size_t At(const std::string &text) { return text.empty() ? 0 : static_cast<std::size_t>(Pick(static_cast<int>(text.size()))); }

    static std::vector<std::string> SplitLines(const std::string &text)
    {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', start)) {
            lines.push_back(text.substr(start, at + 1 - start));
            start = at + 1;
        }
        if (start < text.size())
            lines.push_back(text.substr(start));
        return lines;
    }

    static std::string JoinLines(const std::vector<std::string> &lines)
    {
        std::string text;
        for (const std::string &line : lines)
            text += line;
        return text;
    }

    std::string MutateOnce(std::string text)
    {
        static const char *const garbage[] = {"", "x", "1e999", "nan", "1,5", "-0", "1E-400", "  7",
                                              "999999999999", "2147483647", "-2147483648", "0x10", ";;;"};
        static const char *const counts[] = {"2147483647", "99999999999", "-1", "0", "3.5", "", "100000"};
        std::vector<std::string> lines = SplitLines(text);
        switch (Pick(10)) {
        case 0:
            return text.substr(0, At(text));
        case 1:
            if (!lines.empty())
                lines.erase(lines.begin() + Pick(static_cast<int>(lines.size())));
            return JoinLines(lines);
        case 2:
            if (!lines.empty()) {
                const int i = Pick(static_cast<int>(lines.size()));
                lines.insert(lines.begin() + i, lines[i]);
            }
            return JoinLines(lines);
        case 3:
            if (!text.empty())
                text[At(text)] = static_cast<char>(Pick(256));
            return text;
        case 4: {
            std::string bytes;
            for (int n = Pick(8) + 1; n > 0; --n)
                bytes += static_cast<char>(Pick(256));
            return text.insert(At(text), bytes);
        }
        case 5: {
            const std::size_t from = text.find(';', At(text));
            const std::size_t to = from == std::string::npos ? from : text.find(';', from + 1);
            return to == std::string::npos ? text : text.erase(from, to - from);
        }
        case 6:
            if (lines.size() > 2)
                lines[2] = std::string(counts[Pick(7)]) + "\r\n";
            return JoinLines(lines);
        case 7: {
            const std::size_t from = text.find(';', At(text));
            const std::size_t to = from == std::string::npos ? from : text.find(';', from + 1);
            return to == std::string::npos ? text : text.replace(from + 1, to - from - 1, garbage[Pick(13)]);
        }
        case 8: {
            std::string lf;
            for (char c : text)
                if (c != '\r')
                    lf += c;
            return lf;
        }
        default:
            if (lines.size() > 1)
                std::swap(lines[Pick(static_cast<int>(lines.size()))], lines[Pick(static_cast<int>(lines.size()))]);
            return JoinLines(lines);
        }
    }

    std::mt19937 random_;
};

TEST(RunFileFuzz, DamagedFilesNeverCorruptTheDataSetOrTheFile)
{
    RecordingDialogs dialogs;
    TempFolder folder;
    unsigned seed = 1;
    for (const ModuleCase &m : Modules()) {
        SCOPED_TRACE(m.name);
        const std::string name = folder.File(std::string("fuzz") + m.layout.Extension);
        // A sound file to start from: three runs in mixed modes and infiltration types.
        std::string sound;
        {
            TIrrigationDataSet source(m.module);
            for (int i = 1; i <= 3; ++i) {
                source.NewRun();
                FillRun(source.GetRunByNumber(i), i + 1, i == 2 ? 2 : 0, 7.0 * i);
            }
            auto formatter = m.makeFormatter();
            formatter->FileName = name;
            ASSERT_EQ(formatter->SaveToFile(&source), 0);
            sound = ReadBytes(name);
        }

        TIrrigationDataSet dataSet(m.module);
        dataSet.NewRun();
        FillRun(dataSet.GetRunByNumber(1), 1, 0, 3.0);
        dataSet.SetFileName("own");
        dataSet.SetCurrentRun(1);
        Mutator mutator(seed++);
        int loaded = 0;
        for (int i = 0; i < kFilesPerModule; ++i) {
            const std::string damaged = mutator.Mutate(sound);
            WriteBytes(name, damaged);
            const std::string before = Snapshot(dataSet);
            auto formatter = m.makeFormatter();
            formatter->FileName = name;
            int result = 0;
            bool raised = false;
            try {
                result = formatter->LoadFromFile(&dataSet);
            } catch (const Exception &) {
                raised = true;
            }
            ASSERT_EQ(ReadBytes(name), damaged) << "file " << i;
            ASSERT_TRUE(!raised || m.module == imBasin) << "file " << i;
            const std::string after = Snapshot(dataSet);
            if (raised || result != 0 || after == before) {
                ASSERT_EQ(after, before) << "file " << i;
                continue;
            }
            ++loaded;
            ASSERT_EQ(dataSet.FileName(), name) << "file " << i;
            ASSERT_EQ(dataSet.FileKind(), m.layout.FileKind);
            ASSERT_EQ(dataSet.CurrentRun(), dataSet.GetRunCount()) << "file " << i;
            for (TIrrigationRun *run : RunsIn(dataSet)) {
                ASSERT_TRUE(run->Calculated() && run->Saved());
                ASSERT_EQ(CurvesOf(run).size(), m.curves);
            }
            // Back to a small data set of its own for the next file.
            dataSet.SetFileName("own");
            if (dataSet.GetRunCount() == 0)
                dataSet.NewRun();
            while (dataSet.GetRunCount() > 1)
                dataSet.DeleteRun(dataSet.GetRunCount());
            dataSet.RenumberRuns();
            dataSet.SetCurrentRun(1);
        }
        // The damage must leave many files readable, or the test proves little.
        EXPECT_GT(loaded, kFilesPerModule / 20);
        dialogs.Clear();
    }
}

}  // namespace
