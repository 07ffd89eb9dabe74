#include "core/insertplan.h"

#include <gtest/gtest.h>

#include <string>

using namespace scrivlet;

namespace {

// Applies the plan to a plain string, as an editor would.
std::string apply(std::string doc, const InsertionPlan& plan)
{
    for (const InsertionPlan::Edit& e : plan.edits)
        doc.insert(static_cast<std::size_t>(e.pos), e.text);
    return doc;
}

} // namespace

TEST(InsertionPlan, OutcomeTable)
{
    struct Row {
        const char* what;
        long long s1, s2;
        const char* open;
        std::optional<std::string_view> close;
        std::string doc;
        long long caret;
    };
    // Document "one two three"; "two" is [4, 7).
    const Row rows[] = {
        {"selection and closing text: caret after the closing text", 4, 7, "<b>", "</b>",
         "one <b>two</b> three", 14},
        {"selection, no closing text: caret after the selected text", 4, 7, "<br>", std::nullopt,
         "one <br>two three", 11},
        {"no selection, closing text: caret after the closing text, not between", 4, 4, "<h1>", "</h1>",
         "one <h1></h1>two three", 13},
        {"no selection, no closing text: caret after the opening text", 4, 4, "<hr>", std::nullopt,
         "one <hr>two three", 8},
        {"reversed selection direction reads as the same range", 7, 4, "<b>", "</b>",
         "one <b>two</b> three", 14},
        {"whole document", 0, 13, "<p>", "</p>", "<p>one two three</p>", 20},
        {"empty opening text: text unchanged, caret after the selection", 4, 7, "", std::nullopt,
         "one two three", 7},
        {"empty opening text, closing text given", 4, 7, "", "</i>", "one two</i> three", 11},
        {"all empty at a caret: nothing changes", 4, 4, "", std::nullopt, "one two three", 4},
    };
    for (const Row& row : rows) {
        const InsertionPlan plan = planInsertion(row.s1, row.s2, row.open, row.close);
        EXPECT_EQ(apply("one two three", plan), row.doc) << row.what;
        EXPECT_EQ(plan.caret, row.caret) << row.what;
        for (const InsertionPlan::Edit& e : plan.edits)
            EXPECT_FALSE(e.text.empty()) << row.what << ": an empty text makes no edit";
    }
}

TEST(InsertionPlan, CostDoesNotDependOnTheSelection)
{
    // A selection far larger than any buffer: the plan holds only the two tag texts and positions.
    const long long big = 100LL << 30;
    const InsertionPlan plan = planInsertion(big, 10, "<b>", "</b>");
    ASSERT_EQ(plan.edits.size(), 2u);
    EXPECT_EQ(plan.edits[0].pos, big);
    EXPECT_EQ(plan.edits[0].text, "</b>");
    EXPECT_EQ(plan.edits[1].pos, 10);
    EXPECT_EQ(plan.edits[1].text, "<b>");
    EXPECT_EQ(plan.caret, big + 7);
}
