#include "platform/editoradapter.h"

#include <algorithm>

#include <Qsci/qsciscintillabase.h>

namespace scrivlet {

namespace {

// Groups every change made while it lives into one undo step; nesting is allowed by the editor.
class UndoStep {
public:
    explicit UndoStep(QsciScintillaBase& editor) : editor_(editor)
    {
        editor_.SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
    }
    ~UndoStep() { editor_.SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    QsciScintillaBase& editor_;
};

} // namespace

EditorAdapter::Selection EditorAdapter::selection() const
{
    const long long a = editor_.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long long b = editor_.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND);
    return {std::min(a, b), std::max(a, b)};
}

long long EditorAdapter::length() const
{
    return editor_.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
}

std::string EditorAdapter::textBetween(long long from, long long to) const
{
    const long long size = length();
    const long long start = std::clamp(std::min(from, to), 0LL, size);
    const long long end = std::clamp(std::max(from, to), 0LL, size);
    // The range pointer reads in place (length-counted, so NUL bytes come along).
    const auto* bytes = reinterpret_cast<const char*>(editor_.SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(end - start)));
    if (!bytes || end == start)
        return {};
    return std::string(bytes, static_cast<std::size_t>(end - start));
}

void EditorAdapter::insertAt(long long pos, std::string_view text)
{
    if (text.empty())
        return;
    // Through the target, which takes a length: SCI_INSERTTEXT would stop at a NUL byte.
    editor_.SendScintilla(QsciScintillaBase::SCI_SETTARGETSTART, static_cast<unsigned long>(pos));
    editor_.SendScintilla(QsciScintillaBase::SCI_SETTARGETEND, static_cast<unsigned long>(pos));
    editor_.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, static_cast<unsigned long>(text.size()),
                          text.data());
}

void EditorAdapter::placeCaret(long long pos)
{
    editor_.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(pos));
}

void EditorAdapter::replaceSelection(std::string_view text)
{
    const Selection sel = selection();
    {
        UndoStep step(editor_);
        editor_.SendScintilla(QsciScintillaBase::SCI_SETTARGETSTART, static_cast<unsigned long>(sel.start));
        editor_.SendScintilla(QsciScintillaBase::SCI_SETTARGETEND, static_cast<unsigned long>(sel.end));
        editor_.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, static_cast<unsigned long>(text.size()),
                              text.data());
    }
    placeCaret(sel.start + static_cast<long long>(text.size()));
}

void EditorAdapter::applyInsertion(const InsertionPlan& plan)
{
    if (!plan.edits.empty()) {
        UndoStep step(editor_);
        for (const InsertionPlan::Edit& edit : plan.edits)
            insertAt(edit.pos, edit.text);
    }
    placeCaret(plan.caret);
}

} // namespace scrivlet
