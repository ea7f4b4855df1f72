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
        <extracomment>Button: roll the M dice of N sides now (a verb, as at the table).</extracomment>
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
    <name>kelvane::formKelvane</name>
    <message>
        <source>%1: %2</source>
        <extracomment>Spoken after a roll: the roll, such as 3d6, then its total.</extracomment>
        <translation>%1 : %2</translation>
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
