#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace window {

class ModalRunner;

/// The window's font and colour choosers. It holds the values exchanged with them: the
/// window loads them, shows a chooser, and reads them back. A cancelled chooser leaves the
/// values as they were loaded, so reading them back is always safe.
class dlgCommon {
 public:
  /// Flags that the window sets before each chooser; each chooser reads its own meaning.
  /// The font chooser lists every font the screen has, not only the scalable ones.
  static constexpr int kScreenFonts = 1;
  /// The colour chooser opens with Color() selected rather than with white.
  static constexpr int kInitialColor = 1;

  /// `modals` runs both choosers and must outlive this.
  explicit dlgCommon(ModalRunner& modals);

  int Flags() const { return flags_; }
  void SetFlags(int flags) { flags_ = flags; }

  const QString& FontName() const { return fontName_; }
  void SetFontName(const QString& name) { fontName_ = name; }
  bool FontBold() const { return fontBold_; }
  void SetFontBold(bool bold) { fontBold_ = bold; }
  bool FontItalic() const { return fontItalic_; }
  void SetFontItalic(bool italic) { fontItalic_ = italic; }
  float FontSize() const { return fontSize_; }
  void SetFontSize(float points) { fontSize_ = points; }

  QRgb Color() const { return color_; }
  void SetColor(QRgb color) { color_ = color; }

  /// Shows the font chooser over `owner` and waits until it is closed.
  void ShowFont(QWidget& owner);
  /// Shows the colour chooser over `owner` and waits until it is closed.
  void ShowColor(QWidget& owner);

 private:
  ModalRunner& modals_;
  int flags_ = 0;
  QString fontName_;
  bool fontBold_ = false;
  bool fontItalic_ = false;
  float fontSize_ = 0;
  QRgb color_ = 0xff000000;
};

}  // namespace window
