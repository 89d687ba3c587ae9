// The game's messages and cards in the player's language, from the engine's records of them.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "game/message.h"
#include "game/state.h"

namespace korvo {

class MessageWords {
  Q_DECLARE_TR_FUNCTIONS(korvo::MessageWords)

 public:
  // A message as its player's message box shows it. In English these are the game's own words,
  // letter for letter.
  static QString text(const Message& message);
  // A thrown card as the messages show it, value then suit sign: "7♥".
  static QString shortCard(const Card& card);
  // A card as a screen reader says it: "10 ♥", "Pik-Zehn", "schoppen tien", "spar ti". Values
  // and suits of a hand-made deck that the language has no word for are said as they are.
  static QString card(Value value, const std::string& suit);
};

}  // namespace korvo
