// Checks the default content pack that the build generates into the program
// home: every picture the program can ask for is there, at the size its
// place on the screen expects, and the installed database is consistent
// with its media library.
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {
const QString kHome = QStringLiteral(OL_PACK_HOME);
const QString kSystem = kHome + QStringLiteral("/media/system/");
const QString kConnection = QStringLiteral("content-pack");

// Base names of the letter pictures: a–z, the digraphs and the two-letter
// codes of ñ, ç and the accented vowels.
QStringList letterBaseNames()
{
    QStringList names;
    for (char c = 'a'; c <= 'z'; ++c)
        names << QString(QLatin1Char(c));
    names << QStringLiteral("ch") << QStringLiteral("ll") << QStringLiteral("nt") << QStringLiteral("ct")
          << QStringLiteral("at") << QStringLiteral("et") << QStringLiteral("it") << QStringLiteral("ot")
          << QStringLiteral("ut") << QStringLiteral("aa") << QStringLiteral("ea") << QStringLiteral("ia")
          << QStringLiteral("oa") << QStringLiteral("ua") << QStringLiteral("ud") << QStringLiteral("id");
    return names;
}

QString baseNameOf(QChar c)
{
    static const QHash<QChar, QString> codes = {
        {QChar(u'ñ'), QStringLiteral("nt")}, {QChar(u'ç'), QStringLiteral("ct")},
        {QChar(u'á'), QStringLiteral("at")}, {QChar(u'é'), QStringLiteral("et")},
        {QChar(u'í'), QStringLiteral("it")}, {QChar(u'ó'), QStringLiteral("ot")},
        {QChar(u'ú'), QStringLiteral("ut")}, {QChar(u'à'), QStringLiteral("aa")},
        {QChar(u'è'), QStringLiteral("ea")}, {QChar(u'ì'), QStringLiteral("ia")},
        {QChar(u'ò'), QStringLiteral("oa")}, {QChar(u'ù'), QStringLiteral("ua")},
        {QChar(u'ü'), QStringLiteral("ud")}, {QChar(u'ï'), QStringLiteral("id")},
    };
    return codes.value(c.toLower(), QString(c.toLower()));
}

// The letters of a word as picture base names, CH and LL as one letter.
QStringList wordBaseNames(const QString& word)
{
    const QString lower = word.toLower();
    QStringList names;
    for (int i = 0; i < lower.size(); ++i) {
        const QString pair = lower.mid(i, 2);
        if (pair == QLatin1String("ch") || pair == QLatin1String("ll")) {
            names << pair;
            ++i;
        } else {
            names << baseNameOf(lower.at(i));
        }
    }
    return names;
}

// The initial letter a word is filed under: digraphs first, accents on
// vowels dropped, ñ kept apart from n.
QString initialLetter(const QString& word)
{
    const QString lower = word.toLower();
    if (lower.startsWith(QLatin1String("ch")) || lower.startsWith(QLatin1String("ll")))
        return lower.left(2).toUpper();
    const QChar first = lower.at(0);
    if (first == QChar(u'ñ'))
        return QStringLiteral("Ñ");
    return first.decomposition().isEmpty() ? QString(first).toUpper()
                                           : QString(first.decomposition().at(0)).toUpper();
}

QSize pictureSize(const QString& path)
{
    return QImageReader(path).size();
}

struct WordRow
{
    QString letter;
    QString name;
    QString fullName;
    QHash<QString, QString> media; // column → file name
};
} // namespace

class TestContentPack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void shouldHaveEverySystemPictureAtItsScreenSize_data();
    void shouldHaveEverySystemPictureAtItsScreenSize();
    void shouldHaveEveryLetterPictureTheProgramCanAskFor_data();
    void shouldHaveEveryLetterPictureTheProgramCanAskFor();
    void shouldDrawWordLettersOnOneHeightWithMatchingWidths();
    void shouldFitEveryWordInTheLetterRow();
    void shouldHaveTheCreditsPicture();
    void shouldHaveTheMediaEveryWordNames();
    void shouldHaveFourWordsStartingWithEveryLetter();
    void shouldHaveUniqueDescriptionsPerLetter();
    void shouldInstallLanguageWideSettings();

