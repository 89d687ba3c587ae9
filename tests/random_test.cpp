#include "game/random.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace korvo {
namespace {

TEST(Random, SeededSourceRepeatsAndStaysBelowOne) {
  SeededRandom a(42), b(42), c(43);
  int same = 0;
  for (int i = 0; i < 10000; ++i) {
    const float x = a.next();
    ASSERT_TRUE(x >= 0.0f && x < 1.0f) << x;
    ASSERT_EQ(x, b.next());
    same += x == c.next();
  }
  EXPECT_LT(same, 10000) << "another seed, other numbers";
  EXPECT_EQ(a.drawn(), 10000u);
}

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
  // Blank lines are skipped; an unreadable file and a bad number (tried through the options,
  // which show the line) are refused.
  testing::TempDir dir;
  testing::writeFile(dir / "r.txt", "0.5\n\n  0.125 \r\n");
  EXPECT_EQ(ScriptedRandom::readFile(dir / "r.txt"), (std::vector<float>{0.5f, 0.125f}));
  EXPECT_THROW(ScriptedRandom::readFile(dir / "none.txt"), std::invalid_argument);
}

}  // namespace
}  // namespace korvo
