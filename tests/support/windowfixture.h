#pragma once

#include "testhome.h"
#include "user.h"

#include <QHash>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <memory>

class MainWindow;
class QLabel;
class QWidget;

// A program home with a small Spanish content set, a picture for every
// letter style and word, one user, and the main window on it, past the
// start-up videos with that user chosen.
//
// Every picture is a plain colour of its own, so a test can tell which file
// a label shows (also after the letter row scales it): shownFile().
class WindowFixture
{
public:
    // engine: of the test database (a PostgreSQL one for a school server).
    explicit WindowFixture(Database::Engine engine = TestHome::engine());
    ~WindowFixture();

    bool isValid() const { return home.isValid() && languageId > 0; }

    // Content. Words get a picture and a sign and lip video unless told not.
    int letter(const QString& name) const { return letters.value(name); }
    int addLetter(const QString& name);
    int addWord(const QString& letterName, const QString& name, bool withVideos = true);
    int addCategory(const QString& name);
    void setLanguageSetting(const QString& key, int value);
    void setUserSetting(const QString& key, int value);
    // Writes a picture under the home (path relative to it).
    void picture(const QString& relativePath, int width = 40, int height = 60);

    // The window: built on the content as it is when called.
    MainWindow* start();
    // The same, but the user dialog dismissed with Escape: no user chosen.
    MainWindow* startWithoutUser();
    MainWindow* window() const { return mainWindow.get(); }
    void startActivity(int activity);
    void releaseKey(int key, const QString& text = QString(),
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void typeLetter(const QString& letter); // "m", "ch" (comma), "ll" (period)

    // What the screen shows, as home-relative file names.
    QString shownFile(const QLabel* label) const;
    QStringList rowFiles() const;     // visible letter labels, left to right
    QList<int> rowPositions() const;  // their x
    static QList<QLabel*> rowLabels(const QWidget* window); // the letter row's labels
    QString sysPath() const;          // media/system/
    QString languagePath() const;     // media/languages/Español/

    // Message boxes that came up and were closed.
    int warningsAnswered() const { return *warnings; }
    QString lastWarningTitle() const { return *warningTitle; }

    TestHome home;
    int languageId = 0;
    int userId = 0;
    User user;
    QHash<QString, int> letters;

private:
    void writeLetterPictures();
    void watchMessageBoxes();

    std::unique_ptr<MainWindow> mainWindow;
    QHash<QRgb, QString> filesByColour;
    int nextColour = 1;
    std::shared_ptr<int> warnings = std::make_shared<int>(0);
    std::shared_ptr<QString> warningTitle = std::make_shared<QString>();
    std::unique_ptr<QObject> boxWatcher;
};
