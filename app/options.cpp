#include "app/options.h"

#include <charconv>

namespace korvo {

std::unique_ptr<Random> Options::makeRandom() const {
  if (randomFile) return std::make_unique<ScriptedRandom>(randomNumbers);
  return std::make_unique<SeededRandom>(seed);
}

std::string usageText() {
  return "Usage: korvo [--dir DIR] [--seed N | --random-file FILE]\n"
         "       korvo --headless [--dir DIR] [--seed N | --random-file FILE]\n"
         "       korvo --script FILE --screenshot OUT.png [--dir DIR] [--seed N | --random-file "
         "F]\n"
         "       korvo --screenshot OUT.png [--dir DIR]\n"
         "       korvo --init DIR\n"
         "       korvo --help | --version\n"
         "       (every mode that plays also takes --opponents classic|strong)\n"
         "\n"
         "Play Korvo, the card game of 31, against three computer players.\n"
         "\n"
         "  --dir DIR           play with the deck and win counts in DIR (default: the\n"
         "                      current directory if it holds cardfile.txt, otherwise\n"
         "                      ~/.local/share/korvo, made on first use)\n"
         "  --seed N            shuffle and play with the random numbers of seed N\n"
         "  --random-file FILE  take the random numbers from FILE, one per line\n"
         "  --headless          read clicks by control name on standard input and write\n"
         "                      one line of JSON per click\n"
         "  --script FILE       play the clicks of FILE on the window, without a screen\n"
         "  --screenshot OUT    save a PNG of the window (after the script, if any)\n"
         "  --init DIR          make DIR a fresh game directory\n"
         "  --opponents KIND    the computer players: classic (the rules' own players, the\n"
         "                      default) or strong (players that look ahead)\n";
}

std::variant<Options, OptionsError> parseOptions(const std::vector<std::string>& args) {
  Options o;
  bool headless = false, init = false, help = false, version = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // The value that follows an option.
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size() || args[i + 1].empty()) return std::nullopt;
      return args[++i];
    };
    const auto missing = [&](const std::string& what) {
      return OptionsError{"korvo: " + arg + " needs " + what};
    };
    if (arg == "--headless") {
      headless = true;
    } else if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--version") {
      version = true;
    } else if (arg == "--dir" || arg == "--init") {
      const auto v = value();
      if (!v) return missing("a directory");
      if (o.dir) return OptionsError{"korvo: only one game directory may be given"};
      o.dir = *v;
      init = init || arg == "--init";
    } else if (arg == "--seed") {
      const auto v = value();
      if (!v) return missing("a number");
      uint64_t seed = 0;
      const auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), seed);
      if (ec != std::errc() || end != v->data() + v->size()) {
        return OptionsError{
            "korvo: --seed needs a whole number from 0 to 18446744073709551615, "
            "not \"" +
            *v + "\""};
      }
      o.seed = seed;
    } else if (arg == "--random-file") {
      const auto v = value();
      if (!v) return missing("a file");
      o.randomFile = *v;
    } else if (arg == "--opponents") {
      const auto v = value();
      if (!v) return missing("classic or strong");
      if (*v == "classic") {
        o.opponents = Options::Opponents::Classic;
      } else if (*v == "strong") {
        o.opponents = Options::Opponents::Strong;
      } else {
        return OptionsError{"korvo: --opponents needs classic or strong, not \"" + *v + "\""};
      }
      o.opponentsGiven = true;
    } else if (arg == "--script") {
      const auto v = value();
      if (!v) return missing("a file");
      o.script = *v;
    } else if (arg == "--screenshot") {
      const auto v = value();
      if (!v) return missing("a file name for the PNG");
      o.screenshot = *v;
    } else {
      return OptionsError{"korvo: unknown option \"" + arg + "\" (see korvo --help)"};
    }
  }

  if (o.seed && o.randomFile) {
    return OptionsError{"korvo: --seed and --random-file cannot be used together"};
  }
  if (help) {
    o.mode = Options::Mode::Help;
    return o;
  }
  if (version) {
    o.mode = Options::Mode::Version;
    return o;
  }
  const int modes = int(headless) + int(init) + int(o.script || o.screenshot);
  if (modes > 1) {
    return OptionsError{"korvo: --headless, --init and --script/--screenshot exclude one another"};
  }
  if (o.script && !o.screenshot) {
    return OptionsError{"korvo: --script needs --screenshot OUT.png"};
  }
  if (init && (o.seed || o.randomFile)) {
    return OptionsError{"korvo: --init takes no random numbers"};
  }
  if (o.randomFile) {
    try {
      o.randomNumbers = ScriptedRandom::readFile(*o.randomFile);
    } catch (const std::invalid_argument& e) {
      return OptionsError{std::string("korvo: --random-file ") + e.what()};
    }
  }
  if (headless) o.mode = Options::Mode::Headless;
  if (init) o.mode = Options::Mode::Init;
  if (o.screenshot) o.mode = Options::Mode::Script;
  return o;
}

}  // namespace korvo
