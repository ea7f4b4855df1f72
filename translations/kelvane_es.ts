<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>LogExport</name>
    <message>
        <source>Time</source>
        <extracomment>Export&apos;s column headers: when, who, the label, the notation, the dice, the total, what the roll meant in its game system or its bands, the standing in percent (0 is the bottom, 100 the top), and whether the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personaje</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Notation</source>
        <translation>Notación</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Standing %</source>
        <translation>Posición %</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Compartido</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Desenlace</translation>
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
        <translation>1 tirada</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls</source>
        <extracomment>The luck line&apos;s count of rolls, for any number but one (0, 2, 57, 1000000).</extracomment>
        <translation>
            <numerusform>%n tirada</numerusform>
            <numerusform>%n tiradas</numerusform>
        </translation>
    </message>
    <message>
        <source>average standing %1</source>
        <extracomment>The mean of the rolls&apos; standings, such as &quot;average standing 41 %&quot;.</extracomment>
        <translation>posición media %1</translation>
    </message>
    <message>
        <source>fair dice roll this high or higher %1 of the time</source>
        <translation>unos dados justos sacan esto o más el %1 de las veces</translation>
    </message>
    <message>
        <source>fair dice roll this low or lower %1 of the time</source>
        <translation>unos dados justos sacan esto o menos el %1 de las veces</translation>
    </message>
    <message>
        <source>%1 without odds left out</source>
        <extracomment>Rolls whose odds were never worked out, and so are not weighed: %1 is a number of rolls, such as &quot;3 rolls&quot;.</extracomment>
        <translation>%1 sin probabilidades no contadas</translation>
    </message>
</context>
<context>
    <name>QtMessageDisplay</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>RollBookFile</name>
    <message>
        <source>The file is larger than 10 MB.</source>
        <translation>El archivo supera los 10 MB.</translation>
    </message>
    <message>
        <source>The file is not JSON: line %1, column %2: %3.</source>
        <extracomment>%1 and %2 are numbers; %3 is Qt&apos;s own description of the error.</extracomment>
        <translation>El archivo no es JSON: línea %1, columna %2: %3.</translation>
    </message>
    <message>
        <source>The file is not a Kelvane roll book.</source>
        <translation>El archivo no es un libro de tiradas de Kelvane.</translation>
    </message>
    <message>
        <source>The file&apos;s version %1 is not one Kelvane reads (it reads version %2).</source>
        <extracomment>%1 is the version the file names; %2 the one this program reads.</extracomment>
        <translation>Kelvane no lee la versión %1 del archivo (lee la versión %2).</translation>
    </message>
    <message>
        <source>A character in the file has no name.</source>
        <translation>Un personaje del archivo no tiene nombre.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rolls for %2.</source>
        <extracomment>%1 is the most rolls a character may hold; %2 the character&apos;s name.</extracomment>
        <translation>El archivo contiene más de %1 tiradas para %2.</translation>
    </message>
    <message>
        <source>The roll &quot;%1&quot; of %2 cannot be read. %3</source>
        <extracomment>%1 is the roll&apos;s notation, %2 its character, %3 why it cannot be read.</extracomment>
        <translation>La tirada «%1» de %2 no se puede leer. %3</translation>
    </message>
    <message>
        <source>The roll book could not be written to %1: %2</source>
        <extracomment>%1 is the file&apos;s name; %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo escribir el libro de tiradas en %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file&apos;s name; %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo leer %1: %2</translation>
    </message>
