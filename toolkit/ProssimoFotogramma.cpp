#include "toolkit/ProssimoFotogramma.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace forma {

namespace {

// Watches the window's paint events; the first one schedules the action for
// when the event loop is back, that is once the frame has been flushed.
class Attesa : public QObject {
public:
    Attesa(QWidget& finestra, std::function<void()> azione, int limiteMs)
        : QObject(&finestra), azione_(std::move(azione)) {
        finestra.installEventFilter(this);
        QTimer::singleShot(limiteMs, this, [this] { esegui(); });
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !programmata_) {
            programmata_ = true;
            o->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { esegui(); });
        }
        return false;
    }

private:
    void esegui() {
        if (!azione_) return;
        std::function<void()> azione = std::move(azione_);
        azione_ = nullptr;
        deleteLater();
        azione();
    }

    std::function<void()> azione_;
    bool programmata_ = false;
};

}  // namespace

void DopoIlProssimoFotogramma(QWidget& finestra, std::function<void()> azione, int limiteMs) {
    new Attesa(finestra, std::move(azione), limiteMs);
}

}  // namespace forma
