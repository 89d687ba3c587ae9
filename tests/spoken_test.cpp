// The table in words: card places by the deck as read, whatever the deck arrays hold now, and
// honor pictures by their count.
#include "game/spoken.h"

#include <gtest/gtest.h>

#include "game/game.h"
#include "game/gamedir.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::GameDir;

TEST(SpokenTest, ACardPlaceSaysTheCardOfItsPictureByTheDeckAsRead) {
  GameDir dir;
  SeededRandom random(7);
  Game game(dir.path(), random);
  game.click(Control::Command1);
  ASSERT_EQ(game.state().turnphase, kTakePhase);
  // The card drawn goes into place 1; its slot in the deck arrays then holds the card thrown.
  game.click(Control::Picture14);
  game.click(Control::Picture1);
  const GameState& st = game.state();
  for (int place = 1; place <= 3; ++place) {
    EXPECT_EQ(cardPlaceWords(st, game.table()[cardPlace(1, place)]),
              cardWords(st.p1value[place], st.p1suit[place]))
        << place;
  }
  EXPECT_EQ(cardPlaceWords(st, game.table()[Control::Picture15]),
            cardWords(st.deckvalue[st.deckpos], st.decksuit[st.deckpos]));

  // The values and suit texts are the deck's, never read off the picture's name.
  GameState handMade;
  handMade.filecard[9] = "KH.JPG";
  handMade.filesuit[9] = "hearts";
  handMade.filevalue[9] = 3;
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
