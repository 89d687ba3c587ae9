// `korvo --init`: the pictures drawn for a fresh game directory, and a write that fails.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QImage>
#include <csignal>
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

// The mean difference of two pictures of one size, over the three colours, per pixel.
int meanDifference(const QImage& a, const QImage& b) {
  long long difference = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
      difference += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                    std::abs(p.blue() - q.blue());
    }
  }
  return static_cast<int>(difference / (a.width() * a.height()));
}

TEST(Init, WritesEveryPictureAndItsTwinUnderItsNameAndKeepsThePlayersOwn) {
  testing::TempDir dir;
  testing::writeFile(dir / "AS.JPG", "the player's own ace of spades");
  initGameDir(dir.path());

  std::set<std::string> pictures = {"down1.JPG", "gone.JPG"};
  for (const auto& c : standardCards()) pictures.insert(c.record.picture);
  for (int points = 0; points <= 12; ++points) pictures.insert(honorPicture(points));
  std::set<std::string> expected = {"cardfile.txt", "totals.txt"};
  for (const std::string& name : pictures) {
    const QString picture = QString::fromStdString(name);
    expected.insert(name);
    if (name == "AS.JPG") continue;  // the player's own ace gets no twin
    expected.insert(finerTwinName(picture).toStdString());
    const QImage base(QString::fromStdString((dir / name).string()));
    const QImage twin(
        QString::fromStdString((dir / finerTwinName(picture).toStdString()).string()));
    EXPECT_EQ(base.size(), name.starts_with("hundred") ? QSize(100, 100) : QSize(73, 98)) << name;
    ASSERT_EQ(twin.size(), base.size() * 2) << name;
    // The twin is the same picture, finer: seen from afar (both shrunk to a quarter), the two
    // differ only by the blur of shrinking and of JPEG.
    const auto afar = [&](const QImage& image) {
      return image.scaled(base.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    EXPECT_LT(meanDifference(afar(base), afar(twin)), 24) << name;
  }
  EXPECT_EQ(entries(dir.path()), expected) << "a name is wrong or a temporary file stayed";
  EXPECT_EQ(testing::readFile(dir / "AS.JPG"), "the player's own ace of spades");
  // A picture holds the card its name stands for: the ten of hearts is red, not the spades'.
  const QColor mean = QImage(QString::fromStdString((dir / "10H.JPG").string()))
                          .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .pixelColor(0, 0);
  EXPECT_GT(mean.red(), mean.green() + 20) << mean.name().toStdString();
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
  EXPECT_THROW(initGameDir(dir / "cardfile.txt" / "game"), FileError) << "not a directory";
}

}  // namespace
}  // namespace korvo
