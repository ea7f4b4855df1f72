<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>LogExport</name>
    <message>
        <source>Time</source>
        <extracomment>Export&apos;s column headers: when, who, the label, the notation, the dice, the total, what the roll meant in its game system or its bands, the standing in percent (0 is the bottom, 100 the top), and whether the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Notation</source>
        <translation>Notation</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Standing %</source>
        <translation>Stand %</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ausgang</translation>
    </message>
</context>
<context>
    <name>LuckLine</name>
    <message>
        <source>%1 %</source>
        <extracomment>A share in percent, %1 being a number such as 8 or 0.25.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>1 roll</source>
        <extracomment>The luck line&apos;s count of rolls, for exactly one.</extracomment>
        <translation>1 Wurf</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls</source>
        <extracomment>The luck line&apos;s count of rolls, for any number but one (0, 2, 57, 1000000).</extracomment>
        <translation>
            <numerusform>%n Würfe</numerusform>
            <numerusform>%n Würfe</numerusform>
        </translation>
    </message>
    <message>
        <source>average standing %1</source>
        <extracomment>The mean of the rolls&apos; standings, such as &quot;average standing 41 %&quot;.</extracomment>
        <translation>Stand im Mittel %1</translation>
    </message>
    <message>
        <source>fair dice roll this high or higher %1 of the time</source>
        <translation>faire Würfel kommen in %1 der Fälle so hoch oder höher</translation>
    </message>
    <message>
        <source>fair dice roll this low or lower %1 of the time</source>
        <translation>faire Würfel kommen in %1 der Fälle so tief oder tiefer</translation>
    </message>
    <message>
        <source>%1 without odds left out</source>
        <extracomment>Rolls whose odds were never worked out, and so are not weighed: %1 is a number of rolls, such as &quot;3 rolls&quot;.</extracomment>
        <translation>%1 ohne Chancen nicht mitgezählt</translation>
    </message>
</context>
<context>
    <name>QtMessageDisplay</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>RollBookFile</name>
    <message>
        <source>The file is larger than 10 MB.</source>
        <translation>Die Datei ist größer als 10 MB.</translation>
    </message>
    <message>
        <source>The file is not JSON: line %1, column %2: %3.</source>
        <extracomment>%1 and %2 are numbers; %3 is Qt&apos;s own description of the error.</extracomment>
        <translation>Die Datei ist kein JSON: Zeile %1, Spalte %2: %3.</translation>
    </message>
    <message>
        <source>The file is not a Kelvane roll book.</source>
        <translation>Die Datei ist kein Kelvane-Wurfbuch.</translation>
    </message>
    <message>
        <source>The file&apos;s version %1 is not one Kelvane reads (it reads version %2).</source>
        <extracomment>%1 is the version the file names; %2 the one this program reads.</extracomment>
        <translation>Version %1 der Datei kann Kelvane nicht lesen (es liest Version %2).</translation>
    </message>
    <message>
        <source>A character in the file has no name.</source>
        <translation>Eine Figur in der Datei hat keinen Namen.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rolls for %2.</source>
        <extracomment>%1 is the most rolls a character may hold; %2 the character&apos;s name.</extracomment>
        <translation>Die Datei enthält mehr als %1 Würfe für %2.</translation>
    </message>
    <message>
        <source>The roll &quot;%1&quot; of %2 cannot be read. %3</source>
        <extracomment>%1 is the roll&apos;s notation, %2 its character, %3 why it cannot be read.</extracomment>
        <translation>Der Wurf „%1“ von %2 ist nicht lesbar. %3</translation>
    </message>
    <message>
        <source>The roll book could not be written to %1: %2</source>
        <extracomment>%1 is the file&apos;s name; %2 the system&apos;s reason.</extracomment>
        <translation>Das Wurfbuch konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file&apos;s name; %2 the system&apos;s reason.</extracomment>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>RollBookPanel</name>
    <message>
        <source>&amp;Character</source>
        <extracomment>Label of the choice of character (a player&apos;s or a monster&apos;s) whose saved rolls the book shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Figur</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>The character whose saved rolls the book shows</source>
        <translation>Die Figur, deren gespeicherte Würfe das Buch zeigt</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <extracomment>Button: add a new character to the roll book.</extracomment>
        <translation>N&amp;eu</translation>
    </message>
    <message>
        <source>Add a character to the roll book</source>
        <translation>Dem Wurfbuch eine Figur hinzufügen</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <extracomment>Button: rename the chosen character.</extracomment>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Rename the character</source>
        <translation>Die Figur umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Button: delete the chosen character with its saved rolls.</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the character and its saved rolls</source>
        <translation>Die Figur mit ihren gespeicherten Würfen löschen</translation>
    </message>
    <message>
        <source>Roll &amp;book</source>
        <extracomment>Label of the list of the character&apos;s saved, named rolls.</extracomment>
        <translation>&amp;Wurfbuch</translation>
    </message>
    <message>
        <source>Roll book</source>
        <translation>Wurfbuch</translation>
    </message>
    <message>
        <source>Click, Enter or Space rolls; F2 renames; Alt+Up and Alt+Down move; Delete removes; Ctrl+Z brings back</source>
        <extracomment>Keys: keep the key names as the keyboard shows them in your language.</extracomment>
        <translation>Klick, Eingabe oder Leertaste würfelt; F2 benennt um; Alt+Auf und Alt+Ab verschieben; Entf entfernt; Strg+Z holt zurück</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Button: keep the notation box&apos;s text in the roll book.</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Keep the notation in the book, named by its # label</source>
        <translation>Die Notation im Buch behalten, benannt nach ihrem #-Etikett</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <extracomment>Button: read characters and rolls from a roll book file.</extracomment>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Add the characters and rolls of a roll book file</source>
        <translation>Die Figuren und Würfe einer Wurfbuch-Datei hinzufügen</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <extracomment>Button: write the whole roll book to a file.</extracomment>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the whole roll book to a file</source>
        <translation>Das ganze Wurfbuch in eine Datei schreiben</translation>
    </message>
