<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>app::EditorNames</name>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Communication Note</source>
        <translation>Kommunikationsnotiz</translation>
    </message>
    <message>
        <source>Emergency Infomation</source>
        <translation>Notruf-Informationen</translation>
    </message>
    <message>
        <source>Emergency Information</source>
        <translation>Notruf-Informationen</translation>
    </message>
    <message>
        <source>Function Setup</source>
        <translation>Funktionseinstellungen</translation>
    </message>
    <message>
        <source>Key Setting</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Scan Information</source>
        <translation>Suchlauf-Informationen</translation>
    </message>
    <message>
        <source>Dtmf</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>5Tone</source>
        <translation>Fünfton</translation>
    </message>
    <message>
        <source>2Tone</source>
        <translation>Zweiton</translation>
    </message>
    <message>
        <source>Radio image</source>
        <translation>Funkgerätespeicher</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
</context>
<context>
    <name>app::apply</name>
    <message>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>doppelt angegeben</translation>
    </message>
    <message>
        <source> (write &quot;%1&quot; or &quot;%2&quot;)</source>
        <translation> (schreiben Sie „%1“ oder „%2“)</translation>
    </message>
    <message>
        <source> (write %1)</source>
        <translation> (schreiben Sie %1)</translation>
    </message>
    <message>
        <source>%1, not a text%2</source>
        <translation>%1, kein Text%2</translation>
    </message>
    <message>
        <source>%1, not a list</source>
        <translation>%1, keine Liste</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>unbekannter Schlüssel</translation>
    </message>
    <message>
        <source>%1, not an object</source>
        <translation>%1, kein Objekt</translation>
    </message>
    <message>
        <source>missing: every entry names its %1</source>
        <translation>fehlt: jeder Eintrag nennt sein Feld %1</translation>
    </message>
    <message>
        <source>no such entry (%1)</source>
        <translation>kein solcher Eintrag (%1)</translation>
    </message>
    <message>
        <source>listed twice (also %1[%2])</source>
        <translation>doppelt aufgeführt (auch %1[%2])</translation>
    </message>
    <message>
        <source>the list offers nothing here</source>
        <translation>die Liste bietet hier nichts an</translation>
    </message>
    <message>
        <source>not one of: %1</source>
        <translation>keiner dieser Werte: %1</translation>
    </message>
    <message>
        <source>no entry chosen (a byte past the list)</source>
        <translation>kein Eintrag gewählt (ein Byte hinter der Liste)</translation>
    </message>
    <message>
        <source>%1: only a file holds it, and the editor takes it nowhere else</source>
        <translation>%1: nur eine Datei kann das enthalten, und der Editor stellt es nicht anders ein</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>typed, it becomes %1</source>
        <translation>eingegeben wird daraus %1</translation>
    </message>
</context>
<context>
    <name>app::backups</name>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>app::check</name>
    <message>
        <source>%1 lies outside the receive band %2 MHz</source>
        <translation>%1 liegt außerhalb des Empfangsbands %2 MHz</translation>
    </message>
    <message>
        <source>%1 lies outside the transmit band %2 MHz</source>
        <translation>%1 liegt außerhalb des Sendebands %2 MHz</translation>
    </message>
    <message>
        <source>the same on the air as CH %1 (%2, decode %3, encode %4)</source>
        <translation>im Funkbetrieb gleich wie Kanal %1 (%2, Decodierung %3, Codierung %4)</translation>
    </message>
    <message>
        <source>%1 entry %2</source>
        <translation>%1-Eintrag %2</translation>
    </message>
    <message>
        <source>names %1, which is not in use</source>
        <translation>nennt %1, der nicht belegt ist</translation>
    </message>
    <message>
        <source>names %1, which does not exist</source>
        <translation>nennt %1, den es nicht gibt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; sends %2, which is empty</source>
        <translation>„%1“ sendet %2, das leer ist</translation>
    </message>
    <message>
        <source>&quot;%1&quot; sends %2 and %3, which are empty</source>
        <translation>„%1“ sendet %2 und %3, die leer sind</translation>
    </message>
    <message>
        <source>%1 is called by this radio&apos;s own encode entry %2 (%3)</source>
        <translation>%1 wird vom eigenen Codiereintrag %2 dieses Funkgeräts gerufen (%3)</translation>
    </message>
    <message>
        <source>channel %1 is empty</source>
        <translation>Kanal %1 ist leer</translation>
    </message>
    <message>
        <source>%1 names no channel</source>
        <translation>%1 nennt keinen Kanal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; returns to channel %2, which is empty</source>
        <translation>„%1“ kehrt zu Kanal %2 zurück, der leer ist</translation>
    </message>
    <message>
        <source>%1 is also the self ID of %2</source>
        <translation>%1 ist auch die Eigenkennung von %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; differs from CH %2 in %3: %4</source>
        <translation>„%1“ unterscheidet sich von Kanal %2 in %3: %4</translation>
    </message>
    <message>
        <source>%1 %2 here, %3 there</source>
        <translation>%1 hier %2, dort %3</translation>
    </message>
</context>
<context>
    <name>app::json</name>
    <message>
        <source>text after the document</source>
        <translation>Text nach dem Dokument</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>expected &apos;%1&apos;</source>
        <translation>„%1“ erwartet</translation>
    </message>
    <message>
        <source>the document ends where a value should be</source>
        <translation>das Dokument endet, wo ein Wert stehen müsste</translation>
    </message>
    <message>
        <source>not a JSON value</source>
        <translation>kein JSON-Wert</translation>
    </message>
    <message>
        <source>nested too deeply</source>
        <translation>zu tief verschachtelt</translation>
    </message>
    <message>
        <source>expected a key in quotes</source>
        <translation>Schlüssel in Anführungszeichen erwartet</translation>
    </message>
    <message>
        <source>a \u escape needs four hexadecimal digits</source>
        <translation>eine \u-Escape-Sequenz braucht vier Hexadezimalziffern</translation>
    </message>
    <message>
        <source>a text in quotes does not end</source>
        <translation>ein Text in Anführungszeichen endet nicht</translation>
    </message>
    <message>
        <source>a control character inside quotes</source>
        <translation>ein Steuerzeichen innerhalb der Anführungszeichen</translation>
    </message>
    <message>
        <source>an unknown escape</source>
        <translation>eine unbekannte Escape-Sequenz</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>%1 bytes: larger than any configuration document (at most %2 MB)</source>
        <translation>%1 Byte: größer als jedes Konfigurationsdokument (höchstens %2 MB)</translation>
    </message>
    <message>
        <source>the text is not UTF-16, though it begins with its byte-order mark</source>
        <translation>der Text ist kein UTF-16, obwohl er mit dessen Byte-Order-Mark beginnt</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (nor UTF-16 with a byte-order mark)</source>
        <translation>der Text ist kein UTF-8 (und kein UTF-16 mit Byte-Order-Mark)</translation>
    </message>
</context>
<context>
    <name>app::report</name>
    <message>
        <source>(none in use)</source>
        <translation>(keine belegt)</translation>
    </message>
    <message>
        <source>(not in use)</source>
        <translation>(nicht belegt)</translation>
    </message>
    <message>
        <source>Unless listed</source>
        <translation>Sofern nicht aufgeführt</translation>
    </message>
