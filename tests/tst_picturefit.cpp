#include "picturefit.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class TestPictureFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldFitThePictureHolderKeepingTheAspect_data();
    void shouldFitThePictureHolderKeepingTheAspect();
};

void TestPictureFit::shouldFitThePictureHolderKeepingTheAspect_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("a phone's wide photo") << "foto.jpg" << QSize(4032, 1210) << QSize(351, 105);
    QTest::newRow("a tall picture") << "alto.jpeg" << QSize(100, 422) << QSize(50, 211);
    QTest::newRow("a pack picture") << "casa.png" << QSize(351, 211) << QSize(351, 211);
    QTest::newRow("a small picture") << "chica.png" << QSize(35, 21) << QSize(351, 211);
}

void TestPictureFit::shouldFitThePictureHolderKeepingTheAspect()
{
    QFETCH(QString, name);
    QFETCH(QSize, stored);
    QFETCH(QSize, shown);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QImage image(stored, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(image.save(path));
    QCOMPARE(fittedPicture(path, QSize(351, 211)).size(), shown);
    QVERIFY(fittedPicture(dir.filePath(QStringLiteral("falta.jpg")), QSize(351, 211)).isNull());
}

QTEST_MAIN(TestPictureFit)
#include "tst_picturefit.moc"
