#include "window/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>

#include "game/recordfile.h"
#include "game/spoken.h"
#include "players/classic.h"
#include "players/strong.h"
#include "window/art.h"
#include "window/faultwords.h"
#include "window/initdir.h"
#include "window/language.h"
#include "window/rules.h"
#include "window/statistics.h"

namespace korvo {

namespace {

const char* const kPaceKey = "pace";
const char* const kOpponentsKey = "opponents";
constexpr std::array<const char*, 2> kOpponentsNames = {"classic", "strong"};
constexpr std::array<const char*, 3> kPaceNames = {"off", "brisk", "relaxed"};
const char* const kSizeKey = "size";
const char* const kFourColourKey = "fourColourSuits";

}  // namespace

// The felt around the table: it gives the table the largest size that fits, between the
// smallest and the largest zoom, and centres it.
class TableView : public QWidget {
 public:
  TableView(Form1* form, QWidget* parent) : QWidget(parent), form_(form) {
    form_->setParent(this);
    QPalette felt = palette();
    felt.setColor(QPalette::Window, kFeltGreen);
    setPalette(felt);
    setAutoFillBackground(true);
    setMinimumSize(designed(MainWindow::kZoomSteps.front()));
  }

  static QSize designed(double zoom) {
    return QSize(qRound(Form1::kDesignedSize.width() * zoom),
                 qRound(Form1::kDesignedSize.height() * zoom));
  }

  std::function<void(double)> zoomed;

 protected:
  void resizeEvent(QResizeEvent*) override {
    const double fit = std::min(double(width()) / Form1::kDesignedSize.width(),
                                double(height()) / Form1::kDesignedSize.height());
    double zoom = std::clamp(fit, MainWindow::kZoomSteps.front(), MainWindow::kZoomSteps.back());
    // A window sized for a step, give or take a pixel of rounding, shows exactly that step.
    for (double step : MainWindow::kZoomSteps) {
      if (std::abs(zoom - step) < 0.005) zoom = step;
    }
    form_->setZoom(zoom);
    form_->move((width() - form_->width()) / 2, (height() - form_->height()) / 2);
    if (zoomed) zoomed(zoom);
  }

 private:
  Form1* form_;
};

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

std::chrono::milliseconds MainWindow::moveTime(Pace pace) {
  switch (pace) {
    case Pace::Off:
      return std::chrono::milliseconds(0);
    case Pace::Brisk:
      return std::chrono::milliseconds(180);
    case Pace::Relaxed:
      return std::chrono::milliseconds(350);
  }
  return std::chrono::milliseconds(0);
}

MainWindow::MainWindow(Game& game, const QString& version, QSettings& settings, QWidget* parent)
    : QMainWindow(parent),
      form_(new Form1(game, this)),
      version_(version),
      gameDir_(game.dir()),
      game_(game),
      settings_(settings),
      keeper_(game.dir()) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(form_->windowTitle());
  view_ = new TableView(form_, this);
  setCentralWidget(view_);
  buildMenus();

  // The size of the last run where the screen holds it, else the largest step it holds.
  double zoom = std::clamp(settings_.value(QString::fromUtf8(kSizeKey), 1.0).toDouble(),
                           kZoomSteps.front(), kZoomSteps.back());
  if (const QScreen* screen = this->screen()) {
    const QSize room = screen->availableSize() - QSize(0, menuBar()->sizeHint().height());
    const auto fits = [&](double z) {
      const QSize table = TableView::designed(z);
      return table.width() <= room.width() && table.height() <= room.height();
    };
    if (!fits(zoom)) {
      zoom = kZoomSteps.front();
      for (double step : kZoomSteps) {
        if (fits(step)) zoom = step;
      }
    }
  }
  resize(TableView::designed(zoom) + QSize(0, menuBar()->sizeHint().height()));
  // Stored only when it changes: a start at the remembered size writes no settings file.
  view_->zoomed = [this](double z) {
    const QString key = QString::fromUtf8(kSizeKey);
    if (settings_.value(key).toDouble() != z) settings_.setValue(key, z);
  };

  form_->setClickSink([this, &game] {
    if (const auto warning = keeper_.record(game.settled())) {
      std::cerr << "korvo: " << *warning << std::endl;
    }
    if (statisticsWindow_) statisticsWindow_->refresh();
  });
  if (const auto told = keeper_.open()) {
    // Told once the window is up, above it.
    QTimer::singleShot(0, this, [this, text = FaultWords::statisticsRefused(*told)] {
      QMessageBox::information(this, tr("Korvo Statistics"),
                               tr("The statistics file could not be used.\n\n%1").arg(text));
    });
  }
}

