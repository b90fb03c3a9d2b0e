#pragma once
// pyxaro-cli's drawing commands, made with the desktop program's drawing code.
#include <string>
#include <vector>

namespace px {

// render FILE --step N -o OUT [--width W] [--height H] [--3d]: one step as PNG, SVG or PDF.
int CmdRender(const std::vector<std::string>& args);
// print FILE -o OUT.pdf: the pages printing would make, as a PDF.
int CmdPrint(const std::vector<std::string>& args);

}  // namespace px
