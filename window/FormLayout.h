#pragma once

#include <QRect>
#include <QString>
#include <Qt>
#include <cstddef>
#include <optional>
#include <span>
#include <variant>

#include "order/OrderFormView.h"

namespace window {

/// A rectangle in twips (1/1440 inch), the unit the form is designed in.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

enum class ControlKind { GroupBox, Caption, TextBox, Figure };

enum class Group { Customer, Item, Summary };
/// How many groups there are: one more than the last.
inline constexpr std::size_t kGroupCount = static_cast<std::size_t>(Group::Summary) + 1;

/// The menu entries that start a command.
enum class MenuCommand { PrintForm, Summary, Exit, NextItem, NextOrder, Font, Color, About };
/// How many commands there are: one more than the last.
inline constexpr std::size_t kMenuCommandCount = static_cast<std::size_t>(MenuCommand::About) + 1;

/// What a control stands for. A caption stands for the text box or figure it names: the
/// text box takes its access key, and both take their accessible text from it.
using ControlId = std::variant<Group, order::OrderField, order::SummaryLabel>;

/// One control of the form. Positions are relative to the parent's top-left corner.
struct ControlRow {
  ControlKind kind;
  ControlId id;
  /// Its objectName, which tests and accessibility tools find it by.
  const char* name;
  /// The group box it sits in; none for a group box, which sits on the window.
  std::optional<Group> group;
  /// Caption text, with '&' before the access key; empty for text boxes and figures.
  const char* caption;
  TwipsRect twips;
  int tabIndex;
  /// Horizontal only: captions sit at the top of their box, figures in its middle.
  Qt::Alignment alignment;
};

enum class MenuRowKind { Menu, Command, Separator };

/// A menu on the menu bar, or an entry of the last menu above it.
struct MenuRow {
  MenuRowKind kind;
  const char* name;
  /// Caption text, with '&' before the access key.
  const char* caption;
  /// The command an entry starts; only for MenuRowKind::Command.
  MenuCommand command = MenuCommand::PrintForm;
};

/// The size of the window's client area, below the menu bar.
inline constexpr TwipsRect kClientArea{0, 0, 6060, 5490};

/// Every control of the window, group boxes first: tab order comes from tabIndex.
std::span<const ControlRow> FormControls();

/// The menu bar: each menu, followed by its entries in the order they are shown.
std::span<const MenuRow> FormMenus();

/// Converts edges rather than sizes, so edges that meet or line up in twips still do in
/// pixels whatever the rounding. 15 twips a pixel at 96 dots per inch.
QRect TwipsToPixels(TwipsRect twips, qreal dotsPerInch);

/// A caption as a screen reader should say it: no access-key marker, no trailing colon.
QString PlainCaption(QString caption);

}  // namespace window
