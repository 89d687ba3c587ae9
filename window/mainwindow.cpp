#include "window/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>

#include "window/rules.h"

namespace korvo {

namespace {

const char* const kPaceKey = "pace";
constexpr std::array<const char*, 3> kPaceNames = {"off", "brisk", "relaxed"};

}  // namespace

std::chrono::milliseconds MainWindow::turnTime(Pace pace) {
  switch (pace) {
    case Pace::Off:
      return std::chrono::milliseconds(0);
    case Pace::Brisk:
      return std::chrono::milliseconds(300);
    case Pace::Relaxed:
      return std::chrono::milliseconds(800);
  }
  return std::chrono::milliseconds(0);
}

MainWindow::MainWindow(Game& game, const QString& version, QSettings& settings, QWidget* parent)
    : QMainWindow(parent), form_(new Form1(game, this)), version_(version), settings_(settings) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(form_->windowTitle());
  setCentralWidget(form_);
  buildMenus();
  // The table has one size; the window fits it and the menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildMenus() {
  QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
  // The menu's Deal and Knock are the buttons' clicks: refused where the button's click is.
  deal_ = game->addAction(QStringLiteral("&Deal"), this,
                          [this] { form_->clickControl(Control::Command1); });
  deal_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  knock_ = game->addAction(QStringLiteral("&Knock"), this,
                           [this] { form_->clickControl(Control::Command2); });
  knock_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
  game->addSeparator();
  quit_ = game->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
  // The desktop's own Quit key; Ctrl+Q where the desktop names none (Windows-like schemes).
  QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
  if (quitKeys.isEmpty()) quitKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
  quit_->setShortcuts(quitKeys);
  quit_->setMenuRole(QAction::QuitRole);

  view_ = menuBar()->addMenu(QStringLiteral("&View"));
  QMenu* pace = view_->addMenu(QStringLiteral("&Pace of the Computer Players"));
  auto* paces = new QActionGroup(this);
  const std::array<QString, 3> paceLabels = {QStringLiteral("&Off: Show Only Where They End"),
                                             QStringLiteral("&Brisk"), QStringLiteral("&Relaxed")};
  for (int i = 0; i < 3; ++i) {
    QAction* action = pace->addAction(paceLabels[static_cast<std::size_t>(i)], this,
                                      [this, i] { setPace(static_cast<Pace>(i)); });
    action->setCheckable(true);
    paces->addAction(action);
    paceActions_[static_cast<std::size_t>(i)] = action;
  }
  // Brisk unless the player chose otherwise; an unknown stored name counts as unset.
  const QString stored = settings_.value(QString::fromUtf8(kPaceKey)).toString();
  Pace chosen = Pace::Brisk;
  for (int i = 0; i < 3; ++i) {
    if (stored == QString::fromUtf8(kPaceNames[static_cast<std::size_t>(i)])) {
      chosen = static_cast<Pace>(i);
    }
  }
  paceAction(chosen)->setChecked(true);
  form_->setPace(turnTime(chosen));

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  rules_ = help->addAction(QStringLiteral("&Rules"), this, &MainWindow::showRules);
  rules_->setShortcut(QKeySequence::HelpContents);
  help->addSeparator();
  about_ = help->addAction(QStringLiteral("&About Korvo"), this, &MainWindow::showAbout);
  about_->setMenuRole(QAction::AboutRole);

  // Shortcuts work wherever the focus is on the table, also in its read-only text boxes.
  for (QAction* action : {deal_, knock_, quit_, rules_}) {
    action->setShortcutContext(Qt::WindowShortcut);
  }
}

void MainWindow::setPace(Pace pace) {
  form_->setPace(turnTime(pace));
  settings_.setValue(QString::fromUtf8(kPaceKey),
                     QString::fromUtf8(kPaceNames[static_cast<std::size_t>(pace)]));
}

void MainWindow::showRules() {
  if (!rulesWindow_) {
    rulesWindow_ = new RulesWindow(this);
    rulesWindow_->setAttribute(Qt::WA_DeleteOnClose);
  }
  rulesWindow_->show();
  rulesWindow_->raise();
  rulesWindow_->activateWindow();
}

void MainWindow::showAbout() {
  QMessageBox::about(
      this, QStringLiteral("About Korvo"),
      QStringLiteral("<h3>Korvo %1</h3>"
                     "<p>The card game of 31, for one player against three.</p>"
                     "<p>Copyright The Korvo developers.<br>"
                     "Korvo is free software under the GNU General Public License, version 3 "
                     "or any later version.</p>"
                     "<p><a href=\"https://korvo.example.org\">korvo.example.org</a></p>")
          .arg(version_.toHtmlEscaped()));
}

}  // namespace korvo
