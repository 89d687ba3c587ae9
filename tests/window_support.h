// What the window tests share: the one QApplication, a game directory with drawn pictures,
// and pixel comparisons.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <memory>

#include "tests/test_support.h"
#include "window/initdir.h"

namespace korvo {

// One QApplication for the whole test program, destroyed before exit while the toolkit's own
// static objects still exist.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[13] = "window_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

struct GameDirWithPictures : testing::TempDir {
  GameDirWithPictures() { initGameDir(path()); }
};

inline bool samePixels(const QImage& a, const QImage& b) {
  return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

inline qsizetype countPixels(const QImage& image, QColor color) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  qsizetype n = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) n += rgb.pixelColor(x, y) == color;
  }
  return n;
}
inline bool allPixels(const QImage& image, QColor color) {
  return countPixels(image, color) == qsizetype{image.width()} * image.height();
}

}  // namespace korvo
