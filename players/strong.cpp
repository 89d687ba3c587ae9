#include "players/strong.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <random>

#include "game/evaluate.h"
#include "game/gamedir.h"
#include "game/spoken.h"
#include "players/pickdiscard.h"
#include "players/roundsim.h"

namespace korvo {

namespace {

uint64_t splitmix(uint64_t& x) {
  uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

// The player's own source of numbers: small, fast and seeded per decision.
class OwnRandom final : public Random {
 public:
  explicit OwnRandom(uint64_t seed) : x_(seed) {}
  uint64_t bits() { return splitmix(x_); }
  // Uniform in 0..n-1.
  int below(int n) { return static_cast<int>((bits() >> 32) * static_cast<uint64_t>(n) >> 32); }

 protected:
  float draw() override { return static_cast<float>(bits() >> 40) * 0x1.0p-24f; }

 private:
  uint64_t x_;
};

// FNV-1a over what the view holds, so that the seat's numbers follow from what it sees.
class ViewHash {
 public:
  void add(uint64_t n) {
    for (int i = 0; i < 8; ++i) byte(static_cast<unsigned char>(n >> (8 * i)));
  }
  void add(const std::string& s) {
    for (const char c : s) byte(static_cast<unsigned char>(c));
    add(s.size());
  }
  void add(const Card& c) {
    add(c.picture);
    add(c.suit);
    add(static_cast<uint64_t>(c.value));
  }
  uint64_t value() const { return h_; }

 private:
  void byte(unsigned char b) { h_ = (h_ ^ b) * 0x100000001b3ULL; }
  uint64_t h_ = 0xcbf29ce484222325ULL;
};

uint64_t hashOf(const SeatView& v) {
  ViewHash h;
  h.add(static_cast<uint64_t>(v.seat));
  h.add(static_cast<uint64_t>(v.phase));
  for (const Card& c : v.hand) h.add(c);
  if (v.taken) h.add(*v.taken);
  h.add(v.takenFromDiscard ? 1u : 0u);
  for (const Card& c : v.discardPile) h.add(c);
  for (const Sighting& s : v.seen) {
    h.add(static_cast<uint64_t>(s.kind) * 8 + static_cast<uint64_t>(s.player));
    h.add(s.card);
  }
  h.add(static_cast<uint64_t>(v.drawPile));
  for (const SeatStatus& p : v.players) {
    h.add(static_cast<uint64_t>(p.call) * 2 + (p.finalTurn ? 1 : 0));
    const int honor = p.honor + 100;  // honor may fall below 0
    h.add(static_cast<uint64_t>(honor));
    h.add(static_cast<uint64_t>(p.wins));
  }
  const int pot = v.pot + 100;
  h.add(static_cast<uint64_t>(pot));
  return h.value();
}

// Everything a decision's simulations share: the card table, the cards whose place the seat
// knows, and the cards it does not.
struct Knowledge {
  SimCards cards;
  std::vector<SimCard> unseen;
  std::array<std::vector<SimCard>, kPlayers + 1> known;  // cards seen going into other hands
  std::array<SimCard, 3> hand{};
  std::optional<SimCard> taken;
  std::vector<SimCard> pile;  // the discard pile, bottom to top
  // How many turns each other player has had this round, as far as the piles tell.
  std::array<int, kPlayers + 1> turns{};
};

// The turns each other player has had since the deal. Every draw from the pile and every take
// of the discard is a turn, and so is a knock; play began with the highest seat still in and
// goes down, so the seats before this one in the order have had one turn more than those after.
std::array<int, kPlayers + 1> turnsSoFar(const SeatView& v) {
  std::vector<int> order;  // the seats still in, in the order they play
  for (int p = kPlayers; p >= 1; --p) {
    if (v.players[static_cast<std::size_t>(p)].honor >= 1) order.push_back(p);
  }
  const int n = static_cast<int>(order.size());
  int done = (kDeckSize - v.drawPile) - (3 * n + 1);
  // The card taken in this turn is not a turn done.
  if (v.phase != SeatView::Phase::Turn) --done;
  for (const Sighting& s : v.seen) {
    if (s.kind == Sighting::Kind::TakenBack) ++done;
  }
  for (const SeatStatus& p : v.players) {
    if (p.call == SeatStatus::Call::Knocked) ++done;
  }
  const int mine = static_cast<int>(std::find(order.begin(), order.end(), v.seat) - order.begin());
  const int passes = std::max((done - mine + n / 2) / std::max(n, 1), 0);
  std::array<int, kPlayers + 1> turns{};
  for (int i = 0; i < n; ++i) turns[static_cast<std::size_t>(order[i])] = passes + (i < mine);
  return turns;
}

Knowledge knowledgeOf(const SeatView& v) {
  Knowledge k;
  // The deck is taken to be the standard one; a card of another deck joins the table as it
  // is seen, and a shortfall of unseen cards is made up from the table when sampling.
  std::vector<int> left;
  for (const Card& c : standardDeck()) {
    k.cards.add(c);
    left.push_back(1);
  }
  const auto idOf = [&](const Card& c) {
    for (std::size_t i = 0; i < k.cards.size(); ++i) {
      if (k.cards.card(static_cast<SimCard>(i)) == c && i < left.size() && left[i] > 0) {
        --left[i];
        return static_cast<SimCard>(i);
      }
    }
    for (std::size_t i = 0; i < k.cards.size(); ++i) {
      if (k.cards.card(static_cast<SimCard>(i)) == c) return static_cast<SimCard>(i);
    }
    return k.cards.size() < 255 ? k.cards.add(c) : SimCard{0};
  };
  for (std::size_t i = 0; i < 3; ++i) k.hand[i] = idOf(v.hand[i]);
  if (v.taken) k.taken = idOf(*v.taken);
  for (const Card& c : v.discardPile) k.pile.push_back(idOf(c));

  // A card taken from the discard pile stays known in that hand until it is thrown again.
  std::array<std::vector<Card>, kPlayers + 1> held;
  for (const Sighting& s : v.seen) {
    if (s.player < 1 || s.player > kPlayers || s.player == v.seat) continue;
    auto& cards = held[static_cast<std::size_t>(s.player)];
    if (s.kind == Sighting::Kind::TakenBack) {
      cards.push_back(s.card);
    } else if (s.kind == Sighting::Kind::Thrown) {
      const auto it = std::find(cards.begin(), cards.end(), s.card);
      if (it != cards.end()) cards.erase(it);
    }
  }
  for (int p = 1; p <= kPlayers; ++p) {
    auto& cards = held[static_cast<std::size_t>(p)];
    if (p == v.seat || v.players[static_cast<std::size_t>(p)].honor < 1) continue;
    const std::size_t first = cards.size() > 3 ? cards.size() - 3 : 0;
    for (std::size_t i = first; i < cards.size(); ++i) {
      k.known[static_cast<std::size_t>(p)].push_back(idOf(cards[i]));
    }
  }
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (left[i] > 0) k.unseen.push_back(static_cast<SimCard>(i));
  }
  k.turns = turnsSoFar(v);
  return k;
}

// One deal of the unseen cards, consistent with the view, as the state a round plays on from.
SimState sampleDeal(const SeatView& v, const Knowledge& k, OwnRandom& rng) {
  std::vector<SimCard> pool = k.unseen;
  for (std::size_t i = pool.size(); i > 1; --i) {
    std::swap(pool[i - 1], pool[static_cast<std::size_t>(rng.below(static_cast<int>(i)))]);
  }
  std::size_t next = 0;
  const auto nextCard = [&]() -> SimCard {
    if (next < pool.size()) return pool[next++];
    return static_cast<SimCard>(rng.below(static_cast<int>(k.cards.size())));
  };

  SimState st;
  st.dealt = true;
  for (int p = 1; p <= kPlayers; ++p) {
    const auto s = static_cast<std::size_t>(p);
    st.honor[s] = static_cast<int16_t>(v.players[s].honor);
    st.wins[s] = static_cast<int16_t>(v.players[s].wins);
    st.call[s] = v.players[s].call;
    st.finalTurn[s] = v.players[s].finalTurn;
    if (p == v.seat) {
      st.hand[s] = k.hand;
    } else if (v.players[s].honor >= 1) {
      std::size_t i = 0;
      for (const SimCard c : k.known[s]) st.hand[s][i++] = c;
      const std::size_t fixed = i;
      for (; i < 3; ++i) st.hand[s][i] = nextCard();
      // A hand that has been played for some turns is better than a fresh one: it has kept
      // the good cards it drew. Its turns are played again by the rules' table for a drawn
      // card, on cards drawn from the unseen ones (a card it lets go goes back among them);
      // the cards known to be in the hand stay.
      auto& h = st.hand[s];
      for (int t = 0; t < k.turns[s] && next < pool.size(); ++t) {
        const std::size_t r =
            next + static_cast<std::size_t>(rng.below(static_cast<int>(pool.size() - next)));
        const Hand hand = {k.cards.card(h[0]), k.cards.card(h[1]), k.cards.card(h[2])};
        const int place = placeForDrawn(hand, simTotal(k.cards, h), k.cards.card(pool[r]));
        if (place == 4 || static_cast<std::size_t>(place - 1) < fixed) continue;
        std::swap(h[static_cast<std::size_t>(place - 1)], pool[r]);
      }
    }
  }
  const int drawPile = std::clamp(v.drawPile, 0, kDeckSize - 1);
  st.deckpos = kDeckSize - drawPile;
  for (int pos = st.deckpos + 1; pos <= kDeckSize; ++pos) {
    st.deck[static_cast<std::size_t>(pos)] = nextCard();
  }
  // The discard pile ends at deckpos, or just under the card taken, which lies at deckpos.
  int top = st.deckpos;
  if (k.taken) st.deck[static_cast<std::size_t>(top--)] = *k.taken;
  const int size = static_cast<int>(k.pile.size());
  st.discardbase = std::max(top - size + 1, 1);
  for (int pos = st.discardbase; pos <= top; ++pos) {
    st.deck[static_cast<std::size_t>(pos)] =
        k.pile[static_cast<std::size_t>(size - (top - pos) - 1)];
  }
  if (size == 0) st.discardbase = st.deckpos;
  return st;
}

// How well a round's end leaves `seat` placed to win the game: a won game counts 1, being out
// 0, otherwise its share of the honor points still in play.
double worth(const SimState& end, const SimState& start, int seat) {
  const auto s = static_cast<std::size_t>(seat);
  if (end.wins[s] > start.wins[s]) return 1.0;
  if (end.honor[s] < 1) return 0.0;
  double all = 0;
  for (int p = 1; p <= kPlayers; ++p)
    all += std::max<int>(end.honor[static_cast<std::size_t>(p)], 0);
  return end.honor[s] / all;
}

}  // namespace

StrongPlayer::StrongPlayer(uint64_t seed, StrongSettings settings)
    : seed_(seed), settings_(settings) {}

Move StrongPlayer::decide(const SeatView& view, Random& chance) {
  return choose(view, chance.drawn());
}

Move StrongPlayer::choose(const SeatView& view, uint64_t drawn) const {
  using K = Move::Kind;
  const std::vector<Move> legal = legalMoves(view);
  // A 31 shown makes everybody else pay at once: nothing played on does better.
  for (const Move& m : legal) {
    if (m.kind == K::Korvo) return m;
  }

  // The candidates, each as the phase and move the round is played on from. Taking the
  // discard is weighed together with the card it makes room for.
  struct Candidate {
    Move move;              // what is chosen now
    SeatView::Phase phase;  // where the simulation starts
    Move played;            // the move it starts with (taking the discard leaves it at
                            // deckpos, as the Throw phase expects)
    double sum = 0;         // of the gains over the usual move, deal by deal
    double squares = 0;     // of their squares
  };
  std::vector<Candidate> candidates;
  for (const Move& m : legal) {
    if (m.kind == K::TakeDiscard) {
      for (int place = 1; place <= 3; ++place) {
        candidates.push_back({m, SeatView::Phase::Throw, {K::Throw, place}});
      }
    } else {
      candidates.push_back({m, view.phase, m});
    }
  }
  if (candidates.size() == 1) return candidates.front().move;

  uint64_t state = seed_ ^ hashOf(view);
  state ^= splitmix(drawn);
  OwnRandom rng(splitmix(state));
  const Knowledge k = knowledgeOf(view);

  std::array<SimSeat, kPlayers + 1> seats{};
  seats[1] = {settings_.guessedM, settings_.guessedA};
  seats[2] = {6, 20};
  seats[3] = {7, 19};
  seats[4] = {6, 18};
  seats[static_cast<std::size_t>(view.seat)] = {0, settings_.knockAbove};

  // The move its own play in the rounds played forward would make now: the one to keep unless
  // another does clearly better on the same deals.
  const Value total = evaluate(view.hand).total;
  Move usual{K::TakePile}, usualPlayed{K::TakePile};
  if (view.phase == SeatView::Phase::Turn) {
    const auto forDiscard = view.discardPile.empty()
                                ? std::nullopt
                                : placeForDiscard(view.hand, view.discardPile.back());
    if (view.othersUnknocked() && static_cast<float>(total) > settings_.knockAbove) {
      usual = usualPlayed = {K::Knock};
    } else if (forDiscard) {
      usual = {K::TakeDiscard};
      usualPlayed = {K::Throw, *forDiscard};
    }
  } else {
    const auto forDiscard =
        view.takenFromDiscard ? placeForDiscard(view.hand, *view.taken) : std::nullopt;
    usual = usualPlayed = {K::Throw,
                           forDiscard ? *forDiscard : placeForDrawn(view.hand, total, *view.taken)};
  }
  std::size_t base = 0;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (candidates[i].move == usual && candidates[i].played == usualPlayed) base = i;
  }

