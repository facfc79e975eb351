#pragma once

#include "TextTypes.h"

#include <cstdint>

class QLabel;

namespace qingtan {

// A COLORREF (0x00BBGGRR) as ARGB (0xAARRGGBB) with the given opacity; the COLORREF's top byte is dropped.
std::uint32_t ColorRefToArgb(ColorRef colour, std::uint8_t opacity = 255);

// Replaces the label's text and text colour; nothing is kept of the previous status.
void ShowStatus(QLabel& label, const AnsiText& text, ColorRef colour = kBlack);

} // namespace qingtan
