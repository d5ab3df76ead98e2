<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>the answer could not be read</source>
        <translation>la réponse n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>That divides by zero, and an answer that divides by zero never counts.</source>
        <translation>Là, on divise par zéro, et une réponse qui divise par zéro ne compte jamais.</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>C&apos;est juste&#xa0;!</translation>
    </message>
    <message>
        <source>The computer&apos;s own 15-digit arithmetic meets a division by zero on the way, so the computer could never find this answer.</source>
        <translation>Avec son propre calcul à 15 chiffres, l&apos;ordinateur tombe sur une division par zéro en chemin&#xa0;: il ne pourrait donc jamais trouver cette réponse.</translation>
    </message>
    <message>
        <source>The computer&apos;s own 15-digit arithmetic makes it %1, so the computer could never find this answer.</source>
        <translation>Avec son propre calcul à 15 chiffres, l&apos;ordinateur obtient %1&#xa0;: il ne pourrait donc jamais trouver cette réponse.</translation>
    </message>
    <message>
        <source>That makes %1, not %2.</source>
        <translation>Cela fait %1, pas %2.</translation>
    </message>
    <message>
        <source>The computer&apos;s own 15-digit arithmetic would round it to %1 and count it, but exactly it is not %1.</source>
        <translation>Avec son propre calcul à 15 chiffres, l&apos;ordinateur arrondirait ta réponse à %1 et la compterait juste, mais en valeur exacte, ce n&apos;est pas %1.</translation>
    </message>
    <message>
        <source>At school this would make %1, but the game adds before it subtracts; you can choose the school order in Options &gt; Rules.</source>
        <extracomment>%1 is the answer card; &quot;Options &gt; Rules&quot; names the Options window and its Rules page</extracomment>
        <translation>À l&apos;école, cela ferait %1, mais le jeu fait les additions avant les soustractions&#xa0;; tu peux choisir l&apos;ordre de l&apos;école dans Options &gt; Règles.</translation>
    </message>
    <message>
        <source>At school this would make %1, but the game multiplies before it divides; you can choose the school order in Options &gt; Rules.</source>
        <translation>À l&apos;école, cela ferait %1, mais le jeu fait les multiplications avant les divisions&#xa0;; tu peux choisir l&apos;ordre de l&apos;école dans Options &gt; Règles.</translation>
    </message>
    <message>
        <source>At school this would make %1, but the game multiplies before it divides and adds before it subtracts; you can choose the school order in Options &gt; Rules.</source>
        <translation>À l&apos;école, cela ferait %1, mais le jeu fait les multiplications avant les divisions et les additions avant les soustractions&#xa0;; tu peux choisir l&apos;ordre de l&apos;école dans Options &gt; Règles.</translation>
    </message>
