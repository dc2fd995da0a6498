#include "computer/computer_turn.h"

#include "computer/move_scoring.h"
#include "display/board_drawing.h"
#include "display/marks.h"
#include "display/texts.h"
#include "play/promotion.h"
#include "records/move_record.h"
#include "rules/game_end.h"
#include "rules/move_rules.h"
#include "rules/pin_maps.h"
#include "shell/app.h"
#include "shell/sound.h"
#include "shell/waits.h"

namespace zarvo {
namespace {

int iabs(int v) { return v < 0 ? -v : v; }

// "思考中" in white over a dark shadow, left of the board where the caption of
// the computer's move will appear.
void show_thinking_caption(App& app) {
  const int bg = app.options.current_background;
  draw_tile(app, bg, -1, 2);
  draw_tile(app, bg, 0, 2);
  draw_tile(app, bg, -1, 3);
  draw_tile(app, bg, 0, 3);
  // The tiles of column 0 overlap the board's first column.
  draw_square(app, app.game.board[1][2], 1, 2);
  draw_square(app, app.game.board[1][3], 1, 3);
  print_at(app, -0.5, 2.5, "思考中", QB_BLACK, 0, 12);
  print_at(app, -0.6, 2.4, "思考中", QB_BRIGHT_WHITE, 0, 12);
}

}  // namespace

void prepare_search(App& app) {
  GameState& g = app.game;
  ComputerState& com = app.com;
  com.best_score = -99999;
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y) com.board_at_turn_start[x][y] = g.board[x][y];
  // On the maps of the last scan before the turn.
  com.flight_squares_before = count_flight_squares(app);
  com.b_piece_count = count_opponent_pieces(app, g.lower_player);
  scan_board(g.board, app.maps, g.kings);
  find_pins(app);
  com.pre_lower_attack_count = app.maps.lower_attack_count;
  com.pre_upper_attack_count = app.maps.upper_attack_count;
  com.pre_upper_attacker_x = app.maps.upper_attacker_x;
  com.pre_upper_attacker_y = app.maps.upper_attacker_y;
}

int search_candidates(App& app, const CandidateCallback& on_candidate) {
  GameState& g = app.game;
  Board& b = g.board;
  ComputerState& com = app.com;
  com.best = Candidate{};
  com.best_found = 0;
  for (int x1 = 1; x1 <= BOARD_SIZE; ++x1) {
    for (int y1 = 1; y1 <= BOARD_SIZE; ++y1) {
      if (b[x1][y1] < B_PAWN) continue;
      for (int x2 = 1; x2 <= BOARD_SIZE; ++x2) {
        for (int y2 = 1; y2 <= BOARD_SIZE; ++y2) {
          if (check_piece_move(app, x1, y1, x2, y2, b[x1][y1]) != 1) continue;
          com.moving_piece = b[x1][y1];
          const int dx = iabs(x1 - g.kings.lower_king_x);
          const int dy = iabs(y1 - g.kings.lower_king_y);
          com.origin_king_distance = dx > dy ? dx : dy;
          const int captured = b[x2][y2];

          // Only the moving piece moves: a castling rook stays and an en passant victim stays.
          b[x1][y1] = EMPTY;
          b[x2][y2] = com.moving_piece;
          int placed = com.moving_piece;
          if (computer_promotion_due(app, x1, y1, x2, y2, com.moving_piece) == 1) {
            b[x2][y2] = com.computer_promotion_piece;
            placed = B_QUEEN;
          }
          scan_board(b, app.maps, g.kings);
          const double score = score_move(app, captured, placed, x1, y1, x2, y2);
          b[x2][y2] = captured;
          b[x1][y1] = com.moving_piece;

          const Candidate c{x1, y1, x2, y2, com.moving_piece, placed, captured, score};
          if (on_candidate) on_candidate(c);
          // Strictly greater: of equal scores the first one tried stays.
          if (score > com.best_score) {
            com.best = c;
            com.best_found = 1;
            com.best_score = score;
            if (captured == W_KING) {
              g.winner = g.upper_player;
              return 1;
            }
          }
        }
      }
    }
  }
  return com.best_found;
}

int search_computer_move(App& app, const CandidateCallback& on_candidate) {
  prepare_search(app);
  return search_candidates(app, on_candidate);
}

void com_ban(App& app) {
  GameState& g = app.game;
  Dialogs& dialogs = *app.platform.dialogs;
  // An upper army without a legal move has been mated or stalemated.
  if (end_game_without_moves(app, g.upper_player, "あなた") == 1) return;
  if (record_has_room(g.move_number) == 0) {
    play_sound(app, app.sounds.sound_forbidden);
    dialogs.message_box("これ以上の手は棋譜に記録できません（最大500手）。\r\r局面→最初にして下さい", "棋譜", Buttons::Ok);
    g.turn = g.lower_player;
    return;
  }

  show_thinking_caption(app);
  prepare_search(app);
  app.platform.canvas->refresh();
  wait_seconds(app, 0.3);

  // Nothing of the upper army can move: the game ends drawn, as a stalemate.
  if (search_candidates(app) == 0) {
    dialogs.message_box("ステールメイト", "判定", Buttons::Ok);
    announce_result(app, "引分");
    return;
  }
  const Candidate c = app.com.best;

  blink_square(app, c.moving, c.x1, c.y1, 2);
  if (c.placed != c.moving) {
    choose_promotion(app, c.placed);
  } else if (is_en_passant(app, c.x1, c.y1, c.x2, c.y2, c.placed) == 1) {
    dialogs.message_box("アンパッサンします！", "アンパッサン", Buttons::Ok);
    // The W pawn passed over stands one row above the destination.
    g.board[c.x2][c.y2 - 1] = EMPTY;
    draw_square(app, EMPTY, c.x2, c.y2 - 1);
  }

  make_move(app, c.x1, c.y1, c.x2, c.y2, c.placed);
  wait_seconds(app, 0.5);
  play_sound(app, app.sounds.sound_piece);

  g.move_number = g.move_number + 1;
  record_move(app.record, g.board, g.move_number, c.x1, c.y1, c.x2, c.y2, c.placed);
  g.record_length = g.move_number;
  show_move_number(app, g.record_length, QB_BLACK);
  scan_board(g.board, app.maps, g.kings);

  if (g.winner == g.upper_player) {
    announce_result(app, "ｺﾝﾋﾟｭｰﾀ");
    return;
  }
  if (app.maps.upper_attack_count[g.kings.lower_king_x][g.kings.lower_king_y] > 0) {
    if (lower_king_mated(app) == 1) {
      dialogs.message_box("よし！!", "チェックメイト ?", Buttons::Ok);
      g.mate_announced = 1;
    } else {
      dialogs.message_box("   ** チェック **", "", Buttons::Ok);
    }
  }

  show_move_caption(app, UPPER_CAPTION_X, UPPER_CAPTION_Y, c.x2, c.y2, c.placed, QB_BRIGHT_WHITE);
  mark_square(app, QB_BRIGHT_WHITE, c.x2, c.y2);
  g.turn = g.lower_player;
  // The human left without a move: mated, or stalemated.
  end_game_without_moves(app, g.lower_player, "ｺﾝﾋﾟｭｰﾀ");
}

}  // namespace zarvo
