// The state of the main window: one aggregate of plain structs, one per owner.
// Procedures of every subsystem take it by reference; tests make as many as
// they like.
#pragma once

#include <string>

#include "computer/computer_state.h"
#include "display/display_state.h"
#include "game/engine_state.h"
#include "game/play_state.h"
#include "records/move_record.h"
#include "records/record_file.h"
#include "rules/game_state.h"
#include "rules/position.h"
#include "shell/data_paths.h"
#include "shell/options.h"
#include "shell/platform.h"

namespace zarvo {

struct App {
  GameState game;
  Position pos;
  ComputerState com;
  MoveRecord record;
  GameOrigin origin;  // of the record loaded from PGN, until the next new game
  DisplayState display;
  Options options;
  PlayState play;
  EngineState engine;
  DrawRulesOption draw_rules;
  Sounds sounds;
  Platform platform;
  DataPaths paths;
  std::string program_dir;
};

}  // namespace zarvo
