#include "app/options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <charconv>

namespace korvo {

namespace {

// The words of the command line, in the context the translations file them under.
struct OptionsText {
  Q_DECLARE_TR_FUNCTIONS(korvo::Options)
};

// Each option that takes a value: its name, the name of the value in the help, what a missing
// value is called in the mistake's line, and the help's sentence.
struct ValueOption {
  const char* name;
  const char* valueName;
  const char* needs;
  const char* help;
};

// The options, in the order the help lists them; the sentences are translated where printed.
constexpr std::array kValueOptions = {
    ValueOption{"dir", "DIR", QT_TRANSLATE_NOOP("korvo::Options", "a directory"),
                QT_TRANSLATE_NOOP("korvo::Options",
                                  "Play with the deck and win counts in DIR (default: the current "
                                  "directory if it holds cardfile.txt, otherwise "
                                  "~/.local/share/korvo, made on first use).")},
    ValueOption{"seed", "N", QT_TRANSLATE_NOOP("korvo::Options", "a number"),
                QT_TRANSLATE_NOOP("korvo::Options",
                                  "Shuffle and play with the random numbers of seed N, so that "
                                  "the same seed plays the same game.")},
    ValueOption{"random-file", "FILE", QT_TRANSLATE_NOOP("korvo::Options", "a file"),
                QT_TRANSLATE_NOOP("korvo::Options",
                                  "Take the random numbers from FILE, one per line, each from 0 "
                                  "up to (not including) 1.")},
    ValueOption{"opponents", "classic|strong",
                QT_TRANSLATE_NOOP("korvo::Options", "classic or strong"),
                QT_TRANSLATE_NOOP("korvo::Options",
                                  "Play against the classic computer players (the default) or "
                                  "strong ones, for this run.")},
    ValueOption{"script", "FILE", QT_TRANSLATE_NOOP("korvo::Options", "a file"),
                QT_TRANSLATE_NOOP("korvo::Options",
                                  "Play the clicks of FILE (one control name per line) on the "
                                  "window, without a screen; needs --screenshot.")},
    ValueOption{"screenshot", "OUT.png",
                QT_TRANSLATE_NOOP("korvo::Options", "a file name for the PNG"),
                QT_TRANSLATE_NOOP("korvo::Options",
                                  "Save a PNG of the table (after the script, if any) and exit.")},
    ValueOption{"init", "DIR", QT_TRANSLATE_NOOP("korvo::Options", "a directory"),
                QT_TRANSLATE_NOOP("korvo::Options",
                                  "Make DIR a fresh game directory: deck, win counts and "
                                  "pictures; files already there are kept.")},
};

// Each option without a value: its names and the help's sentence.
struct Switch {
  QStringList names;
  const char* help;
};

std::array<Switch, 6> switches() {
  return {{
      {{QStringLiteral("headless")},
       QT_TRANSLATE_NOOP("korvo::Options",
                         "Play without the window: read clicks by control name on standard "
                         "input and write one line of JSON per click.")},
      {{QStringLiteral("resume")},
       QT_TRANSLATE_NOOP("korvo::Options",
                         "Go on with the game saved in the game directory (the window always "
                         "does).")},
      {{QStringLiteral("statistics")},
       QT_TRANSLATE_NOOP("korvo::Options",
                         "Print the statistics of the games played in the game directory.")},
      {{QStringLiteral("json")},
       QT_TRANSLATE_NOOP("korvo::Options", "With --statistics: print them as one JSON object.")},
      {{QStringLiteral("h"), QStringLiteral("help")},
       QT_TRANSLATE_NOOP("korvo::Options", "Show this help and exit.")},
      {{QStringLiteral("v"), QStringLiteral("version")},
       QT_TRANSLATE_NOOP("korvo::Options", "Show the version and exit.")},
  }};
}

void addOptions(QCommandLineParser& parser) {
  // "-hv" is -h and -v; a long option may also be written --name=value.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
  parser.setApplicationDescription(
      OptionsText::tr("Play Korvo, the card game of 31, against three computer players.") +
      QStringLiteral("\n\n  korvo [--dir DIR] [--seed N | --random-file FILE] [--opponents "
                     "classic|strong]\n"
                     "  korvo --headless [--dir DIR] [--seed N | --random-file FILE] "
                     "[--opponents classic|strong] [--resume]\n"
                     "  korvo --script FILE --screenshot OUT.png [--dir DIR] [--seed N | "
                     "--random-file FILE] [--resume]\n"
                     "  korvo --screenshot OUT.png [--dir DIR]\n"
                     "  korvo --statistics [--dir DIR] [--json]\n"
                     "  korvo --init DIR\n"
                     "  korvo --help | --version"));
  for (const ValueOption& o : kValueOptions) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(o.name), OptionsText::tr(o.help),
                                        QString::fromLatin1(o.valueName)));
  }
  for (const Switch& s : switches()) parser.addOption({s.names, OptionsText::tr(s.help)});
}

OptionsError mistake(const QString& line) {
  return OptionsError{QStringLiteral("korvo: %1").arg(line).toStdString()};
}

