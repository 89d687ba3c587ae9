#include "game/recordfile.h"

#include <gtest/gtest.h>

#include "game/gamedir.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;

std::string standardText() {
  std::string text;
  for (const auto& card : standardDeck()) text += formatCardRecord(card);
  return text;
}

TEST(RecordFile, WriterAndReaderAgree) {
  TempDir dir;
  Deck deck = standardDeck();
  deck[0] = {"Hearts, with a comma", -7, "odd name.JPG"};
  deck[1] = {std::string(2000, 's'), -32768, std::string(2000, 'p')};  // the longest names
  deck[51] = {"", 32767, ""};
  writeCardFile(dir / kCardFile, deck);
  EXPECT_EQ(readCardFile(dir / kCardFile), deck);
  EXPECT_EQ(readFile(dir / kCardFile).substr(0, 42),
            "\"Hearts, with a comma\",-7,\"odd name.JPG\"\r\n");

  writeTotalsFile(dir / kTotalsFile, {3, 0, 12, 1});
  EXPECT_EQ(readFile(dir / kTotalsFile), "3,0,12,1\r\n");
  EXPECT_EQ(readTotalsFile(dir / kTotalsFile), (Wins{3, 0, 12, 1}));
}

TEST(RecordFile, ReaderTakesWhatPeopleWrite) {
  struct Case {
    const char* what;
    std::string text;
  };
  std::string lf = standardText();
  for (std::size_t p; (p = lf.find("\r\n")) != std::string::npos;) lf.replace(p, 2, "\n");
  std::string cr = lf;
  for (char& c : cr) c = c == '\n' ? '\r' : c;
  std::string blanks;
  for (const auto& card : standardDeck()) {
    blanks += "  \"" + card.suit + "\" ,\t" + std::to_string(card.value) + " , \"" + card.picture +
              "\"  \n";
  }
  const std::string full = standardText();
  const Case cases[] = {
      {"LF line ends", lf},
      {"CR line ends", cr},
      {"blanks around fields", blanks},
      {"no line end after the last record", full.substr(0, full.size() - 2)},
      {"a byte-order mark", "\xEF\xBB\xBF" + full},
      {"records after the 52nd are never read", full + "garbage \"\n,,,\n"},
      {"10 MB of records after the 52nd",
       [&] {
         std::string big = full;
         while (big.size() < (10u << 20)) big += full;
         return big;
       }()},
      {"blank lines",
       "\r\n" + full.substr(0, full.find('\n') + 1) + "   \r\n" + full.substr(full.find('\n') + 1)},
  };
  for (const auto& c : cases) {
    TempDir dir;
    writeFile(dir / kCardFile, c.text);
    EXPECT_EQ(readCardFile(dir / kCardFile), standardDeck()) << c.what;
  }
}

// The fault a reader reports: the file, the line (0 for none) and a word of the message.
struct BadFile {
  const char* what;
  std::string text;
  int line;
  const char* fault;
};

void expectFault(const BadFile& c, bool totals) {
  TempDir dir;
  const auto file = dir / (totals ? kTotalsFile : kCardFile);
  writeFile(file, c.text);
  try {
    if (totals) {
      readTotalsFile(file);
    } else {
      readCardFile(file);
    }
    ADD_FAILURE() << c.what << ": accepted";
  } catch (const FileError& e) {
    EXPECT_EQ(e.file(), file) << c.what;
    EXPECT_EQ(e.line(), c.line) << c.what << ": " << e.what();
    EXPECT_NE(std::string(e.what()).find(c.fault), std::string::npos) << c.what << ": " << e.what();
    EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
  }
}

