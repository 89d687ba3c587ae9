// The window over a real game directory, off screen: the controls as designed, clicks through
// the real widgets, the pictures the engine's table names, and file faults in a message box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/random.h"
#include "table/art.h"
#include "table/form1.h"
#include "table/initdir.h"
#include "table/picturebox.h"
#include "table/picturecache.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

// One QApplication for the whole test program; argc must outlive it. It is destroyed before
// exit, while the toolkit's own static objects still exist.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "window_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};
const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

QString nameOf(Control c) {
  const std::string_view name = controlName(c);
  return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

std::vector<Control> allControls() {
  std::vector<Control> controls;
  for (std::size_t i = 0; i < kControlCount; ++i) controls.push_back(static_cast<Control>(i));
  return controls;
}

// The picture a picture box or image control shows, and the file it came from.
const ShownPicture& shownOf(QWidget* widget) {
  const auto* shown = dynamic_cast<const ShownPicture*>(widget);
  if (shown == nullptr)
    throw std::logic_error(widget->objectName().toStdString() + " shows no picture");
  return *shown;
}
QString pictureNameOf(QWidget* widget) {
  return shownOf(widget).pictureName();
}
QPixmap pictureOf(QWidget* widget) {
  return shownOf(widget).picture();
}

QString textOf(QWidget* widget) {
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  ADD_FAILURE() << widget->objectName().toStdString() << " shows no text";
  return {};
}

bool samePixels(const QImage& a, const QImage& b) {
  return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

bool allPixels(const QImage& image, QColor color) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) {
      if (rgb.pixelColor(x, y) != color) return false;
    }
  }
  return true;
}

bool anyPixel(const QImage& image, QColor color) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) {
      if (rgb.pixelColor(x, y) == color) return true;
    }
  }
  return false;
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initGameDir(dir());
    game_ = std::make_unique<Game>(dir(), random_);
    form_ = std::make_unique<Form1>(*game_);
    form_->setErrorSink([this](const QString& message) { errors_.push_back(message); });
  }

  const std::filesystem::path& dir() const { return dir_.path(); }
  Form1& form() { return *form_; }
  const Game& game() const { return *game_; }
  QWidget* widget(Control c) { return form_->control(c); }

  // Every control shows what the engine's table says.
  void expectInLineWithTable() {
    for (Control c : allControls()) {
      const QString entry = QString::fromStdString(game().table()[c]);
      const ControlKind kind = controlKind(c);
      if (kind == ControlKind::PictureBox || kind == ControlKind::Image) {
        EXPECT_EQ(pictureNameOf(widget(c)), entry) << controlName(c);
      } else {
        EXPECT_EQ(textOf(widget(c)), entry) << controlName(c);
      }
    }
  }

  void pressSpace(QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
  }

  testing::TempDir dir_;
  SeededRandom random_{7};
  std::unique_ptr<Game> game_;
  std::unique_ptr<Form1> form_;
  std::vector<QString> errors_;
};

struct DesignedControl {
  Control control;
  int left, top, width, height;  // twips
  const char* startup;           // text or caption; nullptr for a picture
};

