#pragma once

#include <QFont>
#include <QtGlobal>
#include <array>
#include <cstddef>
#include <vector>

#include "order/OrderFormView.h"
#include "window/FormLayout.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QWidget;

namespace window {

class FigureLabel;

/// Controls looked up by the enumeration that names them, whose values count from 0.
template <typename Key, typename Control, std::size_t N>
struct ControlsBy {
  std::array<Control*, N> items{};

  Control* operator[](Key key) const { return items.at(static_cast<std::size_t>(key)); }
  Control*& operator[](Key key) { return items.at(static_cast<std::size_t>(key)); }
};

/// The controls of a built form, by what they stand for.
struct FormWidgets {
  /// Every control, in the order of FormControls().
  std::vector<QWidget*> byRow;
  ControlsBy<Group, QGroupBox, kGroupCount> groups;
  ControlsBy<order::OrderField, QLineEdit, order::kOrderFields.size()> textBoxes;
  ControlsBy<order::SummaryLabel, FigureLabel, order::kSummaryLabels.size()> figures;
  /// The caption beside each figure.
  ControlsBy<order::SummaryLabel, QLabel, order::kSummaryLabels.size()> figureCaptions;
  ControlsBy<MenuCommand, QAction, kMenuCommandCount> commands;
};

/// Creates every control of the form on `client`, placed for `dotsPerInch`, and every menu
/// on `menuBar`, each with its name as objectName. Sets the tab order and the caption
/// labels' buddies and accessible texts. The client area is fixed at its designed size.
FormWidgets BuildForm(QWidget& client, QMenuBar& menuBar, qreal dotsPerInch);

/// Places every control and sizes the client area from the layout's twips, at
/// `pixelsPerInch` pixels to the layout's inch. Where the client is laid out right to left,
/// every control's horizontal place is mirrored within its parent.
void PlaceForm(const FormWidgets& widgets, QWidget& client, qreal pixelsPerInch);

/// `place` mirrored within a parent `parentWidth` wide: where a control stands right to left.
QRect MirroredWithin(QRect place, int parentWidth);

/// The font the four summary figures start with.
QFont FigureFont();

}  // namespace window
