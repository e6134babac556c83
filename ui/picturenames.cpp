#include "picturenames.h"

#include <QFileInfo>

namespace {

struct Entry
{
    const char* picture; // base name of the normal picture
    const char* name;
    const char* description;
};

// clang-format off
const Entry kEntries[] = {
    {"letras", QT_TRANSLATE_NOOP("PictureNames", "Letras"),
     QT_TRANSLATE_NOOP("PictureNames", "Menú de las actividades con letras: señas, lectura labial y dactilología.")},
    {"letras_leer", QT_TRANSLATE_NOOP("PictureNames", "Letras"),
     QT_TRANSLATE_NOOP("PictureNames", "Menú de las actividades con letras: señas, lectura labial y dactilología.")},
    {"leerescribir", QT_TRANSLATE_NOOP("PictureNames", "Leer y escribir"),
     QT_TRANSLATE_NOOP("PictureNames", "Menú de los cuentos y de los ejercicios de escritura.")},
    {"leerescribir_leer", QT_TRANSLATE_NOOP("PictureNames", "Leer y escribir"),
     QT_TRANSLATE_NOOP("PictureNames", "Menú de los cuentos y de los ejercicios de escritura.")},
    {"senas", QT_TRANSLATE_NOOP("PictureNames", "Señas"),
     QT_TRANSLATE_NOOP("PictureNames", "Actividades con palabras en lengua de signos.")},
    {"labial", QT_TRANSLATE_NOOP("PictureNames", "Labial"),
     QT_TRANSLATE_NOOP("PictureNames", "Actividades con vídeos de lectura labial.")},
    {"dactilologico", QT_TRANSLATE_NOOP("PictureNames", "Dactilológico"),
     QT_TRANSLATE_NOOP("PictureNames", "Actividades con el alfabeto dactilológico.")},
    {"leer", QT_TRANSLATE_NOOP("PictureNames", "Leer"),
     QT_TRANSLATE_NOOP("PictureNames", "Cuentos ilustrados para leer.")},
    {"escribir", QT_TRANSLATE_NOOP("PictureNames", "Escribir"),
     QT_TRANSLATE_NOOP("PictureNames", "Ejercicios de escritura con el teclado.")},
    {"submenu1", QT_TRANSLATE_NOOP("PictureNames", "Espacio vacío"),
     QT_TRANSLATE_NOOP("PictureNames", "Este lugar del menú no tiene ninguna actividad.")},
    {"submenu2", QT_TRANSLATE_NOOP("PictureNames", "Espacio vacío"),
     QT_TRANSLATE_NOOP("PictureNames", "Este lugar del menú no tiene ninguna actividad.")},
    {"submenu3", QT_TRANSLATE_NOOP("PictureNames", "Espacio vacío"),
     QT_TRANSLATE_NOOP("PictureNames", "Este lugar del menú no tiene ninguna actividad.")},
    {"subsubmenu1", QT_TRANSLATE_NOOP("PictureNames", "Espacio vacío"),
     QT_TRANSLATE_NOOP("PictureNames", "Este lugar del menú no tiene ninguna actividad.")},
    {"subsubmenu2", QT_TRANSLATE_NOOP("PictureNames", "Espacio vacío"),
     QT_TRANSLATE_NOOP("PictureNames", "Este lugar del menú no tiene ninguna actividad.")},
    {"tepresentosenas", QT_TRANSLATE_NOOP("PictureNames", "Te presento palabras"),
     QT_TRANSLATE_NOOP("PictureNames", "Al escribir una letra aparece una palabra que empieza por ella, con su imagen y su seña.")},
    {"comoempiezasenas", QT_TRANSLATE_NOOP("PictureNames", "¿Cómo empieza esta palabra?"),
     QT_TRANSLATE_NOOP("PictureNames", "Ejercicio: mirar la imagen y la seña de una palabra y escribir su primera letra.")},
    {"digoletraslabial", QT_TRANSLATE_NOOP("PictureNames", "Te digo las letras"),
     QT_TRANSLATE_NOOP("PictureNames", "Al escribir una letra aparece una palabra que empieza por ella, con su vídeo de lectura labial.")},
    {"comoempiezalabial", QT_TRANSLATE_NOOP("PictureNames", "¿Cómo comienza esta palabra labial?"),
     QT_TRANSLATE_NOOP("PictureNames", "Ejercicio: mirar el vídeo de lectura labial de una palabra y escribir su primera letra.")},
    {"presentodactilologico", QT_TRANSLATE_NOOP("PictureNames", "Te presento las letras"),
     QT_TRANSLATE_NOOP("PictureNames", "Al escribir una letra aparece su seña del alfabeto dactilológico y una palabra.")},
    {"letradactilologico", QT_TRANSLATE_NOOP("PictureNames", "¿Qué letra es?"),
     QT_TRANSLATE_NOOP("PictureNames", "Ejercicio: mirar la seña de la mano y escribir la letra que muestra.")},
    {"escribir1", QT_TRANSLATE_NOOP("PictureNames", "Escribir la letra que falta"),
     QT_TRANSLATE_NOOP("PictureNames", "Ejercicio: escribir la letra que le falta a una palabra.")},
    {"escribir2", QT_TRANSLATE_NOOP("PictureNames", "Escribir la palabra"),
     QT_TRANSLATE_NOOP("PictureNames", "Ejercicio: escribir con el teclado la palabra entera, letra por letra.")},
    {"archivo", QT_TRANSLATE_NOOP("PictureNames", "Archivo"),
     QT_TRANSLATE_NOOP("PictureNames", "Abre o cierra el menú con el usuario, la configuración, el administrador, el progreso y la salida.")},
    {"ayuda", QT_TRANSLATE_NOOP("PictureNames", "Ayuda"),
     QT_TRANSLATE_NOOP("PictureNames", "Abre la ayuda, desde donde se abre el manual de Ondalira.")},
    {"usuario", QT_TRANSLATE_NOOP("PictureNames", "Usuario"),
     QT_TRANSLATE_NOOP("PictureNames", "Elegir, agregar o borrar usuarios.")},
    {"config", QT_TRANSLATE_NOOP("PictureNames", "Configuración"),
     QT_TRANSLATE_NOOP("PictureNames", "Elegir las letras, las categorías y la forma de mostrar las palabras para este usuario.")},
    {"administrador", QT_TRANSLATE_NOOP("PictureNames", "Administrador de Medios"),
     QT_TRANSLATE_NOOP("PictureNames", "Agregar y editar palabras con sus imágenes y vídeos, y sus categorías.")},
    {"progreso", QT_TRANSLATE_NOOP("PictureNames", "Progreso"),
     QT_TRANSLATE_NOOP("PictureNames", "Lo que ha aprendido cada usuario: letras, ejercicios y días, con informe en PDF.")},
    {"salir", QT_TRANSLATE_NOOP("PictureNames", "Salir"),
     QT_TRANSLATE_NOOP("PictureNames", "Muestra los créditos y cierra Ondalira.")},
    {"cuentos", QT_TRANSLATE_NOOP("PictureNames", "Cuentos"),
     QT_TRANSLATE_NOOP("PictureNames", "Título de la lista de cuentos.")},
    {"fabulas", QT_TRANSLATE_NOOP("PictureNames", "Fábulas"),
     QT_TRANSLATE_NOOP("PictureNames", "Título de la lista de fábulas.")},
    {"leer1", QT_TRANSLATE_NOOP("PictureNames", "Primer cuento"),
     QT_TRANSLATE_NOOP("PictureNames", "Muestra el cuento página a página.")},
    {"leer2", QT_TRANSLATE_NOOP("PictureNames", "Segundo cuento"),
     QT_TRANSLATE_NOOP("PictureNames", "Muestra el cuento página a página.")},
    {"leer3", QT_TRANSLATE_NOOP("PictureNames", "Tercer cuento"),
     QT_TRANSLATE_NOOP("PictureNames", "Muestra el cuento página a página.")},
    {"leer4", QT_TRANSLATE_NOOP("PictureNames", "Primera fábula"),
     QT_TRANSLATE_NOOP("PictureNames", "Muestra la fábula página a página.")},
    {"leer5", QT_TRANSLATE_NOOP("PictureNames", "Segunda fábula"),
     QT_TRANSLATE_NOOP("PictureNames", "Muestra la fábula página a página.")},
    {"repetir", QT_TRANSLATE_NOOP("PictureNames", "Repetir"),
     QT_TRANSLATE_NOOP("PictureNames", "Vuelve a mostrar la palabra o la pregunta.")},
    {"esconder", QT_TRANSLATE_NOOP("PictureNames", "Esconder la palabra"),
     QT_TRANSLATE_NOOP("PictureNames", "Esconde o vuelve a mostrar la palabra escrita.")},
    {"letrasstopmo", QT_TRANSLATE_NOOP("PictureNames", "Letra por letra"),
     QT_TRANSLATE_NOOP("PictureNames", "Cuando está marcado, las palabras se muestran letra por letra.")},
    {"fizq", QT_TRANSLATE_NOOP("PictureNames", "Página anterior"),
     QT_TRANSLATE_NOOP("PictureNames", "Vuelve a la página anterior del cuento.")},
    {"fder", QT_TRANSLATE_NOOP("PictureNames", "Página siguiente"),
     QT_TRANSLATE_NOOP("PictureNames", "Pasa a la página siguiente del cuento.")},
};
// clang-format on

const Entry* find(const QString& picturePath)
{
    const QString base = QFileInfo(picturePath).completeBaseName();
    for (const Entry& entry : kEntries) {
        if (base == QLatin1String(entry.picture))
            return &entry;
    }
    return nullptr;
}

} // namespace

QString PictureNames::name(const QString& picturePath)
{
    const Entry* entry = find(picturePath);
    return entry ? tr(entry->name) : QString();
}

QString PictureNames::description(const QString& picturePath)
{
    const Entry* entry = find(picturePath);
    return entry ? tr(entry->description) : QString();
}

QStringList PictureNames::knownPictures()
{
    QStringList pictures;
    for (const Entry& entry : kEntries)
        pictures << QLatin1String(entry.picture);
    return pictures;
}
