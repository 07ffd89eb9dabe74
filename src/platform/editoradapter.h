#pragma once

#include <string>
#include <string_view>

#include "core/insertplan.h"

class QsciScintillaBase;

namespace scrivlet {

// The editor operations that markup insertion relies on, on the document's bytes. Positions are byte
// offsets into the document; no text passes through QString.
class EditorAdapter {
public:
    struct Selection {
        long long start; // never greater than `end`
        long long end;   // equal to `start` when nothing is selected
    };

    explicit EditorAdapter(QsciScintillaBase& editor) : editor_(editor) {}

    // The main selection, whichever way it was made.
    Selection selection() const;
    // The bytes between the two positions (either order, clamped to the document), all of them.
    std::string textBetween(long long from, long long to) const;
    // The document's length in bytes.
    long long length() const;

    // Removes the selected bytes and inserts `text` in their place (at the caret when nothing is
    // selected), as one undo step. Afterwards nothing is selected, the caret stands directly after the
    // inserted text and the document counts as modified.
    void replaceSelection(std::string_view text);

    // Applies the edits in order as ONE undo step, keeping the undo history before it; afterwards the
    // caret stands at `plan.caret` with nothing selected. A plan without edits leaves the document and
    // its modified flag as they were.
    void applyInsertion(const InsertionPlan& plan);

    // Undo and redo of one step. Unlike the editor's own, their cost does not grow with the position
    // of the change in the document.
    void undo();
    void redo();

    // Every change made here raises the editor's change signals (SCEN_CHANGE, and textChanged and
    // linesChanged of a QsciScintilla) once, after it is complete; QsciScintillaBase::SCN_MODIFIED is
    // not raised for it.

private:
    void replaceRange(long long start, long long end, std::string_view text);
    void placeCaret(long long pos);

    QsciScintillaBase& editor_;
};

} // namespace scrivlet
