<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>LogExport</name>
    <message>
        <source>Time</source>
        <extracomment>Export&apos;s column headers: when, who, the label, the notation, the dice, the total, what the roll meant in its game system or its bands, the standing in percent (0 is the bottom, 100 the top), and whether the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personnage</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Notation</source>
        <translation>Notation</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Standing %</source>
        <translation>Rang %</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Partagé</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Issue</translation>
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
        <translation>1 lancer</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls</source>
        <extracomment>The luck line&apos;s count of rolls, for any number but one (0, 2, 57, 1000000).</extracomment>
        <translation>
            <numerusform>%n lancer</numerusform>
            <numerusform>%n lancers</numerusform>
        </translation>
    </message>
    <message>
        <source>average standing %1</source>
        <extracomment>The mean of the rolls&apos; standings, such as &quot;average standing 41 %&quot;.</extracomment>
        <translation>rang moyen %1</translation>
    </message>
    <message>
        <source>fair dice roll this high or higher %1 of the time</source>
        <translation>des dés équilibrés font aussi haut ou plus %1 du temps</translation>
    </message>
    <message>
        <source>fair dice roll this low or lower %1 of the time</source>
        <translation>des dés équilibrés font aussi bas ou moins %1 du temps</translation>
    </message>
    <message>
        <source>%1 without odds left out</source>
        <extracomment>Rolls whose odds were never worked out, and so are not weighed: %1 is a number of rolls, such as &quot;3 rolls&quot;.</extracomment>
        <translation>%1 sans probabilités non comptés</translation>
    </message>
</context>
<context>
    <name>QtMessageDisplay</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>RollBookFile</name>
    <message>
        <source>The file is larger than 10 MB.</source>
        <translation>Le fichier dépasse 10 Mo.</translation>
    </message>
    <message>
        <source>The file is not JSON: line %1, column %2: %3.</source>
        <extracomment>%1 and %2 are numbers; %3 is Qt&apos;s own description of the error.</extracomment>
        <translation>Le fichier n&apos;est pas du JSON : ligne %1, colonne %2 : %3.</translation>
    </message>
    <message>
        <source>The file is not a Kelvane roll book.</source>
        <translation>Le fichier n&apos;est pas un livre de jets Kelvane.</translation>
    </message>
    <message>
        <source>The file&apos;s version %1 is not one Kelvane reads (it reads version %2).</source>
        <extracomment>%1 is the version the file names; %2 the one this program reads.</extracomment>
        <translation>Kelvane ne lit pas la version %1 du fichier (il lit la version %2).</translation>
    </message>
    <message>
        <source>A character in the file has no name.</source>
        <translation>Un personnage du fichier n&apos;a pas de nom.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rolls for %2.</source>
        <extracomment>%1 is the most rolls a character may hold; %2 the character&apos;s name.</extracomment>
        <translation>Le fichier contient plus de %1 jets pour %2.</translation>
    </message>
    <message>
        <source>The roll &quot;%1&quot; of %2 cannot be read. %3</source>
        <extracomment>%1 is the roll&apos;s notation, %2 its character, %3 why it cannot be read.</extracomment>
        <translation>Le jet « %1 » de %2 est illisible. %3</translation>
    </message>
    <message>
        <source>The roll book could not be written to %1: %2</source>
        <extracomment>%1 is the file&apos;s name; %2 the system&apos;s reason.</extracomment>
        <translation>Le livre de jets n&apos;a pas pu être écrit dans %1 : %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file&apos;s name; %2 the system&apos;s reason.</extracomment>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
