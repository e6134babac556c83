#include "presentationactivity.h"

#include "config.h"
#include "contentlists.h"
#include "keyboardmanager.h"
#include "lessoncontext.h"
#include "menuwidget.h"
#include "sequencewidget.h"
#include "stage.h"

namespace {
const QString kKeyPrompt = QStringLiteral("ui/indicacion-tecla.png");
const QString kSpacePrompt = QStringLiteral("ui/indicacion-espacio.png");
} // namespace

PresentationActivity::PresentationActivity(int code, Media media, Stage& stage, LessonContext& context)
    : AbstractActivity(code, stage, context)
    , media(media)
{
    // The space key moves on: to the next step, or to the next letter of a
    // word shown letter by letter (signalNextLetter).
    connect(this, &PresentationActivity::signalNextStep, this,
            qOverload<>(&PresentationActivity::slotShowNextStep));
    connect(this, &PresentationActivity::signalNextLetter, this, [this] {
        if (!presentation.spelling)
            return;
        if (presentation.lastLetterShown)
            slotObjectWord_stopMoFinish();
        else
            slotObjectWord_stopMo();
    });
}

void PresentationActivity::start()
{
    stage.showPrompt(kKeyPrompt);
}

void PresentationActivity::stop()
{
    presentation = Presentation();
    wordHidden = false;
    stage.resetButtons();
    stage.hideWarnings();
    stage.hidePrompt();
    stage.hideBottomLetter();
    stage.stopMedia();
    stage.hidePicture();
    stage.hideHand();
    stage.hideOrientation();
    stage.hideLetters(true);
}

bool PresentationActivity::isLetterKey(const QString& text) const
{
    return KeyboardManager::isLetterKey(text, context.values.useCh, context.values.useLl);
}

void PresentationActivity::letterKey(const QString& typed)
{
    stop();
    if (selectTypedLetter(typed)) {
        stage.playSound(letter->spokenNamePath());
        slotLetter(false);
    }
    else
        stage.warnNoWords();
}

void PresentationActivity::otherKey()
{
    // Any other key clears the word on show and asks for a letter.
    if (presentation.spelling)
        return;
    stop();
    stage.showPrompt(kKeyPrompt);
}

void PresentationActivity::spaceKey()
{
    if (wordHidden)
        return;
    if (presentation.spelling)
        Q_EMIT signalNextLetter();
    else if (presentation.waitingForStep)
        Q_EMIT signalNextStep();
}

void PresentationActivity::toggleWord(bool hidden)
{
    if (!stage.hands()->isStopped())
        return;
    if (hidden)
        stage.hideLetters(false);
    else
        stage.showLetters();
    wordHidden = hidden;
}

void PresentationActivity::repeat()
{
    stop();
    // A word deleted meanwhile (on another PC) is not shown again: another
    // word of its letter is drawn.
    Word stored;
    slotLetter(!shown || stored.loadById(shown->word.id));
}

bool PresentationActivity::selectTypedLetter(const QString& text)
{
    if (!context.language || !context.user)
        return false;
    auto typed = std::make_unique<Letter>();
    if (!typed->loadByName(text, context.language) || !context.settings->isLetterAllowed(typed->id))
        return false;
    letter = std::move(typed);
    return true;
}

void PresentationActivity::slotLetter(bool repeat)
{
    presentation.step = 0;
    stage.hideButton()->slotDeactivate();
    wordHidden = false;
    if (!repeat) {
        shown.reset();
        if (letter) {
            context.words->selectRandom(*context.settings, letter.get());
            context.words->reset();
            if (const Word* drawn = context.words->next())
                shown = WordCopy::of(*drawn, letter.get());
        }
    }
    if (!shown) {
        stage.warnNoWords();
        return;
    }
    slotShowNextStep(false);
    hasContent = true;
}

