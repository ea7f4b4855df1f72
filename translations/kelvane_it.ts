<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>LogExport</name>
    <message>
        <source>Time</source>
        <extracomment>Export&apos;s column headers: when, who, the label, the notation, the dice, the total, what the roll meant in its game system or its bands, the standing in percent (0 is the bottom, 100 the top), and whether the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personaggio</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Notation</source>
        <translation>Notazione</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dadi</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Standing %</source>
        <translation>Posizione %</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Condiviso</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
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
        <translation>1 tiro</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls</source>
        <extracomment>The luck line&apos;s count of rolls, for any number but one (0, 2, 57, 1000000).</extracomment>
        <translation>
            <numerusform>%n tiro</numerusform>
            <numerusform>%n tiri</numerusform>
        </translation>
    </message>
    <message>
        <source>average standing %1</source>
        <extracomment>The mean of the rolls&apos; standings, such as &quot;average standing 41 %&quot;.</extracomment>
        <translation>posizione media %1</translation>
    </message>
    <message>
        <source>fair dice roll this high or higher %1 of the time</source>
        <translation>dadi onesti fanno così o più il %1 delle volte</translation>
    </message>
    <message>
        <source>fair dice roll this low or lower %1 of the time</source>
        <translation>dadi onesti fanno così o meno il %1 delle volte</translation>
    </message>
    <message>
        <source>%1 without odds left out</source>
        <extracomment>Rolls whose odds were never worked out, and so are not weighed: %1 is a number of rolls, such as &quot;3 rolls&quot;.</extracomment>
        <translation>%1 senza probabilità non contati</translation>
    </message>
</context>
<context>
    <name>QtMessageDisplay</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili al momento</translation>
    </message>
</context>
<context>
    <name>RollBookFile</name>
    <message>
        <source>The file is larger than 10 MB.</source>
        <translation>Il file supera i 10 MB.</translation>
    </message>
    <message>
        <source>The file is not JSON: line %1, column %2: %3.</source>
        <extracomment>%1 and %2 are numbers; %3 is Qt&apos;s own description of the error.</extracomment>
        <translation>Il file non è JSON: riga %1, colonna %2: %3.</translation>
    </message>
    <message>
        <source>The file is not a Kelvane roll book.</source>
        <translation>Il file non è un libro dei tiri di Kelvane.</translation>
    </message>
    <message>
        <source>The file&apos;s version %1 is not one Kelvane reads (it reads version %2).</source>
        <extracomment>%1 is the version the file names; %2 the one this program reads.</extracomment>
        <translation>Kelvane non legge la versione %1 del file (legge la versione %2).</translation>
    </message>
    <message>
        <source>A character in the file has no name.</source>
        <translation>Un personaggio del file non ha nome.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rolls for %2.</source>
        <extracomment>%1 is the most rolls a character may hold; %2 the character&apos;s name.</extracomment>
        <translation>Il file contiene più di %1 tiri per %2.</translation>
    </message>
    <message>
        <source>The roll &quot;%1&quot; of %2 cannot be read. %3</source>
        <extracomment>%1 is the roll&apos;s notation, %2 its character, %3 why it cannot be read.</extracomment>
        <translation>Il tiro «%1» di %2 non è leggibile. %3</translation>
    </message>
    <message>
        <source>The roll book could not be written to %1: %2</source>
        <extracomment>%1 is the file&apos;s name; %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile scrivere il libro dei tiri in %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file&apos;s name; %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
</context>
<context>
    <name>RollBookPanel</name>
    <message>
        <source>&amp;Character</source>
        <extracomment>Label of the choice of character (a player&apos;s or a monster&apos;s) whose saved rolls the book shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Personaggio</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personaggio</translation>
    </message>
    <message>
        <source>The character whose saved rolls the book shows</source>
        <translation>Il personaggio di cui il libro mostra i tiri salvati</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <extracomment>Button: add a new character to the roll book.</extracomment>
        <translation>Nuo&amp;vo</translation>
    </message>
    <message>
        <source>Add a character to the roll book</source>
        <translation>Aggiungi un personaggio al libro dei tiri</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <extracomment>Button: rename the chosen character.</extracomment>
        <translation>Rino&amp;mina</translation>
    </message>
    <message>
        <source>Rename the character</source>
        <translation>Rinomina il personaggio</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Button: delete the chosen character with its saved rolls.</extracomment>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Delete the character and its saved rolls</source>
        <translation>Elimina il personaggio e i suoi tiri salvati</translation>
    </message>
    <message>
        <source>Roll &amp;book</source>
        <extracomment>Label of the list of the character&apos;s saved, named rolls.</extracomment>
        <translation>&amp;Libro dei tiri</translation>
    </message>
    <message>
        <source>Roll book</source>
        <translation>Libro dei tiri</translation>
    </message>
    <message>
        <source>Click, Enter or Space rolls; F2 renames; Alt+Up and Alt+Down move; Delete removes; Ctrl+Z brings back</source>
        <extracomment>Keys: keep the key names as the keyboard shows them in your language.</extracomment>
        <translation>Clic, Invio o Spazio tira; F2 rinomina; Alt+Su e Alt+Giù spostano; Canc rimuove; Ctrl+Z ripristina</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Button: keep the notation box&apos;s text in the roll book.</extracomment>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Keep the notation in the book, named by its # label</source>
        <translation>Tieni la notazione nel libro, col nome della sua etichetta #</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <extracomment>Button: read characters and rolls from a roll book file.</extracomment>
        <translation>&amp;Importa...</translation>
    </message>
    <message>
        <source>Add the characters and rolls of a roll book file</source>
        <translation>Aggiungi i personaggi e i tiri di un file di libro dei tiri</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <extracomment>Button: write the whole roll book to a file.</extracomment>
        <translation>Esp&amp;orta...</translation>
    </message>
    <message>
        <source>Write the whole roll book to a file</source>
        <translation>Scrivi tutto il libro dei tiri in un file</translation>
    </message>
