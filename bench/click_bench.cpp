// What a click costs in the real window, off screen: the click goes through its widget, the
// game plays, the controls are brought in line and the whole window is repainted. Each kind of
// click is timed many times and printed as a fraction of one 60 Hz frame (bench/rows.h):
//   - a Deal with player 1 in the game (the deal, then the three computer turns before Pell's),
//   - a discard of Pell's that hands play to the three computer players,
//   - a Deal while Pell is out, which plays the rest of the game inside the click;
// the cost of keeping the game in savedgame.json: the same clicks of one game played on two
// tables, one that keeps its game as the window does and one that does not, both repainted;
// and a resize of the whole window, table scaled to fit and repainted, as a drag makes them.
//
//   click_bench WORKDIR [SAMPLES]
//
// The game directory is made in WORKDIR, so the deck file is rewritten on the disk it names.
#include <QApplication>
#include <QEvent>
#include <QSettings>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <vector>

#include "bench/rows.h"
#include "game/game.h"
#include "game/random.h"
#include "game/savedgame.h"
#include "players/classic.h"
#include "window/form1.h"
#include "window/initdir.h"
#include "window/mainwindow.h"

namespace {

using korvo::Control;
using korvo::bench::kFrameMs;

// Counts the frames the window paints, so that a click whose repaint drew nothing cannot pass
// for a fast one.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  long paints = 0;
};

// Wall-clock and CPU milliseconds of each click of one kind.
struct Clicks {
  std::vector<double> ms, cpuMs;
  std::size_t size() const { return ms.size(); }
};

