<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>option &apos;--%1&apos; needs a file, for example --%1 readings.csv</source>
        <translation>la opción &apos;--%1&apos; necesita un archivo, por ejemplo --%1 readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--three-cornered-hat&apos; needs three recordings, of the pairs A-B, B-C and C-A, for example --three-cornered-hat ab.csv bc.csv ca.csv</source>
        <translation>la opción &apos;--three-cornered-hat&apos; necesita tres registros, de los pares A-B, B-C y C-A, por ejemplo --three-cornered-hat ab.csv bc.csv ca.csv</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a device, for example %1 /dev/ttyUSB0</source>
        <translation>la opción &apos;%1&apos; necesita un dispositivo, por ejemplo %1 /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>option &apos;%1&apos;: %2 is no network address; give tcp://HOST:PORT, such as tcp://192.168.1.20:5025</source>
        <translation>opción &apos;%1&apos;: %2 no es una dirección de red; indique tcp://HOST:PORT, por ejemplo tcp://192.168.1.20:5025</translation>
    </message>
    <message>
        <source>option &apos;--line%1&apos;: %2 is no line setting; give BAUD/FORMAT[/FLOW], such as 9600/8n1, 19200/7e2/rtscts or 4800/8n1/xonxoff (baud 50 to 4000000, 7 or 8 data bits, parity n, e or o, 1 or 2 stop bits)</source>
        <translation>opción &apos;--line%1&apos;: %2 no es una configuración de línea; indique BAUD/FORMAT[/FLOW], por ejemplo 9600/8n1, 19200/7e2/rtscts o 4800/8n1/xonxoff (de 50 a 4000000 baudios, 7 u 8 bits de datos, paridad n, e u o, 1 o 2 bits de parada)</translation>
    </message>
    <message>
        <source>option &apos;--unit%1&apos;: %2 is no unit a counter reads in; give Hz, kHz or MHz, or for time intervals s, ms, us, ns or ps</source>
        <translation>opción &apos;--unit%1&apos;: %2 no es una unidad en la que lea un contador; indique Hz, kHz o MHz, o para intervalos de tiempo s, ms, us, ns o ps</translation>
    </message>
    <message>
        <source>option &apos;--timeout%1&apos;: %2 is no time an answer may take; give seconds from 0.1 to 60, such as 2</source>
        <translation>opción &apos;--timeout%1&apos;: %2 no es un tiempo que pueda tardar una respuesta; indique segundos de 0.1 a 60, por ejemplo 2</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs %2, for example --%1 %3</source>
        <translation>la opción &apos;--%1&apos; necesita %2, por ejemplo --%1 %3</translation>
    </message>
    <message>
        <source>the same for Com%1</source>
        <translation>lo mismo para Com%1</translation>
    </message>
    <message>
        <source>how Com1&apos;s line speaks, as BAUD/FORMAT[/FLOW]: 9600/8n1,
19200/7e2/rtscts, 4800/8n1/xonxoff (1200/8n1 unless
kept from Line Settings...)</source>
        <translation>la configuración de la línea de Com1, como
BAUD/FORMAT[/FLOW]: 9600/8n1, 19200/7e2/rtscts,
4800/8n1/xonxoff (1200/8n1 si no se guardó otra en
Configuración de la línea...)</translation>
    </message>
    <message>
        <source>the line&apos;s settings</source>
        <translation>la configuración de la línea</translation>
    </message>
    <message>
        <source>sent once after each opening, such as *RST;:CONF:FREQ</source>
        <translation>se envía una vez tras cada apertura, por ejemplo
*RST;:CONF:FREQ</translation>
    </message>
    <message>
        <source>the text to send</source>
        <translation>el texto que se envía</translation>
    </message>
    <message>
        <source>sent at each poll once the last answer is in, such as
READ? (\r and \n stand for CR and LF; a line feed
follows)</source>
        <translation>se envía en cada sondeo una vez recibida la última
respuesta, por ejemplo READ? (\r y \n representan CR y
LF; se añade un salto de línea)</translation>
    </message>
    <message>
        <source>the unit of the counter&apos;s readings: Hz, kHz or MHz
(MHz unless kept); s, ms, us, ns or ps for a time-interval
counter, whose readings are phases</source>
        <translation>la unidad de las lecturas del contador: Hz, kHz o MHz
(MHz si no se guardó otra); s, ms, us, ns o ps para
un contador de intervalos de tiempo, cuyas lecturas
son fases</translation>
    </message>
    <message>
        <source>a unit</source>
        <translation>una unidad</translation>
    </message>
    <message>
        <source>how long an answer may take, 0.1 to 60 seconds
(2 unless kept), then the query is asked again</source>
        <translation>cuánto puede tardar una respuesta, de 0.1 a 60 segundos
(2 si no se guardó otro valor); después se repite la
consulta</translation>
    </message>
    <message>
        <source>a number of seconds</source>
        <translation>un número de segundos</translation>
    </message>
    <message>
        <source>the device of the Com1 button, such as /dev/ttyUSB0,
/dev/serial/by-id/usb-FTDI_...-port0 or COM5; or a
counter on the network, tcp://HOST:PORT</source>
        <translation>el dispositivo del botón Com1, como /dev/ttyUSB0,
/dev/serial/by-id/usb-FTDI_...-port0 o COM5; o un
contador en la red, tcp://HOST:PORT</translation>
    </message>
    <message>
        <source>the device of the Com2 button</source>
        <translation>el dispositivo del botón Com2</translation>
    </message>
    <message>
        <source>forget the device or address Line Settings... kept
for the Com1 button, then start</source>
        <translation>olvidar el dispositivo o la dirección que
Configuración de la línea... guardó para el botón
Com1, y arrancar</translation>
    </message>
    <message>
        <source>the same for Com2</source>
        <translation>lo mismo para Com2</translation>
    </message>
    <message>
        <source>record every reading shown to a CSV file, from the
start (appended to when it exists)</source>
        <translation>registrar cada lectura mostrada en un archivo CSV,
desde el inicio (se añade al final si el archivo ya
existe)</translation>
    </message>
    <message>
        <source>read the counter with no window and no display:
record it (--record) or serve it (--serve), riding
through lost lines, until ended by a signal</source>
        <translation>leer el contador sin ventana ni pantalla: registrarlo
(--record) o servirlo (--serve), superando las pérdidas
de la línea, hasta que una señal lo termine</translation>
    </message>
    <message>
        <source>serve each reading as the counter sent it, a line
each, on TCP port PORT, to other windows reading
tcp://HOST:PORT; to this machine alone unless given
as ADDRESS:PORT, such as 0.0.0.0:5025 for every network</source>
        <translation>servir cada lectura tal como la envió el contador, una
por línea, en el puerto TCP PORT, a otras ventanas que
lean tcp://HOST:PORT; solo a esta máquina, salvo que se
indique como ADDRESS:PORT, por ejemplo 0.0.0.0:5025
para todas las redes</translation>
    </message>
    <message>
        <source>option &apos;--serve&apos; needs a port, for example --serve 5025</source>
        <translation>la opción &apos;--serve&apos; necesita un puerto, por ejemplo --serve 5025</translation>
    </message>
    <message>
        <source>option &apos;--serve&apos;: %1</source>
        <translation>opción &apos;--serve&apos;: %1</translation>
    </message>
    <message>
        <source>wait for a lost line and reopen it, instead of ending;
