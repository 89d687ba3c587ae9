#include "game/random.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/test_support.h"

namespace korvo {
namespace {

// The seeded source and reading a whole file of numbers the golden games pin; here the
// numbers a random file may hold.
TEST(Random, NumbersOfARandomFile) {
  const struct {
    const char* text;
    bool ok;
  } cases[] = {
      {"0", true},           {"0.25", true},     {" 1.5e-3 ", true}, {"0.99999994", true},
      {"0.99999999", false},  // rounds to 1 in single precision
      {"1", false},          {"-0.1", false},    {"abc", false},     {"0x0.8", false},
      {"nan", false},        {"0.5 0.5", false}, {"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScriptedRandom::parseNumber(c.text).has_value(), c.ok) << c.text;
}

// A line that is no number is quoted in the message, cut to its first 40 characters, with the
// file and the line it stands on.
TEST(Random, ALineThatIsNoNumberIsNamedAndQuotedShort) {
  testing::TempDir dir;
  const std::string longLine = std::string(40, 'x') + "tail";
  testing::writeFile(dir / "numbers.txt", "0.5\n\n" + longLine + "\n");
  try {
    ScriptedRandom::readFile(dir / "numbers.txt");
    ADD_FAILURE() << "taken";
  } catch (const std::invalid_argument& e) {
    EXPECT_EQ(std::string(e.what()), (dir / "numbers.txt").string() + ", line 3: \"" +
                                         std::string(40, 'x') +
                                         "\" is not a number from 0 up to (not including) 1");
  }
}

}  // namespace
}  // namespace korvo
