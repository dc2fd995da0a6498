// Record files on disk: names, places and what the user is told when a file
// cannot be read or written (shell/file_io does the reading and writing).
#pragma once

#include <string>
#include <string_view>

#include "shell/file_io.h"

namespace zarvo {

// The extension of record files, and the pattern the file list shows.
inline constexpr std::string_view RECORD_EXTENSION = ".棋譜";
inline constexpr std::string_view RECORD_PATTERN = "*.棋譜";

// folder + "/" + name; an empty folder means the current directory.
std::string join_path(const std::string& folder, std::string_view name);

// Why a typed name cannot be a record file name, or empty when it can.
std::string file_name_problem(std::string_view name);

// The user's message for a record file that could not be read, or written.
std::string record_read_error_text(FileError error);
std::string record_write_error_text(FileError error);

}  // namespace zarvo