for this run, as the menu&apos;s Reconnect When Lost</source>
        <translation>esperar a que vuelva una línea perdida y reabrirla,
en vez de terminar; para esta ejecución, como
Reconectar si se pierde en el menú</translation>
    </message>
    <message>
        <source>compare each reading with this frequency: 10MHz,
10 MHz, 10000000 Hz (MHz without a unit); kept for
the next start, as the menu&apos;s Compare with Nominal</source>
        <translation>comparar cada lectura con esta frecuencia: 10MHz,
10 MHz, 10000000 Hz (MHz si no lleva unidad); se guarda
para el próximo arranque, como Comparar con nominal en
el menú</translation>
    </message>
    <message>
        <source>option &apos;--nominal&apos; needs a frequency, for example --nominal 10MHz</source>
        <translation>la opción &apos;--nominal&apos; necesita una frecuencia, por ejemplo --nominal 10MHz</translation>
    </message>
    <message>
        <source>option &apos;--nominal&apos;: %1 is no frequency above 0; give one such as 10MHz, 10 MHz or 10000000 Hz (MHz without a unit)</source>
        <translation>opción &apos;--nominal&apos;: %1 no es una frecuencia mayor que 0; indique una como 10MHz, 10 MHz o 10000000 Hz (MHz si no lleva unidad)</translation>
    </message>
    <message>
        <source>the band around it, such as 10ppm, 50ppb or 25Hz;
a reading outside it shows in a warning colour</source>
        <translation>la banda alrededor de la nominal, como 10ppm, 50ppb o
25Hz; una lectura fuera de ella se muestra en un color
de aviso</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos; needs a tolerance, for example --tolerance 10ppm</source>
        <translation>la opción &apos;--tolerance&apos; necesita una tolerancia, por ejemplo --tolerance 10ppm</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos;: %1 is no tolerance above 0 in ppm, ppb or Hz; give one such as 10ppm, 0.5 ppm, 50ppb or 25Hz</source>
        <translation>opción &apos;--tolerance&apos;: %1 no es una tolerancia mayor que 0 en ppm, ppb o Hz; indique una como 10ppm, 0.5 ppm, 50ppb o 25Hz</translation>
    </message>
    <message>
        <source>show FACTOR times each reading: 64 behind a
divide-by-64 prescaler, -1 for IF - LO; for this
run only, as --offset</source>
        <translation>mostrar cada lectura multiplicada por FACTOR: 64 tras
un preescalador divisor por 64, -1 para IF - LO; solo
para esta ejecución, como --offset</translation>
    </message>
    <message>
        <source>option &apos;--scale&apos; needs a factor, for example --scale 64</source>
        <translation>la opción &apos;--scale&apos; necesita un factor, por ejemplo --scale 64</translation>
    </message>
    <message>
        <source>option &apos;--scale&apos;: %1 is no factor; give a number other than 0, such as 64, -1 or 0.5</source>
        <translation>opción &apos;--scale&apos;: %1 no es un factor; indique un número distinto de 0, como 64, -1 o 0.5</translation>
    </message>
    <message>
        <source>add FREQ, with its sign and unit, to each reading:
-10.7MHz shows LO - IF, +455kHz LO + IF</source>
        <translation>sumar FREQ, con su signo y su unidad, a cada lectura:
-10.7MHz muestra LO - IF, +455kHz muestra LO + IF</translation>
    </message>
    <message>
        <source>option &apos;--offset&apos; needs a frequency, for example --offset -10.7MHz</source>
        <translation>la opción &apos;--offset&apos; necesita una frecuencia, por ejemplo --offset -10.7MHz</translation>
    </message>
    <message>
        <source>option &apos;--offset&apos;: %1 is no frequency with its unit; give one such as -10.7MHz, +455kHz or 0Hz</source>
        <translation>opción &apos;--offset&apos;: %1 no es una frecuencia con su unidad; indique una como -10.7MHz, +455kHz o 0Hz</translation>
    </message>
    <message>
        <source>list the serial ports found and which of them Com1
and Com2 take, then exit</source>
        <translation>listar los puertos serie encontrados y cuáles de
ellos toman Com1 y Com2, y salir</translation>
    </message>
    <message>
        <source>look at a recording (or an export) again in a history
window of its own; no port is opened</source>
        <translation>ver de nuevo un registro (o una exportación) en una
ventana de historial propia; no se abre ningún puerto</translation>
    </message>
    <message>
        <source>print the stability table of a recording as CSV,
then exit; of several, one table with the
recording in a first column</source>
        <translation>imprimir como CSV la tabla de estabilidad de un
registro y salir; con varios, una sola tabla con el
registro en una primera columna</translation>
    </message>
    <message>
        <source>with --stability, --plot or --three-cornered-hat:
take the drift of the straight-line fit out of
every deviation (none)</source>
        <translation>con --stability, --plot o --three-cornered-hat:
quitar de cada desviación la deriva de la recta de
ajuste (por omisión, none)</translation>
    </message>
    <message>
        <source>option &apos;--remove-drift&apos; needs none or linear</source>
        <translation>la opción &apos;--remove-drift&apos; necesita none o linear</translation>
    </message>
    <message>
        <source>option &apos;--remove-drift&apos;: %1 is neither none nor linear</source>
        <translation>opción &apos;--remove-drift&apos;: %1 no es ni none ni linear</translation>
    </message>
    <message>
        <source>with --stability: fit the logarithmic model of
ageing to a day or more of readings</source>
        <translation>con --stability: ajustar el modelo logarítmico de
envejecimiento a un día o más de lecturas</translation>
    </message>
    <message>
        <source>draw the sigma-tau plot of a recording, every
estimator, into an SVG or PNG picture of 1200x800
with no display, then exit; of several, all their
curves on one plot</source>
        <translation>dibujar la gráfica sigma-tau de un registro, con todos
los estimadores, en una imagen SVG o PNG de 1200x800
sin pantalla, y salir; con varios, todas sus curvas en
una sola gráfica</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos; needs a picture and a recording, for example --plot sigma-tau.svg readings.csv</source>
        <translation>la opción &apos;--plot&apos; necesita una imagen y un registro, por ejemplo --plot sigma-tau.svg readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos;: %1 is no picture file; give one ending in .svg or .png</source>
        <translation>opción &apos;--plot&apos;: %1 no es un archivo de imagen; indique uno terminado en .svg o .png</translation>
    </message>
    <message>
        <source>print as CSV each of three oscillators&apos; own
deviations, from recordings of their pairs A-B,
B-C and C-A over the same span, then exit</source>
        <translation>imprimir como CSV la desviación propia de cada uno de
tres osciladores, a partir de registros de sus pares
A-B, B-C y C-A durante el mismo periodo, y salir</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>argumento desconocido %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos; needs a recording after the picture, for example --plot sigma-tau.svg readings.csv</source>
        <translation>la opción &apos;--plot&apos; necesita un registro después de la imagen, por ejemplo --plot sigma-tau.svg readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos; needs a nominal frequency: give --nominal too, such as --nominal 10MHz</source>
        <translation>la opción &apos;--tolerance&apos; necesita una frecuencia nominal: indique también --nominal, por ejemplo --nominal 10MHz</translation>
    </message>
    <message>
        <source>option &apos;--no-window&apos; needs --record FILE or --serve PORT: with no window there is nothing else to do</source>
        <translation>la opción &apos;--no-window&apos; necesita --record FILE o --serve PORT: sin ventana no hay otra cosa que hacer</translation>
    </message>
    <message>
        <source>No serial port was found.
