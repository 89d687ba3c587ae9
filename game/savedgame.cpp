#include "game/savedgame.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>
#include <tuple>
#include <vector>

#include "game/gamedir.h"

namespace korvo {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace {

// A text of the game longer than this is none the deck file can hold.
constexpr std::size_t kMaxText = 4096;
constexpr Value kMaxCard = std::numeric_limits<int16_t>::max();
constexpr Value kMinCard = std::numeric_limits<int16_t>::min();

// A fault found in a saved game; the reader turns it into a FileError naming the file.
struct Fault {
  std::string what;
};

// Every member of GameState under its own name, in the order of the struct, for the writer
// and the reader alike. `f` is called as f(name, member, low, high): the range a number or
// each number of an array may hold.
template <typename State, typename F>
void eachMember(State& s, F&& f) {
  constexpr int kMin16 = std::numeric_limits<int16_t>::min();
  constexpr int kMax16 = std::numeric_limits<int16_t>::max();
  f("deckcard", s.deckcard, 0, 0);
  f("decksuit", s.decksuit, 0, 0);
  f("deckvalue", s.deckvalue, kMinCard, kMaxCard);
  f("filecard", s.filecard, 0, 0);
  f("filesuit", s.filesuit, 0, 0);
  f("filevalue", s.filevalue, kMinCard, kMaxCard);
  // Place 5 of a hand holds a total of three cards, or 50 for a player who is out.
  f("p1card", s.p1card, 0, 0);
  f("p1suit", s.p1suit, 0, 0);
  f("p1value", s.p1value, 3 * kMinCard, 3 * kMaxCard);
  f("p2card", s.p2card, 0, 0);
  f("p2suit", s.p2suit, 0, 0);
  f("p2value", s.p2value, 3 * kMinCard, 3 * kMaxCard);
  f("p3card", s.p3card, 0, 0);
  f("p3suit", s.p3suit, 0, 0);
  f("p3value", s.p3value, 3 * kMinCard, 3 * kMaxCard);
  f("p4card", s.p4card, 0, 0);
  f("p4suit", s.p4suit, 0, 0);
  f("p4value", s.p4value, 3 * kMinCard, 3 * kMaxCard);
  f("evalcard", s.evalcard, 0, 0);
  f("evalsuit", s.evalsuit, 0, 0);
  f("evalvalue", s.evalvalue, 3 * kMinCard, 3 * kMaxCard);
  f("pickcard", s.pickcard, 0, 0);
  f("picksuit", s.picksuit, 0, 0);
  f("pickvalue", s.pickvalue, kMinCard, kMaxCard);
  f("deckpos", s.deckpos, 0, kDeckSize);
  f("shufflekey", s.shufflekey, kMin16, kMax16);
  f("lowkey", s.lowkey, kMin16, kMax16);
  f("movetext", s.movetext, 0, 0);
  f("knocked", s.knocked, 0, 0);
  f("turnphase", s.turnphase, kTakePhase, kClosedPhase);
  f("dealt", s.dealt, 0, 1);
  f("payflag", s.payflag, 0, 0);
  f("finalturn", s.finalturn, 0, 0);
  // A knocker who pays double with one point left ends at -1.
  f("honor", s.honor, -1, 4);
  f("pot", s.pot, 0, 20);
  f("wins", s.wins, 0, kMax16);
  f("discardbase", s.discardbase, 0, kDeckSize);
}

template <typename T>
struct IsArr : std::false_type {};
template <typename T, std::size_t N>
struct IsArr<std::array<T, N>> : std::true_type {};

template <typename T>
Json toJson(const T& member) {
  if constexpr (IsArr<T>::value) {
    auto list = Json::array();
    for (std::size_t i = 1; i < member.size(); ++i) list.push_back(member[i]);  // 1-based
    return list;
  } else {
    return member;
  }
}

// The status marks, and "" before the first deal.
bool isStatus(const std::string& s) {
  return s.empty() || s == kNo || s == kYes || s == kKorvo;
}

void readScalar(const Json& j, const std::string& name, std::string& out, int64_t, int64_t) {
  if (!j.is_string()) throw Fault{name + " is not a text"};
  out = j.get<std::string>();
  if (out.size() > kMaxText) throw Fault{name + " is longer than any text of the game"};
  const bool status =
      name.starts_with("knocked") || name.starts_with("payflag") || name.starts_with("finalturn");
  if (status && !isStatus(out)) throw Fault{name + " \"" + out + "\" is no status"};
}

template <typename Int>
void readScalar(const Json& j, const std::string& name, Int& out, int64_t low, int64_t high) {
  if (!j.is_number_integer()) throw Fault{name + " is not a whole number"};
  const int64_t n = j.is_number_unsigned() && j.get<uint64_t>() > uint64_t(INT64_MAX)
                        ? INT64_MAX
                        : j.get<int64_t>();
  if (n < low || n > high) {
    throw Fault{name + " is " + j.dump() + ", outside " + std::to_string(low) + ".." +
                std::to_string(high)};
  }
  out = static_cast<Int>(n);
}

template <typename T>
void fromJson(const Json& j, const std::string& name, T& member, int64_t low, int64_t high) {
  if constexpr (IsArr<T>::value) {
    if (!j.is_array() || j.size() != member.size() - 1) {
      throw Fault{name + " is not a list of " + std::to_string(member.size() - 1)};
    }
    for (std::size_t i = 1; i < member.size(); ++i) {
      readScalar(j[i - 1], name + "(" + std::to_string(i) + ")", member[i], low, high);
    }
  } else {
    readScalar(j, name, member, low, high);
  }
}

// The members of an object: exactly `names`, no more.
void expectMembers(const Json& j, const std::string& where, const std::vector<std::string>& names) {
  if (!j.is_object()) throw Fault{where + " is not an object"};
  for (const std::string& name : names) {
    if (!j.contains(name)) throw Fault{where + " has no member \"" + name + "\""};
  }
  for (const auto& [key, value] : j.items()) {
    if (std::find(names.begin(), names.end(), key) == names.end()) {
      throw Fault{where + " has a member \"" + key + "\" that no saved game has"};
    }
  }
}

std::vector<std::string> stateNames() {
  std::vector<std::string> names;
  GameState s;
  eachMember(s, [&](const char* name, auto&, int64_t, int64_t) { names.push_back(name); });
  names.push_back("seen");
  return names;
}

std::vector<std::string> controlNames() {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    names.emplace_back(controlName(static_cast<Control>(i)));
  }
  return names;
}

// What the seats saw of the discard pile since the deal: [how, player, picture, suit, value].
constexpr const char* kSightings[] = {"turned up", "thrown", "taken back"};
// The players' messages by their kinds, in the order of Message::Kind.
constexpr const char* kMessageKinds[] = {
    "your turn",      "took pile", "took discard", "knock", "show cards",  "korvo",
    "everybody pays", "pays",      "pays double",  "out",   "out at deal", "wins the game"};
static_assert(std::size(kMessageKinds) == static_cast<std::size_t>(Message::Kind::WinsTheGame) + 1);

void readSeen(const Json& j, std::vector<Sighting>& seen) {
  // A round's turns are far fewer; the bound of the file's size bounds this too.
  if (!j.is_array()) throw Fault{"seen is not a list"};
  for (std::size_t i = 0; i < j.size(); ++i) {
    const std::string name = "seen(" + std::to_string(i + 1) + ")";
    const Json& e = j[i];
    if (!e.is_array() || e.size() != 5 || !e[0].is_string()) {
      throw Fault{name + " is not how, player, picture, suit, value"};
    }
    Sighting s;
    const auto kind =
        std::find(std::begin(kSightings), std::end(kSightings), e[0].get<std::string>());
    if (kind == std::end(kSightings)) throw Fault{name + " " + e[0].dump() + " is no sighting"};
    s.kind = static_cast<Sighting::Kind>(kind - std::begin(kSightings));
    readScalar(e[1], name, s.player, 0, kPlayers);
    readScalar(e[2], name, s.card.picture, 0, 0);
    readScalar(e[3], name, s.card.suit, 0, 0);
    readScalar(e[4], name, s.card.value, kMinCard, kMaxCard);
    seen.push_back(std::move(s));
  }
}

using CardId = std::tuple<std::string, std::string, Value>;

// The cards of a round under way: places 1..3 of every player still in, the discard pile and
// the draw pile (discardbase..52). While player 1 must throw a card away, the card he took
// lies both at deckpos and in his place 4: it is counted once, from the hand.
std::vector<CardId> cardsInPlay(GameState& st) {
  const bool holding = st.turnphase == kDiscardPhase;
  std::vector<CardId> in;
  for (int k = 1; k <= kPlayers; ++k) {
    if (st.honor[k] < 1) continue;
    const HandRef hand = st.hand(k);
    for (int place = 1; place <= (k == 1 && holding ? 4 : 3); ++place) {
      in.emplace_back(hand.card[place], hand.suit[place], hand.value[place]);
    }
  }
  for (int pos = st.discardbase; pos <= kDeckSize; ++pos) {
    if (!holding || pos != st.deckpos) {
      in.emplace_back(st.deckcard[pos], st.decksuit[pos], st.deckvalue[pos]);
    }
  }
  std::sort(in.begin(), in.end());
  return in;
}

std::string cardName(const CardId& card) {
  return std::get<0>(card) + " (" + std::get<1>(card) + " " + std::to_string(std::get<2>(card)) +
         ")";
}

// What the rules never leave behind between two clicks.
void checkPosition(GameState st, const Table& table, const std::optional<Deck>& deck) {
  bool anyoneIn = false;
  int sum = st.pot;
  for (int k = 1; k <= kPlayers; ++k) {
    anyoneIn = anyoneIn || st.honor[k] >= 1;
    sum += st.honor[k];
  }
  if (anyoneIn && sum != 16) {
    throw Fault{"the honor points and the pot add up to " + std::to_string(sum) + ", not 16"};
  }
  if (st.discardbase > st.deckpos) throw Fault{"discardbase lies above deckpos"};
  const bool holding = st.turnphase == kDiscardPhase;
  if (st.turnphase == kClosedPhase && st.knocked[1] != kYes && st.honor[1] >= 1) {
    throw Fault{"turnphase is 2 while Pell has neither knocked nor gone out"};
  }
  if (st.dealt == 0) {
    if (holding) throw Fault{"turnphase is 1 while no round is under way"};
    return;
  }
  // A round under way waits for player 1, who is in and may act.
  if (st.honor[1] < 1 || st.turnphase == kClosedPhase) {
    throw Fault{"a round is under way but Pell can make no move"};
  }
  if (st.discardbase < 1) throw Fault{"a round is under way without a discard pile"};
  const std::string& place4 = table[Control::Picture4];
  const bool shown = !place4.empty() && place4 != kEmptyPlace;
  if (holding != shown || (holding && place4 != st.p1card[4])) {
    throw Fault{"Pell's fourth card place does not match turnphase " +
                std::to_string(st.turnphase)};
  }
  const std::vector<CardId> in = cardsInPlay(st);
  const auto twice = std::adjacent_find(in.begin(), in.end());
  if (!deck) {
    if (twice != in.end()) throw Fault{"the card " + cardName(*twice) + " is in play twice"};
    if (in.size() != static_cast<std::size_t>(kDeckSize)) {
      throw Fault{"a round is under way with " + std::to_string(in.size()) +
                  " cards in play, not " + std::to_string(kDeckSize)};
    }
    return;
  }
  std::vector<CardId> want;
  for (const Card& r : *deck) want.emplace_back(r.picture, r.suit, r.value);
  std::sort(want.begin(), want.end());
  if (in == want) return;
  // Name the first card that differs.
  std::vector<CardId> extra, missing;
  std::set_difference(in.begin(), in.end(), want.begin(), want.end(), std::back_inserter(extra));
  std::set_difference(want.begin(), want.end(), in.begin(), in.end(), std::back_inserter(missing));
  if (!extra.empty()) {
    const bool inDeck = std::binary_search(want.begin(), want.end(), extra.front());
    throw Fault{"the card " + cardName(extra.front()) +
                (inDeck ? " is in play more often than the deck file holds it"
                        : " is in play but not in the deck file")};
  }
  throw Fault{"the card " + cardName(missing.front()) +
              " of the deck file is missing from the play"};
}

// The records of the four message boxes' texts (read before), each none or kind, player and
// the card thrown, so that a resumed window words them in the player's language again.
void readMessages(const Json& j, Table& table) {
  if (!j.is_array() || j.size() != kPlayers) throw Fault{"messages is not a list of four"};
  for (int k = 1; k <= kPlayers; ++k) {
    const Json& e = j[static_cast<std::size_t>(k - 1)];
    if (e.is_null()) continue;
    const std::string name = "messages(" + std::to_string(k) + ")";
    if (!e.is_array() || e.size() != 3 || !e[0].is_string()) {
      throw Fault{name + " is not kind, player, card thrown"};
    }
    const auto kind =
        std::find(std::begin(kMessageKinds), std::end(kMessageKinds), e[0].get<std::string>());
    if (kind == std::end(kMessageKinds)) throw Fault{name + " is no message"};
    Message message{static_cast<Message::Kind>(kind - std::begin(kMessageKinds))};
    readScalar(e[1], name, message.player, 1, kPlayers);
    if (!e[2].is_null()) {
      if (!e[2].is_array() || e[2].size() != 3)
        throw Fault{name + " has no card picture, suit, value"};
      Card card;
      readScalar(e[2][0], name, card.picture, 0, 0);
      readScalar(e[2][1], name, card.suit, 0, 0);
      readScalar(e[2][2], name, card.value, kMinCard, kMaxCard);
      message.thrown = std::move(card);
    }
    const Control box = textBox(k);
    table.say(box, table[box], std::move(message));
  }
}

// A member's value as a message shows it: a number or a short text as written, an array or an
// object by its kind alone, so that neither a deeply nested value (printing it would recurse
// once per level) nor a long one goes into the message whole.
std::string shown(const Json& value) {
  if (value.is_structured()) return std::string("an ") + value.type_name();
  std::string text = value.dump();
  constexpr std::size_t kMaxShown = 40;
  if (text.size() <= kMaxShown) return text;
  std::size_t cut = kMaxShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut) + "...";
}

