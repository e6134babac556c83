// The activity engine on the presentations 20, 22 and 24: steps, show
// orders, stop-motion, letter by letter, repeat, hide and the hand sequence.
#include "config.h"
#include "configwidget.h"
#include "imagewidget.h"
#include "language.h"
#include "letter.h"
#include "mainwindow.h"
#include "mediawidget.h"
#include "menuwidget.h"
#include "sequencewidget.h"
#include "sounddevice.h"
#include "tinyvideo.h"
#include "videoplayer.h"
#include "widgets.h"
#include "windowfixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
// The media on screen, in a fixed order: b(ottom letter), w(ord), i(mage),
// v(ideo), h(ands), f(lus).
QString shownMedia(const MainWindow& w)
{
    QString shown;
    if (!child<ImageWidget>(&w, "bottomLetterHolder")->isHidden())
        shown += QLatin1Char('b');
    bool word = false;
    for (QLabel* label : WindowFixture::rowLabels(&w))
        word = word || !label->isHidden();
    if (word)
        shown += QLatin1Char('w');
    if (!child<ImageWidget>(&w, "pictureHolder")->isHidden())
        shown += QLatin1Char('i');
    if (!child<VideoPlayer>(&w, "videoPlayer")->isHidden())
        shown += QLatin1Char('v');
    if (!child<SequenceWidget>(&w, "handSequence")->isHidden())
        shown += QLatin1Char('h');
    if (!child<SequenceWidget>(&w, "flusSequence")->isHidden())
        shown += QLatin1Char('f');
    return shown;
}

QString wordFolder(const WindowFixture& f, const QString& letter, const QString& word)
{
    return f.languagePath() + QStringLiteral("Letras/") + letter + QLatin1Char('/') + word
           + QLatin1Char('/');
}
} // namespace

class TestMainWindowEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldShowEverythingAtOnceWithoutStopMotion_data();
    void shouldShowEverythingAtOnceWithoutStopMotion();
    void shouldPlayWithSoundOnlyWhenTheChildHasIt_data();
    void shouldPlayWithSoundOnlyWhenTheChildHasIt();
    void shouldAskByEarAloneWhenListening_data();
    void shouldAskByEarAloneWhenListening();
    void shouldShowOneStepPerSpaceWithStopMotion_data();
    void shouldShowOneStepPerSpaceWithStopMotion();
    void shouldSpellLetterByLetter_data();
    void shouldSpellLetterByLetter();
    void shouldDrawWordsUnderCaseAndDigraphRules_data();
    void shouldDrawWordsUnderCaseAndDigraphRules();
    void shouldPlaceLettersSideBySideReusingLabels();
    void shouldRepeatSameWordOnlyAfterOne();
    void shouldHideAndShowWordWithHideButton();
    void shouldMoveHighlightWithHandFrames();
    void shouldNeverHighlightLettersNotDrawn();
    void shouldWarnForLetterWithoutWords();
    void shouldPresentBlankNameWithoutSpelling();
    void shouldReturnToFirstActivityOnRestart_data();
    void shouldReturnToFirstActivityOnRestart();
    void shouldShowWordsFromTheSchoolsSharedMediaLibrary();
};

void TestMainWindowEngine::shouldShowEverythingAtOnceWithoutStopMotion_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("video");
    QTest::newRow("20 signs") << 20 << "bwiv" << "sena.avi";
    QTest::newRow("22 lips") << 22 << "bwiv" << "modulacion.avi";
    QTest::newRow("24 hands") << 24 << "wih" << "sena.avi";
    QTest::newRow("24 hands with the small hands") << 24 << "wihf" << "sena.avi";
}