</context>
<context>
    <name>RollBookPanel</name>
    <message>
        <source>&amp;Character</source>
        <extracomment>Label of the choice of character (a player&apos;s or a monster&apos;s) whose saved rolls the book shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Personaje</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personaje</translation>
    </message>
    <message>
        <source>The character whose saved rolls the book shows</source>
        <translation>El personaje cuyas tiradas guardadas muestra el libro</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <extracomment>Button: add a new character to the roll book.</extracomment>
        <translation>Nue&amp;vo</translation>
    </message>
    <message>
        <source>Add a character to the roll book</source>
        <translation>Añadir un personaje al libro de tiradas</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <extracomment>Button: rename the chosen character.</extracomment>
        <translation>Ren&amp;ombrar</translation>
    </message>
    <message>
        <source>Rename the character</source>
        <translation>Renombrar el personaje</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Button: delete the chosen character with its saved rolls.</extracomment>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete the character and its saved rolls</source>
        <translation>Eliminar el personaje y sus tiradas guardadas</translation>
    </message>
    <message>
        <source>Roll &amp;book</source>
        <extracomment>Label of the list of the character&apos;s saved, named rolls.</extracomment>
        <translation>&amp;Libro de tiradas</translation>
    </message>
    <message>
        <source>Roll book</source>
        <translation>Libro de tiradas</translation>
    </message>
    <message>
        <source>Click, Enter or Space rolls; F2 renames; Alt+Up and Alt+Down move; Delete removes; Ctrl+Z brings back</source>
        <extracomment>Keys: keep the key names as the keyboard shows them in your language.</extracomment>
        <translation>Clic, Intro o Espacio tira; F2 renombra; Alt+Arriba y Alt+Abajo mueven; Supr quita; Ctrl+Z recupera</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Button: keep the notation box&apos;s text in the roll book.</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Keep the notation in the book, named by its # label</source>
        <translation>Guardar la notación en el libro, con el nombre de su etiqueta #</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <extracomment>Button: read characters and rolls from a roll book file.</extracomment>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Add the characters and rolls of a roll book file</source>
        <translation>Añadir los personajes y tiradas de un archivo de libro de tiradas</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <extracomment>Button: write the whole roll book to a file.</extracomment>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Write the whole roll book to a file</source>
        <translation>Escribir todo el libro de tiradas en un archivo</translation>
    </message>
</context>
<context>
    <name>RollLogWindow</name>
    <message>
        <source>Roll log</source>
        <extracomment>Title of the window that lists every roll kept across sessions.</extracomment>
        <translation>Registro de tiradas</translation>
    </message>
    <message>
        <source>C&amp;haracter</source>
        <extracomment>Label of the choice of whose rolls the log shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Personaje</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personaje</translation>
    </message>
    <message>
        <source>&amp;Period</source>
        <extracomment>Label of the choice of the time span the log shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>Perío&amp;do</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <extracomment>Label of the box that finds rolls by label or notation. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Shows the rolls whose label or notation holds this text</source>
        <translation>Muestra las tiradas cuya etiqueta o notación contiene este texto</translation>
    </message>
    <message>
        <source>Roll &amp;again</source>
        <extracomment>Button: roll the selected row&apos;s notation again in the main window (Ctrl+R).</extracomment>
        <translation>&amp;Repetir tirada</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button: copy the selected rows&apos; lines to the clipboard (Ctrl+C).</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <extracomment>Button: remove the selected rows from the log, after asking.</extracomment>
        <translation>&amp;Eliminar…</translation>
    </message>
    <message>
        <source>C&amp;lear log…</source>
        <extracomment>Button: remove every row from the log, after asking.</extracomment>
        <translation>&amp;Vaciar registro…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <extracomment>Button: save the rows shown as CSV or Markdown, through a save dialog.</extracomment>
        <translation>E&amp;xportar…</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Table</source>
        <extracomment>Title of the dialog that sets up sharing rolls with the group&apos;s Discord channel.</extracomment>
        <translation>Mesa</translation>
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
        <translation>La URL del webhook, en los ajustes del canal de Discord, en Integraciones. Quien la tenga puede publicar en el canal, por eso queda oculta.</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <extracomment>The name the rolls are posted under in the channel.</extracomment>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Share every roll</source>
        <extracomment>Check box: post each roll to the channel.</extracomment>
        <translation>Compartir cada &amp;tirada</translation>
    </message>
    <message>
        <source>Send a &amp;test message</source>
        <extracomment>Button: post one message to the channel to see that the webhook works.</extracomment>
        <translation>Enviar un mensaje de &amp;prueba</translation>
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
    <message>
        <source>&amp;Table…</source>
        <extracomment>Button: opens the dialog that shares rolls with the group&apos;s Discord channel (the table). The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Mesa…</translation>
    </message>
    <message>
        <source>Share rolls with the group&apos;s Discord channel</source>
        <translation>Compartir las tiradas con el canal de Discord del grupo</translation>
    </message>
    <message>
        <source>&amp;Log…</source>
        <extracomment>Button: open the Roll log window, every roll kept across sessions. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Registro…</translation>
    </message>
    <message>
        <source>Every roll kept across sessions, with the night&apos;s luck</source>
        <translation>Cada tirada guardada entre sesiones, con la suerte de la noche</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Screen readers&apos; name of the label that shows what the last roll means in the player&apos;s game system, such as Partial.</extracomment>
        <translation>Desenlace</translation>
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
    <name>kelvane::LuckChart</name>
    <message>
        <source>Standings</source>
        <extracomment>Accessible name of the roll log&apos;s drawing of standings.</extracomment>
        <translation>Posiciones</translation>
    </message>
    <message>
        <source>Rolls by standing, bottom tenth to top tenth: %1</source>
        <extracomment>Read by screen readers: how many rolls stood in each tenth, from the lowest tenth to the highest. %1 is the list of ten numbers.</extracomment>
        <translation>Tiradas por posición, de la décima más baja a la más alta: %1</translation>
    </message>
    <message>
        <source>bottom</source>
        <extracomment>Below the drawing of standings: its left end, the bottom of the range.</extracomment>
        <translation>abajo</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>Below the drawing of standings: its right end, the top of the range.</extracomment>
        <translation>arriba</translation>
    </message>