SavedGame parse(const std::string& text, const std::optional<Deck>& deck) {
  // A saved game nests four levels deep. A value nested far deeper is refused while it is read,
  // before it is built: copying or printing one recurses once per level, and a file of a
  // megabyte of brackets would overflow the stack.
  constexpr int kMaxNesting = 16;
  Json j;
  try {
    j = Json::parse(text, [](int depth, Json::parse_event_t, Json&) {
      if (depth > kMaxNesting) {
        throw Fault{"is not a saved game of Korvo (nested more than " +
                    std::to_string(kMaxNesting) + " levels deep)"};
      }
      return true;
    });
  } catch (const Json::parse_error& e) {
    throw Fault{"is not JSON (byte " + std::to_string(e.byte) + ")"};
  }
  if (!j.is_object() || !j.contains("version")) throw Fault{"is not a saved game of Korvo"};
  if (j["version"] != kSavedGameVersion) {
    throw Fault{"is of version " + shown(j["version"]) + "; this Korvo reads version " +
                std::to_string(kSavedGameVersion)};
  }
  expectMembers(j, "the saved game",
                {"version", "opponents", "random", "totals_pending", "state", "controls",
                 "messages", "cardfile"});
  SavedGame saved;
  const Json& opponents = j["opponents"];
  if (opponents != "classic" && opponents != "strong") {
    throw Fault{"opponents " + shown(opponents) + " is neither \"classic\" nor \"strong\""};
  }
  saved.opponents = opponents.get<std::string>();
  const Json& random = j["random"];
  expectMembers(random, "random", {"drawn", "generator"});
  if (!random["drawn"].is_number_unsigned()) throw Fault{"random.drawn is not a count"};
  saved.drawn = random["drawn"].get<uint64_t>();
  if (!random["generator"].is_string()) throw Fault{"random.generator is not a text"};
  saved.generator = random["generator"].get<std::string>();
  if (!saved.generator.empty() && !SeededRandom(0).setGeneratorState(saved.generator)) {
    throw Fault{"random.generator is not the state of the game's generator"};
  }
  if (!j["totals_pending"].is_boolean()) throw Fault{"totals_pending is not true or false"};
  saved.totalsPending = j["totals_pending"].get<bool>();

  const Json& state = j["state"];
  expectMembers(state, "state", stateNames());
  eachMember(saved.state, [&](const char* name, auto& member, int64_t low, int64_t high) {
    fromJson(state[name], name, member, low, high);
  });
  readSeen(state["seen"], saved.state.seen);
  const Json& controls = j["controls"];
  expectMembers(controls, "controls", controlNames());
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    std::string shown;
    readScalar(controls[std::string(controlName(c))], std::string(controlName(c)), shown, 0, 0);
    saved.table.setText(c, std::move(shown));
  }
  readMessages(j["messages"], saved.table);
  const Json& cardfile = j["cardfile"];
  if (!cardfile.is_array() || (!cardfile.empty() && cardfile.size() != kDeckSize)) {
    throw Fault{"cardfile is not a list of 52 cards"};
  }
  if (!cardfile.empty()) {
    saved.cardfile.emplace();
    for (std::size_t i = 0; i < cardfile.size(); ++i) {
      const Json& card = cardfile[i];
      const std::string name = "cardfile(" + std::to_string(i + 1) + ")";
      if (!card.is_array() || card.size() != 3) throw Fault{name + " is not suit, value, picture"};
      Card& record = (*saved.cardfile)[i];
      readScalar(card[0], name, record.suit, 0, 0);
      readScalar(card[1], name, record.value, kMinCard, kMaxCard);
      readScalar(card[2], name, record.picture, 0, 0);
    }
  }
  checkPosition(saved.state, saved.table, deck);
  return saved;
}

}  // namespace

