// The table through Qt's accessibility interfaces, as a screen reader reads it: what every
// control says after a deal, a discard and at the show-down, and the change events it hears.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <vector>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/random.h"
#include "tests/window_support.h"
#include "window/form1.h"
#include "window/speech.h"

namespace korvo {
namespace {

QString said(QWidget* w, QAccessible::Text what = QAccessible::Name) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  return iface == nullptr ? QStringLiteral("(no interface)") : iface->text(what);
}

QString words(Value value, const std::string& suit) {
  return QString::number(value) + u' ' + QString::fromStdString(suit);
}

class AccessibilityTest : public ::testing::Test {
 protected:
  AccessibilityTest() {
    setSpeechObserver([this](const SpokenChange& change) { heard_.push_back(change); });
    form_.setErrorSink([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
    form_.show();  // the focus needs the window shown and active
    form_.activateWindow();
    QCoreApplication::processEvents();
  }
  ~AccessibilityTest() override { setSpeechObserver({}); }

  QWidget* widget(Control c) { return form_.control(c); }

  // Clicks a control with the keyboard focus on it, as Space does.
  void play(Control c) {
    widget(c)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), widget(c));
    heard_.clear();
    form_.clickControl(c);
  }

  // What each control must say, from the game's state rather than from the pictures shown.
  void expectEveryControlSaysWhatItShows() {
    const GameState& st = game_.state();
    const Table& table = game_.table();
    const auto place = [&](Control c, const QString& card) {
      const std::string& entry = table[c];
      return entry == kCardBack     ? QStringLiteral("face down")
             : entry == kEmptyPlace ? QStringLiteral("empty")
                                    : card;
    };
    for (int k = 1; k <= kPlayers; ++k) {
      const HandRef h = const_cast<GameState&>(st).hand(k);
      for (int n = 1; n <= (k == 1 ? 4 : 3); ++n) {
        const Control c = cardPlace(k, n);
        EXPECT_TRUE(
            said(widget(c)).endsWith(QStringLiteral(": ") + place(c, words(h.value[n], h.suit[n]))))
            << said(widget(c)).toStdString();
      }
      EXPECT_TRUE(
          said(widget(honorImage(k))).endsWith(QStringLiteral(": ") + QString::number(st.honor[k])))
          << said(widget(honorImage(k))).toStdString();
      EXPECT_TRUE(
          said(widget(totalLabel(k))).endsWith(QStringLiteral(": ") + QString::number(st.wins[k])))
          << said(widget(totalLabel(k))).toStdString();
      EXPECT_EQ(said(widget(textBox(k)), QAccessible::Value),
                QString::fromStdString(table[textBox(k)]));
    }
    EXPECT_EQ(said(widget(Control::Picture14)), QStringLiteral("Draw pile: face down"));
    if (st.turnphase != kDiscardPhase) {  // until the discard, the pile shows its old top
      EXPECT_EQ(said(widget(Control::Picture15)),
                QStringLiteral("Discard pile: ") +
                    words(st.deckvalue[st.deckpos], st.decksuit[st.deckpos]));
    }
    EXPECT_EQ(said(widget(Control::Image5)), QStringLiteral("Pot: ") + QString::number(st.pot));
  }

  // The description the focused control was last given.
  QString lastNews() const {
    for (auto it = heard_.rbegin(); it != heard_.rend(); ++it) {
      if (it->event == QAccessible::DescriptionChanged && !it->text.isEmpty()) {
        EXPECT_EQ(it->widget, QApplication::focusWidget());
        return it->text;
      }
    }
    return {};
  }

