<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>korvo</name>
    <message>
        <source>%1 is in use by another Korvo (process %2).</source>
        <translation>%1 bruges allerede af en anden Korvo (proces %2).</translation>
    </message>
    <message>
        <source>%1 is in use by another Korvo.</source>
        <translation>%1 bruges allerede af en anden Korvo.</translation>
    </message>
</context>
<context>
    <name>korvo::FaultWords</name>
    <message>
        <source>%1, line %2: %3</source>
        <comment>a file, a line of it, and what is wrong there</comment>
        <translation>%1, linje %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Filen eller mappen findes ikke</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Adgang nægtet</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Handlingen er ikke tilladt</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Der er ikke mere plads på enheden</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Diskkvoten er overskredet</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Filsystemet er skrivebeskyttet</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Er ikke en mappe</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>I/O-fejl</translation>
    </message>
    <message>
        <source> The win counts are kept and will be saved at the next deal.</source>
        <comment>follows the fault of the tally file, after its full stop</comment>
        <translation> Antallet af sejre bevares og gemmes, næste gang der gives.</translation>
    </message>
    <message>
        <source>%1, and it cannot be renamed %2 (%3); the statistics of this run are not saved.</source>
        <comment>%1 is what is wrong with the statistics file, %3 the system&apos;s reason</comment>
        <translation>%1, og den kan ikke omdøbes til %2 (%3); statistikken for denne gang gemmes ikke.</translation>
    </message>
    <message>
        <source>%1; it is kept as %2 and the statistics start afresh.</source>
        <comment>%1 is what is wrong with the statistics file</comment>
        <translation>%1; den gemmes som %2, og statistikken begynder forfra.</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <comment>a file; %1 is the system&apos;s reason</comment>
        <translation>kan ikke åbnes: %1</translation>
    </message>
    <message>
        <source>is a directory, not a file</source>
        <translation>er en mappe, ikke en fil</translation>
    </message>
    <message>
        <source>is not a regular file (a named pipe or a device); it is not read</source>
        <translation>er ikke en almindelig fil (en navngiven pipe eller en enhed); den læses ikke</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <comment>a file; %1 is the system&apos;s reason</comment>
        <translation>kan ikke læses: %1</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <comment>a file; %1 is the system&apos;s reason</comment>
        <translation>kan ikke skrives: %1</translation>
    </message>
    <message>
        <source>cannot be written (write): %1</source>
        <comment>writing the new file&apos;s data failed; %1 is the system&apos;s reason</comment>
        <translation>kan ikke skrives (ved skrivning): %1</translation>
    </message>
    <message>
        <source>cannot be written (flush): %1</source>
        <comment>flushing the new file to the disk failed; %1 is the system&apos;s reason</comment>
        <translation>kan ikke skrives (ved overførsel til disken): %1</translation>
    </message>
    <message>
        <source>cannot be written (close): %1</source>
        <comment>closing the new file failed; %1 is the system&apos;s reason</comment>
        <translation>kan ikke skrives (ved lukning): %1</translation>
    </message>
    <message>
        <source>cannot be written (rename): %1</source>
        <comment>putting the new file in the old one&apos;s place failed; %1 is the reason</comment>
        <translation>kan ikke skrives (ved omdøbning): %1</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <comment>a line of a file</comment>
        <translation>kan ikke læses</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <comment>a line of a file</comment>
        <translation>er længere end %1 tegn</translation>
    </message>
    <message>
        <source>goes on for over 1 MB; a game file is far smaller</source>
        <comment>a file</comment>
        <translation>fylder over 1 MB; en spilfil er langt mindre</translation>
    </message>
    <message>
        <source>a text in double quotes has no closing quote</source>
        <translation>en tekst i dobbelte anførselstegn mangler det afsluttende anførselstegn</translation>
    </message>
    <message>
        <source>unexpected characters after a closing quote</source>
        <translation>uventede tegn efter et afsluttende anførselstegn</translation>
    </message>
    <message>
        <source>a double quote in the middle of a field</source>
        <translation>et dobbelt anførselstegn midt i et felt</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a whole number</source>
        <comment>of a card in the deck file</comment>
        <translation>værdien &quot;%1&quot; er ikke et helt tal</translation>
    </message>
    <message>
        <source>the value %1 is outside -32768..32767</source>
        <comment>of a card in the deck file</comment>
        <translation>værdien %1 ligger uden for -32768..32767</translation>
    </message>
    <message>
        <source>the win count &quot;%1&quot; is not a whole number</source>
        <translation>antallet af sejre &quot;%1&quot; er ikke et helt tal</translation>
    </message>
    <message>
        <source>the win count %1 is outside -32768..32767</source>
        <translation>antallet af sejre %1 ligger uden for -32768..32767</translation>
    </message>
    <message numerus="yes">
        <source>has %n fields; a card needs 3: suit, value, picture file</source>
        <comment>a line of the deck file</comment>
        <translation>
            <numerusform>har %n felt; et kort skal have 3: kulør, værdi, billedfil</numerusform>
            <numerusform>har %n felter; et kort skal have 3: kulør, værdi, billedfil</numerusform>
        </translation>
    </message>
    <message>
        <source>a suit or picture name is longer than %1 characters</source>
        <translation>en kulør eller et billednavn er længere end %1 tegn</translation>
    </message>
    <message>
        <source>holds no cards; a deck needs 52</source>
        <comment>the deck file</comment>
        <translation>indeholder ingen kort; et kortspil skal have 52</translation>
    </message>
    <message numerus="yes">
        <source>missing: the file holds only %n cards; a deck needs 52</source>
        <comment>a line of the deck file</comment>
        <translation>
            <numerusform>mangler: filen indeholder kun %n kort; et kortspil skal have 52</numerusform>
            <numerusform>mangler: filen indeholder kun %n kort; et kortspil skal have 52</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>holds %n numbers; it needs the 4 win counts</source>
        <comment>a line of the tally file</comment>
        <translation>
            <numerusform>indeholder %n tal; den skal have de 4 spilleres antal sejre</numerusform>
            <numerusform>indeholder %n tal; den skal have de 4 spilleres antal sejre</numerusform>
        </translation>
    </message>
    <message>
        <source>is empty; it needs the 4 win counts</source>
        <comment>the tally file</comment>
        <translation>er tom; den skal have de 4 spilleres antal sejre</translation>
    </message>
    <message>
        <source>the computer players have played %1 turns without ending the round; this deck cannot end a round</source>
        <translation>computerspillerne har spillet %1 træk uden at afslutte runden; med dette kortspil slutter ingen runde</translation>
    </message>
    <message>
        <source>cannot be made a game directory: %1</source>
        <comment>%1 is the system&apos;s reason</comment>
        <translation>kan ikke oprettes som spilmappe: %1</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <comment>a folder; %1 is the system&apos;s reason</comment>
        <translation>kan ikke oprettes: %1</translation>
    </message>
    <message>
        <source>cannot be written: the picture could not be encoded as JPEG</source>
        <translation>kan ikke skrives: billedet kunne ikke kodes som JPEG</translation>
    </message>
    <message>
        <source>cannot be written: a text of the deck file is not UTF-8</source>
        <comment>the saved game</comment>
        <translation>kan ikke skrives: en tekst i kortfilen er ikke UTF-8</translation>
    </message>
    <message>
        <source>is larger than any saved game (over 1 MB)</source>
        <translation>er større end noget gemt spil (over 1 MB)</translation>
    </message>
    <message>
        <source>is not a saved game: %1</source>
        <comment>%1 is the JSON reader&apos;s reason, in English</comment>
        <translation>er ikke et gemt spil: %1</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <comment>the statistics file</comment>
        <translation>er større end %1 byte</translation>
    </message>
    <message>
        <source>is not JSON (%1)</source>
        <comment>the statistics file; %1 is the JSON reader&apos;s reason</comment>
        <translation>er ikke JSON (%1)</translation>
    </message>
    <message>
        <source>is not a JSON object</source>
        <comment>the statistics file</comment>
        <translation>er ikke et JSON-objekt</translation>
    </message>
    <message>
        <source>has no version number</source>
        <comment>the statistics file</comment>
        <translation>har intet versionsnummer</translation>
    </message>
    <message>
        <source>is of version %1, not %2</source>
        <comment>the statistics file</comment>
        <translation>har version %1, ikke %2</translation>
    </message>
    <message>
        <source>has no &quot;since&quot; date of the form 2026-12-06T22:31:14Z</source>
        <comment>the statistics file; &quot;since&quot; is the name of a member of the file</comment>
        <translation>har ingen &quot;since&quot;-dato på formen 2026-12-06T22:31:14Z</translation>
    </message>
    <message>
        <source>does not list the four players</source>
        <comment>the statistics file</comment>
        <translation>oplister ikke de fire spillere</translation>
    </message>
    <message>
        <source>player %1 is not a JSON object</source>
        <comment>%1 is the player&apos;s number</comment>
        <translation>spiller %1 er ikke et JSON-objekt</translation>
    </message>
    <message>
        <source>player %1 is not named %2</source>
        <comment>%1 is the player&apos;s number, %2 his name</comment>
        <translation>spiller %1 hedder ikke %2</translation>
    </message>
    <message>
        <source>player %1 has no &quot;%2&quot;</source>
        <comment>%1 is the player&apos;s number, %2 the name of a member of the statistics file</comment>
        <translation>spiller %1 har intet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>player %1: &quot;%2&quot; is not a whole number</source>
        <comment>%1 is the player&apos;s number, %2 the name of a member of the statistics file</comment>
        <translation>spiller %1: &quot;%2&quot; er ikke et helt tal</translation>
    </message>
    <message>
        <source>player %1: &quot;%2&quot; is %3, not a count from 0 to %4</source>
        <comment>%1 is the player&apos;s number, %2 the name of a member of the statistics file</comment>
        <translation>spiller %1: &quot;%2&quot; er %3, ikke et antal fra 0 til %4</translation>
    </message>
    <message>
        <source>player %1&apos;s counts contradict one another</source>
        <comment>%1 is the player&apos;s number</comment>
        <translation>spiller %1&apos;s tal modsiger hinanden</translation>
    </message>
    <message>
        <source>the players have not played the same number of games</source>
        <translation>spillerne har ikke spillet lige mange spil</translation>
    </message>
    <message>
        <source>the games won do not add up to the games played</source>
        <translation>de vundne spil giver ikke tilsammen de spillede spil</translation>
    </message>
    <message>
        <source>player 1&apos;s runs of games won contradict his games won</source>
        <translation>spiller 1&apos;s sejrsstimer modsiger hans vundne spil</translation>
    </message>
