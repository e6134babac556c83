// Word media and the letter row. (stubs until implemented)
#include "mainwindow.h"

#include <QPixmap>

void MainWindow::chooseMedia(int)
{
}

void MainWindow::slotImage()
{
}

void MainWindow::slotSign()
{
}

void MainWindow::slotLips()
{
}

void MainWindow::slotVideo()
{
}

void MainWindow::slotFluSequence()
{
}

void MainWindow::slotWord()
{
}

void MainWindow::slotObjectWord_stopMo()
{
}

void MainWindow::slotObjectWord_stopMoFinish()
{
}

QPixmap MainWindow::renderLetter(QLabel*, const QString&, const QString&, int, int)
{
    return QPixmap();
}

void MainWindow::placeLetter(const QString&, const QString&, int&, int, int)
{
}

void MainWindow::replaceLetterImage(QLabel*, const QString&, const QString&)
{
}

void MainWindow::slotObjectWord(Word*)
{
}

void MainWindow::slotObjectGuessWord(Word*)
{
}

void MainWindow::slotHideLetter(Word*, int)
{
}

void MainWindow::slotHighlightLetter(Word*)
{
}

void MainWindow::slotNextHighlight()
{
}

LetterRules MainWindow::letterRules() const
{
    return LetterRules();
}

int MainWindow::digraphsBefore(const QString&, int) const
{
    return 0;
}

QString MainWindow::letterImageName(const QString&, int&, bool) const
{
    return QString();
}

int MainWindow::pickLetterOfWord(const QString&, QString&) const
{
    return -1;
}

void MainWindow::splitFirstLetter(QString&, QString&, int*) const
{
}

Word* MainWindow::activityWord() const
{
    return nullptr;
}
