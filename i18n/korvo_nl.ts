<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>korvo</name>
    <message>
        <source>%1 is in use by another Korvo (process %2).</source>
        <translation>%1 is al in gebruik door een andere Korvo (proces %2).</translation>
    </message>
    <message>
        <source>%1 is in use by another Korvo.</source>
        <translation>%1 is al in gebruik door een andere Korvo.</translation>
    </message>
</context>
<context>
    <name>korvo::FaultWords</name>
    <message>
        <source>%1, line %2: %3</source>
        <comment>a file, a line of it, and what is wrong there</comment>
        <translation>%1, regel %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Toegang geweigerd</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Bewerking is niet toegestaan</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Geen ruimte meer over op het apparaat</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Schijfquotum is overschreden</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Het bestandssysteem is alleen-lezen</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Is geen map</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Invoer-/uitvoerfout</translation>
    </message>
    <message>
        <source> The win counts are kept and will be saved at the next deal.</source>
        <comment>follows the fault of the tally file, after its full stop</comment>
        <translation> De overwinningen blijven bewaard en worden bij het volgende delen opgeslagen.</translation>
    </message>
    <message>
        <source>%1, and it cannot be renamed %2 (%3); the statistics of this run are not saved.</source>
        <comment>%1 is what is wrong with the statistics file, %3 the system&apos;s reason</comment>
        <translation>%1, en het kan niet worden hernoemd naar %2 (%3); de statistieken van deze sessie worden niet opgeslagen.</translation>
    </message>
    <message>
        <source>%1; it is kept as %2 and the statistics start afresh.</source>
        <comment>%1 is what is wrong with the statistics file</comment>
        <translation>%1; het wordt bewaard als %2 en de statistieken beginnen opnieuw.</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <comment>a file; %1 is the system&apos;s reason</comment>
        <translation>kan niet worden geopend: %1</translation>
    </message>
    <message>
        <source>is a directory, not a file</source>
        <translation>is een map, geen bestand</translation>
    </message>
    <message>
        <source>is not a regular file (a named pipe or a device); it is not read</source>
        <translation>is geen gewoon bestand (een named pipe of een apparaat); het wordt niet gelezen</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <comment>a file; %1 is the system&apos;s reason</comment>
        <translation>kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <comment>a file; %1 is the system&apos;s reason</comment>
        <translation>kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>cannot be written (write): %1</source>
        <comment>writing the new file&apos;s data failed; %1 is the system&apos;s reason</comment>
        <translation>kan niet worden geschreven (bij het schrijven): %1</translation>
    </message>
    <message>
        <source>cannot be written (flush): %1</source>
        <comment>flushing the new file to the disk failed; %1 is the system&apos;s reason</comment>
        <translation>kan niet worden geschreven (bij het wegschrijven naar de schijf): %1</translation>
    </message>
    <message>
        <source>cannot be written (close): %1</source>
        <comment>closing the new file failed; %1 is the system&apos;s reason</comment>
        <translation>kan niet worden geschreven (bij het sluiten): %1</translation>
    </message>
    <message>
        <source>cannot be written (rename): %1</source>
        <comment>putting the new file in the old one&apos;s place failed; %1 is the reason</comment>
        <translation>kan niet worden geschreven (bij het hernoemen): %1</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <comment>a line of a file</comment>
        <translation>kan niet worden gelezen</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <comment>a line of a file</comment>
        <translation>is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>goes on for over 1 MB; a game file is far smaller</source>
        <comment>a file</comment>
        <translation>is langer dan 1 MB; een spelbestand is veel kleiner</translation>
    </message>
    <message>
        <source>a text in double quotes has no closing quote</source>
        <translation>een tekst tussen dubbele aanhalingstekens heeft geen sluitend aanhalingsteken</translation>
    </message>
    <message>
        <source>unexpected characters after a closing quote</source>
        <translation>onverwachte tekens na een sluitend aanhalingsteken</translation>
    </message>
    <message>
        <source>a double quote in the middle of a field</source>
        <translation>een dubbel aanhalingsteken midden in een veld</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a whole number</source>
        <comment>of a card in the deck file</comment>
        <translation>de waarde &quot;%1&quot; is geen geheel getal</translation>
    </message>
    <message>
        <source>the value %1 is outside -32768..32767</source>
        <comment>of a card in the deck file</comment>
        <translation>de waarde %1 ligt buiten -32768..32767</translation>
    </message>
    <message>
        <source>the win count &quot;%1&quot; is not a whole number</source>
        <translation>het aantal overwinningen &quot;%1&quot; is geen geheel getal</translation>
    </message>
    <message>
        <source>the win count %1 is outside -32768..32767</source>
        <translation>het aantal overwinningen %1 ligt buiten -32768..32767</translation>
    </message>
    <message numerus="yes">
        <source>has %n fields; a card needs 3: suit, value, picture file</source>
        <comment>a line of the deck file</comment>
        <translation>
            <numerusform>heeft %n veld; een kaart heeft er 3 nodig: kleur, waarde, afbeeldingsbestand</numerusform>
            <numerusform>heeft %n velden; een kaart heeft er 3 nodig: kleur, waarde, afbeeldingsbestand</numerusform>
        </translation>
    </message>
    <message>
        <source>a suit or picture name is longer than %1 characters</source>
        <translation>een kleur of afbeeldingsnaam is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>holds no cards; a deck needs 52</source>
        <comment>the deck file</comment>
        <translation>bevat geen kaarten; een kaartspel heeft er 52 nodig</translation>
    </message>
    <message numerus="yes">
        <source>missing: the file holds only %n cards; a deck needs 52</source>
        <comment>a line of the deck file</comment>
        <translation>
            <numerusform>ontbreekt: het bestand bevat maar %n kaart; een kaartspel heeft er 52 nodig</numerusform>
            <numerusform>ontbreekt: het bestand bevat maar %n kaarten; een kaartspel heeft er 52 nodig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>holds %n numbers; it needs the 4 win counts</source>
        <comment>a line of the tally file</comment>
        <translation>
            <numerusform>bevat %n getal; nodig zijn de overwinningen van alle 4 spelers</numerusform>
            <numerusform>bevat %n getallen; nodig zijn de overwinningen van alle 4 spelers</numerusform>
        </translation>
    </message>
    <message>
        <source>is empty; it needs the 4 win counts</source>
        <comment>the tally file</comment>
        <translation>is leeg; nodig zijn de overwinningen van alle 4 spelers</translation>
    </message>
    <message>
        <source>the computer players have played %1 turns without ending the round; this deck cannot end a round</source>
        <translation>de computerspelers hebben %1 beurten gespeeld zonder de ronde te beëindigen; met dit kaartspel eindigt geen enkele ronde</translation>
    </message>
    <message>
        <source>cannot be made a game directory: %1</source>
        <comment>%1 is the system&apos;s reason</comment>
        <translation>kan niet als spelmap worden aangemaakt: %1</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <comment>a folder; %1 is the system&apos;s reason</comment>
        <translation>kan niet worden aangemaakt: %1</translation>
    </message>
    <message>
        <source>cannot be written: the picture could not be encoded as JPEG</source>
        <translation>kan niet worden geschreven: de afbeelding kon niet als JPEG worden gecodeerd</translation>
    </message>
    <message>
        <source>cannot be written: a text of the deck file is not UTF-8</source>
        <comment>the saved game</comment>
        <translation>kan niet worden geschreven: een tekst uit het kaartenbestand is geen UTF-8</translation>
    </message>
    <message>
        <source>is larger than any saved game (over 1 MB)</source>
        <translation>is groter dan welk opgeslagen spel ook (meer dan 1 MB)</translation>
    </message>
    <message>
        <source>is not a saved game: %1</source>
        <comment>%1 is the JSON reader&apos;s reason, in English</comment>
        <translation>is geen opgeslagen spel: %1</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <comment>the statistics file</comment>
        <translation>is groter dan %1 bytes</translation>
    </message>
    <message>
        <source>is not JSON (%1)</source>
        <comment>the statistics file; %1 is the JSON reader&apos;s reason</comment>
        <translation>is geen JSON (%1)</translation>
    </message>
    <message>
        <source>is not a JSON object</source>
        <comment>the statistics file</comment>
        <translation>is geen JSON-object</translation>
    </message>
    <message>
        <source>has no version number</source>
        <comment>the statistics file</comment>
        <translation>heeft geen versienummer</translation>
    </message>
    <message>
        <source>is of version %1, not %2</source>
        <comment>the statistics file</comment>
        <translation>heeft versie %1, niet %2</translation>
    </message>
    <message>
        <source>has no &quot;since&quot; date of the form 2026-12-06T22:31:14Z</source>
        <comment>the statistics file; &quot;since&quot; is the name of a member of the file</comment>
        <translation>heeft geen &quot;since&quot;-datum van de vorm 2026-12-06T22:31:14Z</translation>
    </message>
    <message>
        <source>does not list the four players</source>
        <comment>the statistics file</comment>
        <translation>noemt niet de vier spelers</translation>
    </message>
    <message>
        <source>player %1 is not a JSON object</source>
        <comment>%1 is the player&apos;s number</comment>
        <translation>speler %1 is geen JSON-object</translation>
    </message>
    <message>
        <source>player %1 is not named %2</source>
        <comment>%1 is the player&apos;s number, %2 his name</comment>
        <translation>speler %1 heet niet %2</translation>
    </message>
    <message>
        <source>player %1 has no &quot;%2&quot;</source>
        <comment>%1 is the player&apos;s number, %2 the name of a member of the statistics file</comment>
        <translation>speler %1 heeft geen &quot;%2&quot;</translation>
    </message>
    <message>
        <source>player %1: &quot;%2&quot; is not a whole number</source>
        <comment>%1 is the player&apos;s number, %2 the name of a member of the statistics file</comment>
        <translation>speler %1: &quot;%2&quot; is geen geheel getal</translation>
    </message>
    <message>
        <source>player %1: &quot;%2&quot; is %3, not a count from 0 to %4</source>
        <comment>%1 is the player&apos;s number, %2 the name of a member of the statistics file</comment>
        <translation>speler %1: &quot;%2&quot; is %3, geen aantal van 0 tot %4</translation>
    </message>
    <message>
        <source>player %1&apos;s counts contradict one another</source>
        <comment>%1 is the player&apos;s number</comment>
        <translation>de aantallen van speler %1 spreken elkaar tegen</translation>
    </message>
    <message>
        <source>the players have not played the same number of games</source>
        <translation>de spelers hebben niet even veel spellen gespeeld</translation>
    </message>
    <message>
        <source>the games won do not add up to the games played</source>
        <translation>de gewonnen spellen tellen niet op tot de gespeelde spellen</translation>
    </message>
    <message>
        <source>player 1&apos;s runs of games won contradict his games won</source>
        <translation>de reeksen overwinningen van speler 1 spreken zijn gewonnen spellen tegen</translation>
    </message>
