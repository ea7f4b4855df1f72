<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>LogExport</name>
    <message>
        <source>Time</source>
        <extracomment>Export&apos;s column headers: when, who, the label, the notation, the dice, the total, and the standing in percent (0 is the bottom, 100 the top).</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personagem</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Rótulo</translation>
    </message>
    <message>
        <source>Notation</source>
        <translation>Notação</translation>
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
        <translation>Posição %</translation>
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
        <translation>1 rolagem</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls</source>
        <extracomment>The luck line&apos;s count of rolls, for any number but one (0, 2, 57, 1000000).</extracomment>
        <translation>
            <numerusform>%n rolagem</numerusform>
            <numerusform>%n rolagens</numerusform>
        </translation>
    </message>
    <message>
        <source>average standing %1</source>
        <extracomment>The mean of the rolls&apos; standings, such as &quot;average standing 41 %&quot;.</extracomment>
        <translation>posição média %1</translation>
    </message>
    <message>
        <source>fair dice roll this high or higher %1 of the time</source>
        <translation>dados honestos tiram isso ou mais em %1 das vezes</translation>
    </message>
    <message>
        <source>fair dice roll this low or lower %1 of the time</source>
        <translation>dados honestos tiram isso ou menos em %1 das vezes</translation>
    </message>
    <message>
        <source>%1 without odds left out</source>
        <extracomment>Rolls whose odds were never worked out, and so are not weighed: %1 is a number of rolls, such as &quot;3 rolls&quot;.</extracomment>
        <translation>%1 sem probabilidades fora da conta</translation>
    </message>
</context>
<context>
    <name>QtMessageDisplay</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
<context>
    <name>UntrappedErrorHandler</name>
    <message>
        <source>Overflow</source>
        <translation>Estouro de capacidade</translation>
    </message>
    <message>
        <source>The number of dice and the number of sides must each lie between -32768 and 32767.</source>
        <translation>A quantidade de dados e o número de lados devem estar, cada um, entre -32768 e 32767.</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Valor inválido</translation>
    </message>
    <message>
        <source>Kelvane could not use a value this command needs. Check the boxes and try again.</source>
        <translation>O Kelvane não conseguiu usar um valor de que este comando precisa. Confira as caixas e tente de novo.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>A program or file this command needs could not be found.</source>
        <translation>Não foi encontrado um programa ou arquivo de que este comando precisa.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>There was not enough memory to finish this command. Roll fewer dice or close other programs, then try again.</source>
        <translation>Não havia memória suficiente para concluir este comando. Role menos dados ou feche outros programas e tente de novo.</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Algo deu errado</translation>
    </message>
    <message>
        <source>Kelvane could not finish this command. You can go on using it; if this happens again, restart Kelvane.</source>
        <translation>O Kelvane não conseguiu concluir este comando. Você pode continuar usando; se isso acontecer de novo, reinicie o Kelvane.</translation>
    </message>
</context>
<context>
    <name>formKelvane</name>
    <message>
        <source>Roll a four sided die</source>
        <translation>Rolar um dado de quatro lados</translation>
    </message>
    <message>
        <source>Number of d4 dice</source>
        <translation>Quantidade de d4</translation>
    </message>
    <message>
        <source>Number of dice to roll</source>
        <translation>Quantidade de dados a rolar</translation>
    </message>
    <message>
        <source>Roll a six sided die</source>
        <translation>Rolar um dado de seis lados</translation>
    </message>
    <message>
        <source>Number of d6 dice</source>
        <translation>Quantidade de d6</translation>
    </message>
    <message>
        <source>Roll an eight sided die</source>
        <translation>Rolar um dado de oito lados</translation>
    </message>
    <message>
        <source>Number of d8 dice</source>
        <translation>Quantidade de d8</translation>
    </message>
    <message>
        <source>Roll a ten sided die</source>
        <translation>Rolar um dado de dez lados</translation>
    </message>
    <message>
        <source>Number of d10 dice</source>
        <translation>Quantidade de d10</translation>
    </message>
    <message>
        <source>Roll a twelve sided die</source>
        <translation>Rolar um dado de doze lados</translation>
    </message>
    <message>
        <source>Number of d12 dice</source>
        <translation>Quantidade de d12</translation>
    </message>
    <message>
        <source>Roll a twenty sided die</source>
        <translation>Rolar um dado de vinte lados</translation>
    </message>
    <message>
        <source>Number of d20 dice</source>
        <translation>Quantidade de d20</translation>
    </message>
    <message>
        <source>Roll a one hundred sided die</source>
        <translation>Rolar um dado de cem lados</translation>
    </message>
    <message>
        <source>Number of d100 dice</source>
        <translation>Quantidade de d100</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Frame around the total. After a roll it reads this word, &quot;: &quot; and the roll, such as &quot;Result: 3d6&quot;.</extracomment>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Soma</translation>
    </message>
    <message>
        <source>Generic</source>
        <extracomment>Frame around the roller of any number (M) of dice with any number of sides (N).</extracomment>
        <translation>Rolagem livre</translation>
    </message>
    <message>
        <source>Number of dice (M)</source>
        <translation>Quantidade de dados (M)</translation>
    </message>
    <message>
        <source>Number of sides (N)</source>
        <translation>Número de lados (N)</translation>
    </message>
    <message>
        <source>Number of sides to the die</source>
        <translation>Número de lados do dado</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Button: roll the M dice of N sides now (a verb, as at the table).
