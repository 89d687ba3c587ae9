#include "app/options.h"

#include <gmock/gmock.h>

#include <regex>

#include "game/gamedir.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

// The mistakes the program meets alongside --headless, with their messages, the golden games
// option-* show; here the modes and the mistakes of the other modes.
TEST(Options, CommandLines) {
  using enum Options::Mode;
  using ::testing::AllOf, ::testing::HasSubstr, ::testing::Not;
  // Each row: the arguments; the mode, or none ({}) for a mistake and a word of its one-line
  // message.
  const struct {
    std::vector<std::string> args;
    std::optional<Options::Mode> mode;
    const char* errorWord = "";
  } cases[] = {
      // clang-format off
      {{}, Window}, {{"--dir", "x"}, Window}, {{"--init", "x"}, Init}, {{"--help"}, Help},
      {{"--version"}, Version}, {{"--headless", "--seed", "12"}, Headless},
      {{"--screenshot", "a.png"}, Script},
      {{"--script", "c.txt", "--screenshot", "a.png", "--seed", "1"}, Script},
      {{"--script", "c.txt"}, {}, "--screenshot"}, {{"--headless", "--init", "x"}, {}, "exclude"},
      {{"-h"}, Help}, {{"-v"}, Version}, {{"--statistics"}, Statistics},
      {{"--statistics", "--json", "--dir", "x"}, Statistics}, {{"--json"}, {}, "--statistics"},
      {{"--statistics", "--seed", "1"}, {}, "takes no"}, {{"--opponents", "weak"}, {}, "\"weak\""},
      {{"--dir", ""}, {}, "needs a directory"}, {{"-x"}, {}, "\"-x\""}, {{"game"}, {}, "\"game\""},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const auto parsed = parseOptions(c.args);
    if (const auto* error = std::get_if<OptionsError>(&parsed)) {
      EXPECT_FALSE(c.mode);
      EXPECT_THAT(error->message, AllOf(HasSubstr(c.errorWord), Not(HasSubstr("\n"))));
    } else {
      EXPECT_EQ(std::get<Options>(parsed).mode, c.mode);
    }
  }
  const auto strong = std::get<Options>(parseOptions({"--opponents=strong", "--resume"}));
  EXPECT_TRUE(strong.opponents == Options::Opponents::Strong && strong.resume &&
              strong.opponentsGiven);
}

// --help gives every option a sentence on its line.
TEST(Options, HelpGivesEveryOptionASentence) {
  const std::string help = usageText();
  for (const char* option :
       {"--dir", "--seed", "--random-file", "--opponents", "--script", "--screenshot", "--init",
        "--headless", "--resume", "--statistics", "--json", "-h, --help", "-v, --version"}) {
    const std::regex line("\n  " + std::string(option) + "( <[^>]+>)?  +[A-Z][a-z]+ [^ ]+ [^ ]+");
    EXPECT_TRUE(std::regex_search(help, line)) << option;
  }
}

// Where the program plays without --dir: the current directory when it holds a deck, else the
// data directory of $XDG_DATA_HOME (only an absolute one), else of $HOME, else ./korvo
// ("" and "korvo" below: the current directory and korvo in it).
TEST(Options, TheDefaultGameDirectory) {
  testing::TempDir dir;
  const auto cwd = std::filesystem::current_path();
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  const struct {
    bool deckHere;
    const char *data, *home, *want;
  } cases[] = {
      {true, "/data", "/home/u", ""},
      {false, "/data", "/home/u", "/data/korvo"},
      {false, "rel", "/home/u", "/home/u/.local/share/korvo"},
      {false, nullptr, "", "korvo"},
      {false, "", nullptr, "korvo"},
  };
  std::filesystem::current_path(dir.path());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.want);
    if (c.deckHere) testing::writeFile(dir / kCardFile, "");
    c.data ? ::setenv("XDG_DATA_HOME", c.data, 1) : ::unsetenv("XDG_DATA_HOME");
    c.home ? ::setenv("HOME", c.home, 1) : ::unsetenv("HOME");
    EXPECT_EQ(defaultGameDir(), c.want[0] == '/' ? c.want : *c.want ? dir / c.want : dir.path());
    std::filesystem::remove(dir / kCardFile);
  }
  std::filesystem::current_path(cwd);
  ::setenv("HOME", home.c_str(), 1);
  ::unsetenv("XDG_DATA_HOME");  // no other test of this program reads it
}

}  // namespace
}  // namespace korvo
