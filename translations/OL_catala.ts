<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES" sourcelanguage="es_ES">
<context>
    <name>AdmWindow</name>
    <message>
        <source>Administrador de Medios</source>
        <translation>Administrador de mitjans</translation>
    </message>
    <message>
        <source>Agregar palabra</source>
        <translation>Afegeix una paraula</translation>
    </message>
    <message>
        <source>Editar palabra</source>
        <translation>Edita la paraula</translation>
    </message>
    <message>
        <source>Eliminar palabra</source>
        <translation>Elimina la paraula</translation>
    </message>
    <message>
        <source>Agregar categoría</source>
        <translation>Afegeix una categoria</translation>
    </message>
    <message>
        <source>Editar categoría</source>
        <translation>Edita la categoria</translation>
    </message>
    <message>
        <source>Eliminar categoría</source>
        <translation>Elimina la categoria</translation>
    </message>
    <message>
        <source>Ver palabras de esta categoría</source>
        <translation>Mostra les paraules d&apos;aquesta categoria</translation>
    </message>
    <message>
        <source>Letras</source>
        <translation>Lletres</translation>
    </message>
    <message>
        <source>Categorías</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Medios instalados</source>
        <translation>Mitjans instal·lats</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Eliminar letra</source>
        <translation>Elimina la lletra</translation>
    </message>
    <message>
        <source>La letra %1 ha sido eliminada exitosamente.</source>
        <translation>La lletra %1 s&apos;ha eliminat correctament.</translation>
    </message>
    <message>
        <source>La palabra %1 ha sido eliminada exitosamente.</source>
        <translation>La paraula %1 s&apos;ha eliminat correctament.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>La letra %1 no ha sido eliminada: su carpeta %2 no se puede modificar.</source>
        <translation>La lletra %1 no s&apos;ha eliminat: la seva carpeta %2 no es pot modificar.</translation>
    </message>
    <message>
        <source>La letra %1 no ha sido eliminada: la base de datos no pudo modificarse.</source>
        <translation>La lletra %1 no s&apos;ha eliminat: la base de dades no s&apos;ha pogut modificar.</translation>
    </message>
    <message>
        <source>La palabra %1 no ha sido eliminada: su carpeta %2 no se puede modificar.</source>
        <translation>La paraula %1 no s&apos;ha eliminat: la seva carpeta %2 no es pot modificar.</translation>
    </message>
    <message>
        <source>La palabra %1 no ha sido eliminada: la base de datos no pudo modificarse.</source>
        <translation>La paraula %1 no s&apos;ha eliminat: la base de dades no s&apos;ha pogut modificar.</translation>
    </message>
    <message>
        <source>Eliminar carpeta</source>
        <translation>Elimina la carpeta</translation>
    </message>
    <message>
        <source>¿Está seguro de eliminar la carpeta %1?
Ninguna palabra usa esta carpeta; se eliminarán la carpeta y los archivos que contiene. La letra y sus palabras no cambian.</source>
        <translation>Esteu segur que voleu eliminar la carpeta %1?
Cap paraula no fa servir aquesta carpeta; s&apos;eliminaran la carpeta i els fitxers que conté. La lletra i les seves paraules no canvien.</translation>
    </message>
    <message>
        <source>La carpeta %1 no se puede modificar; no se ha eliminado.</source>
        <translation>La carpeta %1 no es pot modificar; no s&apos;ha eliminat.</translation>
    </message>
    <message>
        <source>La carpeta %1 ha sido eliminada exitosamente.</source>
        <translation>La carpeta %1 s&apos;ha eliminat correctament.</translation>
    </message>
    <message>
        <source>%1 ya no está en el administrador, pero algunos de sus archivos no pudieron borrarse y quedan en %2.</source>
        <translation>%1 ja no és a l&apos;administrador, però alguns dels seus fitxers no s&apos;han pogut esborrar i queden a %2.</translation>
    </message>
    <message>
        <source>La categoría %1 no ha sido eliminada: la base de datos no pudo modificarse.</source>
        <translation>La categoria %1 no s&apos;ha eliminat: la base de dades no s&apos;ha pogut modificar.</translation>
    </message>
    <message>
        <source>&amp;Sí</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>¿Está seguro de eliminar la letra %1?
Todas las palabras y los medios asociados con esta letra serán eliminados.</source>
        <translation>Segur que voleu eliminar la lletra %1?
S&apos;eliminaran totes les paraules i els mitjans associats a aquesta lletra.</translation>
    </message>
    <message>
        <source>¿Está seguro de eliminar la palabra %1?
Todos los medios asociados con esta palabra serán eliminados.</source>
        <translation>Segur que voleu eliminar la paraula %1?
S&apos;eliminaran tots els mitjans associats a aquesta paraula.</translation>
    </message>
    <message>
        <source>¿Está seguro de eliminar la categoría %1?</source>
        <translation>Segur que voleu eliminar la categoria %1?</translation>
    </message>
    <message>
        <source>La categoría %1 ha sido eliminada exitosamente.</source>
        <translation>La categoria %1 s&apos;ha eliminat correctament.</translation>
    </message>
    <message>
        <source>Exportar paquete…</source>
        <translation>Exporta un paquet…</translation>
    </message>
    <message>
        <source>Importar paquete…</source>
        <translation>Importa un paquet…</translation>
    </message>
    <message>
        <source>Importar paquete</source>
        <translation>Importa un paquet</translation>
    </message>
    <message>
        <source>Paquetes de Ondalira (*.%1)</source>
        <translation>Paquets d&apos;Ondalira (*.%1)</translation>
    </message>
    <message>
        <source>La palabra «%1» cambió en otro equipo después de elegirla: no se ha borrado nada. Elíjala de nuevo para ver cómo quedó.</source>
        <translation>La paraula «%1» ha canviat en un altre ordinador després de triar-la: no s&apos;ha esborrat res. Torneu-la a triar per veure com ha quedat.</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>%1 se está eliminando ahora mismo en otro equipo: aquí no se ha cambiado nada.</source>
        <translation>%1 s&apos;està eliminant ara mateix en un altre ordinador: aquí no s&apos;ha canviat res.</translation>
    </message>
</context>
<context>
    <name>AdminCli</name>
    <message>
        <source>No se puede abrir la base de datos %1.</source>
        <translation>No es pot obrir la base de dades %1.</translation>
    </message>
    <message>
        <source>export, import o show</source>
        <translation>export, import o show</translation>
    </message>
    <message>
        <source>el paquete (.ondalira)</source>
        <translation>el paquet (.ondalira)</translation>
    </message>
    <message>
        <source>Exporta las palabras de esta letra (se puede repetir).</source>
        <translation>Exporta les paraules d&apos;aquesta lletra (es pot repetir).</translation>
    </message>
    <message>
        <source>Exporta las palabras de esta categoría (se puede repetir).</source>
        <translation>Exporta les paraules d&apos;aquesta categoria (es pot repetir).</translation>
    </message>
    <message>
        <source>Título del paquete.</source>
        <translation>Títol del paquet.</translation>
    </message>
    <message>
        <source>Autor del paquete.</source>
        <translation>Autor del paquet.</translation>
    </message>
    <message>
        <source>Licencia del paquete.</source>
        <translation>Llicència del paquet.</translation>
    </message>
    <message>
        <source>Idioma de las palabras que se exportan (el primero si no se dice).</source>
        <translation>Idioma de les paraules que s&apos;exporten (el primer si no es diu).</translation>
    </message>
    <message>
        <source>Con las palabras que ya existen: conservar la de aquí (así por omisión).</source>
        <translation>Amb les paraules que ja existeixen: conserva la d&apos;aquí (així per defecte).</translation>
    </message>
    <message>
        <source>Con las palabras que ya existen: tomar la del paquete.</source>
        <translation>Amb les paraules que ja existeixen: pren la del paquet.</translation>
    </message>
    <message>
        <source>Con las palabras que ya existen: conservar ambas.</source>
        <translation>Amb les paraules que ja existeixen: conserva les dues.</translation>
    </message>
    <message>
        <source>Se espera una orden y un archivo; vea --help.</source>
        <translation>S&apos;espera una ordre i un fitxer; vegeu --help.</translation>
    </message>
    <message>
        <source>No existe ese idioma.</source>
        <translation>Aquest idioma no existeix.</translation>
    </message>
    <message>
        <source>No hay palabras que exportar.</source>
        <translation>No hi ha paraules per exportar.</translation>
    </message>
    <message>
        <source>Se exportaron %1 palabras a %2.</source>
        <translation>S&apos;han exportat %1 paraules a %2.</translation>
    </message>
    <message>
        <source>Orden desconocida: %1; vea --help.</source>
        <translation>Ordre desconeguda: %1; vegeu --help.</translation>
    </message>
    <message>
        <source>Elija solo una de --keep-mine, --take-theirs y --keep-both.</source>
        <translation>Trieu només una de --keep-mine, --take-theirs i --keep-both.</translation>
    </message>
    <message>
        <source>No se puede importar este paquete: %1</source>
        <translation>No es pot importar aquest paquet: %1</translation>
    </message>
    <message>
        <source>Este programa no tiene el idioma del paquete (%1).</source>
        <translation>Aquest programa no té l&apos;idioma del paquet (%1).</translation>
    </message>
    <message>
        <source>No se importó nada: %1</source>
        <translation>No s&apos;ha importat res: %1</translation>
    </message>
    <message>
        <source>Paquetes de contenido de Ondalira: palabras con sus imágenes, videos y categorías.