</context>
<context>
    <name>RollLogWindow</name>
    <message>
        <source>Roll log</source>
        <extracomment>Title of the window that lists every roll kept across sessions.</extracomment>
        <translation>Registro dei tiri</translation>
    </message>
    <message>
        <source>C&amp;haracter</source>
        <extracomment>Label of the choice of whose rolls the log shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Personaggio</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personaggio</translation>
    </message>
    <message>
        <source>&amp;Period</source>
        <extracomment>Label of the choice of the time span the log shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>Perio&amp;do</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <extracomment>Label of the box that finds rolls by label or notation. The letter after &amp; is the Alt key.</extracomment>
        <translation>Ce&amp;rca</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Shows the rolls whose label or notation holds this text</source>
        <translation>Mostra i tiri la cui etichetta o notazione contiene questo testo</translation>
    </message>
    <message>
        <source>Roll &amp;again</source>
        <extracomment>Button: roll the selected row&apos;s notation again in the main window (Ctrl+R).</extracomment>
        <translation>&amp;Tira di nuovo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button: copy the selected rows&apos; lines to the clipboard (Ctrl+C).</extracomment>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <extracomment>Button: remove the selected rows from the log, after asking.</extracomment>
        <translation>&amp;Elimina…</translation>
    </message>
    <message>
        <source>C&amp;lear log…</source>
        <extracomment>Button: remove every row from the log, after asking.</extracomment>
        <translation>S&amp;vuota registro…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <extracomment>Button: save the rows shown as CSV or Markdown, through a save dialog.</extracomment>
        <translation>Esp&amp;orta…</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Table</source>
        <extracomment>Title of the dialog that sets up sharing rolls with the group&apos;s Discord channel.</extracomment>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>&amp;Webhook URL</source>
        <extracomment>The address of the Discord channel&apos;s webhook. The letter after &amp; is the Alt key.</extracomment>
        <translation>URL del &amp;webhook</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>URL del webhook</translation>
    </message>
    <message>
        <source>The webhook URL from the Discord channel&apos;s settings, under Integrations. Anyone holding it can post to the channel, so it stays masked.</source>
        <translation>L&apos;URL del webhook, nelle impostazioni del canale Discord, sotto Integrazioni. Chi la possiede può pubblicare nel canale, perciò resta nascosta.</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <extracomment>The name the rolls are posted under in the channel.</extracomment>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;Share every roll</source>
        <extracomment>Check box: post each roll to the channel.</extracomment>
        <translation>&amp;Condividi ogni tiro</translation>
    </message>
    <message>
        <source>Send a &amp;test message</source>
        <extracomment>Button: post one message to the channel to see that the webhook works.</extracomment>
        <translation>Invia un messaggio di &amp;prova</translation>
    </message>
</context>
<context>
    <name>UntrappedErrorHandler</name>
    <message>
        <source>Overflow</source>
        <translation>Valore fuori intervallo</translation>
    </message>
    <message>
        <source>The number of dice and the number of sides must each lie between -32768 and 32767.</source>
        <translation>Il numero di dadi e il numero di facce devono essere entrambi compresi tra -32768 e 32767.</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Valore non valido</translation>
    </message>
    <message>
        <source>Kelvane could not use a value this command needs. Check the boxes and try again.</source>
        <translation>Kelvane non ha potuto usare un valore necessario a questo comando. Controlla le caselle e riprova.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>A program or file this command needs could not be found.</source>
        <translation>Non è stato trovato un programma o un file necessario a questo comando.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>There was not enough memory to finish this command. Roll fewer dice or close other programs, then try again.</source>
        <translation>La memoria non è bastata per completare questo comando. Lancia meno dadi o chiudi altri programmi, poi riprova.</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Qualcosa è andato storto</translation>
    </message>
    <message>
        <source>Kelvane could not finish this command. You can go on using it; if this happens again, restart Kelvane.</source>
        <translation>Kelvane non è riuscito a completare questo comando. Puoi continuare a usarlo; se succede di nuovo, riavvia Kelvane.</translation>
    </message>
