#include "window/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "game/gamedir.h"
#include "game/spoken.h"
#include "window/art.h"
#include "window/faultwords.h"
#include "window/messagewords.h"
#include "window/picturebox.h"
#include "window/speech.h"

namespace korvo {

Form1::Form1(Game& game, QWidget* parent)
    : QWidget(parent),
      game_(game),
      pictures_(game.dir(), largestPicturePlace()),
      errorSink_([this](const QString& message) {
        QMessageBox::warning(this, QStringLiteral("Korvo"), message);
      }),
      replay_([this](const Table& table, int mover) { applyTable(table, mover, mover >= 0); },
              this) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(title());
  QPalette felt = palette();
  felt.setColor(QPalette::Window, kFeltGreen);
  setPalette(felt);
  setAutoFillBackground(true);

  buildControls();
  motion_ = new CardMotion(
      this, [this](Control c) { return control(c)->geometry(); },
      [this](Control c, const std::string& entry) { return pictureOf(c, entry); });
  connect(motion_, &CardMotion::ended, this, &Form1::motionEnded);
  replay_.setBusy([this] { return motion_->moving(); });
  layoutControls();
  applyTable();
  connect(&replay_, &Replay::frameShown, this, &Form1::frameShown);
  connect(&replay_, &Replay::done, this, &Form1::replayDone);
}

void Form1::buildControls() {
  // Made in tab order, so that the focus chain starts out right and the later card place
  // lies over the earlier one where Picture2 and Picture3 overlap.
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    QWidget* widget = nullptr;
    switch (controlKind(c)) {
      case ControlKind::TextBox: {
        auto* box = new QLineEdit(this);
        box->setReadOnly(true);  // the game never needs typing
        widget = box;
        break;
      }
      case ControlKind::Button:
        widget = new QPushButton(this);
        break;
      case ControlKind::PictureBox:
        widget = new PictureBox(this);
        break;
      case ControlKind::Label: {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setStyleSheet(styleSheetOf(c, 0));
        label->setAlignment(c == Control::Label1 || c == Control::Label2
                                ? Qt::AlignLeft | Qt::AlignTop
                                : Qt::AlignCenter);
        widget = label;
        break;
      }
      case ControlKind::Image:
        widget = new ImageBox(this);
        break;
    }
    widget->setObjectName(QString::fromUtf8(controlName(c).data(), controlName(c).size()));
    widget->setAccessibleName(baseName(c));
    if (controlKind(c) != ControlKind::PictureBox && controlKind(c) != ControlKind::Image) {
      widget->setFont(designFontOf(c));
    }
    designFonts_[i] = widget->font();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      connect(button, &QAbstractButton::clicked, this, [this, c] { onClicked(c); });
    }
    controls_[i] = widget;
  }

  // Picture1..Picture15, Command1, Command2, Text1..Text4.
  std::vector<Control> order;
  for (int n = 1; n <= 15; ++n) order.push_back(pictureBox(n));
  order.push_back(Control::Command1);
  order.push_back(Control::Command2);
  for (int k = 1; k <= 4; ++k) order.push_back(textBox(k));
  for (std::size_t i = 1; i < order.size(); ++i) {
    setTabOrder(control(order[i - 1]), control(order[i]));
  }
}

QString Form1::title() {
  return tr("Korvo by Vendrake at  korvo.example.org");
}

QString Form1::baseName(Control c) {
  return tr(accessibleNameOf(c));
}

void Form1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void Form1::retranslate() {
  setWindowTitle(title());
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    if (controlKind(c) == ControlKind::TextBox) sayName(controls_[i], baseName(c));
    if (shown_[i]) showEntry(c, *shown_[i]);
  }
}

int Form1::scaled(int twips) const {
  return qRound(twips * zoom_ / kTwipsPerPixel);
}

void Form1::setZoom(double zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  layoutControls();
  if (marked_) markControl(marked_);  // the mark follows its control
}

bool Form1::event(QEvent* event) {
  // Moved to a screen of another density: the pictures are drawn again for it.
  if (event->type() == QEvent::ScreenChangeInternal && devicePixelRatioF() != pixelRatio_) {
    layoutControls();
  }
  return QWidget::event(event);
}

void Form1::showNotice(const QString& text) {
  if (!notice_) {
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setAlignment(Qt::AlignCenter);
    notice_->setWordWrap(true);
    notice_->setAttribute(Qt::WA_TransparentForMouseEvents);  // the places beneath stay playable
    notice_->setStyleSheet(QStringLiteral("color: white; background: rgba(0, 0, 0, 150);"));
  }
  notice_->setText(text);
  notice_->setAccessibleName(text);
  placeNotice();
  notice_->raise();
  notice_->show();
  tellPlayer(text);
}

