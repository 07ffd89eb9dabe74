#pragma once

#include "platform/fileeditor.h"

class QsciLexerHTML;

namespace scrivlet {

// The document's editor: HTML source in a small fixed-pitch font with HTML colouring, starting with
// the single blank " ", the caret at its start and nothing to undo.
class TScrivletEdit : public FileEditor {
    Q_OBJECT
public:
    explicit TScrivletEdit(QWidget* parent = nullptr);

    // Sets the font, the colouring and the editor's keys; runs once when the editor is made.
    void SetupWindow();
    // Asks for a file name (HTML filter, ".htm" added to a bare name, a question before replacing a
    // file) and writes there; on success the name goes to the recent-files list.
    bool SaveAs() override;

    // Paints the background of every style in `color`, the text colours untouched.
    void SetBkgndColor(const QColor& color);

    // Documents larger than this are shown without colouring: the HTML lexer styles everything
    // before the caret, which freezes the window for seconds at the end of a 100 MB page.
    static constexpr long ColouringLimit = 8L * 1024 * 1024;
    static constexpr long LongLineLimit = 4096; // average bytes a line above which colouring stays

    bool isColoured() const;

protected:
    void documentLoaded() override;

private:
    QsciLexerHTML* lexer_ = nullptr;
};

} // namespace scrivlet