void MainWindow::tellResumed() {
  form_->showNotice(tr("Welcome back: the game goes on where you left it."));
}

void MainWindow::tellRefused(const QString& backup, bool setAside) {
  form_->showNotice(
      setAside ? tr("The saved game could not be used; it is kept as %1 and a new game starts.")
                     .arg(backup)
               : tr("The saved game could not be used and is left as it is; a new game starts, "
                    "and this one is not saved."));
}

void MainWindow::zoomTo(double zoom) {
  // The window takes the table's new size; a maximized window first returns to its own size.
  if (isMaximized() || isFullScreen()) showNormal();
  resize(size() + (TableView::designed(zoom) - view_->size()));
}

void MainWindow::zoomStep(int direction) {
  const double now = form_->zoom();
  double next = now;
  if (direction > 0) {
    for (double step : kZoomSteps) {
      if (step > now + 0.01) {
        next = step;
        break;
      }
    }
  } else {
    for (double step : kZoomSteps) {
      if (step < now - 0.01) next = step;
    }
  }
  zoomTo(next);
}

void MainWindow::buildMenus() {
  // The texts come from retranslate(), here and again whenever the language changes.
  gameMenu_ = menuBar()->addMenu(QString());
  // The menu's Deal and Knock are the buttons' clicks: refused where the button's click is.
  deal_ = gameMenu_->addAction(QString(), this, [this] { form_->clickControl(Control::Command1); });
  deal_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  knock_ =
      gameMenu_->addAction(QString(), this, [this] { form_->clickControl(Control::Command2); });
  knock_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
  hint_ = gameMenu_->addAction(QString(), this, &MainWindow::showHint);
  hint_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_H), QKeySequence(Qt::Key_H)});
  gameMenu_->addSeparator();
  statistics_ = gameMenu_->addAction(QString(), this, &MainWindow::showStatistics);
  statistics_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  gameMenu_->addSeparator();
  quit_ = gameMenu_->addAction(QString(), this, &QWidget::close);
  // The desktop's own Quit key; Ctrl+Q where the desktop names none (Windows-like schemes).
  QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
  if (quitKeys.isEmpty()) quitKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
  quit_->setShortcuts(quitKeys);
  quit_->setMenuRole(QAction::QuitRole);

  viewMenu_ = menuBar()->addMenu(QString());
  paceMenu_ = viewMenu_->addMenu(QString());
  auto* paces = new QActionGroup(this);
  for (int i = 0; i < 3; ++i) {
    QAction* action =
        paceMenu_->addAction(QString(), this, [this, i] { setPace(static_cast<Pace>(i)); });
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
  form_->setPace(turnTime(chosen), moveTime(chosen));

  opponentsMenu_ = viewMenu_->addMenu(QString());
  auto* kinds = new QActionGroup(this);
  for (int i = 0; i < 2; ++i) {
    QAction* action = opponentsMenu_->addAction(
        QString(), this, [this, i] { setOpponents(static_cast<Opponents>(i)); });
    action->setCheckable(true);
    kinds->addAction(action);
    opponentsActions_[static_cast<std::size_t>(i)] = action;
  }
  // Classic unless the player chose Strong; an unknown stored name counts as unset.
  const QString storedKind = settings_.value(QString::fromUtf8(kOpponentsKey)).toString();
  setOpponents(
      storedKind == QString::fromUtf8(kOpponentsNames[1]) ? Opponents::Strong : Opponents::Classic,
      false);

  viewMenu_->addSeparator();
  bigger_ = viewMenu_->addAction(QString(), this, [this] { zoomStep(+1); });
  // Ctrl++ is typed Ctrl+= on most keyboards; both work.
  bigger_->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  smaller_ = viewMenu_->addAction(QString(), this, [this] { zoomStep(-1); });
  smaller_->setShortcut(QKeySequence::ZoomOut);
  actualSize_ = viewMenu_->addAction(QString(), this, [this] { zoomTo(1); });
  actualSize_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  viewMenu_->addSeparator();
  fourColour_ = viewMenu_->addAction(QString());
  fourColour_->setCheckable(true);
  fourColour_->setChecked(settings_.value(QString::fromUtf8(kFourColourKey), false).toBool());
  if (fourColour_->isChecked()) setFourColour(true);
  connect(fourColour_, &QAction::toggled, this, [this](bool on) {
    setFourColour(on);
    settings_.setValue(QString::fromUtf8(kFourColourKey), on);
  });

  // The desktop's language, or one of the translations by its own name.
  viewMenu_->addSeparator();
  languageMenu_ = viewMenu_->addMenu(QString());
  auto* languages = new QActionGroup(this);
  const QString language = settings_.value(QString::fromUtf8(kLanguageSetting)).toString();
  const auto addLanguage = [&](const QString& code) {
    QAction* action =
        languageMenu_->addAction(QString(), this, [this, code] { setLanguage(code); });
    action->setCheckable(true);
    action->setData(code);
    action->setChecked(code == language);
    languages->addAction(action);
    languageActions_.push_back(action);
  };
  addLanguage(QString());
  languageMenu_->addSeparator();
  for (const Language& each : kLanguages) {
    addLanguage(QString::fromUtf8(each.code));
    languageActions_.back()->setText(QString::fromUtf8(each.ownName));
  }
  if (languages->checkedAction() == nullptr) desktopLanguageAction()->setChecked(true);

  helpMenu_ = menuBar()->addMenu(QString());
  rules_ = helpMenu_->addAction(QString(), this, &MainWindow::showRules);
  rules_->setShortcut(QKeySequence::HelpContents);
  helpMenu_->addSeparator();
  about_ = helpMenu_->addAction(QString(), this, &MainWindow::showAbout);
  about_->setMenuRole(QAction::AboutRole);

  // Shortcuts work wherever the focus is on the table, also in its read-only text boxes.
  for (QAction* action :
       {deal_, knock_, hint_, statistics_, quit_, rules_, bigger_, smaller_, actualSize_}) {
    action->setShortcutContext(Qt::WindowShortcut);
  }
  retranslate();
}

