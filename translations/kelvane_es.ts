<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QtMessageDisplay</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>UntrappedErrorHandler</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>The number of dice and the number of sides must each lie between -32768 and 32767.</source>
        <translation>El número de dados y el número de caras deben estar cada uno entre -32768 y 32767.</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Valor no válido</translation>
    </message>
    <message>
        <source>Kelvane could not use a value this command needs. Check the boxes and try again.</source>
        <translation>Kelvane no pudo usar un valor que necesita esta orden. Revisa las casillas e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>A program or file this command needs could not be found.</source>
        <translation>No se encontró un programa o archivo que necesita esta orden.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>There was not enough memory to finish this command. Roll fewer dice or close other programs, then try again.</source>
        <translation>No había memoria suficiente para terminar esta orden. Tira menos dados o cierra otros programas y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Algo salió mal</translation>
    </message>
    <message>
        <source>Kelvane could not finish this command. You can go on using it; if this happens again, restart Kelvane.</source>
        <translation>Kelvane no pudo terminar esta orden. Puedes seguir usándolo; si vuelve a ocurrir, reinicia Kelvane.</translation>
    </message>
</context>
<context>
    <name>formKelvane</name>
    <message>
        <source>Roll a four sided die</source>
        <translation>Tirar un dado de cuatro caras</translation>
    </message>
    <message>
        <source>Number of d4 dice</source>
        <translation>Número de d4</translation>
    </message>
    <message>
        <source>Number of dice to roll</source>
        <translation>Número de dados que tirar</translation>
    </message>
    <message>
        <source>Roll a six sided die</source>
        <translation>Tirar un dado de seis caras</translation>
    </message>
    <message>
        <source>Number of d6 dice</source>
        <translation>Número de d6</translation>
    </message>
    <message>
        <source>Roll an eight sided die</source>
        <translation>Tirar un dado de ocho caras</translation>
    </message>
    <message>
        <source>Number of d8 dice</source>
        <translation>Número de d8</translation>
    </message>
    <message>
        <source>Roll a ten sided die</source>
        <translation>Tirar un dado de diez caras</translation>
    </message>
    <message>
        <source>Number of d10 dice</source>
        <translation>Número de d10</translation>
    </message>
    <message>
        <source>Roll a twelve sided die</source>
        <translation>Tirar un dado de doce caras</translation>
    </message>
    <message>
        <source>Number of d12 dice</source>
        <translation>Número de d12</translation>
    </message>
    <message>
        <source>Roll a twenty sided die</source>
        <translation>Tirar un dado de veinte caras</translation>
    </message>
    <message>
        <source>Number of d20 dice</source>
        <translation>Número de d20</translation>
    </message>
    <message>
        <source>Roll a one hundred sided die</source>
        <translation>Tirar un dado de cien caras</translation>
    </message>
    <message>
        <source>Number of d100 dice</source>
        <translation>Número de d100</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Frame around the total. After a roll it reads this word, &quot;: &quot; and the roll, such as &quot;Result: 3d6&quot;.</extracomment>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Generic</source>
        <extracomment>Frame around the roller of any number (M) of dice with any number of sides (N).</extracomment>
        <translation>Tirada libre</translation>
    </message>
    <message>
        <source>Number of dice (M)</source>
        <translation>Número de dados (M)</translation>
    </message>
    <message>
        <source>Number of sides (N)</source>
        <translation>Número de caras (N)</translation>
    </message>
    <message>
        <source>Number of sides to the die</source>
        <translation>Número de caras del dado</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Button: roll the M dice of N sides now (a verb, as at the table).
