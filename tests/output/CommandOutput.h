#ifndef IRRIKA_TESTS_OUTPUT_COMMANDOUTPUT_H
#define IRRIKA_TESTS_OUTPUT_COMMANDOUTPUT_H

// Runs an independent tool on a file the program wrote and returns what it printed, so
// that tests check the file as another program reads it.

#include <cstdio>
#include <string>

inline std::string ReadCommand(const std::string &command)
{
    std::string out;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    pclose(pipe);
    return out;
}

#endif
