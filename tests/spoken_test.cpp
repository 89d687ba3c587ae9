// The table in words: card places by the deck as read and honor pictures by their count.
#include "game/spoken.h"

#include <gtest/gtest.h>

#include <tuple>

#include "game/gamedir.h"

namespace korvo {
namespace {

// The words come from the deck as read (filecard...), never from the deck arrays that play
// rewrites, nor from the picture's name.
TEST(SpokenTest, ACardPlaceSaysTheCardOfItsPictureByTheDeckAsRead) {
  GameState handMade;
  std::tie(handMade.filecard[9], handMade.filesuit[9], handMade.filevalue[9]) =
      std::tuple("KH.JPG", "hearts", 3);
  std::tie(handMade.deckcard[9], handMade.decksuit[9], handMade.deckvalue[9]) =
      std::tuple("KH.JPG", "spades", 7);  // as play leaves it
  // clang-format off
  const std::pair<const char*, const char*> places[] = {
      {"KH.JPG", "3 hearts"}, {kCardBack, "face down"}, {kEmptyPlace, "empty"}, {"", "empty"},
      {"QH.JPG", "unknown card"}};
  // clang-format on
  for (const auto& [picture, words] : places)
    EXPECT_EQ(cardPlaceWords(handMade, picture), words) << picture;
}

TEST(SpokenTest, AnHonorPictureSaysItsCount) {
  const std::pair<const char*, std::optional<int>> pictures[] = {
      {"hundred0.JPG", 0}, {"hundred12.JPG", 12}, {"hundred07.JPG", {}}, {"hundred-1.JPG", {}},
      {"hundred.JPG", {}}, {"hundred3.jpg", {}},  {"hundred3x.JPG", {}}, {"AS.JPG", {}}};
  for (const auto& [picture, points] : pictures)
    EXPECT_EQ(honorPointsOf(picture), points) << picture;
}

}  // namespace
}  // namespace korvo
