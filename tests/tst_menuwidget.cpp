#include "menuwidget.h"

#include <QEnterEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QRgb kNormal = qRgb(200, 0, 0);
const QRgb kRollover = qRgb(0, 0, 200);
const QRgb kOther = qRgb(0, 200, 0);

QString picture(const QTemporaryDir& dir, const char* name, QRgb colour)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(QLatin1String(name));
    image.save(path);
    return path;
}

// The colour of the picture on show; 0 when none is.
QRgb shown(const MenuWidget& button)
{
    const QPixmap pixmap = button.pixmap();
    return pixmap.isNull() ? 0 : pixmap.toImage().pixel(0, 0);
}

void pointerEnters(MenuWidget& button)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(&button, &event);
}

void pointerLeaves(MenuWidget& button)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &event);
}
} // namespace

class TestMenuWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void shouldFollowPointerAndClicks_data();
    void shouldFollowPointerAndClicks();
    void shouldShowNewStateBeforeSignal();
    void shouldKeepActiveStateWhenImagesChange();

private:
    QTemporaryDir dir;
    QString normal;
    QString rollover;
    QString other;
};

void TestMenuWidget::initTestCase()
{
    normal = picture(dir, "normal.png", kNormal);
    rollover = picture(dir, "rollover.png", kRollover);
    other = picture(dir, "other.png", kOther);
}

void TestMenuWidget::shouldFollowPointerAndClicks_data()
{
    // Script: e pointer enters, l leaves, c click (press and release),
    // r right-button click, d slotDeactivate, a slotActivate.
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("clickable");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("rolloverShown");
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("clicks");

    QTest::newRow("hover shows rollover") << 1 << false << "e" << true << false << 0;
    QTest::newRow("leaving shows normal") << 1 << false << "el" << false << false << 0;
    QTest::newRow("inert button ignores clicks") << 1 << false << "ecc" << true << false << 0;
    QTest::newRow("latch stays after leaving") << 1 << true << "ecl" << true << true << 1;
    QTest::newRow("latch clicked again emits again") << 1 << true << "eccl" << true << true << 2;
    QTest::newRow("latch deactivated hovers again") << 1 << true << "ecldel" << false << false << 1;
    QTest::newRow("latch deactivated under pointer") << 1 << true << "ecd" << false << false << 1;
    QTest::newRow("any mouse button clicks") << 1 << true << "r" << true << true << 1;
    QTest::newRow("toggle on") << 2 << true << "c" << true << true << 1;
    QTest::newRow("toggle off") << 2 << true << "cc" << false << false << 2;
    QTest::newRow("toggle on again") << 2 << true << "ccc" << true << true << 3;
    QTest::newRow("toggle on ignores leaving") << 2 << true << "ecl" << true << true << 1;
    QTest::newRow("push keeps its picture") << 3 << true << "c" << false << false << 1;
    QTest::newRow("push follows pointer") << 3 << true << "ecc" << true << false << 2;
    QTest::newRow("push after leaving") << 3 << true << "eccl" << false << false << 2;
    QTest::newRow("unknown mode pushes") << 7 << true << "cc" << false << false << 2;
    QTest::newRow("activated ignores pointer") << 3 << false << "ael" << true << true << 0;
    QTest::newRow("inert toggle stays off") << 2 << false << "c" << false << false << 0;
}

void TestMenuWidget::shouldFollowPointerAndClicks()
{
    QFETCH(int, mode);
    QFETCH(bool, clickable);
    QFETCH(QString, script);
    QFETCH(bool, rolloverShown);
    QFETCH(bool, active);
    QFETCH(int, clicks);

    MenuWidget button(normal, rollover);
    button.resize(8, 8);
    button.clickable = clickable;
    button.clickMode = mode;
    QSignalSpy clicked(&button, &MenuWidget::menuClicked);
    for (QChar step : script) {
        switch (step.toLatin1()) {
        case 'e': pointerEnters(button); break;
        case 'l': pointerLeaves(button); break;
        case 'c': QTest::mouseClick(&button, Qt::LeftButton); break;
        case 'r': QTest::mouseClick(&button, Qt::RightButton); break;
        case 'd': button.slotDeactivate(); break;
        case 'a': button.slotActivate(); break;
        }
    }
    QCOMPARE(shown(button), rolloverShown ? kRollover : kNormal);
    QCOMPARE(button.active, active);
    QCOMPARE(clicked.count(), clicks);
}

void TestMenuWidget::shouldShowNewStateBeforeSignal()
{
    MenuWidget button(normal, rollover);
    button.clickable = true;
    button.clickMode = MenuWidget::Toggle;
    QList<bool> seen;
    connect(&button, &MenuWidget::menuClicked, this, [&] {
        seen << button.active;
        QCOMPARE(shown(button), button.active ? kRollover : kNormal);
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(seen, QList<bool>({true, false}));
}

void TestMenuWidget::shouldKeepActiveStateWhenImagesChange()
{
    MenuWidget button(normal, rollover);
    button.clickable = true;
    QTest::mouseClick(&button, Qt::LeftButton);
    button.setImages(other, rollover);
    QVERIFY(button.active);
    QVERIFY(button.clickable);
    // A latched button stays highlighted under its new pictures.
    QCOMPARE(shown(button), kRollover);
    pointerEnters(button);
    pointerLeaves(button);
    QCOMPARE(shown(button), kRollover);
    button.slotDeactivate();
    QCOMPARE(shown(button), kOther);
    pointerEnters(button);
    QCOMPARE(shown(button), kRollover);
}

QTEST_MAIN(TestMenuWidget)
#include "tst_menuwidget.moc"
