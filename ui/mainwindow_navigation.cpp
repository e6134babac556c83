// Menus: the navigation codes and what each click shows. (stubs until implemented)
#include "mainwindow.h"

#include <QPixmap>

void MainWindow::menu(int)
{
}

void MainWindow::subMenu(int)
{
}

void MainWindow::subSubMenu(int)
{
}

void MainWindow::goToFirstActivity()
{
}

void MainWindow::updateSubMenus()
{
}

void MainWindow::showSubMenu()
{
}

void MainWindow::updateBackground(int)
{
}

void MainWindow::slotMenu1()
{
}

void MainWindow::slotMenu3()
{
}

void MainWindow::slotSubMenu1()
{
}

void MainWindow::slotSubMenu2()
{
}

void MainWindow::slotSubMenu3()
{
}

void MainWindow::slotSubSubMenu1()
{
}

void MainWindow::slotSubSubMenu2()
{
}

void MainWindow::slotMenuArchivo()
{
}

void MainWindow::slotHideMenuArchivo()
{
}

void MainWindow::buildMenus()
{
}
