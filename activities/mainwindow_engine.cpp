// The activity engine: starting, stopping, clearing, steps, repeat and hide.
#include "mainwindow.h"

#include "activitycodes.h"
#include "imagewidget.h"
#include "menuwidget.h"
#include "sequencewidget.h"
#include "videoplayer.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

namespace {
QString titleFile(int activity)
{
    switch (activity) {
    case Activity::SignWords: return QStringLiteral("te presento palabras.png");
    case Activity::SignFirstLetter: return QStringLiteral("como empieza esta palabra.png");
    case Activity::LipLetters: return QStringLiteral("te digo las letras.png");
    case Activity::LipFirstLetter: return QStringLiteral("como comienza esta palabra labial.png");
    case Activity::HandWords: return QStringLiteral("te presento las letras.png");
    case Activity::HandLetter: return QStringLiteral("que letra es.png");
    case Activity::MissingLetter: return QStringLiteral("escribir1.png");
    case Activity::TypeWord: return QStringLiteral("escribir2.png");
    default: return QString();
    }
}
} // namespace

void MainWindow::startActivity()
{
    activeSubMenu = selectedSubMenu;
    activeActivity = selectedActivity;
    hasContent = false;
    round.forget();
    round.startQuestion();
    stopActivity();
    showActivityTitle();
    clearActivityScreen();
    round.accepting = true;
    if (Activity::isExercise(activeActivity))
        slotPickLetter(false);
    else if (Activity::isPresentation(activeActivity))
        showPrompt(QStringLiteral("ui/indicacion-tecla.png"));
}

void MainWindow::showPrompt(const QString& picture)
{
    // Where the prompt covers nothing the presentation shows: the key prompt
    // on the empty screen, the space bar at the start of the letter row, clear
    // of the logo, the title, the picture and the video.
    const bool space = picture.contains(QLatin1String("espacio"));
    promptLabel->setGeometry(space ? QRect(4, 404, 112, 56) : QRect(362, 250, 300, 200));
    const QPixmap pixmap(systemMediaPath() + picture);
    promptLabel->setPixmap(space ? pixmap.scaled(promptLabel->size(), Qt::KeepAspectRatio,
                                                 Qt::SmoothTransformation)
                                 : pixmap);
    promptLabel->show();
    promptLabel->raise();
}

void MainWindow::stopAnswerTimer()
{
    activityTimer->stop();
    disconnect(activityTimer, &QTimer::timeout, this, qOverload<>(&MainWindow::slotPickLetter));
}

void MainWindow::stopActivity()
{
    presentation.step = 0;
    presentation.spellPos = 0;
    resetActivityButtons();
    noWordsWarning->hide();
    noRepetitionWarning->hide();
    disconnect(videoPlayer, &VideoPlayer::finished, this, qOverload<>(&MainWindow::slotPickLetter));
    // A pending next round belongs to the activity being stopped.
    stopAnswerTimer();
    round.accepting = true;
    presentation.waitingForStep = false;
    presentation.spelling = false;
    disconnect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMo);
    disconnect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMoFinish);

    subSubMenuButton1->hide();
    subSubMenuButton2->hide();
    promptLabel->hide();
    bottomLetterHolder->hide();
    videoPlayer->stop();
    videoPlayer->hide();
    handSequence->slotStop();
    handSequence->hide();
    flusSequence->slotStop();
    flusSequence->hide();

    // An exercise keeps its question on screen while a key is judged.
    switch (activeActivity) {
    case Activity::SignFirstLetter:
    case Activity::LipFirstLetter:
        handLabel->hide();
        feedbackLabel->hide();
        break;
    case Activity::HandLetter:
        pictureHolder->hide();
        feedbackLabel->hide();
        break;
    case Activity::MissingLetter:
    case Activity::TypeWord:
        break;
    default:
        pictureHolder->hide();
        handLabel->hide();
        hideOrientation();
        hideLetterLabels(true);
        break;
    }
}

void MainWindow::clearForAnswer()
{
    // The lip-reading question keeps its face on screen while a key is judged.
    if (activeActivity == Activity::LipFirstLetter && round.accepting) {
        resetActivityButtons();
        noWordsWarning->hide();
        noRepetitionWarning->hide();
        handLabel->hide();
        feedbackLabel->hide();
        return;
    }
    stopActivity();
}

void MainWindow::playQuestionVideo()
{
    // The question of the lip-reading exercise is the word said: its lips.
    const Word* word = round.word();
    if (word && word->letter && word->letter->language)
        playVideo(word->lipsPath());
}

void MainWindow::clearActivityScreen()
{
    presentation.step = 0;
    presentation.spellPos = 0;
    resetActivityButtons();
    presentation.waitingForStep = false;
    presentation.spelling = false;
    noWordsWarning->hide();
    noRepetitionWarning->hide();
    disconnect(videoPlayer, &VideoPlayer::finished, this, qOverload<>(&MainWindow::slotPickLetter));
    stopAnswerTimer();
    disconnect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMo);
    disconnect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMoFinish);
    round.accepting = true;

    subSubMenuButton1->hide();
    subSubMenuButton2->hide();
    promptLabel->hide();
    bottomLetterHolder->hide();
    pictureHolder->hide();
    videoPlayer->stop();
    videoPlayer->hide();
    handSequence->slotStop();
    handSequence->hide();
    handLabel->hide();
    flusSequence->slotStop();
    flusSequence->hide();
    hideOrientation();
    doubleLetterHint->hide();
    feedbackLabel->hide();
    hideLetterLabels(false);
    for (MenuWidget* entry : {storiesHeader, storyButton1, storyButton2, storyButton3,
                              fablesHeader, storyButton4, storyButton5})
        entry->hide();
}

