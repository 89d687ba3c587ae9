#include "game/recordfile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include "game/gamedir.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::TempDir;
using testing::writeFile;

std::string standardText() {
  std::string text;
  for (const auto& card : standardDeck()) text += formatCardRecord(card);
  return text;
}

// The format the writer keeps, the golden games show; here the records at the edges of what
// the reader takes (the longest names, the extreme values, a comma in a name) read back.
TEST(RecordFile, WriterAndReaderAgree) {
  TempDir dir;
  Deck deck = standardDeck();
  deck[0] = {"Hearts, with a comma", -32768, std::string(2000, 'p')};
  deck[51] = {std::string(2000, 's'), 32767, ""};
  writeCardFile(dir / kCardFile, deck);
  EXPECT_EQ(readCardFile(dir / kCardFile), deck);
}

// Mixed line ends, blanks, a byte-order mark and text after the 52nd record: the golden game
// odd-files. Records after the 52nd are never read, however long the file goes on.
TEST(RecordFile, TheReaderStopsAtThe52ndRecord) {
  TempDir dir;
  std::string tail = standardText() + "garbage \"\n,,,\n";
  while (tail.size() < (10u << 20)) tail += standardText();
  writeFile(dir / kCardFile, tail);
  EXPECT_EQ(readCardFile(dir / kCardFile), standardDeck());
}

// Each fault names the file, the line (0 for none) and carries a word of the message.
TEST(RecordFile, FaultsNameFileAndLine) {
  const std::string full = standardText();
  const auto lines = [&](int n) {
    std::size_t pos = 0;
    for (int i = 0; i < n; ++i) pos = full.find("\r\n", pos) + 2;
    return full.substr(0, pos);
  };
  const std::string blankLines(10 << 20, '\n');
  const struct {
    bool totals;
    std::string text;
    int line;
    const char* fault;
  } cases[] = {
      {false, "", 0, "no cards"},
      {false, lines(2) + "\"♦\",32768,\"7D.JPG\"\r\n", 3, "outside"},
      {false, "\"♦\",\"7\",\"7D.JPG\"\r\n", 1, "not a whole number"},
      {false, lines(9) + "\"♦\",7,\"7D.JPG\r\n", 10, "no closing quote"},
      {false, lines(4) + "\"♦\",7\r\n", 5, "has 2 fields"},
      {false, "\"♦\"x,7,\"7D.JPG\"\r\n", 1, "after a closing quote"},
      {false, std::string(1 << 20, 'x'), 1, "longer than"},
      // Written back with its quotes, such a suit would make a line too long to read.
      {false, lines(1) + std::string(2001, 's') + ",7,7D.JPG\r\n", 2, "longer than 2000"},
      {false, blankLines, (1 << 20) + 1, "over 1 MB"},
      {false, lines(3) + std::string("\"♦\",7\0,\"7D.JPG\"\r\n", 17), 4, "not a whole number"},
      {true, "", 0, "empty"},
      {true, "\r\n1,two,3,4\r\n", 2, "not a whole number"},
      {true, "1,2,3,99999\r\n", 1, "outside"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    TempDir dir;
    const auto file = dir / (c.totals ? kTotalsFile : kCardFile);
    writeFile(file, c.text);
    try {
      c.totals ? (void)readTotalsFile(file) : (void)readCardFile(file);
      ADD_FAILURE() << "accepted";
    } catch (const FileError& e) {
      const std::string message = e.what();
      EXPECT_EQ(e.file(), file);
      EXPECT_EQ(e.line(), c.line) << message;
      EXPECT_NE(message.find(c.fault), std::string::npos) << message;
      EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    }
  }
}

// A named pipe, a device or a directory in the place of a game file is refused at once, naming
// the file; a reader that waited on the pipe would hang here until the test, after 5 s, writes
// nothing to it and lets it end.
TEST(RecordFile, OnlyRegularFilesAreRead) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / kCardFile).c_str(), 0644), 0);
  std::filesystem::create_symlink("/dev/null", dir / "null.txt");
  std::filesystem::create_directory(dir / kTotalsFile);
  const std::string notRegular = "is not a regular file (a named pipe or a device); it is not read";
  for (const auto& [name, fault] : {std::pair<const char*, std::string>(kCardFile, notRegular),
                                    {"null.txt", notRegular},
                                    {kTotalsFile, "is a directory, not a file"}}) {
    const auto file = dir / name;
    auto message = std::async(std::launch::async, [&file] {
      try {
        (void)readTotalsFile(file);
      } catch (const FileError& e) {
        return std::string(e.what());
      }
      return std::string("read");
    });
    if (message.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
      ADD_FAILURE() << "the reader waits on the pipe";
      ::close(::open(file.c_str(), O_WRONLY | O_NONBLOCK));
    }
    EXPECT_EQ(message.get(), file.string() + ": " + fault);
  }
}

}  // namespace
}  // namespace korvo
