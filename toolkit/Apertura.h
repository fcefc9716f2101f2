// Opening a document with the desktop's opener (the user's web browser for a
// page), without a shell and without waiting for it.
#pragma once

#include <QString>
#include <functional>

namespace forma {

// Starts the opener on the file; false when it could not be started.
bool ApriDocumento(const QString& percorsoAssoluto);

using GestoreApertura = std::function<bool(const QString&)>;
void SostituisciApertura(GestoreApertura g);  // tests; empty: the real opener

}  // namespace forma
