// `korvo --init`: the files a fresh game directory gets, and the pictures drawn for it.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <array>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "game/recordfile.h"
#include "table/art.h"
#include "table/initdir.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;

// Text drawing needs a QGuiApplication; the window tests in this program may already have
// started one, which then serves these tests too.
class InitTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QCoreApplication::instance() == nullptr) {
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      static int argc = 1;
      static char name[] = "window_tests";
      static char* argv[] = {name, nullptr};
      static QApplication app(argc, argv);
    }
  }

  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "korvo-init-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  fs::path dir_;
};

// The card a picture name stands for, written out here rather than taken from the deck so
// that a wrong name in the deck shows up.
struct NamedCard {
  std::string name;
  int rank;
  int suitIndex;
};

std::vector<NamedCard> expectedFaces() {
  static const std::array<const char*, 13> ranks = {"A", "2", "3",  "4", "5", "6", "7",
                                                    "8", "9", "10", "J", "Q", "K"};
  static const std::array<char, 4> suits = {'C', 'D', 'H', 'S'};
  std::vector<NamedCard> faces;
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 1; rank <= 13; ++rank) {
      faces.push_back({std::string(ranks[static_cast<size_t>(rank - 1)]) +
                           suits[static_cast<size_t>(suit)] + ".JPG",
                       rank, suit});
    }
  }
  return faces;
}

std::string honorName(int points) {
  return "hundred" + std::to_string(points) + ".JPG";
}

std::string readBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

std::set<std::string> entries(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
  return names;
}

QImage load(const fs::path& file) {
  return QImage(QString::fromStdString(file.string()));
}

// Mean absolute difference per colour channel of two pictures of one size.
double difference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
      sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
             std::abs(p.blue() - q.blue());
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

bool isFelt(QColor c) {
  return std::abs(c.red()) < 24 && std::abs(c.green() - 128) < 24 && std::abs(c.blue()) < 24;
}
bool isInkRed(QColor c) {
  return c.red() > 150 && c.green() < 80 && c.blue() < 80;
}
bool isInkBlack(QColor c) {
  return c.red() < 70 && c.green() < 70 && c.blue() < 70;
}

int count(const QImage& image, const std::function<bool(QColor)>& wanted) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += wanted(image.pixelColor(x, y)) ? 1 : 0;
  }
  return n;
}

TEST_F(InitTest, WritesEveryPictureAndBothFilesUnderTheirExactNames) {
  initGameDir(dir_);

  std::set<std::string> expected = {"cardfile.txt", "totals.txt", "down1.JPG", "gone.JPG"};
  for (const NamedCard& face : expectedFaces()) expected.insert(face.name);
  for (int points = 0; points <= 12; ++points) expected.insert(honorName(points));
  ASSERT_EQ(expected.size(), 69u);
  // Exactly these: no temporary file is left behind either.
  EXPECT_EQ(entries(dir_), expected);

  std::vector<std::string> pictures(expected.begin(), expected.end());
  std::erase_if(pictures, [](const std::string& n) { return n.ends_with(".txt"); });
  EXPECT_EQ(gamePictureNames().size(), pictures.size());
  for (const std::string& name : pictures) {
    SCOPED_TRACE(name);
    QImageReader reader(QString::fromStdString((dir_ / name).string()));
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull());
    const QSize size = name.starts_with("hundred") ? QSize(100, 100) : QSize(73, 98);
    EXPECT_EQ(image.size(), size);
  }
}