</context>
<context>
    <name>korvo::Form1</name>
    <message>
        <source>Your messages</source>
        <translation>Dine beskeder</translation>
    </message>
    <message>
        <source>Oma&apos;s messages</source>
        <translation>Omas beskeder</translation>
    </message>
    <message>
        <source>Tobin&apos;s messages</source>
        <translation>Tobins beskeder</translation>
    </message>
    <message>
        <source>Wenna&apos;s messages</source>
        <translation>Wennas beskeder</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Giv</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Your card 1</source>
        <translation>Dit kort 1</translation>
    </message>
    <message>
        <source>Your card 2</source>
        <translation>Dit kort 2</translation>
    </message>
    <message>
        <source>Your card 3</source>
        <translation>Dit kort 3</translation>
    </message>
    <message>
        <source>Your new card</source>
        <translation>Dit nye kort</translation>
    </message>
    <message>
        <source>Oma&apos;s card 1</source>
        <translation>Omas kort 1</translation>
    </message>
    <message>
        <source>Oma&apos;s card 2</source>
        <translation>Omas kort 2</translation>
    </message>
    <message>
        <source>Oma&apos;s card 3</source>
        <translation>Omas kort 3</translation>
    </message>
    <message>
        <source>Tobin&apos;s card 1</source>
        <translation>Tobins kort 1</translation>
    </message>
    <message>
        <source>Tobin&apos;s card 2</source>
        <translation>Tobins kort 2</translation>
    </message>
    <message>
        <source>Tobin&apos;s card 3</source>
        <translation>Tobins kort 3</translation>
    </message>
    <message>
        <source>Wenna&apos;s card 1</source>
        <translation>Wennas kort 1</translation>
    </message>
    <message>
        <source>Wenna&apos;s card 2</source>
        <translation>Wennas kort 2</translation>
    </message>
    <message>
        <source>Wenna&apos;s card 3</source>
        <translation>Wennas kort 3</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Trækbunke</translation>
    </message>
    <message>
        <source>Discard pile</source>
        <translation>Aflægningsbunke</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Ophav</translation>
    </message>
    <message>
        <source>Your wins</source>
        <translation>Dine sejre</translation>
    </message>
    <message>
        <source>Oma&apos;s wins</source>
        <translation>Omas sejre</translation>
    </message>
    <message>
        <source>Tobin&apos;s wins</source>
        <translation>Tobins sejre</translation>
    </message>
    <message>
        <source>Wenna&apos;s wins</source>
        <translation>Wennas sejre</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pulje</translation>
    </message>
    <message>
        <source>Korvo by Vendrake at  korvo.example.org</source>
        <translation>Korvo af Vendrake på  korvo.example.org</translation>
    </message>
    <message>
        <source>by Vendrake</source>
        <translation>af Vendrake</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a count of honor points</comment>
        <translation>ukendt</translation>
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
        <translation>Din ære</translation>
    </message>
    <message>
        <source>Oma&apos;s honor</source>
        <translation>Omas ære</translation>
    </message>
    <message>
        <source>Tobin&apos;s honor</source>
        <translation>Tobins ære</translation>
    </message>
    <message>
        <source>Wenna&apos;s honor</source>
        <translation>Wennas ære</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <comment>honor points</comment>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n point</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has won %2 games, as many as the tally can count; this win is not added.</source>
        <translation>%1 har vundet %2 spil, så mange som optællingen kan rumme; denne sejr tælles ikke med.</translation>
    </message>
    <message>
        <source>face down</source>
        <comment>a card place</comment>
        <translation>med bagsiden op</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a card place</comment>
        <translation>tom</translation>
    </message>
    <message>
        <source>unknown card</source>
        <comment>a card place whose picture no card of the deck has</comment>
        <translation>ukendt kort</translation>
    </message>
