<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>The platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>Le module de plateforme&#xa0;: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>Where to look for platform plugins.</source>
        <translation>Où chercher les modules de plateforme.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>Le thème de la plateforme.</translation>
    </message>
    <message>
        <source>A further plugin to load, such as an input device&apos;s.</source>
        <translation>Un module supplémentaire à charger, comme celui d&apos;un périphérique d&apos;entrée.</translation>
    </message>
    <message>
        <source>The main window&apos;s size and place, as WxH+X+Y.</source>
        <translation>La taille et la position de la fenêtre principale, sous la forme WxH+X+Y.</translation>
    </message>
    <message>
        <source>The main window&apos;s icon.</source>
        <translation>L&apos;icône de la fenêtre principale.</translation>
    </message>
    <message>
        <source>The main window&apos;s title.</source>
        <translation>Le titre de la fenêtre principale.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>La session à restaurer.</translation>
    </message>
    <message>
        <source>The X display to use.</source>
        <translation>L&apos;écran X à utiliser.</translation>
    </message>
    <message>
        <source>The same as -qwindowgeometry.</source>
        <translation>Identique à -qwindowgeometry.</translation>
    </message>
    <message>
        <source>The application&apos;s name for the window system.</source>
        <translation>Le nom de l&apos;application pour le système de fenêtres.</translation>
    </message>
    <message>
        <source>The same as -qwindowtitle.</source>
        <translation>Identique à -qwindowtitle.</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, ...</source>
        <translation>Le style des contrôles&#xa0;: Fusion, Windows, ...</translation>
    </message>
    <message>
        <source>A style sheet to apply.</source>
        <translation>Une feuille de style à appliquer.</translation>
    </message>
    <message>
        <source>Settings for the QML debugger.</source>
        <translation>Réglages du débogueur QML.</translation>
    </message>
    <message>
        <source>How the platform&apos;s own dialogs are used.</source>
        <translation>Comment les boîtes de dialogue de la plateforme sont utilisées.</translation>
    </message>
    <message>
        <source>The font engine to use.</source>
        <translation>Le moteur de polices à utiliser.</translation>
    </message>
    <message>
        <source>Lay the window out from right to left.</source>
        <translation>Dispose la fenêtre de droite à gauche.</translation>
    </message>
    <message>
        <source>Say how many widgets remain at the end.</source>
        <translation>Indique à la fin combien de contrôles restent.</translation>
    </message>
    <message>
        <source>Never grab the mouse or the keyboard.</source>
        <translation>Ne capture jamais la souris ni le clavier.</translation>
    </message>
    <message>
        <source>Grab the mouse and the keyboard even under a debugger.</source>
        <translation>Capture la souris et le clavier même sous un débogueur.</translation>
    </message>
    <message>
        <source>Talk to the X server synchronously, for debugging.</source>
        <translation>Dialogue avec le serveur X de façon synchrone, pour le débogage.</translation>
    </message>
    <message>
        <source>Draws y = 4 sin x, y = 4 cos x and the partial sums of the square, triangle and sawtooth Fourier series.
Qt&apos;s standard options such as -platform and -style also work.</source>
        <translation>Trace y = 4 sin x, y = 4 cos x et les sommes partielles des séries de Fourier carrée, triangulaire et en dents de scie.
