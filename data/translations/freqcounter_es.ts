<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>option &apos;--%1&apos; needs a file, for example --%1 readings.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--three-cornered-hat&apos; needs three recordings, of the pairs A-B, B-C and C-A, for example --three-cornered-hat ab.csv bc.csv ca.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a device, for example %1 /dev/ttyUSB0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos;: %2 is no network address; give tcp://HOST:PORT, such as tcp://192.168.1.20:5025</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--line%1&apos;: %2 is no line setting; give BAUD/FORMAT[/FLOW], such as 9600/8n1, 19200/7e2/rtscts or 4800/8n1/xonxoff (baud 50 to 4000000, 7 or 8 data bits, parity n, e or o, 1 or 2 stop bits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--unit%1&apos;: %2 is no unit a counter reads in; give Hz, kHz or MHz, or for time intervals s, ms, us, ns or ps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--timeout%1&apos;: %2 is no time an answer may take; give seconds from 0.1 to 60, such as 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs %2, for example --%1 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same for Com%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>how Com1&apos;s line speaks, as BAUD/FORMAT[/FLOW]: 9600/8n1,
19200/7e2/rtscts, 4800/8n1/xonxoff (1200/8n1 unless
kept from Line Settings...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent once after each opening, such as *RST;:CONF:FREQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text to send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent at each poll once the last answer is in, such as
READ? (\r and \n stand for CR and LF; a line feed
follows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit of the counter&apos;s readings: Hz, kHz or MHz
(MHz unless kept); s, ms, us, ns or ps for a time-interval
counter, whose readings are phases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>how long an answer may take, 0.1 to 60 seconds
(2 unless kept), then the query is asked again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number of seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device of the Com1 button, such as /dev/ttyUSB0,
/dev/serial/by-id/usb-FTDI_...-port0 or COM5; or a
counter on the network, tcp://HOST:PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device of the Com2 button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>forget the device or address Line Settings... kept
for the Com1 button, then start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same for Com2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record every reading shown to a CSV file, from the
start (appended to when it exists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the counter with no window and no display:
record it (--record) or serve it (--serve), riding
through lost lines, until ended by a signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serve each reading as the counter sent it, a line
each, on TCP port PORT, to other windows reading
tcp://HOST:PORT; to this machine alone unless given
as ADDRESS:PORT, such as 0.0.0.0:5025 for every network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--serve&apos; needs a port, for example --serve 5025</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--serve&apos;: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wait for a lost line and reopen it, instead of ending;
for this run, as the menu&apos;s Reconnect When Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compare each reading with this frequency: 10MHz,
10 MHz, 10000000 Hz (MHz without a unit); kept for
the next start, as the menu&apos;s Compare with Nominal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--nominal&apos; needs a frequency, for example --nominal 10MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--nominal&apos;: %1 is no frequency above 0; give one such as 10MHz, 10 MHz or 10000000 Hz (MHz without a unit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the band around it, such as 10ppm, 50ppb or 25Hz;
a reading outside it shows in a warning colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos; needs a tolerance, for example --tolerance 10ppm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos;: %1 is no tolerance above 0 in ppm, ppb or Hz; give one such as 10ppm, 0.5 ppm, 50ppb or 25Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show FACTOR times each reading: 64 behind a
divide-by-64 prescaler, -1 for IF - LO; for this
run only, as --offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--scale&apos; needs a factor, for example --scale 64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--scale&apos;: %1 is no factor; give a number other than 0, such as 64, -1 or 0.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add FREQ, with its sign and unit, to each reading:
-10.7MHz shows LO - IF, +455kHz LO + IF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--offset&apos; needs a frequency, for example --offset -10.7MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--offset&apos;: %1 is no frequency with its unit; give one such as -10.7MHz, +455kHz or 0Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list the serial ports found and which of them Com1
and Com2 take, then exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>look at a recording (or an export) again in a history
window of its own; no port is opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the stability table of a recording as CSV,
then exit; of several, one table with the
recording in a first column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with --stability, --plot or --three-cornered-hat:
take the drift of the straight-line fit out of
every deviation (none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--remove-drift&apos; needs none or linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--remove-drift&apos;: %1 is neither none nor linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with --stability: fit the logarithmic model of
ageing to a day or more of readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>draw the sigma-tau plot of a recording, every
estimator, into an SVG or PNG picture of 1200x800
with no display, then exit; of several, all their
curves on one plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--plot&apos; needs a picture and a recording, for example --plot sigma-tau.svg readings.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--plot&apos;: %1 is no picture file; give one ending in .svg or .png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print as CSV each of three oscillators&apos; own
deviations, from recordings of their pairs A-B,
B-C and C-A over the same span, then exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--plot&apos; needs a recording after the picture, for example --plot sigma-tau.svg readings.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos; needs a nominal frequency: give --nominal too, such as --nominal 10MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--no-window&apos; needs --record FILE or --serve PORT: with no window there is nothing else to do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port was found.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Shows the live reading of a 2 GHz frequency counter on a serial port
(1200 baud, 8 data bits, no parity, 1 stop bit, unless told otherwise)
in a window titled &quot;%1&quot;.

</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>freqcounter: Com%1 no longer stands for %2.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>freqcounter: unknown argument &apos;%1&apos;
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Counter</name>
    <message>
        <source>A reading from %1 stayed unfinished for %2 s and was dropped; readings are dropped so until a line end comes in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A reading from %1 held a character received in error and was dropped; check the line&apos;s settings and its cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CounterMath</name>
    <message>
        <source>LO %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 LO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>÷%1 prescaler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × reading %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvRecorder</name>
    <message>
        <source>could not be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be cut back to its last whole line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording file %1 %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The readings recorded before stay in it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Drift</name>
    <message>
        <source>the worst of white, flicker and random walk FM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>least squares; uncertainty for %1 from the Hadamard variance at %2 τ0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FigureTexts</name>
    <message>
        <source>%1 (%2 to %3, %4) at %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>working out…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not fitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a day of readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: the readings are not log-shaped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Of the straight line through the readings, with its 68 % standard uncertainty for %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 of them numbers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 parts in 10¹²) from the reference, the phase&apos;s slope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no nominal set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (mean against %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: the readings are time intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fit f(t) = a ln(b t + 1) + c, t in days from the first reading: a = %1, b = %2 a day; the readings lie %3 (rms) from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with the linear drift removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of the readings as read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, τ₀ = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, each with its 68.3 % confidence bounds, of the readings with the linear drift removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, each with its 68.3 % confidence bounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figures of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset from nominal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak to peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drift in hertz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ageing at the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deviations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allan deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlapping Allan deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified Allan deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlapping Hadamard deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified total deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TheoBR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineSettings</name>
    <message>
        <source>even parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 baud, %2 data bits, %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, RTS/CTS flow control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, XON/XOFF flow control</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoggerRecording</name>
    <message>
        <source>the disk is full: readings are counted and not recorded until there is room (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing again: 1 reading was not recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing again: %1 readings were not recorded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Nominal</name>
    <message>
        <source> Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ppb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ppm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NominalComparison</name>
    <message>
        <source>Offset from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   outside %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, outside %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, within %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlotPicture</name>
    <message>
        <source>a picture is saved as .png or .svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this build saves no SVG pictures; save as .png</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortDevices</name>
    <message>
        <source> Line Settings… kept %1 for Com%2: %3 or %4 names another device for a run, and %5 forgets it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reconnection</name>
    <message>
        <source>%1 Waiting for it to come back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Waiting for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 (%2) is back after %3 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 (%2) is open after %3 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for %1 to come back. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingFigures</name>
    <message>
        <source>1 row could not be read, at line %1; it is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows could not be read, the first at line %2; they are left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no stability figures: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: the recordings span %1 s, %2 s and %3 s, more than a tenth apart; the three-cornered hat wants the three pairs measured over the same span</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingFile</name>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it shrank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was replaced or removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no readings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServeAddress</name>
    <message>
        <source>%1 names no port from 1 to 65535; give [ADDRESS:]PORT, such as 5025 or 0.0.0.0:5025</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: an IPv6 address goes in brackets, such as [::]:5025</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names no address before its port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no IP address; give one of this machine&apos;s, such as 0.0.0.0 (every interface) or 192.168.1.7, or the port alone (this machine only)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StabilityConfidence</name>
    <message>
        <source>not identified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flicker PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white FM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flicker FM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>random walk FM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>fewer than two readings are numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the readings have no interval: all their time stamps are the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the readings&apos; mean is zero, and a fractional frequency needs one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gaps leave no two readings one interval apart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThreeCorneredHat</name>
    <message>
        <source>%1 (%2 to %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; %1 (upper limit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing can be told</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::CounterMathDialog</name>
    <message>
        <source>Counter Math</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LO − IF (oscillator above the signal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LO + IF (oscillator below the signal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IF − LO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>÷N prescaler before the counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>such as 64, -1 or 0.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>such as -10.7 MHz or +455 kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequency shown is the factor times the counter&apos;s reading, plus the offset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common &amp;case:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Factor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The factor must be a number other than 0, such as 64, -1 or 0.5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The offset must be a frequency with its unit, such as -10.7 MHz, +455 kHz or 0 Hz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reading yet to try it on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest reading, %1, is no number: it shows as it came.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest reading, %1 MHz, shows as %2 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::HistoryChart</name>
    <message>
        <source>Chart of the readings over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reading in this span is a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>µs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ns</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::HistoryWindow</name>
    <message>
        <source>The recording could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything since start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the drift out of the readings before every deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit A&amp;geing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit the logarithmic model of ageing to a day or more of readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the recording…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row could not be read, at line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows could not be read, the first at line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no longer followed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the newest %1 of %2 readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; all are in the recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove drift:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look at a recording again, in a window of its own (Ctrl+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lay another recording&apos;s sigma-tau curves on this plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Stability &amp;Table…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this instrument&apos;s stability figures as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave for Analysis…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this instrument&apos;s readings of the span, one frequency in Hz a line (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Plot…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the sigma-tau plot or the chart as a PNG or SVG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three-Cornered &amp;Hat…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each of three oscillators&apos; own deviation, from recordings of their three pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there are no readings to plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sigma-tau plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of the readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plot could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save for Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The readings could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Stability Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stability table could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings (*.csv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording could not be compared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no readings yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, since %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; counter math %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::LargeDisplay</name>
    <message>
        <source>counter silent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recording</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::LineSettingsDialog</name>
    <message>
        <source>Line Settings: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port found, or tcp://HOST:PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none, or such as *RST;:CONF:FREQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: the counter talks by itself; or such as READ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (time interval)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;vice or address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Parity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flow control:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;etup, sent at opening:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Query, sent at each poll:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Answer within:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unit of the readings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A counter on the network is named tcp://HOST:PORT, such as tcp://192.168.1.20:5025.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The baud rate must be a whole number from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::Logger</name>
    <message>
        <source>Recording to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serving the readings on tcp://%1, to %2 clients at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 (%2) is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The counter on port %1 does not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The counter on port %1 answers again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::NetworkLink</name>
    <message>
        <source>Network %1 did not answer within %2 s. Check that the counter is on the network and its address is right, or %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network %1: %2 is no network address; give tcp://HOST:PORT, such as tcp://192.168.1.20:5025, or %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network %1 was lost while open: it has taken nothing sent for %2 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network %1: the host %2 was not found. Check the address, or %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network %1 refused the connection: nothing listens on port %2 of %3. Check the address and that the counter (or its adapter) takes connections, or %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network %1 could not be reached: %2. Check the address, or %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network %1 was lost while open: %2. Reconnect the counter, then start the program again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::NominalDialog</name>
    <message>
        <source>Compare with Nominal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>such as 10 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none, or such as 10 ppm, 50 ppb, 25 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nominal frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tolerance (±):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The nominal frequency must be a frequency above 0, such as 10 MHz, 10000000 Hz or 10 (MHz).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tolerance must be above 0 in ppm, ppb or Hz, such as 10 ppm.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::ReadingActions</name>
    <message>
        <source>&amp;Copy reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Large Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with &amp;Nominal…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nominal &amp;from This Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear Nominal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound When Outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter &amp;Math…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ear Counter Math</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ine Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect &amp;When Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About freqcounter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;freqcounter %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Shows the live reading of a frequency counter on a serial port, big and readable, with its history, its stability figures and its offset from a nominal frequency.&lt;/p&gt;&lt;p&gt;Copyright 2026 freqcounter developers.&lt;br&gt;Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3, under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About freqcounter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record to File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The counter is silent: no answer to the last %1 queries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The counter reads %1 MHz; shown is %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::ReadingServer</name>
    <message>
        <source>the port is in use (another program, or another logger, listens there)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address is none of this machine&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied (a port below 1024 needs privileges)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot serve the readings on %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused client %1: %2 clients are connected, the most served at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>client %1 connected (%2 of at most %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dropped client %1: it did not read its readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>client %1 left (%2 of at most %3 still connected)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::Runtime</name>
    <message>
        <source>Error %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::SerialLine</name>
    <message>
        <source>Invalid port number %1: choose a port from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot choose port %1 while serial %2 is open; close it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial %1 is already open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port was found for port %1. Plug in the counter&apos;s USB serial adapter, or %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial %1 is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name its port (Device Manager lists them under Ports (COM &amp; LPT)) with %1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name the device with %1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::SerialPortLink</name>
    <message>
        <source>Serial %1 was lost while open: the device hung up or was unplugged. Reconnect it, then start the program again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial %1 does not exist. Connect the counter, or %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial %1 has no serial hardware behind it. Connect the counter, or %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied on serial %1. Add your user to the group %2 that owns serial devices (sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial %1 is in use by another program. Close that program, then start again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial %1 could not be set up as a serial line at %2 (%3): %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::StabilityPlot</name>
    <message>
        <source>OADEV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MDEV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OHDEV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TDEV (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTDEV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MTOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TheoBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sigma-tau plot of the stability figures chosen in its context menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No estimator is chosen: right-click to choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough readings for a sigma-tau plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>σ(τ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>τ in seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linear drift removed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>freqcounter::ThreeCorneredHatDialog</name>
    <message>
        <source>Three-Cornered Hat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AÅ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bℬ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CK:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the recording of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlapping Allan deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified Allan deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time deviation (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deviation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Work Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the recordings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>τ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording of the Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings (*.csv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
