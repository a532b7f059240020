#pragma once

#include <QWidget>
#include <QtGlobal>

namespace jukewright::test {

// A window's control by its designed name; a missing or mistyped control stops the test program
// with the name, so no test runs on against nothing.
template <class Control> Control* findControl(QObject* window, const char* name) {
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control named %s of the expected kind", name);
    return control;
}

} // namespace jukewright::test
