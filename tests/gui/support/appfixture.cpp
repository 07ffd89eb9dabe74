#include "support/appfixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>

#include "app/scrivletapp.h"
#include "app/scrivletframe.h"
#include "core/settings.h"
#include "documents/mdichild.h"
#include "documents/mdiclient.h"
#include "documents/scrivletedit.h"
#include "platform/editoradapter.h"

// The program's pictures live in the GUI library's resources, which a test must register itself.
static void initResources() { Q_INIT_RESOURCE(scrivlet); }

namespace scrivlet {

QString QueuedDialogs::getOpenFileName(QWidget*, FileRequest& request)
{
    openRequests << request;
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString QueuedDialogs::getSaveFileName(QWidget*, FileRequest& request)
{
    saveRequests << request;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

QMessageBox::StandardButton QueuedDialogs::message(QWidget*, const QString& caption, const QString& text,
                                                   QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton)
{
    messages << Message{caption, text, icon, buttons};
    if (!messageAnswers.isEmpty())
        return messageAnswers.takeFirst();
    return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Cancel;
}

int QueuedDialogs::exec(QDialog& dialog)
{
    execTitles << dialog.windowTitle();
    return QDialog::Rejected;
}

int AnsweringDialogs::exec(QDialog& dialog)
{
    execTitles << dialog.windowTitle();
    return answer ? answer(dialog) : QDialog::Rejected;
}

AppFixture::AppFixture(const QByteArray& iniText)
{
    QApplication::setApplicationName(QStringLiteral("Scrivlet"));
    initResources();
    if (!iniText.isEmpty()) {
        QFile ini(iniPath());
        if (ini.open(QIODevice::WriteOnly))
            ini.write(iniText);
    }
    DialogProvider::setInstance(&dialogs);
    const std::string settingsFile = settingsFilePath(QFile::encodeName(dir.path()).toStdString());
    app = std::make_unique<TScrivletApp>(settingsFile, readMRUSize(settingsFile));
    app->InitMainWindow();
    frame = app->mainWindow();
    frame->resize(800, 600);
    frame->show();
    settle();
}

AppFixture::~AppFixture()
{
    app.reset();
    settle();
    DialogProvider::setInstance(nullptr);
}

TMDIScrivletClient* AppFixture::client() const { return frame->client(); }
TMDIScrivletChild* AppFixture::child() const { return client()->activeChild(); }
TScrivletEdit* AppFixture::editor() const { return child() ? child()->client : nullptr; }
int AppFixture::childCount() const { return int(client()->children().size()); }

void AppFixture::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QByteArray documentBytes(TScrivletEdit& editor)
{
    EditorAdapter adapter(editor);
    return QByteArray::fromStdString(adapter.textBetween(0, adapter.length()));
}

bool isModified(TScrivletEdit& editor) { return editor.SendScintilla(QsciScintillaBase::SCI_GETMODIFY) != 0; }
long caretOf(TScrivletEdit& editor) { return editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS); }

void selectBytes(TScrivletEdit& editor, long from, long to)
{
    editor.SendScintilla(QsciScintillaBase::SCI_SETSEL, from, to);
}

void prepareWordSelection(TScrivletEdit& editor)
{
    editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, "a word b");
    editor.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    editor.SendScintilla(QsciScintillaBase::SCI_SETSAVEPOINT);
    selectBytes(editor, 2, 6);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace scrivlet