</context>
<context>
    <name>RollLogWindow</name>
    <message>
        <source>Roll log</source>
        <extracomment>Title of the window that lists every roll kept across sessions.</extracomment>
        <translation>Wurfprotokoll</translation>
    </message>
    <message>
        <source>C&amp;haracter</source>
        <extracomment>Label of the choice of whose rolls the log shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Figur</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>&amp;Period</source>
        <extracomment>Label of the choice of the time span the log shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Zeitraum</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <extracomment>Label of the box that finds rolls by label or notation. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Shows the rolls whose label or notation holds this text</source>
        <translation>Zeigt die Würfe, deren Bezeichnung oder Notation diesen Text enthält</translation>
    </message>
    <message>
        <source>Roll &amp;again</source>
        <extracomment>Button: roll the selected row&apos;s notation again in the main window (Ctrl+R).</extracomment>
        <translation>&amp;Nochmals würfeln</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button: copy the selected rows&apos; lines to the clipboard (Ctrl+C).</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <extracomment>Button: remove the selected rows from the log, after asking.</extracomment>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>C&amp;lear log…</source>
        <extracomment>Button: remove every row from the log, after asking.</extracomment>
        <translation>Protokoll l&amp;eeren…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <extracomment>Button: save the rows shown as CSV or Markdown, through a save dialog.</extracomment>
        <translation>E&amp;xportieren…</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Table</source>
        <extracomment>Title of the dialog that sets up sharing rolls with the group&apos;s Discord channel.</extracomment>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>&amp;Webhook URL</source>
        <extracomment>The address of the Discord channel&apos;s webhook. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Webhook-URL</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>Webhook-URL</translation>
    </message>
    <message>
        <source>The webhook URL from the Discord channel&apos;s settings, under Integrations. Anyone holding it can post to the channel, so it stays masked.</source>
        <translation>Die Webhook-URL aus den Einstellungen des Discord-Kanals, unter Integrationen. Wer sie kennt, kann in den Kanal schreiben; darum bleibt sie verdeckt.</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <extracomment>The name the rolls are posted under in the channel.</extracomment>
        <translation>Anzeige&amp;name</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>&amp;Share every roll</source>
        <extracomment>Check box: post each roll to the channel.</extracomment>
        <translation>&amp;Jeden Wurf teilen</translation>
    </message>
    <message>
        <source>Send a &amp;test message</source>
        <extracomment>Button: post one message to the channel to see that the webhook works.</extracomment>
        <translation>&amp;Testnachricht senden</translation>
    </message>
</context>
<context>
    <name>UntrappedErrorHandler</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>The number of dice and the number of sides must each lie between -32768 and 32767.</source>
        <translation>Die Anzahl der Würfel und die Anzahl der Seiten müssen jeweils zwischen -32768 und 32767 liegen.</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Ungültiger Wert</translation>
    </message>
    <message>
        <source>Kelvane could not use a value this command needs. Check the boxes and try again.</source>
        <translation>Kelvane konnte einen Wert, den dieser Befehl braucht, nicht verwenden. Prüfe die Felder und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>A program or file this command needs could not be found.</source>
        <translation>Ein Programm oder eine Datei, die dieser Befehl braucht, wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Zu wenig Arbeitsspeicher</translation>
    </message>
    <message>
        <source>There was not enough memory to finish this command. Roll fewer dice or close other programs, then try again.</source>
        <translation>Der Speicher reichte nicht, um diesen Befehl abzuschließen. Wirf weniger Würfel oder schließe andere Programme und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Etwas ist schiefgelaufen</translation>
    </message>
    <message>
        <source>Kelvane could not finish this command. You can go on using it; if this happens again, restart Kelvane.</source>
        <translation>Kelvane konnte diesen Befehl nicht abschließen. Du kannst es weiter benutzen; passiert das noch einmal, starte Kelvane neu.</translation>
    </message>
