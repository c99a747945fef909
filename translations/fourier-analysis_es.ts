<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>The platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>El complemento de plataforma: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>Where to look for platform plugins.</source>
        <translation>Dónde buscar los complementos de plataforma.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>El tema de la plataforma.</translation>
    </message>
    <message>
        <source>A further plugin to load, such as an input device&apos;s.</source>
        <translation>Otro complemento que cargar, como el de un dispositivo de entrada.</translation>
    </message>
    <message>
        <source>The main window&apos;s size and place, as WxH+X+Y.</source>
        <translation>El tamaño y la posición de la ventana principal, en la forma WxH+X+Y.</translation>
    </message>
    <message>
        <source>The main window&apos;s icon.</source>
        <translation>El icono de la ventana principal.</translation>
    </message>
    <message>
        <source>The main window&apos;s title.</source>
        <translation>El título de la ventana principal.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>La sesión que restaurar.</translation>
    </message>
    <message>
        <source>The X display to use.</source>
        <translation>La pantalla X que usar.</translation>
    </message>
    <message>
        <source>The same as -qwindowgeometry.</source>
        <translation>Lo mismo que -qwindowgeometry.</translation>
    </message>
    <message>
        <source>The application&apos;s name for the window system.</source>
        <translation>El nombre de la aplicación para el sistema de ventanas.</translation>
    </message>
    <message>
        <source>The same as -qwindowtitle.</source>
        <translation>Lo mismo que -qwindowtitle.</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, ...</source>
        <translation>El estilo de los controles: Fusion, Windows, ...</translation>
    </message>
    <message>
        <source>A style sheet to apply.</source>
        <translation>Una hoja de estilo que aplicar.</translation>
    </message>
    <message>
        <source>Settings for the QML debugger.</source>
        <translation>Ajustes del depurador de QML.</translation>
    </message>
    <message>
        <source>How the platform&apos;s own dialogs are used.</source>
        <translation>Cómo se usan los diálogos propios de la plataforma.</translation>
    </message>
    <message>
        <source>The font engine to use.</source>
        <translation>El motor de fuentes que usar.</translation>
    </message>
    <message>
        <source>Lay the window out from right to left.</source>
        <translation>Dispone la ventana de derecha a izquierda.</translation>
    </message>
    <message>
        <source>Say how many widgets remain at the end.</source>
        <translation>Dice al final cuántos controles quedan.</translation>
    </message>
    <message>
        <source>Never grab the mouse or the keyboard.</source>
        <translation>No captura nunca el ratón ni el teclado.</translation>
    </message>
    <message>
        <source>Grab the mouse and the keyboard even under a debugger.</source>
        <translation>Captura el ratón y el teclado incluso bajo un depurador.</translation>
    </message>
    <message>
        <source>Talk to the X server synchronously, for debugging.</source>
        <translation>Se comunica con el servidor X de forma síncrona, para depurar.</translation>
    </message>
    <message>
        <source>Draws y = 4 sin x, y = 4 cos x and the partial sums of the square, triangle and sawtooth Fourier series.
Qt&apos;s standard options such as -platform and -style also work.</source>
        <translation>Dibuja y = 4 sen x, y = 4 cos x y las sumas parciales de las series de Fourier cuadrada, triangular y de diente de sierra.
