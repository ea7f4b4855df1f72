<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QtMessageDisplay</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>UntrappedErrorHandler</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>The number of dice and the number of sides must each lie between -32768 and 32767.</source>
        <translation>Le nombre de dés et le nombre de faces doivent chacun être compris entre -32768 et 32767.</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Valeur non valide</translation>
    </message>
    <message>
        <source>Kelvane could not use a value this command needs. Check the boxes and try again.</source>
        <translation>Kelvane n&apos;a pas pu utiliser une valeur dont cette commande a besoin. Vérifiez les cases et réessayez.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>A program or file this command needs could not be found.</source>
        <translation>Un programme ou un fichier nécessaire à cette commande est introuvable.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>There was not enough memory to finish this command. Roll fewer dice or close other programs, then try again.</source>
        <translation>La mémoire n&apos;a pas suffi pour terminer cette commande. Lancez moins de dés ou fermez d&apos;autres programmes, puis réessayez.</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Un problème est survenu</translation>
    </message>
    <message>
        <source>Kelvane could not finish this command. You can go on using it; if this happens again, restart Kelvane.</source>
        <translation>Kelvane n&apos;a pas pu terminer cette commande. Vous pouvez continuer à l&apos;utiliser ; si cela se reproduit, redémarrez Kelvane.</translation>
    </message>
</context>
<context>
    <name>formKelvane</name>
    <message>
        <source>Roll a four sided die</source>
        <translation>Lancer un dé à quatre faces</translation>
    </message>
    <message>
        <source>Number of d4 dice</source>
        <translation>Nombre de d4</translation>
    </message>
    <message>
        <source>Number of dice to roll</source>
        <translation>Nombre de dés à lancer</translation>
    </message>
    <message>
        <source>Roll a six sided die</source>
        <translation>Lancer un dé à six faces</translation>
    </message>
    <message>
        <source>Number of d6 dice</source>
        <translation>Nombre de d6</translation>
    </message>
    <message>
        <source>Roll an eight sided die</source>
        <translation>Lancer un dé à huit faces</translation>
    </message>
    <message>
        <source>Number of d8 dice</source>
        <translation>Nombre de d8</translation>
    </message>
    <message>
        <source>Roll a ten sided die</source>
        <translation>Lancer un dé à dix faces</translation>
    </message>
    <message>
        <source>Number of d10 dice</source>
        <translation>Nombre de d10</translation>
    </message>
    <message>
        <source>Roll a twelve sided die</source>
        <translation>Lancer un dé à douze faces</translation>
    </message>
    <message>
        <source>Number of d12 dice</source>
        <translation>Nombre de d12</translation>
    </message>
    <message>
        <source>Roll a twenty sided die</source>
        <translation>Lancer un dé à vingt faces</translation>
    </message>
    <message>
        <source>Number of d20 dice</source>
        <translation>Nombre de d20</translation>
    </message>
    <message>
        <source>Roll a one hundred sided die</source>
        <translation>Lancer un dé à cent faces</translation>
    </message>
    <message>
        <source>Number of d100 dice</source>
        <translation>Nombre de d100</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Frame around the total. After a roll it reads this word, &quot;: &quot; and the roll, such as &quot;Result: 3d6&quot;.</extracomment>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>Generic</source>
        <extracomment>Frame around the roller of any number (M) of dice with any number of sides (N).</extracomment>
        <translation>Lancer libre</translation>
    </message>
    <message>
        <source>Number of dice (M)</source>
        <translation>Nombre de dés (M)</translation>
    </message>
    <message>
        <source>Number of sides (N)</source>
        <translation>Nombre de faces (N)</translation>
    </message>
    <message>
        <source>Number of sides to the die</source>
        <translation>Nombre de faces du dé</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Button: roll the M dice of N sides now (a verb, as at the table).
