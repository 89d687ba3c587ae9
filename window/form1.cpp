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
#include "window/messagewords.h"
#include "window/picturebox.h"
#include "window/speech.h"

namespace korvo {

namespace {

// Places in twips, in the order of enum Control.
constexpr std::array<TwipRect, kControlCount> kPlaces = {{
    {3240, 6120, 2772, 372},   // Text1
    {5760, 3600, 2772, 372},   // Text2
    {2400, 1440, 2772, 372},   // Text3
    {120, 4440, 2772, 372},    // Text4
    {7200, 4200, 1332, 528},   // Command1
    {7200, 6000, 1332, 492},   // Command2
    {3120, 4800, 924, 1212},   // Picture1
    {4080, 4800, 1044, 1212},  // Picture2: wider, its right edge lies under Picture3
    {5040, 4800, 924, 1212},   // Picture3
    {6000, 4800, 924, 1212},   // Picture4
    {5760, 2280, 924, 1212},   // Picture5
    {6720, 2280, 924, 1212},   // Picture6
    {7680, 2280, 924, 1212},   // Picture7
    {2400, 120, 924, 1212},    // Picture8
    {3360, 120, 924, 1212},    // Picture9
    {4320, 120, 924, 1212},    // Picture10
    {120, 3000, 924, 1212},    // Picture11
    {1080, 3000, 924, 1212},   // Picture12
    {2040, 3000, 924, 1212},   // Picture13
    {3360, 3240, 924, 1212},   // Picture14
    {4440, 3240, 924, 1212},   // Picture15
    {120, 120, 972, 492},      // Label1
    {120, 720, 1332, 252},     // Label2
    {6120, 6120, 492, 252},    // total1
    {5760, 1920, 492, 252},    // total2
    {1800, 120, 492, 252},     // total3
    {1440, 2640, 492, 252},    // total4
    {1560, 5160, 1200, 1200},  // Image1
    {7320, 960, 1200, 1200},   // Image2
    {5280, 120, 1200, 1200},   // Image3
    {0, 1560, 1200, 1200},     // Image4
    {3600, 1920, 1200, 1200},  // Image5
}};

constexpr int kClientWidth = 8664;
constexpr int kClientHeight = 6600;
static_assert(Form1::kDesignedSize ==
              QSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel));

// Names read out by assistive technology, in the player's language; the controls' own names
// mean nothing to a player.
constexpr std::array<const char*, kControlCount> kAccessibleNames = {
    QT_TRANSLATE_NOOP("korvo::Form1", "Your messages"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Oma's messages"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Tobin's messages"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Wenna's messages"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Deal"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Knock"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Your card 1"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Your card 2"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Your card 3"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Your new card"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Oma's card 1"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Oma's card 2"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Oma's card 3"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Tobin's card 1"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Tobin's card 2"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Tobin's card 3"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Wenna's card 1"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Wenna's card 2"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Wenna's card 3"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Draw pile"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Discard pile"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Title"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Credit"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Your wins"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Oma's wins"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Tobin's wins"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Wenna's wins"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Your honor"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Oma's honor"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Tobin's honor"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Wenna's honor"),
    QT_TRANSLATE_NOOP("korvo::Form1", "Pot"),
};

// The nearest sans-serif face of the system stands in for the designed faces.
QFont designFont(double points, bool bold,
                 const QString& face = QStringLiteral("Liberation Sans")) {
  QFont font(face);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

QString rgb(const QColor& color) {
  return QStringLiteral("rgb(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

const QColor kYellow{255, 255, 0};
const QColor kDarkGreen{0, 64, 0};
const QColor kTitleBlue{0, 0, 192};
const QColor kCreditRed{255, 0, 0};
const QColor kDealFace{0, 255, 0};
const QColor kKnockFace{128, 0, 0};

QString labelStyle(const QColor& text) {
  return QStringLiteral("QLabel { color: %1; background-color: %2; }")
      .arg(rgb(text), rgb(kFeltGreen));
}

// A style sheet, so that the face colour shows whatever the widget style.
QString buttonStyle(const QColor& face, int border) {
  return QStringLiteral(
             "QPushButton { background-color: %1; color: palette(button-text);"
             " border: %2px outset %1; }"
             "QPushButton:pressed { border-style: inset; }"
             "QPushButton:focus { border: %2px solid black; }")
      .arg(rgb(face))
      .arg(border);
}

// The most of a picture that any picture box or image control shows: it draws its picture
// unscaled at its top-left corner, so the picture's part beyond its size never shows.
QSize largestPicturePlace() {
  QSize largest;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto kind = controlKind(static_cast<Control>(i));
    if (kind != ControlKind::PictureBox && kind != ControlKind::Image) continue;
    largest = largest.expandedTo(
        QSize(kPlaces[i].width / kTwipsPerPixel, kPlaces[i].height / kTwipsPerPixel));
  }
  return largest;
}

}  // namespace

TwipRect designedPlace(Control c) {
  return kPlaces[static_cast<std::size_t>(c)];
}

Form1::Form1(Game& game, QWidget* parent)
    : QWidget(parent),
      game_(game),
      pictures_(game.dir(), largestPicturePlace()),
      errorSink_([this](const QString& message) {
        QMessageBox::warning(this, QStringLiteral("Korvo"), message);
      }) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(title());
  QPalette felt = palette();
  felt.setColor(QPalette::Window, kFeltGreen);
  setPalette(felt);
  setAutoFillBackground(true);

  buildControls();
  layoutControls();
  applyTable();
  replayTimer_.setSingleShot(true);
  connect(&replayTimer_, &QTimer::timeout, this, &Form1::showNextFrame);
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
        box->setFont(designFont(12, false));
        widget = box;
        break;
      }
      case ControlKind::Button: {
        auto* button = new QPushButton(this);
        const bool deal = c == Control::Command1;
        button->setFont(designFont(deal ? 22.2 : 18, true));
        widget = button;
        break;
      }
      case ControlKind::PictureBox:
        widget = new PictureBox(this);
        break;
      case ControlKind::Label: {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        if (c == Control::Label1) {
          // The title's box holds the word at 24 points bold only in a narrow face.
          label->setFont(designFont(24, true, QStringLiteral("Liberation Sans Narrow")));
          label->setStyleSheet(labelStyle(kTitleBlue));
        } else if (c == Control::Label2) {
          label->setFont(designFont(12, false));
          label->setStyleSheet(labelStyle(kCreditRed));
        } else {
          label->setFont(designFont(10.8, true));
          label->setStyleSheet(labelStyle(kDarkGreen));
          label->setAlignment(Qt::AlignCenter);
        }
        if (c == Control::Label1 || c == Control::Label2) {
          label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        widget = label;
        break;
      }
      case ControlKind::Image:
        widget = new ImageBox(this);
        break;
    }
    widget->setObjectName(QString::fromUtf8(controlName(c).data(), controlName(c).size()));
    widget->setAccessibleName(baseName(c));
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
  return tr(kAccessibleNames[static_cast<std::size_t>(c)]);
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
}

