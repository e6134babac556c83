// Hand-sign sequences and single hand signs.
#include "mainwindow.h"

#include "sequencewidget.h"

#include <QLabel>
#include <QPixmap>

void MainWindow::slotHandsSequence()
{
    if (!currentWord)
        return;
    handSequence->loadWordFrames(currentWord->name);
    handSequence->show();
    highlightPos = 0;
    highlightShift = 0;
    highlightName.clear();
    handSequence->slotPlay();
    handSequence->raise();
}

void MainWindow::slotHand()
{
    if (!round.letter())
        return;
    handLabel->setPixmap(QPixmap(languageSignsPath() + singleLetterImageName(round.letter()->name)
                                 + QStringLiteral(".png")));
    handLabel->show();
    handLabel->raise();
}
