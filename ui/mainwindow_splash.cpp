// Start-up videos, credits and help.
#include "mainwindow.h"

#include "helpdialog.h"
#include "inputdialog.h"
#include "videoplayer.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

void MainWindow::slotShowLogo()
{
    splashRunning = true;
    splashPlayer = new VideoPlayer(this);
    splashPlayer->setObjectName(QStringLiteral("splashPlayer"));
    connect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotShowCredits);
    splashPlayer->setGeometry(0, 0, 1024, 600);
    splashPlayer->show();
    splashPlayer->raise();
    // From the event loop, so that the window shows before the multimedia
    // stack loads.
    QTimer::singleShot(0, this, [this] {
        if (splashRunning)
            playSplashVideo(QStringLiteral("ui/splash-institucional.avi"), &MainWindow::slotShowCredits);
    });
}

void MainWindow::slotShowCredits()
{
    if (!splashRunning)
        return;
    disconnect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotShowCredits);
    connect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotHideCredits);
    playSplashVideo(QStringLiteral("ui/splash-programa.avi"), &MainWindow::slotHideCredits);
}

void MainWindow::slotHideCredits()
{
    if (!splashRunning)
        return;
    endSplash();
    userDialog->show();
    userDialog->raise();
}

void MainWindow::playSplashVideo(const QString& name, void (MainWindow::*next)())
{
    // A missing video is skipped; the player reports broken ones itself.
    if (!splashPlayer->play(systemMediaPath() + name))
        QTimer::singleShot(0, this, next);
}

void MainWindow::endSplash()
{
    splashRunning = false;
    disconnect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotShowCredits);
    disconnect(splashPlayer, &VideoPlayer::finished, this, &MainWindow::slotHideCredits);
    splashPlayer->stop();
    splashPlayer->hide();
}

bool MainWindow::slotAbout()
{
    if (!currentLanguage)
        return false;
    creditsLabel->setPixmap(QPixmap(languageUiPath() + QStringLiteral("creditos-grande.png")));
    creditsLabel->show();
    creditsLabel->raise();
    closeCreditsButton->show();
    closeCreditsButton->raise();
    return true;
}

void MainWindow::slotShowHelp()
{
    helpDialog->setVisible(true);
    helpDialog->raise();
}