----------
Button: roll the dice notation in the box now (a verb, as at the table).</extracomment>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>Roll the MdN dice</source>
        <translation>Tirar los dados MdN</translation>
    </message>
    <message>
        <source>Seed Generator</source>
        <extracomment>Button: give the random number generator a new seed from the clock (a command: seed the generator, not a generator of seeds).</extracomment>
        <translation>Nueva semilla</translation>
    </message>
    <message>
        <source>Randomize (seed) the number generator</source>
        <translation>Dar una nueva semilla al generador de números aleatorios</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Kelvane developers</source>
        <translation>Copyright © 2026 los desarrolladores de Kelvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Rolls</source>
        <extracomment>Frame around the list of dice rolled, one line per die.</extracomment>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <extracomment>Names the check box beside it that copies each roll to the clipboard. Only 49 pixels wide: a short word such as &quot;Copy&quot; may stand in, as the check box&apos;s tool tip explains.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Check to send future rolls to the clipboard for pasting in other documents</source>
        <translation>Marcar para copiar las próximas tiradas al portapapeles y pegarlas en otros documentos</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: empty the list of rolls (a verb).</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear the contents of the rolls list</source>
        <translation>Borrar la lista de tiradas</translation>
    </message>
    <message>
        <source>Displays individual roll results</source>
        <translation>Muestra el resultado de cada dado</translation>
    </message>
    <message>
        <source>&amp;Notation</source>
        <extracomment>Label of the box for dice notation such as 3d6 or d20+5. The letter after &amp; is the Alt key that moves to the box.</extracomment>
        <translation>&amp;Notación</translation>
    </message>
    <message>
        <source>Dice notation</source>
        <translation>Notación de dados</translation>
    </message>
    <message>
        <source>Dice notation, for example d20+5, 4d6dl1 or 10d10&gt;=8. Enter rolls; Up and Down recall earlier rolls.</source>
        <extracomment>Keep the examples as they are: dice notation is the same in every language.</extracomment>
        <translation>Notación de dados, por ejemplo d20+5, 4d6dl1 o 10d10&gt;=8. Intro tira; Arriba y Abajo recuperan tiradas anteriores.</translation>
    </message>
    <message>
        <source>Roll the dice notation</source>
        <translation>Tirar la notación de dados</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kelvane provides the fantasy roll player and game master with all the rolling excitement they can handle.</source>
        <translation>Kelvane ofrece a los jugadores de rol de fantasía y a los másteres toda la emoción de los dados que puedan aguantar.</translation>
    </message>
    <message>
        <source>Pause your mouse over each item on the screen to get pop-up tool-tips on how to use the program...trust me its pretty simple.</source>
        <translation>Deja el ratón sobre cada elemento para ver una ayuda emergente... créeme, es muy sencillo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info. &amp;sistema...</translation>
    </message>
