// A multi-line text box with a vertical scroll bar. It keeps its text exactly
// as set (line ends included) and can be made read-only for the reader.
#pragma once

#include <QString>

#include "toolkit/Colori.h"
#include "toolkit/Controllo.h"

class QPlainTextEdit;

namespace forma {

class TextBox : public Controllo {
    Q_OBJECT
public:
    explicit TextBox(QWidget* padre);

    const QString& Text() const { return testo_; }
    void setText(const QString& t);

    void setForeColor(Colore c);
    Colore ForeColor() const { return foreColor_; }
    void setBackColor(Colore c);
    Colore BackColor() const { return backColor_; }
    void setLocked(bool l);
    void setBorderStyle(int b);
    void setFont(const QString& nome, float punti, bool grassetto = false);

    QPlainTextEdit* editor() const { return editor_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void aggiornaColori();

    QPlainTextEdit* editor_;
    QString testo_;
    Colore foreColor_ = 0x000000;
    Colore backColor_ = 0xFFFFFF;
};

}  // namespace forma
