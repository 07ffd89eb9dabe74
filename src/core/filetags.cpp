#include "core/filetags.h"

#include "core/tagcase.h"

namespace scrivlet {

namespace {

struct FileTagForm {
    FileTagKind kind;
    std::string_view head;  // before the path
    std::string_view tail;  // after the path
    std::string_view close; // empty: none
};

constexpr FileTagForm fileTagForms[] = {
    {FileTagKind::Image, "<IMG SRC=\"", "\">", ""},
    {FileTagKind::Background, "<BODY BACKGROUND=\"", "\">", "</BODY>"},
    {FileTagKind::Applet, "<APPLET SRC=\"", "\" HEIGHT=100 WIDTH=100>", "</APPLET>"},
};

std::string inTagCase(std::string_view text, bool lowerCase)
{
    std::string converted(text);
    applyTagCase(converted, lowerCase);
    return converted;
}

} // namespace

std::string quotedAttributeValue(std::string_view path)
{
    std::string value;
    value.reserve(path.size());
    for (const char c : path) {
        if (c == '"')
            value += "&quot;";
        else
            value += c;
    }
    return value;
}

FileTagTexts composeFileTag(FileTagKind kind, std::string_view path, bool lowerCase)
{
    for (const FileTagForm& form : fileTagForms) {
        if (form.kind != kind)
            continue;
        FileTagTexts texts;
        texts.open = inTagCase(form.head, lowerCase) + quotedAttributeValue(path) + inTagCase(form.tail, lowerCase);
        texts.close = inTagCase(form.close, lowerCase);
        return texts;
    }
    return {};
}

} // namespace scrivlet
