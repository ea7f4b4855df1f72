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
    <name>kelvane::formKelvane</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Spoken after a roll: the roll, such as 3d6, then its total.</extracomment>
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
        <extracomment>The least and the most total the roll can show, such as &quot;3 to 18&quot;.</extracomment>
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
        <extracomment>The least total of a roll whose dice explode and so has no most, such as &quot;3 and up&quot;.</extracomment>
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
        <source>Result: %1</source>
        <extracomment>The result frame&apos;s caption after a roll: %1 is the roll, such as 3d6.</extracomment>
        <translation>Wynik: %1</translation>
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