</context>
<context>
    <name>formKelvane</name>
    <message>
        <source>Roll a four sided die</source>
        <translation>Lancia un dado a quattro facce</translation>
    </message>
    <message>
        <source>Number of d4 dice</source>
        <translation>Numero di d4</translation>
    </message>
    <message>
        <source>Number of dice to roll</source>
        <translation>Numero di dadi da lanciare</translation>
    </message>
    <message>
        <source>Roll a six sided die</source>
        <translation>Lancia un dado a sei facce</translation>
    </message>
    <message>
        <source>Number of d6 dice</source>
        <translation>Numero di d6</translation>
    </message>
    <message>
        <source>Roll an eight sided die</source>
        <translation>Lancia un dado a otto facce</translation>
    </message>
    <message>
        <source>Number of d8 dice</source>
        <translation>Numero di d8</translation>
    </message>
    <message>
        <source>Roll a ten sided die</source>
        <translation>Lancia un dado a dieci facce</translation>
    </message>
    <message>
        <source>Number of d10 dice</source>
        <translation>Numero di d10</translation>
    </message>
    <message>
        <source>Roll a twelve sided die</source>
        <translation>Lancia un dado a dodici facce</translation>
    </message>
    <message>
        <source>Number of d12 dice</source>
        <translation>Numero di d12</translation>
    </message>
    <message>
        <source>Roll a twenty sided die</source>
        <translation>Lancia un dado a venti facce</translation>
    </message>
    <message>
        <source>Number of d20 dice</source>
        <translation>Numero di d20</translation>
    </message>
    <message>
        <source>Roll a one hundred sided die</source>
        <translation>Lancia un dado a cento facce</translation>
    </message>
    <message>
        <source>Number of d100 dice</source>
        <translation>Numero di d100</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Frame around the total. After a roll it reads this word, &quot;: &quot; and the roll, such as &quot;Result: 3d6&quot;.</extracomment>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Generic</source>
        <extracomment>Frame around the roller of any number (M) of dice with any number of sides (N).</extracomment>
        <translation>Lancio libero</translation>
    </message>
    <message>
        <source>Number of dice (M)</source>
        <translation>Numero di dadi (M)</translation>
    </message>
    <message>
        <source>Number of sides (N)</source>
        <translation>Numero di facce (N)</translation>
    </message>
    <message>
        <source>Number of sides to the die</source>
        <translation>Numero di facce del dado</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Button: roll the M dice of N sides now (a verb, as at the table).
----------
Button: roll the dice notation in the box now (a verb, as at the table).</extracomment>
        <translation>Lancia</translation>
    </message>
    <message>
        <source>Roll the MdN dice</source>
        <translation>Lancia i dadi MdN</translation>
    </message>
    <message>
        <source>Seed Generator</source>
        <extracomment>Button: give the random number generator a new seed from the clock (a command: seed the generator, not a generator of seeds).</extracomment>
        <translation>Nuovo seme</translation>
    </message>
    <message>
        <source>Randomize (seed) the number generator</source>
        <translation>Dare un nuovo seme al generatore di numeri casuali</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Kelvane developers</source>
        <translation>Copyright © 2026 gli sviluppatori di Kelvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Rolls</source>
        <extracomment>Frame around the list of dice rolled, one line per die.</extracomment>
        <translation>Lanci</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <extracomment>Names the check box beside it that copies each roll to the clipboard. Only 49 pixels wide: a short word such as &quot;Copy&quot; may stand in, as the check box&apos;s tool tip explains.</extracomment>
        <translation>Appunti</translation>
    </message>
    <message>
        <source>Check to send future rolls to the clipboard for pasting in other documents</source>
        <translation>Spunta per copiare i prossimi lanci negli appunti e incollarli in altri documenti</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: empty the list of rolls (a verb).</extracomment>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Clear the contents of the rolls list</source>
        <translation>Svuota l&apos;elenco dei lanci</translation>
    </message>
    <message>
        <source>Displays individual roll results</source>
        <translation>Mostra il risultato di ogni dado</translation>
    </message>
    <message>
        <source>&amp;Notation</source>
        <extracomment>Label of the box for dice notation such as 3d6 or d20+5. The letter after &amp; is the Alt key that moves to the box.</extracomment>
        <translation>&amp;Notazione</translation>
    </message>
    <message>
        <source>Dice notation</source>
        <translation>Notazione dei dadi</translation>
    </message>
    <message>
        <source>Dice notation, for example d20+5, 4d6dl1 or 10d10&gt;=8. Enter rolls; Up and Down recall earlier rolls.</source>
        <extracomment>Keep the examples as they are: dice notation is the same in every language.</extracomment>
        <translation>Notazione dei dadi, per esempio d20+5, 4d6dl1 o 10d10&gt;=8. Invio lancia; Su e Giù richiamano i lanci precedenti.</translation>
    </message>
    <message>
        <source>Roll the dice notation</source>
        <translation>Lancia la notazione dei dadi</translation>
    </message>
    <message>
        <source>&amp;Table…</source>
        <extracomment>Button: opens the dialog that shares rolls with the group&apos;s Discord channel (the table). The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Tavolo…</translation>
    </message>
    <message>
        <source>Share rolls with the group&apos;s Discord channel</source>
        <translation>Condividi i tiri con il canale Discord del gruppo</translation>
    </message>
    <message>
        <source>&amp;Log…</source>
        <extracomment>Button: open the Roll log window, every roll kept across sessions. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Registro…</translation>
    </message>
    <message>
        <source>Every roll kept across sessions, with the night&apos;s luck</source>
        <translation>Ogni tiro conservato tra le sessioni, con la fortuna della serata</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Screen readers&apos; name of the label that shows what the last roll means in the player&apos;s game system, such as Partial.</extracomment>
        <translation>Esito</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kelvane provides the fantasy roll player and game master with all the rolling excitement they can handle.</source>
        <translation>Kelvane offre ai giocatori di ruolo fantasy e ai master tutta l&apos;emozione dei dadi che riescono a reggere.</translation>
    </message>
    <message>
        <source>Pause your mouse over each item on the screen to get pop-up tool-tips on how to use the program...trust me its pretty simple.</source>
        <translation>Tieni il mouse su un elemento per vedere un suggerimento... fidati, è semplicissimo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
