#include "app/headless.h"

#include <istream>
#include <optional>
#include <ostream>

#include "players/strong.h"

namespace korvo {

namespace {

template <typename T, std::size_t N>
nlohmann::ordered_json list(const std::array<T, N>& arr) {
  auto out = nlohmann::ordered_json::array();
  for (std::size_t i = 1; i < N; ++i) out.push_back(arr[i]);
  return out;
}

constexpr Control kShownControls[] = {
    Control::Text1,     Control::Text2,     Control::Text3,     Control::Text4,
    Control::Picture1,  Control::Picture2,  Control::Picture3,  Control::Picture4,
    Control::Picture5,  Control::Picture6,  Control::Picture7,  Control::Picture8,
    Control::Picture9,  Control::Picture10, Control::Picture11, Control::Picture12,
    Control::Picture13, Control::Picture14, Control::Picture15, Control::Image1,
    Control::Image2,    Control::Image3,    Control::Image4,    Control::Image5,
    Control::total1,    Control::total2,    Control::total3,    Control::total4,
};

const char* moveName(const std::optional<Move>& move) {
  if (!move) return "none";
  switch (move->kind) {
    case Move::Kind::TakePile:
      return "pile";
    case Move::Kind::TakeDiscard:
      return "discard";
    case Move::Kind::Knock:
      return "knock";
    case Move::Kind::Throw:
      return "throw";
    default:
      return "none";
  }
}

nlohmann::ordered_json hintRecord(const Hint& hint) {
  nlohmann::ordered_json h;
  h["move"] = moveName(hint.move);
  h["place"] = hint.move && hint.move->kind == Move::Kind::Throw ? hint.move->place : 0;
  h["words"] = hint.words;
  return h;
}

}  // namespace

std::string clickNameOf(const std::string& line) {
  const auto first = line.find_first_not_of(" \t\r\n");
  if (first == std::string::npos || line[first] == '#') return "";
  const auto last = line.find_last_not_of(" \t\r\n");
  return line.substr(first, last - first + 1);
}

nlohmann::ordered_json clickRecord(const std::string& click, const Game& game,
                                   const ClickResult& result) {
  const GameState& s = game.state();
  nlohmann::ordered_json controls;
  for (Control c : kShownControls) controls[std::string(controlName(c))] = game.table()[c];

  nlohmann::ordered_json state;
  state["deckcard"] = list(s.deckcard);
  state["decksuit"] = list(s.decksuit);
  state["deckvalue"] = list(s.deckvalue);
  state["p1card"] = list(s.p1card);
  state["p2card"] = list(s.p2card);
  state["p3card"] = list(s.p3card);
  state["p4card"] = list(s.p4card);
  state["p1suit"] = list(s.p1suit);
  state["p2suit"] = list(s.p2suit);
  state["p3suit"] = list(s.p3suit);
  state["p4suit"] = list(s.p4suit);
  state["p1value"] = list(s.p1value);
  state["p2value"] = list(s.p2value);
  state["p3value"] = list(s.p3value);
  state["p4value"] = list(s.p4value);
  state["knocked"] = list(s.knocked);
  state["finalturn"] = list(s.finalturn);
  state["honor"] = list(s.honor);
  state["wins"] = list(s.wins);
  state["deckpos"] = s.deckpos;
  state["discardbase"] = s.discardbase;
  state["dealt"] = s.dealt;
  state["turnphase"] = s.turnphase;
  state["pot"] = s.pot;
  state["movetext"] = s.movetext;

  nlohmann::ordered_json record;
  record["click"] = click;
  record["controls"] = std::move(controls);
  record["state"] = std::move(state);
  record["randoms"] = game.random().drawn();
  if (result.error) record["error"] = *result.error;
  return record;
}

int runHeadless(Game& game, std::istream& in, std::ostream& out, std::ostream& err,
                uint64_t hintSeed, StatisticsKeeper* statistics, GameKeeper* keeper) {
  // Counted also for a click stopped by an exception: its rounds were played.
  const auto count = [&] {
    if (!statistics) return;
    if (const auto warning = statistics->record(game.settled()))
      err << "korvo: " << *warning << "\n";
  };
  std::string line;
  while (std::getline(in, line)) {
    const std::string name = clickNameOf(line);
    if (name.empty()) continue;
    ClickResult result;
    std::optional<Hint> hint;
    if (name == "Hint") {
      hint = hintFor(game, hintSeed);
    } else if (const auto control = controlFromName(name)) {
      try {
        result = game.click(*control);
      } catch (const RandomExhausted& e) {
        count();
        err << "korvo: " << e.what() << "\n";
        return 3;
      }
      count();
    } else if (name != "Form1") {
      result.error = "There is no control named \"" + name + "\" on the table.";
    }
    if (keeper) keeper->save();
    // Texts from a hand-made deck file need not be valid UTF-8; they are replaced, not fatal.
    nlohmann::ordered_json record = clickRecord(name, game, result);
    if (hint) record["hint"] = hintRecord(*hint);
    out << record.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
        << std::endl;
  }
  return 0;
}

}  // namespace korvo