</context>
<context>
    <name>RollBookPanel</name>
    <message>
        <source>&amp;Character</source>
        <extracomment>Label of the choice of character (a player&apos;s or a monster&apos;s) whose saved rolls the book shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Personnage</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personnage</translation>
    </message>
    <message>
        <source>The character whose saved rolls the book shows</source>
        <translation>Le personnage dont le livre montre les jets enregistrés</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <extracomment>Button: add a new character to the roll book.</extracomment>
        <translation>Nou&amp;veau</translation>
    </message>
    <message>
        <source>Add a character to the roll book</source>
        <translation>Ajouter un personnage au livre de jets</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <extracomment>Button: rename the chosen character.</extracomment>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Rename the character</source>
        <translation>Renommer le personnage</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Button: delete the chosen character with its saved rolls.</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete the character and its saved rolls</source>
        <translation>Supprimer le personnage et ses jets enregistrés</translation>
    </message>
    <message>
        <source>Roll &amp;book</source>
        <extracomment>Label of the list of the character&apos;s saved, named rolls.</extracomment>
        <translation>&amp;Livre de jets</translation>
    </message>
    <message>
        <source>Roll book</source>
        <translation>Livre de jets</translation>
    </message>
    <message>
        <source>Click, Enter or Space rolls; F2 renames; Alt+Up and Alt+Down move; Delete removes; Ctrl+Z brings back</source>
        <extracomment>Keys: keep the key names as the keyboard shows them in your language.</extracomment>
        <translation>Clic, Entrée ou Espace lance ; F2 renomme ; Alt+Haut et Alt+Bas déplacent ; Suppr retire ; Ctrl+Z rétablit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Button: keep the notation box&apos;s text in the roll book.</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Keep the notation in the book, named by its # label</source>
        <translation>Garder la notation dans le livre, nommée par son étiquette #</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <extracomment>Button: read characters and rolls from a roll book file.</extracomment>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Add the characters and rolls of a roll book file</source>
        <translation>Ajouter les personnages et les jets d&apos;un fichier de livre de jets</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <extracomment>Button: write the whole roll book to a file.</extracomment>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Write the whole roll book to a file</source>
        <translation>Écrire tout le livre de jets dans un fichier</translation>
    </message>
