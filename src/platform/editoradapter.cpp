#include "platform/editoradapter.h"

#include <algorithm>

#include <Qsci/qsciscintilla.h>
#include <Qsci/qsciscintillabase.h>

namespace scrivlet {

namespace {

using Sci = QsciScintillaBase;

// Groups every change made while it lives into one undo step; nesting is allowed by the editor.
class UndoStep {
public:
    explicit UndoStep(Sci& editor) : editor_(editor) { editor_.SendScintilla(Sci::SCI_BEGINUNDOACTION); }
    ~UndoStep() { editor_.SendScintilla(Sci::SCI_ENDUNDOACTION); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    Sci& editor_;
};

} // namespace

QuietEdit::QuietEdit(Sci& editor)
    : editor_(editor),
      mask_(editor.SendScintilla(Sci::SCI_GETMODEVENTMASK)),
      lines_(editor.SendScintilla(Sci::SCI_GETLINECOUNT))
{
    // Only the notifications that announce a change stay on: they are cheap, and they tell whether
    // anything changed at all.
    editor_.SendScintilla(Sci::SCI_SETMODEVENTMASK, static_cast<unsigned long>(Sci::SC_MOD_BEFOREINSERT |
                                                                               Sci::SC_MOD_BEFOREDELETE));
    watch_ = QObject::connect(&editor_, &Sci::SCN_MODIFIED, [this] { changed_ = true; });
}

QuietEdit::~QuietEdit()
{
    QObject::disconnect(watch_);
    editor_.SendScintilla(Sci::SCI_SETMODEVENTMASK, static_cast<unsigned long>(mask_));
    if (!changed_)
        return;
    // The signals that the held-back notifications would have raised, once.
    emit editor_.SCEN_CHANGE();
    if (auto* sci = qobject_cast<QsciScintilla*>(&editor_)) {
        emit sci->textChanged();
        if (editor_.SendScintilla(Sci::SCI_GETLINECOUNT) != lines_)
            emit sci->linesChanged();
    }
}

EditorAdapter::Selection EditorAdapter::selection() const
{
    const long long a = editor_.SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long long b = editor_.SendScintilla(Sci::SCI_GETSELECTIONEND);
    return {std::min(a, b), std::max(a, b)};
}

long long EditorAdapter::length() const
{
    return editor_.SendScintilla(Sci::SCI_GETLENGTH);
}

std::string EditorAdapter::textBetween(long long from, long long to) const
{
    const long long size = length();
    const long long start = std::clamp(std::min(from, to), 0LL, size);
    const long long end = std::clamp(std::max(from, to), 0LL, size);
    if (end == start)
        return {};
    // The range pointer reads in place (length-counted, so NUL bytes come along).
    const auto* bytes = reinterpret_cast<const char*>(editor_.SendScintilla(
        Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(end - start)));
    return bytes ? std::string(bytes, static_cast<std::size_t>(end - start)) : std::string();
}

void EditorAdapter::replaceRange(long long start, long long end, std::string_view text)
{
    // Through the target, which takes a length: SCI_INSERTTEXT and SCI_REPLACESEL stop at a NUL byte.
    editor_.SendScintilla(Sci::SCI_SETTARGETSTART, static_cast<unsigned long>(start));
    editor_.SendScintilla(Sci::SCI_SETTARGETEND, static_cast<unsigned long>(end));
    editor_.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(text.size()), text.data());
}

void EditorAdapter::placeCaret(long long pos)
{
    editor_.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(pos));
}

void EditorAdapter::replaceSelection(std::string_view text)
{
    const Selection sel = selection();
    if (sel.start != sel.end || !text.empty()) {
        QuietEdit quiet(editor_);
        UndoStep step(editor_);
        replaceRange(sel.start, sel.end, text);
    }
    placeCaret(sel.start + static_cast<long long>(text.size()));
}

void EditorAdapter::applyInsertion(const InsertionPlan& plan)
{
    if (!plan.edits.empty()) {
        QuietEdit quiet(editor_);
        UndoStep step(editor_);
        for (const InsertionPlan::Edit& edit : plan.edits)
            replaceRange(edit.pos, edit.pos, edit.text);
    }
    placeCaret(plan.caret);
}

void EditorAdapter::undo()
{
    QuietEdit quiet(editor_);
    editor_.SendScintilla(Sci::SCI_UNDO);
}

void EditorAdapter::redo()
{
    QuietEdit quiet(editor_);
    editor_.SendScintilla(Sci::SCI_REDO);
}

} // namespace scrivlet
