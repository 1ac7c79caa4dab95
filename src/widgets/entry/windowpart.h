#pragma once
// A control of a window found by its objectName, for the parts of the program that work with a
// window from outside it. A missing control is a fault of the program, not of the operator.

#include <QByteArray>
#include <QString>
#include <QWidget>

namespace rova::ui
{

template <class Control> Control& part(const QWidget& window, const char* name)
{
    Control* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        qFatal("the window has no control %s", name);
    return *control;
}

} // namespace rova::ui