</context>
<context>
    <name>AnswerMessage</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>one</source>
        <translation>une</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>once</source>
        <translation>une fois</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>deux fois</translation>
    </message>
    <message>
        <source>%1 times</source>
        <extracomment>&quot;three times&quot;: %1 is a number in words (three) or, above ten, in digits</extracomment>
        <translation>%1 fois</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>Type an answer that uses every face card once.</source>
        <translation>Écris une réponse qui utilise chaque carte une fois.</translation>
    </message>
    <message>
        <source>The answer is longer than %1 characters, more than the game reads.</source>
        <translation>La réponse dépasse %1 caractères&#xa0;: c&apos;est plus que ce que le jeu peut lire.</translation>
    </message>
    <message>
        <source>The answer holds a character that is not a number, an operator or a bracket.</source>
        <translation>La réponse contient un caractère qui n&apos;est ni un nombre, ni un signe d&apos;opération, ni une parenthèse.</translation>
    </message>
    <message>
        <source>Only the answer card may follow &apos;=&apos;, at the very end.</source>
        <translation>Après «&#xa0;=&#xa0;», seule la carte cible peut venir, tout à la fin.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number, an operator or a bracket.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni un nombre, ni un signe d&apos;opération, ni une parenthèse.</translation>
    </message>
    <message>
        <source>Your answer uses %1, which is not on the table.</source>
        <translation>Ta réponse utilise %1, qui n&apos;est pas sur la table.</translation>
    </message>
    <message>
        <source>Your answer uses %1 %2, but the table has %3.</source>
        <extracomment>&quot;Your answer uses 3 three times, but the table has two.&quot;</extracomment>
        <translation>Ta réponse utilise %1 %2, mais il y en a %3 sur la table.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a list of cards: &quot;3, 4 and 5&quot;</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Your answer leaves out %1: every face card is used once.</source>
        <translation>Ta réponse oublie %1&#xa0;: chaque carte doit servir une fois.</translation>
    </message>
    <message>
        <source>A minus sign must stand between two numbers.</source>
        <translation>Un signe moins doit se trouver entre deux nombres.</translation>
    </message>
    <message>
        <source>An operator must stand between two numbers.</source>
        <translation>Un signe d&apos;opération doit se trouver entre deux nombres.</translation>
    </message>
    <message>
        <source>An operator is missing between two numbers.</source>
        <translation>Il manque un signe d&apos;opération entre deux nombres.</translation>
    </message>
    <message>
        <source>A pair of brackets holds nothing.</source>
        <translation>Une paire de parenthèses est vide.</translation>
    </message>
    <message>
        <source>A bracket is not closed.</source>
        <translation>Une parenthèse n&apos;est pas fermée.</translation>
    </message>
    <message>
        <source>A closing bracket has no opening bracket.</source>
        <translation>Une parenthèse fermante n&apos;a pas de parenthèse ouvrante.</translation>
    </message>
    <message>
        <source>There are too many brackets inside one another.</source>
        <translation>Il y a trop de parenthèses les unes dans les autres.</translation>
    </message>
    <message>
        <source>Your answer ends with = %1, but the answer card is %2.</source>
        <translation>Ta réponse finit par = %1, mais la carte cible est %2.</translation>
    </message>
    <message>
        <source>Only %1 may be used now, not %2.</source>
        <extracomment>%1: the operations allowed, as signs (&quot;+ −&quot;); %2: the sign typed, as × or ÷</extracomment>
        <translation>Seuls %1 sont permis maintenant, pas %2.</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Add (key +)</source>
        <translation>Additionner (touche +)</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Subtract (key -)</source>
        <translation>Soustraire (touche -)</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Multiply (key * or x)</source>
        <translation>Multiplier (touche * ou x)</translation>
    </message>
    <message>
        <source>Divided by</source>
        <translation>Divisé par</translation>
    </message>
    <message>
        <source>Divide (key /)</source>
        <translation>Diviser (touche /)</translation>
    </message>
    <message>
        <source>Nothing can be divided by 0. Pick another card or operation.</source>
        <translation>On ne peut rien diviser par 0. Choisis une autre carte ou une autre opération.</translation>
    </message>
    <message>
        <source>%1 makes %2, which is not a whole number. Only whole numbers are allowed.</source>
        <translation>%1 fait %2, qui n&apos;est pas un nombre entier. Seuls les entiers naturels (0, 1, 2, 3...) sont permis.</translation>
    </message>
    <message>
        <source>%1 makes %2, which is below zero. Only whole numbers from 0 up are allowed.</source>
        <translation>%1 fait %2, qui est en dessous de zéro. Seuls les entiers naturels (0, 1, 2, 3...) sont permis.</translation>
    </message>
    <message>
        <source>That number is too large to work with. Pick another step.</source>
        <translation>Ce nombre est trop grand pour continuer. Choisis une autre étape.</translation>
    </message>
    <message>
        <source>Pick this card (key %1)</source>
        <translation>Choisir cette carte (touche %1)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Take back the last step (Backspace or Ctrl+Z)</source>
        <translation>Reprendre la dernière étape (Retour arrière ou Ctrl+Z)</translation>
    </message>
    <message>
        <source>Start &amp;Over</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>Back to the cards on the table (Esc)</source>
        <translation>Revenir aux cartes de la table (Esc)</translation>
    </message>
    <message>
        <source>&amp;Whole numbers only</source>
        <translation>&amp;Entiers naturels seulement</translation>
    </message>
    <message>
        <source>Refuse a step that makes a fraction or a number below zero</source>
        <translation>Refuser une étape qui donne une fraction ou un nombre en dessous de zéro</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>S&amp;teps:</source>
        <translation>Éta&amp;pes&#xa0;:</translation>
    </message>
    <message>
        <source>Make %1: pick a card, an operation and another card, and go on until one card is left.</source>
        <translation>Obtiens %1&#xa0;: choisis une carte, une opération et une autre carte, et continue jusqu&apos;à ce qu&apos;il ne reste qu&apos;une carte.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A step on the board, for a screen reader: &quot;Step 2: 15 ÷ 6 = 5/2&quot;</extracomment>
        <translation>Étape %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Only %1 may be used now, not %2.</source>
        <extracomment>%1: the operations allowed, as signs (&quot;+ −&quot;); %2: the sign of the one pressed</extracomment>
        <translation>Seuls %1 sont permis maintenant, pas %2.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>pelorand: --worksheet: the file %1 could not be written</source>
        <translation>pelorand: --worksheet: impossible d&apos;écrire le fichier %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is given twice; give it once</source>
        <translation>%1 est donné deux fois&#xa0;; donne-le une seule fois</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <extracomment>&quot;--cards needs the number of face cards, 3 to 7&quot;</extracomment>
        <translation>%1 attend %2</translation>
    </message>
    <message>
        <source>give how many puzzles to deal, a whole number from 1 to 10000</source>
        <translation>indique combien de problèmes distribuer, un nombre entier de 1 à 10000</translation>
    </message>
    <message>
        <source>the number of face cards, 3 to 7</source>
        <translation>le nombre de cartes, de 3 à 7</translation>
    </message>
    <message>
        <source>the highest card, 1 to 99</source>
        <translation>la carte la plus haute, de 1 à 99</translation>
    </message>
    <message>
        <source>a difficulty from 1 to 5</source>
        <translation>une difficulté de 1 à 5</translation>
    </message>
    <message>
        <source>a whole number from 0 to 4294967295</source>
        <translation>un nombre entier de 0 à 4294967295</translation>
    </message>
    <message>
        <source>game or school</source>
        <translation>game ou school</translation>
    </message>
    <message>
        <source>give one deck file, not two (&apos;%1&apos; and &apos;%2&apos;)</source>
        <translation>donne un seul fichier de paquet, pas deux («&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>give --seed or a deck file, not both</source>
        <translation>donne --seed ou un fichier de paquet, pas les deux</translation>
    </message>
    <message>
        <source>a date written YYYY-MM-DD</source>
        <translation>une date écrite YYYY-MM-DD</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option of --today</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une option de --today</translation>
    </message>
    <message>
        <source>--date needs a date written YYYY-MM-DD, such as 2026-12-07, not &apos;%1&apos;</source>
        <translation>--date attend une date écrite YYYY-MM-DD, comme 2026-12-07, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>level %1</source>
        <extracomment>the end of a line of --deal: &quot;=&gt; 24 level 3&quot; (level - when the puzzle has no answer)</extracomment>
        <translation>niveau %1</translation>
    </message>
    <message>
        <source>pelorand: --today: no puzzle with an answer turned up for that day.</source>
        <translation>pelorand: --today: aucun problème avec une solution n&apos;a été trouvé pour ce jour-là.</translation>
    </message>
    <message>
        <source>the number of puzzles, 1 to 60</source>
        <translation>le nombre de problèmes, de 1 à 60</translation>
    </message>
    <message>
        <source>the puzzles on a page: 4, 6, 8 or 12</source>
        <translation>le nombre de problèmes par page&#xa0;: 4, 6, 8 ou 12</translation>
    </message>
    <message>
        <source>a worksheet code</source>
        <translation>un code de fiche</translation>
    </message>
    <message>
        <source>the title line</source>
        <translation>la ligne de titre</translation>
    </message>
    <message>
        <source>the name of the PDF file to write</source>
        <translation>le nom du fichier PDF à écrire</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; name the PDF file after -o</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une option&#xa0;; donne le nom du fichier PDF après -o</translation>
    </message>
    <message>
        <source>name the PDF file to write with -o FILE.pdf</source>
        <translation>donne le nom du fichier PDF à écrire avec -o FILE.pdf</translation>
    </message>
    <message>
        <source>no such file or no permission to read it</source>
        <translation>ce fichier n&apos;existe pas ou tu n&apos;as pas le droit de le lire</translation>
    </message>
    <message>
        <source>a deck file is exactly 55 bytes</source>
        <translation>un fichier de paquet fait exactement 55 octets</translation>
    </message>
    <message>
        <source>pelorand: --deal: cannot read the deck &apos;%1&apos;: %2</source>
        <translation>pelorand: --deal: impossible de lire le paquet «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>give 3 to 7 face cards and then the answer card, then the answer in quotes</source>
        <translation>donne de 3 à 7 cartes, puis la carte cible, puis la réponse entre guillemets</translation>
    </message>
    <message>
        <source>give 3 to 7 face cards and then the answer card</source>
        <translation>donne de 3 à 7 cartes, puis la carte cible</translation>
    </message>
    <message>
        <source>the answer in quotes comes last, once, after the answer card</source>
        <translation>la réponse entre guillemets vient en dernier, une seule fois, après la carte cible</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card: each card and the answer must be a whole number from 1 to 99</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une carte&#xa0;: chaque carte et la carte cible doivent être des nombres entiers de 1 à 99</translation>
    </message>
    <message>
        <source>give the answer in quotes after the answer card</source>
        <translation>donne la réponse entre guillemets après la carte cible</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (a deck file whose name starts with &apos;-&apos; opens as ./%1 or after --)</source>
        <translation>option inconnue «&#xa0;%1&#xa0;» (un fichier de paquet dont le nom commence par «&#xa0;-&#xa0;» s&apos;ouvre en l&apos;écrivant ./%1 ou après --)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; did you mean %2? (a deck file whose name starts with &apos;-&apos; opens as ./%1 or after --)</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»&#xa0;; voulais-tu dire %2&#xa0;? (un fichier de paquet dont le nom commence par «&#xa0;-&#xa0;» s&apos;ouvre en l&apos;écrivant ./%1 ou après --)</translation>
    </message>
    <message>
        <source>Try &apos;pelorand --help&apos; for more information.</source>
        <translation>Essaie «&#xa0;pelorand --help&#xa0;» pour en savoir plus.</translation>
    </message>
    <message>
        <source>answers: %1</source>
        <extracomment>--solve&apos;s first line: how many answers solve, &quot;answers: 3&quot;</extracomment>
        <translation>réponses&#xa0;: %1</translation>
    </message>
    <message>
        <source>solutions: %1</source>
        <translation>solutions&#xa0;: %1</translation>
    </message>
    <message>
        <source>error: column %1: %2</source>
        <translation>erreur&#xa0;: colonne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>value: %1</source>
        <translation>valeur&#xa0;: %1</translation>
    </message>
    <message>
        <source>none (divides by zero)</source>
        <translation>aucune (division par zéro)</translation>
    </message>
    <message>
        <source>solves</source>
        <translation>résout le problème</translation>
    </message>
    <message>
        <source>does not solve</source>
        <translation>ne résout pas le problème</translation>
    </message>
    <message>
        <source>pelorand: the game needs a display; --solve, --check, --deal and --worksheet work without one (see --help)</source>
        <translation>pelorand: le jeu a besoin d&apos;un écran&#xa0;; --solve, --check, --deal et --worksheet fonctionnent sans écran (voir --help)</translation>
    </message>
    <message>
        <source>the same for the computer&apos;s own attempts: how many of the texts its search
can write solve by its 15-digit arithmetic, and up to 20 of them</source>
        <extracomment>--help&apos;s paragraph on --solve --search; keep the line breaks (lines of about 78 characters)</extracomment>
        <translation>la même chose pour les essais de l&apos;ordinateur&#xa0;: combien des textes que sa
recherche peut écrire résolvent le problème avec son calcul à 15 chiffres, et
jusqu&apos;à 20 d&apos;entre eux</translation>
    </message>
    <message>
        <source>the order of operations to read and write in: game (the default: brackets,
then every *, then every /, then every +, then every -) or school
(brackets, then * and / left to right, then + and - left to right)</source>
        <extracomment>--help&apos;s paragraph on --order; keep the line breaks (lines of about 78 characters), and game and school as they are</extracomment>
        <translation>l&apos;ordre des opérations pour lire et écrire&#xa0;: game (par défaut&#xa0;: parenthèses,
puis tous les *, puis tous les /, puis tous les +, puis tous les -) ou school
(parenthèses, puis * et / de gauche à droite, puis + et - de gauche à droite)</translation>
    </message>
    <message>
        <source>start the game with a saved deck (.pld)</source>
        <extracomment>--help&apos;s line on DECK-FILE</extracomment>
        <translation>lance le jeu avec un paquet enregistré (.pld)</translation>
    </message>
    <message>
        <source>count every distinct answer that solves the puzzle and show up to 20, simplest
first; answers that differ only in the order or grouping of things added or
multiplied count once. 3 to 7 face cards and the answer card, each 1 to 99.
Exit status 0 when it has an answer, 1 when it has none, 2 for bad arguments</source>
        <extracomment>--help&apos;s paragraph on --solve; keep the line breaks (lines of about 78 characters)</extracomment>
        <translation>compte toutes les réponses différentes qui résolvent le problème et en montre
jusqu&apos;à 20, les plus simples d&apos;abord&#xa0;; les réponses qui ne diffèrent que par
l&apos;ordre ou le groupement des nombres additionnés ou multipliés comptent une
fois. De 3 à 7 cartes et la carte cible, chacune de 1 à 99. Code de sortie 0
s&apos;il y a une réponse, 1 s&apos;il n&apos;y en a aucune, 2 pour des arguments incorrects</translation>
    </message>
    <message>
        <source>check your own answer, such as &quot;5 + 3 * 7 - 2&quot;, exactly; prints it as the
