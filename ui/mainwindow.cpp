#include "mainwindow.h"

#include "databaseconnection.h"
#include "mediapaths.h"

MainWindow::MainWindow(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , database(new DatabaseConnection(MediaPaths::databasePath()))
{
    setWindowTitle(tr("Ondalira"));
    setFixedSize(1024, 600);
}

MainWindow::~MainWindow()
{
    delete database;
}
