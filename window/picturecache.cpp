#include "window/picturecache.h"

#include <unistd.h>

#include <QFile>
#include <QFont>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "game/safefile.h"
#include "window/art.h"

namespace korvo {

namespace {

// Whether the JPEG file `fd` must be decoded whole even when only its top is wanted: a
// progressive JPEG, or one whose first scan does not carry every colour component, has its
// picture spread over several scans, and the decoder keeps the whole picture's coefficients
// until the last one. Walks the markers up to the first scan; a file that does not read as
// a JPEG that far counts as one decoded whole.
bool jpegDecodesWhole(int fd) {
  unsigned char head[10];
  off_t at = 2;  // after the start-of-image marker
  int components = 0;
  bool progressive = false;
  for (int markers = 0; markers < 4096; ++markers) {
    if (::pread(fd, head, 4, at) != 4 || head[0] != 0xFF) return true;
    const unsigned marker = head[1];
    const unsigned length = head[2] << 8 | head[3];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    const bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame || marker == 0xDA) {
      if (::pread(fd, head, 10, at) != 10) return true;
      if (marker == 0xDA) return progressive || head[4] < components;
      // Progressive frames: SOF2, SOF6, SOF10, SOF14.
      progressive = (marker & 0x3) == 0x2;
      components = head[9];
    }
    at += 2 + static_cast<off_t>(length);
  }
  return true;
}

}  // namespace

PictureCache::PictureCache(std::filesystem::path dir, QSize shown, WarningSink warn)
    : dir_(std::move(dir)), shown_(shown), warn_(std::move(warn)) {
  if (!warn_) {
    warn_ = [](const QString& line) { std::cerr << line.toStdString() << std::endl; };
  }
}

