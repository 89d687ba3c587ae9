// Every kind of fault the game finds in one of its files, as a code and the values its sentence
// needs, so that a front end can word the fault in the player's language from the code alone.
#pragma once

#include <string>
#include <vector>

namespace korvo {

// The sentence of each code is faultPattern's; the values fill its %1, %2 ... in order, and a
// counted fault's %n takes its first value, a whole number. A value that comes from the system
// (the error text of a failed open, read or write) is always the last.
enum class FileFault {
  // Opening, reading and replacing a file.
  CannotOpen,      // the system's error text
  IsDirectory,     //
  NotRegularFile,  //
  CannotRead,      // the system's error text
  CannotWrite,     // the system's error text (the temporary file cannot be made)
  WriteFailed,     // the system's error text
  FlushFailed,     // the system's error text
  CloseFailed,     // the system's error text
  RenameFailed,    // the system's error text
  // The lines of the deck and win-count files.
  LineUnreadable,      //
  LineTooLong,         // the longest line
  FileTooLong,         //
  UnclosedQuote,       //
  TextAfterQuote,      //
  QuoteInField,        //
  ValueNotNumber,      // the field as shown
  ValueOutOfRange,     // the field
  WinCountNotNumber,   // the field as shown
  WinCountOutOfRange,  // the field
  CardFieldCount,      // counted: the fields of the line
  CardTextTooLong,     // the longest suit or picture name
  NoCards,             //
  CardsMissing,        // counted: the cards the file holds
  WinCountCount,       // counted: the numbers of the line
  NoWinCounts,         //
  // A deck whose rounds never end.
  EndlessDeck,  // the turns played
  // The game directory, its folders and pictures.
  GameDirNotMade,     // the system's error text
  FolderNotMade,      // the system's error text
  PictureNotEncoded,  //
  // The saved game and the statistics file.
  TextNotUtf8,         //
  SavedGameTooLarge,   //
  NotSavedGame,        // the JSON library's text
  SavedGameContent,    // what is wrong, naming members of the saved game
  StatisticsTooLarge,  // the largest size in bytes
  // What is wrong inside the statistics file.
  StatisticsNotJson,       // the JSON library's text
  StatisticsNotObject,     //
  StatisticsNoVersion,     //
  StatisticsVersion,       // the file's version, the one read
  StatisticsNoSince,       //
  StatisticsNoPlayers,     //
  PlayerNotObject,         // the player's number
  PlayerNotNamed,          // the player's number, his name
  PlayerCountMissing,      // the player's number, the member
  PlayerCountNotNumber,    // the player's number, the member
  PlayerCountOutOfRange,   // the player's number, the member, its value, the largest count
  PlayerCountsContradict,  // the player's number
  GamesPlayedDiffer,       //
  GamesWonDoNotAddUp,      //
  RunsContradictGamesWon,  //
};

inline constexpr int kFileFaultCount = static_cast<int>(FileFault::RunsContradictGamesWon) + 1;

// The English sentence of a code, with its placeholders.
const char* faultPattern(FileFault code);

// Whether the code's first value is a count that its sentence's %n shows.
bool isCounted(FileFault code);

// `pattern` with %1 ... %9 replaced by `values` and %n by the first value, in one pass, so that
// a value holding "%2" is shown as it is.
std::string fillFault(const std::string& pattern, const std::vector<std::string>& values);

}  // namespace korvo
