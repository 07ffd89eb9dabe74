#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Scrivlet"));
    window.showMaximized();
    return qapp.exec();
}
