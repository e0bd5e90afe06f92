#include "ExecutableFolder.h"

#include "TextCase.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string overrideFolder;

std::string WithSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

}  // namespace

std::string ExecutableFolder()
{
    if (!overrideFolder.empty())
        return overrideFolder;
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return "./";
    const std::string path(buffer, static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/') + 1);
}

void SetExecutableFolder(const std::string &folder) { overrideFolder = WithSlash(folder); }

bool FileExists(const std::string &path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string FindFileIgnoringCase(const std::string &folder, const std::string &name)
{
    const std::string base = WithSlash(folder.empty() ? std::string(".") : folder);
    if (FileExists(base + name))
        return base + name;
    DIR *dir = opendir(base.c_str());
    if (!dir)
        return std::string();
    std::string found;
    while (dirent *entry = readdir(dir)) {
        if (SameText(entry->d_name, name) && FileExists(base + entry->d_name)) {
            found = base + entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}
