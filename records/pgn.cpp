#include "records/pgn.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <ctime>
#include <memory>

#include "rules/board_maps.h"
#include "rules/move_rules.h"
#include "shell/app.h"

namespace zarvo {
namespace {

int sign(int v) { return v < 0 ? -1 : 1; }

constexpr int KING = 6, QUEEN = 5, ROOK = 4, BISHOP = 3, KNIGHT = 2, PAWN = 1;
constexpr const char* PIECE_LETTERS = " PNBRQK";
// The most moves a record holds.
constexpr int MAX_PLIES = RECORD_LAST;

// Castling rights, indexed white king side, white queen side, black king side, black queen side.
using Rights = std::array<bool, 4>;

struct PgnMove {
  int fx = 0, fy = 0, tx = 0, ty = 0;
  int placed = 0;  // the code that stands on the destination afterwards
  bool castle = false, en_passant = false;
};

// Screen squares and chess squares. The board is kept as the window shows it:
// with White below, files a..h run left to right and rank 8 is row 1; with
// White above, the board is seen from Black's side.
struct PgnOrientation {
  bool white_is_lower = true;

  void square(int file, int rank, int& x, int& y) const {
    x = white_is_lower ? file + 1 : BOARD_SIZE - file;
    y = white_is_lower ? BOARD_SIZE - rank : rank + 1;
  }
  int file_of(int x) const { return white_is_lower ? x - 1 : BOARD_SIZE - x; }
  int rank_of(int y) const { return white_is_lower ? BOARD_SIZE - y : y - 1; }
  bool is_white(int code) const { return (code <= W_PAWN) == white_is_lower; }
  int code(int kind, bool white) const { return white == white_is_lower ? -kind : kind; }
  std::string name(int x, int y) const {
    return {static_cast<char>('a' + file_of(x)), static_cast<char>('1' + rank_of(y))};
  }
};

// The board that a move leaves, worked out without the rules: what a record
// entry must show after that move.
Board board_after(Board b, const PgnMove& m) {
  const int moving = b[m.fx][m.fy];
  if (m.en_passant) b[m.tx][m.fy] = EMPTY;
  b[m.fx][m.fy] = EMPTY;
  b[m.tx][m.ty] = m.placed;
  if (abs_code(moving) == KING && abs_code(m.tx - m.fx) == 2) {
    const int rook_from = m.tx < m.fx ? 1 : BOARD_SIZE;
    const int rook_to = m.tx < m.fx ? m.tx + 1 : m.tx - 1;
    b[rook_to][m.fy] = b[rook_from][m.fy];
    b[rook_from][m.fy] = EMPTY;
  }
  return b;
}

// A position being played through the game's own rule functions, on an App of
// its own that draws nowhere.
class Replay {
 public:
  Replay(const Board& start, PgnOrientation o, bool white_to_move, Rights rights, int fullmove)
      : app_(std::make_unique<App>()), o_(o), white_to_move_(white_to_move), rights_(rights), fullmove_(fullmove) {
    GameState& g = app_->game;
    app_->pos.board = start;
    g.lower_player = FIRST;
    g.upper_player = SECOND;
    g.move_number = 0;
    record_move(app_->record, app_->pos.board, 0, 0, 0, 0, 0, 0);
    drop_impossible_rights();
  }

  const Board& board() const { return app_->pos.board; }
  const PgnOrientation& orientation() const { return o_; }
  bool white_to_move() const { return white_to_move_; }
  int fullmove() const { return fullmove_; }
  int plies() const { return app_->game.move_number; }

  // A pawn's double step that came before the position, kept in entry 0 so
  // that the rules see it as the previous move (en passant). Ignored unless the
  // board shows it.
  void set_previous_double_step(const RecordEntry& e) {
    const Board& b = board();
    const int pawn = lower_to_move() ? B_PAWN : W_PAWN;
    if (e.piece != pawn || !on_board(e.from_x, e.from_y) || !on_board(e.to_x, e.to_y)) return;
    if (e.from_x != e.to_x || abs_code(e.to_y - e.from_y) != 2 || b[e.to_x][e.to_y] != pawn) return;
    if (b[e.from_x][e.from_y] != EMPTY || b[e.from_x][(e.from_y + e.to_y) / 2] != EMPTY) return;
    record_move(app_->record, b, 0, e.from_x, e.from_y, e.to_x, e.to_y, e.piece);
    app_->pos.ep_x = e.from_x;
    app_->pos.ep_y = (e.from_y + e.to_y) / 2;
    previous_ = e;
    legal_.reset();
  }
  const RecordEntry& previous_double_step() const { return previous_; }

