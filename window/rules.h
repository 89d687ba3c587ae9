// The rules of the game as a player reads them in Help > Rules.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace korvo {

// The rules as rich text, in the game's own words.
QString rulesText();

// A window of its own beside the table, so a player can read the rules while playing.
class RulesWindow : public QDialog {
  Q_OBJECT

 public:
  explicit RulesWindow(QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();

  QTextBrowser* text_;
};

}  // namespace korvo
