#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

// How every loader opens its files. The open is non-blocking, so a FIFO or device under a content
// name can never stall start-up, and the file type is checked on the open descriptor, so nothing
// can be swapped in between the check and the read. Anything but a regular file counts as "cannot
// be opened", and each loader reports it with its own not-found line.
namespace files {

// A read-only descriptor (blocking mode restored), or -1.
int OpenRegular(const std::string& path);
// The same as a binary stdio stream, or nullptr.
std::FILE* OpenRegularStream(const std::string& path);
// Whether `path` opens as a regular file.
bool IsRegular(const std::string& path);

enum class ReadStatus { Ok, CannotOpen, TooLarge, ReadError };
// Reads the whole regular file into `out`.
ReadStatus ReadRegular(const std::string& path, std::string& out, std::size_t maxBytes);

}  // namespace files
