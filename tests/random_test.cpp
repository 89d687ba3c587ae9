#include "game/random.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace korvo {
namespace {

TEST(Random, SeededSourceRepeatsAndStaysBelowOne) {
  SeededRandom a(42), b(42), c(43);
  bool differs = false;
  for (int i = 0; i < 10000; ++i) {
    const float x = a.next();
    ASSERT_GE(x, 0.0f);
    ASSERT_LT(x, 1.0f);
    ASSERT_EQ(x, b.next());
    differs = differs || x != c.next();
  }
  EXPECT_TRUE(differs);
  EXPECT_EQ(a.drawn(), 10000u);
}

TEST(Random, ScriptedSourceFailsOnAnUnplannedDraw) {
  ScriptedRandom r({0.5f, 0.25f});
  EXPECT_EQ(r.next(), 0.5f);
  EXPECT_EQ(r.next(), 0.25f);
  EXPECT_THROW(r.next(), RandomExhausted);
  EXPECT_EQ(r.drawn(), 2u);
}

TEST(Random, NumbersOfARandomFile) {
  struct Case {
    const char* text;
    bool ok;
  };
  const Case cases[] = {
      {"0", true},           {"0.25", true},     {" 1.5e-3 ", true}, {"0.99999994", true},
      {"0.99999999", false},  // rounds to 1 in single precision
      {"1", false},          {"-0.1", false},    {"abc", false},     {"0x0.8", false},
      {"nan", false},        {"0.5 0.5", false}, {"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScriptedRandom::parseNumber(c.text).has_value(), c.ok) << c.text;

  testing::TempDir dir;
  testing::writeFile(dir / "r.txt", "0.5\n\n  0.125 \r\n");
  EXPECT_EQ(ScriptedRandom::readFile(dir / "r.txt"), (std::vector<float>{0.5f, 0.125f}));
  testing::writeFile(dir / "bad.txt", "0.5\n2\n");
  try {
    ScriptedRandom::readFile(dir / "bad.txt");
    ADD_FAILURE() << "2 was accepted";
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos) << e.what();
  }
  EXPECT_THROW(ScriptedRandom::readFile(dir / "none.txt"), std::invalid_argument);
}

}  // namespace
}  // namespace korvo
