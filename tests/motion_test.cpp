// Cards that move over the table: every motion starts on the table as it was and ends on the
// table the game left, a click during it shows that end at once, the news of a click is heard
// once when its cards have arrived, and nothing runs once they have.
#include "window/motion.h"

#include <QAbstractAnimation>
#include <QTimer>

#include "game/gamedir.h"
#include "tests/window_support.h"

namespace korvo {
namespace {

using namespace std::chrono_literals;

// Nothing of the table keeps a timer or an animation going.
bool idle(Form1& form) {
  bool running = form.replaying() || form.motion().isVisible();
  for (QTimer* t : form.findChildren<QTimer*>()) running |= t->isActive();
  for (auto* a : form.findChildren<QAbstractAnimation*>()) running |= a->state() != a->Stopped;
  return !running;
}

QRect placeOf(Form1& form, Control c, double ratio = 1) {
  const QRect at = form.control(c)->geometry();
  return QRect(at.topLeft() * ratio, at.size() * ratio);
}

void showOffScreen(std::initializer_list<Form1*> forms) {
  for (Form1* f : forms) f->setAttribute(Qt::WA_DontShowOnScreen), f->show();
}

// The record of a computer player's message says which pile its card came from; the card it
// throws comes from its hand, turned face up on the way.
TEST(Motion, ComputerTurnsReadFromTheTable) {
  Table before;
  before.showPicture(Control::Picture15, "5S.JPG");
  for (const auto& [said, first] : {std::pair{Message::Kind::TookDiscard, Control::Picture15},
                                    std::pair{Message::Kind::TookPile, Control::Picture14}}) {
    Table after = before;
    after.say(Control::Text3, "", {said, 3});
    after.showPicture(Control::Picture15, "9H.JPG");
    const bool discard = first == Control::Picture15;
    EXPECT_EQ(movesBetween(before, after, 3),
              (std::vector<CardMove>{
                  {first, Control::Picture9, discard ? "5S.JPG" : kCardBack, "", discard, false, 0},
                  {Control::Picture9, Control::Picture15, "9H.JPG", kCardBack, false, true, 1}}));
  }
}

// A game played in two windows, one without motion: after every step of every click the
// moving window's first frame shows the card places as they were, each card starts on the
// place it leaves and ends on the place it goes to, the last frame is the end table, and that
// end is the still window's, pixel for pixel.
TEST(Motion, StartsAndEndsWhereTheTableSays) {
  Played still, moving;
  Form1 stillForm(still.game), form(moving.game);
  showOffScreen({&stillForm, &form});
  form.setPace(1ms, 180ms);  // each frame waits only for its cards
  CardMotion& motion = form.motion();
  QImage shown = form.grab().toImage();
  int deals = 0, turnOvers = 0;
  const auto check = [&] {
    if (!motion.moving()) return;
    const std::vector<CardMove> moves = motion.moves();
    const bool deal = moves.size() >= 12;
    deals += deal;
    for (std::size_t i = 0; i < moves.size(); ++i) {
      const CardMove& move = moves[i];
      turnOvers += move.from == move.to;
      motion.seek(move.start);
      EXPECT_EQ(motion.cardAt(i)->topLeft(), QPointF(placeOf(form, move.from).topLeft()));
      motion.seek(move.start + 0.999);
      EXPECT_LT((motion.cardAt(i)->topLeft() - placeOf(form, move.to).topLeft()).manhattanLength(),
                1);
    }
    motion.seek(0);
    const QImage first = form.grab().toImage();
    for (int n = 1; n <= 15 && !deal; ++n) {  // a deal first clears the places
      const QRect place = placeOf(form, pictureBox(n), first.devicePixelRatio());
      EXPECT_TRUE(samePixels(first.copy(place), shown.copy(place))) << "Picture" << n;
    }
    motion.seek(-1);
    shown = form.grab().toImage();
    motion.finish();
    EXPECT_TRUE(samePixels(shown, form.grab().toImage())) << "the last frame is the end table";
  };
  QObject::connect(&form, &Form1::frameShown, check);
  const Control clicks[] = {Control::Command1, Control::Picture14, Control::Picture4,
                            Control::Picture15, Control::Picture2};
  for (int i = 0; moving.game.stats().games == 0 && i < 400; ++i) {
    const Control c = moving.game.state().dealt == 0 ? Control::Command1 : clicks[1 + i % 4];
    stillForm.clickControl(c);
    form.clickControl(c);
    check();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.replaying(); }, 5000));
    ASSERT_TRUE(idle(form));
    ASSERT_TRUE(samePixels(form.grab().toImage(), stillForm.grab().toImage()))
        << "click " << i << " " << controlName(c);
    shown = form.grab().toImage();
  }
  EXPECT_GT(deals, 1);
  EXPECT_GT(turnOvers, 0);
}

// A click while cards move shows the end at once and is not played; the click's news is heard
// once, when the cards have arrived, and nothing runs after.
TEST(Motion, ClickEndsItOnTheTableAndTheNewsComesOnce) {
  Played still, moving;
  Form1 stillForm(still.game), form(moving.game);
  showOffScreen({&stillForm, &form});
  form.setPace(300ms, 180ms);
  int told = 0, toldInFlight = 0;
  setSpeechObserver([&](const SpokenChange& change) {
    if (change.event != QAccessible::DescriptionChanged || change.text.isEmpty()) return;
    ++told;
    toldInFlight += form.motion().moving();
  });
  for (const Control c : {Control::Command1, Control::Picture14}) {
    SCOPED_TRACE(controlName(c));
    stillForm.clickControl(c);
    told = 0;
    form.clickControl(c);
    EXPECT_TRUE(form.motion().moving());
    const GameState played = moving.game.state();
    form.clickControl(Control::Picture4);  // hurries only
    EXPECT_EQ(moving.game.state(), played);
    EXPECT_TRUE(idle(form));
    EXPECT_TRUE(samePixels(form.grab().toImage(), stillForm.grab().toImage()));
    EXPECT_EQ(told, 1);
  }
  stillForm.clickControl(Control::Picture4);
  form.clickControl(Control::Picture4);  // the throw, then the computer turns on their own
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form.replaying(); }, 5000));
  EXPECT_TRUE(idle(form));
  EXPECT_TRUE(samePixels(form.grab().toImage(), stillForm.grab().toImage()));
  EXPECT_EQ(toldInFlight, 0) << "news is told when the cards have arrived";
  setSpeechObserver({});
}

}  // namespace
}  // namespace korvo
