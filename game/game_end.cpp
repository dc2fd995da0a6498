#include "game/game_end.h"

#include <string>

#include "game/computer_turn.h"
#include "game/draw_rules.h"
#include "rules/mate_tests.h"
#include "rules/move_rules.h"
#include "shell/app.h"
#include "shell/startup.h"

namespace zarvo {
namespace {

// The results as whole sentences, so that a translation words each its own way.
[[maybe_unused]] constexpr const char* RESULT_TEXTS[] = {
    QT_TRANSLATE_NOOP("Message", "あなたの勝ちです"), QT_TRANSLATE_NOOP("Message", "ｺﾝﾋﾟｭｰﾀの勝ちです"),
    QT_TRANSLATE_NOOP("Message", "先手の勝ちです"), QT_TRANSLATE_NOOP("Message", "後手の勝ちです")};

}  // namespace

void announce_result(App& app, std::string_view label) {
  Dialogs& d = *app.platform.dialogs;
  if (label == "引分") {
    d.message_box(QT_TRANSLATE_NOOP("Message", "引き分けです"), QT_TRANSLATE_NOOP("Message", "終了"), Buttons::Ok);
  } else {
    d.message_box(std::string(label) + "の勝ちです", QT_TRANSLATE_NOOP("Message", "終了"), Buttons::Ok);
  }
  if (d.message_box(QT_TRANSLATE_NOOP("Message", "続けますか？"), QT_TRANSLATE_NOOP("Message", "再ゲーム"),
                    Buttons::YesNo) == Answer::Yes) {
    reset_game(app);
    return;
  }
  end_program(app);
  app.platform.lifecycle->terminate();
}

void announce_stalemate(App& app) {
  app.platform.dialogs->message_box(QT_TRANSLATE_NOOP("Message", "ステールメイト"),
                                    QT_TRANSLATE_NOOP("Message", "判定"), Buttons::Ok);
  announce_result(app, "引分");
}

namespace {

void announce_check(App& app) {
  app.platform.dialogs->message_box(QT_TRANSLATE_NOOP("Message", "   ** チェック **"), "", Buttons::Ok);
}

}  // namespace

namespace {

bool plays(const GameState& g, int player) { return player == g.lower_player || player == g.upper_player; }

// 1 when the king of the player's army stands attacked.
int player_in_check(const App& app, int player) {
  const GameState& g = app.game;
  return plays(g, player) ? king_in_check(app.pos, player == g.upper_player ? 1 : 0) : 0;
}

}  // namespace

int end_game_without_moves(App& app, int player, std::string_view winner) {
  const GameState& g = app.game;
  const int upper = player == g.upper_player ? 1 : 0;
  // After the computer's mate announcement the human's move takes any move the
  // movement rules allow; the computer's own moves are always judged.
  const int unsafe_accepted = g.mate_announced == 1 && !(upper && g.game_kind == KIND_VS_COMPUTER) ? 1 : 0;
  if (plays(g, player) && has_legal_move(app.pos, upper, unsafe_accepted) == 1) return 0;
  if (player_in_check(app, player) == 1) {
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
    if (upper_king_mated(app.pos) == 1) {
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
  if (player_in_check(app, next) == 1) announce_check(app);
  g.turn = next;
}

}  // namespace zarvo
