<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>The platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>O plugin de plataforma: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>Where to look for platform plugins.</source>
        <translation>Onde procurar os plugins de plataforma.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>O tema da plataforma.</translation>
    </message>
    <message>
        <source>A further plugin to load, such as an input device&apos;s.</source>
        <translation>Outro plugin a carregar, como o de um dispositivo de entrada.</translation>
    </message>
    <message>
        <source>The main window&apos;s size and place, as WxH+X+Y.</source>
        <translation>O tamanho e a posição da janela principal, na forma WxH+X+Y.</translation>
    </message>
    <message>
        <source>The main window&apos;s icon.</source>
        <translation>O ícone da janela principal.</translation>
    </message>
    <message>
        <source>The main window&apos;s title.</source>
        <translation>O título da janela principal.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>A sessão a restaurar.</translation>
    </message>
    <message>
        <source>The X display to use.</source>
        <translation>O display X a usar.</translation>
    </message>
    <message>
        <source>The same as -qwindowgeometry.</source>
        <translation>O mesmo que -qwindowgeometry.</translation>
    </message>
    <message>
        <source>The application&apos;s name for the window system.</source>
        <translation>O nome do aplicativo para o sistema de janelas.</translation>
    </message>
    <message>
        <source>The same as -qwindowtitle.</source>
        <translation>O mesmo que -qwindowtitle.</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, ...</source>
        <translation>O estilo dos controles: Fusion, Windows, ...</translation>
    </message>
    <message>
        <source>A style sheet to apply.</source>
        <translation>Uma folha de estilo a aplicar.</translation>
    </message>
    <message>
        <source>Settings for the QML debugger.</source>
        <translation>Configurações do depurador de QML.</translation>
    </message>
    <message>
        <source>How the platform&apos;s own dialogs are used.</source>
        <translation>Como são usados os diálogos próprios da plataforma.</translation>
    </message>
    <message>
        <source>The font engine to use.</source>
        <translation>O mecanismo de fontes a usar.</translation>
    </message>
    <message>
        <source>Lay the window out from right to left.</source>
        <translation>Dispõe a janela da direita para a esquerda.</translation>
    </message>
    <message>
        <source>Say how many widgets remain at the end.</source>
        <translation>Diz no final quantos controles restam.</translation>
    </message>
    <message>
        <source>Never grab the mouse or the keyboard.</source>
        <translation>Nunca captura o mouse nem o teclado.</translation>
    </message>
    <message>
        <source>Grab the mouse and the keyboard even under a debugger.</source>
        <translation>Captura o mouse e o teclado mesmo sob um depurador.</translation>
    </message>
    <message>
        <source>Talk to the X server synchronously, for debugging.</source>
        <translation>Comunica-se com o servidor X de forma síncrona, para depuração.</translation>
    </message>
    <message>
        <source>Draws y = 4 sin x, y = 4 cos x and the partial sums of the square, triangle and sawtooth Fourier series.
Qt&apos;s standard options such as -platform and -style also work.</source>
        <translation>Desenha y = 4 sen x, y = 4 cos x e as somas parciais das séries de Fourier quadrada, triangular e dente de serra.
