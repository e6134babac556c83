// Letter activities: presenting a typed letter, exercise rounds, feedback. (stubs until implemented)
#include "mainwindow.h"

#include <QPixmap>

void MainWindow::slotLetter(bool)
{
}

void MainWindow::slotPickLetter(bool)
{
}

void MainWindow::slotPresentPickLetter()
{
}

void MainWindow::slotShowGuessWord()
{
}

void MainWindow::slotCorrect()
{
}

void MainWindow::slotWrong()
{
}

void MainWindow::slotPositiveFeedback()
{
}

void MainWindow::slotNegativeFeedback()
{
}

void MainWindow::slotOrientation()
{
}

void MainWindow::slotBottomLetter()
{
}
