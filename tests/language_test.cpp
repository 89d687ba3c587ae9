// The window in each of its languages: the desktop's language picks the translation, a deal
// and a discard show and say the game in the player's words, a change of language reaches every
// text at once, and every text fits its control at every size.

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionFrame>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <cerrno>
#include <random>
#include <set>

#include "tests/window_support.h"
#include "window/faultwords.h"
#include "window/messagewords.h"
#include "window/statistics.h"

namespace korvo {
namespace {

// The room a text box gives its text, in pixels: inside its frame and its own margins.
int textRoom(const QLineEdit& box) {
  QStyleOptionFrame option;
  option.initFrom(&box);
  option.rect = box.rect();
  option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
  option.state |= QStyle::State_Sunken;
  const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
  const QMargins margins = box.textMargins();
  constexpr int kLineEditMargin = 2;  // QLineEdit keeps this much free on each side
  return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin;
}

// Every message a player's box can hold, with the widest card of a standard deck where it names
// one.
std::vector<Message> everyMessage(int player) {
  std::vector<Message> all;
  for (int kind = 0; kind <= static_cast<int>(Message::Kind::WinsTheGame); ++kind) {
    for (const char* suit : {"♣", "♦", "♥", "♠"}) {
      for (int value = 2; value <= 11; ++value) {
        all.push_back({static_cast<Message::Kind>(kind), player, Card{"", suit, value}});
      }
    }
    all.push_back({static_cast<Message::Kind>(kind), player, std::nullopt});
  }
  return all;
}

TEST(Language, TheDesktopsListPicksTheFirstLanguageWithATranslation) {
  // clang-format off
  const std::pair<const char*, const char*> lists[] = {
      {"de-AT de-Latn-AT", "de"}, {"de_CH", "de"}, {"fr fr-FR nl da", "nl"}, {"da-DK", "da"},
      {"C", "en"}, {"fr-FR fr", "en"}, {"en-GB de", "en"}, {"", "en"}};
  // clang-format on
  for (const auto& [list, language] : lists) {
    EXPECT_EQ(desktopLanguage(QString::fromUtf8(list).split(u' ', Qt::SkipEmptyParts)),
              QLatin1String(language))
        << list;
  }
}

// Many rounds of random clicks, every turn recorded: wherever a message box shows a message of
// the game, its record words it in English exactly as the game wrote it, and every text of a
// message box but the players' names at the start has a record. So the translations, worded from
// the same records, say what the game said.
TEST(Language, TheRecordOfEveryMessageWordsItAsTheGameDoes) {
  installLanguage(QStringLiteral("en"));
  GameDirWithPictures dir;
  SeededRandom random{3};
  Game game{dir.path(), random, classicSeats()};
  game.setRecording(true);
  const Table start;
  std::mt19937 pick(11);
  // clang-format off
  const Control clicks[] = {kDealButton, kDealButton, kKnockButton, kDrawPile, kDiscardPile,
                            Control::Picture1, Control::Picture2, Control::Picture3,
                            Control::Picture4, Control::Picture4};
  // clang-format on
  std::set<Message::Kind> kinds;
  const auto check = [&](const Table& table) {
    for (int player = 1; player <= kPlayers; ++player) {
      const Control box = textBox(player);
      if (const std::optional<Message>& message = table.message(box)) {
        EXPECT_EQ(message->player, player);
        EXPECT_EQ(MessageWords::text(*message).toStdString(), table[box]);
        kinds.insert(message->kind);
      } else {
        EXPECT_EQ(table[box], start[box]) << "a message with no record";
      }
    }
  };
  for (int i = 0; i < 1500; ++i) {
    game.click(clicks[pick() % std::size(clicks)]);
    for (const TableFrame& frame : game.frames()) check(frame.table);
    check(game.table());
  }
  // Every kind comes up, but the call of a 31, which the show-down of the same turn covers.
  for (int kind = 0; kind <= static_cast<int>(Message::Kind::WinsTheGame); ++kind) {
    const auto each = static_cast<Message::Kind>(kind);
    EXPECT_EQ(kinds.contains(each), each != Message::Kind::Korvo) << "kind " << kind;
  }
}

// Every fault of the game's files, as the window words it in English, is the game's own sentence
// letter for letter, with and without a line, a count of one and of more, the system's reasons
// the window words itself and one it does not: so each translation, worded from the same code
// and values, says what the game says.
TEST(Language, EveryFileFaultIsWordedAsTheGameWordsIt) {
  installLanguage(QStringLiteral("en"));
  const std::filesystem::path file = "/games/cardfile.txt";
  for (int code = 0; code < kFileFaultCount; ++code) {
    for (const int count : {1, 3}) {
      const FileError error(file, count - 1, static_cast<FileFault>(code),
                            {std::to_string(count), "b", "c", "d"});
      EXPECT_EQ(FaultWords::text(error).toStdString(), error.what()) << "code " << code;
    }
  }
  for (const int errorNumber :
       {ENOENT, EACCES, EPERM, ENOSPC, EDQUOT, EROFS, ENOTDIR, EIO, EBUSY}) {
    const FileError error = FileError::system(file, FileFault::RenameFailed, errorNumber);
    EXPECT_EQ(FaultWords::text(error).toStdString(), error.what());
    EXPECT_EQ(FaultWords::winCountsKept(error).toStdString(),
              error.what() + std::string(kWinCountsKept));
    for (const int renameError : {0, errorNumber}) {
      const StatisticsRefused refused{error, kStatisticsBackup, renameError};
      EXPECT_EQ(FaultWords::statisticsRefused(refused).toStdString(), refused.text());
    }
  }
}

// A deck file with a bad line, dealt from in a German window: the message box says what is wrong
// in German, naming the file and the line.
TEST(Language, AFileFaultIsToldInTheWindowsLanguage) {
  Played played;
  testing::writeFile(played.dir / kCardFile, "\"♣\",2,\"c2.JPG\"\r\n\"♣\",3\r\n");
  installLanguage(QStringLiteral("de"));
  Form1 table(played.game);
  QString told;
  QTimer::singleShot(0, [&told] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      told = box->text();
      box->close();
    }
  });
  table.clickControl(kDealButton);
  // A fault that counts takes the language's plural.
  EXPECT_EQ(FaultWords::fault(FileError("t", 0, FileFault::CardsMissing, {"3"})),
            QStringLiteral("fehlt: die Datei enthält nur 3 Karten; ein Kartenspiel braucht 52"));
  installLanguage(QStringLiteral("en"));
  EXPECT_EQ(told, QString::fromStdString((played.dir / kCardFile).string()) +
                      QStringLiteral(", Zeile 2: hat 2 Felder; eine Karte braucht 3: Farbe, Wert, "
                                     "Bilddatei"));
}

