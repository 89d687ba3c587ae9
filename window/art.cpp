#include "window/art.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace korvo {
namespace {

constexpr int kClubs = 0;
constexpr int kDiamonds = 1;
constexpr int kHearts = 2;
constexpr int kSpades = 3;

const QColor kCardWhite{255, 255, 255};
const QColor kCardBorder{110, 110, 110};
const QColor kRed{204, 0, 0};
const QColor kBlack{0, 0, 0};
// The four-colour deck's own: diamonds blue, clubs green, each as dark as the red so that it
// reads as well on the white card and on the court cards' panels.
const QColor kBlue{0, 64, 204};
const QColor kGreen{0, 128, 32};

bool isRed(int suitIndex) {
  return suitIndex == kDiamonds || suitIndex == kHearts;
}

// The colour of a suit's signs and indices, on the standard faces and the four-colour ones.
struct Ink {
  int suitIndex;
  bool fourColour;
  QColor color() const {
    if (fourColour && suitIndex == kDiamonds) return kBlue;
    if (fourColour && suitIndex == kClubs) return kGreen;
    return isRed(suitIndex) ? kRed : kBlack;
  }
  // The frame of a court card's panel keeps the standard colour in both decks.
  QColor frame() const { return isRed(suitIndex) ? kRed : kBlack; }
};

// A suit symbol one unit tall and at most one unit wide, centred on the origin, y downwards.
QPainterPath unitSuit(int suitIndex) {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  switch (suitIndex) {
    case kHearts:
      p.moveTo(0, 0.47);
      p.cubicTo(-0.12, 0.3, -0.5, 0.1, -0.5, -0.17);
      p.cubicTo(-0.5, -0.47, -0.1, -0.55, 0, -0.27);
      p.cubicTo(0.1, -0.55, 0.5, -0.47, 0.5, -0.17);
      p.cubicTo(0.5, 0.1, 0.12, 0.3, 0, 0.47);
      break;
    case kDiamonds:
      p.moveTo(0, -0.5);
      p.quadTo(0.17, -0.22, 0.38, 0);
      p.quadTo(0.17, 0.22, 0, 0.5);
      p.quadTo(-0.17, 0.22, -0.38, 0);
      p.quadTo(-0.17, -0.22, 0, -0.5);
      break;
    case kSpades:
      p.moveTo(0, -0.5);
      p.cubicTo(0.12, -0.3, 0.5, -0.12, 0.5, 0.12);
      p.cubicTo(0.5, 0.36, 0.17, 0.4, 0.04, 0.22);
      p.quadTo(0.07, 0.42, 0.2, 0.5);
      p.lineTo(-0.2, 0.5);
      p.quadTo(-0.07, 0.42, -0.04, 0.22);
      p.cubicTo(-0.17, 0.4, -0.5, 0.36, -0.5, 0.12);
      p.cubicTo(-0.5, -0.12, -0.12, -0.3, 0, -0.5);
      break;
    case kClubs:
    default:
      p.addEllipse(QPointF(0, -0.24), 0.23, 0.23);
      p.addEllipse(QPointF(-0.26, 0.1), 0.23, 0.23);
      p.addEllipse(QPointF(0.26, 0.1), 0.23, 0.23);
      p.addEllipse(QPointF(0, 0.02), 0.12, 0.12);
      p.moveTo(0.035, 0.05);
      p.quadTo(0.07, 0.4, 0.2, 0.5);
      p.lineTo(-0.2, 0.5);
      p.quadTo(-0.07, 0.4, -0.035, 0.05);
      p.closeSubpath();
      break;
  }
  return p;
}

// Draws a suit symbol of the given height centred on `centre`, upside down if asked.
void drawSuit(QPainter& painter, Ink ink, QPointF centre, double height, bool upsideDown = false) {
  const int suitIndex = ink.suitIndex;
  painter.save();
  painter.translate(centre);
  if (upsideDown) painter.rotate(180);
  painter.scale(height, height);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink.color());
  painter.drawPath(unitSuit(suitIndex));
  painter.restore();
}

QFont boldSans(int pixelSize) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(pixelSize);
  return font;
}