private:
    QList<WordRow> words;
    QString languageDir;
};

void TestContentPack::initTestCase()
{
    QVERIFY2(QFileInfo::exists(kHome + QStringLiteral("/data/bd")),
             "build the content pack (target ondalira-content) first");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    db.setDatabaseName(kHome + QStringLiteral("/data/bd"));
    QVERIFY(db.open());

    QSqlQuery query(db);
    QVERIFY(query.exec(QStringLiteral("SELECT name FROM language WHERE id = 1")));
    QVERIFY(query.next());
    languageDir = kHome + QStringLiteral("/media/languages/") + query.value(0).toString() + QLatin1Char('/');

    // The word media the pack ships; the videos join this list when they do.
    const QStringList checkedMedia{QStringLiteral("image")};
    QVERIFY(query.exec(QStringLiteral("SELECT l.name, w.name, w.fullName, ") + checkedMedia.join(QStringLiteral(", "))
                       + QStringLiteral(" FROM word w JOIN letter l ON l.id = w.id_letter WHERE l.id_language = 1")));
    while (query.next()) {
        WordRow row{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(), {}};
        for (int i = 0; i < checkedMedia.size(); ++i)
            row.media.insert(checkedMedia.at(i), query.value(3 + i).toString());
        words << row;
    }
    QVERIFY(!words.isEmpty());
}

void TestContentPack::cleanupTestCase()
{
    QSqlDatabase::database(kConnection).close();
    QSqlDatabase::removeDatabase(kConnection);
}

void TestContentPack::shouldHaveEverySystemPictureAtItsScreenSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");

    const auto add = [](const QString& file, const QSize& size) {
        QTest::newRow(qPrintable(file)) << file << size;
    };
    add(QStringLiteral("ui/background.png"), {1024, 600});
    add(QStringLiteral("ui/backgroundleer.png"), {1024, 600});
    add(QStringLiteral("ui/advertencia-sin-palabras.png"), {542, 131});
    add(QStringLiteral("ui/advertencia-sin-repeticion.png"), {542, 131});
    for (const char* arrow : {"fizq", "fizqroll", "fder", "fderroll"})
        add(QStringLiteral("ui/%1.png").arg(QLatin1String(arrow)), {28, 38});
    for (const char* arrow : {"arriba", "abajo", "izquierda", "derecha"})
        add(QStringLiteral("ui/%1.png").arg(QLatin1String(arrow)), {93, 64});
    add(QStringLiteral("ui/space.png"), {}); // scaled to 20 × 50 whatever its size

    // Menu buttons: normal and rollover at the button's size.
    const struct
    {
        const char* name;
        const char* roll;
        QSize size;
    } buttons[] = {
        {"letras", "roll", {131, 116}},          {"leerescribir", "roll", {277, 116}},
        {"senas", "roll", {122, 60}},            {"labial", "roll", {153, 60}},
        {"dactilologico", "roll", {150, 60}},    {"leer", "roll", {153, 60}},
        {"escribir", "roll", {150, 60}},         {"tepresentosenas", "roll", {307, 87}},
        {"comoempiezasenas", "roll", {307, 197}}, {"digoletraslabial", "roll", {307, 87}},
        {"comoempiezalabial", "roll", {307, 197}}, {"presentodactilologico", "roll", {307, 87}},
        {"letradactilologico", "roll", {307, 197}}, {"escribir1", "roll", {307, 87}},
        {"escribir2", "roll", {307, 197}},       {"archivo", "roll", {91, 21}},
        {"ayuda", "roll", {60, 21}},             {"usuario", "_roll", {91, 20}},
        {"config", "_roll", {91, 20}},           {"administrador", "_roll", {91, 19}},
        {"salir", "_roll", {91, 23}},            {"leer1", "roll", {362, 37}},
        {"leer2", "roll", {362, 38}},            {"leer3", "roll", {362, 40}},
        {"leer4", "roll", {362, 35}},            {"leer5", "roll", {362, 39}},
        {"repetir", "_roll", {70, 70}},          {"esconder", "_roll", {70, 70}},
        {"letrasstopmo", "_roll", {70, 70}},
    };
    for (const auto& button : buttons) {
        add(QStringLiteral("menus/%1.png").arg(QLatin1String(button.name)), button.size);
        add(QStringLiteral("menus/%1%2.png").arg(QLatin1String(button.name), QLatin1String(button.roll)),
            button.size);
    }
    // Pictures without rollover.
    add(QStringLiteral("menus/letras_leer.png"), {131, 116});
    add(QStringLiteral("menus/leerescribir_leer.png"), {277, 116});
    add(QStringLiteral("menus/submenu1.png"), {122, 60});
    add(QStringLiteral("menus/submenu2.png"), {153, 60});
    add(QStringLiteral("menus/submenu3.png"), {150, 60});
    add(QStringLiteral("menus/subsubmenu1.png"), {307, 87});
    add(QStringLiteral("menus/subsubmenu2.png"), {307, 197});
    add(QStringLiteral("menus/cuentos.png"), {362, 116});
    add(QStringLiteral("menus/fabulas.png"), {362, 60});

    for (const char* title : {"te presento palabras", "como empieza esta palabra", "te digo las letras",
                              "como comienza esta palabra labial", "te presento las letras", "que letra es",
                              "escribir1", "escribir2"})
        add(QStringLiteral("titulos/%1.png").arg(QLatin1String(title)), {334, 122});
    for (int i = 1; i <= 3; ++i) {
        add(QStringLiteral("feedback/good%1.png").arg(i), {100, 140});
        add(QStringLiteral("feedback/wrong%1.png").arg(i), {100, 140});
    }
}

