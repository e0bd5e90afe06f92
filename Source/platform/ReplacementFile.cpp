#include "ReplacementFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// A target that exists is replaced only where it could have been written in place: a
// read-only file or a folder keeps what it is.
bool Writable(const std::string &target)
{
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return true;
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        return false;
    }
    const int probe = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0)
        return false;
    ::close(probe);
    return true;
}

mode_t ModeFor(const std::string &target)
{
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

ReplacementFile::~ReplacementFile() { Discard(); }

bool ReplacementFile::Create(const std::string &target)
{
    Discard();
    const std::string resolved = ResolveLink(target);
    if (!Writable(resolved))
        return false;
    std::string pattern = FolderOf(resolved) + "/.irrika-XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::fchmod(fd, ModeFor(resolved)) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(pattern.c_str());
        errno = error;
        return false;
    }
    FDescriptor = fd;
    FTarget = resolved;
    FTemporary = pattern;
    return true;
}

bool ReplacementFile::Write(const std::string &text)
{
    if (FDescriptor < 0) {
        errno = EBADF;
        return false;
    }
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(FDescriptor, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool ReplacementFile::CloseDescriptor()
{
    if (FDescriptor < 0)
        return true;
    bool ok = ::fsync(FDescriptor) == 0;
    if (::close(FDescriptor) != 0)
        ok = false;
    FDescriptor = -1;
    return ok;
}

bool ReplacementFile::Commit()
{
    if (FTemporary.empty())
        return false;
    bool ok = CloseDescriptor();
    if (ok && ::rename(FTemporary.c_str(), FTarget.c_str()) != 0)
        ok = false;
    if (!ok) {
        const int error = errno;
        Discard();
        errno = error;
        return false;
    }
    FTemporary.clear();
    FTarget.clear();
    return true;
}

void ReplacementFile::Discard()
{
    if (FDescriptor >= 0)
        ::close(FDescriptor);
    FDescriptor = -1;
    if (!FTemporary.empty())
        ::unlink(FTemporary.c_str());
    FTemporary.clear();
    FTarget.clear();
}
