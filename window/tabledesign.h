// The table as designed: where each control sits (in twips), what a screen reader calls it,
// the colours, fonts and style sheets. Data, not behaviour: Form1 lays the controls out from it.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <array>

#include "game/table.h"

namespace korvo {

// The designed place of a control, in twips from the top-left corner of the client area.
struct TwipRect {
  int left, top, width, height;
};
// Twips per pixel of the design.
inline constexpr int kTwipsPerPixel = 12;
TwipRect designedPlace(Control c);

// The client area in twips, and the table's size as designed at zoom 1, in pixels.
inline constexpr int kClientWidth = 8664;
inline constexpr int kClientHeight = 6600;
inline constexpr QSize kDesignedTableSize{kClientWidth / kTwipsPerPixel,
                                          kClientHeight / kTwipsPerPixel};

// The name a screen reader gives a control; the controls' own names mean nothing to a player.
const char* accessibleNameOf(Control c);

// The nearest sans-serif face of the system stands in for the designed faces.
QFont designFont(double points, bool bold, const QString& face = QStringLiteral("Liberation Sans"));
// The designed font of a control.
QFont designFontOf(Control c);

// The style sheet of a control at a border width in pixels; empty for a control without one
// (card places and images paint themselves).
QString styleSheetOf(Control c, int border);
// The frame a hint draws round the place to click, `width` pixels wide.
QString hintMarkStyleSheet(int width);

// The most of a picture that any picture box or image control shows: it draws its picture
// unscaled at its top-left corner, so the picture's part beyond its size never shows.
QSize largestPicturePlace();

}  // namespace korvo
