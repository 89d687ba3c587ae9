// The table in words, for the window's screen-reader names: what a card place or an honor
// picture stands for, never the picture's file name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/state.h"

namespace korvo {

// A card as the game's messages write it, value then suit, with a blank between them so that
// a screen reader says the number and the suit apart: "10 ♥".
std::string cardWords(Value value, std::string_view suit);

// What a card place showing `picture` holds: "face down" for the card back, "empty" for the
// empty place and for the start-up place (""), otherwise the card of the deck the last deal
// read whose picture it is ("unknown card" if none has it). The deck as read stays the same
// through a round while the deck arrays lose the card taken, so any Table of the game can be
// read against it.
std::string cardPlaceWords(const GameState& state, std::string_view picture);

// The same as a record, for a front end that says it in another language.
struct PlaceContent {
  enum class Kind { Empty, FaceDown, Card, Unknown };
  Kind kind;
  Card card;  // for Kind::Card
};
PlaceContent cardPlaceContent(const GameState& state, std::string_view picture);

// The count of honor points that an honor picture ("hundred7.JPG") shows; nullopt for a name
// that is no honor picture.
std::optional<int> honorPointsOf(std::string_view picture);

}  // namespace korvo