Les options standard de Qt, comme -platform et -style, fonctionnent aussi.</translation>
    </message>
    <message>
        <source>Make the whole window FACTOR times larger, for a projector (for example 1.5, 2 or 3). A factor too large for the screen is lowered to the largest that fits.</source>
        <translation>Agrandit toute la fenêtre FACTEUR fois, pour un projecteur (par exemple 1.5, 2 ou 3, avec un point décimal). Un facteur trop grand pour l&apos;écran est ramené au plus grand qui tient.</translation>
    </message>
    <message>
        <source>FACTOR</source>
        <extracomment>The value of --zoom, in capitals as the help shows it.</extracomment>
        <translation>FACTEUR</translation>
    </message>
    <message>
        <source>Speak the language CODE instead of the desktop&apos;s: es (Spanish), pt_BR (Brazilian Portuguese), fr (French), de (German) or en (English).</source>
        <translation>Utilise la langue CODE au lieu de celle du bureau&#xa0;: es (espagnol), pt_BR (portugais du Brésil), fr (français), de (allemand) ou en (anglais).</translation>
    </message>
    <message>
        <source>CODE</source>
        <extracomment>The value of --lang, in capitals as the help shows it.</extracomment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>there is no translation into &apos;%1&apos;; the program speaks English</source>
        <translation>il n&apos;y a pas de traduction en «&#xa0;%1&#xa0;»&#xa0;; le programme parle anglais</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--zoom wants a factor of 1 or more, such as 1.5, 2 or 3, not &apos;%1&apos;.</source>
        <translation>--zoom veut un facteur de 1 ou plus, comme 1.5, 2 ou 3, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>output error</source>
        <translation>erreur de sortie</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>erreur d&apos;écriture&#xa0;: %1</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of the one argument, a file, as the help lists it.</extracomment>
        <translation>fichier</translation>
    </message>
    <message>
        <source>[file]</source>
        <extracomment>The argument in the help&apos;s first line, in brackets since it may be left out.</extracomment>
        <translation>[fichier]</translation>
    </message>
    <message>
        <source>--size wants a whole factor from 1 to 8, or a width from %1 to %2 pixels such as 1920px, not &apos;%3&apos;.</source>
        <translation>--size veut un facteur entier de 1 à 8, ou une largeur de %1 à %2 pixels comme 1920px, et non «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>--export wants a lesson file to draw.</source>
        <translation>--export veut un fichier de leçon à tracer.</translation>
    </message>
    <message>
        <source>OUT</source>
        <extracomment>The value of --export, in capitals as the help shows it.</extracomment>
        <translation>SORTIE</translation>
    </message>
    <message>
        <source>With --export: a picture SIZE times the plot area&apos;s size, from 1 (the default) to 8, or SIZE pixels wide when it ends in px, as in 1920px.</source>
        <translation>Avec --export&#xa0;: une image TAILLE fois plus grande que la zone du graphique, de 1 (par défaut) à 8, ou large de TAILLE pixels si elle se termine par px, comme dans 1920px.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <extracomment>The value of --size, in capitals as the help shows it.</extracomment>
        <translation>TAILLE</translation>
    </message>
    <message>
        <source>the lesson %1 could not be opened: %2</source>
        <translation>la leçon %1 n&apos;a pas pu être ouverte&#xa0;: %2</translation>
    </message>
    <message>
        <source>the picture could not be exported as %1: %2</source>
        <translation>l&apos;image n&apos;a pas pu être exportée sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--time-limit wants a number of seconds above 0, such as 60 or 2.5, not &apos;%1&apos;.</source>
        <translation>--time-limit veut un nombre de secondes supérieur à 0, comme 60 ou 2.5, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>With --export: give up, writing nothing, when the picture is not drawn within SECONDS seconds.</source>
        <translation>Avec --export&#xa0;: abandonner, sans rien écrire, si l&apos;image n&apos;est pas tracée en SECONDES secondes.</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <extracomment>The value of --time-limit, in capitals as the help shows it.</extracomment>
        <translation>SECONDES</translation>
    </message>
    <message>
        <source>step %1 of %2, %3 %</source>
        <translation>étape %1 sur %2, %3&#xa0;%</translation>
    </message>
    <message>
        <source>the picture was not finished within the time limit of %1 s</source>
        <translation>l&apos;image n&apos;a pas été achevée dans la limite de temps de %1&#xa0;s</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 est donné plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>--json goes with --describe.</source>
        <translation>--json va avec --describe.</translation>
    </message>
    <message>
        <source>--describe and --export do not go together.</source>
        <translation>--describe et --export ne vont pas ensemble.</translation>
    </message>
    <message>
        <source>--describe wants a lesson file to describe.</source>
        <translation>--describe attend un fichier de leçon à décrire.</translation>
    </message>
    <message>
        <source>Draw the lesson file without a window and write, for each curve of its picture since the last Clear, oldest first, what screen readers say of it and its numbers: the overshoot at the jump or the largest error, and the RMS error.</source>
        <translation>Trace le fichier de leçon sans fenêtre et écrit, pour chaque courbe de son image depuis le dernier Effacer, de la plus ancienne à la plus récente, ce qu&apos;en disent les lecteurs d&apos;écran et ses nombres : le dépassement au saut ou la plus grande erreur, et l&apos;erreur quadratique moyenne.</translation>
    </message>
    <message>
        <source>With --describe: write one JSON document instead.</source>
        <translation>Avec --describe : écrit à la place un document JSON.</translation>
    </message>
    <message>
        <source>Open the Harmonics window beside the main window: the newest curve&apos;s sum, spectrum, parts and numbers.</source>
        <translation>Ouvre la fenêtre Harmoniques à côté de la fenêtre principale : la somme, le spectre, les parties et les nombres de la courbe la plus récente.</translation>
    </message>
    <message>
        <source>A lesson to open, or to draw with --export or --describe: a .fourier file.</source>
        <translation>Une leçon à ouvrir, ou à tracer avec --export ou --describe : un fichier .fourier.</translation>
    </message>
    <message>
        <source>--harmonics opens a window, which --export and --describe do not.</source>
        <translation>--harmonics ouvre une fenêtre, ce que --export et --describe ne font pas.</translation>
    </message>
    <message>
        <source>the lesson %1 could not be described: not enough memory</source>
        <translation>la leçon %1 n&apos;a pas pu être décrite : mémoire insuffisante</translation>
    </message>
    <message>
        <source>--%1 goes with a picture: an export to .png, .svg or .pdf.</source>
        <translation>--%1 va avec une image&#xa0;: un export vers .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>--%1 goes with a sound: an export to .wav.</source>
        <translation>--%1 va avec un son&#xa0;: un export vers .wav.</translation>
    </message>
    <message>
        <source>--%1 goes with curve data: an export to .csv.</source>
        <translation>--%1 va avec des données de courbes&#xa0;: un export vers .csv.</translation>
    </message>
    <message>
        <source>--seconds wants a number of seconds from 0.1 to 60, such as 2 or 0.5, not &apos;%1&apos;.</source>
        <translation>--seconds veut un nombre de secondes de 0.1 à 60, comme 2 ou 0.5, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--pitch wants a whole number of Hz from %1 to %2, such as 220 or 440, not &apos;%3&apos;.</source>
        <translation>--pitch veut un nombre entier de Hz de %1 à %2, comme 220 ou 440, et non «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>--points wants a whole number of points from %1 to %2, such as 1001, not &apos;%3&apos;.</source>
        <translation>--points veut un nombre entier de points de %1 à %2, comme 1001, et non «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>--%1 goes with --export.</source>
        <translation>--%1 va avec --export.</translation>
    </message>
    <message>
        <source>--export wants a file name ending in .png, .svg, .pdf, .wav or .csv, not &apos;%1&apos;.</source>
        <translation>--export veut un nom de fichier qui se termine par .png, .svg, .pdf, .wav ou .csv, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>With --export to .wav: a sound SECONDS long, from 0.1 to 60 (2 unless given).</source>
        <translation>Avec --export vers .wav&#xa0;: un son de SECONDES secondes, de 0.1 à 60 (2 sinon).</translation>
    </message>
    <message>
        <source>With --export to .wav: the curve&apos;s period sounds HZ times a second, from 20 to 2000 (220 unless given). Harmonics at 20 kHz and above are left out: they cannot be heard.</source>
        <translation>Avec --export vers .wav&#xa0;: la période de la courbe sonne HZ fois par seconde, de 20 à 2000 (220 sinon). Les harmoniques de 20&#xa0;kHz et au-delà sont omises&#xa0;: elles ne s&apos;entendent pas.</translation>
    </message>
    <message>
        <source>HZ</source>
        <extracomment>The value of --pitch, in capitals as the help shows it.</extracomment>
        <translation>HZ</translation>
    </message>
    <message>
        <source>With --export to .csv: the values at N points spread evenly over the picture&apos;s x range, ends included, from 2 to 400001 (1001 unless given).</source>
        <translation>Avec --export vers .csv&#xa0;: les valeurs en N points répartis régulièrement sur l&apos;étendue des x de l&apos;image, extrémités comprises, de 2 à 400001 (1001 sinon).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of --points, in capitals as the help shows it.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Draw the lesson file without a window and write the picture to OUT: a PNG image, an SVG drawing or a PDF document, as its ending .png, .svg or .pdf says. Or write its newest curve as a sound (.wav), or the values of its curves (.csv).</source>
        <translation>Trace le fichier de leçon sans fenêtre et écrit l&apos;image dans SORTIE&#xa0;: une image PNG, un dessin SVG ou un document PDF, selon sa terminaison .png, .svg ou .pdf. Ou écrit sa courbe la plus récente comme un son (.wav), ou les valeurs de ses courbes (.csv).</translation>
    </message>
    <message>
        <source>values, %1 %</source>
        <translation>valeurs, %1&#xa0;%</translation>
    </message>
    <message>
        <source>the lesson %1 leaves no curve in its picture</source>
        <translation>la leçon %1 ne laisse aucune courbe dans son image</translation>
    </message>
    <message>
        <source>the file was not finished within the time limit of %1 s</source>
        <translation>le fichier n&apos;a pas été achevé dans la limite de temps de %1&#xa0;s</translation>
    </message>
    <message>
        <source>the sound could not be exported as %1: %2</source>
        <translation>le son n&apos;a pas pu être exporté sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the values could not be exported as %1: %2</source>
        <translation>les valeurs n&apos;ont pas pu être exportées sous %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Curve</name>
    <message>
        <source>Square series, %1 term, scale %2</source>
        <extracomment>What screen readers say of the curve: %1 is the number of terms, %2 the scale.</extracomment>
        <translation>Série carrée, %1 terme, échelle %2</translation>
    </message>
    <message>
        <source>Square series, %1 terms, scale %2</source>
        <translation>Série carrée, %1 termes, échelle %2</translation>
    </message>
    <message>
        <source>Triangle series, %1 term, scale %2</source>
        <translation>Série triangulaire, %1 terme, échelle %2</translation>
    </message>
    <message>
        <source>Triangle series, %1 terms, scale %2</source>
        <translation>Série triangulaire, %1 termes, échelle %2</translation>
    </message>
    <message>
        <source>Sawtooth series, %1 term, scale %2</source>
        <translation>Série en dents de scie, %1 terme, échelle %2</translation>
    </message>
    <message>
        <source>Sawtooth series, %1 terms, scale %2</source>
        <translation>Série en dents de scie, %1 termes, échelle %2</translation>
    </message>
    <message>
        <source>y = 4 sin x, scale %1</source>
        <extracomment>What screen readers say of the curve: %1 is the scale.</extracomment>
        <translation>y = 4 sin x, échelle %1</translation>
    </message>
    <message>
        <source>y = 4 cos x, scale %1</source>
        <translation>y = 4 cos x, échelle %1</translation>
    </message>
    <message>
        <source>Ideal wave of y = 4 sin x, scale %1</source>
        <extracomment>What screen readers say of the ideal wave drawn behind a curve: %1 is the scale.</extracomment>
        <translation>Onde idéale de y = 4 sin x, échelle %1</translation>
    </message>
    <message>
        <source>Ideal wave of y = 4 cos x, scale %1</source>
        <translation>Onde idéale de y = 4 cos x, échelle %1</translation>
    </message>
    <message>
        <source>Ideal square wave, scale %1</source>
        <translation>Onde carrée idéale, échelle %1</translation>
    </message>
    <message>
        <source>Ideal triangle wave, scale %1</source>
        <translation>Onde triangulaire idéale, échelle %1</translation>
    </message>
    <message>
        <source>Ideal sawtooth wave, scale %1</source>
        <translation>Onde en dents de scie idéale, échelle %1</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Fourier Series</source>
        <translation>Séries de Fourier</translation>
    </message>
    <message>
        <source>Watch the partial sums of the square, triangle and sawtooth series build up their waves</source>
        <translation>Regardez les sommes partielles des séries carrée, triangulaire et en dents de scie construire leurs ondes</translation>
    </message>
    <message>
        <source>Fourier;series;harmonics;sine;cosine;square;triangle;sawtooth;</source>
        <extracomment>Words to find the program by in menus and software centres, each one followed by a semicolon, the last one too.</extracomment>
        <translation>Fourier;série;harmoniques;sinus;cosinus;carré;triangle;dents de scie;</translation>
    </message>
    <message>
        <source>Large window (for a projector)</source>
        <extracomment>The menu entry&apos;s action that starts the program with --zoom 2.</extracomment>
        <translation>Grande fenêtre (pour un projecteur)</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>it has more than the %1 steps a lesson file holds</source>
        <translation>elle a plus que les %1 étapes que peut contenir un fichier de leçon</translation>
    </message>
    <message>
        <source>it would be larger than the 1 MiB a lesson file may be</source>
        <translation>elle dépasserait 1 Mio, la taille maximale d&apos;un fichier de leçon</translation>
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
        <translation>vrai ou faux</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>the file: no &quot;%1&quot;</source>
        <extracomment>%1 is the name of a member the file lacks, such as format.</extracomment>
        <translation>le fichier&#xa0;: «&#xa0;%1&#xa0;» manque</translation>
    </message>
    <message>
        <source>the file: &quot;%1&quot; is %2, not %3</source>
        <extracomment>%1 is the name of a member of the file, %2 the kind of value it holds, %3 the kind it should hold, such as &quot;a number&quot;.</extracomment>
        <translation>le fichier&#xa0;: «&#xa0;%1&#xa0;» est %2, et non %3</translation>
    </message>
    <message>
        <source>step %1: no &quot;%2&quot;</source>
        <extracomment>%1 is the number of the step, %2 the name of a member it lacks, such as scale.</extracomment>
        <translation>étape %1&#xa0;: «&#xa0;%2&#xa0;» manque</translation>
    </message>
    <message>
        <source>step %1: &quot;%2&quot; is %3, not %4</source>
        <extracomment>%1 is the number of the step, %2 the name of one of its members, %3 the kind of value it holds, %4 the kind it should hold, such as &quot;a text&quot;.</extracomment>
        <translation>étape %1&#xa0;: «&#xa0;%2&#xa0;» est %3, et non %4</translation>
    </message>
    <message>
        <source>step %1 is %2, not an object</source>
        <extracomment>%1 is the number of the step, %2 the kind of value it is, such as &quot;a number&quot;.</extracomment>
        <translation>l&apos;étape %1 est %2, et non un objet</translation>
    </message>
    <message>
        <source>step %1: unknown command &quot;%2&quot;</source>
        <extracomment>%1 is the number of the step, %2 the word the file has where the name of a button&apos;s command (square, sin, ...) should be.</extracomment>
        <translation>étape %1&#xa0;: commande inconnue «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>le fichier dépasse 1 Mio</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>le fichier n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>line %1, column %2: not JSON: %3</source>
        <extracomment>%1 and %2 say where in the file it stops being JSON, %3 why, in Qt&apos;s words.</extracomment>
        <translation>ligne %1, colonne %2&#xa0;: pas du JSON&#xa0;: %3</translation>
    </message>
    <message>
        <source>the file holds no lesson: it is not a JSON object</source>
        <translation>le fichier ne contient aucune leçon&#xa0;: ce n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>&quot;format&quot; is &quot;%1&quot;, not &quot;%2&quot;</source>
        <extracomment>%1 is the format the file names, %2 the one of lesson files.</extracomment>
        <translation>«&#xa0;format&#xa0;» est «&#xa0;%1&#xa0;», et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1, newer than this program reads (%2)</source>
        <translation>«&#xa0;version&#xa0;» vaut %1, une version plus récente que celle que lit ce programme (%2)</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1, not a version of lesson files</source>
        <translation>«&#xa0;version&#xa0;» vaut %1, qui n&apos;est pas une version des fichiers de leçon</translation>
    </message>
    <message>
        <source>&quot;steps&quot; holds %1 steps, more than the %2 a lesson may have</source>
        <translation>«&#xa0;steps&#xa0;» contient %1 étapes, plus que les %2 qu&apos;une leçon peut avoir</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of a lesson that is a named pipe, a device or a socket rather than a file.</extracomment>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The value of the Scale Must be less than 20.</source>
        <translation>La valeur de l&apos;échelle ne peut pas dépasser 20.</translation>
    </message>
    <message>
        <source>No Signal Available</source>
        <translation>Aucun signal disponible</translation>
    </message>
    <message>
        <source>Draw a curve first.</source>
        <extracomment>Said when the ideal wave is asked for and no curve has been drawn since the last Clear.</extracomment>
        <translation>Tracez d&apos;abord une courbe.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Watch Fourier partial sums build up square, triangle and sawtooth waves</source>
        <translation>Des sommes partielles de Fourier qui construisent des ondes carrées, triangulaires et en dents de scie</translation>
    </message>
    <message>
        <source>A small program for the classroom that shows how a Fourier series builds up a periodic signal. Type a number of terms and a scale, press a button, and it draws y = 4 sin x, y = 4 cos x, or the partial sum of the square, triangle or sawtooth series on a graduated pair of axes.</source>
        <translation>Un petit programme pour la classe qui montre comment une série de Fourier construit un signal périodique. Saisissez un nombre de termes et une échelle, appuyez sur un bouton, et il trace y = 4 sin x, y = 4 cos x ou la somme partielle de la série carrée, triangulaire ou en dents de scie sur deux axes gradués.</translation>
    </message>
    <message>
        <source>Curves pile up until Clear is pressed, so sums with 1, 3, 10 and 100 terms can be compared on one picture. Thousands of terms are drawn at once; a long sum can be cancelled.</source>
        <translation>Les courbes s&apos;accumulent jusqu&apos;à ce qu&apos;on appuie sur Effacer&#xa0;: on peut ainsi comparer sur une même image les sommes à 1, 3, 10 et 100 termes. Des milliers de termes sont tracés aussitôt&#xa0;; une longue somme peut être annulée.</translation>
    </message>
    <message>
        <source>A large window for a classroom projector, from the menu or with --zoom</source>
        <translation>Une grande fenêtre pour le projecteur de la classe, depuis le menu ou avec --zoom</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard or save it as PNG for a worksheet or a slide</source>
        <translation>Copiez l&apos;image dans le presse-papiers ou enregistrez-la en PNG pour une fiche d&apos;exercices ou une diapositive</translation>
    </message>
    <message>
        <source>Every control named for screen readers; the plot area describes its curves</source>
        <translation>Chaque contrôle est nommé pour les lecteurs d&apos;écran&#xa0;; la zone du graphique décrit ses courbes</translation>
    </message>
    <message>
        <source>In English, Spanish, Brazilian Portuguese, French and German, as the desktop chooses or with --lang</source>
        <translation>En anglais, espagnol, portugais du Brésil, français et allemand, selon le bureau ou avec --lang</translation>
    </message>
    <message>
        <source>The square series with 1, 3 and 10 terms at scale 10</source>
        <translation>La série carrée à 1, 3 et 10 termes à l&apos;échelle 10</translation>
    </message>
    <message>
        <source>The first release: the sine, the cosine and the square, triangle and sawtooth partial sums, exact to the pixel at any number of terms, in five languages.</source>
        <extracomment>The notes of the first release.</extracomment>
        <translation>La première version&#xa0;: le sinus, le cosinus et les sommes partielles carrée, triangulaire et en dents de scie, exactes au pixel près quel que soit le nombre de termes, en cinq langues.</translation>
    </message>
    <message>
        <source>Undo and redo every click, save the lesson and open it again tomorrow</source>
        <translation>Annulez et rétablissez chaque clic, enregistrez la leçon et rouvrez-la demain</translation>
    </message>
