<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>Form1</name>
    <message>
        <source>Select the best answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Begin New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add New Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High &amp;Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;BEGIN NEW GAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns Left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the question box up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the question box down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the question box left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the question box right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other games have saved better scores meanwhile: your score of %1 no longer makes the high score list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high scores were saved to %1 without the scores other games may have saved meanwhile.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint:  Locate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate the province/territory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You found %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You went to %1 instead of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The question file %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The question file %1 holds no usable question.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WRONG!  The correct answer is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1--Load New Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The question file %1 could not be read (%2). The game goes on with %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1--Load New Treasures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>The symbol list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture List files (*.lst)|*.lst|All files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a picture and a province/territory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List should not exceed 13 items!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list was not put into the game.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item %1 does not hold a &quot;;&quot; between the province or territory and the picture:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture of item %1 could not be loaded:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1--Picture Locator for Treasure Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit to Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  PICTURE LOCATOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file cannot be shown as a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Picture for Quiz &amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Province or Territory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FILE LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use File List in Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>%1--Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 3 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Symbols to Locate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level of Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbols to Locate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Provincial/Territorial Crests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Floral Emblems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source> filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1--Load Question File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1--Load Treasure List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quiz: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>piclist: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>%1 Scores--%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Help: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the page before (Alt+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward again (Alt+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contents page (Alt+Home)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the previous place (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the next place (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ind in page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>checker</name>
    <message>
        <source>first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank line at the end of the file: the game reads them as a question with no text, which it never asks; delete them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank lines at the end of the file: the game reads them as a question with no text, which it never asks; delete them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank lines where a question belongs: the game reads them as questions with no text, which it never asks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank line where a question belongs: it shifts the question on line %1 and every later question by %2; delete it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank lines where a question belongs: it shifts the question on line %1 and every later question by %2; delete it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stands where the first question belongs and is no question: the file has %2 too many at its top (a title?), which shifts every question by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stands where a question belongs and looks like an answer: the question before it has %2 too many, which shifts the question on line %3 and every later question by %2%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this question stands where the question on line %1 expects its %2 answer: that question is missing %3, which shifts this and every later question by %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game reads 100 questions at most: %1 (from here to the end, %2) is never read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game reads 100 questions at most: %1 (from here to the end, %2) are never read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>question 101</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>questions 101 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the questions seem shifted from here on: a line is missing or one too many between line %1 and line %2, since before it each question is the longest line of its block and after it none is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (perhaps the blank line %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last question is cut short: the file ends before its answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last question is cut short: it has %1 of its 4 answer lines, and the game leaves the missing answers empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; if no question was meant to be short, a line is missing or one too many further up, and the questions after it are shifted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the question is empty: the game never asks it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the question %1 has fewer than 5 characters: the game never asks it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the correct answer is empty: the game never asks this question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same question as line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the question box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same answer as line %1 (%2)%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: picking either counts as correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an answer button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too long for %1: a word in it is wider than the button or box, and the game cuts it off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too long for %1: it needs %2 lines and %1 shows %3, so the game cuts it off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty: the game loads no questions from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read as %1; %2 question, %3 of which the game can ask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read as %1; %2 questions, %3 of which the game can ask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds no question the game can ask: a game with this file ends at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: quillora-check [--quiet] FILE|FOLDER...

Checks Quillora&apos;s files as the game reads them: question files (.qtn, .dat), symbol
lists (.lst) and settings files (valdra.ini). A folder stands for every such file in it.
Each problem is shown as FILE:LINE: problem, followed by a summary line. Names in a
symbol list or a settings file are looked up from the folder the file is in, as the game
looks them up from the folder it starts in.

  --quiet   show the problems only
  --help    show this help

Exit status: 0 when no file has a problem that changes what the game does, 1 when one
has, 2 when a file cannot be read.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillora-check: unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillora-check: no file or folder named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no question file, symbol list or valdra.ini in this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a question file (.qtn, .dat), symbol list (.lst) or settings file (.ini), so not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 checked: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game starts with %1, %2, a game of %3 and %4 symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no question file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the question file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no symbol list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the symbol list %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 again: this line replaces line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz: the game loads the question file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no question file named: the game starts with no questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the question file %1 does not exist%2: the game starts with no questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PicList: no symbol list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PicList: the game loads the symbol list %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the symbol list %1 does not exist%2: the custom set keeps its flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a picture the game can load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture %1 does not exist%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuizPic: empty, so the question box and the buttons show no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuizPic: the question box and the buttons wear the picture %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a window width the window system takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a window height the window system takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the window is %2 twips wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the window is %2 twips high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 twips is below the smallest window: the game makes it %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a place the window system takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the question box&apos;s top is at %2 twips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the question box&apos;s left is at %2 twips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes is more than the game can count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a game length the game offers (1, 3, 5 or 10 minutes): the game length stays %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeoption: a game lasts %1 (%2 seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is more symbols than the game can count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number of symbols the game offers (6 or 12): it stays %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dooroption: a game has %1 symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no setting the game knows, so it ignores this line; did you mean &quot;%2:&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds no setting key: the game ignores this line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line starts with &quot;%1:&quot; but also holds &quot;%2&quot;, which the game looks for first: it reads the line as %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the game stops reading the settings here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, so it loses </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the symbol list %1 is loaded only when the first game starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read as %1; the game takes %2 of its %3 lines into the custom set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list is empty: the custom set keeps its flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the game stops reading the list here, so %1 and the choice of the custom set are lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this line, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no &quot;; &quot; between the region and the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no region name before the &quot;;&quot;: the symbol can never be placed on the map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not one of the 13 region names, so the symbol can never be placed on the map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; did you mean &quot;%1&quot; (in French, &quot;%2&quot;)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no blank after the &quot;;&quot;: the game reads it, but the list is written &quot;Region; picture&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no picture named after the &quot;;&quot;: the symbol shows no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game uses the first 13 lines only: %1 are ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game uses the first 13 lines only: %1 is ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is UTF-16 text, which the game cannot read: save it as UTF-8 or as Windows-1252 (&quot;ANSI&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a NUL byte: this is no text file (a picture, or a document saved by a word processor?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8 with a byte order mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>byte %1 is not UTF-8: the game shows it as a replacement character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>byte %1 is not UTF-8, so the game reads the whole file as Windows-1252 and every accented letter written in UTF-8 shows as two odd characters: save the file as UTF-8 throughout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds the control character %1, which is no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>byte %1 is no character in Windows-1252</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more lines hold bytes that are no text: is this a text file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no line breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line endings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mixed line endings (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mixed line endings (%1 CR LF, %2 LF, %3 CR): the game reads each as a line break, but other programs may not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (the blanks at the end of the name count)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (a Windows drive: name the file as it is found on this computer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>unknown language &apos;%1&apos;: choose fr or en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than one folder given (&apos;%1&apos;, &apos;%2&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--user-folder and a folder (&apos;%1&apos;) cannot go together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: quillora [--lang fr|en] [FOLDER]
       quillora [--lang fr|en] --user-folder
A quiz game about the geography of Canada.

The game keeps its files (the question file Valdra.qtn, the high scores, the settings
file valdra.ini and the teacher&apos;s files) in its play folder:
  no folder        the current folder
  FOLDER           the folder named, made if it is missing
  --user-folder    your own play folder, $XDG_DATA_HOME/quillora
                   (~/.local/share/quillora when XDG_DATA_HOME is not set)
A play folder named either way that has no Valdra.qtn is given the default question
file. Files already there are never replaced.

Options:
  --user-folder    play in your own play folder
  --lang fr|en     play in French or in English; without it the game speaks the
                   language chosen in its Options menu, or else the desktop&apos;s
                   (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): French for French, English
                   for any other
  -h, --help       show this help and quit
  --version        show the version and quit
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillora: %1
Try &apos;quillora --help&apos; for more information.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>filebrowser</name>
    <message>
        <source>This folder cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>form7</name>
    <message>
        <source>Quiz:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbols List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz Box Picture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Length (1,3,5,10):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbols to Locate (6, 12):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz Box Left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz Box Top:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Are you certain this should become the default Quillora game settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MsgBox Demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillora--Iniatialization File Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Initialization File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 2.5, by the Quillora developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer multiple-choice questions about Canada to earn the chance to locate the crests, floral emblems or other symbols of its provinces and territories on the map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>highscores</name>
    <message>
        <source>Your score of %1 adds your name to the high score list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, process %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is locked by %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its lock file %1 could not be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>playfolder</name>
    <message>
        <source>The default question file is missing from the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the play folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the play folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>textfile</name>
    <message>
        <source>%1 could not be saved to %2.

%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
