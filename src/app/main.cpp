#include "base/number_text.h"
#include "ui/main/main_form.h"

#include <QApplication>
#include <QLocale>
#include <QSplashScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmo");
    QApplication::setApplicationDisplayName("Velmo");
    // Numbers are read and printed with the user's decimal separator.
    const QString separator = QLocale::system().decimalPoint();
    SetDecimalSeparator(separator.isEmpty() ? '.' : separator.at(0).toLatin1());

    TMainForm window;
    window.show();
    return app.exec();
}
