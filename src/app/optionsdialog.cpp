#include "app/optionsdialog.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QValidator>

#include "app/scrivletapp.h"
#include "app/scrivletframe.h"
#include "platform/dialogprovider.h"
#include "platform/dialogunits.h"

namespace scrivlet {

namespace {

// Digits only, at most two. A stored size that does not fit (shown whole) may still be shortened,
// but nothing but digits can be added to it.
class SizeValidator : public QValidator {
public:
    SizeValidator(qsizetype shownLength, QObject* parent) : QValidator(parent), shownLength_(shownLength) {}

    State validate(QString& input, int&) const override
    {
        static const QRegularExpression digits(QStringLiteral("\\A\\d{0,2}\\z"));
        static const QRegularExpression stored(QStringLiteral("\\A[+-]?\\d*\\z"));
        if (digits.match(input).hasMatch())
            return Acceptable;
        if (input.size() <= shownLength_ && stored.match(input).hasMatch())
            return Intermediate;
        return Invalid;
    }

private:
    qsizetype shownLength_;
};

QString pathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

} // namespace

int leadingNumber(const std::string& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

std::string cutPath(const std::string& path, std::size_t maxBytes)
{
    if (path.size() <= maxBytes)
        return path;
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(path[end]) & 0xC0) == 0x80)
        --end;
    return path.substr(0, end);
}

TOptionsDialog::TOptionsDialog(QWidget* parent, const SettingsRecord& record) : QDialog(parent), record_(record)
{
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);
    setFixedSize(inDialogUnits(*this, 0, 0, 273, 134).size());
    SetupWindow();
}

void TOptionsDialog::SetupWindow()
{
    // Template order, which is also the tab order.
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(inDialogUnits(*this, 152, 112, 50, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setGeometry(inDialogUnits(*this, 212, 112, 50, 14));
    Browse = new QLineEdit(this);
    Browse->setObjectName(QStringLiteral("browserPath"));
    Browse->setGeometry(inDialogUnits(*this, 8, 32, 200, 13));
    MRU = new QLineEdit(this);
    MRU->setObjectName(QStringLiteral("mruSize"));
    MRU->setGeometry(inDialogUnits(*this, 136, 56, 20, 12));
    auto* sizeLabel = new QLabel(QStringLiteral("Size of Most Recently Used Files List: "), this);
    sizeLabel->setGeometry(inDialogUnits(*this, 8, 56, 128, 13));
    check = new QCheckBox(QStringLiteral("Use Lowercase HTML Tags"), this);
    check->setObjectName(QStringLiteral("lowerCase"));
    check->setGeometry(inDialogUnits(*this, 8, 72, 108, 13));
    Brz = new QPushButton(QStringLiteral("Browse..."), this);
    Brz->setObjectName(QStringLiteral("browse"));
    Brz->setGeometry(inDialogUnits(*this, 212, 32, 44, 14));
    sys = new QRadioButton(QStringLiteral("Use System Browser (Recommended)"), this);
    sys->setObjectName(QStringLiteral("systemBrowser"));
    sys->setGeometry(inDialogUnits(*this, 8, 4, 140, 9));
    spec = new QRadioButton(QStringLiteral("Specify External Browser"), this);
    spec->setObjectName(QStringLiteral("externalBrowser"));
    spec->setGeometry(inDialogUnits(*this, 8, 16, 164, 9));
    blank = new QCheckBox(QStringLiteral("Start At Blank File"), this);
    blank->setObjectName(QStringLiteral("blankFile"));
    blank->setGeometry(inDialogUnits(*this, 8, 90, 84, 9));
    HtmlColor = new QCheckBox(QStringLiteral("Use HTML background color "), this);
    HtmlColor->setObjectName(QStringLiteral("htmlColor"));
    HtmlColor->setGeometry(inDialogUnits(*this, 128, 72, 108, 13));
    const QList<QWidget*> tabOrder{ok, cancel, Browse, MRU, check, Brz, sys, spec, blank, HtmlColor};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Brz, &QPushButton::clicked, this, &TOptionsDialog::CmBrowse);
    connect(sys, &QRadioButton::clicked, this, &TOptionsDialog::CmSystem);
    connect(spec, &QRadioButton::clicked, this, &TOptionsDialog::CmExternal);

    // The record's values. A stored path or size longer than its field is shown whole.
    const QString path = pathText(record_.BrowserPath);
    Browse->setMaxLength(int(std::max<qsizetype>(PathLength, path.size())));
    Browse->setText(path);
    const QString size = QString::number(record_.MRUSize);
    MRU->setMaxLength(int(std::max<qsizetype>(SizeLength, size.size())));
    MRU->setValidator(new SizeValidator(size.size(), MRU));
    MRU->setText(size);
    check->setChecked(record_.LCTag);
    blank->setChecked(record_.blnk);
    HtmlColor->setChecked(record_.HColor);
    sys->setChecked(record_.SysBrowser);
    spec->setChecked(!record_.SysBrowser);
    Brz->setEnabled(!record_.SysBrowser);
    Browse->setReadOnly(record_.SysBrowser);
}

void TOptionsDialog::CmSystem()
{
    Brz->setEnabled(false);
    Browse->setReadOnly(true);
}

void TOptionsDialog::CmExternal()
{
    Brz->setEnabled(true);
    Browse->setReadOnly(false);
}

void TOptionsDialog::CmBrowse()
{
    DialogProvider::FileRequest request;
    request.caption = QStringLiteral("Select Browser");
    request.filters = {{QStringLiteral("All Programs"), QStringLiteral("*")},
                       {QStringLiteral("All Files (*.*)"), QStringLiteral("*")}};
    request.selectedFilter = 0;
    request.executablesOnly = true;
    const QString path = DialogProvider::instance().getOpenFileName(this, request);
    if (path.isEmpty())
        return;
    // Shown whole; OK keeps the first 100 characters.
    if (path.size() > Browse->maxLength())
        Browse->setMaxLength(int(path.size()));
    Browse->setText(path);
}

TOptionsBuffer TOptionsDialog::TransferData() const
{
    TOptionsBuffer buffer;
    buffer.Browser = QFile::encodeName(Browse->text()).toStdString();
    buffer.MRUSize = MRU->text().toStdString();
    buffer.LCase = check->isChecked();
    buffer.blnk = blank->isChecked();
    buffer.HTMColor = HtmlColor->isChecked();
    buffer.SysB = sys->isChecked();
    buffer.SpecB = spec->isChecked();
    return buffer;
}

void TScrivletApp::CmOptions()
{
    TOptionsDialog dialog(mainWindow(), *this);
    if (DialogProvider::instance().exec(dialog) != QDialog::Accepted)
        return;
    const TOptionsBuffer buffer = dialog.TransferData();
    // Only the record changes; the file is written when the main window closes, and the list size
    // takes effect at the next start-up.
    LCTag = buffer.LCase;
    MRUSize = leadingNumber(buffer.MRUSize);
    SysBrowser = buffer.SysB;
    blnk = buffer.blnk;
    HColor = buffer.HTMColor;
    BrowserPath = cutPath(buffer.Browser, SettingsRecord::BrowserPathSize - 1);
}

} // namespace scrivlet