  GameDirWithPictures dir_;
  SeededRandom random_{7};
  Game game_{dir_.path(), random_};
  Form1 form_{game_};
  std::vector<SpokenChange> heard_;
};

TEST_F(AccessibilityTest, EveryControlSaysWhatItShowsAndTheNewsReachesTheFocus) {
  EXPECT_EQ(said(widget(Control::Picture2)), QStringLiteral("Your card 2: empty"));
  EXPECT_EQ(said(widget(Control::Image1)), QStringLiteral("Your honor points: 4"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(widget(Control::Image5))->role(),
            QAccessible::Graphic);
  const struct {
    const char* moment;
    Control click;
  } moments[] = {
      {"deal", Control::Command1},
      {"draw", Control::Picture14},
      {"discard", Control::Picture2},
      {"show-down", Control::Command2},  // a knock, or a last turn after someone else's
  };
  for (const auto& m : moments) {
    SCOPED_TRACE(m.moment);
    const bool showDown = m.click == Control::Command2;
    play(m.click);
    if (showDown && game_.state().dealt == 1) {  // the knock was refused: play the last turn
      play(Control::Picture14);
      play(Control::Picture4);
    }
    ASSERT_EQ(game_.state().dealt == 0, showDown);
    expectEveryControlSaysWhatItShows();
    const QString news = lastNews();
    EXPECT_TRUE(news.startsWith(QString::fromStdString(game_.table()[Control::Text1])))
        << news.toStdString();
    EXPECT_EQ(news.contains(u"Oma's card 1: "), showDown) << news.toStdString();
    EXPECT_FALSE(news.contains(u".JPG")) << news.toStdString();
  }
}

// A table set by hand, as a replay shows a recorded one: each change is heard on its control,
// and the focused control's description tells them all, in the order of play.
TEST_F(AccessibilityTest, ChangesAreHeardOnTheirControlsAndInTheFocusedDescription) {
  play(Control::Command1);
  ASSERT_EQ(game_.table()[Control::Text1], "Pell, it's your turn.");
  Table& table = game_.mutableTable();
  table.setText(Control::Text1, "Pell Pays.");
  table.setText(Control::Text3, "Knock!");
  table.showPicture(Control::Image1, honorPicture(3));
  table.showPicture(Control::Image5, honorPicture(1));
  table.setCaption(Control::total2, "6");
  play(Control::Picture5);  // a click the game refuses brings the table in line

  struct Heard {
    QAccessible::Event event;
    Control control;
    const char* text;
  };
  const Heard expected[] = {
      {QAccessible::TextUpdated, Control::Text1, "Pell Pays."},
      {QAccessible::TextUpdated, Control::Text3, "Knock!"},
      {QAccessible::NameChanged, Control::total2, "Oma's wins: 6"},
      {QAccessible::NameChanged, Control::Image1, "Your honor points: 3"},
      {QAccessible::NameChanged, Control::Image5, "Pot: 1"},
      {QAccessible::DescriptionChanged, Control::Command1, ""},  // the deal's news holder
      {QAccessible::DescriptionChanged, Control::Picture5,
       "Pell Pays. Tobin: Knock! Your honor points: 3. Pot: 1. Oma's wins: 6."},
  };
  ASSERT_EQ(heard_.size(), std::size(expected));
  for (std::size_t i = 0; i < heard_.size(); ++i) {
    EXPECT_EQ(heard_[i].event, expected[i].event) << i;
    EXPECT_EQ(heard_[i].widget, widget(expected[i].control)) << i;
    EXPECT_EQ(heard_[i].text, QString::fromUtf8(expected[i].text)) << i;
  }

  // The news moves with the focus, and the same news told twice is heard twice.
  table.setText(Control::Text1, "Pell, it's your turn.");
  play(Control::Picture6);
  EXPECT_EQ(said(widget(Control::Picture5), QAccessible::Description), QString());
  EXPECT_EQ(lastNews(), QStringLiteral("Pell, it's your turn."));
  table.setText(Control::Text1, "");
  play(Control::Picture6);
  table.setText(Control::Text1, "Pell, it's your turn.");
  play(Control::Picture6);
  EXPECT_EQ(lastNews(), QStringLiteral("Pell, it's your turn."));
}

}  // namespace
}  // namespace korvo
