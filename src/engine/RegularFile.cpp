#include "engine/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

int OpenRegular(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    // Regular files never block; the flag only had to keep the open itself from waiting.
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

std::FILE* OpenRegularStream(const std::string& path)
{
    int fd = OpenRegular(path);
    if (fd < 0) return nullptr;
    std::FILE* stream = ::fdopen(fd, "rb");
    if (!stream) ::close(fd);
    return stream;
}

bool IsRegular(const std::string& path)
{
    int fd = OpenRegular(path);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

ReadStatus ReadRegular(const std::string& path, std::string& out, std::size_t maxBytes)
{
    out.clear();
    int fd = OpenRegular(path);
    if (fd < 0) return ReadStatus::CannotOpen;
    struct stat info {};
    ReadStatus status = ReadStatus::Ok;
    if (::fstat(fd, &info) != 0) {
        status = ReadStatus::ReadError;
    } else if (static_cast<std::size_t>(info.st_size) > maxBytes) {
        status = ReadStatus::TooLarge;
    } else {
        out.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (done < out.size()) {
            ssize_t got = ::read(fd, out.data() + done, out.size() - done);
            if (got < 0) {
                status = ReadStatus::ReadError;
                break;
            }
            if (got == 0) break;  // the file shrank while read: keep what is there
            done += static_cast<std::size_t>(got);
        }
        out.resize(done);
    }
    ::close(fd);
    if (status != ReadStatus::Ok) out.clear();
    return status;
}

}  // namespace files
