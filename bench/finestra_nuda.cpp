// The floor for any Qt program: one bare full-screen window showing one
// picture, read before the window shows, as the atlas reads its first map.
// The cold-start script times it side by side with the atlas.
//
//   finestra_nuda atlante/5000bac.gif
#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cstdio>

namespace {

class FinestraNuda : public QWidget {
public:
    explicit FinestraNuda(QImage figura)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), figura_(std::move(figura)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        p.drawImage((width() - figura_.width()) / 2, (height() - figura_.height()) / 2, figura_);
    }

private:
    QImage figura_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: finestra_nuda picture\n");
        return 2;
    }
    QImageReader lettore(QString::fromLocal8Bit(argv[1]));
    const QImage figura = lettore.read();
    if (figura.isNull())
        std::fprintf(stderr, "finestra_nuda: cannot load picture %s: %s\n", argv[1], qPrintable(lettore.errorString()));
    FinestraNuda finestra(figura);
    if (QScreen* s = finestra.screen()) finestra.setGeometry(s->geometry());
    finestra.showFullScreen();
    return QApplication::exec();
}