</context>
<context>
    <name>korvo::Form1</name>
    <message>
        <source>Your messages</source>
        <translation>Jouw berichten</translation>
    </message>
    <message>
        <source>Oma&apos;s messages</source>
        <translation>Oma&apos;s berichten</translation>
    </message>
    <message>
        <source>Tobin&apos;s messages</source>
        <translation>Tobins berichten</translation>
    </message>
    <message>
        <source>Wenna&apos;s messages</source>
        <translation>Wenna&apos;s berichten</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Kloppen</translation>
    </message>
    <message>
        <source>Your card 1</source>
        <translation>Jouw kaart 1</translation>
    </message>
    <message>
        <source>Your card 2</source>
        <translation>Jouw kaart 2</translation>
    </message>
    <message>
        <source>Your card 3</source>
        <translation>Jouw kaart 3</translation>
    </message>
    <message>
        <source>Your new card</source>
        <translation>Jouw nieuwe kaart</translation>
    </message>
    <message>
        <source>Oma&apos;s card 1</source>
        <translation>Oma&apos;s kaart 1</translation>
    </message>
    <message>
        <source>Oma&apos;s card 2</source>
        <translation>Oma&apos;s kaart 2</translation>
    </message>
    <message>
        <source>Oma&apos;s card 3</source>
        <translation>Oma&apos;s kaart 3</translation>
    </message>
    <message>
        <source>Tobin&apos;s card 1</source>
        <translation>Tobins kaart 1</translation>
    </message>
    <message>
        <source>Tobin&apos;s card 2</source>
        <translation>Tobins kaart 2</translation>
    </message>
    <message>
        <source>Tobin&apos;s card 3</source>
        <translation>Tobins kaart 3</translation>
    </message>
    <message>
        <source>Wenna&apos;s card 1</source>
        <translation>Wenna&apos;s kaart 1</translation>
    </message>
    <message>
        <source>Wenna&apos;s card 2</source>
        <translation>Wenna&apos;s kaart 2</translation>
    </message>
    <message>
        <source>Wenna&apos;s card 3</source>
        <translation>Wenna&apos;s kaart 3</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Trekstapel</translation>
    </message>
    <message>
        <source>Discard pile</source>
        <translation>Aflegstapel</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Maker</translation>
    </message>
    <message>
        <source>Your wins</source>
        <translation>Jouw overwinningen</translation>
    </message>
    <message>
        <source>Oma&apos;s wins</source>
        <translation>Oma&apos;s overwinningen</translation>
    </message>
    <message>
        <source>Tobin&apos;s wins</source>
        <translation>Tobins overwinningen</translation>
    </message>
    <message>
        <source>Wenna&apos;s wins</source>
        <translation>Wenna&apos;s overwinningen</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Korvo by Vendrake at  korvo.example.org</source>
        <translation>Korvo door Vendrake op  korvo.example.org</translation>
    </message>
    <message>
        <source>by Vendrake</source>
        <translation>door Vendrake</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a count of honor points</comment>
        <translation>onbekend</translation>
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
        <translation>Jouw eer</translation>
    </message>
    <message>
        <source>Oma&apos;s honor</source>
        <translation>Oma&apos;s eer</translation>
    </message>
    <message>
        <source>Tobin&apos;s honor</source>
        <translation>Tobins eer</translation>
    </message>
    <message>
        <source>Wenna&apos;s honor</source>
        <translation>Wenna&apos;s eer</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <comment>honor points</comment>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has won %2 games, as many as the tally can count; this win is not added.</source>
        <translation>%1 heeft %2 spellen gewonnen, zoveel als de telling kan bijhouden; deze overwinning wordt niet meer geteld.</translation>
    </message>
    <message>
        <source>face down</source>
        <comment>a card place</comment>
        <translation>gesloten</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a card place</comment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>unknown card</source>
        <comment>a card place whose picture no card of the deck has</comment>
        <translation>onbekende kaart</translation>
    </message>