También funcionan las opciones estándar de Qt, como -platform y -style.</translation>
    </message>
    <message>
        <source>Make the whole window FACTOR times larger, for a projector (for example 1.5, 2 or 3). A factor too large for the screen is lowered to the largest that fits.</source>
        <translation>Agranda toda la ventana FACTOR veces, para un proyector (por ejemplo 1.5, 2 o 3, con punto decimal). Un factor demasiado grande para la pantalla se reduce al mayor que cabe.</translation>
    </message>
    <message>
        <source>FACTOR</source>
        <extracomment>The value of --zoom, in capitals as the help shows it.</extracomment>
        <translation>FACTOR</translation>
    </message>
    <message>
        <source>Speak the language CODE instead of the desktop&apos;s: es (Spanish), pt_BR (Brazilian Portuguese), fr (French), de (German) or en (English).</source>
        <translation>Usa el idioma CÓDIGO y no el del escritorio: es (español), pt_BR (portugués de Brasil), fr (francés), de (alemán) o en (inglés).</translation>
    </message>
    <message>
        <source>CODE</source>
        <extracomment>The value of --lang, in capitals as the help shows it.</extracomment>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>there is no translation into &apos;%1&apos;; the program speaks English</source>
        <translation>no hay traducción al idioma «%1»; el programa habla inglés</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>--zoom wants a factor of 1 or more, such as 1.5, 2 or 3, not &apos;%1&apos;.</source>
        <translation>--zoom necesita un factor de 1 o más, como 1.5, 2 o 3, no «%1».</translation>
    </message>
    <message>
        <source>output error</source>
        <translation>error de salida</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>error de escritura: %1</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of the one argument, a file, as the help lists it.</extracomment>
        <translation>archivo</translation>
    </message>
    <message>
        <source>[file]</source>
        <extracomment>The argument in the help&apos;s first line, in brackets since it may be left out.</extracomment>
        <translation>[archivo]</translation>
    </message>
    <message>
        <source>--size wants a whole factor from 1 to 8, or a width from %1 to %2 pixels such as 1920px, not &apos;%3&apos;.</source>
        <translation>--size necesita un factor entero de 1 a 8, o un ancho de %1 a %2 píxeles como 1920px, no «%3».</translation>
    </message>
    <message>
        <source>--export wants a lesson file to draw.</source>
        <translation>--export necesita un archivo de lección que dibujar.</translation>
    </message>
    <message>
        <source>OUT</source>
        <extracomment>The value of --export, in capitals as the help shows it.</extracomment>
        <translation>SALIDA</translation>
    </message>
    <message>
        <source>With --export: a picture SIZE times the plot area&apos;s size, from 1 (the default) to 8, or SIZE pixels wide when it ends in px, as in 1920px.</source>
        <translation>Con --export: una imagen TAMAÑO veces mayor que el área del gráfico, de 1 (el valor por omisión) a 8, o de TAMAÑO píxeles de ancho si termina en px, como en 1920px.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <extracomment>The value of --size, in capitals as the help shows it.</extracomment>
        <translation>TAMAÑO</translation>
    </message>
    <message>
        <source>the lesson %1 could not be opened: %2</source>
        <translation>no se pudo abrir la lección %1: %2</translation>
    </message>
    <message>
        <source>the picture could not be exported as %1: %2</source>
        <translation>no se pudo exportar la imagen como %1: %2</translation>
    </message>
    <message>
        <source>--time-limit wants a number of seconds above 0, such as 60 or 2.5, not &apos;%1&apos;.</source>
        <translation>--time-limit necesita un número de segundos mayor que 0, como 60 o 2.5, no «%1».</translation>
    </message>
    <message>
        <source>With --export: give up, writing nothing, when the picture is not drawn within SECONDS seconds.</source>
        <translation>Con --export: desistir, sin escribir nada, si la imagen no está dibujada en SEGUNDOS segundos.</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <extracomment>The value of --time-limit, in capitals as the help shows it.</extracomment>
        <translation>SEGUNDOS</translation>
    </message>
    <message>
        <source>step %1 of %2, %3 %</source>
        <translation>paso %1 de %2, %3 %</translation>
    </message>
    <message>
        <source>the picture was not finished within the time limit of %1 s</source>
        <translation>la imagen no se terminó dentro del límite de tiempo de %1 s</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 se indica más de una vez.</translation>
    </message>
    <message>
        <source>--json goes with --describe.</source>
        <translation>--json va con --describe.</translation>
    </message>
    <message>
        <source>--describe and --export do not go together.</source>
        <translation>--describe y --export no van juntas.</translation>
    </message>
    <message>
        <source>--describe wants a lesson file to describe.</source>
        <translation>--describe necesita un archivo de lección que describir.</translation>
    </message>
    <message>
        <source>Draw the lesson file without a window and write, for each curve of its picture since the last Clear, oldest first, what screen readers say of it and its numbers: the overshoot at the jump or the largest error, and the RMS error.</source>
        <translation>Dibuja el archivo de lección sin ventana y escribe, para cada curva de su imagen desde el último Borrar, de la más antigua a la más reciente, lo que dicen de ella los lectores de pantalla y sus números: el sobreimpulso en el salto o el error máximo, y el error cuadrático medio.</translation>
    </message>
    <message>
        <source>With --describe: write one JSON document instead.</source>
        <translation>Con --describe: escribe en su lugar un documento JSON.</translation>
    </message>
    <message>
        <source>Open the Harmonics window beside the main window: the newest curve&apos;s sum, spectrum, parts and numbers.</source>
        <translation>Abre la ventana Armónicos junto a la ventana principal: la suma, el espectro, las partes y los números de la curva más reciente.</translation>
    </message>
    <message>
        <source>A lesson to open, or to draw with --export or --describe: a .fourier file.</source>
        <translation>Una lección que abrir, o que dibujar con --export o --describe: un archivo .fourier.</translation>
    </message>
    <message>
        <source>--harmonics opens a window, which --export and --describe do not.</source>
        <translation>--harmonics abre una ventana, y --export y --describe no la abren.</translation>
    </message>
    <message>
        <source>the lesson %1 could not be described: not enough memory</source>
        <translation>no se pudo describir la lección %1: no hay memoria suficiente</translation>
    </message>
    <message>
        <source>--%1 goes with a picture: an export to .png, .svg or .pdf.</source>
        <translation>--%1 va con una imagen: una exportación a .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>--%1 goes with a sound: an export to .wav.</source>
        <translation>--%1 va con un sonido: una exportación a .wav.</translation>
    </message>
    <message>
        <source>--%1 goes with curve data: an export to .csv.</source>
        <translation>--%1 va con datos de curvas: una exportación a .csv.</translation>
    </message>
    <message>
        <source>--seconds wants a number of seconds from 0.1 to 60, such as 2 or 0.5, not &apos;%1&apos;.</source>
        <translation>--seconds necesita un número de segundos de 0.1 a 60, como 2 o 0.5, no «%1».</translation>
    </message>
    <message>
        <source>--pitch wants a whole number of Hz from %1 to %2, such as 220 or 440, not &apos;%3&apos;.</source>
        <translation>--pitch necesita un número entero de Hz de %1 a %2, como 220 o 440, no «%3».</translation>
    </message>
    <message>
        <source>--points wants a whole number of points from %1 to %2, such as 1001, not &apos;%3&apos;.</source>
        <translation>--points necesita un número entero de puntos de %1 a %2, como 1001, no «%3».</translation>
    </message>
    <message>
        <source>--%1 goes with --export.</source>
        <translation>--%1 va con --export.</translation>
    </message>
    <message>
        <source>--export wants a file name ending in .png, .svg, .pdf, .wav or .csv, not &apos;%1&apos;.</source>
        <translation>--export necesita un nombre de archivo que termine en .png, .svg, .pdf, .wav o .csv, no «%1».</translation>
    </message>
    <message>
        <source>With --export to .wav: a sound SECONDS long, from 0.1 to 60 (2 unless given).</source>
        <translation>Con --export a .wav: un sonido de SEGUNDOS segundos, de 0.1 a 60 (2 si no se indica).</translation>
    </message>
    <message>
        <source>With --export to .wav: the curve&apos;s period sounds HZ times a second, from 20 to 2000 (220 unless given). Harmonics at 20 kHz and above are left out: they cannot be heard.</source>
        <translation>Con --export a .wav: el período de la curva suena HZ veces por segundo, de 20 a 2000 (220 si no se indica). Se omiten los armónicos de 20 kHz o más: no se oyen.</translation>
    </message>
    <message>
        <source>HZ</source>
        <extracomment>The value of --pitch, in capitals as the help shows it.</extracomment>
        <translation>HZ</translation>
    </message>
    <message>
        <source>With --export to .csv: the values at N points spread evenly over the picture&apos;s x range, ends included, from 2 to 400001 (1001 unless given).</source>
        <translation>Con --export a .csv: los valores en N puntos repartidos por igual sobre el rango de x de la imagen, extremos incluidos, de 2 a 400001 (1001 si no se indica).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of --points, in capitals as the help shows it.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Draw the lesson file without a window and write the picture to OUT: a PNG image, an SVG drawing or a PDF document, as its ending .png, .svg or .pdf says. Or write its newest curve as a sound (.wav), or the values of its curves (.csv).</source>
        <translation>Dibuja el archivo de lección sin ventana y escribe la imagen en SALIDA: una imagen PNG, un dibujo SVG o un documento PDF, según su terminación .png, .svg o .pdf. O escribe su curva más reciente como sonido (.wav), o los valores de sus curvas (.csv).</translation>
    </message>
    <message>
        <source>values, %1 %</source>
        <translation>valores, %1 %</translation>
    </message>
    <message>
        <source>the lesson %1 leaves no curve in its picture</source>
        <translation>la lección %1 no deja ninguna curva en su imagen</translation>
    </message>
    <message>
        <source>the file was not finished within the time limit of %1 s</source>
        <translation>el archivo no se terminó dentro del límite de tiempo de %1 s</translation>
    </message>
    <message>
        <source>the sound could not be exported as %1: %2</source>
        <translation>no se pudo exportar el sonido como %1: %2</translation>
    </message>
    <message>
        <source>the values could not be exported as %1: %2</source>
        <translation>no se pudieron exportar los valores como %1: %2</translation>
    </message>