</source>
        <translation>No se encontró ningún puerto serie.
</translation>
    </message>
    <message>
        <source>
Shows the live reading of a 2 GHz frequency counter on a serial port
(1200 baud, 8 data bits, no parity, 1 stop bit, unless told otherwise)
in a window titled &quot;%1&quot;.

</source>
        <translation>
Muestra la lectura en directo de un frecuencímetro de 2 GHz en un
puerto serie (1200 baudios, 8 bits de datos, sin paridad, 1 bit de
parada, salvo que se indique otra cosa) en una ventana titulada &quot;%1&quot;.

</translation>
    </message>
    <message>
        <source>
Each button&apos;s device is, first that applies: its option, the variable
FREQCOUNTER_COM1 or FREQCOUNTER_COM2, the device chosen in the menu&apos;s
Line Settings before, or the serial ports found, USB adapters first
(by serial number, then name), then the rest, such as
a mainboard&apos;s /dev/ttyS0 or COM1: Com1 takes the first, Com2 the
second. The device is looked up again each time its port is opened,
at start and at every click.
Qt&apos;s own options, such as -platform and -style, are accepted.

Right-click the window for more: copy the reading, record to a file,
and the history (Ctrl+H): a chart of the readings with statistics.

With --no-window it reads --com1 (and --com2) with every option above
for the line, the counter and the math, waits for a lost line, and
tells each change on standard error. It ends with status 0 on SIGTERM,
SIGINT or SIGHUP (Ctrl+C on Windows), 1 on a failure waiting cannot
mend (such as a file that cannot be written), 2 on a mistake here.
</source>
        <translation>
El dispositivo de cada botón es el primero que corresponda de estos: su
opción, la variable FREQCOUNTER_COM1 o FREQCOUNTER_COM2, el dispositivo
elegido antes en Configuración de la línea del menú, o los puertos serie
encontrados, primero los adaptadores USB (por número de serie y luego
por nombre) y después el resto, como /dev/ttyS0 o COM1 de una placa
base: Com1 toma el primero y Com2 el segundo. El dispositivo se busca de
nuevo cada vez que se abre su puerto, al arrancar y en cada clic.
Se aceptan las opciones propias de Qt, como -platform y -style.

Haga clic con el botón derecho en la ventana para ver más: copiar la
lectura, registrar en un archivo y el historial (Ctrl+H): un gráfico de
las lecturas con estadísticas.

Con --no-window lee --com1 (y --com2) con todas las opciones anteriores
para la línea, el contador y los cálculos, espera a que vuelva una línea
perdida e informa de cada cambio en la salida de error estándar. Termina
con estado 0 ante SIGTERM, SIGINT o SIGHUP (Ctrl+C en Windows), 1 ante
un fallo que la espera no puede remediar (como un archivo que no se
puede escribir) y 2 ante un error en la línea de órdenes.
</translation>
    </message>
    <message>
        <source>freqcounter: Com%1 no longer stands for %2.
</source>
        <translation>freqcounter: Com%1 ya no corresponde a %2.
</translation>
    </message>
    <message>
        <source>freqcounter: unknown argument &apos;%1&apos;
</source>
        <translation>freqcounter: argumento desconocido &apos;%1&apos;
</translation>
    </message>
    <message>
        <source>Usage: freqcounter %1 [Qt options]
  or:  freqcounter %2
  or:  freqcounter %3 [Qt options]
  or:  freqcounter %4
  or:  freqcounter %5
  or:  freqcounter %6
</source>
        <translation>Uso: freqcounter %1 [opciones de Qt]
  o:  freqcounter %2
  o:  freqcounter %3 [opciones de Qt]
  o:  freqcounter %4
  o:  freqcounter %5
  o:  freqcounter %6
</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>Opciones:
</translation>
    </message>
</context>
<context>
    <name>Counter</name>
    <message>
        <source>A reading from %1 stayed unfinished for %2 s and was dropped; readings are dropped so until a line end comes in time.</source>
        <translation>Una lectura de %1 quedó sin terminar durante %2 s y se descartó; las lecturas se seguirán descartando hasta que llegue a tiempo un final de línea.</translation>
    </message>
    <message>
        <source>A reading from %1 held a character received in error and was dropped; check the line&apos;s settings and its cable.</source>
        <translation>Una lectura de %1 contenía un carácter recibido con error y se descartó; revise la configuración de la línea y su cable.</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>puerto %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CounterMath</name>
    <message>
        <source>LO %1 %2</source>
        <translation>LO %1 %2</translation>
    </message>
    <message>
        <source>%1 %2 LO</source>
        <translation>%1 %2 LO</translation>
    </message>
    <message>
        <source>÷%1 prescaler</source>
        <translation>preescalador ÷%1</translation>
    </message>
    <message>
        <source>%1 × reading</source>
        <translation>%1 × lectura</translation>
    </message>
    <message>
        <source>%1 × reading %2 %3</source>
        <translation>%1 × lectura %2 %3</translation>
    </message>
</context>
<context>
    <name>CsvRecorder</name>
    <message>
        <source>could not be opened</source>
        <translation>no se pudo abrir</translation>
    </message>
    <message>
        <source>could not be cut back to its last whole line</source>
        <translation>no se pudo recortar hasta su última línea completa</translation>
    </message>
    <message>
        <source>could not be written</source>
        <translation>no se pudo escribir</translation>
    </message>
    <message>
        <source>The recording file %1 %2: %3.</source>
        <translation>El archivo de registro %1 %2: %3.</translation>
    </message>
    <message>
        <source> The readings recorded before stay in it.</source>
        <translation> Las lecturas registradas antes se conservan en él.</translation>
    </message>
</context>
<context>
    <name>Drift</name>
    <message>
        <source>the worst of white, flicker and random walk FM</source>
        <translation>el peor caso entre FM blanco, FM de parpadeo y FM de paseo aleatorio</translation>
    </message>
    <message>
        <source>least squares; uncertainty for %1 from the Hadamard variance at %2 τ0</source>
        <translation>mínimos cuadrados; incertidumbre para %1 a partir de la varianza de Hadamard en %2 τ0</translation>
    </message>