game read it, its exact value (a whole number or a fraction such as 17/3)
and whether it solves. Exit status 0 when it solves, 1 when it does not,
2 when it cannot be read or the arguments are wrong</source>
        <extracomment>--help&apos;s paragraph on --check; keep the line breaks (lines of about 78 characters)</extracomment>
        <translation>vérifie exactement ta propre réponse, comme &quot;5 + 3 * 7 - 2&quot;&#xa0;; l&apos;écrit comme le
jeu l&apos;a lue, avec sa valeur exacte (un nombre entier ou une fraction comme
17/3), et dit si elle résout le problème. Code de sortie 0 si elle le résout,
1 sinon, 2 si elle ne peut pas être lue ou si les arguments sont incorrects</translation>
    </message>
    <message>
        <source>print N puzzles (1 to 10000) as the game puts them on the table, one a line:
C1 ... Cn =&gt; A  level K (level - when it has no answer). From a fresh deck
shuffled from seed S (or from the clock), with C face cards (3 to 7, default
5) and highest card H (1 to 99, default 25): the game&apos;s first deal, then
each Deal. From a saved deck, with its own cards and highest card unless
given: first the deck&apos;s own puzzle, as opening the deck shows it, then each
Deal after it. --answer-only deals only puzzles with an answer, --level L
only puzzles of difficulty L (1 easy to 5 hard); the deck&apos;s own puzzle is
printed whatever they say. Exit 0; 1 when no puzzle qualifies; 2 for bad
arguments</source>
        <extracomment>--help&apos;s paragraph on --deal; keep the line breaks (lines of about 78 characters)</extracomment>
        <translation>écrit N problèmes (de 1 à 10000) comme le jeu les met sur la table, un par
ligne&#xa0;: C1 ... Cn =&gt; A  niveau K (niveau - s&apos;il n&apos;a pas de solution). À partir
d&apos;un nouveau paquet mélangé avec la graine S (ou avec l&apos;horloge), avec C
cartes (de 3 à 7, 5 par défaut) et la carte la plus haute H (de 1 à 99, 25 par
défaut)&#xa0;: le premier problème du jeu, puis ceux que donne Distribuer, l&apos;un
après l&apos;autre. À partir d&apos;un paquet enregistré, avec ses propres cartes et sa
carte la plus haute si elles ne sont pas données&#xa0;: d&apos;abord le problème du
paquet, tel qu&apos;il s&apos;affiche à l&apos;ouverture du paquet, puis ceux que donne
Distribuer ensuite. --answer-only ne distribue que des problèmes avec une
solution, --level L que des problèmes de difficulté L, de 1 (facile) à 5
(difficile)&#xa0;; le problème du paquet est écrit quelles que soient ces options.
Code de sortie 0&#xa0;; 1 si aucun problème ne convient&#xa0;; 2 pour des arguments
incorrects</translation>
    </message>
    <message>
        <source>print today&apos;s puzzle as --deal prints a puzzle: fixed by the date alone, the
same on every machine that day, with an answer, of middle difficulty; with
C face cards (3 to 7, default 5), for the date given by --date if any.
Exit status 0; 1 when no puzzle turns up; 2 for bad arguments</source>
        <extracomment>--help&apos;s paragraph on --today; keep the line breaks (lines of about 78 characters)</extracomment>
        <translation>écrit le problème du jour comme --deal écrit un problème&#xa0;: fixé par la date
seule, le même sur chaque ordinateur ce jour-là, avec une solution, de
difficulté moyenne&#xa0;; avec C cartes (de 3 à 7, 5 par défaut), pour la date
donnée par --date s&apos;il y en a une. Code de sortie 0&#xa0;; 1 si aucun problème
n&apos;est trouvé&#xa0;; 2 pour des arguments incorrects</translation>
    </message>
    <message>
        <source>write a worksheet for a class as a PDF file, without a display: N puzzles
(1 to 60, default 20) with an answer, of C cards (default 4) up to H
(default 12), of difficulty L when given, P to a page (4, 6, 8 or 12,
default 8), then a page of answers (unless --no-answers). Prints the
sheet&apos;s code; --code CODE makes the same sheet again. Exit status 0;
1 when no puzzle fits or the file cannot be written; 2 for bad arguments</source>
        <extracomment>--help&apos;s paragraph on --worksheet; keep the line breaks (lines of about 78 characters)</extracomment>
        <translation>écrit une fiche d&apos;exercices pour une classe dans un fichier PDF, sans écran&#xa0;:
N problèmes (de 1 à 60, 20 par défaut) avec une solution, de C cartes (4 par
défaut) jusqu&apos;à H (12 par défaut), de difficulté L si elle est donnée, P par
page (4, 6, 8 ou 12, 8 par défaut), puis une page des solutions (sauf avec
--no-answers). Affiche le code de la fiche&#xa0;; --code CODE refait la même fiche.
Code de sortie 0&#xa0;; 1 si aucun problème ne convient ou si le fichier ne peut
pas être écrit&#xa0;; 2 pour des arguments incorrects</translation>
    </message>
    <message>
        <source>show this text</source>
        <extracomment>--help&apos;s line on --help</extracomment>
        <translation>affiche ce texte</translation>
    </message>
    <message>
        <source>show the version</source>
        <extracomment>--help&apos;s line on --version</extracomment>
        <translation>affiche la version</translation>
    </message>
    <message>
        <source>what follows is a deck file name, even one that starts with &apos;-&apos;</source>
        <extracomment>--help&apos;s line on --</extracomment>
        <translation>ce qui suit est un nom de fichier de paquet, même s&apos;il commence par «&#xa0;-&#xa0;»</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>--help&apos;s first line; %1 is &quot;pelorand [DECK-FILE]&quot;, and the lines of usage below it start under the p</extracomment>
        <translation>Usage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pelorand is an arithmetic card puzzle: make the answer card from all the face cards,
each used once, with + - * / and brackets, in the game&apos;s own order of operations
(brackets, then multiplication, division, addition and subtraction, each left to right).

Two rules. Your answers are worked out exactly, in whole numbers and fractions: an answer
solves when it makes exactly the answer card and never divides by zero. The computer&apos;s own
search works every step to 15 digits and counts only an exact hit, so it can miss answers
that you can find.</source>
        <translation>Pelorand est un jeu de calcul avec des cartes&#xa0;: obtiens la carte cible avec toutes les cartes,
chacune une seule fois, avec + - * / et des parenthèses, dans l&apos;ordre des opérations du jeu
(parenthèses, puis multiplication, division, addition et soustraction, chaque fois de gauche à
droite).

Deux règles. Tes réponses sont calculées exactement, en nombres entiers et en fractions&#xa0;: une
réponse résout le problème quand elle donne exactement la carte cible et ne divise jamais par
zéro. La recherche de l&apos;ordinateur calcule chaque étape avec 15 chiffres et ne compte qu&apos;un
résultat exact&#xa0;: elle peut donc manquer des réponses que toi, tu peux trouver.</translation>
    </message>
    <message>
        <source>Results go to standard output; every error and message goes to standard error.</source>
        <translation>Les résultats vont sur la sortie standard&#xa0;; chaque erreur et chaque message vont sur la sortie
d&apos;erreur standard.</translation>
    </message>
    <message>
        <source>a code holds the cards, highest card, level, count and operations: give --code or those, not both</source>
        <translation>un code contient les cartes, la carte la plus haute, le niveau, le nombre de problèmes et les opérations&#xa0;: donne --code ou ces options, pas les deux</translation>
    </message>
    <message>
        <source>the operations allowed: all, +- or +-*</source>
        <translation>les opérations permises&#xa0;: all, +- ou +-*</translation>
    </message>
    <message>
        <source>--ops needs the operations allowed: all (the default), +- for + and - only, or +-* for +, - and *, not &apos;%1&apos;</source>
        <extracomment>%1: what was typed after --ops; keep all, +- and +-* as they are</extracomment>
        <translation>--ops attend les opérations permises&#xa0;: all (par défaut), +- pour + et - seulement, ou +-* pour +, - et *, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the operations answers may use: all (the default), +- for + and - only, or
+-* for +, - and *; answers, levels and deals count only answers that keep
to them</source>
        <extracomment>--help&apos;s paragraph on --ops; keep the line breaks (lines of about 78 characters), and all, +- and +-* as they are</extracomment>
        <translation>les opérations que les réponses peuvent utiliser&#xa0;: all (par défaut), +- pour