</context>
<context>
    <name>korvo::MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Delen</translation>
    </message>
    <message>
        <source>&amp;Knock</source>
        <translation>&amp;Kloppen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>&amp;Pace of the Computer Players</source>
        <translation>&amp;Tempo van de computerspelers</translation>
    </message>
    <message>
        <source>&amp;Off: Show Only Where They End</source>
        <translation>&amp;Uit: alleen tonen waar ze eindigen</translation>
    </message>
    <message>
        <source>&amp;Brisk</source>
        <translation>&amp;Vlot</translation>
    </message>
    <message>
        <source>&amp;Relaxed</source>
        <translation>&amp;Rustig</translation>
    </message>
    <message>
        <source>&amp;Bigger</source>
        <translation>&amp;Groter</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>&amp;Kleiner</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Werkelijke grootte</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Taa&amp;l</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Taal van het &amp;bureaublad</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regels</translation>
    </message>
    <message>
        <source>&amp;About Korvo</source>
        <translation>&amp;Over Korvo</translation>
    </message>
    <message>
        <source>About Korvo</source>
        <translation>Over Korvo</translation>
    </message>
    <message>
        <source>The card game of 31, for one player against three.</source>
        <translation>Het kaartspel eenendertigen, voor één speler tegen drie.</translation>
    </message>
    <message>
        <source>Copyright The Korvo developers.</source>
        <translation>Copyright de ontwikkelaars van Korvo.</translation>
    </message>
    <message>
        <source>Korvo is free software under the GNU General Public License, version 3 or any later version.</source>
        <translation>Korvo is vrije software onder de GNU General Public License, versie 3 of een latere versie.</translation>
    </message>
    <message>
        <source>Korvo Statistics</source>
        <translation>Statistieken van Korvo</translation>
    </message>
    <message>
        <source>The statistics file could not be used.

