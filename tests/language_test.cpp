// The window in each of its languages: the desktop's language picks the translation, a deal
// and a discard show and say the game in the player's words, a change of language reaches every
// text at once, and every text fits its control at every size.
#include "window/language.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTextBrowser>
#include <random>
#include <set>

#include "players/classic.h"
#include "tests/window_support.h"
#include "window/mainwindow.h"
#include "window/messagewords.h"

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
  const std::pair<QStringList, const char*> lists[] = {
      {{QStringLiteral("de-AT"), QStringLiteral("de-Latn-AT")}, "de"},
      {{QStringLiteral("de_CH")}, "de"},
      {{QStringLiteral("fr"), QStringLiteral("fr-FR"), QStringLiteral("nl"), QStringLiteral("da")},
       "nl"},
      {{QStringLiteral("da-DK")}, "da"},
      {{QStringLiteral("C")}, "en"},
      {{QStringLiteral("fr-FR"), QStringLiteral("fr")}, "en"},
      {{QStringLiteral("en-GB"), QStringLiteral("de")}, "en"},
      {{}, "en"},
  };
  for (const auto& [list, language] : lists)
    EXPECT_EQ(desktopLanguage(list), QLatin1String(language)) << list.join(u',').toStdString();
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
  const Control clicks[] = {kDealButton,       kDealButton,       kKnockButton,
                            kDrawPile,         kDiscardPile,      Control::Picture1,
                            Control::Picture2, Control::Picture3, Control::Picture4,
                            Control::Picture4};
  std::set<Message::Kind> kinds;
  int checked = 0;
  const auto check = [&](const Table& table) {
    for (int player = 1; player <= kPlayers; ++player) {
      const Control box = textBox(player);
      if (const std::optional<Message>& message = table.message(box)) {
        EXPECT_EQ(message->player, player);
        EXPECT_EQ(MessageWords::text(*message).toStdString(), table[box]);
        kinds.insert(message->kind);
        ++checked;
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
  EXPECT_GT(checked, 5000);
}

struct Fit {
  QString what;
  int needs;
  int room;
  double zoom = 0;
};

// The captions of the buttons and labels, and the widest of every message a player's box can
// hold, in each language at each step of the zoom. The tightest fit of each language is printed
// for the record.
TEST(Language, EveryTextFitsItsControlAtEverySize) {
  for (const Language& language : kLanguages) {
    installLanguage(QString::fromUtf8(language.code));
    Played played;
    Form1 form(played.game);
    Fit tightest{QString(), 0, 1};
    for (double zoom : MainWindow::kZoomSteps) {
      form.setZoom(zoom);
      std::vector<Fit> fits;
      for (Control c : kControls) {
        QWidget* widget = form.control(c);
        if (controlKind(c) == ControlKind::Button || controlKind(c) == ControlKind::Label) {
          const QString text = widget->property("text").toString();
          fits.push_back({text, widget->sizeHint().width(), widget->width(), zoom});
          fits.push_back({text + QStringLiteral(" (height)"), widget->sizeHint().height(),
                          widget->height(), zoom});
        }
      }
      for (int player = 1; player <= kPlayers; ++player) {
        const auto& box = *static_cast<QLineEdit*>(form.control(textBox(player)));
        Fit widest{QString(), 0, textRoom(box), zoom};
        for (const Message& message : everyMessage(player)) {
          const QString text = MessageWords::text(message);
          const int needs = box.fontMetrics().horizontalAdvance(text);
          if (needs > widest.needs) widest = {text, needs, widest.room, zoom};
        }
        fits.push_back(widest);
      }
      for (const Fit& fit : fits) {
        EXPECT_LE(fit.needs, fit.room)
            << language.code << " at " << zoom << ": " << fit.what.toStdString();
        if (fit.needs * tightest.room > tightest.needs * fit.room) tightest = fit;
      }
    }
    std::printf("%s: the tightest fit is \"%s\", %d of %d pixels at %g%%\n", language.code,
                qPrintable(tightest.what), tightest.needs, tightest.room, tightest.zoom * 100);
  }
  installLanguage(QStringLiteral("en"));
}

}  // namespace
}  // namespace korvo
