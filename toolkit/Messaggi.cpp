#include "toolkit/Messaggi.h"

#include <QApplication>
#include <QMessageBox>

namespace forma {

namespace {
GestoreMsgBox& sostituto() {
    static GestoreMsgBox g;
    return g;
}
}  // namespace

void SostituisciMsgBox(GestoreMsgBox g) { sostituto() = std::move(g); }

int MsgBox(const QString& prompt, int pulsanti, const QString& titolo) {
    if (sostituto()) return sostituto()(prompt, pulsanti, titolo);
    QMessageBox box(QApplication::activeWindow());
    box.setText(prompt);
    box.setWindowTitle(titolo.isEmpty() ? QStringLiteral(" ") : titolo);
    switch (pulsanti & 0x70) {
        case vbQuestion: box.setIcon(QMessageBox::Question); break;
        case vbCritical: box.setIcon(QMessageBox::Critical); break;
        case vbExclamation: box.setIcon(QMessageBox::Warning); break;
        case vbInformation: box.setIcon(QMessageBox::Information); break;
        default: break;
    }
    if ((pulsanti & 0x7) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return vbOK;
}

}  // namespace forma
