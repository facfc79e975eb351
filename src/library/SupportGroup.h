#pragma once

#include <string_view>

namespace qingtan {

// The support chat-group number that status texts point users to; set at build time.
inline constexpr std::string_view SupportGroupNumber = QINGTAN_SUPPORT_GROUP_NUMBER;

} // namespace qingtan
