<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>the answer could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That divides by zero, and an answer that divides by zero never counts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer&apos;s own 15-digit arithmetic meets a division by zero on the way, so the computer could never find this answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer&apos;s own 15-digit arithmetic makes it %1, so the computer could never find this answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That makes %1, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer&apos;s own 15-digit arithmetic would round it to %1 and count it, but exactly it is not %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerMessage</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 times</source>
        <extracomment>&quot;three times&quot;: %1 is a number in words (three) or, above ten, in digits</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type an answer that uses every face card once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer is longer than %1 characters, more than the game reads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer holds a character that is not a number, an operator or a bracket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the answer card may follow &apos;=&apos;, at the very end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number, an operator or a bracket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer uses %1, which is not on the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer uses %1 %2, but the table has %3.</source>
        <extracomment>&quot;Your answer uses 3 three times, but the table has two.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a list of cards: &quot;3, 4 and 5&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer leaves out %1: every face card is used once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A minus sign must stand between two numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An operator must stand between two numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An operator is missing between two numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pair of brackets holds nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bracket is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A closing bracket has no opening bracket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are too many brackets inside one another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer ends with = %1, but the answer card is %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add (key +)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtract (key -)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply (key * or x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divided by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide (key /)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be divided by 0. Pick another card or operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 makes %2, which is not a whole number. Only whole numbers are allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 makes %2, which is below zero. Only whole numbers from 0 up are allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That number is too large to work with. Pick another step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick this card (key %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last step (Backspace or Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the cards on the table (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Whole numbers only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refuse a step that makes a fraction or a number below zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;teps:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make %1: pick a card, an operation and another card, and go on until one card is left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A step on the board, for a screen reader: &quot;Step 2: 15 ÷ 6 = 5/2&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>pelorand: --worksheet: the file %1 could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given twice; give it once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <extracomment>&quot;--cards needs the number of face cards, 3 to 7&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--order needs game or school</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give how many puzzles to deal, a whole number from 1 to 10000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of face cards, 3 to 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the highest card, 1 to 99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a difficulty from 1 to 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from 0 to 4294967295</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>game or school</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one deck file, not two (&apos;%1&apos; and &apos;%2&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give --seed or a deck file, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a date written YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option of --today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--date needs a date written YYYY-MM-DD, such as 2026-12-07, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>level %1</source>
        <extracomment>the end of a line of --deal: &quot;=&gt; 24 level 3&quot; (level - when the puzzle has no answer)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pelorand: --today: no puzzle with an answer turned up for that day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of puzzles, 1 to 60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the puzzles on a page: 4, 6, 8 or 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a worksheet code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the title line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of the PDF file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; name the PDF file after -o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--per-page needs the puzzles on a page: 4, 6, 8 or 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name the PDF file to write with -o FILE.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a code holds the cards, highest card, level and count: give --code or those, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file or no permission to read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a deck file is exactly 55 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pelorand: --deal: cannot read the deck &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: pelorand [DECK-FILE]
       pelorand --solve [--search] [--order O] C1 C2 C3 [C4 ... C7] ANSWER
       pelorand --check [--order O] C1 C2 C3 [C4 ... C7] ANSWER &quot;EXPRESSION&quot;
       pelorand --deal N [--cards C] [--high H] [--answer-only] [--level L] [--order O]
                         [--seed S | DECK-FILE]
       pelorand --today [--cards C] [--date YYYY-MM-DD]
       pelorand --worksheet [--cards C] [--high H] [--level L] [--count N] [--per-page P]
                            [--code CODE] [--title TEXT] [--no-answers] [--order O] -o FILE.pdf
       pelorand --help | --version

Pelorand is an arithmetic card puzzle: make the answer card from all the face cards,
each used once, with + - * / and brackets, in the game&apos;s own order of operations
(brackets, then multiplication, division, addition and subtraction, each left to right).

Two rules. Your answers are worked out exactly, in whole numbers and fractions: an answer
solves when it makes exactly the answer card and never divides by zero. The computer&apos;s own
search works every step to 15 digits and counts only an exact hit, so it can miss answers
that you can find.

  DECK-FILE      start the game with a saved deck (.pld)
  --solve        count every distinct answer that solves the puzzle and show up to 20, simplest
                 first; answers that differ only in the order or grouping of things added or
                 multiplied count once. 3 to 7 face cards and the answer card, each 1 to 99.
                 Exit status 0 when it has an answer, 1 when it has none, 2 for bad arguments
  --solve --search
                 the same for the computer&apos;s own attempts: how many of the texts its search
                 can write solve by its 15-digit arithmetic, and up to 20 of them
  --check        check your own answer, such as &quot;5 + 3 * 7 - 2&quot;, exactly; prints it as the
                 game read it, its exact value (a whole number or a fraction such as 17/3)
                 and whether it solves. Exit status 0 when it solves, 1 when it does not,
                 2 when it cannot be read or the arguments are wrong
  --deal         print N puzzles (1 to 10000) as the game puts them on the table, one a line:
                 C1 ... Cn =&gt; A  level K (level - when it has no answer). From a fresh deck
                 shuffled from seed S (or from the clock), with C face cards (3 to 7, default
                 5) and highest card H (1 to 99, default 25): the game&apos;s first deal, then
                 each Deal. From a saved deck, with its own cards and highest card unless
                 given: first the deck&apos;s own puzzle, as opening the deck shows it, then each
                 Deal after it. --answer-only deals only puzzles with an answer, --level L
                 only puzzles of difficulty L (1 easy to 5 hard); the deck&apos;s own puzzle is
                 printed whatever they say. Exit 0; 1 when no puzzle qualifies; 2 for bad
                 arguments
  --today        print today&apos;s puzzle as --deal prints a puzzle: fixed by the date alone, the
                 same on every machine that day, with an answer, of middle difficulty; with
                 C face cards (3 to 7, default 5), for the date given by --date if any.
                 Exit status 0; 1 when no puzzle turns up; 2 for bad arguments
  --worksheet    write a worksheet for a class as a PDF file, without a display: N puzzles
                 (1 to 60, default 20) with an answer, of C cards (default 4) up to H
                 (default 12), of difficulty L when given, P to a page (4, 6, 8 or 12,
                 default 8), then a page of answers (unless --no-answers). Prints the
                 sheet&apos;s code; --code CODE makes the same sheet again. Exit status 0;
                 1 when no puzzle fits or the file cannot be written; 2 for bad arguments
  --order O      the order of operations to read and write in: game (the default: brackets,
                 then every *, then every /, then every +, then every -) or school
                 (brackets, then * and / left to right, then + and - left to right)
  -h, --help     show this text
  --version      show the version
  --             what follows is a deck file name, even one that starts with &apos;-&apos;

Results go to standard output; every error and message goes to standard error.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give 3 to 7 face cards and then the answer card, then the answer in quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give 3 to 7 face cards and then the answer card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer in quotes comes last, once, after the answer card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card: each card and the answer must be a whole number from 1 to 99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give the answer in quotes after the answer card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (a deck file whose name starts with &apos;-&apos; opens as ./%1 or after --)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; did you mean %2? (a deck file whose name starts with &apos;-&apos; opens as ./%1 or after --)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;pelorand --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answers: %1</source>
        <extracomment>--solve&apos;s first line: how many answers solve, &quot;answers: 3&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solutions: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error: column %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none (divides by zero)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not solve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pelorand: the game needs a display; --solve, --check, --deal and --worksheet work without one (see --help)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Save puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles (*.PLD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet tables (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dealing</name>
    <message>
        <source>No puzzle of difficulty %1 turned up in %2 deals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzle with an answer turned up in %1 deals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, so the puzzle on the table stays. Choose another difficulty, number of cards or highest card in Options.</source>
        <extracomment>%1: &quot;No puzzle of difficulty 5 turned up in 104 deals&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, so the puzzle on the table stays. Choose more cards or a higher highest card in Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, so the next puzzle is dealt as it comes. Choose another difficulty, number of cards or highest card in Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, so the next puzzle is dealt as it comes. Choose more cards or a higher highest card in Options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Deck</name>
    <message>
        <source>The file is not a valid puzzle deck: it has %1 face cards, where 3 to 7 are possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a valid puzzle deck: its answer card position %1 lies beyond the deck.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a valid puzzle deck: its highest card %1 is outside 1 to 99.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a valid puzzle deck: it holds a card of %1, above 99.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExactSteps</name>
    <message>
        <source>%1: a division by zero</source>
        <extracomment>a step that cannot be worked out: &quot;8 / 0: a division by zero&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: too large to work out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Cannot find the help file %1. The help contents cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelorand Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PuzzleText</name>
    <message>
        <source>&quot;%1&quot; is not a card: write every card as a whole number, as in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards go from 1 to 99, and %1 is not one of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is far too long for a puzzle: write 3 to 7 face cards, then &quot;=&quot; and the answer card, as in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no puzzle to read: write the face cards, then &quot;=&quot; and the answer card, as in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer card is missing: write &quot;=&quot; and the answer card after the face cards, as in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write one answer card after the &quot;=&quot;, as in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A puzzle has 3 to 7 face cards, and this text has %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Your turn: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your turn: no time limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for a solution...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Got it, do you give up?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broken down like this:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tally</name>
    <message>
        <source>You %1 (%2 with hints), the computer %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You %1, the computer %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TileButton</name>
    <message>
        <source>Card %1</source>
        <extracomment>A card on the board, for a screen reader: &quot;Card 5/2&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: pick this card next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message numerus="yes">
        <source>%Ln answer(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beyond the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict: %1, difficulty %2 of 5, beyond the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict: %1, difficulty %2 of 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict: %1, beyond the computer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Worked in the game&apos;s order: brackets, then *, then /, then +, then -, each left to right (so 8 / 2 * 2 is 2, and 5 - 2 + 1 is 2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worked in the school order: brackets, then * and / left to right, then + and - left to right (so 8 / 2 * 2 is 8, and 5 - 2 + 1 is 4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Answers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelorand worksheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Pelorand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A concentration exercise: make the answer card from all the face cards, each used once, with + - * / and brackets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free to play and to share.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAnswer</name>
    <message>
        <source>Your Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show one step of a solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tally: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Your answer, with every face card once (+ - * / and brackets), read in the game&apos;s own order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Your answer, with every face card once (+ - * / and brackets), read in the school order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brackets, then every *, then every /, then every +, then every -, each left to right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brackets, then * and / left to right, then + and - left to right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check your answer in the game&apos;s own order of operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check your answer in the order of operations taught at school</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(at character %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: it divides by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game reads it as: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worked out exactly:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broken down like this:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You got it first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer was first this time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The puzzle is still being checked. Ask again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This puzzle has no solution at all: deal the next one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is a whole solution: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your steps have left that answer; the board shows a next step from the cards as they stand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cards on the board can no longer make %1: press Undo or Start Over.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Time on this puzzle: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no printer is available. Choose one with Page Setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer %1 could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to print: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to print: the page could not be finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load file: Error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for a solution...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save file: Error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard does not hold a puzzle, so the table stays as it is. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzle with an answer turned up for today, so the table stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play with this card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shuffle the deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal, new puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the answer to the puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit back to windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last attempt: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Puzzle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;Worksheet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste &amp;Special...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Your Answer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Give Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Pelorand...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load saved deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print this puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal a card, next puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display the answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check your own answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You got it first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer card %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face card %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNewPuzzle</name>
    <message>
        <source>New Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Face cards, then = and the answer card (for example 3 9 3 9 = 17):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of puzzle cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the number of cards in the top row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the highst card limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal only puzzles with an a&amp;nswer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal skips puzzles that no answer solves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal only puzzles of this difficulty, 1 easy to 5 hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty of the puzzles dealt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer &amp;starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after 10 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after 30 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after 60 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only when I give up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give yourself time before the computer starts its search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the computer starts looking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Order of operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s own: x, then /, then +, then -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School: x and / left to right, then + and - left to right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How a calculation is read: 10 - 4 + 3 is 3 in the game&apos;s order and 9 in the school&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the game&apos;s windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new language takes effect the next time Pelorand starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSoln</name>
    <message>
        <source>Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator order of evaluation : Brackets, Multiplication, Division, Addition and Subtraction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator order of evaluation : Brackets, then Multiplication and Division, then Addition and Subtraction, each left to right.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An arithmetic card puzzle: a concentration exercise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Given up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of face cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The puzzle&apos;s difficulty, 1 easy to 5 hard; none: it has no answer, or its level was not yet known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles put on the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solved by you before the computer, without hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solved by you before the computer, after a hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer&apos;s search found a solution first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You let the computer start with Give Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your fastest right answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half your right answers were faster, half slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles solved without hints in a row, up to now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most puzzles solved without hints in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics by number of cards and level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzles recorded yet: deal one and play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics could not be written to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the statistics? Every count, time and run goes, and the Your Answer tally with them. This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmWorksheet</name>
    <message>
        <source>Print Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include an &amp;answer page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelorand worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a code from an earlier sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of &amp;cards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Highest card:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Number of puzzles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles per pa&amp;ge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code of this sheet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other puzzles with the same settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to print the worksheet: the printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to print the worksheet: the file %1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