As opções padrão do Qt, como -platform e -style, também funcionam.</translation>
    </message>
    <message>
        <source>Make the whole window FACTOR times larger, for a projector (for example 1.5, 2 or 3). A factor too large for the screen is lowered to the largest that fits.</source>
        <translation>Amplia a janela inteira FATOR vezes, para um projetor (por exemplo 1.5, 2 ou 3, com ponto decimal). Um fator grande demais para a tela é reduzido ao maior que couber.</translation>
    </message>
    <message>
        <source>FACTOR</source>
        <extracomment>The value of --zoom, in capitals as the help shows it.</extracomment>
        <translation>FATOR</translation>
    </message>
    <message>
        <source>Speak the language CODE instead of the desktop&apos;s: es (Spanish), pt_BR (Brazilian Portuguese), fr (French), de (German) or en (English).</source>
        <translation>Usa o idioma CÓDIGO em vez do da área de trabalho: es (espanhol), pt_BR (português do Brasil), fr (francês), de (alemão) ou en (inglês).</translation>
    </message>
    <message>
        <source>CODE</source>
        <extracomment>The value of --lang, in capitals as the help shows it.</extracomment>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>there is no translation into &apos;%1&apos;; the program speaks English</source>
        <translation>não há tradução para o idioma “%1”; o programa fala inglês</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>--zoom wants a factor of 1 or more, such as 1.5, 2 or 3, not &apos;%1&apos;.</source>
        <translation>--zoom precisa de um fator de 1 ou mais, como 1.5, 2 ou 3, não “%1”.</translation>
    </message>
    <message>
        <source>output error</source>
        <translation>erro de saída</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>erro de escrita: %1</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of the one argument, a file, as the help lists it.</extracomment>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>[file]</source>
        <extracomment>The argument in the help&apos;s first line, in brackets since it may be left out.</extracomment>
        <translation>[arquivo]</translation>
    </message>
    <message>
        <source>--size wants a whole factor from 1 to 8, or a width from %1 to %2 pixels such as 1920px, not &apos;%3&apos;.</source>
        <translation>--size precisa de um fator inteiro de 1 a 8, ou de uma largura de %1 a %2 pixels como 1920px, não “%3”.</translation>
    </message>
    <message>
        <source>--export wants a lesson file to draw.</source>
        <translation>--export precisa de um arquivo de lição para desenhar.</translation>
    </message>
    <message>
        <source>OUT</source>
        <extracomment>The value of --export, in capitals as the help shows it.</extracomment>
        <translation>SAÍDA</translation>
    </message>
    <message>
        <source>With --export: a picture SIZE times the plot area&apos;s size, from 1 (the default) to 8, or SIZE pixels wide when it ends in px, as in 1920px.</source>
        <translation>Com --export: uma imagem TAMANHO vezes maior que a área do gráfico, de 1 (o padrão) a 8, ou com TAMANHO pixels de largura quando termina em px, como em 1920px.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <extracomment>The value of --size, in capitals as the help shows it.</extracomment>
        <translation>TAMANHO</translation>
    </message>
    <message>
        <source>the lesson %1 could not be opened: %2</source>
        <translation>não foi possível abrir a lição %1: %2</translation>
    </message>
    <message>
        <source>the picture could not be exported as %1: %2</source>
        <translation>não foi possível exportar a imagem como %1: %2</translation>
    </message>
    <message>
        <source>--time-limit wants a number of seconds above 0, such as 60 or 2.5, not &apos;%1&apos;.</source>
        <translation>--time-limit precisa de um número de segundos maior que 0, como 60 ou 2.5, não “%1”.</translation>
    </message>
    <message>
        <source>With --export: give up, writing nothing, when the picture is not drawn within SECONDS seconds.</source>
        <translation>Com --export: desistir, sem gravar nada, se a imagem não estiver desenhada em SEGUNDOS segundos.</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <extracomment>The value of --time-limit, in capitals as the help shows it.</extracomment>
        <translation>SEGUNDOS</translation>
    </message>
    <message>
        <source>step %1 of %2, %3 %</source>
        <translation>passo %1 de %2, %3 %</translation>
    </message>
    <message>
        <source>the picture was not finished within the time limit of %1 s</source>
        <translation>a imagem não foi concluída dentro do limite de tempo de %1 s</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 foi dado mais de uma vez.</translation>
    </message>
    <message>
        <source>--json goes with --describe.</source>
        <translation>--json acompanha --describe.</translation>
    </message>
    <message>
        <source>--describe and --export do not go together.</source>
        <translation>--describe e --export não podem ser usadas juntas.</translation>
    </message>
    <message>
        <source>--describe wants a lesson file to describe.</source>
        <translation>--describe precisa de um arquivo de lição para descrever.</translation>
    </message>
    <message>
        <source>Draw the lesson file without a window and write, for each curve of its picture since the last Clear, oldest first, what screen readers say of it and its numbers: the overshoot at the jump or the largest error, and the RMS error.</source>
        <translation>Desenha o arquivo de lição sem janela e escreve, para cada curva da imagem desde o último Limpar, da mais antiga à mais recente, o que os leitores de tela dizem dela e seus números: o sobressinal no salto ou o maior erro, e o erro quadrático médio.</translation>
    </message>
    <message>
        <source>With --describe: write one JSON document instead.</source>
        <translation>Com --describe: escreve em vez disso um documento JSON.</translation>
    </message>
    <message>
        <source>Open the Harmonics window beside the main window: the newest curve&apos;s sum, spectrum, parts and numbers.</source>
        <translation>Abre a janela Harmônicos ao lado da janela principal: a soma, o espectro, as partes e os números da curva mais recente.</translation>
    </message>
    <message>
        <source>A lesson to open, or to draw with --export or --describe: a .fourier file.</source>
        <translation>Uma lição para abrir, ou para desenhar com --export ou --describe: um arquivo .fourier.</translation>
    </message>
    <message>
        <source>--harmonics opens a window, which --export and --describe do not.</source>
        <translation>--harmonics abre uma janela, e --export e --describe não abrem.</translation>
    </message>
    <message>
        <source>the lesson %1 could not be described: not enough memory</source>
        <translation>não foi possível descrever a lição %1: memória insuficiente</translation>
    </message>
    <message>
        <source>--%1 goes with a picture: an export to .png, .svg or .pdf.</source>
        <translation>--%1 acompanha uma imagem: uma exportação para .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>--%1 goes with a sound: an export to .wav.</source>
        <translation>--%1 acompanha um som: uma exportação para .wav.</translation>
    </message>
    <message>
        <source>--%1 goes with curve data: an export to .csv.</source>
        <translation>--%1 acompanha dados de curvas: uma exportação para .csv.</translation>
    </message>
    <message>
        <source>--seconds wants a number of seconds from 0.1 to 60, such as 2 or 0.5, not &apos;%1&apos;.</source>
        <translation>--seconds precisa de um número de segundos de 0.1 a 60, como 2 ou 0.5, não “%1”.</translation>
    </message>
    <message>
        <source>--pitch wants a whole number of Hz from %1 to %2, such as 220 or 440, not &apos;%3&apos;.</source>
        <translation>--pitch precisa de um número inteiro de Hz de %1 a %2, como 220 ou 440, não “%3”.</translation>
    </message>
    <message>
        <source>--points wants a whole number of points from %1 to %2, such as 1001, not &apos;%3&apos;.</source>
        <translation>--points precisa de um número inteiro de pontos de %1 a %2, como 1001, não “%3”.</translation>
    </message>
    <message>
        <source>--%1 goes with --export.</source>
        <translation>--%1 acompanha --export.</translation>
    </message>
    <message>
        <source>--export wants a file name ending in .png, .svg, .pdf, .wav or .csv, not &apos;%1&apos;.</source>
        <translation>--export precisa de um nome de arquivo terminado em .png, .svg, .pdf, .wav ou .csv, não “%1”.</translation>
    </message>
    <message>
        <source>With --export to .wav: a sound SECONDS long, from 0.1 to 60 (2 unless given).</source>
        <translation>Com --export para .wav: um som de SEGUNDOS segundos, de 0.1 a 60 (2 se não for dado).</translation>
    </message>
    <message>
        <source>With --export to .wav: the curve&apos;s period sounds HZ times a second, from 20 to 2000 (220 unless given). Harmonics at 20 kHz and above are left out: they cannot be heard.</source>
        <translation>Com --export para .wav: o período da curva soa HZ vezes por segundo, de 20 a 2000 (220 se não for dado). Os harmônicos de 20 kHz ou mais são omitidos: não podem ser ouvidos.</translation>
    </message>
    <message>
        <source>HZ</source>
        <extracomment>The value of --pitch, in capitals as the help shows it.</extracomment>
        <translation>HZ</translation>
    </message>
    <message>
        <source>With --export to .csv: the values at N points spread evenly over the picture&apos;s x range, ends included, from 2 to 400001 (1001 unless given).</source>
        <translation>Com --export para .csv: os valores em N pontos distribuídos por igual sobre o intervalo de x da imagem, extremos incluídos, de 2 a 400001 (1001 se não for dado).</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The value of --points, in capitals as the help shows it.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Draw the lesson file without a window and write the picture to OUT: a PNG image, an SVG drawing or a PDF document, as its ending .png, .svg or .pdf says. Or write its newest curve as a sound (.wav), or the values of its curves (.csv).</source>
        <translation>Desenha o arquivo de lição sem janela e grava a imagem em SAÍDA: uma imagem PNG, um desenho SVG ou um documento PDF, conforme a terminação .png, .svg ou .pdf. Ou grava sua curva mais recente como som (.wav), ou os valores de suas curvas (.csv).</translation>
    </message>
    <message>
        <source>values, %1 %</source>
        <translation>valores, %1 %</translation>
    </message>
    <message>
        <source>the lesson %1 leaves no curve in its picture</source>
        <translation>a lição %1 não deixa nenhuma curva em sua imagem</translation>
    </message>
    <message>
        <source>the file was not finished within the time limit of %1 s</source>
        <translation>o arquivo não foi concluído dentro do limite de tempo de %1 s</translation>
    </message>
    <message>
        <source>the sound could not be exported as %1: %2</source>
        <translation>não foi possível exportar o som como %1: %2</translation>
    </message>
    <message>
        <source>the values could not be exported as %1: %2</source>
        <translation>não foi possível exportar os valores como %1: %2</translation>
    </message>
