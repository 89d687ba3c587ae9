// The window's entry point: the table on the screen, or played from a click script and saved
// as a picture with no screen at all.
#pragma once

#include <filesystem>
#include <string>

#include "app/options.h"
#include "game/dirhold.h"

namespace korvo {

// Runs the window in the mode of `options` (Window, or Script / --screenshot) over the game
// directory `gameDir`. Returns the exit status.
int runWindow(int& argc, char** argv, const Options& options, const std::filesystem::path& gameDir);

// The window's answer when its game directory is held by another Korvo: the line of `held` on
// standard error and, where there is a display, a message box in the player's language.
// Returns the exit status, 4.
int reportInUse(int& argc, char** argv, const std::filesystem::path& dir, const DirInUse& held);

// Keeps Qt's own notes for developers (warnings, debug and info lines) off standard error, so
// that it carries only Korvo's messages; QT_LOGGING_RULES, set by a developer, lets them
// through. Qt's critical and fatal messages always go through.
void quietQtMessages();

}  // namespace korvo
