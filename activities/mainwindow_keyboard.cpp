// Keys: letters, space, Return, Escape, and the typing exercise. (stubs until implemented)
#include "mainwindow.h"

#include <QPixmap>

void MainWindow::keyReleaseEvent(QKeyEvent*)
{
}

bool MainWindow::selectTypedLetter(const QString&)
{
    return false;
}

void MainWindow::checkTypedWord()
{
}