void TestMainWindowEngine::shouldShowEverythingAtOnceWithoutStopMotion()
{
    QFETCH(int, activity);
    QFETCH(QString, media);
    QFETCH(QString, video);
    WindowFixture f;
    QVERIFY(f.isValid());
    // Only the video that the activity must play exists: it plays only when
    // the right file was asked for.
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"), false);
    if (!video.isEmpty())
        QVERIFY(f.home.touch(wordFolder(f, QStringLiteral("M"), QStringLiteral("mano")) + video));
    if (media.endsWith(QLatin1Char('f')))
        f.setLanguageSetting(SettingKey::UseFlus, 1);
    MainWindow* w = f.start();
    f.startActivity(activity);
    QCOMPARE(shownMedia(*w), QString());

    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(shownMedia(*w), media);
    // The hands of 24 highlight the letter they sign, the first one at once.
    QCOMPARE(f.rowFiles(), QStringList({activity == 24 ? "cuadrados/may/M.png" : "cooper/may/M.png",
                                        "cooper/may/A.png", "cooper/may/N.png", "cooper/may/O.png"}));
    QCOMPARE(f.shownFile(child<ImageWidget>(w, "pictureHolder")->label),
             wordFolder(f, QStringLiteral("M"), QStringLiteral("mano")) + QStringLiteral("imagen.png"));
    if (activity != 24) {
        QCOMPARE(f.shownFile(child<ImageWidget>(w, "bottomLetterHolder")->label), f.sysPath() + QStringLiteral("inferior/may/M.png"));
        QVERIFY(child<VideoPlayer>(w, "videoPlayer")->isPlaying());
    } else {
        QVERIFY(!child<VideoPlayer>(w, "videoPlayer")->isPlaying());
        QCOMPARE(f.shownFile(child<SequenceWidget>(w, "handSequence")), f.languagePath() + QStringLiteral("Senas/m.png"));
        if (media.endsWith(QLatin1Char('f')))
            QCOMPARE(f.shownFile(child<SequenceWidget>(w, "flusSequence")), f.languagePath() + QStringLiteral("Flus/m.png"));
    }
    // Nothing waits for the child: no prompt.
    QVERIFY(child<QLabel>(w, "promptLabel")->isHidden());
}

void TestMainWindowEngine::shouldPlayWithSoundOnlyWhenTheChildHasIt_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<int>("device"); // 1, 0, or -1: this PC's own (tests run with none)
    QTest::addColumn<int>("volume"); // the video's; -1: no audio output
    QTest::addColumn<QString>("heard"); // the short sound asked for
    // An audio output with no real device is only safe on clips without
    // sound (the FFmpeg backend crashes on sound to no device): the clips
    // here have sound only where no output may be attached, and the short
    // sounds are empty files.
    const QString name = QStringLiteral("Letras/M/nombre.wav");
    const QString praise = QStringLiteral("sonidos/bien.wav");
    QTest::newRow("20 sound off, a device") << 20 << false << 1 << -1 << QString();
    QTest::newRow("22 sound off, a device") << 22 << false << 1 << -1 << QString();
    QTest::newRow("21 sound off, a device") << 21 << false << 1 << -1 << QString();
    QTest::newRow("20 sound on, a device") << 20 << true << 1 << 45 << name;
    QTest::newRow("22 sound on, a device") << 22 << true << 1 << 45 << name;
    QTest::newRow("21 sound on, a device") << 21 << true << 1 << 45 << praise;
    QTest::newRow("22 sound on, no device") << 22 << true << 0 << -1 << QString();
    QTest::newRow("22 sound on, this PC") << 22 << true << -1 << -1 << QString();
    QTest::newRow("21 sound on, this PC") << 21 << true << -1 << -1 << QString();
}