</context>
<context>
    <name>channels::csv::texts</name>
    <message>
        <source>the file holds no header line</source>
        <translation>die Datei hat keine Kopfzeile</translation>
    </message>
    <message>
        <source>no Frequency column in the header line (columns must be separated by commas)</source>
        <translation>keine Spalte Frequency in der Kopfzeile (Spalten müssen durch Kommas getrennt sein)</translation>
    </message>
    <message>
        <source>the header has no Location column (import into empty channels instead)</source>
        <translation>die Kopfzeile hat keine Spalte Location (stattdessen in leere Kanäle importieren)</translation>
    </message>
    <message>
        <source>Location &quot;%1&quot; is not a channel from 0 to 199</source>
        <translation>Location „%1“ ist kein Kanal von 0 bis 199</translation>
    </message>
    <message>
        <source>Location %1 is already used by line %2</source>
        <translation>Location %1 ist schon von Zeile %2 belegt</translation>
    </message>
    <message>
        <source>no empty channel left</source>
        <translation>kein leerer Kanal mehr frei</translation>
    </message>
    <message>
        <source>no channel left below: the rows run past channel 199</source>
        <translation>kein Kanal mehr frei: die Zeilen reichen über Kanal 199 hinaus</translation>
    </message>
    <message>
        <source>no Frequency</source>
        <translation>keine Frequency</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>Offset &quot;%1&quot; is negative: Duplex gives the direction (+ or -), Offset the distance</source>
        <translation>Offset „%1“ ist negativ: Duplex gibt die Richtung an (+ oder -), Offset den Abstand</translation>
    </message>
    <message>
        <source>Frequency %1 MHz lies outside the receive band %2-%3 MHz</source>
        <translation>Frequenz %1 MHz liegt außerhalb des Empfangsbands %2-%3 MHz</translation>
    </message>
    <message>
        <source>TX frequency %1 MHz lies outside the transmit band %2-%3 MHz</source>
        <translation>Sendefrequenz %1 MHz liegt außerhalb des Sendebands %2-%3 MHz</translation>
    </message>
    <message>
        <source>Duplex &quot;%1&quot; is not blank, +, -, split or off</source>
        <translation>Duplex „%1“ ist weder leer noch +, -, split oder off</translation>
    </message>
    <message>
        <source>Mode &quot;%1&quot; is not one the radio has (FM, NFM)</source>
        <translation>Mode „%1“ kennt das Funkgerät nicht (FM, NFM)</translation>
    </message>
    <message>
        <source>Skip &quot;%1&quot; is not blank or S</source>
        <translation>Skip „%1“ ist weder leer noch S</translation>
    </message>
    <message>
        <source>Tone &quot;%1&quot; is not a tone mode the radio has</source>
        <translation>Tone „%1“ ist keine Tonart, die das Funkgerät kennt</translation>
    </message>
    <message>
        <source>CrossMode &quot;%1&quot; is not a cross mode the radio has</source>
        <translation>CrossMode „%1“ ist keine Kreuzbetriebsart, die das Funkgerät kennt</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a CTCSS tone of the radio</source>
        <translation>%1 „%2“ ist kein CTCSS-Ton des Funkgeräts</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a DCS code (three octal digits)</source>
        <translation>%1 „%2“ ist kein DCS-Code (drei Oktalziffern)</translation>
    </message>
    <message>
        <source>DtcsPolarity &quot;%1&quot; is not two of N and R</source>
        <translation>DtcsPolarity „%1“ besteht nicht aus zwei Zeichen N oder R</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not one of: %3</source>
        <translation>%1 „%2“ ist keiner dieser Werte: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not On or Off</source>
        <translation>%1 „%2“ ist weder On noch Off</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a DTMF code from M1 to M16</source>
        <translation>%1 „%2“ ist kein DTMF-Code von M1 bis M16</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a DTMF code (M1-M16) or a number from 0 to 255</source>
        <translation>%1 „%2“ ist weder ein DTMF-Code (M1-M16) noch eine Zahl von 0 bis 255</translation>
    </message>
    <message>
        <source>%1 %2 MHz rounded to %3 MHz</source>
        <translation>%1 %2 MHz auf %3 MHz gerundet</translation>
    </message>
    <message>
        <source>Name &quot;%1&quot; holds letters the radio cannot show: taken as &quot;%2&quot;</source>
        <translation>Name „%1“ enthält Zeichen, die das Funkgerät nicht anzeigen kann: übernommen als „%2“</translation>
    </message>
    <message>
        <source>Name &quot;%1&quot; cut to &quot;%2&quot; (7 characters)</source>
        <translation>Name „%1“ auf „%2“ gekürzt (7 Zeichen)</translation>
    </message>
    <message>
        <source>Power %1 is taken as %2 (nominal %3 W)</source>
        <translation>Leistung %1 wird als %2 übernommen (nominal %3 W)</translation>
    </message>
    <message>
        <source>Power &quot;%1&quot; is neither a watt figure nor High, Middle or Low: taken as High</source>
        <translation>Leistung „%1“ ist weder eine Wattangabe noch High, Middle oder Low: als High übernommen</translation>
    </message>
    <message>
        <source>TStep %1 is not a step the radio has: taken as %2, the nearest</source>
        <translation>TStep %1 ist keine Schrittweite des Funkgeräts: als %2 übernommen, die nächstgelegene</translation>
    </message>
    <message>
        <source>Skip &quot;%1&quot; (priority in other tools) is taken as not skipped</source>
        <translation>Skip „%1“ (Priorität in anderen Programmen) wird als „nicht übersprungen“ übernommen</translation>
    </message>
    <message>
        <source>TX frequency %1 MHz of a channel whose TX is off lies outside the transmit band: kept as %2 MHz</source>
        <translation>Sendefrequenz %1 MHz eines Kanals mit gesperrtem Senden liegt außerhalb des Sendebands: als %2 MHz behalten</translation>
    </message>
    <message>
        <source>line %1: refused: %2</source>
        <translation>Zeile %1: abgelehnt: %2</translation>
    </message>
    <message>
        <source>line %1: warning: %2</source>
        <translation>Zeile %1: Warnung: %2</translation>
    </message>
    <message>
        <source> (and %1 more %2)</source>
        <translation> (und %1 weitere %2)</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>line %1: a quote opened here does not close, so the rest of the file would be one field</source>
        <translation>Zeile %1: ein hier geöffnetes Anführungszeichen wird nicht geschlossen, so wäre der Rest der Datei ein einziges Feld</translation>
    </message>
    <message>
        <source>Name &quot;%1&quot; is taken in capitals: &quot;%2&quot;</source>
        <translation>Name &quot;%1&quot; wird in Großbuchstaben übernommen: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
</context>
<context>
    <name>channels::model</name>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>RX(MHz)</source>
        <translation>RX (MHz)</translation>
    </message>
    <message>
        <source>TX(MHz)</source>
        <translation>TX (MHz)</translation>
    </message>
</context>
<context>
    <name>channels::report</name>
    <message>
        <source>not a frequency in MHz</source>
        <translation>keine Frequenz in MHz</translation>
    </message>
    <message>
        <source>outside %1%2 MHz</source>
        <translation>außerhalb %1%2 MHz</translation>
    </message>
    <message>
        <source>off the raster, becomes %1</source>
        <translation>nicht im Raster, wird zu %1</translation>
    </message>
    <message>
        <source>finer than 10 Hz, becomes %1</source>
        <translation>feiner als 10 Hz, wird zu %1</translation>
    </message>
    <message>
        <source>only characters a channel name holds (Latin-1)</source>
        <translation>nur Zeichen, die ein Kanalname fassen kann (Latin-1)</translation>
    </message>
    <message>
        <source>a CTCSS tone past the table</source>
        <translation>ein CTCSS-Ton hinter der Tabelle</translation>
    </message>
    <message>
        <source>not a tone: Off, a CTCSS tone (62.5 ... 254.1) or a DCS code (D023N, D754I ...)</source>
        <translation>kein Ton: Off, ein CTCSS-Ton (62.5 ... 254.1) oder ein DCS-Code (D023N, D754I ...)</translation>
    </message>
    <message>
        <source>missing: a new channel needs its RX frequency</source>
        <translation>fehlt: ein neuer Kanal braucht seine RX-Frequenz</translation>
    </message>
    <message>
        <source>a listed channel needs its RX frequency; leave the channel out to empty it</source>
        <translation>ein aufgeführter Kanal braucht seine RX-Frequenz; lassen Sie den Kanal weg, um ihn zu leeren</translation>
    </message>
    <message>
        <source>the transmit band </source>
        <translation>des Sendebands </translation>
    </message>
    <message>
        <source>entry %1 is not in use; becomes %2</source>
        <translation>Eintrag %1 ist nicht belegt; wird zu %2</translation>
    </message>
    <message>
        <source>VFO is not listed and is emptied, which only a file can hold</source>
        <translation>VFO ist nicht aufgeführt und wird geleert, was nur eine Datei enthalten kann</translation>
    </message>
    <message>
        <source>not a range of whole MHz such as 136-174</source>
        <translation>kein Bereich ganzer MHz wie 136-174</translation>
    </message>
    <message>
        <source>a parameter file does not hold the model name; this program&apos;s is %1</source>
        <translation>eine Parameterdatei enthält den Modellnamen nicht; der dieses Programms ist %1</translation>
    </message>
    <message>
        <source>RX %1-%2 and TX %3-%4 MHz lie within no band of this radio (see the Model dialog)</source>
        <translation>RX %1-%2 und TX %3-%4 MHz liegen in keinem Band dieses Funkgeräts (siehe den Dialog Modell)</translation>
    </message>
    <message>
        <source>1 channel lies</source>
        <translation>1 Kanal liegt</translation>
    </message>
    <message>
        <source>%1 channels lie</source>
        <translation>%1 Kanäle liegen</translation>
    </message>
    <message>
        <source>%1 outside the new band, which would move each to the band&apos;s nearest limit; allow the band change to do so (--allow-band-change)</source>
        <translation>%1 außerhalb des neuen Bands, was jeden an die nächste Bandgrenze verschieben würde; erlauben Sie dazu den Bandwechsel (--allow-band-change)</translation>
    </message>
    <message>
        <source>%1 outside the new band; each moves to the band&apos;s nearest limit</source>
        <translation>%1 außerhalb des neuen Bands; jeder wird an die nächste Bandgrenze verschoben</translation>
    </message>
