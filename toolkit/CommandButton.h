// A command button. Other windows "press" it by setting its value: the click
// handler runs at once, before the setter returns, even on a hidden window.
#pragma once

#include <QString>

#include "toolkit/Controllo.h"

class QPushButton;

namespace forma {

class CommandButton : public Controllo {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* padre);

    QString Caption() const;
    void setCaption(const QString& c);

    bool Value() const { return false; }
    void setValue(bool premuto);

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QPushButton* pulsante_;
};

}  // namespace forma
