<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>the answer could not be read</source>
        <translation>Die Lösung ließ sich nicht lesen.</translation>
    </message>
    <message>
        <source>That divides by zero, and an answer that divides by zero never counts.</source>
        <translation>Hier wird durch null geteilt, und eine Lösung, die durch null teilt, zählt nie.</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>The computer&apos;s own 15-digit arithmetic meets a division by zero on the way, so the computer could never find this answer.</source>
        <translation>Der Computer rechnet auf 15 Stellen genau und teilt dabei unterwegs durch null, deshalb könnte er diese Lösung nie finden.</translation>
    </message>
    <message>
        <source>The computer&apos;s own 15-digit arithmetic makes it %1, so the computer could never find this answer.</source>
        <translation>Der Computer rechnet auf 15 Stellen genau und kommt dabei auf %1, deshalb könnte er diese Lösung nie finden.</translation>
    </message>
    <message>
        <source>That makes %1, not %2.</source>
        <translation>Das ergibt %1, nicht %2.</translation>
    </message>
    <message>
        <source>The computer&apos;s own 15-digit arithmetic would round it to %1 and count it, but exactly it is not %1.</source>
        <translation>Der Computer rechnet auf 15 Stellen genau: Er würde das auf %1 runden und gelten lassen, aber genau gerechnet ist es nicht %1.</translation>
    </message>
    <message>
        <source>At school this would make %1, but the game adds before it subtracts; you can choose the school order in Options &gt; Rules.</source>
        <extracomment>%1 is the answer card; &quot;Options &gt; Rules&quot; names the Options window and its Rules page</extracomment>
        <translation>In der Schule ergäbe das %1, aber das Spiel rechnet Plus vor Minus; die Reihenfolge aus der Schule kannst du unter Einstellungen &gt; Regeln wählen.</translation>
    </message>
    <message>
        <source>At school this would make %1, but the game multiplies before it divides; you can choose the school order in Options &gt; Rules.</source>
        <translation>In der Schule ergäbe das %1, aber das Spiel rechnet Mal vor Geteilt; die Reihenfolge aus der Schule kannst du unter Einstellungen &gt; Regeln wählen.</translation>
    </message>
    <message>
        <source>At school this would make %1, but the game multiplies before it divides and adds before it subtracts; you can choose the school order in Options &gt; Rules.</source>
        <translation>In der Schule ergäbe das %1, aber das Spiel rechnet Mal vor Geteilt und Plus vor Minus; die Reihenfolge aus der Schule kannst du unter Einstellungen &gt; Regeln wählen.</translation>
    </message>
