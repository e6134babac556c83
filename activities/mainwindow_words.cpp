// Word media and the letter row.
#include "mainwindow.h"

#include "activitycodes.h"
#include "imagewidget.h"
#include "menuwidget.h"
#include "picturefit.h"
#include "sequencewidget.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>

namespace {
const QString kSpace = QStringLiteral(" ");
constexpr int kRowX = 120;
constexpr int kRowY = 470;

// Media paths need the word's letter and the letter's language.
bool hasMediaFolder(const Word* word)
{
    return word && word->letter && word->letter->language;
}
} // namespace

Word* MainWindow::activityWord() const
{
    return Activity::isExercise(activeActivity) ? round.word() : currentWord;
}

void MainWindow::chooseMedia(int showOrderIndex)
{
    const QString order = Config::showOrderCode(userSetting(SettingKey::ShowOrder));
    if (showOrderIndex < 0 || showOrderIndex >= order.size())
        return;
    switch (order.at(showOrderIndex).unicode()) {
    case 'v': slotVideo(); break;
    case 'w': slotWord(); break;
    case 'i': slotImage(); break;
    default: break;
    }
}

void MainWindow::slotImage()
{
    const Word* word = activityWord();
    if (!hasMediaFolder(word))
        return;
    const QString path = word->imagePath();
    if (!QFile::exists(path))
        return;
    const QSize holder(351, 211);
    pictureHolder->label->setPixmap(fittedPicture(path, holder));
    pictureHolder->label->setAlignment(Qt::AlignCenter);
    pictureHolder->label->show();
    pictureHolder->label->setGeometry(QRect(QPoint(0, 0), holder));
    pictureHolder->show();
    pictureHolder->raise();
}

void MainWindow::slotSign()
{
    const Word* word = activityWord();
    if (hasMediaFolder(word))
        playVideo(word->signPath());
}

void MainWindow::slotLips()
{
    if (hasMediaFolder(currentWord))
        playVideo(currentWord->lipsPath());
}

void MainWindow::slotVideo()
{
    switch (activeActivity) {
    case Activity::SignWords:
        slotSign();
        break;
    case Activity::LipLetters:
        slotLips();
        break;
    case Activity::HandWords:
        slotHandsSequence();
        slotFluSequence();
        break;
    default:
        break;
    }
}

void MainWindow::slotFluSequence()
{
    if (!currentWord || languageSetting(SettingKey::UseFlus) == 0)
        return;
    flusSequence->loadWordFrames(currentWord->name);
    flusSequence->show();
    flusSequence->slotPlay();
    flusSequence->raise();
}

void MainWindow::slotWord()
{
    if (!currentWord)
        return;
    // A name without letters has nothing to spell: show it whole.
    if (!letterByLetterButton->active || !LetterText::hasLetters(currentWord->name)) {
        presentation.spelling = false;
        slotObjectWord(currentWord);
        return;
    }
    presentation.spellPos = 0;
    presentation.spellLength = int(currentWord->name.size());
    presentation.spelling = true;
    slotObjectWord_stopMo();
}

void MainWindow::slotObjectWord_stopMo()
{
    disconnect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMo);
    disconnect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMoFinish);
    // A stale connection may outlive the word it spelled.
    if (!presentation.spelling || !currentWord || presentation.spellLength <= 0
        || presentation.spellLength != currentWord->name.size()) {
        presentation.spelling = false;
        return;
    }
    const QString& name = currentWord->name;
    const LetterRules rules = letterRules();
    const QString folder = systemMediaPath() + QStringLiteral("cooper/");
    const int k = presentation.spellPos - LetterText::digraphsBefore(name, presentation.spellPos, rules);
    if (presentation.spellPos == 0) {
        hideLetterLabels(false);
        presentation.letterX = kRowX;
    }
    const QString image = LetterText::letterImageName(name, presentation.spellPos, true, rules);
    placeLetter(folder, image, presentation.letterX, kRowY, k);
    presentation.spellPos = (presentation.spellPos + 1) % presentation.spellLength;

    if (presentation.spellPos != 0) {
        connect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMo,
                Qt::UniqueConnection);
        showPrompt(QStringLiteral("ui/indicacion-espacio.png"));
    } else if (!presentation.waitingForStep || activeActivity == Activity::HandWords) {
        // One more space ends the word.
        connect(this, &MainWindow::signalNextLetter, this,
                &MainWindow::slotObjectWord_stopMoFinish, Qt::UniqueConnection);
        showPrompt(QStringLiteral("ui/indicacion-espacio.png"));
    } else {
        slotObjectWord_stopMoFinish();
    }
}

void MainWindow::slotObjectWord_stopMoFinish()
{
    disconnect(this, &MainWindow::signalNextLetter, this, &MainWindow::slotObjectWord_stopMoFinish);
    presentation.spelling = false;
    slotShowNextStep(true);
}

