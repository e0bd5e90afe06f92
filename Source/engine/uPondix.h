#ifndef IRRIKA_ENGINE_UPONDIX_H
#define IRRIKA_ENGINE_UPONDIX_H

// The basin module's binding: its data set and its engine library libPondix.so.

#include "uIrrigationFormatter.h"

class TPondix : public TIrrigationFormatter {
public:
    TPondix();
    ~TPondix() override;

    bool LoadRuns() override;
    bool SaveRuns() override;
    bool ReplaceWithLastRun() override;
    bool AppendLastRun() override;
    TIrrigationDataSet *GetDataSet() override;
    int Calculate(int RunNumber) override;
    int DeleteRun(int RunNumber) override;
    int DrawGraphs(int RunNumber) override;
    int FillRunTable() override;
    int PrintRunTable() override;
    int SaveGraphs(unsigned char Kind, const std::string &FileName) override;
    int PrintGraphs() override;
    int CopyGraphToClipboard(unsigned char Which) override;
};

#endif
