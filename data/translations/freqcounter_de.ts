<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>option &apos;--%1&apos; needs a file, for example --%1 readings.csv</source>
        <translation>Option &apos;--%1&apos; erwartet eine Datei, zum Beispiel --%1 readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--three-cornered-hat&apos; needs three recordings, of the pairs A-B, B-C and C-A, for example --three-cornered-hat ab.csv bc.csv ca.csv</source>
        <translation>Option &apos;--three-cornered-hat&apos; erwartet drei Aufzeichnungen der Paare A-B, B-C und C-A, zum Beispiel --three-cornered-hat ab.csv bc.csv ca.csv</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a device, for example %1 /dev/ttyUSB0</source>
        <translation>Option &apos;%1&apos; erwartet ein Gerät, zum Beispiel %1 /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>option &apos;%1&apos;: %2 is no network address; give tcp://HOST:PORT, such as tcp://192.168.1.20:5025</source>
        <translation>Option &apos;%1&apos;: %2 ist keine Netzwerkadresse; geben Sie tcp://HOST:PORT an, etwa tcp://192.168.1.20:5025</translation>
    </message>
    <message>
        <source>option &apos;--line%1&apos;: %2 is no line setting; give BAUD/FORMAT[/FLOW], such as 9600/8n1, 19200/7e2/rtscts or 4800/8n1/xonxoff (baud 50 to 4000000, 7 or 8 data bits, parity n, e or o, 1 or 2 stop bits)</source>
        <translation>Option &apos;--line%1&apos;: %2 ist keine Verbindungseinstellung; geben Sie BAUD/FORMAT[/FLOW] an, etwa 9600/8n1, 19200/7e2/rtscts oder 4800/8n1/xonxoff (Baudrate 50 bis 4000000, 7 oder 8 Datenbits, Parität n, e oder o, 1 oder 2 Stoppbits)</translation>
    </message>
    <message>
        <source>option &apos;--unit%1&apos;: %2 is no unit a counter reads in; give Hz, kHz or MHz, or for time intervals s, ms, us, ns or ps</source>
        <translation>Option &apos;--unit%1&apos;: %2 ist keine Einheit, in der ein Zähler misst; geben Sie Hz, kHz oder MHz an, bei Zeitintervallen s, ms, us, ns oder ps</translation>
    </message>
    <message>
        <source>option &apos;--timeout%1&apos;: %2 is no time an answer may take; give seconds from 0.1 to 60, such as 2</source>
        <translation>Option &apos;--timeout%1&apos;: %2 ist keine zulässige Antwortzeit; geben Sie Sekunden von 0.1 bis 60 an, etwa 2</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs %2, for example --%1 %3</source>
        <translation>Option &apos;--%1&apos; erwartet %2, zum Beispiel --%1 %3</translation>
    </message>
    <message>
        <source>the same for Com%1</source>
        <translation>dasselbe für Com%1</translation>
    </message>
    <message>
        <source>how Com1&apos;s line speaks, as BAUD/FORMAT[/FLOW]: 9600/8n1,
19200/7e2/rtscts, 4800/8n1/xonxoff (1200/8n1 unless
kept from Line Settings...)</source>
        <translation>Übertragungsparameter der Verbindung von Com1 als
BAUD/FORMAT[/FLOW]: 9600/8n1, 19200/7e2/rtscts,
4800/8n1/xonxoff (1200/8n1, sofern nicht in
Verbindungseinstellungen... gespeichert)</translation>
    </message>
    <message>
        <source>the line&apos;s settings</source>
        <translation>die Verbindungseinstellungen</translation>
    </message>
    <message>
        <source>sent once after each opening, such as *RST;:CONF:FREQ</source>
        <translation>einmal nach jedem Öffnen gesendet, etwa *RST;:CONF:FREQ</translation>
    </message>
    <message>
        <source>the text to send</source>
        <translation>den zu sendenden Text</translation>
    </message>
    <message>
        <source>sent at each poll once the last answer is in, such as
READ? (\r and \n stand for CR and LF; a line feed
follows)</source>
        <translation>in jedem Abfragezyklus gesendet, sobald die letzte Antwort
da ist, etwa READ? (\r und \n stehen für CR und LF; ein
Zeilenvorschub wird angehängt)</translation>
    </message>
    <message>
        <source>the unit of the counter&apos;s readings: Hz, kHz or MHz
(MHz unless kept); s, ms, us, ns or ps for a time-interval
counter, whose readings are phases</source>
        <translation>die Einheit der Messwerte des Zählers: Hz, kHz oder MHz
(MHz, sofern nicht gespeichert); s, ms, us, ns oder ps für
einen Zeitintervallzähler, dessen Messwerte Phasen sind</translation>
    </message>
    <message>
        <source>a unit</source>
        <translation>eine Einheit</translation>
    </message>
    <message>
        <source>how long an answer may take, 0.1 to 60 seconds
(2 unless kept), then the query is asked again</source>
        <translation>wie lange eine Antwort dauern darf, 0.1 bis 60 Sekunden
(2, sofern nicht gespeichert); danach wird die Abfrage
erneut gesendet</translation>
    </message>
    <message>
        <source>a number of seconds</source>
        <translation>eine Anzahl Sekunden</translation>
    </message>
    <message>
        <source>the device of the Com1 button, such as /dev/ttyUSB0,
/dev/serial/by-id/usb-FTDI_...-port0 or COM5; or a
counter on the network, tcp://HOST:PORT</source>
        <translation>das Gerät der Schaltfläche Com1, etwa /dev/ttyUSB0,
/dev/serial/by-id/usb-FTDI_...-port0 oder COM5; oder ein
Zähler im Netzwerk, tcp://HOST:PORT</translation>
    </message>
    <message>
        <source>the device of the Com2 button</source>
        <translation>das Gerät der Schaltfläche Com2</translation>
    </message>
    <message>
        <source>forget the device or address Line Settings... kept
for the Com1 button, then start</source>
        <translation>das in Verbindungseinstellungen... für die Schaltfläche
Com1 gespeicherte Gerät bzw. die Adresse verwerfen,
dann starten</translation>
    </message>
    <message>
        <source>the same for Com2</source>
        <translation>dasselbe für Com2</translation>
    </message>
    <message>
        <source>record every reading shown to a CSV file, from the
start (appended to when it exists)</source>
        <translation>jeden angezeigten Messwert von Beginn an in einer
CSV-Datei aufzeichnen (an eine vorhandene Datei wird
angehängt)</translation>
    </message>
    <message>
        <source>read the counter with no window and no display:
record it (--record) or serve it (--serve), riding
through lost lines, until ended by a signal</source>
        <translation>den Zähler ohne Fenster und ohne Anzeige auslesen:
aufzeichnen (--record) oder bereitstellen (--serve),
auch über Verbindungsabbrüche hinweg, bis ein Signal
das Programm beendet</translation>
    </message>
    <message>
        <source>serve each reading as the counter sent it, a line
each, on TCP port PORT, to other windows reading
tcp://HOST:PORT; to this machine alone unless given
as ADDRESS:PORT, such as 0.0.0.0:5025 for every network</source>
        <translation>jeden Messwert so, wie der Zähler ihn gesendet hat, als
