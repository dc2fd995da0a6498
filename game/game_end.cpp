#include "game/game_end.h"

#include <string>

#include "game/computer_turn.h"
#include "rules/mate_tests.h"
#include "rules/move_rules.h"
#include "shell/app.h"
#include "shell/startup.h"

namespace zarvo {

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

namespace {

void announce_stalemate(App& app) {
  app.platform.dialogs->message_box("ステールメイト", "判定", Buttons::Ok);
  announce_result(app, "引分");
}

void announce_check(App& app) { app.platform.dialogs->message_box("   ** チェック **", "", Buttons::Ok); }

}  // namespace

void end_of_move_evaluation(App& app, int captured) {
  GameState& g = app.game;
  const KingSquares& k = g.kings;
  if (g.game_kind == KIND_VS_COMPUTER) {
    if (captured == B_KING) {
      announce_result(app, "あなた");
      return;
    }
    if (king_boxed_in(app, k.upper_king_x, k.upper_king_y) == 1) {
      announce_stalemate(app);
      return;
    }
    if (upper_king_mated(app) == 1) {
      announce_result(app, "あなた");
      return;
    }
    if (g.winner == NONE) com_ban(app);
    return;
  }
  if (g.game_kind != KIND_TWO_HUMANS) return;
  if (g.turn == FIRST) {
    const int n = count_opponent_pieces(app, g.upper_player);
    if (n == 1 && king_boxed_in(app, k.upper_king_x, k.upper_king_y) == 1) {
      announce_stalemate(app);
      return;
    }
    if (on_board(k.upper_king_x, k.upper_king_y) && app.maps.lower_attack_count[k.upper_king_x][k.upper_king_y] > 0)
      announce_check(app);
  } else if (g.turn == SECOND) {
    const int n = count_opponent_pieces(app, g.lower_player);
    if (n == 1 && king_boxed_in(app, k.lower_king_x, k.lower_king_y) == 1) {
      announce_stalemate(app);
      return;
    }
    if (on_board(k.lower_king_x, k.lower_king_y) && app.maps.upper_attack_count[k.lower_king_x][k.lower_king_y] > 0)
      announce_check(app);
  }
  if (captured == B_KING) {
    announce_result(app, "先手");
    return;
  }
  if (captured == W_KING) {
    announce_result(app, "後手");
    return;
  }
  if (g.turn == FIRST) {
    g.turn = SECOND;
  } else if (g.turn == SECOND) {
    g.turn = FIRST;
  }
}

}  // namespace zarvo
