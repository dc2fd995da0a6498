#include "rules/game_end.h"

#include <string>

#include "computer/computer_turn.h"
#include "rules/move_rules.h"
#include "shell/app.h"
#include "shell/startup.h"

namespace zarvo {

int king_boxed_in(App& app, int kx, int ky) {
  if (!on_board(kx, ky)) return 1;
  const int k = app.game.board[kx][ky];
  if (k != B_KING && k != W_KING) return 1;
  // A king is boxed in when it stands free but every square around it is watched.
  const SquareMap<int>& attacks = k == B_KING ? app.maps.lower_attack_count : app.maps.upper_attack_count;
  if (attacks[kx][ky] != 0) return 0;
  for (int x = kx - 1; x <= kx + 1; ++x) {
    for (int y = ky - 1; y <= ky + 1; ++y) {
      if (!on_board(x, y) || (x == kx && y == ky)) continue;
      if (attacks[x][y] == 0) return 0;
    }
  }
  return 1;
}

int upper_king_mated(App& app) {
  const int kx = app.game.kings.upper_king_x;
  const int ky = app.game.kings.upper_king_y;
  if (!on_board(kx, ky)) return 0;
  if (app.maps.lower_attack_count[kx][ky] == 0) return 0;
  for (int x = kx - 1; x <= kx + 1; ++x) {
    for (int y = ky - 1; y <= ky + 1; ++y) {
      if (!on_board(x, y)) continue;
      if (check_piece_move(app, kx, ky, x, y, B_KING) == 1 && app.maps.lower_attack_count[x][y] == 0) return 0;
    }
  }
  // Any other piece that captures the checker or steps between. The squares
  // that end the check are those of the real position: each trial rescans the
  // maps, and a trial that uncovers a second checker must not hide the squares
  // still to be tried.
  const SquareMap<int> check_squares = app.maps.lower_check_map;
  Board& b = app.game.board;
  for (int a = 1; a <= BOARD_SIZE; ++a) {
    for (int c = 1; c <= BOARD_SIZE; ++c) {
      const int piece = b[a][c];
      if (piece < B_PAWN || piece > B_QUEEN) continue;
      for (int x = 1; x <= BOARD_SIZE; ++x) {
        for (int y = 1; y <= BOARD_SIZE; ++y) {
          if (check_squares[x][y] <= 0) continue;
          if (check_piece_move(app, a, c, x, y, piece) != 1) continue;
          const int taken = b[x][y];
          b[x][y] = piece;
          b[a][c] = EMPTY;
          scan_board(b, app.maps, app.game.kings);
          b[x][y] = taken;
          b[a][c] = piece;
          const KingSquares& k = app.game.kings;
          if (app.maps.lower_attack_count[k.upper_king_x][k.upper_king_y] == 0) return 0;
        }
      }
    }
  }
  return 1;
}

void announce_result(App& app, std::string_view label) {
  Dialogs& d = *app.platform.dialogs;
  if (label == "引分") {
    d.message_box("引き分けです", "終了", Buttons::Ok);
  } else {
    d.message_box(std::string(label) + "の勝ちです", "終了", Buttons::Ok);
  }
  if (d.message_box("続けますか？", "再ゲーム", Buttons::YesNo) == Answer::Yes) {
    reset_game(app);
    return;
  }
  end_program(app);
  app.platform.lifecycle->terminate();
}

void announce_stalemate(App& app) {
  app.platform.dialogs->message_box("ステールメイト", "判定", Buttons::Ok);
  announce_result(app, "引分");
}

namespace {

void announce_check(App& app) { app.platform.dialogs->message_box("   ** チェック **", "", Buttons::Ok); }

// The maps and king squares as a caller left them, put back after tests that
// rescan: the computer's turn reads what the last scan before it left.
struct MapsKeeper {
  App& app;
  const BoardMaps maps;
  const KingSquares kings;
  explicit MapsKeeper(App& a) : app(a), maps(a.maps), kings(a.game.kings) {}
  ~MapsKeeper() {
    app.maps = maps;
    app.game.kings = kings;
  }
};

}  // namespace

int king_in_check(App& app, int player) {
  GameState& g = app.game;
  if (player != g.lower_player && player != g.upper_player) return 0;
  const MapsKeeper keep(app);
  scan_board(g.board, app.maps, g.kings);
  const bool upper = player == g.upper_player;
  const int x = upper ? g.kings.upper_king_x : g.kings.lower_king_x;
  const int y = upper ? g.kings.upper_king_y : g.kings.lower_king_y;
  if (!on_board(x, y) || g.board[x][y] != (upper ? B_KING : W_KING)) return 0;
  return (upper ? app.maps.lower_attack_count[x][y] : app.maps.upper_attack_count[x][y]) > 0 ? 1 : 0;
}

int has_legal_move(App& app, int player) {
  GameState& g = app.game;
  if (player != g.lower_player && player != g.upper_player) return 0;
  const bool upper = player == g.upper_player;
  // After the computer's mate announcement the human's move takes any move the
  // movement rules allow; the computer's own moves are always judged.
  const bool unsafe_accepted = g.mate_announced == 1 && !(upper && g.game_kind == KIND_VS_COMPUTER);
  const MapsKeeper keep(app);
  const Board& b = g.board;
  for (int a = 1; a <= BOARD_SIZE; ++a) {
    for (int c = 1; c <= BOARD_SIZE; ++c) {
      const int piece = b[a][c];
      if (upper ? piece < B_PAWN : piece > W_PAWN) continue;
      for (int x = 1; x <= BOARD_SIZE; ++x) {
        for (int y = 1; y <= BOARD_SIZE; ++y) {
          if (check_piece_move(app, a, c, x, y, piece) != 1) continue;
          // Taking the king ends the game, whatever it leaves behind.
          const int target = b[x][y];
          if (target == B_KING || target == W_KING || unsafe_accepted) return 1;
          if (move_keeps_king_safe(app, a, c, x, y, player) == 1) return 1;
        }
      }
    }
  }
  return 0;
}

int end_game_without_moves(App& app, int player, std::string_view 勝手) {
  if (has_legal_move(app, player) == 1) return 0;
  if (king_in_check(app, player) == 1) {
    announce_result(app, 勝手);
  } else {
    announce_stalemate(app);
  }
  return 1;
}

void end_of_move_evaluation(App& app, int captured) {
  GameState& g = app.game;
  if (g.game_kind == KIND_VS_COMPUTER) {
    if (captured == B_KING) {
      announce_result(app, "あなた");
      return;
    }
    if (upper_king_mated(app) == 1) {
      announce_result(app, "あなた");
      return;
    }
    // The computer's turn first ends the game when the upper army cannot move.
    if (g.winner == NONE) com_ban(app);
    return;
  }
  if (g.game_kind != KIND_TWO_HUMANS) return;
  if (captured == B_KING) {
    announce_result(app, "先手");
    return;
  }
  if (captured == W_KING) {
    announce_result(app, "後手");
    return;
  }
  if (g.turn != FIRST && g.turn != SECOND) return;
  const int next = g.turn == FIRST ? SECOND : FIRST;
  // A player left without a move is mated (the mover wins) or stalemated.
  if (end_game_without_moves(app, next, g.turn == FIRST ? "先手" : "後手") == 1) return;
  if (king_in_check(app, next) == 1) announce_check(app);
  g.turn = next;
}

}  // namespace zarvo
