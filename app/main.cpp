// korvo: the window, headless mode, script mode and --init.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <system_error>
#include <variant>

#include "app/headless.h"
#include "app/opponents.h"
#include "app/options.h"
#include "game/dirhold.h"
#include "game/gamedir.h"
#include "game/recordfile.h"
#include "game/statistics.h"

#ifdef KORVO_WINDOW
#include "app/windowmode.h"
#include "window/initdir.h"
#include "window/language.h"
#endif

namespace {

// Makes a game directory with its deck, win counts and (with the window built) pictures.
void initDirectory(const std::filesystem::path& dir) {
#ifdef KORVO_WINDOW
  korvo::initGameDir(dir);
#else
  korvo::initGameFiles(dir);
#endif
}

int run(int argc, char** argv) {
  using korvo::Options;
  std::vector<std::string> args(argv + 1, argv + argc);
  auto parsed = korvo::parseOptions(args);
#ifdef KORVO_WINDOW
  // The help and the mistakes of the command line speak the player's language. Its translation
  // is loaded for them alone, and the arguments read again with it: a run that plays loads it
  // once, in the window's own application.
  std::optional<korvo::CommandLineLanguage> language;
  const auto* given = std::get_if<Options>(&parsed);
  if (given == nullptr || given->mode == Options::Mode::Help) {
    language.emplace();
    parsed = korvo::parseOptions(args);
  }
#endif
  if (const auto* error = std::get_if<korvo::OptionsError>(&parsed)) {
    std::cerr << error->message << "\n";
    return 2;
  }
  const Options& options = std::get<Options>(parsed);
#ifdef KORVO_WINDOW
  korvo::quietQtMessages();
#endif

  switch (options.mode) {
    case Options::Mode::Help:
      std::cout << korvo::usageText();
      return 0;
    case Options::Mode::Version:
      std::cout << "korvo " << KORVO_VERSION << "\n";
      return 0;
    default:
      break;
  }
#ifdef KORVO_WINDOW
  language.reset();
#endif

  if (options.mode == Options::Mode::Statistics) {
    // Only reads: a directory without statistics shows zeros from today, and a file that
    // cannot be used is left for the next game to set aside.
    const std::filesystem::path dir = options.dir ? *options.dir : korvo::defaultGameDir();
    const korvo::StatisticsRead read = korvo::readStatistics(dir);
    if (read.fault) {
      std::cerr << "korvo: " << (dir / korvo::kStatisticsFile).string() << ": " << *read.fault
                << "; the next game here keeps it as " << korvo::kStatisticsBackup
                << " and counts afresh" << std::endl;
    }
    if (options.json) {
      std::cout << korvo::statisticsJson(read.statistics, false).dump(2) << "\n";
    } else {
      std::cout << korvo::statisticsTable(read.statistics);
    }
    return 0;
  }

  // Every other mode plays in a game directory, made on first use, and holds it while it runs.
  const bool init = options.mode == Options::Mode::Init;
  const std::filesystem::path dir = init || options.dir ? *options.dir : korvo::defaultGameDir();
  const bool fresh = init || (!options.dir && !std::filesystem::exists(dir / korvo::kCardFile));
  std::error_code ec;
  // Made before it is held, so that a first run holds the directory it fills; making it
  // changes no file of a directory that another Korvo holds.
  if (fresh) std::filesystem::create_directories(dir, ec);
  std::optional<korvo::DirHold> hold;
  try {
    hold.emplace(dir);
  } catch (const korvo::DirInUse& e) {
#ifdef KORVO_WINDOW
    if (options.mode == Options::Mode::Window && !options.screenshot) {
      return korvo::reportInUse(argc, argv, dir, e);
    }
#endif
    std::cerr << e.what() << std::endl;
    return 4;
  }
  if (fresh) {
    try {
      initDirectory(dir);
    } catch (const korvo::FileError& e) {
      std::cerr << "korvo: " << e.what() << "\n";
      return 1;
    }
  }
  if (init) return 0;

  if (options.mode == Options::Mode::Headless) {
    std::ios::sync_with_stdio(false);
    auto random = options.makeRandom();
    const uint64_t seed = korvo::strongSeedOf(options);
    korvo::Game game(dir, *random, korvo::seatsFor(options.opponents, seed));
    korvo::StatisticsKeeper statistics(dir);
    if (const auto told = statistics.open()) std::cerr << "korvo: " << told->text() << std::endl;
    if (!options.resume) {
      return korvo::runHeadless(game, std::cin, std::cout, std::cerr, seed, &statistics);
    }
    korvo::GameKeeper keeper(
        game, *random, options.opponentsName(),
        [](const std::string& warning) { std::cerr << "korvo: " << warning << std::endl; });
    const auto resumed = keeper.resume();
    if (resumed.refused) {
      std::cerr << "korvo: " << *resumed.refused << " A fresh game starts." << std::endl;
    }
    // A resumed game goes on against the players it was played against, unless the command
    // line names others.
    if (options.opponentsGiven) {
      keeper.setOpponents(options.opponentsName());
    } else if (resumed.resumed) {
      korvo::seatSaved(game, keeper.opponents(), seed);
    }
    return korvo::runHeadless(game, std::cin, std::cout, std::cerr, seed, &statistics, &keeper);
  }

#ifdef KORVO_WINDOW
  return korvo::runWindow(argc, argv, options, dir);
#else
  std::cerr << "korvo: this build has no window; use --headless\n";
  return 2;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::exception& e) {
    // A fault of the program itself, never of the game's files (those are caught at the click):
    // said loudly, never played on.
    std::cerr << "korvo: internal error: " << e.what() << std::endl;
    std::abort();
  }
}