</context>
<context>
    <name>Curve</name>
    <message>
        <source>Square series, %1 term, scale %2</source>
        <extracomment>What screen readers say of the curve: %1 is the number of terms, %2 the scale.</extracomment>
        <translation>Serie cuadrada, %1 término, escala %2</translation>
    </message>
    <message>
        <source>Square series, %1 terms, scale %2</source>
        <translation>Serie cuadrada, %1 términos, escala %2</translation>
    </message>
    <message>
        <source>Triangle series, %1 term, scale %2</source>
        <translation>Serie triangular, %1 término, escala %2</translation>
    </message>
    <message>
        <source>Triangle series, %1 terms, scale %2</source>
        <translation>Serie triangular, %1 términos, escala %2</translation>
    </message>
    <message>
        <source>Sawtooth series, %1 term, scale %2</source>
        <translation>Serie de diente de sierra, %1 término, escala %2</translation>
    </message>
    <message>
        <source>Sawtooth series, %1 terms, scale %2</source>
        <translation>Serie de diente de sierra, %1 términos, escala %2</translation>
    </message>
    <message>
        <source>y = 4 sin x, scale %1</source>
        <extracomment>What screen readers say of the curve: %1 is the scale.</extracomment>
        <translation>y = 4 sen x, escala %1</translation>
    </message>
    <message>
        <source>y = 4 cos x, scale %1</source>
        <translation>y = 4 cos x, escala %1</translation>
    </message>
    <message>
        <source>Ideal wave of y = 4 sin x, scale %1</source>
        <extracomment>What screen readers say of the ideal wave drawn behind a curve: %1 is the scale.</extracomment>
        <translation>Onda ideal de y = 4 sen x, escala %1</translation>
    </message>
    <message>
        <source>Ideal wave of y = 4 cos x, scale %1</source>
        <translation>Onda ideal de y = 4 cos x, escala %1</translation>
    </message>
    <message>
        <source>Ideal square wave, scale %1</source>
        <translation>Onda cuadrada ideal, escala %1</translation>
    </message>
    <message>
        <source>Ideal triangle wave, scale %1</source>
        <translation>Onda triangular ideal, escala %1</translation>
    </message>
    <message>
        <source>Ideal sawtooth wave, scale %1</source>
        <translation>Onda de diente de sierra ideal, escala %1</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Fourier Series</source>
        <translation>Series de Fourier</translation>
    </message>
    <message>
        <source>Watch the partial sums of the square, triangle and sawtooth series build up their waves</source>
        <translation>Observe cómo las sumas parciales de las series cuadrada, triangular y de diente de sierra forman sus ondas</translation>
    </message>
    <message>
        <source>Fourier;series;harmonics;sine;cosine;square;triangle;sawtooth;</source>
        <extracomment>Words to find the program by in menus and software centres, each one followed by a semicolon, the last one too.</extracomment>
        <translation>Fourier;serie;armónicos;seno;coseno;cuadrada;triangular;diente de sierra;</translation>
    </message>
    <message>
        <source>Large window (for a projector)</source>
        <extracomment>The menu entry&apos;s action that starts the program with --zoom 2.</extracomment>
        <translation>Ventana grande (para un proyector)</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>it has more than the %1 steps a lesson file holds</source>
        <translation>tiene más de los %1 pasos que caben en un archivo de lección</translation>
    </message>
    <message>
        <source>it would be larger than the 1 MiB a lesson file may be</source>
        <translation>ocuparía más de 1 MiB, lo máximo que puede ocupar un archivo de lección</translation>
    </message>
