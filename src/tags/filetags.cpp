#include <QFile>
#include <QString>

#include "core/filetags.h"
#include "app/scrivletapp.h"
#include "documents/mdichild.h"
#include "documents/scrivletedit.h"
#include "platform/dialogprovider.h"
#include "platform/htmlinsert.h"
#include "tags/htmlinsertdialog.h"

namespace scrivlet {

namespace {

using Filters = QList<DialogProvider::Filter>;

// GIF first and preselected; the other image types of today and every file after it.
Filters imageFilters()
{
    return {{QStringLiteral("GIF Files (*.gif)"), QStringLiteral("*.gif")},
            {QStringLiteral("JPEG Files (*.jpeg *.jpg)"), QStringLiteral("*.jpeg *.jpg")},
            {QStringLiteral("PNG Files (*.png)"), QStringLiteral("*.png")},
            {QStringLiteral("SVG Files (*.svg)"), QStringLiteral("*.svg")},
            {QStringLiteral("WebP Files (*.webp)"), QStringLiteral("*.webp")},
            {QStringLiteral("All Files (*.*)"), QStringLiteral("*")}};
}

Filters appletFilters()
{
    return {{QStringLiteral("Java Applets (*.class)"), QStringLiteral("*.class")},
            {QStringLiteral("All Files (*.*)"), QStringLiteral("*")}};
}

// Asks for an existing file and inserts the tag of `kind` that refers to it, the path exactly as
// chosen; a cancelled dialog inserts nothing.
void insertFileTag(TMDIScrivletChild& child, FileTagKind kind, const Filters& filters)
{
    DialogProvider::FileRequest request;
    request.filters = filters;
    request.selectedFilter = 0;
    const QString path = DialogProvider::instance().getOpenFileName(&child, request);
    if (path.isEmpty())
        return;
    const TScrivletApp* app = TScrivletApp::instance();
    const FileTagTexts texts =
        composeFileTag(kind, QFile::encodeName(path).toStdString(), app ? app->LCTag : true);
    htmlInsert(*child.client, texts.open, texts.close);
}

} // namespace

void TMDIScrivletChild::CmIMG()
{
    insertFileTag(*this, FileTagKind::Image, imageFilters());
}

void TMDIScrivletChild::CmBackground()
{
    insertFileTag(*this, FileTagKind::Background, imageFilters());
}

void TMDIScrivletChild::CmApplet()
{
    insertFileTag(*this, FileTagKind::Applet, appletFilters());
}

void TMDIScrivletChild::CmOtherTag()
{
    THTMLInsertDialog dialog(this);
    if (DialogProvider::instance().exec(dialog) != QDialog::Accepted)
        return;
    TInsertBuffer buffer = dialog.TransferData();
    HTMLInsert(buffer.open.data(), buffer.close.empty() ? nullptr : buffer.close.data());
}

} // namespace scrivlet
