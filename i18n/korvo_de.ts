<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>korvo</name>
    <message>
        <source>%1 is in use by another Korvo (process %2).</source>
        <translation>%1 wird schon von einem anderen Korvo benutzt (Prozess %2).</translation>
    </message>
    <message>
        <source>%1 is in use by another Korvo.</source>
        <translation>%1 wird schon von einem anderen Korvo benutzt.</translation>
    </message>
</context>
<context>
    <name>korvo::FaultWords</name>
    <message>
        <source>%1, line %2: %3</source>
        <comment>a file, a line of it, and what is wrong there</comment>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong with it</comment>
        <translation>%1: %2</translation>
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
        <source>Operation not permitted</source>
        <translation>Die Operation ist nicht erlaubt</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Auf dem Gerät ist kein Speicherplatz mehr frei</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Das Speicherkontingent ist erschöpft</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source> The win counts are kept and will be saved at the next deal.</source>
        <comment>follows the fault of the tally file, after its full stop</comment>
        <translation> Die Siegzahlen bleiben erhalten und werden beim nächsten Geben gespeichert.</translation>
    </message>
    <message>
        <source>%1, and it cannot be renamed %2 (%3); the statistics of this run are not saved.</source>
        <comment>%1 is what is wrong with the statistics file, %3 the system&apos;s reason</comment>
        <translation>%1, und sie kann nicht in %2 umbenannt werden (%3); die Statistik dieser Sitzung wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1; it is kept as %2 and the statistics start afresh.</source>
        <comment>%1 is what is wrong with the statistics file</comment>
        <translation>%1; sie wird als %2 aufbewahrt, und die Statistik beginnt von vorn.</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <comment>a file; %1 is the system&apos;s reason</comment>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>is a directory, not a file</source>
        <translation>ist ein Verzeichnis, keine Datei</translation>
    </message>
    <message>
        <source>is not a regular file (a named pipe or a device); it is not read</source>
        <translation>ist keine gewöhnliche Datei (eine benannte Pipe oder ein Gerät); sie wird nicht gelesen</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <comment>a file; %1 is the system&apos;s reason</comment>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <comment>a file; %1 is the system&apos;s reason</comment>
        <translation>kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>cannot be written (write): %1</source>
        <comment>writing the new file&apos;s data failed; %1 is the system&apos;s reason</comment>
        <translation>kann nicht geschrieben werden (beim Schreiben): %1</translation>
    </message>
    <message>
        <source>cannot be written (flush): %1</source>
        <comment>flushing the new file to the disk failed; %1 is the system&apos;s reason</comment>
        <translation>kann nicht geschrieben werden (beim Sichern auf den Datenträger): %1</translation>
    </message>
    <message>
        <source>cannot be written (close): %1</source>
        <comment>closing the new file failed; %1 is the system&apos;s reason</comment>
        <translation>kann nicht geschrieben werden (beim Schließen): %1</translation>
    </message>
    <message>
        <source>cannot be written (rename): %1</source>
        <comment>putting the new file in the old one&apos;s place failed; %1 is the reason</comment>
        <translation>kann nicht geschrieben werden (beim Umbenennen): %1</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <comment>a line of a file</comment>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <comment>a line of a file</comment>
        <translation>ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>goes on for over 1 MB; a game file is far smaller</source>
        <comment>a file</comment>
        <translation>ist über 1 MB lang; eine Spieldatei ist weit kleiner</translation>
    </message>
    <message>
        <source>a text in double quotes has no closing quote</source>
        <translation>einem Text in doppelten Anführungszeichen fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>unexpected characters after a closing quote</source>
        <translation>unerwartete Zeichen nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>a double quote in the middle of a field</source>
        <translation>ein doppeltes Anführungszeichen mitten in einem Feld</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a whole number</source>
        <comment>of a card in the deck file</comment>
        <translation>der Wert „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the value %1 is outside -32768..32767</source>
        <comment>of a card in the deck file</comment>
        <translation>der Wert %1 liegt außerhalb von -32768..32767</translation>
    </message>
    <message>
        <source>the win count &quot;%1&quot; is not a whole number</source>
        <translation>die Siegzahl „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the win count %1 is outside -32768..32767</source>
        <translation>die Siegzahl %1 liegt außerhalb von -32768..32767</translation>
    </message>
    <message numerus="yes">
        <source>has %n fields; a card needs 3: suit, value, picture file</source>
        <comment>a line of the deck file</comment>
        <translation>
            <numerusform>hat %n Feld; eine Karte braucht 3: Farbe, Wert, Bilddatei</numerusform>
            <numerusform>hat %n Felder; eine Karte braucht 3: Farbe, Wert, Bilddatei</numerusform>
        </translation>
    </message>
    <message>
        <source>a suit or picture name is longer than %1 characters</source>
        <translation>eine Farbe oder ein Bildname ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>holds no cards; a deck needs 52</source>
        <comment>the deck file</comment>
        <translation>enthält keine Karten; ein Kartenspiel braucht 52</translation>
    </message>
    <message numerus="yes">
        <source>missing: the file holds only %n cards; a deck needs 52</source>
        <comment>a line of the deck file</comment>
        <translation>
            <numerusform>fehlt: die Datei enthält nur %n Karte; ein Kartenspiel braucht 52</numerusform>
            <numerusform>fehlt: die Datei enthält nur %n Karten; ein Kartenspiel braucht 52</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>holds %n numbers; it needs the 4 win counts</source>
        <comment>a line of the tally file</comment>
        <translation>
            <numerusform>enthält %n Zahl; sie braucht die 4 Siegzahlen</numerusform>
            <numerusform>enthält %n Zahlen; sie braucht die 4 Siegzahlen</numerusform>
        </translation>
    </message>
    <message>
        <source>is empty; it needs the 4 win counts</source>
        <comment>the tally file</comment>
        <translation>ist leer; sie braucht die 4 Siegzahlen</translation>
    </message>
    <message>
        <source>the computer players have played %1 turns without ending the round; this deck cannot end a round</source>
        <translation>die Computerspieler haben %1 Züge gespielt, ohne die Runde zu beenden; mit diesem Kartenspiel endet keine Runde</translation>
    </message>
    <message>
        <source>cannot be made a game directory: %1</source>
        <comment>%1 is the system&apos;s reason</comment>
        <translation>kann nicht als Spielverzeichnis angelegt werden: %1</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <comment>a folder; %1 is the system&apos;s reason</comment>
        <translation>kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>cannot be written: the picture could not be encoded as JPEG</source>
        <translation>kann nicht geschrieben werden: das Bild ließ sich nicht als JPEG kodieren</translation>
    </message>
    <message>
        <source>cannot be written: a text of the deck file is not UTF-8</source>
        <comment>the saved game</comment>
        <translation>kann nicht geschrieben werden: ein Text der Kartendatei ist kein UTF-8</translation>
    </message>
    <message>
        <source>is larger than any saved game (over 1 MB)</source>
        <translation>ist größer als jedes gespeicherte Spiel (über 1 MB)</translation>
    </message>
    <message>
        <source>is not a saved game: %1</source>
        <comment>%1 is the JSON reader&apos;s reason, in English</comment>
        <translation>ist kein gespeichertes Spiel: %1</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <comment>the statistics file</comment>
        <translation>ist größer als %1 Byte</translation>
    </message>
    <message>
        <source>is not JSON (%1)</source>
        <comment>the statistics file; %1 is the JSON reader&apos;s reason</comment>
        <translation>ist kein JSON (%1)</translation>
    </message>
    <message>
        <source>is not a JSON object</source>
        <comment>the statistics file</comment>
        <translation>ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>has no version number</source>
        <comment>the statistics file</comment>
        <translation>hat keine Versionsnummer</translation>
    </message>
    <message>
        <source>is of version %1, not %2</source>
        <comment>the statistics file</comment>
        <translation>hat die Version %1, nicht %2</translation>
    </message>
    <message>
        <source>has no &quot;since&quot; date of the form 2026-12-06T22:31:14Z</source>
        <comment>the statistics file; &quot;since&quot; is the name of a member of the file</comment>
        <translation>hat kein „since“-Datum der Form 2026-12-06T22:31:14Z</translation>
    </message>
    <message>
        <source>does not list the four players</source>
        <comment>the statistics file</comment>
        <translation>führt die vier Spieler nicht auf</translation>
    </message>
    <message>
        <source>player %1 is not a JSON object</source>
        <comment>%1 is the player&apos;s number</comment>
        <translation>Spieler %1 ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>player %1 is not named %2</source>
        <comment>%1 is the player&apos;s number, %2 his name</comment>
        <translation>Spieler %1 heißt nicht %2</translation>
    </message>
    <message>
        <source>player %1 has no &quot;%2&quot;</source>
        <comment>%1 is the player&apos;s number, %2 the name of a member of the statistics file</comment>
        <translation>Spieler %1 hat kein „%2“</translation>
    </message>
    <message>
        <source>player %1: &quot;%2&quot; is not a whole number</source>
        <comment>%1 is the player&apos;s number, %2 the name of a member of the statistics file</comment>
        <translation>Spieler %1: „%2“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>player %1: &quot;%2&quot; is %3, not a count from 0 to %4</source>
        <comment>%1 is the player&apos;s number, %2 the name of a member of the statistics file</comment>
        <translation>Spieler %1: „%2“ ist %3, keine Anzahl von 0 bis %4</translation>
    </message>
    <message>
        <source>player %1&apos;s counts contradict one another</source>
        <comment>%1 is the player&apos;s number</comment>
        <translation>die Zahlen von Spieler %1 widersprechen einander</translation>
    </message>
    <message>
        <source>the players have not played the same number of games</source>
        <translation>die Spieler haben nicht gleich viele Spiele gespielt</translation>
    </message>
    <message>
        <source>the games won do not add up to the games played</source>
        <translation>die gewonnenen Spiele ergeben zusammen nicht die gespielten Spiele</translation>
    </message>
    <message>
        <source>player 1&apos;s runs of games won contradict his games won</source>
        <translation>die Siegesserien von Spieler 1 widersprechen seinen gewonnenen Spielen</translation>
    </message>
