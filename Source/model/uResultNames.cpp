#include "uResultNames.h"

namespace {

struct TBasinList {
    TCalculationMode Mode;
    std::vector<const char *> Names;
};

const TBasinList kBasinLists[] = {
    {cmInflowRate,
     {"FlowRate", "Max. inf. depth", "Average depth", "Applic. efficiency", "CutoffTime", "Advancetime",
      "Recessiontime"}},
    {cmDimensions,
     {"BasinLength", "BasinWidth", "Max. inf. depth", "Average depth", "Applic. efficiency", "CutoffTime",
      "Advancetime", "Recessiontime"}},
    {cmCutoffTime,
     {"CutoffTime", "Max. inf. depth", "Average depth", "Applic. efficiency", "Advancetime", "Recessiontime"}},
    {cmMinimumDepth,
     {"Min. inf. depth", "Max. inf. depth", "Average depth", "Over-irr. length", "Over-irr. depth",
      "Under-irr. length", "Under-irr. depth", "Applic. efficiency", "Storage efficiency", "Distribution unif.",
      "Advancetime", "Recessiontime"}},
};

// Border and furrow share their lists but for the dimensions of mode 2.
const std::vector<TResultEntry> kSharedTail = {
    {"Applic. efficiency", false}, {"Runoff Ratio", false},     {"Deep perc. ratio", false},
    {"Distribution unif.", false}, {"Uniformity coeff.", false}, {"Advancetime", false},
    {"Depletiontime", false},      {"Recessiontime", false},    {"Opportunitytime", false},
    {"Max. inf. depth", false},    {"Min. inf. depth", false},  {"Average depth", false},
    {"Surface runoff", false},
};

std::vector<TResultEntry> SlopingList(TIrrigationModule module, TCalculationMode mode)
{
    std::vector<TResultEntry> list;
    auto add = [&list](std::initializer_list<TResultEntry> entries) { list.insert(list.end(), entries); };
    switch (mode) {
    case cmInflowRate:
        add({{"FlowRate", false}, {"CutBackFlow", true}, {"CutoffTime", false}});
        list.insert(list.end(), kSharedTail.begin(), kSharedTail.end());
        break;
    case cmDimensions:
        if (module == imBorder)
            add({{"BasinLength", false}, {"BasinWidth", false}});
        else
            add({{"Length", false}});
        add({{"CutBackFlow", true}, {"CutoffTime", false}});
        list.insert(list.end(), kSharedTail.begin(), kSharedTail.end());
        break;
    case cmCutoffTime:
        add({{"CutoffTime", false}, {"CutBackFlow", true}, {"Applic. efficiency", false}, {"Runoff Ratio", false},
             {"Deep perc. ratio", false}, {"Distribution unif.", false}, {"Uniformity coeff.", false},
             {"AdvanceRatio", true}, {"Advancetime", false}, {"Depletiontime", false}, {"Recessiontime", false},
             {"Opportunitytime", false}, {"Max. inf. depth", false}, {"Min. inf. depth", false},
             {"Average depth", false}, {"Surface runoff", false}});
        break;
    case cmMinimumDepth:
        add({{"Min. inf. depth", false}, {"CutBackFlow", true}, {"Applic. efficiency", false},
             {"Runoff Ratio", false}, {"Deep perc. ratio", false}, {"Storage efficiency", false},
             {"Distribution unif.", false}, {"Uniformity coeff.", false}, {"AdvanceRatio", true},
             {"Advancetime", false}, {"Depletiontime", false}, {"Recessiontime", false},
             {"Opportunitytime", false}, {"Max. inf. depth", false}, {"Average depth", false},
             {"Surface runoff", false}, {"Over-irr. depth", false}, {"Under-irr. depth", false},
             {"Over-irr. length", false}, {"Under-irr. length", false}});
        break;
    default:
        break;
    }
    return list;
}

}  // namespace

std::vector<std::string> ResultNames(TIrrigationModule module, TCalculationMode mode, bool cutback)
{
    std::vector<std::string> names;
    if (module == imBasin) {
        for (const TBasinList &list : kBasinLists) {
            if (list.Mode == mode)
                names.assign(list.Names.begin(), list.Names.end());
        }
        return names;
    }
    for (const TResultEntry &entry : SlopingList(module, mode)) {
        if (!entry.CutbackOnly || cutback)
            names.push_back(entry.Name);
    }
    return names;
}
