#include "window/picturecache.h"

#include <QFont>
#include <QImageReader>
#include <QPainter>
#include <iostream>

#include "window/art.h"

namespace korvo {

PictureCache::PictureCache(std::filesystem::path dir, WarningSink warn)
    : dir_(std::move(dir)), warn_(std::move(warn)) {
  if (!warn_) {
    warn_ = [](const QString& line) { std::cerr << line.toStdString() << std::endl; };
  }
}

const QPixmap& PictureCache::picture(const QString& file) {
  if (auto found = pictures_.constFind(file); found != pictures_.constEnd()) return *found;

  ++decodes_;
  const std::filesystem::path path = dir_ / file.toStdString();
  QImageReader reader(QString::fromStdString(path.string()));
  // The pictures are JPEG by name, but whatever the file holds is what counts.
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) {
    warn_(QStringLiteral("korvo: cannot load the picture %1: %2; an empty place shows its name")
              .arg(QString::fromStdString(path.string()), reader.errorString()));
    image = placeholder(file);
  }
  return *pictures_.insert(file, QPixmap::fromImage(image));
}

QImage PictureCache::placeholder(const QString& name) {
  QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
  image.fill(kFeltGreen);
  QPainter painter(&image);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(10);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(image.rect().adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWrapAnywhere,
                   name);
  return image;
}

}  // namespace korvo
