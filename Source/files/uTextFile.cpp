#include "uTextFile.h"

#include <cerrno>
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
    struct stat info {};
    if (::stat(fileName.c_str(), &info) == 0) {
        // The replacement must be refused wherever writing the file itself would be.
        if (S_ISDIR(info.st_mode))
            return false;
        const int probe = ::open(fileName.c_str(), O_WRONLY | O_CLOEXEC);
        if (probe < 0)
            return false;
        ::close(probe);
    }
    if (!FReplacement.Create(fileName))
        return false;
    FWriteFailed = false;
    FFlushed = false;
    FPending.clear();
    FMode = Mode::Writing;
    return true;
}

void TTextFile::WriteLine(const std::string &line)
{
    if (FMode != Mode::Writing || FFlushed)
        return;
    FPending += line;
    FPending += "\r\n";
    if (FPending.size() >= kFlushSize && !FWriteFailed) {
        // A failure is remembered; Close reports it and keeps the target.
        FWriteFailed = !WriteAll(FReplacement.Descriptor(), FPending);
        FPending.clear();
    }
}

bool TTextFile::Flush()
{
    if (FMode != Mode::Writing)
        return false;
    if (!FFlushed && !FWriteFailed)
        FWriteFailed = !(WriteAll(FReplacement.Descriptor(), FPending) && FReplacement.CloseDescriptor());
    FFlushed = true;
    FPending.clear();
    return !FWriteFailed;
}

bool TTextFile::FinishWrite()
{
    if (Flush() && FReplacement.Commit())
        return true;
    FReplacement.Discard();
    return false;
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
        FReplacement.Discard();
    } else if (FMode == Mode::Reading) {
        FIn.close();
    }
    FMode = Mode::Closed;
    FPending.clear();
}