</context>
<context>
    <name>kelvane::DistributionChart</name>
    <message>
        <source>Distribution</source>
        <extracomment>Accessible name of the bar chart of the chances of each total of the last roll.</extracomment>
        <translation>Distribución</translation>
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
        <translation>descartado</translation>
    </message>
    <message>
        <source>exploded</source>
        <extracomment>After a die&apos;s value in the list: the die showed a face that throws one more die.</extracomment>
        <translation>explotado</translation>
    </message>
    <message>
        <source>rerolled</source>
        <extracomment>After a die&apos;s value in the list: the die was thrown again and this value does not count.</extracomment>
        <translation>repetido</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>After a die&apos;s value in the list: the die meets the roll&apos;s target and counts as one.</extracomment>
        <translation>éxito</translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>After a die&apos;s value in the list: the die counts as a failure and takes one away.</extracomment>
        <translation>fallo</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of rolls, %1 being a number such as 42.13.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 or more: %2</source>
        <extracomment>The share of rolls that reach the rolled total, such as &quot;15 or more: 42.13 %&quot;.</extracomment>
        <translation>%1 o más: %2</translation>
    </message>
    <message>
        <source>%1 or less: %2</source>
        <extracomment>The share of rolls that stay at the rolled total, such as &quot;15 or less: 65.33 %&quot;.</extracomment>
        <translation>%1 o menos: %2</translation>
    </message>
    <message>
        <source>average %1</source>
        <extracomment>The roll&apos;s mean total, such as &quot;average 12.24&quot;.</extracomment>
        <translation>media %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>The least and the most total the roll can show, such as &quot;3 to 18&quot;.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>approximate</source>
        <extracomment>Said of odds taken from a normal curve, when the exact ones would take too long.</extracomment>
        <translation>aproximado</translation>
    </message>
    <message>
        <source>no result: %1</source>
        <extracomment>The share of rolls that end in an error, such as a division by zero.</extracomment>
        <translation>sin resultado: %1</translation>
    </message>
    <message>
        <source>%1 and up</source>
        <extracomment>The least total of a roll whose dice explode and so has no most, such as &quot;3 and up&quot;.</extracomment>
        <translation>%1 o más</translation>
    </message>
    <message>
        <source>too many dice: %1</source>
        <extracomment>The share of rolls that would throw more dice than one roll may, and so end without a total, such as &quot;too many dice: 0.02 %&quot;.</extracomment>
        <translation>demasiados dados: %1</translation>
    </message>
    <message>
        <source>Type dice notation such as 3d6, d20+5 or 4d6dl1, then press Enter.</source>
        <translation>Escriba una notación de dados como 3d6, d20+5 o 4d6dl1 y pulse Intro.</translation>
    </message>
    <message>
        <source>Dice notation may be at most %1 characters long.</source>
        <translation>La notación de dados puede tener como mucho %1 caracteres.</translation>
    </message>
    <message>
        <source>Column %1: a number, a die such as d6, or ( should come here.</source>
        <extracomment>%1 is a column, counted in characters from the start of the box.</extracomment>
        <translation>Columna %1: aquí debería ir un número, un dado como d6 o (.</translation>
    </message>
    <message>
        <source>Column %1: a number of sides should follow d.</source>
        <translation>Columna %1: tras la d debería ir un número de caras.</translation>
    </message>
    <message>
        <source>Column %1: an operator such as + should come here.</source>
        <translation>Columna %1: aquí debería ir un operador como +.</translation>
    </message>
    <message>
        <source>Column %1: a ) should close the parentheses.</source>
        <translation>Columna %1: falta una ) que cierre el paréntesis.</translation>
    </message>
    <message>
        <source>Column %1: this ) has no ( before it.</source>
        <translation>Columna %1: esta ) no tiene ( antes.</translation>
    </message>
    <message>
        <source>Column %1: a number should follow the comparison.</source>
        <translation>Columna %1: tras la comparación debería ir un número.</translation>
    </message>
    <message>
        <source>Column %1: h or l should follow the d that drops dice.</source>
        <extracomment>dh drops the highest dice, dl the lowest; keep the letters as they are.</extracomment>
        <translation>Columna %1: tras la d que descarta dados debería ir h o l.</translation>
    </message>
    <message>
        <source>Column %1: these dice already have this modifier.</source>
        <translation>Columna %1: estos dados ya tienen este modificador.</translation>
    </message>
    <message>
        <source>Column %1: f counts failures only beside a success target such as &gt;=8.</source>
        <extracomment>f counts failures, &gt;=8 is a success target; keep both as they are.</extracomment>
        <translation>Columna %1: f cuenta fallos solo junto a un objetivo de éxito como &gt;=8.</translation>
    </message>
    <message>
        <source>Column %1: this number is too large.</source>
        <translation>Columna %1: este número es demasiado grande.</translation>
    </message>
    <message>
        <source>Column %1: a roll may throw at most %2 dice.</source>
        <translation>Columna %1: una tirada puede lanzar como mucho %2 dados.</translation>
    </message>
    <message>
        <source>Column %1: a die has from 1 to %2 sides.</source>
        <translation>Columna %1: un dado tiene de 1 a %2 caras.</translation>
    </message>
    <message>
        <source>Column %1: every face meets this, so the dice would never stop.</source>
        <translation>Columna %1: todas las caras cumplen esto, los dados nunca pararían.</translation>
    </message>
    <message>
        <source>Column %1: division by zero.</source>
        <translation>Columna %1: división por cero.</translation>
    </message>
    <message>
        <source>Column %1: the result is too large to work out exactly.</source>
        <translation>Columna %1: el resultado es demasiado grande para calcularlo con exactitud.</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>The result frame&apos;s caption after a roll: %1 is the roll, such as 3d6.</extracomment>
        <translation>Resultado: %1</translation>
    </message>
</context>
<context>
    <name>kelvane::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>Caption of this dialog; %1 is the program&apos;s name, Kelvane.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
</TS>
