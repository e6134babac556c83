#include "keyboardmanager.h"

KeyboardManager::KeyboardManager(QObject* parent)
    : QObject(parent)
{
    keyRows = {
        {Qt::Key_Escape, Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6,
         Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F10, Qt::Key_F11, Qt::Key_F12},
        {Qt::Key_AsciiTilde, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6,
         Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_0, Qt::Key_Minus, Qt::Key_Plus,
         Qt::Key_Backspace},
        {Qt::Key_Tab, Qt::Key_Q, Qt::Key_W, Qt::Key_E, Qt::Key_R, Qt::Key_T, Qt::Key_Y, Qt::Key_U,
         Qt::Key_I, Qt::Key_O, Qt::Key_P},
        {Qt::Key_CapsLock, Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_F, Qt::Key_G, Qt::Key_H,
         Qt::Key_J, Qt::Key_K, Qt::Key_L, Qt::Key_Ntilde, Qt::Key_Dead_Acute, Qt::Key_Ccedilla,
         Qt::Key_Return},
        {Qt::Key_Shift, Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_B, Qt::Key_N,
         Qt::Key_M, Qt::Key_Comma, Qt::Key_Period, Qt::Key_Shift},
        {Qt::Key_Control, Qt::Key_Meta, Qt::Key_Alt, Qt::Key_Space, Qt::Key_Alt, Qt::Key_Control},
    };
}

KeyboardManager::Position KeyboardManager::keyPosition(int key) const
{
    for (int row = 0; row < keyRows.size(); ++row) {
        const qsizetype column = keyRows.at(row).indexOf(key);
        if (column >= 0)
            return {row + 1, int(column)};
    }
    return {};
}

int KeyboardManager::keyRelation(int keyA, int keyB) const
{
    const Position a = keyPosition(keyA);
    const Position b = keyPosition(keyB);
    if (a.row == 0 || b.row == 0)
        return NoPosition;
    if (a.row == b.row) {
        if (b.column < a.column)
            return LeftOf;
        if (a.column < b.column)
            return RightOf;
        return SameKey;
    }
    return a.row < b.row ? LowerRow : HigherRow;
}

int KeyboardManager::letterToKey(const QString& letter)
{
    if (letter == QLatin1String("CH"))
        return Qt::Key_Comma;
    if (letter == QLatin1String("LL"))
        return Qt::Key_Period;
    if (letter.size() != 1)
        return 0;
    const QChar c = letter.at(0);
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        return c.unicode();
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode();
    if (c == QChar(0x00D1)) // Ñ
        return Qt::Key_Ntilde;
    if (c == QChar(0x00C7) || c == QChar(0x00E7)) // Ç, right of the accent key
        return Qt::Key_Ccedilla;
    return 0;
}

int KeyboardManager::letterRelation(const QString& letterA, const QString& letterB) const
{
    return keyRelation(letterToKey(letterA), letterToKey(letterB));
}

bool KeyboardManager::isLetterKey(const QString& text, bool useCh, bool useLl)
{
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return true;
    if (c == QChar(0x00E7) || c == QChar(0x00F1)) // ç, ñ
        return true;
    return (useCh && c == QLatin1Char(',')) || (useLl && c == QLatin1Char('.'));
}