Órdenes:
  export ARCHIVO   escribe un paquete con las palabras elegidas (todas si no se elige nada)
  import ARCHIVO   comprueba un paquete y añade sus palabras
  show ARCHIVO     comprueba un paquete y muestra lo que añadiría
  server-init, server-status, server-upgrade   el servidor de la escuela (ondalira-admin server-init --help)

La carpeta del programa es la de ONDALIRA_HOME o la del ejecutable.</source>
        <translation>Paquets de contingut d&apos;Ondalira: paraules amb les seves imatges, vídeos i categories.

Ordres:
  export FITXER    escriu un paquet amb les paraules triades (totes si no se&apos;n tria cap)
  import FITXER    comprova un paquet i n&apos;afegeix les paraules
  show FITXER      comprova un paquet i mostra què afegiria
  server-init, server-status, server-upgrade   el servidor de l&apos;escola (ondalira-admin server-init --help)

La carpeta del programa és la d&apos;ONDALIRA_HOME o la de l&apos;executable.</translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message>
        <source>Categoría</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Agregar</source>
        <translation>Afegeix</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Categoría nueva</source>
        <translation>Categoria nova</translation>
    </message>
    <message>
        <source>Editar categoría</source>
        <translation>Edita la categoria</translation>
    </message>
    <message>
        <source>Campos vacíos en formulario.</source>
        <translation>Hi ha camps buits al formulari.</translation>
    </message>
    <message>
        <source>Categoría repetida.</source>
        <translation>Categoria repetida.</translation>
    </message>
    <message>
        <source>Ya existe la categoría %1 en este idioma. Los nombres que solo se distinguen por mayúsculas o acentos cuentan como el mismo.</source>
        <translation>Ja hi ha una categoria %1 en aquest idioma. Els noms que només es distingeixen per majúscules o accents compten com el mateix.</translation>
    </message>
    <message>
        <source>Error.</source>
        <translation>Error.</translation>
    </message>
    <message>
        <source>La categoría %1 no ha sido creada o actualizada.</source>
        <translation>No s&apos;ha pogut crear ni actualitzar la categoria %1.</translation>
    </message>
    <message>
        <source>Categoría editada.</source>
        <translation>Categoria editada.</translation>
    </message>
    <message>
        <source>La categoría %1 ha sido editada exitosamente.</source>
        <translation>La categoria %1 s&apos;ha editat correctament.</translation>
    </message>
    <message>
        <source>Categoría creada.</source>
        <translation>Categoria creada.</translation>
    </message>
    <message>
        <source>La categoría %1 ha sido creada exitosamente.</source>
        <translation>La categoria %1 s&apos;ha creat correctament.</translation>
    </message>
    <message>
        <source>Idioma: %1</source>
        <translation>Idioma: %1</translation>
    </message>
    <message>
        <source>Por favor complete todos los campos del formulario.</source>
        <translation>Ompliu tots els camps del formulari.</translation>
    </message>
</context>
<context>
    <name>CategoryWordWidget</name>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Lista de palabras asociadas a la categoría: %1</source>
        <translation>Llista de paraules de la categoria: %1</translation>
    </message>
</context>
<context>
    <name>ConfigWidget</name>
    <message>
        <source>Letras</source>
        <translation>Lletres</translation>
    </message>
    <message>
        <source>Categorías</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Marcar todas</source>
        <translation>Marca-les totes</translation>
    </message>
    <message>
        <source>Desmarcar todas</source>
        <translation>Desmarca-les totes</translation>
    </message>
    <message>
        <source>Mostrar la primera letra de la palabra en mayúscula</source>
        <translation>Mostra la primera lletra de la paraula en majúscula</translation>
    </message>
    <message>
        <source>Mostrar la imagen, el video y la palabra con pausas entre ellos</source>
        <translation>Mostra la imatge, el vídeo i la paraula amb pauses entre ells</translation>
    </message>
    <message>
        <source>Orden de presentación de los elementos</source>
        <translation>Ordre de presentació dels elements</translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation>Configuració</translation>
    </message>
    <message>
        <source>Palabra, imagen, video</source>
        <translation>Paraula, imatge, vídeo</translation>
    </message>
    <message>
        <source>Palabra, video, imagen</source>
        <translation>Paraula, vídeo, imatge</translation>
    </message>
    <message>
        <source>Imagen, palabra, video</source>
        <translation>Imatge, paraula, vídeo</translation>
    </message>
    <message>
        <source>Imagen, video, palabra</source>
        <translation>Imatge, vídeo, paraula</translation>
    </message>
    <message>
        <source>Video, palabra, imagen</source>
        <translation>Vídeo, paraula, imatge</translation>
    </message>
    <message>
        <source>Video, imagen, palabra</source>
        <translation>Vídeo, imatge, paraula</translation>
    </message>
    <message>
        <source>No hay palabras disponibles</source>
        <translation>No hi ha paraules disponibles</translation>
    </message>
    <message>
        <source>No se guardó la configuración</source>
        <translation>No s&apos;ha desat la configuració</translation>
    </message>
    <message>
        <source>La configuración de %1 no se ha podido guardar en la base de datos; sigue la anterior. Revise que haya espacio en el disco y permiso de escritura, y vuelva a intentarlo.</source>
        <translation>La configuració de %1 no s&apos;ha pogut desar a la base de dades; continua l&apos;anterior. Comproveu que hi hagi espai al disc i permís d&apos;escriptura, i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>Clave de adulto…</source>
        <translation>Clau d&apos;adult…</translation>
    </message>
    <message>
        <source>Mostrar palabras en minúsculas</source>
        <translation>Mostra les paraules en minúscules</translation>
    </message>
    <message>
        <source>La configuración actual de letras y categorías hace que la lista de palabras disponibles esté vacía. Por favor revise su selección.</source>
        <translation>Amb la configuració actual de lletres i categories, la llista de paraules disponibles és buida. Reviseu la selecció.</translation>
    </message>
    <message>
        <source>Sonido</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Solo escuchar</source>
        <translation>Només escoltar</translation>
    </message>
    <message>
        <source>En «¿Cómo empieza esta palabra?» la pregunta es solo la palabra dicha: ni imagen ni labios hasta la respuesta.</source>
        <translation>A «Com comença aquesta paraula?» la pregunta és només la paraula dita: ni imatge ni llavis fins a la resposta.</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volum</translation>
    </message>
    <message>
        <source>Este ordenador no tiene salida de sonido: los videos se verán sin sonido.</source>
        <translation>Aquest ordinador no té sortida de so: els vídeos es veuran sense so.</translation>
    </message>
