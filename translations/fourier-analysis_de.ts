<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>The platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>Das Plattform-Plugin: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>Where to look for platform plugins.</source>
        <translation>Wo nach Plattform-Plugins gesucht wird.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>Das Plattform-Thema.</translation>
    </message>
    <message>
        <source>A further plugin to load, such as an input device&apos;s.</source>
        <translation>Ein weiteres zu ladendes Plugin, etwa das eines Eingabegeräts.</translation>
    </message>
    <message>
        <source>The main window&apos;s size and place, as WxH+X+Y.</source>
        <translation>Größe und Lage des Hauptfensters, als WxH+X+Y.</translation>
    </message>
    <message>
        <source>The main window&apos;s icon.</source>
        <translation>Das Symbol des Hauptfensters.</translation>
    </message>
    <message>
        <source>The main window&apos;s title.</source>
        <translation>Der Titel des Hauptfensters.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>Die wiederherzustellende Sitzung.</translation>
    </message>
    <message>
        <source>The X display to use.</source>
        <translation>Das zu verwendende X-Display.</translation>
    </message>
    <message>
        <source>The same as -qwindowgeometry.</source>
        <translation>Dasselbe wie -qwindowgeometry.</translation>
    </message>
    <message>
        <source>The application&apos;s name for the window system.</source>
        <translation>Der Name der Anwendung für das Fenstersystem.</translation>
    </message>
    <message>
        <source>The same as -qwindowtitle.</source>
        <translation>Dasselbe wie -qwindowtitle.</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, ...</source>
        <translation>Der Stil der Bedienelemente: Fusion, Windows, ...</translation>
    </message>
    <message>
        <source>A style sheet to apply.</source>
        <translation>Ein anzuwendendes Stylesheet.</translation>
    </message>
    <message>
        <source>Settings for the QML debugger.</source>
        <translation>Einstellungen für den QML-Debugger.</translation>
    </message>
    <message>
        <source>How the platform&apos;s own dialogs are used.</source>
        <translation>Wie die eigenen Dialoge der Plattform verwendet werden.</translation>
    </message>
    <message>
        <source>The font engine to use.</source>
        <translation>Die zu verwendende Schrift-Engine.</translation>
    </message>
    <message>
        <source>Lay the window out from right to left.</source>
        <translation>Ordnet das Fenster von rechts nach links an.</translation>
    </message>
    <message>
        <source>Say how many widgets remain at the end.</source>
        <translation>Gibt am Ende an, wie viele Bedienelemente übrig sind.</translation>
    </message>
    <message>
        <source>Never grab the mouse or the keyboard.</source>
        <translation>Belegt Maus und Tastatur nie exklusiv.</translation>
    </message>
    <message>
        <source>Grab the mouse and the keyboard even under a debugger.</source>
        <translation>Belegt Maus und Tastatur auch unter einem Debugger exklusiv.</translation>
    </message>
    <message>
        <source>Talk to the X server synchronously, for debugging.</source>
        <translation>Kommuniziert synchron mit dem X-Server, zur Fehlersuche.</translation>
    </message>
    <message>
        <source>Draws y = 4 sin x, y = 4 cos x and the partial sums of the square, triangle and sawtooth Fourier series.
Qt&apos;s standard options such as -platform and -style also work.</source>
        <translation>Zeichnet y = 4 sin x, y = 4 cos x und die Partialsummen der Fourier-Reihen von Rechteck-, Dreieck- und Sägezahnschwingung.