void TestContentPack::shouldHaveEverySystemPictureAtItsScreenSize()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QString path = kSystem + file;
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    const QSize actual = pictureSize(path);
    QVERIFY2(actual.isValid(), "not a readable picture");
    if (size.isValid())
        QCOMPARE(actual, size);
}

void TestContentPack::shouldHaveEveryLetterPictureTheProgramCanAskFor_data()
{
    QTest::addColumn<QString>("style");
    for (const char* style : {"cooper", "cuadrados", "blank", "inferior"})
        QTest::newRow(style) << QString::fromLatin1(style);
}

void TestContentPack::shouldHaveEveryLetterPictureTheProgramCanAskFor()
{
    QFETCH(QString, style);
    QStringList names;
    for (const QString& base : letterBaseNames()) {
        names << QStringLiteral("may/") + base.toUpper();
        // The bottom letter with small letters on is asked for without a case folder.
        names << (style == QLatin1String("inferior") ? base : QStringLiteral("min/") + base);
    }
    QStringList missing;
    for (const QString& name : names) {
        const QString path = kSystem + style + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!pictureSize(path).isValid())
            missing << name;
        else if (style == QLatin1String("inferior"))
            // Only this corner of the bottom letter holder is inside the window.
            QVERIFY2(pictureSize(path).width() <= 144 && pictureSize(path).height() <= 110, qPrintable(name));
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
}

void TestContentPack::shouldDrawWordLettersOnOneHeightWithMatchingWidths()
{
    // A row of letters reads as a line only when every picture shares one
    // height (and so one baseline); a highlighted or blank letter keeps
    // the width of the letter it stands for, so the row does not move.
    int height = -1;
    for (const QString& base : letterBaseNames()) {
        const QStringList names{QStringLiteral("may/") + base.toUpper(), QStringLiteral("min/") + base};
        for (const QString& name : names) {
            const QSize normal = pictureSize(kSystem + QStringLiteral("cooper/") + name + QStringLiteral(".png"));
            QVERIFY2(normal.isValid(), qPrintable(name));
            if (height < 0)
                height = normal.height();
            QCOMPARE(normal.height(), height);
            QCOMPARE(pictureSize(kSystem + QStringLiteral("cuadrados/") + name + QStringLiteral(".png")), normal);
            QCOMPARE(pictureSize(kSystem + QStringLiteral("blank/") + name + QStringLiteral(".png")), normal);
        }
    }
    // Shown at half size from y 470, the row stays inside the window.
    QVERIFY(470 + height / 2 <= 600);
}

