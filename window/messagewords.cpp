#include "window/messagewords.h"

#include <array>

#include "game/game.h"

namespace korvo {

namespace {

// A word to translate and what it stands for, which tells it apart from the same word elsewhere.
struct Word {
  const char* source;
  const char* comment;
};

// The words for the card values of a standard deck, 2 to 11 (an ace counts 11). English keeps
// the numbers.
constexpr std::array<Word, 10> kValueWords = {{
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "2", "the value of a card said as a word: two"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "3", "the value of a card said as a word: three"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "4", "the value of a card said as a word: four"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "5", "the value of a card said as a word: five"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "6", "the value of a card said as a word: six"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "7", "the value of a card said as a word: seven"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "8", "the value of a card said as a word: eight"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "9", "the value of a card said as a word: nine"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "10", "the value of a card said as a word: ten"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "11",
                       "the value of a card said as a word: eleven, an ace"),
}};

// The suits of a standard deck by their signs. English keeps the signs.
constexpr std::array<Word, 4> kSuitWords = {{
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "♣", "the suit said as a word: clubs"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "♦", "the suit said as a word: diamonds"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "♥", "the suit said as a word: hearts"),
    QT_TRANSLATE_NOOP3("korvo::MessageWords", "♠", "the suit said as a word: spades"),
}};

QString name(int player) {
  const std::string_view name = shortName(player);
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QString MessageWords::shortCard(const Card& card) {
  return QString::number(card.value) + QString::fromStdString(card.suit);
}

QString MessageWords::text(const Message& message) {
  const QString who = name(message.player);
  const QString thrown = message.thrown ? shortCard(*message.thrown) : QString();
  const bool you = message.player == 1;
  switch (message.kind) {
    case Message::Kind::YourTurn:
      return tr("%1, it's your turn.").arg(who);
    case Message::Kind::TookPile:
      if (you && !message.thrown) return tr("%1 takes from pile.").arg(who);
      if (you) return tr("%1 takes from pile. %2", "the card thrown after it").arg(who, thrown);
      return tr("%1 Takes from pile. %2", "a computer player's move and the card thrown")
          .arg(who, thrown);
    case Message::Kind::TookDiscard:
      if (you && !message.thrown) return tr("%1 takes discard.").arg(who);
      if (you) return tr("%1 takes discard. %2", "the card thrown after it").arg(who, thrown);
      return tr("%1 Takes Discard.  %2", "a computer player's move and the card thrown")
          .arg(who, thrown);
    case Message::Kind::Knock:
      return tr("Knock!");
    case Message::Kind::ShowCards:
      return tr("Show Cards!", "play has come back to the player who knocked");
    case Message::Kind::Korvo:
      return tr("Korvo!", "the call of a player holding 31");
    case Message::Kind::EverybodyPays:
      return tr("Korvo Everybody Pays.", "after a 31, everybody else pays a point");
    case Message::Kind::Pays:
      return tr("%1 Pays.", "one honor point").arg(who);
    case Message::Kind::PaysDouble:
      return tr("%1 Pays Double.", "the knocker was among the lowest").arg(who);
    case Message::Kind::Out:
      return tr("%1 is out!", "no honor points left").arg(who);
    case Message::Kind::OutAtDeal:
      return tr("%1 is Out!", "a player the deal passes over").arg(who);
    case Message::Kind::WinsTheGame:
      return tr("%1 wins all the honor!", "the last player with honor points").arg(who);
  }
  return {};
}

QString MessageWords::card(Value value, const std::string& suit) {
  QString valueWord = QString::number(value);
  if (value >= 2 && value <= 11) {
    const std::size_t i = static_cast<std::size_t>(value - 2);
    valueWord = QCoreApplication::translate("korvo::MessageWords", kValueWords[i].source,
                                            kValueWords[i].comment);
  }
  QString suitWord = QString::fromStdString(suit);
  for (const Word& each : kSuitWords) {
    if (suit == each.source) {
      suitWord = QCoreApplication::translate("korvo::MessageWords", each.source, each.comment);
    }
  }
  return tr("%1 %2", "a card said: its value, then its suit").arg(valueWord, suitWord);
}

}  // namespace korvo