// The table as designed, 12 twips to the pixel.
const DesignedControl kDesign[] = {
    {Control::Text1, 3240, 6120, 2772, 372, "Pell Varny"},
    {Control::Text2, 5760, 3600, 2772, 372, "Quillbrook Oma"},
    {Control::Text3, 2400, 1440, 2772, 372, "Tobin Marl"},
    {Control::Text4, 120, 4440, 2772, 372, "Wenna Cope"},
    {Control::Command1, 7200, 4200, 1332, 528, "Deal"},
    {Control::Command2, 7200, 6000, 1332, 492, "Knock"},
    {Control::Picture1, 3120, 4800, 924, 1212, nullptr},
    {Control::Picture2, 4080, 4800, 1044, 1212, nullptr},
    {Control::Picture3, 5040, 4800, 924, 1212, nullptr},
    {Control::Picture4, 6000, 4800, 924, 1212, nullptr},
    {Control::Picture5, 5760, 2280, 924, 1212, nullptr},
    {Control::Picture6, 6720, 2280, 924, 1212, nullptr},
    {Control::Picture7, 7680, 2280, 924, 1212, nullptr},
    {Control::Picture8, 2400, 120, 924, 1212, nullptr},
    {Control::Picture9, 3360, 120, 924, 1212, nullptr},
    {Control::Picture10, 4320, 120, 924, 1212, nullptr},
    {Control::Picture11, 120, 3000, 924, 1212, nullptr},
    {Control::Picture12, 1080, 3000, 924, 1212, nullptr},
    {Control::Picture13, 2040, 3000, 924, 1212, nullptr},
    {Control::Picture14, 3360, 3240, 924, 1212, nullptr},
    {Control::Picture15, 4440, 3240, 924, 1212, nullptr},
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

TEST_F(WindowTest, EveryControlStandsAtItsDesignedPlaceWithItsStartUpLook) {
  EXPECT_EQ(form().windowTitle(), QStringLiteral("Korvo by Vendrake at  korvo.example.org"));
  EXPECT_EQ(form().size(), QSize(722, 550));
  EXPECT_EQ(form().minimumSize(), form().maximumSize());

  const QImage banknotes = startupBanknotes();
  for (const DesignedControl& d : kDesign) {
    SCOPED_TRACE(controlName(d.control));
    auto* found = form().findChild<QWidget*>(nameOf(d.control));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found, widget(d.control));
    EXPECT_EQ(found->geometry(), QRect(d.left / 12, d.top / 12, d.width / 12, d.height / 12));
    if (d.startup != nullptr) {
      EXPECT_EQ(textOf(found), QString::fromUtf8(d.startup));
      continue;
    }
    EXPECT_EQ(pictureNameOf(found), QString());
    const QImage shown = pictureOf(found).toImage();
    if (controlKind(d.control) == ControlKind::PictureBox) {
      EXPECT_EQ(shown.size(), QSize(73, 98));
      EXPECT_TRUE(allPixels(shown, kFeltGreen));
    } else if (d.control == Control::Image5) {
      EXPECT_EQ(shown.size(), QSize(100, 100));
      EXPECT_TRUE(allPixels(shown, kFeltGreen));
    } else {
      EXPECT_TRUE(samePixels(shown, banknotes));
    }
  }
}

TEST_F(WindowTest, CardPlacesAreNamedForScreenReaders) {
  const std::pair<Control, const char*> names[] = {
      {Control::Picture2, "Your card 2"},     {Control::Picture4, "Your new card"},
      {Control::Picture5, "Oma's card 1"},    {Control::Picture10, "Tobin's card 3"},
      {Control::Picture11, "Wenna's card 1"}, {Control::Picture14, "Draw pile"},
      {Control::Picture15, "Discard pile"},
  };
  for (const auto& [c, name] : names) {
    EXPECT_EQ(widget(c)->accessibleName(), QString::fromUtf8(name)) << controlName(c);
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(widget(c)) != nullptr) << controlName(c);
  }
}

TEST_F(WindowTest, TextBoxesTakeNoTyping) {
  for (int k = 1; k <= 4; ++k) {
    auto* box = qobject_cast<QLineEdit*>(widget(textBox(k)));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
  }
}

struct DesignedLook {
  Control control;
  double points;
  bool bold;
  QColor mustShow;  // a colour the control's own drawing contains
};

TEST_F(WindowTest, FontsAndColoursFollowTheDesign) {
  const QColor yellow(255, 255, 0), blue(0, 0, 192), red(255, 0, 0), darkGreen(0, 64, 0);
  const DesignedLook looks[] = {
      {Control::Text1, 12, false, yellow},
      {Control::Text4, 12, false, yellow},
      {Control::Command1, 22.2, true, {0, 255, 0}},
      {Control::Command2, 18, true, {128, 0, 0}},
      {Control::Label1, 24, true, blue},
      {Control::Label2, 12, false, red},
      {Control::total1, 10.8, true, darkGreen},
  };
  // The win counts are shown from the first deal on.
  form().clickControl(Control::Command1);
  ASSERT_TRUE(errors_.empty());
  for (const DesignedLook& look : looks) {
    SCOPED_TRACE(controlName(look.control));
    QWidget* w = widget(look.control);
    EXPECT_DOUBLE_EQ(w->font().pointSizeF(), look.points);
    EXPECT_EQ(w->font().weight(), look.bold ? QFont::Bold : QFont::Normal);
    const QImage drawn = w->grab().toImage();
    EXPECT_TRUE(anyPixel(drawn, look.mustShow));
    EXPECT_TRUE(anyPixel(drawn, kFeltGreen) || controlKind(look.control) == ControlKind::Button);
  }
  // The buttons are filled with their face colour beside the caption.
  EXPECT_EQ(widget(Control::Command1)->grab().toImage().pixelColor(6, 6), QColor(0, 255, 0));
  EXPECT_EQ(widget(Control::Command2)->grab().toImage().pixelColor(6, 6), QColor(128, 0, 0));
  EXPECT_EQ(form().grab().toImage().pixelColor(715, 5), kFeltGreen);
}

