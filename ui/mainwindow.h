#pragma once

#include <QMainWindow>

class DatabaseConnection;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~MainWindow() override;

private:
    DatabaseConnection* database = nullptr;
};