eigene Zeile auf TCP-Port PORT bereitstellen, für andere
Fenster, die tcp://HOST:PORT lesen; nur für diesen
Rechner, außer bei Angabe als ADDRESS:PORT, etwa
0.0.0.0:5025 für alle Netzwerke</translation>
    </message>
    <message>
        <source>option &apos;--serve&apos; needs a port, for example --serve 5025</source>
        <translation>Option &apos;--serve&apos; erwartet einen Port, zum Beispiel --serve 5025</translation>
    </message>
    <message>
        <source>option &apos;--serve&apos;: %1</source>
        <translation>Option &apos;--serve&apos;: %1</translation>
    </message>
    <message>
        <source>wait for a lost line and reopen it, instead of ending;
for this run, as the menu&apos;s Reconnect When Lost</source>
        <translation>bei Verbindungsverlust warten und die Verbindung wieder
öffnen, statt zu beenden; für diesen Lauf, wie der
Menüpunkt „Verbindung automatisch wiederherstellen“</translation>
    </message>
    <message>
        <source>compare each reading with this frequency: 10MHz,
10 MHz, 10000000 Hz (MHz without a unit); kept for
the next start, as the menu&apos;s Compare with Nominal</source>
        <translation>jeden Messwert mit dieser Frequenz vergleichen: 10MHz,
10 MHz, 10000000 Hz (MHz ohne Einheit); für den
nächsten Start gespeichert, wie der Menüpunkt
„Mit Nennfrequenz vergleichen“</translation>
    </message>
    <message>
        <source>option &apos;--nominal&apos; needs a frequency, for example --nominal 10MHz</source>
        <translation>Option &apos;--nominal&apos; erwartet eine Frequenz, zum Beispiel --nominal 10MHz</translation>
    </message>
    <message>
        <source>option &apos;--nominal&apos;: %1 is no frequency above 0; give one such as 10MHz, 10 MHz or 10000000 Hz (MHz without a unit)</source>
        <translation>Option &apos;--nominal&apos;: %1 ist keine Frequenz über 0; geben Sie eine an wie 10MHz, 10 MHz oder 10000000 Hz (MHz ohne Einheit)</translation>
    </message>
    <message>
        <source>the band around it, such as 10ppm, 50ppb or 25Hz;
a reading outside it shows in a warning colour</source>
        <translation>das Toleranzband um die Nennfrequenz, etwa 10ppm, 50ppb
oder 25Hz; ein Messwert außerhalb erscheint in einer
Warnfarbe</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos; needs a tolerance, for example --tolerance 10ppm</source>
        <translation>Option &apos;--tolerance&apos; erwartet eine Toleranz, zum Beispiel --tolerance 10ppm</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos;: %1 is no tolerance above 0 in ppm, ppb or Hz; give one such as 10ppm, 0.5 ppm, 50ppb or 25Hz</source>
        <translation>Option &apos;--tolerance&apos;: %1 ist keine Toleranz über 0 in ppm, ppb oder Hz; geben Sie eine an wie 10ppm, 0.5 ppm, 50ppb oder 25Hz</translation>
    </message>
    <message>
        <source>show FACTOR times each reading: 64 behind a
divide-by-64 prescaler, -1 for IF - LO; for this
run only, as --offset</source>
        <translation>jeden Messwert mal FACTOR anzeigen: 64 hinter einem
Vorteiler 64:1, -1 für IF - LO; nur für diesen Lauf,
wie --offset</translation>
    </message>
    <message>
        <source>option &apos;--scale&apos; needs a factor, for example --scale 64</source>
        <translation>Option &apos;--scale&apos; erwartet einen Faktor, zum Beispiel --scale 64</translation>
    </message>
    <message>
        <source>option &apos;--scale&apos;: %1 is no factor; give a number other than 0, such as 64, -1 or 0.5</source>
        <translation>Option &apos;--scale&apos;: %1 ist kein Faktor; geben Sie eine Zahl ungleich 0 an, etwa 64, -1 oder 0.5</translation>
    </message>
    <message>
        <source>add FREQ, with its sign and unit, to each reading:
-10.7MHz shows LO - IF, +455kHz LO + IF</source>
        <translation>FREQ mit Vorzeichen und Einheit zu jedem Messwert
addieren: -10.7MHz zeigt LO - IF, +455kHz LO + IF</translation>
    </message>
    <message>
        <source>option &apos;--offset&apos; needs a frequency, for example --offset -10.7MHz</source>
        <translation>Option &apos;--offset&apos; erwartet eine Frequenz, zum Beispiel --offset -10.7MHz</translation>
    </message>
    <message>
        <source>option &apos;--offset&apos;: %1 is no frequency with its unit; give one such as -10.7MHz, +455kHz or 0Hz</source>
        <translation>Option &apos;--offset&apos;: %1 ist keine Frequenz mit Einheit; geben Sie eine an wie -10.7MHz, +455kHz oder 0Hz</translation>
    </message>
    <message>
        <source>list the serial ports found and which of them Com1
and Com2 take, then exit</source>
        <translation>die gefundenen seriellen Schnittstellen auflisten und
zeigen, welche davon Com1 und Com2 verwenden, dann beenden</translation>
    </message>
    <message>
        <source>look at a recording (or an export) again in a history
window of its own; no port is opened</source>
        <translation>eine Aufzeichnung (oder einen Export) erneut in einem
eigenen Verlaufsfenster ansehen; kein Port wird geöffnet</translation>
    </message>
    <message>
        <source>print the stability table of a recording as CSV,
then exit; of several, one table with the
recording in a first column</source>
        <translation>die Stabilitätstabelle einer Aufzeichnung als CSV
ausgeben, dann beenden; bei mehreren eine Tabelle
mit der Aufzeichnung in einer ersten Spalte</translation>
    </message>
    <message>
        <source>with --stability, --plot or --three-cornered-hat:
take the drift of the straight-line fit out of
every deviation (none)</source>
        <translation>mit --stability, --plot oder --three-cornered-hat:
die Drift der Ausgleichsgeraden aus jedem
Stabilitätsmaß herausrechnen (Vorgabe: none)</translation>
    </message>
    <message>
        <source>option &apos;--remove-drift&apos; needs none or linear</source>
        <translation>Option &apos;--remove-drift&apos; erwartet none oder linear</translation>
    </message>
    <message>
        <source>option &apos;--remove-drift&apos;: %1 is neither none nor linear</source>
        <translation>Option &apos;--remove-drift&apos;: %1 ist weder none noch linear</translation>
    </message>
    <message>
        <source>with --stability: fit the logarithmic model of
ageing to a day or more of readings</source>
        <translation>mit --stability: das logarithmische Alterungsmodell
an Messwerte von mindestens einem Tag anpassen</translation>
    </message>
    <message>
        <source>draw the sigma-tau plot of a recording, every
estimator, into an SVG or PNG picture of 1200x800
with no display, then exit; of several, all their
curves on one plot</source>
        <translation>das sigma-tau-Diagramm einer Aufzeichnung mit jedem
Schätzer ohne Anzeige in ein SVG- oder PNG-Bild von
1200x800 zeichnen, dann beenden; bei mehreren alle
ihre Kurven in einem Diagramm</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos; needs a picture and a recording, for example --plot sigma-tau.svg readings.csv</source>
        <translation>Option &apos;--plot&apos; erwartet ein Bild und eine Aufzeichnung, zum Beispiel --plot sigma-tau.svg readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos;: %1 is no picture file; give one ending in .svg or .png</source>
        <translation>Option &apos;--plot&apos;: %1 ist keine Bilddatei; geben Sie eine mit der Endung .svg oder .png an</translation>
    </message>
    <message>
        <source>print as CSV each of three oscillators&apos; own