Auch die Standardoptionen von Qt wie -platform und -style funktionieren.</translation>
    </message>
    <message>
        <source>Make the whole window FACTOR times larger, for a projector (for example 1.5, 2 or 3). A factor too large for the screen is lowered to the largest that fits.</source>
        <translation>Vergrößert das ganze Fenster um den Faktor FAKTOR, für einen Projektor (zum Beispiel 1.5, 2 oder 3, mit Dezimalpunkt). Ein für den Bildschirm zu großer Faktor wird auf den größten verringert, der passt.</translation>
    </message>
    <message>
        <source>FACTOR</source>
        <extracomment>The value of --zoom, in capitals as the help shows it.</extracomment>
        <translation>FAKTOR</translation>
    </message>
    <message>
        <source>Speak the language CODE instead of the desktop&apos;s: es (Spanish), pt_BR (Brazilian Portuguese), fr (French), de (German) or en (English).</source>
        <translation>Verwendet die Sprache CODE statt der des Desktops: es (Spanisch), pt_BR (brasilianisches Portugiesisch), fr (Französisch), de (Deutsch) oder en (Englisch).</translation>
    </message>
    <message>
        <source>CODE</source>
        <extracomment>The value of --lang, in capitals as the help shows it.</extracomment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>there is no translation into &apos;%1&apos;; the program speaks English</source>
        <translation>es gibt keine Übersetzung in „%1“; das Programm spricht Englisch</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--zoom wants a factor of 1 or more, such as 1.5, 2 or 3, not &apos;%1&apos;.</source>
        <translation>--zoom braucht einen Faktor von 1 oder mehr, etwa 1.5, 2 oder 3, nicht „%1“.</translation>
    </message>
    <message>
        <source>output error</source>
        <translation>Ausgabefehler</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>Schreibfehler: %1</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of the one argument, a file, as the help lists it.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>[file]</source>
        <extracomment>The argument in the help&apos;s first line, in brackets since it may be left out.</extracomment>
        <translation>[Datei]</translation>
    </message>
    <message>
        <source>--size wants a whole factor from 1 to 8, or a width from %1 to %2 pixels such as 1920px, not &apos;%3&apos;.</source>
        <translation>--size braucht einen ganzzahligen Faktor von 1 bis 8 oder eine Breite von %1 bis %2 Pixeln wie 1920px, nicht „%3“.</translation>
    </message>
    <message>
        <source>--export wants a lesson file to draw.</source>
        <translation>--export braucht eine Lektionsdatei, die es zeichnen soll.</translation>
    </message>
    <message>
        <source>OUT</source>
        <extracomment>The value of --export, in capitals as the help shows it.</extracomment>
        <translation>ZIEL</translation>
    </message>
    <message>
        <source>With --export: a picture SIZE times the plot area&apos;s size, from 1 (the default) to 8, or SIZE pixels wide when it ends in px, as in 1920px.</source>
        <translation>Mit --export: ein Bild GRÖSSE-mal so groß wie die Zeichenfläche, von 1 (die Vorgabe) bis 8, oder GRÖSSE Pixel breit, wenn es auf px endet, wie in 1920px.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <extracomment>The value of --size, in capitals as the help shows it.</extracomment>
        <translation>GRÖSSE</translation>
    </message>
    <message>
        <source>the lesson %1 could not be opened: %2</source>
        <translation>die Lektion %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the picture could not be exported as %1: %2</source>
        <translation>das Bild konnte nicht als %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>--time-limit wants a number of seconds above 0, such as 60 or 2.5, not &apos;%1&apos;.</source>
        <translation>--time-limit braucht eine Zahl von Sekunden über 0, etwa 60 oder 2.5, nicht „%1“.</translation>
    </message>
    <message>
        <source>With --export: give up, writing nothing, when the picture is not drawn within SECONDS seconds.</source>
        <translation>Mit --export: aufgeben, ohne etwas zu schreiben, wenn das Bild nicht binnen SEKUNDEN Sekunden gezeichnet ist.</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <extracomment>The value of --time-limit, in capitals as the help shows it.</extracomment>
        <translation>SEKUNDEN</translation>
    </message>
    <message>
        <source>step %1 of %2, %3 %</source>
        <translation>Schritt %1 von %2, %3 %</translation>
    </message>
    <message>
        <source>the picture was not finished within the time limit of %1 s</source>
        <translation>das Bild wurde nicht innerhalb der Zeitgrenze von %1 s fertig</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>--json goes with --describe.</source>
        <translation>--json gehört zu --describe.</translation>
    </message>
    <message>
        <source>--describe and --export do not go together.</source>
        <translation>--describe und --export passen nicht zusammen.</translation>
    </message>
    <message>
        <source>--describe wants a lesson file to describe.</source>
        <translation>--describe braucht eine Lektionsdatei, die beschrieben werden soll.</translation>
    </message>
    <message>
        <source>Draw the lesson file without a window and write, for each curve of its picture since the last Clear, oldest first, what screen readers say of it and its numbers: the overshoot at the jump or the largest error, and the RMS error.</source>
        <translation>Zeichnet die Lektionsdatei ohne Fenster und schreibt für jede Kurve ihres Bildes seit dem letzten Löschen, die älteste zuerst, was Bildschirmleser über sie sagen, und ihre Kennzahlen: das Überschwingen am Sprung oder den größten Fehler sowie den RMS-Fehler.</translation>
    </message>
    <message>
        <source>With --describe: write one JSON document instead.</source>
        <translation>Mit --describe: schreibt stattdessen ein JSON-Dokument.</translation>
    </message>
    <message>
        <source>Open the Harmonics window beside the main window: the newest curve&apos;s sum, spectrum, parts and numbers.</source>
        <translation>Öffnet das Fenster „Harmonische“ neben dem Hauptfenster: Summe, Spektrum, Anteile und Kennzahlen der neuesten Kurve.</translation>
    </message>
    <message>
        <source>A lesson to open, or to draw with --export or --describe: a .fourier file.</source>
        <translation>Eine Lektion zum Öffnen oder zum Zeichnen mit --export oder --describe: eine .fourier-Datei.</translation>
    </message>
    <message>
        <source>--harmonics opens a window, which --export and --describe do not.</source>
        <translation>--harmonics öffnet ein Fenster, was --export und --describe nicht tun.</translation>
    </message>
    <message>
        <source>the lesson %1 could not be described: not enough memory</source>
        <translation>die Lektion %1 konnte nicht beschrieben werden: nicht genug Speicher</translation>
    </message>
    <message>
        <source>--%1 goes with a picture: an export to .png, .svg or .pdf.</source>
        <translation>--%1 gehört zu einem Bild: einem Export nach .png, .svg oder .pdf.</translation>
    </message>
    <message>
        <source>--%1 goes with a sound: an export to .wav.</source>
        <translation>--%1 gehört zu einem Klang: einem Export nach .wav.</translation>
    </message>
    <message>
        <source>--%1 goes with curve data: an export to .csv.</source>
        <translation>--%1 gehört zu Kurvendaten: einem Export nach .csv.</translation>
    </message>
    <message>
        <source>--seconds wants a number of seconds from 0.1 to 60, such as 2 or 0.5, not &apos;%1&apos;.</source>
        <translation>--seconds braucht eine Zahl von Sekunden von 0.1 bis 60, etwa 2 oder 0.5, nicht „%1“.</translation>
    </message>
    <message>
        <source>--pitch wants a whole number of Hz from %1 to %2, such as 220 or 440, not &apos;%3&apos;.</source>
        <translation>--pitch braucht eine ganze Zahl von Hz von %1 bis %2, etwa 220 oder 440, nicht „%3“.</translation>
    </message>
    <message>
        <source>--points wants a whole number of points from %1 to %2, such as 1001, not &apos;%3&apos;.</source>
        <translation>--points braucht eine ganze Zahl von Punkten von %1 bis %2, etwa 1001, nicht „%3“.</translation>
    </message>
    <message>
        <source>--%1 goes with --export.</source>
        <translation>--%1 gehört zu --export.</translation>
    </message>
    <message>
        <source>--export wants a file name ending in .png, .svg, .pdf, .wav or .csv, not &apos;%1&apos;.</source>
        <translation>--export braucht einen Dateinamen, der auf .png, .svg, .pdf, .wav oder .csv endet, nicht „%1“.</translation>
    </message>
    <message>
        <source>With --export to .wav: a sound SECONDS long, from 0.1 to 60 (2 unless given).</source>
        <translation>Mit --export nach .wav: ein Klang von SEKUNDEN Sekunden, von 0.1 bis 60 (sonst 2).</translation>
    </message>
    <message>
        <source>With --export to .wav: the curve&apos;s period sounds HZ times a second, from 20 to 2000 (220 unless given). Harmonics at 20 kHz and above are left out: they cannot be heard.</source>
        <translation>Mit --export nach .wav: die Periode der Kurve erklingt HZ-mal in der Sekunde, von 20 bis 2000 (sonst 220). Obertöne ab 20 kHz bleiben weg: sie sind nicht hörbar.</translation>
    </message>
    <message>
        <source>HZ</source>
        <extracomment>The value of --pitch, in capitals as the help shows it.</extracomment>
        <translation>HZ</translation>
    </message>
    <message>
        <source>With --export to .csv: the values at N points spread evenly over the picture&apos;s x range, ends included, from 2 to 400001 (1001 unless given).</source>
        <translation>Mit --export nach .csv: die Werte an N Punkten, gleichmäßig über den x-Bereich des Bildes verteilt, Enden eingeschlossen, von 2 bis 400001 (sonst 1001).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of --points, in capitals as the help shows it.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Draw the lesson file without a window and write the picture to OUT: a PNG image, an SVG drawing or a PDF document, as its ending .png, .svg or .pdf says. Or write its newest curve as a sound (.wav), or the values of its curves (.csv).</source>
        <translation>Zeichnet die Lektionsdatei ohne Fenster und schreibt das Bild nach ZIEL: ein PNG-Bild, eine SVG-Zeichnung oder ein PDF-Dokument, je nach der Endung .png, .svg oder .pdf. Oder schreibt ihre neueste Kurve als Klang (.wav) oder die Werte ihrer Kurven (.csv).</translation>
    </message>
    <message>
        <source>values, %1 %</source>
        <translation>Werte, %1 %</translation>
    </message>
    <message>
        <source>the lesson %1 leaves no curve in its picture</source>
        <translation>die Lektion %1 lässt keine Kurve in ihrem Bild</translation>
    </message>
    <message>
        <source>the file was not finished within the time limit of %1 s</source>
        <translation>die Datei wurde nicht innerhalb der Zeitgrenze von %1 s fertig</translation>
    </message>
    <message>
        <source>the sound could not be exported as %1: %2</source>
        <translation>der Klang konnte nicht als %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>the values could not be exported as %1: %2</source>
        <translation>die Werte konnten nicht als %1 exportiert werden: %2</translation>
    </message>