%1</source>
        <translation>Het statistiekbestand kon niet worden gebruikt.

%1</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistieken…</translation>
    </message>
    <message>
        <source>&amp;Four-Colour Suits</source>
        <translation>&amp;Vierkleurige kaarten</translation>
    </message>
    <message>
        <source>The four-colour faces could not be drawn: %1</source>
        <translation>De vierkleurige kaarten konden niet worden getekend: %1</translation>
    </message>
    <message>
        <source>Welcome back: the game goes on where you left it.</source>
        <translation>Welkom terug: het spel gaat verder waar je was gebleven.</translation>
    </message>
    <message>
        <source>The saved game could not be used; it is kept as %1 and a new game starts.</source>
        <translation>Het opgeslagen spel kon niet worden gebruikt; het wordt bewaard als %1 en er begint een nieuw spel.</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Opponents</source>
        <translation>Tegen&amp;standers</translation>
    </message>
    <message>
        <source>&amp;Classic: the Rules&apos; Own Players</source>
        <translation>&amp;Klassiek: de spelers van de regels</translation>
    </message>
    <message>
        <source>&amp;Strong: Players That Look Ahead</source>
        <translation>&amp;Sterk: spelers die vooruitkijken</translation>
    </message>
    <message>
        <source>There is no round under way: deal the cards first.</source>
        <translation>Er is geen ronde bezig: deel eerst de kaarten.</translation>
    </message>
    <message>
        <source>You are out of this game: there is no move to hint.</source>
        <translation>Je ligt eruit in dit spel: er is geen zet om aan te raden.</translation>
    </message>
    <message>
        <source>It is not your turn.</source>
        <translation>Je bent niet aan de beurt.</translation>
    </message>
    <message>
        <source>Take the top card of the draw pile</source>
        <translation>Pak de bovenste kaart van de trekstapel</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile</source>
        <translation>Pak de %1 van de aflegstapel</translation>
    </message>
    <message>
        <source>Throw away your %1</source>
        <translation>Leg je %1 af</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>harten</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>Knock: %1 in %2</source>
        <translation>Kloppen: %1 in %2</translation>
    </message>
    <message>
        <source>The computer players are Classic, the rules&apos; own players with their fixed tables and a knock at a random threshold, or Strong, players that try every move on many deals of the cards they cannot see and choose the one that best keeps their honor; neither ever looks at a hidden card. Choose them under View &gt; Opponents. Game &gt; Hint (H) asks the Strong player what it would do in your seat.</source>
        <translation>De computerspelers zijn Klassiek, de spelers van de regels met hun vaste tabellen en een klop boven een willekeurige drempel, of Sterk, spelers die elke zet uitproberen op veel verdelingen van de kaarten die ze niet zien en de zet kiezen die hun eer het best bewaart; geen van beide kijkt ooit naar een gesloten kaart. Kies ze onder Beeld &gt; Tegenstanders. Spel &gt; Hint (H) vraagt de sterke speler wat hij in jouw plaats zou doen.</translation>
    </message>
    <message>
        <source>The saved game could not be used and is left as it is; a new game starts, and this one is not saved.</source>
        <translation>Het opgeslagen spel kon niet worden gebruikt en blijft zoals het is; er begint een nieuw spel, dat niet wordt opgeslagen.</translation>
    </message>
