#include "game/engine_position.h"

#include "computer/uci.h"
#include "records/move_record.h"
#include "rules/board_maps.h"
#include "rules/move_rules.h"
#include "rules/position.h"
#include "shell/app.h"

namespace zarvo {
namespace {

constexpr int PAWN = 1, KNIGHT = 2, BISHOP = 3, ROOK = 4, QUEEN = 5;
constexpr const char* PIECE_LETTERS = " pnbrqk";

Orientation orientation(const App& app) { return orientation_of(app.pos, app.game.colors_swapped); }

// The position of record entry n with what the rules keep of its past.
Position position_at(const App& app, int n) {
  Position p = app.pos;
  if (n != app.game.move_number) {
    p.board = app.record.record_board[static_cast<size_t>(n)];
    restore_history(app.record, n, p);
  }
  rescan(p);
  return p;
}

// The army to move on entry n: the one that did not make move n, or the one
// that makes move n + 1. -1 when the record does not say.
int upper_to_move_at(const App& app, int n) {
  const MoveRecord& r = app.record;
  const int last = n >= 1 && n <= RECORD_LAST ? r.record_piece[static_cast<size_t>(n)] : 0;
  if (last != 0) return last < 0 ? 1 : 0;
  if (n < app.game.move_number && n + 1 <= RECORD_LAST) {
    const int next = r.record_piece[static_cast<size_t>(n + 1)];
    if (next != 0) return next > 0 ? 1 : 0;
  }
  return -1;
}

}  // namespace

bool white_is_lower(const App& app) { return orientation(app).white_is_lower == 1; }

int plies_since_capture_or_pawn(const App& app, int n) {
  if (n == app.game.move_number) return app.pos.halfmove_clock;
  Position p;
  restore_history(app.record, n, p);
  return p.halfmove_clock;
}

std::string position_fen(const App& app, bool upper_to_move) {
  return to_fen(app.pos, orientation(app), upper_to_move ? 1 : 0);
}

int position_for_engine(App& app, bool upper_to_move) {
  const Board& b = app.pos.board;
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
  const Orientation o = orientation(app);
  Candidate c;
  c.x1 = o.x_of(m->from_file), c.y1 = o.y_of(m->from_rank);
  c.x2 = o.x_of(m->to_file), c.y2 = o.y_of(m->to_rank);
  const Board& b = app.pos.board;
  c.moving = b[c.x1][c.y1];
  c.captured = b[c.x2][c.y2];
  if (upper ? c.moving < B_PAWN : c.moving > W_PAWN) return std::nullopt;
  c.placed = c.moving;
  if (m->promotion) {
    const int kind = m->promotion == 'q' ? QUEEN : m->promotion == 'r' ? ROOK : m->promotion == 'b' ? BISHOP : KNIGHT;
    c.placed = upper ? kind : -kind;
  }
  // The engine's word is taken only for a move the game's rules allow.
  for (const Move& legal : legal_moves(app.pos, upper ? 1 : 0))
    if (legal == Move{c.x1, c.y1, c.x2, c.y2, c.placed} && abs_code(c.captured) != B_KING) return c;
  return std::nullopt;
}

std::string uci_text(const App& app, int x1, int y1, int x2, int y2, int moving, int placed) {
  const Orientation o = orientation(app);
  std::string s = o.square_name(x1, y1) + o.square_name(x2, y2);
  if (abs_code(moving) == PAWN && abs_code(placed) != PAWN) s += PIECE_LETTERS[abs_code(placed)];
  return s;
}

std::string repetition_key(const App& app, int n) {
  const Position p = position_at(app, n);
  const int upper = upper_to_move_at(app, n);
  // Board, army to move and castling rights as FEN writes them; the en passant
  // square only counts when a pawn can really take there.
  std::string fen = to_fen(p, orientation(app), upper == 1 ? 1 : 0);
  const size_t ep_field = fen.find(' ', fen.find(' ', fen.find(' ') + 1) + 1);
  std::string key = fen.substr(0, ep_field) + (upper < 0 ? " ?" : "");
  if (p.ep_x != 0 && upper >= 0) {
    for (const Move& m : legal_moves(p, upper)) {
      if (m.to_x == p.ep_x && m.to_y == p.ep_y && abs_code(p.board[m.from_x][m.from_y]) == PAWN) {
        key += " ep" + std::to_string(p.ep_x);
        break;
      }
    }
  }
  return key;
}

}  // namespace zarvo
