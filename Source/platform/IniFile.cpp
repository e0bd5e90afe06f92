#include "IniFile.h"

#include "NumberText.h"
#include "TextCase.h"

#include <fstream>
#include <sstream>

IniFile::IniFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    Section *current = nullptr;
    while (std::getline(in, line)) {
        const std::string text = Trim(line);
        if (text.empty() || text[0] == ';')
            continue;
        if (text[0] == '[') {
            const auto close = text.find(']');
            const std::string name = Trim(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            current = nullptr;
            for (Section &s : sections_)
                if (SameText(s.name, name))
                    current = &s;
            if (!current) {
                sections_.push_back({name, {}});
                current = &sections_.back();
            }
            continue;
        }
        const auto equals = text.find('=');
        if (!current || equals == std::string::npos)
            continue;
        const std::string key = Trim(text.substr(0, equals));
        std::string value = Trim(text.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (key.empty())
            continue;
        current->entries.emplace_back(key, value);
    }
}

const IniFile::Section *IniFile::Find(const std::string &section) const
{
    for (const Section &s : sections_)
        if (SameText(s.name, section))
            return &s;
    return nullptr;
}

bool IniFile::SectionExists(const std::string &section) const { return Find(section) != nullptr; }

std::vector<std::string> IniFile::ReadSection(const std::string &section) const
{
    std::vector<std::string> keys;
    if (const Section *s = Find(section))
        for (const auto &entry : s->entries)
            keys.push_back(entry.first);
    return keys;
}

std::vector<std::pair<std::string, std::string>> IniFile::ReadSectionValues(const std::string &section) const
{
    std::vector<std::pair<std::string, std::string>> values;
    if (const Section *s = Find(section))
        for (const auto &entry : s->entries)
            if (!entry.second.empty())
                values.push_back(entry);
    return values;
}

std::string IniFile::ReadString(const std::string &section, const std::string &key, const std::string &def) const
{
    // As ValueOf on ReadSectionValues, without copying the section for every key.
    if (const Section *s = Find(section))
        for (const auto &entry : s->entries)
            if (!entry.second.empty() && SameText(entry.first, key))
                return entry.second;
    return def;
}

double IniFile::ReadFloat(const std::string &section, const std::string &key, double def) const
{
    double value = 0.0;
    return TryStrToFloat(ReadString(section, key, std::string()), value) ? value : def;
}

std::string IniFile::ValueOf(const std::vector<std::pair<std::string, std::string>> &values, const std::string &name)
{
    for (const auto &entry : values)
        if (SameText(entry.first, name))
            return entry.second;
    return std::string();
}
