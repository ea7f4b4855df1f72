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
        <source>The file holds more than %1 rolls.</source>
        <translation>Die Datei enthält mehr als %1 Würfe.</translation>
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
        <source>De&amp;lete</source>
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
    <name>frmTable</name>
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
    <name>kelvane::DistributionChart</name>
    <message>
        <source>Distribution</source>
        <extracomment>Accessible name of the bar chart of the chances of each total of the last roll.</extracomment>
        <translation>Verteilung</translation>
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
        <source>The roll book was damaged; it was moved to %1 and a new book started.</source>
        <extracomment>%1 is the full name of the damaged file, kept for recovery.</extracomment>
        <translation>Das Wurfbuch war beschädigt; es wurde nach %1 verschoben und ein neues Buch begonnen.</translation>
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
    <name>kelvane::frmTable</name>
    <message>
        <source>Sending…</source>
        <extracomment>While the test message is on its way.</extracomment>
        <translation>Wird gesendet…</translation>
    </message>
</context>
</TS>
