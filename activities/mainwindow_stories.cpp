// The stories: pages and arrows. (stubs until implemented)
#include "mainwindow.h"

#include <QPixmap>

void MainWindow::slotLeer1()
{
}

void MainWindow::slotLeer2()
{
}

void MainWindow::slotLeer3()
{
}

void MainWindow::slotLeer4()
{
}

void MainWindow::slotLeer5()
{
}

void MainWindow::slotFlechaIzq()
{
}

void MainWindow::slotFlechaDer()
{
}

void MainWindow::enterReadingScreen()
{
}

void MainWindow::openStory(int, int)
{
}