void MainWindow::retranslate() {
  setWindowTitle(Form1::title());
  gameMenu_->setTitle(tr("&Game"));
  deal_->setText(tr("&Deal"));
  knock_->setText(tr("&Knock"));
  hint_->setText(tr("&Hint"));
  statistics_->setText(tr("S&tatistics…"));
  quit_->setText(tr("&Quit"));
  viewMenu_->setTitle(tr("&View"));
  paceMenu_->setTitle(tr("&Pace of the Computer Players"));
  paceAction(Pace::Off)->setText(tr("&Off: Show Only Where They End"));
  paceAction(Pace::Brisk)->setText(tr("&Brisk"));
  paceAction(Pace::Relaxed)->setText(tr("&Relaxed"));
  bigger_->setText(tr("&Bigger"));
  smaller_->setText(tr("&Smaller"));
  actualSize_->setText(tr("&Actual Size"));
  opponentsMenu_->setTitle(tr("&Opponents"));
  opponentsAction(Opponents::Classic)->setText(tr("&Classic: the Rules' Own Players"));
  opponentsAction(Opponents::Strong)->setText(tr("&Strong: Players That Look Ahead"));
  fourColour_->setText(tr("&Four-Colour Suits"));
  languageMenu_->setTitle(tr("&Language"));
  // The languages keep their own names; the desktop's is named in the language installed.
  desktopLanguageAction()->setText(tr("The &Desktop's Language"));
  helpMenu_->setTitle(tr("&Help"));
  rules_->setText(tr("&Rules"));
  about_->setText(tr("&About Korvo"));
}

QAction* MainWindow::languageAction(const QString& code) const {
  for (QAction* action : languageActions_) {
    if (action->data().toString() == code) return action;
  }
  return nullptr;
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QMainWindow::changeEvent(event);
}

void MainWindow::setLanguage(const QString& code) {
  settings_.setValue(QString::fromUtf8(kLanguageSetting), code);
  installLanguage(code);
}

void MainWindow::setPace(Pace pace) {
  form_->setPace(turnTime(pace), moveTime(pace));
  settings_.setValue(QString::fromUtf8(kPaceKey),
                     QString::fromUtf8(kPaceNames[static_cast<std::size_t>(pace)]));
}

void MainWindow::setFourColour(bool on) {
  // A game directory made before there were four-colour faces gets them now, as --init draws
  // them; without them (a directory that cannot be written) the standard faces show.
  if (on) {
    try {
      initFourColourFaces(gameDir_);
    } catch (const FileError& e) {
      QMessageBox::warning(
          this, QStringLiteral("Korvo"),
          tr("The four-colour faces could not be drawn: %1").arg(FaultWords::text(e)));
    }
  }
  form_->setFourColour(on);
}

