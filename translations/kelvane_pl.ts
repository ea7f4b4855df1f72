<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>LogExport</name>
    <message>
        <source>Time</source>
        <extracomment>Export&apos;s column headers: when, who, the label, the notation, the dice, the total, what the roll meant in its game system or its bands, the standing in percent (0 is the bottom, 100 the top), and whether the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Postać</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etykieta</translation>
    </message>
    <message>
        <source>Notation</source>
        <translation>Notacja</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kości</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Standing %</source>
        <translation>Pozycja %</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Udostępniono</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Rezultat</translation>
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
        <translation>1 rzut</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls</source>
        <extracomment>The luck line&apos;s count of rolls, for any number but one (0, 2, 57, 1000000).</extracomment>
        <translation>
            <numerusform>%n rzut</numerusform>
            <numerusform>%n rzuty</numerusform>
            <numerusform>%n rzutów</numerusform>
        </translation>
    </message>
    <message>
        <source>average standing %1</source>
        <extracomment>The mean of the rolls&apos; standings, such as &quot;average standing 41 %&quot;.</extracomment>
        <translation>średnia pozycja %1</translation>
    </message>
    <message>
        <source>fair dice roll this high or higher %1 of the time</source>
        <translation>uczciwe kości rzucają tyle lub więcej w %1 przypadków</translation>
    </message>
    <message>
        <source>fair dice roll this low or lower %1 of the time</source>
        <translation>uczciwe kości rzucają tyle lub mniej w %1 przypadków</translation>
    </message>
    <message>
        <source>%1 without odds left out</source>
        <extracomment>Rolls whose odds were never worked out, and so are not weighed: %1 is a number of rolls, such as &quot;3 rolls&quot;.</extracomment>
        <translation>pominięte bez szans: %1</translation>
    </message>
</context>
<context>
    <name>QtMessageDisplay</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są w tej chwili niedostępne</translation>
    </message>
</context>
<context>
    <name>RollBookFile</name>
    <message>
        <source>The file is larger than 10 MB.</source>
        <translation>Plik jest większy niż 10 MB.</translation>
    </message>
    <message>
        <source>The file is not JSON: line %1, column %2: %3.</source>
        <extracomment>%1 and %2 are numbers; %3 is Qt&apos;s own description of the error.</extracomment>
        <translation>Plik nie jest w formacie JSON: wiersz %1, kolumna %2: %3.</translation>
    </message>
    <message>
        <source>The file is not a Kelvane roll book.</source>
        <translation>Plik nie jest księgą rzutów Kelvane.</translation>
    </message>
    <message>
        <source>The file&apos;s version %1 is not one Kelvane reads (it reads version %2).</source>
        <extracomment>%1 is the version the file names; %2 the one this program reads.</extracomment>
        <translation>Kelvane nie czyta wersji %1 pliku (czyta wersję %2).</translation>
    </message>
    <message>
        <source>A character in the file has no name.</source>
        <translation>Postać w pliku nie ma nazwy.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rolls for %2.</source>
        <extracomment>%1 is the most rolls a character may hold; %2 the character&apos;s name.</extracomment>
        <translation>Plik zawiera ponad %1 rzutów postaci %2.</translation>
    </message>
    <message>
        <source>The roll &quot;%1&quot; of %2 cannot be read. %3</source>
        <extracomment>%1 is the roll&apos;s notation, %2 its character, %3 why it cannot be read.</extracomment>
        <translation>Rzutu „%1” postaci %2 nie da się odczytać. %3</translation>
    </message>
    <message>
        <source>The roll book could not be written to %1: %2</source>
        <extracomment>%1 is the file&apos;s name; %2 the system&apos;s reason.</extracomment>
        <translation>Nie udało się zapisać księgi rzutów do %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file&apos;s name; %2 the system&apos;s reason.</extracomment>
        <translation>Nie udało się odczytać %1: %2</translation>
    </message>
</context>
<context>
    <name>RollBookPanel</name>
    <message>
        <source>&amp;Character</source>
        <extracomment>Label of the choice of character (a player&apos;s or a monster&apos;s) whose saved rolls the book shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Postać</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Postać</translation>
    </message>
    <message>
        <source>The character whose saved rolls the book shows</source>
        <translation>Postać, której zapisane rzuty pokazuje księga</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <extracomment>Button: add a new character to the roll book.</extracomment>
        <translation>No&amp;wa</translation>
    </message>
    <message>
        <source>Add a character to the roll book</source>
        <translation>Dodaj postać do księgi rzutów</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <extracomment>Button: rename the chosen character.</extracomment>
        <translation>&amp;Zmień nazwę</translation>
    </message>
    <message>
        <source>Rename the character</source>
        <translation>Zmień nazwę postaci</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Button: delete the chosen character with its saved rolls.</extracomment>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Delete the character and its saved rolls</source>
        <translation>Usuń postać i jej zapisane rzuty</translation>
    </message>
    <message>
        <source>Roll &amp;book</source>
        <extracomment>Label of the list of the character&apos;s saved, named rolls.</extracomment>
        <translation>&amp;Księga rzutów</translation>
    </message>
    <message>
        <source>Roll book</source>
        <translation>Księga rzutów</translation>
    </message>
    <message>
        <source>Click, Enter or Space rolls; F2 renames; Alt+Up and Alt+Down move; Delete removes; Ctrl+Z brings back</source>
        <extracomment>Keys: keep the key names as the keyboard shows them in your language.</extracomment>
        <translation>Kliknięcie, Enter lub Spacja rzuca; F2 zmienia nazwę; Alt+Góra i Alt+Dół przesuwają; Delete usuwa; Ctrl+Z przywraca</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Button: keep the notation box&apos;s text in the roll book.</extracomment>
        <translation>Zapi&amp;sz</translation>
    </message>
    <message>
        <source>Keep the notation in the book, named by its # label</source>
        <translation>Zachowaj notację w księdze, nazwaną jej etykietą #</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <extracomment>Button: read characters and rolls from a roll book file.</extracomment>
        <translation>&amp;Importuj...</translation>
    </message>
    <message>
        <source>Add the characters and rolls of a roll book file</source>
        <translation>Dodaj postacie i rzuty z pliku księgi rzutów</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <extracomment>Button: write the whole roll book to a file.</extracomment>
        <translation>Eksp&amp;ortuj...</translation>
    </message>
    <message>
        <source>Write the whole roll book to a file</source>
        <translation>Zapisz całą księgę rzutów do pliku</translation>
    </message>
