#pragma once

#include <QString>

class QWidget;

namespace tarvo::gui {

// Every document is Shift-JIS, so a character that code page 932 cannot hold
// would be lost on the way into it. Text controls refuse an edit that brings one
// in and say so in a plain message box.
QString refusalMessage(const QString& character);
void showRefusal(QWidget* control, const QString& character);

} // namespace tarvo::gui
