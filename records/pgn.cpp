#include "records/pgn.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <ctime>
#include <memory>

#include "rules/mate_tests.h"
#include "rules/move_rules.h"
#include "rules/position.h"
#include "shell/text_encoding.h"

namespace zarvo {
namespace {

int sign(int v) { return v < 0 ? -1 : 1; }

constexpr int KING = 6, QUEEN = 5, ROOK = 4, BISHOP = 3, KNIGHT = 2, PAWN = 1;
constexpr const char* PIECE_LETTERS = " PNBRQK";
// The most moves a record holds.
constexpr int MAX_PLIES = RECORD_LAST;

// The moves a SAN can mean: a kind of piece to one square.
struct Target {
  int kind = 0;
  int to_x = 0, to_y = 0;
};

// The window's board seen as chess: White below with files a..h from the left,
// or White above with the board seen from Black's side.
Orientation chess_orientation(bool white_is_lower) { return {white_is_lower ? 1 : 0, white_is_lower ? 0 : 1}; }

// A game of chess played through the game's own rules on a Position of its own.
class Replay {
 public:
  Replay(const Position& start, Orientation o, int upper_to_move) : pos_(start), o_(o), upper_(upper_to_move) {
    rescan(pos_);
  }

  const Board& board() const { return pos_.board; }
  const Position& position() const { return pos_; }
  const Orientation& orientation() const { return o_; }
  bool white_to_move() const { return (upper_ == 1) != (o_.white_is_lower == 1); }
  bool lower_to_move() const { return upper_ == 0; }
  int plies() const { return pos_.plies; }
  // The move number of the move to be made, as a FEN counts it.
  int fullmove() const {
    const int first_black = (white_to_move() ? 0 : 1) ^ (pos_.plies & 1);
    return pos_.start_fullmove + (pos_.plies + first_black) / 2;
  }

  // Every legal move of the side to move, in board order. The game lets a
  // king be taken after a mate; chess never does.
  const std::vector<Move>& legal() {
    if (!legal_) {
      legal_ = legal_moves(pos_, upper_);
      std::erase_if(*legal_, [this](const Move& m) { return abs_code(pos_.board[m.to_x][m.to_y]) == KING; });
    }
    return *legal_;
  }

  // The legal moves of one kind of piece to one square: what a SAN can name,
  // without trying every other move.
  std::vector<Move> legal_to(const Target& t) const {
    std::vector<Move> out;
    const Board& b = pos_.board;
    if (abs_code(b[t.to_x][t.to_y]) == KING) return out;
    for (int x = 1; x <= BOARD_SIZE; ++x) {
      for (int y = 1; y <= BOARD_SIZE; ++y) {
        const int code = b[x][y];
        if (abs_code(code) != t.kind || (upper_ == 1) != (code >= B_PAWN)) continue;
        if (check_piece_move(pos_, x, y, t.to_x, t.to_y, code) != 1) continue;
        if (move_keeps_king_safe(pos_, x, y, t.to_x, t.to_y, upper_) != 1) continue;
        if (promotion_due(x, y, t.to_x, t.to_y, code) == 1) {
          for (const int kind : {QUEEN, ROOK, BISHOP, KNIGHT}) out.push_back({x, y, t.to_x, t.to_y, sign(code) * kind});
        } else {
          out.push_back({x, y, t.to_x, t.to_y, code});
        }
      }
    }
    return out;
  }

  bool castles(const Move& m) const {
    return abs_code(pos_.board[m.from_x][m.from_y]) == KING && abs_code(m.to_x - m.from_x) == 2;
  }
  bool captures(const Move& m) const {
    return pos_.board[m.to_x][m.to_y] != EMPTY ||
           is_en_passant(pos_, m.from_x, m.from_y, m.to_x, m.to_y, pos_.board[m.from_x][m.from_y]) == 1;
  }
  bool in_check() const { return king_in_check(pos_, upper_) == 1; }

  // The maps are not rescanned: every rule the replay asks scans what it
  // reads, so reading a game scans once a move instead of twice.
  void play(const Move& m) {
    play_move(pos_, m);
    upper_ = 1 - upper_;
    legal_.reset();
  }