</context>
<context>
    <name>korvo::MessageWords</name>
    <message>
        <source>2</source>
        <comment>the value of a card said as a word: two</comment>
        <translation>twee</translation>
    </message>
    <message>
        <source>3</source>
        <comment>the value of a card said as a word: three</comment>
        <translation>drie</translation>
    </message>
    <message>
        <source>4</source>
        <comment>the value of a card said as a word: four</comment>
        <translation>vier</translation>
    </message>
    <message>
        <source>5</source>
        <comment>the value of a card said as a word: five</comment>
        <translation>vijf</translation>
    </message>
    <message>
        <source>6</source>
        <comment>the value of a card said as a word: six</comment>
        <translation>zes</translation>
    </message>
    <message>
        <source>7</source>
        <comment>the value of a card said as a word: seven</comment>
        <translation>zeven</translation>
    </message>
    <message>
        <source>8</source>
        <comment>the value of a card said as a word: eight</comment>
        <translation>acht</translation>
    </message>
    <message>
        <source>9</source>
        <comment>the value of a card said as a word: nine</comment>
        <translation>negen</translation>
    </message>
    <message>
        <source>10</source>
        <comment>the value of a card said as a word: ten</comment>
        <translation>tien</translation>
    </message>
    <message>
        <source>11</source>
        <comment>the value of a card said as a word: eleven, an ace</comment>
        <translation>aas</translation>
    </message>
    <message>
        <source>♣</source>
        <comment>the suit said as a word: clubs</comment>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>♦</source>
        <comment>the suit said as a word: diamonds</comment>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>♥</source>
        <comment>the suit said as a word: hearts</comment>
        <translation>harten</translation>
    </message>
    <message>
        <source>♠</source>
        <comment>the suit said as a word: spades</comment>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>%1, it&apos;s your turn.</source>
        <translation>%1, jij bent aan de beurt.</translation>
    </message>
    <message>
        <source>%1 takes from pile.</source>
        <translation>%1 trekt een kaart.</translation>
    </message>
    <message>
        <source>%1 takes from pile. %2</source>
        <comment>the card thrown after it</comment>
        <translation>%1 trekt een kaart. %2</translation>
    </message>
    <message>
        <source>%1 Takes from pile. %2</source>
        <comment>a computer player&apos;s move and the card thrown</comment>
        <translation>%1 trekt een kaart. %2</translation>
    </message>
    <message>
        <source>%1 takes discard.</source>
        <translation>%1 pakt open kaart.</translation>
    </message>
    <message>
        <source>%1 takes discard. %2</source>
        <comment>the card thrown after it</comment>
        <translation>%1 pakt open kaart. %2</translation>
    </message>
    <message>
        <source>%1 Takes Discard.  %2</source>
        <comment>a computer player&apos;s move and the card thrown</comment>
        <translation>%1 pakt open kaart. %2</translation>
    </message>
    <message>
        <source>Knock!</source>
        <translation>Ik klop!</translation>
    </message>
    <message>
        <source>Show Cards!</source>
        <comment>play has come back to the player who knocked</comment>
        <translation>Kaarten op tafel!</translation>
    </message>
    <message>
        <source>Korvo!</source>
        <comment>the call of a player holding 31</comment>
        <translation>Korvo!</translation>
    </message>
    <message>
        <source>Korvo Everybody Pays.</source>
        <comment>after a 31, everybody else pays a point</comment>
        <translation>Korvo! Iedereen betaalt.</translation>
    </message>
    <message>
        <source>%1 Pays.</source>
        <comment>one honor point</comment>
        <translation>%1 betaalt.</translation>
    </message>
    <message>
        <source>%1 Pays Double.</source>
        <comment>the knocker was among the lowest</comment>
        <translation>%1 betaalt dubbel.</translation>
    </message>
    <message>
        <source>%1 is out!</source>
        <comment>no honor points left</comment>
        <translation>%1 ligt eruit!</translation>
    </message>
    <message>
        <source>%1 is Out!</source>
        <comment>a player the deal passes over</comment>
        <translation>%1 ligt eruit!</translation>
    </message>
    <message>
        <source>%1 wins all the honor!</source>
        <comment>the last player with honor points</comment>
        <translation>%1 wint alle eer!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a card said: its value, then its suit</comment>
        <translation>%2 %1</translation>
    </message>
</context>
<context>
    <name>korvo::Options</name>
    <message>
        <source>a directory</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>Play with the deck and win counts in DIR (default: the current directory if it holds cardfile.txt, otherwise ~/.local/share/korvo, made on first use).</source>
        <translation>Spelen met het kaartspel en de overwinningen in DIR (standaard: de huidige map als die een cardfile.txt bevat, anders ~/.local/share/korvo, bij de eerste keer aangemaakt).</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>een getal</translation>
    </message>
    <message>
        <source>Shuffle and play with the random numbers of seed N, so that the same seed plays the same game.</source>
        <translation>Schudden en spelen met de willekeurige getallen van startwaarde N, zodat dezelfde startwaarde hetzelfde spel speelt.</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>een bestand</translation>
    </message>
    <message>
        <source>Take the random numbers from FILE, one per line, each from 0 up to (not including) 1.</source>
        <translation>De willekeurige getallen uit FILE nemen, één per regel, elk van 0 tot (niet inbegrepen) 1.</translation>
    </message>
    <message>
        <source>classic or strong</source>
        <translation>classic of strong</translation>
    </message>
    <message>
        <source>Play against the classic computer players (the default) or strong ones, for this run.</source>
        <translation>Tegen de klassieke computerspelers (standaard) of sterke spelen, voor deze keer.</translation>
    </message>
    <message>
        <source>Play the clicks of FILE (one control name per line) on the window, without a screen; needs --screenshot.</source>
        <translation>De klikken uit FILE (één naam van een bedieningselement per regel) op het venster spelen, zonder scherm; heeft --screenshot nodig.</translation>
    </message>
    <message>
        <source>a file name for the PNG</source>
        <translation>een bestandsnaam voor de PNG</translation>
    </message>
    <message>
        <source>Save a PNG of the table (after the script, if any) and exit.</source>
        <translation>Een PNG van de tafel opslaan (na het script, als er een is) en afsluiten.</translation>
    </message>
    <message>
        <source>Make DIR a fresh game directory: deck, win counts and pictures; files already there are kept.</source>
        <translation>DIR een nieuwe spelmap maken: kaartspel, overwinningen en plaatjes; bestanden die er al zijn, blijven bewaard.</translation>
    </message>
    <message>
        <source>Play without the window: read clicks by control name on standard input and write one line of JSON per click.</source>
        <translation>Spelen zonder venster: klikken als namen van bedieningselementen lezen van de standaardinvoer en per klik één regel JSON schrijven.</translation>
    </message>
    <message>
        <source>Go on with the game saved in the game directory (the window always does).</source>
        <translation>Verdergaan met het spel dat in de spelmap is opgeslagen (het venster doet dat altijd).</translation>
    </message>
    <message>
        <source>Print the statistics of the games played in the game directory.</source>
        <translation>De statistieken van de in de spelmap gespeelde spellen tonen.</translation>
    </message>
    <message>
        <source>With --statistics: print them as one JSON object.</source>
        <translation>Met --statistics: ze als één JSON-object tonen.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Play Korvo, the card game of 31, against three computer players.</source>
        <translation>Korvo spelen, het kaartspel eenendertigen, tegen drie computerspelers.</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; (see korvo --help)</source>
        <translation>onbekende optie &quot;%1&quot; (zie korvo --help)</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 heeft %2 nodig</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (see korvo --help)</source>
        <translation>onverwacht argument &quot;%1&quot; (zie korvo --help)</translation>
    </message>
    <message>
        <source>only one game directory may be given</source>
        <translation>er mag maar één spelmap worden opgegeven</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 18446744073709551615, not &quot;%1&quot;</source>
        <translation>--seed heeft een geheel getal van 0 tot en met 18446744073709551615 nodig, niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--opponents needs classic or strong, not &quot;%1&quot;</source>
        <translation>--opponents heeft classic of strong nodig, niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--seed and --random-file cannot be used together</source>
        <translation>--seed en --random-file kunnen niet samen worden gebruikt</translation>
    </message>
    <message>
        <source>--headless, --init, --statistics and --script/--screenshot exclude one another</source>
        <translation>--headless, --init, --statistics en --script/--screenshot sluiten elkaar uit</translation>
    </message>
    <message>
        <source>--script needs --screenshot OUT.png</source>
        <translation>--script heeft --screenshot OUT.png nodig</translation>
    </message>
    <message>
        <source>--json goes with --statistics</source>
        <translation>--json hoort bij --statistics</translation>
    </message>
    <message>
        <source>%1 takes no --seed, --random-file, --opponents or --resume</source>
        <translation>%1 neemt geen --seed, --random-file, --opponents of --resume</translation>
    </message>