// Each file holds its own card: among all 52 drawn faces, the one its name stands for is the
// closest to what was saved; likewise for the honor pictures.
TEST_F(InitTest, EachPictureFileShowsWhatItsNameSays) {
  initGameDir(dir_);
  const std::vector<NamedCard> faces = expectedFaces();
  std::vector<QImage> drawn;
  for (const NamedCard& face : faces) drawn.push_back(cardFace(face.rank, face.suitIndex));
  for (size_t i = 0; i < faces.size(); ++i) {
    SCOPED_TRACE(faces[i].name);
    const QImage saved = load(dir_ / faces[i].name);
    ASSERT_EQ(saved.size(), drawn[i].size());
    const double own = difference(saved, drawn[i]);
    EXPECT_LT(own, 10.0);  // JPEG blurs fine detail a little
    for (size_t j = 0; j < faces.size(); ++j) {
      if (j != i) {
        EXPECT_LT(own, difference(saved, drawn[j])) << "looks like " << faces[j].name;
      }
    }
  }
  for (int points = 0; points <= 12; ++points) {
    SCOPED_TRACE(honorName(points));
    const QImage saved = load(dir_ / honorName(points));
    const double own = difference(saved, honorBanknotes(points));
    EXPECT_LT(own, 10.0);  // JPEG blurs fine detail a little
    for (int other = 0; other <= 12; ++other) {
      if (other != points) {
        EXPECT_LT(own, difference(saved, honorBanknotes(other))) << "looks like " << other;
      }
    }
  }
  EXPECT_LT(difference(load(dir_ / "down1.JPG"), cardBack()), 10.0);
  EXPECT_LT(difference(load(dir_ / "gone.JPG"), emptyPlace()), 10.0);
}

TEST_F(InitTest, KeepsFilesThatAreAlreadyThere) {
  const std::vector<std::pair<std::string, std::string>> own = {
      {"AS.JPG", "the player's own ace of spades"},
      {"down1.JPG", "a back the player drew"},
      {"hundred7.JPG", std::string("\xff\xd8\x00 seven", 9)},
      {"totals.txt", "3,1,4,1\r\n"},
  };
  for (const auto& [name, bytes] : own) writeBytes(dir_ / name, bytes);

  initGameDir(dir_);
  for (const auto& [name, bytes] : own) EXPECT_EQ(readBytes(dir_ / name), bytes) << name;
  EXPECT_EQ(entries(dir_).size(), 69u);
  EXPECT_FALSE(load(dir_ / "AH.JPG").isNull());

  // A second run changes nothing, the pictures it wrote itself included.
  const std::string heart = readBytes(dir_ / "AH.JPG");
  initGameDir(dir_);
  EXPECT_EQ(readBytes(dir_ / "AH.JPG"), heart);
  EXPECT_EQ(readBytes(dir_ / "AS.JPG"), own[0].second);
}