</context>
<context>
    <name>RollLogWindow</name>
    <message>
        <source>Roll log</source>
        <extracomment>Title of the window that lists every roll kept across sessions.</extracomment>
        <translation>Journal des lancers</translation>
    </message>
    <message>
        <source>C&amp;haracter</source>
        <extracomment>Label of the choice of whose rolls the log shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Personnage</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personnage</translation>
    </message>
    <message>
        <source>&amp;Period</source>
        <extracomment>Label of the choice of the time span the log shows. The letter after &amp; is the Alt key.</extracomment>
        <translation>Pério&amp;de</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <extracomment>Label of the box that finds rolls by label or notation. The letter after &amp; is the Alt key.</extracomment>
        <translation>Rec&amp;hercher</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Shows the rolls whose label or notation holds this text</source>
        <translation>Montre les lancers dont l&apos;étiquette ou la notation contient ce texte</translation>
    </message>
    <message>
        <source>Roll &amp;again</source>
        <extracomment>Button: roll the selected row&apos;s notation again in the main window (Ctrl+R).</extracomment>
        <translation>&amp;Relancer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button: copy the selected rows&apos; lines to the clipboard (Ctrl+C).</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <extracomment>Button: remove the selected rows from the log, after asking.</extracomment>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>C&amp;lear log…</source>
        <extracomment>Button: remove every row from the log, after asking.</extracomment>
        <translation>&amp;Vider le journal…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <extracomment>Button: save the rows shown as CSV or Markdown, through a save dialog.</extracomment>
        <translation>E&amp;xporter…</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Table</source>
        <extracomment>Title of the dialog that sets up sharing rolls with the group&apos;s Discord channel.</extracomment>
        <translation>Table</translation>
    </message>
    <message>
        <source>&amp;Webhook URL</source>
        <extracomment>The address of the Discord channel&apos;s webhook. The letter after &amp; is the Alt key.</extracomment>
        <translation>URL du &amp;webhook</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>URL du webhook</translation>
    </message>
    <message>
        <source>The webhook URL from the Discord channel&apos;s settings, under Integrations. Anyone holding it can post to the channel, so it stays masked.</source>
        <translation>L&apos;URL du webhook, dans les paramètres du salon Discord, sous Intégrations. Quiconque la détient peut publier dans le salon : elle reste donc masquée.</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <extracomment>The name the rolls are posted under in the channel.</extracomment>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Share every roll</source>
        <extracomment>Check box: post each roll to the channel.</extracomment>
        <translation>&amp;Partager chaque jet</translation>
    </message>
    <message>
        <source>Send a &amp;test message</source>
        <extracomment>Button: post one message to the channel to see that the webhook works.</extracomment>
        <translation>Envoyer un message de &amp;test</translation>
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
    <message>
        <source>&amp;Table…</source>
        <extracomment>Button: opens the dialog that shares rolls with the group&apos;s Discord channel (the table). The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Table…</translation>
    </message>
    <message>
        <source>Share rolls with the group&apos;s Discord channel</source>
        <translation>Partager les jets avec le salon Discord du groupe</translation>
    </message>
    <message>
        <source>&amp;Log…</source>
        <extracomment>Button: open the Roll log window, every roll kept across sessions. The letter after &amp; is the Alt key.</extracomment>
        <translation>&amp;Journal…</translation>
    </message>
    <message>
        <source>Every roll kept across sessions, with the night&apos;s luck</source>
        <translation>Chaque lancer gardé d&apos;une session à l&apos;autre, avec la chance de la soirée</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Screen readers&apos; name of the label that shows what the last roll means in the player&apos;s game system, such as Partial.</extracomment>
        <translation>Issue</translation>
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
    <name>kelvane::LuckChart</name>
    <message>
        <source>Standings</source>
        <extracomment>Accessible name of the roll log&apos;s drawing of standings.</extracomment>
        <translation>Rangs</translation>
    </message>
    <message>
        <source>Rolls by standing, bottom tenth to top tenth: %1</source>
        <extracomment>Read by screen readers: how many rolls stood in each tenth, from the lowest tenth to the highest. %1 is the list of ten numbers.</extracomment>
        <translation>Lancers par rang, du dixième le plus bas au plus haut : %1</translation>
    </message>
    <message>
        <source>bottom</source>
        <extracomment>Below the drawing of standings: its left end, the bottom of the range.</extracomment>
        <translation>bas</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>Below the drawing of standings: its right end, the top of the range.</extracomment>
        <translation>haut</translation>
    </message>
</context>
<context>
    <name>kelvane::OutcomeChart</name>
    <message>
        <source>Outcomes</source>
        <extracomment>Accessible name of the bar chart of the chances of each outcome of the last roll.</extracomment>
        <translation>Issues</translation>
    </message>