// Every text a player reads or hears in the window: its title, the menus, and each control's
// text and name, and the rules once opened.
QStringList everyText(MainWindow& window) {
  QStringList all{window.windowTitle()};
  std::function<void(const QList<QAction*>&)> menu = [&](const QList<QAction*>& actions) {
    for (QAction* action : actions) {
      all << action->text();
      if (action->menu()) menu(action->menu()->actions());
    }
  };
  menu(window.menuBar()->actions());
  for (Control c : kControls) {
    QWidget* widget = window.table().control(c);
    all << widget->property("text").toString() << widget->accessibleName();
  }
  if (QDialog* rules = window.rulesWindow()) {
    all << rules->windowTitle() << rules->findChild<QTextBrowser*>()->toPlainText();
    for (const QAbstractButton* button : rules->findChildren<QAbstractButton*>())
      all << button->text();  // Qt's own words
  }
  if (const QWidget* statistics = window.statisticsWindow()) {
    all << statistics->windowTitle() << statistics->findChild<QLabel*>()->text();
    const QTableWidget* table = statistics->findChild<QTableWidget*>();
    for (int c = 0; c < table->columnCount(); ++c) {
      all << table->horizontalHeaderItem(c)->text() << table->horizontalHeaderItem(c)->toolTip();
    }
    for (const QAbstractButton* button : statistics->findChildren<QAbstractButton*>())
      all << button->text();
  }
  return all;
}

