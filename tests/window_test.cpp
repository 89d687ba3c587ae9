// The window over a real game directory, off screen: the controls as designed, clicks through
// the real widgets, the pictures the engine's table names, and file faults in a message box.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <chrono>
#include <future>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/random.h"
#include "tests/test_support.h"
#include "tests/window_support.h"
#include "window/art.h"
#include "window/form1.h"
#include "window/initdir.h"
#include "window/picturebox.h"
#include "window/picturecache.h"

namespace korvo {
namespace {

// One QApplication for every test of the window test program.
const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

QString nameOf(Control c) {
  return QString::fromStdString(std::string(controlName(c)));
}
bool isPicture(Control c) {
  return controlKind(c) == ControlKind::PictureBox || controlKind(c) == ControlKind::Image;
}
// The picture a picture box or image control shows; std::bad_cast for any other control.
const ShownPicture& shown(QWidget* w) {
  return dynamic_cast<const ShownPicture&>(*w);
}

QString textOf(QWidget* w) {
  return w->property("text").toString();
}

struct DesignedControl {
  Control control;
  int left, top, width, height;  // twips, 12 to the pixel
  const char* startup;           // text or caption; nullptr for a picture
  const char* accessible = nullptr;
};

const DesignedControl kDesign[] = {
    {Control::Text1, 3240, 6120, 2772, 372, "Pell Varny"},
    {Control::Text2, 5760, 3600, 2772, 372, "Quillbrook Oma"},
    {Control::Text3, 2400, 1440, 2772, 372, "Tobin Marl"},
    {Control::Text4, 120, 4440, 2772, 372, "Wenna Cope"},
    {Control::Command1, 7200, 4200, 1332, 528, "Deal"},
    {Control::Command2, 7200, 6000, 1332, 492, "Knock"},
    {Control::Picture1, 3120, 4800, 924, 1212, nullptr},
    {Control::Picture2, 4080, 4800, 1044, 1212, nullptr, "Your card 2: empty"},
    {Control::Picture3, 5040, 4800, 924, 1212, nullptr},
    {Control::Picture4, 6000, 4800, 924, 1212, nullptr, "Your new card: empty"},
    {Control::Picture5, 5760, 2280, 924, 1212, nullptr, "Oma's card 1: empty"},
    {Control::Picture6, 6720, 2280, 924, 1212, nullptr},
    {Control::Picture7, 7680, 2280, 924, 1212, nullptr},
    {Control::Picture8, 2400, 120, 924, 1212, nullptr},
    {Control::Picture9, 3360, 120, 924, 1212, nullptr},
    {Control::Picture10, 4320, 120, 924, 1212, nullptr, "Tobin's card 3: empty"},
    {Control::Picture11, 120, 3000, 924, 1212, nullptr, "Wenna's card 1: empty"},
    {Control::Picture12, 1080, 3000, 924, 1212, nullptr},
    {Control::Picture13, 2040, 3000, 924, 1212, nullptr},
    {Control::Picture14, 3360, 3240, 924, 1212, nullptr, "Draw pile: empty"},
    {Control::Picture15, 4440, 3240, 924, 1212, nullptr, "Discard pile: empty"},
    {Control::Label1, 120, 120, 972, 492, "Korvo"},
    {Control::Label2, 120, 720, 1332, 252, "by Vendrake"},
    {Control::total1, 6120, 6120, 492, 252, ""},
    {Control::total2, 5760, 1920, 492, 252, ""},
    {Control::total3, 1800, 120, 492, 252, ""},
    {Control::total4, 1440, 2640, 492, 252, ""},
    {Control::Image1, 1560, 5160, 1200, 1200, nullptr},
    {Control::Image2, 7320, 960, 1200, 1200, nullptr},
    {Control::Image3, 5280, 120, 1200, 1200, nullptr},
    {Control::Image4, 0, 1560, 1200, 1200, nullptr},
    {Control::Image5, 3600, 1920, 1200, 1200, nullptr},
};
static_assert(std::size(kDesign) == kControlCount);

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    form_.setErrorSink([this](const QString& message) { errors_.push_back(message); });
  }
  QWidget* widget(Control c) { return form_.control(c); }