</context>
<context>
    <name>AnswerMessage</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eine</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>zehn</translation>
    </message>
    <message>
        <source>once</source>
        <translation>einmal</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>zweimal</translation>
    </message>
    <message>
        <source>%1 times</source>
        <extracomment>&quot;three times&quot;: %1 is a number in words (three) or, above ten, in digits</extracomment>
        <translation>%1 Mal</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>Type an answer that uses every face card once.</source>
        <translation>Gib eine Lösung ein, die jede Karte genau einmal verwendet.</translation>
    </message>
    <message>
        <source>The answer is longer than %1 characters, more than the game reads.</source>
        <translation>Die Lösung hat mehr als %1 Zeichen, so viel liest das Spiel nicht.</translation>
    </message>
    <message>
        <source>The answer holds a character that is not a number, an operator or a bracket.</source>
        <translation>In der Lösung steht ein Zeichen, das keine Zahl, kein Rechenzeichen und keine Klammer ist.</translation>
    </message>
    <message>
        <source>Only the answer card may follow &apos;=&apos;, at the very end.</source>
        <translation>Nach „=“ darf nur noch die Zielkarte stehen, ganz am Ende.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number, an operator or a bracket.</source>
        <translation>„%1“ ist keine Zahl, kein Rechenzeichen und keine Klammer.</translation>
    </message>
    <message>
        <source>Your answer uses %1, which is not on the table.</source>
        <translation>Deine Lösung verwendet %1, aber das ist keine Karte auf dem Tisch.</translation>
    </message>
    <message>
        <source>Your answer uses %1 %2, but the table has %3.</source>
        <extracomment>&quot;Your answer uses 3 three times, but the table has two.&quot;</extracomment>
        <translation>Deine Lösung verwendet die %1 %2, aber auf dem Tisch gibt es nur %3 davon.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a list of cards: &quot;3, 4 and 5&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Your answer leaves out %1: every face card is used once.</source>
        <translation>Deine Lösung lässt %1 aus: Jede Karte wird genau einmal verwendet.</translation>
    </message>
    <message>
        <source>A minus sign must stand between two numbers.</source>
        <translation>Ein Minuszeichen muss zwischen zwei Zahlen stehen.</translation>
    </message>
    <message>
        <source>An operator must stand between two numbers.</source>
        <translation>Ein Rechenzeichen muss zwischen zwei Zahlen stehen.</translation>
    </message>
    <message>
        <source>An operator is missing between two numbers.</source>
        <translation>Zwischen zwei Zahlen fehlt ein Rechenzeichen.</translation>
    </message>
    <message>
        <source>A pair of brackets holds nothing.</source>
        <translation>In einem Klammerpaar steht nichts.</translation>
    </message>
    <message>
        <source>A bracket is not closed.</source>
        <translation>Eine Klammer wird nicht geschlossen.</translation>
    </message>
    <message>
        <source>A closing bracket has no opening bracket.</source>
        <translation>Zu einer schließenden Klammer fehlt die öffnende.</translation>
    </message>
    <message>
        <source>There are too many brackets inside one another.</source>
        <translation>Es stehen zu viele Klammern ineinander.</translation>
    </message>
    <message>
        <source>Your answer ends with = %1, but the answer card is %2.</source>
        <translation>Deine Lösung endet mit = %1, aber die Zielkarte ist %2.</translation>
    </message>
    <message>
        <source>Only %1 may be used now, not %2.</source>
        <extracomment>%1: the operations allowed, as signs (&quot;+ −&quot;); %2: the sign typed, as × or ÷</extracomment>
        <translation>Jetzt sind nur %1 erlaubt, nicht %2.</translation>
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
        <translation>Addieren (Taste +)</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Subtract (key -)</source>
        <translation>Subtrahieren (Taste -)</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Multiply (key * or x)</source>
        <translation>Multiplizieren (Taste * oder x)</translation>
    </message>
    <message>
        <source>Divided by</source>
        <translation>Geteilt durch</translation>
    </message>
    <message>
        <source>Divide (key /)</source>
        <translation>Dividieren (Taste /)</translation>
    </message>
    <message>
        <source>Nothing can be divided by 0. Pick another card or operation.</source>
        <translation>Durch 0 kann man nicht teilen. Wähle eine andere Karte oder Rechenart.</translation>
    </message>
    <message>
        <source>%1 makes %2, which is not a whole number. Only whole numbers are allowed.</source>
        <translation>%1 ergibt %2, und das ist keine ganze Zahl. Nur ganze Zahlen ab 0 sind erlaubt.</translation>
    </message>
    <message>
        <source>%1 makes %2, which is below zero. Only whole numbers from 0 up are allowed.</source>
        <translation>%1 ergibt %2, und das ist kleiner als null. Nur ganze Zahlen ab 0 sind erlaubt.</translation>
    </message>
    <message>
        <source>That number is too large to work with. Pick another step.</source>
        <translation>Diese Zahl ist zu groß zum Weiterrechnen. Wähle einen anderen Schritt.</translation>
    </message>
    <message>
        <source>Pick this card (key %1)</source>
        <translation>Diese Karte wählen (Taste %1)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last step (Backspace or Ctrl+Z)</source>
        <translation>Den letzten Schritt zurücknehmen (Rücktaste oder Strg+Z)</translation>
    </message>
    <message>
        <source>Start &amp;Over</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>Back to the cards on the table (Esc)</source>
        <translation>Zurück zu den Karten auf dem Tisch (Esc)</translation>
    </message>
    <message>
        <source>&amp;Whole numbers only</source>
        <translation>Nur &amp;ganze Zahlen ab 0</translation>
    </message>
    <message>
        <source>Refuse a step that makes a fraction or a number below zero</source>
        <translation>Keinen Schritt erlauben, der einen Bruch oder eine Zahl unter null ergibt</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>S&amp;teps:</source>
        <translation>&amp;Schritte:</translation>
    </message>
    <message>
        <source>Make %1: pick a card, an operation and another card, and go on until one card is left.</source>
        <translation>Komm auf %1: Wähle eine Karte, eine Rechenart und eine zweite Karte. Mach weiter, bis nur noch eine Karte übrig ist.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A step on the board, for a screen reader: &quot;Step 2: 15 ÷ 6 = 5/2&quot;</extracomment>
        <translation>Schritt %1: %2</translation>
    </message>
    <message>
        <source>Only %1 may be used now, not %2.</source>
        <extracomment>%1: the operations allowed, as signs (&quot;+ −&quot;); %2: the sign of the one pressed</extracomment>
        <translation>Jetzt sind nur %1 erlaubt, nicht %2.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>pelorand: --worksheet: the file %1 could not be written</source>
        <translation>pelorand: --worksheet: die Datei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>%1 is given twice; give it once</source>
        <translation>%1 ist zweimal angegeben; gib die Option nur einmal an</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <extracomment>&quot;--cards needs the number of face cards, 3 to 7&quot;</extracomment>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>give how many puzzles to deal, a whole number from 1 to 10000</source>
        <translation>gib an, wie viele Aufgaben gegeben werden sollen: eine ganze Zahl von 1 bis 10000</translation>
    </message>
    <message>
        <source>the number of face cards, 3 to 7</source>
        <translation>die Anzahl der Karten, 3 bis 7</translation>
    </message>
    <message>
        <source>the highest card, 1 to 99</source>
        <translation>die höchste Karte, 1 bis 99</translation>
    </message>
    <message>
        <source>a difficulty from 1 to 5</source>
        <translation>eine Schwierigkeit von 1 bis 5</translation>
    </message>
    <message>
        <source>a whole number from 0 to 4294967295</source>
        <translation>eine ganze Zahl von 0 bis 4294967295</translation>
    </message>
    <message>
        <source>game or school</source>
        <translation>game oder school</translation>
    </message>
    <message>
        <source>give one deck file, not two (&apos;%1&apos; and &apos;%2&apos;)</source>
        <translation>gib eine Kartenstapel-Datei an, nicht zwei („%1“ und „%2“)</translation>
    </message>
    <message>
        <source>give --seed or a deck file, not both</source>
        <translation>gib --seed oder eine Kartenstapel-Datei an, nicht beides</translation>
    </message>
    <message>
        <source>a date written YYYY-MM-DD</source>
        <translation>ein Datum in der Form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option of --today</source>
        <translation>„%1“ ist keine Option von --today</translation>
    </message>
    <message>
        <source>--date needs a date written YYYY-MM-DD, such as 2026-12-07, not &apos;%1&apos;</source>
        <translation>--date braucht ein Datum in der Form YYYY-MM-DD, zum Beispiel 2026-12-07, nicht „%1“</translation>
    </message>
    <message>
        <source>level %1</source>
        <extracomment>the end of a line of --deal: &quot;=&gt; 24 level 3&quot; (level - when the puzzle has no answer)</extracomment>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>pelorand: --today: no puzzle with an answer turned up for that day.</source>
        <translation>pelorand: --today: für diesen Tag fand sich keine Aufgabe mit Lösung.</translation>
    </message>
    <message>
        <source>the number of puzzles, 1 to 60</source>
        <translation>die Anzahl der Aufgaben, 1 bis 60</translation>
    </message>
    <message>
        <source>the puzzles on a page: 4, 6, 8 or 12</source>
        <translation>die Anzahl der Aufgaben pro Seite: 4, 6, 8 oder 12</translation>
    </message>
    <message>
        <source>a worksheet code</source>
        <translation>den Code eines Arbeitsblatts</translation>
    </message>
    <message>
        <source>the title line</source>
        <translation>die Titelzeile</translation>
    </message>
    <message>
        <source>the name of the PDF file to write</source>
        <translation>den Namen der PDF-Datei, die geschrieben werden soll</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; name the PDF file after -o</source>
        <translation>„%1“ ist keine Option; nenne die PDF-Datei nach -o</translation>
    </message>
    <message>
        <source>name the PDF file to write with -o FILE.pdf</source>
        <translation>gib mit -o FILE.pdf an, welche PDF-Datei geschrieben werden soll</translation>
    </message>
    <message>
        <source>no such file or no permission to read it</source>
        <translation>die Datei gibt es nicht, oder sie darf nicht gelesen werden</translation>
    </message>
    <message>
        <source>a deck file is exactly 55 bytes</source>
        <translation>eine Kartenstapel-Datei hat genau 55 Bytes</translation>
    </message>
    <message>
        <source>pelorand: --deal: cannot read the deck &apos;%1&apos;: %2</source>
        <translation>pelorand: --deal: der Kartenstapel „%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>give 3 to 7 face cards and then the answer card, then the answer in quotes</source>
        <translation>gib 3 bis 7 Karten und dann die Zielkarte an, danach die Lösung in Anführungszeichen</translation>
    </message>
    <message>
        <source>give 3 to 7 face cards and then the answer card</source>
        <translation>gib 3 bis 7 Karten und dann die Zielkarte an</translation>
    </message>
    <message>
        <source>the answer in quotes comes last, once, after the answer card</source>
        <translation>die Lösung in Anführungszeichen steht ganz am Ende, nur einmal, nach der Zielkarte</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card: each card and the answer must be a whole number from 1 to 99</source>
        <translation>„%1“ ist keine Karte: Jede Karte und die Zielkarte müssen ganze Zahlen von 1 bis 99 sein</translation>
    </message>
    <message>
        <source>give the answer in quotes after the answer card</source>
        <translation>gib nach der Zielkarte die Lösung in Anführungszeichen an</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (a deck file whose name starts with &apos;-&apos; opens as ./%1 or after --)</source>
        <translation>unbekannte Option „%1“ (eine Kartenstapel-Datei, deren Name mit „-“ beginnt, öffnest du als ./%1 oder nach --)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; did you mean %2? (a deck file whose name starts with &apos;-&apos; opens as ./%1 or after --)</source>
        <translation>unbekannte Option „%1“; meintest du %2? (eine Kartenstapel-Datei, deren Name mit „-“ beginnt, öffnest du als ./%1 oder nach --)</translation>
    </message>
    <message>
        <source>Try &apos;pelorand --help&apos; for more information.</source>
        <translation>Mehr dazu zeigt „pelorand --help“.</translation>
    </message>
    <message>
        <source>answers: %1</source>
        <extracomment>--solve&apos;s first line: how many answers solve, &quot;answers: 3&quot;</extracomment>
        <translation>Lösungen: %1</translation>
    </message>
    <message>
        <source>solutions: %1</source>
        <translation>Lösungen des Computers: %1</translation>
    </message>
    <message>
        <source>error: column %1: %2</source>
        <translation>Fehler bei Zeichen %1: %2</translation>
    </message>
    <message>
        <source>value: %1</source>
        <translation>Wert: %1</translation>
    </message>
    <message>
        <source>none (divides by zero)</source>
        <translation>keiner (es wird durch null geteilt)</translation>
    </message>
    <message>
        <source>solves</source>
        <translation>löst die Aufgabe</translation>
    </message>
    <message>
        <source>does not solve</source>
        <translation>löst die Aufgabe nicht</translation>
    </message>
    <message>
        <source>pelorand: the game needs a display; --solve, --check, --deal and --worksheet work without one (see --help)</source>
        <translation>pelorand: das Spiel braucht einen Bildschirm; --solve, --check, --deal und --worksheet gehen auch ohne (siehe --help)</translation>
    </message>
    <message>
        <source>the same for the computer&apos;s own attempts: how many of the texts its search
can write solve by its 15-digit arithmetic, and up to 20 of them</source>
        <extracomment>--help&apos;s paragraph on --solve --search; keep the line breaks (lines of about 78 characters)</extracomment>
        <translation>dasselbe für die eigenen Versuche des Computers: wie viele der Rechnungen, die
seine Suche schreiben kann, mit seiner Rechnung auf 15 Stellen die Zielkarte
ergeben, und bis zu 20 davon</translation>
    </message>
    <message>
        <source>the order of operations to read and write in: game (the default: brackets,
then every *, then every /, then every +, then every -) or school
(brackets, then * and / left to right, then + and - left to right)</source>
        <extracomment>--help&apos;s paragraph on --order; keep the line breaks (lines of about 78 characters), and game and school as they are</extracomment>
        <translation>die Rechenreihenfolge zum Lesen und Schreiben: game (Standard: Klammern, dann
jedes *, dann jedes /, dann jedes +, dann jedes -) oder school (Klammern, dann
* und / von links nach rechts, dann + und - von links nach rechts)</translation>
    </message>
    <message>
        <source>start the game with a saved deck (.pld)</source>
        <extracomment>--help&apos;s line on DECK-FILE</extracomment>
        <translation>das Spiel mit einem gespeicherten Kartenstapel (.pld) starten</translation>
    </message>
    <message>
        <source>count every distinct answer that solves the puzzle and show up to 20, simplest
first; answers that differ only in the order or grouping of things added or
multiplied count once. 3 to 7 face cards and the answer card, each 1 to 99.
Exit status 0 when it has an answer, 1 when it has none, 2 for bad arguments</source>
        <extracomment>--help&apos;s paragraph on --solve; keep the line breaks (lines of about 78 characters)</extracomment>
        <translation>jede verschiedene Lösung der Aufgabe zählen und bis zu 20 zeigen, die
