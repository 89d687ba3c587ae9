#include "window/initdir.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <system_error>

#include "game/gamedir.h"
#include "game/safefile.h"
#include "window/art.h"
#include "window/picturecache.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;

constexpr int kJpegQuality = 92;

// A picture file the game loads and how to draw it at a scale.
struct Picture {
  std::string name;
  std::function<QImage(int scale)> draw;
};

// Every picture, and after it its finer twin for dense screens.
std::vector<Picture> gamePictures() {
  std::vector<Picture> pictures;
  for (const StandardCard& card : standardCards()) {
    pictures.push_back({card.record.picture, [rank = card.rank, suit = card.suitIndex](int s) {
                          return cardFace(rank, suit, s);
                        }});
  }
  pictures.push_back({kCardBack, cardBack});
  pictures.push_back({kEmptyPlace, emptyPlace});
  for (int points = 0; points <= kMaxHonorPoints; ++points) {
    pictures.push_back(
        {honorPicture(points), [points](int s) { return honorBanknotes(points, s); }});
  }
  std::vector<Picture> withTwins;
  for (Picture& picture : pictures) {
    Picture twin{finerTwinName(QString::fromStdString(picture.name)).toStdString(),
                 [draw = picture.draw](int s) { return draw(2 * s); }};
    withTwins.push_back(std::move(picture));
    withTwins.push_back(std::move(twin));
  }
  return withTwins;
}

// Anything at that name, even a dangling link, counts as the player's own picture. When it
// cannot even be looked at, writing is tried and reports the fault.
bool somethingAt(const fs::path& file) {
  std::error_code ec;
  const fs::file_type type = fs::symlink_status(file, ec).type();
  return type != fs::file_type::not_found && type != fs::file_type::none;
}

void writeJpeg(const fs::path& file, const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.save(&buffer, "JPG", kJpegQuality) || bytes.isEmpty()) {
    throw FileError(file, 0, FileFault::PictureNotEncoded);
  }
  replaceFileAtomically(file, bytes.toStdString());
}

// Text drawing needs a QGuiApplication; `korvo --init` may run without one and without a
// display, so one is started off-screen for as long as the pictures are drawn.
class GuiForDrawing {
 public:
  GuiForDrawing() {
    if (QCoreApplication::instance() == nullptr) {
      app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    } else if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
      throw std::logic_error("the game's pictures need a QGuiApplication, not a QCoreApplication");
    }
  }

 private:
  char name_[6] = "korvo";
  char platformOption_[10] = "-platform";
  char platform_[11] = "offscreen";
  char* argv_[4] = {name_, platformOption_, platform_, nullptr};
  int argc_ = 3;
  std::unique_ptr<QGuiApplication> app_;
};

// Whether the picture at `file` is the face Korvo draws for the card, give or take what JPEG
// keeps of it: only such a face gets a four-colour twin, a player's own picture is shown as it
// is. Needs a QGuiApplication.
bool drawnFace(const fs::path& file, int rank, int suitIndex) {
  QString fault;
  const QImage found =
      PictureCache::readShownPart(file, QSize(kCardWidth, kCardHeight) + QSize(1, 1), fault)
          .convertToFormat(QImage::Format_RGB32);
  if (found.size() != QSize(kCardWidth, kCardHeight)) return false;
  const QImage drawn = cardFace(rank, suitIndex).convertToFormat(QImage::Format_RGB32);
  // Compared by the brightness of small blocks: JPEG blurs edges and colours a little but keeps
  // each block's brightness, while any other picture (another card, a pip more or less, a
  // heart for a diamond) has a block that differs plainly.
  constexpr int kBlock = 4;
  int worst = 0;
  for (int top = 0; top + kBlock <= found.height(); top += kBlock) {
    for (int left = 0; left + kBlock <= found.width(); left += kBlock) {
      int difference = 0;
      for (int y = top; y < top + kBlock; ++y) {
        for (int x = left; x < left + kBlock; ++x) {
          difference += qGray(found.pixel(x, y)) - qGray(drawn.pixel(x, y));
        }
      }
      worst = std::max(worst, std::abs(difference) / (kBlock * kBlock));
    }
  }
  return worst < 32;
}

// Draws every picture of `pictures` that is missing, and with `fourColour` the four-colour
// twin of every drawn face (and of its finer twin where the face has one).
void drawMissing(const fs::path& dir, bool standard, bool fourColour) {
  std::vector<Picture> missing;
  std::set<std::string> drawnNow;
  if (standard) {
    bool pictureKept = false;
    for (Picture& picture : gamePictures()) {
      // A twin follows its picture: beside a picture of the player's own, a drawn twin would
      // show the drawn card in its place on a dense screen.
      const bool twin = picture.name.find("@2x.") != std::string::npos;
      if (!twin) pictureKept = somethingAt(dir / picture.name);
      if (twin && pictureKept) continue;
      if (somethingAt(dir / picture.name)) continue;
      drawnNow.insert(picture.name);
      missing.push_back(std::move(picture));
    }
  }
  std::optional<GuiForDrawing> gui;
  if (fourColour) {
    for (const StandardCard& card : standardCards()) {
      const std::string& face = card.record.picture;
      const std::string faceTwin = finerTwinName(QString::fromStdString(face)).toStdString();
      const std::string name = fourColourName(QString::fromStdString(face)).toStdString();
      const std::string twin = finerTwinName(QString::fromStdString(name)).toStdString();
      const bool wantFace = !somethingAt(dir / name);
      const bool wantTwin =
          !somethingAt(dir / twin) && (drawnNow.count(faceTwin) > 0 || somethingAt(dir / faceTwin));
      if (!wantFace && !wantTwin) continue;
      if (drawnNow.count(face) == 0) {
        if (!gui) gui.emplace();
        if (!drawnFace(dir / face, card.rank, card.suitIndex)) continue;
      }
      const auto draw = [rank = card.rank, suit = card.suitIndex](int s) {
        return cardFace(rank, suit, s, true);
      };
      if (wantFace) missing.push_back({name, draw});
      if (wantTwin) missing.push_back({twin, [draw](int s) { return draw(2 * s); }});
    }
  }
  if (missing.empty()) return;
  if (!gui) gui.emplace();
  for (const Picture& picture : missing) {
    const fs::path file = dir / picture.name;
    if (file.parent_path() != dir) {
      std::error_code ec;
      fs::create_directory(file.parent_path(), ec);
      if (ec) throw FileError::system(file.parent_path(), FileFault::FolderNotMade, ec.value());
    }
    writeJpeg(file, picture.draw(1));
  }
}

}  // namespace

void initGameDir(const fs::path& dir) {
  initGameFiles(dir);
  drawMissing(dir, true, true);
}

void initFourColourFaces(const fs::path& dir) {
  drawMissing(dir, false, true);
}

}  // namespace korvo
