#pragma once

#include <QRect>
#include <QString>
#include <Qt>
#include <span>

namespace window {

/// A rectangle in twips (1/1440 inch), the unit the form is designed in.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

enum class ControlKind { GroupBox, Caption, TextBox, Figure };

/// One control of the form. Positions are relative to the parent's top-left corner.
struct ControlRow {
  ControlKind kind;
  const char* name;
  /// The group box it sits in; nullptr for a group box, which sits on the window.
  const char* parent;
  /// Caption text, with '&' before the access key; empty for text boxes and figures.
  const char* caption;
  TwipsRect twips;
  int tabIndex;
  /// Horizontal only: captions sit at the top of their box, figures in its middle.
  Qt::Alignment alignment;
  /// For a caption, the text box or figure it names: the text box takes its access key,
  /// and both take their accessible text from it.
  const char* partner;
};

/// One menu or menu entry; parent is nullptr for a menu on the menu bar. A caption of "-"
/// makes a separator.
struct MenuRow {
  const char* name;
  const char* parent;
  const char* caption;
};

/// The size of the window's client area, below the menu bar.
inline constexpr TwipsRect kClientArea{0, 0, 6060, 5490};

/// Every control of the window, in no particular order: tab order comes from tabIndex.
std::span<const ControlRow> FormControls();

/// The menu bar, menus before their entries, entries in the order they are shown.
std::span<const MenuRow> FormMenus();

/// Converts edges rather than sizes, so edges that meet or line up in twips still do in
/// pixels whatever the rounding. 15 twips a pixel at 96 dots per inch.
QRect TwipsToPixels(TwipsRect twips, qreal dotsPerInch);

/// A caption as a screen reader should say it: no access-key marker, no trailing colon.
QString PlainCaption(const char* caption);

}  // namespace window