----------
Button: roll the dice notation in the box now (a verb, as at the table).</extracomment>
        <translation>Rolar</translation>
    </message>
    <message>
        <source>Roll the MdN dice</source>
        <translation>Rolar os dados MdN</translation>
    </message>
    <message>
        <source>Seed Generator</source>
        <extracomment>Button: give the random number generator a new seed from the clock (a command: seed the generator, not a generator of seeds).</extracomment>
        <translation>Nova semente</translation>
    </message>
    <message>
        <source>Randomize (seed) the number generator</source>
        <translation>Dar uma nova semente ao gerador de números aleatórios</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Kelvane developers</source>
        <translation>Copyright © 2026 os desenvolvedores do Kelvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Rolls</source>
        <extracomment>Frame around the list of dice rolled, one line per die.</extracomment>
        <translation>Rolagens</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <extracomment>Names the check box beside it that copies each roll to the clipboard. Only 49 pixels wide: a short word such as &quot;Copy&quot; may stand in, as the check box&apos;s tool tip explains.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Check to send future rolls to the clipboard for pasting in other documents</source>
        <translation>Marque para copiar as próximas rolagens para a área de transferência e colá-las em outros documentos</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: empty the list of rolls (a verb).</extracomment>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clear the contents of the rolls list</source>
        <translation>Limpar a lista de rolagens</translation>
    </message>
    <message>
        <source>Displays individual roll results</source>
        <translation>Mostra o resultado de cada dado</translation>
    </message>
    <message>
        <source>&amp;Notation</source>
        <extracomment>Label of the box for dice notation such as 3d6 or d20+5. The letter after &amp; is the Alt key that moves to the box.</extracomment>
        <translation>&amp;Notação</translation>
    </message>
    <message>
        <source>Dice notation</source>
        <translation>Notação de dados</translation>
    </message>
    <message>
        <source>Dice notation, for example d20+5, 4d6dl1 or 10d10&gt;=8. Enter rolls; Up and Down recall earlier rolls.</source>
        <extracomment>Keep the examples as they are: dice notation is the same in every language.</extracomment>
        <translation>Notação de dados, por exemplo d20+5, 4d6dl1 ou 10d10&gt;=8. Enter rola; Cima e Baixo trazem rolagens anteriores.</translation>
    </message>
    <message>
        <source>Roll the dice notation</source>
        <translation>Rolar a notação de dados</translation>
    </message>
    <message>
        <source>&amp;Log…</source>
        <extracomment>Button: open the Roll log window, every roll kept across sessions. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Registro…</translation>
    </message>
    <message>
        <source>Every roll kept across sessions, with the night&apos;s luck</source>
        <translation>Cada rolagem guardada entre sessões, com a sorte da noite</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kelvane provides the fantasy roll player and game master with all the rolling excitement they can handle.</source>
        <translation>O Kelvane oferece aos jogadores e mestres de RPG de fantasia toda a emoção de rolar dados que eles aguentam.</translation>
    </message>
    <message>
        <source>Pause your mouse over each item on the screen to get pop-up tool-tips on how to use the program...trust me its pretty simple.</source>
        <translation>Pare o mouse sobre cada item para ver uma dica de uso... pode confiar, é bem simples.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info. &amp;sistema...</translation>
    </message>
