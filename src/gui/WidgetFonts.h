#pragma once

#include <QFont>

namespace tarvo::gui {

// The window's fonts by pixel height. Each names the Windows font first and the
// nearest font a Linux desktop ships after it, so that glyph metrics stay close.
QFont pGothicFont(int pixelSize); // "ＭＳ Ｐゴシック"
QFont centuryFont(int pixelSize); // "Century", a serif
QFont arialFont(int pixelSize); // "Arial", a sans serif

} // namespace tarvo::gui