</context>
<context>
    <name>ContentPack</name>
    <message>
        <source>una entrada sin nombre</source>
        <translation>una entrada sense nom</translation>
    </message>
    <message>
        <source>un nombre que no es UTF-8 válido</source>
        <translation>un nom que no és UTF-8 vàlid</translation>
    </message>
    <message>
        <source>un nombre demasiado largo</source>
        <translation>un nom massa llarg</translation>
    </message>
    <message>
        <source>una barra invertida en «%1»</source>
        <translation>una barra inversa a «%1»</translation>
    </message>
    <message>
        <source>una ruta absoluta «%1»</source>
        <translation>un camí absolut «%1»</translation>
    </message>
    <message>
        <source>una letra de unidad en «%1»</source>
        <translation>una lletra d&apos;unitat a «%1»</translation>
    </message>
    <message>
        <source>un carácter de control en «%1»</source>
        <translation>un caràcter de control a «%1»</translation>
    </message>
    <message>
        <source>«..» en «%1»</source>
        <translation>«..» a «%1»</translation>
    </message>
    <message>
        <source>una ruta mal formada «%1»</source>
        <translation>un camí mal format «%1»</translation>
    </message>
    <message>
        <source>un enlace simbólico «%1»</source>
        <translation>un enllaç simbòlic «%1»</translation>
    </message>
    <message>
        <source>un dispositivo o archivo especial «%1»</source>
        <translation>un dispositiu o fitxer especial «%1»</translation>
    </message>
    <message>
        <source>otra</source>
        <translation>una altra</translation>
    </message>
    <message>
        <source>El índice del paquete está dañado (%1).</source>
        <translation>L&apos;índex del paquet està malmès (%1).</translation>
    </message>
    <message>
        <source>El índice del paquete no dice su versión.</source>
        <translation>L&apos;índex del paquet no diu la seva versió.</translation>
    </message>
    <message>
        <source>El paquete es de una versión más nueva del programa (formato %1); actualice el programa para abrirlo.</source>
        <translation>El paquet és d&apos;una versió més nova del programa (format %1); actualitzeu el programa per obrir-lo.</translation>
    </message>
    <message>
        <source>Al índice del paquete le falta el idioma, el título, el autor o la licencia.</source>
        <translation>A l&apos;índex del paquet li falta l&apos;idioma, el títol, l&apos;autor o la llicència.</translation>
    </message>
    <message>
        <source>Al índice del paquete le faltan las palabras o los archivos.</source>
        <translation>A l&apos;índex del paquet li falten les paraules o els fitxers.</translation>
    </message>
    <message>
        <source>Un archivo del índice del paquete está mal descrito.</source>
        <translation>Un fitxer de l&apos;índex del paquet està mal descrit.</translation>
    </message>
    <message>
        <source>La suma de comprobación de «%1» está mal escrita.</source>
        <translation>La suma de comprovació de «%1» està mal escrita.</translation>
    </message>
    <message>
        <source>El paquete tiene %1.</source>
        <translation>El paquet té %1.</translation>
    </message>
    <message>
        <source>El índice del paquete nombra dos veces «%1».</source>
        <translation>L&apos;índex del paquet anomena dues vegades «%1».</translation>
    </message>
    <message>
        <source>Una palabra del índice del paquete está mal descrita.</source>
        <translation>Una paraula de l&apos;índex del paquet està mal descrita.</translation>
    </message>
    <message>
        <source>Una categoría del índice del paquete está mal escrita.</source>
        <translation>Una categoria de l&apos;índex del paquet està mal escrita.</translation>
    </message>
    <message>
        <source>La palabra «%1» nombra un archivo que el paquete no lista.</source>
        <translation>La paraula «%1» anomena un fitxer que el paquet no llista.</translation>
    </message>
    <message>
        <source>No se pudo leer una palabra de la base de datos.</source>
        <translation>No s&apos;ha pogut llegir una paraula de la base de dades.</translation>
    </message>
    <message>
        <source>Falta el archivo %1 de la palabra «%2».</source>
        <translation>Falta el fitxer %1 de la paraula «%2».</translation>
    </message>
    <message>
        <source>El nombre del archivo %1 no puede ir en un paquete.</source>
        <translation>El nom del fitxer %1 no pot anar en un paquet.</translation>
    </message>
    <message>
        <source>No se pudo crear el archivo %1.</source>
        <translation>No s&apos;ha pogut crear el fitxer %1.</translation>
    </message>
    <message>
        <source>No se pudo leer %1.</source>
        <translation>No s&apos;ha pogut llegir %1.</translation>
    </message>
    <message>
        <source>No se pudo copiar %1 al paquete (¿cambió durante la copia o está lleno el disco?).</source>
        <translation>No s&apos;ha pogut copiar %1 al paquet (ha canviat durant la còpia o el disc és ple?).</translation>
    </message>
    <message>
        <source>Exportación cancelada.</source>
        <translation>Exportació cancel·lada.</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo %1 (¿está lleno el disco?).</source>
        <translation>No s&apos;ha pogut escriure el fitxer %1 (el disc és ple?).</translation>
    </message>
    <message>
        <source>No se encuentra el archivo %1.</source>
        <translation>No es troba el fitxer %1.</translation>
    </message>
    <message>
        <source>El archivo no es un paquete o está cortado o dañado.</source>
        <translation>El fitxer no és un paquet o està tallat o malmès.</translation>
    </message>
    <message>
        <source>El paquete está dañado: no se puede leer su índice de archivos.</source>
        <translation>El paquet està malmès: no se&apos;n pot llegir l&apos;índex de fitxers.</translation>
    </message>
    <message>
        <source>El paquete tiene demasiados archivos.</source>
        <translation>El paquet té massa fitxers.</translation>
    </message>
    <message>
        <source>El paquete tiene un archivo cifrado «%1».</source>
        <translation>El paquet té un fitxer xifrat «%1».</translation>
    </message>
    <message>
        <source>El paquete tiene dos veces «%1».</source>
        <translation>El paquet té dues vegades «%1».</translation>
    </message>
    <message>
        <source>El paquete usa una compresión desconocida en «%1».</source>
        <translation>El paquet fa servir una compressió desconeguda a «%1».</translation>
    </message>
    <message>
        <source>El índice del paquete es demasiado grande.</source>
        <translation>L&apos;índex del paquet és massa gran.</translation>
    </message>
    <message>
        <source>El paquete es una bomba de compresión: «%1» ocuparía %2 MB.</source>
        <translation>El paquet és una bomba de compressió: «%1» ocuparia %2 MB.</translation>
    </message>
    <message>
        <source>El paquete es una bomba de compresión.</source>
        <translation>El paquet és una bomba de compressió.</translation>
    </message>
    <message>
        <source>Al paquete le falta su índice (%1).</source>
        <translation>Al paquet li falta l&apos;índex (%1).</translation>
    </message>
    <message>
        <source>No se puede leer el índice del paquete.</source>
        <translation>No es pot llegir l&apos;índex del paquet.</translation>
    </message>
    <message>
        <source>El índice del paquete está dañado.</source>
        <translation>L&apos;índex del paquet està malmès.</translation>
    </message>
    <message>
        <source>El paquete tiene una carpeta con contenido «%1».</source>
        <translation>El paquet té una carpeta amb contingut «%1».</translation>
    </message>
    <message>
        <source>El paquete tiene un archivo que su índice no nombra: «%1».</source>
        <translation>El paquet té un fitxer que el seu índex no anomena: «%1».</translation>
    </message>
    <message>
        <source>El tamaño de «%1» no coincide con el del índice del paquete.</source>
        <translation>La mida de «%1» no coincideix amb la de l&apos;índex del paquet.</translation>
    </message>
    <message>
        <source>Falta en el paquete el archivo «%1».</source>
        <translation>Falta al paquet el fitxer «%1».</translation>
    </message>
    <message>
        <source>El paquete necesita %1 MB y solo quedan %2 MB libres.</source>
        <translation>El paquet necessita %1 MB i només queden %2 MB lliures.</translation>
    </message>
    <message>
        <source>El paquete no se ha abierto.</source>
        <translation>El paquet no s&apos;ha obert.</translation>
    </message>
    <message>
        <source>No se puede leer «%1» del paquete.</source>
        <translation>No es pot llegir «%1» del paquet.</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta %1.</source>
        <translation>No s&apos;ha pogut crear la carpeta %1.</translation>
    </message>
    <message>
        <source>No se pudo escribir %1.</source>
        <translation>No s&apos;ha pogut escriure %1.</translation>
    </message>
    <message>
        <source>No se pudo escribir %1 (¿está lleno el disco?).</source>
        <translation>No s&apos;ha pogut escriure %1 (el disc és ple?).</translation>
    </message>
    <message>
        <source>Importación cancelada.</source>
        <translation>Importació cancel·lada.</translation>
    </message>
    <message>
        <source>«%1» está dañado en el paquete, o el paquete está cortado.</source>
        <translation>«%1» està malmès al paquet, o el paquet està tallat.</translation>
    </message>
    <message>
        <source>La suma de comprobación de «%1» no coincide: el archivo cambió o está dañado.</source>
        <translation>La suma de comprovació de «%1» no coincideix: el fitxer ha canviat o està malmès.</translation>
    </message>
    <message>
        <source>Título: %1</source>
        <translation>Títol: %1</translation>
    </message>
    <message>
        <source>Autor: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Licencia: %1</source>
        <translation>Llicència: %1</translation>
    </message>
    <message>
        <source>Idioma: %1</source>
        <translation>Idioma: %1</translation>
    </message>
    <message>
        <source>Fecha: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Letra %1:</source>
        <translation>Lletra %1:</translation>
    </message>
    <message>
        <source>letra que este idioma no tiene: se omitirá</source>
        <translation>lletra que aquest idioma no té: s&apos;ometrà</translation>
    </message>
    <message>
        <source>ya existe</source>
        <translation>ja existeix</translation>
    </message>
    <message>
        <source>nueva</source>
        <translation>nova</translation>
    </message>
    <message>
        <source>Categorías que se crearán: %1</source>
        <translation>Categories que es crearan: %1</translation>
    </message>
    <message>
        <source>Tamaño total: %1 MB; espacio libre: %2 MB</source>
        <translation>Mida total: %1 MB; espai lliure: %2 MB</translation>
    </message>
    <message>
        <source>Añadidas: %1</source>
        <translation>Afegides: %1</translation>
    </message>
    <message>
        <source>Reemplazadas: %1</source>
        <translation>Substituïdes: %1</translation>
    </message>
    <message>
        <source>Conservadas: %1</source>
        <translation>Conservades: %1</translation>
    </message>
    <message>
        <source>Omitidas: %1</source>
        <translation>Omeses: %1</translation>
    </message>
    <message>
        <source>Categorías creadas: %1</source>
        <translation>Categories creades: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>«%1»: le falta un campo.</source>
        <translation>«%1»: li falta un camp.</translation>
    </message>
    <message>
        <source>«%1»: tiene caracteres que el programa no sabe mostrar (%2).</source>
        <translation>«%1»: té caràcters que el programa no sap mostrar (%2).</translation>
    </message>
    <message>
        <source>«%1»: la descripción no puede nombrar una carpeta.</source>
        <translation>«%1»: la descripció no pot anomenar una carpeta.</translation>
    </message>
    <message>
        <source>«%1»: ya hay aquí una palabra o carpeta «%2».</source>
        <translation>«%1»: ja hi ha aquí una paraula o carpeta «%2».</translation>
    </message>
    <message>
        <source>«%1»: el disco está lleno.</source>
        <translation>«%1»: el disc és ple.</translation>
    </message>
    <message>
        <source>«%1»: se guardó, pero sus archivos se colocarán al volver a abrir el programa.</source>
        <translation>«%1»: s&apos;ha desat, però els seus fitxers es col·locaran en tornar a obrir el programa.</translation>
    </message>
    <message>
        <source>«%1»: no se pudo guardar.</source>
        <translation>«%1»: no s&apos;ha pogut desar.</translation>
    </message>
    <message>
        <source>No se pudo crear una carpeta temporal junto a la biblioteca de medios.</source>
        <translation>No s&apos;ha pogut crear una carpeta temporal al costat de la biblioteca de mitjans.</translation>
    </message>
    <message>
        <source>La imagen «%1» de la palabra «%2» no se puede abrir en este equipo.</source>
        <translation>La imatge «%1» de la paraula «%2» no es pot obrir en aquest ordinador.</translation>
    </message>
    <message>
        <source>El video «%1» de la palabra «%2» no se puede reproducir en este equipo.</source>
        <translation>El vídeo «%1» de la paraula «%2» no es pot reproduir en aquest ordinador.</translation>
    </message>
    <message>
        <source>No se pudo crear la categoría «%1».</source>
        <translation>No s&apos;ha pogut crear la categoria «%1».</translation>
    </message>
    <message>
        <source>«%1»: no se pudo leer la palabra de aquí.</source>
        <translation>«%1»: no s&apos;ha pogut llegir la paraula d&apos;aquí.</translation>
    </message>
    <message>
        <source>Importación cancelada: las palabras anteriores quedan importadas.</source>
        <translation>Importació cancel·lada: les paraules anteriors queden importades.</translation>
    </message>
