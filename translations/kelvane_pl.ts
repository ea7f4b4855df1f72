<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>QtMessageDisplay</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są w tej chwili niedostępne</translation>
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
        <extracomment>Button: roll the M dice of N sides now (a verb, as at the table).</extracomment>
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
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
</context>
</TS>
