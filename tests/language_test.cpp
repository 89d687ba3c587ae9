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
        all.push_back({static_cast<Message::Kind>(kind), player, Message::Card{value, suit}});
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