deviations, from recordings of their pairs A-B,
B-C and C-A over the same span, then exit</source>
        <translation>die eigenen Stabilitätsmaße jedes von drei Oszillatoren
als CSV ausgeben, aus Aufzeichnungen ihrer Paare A-B,
B-C und C-A über denselben Zeitraum, dann beenden</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version anzeigen und beenden</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>unbekanntes Argument %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 erwartet einen Wert</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos; needs a recording after the picture, for example --plot sigma-tau.svg readings.csv</source>
        <translation>Option &apos;--plot&apos; erwartet nach dem Bild eine Aufzeichnung, zum Beispiel --plot sigma-tau.svg readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos; needs a nominal frequency: give --nominal too, such as --nominal 10MHz</source>
        <translation>Option &apos;--tolerance&apos; erwartet eine Nennfrequenz: geben Sie auch --nominal an, etwa --nominal 10MHz</translation>
    </message>
    <message>
        <source>option &apos;--no-window&apos; needs --record FILE or --serve PORT: with no window there is nothing else to do</source>
        <translation>Option &apos;--no-window&apos; erwartet --record FILE oder --serve PORT: ohne Fenster gibt es sonst nichts zu tun</translation>
    </message>
    <message>
        <source>No serial port was found.
</source>
        <translation>Keine serielle Schnittstelle gefunden.
</translation>
    </message>
    <message>
        <source>
Shows the live reading of a 2 GHz frequency counter on a serial port
(1200 baud, 8 data bits, no parity, 1 stop bit, unless told otherwise)
in a window titled &quot;%1&quot;.

</source>
        <translation>
Zeigt den aktuellen Messwert eines 2-GHz-Frequenzzählers an einer
seriellen Schnittstelle (1200 Baud, 8 Datenbits, keine Parität,
1 Stoppbit, sofern nicht anders angegeben) in einem Fenster mit dem
Titel „%1“.

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
Das Gerät jeder Schaltfläche ergibt sich aus dem ersten Zutreffenden:
ihrer Option, der Variablen FREQCOUNTER_COM1 bzw. FREQCOUNTER_COM2,
dem zuvor im Menü unter Verbindungseinstellungen gewählten Gerät oder
den gefundenen seriellen Schnittstellen, USB-Adapter zuerst (nach
Seriennummer, dann Name), danach die übrigen, etwa /dev/ttyS0 oder
COM1 einer Hauptplatine: Com1 nimmt die erste, Com2 die zweite.
Das Gerät wird bei jedem Öffnen seines Ports neu ermittelt, beim Start
und bei jedem Klick.
Qt-eigene Optionen wie -platform und -style werden akzeptiert.

Ein Rechtsklick auf das Fenster bietet mehr: Messwert kopieren, in eine
Datei aufzeichnen und den Verlauf (Ctrl+H): ein Verlaufsdiagramm der
Messwerte mit Statistik.

Mit --no-window liest das Programm --com1 (und --com2) mit allen oben
genannten Optionen für Verbindung, Zähler und Umrechnung, wartet bei
Verbindungsverlust und meldet jede Änderung über die
Standardfehlerausgabe. Es endet mit Status 0 bei SIGTERM, SIGINT oder
SIGHUP (Ctrl+C unter Windows), 1 bei einem Fehler, den Warten nicht
beheben kann (etwa eine Datei, die sich nicht schreiben lässt), 2 bei
einem Fehler in der Befehlszeile.
</translation>
    </message>
    <message>
        <source>freqcounter: Com%1 no longer stands for %2.
</source>
        <translation>freqcounter: Com%1 steht nicht mehr für %2.
</translation>
    </message>
    <message>
        <source>freqcounter: unknown argument &apos;%1&apos;
</source>
        <translation>freqcounter: unbekanntes Argument &apos;%1&apos;
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
        <translation>Aufruf: freqcounter %1 [Qt-Optionen]
  oder: freqcounter %2
  oder: freqcounter %3 [Qt-Optionen]
  oder: freqcounter %4
  oder: freqcounter %5
  oder: freqcounter %6
</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>Optionen:
</translation>
    </message>
</context>
<context>
    <name>Counter</name>
    <message>
        <source>A reading from %1 stayed unfinished for %2 s and was dropped; readings are dropped so until a line end comes in time.</source>
        <translation>Ein Messwert von %1 blieb %2 s lang unvollständig und wurde verworfen; Messwerte werden so lange verworfen, bis ein Zeilenende rechtzeitig eintrifft.</translation>
    </message>
    <message>
        <source>A reading from %1 held a character received in error and was dropped; check the line&apos;s settings and its cable.</source>
        <translation>Ein Messwert von %1 enthielt ein fehlerhaft empfangenes Zeichen und wurde verworfen; prüfen Sie die Verbindungseinstellungen und das Kabel.</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>Port %1 (%2)</translation>
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
        <translation>Vorteiler ÷%1</translation>
    </message>
    <message>
        <source>%1 × reading</source>
        <translation>%1 × Messwert</translation>
    </message>
    <message>
        <source>%1 × reading %2 %3</source>
        <translation>%1 × Messwert %2 %3</translation>
    </message>
</context>
<context>
    <name>CsvRecorder</name>
    <message>
        <source>could not be opened</source>
        <translation>konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>could not be cut back to its last whole line</source>
        <translation>konnte nicht auf ihre letzte vollständige Zeile gekürzt werden</translation>
    </message>
    <message>
        <source>could not be written</source>
        <translation>konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The recording file %1 %2: %3.</source>
        <translation>Die Aufzeichnungsdatei %1 %2: %3.</translation>
    </message>
    <message>
        <source> The readings recorded before stay in it.</source>
        <translation> Die zuvor aufgezeichneten Messwerte bleiben darin erhalten.</translation>
    </message>
</context>
<context>
    <name>Drift</name>
    <message>
        <source>the worst of white, flicker and random walk FM</source>
        <translation>ungünstigste aus weißem FM, Flicker-FM und Random-Walk-FM</translation>
    </message>
    <message>
        <source>least squares; uncertainty for %1 from the Hadamard variance at %2 τ0</source>
        <translation>Methode der kleinsten Quadrate; Unsicherheit (Rauschart: %1) aus der Hadamard-Varianz bei %2 τ0</translation>
    </message>
