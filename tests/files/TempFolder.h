#ifndef IRRIKA_TESTS_FILES_TEMPFOLDER_H
#define IRRIKA_TESTS_FILES_TEMPFOLDER_H

// A fresh folder per test, removed with everything in it afterwards, and small helpers to
// put a file's bytes there and read them back.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <cstdlib>

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "irrika-files-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    std::string File(const std::string &name) const { return path_ + "/" + name; }
    const std::string &Path() const { return path_; }

    // Names in the folder, hidden ones included; a leftover temporary file shows here.
    std::size_t EntryCount() const
    {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(path_))
            ++n;
        return n;
    }

private:
    std::string path_;
};

inline void WriteBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#endif
