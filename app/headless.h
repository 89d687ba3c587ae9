// Headless mode: clicks by name on standard input, one line of JSON per click on standard
// output with what every control shows and the whole game state.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

#include "game/game.h"
#include "game/savedgame.h"
#include "game/statistics.h"

namespace korvo {

// Runs the clicks of `in` against `game`, writing one JSON line per click to `out`; the
// rounds each click settled go to `statistics`, if given, and with a keeper (--resume) each
// click is kept in the saved game, both before its line is written.
// Returns the exit status: 0 at the end of input, 3 when a scripted random source ran dry.
// The line `Hint` answers like a click that changes nothing, with the Strong player's advice
// for player 1 (seeded with `hintSeed`) in a member "hint".
int runHeadless(Game& game, std::istream& in, std::ostream& out, std::ostream& err,
                uint64_t hintSeed = 0, StatisticsKeeper* statistics = nullptr,
                GameKeeper* keeper = nullptr);

// One click line: trims blanks; returns "" for blank lines and comments.
std::string clickNameOf(const std::string& line);

// The JSON record of one click.
nlohmann::ordered_json clickRecord(const std::string& click, const Game& game,
                                   const ClickResult& result);

}  // namespace korvo
