<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>option &apos;--%1&apos; needs a file, for example --%1 readings.csv</source>
        <translation>l&apos;option &apos;--%1&apos; demande un fichier, par exemple --%1 readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--three-cornered-hat&apos; needs three recordings, of the pairs A-B, B-C and C-A, for example --three-cornered-hat ab.csv bc.csv ca.csv</source>
        <translation>l&apos;option &apos;--three-cornered-hat&apos; demande trois enregistrements, des paires A-B, B-C et C-A, par exemple --three-cornered-hat ab.csv bc.csv ca.csv</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a device, for example %1 /dev/ttyUSB0</source>
        <translation>l&apos;option &apos;%1&apos; demande un périphérique, par exemple %1 /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>option &apos;%1&apos;: %2 is no network address; give tcp://HOST:PORT, such as tcp://192.168.1.20:5025</source>
        <translation>l&apos;option &apos;%1&apos;&#xa0;: %2 n&apos;est pas une adresse réseau&#xa0;; indiquez tcp://HOST:PORT, par exemple tcp://192.168.1.20:5025</translation>
    </message>
    <message>
        <source>option &apos;--line%1&apos;: %2 is no line setting; give BAUD/FORMAT[/FLOW], such as 9600/8n1, 19200/7e2/rtscts or 4800/8n1/xonxoff (baud 50 to 4000000, 7 or 8 data bits, parity n, e or o, 1 or 2 stop bits)</source>
        <translation>l&apos;option &apos;--line%1&apos;&#xa0;: %2 n&apos;est pas un réglage de liaison&#xa0;; indiquez BAUD/FORMAT[/FLOW], par exemple 9600/8n1, 19200/7e2/rtscts ou 4800/8n1/xonxoff (de 50 à 4000000 bauds, 7 ou 8 bits de données, parité n, e ou o, 1 ou 2 bits d&apos;arrêt)</translation>
    </message>
    <message>
        <source>option &apos;--unit%1&apos;: %2 is no unit a counter reads in; give Hz, kHz or MHz, or for time intervals s, ms, us, ns or ps</source>
        <translation>l&apos;option &apos;--unit%1&apos;&#xa0;: %2 n&apos;est pas une unité dans laquelle un fréquencemètre mesure&#xa0;; indiquez Hz, kHz ou MHz, ou pour des intervalles de temps s, ms, us, ns ou ps</translation>
    </message>
    <message>
        <source>option &apos;--timeout%1&apos;: %2 is no time an answer may take; give seconds from 0.1 to 60, such as 2</source>
        <translation>l&apos;option &apos;--timeout%1&apos;&#xa0;: %2 n&apos;est pas un délai de réponse possible&#xa0;; indiquez un nombre de secondes de 0.1 à 60, par exemple 2</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs %2, for example --%1 %3</source>
        <translation>l&apos;option &apos;--%1&apos; demande %2, par exemple --%1 %3</translation>
    </message>
    <message>
        <source>the same for Com%1</source>
        <translation>de même pour Com%1</translation>
    </message>
    <message>
        <source>how Com1&apos;s line speaks, as BAUD/FORMAT[/FLOW]: 9600/8n1,
19200/7e2/rtscts, 4800/8n1/xonxoff (1200/8n1 unless
kept from Line Settings...)</source>
        <translation>réglage de la liaison de Com1, en BAUD/FORMAT[/FLOW]&#xa0;:
9600/8n1, 19200/7e2/rtscts, 4800/8n1/xonxoff
(1200/8n1 sauf réglage mémorisé dans
Paramètres de la liaison...)</translation>
    </message>
    <message>
        <source>the line&apos;s settings</source>
        <translation>les réglages de la liaison</translation>
    </message>
    <message>
        <source>sent once after each opening, such as *RST;:CONF:FREQ</source>
        <translation>envoyé une fois après chaque ouverture, par exemple
*RST;:CONF:FREQ</translation>
    </message>
    <message>
        <source>the text to send</source>
        <translation>le texte à envoyer</translation>
    </message>
    <message>
        <source>sent at each poll once the last answer is in, such as
READ? (\r and \n stand for CR and LF; a line feed
follows)</source>
        <translation>envoyé à chaque interrogation, une fois la réponse