QString Form1::notice() const {
  return notice_ && !notice_->isHidden() ? notice_->text() : QString();
}

void Form1::placeNotice() {
  if (!notice_) return;
  QFont font = notice_->font();
  font.setPixelSize(std::max(8, qRound(14 * zoom_)));
  notice_->setFont(font);
  const int height = notice_->heightForWidth(width());
  const int shown = std::max(height, qRound(28 * zoom_));
  notice_->setGeometry(0, this->height() - shown, width(), shown);
}

void Form1::layoutControls() {
  // Cards in the air land at once; the table is laid out anew beneath them.
  if (motion_ != nullptr) motion_->finish();
  pixelRatio_ = devicePixelRatioF();
  setFixedSize(scaled(kClientWidth), scaled(kClientHeight));
  placeNotice();
  // The pictures the window draws itself, at the density they are shown at.
  const double scale = zoom_ * pixelRatio_;
  const auto drawn = [&](QImage image, int width, int height) {
    if (image.isNull()) {  // plain felt
      image = QImage(qRound(width * scale), qRound(height * scale), QImage::Format_RGB32);
      image.fill(kFeltGreen);
    } else {
      image = image.scaled(qRound(width * scale), qRound(height * scale), Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(pixelRatio_);
    return QPixmap::fromImage(image);
  };
  const int finer = static_cast<int>(std::ceil(scale));
  emptyCardPlace_ = drawn({}, kCardWidth, kCardHeight);
  startupHonor_ = drawn(startupBanknotes(finer), kHonorSize, kHonorSize);
  emptyPot_ = drawn({}, kHonorSize, kHonorSize);

  // Style sheets are set again only when their border changes: each one restyles its widget.
  const int border = std::max(1, qRound(2 * zoom_));
  const bool restyle = border != border_;
  border_ = border;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    QWidget* widget = controls_[i];
    // Edges from the designed edges, so that neighbours stay neighbours at every size.
    const TwipRect place = designedPlace(c);
    const int left = scaled(place.left), top = scaled(place.top);
    widget->setGeometry(left, top, scaled(place.left + place.width) - left,
                        scaled(place.top + place.height) - top);
    QFont font = designFonts_[i];
    font.setPointSizeF(designFonts_[i].pointSizeF() * zoom_);
    widget->setFont(font);
    switch (controlKind(c)) {
      case ControlKind::TextBox:
      case ControlKind::Button:
        if (restyle) widget->setStyleSheet(styleSheetOf(c, border));
        break;
      case ControlKind::PictureBox:
      case ControlKind::Image:
        showEntry(c, shown_[i].value_or(std::string()));
        break;
      case ControlKind::Label:
        break;
    }
  }
  if (motion_ != nullptr) motion_->setGeometry(rect());
}

const QPixmap& Form1::startupPicture(Control c) const {
  if (controlKind(c) == ControlKind::PictureBox) return emptyCardPlace_;
  return c == Control::Image5 ? emptyPot_ : startupHonor_;
}

void Form1::clickControl(Control c) {
  if (auto* button = qobject_cast<QAbstractButton*>(control(c))) button->click();
}

void Form1::setPace(std::chrono::milliseconds perTurn, std::chrono::milliseconds perMove) {
  pace_ = perTurn;
  motion_->setMoveTime(perMove);
  game_.setRecording(perTurn.count() > 0);
}

void Form1::markControl(std::optional<Control> c) {
  marked_ = c;
  if (!c) {
    if (mark_) mark_->hide();
    return;
  }
  if (!mark_) {
    mark_ = new QWidget(this);
    mark_->setObjectName(QStringLiteral("hintMark"));
    mark_->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark_->setAttribute(Qt::WA_StyledBackground);
  }
  const int width = std::max(2, scaled(3 * kTwipsPerPixel));
  mark_->setStyleSheet(hintMarkStyleSheet(width));
  mark_->setGeometry(control(*c)->geometry().adjusted(-width, -width, width, width));
  mark_->raise();
  mark_->show();
}

void Form1::onClicked(Control c) {
  markControl(std::nullopt);  // a hint's mark lasts until the next click
  // While the computer turns of a click are shown or cards move, a click only hurries them to
  // the end.
  if (replaying()) {
    finishReplay();
    return;
  }
  if (notice_) notice_->hide();
  ClickResult result;
  try {
    result = game_.click(c);
  } catch (const RandomExhausted& e) {
    if (clickSink_) clickSink_();
    exhausted_ = QString::fromUtf8(e.what());
    applyTable();
    if (exhaustedSink_) exhaustedSink_(*exhausted_);
    return;
  }
  if (clickSink_) clickSink_();
  if (playedSink_) playedSink_();
  if (replay_.start(game_.frames(), pace_, result)) return;
  applyTable(game_.table(), 0, true);
  report(result);
}

void Form1::report(const ClickResult& result) {
  // Faults go to the error sink, never into a text box.
  if (result.fileError) {
    errorSink_(result.winCountsKept ? FaultWords::winCountsKept(*result.fileError)
                                    : FaultWords::text(*result.fileError));
  } else if (result.error) {
    errorSink_(QString::fromStdString(*result.error));
  }
  if (result.uncountedWinner != 0) {
    const std::string_view name = shortName(result.uncountedWinner);
    errorSink_(tr("%1 has won %2 games, as many as the tally can count; this win is not added.")
                   .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
                   .arg(kMaxWins));
  } else if (result.notice) {
    errorSink_(QString::fromStdString(*result.notice));
  }
}

void Form1::finishReplay() {
  if (!replaying()) return;
  const bool replayed = replay_.active();
  const ClickResult result = replayed ? replay_.stop() : ClickResult{};
  // The news of the cards stopped in the air is told with the end table's, once.
  finishing_ = true;
  motion_->finish();
  finishing_ = false;
  applyTable();
  if (replayed) report(result);
}

void Form1::replayDone() {
  const ClickResult result = replay_.stop();
  applyTable(game_.table(), 0, true);
  report(result);
}

void Form1::motionEnded() {
  if (finishing_) return;
  tellNews(std::exchange(untold_, {}));
  replay_.resume();
}

void Form1::applyTable(const Table& table, int mover, bool animate) {
  if (motion_->moving()) {  // cards still moving land at once, their news told with these
    finishing_ = true;
    motion_->finish();
    finishing_ = false;
  }
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    const bool box = controlKind(c) == ControlKind::TextBox;
    if (shown_[i] == table[c] && (!box || shownMessages_[i] == table.message(c))) continue;
    if (box) shownMessages_[i] = table.message(c);
    // The start-up look is no news.
    if (shown_[i] && std::find(untold_.begin(), untold_.end(), c) == untold_.end()) {
      untold_.push_back(c);
    }
    showEntry(c, table[c]);
    shown_[i] = table[c];
  }
  const Table before = std::exchange(onTable_, table);
  if (animate && motion_->start(before, table, mover)) return;
  tellNews(std::exchange(untold_, {}));
}