</context>
<context>
    <name>LessonFile</name>
    <message>
        <source>null</source>
        <extracomment>A kind of value in the file, as the messages &quot;... is %3, not %4&quot; name it.</extracomment>
        <translation>null</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>verdadero o falso</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texto</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>una lista</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>the file: no &quot;%1&quot;</source>
        <extracomment>%1 is the name of a member the file lacks, such as format.</extracomment>
        <translation>el archivo: falta «%1»</translation>
    </message>
    <message>
        <source>the file: &quot;%1&quot; is %2, not %3</source>
        <extracomment>%1 is the name of a member of the file, %2 the kind of value it holds, %3 the kind it should hold, such as &quot;a number&quot;.</extracomment>
        <translation>el archivo: «%1» es %2, no %3</translation>
    </message>
    <message>
        <source>step %1: no &quot;%2&quot;</source>
        <extracomment>%1 is the number of the step, %2 the name of a member it lacks, such as scale.</extracomment>
        <translation>paso %1: falta «%2»</translation>
    </message>
    <message>
        <source>step %1: &quot;%2&quot; is %3, not %4</source>
        <extracomment>%1 is the number of the step, %2 the name of one of its members, %3 the kind of value it holds, %4 the kind it should hold, such as &quot;a text&quot;.</extracomment>
        <translation>paso %1: «%2» es %3, no %4</translation>
    </message>
    <message>
        <source>step %1 is %2, not an object</source>
        <extracomment>%1 is the number of the step, %2 the kind of value it is, such as &quot;a number&quot;.</extracomment>
        <translation>el paso %1 es %2, no un objeto</translation>
    </message>
    <message>
        <source>step %1: unknown command &quot;%2&quot;</source>
        <extracomment>%1 is the number of the step, %2 the word the file has where the name of a button&apos;s command (square, sin, ...) should be.</extracomment>
        <translation>paso %1: orden desconocida «%2»</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>el archivo ocupa más de 1 MiB</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>el archivo no es texto UTF-8</translation>
    </message>
    <message>
        <source>line %1, column %2: not JSON: %3</source>
        <extracomment>%1 and %2 say where in the file it stops being JSON, %3 why, in Qt&apos;s words.</extracomment>
        <translation>línea %1, columna %2: no es JSON: %3</translation>
    </message>
    <message>
        <source>the file holds no lesson: it is not a JSON object</source>
        <translation>el archivo no contiene ninguna lección: no es un objeto JSON</translation>
    </message>
    <message>
        <source>&quot;format&quot; is &quot;%1&quot;, not &quot;%2&quot;</source>
        <extracomment>%1 is the format the file names, %2 the one of lesson files.</extracomment>
        <translation>«format» es «%1», no «%2»</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1, newer than this program reads (%2)</source>
        <translation>«version» es %1, más reciente que la que lee este programa (%2)</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1, not a version of lesson files</source>
        <translation>«version» es %1, que no es una versión de los archivos de lección</translation>
    </message>
    <message>
        <source>&quot;steps&quot; holds %1 steps, more than the %2 a lesson may have</source>
        <translation>«steps» contiene %1 pasos, más de los %2 que puede tener una lección</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of a lesson that is a named pipe, a device or a socket rather than a file.</extracomment>
        <translation>no es un archivo regular</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The value of the Scale Must be less than 20.</source>
        <translation>El valor de la escala no puede ser mayor que 20.</translation>
    </message>
    <message>
        <source>No Signal Available</source>
        <translation>No hay señal disponible</translation>
    </message>
    <message>
        <source>Draw a curve first.</source>
        <extracomment>Said when the ideal wave is asked for and no curve has been drawn since the last Clear.</extracomment>
        <translation>Primero dibuje una curva.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Watch Fourier partial sums build up square, triangle and sawtooth waves</source>
        <translation>Sumas parciales de Fourier que forman ondas cuadradas, triangulares y de diente de sierra</translation>
    </message>
    <message>
        <source>A small program for the classroom that shows how a Fourier series builds up a periodic signal. Type a number of terms and a scale, press a button, and it draws y = 4 sin x, y = 4 cos x, or the partial sum of the square, triangle or sawtooth series on a graduated pair of axes.</source>
        <translation>Un pequeño programa para el aula que muestra cómo una serie de Fourier forma una señal periódica. Escriba un número de términos y una escala, pulse un botón, y dibuja y = 4 sen x, y = 4 cos x o la suma parcial de la serie cuadrada, triangular o de diente de sierra sobre un par de ejes graduados.</translation>
    </message>
    <message>
        <source>Curves pile up until Clear is pressed, so sums with 1, 3, 10 and 100 terms can be compared on one picture. Thousands of terms are drawn at once; a long sum can be cancelled.</source>
        <translation>Las curvas se acumulan hasta que se pulsa Borrar, así que las sumas con 1, 3, 10 y 100 términos se pueden comparar en una misma imagen. Miles de términos se dibujan al instante; una suma larga se puede cancelar.</translation>
    </message>
    <message>
        <source>A large window for a classroom projector, from the menu or with --zoom</source>
        <translation>Una ventana grande para el proyector del aula, desde el menú o con --zoom</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard or save it as PNG for a worksheet or a slide</source>
        <translation>Copie la imagen al portapapeles o guárdela como PNG para una hoja de ejercicios o una diapositiva</translation>
    </message>
    <message>
        <source>Every control named for screen readers; the plot area describes its curves</source>
        <translation>Cada control tiene un nombre para los lectores de pantalla; el área del gráfico describe sus curvas</translation>
    </message>
    <message>
        <source>In English, Spanish, Brazilian Portuguese, French and German, as the desktop chooses or with --lang</source>
        <translation>En inglés, español, portugués de Brasil, francés y alemán, según el escritorio o con --lang</translation>
    </message>
    <message>
        <source>The square series with 1, 3 and 10 terms at scale 10</source>
        <translation>La serie cuadrada con 1, 3 y 10 términos a escala 10</translation>
    </message>
    <message>
        <source>The first release: the sine, the cosine and the square, triangle and sawtooth partial sums, exact to the pixel at any number of terms, in five languages.</source>
        <extracomment>The notes of the first release.</extracomment>
        <translation>La primera versión: el seno, el coseno y las sumas parciales cuadrada, triangular y de diente de sierra, exactas hasta el píxel con cualquier número de términos, en cinco idiomas.</translation>
    </message>
    <message>
        <source>Undo and redo every click, save the lesson and open it again tomorrow</source>
        <translation>Deshaga y rehaga cada clic, guarde la lección y vuelva a abrirla mañana</translation>
    </message>