</context>
<context>
    <name>kelvane::OutcomeNames</name>
    <message>
        <source>%1, 1 raise</source>
        <extracomment>A Savage Worlds raise with exactly one raise.</extracomment>
        <translation>%1, 1 prouesse</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n raises</source>
        <extracomment>A Savage Worlds raise with how many raises, any number but one, such as &quot;Raise, 2 raises&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n prouesse</numerusform>
            <numerusform>%1, %n prouesses</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, 1 hit</source>
        <extracomment>A Shadowrun outcome with exactly one hit, such as &quot;Glitch, 1 hit&quot;.</extracomment>
        <translation>%1, 1 succès</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n hits</source>
        <extracomment>A Shadowrun outcome with its hits, any number but one, such as &quot;Success, 3 hits&quot; or &quot;Failure, 0 hits&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n succès</numerusform>
            <numerusform>%1, %n succès</numerusform>
        </translation>
    </message>
    <message>
        <source>Strong hit</source>
        <translation>Réussite totale</translation>
    </message>
    <message>
        <source>Weak hit</source>
        <translation>Réussite partielle</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Réussite critique</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Réussite partielle</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Critical failure</source>
        <translation>Échec critique</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Prouesse</translation>
    </message>
    <message>
        <source>Fumble</source>
        <translation>Maladresse</translation>
    </message>
    <message>
        <source>Extreme success</source>
        <translation>Réussite extrême</translation>
    </message>
    <message>
        <source>Hard success</source>
        <translation>Réussite majeure</translation>
    </message>
    <message>
        <source>Regular success</source>
        <translation>Réussite ordinaire</translation>
    </message>
    <message>
        <source>Exceptional success</source>
        <translation>Réussite exceptionnelle</translation>
    </message>
    <message>
        <source>Dramatic failure</source>
        <translation>Échec dramatique</translation>
    </message>
    <message>
        <source>Glitch</source>
        <translation>Complication</translation>
    </message>
    <message>
        <source>Critical glitch</source>
        <translation>Complication critique</translation>
    </message>
    <message>
        <source>Legendary</source>
        <translation>Légendaire</translation>
    </message>
    <message>
        <source>Epic</source>
        <translation>Épique</translation>
    </message>
    <message>
        <source>Fantastic</source>
        <translation>Fantastique</translation>
    </message>
    <message>
        <source>Superb</source>
        <translation>Superbe</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Mediocre</source>
        <translation>Médiocre</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Terrible</source>
        <translation>Terrible</translation>
    </message>
    <message>
        <source>Critical hit</source>
        <translation>Coup critique</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Touché</translation>
    </message>
