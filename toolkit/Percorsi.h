// Paths are written as the designs wrote them ("atlante\5000bac.gif"), relative
// to the working folder. Here they become local paths: '/' for '\', and where
// the exact name is missing, each element matched without regard to case.
#pragma once

#include <QString>

namespace forma {

// The local path for a designed path. When no file matches, the path with only
// the separators mapped is returned (so the caller can name it in a message).
QString PercorsoLocale(const QString& percorso);

}  // namespace forma