</context>
<context>
    <name>Curve</name>
    <message>
        <source>Square series, %1 term, scale %2</source>
        <extracomment>What screen readers say of the curve: %1 is the number of terms, %2 the scale.</extracomment>
        <translation>Rechteckreihe, %1 Glied, Maßstab %2</translation>
    </message>
    <message>
        <source>Square series, %1 terms, scale %2</source>
        <translation>Rechteckreihe, %1 Glieder, Maßstab %2</translation>
    </message>
    <message>
        <source>Triangle series, %1 term, scale %2</source>
        <translation>Dreieckreihe, %1 Glied, Maßstab %2</translation>
    </message>
    <message>
        <source>Triangle series, %1 terms, scale %2</source>
        <translation>Dreieckreihe, %1 Glieder, Maßstab %2</translation>
    </message>
    <message>
        <source>Sawtooth series, %1 term, scale %2</source>
        <translation>Sägezahnreihe, %1 Glied, Maßstab %2</translation>
    </message>
    <message>
        <source>Sawtooth series, %1 terms, scale %2</source>
        <translation>Sägezahnreihe, %1 Glieder, Maßstab %2</translation>
    </message>
    <message>
        <source>y = 4 sin x, scale %1</source>
        <extracomment>What screen readers say of the curve: %1 is the scale.</extracomment>
        <translation>y = 4 sin x, Maßstab %1</translation>
    </message>
    <message>
        <source>y = 4 cos x, scale %1</source>
        <translation>y = 4 cos x, Maßstab %1</translation>
    </message>
    <message>
        <source>Ideal wave of y = 4 sin x, scale %1</source>
        <extracomment>What screen readers say of the ideal wave drawn behind a curve: %1 is the scale.</extracomment>
        <translation>Ideale Welle von y = 4 sin x, Maßstab %1</translation>
    </message>
    <message>
        <source>Ideal wave of y = 4 cos x, scale %1</source>
        <translation>Ideale Welle von y = 4 cos x, Maßstab %1</translation>
    </message>
    <message>
        <source>Ideal square wave, scale %1</source>
        <translation>Ideale Rechteckwelle, Maßstab %1</translation>
    </message>
    <message>
        <source>Ideal triangle wave, scale %1</source>
        <translation>Ideale Dreieckwelle, Maßstab %1</translation>
    </message>
    <message>
        <source>Ideal sawtooth wave, scale %1</source>
        <translation>Ideale Sägezahnwelle, Maßstab %1</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Fourier Series</source>
        <translation>Fourier-Reihen</translation>
    </message>
    <message>
        <source>Watch the partial sums of the square, triangle and sawtooth series build up their waves</source>
        <translation>Sehen Sie zu, wie die Partialsummen der Rechteck-, Dreieck- und Sägezahnreihe ihre Schwingungen aufbauen</translation>
    </message>
    <message>
        <source>Fourier;series;harmonics;sine;cosine;square;triangle;sawtooth;</source>
        <extracomment>Words to find the program by in menus and software centres, each one followed by a semicolon, the last one too.</extracomment>
        <translation>Fourier;Reihe;Harmonische;Sinus;Kosinus;Rechteck;Dreieck;Sägezahn;</translation>
    </message>
    <message>
        <source>Large window (for a projector)</source>
        <extracomment>The menu entry&apos;s action that starts the program with --zoom 2.</extracomment>
        <translation>Großes Fenster (für einen Projektor)</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>it has more than the %1 steps a lesson file holds</source>
        <translation>sie hat mehr als die %1 Schritte, die eine Lektionsdatei fasst</translation>
    </message>
    <message>
        <source>it would be larger than the 1 MiB a lesson file may be</source>
        <translation>sie wäre größer als 1 MiB, die eine Lektionsdatei höchstens haben darf</translation>
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
        <translation>wahr oder falsch</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>the file: no &quot;%1&quot;</source>
        <extracomment>%1 is the name of a member the file lacks, such as format.</extracomment>
        <translation>die Datei: „%1“ fehlt</translation>
    </message>
    <message>
        <source>the file: &quot;%1&quot; is %2, not %3</source>
        <extracomment>%1 is the name of a member of the file, %2 the kind of value it holds, %3 the kind it should hold, such as &quot;a number&quot;.</extracomment>
        <translation>die Datei: „%1“ ist %2, erwartet wird %3</translation>
    </message>
    <message>
        <source>step %1: no &quot;%2&quot;</source>
        <extracomment>%1 is the number of the step, %2 the name of a member it lacks, such as scale.</extracomment>
        <translation>Schritt %1: „%2“ fehlt</translation>
    </message>
    <message>
        <source>step %1: &quot;%2&quot; is %3, not %4</source>
        <extracomment>%1 is the number of the step, %2 the name of one of its members, %3 the kind of value it holds, %4 the kind it should hold, such as &quot;a text&quot;.</extracomment>
        <translation>Schritt %1: „%2“ ist %3, erwartet wird %4</translation>
    </message>
    <message>
        <source>step %1 is %2, not an object</source>
        <extracomment>%1 is the number of the step, %2 the kind of value it is, such as &quot;a number&quot;.</extracomment>
        <translation>Schritt %1 ist %2, erwartet wird ein Objekt</translation>
    </message>
    <message>
        <source>step %1: unknown command &quot;%2&quot;</source>
        <extracomment>%1 is the number of the step, %2 the word the file has where the name of a button&apos;s command (square, sin, ...) should be.</extracomment>
        <translation>Schritt %1: unbekannter Befehl „%2“</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>die Datei ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>line %1, column %2: not JSON: %3</source>
        <extracomment>%1 and %2 say where in the file it stops being JSON, %3 why, in Qt&apos;s words.</extracomment>
        <translation>Zeile %1, Spalte %2: kein JSON: %3</translation>
    </message>
    <message>
        <source>the file holds no lesson: it is not a JSON object</source>
        <translation>die Datei enthält keine Lektion: sie ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>&quot;format&quot; is &quot;%1&quot;, not &quot;%2&quot;</source>
        <extracomment>%1 is the format the file names, %2 the one of lesson files.</extracomment>
        <translation>„format“ ist „%1“, erwartet wird „%2“</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1, newer than this program reads (%2)</source>
        <translation>„version“ ist %1, neuer, als dieses Programm lesen kann (%2)</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1, not a version of lesson files</source>
        <translation>„version“ ist %1, keine Version von Lektionsdateien</translation>
    </message>
    <message>
        <source>&quot;steps&quot; holds %1 steps, more than the %2 a lesson may have</source>
        <translation>„steps“ enthält %1 Schritte, mehr als die %2, die eine Lektion haben darf</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of a lesson that is a named pipe, a device or a socket rather than a file.</extracomment>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The value of the Scale Must be less than 20.</source>
        <translation>Der Maßstab darf höchstens 20 betragen.</translation>
    </message>
    <message>
        <source>No Signal Available</source>
        <translation>Kein Signal verfügbar</translation>
    </message>
    <message>
        <source>Draw a curve first.</source>
        <extracomment>Said when the ideal wave is asked for and no curve has been drawn since the last Clear.</extracomment>
        <translation>Zeichnen Sie zuerst eine Kurve.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Watch Fourier partial sums build up square, triangle and sawtooth waves</source>
        <translation>Fourier-Partialsummen bauen Rechteck-, Dreieck- und Sägezahnschwingungen auf</translation>
    </message>
    <message>
        <source>A small program for the classroom that shows how a Fourier series builds up a periodic signal. Type a number of terms and a scale, press a button, and it draws y = 4 sin x, y = 4 cos x, or the partial sum of the square, triangle or sawtooth series on a graduated pair of axes.</source>
        <translation>Ein kleines Programm für den Unterricht, das zeigt, wie eine Fourier-Reihe ein periodisches Signal aufbaut. Geben Sie eine Anzahl von Gliedern und einen Maßstab ein, drücken Sie eine Schaltfläche, und es zeichnet y = 4 sin x, y = 4 cos x oder die Partialsumme der Rechteck-, Dreieck- oder Sägezahnreihe in ein Achsenkreuz mit Skalenstrichen.</translation>
    </message>
    <message>
        <source>Curves pile up until Clear is pressed, so sums with 1, 3, 10 and 100 terms can be compared on one picture. Thousands of terms are drawn at once; a long sum can be cancelled.</source>
        <translation>Die Kurven sammeln sich, bis Löschen gedrückt wird, sodass Summen mit 1, 3, 10 und 100 Gliedern in einem Bild verglichen werden können. Tausende Glieder werden sofort gezeichnet; eine lange Summe lässt sich abbrechen.</translation>
    </message>
    <message>
        <source>A large window for a classroom projector, from the menu or with --zoom</source>
        <translation>Ein großes Fenster für den Projektor im Klassenzimmer, über das Menü oder mit --zoom</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard or save it as PNG for a worksheet or a slide</source>
        <translation>Kopieren Sie das Bild in die Zwischenablage oder speichern Sie es als PNG für ein Arbeitsblatt oder eine Folie</translation>
    </message>
    <message>
        <source>Every control named for screen readers; the plot area describes its curves</source>
        <translation>Jedes Bedienelement ist für Bildschirmleser benannt; die Zeichenfläche beschreibt ihre Kurven</translation>
    </message>
    <message>
        <source>In English, Spanish, Brazilian Portuguese, French and German, as the desktop chooses or with --lang</source>
        <translation>Auf Englisch, Spanisch, brasilianischem Portugiesisch, Französisch und Deutsch, wie der Desktop es wählt oder mit --lang</translation>
    </message>
    <message>
        <source>The square series with 1, 3 and 10 terms at scale 10</source>
        <translation>Die Rechteckreihe mit 1, 3 und 10 Gliedern im Maßstab 10</translation>
    </message>
    <message>
        <source>The first release: the sine, the cosine and the square, triangle and sawtooth partial sums, exact to the pixel at any number of terms, in five languages.</source>
        <extracomment>The notes of the first release.</extracomment>
        <translation>Die erste Version: Sinus, Kosinus und die Partialsummen der Rechteck-, Dreieck- und Sägezahnreihe, pixelgenau bei jeder Anzahl von Gliedern, in fünf Sprachen.</translation>
    </message>
    <message>
        <source>Undo and redo every click, save the lesson and open it again tomorrow</source>
        <translation>Machen Sie jeden Klick rückgängig und stellen Sie ihn wieder her, speichern Sie die Lektion und öffnen Sie sie morgen wieder</translation>
    </message>