</context>
<context>
    <name>DatabaseMessages</name>
    <message>
        <source>le faltan partes que el programa necesita</source>
        <translation>li falten parts que el programa necessita</translation>
    </message>
    <message>
        <source>está dañado o no es una base de datos</source>
        <translation>està malmès o no és una base de dades</translation>
    </message>
    <message>
        <source>No se puede abrir la base de datos</source>
        <translation>No es pot obrir la base de dades</translation>
    </message>
    <message>
        <source>Hubo un problema abriendo la base de datos del programa.
Por favor revise su instalación o comuníquese con el desarrollador.</source>
        <translation>Hi ha hagut un problema en obrir la base de dades del programa.
Reviseu la instal·lació o poseu-vos en contacte amb el desenvolupador.</translation>
    </message>
    <message>
        <source>La base de datos está dañada</source>
        <translation>La base de dades està malmesa</translation>
    </message>
    <message>
        <source>El archivo %1 no es una base de datos que el programa pueda usar: %2.
El programa no lo modificará ni lo borrará.</source>
        <translation>El fitxer %1 no és una base de dades que el programa pugui fer servir: %2.
El programa no el modificarà ni l&apos;esborrarà.</translation>
    </message>
    <message>
        <source>Cierre el programa y reemplace ese archivo por una copia de seguridad, o vuelva a instalar el programa.</source>
        <translation>Tanqueu el programa i substituïu aquest fitxer per una còpia de seguretat, o torneu a instal·lar el programa.</translation>
    </message>
    <message>
        <source>Puede restaurar la copia más reciente, %1; el archivo dañado se conservará con otro nombre.</source>
        <translation>Podeu restaurar la còpia més recent, %1; el fitxer malmès es conservarà amb un altre nom.</translation>
    </message>
    <message>
        <source>Restaurar copia</source>
        <translation>Restaura la còpia</translation>
    </message>
    <message>
        <source>No se pudo restaurar la copia</source>
        <translation>No s&apos;ha pogut restaurar la còpia</translation>
    </message>
    <message>
        <source>La copia %1 no pudo ocupar el lugar de %2. Ningún archivo se ha borrado.</source>
        <translation>La còpia %1 no ha pogut ocupar el lloc de %2. No s&apos;ha esborrat cap fitxer.</translation>
    </message>
    <message>
        <source>No se pudo guardar una copia de %1 antes de actualizarla, así que no se ha actualizado. Revise que la carpeta tenga espacio y permiso de escritura.</source>
        <translation>No s&apos;ha pogut desar una còpia de %1 abans d&apos;actualitzar-la, així que no s&apos;ha actualitzat. Comproveu que la carpeta tingui espai i permís d&apos;escriptura.</translation>
    </message>
    <message>
        <source>La base de datos %1 no pudo actualizarse y queda como estaba. Algunas funciones pueden no estar disponibles.</source>
        <translation>La base de dades %1 no s&apos;ha pogut actualitzar i queda com estava. És possible que algunes funcions no estiguin disponibles.</translation>
    </message>
    <message>
        <source>No se pudo actualizar la base de datos</source>
        <translation>No s&apos;ha pogut actualitzar la base de dades</translation>
    </message>
    <message>
        <source>Falta la carpeta de medios</source>
        <translation>Falta la carpeta de mitjans</translation>
    </message>
    <message>
        <source>No se encuentra la carpeta %1, donde el programa guarda sus dibujos, sonidos y videos. Sin ella no puede mostrar las actividades.</source>
        <translation>No es troba la carpeta %1, on el programa desa els seus dibuixos, sons i vídeos. Sense ella no pot mostrar les activitats.</translation>
    </message>
    <message>
        <source>Vuelva a instalar el programa, o copie la carpeta de medios de una copia de seguridad en %1.</source>
        <translation>Torneu a instal·lar el programa, o copieu la carpeta de mitjans d&apos;una còpia de seguretat a %1.</translation>
    </message>
    <message>
        <source>Otros pueden leer el archivo de conexión</source>
        <translation>Altres poden llegir el fitxer de connexió</translation>
    </message>
    <message>
        <source>El archivo %1, que dice a qué servidor se conecta el programa, puede ser leído o modificado por otros usuarios de este ordenador. Permita leerlo solo a su dueño (chmod 600) y guarde las contraseñas en ~/.pgpass, nunca en ese archivo.</source>
        <translation>El fitxer %1, que diu a quin servidor es connecta el programa, pot ser llegit o modificat per altres usuaris d&apos;aquest ordinador. Permeteu llegir-lo només al seu propietari (chmod 600) i deseu les contrasenyes a ~/.pgpass, mai en aquest fitxer.</translation>
    </message>
    <message>
        <source>El archivo de conexión %1 no indica un servidor válido. Revise sus líneas database= y media=.</source>
        <translation>El fitxer de connexió %1 no indica un servidor vàlid. Reviseu-ne les línies database= i media=.</translation>
    </message>
    <message>
        <source>No se puede usar la base de datos del servidor %1, indicado en %2. Compruebe la red y que el servidor esté encendido, o avise al responsable de informática.</source>
        <translation>No es pot fer servir la base de dades del servidor %1, indicat a %2. Comproveu la xarxa i que el servidor estigui engegat, o aviseu el responsable d&apos;informàtica.</translation>
    </message>
    <message>
        <source>No se puede conectar con el servidor</source>
        <translation>No es pot connectar amb el servidor</translation>
    </message>
    <message>
        <source>La base de datos del servidor %1 es de una versión más nueva del programa. Actualice el programa en este ordenador antes de usarla.</source>
        <translation>La base de dades del servidor %1 és d&apos;una versió més nova del programa. Actualitzeu el programa en aquest ordinador abans de fer-la servir.</translation>
    </message>
    <message>
        <source>El servidor tiene otra versión de la base de datos</source>
        <translation>El servidor té una altra versió de la base de dades</translation>
    </message>
    <message>
        <source>La base de datos del servidor %1 es de una versión anterior del programa. Pida al responsable de informática que la actualice con «ondalira-admin server-upgrade».</source>
        <translation>La base de dades del servidor %1 és d&apos;una versió anterior del programa. Demaneu al responsable d&apos;informàtica que l&apos;actualitzi amb «ondalira-admin server-upgrade».</translation>
    </message>
    <message>
        <source>Este ordenador tiene una copia del servidor del %1. Con ella los niños pueden seguir aprendiendo, y sus respuestas llegarán al servidor cuando vuelva; mientras tanto no se puede cambiar nada.</source>
        <translation>Aquest ordinador té una còpia del servidor del %1. Amb ella els infants poden continuar aprenent, i les seves respostes arribaran al servidor quan torni; mentrestant no es pot canviar res.</translation>
    </message>
    <message>
        <source>Seguir con la última copia</source>
        <translation>Continuar amb l&apos;última còpia</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sortir</translation>
    </message>
</context>
<context>
    <name>ExerciseActivity</name>
    <message>
        <source>No hay palabras disponibles</source>
        <translation>No hi ha paraules disponibles</translation>
    </message>
    <message>
        <source>La configuración actual de letras y categorías hace que la lista de palabras disponibles esté vacía. Por favor revise su selección.</source>
        <translation>Amb la configuració actual de lletres i categories, la llista de paraules disponibles és buida. Reviseu la selecció.</translation>
    </message>
</context>
<context>
    <name>ExportPackDialog</name>
    <message>
        <source>Exportar paquete</source>
        <translation>Exporta un paquet</translation>
    </message>
    <message>
        <source>Todas las palabras</source>
        <translation>Totes les paraules</translation>
    </message>
    <message>
        <source>Letras y palabras</source>
        <translation>Lletres i paraules</translation>
    </message>
    <message>
        <source>Escriba la licencia</source>
        <translation>Escriviu la llicència</translation>
    </message>
    <message>
        <source>Título:</source>
        <translation>Títol:</translation>
    </message>
    <message>
        <source>Autor:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Licencia:</source>
        <translation>Llicència:</translation>
    </message>
    <message>
        <source>Categorías:</source>
        <translation>Categories:</translation>
    </message>
    <message>
        <source>Exportar…</source>
        <translation>Exporta…</translation>
    </message>
    <message>
        <source>Exportando el paquete…</source>
        <translation>S&apos;està exportant el paquet…</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Elija las letras, las categorías o las palabras que quiere exportar.</source>
        <translation>Trieu les lletres, les categories o les paraules que voleu exportar.</translation>
    </message>
    <message>
        <source>Escriba el título, el autor y la licencia del paquete.</source>
        <translation>Escriviu el títol, l&apos;autor i la llicència del paquet.</translation>
    </message>
    <message>
        <source>Paquetes de Ondalira (*.%1)</source>
        <translation>Paquets d&apos;Ondalira (*.%1)</translation>
    </message>
    <message>
        <source>Se exportaron %1 palabras a %2.</source>
        <translation>S&apos;han exportat %1 paraules a %2.</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Ayuda de Ondalira</source>
        <translation>Ajuda d&apos;Ondalira</translation>
    </message>
    <message>
        <source>Abrir manual de Ondalira</source>
        <translation>Obre el manual d&apos;Ondalira</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>No se encontró el manual &quot;%1&quot; en la carpeta de trabajo ni junto al programa.</source>
        <translation>No s&apos;ha trobat el manual «%1» a la carpeta de treball ni al costat del programa.</translation>
    </message>
    <message>
        <source>No se pudo abrir el manual %1.