</context>
<context>
    <name>MimeType</name>
    <message>
        <source>Fourier Análisis lesson</source>
        <extracomment>What file managers call a lesson file, the program&apos;s file type.</extracomment>
        <translation>Lección de Fourier Análisis</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda con las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor tras «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado tras «%1».</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Nothing to read yet: type a scale and click a button to draw.</source>
        <extracomment>What the plot area reads under the pointer or the probe before any scale is set.</extracomment>
        <translation>Aún no hay nada que leer: escriba una escala y pulse un botón para dibujar.</translation>
    </message>
    <message>
        <source>x = %1 (%2π)</source>
        <extracomment>The point read in the plot area: %1 is x, %2 the same x as a multiple of pi.</extracomment>
        <translation>x = %1 (%2π)</translation>
    </message>
    <message>
        <source>y = %1</source>
        <extracomment>The point read in the plot area: %1 is y.</extracomment>
        <translation>y = %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no DISPLAY set</source>
        <translation>DISPLAY no está definida</translation>
    </message>
    <message>
        <source>cannot open the display to show the window on (%1)</source>
        <translation>no se puede abrir la pantalla en la que mostrar la ventana (%1)</translation>
    </message>
    <message>
        <source>no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no hay pantalla en la que mostrar la ventana: no están definidas ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>a zoom of %1 does not fit the screen; using %2</source>
        <translation>un zoom de %1 no cabe en la pantalla; se usa %2</translation>
    </message>
</context>
<context>
    <name>fourier::AmplitudeView</name>
    <message>
        <source>Spectrum</source>
        <translation>Espectro</translation>
    </message>
    <message>
        <source>Harmonic %1: %2, amplitude %3</source>
        <extracomment>The harmonic chosen in the spectrum: %1 is its number, %2 its term as in 4/3 sin 3x, %3 its amplitude.</extracomment>
        <translation>Armónico %1: %2, amplitud %3</translation>
    </message>
    <message>
        <source>and %1 more beyond the %2th</source>
        <extracomment>How many harmonics of the sum have no bar: %1 is their count, %2 the last bar&apos;s harmonic.</extracomment>
        <translation>y %1 más después del %2.º</translation>
    </message>
    <message>
        <source>Amplitudes of the harmonics up to the 40th: %1; the others are 0.</source>
        <extracomment>%1 lists the harmonics that have an amplitude and their amplitudes, as in &quot;1: 4, 3: 1.33333&quot;.</extracomment>
        <translation>Amplitudes de los armónicos hasta el 40.º: %1; los demás son 0.</translation>
    </message>
