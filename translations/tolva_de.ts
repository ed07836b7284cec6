<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show these options and end.</source>
        <translation>Zeigt diese Optionen an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>With --identify: read bleem!.INI from &lt;folder&gt; instead of where it is usually found.</source>
        <translation>Mit --identify: liest bleem!.INI aus &lt;ordner&gt; statt vom üblichen Ort.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>ordner</translation>
    </message>
    <message>
        <source>Open the bleem!.INI of this folder (and the Compatibility.TXT beside it) for this run, leaving the stored settings as they are.</source>
        <translation>Öffnet für diesen Start die bleem!.INI dieses Ordners (und die Compatibility.TXT daneben); die gespeicherten Einstellungen bleiben unverändert.</translation>
    </message>
    <message>
        <source>tolva: %1
Try &apos;tolva --help&apos; for the options.
</source>
        <translation>tolva: %1
»tolva --help« zeigt die Optionen.
</translation>
    </message>
    <message>
        <source>one FOLDER at most, not %1</source>
        <translation>höchstens ein ORDNER, nicht %1</translation>
    </message>
    <message>
        <source>There is no %1 in %2.

tolva! looks for it where it usually does.</source>
        <translation>In %2 gibt es keine %1.

tolva! sucht sie am üblichen Ort.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Print a table of the discs named instead of FOLDER (disc images, drives, or folders of images, walked with their subfolders): file, product code, disc IDs, title, where the title comes from, status in bleem!.INI, and why a disc cannot be read; then end. Status 0 when every disc was read, 1 when some could not be, 2 for wrong usage.</source>
        <translation>Gibt statt FOLDER eine Tabelle der genannten Discs aus (Disc-Images, Laufwerke oder Ordner mit Images, samt Unterordnern): Datei, Produktcode, Disc-IDs, Titel, Herkunft des Titels, Status in bleem!.INI und warum eine Disc nicht gelesen werden kann; dann Ende. Status 0, wenn jede Disc gelesen wurde, 1, wenn einige nicht gelesen werden konnten, 2 bei falscher Verwendung.</translation>
    </message>
    <message>
        <source>With --identify: read Compatibility.TXT from &lt;folder&gt; instead of where it is usually found.</source>
        <translation>Mit --identify: Compatibility.TXT aus &lt;folder&gt; lesen statt von dort, wo sie sonst gefunden wird.</translation>
    </message>
    <message>
        <source>With --identify: tsv (a header line, then tab-separated lines; the default) or json (an array of objects).</source>
        <translation>Mit --identify: tsv (eine Kopfzeile, dann durch Tabulatoren getrennte Zeilen; die Vorgabe) oder json (ein Array von Objekten).</translation>
    </message>
    <message>
        <source>A companion for the game database files of bleem!: bleem!.INI and Compatibility.TXT.

Example: tolva --identify ~/Games/PSX --ini ~/bleem --format json</source>
        <translation>Ein Begleiter für die Spieldatenbanken von bleem!: bleem!.INI und Compatibility.TXT.

Beispiel: tolva --identify ~/Games/PSX --ini ~/bleem --format json</translation>
    </message>
    <message>
        <source>[FOLDER | --identify DISC-OR-FOLDER... [--ini FOLDER] [--txt FOLDER] [--format tsv|json]]</source>
        <translation>[FOLDER | --identify DISC-ODER-ORDNER... [--ini FOLDER] [--txt FOLDER] [--format tsv|json]]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt ein Wert.</translation>
    </message>
    <message>
        <source>--identify needs at least one disc image, drive or folder</source>
        <translation>--identify braucht mindestens ein Disc-Image, ein Laufwerk oder einen Ordner</translation>
    </message>
    <message>
        <source>--format takes tsv or json, not &apos;%1&apos;</source>
        <translation>--format nimmt tsv oder json, nicht „%1“</translation>
    </message>
    <message>
        <source>%1 goes with --identify</source>
        <translation>%1 gehört zu --identify</translation>
    </message>
</context>
<context>
    <name>CommonError</name>
    <message>
        <source>Description : %1<byte value="xd"/>
Modul : %2<byte value="xd"/>
<byte value="xd"/>
please contact me : %3<byte value="xd"/>
<byte value="xd"/>
Resume?</source>
        <translation>Beschreibung : %1<byte value="xd"/>
Modul : %2<byte value="xd"/>
<byte value="xd"/>
Bitte wenden Sie sich an : %3<byte value="xd"/>
<byte value="xd"/>
Fortfahren?</translation>
    </message>
    <message>
        <source>%1 Critical Error</source>
        <translation>%1 Schwerer Fehler</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>cannot add the entry to %1: %2</source>
        <translation>Der Eintrag kann nicht zu %1 hinzugefügt werden: %2</translation>
    </message>
    <message>
        <source>cannot add the entries to %1: %2</source>
        <translation>Die Einträge können nicht zu %1 hinzugefügt werden: %2</translation>
    </message>
    <message>
        <source>cannot change the entry in %1: %2</source>
        <translation>Der Eintrag in %1 kann nicht geändert werden: %2</translation>
    </message>
    <message>
        <source>cannot remove the entry from %1: %2</source>
        <translation>Der Eintrag kann nicht aus %1 entfernt werden: %2</translation>
    </message>
    <message>
        <source>cannot change an entry of %1: no game is selected</source>
        <translation>Kein Eintrag von %1 kann geändert werden: Es ist kein Spiel ausgewählt</translation>
    </message>
    <message>
        <source>cannot remove an entry from %1: no game is selected</source>
        <translation>Kein Eintrag kann aus %1 entfernt werden: Es ist kein Spiel ausgewählt</translation>
    </message>
    <message>
        <source>cannot read the first line of %1: the file is empty</source>
        <translation>Die erste Zeile von %1 kann nicht gelesen werden: Die Datei ist leer</translation>
    </message>
    <message>
        <source>no active entry has the disc ID %1</source>
        <translation>kein aktiver Eintrag hat die Disc-ID %1</translation>
    </message>
    <message>
        <source>the disc ID contains a line break</source>
        <translation>die Disc-ID enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>the title contains a line break</source>
        <translation>der Titel enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>the flags word contains a line break</source>
        <translation>das Flags-Wort enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Disc ID</source>
        <translation>Disc-ID</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Product Code</source>
        <translation>Produktcode</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Publisher</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Direct3D</source>
        <translation>Direct3D</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Teilweise</translation>
    </message>
    <message>
        <source>Not Yet</source>
        <translation>Noch nicht</translation>
    </message>
    <message>
        <source>Cannot remove the game from %1: %2</source>
        <translation>Das Spiel kann nicht aus %1 entfernt werden: %2</translation>
    </message>
    <message>
        <source>Cannot add or change a game in %1: %2</source>
        <translation>In %1 kann kein Spiel hinzugefügt oder geändert werden: %2</translation>
    </message>
    <message>
        <source>%1; the file was left unchanged</source>
        <translation>%1; die Datei blieb unverändert</translation>
    </message>
    <message>
        <source>it was not read whole when last loaded (more than %1 entries, or a read error), and writing now could lose what was not read</source>
        <translation>sie wurde beim letzten Laden nicht vollständig gelesen (mehr als %1 Einträge oder ein Lesefehler), und Schreiben könnte jetzt verlieren, was nicht gelesen wurde</translation>
    </message>
    <message>
        <source>the file has %1 lines, more than the %2 a change can hold</source>
        <translation>die Datei hat %1 Zeilen, mehr als die %2, die eine Änderung fassen kann</translation>
    </message>
    <message>
        <source>the entry with the disc ID %1 cannot be told apart safely: it or an entry before it does not have exactly one Title line (Clean Up writes every entry so again)</source>
        <translation>der Eintrag mit der Disc-ID %1 lässt sich nicht sicher unterscheiden: Er oder ein Eintrag davor hat nicht genau eine Title-Zeile (Aufräumen schreibt jeden Eintrag wieder so)</translation>
    </message>
    <message>
        <source>the entry with the disc ID %1 cannot be told apart safely: it or an entry before it does not have exactly one Flags line (Clean Up writes every entry so again)</source>
        <translation>der Eintrag mit der Disc-ID %1 lässt sich nicht sicher unterscheiden: Er oder ein Eintrag davor hat nicht genau eine Flags-Zeile (Aufräumen schreibt jeden Eintrag wieder so)</translation>
    </message>
    <message>
        <source>the entry with the disc ID %1 titled &quot;%2&quot; is no longer in the file as it was loaded</source>
        <translation>der Eintrag mit der Disc-ID %1 und dem Titel »%2« steht nicht mehr so in der Datei, wie er geladen wurde</translation>
    </message>
    <message>
        <source>%1 holds more than %2 records: the records after the %3th are left out</source>
        <translation>%1 enthält mehr als %2 Datensätze: Die Datensätze nach dem %3. werden ausgelassen</translation>
    </message>