</context>
<context>
    <name>frmRollLog</name>
    <message>
        <source>Roll log</source>
        <extracomment>Title of the window that lists every roll kept across sessions.</extracomment>
        <translation>Registro de rolagens</translation>
    </message>
    <message>
        <source>C&amp;haracter</source>
        <extracomment>Label of the choice of whose rolls the log shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Personagem</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personagem</translation>
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
        <translation>Mostra as rolagens cujo rótulo ou notação contém este texto</translation>
    </message>
    <message>
        <source>Roll &amp;again</source>
        <extracomment>Button: roll the selected row&apos;s notation again in the main window (Ctrl+R).</extracomment>
        <translation>&amp;Rolar de novo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button: copy the selected rows&apos; lines to the clipboard (Ctrl+C).</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <extracomment>Button: remove the selected rows from the log, after asking.</extracomment>
        <translation>&amp;Excluir…</translation>
    </message>
    <message>
        <source>C&amp;lear log…</source>
        <extracomment>Button: remove every row from the log, after asking.</extracomment>
        <translation>&amp;Limpar registro…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <extracomment>Button: save the rows shown as CSV or Markdown, through a save dialog.</extracomment>
        <translation>E&amp;xportar…</translation>
    </message>
</context>
<context>
    <name>kelvane::DistributionChart</name>
    <message>
        <source>Distribution</source>
        <extracomment>Accessible name of the bar chart of the chances of each total of the last roll.</extracomment>
        <translation>Distribuição</translation>
    </message>
