#pragma once

#include <QImage>
#include <QRect>
#include <cstdlib>

namespace window::testing {

/// Where a drawing has ink within `area`: the pixels that differ clearly from `paper`, as
/// text stands out from its background to a reader.
inline QRect InkWithin(const QImage& drawn, const QRect& area, QRgb paper) {
  QRect ink;
  const QRect inside = area & drawn.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if (std::abs(qGray(drawn.pixel(x, y)) - qGray(paper)) > 48) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

}  // namespace window::testing
