// A build without PAD import takes nothing dropped on the window.

#include "gui/MainWindow.h"

namespace tarvo::gui {

bool MainWindow::importsDroppedPads()
{
    return false;
}

void MainWindow::importDroppedPad(const std::filesystem::path&)
{
}

} // namespace tarvo::gui