  std::string san(const Move& m) {
    const Board& b = board();
    const int kind = abs_code(b[m.from_x][m.from_y]);
    if (castles(m)) return o_.file_of(m.to_x) == 6 ? "O-O" : "O-O-O";
    const bool capture = captures(m);
    std::string s;
    if (kind == PAWN) {
      if (capture) s += static_cast<char>('a' + o_.file_of(m.from_x));
    } else {
      s += PIECE_LETTERS[kind];
      // Name as little of the origin as tells this piece from the others that reach the square.
      bool others = false, same_file = false, same_rank = false;
      for (const Move& o : legal()) {
        if (o.to_x != m.to_x || o.to_y != m.to_y || (o.from_x == m.from_x && o.from_y == m.from_y)) continue;
        if (abs_code(b[o.from_x][o.from_y]) != kind) continue;
        others = true;
        same_file = same_file || o.from_x == m.from_x;
        same_rank = same_rank || o.from_y == m.from_y;
      }
      if (others && !same_file) {
        s += static_cast<char>('a' + o_.file_of(m.from_x));
      } else if (others && !same_rank) {
        s += static_cast<char>('1' + o_.rank_of(m.from_y));
      } else if (others) {
        s += o_.square_name(m.from_x, m.from_y);
      }
    }
    if (capture) s += 'x';
    s += o_.square_name(m.to_x, m.to_y);
    if (kind == PAWN && abs_code(m.piece) != PAWN) {
      s += '=';
      s += PIECE_LETTERS[abs_code(m.piece)];
    }
    return s;
  }

  // "+" or "#" for the side to move now, after a move was played.
  std::string check_suffix() {
    if (!in_check()) return "";
    return legal().empty() ? "#" : "+";
  }

  std::string fen() const { return to_fen(pos_, o_, upper_); }

 private:
  Position pos_;
  Orientation o_;
  int upper_;  // 1 when the upper army moves next
  std::optional<std::vector<Move>> legal_;
};

// The side to move of a FEN, read before the FEN is: the orientation depends on it.
bool fen_white_to_move(std::string_view fen) {
  const size_t blank = fen.find(' ');
  return blank == std::string_view::npos || fen.substr(blank + 1, 1) != "b";
}

// The double step before a position, as entry 0 of a record keeps it.
RecordEntry double_step_before(const Position& pos, int upper_to_move) {
  RecordEntry e;
  if (pos.ep_x == 0) return e;
  const int pawn = upper_to_move ? W_PAWN : B_PAWN;  // the army that just moved
  for (const int dy : {-1, 1}) {
    const int y = pos.ep_y + dy;
    if (on_board(pos.ep_x, y) && pos.board[pos.ep_x][y] == pawn) {
      e.from_x = e.to_x = pos.ep_x;
      e.from_y = pos.ep_y - dy;
      e.to_y = y;
      e.piece = pawn;
    }
  }
  return e;
}

// ---------------------------------------------------------------- records as chess

// The position move 1 was played from. Entry 0 is stored before a game start
// turns the board to Black's side or a handicap removes pieces, so it can
// differ from the real start; then entry 1 with move 1 taken back is the start.
// board with the past entry 0 of a record keeps: every right, and the
// pawn's double step just before it, if any.
Position position_at_entry_0(const RecordFile& file, const Board& board) {
  Position pos;
  pos.board = board;
  MoveRecord record;
  const RecordEntry& e0 = file.entries[0];
  record_move(record, board, 0, e0.from_x, e0.from_y, e0.to_x, e0.to_y, e0.piece);
  restore_history(record, 0, pos);
  return pos;
}

Board start_board(const RecordFile& file) {
  const Board& e0 = file.entries[0].board;
  if (file.entries.size() < 2) return e0;
  const RecordEntry& e1 = file.entries[1];
  if (!on_board(e1.from_x, e1.from_y) || !on_board(e1.to_x, e1.to_y)) return e0;
  const Move m{e1.from_x, e1.from_y, e1.to_x, e1.to_y, e1.piece};
  const auto leads_to_entry_1 = [&](const Board& b) {
    Position p = position_at_entry_0(file, b);
    play_move(p, m);
    return p.board == e1.board;
  };
  if (leads_to_entry_1(e0)) return e0;
  // Take move 1 back: the piece (a pawn, if it was promoted) goes home, and what
  // it took, as entry 0 shows it, comes back.
  Board s = e1.board;
  const int before = e0[m.from_x][m.from_y];
  const bool promoted = abs_code(before) == PAWN && sign(before) == sign(m.piece) &&
                        promotion_due(m.from_x, m.from_y, m.to_x, m.to_y, before) == 1;
  s[m.from_x][m.from_y] = promoted ? before : m.piece;
  const int taken = e0[m.to_x][m.to_y];
  s[m.to_x][m.to_y] = taken != EMPTY && sign(taken) != sign(m.piece) ? taken : EMPTY;
  // A castling rook stands beside the king after the move: it goes back to the
  // corner the move took it from.
  if (abs_code(m.piece) == KING && abs_code(m.to_x - m.from_x) == 2) {
    const int corner = m.to_x < m.from_x ? 1 : BOARD_SIZE;
    const int beside = m.to_x < m.from_x ? m.to_x + 1 : m.to_x - 1;
    std::swap(s[corner][m.from_y], s[beside][m.from_y]);
  }
  return leads_to_entry_1(s) ? s : e0;
}

}  // namespace

bool is_pgn_name(std::string_view name) {
  if (name.size() <= PGN_EXTENSION.size()) return false;
  const std::string_view tail = name.substr(name.size() - PGN_EXTENSION.size());
  for (size_t i = 0; i < tail.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(tail[i])) != PGN_EXTENSION[i]) return false;
  return true;
}

