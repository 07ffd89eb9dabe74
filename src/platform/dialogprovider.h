#pragma once

#include <optional>

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace scrivlet {

// Every modal question the program asks goes through here, so that a test can answer it.
// The default implementation shows the real Qt dialogs.
class DialogProvider {
public:
    virtual ~DialogProvider() = default;

    static DialogProvider& instance();
    // Installs a provider (a test's); nullptr restores the real dialogs. Not owned.
    static void setInstance(DialogProvider* provider);

    struct Filter {
        QString description; // shown exactly, e.g. "HTML Files (*.htm, *.html)"
        QString patterns;    // blank-separated wildcards in force, e.g. "*.htm *.html"
    };
    struct FileRequest {
        QString caption;        // empty: the toolkit's default caption
        QList<Filter> filters;
        int selectedFilter = 0; // in/out: the index of the filter in force
        QString directory;      // empty: the current folder
        QString defaultSuffix;  // added to a typed name without an extension (save only)
        bool executablesOnly = false; // the first filter lists files with the execute bit
    };
    // The chosen file's absolute path, or an empty string when cancelled.
    virtual QString getOpenFileName(QWidget* parent, FileRequest& request);
    // Asks before replacing an existing file. The chosen path, or empty when cancelled.
    virtual QString getSaveFileName(QWidget* parent, FileRequest& request);

    // A modal message box; returns the button pressed.
    virtual QMessageBox::StandardButton message(QWidget* parent, const QString& caption, const QString& text,
                                                QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // A colour picker; the colour on OK, nothing on Cancel.
    virtual std::optional<QColor> getColor(QWidget* parent, const QString& caption);

    // Runs a dialog of the program modally and returns its result (QDialog::Accepted on OK).
    virtual int exec(QDialog& dialog);
};

} // namespace scrivlet
