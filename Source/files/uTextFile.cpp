#include "uTextFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes flush to the system once this much is pending, so a long file is not held whole.
constexpr std::size_t kFlushSize = 64 * 1024;

bool WriteAll(int fd, const std::string &text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A symbolic link is followed, so that replacing writes where the link points.
std::string ResolveLink(const std::string &path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

TTextFile::~TTextFile()
{
    if (FMode == Mode::Writing)
        Discard();
}

bool TTextFile::OpenRead(const std::string &fileName)
{
    if (IsOpen())
        return false;
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    FIn.clear();
    FIn.open(fileName, std::ios::in | std::ios::binary);
    if (!FIn.is_open())
        return false;
    FMode = Mode::Reading;
    return true;
}

std::string TTextFile::ReadLine()
{
    std::string line;
    if (FMode != Mode::Reading || !std::getline(FIn, line))
        return std::string();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

bool TTextFile::AtEnd()
{
    return FMode != Mode::Reading || FIn.peek() == std::ifstream::traits_type::eof();
}

bool TTextFile::OpenWrite(const std::string &fileName)
{
    if (IsOpen() || fileName.empty())
        return false;
    const std::string target = ResolveLink(fileName);
    mode_t mode = NewFileMode();
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        // The replacement must be refused wherever writing the file itself would be.
        if (S_ISDIR(info.st_mode))
            return false;
        const int probe = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
        if (probe < 0)
            return false;
        ::close(probe);
        mode = info.st_mode & 07777;
    }
    std::string pattern = FolderOf(target) + "/.irrika-XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::fchmod(fd, mode) != 0) {
        ::close(fd);
        ::unlink(pattern.c_str());
        return false;
    }
    FOut = fd;
    FTarget = target;
    FTemporary = pattern;
    FPending.clear();
    FMode = Mode::Writing;
    return true;
}

void TTextFile::WriteLine(const std::string &line)
{
    if (FMode != Mode::Writing)
        return;
    FPending += line;
    FPending += "\r\n";
    if (FPending.size() >= kFlushSize && FOut >= 0) {
        if (!WriteAll(FOut, FPending)) {
            // Remember the failure; Close reports it and keeps the target.
            ::close(FOut);
            FOut = -1;
        }
        FPending.clear();
    }
}

bool TTextFile::FinishWrite()
{
    bool ok = FOut >= 0 && WriteAll(FOut, FPending) && ::fsync(FOut) == 0;
    if (FOut >= 0 && ::close(FOut) != 0)
        ok = false;
    FOut = -1;
    if (ok && ::rename(FTemporary.c_str(), FTarget.c_str()) != 0)
        ok = false;
    if (!ok)
        ::unlink(FTemporary.c_str());
    return ok;
}

bool TTextFile::Close()
{
    bool ok = true;
    if (FMode == Mode::Reading)
        FIn.close();
    else if (FMode == Mode::Writing)
        ok = FinishWrite();
    FMode = Mode::Closed;
    FPending.clear();
    return ok;
}

void TTextFile::Discard()
{
    if (FMode == Mode::Writing) {
        if (FOut >= 0)
            ::close(FOut);
        FOut = -1;
        ::unlink(FTemporary.c_str());
    } else if (FMode == Mode::Reading) {
        FIn.close();
    }
    FMode = Mode::Closed;
    FPending.clear();
}