ChessReading read_as_chess(const RecordFile& file) {
  ChessReading out;
  if (file.entries.empty()) {
    out.problem = out.problem_pattern = QT_TRANSLATE_NOOP("Message", "局面がありません");
    return out;
  }
  const int moves = static_cast<int>(file.entries.size()) - 1;
  const bool lower_first = moves < 1 || file.entries[1].piece <= W_PAWN;
  const Board start = start_board(file);
  std::unique_ptr<Replay> replay;
  // A game read from PGN knows its side to move, rights and counters, as long
  // as its first position is still the one it started from. Without moves it
  // is shown as a game read from PGN is: White below.
  if (const std::string& fen = file.origin.start_fen; !fen.empty()) {
    const Orientation o = chess_orientation(moves < 1 || lower_first == fen_white_to_move(fen));
    Position pos;
    int upper = 0;
    if (from_fen(fen, o, pos, upper).empty() && pos.board == start) replay = std::make_unique<Replay>(pos, o, upper);
  }
  if (!replay) {
    // Otherwise the first mover is White, as the window shows a record; a king
    // and rook at home may castle.
    const Orientation o = chess_orientation(lower_first);
    Position pos = position_at_entry_0(file, start);
    const int upper = lower_first ? 0 : 1;
    // The rules' own test of a position: what a FEN of it would be refused for.
    Position checked;
    int ignored = 0;
    if (const std::string problem = from_fen(to_fen(pos, o, upper), o, checked, ignored); !problem.empty()) {
      out.left_out = moves;
      out.problem_pattern = QT_TRANSLATE_NOOP("Message", "最初の局面がチェスの局面ではありません");
      out.problem = std::string(out.problem_pattern) + "（" + problem + "）";
      return out;
    }
    replay = std::make_unique<Replay>(pos, o, upper);
  }
  Replay& r = *replay;
  out.white_is_lower = r.orientation().white_is_lower == 1;
  out.white_first = r.white_to_move();
  out.first_move_number = r.fullmove();
  out.fens.push_back(r.fen());
  for (int n = 1; n <= moves; ++n) {
    const RecordEntry& e = file.entries[static_cast<size_t>(n)];
    const Move wanted{e.from_x, e.from_y, e.to_x, e.to_y, e.piece};
    const std::vector<Move>& legal = r.legal();
    const bool found = std::find(legal.begin(), legal.end(), wanted) != legal.end();
    Position after = r.position();
    if (found) play_move(after, wanted);
    if (!found || after.board != e.board) {
      out.left_out = moves - n + 1;
      out.problem_pattern = found ? QT_TRANSLATE_NOOP("Message", "%1手目の局面が指し手と合いません")
                                  : QT_TRANSLATE_NOOP("Message", "%1手目はチェスの規則では指せない手です");
      out.problem_move = n;
      out.problem = fill(out.problem_pattern, {std::to_string(n)});
      break;
    }
    std::string san = r.san(wanted);
    r.play(wanted);
    san += r.check_suffix();
    out.sans.push_back(san);
    out.fens.push_back(r.fen());
  }
  if (r.legal().empty()) {
    if (!r.in_check()) {
      out.result = "1/2-1/2";
    } else {
      out.result = r.white_to_move() ? "0-1" : "1-0";
    }
  }
  return out;
}

