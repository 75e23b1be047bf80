#pragma once
// Finding the widgets of a numbered control or a named window, as the tests
// and the language files know them: by the `controlId` property and by
// objectName.
#include <QApplication>
#include <QString>
#include <QWidget>

namespace testing_qt {

// The child of `parent` of type T that stands for control `controlId`; null
// when there is none (callers ASSERT on it, so a missing control fails the
// test at once instead of crashing it).
template <typename T>
T* ControlOf(QWidget* parent, int controlId) {
    if (!parent) return nullptr;
    for (T* child : parent->findChildren<T*>()) {
        if (child->property("controlId").toInt() == controlId) return child;
    }
    return nullptr;
}

// The top-level widget called `objectName`, null when none exists.
inline QWidget* TopLevel(const QString& objectName) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName) return w;
    }
    return nullptr;
}

}  // namespace testing_qt