</context>
<context>
    <name>Curve</name>
    <message>
        <source>Square series, %1 term, scale %2</source>
        <extracomment>What screen readers say of the curve: %1 is the number of terms, %2 the scale.</extracomment>
        <translation>Série quadrada, %1 termo, escala %2</translation>
    </message>
    <message>
        <source>Square series, %1 terms, scale %2</source>
        <translation>Série quadrada, %1 termos, escala %2</translation>
    </message>
    <message>
        <source>Triangle series, %1 term, scale %2</source>
        <translation>Série triangular, %1 termo, escala %2</translation>
    </message>
    <message>
        <source>Triangle series, %1 terms, scale %2</source>
        <translation>Série triangular, %1 termos, escala %2</translation>
    </message>
    <message>
        <source>Sawtooth series, %1 term, scale %2</source>
        <translation>Série dente de serra, %1 termo, escala %2</translation>
    </message>
    <message>
        <source>Sawtooth series, %1 terms, scale %2</source>
        <translation>Série dente de serra, %1 termos, escala %2</translation>
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
        <translation>Onda quadrada ideal, escala %1</translation>
    </message>
    <message>
        <source>Ideal triangle wave, scale %1</source>
        <translation>Onda triangular ideal, escala %1</translation>
    </message>
    <message>
        <source>Ideal sawtooth wave, scale %1</source>
        <translation>Onda dente de serra ideal, escala %1</translation>
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
        <translation>Veja as somas parciais das séries quadrada, triangular e dente de serra formarem suas ondas</translation>
    </message>
    <message>
        <source>Fourier;series;harmonics;sine;cosine;square;triangle;sawtooth;</source>
        <extracomment>Words to find the program by in menus and software centres, each one followed by a semicolon, the last one too.</extracomment>
        <translation>Fourier;série;harmônicos;seno;cosseno;quadrada;triangular;dente de serra;</translation>
    </message>
    <message>
        <source>Large window (for a projector)</source>
        <extracomment>The menu entry&apos;s action that starts the program with --zoom 2.</extracomment>
        <translation>Janela grande (para um projetor)</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>it has more than the %1 steps a lesson file holds</source>
        <translation>tem mais do que os %1 passos que cabem num arquivo de lição</translation>
    </message>
    <message>
        <source>it would be larger than the 1 MiB a lesson file may be</source>
        <translation>teria mais de 1 MiB, o máximo que um arquivo de lição pode ter</translation>
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
        <translation>verdadeiro ou falso</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>um número</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>um texto</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>uma lista</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>um objeto</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>the file: no &quot;%1&quot;</source>
        <extracomment>%1 is the name of a member the file lacks, such as format.</extracomment>
        <translation>o arquivo: falta “%1”</translation>
    </message>
    <message>
        <source>the file: &quot;%1&quot; is %2, not %3</source>
        <extracomment>%1 is the name of a member of the file, %2 the kind of value it holds, %3 the kind it should hold, such as &quot;a number&quot;.</extracomment>
        <translation>o arquivo: “%1” é %2, não %3</translation>
    </message>
    <message>
        <source>step %1: no &quot;%2&quot;</source>
        <extracomment>%1 is the number of the step, %2 the name of a member it lacks, such as scale.</extracomment>
        <translation>passo %1: falta “%2”</translation>
    </message>
    <message>
        <source>step %1: &quot;%2&quot; is %3, not %4</source>
        <extracomment>%1 is the number of the step, %2 the name of one of its members, %3 the kind of value it holds, %4 the kind it should hold, such as &quot;a text&quot;.</extracomment>
        <translation>passo %1: “%2” é %3, não %4</translation>
    </message>
    <message>
        <source>step %1 is %2, not an object</source>
        <extracomment>%1 is the number of the step, %2 the kind of value it is, such as &quot;a number&quot;.</extracomment>
        <translation>o passo %1 é %2, não um objeto</translation>
    </message>
    <message>
        <source>step %1: unknown command &quot;%2&quot;</source>
        <extracomment>%1 is the number of the step, %2 the word the file has where the name of a button&apos;s command (square, sin, ...) should be.</extracomment>
        <translation>passo %1: comando desconhecido “%2”</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>o arquivo tem mais de 1 MiB</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>o arquivo não é texto UTF-8</translation>
    </message>
    <message>
        <source>line %1, column %2: not JSON: %3</source>
        <extracomment>%1 and %2 say where in the file it stops being JSON, %3 why, in Qt&apos;s words.</extracomment>
        <translation>linha %1, coluna %2: não é JSON: %3</translation>
    </message>
    <message>
        <source>the file holds no lesson: it is not a JSON object</source>
        <translation>o arquivo não contém nenhuma lição: não é um objeto JSON</translation>
    </message>
    <message>
        <source>&quot;format&quot; is &quot;%1&quot;, not &quot;%2&quot;</source>
        <extracomment>%1 is the format the file names, %2 the one of lesson files.</extracomment>
        <translation>“format” é “%1”, não “%2”</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1, newer than this program reads (%2)</source>
        <translation>“version” é %1, mais recente do que a que este programa lê (%2)</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1, not a version of lesson files</source>
        <translation>“version” é %1, que não é uma versão dos arquivos de lição</translation>
    </message>
    <message>
        <source>&quot;steps&quot; holds %1 steps, more than the %2 a lesson may have</source>
        <translation>“steps” contém %1 passos, mais do que os %2 que uma lição pode ter</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of a lesson that is a named pipe, a device or a socket rather than a file.</extracomment>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The value of the Scale Must be less than 20.</source>
        <translation>O valor da escala não pode ser maior que 20.</translation>
    </message>
    <message>
        <source>No Signal Available</source>
        <translation>Nenhum sinal disponível</translation>
    </message>
    <message>
        <source>Draw a curve first.</source>
        <extracomment>Said when the ideal wave is asked for and no curve has been drawn since the last Clear.</extracomment>
        <translation>Desenhe uma curva primeiro.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Watch Fourier partial sums build up square, triangle and sawtooth waves</source>
        <translation>Somas parciais de Fourier formando ondas quadradas, triangulares e dente de serra</translation>
    </message>
    <message>
        <source>A small program for the classroom that shows how a Fourier series builds up a periodic signal. Type a number of terms and a scale, press a button, and it draws y = 4 sin x, y = 4 cos x, or the partial sum of the square, triangle or sawtooth series on a graduated pair of axes.</source>
        <translation>Um pequeno programa para a sala de aula que mostra como uma série de Fourier forma um sinal periódico. Digite um número de termos e uma escala, pressione um botão, e ele desenha y = 4 sen x, y = 4 cos x ou a soma parcial da série quadrada, triangular ou dente de serra sobre um par de eixos graduados.</translation>
    </message>
    <message>
        <source>Curves pile up until Clear is pressed, so sums with 1, 3, 10 and 100 terms can be compared on one picture. Thousands of terms are drawn at once; a long sum can be cancelled.</source>
        <translation>As curvas se acumulam até que se pressione Limpar, de modo que somas com 1, 3, 10 e 100 termos podem ser comparadas numa mesma imagem. Milhares de termos são desenhados na hora; uma soma longa pode ser cancelada.</translation>
    </message>
    <message>
        <source>A large window for a classroom projector, from the menu or with --zoom</source>
        <translation>Uma janela grande para o projetor da sala de aula, pelo menu ou com --zoom</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard or save it as PNG for a worksheet or a slide</source>
        <translation>Copie a imagem para a área de transferência ou salve-a como PNG para uma folha de exercícios ou um slide</translation>
    </message>
    <message>
        <source>Every control named for screen readers; the plot area describes its curves</source>
        <translation>Cada controle tem um nome para os leitores de tela; a área do gráfico descreve suas curvas</translation>
    </message>
    <message>
        <source>In English, Spanish, Brazilian Portuguese, French and German, as the desktop chooses or with --lang</source>
        <translation>Em inglês, espanhol, português do Brasil, francês e alemão, conforme a área de trabalho ou com --lang</translation>
    </message>
    <message>
        <source>The square series with 1, 3 and 10 terms at scale 10</source>
        <translation>A série quadrada com 1, 3 e 10 termos na escala 10</translation>
    </message>
    <message>
        <source>The first release: the sine, the cosine and the square, triangle and sawtooth partial sums, exact to the pixel at any number of terms, in five languages.</source>
        <extracomment>The notes of the first release.</extracomment>
        <translation>A primeira versão: o seno, o cosseno e as somas parciais quadrada, triangular e dente de serra, exatas até o pixel com qualquer número de termos, em cinco idiomas.</translation>
    </message>
    <message>
        <source>Undo and redo every click, save the lesson and open it again tomorrow</source>
        <translation>Desfaça e refaça cada clique, salve a lição e abra-a novamente amanhã</translation>
    </message>
