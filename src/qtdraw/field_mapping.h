#pragma once
// The isotropic mapping of field units to device pixels: the visible world is `extent` by
// `extent` / 2 field units, fitted into the device's resolution with one scale for both axes.
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <cmath>

#include "core/util/types.h"

namespace px {

struct FieldMapping {
  double scale = 1.0;   // device pixels per field unit
  QPointF worldOrigin;  // the field point at device (0, 0)

  // The scale that fits the world (extent wide, extent / 2 high) into `resolution`.
  static double IsotropicScale(int extent, QSizeF resolution) {
    const double sx = resolution.width() / extent;
    const double sy = resolution.height() / (extent / 2);
    return sx < sy ? sx : sy;
  }
  static FieldMapping Isotropic(int extent, QSizeF resolution, QPointF worldOrigin = {}) {
    return FieldMapping{IsotropicScale(extent, resolution), worldOrigin};
  }

  QPointF ToDevice(CPoint pt) const {
    return QPointF((pt.x - worldOrigin.x()) * scale, (pt.y - worldOrigin.y()) * scale);
  }
  QRectF ToDevice(const CRect& r) const {
    return QRectF(ToDevice(CPoint{r.left, r.top}), ToDevice(CPoint{r.right, r.bottom})).normalized();
  }
  CPoint ToField(QPointF device) const {
    return CPoint{static_cast<int>(std::floor(device.x() / scale + worldOrigin.x())),
                  static_cast<int>(std::floor(device.y() / scale + worldOrigin.y()))};
  }
  // The field rectangle that covers the device rectangle (rounded outward).
  CRect ToField(const QRectF& device) const {
    const CPoint tl = ToField(device.topLeft());
    const CPoint br = ToField(device.bottomRight());
    return CRect{tl.x, tl.y, br.x + 1, br.y + 1};
  }
};

}  // namespace px
