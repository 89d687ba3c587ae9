// The window over a real game directory, off screen: rounds played through the real widgets
// by mouse and keyboard, what each control shows and says to a screen reader, file faults in
// a message box, and the picture cache's bounds.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QFile>
#include <QImageWriter>
#include <QTest>
#include <chrono>
#include <future>
#include <set>
#include <vector>

#include "game/gamedir.h"
#include "tests/window_support.h"
#include "window/art.h"
#include "window/picturecache.h"
#include "window/speech.h"

namespace korvo {
namespace {

// One QApplication for every test of the window test program.
const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// What a control says: its accessible name, and a text box its text.
QString said(QWidget* w) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  return iface->text(QAccessible::Name) + u'|' + iface->text(QAccessible::Value);
}
QString words(Value value, const std::string& suit) {
  return QString::number(value) + u' ' + QString::fromStdString(suit);
}

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    form_.setErrorSink([this](const QString& message) { errors_.push_back(message); });
    setSpeechObserver([this](const SpokenChange& change) { heard_.push_back(change); });
    form_.show();  // the keyboard focus needs the window shown and active
    form_.activateWindow();
    QCoreApplication::processEvents();
  }
  ~WindowTest() override { setSpeechObserver({}); }
  QWidget* widget(Control c) { return form_.control(c); }

  // A click as a person makes it, on the control given the focus: the mouse, or Space. Each
  // control whose words change is heard changing, and each picture shown is decoded once.
  void press(Control c, bool byKey = false) {
    widget(c)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), widget(c)) << controlName(c);
    std::vector<QString> before;
    for (Control each : kControls) before.push_back(said(widget(each)));
    heard_.clear();
    if (byKey) QTest::keyClick(widget(c), Qt::Key_Space);
    if (!byKey) QTest::mouseClick(widget(c), Qt::LeftButton);
    for (Control each : kControls) {
      const auto heard = std::ranges::count_if(heard_, [&](const SpokenChange& change) {
        return change.widget == widget(each) && change.event != QAccessible::DescriptionChanged;
      });
      EXPECT_EQ(heard, said(widget(each)) != before[static_cast<std::size_t>(each)])
          << controlName(each) << " says " << said(widget(each)).toStdString();
      const auto* picture = dynamic_cast<const ShownPicture*>(widget(each));
      if (picture && !picture->pictureName().isEmpty()) decoded_.insert(picture->pictureName());
    }
    EXPECT_EQ(form_.pictures().decodes(), static_cast<int>(decoded_.size())) << controlName(c);
  }

  // Every control shows what the game's table names and says what the game holds, and the
  // click's news is the focused control's description, with the hands at the show-down.
  void expectShownAndSaid() {
    const GameState& st = game_.state();
    const Table& table = game_.table();
    EXPECT_EQ(showing(form_), named(table));
    const auto says = [&](Control c, const QString& what) {
      const QString expected = table[c] == kCardBack     ? QStringLiteral("face down")
                               : table[c] == kEmptyPlace ? QStringLiteral("empty")
                                                         : what;
      EXPECT_TRUE(said(widget(c)).endsWith(QStringLiteral(": ") + expected + u'|'))
          << said(widget(c)).toStdString();
    };
    for (int k = 1; k <= kPlayers; ++k) {
      const HandRef h = const_cast<GameState&>(st).hand(k);
      for (int n = 1; n <= (k == 1 ? 4 : 3); ++n) {
        says(cardPlace(k, n), words(h.value[n], h.suit[n]));
      }
      says(honorImage(k), QString::number(st.honor[k]));
      says(totalLabel(k), QString::number(st.wins[k]));
    }
    says(Control::Picture14, QStringLiteral("face down"));
    if (st.turnphase != kDiscardPhase) {  // until the discard, the pile shows its old top
      says(Control::Picture15, words(st.deckvalue[st.deckpos], st.decksuit[st.deckpos]));
    }
    says(Control::Image5, QString::number(st.pot));
    const QString news = lastNews();
    EXPECT_TRUE(news.startsWith(QString::fromStdString(table[Control::Text1])))
        << news.toStdString();
    EXPECT_EQ(news.contains(u"Oma's card 1: "), st.dealt == 0) << news.toStdString();
    EXPECT_FALSE(news.contains(u".JPG")) << news.toStdString();
  }

  // The description the focused control was last given.
  QString lastNews() const {
    for (auto it = heard_.rbegin(); it != heard_.rend(); ++it) {
      if (it->event == QAccessible::DescriptionChanged && !it->text.isEmpty()) {
        EXPECT_EQ(it->widget, QApplication::focusWidget());
        return it->text;
      }
    }
    return {};
  }

  Played played_;
  Game& game_ = played_.game;
  Form1 form_{game_};
  std::vector<QString> errors_;
  std::vector<SpokenChange> heard_;
  std::set<QString> decoded_;  // every picture shown so far
};

