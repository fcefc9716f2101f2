// A label: a caption drawn transparent or on its back colour, optionally sized
// to its caption. Labels also serve as buttons, flag areas and timelines.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QStringList>

class QPainter;
class QTextLayout;
#include <limits>
#include <memory>
#include <vector>

#include "toolkit/Colori.h"
#include "toolkit/Controllo.h"

namespace forma {

enum Allineamento : int { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };
enum StileSfondo : int { vbTransparent = 0, vbOpaque = 1 };

class Label : public Controllo {
    Q_OBJECT
public:
    explicit Label(QWidget* padre);
    ~Label() override;

    const QString& Caption() const { return caption_; }
    void setCaption(const QString& c);

    Colore ForeColor() const { return foreColor_; }
    void setForeColor(Colore c);
    Colore BackColor() const { return backColor_; }
    void setBackColor(Colore c);
    int BackStyle() const { return backStyle_; }
    void setBackStyle(int s);
    int Alignment() const { return alignment_; }
    void setAlignment(int a);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool a);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool w);

    QString FontName() const { return fontName_; }
    void setFontName(const QString& nome);
    float FontSize() const { return fontSize_; }
    void setFontSize(float punti);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool b);
    bool FontItalic() const { return font().italic(); }
    void setFontItalic(bool i);
    // Face, size and weight at once, as a window's design gives them.
    void setFont(const QString& nome, float punti, bool grassetto = false) {
        setFontName(nome);
        setFontSize(punti);
        setFontBold(grassetto);
    }
    using QWidget::setFont;

    void setWidth(float w) override;

    // Whether the label, sized to its caption and transparent, stays off the
    // screen while its caption is empty (it draws nothing then), whatever its
    // Visible, which stays as set. For labels that are moved and emptied
    // often, as the overlay's are: they cost no paint meanwhile.
    void setFuoriSeVuota(bool f);

    // The caption's lines as the label draws them, for its present caption,
    // width and font.
    const QStringList& Righe() const;
    // How many times the lines were worked out since the label was made: they
    // are kept until the caption, the width or the font changes.
    int Impaginazioni() const { return impaginazioni_; }

protected:
    bool haPresenza() const override;
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* e) override;

private:
    void adattaDimensioni();
    void aggiornaFont();
    void aggiornaPresaMouse();
    int flagsTesto() const;
    bool avvolge() const;
    static constexpr qsizetype kTutte = std::numeric_limits<qsizetype>::max();
    const QStringList& righePer(int larghezza, qsizetype quante) const;
    void prossimaRiga(const QFontMetrics& fm, int larghezza) const;
    void disegnaRiga(QPainter& p, const QRect& r, qsizetype indice) const;

    QString caption_;
    Colore foreColor_ = ColoreTestoPulsante;
    Colore backColor_ = ColoreFacciaPulsante;
    int backStyle_ = vbOpaque;
    int alignment_ = vbLeftJustify;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool fuoriSeVuota_ = false;
    QString fontName_ = QStringLiteral("MS Sans Serif");
    float fontSize_ = 8.25f;

    // The lines last worked out, and what they were worked out for; while
    // they are not complete, where the next line starts.
    mutable QStringList righe_;
    mutable QStringList paragrafi_;
    mutable qsizetype paragrafo_ = 0;
    mutable qsizetype posizione_ = 0;
    mutable qsizetype inizioRiga_ = 0;  // the line in progress: from here to posizione_
    // The paragraph in progress shaped on one line, to foresee the breaks.
    mutable std::unique_ptr<QTextLayout> disposizione_;
    mutable qsizetype disposizioneParagrafo_ = -1;
    mutable bool righeComplete_ = false;
    mutable QString righeCaption_;
    mutable QFont righeFont_;
    mutable int righeLarghezza_ = -1;
    mutable bool righeAvvolte_ = false;
    mutable bool righeValide_ = false;
    mutable int impaginazioni_ = 0;

    // Each line shaped as the painter draws it, kept between paints for the
    // lines of the layout numbered disegniImpaginazione_, in the painter's
    // font at its resolution.
    mutable std::vector<std::unique_ptr<QTextLayout>> disegni_;
    mutable int disegniImpaginazione_ = -1;
    mutable QFont disegniFont_;
    mutable int disegniDpi_ = 0;
};

}  // namespace forma
