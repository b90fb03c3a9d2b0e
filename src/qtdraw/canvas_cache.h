#pragma once
// What the QPainter canvas keeps from one frame to the next: device fonts, labels shaped for
// drawing, and layers of pixels that stay the same while their key does. A field view owns
// one, so its labels are shaped once, and the field and the paths of an unchanged show are
// copied rather than drawn again.
#include <QFont>
#include <QImage>
#include <QRect>
#include <QStaticText>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

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
  // The show's text (Windows-1252 bytes) shaped in `font`, which Font returned.
  const ShapedText& Shaped(const std::string& text, const DeviceFont& font);

  // One layer of each kind: the opaque one at the bottom (the field) and a clear one (the
  // paths).
  Layer& layer(bool opaque) { return m_layers[opaque ? 0 : 1]; }

 private:
  // Labels change with the step (the band text) and the show; past this many the shaped
  // texts start again from nothing, which bounds the memory a long session takes.
  static constexpr size_t kMaxShapedTexts = 20000;

  struct TextKeyHash {
    size_t operator()(const std::pair<const DeviceFont*, std::string>& key) const {
      return std::hash<std::string>()(key.second) ^ std::hash<const void*>()(key.first);
    }
  };

  std::map<std::tuple<std::string, int, int, bool, double>, DeviceFont> m_fonts;
  std::unordered_map<std::pair<const DeviceFont*, std::string>, ShapedText, TextKeyHash> m_texts;
  Layer m_layers[2];
};

}  // namespace px
