#pragma once
// The bundled demo show, built from code so that examples/demo.sho can always be remade.
#include <memory>

namespace px {
class CPxDoc;
std::unique_ptr<CPxDoc> BuildDemoShow();
}  // namespace px
