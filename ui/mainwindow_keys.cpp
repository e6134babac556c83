// Keys: those of the shell, and the rest handed to the activity on screen.
#include "mainwindow.h"

#include "abstractactivity.h"
#include "readingcorner.h"
#include "sequencewidget.h"
#include "stage.h"

#include <QKeyEvent>

namespace {
bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Dead_Acute:
    case Qt::Key_Dead_Grave:
    case Qt::Key_Dead_Diaeresis:
    case Qt::Key_Dead_Circumflex:
    case Qt::Key_Dead_Tilde:
        return true;
    default:
        return false;
    }
}
} // namespace

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    keyRepeats.pressed(event->key(), event->timestamp(), event->isAutoRepeat());
    QMainWindow::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    // A held key is one key: its auto-repeat never answers or presents again.
    if (!keyRepeats.released(event->key(), event->timestamp(), event->isAutoRepeat()))
        return;
    // Escape, and every key while the start-up videos or the credits show
    // (also after a visit to the stories).
    if (handleShellKey(event))
        return;
    if (readingCorner->isOpen() || !activity)
        return;
    const QString text = event->text().toLower();
    const int key = event->key();
    // Escape has nothing to end here (it may come from closing the user
    // dialog), and a modifier or a dead key alone is half a key.
    if (key == Qt::Key_Escape || isModifierKey(key))
        return;

    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        activity->returnKey();
        return;
    }
    if (key == Qt::Key_Space) {
        activity->spaceKey();
        return;
    }
    if (!activity->isLetterKey(text)) {
        stage->hideWarnings();
        activity->otherKey();
        return;
    }
    // Keys wait for the hands, and for a child and a language.
    if (!handSequence->isStopped() || !currentLanguage || !currentUser)
        return;
    QString letter = text;
    if (lesson.values.useCh && letter == QLatin1String(","))
        letter = QStringLiteral("ch");
    else if (lesson.values.useLl && letter == QLatin1String("."))
        letter = QStringLiteral("ll");
    // Shift types a capital, AltGr a letter of its own: both are letters.
    const Qt::KeyboardModifiers letterModifiers =
        Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier;
    if (event->modifiers() & ~letterModifiers || !activity->acceptsKeys())
        return;
    activity->letterKey(letter);
}