+ et - seulement, ou +-* pour +, - et *&#xa0;; réponses, niveaux et problèmes ne
comptent que les réponses qui s&apos;y tiennent</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Save puzzle</source>
        <translation>Enregistrer le problème</translation>
    </message>
    <message>
        <source>Puzzles (*.PLD)</source>
        <translation>Problèmes (*.PLD)</translation>
    </message>
    <message>
        <source>Spreadsheet tables (*.csv)</source>
        <translation>Tableaux pour tableur (*.csv)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>Dealing</name>
    <message>
        <source>No puzzle of difficulty %1 turned up in %2 deals</source>
        <translation>Aucun problème de difficulté %1 n&apos;est sorti en %2 distributions</translation>
    </message>
    <message>
        <source>No puzzle with an answer turned up in %1 deals</source>
        <translation>Aucun problème avec une solution n&apos;est sorti en %1 distributions</translation>
    </message>
    <message>
        <source>%1, so the puzzle on the table stays. Choose another difficulty, number of cards or highest card in Options.</source>
        <extracomment>%1: &quot;No puzzle of difficulty 5 turned up in 104 deals&quot;</extracomment>
        <translation>%1&#xa0;: le problème sur la table reste donc. Dans Options, change la difficulté, le nombre de cartes ou la carte la plus haute.</translation>
    </message>
    <message>
        <source>%1, so the puzzle on the table stays. Choose more cards or a higher highest card in Options.</source>
        <translation>%1&#xa0;: le problème sur la table reste donc. Dans Options, prends plus de cartes ou monte la carte la plus haute.</translation>
    </message>
    <message>
        <source>%1, so the next puzzle is dealt as it comes. Choose another difficulty, number of cards or highest card in Options.</source>
        <translation>%1&#xa0;: le problème suivant est donc distribué tel qu&apos;il vient. Dans Options, change la difficulté, le nombre de cartes ou la carte la plus haute.</translation>
    </message>
    <message>
        <source>%1, so the next puzzle is dealt as it comes. Choose more cards or a higher highest card in Options.</source>
        <translation>%1&#xa0;: le problème suivant est donc distribué tel qu&apos;il vient. Dans Options, prends plus de cartes ou monte la carte la plus haute.</translation>
    </message>
</context>
<context>
    <name>Deck</name>
    <message>
        <source>The file is not a valid puzzle deck: it has %1 face cards, where 3 to 7 are possible.</source>
        <translation>Ce fichier n&apos;est pas un paquet de cartes valide&#xa0;: il a %1 cartes, alors que 3 à 7 sont possibles.</translation>
    </message>
    <message>
        <source>The file is not a valid puzzle deck: its answer card position %1 lies beyond the deck.</source>
        <translation>Ce fichier n&apos;est pas un paquet de cartes valide&#xa0;: la position %1 de sa carte cible est au-delà du paquet.</translation>
    </message>
    <message>
        <source>The file is not a valid puzzle deck: its highest card %1 is outside 1 to 99.</source>
        <translation>Ce fichier n&apos;est pas un paquet de cartes valide&#xa0;: sa carte la plus haute, %1, n&apos;est pas entre 1 et 99.</translation>
    </message>
    <message>
        <source>The file is not a valid puzzle deck: it holds a card of %1, above 99.</source>
        <translation>Ce fichier n&apos;est pas un paquet de cartes valide&#xa0;: il contient une carte de %1, au-dessus de 99.</translation>
    </message>
</context>
<context>
    <name>ExactSteps</name>
    <message>
        <source>%1: a division by zero</source>
        <extracomment>a step that cannot be worked out: &quot;8 / 0: a division by zero&quot;</extracomment>
        <translation>%1&#xa0;: une division par zéro</translation>
    </message>
    <message>
        <source>%1: too large to work out</source>
        <translation>%1&#xa0;: trop grand pour être calculé</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Cannot find the help file %1. The help contents cannot be shown.</source>
        <translation>Impossible de trouver le fichier d&apos;aide %1. L&apos;aide ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>Pelorand Help</source>
        <translation>Aide de Pelorand</translation>
    </message>
</context>
<context>
    <name>PlayLog</name>
    <message>
        <source>solved</source>
        <translation>résolu</translation>
    </message>
    <message>
        <source>solved with hints</source>
        <translation>résolu avec indices</translation>
    </message>
    <message>
        <source>the computer first</source>
        <translation>ordinateur premier</translation>
    </message>
    <message>
        <source>given up</source>
        <translation>abandonné</translation>
    </message>
    <message>
        <source>no answer spotted</source>
        <translation>bien vu&#xa0;: pas de solution</translation>
    </message>
    <message>
        <source>said no answer, but there is one</source>
        <translation>«&#xa0;pas de solution&#xa0;» dit, mais il y en a une</translation>
    </message>
    <message>
        <source>left unsolved</source>
        <translation>laissé sans solution</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>annuler</translation>
    </message>
    <message>
        <source>start over</source>
        <translation>recommencer</translation>
    </message>
    <message>
        <source>hint: %1</source>
        <extracomment>a hint given while playing; %1 is the step it showed</extracomment>
        <translation>indice&#xa0;: %1</translation>
    </message>
    <message>
        <source>checked: %1</source>
        <extracomment>a typed answer checked; %1 is the answer as typed</extracomment>
        <translation>vérifié&#xa0;: %1</translation>
    </message>
    <message>
        <source>When,Player,Cards,Answer card,Level,Operations,Result,Time (s),Steps</source>
        <extracomment>the header row of the exported log of play, one column name each between the commas</extracomment>
        <translation>Quand,Joueur,Cartes,Carte cible,Niveau,Opérations,Résultat,Temps (s),Étapes</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>hint: the cards can no longer make the answer card</source>
        <translation>indice&#xa0;: ces cartes ne peuvent plus faire la carte cible</translation>
    </message>
    <message>
        <source>said: no answer</source>
        <translation>a dit&#xa0;: pas de solution</translation>
    </message>
</context>
<context>
    <name>PlayRecord</name>
    <message>
        <source>Cards,Level,Dealt,Solved,Solved with hints,Computer first,Given up,Best time (s),Median time (s),Current run,Longest run</source>
        <extracomment>the header row of the exported statistics, one column name each between the commas</extracomment>
        <translation>Cartes,Niveau,Distribués,Résolus,Résolus avec indices,Ordinateur premier,Abandonnés,Meilleur temps (s),Temps médian (s),Série en cours,Meilleure série</translation>
    </message>
    <message>
        <source>%1.%2 s</source>
        <extracomment>a time to a right answer: &quot;1.9 s&quot; (seconds and tenths)</extracomment>
        <translation>%1,%2&#xa0;s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1 (old rating)</source>
        <translation>%1 (ancien calcul)</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Type a name first.</source>
        <translation>Écris d&apos;abord un nom.</translation>
    </message>
    <message>
        <source>A name can have at most %1 letters.</source>
        <translation>Un nom peut avoir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>A name cannot hold tabs or line breaks.</source>
        <translation>Un nom ne peut pas contenir de tabulations ni de retours à la ligne.</translation>
    </message>
    <message>
        <source>There is a player called %1 already.</source>
        <translation>Il y a déjà un joueur qui s&apos;appelle %1.</translation>
    </message>
</context>
<context>
    <name>PuzzleText</name>
    <message>
        <source>&quot;%1&quot; is not a card: write every card as a whole number, as in %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une carte&#xa0;: écris chaque carte comme un nombre entier, comme dans %2.</translation>
    </message>
    <message>
        <source>Cards go from 1 to 99, and %1 is not one of them.</source>
        <translation>Les cartes vont de 1 à 99, et %1 n&apos;en fait pas partie.</translation>
    </message>
    <message>
        <source>That is far too long for a puzzle: write 3 to 7 face cards, then &quot;=&quot; and the answer card, as in %1.</source>
        <translation>C&apos;est bien trop long pour un problème&#xa0;: écris 3 à 7 cartes, puis «&#xa0;=&#xa0;» et la carte cible, comme dans %1.</translation>
    </message>
    <message>
        <source>There is no puzzle to read: write the face cards, then &quot;=&quot; and the answer card, as in %1.</source>
        <translation>Il n&apos;y a pas de problème à lire&#xa0;: écris les cartes, puis «&#xa0;=&#xa0;» et la carte cible, comme dans %1.</translation>
    </message>
    <message>
        <source>The answer card is missing: write &quot;=&quot; and the answer card after the face cards, as in %1.</source>
        <translation>Il manque la carte cible&#xa0;: écris «&#xa0;=&#xa0;» et la carte cible après les cartes, comme dans %1.</translation>
    </message>
    <message>
        <source>Write one answer card after the &quot;=&quot;, as in %1.</source>
        <translation>Écris une seule carte cible après le «&#xa0;=&#xa0;», comme dans %1.</translation>
    </message>
    <message>
        <source>A puzzle has 3 to 7 face cards, and this text has %1.</source>
        <translation>Un problème a de 3 à 7 cartes, et ce texte en a %1.</translation>
    </message>