// What a language shows and says after a deal and a throw: the menu bar, the message of the
// take, a card place and an honor picture as a screen reader hears them, and a plural.
struct Expected {
  const char *code, *menus, *take, *card /* a pattern */, *honor, *onePoint;
};

// In German, Dutch and Danish: a deal, a draw and a throw in the window opened in the desktop's
// language. The menus, the messages of all four players, what a screen reader hears of the cards,
// the honor points (a plural) and the news of the throw are in the language; the players keep
// their names; switching the language in View > Language changes every text at once to what a
// window opened in that language shows, and back.
TEST(Language, TheWindowPlaysAndSpeaksInEachLanguage) {
  const Expected languages[] = {
      // clang-format off
      {"de", "&Spiel &Ansicht &Hilfe", "Pell zieht vom Stapel. ",
       "^Deine Karte 1: (Kreuz|Karo|Herz|Pik)-[A-Z][a-zü]+$", "Deine Ehre: 4 Punkte", "1 Punkt"},
      {"nl", "&Spel &Beeld &Help", "Pell trekt een kaart. ",
       "^Jouw kaart 1: (klaveren|ruiten|harten|schoppen) [a-z]+$", "Jouw eer: 4 punten", "1 punt"},
      {"da", "&Spil &Vis &Hjælp", "Pell tager fra bunken. ",
       "^Dit kort 1: (klør|ruder|hjerter|spar) [a-z]+$", "Din ære: 4 point", "1 point"},
      // clang-format on
  };
  for (const Expected& language : languages) {
    SCOPED_TRACE(language.code);
    Played played;
    played.settings.setValue(QStringLiteral("language"), QString::fromUtf8(language.code));
    ASSERT_EQ(installChosenLanguage(played.settings), QLatin1String(language.code));
    MainWindow window(played.game, QStringLiteral("1.2.3"), played.settings);
    window.paceAction(MainWindow::Pace::Off)->trigger();
    window.show();
    Form1& table = window.table();
    table.clickControl(kDealButton);
    table.clickControl(kDrawPile);
    table.control(Control::Picture2)->setFocus();
    table.clickControl(kNewCardPlace);
    window.rulesAction()->trigger();
    window.statisticsAction()->trigger();

    QStringList menus;
    for (QAction* menu : window.menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, QString::fromUtf8(language.menus).split(u' '));
    const Table& game = played.game.table();
    const QString take = table.control(textBox(1))->property("text").toString();
    EXPECT_EQ(take, QString::fromUtf8(language.take) +
                        QString::fromStdString(game[textBox(1)]).section(u' ', -1));
    for (int player = 2; player <= kPlayers; ++player) {  // their moves, not the game's words
      const QString said = table.control(textBox(player))->property("text").toString();
      EXPECT_NE(said, QString::fromStdString(game[textBox(player)]));
    }
    EXPECT_TRUE(QRegularExpression(QString::fromUtf8(language.card))
                    .match(table.control(Control::Picture1)->accessibleName())
                    .hasMatch())
        << table.control(Control::Picture1)->accessibleName().toStdString();
    EXPECT_EQ(table.control(Control::Image1)->accessibleName(), QString::fromUtf8(language.honor));
    EXPECT_EQ(QCoreApplication::translate("korvo::Form1", "%n point(s)", "honor points", 1),
              QString::fromUtf8(language.onePoint));
    QWidget* told = QApplication::focusWidget() ? QApplication::focusWidget() : &table;
    EXPECT_TRUE(told->accessibleDescription().startsWith(take))
        << told->accessibleDescription().toStdString();
    // Qt's own words come in the language too: the rules window's Close button.
    const auto* buttons = window.rulesWindow()->findChild<QDialogButtonBox*>();
    EXPECT_NE(buttons->button(QDialogButtonBox::Close)->text().remove(u'&'), u"Close");

    // Switched to English and back to the language: every text changes at once.
    const QStringList inLanguage = everyText(window);
    window.languageAction(QStringLiteral("en"))->trigger();
    QCoreApplication::processEvents();  // the change reaches the windows as a posted event
    const QStringList inEnglish = everyText(window);
    EXPECT_EQ(played.settings.value(QStringLiteral("language")), QStringLiteral("en"));
    {
      MainWindow fresh(played.game, QStringLiteral("1.2.3"), played.settings);
      fresh.rulesAction()->trigger();
      fresh.statisticsAction()->trigger();
      EXPECT_EQ(everyText(fresh), inEnglish);
    }
    EXPECT_EQ(table.control(textBox(1))->property("text").toString(),
              QString::fromStdString(game[textBox(1)]));
    window.languageAction(QString::fromUtf8(language.code))->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(everyText(window), inLanguage);
  }
  installLanguage(QStringLiteral("en"));
}

