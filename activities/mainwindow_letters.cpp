// Letter activities: presenting a typed letter, exercise rounds, feedback.
#include "mainwindow.h"

#include "activitycodes.h"
#include "imagewidget.h"
#include "keyboardmanager.h"
#include "menuwidget.h"
#include "sequencewidget.h"
#include "videoplayer.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QStringList>
#include <QTimer>

namespace {
// Random letter draws before every allowed letter is looked at in turn.
constexpr int kRandomLetterDraws = 16;
// Word draws per letter in that last look (a letter may hold blank names).
constexpr int kWordDrawsPerLetter = 3;

// A window-owned copy of a drawn word and its letter.
std::unique_ptr<MainWindow::WordCopy> copyOf(const Word& word, const Letter* letter)
{
    auto copy = std::make_unique<MainWindow::WordCopy>();
    if (letter)
        copy->letter = *letter;
    copy->word = word;
    copy->word.setLetter(letter ? &copy->letter : nullptr);
    return copy;
}

bool inLetterFilter(const QString& filter, int letterId)
{
    return filter.isEmpty() || filter.split(QLatin1Char(',')).contains(QString::number(letterId));
}
} // namespace

void MainWindow::slotLetter(bool repeat)
{
    subSubMenuButton1->hide();
    subSubMenuButton2->hide();

    if (Activity::isPresentation(activeActivity)) {
        highlightPos = 0;
        highlightShift = 0;
        highlightName.clear();
        stepIndex = 0;
        hideButton->slotDeactivate();
        wordHidden = false;
        if (!repeat) {
            currentWord = nullptr;
            currentWordCopy.reset();
            if (currentLetter) {
                wordList.selectRandom(settings, currentLetter);
                wordList.reset();
                if (const Word* drawn = wordList.next()) {
                    currentWordCopy = copyOf(*drawn, currentLetter);
                    currentWord = &currentWordCopy->word;
                }
            }
        }
        if (!currentWord) {
            noWordsWarning->raise();
            noWordsWarning->show();
            return;
        }
        slotShowNextStep(false);
        hasContent = true;
        return;
    }

    if (activeActivity == Activity::TypeWord) {
        typeLetter();
        return;
    }
    if (!Activity::isExercise(activeActivity))
        return;
    // Between rounds (an empty pool) there is nothing to answer.
    if (!targetLetter || !targetWord || !currentLetter)
        return;
    QString expected = activeActivity == Activity::MissingLetter ? targetText : targetLetter->name;
    QString first;
    splitFirstLetter(expected, first, nullptr);
    const bool right = currentLetter->name.toUpper() == expected.toUpper();
    recordAnswer(expected, right);
    if (right)
        slotCorrect();
    else
        slotWrong();
}

bool MainWindow::keepWordOf(Letter letter)
{
    wordList.selectRandom(settings, &letter);
    wordList.reset();
    const Word* word = wordList.next();
    // A word without letters cannot be asked for.
    if (!word || !LetterText::hasLetters(word->name))
        return false;
    targetWordCopy = copyOf(*word, &letter);
    targetWord = &targetWordCopy->word;
    targetLetter = &targetWordCopy->letter;
    return true;
}

bool MainWindow::drawTarget()
{
    for (int attempt = 0; attempt < kRandomLetterDraws; ++attempt) {
        letterList.selectRandom(settings, currentLanguage);
        letterList.reset();
        if (const Letter* drawn = letterList.next()) {
            if (keepWordOf(*drawn))
                return true;
        }
    }
    // With only a letter filter the allowed letters may have no word at all:
    // look at each of them once, in random order, before giving up.
    letterList.loadOfLanguage(currentLanguage);
    letterList.reset();
    QList<Letter> candidates;
    while (const Letter* letter = letterList.next()) {
        if (inLetterFilter(settings.letterFilter, letter->id))
            candidates << *letter;
    }
    while (!candidates.isEmpty()) {
        const Letter letter = candidates.takeAt(randomInt(0, int(candidates.size()) - 1));
        for (int draw = 0; draw < kWordDrawsPerLetter; ++draw) {
            if (keepWordOf(letter))
                return true;
        }
    }
    return false;
}

void MainWindow::loadTarget(int wordId, int letterId)
{
    auto copy = std::make_unique<WordCopy>();
    const bool letterLoaded = copy->letter.loadById(letterId);
    copy->word.setLetter(letterLoaded ? &copy->letter : nullptr);
    const bool wordLoaded = copy->word.loadById(wordId);
    targetLetter = letterLoaded ? &copy->letter : nullptr;
    targetWord = wordLoaded ? &copy->word : nullptr;
    targetWordCopy = std::move(copy);
}

