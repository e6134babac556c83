#pragma once

#include <QWidget>

class QLabel;

// A holder for one picture (the word's picture, the big bottom letter): the
// activities put the picture on label and place it inside the holder.
class ImageWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ImageWidget(QWidget* parent = nullptr);

    QLabel* label = nullptr;
};
