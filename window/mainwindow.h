// The window a player opens: the table under a menu bar with the game's commands, the rules
// and the About box. Script mode draws the table alone, without this frame.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <chrono>

#include "game/game.h"
#include "window/form1.h"

class QAction;
class QActionGroup;
class QMenu;
class QSettings;

namespace korvo {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // How fast the computer players' moves are shown, in the View menu.
  enum class Pace { Off, Brisk, Relaxed };
  static std::chrono::milliseconds turnTime(Pace pace);

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

  // View > Opponents: the rules' own players (Classic) or the Strong ones.
  enum class Opponents { Classic, Strong };
  QAction* opponentsAction(Opponents kind) const {
    return opponentsActions_[static_cast<std::size_t>(kind)];
  }
  Opponents opponents() const { return opponents_; }
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

 private:
  void buildMenus();
  void showRules();
  void showAbout();
  void setPace(Pace pace);
  void zoomTo(double zoom);
  void zoomStep(int direction);

  Form1* form_;
  QString version_;
  QAction* deal_ = nullptr;
  QAction* knock_ = nullptr;
  QAction* quit_ = nullptr;
  QAction* rules_ = nullptr;
  QAction* about_ = nullptr;
  QAction* hint_ = nullptr;
  std::array<QAction*, 2> opponentsActions_{};
  Opponents opponents_ = Opponents::Classic;
  uint64_t strongSeed_ = 0;
  Game& game_;
  QMenu* viewMenu_ = nullptr;
  QAction* bigger_ = nullptr;
  QAction* smaller_ = nullptr;
  QAction* actualSize_ = nullptr;
  class TableView* view_ = nullptr;
  QSettings& settings_;
  std::array<QAction*, 3> paceActions_{};
  QPointer<QDialog> rulesWindow_;
};

}  // namespace korvo