void TestMainWindowEngine::shouldPlayWithSoundOnlyWhenTheChildHasIt()
{
    QFETCH(int, activity);
    QFETCH(bool, sound);
    QFETCH(int, device);
    QFETCH(int, volume);
    QFETCH(QString, heard);
    WindowFixture f;
    QVERIFY(f.isValid());
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"), false);
    const QString folder = f.home.path() + QLatin1Char('/') + wordFolder(f, QStringLiteral("M"), QStringLiteral("mano"));
    // Clips with sound only where no audio output can be attached.
    const int rate = device == 1 ? 0 : 22050;
    QVERIFY(writeTinyVideo(folder + QStringLiteral("sena.avi"), 6, 10, QColor(40, 120, 200), rate));
    QVERIFY(writeTinyVideo(folder + QStringLiteral("modulacion.avi"), 6, 10, QColor(40, 120, 200), rate));
    QVERIFY(f.home.touch(f.languagePath() + QStringLiteral("Letras/M/nombre.wav")));
    QVERIFY(f.home.touch(f.sysPath() + QStringLiteral("sonidos/bien.wav")));
    QVERIFY(f.home.touch(f.sysPath() + QStringLiteral("sonidos/indicacion-tecla.wav")));
    f.setUserSetting(SettingKey::Sound, sound ? 1 : 0);
    f.setLanguageSetting(SettingKey::Volume, 45);
    if (device >= 0)
        SoundDevice::setCheck([device] { return device == 1; });
    MainWindow* w = f.start();
    f.startActivity(activity);
    // A presentation asks for a key with a picture, and a voice with sound.
    if (activity != 21) {
        const QString prompt = child<VideoPlayer>(w, "soundPlayer")->source();
        QCOMPARE(prompt.endsWith(QStringLiteral("sonidos/indicacion-tecla.wav")), !heard.isEmpty());
    }
    f.typeLetter(QStringLiteral("m"));
    auto* video = child<VideoPlayer>(w, "videoPlayer");
    QVERIFY(video->isPlaying());
    SoundDevice::setCheck({});
    QCOMPARE(video->hasAudioOutput() ? video->volume() : -1, volume);
    const QString asked = child<VideoPlayer>(w, "soundPlayer")->source();
    if (heard.isEmpty())
        QCOMPARE(asked, QString());
    else
        QVERIFY2(asked.endsWith(heard), qPrintable(asked));
    // Heard or muted, the clip plays to its end and the window goes on.
    QTRY_VERIFY_WITH_TIMEOUT(!video->isPlaying(), 4000);
    QVERIFY(video->reachedEnd());
    QVERIFY(w->isVisible());
}

void TestMainWindowEngine::shouldAskByEarAloneWhenListening_data()
{
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("device");
    QTest::addColumn<bool>("byEar");
    QTest::newRow("sound and a sound output") << true << true << true;
    QTest::newRow("no sound output") << true << false << false;
    QTest::newRow("sound off") << false << true << false;
}

void TestMainWindowEngine::shouldAskByEarAloneWhenListening()
{
    QFETCH(bool, sound);
    QFETCH(bool, device);
    QFETCH(bool, byEar);
    WindowFixture f;
    QVERIFY(f.isValid());
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    const QString folder = wordFolder(f, QStringLiteral("M"), QStringLiteral("mano"));
    f.setUserSetting(SettingKey::Sound, sound ? 1 : 0);
    f.setUserSetting(SettingKey::ListenOnly, 1);
    // The videos are empty files: safe for an audio output.
    SoundDevice::setCheck([device] { return device; });
    MainWindow* w = f.start();
    f.startActivity(21);
    auto* video = child<VideoPlayer>(w, "videoPlayer");
    auto* picture = child<ImageWidget>(w, "pictureHolder");
    // By ear: the word's spoken clip plays unseen, and nothing shows.
    QCOMPARE(picture->isHidden(), byEar);
    QCOMPARE(shownMedia(*w).contains(QLatin1Char('w')), !byEar);
    QCOMPARE(video->source().endsWith(folder + QStringLiteral("modulacion.avi")), byEar);
    QVERIFY(video->isHidden());
    // The repeat button says it again.
    if (byEar) {
        video->stop();
        child<MenuWidget>(w, "repeatButton")->menuClicked();
        QVERIFY(video->source().endsWith(folder + QStringLiteral("modulacion.avi")));
        QVERIFY(picture->isHidden());
    }
    // The answer shows everything.
    f.typeLetter(QStringLiteral("m"));
    SoundDevice::setCheck({});
    QVERIFY(!picture->isHidden());
    QVERIFY(video->source().endsWith(folder + QStringLiteral("sena.avi")));
    QVERIFY(!video->isHidden());
}

void TestMainWindowEngine::shouldShowOneStepPerSpaceWithStopMotion_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<int>("showOrder");
    QTest::addColumn<QStringList>("steps"); // after the letter key, then after each space
    QTest::newRow("20 wiv") << 20 << 0 << QStringList{"b", "bw", "bwi", "bwiv", "bwiv"};
    QTest::newRow("20 iwv") << 20 << 2 << QStringList{"b", "bi", "bwi", "bwiv", "bwiv"};
    QTest::newRow("22 vwi") << 22 << 4 << QStringList{"b", "bv", "bwv", "bwiv", "bwiv"};
    QTest::newRow("24 ivw") << 24 << 3 << QStringList{"i", "ih", "wih", "wih"};
    QTest::newRow("24 viw") << 24 << 7 << QStringList{"h", "ih", "wih", "wih"};
}

