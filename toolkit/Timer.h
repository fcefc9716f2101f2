// A timer: raises its handler every Interval milliseconds while enabled.
// An interval of 0 raises nothing.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace forma {

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* padre = nullptr);

    int Interval() const { return intervallo_; }
    void setInterval(int ms);
    bool Enabled() const { return abilitato_; }
    void setEnabled(bool e);

    std::function<void()> Tick;  // the control's Timer event

private:
    void aggiorna();

    QTimer timer_;
    int intervallo_ = 0;
    bool abilitato_ = true;
};

}  // namespace forma
