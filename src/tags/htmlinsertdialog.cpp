#include "tags/htmlinsertdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/dialogunits.h"

namespace scrivlet {

THTMLInsertDialog::THTMLInsertDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Insert New HTML Tag"));
    setModal(true);
    const QRect frame = inDialogUnits(*this, 0, 0, 281, 148);
    setFixedSize(frame.size());

    // Template order is the tab order.
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(inDialogUnits(*this, 64, 124, 50, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setGeometry(inDialogUnits(*this, 164, 124, 50, 14));

    auto* openLabel = new QLabel(QStringLiteral("Opening Tag"), this);
    openLabel->setGeometry(inDialogUnits(*this, 12, 24, 60, 9));
    open_ = new QLineEdit(this);
    open_->setObjectName(QStringLiteral("open"));
    open_->setGeometry(inDialogUnits(*this, 12, 40, 260, 17));
    open_->setMaxLength(FieldLength);

    auto* closeLabel = new QLabel(QStringLiteral("Closing Tag"), this);
    closeLabel->setGeometry(inDialogUnits(*this, 12, 72, 64, 13));
    close_ = new QLineEdit(this);
    close_->setObjectName(QStringLiteral("close"));
    close_->setGeometry(inDialogUnits(*this, 12, 88, 260, 17));
    close_->setMaxLength(FieldLength);

    auto* warning = new QLabel(QStringLiteral("WARNING!!!  Code Will NOT be Checked for Correctness"), this);
    warning->setObjectName(QStringLiteral("warning"));
    warning->setGeometry(inDialogUnits(*this, 12, 4, 188, 13));

    setTabOrder(ok, cancel);
    setTabOrder(cancel, open_);
    setTabOrder(open_, close_);
    open_->setFocus();

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TInsertBuffer THTMLInsertDialog::TransferData() const
{
    return {open_->text().left(FieldLength).toStdString(), close_->text().left(FieldLength).toStdString()};
}

} // namespace scrivlet