</context>
<context>
    <name>DiscCollectionFORM</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Product Code</source>
        <translation>Produktcode</translation>
    </message>
    <message>
        <source>Disc ID</source>
        <translation>Disc-ID</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: cannot create a temporary file in %2: %3</source>
        <translation>%1 kann nicht geschrieben werden: In %2 kann keine temporäre Datei angelegt werden: %3</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>die Datei ist größer als %1</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
</context>
<context>
    <name>Flags</name>
    <message>
        <source>Alternate Display Mode on</source>
        <translation>Alternativer Anzeigemodus an</translation>
    </message>
    <message>
        <source>Enable Frame Skip off</source>
        <translation>„Frame Skip aktivieren“ aus</translation>
    </message>
    <message>
        <source>Alternate Display Mode : On in Software Mode, Off in D3D</source>
        <translation>Alternativer Anzeigemodus : an im Software-Modus, aus in D3D</translation>
    </message>
    <message>
        <source>Frame Skip : Off in Software Mode / On in D3D</source>
        <translation>Frame Skip : aus im Software-Modus / an in D3D</translation>
    </message>
    <message>
        <source>No problems</source>
        <translation>Keine Probleme</translation>
    </message>
    <message>
        <source>Must Skip opening MDEC&apos;s</source>
        <translation>Eröffnungs-MDECs müssen übersprungen werden</translation>
    </message>
    <message>
        <source>Some Videos may not play - to skip them, press START and/or X</source>
        <translation>Manche Videos laufen eventuell nicht – zum Überspringen START und/oder X drücken</translation>
    </message>
    <message>
        <source>Opening MDEC&apos;s do not display</source>
        <translation>Eröffnungs-MDECs werden nicht angezeigt</translation>
    </message>
    <message>
        <source>Some Video Sequences do not display</source>
        <translation>Manche Videosequenzen werden nicht angezeigt</translation>
    </message>
    <message>
        <source>Some CD-ROM drives may not be able to play this game.</source>
        <translation>Manche CD-ROM-Laufwerke können das Spiel nicht lesen.</translation>
    </message>
    <message>
        <source>Some CDROM/DVDROM Units are incompatible with this game</source>
        <translation>Manche CD-ROM-/DVD-ROM-Laufwerke sind mit diesem Spiel nicht kompatibel</translation>
    </message>
    <message>
        <source>No problems, load and save works properly</source>
        <translation>Keine Probleme, Laden und Speichern funktionieren einwandfrei</translation>
    </message>
    <message>
        <source>Can Load but not Save</source>
        <translation>Laden möglich, Speichern nicht</translation>
    </message>
    <message>
        <source>Game Saves can be loaded, but not saved</source>
        <translation>Spielstände können geladen, aber nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Can Save but not Load</source>
        <translation>Speichern möglich, Laden nicht</translation>
    </message>
    <message>
        <source>Game Saves can be saved, but not loaded</source>
        <translation>Spielstände können gespeichert, aber nicht geladen werden</translation>
    </message>
    <message>
        <source>Cannot Save or Load</source>
        <translation>Weder Speichern noch Laden möglich</translation>
    </message>
    <message>
        <source>Memory Cards will automatically be disabled to operate</source>
        <translation>Memory Cards werden für den Betrieb automatisch abgeschaltet</translation>
    </message>
    <message>
        <source>Some parts can save and load, but not other parts</source>
        <translation>Manche Teile können speichern und laden, andere nicht</translation>
    </message>
    <message>
        <source>Game Saves can be loaded and saved for some game functions only</source>
        <translation>Spielstände können nur für einige Spielfunktionen geladen und gespeichert werden</translation>
    </message>
    <message>
        <source>Perfect sound, no errors</source>
        <translation>Perfekter Ton, keine Fehler</translation>
    </message>
    <message>
        <source>Sound is missing</source>
        <translation>Ton fehlt</translation>
    </message>
    <message>
        <source>No sound effects and/or music will be heard</source>
        <translation>Es sind keine Soundeffekte und/oder keine Musik zu hören</translation>
    </message>
    <message>
        <source>Minor Sound Problems</source>
        <translation>Kleine Tonprobleme</translation>
    </message>
    <message>
        <source>Some sound effects and/or music may exhibit minor flaws</source>
        <translation>Manche Soundeffekte und/oder Musikstücke können kleine Fehler zeigen</translation>
    </message>
    <message>
        <source>Major Sound Problems</source>
        <translation>Große Tonprobleme</translation>
    </message>
    <message>
        <source>Some sound effects and/or music may exhibit flaws (Major Sound Problems)</source>
        <translation>Manche Soundeffekte und/oder Musikstücke können Fehler zeigen (große Tonprobleme)</translation>
    </message>
    <message>
        <source>Repeating sound</source>
        <translation>Ton wiederholt sich</translation>
    </message>
    <message>
        <source>Some sound effects and/or music may exhibit flaws (Repeating sound)</source>
        <translation>Manche Soundeffekte und/oder Musikstücke können Fehler zeigen (Ton wiederholt sich)</translation>
    </message>
    <message>
        <source>Minor choppiness</source>
        <translation>Leichtes Stocken</translation>
    </message>
    <message>
        <source>Some sound effects and/or music may exhibit flaws (Minor choppiness)</source>
        <translation>Manche Soundeffekte und/oder Musikstücke können Fehler zeigen (leichtes Stocken)</translation>
    </message>
    <message>
        <source>Major choppiness</source>
        <translation>Starkes Stocken</translation>
    </message>
    <message>
        <source>Some sound effects and/or music may exhibit flaws (Major choppiness)</source>
        <translation>Manche Soundeffekte und/oder Musikstücke können Fehler zeigen (starkes Stocken)</translation>
    </message>
    <message>
        <source>Perfect display, no errors</source>
        <translation>Perfekte Darstellung, keine Fehler</translation>
    </message>
    <message>
        <source>Minor Graphics Problems</source>
        <translation>Kleine Grafikprobleme</translation>
    </message>
    <message>
        <source>Some graphics may exhibit minor flaws</source>
        <translation>Manche Grafiken können kleine Fehler zeigen</translation>
    </message>
    <message>
        <source>D3D Graphical Problems</source>
        <translation>D3D-Grafikprobleme</translation>
    </message>
    <message>
        <source>Direct3D Enhancements may exhibit some flaws</source>
        <translation>Die Direct3D-Verbesserungen können einige Fehler zeigen</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>cannot keep the previous version, so the change could not be taken back: %1</source>
        <translation>Die vorige Version kann nicht aufbewahrt werden, die Änderung ließe sich also nicht zurücknehmen: %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot put the earlier version back into %1: %2</source>
        <translation>Die frühere Version kann nicht nach %1 zurückgeschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>Connecting to the Mail Server ...</source>
        <translation>Verbindung zum Mailserver wird hergestellt ...</translation>
    </message>
    <message>
        <source>Error sending mail...</source>
        <translation>Fehler beim Senden der E-Mail...</translation>
    </message>
    <message>
        <source>Sending cancelled...</source>
        <translation>Senden abgebrochen...</translation>
    </message>
    <message>
        <source>Waiting for the server&apos;s reply...</source>
        <translation>Warten auf die Antwort des Servers...</translation>
    </message>
    <message>
        <source>Mail Server is ready...</source>
        <translation>Mailserver ist bereit...</translation>
    </message>
    <message>
        <source>Sending Rset to server...</source>
        <translation>RSET wird an den Server gesendet...</translation>
    </message>
    <message>
        <source>Sending FROM command...</source>
        <translation>FROM-Befehl wird gesendet...</translation>
    </message>
    <message>
        <source>Sending RCPT command...</source>
        <translation>RCPT-Befehl wird gesendet...</translation>
    </message>
    <message>
        <source>Sending DATA command...</source>
        <translation>DATA-Befehl wird gesendet...</translation>
    </message>
    <message>
        <source>Sending Quit command to disconnecting from mail server...</source>
        <translation>QUIT-Befehl wird gesendet, um die Verbindung zum Mailserver zu trennen...</translation>
    </message>
    <message>
        <source>Disconnected from mail server after error...</source>
        <translation>Nach einem Fehler vom Mailserver getrennt...</translation>
    </message>
    <message>
        <source>Disconnected from mail server...</source>
        <translation>Vom Mailserver getrennt...</translation>
    </message>
    <message>
        <source>the server&apos;s reply runs beyond %1 bytes</source>
        <translation>die Antwort des Servers ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>the server asked for the message a second time</source>
        <translation>der Server hat die Nachricht ein zweites Mal angefordert</translation>
    </message>
