// libFuzzer target: any bytes either load as a show or are refused as a damaged file, and a
// show that loads writes bytes that load again to the same bytes.
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
  std::vector<std::uint8_t> once, twice;
  if (!Load({data, size}, &once)) return 0;
  // Bytes after the last field are not kept; they count toward the room a file may reserve
  // for slots and vertices, so only a rewrite at least as long as the input must load.
  if (!Load(once, &twice)) {
    if (once.size() >= size) std::abort();
    return 0;
  }
  if (twice != once) std::abort();
  return 0;
}