</context>
<context>
    <name>channels::texts</name>
    <message>
        <source>VFO can`t be null!</source>
        <translation>VFO darf nicht leer sein!</translation>
    </message>
    <message>
        <source>%1 %2 lies outside %3-%4 MHz: set to %5</source>
        <translation>%1 %2 liegt außerhalb %3-%4 MHz: auf %5 gesetzt</translation>
    </message>
    <message>
        <source>%1 %2 lies between the 2.5 and 6.25 kHz steps: set to %3</source>
        <translation>%1 %2 liegt zwischen den 2,5- und 6,25-kHz-Schritten: auf %3 gesetzt</translation>
    </message>
    <message>
        <source>RX %1 lies outside the TX band %2-%3 MHz: TX set to %4</source>
        <translation>RX %1 liegt außerhalb des Sendebands %2-%3 MHz: TX auf %4 gesetzt</translation>
    </message>
    <message>
        <source>TX cannot be empty: kept %1</source>
        <translation>TX darf nicht leer sein: %1 behalten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>No row can be inserted: channel %1 is in use, and the channels below would move past channel 199.</source>
        <translation>Es kann keine Zeile eingefügt werden: Kanal %1 ist belegt, und die Kanäle darunter würden über Kanal 199 hinaus verschoben.</translation>
    </message>
    <message>
        <source>The clipboard holds no channel rows to paste.</source>
        <translation>Die Zwischenablage enthält keine Kanalzeilen zum Einfügen.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text cannot be pasted as channels: %1.</source>
        <translation>Der Text in der Zwischenablage kann nicht als Kanäle eingefügt werden: %1.</translation>
    </message>
    <message>
        <source>%1 channels pasted, %2 rows left out, %3 warnings:

%4</source>
        <translation>%1 Kanäle eingefügt, %2 Zeilen ausgelassen, %3 Warnungen:

%4</translation>
    </message>
    <message>
        <source>%1 channels pasted; %2 did not fit above the end of the list (channel 199) and were left out.</source>
        <translation>%1 Kanäle eingefügt; %2 passten nicht mehr vor das Listenende (Kanal 199) und wurden ausgelassen.</translation>
    </message>
    <message>
        <source>Channel Edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>RX-Frequenz</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>TX-Frequenz</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Step(KHz)</source>
        <translation>Schritt (kHz)</translation>
    </message>
    <message>
        <source>Channel Spacing(KHz)</source>
        <translation>Kanalraster(kHz)</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>CTCSS/DCS Decode</source>
        <translation>CTCSS/DCS RX</translation>
    </message>
    <message>
        <source>CTCSS/DCS Encode</source>
        <translation>CTCSS/DCS TX</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehrbetrieb</translation>
    </message>
    <message>
        <source>Optional Signaling</source>
        <translation>Selektivruf</translation>
    </message>
    <message>
        <source>Squelch Mode</source>
        <translation>Rauschsperren-Modus</translation>
    </message>
    <message>
        <source>DTMF PTTID</source>
        <translation>DTMF-PTT-ID</translation>
    </message>
    <message>
        <source>5Tone PTTID</source>
        <translation>Fünfton-PTT-ID</translation>
    </message>
    <message>
        <source>Scrambler Channel</source>
        <translation>Verschleierungskanal</translation>
    </message>
    <message>
        <source>Busy Channel Lock-out</source>
        <translation>Sendesperre bei belegtem Kanal</translation>
    </message>
    <message>
        <source>Scan Skip</source>
        <translation>Beim Suchlauf überspringen</translation>
    </message>
    <message>
        <source>Talk Around</source>
        <translation>Direktbetrieb</translation>
    </message>
    <message>
        <source>Compnader</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>TX Off</source>
        <translation>Senden aus</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>CTCSS/DCS Decode Code</source>
        <translation>CTCSS/DCS-Decodiercode</translation>
    </message>
    <message>
        <source>CTCSS/DCS Encode Code</source>
        <translation>CTCSS/DCS-Codiercode</translation>
    </message>
    <message>
        <source>Optional Signaling Code</source>
        <translation>Selektivruf-Code</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Channel Spacing</source>
        <translation>Kanalraster</translation>
    </message>
    <message>
        <source>Reverse</source>
        <comment>DCS code inverted</comment>
        <translation>Invertiert</translation>
    </message>
</context>
<context>
    <name>config::apply</name>
    <message>
        <source>unknown section</source>
        <translation>unbekannter Abschnitt</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>kein Objekt</translation>
    </message>
    <message>
        <source>the channel list leaves out channel %1, which this setting names; becomes %2</source>
        <translation>die Kanalliste lässt Kanal %1 aus, den diese Einstellung nennt; wird zu %2</translation>
    </message>
    <message>
        <source>not a configuration: the document must be one JSON object</source>
        <translation>keine Konfiguration: das Dokument muss ein einziges JSON-Objekt sein</translation>
    </message>
</context>
<context>
    <name>config::corrections</name>
    <message>
        <source>%1 becomes %2</source>
        <translation>%1 wird zu %2</translation>
    </message>
    <message>
        <source>%1 lies outside %2 MHz: becomes %3</source>
        <translation>%1 liegt außerhalb %2 MHz: wird zu %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>the file names channel %1, which the list does not offer: becomes %2</source>
        <translation>die Datei nennt Kanal %1, den die Liste nicht anbietet: wird zu %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>bytes no field shows</source>
        <translation>Bytes, die kein Feld zeigt</translation>
    </message>
    <message>
        <source>%1 changes: %2</source>
        <translation>%1 ändert sich: %2</translation>
    </message>
    <message>
        <source>%1 change: %2</source>
        <translation>%1 ändern sich: %2</translation>
    </message>
</context>
<context>
    <name>config::print</name>
    <message>
        <source>-- Page %1 of %2 --</source>
        <translation>-- Seite %1 von %2 --</translation>
    </message>
    <message>
        <source>%1 configuration</source>
        <translation>Konfiguration %1</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Gedruckt</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <translation>(nicht gespeichert)</translation>
    </message>
</context>
<context>
    <name>config::roster</name>
    <message>
        <source>%1: no &quot;Radio&quot; column in the header line</source>
        <translation>%1: keine Spalte „Radio“ in der Kopfzeile</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; appears twice</source>
        <translation>%1: Spalte „%2“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; names no value (section.key, as report --json writes them)</source>
        <translation>%1: Spalte „%2“ nennt keinen Wert (abschnitt.schlüssel, wie report --json sie schreibt)</translation>
    </message>
    <message>
        <source>%1: no radios below the header line</source>
        <translation>%1: keine Funkgeräte unter der Kopfzeile</translation>
    </message>
    <message>
        <source>%1 row %2 (Radio %3): %4</source>
        <translation>%1 Zeile %2 (Radio %3): %4</translation>
    </message>
    <message>
        <source>%1 row %2: %3</source>
        <translation>%1 Zeile %2: %3</translation>
    </message>
    <message>
        <source>no Radio label</source>
        <translation>keine Bezeichnung in Radio</translation>
    </message>
    <message>
        <source>Radio &quot;%1&quot; is also on row %2</source>
        <translation>Radio „%1“ steht auch in Zeile %2</translation>
    </message>
    <message>
        <source>no Port, and no port given for the run</source>
        <translation>kein Port, und für den Lauf ist kein Port angegeben</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2 columns</source>
        <translation>%1 Zellen, die Kopfzeile hat %2 Spalten</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;: also the self ID of row %3 (Radio %4)</source>
        <translation>%1: „%2“: auch die Eigenkennung von Zeile %3 (Radio %4)</translation>
    </message>
    <message>
        <source>%1 holds a log with other columns; name another log file</source>
        <translation>%1 enthält ein Protokoll mit anderen Spalten; nennen Sie eine andere Protokolldatei</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>forms::EditCommand</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ei&amp;nfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>Zeile ein&amp;fügen</translation>
    </message>
    <message>
        <source>Delete &amp;Row</source>
        <translation>&amp;Zeile löschen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Sort by RX Frequency</source>
        <translation>Nach RX-Frequenz &amp;sortieren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>image::file</name>
    <message>
        <source>%1 is not a QMR-417 parameter file: %2 bytes, a parameter file has %3.</source>
        <translation>%1 ist keine QMR-417-Parameterdatei: %2 Byte, eine Parameterdatei hat %3.</translation>
    </message>
</context>
<context>
    <name>radiolink::text</name>
    <message>
        <source>Coun`t open the port</source>
        <translation>Die Schnittstelle kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>no serial port on this computer stands for this name</source>
        <translation>keine serielle Schnittstelle dieses Computers trägt diesen Namen</translation>
    </message>
    <message>
        <source>Your user may not use serial ports: add it to the &quot;dialout&quot; group (sudo adduser $USER dialout), then log out and in again.</source>
        <translation>Ihr Benutzer darf keine seriellen Schnittstellen verwenden: fügen Sie ihn der Gruppe „dialout“ hinzu (sudo adduser $USER dialout), dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>Another program holds the port, such as a modem manager that probes new USB serial devices: close that program and try again.</source>
        <translation>Ein anderes Programm belegt die Schnittstelle, etwa ein Modem-Manager, der neue serielle USB-Geräte abfragt: dieses Programm schließen und erneut versuchen.</translation>
    </message>
    <message>
        <source>The port is missing: plug the programming cable in and choose its port under Setting &gt; Port.</source>
        <translation>Die Schnittstelle fehlt: das Programmierkabel einstecken und seine Schnittstelle unter Einstellung &gt; Anschluss wählen.</translation>
    </message>
    <message>
        <source>Check connection, Retry or Cancel</source>
        <translation>Verbindung prüfen, dann Wiederholen oder Abbrechen</translation>
    </message>
    <message>
        <source>Radio is killed!</source>
        <translation>Das Funkgerät ist gesperrt (Kill)!</translation>
    </message>
    <message>
        <source>Radio is fainted!</source>
        <translation>Das Funkgerät ist betäubt (Stun)!</translation>
    </message>
    <message>
        <source>Password error</source>
        <translation>Passwort falsch</translation>
    </message>
    <message>
        <source>Read data compeleted</source>
        <translation>Daten vollständig gelesen</translation>
    </message>
    <message>
        <source>Write data compeleted</source>
        <translation>Daten vollständig geschrieben</translation>
    </message>
    <message>
        <source>Read data from radio</source>
        <translation>Daten vom Funkgerät lesen</translation>
    </message>
    <message>
        <source>Write data to radio</source>
        <translation>Daten in das Funkgerät schreiben</translation>
    </message>
    <message>
        <source>killed</source>
        <translation>gesperrt (Kill)</translation>
    </message>
    <message>
        <source>stunned</source>
        <translation>betäubt (Stun)</translation>
    </message>
    <message>
        <source>This data marks the radio as %1 (state byte 0x0227 = %2), but the radio reports itself normal.
Writing it will disable this radio.