void PresentationActivity::slotShowNextStep(bool jump)
{
    stage.hidePrompt();

    if (media == Hands) {
        // The fingerspelling presentation has no big letter and ignores jump.
        presentation.stepCount = 3;
        chooseMedia(presentation.step);
    } else {
        presentation.stepCount = 4;
        if (!jump) {
            if (presentation.step < 1) {
                if (letter)
                    stage.showBottomLetter(letter->name, context.letterRules());
            } else {
                chooseMedia(presentation.step - 1);
            }
            // The letter-by-letter showing calls back with jump when it ends.
            if (presentation.spelling)
                return;
        }
    }
    presentation.step = (presentation.step + 1) % presentation.stepCount;

    if (presentation.step == 0) {
        presentation.waitingForStep = false;
        stage.hidePrompt();
        return;
    }
    if (presentation.spelling)
        return;
    if (!context.values.stopMotion) {
        presentation.waitingForStep = false;
        Q_EMIT signalNextStep();
    } else {
        presentation.waitingForStep = true;
        stage.showPrompt(kSpacePrompt);
    }
}

void PresentationActivity::chooseMedia(int showOrderIndex)
{
    const QString order = Config::showOrderCode(context.values.showOrder);
    if (showOrderIndex < 0 || showOrderIndex >= order.size())
        return;
    switch (order.at(showOrderIndex).unicode()) {
    case 'v': showVideo(); break;
    case 'w': showWord(); break;
    case 'i': stage.showPicture(shown ? &shown->word : nullptr); break;
    default: break;
    }
}

void PresentationActivity::showVideo()
{
    if (!shown || !shown->word.letter || !shown->word.letter->language)
        return;
    switch (media) {
    case Signs: stage.playVideo(shown->word.signPath()); break;
    case Lips: stage.playVideo(shown->word.lipsPath()); break;
    case Hands:
        stage.playHands(shown->word.name, context.letterRules());
        showFlus();
        break;
    }
}

void PresentationActivity::showFlus()
{
    if (context.values.useFlus)
        stage.playFlus(shown->word.name);
}

void PresentationActivity::showWord()
{
    if (!shown)
        return;
    const QString& name = shown->word.name;
    // A name without letters has nothing to spell: show it whole.
    if (!stage.letterByLetterButton()->active || !LetterText::hasLetters(name)) {
        presentation.spelling = false;
        stage.drawWord(name, context.letterRules(), QStringLiteral("cooper/"));
        return;
    }
    presentation.spellPos = 0;
    presentation.spellLength = int(name.size());
    presentation.spelling = true;
    slotObjectWord_stopMo();
}

void PresentationActivity::slotObjectWord_stopMo()
{
    // Nothing to spell once the word is gone.
    if (!presentation.spelling || !shown || presentation.spellLength <= 0
        || presentation.spellLength != shown->word.name.size()) {
        presentation.spelling = false;
        return;
    }
    const QString& name = shown->word.name;
    const LetterRules rules = context.letterRules();
    const int k = presentation.spellPos - LetterText::digraphsBefore(name, presentation.spellPos, rules);
    if (presentation.spellPos == 0) {
        stage.hideLetters(false);
        presentation.letterX = Stage::rowX;
    }
    const QString image = LetterText::letterImageName(name, presentation.spellPos, true, rules);
    stage.placeLetter(QStringLiteral("cooper/"), image, presentation.letterX, k);
    presentation.spellPos = (presentation.spellPos + 1) % presentation.spellLength;

    presentation.lastLetterShown = presentation.spellPos == 0;
    if (!presentation.lastLetterShown || !presentation.waitingForStep || media == Hands) {
        // One more space: the next letter, or after the last one the end of the word.
        stage.showPrompt(kSpacePrompt);
    } else {
        slotObjectWord_stopMoFinish();
    }
}

void PresentationActivity::slotObjectWord_stopMoFinish()
{
    presentation.spelling = false;
    presentation.lastLetterShown = false;
    slotShowNextStep(true);
}