</context>
<context>
    <name>MimeType</name>
    <message>
        <source>Fourier Análisis lesson</source>
        <extracomment>What file managers call a lesson file, the program&apos;s file type.</extracomment>
        <translation>Leçon de Fourier Análisis</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide avec les options propres à Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Nothing to read yet: type a scale and click a button to draw.</source>
        <extracomment>What the plot area reads under the pointer or the probe before any scale is set.</extracomment>
        <translation>Rien à lire pour l&apos;instant&#xa0;: saisissez une échelle et appuyez sur un bouton pour tracer.</translation>
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
        <translation>DISPLAY n&apos;est pas définie</translation>
    </message>
    <message>
        <source>cannot open the display to show the window on (%1)</source>
        <translation>impossible d&apos;ouvrir l&apos;écran où afficher la fenêtre (%1)</translation>
    </message>
    <message>
        <source>no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>aucun écran où afficher la fenêtre&#xa0;: ni DISPLAY ni WAYLAND_DISPLAY ne sont définies</translation>
    </message>
    <message>
        <source>a zoom of %1 does not fit the screen; using %2</source>
        <translation>un zoom de %1 ne tient pas à l&apos;écran&#xa0;; utilisation de %2</translation>
    </message>
</context>
<context>
    <name>fourier::AmplitudeView</name>
    <message>
        <source>Spectrum</source>
        <translation>Spectre</translation>
    </message>
    <message>
        <source>Harmonic %1: %2, amplitude %3</source>
        <extracomment>The harmonic chosen in the spectrum: %1 is its number, %2 its term as in 4/3 sin 3x, %3 its amplitude.</extracomment>
        <translation>Harmonique %1 : %2, amplitude %3</translation>
    </message>
    <message>
        <source>and %1 more beyond the %2th</source>
        <extracomment>How many harmonics of the sum have no bar: %1 is their count, %2 the last bar&apos;s harmonic.</extracomment>
        <translation>et %1 de plus au-delà de la %2e</translation>
    </message>
    <message>
        <source>Amplitudes of the harmonics up to the 40th: %1; the others are 0.</source>
        <extracomment>%1 lists the harmonics that have an amplitude and their amplitudes, as in &quot;1: 4, 3: 1.33333&quot;.</extracomment>
        <translation>Amplitudes des harmoniques jusqu&apos;au 40e : %1 ; les autres sont nulles.</translation>
    </message>