</context>
<context>
    <name>kelvane::OutcomeChart</name>
    <message>
        <source>Outcomes</source>
        <extracomment>Accessible name of the bar chart of the chances of each outcome of the last roll.</extracomment>
        <translation>Desenlaces</translation>
    </message>
</context>
<context>
    <name>kelvane::OutcomeNames</name>
    <message>
        <source>%1, 1 raise</source>
        <extracomment>A Savage Worlds raise with exactly one raise.</extracomment>
        <translation>%1, 1 aumento</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n raises</source>
        <extracomment>A Savage Worlds raise with how many raises, any number but one, such as &quot;Raise, 2 raises&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n aumento</numerusform>
            <numerusform>%1, %n aumentos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, 1 hit</source>
        <extracomment>A Shadowrun outcome with exactly one hit, such as &quot;Glitch, 1 hit&quot;.</extracomment>
        <translation>%1, 1 éxito</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n hits</source>
        <extracomment>A Shadowrun outcome with its hits, any number but one, such as &quot;Success, 3 hits&quot; or &quot;Failure, 0 hits&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n éxito</numerusform>
            <numerusform>%1, %n éxitos</numerusform>
        </translation>
    </message>
    <message>
        <source>Strong hit</source>
        <translation>Éxito total</translation>
    </message>
    <message>
        <source>Weak hit</source>
        <translation>Éxito parcial</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Crítico</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Éxito parcial</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Fracaso</translation>
    </message>
    <message>
        <source>Critical failure</source>
        <translation>Fallo crítico</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Aumento</translation>
    </message>
    <message>
        <source>Fumble</source>
        <translation>Pifia</translation>
    </message>
    <message>
        <source>Extreme success</source>
        <translation>Éxito extremo</translation>
    </message>
    <message>
        <source>Hard success</source>
        <translation>Éxito difícil</translation>
    </message>
    <message>
        <source>Regular success</source>
        <translation>Éxito normal</translation>
    </message>
    <message>
        <source>Exceptional success</source>
        <translation>Éxito excepcional</translation>
    </message>
    <message>
        <source>Dramatic failure</source>
        <translation>Fracaso dramático</translation>
    </message>
    <message>
        <source>Glitch</source>
        <translation>Pifia</translation>
    </message>
    <message>
        <source>Critical glitch</source>
        <translation>Pifia crítica</translation>
    </message>
    <message>
        <source>Legendary</source>
        <translation>Legendario</translation>
    </message>
    <message>
        <source>Epic</source>
        <translation>Épico</translation>
    </message>
    <message>
        <source>Fantastic</source>
        <translation>Fantástico</translation>
    </message>
    <message>
        <source>Superb</source>
        <translation>Magnífico</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bueno</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Mediocre</source>
        <translation>Mediocre</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Malo</translation>
    </message>
    <message>
        <source>Terrible</source>
        <translation>Terrible</translation>
    </message>
    <message>
        <source>Critical hit</source>
        <translation>Golpe crítico</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Impacto</translation>
    </message>