</context>
<context>
    <name>MimeType</name>
    <message>
        <source>Fourier Análisis lesson</source>
        <extracomment>What file managers call a lesson file, the program&apos;s file type.</extracomment>
        <translation>Lektion für Fourier Análisis</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich der Qt-spezifischen Optionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt ein Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Nothing to read yet: type a scale and click a button to draw.</source>
        <extracomment>What the plot area reads under the pointer or the probe before any scale is set.</extracomment>
        <translation>Noch nichts abzulesen: Geben Sie einen Maßstab ein und drücken Sie eine Schaltfläche, um zu zeichnen.</translation>
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
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>cannot open the display to show the window on (%1)</source>
        <translation>die Anzeige für das Fenster lässt sich nicht öffnen (%1)</translation>
    </message>
    <message>
        <source>no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>keine Anzeige für das Fenster: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>a zoom of %1 does not fit the screen; using %2</source>
        <translation>ein Zoom von %1 passt nicht auf den Bildschirm; verwendet wird %2</translation>
    </message>
</context>
<context>
    <name>fourier::AmplitudeView</name>
    <message>
        <source>Spectrum</source>
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>Harmonic %1: %2, amplitude %3</source>
        <extracomment>The harmonic chosen in the spectrum: %1 is its number, %2 its term as in 4/3 sin 3x, %3 its amplitude.</extracomment>
        <translation>Harmonische %1: %2, Amplitude %3</translation>
    </message>
    <message>
        <source>and %1 more beyond the %2th</source>
        <extracomment>How many harmonics of the sum have no bar: %1 is their count, %2 the last bar&apos;s harmonic.</extracomment>
        <translation>und %1 weitere nach der %2.</translation>
    </message>
    <message>
        <source>Amplitudes of the harmonics up to the 40th: %1; the others are 0.</source>
        <extracomment>%1 lists the harmonics that have an amplitude and their amplitudes, as in &quot;1: 4, 3: 1.33333&quot;.</extracomment>
        <translation>Amplituden der Harmonischen bis zur 40.: %1; die übrigen sind 0.</translation>
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
        <translation>1 Glied</translation>
    </message>
    <message>
        <source>%1 terms</source>
        <translation>%1 Glieder</translation>
    </message>
    <message>
        <source>Overshoot at the jump</source>
        <translation>Überschwingen am Sprung</translation>
    </message>
    <message>
        <source>%1 at x = %2 (π/%3), %4 % of the jump</source>
        <extracomment>%1 is the sum&apos;s value at its first peak past the jump at x = 0, %2 that peak&apos;s x, %3 the same x as pi over a whole number, %4 how far the peak goes past the ideal wave, in percent of the jump&apos;s height.</extracomment>
        <translation>%1 bei x = %2 (π/%3), %4 % des Sprungs</translation>
    </message>
    <message>
        <source>However many terms, the sum overshoots the jump by about 9 % of its height: more terms squeeze the overshoot towards the jump but never lower it.</source>
        <translation>Bei jeder Zahl von Gliedern schießt die Summe um etwa 9 % der Sprunghöhe über den Sprung hinaus: mehr Glieder drängen das Überschwingen an den Sprung heran, verringern es aber nie.</translation>
    </message>
    <message>
        <source>With so few terms the sum does not yet reach the top of the jump; with more it overshoots it, by about 9 % however many terms there are.</source>
        <translation>Mit so wenigen Gliedern erreicht die Summe die Oberkante des Sprungs noch nicht; mit mehr schießt sie darüber hinaus, um etwa 9 %, bei jeder Zahl von Gliedern.</translation>
    </message>
    <message>
        <source>Largest error</source>
        <translation>Größter Fehler</translation>
    </message>
    <message>
        <source>%1 at x = %2</source>
        <extracomment>%1 is how far the sum lies below the ideal wave where it misses it most, %2 that point&apos;s x.</extracomment>
        <translation>%1 bei x = %2</translation>
    </message>
    <message>
        <source>At its peak the sum falls short of the ideal wave by this much; it shrinks about as one over the number of terms.</source>
        <translation>An ihrer Spitze bleibt die Summe um so viel unter der idealen Welle; das nimmt etwa wie eins durch die Zahl der Glieder ab.</translation>
    </message>
    <message>
        <source>RMS error</source>
        <translation>RMS-Fehler</translation>
    </message>
    <message>
        <source>The typical distance between the sum and the ideal wave over one period, the root of their mean square difference; it shrinks as terms are added.</source>
        <translation>Der typische Abstand zwischen Summe und idealer Welle über eine Periode, die Wurzel aus dem Mittel ihrer quadrierten Differenz; er nimmt ab, wenn Glieder hinzukommen.</translation>
    </message>
    <message>
        <source>This curve is its own ideal wave: one term is the whole series, so it misses nothing and overshoots nowhere.</source>
        <translation>Diese Kurve ist ihre eigene ideale Welle: ein Glied ist die ganze Reihe, also fehlt nichts und sie schwingt nirgends über.</translation>
    </message>
