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
  int points = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), points);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  // Only the names honorPicture writes: no sign, no leading zero.
  if (points < 0 || honorPicture(points) != picture) return std::nullopt;
  return points;
}

}  // namespace korvo
