#include "window/ScreenReaderSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <vector>

#include "window/FigureLabel.h"
#include "window/FormLayout.h"

namespace window {

ScreenReaderSupport::ScreenReaderSupport(const FormWidgets& widgets) : widgets_(widgets) {
  QAccessible::installActivationObserver(this);
  accessibilityActiveChanged(QAccessible::isActive());
}

ScreenReaderSupport::~ScreenReaderSupport() { QAccessible::removeActivationObserver(this); }

void ScreenReaderSupport::accessibilityActiveChanged(bool active) {
  std::vector<const ControlRow*> figures;
  for (const ControlRow& row : FormControls()) {
    if (row.kind == ControlKind::Figure) figures.push_back(&row);
  }
  std::ranges::sort(figures, {}, &ControlRow::tabIndex);

  QWidget* previous = widgets_.textBoxes[order::OrderField::Price];
  for (const ControlRow* row : figures) {
    const auto label = std::get<order::SummaryLabel>(row->id);
    FigureLabel* figure = widgets_.figures[label];
    figure->setTextInteractionFlags(active ? Qt::TextSelectableByKeyboard : Qt::NoTextInteraction);
    // After the flags, which set a focus policy of their own.
    figure->setFocusPolicy(active ? Qt::TabFocus : Qt::NoFocus);
    // The caption's buddy is what a screen reader reads the figure's label from.
    widgets_.figureCaptions[label]->setBuddy(active ? figure : nullptr);
    if (active) QWidget::setTabOrder(previous, figure);
    previous = figure;
  }
}

}  // namespace window
