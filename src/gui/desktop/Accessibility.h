#pragma once

class QString;
class QWidget;

namespace tarvo::gui {

// Teaches assistive technology what the window's own widgets are: the main
// window is a window, a clickable label is a button or a link that can be
// pressed, and a combo box is named like any field, not by its text.
// Idempotent; the main window calls it before it builds its pages.
void installAccessibleInterfaces();

// Shows a plain container of controls to assistive technology as a group named
// `name`. Call before the container is first shown.
void nameAsGroup(QWidget* container, const QString& name);

// Shows a plain top-level widget to assistive technology as a window, not as a
// pane. Call first in its constructor, before anything is announced.
void markAsWindow(QWidget* window);

} // namespace tarvo::gui