</context>
<context>
    <name>fourier::DataExport</name>
    <message>
        <source>the picture shows no curve</source>
        <translation>das Bild zeigt keine Kurve</translation>
    </message>
</context>
<context>
    <name>fourier::ExportPicture</name>
    <message>
        <source>the drawing could not be started</source>
        <translation>die Zeichnung konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>the drawing could not be finished</source>
        <translation>die Zeichnung konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the printing could not be finished</source>
        <translation>der Druck konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>not enough memory to export this picture</source>
        <translation>nicht genug Speicher, um dieses Bild zu exportieren</translation>
    </message>
</context>
<context>
    <name>fourier::ExportSizeDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>&amp;Times the plot area:</source>
        <translation>&amp;Vielfaches der Zeichenfläche:</translation>
    </message>
    <message>
        <source> ×</source>
        <extracomment>After the number of times the plot area&apos;s size, as in &quot;3 ×&quot;.</extracomment>
        <translation> ×</translation>
    </message>
    <message>
        <source>&amp;Width in pixels:</source>
        <translation>&amp;Breite in Pixeln:</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <extracomment>The size of the exported picture, as in &quot;1119 × 975 pixels&quot;.</extracomment>
        <translation>%1 × %2 Pixel</translation>
    </message>
</context>
<context>
    <name>fourier::Form1</name>
    <message>
        <source>Drawing the curve…</source>
        <translation>Kurve wird gezeichnet…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The curve could not be drawn: %1</source>
        <translation>Die Kurve konnte nicht gezeichnet werden: %1</translation>
    </message>
    <message>
        <source>Calculate Sawtooh Series</source>
        <translation>Sägezahnreihe berechnen</translation>
    </message>
    <message>
        <source>Calculate Triangular Series</source>
        <translation>Dreieckreihe berechnen</translation>
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
        <translation>Rechteckreihe berechnen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>This Program Shown the Fourier Series Behavior for Diferent Signals</source>
        <translation>Das Verhalten der Fourier-Reihe bei verschiedenen Signalen</translation>
    </message>
    <message>
        <source>Clear Button</source>
        <translation>Schaltfläche Löschen</translation>
    </message>
    <message>
        <source>Odd Function</source>
        <translation>Ungerade
