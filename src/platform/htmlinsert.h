#pragma once

#include <cstddef>
#include <string_view>

class QsciScintillaBase;

namespace scrivlet {

// Brings `openTag` and, when it is not null, `closeTag` into the tag case in place (lower case when
// `lowerCase`, else upper case; only the ASCII letters change), then wraps the editor's selection
// between them as one undo step. Afterwards nothing is selected and the caret stands after the closing
// text, or after the selected text when there is no closing text (after the opening text when nothing
// was selected). The selected text is left where it is, so the cost does not depend on its size.
// Both texts are NUL-terminated and stay the caller's.
void htmlInsert(QsciScintillaBase& editor, char* openTag, char* closeTag, bool lowerCase);

// The same insertion with texts taken exactly as given, no case conversion. An empty `closeTag`
// means no closing text.
void htmlInsert(QsciScintillaBase& editor, std::string_view openTag, std::string_view closeTag = {});
// A null closing text goes through the converting form above, or is simply left out.
void htmlInsert(QsciScintillaBase& editor, std::string_view openTag, std::nullptr_t) = delete;

} // namespace scrivlet