</context>
<context>
    <name>RecordCharts</name>
    <message>
        <source>Median times with &amp;cards:</source>
        <translation>Temps médians, nombre de &amp;cartes&#xa0;:</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>Enregistrer en &amp;PNG...</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Niveau %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Level %1: no right answer yet</source>
        <translation>Niveau %1&#xa0;: pas encore de solution</translation>
    </message>
    <message>
        <source>Median time to a right answer with %1 cards</source>
        <translation>Temps médian pour trouver une solution avec %1 cartes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Level (1 easy, 5 hard)</source>
        <translation>Niveau (1 facile, 5 difficile)</translation>
    </message>
    <message>
        <source>No right answers yet with %1 cards</source>
        <translation>Pas encore de solution avec %1 cartes</translation>
    </message>
    <message>
        <source>W%1</source>
        <translation>S%1</translation>
    </message>
    <message>
        <source>Week %1 of %2: %3</source>
        <translation>Semaine %1 de %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>No right answers yet</source>
        <translation>Pas encore de solution</translation>
    </message>
    <message>
        <source>No right answers in the last %1 weeks</source>
        <translation>Aucune solution ces %1 dernières semaines</translation>
    </message>
    <message>
        <source>Puzzles solved per week</source>
        <translation>Problèmes résolus par semaine</translation>
    </message>
    <message>
        <source>puzzles</source>
        <translation>problèmes</translation>
    </message>
    <message>
        <source>Week of the year, %1</source>
        <translation>Semaine de l&apos;année, %1</translation>
    </message>
    <message>
        <source>Save charts as PNG</source>
        <translation>Enregistrer les graphiques en PNG</translation>
    </message>
    <message>
        <source>The charts could not be saved to %1: %2.</source>
        <translation>Les graphiques n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Enregistré dans %1.</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Your turn: %1</source>
        <translation>À toi de jouer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your turn: no time limit</source>
        <translation>À toi de jouer&#xa0;: sans limite de temps</translation>
    </message>
    <message>
        <source>Looking for a solution...</source>
        <translation>Recherche d&apos;une solution...</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Got it, do you give up?</source>
        <translation>Trouvé&#xa0;! Tu abandonnes&#xa0;?</translation>
    </message>
    <message>
        <source>Broken down like this:</source>
        <translation>Décomposé ainsi&#xa0;:</translation>
    </message>
    <message>
        <source>Solution found.</source>
        <translation>Solution trouvée.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>There is no answer: these cards cannot make %1.</source>
        <translation>Il n&apos;y a pas de solution&#xa0;: ces cartes ne peuvent jamais faire %1.</translation>
    </message>
</context>
<context>
    <name>Tally</name>
    <message>
        <source>You %1 (%2 with hints), the computer %3</source>
        <translation>Toi %L1 (dont %L2 avec indices), l&apos;ordinateur %L3</translation>
    </message>
    <message>
        <source>You %1, the computer %2</source>
        <translation>Toi %L1, l&apos;ordinateur %L2</translation>
    </message>
</context>
<context>
    <name>TileButton</name>
    <message>
        <source>Card %1</source>
        <extracomment>A card on the board, for a screen reader: &quot;Card 5/2&quot;</extracomment>
        <translation>Carte %1</translation>
    </message>
    <message>
        <source>Hint: pick this card next</source>
        <translation>Indice&#xa0;: choisis cette carte ensuite</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message numerus="yes">
        <source>%Ln answer(s)</source>
        <translation>
            <numerusform>%Ln solution</numerusform>
            <numerusform>%Ln solutions</numerusform>
        </translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Vérification...</translation>
    </message>
    <message>
        <source>No solution</source>
        <translation>Aucune solution</translation>
    </message>
    <message>
        <source>beyond the computer</source>
        <translation>l&apos;ordinateur échoue</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>Verdict&#xa0;: %1</translation>
    </message>
    <message>
        <source>Verdict: %1, difficulty %2 of 5, beyond the computer</source>
        <translation>Verdict&#xa0;: %1, difficulté %2 sur 5, l&apos;ordinateur échoue</translation>
    </message>
    <message>
        <source>Verdict: %1, difficulty %2 of 5</source>
        <translation>Verdict&#xa0;: %1, difficulté %2 sur 5</translation>
    </message>
    <message>
        <source>Verdict: %1, beyond the computer</source>
        <translation>Verdict&#xa0;: %1, l&apos;ordinateur échoue</translation>
    </message>
    <message>
        <source>it has no answer</source>
        <translation>il n&apos;a pas de solution</translation>
    </message>
    <message>
        <source>the easiest answer needs a fraction part-way</source>
        <translation>la solution la plus facile a besoin d&apos;une fraction en chemin</translation>
    </message>
    <message>
        <source>the easiest answer needs a division</source>
        <translation>la solution la plus facile a besoin d&apos;une division</translation>
    </message>
    <message numerus="yes">
        <source>the easiest answer needs %n divisions</source>
        <translation>
            <numerusform>la solution la plus facile a besoin de %Ln division</numerusform>
            <numerusform>la solution la plus facile a besoin de %Ln divisions</numerusform>
        </translation>
    </message>
    <message>
        <source>the easiest answer passes the answer card on the way</source>
        <translation>la solution la plus facile dépasse la carte cible en chemin</translation>
    </message>
    <message>
        <source>only one last step reaches the answer</source>
        <translation>une seule dernière étape mène à la carte cible</translation>
    </message>
    <message>
        <source>only %1 different last steps reach the answer</source>
        <translation>seulement %L1 dernières étapes différentes mènent à la carte cible</translation>
    </message>
    <message>
        <source>%1 different card values to use, and no shortcut</source>
        <translation>%L1 valeurs de cartes différentes à utiliser, et pas de raccourci</translation>
    </message>
    <message>
        <source>a 1 to spare: the easiest answer multiplies or divides by 1</source>
        <translation>un 1 en trop&#xa0;: la solution la plus facile multiplie ou divise par 1</translation>
    </message>
    <message>
        <source>the easiest answer just adds up</source>
        <translation>la solution la plus facile ne fait qu&apos;additionner</translation>
    </message>
    <message>
        <source>%1 different last steps reach the answer</source>
        <translation>%L1 dernières étapes différentes mènent à la carte cible</translation>
    </message>
    <message>
        <source>only one card value</source>
        <translation>une seule valeur de carte</translation>
    </message>
    <message>
        <source>only %1 different card values</source>
        <translation>seulement %L1 valeurs de cartes différentes</translation>
    </message>
    <message>
        <source>the easiest answer keeps to small numbers</source>
        <translation>la solution la plus facile reste dans les petits nombres</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Niveau %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Answers: a secret till the end</source>
        <translation>Solutions&#xa0;: un secret jusqu&apos;à la fin</translation>
    </message>
    <message>
        <source>Verdict: the number of answers is a secret until the puzzle is over</source>
        <translation>Verdict&#xa0;: le nombre de solutions reste secret jusqu&apos;à la fin du problème</translation>
    </message>
    <message>
        <source>Now and then a puzzle has no answer,
so the number of answers shows only once this puzzle is over:
when you solve it, say &quot;No answer&quot; rightly, or give up.</source>
        <translation>De temps en temps, un problème n&apos;a pas de solution.
