#include "game/spoken.h"

#include <charconv>

#include "game/gamedir.h"

namespace korvo {

std::string cardWords(Value value, std::string_view suit) {
  return std::to_string(value) + " " + std::string(suit);
}

std::string cardPlaceWords(const GameState& state, std::string_view picture) {
  if (picture == kCardBack) return "face down";
  if (picture.empty() || picture == kEmptyPlace) return "empty";
  for (int j = 1; j <= kDeckSize; ++j) {
    if (state.filecard[j] == picture) return cardWords(state.filevalue[j], state.filesuit[j]);
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