Funktion</translation>
    </message>
    <message>
        <source>Even Function</source>
        <translation>Gerade Funktion</translation>
    </message>
    <message>
        <source>Trigonometric Functions Representing an Analog Waveform</source>
        <translation>Trigonometrische Funktionen, die eine analoge Wellenform darstellen</translation>
    </message>
    <message>
        <source>Number of Coeficients in the Fourier Series</source>
        <translation>Anzahl der Koeffizienten der Fourier-Reihe</translation>
    </message>
    <message>
        <source>X,Y Scale</source>
        <translation>Maßstab X,Y</translation>
    </message>
    <message>
        <source>Plot area</source>
        <translation>Zeichenfläche</translation>
    </message>
    <message>
        <source>The step could not be undone: %1</source>
        <translation>Der Schritt konnte nicht rückgängig gemacht werden: %1</translation>
    </message>
    <message>
        <source>The step could not be redone: %1</source>
        <translation>Der Schritt konnte nicht wiederhergestellt werden: %1</translation>
    </message>
    <message>
        <source>The lesson %1 could not be opened: %2</source>
        <translation>Die Lektion %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The lesson could not be saved as %1: %2</source>
        <translation>Die Lektion konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The picture cannot be drawn afresh: it has more than the %1 steps that are kept for it.</source>
        <translation>Das Bild kann nicht neu gezeichnet werden: Es hat mehr als die %1 Schritte, die dafür aufbewahrt werden.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Die Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>fourier::HarmonicsWindow</name>
    <message>
        <source>Harmonics</source>
        <translation>Harmonische</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <translation>&amp;Spektrum</translation>
    </message>
    <message>
        <source>&amp;Parts over one period</source>
        <translation>&amp;Anteile über eine Periode</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No curve on the picture since the last Clear</source>
        <translation>Keine Kurve im Bild seit dem letzten Löschen</translation>
    </message>
    <message>
        <source>To draw one, type a number of terms and a scale in the main window, then click one of its series buttons, Sin x or Cos x.</source>
        <translation>Um eine zu zeichnen, geben Sie im Hauptfenster eine Zahl von Gliedern und einen Maßstab ein und klicken Sie dann auf eine der Reihen-Schaltflächen, Sin x oder Cos x.</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <source>P&amp;itch:</source>
        <translation>&amp;Tonhöhe:</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>St&amp;opp</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>Abspie&amp;len</translation>
    </message>