SavedGame savedGameOf(const Game& game, const Random& random, const std::string& opponents,
                      const std::optional<Deck>& cardfile) {
  SavedGame saved;
  saved.cardfile = cardfile;
  saved.state = game.state();
  saved.table = game.table();
  saved.totalsPending = game.totalsPending();
  saved.opponents = opponents;
  saved.drawn = random.drawn();
  if (const auto* seeded = dynamic_cast<const SeededRandom*>(&random)) {
    saved.generator = seeded->generatorState();
  }
  return saved;
}

std::string formatSavedGame(const SavedGame& saved, const fs::path& file) {
  Json state;
  eachMember(saved.state, [&](const char* name, const auto& member, int64_t, int64_t) {
    state[name] = toJson(member);
  });
  auto seen = Json::array();
  for (const Sighting& s : saved.state.seen) {
    seen.push_back({kSightings[static_cast<std::size_t>(s.kind)], s.player, s.card.picture,
                    s.card.suit, s.card.value});
  }
  state["seen"] = std::move(seen);
  Json controls;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    controls[std::string(controlName(c))] = saved.table[c];
  }
  auto messages = Json::array();
  for (int k = 1; k <= kPlayers; ++k) {
    const std::optional<Message>& m = saved.table.message(textBox(k));
    if (!m) {
      messages.push_back(nullptr);
      continue;
    }
    Json thrown = nullptr;
    if (m->thrown) thrown = Json::array({m->thrown->picture, m->thrown->suit, m->thrown->value});
    messages.push_back(
        Json::array({kMessageKinds[static_cast<std::size_t>(m->kind)], m->player, thrown}));
  }
  Json j;
  j["version"] = kSavedGameVersion;
  j["opponents"] = saved.opponents;
  j["random"] = {{"drawn", saved.drawn}, {"generator", saved.generator}};
  j["totals_pending"] = saved.totalsPending;
  j["state"] = std::move(state);
  j["controls"] = std::move(controls);
  j["messages"] = std::move(messages);
  auto deck = Json::array();
  if (saved.cardfile) {
    for (const Card& card : *saved.cardfile) deck.push_back({card.suit, card.value, card.picture});
  }
  j["cardfile"] = std::move(deck);
  try {
    return j.dump() + "\n";
  } catch (const Json::type_error&) {
    throw FileError(file, 0, FileFault::TextNotUtf8);
  }
}

