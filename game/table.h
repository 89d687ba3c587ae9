// What each control of the table shows: a picture file name, a text or a caption.
// The engine writes it; the window and the headless driver only read it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "game/message.h"

namespace korvo {

// The 32 controls of the window, under their designer names.
enum class Control {
  Text1,
  Text2,
  Text3,
  Text4,
  Command1,
  Command2,
  Picture1,
  Picture2,
  Picture3,
  Picture4,
  Picture5,
  Picture6,
  Picture7,
  Picture8,
  Picture9,
  Picture10,
  Picture11,
  Picture12,
  Picture13,
  Picture14,
  Picture15,
  Label1,
  Label2,
  total1,
  total2,
  total3,
  total4,
  Image1,
  Image2,
  Image3,
  Image4,
  Image5,
};

inline constexpr std::size_t kControlCount = 32;

enum class ControlKind { TextBox, Button, PictureBox, Label, Image };

std::string_view controlName(Control c);
ControlKind controlKind(Control c);
std::optional<Control> controlFromName(std::string_view name);

// Player k's controls (k = 1..4).
Control textBox(int player);
Control honorImage(int player);
Control totalLabel(int player);
// Card place `place` (1..3; 4 only for player 1, the card just taken) of player k.
Control cardPlace(int player, int place);
// The places and buttons the rules speak of by their role. The window, the headless output and
// the click scripts name them by their control names.
inline constexpr Control kDrawPile = Control::Picture14;
inline constexpr Control kDiscardPile = Control::Picture15;
inline constexpr Control kNewCardPlace = Control::Picture4;  // player 1's card just taken
inline constexpr Control kDealButton = Control::Command1;
inline constexpr Control kKnockButton = Control::Command2;
inline constexpr Control kPot = Control::Image5;

// Picture1..Picture15 by number.
Control pictureBox(int number);
// Image1..Image5 by number.
Control image(int number);

class Table {
 public:
  // The table as the window opens: names in the message lines, captions, and every
  // picture at its start-up look ("" = the window's own start-up picture).
  Table();

  const std::string& operator[](Control c) const { return shown_[index(c)]; }

  void showPicture(Control c, std::string file) { shown_[index(c)] = std::move(file); }
  // One picture box shows the picture that another one shows.
  void copyPicture(Control from, Control to) { shown_[index(to)] = shown_[index(from)]; }
  // A text with no record of its message, such as a player's name in a message box.
  void setText(Control c, std::string text) {
    shown_[index(c)] = std::move(text);
    if (index(c) < messages_.size()) messages_[index(c)].reset();
  }
  const std::string& text(Control c) const { return shown_[index(c)]; }
  // A player's message: the game's words in a message box (Text1..Text4), and the record of
  // the message, from which a front end words it in another language.
  void say(Control box, std::string text, Message message) {
    shown_[index(box)] = std::move(text);
    messages_[index(box)] = std::move(message);
  }
  // The record of the message a message box shows; none where it shows no message of the game.
  const std::optional<Message>& message(Control box) const { return messages_[index(box)]; }
  void setCaption(Control c, std::string caption) { shown_[index(c)] = std::move(caption); }

  bool operator==(const Table&) const = default;

 private:
  static std::size_t index(Control c) { return static_cast<std::size_t>(c); }
  std::array<std::string, kControlCount> shown_;
  std::array<std::optional<Message>, 4> messages_;  // Text1..Text4
};

}  // namespace korvo