</context>
<context>
    <name>formKelvane</name>
    <message>
        <source>Roll a four sided die</source>
        <translation>Einen vierseitigen Würfel werfen</translation>
    </message>
    <message>
        <source>Number of d4 dice</source>
        <translation>Anzahl d4-Würfel</translation>
    </message>
    <message>
        <source>Number of dice to roll</source>
        <translation>Anzahl der Würfel für den Wurf</translation>
    </message>
    <message>
        <source>Roll a six sided die</source>
        <translation>Einen sechsseitigen Würfel werfen</translation>
    </message>
    <message>
        <source>Number of d6 dice</source>
        <translation>Anzahl d6-Würfel</translation>
    </message>
    <message>
        <source>Roll an eight sided die</source>
        <translation>Einen achtseitigen Würfel werfen</translation>
    </message>
    <message>
        <source>Number of d8 dice</source>
        <translation>Anzahl d8-Würfel</translation>
    </message>
    <message>
        <source>Roll a ten sided die</source>
        <translation>Einen zehnseitigen Würfel werfen</translation>
    </message>
    <message>
        <source>Number of d10 dice</source>
        <translation>Anzahl d10-Würfel</translation>
    </message>
    <message>
        <source>Roll a twelve sided die</source>
        <translation>Einen zwölfseitigen Würfel werfen</translation>
    </message>
    <message>
        <source>Number of d12 dice</source>
        <translation>Anzahl d12-Würfel</translation>
    </message>
    <message>
        <source>Roll a twenty sided die</source>
        <translation>Einen zwanzigseitigen Würfel werfen</translation>
    </message>
    <message>
        <source>Number of d20 dice</source>
        <translation>Anzahl d20-Würfel</translation>
    </message>
    <message>
        <source>Roll a one hundred sided die</source>
        <translation>Einen hundertseitigen Würfel werfen</translation>
    </message>
    <message>
        <source>Number of d100 dice</source>
        <translation>Anzahl d100-Würfel</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Frame around the total. After a roll it reads this word, &quot;: &quot; and the roll, such as &quot;Result: 3d6&quot;.</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Generic</source>
        <extracomment>Frame around the roller of any number (M) of dice with any number of sides (N).</extracomment>
        <translation>Beliebiger Wurf</translation>
    </message>
    <message>
        <source>Number of dice (M)</source>
        <translation>Anzahl der Würfel (M)</translation>
    </message>
    <message>
        <source>Number of sides (N)</source>
        <translation>Anzahl der Seiten (N)</translation>
    </message>
    <message>
        <source>Number of sides to the die</source>
        <translation>Anzahl der Seiten des Würfels</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Button: roll the M dice of N sides now (a verb, as at the table).
----------
Button: roll the dice notation in the box now (a verb, as at the table).</extracomment>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Roll the MdN dice</source>
        <translation>Die MdN-Würfel werfen</translation>
    </message>
    <message>
        <source>Seed Generator</source>
        <extracomment>Button: give the random number generator a new seed from the clock (a command: seed the generator, not a generator of seeds).</extracomment>
        <translation>Neuer Startwert</translation>
    </message>
    <message>
        <source>Randomize (seed) the number generator</source>
        <translation>Dem Zufallsgenerator einen neuen Startwert (Seed) geben</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Kelvane developers</source>
        <translation>Copyright © 2026 die Kelvane-Entwickler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Rolls</source>
        <extracomment>Frame around the list of dice rolled, one line per die.</extracomment>
        <translation>Würfe</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <extracomment>Names the check box beside it that copies each roll to the clipboard. Only 49 pixels wide: a short word such as &quot;Copy&quot; may stand in, as the check box&apos;s tool tip explains.</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Check to send future rolls to the clipboard for pasting in other documents</source>
        <translation>Ankreuzen, um die nächsten Würfe in die Zwischenablage zu kopieren und in andere Dokumente einzufügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: empty the list of rolls (a verb).</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear the contents of the rolls list</source>
        <translation>Die Liste der Würfe leeren</translation>
    </message>
    <message>
        <source>Displays individual roll results</source>
        <translation>Zeigt das Ergebnis jedes einzelnen Würfels</translation>
    </message>
    <message>
        <source>&amp;Notation</source>
        <extracomment>Label of the box for dice notation such as 3d6 or d20+5. The letter after &amp; is the Alt key that moves to the box.</extracomment>
        <translation>&amp;Notation</translation>
    </message>
    <message>
        <source>Dice notation</source>
        <translation>Würfelnotation</translation>
    </message>
    <message>
        <source>Dice notation, for example d20+5, 4d6dl1 or 10d10&gt;=8. Enter rolls; Up and Down recall earlier rolls.</source>
        <extracomment>Keep the examples as they are: dice notation is the same in every language.</extracomment>
        <translation>Würfelnotation, zum Beispiel d20+5, 4d6dl1 oder 10d10&gt;=8. Eingabe würfelt; Auf und Ab holen frühere Würfe zurück.</translation>
    </message>
    <message>
        <source>Roll the dice notation</source>
        <translation>Die Würfelnotation würfeln</translation>
    </message>
    <message>
        <source>&amp;Table…</source>
        <extracomment>Button: opens the dialog that shares rolls with the group&apos;s Discord channel (the table). The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Tisch…</translation>
    </message>
    <message>
        <source>Share rolls with the group&apos;s Discord channel</source>
        <translation>Würfe mit dem Discord-Kanal der Gruppe teilen</translation>
    </message>
    <message>
        <source>&amp;Log…</source>
        <extracomment>Button: open the Roll log window, every roll kept across sessions. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Protokoll…</translation>
    </message>
    <message>
        <source>Every roll kept across sessions, with the night&apos;s luck</source>
        <translation>Jeder Wurf über alle Sitzungen, mit dem Glück des Abends</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Screen readers&apos; name of the label that shows what the last roll means in the player&apos;s game system, such as Partial.</extracomment>
        <translation>Ausgang</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kelvane provides the fantasy roll player and game master with all the rolling excitement they can handle.</source>
        <translation>Kelvane bietet Fantasy-Rollenspielern und Spielleitern so viel Würfelspannung, wie sie nur verkraften.</translation>
    </message>
    <message>
        <source>Pause your mouse over each item on the screen to get pop-up tool-tips on how to use the program...trust me its pretty simple.</source>
        <translation>Halte die Maus über ein Element, dann erklärt ein Tipp, wie es geht... glaub mir, es ist ganz einfach.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
</context>
<context>
    <name>kelvane::DistributionChart</name>
    <message>
        <source>Distribution</source>
        <extracomment>Accessible name of the bar chart of the chances of each total of the last roll.</extracomment>
        <translation>Verteilung</translation>
    </message>