void TestMainWindowEngine::shouldShowOneStepPerSpaceWithStopMotion()
{
    QFETCH(int, activity);
    QFETCH(int, showOrder);
    QFETCH(QStringList, steps);
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    f.setUserSetting(SettingKey::StopMotion, 1);
    f.setUserSetting(SettingKey::ShowOrder, showOrder);
    MainWindow* w = f.start();
    child<SequenceWidget>(w, "handSequence")->frameInterval = 1;
    f.startActivity(activity);

    // Before the first key, a picture asks for a key; then for the space bar.
    QCOMPARE(f.shownFile(child<QLabel>(w, "promptLabel")), f.sysPath() + "ui/indicacion-tecla.png");
    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(shownMedia(*w), steps.first());
    for (int i = 1; i < steps.size(); ++i) {
        const bool more = steps.at(i) != steps.at(i - 1);
        QCOMPARE(!child<QLabel>(w, "promptLabel")->isHidden(), more);
        if (more) {
            QCOMPARE(f.shownFile(child<QLabel>(w, "promptLabel")), f.sysPath() + "ui/indicacion-espacio.png");
            // It hides nothing on show, nor the logo the background has at the top left.
            const QRect prompt = child<QLabel>(w, "promptLabel")->geometry();
            QVERIFY(!prompt.intersects(QRect(125, 20, 220, 65)));
            for (QWidget* shown : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                const QString name = shown->objectName();
                if (shown->isVisible() && name != QLatin1String("promptLabel") && name != QLatin1String("backgroundLabel"))
                    QVERIFY2(!prompt.intersects(shown->geometry()), qPrintable(name));
            }
        }
        QTRY_VERIFY(child<SequenceWidget>(w, "handSequence")->isStopped()); // keys wait for the hands anyway
        f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
        QCOMPARE(shownMedia(*w), steps.at(i));
    }
    QVERIFY(child<QLabel>(w, "promptLabel")->isHidden());
}

void TestMainWindowEngine::shouldSpellLetterByLetter_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<int>("showOrder");
    QTest::addColumn<int>("stopMotion");
    QTest::addColumn<QStringList>("steps");
    // iwv without stop-motion: letter and picture at once, then one letter per
    // space; one more space ends the word and shows the video.
    QTest::newRow("20 iwv, no stop-motion")
        << 20 << 2 << 0 << QStringList{"bi:C", "bi:CO", "bi:COCH", "bi:COCHE", "biv:COCHE"};
    // With stop-motion the last letter runs on to the next step by itself.
    QTest::newRow("20 wiv, stop-motion")
        << 20 << 0 << 1
        << QStringList{"b:", "b:C", "b:CO", "b:COCH", "b:COCHE", "bi:COCHE", "biv:COCHE"};
    QTest::newRow("24 wiv, no stop-motion")
        << 24 << 0 << 0 << QStringList{":C", ":CO", ":COCH", ":COCHE", "ih:COCHE"};
}

void TestMainWindowEngine::shouldSpellLetterByLetter()
{
    QFETCH(int, activity);
    QFETCH(int, showOrder);
    QFETCH(int, stopMotion);
    QFETCH(QStringList, steps);
    WindowFixture f;
    f.addWord(QStringLiteral("C"), QStringLiteral("coche"));
    f.setUserSetting(SettingKey::StopMotion, stopMotion);
    f.setUserSetting(SettingKey::ShowOrder, showOrder);
    MainWindow* w = f.start();
    child<SequenceWidget>(w, "handSequence")->frameInterval = 1;
    f.startActivity(activity);
    QTest::mouseClick(child<MenuWidget>(w, "letterByLetterButton"), Qt::LeftButton);
    QVERIFY(child<MenuWidget>(w, "letterByLetterButton")->active);

    const auto state = [&]() -> QString {
        QString letters;
        for (const QString& file : f.rowFiles())
            letters += file.section(QLatin1Char('/'), -1).remove(QStringLiteral(".png"));
        return shownMedia(*w).remove(QLatin1Char('w')) + QLatin1Char(':') + letters;
    };
    f.typeLetter(QStringLiteral("c"));
    QCOMPARE(state(), steps.first());
    for (int i = 1; i < steps.size(); ++i) {
        f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
        QCOMPARE(state(), steps.at(i));
    }
    QVERIFY(child<QLabel>(w, "promptLabel")->isHidden());
}

