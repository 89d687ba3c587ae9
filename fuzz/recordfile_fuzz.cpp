// Feeds arbitrary bytes to both file readers. A reader may accept or reject what it meets, but
// a rejection is a FileError that names the file, with no control byte in its message (it goes
// into a message box whole); anything else thrown, a crash or a sanitizer report is a fault. A
// deck or totals that a reader accepts must come back unchanged after the writer's text of it
// is read again: the game rewrites cardfile.txt at every deal.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "game/recordfile.h"

namespace {

const std::filesystem::path kPath = "fuzz/cardfile.txt";

void check(bool ok, const char* what, const std::string& detail) {
  if (ok) return;
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

template <typename Read, typename Format>
void readAndRoundTrip(const std::string& text, Read read, Format format) {
  std::istringstream in(text);
  try {
    const auto first = read(in);
    std::istringstream again(format(first));
    try {
      check(read(again) == first, "the writer's text reads back differently", text);
    } catch (const korvo::FileError& e) {
      check(false, "the writer's text is rejected", e.what());
    }
  } catch (const korvo::FileError& e) {
    check(e.file() == kPath && std::string(e.what()).find(kPath.string()) != std::string::npos &&
              e.line() >= 0,
          "a FileError that does not name the file and line", e.what());
    for (const char c : e.fault()) {
      check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a control byte in", e.fault());
    }
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