</context>
<context>
    <name>fourier::CurveFacts</name>
    <message>
        <source>sin</source>
        <extracomment>The sine and the cosine as a formula writes them, as in 4/3 sin 3x.</extracomment>
        <translation>sin</translation>
    </message>
    <message>
        <source>cos</source>
        <translation>cos</translation>
    </message>
    <message>
        <source>1 term</source>
        <translation>1 terme</translation>
    </message>
    <message>
        <source>%1 terms</source>
        <translation>%1 termes</translation>
    </message>
    <message>
        <source>Overshoot at the jump</source>
        <translation>Dépassement au saut</translation>
    </message>
    <message>
        <source>%1 at x = %2 (π/%3), %4 % of the jump</source>
        <extracomment>%1 is the sum&apos;s value at its first peak past the jump at x = 0, %2 that peak&apos;s x, %3 the same x as pi over a whole number, %4 how far the peak goes past the ideal wave, in percent of the jump&apos;s height.</extracomment>
        <translation>%1 en x = %2 (π/%3), %4 % du saut</translation>
    </message>
    <message>
        <source>However many terms, the sum overshoots the jump by about 9 % of its height: more terms squeeze the overshoot towards the jump but never lower it.</source>
        <translation>Quel que soit le nombre de termes, la somme dépasse le saut d&apos;environ 9 % de sa hauteur : plus de termes rapprochent le dépassement du saut sans jamais le réduire.</translation>
    </message>
    <message>
        <source>With so few terms the sum does not yet reach the top of the jump; with more it overshoots it, by about 9 % however many terms there are.</source>
        <translation>Avec si peu de termes, la somme n&apos;atteint pas encore le haut du saut ; avec davantage elle le dépasse, d&apos;environ 9 % quel que soit le nombre de termes.</translation>
    </message>
    <message>
        <source>Largest error</source>
        <translation>Plus grande erreur</translation>
    </message>
    <message>
        <source>%1 at x = %2</source>
        <extracomment>%1 is how far the sum lies below the ideal wave where it misses it most, %2 that point&apos;s x.</extracomment>
        <translation>%1 en x = %2</translation>
    </message>
    <message>
        <source>At its peak the sum falls short of the ideal wave by this much; it shrinks about as one over the number of terms.</source>
        <translation>À son sommet, la somme reste en dessous de l&apos;onde idéale de cette quantité ; elle diminue à peu près comme un sur le nombre de termes.</translation>
    </message>
    <message>
        <source>RMS error</source>
        <translation>Erreur quadratique moyenne</translation>
    </message>
    <message>
        <source>The typical distance between the sum and the ideal wave over one period, the root of their mean square difference; it shrinks as terms are added.</source>
        <translation>L&apos;écart typique entre la somme et l&apos;onde idéale sur une période, la racine de la moyenne du carré de leur différence ; il diminue quand on ajoute des termes.</translation>
    </message>
    <message>
        <source>This curve is its own ideal wave: one term is the whole series, so it misses nothing and overshoots nowhere.</source>
        <translation>Cette courbe est sa propre onde idéale : un terme est la série entière, elle ne manque donc rien et ne dépasse nulle part.</translation>
    </message>