</context>
<context>
    <name>kelvane::DistributionChart</name>
    <message>
        <source>Distribution</source>
        <extracomment>Accessible name of the bar chart of the chances of each total of the last roll.</extracomment>
        <translation>Distribuzione</translation>
    </message>
</context>
<context>
    <name>kelvane::LuckChart</name>
    <message>
        <source>Standings</source>
        <extracomment>Accessible name of the roll log&apos;s drawing of standings.</extracomment>
        <translation>Posizioni</translation>
    </message>
    <message>
        <source>Rolls by standing, bottom tenth to top tenth: %1</source>
        <extracomment>Read by screen readers: how many rolls stood in each tenth, from the lowest tenth to the highest. %1 is the list of ten numbers.</extracomment>
        <translation>Tiri per posizione, dal decimo più basso al più alto: %1</translation>
    </message>
    <message>
        <source>bottom</source>
        <extracomment>Below the drawing of standings: its left end, the bottom of the range.</extracomment>
        <translation>basso</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>Below the drawing of standings: its right end, the top of the range.</extracomment>
        <translation>alto</translation>
    </message>
</context>
<context>
    <name>kelvane::OutcomeChart</name>
    <message>
        <source>Outcomes</source>
        <extracomment>Accessible name of the bar chart of the chances of each outcome of the last roll.</extracomment>
        <translation>Esiti</translation>
    </message>
</context>
<context>
    <name>kelvane::OutcomeNames</name>
    <message>
        <source>%1, 1 raise</source>
        <extracomment>A Savage Worlds raise with exactly one raise.</extracomment>
        <translation>%1, 1 incremento</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n raises</source>
        <extracomment>A Savage Worlds raise with how many raises, any number but one, such as &quot;Raise, 2 raises&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n incremento</numerusform>
            <numerusform>%1, %n incrementi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, 1 hit</source>
        <extracomment>A Shadowrun outcome with exactly one hit, such as &quot;Glitch, 1 hit&quot;.</extracomment>
        <translation>%1, 1 successo</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n hits</source>
        <extracomment>A Shadowrun outcome with its hits, any number but one, such as &quot;Success, 3 hits&quot; or &quot;Failure, 0 hits&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n successo</numerusform>
            <numerusform>%1, %n successi</numerusform>
        </translation>
    </message>
    <message>
        <source>Strong hit</source>
        <translation>Successo pieno</translation>
    </message>
    <message>
        <source>Weak hit</source>
        <translation>Successo parziale</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Mancato</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Critico</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Successo</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Successo parziale</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Fallimento</translation>
    </message>
    <message>
        <source>Critical failure</source>
        <translation>Fallimento critico</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Incremento</translation>
    </message>
    <message>
        <source>Fumble</source>
        <translation>Disastro</translation>
    </message>
    <message>
        <source>Extreme success</source>
        <translation>Successo estremo</translation>
    </message>
    <message>
        <source>Hard success</source>
        <translation>Successo difficile</translation>
    </message>
    <message>
        <source>Regular success</source>
        <translation>Successo normale</translation>
    </message>
    <message>
        <source>Exceptional success</source>
        <translation>Successo eccezionale</translation>
    </message>
    <message>
        <source>Dramatic failure</source>
        <translation>Fallimento drammatico</translation>
    </message>
    <message>
        <source>Glitch</source>
        <translation>Complicazione</translation>
    </message>
    <message>
        <source>Critical glitch</source>
        <translation>Complicazione critica</translation>
    </message>
    <message>
        <source>Legendary</source>
        <translation>Leggendario</translation>
    </message>
    <message>
        <source>Epic</source>
        <translation>Epico</translation>
    </message>
    <message>
        <source>Fantastic</source>
        <translation>Fantastico</translation>
    </message>
    <message>
        <source>Superb</source>
        <translation>Eccezionale</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Ottimo</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buono</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Discreto</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Mediocre</source>
        <translation>Mediocre</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Scarso</translation>
    </message>
    <message>
        <source>Terrible</source>
        <translation>Terribile</translation>
    </message>
    <message>
        <source>Critical hit</source>
        <translation>Colpo critico</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Colpito</translation>
    </message>
