#pragma once

#include <QLabel>
#include <QString>

// A picture button: a normal picture, a rollover picture under the pointer,
// and one signal when clicked. Buttons of one row exclude each other through
// their owner, which connects menuClicked() to the siblings' slotDeactivate().
class MenuWidget : public QLabel
{
    Q_OBJECT

public:
    // Any other value behaves as Push.
    enum ClickMode { Latch = 1, Toggle = 2, Push = 3 };

    MenuWidget(const QString& normalImage, const QString& rolloverImage, QWidget* parent = nullptr);

    void setImages(const QString& normalImage, const QString& rolloverImage);
    // An entry that cannot be used now: not clickable, and drawn greyed.
    void setDisabledEntry(bool disabled);
    bool isDisabledEntry() const { return disabledEntry; }

    QString normalImage;
    QString rolloverImage;
    bool clickable = false;
    bool active = false;
    int clickMode = Latch;

Q_SIGNALS:
    void menuClicked();

public Q_SLOTS:
    void slotDeactivate();
    void slotActivate();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool disabledEntry = false;
    // Read from disk at every change: the administrator may replace pictures.
    void showImage(const QString& path);
    // Names the button after its normal picture, for screen readers.
    void describe();
};