einfachste zuerst; Lösungen, die sich nur in der Reihenfolge oder Gruppierung
von Zahlen unterscheiden, die zusammengezählt oder malgenommen werden, zählen
als eine. 3 bis 7 Karten und die Zielkarte, jede von 1 bis 99.
Exit-Status 0, wenn es eine Lösung gibt, 1, wenn es keine gibt, 2 bei
falschen Argumenten</translation>
    </message>
    <message>
        <source>check your own answer, such as &quot;5 + 3 * 7 - 2&quot;, exactly; prints it as the
game read it, its exact value (a whole number or a fraction such as 17/3)
and whether it solves. Exit status 0 when it solves, 1 when it does not,
2 when it cannot be read or the arguments are wrong</source>
        <extracomment>--help&apos;s paragraph on --check; keep the line breaks (lines of about 78 characters)</extracomment>
        <translation>deine eigene Lösung genau prüfen, zum Beispiel &quot;5 + 3 * 7 - 2&quot;; schreibt sie
so, wie das Spiel sie gelesen hat, ihren genauen Wert (eine ganze Zahl oder
ein Bruch wie 17/3) und ob sie richtig ist. Exit-Status 0, wenn sie richtig
ist, 1, wenn nicht, 2, wenn sie sich nicht lesen lässt oder die Argumente
falsch sind</translation>
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
        <translation>N Aufgaben (1 bis 10000) so schreiben, wie das Spiel sie auf den Tisch legt,
eine pro Zeile: C1 ... Cn =&gt; A  Stufe K (Stufe -, wenn sie keine Lösung hat).
Aus einem frischen Stapel, gemischt mit der Zahl S (oder nach der Uhrzeit),
mit C Karten (3 bis 7, Standard 5) und höchster Karte H (1 bis 99,
Standard 25): das erste Geben des Spiels, dann jedes weitere Geben. Aus einem
gespeicherten Stapel, mit seinen eigenen Karten und seiner höchsten Karte,
wenn nichts anderes angegeben ist: zuerst die eigene Aufgabe des Stapels, so
wie Öffnen sie zeigt, dann jedes Geben danach. --answer-only gibt nur Aufgaben
mit Lösung, --level L nur Aufgaben der Schwierigkeit L (1 leicht bis
5 schwer); die eigene Aufgabe des Stapels wird in jedem Fall geschrieben.
Exit-Status 0; 1, wenn keine Aufgabe passt; 2 bei falschen Argumenten</translation>
    </message>
    <message>
        <source>print today&apos;s puzzle as --deal prints a puzzle: fixed by the date alone, the
same on every machine that day, with an answer, of middle difficulty; with
C face cards (3 to 7, default 5), for the date given by --date if any.
Exit status 0; 1 when no puzzle turns up; 2 for bad arguments</source>
        <extracomment>--help&apos;s paragraph on --today; keep the line breaks (lines of about 78 characters)</extracomment>
        <translation>die Aufgabe des Tages so schreiben, wie --deal eine Aufgabe schreibt: Sie
hängt nur vom Datum ab, ist an diesem Tag auf jedem Computer dieselbe, hat
eine Lösung und ist mittelschwer; mit C Karten (3 bis 7, Standard 5), für das
Datum von --date, falls angegeben.
Exit-Status 0; 1, wenn sich keine Aufgabe findet; 2 bei falschen Argumenten</translation>
    </message>
    <message>
        <source>write a worksheet for a class as a PDF file, without a display: N puzzles
(1 to 60, default 20) with an answer, of C cards (default 4) up to H
(default 12), of difficulty L when given, P to a page (4, 6, 8 or 12,
default 8), then a page of answers (unless --no-answers). Prints the
sheet&apos;s code; --code CODE makes the same sheet again. Exit status 0;
1 when no puzzle fits or the file cannot be written; 2 for bad arguments</source>
        <extracomment>--help&apos;s paragraph on --worksheet; keep the line breaks (lines of about 78 characters)</extracomment>
        <translation>ein Arbeitsblatt für eine Klasse als PDF-Datei schreiben, ohne Bildschirm:
N Aufgaben (1 bis 60, Standard 20) mit Lösung, mit C Karten (Standard 4) bis H
(Standard 12), der Schwierigkeit L, falls angegeben, P pro Seite (4, 6, 8 oder
12, Standard 8), dann eine Lösungsseite (außer mit --no-answers). Schreibt den
Code des Blatts; --code CODE macht dasselbe Blatt noch einmal. Exit-Status 0;
1, wenn keine Aufgabe passt oder die Datei nicht geschrieben werden kann;
2 bei falschen Argumenten</translation>
    </message>
    <message>
        <source>show this text</source>
        <extracomment>--help&apos;s line on --help</extracomment>
        <translation>diesen Text zeigen</translation>
    </message>
    <message>
        <source>show the version</source>
        <extracomment>--help&apos;s line on --version</extracomment>
        <translation>die Version zeigen</translation>
    </message>
    <message>
        <source>what follows is a deck file name, even one that starts with &apos;-&apos;</source>
        <extracomment>--help&apos;s line on --</extracomment>
        <translation>was folgt, ist der Name einer Kartenstapel-Datei, auch wenn er mit „-“ beginnt</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>--help&apos;s first line; %1 is &quot;pelorand [DECK-FILE]&quot;, and the lines of usage below it start under the p</extracomment>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Pelorand is an arithmetic card puzzle: make the answer card from all the face cards,
each used once, with + - * / and brackets, in the game&apos;s own order of operations
(brackets, then multiplication, division, addition and subtraction, each left to right).

Two rules. Your answers are worked out exactly, in whole numbers and fractions: an answer
solves when it makes exactly the answer card and never divides by zero. The computer&apos;s own
search works every step to 15 digits and counts only an exact hit, so it can miss answers
that you can find.</source>
        <translation>Pelorand ist ein Rechenspiel mit Karten: Komm mit allen Karten, jede genau einmal, und mit
+ - * / und Klammern auf die Zielkarte, in der eigenen Rechenreihenfolge des Spiels (Klammern,
dann Multiplikation, Division, Addition und Subtraktion, jeweils von links nach rechts).

Zwei Regeln. Deine Lösungen werden genau ausgerechnet, mit ganzen Zahlen und Brüchen: Eine
Lösung ist richtig, wenn sie genau die Zielkarte ergibt und nie durch null teilt. Die eigene
Suche des Computers rechnet jeden Schritt auf 15 Stellen und zählt nur einen genauen Treffer,
deshalb kann sie Lösungen verpassen, die du finden kannst.</translation>
    </message>
    <message>
        <source>Results go to standard output; every error and message goes to standard error.</source>
        <translation>Ergebnisse kommen auf die Standardausgabe, jeder Fehler und jede Meldung auf die
Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>a code holds the cards, highest card, level, count and operations: give --code or those, not both</source>
        <translation>ein Code enthält schon die Karten, die höchste Karte, die Stufe, die Anzahl und die Rechenarten: Gib --code oder diese an, nicht beides</translation>
    </message>
    <message>
        <source>the operations allowed: all, +- or +-*</source>
        <translation>die erlaubten Rechenarten: all, +- oder +-*</translation>
    </message>
    <message>
        <source>--ops needs the operations allowed: all (the default), +- for + and - only, or +-* for +, - and *, not &apos;%1&apos;</source>
        <extracomment>%1: what was typed after --ops; keep all, +- and +-* as they are</extracomment>
        <translation>--ops braucht die erlaubten Rechenarten: all (Standard), +- für nur + und - oder +-* für +, - und *, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the operations answers may use: all (the default), +- for + and - only, or
+-* for +, - and *; answers, levels and deals count only answers that keep
to them</source>
        <extracomment>--help&apos;s paragraph on --ops; keep the line breaks (lines of about 78 characters), and all, +- and +-* as they are</extracomment>
        <translation>die Rechenarten, die Lösungen benutzen dürfen: all (Standard), +- für nur
+ und - oder +-* für +, - und *; Lösungen, Stufen und Aufgaben zählen nur
Lösungen mit diesen Rechenarten</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Save puzzle</source>
        <translation>Aufgabe speichern</translation>
    </message>
    <message>
        <source>Puzzles (*.PLD)</source>
        <translation>Aufgaben (*.PLD)</translation>
    </message>
    <message>
        <source>Spreadsheet tables (*.csv)</source>
        <translation>Tabellen (*.csv)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