TEST_F(WindowTest, TabOrderRunsOverTheCardPlacesThenTheButtonsThenTheTextBoxes) {
  std::vector<QString> expected;
  for (int n = 1; n <= 15; ++n) expected.push_back(nameOf(pictureBox(n)));
  expected.push_back(QStringLiteral("Command1"));
  expected.push_back(QStringLiteral("Command2"));
  for (int k = 1; k <= 4; ++k) expected.push_back(nameOf(textBox(k)));

  std::vector<QString> walked;
  QWidget* start = widget(Control::Picture1);
  QWidget* w = start;
  do {
    if (w->focusPolicy() & Qt::TabFocus) walked.push_back(w->objectName());
    w = w->nextInFocusChain();
  } while (w != start && walked.size() <= expected.size());
  EXPECT_EQ(walked, expected);
}

TEST_F(WindowTest, DealThroughTheButtonShowsTheDealtTable) {
  form().clickControl(Control::Command1);
  ASSERT_TRUE(errors_.empty());
  ASSERT_EQ(game().state().dealt, 1) << "the seed should leave the round under way";

  expectInLineWithTable();
  for (int place = 1; place <= 3; ++place) {
    EXPECT_EQ(pictureNameOf(widget(pictureBox(place))),
              QString::fromStdString(game().state().p1card[place]));
  }
  for (int n = 5; n <= 14; ++n) {
    EXPECT_EQ(pictureNameOf(widget(pictureBox(n))), QStringLiteral("down1.JPG")) << n;
  }
  const QString discard = pictureNameOf(widget(Control::Picture15));
  EXPECT_TRUE(discard.endsWith(QStringLiteral(".JPG")) && discard != "down1.JPG" &&
              discard != "gone.JPG")
      << discard.toStdString();

  // Each card place paints its file unscaled at its top-left corner, felt green around it.
  for (Control c : {Control::Picture1, Control::Picture2, Control::Picture14, Control::Picture15}) {
    SCOPED_TRACE(controlName(c));
    const QImage file(QString::fromStdString((dir() / game().table()[c]).string()));
    ASSERT_EQ(file.size(), QSize(73, 98));
    const QImage drawn = widget(c)->grab().toImage();
    EXPECT_TRUE(samePixels(drawn.copy(0, 0, 73, 98), file));
    EXPECT_TRUE(allPixels(drawn.copy(73, 0, drawn.width() - 73, drawn.height()), kFeltGreen));
    EXPECT_TRUE(allPixels(drawn.copy(0, 98, drawn.width(), drawn.height() - 98), kFeltGreen));
  }
}

TEST_F(WindowTest, SpaceOnAFocusedCardPlaceClicksIt) {
  // Keyboard focus needs the window shown and active.
  form().show();
  form().activateWindow();
  QCoreApplication::processEvents();
  form().clickControl(Control::Command1);
  ASSERT_EQ(game().state().turnphase, kTakePhase);

  // A computer player's card has no click: the table stays as it is.
  const Table before = game().table();
  widget(Control::Picture5)->setFocus();
  pressSpace(widget(Control::Picture5));
  EXPECT_EQ(game().table(), before);

  widget(Control::Picture14)->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), widget(Control::Picture14));
  // The focused card place is marked in yellow, the others not.
  const QColor mark(255, 255, 0);
  EXPECT_TRUE(anyPixel(widget(Control::Picture14)->grab().toImage(), mark));
  EXPECT_FALSE(anyPixel(widget(Control::Picture5)->grab().toImage(), mark));
  pressSpace(QApplication::focusWidget());
  EXPECT_EQ(game().state().turnphase, kDiscardPhase);
  EXPECT_NE(game().table()[Control::Picture4], kEmptyPlace);
  expectInLineWithTable();

  widget(Control::Picture4)->setFocus();
  pressSpace(QApplication::focusWidget());
  EXPECT_NE(game().state().turnphase, kDiscardPhase);
  expectInLineWithTable();
  form().hide();
}

// Plays whole rounds as a person would: Deal, then draw and throw the card drawn until the
// round ends, every move a mouse click or a key press on the real widget.
TEST_F(WindowTest, WholeRoundsPlayByMouseAndByKeyboard) {
  form().show();
  form().activateWindow();
  QCoreApplication::processEvents();
  const auto mouse = [&](Control c) {
    QWidget* w = widget(c);
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
  };
  const auto keyboard = [&](Control c) {
    widget(c)->setFocus();
    pressSpace(QApplication::focusWidget());
  };
  for (const auto& press :
       {std::function<void(Control)>(mouse), std::function<void(Control)>(keyboard)}) {
    const uint64_t rounds = game().stats().rounds;
    press(Control::Command1);
    ASSERT_EQ(game().stats().rounds, rounds + 1);
    for (int turn = 0; turn < 200 && game().state().dealt == 1; ++turn) {
      if (game().state().turnphase == kClosedPhase) break;
      press(Control::Picture14);
      ASSERT_EQ(game().state().turnphase, kDiscardPhase);
      press(Control::Picture4);
      expectInLineWithTable();
    }
    if (game().state().dealt == 1) press(Control::Command2);  // still going: knock to end it
    EXPECT_EQ(game().state().dealt, 0);
    EXPECT_TRUE(errors_.empty());
    expectInLineWithTable();
  }
  form().hide();
}

