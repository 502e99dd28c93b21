#pragma once

namespace tarvo::gui {

// Teaches assistive technology what the window's own widgets are: the main
// window is a window, and a clickable label is a button or a link that can be
// pressed. Idempotent; the main window calls it before it builds its pages.
void installAccessibleInterfaces();

} // namespace tarvo::gui
