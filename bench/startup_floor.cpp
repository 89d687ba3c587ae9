// The floor for Korvo's start-up: the barest Qt 6 Widgets window that shows what Korvo's window
// shows at start. Same size, the same text widgets in the same faces and sizes, and twenty
// card-sized JPEG pictures read from disk; no game, no style sheets, no style of its own.
//
//   startup_floor PICTURE.JPG ...   (twenty of them)
//
// It reports its first frame and its memory exactly as korvo does (app/firstpaint.h).
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <cstdio>

#include "app/firstpaint.h"

namespace {

QFont face(double points, bool bold, const QString& family = QStringLiteral("Liberation Sans")) {
  QFont font(family);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_floor PICTURE.JPG ...\n");
    return 2;
  }
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("floor"));
  window.setFixedSize(722, 550);

  for (int k = 0; k < 4; ++k) {
    auto* box = new QLineEdit(&window);
    box->setReadOnly(true);
    box->setFont(face(12, false));
    box->setGeometry(10 + 180 * k, 500, 170, 31);
  }
  auto* deal = new QPushButton(QStringLiteral("Deal"), &window);
  deal->setFont(face(22.2, true));
  deal->setGeometry(600, 350, 111, 44);
  auto* knock = new QPushButton(QStringLiteral("Knock"), &window);
  knock->setFont(face(18, true));
  knock->setGeometry(600, 420, 111, 41);
  auto* title = new QLabel(QStringLiteral("Korvo"), &window);
  title->setFont(face(24, true, QStringLiteral("Liberation Sans Narrow")));
  title->setGeometry(10, 10, 81, 41);
  auto* credit = new QLabel(QStringLiteral("by Vendrake"), &window);
  credit->setFont(face(12, false));
  credit->setGeometry(10, 60, 111, 21);
  for (int k = 0; k < 4; ++k) {
    auto* total = new QLabel(QStringLiteral("0"), &window);
    total->setFont(face(10.8, true));
    total->setAlignment(Qt::AlignCenter);
    total->setGeometry(130 + 50 * k, 60, 41, 21);
  }

  // Twenty pictures, eight to a row.
  for (int i = 1; i < argc && i <= 20; ++i) {
    auto* picture = new QLabel(&window);
    const QPixmap pixmap(QString::fromLocal8Bit(argv[i]));
    if (pixmap.isNull()) {
      std::fprintf(stderr, "startup_floor: cannot load the picture %s\n", argv[i]);
      return 1;
    }
    picture->setPixmap(pixmap);
    const int n = i - 1;
    picture->setGeometry(10 + 80 * (n % 8), 100 + 110 * (n / 8), 73, 98);
  }

  korvo::FirstPaintReport::installIfAsked(&window);
  window.show();
  return app.exec();
}