void MainWindow::setOpponents(Opponents kind, bool remember) {
  opponents_ = kind;
  opponentsAction(kind)->setChecked(true);
  for (int seat = 2; seat <= kPlayers; ++seat) {
    if (kind == Opponents::Strong) {
      game_.setPlayer(seat, std::make_unique<StrongPlayer>(strongSeed_));
    } else {
      game_.setPlayer(seat, std::make_unique<ClassicPlayer>(seat));
    }
  }
  if (remember) {
    settings_.setValue(QString::fromUtf8(kOpponentsKey),
                       QString::fromUtf8(kOpponentsNames[static_cast<std::size_t>(kind)]));
  }
  if (opponentsSink_) opponentsSink_(kOpponentsNames[static_cast<std::size_t>(kind)]);
}

void MainWindow::setOpponentsSink(std::function<void(const std::string&)> sink) {
  opponentsSink_ = std::move(sink);
  if (opponentsSink_) opponentsSink_(kOpponentsNames[static_cast<std::size_t>(opponents_)]);
}

void MainWindow::setStrongSeed(uint64_t seed) {
  strongSeed_ = seed;
  if (opponents_ == Opponents::Strong) setOpponents(opponents_, false);
}

void MainWindow::showHint() {
  // The hint is about the table as the last click left it.
  form_->finishReplay();
  const Hint hint = hintFor(game_, strongSeed_);
  QString words;
  if (!hint.move) {
    switch (hint.why) {
      case Hint::Why::NoRound:
        words = tr("There is no round under way: deal the cards first.");
        break;
      case Hint::Why::Out:
        words = tr("You are out of this game: there is no move to hint.");
        break;
      default:
        words = tr("It is not your turn.");
        break;
    }
  } else {
    const auto card = [&] {
      return QString::fromStdString(cardWords(hint.card->value, hint.card->suit));
    };
    switch (hint.move->kind) {
      case Move::Kind::TakePile:
        words = tr("Take the top card of the draw pile");
        break;
      case Move::Kind::TakeDiscard:
        words = tr("Take the %1 from the discard pile").arg(card());
        break;
      case Move::Kind::Throw:
        words = tr("Throw away your %1").arg(card());
        break;
      case Move::Kind::Knock: {
        const std::string& suit = hint.knockSuit;
        const QString suitName = suit == "♣"   ? tr("clubs")
                                 : suit == "♦" ? tr("diamonds")
                                 : suit == "♥" ? tr("hearts")
                                 : suit == "♠" ? tr("spades")
                                               : QString::fromStdString(suit);
        words = tr("Knock: %1 in %2").arg(hint.knockTotal).arg(suitName);
        break;
      }
      default:
        break;
    }
  }
  form_->markControl(hint.control);
  // Shown beside the place to click (or the table's middle), and told to a screen reader.
  QWidget* near = hint.control ? form_->control(*hint.control) : form_;
  QToolTip::showText(near->mapToGlobal(near->rect().center()), words, near);
  form_->tellPlayer(words);
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

StatisticsWindow* MainWindow::statisticsWindow() const {
  return statisticsWindow_;
}

void MainWindow::showStatistics() {
  if (!statisticsWindow_) {
    statisticsWindow_ = new StatisticsWindow(keeper_, this);
    statisticsWindow_->setAttribute(Qt::WA_DeleteOnClose);
  }
  statisticsWindow_->refresh();
  statisticsWindow_->show();
  statisticsWindow_->raise();
  statisticsWindow_->activateWindow();
}

void MainWindow::showAbout() {
  QMessageBox::about(
      this, tr("About Korvo"),
      QStringLiteral("<h3>Korvo %1</h3><p>%2</p><p>%3</p><p>%4<br>%5</p>"
                     "<p><a href=\"https://korvo.example.org\">korvo.example.org</a></p>")
          .arg(version_.toHtmlEscaped(), tr("The card game of 31, for one player against three."),
               tr("The computer players are Classic, the rules' own players with their fixed "
                  "tables and a knock at a random threshold, or Strong, players that try every "
                  "move on many deals of the cards they cannot see and choose the one that best "
                  "keeps their honor; neither ever looks at a hidden card. Choose them under "
                  "View > Opponents. Game > Hint (H) asks the Strong player what it would do "
                  "in your seat.")
                   .toHtmlEscaped(),
               tr("Copyright The Korvo developers."),
               tr("Korvo is free software under the GNU General Public License, version 3 or "
                  "any later version.")));
}

}  // namespace korvo