</context>
<context>
    <name>Dealing</name>
    <message>
        <source>No puzzle of difficulty %1 turned up in %2 deals</source>
        <translation>Unter %2 gegebenen Aufgaben war keine der Schwierigkeitsstufe %1</translation>
    </message>
    <message>
        <source>No puzzle with an answer turned up in %1 deals</source>
        <translation>Unter %1 gegebenen Aufgaben war keine mit Lösung</translation>
    </message>
    <message>
        <source>%1, so the puzzle on the table stays. Choose another difficulty, number of cards or highest card in Options.</source>
        <extracomment>%1: &quot;No puzzle of difficulty 5 turned up in 104 deals&quot;</extracomment>
        <translation>%1, deshalb bleibt die Aufgabe auf dem Tisch liegen. Wähle in den Einstellungen eine andere Schwierigkeit, Anzahl der Karten oder höchste Karte.</translation>
    </message>
    <message>
        <source>%1, so the puzzle on the table stays. Choose more cards or a higher highest card in Options.</source>
        <translation>%1, deshalb bleibt die Aufgabe auf dem Tisch liegen. Wähle in den Einstellungen mehr Karten oder eine größere höchste Karte.</translation>
    </message>
    <message>
        <source>%1, so the next puzzle is dealt as it comes. Choose another difficulty, number of cards or highest card in Options.</source>
        <translation>%1, deshalb kommt die nächste Aufgabe ohne Auswahl. Wähle in den Einstellungen eine andere Schwierigkeit, Anzahl der Karten oder höchste Karte.</translation>
    </message>
    <message>
        <source>%1, so the next puzzle is dealt as it comes. Choose more cards or a higher highest card in Options.</source>
        <translation>%1, deshalb kommt die nächste Aufgabe ohne Auswahl. Wähle in den Einstellungen mehr Karten oder eine größere höchste Karte.</translation>
    </message>
</context>
<context>
    <name>Deck</name>
    <message>
        <source>The file is not a valid puzzle deck: it has %1 face cards, where 3 to 7 are possible.</source>
        <translation>Die Datei ist kein gültiger Kartenstapel: Sie legt %1 Karten auf den Tisch, möglich sind 3 bis 7.</translation>
    </message>
    <message>
        <source>The file is not a valid puzzle deck: its answer card position %1 lies beyond the deck.</source>
        <translation>Die Datei ist kein gültiger Kartenstapel: Die Position %1 ihrer Zielkarte liegt außerhalb des Stapels.</translation>
    </message>
    <message>
        <source>The file is not a valid puzzle deck: its highest card %1 is outside 1 to 99.</source>
        <translation>Die Datei ist kein gültiger Kartenstapel: Ihre höchste Karte %1 liegt nicht zwischen 1 und 99.</translation>
    </message>
    <message>
        <source>The file is not a valid puzzle deck: it holds a card of %1, above 99.</source>
        <translation>Die Datei ist kein gültiger Kartenstapel: Sie enthält eine Karte mit dem Wert %1, also über 99.</translation>
    </message>
</context>
<context>
    <name>ExactSteps</name>
    <message>
        <source>%1: a division by zero</source>
        <extracomment>a step that cannot be worked out: &quot;8 / 0: a division by zero&quot;</extracomment>
        <translation>%1: eine Division durch null</translation>
    </message>
    <message>
        <source>%1: too large to work out</source>
        <translation>%1: zu groß zum Ausrechnen</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Cannot find the help file %1. The help contents cannot be shown.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden. Die Hilfe kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Pelorand Help</source>
        <translation>Pelorand-Hilfe</translation>
    </message>
</context>
<context>
    <name>PlayLog</name>
    <message>
        <source>solved</source>
        <translation>gelöst</translation>
    </message>
    <message>
        <source>solved with hints</source>
        <translation>gelöst mit Tipps</translation>
    </message>
    <message>
        <source>the computer first</source>
        <translation>Computer schneller</translation>
    </message>
    <message>
        <source>given up</source>
        <translation>aufgegeben</translation>
    </message>
    <message>
        <source>no answer spotted</source>
        <translation>richtig erkannt: keine Lösung</translation>
    </message>
    <message>
        <source>said no answer, but there is one</source>
        <translation>„keine Lösung“ gesagt, aber es gibt eine</translation>
    </message>
    <message>
        <source>left unsolved</source>
        <translation>ungelöst verlassen</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>rückgängig</translation>
    </message>
    <message>
        <source>start over</source>
        <translation>neu beginnen</translation>
    </message>
    <message>
        <source>hint: %1</source>
        <extracomment>a hint given while playing; %1 is the step it showed</extracomment>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>checked: %1</source>
        <extracomment>a typed answer checked; %1 is the answer as typed</extracomment>
        <translation>geprüft: %1</translation>
    </message>
    <message>
        <source>When,Player,Cards,Answer card,Level,Operations,Result,Time (s),Steps</source>
        <extracomment>the header row of the exported log of play, one column name each between the commas</extracomment>
        <translation>Wann,Spieler,Karten,Zielkarte,Stufe,Rechenarten,Ergebnis,Zeit (s),Schritte</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>hint: the cards can no longer make the answer card</source>
        <translation>Tipp: Mit diesen Karten geht die Zielkarte nicht mehr</translation>
    </message>
    <message>
        <source>said: no answer</source>
        <translation>sagte: keine Lösung</translation>
    </message>
</context>
<context>
    <name>PlayRecord</name>
    <message>
        <source>Cards,Level,Dealt,Solved,Solved with hints,Computer first,Given up,Best time (s),Median time (s),Current run,Longest run</source>
        <extracomment>the header row of the exported statistics, one column name each between the commas</extracomment>
        <translation>Karten,Stufe,Gegeben,Gelöst,Gelöst mit Tipps,Computer schneller,Aufgegeben,Bestzeit (s),Mittlere Zeit (s),Aktuelle Serie,Längste Serie</translation>
    </message>
    <message>
        <source>%1.%2 s</source>
        <extracomment>a time to a right answer: &quot;1.9 s&quot; (seconds and tenths)</extracomment>
        <translation>%1,%2 s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 (old rating)</source>
        <translation>%1 (alte Einstufung)</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Type a name first.</source>
        <translation>Schreib zuerst einen Namen.</translation>
    </message>
    <message>
        <source>A name can have at most %1 letters.</source>
        <translation>Ein Name darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>A name cannot hold tabs or line breaks.</source>
        <translation>Ein Name darf keine Tabulatoren oder Zeilenumbrüche enthalten.</translation>
    </message>
    <message>
        <source>There is a player called %1 already.</source>
        <translation>Es gibt schon einen Spieler namens %1.</translation>
    </message>
</context>
<context>
    <name>PuzzleText</name>
    <message>
        <source>&quot;%1&quot; is not a card: write every card as a whole number, as in %2.</source>
        <translation>„%1“ ist keine Karte: Schreib jede Karte als ganze Zahl, wie in %2.</translation>
    </message>
    <message>
        <source>Cards go from 1 to 99, and %1 is not one of them.</source>
        <translation>Karten gehen von 1 bis 99, und %1 gehört nicht dazu.</translation>
    </message>
    <message>
        <source>That is far too long for a puzzle: write 3 to 7 face cards, then &quot;=&quot; and the answer card, as in %1.</source>
        <translation>Das ist viel zu lang für eine Aufgabe: Schreib 3 bis 7 Karten, dann „=“ und die Zielkarte, wie in %1.</translation>
    </message>
    <message>
        <source>There is no puzzle to read: write the face cards, then &quot;=&quot; and the answer card, as in %1.</source>
        <translation>Hier steht keine Aufgabe: Schreib die Karten, dann „=“ und die Zielkarte, wie in %1.</translation>
    </message>
    <message>
        <source>The answer card is missing: write &quot;=&quot; and the answer card after the face cards, as in %1.</source>
        <translation>Die Zielkarte fehlt: Schreib nach den Karten „=“ und die Zielkarte, wie in %1.</translation>
    </message>
    <message>
        <source>Write one answer card after the &quot;=&quot;, as in %1.</source>
        <translation>Schreib nach dem „=“ genau eine Zielkarte, wie in %1.</translation>
    </message>
    <message>
        <source>A puzzle has 3 to 7 face cards, and this text has %1.</source>
        <translation>Eine Aufgabe hat 3 bis 7 Karten, dieser Text hat %1.</translation>
    </message>
