#include "window/tabledesign.h"

#include <QCoreApplication>

#include "window/art.h"

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

// In English; the window says them in the player's language (Form1::baseName).
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

}  // namespace

TwipRect designedPlace(Control c) {
  return kPlaces[static_cast<std::size_t>(c)];
}

const char* accessibleNameOf(Control c) {
  return kAccessibleNames[static_cast<std::size_t>(c)];
}

QFont designFont(double points, bool bold, const QString& face) {
  QFont font(face);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

QFont designFontOf(Control c) {
  switch (c) {
    case Control::Command1:
      return designFont(22.2, true);
    case Control::Command2:
      return designFont(18, true);
    case Control::Label1:
      // The title's box holds the word at 24 points bold only in a narrow face.
      return designFont(24, true, QStringLiteral("Liberation Sans Narrow"));
    case Control::Label2:
      return designFont(12, false);
    default:
      break;
  }
  switch (controlKind(c)) {
    case ControlKind::TextBox:
      return designFont(12, false);
    case ControlKind::Label:
      return designFont(10.8, true);
    default:
      return {};
  }
}

QString hintMarkStyleSheet(int width) {
  return QStringLiteral("#hintMark { border: %1px solid %2; background: transparent; }")
      .arg(width)
      .arg(rgb(kYellow));
}

QString styleSheetOf(Control c, int border) {
  switch (controlKind(c)) {
    case ControlKind::TextBox:
      return QStringLiteral(
                 "QLineEdit { color: %1; background-color: %2; border: %4px inset %3;"
                 " selection-color: %2; selection-background-color: %1; }")
          .arg(rgb(kYellow), rgb(kFeltGreen), rgb(kDarkGreen))
          .arg(border);
    case ControlKind::Button:
      return buttonStyle(c == Control::Command1 ? kDealFace : kKnockFace, border);
    case ControlKind::Label:
      return labelStyle(c == Control::Label1   ? kTitleBlue
                        : c == Control::Label2 ? kCreditRed
                                               : kDarkGreen);
    case ControlKind::PictureBox:
    case ControlKind::Image:
      break;
  }
  return {};
}

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

}  // namespace korvo