</context>
<context>
    <name>FigureTexts</name>
    <message>
        <source>%1 (%2 to %3, %4) at %5</source>
        <translation>%1 (%2 a %3, %4) en %5</translation>
    </message>
    <message>
        <source>working out…</source>
        <translation>calculando…</translation>
    </message>
    <message>
        <source>not fitted</source>
        <translation>sin ajustar</translation>
    </message>
    <message>
        <source>needs a day of readings</source>
        <translation>necesita un día de lecturas</translation>
    </message>
    <message>
        <source>%1 a day</source>
        <translation>%1 al día</translation>
    </message>
    <message>
        <source>none: the readings are not log-shaped</source>
        <translation>ninguno: las lecturas no siguen una curva logarítmica</translation>
    </message>
    <message>
        <source>Of the straight line through the readings, with its 68 % standard uncertainty for %1: %2</source>
        <translation>De la recta que pasa por las lecturas, con su incertidumbre típica del 68 % para %1: %2</translation>
    </message>
    <message>
        <source> (%1 of them numbers)</source>
        <translation> (%1 de ellas son números)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 (%2 parts in 10¹²) from the reference, the phase&apos;s slope</source>
        <translation>%1 (%2 partes en 10¹²) respecto a la referencia, la pendiente de la fase</translation>
    </message>
    <message>
        <source>no nominal set</source>
        <translation>sin frecuencia nominal</translation>
    </message>
    <message>
        <source>%1 (mean against %2)</source>
        <translation>%1 (media respecto a %2)</translation>
    </message>
    <message>
        <source>none: the readings are time intervals</source>
        <translation>ninguna: las lecturas son intervalos de tiempo</translation>
    </message>
    <message>
        <source>%1 Hz a day</source>
        <translation>%1 Hz al día</translation>
    </message>
    <message>
        <source>The fit f(t) = a ln(b t + 1) + c, t in days from the first reading: a = %1, b = %2 a day; the readings lie %3 (rms) from it</source>
        <translation>El ajuste f(t) = a ln(b t + 1) + c, con t en días desde la primera lectura: a = %1, b = %2 al día; las lecturas se apartan %3 (rms) de él</translation>
    </message>
    <message>
        <source>with the linear drift removed</source>
        <translation>con la deriva lineal eliminada</translation>
    </message>
    <message>
        <source>of the readings as read</source>
        <translation>de las lecturas tal como se leyeron</translation>
    </message>
    <message>
        <source>not enough readings</source>
        <translation>no hay suficientes lecturas</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2</source>
        <translation>%1 min %2</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation>%1 h %2</translation>
    </message>
    <message>
        <source>%1 to %2 (%3)</source>
        <translation>%1 a %2 (%3)</translation>
    </message>
    <message>
        <source>, τ₀ = %1</source>
        <translation>, τ₀ = %1</translation>
    </message>
    <message>
        <source>%1, each with its 68.3 % confidence bounds, of the readings with the linear drift removed</source>
        <translation>%1, cada una con sus límites de confianza del 68,3 %, de las lecturas con la deriva lineal eliminada</translation>
    </message>
    <message>
        <source>%1, each with its 68.3 % confidence bounds</source>
        <translation>%1, cada una con sus límites de confianza del 68,3 %</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation>%1, %2 a %3</translation>
    </message>
    <message>
        <source>%1 compared</source>
        <translation>Comparación de %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Figures of</source>
        <translation>Valores de</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>Huecos</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Offset from nominal</source>
        <translation>Desplazamiento respecto a la nominal</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Peak to peak</source>
        <translation>Pico a pico</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Desviación típica</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Deriva</translation>
    </message>
    <message>
        <source>Drift in hertz</source>
        <translation>Deriva en hercios</translation>
    </message>
    <message>
        <source>Ageing at the end</source>
        <translation>Envejecimiento al final</translation>
    </message>
    <message>
        <source>Deviations</source>
        <translation>Desviaciones</translation>
    </message>
    <message>
        <source>Allan deviation</source>
        <translation>Desviación de Allan</translation>
    </message>
    <message>
        <source>Overlapping Allan deviation</source>
        <translation>Desviación de Allan solapada</translation>
    </message>
    <message>
        <source>Modified Allan deviation</source>
        <translation>Desviación de Allan modificada</translation>
    </message>
    <message>
        <source>Overlapping Hadamard deviation</source>
        <translation>Desviación de Hadamard solapada</translation>
    </message>
    <message>
        <source>Time deviation</source>
        <translation>Desviación de tiempo</translation>
    </message>
    <message>
        <source>Total deviation</source>
        <translation>Desviación total</translation>
    </message>
    <message>
        <source>Modified total deviation</source>
        <translation>Desviación total modificada</translation>
    </message>
    <message>
        <source>TheoBR</source>
        <translation>TheoBR</translation>
    </message>
</context>
<context>
    <name>LineSettings</name>
    <message>
        <source>even parity</source>
        <translation>paridad par</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>paridad impar</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>sin paridad</translation>
    </message>
    <message>
        <source>%1 baud, %2 data bits, %3, %4</source>
        <translation>%1 baudios, %2 bits de datos, %3, %4</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 bits de parada</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 bit de parada</translation>
    </message>
    <message>
        <source>, RTS/CTS flow control</source>
        <translation>, control de flujo RTS/CTS</translation>
    </message>
    <message>
        <source>, XON/XOFF flow control</source>
        <translation>, control de flujo XON/XOFF</translation>
    </message>
</context>
<context>
    <name>LoggerRecording</name>
    <message>
        <source>the disk is full: readings are counted and not recorded until there is room (%1)</source>
        <translation>el disco está lleno: las lecturas se cuentan, pero no se registran hasta que haya espacio (%1)</translation>
    </message>
    <message>
        <source>writing again: 1 reading was not recorded</source>
        <translation>escribiendo de nuevo: 1 lectura no se registró</translation>
    </message>
    <message>
        <source>writing again: %1 readings were not recorded</source>
        <translation>escribiendo de nuevo: %1 lecturas no se registraron</translation>
    </message>
</context>
<context>
    <name>Nominal</name>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source> ppb</source>
        <translation> ppb</translation>
    </message>
    <message>
        <source> ppm</source>
        <translation> ppm</translation>
    </message>
</context>
<context>
    <name>NominalComparison</name>
    <message>
        <source>Offset from %1: %2</source>
        <translation>Desplazamiento respecto a %1: %2</translation>
    </message>
    <message>
        <source>   outside %1</source>
        <translation>   fuera de %1</translation>
    </message>
    <message>
        <source>, outside %1</source>
        <translation>, fuera de %1</translation>
    </message>
    <message>
        <source>, within %1</source>
        <translation>, dentro de %1</translation>
    </message>
</context>
<context>
    <name>PlotPicture</name>
    <message>
        <source>a picture is saved as .png or .svg</source>
        <translation>una imagen se guarda como .png o .svg</translation>
    </message>
    <message>
        <source>this build saves no SVG pictures; save as .png</source>
        <translation>esta compilación no guarda imágenes SVG; guárdela como .png</translation>
    </message>
</context>
<context>
    <name>PortDevices</name>
    <message>
        <source> Line Settings… kept %1 for Com%2: %3 or %4 names another device for a run, and %5 forgets it.</source>
        <translation> Configuración de la línea… guardó %1 para Com%2: %3 o %4 indica otro dispositivo para una ejecución, y %5 lo olvida.</translation>
    </message>
</context>
<context>
    <name>Reconnection</name>
    <message>
        <source>%1 Waiting for it to come back.</source>
        <translation>%1 Esperando a que vuelva.</translation>
    </message>
    <message>
        <source>%1 Waiting for it.</source>
        <translation>%1 Esperando a que aparezca.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back after %3 s.</source>
        <translation>El puerto %1 (%2) ha vuelto tras %3 s.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is open after %3 s.</source>
        <translation>El puerto %1 (%2) se ha abierto tras %3 s.</translation>
    </message>
    <message>
        <source>Waiting for %1 to come back. %2</source>
        <translation>Esperando a que vuelva %1. %2</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>puerto %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecordingFigures</name>
    <message>
        <source>1 row could not be read, at line %1; it is left out</source>
        <translation>1 fila no se pudo leer, en la línea %1; se deja fuera</translation>
    </message>
    <message>
        <source>%1 rows could not be read, the first at line %2; they are left out</source>
        <translation>%1 filas no se pudieron leer, la primera en la línea %2; se dejan fuera</translation>
    </message>
    <message>
        <source>no stability figures: %1</source>
        <translation>sin valores de estabilidad: %1</translation>
    </message>
    <message>
        <source>warning: the recordings span %1 s, %2 s and %3 s, more than a tenth apart; the three-cornered hat wants the three pairs measured over the same span</source>
        <translation>aviso: los registros abarcan %1 s, %2 s y %3 s, con diferencias de más de una décima parte; el sombrero de tres picos requiere que los tres pares se midan durante el mismo periodo</translation>
    </message>
