#pragma once
// The pictures people are drawn with when shown as group bitmaps: a file the designer chose
// in Set Bitmaps, or the program's own picture of the group.
#include <QImage>

namespace px {

struct SymbolBitmap;

// The picture to draw: the loaded file when it decodes, else the built-in picture named by
// the resource identifier. Decoded pictures are cached.
QImage SymbolPicture(const SymbolBitmap& bitmap);

// The built-in picture of a resource identifier (146 to 153); a plain disc for others.
QImage BuiltInSymbolPicture(int resourceId);

}  // namespace px
