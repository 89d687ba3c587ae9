#include "window/faultwords.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace korvo {

namespace {

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "FILE: FAULT" or "FILE, line N: FAULT", as the engine writes it.
QString where(const FileError& error, const QString& fault) {
  const QString file = fromUtf8(error.file().string());
  if (error.line() > 0) {
    return FaultWords::tr("%1, line %2: %3", "a file, a line of it, and what is wrong there")
        .arg(file, QString::number(error.line()), fault);
  }
  return FaultWords::tr("%1: %2", "a file and what is wrong with it").arg(file, fault);
}

}  // namespace

// The sentence of a code with its placeholders, and the count that a counted one's %n shows.
QString FaultWords::pattern(FileFault code, int count) {
  switch (code) {
    case FileFault::CannotOpen:
      return tr("cannot be opened: %1", "a file; %1 is the system's reason");
    case FileFault::IsDirectory:
      return tr("is a directory, not a file");
    case FileFault::NotRegularFile:
      return tr("is not a regular file (a named pipe or a device); it is not read");
    case FileFault::CannotRead:
      return tr("cannot be read: %1", "a file; %1 is the system's reason");
    case FileFault::CannotWrite:
      return tr("cannot be written: %1", "a file; %1 is the system's reason");
    case FileFault::WriteFailed:
      return tr("cannot be written (write): %1",
                "writing the new file's data failed; %1 is the system's reason");
    case FileFault::FlushFailed:
      return tr("cannot be written (flush): %1",
                "flushing the new file to the disk failed; %1 is the system's reason");
    case FileFault::CloseFailed:
      return tr("cannot be written (close): %1",
                "closing the new file failed; %1 is the system's reason");
    case FileFault::RenameFailed:
      return tr("cannot be written (rename): %1",
                "putting the new file in the old one's place failed; %1 is the reason");
    case FileFault::LineUnreadable:
      return tr("cannot be read", "a line of a file");
    case FileFault::LineTooLong:
      return tr("is longer than %1 characters", "a line of a file");
    case FileFault::FileTooLong:
      return tr("goes on for over 1 MB; a game file is far smaller", "a file");
    case FileFault::UnclosedQuote:
      return tr("a text in double quotes has no closing quote");
    case FileFault::TextAfterQuote:
      return tr("unexpected characters after a closing quote");
    case FileFault::QuoteInField:
      return tr("a double quote in the middle of a field");
    case FileFault::ValueNotNumber:
      return tr("the value \"%1\" is not a whole number", "of a card in the deck file");
    case FileFault::ValueOutOfRange:
      return tr("the value %1 is outside -32768..32767", "of a card in the deck file");
    case FileFault::WinCountNotNumber:
      return tr("the win count \"%1\" is not a whole number");
    case FileFault::WinCountOutOfRange:
      return tr("the win count %1 is outside -32768..32767");
    case FileFault::CardFieldCount:
      return tr("has %n fields; a card needs 3: suit, value, picture file",
                "a line of the deck file", count);
    case FileFault::CardTextTooLong:
      return tr("a suit or picture name is longer than %1 characters");
    case FileFault::NoCards:
      return tr("holds no cards; a deck needs 52", "the deck file");
    case FileFault::CardsMissing:
      return tr("missing: the file holds only %n cards; a deck needs 52", "a line of the deck file",
                count);
    case FileFault::WinCountCount:
      return tr("holds %n numbers; it needs the 4 win counts", "a line of the tally file", count);
    case FileFault::NoWinCounts:
      return tr("is empty; it needs the 4 win counts", "the tally file");
    case FileFault::EndlessDeck:
      return tr(
          "the computer players have played %1 turns without ending the round; this deck "
          "cannot end a round");
    case FileFault::GameDirNotMade:
      return tr("cannot be made a game directory: %1", "%1 is the system's reason");
    case FileFault::FolderNotMade:
      return tr("cannot be made: %1", "a folder; %1 is the system's reason");
    case FileFault::PictureNotEncoded:
      return tr("cannot be written: the picture could not be encoded as JPEG");
    case FileFault::TextNotUtf8:
      return tr("cannot be written: a text of the deck file is not UTF-8", "the saved game");
    case FileFault::SavedGameTooLarge:
      return tr("is larger than any saved game (over 1 MB)");
    case FileFault::NotSavedGame:
      return tr("is not a saved game: %1", "%1 is the JSON reader's reason, in English");
    case FileFault::SavedGameContent:
      // What is wrong inside a saved game, naming its members: never shown in the window, which
      // only says that the saved game could not be used.
      return QStringLiteral("%1");
    case FileFault::StatisticsTooLarge:
      return tr("is larger than %1 bytes", "the statistics file");
    case FileFault::StatisticsNotJson:
      return tr("is not JSON (%1)", "the statistics file; %1 is the JSON reader's reason");
    case FileFault::StatisticsNotObject:
      return tr("is not a JSON object", "the statistics file");
    case FileFault::StatisticsNoVersion:
      return tr("has no version number", "the statistics file");
    case FileFault::StatisticsVersion:
      return tr("is of version %1, not %2", "the statistics file");
    case FileFault::StatisticsNoSince:
      return tr("has no \"since\" date of the form 2026-12-06T22:31:14Z",
                "the statistics file; \"since\" is the name of a member of the file");
    case FileFault::StatisticsNoPlayers:
      return tr("does not list the four players", "the statistics file");
    case FileFault::PlayerNotObject:
      return tr("player %1 is not a JSON object", "%1 is the player's number");
    case FileFault::PlayerNotNamed:
      return tr("player %1 is not named %2", "%1 is the player's number, %2 his name");
    case FileFault::PlayerCountMissing:
      return tr("player %1 has no \"%2\"",
                "%1 is the player's number, %2 the name of a member of the statistics file");
    case FileFault::PlayerCountNotNumber:
      return tr("player %1: \"%2\" is not a whole number",
                "%1 is the player's number, %2 the name of a member of the statistics file");
    case FileFault::PlayerCountOutOfRange:
      return tr("player %1: \"%2\" is %3, not a count from 0 to %4",
                "%1 is the player's number, %2 the name of a member of the statistics file");
    case FileFault::PlayerCountsContradict:
      return tr("player %1's counts contradict one another", "%1 is the player's number");
    case FileFault::GamesPlayedDiffer:
      return tr("the players have not played the same number of games");
    case FileFault::GamesWonDoNotAddUp:
      return tr("the games won do not add up to the games played");
    case FileFault::RunsContradictGamesWon:
      return tr("player 1's runs of games won contradict his games won");
  }
  return QStringLiteral("%1");
}