</context>
<context>
    <name>RollLogWindow</name>
    <message>
        <source>Roll log</source>
        <extracomment>Title of the window that lists every roll kept across sessions.</extracomment>
        <translation>Dziennik rzutów</translation>
    </message>
    <message>
        <source>C&amp;haracter</source>
        <extracomment>Label of the choice of whose rolls the log shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Postać</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Postać</translation>
    </message>
    <message>
        <source>&amp;Period</source>
        <extracomment>Label of the choice of the time span the log shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Okres</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Okres</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <extracomment>Label of the box that finds rolls by label or notation. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Shows the rolls whose label or notation holds this text</source>
        <translation>Pokazuje rzuty, których etykieta lub notacja zawiera ten tekst</translation>
    </message>
    <message>
        <source>Roll &amp;again</source>
        <extracomment>Button: roll the selected row&apos;s notation again in the main window (Ctrl+R).</extracomment>
        <translation>&amp;Rzuć ponownie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button: copy the selected rows&apos; lines to the clipboard (Ctrl+C).</extracomment>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <extracomment>Button: remove the selected rows from the log, after asking.</extracomment>
        <translation>&amp;Usuń…</translation>
    </message>
    <message>
        <source>C&amp;lear log…</source>
        <extracomment>Button: remove every row from the log, after asking.</extracomment>
        <translation>&amp;Wyczyść dziennik…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <extracomment>Button: save the rows shown as CSV or Markdown, through a save dialog.</extracomment>
        <translation>&amp;Eksportuj…</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Table</source>
        <extracomment>Title of the dialog that sets up sharing rolls with the group&apos;s Discord channel.</extracomment>
        <translation>Stół</translation>
    </message>
    <message>
        <source>&amp;Webhook URL</source>
        <extracomment>The address of the Discord channel&apos;s webhook. The letter after &amp; is the Alt key.</extracomment>
        <translation>Adres &amp;webhooka</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>Adres webhooka</translation>
    </message>
    <message>
        <source>The webhook URL from the Discord channel&apos;s settings, under Integrations. Anyone holding it can post to the channel, so it stays masked.</source>
        <translation>Adres webhooka z ustawień kanału Discord, w sekcji Integracje. Każdy, kto go zna, może pisać na kanale, dlatego pozostaje ukryty.</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <extracomment>The name the rolls are posted under in the channel.</extracomment>
        <translation>&amp;Nazwa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>&amp;Share every roll</source>
        <extracomment>Check box: post each roll to the channel.</extracomment>
        <translation>&amp;Udostępniaj każdy rzut</translation>
    </message>
    <message>
        <source>Send a &amp;test message</source>
        <extracomment>Button: post one message to the channel to see that the webhook works.</extracomment>
        <translation>Wyślij wiadomość &amp;testową</translation>
    </message>
</context>
<context>
    <name>UntrappedErrorHandler</name>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>The number of dice and the number of sides must each lie between -32768 and 32767.</source>
        <translation>Liczba kości i liczba ścian muszą się mieścić w zakresie od -32768 do 32767.</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Nieprawidłowa wartość</translation>
    </message>
    <message>
        <source>Kelvane could not use a value this command needs. Check the boxes and try again.</source>
        <translation>Kelvane nie może użyć wartości potrzebnej temu poleceniu. Sprawdź pola i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>A program or file this command needs could not be found.</source>
        <translation>Nie znaleziono programu ani pliku potrzebnego temu poleceniu.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>There was not enough memory to finish this command. Roll fewer dice or close other programs, then try again.</source>
        <translation>Zabrakło pamięci, by dokończyć to polecenie. Rzuć mniejszą liczbą kości lub zamknij inne programy i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Coś poszło nie tak</translation>
    </message>
    <message>
        <source>Kelvane could not finish this command. You can go on using it; if this happens again, restart Kelvane.</source>
        <translation>Kelvane nie może dokończyć tego polecenia. Możesz dalej z niego korzystać; jeśli to się powtórzy, uruchom Kelvane ponownie.</translation>
    </message>
