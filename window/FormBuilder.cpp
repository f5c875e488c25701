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

QWidget* MakeControl(const ControlRow& row, QWidget& parent) {
  const QString caption = QString::fromUtf8(row.caption);
  switch (row.kind) {
    case ControlKind::GroupBox:
      return new FormGroupBox(caption, &parent);
    case ControlKind::Caption:
      return new QLabel(caption, &parent);
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(&parent);
      // Qt's default stops typing at 32,767 characters; the form sets no limit of its own.
      box->setMaxLength(std::numeric_limits<int>::max());
      return box;
    }
    case ControlKind::Figure: {
      auto* label = new FigureLabel(&parent);
      label->setFrameStyle(QFrame::Box | QFrame::Plain);
      label->setLineWidth(1);
      label->setFont(FigureFont());
      return label;
    }
  }
  return nullptr;
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
      place.moveLeft(parentWidth - place.left() - place.width());
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
    QWidget* made = MakeControl(row, *parent);
    made->setObjectName(QString::fromUtf8(row.name));
    widgets.byRow.push_back(made);
    const auto record = [&](auto id) {
      using Id = decltype(id);
      if constexpr (std::is_same_v<Id, Group>) {
        widgets.groups[id] = static_cast<QGroupBox*>(made);
      } else if constexpr (std::is_same_v<Id, order::OrderField>) {
        if (row.kind == ControlKind::Caption) {
          fieldCaptions[id] = static_cast<QLabel*>(made);
        } else {
          widgets.textBoxes[id] = static_cast<QLineEdit*>(made);
          focusable.emplace_back(row.tabIndex, made);
        }
      } else if (row.kind == ControlKind::Caption) {
        widgets.figureCaptions[id] = static_cast<QLabel*>(made);
      } else {
        widgets.figures[id] = static_cast<FigureLabel*>(made);
      }
    };
    std::visit(record, row.id);
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