// The value option that `arg` names ("--seed", "--seed=", "-seed" is not one), if any.
const ValueOption* valueOptionNamed(const QString& arg) {
  if (!arg.startsWith(QStringLiteral("--"))) return nullptr;
  const QString name = arg.mid(2).section(u'=', 0, 0);
  for (const ValueOption& o : kValueOptions) {
    if (name == QLatin1String(o.name)) return &o;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<Random> Options::makeRandom() const {
  if (randomFile) return std::make_unique<ScriptedRandom>(randomNumbers);
  return std::make_unique<SeededRandom>(seed);
}

std::string usageText() {
  // The help's first line names the program by the application's first argument.
  static int argc = 1;
  static char name[] = "korvo";
  static char* argv[] = {name, nullptr};
  std::unique_ptr<QCoreApplication> app;
  if (QCoreApplication::instance() == nullptr) app = std::make_unique<QCoreApplication>(argc, argv);
  QCommandLineParser parser;
  addOptions(parser);
  return parser.helpText().toStdString();
}

std::variant<Options, OptionsError> parseOptions(const std::vector<std::string>& args) {
  QCommandLineParser parser;
  addOptions(parser);
  QStringList arguments{QStringLiteral("korvo")};
  for (const std::string& arg : args) arguments.append(QString::fromLocal8Bit(arg));
  const bool parsed = parser.parse(arguments);
  if (!parser.unknownOptionNames().isEmpty()) {
    const QString name = parser.unknownOptionNames().constFirst();
    return mistake(
        OptionsText::tr("unknown option \"%1\" (see korvo --help)")
            .arg((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name));
  }
  // Qt takes the argument after an option as its value whatever it is, so a value can only be
  // missing after the last argument.
  const auto needs = [](const ValueOption& o) {
    return mistake(
        OptionsText::tr("--%1 needs %2").arg(QLatin1String(o.name), OptionsText::tr(o.needs)));
  };
  if (!parsed) {
    if (const ValueOption* o = valueOptionNamed(arguments.constLast())) return needs(*o);
    return mistake(parser.errorText());  // a value given to an option that takes none
  }
  if (!parser.positionalArguments().isEmpty()) {
    return mistake(OptionsText::tr("unexpected argument \"%1\" (see korvo --help)")
                       .arg(parser.positionalArguments().constFirst()));
  }
  for (const ValueOption& o : kValueOptions) {  // an empty value is a missing one
    const QString name = QString::fromLatin1(o.name);
    if (parser.isSet(name) && parser.values(name).contains(QString())) return needs(o);
  }
  const auto value = [&](const char* name) -> std::optional<std::string> {
    if (!parser.isSet(QString::fromLatin1(name))) return std::nullopt;
    return parser.value(QString::fromLatin1(name)).toLocal8Bit().toStdString();
  };
  const auto isSet = [&](const char* name) { return parser.isSet(QString::fromLatin1(name)); };

  Options o;
  const bool init = isSet("init");
  if (parser.values(QStringLiteral("dir")).size() + parser.values(QStringLiteral("init")).size() >
      1) {
    return mistake(OptionsText::tr("only one game directory may be given"));
  }
  if (auto dir = value("dir")) o.dir = *dir;
  if (auto dir = value("init")) o.dir = *dir;
  if (const auto seed = value("seed")) {
    uint64_t number = 0;
    const auto [end, ec] = std::from_chars(seed->data(), seed->data() + seed->size(), number);
    if (ec != std::errc() || end != seed->data() + seed->size()) {
      return mistake(
          OptionsText::tr("--seed needs a whole number from 0 to 18446744073709551615, not \"%1\"")
              .arg(QString::fromLocal8Bit(*seed)));
    }
    o.seed = number;
  }
  if (auto file = value("random-file")) o.randomFile = *file;
  if (auto file = value("script")) o.script = *file;
  if (auto file = value("screenshot")) o.screenshot = *file;
  if (const auto opponents = value("opponents")) {
    o.opponentsGiven = true;
    if (*opponents == "classic") {
      o.opponents = Options::Opponents::Classic;
    } else if (*opponents == "strong") {
      o.opponents = Options::Opponents::Strong;
    } else {
      return mistake(OptionsText::tr("--opponents needs classic or strong, not \"%1\"")
                         .arg(QString::fromLocal8Bit(*opponents)));
    }
  }
  o.resume = isSet("resume");
  o.json = isSet("json");

  if (o.seed && o.randomFile) {
    return mistake(OptionsText::tr("--seed and --random-file cannot be used together"));
  }
  if (isSet("help")) {
    o.mode = Options::Mode::Help;
    return o;
  }
  if (isSet("version")) {
    o.mode = Options::Mode::Version;
    return o;
  }
  const bool headless = isSet("headless"), statistics = isSet("statistics");
  const int modes = int(headless) + int(init) + int(statistics) + int(o.script || o.screenshot);
  if (modes > 1) {
    return mistake(OptionsText::tr(
        "--headless, --init, --statistics and --script/--screenshot exclude one another"));
  }
  if (o.script && !o.screenshot) {
    return mistake(OptionsText::tr("--script needs --screenshot OUT.png"));
  }
  if (o.json && !statistics) return mistake(OptionsText::tr("--json goes with --statistics"));
  // Making a game directory and counting games play nothing.
  if ((init || statistics) && (o.seed || o.randomFile || isSet("opponents") || o.resume)) {
    return mistake(OptionsText::tr("%1 takes no --seed, --random-file, --opponents or --resume")
                       .arg(init ? QStringLiteral("--init") : QStringLiteral("--statistics")));
  }
  if (o.randomFile) {
    try {
      o.randomNumbers = ScriptedRandom::readFile(*o.randomFile);
    } catch (const std::invalid_argument& e) {
      return mistake(QStringLiteral("--random-file %1").arg(QString::fromLocal8Bit(e.what())));
    }
  }
  if (headless) o.mode = Options::Mode::Headless;
  if (init) o.mode = Options::Mode::Init;
  if (statistics) o.mode = Options::Mode::Statistics;
  if (o.screenshot) o.mode = Options::Mode::Script;
  return o;
}

}  // namespace korvo
