#pragma once

#include <QList>
#include <QObject>
#include <QString>

// Where keys lie on a Spanish keyboard, and which typed texts are letters.
class KeyboardManager : public QObject
{
    Q_OBJECT

public:
    struct Position
    {
        int row = 0;    // 1-6; 0 for a key in no row
        int column = 0;
    };

    // Where a key lies seen from another: the orientation arrow's answer.
    enum Relation {
        NoPosition = 0,
        SameKey = 1,
        RightOf = 2,   // the second key is right of the first, same row
        LeftOf = 3,
        LowerRow = 4,
        HigherRow = 5,
    };

    explicit KeyboardManager(QObject* parent = nullptr);

    Position keyPosition(int key) const;
    int keyRelation(int keyA, int keyB) const;
    static int letterToKey(const QString& letter);
    int letterRelation(const QString& letterA, const QString& letterB) const;
    static bool isLetterKey(const QString& text, bool useCh, bool useLl);

private:
    QList<QList<int>> keyRows;
};