</context>
<context>
    <name>RecordCharts</name>
    <message>
        <source>Median times with &amp;cards:</source>
        <translation>Mittlere Zeiten, Anzahl der &amp;Karten:</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>Als &amp;PNG speichern...</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Stufe %1: %2</translation>
    </message>
    <message>
        <source>Level %1: no right answer yet</source>
        <translation>Stufe %1: noch keine richtige Lösung</translation>
    </message>
    <message>
        <source>Median time to a right answer with %1 cards</source>
        <translation>Mittlere Zeit bis zur richtigen Lösung mit %1 Karten</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Level (1 easy, 5 hard)</source>
        <translation>Stufe (1 leicht, 5 schwer)</translation>
    </message>
    <message>
        <source>No right answers yet with %1 cards</source>
        <translation>Noch keine richtigen Lösungen mit %1 Karten</translation>
    </message>
    <message>
        <source>W%1</source>
        <translation>KW%1</translation>
    </message>
    <message>
        <source>Week %1 of %2: %3</source>
        <translation>Woche %1 im Jahr %2: %3</translation>
    </message>
    <message>
        <source>No right answers yet</source>
        <translation>Noch keine richtigen Lösungen</translation>
    </message>
    <message>
        <source>No right answers in the last %1 weeks</source>
        <translation>Keine richtigen Lösungen in den letzten %1 Wochen</translation>
    </message>
    <message>
        <source>Puzzles solved per week</source>
        <translation>Gelöste Aufgaben pro Woche</translation>
    </message>
    <message>
        <source>puzzles</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Week of the year, %1</source>
        <translation>Kalenderwoche, %1</translation>
    </message>
    <message>
        <source>Save charts as PNG</source>
        <translation>Diagramme als PNG speichern</translation>
    </message>
    <message>
        <source>The charts could not be saved to %1: %2.</source>
        <translation>Die Diagramme konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Gespeichert in %1.</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Your turn: %1</source>
        <translation>Du bist dran: %1</translation>
    </message>
    <message>
        <source>Your turn: no time limit</source>
        <translation>Du bist dran: ohne Zeitlimit</translation>
    </message>
    <message>
        <source>Looking for a solution...</source>
        <translation>Der Computer sucht eine Lösung ...</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Got it, do you give up?</source>
        <translation>Gefunden! Gibst du auf?</translation>
    </message>
    <message>
        <source>Broken down like this:</source>
        <translation>Schritt für Schritt:</translation>
    </message>
    <message>
        <source>Solution found.</source>
        <translation>Lösung gefunden.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>There is no answer: these cards cannot make %1.</source>
        <translation>Es gibt keine Lösung: Diese Karten ergeben nie %1.</translation>
    </message>
</context>
<context>
    <name>Tally</name>
    <message>
        <source>You %1 (%2 with hints), the computer %3</source>
        <translation>Du %L1 (%L2 mit Tipps), der Computer %L3</translation>
    </message>
    <message>
        <source>You %1, the computer %2</source>
        <translation>Du %L1, der Computer %L2</translation>
    </message>
</context>
<context>
    <name>TileButton</name>
    <message>
        <source>Card %1</source>
        <extracomment>A card on the board, for a screen reader: &quot;Card 5/2&quot;</extracomment>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>Hint: pick this card next</source>
        <translation>Tipp: Wähle als Nächstes diese Karte</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message numerus="yes">
        <source>%Ln answer(s)</source>
        <translation>
            <numerusform>%Ln Lösung</numerusform>
            <numerusform>%Ln Lösungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Wird geprüft ...</translation>
    </message>
    <message>
        <source>No solution</source>
        <translation>Keine Lösung</translation>
    </message>
    <message>
        <source>beyond the computer</source>
        <translation>für den Computer unlösbar</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>Bewertung: %1</translation>
    </message>
    <message>
        <source>Verdict: %1, difficulty %2 of 5, beyond the computer</source>
        <translation>Bewertung: %1, Schwierigkeitsstufe %2 von 5, für den Computer unlösbar</translation>
    </message>
    <message>
        <source>Verdict: %1, difficulty %2 of 5</source>
        <translation>Bewertung: %1, Schwierigkeitsstufe %2 von 5</translation>
    </message>
    <message>
        <source>Verdict: %1, beyond the computer</source>
        <translation>Bewertung: %1, für den Computer unlösbar</translation>
    </message>
    <message>
        <source>it has no answer</source>
        <translation>Sie hat keine Lösung</translation>
    </message>
    <message>
        <source>the easiest answer needs a fraction part-way</source>
        <translation>Die leichteste Lösung braucht unterwegs einen Bruch</translation>
    </message>
    <message>
        <source>the easiest answer needs a division</source>
        <translation>Die leichteste Lösung braucht eine Division</translation>
    </message>
    <message numerus="yes">
        <source>the easiest answer needs %n divisions</source>
        <translation>
            <numerusform>Die leichteste Lösung braucht %Ln Division</numerusform>
            <numerusform>Die leichteste Lösung braucht %Ln Divisionen</numerusform>
        </translation>
    </message>
    <message>
        <source>the easiest answer passes the answer card on the way</source>
        <translation>Die leichteste Lösung geht unterwegs über die Zielkarte hinaus</translation>
    </message>
    <message>
        <source>only one last step reaches the answer</source>
        <translation>Nur ein einziger letzter Schritt führt zur Zielkarte</translation>
    </message>
    <message>
        <source>only %1 different last steps reach the answer</source>
        <translation>Nur %L1 verschiedene letzte Schritte führen zur Zielkarte</translation>
    </message>
    <message>
        <source>%1 different card values to use, and no shortcut</source>
        <translation>%L1 verschiedene Kartenwerte und keine Abkürzung</translation>
    </message>
    <message>
        <source>a 1 to spare: the easiest answer multiplies or divides by 1</source>
        <translation>eine 1 zum Verschenken: Die leichteste Lösung rechnet mal 1 oder geteilt durch 1</translation>
    </message>
    <message>
        <source>the easiest answer just adds up</source>
        <translation>Die leichteste Lösung zählt nur zusammen</translation>
    </message>
    <message>
        <source>%1 different last steps reach the answer</source>
        <translation>%L1 verschiedene letzte Schritte führen zur Zielkarte</translation>
    </message>
    <message>
        <source>only one card value</source>
        <translation>nur ein Kartenwert</translation>
    </message>
    <message>
        <source>only %1 different card values</source>
        <translation>nur %L1 verschiedene Kartenwerte</translation>
    </message>
    <message>
        <source>the easiest answer keeps to small numbers</source>
        <translation>Die leichteste Lösung bleibt bei kleinen Zahlen</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Stufe %1: %2</translation>
    </message>
    <message>
        <source>Answers: a secret till the end</source>
        <translation>Lösungen: geheim bis zum Schluss</translation>
    </message>
    <message>
        <source>Verdict: the number of answers is a secret until the puzzle is over</source>
        <translation>Urteil: Die Zahl der Lösungen bleibt geheim, bis die Aufgabe vorbei ist</translation>
    </message>
    <message>
        <source>Now and then a puzzle has no answer,
so the number of answers shows only once this puzzle is over:
when you solve it, say &quot;No answer&quot; rightly, or give up.</source>
        <translation>Ab und zu hat eine Aufgabe keine Lösung.