PgnDate today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

namespace {

std::string tag_value(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == '\\' || c == '"') out += '\\';
    out += c < 0x20 || c == 0x7F ? ' ' : ch;
  }
  return out;
}

std::string tag(std::string_view name, std::string_view value) {
  return "[" + std::string(name) + " \"" + tag_value(value) + "\"]\n";
}

std::string two_digits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

}  // namespace

std::string write_pgn(const RecordFile& file, const PgnDate& date, ChessReading* reading_out) {
  ChessReading reading = read_as_chess(file);
  if (reading.fens.empty()) {
    // Written as anything else it would read back as another game.
    if (reading_out) *reading_out = std::move(reading);
    return {};
  }
  const GameOrigin& origin = file.origin;
  // A result the moves do not show (a resignation, an agreed draw) stands as
  // read while the game is the one read.
  if (reading.result == "*" && !origin.result.empty() && static_cast<int>(reading.sans.size()) == origin.plies &&
      reading.left_out == 0)
    reading.result = origin.result;
  const bool white_is_lower = reading.white_is_lower;
  const std::string& white = white_is_lower ? file.lower_name : file.upper_name;
  const std::string& black = white_is_lower ? file.upper_name : file.lower_name;
  const auto or_unknown = [](const std::string& s) { return s.empty() ? std::string("?") : s; };
  const bool set_up = reading.fens[0] != START_FEN;
  // The Seven Tag Roster, then every other tag as read; names typed for the
  // game replace the ones read.
  const std::string date_text =
      date.year > 0 ? std::to_string(date.year) + "." + two_digits(date.month) + "." + two_digits(date.day)
                    : "????.??.??";
  struct Roster {
    const char* name;
    std::string made;  // for a game that brings no such tag
    bool typed_wins;   // a text typed for the game replaces the tag read
  };
  const Roster roster[] = {{"Event", or_unknown(file.title), !file.title.empty()},
                           {"Site", "?", false},
                           {"Date", date_text, false},
                           {"Round", "-", false},
                           {"White", or_unknown(white), !white.empty()},
                           {"Black", or_unknown(black), !black.empty()},
                           {"Result", reading.result, true}};
  const auto kept = [&](std::string_view name) -> const PgnTag* {
    for (const PgnTag& t : origin.tags)
      if (t.name == name) return &t;
    return nullptr;
  };
  std::string out;
  for (const Roster& r : roster) {
    const PgnTag* t = kept(r.name);
    out += tag(r.name, t && !r.typed_wins ? t->value : r.made);
  }
  for (const PgnTag& t : origin.tags) {
    const bool in_roster =
        std::any_of(std::begin(roster), std::end(roster), [&](const Roster& r) { return t.name == r.name; });
    if (!in_roster && t.name != "SetUp" && t.name != "FEN") out += tag(t.name, t.value);
  }
  if (set_up) {
    out += tag("SetUp", "1");
    out += tag("FEN", reading.fens[0]);
  }
  out += "\n";

  // Movetext in lines of at most 79 characters; a move number stays with its move.
  std::vector<std::string> tokens;
  int number = reading.first_move_number;
  bool white_moves = reading.white_first;
  for (size_t i = 0; i < reading.sans.size(); ++i) {
    if (white_moves) {
      tokens.push_back(std::to_string(number) + ". " + reading.sans[i]);
    } else {
      tokens.push_back(i == 0 ? std::to_string(number) + "... " + reading.sans[i] : reading.sans[i]);
      ++number;
    }
    white_moves = !white_moves;
  }
  if (reading.left_out > 0) {
    tokens.push_back("{" + reading.problem + "。以降の" + std::to_string(reading.left_out) +
                     "手はチェスの棋譜に含めていません}");
  }
  tokens.push_back(reading.result);
  std::string line;
  for (const std::string& t : tokens) {
    if (!line.empty() && line.size() + 1 + t.size() > 79) {
      out += line + "\n";
      line.clear();
    }
    if (!line.empty()) line += ' ';
    line += t;
  }
  out += line + "\n\n";
  if (reading_out) *reading_out = std::move(reading);
  return out;
}

