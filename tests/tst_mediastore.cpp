#include "mediastore.h"
#include "testhome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace MediaStore;

namespace {
// A media library with a language's "Letras" folder and, beside it, a
// folder that nothing may ever delete.
struct Library
{
    QTemporaryDir dir;
    QString root;
    QString outside;

    Library()
        : root(dir.path() + QStringLiteral("/languages/Español/Letras"))
        , outside(dir.path() + QStringLiteral("/precious"))
    {
        QDir().mkpath(root);
        writeFile(outside + QStringLiteral("/keep.png"));
        writeFile(outside + QStringLiteral("/inner/keep.avi"));
    }

    bool outsideIntact() const
    {
        return QFile::exists(outside + QStringLiteral("/keep.png"))
            && QFile::exists(outside + QStringLiteral("/inner/keep.avi"));
    }
};
} // namespace

class TestMediaStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldJudgeFolderNames_data();
    void shouldJudgeFolderNames();
    void shouldConfinePathsToRoot_data();
    void shouldConfinePathsToRoot();
    void shouldRemoveFolderWithHiddenAndNestedEntries();
    void shouldRemoveLinksButNeverWhatTheyPointTo();
    void shouldRefuseToRemoveOutsideRoot_data();
    void shouldRefuseToRemoveOutsideRoot();
    void shouldPickFreeNames();
    void shouldCopyWithProgressAndReplaceOnlySafely();
};

void TestMediaStore::shouldJudgeFolderNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<NameProblem>("problem");
    QTest::newRow("plain") << "casa" << NameProblem::None;
    QTest::newRow("inner blank and accents") << "casa grande ñandú" << NameProblem::None;
    QTest::newRow("inner dot") << "p.ej" << NameProblem::None;
    QTest::newRow("empty") << "" << NameProblem::Empty;
    QTest::newRow("blanks only") << "   " << NameProblem::Empty;
    QTest::newRow("slash") << "a/b" << NameProblem::Separator;
    QTest::newRow("climbing") << "../../etc" << NameProblem::Separator;
    QTest::newRow("backslash") << "a\\b" << NameProblem::Separator;
    QTest::newRow("dot") << "." << NameProblem::DotName;
    QTest::newRow("dot dot") << ".." << NameProblem::DotName;
    QTest::newRow("leading blank") << " casa" << NameProblem::EdgeBlankOrDot;
    QTest::newRow("trailing blank") << "casa " << NameProblem::EdgeBlankOrDot;
    QTest::newRow("trailing tab") << "casa\t" << NameProblem::EdgeBlankOrDot;
    QTest::newRow("hidden") << ".casa" << NameProblem::EdgeBlankOrDot;
    QTest::newRow("trailing dot") << "casa." << NameProblem::EdgeBlankOrDot;
}

void TestMediaStore::shouldJudgeFolderNames()
{
    QFETCH(QString, name);
    QFETCH(NameProblem, problem);
    QCOMPARE(checkFolderName(name), problem);
}

void TestMediaStore::shouldConfinePathsToRoot_data()
{
    QTest::addColumn<QString>("relative"); // to the library folder
    QTest::addColumn<bool>("inside");
    QTest::newRow("letter folder") << "languages/Español/Letras/A" << true;
    QTest::newRow("missing word folder") << "languages/Español/Letras/A/casa" << true;
    QTest::newRow("trailing slash") << "languages/Español/Letras/A/" << true;
    QTest::newRow("root itself") << "languages/Español/Letras" << false;
    QTest::newRow("climbing out") << "languages/Español/Letras/A/../../x" << false;
    QTest::newRow("climbing to root") << "languages/Español/Letras/A/.." << false;
    QTest::newRow("sibling") << "precious" << false;
    QTest::newRow("sibling sharing the root's name") << "languages/Español/Letras-viejo/A" << false;
    QTest::newRow("through a link to that sibling") << "languages/Español/Letras/V/word" << false;
    QTest::newRow("through a link out") << "languages/Español/Letras/L/word" << false;
    QTest::newRow("through a link in") << "languages/Español/Letras/M/word" << true;
}

void TestMediaStore::shouldConfinePathsToRoot()
{
    QFETCH(QString, relative);
    QFETCH(bool, inside);
    Library library;
    QDir().mkpath(library.root + QStringLiteral("/A"));
    QVERIFY(QFile::link(library.outside, library.root + QStringLiteral("/L")));
    QVERIFY(QFile::link(library.root + QStringLiteral("/A"), library.root + QStringLiteral("/M")));
    QVERIFY(QDir().mkpath(library.root + QStringLiteral("-viejo/A")));
    QVERIFY(QFile::link(library.root + QStringLiteral("-viejo/A"), library.root + QStringLiteral("/V")));
    QCOMPARE(isInside(library.dir.path() + QLatin1Char('/') + relative, library.root), inside);
}

void TestMediaStore::shouldRemoveFolderWithHiddenAndNestedEntries()
{
    Library library;
    const QString word = library.root + QStringLiteral("/A/ajo");
    QVERIFY(writeFile(word + QStringLiteral("/imagen.png")));
    QVERIFY(writeFile(word + QStringLiteral("/.hidden")));
    QVERIFY(writeFile(word + QStringLiteral("/extra/deep/clip.avi")));
    QVERIFY(QDir().mkpath(word + QStringLiteral("/.empty-hidden")));
    const QString sibling = library.root + QStringLiteral("/A/arbol/imagen.png");
    QVERIFY(writeFile(sibling));

    const Removal removal = removeDirectory(word + QLatin1Char('/'), library.root);
    QVERIFY(!removal.refused);
    QVERIFY(removal.failedFolders.isEmpty());
    QVERIFY(!QFileInfo::exists(word));
    QVERIFY(QFile::exists(sibling));
    QVERIFY(QFileInfo::exists(library.root + QStringLiteral("/A")));
}

