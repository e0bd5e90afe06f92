#ifndef IRRIKA_PLATFORM_INIFILE_H
#define IRRIKA_PLATFORM_INIFILE_H

// A read-only profile (INI) file with the semantics the settings files rely on: section
// and key names match ignoring letter case, keys keep file order and spelling, an empty
// value counts as absent, lines end in CR LF or LF, lines starting with ';' are comments.
// Blanks around names and values are dropped and one pair of surrounding double quotes is
// taken off a value. A repeated section: the first one counts. A repeated key is listed
// again by ReadSection and ReadSectionValues, while a lookup by name finds the first.

#include <string>
#include <utility>
#include <vector>

class IniFile {
public:
    // Reads the whole file at once; a missing or unreadable file reads as empty.
    explicit IniFile(const std::string &path);

    bool SectionExists(const std::string &section) const;
    // The key names of a section in file order, as written (keys with empty values too).
    std::vector<std::string> ReadSection(const std::string &section) const;
    // The section's name=value pairs in file order; a key with an empty value has no pair.
    std::vector<std::pair<std::string, std::string>> ReadSectionValues(const std::string &section) const;
    // The value of the first such key; def when absent or empty.
    std::string ReadString(const std::string &section, const std::string &key, const std::string &def) const;
    // The value as a number with '.'; def when absent, empty or not a number.
    double ReadFloat(const std::string &section, const std::string &key, double def) const;

    // The text after "=" of the first pair whose name equals name ignoring case; empty
    // when there is none.
    static std::string ValueOf(const std::vector<std::pair<std::string, std::string>> &values,
                               const std::string &name);

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    const Section *Find(const std::string &section) const;

    std::vector<Section> sections_;
};

#endif
