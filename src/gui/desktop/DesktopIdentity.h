#pragma once

class QApplication;

namespace tarvo::gui {

// Tells the desktop which desktop entry the program's windows belong to and
// gives them the program's icon: the installed theme icon, or the same pictures
// built in when no theme has it.
void applyDesktopIdentity(QApplication& application);

// Its two halves: the name must be set before a window shows; the icon (found
// in the icon theme, which costs) may follow once the window has painted.
void applyDesktopFileName();
void applyApplicationIcon(QApplication& application);

} // namespace tarvo::gui
