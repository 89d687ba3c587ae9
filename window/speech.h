// What the window tells assistive technology when the table changes.
//
// Qt's setters send the change events (name, description, text) to the AT-SPI bridge, and Qt
// drops them while no assistive technology listens. An observer installed here sees each
// change the window makes, listened to or not: the tests' view of what a screen reader hears.
#pragma once

#include <QAccessible>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace korvo {

struct SpokenChange {
  QAccessible::Event event;  // NameChanged, DescriptionChanged or TextUpdated
  QWidget* widget;
  QString text;  // the new name, description or text
};
using SpeechObserver = std::function<void(const SpokenChange&)>;

// Installs the observer (an empty one removes it); returns the one it replaces.
SpeechObserver setSpeechObserver(SpeechObserver observer);

// Gives a widget a new accessible name or description; nothing is sent when it is unchanged.
void sayName(QWidget* widget, const QString& name);
void sayDescription(QWidget* widget, const QString& description);
// Shows a new text in a read-only text box, where a screen reader reads it as its text.
void sayText(QLineEdit* box, const QString& text);

}  // namespace korvo
