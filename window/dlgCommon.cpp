#include "window/dlgCommon.h"

#include <QColorDialog>
#include <QFontDialog>

#include "window/ModalRunner.h"

namespace window {

dlgCommon::dlgCommon(ModalRunner& modals) : modals_(modals) {}

void dlgCommon::ShowFont(QWidget& owner) {
  QFont font(fontName_);
  font.setBold(fontBold_);
  font.setItalic(fontItalic_);
  if (fontSize_ > 0) font.setPointSizeF(fontSize_);

  QFontDialog dialog(&owner);
  dialog.setObjectName(QStringLiteral("fontChooser"));
  // Qt's own chooser looks and behaves the same on every desktop.
  QFontDialog::FontDialogOptions options = QFontDialog::DontUseNativeDialog;
  if ((flags_ & kScreenFonts) == 0) options |= QFontDialog::ScalableFonts;
  dialog.setOptions(options);
  dialog.setCurrentFont(font);
  if (modals_.Run(dialog) != QDialog::Accepted) return;

  const QFont chosen = dialog.selectedFont();
  fontName_ = chosen.family();
  fontBold_ = chosen.bold();
  fontItalic_ = chosen.italic();
  fontSize_ = static_cast<float>(chosen.pointSizeF());
}

void dlgCommon::ShowColor(QWidget& owner) {
  QColorDialog dialog(&owner);
  dialog.setObjectName(QStringLiteral("colorChooser"));
  dialog.setOptions(QColorDialog::DontUseNativeDialog);
  dialog.setCurrentColor((flags_ & kInitialColor) != 0 ? QColor::fromRgba(color_)
                                                       : QColor(Qt::white));
  if (modals_.Run(dialog) != QDialog::Accepted) return;

  color_ = dialog.selectedColor().rgba();
}

}  // namespace window