QString rankText(int rank) {
  switch (rank) {
    case 1:
      return QStringLiteral("A");
    case 11:
      return QStringLiteral("J");
    case 12:
      return QStringLiteral("Q");
    case 13:
      return QStringLiteral("K");
    default:
      return QString::number(rank);
  }
}

// Felt of `width` x `height` picture pixels at `scale` image pixels each.
QImage feltImage(int width, int height, int scale) {
  QImage image(width * scale, height * scale, QImage::Format_RGB32);
  image.fill(kFeltGreen);
  return image;
}

// A painter that draws in picture pixels, whatever the image's scale.
void drawInPicturePixels(QPainter& painter, int scale) {
  if (scale != 1) painter.scale(scale, scale);
}

// The white card with its rounded, thin border, on felt.
void drawBlankCard(QPainter& painter) {
  painter.setPen(QPen(kCardBorder, 1));
  painter.setBrush(kCardWhite);
  painter.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1), 5, 5);
}

// The rank and a small suit symbol in the top-left corner; the caller rotates the painter
// for the bottom-right one.
void drawCornerIndex(QPainter& painter, int rank, Ink ink) {
  painter.setPen(ink.color());
  painter.setFont(boldSans(rank == 10 ? 11 : 13));
  const QRectF rankBox(1, 2, 14, 14);
  QString text = rankText(rank);
  if (rank == 10) {
    // "10" is narrowed a little so it fits the same column as the single letters.
    painter.save();
    painter.translate(rankBox.center());
    painter.scale(0.82, 1.0);
    painter.translate(-rankBox.center());
    painter.drawText(rankBox.adjusted(-3, 0, 3, 0), Qt::AlignCenter, text);
    painter.restore();
  } else {
    painter.drawText(rankBox, Qt::AlignCenter, text);
  }
  drawSuit(painter, ink, QPointF(8, 22), 9);
}

// Pip positions as (column, row) fractions of the pip area; column 0 left, 0.5 centre,
// 1 right; row 0 top, 1 bottom.
struct Pip {
  double column;
  double row;
};

std::vector<Pip> pipLayout(int rank) {
  constexpr double L = 0, C = 0.5, R = 1;
  switch (rank) {
    case 2:
      return {{C, 0}, {C, 1}};
    case 3:
      return {{C, 0}, {C, 0.5}, {C, 1}};
    case 4:
      return {{L, 0}, {R, 0}, {L, 1}, {R, 1}};
    case 5:
      return {{L, 0}, {R, 0}, {C, 0.5}, {L, 1}, {R, 1}};
    case 6:
      return {{L, 0}, {R, 0}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}};
    case 7:
      return {{L, 0}, {R, 0}, {C, 0.25}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}};
    case 8:
      return {{L, 0}, {R, 0}, {C, 0.25}, {L, 0.5}, {R, 0.5}, {C, 0.75}, {L, 1}, {R, 1}};
    case 9:
      return {{L, 0},       {R, 0},       {L, 1.0 / 3}, {R, 1.0 / 3}, {C, 0.5},
              {L, 2.0 / 3}, {R, 2.0 / 3}, {L, 1},       {R, 1}};
    case 10:
      return {{L, 0},       {R, 0},       {C, 1.0 / 6}, {L, 1.0 / 3}, {R, 1.0 / 3},
              {L, 2.0 / 3}, {R, 2.0 / 3}, {C, 5.0 / 6}, {L, 1},       {R, 1}};
    default:
      return {};
  }
}

void drawPips(QPainter& painter, int rank, Ink ink) {
  // The pip area sits between the corner indices; pip centres span it.
  const double left = 24, right = 49, top = 16, bottom = 82;
  const double pipHeight = rank >= 9 ? 12 : 13;
  for (const Pip& pip : pipLayout(rank)) {
    const QPointF centre(left + pip.column * (right - left), top + pip.row * (bottom - top));
    drawSuit(painter, ink, centre, pipHeight, pip.row > 0.5);
  }
}

