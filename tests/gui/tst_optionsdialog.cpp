// The options dialog on its own and through the running program's Options command.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/optionsdialog.h"
#include "app/scrivletapp.h"
#include "app/scrivletframe.h"
#include "core/commands.h"
#include "support/appfixture.h"

using namespace scrivlet;

namespace {

// The browser controls' state: "<radio> path=<text> ro=<0|1> browse=<0|1>".
QString browserState(const TOptionsDialog& d)
{
    return QStringLiteral("%1 path=%2 ro=%3 browse=%4")
        .arg(d.sys->isChecked() ? QStringLiteral("sys") : d.spec->isChecked() ? QStringLiteral("ext") : QStringLiteral("none"))
        .arg(d.Browse->text())
        .arg(int(d.Browse->isReadOnly()))
        .arg(int(d.Brz->isEnabled()));
}

QString checks(const TOptionsDialog& d)
{
    return QStringLiteral("%1%2%3").arg(int(d.check->isChecked())).arg(int(d.blank->isChecked())).arg(int(d.HtmlColor->isChecked()));
}

} // namespace

class TstOptionsDialog : public QObject {
    Q_OBJECT

private slots:
    void initialState_data();
    void initialState();
    void textsAndOrder();
    void radioButtons();
    void fieldLimits();
    void storedSizeOutOfRangeShownWhole();
    void browse();
    void okCopiesBack_data();
    void okCopiesBack();
    void cancelChangesNothing();
};

void TstOptionsDialog::initialState_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("browser");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("checks");
    QTest::newRow("defaults: system browser, path locked and empty, 4, all three checked")
        << QByteArray() << QStringLiteral("sys path= ro=1 browse=0") << QStringLiteral("4") << QStringLiteral("111");
    QTest::newRow("a given record: external browser frees the path and Browse")
        << QByteArray("[Options]\r\nLCaseTag=0\r\nBlankFile=1\r\nSysBrowser=0\r\nMRUSize=12\r\nHColor=0\r\n"
                      "BrowserPath=/opt/Web Browser/run\r\n")
        << QStringLiteral("ext path=/opt/Web Browser/run ro=0 browse=1") << QStringLiteral("12") << QStringLiteral("010");
}

void TstOptionsDialog::initialState()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, browser);
    QFETCH(QString, size);
    QFETCH(QString, checks);
    AppFixture f(ini);
    TOptionsDialog d(f.frame, *f.app);
    QCOMPARE(d.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(browserState(d), browser);
    QCOMPARE(d.MRU->text(), size);
    QCOMPARE(::checks(d), checks);
}

void TstOptionsDialog::textsAndOrder()
{
    TOptionsDialog d(nullptr, SettingsRecord{});
    QStringList texts;
    for (QWidget* w = d.findChild<QPushButton*>(QStringLiteral("ok")); w; w = w->nextInFocusChain()) {
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            texts << e->objectName();
        if (w->nextInFocusChain() == d.findChild<QPushButton*>(QStringLiteral("ok")) || texts.size() > 20)
            break;
    }
    QCOMPARE(texts, QStringList({QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("browserPath"),
                                 QStringLiteral("mruSize"), QStringLiteral("Use Lowercase HTML Tags"),
                                 QStringLiteral("Browse..."), QStringLiteral("Use System Browser (Recommended)"),
                                 QStringLiteral("Specify External Browser"), QStringLiteral("Start At Blank File"),
                                 QStringLiteral("Use HTML background color ")}));
    QCOMPARE(d.findChild<QLabel*>()->text(), QStringLiteral("Size of Most Recently Used Files List: "));
}

void TstOptionsDialog::radioButtons()
{
    TOptionsDialog d(nullptr, SettingsRecord{});
    d.show();
    QTest::mouseClick(d.spec, Qt::LeftButton);
    QCOMPARE(browserState(d), QStringLiteral("ext path= ro=0 browse=1"));
    QTest::keyClicks(d.Browse, QStringLiteral("/usr/bin/Viewer"));
    QTest::mouseClick(d.sys, Qt::LeftButton);
    QCOMPARE(browserState(d), QStringLiteral("sys path=/usr/bin/Viewer ro=1 browse=0"));
    QTest::keyClicks(d.Browse, QStringLiteral("X")); // locked: typing does nothing
    QCOMPARE(d.Browse->text(), QStringLiteral("/usr/bin/Viewer"));
    QCOMPARE(d.TransferData().Browser, std::string("/usr/bin/Viewer"));
}

void TstOptionsDialog::fieldLimits()
{
    SettingsRecord record;
    record.SysBrowser = false;
    TOptionsDialog d(nullptr, record);
    d.show();
    d.MRU->clear();
    QTest::keyClicks(d.MRU, QStringLiteral("a1-b23"));
    QCOMPARE(d.MRU->text(), QStringLiteral("12")); // digits only, two of them
    QTest::keyClicks(d.Browse, QString(120, QLatin1Char('p')));
    QCOMPARE(d.Browse->text().size(), 100);
}

