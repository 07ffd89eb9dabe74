#include <map>
#include <optional>
#include <string>

#include "app/scrivletapp.h"
#include "core/fixedtags.h"
#include "documents/mdichild.h"
#include "documents/scrivletedit.h"
#include "platform/htmlinsert.h"

namespace scrivlet {

void TMDIScrivletChild::HTMLInsert(char* open_tag, char* close_tag)
{
    const TScrivletApp* app = TScrivletApp::instance();
    htmlInsert(*client, open_tag, close_tag, app ? app->LCTag : true);
}

void TMDIScrivletChild::insertFixedTag(CommandId id)
{
    // Each command owns writable copies of its texts, which every use converts in place.
    struct Texts {
        std::string open;
        std::optional<std::string> close;
    };
    static std::map<CommandId, Texts> store = [] {
        std::map<CommandId, Texts> texts;
        for (const FixedTag& tag : fixedTags())
            texts[tag.id] = {std::string(tag.open),
                             tag.close ? std::optional<std::string>(std::string(*tag.close)) : std::nullopt};
        return texts;
    }();
    const auto it = store.find(id);
    if (it == store.end())
        return;
    Texts& texts = it->second;
    HTMLInsert(texts.open.data(), texts.close ? texts.close->data() : nullptr);
}

} // namespace scrivlet