// Jack, queen and king: a framed panel in the rank's own colour with the letter large and
// the suit symbol, mirrored in the lower half as on a court card.
void drawCourt(QPainter& painter, int rank, Ink ink) {
  static const std::array<QColor, 3> panelColors = {
      QColor(190, 215, 245),  // jack: light blue
      QColor(245, 200, 215),  // queen: rose
      QColor(250, 225, 140),  // king: gold
  };
  const QColor fill = panelColors[static_cast<size_t>(rank - 11)];
  const QRectF panel(15.5, 12.5, 42, 73);
  painter.setPen(QPen(ink.frame(), 1.5));
  painter.setBrush(fill);
  painter.drawRect(panel);
  painter.setPen(QPen(fill.darker(150), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(panel.adjusted(2.5, 2.5, -2.5, -2.5));
  painter.drawLine(QPointF(panel.left() + 2.5, panel.center().y()),
                   QPointF(panel.right() - 2.5, panel.center().y()));

  for (bool upsideDown : {false, true}) {
    painter.save();
    painter.translate(panel.center());
    if (upsideDown) painter.rotate(180);
    painter.setPen(ink.color());
    painter.setFont(boldSans(24));
    painter.drawText(QRectF(-20, -35, 26, 30), Qt::AlignCenter, rankText(rank));
    drawSuit(painter, ink, QPointF(11, -22), 12);
    painter.restore();
  }
}

void checkCard(int rank, int suitIndex) {
  if (rank < 1 || rank > 13 || suitIndex < 0 || suitIndex > 3) {
    throw std::invalid_argument("no such card: rank " + std::to_string(rank) + ", suit " +
                                std::to_string(suitIndex));
  }
}

// One banknote, upright, its bottom centre at the origin: a green note with a darker
// border, a cream oval with a "100" in it and corner marks.
void drawBanknote(QPainter& painter, double width, double height) {
  const QRectF note(-width / 2, -height, width, height);
  painter.setPen(QPen(QColor(20, 70, 30), 1));
  painter.setBrush(QColor(196, 222, 170));
  painter.drawRect(note);
  painter.setPen(QPen(QColor(60, 120, 60), 0.8));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(note.adjusted(2, 2, -2, -2));
  const QRectF oval(-width / 2 + 4, -height * 0.68, width - 8, height * 0.36);
  painter.setPen(QPen(QColor(60, 120, 60), 0.8));
  painter.setBrush(QColor(245, 238, 205));
  painter.drawEllipse(oval);
  painter.setPen(QColor(20, 80, 30));
  // In the face of the table's buttons: the window draws these notes at every start, and a face
  // of their own would be one more font file read into memory for three small digits.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(8);
  painter.setFont(font);
  painter.save();
  painter.translate(oval.center());
  painter.rotate(-90);
  painter.drawText(QRectF(-oval.height() / 2, -oval.width() / 2, oval.height(), oval.width()),
                   Qt::AlignCenter, QStringLiteral("100"));
  painter.restore();
  painter.setBrush(QColor(20, 80, 30));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPointF(0, -height + 6), 2, 2);
  painter.drawEllipse(QPointF(0, -6), 2, 2);
}

// `count` banknotes fanned out from left to right about a point below the picture's centre,
// the leftmost drawn first so each note lies on the one before it.
void drawFan(QPainter& painter, int count, QPointF pivot, double noteWidth, double noteHeight,
             double gap, double maxSpread) {
  const double spread = count > 1 ? std::min(maxSpread, 14.0 * (count - 1)) : 0;
  for (int i = 0; i < count; ++i) {
    const double angle = count > 1 ? -spread / 2 + spread * i / (count - 1) : 0;
    painter.save();
    painter.translate(pivot);
    painter.rotate(angle);
    painter.translate(0, -gap);
    drawBanknote(painter, noteWidth, noteHeight);
    painter.restore();
  }
}

}  // namespace