</context>
<context>
    <name>MimeType</name>
    <message>
        <source>Fourier Análisis lesson</source>
        <extracomment>What file managers call a lesson file, the program&apos;s file type.</extracomment>
        <translation>Lição do Fourier Análisis</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda com as opções específicas do Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra informações sobre a versão.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta um valor depois de “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de “%1”.</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opções]</translation>
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
        <translation>Ainda não há nada para ler: digite uma escala e pressione um botão para desenhar.</translation>
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
        <translation>DISPLAY não está definida</translation>
    </message>
    <message>
        <source>cannot open the display to show the window on (%1)</source>
        <translation>não é possível abrir a tela para mostrar a janela (%1)</translation>
    </message>
    <message>
        <source>no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>não há tela para mostrar a janela: nem DISPLAY nem WAYLAND_DISPLAY estão definidas</translation>
    </message>
    <message>
        <source>a zoom of %1 does not fit the screen; using %2</source>
        <translation>um zoom de %1 não cabe na tela; usando %2</translation>
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
        <translation>Harmônico %1: %2, amplitude %3</translation>
    </message>
    <message>
        <source>and %1 more beyond the %2th</source>
        <extracomment>How many harmonics of the sum have no bar: %1 is their count, %2 the last bar&apos;s harmonic.</extracomment>
        <translation>e mais %1 depois do %2º</translation>
    </message>
    <message>
        <source>Amplitudes of the harmonics up to the 40th: %1; the others are 0.</source>
        <extracomment>%1 lists the harmonics that have an amplitude and their amplitudes, as in &quot;1: 4, 3: 1.33333&quot;.</extracomment>
        <translation>Amplitudes dos harmônicos até o 40º: %1; os demais são 0.</translation>
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
        <translation>1 termo</translation>
    </message>
    <message>
        <source>%1 terms</source>
        <translation>%1 termos</translation>
    </message>
    <message>
        <source>Overshoot at the jump</source>
        <translation>Sobressinal no salto</translation>
    </message>
    <message>
        <source>%1 at x = %2 (π/%3), %4 % of the jump</source>
        <extracomment>%1 is the sum&apos;s value at its first peak past the jump at x = 0, %2 that peak&apos;s x, %3 the same x as pi over a whole number, %4 how far the peak goes past the ideal wave, in percent of the jump&apos;s height.</extracomment>
        <translation>%1 em x = %2 (π/%3), %4 % do salto</translation>
    </message>
    <message>
        <source>However many terms, the sum overshoots the jump by about 9 % of its height: more terms squeeze the overshoot towards the jump but never lower it.</source>
        <translation>Com qualquer número de termos, a soma ultrapassa o salto em cerca de 9 % da sua altura: mais termos aproximam o sobressinal do salto, mas nunca o reduzem.</translation>
    </message>
    <message>
        <source>With so few terms the sum does not yet reach the top of the jump; with more it overshoots it, by about 9 % however many terms there are.</source>
        <translation>Com tão poucos termos a soma ainda não alcança o alto do salto; com mais ela o ultrapassa, em cerca de 9 % com qualquer número de termos.</translation>
    </message>
    <message>
        <source>Largest error</source>
        <translation>Maior erro</translation>
    </message>
    <message>
        <source>%1 at x = %2</source>
        <extracomment>%1 is how far the sum lies below the ideal wave where it misses it most, %2 that point&apos;s x.</extracomment>
        <translation>%1 em x = %2</translation>
    </message>
    <message>
        <source>At its peak the sum falls short of the ideal wave by this much; it shrinks about as one over the number of terms.</source>
        <translation>No seu pico a soma fica abaixo da onda ideal por esta quantidade; diminui aproximadamente como um dividido pelo número de termos.</translation>
    </message>
    <message>
        <source>RMS error</source>
        <translation>Erro quadrático médio</translation>
    </message>
    <message>
        <source>The typical distance between the sum and the ideal wave over one period, the root of their mean square difference; it shrinks as terms are added.</source>
        <translation>A distância típica entre a soma e a onda ideal em um período, a raiz da média do quadrado da diferença; diminui à medida que se somam termos.</translation>
    </message>
    <message>
        <source>This curve is its own ideal wave: one term is the whole series, so it misses nothing and overshoots nowhere.</source>
        <translation>Esta curva é a sua própria onda ideal: um termo é a série inteira, então não lhe falta nada e não ultrapassa em nenhum ponto.</translation>
    </message>
