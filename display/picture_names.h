// The names of the program's pictures, shared by the board drawing, the Qt
// windows and the picture library.
#pragma once

namespace zarvo {

// The picture name of each piece kind 1..6 (pawn..king), as in "B_PORN_1".
inline constexpr const char* PIECE_KIND_NAMES[7] = {"", "PORN", "KNIG", "BISH", "ROOK", "QEEN", "KING"};

}  // namespace zarvo