Darum zeigt sich die Zahl der Lösungen erst, wenn die Aufgabe vorbei ist:
wenn du sie löst, richtig „Keine Lösung“ sagst oder aufgibst.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Worked in the game&apos;s order: brackets, then *, then /, then +, then -, each left to right (so 8 / 2 * 2 is 2, and 5 - 2 + 1 is 2).</source>
        <translation>Gerechnet wie im Spiel: Klammern, dann *, dann /, dann +, dann -, jeweils von links nach rechts (also 8 / 2 * 2 = 2 und 5 - 2 + 1 = 2).</translation>
    </message>
    <message>
        <source>Worked in the school order: brackets, then * and / left to right, then + and - left to right (so 8 / 2 * 2 is 8, and 5 - 2 + 1 is 4).</source>
        <translation>Gerechnet wie in der Schule: Klammern, dann * und / von links nach rechts, dann + und - von links nach rechts (also 8 / 2 * 2 = 8 und 5 - 2 + 1 = 4).</translation>
    </message>
    <message>
        <source>Worksheet code %1</source>
        <translation>Code des Arbeitsblatts: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %L2</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%Ln Lösung</numerusform>
            <numerusform>%Ln Lösungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Answers: %1</source>
        <translation>Lösungen: %1</translation>
    </message>
    <message>
        <source>Pelorand worksheet</source>
        <translation>Pelorand-Arbeitsblatt</translation>
    </message>
    <message>
        <source>A worksheet code has no &apos;%1&apos;: it is made of the digits 2 to 9 and the letters other than I, L and O.</source>
        <translation>In einem Code eines Arbeitsblatts gibt es kein „%1“: Er besteht aus den Ziffern 2 bis 9 und allen Buchstaben außer I, L und O.</translation>
    </message>
    <message>
        <source>This worksheet code has a typing error: check it character by character.</source>
        <translation>In diesem Code steckt ein Tippfehler: Prüf ihn Zeichen für Zeichen.</translation>
    </message>
    <message>
        <source>This is not a worksheet code: check it character by character.</source>
        <translation>Das ist kein Code eines Arbeitsblatts: Prüf ihn Zeichen für Zeichen.</translation>
    </message>
    <message>
        <source>%1: choose another difficulty, number of cards or highest card.</source>
        <extracomment>%1: &quot;No puzzle of difficulty 5 turned up in 104 deals&quot;</extracomment>
        <translation>%1: Wähle eine andere Schwierigkeit, Anzahl der Karten oder höchste Karte.</translation>
    </message>
    <message>
        <source>Only %1 different puzzles of these settings turned up: ask for %1 or fewer, or choose another difficulty, number of cards or highest card.</source>
        <translation>Mit diesen Einstellungen fanden sich nur %1 verschiedene Aufgaben: Stell höchstens %1 Aufgaben ein oder wähle eine andere Schwierigkeit, Anzahl der Karten oder höchste Karte.</translation>
    </message>
    <message>
        <source>A worksheet code has %1 characters, or %2 for an older sheet; this one has %3.</source>
        <translation>Der Code eines Arbeitsblatts hat %1 Zeichen, bei einem älteren Blatt %2; dieser hat %3.</translation>
    </message>
    <message>
        <source>Use %1 only. %2</source>
        <extracomment>%1: the operations allowed, as signs (&quot;+ −&quot;); %2: the sentence on the order of operations</extracomment>
        <translation>Rechne nur mit %1. %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Pelorand</source>
        <translation>Über Pelorand</translation>
    </message>
    <message>
        <source>A concentration exercise: make the answer card from all the face cards, each used once, with + - * / and brackets.</source>
        <translation>Eine Konzentrationsübung: Komm mit allen Karten, jede genau einmal, und mit + - * / und Klammern auf die Zielkarte.</translation>
    </message>
    <message>
        <source>Free to play and to share.</source>
        <translation>Frei zum Spielen und Weitergeben.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>frmAnswer</name>
    <message>
        <source>Your Answer</source>
        <translation>Deine Lösung</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Deine Lösung</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Show one step of a solution</source>
        <translation>Einen Schritt einer Lösung zeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Result:</source>
        <translation>&amp;Ergebnis:</translation>
    </message>
    <message>
        <source>Tally: %1</source>
        <translation>Punktestand: %1</translation>
    </message>
    <message>
        <source>Brackets, then every *, then every /, then every +, then every -, each left to right</source>
        <translation>Klammern, dann jedes *, dann jedes /, dann jedes +, dann jedes -, jeweils von links nach rechts</translation>
    </message>
    <message>
        <source>Brackets, then * and / left to right, then + and - left to right</source>
        <translation>Klammern, dann * und / von links nach rechts, dann + und - von links nach rechts</translation>
    </message>
    <message>
        <source>Check your answer in the game&apos;s own order of operations</source>
        <translation>Deine Lösung in der Rechenreihenfolge des Spiels prüfen</translation>
    </message>
    <message>
        <source>Check your answer in the order of operations taught at school</source>
        <translation>Deine Lösung in der Rechenreihenfolge der Schule prüfen</translation>
    </message>
    <message>
        <source>(at character %1)</source>
        <translation>(bei Zeichen %1)</translation>
    </message>
    <message>
        <source>none: it divides by zero</source>
        <translation>keiner, denn es wird durch null geteilt</translation>
    </message>
    <message>
        <source>The game reads it as: %1</source>
        <translation>Das Spiel liest: %1</translation>
    </message>
    <message>
        <source>Value: %1</source>
        <translation>Wert: %1</translation>
    </message>
    <message>
        <source>Worked out exactly:</source>
        <translation>Genau ausgerechnet:</translation>
    </message>
    <message>
        <source>Broken down like this:</source>
        <translation>Schritt für Schritt:</translation>
    </message>
    <message>
        <source>You got it first!</source>
        <translation>Du warst schneller!</translation>
    </message>
    <message>
        <source>The computer was first this time.</source>
        <translation>Diesmal war der Computer schneller.</translation>
    </message>
    <message>
        <source>The puzzle is still being checked. Ask again in a moment.</source>
        <translation>Die Aufgabe wird noch geprüft. Frag gleich noch einmal.</translation>
    </message>
    <message>
        <source>This puzzle has no solution at all: deal the next one.</source>
        <translation>Diese Aufgabe hat gar keine Lösung: Gib die nächste.</translation>
    </message>
    <message>
        <source>Hint %1 of %2: %3</source>
        <translation>Tipp %1 von %L2: %3</translation>
    </message>
    <message>
        <source>That is a whole solution: %1</source>
        <translation>Das ist die ganze Lösung: %1</translation>
    </message>
    <message>
        <source>The cards on the board can no longer make %1: press Undo or Start Over.</source>
        <translation>Mit den Karten auf dem Spielfeld kommst du nicht mehr auf %1: Drück Rückgängig oder Neu beginnen.</translation>
    </message>
    <message>
        <source>&amp;Give Up</source>
        <translation>&amp;Aufgeben</translation>
    </message>
    <message>
        <source>Let the computer start looking now (Ctrl+G)</source>
        <translation>Der Computer soll jetzt anfangen zu suchen (Strg+G)</translation>
    </message>
    <message>
        <source>The computer found an answer before you started, so this puzzle is no race. To race it fairly, give yourself a head start: Options, &quot;Computer starts&quot;.</source>
        <translation>Der Computer hatte eine Lösung, bevor du angefangen hast: Diese Aufgabe ist kein Wettrennen. Für ein faires Rennen gib dir einen Vorsprung: Einstellungen, „Computer beginnt“.</translation>
    </message>
    <message>
        <source>Your steps have left the simplest answer. A next step from the cards as they stand: %1</source>
        <translation>Deine Schritte führen von der einfachsten Lösung weg. Ein nächster Schritt mit den Karten, wie sie jetzt liegen: %1</translation>
    </message>
    <message>
        <source>&amp;No answer</source>
        <translation>&amp;Keine Lösung</translation>
    </message>
    <message>
        <source>Say that no answer makes the answer card from these cards (N)</source>
        <translation>Sagen, dass keine Lösung aus diesen Karten die Zielkarte macht (N)</translation>
    </message>
    <message>
        <source>This puzzle has no answer at all: press &quot;No answer&quot;.</source>
        <translation>Diese Aufgabe hat gar keine Lösung: Drücke „Keine Lösung“.</translation>
    </message>
    <message>
        <source>Right! There is no answer.</source>
        <translation>Richtig! Es gibt keine Lösung.</translation>
    </message>
    <message>
        <source>Not so: this puzzle has an answer. Keep looking, or give up.</source>
        <translation>Nicht ganz: Diese Aufgabe hat eine Lösung. Such weiter oder gib auf.</translation>
    </message>
    <message>
        <source>&amp;Your answer, with every face card once (%1 and brackets), read in the game&apos;s own order:</source>
        <extracomment>%1: the operations allowed, as typed: &quot;+ - * /&quot;</extracomment>
        <translation>&amp;Deine Lösung, mit jeder Karte genau einmal (%1 und Klammern), gerechnet in der Reihenfolge des Spiels:</translation>
    </message>
    <message>
        <source>&amp;Your answer, with every face card once (%1 and brackets), read in the school order:</source>
        <translation>&amp;Deine Lösung, mit jeder Karte genau einmal (%1 und Klammern), gerechnet in der Reihenfolge der Schule:</translation>
    </message>
    <message>
        <source>This puzzle has no solution with %1: deal the next one.</source>
        <extracomment>%1: the operations allowed, as signs (&quot;+ −&quot;)</extracomment>
        <translation>Diese Aufgabe hat keine Lösung mit %1: Gib die nächste.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Time on this puzzle: </source>
        <translation>Zeit für diese Aufgabe: </translation>
    </message>
    <message>
        <source>the file %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>no printer is available. Choose one with Page Setup.</source>
        <translation>Es ist kein Drucker da. Wähle einen unter Seite einrichten.</translation>
    </message>
    <message>
        <source>the printer %1 could not be started.</source>
        <translation>Der Drucker %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Unable to print: %1</source>
        <translation>Drucken nicht möglich: %1</translation>
    </message>
    <message>
        <source>Unable to print: the page could not be finished.</source>
        <translation>Drucken nicht möglich: Die Seite konnte nicht fertiggestellt werden.</translation>
    </message>
    <message>
        <source>Unable to load file: Error %1</source>
        <translation>Die Datei kann nicht geladen werden: Fehler %1</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Pfad nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Not a file: %1</source>
        <translation>Keine Datei: %1</translation>
    </message>
    <message>
        <source>Looking for a solution...</source>
        <translation>Der Computer sucht eine Lösung ...</translation>
    </message>
    <message>
        <source>Unable to save file: Error %1</source>
        <translation>Die Datei kann nicht gespeichert werden: Fehler %1</translation>
    </message>
    <message>
        <source>The clipboard does not hold a puzzle, so the table stays as it is. %1</source>
        <translation>In der Zwischenablage steht keine Aufgabe, deshalb bleibt der Tisch, wie er ist. %1</translation>
    </message>
    <message>
        <source>No puzzle with an answer turned up for today, so the table stays as it is.</source>
        <translation>Für heute fand sich keine Aufgabe mit Lösung, deshalb bleibt der Tisch, wie er ist.</translation>
    </message>
    <message>
        <source>Play with this card</source>
        <translation>Mit dieser Karte spielen</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <source>Shuffle the deck</source>
        <translation>Die Karten mischen</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Geben</translation>
    </message>
    <message>
        <source>Deal, new puzzle</source>
        <translation>Geben: neue Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <translation>&amp;Auflösung</translation>
    </message>
    <message>
        <source>Show the answer to the puzzle</source>
        <translation>Die Auflösung der Aufgabe zeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit back to windows</source>
        <translation>Pelorand beenden</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Last attempt: </source>
        <translation>Letzter Versuch: </translation>
    </message>
    <message>
        <source>Attempts: </source>
        <translation>Versuche: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Puzzle...</source>
        <translation>&amp;Neue Aufgabe...</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Puzzle</source>
        <translation>Aufgabe des &amp;Tages</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Seite ein&amp;richten...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print &amp;Worksheet...</source>
        <translation>&amp;Arbeitsblatt drucken...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>B&amp;earbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Aus&amp;schneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Puzzle</source>
        <translation>Aufgabe &amp;einfügen</translation>
    </message>
    <message>
        <source>Paste &amp;Special...</source>
        <translation>&amp;Inhalte einfügen...</translation>
    </message>
    <message>
        <source>&amp;Your Answer...</source>
        <translation>&amp;Deine Lösung...</translation>
    </message>
    <message>
        <source>&amp;Give Up</source>
        <translation>&amp;Aufgeben</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>&amp;Uhr</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Pelorand...</source>
        <translation>Ü&amp;ber Pelorand...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Load saved deck</source>
        <translation>Gespeicherten Kartenstapel laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save this deck</source>
        <translation>Diesen Kartenstapel speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print this puzzle</source>
        <translation>Diese Aufgabe drucken</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Deal a card, next puzzle</source>
        <translation>Eine Karte geben: nächste Aufgabe</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Display the answer</source>
        <translation>Die Auflösung zeigen</translation>
    </message>
    <message>
        <source>Your Answer</source>
        <translation>Deine Lösung</translation>
    </message>
    <message>
        <source>Check your own answer</source>
        <translation>Deine eigene Lösung prüfen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Wird geprüft ...</translation>
    </message>
    <message>
        <source>You got it first!</source>
        <translation>Du warst schneller!</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>Bewertung: %1</translation>
    </message>
    <message>
        <source>Answer card %1</source>
        <translation>Zielkarte %1</translation>
    </message>
    <message>
        <source>Face card %1: %2</source>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation>Fortschritt: %1</translation>
    </message>
    <message numerus="yes">
        <source>From now on Deal deals %n card(s), as this puzzle has; Options, &quot;Number of puzzle cards&quot;, changes that.</source>
        <translation>
            <numerusform>Ab jetzt gibt „Geben“ %n Karte, so viele wie diese Aufgabe; Einstellungen, „Anzahl der Karten“, ändert das.</numerusform>
            <numerusform>Ab jetzt gibt „Geben“ %n Karten, so viele wie diese Aufgabe; Einstellungen, „Anzahl der Karten“, ändert das.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Player...</source>
        <translation>S&amp;pieler...</translation>
    </message>
