#include "FileNames.h"

std::string ChangeFileExt(const std::string &fileName, const std::string &extension)
{
    const std::string::size_type at = fileName.find_last_of("./");
    if (at == std::string::npos || fileName[at] == '/')
        return fileName + extension;
    return fileName.substr(0, at) + extension;
}

std::string ExtractFileName(const std::string &fileName)
{
    const std::string::size_type at = fileName.rfind('/');
    return at == std::string::npos ? fileName : fileName.substr(at + 1);
}
