// The mark Qt's translation tools look for around a text the player reads.
// Below qt/ nothing sees Qt, so here it is a plain pass-through; the text is
// translated where it is shown.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
