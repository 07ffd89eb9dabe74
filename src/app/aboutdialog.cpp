#include "app/aboutdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace scrivlet {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Scrivlet"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/scrivlet.svg")).pixmap(32, 32));
    auto* name = new QLabel(QStringLiteral("Scrivlet v2.04"), this);
    name->setTextFormat(Qt::PlainText);
    name->setAlignment(Qt::AlignCenter);
    auto* notice = new QLabel(tr("Copyright \u00a9 the Scrivlet developers. All rights reserved."), this);
    notice->setObjectName(QStringLiteral("rightsNotice"));
    notice->setTextFormat(Qt::PlainText);
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(notice, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2, Qt::AlignCenter);
}

} // namespace scrivlet