</context>
<context>
    <name>fourier::PartsView</name>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>durchgezogen</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>dashed</source>
        <translation>gestrichelt</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>gepunktet</translation>
    </message>
    <message>
        <source>red-orange</source>
        <translation>rotorange</translation>
    </message>
    <message>
        <source>dash-dotted</source>
        <translation>strichpunktiert</translation>
    </message>
    <message>
        <source>Parts over one period</source>
        <translation>Anteile über eine Periode</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the ideal wave</source>
        <translation>die ideale Welle</translation>
    </message>
    <message>
        <source>grey, solid</source>
        <translation>grau, durchgezogen</translation>
    </message>
    <message>
        <source>the sum of %1</source>
        <extracomment>The partial sum in the key of the parts: %1 is its count of terms, as in &quot;10 terms&quot;.</extracomment>
        <translation>die Summe, %1</translation>
    </message>
    <message>
        <source>the curve&apos;s colour, solid</source>
        <translation>Farbe der Kurve, durchgezogen</translation>
    </message>
    <message>
        <source>chosen: %1</source>
        <extracomment>The harmonic chosen in the spectrum, in the key of the parts: %1 is its term.</extracomment>
        <translation>gewählt: %1</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>One period, x from −π to π: %1.</source>
        <extracomment>What screen readers hear of the parts: %1 lists each line and how it is drawn.</extracomment>
        <translation>Eine Periode, x von −π bis π: %1.</translation>
    </message>
    <message>
        <source>Highlighted: harmonic %1, %2.</source>
        <extracomment>%1 is the number of the harmonic chosen in the spectrum, %2 its term.</extracomment>
        <translation>Hervorgehoben: Harmonische %1, %2.</translation>
    </message>