const QPixmap& PictureCache::picture(const QString& file, double zoom, double pixelRatio) {
  const double scale = zoom * pixelRatio;
  const QString key = scale == 1 && pixelRatio == 1
                          ? file
                          : QStringLiteral("%1\n%2\n%3").arg(file).arg(zoom).arg(pixelRatio);
  if (auto found = index_.find(key); found != index_.end()) {
    kept_.splice(kept_.begin(), kept_, *found);
    return kept_.front().second;
  }

  // At actual size the picture is the part read; at any other size it is scaled from the
  // part read, kept, so that resizing the window scales again without reading again.
  QImage image;
  if (scale == 1) {
    image = readSource(file, false).image;
  } else {
    const Source& source = sourceFor(file, scale > 1);
    image = source.image;
    const QSize wanted = (QSizeF(image.size()) * (scale / source.scale)).toSize();
    if (wanted != image.size() && !wanted.isEmpty()) {
      image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
  }
  image.setDevicePixelRatio(pixelRatio);
  const auto bytesOf = [](const QPixmap& p) { return std::int64_t{p.width()} * p.height() * 4; };
  kept_.emplace_front(key, QPixmap::fromImage(image));
  index_.insert(key, kept_.begin());
  keptBytes_ += bytesOf(kept_.front().second);
  while (kept_.size() > 1 &&
         (kept_.size() > static_cast<std::size_t>(kMaxKept) || keptBytes_ > kMaxKeptBytes)) {
    keptBytes_ -= bytesOf(kept_.back().second);
    index_.remove(kept_.back().first);
    kept_.pop_back();
  }
  return kept_.front().second;
}

const PictureCache::Source& PictureCache::sourceFor(const QString& file, bool finer) {
  const QString key = file + (finer ? QStringLiteral("\nfiner") : QStringLiteral("\nplain"));
  if (auto found = sourceIndex_.find(key); found != sourceIndex_.end()) {
    sources_.splice(sources_.begin(), sources_, *found);
    return sources_.front().second;
  }
  sources_.emplace_front(key, readSource(file, finer));
  sourceIndex_.insert(key, sources_.begin());
  if (sources_.size() > static_cast<std::size_t>(kMaxSources)) {
    sourceIndex_.remove(sources_.back().first);
    sources_.pop_back();
  }
  return sources_.front().second;
}

PictureCache::Source PictureCache::readSource(const QString& file, bool finer) {
  ++decodes_;
  const std::filesystem::path path = dir_ / file.toStdString();
  QString fault;
  QSize size;
  QImage image = readPart(path, shown_, fault, &size);
  if (image.isNull()) {
    warn_(QStringLiteral("korvo: cannot load the picture %1: %2; an empty place shows its name")
              .arg(QString::fromStdString(path.string()), fault));
    return {placeholder(file), 1};
  }
  // The finer twin, where one pixel of the picture is more than one on the screen: only one
  // of exactly twice the picture's size that shows the same drawing. Anything else by its
  // name (another size, a picture since replaced, a broken file, not a regular file) is
  // passed over without a word, and the picture is scaled smoothly instead.
  if (finer) {
    const std::filesystem::path twinPath = dir_ / finerTwinName(file).toStdString();
    QString twinFault;
    const QSize twinSize = size * 2;
    QImage twin = readPart(twinPath, shown_ * 2, twinFault, nullptr, &twinSize);
    if (!twin.isNull() && twin.size() == image.size() * 2 && sameDrawing(image, twin)) {
      return {std::move(twin), 2};
    }
  }
  return {std::move(image), 1};
}

bool PictureCache::sameDrawing(const QImage& picture, const QImage& twin) {
  const QSize thumbnail(kThumbnailSide, kThumbnailSide);
  const auto shrink = [&](const QImage& image) {
    return image.scaled(thumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
  };
  const QImage a = shrink(picture), b = shrink(twin);
  long long difference = 0;
  for (int y = 0; y < kThumbnailSide; ++y) {
    const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < kThumbnailSide; ++x) {
      difference +=
          std::max({std::abs(qRed(p[x]) - qRed(q[x])), std::abs(qGreen(p[x]) - qGreen(q[x])),
                    std::abs(qBlue(p[x]) - qBlue(q[x]))});
    }
  }
  return difference <=
         static_cast<long long>(kSameDrawingTolerance) * kThumbnailSide * kThumbnailSide;
}

QImage PictureCache::readShownPart(const std::filesystem::path& file, QSize shown, QString& fault) {
  return readPart(file, shown, fault, nullptr, nullptr);
}

QImage PictureCache::readPart(const std::filesystem::path& file, QSize shown, QString& fault,
                              QSize* wholeSize, const QSize* mustBe) {
  // A named pipe or a device by the picture's name is refused instead of holding the window up.
  const OpenedFile opened = openRegularFile(file);
  if (opened.fd < 0) {
    fault = opened.error != 0 ? QString::fromLocal8Bit(std::strerror(opened.error))
                              : QStringLiteral("it is not a regular file");
    return {};
  }
  QFile device;
  if (!device.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(opened.fd);
    fault = device.errorString();
    return {};
  }

  // The pictures are JPEG by name, but whatever the file holds is what counts.
  QImageReader reader(&device);
  const QSize size = reader.size();
  if (!size.isValid()) {
    fault = reader.errorString();
    return {};
  }
  if (wholeSize != nullptr) *wholeSize = size;
  if (mustBe != nullptr && size != *mustBe) {
    fault = QStringLiteral("it is %1 x %2 pixels, not %3 x %4")
                .arg(size.width())
                .arg(size.height())
                .arg(mustBe->width())
                .arg(mustBe->height());
    return {};
  }
  const QRect part = QRect(QPoint(0, 0), shown).intersected(QRect(QPoint(0, 0), size));
  const bool clips = reader.supportsOption(QImageIOHandler::ClipRect);
  const bool manyScans = clips && reader.format() == "jpeg" && jpegDecodesWhole(opened.fd);
  if ((!clips || manyScans) &&
      std::int64_t{size.width()} * size.height() * 4 > kMaxWholeDecodeBytes) {
    fault = QStringLiteral(
                "it is %1 x %2 pixels, more than the %3 megapixels that %4 may have: "
                "it can only be decoded whole")
                .arg(size.width())
                .arg(size.height())
                .arg(kMaxWholeDecodeBytes / 4 / (1 << 20))
                .arg(manyScans ? QStringLiteral("a progressive JPEG")
                               : QStringLiteral("a picture in the %1 format")
                                     .arg(QString::fromLatin1(reader.format())));
    return {};
  }
  if (clips) reader.setClipRect(part);
  QImage image = reader.read();
  if (image.isNull()) {
    fault = reader.errorString();
    return {};
  }
  // A format that decoded the whole picture gives back its shown part only.
  if (image.size() != part.size()) image = image.copy(part);
  return image;
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
