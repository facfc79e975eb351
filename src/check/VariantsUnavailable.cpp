// A build without ICU and OpenCC: the converter never loads and the normaliser leaves every text empty, so no
// variant is found.
#include "TraditionalToSimplified.h"
#include "VariantNormalizer.h"

namespace qingtan {

struct TraditionalToSimplified::OpenCC {};

std::unique_ptr<TraditionalToSimplified> TraditionalToSimplified::Load(const std::string&) {
    return nullptr;
}

TraditionalToSimplified::~TraditionalToSimplified() = default;

bool TraditionalToSimplified::convert(std::u32string_view, std::vector<ConvertedCharacter>&) const {
    return false;
}

bool VariantNormalizer::Available() {
    return false;
}

VariantNormalizer::VariantNormalizer(std::unique_ptr<const TraditionalToSimplified> traditional)
    : m_traditional(std::move(traditional)) {}

void VariantNormalizer::normalize(std::u16string_view, NormalizedText& out) const {
    out.length = 0;
}

} // namespace qingtan