</context>
<context>
    <name>fourier::DataExport</name>
    <message>
        <source>the picture shows no curve</source>
        <translation>a imagem não mostra nenhuma curva</translation>
    </message>
</context>
<context>
    <name>fourier::ExportPicture</name>
    <message>
        <source>the drawing could not be started</source>
        <translation>não foi possível começar o desenho</translation>
    </message>
    <message>
        <source>the drawing could not be finished</source>
        <translation>não foi possível terminar o desenho</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>não foi possível iniciar a impressora</translation>
    </message>
    <message>
        <source>the printing could not be finished</source>
        <translation>não foi possível concluir a impressão</translation>
    </message>
    <message>
        <source>not enough memory to export this picture</source>
        <translation>não há memória suficiente para exportar esta imagem</translation>
    </message>
</context>
<context>
    <name>fourier::ExportSizeDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>&amp;Times the plot area:</source>
        <translation>&amp;Múltiplo da área do gráfico:</translation>
    </message>
    <message>
        <source> ×</source>
        <extracomment>After the number of times the plot area&apos;s size, as in &quot;3 ×&quot;.</extracomment>
        <translation> ×</translation>
    </message>
    <message>
        <source>&amp;Width in pixels:</source>
        <translation>&amp;Largura em pixels:</translation>
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
        <translation>Desenhando a curva…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The curve could not be drawn: %1</source>
        <translation>Não foi possível desenhar a curva: %1</translation>
    </message>
    <message>
        <source>Calculate Sawtooh Series</source>
        <translation>Calcular série dente de serra</translation>
    </message>
    <message>
        <source>Calculate Triangular Series</source>
        <translation>Calcular série triangular</translation>
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
        <translation>Calcular série quadrada</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>This Program Shown the Fourier Series Behavior for Diferent Signals</source>
        <translation>O comportamento da série de Fourier com diferentes sinais</translation>
    </message>
    <message>
        <source>Clear Button</source>
        <translation>Botão Limpar</translation>
    </message>
    <message>
        <source>Odd Function</source>
        <translation>Função ímpar</translation>
    </message>
    <message>
        <source>Even Function</source>
        <translation>Função par</translation>
    </message>
    <message>
        <source>Trigonometric Functions Representing an Analog Waveform</source>
        <translation>Funções trigonométricas que representam uma forma de onda analógica</translation>
    </message>
    <message>
        <source>Number of Coeficients in the Fourier Series</source>
        <translation>Número de coeficientes da série de Fourier</translation>
    </message>
    <message>
        <source>X,Y Scale</source>
        <translation>Escala X,Y</translation>
    </message>
    <message>
        <source>Plot area</source>
        <translation>Área do gráfico</translation>
    </message>
    <message>
        <source>The step could not be undone: %1</source>
        <translation>Não foi possível desfazer o passo: %1</translation>
    </message>
    <message>
        <source>The step could not be redone: %1</source>
        <translation>Não foi possível refazer o passo: %1</translation>
    </message>
    <message>
        <source>The lesson %1 could not be opened: %2</source>
        <translation>Não foi possível abrir a lição %1: %2</translation>
    </message>
    <message>
        <source>The lesson could not be saved as %1: %2</source>
        <translation>Não foi possível salvar a lição como %1: %2</translation>
    </message>
    <message>
        <source>The picture cannot be drawn afresh: it has more than the %1 steps that are kept for it.</source>
        <translation>Não é possível desenhar a imagem de novo: ela tem mais do que os %1 passos que são guardados dela.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