// ---------------------------------------------------------------- the reader

namespace {

const char* const NOT_PGN = QT_TRANSLATE_NOOP("Message", "PGNﾌｧｲﾙではありません");
const char* const TOO_MANY = QT_TRANSLATE_NOOP("Message", "手数が多すぎるため読み込めません（最大500手）");

// Text from a file that may not be UTF-8: bytes that do not decode are read as Latin-1.
std::string as_utf8(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    bool ok = len > 0 && i + len <= s.size();
    for (size_t k = 1; ok && k < len; ++k) ok = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
    if (ok && len > 1) {
      // Overlong forms and surrogates are not UTF-8 either.
      const unsigned char d = static_cast<unsigned char>(s[i + 1]);
      if ((len == 2 && c < 0xC2) || (len == 3 && c == 0xE0 && d < 0xA0) || (len == 3 && c == 0xED && d >= 0xA0) ||
          (len == 4 && c == 0xF0 && d < 0x90) || (len == 4 && c > 0xF4) || (len == 4 && c == 0xF4 && d >= 0x90))
        ok = false;
    }
    if (ok) {
      for (size_t k = 0; k < len; ++k) {
        const unsigned char b = static_cast<unsigned char>(s[i + k]);
        out += len == 1 && (b < 0x20 || b == 0x7F) ? ' ' : s[i + k];
      }
      i += len;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
      ++i;
    }
  }
  return out;
}

struct Tags {
  std::string event, white, black, fen;
  bool has_fen = false;
};

// Lines end at LF, CR or CR LF: the number of the line that offset p is on.
long line_at(std::string_view t, size_t p) {
  long line = 1;
  for (size_t i = 0; i < p && i < t.size(); ++i) {
    if (t[i] == '\n' || (t[i] == '\r' && (i + 1 >= t.size() || t[i + 1] != '\n'))) ++line;
  }
  return line;
}

struct San {
  int kind = PAWN;
  int from_file = -1, from_rank = -1;
  int to_file = -1, to_rank = -1;
  int promotion = 0;
  int castle = 0;  // 1 king side, 2 queen side
};

bool parse_san(std::string_view t, San& s) {
  while (!t.empty() && (t.back() == '+' || t.back() == '#')) t.remove_suffix(1);
  if (t == "O-O" || t == "0-0") return s.kind = KING, s.castle = 1, true;
  if (t == "O-O-O" || t == "0-0-0") return s.kind = KING, s.castle = 2, true;
  if (t.empty()) return false;
  // Some writers name the pawn too: "Pe4".
  if (t.front() == 'P' && t.size() > 2) t.remove_prefix(1);
  if (std::string_view("NBRQK").find(t.front()) != std::string_view::npos) {
    s.kind = static_cast<int>(std::string_view("PNBRQK").find(t.front())) + 1;
    t.remove_prefix(1);
  }
  if (t.size() >= 2 && std::string_view("QRBNqrbn").find(t.back()) != std::string_view::npos &&
      (t[t.size() - 2] == '=' || (t[t.size() - 2] >= '1' && t[t.size() - 2] <= '8' && std::isupper(t.back())))) {
    s.promotion = static_cast<int>(std::string_view("PNBRQK").find(
                      static_cast<char>(std::toupper(static_cast<unsigned char>(t.back()))))) +
                  1;
    t.remove_suffix(t[t.size() - 2] == '=' ? 2 : 1);
  }
  if (t.size() < 2) return false;
  const char f = t[t.size() - 2], r = t.back();
  if (f < 'a' || f > 'h' || r < '1' || r > '8') return false;
  s.to_file = f - 'a';
  s.to_rank = r - '1';
  t.remove_suffix(2);
  if (!t.empty() && (t.back() == 'x' || t.back() == ':' || t.back() == '-')) t.remove_suffix(1);
  if (t.size() > 2) return false;
  for (const char c : t) {
    if (c >= 'a' && c <= 'h' && s.from_file < 0 && s.from_rank < 0) {
      s.from_file = c - 'a';
    } else if (c >= '1' && c <= '8' && s.from_rank < 0) {
      s.from_rank = c - '1';
    } else {
      return false;
    }
  }
  if (s.promotion && (s.kind != PAWN || s.promotion == KING || s.promotion == PAWN)) return false;
  return true;
}