  bool lower_to_move() const { return white_to_move_ == o_.white_is_lower; }
  bool own(int code) const { return lower_to_move() ? code <= W_PAWN : code >= B_PAWN; }

  // Every legal move of the side to move, in board order.
  const std::vector<PgnMove>& legal_moves() {
    if (!legal_) legal_ = generate();
    return *legal_;
  }

  bool in_check() {
    rescan(app_->pos);
    const KingSquares& k = app_->pos.kings;
    if (lower_to_move()) return app_->pos.maps.upper_attack_count[k.lower_king_x][k.lower_king_y] > 0;
    return app_->pos.maps.lower_attack_count[k.upper_king_x][k.upper_king_y] > 0;
  }

  // Plays a move from legal_moves() the way the window does: the en passant
  // victim goes first, then the move maker, then the record entry.
  void play(const PgnMove& m) {
    GameState& g = app_->game;
    const int moving = app_->pos.board[m.fx][m.fy];
    const bool capture = app_->pos.board[m.tx][m.ty] != EMPTY || m.en_passant;
    play_move(app_->pos, {m.fx, m.fy, m.tx, m.ty, m.placed});
    g.move_number += 1;
    record_move(app_->record, app_->pos.board, g.move_number, m.fx, m.fy, m.tx, m.ty, m.placed);
    halfmove_ = abs_code(moving) == PAWN || capture ? 0 : halfmove_ + 1;
    if (!white_to_move_) ++fullmove_;
    white_to_move_ = !white_to_move_;
    drop_impossible_rights();
    legal_.reset();
  }

  std::string san(const PgnMove& m) {
    const Board& b = board();
    const int kind = abs_code(b[m.fx][m.fy]);
    if (m.castle) return o_.file_of(m.tx) == 6 ? "O-O" : "O-O-O";
    const bool capture = b[m.tx][m.ty] != EMPTY || m.en_passant;
    std::string s;
    if (kind == PAWN) {
      if (capture) s += static_cast<char>('a' + o_.file_of(m.fx));
    } else {
      s += PIECE_LETTERS[kind];
      // Name as little of the origin as tells this piece from the others that reach the square.
      bool others = false, same_file = false, same_rank = false;
      for (const PgnMove& o : legal_moves()) {
        if (o.tx != m.tx || o.ty != m.ty || (o.fx == m.fx && o.fy == m.fy)) continue;
        if (abs_code(b[o.fx][o.fy]) != kind) continue;
        others = true;
        same_file = same_file || o.fx == m.fx;
        same_rank = same_rank || o.fy == m.fy;
      }
      if (others && !same_file) {
        s += static_cast<char>('a' + o_.file_of(m.fx));
      } else if (others && !same_rank) {
        s += static_cast<char>('1' + o_.rank_of(m.fy));
      } else if (others) {
        s += o_.name(m.fx, m.fy);
      }
    }
    if (capture) s += 'x';
    s += o_.name(m.tx, m.ty);
    if (kind == PAWN && abs_code(m.placed) != PAWN) {
      s += '=';
      s += PIECE_LETTERS[abs_code(m.placed)];
    }
    return s;
  }

  // "+" or "#" for the side to move now, after a move was played.
  std::string check_suffix() {
    if (!in_check()) return "";
    return legal_moves().empty() ? "#" : "+";
  }

  std::string fen() {
    const Board& b = board();
    std::string s;
    for (int rank = 7; rank >= 0; --rank) {
      int empty = 0;
      for (int file = 0; file < 8; ++file) {
        int x, y;
        o_.square(file, rank, x, y);
        const int code = b[x][y];
        if (code == EMPTY) {
          ++empty;
          continue;
        }
        if (empty) s += static_cast<char>('0' + empty), empty = 0;
        const char letter = PIECE_LETTERS[abs_code(code)];
        s += o_.is_white(code) ? letter : static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
      }
      if (empty) s += static_cast<char>('0' + empty);
      if (rank) s += '/';
    }
    s += white_to_move_ ? " w " : " b ";
    std::string castling;
    const char* const letters = "KQkq";
    for (int i = 0; i < 4; ++i)
      if (rights_[static_cast<size_t>(i)]) castling += letters[i];
    s += castling.empty() ? "-" : castling;
    // The square passed over, when a pawn of the side to move can take there.
    std::string ep = "-";
    for (const PgnMove& m : legal_moves())
      if (m.en_passant) ep = o_.name(m.tx, m.ty);
    s += " " + ep + " " + std::to_string(halfmove_) + " " + std::to_string(fullmove_);
    return s;
  }

