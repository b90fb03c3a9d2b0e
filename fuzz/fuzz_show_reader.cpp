// libFuzzer target: any bytes either load as a show or are refused as a damaged file; a show
// that loads can be spotted, drawn and marched at its current step, and writes bytes that load
// again, settling on bytes that read and write alike. Run with -timeout=2: any show must load,
// spot, draw one step and compute its positions well within a second.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/doc/archive.h"
#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"
#include "core/draw/field_view_draw.h"

namespace {

// Takes every primitive and draws nothing.
class NullCanvas final : public px::Canvas {
 public:
  px::CRect ClipBox() const override { return px::CRect{0, 0, 8640, 8640}; }
  void SetPen(const px::Pen&) override {}
  void SetBrush(const px::Brush&) override {}
  void SetFont(const px::Font&) override {}
  void SetTextColor(px::COLORREF) override {}
  void FillRect(const px::CRect&, px::COLORREF) override {}
  void Line(px::CPoint, px::CPoint) override {}
  void Polyline(const std::vector<px::CPoint>&) override {}
  void Polygon(const std::vector<px::CPoint>&) override {}
  void Ellipse(const px::CRect&) override {}
  void Rectangle(const px::CRect&) override {}
  void Pixel(px::CPoint, px::COLORREF) override {}
  void Text(px::CPoint, const std::string&, px::TextAlign) override {}
  int WrappedText(const px::CRect&, const std::string&) override { return 16; }
  int MeasureWrappedText(const px::CRect&, const std::string&) override { return 16; }
  void Bitmap(const px::CRect&, const px::SymbolBitmap&) override {}
};

// What opening a show and looking at it asks: every formation's spots, the positions at the
// current step and one drawn step.
void Exercise(px::CPxDoc& doc) {
  for (const auto& f : doc.m_formations) f->GetAllSpots();
  doc.RecalcPositions();
  NullCanvas canvas;
  px::FieldViewState view;
  px::FieldViewDrawOptions options;
  px::DrawFieldView(canvas, doc, view, options);
}

bool Load(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>* rewritten, bool exercise) {
  px::CPxDoc doc;
  try {
    px::LoadShowFromBytes(bytes, doc);
  } catch (const px::ArchiveFormatError&) {
    return false;
  }
  *rewritten = px::SaveShowToBytes(doc);
  if (exercise) Exercise(doc);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> once, twice, thrice;
  if (!Load({data, size}, &once, true)) return 0;
  // Bytes after the last field are not kept; they count toward the room a file may reserve
  // for slots and vertices, so only a rewrite at least as long as the input must load.
  if (!Load(once, &twice, false)) {
    if (once.size() >= size) std::abort();
    return 0;
  }
  // Damaged records may settle on the first rewrite (a person drawn as an arc takes its arc
  // ends from where it was parked); from then on a show must write what it read.
  if (!Load(twice, &thrice, false) || thrice != twice) std::abort();
  return 0;
}
