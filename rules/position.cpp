#include "rules/position.h"

#include <charconv>

#include "rules/mate_tests.h"
#include "rules/move_rules.h"
#include "rules/text_mark.h"

namespace zarvo {
namespace {

constexpr int PAWN = 1, KNIGHT = 2, BISHOP = 3, ROOK = 4, QUEEN = 5, KING = 6;
constexpr const char* PIECE_LETTERS = " pnbrqk";

bool is_pawn(int code) { return code == B_PAWN || code == W_PAWN; }

// The rook jumps to the other side of the king: the columns by the king's destination.
void move_castling_rook(Board& b, MoveChanges& changes, int king_to_x, int row) {
  int from = 0, to = 0;
  switch (king_to_x) {
    case CASTLE_LONG_KING_X_SWAPPED: from = ROOK_LEFT_X, to = 3; break;
    case CASTLE_LONG_KING_X: from = ROOK_LEFT_X, to = 4; break;
    case CASTLE_SHORT_KING_X_SWAPPED: from = ROOK_RIGHT_X, to = 5; break;
    case CASTLE_SHORT_KING_X: from = ROOK_RIGHT_X, to = 6; break;
    default: return;
  }
  b[to][row] = b[from][row];
  changes.add(to, row);
  b[from][row] = EMPTY;
  changes.add(from, row);
}

std::uint64_t turn_squares(std::uint64_t mask) {
  std::uint64_t out = 0;
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y)
      if (mask & square_bit(x, y)) out |= square_bit(BOARD_SIZE + 1 - x, BOARD_SIZE + 1 - y);
  return out;
}

bool read_number(std::string_view text, int& value) {
  if (text.empty() || text.size() > 6) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

std::vector<std::string_view> split_fields(std::string_view fen) {
  std::vector<std::string_view> fields;
  size_t i = 0;
  while (i < fen.size()) {
    while (i < fen.size() && (fen[i] == ' ' || fen[i] == '\t')) ++i;
    const size_t start = i;
    while (i < fen.size() && fen[i] != ' ' && fen[i] != '\t') ++i;
    if (i > start) fields.push_back(fen.substr(start, i - start));
  }
  return fields;
}

// The squares of a colour's king and rooks at home, as the window shows them.
struct Home {
  int king_x, rook_short_x, rook_long_x, row;
};

Home home_of(const Orientation& o, bool white) {
  const int rank = white ? 0 : 7;
  return {o.x_of(4), o.x_of(7), o.x_of(0), o.y_of(rank)};
}

}  // namespace

void note_move(Position& pos, const Move& m, int moving, int captured) {
  if (!on_board(m.from_x, m.from_y) || !on_board(m.to_x, m.to_y)) return;
  pos.unmoved &= ~(square_bit(m.from_x, m.from_y) | square_bit(m.to_x, m.to_y));
  const bool double_step = is_pawn(moving) && m.from_x == m.to_x && abs_code(m.to_y - m.from_y) == 2;
  pos.ep_x = double_step ? m.from_x : 0;
  pos.ep_y = double_step ? (m.from_y + m.to_y) / 2 : 0;
  pos.halfmove_clock = is_pawn(moving) || captured != EMPTY ? 0 : pos.halfmove_clock + 1;
  pos.plies += 1;
}

void clear_history(Position& pos) {
  pos.unmoved = ALL_SQUARES;
  pos.ep_x = pos.ep_y = 0;
  pos.halfmove_clock = 0;
  pos.plies = 0;
  pos.start_fullmove = 1;
  pos.turned = 0;
}

MoveChanges play_move(Position& pos, const Move& m) {
  MoveChanges changes;
  if (!on_board(m.from_x, m.from_y) || !on_board(m.to_x, m.to_y)) return changes;
  Board& b = pos.board;
  const int moving = b[m.from_x][m.from_y];
  changes.captured = b[m.to_x][m.to_y];
  if (is_en_passant(pos, m.from_x, m.from_y, m.to_x, m.to_y, moving) == 1) {
    changes.captured = b[m.to_x][m.from_y];
    changes.en_passant = 1;
    b[m.to_x][m.from_y] = EMPTY;
    changes.add(m.to_x, m.from_y);
  }
  b[m.from_x][m.from_y] = EMPTY;
  changes.add(m.from_x, m.from_y);
  b[m.to_x][m.to_y] = m.piece;
  changes.add(m.to_x, m.to_y);
  if (m.piece == W_KING) {
    pos.kings.lower_king_x = m.to_x;
    pos.kings.lower_king_y = m.to_y;
  } else if (m.piece == B_KING) {
    pos.kings.upper_king_x = m.to_x;
    pos.kings.upper_king_y = m.to_y;
  }
  if ((m.piece == W_KING || m.piece == B_KING) && moving == m.piece && abs_code(m.to_x - m.from_x) == 2 &&
      changes.count == 2)
    move_castling_rook(b, changes, m.to_x, m.to_y);
  note_move(pos, m, moving, changes.captured);
  return changes;
}

Position flipped(const Position& pos) {
  constexpr int N = BOARD_SIZE + 1;
  Position out = pos;
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y) out.board[N - x][N - y] = -pos.board[x][y];
  const KingSquares& k = pos.kings;
  // Each king now belongs to the other army; a king square never found stays unknown.
  auto turn = [](int v) { return v >= 1 && v <= BOARD_SIZE ? N - v : v; };
  out.kings = {turn(k.upper_king_x), turn(k.upper_king_y), turn(k.lower_king_x), turn(k.lower_king_y)};
  out.unmoved = turn_squares(pos.unmoved);
  if (pos.ep_x != 0) {
    out.ep_x = N - pos.ep_x;
    out.ep_y = N - pos.ep_y;
  }
  out.turned = pos.turned ^ 1;
  return out;
}