Revise que haya un programa para ver archivos PDF.</source>
        <translation>No s&apos;ha pogut obrir el manual %1.
Comproveu que hi hagi un programa per veure fitxers PDF.</translation>
    </message>
</context>
<context>
    <name>ImportPackDialog</name>
    <message>
        <source>Importar paquete</source>
        <translation>Importa un paquet</translation>
    </message>
    <message>
        <source>Título: %1
Autor: %2
Licencia: %3
Idioma: %4</source>
        <translation>Títol: %1
Autor: %2
Llicència: %3
Idioma: %4</translation>
    </message>
    <message>
        <source>Palabra</source>
        <translation>Paraula</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>Estat</translation>
    </message>
    <message>
        <source>Si ya existe</source>
        <translation>Si ja existeix</translation>
    </message>
    <message>
        <source>Conservar la mía</source>
        <translation>Conserva la meva</translation>
    </message>
    <message>
        <source>Tomar la suya</source>
        <translation>Pren la seva</translation>
    </message>
    <message>
        <source>Conservar ambas</source>
        <translation>Conserva les dues</translation>
    </message>
    <message>
        <source>Letra que este idioma no tiene: se omitirá</source>
        <translation>Lletra que aquest idioma no té: s&apos;ometrà</translation>
    </message>
    <message>
        <source>Ya existe</source>
        <translation>Ja existeix</translation>
    </message>
    <message>
        <source>Nueva</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>Para todas las que ya existen:</source>
        <translation>Per a totes les que ja existeixen:</translation>
    </message>
    <message>
        <source>Palabras: %1 (nuevas: %2, ya existen: %3)</source>
        <translation>Paraules: %1 (noves: %2, ja existeixen: %3)</translation>
    </message>
    <message>
        <source>Letras que este idioma no tiene (sus palabras se omitirán): %1</source>
        <translation>Lletres que aquest idioma no té (les seves paraules s&apos;ometran): %1</translation>
    </message>
    <message>
        <source>Categorías que se crearán: %1</source>
        <translation>Categories que es crearan: %1</translation>
    </message>
    <message>
        <source>Tamaño total: %1 MB; espacio libre: %2 MB</source>
        <translation>Mida total: %1 MB; espai lliure: %2 MB</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>No se puede importar este paquete: %1</source>
        <translation>No es pot importar aquest paquet: %1</translation>
    </message>
    <message>
        <source>Comprobando e importando el paquete…</source>
        <translation>S&apos;està comprovant i important el paquet…</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>No se importó nada: %1</source>
        <translation>No s&apos;ha importat res: %1</translation>
    </message>
