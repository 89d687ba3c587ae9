#include "game/spoken.h"

#include <charconv>

#include "game/gamedir.h"

namespace korvo {

std::string cardWords(Value value, std::string_view suit) {
  return std::to_string(value) + " " + std::string(suit);
}

PlaceContent cardPlaceContent(const GameState& state, std::string_view picture) {
  using Kind = PlaceContent::Kind;
  if (picture == kCardBack) return {Kind::FaceDown, {}};
  if (picture.empty() || picture == kEmptyPlace) return {Kind::Empty, {}};
  for (int j = 1; j <= kDeckSize; ++j) {
    if (state.filecard[j] == picture) {
      return {Kind::Card, {state.filecard[j], state.filesuit[j], state.filevalue[j]}};
    }
  }
  return {Kind::Unknown, {}};
}

std::string cardPlaceWords(const GameState& state, std::string_view picture) {
  const PlaceContent content = cardPlaceContent(state, picture);
  switch (content.kind) {
    case PlaceContent::Kind::FaceDown:
      return "face down";
    case PlaceContent::Kind::Empty:
      return "empty";
    case PlaceContent::Kind::Card:
      return cardWords(content.card.value, content.card.suit);
    case PlaceContent::Kind::Unknown:
      break;
  }
  return "unknown card";
}

std::optional<int> honorPointsOf(std::string_view picture) {
  constexpr std::string_view kStart = "hundred";
  constexpr std::string_view kEnd = ".JPG";
  if (!picture.starts_with(kStart) || !picture.ends_with(kEnd)) return std::nullopt;
  const std::string_view digits =
      picture.substr(kStart.size(), picture.size() - kStart.size() - kEnd.size());
  // Only the names honorPicture writes (no sign, no leading zero, nothing after the number):
  // whatever the number reads as, the name must be the one written for it.
  int points = -1;
  std::from_chars(digits.data(), digits.data() + digits.size(), points);
  if (points < 0 || honorPicture(points) != picture) return std::nullopt;
  return points;
}

}  // namespace korvo
