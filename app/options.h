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
  // --resume: headless and script modes go on from savedgame.json and keep it; the window
  // always does.
  bool resume = false;

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
