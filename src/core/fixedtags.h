#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/commands.h"

namespace scrivlet {

// The forty-four fixed markup commands and their texts, exactly as inserted before case conversion.
struct FixedTag {
    CommandId id;
    std::string_view handler;
    std::string_view open;
    std::optional<std::string_view> close; // none: no closing text
};
std::span<const FixedTag> fixedTags();
const FixedTag* findFixedTag(CommandId id);

} // namespace scrivlet