// Run by ctest on a desktop set to Austrian German, with KORVO_TEST_DESKTOP_LANGUAGE=de: with no
// language chosen, the window speaks German. (Qt reads the desktop's language once per process.)
TEST(Language, WithNoneChosenTheDesktopsLanguageIsSpoken) {
  const QString expected = qEnvironmentVariable("KORVO_TEST_DESKTOP_LANGUAGE");
  if (expected.isEmpty()) GTEST_SKIP() << "runs under ctest as language_from_desktop";
  Played played;
  EXPECT_EQ(installChosenLanguage(played.settings), expected);
  Form1 form(played.game);
  EXPECT_EQ(form.control(kDealButton)->property("text").toString(), QStringLiteral("Geben"));
  installLanguage(QStringLiteral("en"));
}

struct Fit {
  QString what;
  int needs, room;
};

// The captions of the buttons and labels, and the widest of every message a player's box can
// hold, in each language at each step of the zoom.
TEST(Language, EveryTextFitsItsControlAtEverySize) {
  for (const Language& language : kLanguages) {
    installLanguage(QString::fromUtf8(language.code));
    Played played;
    Form1 form(played.game);
    for (double zoom : MainWindow::kZoomSteps) {
      form.setZoom(zoom);
      std::vector<Fit> fits;
      for (Control c : kControls) {
        QWidget* widget = form.control(c);
        if (controlKind(c) == ControlKind::Button || controlKind(c) == ControlKind::Label) {
          const QString text = widget->property("text").toString();
          fits.push_back({text, widget->sizeHint().width(), widget->width()});
          fits.push_back(
              {text + QStringLiteral(" (height)"), widget->sizeHint().height(), widget->height()});
        }
      }
      for (int player = 1; player <= kPlayers; ++player) {
        const auto& box = *static_cast<QLineEdit*>(form.control(textBox(player)));
        Fit widest{QString(), 0, textRoom(box)};
        for (const Message& message : everyMessage(player)) {
          const QString text = MessageWords::text(message);
          const int needs = box.fontMetrics().horizontalAdvance(text);
          if (needs > widest.needs) widest = {text, needs, widest.room};
        }
        fits.push_back(widest);
      }
      for (const Fit& fit : fits) {
        EXPECT_LE(fit.needs, fit.room)
            << language.code << " at " << zoom << ": " << fit.what.toStdString();
      }
    }
  }
  installLanguage(QStringLiteral("en"));
}

}  // namespace
}  // namespace korvo
