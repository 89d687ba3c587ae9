#include "game/table.h"

#include <cassert>

namespace korvo {

namespace {

constexpr std::array<std::string_view, kControlCount> kNames = {
    "Text1",    "Text2",     "Text3",     "Text4",     "Command1",  "Command2",  "Picture1",
    "Picture2", "Picture3",  "Picture4",  "Picture5",  "Picture6",  "Picture7",  "Picture8",
    "Picture9", "Picture10", "Picture11", "Picture12", "Picture13", "Picture14", "Picture15",
    "Label1",   "Label2",    "total1",    "total2",    "total3",    "total4",    "Image1",
    "Image2",   "Image3",    "Image4",    "Image5",
};

Control at(int index) {
  return static_cast<Control>(index);
}

}  // namespace

std::string_view controlName(Control c) {
  return kNames[static_cast<std::size_t>(c)];
}

ControlKind controlKind(Control c) {
  const auto i = static_cast<int>(c);
  if (i <= static_cast<int>(Control::Text4)) return ControlKind::TextBox;
  if (i <= static_cast<int>(Control::Command2)) return ControlKind::Button;
  if (i <= static_cast<int>(Control::Picture15)) return ControlKind::PictureBox;
  if (i <= static_cast<int>(Control::total4)) return ControlKind::Label;
  return ControlKind::Image;
}

std::optional<Control> controlFromName(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (kNames[i] == name) return at(static_cast<int>(i));
  }
  return std::nullopt;
}

Control textBox(int player) {
  assert(player >= 1 && player <= 4);
  return at(static_cast<int>(Control::Text1) + player - 1);
}

Control honorImage(int player) {
  assert(player >= 1 && player <= 4);
  return at(static_cast<int>(Control::Image1) + player - 1);
}

Control totalLabel(int player) {
  assert(player >= 1 && player <= 4);
  return at(static_cast<int>(Control::total1) + player - 1);
}

Control pictureBox(int number) {
  assert(number >= 1 && number <= 15);
  return at(static_cast<int>(Control::Picture1) + number - 1);
}

Control image(int number) {
  assert(number >= 1 && number <= 5);
  return at(static_cast<int>(Control::Image1) + number - 1);
}

Control cardPlace(int player, int place) {
  // Player 1 holds Picture1..Picture3 (and Picture4 for the card just taken); players 2, 3
  // and 4 hold three places each from Picture5 on.
  assert(player >= 1 && player <= 4);
  assert(place >= 1 && place <= (player == 1 ? 4 : 3));
  if (player == 1) return pictureBox(place);
  return pictureBox(5 + 3 * (player - 2) + place - 1);
}

Table::Table() {
  setText(Control::Text1, "Pell Varny");
  setText(Control::Text2, "Quillbrook Oma");
  setText(Control::Text3, "Tobin Marl");
  setText(Control::Text4, "Wenna Cope");
  setCaption(Control::Command1, "Deal");
  setCaption(Control::Command2, "Knock");
  setCaption(Control::Label1, "Korvo");
  setCaption(Control::Label2, "by Vendrake");
}

}  // namespace korvo
