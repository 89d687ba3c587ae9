#include "tests/test_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "game/gamedir.h"

namespace korvo::testing {

namespace fs = std::filesystem;

TempDir::TempDir(const fs::path& base) {
  std::string name = (base / "korvo-test-XXXXXX").string();
  if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot make " + name);
  path_ = name;
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

GameDir::GameDir() {
  initGameFiles(path());
}

UnwritableDir::UnwritableDir(fs::path d) : dir(std::move(d)) {
  if (::geteuid() == 0) {
    immutable = std::system(("chattr +i '" + dir.string() + "' 2>/dev/null").c_str()) == 0;
  } else {
    fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }
  ok = !std::ofstream(dir / ".probe");  // can a file still be made here?
  if (!ok) fs::remove(dir / ".probe");
}

UnwritableDir::~UnwritableDir() {
  if (immutable) {
    (void)!std::system(("chattr -i '" + dir.string() + "'").c_str());
  } else {
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::add);
  }
}

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const fs::path& file, const std::string& contents) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << contents;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(std::move(line));
  return lines;
}

bool holdsTheStandardDeck(const fs::path& file) {
  const Deck read = readCardFile(file), deck = standardDeck();
  return std::is_permutation(read.begin(), read.end(), deck.begin(), deck.end());
}

}  // namespace korvo::testing
