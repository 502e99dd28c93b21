#pragma once

class QApplication;

namespace tarvo::gui {

// Tells the desktop which desktop entry the program's windows belong to and
// gives them the program's icon: the installed theme icon, or the same pictures
// built in when no theme has it.
void applyDesktopIdentity(QApplication& application);

} // namespace tarvo::gui