</context>
<context>
    <name>fourier::DataExport</name>
    <message>
        <source>the picture shows no curve</source>
        <translation>l&apos;image ne montre aucune courbe</translation>
    </message>
</context>
<context>
    <name>fourier::ExportPicture</name>
    <message>
        <source>the drawing could not be started</source>
        <translation>le dessin n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>the drawing could not be finished</source>
        <translation>le dessin n&apos;a pas pu être terminé</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>l&apos;imprimante n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <source>the printing could not be finished</source>
        <translation>l&apos;impression n&apos;a pas pu être terminée</translation>
    </message>
    <message>
        <source>not enough memory to export this picture</source>
        <translation>pas assez de mémoire pour exporter cette image</translation>
    </message>
</context>
<context>
    <name>fourier::ExportSizeDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Times the plot area:</source>
        <translation>&amp;Multiple de la zone du graphique&#xa0;:</translation>
    </message>
    <message>
        <source> ×</source>
        <extracomment>After the number of times the plot area&apos;s size, as in &quot;3 ×&quot;.</extracomment>
        <translation> ×</translation>
    </message>
    <message>
        <source>&amp;Width in pixels:</source>
        <translation>&amp;Largeur en pixels&#xa0;:</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <extracomment>The size of the exported picture, as in &quot;1119 × 975 pixels&quot;.</extracomment>
        <translation>%1 × %2 pixels</translation>
    </message>