bool Form1::event(QEvent* event) {
  // Moved to a screen of another density: the pictures are drawn again for it.
  if (event->type() == QEvent::ScreenChangeInternal && devicePixelRatioF() != pixelRatio_) {
    layoutControls();
  }
  return QWidget::event(event);
}

void Form1::layoutControls() {
  pixelRatio_ = devicePixelRatioF();
  setFixedSize(scaled(kClientWidth), scaled(kClientHeight));
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
    const TwipRect place = kPlaces[i];
    const int left = scaled(place.left), top = scaled(place.top);
    widget->setGeometry(left, top, scaled(place.left + place.width) - left,
                        scaled(place.top + place.height) - top);
    QFont font = designFonts_[i];
    font.setPointSizeF(designFonts_[i].pointSizeF() * zoom_);
    widget->setFont(font);
    switch (controlKind(c)) {
      case ControlKind::TextBox:
        if (!restyle) break;
        widget->setStyleSheet(
            QStringLiteral("QLineEdit { color: %1; background-color: %2; border: %4px inset %3;"
                           " selection-color: %2; selection-background-color: %1; }")
                .arg(rgb(kYellow), rgb(kFeltGreen), rgb(kDarkGreen))
                .arg(border));
        break;
      case ControlKind::Button:
        if (!restyle) break;
        widget->setStyleSheet(buttonStyle(c == Control::Command1 ? kDealFace : kKnockFace, border));
        break;
      case ControlKind::PictureBox:
      case ControlKind::Image:
        showEntry(c, shown_[i].value_or(std::string()));
        break;
      case ControlKind::Label:
        break;
    }
  }
}

