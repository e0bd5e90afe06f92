// Writes the seed corpus of the harnesses: run files that the program writes itself for
// each module (one run; several runs in every mode, infiltration input, option and unit
// choice; a file grown by an append) and the shipped settings files.
// Usage: irrika_fuzz_seeds FOLDER  -> FOLDER/run/<module>/, FOLDER/settings/<module>/

#include "FuzzSupport.h"

#include <cstdio>
#include <filesystem>

namespace {

// Runs in modes 1..4 with each infiltration input of the module and, for border and
// furrow, each operation, geometry and cross-section.
void VarySetUps(TIrrigationDataSet &dataSet)
{
    int i = 0;
    for (TIrrigationRun *run : RunsIn(dataSet)) {
        run->SetMode(1 + i % 4);
        run->SetInfiltrationType(static_cast<TInfiltrationType>(i % 4));
        TParameters *set = run->GetParameters();
        if (TParameter *operation = set->FindParameter("Operation"))
            operation->SetValue(1 + i % 3);
        if (TParameter *geometry = set->FindParameter("Geometry"))
            geometry->SetValue(1 + i % 2);
        if (TParameter *shape = set->FindParameter("CrossSection"))
            shape->SetValue(1 + i % 3);
        ++i;
    }
}

void Write(const ModuleCase &m, TIrrigationDataSet &dataSet, const std::string &file)
{
    // A fixed name in the header keeps the seeds the same from one run to the next.
    dataSet.SetFileName(std::string("trial") + m.layout.Extension);
    auto formatter = m.makeFormatter();
    formatter->FileName = file;
    if (formatter->SaveToFile(&dataSet) != 0)
        fuzz::Fail("a seed could not be written");
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    const std::string out = argv[1];
    for (const ModuleCase &m : Modules()) {
        const std::string runs = out + "/run/" + m.name + "/";
        const std::string settings = out + "/settings/" + m.name + "/";
        fs::create_directories(runs);
        fs::create_directories(settings);
        const std::string iniName = TIrrikaIniFile(m.module).FileName();
        fs::copy_file(fuzz::Workspace() + iniName, settings + iniName, fs::copy_options::overwrite_existing);

        const std::string ext = m.layout.Extension;
        auto one = FilledDataSet(m.module, 1, "");
        Write(m, *one, runs + "one" + ext);
        for (std::size_t c = 0; c < UnitChoices().size(); ++c) {
            auto several = FilledDataSet(m.module, 4, "");
            VarySetUps(*several);
            ChooseUnits(*several, UnitChoices()[c]);
            Write(m, *several, runs + "units" + std::to_string(c) + ext);
        }
        // Grown by an append: the file of one run takes the last of three.
        const std::string grown = runs + "appended" + ext;
        Write(m, *one, grown);
        auto three = FilledDataSet(m.module, 3, "");
        auto formatter = m.makeFormatter();
        formatter->FileName = grown;
        if (formatter->AppendRun(three.get()) != 0)
            fuzz::Fail("the seed append failed");
        Write(m, *three, grown);
    }
    return 0;
}