</context>
<context>
    <name>Servers</name>
    <message>
        <source>Password of %1 on %2:</source>
        <translation>Passwort von %1 auf %2:</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be trusted: %2.</source>
        <translation>Dem Zertifikat von %1 kann nicht vertraut werden: %2.</translation>
    </message>
    <message>
        <source>It is not the certificate you trusted for this server before.</source>
        <translation>Es ist nicht das Zertifikat, dem Sie für diesen Server früher vertraut haben.</translation>
    </message>
    <message>
        <source>Its SHA-256 fingerprint is:
%1

Trust exactly this certificate for %2?</source>
        <translation>Sein SHA-256-Fingerabdruck ist:
%1

Genau diesem Zertifikat für %2 vertrauen?</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>bleem!.INI can only hold the characters of Windows-1252 (Western European), so these were left out: %1</source>
        <translation>bleem!.INI kann nur Zeichen aus Windows-1252 (Westeuropäisch) aufnehmen, daher wurden diese ausgelassen: %1</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>cannot clean up %1: %2</source>
        <translation>%1 kann nicht aufgeräumt werden: %2</translation>
    </message>
    <message>
        <source>cannot disable the entries in %1: %2</source>
        <translation>Die Einträge in %1 können nicht deaktiviert werden: %2</translation>
    </message>
    <message>
        <source>another program has changed it since it was last read</source>
        <translation>ein anderes Programm hat sie seit dem letzten Lesen geändert</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source> Can&apos;t connect</source>
        <translation> Keine Verbindung</translation>
    </message>
    <message>
        <source> Online Update</source>
        <translation> Online-Update</translation>
    </message>
    <message>
        <source> - No update available</source>
        <translation> - Kein Update verfügbar</translation>
    </message>
    <message>
        <source> Update - Wrong file version</source>
        <translation> Update - Falsche Dateiversion</translation>
    </message>
    <message>
        <source>tolva! failed to connect to the server.

Please establish a internet connection first, before you run tolva! Online Update. When you have any further problems, please check your modem and internet settings.</source>
        <translation>tolva! konnte keine Verbindung zum Server herstellen.

Bitte stellen Sie zuerst eine Internetverbindung her, bevor Sie das Online-Update von tolva! starten. Sollten weiterhin Probleme auftreten, prüfen Sie bitte Ihr Modem und Ihre Interneteinstellungen.</translation>
    </message>
    <message>
        <source>The update on the server holds more than %1, more than tolva! can take.

Nothing was changed.</source>
        <translation>Das Update auf dem Server enthält mehr als %1, mehr als tolva! aufnehmen kann.

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>You&apos;re already using the latest ini update.</source>
        <translation>Sie verwenden bereits das neueste INI-Update.</translation>
    </message>
    <message>
        <source>Your ini file doesn&apos;t match with the current version on the server.
Please check if a new bleem! version is avaible
Your version :%1
The version on the server :%2
</source>
        <translation>Ihre INI-Datei passt nicht zur aktuellen Version auf dem Server.
Bitte prüfen Sie, ob eine neue bleem!-Version verfügbar ist
Ihre Version :%1
Die Version auf dem Server :%2
</translation>
    </message>
    <message>
        <source>We are not responsible for any incorrect information; all information is directly coming from bleem!, inc. or sent to us by tolva! users via the &apos;Mail to tolva!&apos; function. However, if you find an entry to be incorrect, please send us a corrected entry.
Thank you for your support.</source>
        <translation>Wir übernehmen keine Verantwortung für fehlerhafte Angaben; alle Angaben stammen direkt von bleem!, inc. oder wurden uns von tolva!-Benutzern über die Funktion „Mail an tolva!“ gesendet. Sollten Sie dennoch einen fehlerhaften Eintrag finden, senden Sie uns bitte einen korrigierten Eintrag.
Vielen Dank für Ihre Unterstützung.</translation>
    </message>
    <message>
        <source>The update was cancelled. Nothing was changed.</source>
        <translation>Das Update wurde abgebrochen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>While processing the ini-update an error occured.

Source : %1
Description : %2</source>
        <translation>Beim Verarbeiten des INI-Updates ist ein Fehler aufgetreten.

Quelle : %1
Beschreibung : %2</translation>
    </message>
    <message>
        <source>Your bleem!.ini cannot be updated: %1.

The update was not started; nothing was changed.</source>
        <translation>Ihre bleem!.ini kann nicht aktualisiert werden: %1.

Das Update wurde nicht gestartet; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Your bleem!.ini holds %1 entries; adding the %2 marked entries would take it beyond the %3 entries tolva! can read.

Please mark at most %4 entries. Nothing was written.</source>
        <translation>Ihre bleem!.ini enthält %1 Einträge; mit den %2 markierten Einträgen würde sie die %3 Einträge überschreiten, die tolva! lesen kann.

Bitte markieren Sie höchstens %4 Einträge. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 (Yes!)</source>
        <translation>%1 (Ja!)</translation>
    </message>
    <message>
        <source>%1 (Not Yet)</source>
        <translation>%1 (Noch nicht)</translation>
    </message>
    <message>
        <source>%1 (Partially)</source>
        <translation>%1 (Teilweise)</translation>
    </message>
    <message>
        <source>the download was cancelled</source>
        <translation>der Download wurde abgebrochen</translation>
    </message>
    <message>
        <source>no answer from the server for %1</source>
        <translation>seit %1 keine Antwort vom Server</translation>
    </message>
    <message>
        <source>the server answered &quot;%1&quot;</source>
        <translation>der Server antwortete »%1«</translation>
    </message>
    <message>
        <source>the server closed the connection before its response header ended</source>
        <translation>der Server hat die Verbindung vor dem Ende seines Antwort-Headers geschlossen</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the server sent the update to %1, which is not an http address</source>
        <translation>der Server hat das Update an %1 verwiesen, und das ist keine HTTP-Adresse</translation>
    </message>
    <message>
        <source>the server sent the update elsewhere more than %1 times</source>
        <translation>der Server hat das Update öfter als %1-mal an eine andere Adresse verwiesen</translation>
    </message>
    <message>
        <source>the server took longer than %1 to send the update</source>
        <translation>der Server brauchte länger als %1, um das Update zu senden</translation>
    </message>
    <message>
        <source>the server sent more than %1 bytes, more than an update can be</source>
        <translation>der Server hat mehr als %1 Bytes gesendet, mehr als ein Update sein kann</translation>
    </message>
    <message>
        <source>the file holds more than %1 bytes, more than an update can be</source>
        <translation>die Datei enthält mehr als %1 Bytes, mehr als ein Update sein kann</translation>
    </message>
    <message>
        <source>the server announced two different Content-Length values</source>
        <translation>der Server hat zwei verschiedene Content-Length-Werte angekündigt</translation>
    </message>
    <message>
        <source>a chunk of the server&apos;s reply is longer than its size says</source>
        <translation>ein Chunk der Serverantwort ist länger als seine Größenangabe</translation>
    </message>
    <message>
        <source>the server closed the connection before the last chunk of its reply</source>
        <translation>der Server hat die Verbindung vor dem letzten Chunk seiner Antwort geschlossen</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>%1 milliseconds</source>
        <translation>%1 Millisekunden</translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>This digit code is already used by another game<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Dieser Zifferncode wird bereits von einem anderen Spiel verwendet<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Tolva! wasn&apos;t able to find a DiscID for this cd.<byte value="xd"/>
