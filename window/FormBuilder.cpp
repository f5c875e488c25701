#include "window/FormBuilder.h"

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <vector>

#include "window/FigureLabel.h"
#include "window/FormLayout.h"

namespace window {
namespace {

QWidget* MakeControl(const ControlRow& row, QWidget& parent) {
  const QString caption = QString::fromUtf8(row.caption);
  switch (row.kind) {
    case ControlKind::GroupBox:
      return new QGroupBox(caption, &parent);
    case ControlKind::Caption: {
      auto* label = new QLabel(caption, &parent);
      // Captions sit on their field's first line, also where the label is taller.
      label->setAlignment(row.alignment | Qt::AlignTop);
      return label;
    }
    case ControlKind::TextBox:
      return new QLineEdit(&parent);
    case ControlKind::Figure: {
      auto* label = new FigureLabel(&parent);
      label->setAlignment(row.alignment | Qt::AlignVCenter);
      label->setFrameStyle(QFrame::Box | QFrame::Plain);
      label->setLineWidth(1);
      label->setFont(FigureFont());
      return label;
    }
  }
  return nullptr;
}

void LinkCaption(const ControlRow& caption, QLabel& label, QWidget& partner) {
  const QString name = PlainCaption(caption.caption);
  if (auto* textBox = qobject_cast<QLineEdit*>(&partner)) {
    label.setBuddy(textBox);
    textBox->setAccessibleName(name);
  } else {
    // A figure's accessible name stays its own text, so a screen reader says the amount.
    partner.setAccessibleDescription(name);
  }
}

void BuildMenus(QMenuBar& menuBar) {
  QHash<QString, QMenu*> menus;
  for (const MenuRow& row : FormMenus()) {
    const QString caption = QString::fromUtf8(row.caption);
    if (row.parent == nullptr) {
      QMenu* menu = menuBar.addMenu(caption);
      menu->setObjectName(QString::fromUtf8(row.name));
      menus.insert(menu->objectName(), menu);
      continue;
    }
    QMenu* menu = menus.value(QString::fromUtf8(row.parent));
    QAction* action =
        caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
    action->setObjectName(QString::fromUtf8(row.name));
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

void BuildForm(QWidget& client, QMenuBar& menuBar, qreal dotsPerInch) {
  client.setFixedSize(TwipsToPixels(kClientArea, dotsPerInch).size());

  QHash<QString, QWidget*> built;
  const auto control = [&built](const char* name) { return built.value(QString::fromUtf8(name)); };
  // Group boxes first, so every control's parent exists whatever the table's order.
  for (const bool groups : {true, false}) {
    for (const ControlRow& row : FormControls()) {
      if ((row.kind == ControlKind::GroupBox) != groups) continue;
      QWidget* parent = groups ? &client : control(row.parent);
      QWidget* made = MakeControl(row, *parent);
      made->setObjectName(QString::fromUtf8(row.name));
      made->setGeometry(TwipsToPixels(row.twips, dotsPerInch));
      built.insert(made->objectName(), made);
    }
  }

  std::vector<const ControlRow*> focusable;
  for (const ControlRow& row : FormControls()) {
    if (row.kind == ControlKind::TextBox) focusable.push_back(&row);
    if (row.partner == nullptr) continue;
    LinkCaption(row, *qobject_cast<QLabel*>(control(row.name)), *control(row.partner));
  }
  std::ranges::sort(focusable, {}, &ControlRow::tabIndex);
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    QWidget::setTabOrder(control(focusable[i - 1]->name), control(focusable[i]->name));
  }

  BuildMenus(menuBar);
}

}  // namespace window
