<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>LogExport</name>
    <message>
        <source>Time</source>
        <extracomment>Export&apos;s column headers: when, who, the label, the notation, the dice, the total, and the standing in percent (0 is the bottom, 100 the top).</extracomment>
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
        <source>&amp;Log…</source>
        <extracomment>Button: open the Roll log window, every roll kept across sessions. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Protokoll…</translation>
    </message>
    <message>
        <source>Every roll kept across sessions, with the night&apos;s luck</source>
        <translation>Jeder Wurf über alle Sitzungen, mit dem Glück des Abends</translation>
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
    <name>frmRollLog</name>
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
    <name>kelvane::formKelvane</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Spoken after a roll: the roll, such as 3d6, then its total.</extracomment>
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
        <extracomment>The least and the most total the roll can show, such as &quot;3 to 18&quot;.</extracomment>
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
        <source>Result: %1</source>
        <extracomment>The result frame&apos;s caption after a roll: %1 is the roll, such as 3d6.</extracomment>
        <translation>Ergebnis: %1</translation>
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
<context>
    <name>kelvane::frmRollLog</name>
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
</TS>
