#include "window/initdir.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <functional>
#include <memory>
#include <stdexcept>
#include <system_error>

#include "game/gamedir.h"
#include "game/safefile.h"
#include "window/art.h"

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
    throw FileError(file, 0, "cannot be written: the picture could not be encoded as JPEG");
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

}  // namespace

void initGameDir(const fs::path& dir) {
  initGameFiles(dir);
  std::vector<Picture> missing;
  bool pictureKept = false;
  for (Picture& picture : gamePictures()) {
    // A twin follows its picture: beside a picture of the player's own, a drawn twin would
    // show the drawn card in its place on a dense screen.
    const bool twin = picture.name.find("@2x.") != std::string::npos;
    if (!twin) pictureKept = somethingAt(dir / picture.name);
    if (twin && pictureKept) continue;
    if (!somethingAt(dir / picture.name)) missing.push_back(std::move(picture));
  }
  if (missing.empty()) return;
  GuiForDrawing gui;
  for (const Picture& picture : missing) writeJpeg(dir / picture.name, picture.draw(1));
}

}  // namespace korvo
