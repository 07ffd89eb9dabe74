#include <optional>
#include <string>

#include <QColor>
#include <QString>

#include "app/scrivletapp.h"
#include "core/colorcode.h"
#include "documents/mdichild.h"
#include "documents/scrivletedit.h"
#include "platform/dialogprovider.h"
#include "platform/editoradapter.h"

namespace scrivlet {

// The colour picker of the colour commands: made fresh for every use, so it starts with no colour
// chosen and keeps nothing between uses.
class TCCDialog {
public:
    TCCDialog(QWidget* parent, const QString& caption) : parent_(parent), caption_(caption) {}

    // Runs the picker modally; true when the user chose a colour with OK.
    bool Execute()
    {
        data_ = DialogProvider::instance().getColor(parent_, caption_);
        return data_.has_value() && data_->isValid();
    }
    // The chosen colour; valid after Execute returned true.
    const QColor& GetData() const { return *data_; }

private:
    QWidget* parent_;
    QString caption_;
    std::optional<QColor> data_;
};

namespace {

// Asks for a colour; nothing when cancelled.
std::optional<QColor> chooseColor(QWidget* parent)
{
    TCCDialog dialog(parent, QStringLiteral("Insert HTML Color Code"));
    if (!dialog.Execute())
        return std::nullopt;
    return dialog.GetData();
}

std::string codeOf(const QColor& color)
{
    return colorCode(color.red(), color.green(), color.blue());
}

} // namespace

void TMDIScrivletChild::CmColorCode()
{
    const std::optional<QColor> color = chooseColor(this);
    if (!color)
        return;
    // The bare code replaces the selection and is never case-converted.
    EditorAdapter(*client).replaceSelection(codeOf(*color));
}

void TMDIScrivletChild::CmFontColor()
{
    const std::optional<QColor> color = chooseColor(this);
    if (!color)
        return;
    std::string open = colorStartTag(FontColorTag, codeOf(*color));
    std::string close(FontColorTag.close);
    HTMLInsert(open.data(), close.data());
}

void TMDIScrivletChild::CmBGCOLOR()
{
    const TScrivletApp* app = TScrivletApp::instance();
    const std::optional<QColor> color = chooseColor(this);
    if (!color)
        return;
    std::string open = colorStartTag(BodyColorTag, codeOf(*color));
    std::string close(BodyColorTag.close);
    HTMLInsert(open.data(), close.data());
    if (app && app->HColor)
        client->SetBkgndColor(QColor(color->red(), color->green(), color->blue()));
}

} // namespace scrivlet