</context>
<context>
    <name>formKelvane</name>
    <message>
        <source>Roll a four sided die</source>
        <translation>Rzuć kością czterościenną</translation>
    </message>
    <message>
        <source>Number of d4 dice</source>
        <translation>Liczba kości d4</translation>
    </message>
    <message>
        <source>Number of dice to roll</source>
        <translation>Liczba kości do rzutu</translation>
    </message>
    <message>
        <source>Roll a six sided die</source>
        <translation>Rzuć kością sześciościenną</translation>
    </message>
    <message>
        <source>Number of d6 dice</source>
        <translation>Liczba kości d6</translation>
    </message>
    <message>
        <source>Roll an eight sided die</source>
        <translation>Rzuć kością ośmiościenną</translation>
    </message>
    <message>
        <source>Number of d8 dice</source>
        <translation>Liczba kości d8</translation>
    </message>
    <message>
        <source>Roll a ten sided die</source>
        <translation>Rzuć kością dziesięciościenną</translation>
    </message>
    <message>
        <source>Number of d10 dice</source>
        <translation>Liczba kości d10</translation>
    </message>
    <message>
        <source>Roll a twelve sided die</source>
        <translation>Rzuć kością dwunastościenną</translation>
    </message>
    <message>
        <source>Number of d12 dice</source>
        <translation>Liczba kości d12</translation>
    </message>
    <message>
        <source>Roll a twenty sided die</source>
        <translation>Rzuć kością dwudziestościenną</translation>
    </message>
    <message>
        <source>Number of d20 dice</source>
        <translation>Liczba kości d20</translation>
    </message>
    <message>
        <source>Roll a one hundred sided die</source>
        <translation>Rzuć kością stuścienną</translation>
    </message>
    <message>
        <source>Number of d100 dice</source>
        <translation>Liczba kości d100</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Frame around the total. After a roll it reads this word, &quot;: &quot; and the roll, such as &quot;Result: 3d6&quot;.</extracomment>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Generic</source>
        <extracomment>Frame around the roller of any number (M) of dice with any number of sides (N).</extracomment>
        <translation>Dowolny rzut</translation>
    </message>
    <message>
        <source>Number of dice (M)</source>
        <translation>Liczba kości (M)</translation>
    </message>
    <message>
        <source>Number of sides (N)</source>
        <translation>Liczba ścian (N)</translation>
    </message>
    <message>
        <source>Number of sides to the die</source>
        <translation>Liczba ścian kości</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Button: roll the M dice of N sides now (a verb, as at the table).
----------
Button: roll the dice notation in the box now (a verb, as at the table).</extracomment>
        <translation>Rzuć</translation>
    </message>
    <message>
        <source>Roll the MdN dice</source>
        <translation>Rzuć kośćmi MdN</translation>
    </message>
    <message>
        <source>Seed Generator</source>
        <extracomment>Button: give the random number generator a new seed from the clock (a command: seed the generator, not a generator of seeds).</extracomment>
        <translation>Nowe ziarno</translation>
    </message>
    <message>
        <source>Randomize (seed) the number generator</source>
        <translation>Nadaj generatorowi liczb losowych nowe ziarno</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Kelvane developers</source>
        <translation>Copyright © 2026 twórcy Kelvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Rolls</source>
        <extracomment>Frame around the list of dice rolled, one line per die.</extracomment>
        <translation>Rzuty</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <extracomment>Names the check box beside it that copies each roll to the clipboard. Only 49 pixels wide: a short word such as &quot;Copy&quot; may stand in, as the check box&apos;s tool tip explains.</extracomment>
        <translation>Schowek</translation>
    </message>
    <message>
        <source>Check to send future rolls to the clipboard for pasting in other documents</source>
        <translation>Zaznacz, aby kopiować kolejne rzuty do schowka i wklejać je w innych dokumentach</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: empty the list of rolls (a verb).</extracomment>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Clear the contents of the rolls list</source>
        <translation>Wyczyść listę rzutów</translation>
    </message>
    <message>
        <source>Displays individual roll results</source>
        <translation>Pokazuje wynik każdej kości</translation>
    </message>
    <message>
        <source>&amp;Notation</source>
        <extracomment>Label of the box for dice notation such as 3d6 or d20+5. The letter after &amp; is the Alt key that moves to the box.</extracomment>
        <translation>&amp;Notacja</translation>
    </message>
    <message>
        <source>Dice notation</source>
        <translation>Notacja kości</translation>
    </message>
    <message>
        <source>Dice notation, for example d20+5, 4d6dl1 or 10d10&gt;=8. Enter rolls; Up and Down recall earlier rolls.</source>
        <extracomment>Keep the examples as they are: dice notation is the same in every language.</extracomment>
        <translation>Notacja kości, na przykład d20+5, 4d6dl1 lub 10d10&gt;=8. Enter rzuca; strzałki w górę i w dół przywołują wcześniejsze rzuty.</translation>
    </message>
    <message>
        <source>Roll the dice notation</source>
        <translation>Rzuć według notacji</translation>
    </message>
    <message>
        <source>&amp;Table…</source>
        <extracomment>Button: opens the dialog that shares rolls with the group&apos;s Discord channel (the table). The letter after &amp; is the Alt key.</extracomment>
        <translation>S&amp;tół…</translation>
    </message>
    <message>
        <source>Share rolls with the group&apos;s Discord channel</source>
        <translation>Udostępniaj rzuty na kanale Discord drużyny</translation>
    </message>
    <message>
        <source>&amp;Log…</source>
        <extracomment>Button: open the Roll log window, every roll kept across sessions. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Dziennik…</translation>
    </message>
    <message>
        <source>Every roll kept across sessions, with the night&apos;s luck</source>
        <translation>Każdy rzut zachowany między sesjami, ze szczęściem wieczoru</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Screen readers&apos; name of the label that shows what the last roll means in the player&apos;s game system, such as Partial.</extracomment>
        <translation>Rezultat</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kelvane provides the fantasy roll player and game master with all the rolling excitement they can handle.</source>
        <translation>Kelvane daje graczom i mistrzom gry fantasy tyle emocji z rzucania kośćmi, ile tylko zniosą.</translation>
    </message>
    <message>
        <source>Pause your mouse over each item on the screen to get pop-up tool-tips on how to use the program...trust me its pretty simple.</source>
        <translation>Zatrzymaj wskaźnik myszy nad elementem, by zobaczyć podpowiedź... serio, to bardzo proste.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;systemu...</translation>
    </message>
