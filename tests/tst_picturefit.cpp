#include "picturefit.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A JPEG as a phone saves it: the pixels as the sensor saw them and an EXIF
// orientation saying how to show them. Qt writes no EXIF, so an APP1 segment
// holding one TIFF entry (tag 0x0112, orientation) goes right after the
// start-of-image marker.
QByteArray phoneJpeg(const QImage& stored, quint8 orientation)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    stored.save(&buffer, "JPEG", 95);
    // TIFF data, big-endian ("MM"), its first directory at offset 8.
    QByteArray tiff("MM\0\x2a\0\0\0\x08", 8);
    tiff += QByteArray("\0\x01", 2);                        // one entry:
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8);      // tag 0x0112, one SHORT,
    tiff += QByteArray("\0", 1) + char(orientation) + QByteArray(2, '\0'); // its value
    tiff += QByteArray(4, '\0');                             // and no next directory
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(body.size()) + 2; // the length counts its own two bytes
    const QByteArray app1 =
        QByteArray("\xff\xe1", 2) + char(length >> 8) + char(length & 0xff) + body;
    return jpeg.insert(2, app1);
}
} // namespace

class TestPictureFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldFitThePictureHolderKeepingTheAspect_data();
    void shouldFitThePictureHolderKeepingTheAspect();
    void shouldTurnPhonePhotosUpright_data();
    void shouldTurnPhonePhotosUpright();
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

void TestPictureFit::shouldTurnPhonePhotosUpright_data()
{
    // The EXIF orientation, and how far the phone's sensor was turned.
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("turn");
    QTest::newRow("held upright") << 1 << 0;
    QTest::newRow("held turned a quarter (orientation 6)") << 6 << 90;
    QTest::newRow("held upside down (orientation 3)") << 3 << 180;
    QTest::newRow("held turned three quarters (orientation 8)") << 8 << 270;
}

void TestPictureFit::shouldTurnPhonePhotosUpright()
{
    QFETCH(int, orientation);
    QFETCH(int, turn);
    // A portrait scene, red at the top and blue below.
    QImage scene(180, 320, QImage::Format_RGB32);
    scene.fill(QColor(30, 60, 210));
    QPainter(&scene).fillRect(0, 0, 180, 80, QColor(220, 30, 30));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("foto.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(phoneJpeg(scene.transformed(QTransform().rotate(-turn)),
                                 quint8(orientation))) > 0);
    file.close();

    const QImage shown = fittedPicture(path, QSize(351, 211)).toImage();
    QCOMPARE(shown.height(), 211);
    QVERIFY2(qAbs(shown.width() - 118) <= 1, qPrintable(QString::number(shown.width())));
    const QColor top = shown.pixelColor(shown.width() / 2, 10);
    const QColor bottom = shown.pixelColor(shown.width() / 2, shown.height() - 10);
    QVERIFY(top.red() > 150 && top.blue() < 110);
    QVERIFY(bottom.blue() > 150 && bottom.red() < 110);
}

QTEST_MAIN(TestPictureFit)
#include "tst_picturefit.moc"
