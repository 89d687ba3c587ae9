#include "app/windowmode.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QSettings>
#include <QStyleFactory>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "app/firstpaint.h"
#include "app/headless.h"
#include "app/opponents.h"
#include "game/game.h"
#include "game/savedgame.h"
#include "game/statistics.h"
#include "window/form1.h"
#include "window/language.h"
#include "window/mainwindow.h"

namespace korvo {

namespace {

bool haveDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void printLine(const QString& line) {
  std::cerr << "korvo: " << line.toStdString() << std::endl;
}

// Plays the clicks of the script through the real widgets and saves the window as a PNG.
int runScript(QApplication& app, Form1& form, const Options& options) {
  form.setErrorSink(printLine);  // no modal box without a screen
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  app.processEvents();

  if (options.script) {
    std::ifstream in(*options.script);
    if (!in) {
      std::cerr << "korvo: cannot read the script " << options.script->string() << std::endl;
      return 2;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      const std::string name = clickNameOf(line);
      if (name.empty() || name == "Form1") continue;
      const std::optional<Control> control = controlFromName(name);
      if (!control) {
        std::cerr << "korvo: " << options.script->string() << " line " << number
                  << ": there is no control \"" << name << "\"; the line is skipped" << std::endl;
        continue;
      }
      form.clickControl(*control);
      if (form.randomExhausted()) {
        printLine(*form.randomExhausted());
        return 3;
      }
    }
  }
  app.processEvents();

  if (!options.screenshot) return 0;
  const QString out = QString::fromStdString(options.screenshot->string());
  if (!form.grab().save(out, "PNG")) {
    std::cerr << "korvo: cannot write the screenshot " << options.screenshot->string() << std::endl;
    return 1;
  }
  return 0;
}

}  // namespace

int reportInUse(int& argc, char** argv, const std::filesystem::path& dir, const DirInUse& held) {
  std::cerr << held.what() << std::endl;
  if (haveDisplay()) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvo"));
    QSettings settings(QStringLiteral("korvo"), QStringLiteral("korvo"));
    installChosenLanguage(settings);
    const QString where = QString::fromStdString(dir.string());
    QMessageBox::warning(
        nullptr, QStringLiteral("Korvo"),
        held.holder()
            ? QCoreApplication::translate("korvo",
                                          "%1 is in use by another Korvo "
                                          "(process %2).")
                  .arg(where)
                  .arg(*held.holder())
            : QCoreApplication::translate("korvo", "%1 is in use by another Korvo.").arg(where));
  }
  return 4;
}

void quietQtMessages() {
  if (!qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) return;
  static QtMessageHandler standard = nullptr;
  standard = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) standard(type, context, text);
      });
}

int runWindow(int& argc, char** argv, const Options& options,
              const std::filesystem::path& gameDir) {
  const bool scripted = options.mode == Options::Mode::Script || options.screenshot.has_value();
  if (scripted) {
    // Drawn off screen even where there is a display, so that a script gives the same
    // picture everywhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  } else if (!haveDisplay()) {
    std::cerr << "korvo: there is no display to open the window on; `make screenshot` draws "
                 "the table into PNG files instead."
              << std::endl;
    return 1;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("korvo"));
  // Ties the window to the installed menu entry, whose icon the desktop then shows for it.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.korvo"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  const std::unique_ptr<Random> random = options.makeRandom();
  const uint64_t seed = strongSeedOf(options);
  Game game(gameDir, *random, seatsFor(options.opponents, seed));
  // The window keeps its game in savedgame.json; script mode only with --resume. A saved game
  // that cannot be written is one line on standard error per run.
  // The window writes it beside the table, so that no click waits for the disk.
  GameKeeper keeper(
      game, *random, options.opponentsName(),
      [](const std::string& warning) { std::cerr << "korvo: " << warning << std::endl; },
      scripted ? GameKeeper::Writes::Inline : GameKeeper::Writes::Background);
  const bool keep = !scripted || options.resume;
  GameKeeper::Resumed resumed;
  if (keep) {
    resumed = keeper.resume();
    if (resumed.refused) {
      std::cerr << "korvo: " << *resumed.refused << " A fresh game starts." << std::endl;
    }
  }
  // A resumed game goes on against the players it was played against, unless the command line
  // names others.
  if (options.opponentsGiven) {
    keeper.setOpponents(options.opponentsName());
  } else if (resumed.resumed) {
    seatSaved(game, keeper.opponents(), seed);
  }
  if (scripted) {
    // A script is drawn in the desktop's language, whatever a player chose in the window.
    installLanguage(QString());
    Form1 form(game);
    StatisticsKeeper statistics(gameDir);
    if (const auto told = statistics.open()) std::cerr << "korvo: " << told->text() << std::endl;
    form.setClickSink([&] {
      if (const auto warning = statistics.record(game.settled())) {
        std::cerr << "korvo: " << *warning << std::endl;
      }
    });
    if (keep) form.setPlayedSink([&keeper] { keeper.save(); });
    return runScript(app, form, options);
  }

  // The player's choices live under the user's configuration directory, never in the game
  // directory: ~/.config/korvo/korvo.conf.
  QSettings settings(QStringLiteral("korvo"), QStringLiteral("korvo"));
  installChosenLanguage(settings);
  MainWindow window(game, QStringLiteral(KORVO_VERSION), settings);
  window.setStrongSeed(seed);
  // The command line's choice, or a resumed game's, holds for this run; the remembered one is
  // left as it is.
  const bool strong = options.opponentsGiven ? options.opponents == Options::Opponents::Strong
                                             : keeper.opponents() == "strong";
  if (options.opponentsGiven || resumed.resumed) {
    window.setOpponents(strong ? MainWindow::Opponents::Strong : MainWindow::Opponents::Classic,
                        false);
  }
  window.setOpponentsSink([&keeper](const std::string& name) { keeper.setOpponents(name); });
  // A scripted random source that runs dry ends the program, as in headless mode.
  window.table().setExhaustedSink([](const QString& message) {
    printLine(message);
    QCoreApplication::exit(3);
  });
  window.table().setPlayedSink([&keeper] { keeper.save(); });
  if (resumed.resumed) window.tellResumed();
  if (resumed.refused) {
    window.tellRefused(QString::fromUtf8(kSavedGameBackup), resumed.setAside);
  }
  FirstPaintReport::installIfAsked(&window);
  window.show();
  return app.exec();
}

}  // namespace korvo