</context>
<context>
    <name>FigureTexts</name>
    <message>
        <source>%1 (%2 to %3, %4) at %5</source>
        <translation>%1 (%2 bis %3, %4) bei %5</translation>
    </message>
    <message>
        <source>working out…</source>
        <translation>wird berechnet…</translation>
    </message>
    <message>
        <source>not fitted</source>
        <translation>nicht angepasst</translation>
    </message>
    <message>
        <source>needs a day of readings</source>
        <translation>erfordert Messwerte eines Tages</translation>
    </message>
    <message>
        <source>%1 a day</source>
        <translation>%1 pro Tag</translation>
    </message>
    <message>
        <source>none: the readings are not log-shaped</source>
        <translation>keine: die Messwerte verlaufen nicht logarithmisch</translation>
    </message>
    <message>
        <source>Of the straight line through the readings, with its 68 % standard uncertainty for %1: %2</source>
        <translation>Steigung der Ausgleichsgeraden durch die Messwerte, mit ihrer Standardunsicherheit (68 %, Rauschart: %1): %2</translation>
    </message>
    <message>
        <source> (%1 of them numbers)</source>
        <translation> (davon %1 Zahlen)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 (%2 parts in 10¹²) from the reference, the phase&apos;s slope</source>
        <translation>%1 (%2 Teile in 10¹²) gegenüber der Referenz, aus der Steigung der Phase</translation>
    </message>
    <message>
        <source>no nominal set</source>
        <translation>keine Nennfrequenz gesetzt</translation>
    </message>
    <message>
        <source>%1 (mean against %2)</source>
        <translation>%1 (Mittelwert gegenüber %2)</translation>
    </message>
    <message>
        <source>none: the readings are time intervals</source>
        <translation>keine: die Messwerte sind Zeitintervalle</translation>
    </message>
    <message>
        <source>%1 Hz a day</source>
        <translation>%1 Hz pro Tag</translation>
    </message>
    <message>
        <source>The fit f(t) = a ln(b t + 1) + c, t in days from the first reading: a = %1, b = %2 a day; the readings lie %3 (rms) from it</source>
        <translation>Die Anpassung f(t) = a ln(b t + 1) + c, t in Tagen ab dem ersten Messwert: a = %1, b = %2 pro Tag; die Messwerte weichen um %3 (Effektivwert) davon ab</translation>
    </message>
    <message>
        <source>with the linear drift removed</source>
        <translation>mit entfernter linearer Drift</translation>
    </message>
    <message>
        <source>of the readings as read</source>
        <translation>aus den unveränderten Messwerten</translation>
    </message>
    <message>
        <source>not enough readings</source>
        <translation>zu wenige Messwerte</translation>
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
        <translation>%1 bis %2 (%3)</translation>
    </message>
    <message>
        <source>, τ₀ = %1</source>
        <translation>, τ₀ = %1</translation>
    </message>
    <message>
        <source>%1, each with its 68.3 % confidence bounds, of the readings with the linear drift removed</source>
        <translation>%1, jeweils mit Konfidenzgrenzen (68,3 %), aus den Messwerten mit entfernter linearer Drift</translation>
    </message>
    <message>
        <source>%1, each with its 68.3 % confidence bounds</source>
        <translation>%1, jeweils mit Konfidenzgrenzen (68,3 %)</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation>%1, %2 bis %3</translation>
    </message>
    <message>
        <source>%1 compared</source>
        <translation>Vergleich: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Figures of</source>
        <translation>Kennwerte von</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>Lücken</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Offset from nominal</source>
        <translation>Abweichung von der Nennfrequenz</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Peak to peak</source>
        <translation>Spitze-Spitze</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Standardabweichung</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Drift</translation>
    </message>
    <message>
        <source>Drift in hertz</source>
        <translation>Drift in Hertz</translation>
    </message>
    <message>
        <source>Ageing at the end</source>
        <translation>Alterung am Ende</translation>
    </message>
    <message>
        <source>Deviations</source>
        <translation>Stabilitätsmaße</translation>
    </message>
    <message>
        <source>Allan deviation</source>
        <translation>Allan-Standardabweichung</translation>
    </message>
    <message>
        <source>Overlapping Allan deviation</source>
        <translation>Überlappende Allan-Standardabweichung</translation>
    </message>
    <message>
        <source>Modified Allan deviation</source>
        <translation>Modifizierte Allan-Standardabweichung</translation>
    </message>
    <message>
        <source>Overlapping Hadamard deviation</source>
        <translation>Überlappende Hadamard-Standardabweichung</translation>
    </message>
    <message>
        <source>Time deviation</source>
        <translation>Zeitabweichung</translation>
    </message>
    <message>
        <source>Total deviation</source>
        <translation>Totale Standardabweichung</translation>
    </message>
    <message>
        <source>Modified total deviation</source>
        <translation>Modifizierte totale Standardabweichung</translation>
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
        <translation>gerade Parität</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>ungerade Parität</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>keine Parität</translation>
    </message>
    <message>
        <source>%1 baud, %2 data bits, %3, %4</source>
        <translation>%1 Baud, %2 Datenbits, %3, %4</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 Stoppbits</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 Stoppbit</translation>
    </message>
    <message>
        <source>, RTS/CTS flow control</source>
        <translation>, RTS/CTS-Flusssteuerung</translation>
    </message>
    <message>
        <source>, XON/XOFF flow control</source>
        <translation>, XON/XOFF-Flusssteuerung</translation>
    </message>
</context>
<context>
    <name>LoggerRecording</name>
    <message>
        <source>the disk is full: readings are counted and not recorded until there is room (%1)</source>
        <translation>der Datenträger ist voll: Messwerte werden gezählt, aber nicht aufgezeichnet, bis wieder Platz ist (%1)</translation>
    </message>
    <message>
        <source>writing again: 1 reading was not recorded</source>
        <translation>Schreiben wieder möglich: 1 Messwert wurde nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>writing again: %1 readings were not recorded</source>
        <translation>Schreiben wieder möglich: %1 Messwerte wurden nicht aufgezeichnet</translation>
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
        <translation>Abweichung von %1: %2</translation>
    </message>
    <message>
        <source>   outside %1</source>
        <translation>   außerhalb %1</translation>
    </message>
    <message>
        <source>, outside %1</source>
        <translation>, außerhalb %1</translation>
    </message>
    <message>
        <source>, within %1</source>
        <translation>, innerhalb %1</translation>
    </message>
</context>
<context>
    <name>PlotPicture</name>
    <message>
        <source>a picture is saved as .png or .svg</source>
        <translation>ein Bild wird als .png oder .svg gespeichert</translation>
    </message>
    <message>
        <source>this build saves no SVG pictures; save as .png</source>
        <translation>dieser Build speichert keine SVG-Bilder; speichern Sie als .png</translation>
    </message>
</context>
<context>
    <name>PortDevices</name>
    <message>
        <source> Line Settings… kept %1 for Com%2: %3 or %4 names another device for a run, and %5 forgets it.</source>
        <translation> Unter Verbindungseinstellungen… ist %1 für Com%2 gespeichert: %3 oder %4 wählt für einen Lauf ein anderes Gerät, %5 verwirft die Einstellung.</translation>
    </message>