</context>
<context>
    <name>kelvane::RollBookPanel</name>
    <message>
        <source>Player</source>
        <extracomment>The one character of a new roll book.</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>New character</source>
        <translation>Nuevo personaje</translation>
    </message>
    <message>
        <source>Name of the new character:</source>
        <translation>Nombre del nuevo personaje:</translation>
    </message>
    <message>
        <source>The book already has a character named %1.</source>
        <translation>El libro ya tiene un personaje llamado %1.</translation>
    </message>
    <message>
        <source>Rename character</source>
        <translation>Renombrar personaje</translation>
    </message>
    <message>
        <source>New name of the character:</source>
        <translation>Nuevo nombre del personaje:</translation>
    </message>
    <message>
        <source>Delete character</source>
        <translation>Eliminar personaje</translation>
    </message>
    <message>
        <source>roll-book</source>
        <extracomment>The file name offered for an exported roll book; keep it short, without blanks.</extracomment>
        <translation>libro-de-tiradas</translation>
    </message>
    <message>
        <source>Export the roll book</source>
        <translation>Exportar el libro de tiradas</translation>
    </message>
    <message>
        <source>Roll books (*.json)</source>
        <translation>Libros de tiradas (*.json)</translation>
    </message>
    <message>
        <source>The roll book was written to %1.</source>
        <translation>El libro de tiradas se escribió en %1.</translation>
    </message>
    <message>
        <source>Import a roll book</source>
        <translation>Importar un libro de tiradas</translation>
    </message>
    <message>
        <source>Imported: %1 new characters, %2 new rolls; %3 rolls were already in the book.</source>
        <extracomment>%1, %2 and %3 are numbers of characters and rolls.</extracomment>
        <translation>Importado: %1 personajes nuevos, %2 tiradas nuevas; %3 tiradas ya estaban en el libro.</translation>
    </message>
    <message>
        <source>The roll book was damaged; it was copied to %1 and a new book started.</source>
        <extracomment>%1 is the full name of the damaged file, kept for recovery.</extracomment>
        <translation>El libro de tiradas estaba dañado; se copió a %1 y se empezó un libro nuevo.</translation>
    </message>
    <message>
        <source>The book cannot be saved: the disk is full. Rolling goes on.</source>
        <translation>El libro no se puede guardar: el disco está lleno. Se sigue tirando.</translation>
    </message>
    <message>
        <source>The book cannot be saved: a newer Kelvane wrote it. Rolling goes on.</source>
        <translation>El libro no se puede guardar: lo escribió un Kelvane más reciente. Se sigue tirando.</translation>
    </message>
    <message>
        <source>The book cannot be saved: its folder cannot be written. Rolling goes on.</source>
        <translation>El libro no se puede guardar: su carpeta es de solo lectura. Se sigue tirando.</translation>
    </message>
    <message>
        <source>The book cannot be saved: the disk reports an error. Rolling goes on.</source>
        <translation>El libro no se puede guardar: el disco informa de un error. Se sigue tirando.</translation>
    </message>
    <message>
        <source>Delete %1 together with its saved rolls (%2)?</source>
        <extracomment>%1 is the character&apos;s name; %2 the number of its saved rolls.</extracomment>
        <translation>¿Eliminar %1 junto con sus tiradas guardadas (%2)?</translation>
    </message>
    <message>
        <source>%1 is already in the roll book.</source>
        <extracomment>%1 is the saved roll&apos;s name, such as Longsword.</extracomment>
        <translation>%1 ya está en el libro de tiradas.</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogModel</name>
    <message>
        <source>top %1 %</source>
        <extracomment>A rolled total&apos;s standing among the totals its roll can show: only 12 % of rolls go higher. %1 is the number.</extracomment>
        <translation>%1 % superior</translation>
    </message>
    <message>
        <source>bottom %1 %</source>
        <extracomment>Only 30 % of rolls go lower. %1 is the number.</extracomment>
        <translation>%1 % inferior</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column of the roll log: when the roll was made.</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>Column of the roll log: the roll book&apos;s character who rolled.</extracomment>
        <translation>Personaje</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Column of the roll log: the roll&apos;s label, or its dice notation.</extracomment>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Dice</source>
        <extracomment>Column of the roll log: each die&apos;s value, as on the clipboard.</extracomment>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column of the roll log: the roll&apos;s total.</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Standing</source>
        <extracomment>Column of the roll log: how the total stands among the totals the roll can show.</extracomment>
        <translation>Posición</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>The roll log&apos;s Shared column: the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>sí</translation>
    </message>
    <message>
        <source>waiting</source>
        <extracomment>The roll log&apos;s Shared column: the roll waits in the outbox to be posted.</extracomment>
        <translation>en espera</translation>
    </message>
    <message>
        <source>Shared</source>
        <extracomment>Column of the roll log: whether the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>Compartido</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Column of the roll log: what the roll meant in its game system or its bands, such as &quot;Partial&quot; or &quot;Strong hit&quot;.</extracomment>
        <translation>Desenlace</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogWindow</name>
    <message>
        <source>This session</source>
        <extracomment>Period of the roll log: the rolls since Kelvane started.</extracomment>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Period of the roll log: the rolls since midnight.</extracomment>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <extracomment>Period of the roll log: today and the six days before it.</extracomment>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Period of the roll log: every roll kept.</extracomment>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Everyone</source>
        <extracomment>Character filter of the roll log: rolls of every character.</extracomment>
        <translation>Todos</translation>
    </message>
    <message>
        <source>No character</source>
        <extracomment>Character filter: rolls made with no character chosen.</extracomment>
        <translation>Sin personaje</translation>
    </message>
    <message>
        <source>Remove every roll from the log? The roll book stays as it is.</source>
        <extracomment>Asked before the whole roll log is emptied; the roll book keeps its saved rolls.</extracomment>
        <translation>¿Quitar todas las tiradas del registro? El libro de tiradas queda como está.</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <extracomment>File type in the export&apos;s save dialog.</extracomment>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>Markdown table (*.md)</source>
        <extracomment>File type in the export&apos;s save dialog.</extracomment>
        <translation>Tabla Markdown (*.md)</translation>
    </message>
    <message>
        <source>Export the roll log</source>
        <extracomment>Title of the export&apos;s save dialog.</extracomment>
        <translation>Exportar el registro de tiradas</translation>
    </message>
    <message>
        <source>roll-log</source>
        <translation>registro-de-tiradas</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <extracomment>The export could not be written; %1 is the file&apos;s name.</extracomment>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Remove this roll from the log?</source>
        <extracomment>Asked before a row leaves the roll log; the roll book keeps its saved rolls.</extracomment>
        <translation>¿Quitar esta tirada del registro?</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n rolls from the log?</source>
        <translation>
            <numerusform>¿Quitar %n tirada del registro?</numerusform>
            <numerusform>¿Quitar %n tiradas del registro?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogger</name>
    <message>
        <source>Rolls are not being kept: the roll log cannot be written.</source>
        <extracomment>In the main window&apos;s band when the roll log&apos;s file cannot be written.</extracomment>
        <translation>Las tiradas no se guardan: no se puede escribir el registro.</translation>
    </message>
