#include "menuwidget.h"

#include "picturenames.h"

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
    showImage(normalImage);
    describe();
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
    if (!active)
        showImage(rolloverImage);
}

void MenuWidget::leaveEvent(QEvent*)
{
    if (!active)
        showImage(normalImage);
}

void MenuWidget::showImage(const QString& path)
{
    setPixmap(QPixmap(path));
}

void MenuWidget::describe()
{
    setAccessibleName(PictureNames::name(normalImage));
    setAccessibleDescription(PictureNames::description(normalImage));
}