void TestMainWindowEngine::shouldDrawWordsUnderCaseAndDigraphRules_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("useCh");
    QTest::addColumn<int>("minus");
    QTest::addColumn<int>("firstCaps");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("llama, first capital: Ll")
        << "LL" << "llama" << 1 << 1 << 1
        << QStringList{"cooper/tit/ll.png", "cooper/min/a.png", "cooper/min/m.png", "cooper/min/a.png"};
    QTest::newRow("ñandú, first capital: Ñ whole")
        << "Ñ" << "ñandú" << 1 << 1 << 1
        << QStringList{"cooper/may/NT.png", "cooper/min/a.png", "cooper/min/n.png", "cooper/min/d.png",
                       "cooper/min/ut.png"};
    QTest::newRow("árbol, first capital: Á whole")
        << "A" << "árbol" << 1 << 1 << 1
        << QStringList{"cooper/may/AT.png", "cooper/min/r.png", "cooper/min/b.png", "cooper/min/o.png",
                       "cooper/min/l.png"};
    QTest::newRow("noche without ch")
        << "N" << "noche" << 0 << 0 << 0
        << QStringList{"cooper/may/N.png", "cooper/may/O.png", "cooper/may/C.png", "cooper/may/H.png",
                       "cooper/may/E.png"};
    QTest::newRow("la casa has a space")
        << "L" << "la casa" << 1 << 1 << 0
        << QStringList{"cooper/min/l.png", "cooper/min/a.png", "ui/space.png", "cooper/min/c.png",
                       "cooper/min/a.png", "cooper/min/s.png", "cooper/min/a.png"};
}

void TestMainWindowEngine::shouldDrawWordsUnderCaseAndDigraphRules()
{
    QFETCH(QString, letter);
    QFETCH(QString, word);
    QFETCH(int, useCh);
    QFETCH(int, minus);
    QFETCH(int, firstCaps);
    QFETCH(QStringList, row);
    WindowFixture f;
    f.addWord(letter, word);
    f.setLanguageSetting(SettingKey::UseCh, useCh);
    f.setUserSetting(SettingKey::UseMinusCaps, minus);
    f.setUserSetting(SettingKey::FirstCaps, firstCaps);
    MainWindow* w = f.start();
    f.startActivity(20);
    f.typeLetter(letter.toLower());
    QCOMPARE(f.rowFiles(), row);
    // The bottom letter has no case folder with small letters.
    const QString base = letter.size() == 1 ? LetterText::baseName(letter.at(0)) : letter.toLower();
    QCOMPARE(f.shownFile(child<ImageWidget>(w, "bottomLetterHolder")->label),
             f.sysPath() + QStringLiteral("inferior/")
                 + (minus ? base : QStringLiteral("may/") + base.toUpper())
                 + QStringLiteral(".png"));
}

void TestMainWindowEngine::shouldPlaceLettersSideBySideReusingLabels()
{
    WindowFixture f;
    f.addWord(QStringLiteral("B"), QStringLiteral("bicicleta"));
    f.addWord(QStringLiteral("L"), QStringLiteral("la c"));
    f.start();
    f.startActivity(20);
    f.typeLetter(QStringLiteral("b"));
    QCOMPARE(f.rowFiles().size(), 9);
    // The shorter word leaves nothing of the longer one; its letters and
    // the space stand side by side, none over another.
    f.typeLetter(QStringLiteral("l"));
    QCOMPARE(f.rowFiles(), QStringList({"cooper/may/L.png", "cooper/may/A.png", "ui/space.png", "cooper/may/C.png"}));
    const QList<int> x = f.rowPositions();
    for (int i = 1; i < x.size(); ++i)
        QVERIFY(x.at(i) > x.at(i - 1));
}

