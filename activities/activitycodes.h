#pragma once

// The activity codes that the menus start (see ActivityRegistry).
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

} // namespace Activity
