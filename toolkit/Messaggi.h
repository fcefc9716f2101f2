// Modal message boxes. Tests answer them through a stand-in, since a real box
// waits for a person.
#pragma once

#include <QString>
#include <functional>

namespace forma {

// Buttons and icon, combined by adding them; answers.
enum : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum : int { vbOK = 1, vbYes = 6, vbNo = 7 };

// Shows the box and returns the button chosen. An empty title shows none.
int MsgBox(const QString& prompt, int pulsanti = vbOKOnly, const QString& titolo = QString());

using GestoreMsgBox = std::function<int(const QString& prompt, int pulsanti, const QString& titolo)>;
void SostituisciMsgBox(GestoreMsgBox g);  // empty: real boxes again

}  // namespace forma