</context>
<context>
    <name>RecordingFile</name>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>it shrank</source>
        <translation>se ha reducido</translation>
    </message>
    <message>
        <source>it was replaced or removed</source>
        <translation>se ha sustituido o eliminado</translation>
    </message>
    <message>
        <source>it holds no readings</source>
        <translation>no contiene lecturas</translation>
    </message>
</context>
<context>
    <name>ServeAddress</name>
    <message>
        <source>%1 names no port from 1 to 65535; give [ADDRESS:]PORT, such as 5025 or 0.0.0.0:5025</source>
        <translation>%1 no indica un puerto de 1 a 65535; indique [ADDRESS:]PORT, por ejemplo 5025 o 0.0.0.0:5025</translation>
    </message>
    <message>
        <source>%1: an IPv6 address goes in brackets, such as [::]:5025</source>
        <translation>%1: una dirección IPv6 va entre corchetes, por ejemplo [::]:5025</translation>
    </message>
    <message>
        <source>%1 names no address before its port</source>
        <translation>%1 no indica ninguna dirección antes de su puerto</translation>
    </message>
    <message>
        <source>%1 is no IP address; give one of this machine&apos;s, such as 0.0.0.0 (every interface) or 192.168.1.7, or the port alone (this machine only)</source>
        <translation>%1 no es una dirección IP; indique una de esta máquina, como 0.0.0.0 (todas las interfaces) o 192.168.1.7, o solo el puerto (solo esta máquina)</translation>
    </message>
</context>
<context>
    <name>StabilityConfidence</name>
    <message>
        <source>not identified</source>
        <translation>no identificado</translation>
    </message>
    <message>
        <source>white PM</source>
        <translation>PM blanco</translation>
    </message>
    <message>
        <source>flicker PM</source>
        <translation>PM de parpadeo</translation>
    </message>
    <message>
        <source>white FM</source>
        <translation>FM blanco</translation>
    </message>
    <message>
        <source>flicker FM</source>
        <translation>FM de parpadeo</translation>
    </message>
    <message>
        <source>random walk FM</source>
        <translation>FM de paseo aleatorio</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>fewer than two readings are numbers</source>
        <translation>menos de dos lecturas son números</translation>
    </message>
    <message>
        <source>the readings have no interval: all their time stamps are the same</source>
        <translation>las lecturas no tienen intervalo: todas sus marcas de tiempo son iguales</translation>
    </message>
    <message>
        <source>the readings&apos; mean is zero, and a fractional frequency needs one</source>
        <translation>la media de las lecturas es cero, y una frecuencia fraccional necesita una media distinta de cero</translation>
    </message>
    <message>
        <source>gaps leave no two readings one interval apart</source>
        <translation>los huecos no dejan dos lecturas separadas por un intervalo</translation>
    </message>
</context>
<context>
    <name>ThreeCorneredHat</name>
    <message>
        <source>%1 (%2 to %3)</source>
        <translation>%1 (%2 a %3)</translation>
    </message>
    <message>
        <source>&lt; %1 (upper limit)</source>
        <translation>&lt; %1 (límite superior)</translation>
    </message>
    <message>
        <source>nothing can be told</source>
        <translation>no se puede determinar nada</translation>
    </message>
</context>
<context>
    <name>freqcounter::CounterMathDialog</name>
    <message>
        <source>Counter Math</source>
        <translation>Cálculo del contador</translation>
    </message>
    <message>
        <source>LO − IF (oscillator above the signal)</source>
        <translation>LO − IF (oscilador por encima de la señal)</translation>
    </message>
    <message>
        <source>LO + IF (oscillator below the signal)</source>
        <translation>LO + IF (oscilador por debajo de la señal)</translation>
    </message>
    <message>
        <source>IF − LO</source>
        <translation>IF − LO</translation>
    </message>
    <message>
        <source>÷N prescaler before the counter</source>
        <translation>Preescalador ÷N antes del contador</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>such as 64, -1 or 0.5</source>
        <translation>como 64, -1 o 0.5</translation>
    </message>
    <message>
        <source>such as -10.7 MHz or +455 kHz</source>
        <translation>como -10.7 MHz o +455 kHz</translation>
    </message>
    <message>
        <source>The frequency shown is the factor times the counter&apos;s reading, plus the offset.</source>
        <translation>La frecuencia mostrada es el factor por la lectura del contador, más el desplazamiento.</translation>
    </message>
    <message>
        <source>Common &amp;case:</source>
        <translation>&amp;Caso habitual:</translation>
    </message>
    <message>
        <source>&amp;Factor:</source>
        <translation>&amp;Factor:</translation>
    </message>
    <message>
        <source>&amp;Offset:</source>
        <translation>&amp;Desplazamiento:</translation>
    </message>
    <message>
        <source>The factor must be a number other than 0, such as 64, -1 or 0.5.</source>
        <translation>El factor debe ser un número distinto de 0, como 64, -1 o 0.5.</translation>
    </message>
    <message>
        <source>The offset must be a frequency with its unit, such as -10.7 MHz, +455 kHz or 0 Hz.</source>
        <translation>El desplazamiento debe ser una frecuencia con su unidad, como -10.7 MHz, +455 kHz o 0 Hz.</translation>
    </message>
    <message>
        <source>No reading yet to try it on.</source>
        <translation>Aún no hay ninguna lectura con la que probarlo.</translation>
    </message>
    <message>
        <source>The newest reading, %1, is no number: it shows as it came.</source>
        <translation>La lectura más reciente, %1, no es un número: se muestra tal como llegó.</translation>
    </message>
    <message>
        <source>The newest reading, %1 MHz, shows as %2 MHz.</source>
        <translation>La lectura más reciente, %1 MHz, se muestra como %2 MHz.</translation>
    </message>
</context>
<context>
    <name>freqcounter::HistoryChart</name>
    <message>
        <source>Chart of the readings over time</source>
        <translation>Gráfico de las lecturas a lo largo del tiempo</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Aún no hay lecturas</translation>
    </message>
    <message>
        <source>No reading in this span is a number</source>
        <translation>Ninguna lectura de este periodo es un número</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>ps</source>
        <translation>ps</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>µs</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>ns</source>
        <translation>ns</translation>
    </message>