QImage cardFace(int rank, int suitIndex, int scale, bool fourColour) {
  checkCard(rank, suitIndex);
  const Ink ink{suitIndex, fourColour};
  QImage image = feltImage(kCardWidth, kCardHeight, scale);
  QPainter painter(&image);
  drawInPicturePixels(painter, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  drawBlankCard(painter);
  drawCornerIndex(painter, rank, ink);
  painter.save();
  painter.translate(kCardWidth, kCardHeight);
  painter.rotate(180);
  drawCornerIndex(painter, rank, ink);
  painter.restore();
  if (rank == 1) {
    drawSuit(painter, ink, QPointF(kCardWidth / 2.0, kCardHeight / 2.0), 36);
  } else if (rank >= 11) {
    drawCourt(painter, rank, ink);
  } else {
    drawPips(painter, rank, ink);
  }
  return image;
}

QImage cardBack(int scale) {
  QImage image = feltImage(kCardWidth, kCardHeight, scale);
  QPainter painter(&image);
  drawInPicturePixels(painter, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  drawBlankCard(painter);
  const QRectF field(4.5, 4.5, kCardWidth - 9, kCardHeight - 9);
  const QColor navy(22, 42, 118);
  painter.setPen(Qt::NoPen);
  painter.setBrush(navy);
  painter.drawRoundedRect(field, 3, 3);

  painter.save();
  painter.setClipRect(field.adjusted(2, 2, -2, -2));
  painter.setPen(QPen(QColor(120, 150, 225), 1));
  constexpr int kStep = 7;
  for (int i = 0; - kCardHeight + kStep * i < kCardWidth + kCardHeight; ++i) {
    const double d = -kCardHeight + kStep * i;
    painter.drawLine(QPointF(d, 0), QPointF(d + kCardHeight, kCardHeight));
    painter.drawLine(QPointF(d, 0), QPointF(d - kCardHeight, kCardHeight));
  }
  painter.restore();

  painter.setPen(QPen(QColor(255, 255, 255), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(field.adjusted(2, 2, -2, -2), 2, 2);
  // A medallion in the middle.
  const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
  painter.setPen(QPen(QColor(255, 255, 255), 1.5));
  painter.setBrush(navy);
  painter.drawEllipse(centre, 13, 17);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(200, 215, 250));
  QPainterPath star;
  star.moveTo(centre + QPointF(0, -11));
  star.lineTo(centre + QPointF(7, 0));
  star.lineTo(centre + QPointF(0, 11));
  star.lineTo(centre + QPointF(-7, 0));
  star.closeSubpath();
  painter.drawPath(star);
  return image;
}

QImage emptyPlace(int scale) {
  return feltImage(kCardWidth, kCardHeight, scale);
}

QImage honorBanknotes(int points, int scale) {
  if (points < 0 || points > kMaxHonorPoints) {
    throw std::invalid_argument("no honor picture for " + std::to_string(points) + " points");
  }
  QImage image = feltImage(kHonorSize, kHonorSize, scale);
  if (points == 0) return image;
  QPainter painter(&image);
  drawInPicturePixels(painter, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  drawFan(painter, points, QPointF(50, 88), 24, 48, 18, 70);

  // The count, in a dark badge under the fan, so 11 and 12 are told apart at a glance.
  const QRectF badge(36, 72, 28, 24);
  painter.setPen(QPen(QColor(255, 255, 255), 1.5));
  painter.setBrush(QColor(0, 70, 0));
  painter.drawRoundedRect(badge, 6, 6);
  painter.setPen(QColor(255, 255, 255));
  painter.setFont(boldSans(18));
  painter.drawText(badge, Qt::AlignCenter, QString::number(points));
  return image;
}

QImage startupBanknotes(int scale) {
  QImage image = feltImage(kHonorSize, kHonorSize, scale);
  QPainter painter(&image);
  drawInPicturePixels(painter, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  drawFan(painter, 4, QPointF(50, 98), 28, 58, 24, 54);
  return image;
}

QString fourColourName(const QString& face) {
  return QStringLiteral("four-colour/") + face;
}

QString finerTwinName(const QString& file) {
  const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
  const qsizetype slash = file.lastIndexOf(QLatin1Char('/'));
  if (dot <= slash + 1) return file + QStringLiteral("@2x");
  return file.left(dot) + QStringLiteral("@2x") + file.mid(dot);
}

}  // namespace korvo
