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
std::unique_ptr<WordCopy> copyOf(const Word& word, const Letter* letter)
{
    auto copy = std::make_unique<WordCopy>();
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
        presentation.step = 0;
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

    if (Activity::isExercise(activeActivity) && currentLetter)
        answerKey(currentLetter->name.toLower());
}

void MainWindow::answerKey(const QString& key)
{
    // Between rounds (an empty pool, an answer on show) nothing is answered.
    if (!round.accepting || !round.letter() || !round.word())
        return;
    round.lastKey = key;
    if (activeActivity == Activity::TypeWord) {
        typeLetter(key);
        return;
    }
    const QString asked =
        activeActivity == Activity::MissingLetter ? round.expected : round.letter()->name;
    const QString typed = round.pending + key;
    const ExerciseRound::Verdict verdict =
        ExerciseRound::judgeKey(asked, key, round.pending, letterRules());
    if (verdict != ExerciseRound::Wait)
        recordAnswer(asked, typed, verdict == ExerciseRound::Right);
    switch (verdict) {
    case ExerciseRound::Wait: break;
    case ExerciseRound::Right: slotCorrect(); break;
    case ExerciseRound::Wrong: slotWrong(); break;
    }
}

bool MainWindow::keepWordOf(Letter letter)
{
    wordList.selectRandom(settings, &letter);
    wordList.reset();
    const Word* word = wordList.next();
    // A word without letters cannot be asked for.
    if (!word || !LetterText::hasLetters(word->name))
        return false;
    round.setTarget(copyOf(*word, &letter));
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
    round.setTarget(std::move(copy), wordLoaded, letterLoaded);
}

void MainWindow::slotPickLetter(bool repeat)
{
    hideLetterLabels(true);
    disconnect(videoPlayer, &VideoPlayer::finished, this, qOverload<>(&MainWindow::slotPickLetter));
    stopAnswerTimer();
    round.accepting = true;

    if (!repeat && round.word() && round.letter()) {
        round.wordId = round.word()->id;
        round.letterId = round.letter()->id;
    }
    if (!currentLanguage)
        return;

    bool drawn = letterList.hasAvailable(settings, currentLanguage);
    if (drawn) {
        if (repeat) {
            loadTarget(round.wordId, round.letterId);
        } else {
            drawn = drawTarget();
            if (drawn) {
                round.wordId = round.word()->id;
                round.letterId = round.letter()->id;
            } else {
                round.clearTarget();
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

    if (round.word() && round.letter() && LetterText::hasLetters(round.word()->name)) {
        hasContent = true;
        stopActivity();
        slotClearWord();
        slotPresentPickLetter();
    }
}

void MainWindow::slotPresentPickLetter()
{
    // Nothing of the last question stays: its picture, hand, typed key.
    round.startQuestion();
    pictureHolder->hide();
    handLabel->hide();
    handLabel->setPixmap(QPixmap());
    switch (activeActivity) {
    case Activity::TypeWord:
        slotObjectGuessWord(round.word());
        slotImage();
        break;
    case Activity::MissingLetter: {
        slotObjectWord(round.word());
        const int pos = round.word() ? pickLetterOfWord(round.word()->name, round.expected) : -1;
        slotHideLetter(round.word(), pos);
        slotImage();
        break;
    }
    case Activity::HandLetter:
        slotHand();
        slotObjectWord(round.word());
        slotHideLetter(round.word(), 0);
        break;
    case Activity::LipFirstLetter:
        slotImage();
        slotObjectWord(round.word());
        slotHideLetter(round.word(), 0);
        playQuestionVideo();
        break;
    default:
        slotImage();
        slotObjectWord(round.word());
        slotHideLetter(round.word(), 0);
        break;
    }
    feedbackLabel->hide();
    hideOrientation();
    if (activeActivity == Activity::TypeWord && round.word()) {
        int pos = 0;
        round.expected = ExerciseRound::letterAt(round.word()->name, pos, nullptr, letterRules());
    }
    updateDoubleLetterHint();
    questionClock.start();
}

void MainWindow::slotShowGuessWord()
{
    if (!round.word())
        return;
    currentWordCopy = copyOf(*round.word(), round.word()->letter);
    currentWord = &currentWordCopy->word;
    slotImage();
    hideLetterLabels(true);
    slotObjectWord(round.word());
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
    round.errors = 0;
    // No key is judged while the answer shows; in 25 the fingerspelling
    // ends the round (a one-letter answer finishes inside slotShowGuessWord).
    round.accepting = false;
    updateDoubleLetterHint();
    slotShowGuessWord();
    slotPositiveFeedback();
    hideOrientation();
    if (activeActivity != Activity::HandLetter)
        waitForAnswerEnd();
}

void MainWindow::slotWrong()
{
    round.errors += 1;
    if (round.errors > 2) {
        // The answer shows alone: no arrow, typed key or "¡Casi!" beside it.
        round.errors = 0;
        feedbackLabel->hide();
        hideOrientation();
        slotShowGuessWord();
        waitForAnswerEnd();
        updateDoubleLetterHint();
        return;
    }
    slotNegativeFeedback();
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
        expected = round.expected;
    else if (round.letter())
        expected = round.letter()->name;
    // From the key just typed in this question; none yet, no arrow.
    const QString typed = Activity::isExercise(activeActivity)
                              ? round.lastKey
                              : (currentLetter ? currentLetter->name : QString());
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
    // The key pressed shows also where no arrow fits (the same key).
    showTypedKey(typed);
}

void MainWindow::showTypedKey(const QString& key)
{
    // Keys are labelled in capitals, whatever case the words are shown in.
    LetterRules rules = letterRules();
    rules.minusCaps = false;
    int pos = 0;
    const QString path = key.isEmpty() ? QString()
                                       : systemMediaPath() + QStringLiteral("cooper/")
                                             + LetterText::letterImageName(key, pos, true, rules)
                                             + QStringLiteral(".png");
    const QPixmap picture(path);
    if (picture.isNull()) {
        typedKeyLabel->hide();
        return;
    }
    typedKeyLabel->setPixmap(picture.scaled(typedKeyLabel->size(), Qt::KeepAspectRatio,
                                            Qt::SmoothTransformation));
    typedKeyLabel->show();
    typedKeyLabel->raise();
}

void MainWindow::hideOrientation()
{
    orientationLabel->hide();
    typedKeyLabel->hide();
}

void MainWindow::updateDoubleLetterHint()
{
    QString asked;
    if (round.accepting && round.letter()) {
        if (activeActivity == Activity::MissingLetter || activeActivity == Activity::TypeWord)
            asked = round.expected;
        else if (Activity::isExercise(activeActivity))
            asked = round.letter()->name;
    }
    const LetterRules rules = letterRules();
    if (!ExerciseRound::isDoubleLetter(asked, rules)) {
        doubleLetterHint->hide();
        return;
    }
    doubleLetterHint->setPixmap(QPixmap(systemMediaPath() + QStringLiteral("ui/tecla-")
                                        + asked.toLower() + QStringLiteral(".png")));
    doubleLetterHint->show();
    doubleLetterHint->raise();
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
