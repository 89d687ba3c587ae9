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

// The format the writer keeps, the golden games show; here the records at the edges of what
// the reader takes (the longest names, the extreme values, a comma in a name) read back.
TEST(RecordFile, WriterAndReaderAgree) {
  testing::TempDir dir;
  Deck deck = standardDeck();
  deck[0] = {std::string(2000, 'p'), "Hearts, with a comma", -32768};
  deck[51] = {"", std::string(2000, 's'), 32767};
  writeCardFile(dir / kCardFile, deck);
  EXPECT_EQ(readCardFile(dir / kCardFile), deck);
}

// Mixed line ends, blanks, a byte-order mark and text after the 52nd record: the golden game
// odd-files. Records after the 52nd are never read, however long the file goes on.
TEST(RecordFile, TheReaderStopsAtThe52ndRecord) {
  testing::TempDir dir;
  std::string deck, tail;
  for (const auto& card : standardDeck()) deck += formatCardRecord(card);
  for (tail = deck + "garbage \"\n,,,\n"; tail.size() < (10u << 20);) tail += deck;
  testing::writeFile(dir / kCardFile, tail);
  EXPECT_EQ(readCardFile(dir / kCardFile), standardDeck());
}

// The faults of a record, each with its line, the golden games reader-* show; here the files
// over 1 MB they cannot carry: a line longer than any record, and blank lines without end.
TEST(RecordFile, FaultsNameFileAndLine) {
  testing::TempDir dir;
  const auto file = dir / kCardFile;
  for (const auto& [text, line, fault] :
       {std::tuple<std::string, int, const char*>(std::string(1 << 20, 'x'), 1, "longer than"),
        {std::string(10 << 20, '\n'), (1 << 20) + 1, "over 1 MB"}}) {
    testing::writeFile(file, text);
    try {
      (void)readCardFile(file);
      ADD_FAILURE() << "accepted";
    } catch (const FileError& e) {
      EXPECT_EQ(e.line(), line) << e.what();
      EXPECT_EQ(std::string(e.what()).find(file.string() + ", line " + std::to_string(line)), 0);
      EXPECT_NE(std::string(e.what()).find(fault), std::string::npos) << e.what();
    }
  }
}

// A named pipe, a device or a directory in the place of a game file is refused at once, naming
// the file; a reader that waited on the pipe would hang here until the test, after 5 s, writes
// nothing to it and lets it end.
TEST(RecordFile, OnlyRegularFilesAreRead) {
  testing::TempDir dir;
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