Please get the ID using bleem! and mail it, together with the region code (%1), to us.</source>
        <translation>Tolva! konnte für diese CD keine Disc-ID finden.<byte value="xd"/>
Bitte ermitteln Sie die ID mit bleem! und senden Sie sie uns zusammen mit dem Regionscode (%1) per E-Mail.</translation>
    </message>
    <message>
        <source>the file holds no BOOT line</source>
        <translation>die Datei enthält keine BOOT-Zeile</translation>
    </message>
    <message>
        <source>This means that the game runs as good as on a real playstation or even better.</source>
        <translation>Das bedeutet, dass das Spiel so gut wie auf einer echten PlayStation läuft oder sogar besser.</translation>
    </message>
    <message>
        <source>The game has small graphics errors, e.g. translucency problems, corrupt loading/title screens etc.</source>
        <translation>Das Spiel hat kleine Grafikfehler, z. B. Probleme mit Transparenz, fehlerhafte Lade-/Titelbildschirme usw.</translation>
    </message>
    <message>
        <source>The game has graphics problems running in D3D, e.g. menus or parts of the screen don&apos;t display, parts of the screen are flickering, screens don&apos;t update etc.</source>
        <translation>Das Spiel hat unter D3D Grafikprobleme, z. B. werden Menüs oder Teile des Bildschirms nicht angezeigt, Teile des Bildschirms flackern, Bildschirme werden nicht aktualisiert usw.</translation>
    </message>
    <message>
        <source>The game has small sound errors, e.g. muffled sound, low sounds, distorted speech/sound, etc.</source>
        <translation>Das Spiel hat kleine Tonfehler, z. B. dumpfen Ton, leise Geräusche, verzerrte Sprache bzw. verzerrten Ton usw.</translation>
    </message>
    <message>
        <source>The game has sound errors, e.g. real choppy MDEC sound, missing or cut off sounds, etc.</source>
        <translation>Das Spiel hat Tonfehler, z. B. stark stockenden MDEC-Ton, fehlende oder abgeschnittene Geräusche usw.</translation>
    </message>
    <message>
        <source>The memory card function will be disabled</source>
        <translation>Die Memory-Card-Funktion wird abgeschaltet</translation>
    </message>
    <message>
        <source>Movies skip automatically.</source>
        <translation>Videos werden automatisch übersprungen.</translation>
    </message>
    <message>
        <source>Since a PC CD-Rom is much faster than the one a PSX uses, some games may experience problems because the data got transferred too fast.</source>
        <translation>Da ein CD-ROM-Laufwerk im PC viel schneller ist als das der PSX, können manche Spiele Probleme bekommen, weil die Daten zu schnell übertragen werden.</translation>
    </message>
    <message>
        <source>Please rate the graphic quality of this game using bleem! :</source>
        <translation>Bitte bewerten Sie die Grafikqualität dieses Spiels unter bleem! :</translation>
    </message>
    <message>
        <source>Attention : Any Major graphics problems will usually make the game fail, you shouldn&apos;t rate this game as compatible.</source>
        <translation>Achtung : Große Grafikprobleme machen das Spiel in der Regel unspielbar; Sie sollten dieses Spiel dann nicht als kompatibel bewerten.</translation>
    </message>
    <message>
        <source>Please rate the sound quality of this game using bleem! :</source>
        <translation>Bitte bewerten Sie die Tonqualität dieses Spiels unter bleem! :</translation>
    </message>
    <message>
        <source>Does this game support the memory cards ?</source>
        <translation>Unterstützt dieses Spiel die Memory Cards ?</translation>
    </message>
    <message>
        <source>MDEC and CD-ROM Problems</source>
        <translation>MDEC- und CD-ROM-Probleme</translation>
    </message>
    <message>
        <source>When bleem! crashes during a movie, choose one of the following options :</source>
        <translation>Wenn bleem! während eines Videos abstürzt, wählen Sie eine der folgenden Optionen :</translation>
    </message>
    <message>
        <source>the disc image is damaged or cut short</source>
        <translation>das Disc-Image ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>the drive holds no disc, or it cannot be read</source>
        <translation>im Laufwerk liegt keine Disc, oder sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is no disc image and no drive</source>
        <translation>es ist weder ein Disc-Image noch ein Laufwerk</translation>
    </message>
    <message>
        <source>the file is empty, so it is no disc image</source>
        <translation>die Datei ist leer und daher kein Disc-Image</translation>
    </message>
    <message>
        <source>the CUE sheet names no data track</source>
        <translation>das CUE-Sheet nennt keine Datenspur</translation>
    </message>
    <message>
        <source>its first track holds no data</source>
        <translation>seine erste Spur enthält keine Daten</translation>
    </message>
    <message>
        <source>the file is too large to be a boot file</source>
        <translation>die Datei ist zu groß für eine Boot-Datei</translation>
    </message>
</context>
<context>
    <name>tolva::ChangeWatch</name>
    <message>
        <source>%1 was deleted or cannot be read any more (%2).<byte value="xd"/>
<byte value="xd"/>
The list stays as it was, and nothing is written in the file&apos;s place.</source>
        <translation>%1 wurde gelöscht oder kann nicht mehr gelesen werden (%2).<byte value="xd"/>
<byte value="xd"/>
Die Liste bleibt, wie sie ist, und an die Stelle der Datei wird nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>tolva::CleanUpFORM</name>
    <message>
        <source> Clean Up</source>
        <translation> Aufräumen</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Aufräumen</translation>
    </message>
    <message>
        <source>This wizard helps you to clean up the data in the bleem!.ini ! All comments will be removed and the entries will get sorted.</source>
        <translation>Dieser Assistent hilft Ihnen, die Daten in der bleem!.ini aufzuräumen! Alle Kommentare werden entfernt und die Einträge sortiert.</translation>
    </message>
    <message>
        <source>If you want to copy additional information from the compatiblity.txt into the bleem! ini file, choose it from below :</source>
        <translation>Wenn Sie zusätzliche Angaben aus der compatibility.txt in die bleem!-INI-Datei übernehmen möchten, wählen Sie sie unten aus :</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Publisher</translation>
    </message>
    <message>
        <source>Product Code</source>
        <translation>Produktcode</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Works?</source>
        <translation>Läuft?</translation>
    </message>
    <message>
        <source>D3D Enhanced?</source>
        <translation>D3D-verbessert?</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>before</source>
        <translation>vor</translation>
    </message>
    <message>
        <source>or after</source>
        <translation>oder nach</translation>
    </message>
    <message>
        <source>Add the comments before the entry</source>
        <translation>Die Kommentare vor dem Eintrag einfügen</translation>
    </message>
    <message>
        <source>Add the comments after the entry</source>
        <translation>Die Kommentare nach dem Eintrag einfügen</translation>
    </message>
    <message>
        <source>Add the comments</source>
        <translation>Die Kommentare</translation>
    </message>
    <message>
        <source>the entry.</source>
        <translation>dem Eintrag einfügen.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
    <message>
        <source>Show the lines Finish would change in bleem!.ini.</source>
        <translation>Zeigt die Zeilen, die „Fertig stellen“ in bleem!.ini ändern würde.</translation>
    </message>
    <message>
        <source>Activate the following option when you want to sort the ini afterwards :</source>
        <translation>Aktivieren Sie die folgende Option, wenn Sie die INI anschließend sortieren möchten :</translation>
    </message>
    <message>
        <source>Clean Up the ini afterwards</source>
        <translation>Die INI anschließend aufräumen</translation>
    </message>
