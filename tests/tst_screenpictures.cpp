// The pictures of the default pack that carry text or guide the child:
// every caption stays inside its button, and the guiding pictures exist at
// the size the window shows them.
#include <QImage>
#include <QTest>

namespace {
QString packPicture(const QString& name)
{
    return QStringLiteral(OL_PACK_HOME "/media/system/") + name;
}

// Close to the colour of the letters (the program's ink).
bool isInk(QRgb pixel)
{
    return qAlpha(pixel) > 128 && qAbs(qRed(pixel) - 0x24) < 40 && qAbs(qGreen(pixel) - 0x3b) < 40
        && qAbs(qBlue(pixel) - 0x6b) < 40;
}
} // namespace

class TestScreenPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldKeepCaptionInsideActivityButton_data();
    void shouldKeepCaptionInsideActivityButton();
    void shouldShipGuidingPictures_data();
    void shouldShipGuidingPictures();
};

void TestScreenPictures::shouldKeepCaptionInsideActivityButton_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("repetir") << "menus/repetir.png";
    QTest::newRow("esconder") << "menus/esconder.png";
    QTest::newRow("letra a letra") << "menus/letrasstopmo.png";
}

void TestScreenPictures::shouldKeepCaptionInsideActivityButton()
{
    QFETCH(QString, name);
    const QImage image(packPicture(name));
    QCOMPARE(image.size(), QSize(70, 70));
    // The caption's ink: some of it, and none on or beyond the border ring.
    int inside = 0, outside = 0;
    for (int y = 40; y < 66; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isInk(image.pixel(x, y)))
                continue;
            (x >= 7 && x <= 62 ? inside : outside) += 1;
        }
    }
    QVERIFY(inside > 20);
    QCOMPARE(outside, 0);
}

void TestScreenPictures::shouldShipGuidingPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("CH keys") << "ui/tecla-ch.png" << QSize(100, 100);
    QTest::newRow("LL keys") << "ui/tecla-ll.png" << QSize(100, 100);
    QTest::newRow("press a key") << "ui/indicacion-tecla.png" << QSize(300, 200);
    QTest::newRow("press space") << "ui/indicacion-espacio.png" << QSize(195, 80);
    QTest::newRow("Ch") << "cooper/tit/ch.png" << QImage(packPicture("cooper/may/CH.png")).size();
    QTest::newRow("Ll blank") << "blank/tit/ll.png" << QImage(packPicture("blank/may/LL.png")).size();
}

void TestScreenPictures::shouldShipGuidingPictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage image(packPicture(name));
    QVERIFY2(!image.isNull(), qPrintable(name));
    if (name.contains(QLatin1String("tit/")))
        QCOMPARE(image.height(), size.height()); // one height for the whole row
    else
        QCOMPARE(image.size(), size);
}

QTEST_MAIN(TestScreenPictures)
#include "tst_screenpictures.moc"
