#pragma once

namespace tarvo::gui {

// The taskbar text, the main window's caption and the title of the plain and
// error boxes.
inline constexpr char kApplicationTitle[] = "Tarvo Registration System";

} // namespace tarvo::gui
