// Keys: letters, space, Return, Escape, and the typing exercise.
#include "mainwindow.h"

#include "activitycodes.h"
#include "keyboardmanager.h"
#include "sequencewidget.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (activeSubMenu == Activity::StoriesSubMenu)
        return;
    // Escape, and every key while the start-up videos or the credits show.
    if (handleShellKey(event))
        return;
    const QString text = event->text().toLower();
    const int key = event->key();

    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (activeActivity == Activity::TypeWord) {
            stopActivity();
            checkTypedWord();
        }
        return;
    }
    if (key == Qt::Key_Space) {
        if (!wordHidden) {
            if (spellingWord)
                Q_EMIT signalNextLetter();
            else if (waitingForStep)
                Q_EMIT signalNextStep();
        }
        return;
    }

    const bool useCh = languageSetting(SettingKey::UseCh) != 0;
    const bool useLl = languageSetting(SettingKey::UseLl) != 0;
    if (!KeyboardManager::isLetterKey(text, useCh, useLl)) {
        // Any other key stops a waiting activity and clears the warnings.
        if (acceptInput && !spellingWord)
            stopActivity();
        noWordsWarning->hide();
        noRepetitionWarning->hide();
        return;
    }
    if (!handSequence->isStopped() || !currentLanguage || !currentUser)
        return;
    QString letter = text;
    if (useCh && letter == QLatin1String(","))
        letter = QStringLiteral("ch");
    else if (useLl && letter == QLatin1String("."))
        letter = QStringLiteral("ll");
    if (event->modifiers() != Qt::NoModifier || !acceptInput)
        return;
    stopActivity();
    if (selectTypedLetter(letter)) {
        slotLetter(false);
    } else {
        noWordsWarning->raise();
        noWordsWarning->show();
    }
}

bool MainWindow::selectTypedLetter(const QString& text)
{
    if (!currentLanguage || !currentUser)
        return false;
    auto letter = std::make_unique<Letter>();
    if (!letter->loadByName(text, currentLanguage))
        return false;
    if (Activity::isPresentation(activeActivity) && !settings.isLetterAllowed(letter->id))
        return false;
    typedLetterRecord = std::move(letter);
    currentLetter = typedLetterRecord.get();
    return true;
}

void MainWindow::typeLetter()
{
    if (!targetWord || !currentLetter)
        return;
    const QString& name = targetWord->name;
    const int length = int(name.size());
    const LetterRules rules = letterRules();
    // Blanks are not typed: they join the typed text by themselves.
    const auto skipBlanks = [&] {
        while (typingPos < length && name.at(typingPos).isSpace()) {
            typedText += name.at(typingPos);
            ++typingPos;
        }
    };

    skipBlanks();
    if (typingPos >= length) {
        // Nothing is left to type (the word was judged already): judge again.
        checkTypedWord();
        return;
    }
    QString expected = name.at(typingPos).toLower();
    if (typingPos < length - 1)
        expected += name.at(typingPos + 1).toLower();
    QString first;
    LetterText::splitFirstLetter(expected, first, nullptr, rules);

    recordAnswer(expected, currentLetter->name.toUpper() == expected.toUpper());
    if (currentLetter->name.toUpper() != expected.toUpper()) {
        targetText = expected.toUpper();
        slotOrientation();
        errorCount += 1;
        slotNegativeFeedback();
    } else {
        const int k = typingPos - LetterText::digraphsBefore(name, typingPos, rules);
        typedText += first;
        errorCount = 0;
        const QString image = LetterText::letterImageName(name, typingPos, true, rules);
        if (k < letterLabels.size())
            replaceLetterImage(letterLabels.at(k), systemMediaPath() + QStringLiteral("cooper/"),
                               image);
        typingPos += 1;
        orientationLabel->hide();
        slotPositiveFeedback();
        // A name that ends in blanks is complete after its last letter.
        if (!LetterText::hasLetters(name.mid(typingPos)))
            skipBlanks();
        if (typingPos >= length)
            checkTypedWord();
    }

    if (errorCount > 2) {
        errorCount = 0;
        typingPos = 0;
        hideLetterLabels(true);
        slotObjectWord(targetWord);
        orientationLabel->hide();
        feedbackLabel->hide();
        typedText.clear();
        slotSign();
        waitForAnswerEnd();
    }
}

void MainWindow::checkTypedWord()
{
    if (activeActivity != Activity::TypeWord || !targetWord)
        return;
    if (typedText.toUpper() == targetWord->name.toUpper()) {
        errorCount = 0;
        typingPos = 0;
        slotCorrect();
    } else {
        slotWrong();
    }
    typedText.clear();
}
