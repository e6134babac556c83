#pragma once

#include <QDialog>

class AdultPin;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the adults' PIN before an adult entry opens.
class PinDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PinDialog(QWidget* parent = nullptr);
    QString pin() const;

    // True when no PIN is set or the right one was typed; a wrong PIN or the
    // lock is reported to the adult.
    static bool allow(QWidget* parent);
    static bool allow(QWidget* parent, AdultPin& adultPin);

private:
    QLineEdit* pinField = nullptr;
};

// Sets, changes or removes the adults' PIN.
class PinSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PinSettingsDialog(QWidget* parent = nullptr);

private Q_SLOTS:
    void slotSave();
    void slotClear();

private:
    void showState();

    QLabel* stateLabel = nullptr;
    QLineEdit* newPinField = nullptr;
    QLineEdit* repeatPinField = nullptr;
    QPushButton* clearButton = nullptr;
};