</context>
<context>
    <name>korvo::Form1</name>
    <message>
        <source>Your messages</source>
        <translation>Deine Nachrichten</translation>
    </message>
    <message>
        <source>Oma&apos;s messages</source>
        <translation>Omas Nachrichten</translation>
    </message>
    <message>
        <source>Tobin&apos;s messages</source>
        <translation>Tobins Nachrichten</translation>
    </message>
    <message>
        <source>Wenna&apos;s messages</source>
        <translation>Wennas Nachrichten</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Klopfen</translation>
    </message>
    <message>
        <source>Your card 1</source>
        <translation>Deine Karte 1</translation>
    </message>
    <message>
        <source>Your card 2</source>
        <translation>Deine Karte 2</translation>
    </message>
    <message>
        <source>Your card 3</source>
        <translation>Deine Karte 3</translation>
    </message>
    <message>
        <source>Your new card</source>
        <translation>Deine neue Karte</translation>
    </message>
    <message>
        <source>Oma&apos;s card 1</source>
        <translation>Omas Karte 1</translation>
    </message>
    <message>
        <source>Oma&apos;s card 2</source>
        <translation>Omas Karte 2</translation>
    </message>
    <message>
        <source>Oma&apos;s card 3</source>
        <translation>Omas Karte 3</translation>
    </message>
    <message>
        <source>Tobin&apos;s card 1</source>
        <translation>Tobins Karte 1</translation>
    </message>
    <message>
        <source>Tobin&apos;s card 2</source>
        <translation>Tobins Karte 2</translation>
    </message>
    <message>
        <source>Tobin&apos;s card 3</source>
        <translation>Tobins Karte 3</translation>
    </message>
    <message>
        <source>Wenna&apos;s card 1</source>
        <translation>Wennas Karte 1</translation>
    </message>
    <message>
        <source>Wenna&apos;s card 2</source>
        <translation>Wennas Karte 2</translation>
    </message>
    <message>
        <source>Wenna&apos;s card 3</source>
        <translation>Wennas Karte 3</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Ziehstapel</translation>
    </message>
    <message>
        <source>Discard pile</source>
        <translation>Ablagestapel</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Urheber</translation>
    </message>
    <message>
        <source>Your wins</source>
        <translation>Deine Siege</translation>
    </message>
    <message>
        <source>Oma&apos;s wins</source>
        <translation>Omas Siege</translation>
    </message>
    <message>
        <source>Tobin&apos;s wins</source>
        <translation>Tobins Siege</translation>
    </message>
    <message>
        <source>Wenna&apos;s wins</source>
        <translation>Wennas Siege</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pott</translation>
    </message>
    <message>
        <source>Korvo by Vendrake at  korvo.example.org</source>
        <translation>Korvo von Vendrake unter  korvo.example.org</translation>
    </message>
    <message>
        <source>by Vendrake</source>
        <translation>von Vendrake</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a count of honor points</comment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A control&apos;s name, then what it shows: &quot;Your card 2: 10 ♥&quot;, &quot;Pot: 1 point&quot;.