void TestMainWindowEngine::shouldRepeatSameWordOnlyAfterOne()
{
    WindowFixture f;
    for (const char* word : {"mano", "mesa", "mono", "mar", "miel"})
        f.addWord(QStringLiteral("M"), QString::fromLatin1(word));
    MainWindow* w = f.start();
    f.startActivity(20);
    QTest::mouseClick(child<MenuWidget>(w, "repeatButton"), Qt::LeftButton);
    QVERIFY(!child<QLabel>(w, "noRepetitionWarning")->isHidden());
    QCOMPARE(shownMedia(*w), QString());

    f.typeLetter(QStringLiteral("m"));
    QVERIFY(child<QLabel>(w, "noRepetitionWarning")->isHidden());
    const QStringList first = f.rowFiles();
    const QString picture = f.shownFile(child<ImageWidget>(w, "pictureHolder")->label);
    for (int i = 0; i < 8; ++i) {
        QTest::mouseClick(child<MenuWidget>(w, "repeatButton"), Qt::LeftButton);
        QCOMPARE(f.rowFiles(), first);
        QCOMPARE(f.shownFile(child<ImageWidget>(w, "pictureHolder")->label), picture);
        QCOMPARE(shownMedia(*w), QStringLiteral("bwiv"));
    }
}

void TestMainWindowEngine::shouldHideAndShowWordWithHideButton()
{
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    f.setUserSetting(SettingKey::StopMotion, 1);
    MainWindow* w = f.start();
    f.startActivity(20);
    f.typeLetter(QStringLiteral("m"));
    f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
    QCOMPARE(shownMedia(*w), QStringLiteral("bw"));

    QTest::mouseClick(child<MenuWidget>(w, "hideButton"), Qt::LeftButton);
    QCOMPARE(shownMedia(*w), QStringLiteral("b"));
    // While the word is hidden the space key does nothing.
    f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
    QCOMPARE(shownMedia(*w), QStringLiteral("b"));

    QTest::mouseClick(child<MenuWidget>(w, "hideButton"), Qt::LeftButton);
    QCOMPARE(shownMedia(*w), QStringLiteral("bw"));
    f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
    QCOMPARE(shownMedia(*w), QStringLiteral("bwi"));

    // A new letter unlatches the button.
    QTest::mouseClick(child<MenuWidget>(w, "hideButton"), Qt::LeftButton);
    f.typeLetter(QStringLiteral("m"));
    QVERIFY(!child<MenuWidget>(w, "hideButton")->active);
    f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
    QCOMPARE(shownMedia(*w), QStringLiteral("bw"));

    // Exercises never hide the word.
    f.startActivity(21);
    QCOMPARE(f.rowFiles().size(), 4);
    child<MenuWidget>(w, "hideButton")->show();
    QTest::mouseClick(child<MenuWidget>(w, "hideButton"), Qt::LeftButton);
    QCOMPARE(f.rowFiles().size(), 4);
}

void TestMainWindowEngine::shouldMoveHighlightWithHandFrames()
{
    WindowFixture f;
    f.addWord(QStringLiteral("C"), QStringLiteral("coche"));
    MainWindow* w = f.start();
    child<SequenceWidget>(w, "handSequence")->frameInterval = 20;
    f.startActivity(24);
    QSignalSpy finished(child<SequenceWidget>(w, "handSequence"), &SequenceWidget::signalFinished);
    // The highlighted letter at each hand frame (the window moves it first).
    QStringList highlighted;
    connect(child<SequenceWidget>(w, "handSequence"), &SequenceWidget::signalClock, this, [&] {
        const QStringList row = f.rowFiles();
        for (int i = 0; i < row.size(); ++i) {
            if (row.at(i).startsWith(QLatin1String("cuadrados/")))
                highlighted << QString::number(i) + QLatin1Char(':') + row.at(i).section(QLatin1Char('/'), -1);
        }
    });
    QElapsedTimer elapsed;
    elapsed.start();
    f.typeLetter(QStringLiteral("c"));
    // The written word comes first (wiv): the first hand frame highlights C.
    QCOMPARE(highlighted, QStringList({"0:C.png"}));
    QCOMPARE(f.shownFile(child<SequenceWidget>(w, "handSequence")), f.languagePath() + QStringLiteral("Senas/c.png"));
    // Letter keys wait for the hands.
    f.typeLetter(QStringLiteral("c"));
    QCOMPARE(highlighted.size(), 1);

    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
    QVERIFY(elapsed.elapsed() >= 3 * 20);
    QCOMPARE(highlighted, QStringList({"0:C.png", "1:O.png", "2:CH.png", "3:E.png"}));
    QCOMPARE(f.shownFile(child<SequenceWidget>(w, "handSequence")), f.languagePath() + QStringLiteral("Senas/e.png"));
    // The last letter stays highlighted.
    QCOMPARE(f.rowFiles(), QStringList({"cooper/may/C.png", "cooper/may/O.png", "cooper/may/CH.png",
                                        "cuadrados/may/E.png"}));

    // A replay by a click starts over and puts the last letter back.
    QTest::mouseClick(child<SequenceWidget>(w, "handSequence"), Qt::LeftButton);
    QCOMPARE(f.rowFiles(), QStringList({"cuadrados/may/C.png", "cooper/may/O.png", "cooper/may/CH.png",
                                        "cooper/may/E.png"}));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 2000);
}