SavedGame parseSavedGame(const std::string& text, const std::optional<Deck>& deck,
                         const fs::path& file) {
  try {
    return parse(text, deck);
  } catch (const Fault& fault) {
    throw FileError(file, 0, FileFault::SavedGameContent, {fault.what});
  } catch (const Json::exception& e) {
    // A member of another type than the reader expects, caught by the library.
    throw FileError(file, 0, FileFault::NotSavedGame, {e.what()});
  }
}

namespace {

std::optional<Deck> readDeckIfAny(const fs::path& file) {
  try {
    return readCardFile(file);
  } catch (const FileError&) {
    return std::nullopt;  // the deck file's own fault shows at the next deal
  }
}

}  // namespace

GameKeeper::GameKeeper(Game& game, Random& random, std::string opponents, Warn warn, Writes writes)
    : game_(game), random_(random), opponents_(std::move(opponents)), warn_(std::move(warn)) {
  cardfile_ = readDeckIfAny(game_.dir() / kCardFile);
  cardfileRounds_ = game_.stats().rounds;
  last_ = savedGameOf(game_, random_, opponents_, cardfile_);
  // Started last, so that nothing above can throw with a thread running.
  if (writes == Writes::Background) writer_ = std::thread([this] { writeLoop(); });
}

GameKeeper::Resumed GameKeeper::resume() {
  const fs::path path = file();
  Resumed result;
  try {
    // No saved game is the usual start, not a fault.
    const std::optional<std::string> read = readWholeFileIfPresent(path, kMaxSavedGameBytes);
    if (!read) return result;
    const std::string& text = *read;
    if (text.size() > kMaxSavedGameBytes) {
      throw FileError(path, 0, FileFault::SavedGameTooLarge);
    }
    SavedGame saved = parseSavedGame(text, cardfile_, path);
    // The same cards in another order: a deal rewrote the deck and the run ended before the
    // game was kept. The deck goes back to the order the kept game dealt from.
    if (cardfile_ && saved.cardfile && *cardfile_ != *saved.cardfile &&
        std::is_permutation(cardfile_->begin(), cardfile_->end(), saved.cardfile->begin())) {
      try {
        writeCardFile(game_.dir() / kCardFile, *saved.cardfile);
        cardfile_ = saved.cardfile;
      } catch (const FileError&) {
        // A deck that cannot be written shows at the next deal; the game goes on.
      }
    }
    game_.restore(saved.state, saved.table, saved.totalsPending);
    random_.resumeAt(saved.drawn);
    if (auto* seeded = dynamic_cast<SeededRandom*>(&random_); seeded && !saved.generator.empty()) {
      seeded->setGeneratorState(saved.generator);
    }
    opponents_ = saved.opponents;
    last_ = std::move(saved);
    result.resumed = true;
  } catch (const FileError& e) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(path, ec))) return result;  // removed while being read
    const std::error_code kept = setAside(path, game_.dir() / kSavedGameBackup);
    result.setAside = !kept;
    // What could not be set aside is not overwritten either: it stays for the player to look at.
    blocked_ = !result.setAside;
    result.refused =
        std::string(e.what()) + (kept ? " It could not be set aside either (" + kept.message() +
                                            "); the game of this run is not saved."
                                      : " It is kept as " + std::string(kSavedGameBackup) + ".");
  }
  removeStaleTemporaries(path);
  return result;
}

