// The room the windows give their pictures, in pixels: one place for all of
// it. A picture control that is not stretched takes the size of its picture
// up to its room; a larger picture shows cut to the room, and is named once
// on stderr. So no picture, whatever its file holds, lies over a control
// that takes clicks, and the pictures the atlas ships show whole.
#pragma once

#include <QSize>

namespace forma::misure {

// A map picture, in the main window, the print window and the animation.
// The maps are drawn 521 x 337 and may be widened up to 560 to hold the
// labels that run past their right edge. In every window that shows one,
// a map of this size clears every control that takes clicks (the tests
// click each over such a map and over a far larger one).
inline constexpr QSize Carta{560, 337};
// The inset beside the map (main window).
inline constexpr QSize Inserto{233, 204};
// The flag strip under the four flag areas (main window).
inline constexpr QSize Bandiere{181, 34};
// The links badge (main window).
inline constexpr QSize Collegamenti{85, 57};
// The speaker picture of the animation's music switch.
inline constexpr QSize Altoparlanti{85, 43};
// A chronology thumbnail; the rows are 68 pixels apart.
inline constexpr QSize Miniatura{104, 67};

}  // namespace forma::misure
