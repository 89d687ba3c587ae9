// Feeds arbitrary bytes to both file readers. A reader may accept or reject what it meets, but
// a rejection is a FileError that names the file; anything else thrown, a crash or a sanitizer
// report is a fault. A deck or totals that a reader accepts must come back unchanged after the
// writer's text of it is read again: the game rewrites cardfile.txt at every deal.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "game/recordfile.h"

namespace {

const std::filesystem::path kPath = "fuzz/cardfile.txt";

[[noreturn]] void fault(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

void checkError(const korvo::FileError& e) {
  if (e.file() != kPath || std::string(e.what()).find(kPath.string()) == std::string::npos) {
    fault("a FileError that does not name the file", e.what());
  }
  if (e.line() < 0) fault("a FileError with a negative line", e.what());
  // The message goes into a message box whole: a control byte would cut or garble it.
  for (const char c : e.fault()) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) fault("a control byte in", e.fault());
  }
}

template <typename Read, typename Format>
void readAndRoundTrip(const std::string& text, Read read, Format format) {
  std::istringstream in(text);
  decltype(read(in)) first;
  try {
    first = read(in);
  } catch (const korvo::FileError& e) {
    checkError(e);
    return;
  }
  std::istringstream again(format(first));
  try {
    if (read(again) != first) fault("the writer's text reads back differently", text);
  } catch (const korvo::FileError& e) {
    fault("the writer's text is rejected", e.what());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  readAndRoundTrip(
      text, [](std::istream& in) { return korvo::readCardFile(in, kPath); },
      [](const korvo::Deck& deck) {
        std::string out;
        for (const auto& card : deck) out += korvo::formatCardRecord(card);
        return out;
      });
  readAndRoundTrip(
      text, [](std::istream& in) { return korvo::readTotalsFile(in, kPath); }, korvo::formatTotals);
  return 0;
}