void MainWindow::resetActivityButtons()
{
    repeatButton->slotDeactivate();
    hideButton->slotDeactivate();
    wordHidden = false;
}

void MainWindow::showActivityTitle()
{
    titleLabel->setPixmap(QPixmap(systemMediaPath() + QStringLiteral("titulos/")
                                  + titleFile(activeActivity)));
    titleLabel->show();
    titleLabel->raise();
}

void MainWindow::showLetterLabels()
{
    for (QLabel* label : std::as_const(letterLabels))
        label->setVisible(true);
}

void MainWindow::hideLetterLabels(bool clear)
{
    for (QLabel* label : std::as_const(letterLabels)) {
        label->setVisible(false);
        if (clear)
            label->setPixmap(QPixmap());
    }
}

void MainWindow::playVideo(const QString& path)
{
    if (path.isEmpty() || !QFile::exists(path))
        return;
    videoPlayer->stop();
    videoPlayer->setVolume(0);
    videoPlayer->setAspectRatioMode(Qt::KeepAspectRatioByExpanding);
    videoPlayer->play(path);
    videoPlayer->show();
    videoPlayer->raise();
}

void MainWindow::slotShowNextStep(bool jump)
{
    disconnect(this, &MainWindow::signalNextStep, this, qOverload<>(&MainWindow::slotShowNextStep));
    promptLabel->hide();

    if (activeActivity == Activity::HandWords) {
        // The fingerspelling presentation has no bottom letter and ignores jump.
        presentation.stepCount = 3;
        chooseMedia(presentation.step);
        presentation.step = (presentation.step + 1) % 3;
    } else if (activeActivity == Activity::SignWords || activeActivity == Activity::LipLetters) {
        presentation.stepCount = 4;
        if (!jump) {
            if (presentation.step < 1)
                slotBottomLetter();
            else
                chooseMedia(presentation.step - 1);
            // The letter-by-letter showing calls back with jump when it ends.
            if (presentation.spelling)
                return;
        }
        presentation.step = (presentation.step + 1) % 4;
    } else {
        return;
    }

    if (presentation.step == 0) {
        presentation.waitingForStep = false;
        promptLabel->hide();
        return;
    }
    if (presentation.spelling)
        return;
    connect(this, &MainWindow::signalNextStep, this, qOverload<>(&MainWindow::slotShowNextStep),
            Qt::UniqueConnection);
    if (userSetting(SettingKey::StopMotion) == 0) {
        presentation.waitingForStep = false;
        Q_EMIT signalNextStep();
    } else {
        presentation.waitingForStep = true;
        showPrompt(QStringLiteral("ui/indicacion-espacio.png"));
    }
}

void MainWindow::slotRepeatWord()
{
    round.errors = 0;
    if (!hasContent) {
        noRepetitionWarning->raise();
        noRepetitionWarning->show();
        return;
    }
    if (Activity::isPresentation(activeActivity)) {
        stopActivity();
        slotLetter(true);
    } else if (Activity::isExercise(activeActivity)) {
        if (round.wordId != 0)
            slotPickLetter(true);
    }
}

void MainWindow::slotToggleWord()
{
    if (!Activity::isPresentation(activeActivity)) {
        wordHidden = false;
        return;
    }
    if (!handSequence->isStopped())
        return;
    if (hideButton->active) {
        hideLetterLabels(false);
        wordHidden = true;
    } else {
        showLetterLabels();
        wordHidden = false;
    }
}

void MainWindow::slotClearWord()
{
    hideLetterLabels(true);
}

void MainWindow::slotFinished()
{
    if (activeActivity != Activity::HandLetter)
        return;
    stopAnswerTimer();
    connect(activityTimer, &QTimer::timeout, this, qOverload<>(&MainWindow::slotPickLetter));
    round.accepting = false;
    activityTimer->start(500);
}

void MainWindow::waitForAnswerEnd()
{
    connect(videoPlayer, &VideoPlayer::finished, this, qOverload<>(&MainWindow::slotPickLetter),
            Qt::UniqueConnection);
    round.accepting = false;
    // The fingerspelled answer ends through slotFinished.
    if (activeActivity == Activity::HandLetter)
        return;
    const Word* word = activeActivity == Activity::LipFirstLetter ? currentWord : round.word();
    QString video;
    if (word && word->letter && word->letter->language)
        video = activeActivity == Activity::LipFirstLetter ? word->lipsPath() : word->signPath();
    // Without its video the answer would never end: leave it a short pause.
    if (video.isEmpty() || !QFile::exists(video)) {
        stopAnswerTimer();
        connect(activityTimer, &QTimer::timeout, this, qOverload<>(&MainWindow::slotPickLetter));
        activityTimer->start(answerPause);
    }
}

int MainWindow::userSetting(const QString& key) const
{
    if (!currentUser)
        return 0;
    return settings.get(key, currentUser->id);
}

int MainWindow::languageSetting(const QString& key) const
{
    if (settings.language)
        return settings.get(key, 0);
    // Before a user binds the store, the language-wide rows still apply.
    Config languageOnly;
    languageOnly.language = currentLanguage;
    return languageOnly.get(key, 0);
}
