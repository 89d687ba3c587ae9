// The picture files of the game directory. A place shows only the top-left corner of its
// picture, so only that corner is decoded and kept: a camera photo costs what a drawn card
// costs. On a dense screen or a bigger table the corner is drawn finer: from the picture's
// finer twin (NAME@2x.JPG, twice the pixels of the same picture) where there is one, else
// scaled smoothly. A twin is told by what it shows, not by when it was written: it must be
// exactly twice the picture's size and, shrunk like the picture to a thumbnail, look the same.
#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <list>

namespace korvo {

class PictureCache {
 public:
  // Receives one line about a picture file that cannot be loaded.
  using WarningSink = std::function<void(const QString&)>;

  // A picture that can only be decoded whole is refused above this many bytes of pixels
  // (4 to a pixel): 16 megapixels, a large screenshot or a small photo.
  static constexpr std::int64_t kMaxWholeDecodeBytes = std::int64_t{64} << 20;
  // Pictures kept, and the most bytes of pixels they may hold together; the least recently
  // used beyond these is dropped and read again if needed.
  static constexpr int kMaxKept = 128;
  static constexpr std::int64_t kMaxKeptBytes = std::int64_t{48} << 20;

  // Files are named relative to `dir`. `shown` is the most of a picture any place shows, from
  // its top-left corner. Without a sink, warnings go to standard error.
  PictureCache(std::filesystem::path dir, QSize shown, WarningSink warn = {});

  // The shown part of `file`, read on its first use, for a table drawn `zoom` times its
  // designed size on a screen of `pixelRatio` device pixels to a pixel: a pixmap of that
  // device pixel ratio, as large on the table as the part times the zoom. A file that cannot
  // be loaded (missing, not a regular file, broken, or too large to decode within bounds)
  // gives a placeholder that names it, and one warning; play goes on.
  const QPixmap& picture(const QString& file, double zoom = 1, double pixelRatio = 1);

  // How many pictures have been read from disk so far (placeholders included; a picture read
  // with its twin, to compare the two, counts once).
  int decodes() const { return decodes_; }

  // Card-sized felt green with `name` written on it.
  static QImage placeholder(const QString& name);

  // The part of the picture file `file` that a place of size `shown` shows, decoded without
  // decoding more than that where the format allows. A null image and `fault` set when it
  // cannot be loaded within bounds.
  static QImage readShownPart(const std::filesystem::path& file, QSize shown, QString& fault);

  // Whether `twin`, the shown part of a picture's finer twin, shows the drawing of `picture`,
  // the same part of the picture itself: both shrunk smoothly to a thumbnail of
  // kThumbnailSide pixels a side, the colour channel that differs most differs by at most
  // kSameDrawingTolerance (of 255) on average over the thumbnail. That takes in the blur of
  // shrinking and of JPEG, and a pattern drawn anew at twice the pixels; it tells apart a
  // picture replaced by another drawing, though not two drawings that differ only in detail
  // too fine to see from afar.
  static constexpr int kThumbnailSide = 16;
  static constexpr int kSameDrawingTolerance = 12;
  static bool sameDrawing(const QImage& picture, const QImage& twin);

 private:
  // A picture as read from its file: its shown part, from the finer twin (scale 2) where one
  // was asked for and is a true twin, else from the picture itself or its placeholder (scale
  // 1). The twin is checked here, once, and the answer kept with the source.
  struct Source {
    QImage image;
    int scale;
  };
  Source readSource(const QString& file, bool finer);
  // The same, kept for the sizes other than the actual one.
  const Source& sourceFor(const QString& file, bool finer);
  // readShownPart, also giving the whole picture's size; refused (`fault` set) where the
  // picture is not `mustBe` pixels, before anything is decoded.
  static QImage readPart(const std::filesystem::path& file, QSize shown, QString& fault,
                         QSize* wholeSize, const QSize* mustBe = nullptr);

  std::filesystem::path dir_;
  QSize shown_;
  WarningSink warn_;
  // Most recently used first.
  std::list<std::pair<QString, QPixmap>> kept_;
  QHash<QString, std::list<std::pair<QString, QPixmap>>::iterator> index_;
  std::int64_t keptBytes_ = 0;
  // Most recently used first; at most kMaxSources, each at most twice `shown` each way.
  static constexpr int kMaxSources = 64;
  std::list<std::pair<QString, Source>> sources_;
  QHash<QString, std::list<std::pair<QString, Source>>::iterator> sourceIndex_;
  int decodes_ = 0;
};

}  // namespace korvo