</context>
<context>
    <name>kelvane::TableDialog</name>
    <message>
        <source>Sending…</source>
        <extracomment>While the test message is on its way.</extracomment>
        <translation>Enviando…</translation>
    </message>
</context>
<context>
    <name>kelvane::TableSharing</name>
    <message>
        <source>The table&apos;s settings cannot be saved</source>
        <translation>No se pueden guardar los ajustes de la mesa</translation>
    </message>
    <message>
        <source>Paste the webhook URL from the channel&apos;s settings, under Integrations.</source>
        <extracomment>The Table dialog, when no webhook URL is pasted yet.</extracomment>
        <translation>Pegue la URL del webhook de los ajustes del canal, en Integraciones.</translation>
    </message>
    <message>
        <source>The webhook URL must start with https://.</source>
        <translation>La URL del webhook debe empezar por https://.</translation>
    </message>
    <message>
        <source>The webhook URL must be on discord.com.</source>
        <translation>La URL del webhook debe estar en discord.com.</translation>
    </message>
    <message>
        <source>This is not a webhook URL: it looks like https://discord.com/api/webhooks/&lt;number&gt;/&lt;token&gt;.</source>
        <extracomment>Keep the example address as it is.</extracomment>
        <translation>Esto no es una URL de webhook: tiene la forma https://discord.com/api/webhooks/&lt;número&gt;/&lt;token&gt;.</translation>
    </message>
    <message>
        <source>Discord takes names of at most 80 characters.</source>
        <translation>Discord acepta nombres de 80 caracteres como máximo.</translation>
    </message>
    <message>
        <source>Discord refuses names that contain &quot;discord&quot; or &quot;clyde&quot;.</source>
        <extracomment>Keep &quot;discord&quot; and &quot;clyde&quot; as they are: Discord refuses names that hold them.</extracomment>
        <translation>Discord rechaza los nombres que contienen «discord» o «clyde».</translation>
    </message>
    <message>
        <source>Discord refused a roll: %1</source>
        <extracomment>A roll Discord would not take; %1 is Discord&apos;s own reason, in English.</extracomment>
        <translation>Discord rechazó una tirada: %1</translation>
    </message>
    <message>
        <source>Discord refuses the name to post under: %1</source>
        <extracomment>%1 is Discord&apos;s own reason, in English.</extracomment>
        <translation>Discord rechaza el nombre de publicación: %1</translation>
    </message>
    <message>
        <source>The table&apos;s webhook is gone: paste a new one</source>
        <translation>El webhook de la mesa ya no existe: pegue uno nuevo</translation>
    </message>
    <message>
        <source>Not shared: the table&apos;s server could not prove it is Discord</source>
        <translation>No compartido: el servidor no pudo demostrar que es Discord</translation>
    </message>
    <message>
        <source>Not shared: the table&apos;s server answered %1</source>
        <extracomment>%1 is the HTTP status and Discord&apos;s own words, such as &quot;HTTP 403: Missing Access&quot;.</extracomment>
        <translation>No compartido: el servidor respondió %1</translation>
    </message>
    <message>
        <source>Not shared: KELVANE_DISCORD_API_BASE is not an https:// address</source>
        <translation>No compartido: KELVANE_DISCORD_API_BASE no es una dirección https://</translation>
    </message>
    <message>
        <source>Not shared: rolls cannot be kept in the database</source>
        <translation>No compartido: las tiradas no se pueden guardar en la base de datos</translation>
    </message>
    <message>
        <source>Shared</source>
        <extracomment>The band&apos;s status line once every roll has reached the channel.</extracomment>
        <translation>Compartido</translation>
    </message>
    <message>
        <source>Sharing rolls with the table</source>
        <translation>Compartiendo tiradas con la mesa</translation>
    </message>
    <message>
        <source>Kelvane will share rolls here.</source>
        <extracomment>Posted to the channel by &quot;Send a test message&quot;.</extracomment>
        <translation>Kelvane compartirá las tiradas aquí.</translation>
    </message>
    <message>
        <source>The test message was posted.</source>
        <translation>El mensaje de prueba se publicó.</translation>
    </message>
    <message>
        <source>Discord did not answer; try again later.</source>
        <translation>Discord no respondió; inténtelo más tarde.</translation>
    </message>
    <message>
        <source>Discord refused the message: %1</source>
        <translation>Discord rechazó el mensaje: %1</translation>
    </message>
    <message>
        <source>1 roll waiting to be shared</source>
        <extracomment>The band&apos;s status line while rolls wait in the outbox.</extracomment>
        <translation>1 tirada pendiente de compartir</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls waiting to be shared</source>
        <extracomment>The band&apos;s status line while rolls wait in the outbox; %n is 2 or more.</extracomment>
        <translation>
            <numerusform>%n tirada pendiente de compartir</numerusform>
            <numerusform>%n tiradas pendientes de compartir</numerusform>
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
        <source>Column %1: a band such as 10+ Strong hit should come here.</source>
        <extracomment>A band is a range of results and its name; keep 10+ as it is.</extracomment>
        <translation>Columna %1: aquí debería ir una franja como 10+ Éxito total.</translation>
    </message>
    <message>
        <source>Column %1: a range is N, N-M, N+ or N-, such as 7-9.</source>
        <extracomment>N and M stand for numbers; keep the signs as they are.</extracomment>
        <translation>Columna %1: un rango se escribe N, N-M, N+ o N-, por ejemplo 7-9.</translation>
    </message>
    <message>
        <source>Column %1: a name should follow the range.</source>
        <translation>Columna %1: un nombre debería seguir al rango.</translation>
    </message>
    <message>
        <source>Column %1: a band&apos;s name may be at most %2 characters long.</source>
        <translation>Columna %1: el nombre de una franja puede tener como mucho %2 caracteres.</translation>
    </message>
    <message>
        <source>Column %1: a roll may have at most %2 bands.</source>
        <translation>Columna %1: una tirada puede tener como mucho %2 franjas.</translation>
    </message>
    <message>
        <source>Column %1: write pbta+M, with M from -3 to +4.</source>
        <extracomment>pbta is typed as it is; M stands for the modifier.</extracomment>
        <translation>Columna %1: escriba pbta+M, con M de -3 a +4.</translation>
    </message>
    <message>
        <source>Column %1: write bitd N, with N from 0 to 10 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Columna %1: escriba bitd N, con N de 0 a 10 dados.</translation>
    </message>
    <message>
        <source>Column %1: write sw dX+M tnT, with X 4, 6, 8, 10 or 12, M from -10 to +10 and T from 1 to 20; +M and tnT may be left out.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Columna %1: escriba sw dX+M tnT, con X 4, 6, 8, 10 o 12, M de -10 a +10 y T de 1 a 20; +M y tnT pueden omitirse.</translation>
    </message>
    <message>
        <source>Column %1: write coc S, with S from 1 to 100, then b1 or b2 for bonus dice or p1 or p2 for penalty dice if needed.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Columna %1: escriba coc S, con S de 1 a 100, y si hace falta b1 o b2 para dados de bonificación o p1 o p2 para dados de penalización.</translation>
    </message>
    <message>
        <source>Column %1: write cod N, with N from 0 to 30 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Columna %1: escriba cod N, con N de 0 a 30 dados.</translation>
    </message>
    <message>
        <source>Column %1: write sr N, with N from 1 to 50 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Columna %1: escriba sr N, con N de 1 a 50 dados.</translation>
    </message>
    <message>
        <source>Column %1: write fate+M, with M from -5 to +8.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Columna %1: escriba fate+M, con M de -5 a +8.</translation>
    </message>
    <message>
        <source>Column %1: write dnd+M dcD for a check or dnd+M acA for an attack, with M from -5 to +15 and D or A from 1 to 40, then adv or dis if needed.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Columna %1: escriba dnd+M dcD para una prueba o dnd+M acA para un ataque, con M de -5 a +15 y D o A de 1 a 40, y si hace falta adv o dis.</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>The result frame&apos;s caption after a roll: %1 is the roll, such as 3d6.</extracomment>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>The roll book&apos;s file was damaged; it was copied to %1, and the book was carried over to a new file.</source>
        <extracomment>%1 is the full name of the damaged file, kept for recovery.</extracomment>
        <translation>El archivo del libro de tiradas estaba dañado; se copió a %1 y el libro se pasó a un archivo nuevo.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>Spoken after a roll with an outcome: the roll, its total and what it means, such as &quot;bitd 3: 5, Partial&quot;.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Column %1: a } should close the group.</source>
        <translation>Columna %1: falta una } que cierre el grupo.</translation>
    </message>
    <message>
        <source>Column %1: this } has no { before it.</source>
        <translation>Columna %1: esta } no tiene una { antes.</translation>
    </message>
    <message>
        <source>Column %1: a group cannot hold another group.</source>
        <translation>Columna %1: un grupo no puede contener otro grupo.</translation>
    </message>
    <message>
        <source>Column %1: only keep, drop or a target such as kh1 or &gt;=10 may follow a group.</source>
        <extracomment>Keep the examples as they are: they are what the player types.</extracomment>
        <translation>Columna %1: tras un grupo solo pueden ir conservar, descartar o un objetivo como kh1 o &gt;=10.</translation>
    </message>
    <message>
        <source>Column %1: a group of one roll adds dice only, such as {4d6+2d8}.</source>
        <extracomment>Keep the example as it is: it is what the player types.</extracomment>
        <translation>Columna %1: un grupo de una sola tirada solo suma dados, como {4d6+2d8}.</translation>
    </message>
    <message>
        <source>Column %1: in a group of one roll, keep, drop and targets go after the }.</source>
        <translation>Columna %1: en un grupo de una sola tirada, conservar, descartar y los objetivos van tras la }.</translation>
    </message>
    <message>
        <source>no outcome: %1</source>
        <extracomment>The share of rolls whose result falls in none of the roll&apos;s bands.</extracomment>
        <translation>sin desenlace: %1</translation>
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