QPixmap MainWindow::renderLetter(QLabel* label, const QString& folder, const QString& name, int x,
                                 int y)
{
    QPixmap picture;
    if (name == kSpace) {
        picture = QPixmap(systemMediaPath() + QStringLiteral("ui/space.png"))
                      .scaled(20, 50, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        picture = QPixmap(folder + name + QStringLiteral(".png"));
        if (!picture.isNull())
            picture = picture.scaledToWidth(picture.width() / 2, Qt::SmoothTransformation);
    }
    label->hide();
    if (x >= 0 && y >= 0)
        label->setGeometry(x, y, picture.width(), picture.height());
    label->setPixmap(picture);
    label->show();
    return picture;
}

void MainWindow::placeLetter(const QString& folder, const QString& name, int& x, int y, int index)
{
    if (index < 0)
        return;
    while (letterLabels.size() <= index) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("letterLabel%1").arg(letterLabels.size()));
        letterLabels.append(label);
    }
    x += renderLetter(letterLabels.at(index), folder, name, x, y).width();
}

void MainWindow::replaceLetterImage(QLabel* label, const QString& folder, const QString& name)
{
    renderLetter(label, folder, name, -1, -1);
}

namespace {
// Draws the whole name on the row, one label per letter.
void drawRow(MainWindow& window, const QString& name, const QString& folder)
{
    const LetterRules rules = window.letterRules();
    window.hideLetterLabels(true);
    int x = kRowX;
    for (int p = 0; p < name.size(); ++p) {
        const int k = p - LetterText::digraphsBefore(name, p, rules);
        const QString image = LetterText::letterImageName(name, p, true, rules);
        window.placeLetter(folder, image, x, kRowY, k);
    }
}
} // namespace

void MainWindow::slotObjectWord(Word* word)
{
    if (word)
        drawRow(*this, word->name, systemMediaPath() + QStringLiteral("cooper/"));
}

void MainWindow::slotObjectGuessWord(Word* word)
{
    if (word)
        drawRow(*this, word->name, systemMediaPath() + QStringLiteral("blank/"));
}

void MainWindow::slotHideLetter(Word* word, int pos)
{
    if (!word || pos < 0 || pos >= word->name.size())
        return;
    const LetterRules rules = letterRules();
    // The blank stands for the whole letter, also when pos is a digraph's second half.
    int start = LetterText::letterStart(word->name, pos, rules);
    const int k = start - LetterText::digraphsBefore(word->name, start, rules);
    if (k >= letterLabels.size())
        return;
    const QString image = LetterText::letterImageName(word->name, start, true, rules);
    replaceLetterImage(letterLabels.at(k), systemMediaPath() + QStringLiteral("blank/"), image);
}

void MainWindow::slotHighlightLetter(Word* word)
{
    if (!word)
        return;
    const QString& name = word->name;
    const LetterRules rules = letterRules();
    // Only letters drawn on the row take part: a label that is hidden belongs
    // to no letter on show (not drawn yet, beyond the word, or hidden by the
    // hide button).
    const auto drawn = [this](int index) {
        return index >= 0 && index < letterLabels.size() && !letterLabels.at(index)->isHidden();
    };
    const QString normal = systemMediaPath() + QStringLiteral("cooper/");

    if (!highlightName.isEmpty()) {
        const int previous = highlightPos < 1 ? LetterText::letterCount(name, rules) - 1
                                              : highlightPos - highlightShift - 1;
        if (drawn(previous))
            replaceLetterImage(letterLabels.at(previous), normal, highlightName);
    }
    if (highlightPos < name.size()) {
        const int p0 = highlightPos;
        highlightName = LetterText::letterImageName(name, highlightPos, true, rules);
        const int index = p0 - highlightShift;
        if (drawn(index))
            replaceLetterImage(letterLabels.at(index), systemMediaPath() + QStringLiteral("cuadrados/"),
                               highlightName);
        highlightShift += highlightPos - p0;
    }
}

void MainWindow::slotNextHighlight()
{
    if (handSequence->isStopped() || !currentWord)
        return;
    slotHighlightLetter(currentWord);
    highlightPos += 1;
    if (highlightPos >= currentWord->name.size()) {
        highlightPos = 0;
        highlightShift = 0;
    }
}

LetterRules MainWindow::letterRules() const
{
    LetterRules rules;
    rules.useCh = languageSetting(SettingKey::UseCh) != 0;
    rules.useLl = languageSetting(SettingKey::UseLl) != 0;
    rules.minusCaps = userSetting(SettingKey::UseMinusCaps) != 0;
    rules.firstCaps = userSetting(SettingKey::FirstCaps) != 0;
    return rules;
}

int MainWindow::digraphsBefore(const QString& word, int pos) const
{
    return LetterText::digraphsBefore(word, pos, letterRules());
}

QString MainWindow::letterImageName(const QString& word, int& pos, bool withCase) const
{
    return LetterText::letterImageName(word, pos, withCase, letterRules());
}

QString MainWindow::singleLetterImageName(const QString& letter) const
{
    int pos = -1;
    return letterImageName(letter, pos, false);
}

int MainWindow::pickLetterOfWord(const QString& word, QString& text) const
{
    return LetterText::pickLetterOfWord(word, text, letterRules(), randomInt);
}

void MainWindow::splitFirstLetter(QString& text, QString& first, int* counter) const
{
    LetterText::splitFirstLetter(text, first, counter, letterRules());
}