----------
Whose message, then the message: &quot;Oma: Knock!&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Your honor</source>
        <translation>Deine Ehre</translation>
    </message>
    <message>
        <source>Oma&apos;s honor</source>
        <translation>Omas Ehre</translation>
    </message>
    <message>
        <source>Tobin&apos;s honor</source>
        <translation>Tobins Ehre</translation>
    </message>
    <message>
        <source>Wenna&apos;s honor</source>
        <translation>Wennas Ehre</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <comment>honor points</comment>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has won %2 games, as many as the tally can count; this win is not added.</source>
        <translation>%1 hat %2 Spiele gewonnen, so viele, wie die Zählung fassen kann; dieser Sieg wird nicht mehr gezählt.</translation>
    </message>
    <message>
        <source>face down</source>
        <comment>a card place</comment>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a card place</comment>
        <translation>leer</translation>
    </message>
    <message>
        <source>unknown card</source>
        <comment>a card place whose picture no card of the deck has</comment>
        <translation>unbekannte Karte</translation>
    </message>
</context>
<context>
    <name>korvo::MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Geben</translation>
    </message>
    <message>
        <source>&amp;Knock</source>
        <translation>&amp;Klopfen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Pace of the Computer Players</source>
        <translation>&amp;Tempo der Computerspieler</translation>
    </message>
    <message>
        <source>&amp;Off: Show Only Where They End</source>
        <translation>&amp;Aus: nur zeigen, wo sie enden</translation>
    </message>
    <message>
        <source>&amp;Brisk</source>
        <translation>&amp;Zügig</translation>
    </message>
    <message>
        <source>&amp;Relaxed</source>
        <translation>&amp;Gemächlich</translation>
    </message>
    <message>
        <source>&amp;Bigger</source>
        <translation>&amp;Größer</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>&amp;Kleiner</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Sprache der &amp;Arbeitsumgebung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>&amp;About Korvo</source>
        <translation>Ü&amp;ber Korvo</translation>
    </message>
    <message>
        <source>About Korvo</source>
        <translation>Über Korvo</translation>
    </message>
    <message>
        <source>The card game of 31, for one player against three.</source>
        <translation>Das Kartenspiel Einunddreißig, für einen Spieler gegen drei.</translation>
    </message>
    <message>
        <source>Copyright The Korvo developers.</source>
        <translation>Copyright die Entwickler von Korvo.</translation>
    </message>
    <message>
        <source>Korvo is free software under the GNU General Public License, version 3 or any later version.</source>
        <translation>Korvo ist freie Software unter der GNU General Public License, Version 3 oder jeder späteren Version.</translation>
    </message>
    <message>
        <source>Korvo Statistics</source>
        <translation>Korvo-Statistik</translation>
    </message>
    <message>
        <source>The statistics file could not be used.

