// The generated program home holds every drawn medium the program can ask
// for: hand pictures, story pages, start-up videos, each word's videos and
// the manual.
#include "signpictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {
const QString kHome = QStringLiteral(OL_HOME_DIR);
const QString kLanguage = kHome + QStringLiteral("/media/languages/Español/");

bool isAvi(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    return head.startsWith("RIFF") && head.mid(8, 4) == "AVI " && file.size() > 1000;
}
} // namespace

class TestContentMedia : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void shouldNameFramesLikeTheSequencePlayer_data();
    void shouldNameFramesLikeTheSequencePlayer();
    void shouldShipAHandForEveryFrameOfEveryWord();
    void shouldShipEverySingleHandPicture();
    void shouldShipEveryStoryPage();
    void shouldShipBothStartUpVideos();
    void shouldShipBothVideosOfEveryWord();
    void shouldShipTheManualBesideTheProgram();

private:
    struct WordRow
    {
        QString letter, fullName, name;
    };
    QList<WordRow> words;
};

void TestContentMedia::initTestCase()
{
    QVERIFY2(QFile::exists(kHome + QStringLiteral("/data/bd")), "build the ondalira-content target first");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pack"));
        db.setDatabaseName(kHome + QStringLiteral("/data/bd"));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("SELECT letter.name, word.fullName, word.name FROM word "
                                          "JOIN letter ON letter.id = word.id_letter")));
        while (query.next())
            words << WordRow{query.value(0).toString(), query.value(1).toString(), query.value(2).toString()};
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pack"));
    QVERIFY(words.size() > 50);
}

void TestContentMedia::cleanupTestCase()
{
}

void TestContentMedia::shouldNameFramesLikeTheSequencePlayer_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("digraphs");
    QTest::addColumn<QStringList>("frames");
    QTest::newRow("coche with ch") << "coche" << true << QStringList{"c", "o", "ch", "e"};
    QTest::newRow("coche without ch") << "coche" << false << QStringList{"c", "o", "c", "h", "e"};
    QTest::newRow("año") << "año" << true << QStringList{"a", "nt", "o"};
    QTest::newRow("árbol drops the accent") << "árbol" << true << QStringList{"a", "r", "b", "o", "l"};
    QTest::newRow("LLAVE in capitals") << "LLAVE" << true << QStringList{"ll", "a", "v", "e"};
    QTest::newRow("ç") << "ça" << true << QStringList{"ct", "a"};
    QTest::newRow("ü keeps its mark") << "pingüino" << true
                                       << QStringList{"p", "i", "n", "g", "ü", "i", "n", "o"};
    QTest::newRow("blank between words") << "la luna" << true
                                         << QStringList{"l", "a", " ", "l", "u", "n", "a"};
}

void TestContentMedia::shouldNameFramesLikeTheSequencePlayer()
{
    QFETCH(QString, word);
    QFETCH(bool, digraphs);
    QFETCH(QStringList, frames);
    QCOMPARE(signFrameNames(word, digraphs, digraphs), frames);
}

void TestContentMedia::shouldShipAHandForEveryFrameOfEveryWord()
{
    QStringList frames;
    for (char c = 'a'; c <= 'z'; ++c)
        frames << QString(QLatin1Char(c));
    frames << QStringLiteral("nt") << QStringLiteral("ct") << QStringLiteral("ch") << QStringLiteral("ll");
    for (const WordRow& word : std::as_const(words))
        frames << signFrameNames(word.name, true, true) << signFrameNames(word.name, false, false);
    frames.removeDuplicates();
    for (const QString& frame : std::as_const(frames)) {
        for (const QString& folder : {QStringLiteral("Senas/"), QStringLiteral("Flus/")}) {
            const QString path = kLanguage + folder + frame + QStringLiteral(".png");
            QVERIFY2(QFile::exists(path), qPrintable(path));
        }
    }
    const QImage sign(kLanguage + QStringLiteral("Senas/ch.png"));
    QCOMPARE(sign.size(), QSize(282, 297));
    const QImage small(kLanguage + QStringLiteral("Flus/ch.png"));
    QCOMPARE(small.size(), QSize(100, 140));
}

void TestContentMedia::shouldShipEverySingleHandPicture()
{
    const QStringList bases = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n",
                               "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", "nt", "ct",
                               "ch", "ll", "at", "et", "it", "ot", "ut", "aa", "ea", "ia", "oa", "ua",
                               "ud", "id"};
    for (const QString& base : bases) {
        for (const QString& name : QStringList{QStringLiteral("may/") + base.toUpper(), base}) {
            const QImage picture(kLanguage + QStringLiteral("Senas/") + name + QStringLiteral(".png"));
            QVERIFY2(picture.size() == QSize(282, 297), qPrintable(name));
        }
    }
}

void TestContentMedia::shouldShipEveryStoryPage()
{
    const int pages[] = {8, 8, 8, 9, 10};
    for (int story = 1; story <= 5; ++story) {
        for (int page = 1; page <= pages[story - 1]; ++page) {
            const QString path = kLanguage + QStringLiteral("Cuentos/leer%1_%2.png").arg(story).arg(page);
            QVERIFY2(QImage(path).size() == QSize(705, 350), qPrintable(path));
        }
        // No page beyond the count the reader turns to.
        QVERIFY(!QFile::exists(kLanguage + QStringLiteral("Cuentos/leer%1_%2.png").arg(story).arg(pages[story - 1] + 1)));
    }
}

void TestContentMedia::shouldShipBothStartUpVideos()
{
    for (const QString& name : {QStringLiteral("splash-institucional.avi"), QStringLiteral("splash-programa.avi")})
        QVERIFY2(isAvi(kHome + QStringLiteral("/media/system/ui/") + name), qPrintable(name));
}

void TestContentMedia::shouldShipBothVideosOfEveryWord()
{
    for (const WordRow& word : std::as_const(words)) {
        const QString folder = kLanguage + QStringLiteral("Letras/") + word.letter + QLatin1Char('/')
            + word.fullName + QLatin1Char('/');
        QVERIFY2(isAvi(folder + QStringLiteral("sena.avi")), qPrintable(folder));
        QVERIFY2(isAvi(folder + QStringLiteral("modulacion.avi")), qPrintable(folder));
    }
}

void TestContentMedia::shouldShipTheManualBesideTheProgram()
{
    QFile manual(kHome + QStringLiteral("/manual-ol.pdf"));
    QVERIFY(manual.open(QIODevice::ReadOnly));
    QVERIFY(manual.read(5) == "%PDF-");
    QVERIFY(manual.size() > 10000);
}

QTEST_MAIN(TestContentMedia)
#include "tst_contentmedia.moc"