</context>
<context>
    <name>tolva::DiscCollectionFORM</name>
    <message>
        <source> Disc Collection</source>
        <translation> Disc-Sammlung</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Einlesen</translation>
    </message>
    <message>
        <source>Read every disc image of the folder and its subfolders.</source>
        <translation>Jedes Disc-Image des Ordners und seiner Unterordner lesen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Discs read</source>
        <translation>Gelesene Discs</translation>
    </message>
    <message>
        <source>%v of %m discs read</source>
        <translation>%v von %m Discs gelesen</translation>
    </message>
    <message>
        <source>&amp;Only discs not in bleem!.INI</source>
        <translation>Nur Discs, die &amp;nicht in bleem!.INI stehen</translation>
    </message>
    <message>
        <source>Discs</source>
        <translation>Discs</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>Give the selected disc its entry in bleem!.INI with the wizard.</source>
        <translation>Der gewählten Disc mit dem Assistenten ihren Eintrag in bleem!.INI geben.</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the shown discs, in the shown order, to a CSV file.</source>
        <translation>Die gezeigten Discs in der gezeigten Reihenfolge in eine CSV-Datei schreiben.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>Es gibt keinen Ordner %1.</translation>
    </message>
    <message>
        <source>Yes: %1, Partial: %2, Not Yet: %3, not in bleem!.INI: %4, cannot be read: %5; %6 discs</source>
        <translation>Ja: %1, Teilweise: %2, Noch nicht: %3, nicht in bleem!.INI: %4, nicht lesbar: %5; %6 Discs</translation>
    </message>
    <message>
        <source>disc collection</source>
        <translation>Disc-Sammlung</translation>
    </message>
    <message>
        <source>Disc Collection.csv</source>
        <translation>Disc-Sammlung.csv</translation>
    </message>
</context>
<context>
    <name>tolva::DownloadWindow</name>
    <message>
        <source> Online Update</source>
        <translation> Online-Update</translation>
    </message>
    <message>
        <source>tolva! will now connect to the server to transfer the latest update information.</source>
        <translation>tolva! verbindet sich jetzt mit dem Server, um die neuesten Update-Informationen zu übertragen.</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Fortschritt des Downloads</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tolva::ExportCsv</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The %1 is never written over bleem!.INI or Compatibility.TXT. Please choose another file.</source>
        <translation>Der Export (%1) wird nie über bleem!.INI oder Compatibility.TXT geschrieben. Bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>The %1 was not exported: %2</source>
        <translation>Der Export (%1) ist fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>tolva::GamesTableFORM</name>
    <message>
        <source>(any)</source>
        <translation>(alle)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine Angabe)</translation>
    </message>
    <message>
        <source>No game shown</source>
        <translation>Kein Spiel angezeigt</translation>
    </message>
    <message>
        <source>Yes %1%, Partial %2%, Not Yet %3%</source>
        <translation>Ja %1 %, teilweise %2 %, noch nicht %3 %</translation>
    </message>
    <message>
        <source> Games Table</source>
        <translation> Spieletabelle</translation>
    </message>
    <message>
        <source>Shows the games whose title begins with this text (? any one character, * one or more), or whose disc ID or product code it is.</source>
        <translation>Zeigt die Spiele, deren Titel mit diesem Text beginnt (? ein beliebiges Zeichen, * eines oder mehrere), oder deren Disc-ID oder Produktcode er ist.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Region:</source>
        <translation>&amp;Region:</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation>&amp;Genre:</translation>
    </message>
    <message>
        <source>&amp;Direct3D:</source>
        <translation>&amp;Direct3D:</translation>
    </message>
    <message>
        <source>Status shown:</source>
        <translation>Angezeigter Status:</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;Partial</source>
        <translation>&amp;Teilweise</translation>
    </message>
    <message>
        <source>&amp;Not Yet</source>
        <translation>&amp;Noch nicht</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Yes :</source>
        <translation>Ja :</translation>
    </message>
    <message>
        <source>Partial :</source>
        <translation>Teilweise :</translation>
    </message>
    <message>
        <source>Not Yet :</source>
        <translation>Noch nicht :</translation>
    </message>
    <message>
        <source>Total :</source>
        <translation>Gesamt :</translation>
    </message>
    <message>
        <source>Games not yet shown in the main window were joined to their compatibility records in table order, as clicking them from the top down would.</source>
        <translation>Spiele, die im Hauptfenster noch nicht angezeigt wurden, wurden in Tabellenreihenfolge mit ihren Kompatibilitätsdatensätzen verknüpft, wie es ein Anklicken von oben nach unten täte.</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the shown games, in the shown order, to a CSV file.</source>
        <translation>Schreibt die angezeigten Spiele in der angezeigten Reihenfolge in eine CSV-Datei.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Games Table.csv</source>
        <translation>Spieletabelle.csv</translation>
    </message>
    <message>
        <source>games table</source>
        <translation>Spieletabelle</translation>
    </message>
</context>
<context>
    <name>tolva::HistoryFORM</name>
    <message>
        <source>bleem!.INI was changed by another program since tolva! last wrote it. Replace it all the same with the version before &quot;%1&quot;?</source>
        <translation>bleem!.INI wurde von einem anderen Programm geändert, seit tolva! sie zuletzt geschrieben hat. Trotzdem durch die Version vor »%1« ersetzen?</translation>
    </message>
    <message>
        <source> History</source>
        <translation> Verlauf</translation>
    </message>
    <message>
        <source>Versions of bleem!.INI kept before each change, newest first:</source>
        <translation>Vor jeder Änderung aufbewahrte Versionen von bleem!.INI, neueste zuerst:</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <source>What the current file adds (+) and removes (-) against the chosen version:</source>
        <translation>Was die aktuelle Datei gegenüber der gewählten Version hinzufügt (+) und entfernt (-):</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Put the chosen version back into bleem!.INI.</source>
        <translation>Schreibt die gewählte Version zurück in bleem!.INI.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>No version is kept yet.</source>
        <translation>Es ist noch keine Version aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tolva::Info1FORM</name>
    <message>
        <source>A game is unplayable when :</source>
        <translation>Ein Spiel ist unspielbar, wenn :</translation>
    </message>
    <message>
        <source>- the game doesn&apos;t even start</source>
        <translation>- das Spiel nicht einmal startet</translation>
    </message>
    <message>
        <source>- the game often crashes</source>
        <translation>- das Spiel oft abstürzt</translation>
    </message>
    <message>
        <source>- major graphic errors occur</source>
        <translation>- große Grafikfehler auftreten</translation>
    </message>
    <message>
        <source>- the game runs really slow</source>
        <translation>- das Spiel sehr langsam läuft</translation>
    </message>
</context>
<context>
    <name>tolva::Mail2FORM</name>
    <message>
        <source> Mail</source>
        <translation> E-Mail</translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation>T-Shirt</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <translation>Wie funktioniert das?</translation>
    </message>
    <message>
        <source>It&apos;s easy! Just submit 15 complete compatibility reports for games that are not on bleem!&apos;s Game List. Working or not, the bleem!-team need to know!</source>
        <translation>Ganz einfach! Senden Sie 15 vollständige Kompatibilitätsberichte zu Spielen ein, die nicht auf der Spieleliste von bleem! stehen. Ob sie laufen oder nicht – das bleem!-Team muss es wissen!</translation>
    </message>
    <message>
        <source>If you help bleem! out by testing your games you can get this t-shirt FREE!</source>
        <translation>Wenn Sie bleem! helfen, indem Sie Ihre Spiele testen, bekommen Sie dieses T-Shirt GRATIS!</translation>
    </message>
    <message>
        <source>Click here for more info :</source>
        <translation>Hier klicken für mehr Informationen :</translation>
    </message>
    <message>
        <source>WHOOOOHOOOO!
FREE SWAG!</source>
        <translation>JUHUUUU!
GRATIS-FANARTIKEL!</translation>
    </message>
</context>
<context>
    <name>tolva::MailFORM</name>
    <message>
        <source> Mail</source>
        <translation> E-Mail</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>This wizard allows you to send your bleem!.ini, your comments and your bug reports regarding tolva! directly to the tolva! team.</source>
        <translation>Mit diesem Assistenten können Sie Ihre bleem!.ini, Ihre Kommentare und Ihre Fehlerberichte zu tolva! direkt an das tolva!-Team senden.</translation>
    </message>
    <message>
        <source>If you have added any new entries to your bleem!.ini, which aren&apos;t available via the Update tool, we will add your name to the Readme.TXT.</source>
        <translation>Wenn Sie Ihrer bleem!.ini neue Einträge hinzugefügt haben, die über das Update noch nicht erhältlich sind, nehmen wir Ihren Namen in die Readme.TXT auf.</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name :</translation>
    </message>
    <message>
        <source>E-Mail :</source>
        <translation>E-Mail-Adresse :</translation>
    </message>
    <message>
        <source>Comments &amp;&amp; Suggestions :</source>
        <translation>Kommentare &amp;&amp; Vorschläge :</translation>
    </message>
    <message>
        <source>Comments &amp; Suggestions</source>
        <translation>Kommentare &amp; Vorschläge</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Mail sent</source>
        <translation>E-Mail gesendet</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tolva::MainFORM</name>
    <message>
        <source>&amp;Search :</source>
        <translation>&amp;Suchen :</translation>
    </message>
    <message>
        <source>Search for a particular game in the database.
