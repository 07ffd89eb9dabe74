#pragma once

#include <QByteArray>
#include <QList>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "platform/dialogprovider.h"

namespace scrivlet {

class TMDIScrivletChild;
class TMDIScrivletClient;
class TScrivletApp;
class TScrivletEdit;
class TScrivletFrame;

// Answers the program's questions from queues a test fills, and records what was asked.
class QueuedDialogs : public DialogProvider {
public:
    struct Message {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    QStringList openAnswers; // an empty string cancels
    QStringList saveAnswers; // an empty string cancels
    QList<QMessageBox::StandardButton> messageAnswers; // when empty: Ok where offered, else Cancel
    QList<Message> messages;
    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;
    QStringList execTitles;

    QString getOpenFileName(QWidget* parent, FileRequest& request) override;
    QString getSaveFileName(QWidget* parent, FileRequest& request) override;
    QMessageBox::StandardButton message(QWidget* parent, const QString& caption, const QString& text,
                                        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    int exec(QDialog& dialog) override;
};

// Runs a test's answer on each dialog of the program instead of showing it (none set: Cancel).
class AnsweringDialogs : public QueuedDialogs {
public:
    std::function<int(QDialog&)> answer;

    int exec(QDialog& dialog) override;
};

// The program as main() makes it, in a fresh temporary start folder: the settings file there holds
// `iniText` (none when empty), the dialogs are answered by `dialogs`, the main window is shown.
class AppFixture {
public:
    explicit AppFixture(const QByteArray& iniText = {});
    ~AppFixture();

    QTemporaryDir dir;
    QueuedDialogs dialogs;
    std::unique_ptr<TScrivletApp> app;
    TScrivletFrame* frame = nullptr;

    QString path(const QString& name) const { return dir.filePath(name); }
    QString iniPath() const { return dir.filePath(QStringLiteral("scrivlet.ini")); }
    TMDIScrivletClient* client() const;
    TMDIScrivletChild* child() const; // the active document window
    TScrivletEdit* editor() const;    // its editor
    int childCount() const;
    // Lets queued work (deferred deletes, queued enabling updates) run.
    static void settle();
};

// The document's bytes, exactly.
QByteArray documentBytes(TScrivletEdit& editor);
bool isModified(TScrivletEdit& editor);
long caretOf(TScrivletEdit& editor);
// Selects byte range [from, to).
void selectBytes(TScrivletEdit& editor, long from, long to);
// Makes the document an unmodified "a word b", nothing to undo, with "word" selected.
void prepareWordSelection(TScrivletEdit& editor);
QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace scrivlet
