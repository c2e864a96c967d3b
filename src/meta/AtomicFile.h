#pragma once
#include <filesystem>
#include <string>
#include <string_view>

// Whole-file writes that survive a crash or power loss at any moment: the text goes to a fresh
// temporary file in the same folder, is flushed to disk, and only then takes the target's name,
// so the target always holds either its old or its new complete content.
namespace atomicfile {

// Replaces (or creates) target with text. On failure returns false and fills error.
bool Replace(const std::filesystem::path& target, std::string_view text, std::string& error);

// Creates target with text, but never replaces a file that already exists under that name.
bool CreateNew(const std::filesystem::path& target, std::string_view text, std::string& error);

// Keeps the current content of target under the name copy (replacing an older copy) without
// touching target itself. Cheap for any size: a hard link where the file system allows one.
bool KeepCopy(const std::filesystem::path& target, const std::filesystem::path& copy, std::string& error);

// Removes temporary files a killed writer may have left beside target.
void RemoveLeftovers(const std::filesystem::path& target);

// The moments of a write where a crash leaves a different picture on disk. Tests install a hook
// that is called at each of them (and may kill the process there); the game never sets one.
enum class Step { TemporaryCreated, PartWritten, TemporarySynced, Renamed };
void SetStepHook(void (*hook)(Step));

}  // namespace atomicfile
