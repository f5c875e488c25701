#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

#include "order/OrderFormView.h"
#include "window/FormBuilder.h"

namespace window {

/// Keeps the four summary figures whole and legible, whatever the amount and the font: it
/// widens their boxes to the widest amount (one width for all four, right edges kept),
/// spaces the rows apart for a font taller than a box, moves each caption along with its
/// box, and grows the Summary group and the client area to hold them; nothing above the
/// Summary moves. When the amounts fit the design again, every geometry is the design's.
/// Right to left, all of it is mirrored.
class SummaryFit {
 public:
  /// The smallest size the figures are drawn at to keep the window on the screen.
  static constexpr qreal kSmallestPointSize = 9.75;

  /// Takes the form as placed as its design.
  SummaryFit(const FormWidgets& controls, QWidget& client);

  /// Takes the form as placed now as its design (after the form was placed anew), with
  /// `figureFont` as the figures' own font where the user has not chosen one.
  void Redesign(const QFont& figureFont);

  /// The font the user chose for the figures, or the design's. They are drawn in it, or,
  /// where the window would not fit the screen otherwise, in the same font just small
  /// enough.
  const QFont& ChosenFont() const { return chosen_; }
  void SetChosenFont(const QFont& font);

  /// Lays the Summary out for the figures' texts as they are now, in a client area that
  /// is at most `room` where the font can be made small enough for that.
  void Refit(QSize room);

 private:
  static constexpr std::size_t kRows = order::kSummaryLabels.size();

  /// Left-to-right geometry; mirrored where the form is right to left.
  struct Geometry {
    std::array<QRect, kGroupCount> groups;
    std::array<QRect, kRows> figures;
    std::array<QRect, kRows> captions;
    QSize client;
  };
  /// What a fit depends on besides the design.
  struct Inputs {
    QSize room;
    QFont font;
    std::array<QString, kRows> texts;
    bool operator==(const Inputs&) const = default;
  };

  Geometry Fitted(const QFont& font) const;
  /// A left-to-right place as the form shows it, and back: mirrored where it is right to
  /// left.
  QRect Mirrored(QRect place, int parentWidth) const;
  void Apply(const Geometry& geometry, const QFont& font);

  const FormWidgets& controls_;
  QWidget& client_;
  Geometry design_;
  QFont chosen_;
  bool chosenByUser_ = false;
  Inputs fittedFor_;
};

/// A font for a figure: its own, with the family, weight, slant and size of `chosen`. The
/// label keeps its underline and strike-out, which the font chooser does not offer.
QFont FigureFontFrom(QFont own, const QFont& chosen);

}  // namespace window
