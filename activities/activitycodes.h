#pragma once

// The activity codes that the menus start and the engine branches on.
namespace Activity {

constexpr int SignWords = 20;      // "te presento palabras"
constexpr int SignFirstLetter = 21; // "como empieza esta palabra"
constexpr int LipLetters = 22;     // "te digo las letras"
constexpr int LipFirstLetter = 23; // "como comienza esta palabra labial"
constexpr int HandWords = 24;      // "te presento las letras"
constexpr int HandLetter = 25;     // "que letra es"
constexpr int MissingLetter = 30;  // "escribir1"
constexpr int TypeWord = 31;       // "escribir2"

constexpr int StoriesSubMenu = 14;

// The child types a letter and a word is presented for it.
constexpr bool isPresentation(int code)
{
    return code == SignWords || code == LipLetters || code == HandWords;
}

// The program picks a letter and a word and the child answers.
constexpr bool isExercise(int code)
{
    return code == SignFirstLetter || code == LipFirstLetter || code == HandLetter
        || code == MissingLetter || code == TypeWord;
}

} // namespace Activity
