#include "window/rules.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace korvo {

QString rulesText() {
  // A heading or a paragraph per string, so that a translator takes one thought at a time.
  const auto tagged = [](const char* tag) {
    return [tag](const QString& text) {
      return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text);
    };
  };
  const auto h2 = tagged("h2");
  const auto h3 = tagged("h3");
  const auto para = tagged("p");
  const QString parts[] = {
      h2(RulesWindow::tr("Korvo: the rules")),
      h3(RulesWindow::tr("The aim")),
      para(RulesWindow::tr(
          "Hold <b>31 in one suit</b>, or at least more than the others when the cards "
          "are shown. You play against Oma, Tobin and Wenna; each of you holds three "
          "cards.")),
      h3(RulesWindow::tr("What the cards are worth")),
      para(RulesWindow::tr(
          "Aces count 11; kings, queens and jacks 10; every other card its number. A hand "
          "is worth the total of its best suit: cards of one suit add up, cards of "
          "different suits do not. Ace, king and 5 of hearts make 26; ace of hearts with "
          "king and queen of spades makes 20.")),
      h3(RulesWindow::tr("A turn")),
      para(RulesWindow::tr(
          "Play goes round the table: you, then Wenna on the left, Tobin at the top and "
          "Oma on the right. When your message line says <i>Pell, it's your turn.</i> "
          "take a card: click the <b>draw pile</b> for its hidden top card, or the "
          "<b>discard pile</b> for the card lying face up. The card you took appears in "
          "your fourth place. Then click the one of your four cards you want to throw "
          "away.")),
      h3(RulesWindow::tr("Knocking and the last round")),
      para(RulesWindow::tr(
          "Instead of taking a card you may click <b>Knock</b> when you think your hand "
          "is good enough. Every other player then has one more turn, and the cards are "
          "shown. Only one player can knock in a round; the computer players knock too.")),
      h3(RulesWindow::tr("31 at once")),
      para(RulesWindow::tr(
          "Whoever holds 31 says <i>Korvo!</i>, and the round ends on the spot: everybody "
          "else still in the game pays one honor point.")),
      h3(RulesWindow::tr("The show-down: who pays")),
      para(RulesWindow::tr(
          "After a knock, all hands are turned up. The lowest hand pays one honor point; "
          "when several players share the lowest total, each of them pays. But if the "
          "player who knocked is among the lowest, the knocker alone pays <b>two</b> "
          "points.")),
      h3(RulesWindow::tr("Honor points and the pot")),
      para(RulesWindow::tr(
          "Everyone starts a game with 4 honor points, shown as banknotes beside each "
          "player. The pot in the middle shows how many points have been paid in this "
          "game.")),
      h3(RulesWindow::tr("Going out")),
      para(RulesWindow::tr(
          "A player with no honor points left is out for the rest of the game. When you "
          "are out, the next <b>Deal</b> lets the computer players play the game to its "
          "end.")),
      h3(RulesWindow::tr("Winning")),
      para(RulesWindow::tr(
          "The last player with honor points wins the game. The number beside each "
          "player's name counts the games that player has won; the count is kept from one "
          "run to the next. Click <b>Deal</b> to start the next round or the next game.")),
      h3(RulesWindow::tr("Your opponents, and a hint")),
      para(RulesWindow::tr(
          "Under View &gt; Opponents you choose who plays Oma, Tobin and Wenna. <b>Classic</b> "
          "players follow the rules' own fixed tables and knock at a threshold drawn at random. "
          "<b>Strong</b> players try every move they have on many deals of the cards they "
          "cannot see, play each round on to its end, and choose the move that best keeps "
          "their honor points; like you, they never see a hidden card. Game &gt; Hint (H or "
          "Ctrl+H) shows what a Strong player would do in your seat and marks the place to "
          "click; it changes nothing.")),
      h3(RulesWindow::tr("Keys")),
      para(RulesWindow::tr(
          "Tab moves between the cards, piles and buttons; Space plays the one with the "
          "focus. Ctrl+D deals, Ctrl+K knocks, Ctrl+T shows the statistics, F1 opens these "
          "rules and Ctrl+Q quits. "
          "Ctrl++ and Ctrl+- make the table bigger and smaller, Ctrl+0 brings it back to "
          "its actual size. View &gt; Pace sets how fast you see the computer players "
          "move; a click shows the end of their moves at once. View &gt; Language chooses "
          "the language of the window.")),
      h3(RulesWindow::tr("The game directory")),
      para(RulesWindow::tr(
          "Korvo keeps its files in one directory: <b>cardfile.txt</b>, the deck, "
          "shuffled and rewritten at every deal so that the order carries over to the "
          "next run; <b>totals.txt</b>, the four win counts; <b>statistics.json</b>, what "
          "every player has played and won (Game &gt; Statistics); and the pictures, one JPEG "
          "file per card as the deck names it, <b>down1.JPG</b> for a card's back, "
          "<b>gone.JPG</b> for an empty place and <b>hundred0.JPG</b> to "
          "<b>hundred12.JPG</b> for the banknotes. You may put pictures of your own in "
          "their place. Korvo plays in the current directory if it holds a cardfile.txt, "
          "otherwise in ~/.local/share/korvo.")),
  };
  QString text;
  for (const QString& part : parts) text += part + u'\n';
  return text;
}

RulesWindow::RulesWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Rules"));
  text_ = new QTextBrowser(this);
  text_->setObjectName(QStringLiteral("RulesText"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(buttons);
  resize(520, 600);
  retranslate();
}

void RulesWindow::retranslate() {
  setWindowTitle(tr("Korvo Rules"));
  text_->setHtml(rulesText());
  text_->setAccessibleName(tr("Rules"));
}

void RulesWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

}  // namespace korvo