std::string Orientation::square_name(int x, int y) const {
  if (!on_board(x, y)) return {};
  return {static_cast<char>('a' + file_of(x)), static_cast<char>('1' + rank_of(y))};
}

bool Orientation::parse_square(std::string_view name, int& x, int& y) const {
  if (name.size() != 2 || name[0] < 'a' || name[0] > 'h' || name[1] < '1' || name[1] > '8') return false;
  x = x_of(name[0] - 'a');
  y = y_of(name[1] - '1');
  return true;
}

Orientation orientation_of(const Position& pos, int colors_swapped) {
  const int swapped = colors_swapped == 1 ? 1 : 0;
  return {1 - swapped, swapped ^ pos.turned};
}

std::string to_fen(const Position& pos, const Orientation& o, int upper_to_move) {
  std::string fen;
  for (int rank = 7; rank >= 0; --rank) {
    int gap = 0;
    for (int file = 0; file < 8; ++file) {
      const int code = pos.board[o.x_of(file)][o.y_of(rank)];
      if (!is_piece_code(code)) {
        ++gap;
        continue;
      }
      if (gap) fen += static_cast<char>('0' + gap), gap = 0;
      const char letter = PIECE_LETTERS[abs_code(code)];
      fen += o.is_white(code) ? static_cast<char>(letter - 'a' + 'A') : letter;
    }
    if (gap) fen += static_cast<char>('0' + gap);
    if (rank) fen += '/';
  }
  const bool white_to_move = (upper_to_move == 1) != (o.white_is_lower == 1);
  fen += white_to_move ? " w " : " b ";
  std::string rights;
  for (const bool white : {true, false}) {
    const Home h = home_of(o, white);
    const int king = o.code(KING, white), rook = o.code(ROOK, white);
    if (pos.board[h.king_x][h.row] != king || !pos.untouched(h.king_x, h.row)) continue;
    const char short_letter = white ? 'K' : 'k', long_letter = white ? 'Q' : 'q';
    if (pos.board[h.rook_short_x][h.row] == rook && pos.untouched(h.rook_short_x, h.row)) rights += short_letter;
    if (pos.board[h.rook_long_x][h.row] == rook && pos.untouched(h.rook_long_x, h.row)) rights += long_letter;
  }
  fen += rights.empty() ? "-" : rights;
  fen += ' ';
  fen += pos.ep_x != 0 ? o.square_name(pos.ep_x, pos.ep_y) : "-";
  // Black's moves count the full moves: how many of the plies were Black's
  // follows from who moves now.
  const int first_black = (white_to_move ? 0 : 1) ^ (pos.plies & 1);
  fen += ' ' + std::to_string(pos.halfmove_clock) + ' ' +
         std::to_string(pos.start_fullmove + (pos.plies + first_black) / 2);
  return fen;
}