Titles come first; when no title matches, a disc ID (10 digits) or a product code (SLUS-00707, SLUS_007.07, SLUS00707) finds its game.</source>
        <translation>Sucht ein bestimmtes Spiel in der Datenbank.
Zuerst werden Titel durchsucht; passt kein Titel, findet eine Disc-ID (10 Ziffern) oder ein Produktcode (SLUS-00707, SLUS_007.07, SLUS00707) das zugehörige Spiel.</translation>
    </message>
    <message>
        <source>&amp;Games :</source>
        <translation>S&amp;piele :</translation>
    </message>
    <message>
        <source>The current bleem! game database.</source>
        <translation>Die aktuelle Spieldatenbank von bleem!.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Summarization</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Yes :</source>
        <translation>Ja :</translation>
    </message>
    <message>
        <source>Not Yet :</source>
        <translation>Noch nicht :</translation>
    </message>
    <message>
        <source>Partial :</source>
        <translation>Teilweise :</translation>
    </message>
    <message>
        <source>Total :</source>
        <translation>Gesamt :</translation>
    </message>
    <message>
        <source>Database Version :</source>
        <translation>Datenbankversion :</translation>
    </message>
    <message>
        <source>The current bleem! game database version.</source>
        <translation>Die Version der aktuellen Spieldatenbank von bleem!.</translation>
    </message>
    <message>
        <source>Game Title :</source>
        <translation>Spieltitel :</translation>
    </message>
    <message>
        <source>The name of the game.</source>
        <translation>Der Name des Spiels.</translation>
    </message>
    <message>
        <source>Disc ID :</source>
        <translation>Disc-ID :</translation>
    </message>
    <message>
        <source>The bleem! Disc ID of the game.</source>
        <translation>Die bleem!-Disc-ID des Spiels.</translation>
    </message>
    <message>
        <source>Status :</source>
        <translation>Status :</translation>
    </message>
    <message>
        <source>See if the game works with bleem!</source>
        <translation>Zeigt, ob das Spiel mit bleem! läuft</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>See if the game support D3D Enhanced! (only available on enabled &apos;Automatic Compatibility Reload&apos;)</source>
        <translation>Zeigt, ob das Spiel D3D Enhanced! unterstützt (nur bei eingeschaltetem „Kompatibilitätsdaten automatisch laden“)</translation>
    </message>
    <message>
        <source>Direct3D</source>
        <translation>Direct3D</translation>
    </message>
    <message>
        <source>Product Code :</source>
        <translation>Produktcode :</translation>
    </message>
    <message>
        <source>The game&apos;s product code.</source>
        <translation>Der Produktcode des Spiels.</translation>
    </message>
    <message>
        <source>Publisher :</source>
        <translation>Publisher :</translation>
    </message>
    <message>
        <source>The game&apos;s publisher.</source>
        <translation>Der Publisher des Spiels.</translation>
    </message>
    <message>
        <source>Region :</source>
        <translation>Region :</translation>
    </message>
    <message>
        <source>The game&apos;s country code. (U/C : United States/Canada, J : Japan, PAL : Pretty much everyplace else, ALL : All three regions)</source>
        <translation>Der Ländercode des Spiels. (U/C : USA/Kanada, J : Japan, PAL : so ziemlich überall sonst, ALL : alle drei Regionen)</translation>
    </message>
    <message>
        <source>Details :</source>
        <translation>Details :</translation>
    </message>
    <message>
        <source>Advanced Graphics Settings</source>
        <translation>Erweiterte Grafikeinstellungen</translation>
    </message>
    <message>
        <source>Alternate Display Mode on</source>
        <translation>Alternativer Anzeigemodus an</translation>
    </message>
    <message>
        <source>Enable Frame Skip off</source>
        <translation>„Frame Skip aktivieren“ aus</translation>
    </message>
    <message>
        <source>Alternate Display Mode : On in Software Mode, Off in D3D</source>
        <translation>Alternativer Anzeigemodus : an im Software-Modus, aus in D3D</translation>
    </message>
    <message>
        <source>Frame Skip : Off in Software Mode / On in D3D</source>
        <translation>Frame Skip : aus im Software-Modus / an in D3D</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Memory Cards</source>
        <translation>Memory Cards</translation>
    </message>
    <message>
        <source>Other (MDEC and CD-ROM)</source>
        <translation>Sonstiges (MDEC und CD-ROM)</translation>
    </message>
    <message>
        <source>Add/Edit</source>
        <translation>Neu/Ändern</translation>
    </message>
    <message>
        <source>Add a game to the bleem! game database, or change the existing game informations.</source>
        <translation>Fügt der Spieldatenbank von bleem! ein Spiel hinzu oder ändert die Angaben eines vorhandenen Spiels.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Disable the selected game entry from the database.</source>
        <translation>Deaktiviert den Eintrag des ausgewählten Spiels in der Datenbank.</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Aufräumen</translation>
    </message>
    <message>
        <source>Clean up the bleem!.ini data.</source>
        <translation>Räumt die Daten der bleem!.ini auf.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close tolva!</source>
        <translation>Beendet tolva!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Add/Edit Item</source>
        <translation>Eintrag hinzufügen/ändern</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Online Update (based on MSWINSCK)</source>
        <translation>Online-Update (über MSWINSCK)</translation>
    </message>
    <message>
        <source>Online Update (based on MSINET)</source>
        <translation>Online-Update (über MSINET)</translation>
    </message>
    <message>
        <source>Mail to Tolva!</source>
        <translation>Mail an Tolva!</translation>
    </message>
    <message>
        <source>More information about the selected game</source>
        <translation>Weitere Informationen zum ausgewählten Spiel</translation>
    </message>
    <message>
        <source>Games Table...</source>
        <translation>Spieletabelle...</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Select another bleem!.ini file.</source>
        <translation>Eine andere bleem!.ini-Datei wählen.</translation>
    </message>
    <message>
        <source>Select another Compatibility.txt file.</source>
        <translation>Eine andere Compatibility.txt-Datei wählen.</translation>
    </message>
    <message>
        <source>Automatic Compatibility Reload (Switch off for better performance)</source>
        <translation>Kompatibilitätsdaten automatisch laden (für mehr Geschwindigkeit ausschalten)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>tolva! Homepage</source>
        <translation>tolva!-Homepage</translation>
    </message>
    <message>
        <source>Download section</source>
        <translation>Download-Bereich</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Häufig gestellte Fragen</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Hilfe und Kontakt</translation>
    </message>
    <message>
        <source>Dravik Message Board</source>
        <translation>Dravik-Forum</translation>
    </message>
    <message>
        <source>Dravik Homepage</source>
        <translation>Dravik-Homepage</translation>
    </message>
    <message>
        <source>bleem! Homepage</source>
        <translation>bleem!-Homepage</translation>
    </message>
    <message>
        <source>CheatPal! Homepage (cheat codes for bleem!)</source>
        <translation>CheatPal!-Homepage (Cheatcodes für bleem!)</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Status: works</source>
        <translation>Status: läuft</translation>
    </message>
    <message>
        <source>Status: partially works</source>
        <translation>Status: läuft teilweise</translation>
    </message>
    <message>
        <source>Status: does not work yet</source>
        <translation>Status: läuft noch nicht</translation>
    </message>
    <message>
        <source>Direct3D supported</source>
        <translation>Direct3D unterstützt</translation>
    </message>
    <message>
        <source>no Direct3D</source>
        <translation>kein Direct3D</translation>
    </message>
    <message>
        <source>Tolva! needs the region code of this game to search for more information. Unfortunately, this game&apos;s region code is not known.</source>
        <translation>Tolva! braucht den Regionscode dieses Spiels, um nach weiteren Informationen zu suchen. Leider ist der Regionscode dieses Spiels nicht bekannt.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>bleem!&apos;s game compatibility database is missing!</source>
        <translation>Die Kompatibilitätsdatenbank von bleem! fehlt!</translation>
    </message>
    <message>
        <source>%1 is already in use</source>
        <translation>%1 wird bereits verwendet</translation>
    </message>
    <message>
        <source>Alternate Display Mode :<byte value="xd"/>
