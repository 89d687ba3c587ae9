// The table window: the 32 controls at their designed places. It shows only what the game's
// Table says: after every click it brings each control whose entry changed in line with it.
#pragma once

#include <QFont>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/spoken.h"
#include "game/table.h"
#include "window/picturecache.h"

namespace korvo {

// The designed place of a control, in twips from the top-left corner of the client area.
struct TwipRect {
  int left, top, width, height;
};
// Twips per pixel of the design.
inline constexpr int kTwipsPerPixel = 12;
TwipRect designedPlace(Control c);

class Form1 : public QWidget {
  Q_OBJECT

 public:
  // The table's size as designed, at zoom 1.
  static constexpr QSize kDesignedSize{722, 550};

  // Receives the message of a click that met a fault.
  using ErrorSink = std::function<void(const QString&)>;

  explicit Form1(Game& game, QWidget* parent = nullptr);

  // The window's caption: the title text ends in two blanks before the web address.
  static QString title();
  // What assistive technology calls a control, before what it shows.
  static QString baseName(Control c);

  QWidget* control(Control c) const { return controls_[static_cast<std::size_t>(c)]; }

  // The table drawn `zoom` times its designed size: every place, font and picture.
  void setZoom(double zoom);
  double zoom() const { return zoom_; }
  PictureCache& pictures() { return pictures_; }

  // Clicks a control through its widget, as the mouse would; a label, text box or image has
  // no click and nothing happens.
  void clickControl(Control c);

  // A message box by default.
  void setErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }
  // Called when a scripted random source ran dry in a click; the game cannot go on.
  void setExhaustedSink(ErrorSink sink) { exhaustedSink_ = std::move(sink); }
  // Called after every click the game played, before the table shows it (also when the
  // random source ran dry in it): the place to read what the click settled.
  void setClickSink(std::function<void()> sink) { clickSink_ = std::move(sink); }
  // The message of the scripted random source that ran dry, if one did.
  const std::optional<QString>& randomExhausted() const { return exhausted_; }

  // How long the table shows each computer turn after a click; zero shows only where the
  // click ended. A round's end, when the computer players play on without player 1, shows
  // three times as long.
  void setPace(std::chrono::milliseconds perTurn);
  std::chrono::milliseconds pace() const { return pace_; }
  // True while the table is showing the computer turns of the last click.
  bool replaying() const { return !replay_.empty(); }
  // Shows at once the table the last click left.
  void finishReplay();

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 signals:
  // The table now shows one more of the recorded moments of the last click.
  void frameShown();

 private:
  void buildControls();
  // Every control again in the language installed, from what it shows.
  void retranslate();
  // What a card place holds, in the player's words.
  static QString placeWords(const PlaceContent& content);
  // What a control shows for a Table entry, in the player's language.
  QString shownText(Control c, const std::string& entry) const;
  // Places, fonts and pictures at the zoom and the screen's density.
  void layoutControls();
  // A designed length in twips, in pixels at the zoom.
  int scaled(int twips) const;
  void onClicked(Control c);
  // Brings every control whose entry of `table` (the game's, or one recorded from it)
  // differs from what it shows in line, and puts what changed into the focused control's
  // accessible description. What a control says follows the entry shown, never the live game.
  void applyTable(const Table& table);
  void applyTable() { applyTable(game_.table()); }
  // Starts showing the recorded frames of the click just played; false if there are none.
  bool startReplay();
  void showNextFrame();
  void report(const ClickResult& result);
  void showEntry(Control c, const std::string& entry);
  // What a control says for a Table entry: its accessible name, or for a text box its text.
  QString spoken(Control c, const std::string& entry) const;
  // What a screen reader is told of a change of control c to the entry it now shows.
  QString news(Control c) const;
  void tellNews(const std::vector<Control>& changed);
  const QPixmap& startupPicture(Control c) const;

  Game& game_;
  PictureCache pictures_;
  // The pictures the window design carries: an empty card place, four banknotes, an empty pot.
  QPixmap emptyCardPlace_;
  QPixmap startupHonor_;
  QPixmap emptyPot_;
  std::array<QWidget*, kControlCount> controls_{};
  std::array<QFont, kControlCount> designFonts_{};
  double zoom_ = 1;
  double pixelRatio_ = 1;
  int border_ = 0;  // the border width of the style sheets set, in pixels
  // What each control shows now; nullopt until it was first brought in line.
  std::array<std::optional<std::string>, kControlCount> shown_{};
  // The records of the messages the message boxes show, which they show in the player's words.
  std::array<std::optional<Message>, kPlayers> shownMessages_{};
  // The control whose description holds the latest news of the table.
  QPointer<QWidget> newsHolder_;
  ErrorSink errorSink_;
  ErrorSink exhaustedSink_;
  std::function<void()> clickSink_;
  std::optional<QString> exhausted_;
  std::chrono::milliseconds pace_{0};
  // The frames still to show of the last click, and its messages, held back until the table
  // shows where it ended.
  std::vector<Table> replay_;
  std::size_t nextFrame_ = 0;
  std::chrono::milliseconds frameTime_{0};
  ClickResult heldBack_;
  QTimer replayTimer_;
};

}  // namespace korvo