</context>
<context>
    <name>kelvane::RollBookPanel</name>
    <message>
        <source>Player</source>
        <extracomment>The one character of a new roll book.</extracomment>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>New character</source>
        <translation>Nuovo personaggio</translation>
    </message>
    <message>
        <source>Name of the new character:</source>
        <translation>Nome del nuovo personaggio:</translation>
    </message>
    <message>
        <source>The book already has a character named %1.</source>
        <translation>Il libro ha già un personaggio di nome %1.</translation>
    </message>
    <message>
        <source>Rename character</source>
        <translation>Rinomina personaggio</translation>
    </message>
    <message>
        <source>New name of the character:</source>
        <translation>Nuovo nome del personaggio:</translation>
    </message>
    <message>
        <source>Delete character</source>
        <translation>Elimina personaggio</translation>
    </message>
    <message>
        <source>roll-book</source>
        <extracomment>The file name offered for an exported roll book; keep it short, without blanks.</extracomment>
        <translation>libro-dei-tiri</translation>
    </message>
    <message>
        <source>Export the roll book</source>
        <translation>Esporta il libro dei tiri</translation>
    </message>
    <message>
        <source>Roll books (*.json)</source>
        <translation>Libri dei tiri (*.json)</translation>
    </message>
    <message>
        <source>The roll book was written to %1.</source>
        <translation>Il libro dei tiri è stato scritto in %1.</translation>
    </message>
    <message>
        <source>Import a roll book</source>
        <translation>Importa un libro dei tiri</translation>
    </message>
    <message>
        <source>Imported: %1 new characters, %2 new rolls; %3 rolls were already in the book.</source>
        <extracomment>%1, %2 and %3 are numbers of characters and rolls.</extracomment>
        <translation>Importati: %1 nuovi personaggi, %2 nuovi tiri; %3 tiri erano già nel libro.</translation>
    </message>
    <message>
        <source>The roll book was damaged; it was copied to %1 and a new book started.</source>
        <extracomment>%1 is the full name of the damaged file, kept for recovery.</extracomment>
        <translation>Il libro dei tiri era danneggiato; è stato copiato in %1 ed è stato iniziato un libro nuovo.</translation>
    </message>
    <message>
        <source>The book cannot be saved: the disk is full. Rolling goes on.</source>
        <translation>Il libro non può essere salvato: il disco è pieno. Si continua a tirare.</translation>
    </message>
    <message>
        <source>The book cannot be saved: a newer Kelvane wrote it. Rolling goes on.</source>
        <translation>Il libro non può essere salvato: l&apos;ha scritto un Kelvane più recente. Si continua a tirare.</translation>
    </message>
    <message>
        <source>The book cannot be saved: its folder cannot be written. Rolling goes on.</source>
        <translation>Il libro non può essere salvato: la sua cartella è di sola lettura. Si continua a tirare.</translation>
    </message>
    <message>
        <source>The book cannot be saved: the disk reports an error. Rolling goes on.</source>
        <translation>Il libro non può essere salvato: il disco segnala un errore. Si continua a tirare.</translation>
    </message>
    <message>
        <source>Delete %1 together with its saved rolls (%2)?</source>
        <extracomment>%1 is the character&apos;s name; %2 the number of its saved rolls.</extracomment>
        <translation>Eliminare %1 insieme ai suoi tiri salvati (%2)?</translation>
    </message>
    <message>
        <source>%1 is already in the roll book.</source>
        <extracomment>%1 is the saved roll&apos;s name, such as Longsword.</extracomment>
        <translation>%1 è già nel libro dei tiri.</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogModel</name>
    <message>
        <source>top %1 %</source>
        <extracomment>A rolled total&apos;s standing among the totals its roll can show: only 12 % of rolls go higher. %1 is the number.</extracomment>
        <translation>primo %1 %</translation>
    </message>
    <message>
        <source>bottom %1 %</source>
        <extracomment>Only 30 % of rolls go lower. %1 is the number.</extracomment>
        <translation>ultimo %1 %</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column of the roll log: when the roll was made.</extracomment>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>Column of the roll log: the roll book&apos;s character who rolled.</extracomment>
        <translation>Personaggio</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Column of the roll log: the roll&apos;s label, or its dice notation.</extracomment>
        <translation>Tiro</translation>
    </message>
    <message>
        <source>Dice</source>
        <extracomment>Column of the roll log: each die&apos;s value, as on the clipboard.</extracomment>
        <translation>Dadi</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column of the roll log: the roll&apos;s total.</extracomment>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Standing</source>
        <extracomment>Column of the roll log: how the total stands among the totals the roll can show.</extracomment>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>The roll log&apos;s Shared column: the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>sì</translation>
    </message>
    <message>
        <source>waiting</source>
        <extracomment>The roll log&apos;s Shared column: the roll waits in the outbox to be posted.</extracomment>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>Shared</source>
        <extracomment>Column of the roll log: whether the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>Condiviso</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Column of the roll log: what the roll meant in its game system or its bands, such as &quot;Partial&quot; or &quot;Strong hit&quot;.</extracomment>
        <translation>Esito</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogWindow</name>
    <message>
        <source>This session</source>
        <extracomment>Period of the roll log: the rolls since Kelvane started.</extracomment>
        <translation>Questa sessione</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Period of the roll log: the rolls since midnight.</extracomment>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <extracomment>Period of the roll log: today and the six days before it.</extracomment>
        <translation>Ultimi 7 giorni</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Period of the roll log: every roll kept.</extracomment>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Everyone</source>
        <extracomment>Character filter of the roll log: rolls of every character.</extracomment>
        <translation>Tutti i personaggi</translation>
    </message>
    <message>
        <source>No character</source>
        <extracomment>Character filter: rolls made with no character chosen.</extracomment>
        <translation>Nessun personaggio</translation>
    </message>
    <message>
        <source>Remove every roll from the log? The roll book stays as it is.</source>
        <extracomment>Asked before the whole roll log is emptied; the roll book keeps its saved rolls.</extracomment>
        <translation>Togliere tutti i tiri dal registro? Il libro dei tiri resta com&apos;è.</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <extracomment>File type in the export&apos;s save dialog.</extracomment>
        <translation>Tabella CSV (*.csv)</translation>
    </message>
    <message>
        <source>Markdown table (*.md)</source>
        <extracomment>File type in the export&apos;s save dialog.</extracomment>
        <translation>Tabella Markdown (*.md)</translation>
    </message>
    <message>
        <source>Export the roll log</source>
        <extracomment>Title of the export&apos;s save dialog.</extracomment>
        <translation>Esporta il registro dei tiri</translation>
    </message>
    <message>
        <source>roll-log</source>
        <translation>registro-tiri</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <extracomment>The export could not be written; %1 is the file&apos;s name.</extracomment>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>Remove this roll from the log?</source>
        <extracomment>Asked before a row leaves the roll log; the roll book keeps its saved rolls.</extracomment>
        <translation>Togliere questo tiro dal registro?</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n rolls from the log?</source>
        <translation>
            <numerusform>Togliere %n tiro dal registro?</numerusform>
            <numerusform>Togliere %n tiri dal registro?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogger</name>
    <message>
        <source>Rolls are not being kept: the roll log cannot be written.</source>
        <extracomment>In the main window&apos;s band when the roll log&apos;s file cannot be written.</extracomment>
        <translation>I tiri non vengono conservati: il registro non si può scrivere.</translation>
    </message>
