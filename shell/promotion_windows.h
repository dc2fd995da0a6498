// The promotion chooser windows Form2 (black pictures) and Form3 (white pictures)
// as the game sees them.
#pragma once

namespace zarvo {

constexpr int FORM_BLACK = 2;  // Form2, " 黒": writes B-side codes
constexpr int FORM_WHITE = 3;  // Form3, "  白": writes W-side codes

// Where a chooser appears, relative to the main window's top-left, in twips.
constexpr int CHOOSER_TOP_OFFSET = 1400;
constexpr int CHOOSER_LEFT_OFFSET = 50;

// What the game needs of the two chooser windows; the Qt shell shows real
// windows, tests press buttons from a script.
class PromotionWindows {
 public:
  virtual ~PromotionWindows() = default;
  // Shows the window modally at the offsets from the main window; returns once
  // a button has unloaded it.
  virtual void show_modal(int form, int top_offset, int left_offset) = 0;
  // Shows the window without waiting, and repaints it.
  virtual void show(int form, int top_offset, int left_offset) = 0;
  virtual void hide_all() = 0;
  // The button of piece kind 1..5 gives way to its selected picture at (left, top) twips; repaints.
  virtual void show_selected(int form, int kind, int left, int top) = 0;
  // The button picture is shown again and the selected picture hidden.
  virtual void restore_button(int form, int kind) = 0;
  // Ends the window's display (and a modal wait).
  virtual void unload(int form) = 0;
};

}  // namespace zarvo
