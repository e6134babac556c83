#include "windowfixture.h"
#include "widgets.h"

#include "config.h"
#include "inputdialog.h"
#include "mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {
const QString kLanguage = QStringLiteral("Español");

// Every letter picture name the program can ask for.
const QStringList kBases = {"a",  "b",  "c",  "d",  "e",  "f",  "g",  "h",  "i",  "j",
                            "k",  "l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",
                            "u",  "v",  "w",  "x",  "y",  "z",  "nt", "ct", "ch", "ll",
                            "at", "et", "it", "ot", "ut"};
} // namespace

WindowFixture::WindowFixture(Database::Engine engine)
    : home(engine)
{
    if (!home.isValid())
        return;
    // Nothing here must survive a power cut: spare the disk syncs.
    TestHome::exec(QStringLiteral("PRAGMA synchronous = OFF"));
    languageId = TestHome::addLanguage(kLanguage);
    user.name = QStringLiteral("Ana");
    if (user.save())
        userId = user.id;
    setLanguageSetting(SettingKey::UseCh, 1);
    setLanguageSetting(SettingKey::UseLl, 1);
    setLanguageSetting(QStringLiteral("use-labial"), 1);
    writeLetterPictures();
    watchMessageBoxes();
}

WindowFixture::~WindowFixture()
{
    boxWatcher.reset();
    mainWindow.reset();
}

QString WindowFixture::sysPath() const
{
    return QStringLiteral("media/system/");
}

QString WindowFixture::languagePath() const
{
    return QStringLiteral("media/languages/") + kLanguage + QLatin1Char('/');
}

void WindowFixture::picture(const QString& relativePath, int width, int height)
{
    const int n = nextColour++;
    const QRgb colour = qRgb(n % 256, n / 256, 200);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    const QString full = home.path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(full).absolutePath());
    if (image.save(full, "PNG"))
        filesByColour.insert(colour, relativePath);
}

void WindowFixture::writeLetterPictures()
{
    const QString sys = sysPath();
    for (int i = 0; i < kBases.size(); ++i) {
        const QString base = kBases.at(i);
        const QString upper = base.toUpper();
        const int width = 20 + 2 * i; // shown at half width, 10 + i
        for (const char* style : {"cooper/", "blank/", "cuadrados/"}) {
            picture(sys + QLatin1String(style) + QStringLiteral("may/") + upper + QStringLiteral(".png"), width);
            picture(sys + QLatin1String(style) + QStringLiteral("min/") + base + QStringLiteral(".png"), width);
        }
        picture(sys + QStringLiteral("inferior/may/") + upper + QStringLiteral(".png"), 60);
        picture(sys + QStringLiteral("inferior/") + base + QStringLiteral(".png"), 60);
        picture(languagePath() + QStringLiteral("Senas/may/") + upper + QStringLiteral(".png"));
        picture(languagePath() + QStringLiteral("Senas/") + base + QStringLiteral(".png"));
        picture(languagePath() + QStringLiteral("Flus/") + base + QStringLiteral(".png"));
    }
    // A double letter at the start of a word in small letters: "Ch", "Ll".
    for (const char* style : {"cooper/", "blank/", "cuadrados/"}) {
        for (const char* pair : {"ch", "ll"})
            picture(sys + QLatin1String(style) + QStringLiteral("tit/") + QLatin1String(pair)
                    + QStringLiteral(".png"));
    }
    for (const char* name : {"tecla-ch", "tecla-ll", "indicacion-tecla", "indicacion-espacio"})
        picture(sys + QStringLiteral("ui/") + QLatin1String(name) + QStringLiteral(".png"));
    picture(sys + QStringLiteral("ui/space.png"), 7, 7);
    for (const char* name : {"derecha", "izquierda", "arriba", "abajo"})
        picture(sys + QStringLiteral("ui/") + QLatin1String(name) + QStringLiteral(".png"));
    for (int n = 1; n <= 3; ++n) {
        picture(sys + QStringLiteral("feedback/good%1.png").arg(n));
        picture(sys + QStringLiteral("feedback/wrong%1.png").arg(n));
    }
    for (int story = 1; story <= 5; ++story) {
        for (int page = 1; page <= 10; ++page)
            picture(languagePath() + QStringLiteral("Cuentos/leer%1_%2.png").arg(story).arg(page));
    }
}

int WindowFixture::addLetter(const QString& name)
{
    const int id = TestHome::addLetter(name, languageId);
    letters.insert(name, id);
    return id;
}

int WindowFixture::addWord(const QString& letterName, const QString& name, bool withVideos)
{
    if (!letters.contains(letterName))
        addLetter(letterName);
    const int id = TestHome::addWord(name, letters.value(letterName));
    const QString folder = languagePath() + QStringLiteral("Letras/") + letterName
                           + QLatin1Char('/') + name + QLatin1Char('/');
    picture(folder + QStringLiteral("imagen.png"), 351, 211);
    if (withVideos) {
        home.touch(folder + QStringLiteral("sena.avi"));
        home.touch(folder + QStringLiteral("modulacion.avi"));
    }
    return id;
}