</context>
<context>
    <name>fourier::PictureActions</name>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save Picture As…</source>
        <translation>Bild speichern unter…</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Lesson (*.fourier)</source>
        <translation>Lektion (*.fourier)</translation>
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
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Square Series, %1 term</source>
        <extracomment>A step as the menu names it, as in &quot;Undo Square Series, 10 terms&quot;: %1 is the count.</extracomment>
        <translation>Rechteckreihe, %1 Glied</translation>
    </message>
    <message>
        <source>Square Series, %1 terms</source>
        <translation>Rechteckreihe, %1 Glieder</translation>
    </message>
    <message>
        <source>Triangular Series, %1 term</source>
        <translation>Dreieckreihe, %1 Glied</translation>
    </message>
    <message>
        <source>Triangular Series, %1 terms</source>
        <translation>Dreieckreihe, %1 Glieder</translation>
    </message>
    <message>
        <source>Sawtooth Series, %1 term</source>
        <translation>Sägezahnreihe, %1 Glied</translation>
    </message>
    <message>
        <source>Sawtooth Series, %1 terms</source>
        <translation>Sägezahnreihe, %1 Glieder</translation>
    </message>
    <message>
        <source>Open Lesson…</source>
        <translation>Lektion öffnen…</translation>
    </message>
    <message>
        <source>Save Lesson As…</source>
        <translation>Lektion speichern unter…</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Lesson As</source>
        <translation>Lektion speichern unter</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Bild exportieren…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>The picture could not be exported as %1: %2</source>
        <translation>Das Bild konnte nicht als %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Bildunterschrift</translation>
    </message>
    <message>
        <source>Print the curves&apos; descriptions beneath the picture</source>
        <translation>Die Beschreibungen der Kurven unter das Bild drucken</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>Das Bild konnte nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Das Bild konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>Ideal Wave</source>
        <translation>Ideale Welle</translation>
    </message>
    <message>
        <source>Draw Ideal Wave</source>
        <translation>Ideale Welle zeichnen</translation>
    </message>
    <message>
        <source>Harmonics…</source>
        <translation>Harmonische…</translation>
    </message>
    <message>
        <source>Sound (*.wav)</source>
        <translation>Klang (*.wav)</translation>
    </message>
    <message>
        <source>Curve data (*.csv)</source>
        <translation>Kurvendaten (*.csv)</translation>
    </message>
    <message>
        <source>only PNG, SVG, PDF, WAV and CSV files can be made; end the name in .png, .svg, .pdf, .wav or .csv</source>
        <translation>es können nur PNG-, SVG-, PDF-, WAV- und CSV-Dateien erstellt werden; der Name muss auf .png, .svg, .pdf, .wav oder .csv enden</translation>
    </message>
    <message>
        <source>The sound could not be exported as %1: %2</source>
        <translation>Der Klang konnte nicht als %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>The curve data could not be exported as %1: %2</source>
        <translation>Die Kurvendaten konnten nicht als %1 exportiert werden: %2</translation>
    </message>
</context>
<context>
    <name>fourier::PictureReadout</name>
    <message>
        <source>Point at the picture to read the point&apos;s coordinates and the curves through it. With the keyboard, the arrow keys move a probe that reads the same, Shift and an arrow key ten pixels at a time; Home brings it back to the origin and Escape hides it.</source>
        <translation>Zeigen Sie auf das Bild, um die Koordinaten des Punktes und die Kurven durch ihn abzulesen. Mit der Tastatur bewegen die Pfeiltasten eine Sonde, die dasselbe abliest, Umschalt und eine Pfeiltaste zehn Pixel auf einmal; Pos1 bringt sie zum Ursprung zurück und Esc blendet sie aus.</translation>
    </message>
</context>
<context>
    <name>fourier::Player</name>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>Der Klang kann nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Klang abspielen</translation>
    </message>
    <message>
        <source>the sound module %1 is not installed</source>
        <translation>das Klangmodul %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>the sound module could not be loaded: %1</source>
        <translation>das Klangmodul konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>the sound module %1 belongs to another version of the program</source>
        <translation>das Klangmodul %1 gehört zu einer anderen Version des Programms</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone. The picture shows no curve.</source>
        <translation>Spielt die neueste Kurve als Ton. Das Bild zeigt keine Kurve.</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone of %1 Hz.</source>
        <translation>Spielt die neueste Kurve als Ton von %1 Hz.</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone of %1 Hz. Harmonics at 20 kHz and above cannot be heard, so at %1 Hz only the first %2 of its %3 terms sound.</source>
        <translation>Spielt die neueste Kurve als Ton von %1 Hz. Obertöne ab 20 kHz sind nicht hörbar, daher klingen bei %1 Hz nur die ersten %2 ihrer %3 Glieder.</translation>
    </message>
    <message>
        <source>there is no sound device</source>
        <translation>es gibt kein Audiogerät</translation>
    </message>
    <message>
        <source>the sound device does not play 16-bit sound at 44,100 Hz</source>
        <translation>das Audiogerät spielt keinen 16-Bit-Klang mit 44.100 Hz</translation>
    </message>
    <message>
        <source>the sound device could not be opened</source>
        <translation>das Audiogerät ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>the sound device stopped working</source>
        <translation>das Audiogerät funktioniert nicht mehr</translation>
    </message>
</context>
<context>
    <name>fourier::writeFileSafely</name>
    <message>
        <source>only %1 of its %2 bytes reached the disk</source>
        <translation>nur %1 ihrer %2 Bytes haben den Datenträger erreicht</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of a named pipe, a device or a socket at the name a file is to be saved as.</extracomment>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file has other hard links; writing it would separate them</source>
        <extracomment>Hard links are further names of one and the same file, in one folder or in several.</extracomment>
        <translation>die Datei hat weitere harte Links; sie zu schreiben würde sie von ihnen trennen</translation>
    </message>
</context>
</TS>
