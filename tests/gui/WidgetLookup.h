#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

namespace tarvo::gui {

// The control of that form name under `root`. The form is built in code, so a
// missing control is a programming error, not a condition to handle.
template <typename T> T* requireChild(const QObject* root, const char* objectName)
{
    T* child = root->findChild<T*>(QString::fromLatin1(objectName));
    if (!child)
        throw std::logic_error(std::string("the form has no control ") + objectName);
    return child;
}

} // namespace tarvo::gui
