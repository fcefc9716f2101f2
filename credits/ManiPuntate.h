// The two hand cursors of the credits window: a hand pointing left (Back) and
// a hand pointing right (Exit), drawn here rather than read from icon files.
#pragma once

#include <QCursor>

namespace collaboratori {

// Hot spot at the tip of the pointing finger.
QCursor CursoreManoSinistra();
QCursor CursoreManoDestra();

}  // namespace collaboratori
