#include "platform/findreplacedialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace scrivlet {

FindReplaceDialog::FindReplaceDialog(FileEditor* /*editor*/, bool replace, const QString& initialText)
{
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    find_ = new QLineEdit(initialText, this);
    auto* fields = new QFormLayout;
    fields->addRow(tr("Fi&nd what:"), find_);
    if (replace) {
        replace_ = new QLineEdit(this);
        fields->addRow(tr("Re&place with:"), replace_);
    }

    matchCase_ = new QCheckBox(tr("Match &case"), this);
    wholeWord_ = new QCheckBox(tr("Match &whole word only"), this);
    auto* direction = new QGroupBox(tr("Direction"), this);
    up_ = new QRadioButton(tr("&Up"), direction);
    down_ = new QRadioButton(tr("&Down"), direction);
    down_->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down_);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    findNext_ = buttons->addButton(tr("&Find Next"), QDialogButtonBox::ActionRole);
    findNext_->setDefault(true);
    if (replace) {
        replaceOne_ = buttons->addButton(tr("&Replace"), QDialogButtonBox::ActionRole);
        replaceAll_ = buttons->addButton(tr("Replace &All"), QDialogButtonBox::ActionRole);
    }
    buttons->addButton(QDialogButtonBox::Cancel);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(matchCase_);
    left->addWidget(wholeWord_);
    left->addWidget(direction);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(buttons);

    connect(findNext_, &QPushButton::clicked, this, &FindReplaceDialog::findNextRequested);
    if (replace) {
        connect(replaceOne_, &QPushButton::clicked, this, &FindReplaceDialog::replaceRequested);
        connect(replaceAll_, &QPushButton::clicked, this, &FindReplaceDialog::replaceAllRequested);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(find_, &QLineEdit::textChanged, this, &FindReplaceDialog::updateButtons);
    updateButtons();
}

QString FindReplaceDialog::findText() const { return find_->text(); }
QString FindReplaceDialog::replaceText() const { return replace_ ? replace_->text() : QString(); }
bool FindReplaceDialog::matchCase() const { return matchCase_->isChecked(); }
bool FindReplaceDialog::wholeWord() const { return wholeWord_->isChecked(); }
bool FindReplaceDialog::forward() const { return down_->isChecked(); }

void FindReplaceDialog::setOptions(bool matchCase, bool wholeWord, bool forward)
{
    matchCase_->setChecked(matchCase);
    wholeWord_->setChecked(wholeWord);
    (forward ? down_ : up_)->setChecked(true);
}

void FindReplaceDialog::updateButtons()
{
    const bool hasText = !find_->text().isEmpty();
    findNext_->setEnabled(hasText);
    if (replaceOne_) {
        replaceOne_->setEnabled(hasText);
        replaceAll_->setEnabled(hasText);
    }
}

} // namespace scrivlet
