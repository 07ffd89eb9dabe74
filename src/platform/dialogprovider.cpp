#include "platform/dialogprovider.h"

#include <algorithm>

#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

namespace scrivlet {

namespace {

DialogProvider*& installed()
{
    static DialogProvider* provider = nullptr;
    return provider;
}

// Lists folders and files with the execute bit; the Browse dialog's "programs" filter.
class ExecutableFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const QModelIndex index = sourceModel()->index(row, 0, parent);
        const QFileInfo info(index.data(QFileSystemModel::FilePathRole).toString());
        return info.isDir() || info.isExecutable();
    }
};

QString runFileDialog(QWidget* parent, DialogProvider::FileRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.caption, request.directory);
    dialog.setAcceptMode(mode);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Each filter reads "<description> (<patterns>)"; the details are hidden so that the user sees
    // the description exactly.
    QStringList names;
    for (const DialogProvider::Filter& f : request.filters)
        names << f.description + QStringLiteral(" (") + f.patterns + QLatin1Char(')');
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(names);
    if (request.selectedFilter >= 0 && request.selectedFilter < names.size())
        dialog.selectNameFilter(names.at(request.selectedFilter));
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.executablesOnly) {
        auto* proxy = new ExecutableFilter(&dialog);
        dialog.setProxyModel(proxy);
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, names, proxy](const QString& f) {
            dialog.setProxyModel(f == names.value(0) ? proxy : nullptr);
        });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    request.selectedFilter = std::max(0, int(names.indexOf(dialog.selectedNameFilter())));
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

} // namespace

DialogProvider& DialogProvider::instance()
{
    static DialogProvider real;
    return installed() ? *installed() : real;
}

void DialogProvider::setInstance(DialogProvider* provider)
{
    installed() = provider;
}

QString DialogProvider::getOpenFileName(QWidget* parent, FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString DialogProvider::getSaveFileName(QWidget* parent, FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

QMessageBox::StandardButton DialogProvider::message(QWidget* parent, const QString& caption, const QString& text,
                                                    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QColor> DialogProvider::getColor(QWidget* parent, const QString& caption)
{
    QColorDialog dialog(QColor(0, 0, 0), parent);
    dialog.setWindowTitle(caption);
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

int DialogProvider::exec(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace scrivlet
