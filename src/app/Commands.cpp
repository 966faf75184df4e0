#include "Commands.h"

#include "mainscreen/MainWindow.h"

namespace cw {

void installCommands(MainWindow& window)
{
    (void)window;   // each subsystem's windows are joined here as they are built
}

} // namespace cw