QString Form1::placeWords(const PlaceContent& content) {
  switch (content.kind) {
    case PlaceContent::Kind::FaceDown:
      return tr("face down", "a card place");
    case PlaceContent::Kind::Empty:
      return tr("empty", "a card place");
    case PlaceContent::Kind::Card:
      return MessageWords::card(content.card.value, content.card.suit);
    case PlaceContent::Kind::Unknown:
      break;
  }
  return tr("unknown card", "a card place whose picture no card of the deck has");
}

QString Form1::shownText(Control c, const std::string& entry) const {
  // The captions are the design's own words, the same in every game.
  switch (c) {
    case Control::Command1:
      return tr("Deal");
    case Control::Command2:
      return tr("Knock");
    case Control::Label2:
      return tr("by Vendrake");
    default:
      break;
  }
  if (controlKind(c) == ControlKind::TextBox) {
    // A message of the game in the player's words; the players' names as they are.
    if (const std::optional<Message>& message = shownMessages_[static_cast<std::size_t>(c)]) {
      return MessageWords::text(*message);
    }
  }
  return QString::fromStdString(entry);
}

void Form1::showEntry(Control c, const std::string& entry) {
  const QString text = shownText(c, entry);
  QWidget* widget = control(c);
  switch (controlKind(c)) {
    case ControlKind::TextBox:
      sayText(static_cast<QLineEdit*>(widget), text);
      return;  // a text box says its text under its own name
    case ControlKind::Button:
      static_cast<QPushButton*>(widget)->setText(text);
      break;
    case ControlKind::Label:
      static_cast<QLabel*>(widget)->setText(text);
      break;
    case ControlKind::PictureBox:
    case ControlKind::Image:
      dynamic_cast<ShownPicture&>(*widget).setPicture(pictureOf(c, entry), text);
      break;
  }
  sayName(widget, spoken(c, entry));
}

QPixmap Form1::pictureOf(Control c, const std::string& entry) {
  if (entry.empty()) return startupPicture(c);
  return pictures_.picture(fileOf(entry), zoom_, pixelRatio_);
}

