// The window's entry point: the table on the screen, or played from a click script and saved
// as a picture with no screen at all.
#pragma once

#include <filesystem>

#include "app/options.h"

namespace korvo {

// Runs the window in the mode of `options` (Window, or Script / --screenshot) over the game
// directory `gameDir`. Returns the exit status.
int runWindow(int& argc, char** argv, const Options& options, const std::filesystem::path& gameDir);

}  // namespace korvo
