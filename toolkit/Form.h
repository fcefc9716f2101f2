// A window: full screen, borderless, on its back colour. Its controls are
// children placed in twips; the form's own mouse events fire only over its
// bare surface (and the shapes, which never take the mouse).
#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>

#include "toolkit/Colori.h"
#include "toolkit/Controllo.h"

namespace forma {

class Form : public QWidget {
    Q_OBJECT
public:
    Form();

    // Start-up of the window, run once by the registry right after creation.
    virtual void Form_Load() {}
    virtual void Form_MouseMove(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void Form_MouseDown(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}

    Colore BackColor() const { return backColor_; }
    void setBackColor(Colore c);
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& c) { setWindowTitle(c); }
    float Left() const { return left_; }
    float Top() const { return top_; }
    void setLeft(float l) { left_ = l; }
    void setTop(float t) { top_ = t; }

    // Modeless, full screen, brought to the front.
    void Show();
    void Hide();

    // The keyboard focus order of the controls, as Tab goes; the first holds
    // the focus when the window shows.
    void OrdineDelFuoco(std::initializer_list<Controllo*> controlli);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    Colore backColor_ = ColoreFacciaPulsante;
    float left_ = 0, top_ = 0;
};

}  // namespace forma