QString Form1::fileOf(const std::string& entry) {
  QString file = QString::fromStdString(entry);
  if (!fourColour_) return file;
  if (const auto known = fileOf_.constFind(file); known != fileOf_.constEnd()) return *known;
  // Only the standard faces have four-colour twins; one older than its face was drawn for a
  // face since replaced by the player's own, and is passed over.
  QString shown = file;
  const auto& cards = standardCards();
  if (std::any_of(cards.begin(), cards.end(),
                  [&](const StandardCard& card) { return card.record.picture == entry; })) {
    const std::filesystem::path face = game_.dir() / entry;
    const std::filesystem::path twin = game_.dir() / fourColourName(file).toStdString();
    std::error_code ec;
    const auto faceTime = std::filesystem::last_write_time(face, ec);
    if (!ec && std::filesystem::is_regular_file(twin, ec) &&
        std::filesystem::last_write_time(twin, ec) >= faceTime && !ec) {
      shown = fourColourName(file);
    }
  }
  fileOf_.insert(file, shown);
  return shown;
}

void Form1::setFourColour(bool on) {
  fourColour_ = on;
  fileOf_.clear();
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    if (controlKind(c) == ControlKind::PictureBox && shown_[i]) showEntry(c, *shown_[i]);
  }
}

QString Form1::spoken(Control c, const std::string& entry) const {
  const QString base = baseName(c);
  QString words;
  switch (controlKind(c)) {
    case ControlKind::TextBox:
    case ControlKind::Button:
      return shownText(c, entry);  // a caption names its button
    case ControlKind::Label:
      words = shownText(c, entry);
      break;
    case ControlKind::PictureBox:
      words = placeWords(cardPlaceContent(game_.state(), entry));
      break;
    case ControlKind::Image: {
      // Before the first deal the honor boxes show four banknotes and the pot none.
      const std::optional<int> points =
          entry.empty() ? (c == Control::Image5 ? 0 : 4) : honorPointsOf(entry);
      words = points ? tr("%n point(s)", "honor points", *points)
                     : tr("unknown", "a count of honor points");
      break;
    }
  }
  //: A control's name, then what it shows: "Your card 2: 10 ♥", "Pot: 1 point".
  return words.isEmpty() ? base : tr("%1: %2").arg(base, words);
}

QString Form1::news(Control c) const {
  const std::string& entry = *shown_[static_cast<std::size_t>(c)];
  switch (controlKind(c)) {
    case ControlKind::TextBox: {
      if (entry.empty()) return {};
      const QString text = shownText(c, entry);
      // A message that does not start with its player's name is told with it: "Oma: Knock!".
      const int player = static_cast<int>(c) - static_cast<int>(Control::Text1) + 1;
      const std::string_view name = shortName(player);
      const QString who = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
      if (text.startsWith(who)) return text;
      //: Whose message, then the message: "Oma: Knock!".
      return tr("%1: %2").arg(who, text);
    }
    case ControlKind::PictureBox:
      // Cards turned face down or taken away tell nothing new; a face does.
      if (entry.empty() || entry == kCardBack || entry == kEmptyPlace) return {};
      return control(c)->accessibleName();
    case ControlKind::Label:
      return entry.empty() ? QString() : control(c)->accessibleName();
    case ControlKind::Image:
      return control(c)->accessibleName();
    case ControlKind::Button:
      return {};
  }
  return {};
}

void Form1::tellNews(const std::vector<Control>& changed) {
  // The messages in the order of play (you, then 4, 3, 2), then the cards, honor points, pot
  // and wins.
  std::vector<Control> order;
  for (int k : {1, 4, 3, 2}) order.push_back(textBox(k));
  for (int n = 1; n <= 15; ++n) order.push_back(pictureBox(n));
  for (int n = 1; n <= 5; ++n) order.push_back(image(n));
  for (int k = 1; k <= kPlayers; ++k) order.push_back(totalLabel(k));
  QStringList told;
  for (Control c : order) {
    if (std::find(changed.begin(), changed.end(), c) == changed.end()) continue;
    QString item = news(c);
    if (item.isEmpty()) continue;
    if (!item.endsWith(u'.') && !item.endsWith(u'!') && !item.endsWith(u'?')) item += u'.';
    told.append(item);
  }
  if (!told.isEmpty()) tellPlayer(told.join(u' '));
}

void Form1::tellPlayer(const QString& text) {
  // Screen readers speak a change of the focused control's description.
  QWidget* focus = QApplication::focusWidget();
  QWidget* holder = focus != nullptr && isAncestorOf(focus) ? focus : this;
  if (newsHolder_ && newsHolder_ != holder) sayDescription(newsHolder_, QString());
  if (holder->accessibleDescription() == text) sayDescription(holder, QString());  // heard again
  sayDescription(holder, text);
  newsHolder_ = holder;
}

}  // namespace korvo
