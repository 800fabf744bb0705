<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>option &apos;--%1&apos; needs a file, for example --%1 readings.csv</source>
        <translation>オプション &apos;--%1&apos; にはファイルが必要です。例: --%1 readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--three-cornered-hat&apos; needs three recordings, of the pairs A-B, B-C and C-A, for example --three-cornered-hat ab.csv bc.csv ca.csv</source>
        <translation>オプション &apos;--three-cornered-hat&apos; には、ペア A-B、B-C、C-A の記録が 3 つ必要です。例: --three-cornered-hat ab.csv bc.csv ca.csv</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a device, for example %1 /dev/ttyUSB0</source>
        <translation>オプション &apos;%1&apos; にはデバイスが必要です。例: %1 /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>option &apos;%1&apos;: %2 is no network address; give tcp://HOST:PORT, such as tcp://192.168.1.20:5025</source>
        <translation>オプション &apos;%1&apos;: %2 はネットワークアドレスではありません。tcp://HOST:PORT の形で指定してください (例: tcp://192.168.1.20:5025)</translation>
    </message>
    <message>
        <source>option &apos;--line%1&apos;: %2 is no line setting; give BAUD/FORMAT[/FLOW], such as 9600/8n1, 19200/7e2/rtscts or 4800/8n1/xonxoff (baud 50 to 4000000, 7 or 8 data bits, parity n, e or o, 1 or 2 stop bits)</source>
        <translation>オプション &apos;--line%1&apos;: %2 は回線設定ではありません。BAUD/FORMAT[/FLOW] の形で指定してください (例: 9600/8n1、19200/7e2/rtscts、4800/8n1/xonxoff。ボーレートは 50～4000000、データビットは 7 か 8、パリティは n、e、o のいずれか、ストップビットは 1 か 2)</translation>
    </message>
    <message>
        <source>option &apos;--unit%1&apos;: %2 is no unit a counter reads in; give Hz, kHz or MHz, or for time intervals s, ms, us, ns or ps</source>
        <translation>オプション &apos;--unit%1&apos;: %2 はカウンターの測定値の単位ではありません。Hz、kHz または MHz (時間間隔なら s、ms、us、ns または ps) を指定してください</translation>
    </message>
    <message>
        <source>option &apos;--timeout%1&apos;: %2 is no time an answer may take; give seconds from 0.1 to 60, such as 2</source>
        <translation>オプション &apos;--timeout%1&apos;: %2 は応答の待ち時間ではありません。0.1～60 の秒数を指定してください (例: 2)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs %2, for example --%1 %3</source>
        <translation>オプション &apos;--%1&apos; には%2が必要です。例: --%1 %3</translation>
    </message>
    <message>
        <source>the same for Com%1</source>
        <translation>Com%1 について同じ指定</translation>
    </message>
    <message>
        <source>how Com1&apos;s line speaks, as BAUD/FORMAT[/FLOW]: 9600/8n1,
19200/7e2/rtscts, 4800/8n1/xonxoff (1200/8n1 unless
kept from Line Settings...)</source>
        <translation>Com1 の回線の通信形式。BAUD/FORMAT[/FLOW] の形で指定:
9600/8n1、19200/7e2/rtscts、4800/8n1/xonxoff
(回線設定... で保存した値がなければ 1200/8n1)</translation>
    </message>
    <message>
        <source>the line&apos;s settings</source>
        <translation>回線設定</translation>
    </message>
    <message>
        <source>sent once after each opening, such as *RST;:CONF:FREQ</source>
        <translation>ポートを開くたびに一度送信。例: *RST;:CONF:FREQ</translation>
    </message>
    <message>
        <source>the text to send</source>
        <translation>送信するテキスト</translation>
    </message>
    <message>
        <source>sent at each poll once the last answer is in, such as
READ? (\r and \n stand for CR and LF; a line feed
follows)</source>
        <translation>前の応答が届いた後、ポーリングのたびに送信。
例: READ? (\r と \n は CR と LF を表す。末尾に
改行が付く)</translation>
    </message>
    <message>
        <source>the unit of the counter&apos;s readings: Hz, kHz or MHz
(MHz unless kept); s, ms, us, ns or ps for a time-interval
counter, whose readings are phases</source>
        <translation>カウンターの測定値の単位: Hz、kHz、MHz (保存した値が
なければ MHz)。時間間隔カウンターなら s、ms、us、ns、
ps (測定値は位相として扱う)</translation>
    </message>
    <message>
        <source>a unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>how long an answer may take, 0.1 to 60 seconds
(2 unless kept), then the query is asked again</source>
        <translation>応答の待ち時間。0.1～60 秒 (保存した値がなければ 2)。
過ぎるとクエリを再送する</translation>
    </message>
    <message>
        <source>a number of seconds</source>
        <translation>秒数</translation>
    </message>
    <message>
        <source>the device of the Com1 button, such as /dev/ttyUSB0,
/dev/serial/by-id/usb-FTDI_...-port0 or COM5; or a
counter on the network, tcp://HOST:PORT</source>
        <translation>Com1 ボタンのデバイス。例: /dev/ttyUSB0、
/dev/serial/by-id/usb-FTDI_...-port0、COM5。
ネットワーク上のカウンターなら tcp://HOST:PORT</translation>
    </message>
    <message>
        <source>the device of the Com2 button</source>
        <translation>Com2 ボタンのデバイス</translation>
    </message>
    <message>
        <source>forget the device or address Line Settings... kept
for the Com1 button, then start</source>
        <translation>回線設定... で Com1 ボタン用に保存したデバイスまたは
アドレスを消去してから起動</translation>
    </message>
    <message>
        <source>the same for Com2</source>
        <translation>Com2 について同じ指定</translation>
    </message>
    <message>
        <source>record every reading shown to a CSV file, from the
start (appended to when it exists)</source>
        <translation>表示するすべての測定値を起動時から CSV ファイルに
記録 (ファイルがあれば追記)</translation>
    </message>
    <message>
        <source>read the counter with no window and no display:
record it (--record) or serve it (--serve), riding
through lost lines, until ended by a signal</source>
        <translation>ウィンドウも画面も使わずにカウンターを読み取り、
記録 (--record) または配信 (--serve) する。回線が
切れても待ち続け、シグナルで終了するまで動作</translation>
    </message>
    <message>
        <source>serve each reading as the counter sent it, a line
each, on TCP port PORT, to other windows reading
tcp://HOST:PORT; to this machine alone unless given
as ADDRESS:PORT, such as 0.0.0.0:5025 for every network</source>
        <translation>カウンターが送った測定値をそのまま 1 行ずつ、TCP ポート
