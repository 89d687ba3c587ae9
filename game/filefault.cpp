#include "game/filefault.h"

namespace korvo {

const char* faultPattern(FileFault code) {
  switch (code) {
    case FileFault::CannotOpen:
      return "cannot be opened: %1";
    case FileFault::IsDirectory:
      return "is a directory, not a file";
    case FileFault::NotRegularFile:
      return "is not a regular file (a named pipe or a device); it is not read";
    case FileFault::CannotRead:
      return "cannot be read: %1";
    case FileFault::CannotWrite:
      return "cannot be written: %1";
    case FileFault::WriteFailed:
      return "cannot be written (write): %1";
    case FileFault::FlushFailed:
      return "cannot be written (flush): %1";
    case FileFault::CloseFailed:
      return "cannot be written (close): %1";
    case FileFault::RenameFailed:
      return "cannot be written (rename): %1";
    case FileFault::LineUnreadable:
      return "cannot be read";
    case FileFault::LineTooLong:
      return "is longer than %1 characters";
    case FileFault::FileTooLong:
      return "goes on for over 1 MB; a game file is far smaller";
    case FileFault::UnclosedQuote:
      return "a text in double quotes has no closing quote";
    case FileFault::TextAfterQuote:
      return "unexpected characters after a closing quote";
    case FileFault::QuoteInField:
      return "a double quote in the middle of a field";
    case FileFault::ValueNotNumber:
      return "the value \"%1\" is not a whole number";
    case FileFault::ValueOutOfRange:
      return "the value %1 is outside -32768..32767";
    case FileFault::WinCountNotNumber:
      return "the win count \"%1\" is not a whole number";
    case FileFault::WinCountOutOfRange:
      return "the win count %1 is outside -32768..32767";
    case FileFault::CardFieldCount:
      return "has %n fields; a card needs 3: suit, value, picture file";
    case FileFault::CardTextTooLong:
      return "a suit or picture name is longer than %1 characters";
    case FileFault::NoCards:
      return "holds no cards; a deck needs 52";
    case FileFault::CardsMissing:
      return "missing: the file holds only %n cards; a deck needs 52";
    case FileFault::WinCountCount:
      return "holds %n numbers; it needs the 4 win counts";
    case FileFault::NoWinCounts:
      return "is empty; it needs the 4 win counts";
    case FileFault::EndlessDeck:
      return "the computer players have played %1 turns without ending the round; this deck "
             "cannot end a round";
    case FileFault::GameDirNotMade:
      return "cannot be made a game directory: %1";
    case FileFault::FolderNotMade:
      return "cannot be made: %1";
    case FileFault::PictureNotEncoded:
      return "cannot be written: the picture could not be encoded as JPEG";
    case FileFault::TextNotUtf8:
      return "cannot be written: a text of the deck file is not UTF-8";
    case FileFault::SavedGameTooLarge:
      return "is larger than any saved game (over 1 MB)";
    case FileFault::NotSavedGame:
      return "is not a saved game: %1";
    case FileFault::SavedGameContent:
      return "%1";
    case FileFault::StatisticsTooLarge:
      return "is larger than %1 bytes";
    case FileFault::StatisticsNotJson:
      return "is not JSON (%1)";
    case FileFault::StatisticsNotObject:
      return "is not a JSON object";
    case FileFault::StatisticsNoVersion:
      return "has no version number";
    case FileFault::StatisticsVersion:
      return "is of version %1, not %2";
    case FileFault::StatisticsNoSince:
      return "has no \"since\" date of the form 2026-12-06T22:31:14Z";
    case FileFault::StatisticsNoPlayers:
      return "does not list the four players";
    case FileFault::PlayerNotObject:
      return "player %1 is not a JSON object";
    case FileFault::PlayerNotNamed:
      return "player %1 is not named %2";
    case FileFault::PlayerCountMissing:
      return "player %1 has no \"%2\"";
    case FileFault::PlayerCountNotNumber:
      return "player %1: \"%2\" is not a whole number";
    case FileFault::PlayerCountOutOfRange:
      return "player %1: \"%2\" is %3, not a count from 0 to %4";
    case FileFault::PlayerCountsContradict:
      return "player %1's counts contradict one another";
    case FileFault::GamesPlayedDiffer:
      return "the players have not played the same number of games";
    case FileFault::GamesWonDoNotAddUp:
      return "the games won do not add up to the games played";
    case FileFault::RunsContradictGamesWon:
      return "player 1's runs of games won contradict his games won";
  }
  return "%1";
}

bool isCounted(FileFault code) {
  return code == FileFault::CardFieldCount || code == FileFault::CardsMissing ||
         code == FileFault::WinCountCount;
}

std::string fillFault(const std::string& pattern, const std::vector<std::string>& values) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    std::size_t index = values.size();
    if (pattern[i] == '%' && next == 'n') index = 0;
    if (pattern[i] == '%' && next >= '1' && next <= '9') index = std::size_t(next - '1');
    if (index < values.size()) {
      out += values[index];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace korvo