</context>
<context>
    <name>korvo::MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spil</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Giv</translation>
    </message>
    <message>
        <source>&amp;Knock</source>
        <translation>&amp;Bank</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>&amp;Pace of the Computer Players</source>
        <translation>&amp;Computerspillernes tempo</translation>
    </message>
    <message>
        <source>&amp;Off: Show Only Where They End</source>
        <translation>&amp;Fra: vis kun hvor de ender</translation>
    </message>
    <message>
        <source>&amp;Brisk</source>
        <translation>&amp;Rask</translation>
    </message>
    <message>
        <source>&amp;Relaxed</source>
        <translation>R&amp;olig</translation>
    </message>
    <message>
        <source>&amp;Bigger</source>
        <translation>St&amp;ørre</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>&amp;Mindre</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Faktisk størrelse</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprog</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>&amp;Skrivebordets sprog</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regler</translation>
    </message>
    <message>
        <source>&amp;About Korvo</source>
        <translation>&amp;Om Korvo</translation>
    </message>
    <message>
        <source>About Korvo</source>
        <translation>Om Korvo</translation>
    </message>
    <message>
        <source>The card game of 31, for one player against three.</source>
        <translation>Kortspillet enogtredive, for én spiller mod tre.</translation>
    </message>
    <message>
        <source>Copyright The Korvo developers.</source>
        <translation>Copyright Korvos udviklere.</translation>
    </message>
    <message>
        <source>Korvo is free software under the GNU General Public License, version 3 or any later version.</source>
        <translation>Korvo er fri software under GNU General Public License, version 3 eller enhver senere version.</translation>
    </message>
    <message>
        <source>Korvo Statistics</source>
        <translation>Korvos statistik</translation>
    </message>
    <message>
        <source>The statistics file could not be used.

