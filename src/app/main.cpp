#include "base/number_text.h"

#include <QApplication>
#include <QLocale>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmo");
    const QString separator = QLocale::system().decimalPoint();
    SetDecimalSeparator(separator.isEmpty() ? '.' : separator.at(0).toLatin1());

    QMainWindow window;
    window.setWindowTitle("Velmo");
    window.resize(800, 600);
    window.show();
    return app.exec();
}
