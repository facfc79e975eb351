#pragma once

#include "TextTypes.h"

#include <cstddef>
#include <functional>
#include <string_view>

namespace qingtan {

// Decodes the library payload (standard Base64 alphabet). Never rejects input: blanks, tabs, CR and LF outside a
// double-byte character are skipped, a character outside the alphabet ends its group of four, and a last group
// keeps only the bytes its characters carry. `processEvents`, when set, runs once per group of four characters so
// the user interface stays alive during a long decode.
ByteBuffer Base64Decode(std::string_view payload, const std::function<void()>& processEvents = {});

// True when the text holds nothing but alphabet characters, "=" and the blanks and line ends the decoder skips, as
// a published payload does; an error page or any other stray text does not pass.
bool IsBase64Text(std::string_view text);

// Standard Base64 of `bytes` with padding, broken into lines of `lineLength` characters (0: one line), each line
// ended by CR LF. Empty input gives empty output.
std::string Base64Encode(std::string_view bytes, std::size_t lineLength = 76);

} // namespace qingtan