</context>
<context>
    <name>fourier::Form1</name>
    <message>
        <source>Drawing the curve…</source>
        <translation>Tracé de la courbe…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The curve could not be drawn: %1</source>
        <translation>La courbe n&apos;a pas pu être tracée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Calculate Sawtooh Series</source>
        <translation>Calculer la série en dents de scie</translation>
    </message>
    <message>
        <source>Calculate Triangular Series</source>
        <translation>Calculer la série triangulaire</translation>
    </message>
    <message>
        <source>Cos x</source>
        <translation>Cos x</translation>
    </message>
    <message>
        <source>Sin x</source>
        <translation>Sin x</translation>
    </message>
    <message>
        <source>Calculate  Square Series</source>
        <translation>Calculer la série carrée</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>This Program Shown the Fourier Series Behavior for Diferent Signals</source>
        <translation>Le comportement de la série de Fourier pour divers signaux</translation>
    </message>
    <message>
        <source>Clear Button</source>
        <translation>Bouton Effacer</translation>
    </message>
    <message>
        <source>Odd Function</source>
        <translation>Fonction
impaire</translation>
    </message>
    <message>
        <source>Even Function</source>
        <translation>Fonction paire</translation>
    </message>
    <message>
        <source>Trigonometric Functions Representing an Analog Waveform</source>
        <translation>Fonctions trigonométriques représentant une forme d&apos;onde analogique</translation>
    </message>
    <message>
        <source>Number of Coeficients in the Fourier Series</source>
        <translation>Nombre de coefficients de la série de Fourier</translation>
    </message>
    <message>
        <source>X,Y Scale</source>
        <translation>Échelle X,Y</translation>
    </message>
    <message>
        <source>Plot area</source>
        <translation>Zone du graphique</translation>
    </message>
    <message>
        <source>The step could not be undone: %1</source>
        <translation>L&apos;étape n&apos;a pas pu être annulée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The step could not be redone: %1</source>
        <translation>L&apos;étape n&apos;a pas pu être rétablie&#xa0;: %1</translation>
    </message>
    <message>
        <source>The lesson %1 could not be opened: %2</source>
        <translation>La leçon %1 n&apos;a pas pu être ouverte&#xa0;: %2</translation>
    </message>
    <message>
        <source>The lesson could not be saved as %1: %2</source>
        <translation>La leçon n&apos;a pas pu être enregistrée sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The picture cannot be drawn afresh: it has more than the %1 steps that are kept for it.</source>
        <translation>L&apos;image ne peut pas être retracée&#xa0;: elle a plus que les %1 étapes qui en sont gardées.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>pas assez de mémoire</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