Write the %1 state into the radio?</source>
        <translation>Diese Daten kennzeichnen das Funkgerät als %1 (Zustandsbyte 0x0227 = %2), aber das Funkgerät meldet sich als normal.
Das Schreiben legt dieses Funkgerät still.

Den Zustand %1 in das Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>the radio&apos;s answer to the password probe does not repeat the request&apos;s address (bytes 1-3: %1): its answers are taken by their length only, without checking which block they belong to</source>
        <translation>die Antwort des Funkgeräts auf die Passwortabfrage wiederholt die Adresse der Anfrage nicht (Bytes 1-3: %1): seine Antworten werden nur nach ihrer Länge genommen, ohne zu prüfen, zu welchem Block sie gehören</translation>
    </message>
    <message>
        <source>cannot open port %1 (%2)</source>
        <translation>Port %1 kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>cannot open port %1 (%2: %3)</source>
        <translation>Port %1 kann nicht geöffnet werden (%2: %3)</translation>
    </message>
    <message>
        <source>no answer from the radio on %1; check the cable and the radio</source>
        <translation>keine Antwort vom Funkgerät an %1; prüfen Sie Kabel und Funkgerät</translation>
    </message>
    <message>
        <source>Password error: the radio has a program password</source>
        <translation>Passwortfehler: das Funkgerät hat ein Programmierpasswort</translation>
    </message>
    <message>
        <source>Password error: the password given is wrong</source>
        <translation>Passwortfehler: das angegebene Passwort ist falsch</translation>
    </message>
    <message>
        <source>the radio reports &quot;%1&quot;</source>
        <translation>das Funkgerät meldet „%1“</translation>
    </message>
    <message>
        <source>the radio reports &quot;%1&quot; and the revive code is wrong</source>
        <translation>das Funkgerät meldet „%1“, und der Wiederbelebungscode ist falsch</translation>
    </message>
    <message>
        <source>the file marks the radio as %1 (state byte 0x0227 = %2) and the radio reports itself normal; nothing was written</source>
        <translation>die Datei kennzeichnet das Funkgerät als %1 (Zustandsbyte 0x0227 = %2), und das Funkgerät meldet sich als normal; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>interrupted after %1 of %2 blocks</source>
        <translation>abgebrochen nach %1 von %2 Blöcken</translation>
    </message>
    <message>
        <source>another transfer is running</source>
        <translation>eine andere Übertragung läuft</translation>
    </message>
    <message>
        <source>%1; the radio holds a partial write (blocks up to 0x%2 are new)</source>
        <translation>%1; das Funkgerät ist nur teilweise beschrieben (Blöcke bis 0x%2 sind neu)</translation>
    </message>
    <message>
        <source>; what it held before is kept in %1 (to put it back: qmr417-cli write --as-is --in %1)</source>
        <translation>; sein vorheriger Inhalt ist in %1 gesichert (zum Zurückschreiben: qmr417-cli write --as-is --in %1)</translation>
    </message>
    <message>
        <source>the radio could not be read first, so nothing was written: %1</source>
        <translation>das Funkgerät konnte nicht vorher gelesen werden, daher wurde nichts geschrieben: %1</translation>
    </message>
    <message>
        <source>the radio&apos;s earlier contents could not be kept, so nothing was written: %1</source>
        <translation>der bisherige Inhalt des Funkgeräts konnte nicht gesichert werden, daher wurde nichts geschrieben: %1</translation>
    </message>
    <message numerus="yes">
        <source>verify failed: %n byte(s) in the radio differ from what was written; write it again</source>
        <translation>
            <numerusform>Prüfung fehlgeschlagen: %n Byte im Funkgerät weicht vom Geschriebenen ab; schreiben Sie erneut</numerusform>
            <numerusform>Prüfung fehlgeschlagen: %n Bytes im Funkgerät weichen vom Geschriebenen ab; schreiben Sie erneut</numerusform>
        </translation>
    </message>
    <message>
        <source>the write completed, but the radio could not be read back to verify it: %1</source>
        <translation>das Schreiben ist abgeschlossen, aber das Funkgerät konnte zur Prüfung nicht zurückgelesen werden: %1</translation>
    </message>
    <message>
        <source>backup kept in %1</source>
        <translation>Sicherung in %1 abgelegt</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>geschrieben und geprüft</translation>
    </message>
    <message>
        <source>warning: the transfer went through, but its backup could not be saved: %1</source>
        <translation>Warnung: die Übertragung ist durchgelaufen, aber ihre Sicherung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Verify completed: the radio holds what was written.</source>
        <translation>Prüfung abgeschlossen: das Funkgerät enthält, was geschrieben wurde.</translation>
    </message>
    <message numerus="yes">
        <source>Verify failed: %n byte(s) in the radio differ from what was written.

%1

Addresses: %2

Write the data again.</source>
        <translation>
            <numerusform>Prüfung fehlgeschlagen: %n Byte im Funkgerät weicht vom Geschriebenen ab.

%1

Adressen: %2

Schreiben Sie die Daten erneut.</numerusform>
            <numerusform>Prüfung fehlgeschlagen: %n Bytes im Funkgerät weichen vom Geschriebenen ab.

%1

Adressen: %2

Schreiben Sie die Daten erneut.</numerusform>
        </translation>
    </message>
    <message>
        <source>The write completed, but the radio could not be read back, so it was not verified.</source>
        <translation>Das Schreiben ist abgeschlossen, aber das Funkgerät konnte nicht zurückgelesen werden; es wurde daher nicht geprüft.</translation>
    </message>
    <message>
        <source>%1 / %2: file %3, radio %4</source>
        <translation>%1 / %2: Datei %3, Funkgerät %4</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>No field the editors show is affected.</source>
        <translation>Kein Feld, das die Editoren zeigen, ist betroffen.</translation>
    </message>
</context>
<context>
    <name>settings::contact::texts</name>
    <message>
        <source>NO.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Call ID</source>
        <translation>Ruf-ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Contact List</source>
        <translation>Kontaktliste</translation>
    </message>
    <message>
        <source>Call ID: up to 5 digits (0-9).   Name: up to 7 letters (A-Z) or digits, in capitals.</source>
        <translation>Ruf-ID: bis zu 5 Ziffern (0-9).   Name: bis zu 7 Großbuchstaben (A-Z) oder Ziffern.</translation>
    </message>
</context>
<context>
    <name>settings::emergency</name>
    <message>
        <source>Emergency Alarm</source>
        <translation>Notrufalarm</translation>
    </message>
    <message>
        <source>ENI Type Select</source>
        <translation>ENI-Art</translation>
    </message>
    <message>
        <source>Emergency ID</source>
        <translation>Notruf-ID</translation>
    </message>
    <message>
        <source>Alarm Time(s)</source>
        <translation>Alarmdauer(s)</translation>
    </message>
    <message>
        <source>Duration of TX(s)</source>
        <translation>Sendedauer(s)</translation>
    </message>
    <message>
        <source>Duration of RX(s)</source>
        <translation>Empfangsdauer(s)</translation>
    </message>
    <message>
        <source>Emergency ENI Send Select</source>
        <translation>Notruf-ENI senden</translation>
    </message>
    <message>
        <source>Emergency Channel</source>
        <translation>Notrufkanal</translation>
    </message>
    <message>
        <source>Emergency Cycle</source>
        <translation>Notrufzyklus</translation>
    </message>
</context>
<context>
    <name>settings::function_setup::texts</name>
    <message>
        <source>Starting Display</source>
        <translation>Startanzeige</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Display Mode Lock</source>
        <translation>Anzeigemodus sperren</translation>
    </message>
    <message>
        <source>VFO/MR</source>
        <translation>VFO/Speicher</translation>
    </message>
    <message>
        <source>MR Channel</source>
        <translation>Speicherkanal</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Rauschsperren-Stufe</translation>
    </message>
    <message>
        <source>Frequency Scan</source>
        <translation>Frequenzsuchlauf</translation>
    </message>
    <message>
        <source>Backlight Brightness</source>
        <translation>Helligkeit der Beleuchtung</translation>
    </message>
    <message>
        <source>TBST Frequency(Hz)</source>
        <translation>Tonruf-Frequenz(Hz)</translation>
    </message>
    <message>
        <source>Time Out Timer(min)</source>
        <translation>Sendezeitbegrenzung(min)</translation>
    </message>
    <message>
        <source>Auto Power Off(h)</source>
        <translation>Automatisch ausschalten(h)</translation>
    </message>
    <message>
        <source>Voice Prompt</source>
        <translation>Sprachansage</translation>
    </message>
    <message>
        <source>BackLight Color</source>
        <translation>Farbe der Beleuchtung</translation>
    </message>
    <message>
        <source>PTT Release Beep</source>
        <translation>Quittungston beim Loslassen der PTT</translation>
    </message>
    <message>
        <source>Scramble Frequency</source>
        <translation>Verschleierungsfrequenz</translation>
    </message>
    <message>
        <source> (2600 - 4000Hz)</source>
        <translation> (2600 - 4000Hz)</translation>
    </message>
    <message>
        <source>Scramble Frequency %1 lies outside 2600-4000 Hz: set to %2</source>
        <translation>Verschleierungsfrequenz %1 liegt außerhalb 2600-4000 Hz: auf %2 gesetzt</translation>
    </message>
    <message>
        <source>Scramble Frequency cannot be empty: set to %1</source>
        <translation>Verschleierungsfrequenz darf nicht leer sein: auf %1 gesetzt</translation>
    </message>
    <message>
        <source>SQL Key Function</source>
        <translation>Funktion der Rauschsperren-Taste</translation>
    </message>
    <message>
        <source>Tail EliminatorType</source>
        <translation>Art der Rauschsperren-Nachlaufunterdrückung</translation>
    </message>
    <message>
        <source>Choose TX Power</source>
        <translation>Sendeleistung wählen</translation>
    </message>
    <message>
        <source>Use Boot-strap Passowrd</source>
        <translation>Einschaltpasswort verwenden</translation>
    </message>
    <message>
        <source>Starting Password</source>
        <translation>Einschaltpasswort</translation>
    </message>
    <message>
        <source>Inhibit To Setup Background Operations</source>
        <translation>Einstellungen am Gerät sperren</translation>
    </message>
    <message>
        <source>Inhibit Initialize Operation</source>
        <translation>Zurücksetzen am Gerät sperren</translation>
    </message>
    <message>
        <source>Eliminate Squelch Tail When No CTCSS/DCS Signaling</source>
        <translation>Rauschsperren-Nachlauf auch ohne CTCSS/DCS unterdrücken</translation>
    </message>