</context>
<context>
    <name>kelvane::DistributionChart</name>
    <message>
        <source>Distribution</source>
        <extracomment>Accessible name of the bar chart of the chances of each total of the last roll.</extracomment>
        <translation>Rozkład</translation>
    </message>
</context>
<context>
    <name>kelvane::LuckChart</name>
    <message>
        <source>Standings</source>
        <extracomment>Accessible name of the roll log&apos;s drawing of standings.</extracomment>
        <translation>Pozycje</translation>
    </message>
    <message>
        <source>Rolls by standing, bottom tenth to top tenth: %1</source>
        <extracomment>Read by screen readers: how many rolls stood in each tenth, from the lowest tenth to the highest. %1 is the list of ten numbers.</extracomment>
        <translation>Rzuty według pozycji, od najniższej do najwyższej dziesiątej części: %1</translation>
    </message>
    <message>
        <source>bottom</source>
        <extracomment>Below the drawing of standings: its left end, the bottom of the range.</extracomment>
        <translation>dół</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>Below the drawing of standings: its right end, the top of the range.</extracomment>
        <translation>góra</translation>
    </message>
</context>
<context>
    <name>kelvane::OutcomeChart</name>
    <message>
        <source>Outcomes</source>
        <extracomment>Accessible name of the bar chart of the chances of each outcome of the last roll.</extracomment>
        <translation>Rezultaty</translation>
    </message>
</context>
<context>
    <name>kelvane::OutcomeNames</name>
    <message>
        <source>%1, 1 raise</source>
        <extracomment>A Savage Worlds raise with exactly one raise.</extracomment>
        <translation>%1, 1 przebicie</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n raises</source>
        <extracomment>A Savage Worlds raise with how many raises, any number but one, such as &quot;Raise, 2 raises&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n przebicie</numerusform>
            <numerusform>%1, %n przebicia</numerusform>
            <numerusform>%1, %n przebić</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, 1 hit</source>
        <extracomment>A Shadowrun outcome with exactly one hit, such as &quot;Glitch, 1 hit&quot;.</extracomment>
        <translation>%1, 1 sukces</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n hits</source>
        <extracomment>A Shadowrun outcome with its hits, any number but one, such as &quot;Success, 3 hits&quot; or &quot;Failure, 0 hits&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n sukces</numerusform>
            <numerusform>%1, %n sukcesy</numerusform>
            <numerusform>%1, %n sukcesów</numerusform>
        </translation>
    </message>
    <message>
        <source>Strong hit</source>
        <translation>Pełny sukces</translation>
    </message>
    <message>
        <source>Weak hit</source>
        <translation>Częściowy sukces</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Pudło</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Krytyczny sukces</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sukces</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Częściowy sukces</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Porażka</translation>
    </message>
    <message>
        <source>Critical failure</source>
        <translation>Krytyczna porażka</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Przebicie</translation>
    </message>
    <message>
        <source>Fumble</source>
        <translation>Pech</translation>
    </message>
    <message>
        <source>Extreme success</source>
        <translation>Ekstremalny sukces</translation>
    </message>
    <message>
        <source>Hard success</source>
        <translation>Trudny sukces</translation>
    </message>
    <message>
        <source>Regular success</source>
        <translation>Zwykły sukces</translation>
    </message>
    <message>
        <source>Exceptional success</source>
        <translation>Wyjątkowy sukces</translation>
    </message>
    <message>
        <source>Dramatic failure</source>
        <translation>Dramatyczna porażka</translation>
    </message>
    <message>
        <source>Glitch</source>
        <translation>Komplikacja</translation>
    </message>
    <message>
        <source>Critical glitch</source>
        <translation>Krytyczna komplikacja</translation>
    </message>
    <message>
        <source>Legendary</source>
        <translation>Legendarny</translation>
    </message>
    <message>
        <source>Epic</source>
        <translation>Epicki</translation>
    </message>
    <message>
        <source>Fantastic</source>
        <translation>Fantastyczny</translation>
    </message>
    <message>
        <source>Superb</source>
        <translation>Wspaniały</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Świetny</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Dobry</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Niezły</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Przeciętny</translation>
    </message>
    <message>
        <source>Mediocre</source>
        <translation>Mierny</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Słaby</translation>
    </message>
    <message>
        <source>Terrible</source>
        <translation>Fatalny</translation>
    </message>
    <message>
        <source>Critical hit</source>
        <translation>Trafienie krytyczne</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Trafienie</translation>
    </message>