</context>
<context>
    <name>fourier::HarmonicsWindow</name>
    <message>
        <source>Harmonics</source>
        <translation>Harmônicos</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <translation>E&amp;spectro</translation>
    </message>
    <message>
        <source>&amp;Parts over one period</source>
        <translation>&amp;Partes em um período</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>No curve on the picture since the last Clear</source>
        <translation>Nenhuma curva na imagem desde o último Limpar</translation>
    </message>
    <message>
        <source>To draw one, type a number of terms and a scale in the main window, then click one of its series buttons, Sin x or Cos x.</source>
        <translation>Para desenhar uma, digite um número de termos e uma escala na janela principal e clique em um dos botões de série, Sen x ou Cos x.</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>P&amp;itch:</source>
        <translation>&amp;Tom:</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Pa&amp;rar</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>Repro&amp;duzir</translation>
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
        <translation>contínua</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>dashed</source>
        <translation>tracejada</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>pontilhada</translation>
    </message>
    <message>
        <source>red-orange</source>
        <translation>vermelho-alaranjado</translation>
    </message>
    <message>
        <source>dash-dotted</source>
        <translation>traço-ponto</translation>
    </message>
    <message>
        <source>Parts over one period</source>
        <translation>Partes em um período</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the ideal wave</source>
        <translation>a onda ideal</translation>
    </message>
    <message>
        <source>grey, solid</source>
        <translation>cinza, contínua</translation>
    </message>
    <message>
        <source>the sum of %1</source>
        <extracomment>The partial sum in the key of the parts: %1 is its count of terms, as in &quot;10 terms&quot;.</extracomment>
        <translation>a soma de %1</translation>
    </message>
    <message>
        <source>the curve&apos;s colour, solid</source>
        <translation>a cor da curva, contínua</translation>
    </message>
    <message>
        <source>chosen: %1</source>
        <extracomment>The harmonic chosen in the spectrum, in the key of the parts: %1 is its term.</extracomment>
        <translation>escolhido: %1</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>One period, x from −π to π: %1.</source>
        <extracomment>What screen readers hear of the parts: %1 lists each line and how it is drawn.</extracomment>
        <translation>Um período, x de −π a π: %1.</translation>
    </message>
    <message>
        <source>Highlighted: harmonic %1, %2.</source>
        <extracomment>%1 is the number of the harmonic chosen in the spectrum, %2 its term.</extracomment>
        <translation>Destacado: harmônico %1, %2.</translation>
    </message>