</context>
<context>
    <name>fourier::CurveFacts</name>
    <message>
        <source>sin</source>
        <extracomment>The sine and the cosine as a formula writes them, as in 4/3 sin 3x.</extracomment>
        <translation>sen</translation>
    </message>
    <message>
        <source>cos</source>
        <translation>cos</translation>
    </message>
    <message>
        <source>1 term</source>
        <translation>1 término</translation>
    </message>
    <message>
        <source>%1 terms</source>
        <translation>%1 términos</translation>
    </message>
    <message>
        <source>Overshoot at the jump</source>
        <translation>Sobreimpulso en el salto</translation>
    </message>
    <message>
        <source>%1 at x = %2 (π/%3), %4 % of the jump</source>
        <extracomment>%1 is the sum&apos;s value at its first peak past the jump at x = 0, %2 that peak&apos;s x, %3 the same x as pi over a whole number, %4 how far the peak goes past the ideal wave, in percent of the jump&apos;s height.</extracomment>
        <translation>%1 en x = %2 (π/%3), %4 % del salto</translation>
    </message>
    <message>
        <source>However many terms, the sum overshoots the jump by about 9 % of its height: more terms squeeze the overshoot towards the jump but never lower it.</source>
        <translation>Con cualquier número de términos, la suma sobrepasa el salto en cerca del 9 % de su altura: más términos acercan el sobreimpulso al salto, pero nunca lo reducen.</translation>
    </message>
    <message>
        <source>With so few terms the sum does not yet reach the top of the jump; with more it overshoots it, by about 9 % however many terms there are.</source>
        <translation>Con tan pocos términos la suma aún no alcanza lo alto del salto; con más lo sobrepasa, en cerca del 9 % con cualquier número de términos.</translation>
    </message>
    <message>
        <source>Largest error</source>
        <translation>Error máximo</translation>
    </message>
    <message>
        <source>%1 at x = %2</source>
        <extracomment>%1 is how far the sum lies below the ideal wave where it misses it most, %2 that point&apos;s x.</extracomment>
        <translation>%1 en x = %2</translation>
    </message>
    <message>
        <source>At its peak the sum falls short of the ideal wave by this much; it shrinks about as one over the number of terms.</source>
        <translation>En su pico la suma se queda por debajo de la onda ideal en esta cantidad; disminuye aproximadamente como uno entre el número de términos.</translation>
    </message>
    <message>
        <source>RMS error</source>
        <translation>Error cuadrático medio</translation>
    </message>
    <message>
        <source>The typical distance between the sum and the ideal wave over one period, the root of their mean square difference; it shrinks as terms are added.</source>
        <translation>La distancia típica entre la suma y la onda ideal en un periodo, la raíz de la media del cuadrado de su diferencia; disminuye al añadir términos.</translation>
    </message>
    <message>
        <source>This curve is its own ideal wave: one term is the whole series, so it misses nothing and overshoots nowhere.</source>
        <translation>Esta curva es su propia onda ideal: un término es la serie entera, así que no le falta nada y no sobrepasa en ningún punto.</translation>
    </message>
</context>
<context>
    <name>fourier::DataExport</name>
    <message>
        <source>the picture shows no curve</source>
        <translation>la imagen no muestra ninguna curva</translation>
    </message>
</context>
<context>
    <name>fourier::ExportPicture</name>
    <message>
        <source>the drawing could not be started</source>
        <translation>no se pudo empezar el dibujo</translation>
    </message>
    <message>
        <source>the drawing could not be finished</source>
        <translation>no se pudo terminar el dibujo</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>no se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>the printing could not be finished</source>
        <translation>no se pudo terminar la impresión</translation>
    </message>
    <message>
        <source>not enough memory to export this picture</source>
        <translation>no hay memoria suficiente para exportar esta imagen</translation>
    </message>
</context>
<context>
    <name>fourier::ExportSizeDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>&amp;Times the plot area:</source>
        <translation>&amp;Múltiplo del área del gráfico:</translation>
    </message>
    <message>
        <source> ×</source>
        <extracomment>After the number of times the plot area&apos;s size, as in &quot;3 ×&quot;.</extracomment>
        <translation> ×</translation>
    </message>
    <message>
        <source>&amp;Width in pixels:</source>
        <translation>A&amp;ncho en píxeles:</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <extracomment>The size of the exported picture, as in &quot;1119 × 975 pixels&quot;.</extracomment>
        <translation>%1 × %2 píxeles</translation>
    </message>