</context>
<context>
    <name>kelvane::RollBookPanel</name>
    <message>
        <source>Player</source>
        <extracomment>The one character of a new roll book.</extracomment>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>New character</source>
        <translation>Nowa postać</translation>
    </message>
    <message>
        <source>Name of the new character:</source>
        <translation>Nazwa nowej postaci:</translation>
    </message>
    <message>
        <source>The book already has a character named %1.</source>
        <translation>Księga ma już postać o nazwie %1.</translation>
    </message>
    <message>
        <source>Rename character</source>
        <translation>Zmień nazwę postaci</translation>
    </message>
    <message>
        <source>New name of the character:</source>
        <translation>Nowa nazwa postaci:</translation>
    </message>
    <message>
        <source>Delete character</source>
        <translation>Usuń postać</translation>
    </message>
    <message>
        <source>roll-book</source>
        <extracomment>The file name offered for an exported roll book; keep it short, without blanks.</extracomment>
        <translation>ksiega-rzutow</translation>
    </message>
    <message>
        <source>Export the roll book</source>
        <translation>Eksportuj księgę rzutów</translation>
    </message>
    <message>
        <source>Roll books (*.json)</source>
        <translation>Księgi rzutów (*.json)</translation>
    </message>
    <message>
        <source>The roll book was written to %1.</source>
        <translation>Księgę rzutów zapisano do %1.</translation>
    </message>
    <message>
        <source>Import a roll book</source>
        <translation>Importuj księgę rzutów</translation>
    </message>
    <message>
        <source>Imported: %1 new characters, %2 new rolls; %3 rolls were already in the book.</source>
        <extracomment>%1, %2 and %3 are numbers of characters and rolls.</extracomment>
        <translation>Zaimportowano: nowe postacie: %1, nowe rzuty: %2; rzuty już obecne w księdze: %3.</translation>
    </message>
    <message>
        <source>The roll book was damaged; it was copied to %1 and a new book started.</source>
        <extracomment>%1 is the full name of the damaged file, kept for recovery.</extracomment>
        <translation>Księga rzutów była uszkodzona; skopiowano ją do %1 i założono nową.</translation>
    </message>
    <message>
        <source>The book cannot be saved: the disk is full. Rolling goes on.</source>
        <translation>Nie można zapisać księgi: dysk jest pełny. Rzuty trwają dalej.</translation>
    </message>
    <message>
        <source>The book cannot be saved: a newer Kelvane wrote it. Rolling goes on.</source>
        <translation>Nie można zapisać księgi: zapisał ją nowszy Kelvane. Rzuty trwają dalej.</translation>
    </message>
    <message>
        <source>The book cannot be saved: its folder cannot be written. Rolling goes on.</source>
        <translation>Nie można zapisać księgi: jej folder jest tylko do odczytu. Rzuty trwają dalej.</translation>
    </message>
    <message>
        <source>The book cannot be saved: the disk reports an error. Rolling goes on.</source>
        <translation>Nie można zapisać księgi: dysk zgłasza błąd. Rzuty trwają dalej.</translation>
    </message>
    <message>
        <source>Delete %1 together with its saved rolls (%2)?</source>
        <extracomment>%1 is the character&apos;s name; %2 the number of its saved rolls.</extracomment>
        <translation>Usunąć %1 razem z jej zapisanymi rzutami (%2)?</translation>
    </message>
    <message>
        <source>%1 is already in the roll book.</source>
        <extracomment>%1 is the saved roll&apos;s name, such as Longsword.</extracomment>
        <translation>%1 jest już w księdze rzutów.</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogModel</name>
    <message>
        <source>top %1 %</source>
        <extracomment>A rolled total&apos;s standing among the totals its roll can show: only 12 % of rolls go higher. %1 is the number.</extracomment>
        <translation>górne %1 %</translation>
    </message>
    <message>
        <source>bottom %1 %</source>
        <extracomment>Only 30 % of rolls go lower. %1 is the number.</extracomment>
        <translation>dolne %1 %</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column of the roll log: when the roll was made.</extracomment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>Column of the roll log: the roll book&apos;s character who rolled.</extracomment>
        <translation>Postać</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Column of the roll log: the roll&apos;s label, or its dice notation.</extracomment>
        <translation>Rzut</translation>
    </message>
    <message>
        <source>Dice</source>
        <extracomment>Column of the roll log: each die&apos;s value, as on the clipboard.</extracomment>
        <translation>Kości</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column of the roll log: the roll&apos;s total.</extracomment>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Standing</source>
        <extracomment>Column of the roll log: how the total stands among the totals the roll can show.</extracomment>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>The roll log&apos;s Shared column: the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>tak</translation>
    </message>
    <message>
        <source>waiting</source>
        <extracomment>The roll log&apos;s Shared column: the roll waits in the outbox to be posted.</extracomment>
        <translation>oczekuje</translation>
    </message>
    <message>
        <source>Shared</source>
        <extracomment>Column of the roll log: whether the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>Udostępniono</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Column of the roll log: what the roll meant in its game system or its bands, such as &quot;Partial&quot; or &quot;Strong hit&quot;.</extracomment>
        <translation>Rezultat</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogWindow</name>
    <message>
        <source>This session</source>
        <extracomment>Period of the roll log: the rolls since Kelvane started.</extracomment>
        <translation>Ta sesja</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Period of the roll log: the rolls since midnight.</extracomment>
        <translation>Dziś</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <extracomment>Period of the roll log: today and the six days before it.</extracomment>
        <translation>Ostatnie 7 dni</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Period of the roll log: every roll kept.</extracomment>
        <translation>Wszystko</translation>
    </message>
    <message>
        <source>Everyone</source>
        <extracomment>Character filter of the roll log: rolls of every character.</extracomment>
        <translation>Wszyscy</translation>
    </message>
    <message>
        <source>No character</source>
        <extracomment>Character filter: rolls made with no character chosen.</extracomment>
        <translation>Bez postaci</translation>
    </message>
    <message>
        <source>Remove every roll from the log? The roll book stays as it is.</source>
        <extracomment>Asked before the whole roll log is emptied; the roll book keeps its saved rolls.</extracomment>
        <translation>Usunąć wszystkie rzuty z dziennika? Księga rzutów zostaje bez zmian.</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <extracomment>File type in the export&apos;s save dialog.</extracomment>
        <translation>Tabela CSV (*.csv)</translation>
    </message>
    <message>
        <source>Markdown table (*.md)</source>
        <extracomment>File type in the export&apos;s save dialog.</extracomment>
        <translation>Tabela Markdown (*.md)</translation>
    </message>
    <message>
        <source>Export the roll log</source>
        <extracomment>Title of the export&apos;s save dialog.</extracomment>
        <translation>Eksportuj dziennik rzutów</translation>
    </message>
    <message>
        <source>roll-log</source>
        <translation>dziennik-rzutow</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <extracomment>The export could not be written; %1 is the file&apos;s name.</extracomment>
        <translation>Nie można zapisać %1.</translation>
    </message>
    <message>
        <source>Remove this roll from the log?</source>
        <extracomment>Asked before a row leaves the roll log; the roll book keeps its saved rolls.</extracomment>
        <translation>Usunąć ten rzut z dziennika?</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n rolls from the log?</source>
        <translation>
            <numerusform>Usunąć %n rzut z dziennika?</numerusform>
            <numerusform>Usunąć %n rzuty z dziennika?</numerusform>
            <numerusform>Usunąć %n rzutów z dziennika?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogger</name>
    <message>
        <source>Rolls are not being kept: the roll log cannot be written.</source>
        <extracomment>In the main window&apos;s band when the roll log&apos;s file cannot be written.</extracomment>
        <translation>Rzuty nie są zachowywane: nie można zapisać dziennika rzutów.</translation>
    </message>
