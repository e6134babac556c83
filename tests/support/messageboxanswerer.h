#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

// Answers every modal message box that opens while it lives, recording its
// title and text. Buttons are chosen by their texts, in the order given;
// once those are used up, the box's first button is clicked (OK, "&Sí").
class MessageBoxAnswerer
{
public:
    struct Box
    {
        QString title;
        QString text;
        QStringList buttons;
        QString defaultButton; // what a stray Return would press
    };

    explicit MessageBoxAnswerer(QStringList answers = {})
        : answers(std::move(answers))
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] { answer(); });
        timer.start();
    }

    QList<Box> boxes;

    QStringList titles() const
    {
        QStringList result;
        for (const Box& box : boxes)
            result << box.title;
        return result;
    }

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || answered.contains(box))
            return;
        answered << box;
        Box seen{box->windowTitle(), box->text(), {},
                 box->defaultButton() ? box->defaultButton()->text() : QString()};
        const QList<QAbstractButton*> buttons = box->buttons();
        QAbstractButton* chosen = buttons.value(0);
        for (QAbstractButton* button : buttons) {
            seen.buttons << button->text();
            if (!answers.isEmpty() && button->text() == answers.first())
                chosen = button;
        }
        if (!answers.isEmpty())
            answers.removeFirst();
        boxes << seen;
        if (chosen)
            chosen->click();
    }

    QStringList answers;
    QList<QPointer<QMessageBox>> answered;
    QTimer timer;
};