// Whole rounds as a person plays them, first by mouse, then by keyboard: Deal, then draw and
// throw the card drawn until the round ends.
TEST_F(WindowTest, RoundsPlayedByMouseAndKeyboardShowAndSayTheGame) {
  EXPECT_EQ(said(widget(Control::Picture2)), QStringLiteral("Your card 2: empty|"));
  EXPECT_EQ(said(widget(Control::Image1)), QStringLiteral("Your honor points: 4|"));
  for (bool byKey : {false, true}) {
    SCOPED_TRACE(byKey ? "keyboard" : "mouse");
    press(Control::Command1, byKey);
    ASSERT_EQ(game_.state().dealt, 1) << "the seed should leave the round under way";
    expectShownAndSaid();
    while (game_.state().dealt == 1 && game_.state().turnphase != kClosedPhase) {
      press(Control::Picture14, byKey);
      ASSERT_EQ(game_.state().turnphase, kDiscardPhase);
      expectShownAndSaid();
      press(Control::Picture4, byKey);
      ASSERT_NE(game_.state().turnphase, kDiscardPhase);
      expectShownAndSaid();
    }
    if (game_.state().dealt == 1) press(Control::Command2, byKey);  // still going: knock
    ASSERT_EQ(game_.state().dealt, 0);
    expectShownAndSaid();
  }
  EXPECT_TRUE(errors_.empty());

  // The focused card place alone is marked.
  const QImage drawPile = widget(Control::Picture14)->grab().toImage();
  const QImage card = widget(Control::Picture1)->grab().toImage();
  widget(Control::Picture14)->setFocus();
  EXPECT_FALSE(samePixels(widget(Control::Picture14)->grab().toImage(), drawPile));
  EXPECT_TRUE(samePixels(widget(Control::Picture1)->grab().toImage(), card));
}

TEST_F(WindowTest, AFileFaultShowsAMessageAndTheWindowStaysUsable) {
  const QString cardFile = QString::fromStdString((played_.dir / kCardFile).string());
  ASSERT_TRUE(QFile::rename(cardFile, cardFile + ".aside"));
  form_.clickControl(Control::Command1);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_TRUE(errors_[0].contains(QStringLiteral("cardfile.txt"))) << errors_[0].toStdString();
  for (const QString& entry : named(game_.table())) EXPECT_FALSE(entry.contains(u"cardfile"));
  EXPECT_EQ(showing(form_), named(game_.table()));

  ASSERT_TRUE(QFile::rename(cardFile + ".aside", cardFile));
  form_.clickControl(Control::Command1);
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(game_.state().dealt, 1);
  EXPECT_EQ(showing(form_), named(game_.table()));
}

// Only the top-left part a place shows is decoded and kept, exactly that part of the whole
// picture, whatever the format and size. Refused at once and without decoding, with an empty
// place that names the file in its stead: a missing file, a named pipe (a reader that waited
// on it would hang until the test opens it), and pictures larger than may be decoded whole,
// in a format that cannot decode just a part or as a progressive JPEG.
TEST(PictureCache, DecodesTheShownPartAndStandsInForWhatItCannotLoad) {
  GameDirWithPictures dir;  // its drawn cards, enlarged, make the pictures to read
  ASSERT_EQ(::mkfifo((dir / "pipe.JPG").c_str(), 0644), 0);
  const QSize shown(100, 101), huge(4100, 4100);  // huge: 67 MB once decoded
  const std::tuple<const char*, const char*, QSize, bool, const char*> cases[] = {
      {"photo.JPG", "jpeg", {640, 480}, false, ""},
      {"progressive.JPG", "jpeg", {640, 480}, true, ""},
      {"alpha.png", "png", {300, 200}, false, ""},
      {"small.ppm", "ppm", {50, 60}, false, ""},
      {"huge.JPG", "jpeg", huge, false, ""},  // a plain JPEG decodes only its top
      {"huge.png", "png", huge, false,
       "it is 4100 x 4100 pixels, more than the 16 megapixels that a picture in the png format"},
      {"huge-progressive.JPG", "jpeg", huge, true,
       "it is 4100 x 4100 pixels, more than the 16 megapixels that a progressive JPEG"},
      {"pipe.JPG", nullptr, {}, false, "it is not a regular file"},
      {"missing.JPG", nullptr, {}, false, "No such file"},
  };
  std::vector<QString> warnings;
  PictureCache cache(dir.path(), shown, [&](const QString& line) { warnings.push_back(line); });
  for (const auto& [name, format, size, progressive, refusal] : cases) {
    SCOPED_TRACE(name);
    const QString file = QString::fromStdString((dir / name).string());
    if (format != nullptr) {
      QImageWriter writer(file, format);
      writer.setProgressiveScanWrite(progressive);
      ASSERT_TRUE(writer.write(QImage(QString::fromStdString((dir / "QH.JPG").string()))
                                   .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    auto read = std::async(std::launch::async, [&, name = name] {
      QString fault;
      return std::pair(PictureCache::readShownPart(dir / name, shown, fault), fault);
    });
    if (read.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
      ::close(::open(file.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK));
      FAIL() << "the reader waits on the pipe";
    }
    const auto [part, fault] = read.get();
    const std::size_t warned = warnings.size();
    const QImage kept = cache.picture(QString::fromUtf8(name)).toImage();
    if (*refusal == '\0') {
      const QImage whole = QImage(file).copy(QRect(QPoint(0, 0), shown.boundedTo(size)));
      EXPECT_EQ(part.convertToFormat(QImage::Format_ARGB32),
                whole.convertToFormat(QImage::Format_ARGB32));
      EXPECT_EQ(kept.size(), whole.size());
    } else {
      EXPECT_TRUE(part.isNull() && fault.startsWith(QString::fromUtf8(refusal)))
          << fault.toStdString();
      EXPECT_TRUE(samePixels(kept, PictureCache::placeholder(QString::fromUtf8(name))));
      ASSERT_EQ(warnings.size(), warned + 1);
      EXPECT_TRUE(warnings.back().contains(file)) << warnings.back().toStdString();
    }
  }
}

}  // namespace
}  // namespace korvo
