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
  handMade.filecard[9] = "KH.JPG";
  handMade.filesuit[9] = "hearts";
  handMade.filevalue[9] = 3;
  std::tie(handMade.deckcard[9], handMade.decksuit[9], handMade.deckvalue[9]) =
      std::tuple("KH.JPG", "spades", 7);  // as play leaves it
  const struct {
    const char* picture;
    const char* words;
  } places[] = {
      {"KH.JPG", "3 hearts"}, {kCardBack, "face down"},   {kEmptyPlace, "empty"},
      {"", "empty"},          {"QH.JPG", "unknown card"},
  };
  for (const auto& p : places) EXPECT_EQ(cardPlaceWords(handMade, p.picture), p.words) << p.picture;
}

TEST(SpokenTest, AnHonorPictureSaysItsCount) {
  const struct {
    const char* picture;
    std::optional<int> points;
  } pictures[] = {
      {"hundred0.JPG", 0},
      {"hundred12.JPG", 12},
      {"hundred07.JPG", std::nullopt},
      {"hundred-1.JPG", std::nullopt},
      {"hundred.JPG", std::nullopt},
      {"hundred3.jpg", std::nullopt},
      {"hundred3x.JPG", std::nullopt},
      {"AS.JPG", std::nullopt},
  };
  for (const auto& p : pictures) EXPECT_EQ(honorPointsOf(p.picture), p.points) << p.picture;
}

}  // namespace
}  // namespace korvo
