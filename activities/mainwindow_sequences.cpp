// Hand-sign sequences and single hand signs. (stubs until implemented)
#include "mainwindow.h"

#include <QPixmap>

void MainWindow::slotHandsSequence()
{
}

void MainWindow::slotHand()
{
}