</context>
<context>
    <name>fourier::HarmonicsWindow</name>
    <message>
        <source>Harmonics</source>
        <translation>Harmoniques</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <translation>&amp;Spectre</translation>
    </message>
    <message>
        <source>&amp;Parts over one period</source>
        <translation>&amp;Parties sur une période</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No curve on the picture since the last Clear</source>
        <translation>Aucune courbe sur l&apos;image depuis le dernier Effacer</translation>
    </message>
    <message>
        <source>To draw one, type a number of terms and a scale in the main window, then click one of its series buttons, Sin x or Cos x.</source>
        <translation>Pour en tracer une, saisissez un nombre de termes et une échelle dans la fenêtre principale, puis cliquez sur l&apos;un de ses boutons de série, Sin x ou Cos x.</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1&#xa0;Hz</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>P&amp;itch:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Jouer</translation>
    </message>
</context>
<context>
    <name>fourier::PartsView</name>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>continue</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>dashed</source>
        <translation>en tirets</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>en pointillés</translation>
    </message>
    <message>
        <source>red-orange</source>
        <translation>rouge orangé</translation>
    </message>
    <message>
        <source>dash-dotted</source>
        <translation>en tirets-points</translation>
    </message>
    <message>
        <source>Parts over one period</source>
        <translation>Parties sur une période</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the ideal wave</source>
        <translation>l&apos;onde idéale</translation>
    </message>
    <message>
        <source>grey, solid</source>
        <translation>gris, continue</translation>
    </message>
    <message>
        <source>the sum of %1</source>
        <extracomment>The partial sum in the key of the parts: %1 is its count of terms, as in &quot;10 terms&quot;.</extracomment>
        <translation>la somme de %1</translation>
    </message>
    <message>
        <source>the curve&apos;s colour, solid</source>
        <translation>la couleur de la courbe, continue</translation>
    </message>
    <message>
        <source>chosen: %1</source>
        <extracomment>The harmonic chosen in the spectrum, in the key of the parts: %1 is its term.</extracomment>
        <translation>choisi : %1</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>One period, x from −π to π: %1.</source>
        <extracomment>What screen readers hear of the parts: %1 lists each line and how it is drawn.</extracomment>
        <translation>Une période, x de −π à π : %1.</translation>
    </message>
    <message>
        <source>Highlighted: harmonic %1, %2.</source>
        <extracomment>%1 is the number of the harmonic chosen in the spectrum, %2 its term.</extracomment>
        <translation>En évidence : harmonique %1, %2.</translation>
    </message>
