// The command line of korvo.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "game/random.h"

namespace korvo {

struct Options {
  enum class Mode { Window, Headless, Init, Script, Statistics, Help, Version };
  Mode mode = Mode::Window;
  // The computer players of this run (--opponents).
  enum class Opponents { Classic, Strong };
  Opponents opponents = Opponents::Classic;
  bool opponentsGiven = false;  // --opponents was given: it wins over the window's choice
  std::optional<std::filesystem::path> dir;  // --dir, or the directory of --init
  std::optional<uint64_t> seed;              // --seed
  std::optional<std::filesystem::path> randomFile;
  std::vector<float> randomNumbers;             // the numbers of --random-file, read at parse time
  std::optional<std::filesystem::path> script;  // --script
  std::optional<std::filesystem::path> screenshot;  // --screenshot
  bool resume = false;                              // --resume: go on with the saved game
  bool json = false;                                // --json: the statistics as one JSON object

  // "classic" or "strong", as a saved game names them.
  const char* opponentsName() const {
    return opponents == Opponents::Strong ? "strong" : "classic";
  }

  // The random source the options ask for.
  std::unique_ptr<Random> makeRandom() const;
};

// A command-line mistake: one line for standard error; the program exits with status 2.
struct OptionsError {
  std::string message;
};

// Reads the arguments after the program's name. Nothing is read or written but the file of
// --random-file.
std::variant<Options, OptionsError> parseOptions(const std::vector<std::string>& args);

// What `korvo --help` prints: how the program is started, and every option with a sentence.
std::string usageText();

}  // namespace korvo