TEST_F(WindowTest, AFileFaultShowsAMessageAndTheWindowStaysUsable) {
  const QString cardFile = QString::fromStdString((dir() / "cardfile.txt").string());
  const QString aside = cardFile + QStringLiteral(".aside");
  ASSERT_TRUE(QFile::rename(cardFile, aside));

  form().clickControl(Control::Command1);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_TRUE(errors_[0].contains(QStringLiteral("cardfile.txt"))) << errors_[0].toStdString();
  // The message goes to the box only, never into the table.
  for (Control c : allControls()) {
    EXPECT_FALSE(QString::fromStdString(game().table()[c]).contains("cardfile")) << controlName(c);
  }
  for (int k = 1; k <= 4; ++k) EXPECT_FALSE(textOf(widget(textBox(k))).contains("cardfile"));
  expectInLineWithTable();

  ASSERT_TRUE(QFile::rename(aside, cardFile));
  form().clickControl(Control::Command1);
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(game().state().dealt, 1);
  EXPECT_FALSE(pictureNameOf(widget(Control::Picture1)).isEmpty());
  expectInLineWithTable();
}

TEST_F(WindowTest, ADealThatRunsOutOfScriptedNumbersIsReported) {
  ScriptedRandom few({0.5f, 0.25f, 0.75f});
  Game game(dir(), few);
  Form1 window(game);
  std::vector<QString> exhausted;
  window.setExhaustedSink([&](const QString& message) { exhausted.push_back(message); });
  window.clickControl(Control::Command1);
  ASSERT_EQ(exhausted.size(), 1u);
  ASSERT_TRUE(window.randomExhausted().has_value());
  EXPECT_EQ(*window.randomExhausted(), exhausted[0]);
}

TEST_F(WindowTest, TheWindowDecodesEachShownPictureOnce) {
  // Every file the table has named so far, over a deal, a take and a discard.
  std::set<std::string> named;
  const auto collect = [&] {
    for (Control c : allControls()) {
      const ControlKind kind = controlKind(c);
      const std::string& entry = game().table()[c];
      if ((kind == ControlKind::PictureBox || kind == ControlKind::Image) && !entry.empty()) {
        named.insert(entry);
      }
    }
  };
  for (Control click : {Control::Command1, Control::Picture14, Control::Picture4}) {
    form().clickControl(click);
    collect();
    EXPECT_EQ(form().pictures().decodes(), static_cast<int>(named.size())) << controlName(click);
  }
  EXPECT_TRUE(errors_.empty());
}

struct CacheCase {
  const char* file;
  bool loads;
};

TEST_F(WindowTest, PictureCacheDecodesOnceAndStandsInForAMissingFile) {
  const CacheCase cases[] = {{"down1.JPG", true}, {"gone.JPG", true}, {"no such card.JPG", false}};
  std::vector<QString> warnings;
  PictureCache cache(dir(), [&](const QString& line) { warnings.push_back(line); });
  int expectedWarnings = 0;
  for (const CacheCase& c : cases) {
    SCOPED_TRACE(c.file);
    const int before = cache.decodes();
    const QPixmap first = cache.picture(QString::fromUtf8(c.file));
    const QPixmap again = cache.picture(QString::fromUtf8(c.file));
    EXPECT_EQ(cache.decodes(), before + 1);
    EXPECT_EQ(first.cacheKey(), again.cacheKey());
    if (c.loads) {
      const QImage file(QString::fromStdString((dir() / c.file).string()));
      EXPECT_TRUE(samePixels(first.toImage(), file));
    } else {
      ++expectedWarnings;
      EXPECT_EQ(first.size(), QSize(73, 98));
      EXPECT_EQ(first.toImage().pixelColor(0, 0), kFeltGreen);
      EXPECT_FALSE(allPixels(first.toImage(), kFeltGreen)) << "the name is written on it";
      ASSERT_EQ(static_cast<int>(warnings.size()), expectedWarnings);
      EXPECT_TRUE(warnings.back().contains(QString::fromUtf8(c.file)));
    }
  }
  EXPECT_EQ(static_cast<int>(warnings.size()), expectedWarnings);
}

}  // namespace
}  // namespace korvo
