#ifndef IRRIKA_TESTS_FILES_RUNFILETEXT_H
#define IRRIKA_TESTS_FILES_RUNFILETEXT_H

// Run files written by hand: the basin example file's lines and small helpers that put
// lines together or cut them, so a test shows the bytes it reads.

#include "uRunFileLines.h"

#include <string>
#include <vector>

inline const std::string kUnitsLine = "7;2;2;11;3;13;13;11;13;16;7;2;2;11;14;14;14;3;3;3;3;3;2;2;11;11;";
inline const std::string kRunLine =
    "1;1;1;27.5;40;50;84.2;80;0.15;1;300;0.706;2.84;27.5;40;50;84.2;89.6;100;95.1;80;88.3;85.1;5.1;0;40;0;31.7;96.4;";

inline std::string CurveLine(double first, double step)
{
    TLineBuilder line;
    for (int row = 0; row <= 30; ++row)
        line.AddValue(first + row * step);
    return line.Text();
}

// The first n fields of a line, each with its separator.
inline std::string FirstFields(const std::string &line, std::size_t n)
{
    TLineBuilder cut;
    const TFieldList fields = SplitFields(line);
    for (std::size_t i = 0; i < n && i < fields.size(); ++i)
        cut.Add(fields[i]);
    return cut.Text();
}

// The line with field index replaced by text.
inline std::string WithField(const std::string &line, std::size_t index, const std::string &text)
{
    TLineBuilder changed;
    const TFieldList fields = SplitFields(line);
    for (std::size_t i = 0; i < fields.size(); ++i)
        changed.Add(i == index ? text : fields[i]);
    return changed.Text();
}

inline std::string Lines(const std::vector<std::string> &lines, const char *end = "\r\n")
{
    std::string text;
    for (const std::string &line : lines)
        text += line + end;
    return text;
}

// The lines of a file that ends every line in CR LF, without their ends.
inline std::vector<std::string> SplitLines(const std::string &bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::string Header(const char *tag, const std::string &fileName)
{
    return std::string(tag) + ";IrrikaWindows 1.0;" + fileName + ";";
}

#endif
