#include "window/speech.h"

#include <QLineEdit>
#include <QWidget>

namespace korvo {

namespace {

SpeechObserver& observer() {
  static SpeechObserver installed;
  return installed;
}

void tell(QAccessible::Event event, QWidget* widget, const QString& text) {
  if (observer()) observer()({event, widget, text});
}

}  // namespace

SpeechObserver setSpeechObserver(SpeechObserver next) {
  SpeechObserver previous = std::move(observer());
  observer() = std::move(next);
  return previous;
}

void sayName(QWidget* widget, const QString& name) {
  if (widget->accessibleName() == name) return;
  widget->setAccessibleName(name);  // sends QAccessible::NameChanged
  tell(QAccessible::NameChanged, widget, name);
}

void sayDescription(QWidget* widget, const QString& description) {
  if (widget->accessibleDescription() == description) return;
  widget->setAccessibleDescription(description);  // sends QAccessible::DescriptionChanged
  tell(QAccessible::DescriptionChanged, widget, description);
}

void sayText(QLineEdit* box, const QString& text) {
  if (box->text() == text) return;
  box->setText(text);         // sends the text insert, remove or update event
  box->setCursorPosition(0);  // a long message shows its beginning
  tell(QAccessible::TextUpdated, box, text);
}

}  // namespace korvo