std::string from_fen(std::string_view fen, const Orientation& o, Position& pos, int& upper_to_move) {
  const std::vector<std::string_view> f = split_fields(fen);
  if (f.size() != 4 && f.size() != 6) return QT_TRANSLATE_NOOP("Message", "FENの欄の数が正しくありません（6欄）");
  Position p = pos;
  for (auto& column : p.board) column.fill(EMPTY);
  const std::string_view placement_error = QT_TRANSLATE_NOOP("Message", "FENの第1欄（駒の配置）が正しくありません");
  int rank = 7, file = 0;
  for (const char c : f[0]) {
    if (c == '/') {
      if (file != 8 || rank == 0) return std::string(placement_error);
      --rank, file = 0;
    } else if (c >= '1' && c <= '8') {
      file += c - '0';
      if (file > 8) return std::string(placement_error);
    } else {
      const char lower = static_cast<char>(c | 0x20);
      const char* at = std::char_traits<char>::find(PIECE_LETTERS + 1, 6, lower);
      if (!at || file > 7) return std::string(placement_error);
      const bool white = c != lower;
      p.board[o.x_of(file)][o.y_of(rank)] = o.code(static_cast<int>(at - PIECE_LETTERS), white);
      ++file;
    }
  }
  if (rank != 0 || file != 8) return std::string(placement_error);
  int kings[2] = {0, 0};
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      const int code = p.board[x][y];
      if (abs_code(code) == KING) ++kings[o.is_white(code) ? 0 : 1];
      if (abs_code(code) == PAWN && (o.rank_of(y) == 0 || o.rank_of(y) == 7))
        return QT_TRANSLATE_NOOP("Message", "FENの第1欄（駒の配置）：１段目と８段目にはポーンを置けません");
    }
  }
  if (kings[0] != 1 || kings[1] != 1)
    return QT_TRANSLATE_NOOP("Message", "FENの第1欄（駒の配置）：キングは白と黒に１つずつ必要です");

  if (f[1] != "w" && f[1] != "b") return QT_TRANSLATE_NOOP("Message", "FENの第2欄（手番）は w か b です");
  const bool white_to_move = f[1] == "w";
  const int upper = white_to_move == (o.white_is_lower == 0) ? 1 : 0;

  p.unmoved = ALL_SQUARES;
  p.turned = o.files_mirrored ^ (1 - o.white_is_lower);
  bool has[4] = {false, false, false, false};  // K Q k q
  if (f[2] != "-") {
    for (const char c : f[2]) {
      const char* at = std::char_traits<char>::find("KQkq", 4, c);
      if (!at || has[at - "KQkq"]) return QT_TRANSLATE_NOOP("Message", "FENの第3欄（キャスリング）が正しくありません");
      has[at - "KQkq"] = true;
    }
  }
  // A right whose king or rook is not at home cannot be used: it is dropped.
  for (const bool white : {true, false}) {
    const Home h = home_of(o, white);
    const bool king_home = p.board[h.king_x][h.row] == o.code(KING, white);
    const bool short_right = has[white ? 0 : 2] && king_home && p.board[h.rook_short_x][h.row] == o.code(ROOK, white);
    const bool long_right = has[white ? 1 : 3] && king_home && p.board[h.rook_long_x][h.row] == o.code(ROOK, white);
    if (!short_right) p.unmoved &= ~square_bit(h.rook_short_x, h.row);
    if (!long_right) p.unmoved &= ~square_bit(h.rook_long_x, h.row);
    if (!short_right && !long_right) p.unmoved &= ~square_bit(h.king_x, h.row);
  }

  p.ep_x = p.ep_y = 0;
  if (f[3] != "-") {
    int x = 0, y = 0;
    const int ep_rank = white_to_move ? 5 : 2;
    if (!o.parse_square(f[3], x, y) || o.rank_of(y) != ep_rank)
      return QT_TRANSLATE_NOOP("Message", "FENの第4欄（アンパッサン）が正しくありません");
    // Kept only where a pawn of the side that moved stands past the square.
    const int pawn_rank = white_to_move ? 4 : 3, start_rank = white_to_move ? 6 : 1;
    const int pawn_y = o.y_of(pawn_rank), start_y = o.y_of(start_rank);
    if (p.board[x][pawn_y] == o.code(PAWN, !white_to_move) && p.board[x][y] == EMPTY && p.board[x][start_y] == EMPTY)
      p.ep_x = x, p.ep_y = y;
  }
  p.halfmove_clock = 0;
  p.start_fullmove = 1;
  p.plies = 0;
  if (f.size() == 6) {
    int half = 0, full = 0;
    if (!read_number(f[4], half) || half < 0)
      return QT_TRANSLATE_NOOP("Message", "FENの第5欄（50手ルールの手数）が正しくありません");
    if (!read_number(f[5], full) || full < 1)
      return QT_TRANSLATE_NOOP("Message", "FENの第6欄（手数）が正しくありません");
    p.halfmove_clock = half;
    p.start_fullmove = full;
  }
  scan_board(p.board, p.maps, p.kings);
  if (king_in_check(p, 1 - upper) == 1)
    return QT_TRANSLATE_NOOP("Message", "FENの第2欄（手番）：手番でない側のキングがチェックされています");
  pos = p;
  upper_to_move = upper;
  return {};
}

