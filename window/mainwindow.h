// The window a player opens: the table under a menu bar with the game's commands, the rules
// and the About box. Script mode draws the table alone, without this frame.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "game/game.h"
#include "window/form1.h"

class QAction;
class QMenu;

namespace korvo {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `version` is shown in the About box.
  MainWindow(Game& game, const QString& version, QWidget* parent = nullptr);

  Form1& table() { return *form_; }

  QAction* dealAction() const { return deal_; }
  QAction* knockAction() const { return knock_; }
  QAction* quitAction() const { return quit_; }
  QAction* rulesAction() const { return rules_; }
  QAction* aboutAction() const { return about_; }
  // Where the size and pace settings go.
  QMenu* viewMenu() const { return view_; }

  // The rules window, once it has been opened.
  QDialog* rulesWindow() const { return rulesWindow_; }

 private:
  void buildMenus();
  void showRules();
  void showAbout();

  Form1* form_;
  QString version_;
  QAction* deal_ = nullptr;
  QAction* knock_ = nullptr;
  QAction* quit_ = nullptr;
  QAction* rules_ = nullptr;
  QAction* about_ = nullptr;
  QMenu* view_ = nullptr;
  QPointer<QDialog> rulesWindow_;
};

}  // namespace korvo
