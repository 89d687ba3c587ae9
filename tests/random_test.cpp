#include "game/random.h"

#include <gtest/gtest.h>

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
  for (const auto& c : cases) {
    EXPECT_EQ(ScriptedRandom::parseNumber(c.text).has_value(), c.ok) << c.text;
  }
}

}  // namespace
}  // namespace korvo