void printClickRow(const char* measure, const Clicks& clicks, const char* what = " clicks") {
  const korvo::bench::Spread s = korvo::bench::spreadOf(clicks.ms);
  const korvo::bench::Spread cpu = korvo::bench::spreadOf(clicks.cpuMs);
  korvo::bench::Row row;
  row.measure = measure;
  row.ratio = s.median / kFrameMs;
  row.range = korvo::bench::format("best %.3f, worst %.3f", s.min / kFrameMs, s.max / kFrameMs);
  row.goal = 1.0;
  row.judged = s.max / kFrameMs;
  row.judgedOnWorst = true;
  // The rest of the wall-clock time is spent waiting, chiefly on the disk.
  row.detail = korvo::bench::format("median %.3f ms (CPU %.3f ms), worst %.3f ms, ", s.median,
                                    cpu.median, s.max) +
               std::to_string(s.count) + what;
  korvo::bench::printRow(row);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: click_bench WORKDIR [SAMPLES]\n");
    return 2;
  }
  const std::filesystem::path dir = std::filesystem::path(argv[1]) / "click-game";
  const std::size_t samples = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 300;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  std::filesystem::remove_all(dir);
  korvo::initGameDir(dir);
  korvo::SeededRandom random(1);
  korvo::Game game(dir, random, korvo::classicSeats());
  korvo::Form1 form(game);
  long faults = 0;
  form.setErrorSink([&faults](const QString& message) {
    ++faults;
    std::fprintf(stderr, "click_bench: %s\n", message.toStdString().c_str());
  });
  PaintCounter counter;
  form.installEventFilter(&counter);
  form.show();
  app.processEvents();

  long unpainted = 0;
  const auto timedClick = [&](Control c, Clicks& into) {
    const long paints = counter.paints;
    const double cpuStart = korvo::bench::threadCpuMs();
    const auto start = std::chrono::steady_clock::now();
    form.clickControl(c);
    form.repaint();
    into.ms.push_back(korvo::bench::msSince(start));
    into.cpuMs.push_back(korvo::bench::threadCpuMs() - cpuStart);
    if (counter.paints == paints) ++unpainted;
  };

  // Pell plays on his own: he takes from the pile and throws a card chosen at random, never
  // knocks, and so loses now and then, which brings every kind of Deal with it.
  Clicks deals, discards, outDeals;
  std::mt19937 choose(7);
  const auto& st = game.state();
  for (long clicks = 0; deals.size() < samples || discards.size() < samples; ++clicks) {
    if (clicks > 200 * static_cast<long>(samples)) {
      std::fprintf(stderr, "click_bench: the game stopped moving\n");
      return 1;
    }
    if (st.dealt == 0) {
      const bool out = st.honor[1] < 1;
      timedClick(Control::Command1, out ? outDeals : deals);
      continue;
    }
    if (st.turnphase != korvo::kTakePhase) {
      std::fprintf(stderr, "click_bench: Pell cannot play (turn phase %d)\n", st.turnphase);
      return 1;
    }
    form.clickControl(Control::Picture14);
    const uint64_t turns = game.stats().turns;
    const Control thrown = korvo::cardPlace(1, static_cast<int>(choose() % 4) + 1);
    Clicks one;
    timedClick(thrown, one);
    // Pell's turn and three computer turns, and the round still on.
    if (game.stats().turns - turns == 4 && st.dealt == 1) {
      discards.ms.push_back(one.ms[0]);
      discards.cpuMs.push_back(one.cpuMs[0]);
    }
  }
  // A Deal while Pell is out, set up directly, for as many samples as the others.
  while (outDeals.size() < samples) {
    game.mutableState().honor = {0, 0, 4, 4, 4};
    game.mutableState().dealt = 0;
    timedClick(Control::Command1, outDeals);
  }

  if (unpainted != 0 || faults != 0) {
    std::fprintf(stderr, "click_bench: %ld clicks painted nothing, %ld faults\n", unpainted,
                 faults);
    return 1;
  }
  printClickRow("click: Deal, repaint included / 16.7 ms frame", deals);
  printClickRow("click: discard and 3 computer turns / frame", discards);
  printClickRow("click: Deal while Pell is out (whole game) / frame", outDeals);

  // Saving: two tables over two directories play the same game click for click, in turns; one
  // keeps its game after every click, as the window does (the flush on the keeper's thread).
  {
    const std::filesystem::path keptDir = dir.parent_path() / "kept-game";
    const std::filesystem::path plainDir = dir.parent_path() / "plain-game";
    for (const auto& d : {keptDir, plainDir}) {
      std::filesystem::remove_all(d);
      korvo::initGameDir(d);
    }
    korvo::SeededRandom keptRandom(2), plainRandom(2);
    korvo::Game kept(keptDir, keptRandom, korvo::classicSeats());
    korvo::Game plain(plainDir, plainRandom, korvo::classicSeats());
    korvo::Form1 keptForm(kept), plainForm(plain);
    korvo::GameKeeper keeper(
        kept, keptRandom, "classic",
        [](const std::string& w) { std::fprintf(stderr, "%s\n", w.c_str()); },
        korvo::GameKeeper::Writes::Background);
    keptForm.setPlayedSink([&keeper] { keeper.save(); });
    for (korvo::Form1* f : {&keptForm, &plainForm}) {
      f->setErrorSink([&faults](const QString&) { ++faults; });
      f->show();
    }
    app.processEvents();
    const auto timed = [](korvo::Form1& f, Control c, Clicks& into) {
      const auto start = std::chrono::steady_clock::now();
      f.clickControl(c);
      f.repaint();
      into.ms.push_back(korvo::bench::msSince(start));
    };
    Clicks withSaving, without;
    std::mt19937 pick(11);
    while (withSaving.size() < 3 * samples) {
      Control c = Control::Picture14;
      if (kept.state().dealt == 0) {
        c = Control::Command1;
      } else if (kept.state().turnphase == korvo::kDiscardPhase) {
        c = korvo::cardPlace(1, static_cast<int>(pick() % 4) + 1);
      }
      // Which table goes first alternates, so that neither always finds the caches warm.
      if (withSaving.size() % 2 == 0) {
        timed(keptForm, c, withSaving);
        timed(plainForm, c, without);
      } else {
        timed(plainForm, c, without);
        timed(keptForm, c, withSaving);
      }
      if (kept.state() != plain.state()) {
        std::fprintf(stderr, "click_bench: the kept game and the plain one parted\n");
        return 1;
      }
    }
    const korvo::bench::Spread a = korvo::bench::spreadOf(withSaving.ms);
    const korvo::bench::Spread b = korvo::bench::spreadOf(without.ms);
    korvo::bench::Row row;
    row.measure = "saving: a click kept in savedgame.json, ms added / 1 ms";
    row.ratio = a.median - b.median;
    row.range =
        korvo::bench::format("with %.3f ms, without %.3f ms at the median", a.median, b.median);
    row.goal = 1.0;
    row.judged = row.ratio;
    const std::size_t clicks = withSaving.size();
    const uint64_t writes = keeper.writes();
    row.detail = korvo::bench::format("worst with %.3f ms, without %.3f ms; ", a.max, b.max) +
                 std::to_string(clicks) + " clicks, " + std::to_string(writes) +
                 " written (one flush each) by the keeper's thread";
    korvo::bench::printRow(row);
    if (faults != 0 || writes > clicks) return 1;
  }

  // A drag of the window's corner: sizes from actual size to twice it and back, each one
  // handled and repainted before the next, the table on it as a round left it.
  QSettings settings((dir / "settings.conf").c_str(), QSettings::IniFormat);
  korvo::MainWindow window(game, QStringLiteral("bench"), settings);
  window.show();
  app.processEvents();
  const QSize start = window.size();
  Clicks resizes;
  long unscaled = 0;
  for (std::size_t i = 0; resizes.size() < samples; ++i) {
    const int step = static_cast<int>(i % 100);
    const int grow = step < 50 ? step : 100 - step;  // 0..50..0
    const QSize size(start.width() + grow * 722 / 50, start.height() + grow * 550 / 50);
    const double zoom = window.table().zoom();
    const double cpuStart = korvo::bench::threadCpuMs();
    const auto begin = std::chrono::steady_clock::now();
    window.resize(size);
    QCoreApplication::sendPostedEvents();
    window.repaint();
    resizes.ms.push_back(korvo::bench::msSince(begin));
    resizes.cpuMs.push_back(korvo::bench::threadCpuMs() - cpuStart);
    if (window.table().zoom() == zoom && grow != 0 && grow != 50) ++unscaled;
  }
  if (unscaled != 0) {
    std::fprintf(stderr, "click_bench: %ld resizes did not scale the table\n", unscaled);
    return 1;
  }
  printClickRow("resize: window and table, repainted / frame", resizes, " resizes");
  return 0;
}