  std::vector<double> worths(candidates.size());
  for (int d = 0; d < settings_.deals; ++d) {
    const SimState start = sampleDeal(view, k, rng);
    const uint64_t playSeed = rng.bits();
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      OwnRandom chance(playSeed);
      RoundSim sim(k.cards, chance, seats);
      sim.st = start;
      sim.playOn(view.seat, candidates[i].phase, candidates[i].played, settings_.maxTurns);
      worths[i] = worth(sim.st, start, view.seat);
    }
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      const double gain = worths[i] - worths[base];
      candidates[i].sum += gain;
      candidates[i].squares += gain * gain;
    }
  }

  // The best candidate, if it beats the usual move by more than chance would on these deals.
  // Knocking or not is weighed with a smaller margin: the rounds that follow the two part at
  // once, so the same deals pair them less closely, and the usual threshold is only a guess.
  // Late in a long round (after its own `patience` turns, or with the draw pile nearly
  // gone, since turning the discard pile over hides how long the round has run) the usual
  // knock stands, so that a table of Strong players still knocks and its rounds end.
  const bool late = k.turns[static_cast<std::size_t>(view.seat)] >= settings_.patience ||
                    view.drawPile < kDeckSize / 4;
  if (late && candidates[base].move.kind == K::Knock) return candidates[base].move;
  const double n = settings_.deals;
  const Candidate* best = &candidates[base];
  for (const Candidate& c : candidates) {
    const double mean = c.sum / n;
    const double error = std::sqrt(std::max(c.squares / n - mean * mean, 0.0) / n);
    const bool knock = c.move.kind == K::Knock || candidates[base].move.kind == K::Knock;
    const double margin = knock ? settings_.knockMargin : settings_.margin;
    if (mean > margin * error && c.sum > best->sum) best = &c;
  }
  return best->move;
}