</context>
<context>
    <name>fourier::PictureActions</name>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Save Picture As…</source>
        <translation>Enregistrer l&apos;image sous…</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Enregistrer l&apos;image sous</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Lesson (*.fourier)</source>
        <translation>Leçon (*.fourier)</translation>
    </message>
    <message>
        <source>Sin x</source>
        <translation>Sin x</translation>
    </message>
    <message>
        <source>Cos x</source>
        <translation>Cos x</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Square Series, %1 term</source>
        <extracomment>A step as the menu names it, as in &quot;Undo Square Series, 10 terms&quot;: %1 is the count.</extracomment>
        <translation>Série carrée, %1 terme</translation>
    </message>
    <message>
        <source>Square Series, %1 terms</source>
        <translation>Série carrée, %1 termes</translation>
    </message>
    <message>
        <source>Triangular Series, %1 term</source>
        <translation>Série triangulaire, %1 terme</translation>
    </message>
    <message>
        <source>Triangular Series, %1 terms</source>
        <translation>Série triangulaire, %1 termes</translation>
    </message>
    <message>
        <source>Sawtooth Series, %1 term</source>
        <translation>Série en dents de scie, %1 terme</translation>
    </message>
    <message>
        <source>Sawtooth Series, %1 terms</source>
        <translation>Série en dents de scie, %1 termes</translation>
    </message>
    <message>
        <source>Open Lesson…</source>
        <translation>Ouvrir une leçon…</translation>
    </message>
    <message>
        <source>Save Lesson As…</source>
        <translation>Enregistrer la leçon sous…</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Lesson As</source>
        <translation>Enregistrer la leçon sous</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exporter l&apos;image…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>The picture could not be exported as %1: %2</source>
        <translation>L&apos;image n&apos;a pas pu être exportée sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Print the curves&apos; descriptions beneath the picture</source>
        <translation>Imprimer les descriptions des courbes sous l&apos;image</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>L&apos;image n&apos;a pas pu être copiée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>L&apos;image n&apos;a pas pu être imprimée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ideal Wave</source>
        <translation>Onde idéale</translation>
    </message>
    <message>
        <source>Draw Ideal Wave</source>
        <translation>Tracer l&apos;onde idéale</translation>
    </message>
    <message>
        <source>Harmonics…</source>
        <translation>Harmoniques…</translation>
    </message>
    <message>
        <source>Sound (*.wav)</source>
        <translation>Son (*.wav)</translation>
    </message>
    <message>
        <source>Curve data (*.csv)</source>
        <translation>Données de courbes (*.csv)</translation>
    </message>
    <message>
        <source>only PNG, SVG, PDF, WAV and CSV files can be made; end the name in .png, .svg, .pdf, .wav or .csv</source>
        <translation>seuls des fichiers PNG, SVG, PDF, WAV et CSV peuvent être créés&#xa0;; terminez le nom par .png, .svg, .pdf, .wav ou .csv</translation>
    </message>
    <message>
        <source>The sound could not be exported as %1: %2</source>
        <translation>Le son n&apos;a pas pu être exporté sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The curve data could not be exported as %1: %2</source>
        <translation>Les données de courbes n&apos;ont pas pu être exportées sous %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>fourier::PictureReadout</name>
    <message>
        <source>Point at the picture to read the point&apos;s coordinates and the curves through it. With the keyboard, the arrow keys move a probe that reads the same, Shift and an arrow key ten pixels at a time; Home brings it back to the origin and Escape hides it.</source>
        <translation>Pointez l&apos;image pour lire les coordonnées du point et les courbes qui y passent. Au clavier, les touches fléchées déplacent une sonde qui lit de même, Maj et une flèche de dix pixels à la fois&#xa0;; Début la ramène à l&apos;origine et Échap la masque.</translation>
    </message>
</context>
<context>
    <name>fourier::Player</name>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>Le son ne peut pas être joué&#xa0;: %1</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Jouer le son</translation>
    </message>
    <message>
        <source>the sound module %1 is not installed</source>
        <translation>le module de son %1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the sound module could not be loaded: %1</source>
        <translation>le module de son n&apos;a pas pu être chargé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the sound module %1 belongs to another version of the program</source>
        <translation>le module de son %1 appartient à une autre version du programme</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone. The picture shows no curve.</source>
        <translation>Joue la courbe la plus récente comme un son. L&apos;image ne montre aucune courbe.</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone of %1 Hz.</source>
        <translation>Joue la courbe la plus récente comme un son de %1&#xa0;Hz.</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone of %1 Hz. Harmonics at 20 kHz and above cannot be heard, so at %1 Hz only the first %2 of its %3 terms sound.</source>
        <translation>Joue la courbe la plus récente comme un son de %1&#xa0;Hz. Les harmoniques de 20&#xa0;kHz et au-delà ne s&apos;entendent pas&#xa0;: à %1&#xa0;Hz, seuls les %2 premiers de ses %3 termes sonnent.</translation>
    </message>
    <message>
        <source>there is no sound device</source>
        <translation>il n&apos;y a aucun périphérique audio</translation>
    </message>
    <message>
        <source>the sound device does not play 16-bit sound at 44,100 Hz</source>
        <translation>le périphérique audio ne joue pas de son 16&#xa0;bits à 44&#xa0;100&#xa0;Hz</translation>
    </message>
    <message>
        <source>the sound device could not be opened</source>
        <translation>le périphérique audio n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>the sound device stopped working</source>
        <translation>le périphérique audio a cessé de fonctionner</translation>
    </message>
</context>
<context>
    <name>fourier::writeFileSafely</name>
    <message>
        <source>only %1 of its %2 bytes reached the disk</source>
        <translation>seuls %1 de ses %2 octets ont atteint le disque</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of a named pipe, a device or a socket at the name a file is to be saved as.</extracomment>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file has other hard links; writing it would separate them</source>
        <extracomment>Hard links are further names of one and the same file, in one folder or in several.</extracomment>
        <translation>le fichier a d&apos;autres liens physiques&#xa0;; l&apos;écrire les séparerait</translation>
    </message>
</context>
</TS>
