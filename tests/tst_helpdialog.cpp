#include "helpdialog.h"
#include "messageboxanswerer.h"
#include "testhome.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// Stands in for the desktop's PDF viewer.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

class TestHelpDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void shouldFindManual_data();
    void shouldFindManual();
    void shouldOpenManualOrSayItIsMissing_data();
    void shouldOpenManualOrSayItIsMissing();

private:
    TestHome* home = nullptr;
    QTemporaryDir workDir;
    QString previousDir;
    UrlCatcher catcher;
};

void TestHelpDialog::init()
{
    home = new TestHome;
    QVERIFY(home->isValid());
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
    QFile::remove(workDir.filePath(QStringLiteral("manual-ol.pdf")));
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    catcher.opened.clear();
}

void TestHelpDialog::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDir::setCurrent(previousDir);
    delete home;
}

void TestHelpDialog::shouldFindManual_data()
{
    QTest::addColumn<bool>("inWorkDir");
    QTest::addColumn<bool>("inAppDir");
    QTest::addColumn<QString>("found"); // "work", "app" or ""
    QTest::newRow("working folder") << true << false << "work";
    QTest::newRow("beside the program") << false << true << "app";
    QTest::newRow("working folder first") << true << true << "work";
    QTest::newRow("nowhere") << false << false << "";
}

void TestHelpDialog::shouldFindManual()
{
    QFETCH(bool, inWorkDir);
    QFETCH(bool, inAppDir);
    QFETCH(QString, found);
    const QString workManual = QDir(workDir.path()).absoluteFilePath(QStringLiteral("manual-ol.pdf"));
    const QString appManual = QDir(home->path()).absoluteFilePath(QStringLiteral("manual-ol.pdf"));
    if (inWorkDir)
        QVERIFY(QFile(workManual).open(QIODevice::WriteOnly));
    if (inAppDir)
        QVERIFY(home->touch(QStringLiteral("manual-ol.pdf")));
    const QString expected = found == QLatin1String("work") ? workManual
        : found == QLatin1String("app")                     ? appManual
                                                            : QString();
    QCOMPARE(QFileInfo(HelpDialog::manualPath()).canonicalFilePath(), QFileInfo(expected).canonicalFilePath());
    QCOMPARE(HelpDialog::manualPath().isEmpty(), expected.isEmpty());
}

void TestHelpDialog::shouldOpenManualOrSayItIsMissing_data()
{
    QTest::addColumn<bool>("present");
    QTest::newRow("manual present") << true;
    QTest::newRow("manual missing") << false;
}

void TestHelpDialog::shouldOpenManualOrSayItIsMissing()
{
    QFETCH(bool, present);
    if (present)
        QVERIFY(home->touch(QStringLiteral("manual-ol.pdf")));
    HelpDialog dialog;
    dialog.show();
    MessageBoxAnswerer answerer;
    dialog.slotOpenHelp();
    QVERIFY(dialog.isVisible());
    QCOMPARE(answerer.boxes.size(), present ? 0 : 1);
    if (present) {
        QCOMPARE(catcher.opened.size(), 1);
        QVERIFY(catcher.opened.first().isLocalFile());
        QCOMPARE(catcher.opened.first().fileName(), QStringLiteral("manual-ol.pdf"));
    } else {
        QVERIFY(answerer.boxes[0].text.contains(QStringLiteral("manual-ol.pdf")));
        QVERIFY(catcher.opened.isEmpty());
    }
}

QTEST_MAIN(TestHelpDialog)
#include "tst_helpdialog.moc"
