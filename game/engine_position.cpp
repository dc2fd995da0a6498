#include "game/engine_position.h"

#include <cctype>

#include "computer/uci.h"
#include "display/texts.h"
#include "rules/board_maps.h"
#include "rules/move_rules.h"
#include "shell/app.h"

namespace zarvo {
namespace {

constexpr const char* PIECE_LETTERS = " PNBRQK";
constexpr int PAWN = 1, KNIGHT = 2, BISHOP = 3, ROOK = 4, QUEEN = 5, KING = 6;

int sign(int v) { return v < 0 ? -1 : 1; }

// Files and ranks from 0, as UCI counts them.
int file_of(const App& app, int x) { return file_number(app, x) - 1; }
int rank_of(const App& app, int y) { return rank_number(app, y) - 1; }
void square_of(const App& app, int file, int rank, int& x, int& y) {
  if (app.game.colors_swapped == 1) {
    x = BOARD_SIZE - file;
    y = rank + 1;
  } else {
    x = file + 1;
    y = BOARD_SIZE - rank;
  }
}

std::string name_of(const App& app, int x, int y) {
  return {static_cast<char>('a' + file_of(app, x)), static_cast<char>('1' + rank_of(app, y))};
}

const Board& board_at(const App& app, int n) {
  return n == app.game.move_number ? app.game.board : app.record.record_board[static_cast<size_t>(n)];
}

// Neither record entry 1 .. n left or entered the square: what stands there has not moved.
bool untouched(const MoveRecord& r, int n, int x, int y) {
  for (int k = 1; k <= n && k <= RECORD_LAST; ++k) {
    const auto i = static_cast<size_t>(k);
    if ((r.record_from_x[i] == x && r.record_from_y[i] == y) || (r.record_to_x[i] == x && r.record_to_y[i] == y))
      return false;
  }
  return true;
}

// The castling rights the game's rules would grant an army on entry n, as
// FEN letters: king and rook at home and never moved. The king stands on
// column 5, or on 4 where kings and queens were exchanged.
std::string castling_rights(const App& app, int n, bool upper) {
  const Board& b = board_at(app, n);
  const int row = upper ? 1 : BOARD_SIZE;
  const int s = upper ? 1 : -1;
  std::string rights;
  for (const int kx : {KING_HOME_X, KING_HOME_X_SWAPPED}) {
    if (b[kx][row] != s * KING || file_of(app, kx) != 4 || !untouched(app.record, n, kx, row)) continue;
    for (const int cx : {ROOK_RIGHT_X, ROOK_LEFT_X}) {
      if (b[cx][row] != s * ROOK || !untouched(app.record, n, cx, row)) continue;
      rights += file_of(app, cx) == 7 ? 'K' : 'Q';
    }
  }
  const bool white = upper != white_is_lower(app);
  if (!white)
    for (char& c : rights) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  // Kingside first, as FEN writes them.
  if (rights.size() == 2 && (rights[0] == 'Q' || rights[0] == 'q')) std::swap(rights[0], rights[1]);
  return rights;
}

// The square a double step of entry n passed over, when a pawn of the army to
// move stands beside the pawn that made it; empty otherwise.
std::string en_passant_square(const App& app, int n) {
  if (n < 1 || n > RECORD_LAST) return {};
  const MoveRecord& r = app.record;
  const auto i = static_cast<size_t>(n);
  const int piece = r.record_piece[i];
  if (abs_code(piece) != PAWN || r.record_from_x[i] != r.record_to_x[i]) return {};
  if (abs_code(r.record_to_y[i] - r.record_from_y[i]) != 2) return {};
  const Board& b = board_at(app, n);
  const int x = r.record_to_x[i], y = r.record_to_y[i];
  if (!on_board(x, y) || b[x][y] != piece) return {};
  const bool beside = (x > 1 && b[x - 1][y] == -piece) || (x < BOARD_SIZE && b[x + 1][y] == -piece);
  if (!beside) return {};
  return name_of(app, x, (r.record_from_y[i] + y) / 2);
}

int pieces_on(const Board& b) {
  int n = 0;
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y) n += b[x][y] != EMPTY;
  return n;
}

}  // namespace

bool white_is_lower(const App& app) { return app.game.colors_swapped != 1; }

int plies_since_capture_or_pawn(const App& app, int n) {
  const MoveRecord& r = app.record;
  int plies = 0;
  for (int k = n < RECORD_LAST ? n : RECORD_LAST; k >= 1; --k) {
    const auto i = static_cast<size_t>(k);
    const Board& before = r.record_board[i - 1];
    if (abs_code(r.record_piece[i]) == PAWN) break;
    // A promotion puts another piece where the pawn arrives.
    const int fx = r.record_from_x[i], fy = r.record_from_y[i];
    if (on_board(fx, fy) && abs_code(before[fx][fy]) == PAWN) break;
    if (pieces_on(r.record_board[i]) < pieces_on(before)) break;
    ++plies;
  }
  return plies;
}