</context>
<context>
    <name>kelvane::LuckChart</name>
    <message>
        <source>Standings</source>
        <extracomment>Accessible name of the roll log&apos;s drawing of standings.</extracomment>
        <translation>Stände</translation>
    </message>
    <message>
        <source>Rolls by standing, bottom tenth to top tenth: %1</source>
        <extracomment>Read by screen readers: how many rolls stood in each tenth, from the lowest tenth to the highest. %1 is the list of ten numbers.</extracomment>
        <translation>Würfe nach Stand, vom untersten zum obersten Zehntel: %1</translation>
    </message>
    <message>
        <source>bottom</source>
        <extracomment>Below the drawing of standings: its left end, the bottom of the range.</extracomment>
        <translation>unten</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>Below the drawing of standings: its right end, the top of the range.</extracomment>
        <translation>oben</translation>
    </message>
</context>
<context>
    <name>kelvane::OutcomeChart</name>
    <message>
        <source>Outcomes</source>
        <extracomment>Accessible name of the bar chart of the chances of each outcome of the last roll.</extracomment>
        <translation>Ausgänge</translation>
    </message>
</context>
<context>
    <name>kelvane::OutcomeNames</name>
    <message>
        <source>%1, 1 raise</source>
        <extracomment>A Savage Worlds raise with exactly one raise.</extracomment>
        <translation>%1, 1 Steigerung</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n raises</source>
        <extracomment>A Savage Worlds raise with how many raises, any number but one, such as &quot;Raise, 2 raises&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n Steigerung</numerusform>
            <numerusform>%1, %n Steigerungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, 1 hit</source>
        <extracomment>A Shadowrun outcome with exactly one hit, such as &quot;Glitch, 1 hit&quot;.</extracomment>
        <translation>%1, 1 Erfolg</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n hits</source>
        <extracomment>A Shadowrun outcome with its hits, any number but one, such as &quot;Success, 3 hits&quot; or &quot;Failure, 0 hits&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n Erfolg</numerusform>
            <numerusform>%1, %n Erfolge</numerusform>
        </translation>
    </message>
    <message>
        <source>Strong hit</source>
        <translation>Voller Erfolg</translation>
    </message>
    <message>
        <source>Weak hit</source>
        <translation>Teilerfolg</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Fehlschlag</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritischer Erfolg</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Teilerfolg</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Misserfolg</translation>
    </message>
    <message>
        <source>Critical failure</source>
        <translation>Kritischer Fehlschlag</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Steigerung</translation>
    </message>
    <message>
        <source>Fumble</source>
        <translation>Patzer</translation>
    </message>
    <message>
        <source>Extreme success</source>
        <translation>Extremer Erfolg</translation>
    </message>
    <message>
        <source>Hard success</source>
        <translation>Schwieriger Erfolg</translation>
    </message>
    <message>
        <source>Regular success</source>
        <translation>Normaler Erfolg</translation>
    </message>
    <message>
        <source>Exceptional success</source>
        <translation>Außergewöhnlicher Erfolg</translation>
    </message>
    <message>
        <source>Dramatic failure</source>
        <translation>Dramatischer Fehlschlag</translation>
    </message>
    <message>
        <source>Glitch</source>
        <translation>Patzer</translation>
    </message>
    <message>
        <source>Critical glitch</source>
        <translation>Kritischer Patzer</translation>
    </message>
    <message>
        <source>Legendary</source>
        <translation>Legendär</translation>
    </message>
    <message>
        <source>Epic</source>
        <translation>Episch</translation>
    </message>
    <message>
        <source>Fantastic</source>
        <translation>Fantastisch</translation>
    </message>
    <message>
        <source>Superb</source>
        <translation>Hervorragend</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Großartig</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Ordentlich</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnittlich</translation>
    </message>
    <message>
        <source>Mediocre</source>
        <translation>Mäßig</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Terrible</source>
        <translation>Furchtbar</translation>
    </message>
    <message>
        <source>Critical hit</source>
        <translation>Kritischer Treffer</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Treffer</translation>
    </message>
