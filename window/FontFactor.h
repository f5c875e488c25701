#pragma once

#include <QtGlobal>

namespace window {

struct FormWidgets;

/// How much larger the form must be drawn for the fonts its controls have: the smallest
/// scale, never below 1, at which every caption's text fits its box, every text box is as
/// tall as a line of its text, and every group's title stands above the group's first
/// control. At the fonts the layout was drawn for (a desktop's default of 9 or 10 points)
/// it is 1, so a larger desktop font scales the whole form, every position and size alike,
/// as the layout's own platform scaled its forms with their font.
qreal FontFactor(const FormWidgets& widgets, qreal dotsPerInch);

}  // namespace window