</context>
<context>
    <name>settings::key_setting</name>
    <message>
        <source>P1 Short</source>
        <translation>P1 kurz</translation>
    </message>
    <message>
        <source>P2 Short</source>
        <translation>P2 kurz</translation>
    </message>
    <message>
        <source>P3 Short</source>
        <translation>P3 kurz</translation>
    </message>
    <message>
        <source>P4 Short</source>
        <translation>P4 kurz</translation>
    </message>
    <message>
        <source>P5 Short</source>
        <translation>P5 kurz</translation>
    </message>
    <message>
        <source>P1 Long</source>
        <translation>P1 lang</translation>
    </message>
    <message>
        <source>P2 Long</source>
        <translation>P2 lang</translation>
    </message>
    <message>
        <source>P3 Long</source>
        <translation>P3 lang</translation>
    </message>
    <message>
        <source>P4 Long</source>
        <translation>P4 lang</translation>
    </message>
    <message>
        <source>P5 Long</source>
        <translation>P5 lang</translation>
    </message>
</context>
<context>
    <name>settings::report</name>
    <message>
        <source>only digits 0-9</source>
        <translation>nur Ziffern 0-9</translation>
    </message>
    <message>
        <source>only A-Z and 0-9</source>
        <translation>nur A-Z und 0-9</translation>
    </message>
    <message>
        <source>a contact in use needs a call ID or a name; leave it out to empty it</source>
        <translation>ein belegter Kontakt braucht eine Ruf-ID oder einen Namen; lassen Sie ihn weg, um ihn zu leeren</translation>
    </message>
    <message>
        <source>no entry chosen (a byte past the list)</source>
        <translation>kein Eintrag gewählt (ein Byte hinter der Liste)</translation>
    </message>
    <message>
        <source>not one of: %1</source>
        <translation>keiner dieser Werte: %1</translation>
    </message>
    <message>
        <source>not a frequency in whole Hz</source>
        <translation>keine Frequenz in ganzen Hz</translation>
    </message>
    <message>
        <source>outside %1-%2 Hz</source>
        <translation>außerhalb %1-%2 Hz</translation>
    </message>
    <message>
        <source>only printable ASCII characters</source>
        <translation>nur druckbare ASCII-Zeichen</translation>
    </message>
    <message>
        <source>no function chosen: the key&apos;s own function %1 is stored</source>
        <translation>keine Funktion gewählt: die eigene Funktion %1 der Taste wird gespeichert</translation>
    </message>
    <message>
        <source>a short press cannot take MONI while the SQL key function is momentary; becomes Off</source>
        <translation>ein kurzer Druck kann MONI nicht übernehmen, solange die Tastenfunktion SQL nur kurzzeitig wirkt; wird zu Off</translation>
    </message>
    <message>
        <source>a byte other than 0 and 1</source>
        <translation>ein Byte außer 0 und 1</translation>
    </message>
</context>
<context>
    <name>settings::scan::texts</name>
    <message>
        <source>Scan Mode</source>
        <translation>Suchlaufmodus</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>Prioritätskanal</translation>
    </message>
    <message>
        <source>Priority Channel 1</source>
        <translation>Prioritätskanal 1</translation>
    </message>
    <message>
        <source>Priority Channel 2</source>
        <translation>Prioritätskanal 2</translation>
    </message>
    <message>
        <source>Revert Channel</source>
        <translation>Rücksprungkanal</translation>
    </message>
    <message>
        <source>Look Back Time A(s)</source>
        <translation>Rückschauzeit A(s)</translation>
    </message>
    <message>
        <source>Look Back Time B(s)</source>
        <translation>Rückschauzeit B(s)</translation>
    </message>
    <message>
        <source>Dropout Delay Time(s)</source>
        <translation>Abfallverzögerung(s)</translation>
    </message>
    <message>
        <source>Dwell Time(s)</source>
        <translation>Verweilzeit(s)</translation>
    </message>
    <message>
        <source>Scan Enter Tone</source>
        <translation>Ton beim Suchlaufstart</translation>
    </message>
</context>
<context>
    <name>shell::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>The software apply for %1 model</source>
        <translation>Diese Software ist für das Modell %1</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or (at your option) any later version</source>
        <translation>Lizenz: GNU General Public License, Version 3 oder (nach Ihrer Wahl) jede spätere Version</translation>
    </message>
</context>
<context>
    <name>shell::CheckDialog</name>
    <message>
        <source>Check Configuration</source>
        <translation>Konfiguration prüfen</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No findings: the configuration&apos;s settings fit together.</source>
        <translation>Keine Befunde: die Einstellungen der Konfiguration passen zusammen.</translation>
    </message>
    <message>
        <source>1 finding. Double-click it to open its editor.</source>
        <translation>1 Befund. Ein Doppelklick darauf öffnet seinen Editor.</translation>
    </message>
    <message numerus="yes">
        <source>%n findings. Double-click one to open its editor.</source>
        <translation>
            <numerusform>%n Befund. Ein Doppelklick darauf öffnet seinen Editor.</numerusform>
            <numerusform>%n Befunde. Ein Doppelklick auf einen öffnet seinen Editor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::CompareDialog</name>
    <message>
        <source>Compare With Radio</source>
        <translation>Mit Funkgerät vergleichen</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>This File</source>
        <translation>Diese Datei</translation>
    </message>
    <message>
        <source>The Radio</source>
        <translation>Das Funkgerät</translation>
    </message>
    <message>
        <source>Save Radio Configuration As...</source>
        <translation>Konfiguration des Funkgeräts speichern unter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The radio holds the same configuration as this file.</source>
        <translation>Das Funkgerät enthält dieselbe Konfiguration wie diese Datei.</translation>
    </message>
    <message>
        <source>1 field differs between this file and the radio.</source>
        <translation>1 Feld unterscheidet sich zwischen dieser Datei und dem Funkgerät.</translation>
    </message>
    <message numerus="yes">
        <source>%n fields differ between this file and the radio.</source>
        <translation>
            <numerusform>%n Feld unterscheidet sich zwischen dieser Datei und dem Funkgerät.</numerusform>
            <numerusform>%n Felder unterscheiden sich zwischen dieser Datei und dem Funkgerät.</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio&apos;s configuration was saved as %1.</source>
        <translation>Die Konfiguration des Funkgeräts wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
</context>
<context>
    <name>shell::CsvImportDialog</name>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>Kanäle importieren (CSV)</translation>
    </message>
    <message>
        <source>Each row into the channel its Location names</source>
        <translation>Jede Zeile in den Kanal, den ihre Location nennt</translation>
    </message>
    <message>
        <source>Rows into the next empty channels</source>
        <translation>Zeilen in die nächsten leeren Kanäle</translation>
    </message>
    <message>
        <source>%1: %2 to import, %3 left out, %4.</source>
        <translation>%1: %2 zu importieren, %3 ausgelassen, %4.</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Every row can be imported as it is.</source>
        <translation>Jede Zeile kann so importiert werden, wie sie ist.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>shell::FleetDialog</name>
    <message>
        <source>Fleet Write</source>
        <translation>Flotte schreiben</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation>Zeile &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Row</source>
        <translation>Zeile &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Log File...</source>
        <translation>Protoko&amp;lldatei...</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>As&amp;k before each radio</source>
        <translation>Vor jedem Funkgerät &amp;fragen</translation>
    </message>
    <message>
        <source>Skip radios the log shows as &amp;done</source>
        <translation>Im Protokoll als erle&amp;digt geführte Funkgeräte überspringen</translation>
    </message>
    <message>
        <source>Write radios on different &amp;ports at the same time</source>
        <translation>Funkgeräte an verschiedenen &amp;Anschlüssen gleichzeitig schreiben</translation>
    </message>
    <message>
        <source>Read the radio first, so the write can be &amp;undone</source>
        <translation>Funkgerät zuerst lesen, damit das Schreiben &amp;rückgängig gemacht werden kann</translation>
    </message>
    <message>
        <source>reading first %1%</source>
        <translation>wird zuerst gelesen %1%</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Protokoll: %1</translation>
    </message>
    <message>
        <source>Every radio gets the open configuration, with its own row&apos;s values (an empty cell keeps the configuration&apos;s). Port: the radio&apos;s port; empty for the program&apos;s (%1).</source>
        <translation>Jedes Funkgerät erhält die geöffnete Konfiguration mit den Werten seiner Zeile (eine leere Zelle behält den Wert der Konfiguration). Port: der Anschluss des Funkgeräts; leer für den des Programms (%1).</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>writing %1%</source>
        <translation>schreibt %1%</translation>
    </message>
    <message>
        <source>verifying %1%</source>
        <translation>prüft %1%</translation>
    </message>
    <message>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>failed (%1): %2</source>
        <translation>fehlgeschlagen (%1): %2</translation>
    </message>
    <message>
        <source>done before</source>
        <translation>schon erledigt</translation>
    </message>
    <message>
        <source>not written</source>
        <translation>nicht geschrieben</translation>
    </message>
    <message>
        <source>Connect radio %1 and press Enter</source>
        <translation>Funkgerät %1 anschließen und Enter drücken</translation>
    </message>
    <message>
        <source>Connect radio %1 to %2 and press Enter</source>
        <translation>Funkgerät %1 an %2 anschließen und Enter drücken</translation>
    </message>
    <message>
        <source>Radio %1 failed: %2

