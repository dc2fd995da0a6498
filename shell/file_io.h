// Reading a file whole and replacing one in a single step: the two ways the
// program touches its record and settings files. Callers turn the error kind
// into their own message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zarvo {

enum class FileError {
  none,
  not_found,      // no such file, or a folder on the way is missing
  not_a_file,     // a folder, pipe, device or socket stands where a file should be
  no_permission,  // not allowed to read the file, or to write in its folder
  read_only,      // the file to be replaced is write-protected
  too_big,        // larger than the caller's limit
  no_space,       // the disk or the quota is full
  name_too_long,
  failed,  // any other failure of the system
};

// Reads the regular file at path whole into bytes. Nothing is read from a
// pipe, device or folder, and nothing beyond max_bytes is kept; bytes is
// changed only on success.
FileError read_whole_file(const std::string& path, size_t max_bytes, std::string& bytes);

// Replaces the file at path by bytes: they go into a temporary file beside it,
// which then takes the file's place in one step, so the old file stays whole
// whatever goes wrong. A symbolic link stays a link and its target is
// replaced; a new file gets the old file's permissions. A write-protected file
// or anything but a regular file is left alone.
FileError replace_file(const std::string& path, std::string_view bytes);
// The same, with bytes after the file's old contents: an append that leaves
// the old file whole if it fails.
FileError append_to_file(const std::string& path, std::string_view bytes);

// Every temporary file replace_file makes is named TEMP_FILE_PREFIX, the id of
// the process, "-" and six random characters, and locked (flock) by its writer
// until it is in place. Each call removes those in the folder that no one
// holds a lock on and that are at least TEMP_FILE_MIN_AGE_SECONDS old: left by
// a save that was killed.
inline constexpr std::string_view TEMP_FILE_PREFIX = ".zarvo-tmp-";
inline constexpr long TEMP_FILE_MIN_AGE_SECONDS = 60;

// Whether a regular file (perhaps behind a symbolic link) is at path.
bool file_exists(const std::string& path);

}  // namespace zarvo
