// The window over a real game directory, off screen: rounds played through the real widgets
// by mouse and keyboard, what each control shows and says to a screen reader, file faults in
// a message box, the picture cache's bounds, and the pictures `korvo --init` draws.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QFile>
#include <QImageWriter>
#include <chrono>
#include <future>
#include <set>

#include "game/gamedir.h"
#include "game/spoken.h"
#include "tests/window_support.h"
#include "window/art.h"
#include "window/picturecache.h"

namespace korvo {
namespace {

QString said(QWidget* w, QAccessible::Text what = QAccessible::Name) {
  return QAccessible::queryAccessibleInterface(w)->text(what);
}
// All that a control tells a screen reader.
QString told(QWidget* w) {
  return said(w) + u'|' + said(w, QAccessible::Value) + u'|' + said(w, QAccessible::Description);
}

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    form_.setErrorSink([this](const QString& message) { errors_.push_back(message); });
    form_.show();  // the keyboard focus needs the window shown and active
    form_.activateWindow();
    QCoreApplication::processEvents();
  }
  QWidget* widget(Control c) { return form_.control(c); }

  // A click as a person makes it, on the control given the focus: the mouse, or Space. A
  // screen reader hears each control whose words change, and each picture shown is decoded
  // once.
  void press(Control c, bool byKey = false) {
    const bool dealt = game_.state().dealt == 1;
    widget(c)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), widget(c)) << controlName(c);
    std::vector<QString> before;
    for (Control each : kControls) before.push_back(told(widget(each)));
    heard_.clear();
    if (byKey) QTest::keyClick(widget(c), Qt::Key_Space);
    if (!byKey) QTest::mouseClick(widget(c), Qt::LeftButton);
    for (Control each : kControls) {
      const bool heard = std::ranges::any_of(
          heard_, [&](const SpokenChange& change) { return change.widget == widget(each); });
      EXPECT_TRUE(heard || told(widget(each)) == before[static_cast<std::size_t>(each)])
          << controlName(each) << " says " << told(widget(each)).toStdString();
    }
    std::ranges::copy_if(showing(form_), std::inserter(decoded_, decoded_.end()),
                         [](const QString& shown) { return shown.endsWith(u".JPG"); });
    EXPECT_EQ(form_.pictures().decodes(), static_cast<int>(decoded_.size())) << controlName(c);
    // Every control shows what the game's table names and says what the game holds, and the
    // click's news is the focused control's description, with the hands at the show-down.
    const GameState& st = game_.state();
    const Table& table = game_.table();
    EXPECT_EQ(showing(form_), named(table));
    const auto says = [&](Control control, const std::string& what) {
      EXPECT_TRUE(said(widget(control)).endsWith(QString::fromStdString(": " + what)))
          << said(widget(control)).toStdString();
    };
    for (Control place : kControls) {  // the card places, by the deck as the deal read it
      if (controlKind(place) == ControlKind::PictureBox)
        says(place, cardPlaceWords(st, table[place]));
    }
    const auto points = [](int n) { return std::to_string(n) + (n == 1 ? " point" : " points"); };
    for (int k = 1; k <= kPlayers; ++k) {
      says(honorImage(k), points(st.honor[k]));
      says(totalLabel(k), std::to_string(st.wins[k]));
    }
    says(Control::Image5, points(st.pot));
    // The news of the click, in the focused control's description.
    const QString news = said(QApplication::focusWidget(), QAccessible::Description);
    EXPECT_TRUE(news.startsWith(QString::fromStdString(table[Control::Text1])))
        << news.toStdString();
    EXPECT_EQ(news.contains(u"Oma's card 1: "), dealt && st.dealt == 0) << news.toStdString();
    EXPECT_FALSE(news.contains(u".JPG")) << news.toStdString();
  }

  Played played_;
  Game& game_ = played_.game;
  Form1 form_{game_};
  std::vector<QString> errors_;
  Listening listening_;
  std::vector<SpokenChange>& heard_ = listening_.heard;
  std::set<QString> decoded_;  // every picture shown so far
};

