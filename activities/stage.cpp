#include "stage.h"

#include "exerciseround.h"
#include "imagewidget.h"
#include "keyboardmanager.h"
#include "mediapaths.h"
#include "menuwidget.h"
#include "picturefit.h"
#include "randomint.h"
#include "sequencewidget.h"
#include "sounddevice.h"
#include "videoplayer.h"
#include "word.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

namespace {
const QString kSpace = QStringLiteral(" ");
constexpr int kRowY = 470;

QString systemPath()
{
    return MediaPaths::systemMediaPath();
}

// The picture of a letter on its own (bottom letter, single hand sign).
QString singleLetterName(const QString& letter, const LetterRules& rules)
{
    int pos = -1;
    return LetterText::letterImageName(letter, pos, false, rules);
}

// A letter as the row shows it: at half size; a blank as a narrow gap.
QPixmap letterPicture(const QString& style, const QString& name)
{
    if (name == kSpace)
        return QPixmap(systemPath() + QStringLiteral("ui/space.png"))
            .scaled(20, 50, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QPixmap picture(systemPath() + style + name + QStringLiteral(".png"));
    return picture.isNull() ? picture : picture.scaledToWidth(picture.width() / 2, Qt::SmoothTransformation);
}

void showRaised(QWidget* widget)
{
    widget->show();
    widget->raise();
}
} // namespace

Stage::Stage(const Pieces& pieces)
    : p(pieces)
{
    // The hand sequence moves the highlight along the row at each frame.
    QObject::connect(p.hands, &SequenceWidget::signalClock, p.hands, [this] { highlightNext(); });
}

QList<QObject*> Stage::senders() const
{
    return {p.video, p.hands, p.flus};
}

void Stage::drawWord(const QString& name, const LetterRules& rules, const QString& style)
{
    hideLetters(true);
    int x = rowX;
    for (int pos = 0; pos < name.size(); ++pos) {
        const int k = pos - LetterText::digraphsBefore(name, pos, rules);
        const QString image = LetterText::letterImageName(name, pos, true, rules);
        placeLetter(style, image, x, k);
    }
}

void Stage::placeLetter(const QString& style, const QString& name, int& x, int index)
{
    if (index < 0)
        return;
    while (letterLabels.size() <= index) {
        auto* label = new QLabel(p.window);
        label->setObjectName(QStringLiteral("letterLabel%1").arg(letterLabels.size()));
        letterLabels.append(label);
    }
    const QPixmap picture = letterPicture(style, name);
    QLabel* label = letterLabels.at(index);
    label->hide();
    label->setGeometry(x, kRowY, picture.width(), picture.height());
    label->setPixmap(picture);
    label->show();
    x += picture.width();
}

void Stage::replaceLetter(int index, const QString& style, const QString& name)
{
    if (index < 0 || index >= letterLabels.size())
        return;
    QLabel* label = letterLabels.at(index);
    label->hide();
    label->setPixmap(letterPicture(style, name));
    label->show();
}

void Stage::blankLetterOf(const QString& word, int pos, const LetterRules& rules)
{
    if (pos < 0 || pos >= word.size())
        return;
    // The blank stands for the whole letter, also when pos is a digraph's second half.
    int start = LetterText::letterStart(word, pos, rules);
    const int k = start - LetterText::digraphsBefore(word, start, rules);
    const QString image = LetterText::letterImageName(word, start, true, rules);
    replaceLetter(k, QStringLiteral("blank/"), image);
}

bool Stage::isLetterShown(int index) const
{
    return index >= 0 && index < letterLabels.size() && !letterLabels.at(index)->isHidden();
}

void Stage::showLetters()
{
    for (QLabel* label : std::as_const(letterLabels))
        label->setVisible(true);
}

void Stage::hideLetters(bool clear)
{
    for (QLabel* label : std::as_const(letterLabels)) {
        label->setVisible(false);
        if (clear)
            label->setPixmap(QPixmap());
    }
}

void Stage::showPicture(const Word* word)
{
    // Media paths need the word's letter and the letter's language.
    if (!word || !word->letter || !word->letter->language)
        return;
    const QString path = word->imagePath();
    if (!QFile::exists(path))
        return;
    const QSize holder(351, 211);
    QLabel* label = p.picture->label;
    label->setPixmap(fittedPicture(path, holder));
    label->setAlignment(Qt::AlignCenter);
    label->show();
    label->setGeometry(QRect(QPoint(0, 0), holder));
    showRaised(p.picture);
}

void Stage::hidePicture()
{
    p.picture->hide();
}

void Stage::showBottomLetter(const QString& letter, const LetterRules& rules)
{
    const QString path = systemPath() + QStringLiteral("inferior/") + singleLetterName(letter, rules)
                         + QStringLiteral(".png");
    if (!QFile::exists(path))
        return;
    QLabel* label = p.bottomLetter->label;
    label->setPixmap(QPixmap(path));
    // The holder's label takes the size of each letter.
    label->adjustSize();
    label->show();
    showRaised(p.bottomLetter);
}

void Stage::hideBottomLetter()
{
    p.bottomLetter->hide();
}

void Stage::showHand(const QString& signsPath, const QString& letter, const LetterRules& rules)
{
    p.hand->setPixmap(QPixmap(signsPath + singleLetterName(letter, rules) + QStringLiteral(".png")));
    showRaised(p.hand);
}

void Stage::hideHand()
{
    p.hand->hide();
    p.hand->setPixmap(QPixmap());
}

void Stage::playVideo(const QString& path)
{
    if (path.isEmpty() || !QFile::exists(path))
        return;
    p.video->stop();
    p.video->setVolume(soundVolume);
    p.video->play(path);
    showRaised(p.video);
}

void Stage::playHeard(const QString& path)
{
    if (path.isEmpty() || !QFile::exists(path))
        return;
    p.video->stop();
    p.video->hide();
    p.video->setVolume(soundVolume);
    p.video->play(path);
}

void Stage::playSound(const QString& path)
{
    if (soundVolume <= 0 || !p.sound || path.isEmpty() || !QFile::exists(path)
        || !SoundDevice::available())
        return;
    p.sound->setVolume(soundVolume);
    p.sound->play(path);
}

void Stage::playHands(const QString& word, const LetterRules& rules)
{
    p.hands->loadWordFrames(word);
    p.hands->show();
    highlightWord = word;
    highlightRules = rules;
    highlightPos = 0;
    highlightShift = 0;
    highlightName.clear();
    p.hands->slotPlay();
    p.hands->raise();
}

void Stage::playFlus(const QString& word)
{
    p.flus->loadWordFrames(word);
    p.flus->show();
    p.flus->slotPlay();
    p.flus->raise();
}

void Stage::stopMedia()
{
    p.video->stop();
    p.video->hide();
    p.hands->slotStop();
    p.hands->hide();
    p.flus->slotStop();
    p.flus->hide();
}

void Stage::highlightNext()
{
    if (p.hands->isStopped() || highlightWord.isEmpty())
        return;
    const QString& name = highlightWord;
    const LetterRules& rules = highlightRules;
    // Only letters drawn on the row take part: a label that is hidden belongs
    // to no letter on show (not drawn yet, beyond the word, or hidden by the
    // hide button).
    if (!highlightName.isEmpty()) {
        const int previous = highlightPos < 1 ? LetterText::letterCount(name, rules) - 1
                                              : highlightPos - highlightShift - 1;
        if (isLetterShown(previous))
            replaceLetter(previous, QStringLiteral("cooper/"), highlightName);
    }
    if (highlightPos < name.size()) {
        const int p0 = highlightPos;
        highlightName = LetterText::letterImageName(name, highlightPos, true, rules);
        const int index = p0 - highlightShift;
        if (isLetterShown(index))
            replaceLetter(index, QStringLiteral("cuadrados/"), highlightName);
        highlightShift += highlightPos - p0;
    }
    highlightPos += 1;
    if (highlightPos >= name.size()) {
        highlightPos = 0;
        highlightShift = 0;
    }
}

void Stage::showFeedback(const QString& kind)
{
    const int n = randomInt(1, 3);
    p.feedback->setPixmap(QPixmap(systemPath() + QStringLiteral("feedback/") + kind
                                  + QString::number(n) + QStringLiteral(".png")));
    p.flus->slotStop();
    p.flus->hide();
    showRaised(p.feedback);
    const bool good = kind == QLatin1String("good");
    playSound(systemPath() + QStringLiteral("sonidos/")
              + (good ? QStringLiteral("bien.wav") : QStringLiteral("mal.wav")));
}

void Stage::hideFeedback()
{
    p.feedback->hide();
}

void Stage::showOrientation(const QString& expected, const QString& typed,
                            const KeyboardManager& keyboard, const LetterRules& rules)
{
    // Point at the key that answers: Á is answered by A.
    QString asked = expected;
    QString first;
    LetterText::splitFirstLetter(asked, first, nullptr, rules);

    QString arrow;
    switch (keyboard.letterRelation(asked.toUpper(), typed.toUpper())) {
    case KeyboardManager::LeftOf: arrow = QStringLiteral("derecha.png"); break;
    case KeyboardManager::RightOf: arrow = QStringLiteral("izquierda.png"); break;
    case KeyboardManager::LowerRow: arrow = QStringLiteral("arriba.png"); break;
    case KeyboardManager::HigherRow: arrow = QStringLiteral("abajo.png"); break;
    default: break;
    }
    p.orientation->setPixmap(arrow.isEmpty() ? QPixmap()
                                             : QPixmap(systemPath() + QStringLiteral("ui/") + arrow));
    showRaised(p.orientation);
    // The key pressed shows also where no arrow fits (the same key).
    showTypedKey(typed, rules);
}

void Stage::showTypedKey(const QString& key, const LetterRules& rules)
{
    // Keys are labelled in capitals, whatever case the words are shown in.
    LetterRules capitals = rules;
    capitals.minusCaps = false;
    int pos = 0;
    const QString path = key.isEmpty() ? QString()
                                       : systemPath() + QStringLiteral("cooper/")
                                             + LetterText::letterImageName(key, pos, true, capitals)
                                             + QStringLiteral(".png");
    const QPixmap picture(path);
    if (picture.isNull()) {
        p.typedKey->hide();
        return;
    }
    p.typedKey->setPixmap(
        picture.scaled(p.typedKey->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    showRaised(p.typedKey);
}

void Stage::hideOrientation()
{
    p.orientation->hide();
    p.typedKey->hide();
}

void Stage::showDoubleLetterHint(const QString& asked, const LetterRules& rules)
{
    if (!ExerciseRound::isDoubleLetter(asked, rules)) {
        p.doubleLetterHint->hide();
        return;
    }
    p.doubleLetterHint->setPixmap(QPixmap(systemPath() + QStringLiteral("ui/tecla-")
                                          + asked.toLower() + QStringLiteral(".png")));
    showRaised(p.doubleLetterHint);
}

void Stage::showPrompt(const QString& picture)
{
    // Where the prompt covers nothing the presentation shows: the key prompt
    // on the empty screen, the space bar at the start of the letter row, clear
    // of the logo, the title, the picture and the video.
    const bool space = picture.contains(QLatin1String("espacio"));
    p.prompt->setGeometry(space ? QRect(4, 404, 112, 56) : QRect(362, 250, 300, 200));
    const QPixmap pixmap(systemPath() + picture);
    p.prompt->setPixmap(space ? pixmap.scaled(p.prompt->size(), Qt::KeepAspectRatio,
                                              Qt::SmoothTransformation)
                              : pixmap);
    showRaised(p.prompt);
    // With the sound on, a voice says it (a prompt's voice has its name).
    playSound(systemPath() + QStringLiteral("sonidos/") + QFileInfo(picture).completeBaseName()
              + QStringLiteral(".wav"));
}

void Stage::hidePrompt()
{
    p.prompt->hide();
}

void Stage::warnNoWords()
{
    showRaised(p.noWords);
}

void Stage::warnNothingToRepeat()
{
    showRaised(p.noRepetition);
}

void Stage::hideWarnings()
{
    p.noWords->hide();
    p.noRepetition->hide();
}

void Stage::resetButtons()
{
    p.repeatButton->slotDeactivate();
    p.hideButton->slotDeactivate();
}

void Stage::clear()
{
    resetButtons();
    hideWarnings();
    hidePrompt();
    hideBottomLetter();
    hidePicture();
    stopMedia();
    hideHand();
    hideOrientation();
    p.doubleLetterHint->hide();
    hideFeedback();
    hideLetters(false);
}