%1</source>
        <translation>Die Statistikdatei konnte nicht verwendet werden.

%1</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistik …</translation>
    </message>
    <message>
        <source>&amp;Four-Colour Suits</source>
        <translation>&amp;Vierfarbenblatt</translation>
    </message>
    <message>
        <source>The four-colour faces could not be drawn: %1</source>
        <translation>Die Bilder des Vierfarbenblatts konnten nicht gezeichnet werden: %1</translation>
    </message>
    <message>
        <source>Welcome back: the game goes on where you left it.</source>
        <translation>Willkommen zurück: Das Spiel geht dort weiter, wo du aufgehört hast.</translation>
    </message>
    <message>
        <source>The saved game could not be used; it is kept as %1 and a new game starts.</source>
        <translation>Das gespeicherte Spiel konnte nicht verwendet werden; es wird als %1 aufbewahrt, und ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hinweis</translation>
    </message>
    <message>
        <source>&amp;Opponents</source>
        <translation>G&amp;egner</translation>
    </message>
    <message>
        <source>&amp;Classic: the Rules&apos; Own Players</source>
        <translation>&amp;Klassisch: die Spieler der Regeln</translation>
    </message>
    <message>
        <source>&amp;Strong: Players That Look Ahead</source>
        <translation>&amp;Stark: Spieler, die vorausdenken</translation>
    </message>
    <message>
        <source>There is no round under way: deal the cards first.</source>
        <translation>Es läuft keine Runde: Gib zuerst die Karten.</translation>
    </message>
    <message>
        <source>You are out of this game: there is no move to hint.</source>
        <translation>Du bist in diesem Spiel raus: Es gibt keinen Zug für einen Hinweis.</translation>
    </message>
    <message>
        <source>It is not your turn.</source>
        <translation>Du bist nicht dran.</translation>
    </message>
    <message>
        <source>Take the top card of the draw pile</source>
        <translation>Nimm die oberste Karte vom Ziehstapel</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile</source>
        <translation>Nimm die %1 vom Ablagestapel</translation>
    </message>
    <message>
        <source>Throw away your %1</source>
        <translation>Wirf deine %1 ab</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Knock: %1 in %2</source>
        <translation>Klopfen: %1 in %2</translation>
    </message>
    <message>
        <source>The computer players are Classic, the rules&apos; own players with their fixed tables and a knock at a random threshold, or Strong, players that try every move on many deals of the cards they cannot see and choose the one that best keeps their honor; neither ever looks at a hidden card. Choose them under View &gt; Opponents. Game &gt; Hint (H) asks the Strong player what it would do in your seat.</source>
        <translation>Die Computerspieler sind Klassisch, die Spieler der Regeln mit ihren festen Tabellen und einem Klopfen ab einer zufälligen Schwelle, oder Stark, Spieler, die jeden Zug an vielen Verteilungen der Karten ausprobieren, die sie nicht sehen, und den wählen, der ihre Ehre am besten bewahrt; keiner schaut je in eine verdeckte Karte. Wähle sie unter Ansicht &gt; Gegner. Spiel &gt; Hinweis (H) fragt den starken Spieler, was er an deiner Stelle täte.</translation>
    </message>
    <message>
        <source>The saved game could not be used and is left as it is; a new game starts, and this one is not saved.</source>
        <translation>Das gespeicherte Spiel konnte nicht verwendet werden und bleibt, wie es ist; ein neues Spiel beginnt und wird nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>korvo::MessageWords</name>
    <message>
        <source>2</source>
        <comment>the value of a card said as a word: two</comment>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>3</source>
        <comment>the value of a card said as a word: three</comment>
        <translation>Drei</translation>
    </message>
    <message>
        <source>4</source>
        <comment>the value of a card said as a word: four</comment>
        <translation>Vier</translation>
    </message>
    <message>
        <source>5</source>
        <comment>the value of a card said as a word: five</comment>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>6</source>
        <comment>the value of a card said as a word: six</comment>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>7</source>
        <comment>the value of a card said as a word: seven</comment>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>8</source>
        <comment>the value of a card said as a word: eight</comment>
        <translation>Acht</translation>
    </message>
    <message>
        <source>9</source>
        <comment>the value of a card said as a word: nine</comment>
        <translation>Neun</translation>
    </message>
    <message>
        <source>10</source>
        <comment>the value of a card said as a word: ten</comment>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>11</source>
        <comment>the value of a card said as a word: eleven, an ace</comment>
        <translation>Ass</translation>
    </message>
    <message>
        <source>♣</source>
        <comment>the suit said as a word: clubs</comment>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>♦</source>
        <comment>the suit said as a word: diamonds</comment>
        <translation>Karo</translation>
    </message>
    <message>
        <source>♥</source>
        <comment>the suit said as a word: hearts</comment>
        <translation>Herz</translation>
    </message>
    <message>
        <source>♠</source>
        <comment>the suit said as a word: spades</comment>
        <translation>Pik</translation>
    </message>
    <message>
        <source>%1, it&apos;s your turn.</source>
        <translation>%1, du bist dran.</translation>
    </message>
    <message>
        <source>%1 takes from pile.</source>
        <translation>%1 zieht vom Stapel.</translation>
    </message>
    <message>
        <source>%1 takes from pile. %2</source>
        <comment>the card thrown after it</comment>
        <translation>%1 zieht vom Stapel. %2</translation>
    </message>
    <message>
        <source>%1 Takes from pile. %2</source>
        <comment>a computer player&apos;s move and the card thrown</comment>
        <translation>%1 zieht vom Stapel. %2</translation>
    </message>
    <message>
        <source>%1 takes discard.</source>
        <translation>%1 nimmt die Offene.</translation>
    </message>
    <message>
        <source>%1 takes discard. %2</source>
        <comment>the card thrown after it</comment>
        <translation>%1 nimmt die Offene. %2</translation>
    </message>
    <message>
        <source>%1 Takes Discard.  %2</source>
        <comment>a computer player&apos;s move and the card thrown</comment>
        <translation>%1 nimmt die Offene. %2</translation>
    </message>
    <message>
        <source>Knock!</source>
        <translation>Ich klopfe!</translation>
    </message>
    <message>
        <source>Show Cards!</source>
        <comment>play has come back to the player who knocked</comment>
        <translation>Karten auf den Tisch!</translation>
    </message>
    <message>
        <source>Korvo!</source>
        <comment>the call of a player holding 31</comment>
        <translation>Korvo!</translation>
    </message>
    <message>
        <source>Korvo Everybody Pays.</source>
        <comment>after a 31, everybody else pays a point</comment>
        <translation>Korvo! Alle anderen zahlen.</translation>
    </message>
    <message>
        <source>%1 Pays.</source>
        <comment>one honor point</comment>
        <translation>%1 zahlt.</translation>
    </message>
    <message>
        <source>%1 Pays Double.</source>
        <comment>the knocker was among the lowest</comment>
        <translation>%1 zahlt doppelt.</translation>
    </message>
    <message>
        <source>%1 is out!</source>
        <comment>no honor points left</comment>
        <translation>%1 ist raus!</translation>
    </message>
    <message>
        <source>%1 is Out!</source>
        <comment>a player the deal passes over</comment>
        <translation>%1 ist raus!</translation>
    </message>
    <message>
        <source>%1 wins all the honor!</source>
        <comment>the last player with honor points</comment>
        <translation>%1 gewinnt alle Ehre!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a card said: its value, then its suit</comment>
        <translation>%2-%1</translation>
    </message>
