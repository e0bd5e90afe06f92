#ifndef IRRIKA_TESTS_MODEL_SETTINGSFOLDER_H
#define IRRIKA_TESTS_MODEL_SETTINGSFOLDER_H

// A temporary executable folder for one test: settings files written into it are what the
// reader finds. The real folder comes back when the fixture goes.

#include "ExecutableFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

class SettingsFolder {
public:
    SettingsFolder()
    {
        static int serial = 0;
        folder_ = ::testing::TempDir() + "irrika_settings_" + std::to_string(getpid()) + "_" +
                  std::to_string(++serial) + "/";
        mkdir(folder_.c_str(), 0755);
        SetExecutableFolder(folder_);
    }
    ~SettingsFolder()
    {
        SetExecutableFolder("");
        if (DIR *dir = opendir(folder_.c_str())) {
            while (dirent *entry = readdir(dir))
                std::remove((folder_ + entry->d_name).c_str());
            closedir(dir);
        }
        rmdir(folder_.c_str());
    }
    SettingsFolder(const SettingsFolder &) = delete;
    SettingsFolder &operator=(const SettingsFolder &) = delete;

    void Write(const std::string &name, const std::string &content) const
    {
        std::ofstream(folder_ + name, std::ios::binary) << content;
    }
    void Remove(const std::string &name) const { std::remove((folder_ + name).c_str()); }
    const std::string &Path() const { return folder_; }

private:
    std::string folder_;
};

// Every unit kind the catalogues use, in stored units with the factor 1.
inline const char *const kStoredUnits =
    "[ConversionUnits]\n"
    "LS_1=1\nMeters=1\nMM=1\nMinutes=1\nEmpty=1\nPerc=1\nMM_MIN_A=1\nMM_MIN=1\nMM_1=1\nM_MIN=1\n"
    "M_2_Sig2=1\nM_1_Tau2=1\n";

#endif