%1</source>
        <translation>Statistikfilen kunne ikke bruges.

%1</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistik …</translation>
    </message>
    <message>
        <source>&amp;Four-Colour Suits</source>
        <translation>Firefarvede &amp;kort</translation>
    </message>
    <message>
        <source>The four-colour faces could not be drawn: %1</source>
        <translation>De firefarvede kort kunne ikke tegnes: %1</translation>
    </message>
    <message>
        <source>Welcome back: the game goes on where you left it.</source>
        <translation>Velkommen tilbage: spillet fortsætter, hvor du slap.</translation>
    </message>
    <message>
        <source>The saved game could not be used; it is kept as %1 and a new game starts.</source>
        <translation>Det gemte spil kunne ikke bruges; det gemmes som %1, og et nyt spil begynder.</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Råd</translation>
    </message>
    <message>
        <source>&amp;Opponents</source>
        <translation>M&amp;odstandere</translation>
    </message>
    <message>
        <source>&amp;Classic: the Rules&apos; Own Players</source>
        <translation>&amp;Klassisk: reglernes egne spillere</translation>
    </message>
    <message>
        <source>&amp;Strong: Players That Look Ahead</source>
        <translation>&amp;Stærk: spillere, der tænker fremad</translation>
    </message>
    <message>
        <source>There is no round under way: deal the cards first.</source>
        <translation>Der er ingen runde i gang: giv kortene først.</translation>
    </message>
    <message>
        <source>You are out of this game: there is no move to hint.</source>
        <translation>Du er ude af dette spil: der er intet træk at råde om.</translation>
    </message>
    <message>
        <source>It is not your turn.</source>
        <translation>Det er ikke din tur.</translation>
    </message>
    <message>
        <source>Take the top card of the draw pile</source>
        <translation>Tag det øverste kort fra trækbunken</translation>
    </message>
    <message>
        <source>Take the %1 from the discard pile</source>
        <translation>Tag %1 fra aflægningsbunken</translation>
    </message>
    <message>
        <source>Throw away your %1</source>
        <translation>Smid din %1 væk</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>klør</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ruder</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>hjerter</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>spar</translation>
    </message>
    <message>
        <source>Knock: %1 in %2</source>
        <translation>Bank: %1 i %2</translation>
    </message>
    <message>
        <source>The computer players are Classic, the rules&apos; own players with their fixed tables and a knock at a random threshold, or Strong, players that try every move on many deals of the cards they cannot see and choose the one that best keeps their honor; neither ever looks at a hidden card. Choose them under View &gt; Opponents. Game &gt; Hint (H) asks the Strong player what it would do in your seat.</source>
        <translation>Computerspillerne er Klassisk, reglernes egne spillere med deres faste tabeller og et bank over en tilfældig tærskel, eller Stærk, spillere, der prøver hvert træk på mange fordelinger af de kort, de ikke kan se, og vælger det, der bedst bevarer deres ære; ingen af dem kigger nogensinde på et skjult kort. Vælg dem under Vis &gt; Modstandere. Spil &gt; Råd (H) spørger den stærke spiller, hvad den ville gøre i din stol.</translation>
    </message>
    <message>
        <source>The saved game could not be used and is left as it is; a new game starts, and this one is not saved.</source>
        <translation>Det gemte spil kunne ikke bruges og bliver, som det er; et nyt spil begynder og bliver ikke gemt.</translation>
    </message>
