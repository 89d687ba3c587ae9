// The table window: the 32 controls at their designed places. It shows only what the game's
// Table says: after every click it brings each control whose entry changed in line with it.
#pragma once

#include <QFont>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QSize>
#include <QString>
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
#include "window/motion.h"
#include "window/picturecache.h"
#include "window/replay.h"
#include "window/tabledesign.h"

namespace korvo {

class Form1 : public QWidget {
  Q_OBJECT

 public:
  // The table's size as designed, at zoom 1.
  static constexpr QSize kDesignedSize = kDesignedTableSize;

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
  // three times as long. `perMove` is how long a card takes from place to place (zero: the
  // cards do not move, the table shows each change at once).
  void setPace(std::chrono::milliseconds perTurn,
               std::chrono::milliseconds perMove = std::chrono::milliseconds(0));
  std::chrono::milliseconds pace() const { return pace_; }
  // True while the table is showing the computer turns of the last click or cards move.
  bool replaying() const { return replay_.active() || motion_->moving(); }
  // Shows at once the table the last click left, every card where it goes.
  void finishReplay();
  // The moving cards over the table.
  CardMotion& motion() { return *motion_; }

  // Shows the faces Korvo drew in four colours where their four-colour twins are drawn
  // (initFourColourFaces); a player's own pictures show as they are.
  void setFourColour(bool on);
  bool fourColour() const { return fourColour_; }

  // Called after every click the game has played, before its computer turns are shown: the
  // moment to keep the game.
  void setPlayedSink(std::function<void()> sink) { playedSink_ = std::move(sink); }
  // Shows a word about the game itself, not a player's message, across the foot of the table
  // until the next click, and tells a screen reader.
  void showNotice(const QString& text);
  // The notice shown now; empty when none is.
  QString notice() const;

  // Marks a control as the one to click (a hint) until the next click; nullopt clears the mark.
  void markControl(std::optional<Control> c);
  // The control marked now, if any.
  std::optional<Control> marked() const { return marked_; }
  // Tells the player something through the focused control's news, as the table's changes are
  // told, so that a screen reader speaks it; never through a message box or a text box.
  void tellPlayer(const QString& text);

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
  // With `animate`, the cards that changed place move there (`mover` as for movesBetween), and
  // the news waits until they have arrived; news not yet told is told with this table's.
  void applyTable(const Table& table, int mover = 0, bool animate = false);
  void applyTable() { applyTable(game_.table()); }
  // The replay has shown every frame: the table shows where the click ended.
  void replayDone();
  void motionEnded();
  // The picture a place shows for a Table entry, at the zoom and the screen's density.
  QPixmap pictureOf(Control c, const std::string& entry);
  // The file shown for a Table entry: the entry, or its four-colour twin.
  QString fileOf(const std::string& entry);
  void report(const ClickResult& result);
  void showEntry(Control c, const std::string& entry);
  // What a control says for a Table entry: its accessible name, or for a text box its text.
  QString spoken(Control c, const std::string& entry) const;
  // What a screen reader is told of a change of control c to the entry it now shows.
  QString news(Control c) const;
  void tellNews(const std::vector<Control>& changed);
  void placeNotice();
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
  // The same as a table, what moving cards start from.
  Table onTable_;
  // Controls whose change is not told yet: the news of moving cards waits for their arrival.
  std::vector<Control> untold_;
  bool finishing_ = false;
  bool fourColour_ = false;
  // The file shown for each entry asked about since the four-colour option was last set.
  QHash<QString, QString> fileOf_;
  // The control whose description holds the latest news of the table.
  QPointer<QWidget> newsHolder_;
  ErrorSink errorSink_;
  ErrorSink exhaustedSink_;
  std::function<void()> clickSink_;
  std::function<void()> playedSink_;
  QLabel* notice_ = nullptr;
  std::optional<QString> exhausted_;
  std::chrono::milliseconds pace_{0};
  // The computer turns of the last click, shown one at a time.
  Replay replay_;
  CardMotion* motion_ = nullptr;
  // A frame over the marked control, passed through by the mouse.
  QWidget* mark_ = nullptr;
  std::optional<Control> marked_;
};

}  // namespace korvo