</context>
<context>
    <name>kelvane::TableDialog</name>
    <message>
        <source>Sending…</source>
        <extracomment>While the test message is on its way.</extracomment>
        <translation>Invio…</translation>
    </message>
</context>
<context>
    <name>kelvane::TableSharing</name>
    <message>
        <source>The table&apos;s settings cannot be saved</source>
        <translation>Le impostazioni del tavolo non possono essere salvate</translation>
    </message>
    <message>
        <source>Paste the webhook URL from the channel&apos;s settings, under Integrations.</source>
        <extracomment>The Table dialog, when no webhook URL is pasted yet.</extracomment>
        <translation>Incolla l&apos;URL del webhook dalle impostazioni del canale, sotto Integrazioni.</translation>
    </message>
    <message>
        <source>The webhook URL must start with https://.</source>
        <translation>L&apos;URL del webhook deve iniziare con https://.</translation>
    </message>
    <message>
        <source>The webhook URL must be on discord.com.</source>
        <translation>L&apos;URL del webhook deve essere su discord.com.</translation>
    </message>
    <message>
        <source>This is not a webhook URL: it looks like https://discord.com/api/webhooks/&lt;number&gt;/&lt;token&gt;.</source>
        <extracomment>Keep the example address as it is.</extracomment>
        <translation>Questo non è un URL di webhook: ha la forma https://discord.com/api/webhooks/&lt;numero&gt;/&lt;token&gt;.</translation>
    </message>
    <message>
        <source>Discord takes names of at most 80 characters.</source>
        <translation>Discord accetta nomi di al massimo 80 caratteri.</translation>
    </message>
    <message>
        <source>Discord refuses names that contain &quot;discord&quot; or &quot;clyde&quot;.</source>
        <extracomment>Keep &quot;discord&quot; and &quot;clyde&quot; as they are: Discord refuses names that hold them.</extracomment>
        <translation>Discord rifiuta i nomi che contengono «discord» o «clyde».</translation>
    </message>
    <message>
        <source>Discord refused a roll: %1</source>
        <extracomment>A roll Discord would not take; %1 is Discord&apos;s own reason, in English.</extracomment>
        <translation>Discord ha rifiutato un tiro: %1</translation>
    </message>
    <message>
        <source>Discord refuses the name to post under: %1</source>
        <extracomment>%1 is Discord&apos;s own reason, in English.</extracomment>
        <translation>Discord rifiuta il nome con cui pubblicare: %1</translation>
    </message>
    <message>
        <source>The table&apos;s webhook is gone: paste a new one</source>
        <translation>Il webhook del tavolo non esiste più: incollane uno nuovo</translation>
    </message>
    <message>
        <source>Not shared: the table&apos;s server could not prove it is Discord</source>
        <translation>Non condiviso: il server non ha potuto dimostrare di essere Discord</translation>
    </message>
    <message>
        <source>Not shared: the table&apos;s server answered %1</source>
        <extracomment>%1 is the HTTP status and Discord&apos;s own words, such as &quot;HTTP 403: Missing Access&quot;.</extracomment>
        <translation>Non condiviso: il server ha risposto %1</translation>
    </message>
    <message>
        <source>Not shared: KELVANE_DISCORD_API_BASE is not an https:// address</source>
        <translation>Non condiviso: KELVANE_DISCORD_API_BASE non è un indirizzo https://</translation>
    </message>
    <message>
        <source>Not shared: rolls cannot be kept in the database</source>
        <translation>Non condiviso: i tiri non possono essere conservati nel database</translation>
    </message>
    <message>
        <source>Shared</source>
        <extracomment>The band&apos;s status line once every roll has reached the channel.</extracomment>
        <translation>Condiviso</translation>
    </message>
    <message>
        <source>Sharing rolls with the table</source>
        <translation>Tiri condivisi con il tavolo</translation>
    </message>
    <message>
        <source>Kelvane will share rolls here.</source>
        <extracomment>Posted to the channel by &quot;Send a test message&quot;.</extracomment>
        <translation>Kelvane condividerà i tiri qui.</translation>
    </message>
    <message>
        <source>The test message was posted.</source>
        <translation>Il messaggio di prova è stato pubblicato.</translation>
    </message>
    <message>
        <source>Discord did not answer; try again later.</source>
        <translation>Discord non ha risposto; riprova più tardi.</translation>
    </message>
    <message>
        <source>Discord refused the message: %1</source>
        <translation>Discord ha rifiutato il messaggio: %1</translation>
    </message>
    <message>
        <source>1 roll waiting to be shared</source>
        <extracomment>The band&apos;s status line while rolls wait in the outbox.</extracomment>
        <translation>1 tiro in attesa di essere condiviso</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls waiting to be shared</source>
        <extracomment>The band&apos;s status line while rolls wait in the outbox; %n is 2 or more.</extracomment>
        <translation>
            <numerusform>%n tiro in attesa di essere condiviso</numerusform>
            <numerusform>%n tiri in attesa di essere condivisi</numerusform>
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
        <translation>scartato</translation>
    </message>
    <message>
        <source>exploded</source>
        <extracomment>After a die&apos;s value in the list: the die showed a face that throws one more die.</extracomment>
        <translation>esploso</translation>
    </message>
    <message>
        <source>rerolled</source>
        <extracomment>After a die&apos;s value in the list: the die was thrown again and this value does not count.</extracomment>
        <translation>rilanciato</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>After a die&apos;s value in the list: the die meets the roll&apos;s target and counts as one.</extracomment>
        <translation>successo</translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>After a die&apos;s value in the list: the die counts as a failure and takes one away.</extracomment>
        <translation>fallimento</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of rolls, %1 being a number such as 42.13.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 or more: %2</source>
        <extracomment>The share of rolls that reach the rolled total, such as &quot;15 or more: 42.13 %&quot;.</extracomment>
        <translation>%1 o più: %2</translation>
    </message>
    <message>
        <source>%1 or less: %2</source>
        <extracomment>The share of rolls that stay at the rolled total, such as &quot;15 or less: 65.33 %&quot;.</extracomment>
        <translation>%1 o meno: %2</translation>
    </message>
    <message>
        <source>average %1</source>
        <extracomment>The roll&apos;s mean total, such as &quot;average 12.24&quot;.</extracomment>
        <translation>media %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>approximate</source>
        <extracomment>Said of odds taken from a normal curve, when the exact ones would take too long.</extracomment>
        <translation>approssimato</translation>
    </message>
    <message>
        <source>no result: %1</source>
        <extracomment>The share of rolls that end in an error, such as a division by zero.</extracomment>
        <translation>nessun risultato: %1</translation>
    </message>
    <message>
        <source>%1 and up</source>
        <translation>%1 e oltre</translation>
    </message>
    <message>
        <source>too many dice: %1</source>
        <extracomment>The share of rolls that would throw more dice than one roll may, and so end without a total, such as &quot;too many dice: 0.02 %&quot;.</extracomment>
        <translation>troppi dadi: %1</translation>
    </message>
    <message>
        <source>Type dice notation such as 3d6, d20+5 or 4d6dl1, then press Enter.</source>
        <translation>Scrivi una notazione come 3d6, d20+5 o 4d6dl1, poi premi Invio.</translation>
    </message>
    <message>
        <source>Dice notation may be at most %1 characters long.</source>
        <translation>La notazione dei dadi può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Column %1: a number, a die such as d6, or ( should come here.</source>
        <extracomment>%1 is a column, counted in characters from the start of the box.</extracomment>
        <translation>Colonna %1: qui dovrebbe esserci un numero, un dado come d6 o (.</translation>
    </message>
    <message>
        <source>Column %1: a number of sides should follow d.</source>
        <translation>Colonna %1: dopo d dovrebbe esserci un numero di facce.</translation>
    </message>
    <message>
        <source>Column %1: an operator such as + should come here.</source>
        <translation>Colonna %1: qui dovrebbe esserci un operatore come +.</translation>
    </message>
    <message>
        <source>Column %1: a ) should close the parentheses.</source>
        <translation>Colonna %1: manca una ) che chiuda la parentesi.</translation>
    </message>
    <message>
        <source>Column %1: this ) has no ( before it.</source>
        <translation>Colonna %1: questa ) non ha una ( prima.</translation>
    </message>
    <message>
        <source>Column %1: a number should follow the comparison.</source>
        <translation>Colonna %1: dopo il confronto dovrebbe esserci un numero.</translation>
    </message>
    <message>
        <source>Column %1: h or l should follow the d that drops dice.</source>
        <extracomment>dh drops the highest dice, dl the lowest; keep the letters as they are.</extracomment>
        <translation>Colonna %1: dopo la d che scarta i dadi dovrebbe esserci h o l.</translation>
    </message>
    <message>
        <source>Column %1: these dice already have this modifier.</source>
        <translation>Colonna %1: questi dadi hanno già questo modificatore.</translation>
    </message>
    <message>
        <source>Column %1: f counts failures only beside a success target such as &gt;=8.</source>
        <extracomment>f counts failures, &gt;=8 is a success target; keep both as they are.</extracomment>
        <translation>Colonna %1: f conta i fallimenti solo accanto a un obiettivo come &gt;=8.</translation>
    </message>
    <message>
        <source>Column %1: this number is too large.</source>
        <translation>Colonna %1: questo numero è troppo grande.</translation>
    </message>
    <message>
        <source>Column %1: a roll may throw at most %2 dice.</source>
        <translation>Colonna %1: un tiro può lanciare al massimo %2 dadi.</translation>
    </message>
    <message>
        <source>Column %1: a die has from 1 to %2 sides.</source>
        <translation>Colonna %1: un dado ha da 1 a %2 facce.</translation>
    </message>
    <message>
        <source>Column %1: every face meets this, so the dice would never stop.</source>
        <translation>Colonna %1: ogni faccia soddisfa questo, i dadi non si fermerebbero mai.</translation>
    </message>
    <message>
        <source>Column %1: division by zero.</source>
        <translation>Colonna %1: divisione per zero.</translation>
    </message>
    <message>
        <source>Column %1: the result is too large to work out exactly.</source>
        <translation>Colonna %1: il risultato è troppo grande per calcolarlo esattamente.</translation>
    </message>
    <message>
        <source>Column %1: a band such as 10+ Strong hit should come here.</source>
        <extracomment>A band is a range of results and its name; keep 10+ as it is.</extracomment>
        <translation>Colonna %1: qui dovrebbe esserci una fascia come 10+ Successo pieno.</translation>
    </message>
    <message>
        <source>Column %1: a range is N, N-M, N+ or N-, such as 7-9.</source>
        <extracomment>N and M stand for numbers; keep the signs as they are.</extracomment>
        <translation>Colonna %1: un intervallo si scrive N, N-M, N+ o N-, per esempio 7-9.</translation>
    </message>
    <message>
        <source>Column %1: a name should follow the range.</source>
        <translation>Colonna %1: un nome dovrebbe seguire l’intervallo.</translation>
    </message>
    <message>
        <source>Column %1: a band&apos;s name may be at most %2 characters long.</source>
        <translation>Colonna %1: il nome di una fascia può avere al massimo %2 caratteri.</translation>
    </message>
    <message>
        <source>Column %1: a roll may have at most %2 bands.</source>
        <translation>Colonna %1: un tiro può avere al massimo %2 fasce.</translation>
    </message>
    <message>
        <source>Column %1: write pbta+M, with M from -3 to +4.</source>
        <extracomment>pbta is typed as it is; M stands for the modifier.</extracomment>
        <translation>Colonna %1: scrivere pbta+M, con M da -3 a +4.</translation>
    </message>
    <message>
        <source>Column %1: write bitd N, with N from 0 to 10 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonna %1: scrivere bitd N, con N da 0 a 10 dadi.</translation>
    </message>
    <message>
        <source>Column %1: write sw dX+M tnT, with X 4, 6, 8, 10 or 12, M from -10 to +10 and T from 1 to 20; +M and tnT may be left out.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonna %1: scrivere sw dX+M tnT, con X 4, 6, 8, 10 o 12, M da -10 a +10 e T da 1 a 20; +M e tnT si possono omettere.</translation>
    </message>
    <message>
        <source>Column %1: write coc S, with S from 1 to 100, then b1 or b2 for bonus dice or p1 or p2 for penalty dice if needed.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonna %1: scrivere coc S, con S da 1 a 100, poi se serve b1 o b2 per i dadi bonus o p1 o p2 per i dadi penalità.</translation>
    </message>
    <message>
        <source>Column %1: write cod N, with N from 0 to 30 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonna %1: scrivere cod N, con N da 0 a 30 dadi.</translation>
    </message>
    <message>
        <source>Column %1: write sr N, with N from 1 to 50 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonna %1: scrivere sr N, con N da 1 a 50 dadi.</translation>
    </message>
    <message>
        <source>Column %1: write fate+M, with M from -5 to +8.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonna %1: scrivere fate+M, con M da -5 a +8.</translation>
    </message>
    <message>
        <source>Column %1: write dnd+M dcD for a check or dnd+M acA for an attack, with M from -5 to +15 and D or A from 1 to 40, then adv or dis if needed.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonna %1: scrivere dnd+M dcD per una prova o dnd+M acA per un attacco, con M da -5 a +15 e D o A da 1 a 40, poi se serve adv o dis.</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>The result frame&apos;s caption after a roll: %1 is the roll, such as 3d6.</extracomment>
        <translation>Risultato: %1</translation>
    </message>
    <message>
        <source>The roll book&apos;s file was damaged; it was copied to %1, and the book was carried over to a new file.</source>
        <extracomment>%1 is the full name of the damaged file, kept for recovery.</extracomment>
        <translation>Il file del libro dei tiri era danneggiato; è stato copiato in %1 e il libro è stato trasferito in un file nuovo.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>Spoken after a roll with an outcome: the roll, its total and what it means, such as &quot;bitd 3: 5, Partial&quot;.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Column %1: a } should close the group.</source>
        <translation>Colonna %1: manca una } che chiuda il gruppo.</translation>
    </message>
    <message>
        <source>Column %1: this } has no { before it.</source>
        <translation>Colonna %1: questa } non ha una { prima.</translation>
    </message>
    <message>
        <source>Column %1: a group cannot hold another group.</source>
        <translation>Colonna %1: un gruppo non può contenere un altro gruppo.</translation>
    </message>
    <message>
        <source>Column %1: only keep, drop or a target such as kh1 or &gt;=10 may follow a group.</source>
        <extracomment>Keep the examples as they are: they are what the player types.</extracomment>
        <translation>Colonna %1: dopo un gruppo possono venire solo tenere, scartare o un obiettivo come kh1 o &gt;=10.</translation>
    </message>
    <message>
        <source>Column %1: a group of one roll adds dice only, such as {4d6+2d8}.</source>
        <extracomment>Keep the example as it is: it is what the player types.</extracomment>
        <translation>Colonna %1: un gruppo di un solo tiro somma solo dadi, come {4d6+2d8}.</translation>
    </message>
    <message>
        <source>Column %1: in a group of one roll, keep, drop and targets go after the }.</source>
        <translation>Colonna %1: in un gruppo di un solo tiro, tenere, scartare e gli obiettivi vanno dopo la }.</translation>
    </message>
    <message>
        <source>no outcome: %1</source>
        <extracomment>The share of rolls whose result falls in none of the roll&apos;s bands.</extracomment>
        <translation>nessun esito: %1</translation>
    </message>
</context>
<context>
    <name>kelvane::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>Caption of this dialog; %1 is the program&apos;s name, Kelvane.</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
</context>
</TS>