PORT で、tcp://HOST:PORT を読む他のウィンドウに配信。
ADDRESS:PORT の形で指定しない限り、このマシンのみに
配信 (すべてのネットワークなら 0.0.0.0:5025 など)</translation>
    </message>
    <message>
        <source>option &apos;--serve&apos; needs a port, for example --serve 5025</source>
        <translation>オプション &apos;--serve&apos; にはポートが必要です。例: --serve 5025</translation>
    </message>
    <message>
        <source>option &apos;--serve&apos;: %1</source>
        <translation>オプション &apos;--serve&apos;: %1</translation>
    </message>
    <message>
        <source>wait for a lost line and reopen it, instead of ending;
for this run, as the menu&apos;s Reconnect When Lost</source>
        <translation>回線が切れても終了せず、復帰を待って開き直す。
メニューの「切断時に再接続」と同じ (今回の実行のみ)</translation>
    </message>
    <message>
        <source>compare each reading with this frequency: 10MHz,
10 MHz, 10000000 Hz (MHz without a unit); kept for
the next start, as the menu&apos;s Compare with Nominal</source>
        <translation>各測定値をこの周波数と比較: 10MHz、10 MHz、
10000000 Hz (単位省略時はMHz)。メニューの
「基準周波数と比較」と同じく次回起動時も保持</translation>
    </message>
    <message>
        <source>option &apos;--nominal&apos; needs a frequency, for example --nominal 10MHz</source>
        <translation>オプション &apos;--nominal&apos; には周波数が必要です。例: --nominal 10MHz</translation>
    </message>
    <message>
        <source>option &apos;--nominal&apos;: %1 is no frequency above 0; give one such as 10MHz, 10 MHz or 10000000 Hz (MHz without a unit)</source>
        <translation>オプション &apos;--nominal&apos;: %1 は 0 より大きい周波数ではありません。10MHz、10 MHz、10000000 Hz のように指定してください (単位省略時はMHz)</translation>
    </message>
    <message>
        <source>the band around it, such as 10ppm, 50ppb or 25Hz;
a reading outside it shows in a warning colour</source>
        <translation>基準周波数の前後の許容差。例: 10ppm、50ppb、25Hz。
範囲外の測定値は警告色で表示</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos; needs a tolerance, for example --tolerance 10ppm</source>
        <translation>オプション &apos;--tolerance&apos; には許容差が必要です。例: --tolerance 10ppm</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos;: %1 is no tolerance above 0 in ppm, ppb or Hz; give one such as 10ppm, 0.5 ppm, 50ppb or 25Hz</source>
        <translation>オプション &apos;--tolerance&apos;: %1 は ppm、ppb、Hz 単位の 0 より大きい許容差ではありません。10ppm、0.5 ppm、50ppb、25Hz のように指定してください</translation>
    </message>
    <message>
        <source>show FACTOR times each reading: 64 behind a
divide-by-64 prescaler, -1 for IF - LO; for this
run only, as --offset</source>
        <translation>各測定値を FACTOR 倍して表示。64 分周プリスケーラの後
なら 64、IF - LO なら -1。--offset と同じく今回の実行
のみ有効</translation>
    </message>
    <message>
        <source>option &apos;--scale&apos; needs a factor, for example --scale 64</source>
        <translation>オプション &apos;--scale&apos; には係数が必要です。例: --scale 64</translation>
    </message>
    <message>
        <source>option &apos;--scale&apos;: %1 is no factor; give a number other than 0, such as 64, -1 or 0.5</source>
        <translation>オプション &apos;--scale&apos;: %1 は係数ではありません。64、-1、0.5 のような 0 以外の数値を指定してください</translation>
    </message>
    <message>
        <source>add FREQ, with its sign and unit, to each reading:
-10.7MHz shows LO - IF, +455kHz LO + IF</source>
        <translation>符号と単位の付いた FREQ を各測定値に加算。
-10.7MHz で LO - IF、+455kHz で LO + IF を表示</translation>
    </message>
    <message>
        <source>option &apos;--offset&apos; needs a frequency, for example --offset -10.7MHz</source>
        <translation>オプション &apos;--offset&apos; には周波数が必要です。例: --offset -10.7MHz</translation>
    </message>
    <message>
        <source>option &apos;--offset&apos;: %1 is no frequency with its unit; give one such as -10.7MHz, +455kHz or 0Hz</source>
        <translation>オプション &apos;--offset&apos;: %1 は単位付きの周波数ではありません。-10.7MHz、+455kHz、0Hz のように指定してください</translation>
    </message>
    <message>
        <source>list the serial ports found and which of them Com1
and Com2 take, then exit</source>
        <translation>見つかったシリアルポートと、Com1 と Com2 がそれぞれ
どれを使うかを一覧表示して終了</translation>
    </message>
    <message>
        <source>look at a recording (or an export) again in a history
window of its own; no port is opened</source>
        <translation>記録 (またはエクスポート) を専用の履歴ウィンドウで
見直す。ポートは開かない</translation>
    </message>
    <message>
        <source>print the stability table of a recording as CSV,
then exit; of several, one table with the
recording in a first column</source>
        <translation>記録の安定度表を CSV で出力して終了。複数の記録
なら、先頭列に記録名を入れた 1 つの表にまとめる</translation>
    </message>
    <message>
        <source>with --stability, --plot or --three-cornered-hat:
take the drift of the straight-line fit out of
every deviation (none)</source>
        <translation>--stability、--plot、--three-cornered-hat と併用:
各偏差を求める前に、直線近似で求めたドリフトを
除去 (既定は none)</translation>
    </message>
    <message>
        <source>option &apos;--remove-drift&apos; needs none or linear</source>
        <translation>オプション &apos;--remove-drift&apos; には none または linear が必要です</translation>
    </message>
    <message>
        <source>option &apos;--remove-drift&apos;: %1 is neither none nor linear</source>
        <translation>オプション &apos;--remove-drift&apos;: %1 は none でも linear でもありません</translation>
    </message>
    <message>
        <source>with --stability: fit the logarithmic model of
ageing to a day or more of readings</source>
        <translation>--stability と併用: 1 日以上の測定値にエージングの
対数モデルを当てはめる</translation>
    </message>
    <message>
        <source>draw the sigma-tau plot of a recording, every
estimator, into an SVG or PNG picture of 1200x800
with no display, then exit; of several, all their
curves on one plot</source>
        <translation>記録の sigma-tau プロットを全推定量について、画面
なしで 1200x800 の SVG または PNG 画像に描いて終了。
複数の記録なら、すべての曲線を 1 つのプロットに描く</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos; needs a picture and a recording, for example --plot sigma-tau.svg readings.csv</source>
        <translation>オプション &apos;--plot&apos; には画像と記録が必要です。例: --plot sigma-tau.svg readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos;: %1 is no picture file; give one ending in .svg or .png</source>
        <translation>オプション &apos;--plot&apos;: %1 は画像ファイルではありません。.svg または .png で終わる名前を指定してください</translation>
    </message>
    <message>
        <source>print as CSV each of three oscillators&apos; own
