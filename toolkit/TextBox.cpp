#include "toolkit/TextBox.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "toolkit/Caratteri.h"

namespace forma {

namespace {

// The box's scroll bar. Every new text sets its page step to the text's
// line count; while the text fits the box there is nothing to scroll and
// the bar looks the same whatever its page step, so that change alone does
// not repaint it. Any change of range or value still does.
class BarraTesto : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void sliderChange(SliderChange cambio) override {
        if (cambio == SliderStepsChange && minimum() == maximum()) return;
        QScrollBar::sliderChange(cambio);
    }
};

}  // namespace

TextBox::TextBox(QWidget* padre) : Controllo(padre), editor_(new QPlainTextEdit(this)) {
    editor_->setVerticalScrollBar(new BarraTesto(Qt::Vertical, editor_));
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor_->setMouseTracking(true);
    editor_->viewport()->setMouseTracking(true);
    editor_->viewport()->installEventFilter(this);
    editor_->verticalScrollBar()->setMouseTracking(true);
    editor_->verticalScrollBar()->installEventFilter(this);
    aggiornaColori();
}

void TextBox::setText(const QString& t) {
    if (t == testo_ && !editor_->document()->isModified()) {
        // The same text again, and the reader has not edited it: nothing to
        // lay out anew, but the box shows it as a fresh setting would, from
        // its start and with nothing selected.
        QTextCursor inizio(editor_->document());
        editor_->setTextCursor(inizio);
        editor_->verticalScrollBar()->setValue(editor_->verticalScrollBar()->minimum());
        return;
    }
    testo_ = t;
    // The new text replaces the old in one edit: the box lays it out once
    // and its scroll bar goes straight to its new range. Setting it afresh
    // would empty the box first, lay the text out twice and move the scroll
    // bar through an empty box's range, repainting it even when it ends as
    // it was. Like a fresh setting, it leaves nothing to undo, the box shows
    // its start with nothing selected, and the change reaches the
    // accessibility bridge as an edit of the text.
    QTextDocument* documento = editor_->document();
    const bool annullabile = documento->isUndoRedoEnabled();
    documento->setUndoRedoEnabled(false);
    QTextCursor tutto(documento);
    tutto.beginEditBlock();
    tutto.select(QTextCursor::Document);
    tutto.insertText(t);
    tutto.endEditBlock();
    documento->setUndoRedoEnabled(annullabile);
    documento->setModified(false);
    editor_->setTextCursor(QTextCursor(documento));
    editor_->verticalScrollBar()->setValue(editor_->verticalScrollBar()->minimum());
}

void TextBox::setForeColor(Colore c) {
    foreColor_ = c;
    aggiornaColori();
}

void TextBox::setBackColor(Colore c) {
    backColor_ = c;
    aggiornaColori();
}

void TextBox::setLocked(bool l) {
    // The reader can still scroll and select the text.
    editor_->setReadOnly(l);
    editor_->setTextInteractionFlags(l ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                       : Qt::TextEditorInteraction);
}

void TextBox::setBorderStyle(int b) { editor_->setFrameShape(b ? QFrame::StyledPanel : QFrame::NoFrame); }

void TextBox::setFont(const QString& nome, float punti, bool grassetto) {
    QFont f = FontPer(nome, punti);
    f.setBold(grassetto);
    editor_->setFont(f);
}

void TextBox::aggiornaColori() {
    QPalette pal = editor_->palette();
    pal.setColor(QPalette::Base, qcolore(backColor_));
    pal.setColor(QPalette::Window, qcolore(backColor_));
    pal.setColor(QPalette::Text, qcolore(foreColor_));
    editor_->setPalette(pal);
    editor_->viewport()->setPalette(pal);
}

void TextBox::resizeEvent(QResizeEvent*) { editor_->setGeometry(rect()); }

bool TextBox::eventFilter(QObject* o, QEvent* e) {
    switch (e->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            inoltraMouse(e, static_cast<QWidget*>(o));
            break;
        default:
            break;
    }
    return Controllo::eventFilter(o, e);
}

}  // namespace forma