 private:
  struct Home {
    int king_x, king_y, rook_x, rook_y;
  };
  // The king's and rook's squares a castling right depends on.
  Home home(int right) const {
    const int rank = right < 2 ? 0 : 7;
    Home h{};
    o_.square(4, rank, h.king_x, h.king_y);
    o_.square(right % 2 == 0 ? 7 : 0, rank, h.rook_x, h.rook_y);
    return h;
  }

  // A right lapses once its king or rook has left home (or was taken there).
  void drop_impossible_rights() {
    const Board& b = board();
    for (int i = 0; i < 4; ++i) {
      const Home h = home(i);
      const bool white = i < 2;
      if (b[h.king_x][h.king_y] != o_.code(KING, white) || b[h.rook_x][h.rook_y] != o_.code(ROOK, white))
        rights_[static_cast<size_t>(i)] = false;
    }
  }

  // Castling as chess allows it: the right still held, the king not in check
  // and the square it crosses not attacked. The rules checked the rest.
  bool castling_allowed(int fx, int fy, int tx) {
    const int right = (white_to_move_ ? 0 : 2) + (o_.file_of(tx) == 6 ? 0 : 1);
    const Home h = home(right);
    if (!rights_[static_cast<size_t>(right)] || fx != h.king_x || fy != h.king_y) return false;
    rescan(app_->pos);
    const SquareMap<int>& enemy =
        lower_to_move() ? app_->pos.maps.upper_attack_count : app_->pos.maps.lower_attack_count;
    const int crossed = (fx + tx) / 2;
    return enemy[fx][fy] == 0 && enemy[crossed][fy] == 0 && enemy[tx][fy] == 0;
  }

  std::vector<PgnMove> generate() {
    App& app = *app_;
    Board& b = app.pos.board;
    std::vector<PgnMove> out;
    for (int fx = 1; fx <= BOARD_SIZE; ++fx) {
      for (int fy = 1; fy <= BOARD_SIZE; ++fy) {
        const int code = b[fx][fy];
        if (!own(code)) continue;
        for (int tx = 1; tx <= BOARD_SIZE; ++tx) {
          for (int ty = 1; ty <= BOARD_SIZE; ++ty) {
            if (check_piece_move(app.pos, fx, fy, tx, ty, code) != 1) continue;
            // A king is never taken in chess: the move before was not legal.
            if (abs_code(b[tx][ty]) == KING) continue;
            PgnMove m{fx, fy, tx, ty, code, false, false};
            m.castle = abs_code(code) == KING && abs_code(tx - fx) == 2;
            if (m.castle && !castling_allowed(fx, fy, tx)) continue;
            m.en_passant = is_en_passant(app.pos, fx, fy, tx, ty, code) == 1;
            if (move_keeps_king_safe(app.pos, fx, fy, tx, ty, lower_to_move() ? 0 : 1) != 1) continue;
            if (promotion_due(fx, fy, tx, ty, code) == 1) {
              for (int kind : {QUEEN, ROOK, BISHOP, KNIGHT}) {
                m.placed = sign(code) * kind;
                out.push_back(m);
              }
            } else {
              out.push_back(m);
            }
          }
        }
      }
    }
    return out;
  }

  std::unique_ptr<App> app_;
  PgnOrientation o_;
  bool white_to_move_;
  Rights rights_;
  int halfmove_ = 0;
  int fullmove_;
  std::optional<std::vector<PgnMove>> legal_;
  RecordEntry previous_;
};

// One king each, no pawn on a first or last rank, and the side not to move not in check.
bool position_playable(Replay& r) {
  const Board& b = r.board();
  int kings[2] = {0, 0};
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      const int code = b[x][y];
      if (code < W_KING || code > B_KING) return false;
      if (abs_code(code) == KING) ++kings[code < 0 ? 0 : 1];
      if (abs_code(code) == PAWN && (y == 1 || y == BOARD_SIZE)) return false;
    }
  }
  if (kings[0] != 1 || kings[1] != 1) return false;
  // The side that just moved may not have left its king attacked.
  BoardMaps maps;
  KingSquares k;
  scan_board(b, maps, k);
  const bool lower_moved = !r.lower_to_move();
  if (lower_moved) return maps.upper_attack_count[k.lower_king_x][k.lower_king_y] == 0;
  return maps.lower_attack_count[k.upper_king_x][k.upper_king_y] == 0;
}

