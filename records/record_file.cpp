#include "records/record_file.h"

#include "shell/text_encoding.h"
#include "shell/translation.h"

namespace zarvo {
namespace {

constexpr int HEADER_LINES = 3;
constexpr size_t MOVE_COLUMN = 128;   // 0-based column of record_from_x
constexpr size_t PIECE_COLUMN = 132;  // 0-based column of record_piece
// An entry line is 133 columns, or 134 with a two-character piece.
constexpr size_t ENTRY_COLUMNS = 133;
// Typed header text is at most 32767 characters of at most two bytes each.
constexpr size_t MAX_HEADER_CHARS = 32767;
constexpr size_t MAX_HEADER_BYTES = 2 * MAX_HEADER_CHARS;

const char* const NOT_A_RECORD = QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙではありません");

std::string_view field(std::string_view line, size_t column, size_t width) {
  if (column >= line.size()) return {};
  return line.substr(column, width);
}

bool is_control(unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7F; }

// Header lines are text: binary bytes mean something else was chosen.
bool header_line_ok(std::string_view line) {
  if (line.size() > MAX_HEADER_BYTES) return false;
  for (unsigned char c : line)
    if (is_control(c)) return false;
  return true;
}

// A numeric field as the writer makes it, with the blanks a hand edit may add:
// blanks, an optional minus, digits, blanks. Read as read_record_number reads it.
bool strict_number(std::string_view f, int& value) {
  size_t i = 0;
  while (i < f.size() && f[i] == ' ') ++i;
  if (i < f.size() && f[i] == '-') ++i;
  const size_t digits = i;
  while (i < f.size() && f[i] >= '0' && f[i] <= '9') ++i;
  if (i == digits) return false;
  while (i < f.size() && f[i] == ' ') ++i;
  if (i != f.size()) return false;
  value = read_record_number(f);
  return true;
}

bool piece_field_ok(std::string_view f) {
  int value = 0;
  return strict_number(f, value) && value >= W_KING && value <= B_KING;
}

// What is wrong with an entry line the writer could not have made, as a message
// with %1 for the line number, or nullptr when nothing is. Checked before any field is decoded, so that a cut or
// edited file is refused instead of read as a position that never was.
const char* entry_line_problem(std::string_view line) {
  if (line.empty()) return QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙの %1 行目が空行です");
  if (line.size() != ENTRY_COLUMNS && line.size() != ENTRY_COLUMNS + 1)
    return QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙの %1 行目の長さが正しくありません");
  for (size_t column = 0; column < MOVE_COLUMN; column += 2)
    if (!piece_field_ok(line.substr(column, 2)))
      return QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙの %1 行目の駒ｺｰﾄﾞが正しくありません");
  for (size_t column = MOVE_COLUMN; column < PIECE_COLUMN; ++column)
    if (line[column] < '0' || line[column] > '0' + BOARD_SIZE)
      return QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙの %1 行目の座標が正しくありません");
  if (!piece_field_ok(line.substr(PIECE_COLUMN)))
    return QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙの %1 行目の駒ｺｰﾄﾞが正しくありません");
  return nullptr;
}

// Typed text keeps to one line and to a length the reader accepts.
std::string header_text(std::string_view utf8) {
  std::string out;
  size_t chars = 0;
  for (const char ch : utf8) {
    const unsigned char c = static_cast<unsigned char>(ch);
    const bool starts_character = (c & 0xC0) != 0x80;
    if (starts_character && chars == MAX_HEADER_CHARS) break;
    if (starts_character) ++chars;
    out.push_back(c < 0x20 || c == 0x7F ? ' ' : ch);
  }
  return utf8_to_cp932(out);
}

void append_number(std::string& out, int value) { out += std::to_string(value); }

// A line ends at CR LF, a lone CR or a lone LF; a last line without a line end counts.
bool next_line(std::string_view bytes, size_t& position, std::string_view& line) {
  if (position >= bytes.size()) return false;
  const size_t end = bytes.find_first_of("\r\n", position);
  if (end == std::string_view::npos) {
    line = bytes.substr(position);
    position = bytes.size();
    return true;
  }
  line = bytes.substr(position, end - position);
  position = end + 1;
  if (bytes[end] == '\r' && position < bytes.size() && bytes[position] == '\n') ++position;
  return true;
}

}  // namespace

int read_record_line(RecordSource& source, std::string& line) {
  std::string_view next;
  if (!next_line(source.bytes, source.position, next)) return 0;
  line.assign(next);
  return 1;
}

int read_record_number(std::string_view f) {
  size_t i = 0;
  while (i < f.size() && f[i] == ' ') ++i;
  bool negative = false;
  if (i < f.size() && f[i] == '-') {
    negative = true;
    ++i;
  }
  int value = 0;
  // The number ends at the first character that is not a digit: "5 " reads as 5.
  for (; i < f.size() && f[i] >= '0' && f[i] <= '9'; ++i) {
    // Fields are one or two columns wide; the cap only keeps a stray long field harmless.
    if (value < 100000) value = value * 10 + (f[i] - '0');
  }
  return negative ? -value : value;
}

RecordEntry decode_record_entry(std::string_view line) {
  RecordEntry e;
  int k = 0;
  for (int y = 1; y <= BOARD_SIZE; ++y)
    for (int x = 1; x <= BOARD_SIZE; ++x, ++k) e.board[x][y] = read_record_number(field(line, 2 * k, 2));
  e.from_x = read_record_number(field(line, MOVE_COLUMN, 1));
  e.from_y = read_record_number(field(line, MOVE_COLUMN + 1, 1));
  e.to_x = read_record_number(field(line, MOVE_COLUMN + 2, 1));
  e.to_y = read_record_number(field(line, MOVE_COLUMN + 3, 1));
  e.piece = read_record_number(field(line, PIECE_COLUMN, 2));
  return e;
}

std::string encode_record_entry(const RecordEntry& e) {
  std::string out;
  out.reserve(134);
  for (int y = 1; y <= BOARD_SIZE; ++y) {
    for (int x = 1; x <= BOARD_SIZE; ++x) {
      const int code = e.board[x][y];
      if (code >= 0 && code <= 9) out.push_back(' ');
      append_number(out, code);
    }
  }
  append_number(out, e.from_x);
  append_number(out, e.from_y);
  append_number(out, e.to_x);
  append_number(out, e.to_y);
  append_number(out, e.piece);
  return out;
}

std::optional<RecordFile> parse_record_file(std::string_view bytes, std::string& error_message) {
  error_message.clear();
  if (bytes.size() > RECORD_FILE_MAX_BYTES) {
    error_message = NOT_A_RECORD;
    return std::nullopt;
  }
  RecordFile file;
  std::string* const header[HEADER_LINES] = {&file.title, &file.upper_name, &file.lower_name};
  RecordSource source{bytes};
  std::string line;
  for (int i = 0; read_record_line(source, line) == 1; ++i) {
    if (i >= HEADER_LINES + RECORD_FILE_MAX_ENTRIES) {
      error_message = QT_TRANSLATE_NOOP("Message", "手数が多すぎるため読み込めません（最大500手）");
      return std::nullopt;
    }
    if (i < HEADER_LINES) {
      if (!header_line_ok(line)) {
        error_message = NOT_A_RECORD;
        return std::nullopt;
      }
      *header[i] = cp932_to_utf8(line);
      continue;
    }
    if (const char* problem = entry_line_problem(line)) {
      error_message = fill(translate("Message", problem), {std::to_string(i + 1)});
      return std::nullopt;
    }
    file.entries.push_back(decode_record_entry(line));
  }
  return file;
}

std::string write_record_file(const RecordFile& file) {
  std::string out;
  out.reserve(file.entries.size() * 136 + 256);
  for (const std::string* text : {&file.title, &file.upper_name, &file.lower_name}) {
    out += header_text(*text);
    out += "\r\n";
  }
  for (const RecordEntry& e : file.entries) {
    out += encode_record_entry(e);
    out += "\r\n";
  }
  return out;
}

RecordEntry record_entry_at(const MoveRecord& record, int n) {
  RecordEntry e;
  if (n < 0 || n > RECORD_LAST) return e;
  e.board = record.record_board[n];
  e.from_x = record.record_from_x[n];
  e.from_y = record.record_from_y[n];
  e.to_x = record.record_to_x[n];
  e.to_y = record.record_to_y[n];
  e.piece = record.record_piece[n];
  return e;
}

}  // namespace zarvo
