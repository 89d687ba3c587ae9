// The game directory: where cardfile.txt, totals.txt and the pictures live, and the standard
// deck that a fresh directory starts with.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/recordfile.h"

namespace korvo {

// One card of the standard deck that a new game directory gets.
struct StandardCard {
  int rank;       // 1 ace, 2..10, 11 jack, 12 queen, 13 king
  int suitIndex;  // 0 clubs, 1 diamonds, 2 hearts, 3 spades
  Card record;
};

// The 52 cards in the order a new cardfile.txt lists them: clubs, diamonds, hearts, spades,
// each ace to king. Suit texts are the suit symbols, so that a move message reads
// "Takes from pile. 10♥"; picture names are rank and suit letter, as in "10H.JPG".
const std::vector<StandardCard>& standardCards();
Deck standardDeck();

// The picture files the game loads besides the card faces.
inline constexpr const char* kCardBack = "down1.JPG";
inline constexpr const char* kEmptyPlace = "gone.JPG";
// "hundred0.JPG" .. "hundred12.JPG": a count of honor points.
std::string honorPicture(int points);

// Writes cardfile.txt (the standard deck) and totals.txt (0,0,0,0) into dir, making dir if
// needed; a file that already exists is kept. Throws FileError.
void initGameFiles(const std::filesystem::path& dir);

// The current directory if it holds cardfile.txt; otherwise the per-user data directory
// ($XDG_DATA_HOME/korvo, else ~/.local/share/korvo). Does not create anything.
std::filesystem::path defaultGameDir();

}  // namespace korvo