void TestMainWindowEngine::shouldNeverHighlightLettersNotDrawn()
{
    WindowFixture f;
    f.addWord(QStringLiteral("B"), QStringLiteral("bicicleta"));
    f.addWord(QStringLiteral("S"), QStringLiteral("sol"));
    f.setUserSetting(SettingKey::ShowOrder, 5); // viw: the hands before the word
    MainWindow* w = f.start();
    child<SequenceWidget>(w, "handSequence")->frameInterval = 5;
    f.startActivity(20);
    f.typeLetter(QStringLiteral("b")); // leaves nine labels behind
    QCOMPARE(f.rowFiles().size(), 9);
    f.setUserSetting(SettingKey::StopMotion, 1);
    f.startActivity(24);
    QSignalSpy finished(child<SequenceWidget>(w, "handSequence"), &SequenceWidget::signalFinished);
    f.typeLetter(QStringLiteral("s"));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
    // No label came up: the word has not been drawn yet.
    QCOMPARE(f.rowFiles(), QStringList());
    f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
    f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
    QCOMPARE(f.rowFiles(), QStringList({"cooper/may/S.png", "cooper/may/O.png", "cooper/may/L.png"}));
}

void TestMainWindowEngine::shouldWarnForLetterWithoutWords()
{
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    f.addLetter(QStringLiteral("X"));
    MainWindow* w = f.start();
    f.startActivity(20);
    f.typeLetter(QStringLiteral("x"));
    QVERIFY(!child<QLabel>(w, "noWordsWarning")->isHidden());
    QCOMPARE(shownMedia(*w), QString());
    // A letter that the language does not have is refused the same way.
    f.typeLetter(QStringLiteral("m"));
    QVERIFY(child<QLabel>(w, "noWordsWarning")->isHidden());
    f.typeLetter(QStringLiteral("k"));
    QVERIFY(!child<QLabel>(w, "noWordsWarning")->isHidden());
    QCOMPARE(shownMedia(*w), QString());
}

void TestMainWindowEngine::shouldPresentBlankNameWithoutSpelling()
{
    WindowFixture f;
    f.addWord(QStringLiteral("B"), QStringLiteral("  "));
    MainWindow* w = f.start();
    f.startActivity(20);
    QTest::mouseClick(child<MenuWidget>(w, "letterByLetterButton"), Qt::LeftButton);
    f.typeLetter(QStringLiteral("b"));
    QVERIFY(child<QLabel>(w, "promptLabel")->isHidden());
    QCOMPARE(f.rowFiles(), QStringList({"ui/space.png", "ui/space.png"}));
    QCOMPARE(shownMedia(*w), QStringLiteral("bwiv"));
    f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
    QCOMPARE(shownMedia(*w), QStringLiteral("bwiv"));
}

void TestMainWindowEngine::shouldReturnToFirstActivityOnRestart_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("restart") << "restart";
    QTest::newRow("the settings dialog accepted") << "settings";
    QTest::newRow("an older settings dialog accepted") << "older";
}

