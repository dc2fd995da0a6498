// Record files on disk: reading one whole, writing one without ever leaving a
// half-written file in place of a good one. Messages are for the user.
#pragma once

#include <string>
#include <string_view>

namespace zarvo {

// The extension of record files, and the pattern the file list shows.
inline constexpr std::string_view RECORD_EXTENSION = ".棋譜";
inline constexpr std::string_view RECORD_PATTERN = "*.棋譜";

// folder + "/" + name; an empty folder means the current directory.
std::string join_path(const std::string& folder, std::string_view name);

// Reads a regular file whole; more than limit bytes stop the read early (the
// caller sees limit + 1 bytes). false and a message when it cannot be read.
bool read_file_bytes(const std::string& path, size_t limit, std::string& bytes, std::string& error_message);

// Why a typed name cannot be a record file name, or empty when it can.
std::string file_name_problem(std::string_view name);

// Writes bytes as folder/file_name: into a new file beside it first, which then
// replaces the old one in one step. On failure the old file is untouched and no
// new file is left behind.
bool write_file_atomically(const std::string& folder, const std::string& file_name, std::string_view bytes,
                           std::string& error_message);

}  // namespace zarvo