// Whole rounds as a person plays them, first by mouse, then by keyboard: Deal, then draw and
// throw the card drawn until the round ends. Before them, a file fault shows its message,
// in a message box and not in a text box, and the window stays usable.
TEST_F(WindowTest, RoundsPlayedByMouseAndKeyboardShowAndSayTheGame) {
  const QString cardFile = QString::fromStdString((played_.dir / kCardFile).string());
  ASSERT_TRUE(QFile::rename(cardFile, cardFile + ".aside"));
  form_.clickControl(Control::Command1);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_TRUE(errors_[0].contains(QStringLiteral("cardfile.txt"))) << errors_[0].toStdString();
  EXPECT_EQ(showing(form_), named(game_.table()));
  ASSERT_TRUE(QFile::rename(cardFile + ".aside", cardFile));
  for (bool byKey : {false, true}) {
    SCOPED_TRACE(byKey ? "keyboard" : "mouse");
    press(Control::Command1, byKey);
    ASSERT_EQ(game_.state().dealt, 1) << "the seed should leave the round under way";
    while (game_.state().dealt == 1 && game_.state().turnphase != kClosedPhase) {
      press(Control::Picture14, byKey);
      ASSERT_EQ(game_.state().turnphase, kDiscardPhase);
      press(Control::Picture4, byKey);
      ASSERT_NE(game_.state().turnphase, kDiscardPhase);
    }
    if (game_.state().dealt == 1) press(Control::Command2, byKey);  // still going: knock
    EXPECT_EQ(game_.state().dealt, 0);
  }
  EXPECT_EQ(errors_.size(), 1u);
  for (const char* text : {"Pell Pays!", "", "Pell Pays!"}) {  // the same news twice is heard twice
    game_.mutableTable().setText(Control::Text1, text);
    press(Control::Picture5);  // a computer player's card: the game refuses the click
  }
  ASSERT_FALSE(heard_.empty());
  EXPECT_EQ(heard_.back().event, QAccessible::DescriptionChanged);
  EXPECT_EQ(heard_.back().text, QStringLiteral("Pell Pays!"));

  // Each card place paints its picture at its top-left corner (what it paints, at every scale,
  // the picture cache's and the Wayland tests show), felt green beside it.
  for (Control c : {Control::Picture1, Control::Picture2, Control::Picture3, Control::Picture15}) {
    const QImage drawn = widget(c)->grab().toImage();
    const int card = qRound(kCardWidth * form_.devicePixelRatioF());
    EXPECT_TRUE(allPixels(drawn.copy(card, 0, drawn.width() - card, 1), kFeltGreen)) << int(c);
  }

  // The focused card place alone is marked.
  const QImage drawPile = widget(Control::Picture14)->grab().toImage(),
               card = widget(Control::Picture1)->grab().toImage();
  widget(Control::Picture14)->setFocus();
  EXPECT_FALSE(samePixels(widget(Control::Picture14)->grab().toImage(), drawPile));
  EXPECT_TRUE(samePixels(widget(Control::Picture1)->grab().toImage(), card));
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
    auto refused = std::async(std::launch::async, [&, name = name] {
      QString fault;
      return PictureCache::readShownPart(dir / name, shown, fault).isNull();
    });
    if (refused.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
      ::close(::open(file.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK));
      FAIL() << "the reader waits on the pipe";
    }
    EXPECT_EQ(refused.get(), *refusal != '\0');
    const std::size_t warned = warnings.size();
    const QImage kept = cache.picture(QString::fromUtf8(name)).toImage();
    ASSERT_EQ(warnings.size(), warned + (*refusal != '\0'));
    if (*refusal == '\0') {
      EXPECT_TRUE(samePixels(kept, QImage(file).copy(QRect(QPoint(0, 0), shown.boundedTo(size)))));
    } else {
      EXPECT_TRUE(samePixels(kept, PictureCache::placeholder(QString::fromUtf8(name))));
      EXPECT_TRUE(warnings.back().contains(file + ": " + refusal)) << warnings.back().toStdString();
    }
  }
}

