#pragma once
// Printed pages without "Color" are black on white, whatever the colours of the show.
#include "core/doc/pxdoc.h"

namespace px {

constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;

inline bool BlackOnWhite(bool printing, const ShowSettings& doc) { return printing && !doc.m_bPrintColor; }

}  // namespace px