Software Mode = On, D3D = Off</source>
        <translation>Alternativer Anzeigemodus :<byte value="xd"/>
Software-Modus = an, D3D = aus</translation>
    </message>
    <message>
        <source>Frame Skip :<byte value="xd"/>
Software Mode = Off, D3D = On</source>
        <translation>Frame Skip :<byte value="xd"/>
Software-Modus = aus, D3D = an</translation>
    </message>
    <message>
        <source>INI Path</source>
        <translation>INI-Pfad</translation>
    </message>
    <message>
        <source>TXT Path</source>
        <translation>TXT-Pfad</translation>
    </message>
    <message>
        <source>Are you sure that the game should be removed ?</source>
        <translation>Soll das Spiel wirklich entfernt werden ?</translation>
    </message>
    <message>
        <source>File changes</source>
        <translation>Dateiänderungen</translation>
    </message>
    <message>
        <source>bleem!.INI was changed by another program and has been reloaded.</source>
        <translation>bleem!.INI wurde von einem anderen Programm geändert und neu geladen.</translation>
    </message>
    <message>
        <source>Compatibility.TXT was changed by another program and has been read again.</source>
        <translation>Compatibility.TXT wurde von einem anderen Programm geändert und neu eingelesen.</translation>
    </message>
    <message>
        <source>bleem!.INI was changed by another program since it was read. It has been reloaded, and nothing was written, so that change is not lost.<byte value="xd"/>
<byte value="xd"/>
Check the list, then try again.</source>
        <translation>bleem!.INI wurde seit dem Lesen von einem anderen Programm geändert. Sie wurde neu geladen, und es wurde nichts geschrieben, damit diese Änderung nicht verloren geht.<byte value="xd"/>
<byte value="xd"/>
Prüfen Sie die Liste und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Merge Update File...</source>
        <translation>Update-Datei einspielen...</translation>
    </message>
    <message>
        <source>Disc Collection...</source>
        <translation>Disc-Sammlung...</translation>
    </message>
    <message>
        <source>Servers...</source>
        <translation>Server...</translation>
    </message>
    <message>
        <source>Update files (*.ini *.INI *.txt *.TXT);;All files (*)</source>
        <translation>Update-Dateien (*.ini *.INI *.txt *.TXT);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The network part of %1 could not be opened:
%2</source>
        <translation>Der Netzwerkteil von %1 konnte nicht geöffnet werden:
%2</translation>
    </message>
</context>
<context>
    <name>tolva::Page</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Assistent</translation>
    </message>
</context>
<context>
    <name>tolva::PreviewFORM</name>
    <message>
        <source>Lines after &quot;-&quot; are removed, lines after &quot;+&quot; are added.</source>
        <translation>Zeilen nach „-“ werden entfernt, Zeilen nach „+“ hinzugefügt.</translation>
    </message>
    <message>
        <source>No line differs.</source>
        <translation>Keine Zeile unterscheidet sich.</translation>
    </message>
    <message>
        <source> Preview</source>
        <translation> Vorschau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>What &quot;%1&quot; would change in %2:</source>
        <translation>Was „%1“ in %2 ändern würde:</translation>
    </message>
</context>
<context>
    <name>tolva::Repair2FORM</name>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
</context>
<context>
    <name>tolva::RepairListPage</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
</context>
<context>
    <name>tolva::SearchFORM</name>
    <message>
        <source>Please enter the name of the folder where bleem! or the &quot;bleem!.ini&quot; is located.</source>
        <translation>Bitte geben Sie den Namen des Ordners ein, in dem sich bleem! oder die „bleem!.ini“ befindet.</translation>
    </message>
    <message>
        <source>Please enter the name of the folder where bleem! or the &quot;compatiblity.txt&quot; is located.</source>
        <translation>Bitte geben Sie den Namen des Ordners ein, in dem sich bleem! oder die „compatibility.txt“ befindet.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Pick the file</source>
        <translation>Die Datei auswählen</translation>
    </message>
    <message>
        <source>Found in Wine prefixes:</source>
        <translation>In Wine-Präfixen gefunden:</translation>
    </message>
    <message>
        <source>Choose a folder to put it into the field above</source>
        <translation>Wählen Sie einen Ordner, um ihn in das Feld darüber zu übernehmen</translation>
    </message>
    <message>
        <source>Found in Wine prefixes</source>
        <translation>In Wine-Präfixen gefunden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>INI Path</source>
        <translation>INI-Pfad</translation>
    </message>
    <message>
        <source>TXT Path</source>
        <translation>TXT-Pfad</translation>
    </message>
    <message>
        <source>Aborted by user</source>
        <translation>Vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>tolva::ServersFORM</name>
    <message>
        <source> Servers</source>
        <translation> Server</translation>
    </message>
    <message>
        <source>Update source</source>
        <translation>Quelle des Updates</translation>
    </message>
    <message>
        <source>The maintainers&apos; server</source>
        <translation>Der Server der Betreuer</translation>
    </message>
    <message>
        <source>This web address:</source>
        <translation>Diese Webadresse:</translation>
    </message>
    <message>
        <source>Web address of the update file</source>
        <translation>Webadresse der Update-Datei</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Test login</source>
        <translation>Anmeldung testen</translation>
    </message>
    <message>
        <source>Test the update address</source>
        <translation>Die Update-Adresse testen</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>My mail server</source>
        <translation>Mein Mailserver</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Sicherheit:</translation>
    </message>
    <message>
        <source>STARTTLS (port 587)</source>
        <translation>STARTTLS (Port 587)</translation>
    </message>
    <message>
        <source>TLS from the start (port 465)</source>
        <translation>TLS von Beginn an (Port 465)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Sender address:</source>
        <translation>Absenderadresse:</translation>
    </message>
    <message>
        <source>The address the mail comes from; your server must accept it as yours</source>
        <translation>Die Adresse, von der die E-Mail kommt; Ihr Server muss sie als Ihre annehmen</translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Passwort merken</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring, never in the settings file</source>
        <translation>Im Schlüsselbund des Desktops aufbewahrt, nie in der Einstellungsdatei</translation>
    </message>
    <message>
        <source>Test the mail server</source>
        <translation>Den Mailserver testen</translation>
    </message>
    <message>
        <source>Test result</source>
        <translation>Ergebnis des Tests</translation>
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
        <source>The update&apos;s web address must be a whole address beginning with http:// or https://.</source>
        <translation>Die Webadresse des Updates muss eine vollständige Adresse sein, die mit http:// oder https:// beginnt.</translation>
    </message>
    <message>
        <source>Your mail server needs its host, its port, the sender address and the recipient.</source>
        <translation>Ihr Mailserver braucht seinen Host, seinen Port, die Absenderadresse und den Empfänger.</translation>
    </message>
    <message>
        <source>Without TLS, your user name, your password and the mail travel unprotected to %1. Use no encryption anyway?</source>
        <translation>Ohne TLS gehen Ihr Benutzername, Ihr Passwort und die E-Mail ungeschützt an %1. Trotzdem ohne Verschlüsselung senden?</translation>
    </message>
    <message>
        <source>No keyring answers on this desktop: the password is kept only until tolva! ends, and asked for again after that.</source>
        <translation>Auf diesem Desktop antwortet kein Schlüsselbund: Das Passwort wird nur aufbewahrt, bis tolva! endet, und danach erneut erfragt.</translation>
    </message>
    <message>
        <source>Fetching the update...</source>
        <translation>Das Update wird abgerufen...</translation>
    </message>
    <message>
        <source>The update cannot be fetched: %1</source>
        <translation>Das Update kann nicht abgerufen werden: %1</translation>
    </message>
    <message>
        <source>The address answers, but with no update file (it holds no Version and no ID line).</source>
        <translation>Die Adresse antwortet, aber mit keiner Update-Datei (sie enthält keine Version- und keine ID-Zeile).</translation>
    </message>
    <message>
        <source>The address answers with an update file of %1 bytes.</source>
        <translation>Die Adresse antwortet mit einer Update-Datei von %1 Bytes.</translation>
    </message>
    <message>
        <source>Logging in to %1...</source>
        <translation>Anmeldung bei %1...</translation>
    </message>
    <message>
        <source>The server accepts the settings: the login worked, and nothing was sent.</source>
        <translation>Der Server nimmt die Einstellungen an: Die Anmeldung hat geklappt, und nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>The test failed: %1</source>
        <translation>Der Test ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>tolva::SplashFORM</name>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
