#include "stories.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
QList<Story> readText(const QByteArray& text, QString* error)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("s.txt")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    file.close();
    return readStories(file.fileName(), error);
}
} // namespace

class TestStories : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldPutEachDialogueTurnOnItsOwnLine();
    void shouldRejectAMalformedPage();
    void shouldDrawAPageOfTheReaderSize();
};

void TestStories::shouldPutEachDialogueTurnOnItsOwnLine()
{
    QString error;
    const QList<Story> stories
        = readText(QStringLiteral("story 1 Prueba\n🐺\t-\t—Hola. —¡Adiós! —dijo—.\n").toUtf8(), &error);
    QCOMPARE(stories.size(), 1);
    QCOMPARE(stories.first().pages.first().characters, QList<uint>{0x1F43A});
    QVERIFY(stories.first().pages.first().scenery.isEmpty());
    // A new speaker starts a line; the narrator's aside stays in place.
    QCOMPARE(stories.first().pages.first().text, QStringLiteral("—Hola.\n—¡Adiós! —dijo—."));
}

void TestStories::shouldRejectAMalformedPage()
{
    QString error;
    QVERIFY(readText("story 1 Prueba\nonly one field\n", &error).isEmpty());
    QVERIFY(error.contains(QStringLiteral(":2:")));
}

void TestStories::shouldDrawAPageOfTheReaderSize()
{
    Story story;
    story.number = 1;
    story.title = QStringLiteral("Prueba");
    story.pages << StoryPage{{0x1F43A}, {0x1F332}, QStringLiteral("Había una vez un lobo.")};
    const QImage page = storyPage(story, 0);
    QCOMPARE(page.size(), QSize(705, 350));
    // Something is drawn in both halves: the picture and the text.
    QVERIFY(page.copy(20, 20, 300, 300).convertToFormat(QImage::Format_RGB32) != QImage());
    QImage text = page.copy(360, 20, 320, 300);
    bool ink = false;
    for (int y = 0; y < text.height() && !ink; ++y)
        for (int x = 0; x < text.width() && !ink; ++x)
            ink = qGray(text.pixel(x, y)) < 100;
    QVERIFY(ink);
}

QTEST_MAIN(TestStories)
#include "tst_stories.moc"
