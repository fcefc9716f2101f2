// Fonts by the names the windows were designed with. Faces that this machine
// does not have are replaced by fixed substitutes from Debian font packages,
// spaced where needed to the designed widths.
#pragma once

#include <QFont>
#include <QString>

namespace forma {

// The family actually used for a designed face name.
QString FamigliaPer(const QString& nome);

// A font of that face at that size in points, sized in pixels so that text
// keeps its designed size in twips whatever the screen's resolution.
QFont FontPer(const QString& nome, float punti);

// The face named "Italic" is an italic face whatever its weight.
bool FontCorsivoPerNome(const QString& nome);

}  // namespace forma