</context>
<context>
    <name>Reconnection</name>
    <message>
        <source>%1 Waiting for it to come back.</source>
        <translation>%1 Warten, bis die Verbindung wieder besteht.</translation>
    </message>
    <message>
        <source>%1 Waiting for it.</source>
        <translation>%1 Warten auf die Verbindung.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back after %3 s.</source>
        <translation>Port %1 (%2) ist nach %3 s wieder da.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is open after %3 s.</source>
        <translation>Port %1 (%2) ist nach %3 s geöffnet.</translation>
    </message>
    <message>
        <source>Waiting for %1 to come back. %2</source>
        <translation>Warten, bis %1 wieder verfügbar ist. %2</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>Port %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecordingFigures</name>
    <message>
        <source>1 row could not be read, at line %1; it is left out</source>
        <translation>1 Zeile konnte nicht gelesen werden (Zeile %1); sie wird ausgelassen</translation>
    </message>
    <message>
        <source>%1 rows could not be read, the first at line %2; they are left out</source>
        <translation>%1 Zeilen konnten nicht gelesen werden, die erste ist Zeile %2; sie werden ausgelassen</translation>
    </message>
    <message>
        <source>no stability figures: %1</source>
        <translation>keine Stabilitätskennwerte: %1</translation>
    </message>
    <message>
        <source>warning: the recordings span %1 s, %2 s and %3 s, more than a tenth apart; the three-cornered hat wants the three pairs measured over the same span</source>
        <translation>Warnung: Die Aufzeichnungen umfassen %1 s, %2 s und %3 s, die um mehr als ein Zehntel voneinander abweichen; die Three-Cornered-Hat-Methode verlangt, dass die drei Paare über denselben Zeitraum gemessen werden</translation>
    </message>
</context>
<context>
    <name>RecordingFile</name>
    <message>
        <source>on</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>it shrank</source>
        <translation>sie ist geschrumpft</translation>
    </message>
    <message>
        <source>it was replaced or removed</source>
        <translation>sie wurde ersetzt oder entfernt</translation>
    </message>
    <message>
        <source>it holds no readings</source>
        <translation>sie enthält keine Messwerte</translation>
    </message>
</context>
<context>
    <name>ServeAddress</name>
    <message>
        <source>%1 names no port from 1 to 65535; give [ADDRESS:]PORT, such as 5025 or 0.0.0.0:5025</source>
        <translation>%1 nennt keinen Port von 1 bis 65535; geben Sie [ADDRESS:]PORT an, etwa 5025 oder 0.0.0.0:5025</translation>
    </message>
    <message>
        <source>%1: an IPv6 address goes in brackets, such as [::]:5025</source>
        <translation>%1: Eine IPv6-Adresse gehört in eckige Klammern, etwa [::]:5025</translation>
    </message>
    <message>
        <source>%1 names no address before its port</source>
        <translation>%1 nennt keine Adresse vor dem Port</translation>
    </message>
    <message>
        <source>%1 is no IP address; give one of this machine&apos;s, such as 0.0.0.0 (every interface) or 192.168.1.7, or the port alone (this machine only)</source>
        <translation>%1 ist keine IP-Adresse; geben Sie eine Adresse dieses Rechners an, etwa 0.0.0.0 (alle Netzwerkschnittstellen) oder 192.168.1.7, oder nur den Port (nur dieser Rechner)</translation>
    </message>
</context>
<context>
    <name>StabilityConfidence</name>
    <message>
        <source>not identified</source>
        <translation>nicht bestimmt</translation>
    </message>
    <message>
        <source>white PM</source>
        <translation>weißes PM</translation>
    </message>
    <message>
        <source>flicker PM</source>
        <translation>Flicker-PM</translation>
    </message>
    <message>
        <source>white FM</source>
        <translation>weißes FM</translation>
    </message>
    <message>
        <source>flicker FM</source>
        <translation>Flicker-FM</translation>
    </message>
    <message>
        <source>random walk FM</source>
        <translation>Random-Walk-FM</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>fewer than two readings are numbers</source>
        <translation>weniger als zwei Messwerte sind Zahlen</translation>
    </message>
    <message>
        <source>the readings have no interval: all their time stamps are the same</source>
        <translation>die Messwerte haben kein Intervall: alle ihre Zeitstempel sind gleich</translation>
    </message>
    <message>
        <source>the readings&apos; mean is zero, and a fractional frequency needs one</source>
        <translation>der Mittelwert der Messwerte ist null, eine relative Frequenz erfordert aber einen von null verschiedenen</translation>
    </message>
    <message>
        <source>gaps leave no two readings one interval apart</source>
        <translation>wegen der Lücken liegen keine zwei Messwerte ein Intervall auseinander</translation>
    </message>
</context>
<context>
    <name>ThreeCorneredHat</name>
    <message>
        <source>%1 (%2 to %3)</source>
        <translation>%1 (%2 bis %3)</translation>
    </message>
    <message>
        <source>&lt; %1 (upper limit)</source>
        <translation>&lt; %1 (Obergrenze)</translation>
    </message>
    <message>
        <source>nothing can be told</source>
        <translation>keine Aussage möglich</translation>
    </message>
</context>
<context>
    <name>freqcounter::CounterMathDialog</name>
    <message>
        <source>Counter Math</source>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>LO − IF (oscillator above the signal)</source>
        <translation>LO − IF (Oszillator oberhalb des Signals)</translation>
    </message>
    <message>
        <source>LO + IF (oscillator below the signal)</source>
        <translation>LO + IF (Oszillator unterhalb des Signals)</translation>
    </message>
    <message>
        <source>IF − LO</source>
        <translation>IF − LO</translation>
    </message>
    <message>
        <source>÷N prescaler before the counter</source>
        <translation>Vorteiler ÷N vor dem Zähler</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Anderer</translation>
    </message>
    <message>
        <source>such as 64, -1 or 0.5</source>
        <translation>etwa 64, -1 oder 0.5</translation>
    </message>
    <message>
        <source>such as -10.7 MHz or +455 kHz</source>
        <translation>etwa -10.7 MHz oder +455 kHz</translation>
    </message>
    <message>
        <source>The frequency shown is the factor times the counter&apos;s reading, plus the offset.</source>
        <translation>Die angezeigte Frequenz ist der mit dem Faktor multiplizierte Messwert des Zählers plus der Offset.</translation>
    </message>
    <message>
        <source>Common &amp;case:</source>
        <translation>&amp;Typischer Fall:</translation>
    </message>
    <message>
        <source>&amp;Factor:</source>
        <translation>&amp;Faktor:</translation>
    </message>
    <message>
        <source>&amp;Offset:</source>
        <translation>Offs&amp;et:</translation>
    </message>
    <message>
        <source>The factor must be a number other than 0, such as 64, -1 or 0.5.</source>
        <translation>Der Faktor muss eine Zahl ungleich 0 sein, etwa 64, -1 oder 0.5.</translation>
    </message>
    <message>
        <source>The offset must be a frequency with its unit, such as -10.7 MHz, +455 kHz or 0 Hz.</source>
        <translation>Der Offset muss eine Frequenz mit Einheit sein, etwa -10.7 MHz, +455 kHz oder 0 Hz.</translation>
    </message>
    <message>
        <source>No reading yet to try it on.</source>
        <translation>Noch kein Messwert zum Ausprobieren.</translation>
    </message>
    <message>
        <source>The newest reading, %1, is no number: it shows as it came.</source>
        <translation>Der neueste Messwert, %1, ist keine Zahl: Er wird so angezeigt, wie er empfangen wurde.</translation>
    </message>
    <message>
        <source>The newest reading, %1 MHz, shows as %2 MHz.</source>
        <translation>Der neueste Messwert, %1 MHz, wird als %2 MHz angezeigt.</translation>
    </message>
