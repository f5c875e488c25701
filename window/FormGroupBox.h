#pragma once

#include <QGroupBox>

namespace window {

/// A group box drawn the way the form's layout was designed for: its title sits on the top
/// line of the frame, and the frame begins at the title's middle. Styles such as Fusion
/// draw the title above the frame instead, which puts the frame's top line through the
/// group's first row.
class FormGroupBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit FormGroupBox(const QString& title, QWidget* parent = nullptr);

  /// Where the title is drawn: indented from the frame's corner, at the left end, or the
  /// right end right to left.
  QRect TitleRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace window