std::string suitWords(const std::string& suit) {
  if (suit == "♣") return "clubs";
  if (suit == "♦") return "diamonds";
  if (suit == "♥") return "hearts";
  if (suit == "♠") return "spades";
  return suit;
}

Hint hintFor(const Game& game, uint64_t seed) {
  const GameState& st = game.state();
  Hint hint;
  if (st.dealt == 0) {
    hint.why = Hint::Why::NoRound;
    hint.words = "There is no round under way: deal the cards first.";
    return hint;
  }
  if (st.honor[1] < 1) {
    hint.why = Hint::Why::Out;
    hint.words = "You are out of this game: there is no move to hint.";
    return hint;
  }
  if (st.turnphase != kTakePhase && st.turnphase != kDiscardPhase) {
    hint.why = Hint::Why::NotYourTurn;
    hint.words = "It is not your turn.";
    return hint;
  }
  const SeatView view = game.viewOf(1);
  const Move move = StrongPlayer(seed).choose(view, game.random().drawn());
  hint.move = move;
  hint.control = controlFor(move);
  switch (move.kind) {
    case Move::Kind::TakePile:
      hint.words = "Take the top card of the draw pile";
      break;
    case Move::Kind::TakeDiscard:
      hint.card = view.discardPile.back();
      hint.words =
          "Take the " + cardWords(hint.card->value, hint.card->suit) + " from the discard pile";
      break;
    case Move::Kind::Throw:
      hint.card =
          move.place == 4 ? *view.taken : view.hand[static_cast<std::size_t>(move.place - 1)];
      hint.words = "Throw away your " + cardWords(hint.card->value, hint.card->suit);
      break;
    case Move::Kind::Knock: {
      const Evaluation e = evaluate(view.hand);
      hint.knockTotal = e.total;
      hint.knockSuit = view.hand[static_cast<std::size_t>(e.best)].suit;
      hint.words = "Knock: " + std::to_string(e.total) + " in " + suitWords(hint.knockSuit);
      break;
    }
    case Move::Kind::Korvo:
    case Move::Kind::Pass:
      break;  // player 1's 31 is shown by the rules themselves
  }
  return hint;
}

uint64_t strongSeed(std::optional<uint64_t> seed, const std::vector<float>& randomNumbers,
                    bool fromFile) {
  if (seed) return *seed;
  if (fromFile) {
    ViewHash h;
    for (const float r : randomNumbers) h.add(std::bit_cast<uint32_t>(r));
    return h.value();
  }
  std::random_device device;
  return (static_cast<uint64_t>(device()) << 32) ^ device();
}

ComputerSeats strongSeats(uint64_t seed) {
  return {std::make_unique<StrongPlayer>(seed), std::make_unique<StrongPlayer>(seed),
          std::make_unique<StrongPlayer>(seed)};
}

}  // namespace korvo
