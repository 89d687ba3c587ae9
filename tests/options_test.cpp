#include "app/options.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace korvo {
namespace {

TEST(Options, CommandLines) {
  testing::TempDir dir;
  testing::writeFile(dir / "r.txt", "0.5\n0.25\n");
  testing::writeFile(dir / "bad.txt", "0.5\n1.0\n");
  const std::string good = (dir / "r.txt").string(), bad = (dir / "bad.txt").string();
  struct Case {
    std::vector<std::string> args;
    std::optional<Options::Mode> mode;  // nullopt: a command-line error
    const char* errorWord = "";
  };
  const Case cases[] = {
      {{}, Options::Mode::Window},
      {{"--dir", "x"}, Options::Mode::Window},
      {{"--headless", "--seed", "12"}, Options::Mode::Headless},
      {{"--headless", "--random-file", good}, Options::Mode::Headless},
      {{"--init", "x"}, Options::Mode::Init},
      {{"--screenshot", "a.png"}, Options::Mode::Script},
      {{"--script", "c.txt", "--screenshot", "a.png", "--seed", "1"}, Options::Mode::Script},
      {{"--help"}, Options::Mode::Help},
      {{"--version"}, Options::Mode::Version},
      {{"--frobnicate"}, std::nullopt, "unknown option"},
      {{"--seed", "twelve"}, std::nullopt, "--seed"},
      {{"--seed", "-1"}, std::nullopt, "--seed"},
      {{"--seed"}, std::nullopt, "needs"},
      {{"--seed", "1", "--random-file", good}, std::nullopt, "together"},
      {{"--random-file", (dir / "none.txt").string()}, std::nullopt, "cannot be read"},
      {{"--random-file", bad}, std::nullopt, "line 2"},
      {{"--script", "c.txt"}, std::nullopt, "--screenshot"},
      {{"--headless", "--init", "x"}, std::nullopt, "exclude"},
  };
  for (const auto& c : cases) {
    const auto parsed = parseOptions(c.args);
    std::string line;
    for (const auto& a : c.args) line += a + " ";
    if (c.mode) {
      ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << line;
      EXPECT_EQ(std::get<Options>(parsed).mode, *c.mode) << line;
    } else {
      ASSERT_TRUE(std::holds_alternative<OptionsError>(parsed)) << line;
      const std::string& message = std::get<OptionsError>(parsed).message;
      EXPECT_NE(message.find(c.errorWord), std::string::npos) << line << ": " << message;
      EXPECT_EQ(message.find('\n'), std::string::npos) << "one line: " << message;
    }
  }
}

TEST(Options, RandomFileNumbersReachTheGame) {
  testing::TempDir dir;
  testing::writeFile(dir / "r.txt", "0.5\n0.25\n");
  const auto parsed = parseOptions({"--headless", "--random-file", (dir / "r.txt").string()});
  auto random = std::get<Options>(parsed).makeRandom();
  EXPECT_EQ(random->next(), 0.5f);
  EXPECT_EQ(random->next(), 0.25f);
  EXPECT_THROW(random->next(), RandomExhausted);
}

}  // namespace
}  // namespace korvo
