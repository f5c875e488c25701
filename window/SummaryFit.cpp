#include "window/SummaryFit.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "window/FigureLabel.h"

namespace window {
namespace {

bool Within(QSize size, QSize room) {
  return size.width() <= room.width() && size.height() <= room.height();
}

}  // namespace

QFont FigureFontFrom(QFont own, const QFont& chosen) {
  own.setFamily(chosen.family());
  own.setBold(chosen.bold());
  own.setItalic(chosen.italic());
  own.setPointSizeF(chosen.pointSizeF());
  return own;
}

SummaryFit::SummaryFit(const FormWidgets& controls, QWidget& client)
    : controls_(controls), client_(client) {
  Redesign(controls.figures.items.front()->font());
}

void SummaryFit::Redesign(const QFont& figureFont) {
  if (!chosenByUser_) chosen_ = figureFont;
  const int clientWidth = client_.width();
  for (std::size_t group = 0; group < kGroupCount; ++group) {
    design_.groups.at(group) = Mirrored(controls_.groups.items.at(group)->geometry(), clientWidth);
  }
  const int summaryWidth = design_.groups.at(static_cast<std::size_t>(Group::Summary)).width();
  for (std::size_t row = 0; row < kRows; ++row) {
    design_.figures.at(row) = Mirrored(controls_.figures.items.at(row)->geometry(), summaryWidth);
    design_.captions.at(row) =
        Mirrored(controls_.figureCaptions.items.at(row)->geometry(), summaryWidth);
  }
  design_.client = client_.size();
  fittedFor_ = {};
}

void SummaryFit::SetChosenFont(const QFont& font) {
  chosen_ = font;
  chosenByUser_ = true;
}

QRect SummaryFit::Mirrored(QRect place, int parentWidth) const {
  return client_.isRightToLeft() ? MirroredWithin(place, parentWidth) : place;
}

SummaryFit::Geometry SummaryFit::Fitted(const QFont& font) const {
  // One size for the four boxes: the design's, or what the widest and tallest text needs.
  QSize box = design_.figures.front().size();
  const QFontMetrics metrics(font);
  for (const FigureLabel* figure : controls_.figures.items) {
    box = box.expandedTo(figure->BoxSizeFor(metrics));
  }
  const int wider = box.width() - design_.figures.front().width();
  const int taller = box.height() - design_.figures.front().height();

  Geometry fitted = design_;
  const QRect& group = design_.groups.at(static_cast<std::size_t>(Group::Summary));
  int leftmost = group.width();
  for (std::size_t row = 0; row < kRows; ++row) {
    const QRect& figure = design_.figures.at(row);
    const QRect& caption = design_.captions.at(row);
    // Each row moves down by what the rows above it grew; each box grows to the left.
    QRect& fittedFigure = fitted.figures.at(row);
    fittedFigure = QRect(figure.left() - wider, figure.top() + static_cast<int>(row) * taller,
                         box.width(), box.height());
    // The caption keeps its size and its distance from its box, and moves down with it, by
    // half of what the box grew, to stay centred on the row.
    QRect& fittedCaption = fitted.captions.at(row);
    fittedCaption.moveRight(fittedFigure.left() - (figure.left() - caption.right()));
    fittedCaption.moveTop(caption.top() + static_cast<int>(row) * taller + taller / 2);
    leftmost = std::min(leftmost, fittedCaption.left());
  }
  // Where the captions would pass the group's frame, the rows move right and the group and
  // the window grow wider instead.
  const int margin = controls_.figureCaptions.items.front()->fontMetrics().averageCharWidth();
  const int wall = std::min(margin, std::ranges::min(design_.captions, {}, &QRect::left).left());
  const int right = std::max(0, wall - leftmost);
  for (std::size_t row = 0; row < kRows; ++row) {
    fitted.figures.at(row).translate(right, 0);
    fitted.captions.at(row).translate(right, 0);
  }
  const QSize grown(right, static_cast<int>(kRows) * taller);
  fitted.groups.at(static_cast<std::size_t>(Group::Summary)).setSize(group.size() + grown);
  fitted.client = design_.client + grown;
  return fitted;
}

void SummaryFit::Apply(const Geometry& geometry, const QFont& font) {
  client_.setFixedSize(geometry.client);
  // Right to left, the groups hang from the client's right edge, and the rows from the
  // Summary's.
  for (std::size_t group = 0; group < kGroupCount; ++group) {
    controls_.groups.items.at(group)->setGeometry(
        Mirrored(geometry.groups.at(group), geometry.client.width()));
  }
  const int summaryWidth = geometry.groups.at(static_cast<std::size_t>(Group::Summary)).width();
  for (std::size_t row = 0; row < kRows; ++row) {
    FigureLabel* figure = controls_.figures.items.at(row);
    const QFont fitted = FigureFontFrom(figure->font(), font);
    if (fitted != figure->font()) figure->setFont(fitted);
    figure->setGeometry(Mirrored(geometry.figures.at(row), summaryWidth));
    controls_.figureCaptions.items.at(row)->setGeometry(
        Mirrored(geometry.captions.at(row), summaryWidth));
  }
}

void SummaryFit::Refit(QSize room) {
  // Commands rewrite the figures with the same amounts often (Summary again): then there
  // is nothing to measure.
  Inputs inputs{room, chosen_, {}};
  for (std::size_t row = 0; row < kRows; ++row) {
    inputs.texts.at(row) = controls_.figures.items.at(row)->text();
  }
  if (inputs == fittedFor_) return;
  fittedFor_ = inputs;

  QFont font = chosen_;
  Geometry fitted = Fitted(font);
  const qreal chosenSize = chosen_.pointSizeF();
  if (!Within(fitted.client, room) && chosenSize > kSmallestPointSize) {
    // The largest quarter point between the smallest size and the chosen one at which the
    // window fits; the smallest where none does.
    int low = 0;  // quarter points above the smallest size
    int high = static_cast<int>(std::floor((chosenSize - kSmallestPointSize) * 4)) - 1;
    while (low < high) {
      const int middle = (low + high + 1) / 2;
      font.setPointSizeF(kSmallestPointSize + middle / 4.0);
      if (Within(Fitted(font).client, room)) {
        low = middle;
      } else {
        high = middle - 1;
      }
    }
    font.setPointSizeF(kSmallestPointSize + low / 4.0);
    fitted = Fitted(font);
  }
  Apply(fitted, font);
}

}  // namespace window