----------
Button: roll the dice notation in the box now (a verb, as at the table).</extracomment>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Roll the MdN dice</source>
        <translation>Lancer les dés MdN</translation>
    </message>
    <message>
        <source>Seed Generator</source>
        <extracomment>Button: give the random number generator a new seed from the clock (a command: seed the generator, not a generator of seeds).</extracomment>
        <translation>Nouvelle graine</translation>
    </message>
    <message>
        <source>Randomize (seed) the number generator</source>
        <translation>Donner une nouvelle graine au générateur de nombres aléatoires</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Kelvane developers</source>
        <translation>Copyright © 2026 les développeurs de Kelvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Rolls</source>
        <extracomment>Frame around the list of dice rolled, one line per die.</extracomment>
        <translation>Lancers</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <extracomment>Names the check box beside it that copies each roll to the clipboard. Only 49 pixels wide: a short word such as &quot;Copy&quot; may stand in, as the check box&apos;s tool tip explains.</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Check to send future rolls to the clipboard for pasting in other documents</source>
        <translation>Cocher pour copier les prochains lancers dans le presse-papiers et les coller dans d&apos;autres documents</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: empty the list of rolls (a verb).</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear the contents of the rolls list</source>
        <translation>Effacer la liste des lancers</translation>
    </message>
    <message>
        <source>Displays individual roll results</source>
        <translation>Affiche le résultat de chaque dé</translation>
    </message>
    <message>
        <source>&amp;Notation</source>
        <extracomment>Label of the box for dice notation such as 3d6 or d20+5. The letter after &amp; is the Alt key that moves to the box.</extracomment>
        <translation>&amp;Notation</translation>
    </message>
    <message>
        <source>Dice notation</source>
        <translation>Notation de dés</translation>
    </message>
    <message>
        <source>Dice notation, for example d20+5, 4d6dl1 or 10d10&gt;=8. Enter rolls; Up and Down recall earlier rolls.</source>
        <extracomment>Keep the examples as they are: dice notation is the same in every language.</extracomment>
        <translation>Notation de dés, par exemple d20+5, 4d6dl1 ou 10d10&gt;=8. Entrée lance ; Haut et Bas rappellent les lancers précédents.</translation>
    </message>
    <message>
        <source>Roll the dice notation</source>
        <translation>Lancer la notation de dés</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kelvane provides the fantasy roll player and game master with all the rolling excitement they can handle.</source>
        <translation>Kelvane offre aux rôlistes et aux meneurs de jeu de fantasy tout le frisson des dés qu&apos;ils peuvent supporter.</translation>
    </message>
    <message>
        <source>Pause your mouse over each item on the screen to get pop-up tool-tips on how to use the program...trust me its pretty simple.</source>
        <translation>Laissez la souris sur un élément pour voir une bulle d&apos;aide... croyez-moi, c&apos;est tout simple.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;système...</translation>
    </message>
</context>
<context>
    <name>kelvane::DistributionChart</name>
    <message>
        <source>Distribution</source>
        <extracomment>Accessible name of the bar chart of the chances of each total of the last roll.</extracomment>
        <translation>Répartition</translation>
    </message>