</context>
<context>
    <name>fourier::Form1</name>
    <message>
        <source>Drawing the curve…</source>
        <translation>Dibujando la curva…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The curve could not be drawn: %1</source>
        <translation>No se pudo dibujar la curva: %1</translation>
    </message>
    <message>
        <source>Calculate Sawtooh Series</source>
        <translation>Calcular serie de diente de sierra</translation>
    </message>
    <message>
        <source>Calculate Triangular Series</source>
        <translation>Calcular serie triangular</translation>
    </message>
    <message>
        <source>Cos x</source>
        <translation>Cos x</translation>
    </message>
    <message>
        <source>Sin x</source>
        <translation>Sen x</translation>
    </message>
    <message>
        <source>Calculate  Square Series</source>
        <translation>Calcular serie cuadrada</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>This Program Shown the Fourier Series Behavior for Diferent Signals</source>
        <translation>El comportamiento de la serie de Fourier con distintas señales</translation>
    </message>
    <message>
        <source>Clear Button</source>
        <translation>Botón Borrar</translation>
    </message>
    <message>
        <source>Odd Function</source>
        <translation>Función impar</translation>
    </message>
    <message>
        <source>Even Function</source>
        <translation>Función par</translation>
    </message>
    <message>
        <source>Trigonometric Functions Representing an Analog Waveform</source>
        <translation>Funciones trigonométricas que representan una forma de onda analógica</translation>
    </message>
    <message>
        <source>Number of Coeficients in the Fourier Series</source>
        <translation>Número de coeficientes de la serie de Fourier</translation>
    </message>
    <message>
        <source>X,Y Scale</source>
        <translation>Escala X,Y</translation>
    </message>
    <message>
        <source>Plot area</source>
        <translation>Área del gráfico</translation>
    </message>
    <message>
        <source>The step could not be undone: %1</source>
        <translation>No se pudo deshacer el paso: %1</translation>
    </message>
    <message>
        <source>The step could not be redone: %1</source>
        <translation>No se pudo rehacer el paso: %1</translation>
    </message>
    <message>
        <source>The lesson %1 could not be opened: %2</source>
        <translation>No se pudo abrir la lección %1: %2</translation>
    </message>
    <message>
        <source>The lesson could not be saved as %1: %2</source>
        <translation>No se pudo guardar la lección como %1: %2</translation>
    </message>
    <message>
        <source>The picture cannot be drawn afresh: it has more than the %1 steps that are kept for it.</source>
        <translation>La imagen no se puede dibujar de nuevo: tiene más de los %1 pasos que se guardan de ella.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
</context>
<context>
    <name>fourier::HarmonicsWindow</name>
    <message>
        <source>Harmonics</source>
        <translation>Armónicos</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <translation>E&amp;spectro</translation>
    </message>
    <message>
        <source>&amp;Parts over one period</source>
        <translation>&amp;Partes en un periodo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No curve on the picture since the last Clear</source>
        <translation>No hay ninguna curva en la imagen desde el último Borrar</translation>
    </message>
    <message>
        <source>To draw one, type a number of terms and a scale in the main window, then click one of its series buttons, Sin x or Cos x.</source>
        <translation>Para dibujar una, escriba un número de términos y una escala en la ventana principal y pulse uno de sus botones de serie, Sen x o Cos x.</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>P&amp;itch:</source>
        <translation>&amp;Tono:</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Reproducir</translation>
    </message>
</context>
<context>
    <name>fourier::PartsView</name>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>continua</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>dashed</source>
        <translation>de rayas</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>de puntos</translation>
    </message>
    <message>
        <source>red-orange</source>
        <translation>rojo anaranjado</translation>
    </message>
    <message>
        <source>dash-dotted</source>
        <translation>de rayas y puntos</translation>
    </message>
    <message>
        <source>Parts over one period</source>
        <translation>Partes en un periodo</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the ideal wave</source>
        <translation>la onda ideal</translation>
    </message>
    <message>
        <source>grey, solid</source>
        <translation>gris, continua</translation>
    </message>
    <message>
        <source>the sum of %1</source>
        <extracomment>The partial sum in the key of the parts: %1 is its count of terms, as in &quot;10 terms&quot;.</extracomment>
        <translation>la suma de %1</translation>
    </message>
    <message>
        <source>the curve&apos;s colour, solid</source>
        <translation>el color de la curva, continua</translation>
    </message>
    <message>
        <source>chosen: %1</source>
        <extracomment>The harmonic chosen in the spectrum, in the key of the parts: %1 is its term.</extracomment>
        <translation>elegido: %1</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>One period, x from −π to π: %1.</source>
        <extracomment>What screen readers hear of the parts: %1 lists each line and how it is drawn.</extracomment>
        <translation>Un periodo, x de −π a π: %1.</translation>
    </message>
    <message>
        <source>Highlighted: harmonic %1, %2.</source>
        <extracomment>%1 is the number of the harmonic chosen in the spectrum, %2 its term.</extracomment>
        <translation>Resaltado: armónico %1, %2.</translation>
    </message>