  // Every control shows what the engine's table says.
  void expectInLineWithTable() {
    for (const DesignedControl& d : kDesign) {
      const QString entry = QString::fromStdString(game_.table()[d.control]);
      QWidget* w = widget(d.control);
      EXPECT_EQ(isPicture(d.control) ? shown(w).pictureName() : textOf(w), entry)
          << controlName(d.control);
    }
  }

  // A click as a person makes it: the mouse, or Space on the control given the focus.
  void press(Control c, bool byKey) {
    QWidget* w = widget(c);
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent mouseDown(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
    QMouseEvent mouseUp(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QKeyEvent keyDown(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent keyUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    if (byKey) {
      w->setFocus();
      ASSERT_EQ(QApplication::focusWidget(), w) << controlName(c);
    }
    QApplication::sendEvent(w, byKey ? static_cast<QEvent*>(&keyDown) : &mouseDown);
    QApplication::sendEvent(w, byKey ? static_cast<QEvent*>(&keyUp) : &mouseUp);
    for (const DesignedControl& d : kDesign) {  // each picture the table names is decoded once
      const std::string& entry = game_.table()[d.control];
      if (isPicture(d.control) && !entry.empty()) named_.insert(entry);
    }
    EXPECT_EQ(form_.pictures().decodes(), static_cast<int>(named_.size())) << controlName(c);
  }

  GameDirWithPictures dir_;
  SeededRandom random_{7};
  Game game_{dir_.path(), random_};
  Form1 form_{game_};
  std::vector<QString> errors_;
  std::set<std::string> named_;  // every picture the table has named so far
};

TEST_F(WindowTest, EveryControlStandsAtItsDesignedPlaceWithItsStartUpLook) {
  EXPECT_EQ(form_.windowTitle(), QStringLiteral("Korvo by Vendrake at  korvo.example.org"));
  EXPECT_EQ(form_.size(), QSize(722, 550));
  EXPECT_EQ(form_.minimumSize(), form_.maximumSize());
  for (const DesignedControl& d : kDesign) {
    SCOPED_TRACE(controlName(d.control));
    auto* found = form_.findChild<QWidget*>(nameOf(d.control));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found, widget(d.control));
    EXPECT_EQ(found->geometry(), QRect(d.left / 12, d.top / 12, d.width / 12, d.height / 12));
    if (d.accessible != nullptr) {  // card places are named for screen readers, empty at first
      EXPECT_EQ(found->accessibleName(), QString::fromUtf8(d.accessible));
      EXPECT_NE(qobject_cast<QAbstractButton*>(found), nullptr);
    }
    if (controlKind(d.control) == ControlKind::TextBox) {  // and take no typing
      EXPECT_TRUE(qobject_cast<QLineEdit*>(found)->isReadOnly());
    }
    if (d.startup != nullptr) {
      EXPECT_EQ(textOf(found), QString::fromUtf8(d.startup));
      continue;
    }
    EXPECT_EQ(shown(found).pictureName(), QString());
    const QImage image = shown(found).picture().toImage();
    if (controlKind(d.control) == ControlKind::PictureBox || d.control == Control::Image5) {
      EXPECT_EQ(image.size(), d.control == Control::Image5 ? QSize(100, 100) : QSize(73, 98));
      EXPECT_TRUE(allPixels(image, kFeltGreen));
    } else {
      EXPECT_TRUE(samePixels(image, startupBanknotes()));
    }
  }
}

TEST_F(WindowTest, FontsAndColoursFollowTheDesign) {
  const struct {
    Control control;
    double points;
    bool bold;
    QColor mustShow;  // a colour the control's own drawing contains
  } looks[] = {
      {Control::Text1, 12, false, {255, 255, 0}},   {Control::Text4, 12, false, {255, 255, 0}},
      {Control::Command1, 22.2, true, {0, 255, 0}}, {Control::Command2, 18, true, {128, 0, 0}},
      {Control::Label1, 24, true, {0, 0, 192}},     {Control::Label2, 12, false, {255, 0, 0}},
      {Control::total1, 10.8, true, {0, 64, 0}},
  };
  form_.clickControl(Control::Command1);  // the win counts are shown from the first deal on
  ASSERT_TRUE(errors_.empty());
  for (const auto& look : looks) {
    SCOPED_TRACE(controlName(look.control));
    QWidget* w = widget(look.control);
    EXPECT_DOUBLE_EQ(w->font().pointSizeF(), look.points);
    EXPECT_EQ(w->font().weight(), look.bold ? QFont::Bold : QFont::Normal);
    const QImage drawn = w->grab().toImage();
    EXPECT_GT(countPixels(drawn, look.mustShow), 0);
    EXPECT_TRUE(countPixels(drawn, kFeltGreen) > 0 ||
                controlKind(look.control) == ControlKind::Button);
  }
  EXPECT_EQ(form_.grab().toImage().pixelColor(715, 5), kFeltGreen);
}

TEST_F(WindowTest, TabOrderRunsOverTheCardPlacesThenTheButtonsThenTheTextBoxes) {
  std::vector<QString> expected, walked;
  for (int n = 1; n <= 15; ++n) expected.push_back(nameOf(pictureBox(n)));
  expected.insert(expected.end(), {QStringLiteral("Command1"), QStringLiteral("Command2")});
  for (int k = 1; k <= 4; ++k) expected.push_back(nameOf(textBox(k)));
  QWidget* w = widget(Control::Picture1);
  do {
    if (w->focusPolicy() & Qt::TabFocus) walked.push_back(w->objectName());
    w = w->nextInFocusChain();
  } while (w != widget(Control::Picture1) && walked.size() <= expected.size());
  EXPECT_EQ(walked, expected);
}

// Whole rounds as a person plays them, first by mouse, then by keyboard: Deal, then draw and
// throw the card drawn until the round ends.
TEST_F(WindowTest, DealAndWholeRoundsPlayByMouseAndByKeyboard) {
  form_.show();  // keyboard focus needs the window shown and active
  form_.activateWindow();
  QCoreApplication::processEvents();
  for (bool byKey : {false, true}) {
    SCOPED_TRACE(byKey ? "keyboard" : "mouse");
    const uint64_t rounds = game_.stats().rounds;
    press(Control::Command1, byKey);
    ASSERT_EQ(game_.stats().rounds, rounds + 1);
    ASSERT_EQ(game_.state().dealt, 1) << "the seed should leave the round under way";
    // Each card place paints its file unscaled at its top-left corner, felt green around it.
    for (Control c :
         {Control::Picture1, Control::Picture2, Control::Picture14, Control::Picture15}) {
      SCOPED_TRACE(controlName(c));
      const QImage file(QString::fromStdString((dir_ / game_.table()[c]).string()));
      ASSERT_EQ(file.size(), QSize(73, 98));
      const QImage drawn = widget(c)->grab().toImage();
      EXPECT_TRUE(samePixels(drawn.copy(0, 0, 73, 98), file));
      EXPECT_TRUE(allPixels(drawn.copy(73, 0, drawn.width() - 73, drawn.height()), kFeltGreen));
      EXPECT_TRUE(allPixels(drawn.copy(0, 98, drawn.width(), drawn.height() - 98), kFeltGreen));
    }
    if (byKey) {
      const Table before = game_.table();
      press(Control::Picture5, true);  // a computer player's card has no click
      EXPECT_EQ(game_.table(), before);
      widget(Control::Picture14)->setFocus();  // the focused card place alone is marked
      EXPECT_GT(countPixels(widget(Control::Picture14)->grab().toImage(), {255, 255, 0}), 0);
      EXPECT_EQ(countPixels(widget(Control::Picture5)->grab().toImage(), {255, 255, 0}), 0);
    }
    for (int turn = 0; turn < 200 && game_.state().dealt == 1; ++turn) {
      if (game_.state().turnphase == kClosedPhase) break;
      press(Control::Picture14, byKey);
      ASSERT_EQ(game_.state().turnphase, kDiscardPhase);
      EXPECT_NE(game_.table()[Control::Picture4], kEmptyPlace);
      press(Control::Picture4, byKey);
      ASSERT_NE(game_.state().turnphase, kDiscardPhase);
      expectInLineWithTable();
    }
    if (game_.state().dealt == 1) press(Control::Command2, byKey);  // still going: knock
    EXPECT_EQ(game_.state().dealt, 0);
    EXPECT_TRUE(errors_.empty());
    expectInLineWithTable();
  }
  form_.hide();
}

TEST_F(WindowTest, AFileFaultShowsAMessageAndTheWindowStaysUsable) {
  const QString cardFile = QString::fromStdString((dir_ / kCardFile).string());
  ASSERT_TRUE(QFile::rename(cardFile, cardFile + ".aside"));
  form_.clickControl(Control::Command1);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_TRUE(errors_[0].contains(QStringLiteral("cardfile.txt"))) << errors_[0].toStdString();
  // The message goes to the message sink only, never into the table and so no text box.
  for (const DesignedControl& d : kDesign) {
    EXPECT_EQ(game_.table()[d.control].find("cardfile"), std::string::npos)
        << controlName(d.control);
  }
  expectInLineWithTable();

  ASSERT_TRUE(QFile::rename(cardFile + ".aside", cardFile));
  form_.clickControl(Control::Command1);
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(game_.state().dealt, 1);
  expectInLineWithTable();
}

TEST_F(WindowTest, ADealThatRunsOutOfScriptedNumbersIsReported) {
  ScriptedRandom few({0.5f, 0.25f, 0.75f});
  Game game(dir_.path(), few);
  Form1 window(game);
  std::vector<QString> exhausted;
  window.setExhaustedSink([&](const QString& message) { exhausted.push_back(message); });
  window.clickControl(Control::Command1);
  ASSERT_EQ(exhausted.size(), 1u);
  EXPECT_EQ(window.randomExhausted(), exhausted[0]);
}

TEST_F(WindowTest, PictureCacheDecodesOnceAndStandsInForAMissingFile) {
  std::vector<QString> warnings;
  PictureCache cache(dir_.path(), QSize(100, 101),
                     [&](const QString& line) { warnings.push_back(line); });
  for (const char* file : {"down1.JPG", "gone.JPG", "no such card.JPG"}) {
    SCOPED_TRACE(file);
    const bool missing = file[0] == 'n';
    const int before = cache.decodes();
    const QPixmap first = cache.picture(QString::fromUtf8(file));
    EXPECT_EQ(cache.picture(QString::fromUtf8(file)).cacheKey(), first.cacheKey());
    EXPECT_EQ(cache.decodes(), before + 1);
    EXPECT_EQ(warnings.size(), missing ? 1u : 0u);
    if (!missing) continue;
    EXPECT_EQ(first.size(), QSize(73, 98));
    EXPECT_EQ(first.toImage().pixelColor(0, 0), kFeltGreen);
    EXPECT_FALSE(allPixels(first.toImage(), kFeltGreen)) << "the name is written on it";
    EXPECT_TRUE(!warnings.empty() && warnings.back().contains(QString::fromUtf8(file)));
  }
}

// Noise over a gradient, with some transparency: every decoder's rounding and chroma handling
// shows in it.
QImage testPicture(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  quint32 noise = 12345;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const int n = static_cast<int>(noise >> 27);
      image.setPixelColor(
          x, y,
          QColor((x * 2 + n) % 256, (y * 3 + n) % 256, (x + y) % 256, x % 7 == 0 ? 128 : 255));
    }
  }
  return image;
}