Retry this radio?</source>
        <translation>Funkgerät %1 fehlgeschlagen: %2

Dieses Funkgerät erneut versuchen?</translation>
    </message>
    <message>
        <source>Go on with the next radio? (No stops the fleet write.)</source>
        <translation>Mit dem nächsten Funkgerät weitermachen? (Nein beendet das Schreiben der Flotte.)</translation>
    </message>
    <message>
        <source>Radio %1: %2</source>
        <translation>Funkgerät %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Import Roster (CSV)</source>
        <translation>Geräteliste importieren (CSV)</translation>
    </message>
    <message>
        <source>Fleet Log (CSV)</source>
        <translation>Flottenprotokoll (CSV)</translation>
    </message>
    <message>
        <source>The log is a CSV file, not a parameter file.</source>
        <translation>Das Protokoll ist eine CSV-Datei, keine Parameterdatei.</translation>
    </message>
    <message>
        <source>The fleet log could not be written: %1</source>
        <translation>Das Flottenprotokoll konnte nicht geschrieben werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>The roster has %n problem(s); no radio was written.

%1</source>
        <translation>
            <numerusform>Die Geräteliste hat %n Problem; kein Funkgerät wurde geschrieben.

%1</numerusform>
            <numerusform>Die Geräteliste hat %n Probleme; kein Funkgerät wurde geschrieben.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no radios in the roster</source>
        <translation>%1: keine Funkgeräte in der Geräteliste</translation>
    </message>
</context>
<context>
    <name>shell::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>shell::JsonImportDialog</name>
    <message>
        <source>Import Configuration (JSON)</source>
        <translation>Konfiguration importieren (JSON)</translation>
    </message>
    <message>
        <source>%1: %2. Nothing changes until Import; Undo takes the import back.</source>
        <translation>%1: %2. Bis „Importieren“ ändert sich nichts; Rückgängig nimmt den Import zurück.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2. Nothing changes.</source>
        <translation>%1 kann nicht importiert werden: %2. Es ändert sich nichts.</translation>
    </message>
    <message>
        <source>Problems and warnings</source>
        <translation>Probleme und Warnungen</translation>
    </message>
    <message>
        <source>Every value can be taken as it is.</source>
        <translation>Jeder Wert kann so übernommen werden, wie er ist.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>errors</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>warnings</source>
        <translation>Warnungen</translation>
    </message>
