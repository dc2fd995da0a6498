#include "game/game_end.h"

#include <string>

#include "game/computer_turn.h"
#include "game/draw_rules.h"
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

void announce_stalemate(App& app) {
  app.platform.dialogs->message_box("ステールメイト", "判定", Buttons::Ok);
  announce_result(app, "引分");
}

namespace {

void announce_check(App& app) { app.platform.dialogs->message_box("   ** チェック **", "", Buttons::Ok); }

}  // namespace

int end_game_without_moves(App& app, int player, std::string_view winner) {
  if (has_legal_move(app, player) == 1) return 0;
  if (king_in_check(app, player) == 1) {
    announce_result(app, winner);
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
    if (end_game_by_draw_rules(app) == 1) return;
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
  if (end_game_by_draw_rules(app) == 1) return;
  if (king_in_check(app, next) == 1) announce_check(app);
  g.turn = next;
}

}  // namespace zarvo