</context>
<context>
    <name>frmNewPuzzle</name>
    <message>
        <source>New Puzzle</source>
        <translation>Neue Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Face cards, then = and the answer card (for example 3 9 3 9 = 17):</source>
        <translation>&amp;Karten, dann = und die Zielkarte (zum Beispiel 3 9 3 9 = 17):</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Number of puzzle cards</source>
        <translation>Anzahl der Karten</translation>
    </message>
    <message>
        <source>Choose the number of cards in the top row</source>
        <translation>Wähle, wie viele Karten in der oberen Reihe liegen</translation>
    </message>
    <message>
        <source>Highest card</source>
        <translation>Höchste Karte</translation>
    </message>
    <message>
        <source>Set the highst card limit</source>
        <translation>Lege fest, wie hoch eine Karte höchstens sein darf</translation>
    </message>
    <message>
        <source>Deal only puzzles with an a&amp;nswer</source>
        <translation>Nur Aufgaben mit &amp;Lösung geben</translation>
    </message>
    <message>
        <source>Deal skips puzzles that no answer solves</source>
        <translation>Geben überspringt Aufgaben, die keine Lösung haben</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Schwierigkeit</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Deal only puzzles of this difficulty, 1 easy to 5 hard</source>
        <translation>Nur Aufgaben dieser Schwierigkeit geben, von 1 leicht bis 5 schwer</translation>
    </message>
    <message>
        <source>Difficulty of the puzzles dealt</source>
        <translation>Schwierigkeit der gegebenen Aufgaben</translation>
    </message>
    <message>
        <source>Computer &amp;starts</source>
        <translation>Computer &amp;beginnt</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>sofort</translation>
    </message>
    <message>
        <source>after 10 s</source>
        <translation>nach 10 s</translation>
    </message>
    <message>
        <source>after 30 s</source>
        <translation>nach 30 s</translation>
    </message>
    <message>
        <source>after 60 s</source>
        <translation>nach 60 s</translation>
    </message>
    <message>
        <source>only when I give up</source>
        <translation>wenn ich aufgebe</translation>
    </message>
    <message>
        <source>Give yourself time before the computer starts its search</source>
        <translation>Gib dir Zeit, bevor der Computer mit seiner Suche beginnt</translation>
    </message>
    <message>
        <source>When the computer starts looking</source>
        <translation>Wann der Computer zu suchen beginnt</translation>
    </message>
    <message>
        <source>&amp;Order of operations</source>
        <translation>&amp;Rechenreihenfolge</translation>
    </message>
    <message>
        <source>The game&apos;s own: x, then /, then +, then -</source>
        <translation>Spiel: x, dann /, dann +, dann -</translation>
    </message>
    <message>
        <source>School: x and / left to right, then + and - left to right</source>
        <translation>Schule: erst x und /, dann + und -, je von links nach rechts</translation>
    </message>
    <message>
        <source>How a calculation is read: 10 - 4 + 3 is 3 in the game&apos;s order and 9 in the school&apos;s</source>
        <translation>So wird gerechnet: 10 - 4 + 3 ergibt 3 in der Reihenfolge des Spiels und 9 in der Reihenfolge der Schule</translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation>Rechenreihenfolge</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>The system&apos;s</source>
        <translation>Wie im System</translation>
    </message>
    <message>
        <source>The language of the game&apos;s windows</source>
        <translation>Die Sprache in den Fenstern des Spiels</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>A new language takes effect the next time Pelorand starts.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start von Pelorand.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>1 (easy)</source>
        <translation>1 (leicht)</translation>
    </message>
    <message>
        <source>5 (hard)</source>
        <translation>5 (schwer)</translation>
    </message>
    <message>
        <source>Now and then a puzzle with no ans&amp;wer</source>
        <translation>Ab und zu eine Aufgabe &amp;ohne Lösung</translation>
    </message>
    <message>
        <source>O&amp;perations allowed</source>
        <translation>Erlaubte Rechen&amp;arten</translation>
    </message>
    <message>
        <source>All four</source>
        <translation>Alle vier</translation>
    </message>
    <message>
        <source>+ and − only</source>
        <translation>Nur + und −</translation>
    </message>
    <message>
        <source>+, − and ×</source>
        <translation>+, − und ×</translation>
    </message>
    <message>
        <source>The operations answers may use: the puzzles dealt, the answers counted, the board and the computer&apos;s search keep to them</source>
        <translation>Die Rechenarten, die Lösungen benutzen dürfen: Die Aufgaben, die gezählten Lösungen, das Spielbrett und die Suche des Computers halten sich daran</translation>
    </message>
    <message>
        <source>Operations allowed</source>
        <translation>Erlaubte Rechenarten</translation>
    </message>
    <message>
        <source>About one deal in five has no answer, for you to find out with &quot;No answer&quot; in Your Answer;
the computer then waits until you give up.
Only with 3 or 4 cards, or with fewer operations: otherwise almost every puzzle has an answer.</source>
        <translation>Etwa jede fünfte Aufgabe hat keine Lösung. Finde es heraus und sag es mit „Keine Lösung“ im Fenster „Deine Lösung“;
der Computer wartet dann, bis du aufgibst.
Nur mit 3 oder 4 Karten oder mit weniger Rechenarten: sonst hat fast jede Aufgabe eine Lösung.</translation>
    </message>