void MainWindow::slotPickLetter(bool repeat)
{
    hideLetterLabels(true);
    disconnect(videoPlayer, &VideoPlayer::finished, this, qOverload<>(&MainWindow::slotPickLetter));
    stopAnswerTimer();
    acceptInput = true;

    if (!repeat && targetWord && targetLetter) {
        targetWordId = targetWord->id;
        targetLetterId = targetLetter->id;
    }
    if (!currentLanguage)
        return;

    bool drawn = letterList.hasAvailable(settings, currentLanguage);
    if (drawn) {
        if (repeat) {
            loadTarget(targetWordId, targetLetterId);
        } else {
            drawn = drawTarget();
            if (drawn) {
                targetWordId = targetWord->id;
                targetLetterId = targetLetter->id;
            } else {
                targetWord = nullptr;
                targetLetter = nullptr;
                targetWordCopy.reset();
            }
        }
    }
    if (!drawn) {
        QMessageBox::warning(this, tr("No hay palabras disponibles"),
                             tr("La configuración actual de letras y categorías hace que la lista "
                                "de palabras disponibles esté vacía. Por favor revise su "
                                "selección."),
                             QMessageBox::Ok);
        return;
    }

    if (targetWord && targetLetter && LetterText::hasLetters(targetWord->name)) {
        hasContent = true;
        typedText.clear();
        // A new question is typed from its first letter.
        typingPos = 0;
        stopActivity();
        slotClearWord();
        slotPresentPickLetter();
    }
}

void MainWindow::slotPresentPickLetter()
{
    switch (activeActivity) {
    case Activity::TypeWord:
        slotObjectGuessWord(targetWord);
        slotImage();
        break;
    case Activity::MissingLetter: {
        slotObjectWord(targetWord);
        const int pos = targetWord ? pickLetterOfWord(targetWord->name, targetText) : -1;
        slotHideLetter(targetWord, pos);
        slotImage();
        break;
    }
    case Activity::HandLetter:
        slotHand();
        slotObjectWord(targetWord);
        slotHideLetter(targetWord, 0);
        break;
    default:
        slotImage();
        slotObjectWord(targetWord);
        slotHideLetter(targetWord, 0);
        break;
    }
    feedbackLabel->hide();
    orientationLabel->hide();
    questionClock.start();
}

void MainWindow::slotShowGuessWord()
{
    if (!targetWord)
        return;
    currentWordCopy = copyOf(*targetWord, targetWord->letter);
    currentWord = &currentWordCopy->word;
    slotImage();
    hideLetterLabels(true);
    slotObjectWord(targetWord);
    switch (activeActivity) {
    case Activity::SignFirstLetter:
    case Activity::MissingLetter:
    case Activity::TypeWord:
        slotSign();
        break;
    case Activity::LipFirstLetter:
        slotLips();
        break;
    case Activity::HandLetter:
        handLabel->hide();
        slotHandsSequence();
        break;
    default:
        break;
    }
}

void MainWindow::slotCorrect()
{
    errorCount = 0;
    // Set before the answer: a one-letter answer finishes inside it.
    if (activeActivity == Activity::HandLetter)
        acceptInput = true;
    slotShowGuessWord();
    slotPositiveFeedback();
    orientationLabel->hide();
    if (activeActivity != Activity::HandLetter)
        waitForAnswerEnd();
}

void MainWindow::slotWrong()
{
    errorCount += 1;
    slotNegativeFeedback();
    if (errorCount > 2) {
        errorCount = 0;
        orientationLabel->hide();
        slotShowGuessWord();
        waitForAnswerEnd();
    }
    slotOrientation();
}

void MainWindow::showFeedback(const QString& kind)
{
    const int n = randomInt(1, 3);
    feedbackLabel->setPixmap(
        QPixmap(systemMediaPath() + QStringLiteral("feedback/") + kind + QString::number(n)
                + QStringLiteral(".png")));
    flusSequence->slotStop();
    flusSequence->hide();
    feedbackLabel->show();
    feedbackLabel->raise();
}

void MainWindow::slotPositiveFeedback()
{
    showFeedback(QStringLiteral("good"));
}

void MainWindow::slotNegativeFeedback()
{
    showFeedback(QStringLiteral("wrong"));
}

void MainWindow::slotOrientation()
{
    QString expected;
    if (activeActivity == Activity::MissingLetter || activeActivity == Activity::TypeWord)
        expected = targetText;
    else if (targetLetter)
        expected = targetLetter->name;
    const QString typed = currentLetter ? currentLetter->name : QString();
    // Point at the key that answers: Á is answered by A.
    QString first;
    splitFirstLetter(expected, first, nullptr);

    QString arrow;
    switch (keyboard->letterRelation(expected.toUpper(), typed.toUpper())) {
    case KeyboardManager::LeftOf: arrow = QStringLiteral("derecha.png"); break;
    case KeyboardManager::RightOf: arrow = QStringLiteral("izquierda.png"); break;
    case KeyboardManager::LowerRow: arrow = QStringLiteral("arriba.png"); break;
    case KeyboardManager::HigherRow: arrow = QStringLiteral("abajo.png"); break;
    default: break;
    }
    orientationLabel->setPixmap(arrow.isEmpty()
                                    ? QPixmap()
                                    : QPixmap(systemMediaPath() + QStringLiteral("ui/") + arrow));
    orientationLabel->show();
    orientationLabel->raise();
}

void MainWindow::slotBottomLetter()
{
    if (!currentLetter)
        return;
    const QString path = systemMediaPath() + QStringLiteral("inferior/")
                         + singleLetterImageName(currentLetter->name) + QStringLiteral(".png");
    if (!QFile::exists(path))
        return;
    QLabel* label = bottomLetterHolder->label;
    label->setPixmap(QPixmap(path));
    // The holder's label takes the size of each letter.
    label->adjustSize();
    label->show();
    bottomLetterHolder->show();
    bottomLetterHolder->raise();
}