</context>
<context>
    <name>kelvane::LuckChart</name>
    <message>
        <source>Standings</source>
        <extracomment>Accessible name of the roll log&apos;s drawing of standings.</extracomment>
        <translation>Posições</translation>
    </message>
    <message>
        <source>Rolls by standing, bottom tenth to top tenth: %1</source>
        <extracomment>Read by screen readers: how many rolls stood in each tenth, from the lowest tenth to the highest. %1 is the list of ten numbers.</extracomment>
        <translation>Rolagens por posição, do décimo mais baixo ao mais alto: %1</translation>
    </message>
    <message>
        <source>bottom</source>
        <extracomment>Below the drawing of standings: its left end, the bottom of the range.</extracomment>
        <translation>baixo</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>Below the drawing of standings: its right end, the top of the range.</extracomment>
        <translation>alto</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogModel</name>
    <message>
        <source>top %1 %</source>
        <extracomment>A rolled total&apos;s standing among the totals its roll can show: only 12 % of rolls go higher. %1 is the number.</extracomment>
        <translation>%1 % de cima</translation>
    </message>
    <message>
        <source>bottom %1 %</source>
        <extracomment>Only 30 % of rolls go lower. %1 is the number.</extracomment>
        <translation>%1 % de baixo</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column of the roll log: when the roll was made.</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>Column of the roll log: the roll book&apos;s character who rolled.</extracomment>
        <translation>Personagem</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Column of the roll log: the roll&apos;s label, or its dice notation.</extracomment>
        <translation>Rolagem</translation>
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
        <translation>Posição</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogger</name>
    <message>
        <source>Rolls are not being kept: the roll log cannot be written.</source>
        <extracomment>In the main window&apos;s band when the roll log&apos;s file cannot be written.</extracomment>
        <translation>As rolagens não estão sendo guardadas: o registro não pode ser gravado.</translation>
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
        <translation>explodido</translation>
    </message>
    <message>
        <source>rerolled</source>
        <extracomment>After a die&apos;s value in the list: the die was thrown again and this value does not count.</extracomment>
        <translation>rerrolado</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>After a die&apos;s value in the list: the die meets the roll&apos;s target and counts as one.</extracomment>
        <translation>sucesso</translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>After a die&apos;s value in the list: the die counts as a failure and takes one away.</extracomment>
        <translation>falha</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of rolls, %1 being a number such as 42.13.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 or more: %2</source>
        <extracomment>The share of rolls that reach the rolled total, such as &quot;15 or more: 42.13 %&quot;.</extracomment>
        <translation>%1 ou mais: %2</translation>
    </message>
    <message>
        <source>%1 or less: %2</source>
        <extracomment>The share of rolls that stay at the rolled total, such as &quot;15 or less: 65.33 %&quot;.</extracomment>
        <translation>%1 ou menos: %2</translation>
    </message>
    <message>
        <source>average %1</source>
        <extracomment>The roll&apos;s mean total, such as &quot;average 12.24&quot;.</extracomment>
        <translation>média %1</translation>
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
        <translation>sem resultado: %1</translation>
    </message>
    <message>
        <source>Type dice notation such as 3d6, d20+5 or 4d6dl1, then press Enter.</source>
        <translation>Digite uma notação de dados como 3d6, d20+5 ou 4d6dl1 e tecle Enter.</translation>
    </message>
    <message>
        <source>Dice notation may be at most %1 characters long.</source>
        <translation>A notação de dados pode ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Column %1: a number, a die such as d6, or ( should come here.</source>
        <extracomment>%1 is a column, counted in characters from the start of the box.</extracomment>
        <translation>Coluna %1: aqui deveria vir um número, um dado como d6 ou (.</translation>
    </message>
    <message>
        <source>Column %1: a number of sides should follow d.</source>
        <translation>Coluna %1: depois do d deveria vir um número de lados.</translation>
    </message>
    <message>
        <source>Column %1: an operator such as + should come here.</source>
        <translation>Coluna %1: aqui deveria vir um operador como +.</translation>
    </message>
    <message>
        <source>Column %1: a ) should close the parentheses.</source>
        <translation>Coluna %1: falta um ) para fechar os parênteses.</translation>
    </message>
    <message>
        <source>Column %1: this ) has no ( before it.</source>
        <translation>Coluna %1: este ) não tem ( antes dele.</translation>
    </message>
    <message>
        <source>Column %1: a number should follow the comparison.</source>
        <translation>Coluna %1: depois da comparação deveria vir um número.</translation>
    </message>
    <message>
        <source>Column %1: h or l should follow the d that drops dice.</source>
        <extracomment>dh drops the highest dice, dl the lowest; keep the letters as they are.</extracomment>
        <translation>Coluna %1: depois do d que descarta dados deveria vir h ou l.</translation>
    </message>
    <message>
        <source>Column %1: these dice already have this modifier.</source>
        <translation>Coluna %1: estes dados já têm este modificador.</translation>
    </message>
    <message>
        <source>Column %1: f counts failures only beside a success target such as &gt;=8.</source>
        <extracomment>f counts failures, &gt;=8 is a success target; keep both as they are.</extracomment>
        <translation>Coluna %1: f conta falhas só junto a um alvo de sucesso como &gt;=8.</translation>
    </message>
    <message>
        <source>Column %1: this number is too large.</source>
        <translation>Coluna %1: este número é grande demais.</translation>
    </message>
    <message>
        <source>Column %1: a roll may throw at most %2 dice.</source>
        <translation>Coluna %1: uma rolagem pode lançar no máximo %2 dados.</translation>
    </message>
    <message>
        <source>Column %1: a die has from 1 to %2 sides.</source>
        <translation>Coluna %1: um dado tem de 1 a %2 lados.</translation>
    </message>
    <message>
        <source>Column %1: every face meets this, so the dice would never stop.</source>
        <translation>Coluna %1: toda face atende a isto, os dados nunca parariam.</translation>
    </message>
    <message>
        <source>Column %1: division by zero.</source>
        <translation>Coluna %1: divisão por zero.</translation>
    </message>
    <message>
        <source>Column %1: the result is too large to work out exactly.</source>
        <translation>Coluna %1: o resultado é grande demais para ser calculado exatamente.</translation>
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
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>kelvane::frmRollLog</name>
    <message>
        <source>This session</source>
        <extracomment>Period of the roll log: the rolls since Kelvane started.</extracomment>
        <translation>Esta sessão</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Period of the roll log: the rolls since midnight.</extracomment>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <extracomment>Period of the roll log: today and the six days before it.</extracomment>
        <translation>Últimos 7 dias</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Period of the roll log: every roll kept.</extracomment>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Everyone</source>
        <extracomment>Character filter of the roll log: rolls of every character.</extracomment>
        <translation>Todos</translation>
    </message>
    <message>
        <source>No character</source>
        <extracomment>Character filter: rolls made with no character chosen.</extracomment>
        <translation>Sem personagem</translation>
    </message>
    <message>
        <source>Remove every roll from the log? The roll book stays as it is.</source>
        <extracomment>Asked before the whole roll log is emptied; the roll book keeps its saved rolls.</extracomment>
        <translation>Remover todas as rolagens do registro? O livro de rolagens fica como está.</translation>
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
        <translation>Exportar o registro de rolagens</translation>
    </message>
    <message>
        <source>roll-log</source>
        <translation>registro-de-rolagens</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <extracomment>The export could not be written; %1 is the file&apos;s name.</extracomment>
        <translation>Não foi possível gravar %1.</translation>
    </message>
    <message>
        <source>Remove this roll from the log?</source>
        <extracomment>Asked before a row leaves the roll log; the roll book keeps its saved rolls.</extracomment>
        <translation>Remover esta rolagem do registro?</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n rolls from the log?</source>
        <translation>
            <numerusform>Remover %n rolagem do registro?</numerusform>
            <numerusform>Remover %n rolagens do registro?</numerusform>
        </translation>
    </message>
</context>
</TS>