Le nombre de solutions ne s&apos;affiche donc qu&apos;à la fin du problème&#xa0;:
quand tu le résous, quand tu dis «&#xa0;Pas de solution&#xa0;» à raison, ou quand tu abandonnes.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Worked in the game&apos;s order: brackets, then *, then /, then +, then -, each left to right (so 8 / 2 * 2 is 2, and 5 - 2 + 1 is 2).</source>
        <translation>Les calculs suivent l&apos;ordre du jeu&#xa0;: parenthèses, puis *, puis /, puis +, puis -, chacun de gauche à droite (ainsi 8 / 2 * 2 fait 2, et 5 - 2 + 1 fait 2).</translation>
    </message>
    <message>
        <source>Worked in the school order: brackets, then * and / left to right, then + and - left to right (so 8 / 2 * 2 is 8, and 5 - 2 + 1 is 4).</source>
        <translation>Les calculs suivent l&apos;ordre de l&apos;école&#xa0;: parenthèses, puis * et / de gauche à droite, puis + et - de gauche à droite (ainsi 8 / 2 * 2 fait 8, et 5 - 2 + 1 fait 4).</translation>
    </message>
    <message>
        <source>Worksheet code %1</source>
        <translation>Code de la fiche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%Ln solution</numerusform>
            <numerusform>%Ln solutions</numerusform>
        </translation>
    </message>
    <message>
        <source>Answers: %1</source>
        <translation>Solutions&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pelorand worksheet</source>
        <translation>Fiche d&apos;exercices Pelorand</translation>
    </message>
    <message>
        <source>A worksheet code has no &apos;%1&apos;: it is made of the digits 2 to 9 and the letters other than I, L and O.</source>
        <translation>Un code de fiche ne contient jamais «&#xa0;%1&#xa0;»&#xa0;: il est fait des chiffres 2 à 9 et des lettres autres que I, L et O.</translation>
    </message>
    <message>
        <source>This worksheet code has a typing error: check it character by character.</source>
        <translation>Ce code de fiche contient une faute de frappe&#xa0;: vérifie-le caractère par caractère.</translation>
    </message>
    <message>
        <source>This is not a worksheet code: check it character by character.</source>
        <translation>Ce n&apos;est pas un code de fiche&#xa0;: vérifie-le caractère par caractère.</translation>
    </message>
    <message>
        <source>%1: choose another difficulty, number of cards or highest card.</source>
        <extracomment>%1: &quot;No puzzle of difficulty 5 turned up in 104 deals&quot;</extracomment>
        <translation>%1&#xa0;: change la difficulté, le nombre de cartes ou la carte la plus haute.</translation>
    </message>
    <message>
        <source>Only %1 different puzzles of these settings turned up: ask for %1 or fewer, or choose another difficulty, number of cards or highest card.</source>
        <translation>Seuls %1 problèmes différents sont sortis avec ces réglages&#xa0;: demandes-en %1 ou moins, ou change la difficulté, le nombre de cartes ou la carte la plus haute.</translation>
    </message>
    <message>
        <source>A worksheet code has %1 characters, or %2 for an older sheet; this one has %3.</source>
        <translation>Un code de fiche a %1 caractères, ou %2 pour une fiche plus ancienne&#xa0;; celui-ci en a %3.</translation>
    </message>
    <message>
        <source>Use %1 only. %2</source>
        <extracomment>%1: the operations allowed, as signs (&quot;+ −&quot;); %2: the sentence on the order of operations</extracomment>
        <translation>Utilise seulement %1. %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Pelorand</source>
        <translation>À propos de Pelorand</translation>
    </message>
    <message>
        <source>A concentration exercise: make the answer card from all the face cards, each used once, with + - * / and brackets.</source>
        <translation>Un exercice de concentration&#xa0;: obtiens la carte cible avec toutes les cartes, chacune une seule fois, et avec + - * / et des parenthèses.</translation>
    </message>
    <message>
        <source>Free to play and to share.</source>
        <translation>Libre de jouer et de partager.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment.</translation>
    </message>
</context>
<context>
    <name>frmAnswer</name>
    <message>
        <source>Your Answer</source>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Show one step of a solution</source>
        <translation>Montrer une étape d&apos;une solution</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Result:</source>
        <translation>Résu&amp;ltat&#xa0;:</translation>
    </message>
    <message>
        <source>Tally: %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>Brackets, then every *, then every /, then every +, then every -, each left to right</source>
        <translation>Parenthèses, puis tous les *, puis tous les /, puis tous les +, puis tous les -, chacun de gauche à droite</translation>
    </message>
    <message>
        <source>Brackets, then * and / left to right, then + and - left to right</source>
        <translation>Parenthèses, puis * et / de gauche à droite, puis + et - de gauche à droite</translation>
    </message>
    <message>
        <source>Check your answer in the game&apos;s own order of operations</source>
        <translation>Vérifier ta réponse dans l&apos;ordre des opérations du jeu</translation>
    </message>
    <message>
        <source>Check your answer in the order of operations taught at school</source>
        <translation>Vérifier ta réponse dans l&apos;ordre des opérations appris à l&apos;école</translation>
    </message>
    <message>
        <source>(at character %1)</source>
        <translation>(au caractère %1)</translation>
    </message>
    <message>
        <source>none: it divides by zero</source>
        <translation>aucune, car on divise par zéro</translation>
    </message>
    <message>
        <source>The game reads it as: %1</source>
        <translation>Le jeu la lit ainsi&#xa0;: %1</translation>
    </message>
    <message>
        <source>Value: %1</source>
        <translation>Valeur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Worked out exactly:</source>
        <translation>Calcul exact&#xa0;:</translation>
    </message>
    <message>
        <source>Broken down like this:</source>
        <translation>Décomposé ainsi&#xa0;:</translation>
    </message>
    <message>
        <source>You got it first!</source>
        <translation>Tu as trouvé en premier&#xa0;!</translation>
    </message>
    <message>
        <source>The computer was first this time.</source>
        <translation>Cette fois, l&apos;ordinateur a trouvé en premier.</translation>
    </message>
    <message>
        <source>The puzzle is still being checked. Ask again in a moment.</source>
        <translation>Le problème est encore en cours de vérification. Redemande dans un instant.</translation>
    </message>
    <message>
        <source>This puzzle has no solution at all: deal the next one.</source>
        <translation>Ce problème n&apos;a aucune solution&#xa0;: distribue le suivant.</translation>
    </message>
    <message>
        <source>Hint %1 of %2: %3</source>
        <translation>Indice %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>That is a whole solution: %1</source>
        <translation>Voici une solution complète&#xa0;: %1</translation>
    </message>
    <message>
        <source>The cards on the board can no longer make %1: press Undo or Start Over.</source>
        <translation>Les cartes du plateau ne peuvent plus donner %1&#xa0;: appuie sur Annuler ou Recommencer.</translation>
    </message>
    <message>
        <source>&amp;Give Up</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>Let the computer start looking now (Ctrl+G)</source>
        <translation>Laisser l&apos;ordinateur commencer à chercher maintenant (Ctrl+G)</translation>
    </message>
    <message>
        <source>The computer found an answer before you started, so this puzzle is no race. To race it fairly, give yourself a head start: Options, &quot;Computer starts&quot;.</source>
        <translation>L&apos;ordinateur a trouvé une solution avant que tu commences&#xa0;: ce problème n&apos;est pas une course. Pour une course équitable, donne-toi de l&apos;avance&#xa0;: Options, «&#xa0;L&apos;ordinateur commence&#xa0;».</translation>
    </message>
    <message>
        <source>Your steps have left the simplest answer. A next step from the cards as they stand: %1</source>
        <translation>Tes étapes se sont écartées de la solution la plus simple. Une étape suivante à partir des cartes telles qu&apos;elles sont&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;No answer</source>
        <translation>Pas de &amp;solution</translation>
    </message>
    <message>
        <source>Say that no answer makes the answer card from these cards (N)</source>
        <translation>Dire qu&apos;aucune solution ne fait la carte réponse avec ces cartes (N)</translation>
    </message>
    <message>
        <source>This puzzle has no answer at all: press &quot;No answer&quot;.</source>
        <translation>Ce problème n&apos;a aucune solution&#xa0;: appuie sur «&#xa0;Pas de solution&#xa0;».</translation>
    </message>
    <message>
        <source>Right! There is no answer.</source>
        <translation>C&apos;est juste&#xa0;! Il n&apos;y a pas de solution.</translation>
    </message>
    <message>
        <source>Not so: this puzzle has an answer. Keep looking, or give up.</source>
        <translation>Eh non&#xa0;: ce problème a une solution. Cherche encore, ou abandonne.</translation>
    </message>
    <message>
        <source>&amp;Your answer, with every face card once (%1 and brackets), read in the game&apos;s own order:</source>
        <extracomment>%1: the operations allowed, as typed: &quot;+ - * /&quot;</extracomment>
        <translation>&amp;Ta réponse, avec chaque carte une seule fois (%1 et parenthèses), lue dans l&apos;ordre du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Your answer, with every face card once (%1 and brackets), read in the school order:</source>
        <translation>&amp;Ta réponse, avec chaque carte une seule fois (%1 et parenthèses), lue dans l&apos;ordre de l&apos;école&#xa0;:</translation>
    </message>
    <message>
        <source>This puzzle has no solution with %1: deal the next one.</source>
        <extracomment>%1: the operations allowed, as signs (&quot;+ −&quot;)</extracomment>
        <translation>Ce problème n&apos;a aucune solution avec %1&#xa0;: distribue le suivant.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Time on this puzzle: </source>
        <translation>Temps sur ce problème&#xa0;: </translation>
    </message>
    <message>
        <source>the file %1 could not be written.</source>
        <translation>le fichier %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>no printer is available. Choose one with Page Setup.</source>
        <translation>aucune imprimante n&apos;est disponible. Choisis-en une avec Mise en page.</translation>
    </message>
    <message>
        <source>the printer %1 could not be started.</source>
        <translation>l&apos;imprimante %1 n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Unable to print: %1</source>
        <translation>Impossible d&apos;imprimer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unable to print: the page could not be finished.</source>
        <translation>Impossible d&apos;imprimer&#xa0;: la page n&apos;a pas pu être terminée.</translation>
    </message>
    <message>
        <source>Unable to load file: Error %1</source>
        <translation>Impossible d&apos;ouvrir le fichier. Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Chemin introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not a file: %1</source>
        <translation>Ce n&apos;est pas un fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Looking for a solution...</source>
        <translation>Recherche d&apos;une solution...</translation>
    </message>
    <message>
        <source>Unable to save file: Error %1</source>
        <translation>Impossible d&apos;enregistrer le fichier. Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>The clipboard does not hold a puzzle, so the table stays as it is. %1</source>
        <translation>Le presse-papiers ne contient pas de problème&#xa0;: la table reste comme elle est. %1</translation>
    </message>
    <message>
        <source>No puzzle with an answer turned up for today, so the table stays as it is.</source>
        <translation>Aucun problème avec une solution n&apos;a été trouvé pour aujourd&apos;hui&#xa0;: la table reste comme elle est.</translation>
    </message>
    <message>
        <source>Play with this card</source>
        <translation>Jouer avec cette carte</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>&amp;Mélanger</translation>
    </message>
    <message>
        <source>Shuffle the deck</source>
        <translation>Mélanger le paquet</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuer</translation>
    </message>
    <message>
        <source>Deal, new puzzle</source>
        <translation>Distribuer un nouveau problème</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <translation>&amp;Solution</translation>
    </message>
    <message>
        <source>Show the answer to the puzzle</source>
        <translation>Montrer la solution du problème</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit back to windows</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Last attempt: </source>
        <translation>Dernier essai&#xa0;: </translation>
    </message>
    <message>
        <source>Attempts: </source>
        <translation>Essais&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Puzzle...</source>
        <translation>&amp;Nouveau problème...</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Puzzle</source>
        <translation>Problème du &amp;jour</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Mise en &amp;page...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print &amp;Worksheet...</source>
        <translation>Imprimer une &amp;fiche d&apos;exercices...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Édi&amp;tion</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste Puzzle</source>
        <translation>Co&amp;ller le problème</translation>
    </message>
    <message>
        <source>Paste &amp;Special...</source>
        <translation>Collage &amp;spécial...</translation>
    </message>
    <message>
        <source>&amp;Your Answer...</source>
        <translation>&amp;Ta réponse...</translation>
    </message>
    <message>
        <source>&amp;Give Up</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>&amp;Horloge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About Pelorand...</source>
        <translation>À &amp;propos de Pelorand...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Load saved deck</source>
        <translation>Ouvrir un paquet enregistré</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save this deck</source>
        <translation>Enregistrer ce paquet</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print this puzzle</source>
        <translation>Imprimer ce problème</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuer</translation>
    </message>
    <message>
        <source>Deal a card, next puzzle</source>
        <translation>Distribuer une carte&#xa0;: problème suivant</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Display the answer</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>Your Answer</source>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>Check your own answer</source>
        <translation>Vérifier ta propre réponse</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Vérification...</translation>
    </message>
    <message>
        <source>You got it first!</source>
        <translation>Tu as trouvé en premier&#xa0;!</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>Verdict&#xa0;: %1</translation>
    </message>
    <message>
        <source>Answer card %1</source>
        <translation>Carte cible %1</translation>
    </message>
    <message>
        <source>Face card %1: %2</source>
        <translation>Carte %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation>Progression&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>From now on Deal deals %n card(s), as this puzzle has; Options, &quot;Number of puzzle cards&quot;, changes that.</source>
        <translation>
            <numerusform>Désormais, «&#xa0;Distribuer&#xa0;» distribue %n carte, comme ce problème&#xa0;; Options, «&#xa0;Nombre de cartes&#xa0;», change cela.</numerusform>
            <numerusform>Désormais, «&#xa0;Distribuer&#xa0;» distribue %n cartes, comme ce problème&#xa0;; Options, «&#xa0;Nombre de cartes&#xa0;», change cela.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Player...</source>
        <translation>&amp;Joueur...</translation>
    </message>
