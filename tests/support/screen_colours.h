// Colours of the window as the player sees them, for pixel checks in window tests.
#pragma once

#include <QColor>

namespace zarvo::test {

inline const QColor TEAL(69, 155, 155);
inline const QColor RED_BROWN(186, 107, 100);
inline const QColor GRID_GREEN(0, 128, 0);
inline const QColor LIGHT_RED(255, 0, 0);
inline const QColor WHITE(255, 255, 255);
inline const QColor YELLOW(255, 255, 0);
inline const QColor BLACK(0, 0, 0);

}  // namespace zarvo::test
