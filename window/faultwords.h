// The faults of the game's files in the player's language, built from the engine's fault codes
// and their values, never from its English sentences.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "game/safefile.h"
#include "game/statistics.h"

namespace korvo {

class FaultWords {
  Q_DECLARE_TR_FUNCTIONS(korvo::FaultWords)

 public:
  // What is wrong, as FileError::fault() says it in English letter for letter.
  static QString fault(const FileError& error);
  // The whole message, file and line first, as FileError::what() says it in English.
  static QString text(const FileError& error);
  // Win counts that could not be saved at the end of a game and are kept for the next deal.
  static QString winCountsKept(const FileError& error);
  // A statistics file that could not be used, as StatisticsRefused::text() says it in English.
  static QString statisticsRefused(const StatisticsRefused& refused);
  // The system's text of an error number: a common one in the player's language, any other as
  // the system gives it (`given`).
  static QString systemError(int errorNumber, const std::string& given);

 private:
  // The sentence of a code with its placeholders; a counted one's %n shows `count`.
  static QString pattern(FileFault code, int count);
};

}  // namespace korvo
