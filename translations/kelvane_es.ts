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
        <extracomment>Button: roll the M dice of N sides now (a verb, as at the table).</extracomment>
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
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
</TS>