void TestContentPack::shouldFitEveryWordInTheLetterRow()
{
    // Letters are shown at half their width from x 120; the activity
    // buttons and the bottom letter start at x 880.
    for (const WordRow& word : words) {
        for (bool capitals : {true, false}) {
            int x = 120;
            for (const QString& base : wordBaseNames(word.name)) {
                const QString name = capitals ? QStringLiteral("may/") + base.toUpper() : QStringLiteral("min/") + base;
                x += pictureSize(kSystem + QStringLiteral("cooper/") + name + QStringLiteral(".png")).width() / 2;
            }
            QVERIFY2(x <= 875, qPrintable(QStringLiteral("%1 ends at x %2").arg(word.name).arg(x)));
        }
    }
}

void TestContentPack::shouldHaveTheCreditsPicture()
{
    QCOMPARE(pictureSize(languageDir + QStringLiteral("UI/creditos-grande.png")), QSize(1024, 600));
}

void TestContentPack::shouldHaveTheMediaEveryWordNames()
{
    QStringList missing;
    for (const WordRow& word : words) {
        const QString folder = languageDir + QStringLiteral("Letras/") + word.letter + QLatin1Char('/')
            + word.fullName + QLatin1Char('/');
        for (auto it = word.media.cbegin(); it != word.media.cend(); ++it) {
            if (it.value().isEmpty() || !QFileInfo(folder + it.value()).isFile())
                missing << word.letter + QLatin1Char('/') + word.fullName + QLatin1Char('/') + it.value();
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    // The word picture fills the picture holder.
    QCOMPARE(pictureSize(languageDir + QStringLiteral("Letras/") + words.first().letter + QLatin1Char('/')
                         + words.first().fullName + QLatin1Char('/') + words.first().media.value(QStringLiteral("image"))),
             QSize(351, 211));
}

void TestContentPack::shouldHaveFourWordsStartingWithEveryLetter()
{
    QSqlQuery query(QSqlDatabase::database(kConnection));
    QVERIFY(query.exec(QStringLiteral("SELECT name FROM letter WHERE id_language = 1")));
    QHash<QString, int> count;
    while (query.next())
        count.insert(query.value(0).toString(), 0);
    QCOMPARE(count.size(), 29);

    for (const WordRow& word : words) {
        QVERIFY2(initialLetter(word.name) == word.letter,
                 qPrintable(QStringLiteral("%1 is filed under %2").arg(word.name, word.letter)));
        ++count[word.letter];
    }
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        QVERIFY2(it.value() >= 4, qPrintable(QStringLiteral("%1 has %2 words").arg(it.key()).arg(it.value())));
}

void TestContentPack::shouldHaveUniqueDescriptionsPerLetter()
{
    QSet<QString> seen;
    for (const WordRow& word : words) {
        const QString key = word.letter + QLatin1Char('/') + word.fullName;
        QVERIFY2(!seen.contains(key), qPrintable(key));
        seen.insert(key);
    }
}

void TestContentPack::shouldInstallLanguageWideSettings()
{
    QSqlQuery query(QSqlDatabase::database(kConnection));
    QVERIFY(query.exec(QStringLiteral("SELECT key, data FROM config WHERE id_user = 0 AND id_language = 1")));
    QHash<QString, int> settings;
    while (query.next())
        settings.insert(query.value(0).toString(), query.value(1).toInt());
    QCOMPARE(settings.value(QStringLiteral("use-ch"), -1), 1);
    QCOMPARE(settings.value(QStringLiteral("use-ll"), -1), 1);
    QCOMPARE(settings.value(QStringLiteral("use-labial"), -1), 1);
    QCOMPARE(settings.value(QStringLiteral("strict-filter-show"), -1), 0);
}

QTEST_GUILESS_MAIN(TestContentPack)
#include "tst_contentpack.moc"