void TestMainWindowEngine::shouldReturnToFirstActivityOnRestart()
{
    QFETCH(QString, how);
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    MainWindow* w = f.start();
    QList<QPointer<ConfigWidget>> dialogs;
    for (int open = how == QLatin1String("older") ? 2 : how == QLatin1String("settings") ? 1 : 0; open > 0; --open) {
        w->slotConfig();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<ConfigWidget*>(widget); dialog && !dialogs.contains(dialog))
                dialogs << dialog;
        }
    }
    f.startActivity(24);
    f.typeLetter(QStringLiteral("m"));
    QVERIFY(shownMedia(*w).contains(QLatin1Char('h')));
    if (dialogs.isEmpty())
        w->slotRestart();
    else
        dialogs.first()->slotCloseIt();
    QCOMPARE(shownMedia(*w), QString());
    // Back in the first presentation: a letter key presents its word.
    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(shownMedia(*w), QStringLiteral("bwiv"));
    for (const QPointer<ConfigWidget>& dialog : dialogs) {
        if (dialog)
            dialog->close();
    }
}

QTEST_MAIN(TestMainWindowEngine)
void TestMainWindowEngine::shouldShowWordsFromTheSchoolsSharedMediaLibrary()
{
    if (!TestHome::canUse(Database::Engine::PostgreSQL))
        return;
    WindowFixture f(Database::Engine::PostgreSQL);
    QVERIFY(f.isValid());
    f.addLetter(QStringLiteral("M"));
    const QString sources = f.home.path() + QStringLiteral("/elegidos/");
    f.picture(QStringLiteral("elegidos/mano.png"));
    QVERIFY(writeTinyVideo(sources + QStringLiteral("sena.avi")));
    QVERIFY(writeTinyVideo(sources + QStringLiteral("labios.avi")));
    // The school's library lives elsewhere, mounted on every PC; the home
    // keeps no media of its own.
    QTemporaryDir school;
    const QString shared = school.path() + QStringLiteral("/media");
    QVERIFY(QDir().rename(f.home.path() + QStringLiteral("/media"), shared));
    QVERIFY(QDir().mkpath(shared + QStringLiteral("/languages/Español/Letras")));
    const QString file = f.home.path() + QStringLiteral("/data/server.conf");
    QVERIFY(writeFile(file, QStringLiteral("database=%1\nmedia=%2\n").arg(f.home.serverUri(), shared).toUtf8()));
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
    MainWindow* w = f.start();
    QCOMPARE(f.warningsAnswered(), 0);

    // The adult adds a word: its files land in the shared library.
    Language language;
    QVERIFY(language.loadById(f.languageId));
    Letter letter;
    QVERIFY(letter.loadByName(QStringLiteral("M"), &language));
    auto* editor = new MediaWidget(0, &language, &letter, nullptr);
    editor->show();
    child<QLineEdit>(editor, "nameField")->setText(QStringLiteral("mano"));
    child<QLineEdit>(editor, "fullNameField")->setText(QStringLiteral("mano"));
    child<QLineEdit>(editor, "imageField")->setText(sources + QStringLiteral("mano.png"));
    child<QLineEdit>(editor, "signField")->setText(sources + QStringLiteral("sena.avi"));
    child<QLineEdit>(editor, "lipsField")->setText(sources + QStringLiteral("labios.avi"));
    child<QPushButton>(editor, "acceptButton")->click();
    QCOMPARE(f.lastWarningTitle(), QStringLiteral("Palabra creada."));
    const QString folder = shared + QStringLiteral("/languages/Español/Letras/M/mano/");
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name),
             (QStringList{QStringLiteral("labios.avi"), QStringLiteral("mano.png"), QStringLiteral("sena.avi")}));
    QVERIFY(!QFileInfo::exists(f.home.path() + QStringLiteral("/media")));

    // The window shows it from there, with the letters of the library.
    f.startActivity(20);
    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(shownMedia(*w), QStringLiteral("bwiv"));
    QCOMPARE(f.shownFile(child<ImageWidget>(w, "pictureHolder")->label), QStringLiteral("elegidos/mano.png"));
    QVERIFY(!f.rowFiles().isEmpty());
}

#include "tst_mainwindow_engine.moc"