</context>
<context>
    <name>freqcounter::HistoryChart</name>
    <message>
        <source>Chart of the readings over time</source>
        <translation>Verlaufsdiagramm der Messwerte über die Zeit</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Noch keine Messwerte</translation>
    </message>
    <message>
        <source>No reading in this span is a number</source>
        <translation>Kein Messwert in diesem Zeitraum ist eine Zahl</translation>
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
        <translation>Die Aufzeichnung konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source> — History</source>
        <translation> — Verlauf</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>Everything since start</source>
        <translation>Alles seit dem Start</translation>
    </message>
    <message>
        <source>Take the drift out of the readings before every deviation</source>
        <translation>Die Drift vor jedem Stabilitätsmaß aus den Messwerten herausrechnen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>Fit A&amp;geing</source>
        <translation>Alterungs&amp;modell anpassen</translation>
    </message>
    <message>
        <source>Fit the logarithmic model of ageing to a day or more of readings</source>
        <translation>Das logarithmische Alterungsmodell an Messwerte von mindestens einem Tag anpassen</translation>
    </message>
    <message>
        <source>Everything recorded</source>
        <translation>Alles Aufgezeichnete</translation>
    </message>
    <message>
        <source>Reading the recording…</source>
        <translation>Aufzeichnung wird gelesen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>1 row could not be read, at line %1</source>
        <translation>1 Zeile konnte nicht gelesen werden (Zeile %1)</translation>
    </message>
    <message>
        <source>%1 rows could not be read, the first at line %2</source>
        <translation>%1 Zeilen konnten nicht gelesen werden, die erste ist Zeile %2</translation>
    </message>
    <message>
        <source>no longer followed: %1</source>
        <translation>wird nicht mehr verfolgt: %1</translation>
    </message>
    <message>
        <source>the newest %1 of %2 readings</source>
        <translation>die neuesten %1 von %2 Messwerten</translation>
    </message>
    <message>
        <source>; all are in the recording</source>
        <translation>; alle sind in der Aufzeichnung</translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>&amp;Remove drift:</source>
        <translation>&amp;Drift entfernen:</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>Aufzeichnung ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Look at a recording again, in a window of its own (Ctrl+O)</source>
        <translation>Eine Aufzeichnung in einem eigenen Fenster erneut ansehen (Ctrl+O)</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>&amp;Vergleichen mit…</translation>
    </message>
    <message>
        <source>Lay another recording&apos;s sigma-tau curves on this plot</source>
        <translation>Die sigma-tau-Kurven einer weiteren Aufzeichnung in dieses Diagramm legen</translation>
    </message>
    <message>
        <source>Save Stability &amp;Table…</source>
        <translation>Stabilitäts&amp;tabelle speichern…</translation>
    </message>
    <message>
        <source>Save this instrument&apos;s stability figures as CSV</source>
        <translation>Die Stabilitätskennwerte dieses Geräts als CSV speichern</translation>
    </message>
    <message>
        <source>S&amp;ave for Analysis…</source>
        <translation>Zur &amp;Auswertung speichern…</translation>
    </message>
    <message>
        <source>Save this instrument&apos;s readings of the span, one frequency in Hz a line (Ctrl+S)</source>
        <translation>Die Messwerte dieses Geräts im Zeitraum speichern, eine Frequenz in Hz pro Zeile (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save &amp;Plot…</source>
        <translation>Diagramm &amp;speichern…</translation>
    </message>
    <message>
        <source>Save the sigma-tau plot or the chart as a PNG or SVG picture</source>
        <translation>Das sigma-tau-Diagramm oder das Verlaufsdiagramm als PNG- oder SVG-Bild speichern</translation>
    </message>
    <message>
        <source>Three-Cornered &amp;Hat…</source>
        <translation>Three-Cornered-&amp;Hat…</translation>
    </message>
    <message>
        <source>Each of three oscillators&apos; own deviation, from recordings of their three pairs</source>
        <translation>Das eigene Stabilitätsmaß jedes von drei Oszillatoren, aus Aufzeichnungen ihrer drei Paare</translation>
    </message>
    <message>
        <source>there are no readings to plot</source>
        <translation>es gibt keine Messwerte zum Darstellen</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>Verglichen mit %1</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>Sigma-tau plot</source>
        <translation>Sigma-tau-Diagramm</translation>
    </message>
    <message>
        <source>Chart of the readings</source>
        <translation>Verlaufsdiagramm der Messwerte</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Plot:</source>
        <translation>&amp;Diagramm:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The plot could not be saved.</source>
        <translation>Das Diagramm konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Save for Analysis</source>
        <translation>Zur Auswertung speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The readings could not be saved.</source>
        <translation>Die Messwerte konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Save Stability Table</source>
        <translation>Stabilitätstabelle speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The stability table could not be saved.</source>
        <translation>Die Stabilitätstabelle konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Aufzeichnung öffnen</translation>
    </message>
    <message>
        <source>Recordings (*.csv *.txt);;All files (*)</source>
        <translation>Aufzeichnungen (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>The recording could not be compared.</source>
        <translation>Die Aufzeichnung konnte nicht verglichen werden.</translation>
    </message>
    <message>
        <source>no readings yet</source>
        <translation>noch keine Messwerte</translation>
    </message>
    <message>
        <source>%1, since %2</source>
        <translation>%1, seit %2</translation>
    </message>
    <message>
        <source>%1; counter math %2</source>
        <translation>%1; Umrechnung %2</translation>
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
        <translation>Zähler stumm</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>Aufzeichnung läuft</translation>
    </message>
</context>
<context>
    <name>freqcounter::LineSettingsDialog</name>
    <message>
        <source>Line Settings: %1</source>
        <translation>Verbindungseinstellungen: %1</translation>
    </message>
    <message>
        <source>the port found, or tcp://HOST:PORT</source>
        <translation>die gefundene Schnittstelle oder tcp://HOST:PORT</translation>
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
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
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
        <translation>keine, oder etwa *RST;:CONF:FREQ</translation>
    </message>
    <message>
        <source>none: the counter talks by itself; or such as READ?</source>
        <translation>keine: der Zähler sendet von selbst; oder etwa READ?</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>%1 (time interval)</source>
        <translation>%1 (Zeitintervall)</translation>
    </message>
    <message>
        <source>De&amp;vice or address:</source>
        <translation>&amp;Gerät oder Adresse:</translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation>&amp;Baudrate:</translation>
    </message>
    <message>
        <source>&amp;Data bits:</source>
        <translation>&amp;Datenbits:</translation>
    </message>
    <message>
        <source>&amp;Parity:</source>
        <translation>&amp;Parität:</translation>
    </message>
    <message>
        <source>&amp;Stop bits:</source>
        <translation>&amp;Stoppbits:</translation>
    </message>
    <message>
        <source>&amp;Flow control:</source>
        <translation>&amp;Flusssteuerung:</translation>
    </message>
    <message>
        <source>S&amp;etup, sent at opening:</source>
        <translation>&amp;Initialisierung, beim Öffnen gesendet:</translation>
    </message>
    <message>
        <source>&amp;Query, sent at each poll:</source>
        <translation>Abf&amp;rage, in jedem Zyklus gesendet:</translation>
    </message>
    <message>
        <source>&amp;Answer within:</source>
        <translation>Antwort inner&amp;halb:</translation>
    </message>
    <message>
        <source>&amp;Unit of the readings:</source>
        <translation>&amp;Einheit der Messwerte:</translation>
    </message>
    <message>
        <source>A counter on the network is named tcp://HOST:PORT, such as tcp://192.168.1.20:5025.</source>
        <translation>Ein Zähler im Netzwerk heißt tcp://HOST:PORT, etwa tcp://192.168.1.20:5025.</translation>
    </message>
    <message>
        <source>The baud rate must be a whole number from %1 to %2.</source>
        <translation>Die Baudrate muss eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>freqcounter::Logger</name>
    <message>
        <source>Recording to %1.</source>
        <translation>Aufzeichnung in %1.</translation>
    </message>
    <message>
        <source>Serving the readings on tcp://%1, to %2 clients at most.</source>
        <translation>Die Messwerte werden unter tcp://%1 bereitgestellt, an höchstens %2 Clients.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is open.</source>
        <translation>Port %1 (%2) ist geöffnet.</translation>
    </message>
    <message>
        <source>The counter on port %1 does not answer.</source>
        <translation>Der Zähler an Port %1 antwortet nicht.</translation>
    </message>
    <message>
        <source>The counter on port %1 answers again.</source>
        <translation>Der Zähler an Port %1 antwortet wieder.</translation>
    </message>
</context>
<context>
    <name>freqcounter::NetworkLink</name>
    <message>
        <source>Network %1 did not answer within %2 s. Check that the counter is on the network and its address is right, or %3.</source>
        <translation>Der Netzwerk-%1 hat nicht innerhalb von %2 s geantwortet. Prüfen Sie, ob der Zähler im Netzwerk ist und seine Adresse stimmt, oder %3.</translation>
    </message>
    <message>
        <source>Network %1: %2 is no network address; give tcp://HOST:PORT, such as tcp://192.168.1.20:5025, or %3.</source>
        <translation>Netzwerk-%1: %2 ist keine Netzwerkadresse; geben Sie tcp://HOST:PORT an, etwa tcp://192.168.1.20:5025, oder %3.</translation>
    </message>
    <message>
        <source>Network %1 was lost while open: it has taken nothing sent for %2 s.</source>
        <translation>Der Netzwerk-%1 ging während des Betriebs verloren: Seit %2 s wurde nichts Gesendetes mehr angenommen.</translation>
    </message>
    <message>
        <source>Network %1: the host %2 was not found. Check the address, or %3.</source>
        <translation>Netzwerk-%1: Der Host %2 wurde nicht gefunden. Prüfen Sie die Adresse, oder %3.</translation>
    </message>
    <message>
        <source>Network %1 refused the connection: nothing listens on port %2 of %3. Check the address and that the counter (or its adapter) takes connections, or %4.</source>
        <translation>Der Netzwerk-%1 hat die Verbindung abgelehnt: Auf Port %2 von %3 lauscht nichts. Prüfen Sie die Adresse und ob der Zähler (oder sein Adapter) Verbindungen annimmt, oder %4.</translation>
    </message>
    <message>
        <source>Network %1 could not be reached: %2. Check the address, or %3.</source>
        <translation>Der Netzwerk-%1 war nicht erreichbar: %2. Prüfen Sie die Adresse, oder %3.</translation>
    </message>
    <message>
        <source>Network %1 was lost while open: %2. Reconnect the counter, then start the program again.</source>
        <translation>Der Netzwerk-%1 ging während des Betriebs verloren: %2. Verbinden Sie den Zähler wieder und starten Sie dann das Programm erneut.</translation>
    </message>
</context>
<context>
    <name>freqcounter::NominalDialog</name>
    <message>
        <source>Compare with Nominal</source>
        <translation>Mit Nennfrequenz vergleichen</translation>
    </message>
    <message>
        <source>such as 10 MHz</source>
        <translation>etwa 10 MHz</translation>
    </message>
    <message>
        <source>none, or such as 10 ppm, 50 ppb, 25 Hz</source>
        <translation>keine, oder etwa 10 ppm, 50 ppb, 25 Hz</translation>
    </message>
    <message>
        <source>&amp;Nominal frequency:</source>
        <translation>&amp;Nennfrequenz:</translation>
    </message>
    <message>
        <source>&amp;Tolerance (±):</source>
        <translation>&amp;Toleranz (±):</translation>
    </message>
    <message>
        <source>The nominal frequency must be a frequency above 0, such as 10 MHz, 10000000 Hz or 10 (MHz).</source>
        <translation>Die Nennfrequenz muss eine Frequenz über 0 sein, etwa 10 MHz, 10000000 Hz oder 10 (MHz).</translation>
    </message>
    <message>
        <source>The tolerance must be above 0 in ppm, ppb or Hz, such as 10 ppm.</source>
        <translation>Die Toleranz muss über 0 liegen, in ppm, ppb oder Hz, etwa 10 ppm.</translation>
    </message>
</context>
<context>
    <name>freqcounter::ReadingActions</name>
    <message>
        <source>&amp;Copy reading</source>
        <translation>Messwert &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Verlauf…</translation>
    </message>
    <message>
        <source>&amp;Large Display</source>
        <translation>&amp;Großanzeige</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>&amp;Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Compare with &amp;Nominal…</source>
        <translation>Mit &amp;Nennfrequenz vergleichen…</translation>
    </message>
    <message>
        <source>Nominal &amp;from This Reading</source>
        <translation>Nennfrequenz aus diesem &amp;Messwert</translation>
    </message>
    <message>
        <source>C&amp;lear Nominal</source>
        <translation>Nennfrequenz &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Sound When Outside</source>
        <translation>&amp;Signalton bei Toleranzüberschreitung</translation>
    </message>
    <message>
        <source>Counter &amp;Math…</source>
        <translation>&amp;Umrechnung…</translation>
    </message>
    <message>
        <source>Cl&amp;ear Counter Math</source>
        <translation>Umrechnung &amp;aufheben</translation>
    </message>
    <message>
        <source>L&amp;ine Settings…</source>
        <translation>Verbindungs&amp;einstellungen…</translation>
    </message>
    <message>
        <source>Reconnect &amp;When Lost</source>
        <translation>Verbindung automatisch &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;About freqcounter</source>
        <translation>&amp;Über freqcounter</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Aufzeichnung gestoppt.</translation>
    </message>
    <message>
        <source>Record to File</source>
        <translation>In Datei aufzeichnen</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;freqcounter %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Shows the live reading of a frequency counter on a serial port, big and readable, with its history, its stability figures and its offset from a nominal frequency.&lt;/p&gt;&lt;p&gt;Copyright 2026 freqcounter developers.&lt;br&gt;Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3, under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;freqcounter %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Zeigt den aktuellen Messwert eines Frequenzzählers an einer seriellen Schnittstelle groß und gut lesbar an, mit seinem Verlauf, seinen Stabilitätskennwerten und seiner Abweichung von einer Nennfrequenz.&lt;/p&gt;&lt;p&gt;Copyright 2026 freqcounter developers.&lt;br&gt;Freie Software unter der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later). Sie wird ohne jede Gewährleistung bereitgestellt.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2, ausgeführt mit Qt %3, das unter der GNU Lesser General Public License, Version 3, steht.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About freqcounter</source>
        <translation>Über freqcounter</translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation>Aufzeichnung &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Record to File…</source>
        <translation>In &amp;Datei aufzeichnen…</translation>
    </message>
    <message>
        <source> — recording</source>
        <translation> — Aufzeichnung läuft</translation>
    </message>
    <message>
        <source>The counter is silent: no answer to the last %1 queries.</source>
        <translation>Der Zähler ist stumm: keine Antwort auf die letzten %1 Abfragen.</translation>
    </message>
    <message>
        <source>The counter reads %1 MHz; shown is %2.</source>
        <translation>Der Zähler misst %1 MHz; angezeigt wird %2.</translation>
    </message>
</context>
<context>
    <name>freqcounter::ReadingServer</name>
    <message>
        <source>the port is in use (another program, or another logger, listens there)</source>
        <translation>der Port ist belegt (ein anderes Programm oder ein anderer Logger lauscht dort)</translation>
    </message>
    <message>
        <source>the address is none of this machine&apos;s</source>
        <translation>die Adresse gehört nicht zu diesem Rechner</translation>
    </message>
    <message>
        <source>permission denied (a port below 1024 needs privileges)</source>
        <translation>Zugriff verweigert (ein Port unter 1024 erfordert besondere Rechte)</translation>
    </message>
    <message>
        <source>Cannot serve the readings on %1: %2.</source>
        <translation>Die Messwerte können nicht unter %1 bereitgestellt werden: %2.</translation>
    </message>
    <message>
        <source>refused client %1: %2 clients are connected, the most served at once</source>
        <translation>Client %1 abgewiesen: %2 Clients sind verbunden, mehr werden nicht gleichzeitig bedient</translation>
    </message>
    <message>
        <source>client %1 connected (%2 of at most %3)</source>
        <translation>Client %1 verbunden (%2 von höchstens %3)</translation>
    </message>
    <message>
        <source>dropped client %1: it did not read its readings</source>
        <translation>Client %1 getrennt: Er hat seine Messwerte nicht abgeholt</translation>
    </message>
    <message>
        <source>client %1 left (%2 of at most %3 still connected)</source>
        <translation>Client %1 hat sich abgemeldet (noch %2 von höchstens %3 verbunden)</translation>
    </message>
</context>
<context>
    <name>freqcounter::Runtime</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Speicher.</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <translation>Interner Fehler: %1</translation>
    </message>
</context>
<context>
    <name>freqcounter::SerialLine</name>
    <message>
        <source>Invalid port number %1: choose a port from %2 to %3.</source>
        <translation>Ungültige Portnummer %1: Wählen Sie einen Port von %2 bis %3.</translation>
    </message>
    <message>
        <source>Cannot choose port %1 while serial %2 is open; close it first.</source>
        <translation>Port %1 kann nicht gewählt werden, solange der serielle %2 geöffnet ist; schließen Sie ihn zuerst.</translation>
    </message>
    <message>
        <source>Serial %1 is already open.</source>
        <translation>Der serielle %1 ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>No serial port was found for port %1. Plug in the counter&apos;s USB serial adapter, or %2.</source>
        <translation>Für Port %1 wurde keine serielle Schnittstelle gefunden. Schließen Sie den USB-Seriell-Adapter des Zählers an, oder %2.</translation>
    </message>
    <message>
        <source>Serial %1 is not open.</source>
        <translation>Der serielle %1 ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>Port %1 (%2)</translation>
    </message>
    <message>
        <source>name its port (Device Manager lists them under Ports (COM &amp; LPT)) with %1 or %2</source>
        <translation>geben Sie seinen Port mit %1 oder %2 an (der Geräte-Manager führt die Ports unter „Anschlüsse (COM &amp; LPT)“)</translation>
    </message>
    <message>
        <source>name the device with %1 or %2</source>
        <translation>geben Sie das Gerät mit %1 oder %2 an</translation>
    </message>
</context>
<context>
    <name>freqcounter::SerialPortLink</name>
    <message>
        <source>Serial %1 was lost while open: the device hung up or was unplugged. Reconnect it, then start the program again.</source>
        <translation>Der serielle %1 ging während des Betriebs verloren: Das Gerät hat die Verbindung beendet oder wurde abgezogen. Schließen Sie es wieder an und starten Sie dann das Programm erneut.</translation>
    </message>
    <message>
        <source>Serial %1 does not exist. Connect the counter, or %2.</source>
        <translation>Der serielle %1 existiert nicht. Schließen Sie den Zähler an, oder %2.</translation>
    </message>
    <message>
        <source>Serial %1 has no serial hardware behind it. Connect the counter, or %2.</source>
        <translation>Hinter dem seriellen %1 steckt keine serielle Hardware. Schließen Sie den Zähler an, oder %2.</translation>
    </message>
    <message>
        <source>Permission denied on serial %1. Add your user to the group %2 that owns serial devices (sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Zugriff auf den seriellen %1 verweigert. Fügen Sie Ihren Benutzer der Gruppe %2 hinzu, der die seriellen Geräte gehören (sudo usermod -aG %2 $USER), und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Serial %1 is in use by another program. Close that program, then start again.</source>
        <translation>Der serielle %1 wird von einem anderen Programm verwendet. Schließen Sie dieses Programm und starten Sie dann erneut.</translation>
    </message>
    <message>
        <source>Serial %1 could not be set up as a serial line at %2 (%3): %4.</source>
        <translation>Der serielle %1 konnte nicht als serielle Leitung mit %2 (%3) eingerichtet werden: %4.</translation>
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
        <translation>Sigma-tau-Diagramm der im Kontextmenü gewählten Stabilitätskennwerte</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>No estimator is chosen: right-click to choose</source>
        <translation>Kein Schätzer gewählt: Wählen Sie per Rechtsklick einen aus</translation>
    </message>
    <message>
        <source>Not enough readings for a sigma-tau plot</source>
        <translation>Zu wenige Messwerte für ein sigma-tau-Diagramm</translation>
    </message>
    <message>
        <source>σ(τ)</source>
        <translation>σ(τ)</translation>
    </message>
    <message>
        <source>τ in seconds</source>
        <translation>τ in Sekunden</translation>
    </message>
    <message>
        <source>linear drift removed</source>
        <translation>lineare Drift entfernt</translation>
    </message>
</context>
<context>
    <name>freqcounter::ThreeCorneredHatDialog</name>
    <message>
        <source>Three-Cornered Hat</source>
        <translation>Three-Cornered-Hat</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Choose the recording of %1</source>
        <translation>Aufzeichnung von %1 auswählen</translation>
    </message>
    <message>
        <source>Overlapping Allan deviation</source>
        <translation>Überlappende Allan-Standardabweichung</translation>
    </message>
    <message>
        <source>Modified Allan deviation</source>
        <translation>Modifizierte Allan-Standardabweichung</translation>
    </message>
    <message>
        <source>Time deviation (s)</source>
        <translation>Zeitabweichung (s)</translation>
    </message>
    <message>
        <source>&amp;Deviation:</source>
        <translation>Stabilitäts&amp;maß:</translation>
    </message>
    <message>
        <source>&amp;Work Out</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reading the recordings…</source>
        <translation>Aufzeichnungen werden gelesen…</translation>
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
        <translation>Aufzeichnung des Paares</translation>
    </message>
    <message>
        <source>Recordings (*.csv *.txt);;All files (*)</source>
        <translation>Aufzeichnungen (*.csv *.txt);;Alle Dateien (*)</translation>
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
