#include "menuwidget.h"

#include "picturenames.h"

#include <QImage>
#include <QPixmap>

MenuWidget::MenuWidget(const QString& normal, const QString& rollover, QWidget* parent)
    : QLabel(parent)
    , normalImage(normal)
    , rolloverImage(rollover)
{
    setAttribute(Qt::WA_MouseTracking, true);
    showImage(normalImage);
    describe();
}

void MenuWidget::setImages(const QString& normal, const QString& rollover)
{
    normalImage = normal;
    rolloverImage = rollover;
    // A latched button keeps its highlighted look under its new pictures.
    showImage(active ? rolloverImage : normalImage);
    describe();
}

void MenuWidget::setDisabledEntry(bool disabled)
{
    disabledEntry = disabled;
    clickable = !disabled;
    showImage(active && !disabled ? rolloverImage : normalImage);
}

void MenuWidget::slotDeactivate()
{
    active = false;
    showImage(normalImage);
}

void MenuWidget::slotActivate()
{
    active = true;
    showImage(rolloverImage);
}

void MenuWidget::mouseReleaseEvent(QMouseEvent*)
{
    if (!clickable)
        return;
    // The picture changes first, so that receivers see the new state.
    if (clickMode == Latch || (clickMode == Toggle && !active))
        slotActivate();
    else if (clickMode == Toggle)
        slotDeactivate();
    Q_EMIT menuClicked();
}

void MenuWidget::enterEvent(QEnterEvent*)
{
    if (!active && !disabledEntry)
        showImage(rolloverImage);
}

void MenuWidget::leaveEvent(QEvent*)
{
    if (!active)
        showImage(normalImage);
}

void MenuWidget::showImage(const QString& path)
{
    if (!disabledEntry) {
        setPixmap(QPixmap(path));
        return;
    }
    // Grey and pale, keeping the picture's transparency.
    QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = (qGray(line[x]) + 2 * 200) / 3;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    setPixmap(QPixmap::fromImage(image));
}

void MenuWidget::describe()
{
    setAccessibleName(PictureNames::name(normalImage));
    setAccessibleDescription(PictureNames::description(normalImage));
}
