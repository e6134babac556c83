// Names for the pictures and players of the screen, so that a screen reader
// can tell an adult what each of them is. The picture buttons name
// themselves after their pictures (MenuWidget, PictureNames).
#include "mainwindow.h"

#include "imagewidget.h"
#include "sequencewidget.h"
#include "videoplayer.h"

#include <QLabel>

namespace {
void describe(QWidget* widget, const QString& name, const QString& description)
{
    if (!widget)
        return;
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}
} // namespace

void MainWindow::describeScreen()
{
    describe(pictureHolder, tr("Imagen de la palabra"), tr("La imagen de lo que nombra la palabra."));
    describe(bottomLetterHolder, tr("Letra elegida"), tr("La letra elegida, en grande."));
    describe(videoPlayer, tr("Vídeo de la palabra"), tr("La seña o la lectura labial de la palabra."));
    describe(splashPlayer, tr("Vídeo de presentación"), tr("Los vídeos de presentación de Ondalira."));
    describe(titleLabel, tr("Título de la actividad"), tr("El nombre de la actividad en curso."));
    describe(orientationLabel, tr("Flecha de orientación"),
             tr("Señala hacia qué lado del teclado está la tecla correcta."));
    describe(feedbackLabel, tr("Respuesta"), tr("Una imagen que dice si la respuesta es correcta."));
    describe(noWordsWarning, tr("Aviso: no hay palabras"),
             tr("Las letras y las categorías elegidas para este usuario no tienen ninguna palabra."));
    describe(noRepetitionWarning, tr("Aviso: nada que repetir"), tr("Todavía no hay nada que repetir."));
    describe(handSequence, tr("Deletreo con las manos"),
             tr("La palabra deletreada con el alfabeto dactilológico."));
    describe(handLabel, tr("Seña de la letra"), tr("La mano que muestra la letra."));
    describe(flusSequence, tr("Deletreo con las manos"),
             tr("La palabra deletreada con el alfabeto dactilológico."));
    describe(storySequence, tr("Página del cuento"), tr("La página del cuento que se está leyendo."));
    describe(creditsLabel, tr("Créditos"), tr("Las personas que han hecho Ondalira."));
}