// A finer twin is told by what it shows, whatever the order its file and its picture's were
// written in (a copy keeps no times): one of twice the size and the same drawing is drawn at
// 2x; one of another size, another drawing (the picture replaced since), a broken file, a
// directory or a named pipe is passed over without a word (a warning fails the test) for the
// picture scaled smoothly.
// The check is made once: other sizes of the same picture read nothing again.
TEST(PictureCache, TwinsAreToldByWhatTheyShowNotByTheirTimes) {
  GameDirWithPictures dir;
  namespace fs = std::filesystem;
  using namespace std::chrono_literals;
  using Path = const fs::path&;
  const std::tuple<const char*, std::function<void(Path, Path)>, bool> cases[] = {
      // The picture, what is done to its twin, and whether the twin is drawn.
      // clang-format off
      {"AS.JPG", [](Path t, Path p) { fs::last_write_time(t, fs::last_write_time(p) + 9h); }, true},
      {"KD.JPG", [](Path t, Path p) { fs::last_write_time(t, fs::last_write_time(p) - 9h); }, true},
      {"3D.JPG", [](Path t, Path) { QImage(5, 5, QImage::Format_RGB32).save(t.c_str()); }, false},
      {"QS.JPG", [&](Path, Path p) { fs::remove(p), fs::copy_file(dir / "KH.JPG", p); }, false},
      {"4H.JPG", [](Path t, Path) { testing::writeFile(t, "not a picture"); }, false},
      {"5S.JPG", [](Path t, Path) { fs::remove(t), fs::create_directory(t); }, false},
      {"6C.JPG", [](Path t, Path) { fs::remove(t), ::mkfifo(t.c_str(), 0644); }, false},
      // clang-format on
  };
  for (const auto& [name, spoil, drawn] : cases) {
    SCOPED_TRACE(name);
    const QString file = QString::fromStdString((dir / name).string());
    spoil(finerTwinName(file).toStdString(), file.toStdString());
    const QImage plain(file),
        expected =
            drawn ? QImage(finerTwinName(file))
                  : plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    PictureCache cache(dir.path(), {kCardWidth, kCardHeight},
                       [](const QString& line) { ADD_FAILURE() << line.toStdString(); });
    EXPECT_TRUE(samePixels(cache.picture(QString::fromUtf8(name), 1, 2).toImage(), expected));
    cache.picture(QString::fromUtf8(name), 1.5, 2);
    EXPECT_EQ(cache.decodes(), 1);
  }
}

// `korvo --init`: the pictures drawn for a fresh game directory, and a write that fails.
std::set<std::string> entries(const std::filesystem::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.insert(entry.path().filename());
  return names;
}

// `korvo --init` draws every picture and its finer twin under its name and keeps the
// player's own. A write that fails, as on a full disk, names the file and leaves no broken
// picture that the next --init would keep as the player's.
TEST(Init, WritesEveryPictureAndItsTwinUnderItsNameAndKeepsThePlayersOwn) {
  testing::TempDir dir;
  testing::writeFile(dir / "AS.JPG", "the player's own ace of spades");
  testing::writeFile(dir / kCardFile, "kept");
  testing::writeFile(dir / kTotalsFile, "0,0,0,0\r\n");
  try {
    const testing::FileSizeLimit full(64);
    ASSERT_TRUE(full.ok);
    initGameDir(dir.path());
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.file().parent_path(), dir.path());
  }
  EXPECT_EQ(entries(dir.path()), (std::set<std::string>{"AS.JPG", "cardfile.txt", "totals.txt"}));
  EXPECT_THROW(initGameDir(dir / "cardfile.txt" / "game"), FileError) << "not a directory";

  initGameDir(dir.path());
  std::set<std::string> pictures = {"down1.JPG", "gone.JPG"};
  for (const auto& c : standardCards()) pictures.insert(c.record.picture);
  for (int points = 0; points <= 12; ++points) pictures.insert(honorPicture(points));
  std::set<std::string> expected = {"cardfile.txt", "totals.txt", "four-colour"}, fourColour;
  for (const std::string& name : pictures) {
    expected.insert(name);
    if (name == "AS.JPG") continue;  // the player's own ace gets no twins
    if (name.find('.') <= 3) {       // a face
      fourColour.insert(name);
      fourColour.insert(finerTwinName(QString::fromStdString(name)).toStdString());
    }
    const QString file = QString::fromStdString((dir / name).string());
    const QImage base(file), twin(finerTwinName(file));
    expected.insert(finerTwinName(QString::fromStdString(name)).toStdString());
    EXPECT_EQ(base.size(), name.starts_with("hundred") ? QSize(100, 100) : QSize(73, 98)) << name;
    ASSERT_EQ(twin.size(), base.size() * 2) << name;
    // The twin is the same picture, finer: the picture cache takes it for the picture's twin.
    EXPECT_TRUE(PictureCache::sameDrawing(base, twin)) << name;
  }
  EXPECT_EQ(entries(dir.path()), expected) << "a name is wrong or a temporary file stayed";
  EXPECT_EQ(entries(dir / "four-colour"), fourColour);
  EXPECT_EQ(testing::readFile(dir / "AS.JPG"), "the player's own ace of spades");
  // A picture holds the card its name stands for: the ten of hearts is red, not the spades'.
  const QColor mean = QImage(QString::fromStdString((dir / "10H.JPG").string()))
                          .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .pixelColor(0, 0);
  EXPECT_GT(mean.red(), mean.green() + 20) << mean.name().toStdString();
}