// The moves of the position that the SAN names.
std::vector<Move> matching_moves(Replay& r, const San& s) {
  std::vector<Move> out;
  const Orientation& o = r.orientation();
  Target t;
  t.kind = s.kind;
  t.to_x = o.x_of(s.castle ? (s.castle == 1 ? 6 : 2) : s.to_file);
  t.to_y = o.y_of(s.castle ? (r.white_to_move() ? 0 : 7) : s.to_rank);
  for (const Move& m : r.legal_to(t)) {
    if (r.castles(m) != (s.castle != 0)) continue;
    if (s.castle) {
      out.push_back(m);
      continue;
    }
    if (s.from_file >= 0 && o.file_of(m.from_x) != s.from_file) continue;
    if (s.from_rank >= 0 && o.rank_of(m.from_y) != s.from_rank) continue;
    const int promoted = s.kind == PAWN && abs_code(m.piece) != PAWN ? abs_code(m.piece) : 0;
    if (promoted != s.promotion) continue;
    out.push_back(m);
  }
  return out;
}

class Reader {
 public:
  Reader(std::string_view bytes, std::string& error, long first_line)
      : t_(bytes), error_(error), first_line_(first_line) {}

  std::optional<RecordFile> read() {
    if (t_.size() >= 3 && t_.substr(0, 3) == "\xEF\xBB\xBF") p_ = 3;
    bool seen_anything = false;
    while (true) {
      skip_blanks();
      if (p_ >= t_.size()) break;
      const char c = t_[p_];
      if (c == '%' && (p_ == 0 || t_[p_ - 1] == '\n' || t_[p_ - 1] == '\r')) {
        skip_line();
      } else if (c == '[') {
        // The tags of the next game end the first one.
        if (moves_started_) break;
        if (!read_tag()) return fail_line(QT_TRANSLATE_NOOP("Message", "PGNﾌｧｲﾙの %1 行目のタグが正しくありません"));
        seen_anything = true;
      } else if (c == '{') {
        if (!skip_comment())
          return fail_line(QT_TRANSLATE_NOOP("Message", "PGNﾌｧｲﾙの %1 行目のコメントが閉じていません"));
        file_.origin.comments = true;
      } else if (c == ';') {
        skip_line();
        file_.origin.comments = true;
      } else if (c == '(') {
        if (!skip_variation())
          return fail_line(QT_TRANSLATE_NOOP("Message", "PGNﾌｧｲﾙの %1 行目の変化手順が閉じていません"));
        file_.origin.variations = true;
      } else if (c == '$') {
        file_.origin.comments = true;
        ++p_;
        if (p_ >= t_.size() || !std::isdigit(static_cast<unsigned char>(t_[p_])))
          return fail_line(QT_TRANSLATE_NOOP("Message", "PGNﾌｧｲﾙの %1 行目が正しくありません"));
        while (p_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[p_]))) ++p_;
      } else if (c == '.' || c == '!' || c == '?') {
        ++p_;
      } else if (c == '*') {
        ++p_;
        seen_anything = true;
        file_.origin.result = "*";
        break;
      } else if (symbol_char(c)) {
        seen_anything = true;
        const std::string token = read_symbol();
        if (token.empty()) continue;
        if (token == "1-0" || token == "0-1" || token == "1/2-1/2") {
          file_.origin.result = token;
          break;
        }
        if (std::all_of(token.begin(), token.end(), [](char d) { return d >= '0' && d <= '9'; })) continue;
        if (!start_moves()) return std::nullopt;
        if (!play(token)) return std::nullopt;
      } else {
        return fail_line(QT_TRANSLATE_NOOP("Message", "PGNﾌｧｲﾙの %1 行目に読めない文字があります"));
      }
    }
    if (!seen_anything) {
      error_ = NOT_PGN;
      return std::nullopt;
    }
    if (!start_moves()) return std::nullopt;
    file_.origin.plies = static_cast<int>(file_.entries.size()) - 1;
    return std::move(file_);
  }

 private:
  static bool symbol_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '+' || c == '#' || c == '=' || c == ':' ||
           c == '-' || c == '/';
  }

  void skip_blanks() {
    while (p_ < t_.size() && std::isspace(static_cast<unsigned char>(t_[p_]))) ++p_;
  }
  void skip_line() {
    while (p_ < t_.size() && t_[p_] != '\n' && t_[p_] != '\r') ++p_;
  }
  bool skip_comment() {
    const size_t end = t_.find('}', p_);
    if (end == std::string_view::npos) return false;
    p_ = end + 1;
    return true;
  }
  bool skip_variation() {
    int depth = 0;
    while (p_ < t_.size()) {
      const char c = t_[p_];
      if (c == '{') {
        if (!skip_comment()) return false;
        continue;
      }
      if (c == ';') {
        skip_line();
        continue;
      }
      ++p_;
      if (c == '(') ++depth;
      if (c == ')' && --depth == 0) return true;
    }
    return false;
  }

  std::string read_symbol() {
    const size_t start = p_;
    while (p_ < t_.size() && symbol_char(t_[p_])) ++p_;
    std::string token(t_.substr(start, p_ - start));
    // "e.p." after an en passant capture says nothing the move does not.
    if (token.ends_with("e") && t_.substr(p_, 3) == ".p.") {
      token.pop_back();
      p_ += 3;
    }
    return token;
  }

  bool read_tag() {
    ++p_;  // '['
    skip_blanks();
    const size_t start = p_;
    while (p_ < t_.size() && (std::isalnum(static_cast<unsigned char>(t_[p_])) || t_[p_] == '_')) ++p_;
    const std::string name(t_.substr(start, p_ - start));
    if (name.empty()) return false;
    skip_blanks();
    if (p_ >= t_.size() || t_[p_] != '"') return false;
    ++p_;
    std::string value;
    while (p_ < t_.size() && t_[p_] != '"') {
      if (t_[p_] == '\n' || t_[p_] == '\r') return false;
      if (t_[p_] == '\\' && p_ + 1 < t_.size()) ++p_;
      value += t_[p_++];
    }
    if (p_ >= t_.size()) return false;
    ++p_;
    skip_blanks();
    if (p_ >= t_.size() || t_[p_] != ']') return false;
    ++p_;
    const auto known = [&](std::string_view s) { return s == "?" ? std::string() : as_utf8(s); };
    file_.origin.tags.push_back({as_utf8(name), as_utf8(value)});
    if (name == "Event") tags_.event = known(value);
    if (name == "White") tags_.white = known(value);
    if (name == "Black") tags_.black = known(value);
    if (name == "FEN") tags_.fen = value, tags_.has_fen = true;
    return true;
  }

  // The position the moves start from, once the tags are all read.
  bool start_moves() {
    if (replay_) return true;
    moves_started_ = true;
    // White below, as in a new game, whoever is to move.
    const Orientation o = chess_orientation(true);
    Position start;
    int upper = 0;
    error_ = from_fen(tags_.has_fen ? std::string_view(tags_.fen) : START_FEN, o, start, upper);
    if (!error_.empty()) return false;
    replay_ = std::make_unique<Replay>(start, o, upper);
    file_.origin.start_fen = replay_->fen();
    file_.origin.black_first = !replay_->white_to_move();
    file_.title = tags_.event;
    // White is the lower army, as in a new game.
    file_.lower_name = tags_.white;
    file_.upper_name = tags_.black;
    RecordEntry e0 = double_step_before(start, upper);
    e0.board = replay_->board();
    file_.entries.push_back(e0);
    return true;
  }

  bool play(const std::string& token) {
    Replay& r = *replay_;
    // The side, its move number and the move as written fill %1, %2 and %3.
    const auto where = [&](const char* pattern) {
      return fill(translate("Message", pattern),
                  {translate("Message", r.white_to_move() ? QT_TRANSLATE_NOOP("Message", "白")
                                                          : QT_TRANSLATE_NOOP("Message", "黒")),
                   std::to_string(r.fullmove()), shown(token)});
    };
    San s;
    if (!parse_san(token, s))
      return fail(where(QT_TRANSLATE_NOOP("Message", "%1の%2手目「%3」は読めない手のため読み込めません")));
    if (r.plies() >= MAX_PLIES) return fail(TOO_MANY);
    const std::vector<Move> moves = matching_moves(r, s);
    if (moves.empty())
      return fail(where(QT_TRANSLATE_NOOP("Message", "%1の%2手目「%3」は指せない手のため読み込めません")));
    if (moves.size() > 1)
      return fail(where(QT_TRANSLATE_NOOP("Message", "%1の%2手目「%3」はどの駒の手か決まらないため読み込めません")));
    const Move m = moves.front();
    r.play(m);
    RecordEntry e;
    e.board = r.board();
    e.from_x = m.from_x, e.from_y = m.from_y, e.to_x = m.to_x, e.to_y = m.to_y, e.piece = m.piece;
    file_.entries.push_back(e);
    return true;
  }

  static std::string shown(std::string_view token) {
    if (token.size() > 16) return as_utf8(token.substr(0, 16)) + "…";
    return as_utf8(token);
  }

  bool fail(const std::string& message) {
    error_ = message;
    return false;
  }
  // `what` has %1 for the line number.
  std::optional<RecordFile> fail_line(const char* what) {
    error_ = fill(translate("Message", what), {std::to_string(first_line_ - 1 + line_at(t_, p_))});
    return std::nullopt;
  }

  std::string_view t_;
  std::string& error_;
  long first_line_;
  size_t p_ = 0;
  Tags tags_;
  bool moves_started_ = false;
  std::unique_ptr<Replay> replay_;
  RecordFile file_;
};

}  // namespace

