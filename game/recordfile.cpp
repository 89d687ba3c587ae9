#include "game/recordfile.h"

#include <limits>
#include <optional>
#include <sstream>

namespace korvo {

namespace fs = std::filesystem;

namespace {

// A line longer than this is not a record of the game's files.
constexpr std::size_t kMaxLine = 4096;
// Neither is a suit or a picture name longer than this. Two of them, their quotes, a value and
// the line end still fit in kMaxLine, so every deck the reader takes reads back once written.
constexpr std::size_t kMaxText = 2000;
// A reader gives up after this many bytes without the records it needs: the game's files are
// a few kilobytes, and line numbers stay far from overflowing.
constexpr std::size_t kMaxRead = std::size_t{1} << 20;

// Reads a file line by line; a line ends at LF, CR LF or a lone CR. A UTF-8 byte-order mark
// at the very start is skipped.
class LineReader {
 public:
  LineReader(std::istream& in, const fs::path& file) : in_(in), file_(file) {
    if (in_.peek() == 0xEF) {
      const auto start = in_.tellg();
      char bom[3];
      in_.read(bom, 3);
      if (!(in_.gcount() == 3 && static_cast<unsigned char>(bom[1]) == 0xBB &&
            static_cast<unsigned char>(bom[2]) == 0xBF)) {
        in_.clear();
        in_.seekg(start);
      }
    }
  }

  // The next line without its line end; false at the end of the file.
  bool next(std::string& line) {
    line.clear();
    if (in_.peek() == std::char_traits<char>::eof()) {
      if (in_.bad()) throw FileError(file_, number_ + 1, FileFault::LineUnreadable);
      return false;
    }
    ++number_;
    int c = get();
    while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
      if (line.size() >= kMaxLine) {
        throw FileError(file_, number_, FileFault::LineTooLong, {std::to_string(kMaxLine)});
      }
      line.push_back(static_cast<char>(c));
      c = get();
    }
    if (c == '\r' && in_.peek() == '\n') get();
    if (in_.bad()) throw FileError(file_, number_, FileFault::LineUnreadable);
    return true;
  }

  int number() const { return number_; }

 private:
  int get() {
    if (read_ == kMaxRead && in_.peek() != std::char_traits<char>::eof()) {
      throw FileError(file_, number_, FileFault::FileTooLong);
    }
    ++read_;
    return in_.get();
  }

  std::istream& in_;
  const fs::path& file_;
  int number_ = 0;
  std::size_t read_ = 0;
};

// The whole of a game file. A file over kMaxRead is read only far enough for the line reader
// to see that it goes on.
std::istringstream readWhole(const fs::path& file) {
  return std::istringstream(readWholeFile(file, kMaxRead + 3), std::ios::binary);
}

struct Field {
  std::string text;
  bool quoted = false;
};

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// Splits a record into fields: separated by commas, texts in double quotes, blanks around
// fields skipped.
std::vector<Field> splitFields(const std::string& line, const fs::path& file, int lineNo) {
  std::vector<Field> fields;
  std::size_t pos = 0;
  while (true) {
    while (pos < line.size() && isBlank(line[pos])) ++pos;
    Field field;
    if (pos < line.size() && line[pos] == '"') {
      const auto close = line.find('"', pos + 1);
      if (close == std::string::npos) {
        throw FileError(file, lineNo, FileFault::UnclosedQuote);
      }
      field.text = line.substr(pos + 1, close - pos - 1);
      field.quoted = true;
      pos = close + 1;
      while (pos < line.size() && isBlank(line[pos])) ++pos;
      if (pos < line.size() && line[pos] != ',') {
        throw FileError(file, lineNo, FileFault::TextAfterQuote);
      }
    } else {
      const auto comma = line.find(',', pos);
      const auto end = comma == std::string::npos ? line.size() : comma;
      auto last = end;
      while (last > pos && isBlank(line[last - 1])) --last;
      field.text = line.substr(pos, last - pos);
      if (field.text.find('"') != std::string::npos) {
        throw FileError(file, lineNo, FileFault::QuoteInField);
      }
      pos = end;
    }
    fields.push_back(std::move(field));
    if (pos >= line.size()) break;
    ++pos;  // the comma
  }
  return fields;
}

bool isBlankLine(const std::string& line) {
  for (char c : line) {
    if (!isBlank(c)) return false;
  }
  return true;
}

std::optional<long> parseInteger(const std::string& text) {
  if (text.empty() || text.size() > 12) return std::nullopt;
  std::size_t i = 0;
  bool negative = false;
  if (text[0] == '-' || text[0] == '+') {
    negative = text[0] == '-';
    i = 1;
  }
  if (i == text.size()) return std::nullopt;
  long n = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    n = n * 10 + (text[i] - '0');
  }
  return negative ? -n : n;
}

