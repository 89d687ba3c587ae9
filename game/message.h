// A player's message as a record: which message, whose, and the card it names. The Table keeps
// beside each message box's text (the game's own words, which the headless output shows) the
// record of the message it holds, so that a front end can put the message into the player's
// language without reading the sentence back.
#pragma once

#include <optional>

#include "game/card.h"

namespace korvo {

struct Message {
  enum class Kind {
    YourTurn,       // "Pell, it's your turn."
    TookPile,       // "Pell takes from pile." (with the card thrown: "Pell takes from pile. 7♥")
    TookDiscard,    // "Pell takes discard." (with the card thrown: "Pell takes discard. 7♥")
    Knock,          // "Knock!"
    ShowCards,      // "Show Cards!": play has come back to the knocker
    Korvo,          // "Korvo!": 31 while nobody has knocked
    EverybodyPays,  // "Korvo Everybody Pays."
    Pays,           // "Oma Pays."
    PaysDouble,     // "Oma Pays Double.": the knocker was among the lowest
    Out,            // "Pell is out!": no honor left
    OutAtDeal,      // "Oma is Out!": a player the deal passes over
    WinsTheGame,    // "Oma wins all the honor!"
  };
  Kind kind;
  int player = 0;                             // whose message, 1..4
  std::optional<Card> thrown = std::nullopt;  // the card a move threw onto the discard pile

  bool operator==(const Message&) const = default;
};

}  // namespace korvo