std::optional<RecordFile> parse_pgn(std::string_view bytes, std::string& error_message, long first_line) {
  error_message.clear();
  if (bytes.size() > RECORD_FILE_MAX_BYTES) {
    error_message = PGN_GAME_TOO_BIG;
    return std::nullopt;
  }
  return Reader(bytes, error_message, first_line).read();
}

std::vector<std::string> record_file_losses(const RecordFile& file) {
  std::vector<std::string> out;
  for (const std::string* text : {&file.title, &file.upper_name, &file.lower_name}) {
    bool ok = true;
    utf8_to_cp932(*text, &ok);
    if (!ok)
      out.push_back(
          fill(translate("Message", QT_TRANSLATE_NOOP("Message", "「%1」の Shift-JIS にない文字は「?」になります")),
               {*text}));
  }
  const GameOrigin& origin = file.origin;
  if (origin.comments)
    out.push_back(translate("Message", QT_TRANSLATE_NOOP("Message", "コメントと注釈記号は書けません")));
  if (origin.variations) out.push_back(translate("Message", QT_TRANSLATE_NOOP("Message", "変化手順は書けません")));
  std::string tags;
  for (const PgnTag& t : origin.tags) {
    if (t.name == "Event" || t.name == "White" || t.name == "Black" || t.name == "SetUp" || t.name == "FEN") continue;
    tags += (tags.empty() ? "" : ", ") + t.name;
  }
  if (!tags.empty())
    out.push_back(fill(translate("Message", QT_TRANSLATE_NOOP("Message", "タグ %1 は書けません")), {tags}));
  if (!origin.start_fen.empty()) {
    RecordFile plain = file;
    plain.origin = {};
    const ChessReading kept = read_as_chess(file), read_back = read_as_chess(plain);
    if (!kept.fens.empty() && !read_back.fens.empty() && kept.fens[0] != read_back.fens[0])
      out.push_back(fill(translate("Message", QT_TRANSLATE_NOOP("Message", "最初の局面 %1 は %2 として読み直されます")),
                         {kept.fens[0], read_back.fens[0]}));
  }
  return out;
}

struct ChessPlayer::Game {
  Replay replay;
};

ChessPlayer::ChessPlayer() {
  const Orientation o = chess_orientation(true);
  Position start;
  int upper = 0;
  from_fen(START_FEN, o, start, upper);
  game_ = std::make_unique<Game>(Game{Replay(start, o, upper)});
  RecordEntry e0;
  e0.board = start.board;
  file_.entries.push_back(e0);
}

ChessPlayer::~ChessPlayer() = default;

int ChessPlayer::legal_move_count() { return static_cast<int>(game_->replay.legal().size()); }

void ChessPlayer::play(int i) {
  const Move m = game_->replay.legal().at(static_cast<size_t>(i));
  game_->replay.play(m);
  RecordEntry e;
  e.board = game_->replay.board();
  e.from_x = m.from_x, e.from_y = m.from_y, e.to_x = m.to_x, e.to_y = m.to_y, e.piece = m.piece;
  file_.entries.push_back(e);
}

std::string pgn_text_as_utf8(std::string_view s) { return as_utf8(s); }

}  // namespace zarvo
