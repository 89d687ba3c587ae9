// Writes of the game's two files that fail: a directory that refuses new files, a file that may
// not grow.
#include <gmock/gmock.h>

#include <optional>
#include <tuple>
#include <utility>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/savedgame.h"
#include "players/classic.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::readFile;

// A won game whose win cannot be saved, on a full disk (4 bytes a file: the deck and the win
// counts alike) and in a directory that refuses new files: no file changes, the win is kept
// and written by the next Deal that works, and a Deal while the fault lasts changes nothing.
TEST(Faults, AFailedWriteChangesNoFileAndTheWinIsSavedAtTheNextGameStart) {
  for (const bool fullDisk : {true, false}) {
    SCOPED_TRACE(fullDisk ? "a full disk" : "a directory that refuses new files");
    testing::GameDir dir;
    testing::writeFile(dir / kTotalsFile, "2,0,1,0\r\n");
    SeededRandom random(5);
    Game game(dir.path(), random, classicSeats());
    // Players 3 and 4 are out, player 2 has 1 point left. Player 1 holds A♥ K♥ 2♣ and has
    // drawn Q♥; throwing the 2♣ makes 31, player 2 pays his last point and player 1 wins.
    GameState& st = game.mutableState();
    st.dealt = 1;
    st.turnphase = kDiscardPhase;
    st.honor = {0, 4, 1, 0, 0};
    st.knocked = st.finalturn = {"", kNo, kNo, kNo, kNo};
    st.wins = {0, 2, 0, 1, 0};
    const Card held[] = {
        {"AH.JPG", "♥", 11}, {"KH.JPG", "♥", 10}, {"2C.JPG", "♣", 2}, {"QH.JPG", "♥", 10}};
    for (int i = 1; i <= 4; ++i) st.setCard(1, i, held[i - 1]);
    st.discardbase = st.deckpos = 7;
    const std::string deck = readFile(dir / kCardFile);
    {
      std::optional<testing::FileSizeLimit> fullFiles;
      std::optional<testing::UnwritableDir> locked;
      if (!(fullDisk ? fullFiles.emplace(4).ok : locked.emplace(dir.path()).ok))
        GTEST_SKIP() << "this system lets no directory refuse new files";
      auto honor = st.honor;
      for (const auto& [click, file] :
           {std::pair(Control::Picture3, kTotalsFile), std::pair(Control::Command1, kCardFile)}) {
        // The deck is written first at a Deal.
        const ClickResult result = game.click(click);
        ASSERT_TRUE(result.error.has_value()) << "no message for a failed write of " << file;
        EXPECT_THAT(*result.error, HasSubstr(std::string(file) + ": cannot be written"));
        EXPECT_THAT(*result.error, HasSubstr(fullDisk ? "File too large" : ""));
        // The show-down closed the round all the same, the win is kept, and the Deal did nothing.
        EXPECT_EQ(game.table()[Control::Text1], "Pell wins all the honor!");
        EXPECT_EQ(game.table()[Control::total1], "3");
        EXPECT_EQ(st.dealt, 0);
        EXPECT_TRUE(click != Control::Command1 || st.honor == honor);
        honor = st.honor;
        EXPECT_TRUE(game.totalsPending());
      }
    }
    EXPECT_EQ(readFile(dir / kTotalsFile), "2,0,1,0\r\n");
    EXPECT_EQ(readFile(dir / kCardFile), deck);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2) << "a temporary is left";

    // In a directory that refused the file the run ends here, and the next run resumes the game
    // with its win still to be written.
    SeededRandom later(0);
    std::optional<Game> resumed;
    if (!fullDisk) {
      testing::writeFile(
          dir / kSavedGameFile,
          formatSavedGame(savedGameOf(game, random, "classic", readCardFile(dir / kCardFile)),
                          dir.path()));
      resumed.emplace(dir.path(), later, classicSeats());
      ASSERT_TRUE(GameKeeper(*resumed, later, "classic", {}).resume().resumed);
    }
    Game& playing = resumed ? *resumed : game;
    const ClickResult next = playing.click(Control::Command1);
    EXPECT_FALSE(next.error) << *next.error;
    EXPECT_FALSE(playing.totalsPending());
    EXPECT_EQ(readFile(dir / kTotalsFile), "3,0,1,0\r\n");
    EXPECT_EQ(playing.state().honor,
              (std::array<int16_t, kPlayers + 1>{0, 4, 4, 4, 4}));  // a new game
    EXPECT_TRUE(testing::holdsTheStandardDeck(dir / kCardFile));
  }
}

}  // namespace
}  // namespace korvo
