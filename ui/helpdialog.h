#pragma once

#include <QDialog>
#include <QString>

// A small dialog whose first button opens the user manual with the
// desktop's PDF viewer.
class HelpDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HelpDialog(QWidget* parent = nullptr);

    // "manual-ol.pdf" in the working folder, else beside the program; empty
    // when neither exists.
    static QString manualPath();

public Q_SLOTS:
    void slotOpenHelp();
};
