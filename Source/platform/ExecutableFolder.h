#ifndef IRRIKA_PLATFORM_EXECUTABLEFOLDER_H
#define IRRIKA_PLATFORM_EXECUTABLEFOLDER_H

// Every file the program looks for lies next to its executable.

#include <string>

// The running executable's folder with a trailing '/', from /proc/self/exe, unless a test
// has set another folder with SetExecutableFolder.
std::string ExecutableFolder();

// Tests only: pretend the executable lies in folder (a trailing '/' is added when missing);
// an empty text goes back to the real folder.
void SetExecutableFolder(const std::string &folder);

// The path of the file called name in folder, matching the name ignoring letter case (the
// program spells some of its files in two ways); the exact name wins. Empty when none.
std::string FindFileIgnoringCase(const std::string &folder, const std::string &name);

bool FileExists(const std::string &path);

#endif
