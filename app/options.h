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
  enum class Mode { Window, Headless, Init, Script, Help, Version };
  Mode mode = Mode::Window;
  std::optional<std::filesystem::path> dir;  // --dir, or the directory of --init
  std::optional<uint64_t> seed;              // --seed
  std::optional<std::filesystem::path> randomFile;
  std::vector<float> randomNumbers;             // the numbers of --random-file, read at parse time
  std::optional<std::filesystem::path> script;  // --script
  std::optional<std::filesystem::path> screenshot;  // --screenshot
  // Who plays seats 2 to 4 (--opponents): the rules' own players or the Strong ones.
  enum class Opponents { Classic, Strong };
  Opponents opponents = Opponents::Classic;
  bool opponentsGiven = false;  // --opponents was given: it wins over the window's choice

  // The random source the options ask for.
  std::unique_ptr<Random> makeRandom() const;
};

// A command-line mistake: one line for standard error; the program exits with status 2.
struct OptionsError {
  std::string message;
};

std::variant<Options, OptionsError> parseOptions(const std::vector<std::string>& args);

std::string usageText();

}  // namespace korvo
