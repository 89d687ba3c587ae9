// The pictures the game shows, drawn with QPainter: card faces, the card back, the empty
// place and the honor-point banknotes. `korvo --init` saves them as the JPEG files the window
// loads; drawing them here means a fresh game directory needs nothing but this program.
// Text is drawn, so a QGuiApplication must exist before any of these are called.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace korvo {

// Card pictures are 73 x 98: a picture box is 77 x 101 and shows the card unscaled at its
// top-left corner, with the table showing around it.
inline constexpr int kCardWidth = 73;
inline constexpr int kCardHeight = 98;
// The honor pictures are 100 x 100 so they fill their image controls exactly.
inline constexpr int kHonorSize = 100;
inline constexpr int kMaxHonorPoints = 12;

// The table's felt green; every picture is painted on it first, since JPEG has no alpha and
// the rounded card corners must blend into the table.
inline const QColor kFeltGreen{0, 128, 0};

// Every picture can be drawn finer for dense screens: at `scale` 2 it has twice the pixels
// each way and shows the same picture.

// rank 1 (ace) .. 13 (king); suitIndex 0 clubs, 1 diamonds, 2 hearts, 3 spades.
// Throws std::invalid_argument outside those ranges. The four-colour face is the same card
// with the signs and indices of its suit in that suit's own colour: spades black, hearts red,
// diamonds blue, clubs green.
QImage cardFace(int rank, int suitIndex, int scale = 1, bool fourColour = false);
QImage cardBack(int scale = 1);
// Where a card used to be: plain felt green.
QImage emptyPlace(int scale = 1);

// A count of honor points, 0 .. 12: a fan of that many banknotes with the count written
// under it; 0 is plain felt. Throws std::invalid_argument outside 0 .. 12.
QImage honorBanknotes(int points, int scale = 1);
// What the four honor boxes show before the first deal: four banknotes fanned out.
QImage startupBanknotes(int scale = 1);

// Where the four-colour twin of a drawn face lives: a folder of the game directory that only
// Korvo writes, so that its names cannot meet a player's own pictures: "AS.JPG" ->
// "four-colour/AS.JPG".
QString fourColourName(const QString& face);

// The name of the finer twin of a picture file: "AS.JPG" -> "AS@2x.JPG".
QString finerTwinName(const QString& file);

}  // namespace korvo
