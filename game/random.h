// The game's one source of chance. Every draw takes exactly one number r, 0 <= r < 1, in
// single precision; the count of draws is part of what the headless mode reports.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvo {

class Random {
 public:
  virtual ~Random() = default;
  float next() {
    const float r = draw();
    ++drawn_;
    return r;
  }
  uint64_t drawn() const { return drawn_; }
  // Goes on from a saved game's position: `drawn` numbers have been taken already.
  virtual void resumeAt(uint64_t drawn) { drawn_ = drawn; }

 protected:
  virtual float draw() = 0;

 private:
  uint64_t drawn_ = 0;
};

// A Mersenne Twister, seeded from the given number or, without one, unpredictably.
class SeededRandom final : public Random {
 public:
  explicit SeededRandom(std::optional<uint64_t> seed = std::nullopt);

  // The generator's whole state as text, and back: a saved game resumes the very sequence.
  std::string generatorState() const;
  // False, changing nothing, when `state` is not such a text.
  bool setGeneratorState(const std::string& state);

 protected:
  float draw() override;

 private:
  std::mt19937_64 engine_;
};

// Raised when a scripted source is asked for a number it does not have.
class RandomExhausted : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Hands out a fixed list of numbers in order; asking past the end is an error, so that a
// test notices every draw it did not plan for.
class ScriptedRandom final : public Random {
 public:
  explicit ScriptedRandom(std::vector<float> numbers) : numbers_(std::move(numbers)) {}
  std::size_t remaining() const { return pos_ < numbers_.size() ? numbers_.size() - pos_ : 0; }
  // Goes on with number `drawn` + 1 of the list; past its end the next draw is an error.
  void resumeAt(uint64_t drawn) override;

  // Reads a --random-file: one number per line, 0 <= r < 1 once read as single precision;
  // blank lines and blanks around a number are ignored. Throws std::invalid_argument with
  // a message naming the file and line.
  static std::vector<float> readFile(const std::filesystem::path& file);
  // Parses one such number; nullopt if it is not one.
  static std::optional<float> parseNumber(const std::string& text);

 protected:
  float draw() override;

 private:
  std::vector<float> numbers_;
  uint64_t pos_ = 0;
};

}  // namespace korvo