</context>
<context>
    <name>korvo::Options</name>
    <message>
        <source>a directory</source>
        <translation>ein Verzeichnis</translation>
    </message>
    <message>
        <source>Play with the deck and win counts in DIR (default: the current directory if it holds cardfile.txt, otherwise ~/.local/share/korvo, made on first use).</source>
        <translation>Mit dem Kartenspiel und den Siegzahlen in DIR spielen (Vorgabe: das aktuelle Verzeichnis, wenn es eine cardfile.txt enthält, sonst ~/.local/share/korvo, beim ersten Start angelegt).</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>Shuffle and play with the random numbers of seed N, so that the same seed plays the same game.</source>
        <translation>Mit den Zufallszahlen des Startwerts N mischen und spielen, sodass derselbe Startwert dasselbe Spiel spielt.</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>Take the random numbers from FILE, one per line, each from 0 up to (not including) 1.</source>
        <translation>Die Zufallszahlen aus FILE nehmen, eine je Zeile, jede von 0 bis (ausschließlich) 1.</translation>
    </message>
    <message>
        <source>classic or strong</source>
        <translation>classic oder strong</translation>
    </message>
    <message>
        <source>Play against the classic computer players (the default) or strong ones, for this run.</source>
        <translation>Gegen die klassischen Computerspieler (die Vorgabe) oder starke spielen, für diesen Start.</translation>
    </message>
    <message>
        <source>Play the clicks of FILE (one control name per line) on the window, without a screen; needs --screenshot.</source>
        <translation>Die Klicks aus FILE (ein Steuerelementname je Zeile) auf dem Fenster spielen, ohne Bildschirm; braucht --screenshot.</translation>
    </message>
    <message>
        <source>a file name for the PNG</source>
        <translation>einen Dateinamen für das PNG</translation>
    </message>
    <message>
        <source>Save a PNG of the table (after the script, if any) and exit.</source>
        <translation>Ein PNG des Tisches speichern (nach dem Skript, falls eines da ist) und beenden.</translation>
    </message>
    <message>
        <source>Make DIR a fresh game directory: deck, win counts and pictures; files already there are kept.</source>
        <translation>DIR zu einem neuen Spielverzeichnis machen: Kartenspiel, Siegzahlen und Bilder; vorhandene Dateien bleiben erhalten.</translation>
    </message>
    <message>
        <source>Play without the window: read clicks by control name on standard input and write one line of JSON per click.</source>
        <translation>Ohne Fenster spielen: Klicks als Steuerelementnamen von der Standardeingabe lesen und je Klick eine Zeile JSON schreiben.</translation>
    </message>
    <message>
        <source>Go on with the game saved in the game directory (the window always does).</source>
        <translation>Mit dem im Spielverzeichnis gespeicherten Spiel weitermachen (das Fenster tut das immer).</translation>
    </message>
    <message>
        <source>Print the statistics of the games played in the game directory.</source>
        <translation>Die Statistik der im Spielverzeichnis gespielten Spiele ausgeben.</translation>
    </message>
    <message>
        <source>With --statistics: print them as one JSON object.</source>
        <translation>Mit --statistics: sie als ein JSON-Objekt ausgeben.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Play Korvo, the card game of 31, against three computer players.</source>
        <translation>Korvo spielen, das Kartenspiel Einunddreißig, gegen drei Computerspieler.</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; (see korvo --help)</source>
        <translation>unbekannte Option „%1“ (siehe korvo --help)</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 braucht %2</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (see korvo --help)</source>
        <translation>unerwartetes Argument „%1“ (siehe korvo --help)</translation>
    </message>
    <message>
        <source>only one game directory may be given</source>
        <translation>nur ein Spielverzeichnis darf angegeben werden</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 18446744073709551615, not &quot;%1&quot;</source>
        <translation>--seed braucht eine ganze Zahl von 0 bis 18446744073709551615, nicht „%1“</translation>
    </message>
    <message>
        <source>--opponents needs classic or strong, not &quot;%1&quot;</source>
        <translation>--opponents braucht classic oder strong, nicht „%1“</translation>
    </message>
    <message>
        <source>--seed and --random-file cannot be used together</source>
        <translation>--seed und --random-file können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--headless, --init, --statistics and --script/--screenshot exclude one another</source>
        <translation>--headless, --init, --statistics und --script/--screenshot schließen einander aus</translation>
    </message>
    <message>
        <source>--script needs --screenshot OUT.png</source>
        <translation>--script braucht --screenshot OUT.png</translation>
    </message>
    <message>
        <source>--json goes with --statistics</source>
        <translation>--json gehört zu --statistics</translation>
    </message>
    <message>
        <source>%1 takes no --seed, --random-file, --opponents or --resume</source>
        <translation>%1 nimmt kein --seed, --random-file, --opponents oder --resume</translation>
    </message>