deviations, from recordings of their pairs A-B,
B-C and C-A over the same span, then exit</source>
        <translation>同じ期間に測定したペア A-B、B-C、C-A の記録から、
3 つの発振器それぞれの偏差を CSV で出力して終了</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>このヘルプを表示して終了</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>バージョンを表示して終了</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>不明な引数 %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>オプション %1 には値が必要です</translation>
    </message>
    <message>
        <source>option &apos;--plot&apos; needs a recording after the picture, for example --plot sigma-tau.svg readings.csv</source>
        <translation>オプション &apos;--plot&apos; には画像の後に記録が必要です。例: --plot sigma-tau.svg readings.csv</translation>
    </message>
    <message>
        <source>option &apos;--tolerance&apos; needs a nominal frequency: give --nominal too, such as --nominal 10MHz</source>
        <translation>オプション &apos;--tolerance&apos; には基準周波数が必要です。--nominal も指定してください (例: --nominal 10MHz)</translation>
    </message>
    <message>
        <source>option &apos;--no-window&apos; needs --record FILE or --serve PORT: with no window there is nothing else to do</source>
        <translation>オプション &apos;--no-window&apos; には --record FILE または --serve PORT が必要です。ウィンドウがなければ、ほかにすることがありません</translation>
    </message>
    <message>
        <source>No serial port was found.
</source>
        <translation>シリアルポートが見つかりませんでした。
</translation>
    </message>
    <message>
        <source>
Shows the live reading of a 2 GHz frequency counter on a serial port
(1200 baud, 8 data bits, no parity, 1 stop bit, unless told otherwise)
in a window titled &quot;%1&quot;.

</source>
        <translation>
シリアルポートにつないだ 2 GHz 周波数カウンターの現在の測定値を、
「%1」というタイトルのウィンドウに表示します (指定がなければ
1200 ボー、データビット 8、パリティなし、ストップビット 1)。

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
各ボタンのデバイスは、次のうち最初に当てはまるものです: その
オプション、環境変数 FREQCOUNTER_COM1 または FREQCOUNTER_COM2、
以前にメニューの回線設定で選んだデバイス、見つかったシリアル
ポート (USB アダプターが先で、シリアル番号順、次に名前順。その後に
マザーボードの /dev/ttyS0 や COM1 などの残り)。Com1 が 1 つ目を、
Com2 が 2 つ目を使います。デバイスはポートを開くたびに (起動時と
クリックのたびに) 探し直します。
-platform や -style など、Qt 自身のオプションも使えます。

ウィンドウを右クリックすると、ほかの操作ができます: 測定値の
コピー、ファイルへの記録、履歴 (Ctrl+H: 測定値のグラフと統計)。

--no-window を付けると、上記の回線・カウンター・演算のオプションを
すべて使って --com1 (と --com2) を読み取り、切れた回線の復帰を
待ち、変化があるたびに標準エラー出力に知らせます。終了ステータスは、
SIGTERM、SIGINT、SIGHUP (Windows では Ctrl+C) で 0、待っても
回復できない障害 (書き込めないファイルなど) で 1、このコマンド
ラインの誤りで 2 です。
</translation>
    </message>
    <message>
        <source>freqcounter: Com%1 no longer stands for %2.
</source>
        <translation>freqcounter: Com%1 に保存されていた %2 を消去しました。
</translation>
    </message>
    <message>
        <source>freqcounter: unknown argument &apos;%1&apos;
</source>
        <translation>freqcounter: 不明な引数 &apos;%1&apos;
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
        <translation>使い方: freqcounter %1 [Qt のオプション]
  または: freqcounter %2
  または: freqcounter %3 [Qt のオプション]
  または: freqcounter %4
  または: freqcounter %5
  または: freqcounter %6
</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>オプション:
</translation>
    </message>
</context>
<context>
    <name>Counter</name>
    <message>
        <source>A reading from %1 stayed unfinished for %2 s and was dropped; readings are dropped so until a line end comes in time.</source>
        <translation>%1 からの測定値が %2 s のあいだ途中のままだったため破棄しました。行末が時間内に届くまで、測定値は同様に破棄されます。</translation>
    </message>
    <message>
        <source>A reading from %1 held a character received in error and was dropped; check the line&apos;s settings and its cable.</source>
        <translation>%1 からの測定値に受信エラーの文字が含まれていたため破棄しました。回線設定とケーブルを確認してください。</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>ポート %1 (%2)</translation>
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
        <translation>÷%1 プリスケーラ</translation>
    </message>
    <message>
        <source>%1 × reading</source>
        <translation>%1 × 測定値</translation>
    </message>
    <message>
        <source>%1 × reading %2 %3</source>
        <translation>%1 × 測定値 %2 %3</translation>
    </message>
</context>
<context>
    <name>CsvRecorder</name>
    <message>
        <source>could not be opened</source>
        <translation>を開けませんでした</translation>
    </message>
    <message>
        <source>could not be cut back to its last whole line</source>
        <translation>を最後の完全な行まで切り詰められませんでした</translation>
    </message>
    <message>
        <source>could not be written</source>
        <translation>に書き込めませんでした</translation>
    </message>
    <message>
        <source>The recording file %1 %2: %3.</source>
        <translation>記録ファイル %1 %2: %3。</translation>
    </message>
    <message>
        <source> The readings recorded before stay in it.</source>
        <translation> それまでに記録した測定値はファイルに残っています。</translation>
    </message>
</context>
<context>
    <name>Drift</name>
    <message>
        <source>the worst of white, flicker and random walk FM</source>
        <translation>白色・フリッカ・ランダムウォーク周波数雑音のうち最悪のもの</translation>
    </message>
    <message>
        <source>least squares; uncertainty for %1 from the Hadamard variance at %2 τ0</source>
        <translation>最小二乗法。%1 を仮定した不確かさは、%2 τ0 でのアダマール分散から算出</translation>
    </message>