</context>
<context>
    <name>fourier::PictureActions</name>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Save Picture As…</source>
        <translation>Salvar imagem como…</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Salvar imagem como</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>Não foi possível salvar a imagem como %1: %2</translation>
    </message>
    <message>
        <source>Lesson (*.fourier)</source>
        <translation>Lição (*.fourier)</translation>
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
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Square Series, %1 term</source>
        <extracomment>A step as the menu names it, as in &quot;Undo Square Series, 10 terms&quot;: %1 is the count.</extracomment>
        <translation>Série quadrada, %1 termo</translation>
    </message>
    <message>
        <source>Square Series, %1 terms</source>
        <translation>Série quadrada, %1 termos</translation>
    </message>
    <message>
        <source>Triangular Series, %1 term</source>
        <translation>Série triangular, %1 termo</translation>
    </message>
    <message>
        <source>Triangular Series, %1 terms</source>
        <translation>Série triangular, %1 termos</translation>
    </message>
    <message>
        <source>Sawtooth Series, %1 term</source>
        <translation>Série dente de serra, %1 termo</translation>
    </message>
    <message>
        <source>Sawtooth Series, %1 terms</source>
        <translation>Série dente de serra, %1 termos</translation>
    </message>
    <message>
        <source>Open Lesson…</source>
        <translation>Abrir lição…</translation>
    </message>
    <message>
        <source>Save Lesson As…</source>
        <translation>Salvar lição como…</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Abrir lição</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save Lesson As</source>
        <translation>Salvar lição como</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exportar imagem…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>The picture could not be exported as %1: %2</source>
        <translation>Não foi possível exportar a imagem como %1: %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Print the curves&apos; descriptions beneath the picture</source>
        <translation>Imprimir as descrições das curvas abaixo da imagem</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>Não foi possível copiar a imagem: %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Não foi possível imprimir a imagem: %1</translation>
    </message>
    <message>
        <source>Ideal Wave</source>
        <translation>Onda ideal</translation>
    </message>
    <message>
        <source>Draw Ideal Wave</source>
        <translation>Desenhar a onda ideal</translation>
    </message>
    <message>
        <source>Harmonics…</source>
        <translation>Harmônicos…</translation>
    </message>
    <message>
        <source>Sound (*.wav)</source>
        <translation>Som (*.wav)</translation>
    </message>
    <message>
        <source>Curve data (*.csv)</source>
        <translation>Dados de curvas (*.csv)</translation>
    </message>
    <message>
        <source>only PNG, SVG, PDF, WAV and CSV files can be made; end the name in .png, .svg, .pdf, .wav or .csv</source>
        <translation>só é possível criar arquivos PNG, SVG, PDF, WAV e CSV; termine o nome em .png, .svg, .pdf, .wav ou .csv</translation>
    </message>
    <message>
        <source>The sound could not be exported as %1: %2</source>
        <translation>Não foi possível exportar o som como %1: %2</translation>
    </message>
    <message>
        <source>The curve data could not be exported as %1: %2</source>
        <translation>Não foi possível exportar os dados de curvas como %1: %2</translation>
    </message>