</context>
<context>
    <name>kelvane::RollBookPanel</name>
    <message>
        <source>Player</source>
        <extracomment>The one character of a new roll book.</extracomment>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>New character</source>
        <translation>Neue Figur</translation>
    </message>
    <message>
        <source>Name of the new character:</source>
        <translation>Name der neuen Figur:</translation>
    </message>
    <message>
        <source>The book already has a character named %1.</source>
        <translation>Das Buch hat schon eine Figur namens %1.</translation>
    </message>
    <message>
        <source>Rename character</source>
        <translation>Figur umbenennen</translation>
    </message>
    <message>
        <source>New name of the character:</source>
        <translation>Neuer Name der Figur:</translation>
    </message>
    <message>
        <source>Delete character</source>
        <translation>Figur löschen</translation>
    </message>
    <message>
        <source>roll-book</source>
        <extracomment>The file name offered for an exported roll book; keep it short, without blanks.</extracomment>
        <translation>wurfbuch</translation>
    </message>
    <message>
        <source>Export the roll book</source>
        <translation>Wurfbuch exportieren</translation>
    </message>
    <message>
        <source>Roll books (*.json)</source>
        <translation>Wurfbücher (*.json)</translation>
    </message>
    <message>
        <source>The roll book was written to %1.</source>
        <translation>Das Wurfbuch wurde nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>Import a roll book</source>
        <translation>Wurfbuch importieren</translation>
    </message>
    <message>
        <source>Imported: %1 new characters, %2 new rolls; %3 rolls were already in the book.</source>
        <extracomment>%1, %2 and %3 are numbers of characters and rolls.</extracomment>
        <translation>Importiert: %1 neue Figuren, %2 neue Würfe; %3 Würfe waren schon im Buch.</translation>
    </message>
    <message>
        <source>The roll book was damaged; it was copied to %1 and a new book started.</source>
        <extracomment>%1 is the full name of the damaged file, kept for recovery.</extracomment>
        <translation>Das Wurfbuch war beschädigt; es wurde nach %1 kopiert und ein neues Buch begonnen.</translation>
    </message>
    <message>
        <source>The book cannot be saved: the disk is full. Rolling goes on.</source>
        <translation>Das Buch kann nicht gespeichert werden: Der Datenträger ist voll. Gewürfelt wird weiter.</translation>
    </message>
    <message>
        <source>The book cannot be saved: a newer Kelvane wrote it. Rolling goes on.</source>
        <translation>Das Buch kann nicht gespeichert werden: Ein neueres Kelvane hat es geschrieben. Gewürfelt wird weiter.</translation>
    </message>
    <message>
        <source>The book cannot be saved: its folder cannot be written. Rolling goes on.</source>
        <translation>Das Buch kann nicht gespeichert werden: Sein Ordner ist schreibgeschützt. Gewürfelt wird weiter.</translation>
    </message>
    <message>
        <source>The book cannot be saved: the disk reports an error. Rolling goes on.</source>
        <translation>Das Buch kann nicht gespeichert werden: Der Datenträger meldet einen Fehler. Gewürfelt wird weiter.</translation>
    </message>
    <message>
        <source>Delete %1 together with its saved rolls (%2)?</source>
        <extracomment>%1 is the character&apos;s name; %2 the number of its saved rolls.</extracomment>
        <translation>%1 samt ihren gespeicherten Würfen (%2) löschen?</translation>
    </message>
    <message>
        <source>%1 is already in the roll book.</source>
        <extracomment>%1 is the saved roll&apos;s name, such as Longsword.</extracomment>
        <translation>%1 steht schon im Wurfbuch.</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogModel</name>
    <message>
        <source>top %1 %</source>
        <extracomment>A rolled total&apos;s standing among the totals its roll can show: only 12 % of rolls go higher. %1 is the number.</extracomment>
        <translation>oberste %1 %</translation>
    </message>
    <message>
        <source>bottom %1 %</source>
        <extracomment>Only 30 % of rolls go lower. %1 is the number.</extracomment>
        <translation>unterste %1 %</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column of the roll log: when the roll was made.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>Column of the roll log: the roll book&apos;s character who rolled.</extracomment>
        <translation>Figur</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Column of the roll log: the roll&apos;s label, or its dice notation.</extracomment>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Dice</source>
        <extracomment>Column of the roll log: each die&apos;s value, as on the clipboard.</extracomment>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column of the roll log: the roll&apos;s total.</extracomment>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Standing</source>
        <extracomment>Column of the roll log: how the total stands among the totals the roll can show.</extracomment>
        <translation>Stand</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>The roll log&apos;s Shared column: the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>waiting</source>
        <extracomment>The roll log&apos;s Shared column: the roll waits in the outbox to be posted.</extracomment>
        <translation>wartet</translation>
    </message>
    <message>
        <source>Shared</source>
        <extracomment>Column of the roll log: whether the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Column of the roll log: what the roll meant in its game system or its bands, such as &quot;Partial&quot; or &quot;Strong hit&quot;.</extracomment>
        <translation>Ausgang</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogWindow</name>
    <message>
        <source>This session</source>
        <extracomment>Period of the roll log: the rolls since Kelvane started.</extracomment>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Period of the roll log: the rolls since midnight.</extracomment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <extracomment>Period of the roll log: today and the six days before it.</extracomment>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Period of the roll log: every roll kept.</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Everyone</source>
        <extracomment>Character filter of the roll log: rolls of every character.</extracomment>
        <translation>Alle Figuren</translation>
    </message>
    <message>
        <source>No character</source>
        <extracomment>Character filter: rolls made with no character chosen.</extracomment>
        <translation>Ohne Figur</translation>
    </message>
    <message>
        <source>Remove every roll from the log? The roll book stays as it is.</source>
        <extracomment>Asked before the whole roll log is emptied; the roll book keeps its saved rolls.</extracomment>
        <translation>Alle Würfe aus dem Protokoll entfernen? Das Wurfbuch bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <extracomment>File type in the export&apos;s save dialog.</extracomment>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Markdown table (*.md)</source>
        <extracomment>File type in the export&apos;s save dialog.</extracomment>
        <translation>Markdown-Tabelle (*.md)</translation>
    </message>
    <message>
        <source>Export the roll log</source>
        <extracomment>Title of the export&apos;s save dialog.</extracomment>
        <translation>Wurfprotokoll exportieren</translation>
    </message>
    <message>
        <source>roll-log</source>
        <translation>wurfprotokoll</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <extracomment>The export could not be written; %1 is the file&apos;s name.</extracomment>
        <translation>%1 ließ sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Remove this roll from the log?</source>
        <extracomment>Asked before a row leaves the roll log; the roll book keeps its saved rolls.</extracomment>
        <translation>Diesen Wurf aus dem Protokoll entfernen?</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n rolls from the log?</source>
        <translation>
            <numerusform>%n Wurf aus dem Protokoll entfernen?</numerusform>
            <numerusform>%n Würfe aus dem Protokoll entfernen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogger</name>
    <message>
        <source>Rolls are not being kept: the roll log cannot be written.</source>
        <extracomment>In the main window&apos;s band when the roll log&apos;s file cannot be written.</extracomment>
        <translation>Würfe werden nicht aufbewahrt: das Wurfprotokoll lässt sich nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>kelvane::TableDialog</name>
    <message>
        <source>Sending…</source>
        <extracomment>While the test message is on its way.</extracomment>
        <translation>Wird gesendet…</translation>
    </message>
