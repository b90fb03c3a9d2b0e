#include "qtdraw/canvas_cache.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "core/util/cp1252.h"

namespace px {

const CanvasCache::DeviceFont& CanvasCache::Font(const px::Font& font, double scale) {
  const auto key = std::make_tuple(font.face, font.height, font.width, font.bold, scale);
  auto it = m_fonts.find(key);
  if (it != m_fonts.end()) return it->second;
  QFont qfont(QString::fromStdString(font.face));
  qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.height * scale))));
  qfont.setBold(font.bold);
  // A font asked for with an average character width is condensed or widened to it.
  if (font.width > 0) {
    const double natural = QFontMetricsF(qfont).averageCharWidth();
    const double wanted = font.width * scale;
    if (natural > 0.0 && wanted > 0.0) qfont.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * wanted / natural)), 1, 4000));
  }
  const QFontMetricsF metrics(qfont);
  return m_fonts.emplace(key, DeviceFont{qfont, metrics.ascent(), metrics.descent()}).first->second;
}

const CanvasCache::ShapedText& CanvasCache::Shaped(const std::string& text, const DeviceFont& font) {
  auto key = std::make_pair(&font, text);
  auto it = m_texts.find(key);
  if (it != m_texts.end()) return it->second;
  if (m_texts.size() >= kMaxShapedTexts) m_texts.clear();
  const QString unicode = QString::fromStdString(Cp1252ToUtf8(text));
  ShapedText shaped{QStaticText(unicode), QFontMetricsF(font.font).horizontalAdvance(unicode)};
  shaped.text.setTextFormat(Qt::PlainText);
  shaped.text.prepare(QTransform(), font.font);
  return m_texts.emplace(std::move(key), std::move(shaped)).first->second;
}

}  // namespace px
