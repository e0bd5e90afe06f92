// Reading a settings file: whatever the bytes, a data set is refused with an error of the
// run-time's kind or made; its new runs, when every value is a number, save, and the saved
// file loads into runs that store the same; runs that cannot be saved leave no file.

#include "FuzzSupport.h"

#include "Errors.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace fuzz;
    const ModuleCase &m = Module();
    ClearMessages();
    WriteBytes(Workspace() + TIrrikaIniFile(m.module).FileName(),
               std::string(reinterpret_cast<const char *>(data), size));
    const std::string name = Workspace() + "runs" + m.layout.Extension;
    std::remove(name.c_str());

    std::unique_ptr<TIrrigationDataSet> dataSet;
    try {
        dataSet = std::make_unique<TIrrigationDataSet>(m.module);
    } catch (const Exception &) {
        return 0;  // a factor that is no number, 0, or without finite inverse
    }
    Check(dataSet->Units() != nullptr, "the settings file was there but gave no unit table");
    for (int i = 0; i < 2; ++i) {
        try {
            dataSet->NewRun();
        } catch (const Exception &) {
            // A value without unit stops the copy into the next run; that run stays.
        }
    }
    dataSet->SetFileName(name);
    const bool sound = ValuesSound(*dataSet);
    const int result = Save(*dataSet, name);
    Check(!sound || result == 0, "runs whose values are all numbers do not save");
    if (result != 0) {
        Check(ReadBytes(name).empty(), "a failed save left a file");
        return 0;
    }
    TIrrigationDataSet reread(m.module);
    Check(Load(reread, name) == 0 && reread.FileName() == name, "saved runs do not load");
    const auto made = RunsIn(*dataSet);
    const auto loaded = RunsIn(reread);
    Check(made.size() == loaded.size(), "the run count changed");
    for (std::size_t i = 0; i < made.size(); ++i) {
        Check(made[i]->Number() == loaded[i]->Number(), "a run number changed");
        CheckSameStored(made[i], loaded[i]);
    }
    return 0;
}