void TestMediaStore::shouldRemoveLinksButNeverWhatTheyPointTo()
{
    Library library;
    const QString word = library.root + QStringLiteral("/A/ajo");
    QVERIFY(writeFile(word + QStringLiteral("/imagen.png")));
    QVERIFY(QFile::link(library.outside, word + QStringLiteral("/folder-link")));
    QVERIFY(QFile::link(library.outside + QStringLiteral("/keep.png"),
                        word + QStringLiteral("/file-link.png")));
    QVERIFY(QFile::link(library.outside + QStringLiteral("/gone"),
                        word + QStringLiteral("/dangling")));

    const Removal removal = removeDirectory(library.root + QStringLiteral("/A"), library.root);
    QVERIFY(removal.failedFolders.isEmpty());
    QVERIFY(!QFileInfo::exists(library.root + QStringLiteral("/A")));
    QVERIFY(library.outsideIntact());

    // A word folder that is itself a link: only the link goes.
    QDir().mkpath(library.root + QStringLiteral("/B"));
    const QString linkedWord = library.root + QStringLiteral("/B/bota");
    QVERIFY(QFile::link(library.outside, linkedWord));
    QVERIFY(!removeDirectory(linkedWord + QLatin1Char('/'), library.root).refused);
    QVERIFY(!QFileInfo(linkedWord).isSymLink());
    QVERIFY(library.outsideIntact());
}

void TestMediaStore::shouldRefuseToRemoveOutsideRoot_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("sibling of the root") << "precious";
    QTest::newRow("climbing out of a letter") << "languages/Español/Letras/A/../../../precious";
    QTest::newRow("the root itself") << "languages/Español/Letras";
    QTest::newRow("below a linked letter") << "languages/Español/Letras/L/inner";
    QTest::newRow("a sibling sharing the root's name") << "languages/Español/Letras-viejo/A";
}

void TestMediaStore::shouldRefuseToRemoveOutsideRoot()
{
    QFETCH(QString, relative);
    Library library;
    QDir().mkpath(library.root + QStringLiteral("/A"));
    QVERIFY(QFile::link(library.outside, library.root + QStringLiteral("/L")));
    QVERIFY(writeFile(library.root + QStringLiteral("-viejo/A/keep.png")));
    const Removal removal
        = removeDirectory(library.dir.path() + QLatin1Char('/') + relative, library.root);
    QVERIFY(removal.refused);
    QVERIFY(library.outsideIntact());
    QVERIFY(QFileInfo::exists(library.root + QStringLiteral("/A")));
    QVERIFY(QFileInfo::exists(library.root + QStringLiteral("-viejo/A/keep.png")));
}

void TestMediaStore::shouldPickFreeNames()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.path() + QStringLiteral("/foto.png")));
    QVERIFY(writeFile(dir.path() + QStringLiteral("/foto-2.png")));
    QVERIFY(QFile::link(dir.path() + QStringLiteral("/nowhere"), dir.path() + QStringLiteral("/sena.avi")));
    QCOMPARE(freeName(dir.path(), QStringLiteral("otra.png")), QStringLiteral("otra.png"));
    QCOMPARE(freeName(dir.path(), QStringLiteral("foto.png")), QStringLiteral("foto-3.png"));
    QCOMPARE(freeName(dir.path(), QStringLiteral("sena.avi")), QStringLiteral("sena-2.avi"));
    QCOMPARE(freeName(dir.path(), QStringLiteral("otra.png"), {QStringLiteral("otra.png")}),
             QStringLiteral("otra-2.png"));
    QCOMPARE(freeName(dir.path(), QStringLiteral("LEAME")), QStringLiteral("LEAME"));
    QCOMPARE(fileNameOf(QStringLiteral("/a/b/c.png")), QStringLiteral("c.png"));
    QCOMPARE(fileNameOf(QStringLiteral("c.png")), QStringLiteral("c.png"));
    QCOMPARE(fileNameOf(QStringLiteral("/a/b/")), QString());
}

void TestMediaStore::shouldCopyWithProgressAndReplaceOnlySafely()
{
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/big.avi");
    const QByteArray content(3 * 1024 * 1024 + 17, 'v');
    QVERIFY(writeFile(source, content));
    const QString destination = dir.path() + QStringLiteral("/word/sena.avi");
    QVERIFY(writeFile(destination, "old"));

    QList<qint64> reports;
    QVERIFY(copyFile(source, destination, [&](qint64 copied) {
        reports << copied;
        return true;
    }));
    QCOMPARE(readFile(destination), content);
    QVERIFY(reports.size() >= 3);
    QCOMPARE(reports.last(), qint64(content.size()));

    // A source that is no regular file leaves the destination as it was.
    QVERIFY(!copyFile(dir.path() + QStringLiteral("/missing.avi"), destination));
    QVERIFY(!copyFile(dir.path() + QStringLiteral("/word"), destination));
    QCOMPARE(readFile(destination), content);
    QCOMPARE(QDir(dir.path() + QStringLiteral("/word")).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("sena.avi")});

    // Nothing is written through a link to a file outside.
    Library library;
    const QString link = library.root + QStringLiteral("/imagen.png");
    QVERIFY(QFile::link(library.outside + QStringLiteral("/keep.png"), link));
    QVERIFY(!copyFile(source, link));
    QCOMPARE(readFile(library.outside + QStringLiteral("/keep.png")), QByteArray("x"));
}

QTEST_GUILESS_MAIN(TestMediaStore)
#include "tst_mediastore.moc"
