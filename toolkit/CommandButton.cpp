#include "toolkit/CommandButton.h"

#include <QPushButton>

namespace forma {

CommandButton::CommandButton(QWidget* padre) : Controllo(padre), pulsante_(new QPushButton(this)) {
    // The push button takes the keyboard focus for the control.
    setFocusProxy(pulsante_);
    connect(pulsante_, &QPushButton::clicked, this, [this] {
        if (Click) Click();
    });
}

QString CommandButton::Caption() const { return pulsante_->text(); }
void CommandButton::setCaption(const QString& c) { pulsante_->setText(c); }

void CommandButton::setValue(bool premuto) {
    if (premuto && Click) Click();
}

void CommandButton::resizeEvent(QResizeEvent*) { pulsante_->setGeometry(rect()); }

}  // namespace forma