</context>
<context>
    <name>kelvane::TableSharing</name>
    <message>
        <source>The table&apos;s settings cannot be saved</source>
        <translation>Die Einstellungen für den Tisch können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Paste the webhook URL from the channel&apos;s settings, under Integrations.</source>
        <extracomment>The Table dialog, when no webhook URL is pasted yet.</extracomment>
        <translation>Fügen Sie die Webhook-URL aus den Einstellungen des Kanals ein, unter Integrationen.</translation>
    </message>
    <message>
        <source>The webhook URL must start with https://.</source>
        <translation>Die Webhook-URL muss mit https:// beginnen.</translation>
    </message>
    <message>
        <source>The webhook URL must be on discord.com.</source>
        <translation>Die Webhook-URL muss auf discord.com liegen.</translation>
    </message>
    <message>
        <source>This is not a webhook URL: it looks like https://discord.com/api/webhooks/&lt;number&gt;/&lt;token&gt;.</source>
        <extracomment>Keep the example address as it is.</extracomment>
        <translation>Das ist keine Webhook-URL: sie sieht aus wie https://discord.com/api/webhooks/&lt;Nummer&gt;/&lt;Token&gt;.</translation>
    </message>
    <message>
        <source>Discord takes names of at most 80 characters.</source>
        <translation>Discord nimmt Namen mit höchstens 80 Zeichen.</translation>
    </message>
    <message>
        <source>Discord refuses names that contain &quot;discord&quot; or &quot;clyde&quot;.</source>
        <extracomment>Keep &quot;discord&quot; and &quot;clyde&quot; as they are: Discord refuses names that hold them.</extracomment>
        <translation>Discord lehnt Namen ab, die „discord“ oder „clyde“ enthalten.</translation>
    </message>
    <message>
        <source>Discord refused a roll: %1</source>
        <extracomment>A roll Discord would not take; %1 is Discord&apos;s own reason, in English.</extracomment>
        <translation>Discord hat einen Wurf abgelehnt: %1</translation>
    </message>
    <message>
        <source>Discord refuses the name to post under: %1</source>
        <extracomment>%1 is Discord&apos;s own reason, in English.</extracomment>
        <translation>Discord lehnt den Anzeigenamen ab: %1</translation>
    </message>
    <message>
        <source>The table&apos;s webhook is gone: paste a new one</source>
        <translation>Der Webhook des Tischs ist weg: fügen Sie einen neuen ein</translation>
    </message>
    <message>
        <source>Not shared: the table&apos;s server could not prove it is Discord</source>
        <translation>Nicht geteilt: der Server konnte nicht nachweisen, dass er Discord ist</translation>
    </message>
    <message>
        <source>Not shared: the table&apos;s server answered %1</source>
        <extracomment>%1 is the HTTP status and Discord&apos;s own words, such as &quot;HTTP 403: Missing Access&quot;.</extracomment>
        <translation>Nicht geteilt: der Server antwortete mit %1</translation>
    </message>
    <message>
        <source>Not shared: KELVANE_DISCORD_API_BASE is not an https:// address</source>
        <translation>Nicht geteilt: KELVANE_DISCORD_API_BASE ist keine https://-Adresse</translation>
    </message>
    <message>
        <source>Not shared: rolls cannot be kept in the database</source>
        <translation>Nicht geteilt: Würfe können nicht in der Datenbank bleiben</translation>
    </message>
    <message>
        <source>Shared</source>
        <extracomment>The band&apos;s status line once every roll has reached the channel.</extracomment>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Sharing rolls with the table</source>
        <translation>Würfe werden am Tisch geteilt</translation>
    </message>
    <message>
        <source>Kelvane will share rolls here.</source>
        <extracomment>Posted to the channel by &quot;Send a test message&quot;.</extracomment>
        <translation>Kelvane teilt Würfe hier.</translation>
    </message>
    <message>
        <source>The test message was posted.</source>
        <translation>Die Testnachricht wurde gesendet.</translation>
    </message>
    <message>
        <source>Discord did not answer; try again later.</source>
        <translation>Discord hat nicht geantwortet; versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Discord refused the message: %1</source>
        <translation>Discord hat die Nachricht abgelehnt: %1</translation>
    </message>
    <message>
        <source>1 roll waiting to be shared</source>
        <extracomment>The band&apos;s status line while rolls wait in the outbox.</extracomment>
        <translation>1 Wurf wartet darauf, geteilt zu werden</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls waiting to be shared</source>
        <extracomment>The band&apos;s status line while rolls wait in the outbox; %n is 2 or more.</extracomment>
        <translation>
            <numerusform>%n Wurf wartet darauf, geteilt zu werden</numerusform>
            <numerusform>%n Würfe warten darauf, geteilt zu werden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::formKelvane</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Spoken after a roll: the roll, such as 3d6, then its total.
