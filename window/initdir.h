// `korvo --init DIR`: makes DIR a complete game directory.
#pragma once

#include <filesystem>

namespace korvo {

// Writes cardfile.txt and totals.txt (initGameFiles) and then every picture the game loads
// (the 52 card faces, the card back, the empty place and the honor pictures
// for 0 .. 12 points, their finer twins, and the four-colour faces, initFourColourFaces) as a JPEG,
// each only if no file of that name exists yet: whatever the player put there is kept. Each picture
// is written beside and renamed into place, so a crash never leaves a broken picture. Draws with
// QPainter: uses the running QGuiApplication, or starts an off-screen one for the duration if there
// is none. Throws FileError.
void initGameDir(const std::filesystem::path& dir);

// Draws the four-colour twin (fourColourName) of every face that Korvo drew in DIR, and of its
// finer twin where it has one, each only if missing: a face the player supplied gets none, and
// every existing file is kept. Needs, or starts, a QGuiApplication as initGameDir does.
// Throws FileError.
void initFourColourFaces(const std::filesystem::path& dir);

}  // namespace korvo