</context>
<context>
    <name>korvo::MessageWords</name>
    <message>
        <source>2</source>
        <comment>the value of a card said as a word: two</comment>
        <translation>to</translation>
    </message>
    <message>
        <source>3</source>
        <comment>the value of a card said as a word: three</comment>
        <translation>tre</translation>
    </message>
    <message>
        <source>4</source>
        <comment>the value of a card said as a word: four</comment>
        <translation>fire</translation>
    </message>
    <message>
        <source>5</source>
        <comment>the value of a card said as a word: five</comment>
        <translation>fem</translation>
    </message>
    <message>
        <source>6</source>
        <comment>the value of a card said as a word: six</comment>
        <translation>seks</translation>
    </message>
    <message>
        <source>7</source>
        <comment>the value of a card said as a word: seven</comment>
        <translation>syv</translation>
    </message>
    <message>
        <source>8</source>
        <comment>the value of a card said as a word: eight</comment>
        <translation>otte</translation>
    </message>
    <message>
        <source>9</source>
        <comment>the value of a card said as a word: nine</comment>
        <translation>ni</translation>
    </message>
    <message>
        <source>10</source>
        <comment>the value of a card said as a word: ten</comment>
        <translation>ti</translation>
    </message>
    <message>
        <source>11</source>
        <comment>the value of a card said as a word: eleven, an ace</comment>
        <translation>es</translation>
    </message>
    <message>
        <source>♣</source>
        <comment>the suit said as a word: clubs</comment>
        <translation>klør</translation>
    </message>
    <message>
        <source>♦</source>
        <comment>the suit said as a word: diamonds</comment>
        <translation>ruder</translation>
    </message>
    <message>
        <source>♥</source>
        <comment>the suit said as a word: hearts</comment>
        <translation>hjerter</translation>
    </message>
    <message>
        <source>♠</source>
        <comment>the suit said as a word: spades</comment>
        <translation>spar</translation>
    </message>
    <message>
        <source>%1, it&apos;s your turn.</source>
        <translation>%1, det er din tur.</translation>
    </message>
    <message>
        <source>%1 takes from pile.</source>
        <translation>%1 tager fra bunken.</translation>
    </message>
    <message>
        <source>%1 takes from pile. %2</source>
        <comment>the card thrown after it</comment>
        <translation>%1 tager fra bunken. %2</translation>
    </message>
    <message>
        <source>%1 Takes from pile. %2</source>
        <comment>a computer player&apos;s move and the card thrown</comment>
        <translation>%1 tager fra bunken. %2</translation>
    </message>
    <message>
        <source>%1 takes discard.</source>
        <translation>%1 tager åbent kort.</translation>
    </message>
    <message>
        <source>%1 takes discard. %2</source>
        <comment>the card thrown after it</comment>
        <translation>%1 tager åbent kort. %2</translation>
    </message>
    <message>
        <source>%1 Takes Discard.  %2</source>
        <comment>a computer player&apos;s move and the card thrown</comment>
        <translation>%1 tager åbent kort. %2</translation>
    </message>
    <message>
        <source>Knock!</source>
        <translation>Jeg banker!</translation>
    </message>
    <message>
        <source>Show Cards!</source>
        <comment>play has come back to the player who knocked</comment>
        <translation>Kortene på bordet!</translation>
    </message>
    <message>
        <source>Korvo!</source>
        <comment>the call of a player holding 31</comment>
        <translation>Korvo!</translation>
    </message>
    <message>
        <source>Korvo Everybody Pays.</source>
        <comment>after a 31, everybody else pays a point</comment>
        <translation>Korvo! Alle andre betaler.</translation>
    </message>
    <message>
        <source>%1 Pays.</source>
        <comment>one honor point</comment>
        <translation>%1 betaler.</translation>
    </message>
    <message>
        <source>%1 Pays Double.</source>
        <comment>the knocker was among the lowest</comment>
        <translation>%1 betaler dobbelt.</translation>
    </message>
    <message>
        <source>%1 is out!</source>
        <comment>no honor points left</comment>
        <translation>%1 er ude!</translation>
    </message>
    <message>
        <source>%1 is Out!</source>
        <comment>a player the deal passes over</comment>
        <translation>%1 er ude!</translation>
    </message>
    <message>
        <source>%1 wins all the honor!</source>
        <comment>the last player with honor points</comment>
        <translation>%1 vinder al æren!</translation>
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
        <translation>en mappe</translation>
    </message>
    <message>
        <source>Play with the deck and win counts in DIR (default: the current directory if it holds cardfile.txt, otherwise ~/.local/share/korvo, made on first use).</source>
        <translation>Spil med kortspillet og antal sejre i DIR (standard: den aktuelle mappe, hvis den indeholder en cardfile.txt, ellers ~/.local/share/korvo, oprettet første gang).</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>et tal</translation>
    </message>
    <message>
        <source>Shuffle and play with the random numbers of seed N, so that the same seed plays the same game.</source>
        <translation>Bland og spil med de tilfældige tal fra startværdi N, så samme startværdi spiller samme spil.</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>en fil</translation>
    </message>
    <message>
        <source>Take the random numbers from FILE, one per line, each from 0 up to (not including) 1.</source>
        <translation>Tag de tilfældige tal fra FILE, ét pr. linje, hvert fra 0 op til (men ikke med) 1.</translation>
    </message>
    <message>
        <source>classic or strong</source>
        <translation>classic eller strong</translation>
    </message>
    <message>
        <source>Play against the classic computer players (the default) or strong ones, for this run.</source>
        <translation>Spil mod de klassiske computerspillere (standard) eller stærke, for denne gang.</translation>
    </message>
    <message>
        <source>Play the clicks of FILE (one control name per line) on the window, without a screen; needs --screenshot.</source>
        <translation>Spil klikkene fra FILE (ét kontrolnavn pr. linje) på vinduet uden skærm; kræver --screenshot.</translation>
    </message>
    <message>
        <source>a file name for the PNG</source>
        <translation>et filnavn til PNG-filen</translation>
    </message>
    <message>
        <source>Save a PNG of the table (after the script, if any) and exit.</source>
        <translation>Gem en PNG af bordet (efter scriptet, hvis der er et) og afslut.</translation>
    </message>
    <message>
        <source>Make DIR a fresh game directory: deck, win counts and pictures; files already there are kept.</source>
        <translation>Gør DIR til en ny spilmappe: kortspil, antal sejre og billeder; filer, der allerede findes, bevares.</translation>
    </message>
    <message>
        <source>Play without the window: read clicks by control name on standard input and write one line of JSON per click.</source>
        <translation>Spil uden vindue: læs klik som kontrolnavne fra standardinput, og skriv én linje JSON pr. klik.</translation>
    </message>
    <message>
        <source>Go on with the game saved in the game directory (the window always does).</source>
        <translation>Fortsæt spillet, der er gemt i spilmappen (vinduet gør det altid).</translation>
    </message>
    <message>
        <source>Print the statistics of the games played in the game directory.</source>
        <translation>Udskriv statistikken over spillene, der er spillet i spilmappen.</translation>
    </message>
    <message>
        <source>With --statistics: print them as one JSON object.</source>
        <translation>Med --statistics: udskriv den som ét JSON-objekt.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Vis denne hjælp, og afslut.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Vis versionen, og afslut.</translation>
    </message>
    <message>
        <source>Play Korvo, the card game of 31, against three computer players.</source>
        <translation>Spil Korvo, kortspillet enogtredive, mod tre computerspillere.</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; (see korvo --help)</source>
        <translation>ukendt tilvalg &quot;%1&quot; (se korvo --help)</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 kræver %2</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (see korvo --help)</source>
        <translation>uventet argument &quot;%1&quot; (se korvo --help)</translation>
    </message>
    <message>
        <source>only one game directory may be given</source>
        <translation>der må kun angives én spilmappe</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 18446744073709551615, not &quot;%1&quot;</source>
        <translation>--seed kræver et helt tal fra 0 til 18446744073709551615, ikke &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--opponents needs classic or strong, not &quot;%1&quot;</source>
        <translation>--opponents kræver classic eller strong, ikke &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--seed and --random-file cannot be used together</source>
        <translation>--seed og --random-file kan ikke bruges sammen</translation>
    </message>
    <message>
        <source>--headless, --init, --statistics and --script/--screenshot exclude one another</source>
        <translation>--headless, --init, --statistics og --script/--screenshot udelukker hinanden</translation>
    </message>
    <message>
        <source>--script needs --screenshot OUT.png</source>
        <translation>--script kræver --screenshot OUT.png</translation>
    </message>
    <message>
        <source>--json goes with --statistics</source>
        <translation>--json hører sammen med --statistics</translation>
    </message>
    <message>
        <source>%1 takes no --seed, --random-file, --opponents or --resume</source>
        <translation>%1 tager ikke --seed, --random-file, --opponents eller --resume</translation>
    </message>
