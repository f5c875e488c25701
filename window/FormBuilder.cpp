#include "window/FormBuilder.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <limits>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>

#include "window/FigureLabel.h"
#include "window/FormGroupBox.h"

namespace window {
namespace {

/// Captions sit on their field's first line, also where the label is taller; figures in
/// the middle of their box.
Qt::Alignment VerticalAlignment(const ControlRow& row) {
  return row.kind == ControlKind::Figure ? Qt::AlignVCenter : Qt::AlignTop;
}

Qt::Alignment Mirrored(Qt::Alignment horizontal) {
  if (horizontal & Qt::AlignLeft) return Qt::AlignRight;
  if (horizontal & Qt::AlignRight) return Qt::AlignLeft;
  return horizontal;
}

QLineEdit* MakeTextBox(QWidget& parent) {
  auto* box = new QLineEdit(&parent);
  // Qt's default stops typing at 32,767 characters; the form sets no limit of its own.
  box->setMaxLength(std::numeric_limits<int>::max());
  return box;
}

FigureLabel* MakeFigure(QWidget& parent) {
  auto* label = new FigureLabel(&parent);
  label->setFrameStyle(QFrame::Box | QFrame::Plain);
  label->setLineWidth(1);
  label->setFont(FigureFont());
  return label;
}

void BuildMenus(QMenuBar& menuBar, FormWidgets& widgets) {
  QMenu* menu = nullptr;
  for (const MenuRow& row : FormMenus()) {
    const QString caption = QString::fromUtf8(row.caption);
    QObject* made = nullptr;
    switch (row.kind) {
      case MenuRowKind::Menu:
        made = menu = menuBar.addMenu(caption);
        break;
      case MenuRowKind::Separator:
        made = menu->addSeparator();
        break;
      case MenuRowKind::Command:
        made = widgets.commands[row.command] = menu->addAction(caption);
        break;
    }
    made->setObjectName(QString::fromUtf8(row.name));
  }
}

}  // namespace

QRect MirroredWithin(QRect place, int parentWidth) {
  place.moveLeft(parentWidth - place.left() - place.width());
  return place;
}

QFont FigureFont() {
  QFont font(QStringLiteral("Sans Serif"));
  font.setPointSizeF(9.75);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  return font;
}

void PlaceForm(const FormWidgets& widgets, QWidget& client, qreal pixelsPerInch) {
  const QSize clientSize = TwipsToPixels(kClientArea, pixelsPerInch).size();
  client.setFixedSize(clientSize);
  const bool mirrored = client.isRightToLeft();
  const std::span<const ControlRow> rows = FormControls();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ControlRow& row = rows[i];
    QRect place = TwipsToPixels(row.twips, pixelsPerInch);
    if (mirrored) {
      // Group boxes come first in the table, so a control's group is already placed.
      const int parentWidth = row.group ? widgets.groups[*row.group]->width() : clientSize.width();
      place = MirroredWithin(place, parentWidth);
    }
    QWidget* control = widgets.byRow.at(i);
    control->setGeometry(place);
    if (auto* label = qobject_cast<QLabel*>(control)) {
      // A label aligns its text by the text's own direction, which for these English
      // captions is left to right: right to left, the form says where the text goes.
      label->setAlignment(mirrored
                              ? Mirrored(row.alignment) | Qt::AlignAbsolute | VerticalAlignment(row)
                              : row.alignment | VerticalAlignment(row));
    }
  }
}

FormWidgets BuildForm(QWidget& client, QMenuBar& menuBar, qreal dotsPerInch) {
  FormWidgets widgets;
  ControlsBy<order::OrderField, QLabel, order::kOrderFields.size()> fieldCaptions;
  std::vector<std::pair<int, QWidget*>> focusable;
  // The table lists group boxes first, so every control's parent exists when it is made.
  for (const ControlRow& row : FormControls()) {
    QWidget* parent = row.group ? widgets.groups[*row.group] : &client;
    const QString caption = QString::fromUtf8(row.caption);
    // Each control is made as the type its identity calls for and recorded as that type;
    // the table's check at compile time holds each row's kind to its identity.
    const auto make = [&](auto id) -> QWidget* {
      using Id = decltype(id);
      constexpr bool isField = std::is_same_v<Id, order::OrderField>;
      if constexpr (std::is_same_v<Id, Group>) {
        return widgets.groups[id] = new FormGroupBox(caption, parent);
      } else if (row.kind == ControlKind::Caption) {
        auto* label = new QLabel(caption, parent);
        if constexpr (isField) {
          fieldCaptions[id] = label;
        } else {
          widgets.figureCaptions[id] = label;
        }
        return label;
      } else if constexpr (isField) {
        widgets.textBoxes[id] = MakeTextBox(*parent);
        focusable.emplace_back(row.tabIndex, widgets.textBoxes[id]);
        return widgets.textBoxes[id];
      } else {
        return widgets.figures[id] = MakeFigure(*parent);
      }
    };
    QWidget* made = std::visit(make, row.id);
    made->setObjectName(QString::fromUtf8(row.name));
    widgets.byRow.push_back(made);
  }

  for (const order::OrderField field : order::kOrderFields) {
    fieldCaptions[field]->setBuddy(widgets.textBoxes[field]);
    widgets.textBoxes[field]->setAccessibleName(PlainCaption(fieldCaptions[field]->text()));
    // Placing the cursor once, though it stands at 0 already, makes Qt report an empty box
    // to a screen reader on its first focus; without it the first Tab into one is silent.
    widgets.textBoxes[field]->setCursorPosition(0);
  }
  for (const order::SummaryLabel label : order::kSummaryLabels) {
    // A figure's accessible name stays its own text, so a screen reader says the amount.
    widgets.figures[label]->setAccessibleDescription(
        PlainCaption(widgets.figureCaptions[label]->text()));
  }
  std::ranges::sort(focusable, {}, &std::pair<int, QWidget*>::first);
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
  }

  BuildMenus(menuBar, widgets);
  PlaceForm(widgets, client, dotsPerInch);
  return widgets;
}

}  // namespace window