</context>
<context>
    <name>frmNewPuzzle</name>
    <message>
        <source>New Puzzle</source>
        <translation>Nouveau problème</translation>
    </message>
    <message>
        <source>&amp;Face cards, then = and the answer card (for example 3 9 3 9 = 17):</source>
        <translation>&amp;Cartes, puis = et la carte cible (par exemple 3 9 3 9 = 17)&#xa0;:</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Number of puzzle cards</source>
        <translation>Nombre de cartes</translation>
    </message>
    <message>
        <source>Choose the number of cards in the top row</source>
        <translation>Choisir le nombre de cartes de la rangée du haut</translation>
    </message>
    <message>
        <source>Highest card</source>
        <translation>Carte la plus haute</translation>
    </message>
    <message>
        <source>Set the highst card limit</source>
        <translation>Choisir la valeur de la carte la plus haute</translation>
    </message>
    <message>
        <source>Deal only puzzles with an a&amp;nswer</source>
        <translation>Seulement des problèmes avec une &amp;solution</translation>
    </message>
    <message>
        <source>Deal skips puzzles that no answer solves</source>
        <translation>«&#xa0;Distribuer&#xa0;» saute les problèmes sans solution</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Difficulté</translation>
    </message>
    <message>
        <source>any</source>
        <translation>toutes</translation>
    </message>
    <message>
        <source>Deal only puzzles of this difficulty, 1 easy to 5 hard</source>
        <translation>Distribuer seulement des problèmes de cette difficulté, de 1 (facile) à 5 (difficile)</translation>
    </message>
    <message>
        <source>Difficulty of the puzzles dealt</source>
        <translation>Difficulté des problèmes distribués</translation>
    </message>
    <message>
        <source>Computer &amp;starts</source>
        <translation>L&apos;ordinateur &amp;commence</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>tout de suite</translation>
    </message>
    <message>
        <source>after 10 s</source>
        <translation>après 10 s</translation>
    </message>
    <message>
        <source>after 30 s</source>
        <translation>après 30 s</translation>
    </message>
    <message>
        <source>after 60 s</source>
        <translation>après 60 s</translation>
    </message>
    <message>
        <source>only when I give up</source>
        <translation>quand j&apos;abandonne</translation>
    </message>
    <message>
        <source>Give yourself time before the computer starts its search</source>
        <translation>Prends le temps de réfléchir avant que l&apos;ordinateur commence à chercher</translation>
    </message>
    <message>
        <source>When the computer starts looking</source>
        <translation>Quand l&apos;ordinateur commence à chercher</translation>
    </message>
    <message>
        <source>&amp;Order of operations</source>
        <translation>&amp;Ordre des opérations</translation>
    </message>
    <message>
        <source>The game&apos;s own: x, then /, then +, then -</source>
        <translation>Celui du jeu&#xa0;: x, puis /, puis +, puis -</translation>
    </message>
    <message>
        <source>School: x and / left to right, then + and - left to right</source>
        <translation>École&#xa0;: x et /, puis + et -, chaque fois de gauche à droite</translation>
    </message>
    <message>
        <source>How a calculation is read: 10 - 4 + 3 is 3 in the game&apos;s order and 9 in the school&apos;s</source>
        <translation>Comment un calcul est lu&#xa0;: 10 - 4 + 3 fait 3 dans l&apos;ordre du jeu et 9 dans celui de l&apos;école</translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation>Ordre des opérations</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The system&apos;s</source>
        <translation>Celle du système</translation>
    </message>
    <message>
        <source>The language of the game&apos;s windows</source>
        <translation>La langue des fenêtres du jeu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>A new language takes effect the next time Pelorand starts.</source>
        <translation>Une nouvelle langue s&apos;applique au prochain démarrage de Pelorand.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>1 (easy)</source>
        <translation>1 (facile)</translation>
    </message>
    <message>
        <source>5 (hard)</source>
        <translation>5 (difficile)</translation>
    </message>
    <message>
        <source>Now and then a puzzle with no ans&amp;wer</source>
        <translation>De &amp;temps en temps un problème sans solution</translation>
    </message>
    <message>
        <source>O&amp;perations allowed</source>
        <translation>O&amp;pérations permises</translation>
    </message>
    <message>
        <source>All four</source>
        <translation>Les quatre</translation>
    </message>
    <message>
        <source>+ and − only</source>
        <translation>+ et − seulement</translation>
    </message>
    <message>
        <source>+, − and ×</source>
        <translation>+, − et ×</translation>
    </message>
    <message>
        <source>The operations answers may use: the puzzles dealt, the answers counted, the board and the computer&apos;s search keep to them</source>
        <translation>Les opérations que les réponses peuvent utiliser&#xa0;: les problèmes distribués, les réponses comptées, le plateau et la recherche de l&apos;ordinateur s&apos;y tiennent</translation>
    </message>
    <message>
        <source>Operations allowed</source>
        <translation>Opérations permises</translation>
    </message>
    <message>
        <source>About one deal in five has no answer, for you to find out with &quot;No answer&quot; in Your Answer;
the computer then waits until you give up.
Only with 3 or 4 cards, or with fewer operations: otherwise almost every puzzle has an answer.</source>
        <translation>Environ un problème sur cinq n&apos;a pas de solution&#xa0;: à toi de le trouver avec «&#xa0;Pas de solution&#xa0;» dans Ta réponse&#xa0;;
l&apos;ordinateur attend alors que tu abandonnes.
Seulement avec 3 ou 4 cartes, ou avec moins d&apos;opérations&#xa0;: sinon presque chaque problème a une solution.</translation>
    </message>
