// The picture files of the game directory, each decoded once per run and kept.
#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <filesystem>
#include <functional>

namespace korvo {

class PictureCache {
 public:
  // Receives one line about a picture file that cannot be loaded.
  using WarningSink = std::function<void(const QString&)>;

  // Files are named relative to `dir`. Without a sink, warnings go to standard error.
  explicit PictureCache(std::filesystem::path dir, WarningSink warn = {});

  // The picture of `file`, decoded on its first use. A file that cannot be loaded gives a
  // placeholder that names it, and one warning; play goes on.
  const QPixmap& picture(const QString& file);

  // How many files have been read from disk so far (placeholders included).
  int decodes() const { return decodes_; }

  // Card-sized felt green with `name` written on it.
  static QImage placeholder(const QString& name);

 private:
  std::filesystem::path dir_;
  WarningSink warn_;
  QHash<QString, QPixmap> pictures_;
  int decodes_ = 0;
};

}  // namespace korvo