// Only the top-left part a place shows is kept, and it is exactly that part of the whole
// picture as it decodes, whatever the format and whether it is larger or smaller than a place.
TEST(PictureCache, TheShownPartIsThatPartOfTheWholePicture) {
  testing::TempDir dir;
  const QSize shown(100, 101);
  struct Case {
    const char* file;
    const char* format;
    QSize size;
    bool progressive;
  };
  const Case cases[] = {
      {"photo.JPG", "jpeg", {640, 480}, false}, {"progressive.JPG", "jpeg", {640, 480}, true},
      {"alpha.png", "png", {300, 200}, false},  {"small.ppm", "ppm", {50, 60}, false},
      {"wide.bmp", "bmp", {400, 80}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const QString file = QString::fromStdString((dir / c.file).string());
    QImageWriter writer(file, c.format);
    writer.setProgressiveScanWrite(c.progressive);
    ASSERT_TRUE(writer.write(testPicture(c.size.width(), c.size.height())));
    QString fault;
    const QImage part = PictureCache::readShownPart(dir / c.file, shown, fault);
    ASSERT_FALSE(part.isNull()) << fault.toStdString();
    const QImage whole = QImage(file).copy(QRect(QPoint(0, 0), shown.boundedTo(c.size)));
    EXPECT_EQ(part.size(), whole.size());
    EXPECT_EQ(part.convertToFormat(QImage::Format_ARGB32),
              whole.convertToFormat(QImage::Format_ARGB32));
  }
}

// Refused with the stand-in, at once and without decoding: a named pipe (a reader that
// waited on it would hang until the test gives up and opens it), and pictures larger than may
// be decoded whole, in a format that cannot decode just a part or as a progressive JPEG. The
// same size as a plain JPEG decodes only its top and loads.
TEST(PictureCache, APipeOrAPictureTooLargeToDecodeWholeIsRefused) {
  testing::TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "pipe.JPG").c_str(), 0644), 0);
  QImage huge(4100, 4100, QImage::Format_RGB32);  // 67 MB once decoded, a few kB as a file
  huge.fill(Qt::white);
  for (const auto& [name, format, progressive] : {std::tuple{"huge.png", "png", false},
                                                  {"huge.JPG", "jpeg", false},
                                                  {"progressive.JPG", "jpeg", true}}) {
    QImageWriter writer(QString::fromStdString((dir / name).string()), format);
    writer.setProgressiveScanWrite(progressive);
    ASSERT_TRUE(writer.write(huge)) << name;
  }
  const std::pair<const char*, const char*> cases[] = {
      {"pipe.JPG", "it is not a regular file"},
      {"huge.png",
       "it is 4100 x 4100 pixels, more than the 16 megapixels that a picture in the "
       "png format may have"},
      {"progressive.JPG",
       "it is 4100 x 4100 pixels, more than the 16 megapixels that a "
       "progressive JPEG may have"},
      {"huge.JPG", "loaded"},
  };
  for (const auto& [name, fault] : cases) {
    SCOPED_TRACE(name);
    const auto file = dir / name;
    auto result = std::async(std::launch::async, [file] {
      QString why;
      const bool loaded = !PictureCache::readShownPart(file, QSize(100, 101), why).isNull();
      return loaded ? QStringLiteral("loaded") : why;
    });
    if (result.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
      ADD_FAILURE() << "the reader waits on the pipe";
      ::close(::open(file.c_str(), O_WRONLY | O_NONBLOCK));
    }
    const QString why = result.get();
    EXPECT_TRUE(why.startsWith(QString::fromUtf8(fault))) << why.toStdString();
  }
}

}  // namespace
}  // namespace korvo
