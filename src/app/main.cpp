// Coinwick 2: starts in the working folder and shows the main window.

#include "store/CurrencyFormat.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Coinwick 2"));
    cw::CurrencyFormat::useLocale(cw::CurrencyFormat::effectiveLocale(QLocale::system()));

    QMainWindow window;
    window.setObjectName(QStringLiteral("frmMainScreen"));
    window.setWindowTitle(QStringLiteral("Coinwick 2"));
    window.resize(800, 560);
    window.show();
    return app.exec();
}