// With the write failing, a FileError names the file, and no broken picture is left.
TEST_F(InitTest, ReportsAFileErrorWhenAPictureCannotBeWritten) {
  struct Case {
    const char* what;
    std::function<fs::path(const fs::path&)> prepare;  // returns the directory to init
    std::function<void()> during;                      // set up just before initGameDir
    std::function<void()> after;
  };
  rlimit oldLimit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
  void (*oldHandler)(int) = SIG_DFL;
  const std::vector<Case> cases = {
      {"directory under a regular file",
       [](const fs::path& base) {
         writeBytes(base / "plain", "not a directory");
         return base / "plain" / "game";
       },
       [] {}, [] {}},
      // The text files are in place; each picture is bigger than the file-size limit allows.
      {"file size limit",
       [](const fs::path& base) {
         writeBytes(base / "cardfile.txt", "kept");
         writeBytes(base / "totals.txt", "0,0,0,0\r\n");
         return base;
       },
       [&] {
         oldHandler = std::signal(SIGXFSZ, SIG_IGN);
         rlimit tiny = oldLimit;
         tiny.rlim_cur = 64;
         ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
       },
       [&] {
         ::setrlimit(RLIMIT_FSIZE, &oldLimit);
         std::signal(SIGXFSZ, oldHandler);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path base = dir_ / c.what;
    fs::create_directories(base);
    const fs::path target = c.prepare(base);
    c.during();
    bool thrown = false;
    try {
      initGameDir(target);
    } catch (const FileError& e) {
      thrown = true;
      EXPECT_EQ(e.line(), 0);
      EXPECT_TRUE(e.file().string().starts_with(target.string()) ||
                  target.string().starts_with(e.file().string()))
          << e.file();
      EXPECT_NE(e.fault().find("cannot be"), std::string::npos) << e.fault();
    }
    c.after();
    EXPECT_TRUE(thrown);
  }
  // Only the text files put there beforehand: neither a picture nor a temporary file.
  EXPECT_EQ(entries(dir_ / "file size limit"),
            (std::set<std::string>{"cardfile.txt", "totals.txt"}));
}

TEST_F(InitTest, SuitsHaveTheirColoursAndFacesStandApart) {
  std::vector<QImage> faces;
  for (int suit = 0; suit < 4; ++suit) {
    const bool red = suit == 1 || suit == 2;
    for (int rank = 1; rank <= 13; ++rank) {
      SCOPED_TRACE("rank " + std::to_string(rank) + " suit " + std::to_string(suit));
      const QImage face = cardFace(rank, suit);
      ASSERT_EQ(face.size(), QSize(73, 98));
      const int redInk = count(face, isInkRed), blackInk = count(face, isInkBlack);
      if (red) {
        EXPECT_GT(redInk, 150);
        EXPECT_LT(blackInk, 10);
      } else {
        EXPECT_GT(blackInk, 150);
        EXPECT_LT(redInk, 10);
      }
      // Felt shows at the rounded corner, the card is white inside its border.
      EXPECT_TRUE(isFelt(face.pixelColor(0, 0)));
      EXPECT_TRUE(isFelt(face.pixelColor(72, 97)));
      EXPECT_EQ(face.pixelColor(36, 2), QColor(255, 255, 255));
      faces.push_back(face);
    }
  }
  // The aces' large centre symbol is in the suit's colour.
  for (int suit = 0; suit < 4; ++suit) {
    const QColor centre = faces[static_cast<size_t>(suit * 13)].pixelColor(36, 49);
    EXPECT_TRUE(suit == 1 || suit == 2 ? isInkRed(centre) : isInkBlack(centre)) << suit;
  }
  for (size_t i = 0; i < faces.size(); ++i) {
    for (size_t j = i + 1; j < faces.size(); ++j) EXPECT_NE(faces[i], faces[j]) << i << " " << j;
  }
}

TEST_F(InitTest, BackIsABluePatternAndTheEmptyPlaceIsFelt) {
  const QImage back = cardBack(), empty = emptyPlace();
  ASSERT_EQ(back.size(), QSize(73, 98));
  ASSERT_EQ(empty.size(), QSize(73, 98));
  // The back is mostly its blue pattern, where a face is mostly white.
  const int blue = count(back, [](QColor c) { return c.blue() > 100 && c.blue() > c.red() + 40; });
  EXPECT_GT(blue, 73 * 98 / 2);
  EXPECT_EQ(count(empty, [](QColor c) { return c == QColor(0, 128, 0); }), 73 * 98);
}

TEST_F(InitTest, HonorPicturesTellEveryCountApart) {
  std::vector<QImage> honors;
  for (int points = 0; points <= 12; ++points) {
    honors.push_back(honorBanknotes(points));
    EXPECT_EQ(honors.back().size(), QSize(100, 100)) << points;
  }
  const auto felt = [](QColor c) { return c == QColor(0, 128, 0); };
  EXPECT_EQ(count(honors[0], felt), 100 * 100);
  for (size_t i = 0; i < honors.size(); ++i) {
    for (size_t j = i + 1; j < honors.size(); ++j) {
      // Not just a few pixels: the difference must be visible.
      EXPECT_GT(difference(honors[i], honors[j]), 1.0) << i << " vs " << j;
    }
  }
  // More notes cover more felt, up to the count where the fan stops widening.
  for (int points = 1; points <= 5; ++points) {
    EXPECT_LT(count(honors[static_cast<size_t>(points + 1)], felt),
              count(honors[static_cast<size_t>(points)], felt))
        << points;
  }

  const QImage startup = startupBanknotes();
  ASSERT_EQ(startup.size(), QSize(100, 100));
  EXPECT_TRUE(felt(startup.pixelColor(0, 0)));
  EXPECT_TRUE(felt(startup.pixelColor(99, 0)));
  // The four notes cover a good part of the picture.
  const auto note = [](QColor c) { return c.green() > 150 && c.red() > 120; };
  EXPECT_GT(count(startup, note), 100 * 100 / 5);
}

}  // namespace
}  // namespace korvo
