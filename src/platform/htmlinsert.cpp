#include "platform/htmlinsert.h"

#include <cstring>

#include "core/insertplan.h"
#include "core/tagcase.h"
#include "platform/editoradapter.h"

namespace scrivlet {

namespace {

void convertInPlace(char* text, bool lowerCase)
{
    if (!text)
        return;
    if (lowerCase)
        toLowerAscii(text, std::strlen(text));
    else
        toUpperAscii(text, std::strlen(text));
}

} // namespace

void htmlInsert(QsciScintillaBase& editor, char* openTag, char* closeTag, bool lowerCase)
{
    convertInPlace(openTag, lowerCase);
    convertInPlace(closeTag, lowerCase);
    htmlInsert(editor, openTag ? std::string_view(openTag) : std::string_view(),
               closeTag ? std::string_view(closeTag) : std::string_view());
}

void htmlInsert(QsciScintillaBase& editor, std::string_view openTag, std::string_view closeTag)
{
    EditorAdapter adapter(editor);
    const EditorAdapter::Selection sel = adapter.selection();
    adapter.applyInsertion(planInsertion(sel.start, sel.end, openTag, closeTag));
}

} // namespace scrivlet
