#include "records/last_game.h"

#include <algorithm>
#include <filesystem>

#include "records/record_storage.h"
#include "shell/app.h"
#include "shell/file_io.h"
#include "shell/translation.h"

namespace zarvo {

std::string last_game_file(const DataPaths& paths) {
  const std::filesystem::path folder = std::filesystem::path(settings_file(paths)).parent_path();
  return join_path(folder.string(), LAST_GAME_NAME);
}

bool game_in_progress(const App& app) { return app.game.record_mode == 0 && app.game.record_length >= 1; }

void keep_game_in_progress(App& app) {
  if (!game_in_progress(app)) return;
  RecordFile file;
  const int last = std::min(app.game.record_length, RECORD_LAST);
  for (int n = 0; n <= last; ++n) file.entries.push_back(record_entry_at(app.record, n));
  replace_file(last_game_file(app.paths), write_record_file(file));
}

std::optional<RecordFile> read_kept_game(const App& app, std::string& message) {
  std::string bytes;
  const FileError error = read_whole_file(last_game_file(app.paths), RECORD_FILE_MAX_BYTES, bytes);
  if (error == FileError::not_found) {
    message = QT_TRANSLATE_NOOP("Message", "前回の対局はありません");
    return std::nullopt;
  }
  if (error != FileError::none) {
    message = record_read_error_text(error);
    return std::nullopt;
  }
  std::optional<RecordFile> file = parse_record_file(bytes, message);
  if (file && file->entries.size() <= 1) {
    message = QT_TRANSLATE_NOOP("Message", "前回の対局はありません");
    return std::nullopt;
  }
  return file;
}

}  // namespace zarvo