</context>
<context>
    <name>kelvane::formKelvane</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Spoken after a roll: the roll, such as 3d6, then its total.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>dropped</source>
        <extracomment>After a die&apos;s value in the list: the die does not count toward the total.</extracomment>
        <translation>écarté</translation>
    </message>
    <message>
        <source>exploded</source>
        <extracomment>After a die&apos;s value in the list: the die showed a face that throws one more die.</extracomment>
        <translation>explosé</translation>
    </message>
    <message>
        <source>rerolled</source>
        <extracomment>After a die&apos;s value in the list: the die was thrown again and this value does not count.</extracomment>
        <translation>relancé</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>After a die&apos;s value in the list: the die meets the roll&apos;s target and counts as one.</extracomment>
        <translation>réussite</translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>After a die&apos;s value in the list: the die counts as a failure and takes one away.</extracomment>
        <translation>échec</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of rolls, %1 being a number such as 42.13.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 or more: %2</source>
        <extracomment>The share of rolls that reach the rolled total, such as &quot;15 or more: 42.13 %&quot;.</extracomment>
        <translation>%1 ou plus&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 or less: %2</source>
        <extracomment>The share of rolls that stay at the rolled total, such as &quot;15 or less: 65.33 %&quot;.</extracomment>
        <translation>%1 ou moins&#xa0;: %2</translation>
    </message>
    <message>
        <source>average %1</source>
        <extracomment>The roll&apos;s mean total, such as &quot;average 12.24&quot;.</extracomment>
        <translation>moyenne %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>The least and the most total the roll can show, such as &quot;3 to 18&quot;.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>approximate</source>
        <extracomment>Said of odds taken from a normal curve, when the exact ones would take too long.</extracomment>
        <translation>approché</translation>
    </message>
    <message>
        <source>no result: %1</source>
        <extracomment>The share of rolls that end in an error, such as a division by zero.</extracomment>
        <translation>sans résultat&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 and up</source>
        <extracomment>The least total of a roll whose dice explode and so has no most, such as &quot;3 and up&quot;.</extracomment>
        <translation>%1 et plus</translation>
    </message>
    <message>
        <source>too many dice: %1</source>
        <extracomment>The share of rolls that would throw more dice than one roll may, and so end without a total, such as &quot;too many dice: 0.02 %&quot;.</extracomment>
        <translation>trop de dés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Type dice notation such as 3d6, d20+5 or 4d6dl1, then press Enter.</source>
        <translation>Tapez une notation de dés comme 3d6, d20+5 ou 4d6dl1, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Dice notation may be at most %1 characters long.</source>
        <translation>La notation de dés compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Column %1: a number, a die such as d6, or ( should come here.</source>
        <extracomment>%1 is a column, counted in characters from the start of the box.</extracomment>
        <translation>Colonne %1&#xa0;: un nombre, un dé comme d6 ou ( devrait venir ici.</translation>
    </message>
    <message>
        <source>Column %1: a number of sides should follow d.</source>
        <translation>Colonne %1&#xa0;: un nombre de faces devrait suivre d.</translation>
    </message>
    <message>
        <source>Column %1: an operator such as + should come here.</source>
        <translation>Colonne %1&#xa0;: un opérateur comme + devrait venir ici.</translation>
    </message>
    <message>
        <source>Column %1: a ) should close the parentheses.</source>
        <translation>Colonne %1&#xa0;: une ) devrait fermer la parenthèse.</translation>
    </message>
    <message>
        <source>Column %1: this ) has no ( before it.</source>
        <translation>Colonne %1&#xa0;: cette ) n’a pas de ( avant elle.</translation>
    </message>
    <message>
        <source>Column %1: a number should follow the comparison.</source>
        <translation>Colonne %1&#xa0;: un nombre devrait suivre la comparaison.</translation>
    </message>
    <message>
        <source>Column %1: h or l should follow the d that drops dice.</source>
        <extracomment>dh drops the highest dice, dl the lowest; keep the letters as they are.</extracomment>
        <translation>Colonne %1&#xa0;: h ou l devrait suivre le d qui écarte des dés.</translation>
    </message>
    <message>
        <source>Column %1: these dice already have this modifier.</source>
        <translation>Colonne %1&#xa0;: ces dés ont déjà ce modificateur.</translation>
    </message>
    <message>
        <source>Column %1: f counts failures only beside a success target such as &gt;=8.</source>
        <extracomment>f counts failures, &gt;=8 is a success target; keep both as they are.</extracomment>
        <translation>Colonne %1&#xa0;: f ne compte les échecs qu’avec un seuil de réussite comme &gt;=8.</translation>
    </message>
    <message>
        <source>Column %1: this number is too large.</source>
        <translation>Colonne %1&#xa0;: ce nombre est trop grand.</translation>
    </message>
    <message>
        <source>Column %1: a roll may throw at most %2 dice.</source>
        <translation>Colonne %1&#xa0;: un lancer peut jeter au plus %2 dés.</translation>
    </message>
    <message>
        <source>Column %1: a die has from 1 to %2 sides.</source>
        <translation>Colonne %1&#xa0;: un dé a de 1 à %2 faces.</translation>
    </message>
    <message>
        <source>Column %1: every face meets this, so the dice would never stop.</source>
        <translation>Colonne %1&#xa0;: chaque face remplit ceci, les dés ne s’arrêteraient jamais.</translation>
    </message>
    <message>
        <source>Column %1: division by zero.</source>
        <translation>Colonne %1&#xa0;: division par zéro.</translation>
    </message>
    <message>
        <source>Column %1: the result is too large to work out exactly.</source>
        <translation>Colonne %1&#xa0;: le résultat est trop grand pour être calculé exactement.</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>The result frame&apos;s caption after a roll: %1 is the roll, such as 3d6.</extracomment>
        <translation>Résultat&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>kelvane::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>Caption of this dialog; %1 is the program&apos;s name, Kelvane.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