</context>
<context>
    <name>kelvane::TableDialog</name>
    <message>
        <source>Sending…</source>
        <extracomment>While the test message is on its way.</extracomment>
        <translation>Wysyłanie…</translation>
    </message>
</context>
<context>
    <name>kelvane::TableSharing</name>
    <message>
        <source>The table&apos;s settings cannot be saved</source>
        <translation>Nie można zapisać ustawień stołu</translation>
    </message>
    <message>
        <source>Paste the webhook URL from the channel&apos;s settings, under Integrations.</source>
        <extracomment>The Table dialog, when no webhook URL is pasted yet.</extracomment>
        <translation>Wklej adres webhooka z ustawień kanału, z sekcji Integracje.</translation>
    </message>
    <message>
        <source>The webhook URL must start with https://.</source>
        <translation>Adres webhooka musi zaczynać się od https://.</translation>
    </message>
    <message>
        <source>The webhook URL must be on discord.com.</source>
        <translation>Adres webhooka musi być w domenie discord.com.</translation>
    </message>
    <message>
        <source>This is not a webhook URL: it looks like https://discord.com/api/webhooks/&lt;number&gt;/&lt;token&gt;.</source>
        <extracomment>Keep the example address as it is.</extracomment>
        <translation>To nie jest adres webhooka: wygląda on tak: https://discord.com/api/webhooks/&lt;numer&gt;/&lt;token&gt;.</translation>
    </message>
    <message>
        <source>Discord takes names of at most 80 characters.</source>
        <translation>Discord przyjmuje nazwy o długości najwyżej 80 znaków.</translation>
    </message>
    <message>
        <source>Discord refuses names that contain &quot;discord&quot; or &quot;clyde&quot;.</source>
        <extracomment>Keep &quot;discord&quot; and &quot;clyde&quot; as they are: Discord refuses names that hold them.</extracomment>
        <translation>Discord odrzuca nazwy zawierające „discord” lub „clyde”.</translation>
    </message>
    <message>
        <source>Discord refused a roll: %1</source>
        <extracomment>A roll Discord would not take; %1 is Discord&apos;s own reason, in English.</extracomment>
        <translation>Discord odrzucił rzut: %1</translation>
    </message>
    <message>
        <source>Discord refuses the name to post under: %1</source>
        <extracomment>%1 is Discord&apos;s own reason, in English.</extracomment>
        <translation>Discord odrzuca nazwę, pod którą publikujesz: %1</translation>
    </message>
    <message>
        <source>The table&apos;s webhook is gone: paste a new one</source>
        <translation>Webhook stołu zniknął: wklej nowy</translation>
    </message>
    <message>
        <source>Not shared: the table&apos;s server could not prove it is Discord</source>
        <translation>Nie udostępniono: serwer nie zdołał dowieść, że jest Discordem</translation>
    </message>
    <message>
        <source>Not shared: the table&apos;s server answered %1</source>
        <extracomment>%1 is the HTTP status and Discord&apos;s own words, such as &quot;HTTP 403: Missing Access&quot;.</extracomment>
        <translation>Nie udostępniono: serwer odpowiedział %1</translation>
    </message>
    <message>
        <source>Not shared: KELVANE_DISCORD_API_BASE is not an https:// address</source>
        <translation>Nie udostępniono: KELVANE_DISCORD_API_BASE nie jest adresem https://</translation>
    </message>
    <message>
        <source>Not shared: rolls cannot be kept in the database</source>
        <translation>Nie udostępniono: nie można przechować rzutów w bazie danych</translation>
    </message>
    <message>
        <source>Shared</source>
        <extracomment>The band&apos;s status line once every roll has reached the channel.</extracomment>
        <translation>Udostępniono</translation>
    </message>
    <message>
        <source>Sharing rolls with the table</source>
        <translation>Rzuty są udostępniane przy stole</translation>
    </message>
    <message>
        <source>Kelvane will share rolls here.</source>
        <extracomment>Posted to the channel by &quot;Send a test message&quot;.</extracomment>
        <translation>Kelvane będzie tu udostępniać rzuty.</translation>
    </message>
    <message>
        <source>The test message was posted.</source>
        <translation>Wiadomość testowa została wysłana.</translation>
    </message>
    <message>
        <source>Discord did not answer; try again later.</source>
        <translation>Discord nie odpowiedział; spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Discord refused the message: %1</source>
        <translation>Discord odrzucił wiadomość: %1</translation>
    </message>
    <message>
        <source>1 roll waiting to be shared</source>
        <extracomment>The band&apos;s status line while rolls wait in the outbox.</extracomment>
        <translation>1 rzut czeka na udostępnienie</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls waiting to be shared</source>
        <extracomment>The band&apos;s status line while rolls wait in the outbox; %n is 2 or more.</extracomment>
        <translation>
            <numerusform>%n rzut czeka na udostępnienie</numerusform>
            <numerusform>%n rzuty czekają na udostępnienie</numerusform>
            <numerusform>%n rzutów czeka na udostępnienie</numerusform>
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
        <translation>odrzucona</translation>
    </message>
    <message>
        <source>exploded</source>
        <extracomment>After a die&apos;s value in the list: the die showed a face that throws one more die.</extracomment>
        <translation>eksplodowała</translation>
    </message>
    <message>
        <source>rerolled</source>
        <extracomment>After a die&apos;s value in the list: the die was thrown again and this value does not count.</extracomment>
        <translation>przerzucona</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>After a die&apos;s value in the list: the die meets the roll&apos;s target and counts as one.</extracomment>
        <translation>sukces</translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>After a die&apos;s value in the list: the die counts as a failure and takes one away.</extracomment>
        <translation>porażka</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of rolls, %1 being a number such as 42.13.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 or more: %2</source>
        <extracomment>The share of rolls that reach the rolled total, such as &quot;15 or more: 42.13 %&quot;.</extracomment>
        <translation>%1 lub więcej: %2</translation>
    </message>
    <message>
        <source>%1 or less: %2</source>
        <extracomment>The share of rolls that stay at the rolled total, such as &quot;15 or less: 65.33 %&quot;.</extracomment>
        <translation>%1 lub mniej: %2</translation>
    </message>
    <message>
        <source>average %1</source>
        <extracomment>The roll&apos;s mean total, such as &quot;average 12.24&quot;.</extracomment>
        <translation>średnio %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>approximate</source>
        <extracomment>Said of odds taken from a normal curve, when the exact ones would take too long.</extracomment>
        <translation>przybliżone</translation>
    </message>
    <message>
        <source>no result: %1</source>
        <extracomment>The share of rolls that end in an error, such as a division by zero.</extracomment>
        <translation>brak wyniku: %1</translation>
    </message>
    <message>
        <source>%1 and up</source>
        <translation>%1 i więcej</translation>
    </message>
    <message>
        <source>too many dice: %1</source>
        <extracomment>The share of rolls that would throw more dice than one roll may, and so end without a total, such as &quot;too many dice: 0.02 %&quot;.</extracomment>
        <translation>za dużo kości: %1</translation>
    </message>
    <message>
        <source>Type dice notation such as 3d6, d20+5 or 4d6dl1, then press Enter.</source>
        <translation>Wpisz notację kości, np. 3d6, d20+5 lub 4d6dl1, i naciśnij Enter.</translation>
    </message>
    <message>
        <source>Dice notation may be at most %1 characters long.</source>
        <translation>Notacja kości może mieć najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>Column %1: a number, a die such as d6, or ( should come here.</source>
        <extracomment>%1 is a column, counted in characters from the start of the box.</extracomment>
        <translation>Kolumna %1: tu powinna stać liczba, kość jak d6 lub (.</translation>
    </message>
    <message>
        <source>Column %1: a number of sides should follow d.</source>
        <translation>Kolumna %1: po d powinna stać liczba ścianek.</translation>
    </message>
    <message>
        <source>Column %1: an operator such as + should come here.</source>
        <translation>Kolumna %1: tu powinien stać operator, np. +.</translation>
    </message>
    <message>
        <source>Column %1: a ) should close the parentheses.</source>
        <translation>Kolumna %1: brakuje ) zamykającego nawias.</translation>
    </message>
    <message>
        <source>Column %1: this ) has no ( before it.</source>
        <translation>Kolumna %1: przed tym ) nie ma (.</translation>
    </message>
    <message>
        <source>Column %1: a number should follow the comparison.</source>
        <translation>Kolumna %1: po porównaniu powinna stać liczba.</translation>
    </message>
    <message>
        <source>Column %1: h or l should follow the d that drops dice.</source>
        <extracomment>dh drops the highest dice, dl the lowest; keep the letters as they are.</extracomment>
        <translation>Kolumna %1: po d, które odrzuca kości, powinno stać h lub l.</translation>
    </message>
    <message>
        <source>Column %1: these dice already have this modifier.</source>
        <translation>Kolumna %1: te kości mają już ten modyfikator.</translation>
    </message>
    <message>
        <source>Column %1: f counts failures only beside a success target such as &gt;=8.</source>
        <extracomment>f counts failures, &gt;=8 is a success target; keep both as they are.</extracomment>
        <translation>Kolumna %1: f liczy porażki tylko obok progu sukcesu, np. &gt;=8.</translation>
    </message>
    <message>
        <source>Column %1: this number is too large.</source>
        <translation>Kolumna %1: ta liczba jest za duża.</translation>
    </message>
    <message>
        <source>Column %1: a roll may throw at most %2 dice.</source>
        <translation>Kolumna %1: rzut może użyć najwyżej %2 kości.</translation>
    </message>
    <message>
        <source>Column %1: a die has from 1 to %2 sides.</source>
        <translation>Kolumna %1: kość ma od 1 do %2 ścianek.</translation>
    </message>
    <message>
        <source>Column %1: every face meets this, so the dice would never stop.</source>
        <translation>Kolumna %1: każda ścianka to spełnia, kości nigdy by się nie zatrzymały.</translation>
    </message>
    <message>
        <source>Column %1: division by zero.</source>
        <translation>Kolumna %1: dzielenie przez zero.</translation>
    </message>
    <message>
        <source>Column %1: the result is too large to work out exactly.</source>
        <translation>Kolumna %1: wynik jest za duży, by policzyć go dokładnie.</translation>
    </message>
    <message>
        <source>Column %1: a band such as 10+ Strong hit should come here.</source>
        <extracomment>A band is a range of results and its name; keep 10+ as it is.</extracomment>
        <translation>Kolumna %1: tu powinien być przedział taki jak 10+ Pełny sukces.</translation>
    </message>
    <message>
        <source>Column %1: a range is N, N-M, N+ or N-, such as 7-9.</source>
        <extracomment>N and M stand for numbers; keep the signs as they are.</extracomment>
        <translation>Kolumna %1: zakres to N, N-M, N+ lub N-, na przykład 7-9.</translation>
    </message>
    <message>
        <source>Column %1: a name should follow the range.</source>
        <translation>Kolumna %1: po zakresie powinna być nazwa.</translation>
    </message>
    <message>
        <source>Column %1: a band&apos;s name may be at most %2 characters long.</source>
        <translation>Kolumna %1: nazwa przedziału może mieć najwyżej %2 znaków.</translation>
    </message>
    <message>
        <source>Column %1: a roll may have at most %2 bands.</source>
        <translation>Kolumna %1: rzut może mieć najwyżej %2 przedziałów.</translation>
    </message>
    <message>
        <source>Column %1: write pbta+M, with M from -3 to +4.</source>
        <extracomment>pbta is typed as it is; M stands for the modifier.</extracomment>
        <translation>Kolumna %1: wpisz pbta+M, gdzie M od -3 do +4.</translation>
    </message>
    <message>
        <source>Column %1: write bitd N, with N from 0 to 10 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Kolumna %1: wpisz bitd N, gdzie N od 0 do 10 kości.</translation>
    </message>
    <message>
        <source>Column %1: write sw dX+M tnT, with X 4, 6, 8, 10 or 12, M from -10 to +10 and T from 1 to 20; +M and tnT may be left out.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Kolumna %1: wpisz sw dX+M tnT, gdzie X to 4, 6, 8, 10 lub 12, M od -10 do +10, a T od 1 do 20; +M i tnT można pominąć.</translation>
    </message>
    <message>
        <source>Column %1: write coc S, with S from 1 to 100, then b1 or b2 for bonus dice or p1 or p2 for penalty dice if needed.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Kolumna %1: wpisz coc S, gdzie S od 1 do 100, a w razie potrzeby b1 lub b2 dla kości premii albo p1 lub p2 dla kości kary.</translation>
    </message>
    <message>
        <source>Column %1: write cod N, with N from 0 to 30 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Kolumna %1: wpisz cod N, gdzie N od 0 do 30 kości.</translation>
    </message>
    <message>
        <source>Column %1: write sr N, with N from 1 to 50 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Kolumna %1: wpisz sr N, gdzie N od 1 do 50 kości.</translation>
    </message>
    <message>
        <source>Column %1: write fate+M, with M from -5 to +8.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Kolumna %1: wpisz fate+M, gdzie M od -5 do +8.</translation>
    </message>
    <message>
        <source>Column %1: write dnd+M dcD for a check or dnd+M acA for an attack, with M from -5 to +15 and D or A from 1 to 40, then adv or dis if needed.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Kolumna %1: wpisz dnd+M dcD dla testu lub dnd+M acA dla ataku, gdzie M od -5 do +15, a D lub A od 1 do 40, w razie potrzeby z adv lub dis.</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>The result frame&apos;s caption after a roll: %1 is the roll, such as 3d6.</extracomment>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>The roll book&apos;s file was damaged; it was copied to %1, and the book was carried over to a new file.</source>
        <extracomment>%1 is the full name of the damaged file, kept for recovery.</extracomment>
        <translation>Plik księgi rzutów był uszkodzony; skopiowano go do %1, a księgę przeniesiono do nowego pliku.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>Spoken after a roll with an outcome: the roll, its total and what it means, such as &quot;bitd 3: 5, Partial&quot;.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Column %1: a } should close the group.</source>
        <translation>Kolumna %1: brakuje } zamykającego grupę.</translation>
    </message>
    <message>
        <source>Column %1: this } has no { before it.</source>
        <translation>Kolumna %1: przed tym } nie ma {.</translation>
    </message>
    <message>
        <source>Column %1: a group cannot hold another group.</source>
        <translation>Kolumna %1: grupa nie może zawierać innej grupy.</translation>
    </message>
    <message>
        <source>Column %1: only keep, drop or a target such as kh1 or &gt;=10 may follow a group.</source>
        <extracomment>Keep the examples as they are: they are what the player types.</extracomment>
        <translation>Kolumna %1: po grupie może stać tylko zachowanie, odrzucenie lub cel, np. kh1 albo &gt;=10.</translation>
    </message>
    <message>
        <source>Column %1: a group of one roll adds dice only, such as {4d6+2d8}.</source>
        <extracomment>Keep the example as it is: it is what the player types.</extracomment>
        <translation>Kolumna %1: grupa z jednego rzutu tylko dodaje kości, np. {4d6+2d8}.</translation>
    </message>
    <message>
        <source>Column %1: in a group of one roll, keep, drop and targets go after the }.</source>
        <translation>Kolumna %1: w grupie z jednego rzutu zachowanie, odrzucenie i cele stoją po }.</translation>
    </message>
    <message>
        <source>no outcome: %1</source>
        <extracomment>The share of rolls whose result falls in none of the roll&apos;s bands.</extracomment>
        <translation>brak rezultatu: %1</translation>
    </message>
</context>
<context>
    <name>kelvane::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>Caption of this dialog; %1 is the program&apos;s name, Kelvane.</extracomment>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
</context>
</TS>
