// What the window tests share: the one QApplication, a game over a directory with drawn
// pictures and the player's settings, what the table shows, and pixel comparisons.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QSettings>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "game/game.h"
#include "game/random.h"
#include "players/classic.h"
#include "tests/test_support.h"
#include "window/form1.h"
#include "window/initdir.h"
#include "window/language.h"
#include "window/mainwindow.h"
#include "window/picturebox.h"
#include "window/speech.h"

namespace korvo {

// One QApplication for the whole test program, destroyed before exit while the toolkit's own
// static objects still exist.
struct QtEnvironment : ::testing::Environment {
  void SetUp() override {
    app_ = std::make_unique<QApplication>(argc_, argv_);
    installLanguage(QStringLiteral("en"));  // whatever the machine's language, and its plurals
  }
  void TearDown() override { app_.reset(); }
  int argc_ = 1;
  char name_[13] = "window_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};
inline const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

struct GameDirWithPictures : testing::TempDir {
  GameDirWithPictures() { initGameDir(path()); }
};

// A seeded game over drawn pictures, with the player's settings file in its directory.
struct Played {
  GameDirWithPictures dir;
  SeededRandom random{7};
  Game game{dir.path(), random, classicSeats()};
  QSettings settings{QString::fromStdString((dir / "settings.conf").string()),
                     QSettings::IniFormat};
};

// The window a player opens over a played game, without the computer turns' replay, shown
// and active (the keyboard needs it).
// `first` readies the directory and the settings before the window opens.
struct Opened : Played {
  explicit Opened(const std::function<void(Played&)>& first = {})
      : ready_((first ? first(*this) : void(), true)) {
    window.paceAction(MainWindow::Pace::Off)->trigger();
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  bool ready_;
  MainWindow window{game, QStringLiteral("1.2.3"), settings};
};

// What a screen reader hears while the object lives.
struct Listening {
  Listening() {
    setSpeechObserver([this](const SpokenChange& change) { heard.push_back(change); });
  }
  ~Listening() { setSpeechObserver({}); }
  // The news told: the descriptions given, in order.
  std::vector<QString> news() const {
    std::vector<QString> told;
    for (const SpokenChange& c : heard) {
      if (c.event == QAccessible::DescriptionChanged && !c.text.isEmpty()) told.push_back(c.text);
    }
    return told;
  }
  std::vector<SpokenChange> heard;
};

inline const auto kControls = [] {
  std::array<Control, kControlCount> all{};
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<Control>(i);
  return all;
}();

// What each control shows, in control order: its picture's file name or its text; and what
// each entry of a table names, to compare with.
inline std::vector<QString> showing(const Form1& form) {
  std::vector<QString> all;
  for (Control c : kControls) {
    const QWidget* w = form.control(c);
    const auto* picture = dynamic_cast<const ShownPicture*>(w);
    all.push_back(picture ? picture->pictureName() : w->property("text").toString());
  }
  return all;
}
inline std::vector<QString> named(const Table& table) {
  std::vector<QString> all;
  for (Control c : kControls) all.push_back(QString::fromStdString(table[c]));
  return all;
}

inline bool samePixels(const QImage& a, const QImage& b) {
  return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

inline bool allPixels(const QImage& image, QColor color) {
  QImage filled(image.size(), QImage::Format_RGB32);
  filled.fill(color);
  return samePixels(image, filled);
}

}  // namespace korvo
