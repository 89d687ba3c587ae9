#include "window/picturebox.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPen>

#include "window/art.h"

namespace korvo {

void ShownPicture::setPicture(const QPixmap& picture, const QString& name) {
  picture_ = picture;
  name_ = name;
  owner_->update();
}

void ShownPicture::paintPicture() const {
  QPainter painter(owner_);
  painter.fillRect(owner_->rect(), kFeltGreen);
  painter.drawPixmap(0, 0, picture_);
}

PictureBox::PictureBox(QWidget* parent) : QAbstractButton(parent), ShownPicture(this) {
  setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent*) {
  paintPicture();
  if (!hasFocus()) return;
  // The focus mark runs along the card's top and left edges and just outside its right and
  // bottom edges, in the felt, so it frames the card without hiding its face.
  QPainter painter(this);
  const int width = picture().isNull() ? kCardWidth : picture().width();
  const int height = picture().isNull() ? kCardHeight : picture().height();
  const QRect frame = QRect(0, 0, width, height).intersected(rect().adjusted(0, 0, -1, -1));
  // Yellow dots on black show on the felt and on a white card edge alike.
  painter.setPen(QPen(Qt::black));
  painter.drawRect(frame);
  QPen dots(QColor(255, 255, 0));
  dots.setStyle(Qt::DotLine);
  painter.setPen(dots);
  painter.drawRect(frame);
}

namespace {

// A screen reader names an image control an image, not a panel.
QAccessibleInterface* imageBoxAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(ImageBox::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

}  // namespace

ImageBox::ImageBox(QWidget* parent) : QWidget(parent), ShownPicture(this) {
  setFocusPolicy(Qt::NoFocus);
  static const bool installed = (QAccessible::installFactory(imageBoxAccessible), true);
  (void)installed;
}

}  // namespace korvo
