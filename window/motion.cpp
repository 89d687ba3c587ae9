#include "window/motion.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "game/gamedir.h"
#include "window/art.h"

namespace korvo {

namespace {

bool isCard(const std::string& entry) {
  return !entry.empty() && entry != kEmptyPlace;
}
bool isFace(const std::string& entry) {
  return isCard(entry) && entry != kCardBack;
}

// Dealt cards, and the cards of a hand turned up, follow each other this closely (in moves).
constexpr double kStagger = 1.0 / 3;

// The places where a card lies face up for all to see, the discard pile first: a card that
// leaves one for another is seen going.
std::vector<Control> openPlaces() {
  std::vector<Control> places{Control::Picture15};
  for (int n = 1; n <= 13; ++n) places.push_back(pictureBox(n));
  return places;
}

}  // namespace

std::vector<CardMove> movesBetween(const Table& before, const Table& after, int mover) {
  std::vector<CardMove> moves;
  double at = 0;
  // A card leaving the draw pile or a computer player's hand face down and landing face up is
  // turned over on its way.
  const auto add = [&](CardMove move, double step) {
    const bool hidden = move.from == Control::Picture14 || move.from >= Control::Picture5;
    if (move.from != move.to && hidden && isFace(move.picture) && move.from != Control::Picture15) {
      move.turnedFrom = kCardBack;
    }
    move.start = at;
    at += step;
    moves.push_back(std::move(move));
  };

  // A deal is when the computer players' places get their backs: three passes, each to
  // players 4, 3, 2 and 1, then the discard pile's first card, all from the draw pile.
  bool deal = false;
  for (int k = 2; k <= kPlayers; ++k) {
    for (int place = 1; place <= 3; ++place) {
      const Control c = cardPlace(k, place);
      deal = deal || (after[c] == kCardBack && before[c] != kCardBack);
    }
  }
  if (deal) {
    for (int pass = 1; pass <= 3; ++pass) {
      for (int k = kPlayers; k >= 1; --k) {
        const Control c = cardPlace(k, pass);
        if (isCard(after[c])) add({Control::Picture14, c, after[c], "", false, true}, kStagger);
      }
    }
    if (isCard(after[Control::Picture15])) {
      add({Control::Picture14, Control::Picture15, after[Control::Picture15], "", false, true},
          kStagger);
    }
    return moves;
  }

  // A computer player's turn: the record of its message says which pile it took from; its
  // hand lies face down, so the card goes to and comes from the middle of it.
  bool discardShown = false;
  if (mover >= 2 && mover <= kPlayers) {
    const std::optional<Message>& said = after.message(textBox(mover));
    const Control hand = cardPlace(mover, 2);
    const bool tookDiscard = said && said->kind == Message::Kind::TookDiscard;
    const bool tookDrawn = said && said->kind == Message::Kind::TookPile;
    const std::string& top = before[Control::Picture15];
    if (tookDiscard && isFace(top)) add({Control::Picture15, hand, top, "", true, false}, 1);
    if (tookDrawn) add({Control::Picture14, hand, kCardBack, "", false, false}, 1);
    if ((tookDiscard || tookDrawn) && isFace(after[Control::Picture15])) {
      add({hand, Control::Picture15, after[Control::Picture15], "", false, true}, 1);
      discardShown = true;
    }
  }

  // Cards seen going from place to place: a throw onto the discard pile first, then the card
  // taken into the gap it left; a card new to the fourth place came from the draw pile.
  std::vector<Control> turned;
  const std::vector<Control> open = openPlaces();
  for (Control c : open) {
    if (after[c] == before[c] || !isFace(after[c])) continue;
    if (c == Control::Picture15 && discardShown) continue;
    const auto from = std::find_if(open.begin(), open.end(), [&](Control q) {
      return q != c && before[q] == after[c] && after[q] != before[q];
    });
    if (from != open.end()) {
      add({*from, c, after[c], "", true, true}, 1);
    } else if (c == Control::Picture4) {
      add({Control::Picture14, c, after[c], "", false, true}, 1);
    } else if (before[c] == kCardBack) {
      turned.push_back(c);
    }
  }
  // The show-down: the computer players' hands turned over where they lie, 4, 3, then 2.
  for (int k = kPlayers; k >= 2; --k) {
    for (int place = 1; place <= 3; ++place) {
      const Control c = cardPlace(k, place);
      if (std::find(turned.begin(), turned.end(), c) == turned.end()) continue;
      add({c, c, after[c], before[c], false, true}, kStagger);
    }
  }
  return moves;
}

CardMotion::CardMotion(QWidget* table, PlaceOf placeOf, PictureOf pictureOf)
    : QWidget(table), placeOf_(std::move(placeOf)), pictureOf_(std::move(pictureOf)) {
  clock_.setParent(this);
  setObjectName(QStringLiteral("CardMotion"));
  // Clicks and keys go to the places beneath; they end the motion there.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  clock_.setStartValue(0.0);
  connect(&clock_, &QVariantAnimation::valueChanged, this,
          [this](const QVariant& value) { advance(value.toDouble()); });
  connect(&clock_, &QAbstractAnimation::finished, this, &CardMotion::stop);
}

double CardMotion::length() const {
  double end = 0;
  for (const CardMove& move : moves_) end = std::max(end, move.start + 1);
  return end;
}

bool CardMotion::start(const Table& before, const Table& after, int mover) {
  finish();
  if (moveTime_.count() <= 0) return false;
  moves_ = movesBetween(before, after, mover);
  if (moves_.empty()) return false;
  before_ = before;
  after_ = after;
  touched_ = {};
  startsEmpty_ = {};
  for (const CardMove& move : moves_) {
    touched_[static_cast<std::size_t>(move.from)] = true;
    touched_[static_cast<std::size_t>(move.to)] = true;
    // Dealt cards go to places cleared for them.
    if (move.from == Control::Picture14 && move.landsTo && move.to != Control::Picture4) {
      startsEmpty_[static_cast<std::size_t>(move.to)] = true;
    }
  }
  time_ = 0;
  setGeometry(parentWidget()->rect());
  show();
  raise();
  update(painted());
  clock_.setEndValue(length());
  clock_.setDuration(
      static_cast<int>(std::lround(length() * static_cast<double>(moveTime_.count()))));
  clock_.start();
  return true;
}

void CardMotion::finish() {
  if (moves_.empty()) return;
  clock_.stop();
  stop();
}

void CardMotion::stop() {
  if (moves_.empty()) return;
  moves_.clear();
  hide();
  emit ended();
}

void CardMotion::seek(double moves) {
  if (moves_.empty()) return;
  clock_.pause();
  advance(moves < 0 ? length() : std::min(moves, length()));
}

void CardMotion::advance(double time) {
  QRegion region = painted();
  time_ = time;
  region += painted();
  update(region);
}

std::string CardMotion::underAt(Control c, double time) const {
  const auto i = static_cast<std::size_t>(c);
  // The draw pile the cards are dealt from is there from the start.
  if (c == Control::Picture14) return after_[c];
  std::vector<std::pair<double, std::string>> events;
  for (const CardMove& move : moves_) {
    if (move.from == c && move.to == c) {
      events.emplace_back(move.start, kEmptyPlace);  // the card is in the air, turning
      events.emplace_back(move.start + 1, after_[c]);
      continue;
    }
    if (move.from == c && move.leavesFrom) {
      // A place that gets another card later in the motion lies empty until then.
      const bool refilled = std::any_of(moves_.begin(), moves_.end(), [&](const CardMove& m) {
        return m.to == c && m.landsTo && m.start >= move.start;
      });
      events.emplace_back(move.start, refilled ? kEmptyPlace : after_[c]);
    }
    if (move.to == c && move.landsTo) events.emplace_back(move.start + 1, move.picture);
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string shown = startsEmpty_[i] ? kEmptyPlace : before_[c];
  for (const auto& [at, picture] : events) {
    if (at > time) break;
    shown = picture;
  }
  return shown;
}

QRect CardMotion::cardRect(Control c) const {
  // Every card place is as large as the first but the second, which lies partly under the third.
  return QRect(placeOf_(c).topLeft(), placeOf_(Control::Picture1).size());
}

std::optional<QRectF> CardMotion::cardAt(std::size_t index) const {
  if (index >= moves_.size()) return std::nullopt;
  const CardMove& move = moves_[index];
  const double local = time_ - move.start;
  if (local < 0 || local >= 1) return std::nullopt;
  const QRectF from = cardRect(move.from), to = cardRect(move.to);
  const double eased = curve_.valueForProgress(local);
  return from.translated((to.topLeft() - from.topLeft()) * eased);
}

QRegion CardMotion::painted() const {
  QRegion region;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    if (touched_[i] && underAt(c, time_) != after_[c]) region += cardRect(c);
  }
  for (std::size_t i = 0; i < moves_.size(); ++i) {
    if (const auto at = cardAt(i)) region += at->toAlignedRect();
  }
  return region;
}

void CardMotion::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  const double ratio = devicePixelRatioF();
  // The part of a picture a card place shows, from its top-left corner.
  const auto shownPart = [&](const QPixmap& picture, QSizeF size) {
    return QRectF(QPointF(0, 0), size * ratio).intersected(QRectF(picture.rect()));
  };
  // The places as they are while the cards are in the air.
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    if (!touched_[i]) continue;
    const std::string under = underAt(c, time_);
    if (under == after_[c]) continue;  // the place itself shows it
    const QRect place = cardRect(c);
    painter.fillRect(place, kFeltGreen);
    const QPixmap picture = pictureOf_(c, under);
    const QRectF part = shownPart(picture, place.size());
    painter.drawPixmap(QRectF(place.topLeft(), part.size() / ratio), picture, part);
  }
  // The cards in the air, drawn from the pictures of the places at the screen's density.
  for (std::size_t i = 0; i < moves_.size(); ++i) {
    const std::optional<QRectF> at = cardAt(i);
    if (!at) continue;
    const CardMove& move = moves_[i];
    const double local = time_ - move.start;
    if (!move.turnedFrom.empty()) {
      // Turned over on the way: narrowed to its edge showing what it was, widened showing
      // its face.
      const bool face = local >= 0.5;
      const QPixmap picture = pictureOf_(move.to, face ? move.picture : move.turnedFrom);
      const QRectF part = shownPart(picture, at->size());
      const double width = part.width() / ratio * std::abs(1 - 2 * local);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawPixmap(QRectF(at->left() + (part.width() / ratio - width) / 2, at->top(), width,
                                part.height() / ratio),
                         picture, part);
      painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
      continue;
    }
    const QPixmap picture = pictureOf_(move.to, move.picture);
    const QRectF part = shownPart(picture, at->size());
    // On whole device pixels, so that the picture is copied, never resampled.
    const QPointF corner(std::round(at->left() * ratio) / ratio,
                         std::round(at->top() * ratio) / ratio);
    painter.drawPixmap(QRectF(corner, part.size() / ratio), picture, part);
  }
}

}  // namespace korvo