</context>
<context>
    <name>korvo::RulesWindow</name>
    <message>
        <source>Korvo: the rules</source>
        <translation>Korvo: reglerne</translation>
    </message>
    <message>
        <source>The aim</source>
        <translation>Målet</translation>
    </message>
    <message>
        <source>Hold &lt;b&gt;31 in one suit&lt;/b&gt;, or at least more than the others when the cards are shown. You play against Oma, Tobin and Wenna; each of you holds three cards.</source>
        <translation>Hav &lt;b&gt;31 i én kulør&lt;/b&gt;, eller i det mindste mere end de andre, når kortene vises. Du spiller mod Oma, Tobin og Wenna; hver af jer har tre kort.</translation>
    </message>
    <message>
        <source>What the cards are worth</source>
        <translation>Hvad kortene er værd</translation>
    </message>
    <message>
        <source>Aces count 11; kings, queens and jacks 10; every other card its number. A hand is worth the total of its best suit: cards of one suit add up, cards of different suits do not. Ace, king and 5 of hearts make 26; ace of hearts with king and queen of spades makes 20.</source>
        <translation>Esser tæller 11; konger, damer og knægte 10; alle andre kort deres tal. En hånd er summen af dens bedste kulør værd: kort i samme kulør lægges sammen, kort i forskellige kulører ikke. Hjerter es, hjerter konge og hjerter fem giver 26; hjerter es med spar konge og spar dame giver 20.</translation>
    </message>
    <message>
        <source>A turn</source>
        <translation>En tur</translation>
    </message>
    <message>
        <source>Play goes round the table: you, then Wenna on the left, Tobin at the top and Oma on the right. When your message line says &lt;i&gt;Pell, it&apos;s your turn.&lt;/i&gt; take a card: click the &lt;b&gt;draw pile&lt;/b&gt; for its hidden top card, or the &lt;b&gt;discard pile&lt;/b&gt; for the card lying face up. The card you took appears in your fourth place. Then click the one of your four cards you want to throw away.</source>
        <translation>Der spilles bordet rundt: dig, så Wenna til venstre, Tobin øverst og Oma til højre. Når din beskedlinje siger &lt;i&gt;Pell, det er din tur.&lt;/i&gt;, tager du et kort: klik på &lt;b&gt;trækbunken&lt;/b&gt; for dens skjulte øverste kort, eller på &lt;b&gt;aflægningsbunken&lt;/b&gt; for kortet, der ligger med billedsiden op. Kortet, du tog, kommer på din fjerde plads. Klik så på det af dine fire kort, du vil smide væk.</translation>
    </message>
    <message>
        <source>Knocking and the last round</source>
        <translation>At banke og den sidste runde</translation>
    </message>
    <message>
        <source>Instead of taking a card you may click &lt;b&gt;Knock&lt;/b&gt; when you think your hand is good enough. Every other player then has one more turn, and the cards are shown. Only one player can knock in a round; the computer players knock too.</source>
        <translation>I stedet for at tage et kort kan du klikke på &lt;b&gt;Bank&lt;/b&gt;, når du synes, din hånd er god nok. Hver af de andre spillere får så én tur mere, og kortene vises. Kun én spiller kan banke i en runde; computerspillerne banker også.</translation>
    </message>
    <message>
        <source>31 at once</source>
        <translation>31 med det samme</translation>
    </message>
    <message>
        <source>Whoever holds 31 says &lt;i&gt;Korvo!&lt;/i&gt;, and the round ends on the spot: everybody else still in the game pays one honor point.</source>
        <translation>Den, der har 31, siger &lt;i&gt;Korvo!&lt;/i&gt;, og runden slutter på stedet: alle andre, der stadig er med, betaler ét ærespoint.</translation>
    </message>
    <message>
        <source>The show-down: who pays</source>
        <translation>Kortene vises: hvem betaler</translation>
    </message>
    <message>
        <source>After a knock, all hands are turned up. The lowest hand pays one honor point; when several players share the lowest total, each of them pays. But if the player who knocked is among the lowest, the knocker alone pays &lt;b&gt;two&lt;/b&gt; points.</source>
        <translation>Efter et bank vendes alle hænder. Den laveste hånd betaler ét ærespoint; deler flere spillere den laveste sum, betaler hver af dem. Men er spilleren, der bankede, blandt de laveste, betaler den, der bankede, alene &lt;b&gt;to&lt;/b&gt; point.</translation>
    </message>
    <message>
        <source>Honor points and the pot</source>
        <translation>Ærespoint og puljen</translation>
    </message>
    <message>
        <source>Everyone starts a game with 4 honor points, shown as banknotes beside each player. The pot in the middle shows how many points have been paid in this game.</source>
        <translation>Alle begynder et spil med 4 ærespoint, vist som pengesedler ved hver spiller. Puljen i midten viser, hvor mange point der er betalt i dette spil.</translation>
    </message>
    <message>
        <source>Going out</source>
        <translation>At gå ud</translation>
    </message>
    <message>
        <source>A player with no honor points left is out for the rest of the game. When you are out, the next &lt;b&gt;Deal&lt;/b&gt; lets the computer players play the game to its end.</source>
        <translation>En spiller uden ærespoint er ude resten af spillet. Er du ude, lader det næste &lt;b&gt;Giv&lt;/b&gt; computerspillerne spille spillet til ende.</translation>
    </message>
    <message>
        <source>Winning</source>
        <translation>At vinde</translation>
    </message>
    <message>
        <source>The last player with honor points wins the game. The number beside each player&apos;s name counts the games that player has won; the count is kept from one run to the next. Click &lt;b&gt;Deal&lt;/b&gt; to start the next round or the next game.</source>
        <translation>Den sidste spiller med ærespoint vinder spillet. Tallet ved hver spillers navn tæller de spil, spilleren har vundet; tallet gemmes fra den ene gang til den næste. Klik på &lt;b&gt;Giv&lt;/b&gt; for at starte næste runde eller næste spil.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Taster</translation>
    </message>
    <message>
        <source>The game directory</source>
        <translation>Spilmappen</translation>
    </message>
    <message>
        <source>Korvo Rules</source>
        <translation>Korvos regler</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>Tab moves between the cards, piles and buttons; Space plays the one with the focus. Ctrl+D deals, Ctrl+K knocks, Ctrl+T shows the statistics, F1 opens these rules and Ctrl+Q quits. Ctrl++ and Ctrl+- make the table bigger and smaller, Ctrl+0 brings it back to its actual size. View &amp;gt; Pace sets how fast you see the computer players move; a click shows the end of their moves at once. View &amp;gt; Language chooses the language of the window.</source>
        <translation>Tab skifter mellem kortene, bunkerne og knapperne; mellemrum spiller den, der har fokus. Ctrl+D giver, Ctrl+K banker, Ctrl+T viser statistikken, F1 åbner disse regler og Ctrl+Q afslutter. Ctrl++ og Ctrl+- gør bordet større og mindre, Ctrl+0 sætter det tilbage til den faktiske størrelse. Vis &amp;gt; Tempo bestemmer, hvor hurtigt du ser computerspillerne spille; et klik viser straks slutningen af deres træk. Vis &amp;gt; Sprog vælger vinduets sprog.</translation>
    </message>
    <message>
        <source>Korvo keeps its files in one directory: &lt;b&gt;cardfile.txt&lt;/b&gt;, the deck, shuffled and rewritten at every deal so that the order carries over to the next run; &lt;b&gt;totals.txt&lt;/b&gt;, the four win counts; &lt;b&gt;statistics.json&lt;/b&gt;, what every player has played and won (Game &amp;gt; Statistics); and the pictures, one JPEG file per card as the deck names it, &lt;b&gt;down1.JPG&lt;/b&gt; for a card&apos;s back, &lt;b&gt;gone.JPG&lt;/b&gt; for an empty place and &lt;b&gt;hundred0.JPG&lt;/b&gt; to &lt;b&gt;hundred12.JPG&lt;/b&gt; for the banknotes. You may put pictures of your own in their place. Korvo plays in the current directory if it holds a cardfile.txt, otherwise in ~/.local/share/korvo.</source>
        <translation>Korvo gemmer sine filer i én mappe: &lt;b&gt;cardfile.txt&lt;/b&gt;, kortspillet, blandet og skrevet på ny ved hver giv, så rækkefølgen fortsætter næste gang; &lt;b&gt;totals.txt&lt;/b&gt;, de fire antal sejre; &lt;b&gt;statistics.json&lt;/b&gt;, hvad hver spiller har spillet og vundet (Spil &amp;gt; Statistik); og billederne, én JPEG-fil pr. kort, som kortspillet navngiver dem, &lt;b&gt;down1.JPG&lt;/b&gt; for et korts bagside, &lt;b&gt;gone.JPG&lt;/b&gt; for en tom plads og &lt;b&gt;hundred0.JPG&lt;/b&gt; til &lt;b&gt;hundred12.JPG&lt;/b&gt; for pengesedlerne. Du kan lægge dine egne billeder i deres sted. Korvo spiller i den aktuelle mappe, hvis den indeholder en cardfile.txt, ellers i ~/.local/share/korvo.</translation>
    </message>
    <message>
        <source>Your opponents, and a hint</source>
        <translation>Dine modstandere og et råd</translation>
    </message>
    <message>
        <source>Under View &amp;gt; Opponents you choose who plays Oma, Tobin and Wenna. &lt;b&gt;Classic&lt;/b&gt; players follow the rules&apos; own fixed tables and knock at a threshold drawn at random. &lt;b&gt;Strong&lt;/b&gt; players try every move they have on many deals of the cards they cannot see, play each round on to its end, and choose the move that best keeps their honor points; like you, they never see a hidden card. Game &amp;gt; Hint (H or Ctrl+H) shows what a Strong player would do in your seat and marks the place to click; it changes nothing.</source>
        <translation>Under Vis &amp;gt; Modstandere vælger du, hvem der spiller Oma, Tobin og Wenna. &lt;b&gt;Klassiske&lt;/b&gt; spillere følger reglernes faste tabeller og banker over en tilfældigt trukket tærskel. &lt;b&gt;Stærke&lt;/b&gt; spillere prøver hvert af deres træk på mange fordelinger af de kort, de ikke kan se, spiller hver runde til ende og vælger det træk, der bedst bevarer deres ærespoint; ligesom du ser de aldrig et skjult kort. Spil &amp;gt; Råd (H eller Ctrl+H) viser, hvad en stærk spiller ville gøre i din stol, og markerer, hvor du skal klikke; det ændrer intet.</translation>
    </message>
