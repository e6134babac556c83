// The activity engine: starting, stopping, clearing, steps, repeat and hide. (stubs until implemented)
#include "mainwindow.h"

#include <QPixmap>

void MainWindow::startActivity()
{
}

void MainWindow::stopActivity()
{
}

void MainWindow::clearActivityScreen()
{
}

void MainWindow::resetActivityButtons()
{
}

void MainWindow::showActivityTitle()
{
}

void MainWindow::showLetterLabels()
{
}

void MainWindow::hideLetterLabels(bool)
{
}

void MainWindow::playVideo(const QString&)
{
}

void MainWindow::slotShowNextStep(bool)
{
}

void MainWindow::slotRepeatWord()
{
}

void MainWindow::slotToggleWord()
{
}

void MainWindow::slotClearWord()
{
}

void MainWindow::slotFinished()
{
}

int MainWindow::userSetting(const QString&) const
{
    return 0;
}

int MainWindow::languageSetting(const QString&) const
{
    return 0;
}