précédente reçue, par exemple READ? (\r et \n
représentent CR et LF&#xa0;; un saut de ligne est ajouté)</translation>
    </message>
    <message>
        <source>the unit of the counter&apos;s readings: Hz, kHz or MHz
(MHz unless kept); s, ms, us, ns or ps for a time-interval
counter, whose readings are phases</source>
        <translation>l&apos;unité des mesures du fréquencemètre&#xa0;: Hz, kHz ou MHz
(MHz sauf réglage mémorisé)&#xa0;; s, ms, us, ns ou ps
pour un compteur d&apos;intervalles de temps, dont les
mesures sont des phases</translation>
    </message>
    <message>
        <source>a unit</source>
        <translation>une unité</translation>
    </message>
    <message>
        <source>how long an answer may take, 0.1 to 60 seconds
(2 unless kept), then the query is asked again</source>
        <translation>délai de réponse, de 0.1 à 60 secondes (2 sauf
réglage mémorisé), après quoi la requête est renvoyée</translation>
    </message>
    <message>
        <source>a number of seconds</source>
        <translation>un nombre de secondes</translation>
    </message>
    <message>
        <source>the device of the Com1 button, such as /dev/ttyUSB0,
/dev/serial/by-id/usb-FTDI_...-port0 or COM5; or a
counter on the network, tcp://HOST:PORT</source>
        <translation>le périphérique du bouton Com1, par exemple
/dev/ttyUSB0, /dev/serial/by-id/usb-FTDI_...-port0
ou COM5&#xa0;; ou un fréquencemètre en réseau,
tcp://HOST:PORT</translation>
    </message>
    <message>
        <source>the device of the Com2 button</source>
        <translation>le périphérique du bouton Com2</translation>
    </message>
    <message>
        <source>forget the device or address Line Settings... kept
for the Com1 button, then start</source>
        <translation>oublier le périphérique ou l&apos;adresse mémorisés par
Paramètres de la liaison... pour le bouton Com1,
puis démarrer</translation>
    </message>
    <message>
        <source>the same for Com2</source>
        <translation>de même pour Com2</translation>
    </message>
    <message>
        <source>record every reading shown to a CSV file, from the
start (appended to when it exists)</source>
        <translation>enregistrer chaque mesure affichée dans un fichier
CSV, dès le démarrage (ajoutée à la fin du fichier
s&apos;il existe)</translation>
    </message>
    <message>
        <source>read the counter with no window and no display:
record it (--record) or serve it (--serve), riding
through lost lines, until ended by a signal</source>
        <translation>lire le fréquencemètre sans fenêtre ni affichage&#xa0;:
l&apos;enregistrer (--record) ou le diffuser (--serve),
en surmontant les pertes de liaison, jusqu&apos;à l&apos;arrêt
par un signal</translation>
    </message>
    <message>
        <source>serve each reading as the counter sent it, a line
each, on TCP port PORT, to other windows reading
tcp://HOST:PORT; to this machine alone unless given
as ADDRESS:PORT, such as 0.0.0.0:5025 for every network</source>
        <translation>diffuser chaque mesure telle que le fréquencemètre
l&apos;a envoyée, une par ligne, sur le port TCP PORT, à
d&apos;autres fenêtres qui lisent tcp://HOST:PORT&#xa0;; pour
cette seule machine, sauf sous la forme ADDRESS:PORT,
par exemple 0.0.0.0:5025 pour tous les réseaux</translation>
    </message>
    <message>
        <source>option &apos;--serve&apos; needs a port, for example --serve 5025</source>
        <translation>l&apos;option &apos;--serve&apos; demande un port, par exemple --serve 5025</translation>
    </message>
    <message>
        <source>option &apos;--serve&apos;: %1</source>
        <translation>l&apos;option &apos;--serve&apos;&#xa0;: %1</translation>
    </message>
    <message>
        <source>wait for a lost line and reopen it, instead of ending;
for this run, as the menu&apos;s Reconnect When Lost</source>
        <translation>attendre le retour d&apos;une liaison perdue et la rouvrir,
au lieu de s&apos;arrêter&#xa0;; pour cette exécution, comme
Reconnecter en cas de perte dans le menu</translation>
    </message>
    <message>
        <source>compare each reading with this frequency: 10MHz,
10 MHz, 10000000 Hz (MHz without a unit); kept for
the next start, as the menu&apos;s Compare with Nominal</source>
        <translation>comparer chaque mesure à cette fréquence&#xa0;: 10MHz,
10 MHz, 10000000 Hz (MHz sans unité)&#xa0;; mémorisée
pour le prochain démarrage, comme Comparer à la
fréquence nominale dans le menu</translation>
    </message>
    <message>
        <source>option &apos;--nominal&apos; needs a frequency, for example --nominal 10MHz</source>
        <translation>l&apos;option &apos;--nominal&apos; demande une fréquence, par exemple --nominal 10MHz</translation>
    </message>
    <message>
        <source>option &apos;--nominal&apos;: %1 is no frequency above 0; give one such as 10MHz, 10 MHz or 10000000 Hz (MHz without a unit)</source>
        <translation>l&apos;option &apos;--nominal&apos;&#xa0;: %1 n&apos;est pas une fréquence supérieure à 0&#xa0;; indiquez-en une comme 10MHz, 10 MHz ou 10000000 Hz (MHz sans unité)</translation>
    </message>
    <message>
        <source>the band around it, such as 10ppm, 50ppb or 25Hz;
a reading outside it shows in a warning colour</source>
        <translation>la plage autour de celle-ci, par exemple 10ppm, 50ppb
ou 25Hz&#xa0;; une mesure hors de cette plage s&apos;affiche
dans une couleur d&apos;alerte</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos; needs a tolerance, for example --tolerance 10ppm</source>
        <translation>l&apos;option &apos;--tolerance&apos; demande une tolérance, par exemple --tolerance 10ppm</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos;: %1 is no tolerance above 0 in ppm, ppb or Hz; give one such as 10ppm, 0.5 ppm, 50ppb or 25Hz</source>
        <translation>l&apos;option &apos;--tolerance&apos;&#xa0;: %1 n&apos;est pas une tolérance supérieure à 0 en ppm, ppb ou Hz&#xa0;; indiquez-en une comme 10ppm, 0.5 ppm, 50ppb ou 25Hz</translation>
    </message>
    <message>
        <source>show FACTOR times each reading: 64 behind a
divide-by-64 prescaler, -1 for IF - LO; for this
run only, as --offset</source>
        <translation>afficher FACTOR fois chaque mesure&#xa0;: 64 derrière un
prédiviseur par 64, -1 pour IF - LO&#xa0;; pour cette
exécution seulement, comme --offset</translation>
    </message>
    <message>
        <source>option &apos;--scale&apos; needs a factor, for example --scale 64</source>
        <translation>l&apos;option &apos;--scale&apos; demande un facteur, par exemple --scale 64</translation>
    </message>
    <message>
        <source>option &apos;--scale&apos;: %1 is no factor; give a number other than 0, such as 64, -1 or 0.5</source>
        <translation>l&apos;option &apos;--scale&apos;&#xa0;: %1 n&apos;est pas un facteur&#xa0;; indiquez un nombre différent de 0, par exemple 64, -1 ou 0.5</translation>
    </message>
    <message>
        <source>add FREQ, with its sign and unit, to each reading:
-10.7MHz shows LO - IF, +455kHz LO + IF</source>
        <translation>ajouter FREQ, avec son signe et son unité, à chaque
mesure&#xa0;: -10.7MHz affiche LO - IF, +455kHz LO + IF</translation>
    </message>
    <message>
        <source>option &apos;--offset&apos; needs a frequency, for example --offset -10.7MHz</source>
        <translation>l&apos;option &apos;--offset&apos; demande une fréquence, par exemple --offset -10.7MHz</translation>
    </message>
    <message>
        <source>option &apos;--offset&apos;: %1 is no frequency with its unit; give one such as -10.7MHz, +455kHz or 0Hz</source>
        <translation>l&apos;option &apos;--offset&apos;&#xa0;: %1 n&apos;est pas une fréquence avec son unité&#xa0;; indiquez-en une comme -10.7MHz, +455kHz ou 0Hz</translation>
    </message>
    <message>
        <source>list the serial ports found and which of them Com1
and Com2 take, then exit</source>
        <translation>lister les ports série trouvés et ceux que prennent
Com1 et Com2, puis quitter</translation>
    </message>
    <message>
        <source>look at a recording (or an export) again in a history
window of its own; no port is opened</source>
        <translation>revoir un enregistrement (ou un export) dans une
fenêtre d&apos;historique à part&#xa0;; aucun port n&apos;est ouvert</translation>
    </message>
    <message>
        <source>print the stability table of a recording as CSV,
then exit; of several, one table with the
recording in a first column</source>
        <translation>écrire le tableau de stabilité d&apos;un enregistrement
en CSV, puis quitter&#xa0;; pour plusieurs, un seul
tableau, avec l&apos;enregistrement en première colonne</translation>
    </message>
    <message>
        <source>with --stability, --plot or --three-cornered-hat:
take the drift of the straight-line fit out of
every deviation (none)</source>
        <translation>avec --stability, --plot ou
--three-cornered-hat&#xa0;: retirer de chaque écart-type
la dérive de la droite ajustée (par défaut&#xa0;: none)</translation>
    </message>
    <message>
        <source>option &apos;--remove-drift&apos; needs none or linear</source>
        <translation>l&apos;option &apos;--remove-drift&apos; demande none ou linear</translation>
    </message>
    <message>
        <source>option &apos;--remove-drift&apos;: %1 is neither none nor linear</source>
        <translation>l&apos;option &apos;--remove-drift&apos;&#xa0;: %1 n&apos;est ni none ni linear</translation>
    </message>
    <message>
        <source>with --stability: fit the logarithmic model of
ageing to a day or more of readings</source>
        <translation>avec --stability&#xa0;: ajuster le modèle logarithmique
de vieillissement sur un jour de mesures ou plus</translation>
    </message>
    <message>
        <source>draw the sigma-tau plot of a recording, every
estimator, into an SVG or PNG picture of 1200x800
with no display, then exit; of several, all their
curves on one plot</source>
        <translation>tracer le graphique sigma-tau d&apos;un enregistrement,
avec tous les estimateurs, dans une image SVG ou PNG
de 1200x800 sans affichage, puis quitter&#xa0;; pour
plusieurs, toutes leurs courbes sur un même graphique</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos; needs a picture and a recording, for example --plot sigma-tau.svg readings.csv</source>
        <translation>l&apos;option &apos;--plot&apos; demande une image et un enregistrement, par exemple --plot sigma-tau.svg readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos;: %1 is no picture file; give one ending in .svg or .png</source>
        <translation>l&apos;option &apos;--plot&apos;&#xa0;: %1 n&apos;est pas un fichier image&#xa0;; indiquez-en un qui se termine par .svg ou .png</translation>
    </message>
    <message>
        <source>print as CSV each of three oscillators&apos; own
deviations, from recordings of their pairs A-B,
B-C and C-A over the same span, then exit</source>
        <translation>écrire en CSV l&apos;écart-type propre de
chacun de trois oscillateurs, à partir des
enregistrements de leurs paires A-B, B-C et C-A
sur la même durée, puis quitter</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>argument inconnu %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos; needs a recording after the picture, for example --plot sigma-tau.svg readings.csv</source>
        <translation>l&apos;option &apos;--plot&apos; demande un enregistrement après l&apos;image, par exemple --plot sigma-tau.svg readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos; needs a nominal frequency: give --nominal too, such as --nominal 10MHz</source>
        <translation>l&apos;option &apos;--tolerance&apos; demande une fréquence nominale&#xa0;: indiquez aussi --nominal, par exemple --nominal 10MHz</translation>
    </message>
    <message>
        <source>option &apos;--no-window&apos; needs --record FILE or --serve PORT: with no window there is nothing else to do</source>
        <translation>l&apos;option &apos;--no-window&apos; demande --record FILE ou --serve PORT&#xa0;: sans fenêtre, il n&apos;y a rien d&apos;autre à faire</translation>
    </message>
    <message>
        <source>No serial port was found.
</source>
        <translation>Aucun port série n&apos;a été trouvé.
</translation>
    </message>
    <message>
        <source>
Shows the live reading of a 2 GHz frequency counter on a serial port
(1200 baud, 8 data bits, no parity, 1 stop bit, unless told otherwise)
in a window titled &quot;%1&quot;.

</source>
        <translation>
Affiche en direct la mesure d&apos;un fréquencemètre 2 GHz sur un port série
(1200 bauds, 8 bits de données, sans parité, 1 bit d&apos;arrêt, sauf
indication contraire) dans une fenêtre intitulée «&#xa0;%1&#xa0;».

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
Le périphérique de chaque bouton est le premier qui s&apos;applique parmi&#xa0;:
son option, la variable FREQCOUNTER_COM1 ou FREQCOUNTER_COM2, le
périphérique choisi auparavant dans Paramètres de la liaison du menu,
ou les ports série trouvés, les adaptateurs USB d&apos;abord (par numéro
de série, puis par nom), puis les autres, comme /dev/ttyS0 ou COM1
d&apos;une carte mère&#xa0;: Com1 prend le premier, Com2 le second. Le
périphérique est recherché de nouveau à chaque ouverture de son port,
au démarrage et à chaque clic.
Les options propres à Qt, comme -platform et -style, sont acceptées.

Cliquez avec le bouton droit sur la fenêtre pour plus de choix&#xa0;:
copier la mesure, enregistrer dans un fichier, et l&apos;historique
(Ctrl+H)&#xa0;: une courbe des mesures avec des statistiques.

Avec --no-window, le programme lit --com1 (et --com2) avec toutes les
options ci-dessus pour la liaison, le fréquencemètre et le calcul sur
les mesures, attend le retour d&apos;une liaison perdue et signale chaque
changement sur la sortie d&apos;erreur standard. Il se termine avec le code
de sortie 0 sur SIGTERM, SIGINT ou SIGHUP (Ctrl+C sous Windows), 1 sur
un échec que l&apos;attente ne peut réparer (comme un fichier impossible à
écrire), 2 sur une erreur dans la ligne de commande.
</translation>
    </message>
    <message>
        <source>freqcounter: Com%1 no longer stands for %2.
</source>
        <translation>freqcounter: Com%1 ne désigne plus %2.
</translation>
    </message>
    <message>
        <source>freqcounter: unknown argument &apos;%1&apos;
</source>
        <translation>freqcounter: argument inconnu &apos;%1&apos;
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
        <translation>Utilisation&#xa0;: freqcounter %1 [options de Qt]
  ou&#xa0;: freqcounter %2
  ou&#xa0;: freqcounter %3 [options de Qt]
  ou&#xa0;: freqcounter %4
  ou&#xa0;: freqcounter %5
  ou&#xa0;: freqcounter %6
</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>Options&#xa0;:
</translation>
    </message>
</context>
<context>
    <name>Counter</name>
    <message>
        <source>A reading from %1 stayed unfinished for %2 s and was dropped; readings are dropped so until a line end comes in time.</source>
        <translation>Une mesure du %1 est restée incomplète pendant %2 s et a été rejetée&#xa0;; les mesures seront ainsi rejetées tant qu&apos;une fin de ligne n&apos;arrivera pas à temps.</translation>
    </message>
    <message>
        <source>A reading from %1 held a character received in error and was dropped; check the line&apos;s settings and its cable.</source>
        <translation>Une mesure du %1 contenait un caractère reçu avec erreur et a été rejetée&#xa0;; vérifiez les paramètres de la liaison et son câble.</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>port %1 (%2)</translation>
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
        <translation>prédiviseur ÷%1</translation>
    </message>
    <message>
        <source>%1 × reading</source>
        <translation>%1 × mesure</translation>
    </message>
    <message>
        <source>%1 × reading %2 %3</source>
        <translation>%1 × mesure %2 %3</translation>
    </message>
</context>
<context>
    <name>CsvRecorder</name>
    <message>
        <source>could not be opened</source>
        <translation>n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>could not be cut back to its last whole line</source>
        <translation>n&apos;a pas pu être tronqué à sa dernière ligne complète</translation>
    </message>
    <message>
        <source>could not be written</source>
        <translation>n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>The recording file %1 %2: %3.</source>
        <translation>Le fichier d&apos;enregistrement %1 %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source> The readings recorded before stay in it.</source>
        <translation> Les mesures enregistrées auparavant y restent.</translation>
    </message>
</context>
<context>
    <name>Drift</name>
    <message>
        <source>the worst of white, flicker and random walk FM</source>
        <translation>pire cas entre bruits blanc, de scintillation et de marche aléatoire de fréquence</translation>
    </message>
    <message>
        <source>least squares; uncertainty for %1 from the Hadamard variance at %2 τ0</source>
        <translation>moindres carrés&#xa0;; incertitude pour le bruit dominant (%1), tirée de la variance de Hadamard à %2 τ0</translation>
    </message>
</context>
<context>
    <name>FigureTexts</name>
    <message>
        <source>%1 (%2 to %3, %4) at %5</source>
        <translation>%1 (%2 à %3, %4) à %5</translation>
    </message>
    <message>
        <source>working out…</source>
        <translation>calcul en cours…</translation>
    </message>
    <message>
        <source>not fitted</source>
        <translation>non ajusté</translation>
    </message>
    <message>
        <source>needs a day of readings</source>
        <translation>demande un jour de mesures</translation>
    </message>
    <message>
        <source>%1 a day</source>
        <translation>%1 par jour</translation>
    </message>
    <message>
        <source>none: the readings are not log-shaped</source>
        <translation>aucun&#xa0;: les mesures ne suivent pas une loi logarithmique</translation>
    </message>
    <message>
        <source>Of the straight line through the readings, with its 68 % standard uncertainty for %1: %2</source>
        <translation>Dérive de la droite ajustée aux mesures, avec son incertitude-type à 68&#xa0;% pour le bruit dominant (%1)&#xa0;: %2</translation>
    </message>
    <message>
        <source> (%1 of them numbers)</source>
        <translation> (dont %1 numériques)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 (%2 parts in 10¹²) from the reference, the phase&apos;s slope</source>
        <translation>%1 (%2 parties sur 10¹²) par rapport à la référence&#xa0;: pente de la phase</translation>
    </message>
    <message>
        <source>no nominal set</source>
        <translation>aucune fréquence nominale définie</translation>
    </message>
    <message>
        <source>%1 (mean against %2)</source>
        <translation>%1 (moyenne par rapport à %2)</translation>
    </message>
    <message>
        <source>none: the readings are time intervals</source>
        <translation>aucune&#xa0;: les mesures sont des intervalles de temps</translation>
    </message>
    <message>
        <source>%1 Hz a day</source>
        <translation>%1 Hz par jour</translation>
    </message>
    <message>
        <source>The fit f(t) = a ln(b t + 1) + c, t in days from the first reading: a = %1, b = %2 a day; the readings lie %3 (rms) from it</source>
        <translation>Ajustement f(t) = a ln(b t + 1) + c, t en jours depuis la première mesure&#xa0;: a = %1, b = %2 par jour&#xa0;; les mesures s&apos;en écartent de %3 (en moyenne quadratique)</translation>
    </message>
    <message>
        <source>with the linear drift removed</source>
        <translation>après retrait de la dérive linéaire</translation>
    </message>
    <message>
        <source>of the readings as read</source>
        <translation>des mesures brutes</translation>
    </message>
    <message>
        <source>not enough readings</source>
        <translation>pas assez de mesures</translation>
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
        <translation>du %1 au %2 (%3)</translation>
    </message>
    <message>
        <source>, τ₀ = %1</source>
        <translation>, τ₀ = %1</translation>
    </message>
    <message>
        <source>%1, each with its 68.3 % confidence bounds, of the readings with the linear drift removed</source>
        <translation>%1, chacun avec ses bornes de confiance à 68,3&#xa0;%, des mesures après retrait de la dérive linéaire</translation>
    </message>
    <message>
        <source>%1, each with its 68.3 % confidence bounds</source>
        <translation>%1, chacun avec ses bornes de confiance à 68,3&#xa0;%</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation>%1, %2 à %3</translation>
    </message>
    <message>
        <source>%1 compared</source>
        <translation>Comparaison&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Figures of</source>
        <translation>Valeurs de</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>Lacunes</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Offset from nominal</source>
        <translation>Écart à la nominale</translation>
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
        <translation>Crête à crête</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Écart-type</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Dérive</translation>
    </message>
    <message>
        <source>Drift in hertz</source>
        <translation>Dérive en hertz</translation>
    </message>
    <message>
        <source>Ageing at the end</source>
        <translation>Vieillissement à la fin</translation>
    </message>
    <message>
        <source>Deviations</source>
        <translation>Écarts-types</translation>
    </message>
    <message>
        <source>Allan deviation</source>
        <translation>Écart-type d&apos;Allan</translation>
    </message>
    <message>
        <source>Overlapping Allan deviation</source>
        <translation>Écart-type d&apos;Allan à recouvrement</translation>
    </message>
    <message>
        <source>Modified Allan deviation</source>
        <translation>Écart-type d&apos;Allan modifié</translation>
    </message>
    <message>
        <source>Overlapping Hadamard deviation</source>
        <translation>Écart-type de Hadamard à recouvrement</translation>
    </message>
    <message>
        <source>Time deviation</source>
        <translation>Écart-type temporel</translation>
    </message>
    <message>
        <source>Total deviation</source>
        <translation>Écart-type total</translation>
    </message>
    <message>
        <source>Modified total deviation</source>
        <translation>Écart-type total modifié</translation>
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
        <translation>parité paire</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>parité impaire</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>sans parité</translation>
    </message>
    <message>
        <source>%1 baud, %2 data bits, %3, %4</source>
        <translation>%1 bauds, %2 bits de données, %3, %4</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 bit d&apos;arrêt</translation>
    </message>
    <message>
        <source>, RTS/CTS flow control</source>
        <translation>, contrôle de flux RTS/CTS</translation>
    </message>
    <message>
        <source>, XON/XOFF flow control</source>
        <translation>, contrôle de flux XON/XOFF</translation>
    </message>
</context>
<context>
    <name>LoggerRecording</name>
    <message>
        <source>the disk is full: readings are counted and not recorded until there is room (%1)</source>
        <translation>le disque est plein&#xa0;: les mesures sont comptées mais pas enregistrées jusqu&apos;à ce qu&apos;il y ait de la place (%1)</translation>
    </message>
    <message>
        <source>writing again: 1 reading was not recorded</source>
        <translation>écriture reprise&#xa0;: 1 mesure n&apos;a pas été enregistrée</translation>
    </message>
    <message>
        <source>writing again: %1 readings were not recorded</source>
        <translation>écriture reprise&#xa0;: %1 mesures n&apos;ont pas été enregistrées</translation>
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
        <translation>Écart par rapport à %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>   outside %1</source>
        <translation>   hors tolérance %1</translation>
    </message>
    <message>
        <source>, outside %1</source>
        <translation>, hors tolérance %1</translation>
    </message>
    <message>
        <source>, within %1</source>
        <translation>, dans la tolérance %1</translation>
    </message>
</context>
<context>
    <name>PlotPicture</name>
    <message>
        <source>a picture is saved as .png or .svg</source>
        <translation>une image s&apos;enregistre au format .png ou .svg</translation>
    </message>
    <message>
        <source>this build saves no SVG pictures; save as .png</source>
        <translation>cette version n&apos;enregistre pas d&apos;images SVG&#xa0;; enregistrez au format .png</translation>
    </message>
</context>
<context>
    <name>PortDevices</name>
    <message>
        <source> Line Settings… kept %1 for Com%2: %3 or %4 names another device for a run, and %5 forgets it.</source>
        <translation> %1 est mémorisé pour Com%2 par Paramètres de la liaison…&#xa0;: %3 ou %4 désigne un autre périphérique le temps d&apos;une exécution, et %5 l&apos;oublie.</translation>
    </message>
</context>
<context>
    <name>Reconnection</name>
    <message>
        <source>%1 Waiting for it to come back.</source>
        <translation>%1 En attente de son retour.</translation>
    </message>
    <message>
        <source>%1 Waiting for it.</source>
        <translation>%1 En attente de sa disponibilité.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back after %3 s.</source>
        <translation>Le port %1 (%2) est revenu au bout de %3 s.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is open after %3 s.</source>
        <translation>Le port %1 (%2) s&apos;est ouvert au bout de %3 s.</translation>
    </message>
    <message>
        <source>Waiting for %1 to come back. %2</source>
        <translation>En attente du retour du %1. %2</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>port %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecordingFigures</name>
    <message>
        <source>1 row could not be read, at line %1; it is left out</source>
        <translation>la ligne %1 n&apos;a pas pu être lue&#xa0;; elle est ignorée</translation>
    </message>
    <message>
        <source>%1 rows could not be read, the first at line %2; they are left out</source>
        <translation>%1 lignes n&apos;ont pas pu être lues, la première à la ligne %2&#xa0;; elles sont ignorées</translation>
    </message>
    <message>
        <source>no stability figures: %1</source>
        <translation>aucune valeur de stabilité&#xa0;: %1</translation>
    </message>
    <message>
        <source>warning: the recordings span %1 s, %2 s and %3 s, more than a tenth apart; the three-cornered hat wants the three pairs measured over the same span</source>
        <translation>attention&#xa0;: les enregistrements durent %1 s, %2 s et %3 s, soit un écart de plus d&apos;un dixième&#xa0;; la méthode du chapeau à trois cornes demande que les trois paires soient mesurées sur la même durée</translation>
    </message>
</context>
<context>
    <name>RecordingFile</name>
    <message>
        <source>on</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>it shrank</source>
        <translation>sa taille a diminué</translation>
    </message>
    <message>
        <source>it was replaced or removed</source>
        <translation>il a été remplacé ou supprimé</translation>
    </message>
    <message>
        <source>it holds no readings</source>
        <translation>il ne contient aucune mesure</translation>
    </message>
</context>
<context>
    <name>ServeAddress</name>
    <message>
        <source>%1 names no port from 1 to 65535; give [ADDRESS:]PORT, such as 5025 or 0.0.0.0:5025</source>
        <translation>%1 n&apos;indique aucun port de 1 à 65535&#xa0;; indiquez [ADDRESS:]PORT, par exemple 5025 ou 0.0.0.0:5025</translation>
    </message>
    <message>
        <source>%1: an IPv6 address goes in brackets, such as [::]:5025</source>
        <translation>%1&#xa0;: une adresse IPv6 s&apos;écrit entre crochets, par exemple [::]:5025</translation>
    </message>
    <message>
        <source>%1 names no address before its port</source>
        <translation>%1 n&apos;indique aucune adresse avant son port</translation>
    </message>
    <message>
        <source>%1 is no IP address; give one of this machine&apos;s, such as 0.0.0.0 (every interface) or 192.168.1.7, or the port alone (this machine only)</source>
        <translation>%1 n&apos;est pas une adresse IP&#xa0;; indiquez une adresse de cette machine, par exemple 0.0.0.0 (toutes les interfaces) ou 192.168.1.7, ou le port seul (cette machine uniquement)</translation>
    </message>
</context>
<context>
    <name>StabilityConfidence</name>
    <message>
        <source>not identified</source>
        <translation>non identifié</translation>
    </message>
    <message>
        <source>white PM</source>
        <translation>bruit blanc de phase</translation>
    </message>
    <message>
        <source>flicker PM</source>
        <translation>bruit de scintillation de phase</translation>
    </message>
    <message>
        <source>white FM</source>
        <translation>bruit blanc de fréquence</translation>
    </message>
    <message>
        <source>flicker FM</source>
        <translation>bruit de scintillation de fréquence</translation>
    </message>
    <message>
        <source>random walk FM</source>
        <translation>bruit de marche aléatoire de fréquence</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>fewer than two readings are numbers</source>
        <translation>moins de deux mesures sont des nombres</translation>
    </message>
    <message>
        <source>the readings have no interval: all their time stamps are the same</source>
        <translation>les mesures n&apos;ont pas d&apos;intervalle&#xa0;: leurs horodatages sont tous identiques</translation>
    </message>
    <message>
        <source>the readings&apos; mean is zero, and a fractional frequency needs one</source>
        <translation>la moyenne des mesures est nulle, alors qu&apos;une fréquence relative exige une moyenne non nulle</translation>
    </message>
    <message>
        <source>gaps leave no two readings one interval apart</source>
        <translation>les lacunes ne laissent aucune paire de mesures espacées d&apos;un seul intervalle</translation>
    </message>
</context>
<context>
    <name>ThreeCorneredHat</name>
    <message>
        <source>%1 (%2 to %3)</source>
        <translation>%1 (%2 à %3)</translation>
    </message>
    <message>
        <source>&lt; %1 (upper limit)</source>
        <translation>&lt; %1 (limite supérieure)</translation>
    </message>
    <message>
        <source>nothing can be told</source>
        <translation>impossible à déterminer</translation>
    </message>
</context>
<context>
    <name>freqcounter::CounterMathDialog</name>
    <message>
        <source>Counter Math</source>
        <translation>Calcul sur les mesures</translation>
    </message>
    <message>
        <source>LO − IF (oscillator above the signal)</source>
        <translation>LO − IF (oscillateur au-dessus du signal)</translation>
    </message>
    <message>
        <source>LO + IF (oscillator below the signal)</source>
        <translation>LO + IF (oscillateur au-dessous du signal)</translation>
    </message>
    <message>
        <source>IF − LO</source>
        <translation>IF − LO</translation>
    </message>
    <message>
        <source>÷N prescaler before the counter</source>
        <translation>Prédiviseur ÷N avant le fréquencemètre</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>such as 64, -1 or 0.5</source>
        <translation>par exemple 64, -1 ou 0.5</translation>
    </message>
    <message>
        <source>such as -10.7 MHz or +455 kHz</source>
        <translation>par exemple -10.7 MHz ou +455 kHz</translation>
    </message>
    <message>
        <source>The frequency shown is the factor times the counter&apos;s reading, plus the offset.</source>
        <translation>La fréquence affichée est la mesure du fréquencemètre multipliée par le facteur, plus le décalage.</translation>
    </message>
    <message>
        <source>Common &amp;case:</source>
        <translation>&amp;Cas courant&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Factor:</source>
        <translation>&amp;Facteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Offset:</source>
        <translation>&amp;Décalage&#xa0;:</translation>
    </message>
    <message>
        <source>The factor must be a number other than 0, such as 64, -1 or 0.5.</source>
        <translation>Le facteur doit être un nombre différent de 0, par exemple 64, -1 ou 0.5.</translation>
    </message>
    <message>
        <source>The offset must be a frequency with its unit, such as -10.7 MHz, +455 kHz or 0 Hz.</source>
        <translation>Le décalage doit être une fréquence avec son unité, par exemple -10.7 MHz, +455 kHz ou 0 Hz.</translation>
    </message>
    <message>
        <source>No reading yet to try it on.</source>
        <translation>Aucune mesure pour l&apos;instant sur laquelle l&apos;essayer.</translation>
    </message>
    <message>
        <source>The newest reading, %1, is no number: it shows as it came.</source>
        <translation>La dernière mesure, %1, n&apos;est pas un nombre&#xa0;: elle s&apos;affiche telle quelle.</translation>
    </message>
    <message>
        <source>The newest reading, %1 MHz, shows as %2 MHz.</source>
        <translation>La dernière mesure, %1 MHz, s&apos;affiche comme %2 MHz.</translation>
    </message>
</context>
<context>
    <name>freqcounter::HistoryChart</name>
    <message>
        <source>Chart of the readings over time</source>
        <translation>Courbe des mesures dans le temps</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Aucune mesure pour l&apos;instant</translation>
    </message>
    <message>
        <source>No reading in this span is a number</source>
        <translation>Aucune mesure de cette période n&apos;est un nombre</translation>
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
        <translation>L&apos;enregistrement n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source> — History</source>
        <translation> — Historique</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>Everything since start</source>
        <translation>Tout depuis le démarrage</translation>
    </message>
    <message>
        <source>Take the drift out of the readings before every deviation</source>
        <translation>Retirer la dérive des mesures avant tout calcul d&apos;écart-type</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>linéaire</translation>
    </message>
    <message>
        <source>Fit A&amp;geing</source>
        <translation>Ajuster le &amp;vieillissement</translation>
    </message>
    <message>
        <source>Fit the logarithmic model of ageing to a day or more of readings</source>
        <translation>Ajuster le modèle logarithmique de vieillissement sur un jour de mesures ou plus</translation>
    </message>
    <message>
        <source>Everything recorded</source>
        <translation>Tout l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Reading the recording…</source>
        <translation>Lecture de l&apos;enregistrement…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>1 row could not be read, at line %1</source>
        <translation>la ligne %1 n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>%1 rows could not be read, the first at line %2</source>
        <translation>%1 lignes n&apos;ont pas pu être lues, la première à la ligne %2</translation>
    </message>
    <message>
        <source>no longer followed: %1</source>
        <translation>suivi interrompu&#xa0;: %1</translation>
    </message>
    <message>
        <source>the newest %1 of %2 readings</source>
        <translation>les %1 mesures les plus récentes sur %2</translation>
    </message>
    <message>
        <source>; all are in the recording</source>
        <translation>&#xa0;; toutes figurent dans l&apos;enregistrement</translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Remove drift:</source>
        <translation>Retirer la &amp;dérive&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>&amp;Ouvrir un enregistrement…</translation>
    </message>
    <message>
        <source>Look at a recording again, in a window of its own (Ctrl+O)</source>
        <translation>Revoir un enregistrement dans une fenêtre à part (Ctrl+O)</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>Co&amp;mparer avec…</translation>
    </message>
    <message>
        <source>Lay another recording&apos;s sigma-tau curves on this plot</source>
        <translation>Superposer à ce graphique les courbes sigma-tau d&apos;un autre enregistrement</translation>
    </message>
    <message>
        <source>Save Stability &amp;Table…</source>
        <translation>Enregistrer le &amp;tableau de stabilité…</translation>
    </message>
    <message>
        <source>Save this instrument&apos;s stability figures as CSV</source>
        <translation>Enregistrer au format CSV les valeurs de stabilité de cet instrument</translation>
    </message>
    <message>
        <source>S&amp;ave for Analysis…</source>
        <translation>Enregistrer pour &amp;analyse…</translation>
    </message>
    <message>
        <source>Save this instrument&apos;s readings of the span, one frequency in Hz a line (Ctrl+S)</source>
        <translation>Enregistrer les mesures de cet instrument sur la période, une fréquence en Hz par ligne (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save &amp;Plot…</source>
        <translation>Enregistrer le &amp;graphique…</translation>
    </message>
    <message>
        <source>Save the sigma-tau plot or the chart as a PNG or SVG picture</source>
        <translation>Enregistrer le graphique sigma-tau ou la courbe des mesures en image PNG ou SVG</translation>
    </message>
    <message>
        <source>Three-Cornered &amp;Hat…</source>
        <translation>&amp;Chapeau à trois cornes…</translation>
    </message>
    <message>
        <source>Each of three oscillators&apos; own deviation, from recordings of their three pairs</source>
        <translation>L&apos;écart-type propre de chacun de trois oscillateurs, à partir des enregistrements de leurs trois paires</translation>
    </message>
    <message>
        <source>there are no readings to plot</source>
        <translation>il n&apos;y a aucune mesure à tracer</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>Comparaison avec %1</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>Sigma-tau plot</source>
        <translation>Graphique sigma-tau</translation>
    </message>
    <message>
        <source>Chart of the readings</source>
        <translation>Courbe des mesures</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Plot:</source>
        <translation>&amp;Graphique&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Images SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The plot could not be saved.</source>
        <translation>Le graphique n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Save for Analysis</source>
        <translation>Enregistrer pour analyse</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The readings could not be saved.</source>
        <translation>Les mesures n&apos;ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>Save Stability Table</source>
        <translation>Enregistrer le tableau de stabilité</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The stability table could not be saved.</source>
        <translation>Le tableau de stabilité n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Ouvrir un enregistrement</translation>
    </message>
    <message>
        <source>Recordings (*.csv *.txt);;All files (*)</source>
        <translation>Enregistrements (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>The recording could not be compared.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être comparé.</translation>
    </message>
    <message>
        <source>no readings yet</source>
        <translation>aucune mesure pour l&apos;instant</translation>
    </message>
    <message>
        <source>%1, since %2</source>
        <translation>%1, depuis %2</translation>
    </message>
    <message>
        <source>%1; counter math %2</source>
        <translation>%1&#xa0;; calcul sur les mesures&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a figure&apos;s name before its value</comment>
        <translation>%1&#xa0;:</translation>
    </message>
</context>
<context>
    <name>freqcounter::LargeDisplay</name>
    <message>
        <source>counter silent</source>
        <translation>fréquencemètre muet</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>enregistrement en cours</translation>
    </message>
</context>
<context>
    <name>freqcounter::LineSettingsDialog</name>
    <message>
        <source>Line Settings: %1</source>
        <translation>Paramètres de la liaison&#xa0;: %1</translation>
    </message>
    <message>
        <source>the port found, or tcp://HOST:PORT</source>
        <translation>le port trouvé, ou tcp://HOST:PORT</translation>
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
        <translation>Paire</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
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
        <translation>aucune, ou par exemple *RST;:CONF:FREQ</translation>
    </message>
    <message>
        <source>none: the counter talks by itself; or such as READ?</source>
        <translation>aucune&#xa0;: le fréquencemètre émet de lui-même&#xa0;; ou par exemple READ?</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>%1 (time interval)</source>
        <translation>%1 (intervalle de temps)</translation>
    </message>
    <message>
        <source>De&amp;vice or address:</source>
        <translation>&amp;Périphérique ou adresse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation>Vitesse en &amp;bauds&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Data bits:</source>
        <translation>Bits de &amp;données&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Parity:</source>
        <translation>P&amp;arité&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Stop bits:</source>
        <translation>Bi&amp;ts d&apos;arrêt&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Flow control:</source>
        <translation>&amp;Contrôle de flux&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;etup, sent at opening:</source>
        <translation>&amp;Initialisation, envoyée à l&apos;ouverture&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Query, sent at each poll:</source>
        <translation>&amp;Requête, envoyée à chaque interrogation&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Answer within:</source>
        <translation>Dé&amp;lai de réponse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Unit of the readings:</source>
        <translation>&amp;Unité des mesures&#xa0;:</translation>
    </message>
    <message>
        <source>A counter on the network is named tcp://HOST:PORT, such as tcp://192.168.1.20:5025.</source>
        <translation>Un fréquencemètre en réseau se désigne par tcp://HOST:PORT, par exemple tcp://192.168.1.20:5025.</translation>
    </message>
    <message>
        <source>The baud rate must be a whole number from %1 to %2.</source>
        <translation>La vitesse en bauds doit être un nombre entier de %1 à %2.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>freqcounter::Logger</name>
    <message>
        <source>Recording to %1.</source>
        <translation>Enregistrement dans %1.</translation>
    </message>
    <message>
        <source>Serving the readings on tcp://%1, to %2 clients at most.</source>
        <translation>Diffusion des mesures sur tcp://%1, à %2 clients au plus.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is open.</source>
        <translation>Le port %1 (%2) est ouvert.</translation>
    </message>
    <message>
        <source>The counter on port %1 does not answer.</source>
        <translation>Le fréquencemètre du port %1 ne répond pas.</translation>
    </message>
    <message>
        <source>The counter on port %1 answers again.</source>
        <translation>Le fréquencemètre du port %1 répond de nouveau.</translation>
    </message>
</context>
<context>
    <name>freqcounter::NetworkLink</name>
    <message>
        <source>Network %1 did not answer within %2 s. Check that the counter is on the network and its address is right, or %3.</source>
        <translation>La connexion réseau du %1 n&apos;a pas répondu en %2 s. Vérifiez que le fréquencemètre est sur le réseau et que son adresse est juste, ou %3.</translation>
    </message>
    <message>
        <source>Network %1: %2 is no network address; give tcp://HOST:PORT, such as tcp://192.168.1.20:5025, or %3.</source>
        <translation>Connexion réseau du %1&#xa0;: %2 n&apos;est pas une adresse réseau&#xa0;; indiquez tcp://HOST:PORT, par exemple tcp://192.168.1.20:5025, ou %3.</translation>
    </message>
    <message>
        <source>Network %1 was lost while open: it has taken nothing sent for %2 s.</source>
        <translation>La connexion réseau du %1 a été perdue en cours d&apos;utilisation&#xa0;: elle n&apos;a rien accepté de ce qui lui a été envoyé depuis %2 s.</translation>
    </message>
    <message>
        <source>Network %1: the host %2 was not found. Check the address, or %3.</source>
        <translation>Connexion réseau du %1&#xa0;: l&apos;hôte %2 est introuvable. Vérifiez l&apos;adresse, ou %3.</translation>
    </message>
    <message>
        <source>Network %1 refused the connection: nothing listens on port %2 of %3. Check the address and that the counter (or its adapter) takes connections, or %4.</source>
        <translation>La connexion réseau du %1 a été refusée&#xa0;: rien n&apos;écoute sur le port %2 de %3. Vérifiez l&apos;adresse et que le fréquencemètre (ou son adaptateur) accepte les connexions, ou %4.</translation>
    </message>
    <message>
        <source>Network %1 could not be reached: %2. Check the address, or %3.</source>
        <translation>La connexion réseau du %1 n&apos;a pas pu être établie&#xa0;: %2. Vérifiez l&apos;adresse, ou %3.</translation>
    </message>
    <message>
        <source>Network %1 was lost while open: %2. Reconnect the counter, then start the program again.</source>
        <translation>La connexion réseau du %1 a été perdue en cours d&apos;utilisation&#xa0;: %2. Reconnectez le fréquencemètre, puis relancez le programme.</translation>
    </message>
</context>
<context>
    <name>freqcounter::NominalDialog</name>
    <message>
        <source>Compare with Nominal</source>
        <translation>Comparer à la fréquence nominale</translation>
    </message>
    <message>
        <source>such as 10 MHz</source>
        <translation>par exemple 10 MHz</translation>
    </message>
    <message>
        <source>none, or such as 10 ppm, 50 ppb, 25 Hz</source>
        <translation>aucune, ou par exemple 10 ppm, 50 ppb, 25 Hz</translation>
    </message>
    <message>
        <source>&amp;Nominal frequency:</source>
        <translation>Fréquence &amp;nominale&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Tolerance (±):</source>
        <translation>&amp;Tolérance (±)&#xa0;:</translation>
    </message>
    <message>
        <source>The nominal frequency must be a frequency above 0, such as 10 MHz, 10000000 Hz or 10 (MHz).</source>
        <translation>La fréquence nominale doit être une fréquence supérieure à 0, par exemple 10 MHz, 10000000 Hz ou 10 (MHz).</translation>
    </message>
    <message>
        <source>The tolerance must be above 0 in ppm, ppb or Hz, such as 10 ppm.</source>
        <translation>La tolérance doit être supérieure à 0, en ppm, ppb ou Hz, par exemple 10 ppm.</translation>
    </message>
</context>
<context>
    <name>freqcounter::ReadingActions</name>
    <message>
        <source>&amp;Copy reading</source>
        <translation>&amp;Copier la mesure</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Historique…</translation>
    </message>
    <message>
        <source>&amp;Large Display</source>
        <translation>&amp;Grand affichage</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>Toujours au premier &amp;plan</translation>
    </message>
    <message>
        <source>Compare with &amp;Nominal…</source>
        <translation>Comparer à la fréquence &amp;nominale…</translation>
    </message>
    <message>
        <source>Nominal &amp;from This Reading</source>
        <translation>Fréquence nominale &amp;d&apos;après cette mesure</translation>
    </message>
    <message>
        <source>C&amp;lear Nominal</source>
        <translation>&amp;Effacer la fréquence nominale</translation>
    </message>
    <message>
        <source>&amp;Sound When Outside</source>
        <translation>Signal &amp;sonore hors tolérance</translation>
    </message>
    <message>
        <source>Counter &amp;Math…</source>
        <translation>Calcul sur les &amp;mesures…</translation>
    </message>
    <message>
        <source>Cl&amp;ear Counter Math</source>
        <translation>Effacer le calc&amp;ul sur les mesures</translation>
    </message>
    <message>
        <source>L&amp;ine Settings…</source>
        <translation>Paramètres de la l&amp;iaison…</translation>
    </message>
    <message>
        <source>Reconnect &amp;When Lost</source>
        <translation>Rec&amp;onnecter en cas de perte</translation>
    </message>
    <message>
        <source>&amp;About freqcounter</source>
        <translation>À propos de &amp;freqcounter</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Enregistrement arrêté.</translation>
    </message>
    <message>
        <source>Record to File</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;freqcounter %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Shows the live reading of a frequency counter on a serial port, big and readable, with its history, its stability figures and its offset from a nominal frequency.&lt;/p&gt;&lt;p&gt;Copyright 2026 freqcounter developers.&lt;br&gt;Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3, under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;freqcounter %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Affiche en direct la mesure d&apos;un fréquencemètre sur un port série, en grand et lisible, avec son historique, ses valeurs de stabilité et son écart à une fréquence nominale.&lt;/p&gt;&lt;p&gt;Copyright 2026 les développeurs de freqcounter.&lt;br&gt;Logiciel libre distribué sous la GNU General Public License, version 3 ou (à votre choix) toute version ultérieure (GPL-3.0-or-later). Il est fourni sans aucune garantie.&lt;/p&gt;&lt;p&gt;Compilé avec Qt %2, fonctionnant avec Qt %3, sous la GNU Lesser General Public License, version 3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About freqcounter</source>
        <translation>À propos de freqcounter</translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation>A&amp;rrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>&amp;Record to File…</source>
        <translation>En&amp;registrer dans un fichier…</translation>
    </message>
    <message>
        <source> — recording</source>
        <translation> — enregistrement en cours</translation>
    </message>
    <message>
        <source>The counter is silent: no answer to the last %1 queries.</source>
        <translation>Le fréquencemètre ne répond plus&#xa0;: aucune réponse aux %1 dernières requêtes.</translation>
    </message>
    <message>
        <source>The counter reads %1 MHz; shown is %2.</source>
        <translation>Le fréquencemètre lit %1 MHz&#xa0;; affiché&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>freqcounter::ReadingServer</name>
    <message>
        <source>the port is in use (another program, or another logger, listens there)</source>
        <translation>le port est occupé (un autre programme, ou un autre enregistreur, y écoute)</translation>
    </message>
    <message>
        <source>the address is none of this machine&apos;s</source>
        <translation>l&apos;adresse n&apos;appartient pas à cette machine</translation>
    </message>
    <message>
        <source>permission denied (a port below 1024 needs privileges)</source>
        <translation>permission refusée (un port inférieur à 1024 exige des privilèges)</translation>
    </message>
    <message>
        <source>Cannot serve the readings on %1: %2.</source>
        <translation>Impossible de diffuser les mesures sur %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>refused client %1: %2 clients are connected, the most served at once</source>
        <translation>client %1 refusé&#xa0;: %2 clients sont connectés, le maximum servi à la fois</translation>
    </message>
    <message>
        <source>client %1 connected (%2 of at most %3)</source>
        <translation>client %1 connecté (%2 sur %3 au plus)</translation>
    </message>
    <message>
        <source>dropped client %1: it did not read its readings</source>
        <translation>client %1 déconnecté&#xa0;: il ne lisait pas ses mesures</translation>
    </message>
    <message>
        <source>client %1 left (%2 of at most %3 still connected)</source>
        <translation>client %1 parti (encore %2 connectés sur %3 au plus)</translation>
    </message>
</context>
<context>
    <name>freqcounter::Runtime</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Erreur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <translation>Erreur interne&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>freqcounter::SerialLine</name>
    <message>
        <source>Invalid port number %1: choose a port from %2 to %3.</source>
        <translation>Numéro de port %1 non valide&#xa0;: choisissez un port de %2 à %3.</translation>
    </message>
    <message>
        <source>Cannot choose port %1 while serial %2 is open; close it first.</source>
        <translation>Impossible de choisir le port %1 tant que la liaison série du %2 est ouverte&#xa0;; fermez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>Serial %1 is already open.</source>
        <translation>La liaison série du %1 est déjà ouverte.</translation>
    </message>
    <message>
        <source>No serial port was found for port %1. Plug in the counter&apos;s USB serial adapter, or %2.</source>
        <translation>Aucun port série n&apos;a été trouvé pour le port %1. Branchez l&apos;adaptateur série USB du fréquencemètre, ou %2.</translation>
    </message>
    <message>
        <source>Serial %1 is not open.</source>
        <translation>La liaison série du %1 n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>port %1</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>port %1 (%2)</translation>
    </message>
    <message>
        <source>name its port (Device Manager lists them under Ports (COM &amp; LPT)) with %1 or %2</source>
        <translation>indiquez son port (le Gestionnaire de périphériques les liste sous Ports (COM et LPT)) avec %1 ou %2</translation>
    </message>
    <message>
        <source>name the device with %1 or %2</source>
        <translation>indiquez le périphérique avec %1 ou %2</translation>
    </message>
</context>
<context>
    <name>freqcounter::SerialPortLink</name>
    <message>
        <source>Serial %1 was lost while open: the device hung up or was unplugged. Reconnect it, then start the program again.</source>
        <translation>La liaison série du %1 a été perdue en cours d&apos;utilisation&#xa0;: le périphérique a raccroché ou a été débranché. Rebranchez-le, puis relancez le programme.</translation>
    </message>
    <message>
        <source>Serial %1 does not exist. Connect the counter, or %2.</source>
        <translation>Le périphérique série du %1 n&apos;existe pas. Branchez le fréquencemètre, ou %2.</translation>
    </message>
    <message>
        <source>Serial %1 has no serial hardware behind it. Connect the counter, or %2.</source>
        <translation>Le périphérique série du %1 ne correspond à aucun matériel série. Branchez le fréquencemètre, ou %2.</translation>
    </message>
    <message>
        <source>Permission denied on serial %1. Add your user to the group %2 that owns serial devices (sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Permission refusée sur la liaison série du %1. Ajoutez votre utilisateur au groupe %2, propriétaire des périphériques série (sudo usermod -aG %2 $USER), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Serial %1 is in use by another program. Close that program, then start again.</source>
        <translation>La liaison série du %1 est utilisée par un autre programme. Fermez ce programme, puis réessayez.</translation>
    </message>
    <message>
        <source>Serial %1 could not be set up as a serial line at %2 (%3): %4.</source>
        <translation>La liaison série du %1 n&apos;a pas pu être configurée en %2 (%3)&#xa0;: %4.</translation>
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
        <translation>Graphique sigma-tau des valeurs de stabilité choisies dans son menu contextuel</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Affiché</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>No estimator is chosen: right-click to choose</source>
        <translation>Aucun estimateur choisi&#xa0;: cliquez avec le bouton droit pour en choisir</translation>
    </message>
    <message>
        <source>Not enough readings for a sigma-tau plot</source>
        <translation>Pas assez de mesures pour un graphique sigma-tau</translation>
    </message>
    <message>
        <source>σ(τ)</source>
        <translation>σ(τ)</translation>
    </message>
    <message>
        <source>τ in seconds</source>
        <translation>τ en secondes</translation>
    </message>
    <message>
        <source>linear drift removed</source>
        <translation>dérive linéaire retirée</translation>
    </message>
</context>
<context>
    <name>freqcounter::ThreeCorneredHatDialog</name>
    <message>
        <source>Three-Cornered Hat</source>
        <translation>Chapeau à trois cornes</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose the recording of %1</source>
        <translation>Choisir l&apos;enregistrement de %1</translation>
    </message>
    <message>
        <source>Overlapping Allan deviation</source>
        <translation>Écart-type d&apos;Allan à recouvrement</translation>
    </message>
    <message>
        <source>Modified Allan deviation</source>
        <translation>Écart-type d&apos;Allan modifié</translation>
    </message>
    <message>
        <source>Time deviation (s)</source>
        <translation>Écart-type temporel (s)</translation>
    </message>
    <message>
        <source>&amp;Deviation:</source>
        <translation>Écart-&amp;type&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Work Out</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reading the recordings…</source>
        <translation>Lecture des enregistrements…</translation>
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
        <translation>Enregistrement de la paire</translation>
    </message>
    <message>
        <source>Recordings (*.csv *.txt);;All files (*)</source>
        <translation>Enregistrements (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>A−B:</source>
        <translation>A−B&#xa0;:</translation>
    </message>
    <message>
        <source>B−C:</source>
        <translation>B−C&#xa0;:</translation>
    </message>
    <message>
        <source>C−A:</source>
        <translation>C−A&#xa0;:</translation>
    </message>
</context>
</TS>
