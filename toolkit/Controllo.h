// Base of every control on a form: a place and size in twips, and the mouse
// events with their coordinates in twips. Every control takes the mouse over
// it, handler or not, so the form's own events fire only over the bare form.
#pragma once

#include <QWidget>
#include <functional>

namespace forma {

// Mouse buttons and shift state as the handlers receive them.
enum Pulsante : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum Maiuscole : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

using GestoreMouse = std::function<void(int Button, int Shift, float X, float Y)>;

class Controllo : public QWidget {
    Q_OBJECT
public:
    explicit Controllo(QWidget* padre);

    float Top() const { return top_; }
    float Left() const { return left_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    virtual void setTop(float t);
    virtual void setLeft(float l);
    virtual void setWidth(float w);
    virtual void setHeight(float h);
    void Move(float left, float top, float width, float height);

    // Visible is the property as the window sets it; a control that has
    // nothing to draw nor to press may stay off the screen meanwhile.
    bool Visible() const { return visibile_; }
    void setVisible(bool v) override;
    bool Enabled() const { return isEnabled(); }
    void setEnabled(bool e) { QWidget::setEnabled(e); }

    // Handlers named after the events; empty ones do nothing.
    std::function<void()> Click;
    std::function<void()> DblClick;
    GestoreMouse MouseDown;
    GestoreMouse MouseUp;
    GestoreMouse MouseMove;

protected:
    // Whether the control, Visible or not, has anything to draw or to press.
    virtual bool haPresenza() const { return true; }
    // Shows or hides the widget after Visible or haPresenza() changed.
    void aggiornaPresenza();

    // Sets the geometry from the twips (after a change of place or size).
    void applicaGeometria();
    // For controls whose size follows their content (auto-size labels,
    // pictures): sets the size in twips from a size in pixels.
    void impostaDimensioniPixel(int larghezza, int altezza);

    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

    // Raises the mouse events from a child widget's event in this control.
    void inoltraMouse(QEvent* e, QWidget* sorgente);

private:
    float top_ = 0, left_ = 0, width_ = 0, height_ = 0;
    bool visibile_ = true;
    bool premuto_ = false;
};

int pulsanteDi(Qt::MouseButtons b);
int maiuscoleDi(Qt::KeyboardModifiers m);

}  // namespace forma