void GameKeeper::save() {
  if (blocked_) return;
  if (game_.stats().rounds != cardfileRounds_) {
    cardfile_ = readDeckIfAny(game_.dir() / kCardFile);
    cardfileRounds_ = game_.stats().rounds;
  }
  // The same numbers drawn means the same generator state, which is not looked at then.
  if (game_.state() == last_.state && game_.table() == last_.table &&
      random_.drawn() == last_.drawn && game_.totalsPending() == last_.totalsPending &&
      cardfile_ == last_.cardfile && opponents_ == last_.opponents) {
    return;
  }
  last_ = savedGameOf(game_, random_, opponents_, cardfile_);
  if (!writer_.joinable()) return write(last_);
  {
    const std::lock_guard lock(mutex_);
    waiting_ = last_;
  }
  wake_.notify_one();
}

void GameKeeper::setOpponents(std::string name) {
  opponents_ = std::move(name);
  save();
}

void GameKeeper::write(const SavedGame& saved) {
  // One flush, of the data: once the rename is done a kill loses nothing, and the flush before
  // it keeps a power cut from leaving an empty file under the name. The directory is not
  // flushed: a power cut may bring back the game of a click before, never a broken one.
  try {
    replaceFileAtomically(file(), formatSavedGame(saved, file()), Flush::Data);
    ++writes_;
  } catch (const FileError& e) {
    if (!warned_.exchange(true)) {
      warn_(std::string(e.what()) + "; the game goes on but will not resume where it stands");
    }
  }
}

void GameKeeper::writeLoop() {
  std::unique_lock lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return waiting_ || closing_; });
    if (!waiting_) return;
    const SavedGame saved = std::move(*waiting_);
    waiting_.reset();
    lock.unlock();
    write(saved);
    lock.lock();
  }
}

GameKeeper::~GameKeeper() {
  if (!writer_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    closing_ = true;
  }
  wake_.notify_one();
  writer_.join();
}

}  // namespace korvo
