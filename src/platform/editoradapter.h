#pragma once

#include <string>
#include <string_view>

#include <QMetaObject>

#include "core/insertplan.h"

class QsciScintillaBase;

namespace scrivlet {

// While it lives, holds back the editor's per-change notifications (SCN_MODIFIED); when it ends and
// the text changed, raises the editor's change signals once (SCEN_CHANGE, and textChanged and, when
// the line count changed, linesChanged of a QsciScintilla). QScintilla answers every insertion and
// deletion notification by counting the characters from the start of the document to the change, so
// an edit made outside such a hold costs time in proportion to its position (about 4 ms per MB before
// it). Wrap any edit of a possibly large document in one, typing included.
class QuietEdit {
public:
    explicit QuietEdit(QsciScintillaBase& editor);
    ~QuietEdit();
    QuietEdit(const QuietEdit&) = delete;
    QuietEdit& operator=(const QuietEdit&) = delete;

private:
    QsciScintillaBase& editor_;
    long mask_;
    long lines_;
    bool changed_ = false;
    QMetaObject::Connection watch_;
};

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

    // Every change made here is made inside a QuietEdit.

private:
    void replaceRange(long long start, long long end, std::string_view text);
    void placeCaret(long long pos);

    QsciScintillaBase& editor_;
};

} // namespace scrivlet