</context>
<context>
    <name>freqcounter::HistoryWindow</name>
    <message>
        <source>The recording could not be opened.</source>
        <translation>No se pudo abrir el registro.</translation>
    </message>
    <message>
        <source> — History</source>
        <translation> — Historial</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>Everything since start</source>
        <translation>Todo desde el inicio</translation>
    </message>
    <message>
        <source>Take the drift out of the readings before every deviation</source>
        <translation>Quitar la deriva de las lecturas antes de cada desviación</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>lineal</translation>
    </message>
    <message>
        <source>Fit A&amp;geing</source>
        <translation>Ajustar &amp;envejecimiento</translation>
    </message>
    <message>
        <source>Fit the logarithmic model of ageing to a day or more of readings</source>
        <translation>Ajustar el modelo logarítmico de envejecimiento a un día o más de lecturas</translation>
    </message>
    <message>
        <source>Everything recorded</source>
        <translation>Todo lo registrado</translation>
    </message>
    <message>
        <source>Reading the recording…</source>
        <translation>Leyendo el registro…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>1 row could not be read, at line %1</source>
        <translation>1 fila no se pudo leer, en la línea %1</translation>
    </message>
    <message>
        <source>%1 rows could not be read, the first at line %2</source>
        <translation>%1 filas no se pudieron leer, la primera en la línea %2</translation>
    </message>
    <message>
        <source>no longer followed: %1</source>
        <translation>ya no se sigue: %1</translation>
    </message>
    <message>
        <source>the newest %1 of %2 readings</source>
        <translation>las %1 lecturas más recientes de %2</translation>
    </message>
    <message>
        <source>; all are in the recording</source>
        <translation>; todas están en el registro</translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>&amp;Remove drift:</source>
        <translation>&amp;Quitar deriva:</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>&amp;Abrir registro…</translation>
    </message>
    <message>
        <source>Look at a recording again, in a window of its own (Ctrl+O)</source>
        <translation>Ver de nuevo un registro, en una ventana propia (Ctrl+O)</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>&amp;Comparar con…</translation>
    </message>
    <message>
        <source>Lay another recording&apos;s sigma-tau curves on this plot</source>
        <translation>Superponer en esta gráfica las curvas sigma-tau de otro registro</translation>
    </message>
    <message>
        <source>Save Stability &amp;Table…</source>
        <translation>Guardar &amp;tabla de estabilidad…</translation>
    </message>
    <message>
        <source>Save this instrument&apos;s stability figures as CSV</source>
        <translation>Guardar como CSV los valores de estabilidad de este instrumento</translation>
    </message>
    <message>
        <source>S&amp;ave for Analysis…</source>
        <translation>Guardar para a&amp;nálisis…</translation>
    </message>
    <message>
        <source>Save this instrument&apos;s readings of the span, one frequency in Hz a line (Ctrl+S)</source>
        <translation>Guardar las lecturas de este instrumento en el periodo, una frecuencia en Hz por línea (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save &amp;Plot…</source>
        <translation>Guardar &amp;gráfica…</translation>
    </message>
    <message>
        <source>Save the sigma-tau plot or the chart as a PNG or SVG picture</source>
        <translation>Guardar la gráfica sigma-tau o el gráfico de las lecturas como imagen PNG o SVG</translation>
    </message>
    <message>
        <source>Three-Cornered &amp;Hat…</source>
        <translation>&amp;Sombrero de tres picos…</translation>
    </message>
    <message>
        <source>Each of three oscillators&apos; own deviation, from recordings of their three pairs</source>
        <translation>La desviación propia de cada uno de tres osciladores, a partir de registros de sus tres pares</translation>
    </message>
    <message>
        <source>there are no readings to plot</source>
        <translation>no hay lecturas que representar</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>Comparado con %1</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Guardar gráfica</translation>
    </message>
    <message>
        <source>Sigma-tau plot</source>
        <translation>Gráfica sigma-tau</translation>
    </message>
    <message>
        <source>Chart of the readings</source>
        <translation>Gráfico de las lecturas</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Plot:</source>
        <translation>&amp;Gráfica:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>A&amp;nchura:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altura:</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Imágenes SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The plot could not be saved.</source>
        <translation>No se pudo guardar la gráfica.</translation>
    </message>
    <message>
        <source>Save for Analysis</source>
        <translation>Guardar para análisis</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The readings could not be saved.</source>
        <translation>No se pudieron guardar las lecturas.</translation>
    </message>
    <message>
        <source>Save Stability Table</source>
        <translation>Guardar tabla de estabilidad</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The stability table could not be saved.</source>
        <translation>No se pudo guardar la tabla de estabilidad.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Abrir registro</translation>
    </message>
    <message>
        <source>Recordings (*.csv *.txt);;All files (*)</source>
        <translation>Registros (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>The recording could not be compared.</source>
        <translation>No se pudo comparar el registro.</translation>
    </message>
    <message>
        <source>no readings yet</source>
        <translation>aún no hay lecturas</translation>
    </message>
    <message>
        <source>%1, since %2</source>
        <translation>%1, desde %2</translation>
    </message>
    <message>
        <source>%1; counter math %2</source>
        <translation>%1; cálculo del contador: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a figure&apos;s name before its value</comment>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>freqcounter::LargeDisplay</name>
    <message>
        <source>counter silent</source>
        <translation>contador en silencio</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>registrando</translation>
    </message>
</context>
<context>
    <name>freqcounter::LineSettingsDialog</name>
    <message>
        <source>Line Settings: %1</source>
        <translation>Configuración de la línea: %1</translation>
    </message>
    <message>
        <source>the port found, or tcp://HOST:PORT</source>
        <translation>el puerto encontrado, o tcp://HOST:PORT</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>none, or such as *RST;:CONF:FREQ</source>
        <translation>nada, o por ejemplo *RST;:CONF:FREQ</translation>
    </message>
    <message>
        <source>none: the counter talks by itself; or such as READ?</source>
        <translation>nada: el contador transmite por sí solo; o por ejemplo READ?</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>%1 (time interval)</source>
        <translation>%1 (intervalo de tiempo)</translation>
    </message>
    <message>
        <source>De&amp;vice or address:</source>
        <translation>&amp;Dispositivo o dirección:</translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation>&amp;Velocidad en baudios:</translation>
    </message>
    <message>
        <source>&amp;Data bits:</source>
        <translation>&amp;Bits de datos:</translation>
    </message>
    <message>
        <source>&amp;Parity:</source>
        <translation>&amp;Paridad:</translation>
    </message>
    <message>
        <source>&amp;Stop bits:</source>
        <translation>Bi&amp;ts de parada:</translation>
    </message>
    <message>
        <source>&amp;Flow control:</source>
        <translation>&amp;Control de flujo:</translation>
    </message>
    <message>
        <source>S&amp;etup, sent at opening:</source>
        <translation>&amp;Inicialización, enviada al abrir:</translation>
    </message>
    <message>
        <source>&amp;Query, sent at each poll:</source>
        <translation>C&amp;onsulta, enviada en cada sondeo:</translation>
    </message>
    <message>
        <source>&amp;Answer within:</source>
        <translation>Tiempo de &amp;respuesta máximo:</translation>
    </message>
    <message>
        <source>&amp;Unit of the readings:</source>
        <translation>&amp;Unidad de las lecturas:</translation>
    </message>
    <message>
        <source>A counter on the network is named tcp://HOST:PORT, such as tcp://192.168.1.20:5025.</source>
        <translation>Un contador en la red se indica como tcp://HOST:PORT, por ejemplo tcp://192.168.1.20:5025.</translation>
    </message>
    <message>
        <source>The baud rate must be a whole number from %1 to %2.</source>
        <translation>La velocidad en baudios debe ser un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>freqcounter::Logger</name>
    <message>
        <source>Recording to %1.</source>
        <translation>Registrando en %1.</translation>
    </message>
    <message>
        <source>Serving the readings on tcp://%1, to %2 clients at most.</source>
        <translation>Sirviendo las lecturas en tcp://%1, a %2 clientes como máximo.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is open.</source>
        <translation>El puerto %1 (%2) está abierto.</translation>
    </message>
    <message>
        <source>The counter on port %1 does not answer.</source>
        <translation>El contador del puerto %1 no responde.</translation>
    </message>
    <message>
        <source>The counter on port %1 answers again.</source>
        <translation>El contador del puerto %1 responde de nuevo.</translation>
    </message>
</context>
<context>
    <name>freqcounter::NetworkLink</name>
    <message>
        <source>Network %1 did not answer within %2 s. Check that the counter is on the network and its address is right, or %3.</source>
        <translation>La conexión de red %1 no respondió en %2 s. Compruebe que el contador esté en la red y que su dirección sea correcta, o %3.</translation>
    </message>
    <message>
        <source>Network %1: %2 is no network address; give tcp://HOST:PORT, such as tcp://192.168.1.20:5025, or %3.</source>
        <translation>Conexión de red %1: %2 no es una dirección de red; indique tcp://HOST:PORT, por ejemplo tcp://192.168.1.20:5025, o %3.</translation>
    </message>
    <message>
        <source>Network %1 was lost while open: it has taken nothing sent for %2 s.</source>
        <translation>La conexión de red %1 se perdió estando abierta: no ha aceptado nada de lo enviado durante %2 s.</translation>
    </message>
    <message>
        <source>Network %1: the host %2 was not found. Check the address, or %3.</source>
        <translation>Conexión de red %1: no se encontró el host %2. Compruebe la dirección, o %3.</translation>
    </message>
    <message>
        <source>Network %1 refused the connection: nothing listens on port %2 of %3. Check the address and that the counter (or its adapter) takes connections, or %4.</source>
        <translation>La conexión de red %1 fue rechazada: nada escucha en el puerto %2 de %3. Compruebe la dirección y que el contador (o su adaptador) acepte conexiones, o %4.</translation>
    </message>
    <message>
        <source>Network %1 could not be reached: %2. Check the address, or %3.</source>
        <translation>No se pudo establecer la conexión de red %1: %2. Compruebe la dirección, o %3.</translation>
    </message>
    <message>
        <source>Network %1 was lost while open: %2. Reconnect the counter, then start the program again.</source>
        <translation>La conexión de red %1 se perdió estando abierta: %2. Vuelva a conectar el contador y después inicie de nuevo el programa.</translation>
    </message>
</context>
<context>
    <name>freqcounter::NominalDialog</name>
    <message>
        <source>Compare with Nominal</source>
        <translation>Comparar con nominal</translation>
    </message>
    <message>
        <source>such as 10 MHz</source>
        <translation>como 10 MHz</translation>
    </message>
    <message>
        <source>none, or such as 10 ppm, 50 ppb, 25 Hz</source>
        <translation>ninguna, o como 10 ppm, 50 ppb, 25 Hz</translation>
    </message>
    <message>
        <source>&amp;Nominal frequency:</source>
        <translation>Frecuencia &amp;nominal:</translation>
    </message>
    <message>
        <source>&amp;Tolerance (±):</source>
        <translation>&amp;Tolerancia (±):</translation>
    </message>
    <message>
        <source>The nominal frequency must be a frequency above 0, such as 10 MHz, 10000000 Hz or 10 (MHz).</source>
        <translation>La frecuencia nominal debe ser una frecuencia mayor que 0, como 10 MHz, 10000000 Hz o 10 (MHz).</translation>
    </message>
    <message>
        <source>The tolerance must be above 0 in ppm, ppb or Hz, such as 10 ppm.</source>
        <translation>La tolerancia debe ser mayor que 0 en ppm, ppb o Hz, como 10 ppm.</translation>
    </message>
</context>
<context>
    <name>freqcounter::ReadingActions</name>
    <message>
        <source>&amp;Copy reading</source>
        <translation>&amp;Copiar lectura</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Historial…</translation>
    </message>
    <message>
        <source>&amp;Large Display</source>
        <translation>Pantalla &amp;grande</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>Siempre &amp;encima</translation>
    </message>
    <message>
        <source>Compare with &amp;Nominal…</source>
        <translation>Comparar con &amp;nominal…</translation>
    </message>
    <message>
        <source>Nominal &amp;from This Reading</source>
        <translation>&amp;Tomar esta lectura como nominal</translation>
    </message>
    <message>
        <source>C&amp;lear Nominal</source>
        <translation>&amp;Borrar nominal</translation>
    </message>
    <message>
        <source>&amp;Sound When Outside</source>
        <translation>&amp;Sonar si está fuera de tolerancia</translation>
    </message>
    <message>
        <source>Counter &amp;Math…</source>
        <translation>Cálc&amp;ulo del contador…</translation>
    </message>
    <message>
        <source>Cl&amp;ear Counter Math</source>
        <translation>B&amp;orrar cálculo del contador</translation>
    </message>
    <message>
        <source>L&amp;ine Settings…</source>
        <translation>Configuración de la &amp;línea…</translation>
    </message>
    <message>
        <source>Reconnect &amp;When Lost</source>
        <translation>Reconectar si se &amp;pierde</translation>
    </message>
    <message>
        <source>&amp;About freqcounter</source>
        <translation>&amp;Acerca de freqcounter</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Registro detenido.</translation>
    </message>
    <message>
        <source>Record to File</source>
        <translation>Registrar en archivo</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;freqcounter %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Shows the live reading of a frequency counter on a serial port, big and readable, with its history, its stability figures and its offset from a nominal frequency.&lt;/p&gt;&lt;p&gt;Copyright 2026 freqcounter developers.&lt;br&gt;Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3, under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;freqcounter %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Muestra la lectura en directo de un frecuencímetro en un puerto serie, grande y legible, con su historial, sus valores de estabilidad y su desplazamiento respecto a una frecuencia nominal.&lt;/p&gt;&lt;p&gt;Copyright 2026 los desarrolladores de freqcounter.&lt;br&gt;Software libre bajo la Licencia Pública General de GNU, versión 3 o (a su elección) cualquier versión posterior (GPL-3.0-or-later). Se distribuye sin ninguna garantía.&lt;/p&gt;&lt;p&gt;Compilado con Qt %2, ejecutándose sobre Qt %3, bajo la Licencia Pública General Reducida de GNU, versión 3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About freqcounter</source>
        <translation>Acerca de freqcounter</translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation>&amp;Detener registro</translation>
    </message>
    <message>
        <source>&amp;Record to File…</source>
        <translation>&amp;Registrar en archivo…</translation>
    </message>
    <message>
        <source> — recording</source>
        <translation> — registrando</translation>
    </message>
    <message>
        <source>The counter is silent: no answer to the last %1 queries.</source>
        <translation>El contador está en silencio: no ha respondido a las últimas %1 consultas.</translation>
    </message>
    <message>
        <source>The counter reads %1 MHz; shown is %2.</source>
        <translation>El contador lee %1 MHz; se muestra %2.</translation>
    </message>
</context>
<context>
    <name>freqcounter::ReadingServer</name>
    <message>
        <source>the port is in use (another program, or another logger, listens there)</source>
        <translation>el puerto está en uso (otro programa, u otro registrador, escucha en él)</translation>
    </message>
    <message>
        <source>the address is none of this machine&apos;s</source>
        <translation>la dirección no es de esta máquina</translation>
    </message>
    <message>
        <source>permission denied (a port below 1024 needs privileges)</source>
        <translation>permiso denegado (un puerto por debajo de 1024 requiere privilegios)</translation>
    </message>
    <message>
        <source>Cannot serve the readings on %1: %2.</source>
        <translation>No se pueden servir las lecturas en %1: %2.</translation>
    </message>
    <message>
        <source>refused client %1: %2 clients are connected, the most served at once</source>
        <translation>cliente %1 rechazado: hay %2 clientes conectados, el máximo que se atiende a la vez</translation>
    </message>
    <message>
        <source>client %1 connected (%2 of at most %3)</source>
        <translation>cliente %1 conectado (%2 de %3 como máximo)</translation>
    </message>
    <message>
        <source>dropped client %1: it did not read its readings</source>
        <translation>cliente %1 desconectado: no leía sus lecturas</translation>
    </message>
    <message>
        <source>client %1 left (%2 of at most %3 still connected)</source>
        <translation>el cliente %1 se ha ido (siguen conectados %2 de %3 como máximo)</translation>
    </message>
</context>
<context>
    <name>freqcounter::Runtime</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria agotada.</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <translation>Error interno: %1</translation>
    </message>
</context>
<context>
    <name>freqcounter::SerialLine</name>
    <message>
        <source>Invalid port number %1: choose a port from %2 to %3.</source>
        <translation>Número de puerto %1 no válido: elija un puerto de %2 a %3.</translation>
    </message>
    <message>
        <source>Cannot choose port %1 while serial %2 is open; close it first.</source>
        <translation>No se puede elegir el puerto %1 mientras el puerto serie %2 está abierto; ciérrelo primero.</translation>
    </message>
    <message>
        <source>Serial %1 is already open.</source>
        <translation>El puerto serie %1 ya está abierto.</translation>
    </message>
    <message>
        <source>No serial port was found for port %1. Plug in the counter&apos;s USB serial adapter, or %2.</source>
        <translation>No se encontró ningún puerto serie para el puerto %1. Conecte el adaptador serie USB del contador, o %2.</translation>
    </message>
    <message>
        <source>Serial %1 is not open.</source>
        <translation>El puerto serie %1 no está abierto.</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>puerto %1</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>puerto %1 (%2)</translation>
    </message>
    <message>
        <source>name its port (Device Manager lists them under Ports (COM &amp; LPT)) with %1 or %2</source>
        <translation>indique su puerto (el Administrador de dispositivos los muestra en Puertos (COM y LPT), en inglés Ports (COM &amp; LPT)) con %1 o %2</translation>
    </message>
    <message>
        <source>name the device with %1 or %2</source>
        <translation>indique el dispositivo con %1 o %2</translation>
    </message>
</context>
<context>
    <name>freqcounter::SerialPortLink</name>
    <message>
        <source>Serial %1 was lost while open: the device hung up or was unplugged. Reconnect it, then start the program again.</source>
        <translation>El puerto serie %1 se perdió estando abierto: el dispositivo colgó o se desenchufó. Vuelva a conectarlo y después inicie de nuevo el programa.</translation>
    </message>
    <message>
        <source>Serial %1 does not exist. Connect the counter, or %2.</source>
        <translation>El puerto serie %1 no existe. Conecte el contador, o %2.</translation>
    </message>
    <message>
        <source>Serial %1 has no serial hardware behind it. Connect the counter, or %2.</source>
        <translation>El puerto serie %1 no tiene hardware serie detrás. Conecte el contador, o %2.</translation>
    </message>
    <message>
        <source>Permission denied on serial %1. Add your user to the group %2 that owns serial devices (sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Permiso denegado en el puerto serie %1. Añada su usuario al grupo %2, propietario de los dispositivos serie (sudo usermod -aG %2 $USER), y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>Serial %1 is in use by another program. Close that program, then start again.</source>
        <translation>El puerto serie %1 está en uso por otro programa. Cierre ese programa y vuelva a empezar.</translation>
    </message>
    <message>
        <source>Serial %1 could not be set up as a serial line at %2 (%3): %4.</source>
        <translation>El puerto serie %1 no se pudo configurar como línea serie a %2 (%3): %4.</translation>
    </message>
</context>
<context>
    <name>freqcounter::StabilityPlot</name>
    <message>
        <source>OADEV</source>
        <translation>OADEV</translation>
    </message>
    <message>
        <source>MDEV</source>
        <translation>MDEV</translation>
    </message>
    <message>
        <source>OHDEV</source>
        <translation>OHDEV</translation>
    </message>
    <message>
        <source>TDEV (s)</source>
        <translation>TDEV (s)</translation>
    </message>
    <message>
        <source>TOTDEV</source>
        <translation>TOTDEV</translation>
    </message>
    <message>
        <source>MTOT</source>
        <translation>MTOT</translation>
    </message>
    <message>
        <source>TheoBR</source>
        <translation>TheoBR</translation>
    </message>
    <message>
        <source>Sigma-tau plot of the stability figures chosen in its context menu</source>
        <translation>Gráfica sigma-tau de los valores de estabilidad elegidos en su menú contextual</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>No estimator is chosen: right-click to choose</source>
        <translation>No hay ningún estimador elegido: haga clic con el botón derecho para elegirlo</translation>
    </message>
    <message>
        <source>Not enough readings for a sigma-tau plot</source>
        <translation>No hay suficientes lecturas para una gráfica sigma-tau</translation>
    </message>
    <message>
        <source>σ(τ)</source>
        <translation>σ(τ)</translation>
    </message>
    <message>
        <source>τ in seconds</source>
        <translation>τ en segundos</translation>
    </message>
    <message>
        <source>linear drift removed</source>
        <translation>deriva lineal eliminada</translation>
    </message>
</context>
<context>
    <name>freqcounter::ThreeCorneredHatDialog</name>
    <message>
        <source>Three-Cornered Hat</source>
        <translation>Sombrero de tres picos</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Choose the recording of %1</source>
        <translation>Elegir el registro de %1</translation>
    </message>
    <message>
        <source>Overlapping Allan deviation</source>
        <translation>Desviación de Allan solapada</translation>
    </message>
    <message>
        <source>Modified Allan deviation</source>
        <translation>Desviación de Allan modificada</translation>
    </message>
    <message>
        <source>Time deviation (s)</source>
        <translation>Desviación de tiempo (s)</translation>
    </message>
    <message>
        <source>&amp;Deviation:</source>
        <translation>&amp;Desviación:</translation>
    </message>
    <message>
        <source>&amp;Work Out</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reading the recordings…</source>
        <translation>Leyendo los registros…</translation>
    </message>
    <message>
        <source>τ</source>
        <translation>τ</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Recording of the Pair</source>
        <translation>Registro del par</translation>
    </message>
    <message>
        <source>Recordings (*.csv *.txt);;All files (*)</source>
        <translation>Registros (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>A−B:</source>
        <translation>A−B:</translation>
    </message>
    <message>
        <source>B−C:</source>
        <translation>B−C:</translation>
    </message>
    <message>
        <source>C−A:</source>
        <translation>C−A:</translation>
    </message>
</context>
</TS>