</context>
<context>
    <name>tolva::ToolFinishPage</name>
    <message>
        <source>The tolva! wizard has now all the information needed to update the bleem! database with your game information. Click &apos;Finish&apos; to complete setup.</source>
        <translation>Der tolva!-Assistent hat jetzt alle Angaben, um die bleem!-Datenbank mit Ihren Spielinformationen zu aktualisieren. Klicken Sie auf „Fertig stellen“, um abzuschließen.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
</context>
<context>
    <name>tolva::ToolPage</name>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
</context>
<context>
    <name>tolva::UpdateFORM</name>
    <message>
        <source> Online Update</source>
        <translation> Online-Update</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Online-Update</translation>
    </message>
    <message>
        <source>The following new entries were found. Mark the entries you want to add to the bleem!.ini.</source>
        <translation>Die folgenden neuen Einträge wurden gefunden. Markieren Sie die Einträge, die Sie der bleem!.ini hinzufügen möchten.</translation>
    </message>
    <message>
        <source>New entries :</source>
        <translation>Neue Einträge :</translation>
    </message>
    <message>
        <source>New entries</source>
        <translation>Neue Einträge</translation>
    </message>
    <message>
        <source>Mark the entries to add to the bleem!.ini.</source>
        <translation>Markieren Sie die Einträge, die der bleem!.ini hinzugefügt werden sollen.</translation>
    </message>
    <message>
        <source>Mark all</source>
        <translation>Alle markieren</translation>
    </message>
    <message>
        <source>Unmark all</source>
        <translation>Alle Markierungen aufheben</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
    <message>
        <source>Show the lines Finish would add to bleem!.ini.</source>
        <translation>Zeigt die Zeilen, die „Fertig stellen“ der bleem!.ini hinzufügen würde.</translation>
    </message>
</context>
<context>
    <name>tolva::Wizard1FORM</name>
    <message>
        <source>Welcome to the tolva!-Wizard</source>
        <translation>Willkommen beim tolva!-Assistenten</translation>
    </message>
    <message>
        <source>Using this wizard, you&apos;re easily able to add new games to the bleem.ini and to edit existing games.</source>
        <translation>Mit diesem Assistenten können Sie der bleem.ini ganz einfach neue Spiele hinzufügen und vorhandene Spiele bearbeiten.</translation>
    </message>
    <message>
        <source>Please choose :</source>
        <translation>Bitte wählen Sie :</translation>
    </message>
    <message>
        <source>Add a new game to the database</source>
        <translation>Ein neues Spiel in die Datenbank aufnehmen</translation>
    </message>
    <message>
        <source>Change current information</source>
        <translation>Vorhandene Angaben ändern</translation>
    </message>
</context>
<context>
    <name>tolva::Wizard2FORM</name>
    <message>
        <source>Please enter the game&apos;s name : (required)</source>
        <translation>Bitte geben Sie den Namen des Spiels ein : (erforderlich)</translation>
    </message>
    <message>
        <source>Game name</source>
        <translation>Name des Spiels</translation>
    </message>
    <message>
        <source>Please enter the 10 digit code which is required by bleem! to detect the game&apos;s name and the flags:</source>
        <translation>Bitte geben Sie den 10-stelligen Code ein, an dem bleem! den Namen des Spiels und die Flags erkennt:</translation>
    </message>
    <message>
        <source>10 digit code</source>
        <translation>10-stelliger Code</translation>
    </message>
    <message>
        <source>(required)</source>
        <translation>(erforderlich)</translation>
    </message>
    <message>
        <source>Read the 10 digit code from the game CD in this drive</source>
        <translation>Liest den 10-stelligen Code von der Spiel-CD in diesem Laufwerk</translation>
    </message>
    <message>
        <source>Disc image...</source>
        <translation>Disc-Image...</translation>
    </message>
    <message>
        <source>Read the 10 digit code from a disc image (%1); dropping one here does the same</source>
        <translation>Liest den 10-stelligen Code aus einem Disc-Image (%1); ein hierher gezogenes Image bewirkt dasselbe</translation>
    </message>
    <message>
        <source>10 Digit Code can be found in Bleem! on the &quot;THIS GAME HASN&apos;T BEEN TESTED SCREEN&quot; Just click the &quot;b&quot; on the screen.</source>
        <translation>Den 10-stelligen Code finden Sie in Bleem! auf dem Bildschirm „THIS GAME HASN&apos;T BEEN TESTED“. Klicken Sie dort einfach auf das „b“.</translation>
    </message>
    <message>
        <source>Leave the following option checked when the game works with bleem!, and when it&apos;s playable. Click on the info button to see when a game is &apos;unplayable&apos;.</source>
        <translation>Lassen Sie die folgende Option angekreuzt, wenn das Spiel mit bleem! läuft und spielbar ist. Ein Klick auf „Info“ zeigt, wann ein Spiel als „unspielbar“ gilt.</translation>
    </message>
    <message>
        <source>This game works with bleem!</source>
        <translation>Dieses Spiel läuft mit bleem!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Are you sure this game isn&apos;t working with bleem! ?</source>
        <translation>Läuft dieses Spiel wirklich nicht mit bleem! ?</translation>
    </message>
    <message>
        <source>Disc images|%1|Alle Dateien (*.*)|*.*</source>
        <translation>Disc-Images|%1|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>tolva::Wizard7FORM</name>
    <message>
        <source>Here you will have to configure the Advanced Graphics Settings, in order to have a optimal graphics display result :</source>
        <translation>Hier legen Sie die erweiterten Grafikeinstellungen fest, um eine optimale Grafikdarstellung zu erhalten :</translation>
    </message>
    <message>
        <source>Alternate Display Mode on</source>
        <translation>Alternativer Anzeigemodus an</translation>
    </message>
    <message>
        <source>Some games don&apos;t display properly when you have this option off. If the game has major graphic errors, check this option to see if your game requires this.</source>
        <translation>Manche Spiele werden ohne diese Option nicht richtig angezeigt. Hat das Spiel große Grafikfehler, kreuzen Sie diese Option an, um zu sehen, ob Ihr Spiel sie benötigt.</translation>
    </message>
    <message>
        <source>&quot;Enable Frame Skip&quot; off</source>
        <translation>„Frame Skip aktivieren“ aus</translation>
    </message>
    <message>
        <source>A game is built of &apos;frames&apos; - image after image, and the more images per second, the more fluent the game runs, but often slower. With frameskip, it skips some of these frames, making it go faster, but less fluently.</source>
        <translation>Ein Spiel besteht aus „Frames“ – Bild für Bild; je mehr Bilder pro Sekunde, desto flüssiger, aber oft langsamer läuft das Spiel. Mit Frame Skip werden einige dieser Bilder übersprungen; das Spiel läuft dann schneller, aber weniger flüssig.</translation>
    </message>
    <message>
        <source>Alternate Display Mode : On in Software Mode, Off in D3D</source>
        <translation>Alternativer Anzeigemodus : an im Software-Modus, aus in D3D</translation>
    </message>
    <message>
        <source>Frame Skip : Off in Software Mode / On in D3D</source>
        <translation>Frame Skip : aus im Software-Modus / an in D3D</translation>
    </message>
</context>
<context>
    <name>tolva::Wizard8FORM</name>
    <message>
        <source>The tolva! wizard has now all the information needed to update the bleem! database with your game information. Click &apos;Finish&apos; to complete setup.</source>
        <translation>Der tolva!-Assistent hat jetzt alle Angaben, um die bleem!-Datenbank mit Ihren Spielinformationen zu aktualisieren. Klicken Sie auf „Fertig stellen“, um abzuschließen.</translation>
    </message>
    <message>
        <source>Loading ...</source>
        <translation>Wird geladen ...</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
</context>
<context>
    <name>tolva::WizardPage</name>
    <message>
        <source> Wizard [%1/%2]</source>
        <translation> Assistent [%1/%2]</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
</context>
</TS>
