// The two kinds of picture control on the table.
//
// A card place (PictureBox) is a button: it takes keyboard focus, Space or a click activates
// it. An image control (ImageBox) only shows its picture. Both paint felt green and then
// their picture unscaled at their top-left corner, so the table shows around a card.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace korvo {

// The picture a control shows and the file it came from ("" for its start-up picture).
class ShownPicture {
 public:
  explicit ShownPicture(QWidget* owner) : owner_(owner) {}
  virtual ~ShownPicture() = default;

  void setPicture(const QPixmap& picture, const QString& name);
  const QPixmap& picture() const { return picture_; }
  const QString& pictureName() const { return name_; }

 protected:
  // Felt green over the whole control, the picture unscaled at its top-left corner.
  void paintPicture() const;

 private:
  QWidget* owner_;
  QPixmap picture_;
  QString name_;
};

class PictureBox : public QAbstractButton, public ShownPicture {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class ImageBox : public QWidget, public ShownPicture {
  Q_OBJECT

 public:
  explicit ImageBox(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent*) override { paintPicture(); }
};

}  // namespace korvo