void TstOptionsDialog::storedSizeOutOfRangeShownWhole()
{
    for (const int stored : {150, -3}) {
        SettingsRecord record;
        record.MRUSize = stored;
        TOptionsDialog d(nullptr, record);
        d.show();
        QCOMPARE(d.MRU->text(), QString::number(stored));
        QTest::keyClick(d.MRU, Qt::Key_End);
        QTest::keyClicks(d.MRU, QStringLiteral("7x")); // nothing can be added
        QCOMPARE(d.MRU->text(), QString::number(stored));
        QTest::keyClick(d.MRU, Qt::Key_Backspace); // but it can be shortened
        QCOMPARE(d.MRU->text(), QString::number(stored).chopped(1));
    }
}

void TstOptionsDialog::browse()
{
    QueuedDialogs dialogs;
    DialogProvider::setInstance(&dialogs);
    SettingsRecord record;
    record.SysBrowser = false;
    record.BrowserPath = "/old/browser";
    TOptionsDialog d(nullptr, record);
    d.show();
    const QString longPath = QStringLiteral("/opt/") + QString(150, QLatin1Char('L')) + QStringLiteral("/Run");
    dialogs.openAnswers << QStringLiteral("/usr/bin/Web Browser") << QString() << longPath;
    QTest::mouseClick(d.Brz, Qt::LeftButton);
    QCOMPARE(d.Browse->text(), QStringLiteral("/usr/bin/Web Browser"));
    const DialogProvider::FileRequest request = dialogs.openRequests.value(0);
    QCOMPARE(request.caption, QStringLiteral("Select Browser"));
    QCOMPARE(request.filters.size(), 2);
    QCOMPARE(request.filters[0].description, QStringLiteral("All Programs"));
    QCOMPARE(request.filters[1].description, QStringLiteral("All Files (*.*)"));
    QCOMPARE(request.selectedFilter, 0);
    QVERIFY(request.executablesOnly);
    QTest::mouseClick(d.Brz, Qt::LeftButton); // cancelled: path stays
    QCOMPARE(d.Browse->text(), QStringLiteral("/usr/bin/Web Browser"));
    QTest::mouseClick(d.Brz, Qt::LeftButton); // longer than the field: shown whole
    QCOMPARE(d.Browse->text(), longPath);
    DialogProvider::setInstance(nullptr);
}

void TstOptionsDialog::okCopiesBack_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("expectedSize");
    QTest::addColumn<int>("pathLength");
    QTest::newRow("typed size taken") << QStringLiteral("12") << 12 << 30;
    QTest::newRow("empty size gives 0") << QString() << 0 << 30;
    QTest::newRow("path over 100 characters: first 100 kept") << QStringLiteral("7") << 7 << 160;
}

void TstOptionsDialog::okCopiesBack()
{
    QFETCH(QString, size);
    QFETCH(int, expectedSize);
    QFETCH(int, pathLength);
    AppFixture f;
    AnsweringDialogs dialogs;
    DialogProvider::setInstance(&dialogs);
    const QByteArray iniBefore = readFile(f.iniPath());
    const QString path = QStringLiteral("/b/") + QString(pathLength - 3, QLatin1Char('W'));
    dialogs.answer = [&](QDialog& dialog) {
        auto& d = static_cast<TOptionsDialog&>(dialog);
        d.spec->click();
        d.Browse->setMaxLength(pathLength);
        d.Browse->setText(path);
        d.MRU->setText(size);
        d.check->setChecked(false);
        d.blank->setChecked(false);
        d.HtmlColor->setChecked(false);
        return int(QDialog::Accepted);
    };
    QVERIFY(f.frame->routeCommand(cmd::CmOptions));
    QCOMPARE(dialogs.execTitles, QStringList{QStringLiteral("Options")});
    QCOMPARE(f.app->LCTag, false);
    QCOMPARE(f.app->MRUSize, expectedSize);
    QCOMPARE(f.app->SysBrowser, false);
    QCOMPARE(f.app->blnk, false);
    QCOMPARE(f.app->HColor, false);
    QCOMPARE(QString::fromStdString(f.app->BrowserPath), path.left(100));
    QCOMPARE(readFile(f.iniPath()), iniBefore); // nothing written yet

    // Opened again in the same run, the dialog shows the new values.
    QString shown;
    dialogs.answer = [&](QDialog& dialog) {
        auto& d = static_cast<TOptionsDialog&>(dialog);
        shown = d.MRU->text() + QLatin1Char(' ') + browserState(d).left(3);
        return int(QDialog::Rejected);
    };
    QVERIFY(f.frame->routeCommand(cmd::CmOptions));
    QCOMPARE(shown, QString::number(expectedSize) + QStringLiteral(" ext"));
}

void TstOptionsDialog::cancelChangesNothing()
{
    AppFixture f;
    AnsweringDialogs dialogs;
    DialogProvider::setInstance(&dialogs);
    dialogs.answer = [](QDialog& dialog) {
        auto& d = static_cast<TOptionsDialog&>(dialog);
        d.spec->click();
        d.Browse->setText(QStringLiteral("/x"));
        d.MRU->setText(QStringLiteral("9"));
        d.check->setChecked(false);
        return int(QDialog::Rejected);
    };
    QVERIFY(f.frame->routeCommand(cmd::CmOptions));
    QCOMPARE(f.app->LCTag, true);
    QCOMPARE(f.app->MRUSize, 4);
    QCOMPARE(f.app->SysBrowser, true);
    QCOMPARE(f.app->BrowserPath, std::string());
}

QTEST_MAIN(TstOptionsDialog)
#include "tst_optionsdialog.moc"
