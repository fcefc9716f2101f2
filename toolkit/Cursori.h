// Mouse cursors of our own drawing.
#pragma once

#include <QCursor>

namespace forma {

// A hand with a pointing finger, hot spot at the finger tip.
QCursor CursoreMano();
// The system cross-hair.
QCursor CursoreCroce();

}  // namespace forma
