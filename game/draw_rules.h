// The draws of the chess rules, played when the option is on: threefold
// repetition, fifty moves without a capture or pawn move, and no mating material.
#pragma once

#include <string_view>

namespace zarvo {

struct App;

enum class DrawRule { None, Repetition, FiftyMoves, Material };

// The rule that draws the position of record entry n, whether the option is on or not.
DrawRule draw_by_rule(const App& app, int n);
// The announcement of each rule.
std::string_view draw_rule_text(DrawRule rule);
// With the option on and the position on the board drawn by a rule: the
// rule's text, then the draw; answers 1 when the game was ended.
int end_game_by_draw_rules(App& app);
// The option menu item.
void HIKIWAKE_Click(App& app);

}  // namespace zarvo
