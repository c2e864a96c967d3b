#include "meta/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace atomicfile {
namespace {

void (*stepHook)(Step) = nullptr;

void Reached(Step step)
{
    if (stepHook) stepHook(step);
}

// Large texts go out in pieces, so there is a moment with part of the text on disk.
constexpr std::size_t kPieceBytes = 64 * 1024;

std::string TemporaryPrefix(const fs::path& target)
{
    return "." + target.filename().string() + ".tmp-";
}

std::string Describe(const char* what, const fs::path& path, int err)
{
    return std::string(what) + " " + path.string() + ": " + std::strerror(err);
}

// Keeps the permissions of the file being replaced; a new file gets the usual 0644.
mode_t ModeFor(const fs::path& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    return 0644;
}

bool WriteAll(int fd, std::string_view text)
{
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, std::min(left, kPieceBytes));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
        if (left > 0) Reached(Step::PartWritten);
    }
    return true;
}

// The rename itself must reach the disk too, or a power loss could bring back the old name.
void SyncFolder(const fs::path& folder)
{
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes text into a new temporary file beside target, flushed to disk; returns its path or "".
std::string WriteTemporary(const fs::path& target, std::string_view text, std::string& error)
{
    fs::path folder = target.parent_path();
    std::string name = (folder / (TemporaryPrefix(target) + "XXXXXX")).string();
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    int fd = ::mkstemp(buffer.data());
    if (fd < 0) {
        error = Describe("cannot create a temporary file for", target, errno);
        return {};
    }
    std::string temporary(buffer.data());
    Reached(Step::TemporaryCreated);
    bool ok = ::fchmod(fd, ModeFor(target)) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
    int err = errno;
    if (ok) Reached(Step::TemporarySynced);
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        error = Describe("cannot write", temporary, err);
        ::unlink(temporary.c_str());
        return {};
    }
    return temporary;
}

// Gives the temporary file the target's name only when no file has it yet.
int RenameNoReplace(const std::string& from, const fs::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // File systems without the flag: a hard link also refuses an existing name.
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    ::unlink(from.c_str());
    return 0;
}

}  // namespace

bool Replace(const fs::path& target, std::string_view text, std::string& error)
{
    std::string temporary = WriteTemporary(target, text, error);
    if (temporary.empty()) return false;
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = Describe("cannot replace", target, errno);
        ::unlink(temporary.c_str());
        return false;
    }
    Reached(Step::Renamed);
    SyncFolder(target.parent_path());
    return true;
}

bool CreateNew(const fs::path& target, std::string_view text, std::string& error)
{
    std::string temporary = WriteTemporary(target, text, error);
    if (temporary.empty()) return false;
    if (int err = RenameNoReplace(temporary, target); err != 0) {
        error = Describe("cannot create", target, err);
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

bool KeepCopy(const fs::path& target, const fs::path& copy, std::string& error)
{
    if (::unlink(copy.c_str()) != 0 && errno != ENOENT) {
        error = Describe("cannot remove", copy, errno);
        return false;
    }
    if (::link(target.c_str(), copy.c_str()) != 0) {
        std::error_code ec;
        fs::copy_file(target, copy, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            error = "cannot copy " + target.string() + " to " + copy.string() + ": " + ec.message();
            return false;
        }
    }
    SyncFolder(copy.parent_path());
    return true;
}

void SetStepHook(void (*hook)(Step))
{
    stepHook = hook;
}

void RemoveLeftovers(const fs::path& target)
{
    std::string prefix = TemporaryPrefix(target);
    std::error_code ec;
    fs::directory_iterator it(target.parent_path().empty() ? fs::path(".") : target.parent_path(), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

}  // namespace atomicfile
