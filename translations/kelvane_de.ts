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
        <extracomment>Button: roll the M dice of N sides now (a verb, as at the table).</extracomment>
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
    <name>kelvane::formKelvane</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Spoken after a roll: the roll, such as 3d6, then its total.</extracomment>
        <translation>%1: %2</translation>
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