int WindowFixture::addCategory(const QString& name)
{
    return TestHome::addCategory(name, languageId);
}

void WindowFixture::setLanguageSetting(const QString& key, int value)
{
    TestHome::exec(QStringLiteral("DELETE FROM config WHERE key = '%1' AND id_user = 0").arg(key));
    TestHome::addSetting(key, value, 0, languageId);
}

void WindowFixture::setUserSetting(const QString& key, int value)
{
    TestHome::exec(QStringLiteral("DELETE FROM config WHERE key = '%1' AND id_user = %2")
                       .arg(key)
                       .arg(userId));
    TestHome::addSetting(key, value, userId, languageId);
}

void WindowFixture::watchMessageBoxes()
{
    // Closes any message box that a slot opens, and counts it.
    boxWatcher = std::make_unique<QTimer>();
    auto* timer = static_cast<QTimer*>(boxWatcher.get());
    timer->setInterval(10);
    auto count = warnings;
    auto title = warningTitle;
    QObject::connect(timer, &QTimer::timeout, timer, [count, title] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        *title = box->windowTitle();
        ++*count;
        box->done(QMessageBox::Ok);
    });
    timer->start();
}

MainWindow* WindowFixture::start()
{
    mainWindow = std::make_unique<MainWindow>();
    MainWindow* w = mainWindow.get();
    w->show();
    TestHome::exec(QStringLiteral("PRAGMA synchronous = OFF")); // the window's own connection
    w->slotHideCredits();
    if (auto* dialog = topLevel<InputDialog>())
        dialog->hide();
    w->slotChooseUser(&user);
    return w;
}

MainWindow* WindowFixture::startWithoutUser()
{
    mainWindow = std::make_unique<MainWindow>();
    MainWindow* w = mainWindow.get();
    w->show();
    w->slotHideCredits();
    QTest::keyClick(topLevel<InputDialog>(), Qt::Key_Escape);
    // The release of that Escape reaches the window.
    releaseKey(Qt::Key_Escape);
    return w;
}

void WindowFixture::startActivity(int activity)
{
    MainWindow* w = mainWindow.get();
    const int menu = activity >= 30 ? 300 : 100;
    const int subMenu = activity >= 30 ? 300 : 100 * ((activity - 20) / 2 + 1);
    const int subSubMenu = activity % 2 == 0 ? 100 : 200;
    w->menu(menu);
    w->subMenu(subMenu);
    w->subSubMenu(subSubMenu);
}

void WindowFixture::releaseKey(int key, const QString& text, Qt::KeyboardModifiers modifiers)
{
    // One release, as the window gets it (QTest would also release the modifiers).
    QKeyEvent event(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(mainWindow.get(), &event);
}

void WindowFixture::typeLetter(const QString& letter)
{
    if (letter == QLatin1String("ch"))
        releaseKey(Qt::Key_Comma, QStringLiteral(","));
    else if (letter == QLatin1String("ll"))
        releaseKey(Qt::Key_Period, QStringLiteral("."));
    else if (letter == QStringLiteral("ñ"))
        releaseKey(Qt::Key_Ntilde, letter);
    else if (letter == QStringLiteral("ç"))
        releaseKey(Qt::Key_Ccedilla, letter);
    else if (letter.at(0).isUpper()) // a capital, with Shift
        releaseKey(Qt::Key_A + (letter.at(0).toLatin1() - 'A'), letter, Qt::ShiftModifier);
    else
        QTest::keyRelease(mainWindow.get(), Qt::Key(Qt::Key_A + (letter.at(0).toLatin1() - 'a')));
}

QString WindowFixture::shownFile(const QLabel* label) const
{
    if (!label)
        return QString();
    const QPixmap pixmap = label->pixmap();
    if (pixmap.isNull())
        return QString();
    const QImage image = pixmap.toImage();
    const QRgb colour = image.pixel(image.width() / 2, image.height() / 2) | 0xff000000;
    return filesByColour.value(colour, QStringLiteral("?"));
}

QList<QLabel*> WindowFixture::rowLabels(const QWidget* window)
{
    static const QRegularExpression name(QStringLiteral("^letterLabel\\d+$"));
    return window->findChildren<QLabel*>(name);
}

QStringList WindowFixture::rowFiles() const
{
    QStringList files;
    QList<QLabel*> labels = rowLabels(mainWindow.get());
    std::sort(labels.begin(), labels.end(),
              [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    for (QLabel* label : labels) {
        if (!label->isHidden())
            files << shownFile(label).remove(sysPath());
    }
    return files;
}

QList<int> WindowFixture::rowPositions() const
{
    QList<int> positions;
    for (QLabel* label : rowLabels(mainWindow.get())) {
        if (!label->isHidden())
            positions << label->x();
    }
    std::sort(positions.begin(), positions.end());
    return positions;
}
