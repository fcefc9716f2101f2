// Counts the paint events a widget receives, to show that work which
// changes nothing on the screen paints nothing.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace prova {

class ContaDipinti : public QObject {
public:
    explicit ContaDipinti(QWidget* w) { w->installEventFilter(this); }
    int dipinti = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++dipinti;
        return false;
    }
};

}  // namespace prova