</context>
<context>
    <name>shell::ModelDialog</name>
    <message>
        <source>Model Infomation</source>
        <translation>Modellinformationen</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>RX(</source>
        <translation>RX(</translation>
    </message>
    <message>
        <source>TX(</source>
        <translation>TX(</translation>
    </message>
    <message>
        <source>MHz)</source>
        <translation>MHz)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>RX Low (MHz)</source>
        <translation>RX untere Grenze (MHz)</translation>
    </message>
    <message>
        <source>RX High (MHz)</source>
        <translation>RX obere Grenze (MHz)</translation>
    </message>
    <message>
        <source>TX Low (MHz)</source>
        <translation>TX untere Grenze (MHz)</translation>
    </message>
    <message>
        <source>TX High (MHz)</source>
        <translation>TX obere Grenze (MHz)</translation>
    </message>
    <message>
        <source>Band Table</source>
        <translation>Bandtabelle</translation>
    </message>
    <message>
        <source>Enter each limit as a whole number of MHz.</source>
        <translation>Jede Grenze als ganze Zahl in MHz eingeben.</translation>
    </message>
    <message>
        <source>No band of this radio receives on %1-%2 MHz: choose RX limits within one line of the list.</source>
        <translation>Kein Band dieses Funkgeräts empfängt auf %1-%2 MHz: RX-Grenzen innerhalb einer Zeile der Liste wählen.</translation>
    </message>
    <message>
        <source>With RX %1-%2 MHz this radio transmits within %3 MHz only: TX %4-%5 MHz lies outside.</source>
        <translation>Mit RX %1-%2 MHz sendet dieses Funkgerät nur innerhalb %3 MHz: TX %4-%5 MHz liegt außerhalb.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>1 channel lies</source>
        <translation>1 Kanal liegt</translation>
    </message>
    <message>
        <source>%1 channels lie</source>
        <translation>%1 Kanäle liegen</translation>
    </message>
    <message>
        <source>%1 outside the new band (RX %2-%3 MHz, TX %4-%5 MHz).
The channel list moves each of them to the nearest band limit, and the next store writes it there.

Change the band anyway?</source>
        <translation>%1 außerhalb des neuen Bands (RX %2-%3 MHz, TX %4-%5 MHz).
Die Kanalliste setzt jeden davon auf die nächste Bandgrenze, und das nächste Speichern schreibt ihn dorthin.

Band trotzdem ändern?</translation>
    </message>
</context>
<context>
    <name>shell::PasswordDialog</name>
    <message>
        <source>Set Program Password</source>
        <translation>Programmierpasswort festlegen</translation>
    </message>
    <message>
        <source>Program Password</source>
        <translation>Programmierpasswort</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>shell::PortDialog</name>
    <message>
        <source>Port Setting</source>
        <translation>Anschluss einstellen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>built-in simulated radio</source>
        <translation>eingebautes simuliertes Funkgerät</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>%1: no serial port stands for this name.</source>
        <translation>%1: keine serielle Schnittstelle trägt diesen Namen.</translation>
    </message>
    <message>
        <source>%1: in use by another program.</source>
        <translation>%1: von einem anderen Programm belegt.</translation>
    </message>
    <message>
        <source>%1: no permission to open it. On Linux your user must belong to the group that owns the serial devices (&quot;dialout&quot; on Debian); log in again after joining it.</source>
        <translation>%1: keine Berechtigung zum Öffnen. Unter Linux muss Ihr Benutzer der Gruppe angehören, der die seriellen Geräte gehören („dialout“ unter Debian); melden Sie sich nach dem Beitritt neu an.</translation>
    </message>
    <message>
        <source>%1: cannot be opened.</source>
        <translation>%1: kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>shell::ReviveDialog</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>shell::TransferDialog</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Vergangen %1</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Verbleibend %1</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lesen...</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Schreiben...</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Prüfen...</translation>
    </message>
    <message>
        <source>Read the radio first, so the write can be undone</source>
        <translation>Funkgerät zuerst lesen, damit das Schreiben rückgängig gemacht werden kann</translation>
    </message>
    <message>
        <source>Reading the radio first...</source>
        <translation>Funkgerät wird zuerst gelesen...</translation>
    </message>
</context>
<context>
    <name>shell::texts</name>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>The configuration was not printed: the printer &quot;%1&quot; could not be started or stopped accepting pages.</source>
        <translation>Die Konfiguration wurde nicht gedruckt: der Drucker „%1“ konnte nicht gestartet werden oder nahm keine Seiten mehr an.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written.</source>
        <translation>Die PDF-Datei „%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New(&amp;N)</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open(&amp;O)...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save(&amp;S)</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As(&amp;A)...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;xit(&amp;X)</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programmieren</translation>
    </message>
    <message>
        <source>Read From Radio</source>
        <translation>Vom Funkgerät lesen</translation>
    </message>
    <message>
        <source>Write To Radio</source>
        <translation>In das Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Compare With Radio...</source>
        <translation>Mit Funkgerät vergleichen...</translation>
    </message>
    <message>
        <source>Check Configuration</source>
        <translation>Konfiguration prüfen</translation>
    </message>
    <message>
        <source>Fleet Write...</source>
        <translation>Flotte schreiben...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar(&amp;T)</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar(&amp;S)</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Tree View</source>
        <translation>Baumansicht</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>The program shows %1 from its next start.</source>
        <translation>Das Programm zeigt %1 ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>The language could not be stored in %1.</source>
        <translation>Die Sprache konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The language &quot;%1&quot; that %2 names is not one this program has: it shows English.</source>
        <translation>Die Sprache „%1“, die %2 nennt, hat dieses Programm nicht: es zeigt Englisch.</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Cascade(&amp;C)</source>
        <translation>Über&amp;lappend</translation>
    </message>
    <message>
        <source>Tile(&amp;T)</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Arrange(&amp;A)</source>
        <translation>Symbole &amp;anordnen</translation>
    </message>
    <message>
        <source>&amp;Next Window</source>
        <translation>Nä&amp;chstes Fenster</translation>
    </message>
    <message>
        <source>Pre&amp;vious Window</source>
        <translation>&amp;Vorheriges Fenster</translation>
    </message>
    <message>
        <source>Switch Pane</source>
        <translation>Bereich wechseln</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Kommunikationsanschluss</translation>
    </message>
    <message>
        <source>Write Data To Radio</source>
        <translation>Daten in das Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>Daten vom Funkgerät lesen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Tree Bar</source>
        <translation>Baumleiste</translation>
    </message>
    <message>
        <source>All data will be cleared</source>
        <translation>Alle Daten werden gelöscht</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Param Files (*.dat)</source>
        <translation>Parameterdateien (*.dat)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Open Backup Folder</source>
        <translation>Sicherungsordner öffnen</translation>
    </message>
    <message>
        <source>No file manager could open the backup folder. The backups are kept in:

%1</source>
        <translation>Kein Dateimanager konnte den Sicherungsordner öffnen. Die Sicherungen liegen in:

%1</translation>
    </message>
    <message>
        <source>The data was transferred, but its backup could not be saved: %1</source>
        <translation>Die Daten wurden übertragen, aber ihre Sicherung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The write did not complete: %1.

&quot;Restore&quot; writes the radio&apos;s earlier contents back into it.</source>
        <translation>Das Schreiben wurde nicht abgeschlossen: %1.

„Wiederherstellen“ schreibt den früheren Inhalt des Funkgeräts zurück.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 existiert nicht mehr; die Datei wurde aus der Liste der letzten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Export Channels (CSV)...</source>
        <translation>Kanäle exportieren (CSV)...</translation>
    </message>
    <message>
        <source>Import Channels (CSV)...</source>
        <translation>Kanäle importieren (CSV)...</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export Channels (CSV)</source>
        <translation>Kanäle exportieren (CSV)</translation>
    </message>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>Kanäle importieren (CSV)</translation>
    </message>
    <message>
        <source>%1 is a parameter file name (&quot;.dat&quot;); an export never replaces a parameter file.

Choose a name ending in &quot;.%2&quot;.</source>
        <translation>%1 ist der Name einer Parameterdatei („.dat“); ein Export ersetzt nie eine Parameterdatei.

Wählen Sie einen Namen, der auf „.%2“ endet.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Export Configuration (JSON)...</source>
        <translation>Konfiguration exportieren (JSON)...</translation>
    </message>
    <message>
        <source>Import Configuration (JSON)...</source>
        <translation>Konfiguration importieren (JSON)...</translation>
    </message>
    <message>
        <source>JSON Files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Export Configuration (JSON)</source>
        <translation>Konfiguration exportieren (JSON)</translation>
    </message>
    <message>
        <source>Import Configuration (JSON)</source>
        <translation>Konfiguration importieren (JSON)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The editors will change what %1 holds when they store it (Save writes it so):

%2

Check Configuration lists these again.</source>
        <translation>Die Editoren ändern beim Speichern, was %1 enthält (Speichern schreibt es so):

%2

Konfiguration prüfen listet diese Punkte erneut auf.</translation>
    </message>
    <message>
        <source>the radio</source>
        <translation>das Funkgerät</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Import Configuration</source>
        <translation>Konfiguration importieren</translation>
    </message>
</context>
<context>
    <name>signalling::audition::texts</name>
    <message>
        <source>DTMF %1</source>
        <translation>DTMF %1</translation>
    </message>
    <message>
        <source>2Tone entry %1</source>
        <translation>Zweiton-Eintrag %1</translation>
    </message>
    <message>
        <source>5Tone entry %1</source>
        <translation>Fünfton-Eintrag %1</translation>
    </message>
    <message>
        <source>5Tone %1</source>
        <translation>Fünfton %1</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to send</source>
        <translation>%1 ist leer: es gibt nichts zu senden</translation>
    </message>
    <message>
        <source>%1 is empty for the radio: it takes a first tone whose low byte is 0x00 or 0xFF (here %2 Hz) for none</source>
        <translation>%1 ist für das Funkgerät leer: einen ersten Ton, dessen unteres Byte 0x00 oder 0xFF ist (hier %2 Hz), nimmt es als keinen</translation>
    </message>
    <message>
        <source>%1 does not exist: the list has entries %2 to %3</source>
        <translation>%1 gibt es nicht: die Liste hat die Einträge %2 bis %3</translation>
    </message>
    <message>
        <source>%1 has a length byte of %2, more than the %3 digits its field holds</source>
        <translation>%1 hat ein Längenbyte von %2, mehr als die %3 Ziffern, die sein Feld fasst</translation>
    </message>
    <message>
        <source>%1 cannot be sent: DTMF Transmitting Time(ms) holds %2, which is not in its list</source>
        <translation>%1 kann nicht gesendet werden: DTMF-Sendedauer(ms) enthält %2, das nicht in ihrer Liste steht</translation>
    </message>
    <message>
        <source>%1 cannot be sent: its %2 tone, %3 Hz, lies outside 288.0-3116.0 Hz</source>
        <translation>%1 kann nicht gesendet werden: sein %2 Ton, %3 Hz, liegt außerhalb 288,0-3116,0 Hz</translation>
    </message>
    <message>
        <source>first</source>
        <translation>erster</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweiter</translation>
    </message>
    <message>
        <source>%1 cannot be sent: %2 is 0</source>
        <translation>%1 kann nicht gesendet werden: %2 ist 0</translation>
    </message>
    <message>
        <source>its tone length</source>
        <translation>seine Tonlänge</translation>
    </message>
    <message>
        <source>%1 cannot be sent: its standard byte holds %2, which names none of the 14 standards</source>
        <translation>%1 kann nicht gesendet werden: sein Standard-Byte enthält %2, das keinen der 14 Standards bezeichnet</translation>
    </message>
    <message>
        <source>%1 cannot be sent: %2 has no tone for the digit %3</source>
        <translation>%1 kann nicht gesendet werden: %2 hat keinen Ton für die Ziffer %3</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>%1 abspielen</translation>
    </message>
    <message>
        <source>Play what the radio sends (Ctrl+Space)</source>
        <translation>Abspielen, was das Funkgerät sendet (Strg+Leertaste)</translation>
    </message>
    <message>
        <source>Save Sound As...</source>
        <translation>Klang speichern unter...</translation>
    </message>
    <message>
        <source>Save the sound of the entry or code chosen last (as Play plays it) as a WAV file</source>
        <translation>Den Klang des zuletzt gewählten Eintrags oder Codes (wie Abspielen ihn spielt) als WAV-Datei speichern</translation>
    </message>
    <message>
        <source>Playing %1 (%2)</source>
        <translation>Spiele %1 (%2)</translation>
    </message>
    <message>
        <source>No sound device: %1 was not played. &quot;Save Sound As...&quot; keeps it as a WAV file.</source>
        <translation>Kein Audiogerät: %1 wurde nicht abgespielt. „Klang speichern unter...“ speichert es als WAV-Datei.</translation>
    </message>
    <message>
        <source>%1 saved as %2</source>
        <translation>%1 gespeichert als %2</translation>
    </message>
    <message>
        <source>Save Sound As</source>
        <translation>Klang speichern unter</translation>
    </message>
    <message>
        <source>WAV Files (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>%1 is a parameter file name (&quot;.dat&quot;); a sound never replaces a parameter file.

Choose a name ending in &quot;.wav&quot;.</source>
        <translation>%1 ist der Name einer Parameterdatei („.dat“); ein Klang ersetzt nie eine Parameterdatei.

Wählen Sie einen Namen, der auf „.wav“ endet.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>signalling::dtmf::texts</name>
    <message>
        <source>DTMF ANI</source>
        <translation>DTMF-Kennung (ANI)</translation>
    </message>
    <message>
        <source>DTMF Transmitting Time(ms)</source>
        <translation>DTMF-Sendedauer(ms)</translation>
    </message>
    <message>
        <source>DTMF Self ID</source>
        <translation>DTMF-Eigenkennung</translation>
    </message>
    <message>
        <source>DTMF Self ID cannot be empty: set back to %1</source>
        <translation>DTMF-Eigenkennung darf nicht leer sein: auf %1 zurückgesetzt</translation>
    </message>
    <message>
        <source>DTMF Interval Character</source>
        <translation>DTMF-Trennzeichen</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>Gruppencode</translation>
    </message>
    <message>
        <source>Decoding Response</source>
        <translation>Antwort auf Decodierung</translation>
    </message>
    <message>
        <source>First Digit Time(ms)</source>
        <translation>Dauer der ersten Ziffer(ms)</translation>
    </message>
    <message>
        <source>Pretime(ms)</source>
        <translation>Vorlaufzeit(ms)</translation>
    </message>
    <message>
        <source>Auto Reset Time(s)</source>
        <translation>Automatische Rücksetzzeit(s)</translation>
    </message>
    <message>
        <source>Time-Lapse After Encode(ms)</source>
        <translation>Nachlaufzeit nach dem Codieren(ms)</translation>
    </message>
    <message>
        <source>PTTID Pause Time(s)</source>
        <translation>PTT-ID-Pause(s)</translation>
    </message>
    <message>
        <source>Side Tone</source>
        <translation>Mithörton</translation>
    </message>
    <message>
        <source>Remotely Kill</source>
        <translation>Fernsperre (Kill)</translation>
    </message>
    <message>
        <source>Remotely Stun</source>
        <translation>Fernbetäubung (Stun)</translation>
    </message>
    <message>
        <source>PTT ID Starting (BOT)</source>
        <translation>PTT-ID am Anfang (BOT)</translation>
    </message>
    <message>
        <source>PTT ID Ending (EOT)</source>
        <translation>PTT-ID am Ende (EOT)</translation>
    </message>
    <message>
        <source>Special Call</source>
        <translation>Sonderruf</translation>
    </message>
    <message>
        <source>Please Input 0~9,A,B,C,D,*,#</source>
        <translation>Bitte 0~9,A,B,C,D,*,# eingeben</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>DTMF Encode</source>
        <translation>DTMF-Codierung</translation>
    </message>
    <message>
        <source>DTMF Encode List</source>
        <translation>DTMF-Codierliste</translation>
    </message>
    <message>
        <source>DTMF Special Call</source>
        <translation>DTMF-Sonderruf</translation>
    </message>
    <message>
        <source>Choose Call Type</source>
        <translation>Rufart wählen</translation>
    </message>
    <message>
        <source>The Other Side ID</source>
        <translation>Kennung der Gegenseite</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>signalling::five_tone::texts</name>
    <message>
        <source>Self ID</source>
        <translation>Eigenkennung</translation>
    </message>
    <message>
        <source>Decode Standard</source>
        <translation>Decodier-Standard</translation>
    </message>
    <message>
        <source>Decoding Response</source>
        <translation>Antwort auf Decodierung</translation>
    </message>
    <message>
        <source>Time Of Decode Tone(ms)</source>
        <translation>Dauer des Decodiertons(ms)</translation>
    </message>
    <message>
        <source>Pretime(ms)</source>
        <translation>Vorlaufzeit(ms)</translation>
    </message>
    <message>
        <source>Auto Reset Time(s)</source>
        <translation>Automatische Rücksetzzeit(s)</translation>
    </message>
    <message>
        <source>Time-Lapse After Encode(ms)</source>
        <translation>Nachlaufzeit nach dem Codieren(ms)</translation>
    </message>
    <message>
        <source>PTTID Pause Time(s)</source>
        <translation>PTT-ID-Pause(s)</translation>
    </message>
    <message>
        <source>First Delay(ms)</source>
        <translation>Erste Verzögerung(ms)</translation>
    </message>
    <message>
        <source>Stop Code</source>
        <translation>Stoppcode</translation>
    </message>
    <message>
        <source>Stop Time(ms)</source>
        <translation>Stoppzeit(ms)</translation>
    </message>
    <message>
        <source>Decode Time(ms)</source>
        <translation>Decodierzeit(ms)</translation>
    </message>
    <message>
        <source>Side Tone</source>
        <translation>Mithörton</translation>
    </message>
    <message>
        <source>PTTID Starting (BOT)</source>
        <translation>PTT-ID am Anfang (BOT)</translation>
    </message>
    <message>
        <source>PTTID Ending (EOT)</source>
        <translation>PTT-ID am Ende (EOT)</translation>
    </message>
    <message>
        <source>Encode ID</source>
        <translation>Codier-ID</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Tone Length(ms)</source>
        <translation>Tonlänge(ms)</translation>
    </message>
    <message>
        <source>Special Call</source>
        <translation>Sonderruf</translation>
    </message>
    <message>
        <source>Infomation Code Function</source>
        <translation>Funktion der Informationscodes</translation>
    </message>
    <message>
        <source>Information ID NO.</source>
        <translation>Informations-ID Nr.</translation>
    </message>
    <message>
        <source>Function Option</source>
        <translation>Funktionsauswahl</translation>
    </message>
    <message>
        <source>Information ID</source>
        <translation>Informations-ID</translation>
    </message>
    <message>
        <source>Function Name</source>
        <translation>Funktionsname</translation>
    </message>
    <message>
        <source>5Tone Encode List</source>
        <translation>Fünfton-Codierliste</translation>
    </message>
    <message>
        <source>Tone Table</source>
        <translation>Tontabelle</translation>
    </message>
    <message>
        <source>Reset Call ID</source>
        <translation>Ruf-ID zurücksetzen</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Choose Call Type</source>
        <translation>Rufart wählen</translation>
    </message>
    <message>
        <source>Choose Call Format</source>
        <translation>Rufformat wählen</translation>
    </message>
    <message>
        <source>The Other Side ID</source>
        <translation>Kennung der Gegenseite</translation>
    </message>
    <message>
        <source>Interval Character</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Spaciel Call</source>
        <translation>Sonderruf</translation>
    </message>
    <message>
        <source>Encode Standard</source>
        <translation>Codier-Standard</translation>
    </message>
    <message>
        <source>Time of Encode Tone(ms)</source>
        <translation>Dauer des Codiertons(ms)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>signalling::report</name>
    <message>
        <source>only 0-9, A-D, * and #</source>
        <translation>nur 0-9, A-D, * und #</translation>
    </message>
    <message>
        <source>empty: the self ID has %1 digits</source>
        <translation>leer: die Eigenkennung hat %1 Ziffern</translation>
    </message>
    <message>
        <source>at most %1 digits</source>
        <translation>höchstens %1 Ziffern</translation>
    </message>
    <message>
        <source>only digits 0-9</source>
        <translation>nur Ziffern 0-9</translation>
    </message>
    <message>
        <source>becomes %1</source>
        <translation>wird zu %1</translation>
    </message>
    <message>
        <source>an entry in use needs its code; leave the entry out to empty it</source>
        <translation>ein belegter Eintrag braucht seinen Code; lassen Sie den Eintrag weg, um ihn zu leeren</translation>
    </message>
    <message>
        <source>encode entries %1 now end in %2 instead of %3, as the editor rewrites them</source>
        <translation>die Codiereinträge %1 enden jetzt auf %2 statt auf %3, wie der Editor sie umschreibt</translation>
    </message>
    <message>
        <source>only hexadecimal digits 0-9 and A-F</source>
        <translation>nur Hexadezimalziffern 0-9 und A-F</translation>
    </message>
    <message>
        <source>only printable ASCII characters</source>
        <translation>nur druckbare ASCII-Zeichen</translation>
    </message>
    <message>
        <source>not one of: &quot;&quot; (a plain code), %1</source>
        <translation>keiner dieser Werte: &quot;&quot; (ein einfacher Code), %1</translation>
    </message>
    <message>
        <source>not one of: %1</source>
        <translation>keiner dieser Werte: %1</translation>
    </message>
    <message>
        <source>an entry in use needs its encode ID; leave the entry out to empty it</source>
        <translation>ein belegter Eintrag braucht seine Codier-ID; lassen Sie den Eintrag weg, um ihn zu leeren</translation>
    </message>
    <message>
        <source>more than %1 digits</source>
        <translation>mehr als %1 Ziffern</translation>
    </message>
    <message>
        <source>the plain code %1</source>
        <translation>der einfache Code %1</translation>
    </message>
    <message>
        <source>reads back as %1</source>
        <translation>wird zurückgelesen als %1</translation>
    </message>
    <message>
        <source>outside %1-%2 Hz</source>
        <translation>außerhalb %1-%2 Hz</translation>
    </message>
    <message>
        <source>not a frequency in Hz</source>
        <translation>keine Frequenz in Hz</translation>
    </message>
    <message>
        <source>not a frequency in Hz (empty for none)</source>
        <translation>keine Frequenz in Hz (leer für keine)</translation>
    </message>
    <message>
        <source>missing: a new entry needs its first tone</source>
        <translation>fehlt: ein neuer Eintrag braucht seinen ersten Ton</translation>
    </message>
</context>
<context>
    <name>signalling::twotone::texts</name>
    <message>
        <source>Encode</source>
        <translation>Codierung</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Decodierung</translation>
    </message>
    <message>
        <source>1st Tone Duration(s)</source>
        <translation>Dauer 1. Ton(s)</translation>
    </message>
    <message>
        <source>2nd Tone Duration(s)</source>
        <translation>Dauer 2. Ton(s)</translation>
    </message>
    <message>
        <source>Long Tone Duration(s)</source>
        <translation>Dauer Langton(s)</translation>
    </message>
    <message>
        <source>Gap Time(ms)</source>
        <translation>Pausenzeit(ms)</translation>
    </message>
    <message>
        <source>Auto Reset Time(s)</source>
        <translation>Automatische Rücksetzzeit(s)</translation>
    </message>
    <message>
        <source>Side Tone</source>
        <translation>Mithörton</translation>
    </message>
    <message>
        <source>Please Input: 288- 3116Hz</source>
        <translation>Bitte eingeben: 288- 3116Hz</translation>
    </message>
    <message>
        <source>2Tone Encode List</source>
        <translation>Zweiton-Codierliste</translation>
    </message>
    <message>
        <source>2Tone Call Format</source>
        <translation>Zweiton-Rufformat</translation>
    </message>
    <message>
        <source>Decode Response</source>
        <translation>Antwort auf Decodierung</translation>
    </message>
    <message>
        <source>%1 %2 lies outside 288.0-3116.0 Hz: set to %3</source>
        <translation>%1 %2 liegt außerhalb 288,0-3116,0 Hz: auf %3 gesetzt</translation>
    </message>
    <message>
        <source>%1 cannot be empty: set to %2</source>
        <translation>%1 darf nicht leer sein: auf %2 gesetzt</translation>
    </message>
    <message>
        <source>ATone Frequency(Hz)</source>
        <translation>Frequenz Ton A(Hz)</translation>
    </message>
    <message>
        <source>BTone Frequency(Hz)</source>
        <translation>Frequenz Ton B(Hz)</translation>
    </message>
    <message>
        <source>CTone Frequency(Hz)</source>
        <translation>Frequenz Ton C(Hz)</translation>
    </message>
    <message>
        <source>DTone Frequency(Hz)</source>
        <translation>Frequenz Ton D(Hz)</translation>
    </message>
</context>
</TS>
