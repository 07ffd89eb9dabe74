#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace scrivlet {

// How a tag pair enters a document around the selection [s1, s2) (byte offsets, either order),
// without copying the selected text: the edits are applied in order, each inserting `text` at `pos`
// (positions are those of the document at the moment of that edit). An empty text gives no edit.
struct InsertionPlan {
    struct Edit {
        long long pos;
        std::string_view text;
    };
    std::vector<Edit> edits;
    long long caret; // the caret after all edits; nothing selected
};

// The outcome table: with a closing text the caret ends after it; without one, after the selected
// text (or after the opening text when nothing was selected).
InsertionPlan planInsertion(long long s1, long long s2, std::string_view openTag,
                            std::optional<std::string_view> closeTag);

} // namespace scrivlet