</context>
<context>
    <name>fourier::PictureReadout</name>
    <message>
        <source>Point at the picture to read the point&apos;s coordinates and the curves through it. With the keyboard, the arrow keys move a probe that reads the same, Shift and an arrow key ten pixels at a time; Home brings it back to the origin and Escape hides it.</source>
        <translation>Aponte para a imagem para ler as coordenadas do ponto e as curvas que passam por ele. Com o teclado, as teclas de seta movem uma sonda que lê o mesmo, Shift e uma seta de dez em dez pixels; Home a traz de volta à origem e Esc a esconde.</translation>
    </message>
</context>
<context>
    <name>fourier::Player</name>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>Não é possível tocar o som: %1</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Tocar som</translation>
    </message>
    <message>
        <source>the sound module %1 is not installed</source>
        <translation>o módulo de som %1 não está instalado</translation>
    </message>
    <message>
        <source>the sound module could not be loaded: %1</source>
        <translation>não foi possível carregar o módulo de som: %1</translation>
    </message>
    <message>
        <source>the sound module %1 belongs to another version of the program</source>
        <translation>o módulo de som %1 pertence a outra versão do programa</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone. The picture shows no curve.</source>
        <translation>Toca a curva mais recente como um tom. A imagem não mostra nenhuma curva.</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone of %1 Hz.</source>
        <translation>Toca a curva mais recente como um tom de %1 Hz.</translation>
    </message>
    <message>
        <source>Plays the newest curve as a tone of %1 Hz. Harmonics at 20 kHz and above cannot be heard, so at %1 Hz only the first %2 of its %3 terms sound.</source>
        <translation>Toca a curva mais recente como um tom de %1 Hz. Harmônicos de 20 kHz ou mais não podem ser ouvidos, então a %1 Hz só soam os primeiros %2 de seus %3 termos.</translation>
    </message>
    <message>
        <source>there is no sound device</source>
        <translation>não há nenhum dispositivo de som</translation>
    </message>
    <message>
        <source>the sound device does not play 16-bit sound at 44,100 Hz</source>
        <translation>o dispositivo de som não reproduz som de 16 bits a 44.100 Hz</translation>
    </message>
    <message>
        <source>the sound device could not be opened</source>
        <translation>não foi possível abrir o dispositivo de som</translation>
    </message>
    <message>
        <source>the sound device stopped working</source>
        <translation>o dispositivo de som parou de funcionar</translation>
    </message>
</context>
<context>
    <name>fourier::writeFileSafely</name>
    <message>
        <source>only %1 of its %2 bytes reached the disk</source>
        <translation>apenas %1 dos seus %2 bytes chegaram ao disco</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of a named pipe, a device or a socket at the name a file is to be saved as.</extracomment>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file has other hard links; writing it would separate them</source>
        <extracomment>Hard links are further names of one and the same file, in one folder or in several.</extracomment>
        <translation>o arquivo tem outros links físicos; gravá-lo os separaria</translation>
    </message>
</context>
</TS>