// A record does not say what happened before its first entry: a king and rook
// at home may castle.
constexpr Rights ALL_RIGHTS = {true, true, true, true};

// ---------------------------------------------------------------- records as chess

// The position move 1 was played from. Entry 0 is stored before a game start
// turns the board to Black's side or a handicap removes pieces, so it can
// differ from the real start; then entry 1 with move 1 taken back is the start.
Board start_board(const RecordFile& file) {
  const Board& e0 = file.entries[0].board;
  if (file.entries.size() < 2) return e0;
  const RecordEntry& e1 = file.entries[1];
  if (!on_board(e1.from_x, e1.from_y) || !on_board(e1.to_x, e1.to_y)) return e0;
  PgnMove m{e1.from_x, e1.from_y, e1.to_x, e1.to_y, e1.piece, false, false};
  m.en_passant = abs_code(e0[m.fx][m.fy]) == PAWN && m.fx != m.tx && e0[m.tx][m.ty] == EMPTY;
  if (board_after(e0, m) == e1.board) return e0;
  Board s = e1.board;
  const int before = e0[m.fx][m.fy];
  const bool promoted =
      abs_code(before) == PAWN && sign(before) == sign(m.placed) && promotion_due(m.fx, m.fy, m.tx, m.ty, before) == 1;
  s[m.fx][m.fy] = promoted ? before : m.placed;
  const int taken = e0[m.tx][m.ty];
  s[m.tx][m.ty] = taken != EMPTY && sign(taken) != sign(m.placed) ? taken : EMPTY;
  if (abs_code(m.placed) == KING && abs_code(m.tx - m.fx) == 2) {
    const int rook_from = m.tx < m.fx ? 1 : BOARD_SIZE;
    const int rook_to = m.tx < m.fx ? m.tx + 1 : m.tx - 1;
    s[rook_from][m.fy] = s[rook_to][m.fy];
    s[rook_to][m.fy] = EMPTY;
  }
  return s;
}