</context>
<context>
    <name>korvo::RulesWindow</name>
    <message>
        <source>Korvo: the rules</source>
        <translation>Korvo: die Regeln</translation>
    </message>
    <message>
        <source>The aim</source>
        <translation>Das Ziel</translation>
    </message>
    <message>
        <source>Hold &lt;b&gt;31 in one suit&lt;/b&gt;, or at least more than the others when the cards are shown. You play against Oma, Tobin and Wenna; each of you holds three cards.</source>
        <translation>Halte &lt;b&gt;31 in einer Farbe&lt;/b&gt;, oder wenigstens mehr als die anderen, wenn die Karten aufgedeckt werden. Du spielst gegen Oma, Tobin und Wenna; jeder von euch hält drei Karten.</translation>
    </message>
    <message>
        <source>What the cards are worth</source>
        <translation>Was die Karten zählen</translation>
    </message>
    <message>
        <source>Aces count 11; kings, queens and jacks 10; every other card its number. A hand is worth the total of its best suit: cards of one suit add up, cards of different suits do not. Ace, king and 5 of hearts make 26; ace of hearts with king and queen of spades makes 20.</source>
        <translation>Asse zählen 11; Könige, Damen und Buben 10; jede andere Karte ihre Zahl. Eine Hand zählt die Summe ihrer besten Farbe: Karten einer Farbe werden zusammengezählt, Karten verschiedener Farben nicht. Herz-Ass, Herz-König und Herz-Fünf ergeben 26; Herz-Ass mit Pik-König und Pik-Dame ergibt 20.</translation>
    </message>
    <message>
        <source>A turn</source>
        <translation>Ein Zug</translation>
    </message>
    <message>
        <source>Play goes round the table: you, then Wenna on the left, Tobin at the top and Oma on the right. When your message line says &lt;i&gt;Pell, it&apos;s your turn.&lt;/i&gt; take a card: click the &lt;b&gt;draw pile&lt;/b&gt; for its hidden top card, or the &lt;b&gt;discard pile&lt;/b&gt; for the card lying face up. The card you took appears in your fourth place. Then click the one of your four cards you want to throw away.</source>
        <translation>Gespielt wird reihum: du, dann Wenna links, Tobin oben und Oma rechts. Wenn deine Nachrichtenzeile &lt;i&gt;Pell, du bist dran.&lt;/i&gt; sagt, nimm eine Karte: Klicke auf den &lt;b&gt;Ziehstapel&lt;/b&gt; für seine verdeckte oberste Karte oder auf den &lt;b&gt;Ablagestapel&lt;/b&gt; für die offen liegende Karte. Die genommene Karte erscheint auf deinem vierten Platz. Dann klicke auf die Karte von deinen vieren, die du abwerfen willst.</translation>
    </message>
    <message>
        <source>Knocking and the last round</source>
        <translation>Klopfen und die letzte Runde</translation>
    </message>
    <message>
        <source>Instead of taking a card you may click &lt;b&gt;Knock&lt;/b&gt; when you think your hand is good enough. Every other player then has one more turn, and the cards are shown. Only one player can knock in a round; the computer players knock too.</source>
        <translation>Statt eine Karte zu nehmen, kannst du auf &lt;b&gt;Klopfen&lt;/b&gt; klicken, wenn du deine Hand für gut genug hältst. Jeder andere Spieler ist dann noch einmal dran, und die Karten werden aufgedeckt. In einer Runde kann nur einer klopfen; die Computerspieler klopfen auch.</translation>
    </message>
    <message>
        <source>31 at once</source>
        <translation>31 auf der Stelle</translation>
    </message>
    <message>
        <source>Whoever holds 31 says &lt;i&gt;Korvo!&lt;/i&gt;, and the round ends on the spot: everybody else still in the game pays one honor point.</source>
        <translation>Wer 31 hält, ruft &lt;i&gt;Korvo!&lt;/i&gt;, und die Runde endet sofort: Alle anderen, die noch im Spiel sind, zahlen einen Ehrenpunkt.</translation>
    </message>
    <message>
        <source>The show-down: who pays</source>
        <translation>Das Aufdecken: wer zahlt</translation>
    </message>
    <message>
        <source>After a knock, all hands are turned up. The lowest hand pays one honor point; when several players share the lowest total, each of them pays. But if the player who knocked is among the lowest, the knocker alone pays &lt;b&gt;two&lt;/b&gt; points.</source>
        <translation>Nach einem Klopfen werden alle Hände aufgedeckt. Die niedrigste Hand zahlt einen Ehrenpunkt; haben mehrere Spieler die niedrigste Summe, zahlt jeder von ihnen. Ist aber der Spieler, der geklopft hat, unter den niedrigsten, zahlt er allein &lt;b&gt;zwei&lt;/b&gt; Punkte.</translation>
    </message>
    <message>
        <source>Honor points and the pot</source>
        <translation>Ehrenpunkte und der Pott</translation>
    </message>
    <message>
        <source>Everyone starts a game with 4 honor points, shown as banknotes beside each player. The pot in the middle shows how many points have been paid in this game.</source>
        <translation>Jeder beginnt ein Spiel mit 4 Ehrenpunkten, als Geldscheine neben jedem Spieler gezeigt. Der Pott in der Mitte zeigt, wie viele Punkte in diesem Spiel gezahlt wurden.</translation>
    </message>
    <message>
        <source>Going out</source>
        <translation>Ausscheiden</translation>
    </message>
    <message>
        <source>A player with no honor points left is out for the rest of the game. When you are out, the next &lt;b&gt;Deal&lt;/b&gt; lets the computer players play the game to its end.</source>
        <translation>Wer keine Ehrenpunkte mehr hat, ist für den Rest des Spiels raus. Bist du raus, lässt das nächste &lt;b&gt;Geben&lt;/b&gt; die Computerspieler das Spiel zu Ende spielen.</translation>
    </message>
    <message>
        <source>Winning</source>
        <translation>Gewinnen</translation>
    </message>
    <message>
        <source>The last player with honor points wins the game. The number beside each player&apos;s name counts the games that player has won; the count is kept from one run to the next. Click &lt;b&gt;Deal&lt;/b&gt; to start the next round or the next game.</source>
        <translation>Wer als Letzter noch Ehrenpunkte hat, gewinnt das Spiel. Die Zahl neben dem Namen jedes Spielers zählt die Spiele, die er gewonnen hat; die Zahl bleibt von einem Start zum nächsten erhalten. Klicke auf &lt;b&gt;Geben&lt;/b&gt;, um die nächste Runde oder das nächste Spiel zu beginnen.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>The game directory</source>
        <translation>Das Spielverzeichnis</translation>
    </message>
    <message>
        <source>Korvo Rules</source>
        <translation>Korvo-Regeln</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Tab moves between the cards, piles and buttons; Space plays the one with the focus. Ctrl+D deals, Ctrl+K knocks, Ctrl+T shows the statistics, F1 opens these rules and Ctrl+Q quits. Ctrl++ and Ctrl+- make the table bigger and smaller, Ctrl+0 brings it back to its actual size. View &amp;gt; Pace sets how fast you see the computer players move; a click shows the end of their moves at once. View &amp;gt; Language chooses the language of the window.</source>
        <translation>Tab wechselt zwischen den Karten, Stapeln und Knöpfen; die Leertaste spielt den mit dem Fokus. Strg+D gibt, Strg+K klopft, Strg+T zeigt die Statistik, F1 öffnet diese Regeln und Strg+Q beendet. Strg++ und Strg+- machen den Tisch größer und kleiner, Strg+0 bringt ihn auf seine Originalgröße zurück. Ansicht &amp;gt; Tempo legt fest, wie schnell du die Computerspieler ziehen siehst; ein Klick zeigt sofort das Ende ihrer Züge. Ansicht &amp;gt; Sprache wählt die Sprache des Fensters.</translation>
    </message>
    <message>
        <source>Korvo keeps its files in one directory: &lt;b&gt;cardfile.txt&lt;/b&gt;, the deck, shuffled and rewritten at every deal so that the order carries over to the next run; &lt;b&gt;totals.txt&lt;/b&gt;, the four win counts; &lt;b&gt;statistics.json&lt;/b&gt;, what every player has played and won (Game &amp;gt; Statistics); and the pictures, one JPEG file per card as the deck names it, &lt;b&gt;down1.JPG&lt;/b&gt; for a card&apos;s back, &lt;b&gt;gone.JPG&lt;/b&gt; for an empty place and &lt;b&gt;hundred0.JPG&lt;/b&gt; to &lt;b&gt;hundred12.JPG&lt;/b&gt; for the banknotes. You may put pictures of your own in their place. Korvo plays in the current directory if it holds a cardfile.txt, otherwise in ~/.local/share/korvo.</source>
        <translation>Korvo hält seine Dateien in einem Verzeichnis: &lt;b&gt;cardfile.txt&lt;/b&gt;, das Kartenspiel, bei jedem Geben gemischt und neu geschrieben, damit die Reihenfolge beim nächsten Start weitergeht; &lt;b&gt;totals.txt&lt;/b&gt;, die vier Siegzahlen; &lt;b&gt;statistics.json&lt;/b&gt;, was jeder Spieler gespielt und gewonnen hat (Spiel &amp;gt; Statistik); und die Bilder, eine JPEG-Datei je Karte, wie das Kartenspiel sie nennt, &lt;b&gt;down1.JPG&lt;/b&gt; für die Rückseite einer Karte, &lt;b&gt;gone.JPG&lt;/b&gt; für einen leeren Platz und &lt;b&gt;hundred0.JPG&lt;/b&gt; bis &lt;b&gt;hundred12.JPG&lt;/b&gt; für die Geldscheine. Du kannst eigene Bilder an ihre Stelle legen. Korvo spielt im aktuellen Verzeichnis, wenn es eine cardfile.txt enthält, sonst in ~/.local/share/korvo.</translation>
    </message>
    <message>
        <source>Your opponents, and a hint</source>
        <translation>Deine Gegner und ein Hinweis</translation>
    </message>
    <message>
        <source>Under View &amp;gt; Opponents you choose who plays Oma, Tobin and Wenna. &lt;b&gt;Classic&lt;/b&gt; players follow the rules&apos; own fixed tables and knock at a threshold drawn at random. &lt;b&gt;Strong&lt;/b&gt; players try every move they have on many deals of the cards they cannot see, play each round on to its end, and choose the move that best keeps their honor points; like you, they never see a hidden card. Game &amp;gt; Hint (H or Ctrl+H) shows what a Strong player would do in your seat and marks the place to click; it changes nothing.</source>
        <translation>Unter Ansicht &amp;gt; Gegner wählst du, wer Oma, Tobin und Wenna spielt. &lt;b&gt;Klassische&lt;/b&gt; Spieler folgen den festen Tabellen der Regeln und klopfen ab einer zufällig gezogenen Schwelle. &lt;b&gt;Starke&lt;/b&gt; Spieler probieren jeden ihrer Züge an vielen Verteilungen der Karten aus, die sie nicht sehen, spielen jede Runde bis zum Ende und wählen den Zug, der ihre Ehrenpunkte am besten bewahrt; wie du sehen sie nie eine verdeckte Karte. Spiel &amp;gt; Hinweis (H oder Strg+H) zeigt, was ein starker Spieler an deiner Stelle täte, und markiert den Platz zum Klicken; es ändert nichts.</translation>
    </message>