</context>
<context>
    <name>FigureTexts</name>
    <message>
        <source>%1 (%2 to %3, %4) at %5</source>
        <translation>τ = %5: %1 (%2～%3、%4)</translation>
    </message>
    <message>
        <source>working out…</source>
        <translation>計算中…</translation>
    </message>
    <message>
        <source>not fitted</source>
        <translation>当てはめなし</translation>
    </message>
    <message>
        <source>needs a day of readings</source>
        <translation>1 日分の測定値が必要です</translation>
    </message>
    <message>
        <source>%1 a day</source>
        <translation>%1/日</translation>
    </message>
    <message>
        <source>none: the readings are not log-shaped</source>
        <translation>なし: 測定値が対数型ではありません</translation>
    </message>
    <message>
        <source>Of the straight line through the readings, with its 68 % standard uncertainty for %1: %2</source>
        <translation>測定値を通る直線の傾き (%1 を仮定した 68 % 標準不確かさ付き): %2</translation>
    </message>
    <message>
        <source> (%1 of them numbers)</source>
        <translation> (うち数値 %1)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1 (%2 parts in 10¹²) from the reference, the phase&apos;s slope</source>
        <translation>基準信号に対して %1 (10¹² 分の %2)、位相の傾きから算出</translation>
    </message>
    <message>
        <source>no nominal set</source>
        <translation>基準周波数が未設定</translation>
    </message>
    <message>
        <source>%1 (mean against %2)</source>
        <translation>%1 (平均値と %2 の差)</translation>
    </message>
    <message>
        <source>none: the readings are time intervals</source>
        <translation>なし: 測定値が時間間隔です</translation>
    </message>
    <message>
        <source>%1 Hz a day</source>
        <translation>%1 Hz/日</translation>
    </message>
    <message>
        <source>The fit f(t) = a ln(b t + 1) + c, t in days from the first reading: a = %1, b = %2 a day; the readings lie %3 (rms) from it</source>
        <translation>当てはめ式 f(t) = a ln(b t + 1) + c (t は最初の測定値からの日数): a = %1、b = %2/日。測定値の当てはめ式からのずれは %3 (rms)</translation>
    </message>
    <message>
        <source>with the linear drift removed</source>
        <translation>直線ドリフトを除去</translation>
    </message>
    <message>
        <source>of the readings as read</source>
        <translation>測定値そのまま</translation>
    </message>
    <message>
        <source>not enough readings</source>
        <translation>測定値が足りません</translation>
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
        <translation>%1～%2 (%3)</translation>
    </message>
    <message>
        <source>, τ₀ = %1</source>
        <translation>、τ₀ = %1</translation>
    </message>
    <message>
        <source>%1, each with its 68.3 % confidence bounds, of the readings with the linear drift removed</source>
        <translation>%1 (それぞれ 68.3 % 信頼限界付き、直線ドリフトを除去した測定値)</translation>
    </message>
    <message>
        <source>%1, each with its 68.3 % confidence bounds</source>
        <translation>%1 (それぞれ 68.3 % 信頼限界付き)</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation>%1、%2～%3</translation>
    </message>
    <message>
        <source>%1 compared</source>
        <translation>%1 の比較</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Figures of</source>
        <translation>対象</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>測定値の数</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>測定間隔</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>欠測</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均値</translation>
    </message>
    <message>
        <source>Offset from nominal</source>
        <translation>基準周波数からのオフセット</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小値</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大値</translation>
    </message>
    <message>
        <source>Peak to peak</source>
        <translation>ピークツーピーク</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>標準偏差</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>ドリフト</translation>
    </message>
    <message>
        <source>Drift in hertz</source>
        <translation>ドリフト (Hz)</translation>
    </message>
    <message>
        <source>Ageing at the end</source>
        <translation>最終時点のエージング</translation>
    </message>
    <message>
        <source>Deviations</source>
        <translation>偏差</translation>
    </message>
    <message>
        <source>Allan deviation</source>
        <translation>アラン偏差</translation>
    </message>
    <message>
        <source>Overlapping Allan deviation</source>
        <translation>重複アラン偏差</translation>
    </message>
    <message>
        <source>Modified Allan deviation</source>
        <translation>修正アラン偏差</translation>
    </message>
    <message>
        <source>Overlapping Hadamard deviation</source>
        <translation>重複アダマール偏差</translation>
    </message>
    <message>
        <source>Time deviation</source>
        <translation>時間偏差</translation>
    </message>
    <message>
        <source>Total deviation</source>
        <translation>トータル偏差</translation>
    </message>
    <message>
        <source>Modified total deviation</source>
        <translation>修正トータル偏差</translation>
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
        <translation>偶数パリティ</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>奇数パリティ</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>パリティなし</translation>
    </message>
    <message>
        <source>%1 baud, %2 data bits, %3, %4</source>
        <translation>%1 ボー、データビット %2、%3、%4</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>ストップビット 2</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>ストップビット 1</translation>
    </message>
    <message>
        <source>, RTS/CTS flow control</source>
        <translation>、RTS/CTS フロー制御</translation>
    </message>
    <message>
        <source>, XON/XOFF flow control</source>
        <translation>、XON/XOFF フロー制御</translation>
    </message>
</context>
<context>
    <name>LoggerRecording</name>
    <message>
        <source>the disk is full: readings are counted and not recorded until there is room (%1)</source>
        <translation>ディスクがいっぱいです。空きができるまで、測定値は数えるだけで記録しません (%1)</translation>
    </message>
    <message>
        <source>writing again: 1 reading was not recorded</source>
        <translation>書き込みを再開しました。1 件の測定値が記録されませんでした</translation>
    </message>
    <message>
        <source>writing again: %1 readings were not recorded</source>
        <translation>書き込みを再開しました。%1 件の測定値が記録されませんでした</translation>
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
        <translation>%1 からのオフセット: %2</translation>
    </message>
    <message>
        <source>   outside %1</source>
        <translation>   %1 の範囲外</translation>
    </message>
    <message>
        <source>, outside %1</source>
        <translation>、%1 の範囲外</translation>
    </message>
    <message>
        <source>, within %1</source>
        <translation>、%1 の範囲内</translation>
    </message>
</context>
<context>
    <name>PlotPicture</name>
    <message>
        <source>a picture is saved as .png or .svg</source>
        <translation>画像は .png または .svg で保存します</translation>
    </message>
    <message>
        <source>this build saves no SVG pictures; save as .png</source>
        <translation>このビルドは SVG 画像を保存できません。.png で保存してください</translation>
    </message>
</context>
<context>
    <name>PortDevices</name>
    <message>
        <source> Line Settings… kept %1 for Com%2: %3 or %4 names another device for a run, and %5 forgets it.</source>
        <translation> 回線設定… で Com%2 用に %1 が保存されています。一度だけ別のデバイスを使うには %3 または %4 を、保存した値を消去するには %5 を使います。</translation>
    </message>
</context>
<context>
    <name>Reconnection</name>
    <message>
        <source>%1 Waiting for it to come back.</source>
        <translation>%1 復帰を待っています。</translation>
    </message>
    <message>
        <source>%1 Waiting for it.</source>
        <translation>%1 接続を待っています。</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back after %3 s.</source>
        <translation>ポート %1 (%2) が %3 s 後に復帰しました。</translation>
    </message>
    <message>
        <source>Port %1 (%2) is open after %3 s.</source>
        <translation>ポート %1 (%2) を %3 s 後に開きました。</translation>
    </message>
    <message>
        <source>Waiting for %1 to come back. %2</source>
        <translation>%1 の復帰を待っています。%2</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>ポート %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecordingFigures</name>
    <message>
        <source>1 row could not be read, at line %1; it is left out</source>
        <translation>%1 行目の 1 行を読み取れなかったため、除外しました</translation>
    </message>
    <message>
        <source>%1 rows could not be read, the first at line %2; they are left out</source>
        <translation>%1 行を読み取れなかったため、除外しました (最初は %2 行目)</translation>
    </message>
    <message>
        <source>no stability figures: %1</source>
        <translation>安定度指標なし: %1</translation>
    </message>
    <message>
        <source>warning: the recordings span %1 s, %2 s and %3 s, more than a tenth apart; the three-cornered hat wants the three pairs measured over the same span</source>
        <translation>警告: 記録の期間が %1 s、%2 s、%3 s で、1 割以上異なります。スリーコーナードハットでは、3 つのペアを同じ期間に測定する必要があります</translation>
    </message>