</context>
<context>
    <name>fourier::PictureActions</name>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Save Picture As…</source>
        <translation>Guardar imagen como…</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>No se pudo guardar la imagen como %1: %2</translation>
    </message>
    <message>
        <source>Lesson (*.fourier)</source>
        <translation>Lección (*.fourier)</translation>
    </message>
    <message>
        <source>Sin x</source>
        <translation>Sen x</translation>
    </message>
    <message>
        <source>Cos x</source>
        <translation>Cos x</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Square Series, %1 term</source>
        <extracomment>A step as the menu names it, as in &quot;Undo Square Series, 10 terms&quot;: %1 is the count.</extracomment>
        <translation>Serie cuadrada, %1 término</translation>
    </message>
    <message>
        <source>Square Series, %1 terms</source>
        <translation>Serie cuadrada, %1 términos</translation>
    </message>
    <message>
        <source>Triangular Series, %1 term</source>
        <translation>Serie triangular, %1 término</translation>
    </message>
    <message>
        <source>Triangular Series, %1 terms</source>
        <translation>Serie triangular, %1 términos</translation>
    </message>
    <message>
        <source>Sawtooth Series, %1 term</source>
        <translation>Serie de diente de sierra, %1 término</translation>
    </message>
    <message>
        <source>Sawtooth Series, %1 terms</source>
        <translation>Serie de diente de sierra, %1 términos</translation>
    </message>
    <message>
        <source>Open Lesson…</source>
        <translation>Abrir lección…</translation>
    </message>
    <message>
        <source>Save Lesson As…</source>
        <translation>Guardar lección como…</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Abrir lección</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save Lesson As</source>
        <translation>Guardar lección como</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exportar imagen…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>The picture could not be exported as %1: %2</source>
        <translation>No se pudo exportar la imagen como %1: %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Pie de imagen</translation>
    </message>
    <message>
        <source>Print the curves&apos; descriptions beneath the picture</source>
        <translation>Imprimir las descripciones de las curvas bajo la imagen</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>No se pudo copiar la imagen: %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>No se pudo imprimir la imagen: %1</translation>
    </message>
    <message>
        <source>Ideal Wave</source>
        <translation>Onda ideal</translation>
    </message>
    <message>
        <source>Draw Ideal Wave</source>
        <translation>Dibujar la onda ideal</translation>
    </message>
    <message>
        <source>Harmonics…</source>
        <translation>Armónicos…</translation>
    </message>
    <message>
        <source>Sound (*.wav)</source>
        <translation>Sonido (*.wav)</translation>
    </message>
    <message>
        <source>Curve data (*.csv)</source>
        <translation>Datos de curvas (*.csv)</translation>
    </message>
    <message>
        <source>only PNG, SVG, PDF, WAV and CSV files can be made; end the name in .png, .svg, .pdf, .wav or .csv</source>
        <translation>solo se pueden crear archivos PNG, SVG, PDF, WAV y CSV; termine el nombre en .png, .svg, .pdf, .wav o .csv</translation>
    </message>
    <message>
        <source>The sound could not be exported as %1: %2</source>
        <translation>No se pudo exportar el sonido como %1: %2</translation>
    </message>
    <message>
        <source>The curve data could not be exported as %1: %2</source>
        <translation>No se pudieron exportar los datos de curvas como %1: %2</translation>
    </message>
</context>
<context>
    <name>fourier::PictureReadout</name>
    <message>
        <source>Point at the picture to read the point&apos;s coordinates and the curves through it. With the keyboard, the arrow keys move a probe that reads the same, Shift and an arrow key ten pixels at a time; Home brings it back to the origin and Escape hides it.</source>
        <translation>Señale la imagen para leer las coordenadas del punto y las curvas que pasan por él. Con el teclado, las teclas de flecha mueven una sonda que lee lo mismo, Mayús y una flecha de diez en diez píxeles; Inicio la devuelve al origen y Esc la oculta.</translation>
    </message>
</context>
<context>
    <name>fourier::Player</name>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>No se puede reproducir el sonido: %1</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Reproducir sonido</translation>
    </message>
    <message>
        <source>the sound module %1 is not installed</source>
        <translation>el módulo de sonido %1 no está instalado</translation>
    </message>
    <message>
        <source>the sound module could not be loaded: %1</source>
        <translation>no se pudo cargar el módulo de sonido: %1</translation>
    </message>
    <message>
        <source>the sound module %1 belongs to another version of the program</source>
        <translation>el módulo de sonido %1 pertenece a otra versión del programa</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone. The picture shows no curve.</source>
        <translation>Reproduce la curva más reciente como un tono. La imagen no muestra ninguna curva.</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone of %1 Hz.</source>
        <translation>Reproduce la curva más reciente como un tono de %1 Hz.</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone of %1 Hz. Harmonics at 20 kHz and above cannot be heard, so at %1 Hz only the first %2 of its %3 terms sound.</source>
        <translation>Reproduce la curva más reciente como un tono de %1 Hz. Los armónicos de 20 kHz o más no se oyen, así que a %1 Hz solo suenan los primeros %2 de sus %3 términos.</translation>
    </message>
    <message>
        <source>there is no sound device</source>
        <translation>no hay ningún dispositivo de sonido</translation>
    </message>
    <message>
        <source>the sound device does not play 16-bit sound at 44,100 Hz</source>
        <translation>el dispositivo de sonido no reproduce sonido de 16 bits a 44.100 Hz</translation>
    </message>
    <message>
        <source>the sound device could not be opened</source>
        <translation>no se pudo abrir el dispositivo de sonido</translation>
    </message>
    <message>
        <source>the sound device stopped working</source>
        <translation>el dispositivo de sonido dejó de funcionar</translation>
    </message>
</context>
<context>
    <name>fourier::writeFileSafely</name>
    <message>
        <source>only %1 of its %2 bytes reached the disk</source>
        <translation>solo %1 de sus %2 bytes llegaron al disco</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of a named pipe, a device or a socket at the name a file is to be saved as.</extracomment>
        <translation>no es un archivo regular</translation>
    </message>
    <message>
        <source>the file has other hard links; writing it would separate them</source>
        <extracomment>Hard links are further names of one and the same file, in one folder or in several.</extracomment>
        <translation>el archivo tiene otros enlaces duros; escribirlo los separaría</translation>
    </message>
</context>
</TS>