std::vector<Move> legal_moves(const Position& pos, int upper) {
  std::vector<Move> moves;
  const Board& b = pos.board;
  for (int fx = 1; fx <= BOARD_SIZE; ++fx) {
    for (int fy = 1; fy <= BOARD_SIZE; ++fy) {
      const int piece = b[fx][fy];
      if (upper ? piece < B_PAWN : piece > W_PAWN) continue;
      for (int tx = 1; tx <= BOARD_SIZE; ++tx) {
        for (int ty = 1; ty <= BOARD_SIZE; ++ty) {
          if (check_piece_move(pos, fx, fy, tx, ty, piece) != 1) continue;
          if (move_keeps_king_safe(pos, fx, fy, tx, ty, upper) != 1) continue;
          if (promotion_due(fx, fy, tx, ty, piece) == 1) {
            for (const int kind : {QUEEN, ROOK, BISHOP, KNIGHT})
              moves.push_back({fx, fy, tx, ty, upper ? kind : -kind});
          } else {
            moves.push_back({fx, fy, tx, ty, piece});
          }
        }
      }
    }
  }
  return moves;
}

std::uint64_t perft(const Position& pos, int upper, int depth) {
  if (depth <= 0) return 1;
  const std::vector<Move> moves = legal_moves(pos, upper);
  if (depth == 1) return moves.size();
  std::uint64_t n = 0;
  for (const Move& m : moves) {
    Position next = pos;
    play_move(next, m);
    n += perft(next, 1 - upper, depth - 1);
  }
  return n;
}

}  // namespace zarvo
