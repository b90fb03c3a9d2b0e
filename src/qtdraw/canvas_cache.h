#pragma once
// What the QPainter canvas keeps from one frame to the next: device fonts, labels shaped for
// drawing, and layers of pixels that stay the same while their key does. A field view owns
// one, so its labels are shaped once and the paths of an unchanged show are copied rather
// than drawn again.
#include <QFont>
#include <QImage>
#include <QRect>
#include <QStaticText>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>

#include "core/draw/canvas.h"

namespace px {

class CanvasCache {
 public:
  // A core font at a device scale, with what text placement needs of its metrics.
  struct DeviceFont {
    QFont font;
    double ascent = 0.0;
    double descent = 0.0;
  };
  // A text shaped in a device font: drawn without shaping it again.
  struct ShapedText {
    QStaticText text;
    double width = 0.0;
  };
  // The pixels of a layer: drawn under `key` through the mapping `scale` / `origin`, covering
  // `area` of the mapped device space.
  struct Layer {
    std::uint64_t key = 0;
    double scale = 0.0;
    QPointF origin;
    QRect area;
    QImage image;
  };

  // The device font of `font` at `scale` device pixels per field unit (as the canvas maps).
  const DeviceFont& Font(const px::Font& font, double scale);
  // `text` (Unicode) shaped in `font`, which Font returned.
  const ShapedText& Shaped(const QString& text, const DeviceFont& font);

  Layer& layer() { return m_layer; }

 private:
  // Labels change with the step (the band text) and the show; past this many the shaped
  // texts start again from nothing, which bounds the memory a long session takes.
  static constexpr size_t kMaxShapedTexts = 20000;

  std::map<std::tuple<std::string, int, int, bool, double>, DeviceFont> m_fonts;
  std::map<std::pair<QString, const DeviceFont*>, ShapedText> m_texts;
  Layer m_layer;
};

}  // namespace px
