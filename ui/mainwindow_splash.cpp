// Start-up videos, credits and help. (stubs until implemented)
#include "mainwindow.h"

#include <QPixmap>

void MainWindow::slotShowLogo()
{
}

void MainWindow::slotShowCredits()
{
}

void MainWindow::slotHideCredits()
{
}

bool MainWindow::slotAbout()
{
    return false;
}

void MainWindow::slotShowHelp()
{
}