</context>
<context>
    <name>korvo::RulesWindow</name>
    <message>
        <source>Korvo: the rules</source>
        <translation>Korvo: de regels</translation>
    </message>
    <message>
        <source>The aim</source>
        <translation>Het doel</translation>
    </message>
    <message>
        <source>Hold &lt;b&gt;31 in one suit&lt;/b&gt;, or at least more than the others when the cards are shown. You play against Oma, Tobin and Wenna; each of you holds three cards.</source>
        <translation>Houd &lt;b&gt;31 in één kleur&lt;/b&gt;, of in elk geval meer dan de anderen wanneer de kaarten open gaan. Je speelt tegen Oma, Tobin en Wenna; ieder van jullie heeft drie kaarten.</translation>
    </message>
    <message>
        <source>What the cards are worth</source>
        <translation>Wat de kaarten waard zijn</translation>
    </message>
    <message>
        <source>Aces count 11; kings, queens and jacks 10; every other card its number. A hand is worth the total of its best suit: cards of one suit add up, cards of different suits do not. Ace, king and 5 of hearts make 26; ace of hearts with king and queen of spades makes 20.</source>
        <translation>Azen tellen 11; heren, vrouwen en boeren 10; elke andere kaart haar getal. Een hand is het totaal van haar beste kleur waard: kaarten van één kleur tellen op, kaarten van verschillende kleuren niet. Harten aas, harten heer en harten vijf maken 26; harten aas met schoppen heer en schoppen vrouw maakt 20.</translation>
    </message>
    <message>
        <source>A turn</source>
        <translation>Een beurt</translation>
    </message>
    <message>
        <source>Play goes round the table: you, then Wenna on the left, Tobin at the top and Oma on the right. When your message line says &lt;i&gt;Pell, it&apos;s your turn.&lt;/i&gt; take a card: click the &lt;b&gt;draw pile&lt;/b&gt; for its hidden top card, or the &lt;b&gt;discard pile&lt;/b&gt; for the card lying face up. The card you took appears in your fourth place. Then click the one of your four cards you want to throw away.</source>
        <translation>Er wordt rond de tafel gespeeld: jij, dan Wenna links, Tobin boven en Oma rechts. Als je berichtregel &lt;i&gt;Pell, jij bent aan de beurt.&lt;/i&gt; zegt, pak je een kaart: klik op de &lt;b&gt;trekstapel&lt;/b&gt; voor de verborgen bovenste kaart, of op de &lt;b&gt;aflegstapel&lt;/b&gt; voor de open kaart. De gepakte kaart verschijnt op je vierde plaats. Klik dan op de kaart van je vier die je wilt afleggen.</translation>
    </message>
    <message>
        <source>Knocking and the last round</source>
        <translation>Kloppen en de laatste ronde</translation>
    </message>
    <message>
        <source>Instead of taking a card you may click &lt;b&gt;Knock&lt;/b&gt; when you think your hand is good enough. Every other player then has one more turn, and the cards are shown. Only one player can knock in a round; the computer players knock too.</source>
        <translation>In plaats van een kaart te pakken mag je op &lt;b&gt;Kloppen&lt;/b&gt; klikken als je denkt dat je hand goed genoeg is. Elke andere speler is dan nog één keer aan de beurt, en de kaarten gaan open. Er kan maar één speler per ronde kloppen; de computerspelers kloppen ook.</translation>
    </message>
    <message>
        <source>31 at once</source>
        <translation>Meteen 31</translation>
    </message>
    <message>
        <source>Whoever holds 31 says &lt;i&gt;Korvo!&lt;/i&gt;, and the round ends on the spot: everybody else still in the game pays one honor point.</source>
        <translation>Wie 31 heeft, roept &lt;i&gt;Korvo!&lt;/i&gt;, en de ronde is meteen voorbij: iedereen die nog meedoet, betaalt één erepunt.</translation>
    </message>
    <message>
        <source>The show-down: who pays</source>
        <translation>Open kaarten: wie betaalt</translation>
    </message>
    <message>
        <source>After a knock, all hands are turned up. The lowest hand pays one honor point; when several players share the lowest total, each of them pays. But if the player who knocked is among the lowest, the knocker alone pays &lt;b&gt;two&lt;/b&gt; points.</source>
        <translation>Na een klop gaan alle handen open. De laagste hand betaalt één erepunt; hebben meerdere spelers het laagste totaal, dan betaalt ieder van hen. Maar zit de speler die klopte bij de laagsten, dan betaalt alleen de klopper, en wel &lt;b&gt;twee&lt;/b&gt; punten.</translation>
    </message>
    <message>
        <source>Honor points and the pot</source>
        <translation>Erepunten en de pot</translation>
    </message>
    <message>
        <source>Everyone starts a game with 4 honor points, shown as banknotes beside each player. The pot in the middle shows how many points have been paid in this game.</source>
        <translation>Iedereen begint een spel met 4 erepunten, als bankbiljetten naast elke speler. De pot in het midden toont hoeveel punten er in dit spel zijn betaald.</translation>
    </message>
    <message>
        <source>Going out</source>
        <translation>Eruit liggen</translation>
    </message>
    <message>
        <source>A player with no honor points left is out for the rest of the game. When you are out, the next &lt;b&gt;Deal&lt;/b&gt; lets the computer players play the game to its end.</source>
        <translation>Een speler zonder erepunten ligt eruit voor de rest van het spel. Lig jij eruit, dan spelen de computerspelers het spel na de volgende keer &lt;b&gt;Delen&lt;/b&gt; uit.</translation>
    </message>
    <message>
        <source>Winning</source>
        <translation>Winnen</translation>
    </message>
    <message>
        <source>The last player with honor points wins the game. The number beside each player&apos;s name counts the games that player has won; the count is kept from one run to the next. Click &lt;b&gt;Deal&lt;/b&gt; to start the next round or the next game.</source>
        <translation>De laatste speler met erepunten wint het spel. Het getal naast de naam van elke speler telt de spellen die die speler heeft gewonnen; de telling blijft bewaard van de ene keer spelen tot de volgende. Klik op &lt;b&gt;Delen&lt;/b&gt; om de volgende ronde of het volgende spel te beginnen.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>The game directory</source>
        <translation>De spelmap</translation>
    </message>
    <message>
        <source>Korvo Rules</source>
        <translation>Regels van Korvo</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>Tab moves between the cards, piles and buttons; Space plays the one with the focus. Ctrl+D deals, Ctrl+K knocks, Ctrl+T shows the statistics, F1 opens these rules and Ctrl+Q quits. Ctrl++ and Ctrl+- make the table bigger and smaller, Ctrl+0 brings it back to its actual size. View &amp;gt; Pace sets how fast you see the computer players move; a click shows the end of their moves at once. View &amp;gt; Language chooses the language of the window.</source>
        <translation>Tab gaat tussen de kaarten, stapels en knoppen; de spatiebalk speelt die met de focus. Ctrl+D deelt, Ctrl+K klopt, Ctrl+T toont de statistieken, F1 opent deze regels en Ctrl+Q sluit af. Ctrl++ en Ctrl+- maken de tafel groter en kleiner, Ctrl+0 zet hem terug op zijn werkelijke grootte. Beeld &amp;gt; Tempo bepaalt hoe snel je de computerspelers ziet spelen; een klik toont meteen het einde van hun zetten. Beeld &amp;gt; Taal kiest de taal van het venster.</translation>
    </message>
    <message>
        <source>Korvo keeps its files in one directory: &lt;b&gt;cardfile.txt&lt;/b&gt;, the deck, shuffled and rewritten at every deal so that the order carries over to the next run; &lt;b&gt;totals.txt&lt;/b&gt;, the four win counts; &lt;b&gt;statistics.json&lt;/b&gt;, what every player has played and won (Game &amp;gt; Statistics); and the pictures, one JPEG file per card as the deck names it, &lt;b&gt;down1.JPG&lt;/b&gt; for a card&apos;s back, &lt;b&gt;gone.JPG&lt;/b&gt; for an empty place and &lt;b&gt;hundred0.JPG&lt;/b&gt; to &lt;b&gt;hundred12.JPG&lt;/b&gt; for the banknotes. You may put pictures of your own in their place. Korvo plays in the current directory if it holds a cardfile.txt, otherwise in ~/.local/share/korvo.</source>
        <translation>Korvo bewaart zijn bestanden in één map: &lt;b&gt;cardfile.txt&lt;/b&gt;, het kaartspel, bij elke deling geschud en opnieuw geschreven zodat de volgorde doorloopt naar de volgende keer; &lt;b&gt;totals.txt&lt;/b&gt;, de vier aantallen overwinningen; &lt;b&gt;statistics.json&lt;/b&gt;, wat elke speler heeft gespeeld en gewonnen (Spel &amp;gt; Statistieken); en de plaatjes, één JPEG-bestand per kaart zoals het kaartspel het noemt, &lt;b&gt;down1.JPG&lt;/b&gt; voor de achterkant van een kaart, &lt;b&gt;gone.JPG&lt;/b&gt; voor een lege plaats en &lt;b&gt;hundred0.JPG&lt;/b&gt; tot en met &lt;b&gt;hundred12.JPG&lt;/b&gt; voor de bankbiljetten. Je mag er eigen plaatjes voor in de plaats zetten. Korvo speelt in de huidige map als die een cardfile.txt bevat, anders in ~/.local/share/korvo.</translation>
    </message>
    <message>
        <source>Your opponents, and a hint</source>
        <translation>Je tegenstanders, en een hint</translation>
    </message>
    <message>
        <source>Under View &amp;gt; Opponents you choose who plays Oma, Tobin and Wenna. &lt;b&gt;Classic&lt;/b&gt; players follow the rules&apos; own fixed tables and knock at a threshold drawn at random. &lt;b&gt;Strong&lt;/b&gt; players try every move they have on many deals of the cards they cannot see, play each round on to its end, and choose the move that best keeps their honor points; like you, they never see a hidden card. Game &amp;gt; Hint (H or Ctrl+H) shows what a Strong player would do in your seat and marks the place to click; it changes nothing.</source>
        <translation>Onder Beeld &amp;gt; Tegenstanders kies je wie Oma, Tobin en Wenna speelt. &lt;b&gt;Klassieke&lt;/b&gt; spelers volgen de vaste tabellen van de regels en kloppen boven een willekeurig getrokken drempel. &lt;b&gt;Sterke&lt;/b&gt; spelers proberen elke zet uit op veel verdelingen van de kaarten die ze niet zien, spelen elke ronde uit en kiezen de zet die hun erepunten het best bewaart; net als jij zien ze nooit een gesloten kaart. Spel &amp;gt; Hint (H of Ctrl+H) toont wat een sterke speler in jouw plaats zou doen en markeert waar je moet klikken; het verandert niets.</translation>
    </message>