</context>
<context>
    <name>frmPlayer</name>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>&amp;Who is playing?</source>
        <translation>&amp;Qui joue&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;New player:</source>
        <translation>&amp;Nouveau joueur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>Removes the player with his statistics and log</source>
        <translation>Supprime le joueur avec ses statistiques et son journal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete the player %1? The statistics and the log of every puzzle %1 played go too. This cannot be undone.</source>
        <translation>Supprimer le joueur %1&#xa0;? Les statistiques et le journal de tous les problèmes joués par %1 partent aussi. On ne peut pas revenir en arrière.</translation>
    </message>
</context>
<context>
    <name>frmSoln</name>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Operator order of evaluation : Brackets, Multiplication, Division, Addition and Subtraction.</source>
        <translation>Ordre des opérations&#xa0;: parenthèses, multiplication, division, addition et soustraction.</translation>
    </message>
    <message>
        <source>Operator order of evaluation : Brackets, then Multiplication and Division, then Addition and Subtraction, each left to right.</source>
        <translation>Ordre des opérations&#xa0;: parenthèses, puis multiplication et division, puis addition et soustraction, chaque fois de gauche à droite.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>An arithmetic card puzzle: a concentration exercise.</source>
        <translation>Un jeu de calcul avec des cartes&#xa0;: un exercice de concentration.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Distribués</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Résolus</translation>
    </message>
    <message>
        <source>With hints</source>
        <translation>Avec indices</translation>
    </message>
    <message>
        <source>Computer first</source>
        <translation>Ordinateur premier</translation>
    </message>
    <message>
        <source>Given up</source>
        <translation>Abandonnés</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Temps médian</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Série en cours</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source>The number of face cards</source>
        <translation>Le nombre de cartes</translation>
    </message>
    <message>
        <source>The puzzle&apos;s difficulty, 1 easy to 5 hard; none: it has no answer, or its level was not yet known</source>
        <translation>La difficulté du problème, de 1 (facile) à 5 (difficile)&#xa0;; aucun&#xa0;: il n&apos;a pas de solution, ou son niveau n&apos;était pas encore connu</translation>
    </message>
    <message>
        <source>Puzzles put on the table</source>
        <translation>Problèmes mis sur la table</translation>
    </message>
    <message>
        <source>Solved by you before the computer, without hints</source>
        <translation>Résolus par toi avant l&apos;ordinateur, sans indice</translation>
    </message>
    <message>
        <source>Solved by you before the computer, after a hint</source>
        <translation>Résolus par toi avant l&apos;ordinateur, après un indice</translation>
    </message>
    <message>
        <source>The computer&apos;s search found a solution first</source>
        <translation>La recherche de l&apos;ordinateur a trouvé une solution en premier</translation>
    </message>
    <message>
        <source>You let the computer start with Give Up</source>
        <translation>Tu as laissé l&apos;ordinateur commencer avec Abandonner</translation>
    </message>
    <message>
        <source>Your fastest right answer</source>
        <translation>Ta solution la plus rapide</translation>
    </message>
    <message>
        <source>Half your right answers were faster, half slower</source>
        <translation>La moitié de tes solutions ont été plus rapides, l&apos;autre moitié plus lentes</translation>
    </message>
    <message>
        <source>Puzzles solved without hints in a row, up to now</source>
        <translation>Problèmes résolus d&apos;affilée sans indice, jusqu&apos;à maintenant</translation>
    </message>
    <message>
        <source>The most puzzles solved without hints in a row</source>
        <translation>Le plus grand nombre de problèmes résolus d&apos;affilée sans indice</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Statistics by number of cards and level</source>
        <translation>Statistiques par nombre de cartes et par niveau</translation>
    </message>
    <message>
        <source>No puzzles recorded yet: deal one and play.</source>
        <translation>Aucun problème enregistré pour l&apos;instant&#xa0;: distribues-en un et joue.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Réinitialiser...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The statistics could not be written to %1: %2.</source>
        <translation>Les statistiques n&apos;ont pas pu être écrites dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Written to %1.</source>
        <translation>Enregistré dans %1.</translation>
    </message>
    <message>
        <source>Export statistics</source>
        <translation>Exporter les statistiques</translation>
    </message>
    <message>
        <source>Clear the statistics? Every count, time and run goes, and the Your Answer tally with them. This cannot be undone.</source>
        <translation>Effacer les statistiques&#xa0;? Tous les nombres, les temps et les séries disparaissent, et le score de «&#xa0;Ta réponse&#xa0;» avec eux. Impossible de revenir en arrière.</translation>
    </message>
    <message>
        <source>Rows marked (old rating) were recorded when the level counted a puzzle&apos;s plain answers; the level now comes from how hard people find its easiest answer. Those rows are kept as they were and no longer grow.</source>
        <translation>Les lignes marquées (ancien calcul) ont été enregistrées quand le niveau comptait les solutions simples d&apos;un problème&#xa0;; maintenant, le niveau dépend de la difficulté que les gens trouvent à sa solution la plus facile. Ces lignes restent comme elles étaient et ne sont plus complétées.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Answer card</source>
        <translation>Carte cible</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Every puzzle played, newest first</source>
        <translation>Chaque problème joué, le plus récent d&apos;abord</translation>
    </message>
    <message>
        <source>No puzzles played yet.</source>
        <translation>Aucun problème joué pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Export &amp;log as CSV...</source>
        <translation>Exporter le &amp;journal en CSV...</translation>
    </message>
    <message>
        <source>Export &amp;all players&apos; logs...</source>
        <translation>Exporter les journaux de &amp;tous les joueurs...</translation>
    </message>
    <message>
        <source>One table with the log of every player on this computer, for a teacher</source>
        <translation>Un seul tableau avec le journal de chaque joueur de cet ordinateur, pour l&apos;enseignant</translation>
    </message>
    <message>
        <source>L&amp;og</source>
        <translation>J&amp;ournal</translation>
    </message>
    <message>
        <source>The log could not be written to %1: %2.</source>
        <translation>Le journal n&apos;a pas pu être enregistré dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Export the log</source>
        <translation>Exporter le journal</translation>
    </message>
    <message>
        <source>Export every player&apos;s log</source>
        <translation>Exporter le journal de chaque joueur</translation>
    </message>
    <message>
        <source>Re&amp;cord</source>
        <translation>&amp;Bilan</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>Jo&amp;ueur&#xa0;:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
</context>
<context>
    <name>frmWorksheet</name>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimer une fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>any</source>
        <translation>toutes</translation>
    </message>
    <message>
        <source>Include an &amp;answer page</source>
        <translation>Ajouter une page des &amp;solutions</translation>
    </message>
    <message>
        <source>Pelorand worksheet</source>
        <translation>Fiche d&apos;exercices Pelorand</translation>
    </message>
    <message>
        <source>a code from an earlier sheet</source>
        <translation>le code d&apos;une fiche précédente</translation>
    </message>
    <message>
        <source>Number of &amp;cards:</source>
        <translation>Nombre de &amp;cartes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Highest card:</source>
        <translation>Carte la plus &amp;haute&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Difficulté&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Number of puzzles:</source>
        <translation>&amp;Nombre de problèmes&#xa0;:</translation>
    </message>
    <message>
        <source>Puzzles per pa&amp;ge:</source>
        <translation>Problèmes par pa&amp;ge&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Title line:</source>
        <translation>Ligne de &amp;titre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;From code:</source>
        <translation>Depuis le c&amp;ode&#xa0;:</translation>
    </message>
    <message>
        <source>Code of this sheet:</source>
        <translation>Code de cette fiche&#xa0;:</translation>
    </message>
    <message>
        <source>New &amp;puzzles</source>
        <translation>Nouveaux &amp;problèmes</translation>
    </message>
    <message>
        <source>Other puzzles with the same settings</source>
        <translation>D&apos;autres problèmes avec les mêmes réglages</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Aperçu...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Unable to print the worksheet: the printer could not be started.</source>
        <translation>Impossible d&apos;imprimer la fiche&#xa0;: l&apos;imprimante n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Unable to print the worksheet: the file %1 could not be written.</source>
        <translation>Impossible d&apos;imprimer la fiche&#xa0;: le fichier %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Worksheet preview</source>
        <translation>Aperçu de la fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>1 (easy)</source>
        <translation>1 (facile)</translation>
    </message>
    <message>
        <source>5 (hard)</source>
        <translation>5 (difficile)</translation>
    </message>
    <message>
        <source>Every puzzle on a worksheet has an answer.</source>
        <translation>Chaque problème d&apos;une fiche a une solution.</translation>
    </message>
    <message>
        <source>All four</source>
        <translation>Les quatre</translation>
    </message>
    <message>
        <source>+ and − only</source>
        <translation>+ et − seulement</translation>
    </message>
    <message>
        <source>+, − and ×</source>
        <translation>+, − et ×</translation>
    </message>
    <message>
        <source>&amp;Operations:</source>
        <translation>Opé&amp;rations&#xa0;:</translation>
    </message>
</context>
</TS>