</context>
<context>
    <name>RecordingFile</name>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>it shrank</source>
        <translation>ファイルが小さくなりました</translation>
    </message>
    <message>
        <source>it was replaced or removed</source>
        <translation>ファイルが置き換えられたか、削除されました</translation>
    </message>
    <message>
        <source>it holds no readings</source>
        <translation>測定値が含まれていません</translation>
    </message>
</context>
<context>
    <name>ServeAddress</name>
    <message>
        <source>%1 names no port from 1 to 65535; give [ADDRESS:]PORT, such as 5025 or 0.0.0.0:5025</source>
        <translation>%1 は 1～65535 のポートではありません。[ADDRESS:]PORT の形で指定してください (例: 5025、0.0.0.0:5025)</translation>
    </message>
    <message>
        <source>%1: an IPv6 address goes in brackets, such as [::]:5025</source>
        <translation>%1: IPv6 アドレスは [::]:5025 のように角かっこで囲んでください</translation>
    </message>
    <message>
        <source>%1 names no address before its port</source>
        <translation>%1 にはポートの前にアドレスがありません</translation>
    </message>
    <message>
        <source>%1 is no IP address; give one of this machine&apos;s, such as 0.0.0.0 (every interface) or 192.168.1.7, or the port alone (this machine only)</source>
        <translation>%1 は IP アドレスではありません。0.0.0.0 (すべてのインターフェイス) や 192.168.1.7 のようなこのマシンのアドレスか、ポートのみ (このマシン内だけ) を指定してください</translation>
    </message>
</context>
<context>
    <name>StabilityConfidence</name>
    <message>
        <source>not identified</source>
        <translation>特定できず</translation>
    </message>
    <message>
        <source>white PM</source>
        <translation>白色位相雑音</translation>
    </message>
    <message>
        <source>flicker PM</source>
        <translation>フリッカ位相雑音</translation>
    </message>
    <message>
        <source>white FM</source>
        <translation>白色周波数雑音</translation>
    </message>
    <message>
        <source>flicker FM</source>
        <translation>フリッカ周波数雑音</translation>
    </message>
    <message>
        <source>random walk FM</source>
        <translation>ランダムウォーク周波数雑音</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>fewer than two readings are numbers</source>
        <translation>数値の測定値が 2 つ未満です</translation>
    </message>
    <message>
        <source>the readings have no interval: all their time stamps are the same</source>
        <translation>測定値に間隔がありません: タイムスタンプがすべて同じです</translation>
    </message>
    <message>
        <source>the readings&apos; mean is zero, and a fractional frequency needs one</source>
        <translation>測定値の平均がゼロです。相対周波数には 0 以外の平均が必要です</translation>
    </message>
    <message>
        <source>gaps leave no two readings one interval apart</source>
        <translation>欠測のため、1 間隔だけ離れた測定値の組がありません</translation>
    </message>
</context>
<context>
    <name>ThreeCorneredHat</name>
    <message>
        <source>%1 (%2 to %3)</source>
        <translation>%1 (%2～%3)</translation>
    </message>
    <message>
        <source>&lt; %1 (upper limit)</source>
        <translation>&lt; %1 (上限)</translation>
    </message>
    <message>
        <source>nothing can be told</source>
        <translation>判定できません</translation>
    </message>
