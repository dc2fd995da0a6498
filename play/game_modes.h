// Starting games: two humans, or against the computer moving first or second.
#pragma once

namespace zarvo {

struct App;

void SENTE_Click(App& app);
void GOTE_Click(App& app);
void START_Click(App& app);
void MATCH_MAN_Click(App& app);
// After the board was flipped during a game: the army that was to move moves
// next; when that army is now the computer's, the computer moves at once.
void continue_after_flip(App& app);
// Opening the menus 対局, 局面 and ｵﾌﾟｼｮﾝ closes the record panel.
void TAIKYOKU_Click(App& app);
void STOP_Click(App& app);
void OPTION_Click(App& app);

}  // namespace zarvo