// A field's text as a message quotes it: its first 40 bytes, control bytes as \xNN, so that a
// NUL or a stray byte of a binary file neither cuts nor garbles the message.
std::string shown(const std::string& text) {
  std::string out;
  for (const char c : text.substr(0, 40)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      const char* hex = "0123456789ABCDEF";
      out += {'\\', 'x', hex[byte >> 4], hex[byte & 0xF]};
    } else {
      out += c;
    }
  }
  return out;
}

// A whole number of a record; `notNumber` and `outOfRange` name the field in the fault.
int16_t integerField(const Field& field, FileFault notNumber, FileFault outOfRange,
                     const fs::path& file, int lineNo) {
  const auto n = field.quoted ? std::nullopt : parseInteger(field.text);
  if (!n) throw FileError(file, lineNo, notNumber, {shown(field.text)});
  if (*n < std::numeric_limits<int16_t>::min() || *n > std::numeric_limits<int16_t>::max()) {
    throw FileError(file, lineNo, outOfRange, {field.text});
  }
  return static_cast<int16_t>(*n);
}

}  // namespace

Deck readCardFile(const fs::path& file) {
  auto in = readWhole(file);
  return readCardFile(in, file);
}

Deck readCardFile(std::istream& in, const fs::path& file) {
  LineReader reader(in, file);
  Deck deck;
  std::string line;
  int count = 0;
  while (count < kDeckSize && reader.next(line)) {
    if (isBlankLine(line)) continue;
    const auto fields = splitFields(line, file, reader.number());
    if (fields.size() != 3) {
      throw FileError(file, reader.number(), FileFault::CardFieldCount,
                      {std::to_string(fields.size())});
    }
    Card& card = deck[static_cast<std::size_t>(count)];
    if (fields[0].text.size() > kMaxText || fields[2].text.size() > kMaxText) {
      throw FileError(file, reader.number(), FileFault::CardTextTooLong,
                      {std::to_string(kMaxText)});
    }
    card.suit = fields[0].text;
    card.value = integerField(fields[1], FileFault::ValueNotNumber, FileFault::ValueOutOfRange,
                              file, reader.number());
    card.picture = fields[2].text;
    ++count;
  }
  if (count < kDeckSize) {
    if (count == 0) throw FileError(file, 0, FileFault::NoCards);
    throw FileError(file, reader.number() + 1, FileFault::CardsMissing, {std::to_string(count)});
  }
  return deck;
}

Wins readTotalsFile(const fs::path& file) {
  auto in = readWhole(file);
  return readTotalsFile(in, file);
}

Wins readTotalsFile(std::istream& in, const fs::path& file) {
  LineReader reader(in, file);
  std::string line;
  while (reader.next(line)) {
    if (isBlankLine(line)) continue;
    const auto fields = splitFields(line, file, reader.number());
    if (fields.size() != kPlayers) {
      throw FileError(file, reader.number(), FileFault::WinCountCount,
                      {std::to_string(fields.size())});
    }
    Wins wins{};
    for (std::size_t k = 0; k < wins.size(); ++k) {
      wins[k] = integerField(fields[k], FileFault::WinCountNotNumber, FileFault::WinCountOutOfRange,
                             file, reader.number());
    }
    return wins;
  }
  throw FileError(file, 0, FileFault::NoWinCounts);
}

std::string formatCardRecord(const Card& card) {
  return "\"" + card.suit + "\"," + std::to_string(card.value) + ",\"" + card.picture + "\"\r\n";
}

std::string formatTotals(const Wins& wins) {
  return std::to_string(wins[0]) + "," + std::to_string(wins[1]) + "," + std::to_string(wins[2]) +
         "," + std::to_string(wins[3]) + "\r\n";
}

void writeCardFile(const fs::path& file, const Deck& deck) {
  std::string contents;
  for (const auto& card : deck) contents += formatCardRecord(card);
  replaceFileAtomically(file, contents);
}

void writeTotalsFile(const fs::path& file, const Wins& wins) {
  replaceFileAtomically(file, formatTotals(wins));
}

}  // namespace korvo
