// Coinwick 2: runs in the working folder, one copy per folder. The main window
// runs the start-up sequence and shows itself only when it succeeded.

#include "app/Commands.h"
#include "store/FolderLock.h"
#include "gui/main/MainWindow.h"
#include "gui/kit/MessageBox.h"

#include "store/CurrencyFormat.h"

#include <QApplication>
#include <QDate>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Coinwick 2"));
    cw::CurrencyFormat::useLocale(cw::CurrencyFormat::effectiveLocale(QLocale::system()));

    const cw::FolderLock lock(QDir::currentPath());
    switch (lock.state()) {
    case cw::FolderLock::State::Held:
        break;
    case cw::FolderLock::State::HeldByAnother:
        cw::showMessage(nullptr, cw::alreadyRunningMessage());
        return 1;
    case cw::FolderLock::State::Failed:
        cw::showFileError(nullptr, lock.status());
        return 1;
    }

    cw::MainWindow window(cw::MainWindow::Clock(&QDate::currentDate));
    cw::installCommands(window);
    if (!window.load())
        return 0;
    window.show();
    return app.exec();
}