std::string position_fen(const App& app, bool upper_to_move) {
  const Board& b = app.game.board;
  const bool white_lower = white_is_lower(app);
  std::string s;
  for (int rank = 7; rank >= 0; --rank) {
    int empty = 0;
    for (int file = 0; file < 8; ++file) {
      int x, y;
      square_of(app, file, rank, x, y);
      const int code = b[x][y];
      if (code == EMPTY) {
        ++empty;
        continue;
      }
      if (empty) s += static_cast<char>('0' + empty), empty = 0;
      const char letter = PIECE_LETTERS[abs_code(code) <= KING ? abs_code(code) : 0];
      const bool white = (code < 0) == white_lower;
      s += white ? letter : static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    }
    if (empty) s += static_cast<char>('0' + empty);
    if (rank) s += '/';
  }
  const bool white_to_move = upper_to_move != white_lower;
  s += white_to_move ? " w " : " b ";
  const int n = app.game.move_number;
  const std::string white_rights = castling_rights(app, n, !white_lower);
  const std::string black_rights = castling_rights(app, n, white_lower);
  const std::string rights = white_rights + black_rights;
  s += rights.empty() ? "-" : rights;
  // Only right after the other army's double step.
  std::string ep;
  if (n >= 1 && n <= RECORD_LAST && (app.record.record_piece[static_cast<size_t>(n)] > 0) != upper_to_move)
    ep = en_passant_square(app, n);
  s += " " + (ep.empty() ? std::string("-") : ep);
  s += " " + std::to_string(plies_since_capture_or_pawn(app, n)) + " " + std::to_string(1 + n / 2);
  return s;
}

int position_for_engine(App& app, bool upper_to_move) {
  const Board& b = app.game.board;
  int lower_kings = 0, upper_kings = 0;
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      const int code = b[x][y];
      lower_kings += code == W_KING;
      upper_kings += code == B_KING;
      if (abs_code(code) == PAWN && (y == 1 || y == BOARD_SIZE)) return 0;
    }
  }
  if (lower_kings != 1 || upper_kings != 1) return 0;
  BoardMaps maps;
  KingSquares k;
  scan_board(b, maps, k);
  // A king left attacked by the side that moved before is taken, not played on.
  if (upper_to_move) return maps.upper_attack_count[k.lower_king_x][k.lower_king_y] == 0 ? 1 : 0;
  return maps.lower_attack_count[k.upper_king_x][k.upper_king_y] == 0 ? 1 : 0;
}

std::optional<Candidate> move_from_uci(App& app, std::string_view text, bool upper) {
  const std::optional<UciMove> m = parse_uci_move(text);
  if (!m) return std::nullopt;
  Candidate c;
  square_of(app, m->from_file, m->from_rank, c.x1, c.y1);
  square_of(app, m->to_file, m->to_rank, c.x2, c.y2);
  GameState& g = app.game;
  c.moving = g.board[c.x1][c.y1];
  if (upper ? c.moving < B_PAWN : c.moving > W_PAWN) return std::nullopt;
  const bool due = promotion_due(c.x1, c.y1, c.x2, c.y2, c.moving) == 1;
  if (due != (m->promotion != 0)) return std::nullopt;
  c.placed = c.moving;
  if (due) {
    const int kind = m->promotion == 'q' ? QUEEN : m->promotion == 'r' ? ROOK : m->promotion == 'b' ? BISHOP : KNIGHT;
    c.placed = sign(c.moving) * kind;
  }
  c.captured = g.board[c.x2][c.y2];
  const int side = upper ? g.upper_player : g.lower_player;
  const bool allowed = check_piece_move(app, c.x1, c.y1, c.x2, c.y2, c.moving) == 1 &&
                       move_keeps_king_safe(app, c.x1, c.y1, c.x2, c.y2, side) == 1;
  scan_board(g.board, app.maps, g.kings);
  if (!allowed) return std::nullopt;
  return c;
}

std::string uci_text(const App& app, int x1, int y1, int x2, int y2, int moving, int placed) {
  std::string s = name_of(app, x1, y1) + name_of(app, x2, y2);
  if (abs_code(moving) == PAWN && abs_code(placed) != PAWN)
    s += static_cast<char>(std::tolower(static_cast<unsigned char>(PIECE_LETTERS[abs_code(placed)])));
  return s;
}

std::string repetition_key(const App& app, int n) {
  const Board& b = board_at(app, n);
  std::string key;
  key.reserve(80);
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y) key += static_cast<char>('A' + b[x][y] + KING);
  const MoveRecord& r = app.record;
  // The army to move: the one that did not make move n, or the one that makes move n + 1.
  int last_mover = n >= 1 && n <= RECORD_LAST ? r.record_piece[static_cast<size_t>(n)] : 0;
  if (last_mover == 0 && n < app.game.move_number && n + 1 <= RECORD_LAST)
    last_mover = -r.record_piece[static_cast<size_t>(n + 1)];
  key += last_mover > 0 ? 'l' : last_mover < 0 ? 'u' : '?';
  key += ' ' + castling_rights(app, n, false) + castling_rights(app, n, true);
  key += ' ' + en_passant_square(app, n);
  return key;
}

}  // namespace zarvo
