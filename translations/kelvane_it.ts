<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>QtMessageDisplay</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili al momento</translation>
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
    <name>kelvane::formKelvane</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Spoken after a roll: the roll, such as 3d6, then its total.</extracomment>
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
        <extracomment>The least and the most total the roll can show, such as &quot;3 to 18&quot;.</extracomment>
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
        <extracomment>The least total of a roll whose dice explode and so has no most, such as &quot;3 and up&quot;.</extracomment>
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
        <source>Result: %1</source>
        <extracomment>The result frame&apos;s caption after a roll: %1 is the roll, such as 3d6.</extracomment>
        <translation>Risultato: %1</translation>
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
