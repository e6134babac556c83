#pragma once

#include <QApplication>
#include <QWidget>

// A child widget by its object name.
template <typename T>
T* child(const QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}

// The first visible top-level window of a kind, null when none shows.
template <typename T>
T* topLevel()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<T*>(widget); found && found->isVisible())
            return found;
    }
    return nullptr;
}