</context>
<context>
    <name>InputDialog</name>
    <message>
        <source>Ondalira - Usuarios</source>
        <translation>Ondalira - Usuaris</translation>
    </message>
    <message>
        <source>Agregar</source>
        <translation>Afegeix</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Ingresar</source>
        <translation>Entra</translation>
    </message>
    <message>
        <source>Usuario seleccionado    </source>
        <translation>Usuari seleccionat    </translation>
    </message>
    <message>
        <source>Usuarios registrados    </source>
        <translation>Usuaris registrats    </translation>
    </message>
    <message>
        <source>Por favor seleccione un usuario.</source>
        <translation>Seleccioneu un usuari.</translation>
    </message>
    <message>
        <source>El usuario %1 ya existe en el sistema.</source>
        <translation>L&apos;usuari %1 ja existeix.</translation>
    </message>
    <message>
        <source>El usuario %1 ha sido agregado al sistema.</source>
        <translation>S&apos;ha afegit l&apos;usuari %1.</translation>
    </message>
    <message>
        <source>El usuario %1 no pudo ser agregado al sistema.</source>
        <translation>No s&apos;ha pogut afegir l&apos;usuari %1.</translation>
    </message>
    <message>
        <source>El usuario %1 ha sido eliminado del sistema.</source>
        <translation>S&apos;ha eliminat l&apos;usuari %1.</translation>
    </message>
    <message>
        <source>Eliminar usuario</source>
        <translation>Elimina l&apos;usuari</translation>
    </message>
    <message>
        <source>¿Desea eliminar el usuario %1 y todos sus ajustes?</source>
        <translation>Voleu eliminar l&apos;usuari %1 i tota la seva configuració?</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Debe seleccionar un usuario para poder cerrar esta ventana.</source>
        <translation>Heu de triar un usuari per poder tancar aquesta finestra.</translation>
    </message>
    <message>
        <source>¿Desea eliminar también el registro de respuestas de %1? Si contesta No, el registro se conserva.</source>
        <translation>Voleu eliminar també el registre de respostes de %1? Si responeu No, el registre es conserva.</translation>
    </message>
    <message>
        <source>El usuario %1 ha sido eliminado del sistema, pero no su registro de respuestas.</source>
        <translation>L&apos;usuari %1 s&apos;ha eliminat del sistema, però no el seu registre de respostes.</translation>
    </message>
    <message>
        <source>&amp;Sí</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>Ingrese todos los datos</source>
        <translation>Introduïu totes les dades</translation>
    </message>
    <message>
        <source>El dibujo del usuario nuevo</source>
        <translation>El dibuix de l&apos;usuari nou</translation>
    </message>
    <message>
        <source>Foto de un archivo…</source>
        <translation>Foto d&apos;un fitxer…</translation>
    </message>
    <message>
        <source>Foto del usuario</source>
        <translation>Foto de l&apos;usuari</translation>
    </message>
    <message>
        <source>Imágenes (*.png *.jpg *.jpeg)</source>
        <translation>Imatges (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>La foto %1 no se pudo guardar.</source>
        <translation>La foto %1 no s&apos;ha pogut desar.</translation>
    </message>
    <message>
        <source>Toca tu dibujo</source>
        <translation>Toca el teu dibuix</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Ondalira</source>
        <translation>Ondalira</translation>
    </message>
    <message>
        <source>Cerrar créditos</source>
        <translation>Tanca els crèdits</translation>
    </message>
    <message>
        <source>Imagen de la palabra</source>
        <translation>Imatge de la paraula</translation>
    </message>
    <message>
        <source>La imagen de lo que nombra la palabra.</source>
        <translation>La imatge del que anomena la paraula.</translation>
    </message>
    <message>
        <source>Letra elegida</source>
        <translation>Lletra triada</translation>
    </message>
    <message>
        <source>La letra elegida, en grande.</source>
        <translation>La lletra triada, en gran.</translation>
    </message>
    <message>
        <source>Vídeo de la palabra</source>
        <translation>Vídeo de la paraula</translation>
    </message>
    <message>
        <source>La seña o la lectura labial de la palabra.</source>
        <translation>El signe o la lectura labial de la paraula.</translation>
    </message>
    <message>
        <source>Vídeo de presentación</source>
        <translation>Vídeo de presentació</translation>
    </message>
    <message>
        <source>Los vídeos de presentación de Ondalira.</source>
        <translation>Els vídeos de presentació d&apos;Ondalira.</translation>
    </message>
    <message>
        <source>Título de la actividad</source>
        <translation>Títol de l&apos;activitat</translation>
    </message>
    <message>
        <source>El nombre de la actividad en curso.</source>
        <translation>El nom de l&apos;activitat en curs.</translation>
    </message>
    <message>
        <source>Flecha de orientación</source>
        <translation>Fletxa d&apos;orientació</translation>
    </message>
    <message>
        <source>Señala hacia qué lado del teclado está la tecla correcta.</source>
        <translation>Assenyala cap a quin costat del teclat és la tecla correcta.</translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Una imagen que dice si la respuesta es correcta.</source>
        <translation>Una imatge que diu si la resposta és correcta.</translation>
    </message>
    <message>
        <source>Aviso: no hay palabras</source>
        <translation>Avís: no hi ha paraules</translation>
    </message>
    <message>
        <source>Las letras y las categorías elegidas para este usuario no tienen ninguna palabra.</source>
        <translation>Les lletres i les categories triades per a aquest usuari no tenen cap paraula.</translation>
    </message>
    <message>
        <source>Aviso: nada que repetir</source>
        <translation>Avís: no hi ha res per repetir</translation>
    </message>
    <message>
        <source>Todavía no hay nada que repetir.</source>
        <translation>Encara no hi ha res per repetir.</translation>
    </message>
    <message>
        <source>Deletreo con las manos</source>
        <translation>Lletreig amb les mans</translation>
    </message>
    <message>
        <source>La palabra deletreada con el alfabeto dactilológico.</source>
        <translation>La paraula lletrejada amb l&apos;alfabet dactilològic.</translation>
    </message>
    <message>
        <source>Seña de la letra</source>
        <translation>Signe de la lletra</translation>
    </message>
    <message>
        <source>La mano que muestra la letra.</source>
        <translation>La mà que mostra la lletra.</translation>
    </message>
    <message>
        <source>Página del cuento</source>
        <translation>Pàgina del conte</translation>
    </message>
    <message>
        <source>La página del cuento que se está leyendo.</source>
        <translation>La pàgina del conte que s&apos;està llegint.</translation>
    </message>
    <message>
        <source>Créditos</source>
        <translation>Crèdits</translation>
    </message>
    <message>
        <source>Las personas que han hecho Ondalira.</source>
        <translation>Les persones que han fet Ondalira.</translation>
    </message>
    <message>
        <source>Sin conexión con el servidor %1: este ordenador trabaja con su última copia.</source>
        <translation>Sense connexió amb el servidor %1: aquest ordinador treballa amb la seva última còpia.</translation>
    </message>
    <message>
        <source>Sin conexión con el servidor %1: no se pueden agregar ni eliminar usuarios hasta que vuelva.</source>
        <translation>Sense connexió amb el servidor %1: no es poden afegir ni eliminar usuaris fins que torni.</translation>
    </message>
    <message>
        <source>Sin conexión con el servidor</source>
        <translation>Sense connexió amb el servidor</translation>
    </message>
    <message>
        <source>Los niños pueden seguir aprendiendo: sus respuestas esperan en este ordenador y llegarán al servidor.</source>
        <translation>Els infants poden continuar aprenent: les seves respostes esperen en aquest ordinador i arribaran al servidor.</translation>
    </message>
    <message>
        <source>Este ordenador no puede conectar con el servidor %1, así que ahora no se puede cambiar nada. Inténtelo de nuevo cuando el servidor responda.</source>
        <translation>Aquest ordinador no pot connectar amb el servidor %1, així que ara no es pot canviar res. Torneu-ho a provar quan el servidor respongui.</translation>
    </message>
</context>
<context>
    <name>MediaWidget</name>
    <message>
        <source>Elegir</source>
        <translation>Tria</translation>
    </message>
    <message>
        <source>Cambiar</source>
        <translation>Canvia</translation>
    </message>
    <message>
        <source>Palabra escrita</source>
        <translation>Paraula escrita</translation>
    </message>
    <message>
        <source>Descripción</source>
        <translation>Descripció</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Imatge</translation>
    </message>
    <message>
        <source>Seña</source>
        <translation>Signe</translation>
    </message>
    <message>
        <source>Modulación</source>
        <translation>Modulació</translation>
    </message>
    <message>
        <source>Agregar</source>
        <translation>Afegeix</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Actualitza</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Palabra nueva</source>
        <translation>Paraula nova</translation>
    </message>
    <message>
        <source>Editar palabra</source>
        <translation>Edita la paraula</translation>
    </message>
    <message>
        <source>Elegir archivo</source>
        <translation>Tria un fitxer</translation>
    </message>
    <message>
        <source>Copiando archivos...</source>
        <translation>S&apos;estan copiant els fitxers...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Palabra creada.</source>
        <translation>Paraula creada.</translation>
    </message>
    <message>
        <source>Palabra editada.</source>
        <translation>Paraula editada.</translation>
    </message>
    <message>
        <source>Campos vacíos en formulario.</source>
        <translation>Hi ha camps buits al formulari.</translation>
    </message>
    <message>
        <source>Descripción no válida.</source>
        <translation>Descripció no vàlida.</translation>
    </message>
    <message>
        <source>La descripción &quot;%1&quot; no puede ser el nombre de la carpeta de la palabra: no puede estar vacía, contener &quot;/&quot; ni &quot;\&quot;, ser &quot;.&quot; ni &quot;..&quot;, ni empezar o terminar con un espacio o un punto.</source>
        <translation>La descripció «%1» no pot ser el nom de la carpeta de la paraula: no pot ser buida, contenir «/» ni «\», ser «.» ni «..», ni començar o acabar amb un espai o un punt.</translation>
    </message>
    <message>
        <source>Palabra repetida.</source>
        <translation>Paraula repetida.</translation>
    </message>
    <message>
        <source>Ya existe una palabra con la descripción &quot;%1&quot; en la letra %2. Las descripciones que solo se distinguen por mayúsculas o acentos cuentan como la misma.</source>
        <translation>Ja hi ha una paraula amb la descripció &quot;%1&quot; a la lletra %2. Les descripcions que només es distingeixen per majúscules o accents compten com la mateixa.</translation>
    </message>
    <message>
        <source>La carpeta de la palabra %1 quedaría fuera de la carpeta de medios de la letra %2.</source>
        <translation>La carpeta de la paraula %1 quedaria fora de la carpeta de mitjans de la lletra %2.</translation>
    </message>
    <message>
        <source>Ya existe una carpeta &quot;%1&quot; en la letra %2. Los nombres que solo se distinguen por mayúsculas o acentos cuentan como el mismo.</source>
        <translation>Ja hi ha una carpeta &quot;%1&quot; a la lletra %2. Els noms que només es distingeixen per majúscules o accents compten com el mateix.</translation>
    </message>
    <message>
        <source>La carpeta de la palabra %1 no ha podido crearse o renombrarse.</source>
        <translation>No s&apos;ha pogut crear o canviar de nom la carpeta de la paraula %1.</translation>
    </message>
    <message>
        <source>El archivo %1 no ha podido copiarse en la carpeta de la palabra. No se ha guardado ningún cambio.</source>
        <translation>No s&apos;ha pogut copiar el fitxer %1 a la carpeta de la paraula. No s&apos;ha desat cap canvi.</translation>
    </message>
    <message>
        <source>Archivos de imagen (%1)</source>
        <translation>Fitxers d&apos;imatge (%1)</translation>
    </message>
    <message>
        <source>Video (%1)</source>
        <translation>Vídeo (%1)</translation>
    </message>
    <message>
        <source>Video no válido</source>
        <translation>Vídeo no vàlid</translation>
    </message>
    <message>
        <source>El video %1 no se puede reproducir en este equipo. Elija otro archivo o conviértalo a otro formato.</source>
        <translation>El vídeo %1 no es pot reproduir en aquest ordinador. Trieu un altre fitxer o convertiu-lo a un altre format.</translation>
    </message>
    <message>
        <source>La palabra %1 se guardó, pero sus archivos no pudieron ponerse en su carpeta. El programa lo completará la próxima vez que se inicie.</source>
        <translation>La paraula %1 s&apos;ha desat, però els seus fitxers no s&apos;han pogut posar a la seva carpeta. El programa ho completarà la propera vegada que s&apos;iniciï.</translation>
    </message>
    <message>
        <source>Palabra escrita no válida.</source>
        <translation>Paraula escrita no vàlida.</translation>
    </message>
    <message>
        <source>La palabra escrita tiene caracteres que las letras del programa no pueden mostrar: %1</source>
        <translation>La paraula escrita té caràcters que les lletres del programa no poden mostrar: %1</translation>
    </message>
    <message>
        <source>Descripción demasiado larga.</source>
        <translation>Descripció massa llarga.</translation>
    </message>
    <message>
        <source>La descripción es demasiado larga para ser el nombre de la carpeta de la palabra. Por favor acórtela: quite al menos %1 de sus %2 caracteres.</source>
        <translation>La descripció és massa llarga per ser el nom de la carpeta de la paraula. Escurceu-la, si us plau: traieu-ne almenys %1 dels seus %2 caràcters.</translation>
    </message>
    <message>
        <source>Disco lleno</source>
        <translation>Disc ple</translation>
    </message>
    <message>
        <source>No hay espacio suficiente en el disco para copiar %1 en la carpeta de la palabra. Libere espacio y vuelva a intentarlo. No se ha guardado ningún cambio.</source>
        <translation>No hi ha prou espai al disc per copiar %1 a la carpeta de la paraula. Allibereu espai i torneu-ho a provar. No s&apos;ha desat cap canvi.</translation>
    </message>
    <message>
        <source>Copia cancelada</source>
        <translation>Còpia cancel·lada</translation>
    </message>
    <message>
        <source>La copia se ha cancelado. No se ha guardado ningún cambio.</source>
        <translation>S&apos;ha cancel·lat la còpia. No s&apos;ha desat cap canvi.</translation>
    </message>
    <message>
        <source>No se pudo guardar</source>
        <translation>No s&apos;ha pogut desar</translation>
    </message>
    <message>
        <source>La palabra %1 no se ha guardado: la base de datos no pudo escribirse. %2 No se ha cambiado ningún archivo.</source>
        <translation>La paraula %1 no s&apos;ha desat: no s&apos;ha pogut escriure a la base de dades. %2 No s&apos;ha canviat cap fitxer.</translation>
    </message>
    <message>
        <source>El programa no tiene permiso para escribir en la base de datos (el archivo o su carpeta son de solo lectura). Pida a quien administra el equipo que le dé permiso de escritura.</source>
        <translation>El programa no té permís per escriure a la base de dades (el fitxer o la seva carpeta són de només lectura). Demaneu a qui administra l&apos;equip que us doni permís d&apos;escriptura.</translation>
    </message>
    <message>
        <source>El disco donde está la base de datos está lleno. Libere espacio y vuelva a intentarlo.</source>
        <translation>El disc on és la base de dades és ple. Allibereu espai i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>Otro programa está usando la base de datos. Ciérrelo y vuelva a intentarlo.</source>
        <translation>Un altre programa està fent servir la base de dades. Tanqueu-lo i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>La base de datos está dañada.</source>
        <translation>La base de dades està malmesa.</translation>
    </message>
    <message>
        <source>La base de datos rechazó el cambio.</source>
        <translation>La base de dades ha rebutjat el canvi.</translation>
    </message>
    <message>
        <source>Letra: %1</source>
        <translation>Lletra: %1</translation>
    </message>
    <message>
        <source>La palabra %1 ha sido creada exitosamente.</source>
        <translation>La paraula %1 s&apos;ha creat correctament.</translation>
    </message>
    <message>
        <source>La palabra %1 ha sido editada exitosamente.</source>
        <translation>La paraula %1 s&apos;ha editat correctament.</translation>
    </message>
    <message>
        <source>Por favor complete todos los campos del formulario.</source>
        <translation>Ompliu tots els camps del formulari.</translation>
    </message>
    <message>
        <source>La palabra «%1» cambió en otro equipo después de abrirla: no se ha guardado nada. Ábrala de nuevo para ver cómo quedó.</source>
        <translation>La paraula «%1» ha canviat en un altre ordinador després d&apos;obrir-la: no s&apos;ha desat res. Torneu-la a obrir per veure com ha quedat.</translation>
    </message>
    <message>
        <source>La palabra «%1» ya no existe: la borraron en otro equipo.</source>
        <translation>La paraula «%1» ja no existeix: l&apos;han esborrada en un altre ordinador.</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>Letras</source>
        <translation>Lletres</translation>
    </message>
    <message>
        <source>Menú de las actividades con letras: señas, lectura labial y dactilología.</source>
        <translation>Menú de les activitats amb lletres: signes, lectura labial i dactilologia.</translation>
    </message>
    <message>
        <source>Leer y escribir</source>
        <translation>Llegir i escriure</translation>
    </message>
    <message>
        <source>Menú de los cuentos y de los ejercicios de escritura.</source>
        <translation>Menú dels contes i dels exercicis d&apos;escriptura.</translation>
    </message>
    <message>
        <source>Señas</source>
        <translation>Signes</translation>
    </message>
    <message>
        <source>Actividades con palabras en lengua de signos.</source>
        <translation>Activitats amb paraules en llengua de signes.</translation>
    </message>
    <message>
        <source>Labial</source>
        <translation>Labial</translation>
    </message>
    <message>
        <source>Actividades con vídeos de lectura labial.</source>
        <translation>Activitats amb vídeos de lectura labial.</translation>
    </message>
    <message>
        <source>Dactilológico</source>
        <translation>Dactilològic</translation>
    </message>
    <message>
        <source>Actividades con el alfabeto dactilológico.</source>
        <translation>Activitats amb l&apos;alfabet dactilològic.</translation>
    </message>
    <message>
        <source>Leer</source>
        <translation>Llegir</translation>
    </message>
    <message>
        <source>Cuentos ilustrados para leer.</source>
        <translation>Contes il·lustrats per llegir.</translation>
    </message>
    <message>
        <source>Escribir</source>
        <translation>Escriure</translation>
    </message>
    <message>
        <source>Ejercicios de escritura con el teclado.</source>
        <translation>Exercicis d&apos;escriptura amb el teclat.</translation>
    </message>
    <message>
        <source>Espacio vacío</source>
        <translation>Espai buit</translation>
    </message>
    <message>
        <source>Este lugar del menú no tiene ninguna actividad.</source>
        <translation>Aquest lloc del menú no té cap activitat.</translation>
    </message>
    <message>
        <source>Te presento palabras</source>
        <translation>Et presento paraules</translation>
    </message>
    <message>
        <source>Al escribir una letra aparece una palabra que empieza por ella, con su imagen y su seña.</source>
        <translation>En escriure una lletra apareix una paraula que hi comença, amb la seva imatge i el seu signe.</translation>
    </message>
    <message>
        <source>¿Cómo empieza esta palabra?</source>
        <translation>Com comença aquesta paraula?</translation>
    </message>
    <message>
        <source>Ejercicio: mirar la imagen y la seña de una palabra y escribir su primera letra.</source>
        <translation>Exercici: mirar la imatge i el signe d&apos;una paraula i escriure&apos;n la primera lletra.</translation>
    </message>
    <message>
        <source>Te digo las letras</source>
        <translation>Et dic les lletres</translation>
    </message>
    <message>
        <source>Al escribir una letra aparece una palabra que empieza por ella, con su vídeo de lectura labial.</source>
        <translation>En escriure una lletra apareix una paraula que hi comença, amb el seu vídeo de lectura labial.</translation>
    </message>
    <message>
        <source>¿Cómo comienza esta palabra labial?</source>
        <translation>Com comença aquesta paraula labial?</translation>
    </message>
    <message>
        <source>Ejercicio: mirar el vídeo de lectura labial de una palabra y escribir su primera letra.</source>
        <translation>Exercici: mirar el vídeo de lectura labial d&apos;una paraula i escriure&apos;n la primera lletra.</translation>
    </message>
    <message>
        <source>Te presento las letras</source>
        <translation>Et presento les lletres</translation>
    </message>
    <message>
        <source>Al escribir una letra aparece su seña del alfabeto dactilológico y una palabra.</source>
        <translation>En escriure una lletra apareix el seu signe de l&apos;alfabet dactilològic i una paraula.</translation>
    </message>
    <message>
        <source>¿Qué letra es?</source>
        <translation>Quina lletra és?</translation>
    </message>
    <message>
        <source>Ejercicio: mirar la seña de la mano y escribir la letra que muestra.</source>
        <translation>Exercici: mirar el signe de la mà i escriure la lletra que mostra.</translation>
    </message>
    <message>
        <source>Escribir la letra que falta</source>
        <translation>Escriure la lletra que falta</translation>
    </message>
    <message>
        <source>Ejercicio: escribir la letra que le falta a una palabra.</source>
        <translation>Exercici: escriure la lletra que li falta a una paraula.</translation>
    </message>
    <message>
        <source>Escribir la palabra</source>
        <translation>Escriure la paraula</translation>
    </message>
    <message>
        <source>Ejercicio: escribir con el teclado la palabra entera, letra por letra.</source>
        <translation>Exercici: escriure amb el teclat la paraula sencera, lletra per lletra.</translation>
    </message>
    <message>
        <source>Archivo</source>
        <translation>Fitxer</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Abre la ayuda, desde donde se abre el manual de Ondalira.</source>
        <translation>Obre l&apos;ajuda, des d&apos;on s&apos;obre el manual d&apos;Ondalira.</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Usuari</translation>
    </message>
    <message>
        <source>Elegir, agregar o borrar usuarios.</source>
        <translation>Triar, afegir o esborrar usuaris.</translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation>Configuració</translation>
    </message>
    <message>
        <source>Elegir las letras, las categorías y la forma de mostrar las palabras para este usuario.</source>
        <translation>Triar les lletres, les categories i la manera de mostrar les paraules per a aquest usuari.</translation>
    </message>
    <message>
        <source>Administrador de Medios</source>
        <translation>Administrador de mitjans</translation>
    </message>
    <message>
        <source>Agregar y editar palabras con sus imágenes y vídeos, y sus categorías.</source>
        <translation>Afegir i editar paraules amb les seves imatges i vídeos, i les seves categories.</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Muestra los créditos y cierra Ondalira.</source>
        <translation>Mostra els crèdits i tanca Ondalira.</translation>
    </message>
    <message>
        <source>Cuentos</source>
        <translation>Contes</translation>
    </message>
    <message>
        <source>Título de la lista de cuentos.</source>
        <translation>Títol de la llista de contes.</translation>
    </message>
    <message>
        <source>Fábulas</source>
        <translation>Faules</translation>
    </message>
    <message>
        <source>Título de la lista de fábulas.</source>
        <translation>Títol de la llista de faules.</translation>
    </message>
    <message>
        <source>Primer cuento</source>
        <translation>Primer conte</translation>
    </message>
    <message>
        <source>Muestra el cuento página a página.</source>
        <translation>Mostra el conte pàgina a pàgina.</translation>
    </message>
    <message>
        <source>Segundo cuento</source>
        <translation>Segon conte</translation>
    </message>
    <message>
        <source>Tercer cuento</source>
        <translation>Tercer conte</translation>
    </message>
    <message>
        <source>Primera fábula</source>
        <translation>Primera faula</translation>
    </message>
    <message>
        <source>Muestra la fábula página a página.</source>
        <translation>Mostra la faula pàgina a pàgina.</translation>
    </message>
    <message>
        <source>Segunda fábula</source>
        <translation>Segona faula</translation>
    </message>
    <message>
        <source>Repetir</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Vuelve a mostrar la palabra o la pregunta.</source>
        <translation>Torna a mostrar la paraula o la pregunta.</translation>
    </message>
    <message>
        <source>Esconder la palabra</source>
        <translation>Amagar la paraula</translation>
    </message>
    <message>
        <source>Esconde o vuelve a mostrar la palabra escrita.</source>
        <translation>Amaga o torna a mostrar la paraula escrita.</translation>
    </message>
    <message>
        <source>Letra por letra</source>
        <translation>Lletra per lletra</translation>
    </message>
    <message>
        <source>Cuando está marcado, las palabras se muestran letra por letra.</source>
        <translation>Quan està marcat, les paraules es mostren lletra per lletra.</translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation>Pàgina anterior</translation>
    </message>
    <message>
        <source>Vuelve a la página anterior del cuento.</source>
        <translation>Torna a la pàgina anterior del conte.</translation>
    </message>
    <message>
        <source>Página siguiente</source>
        <translation>Pàgina següent</translation>
    </message>
    <message>
        <source>Pasa a la página siguiente del cuento.</source>
        <translation>Passa a la pàgina següent del conte.</translation>
    </message>
    <message>
        <source>Abre o cierra el menú con el usuario, la configuración, el administrador, el progreso y la salida.</source>
        <translation>Obre o tanca el menú amb l&apos;usuari, la configuració, l&apos;administrador, el progrés i la sortida.</translation>
    </message>
    <message>
        <source>Progreso</source>
        <translation>Progrés</translation>
    </message>
    <message>
        <source>Lo que ha aprendido cada usuario: letras, ejercicios y días, con informe en PDF.</source>
        <translation>El que ha après cada usuari: lletres, exercicis i dies, amb informe en PDF.</translation>
    </message>
</context>
<context>
    <name>PinDialog</name>
    <message>
        <source>Clave de adulto</source>
        <translation>Clau d&apos;adult</translation>
    </message>
    <message>
        <source>Esta parte es para los adultos. Escriba la clave de adulto.</source>
        <translation>Aquesta part és per als adults. Escriviu la clau d&apos;adult.</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Accepta</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Se escribió una clave equivocada tres veces. Vuelva a intentarlo dentro de %1 s.</source>
        <translation>S&apos;ha escrit una clau equivocada tres vegades. Torneu-ho a provar d&apos;aquí a %1 s.</translation>
    </message>
    <message>
        <source>La clave no es correcta.</source>
        <translation>La clau no és correcta.</translation>
    </message>
</context>
<context>
    <name>PinSettingsDialog</name>
    <message>
        <source>Clave de adulto</source>
        <translation>Clau d&apos;adult</translation>
    </message>
    <message>
        <source>Nueva clave</source>
        <translation>Clau nova</translation>
    </message>
    <message>
        <source>Repita la nueva clave</source>
        <translation>Repetiu la clau nova</translation>
    </message>
    <message>
        <source>Guardar la clave</source>
        <translation>Desa la clau</translation>
    </message>
    <message>
        <source>Quitar la clave</source>
        <translation>Treu la clau</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Nueva clave:</source>
        <translation>Clau nova:</translation>
    </message>
    <message>
        <source>Repita la nueva clave:</source>
        <translation>Repetiu la clau nova:</translation>
    </message>
    <message>
        <source>La clave de adulto protege la configuración, el administrador, el progreso y el borrado de usuarios.</source>
        <translation>La clau d&apos;adult protegeix la configuració, l&apos;administrador, el progrés i l&apos;eliminació d&apos;usuaris.</translation>
    </message>
    <message>
        <source>No hay clave de adulto: cualquiera puede abrir la configuración, el administrador y el progreso.</source>
        <translation>No hi ha clau d&apos;adult: qualsevol pot obrir la configuració, l&apos;administrador i el progrés.</translation>
    </message>
    <message>
        <source>La clave debe tener al menos %1 cifras.</source>
        <translation>La clau ha de tenir almenys %1 xifres.</translation>
    </message>
    <message>
        <source>Las dos claves no son iguales.</source>
        <translation>Les dues claus no són iguals.</translation>
    </message>
    <message>
        <source>No se pudo guardar la clave.</source>
        <translation>No s&apos;ha pogut desar la clau.</translation>
    </message>
    <message>
        <source>La clave de adulto se ha guardado.</source>
        <translation>S&apos;ha desat la clau d&apos;adult.</translation>
    </message>
    <message>
        <source>No se pudo quitar la clave.</source>
        <translation>No s&apos;ha pogut treure la clau.</translation>
    </message>
    <message>
        <source>Ya no hay clave de adulto.</source>
        <translation>Ja no hi ha clau d&apos;adult.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Progreso</source>
        <translation>Progrés</translation>
    </message>
    <message>
        <source>Esta base de datos no tiene la tabla del registro de respuestas: no se guarda ninguna respuesta.</source>
        <translation>Aquesta base de dades no té la taula del registre de respostes: no es desa cap resposta.</translation>
    </message>
    <message>
        <source>Respuestas de esta sesión que no se pudieron guardar: %1.</source>
        <translation>Respostes d&apos;aquesta sessió que no s&apos;han pogut desar: %1.</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Usuari</translation>
    </message>
    <message>
        <source>&amp;Usuario:</source>
        <translation>&amp;Usuari:</translation>
    </message>
    <message>
        <source>Letras por ejercicio</source>
        <translation>Lletres per exercici</translation>
    </message>
    <message>
        <source>Respuestas por día</source>
        <translation>Respostes per dia</translation>
    </message>
    <message>
        <source>Letras que se confunden</source>
        <translation>Lletres que es confonen</translation>
    </message>
    <message>
        <source>Letra pedida</source>
        <translation>Lletra demanada</translation>
    </message>
    <message>
        <source>Tecla escrita</source>
        <translation>Tecla escrita</translation>
    </message>
    <message>
        <source>Veces</source>
        <translation>Vegades</translation>
    </message>
    <message>
        <source>Exportar CSV…</source>
        <translation>Exporta CSV…</translation>
    </message>
    <message>
        <source>Informe PDF…</source>
        <translation>Informe PDF…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Aciertos a la primera entre las últimas %1 preguntas</source>
        <translation>Encerts a la primera entre les últimes %1 preguntes</translation>
    </message>
    <message>
        <source>%1: nunca preguntada</source>
        <translation>%1: mai preguntada</translation>
    </message>
    <message>
        <source>%1: %2 de %3 bien a la primera</source>
        <translation>%1: %2 de %3 bé a la primera</translation>
    </message>
    <message>
        <source>progreso-%1</source>
        <translation>progres-%1</translation>
    </message>
    <message>
        <source>Exportar el registro</source>
        <translation>Exporta el registre</translation>
    </message>
    <message>
        <source>Archivos CSV (*.csv)</source>
        <translation>Fitxers CSV (*.csv)</translation>
    </message>
    <message>
        <source>El registro se guardó en %1.</source>
        <translation>El registre s&apos;ha desat a %1.</translation>
    </message>
    <message>
        <source>No se pudo guardar el registro en %1.</source>
        <translation>No s&apos;ha pogut desar el registre a %1.</translation>
    </message>
    <message>
        <source>Guardar el informe</source>
        <translation>Desa l&apos;informe</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>El informe se guardó en %1.</source>
        <translation>L&apos;informe s&apos;ha desat a %1.</translation>
    </message>
    <message>
        <source>No se pudo guardar el informe en %1.</source>
        <translation>No s&apos;ha pogut desar l&apos;informe a %1.</translation>
    </message>
    <message>
        <source>Cada niño</source>
        <translation>Cada infant</translation>
    </message>
    <message>
        <source>La clase</source>
        <translation>La classe</translation>
    </message>
    <message>
        <source>Exportar la clase…</source>
        <translation>Exporta la classe…</translation>
    </message>
    <message>
        <source>Cada casilla: respuestas acertadas a la primera entre las últimas %1 preguntas de esa letra, en todos los ejercicios. Pulse un niño para ver su informe.</source>
        <translation>Cada casella: respostes encertades a la primera entre les darreres %1 preguntes d&apos;aquesta lletra, en tots els exercicis. Premeu un infant per veure&apos;n l&apos;informe.</translation>
    </message>
    <message>
        <source>Exportar la clase</source>
        <translation>Exporta la classe</translation>
    </message>
    <message>
        <source>clase</source>
        <translation>classe</translation>
    </message>
    <message>
        <source>Respuestas que esperan en este ordenador para llegar al servidor: %1.</source>
        <translation>Respostes que esperen en aquest ordinador per arribar al servidor: %1.</translation>
    </message>
    <message>
        <source>Sin conexión con el servidor %1: se muestra la copia de este ordenador del %2, puede estar incompleta.</source>
        <translation>Sense connexió amb el servidor %1: es mostra la còpia d'aquest ordinador del %2, pot estar incompleta.</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Seña: primera letra</source>
        <translation>Signe: primera lletra</translation>
    </message>
    <message>
        <source>Labial: primera letra</source>
        <translation>Labial: primera lletra</translation>
    </message>
    <message>
        <source>Mano: qué letra es</source>
        <translation>Mà: quina lletra és</translation>
    </message>
    <message>
        <source>Letra que falta</source>
        <translation>Lletra que falta</translation>
    </message>
    <message>
        <source>Palabra entera</source>
        <translation>Paraula sencera</translation>
    </message>
    <message>
        <source>Respuestas por día y porcentaje de aciertos</source>
        <translation>Respostes per dia i percentatge d&apos;encerts</translation>
    </message>
    <message>
        <source>Respuestas</source>
        <translation>Respostes</translation>
    </message>
    <message>
        <source>Aciertos (%)</source>
        <translation>Encerts (%)</translation>
    </message>
    <message>
        <source>días del %1 al %2</source>
        <translation>dies del %1 al %2</translation>
    </message>
    <message>
        <source>Progreso de %1</source>
        <translation>Progrés de %1</translation>
    </message>
    <message>
        <source>Idioma: %1. Informe del %2.</source>
        <translation>Idioma: %1. Informe del %2.</translation>
    </message>
    <message>
        <source>Cada casilla: respuestas acertadas a la primera entre las últimas %1 preguntas de esa letra y ese ejercicio.</source>
        <translation>Cada casella: respostes encertades a la primera entre les últimes %1 preguntes d&apos;aquella lletra i aquell exercici.</translation>
    </message>
    <message>
        <source>Letras que se confunden</source>
        <translation>Lletres que es confonen</translation>
    </message>
    <message>
        <source>No hay respuestas equivocadas.</source>
        <translation>No hi ha respostes equivocades.</translation>
    </message>
    <message>
        <source>Letra pedida → tecla escrita: veces</source>
        <translation>Lletra demanada → tecla escrita: vegades</translation>
    </message>
    <message>
        <source>%1 → %2: %3</source>
        <translation>%1 → %2: %3</translation>
    </message>
    <message>
        <source>Oído: primera letra</source>
        <translation>Oïda: primera lletra</translation>
    </message>
</context>
<context>
    <name>WordFolderModel</name>
    <message>
        <source>%1 (carpeta sin palabra)</source>
        <translation>%1 (carpeta sense paraula)</translation>
    </message>
</context>
</TS>
