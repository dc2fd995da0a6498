#include "records/record_storage.h"

#include <climits>

#include "shell/translation.h"

namespace zarvo {

std::string join_path(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string path = folder;
  if (path.back() != '/') path += '/';
  path += name;
  return path;
}

std::string file_name_problem(std::string_view name) {
  for (const char ch : name) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F)
      return QT_TRANSLATE_NOOP("Message", "ﾌｧｲﾙ名に使えない文字（/ \\ や制御文字）が含まれています");
  }
  // Such a file would be hidden: never listed, so never loaded again.
  if (!name.empty() && name.front() == '.')
    return QT_TRANSLATE_NOOP("Message", "「.」で始まるﾌｧｲﾙ名は隠しﾌｧｲﾙになるため使えません");
  if (name.size() + RECORD_EXTENSION.size() > NAME_MAX) return QT_TRANSLATE_NOOP("Message", "ﾌｧｲﾙ名が長すぎます");
  return {};
}

std::string record_read_error_text(FileError error) {
  switch (error) {
    case FileError::none: return {};
    case FileError::not_found:
    case FileError::not_a_file: return QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙを開けません");
    case FileError::no_permission: return QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙを読む権限がありません");
    // Far more than 501 entries could ever take.
    case FileError::too_big: return QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙではありません");
    default: return QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙを読み込めませんでした");
  }
}

std::string record_write_error_text(FileError error) {
  switch (error) {
    case FileError::none: return {};
    case FileError::no_permission: return QT_TRANSLATE_NOOP("Message", "このﾌｫﾙﾀﾞには書き込めません");
    case FileError::read_only: return QT_TRANSLATE_NOOP("Message", "読み取り専用のﾌｧｲﾙには上書きできません");
    case FileError::no_space: return QT_TRANSLATE_NOOP("Message", "ﾃﾞｨｽｸの空きが足りないため書き込めません");
    case FileError::not_found: return QT_TRANSLATE_NOOP("Message", "保存先のﾌｫﾙﾀﾞが見つかりません");
    case FileError::not_a_file: return QT_TRANSLATE_NOOP("Message", "同じ名前のﾌｫﾙﾀﾞがあるため書き込めません");
    case FileError::name_too_long: return QT_TRANSLATE_NOOP("Message", "ﾌｧｲﾙ名が長すぎます");
    default: return QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙを書き込めませんでした");
  }
}

}  // namespace zarvo