TEST(RecordFile, CardFileFaultsNameFileAndLine) {
  const std::string full = standardText();
  const auto firstLines = [&](int n) {
    std::size_t pos = 0;
    for (int i = 0; i < n; ++i) pos = full.find("\r\n", pos) + 2;
    return full.substr(0, pos);
  };
  const BadFile cases[] = {
      {"empty", "", 0, "no cards"},
      {"51 records", firstLines(51), 52, "only 51 cards"},
      {"a value that is no number", firstLines(6) + "\"♦\",seven,\"7D.JPG\"\r\n", 7,
       "not a whole number"},
      {"a value beyond 16 bits", firstLines(2) + "\"♦\",32768,\"7D.JPG\"\r\n", 3, "outside"},
      {"a quoted value", "\"♦\",\"7\",\"7D.JPG\"\r\n", 1, "not a whole number"},
      {"an unterminated quote", firstLines(9) + "\"♦\",7,\"7D.JPG\r\n", 10, "no closing quote"},
      {"a missing field", firstLines(4) + "\"♦\",7\r\n", 5, "has 2 fields"},
      {"an extra field", "\"♦\",7,\"7D.JPG\",1\r\n", 1, "has 4 fields"},
      {"text after a closing quote", "\"♦\"x,7,\"7D.JPG\"\r\n", 1, "after a closing quote"},
      {"a line a megabyte long", std::string(1 << 20, 'x'), 1, "longer than"},
      // Written back with its quotes, such a record would make a line too long to read.
      {"a suit of 2001 characters", firstLines(1) + std::string(2001, 's') + ",7,7D.JPG\r\n", 2,
       "longer than 2000"},
      {"10 MB of blank lines", std::string(10 << 20, '\n'), (1 << 20) + 1, "over 1 MB"},
      {"a picture", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 1, "has 1 fields"},
      {"a NUL byte in a value", firstLines(3) + std::string("\"♦\",7\0,\"7D.JPG\"\r\n", 17), 4,
       "not a whole number"},
  };
  for (const auto& c : cases) expectFault(c, false);
}

TEST(RecordFile, TotalsFileFaultsNameFileAndLine) {
  const BadFile cases[] = {
      {"empty", "", 0, "empty"},
      {"three counts", "1,2,3\r\n", 1, "holds 3 numbers"},
      {"a word", "\r\n1,two,3,4\r\n", 2, "not a whole number"},
      {"beyond 16 bits", "1,2,3,99999\r\n", 1, "outside"},
      {"an unterminated quote", "\"1,2,3,4\r\n", 1, "no closing quote"},
      {"a NUL byte", std::string("1,2,\0,4\r\n", 9), 1, "not a whole number"},
      {"a picture", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 1, "holds 1 numbers"},
      {"10 MB of blank lines", std::string(10 << 20, '\n'), (1 << 20) + 1, "over 1 MB"},
  };
  for (const auto& c : cases) expectFault(c, true);

  const std::pair<const char*, std::string> accepted[] = {
      {"a byte-order mark, blanks and CR", "\xEF\xBB\xBF 3,\t0 , 12,1\r"},
      {"blank lines, LF and no last line end", "\n \n3,0,12,1"},
  };
  for (const auto& [what, text] : accepted) {
    TempDir dir;
    writeFile(dir / kTotalsFile, text);
    EXPECT_EQ(readTotalsFile(dir / kTotalsFile), (Wins{3, 0, 12, 1})) << what;
  }
}

TEST(RecordFile, MissingFileAndDirectory) {
  TempDir dir;
  EXPECT_THROW(readCardFile(dir / kCardFile), FileError);
  std::filesystem::create_directory(dir / kTotalsFile);
  try {
    readTotalsFile(dir / kTotalsFile);
    ADD_FAILURE() << "a directory was read as totals.txt";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("directory"), std::string::npos) << e.what();
  }
}

TEST(RecordFile, FailedWriteKeepsTheOldFile) {
  TempDir dir;
  writeCardFile(dir / kCardFile, standardDeck());
  const std::string before = readFile(dir / kCardFile);
  // A directory that cannot take a new file, as even root meets it: the temporary file's name
  // is taken by a directory, or the target is a non-empty directory.
  std::filesystem::create_directory(dir / "sub");
  std::filesystem::create_directory(dir / "sub" / kTotalsFile);
  writeFile(dir / "sub" / kTotalsFile / "keep", "x");
  EXPECT_THROW(writeTotalsFile(dir / "sub" / kTotalsFile, {1, 2, 3, 4}), FileError);
  EXPECT_EQ(readFile(dir / "sub" / kTotalsFile / "keep"), "x");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "sub"), {}), 1)
      << "the temporary file was left behind";

  EXPECT_THROW(writeCardFile(dir / "missing-dir" / kCardFile, standardDeck()), FileError);
  EXPECT_EQ(readFile(dir / kCardFile), before);
}

TEST(RecordFile, ReadOnlyDirectoryKeepsTheOldFileByteForByte) {
  TempDir dir;
  writeCardFile(dir / kCardFile, standardDeck());
  const std::string before = readFile(dir / kCardFile);
  Deck other = standardDeck();
  std::swap(other[0], other[1]);
  testing::UnwritableDir locked(dir.path());
  if (!locked.ok()) GTEST_SKIP() << "this file system lets no directory refuse new files";
  EXPECT_THROW(writeCardFile(dir / kCardFile, other), FileError);
  EXPECT_EQ(readFile(dir / kCardFile), before);
}

}  // namespace
}  // namespace korvo
