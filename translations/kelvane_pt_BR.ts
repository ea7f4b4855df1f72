<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
    <name>kelvane::DistributionChart</name>
    <message>
        <source>Distribution</source>
        <extracomment>Accessible name of the bar chart of the chances of each total of the last roll.</extracomment>
        <translation>Distribuição</translation>
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
        <source>%1 and up</source>
        <extracomment>The least total of a roll whose dice explode and so has no most, such as &quot;3 and up&quot;.</extracomment>
        <translation>%1 ou mais</translation>
    </message>
    <message>
        <source>too many dice: %1</source>
        <extracomment>The share of rolls that would throw more dice than one roll may, and so end without a total, such as &quot;too many dice: 0.02 %&quot;.</extracomment>
        <translation>dados demais: %1</translation>
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
</TS>
