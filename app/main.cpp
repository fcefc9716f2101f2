// CARTAVIVA: the main window is the start-up object. Its start-up runs before
// it is first shown, so the first frame already shows map 1.
#include <QApplication>

#include "main_window/Tavolavel.h"
#include "toolkit/Registro.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CARTAVIVA"));
    Tavolavel& principale = forma::Finestra<Tavolavel>();
    principale.Show();
    const int esito = QApplication::exec();
    forma::DistruggiTutte();
    return esito;
}