</context>
<context>
    <name>korvo::StatisticsWindow</name>
    <message>
        <source>Reset the statistics of all four players?

Games, rounds, knocks, 31s and the runs of wins start again from zero today. The win counts on the table (totals.txt) are kept.</source>
        <translation>Die Statistik aller vier Spieler zurücksetzen?

Spiele, Runden, Klopfer, Einunddreißiger und Siegesserien beginnen heute wieder bei null. Die Siegzahlen auf dem Tisch (totals.txt) bleiben erhalten.</translation>
    </message>
    <message>
        <source>Korvo Statistics</source>
        <translation>Korvo-Statistik</translation>
    </message>
    <message>
        <source>Statistics of the four players</source>
        <translation>Statistik der vier Spieler</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Games played to the end</source>
        <translation>Zu Ende gespielte Spiele</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>Share of games won</source>
        <translation>Anteil der gewonnenen Spiele</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Rounds played</source>
        <translation>Gespielte Runden</translation>
    </message>
    <message>
        <source>Lost honor</source>
        <translation>Ehre verloren</translation>
    </message>
    <message>
        <source>Rounds that cost honor points</source>
        <translation>Runden, die Ehrenpunkte gekostet haben</translation>
    </message>
    <message>
        <source>Knocks</source>
        <translation>Geklopft</translation>
    </message>
    <message>
        <source>Paid double</source>
        <translation>Doppelt gezahlt</translation>
    </message>
    <message>
        <source>Knocks that cost the knocker double</source>
        <translation>Klopfer, die den Klopfenden doppelt gekostet haben</translation>
    </message>
    <message>
        <source>31s</source>
        <translation>31er</translation>
    </message>
    <message>
        <source>31s shown</source>
        <translation>Gezeigte 31er</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Current run of games won</source>
        <translation>Aktuelle Serie gewonnener Spiele</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Beste Serie</translation>
    </message>
    <message>
        <source>Best run of games won</source>
        <translation>Beste Serie gewonnener Spiele</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics…</source>
        <translation>Statistik &amp;zurücksetzen …</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Counted since %1</source>
        <translation>Gezählt seit %1</translation>
    </message>
    <message numerus="yes">
        <source>Shown once %1 has played %n games</source>
        <translation>
            <numerusform>Gezeigt, sobald %1 %n Spiel gespielt hat</numerusform>
            <numerusform>Gezeigt, sobald %1 %n Spiele gespielt hat</numerusform>
        </translation>
    </message>
    <message>
        <source>Runs of wins are counted for %1</source>
        <translation>Siegesserien werden für %1 gezählt</translation>
    </message>
    <message>
        <source>The statistics start afresh but could not be saved:
%1</source>
        <translation>Die Statistik beginnt von vorn, konnte aber nicht gespeichert werden:
%1</translation>
    </message>
</context>
</TS>