</context>
<context>
    <name>frmPlayer</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>&amp;Who is playing?</source>
        <translation>&amp;Wer spielt?</translation>
    </message>
    <message>
        <source>&amp;New player:</source>
        <translation>&amp;Neuer Spieler:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>Removes the player with his statistics and log</source>
        <translation>Entfernt den Spieler mit seiner Statistik und seinem Protokoll</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete the player %1? The statistics and the log of every puzzle %1 played go too. This cannot be undone.</source>
        <translation>Den Spieler %1 löschen? Die Statistik und das Protokoll aller Aufgaben, die %1 gespielt hat, werden mitgelöscht. Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>frmSoln</name>
    <message>
        <source>Solution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Operator order of evaluation : Brackets, Multiplication, Division, Addition and Subtraction.</source>
        <translation>Rechenreihenfolge: Klammern, Multiplikation, Division, Addition und Subtraktion.</translation>
    </message>
    <message>
        <source>Operator order of evaluation : Brackets, then Multiplication and Division, then Addition and Subtraction, each left to right.</source>
        <translation>Rechenreihenfolge: Klammern, dann Multiplikation und Division, dann Addition und Subtraktion, jeweils von links nach rechts.</translation>
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
        <translation>Ein Rechenspiel mit Karten: eine Konzentrationsübung.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen ...</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Gegeben</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>With hints</source>
        <translation>Mit Tipps</translation>
    </message>
    <message>
        <source>Computer first</source>
        <translation>Computer schneller</translation>
    </message>
    <message>
        <source>Given up</source>
        <translation>Aufgegeben</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mittlere Zeit</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Aktuelle Serie</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Längste Serie</translation>
    </message>
    <message>
        <source>The number of face cards</source>
        <translation>Die Anzahl der Karten</translation>
    </message>
    <message>
        <source>The puzzle&apos;s difficulty, 1 easy to 5 hard; none: it has no answer, or its level was not yet known</source>
        <translation>Die Schwierigkeit der Aufgabe, von 1 leicht bis 5 schwer; keine: Sie hat keine Lösung, oder ihre Stufe war noch nicht bekannt</translation>
    </message>
    <message>
        <source>Puzzles put on the table</source>
        <translation>Aufgaben, die auf den Tisch kamen</translation>
    </message>
    <message>
        <source>Solved by you before the computer, without hints</source>
        <translation>Von dir vor dem Computer gelöst, ohne Tipps</translation>
    </message>
    <message>
        <source>Solved by you before the computer, after a hint</source>
        <translation>Von dir vor dem Computer gelöst, nach einem Tipp</translation>
    </message>
    <message>
        <source>The computer&apos;s search found a solution first</source>
        <translation>Die Suche des Computers hat zuerst eine Lösung gefunden</translation>
    </message>
    <message>
        <source>You let the computer start with Give Up</source>
        <translation>Du hast den Computer mit Aufgeben anfangen lassen</translation>
    </message>
    <message>
        <source>Your fastest right answer</source>
        <translation>Deine schnellste richtige Lösung</translation>
    </message>
    <message>
        <source>Half your right answers were faster, half slower</source>
        <translation>Die Hälfte deiner richtigen Lösungen war schneller, die Hälfte langsamer</translation>
    </message>
    <message>
        <source>Puzzles solved without hints in a row, up to now</source>
        <translation>Aufgaben, die du bis jetzt hintereinander ohne Tipps gelöst hast</translation>
    </message>
    <message>
        <source>The most puzzles solved without hints in a row</source>
        <translation>Die meisten Aufgaben, die du hintereinander ohne Tipps gelöst hast</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Statistics by number of cards and level</source>
        <translation>Statistik nach Anzahl der Karten und Stufe</translation>
    </message>
    <message>
        <source>No puzzles recorded yet: deal one and play.</source>
        <translation>Noch keine Aufgaben gespielt: Gib eine und spiel los.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>Als CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Zurücksetzen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The statistics could not be written to %1: %2.</source>
        <translation>Die Statistik konnte nicht in %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Written to %1.</source>
        <translation>Gespeichert in %1.</translation>
    </message>
    <message>
        <source>Export statistics</source>
        <translation>Statistik exportieren</translation>
    </message>
    <message>
        <source>Clear the statistics? Every count, time and run goes, and the Your Answer tally with them. This cannot be undone.</source>
        <translation>Statistik löschen? Alle Zahlen, Zeiten und Serien gehen verloren und mit ihnen der Punktestand in „Deine Lösung“. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Rows marked (old rating) were recorded when the level counted a puzzle&apos;s plain answers; the level now comes from how hard people find its easiest answer. Those rows are kept as they were and no longer grow.</source>
        <translation>Zeilen mit (alte Einstufung) stammen aus der Zeit, als die Stufe zählte, wie viele Lösungen eine Aufgabe nur mit ganzen Zahlen hat; jetzt richtet sich die Stufe danach, wie schwer Menschen ihre leichteste Lösung finden. Diese Zeilen bleiben, wie sie waren, und wachsen nicht mehr.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Answer card</source>
        <translation>Zielkarte</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Rechenarten</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Every puzzle played, newest first</source>
        <translation>Jede gespielte Aufgabe, die neueste zuerst</translation>
    </message>
    <message>
        <source>No puzzles played yet.</source>
        <translation>Noch keine Aufgabe gespielt.</translation>
    </message>
    <message>
        <source>Export &amp;log as CSV...</source>
        <translation>Protoko&amp;ll als CSV exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;all players&apos; logs...</source>
        <translation>Protokolle &amp;aller Spieler exportieren...</translation>
    </message>
    <message>
        <source>One table with the log of every player on this computer, for a teacher</source>
        <translation>Eine Tabelle mit den Protokollen aller Spieler auf diesem Computer, für Lehrkräfte</translation>
    </message>
    <message>
        <source>L&amp;og</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>The log could not be written to %1: %2.</source>
        <translation>Das Protokoll konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Export the log</source>
        <translation>Protokoll exportieren</translation>
    </message>
    <message>
        <source>Export every player&apos;s log</source>
        <translation>Protokolle aller Spieler exportieren</translation>
    </message>
    <message>
        <source>Re&amp;cord</source>
        <translation>Ü&amp;bersicht</translation>
    </message>
    <message>
        <source>Pla&amp;yer:</source>
        <translation>Spiele&amp;r:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
</context>
<context>
    <name>frmWorksheet</name>
    <message>
        <source>Print Worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Include an &amp;answer page</source>
        <translation>Mit &amp;Lösungsseite</translation>
    </message>
    <message>
        <source>Pelorand worksheet</source>
        <translation>Pelorand-Arbeitsblatt</translation>
    </message>
    <message>
        <source>a code from an earlier sheet</source>
        <translation>ein Code von einem früheren Blatt</translation>
    </message>
    <message>
        <source>Number of &amp;cards:</source>
        <translation>Anzahl der &amp;Karten:</translation>
    </message>
    <message>
        <source>&amp;Highest card:</source>
        <translation>&amp;Höchste Karte:</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Schwierigkeit:</translation>
    </message>
    <message>
        <source>&amp;Number of puzzles:</source>
        <translation>Anzahl der &amp;Aufgaben:</translation>
    </message>
    <message>
        <source>Puzzles per pa&amp;ge:</source>
        <translation>Aufgaben pro S&amp;eite:</translation>
    </message>
    <message>
        <source>&amp;Title line:</source>
        <translation>&amp;Titelzeile:</translation>
    </message>
    <message>
        <source>&amp;From code:</source>
        <translation>Aus &amp;Code:</translation>
    </message>
    <message>
        <source>Code of this sheet:</source>
        <translation>Code dieses Blatts:</translation>
    </message>
    <message>
        <source>New &amp;puzzles</source>
        <translation>&amp;Neue Aufgaben</translation>
    </message>
    <message>
        <source>Other puzzles with the same settings</source>
        <translation>Andere Aufgaben mit denselben Einstellungen</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Unable to print the worksheet: the printer could not be started.</source>
        <translation>Das Arbeitsblatt kann nicht gedruckt werden: Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Unable to print the worksheet: the file %1 could not be written.</source>
        <translation>Das Arbeitsblatt kann nicht gedruckt werden: Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Worksheet preview</source>
        <translation>Vorschau des Arbeitsblatts</translation>
    </message>
    <message>
        <source>1 (easy)</source>
        <translation>1 (leicht)</translation>
    </message>
    <message>
        <source>5 (hard)</source>
        <translation>5 (schwer)</translation>
    </message>
    <message>
        <source>Every puzzle on a worksheet has an answer.</source>
        <translation>Jede Aufgabe auf einem Arbeitsblatt hat eine Lösung.</translation>
    </message>
    <message>
        <source>All four</source>
        <translation>Alle vier</translation>
    </message>
    <message>
        <source>+ and − only</source>
        <translation>Nur + und −</translation>
    </message>
    <message>
        <source>+, − and ×</source>
        <translation>+, − und ×</translation>
    </message>
    <message>
        <source>&amp;Operations:</source>
        <translation>&amp;Rechenarten:</translation>
    </message>
</context>
</TS>