const QPixmap& Form1::startupPicture(Control c) const {
  if (controlKind(c) == ControlKind::PictureBox) return emptyCardPlace_;
  return c == Control::Image5 ? emptyPot_ : startupHonor_;
}

void Form1::clickControl(Control c) {
  if (auto* button = qobject_cast<QAbstractButton*>(control(c))) button->click();
}

void Form1::setPace(std::chrono::milliseconds perTurn) {
  pace_ = perTurn;
  game_.setRecording(perTurn.count() > 0);
}

void Form1::onClicked(Control c) {
  // While the computer turns of a click are shown, a click only hurries them to the end.
  if (replaying()) {
    finishReplay();
    return;
  }
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
  if (startReplay()) {
    heldBack_ = result;
    return;
  }
  applyTable();
  report(result);
}

void Form1::report(const ClickResult& result) {
  // Faults go to the error sink, never into a text box.
  if (result.error) errorSink_(QString::fromStdString(*result.error));
  if (result.uncountedWinner != 0) {
    const std::string_view name = shortName(result.uncountedWinner);
    errorSink_(tr("%1 has won %2 games, as many as the tally can count; this win is not added.")
                   .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
                   .arg(kMaxWins));
  } else if (result.notice) {
    errorSink_(QString::fromStdString(*result.notice));
  }
}

bool Form1::startReplay() {
  const std::vector<TableFrame>& frames = game_.frames();
  if (pace_.count() <= 0 || frames.empty()) return false;
  // With player 1 out, a click plays whole rounds: show how each ended, not every turn.
  const bool wholeRounds = std::any_of(frames.begin(), frames.end(), [](const TableFrame& f) {
    return f.kind == TableFrame::Kind::RoundEnd;
  });
  for (const TableFrame& frame : frames) {
    if ((frame.kind == TableFrame::Kind::RoundEnd) == wholeRounds) replay_.push_back(frame.table);
  }
  if (replay_.empty()) return false;
  frameTime_ = wholeRounds ? 3 * pace_ : pace_;
  nextFrame_ = 0;
  showNextFrame();
  return true;
}

void Form1::showNextFrame() {
  if (nextFrame_ >= replay_.size()) {
    finishReplay();
    return;
  }
  applyTable(replay_[nextFrame_++]);
  emit frameShown();
  replayTimer_.start(frameTime_);
}

void Form1::finishReplay() {
  if (!replaying()) return;
  replayTimer_.stop();
  replay_.clear();
  applyTable();
  report(std::exchange(heldBack_, {}));
}

void Form1::applyTable(const Table& table) {
  std::vector<Control> changed;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    const bool box = controlKind(c) == ControlKind::TextBox;
    if (shown_[i] == table[c] && (!box || shownMessages_[i] == table.message(c))) continue;
    if (shown_[i]) changed.push_back(c);  // the start-up look is no news
    if (box) shownMessages_[i] = table.message(c);
    showEntry(c, table[c]);
    shown_[i] = table[c];
  }
  tellNews(changed);
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
    case ControlKind::Image: {
      const QPixmap& picture =
          entry.empty() ? startupPicture(c) : pictures_.picture(text, zoom_, pixelRatio_);
      dynamic_cast<ShownPicture&>(*widget).setPicture(picture, text);
      break;
    }
  }
  sayName(widget, spoken(c, entry));
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
  if (told.isEmpty()) return;
  const QString text = told.join(u' ');

  // Screen readers speak a change of the focused control's description.
  QWidget* focus = QApplication::focusWidget();
  QWidget* holder = focus != nullptr && isAncestorOf(focus) ? focus : this;
  if (newsHolder_ && newsHolder_ != holder) sayDescription(newsHolder_, QString());
  if (holder->accessibleDescription() == text) sayDescription(holder, QString());  // heard again
  sayDescription(holder, text);
  newsHolder_ = holder;
}

}  // namespace korvo
