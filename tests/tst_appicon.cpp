#include "appicon.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

class TestAppIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldDrawEverySizeAsARoundedTile_data();
    void shouldDrawEverySizeAsARoundedTile();
    void shouldDrawTheLettersOnTheTile();
    void shouldWriteFontFreeSvg();
    void shouldWriteTheWholeTheme();
    void shouldReportAnUnwritableFolder();
};

void TestAppIcon::shouldDrawEverySizeAsARoundedTile_data()
{
    QTest::addColumn<int>("size");
    for (int size : AppIcon::rasterSizes())
        QTest::addRow("%dpx", size) << size;
}

void TestAppIcon::shouldDrawEverySizeAsARoundedTile()
{
    QFETCH(int, size);
    const QImage image = AppIcon::render(size);
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    // Transparent corners, opaque middle.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    QCOMPARE(qAlpha(image.pixel(size / 2, size * 7 / 8)), 255);
}

void TestAppIcon::shouldDrawTheLettersOnTheTile()
{
    // The letters are white on the blue sky above the waves.
    const QImage image = AppIcon::render(256);
    int white = 0;
    int sky = 0;
    for (int y = 40; y < 160; ++y) {
        for (int x = 40; x < 216; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240)
                ++white;
            else if (qBlue(p) > qRed(p) + 60)
                ++sky;
        }
    }
    QVERIFY2(white > 2000, qPrintable(QString::number(white)));
    QVERIFY2(sky > 5000, qPrintable(QString::number(sky)));
}

void TestAppIcon::shouldWriteFontFreeSvg()
{
    QXmlStreamReader xml(AppIcon::svg());
    int paths = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        QVERIFY(xml.name() != QLatin1String("text"));
        if (xml.name() == QLatin1String("path")) {
            const QString d = xml.attributes().value(QLatin1String("d")).toString();
            QVERIFY(d.startsWith(QLatin1Char('M')));
            QVERIFY(!d.contains(QLatin1String("nan")));
            ++paths;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(paths > 0);
}

void TestAppIcon::shouldWriteTheWholeTheme()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY(AppIcon::writeTheme(dir.path(), QStringLiteral("org.example.Icon"), &error));
    for (int size : AppIcon::rasterSizes()) {
        const QImage image(dir.path() + QStringLiteral("/hicolor/%1x%1/apps/org.example.Icon.png").arg(size));
        QCOMPARE(image.size(), QSize(size, size));
    }
    QFile svg(dir.path() + QStringLiteral("/hicolor/scalable/apps/org.example.Icon.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QCOMPARE(svg.readAll(), AppIcon::svg());
}

void TestAppIcon::shouldReportAnUnwritableFolder()
{
    QTemporaryDir dir;
    QFile blocker(dir.path() + QStringLiteral("/file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    QVERIFY(!AppIcon::writeTheme(blocker.fileName(), QStringLiteral("x"), &error));
    QVERIFY(error.contains(blocker.fileName()));
}

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