</context>
<context>
    <name>freqcounter::CounterMathDialog</name>
    <message>
        <source>Counter Math</source>
        <translation>カウンター演算</translation>
    </message>
    <message>
        <source>LO − IF (oscillator above the signal)</source>
        <translation>LO − IF (局部発振器が信号より上)</translation>
    </message>
    <message>
        <source>LO + IF (oscillator below the signal)</source>
        <translation>LO + IF (局部発振器が信号より下)</translation>
    </message>
    <message>
        <source>IF − LO</source>
        <translation>IF − LO</translation>
    </message>
    <message>
        <source>÷N prescaler before the counter</source>
        <translation>カウンター前段の ÷N プリスケーラ</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>such as 64, -1 or 0.5</source>
        <translation>例: 64、-1、0.5</translation>
    </message>
    <message>
        <source>such as -10.7 MHz or +455 kHz</source>
        <translation>例: -10.7 MHz、+455 kHz</translation>
    </message>
    <message>
        <source>The frequency shown is the factor times the counter&apos;s reading, plus the offset.</source>
        <translation>表示される周波数は、カウンターの測定値に係数を掛け、オフセットを加えた値です。</translation>
    </message>
    <message>
        <source>Common &amp;case:</source>
        <translation>代表的な構成(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Factor:</source>
        <translation>係数(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Offset:</source>
        <translation>オフセット(&amp;O):</translation>
    </message>
    <message>
        <source>The factor must be a number other than 0, such as 64, -1 or 0.5.</source>
        <translation>係数には 64、-1、0.5 のような 0 以外の数値を指定してください。</translation>
    </message>
    <message>
        <source>The offset must be a frequency with its unit, such as -10.7 MHz, +455 kHz or 0 Hz.</source>
        <translation>オフセットには -10.7 MHz、+455 kHz、0 Hz のような単位付きの周波数を指定してください。</translation>
    </message>
    <message>
        <source>No reading yet to try it on.</source>
        <translation>試すための測定値がまだありません。</translation>
    </message>
    <message>
        <source>The newest reading, %1, is no number: it shows as it came.</source>
        <translation>最新の測定値 %1 は数値ではないため、受信したまま表示されます。</translation>
    </message>
    <message>
        <source>The newest reading, %1 MHz, shows as %2 MHz.</source>
        <translation>最新の測定値 %1 MHz は %2 MHz と表示されます。</translation>
    </message>
</context>
<context>
    <name>freqcounter::HistoryChart</name>
    <message>
        <source>Chart of the readings over time</source>
        <translation>測定値の時間変化のグラフ</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>測定値はまだありません</translation>
    </message>
    <message>
        <source>No reading in this span is a number</source>
        <translation>この期間に数値の測定値がありません</translation>
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
        <translation>記録を開けませんでした。</translation>
    </message>
    <message>
        <source> — History</source>
        <translation> — 履歴</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 分</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 分</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 時間</translation>
    </message>
    <message>
        <source>Everything since start</source>
        <translation>起動以降すべて</translation>
    </message>
    <message>
        <source>Take the drift out of the readings before every deviation</source>
        <translation>各偏差を求める前に、測定値からドリフトを除去します</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Fit A&amp;geing</source>
        <translation>エージングの当てはめ(&amp;G)</translation>
    </message>
    <message>
        <source>Fit the logarithmic model of ageing to a day or more of readings</source>
        <translation>1 日以上の測定値に、エージングの対数モデルを当てはめます</translation>
    </message>
    <message>
        <source>Everything recorded</source>
        <translation>記録全体</translation>
    </message>
    <message>
        <source>Reading the recording…</source>
        <translation>記録を読み込んでいます…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2。</translation>
    </message>
    <message>
        <source>1 row could not be read, at line %1</source>
        <translation>%1 行目の 1 行を読み取れませんでした</translation>
    </message>
    <message>
        <source>%1 rows could not be read, the first at line %2</source>
        <translation>%1 行を読み取れませんでした (最初は %2 行目)</translation>
    </message>
    <message>
        <source>no longer followed: %1</source>
        <translation>追跡を停止: %1</translation>
    </message>
    <message>
        <source>the newest %1 of %2 readings</source>
        <translation>%2 件の測定値のうち最新の %1 件</translation>
    </message>
    <message>
        <source>; all are in the recording</source>
        <translation>（すべて記録ファイルにあります）</translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation>期間(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Remove drift:</source>
        <translation>ドリフト除去(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>記録を開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Look at a recording again, in a window of its own (Ctrl+O)</source>
        <translation>記録を専用のウィンドウで見直します (Ctrl+O)</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>他の記録と比較(&amp;M)…</translation>
    </message>
    <message>
        <source>Lay another recording&apos;s sigma-tau curves on this plot</source>
        <translation>別の記録の sigma-tau 曲線をこのプロットに重ねます</translation>
    </message>
    <message>
        <source>Save Stability &amp;Table…</source>
        <translation>安定度表を保存(&amp;T)…</translation>
    </message>
    <message>
        <source>Save this instrument&apos;s stability figures as CSV</source>
        <translation>この機器の安定度指標を CSV で保存します</translation>
    </message>
    <message>
        <source>S&amp;ave for Analysis…</source>
        <translation>解析用に保存(&amp;A)…</translation>
    </message>
    <message>
        <source>Save this instrument&apos;s readings of the span, one frequency in Hz a line (Ctrl+S)</source>
        <translation>この機器のこの期間の測定値を、1 行に 1 つずつ Hz 単位の周波数で保存します (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save &amp;Plot…</source>
        <translation>プロットを保存(&amp;P)…</translation>
    </message>
    <message>
        <source>Save the sigma-tau plot or the chart as a PNG or SVG picture</source>
        <translation>sigma-tau プロットまたはグラフを、PNG または SVG 画像として保存します</translation>
    </message>
    <message>
        <source>Three-Cornered &amp;Hat…</source>
        <translation>スリーコーナードハット(&amp;H)…</translation>
    </message>
    <message>
        <source>Each of three oscillators&apos; own deviation, from recordings of their three pairs</source>
        <translation>3 つのペアの記録から、3 つの発振器それぞれの偏差を求めます</translation>
    </message>
    <message>
        <source>there are no readings to plot</source>
        <translation>プロットする測定値がありません</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>%1 と比較</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>プロットを保存</translation>
    </message>
    <message>
        <source>Sigma-tau plot</source>
        <translation>sigma-tau プロット</translation>
    </message>
    <message>
        <source>Chart of the readings</source>
        <translation>測定値のグラフ</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Plot:</source>
        <translation>プロット(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>幅(&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>高さ(&amp;H):</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG 画像 (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>The plot could not be saved.</source>
        <translation>プロットを保存できませんでした。</translation>
    </message>
    <message>
        <source>Save for Analysis</source>
        <translation>解析用に保存</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>テキストファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The readings could not be saved.</source>
        <translation>測定値を保存できませんでした。</translation>
    </message>
    <message>
        <source>Save Stability Table</source>
        <translation>安定度表を保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The stability table could not be saved.</source>
        <translation>安定度表を保存できませんでした。</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>記録を開く</translation>
    </message>
    <message>
        <source>Recordings (*.csv *.txt);;All files (*)</source>
        <translation>記録ファイル (*.csv *.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>他の記録と比較</translation>
    </message>
    <message>
        <source>The recording could not be compared.</source>
        <translation>記録を比較できませんでした。</translation>
    </message>
    <message>
        <source>no readings yet</source>
        <translation>測定値はまだありません</translation>
    </message>
    <message>
        <source>%1, since %2</source>
        <translation>%1、%2 以降</translation>
    </message>
    <message>
        <source>%1; counter math %2</source>
        <translation>%1、カウンター演算: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a figure&apos;s name before its value</comment>
        <translation>%1：</translation>
    </message>
</context>
<context>
    <name>freqcounter::LargeDisplay</name>
    <message>
        <source>counter silent</source>
        <translation>カウンター無応答</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>記録中</translation>
    </message>
</context>
<context>
    <name>freqcounter::LineSettingsDialog</name>
    <message>
        <source>Line Settings: %1</source>
        <translation>回線設定: %1</translation>
    </message>
    <message>
        <source>the port found, or tcp://HOST:PORT</source>
        <translation>見つかったポート、または tcp://HOST:PORT</translation>
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
        <translation>偶数</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇数</translation>
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
        <translation>なし、または *RST;:CONF:FREQ など</translation>
    </message>
    <message>
        <source>none: the counter talks by itself; or such as READ?</source>
        <translation>なし (カウンターが自分から送信)、または READ? など</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>%1 (time interval)</source>
        <translation>%1 (時間間隔)</translation>
    </message>
    <message>
        <source>De&amp;vice or address:</source>
        <translation>デバイスまたはアドレス(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation>ボーレート(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Data bits:</source>
        <translation>データビット(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Parity:</source>
        <translation>パリティ(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Stop bits:</source>
        <translation>ストップビット(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Flow control:</source>
        <translation>フロー制御(&amp;F):</translation>
    </message>
    <message>
        <source>S&amp;etup, sent at opening:</source>
        <translation>初期設定 (開くときに送信)(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Query, sent at each poll:</source>
        <translation>クエリ (ポーリングごとに送信)(&amp;Q):</translation>
    </message>
    <message>
        <source>&amp;Answer within:</source>
        <translation>応答の待ち時間(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Unit of the readings:</source>
        <translation>測定値の単位(&amp;U):</translation>
    </message>
    <message>
        <source>A counter on the network is named tcp://HOST:PORT, such as tcp://192.168.1.20:5025.</source>
        <translation>ネットワーク上のカウンターは、tcp://HOST:PORT の形で指定します (例: tcp://192.168.1.20:5025)。</translation>
    </message>
    <message>
        <source>The baud rate must be a whole number from %1 to %2.</source>
        <translation>ボーレートには %1～%2 の整数を指定してください。</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>freqcounter::Logger</name>
    <message>
        <source>Recording to %1.</source>
        <translation>%1 に記録しています。</translation>
    </message>
    <message>
        <source>Serving the readings on tcp://%1, to %2 clients at most.</source>
        <translation>tcp://%1 で測定値を配信しています (最大 %2 クライアント)。</translation>
    </message>
    <message>
        <source>Port %1 (%2) is open.</source>
        <translation>ポート %1 (%2) を開きました。</translation>
    </message>
    <message>
        <source>The counter on port %1 does not answer.</source>
        <translation>ポート %1 のカウンターが応答しません。</translation>
    </message>
    <message>
        <source>The counter on port %1 answers again.</source>
        <translation>ポート %1 のカウンターが再び応答しています。</translation>
    </message>
</context>
<context>
    <name>freqcounter::NetworkLink</name>
    <message>
        <source>Network %1 did not answer within %2 s. Check that the counter is on the network and its address is right, or %3.</source>
        <translation>ネットワーク %1 が %2 s 以内に応答しませんでした。カウンターがネットワークにつながっていてアドレスが正しいことを確認するか、%3。</translation>
    </message>
    <message>
        <source>Network %1: %2 is no network address; give tcp://HOST:PORT, such as tcp://192.168.1.20:5025, or %3.</source>
        <translation>ネットワーク %1: %2 はネットワークアドレスではありません。tcp://HOST:PORT の形 (例: tcp://192.168.1.20:5025) で指定するか、%3。</translation>
    </message>
    <message>
        <source>Network %1 was lost while open: it has taken nothing sent for %2 s.</source>
        <translation>ネットワーク %1 が接続中に切断されました: %2 s のあいだ送信データを受け付けていません。</translation>
    </message>
    <message>
        <source>Network %1: the host %2 was not found. Check the address, or %3.</source>
        <translation>ネットワーク %1: ホスト %2 が見つかりませんでした。アドレスを確認するか、%3。</translation>
    </message>
    <message>
        <source>Network %1 refused the connection: nothing listens on port %2 of %3. Check the address and that the counter (or its adapter) takes connections, or %4.</source>
        <translation>ネットワーク %1 が接続を拒否しました: %3 のポート %2 で待ち受けているものがありません。アドレスと、カウンター (またはそのアダプター) が接続を受け付けることを確認するか、%4。</translation>
    </message>
    <message>
        <source>Network %1 could not be reached: %2. Check the address, or %3.</source>
        <translation>ネットワーク %1 に到達できませんでした: %2。アドレスを確認するか、%3。</translation>
    </message>
    <message>
        <source>Network %1 was lost while open: %2. Reconnect the counter, then start the program again.</source>
        <translation>ネットワーク %1 が接続中に切断されました: %2。カウンターを接続し直してから、プログラムを再起動してください。</translation>
    </message>
</context>
<context>
    <name>freqcounter::NominalDialog</name>
    <message>
        <source>Compare with Nominal</source>
        <translation>基準周波数と比較</translation>
    </message>
    <message>
        <source>such as 10 MHz</source>
        <translation>例: 10 MHz</translation>
    </message>
    <message>
        <source>none, or such as 10 ppm, 50 ppb, 25 Hz</source>
        <translation>なし、または 10 ppm、50 ppb、25 Hz など</translation>
    </message>
    <message>
        <source>&amp;Nominal frequency:</source>
        <translation>基準周波数(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Tolerance (±):</source>
        <translation>許容差 (±)(&amp;T):</translation>
    </message>
    <message>
        <source>The nominal frequency must be a frequency above 0, such as 10 MHz, 10000000 Hz or 10 (MHz).</source>
        <translation>基準周波数には 10 MHz、10000000 Hz、10 (MHz) のような 0 より大きい周波数を指定してください。</translation>
    </message>
    <message>
        <source>The tolerance must be above 0 in ppm, ppb or Hz, such as 10 ppm.</source>
        <translation>許容差には 10 ppm のように、ppm、ppb、Hz 単位で 0 より大きい値を指定してください。</translation>
    </message>
</context>
<context>
    <name>freqcounter::ReadingActions</name>
    <message>
        <source>&amp;Copy reading</source>
        <translation>測定値をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>履歴(&amp;H)…</translation>
    </message>
    <message>
        <source>&amp;Large Display</source>
        <translation>大型表示(&amp;D)</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>常に手前に表示(&amp;T)</translation>
    </message>
    <message>
        <source>Compare with &amp;Nominal…</source>
        <translation>基準周波数と比較(&amp;N)…</translation>
    </message>
    <message>
        <source>Nominal &amp;from This Reading</source>
        <translation>この測定値を基準周波数に(&amp;F)</translation>
    </message>
    <message>
        <source>C&amp;lear Nominal</source>
        <translation>基準周波数を解除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Sound When Outside</source>
        <translation>範囲外で音を鳴らす(&amp;S)</translation>
    </message>
    <message>
        <source>Counter &amp;Math…</source>
        <translation>カウンター演算(&amp;M)…</translation>
    </message>
    <message>
        <source>Cl&amp;ear Counter Math</source>
        <translation>カウンター演算を解除(&amp;E)</translation>
    </message>
    <message>
        <source>L&amp;ine Settings…</source>
        <translation>回線設定(&amp;I)…</translation>
    </message>
    <message>
        <source>Reconnect &amp;When Lost</source>
        <translation>切断時に再接続(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;About freqcounter</source>
        <translation>freqcounter について(&amp;A)</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Qt について(&amp;Q)</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>記録を停止しました。</translation>
    </message>
    <message>
        <source>Record to File</source>
        <translation>ファイルに記録</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;freqcounter %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Shows the live reading of a frequency counter on a serial port, big and readable, with its history, its stability figures and its offset from a nominal frequency.&lt;/p&gt;&lt;p&gt;Copyright 2026 freqcounter developers.&lt;br&gt;Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3, under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;freqcounter %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;シリアルポートにつないだ周波数カウンターの現在の測定値を、大きく見やすく表示します。履歴、安定度指標、基準周波数からのオフセットも表示できます。&lt;/p&gt;&lt;p&gt;Copyright 2026 freqcounter developers.&lt;br&gt;フリーソフトウェアです。GNU 一般公衆利用許諾書 (GNU General Public License) バージョン 3、または (任意で) それ以降のバージョン (GPL-3.0-or-later) の下で配布されます。無保証です。&lt;/p&gt;&lt;p&gt;Qt %2 でビルドされ、Qt %3 で動作しています。Qt は GNU 劣等一般公衆利用許諾書 (GNU Lesser General Public License) バージョン 3 の下で提供されています。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About freqcounter</source>
        <translation>freqcounter について</translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation>記録を停止(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Record to File…</source>
        <translation>ファイルに記録(&amp;R)…</translation>
    </message>
    <message>
        <source> — recording</source>
        <translation> — 記録中</translation>
    </message>
    <message>
        <source>The counter is silent: no answer to the last %1 queries.</source>
        <translation>カウンターが応答しません: 直近 %1 回のクエリに応答がありません。</translation>
    </message>
    <message>
        <source>The counter reads %1 MHz; shown is %2.</source>
        <translation>カウンターの測定値は %1 MHz、表示は %2 です。</translation>
    </message>
</context>
<context>
    <name>freqcounter::ReadingServer</name>
    <message>
        <source>the port is in use (another program, or another logger, listens there)</source>
        <translation>ポートが使用中です (別のプログラムか別のロガーが待ち受けています)</translation>
    </message>
    <message>
        <source>the address is none of this machine&apos;s</source>
        <translation>このマシンのアドレスではありません</translation>
    </message>
    <message>
        <source>permission denied (a port below 1024 needs privileges)</source>
        <translation>権限がありません (1024 未満のポートには特権が必要です)</translation>
    </message>
    <message>
        <source>Cannot serve the readings on %1: %2.</source>
        <translation>%1 で測定値を配信できません: %2。</translation>
    </message>
    <message>
        <source>refused client %1: %2 clients are connected, the most served at once</source>
        <translation>クライアント %1 を拒否しました: 同時接続の上限の %2 クライアントが接続中です</translation>
    </message>
    <message>
        <source>client %1 connected (%2 of at most %3)</source>
        <translation>クライアント %1 が接続しました (接続中 %2/最大 %3)</translation>
    </message>
    <message>
        <source>dropped client %1: it did not read its readings</source>
        <translation>クライアント %1 を切断しました: 測定値を読み取っていませんでした</translation>
    </message>
    <message>
        <source>client %1 left (%2 of at most %3 still connected)</source>
        <translation>クライアント %1 が切断しました (接続中 %2/最大 %3)</translation>
    </message>
</context>
<context>
    <name>freqcounter::Runtime</name>
    <message>
        <source>Error %1: %2</source>
        <translation>エラー %1: %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>メモリが不足しています。</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <translation>内部エラー: %1</translation>
    </message>
</context>
<context>
    <name>freqcounter::SerialLine</name>
    <message>
        <source>Invalid port number %1: choose a port from %2 to %3.</source>
        <translation>無効なポート番号 %1 です: %2～%3 のポートを選んでください。</translation>
    </message>
    <message>
        <source>Cannot choose port %1 while serial %2 is open; close it first.</source>
        <translation>シリアル %2 が開いている間は、ポート %1 を選べません。先に閉じてください。</translation>
    </message>
    <message>
        <source>Serial %1 is already open.</source>
        <translation>シリアル %1 はすでに開いています。</translation>
    </message>
    <message>
        <source>No serial port was found for port %1. Plug in the counter&apos;s USB serial adapter, or %2.</source>
        <translation>ポート %1 のシリアルポートが見つかりませんでした。カウンターの USB シリアルアダプターを接続するか、%2。</translation>
    </message>
    <message>
        <source>Serial %1 is not open.</source>
        <translation>シリアル %1 は開いていません。</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>ポート %1</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>ポート %1 (%2)</translation>
    </message>
    <message>
        <source>name its port (Device Manager lists them under Ports (COM &amp; LPT)) with %1 or %2</source>
        <translation>%1 または %2 でポートを指定してください (デバイス マネージャーの [ポート (COM &amp; LPT)] に一覧があります)</translation>
    </message>
    <message>
        <source>name the device with %1 or %2</source>
        <translation>%1 または %2 でデバイスを指定してください</translation>
    </message>
</context>
<context>
    <name>freqcounter::SerialPortLink</name>
    <message>
        <source>Serial %1 was lost while open: the device hung up or was unplugged. Reconnect it, then start the program again.</source>
        <translation>シリアル %1 が接続中に切断されました: デバイスが回線を切ったか、取り外されました。接続し直してから、プログラムを再起動してください。</translation>
    </message>
    <message>
        <source>Serial %1 does not exist. Connect the counter, or %2.</source>
        <translation>シリアル %1 が存在しません。カウンターを接続するか、%2。</translation>
    </message>
    <message>
        <source>Serial %1 has no serial hardware behind it. Connect the counter, or %2.</source>
        <translation>シリアル %1 の先にシリアルハードウェアがありません。カウンターを接続するか、%2。</translation>
    </message>
    <message>
        <source>Permission denied on serial %1. Add your user to the group %2 that owns serial devices (sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>シリアル %1 へのアクセス権限がありません。シリアルデバイスを所有するグループ %2 にユーザーを追加し (sudo usermod -aG %2 $USER)、いったんログアウトしてからログインし直してください。</translation>
    </message>
    <message>
        <source>Serial %1 is in use by another program. Close that program, then start again.</source>
        <translation>シリアル %1 は別のプログラムが使用中です。そのプログラムを閉じてから、もう一度起動してください。</translation>
    </message>
    <message>
        <source>Serial %1 could not be set up as a serial line at %2 (%3): %4.</source>
        <translation>シリアル %1 を %2 (%3) のシリアル回線として設定できませんでした: %4。</translation>
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
        <translation>コンテキストメニューで選んだ安定度指標の sigma-tau プロット</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 の %1</translation>
    </message>
    <message>
        <source>No estimator is chosen: right-click to choose</source>
        <translation>推定量が選ばれていません: 右クリックして選んでください</translation>
    </message>
    <message>
        <source>Not enough readings for a sigma-tau plot</source>
        <translation>sigma-tau プロットに必要な測定値が足りません</translation>
    </message>
    <message>
        <source>σ(τ)</source>
        <translation>σ(τ)</translation>
    </message>
    <message>
        <source>τ in seconds</source>
        <translation>τ (s)</translation>
    </message>
    <message>
        <source>linear drift removed</source>
        <translation>直線ドリフト除去済み</translation>
    </message>
</context>
<context>
    <name>freqcounter::ThreeCorneredHatDialog</name>
    <message>
        <source>Three-Cornered Hat</source>
        <translation>スリーコーナードハット</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Choose the recording of %1</source>
        <translation>%1 の記録を選択</translation>
    </message>
    <message>
        <source>Overlapping Allan deviation</source>
        <translation>重複アラン偏差</translation>
    </message>
    <message>
        <source>Modified Allan deviation</source>
        <translation>修正アラン偏差</translation>
    </message>
    <message>
        <source>Time deviation (s)</source>
        <translation>時間偏差 (s)</translation>
    </message>
    <message>
        <source>&amp;Deviation:</source>
        <translation>偏差(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Work Out</source>
        <translation>計算(&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Reading the recordings…</source>
        <translation>記録を読み込んでいます…</translation>
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
        <translation>ペアの記録</translation>
    </message>
    <message>
        <source>Recordings (*.csv *.txt);;All files (*)</source>
        <translation>記録ファイル (*.csv *.txt);;すべてのファイル (*)</translation>
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
