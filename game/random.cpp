#include "game/random.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace korvo {

SeededRandom::SeededRandom(std::optional<uint64_t> seed) {
  if (seed) {
    engine_.seed(*seed);
  } else {
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device()};
    engine_.seed(seq);
  }
}

float SeededRandom::draw() {
  // The top 24 bits make a float in [0, 1) exactly, which never rounds up to 1.
  return static_cast<float>(engine_() >> 40) * 0x1.0p-24f;
}

std::string SeededRandom::generatorState() const {
  std::ostringstream out;
  out << engine_;
  return out.str();
}

bool SeededRandom::setGeneratorState(const std::string& state) {
  std::istringstream in(state);
  std::mt19937_64 engine;
  in >> engine;
  if (in.fail()) return false;
  in >> std::ws;
  if (!in.eof()) return false;
  engine_ = engine;
  return true;
}

void ScriptedRandom::resumeAt(uint64_t drawn) {
  Random::resumeAt(drawn);
  pos_ = drawn;
}

float ScriptedRandom::draw() {
  if (pos_ >= numbers_.size()) {
    throw RandomExhausted("the random-number file has no number left for draw " +
                          std::to_string(drawn() + 1));
  }
  return numbers_[pos_++];
}

namespace {
std::string trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  const auto last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}
}  // namespace

std::optional<float> ScriptedRandom::parseNumber(const std::string& text) {
  const std::string t = trim(text);
  if (t.empty()) return std::nullopt;
  // Only plain decimal numbers: no hex floats, infinities or NaN.
  for (char c : t) {
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == 'e' || c == 'E' ||
          c == '+' || c == '-')) {
      return std::nullopt;
    }
  }
  errno = 0;
  char* end = nullptr;
  const float r = std::strtof(t.c_str(), &end);
  if (end != t.c_str() + t.size()) return std::nullopt;
  if (!(r >= 0.0f && r < 1.0f)) return std::nullopt;
  return r;
}

std::vector<float> ScriptedRandom::readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::invalid_argument(file.string() + ": cannot be read");
  std::vector<float> numbers;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (trim(line).empty()) continue;
    const auto r = parseNumber(line);
    if (!r) {
      throw std::invalid_argument(file.string() + ", line " + std::to_string(lineNo) + ": \"" +
                                  trim(line).substr(0, 40) +
                                  "\" is not a number from 0 up to (not including) 1");
    }
    numbers.push_back(*r);
  }
  if (in.bad()) throw std::invalid_argument(file.string() + ": cannot be read");
  return numbers;
}

}  // namespace korvo
