<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>%1 and up</source>
        <extracomment>The least total of a roll whose dice explode and so has no most, such as &quot;3 and up&quot;.</extracomment>
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
</TS>