</context>
<context>
    <name>korvo::StatisticsWindow</name>
    <message>
        <source>Reset the statistics of all four players?

Games, rounds, knocks, 31s and the runs of wins start again from zero today. The win counts on the table (totals.txt) are kept.</source>
        <translation>Nulstil statistikken for alle fire spillere?

Spil, runder, bank, enogtredivere og sejrsrækker begynder forfra fra nul i dag. Antallet af sejre på bordet (totals.txt) bevares.</translation>
    </message>
    <message>
        <source>Korvo Statistics</source>
        <translation>Korvos statistik</translation>
    </message>
    <message>
        <source>Statistics of the four players</source>
        <translation>Statistik for de fire spillere</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spil</translation>
    </message>
    <message>
        <source>Games played to the end</source>
        <translation>Spil spillet til ende</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vundet</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Vundne spil</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Sejrsandel</translation>
    </message>
    <message>
        <source>Share of games won</source>
        <translation>Andel af vundne spil</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runder</translation>
    </message>
    <message>
        <source>Rounds played</source>
        <translation>Spillede runder</translation>
    </message>
    <message>
        <source>Lost honor</source>
        <translation>Tabt ære</translation>
    </message>
    <message>
        <source>Rounds that cost honor points</source>
        <translation>Runder, der kostede ærespoint</translation>
    </message>
    <message>
        <source>Knocks</source>
        <translation>Banket</translation>
    </message>
    <message>
        <source>Paid double</source>
        <translation>Betalt dobbelt</translation>
    </message>
    <message>
        <source>Knocks that cost the knocker double</source>
        <translation>Bank, der kostede den, der bankede, dobbelt</translation>
    </message>
    <message>
        <source>31s</source>
        <translation>31&apos;ere</translation>
    </message>
    <message>
        <source>31s shown</source>
        <translation>Viste 31&apos;ere</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Stime</translation>
    </message>
    <message>
        <source>Current run of games won</source>
        <translation>Nuværende stime af vundne spil</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Bedste stime</translation>
    </message>
    <message>
        <source>Best run of games won</source>
        <translation>Bedste stime af vundne spil</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics…</source>
        <translation>&amp;Nulstil statistik …</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Nulstil statistik</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <source>Counted since %1</source>
        <translation>Talt siden %1</translation>
    </message>
    <message numerus="yes">
        <source>Shown once %1 has played %n games</source>
        <translation>
            <numerusform>Vises, når %1 har spillet %n spil</numerusform>
            <numerusform>Vises, når %1 har spillet %n spil</numerusform>
        </translation>
    </message>
    <message>
        <source>Runs of wins are counted for %1</source>
        <translation>Sejrsstimer tælles for %1</translation>
    </message>
    <message>
        <source>The statistics start afresh but could not be saved:
%1</source>
        <translation>Statistikken begynder forfra, men kunne ikke gemmes:
%1</translation>
    </message>
</context>
</TS>