</context>
<context>
    <name>korvo::StatisticsWindow</name>
    <message>
        <source>Reset the statistics of all four players?

Games, rounds, knocks, 31s and the runs of wins start again from zero today. The win counts on the table (totals.txt) are kept.</source>
        <translation>De statistieken van alle vier spelers wissen?

Spellen, rondes, kloppen, eenendertigen en reeksen overwinningen beginnen vandaag weer bij nul. De aantallen overwinningen op tafel (totals.txt) blijven bewaard.</translation>
    </message>
    <message>
        <source>Korvo Statistics</source>
        <translation>Statistieken van Korvo</translation>
    </message>
    <message>
        <source>Statistics of the four players</source>
        <translation>Statistieken van de vier spelers</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>Games played to the end</source>
        <translation>Uitgespeelde spellen</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnen spellen</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Winstpercentage</translation>
    </message>
    <message>
        <source>Share of games won</source>
        <translation>Aandeel gewonnen spellen</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rondes</translation>
    </message>
    <message>
        <source>Rounds played</source>
        <translation>Gespeelde rondes</translation>
    </message>
    <message>
        <source>Lost honor</source>
        <translation>Eer verloren</translation>
    </message>
    <message>
        <source>Rounds that cost honor points</source>
        <translation>Rondes die erepunten kostten</translation>
    </message>
    <message>
        <source>Knocks</source>
        <translation>Geklopt</translation>
    </message>
    <message>
        <source>Paid double</source>
        <translation>Dubbel betaald</translation>
    </message>
    <message>
        <source>Knocks that cost the knocker double</source>
        <translation>Kloppen die de klopper dubbel kostten</translation>
    </message>
    <message>
        <source>31s</source>
        <translation>31s</translation>
    </message>
    <message>
        <source>31s shown</source>
        <translation>Getoonde 31s</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Reeks</translation>
    </message>
    <message>
        <source>Current run of games won</source>
        <translation>Huidige reeks gewonnen spellen</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Beste reeks</translation>
    </message>
    <message>
        <source>Best run of games won</source>
        <translation>Beste reeks gewonnen spellen</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics…</source>
        <translation>Statistieken &amp;wissen…</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Statistieken wissen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Counted since %1</source>
        <translation>Geteld sinds %1</translation>
    </message>
    <message numerus="yes">
        <source>Shown once %1 has played %n games</source>
        <translation>
            <numerusform>Getoond zodra %1 %n spel heeft gespeeld</numerusform>
            <numerusform>Getoond zodra %1 %n spellen heeft gespeeld</numerusform>
        </translation>
    </message>
    <message>
        <source>Runs of wins are counted for %1</source>
        <translation>Reeksen overwinningen worden geteld voor %1</translation>
    </message>
    <message>
        <source>The statistics start afresh but could not be saved:
%1</source>
        <translation>De statistieken beginnen opnieuw, maar konden niet worden opgeslagen:
%1</translation>
    </message>
</context>
</TS>
