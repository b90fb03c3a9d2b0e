// libFuzzer target: any bytes either load as a show or are refused as a damaged file, and a
// show that loads writes bytes that load again, settling on bytes that read and write alike.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/doc/archive.h"
#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"

namespace {

bool Load(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>* rewritten) {
  px::CPxDoc doc;
  try {
    px::LoadShowFromBytes(bytes, doc);
  } catch (const px::ArchiveFormatError&) {
    return false;
  }
  *rewritten = px::SaveShowToBytes(doc);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> once, twice, thrice;
  if (!Load({data, size}, &once)) return 0;
  // Bytes after the last field are not kept; they count toward the room a file may reserve
  // for slots and vertices, so only a rewrite at least as long as the input must load.
  if (!Load(once, &twice)) {
    if (once.size() >= size) std::abort();
    return 0;
  }
  // Damaged records may settle on the first rewrite (a person drawn as an arc takes its arc
  // ends from where it was parked); from then on a show must write what it read.
  if (!Load(twice, &thrice) || thrice != twice) std::abort();
  return 0;
}
