#pragma once
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <system_error>

// Content files (meshes, particle files) are read once per run and shared: a battle creates
// hundreds of sprites and emitters from a handful of files. Keyed by the absolute path, since
// tools and tests read from several folders. A file rewritten since (other size, time or inode;
// tools and tests do that) is read again; a file gone since keeps what was read.
template <typename T>
class FileCache {
public:
    struct Entry {
        bool found = false;   // the file could be opened when it was last read
        bool parsed = false;  // and its content was usable
        T value{};
    };
    // Reads the file into value; returns false when it could not be opened, and sets parsed.
    using Reader = std::function<bool(const std::string& path, T& value, bool& parsed)>;

    const Entry& Get(const std::string& path, const Reader& read)
    {
        std::error_code ec;
        const std::string key = std::filesystem::absolute(path, ec).lexically_normal().string();
        struct stat now {};
        const bool exists = ::stat(path.c_str(), &now) == 0;
        auto found = entries.find(key);
        if (found != entries.end() && (!exists || SameFile(found->second.seen, now))) return found->second.entry;
        Stored stored;
        stored.seen = now;
        stored.entry.found = read(path, stored.entry.value, stored.entry.parsed);
        return entries.insert_or_assign(key, std::move(stored)).first->second.entry;
    }

private:
    struct Stored {
        Entry entry;
        struct stat seen {};
    };
    static bool SameFile(const struct stat& a, const struct stat& b)
    {
        return a.st_ino == b.st_ino && a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
               a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
    }
    std::map<std::string, Stored, std::less<>> entries;
};