</context>
<context>
    <name>kelvane::RollBookPanel</name>
    <message>
        <source>Player</source>
        <extracomment>The one character of a new roll book.</extracomment>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>New character</source>
        <translation>Nouveau personnage</translation>
    </message>
    <message>
        <source>Name of the new character:</source>
        <translation>Nom du nouveau personnage :</translation>
    </message>
    <message>
        <source>The book already has a character named %1.</source>
        <translation>Le livre a déjà un personnage nommé %1.</translation>
    </message>
    <message>
        <source>Rename character</source>
        <translation>Renommer le personnage</translation>
    </message>
    <message>
        <source>New name of the character:</source>
        <translation>Nouveau nom du personnage :</translation>
    </message>
    <message>
        <source>Delete character</source>
        <translation>Supprimer le personnage</translation>
    </message>
    <message>
        <source>roll-book</source>
        <extracomment>The file name offered for an exported roll book; keep it short, without blanks.</extracomment>
        <translation>livre-de-jets</translation>
    </message>
    <message>
        <source>Export the roll book</source>
        <translation>Exporter le livre de jets</translation>
    </message>
    <message>
        <source>Roll books (*.json)</source>
        <translation>Livres de jets (*.json)</translation>
    </message>
    <message>
        <source>The roll book was written to %1.</source>
        <translation>Le livre de jets a été écrit dans %1.</translation>
    </message>
    <message>
        <source>Import a roll book</source>
        <translation>Importer un livre de jets</translation>
    </message>
    <message>
        <source>Imported: %1 new characters, %2 new rolls; %3 rolls were already in the book.</source>
        <extracomment>%1, %2 and %3 are numbers of characters and rolls.</extracomment>
        <translation>Importé : %1 nouveaux personnages, %2 nouveaux jets ; %3 jets étaient déjà dans le livre.</translation>
    </message>
    <message>
        <source>The roll book was damaged; it was copied to %1 and a new book started.</source>
        <extracomment>%1 is the full name of the damaged file, kept for recovery.</extracomment>
        <translation>Le livre de jets était endommagé ; il a été copié vers %1 et un nouveau livre commencé.</translation>
    </message>
    <message>
        <source>The book cannot be saved: the disk is full. Rolling goes on.</source>
        <translation>Le livre ne peut pas être enregistré : le disque est plein. Les jets continuent.</translation>
    </message>
    <message>
        <source>The book cannot be saved: a newer Kelvane wrote it. Rolling goes on.</source>
        <translation>Le livre ne peut pas être enregistré : un Kelvane plus récent l&apos;a écrit. Les jets continuent.</translation>
    </message>
    <message>
        <source>The book cannot be saved: its folder cannot be written. Rolling goes on.</source>
        <translation>Le livre ne peut pas être enregistré : son dossier est en lecture seule. Les jets continuent.</translation>
    </message>
    <message>
        <source>The book cannot be saved: the disk reports an error. Rolling goes on.</source>
        <translation>Le livre ne peut pas être enregistré : le disque signale une erreur. Les jets continuent.</translation>
    </message>
    <message>
        <source>Delete %1 together with its saved rolls (%2)?</source>
        <extracomment>%1 is the character&apos;s name; %2 the number of its saved rolls.</extracomment>
        <translation>Supprimer %1 avec ses jets enregistrés (%2) ?</translation>
    </message>
    <message>
        <source>%1 is already in the roll book.</source>
        <extracomment>%1 is the saved roll&apos;s name, such as Longsword.</extracomment>
        <translation>%1 est déjà dans le livre de jets.</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogModel</name>
    <message>
        <source>top %1 %</source>
        <extracomment>A rolled total&apos;s standing among the totals its roll can show: only 12 % of rolls go higher. %1 is the number.</extracomment>
        <translation>%1 % du haut</translation>
    </message>
    <message>
        <source>bottom %1 %</source>
        <extracomment>Only 30 % of rolls go lower. %1 is the number.</extracomment>
        <translation>%1 % du bas</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column of the roll log: when the roll was made.</extracomment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>Column of the roll log: the roll book&apos;s character who rolled.</extracomment>
        <translation>Personnage</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>Column of the roll log: the roll&apos;s label, or its dice notation.</extracomment>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Dice</source>
        <extracomment>Column of the roll log: each die&apos;s value, as on the clipboard.</extracomment>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column of the roll log: the roll&apos;s total.</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Standing</source>
        <extracomment>Column of the roll log: how the total stands among the totals the roll can show.</extracomment>
        <translation>Rang</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>The roll log&apos;s Shared column: the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>oui</translation>
    </message>
    <message>
        <source>waiting</source>
        <extracomment>The roll log&apos;s Shared column: the roll waits in the outbox to be posted.</extracomment>
        <translation>en attente</translation>
    </message>
    <message>
        <source>Shared</source>
        <extracomment>Column of the roll log: whether the roll reached the table&apos;s Discord channel.</extracomment>
        <translation>Partagé</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Column of the roll log: what the roll meant in its game system or its bands, such as &quot;Partial&quot; or &quot;Strong hit&quot;.</extracomment>
        <translation>Issue</translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogWindow</name>
    <message>
        <source>This session</source>
        <extracomment>Period of the roll log: the rolls since Kelvane started.</extracomment>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>Period of the roll log: the rolls since midnight.</extracomment>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <extracomment>Period of the roll log: today and the six days before it.</extracomment>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Period of the roll log: every roll kept.</extracomment>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Everyone</source>
        <extracomment>Character filter of the roll log: rolls of every character.</extracomment>
        <translation>Tous</translation>
    </message>
    <message>
        <source>No character</source>
        <extracomment>Character filter: rolls made with no character chosen.</extracomment>
        <translation>Sans personnage</translation>
    </message>
    <message>
        <source>Remove every roll from the log? The roll book stays as it is.</source>
        <extracomment>Asked before the whole roll log is emptied; the roll book keeps its saved rolls.</extracomment>
        <translation>Retirer tous les lancers du journal ? Le carnet de lancers reste tel quel.</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <extracomment>File type in the export&apos;s save dialog.</extracomment>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>Markdown table (*.md)</source>
        <extracomment>File type in the export&apos;s save dialog.</extracomment>
        <translation>Tableau Markdown (*.md)</translation>
    </message>
    <message>
        <source>Export the roll log</source>
        <extracomment>Title of the export&apos;s save dialog.</extracomment>
        <translation>Exporter le journal des lancers</translation>
    </message>
    <message>
        <source>roll-log</source>
        <translation>journal-des-lancers</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <extracomment>The export could not be written; %1 is the file&apos;s name.</extracomment>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Remove this roll from the log?</source>
        <extracomment>Asked before a row leaves the roll log; the roll book keeps its saved rolls.</extracomment>
        <translation>Retirer ce lancer du journal ?</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n rolls from the log?</source>
        <translation>
            <numerusform>Retirer %n lancer du journal ?</numerusform>
            <numerusform>Retirer %n lancers du journal ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::RollLogger</name>
    <message>
        <source>Rolls are not being kept: the roll log cannot be written.</source>
        <extracomment>In the main window&apos;s band when the roll log&apos;s file cannot be written.</extracomment>
        <translation>Les lancers ne sont pas gardés : le journal ne peut pas être écrit.</translation>
    </message>