std::string move_problem(int n, const std::string& what) { return std::to_string(n) + "手目" + what; }

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
    out.problem = "局面がありません";
    return out;
  }
  const int moves = static_cast<int>(file.entries.size()) - 1;
  // The first mover is White, as the window shows a record.
  PgnOrientation o;
  o.white_is_lower = moves < 1 || file.entries[1].piece <= W_PAWN;
  Replay r(start_board(file), o, true, ALL_RIGHTS, 1);
  r.set_previous_double_step(file.entries[0]);
  if (!position_playable(r)) {
    out.left_out = moves;
    out.problem = "最初の局面がチェスの局面ではありません";
    return out;
  }
  out.fens.push_back(r.fen());
  for (int n = 1; n <= moves; ++n) {
    const RecordEntry& e = file.entries[static_cast<size_t>(n)];
    const PgnMove* found = nullptr;
    for (const PgnMove& m : r.legal_moves()) {
      if (m.fx == e.from_x && m.fy == e.from_y && m.tx == e.to_x && m.ty == e.to_y && m.placed == e.piece) {
        found = &m;
        break;
      }
    }
    if (!found || board_after(r.board(), *found) != e.board) {
      out.left_out = moves - n + 1;
      out.problem = move_problem(n, found ? "の局面が指し手と合いません" : "はチェスの規則では指せない手です");
      break;
    }
    const PgnMove m = *found;
    std::string san = r.san(m);
    r.play(m);
    san += r.check_suffix();
    out.sans.push_back(san);
    out.fens.push_back(r.fen());
  }
  if (r.legal_moves().empty()) {
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
  const bool white_is_lower = file.entries.size() < 2 || file.entries[1].piece <= W_PAWN;
  const std::string& white = white_is_lower ? file.lower_name : file.upper_name;
  const std::string& black = white_is_lower ? file.upper_name : file.lower_name;
  const auto or_unknown = [](const std::string& s) { return s.empty() ? std::string("?") : s; };
  std::string out;
  out += tag("Event", or_unknown(file.title));
  out += tag("Site", "?");
  out +=
      tag("Date", date.year > 0 ? std::to_string(date.year) + "." + two_digits(date.month) + "." + two_digits(date.day)
                                : "????.??.??");
  out += tag("Round", "-");
  out += tag("White", or_unknown(white));
  out += tag("Black", or_unknown(black));
  out += tag("Result", reading.result);
  if (!reading.fens.empty() && reading.fens[0] != START_FEN) {
    out += tag("SetUp", "1");
    out += tag("FEN", reading.fens[0]);
  }
  out += "\n";

  // Movetext in lines of at most 79 characters; a move number stays with its move.
  std::vector<std::string> tokens;
  for (size_t i = 0; i < reading.sans.size(); ++i)
    tokens.push_back(i % 2 == 0 ? std::to_string(i / 2 + 1) + ". " + reading.sans[i] : reading.sans[i]);
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

const char* const NOT_PGN = "PGNﾌｧｲﾙではありません";
const char* const TOO_MANY = "手数が多すぎるため読み込めません（最大500手）";
const char* const BAD_FEN = "FENの局面が正しくありません";

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

// A FEN position, or nullptr and a message when it is not one chess allows.
std::unique_ptr<Replay> replay_from_fen(std::string_view fen, std::string& error_message) {
  std::vector<std::string> fields;
  size_t i = 0;
  while (i < fen.size()) {
    while (i < fen.size() && fen[i] == ' ') ++i;
    const size_t start = i;
    while (i < fen.size() && fen[i] != ' ') ++i;
    if (i > start) fields.emplace_back(fen.substr(start, i - start));
  }
  error_message = BAD_FEN;
  if (fields.size() < 2 || fields.size() > 6) return nullptr;
  PgnOrientation o;  // White below, like a new game
  Board b{};
  int rank = 7, file = 0;
  for (const char c : fields[0]) {
    if (c == '/') {
      if (file != 8 || rank == 0) return nullptr;
      --rank, file = 0;
      continue;
    }
    if (c >= '1' && c <= '8') {
      file += c - '0';
      if (file > 8) return nullptr;
      continue;
    }
    const size_t kind = std::string_view("PNBRQK").find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (kind == std::string_view::npos || file >= 8) return nullptr;
    int x, y;
    o.square(file, rank, x, y);
    b[x][y] = o.code(static_cast<int>(kind) + 1, std::isupper(static_cast<unsigned char>(c)) != 0);
    ++file;
  }
  if (rank != 0 || file != 8) return nullptr;
  if (fields[1] != "w" && fields[1] != "b") return nullptr;
  if (fields[1] == "b") {
    // The window shows the first mover of a record in white.
    error_message = "黒番から始まる局面は読み込めません";
    return nullptr;
  }
  Rights rights{};
  if (fields.size() > 2 && fields[2] != "-") {
    for (const char c : fields[2]) {
      const size_t i = std::string_view("KQkq").find(c);
      if (i == std::string_view::npos) return nullptr;
      rights[i] = true;
    }
  }
  int fullmove = 1;
  if (fields.size() > 5) {
    const std::string& f = fields[5];
    if (f.empty() || f.size() > 4 || !std::all_of(f.begin(), f.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return nullptr;
    fullmove = std::max(1, std::stoi(f));
  }
  auto r = std::make_unique<Replay>(b, o, true, rights, fullmove);
  if (!position_playable(*r)) return nullptr;
  if (fields.size() > 3 && fields[3] != "-") {
    const std::string& ep = fields[3];
    if (ep.size() != 2 || ep[0] < 'a' || ep[0] > 'h' || ep[1] != '6') return nullptr;
    // Black's pawn has just gone from rank 7 to rank 5 past this square.
    int fx, fy, tx, ty;
    o.square(ep[0] - 'a', 6, fx, fy);
    o.square(ep[0] - 'a', 4, tx, ty);
    RecordEntry step;
    step.from_x = fx, step.from_y = fy, step.to_x = tx, step.to_y = ty, step.piece = o.code(PAWN, false);
    r->set_previous_double_step(step);
  }
  error_message.clear();
  return r;
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
std::vector<PgnMove> matching_moves(Replay& r, const San& s) {
  std::vector<PgnMove> out;
  const PgnOrientation& o = r.orientation();
  for (const PgnMove& m : r.legal_moves()) {
    const int kind = abs_code(r.board()[m.fx][m.fy]);
    if (kind != s.kind || m.castle != (s.castle != 0)) continue;
    if (s.castle) {
      if ((o.file_of(m.tx) == 6) == (s.castle == 1)) out.push_back(m);
      continue;
    }
    if (o.file_of(m.tx) != s.to_file || o.rank_of(m.ty) != s.to_rank) continue;
    if (s.from_file >= 0 && o.file_of(m.fx) != s.from_file) continue;
    if (s.from_rank >= 0 && o.rank_of(m.fy) != s.from_rank) continue;
    const int promoted = kind == PAWN && abs_code(m.placed) != PAWN ? abs_code(m.placed) : 0;
    if (promoted != s.promotion) continue;
    out.push_back(m);
  }
  return out;
}

class Reader {
 public:
  Reader(std::string_view bytes, std::string& error) : t_(bytes), error_(error) {}

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
        if (!read_tag()) return fail_line("のタグが正しくありません");
        seen_anything = true;
      } else if (c == '{') {
        if (!skip_comment()) return fail_line("のコメントが閉じていません");
      } else if (c == ';') {
        skip_line();
      } else if (c == '(') {
        if (!skip_variation()) return fail_line("の変化手順が閉じていません");
      } else if (c == '$') {
        ++p_;
        if (p_ >= t_.size() || !std::isdigit(static_cast<unsigned char>(t_[p_])))
          return fail_line("が正しくありません");
        while (p_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[p_]))) ++p_;
      } else if (c == '.' || c == '!' || c == '?') {
        ++p_;
      } else if (c == '*') {
        ++p_;
        seen_anything = true;
        break;
      } else if (symbol_char(c)) {
        seen_anything = true;
        const std::string token = read_symbol();
        if (token.empty()) continue;
        if (token == "1-0" || token == "0-1" || token == "1/2-1/2") break;
        if (std::all_of(token.begin(), token.end(), [](char d) { return d >= '0' && d <= '9'; })) continue;
        if (!start_moves()) return std::nullopt;
        if (!play(token)) return std::nullopt;
      } else {
        return fail_line("に読めない文字があります");
      }
    }
    if (!seen_anything) {
      error_ = NOT_PGN;
      return std::nullopt;
    }
    if (!start_moves()) return std::nullopt;
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
    replay_ = replay_from_fen(tags_.has_fen ? std::string_view(tags_.fen) : START_FEN, error_);
    if (!replay_) return false;
    file_.title = tags_.event;
    // White is the lower army, as in a new game.
    file_.lower_name = tags_.white;
    file_.upper_name = tags_.black;
    RecordEntry e0 = replay_->previous_double_step();
    e0.board = replay_->board();
    file_.entries.push_back(e0);
    return true;
  }

  bool play(const std::string& token) {
    Replay& r = *replay_;
    const std::string where = std::string(r.white_to_move() ? "白" : "黒") + "の" + std::to_string(r.fullmove()) +
                              "手目「" + shown(token) + "」";
    San s;
    if (!parse_san(token, s)) return fail(where + "は読めない手のため読み込めません");
    if (r.plies() >= MAX_PLIES) return fail(TOO_MANY);
    const std::vector<PgnMove> moves = matching_moves(r, s);
    if (moves.empty()) return fail(where + "は指せない手のため読み込めません");
    if (moves.size() > 1) return fail(where + "はどの駒の手か決まらないため読み込めません");
    const PgnMove m = moves.front();
    r.play(m);
    RecordEntry e;
    e.board = r.board();
    e.from_x = m.fx, e.from_y = m.fy, e.to_x = m.tx, e.to_y = m.ty, e.piece = m.placed;
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
  std::optional<RecordFile> fail_line(const std::string& what) {
    const long line = 1 + std::count(t_.begin(), t_.begin() + static_cast<long>(std::min(p_, t_.size())), '\n');
    error_ = "PGNﾌｧｲﾙの " + std::to_string(line) + " 行目" + what;
    return std::nullopt;
  }

  std::string_view t_;
  std::string& error_;
  size_t p_ = 0;
  Tags tags_;
  bool moves_started_ = false;
  std::unique_ptr<Replay> replay_;
  RecordFile file_;
};

}  // namespace

std::optional<RecordFile> parse_pgn(std::string_view bytes, std::string& error_message) {
  error_message.clear();
  if (bytes.size() > RECORD_FILE_MAX_BYTES) {
    error_message = NOT_PGN;
    return std::nullopt;
  }
  return Reader(bytes, error_message).read();
}

}  // namespace zarvo