----------
An outcome and the share of rolls that have it, such as &quot;Partial: 45.37 %&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>dropped</source>
        <extracomment>After a die&apos;s value in the list: the die does not count toward the total.</extracomment>
        <translation>verworfen</translation>
    </message>
    <message>
        <source>exploded</source>
        <extracomment>After a die&apos;s value in the list: the die showed a face that throws one more die.</extracomment>
        <translation>explodiert</translation>
    </message>
    <message>
        <source>rerolled</source>
        <extracomment>After a die&apos;s value in the list: the die was thrown again and this value does not count.</extracomment>
        <translation>neu gewürfelt</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>After a die&apos;s value in the list: the die meets the roll&apos;s target and counts as one.</extracomment>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>After a die&apos;s value in the list: the die counts as a failure and takes one away.</extracomment>
        <translation>Fehlschlag</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of rolls, %1 being a number such as 42.13.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 or more: %2</source>
        <extracomment>The share of rolls that reach the rolled total, such as &quot;15 or more: 42.13 %&quot;.</extracomment>
        <translation>%1 oder mehr: %2</translation>
    </message>
    <message>
        <source>%1 or less: %2</source>
        <extracomment>The share of rolls that stay at the rolled total, such as &quot;15 or less: 65.33 %&quot;.</extracomment>
        <translation>%1 oder weniger: %2</translation>
    </message>
    <message>
        <source>average %1</source>
        <extracomment>The roll&apos;s mean total, such as &quot;average 12.24&quot;.</extracomment>
        <translation>Mittel %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>approximate</source>
        <extracomment>Said of odds taken from a normal curve, when the exact ones would take too long.</extracomment>
        <translation>Näherung</translation>
    </message>
    <message>
        <source>no result: %1</source>
        <extracomment>The share of rolls that end in an error, such as a division by zero.</extracomment>
        <translation>kein Ergebnis: %1</translation>
    </message>
    <message>
        <source>%1 and up</source>
        <translation>%1 und mehr</translation>
    </message>
    <message>
        <source>too many dice: %1</source>
        <extracomment>The share of rolls that would throw more dice than one roll may, and so end without a total, such as &quot;too many dice: 0.02 %&quot;.</extracomment>
        <translation>zu viele Würfel: %1</translation>
    </message>
    <message>
        <source>Type dice notation such as 3d6, d20+5 or 4d6dl1, then press Enter.</source>
        <translation>Würfelnotation wie 3d6, d20+5 oder 4d6dl1 eingeben, dann Eingabe drücken.</translation>
    </message>
    <message>
        <source>Dice notation may be at most %1 characters long.</source>
        <translation>Würfelnotation darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Column %1: a number, a die such as d6, or ( should come here.</source>
        <extracomment>%1 is a column, counted in characters from the start of the box.</extracomment>
        <translation>Spalte %1: Hier sollte eine Zahl, ein Würfel wie d6 oder ( stehen.</translation>
    </message>
    <message>
        <source>Column %1: a number of sides should follow d.</source>
        <translation>Spalte %1: Nach d sollte die Zahl der Seiten folgen.</translation>
    </message>
    <message>
        <source>Column %1: an operator such as + should come here.</source>
        <translation>Spalte %1: Hier sollte ein Operator wie + stehen.</translation>
    </message>
    <message>
        <source>Column %1: a ) should close the parentheses.</source>
        <translation>Spalte %1: Eine ) sollte die Klammer schließen.</translation>
    </message>
    <message>
        <source>Column %1: this ) has no ( before it.</source>
        <translation>Spalte %1: Vor dieser ) steht keine (.</translation>
    </message>
    <message>
        <source>Column %1: a number should follow the comparison.</source>
        <translation>Spalte %1: Nach dem Vergleich sollte eine Zahl folgen.</translation>
    </message>
    <message>
        <source>Column %1: h or l should follow the d that drops dice.</source>
        <extracomment>dh drops the highest dice, dl the lowest; keep the letters as they are.</extracomment>
        <translation>Spalte %1: Nach dem d, das Würfel verwirft, sollte h oder l folgen.</translation>
    </message>
    <message>
        <source>Column %1: these dice already have this modifier.</source>
        <translation>Spalte %1: Diese Würfel haben diesen Modifikator schon.</translation>
    </message>
    <message>
        <source>Column %1: f counts failures only beside a success target such as &gt;=8.</source>
        <extracomment>f counts failures, &gt;=8 is a success target; keep both as they are.</extracomment>
        <translation>Spalte %1: f zählt Fehlschläge nur neben einem Erfolgsziel wie &gt;=8.</translation>
    </message>
    <message>
        <source>Column %1: this number is too large.</source>
        <translation>Spalte %1: Diese Zahl ist zu groß.</translation>
    </message>
    <message>
        <source>Column %1: a roll may throw at most %2 dice.</source>
        <translation>Spalte %1: Ein Wurf darf höchstens %2 Würfel werfen.</translation>
    </message>
    <message>
        <source>Column %1: a die has from 1 to %2 sides.</source>
        <translation>Spalte %1: Ein Würfel hat 1 bis %2 Seiten.</translation>
    </message>
    <message>
        <source>Column %1: every face meets this, so the dice would never stop.</source>
        <translation>Spalte %1: Jede Seite erfüllt dies, die Würfel würden nie aufhören.</translation>
    </message>
    <message>
        <source>Column %1: division by zero.</source>
        <translation>Spalte %1: Division durch null.</translation>
    </message>
    <message>
        <source>Column %1: the result is too large to work out exactly.</source>
        <translation>Spalte %1: Das Ergebnis ist zu groß, um es genau zu berechnen.</translation>
    </message>
    <message>
        <source>Column %1: a band such as 10+ Strong hit should come here.</source>
        <extracomment>A band is a range of results and its name; keep 10+ as it is.</extracomment>
        <translation>Spalte %1: Hier sollte ein Bereich wie 10+ Voller Erfolg stehen.</translation>
    </message>
    <message>
        <source>Column %1: a range is N, N-M, N+ or N-, such as 7-9.</source>
        <extracomment>N and M stand for numbers; keep the signs as they are.</extracomment>
        <translation>Spalte %1: Ein Bereich lautet N, N-M, N+ oder N-, etwa 7-9.</translation>
    </message>
    <message>
        <source>Column %1: a name should follow the range.</source>
        <translation>Spalte %1: Nach dem Bereich sollte ein Name folgen.</translation>
    </message>
    <message>
        <source>Column %1: a band&apos;s name may be at most %2 characters long.</source>
        <translation>Spalte %1: Der Name eines Bereichs darf höchstens %2 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Column %1: a roll may have at most %2 bands.</source>
        <translation>Spalte %1: Ein Wurf darf höchstens %2 Bereiche haben.</translation>
    </message>
    <message>
        <source>Column %1: write pbta+M, with M from -3 to +4.</source>
        <extracomment>pbta is typed as it is; M stands for the modifier.</extracomment>
        <translation>Spalte %1: pbta+M schreiben, mit M von -3 bis +4.</translation>
    </message>
    <message>
        <source>Column %1: write bitd N, with N from 0 to 10 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Spalte %1: bitd N schreiben, mit N von 0 bis 10 Würfeln.</translation>
    </message>
    <message>
        <source>Column %1: write sw dX+M tnT, with X 4, 6, 8, 10 or 12, M from -10 to +10 and T from 1 to 20; +M and tnT may be left out.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Spalte %1: sw dX+M tnT schreiben, mit X 4, 6, 8, 10 oder 12, M von -10 bis +10 und T von 1 bis 20; +M und tnT dürfen fehlen.</translation>
    </message>
    <message>
        <source>Column %1: write coc S, with S from 1 to 100, then b1 or b2 for bonus dice or p1 or p2 for penalty dice if needed.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Spalte %1: coc S schreiben, mit S von 1 bis 100, bei Bedarf danach b1 oder b2 für Bonuswürfel oder p1 oder p2 für Strafwürfel.</translation>
    </message>
    <message>
        <source>Column %1: write cod N, with N from 0 to 30 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Spalte %1: cod N schreiben, mit N von 0 bis 30 Würfeln.</translation>
    </message>
    <message>
        <source>Column %1: write sr N, with N from 1 to 50 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Spalte %1: sr N schreiben, mit N von 1 bis 50 Würfeln.</translation>
    </message>
    <message>
        <source>Column %1: write fate+M, with M from -5 to +8.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Spalte %1: fate+M schreiben, mit M von -5 bis +8.</translation>
    </message>
    <message>
        <source>Column %1: write dnd+M dcD for a check or dnd+M acA for an attack, with M from -5 to +15 and D or A from 1 to 40, then adv or dis if needed.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Spalte %1: dnd+M dcD für eine Probe oder dnd+M acA für einen Angriff schreiben, mit M von -5 bis +15 und D oder A von 1 bis 40, bei Bedarf danach adv oder dis.</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>The result frame&apos;s caption after a roll: %1 is the roll, such as 3d6.</extracomment>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>The roll book&apos;s file was damaged; it was copied to %1, and the book was carried over to a new file.</source>
        <extracomment>%1 is the full name of the damaged file, kept for recovery.</extracomment>
        <translation>Die Datei des Wurfbuchs war beschädigt; sie wurde nach %1 kopiert, und das Buch wurde in eine neue Datei übernommen.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>Spoken after a roll with an outcome: the roll, its total and what it means, such as &quot;bitd 3: 5, Partial&quot;.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Column %1: a } should close the group.</source>
        <translation>Spalte %1: Eine } sollte die Gruppe schließen.</translation>
    </message>
    <message>
        <source>Column %1: this } has no { before it.</source>
        <translation>Spalte %1: Vor dieser } steht keine {.</translation>
    </message>
    <message>
        <source>Column %1: a group cannot hold another group.</source>
        <translation>Spalte %1: Eine Gruppe kann keine weitere Gruppe enthalten.</translation>
    </message>
    <message>
        <source>Column %1: only keep, drop or a target such as kh1 or &gt;=10 may follow a group.</source>
        <extracomment>Keep the examples as they are: they are what the player types.</extracomment>
        <translation>Spalte %1: Nach einer Gruppe dürfen nur Behalten, Weglassen oder ein Ziel wie kh1 oder &gt;=10 stehen.</translation>
    </message>
    <message>
        <source>Column %1: a group of one roll adds dice only, such as {4d6+2d8}.</source>
        <extracomment>Keep the example as it is: it is what the player types.</extracomment>
        <translation>Spalte %1: Eine Gruppe aus einem Wurf addiert nur Würfel, etwa {4d6+2d8}.</translation>
    </message>
    <message>
        <source>Column %1: in a group of one roll, keep, drop and targets go after the }.</source>
        <translation>Spalte %1: In einer Gruppe aus einem Wurf stehen Behalten, Weglassen und Ziele nach der }.</translation>
    </message>
    <message>
        <source>no outcome: %1</source>
        <extracomment>The share of rolls whose result falls in none of the roll&apos;s bands.</extracomment>
        <translation>kein Ausgang: %1</translation>
    </message>
</context>
<context>
    <name>kelvane::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>Caption of this dialog; %1 is the program&apos;s name, Kelvane.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