// The four-colour faces are the standard ones with the signs and indices of diamonds and clubs
// in blue and green: wherever the two differ, the standard pixel is the standard ink laid over
// something with some cover, and the four-colour pixel the new ink laid over the same thing
// with the same cover. Spades and hearts keep their colours.
TEST(FourColour, FacesDifferOnlyInTheInkOfTheirSuit) {
  const struct {
    int suit;
    QColor was, is;
  } inks[] = {{0, QColor(0, 0, 0), QColor(0, 128, 32)},
              {1, QColor(204, 0, 0), QColor(0, 64, 204)},
              {2, QColor(204, 0, 0), QColor(204, 0, 0)},
              {3, QColor(0, 0, 0), QColor(0, 0, 0)}};
  for (const auto& [suit, was, is] : inks) {
    for (int rank : {1, 7, 10, 12}) {
      for (int scale : {1, 2}) {
        SCOPED_TRACE(::testing::Message() << "rank " << rank << " suit " << suit << " x" << scale);
        const QImage standard = cardFace(rank, suit, scale).convertToFormat(QImage::Format_RGB32);
        const QImage four = cardFace(rank, suit, scale, true).convertToFormat(QImage::Format_RGB32);
        const int delta[3] = {was.red() - is.red(), was.green() - is.green(),
                              was.blue() - is.blue()};
        const int widest = std::abs(delta[0]) > std::abs(delta[2]) ? 0 : 2;
        int inked = 0, stray = 0;
        for (int y = 0; y < standard.height(); ++y) {
          for (int x = 0; x < standard.width(); ++x) {
            const QColor a = standard.pixelColor(x, y), b = four.pixelColor(x, y);
            const int d[3] = {a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue()};
            if (delta[widest] == 0) {
              stray += a != b;
              continue;
            }
            const double cover = double(d[widest]) / delta[widest];
            for (int k = 0; k < 3; ++k) stray += std::abs(d[k] - cover * delta[k]) > 3;
            stray += cover < -0.02 || cover > 1.02;
            inked += cover > 0.9;
          }
        }
        EXPECT_EQ(stray, 0);
        EXPECT_EQ(inked > 20 * scale * scale, delta[widest] != 0) << inked;
      }
    }
  }
}

// View > Four-colour suits in a directory of an earlier Korvo: the four-colour faces are drawn
// into it, each file there kept, none for a face the player supplied; the drawn faces show in
// four colours, the player's as they are, and the choice is the next window's.
TEST(FourColour, TheOptionDrawsTheFacesOnceAndSwitchesThem) {
  Played played;
  const std::filesystem::path dir = played.dir.path();
  std::filesystem::remove_all(dir / "four-colour");
  std::filesystem::create_directory(dir / "four-colour");
  testing::writeFile(dir / "four-colour" / "2C.JPG", "kept");
  std::filesystem::copy_file(dir / "KH.JPG", dir / "AS.JPG",  // the player's own ace of spades
                             std::filesystem::copy_options::overwrite_existing);
  {
    MainWindow window(played.game, QStringLiteral("1"), played.settings);
    Form1& table = window.table();
    window.fourColourAction()->trigger();
    EXPECT_EQ(testing::readFile(dir / "four-colour" / "2C.JPG"), "kept");
    EXPECT_FALSE(std::filesystem::exists(dir / "four-colour" / "AS.JPG"));
    EXPECT_TRUE(std::filesystem::exists(dir / "four-colour" / "QD@2x.JPG"));
    for (const StandardCard& card : standardCards()) {
      const std::string& face = card.record.picture;
      auto& place = dynamic_cast<ShownPicture&>(*table.control(Control::Picture1));
      const auto shows = [&](const std::string& file) {
        return samePixels(place.picture().toImage(),
                          table.pictures().picture(QString::fromStdString(file)).toImage());
      };
      played.game.mutableTable().showPicture(Control::Picture1, face);
      table.clickControl(Control::Picture5);  // refused: the table is brought in line
      EXPECT_EQ(place.pictureName().toStdString(), face);
      EXPECT_TRUE(shows(face == "AS.JPG" ? face : "four-colour/" + face)) << face;
      if (card.rank != 12) continue;
      window.fourColourAction()->trigger();
      EXPECT_TRUE(shows(face)) << face;
      window.fourColourAction()->trigger();
    }
  }
  MainWindow again(played.game, QStringLiteral("1"), played.settings);
  EXPECT_TRUE(again.fourColourAction()->isChecked());
  EXPECT_TRUE(again.table().fourColour());
}

}  // namespace
}  // namespace korvo
