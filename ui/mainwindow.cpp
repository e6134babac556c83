#include "mainwindow.h"

#include "databaseconnection.h"
#include "keyboardmanager.h"
#include "mediapaths.h"

#include <QCloseEvent>
#include <QTimer>

MainWindow::MainWindow(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
{
    database = new DatabaseConnection(MediaPaths::databasePath());
    keyboard = new KeyboardManager(this);
    activityTimer = new QTimer(this);
    openDefaultLanguage();
    setWindowTitle(tr("Ondalira"));
    setFixedSize(1024, 600);
}

MainWindow::~MainWindow()
{
    delete database;
}

QString MainWindow::systemMediaPath() const
{
    return MediaPaths::systemMediaPath();
}

QString MainWindow::languageUiPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("UI/") : QString();
}

QString MainWindow::languageSignsPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("Senas/") : QString();
}

QString MainWindow::languageFlusPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("Flus/") : QString();
}

QString MainWindow::languageStoriesPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("Cuentos/") : QString();
}

void MainWindow::openDefaultLanguage()
{
    currentLanguageRecord = std::make_unique<Language>();
    currentLanguage = currentLanguageRecord->loadById(1) ? currentLanguageRecord.get() : nullptr;
}

void MainWindow::slotChooseUser(User*) {}
void MainWindow::slotUser() {}
void MainWindow::slotConfig() {}
void MainWindow::slotRestart() {}
void MainWindow::slotAdministrador() {}
void MainWindow::slotExit() {}
void MainWindow::buildScreen() {}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
}
