#include "core/insertplan.h"

#include <algorithm>

namespace scrivlet {

InsertionPlan planInsertion(long long s1, long long s2, std::string_view openTag,
                            std::optional<std::string_view> closeTag)
{
    const long long start = std::min(s1, s2);
    const long long end = std::max(s1, s2);
    const std::string_view close = closeTag.value_or(std::string_view{});

    InsertionPlan plan;
    // The closing text goes in first, at the end: inserting the opening text afterwards at the start
    // shifts it, but nothing before it, so both positions stay those of the selection as read.
    if (!close.empty())
        plan.edits.push_back({end, close});
    if (!openTag.empty())
        plan.edits.push_back({start, openTag});
    plan.caret = end + static_cast<long long>(openTag.size() + close.size());
    return plan;
}

} // namespace scrivlet