QString FaultWords::systemError(int errorNumber, const std::string& given) {
  switch (errorNumber) {
    case ENOENT:
      return tr("No such file or directory");
    case EACCES:
      return tr("Permission denied");
    case EPERM:
      return tr("Operation not permitted");
    case ENOSPC:
      return tr("No space left on device");
    case EDQUOT:
      return tr("Disk quota exceeded");
    case EROFS:
      return tr("Read-only file system");
    case ENOTDIR:
      return tr("Not a directory");
    case EIO:
      return tr("Input/output error");
    default:
      return fromUtf8(given);
  }
}

QString FaultWords::fault(const FileError& error) {
  std::vector<std::string> values = error.values();
  if (error.systemError() != 0 && !values.empty()) {
    values.back() = systemError(error.systemError(), values.back()).toStdString();
  }
  const int count = isCounted(error.code()) && !values.empty() ? std::stoi(values.front()) : -1;
  return fromUtf8(fillFault(pattern(error.code(), count).toStdString(), values));
}

QString FaultWords::text(const FileError& error) {
  return where(error, fault(error));
}

QString FaultWords::winCountsKept(const FileError& error) {
  return text(error) + tr(" The win counts are kept and will be saved at the next deal.",
                          "follows the fault of the tally file, after its full stop");
}

QString FaultWords::statisticsRefused(const StatisticsRefused& refused) {
  const QString backup = fromUtf8(refused.backup);
  if (refused.renameError != 0) {
    return where(refused.fault,
                 tr("%1, and it cannot be renamed %2 (%3); the statistics of this run are not "
                    "saved.",
                    "%1 is what is wrong with the statistics file, %3 the system's reason")
                     .arg(fault(refused.fault), backup,
                          systemError(refused.renameError, std::strerror(refused.renameError))));
  }
  return where(refused.fault, tr("%1; it is kept as %2 and the statistics start afresh.",
                                 "%1 is what is wrong with the statistics file")
                                  .arg(fault(refused.fault), backup));
}

}  // namespace korvo