</context>
<context>
    <name>kelvane::TableDialog</name>
    <message>
        <source>Sending…</source>
        <extracomment>While the test message is on its way.</extracomment>
        <translation>Envoi…</translation>
    </message>
</context>
<context>
    <name>kelvane::TableSharing</name>
    <message>
        <source>The table&apos;s settings cannot be saved</source>
        <translation>Les réglages de la table ne peuvent pas être enregistrés</translation>
    </message>
    <message>
        <source>Paste the webhook URL from the channel&apos;s settings, under Integrations.</source>
        <extracomment>The Table dialog, when no webhook URL is pasted yet.</extracomment>
        <translation>Collez l&apos;URL du webhook depuis les paramètres du salon, sous Intégrations.</translation>
    </message>
    <message>
        <source>The webhook URL must start with https://.</source>
        <translation>L&apos;URL du webhook doit commencer par https://.</translation>
    </message>
    <message>
        <source>The webhook URL must be on discord.com.</source>
        <translation>L&apos;URL du webhook doit être sur discord.com.</translation>
    </message>
    <message>
        <source>This is not a webhook URL: it looks like https://discord.com/api/webhooks/&lt;number&gt;/&lt;token&gt;.</source>
        <extracomment>Keep the example address as it is.</extracomment>
        <translation>Ce n&apos;est pas une URL de webhook : elle ressemble à https://discord.com/api/webhooks/&lt;numéro&gt;/&lt;jeton&gt;.</translation>
    </message>
    <message>
        <source>Discord takes names of at most 80 characters.</source>
        <translation>Discord accepte des noms de 80 caractères au plus.</translation>
    </message>
    <message>
        <source>Discord refuses names that contain &quot;discord&quot; or &quot;clyde&quot;.</source>
        <extracomment>Keep &quot;discord&quot; and &quot;clyde&quot; as they are: Discord refuses names that hold them.</extracomment>
        <translation>Discord refuse les noms qui contiennent « discord » ou « clyde ».</translation>
    </message>
    <message>
        <source>Discord refused a roll: %1</source>
        <extracomment>A roll Discord would not take; %1 is Discord&apos;s own reason, in English.</extracomment>
        <translation>Discord a refusé un jet : %1</translation>
    </message>
    <message>
        <source>Discord refuses the name to post under: %1</source>
        <extracomment>%1 is Discord&apos;s own reason, in English.</extracomment>
        <translation>Discord refuse le nom de publication : %1</translation>
    </message>
    <message>
        <source>The table&apos;s webhook is gone: paste a new one</source>
        <translation>Le webhook de la table n&apos;existe plus : collez-en un nouveau</translation>
    </message>
    <message>
        <source>Not shared: the table&apos;s server could not prove it is Discord</source>
        <translation>Non partagé : le serveur n&apos;a pas pu prouver qu&apos;il est Discord</translation>
    </message>
    <message>
        <source>Not shared: the table&apos;s server answered %1</source>
        <extracomment>%1 is the HTTP status and Discord&apos;s own words, such as &quot;HTTP 403: Missing Access&quot;.</extracomment>
        <translation>Non partagé : le serveur a répondu %1</translation>
    </message>
    <message>
        <source>Not shared: KELVANE_DISCORD_API_BASE is not an https:// address</source>
        <translation>Non partagé : KELVANE_DISCORD_API_BASE n&apos;est pas une adresse https://</translation>
    </message>
    <message>
        <source>Not shared: rolls cannot be kept in the database</source>
        <translation>Non partagé : les jets ne peuvent pas être gardés dans la base de données</translation>
    </message>
    <message>
        <source>Shared</source>
        <extracomment>The band&apos;s status line once every roll has reached the channel.</extracomment>
        <translation>Partagé</translation>
    </message>
    <message>
        <source>Sharing rolls with the table</source>
        <translation>Les jets sont partagés avec la table</translation>
    </message>
    <message>
        <source>Kelvane will share rolls here.</source>
        <extracomment>Posted to the channel by &quot;Send a test message&quot;.</extracomment>
        <translation>Kelvane partagera les jets ici.</translation>
    </message>
    <message>
        <source>The test message was posted.</source>
        <translation>Le message de test a été publié.</translation>
    </message>
    <message>
        <source>Discord did not answer; try again later.</source>
        <translation>Discord n&apos;a pas répondu ; réessayez plus tard.</translation>
    </message>
    <message>
        <source>Discord refused the message: %1</source>
        <translation>Discord a refusé le message : %1</translation>
    </message>
    <message>
        <source>1 roll waiting to be shared</source>
        <extracomment>The band&apos;s status line while rolls wait in the outbox.</extracomment>
        <translation>1 jet en attente de partage</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls waiting to be shared</source>
        <extracomment>The band&apos;s status line while rolls wait in the outbox; %n is 2 or more.</extracomment>
        <translation>
            <numerusform>%n jet en attente de partage</numerusform>
            <numerusform>%n jets en attente de partage</numerusform>
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
        <source>Column %1: a band such as 10+ Strong hit should come here.</source>
        <extracomment>A band is a range of results and its name; keep 10+ as it is.</extracomment>
        <translation>Colonne %1 : une tranche comme 10+ Réussite totale devrait venir ici.</translation>
    </message>
    <message>
        <source>Column %1: a range is N, N-M, N+ or N-, such as 7-9.</source>
        <extracomment>N and M stand for numbers; keep the signs as they are.</extracomment>
        <translation>Colonne %1 : une plage s’écrit N, N-M, N+ ou N-, par exemple 7-9.</translation>
    </message>
    <message>
        <source>Column %1: a name should follow the range.</source>
        <translation>Colonne %1 : un nom devrait suivre la plage.</translation>
    </message>
    <message>
        <source>Column %1: a band&apos;s name may be at most %2 characters long.</source>
        <translation>Colonne %1 : le nom d’une tranche compte au plus %2 caractères.</translation>
    </message>
    <message>
        <source>Column %1: a roll may have at most %2 bands.</source>
        <translation>Colonne %1 : un jet a au plus %2 tranches.</translation>
    </message>
    <message>
        <source>Column %1: write pbta+M, with M from -3 to +4.</source>
        <extracomment>pbta is typed as it is; M stands for the modifier.</extracomment>
        <translation>Colonne %1 : écrivez pbta+M, M allant de -3 à +4.</translation>
    </message>
    <message>
        <source>Column %1: write bitd N, with N from 0 to 10 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonne %1 : écrivez bitd N, N allant de 0 à 10 dés.</translation>
    </message>
    <message>
        <source>Column %1: write sw dX+M tnT, with X 4, 6, 8, 10 or 12, M from -10 to +10 and T from 1 to 20; +M and tnT may be left out.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonne %1 : écrivez sw dX+M tnT, X valant 4, 6, 8, 10 ou 12, M allant de -10 à +10 et T de 1 à 20 ; +M et tnT sont facultatifs.</translation>
    </message>
    <message>
        <source>Column %1: write coc S, with S from 1 to 100, then b1 or b2 for bonus dice or p1 or p2 for penalty dice if needed.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonne %1 : écrivez coc S, S allant de 1 à 100, suivi au besoin de b1 ou b2 pour les dés bonus ou de p1 ou p2 pour les dés malus.</translation>
    </message>
    <message>
        <source>Column %1: write cod N, with N from 0 to 30 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonne %1 : écrivez cod N, N allant de 0 à 30 dés.</translation>
    </message>
    <message>
        <source>Column %1: write sr N, with N from 1 to 50 dice.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonne %1 : écrivez sr N, N allant de 1 à 50 dés.</translation>
    </message>
    <message>
        <source>Column %1: write fate+M, with M from -5 to +8.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonne %1 : écrivez fate+M, M allant de -5 à +8.</translation>
    </message>
    <message>
        <source>Column %1: write dnd+M dcD for a check or dnd+M acA for an attack, with M from -5 to +15 and D or A from 1 to 40, then adv or dis if needed.</source>
        <extracomment>Keep the shorthand&apos;s letters and signs as they are: they are what the player types.</extracomment>
        <translation>Colonne %1 : écrivez dnd+M dcD pour un test ou dnd+M acA pour une attaque, M allant de -5 à +15 et D ou A de 1 à 40, suivi au besoin de adv ou dis.</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>The result frame&apos;s caption after a roll: %1 is the roll, such as 3d6.</extracomment>
        <translation>Résultat&#xa0;: %1</translation>
    </message>
    <message>
        <source>The roll book&apos;s file was damaged; it was copied to %1, and the book was carried over to a new file.</source>
        <extracomment>%1 is the full name of the damaged file, kept for recovery.</extracomment>
        <translation>Le fichier du livre de jets était endommagé ; il a été copié vers %1, et le livre a été repris dans un nouveau fichier.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>Spoken after a roll with an outcome: the roll, its total and what it means, such as &quot;bitd 3: 5, Partial&quot;.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Column %1: a } should close the group.</source>
        <translation>Colonne %1&#xa0;: une } devrait fermer le groupe.</translation>
    </message>
    <message>
        <source>Column %1: this } has no { before it.</source>
        <translation>Colonne %1&#xa0;: cette } n’a pas de { avant elle.</translation>
    </message>
    <message>
        <source>Column %1: a group cannot hold another group.</source>
        <translation>Colonne %1&#xa0;: un groupe ne peut pas en contenir un autre.</translation>
    </message>
    <message>
        <source>Column %1: only keep, drop or a target such as kh1 or &gt;=10 may follow a group.</source>
        <extracomment>Keep the examples as they are: they are what the player types.</extracomment>
        <translation>Colonne %1&#xa0;: seuls garder, écarter ou une cible comme kh1 ou &gt;=10 peuvent suivre un groupe.</translation>
    </message>
    <message>
        <source>Column %1: a group of one roll adds dice only, such as {4d6+2d8}.</source>
        <extracomment>Keep the example as it is: it is what the player types.</extracomment>
        <translation>Colonne %1&#xa0;: un groupe d’un seul jet n’additionne que des dés, comme {4d6+2d8}.</translation>
    </message>
    <message>
        <source>Column %1: in a group of one roll, keep, drop and targets go after the }.</source>
        <translation>Colonne %1&#xa0;: dans un groupe d’un seul jet, garder, écarter et les cibles se placent après la }.</translation>
    </message>
    <message>
        <source>no outcome: %1</source>
        <extracomment>The share of rolls whose result falls in none of the roll&apos;s bands.</extracomment>
        <translation>aucune issue&#xa0;: %1</translation>
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
