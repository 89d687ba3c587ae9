// `korvo --init`: the files a fresh game directory gets, and the pictures drawn for it.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <csignal>
#include <functional>
#include <set>

#include "game/gamedir.h"
#include "tests/test_support.h"
#include "window/art.h"
#include "window/initdir.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;

std::set<std::string> entries(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
  return names;
}

int count(const QImage& image, const std::function<bool(QColor)>& wanted) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += wanted(image.pixelColor(x, y)) ? 1 : 0;
  }
  return n;
}

bool isRed(QColor c) {
  return c.red() > 150 && c.green() < 80 && c.blue() < 80;
}
bool isBlack(QColor c) {
  return c.red() < 70 && c.green() < 70 && c.blue() < 70;
}
TEST(Init, WritesEveryPictureUnderItsExactNameAndKeepsWhatIsThere) {
  testing::TempDir dir;
  testing::writeFile(dir / "AS.JPG", "the player's own ace of spades");
  testing::writeFile(dir / kTotalsFile, "3,1,4,1\r\n");
  initGameDir(dir.path());

  std::set<std::string> pictures = {"down1.JPG", "gone.JPG"};
  for (const auto& c : standardCards()) pictures.insert(c.record.picture);
  for (int points = 0; points <= 12; ++points) pictures.insert(honorPicture(points));
  std::set<std::string> expected = {"cardfile.txt", "totals.txt"};
  for (const std::string& name : pictures) {
    expected.insert(name);
    // Each drawn picture has its finer twin; the player's own ace has none.
    if (name != "AS.JPG")
      expected.insert(finerTwinName(QString::fromStdString(name)).toStdString());
  }
  EXPECT_EQ(entries(dir.path()), expected) << "a name is wrong or a temporary file stayed";
  EXPECT_EQ(testing::readFile(dir / "AS.JPG"), "the player's own ace of spades");
  EXPECT_EQ(testing::readFile(dir / kTotalsFile), "3,1,4,1\r\n");

  for (const std::string& name : pictures) {
    if (name == "AS.JPG") continue;
    const QImage picture(QString::fromStdString((dir / name).string()));
    const QImage twin(QString::fromStdString(
        (dir / finerTwinName(QString::fromStdString(name)).toStdString()).string()));
    EXPECT_EQ(picture.size(), name.starts_with("hundred") ? QSize(100, 100) : QSize(73, 98))
        << name;
    ASSERT_EQ(twin.size(), picture.size() * 2) << name;
    // The twin is the same picture, finer: seen from afar (both shrunk to a quarter), the two
    // differ only by the blur of shrinking and of JPEG.
    const auto afar = [&](const QImage& image) {
      return image.scaled(picture.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_RGB32);
    };
    const QImage halved = afar(twin), base = afar(picture);
    long long difference = 0;
    for (int y = 0; y < base.height(); ++y) {
      for (int x = 0; x < base.width(); ++x) {
        const QColor a = base.pixelColor(x, y), b = halved.pixelColor(x, y);
        difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                      std::abs(a.blue() - b.blue());
      }
    }
    EXPECT_LT(difference / (base.width() * base.height()), 24) << name;
  }
  // A picture file holds the card its name stands for: ten of hearts, red, not the ten of
  // spades.
  const QImage saved(QString::fromStdString((dir / "10H.JPG").string()));
  EXPECT_GT(count(saved, isRed), 150);
  EXPECT_LT(count(saved, isBlack), 10);
}

TEST(Init, AFailedWriteNamesTheFileAndLeavesNoBrokenPicture) {
  testing::TempDir dir;
  testing::writeFile(dir / kCardFile, "kept");
  testing::writeFile(dir / kTotalsFile, "0,0,0,0\r\n");
  // Every picture is bigger than the file-size limit allows, as on a full disk.
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = old;
  tiny.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
  try {
    initGameDir(dir.path());
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.file().parent_path(), dir.path());
    EXPECT_NE(e.fault().find("cannot be"), std::string::npos) << e.fault();
  }
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(entries(dir.path()), (std::set<std::string>{"cardfile.txt", "totals.txt"}));

  testing::writeFile(dir / "plain", "not a directory");
  EXPECT_THROW(initGameDir(dir / "plain" / "game"), FileError);
}

}  // namespace
}  // namespace korvo
