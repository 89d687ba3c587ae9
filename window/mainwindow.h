// The window a player opens: the table under a menu bar with the game's commands, the rules
// and the About box. Script mode draws the table alone, without this frame.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/statistics.h"
#include "window/form1.h"

class QAction;
class QActionGroup;
class QMenu;
class QSettings;

namespace korvo {

class StatisticsWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // How fast the computer players' moves are shown, in the View menu.
  enum class Pace { Off, Brisk, Relaxed };
  static std::chrono::milliseconds turnTime(Pace pace);
  // How long a card takes from place to place at a pace.
  static std::chrono::milliseconds moveTime(Pace pace);

  // `version` is shown in the About box; `settings` keeps the player's choices between runs.
  MainWindow(Game& game, const QString& version, QSettings& settings, QWidget* parent = nullptr);

  Form1& table() { return *form_; }

  QAction* dealAction() const { return deal_; }
  QAction* knockAction() const { return knock_; }
  QAction* quitAction() const { return quit_; }
  QAction* rulesAction() const { return rules_; }
  QAction* aboutAction() const { return about_; }
  // The sizes View > Bigger and Smaller step through; a resized window takes any size between
  // the first and the last.
  static constexpr std::array<double, 8> kZoomSteps = {0.75, 1, 1.25, 1.5, 1.75, 2, 2.5, 3};

  QMenu* viewMenu() const { return viewMenu_; }
  QAction* biggerAction() const { return bigger_; }
  QAction* smallerAction() const { return smaller_; }
  QAction* actualSizeAction() const { return actualSize_; }
  // View > Pace: Off, Brisk, Relaxed.
  QAction* paceAction(Pace pace) const { return paceActions_[static_cast<int>(pace)]; }
  // View > Four-colour suits.
  QAction* fourColourAction() const { return fourColour_; }

  // Game > Statistics, and its window once it has been opened.
  QAction* statisticsAction() const { return statistics_; }
  StatisticsWindow* statisticsWindow() const;
  StatisticsKeeper& statistics() { return keeper_; }

  // Says once, on the table and to a screen reader, that the game goes on where it was left;
  // or that a saved game could not be used, was kept as `backup` and a new game starts.
  void tellResumed();
  void tellRefused(const QString& backup, bool setAside = true);

  // View > Opponents: the rules' own players (Classic) or the Strong ones.
  enum class Opponents { Classic, Strong };
  QAction* opponentsAction(Opponents kind) const {
    return opponentsActions_[static_cast<std::size_t>(kind)];
  }
  Opponents opponents() const { return opponents_; }
  // Told the opponents' name ("classic" or "strong") at once and at every change, so that the
  // saved game names the players it is played against.
  void setOpponentsSink(std::function<void(const std::string&)> sink);
  // Hands seats 2 to 4 to players of `kind` from their next decision on; `remember` keeps the
  // choice in the settings (a choice of the command line holds for one run only).
  void setOpponents(Opponents kind, bool remember = true);
  // The seed of the Strong players' and the hint's own numbers (from the game's random source
  // as the command line set it).
  void setStrongSeed(uint64_t seed);
  // Game > Hint: what the Strong player would do in player 1's seat now.
  QAction* hintAction() const { return hint_; }
  void showHint();

  // The rules window, once it has been opened.
  QDialog* rulesWindow() const { return rulesWindow_; }

  // View > Language: the desktop's language first, then one per language of kLanguages.
  QMenu* languageMenu() const { return languageMenu_; }
  QAction* desktopLanguageAction() const { return languageActions_.front(); }
  QAction* languageAction(const QString& code) const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void buildMenus();
  // Gives every menu and command its text in the language installed.
  void retranslate();
  // Speaks `code` ("" for the desktop's language) from now on and in the runs to come.
  void setLanguage(const QString& code);
  void showRules();
  void showAbout();
  void showStatistics();
  void setPace(Pace pace);
  void zoomTo(double zoom);
  void zoomStep(int direction);
  void setFourColour(bool on);

  Form1* form_;
  QString version_;
  QMenu* gameMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QMenu* paceMenu_ = nullptr;
  QMenu* languageMenu_ = nullptr;
  std::filesystem::path gameDir_;
  QAction* deal_ = nullptr;
  QAction* knock_ = nullptr;
  QAction* quit_ = nullptr;
  QAction* rules_ = nullptr;
  QAction* about_ = nullptr;
  QAction* statistics_ = nullptr;
  QAction* hint_ = nullptr;
  QMenu* opponentsMenu_ = nullptr;
  std::array<QAction*, 2> opponentsActions_{};
  Opponents opponents_ = Opponents::Classic;
  std::function<void(const std::string&)> opponentsSink_;
  uint64_t strongSeed_ = 0;
  Game& game_;
  QMenu* viewMenu_ = nullptr;
  QAction* bigger_ = nullptr;
  QAction* smaller_ = nullptr;
  QAction* actualSize_ = nullptr;
  QAction* fourColour_ = nullptr;
  class TableView* view_ = nullptr;
  QSettings& settings_;
  std::array<QAction*, 3> paceActions_{};
  std::vector<QAction*> languageActions_;
  QPointer<QDialog> rulesWindow_;
  // The statistics of this run: counted after every click, written when one settles a round.
  StatisticsKeeper keeper_;
  QPointer<StatisticsWindow> statisticsWindow_;
};

}  // namespace korvo
