// Fonts by the names the windows were designed with. Faces that this machine
// does not have are replaced by fixed substitutes from Debian font packages,
// spaced where needed to the designed widths.
#pragma once

#include <QFont>
#include <QString>
#include <thread>

namespace forma {

// The family actually used for a designed face name.
QString FamigliaPer(const QString& nome);

// A font of that face at that size in points, sized in pixels so that text
// keeps its designed size in twips whatever the screen's resolution.
QFont FontPer(const QString& nome, float punti);

// The face named "Italic" is an italic face whatever its weight.
bool FontCorsivoPerNome(const QString& nome);

// The font configuration of the system (its rules and the cached lists of
// every installed face) is read the first time any text is measured, which
// building the first window does. Started before the application object is
// made, on a thread of its own, the reading overlaps the connection to the
// display and the loading of the platform's libraries; join the thread before
// the first window is built. Nothing of what the faces look like changes: the
// configuration read is the one the toolkit would read itself.
std::thread LeggiConfigurazioneCaratteri();

}  // namespace forma
