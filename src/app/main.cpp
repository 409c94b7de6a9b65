#include "base/number_text.h"
#include "ui/main/about_frm.h"
#include "ui/main/main_form.h"

#include <QApplication>
#include <QLocale>
#include <QSplashScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The splash is shown and painted before the main window is built.
    QSplashScreen splash(SplashPicture());
    splash.show();
    QApplication::processEvents();
    QApplication::setApplicationName("Velmo");
    QApplication::setApplicationDisplayName("Velmo");
    // Numbers are read and printed with the user's decimal separator.
    const QString separator = QLocale::system().decimalPoint();
    SetDecimalSeparator(separator.isEmpty() ? '.' : separator.at(0).toLatin1());

    TMainForm window;
    window.show();
    splash.finish(&window);
    return app.exec();
}
