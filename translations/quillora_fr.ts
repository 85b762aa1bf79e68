<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>ClassResults</name>
    <message>
        <source>expert</source>
        <translation>expert</translation>
    </message>
    <message>
        <source>regular</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Question file</source>
        <translation>Fichier de questions</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Boni</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Posées</translation>
    </message>
    <message>
        <source>Right first time</source>
        <translation>Justes du premier coup</translation>
    </message>
    <message>
        <source>Placed</source>
        <translation>Placés</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Missed questions</source>
        <translation>Questions manquées</translation>
    </message>
    <message>
        <source>--Class Results</source>
        <translation>--Résultats de la classe</translation>
    </message>
    <message>
        <source>every pupil</source>
        <translation>tous les élèves</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Question &amp;file:</source>
        <translation>&amp;Fichier de questions&#xa0;:</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Meilleur pointage</translation>
    </message>
    <message>
        <source>Mean score</source>
        <translation>Pointage moyen</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>How often</source>
        <translation>Combien de fois</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manquée</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Parties</translation>
    </message>
    <message>
        <source>&amp;Most Missed Questions</source>
        <translation>&amp;Questions les plus manquées</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>No class record is kept. To keep one, add this line to the settings file valdra.ini in the play folder, then start the game again:

    Results: classresults.csv

Every game that comes to its end then adds a row to that file, with the pupil&apos;s name, the score and the questions missed. Games on other computers can share the file when the play folder is a shared folder.</source>
        <translation>Aucun registre de classe n&apos;est tenu. Pour en tenir un, ajoutez cette ligne au fichier de paramètres valdra.ini du dossier de jeu, puis relancez le jeu&#xa0;:

    Results: classresults.csv

Chaque partie menée à terme ajoute alors une ligne à ce fichier, avec le nom de l&apos;élève, le pointage et les questions manquées. Les parties jouées sur d&apos;autres ordinateurs peuvent partager ce fichier si le dossier de jeu est un dossier partagé.</translation>
    </message>
    <message>
        <source>The class record %1 could not be read: %2</source>
        <translation>Le registre de classe %1 n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The class record %1 holds 1 game.</source>
        <translation>Le registre de classe %1 contient 1 partie.</translation>
    </message>
    <message>
        <source>The class record %1 holds %2 games.</source>
        <translation>Le registre de classe %1 contient %2 parties.</translation>
    </message>
    <message>
        <source>every question file</source>
        <translation>tous les fichiers de questions</translation>
    </message>
    <message>
        <source>No game with the question file %1 is in the record yet.</source>
        <translation>Aucune partie avec le fichier de questions %1 n&apos;est encore au registre.</translation>
    </message>
    <message>
        <source>The questions of %1, the most missed first:</source>
        <translation>Les questions de %1, les plus manquées d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>(not in the question file now)</source>
        <translation>(plus dans le fichier de questions)</translation>
    </message>
    <message>
        <source>asked %1 times, missed %2</source>
        <translation>posée %1 fois, manquée %2 fois</translation>
    </message>
    <message>
        <source>any day</source>
        <translation>n&apos;importe quel jour</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>D&amp;u&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <source>P&amp;upil:</source>
        <translation>&amp;Élève&#xa0;:</translation>
    </message>
    <message>
        <source>P&amp;upils</source>
        <translation>É&amp;lèves</translation>
    </message>
    <message>
        <source>&amp;Share Right</source>
        <translation>&amp;Taux de réussite</translation>
    </message>
    <message>
        <source>Progr&amp;ess</source>
        <translation>Pro&amp;grès</translation>
    </message>
    <message>
        <source>Gr&amp;id</source>
        <translation>G&amp;rille</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Reading the class record %1: %2 games so far (%3 %)...</source>
        <translation>Lecture du registre de classe %1&#xa0;: %2 parties jusqu&apos;ici (%3&#xa0;%)...</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>Row %1 could not be read and was skipped.</source>
        <translation>La ligne %1 n&apos;a pas pu être lue et a été ignorée.</translation>
    </message>
    <message>
        <source>%1 rows could not be read and were skipped: rows %2.</source>
        <translation>%1 lignes n&apos;ont pas pu être lues et ont été ignorées&#xa0;: lignes %2.</translation>
    </message>
    <message>
        <source>The file is larger than the window reads (%1 MB): reading stopped after row %2.</source>
        <translation>Le fichier dépasse ce que la fenêtre lit (%1&#xa0;Mo)&#xa0;: la lecture s&apos;est arrêtée après la ligne %2.</translation>
    </message>
    <message>
        <source>The file mixes two encodings (UTF-8 from row %1, Windows-1252 from row %2), so a spreadsheet shows some names wrongly. To mend it, open it in a spreadsheet and save it as CSV with the character set UTF-8.</source>
        <translation>Le fichier mélange deux codages (UTF-8 dès la ligne %1, Windows-1252 dès la ligne %2)&#xa0;: un tableur affiche mal certains noms. Pour le réparer, ouvrez-le dans un tableur et enregistrez-le en CSV avec le jeu de caractères UTF-8.</translation>
    </message>
    <message>
        <source>%1 games were recorded by question number: their numbers are matched against the question file as it is now, and may no longer match if it was edited since (marked *).</source>
        <translation>%1 parties ont été enregistrées par numéro de question&#xa0;: leurs numéros sont rapprochés du fichier de questions tel qu&apos;il est, et peuvent ne plus correspondre s&apos;il a été modifié depuis (marquées *).</translation>
    </message>
    <message>
        <source>Each pupil&apos;s last answer to each question of %1: ✔ right the first time, ✘ wrong, – not asked. The columns go from the most missed question; point at a heading to read the question.</source>
        <translation>La dernière réponse de chaque élève à chaque question de %1&#xa0;: ✔ réussie du premier coup, ✘ manquée, – pas posée. Les colonnes vont de la question la plus manquée; pointez un titre pour lire la question.</translation>
    </message>
    <message>
        <source>right</source>
        <translation>réussie</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>manquée</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>pas posée</translation>
    </message>
    <message>
        <source>names holding &quot;%1&quot;</source>
        <translation>les noms contenant «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>the first game</source>
        <translation>la première partie</translation>
    </message>
    <message>
        <source>the last game</source>
        <translation>la dernière partie</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)|*.pdf</source>
        <translation>Documents PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The report</source>
        <translation>Le rapport</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Rapport de la classe</translation>
    </message>
    <message>
        <source>The report could not be printed on %1.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé sur %1.</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Most missed questions</source>
        <translation>Questions les plus manquées</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Select the best answer.</source>
        <translation>Choisissez la bonne réponse.</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Fichiers</translation>
    </message>
    <message>
        <source>&amp;Begin New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Terminer la partie</translation>
    </message>
    <message>
        <source>New &amp;Questions</source>
        <translation>Nouvelles &amp;questions</translation>
    </message>
    <message>
        <source>New &amp;Symbols</source>
        <translation>Nouveaux &amp;symboles</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Q&amp;uitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Game Options</source>
        <translation>Options de &amp;jeu</translation>
    </message>
    <message>
        <source>&amp;Add New Symbols</source>
        <translation>&amp;Ajouter des symboles</translation>
    </message>
    <message>
        <source>&amp;Save Options</source>
        <translation>&amp;Enregistrer les options</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>High &amp;Scores</source>
        <translation>&amp;Palmarès</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;BEGIN NEW GAME</source>
        <translation>&amp;NOUVELLE PARTIE</translation>
    </message>
    <message>
        <source>Turns Left:</source>
        <translation>Tours&#xa0;:</translation>
    </message>
    <message>
        <source>Time Left:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pointage&#xa0;:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Boni&#xa0;:</translation>
    </message>
    <message>
        <source>Move the question box up</source>
        <translation>Monter le cadre des questions</translation>
    </message>
    <message>
        <source>Move the question box down</source>
        <translation>Descendre le cadre des questions</translation>
    </message>
    <message>
        <source>Move the question box left</source>
        <translation>Déplacer le cadre des questions vers la gauche</translation>
    </message>
    <message>
        <source>Move the question box right</source>
        <translation>Déplacer le cadre des questions vers la droite</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Palmarès</translation>
    </message>
    <message>
        <source>Other games have saved better scores meanwhile: your score of %1 no longer makes the high score list.</source>
        <translation>D&apos;autres parties ont enregistré de meilleurs pointages entre-temps&#xa0;: votre pointage de %1 n&apos;entre plus au palmarès.</translation>
    </message>
    <message>
        <source>The high scores</source>
        <translation>le palmarès</translation>
    </message>
    <message>
        <source>Hint:  Locate %1</source>
        <translation>Indice&#xa0;: situez %1</translation>
    </message>
    <message>
        <source>Locate %1</source>
        <translation>Situez %1</translation>
    </message>
    <message>
        <source>Locate the province/territory</source>
        <translation>Situez la province ou le territoire</translation>
    </message>
    <message>
        <source>You found %1.</source>
        <translation>Vous avez trouvé %1.</translation>
    </message>
    <message>
        <source>You went to %1 instead of %2</source>
        <translation>Raté! Ce symbole va %2, et non %1.</translation>
    </message>
    <message>
        <source>The question file %1 could not be read.</source>
        <translation>Le fichier de questions %1 est illisible.</translation>
    </message>
    <message>
        <source>The question file %1 holds no usable question.</source>
        <translation>Le fichier de questions %1 ne contient aucune question utilisable.</translation>
    </message>
    <message>
        <source>WRONG!  The correct answer is:</source>
        <translation>Mauvaise réponse!  La bonne réponse est&#xa0;:</translation>
    </message>
    <message>
        <source>%1--Load New Questions</source>
        <translation>%1--Nouvelles questions</translation>
    </message>
    <message>
        <source>The question file %1 could not be read (%2). The game goes on with %3.</source>
        <translation>Le fichier de questions %1 est illisible (%2). Le jeu continue avec %3.</translation>
    </message>
    <message>
        <source>%1--Load New Treasures</source>
        <translation>%1--Nouveaux symboles</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>the button on the top bar</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>%1 did not read whole: %2.

It was kept as it was in %3; the entries that could be read carry on in the list.</source>
        <translation>%1 n&apos;a pas pu être lu en entier&#xa0;: %2.

Il a été gardé tel quel dans %3; les entrées lisibles restent dans la liste.</translation>
    </message>
    <message>
        <source>The high scores were saved to %1 without its lock: other games may be saving into it at the same moment.

%2</source>
        <translation>Le palmarès a été enregistré dans %1 sans son verrou&#xa0;: d&apos;autres parties y enregistrent peut-être en même temps.

%2</translation>
    </message>
    <message>
        <source>E&amp;dit Questions</source>
        <translation>Mo&amp;difier les questions</translation>
    </message>
    <message>
        <source>The settings file</source>
        <translation>Le fichier de paramètres</translation>
    </message>
    <message>
        <source>Class &amp;Results</source>
        <translation>&amp;Résultats de la classe</translation>
    </message>
    <message>
        <source>Fit to &amp;Window</source>
        <translation>Ajuster à la &amp;fenêtre</translation>
    </message>
    <message>
        <source>E&amp;xplore the Map</source>
        <translation>E&amp;xplorer la carte</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Answer %1 of the question</source>
        <translation>Réponse %1 de la question</translation>
    </message>
    <message>
        <source>While a symbol waits, the arrow keys move the pointer (Shift: ten steps) and Enter places the symbol where it stands.</source>
        <translation>Quand un symbole attend, les flèches déplacent le pointeur (Maj&#xa0;: dix pas) et Entrée place le symbole à cet endroit.</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pointage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bonus: %1</source>
        <translation>Boni&#xa0;: %1</translation>
    </message>
    <message>
        <source>Turns Left: %1</source>
        <translation>Tours restants&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time Left: %1 min. %2 sec.</source>
        <translation>Temps restant&#xa0;: %1 min %2 s</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>One minute left.</source>
        <translation>Il reste une minute.</translation>
    </message>
    <message>
        <source>Map of Canada.</source>
        <translation>Carte du Canada.</translation>
    </message>
    <message>
        <source>Place the symbol of %1.</source>
        <translation>Placez le symbole %1.</translation>
    </message>
    <message>
        <source>Place the symbol on its province or territory.</source>
        <translation>Placez le symbole sur sa province ou son territoire.</translation>
    </message>
    <message>
        <source>The pointer is over %1.</source>
        <translation>Le pointeur est sur&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The pointer is over no province or territory.</source>
        <translation>Le pointeur n&apos;est sur aucune province ni aucun territoire.</translation>
    </message>
    <message>
        <source>Question: %1 Answers: %2.</source>
        <translation>Question&#xa0;: %1 Réponses&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Game over. Score: %1.</source>
        <translation>Partie terminée. Pointage&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Crest of %1</source>
        <translation>Armoiries&#xa0;: %1</translation>
    </message>
    <message>
        <source>Floral emblem of %1</source>
        <translation>Emblème floral&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Found: %1</source>
        <translation>Trouvé&#xa0;: %1</translation>
    </message>
    <message>
        <source>You went to no province or territory instead of %1</source>
        <translation>Raté! Ce symbole va %1, et non hors des provinces et territoires.</translation>
    </message>
    <message>
        <source>The question file</source>
        <translation>Le fichier de questions</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Right. Place the symbol of %1 on the map.</source>
        <translation>Bonne réponse. Placez le symbole %1 sur la carte.</translation>
    </message>
    <message>
        <source>Right. Place the symbol on the map.</source>
        <translation>Bonne réponse. Placez le symbole sur la carte.</translation>
    </message>
    <message>
        <source>Wrong. The correct answer is: %1</source>
        <translation>Mauvaise réponse. La bonne réponse est&#xa0;: %1</translation>
    </message>
    <message>
        <source>The symbol list</source>
        <translation>La liste de symboles</translation>
    </message>
    <message>
        <source>Find on the &amp;Map</source>
        <translation>Trouver sur la &amp;carte</translation>
    </message>
    <message>
        <source>Practice over: %1 of %2 right the first time.</source>
        <translation>Fin de l&apos;exercice&#xa0;: %1 sur %2 justes du premier coup.</translation>
    </message>
    <message>
        <source>The hatching on the map shows %1.</source>
        <translation>Sur la carte, les hachures montrent %1.</translation>
    </message>
    <message>
        <source>✔ %1 (the correct answer)</source>
        <translation>✔ %1 (la bonne réponse)</translation>
    </message>
    <message>
        <source>✘ %1 (wrong)</source>
        <translation>✘ %1 (fausse)</translation>
    </message>
    <message>
        <source>See it hatched on the map.</source>
        <translation>Voyez les hachures sur la carte.</translation>
    </message>
    <message>
        <source>The high score list %1 did not read whole: %2.

Before the next score is saved into it, the file is kept as it is beside itself.</source>
        <translation>Le palmarès %1 n&apos;a pas pu être lu en entier&#xa0;: %2.

Avant que le prochain pointage y soit enregistré, le fichier sera gardé tel quel à côté de lui-même.</translation>
    </message>
    <message>
        <source>The high score list %1 could not be read: %2</source>
        <translation>Le palmarès %1 n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your score of %1 was not kept.</source>
        <translation>Votre pointage de %1 n&apos;a pas été gardé.</translation>
    </message>
    <message>
        <source>Read &amp;Questions Aloud</source>
        <translation>Lire les &amp;questions à voix haute</translation>
    </message>
    <message>
        <source>Sea</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Frontière</translation>
    </message>
    <message>
        <source>Outside Canada</source>
        <translation>Hors du Canada</translation>
    </message>
    <message>
        <source>Your score did not enter the high score list.</source>
        <translation>Votre pointage n&apos;entre pas au palmarès.</translation>
    </message>
    <message>
        <source>Your score entered the high score list in place %1.</source>
        <translation>Votre pointage entre au palmarès au rang %1.</translation>
    </message>
    <message>
        <source>No speech engine is installed, so the game cannot read aloud and plays on silently. Install speech-dispatcher and espeak-ng to hear the questions.</source>
        <translation>Aucun moteur de synthèse vocale n&apos;est installé&#xa0;: le jeu ne peut pas lire à voix haute et continue en silence. Installez speech-dispatcher et espeak-ng pour entendre les questions.</translation>
    </message>
    <message>
        <source>A screen reader is running and reads the game: the game does not read aloud as well.</source>
        <translation>Un lecteur d&apos;écran est en marche et lit le jeu&#xa0;: le jeu ne lit pas à voix haute en plus.</translation>
    </message>
    <message>
        <source>The zoom is at its largest, %1 %.</source>
        <translation>Le zoom est à son maximum, %1&#xa0;%.</translation>
    </message>
    <message>
        <source>No room on the screen for %1 %: the window would be larger than the screen.</source>
        <translation>Pas de place à l’écran pour %1&#xa0;%&#xa0;: la fenêtre serait plus grande que l’écran.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>The symbol list</source>
        <translation>la liste de symboles</translation>
    </message>
    <message>
        <source>Picture List files (*.lst)|*.lst|All files (*.*)|*.*</source>
        <translation>Listes de symboles (*.lst)|*.lst|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>You must select a picture and a province/territory.</source>
        <translation>Vous devez choisir une image et une province ou un territoire.</translation>
    </message>
    <message>
        <source>List should not exceed 13 items!</source>
        <translation>La liste ne doit pas dépasser 13 éléments!</translation>
    </message>
    <message>
        <source>The list was not put into the game.

%1</source>
        <translation>La liste n&apos;a pas été mise dans le jeu.

%1</translation>
    </message>
    <message>
        <source>Item %1 does not hold a &quot;;&quot; between the province or territory and the picture:
%2</source>
        <translation>L&apos;élément %1 n&apos;a pas de «&#xa0;;&#xa0;» entre la province ou le territoire et l&apos;image&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The picture of item %1 could not be loaded:
%2</source>
        <translation>Impossible de charger l&apos;image de l&apos;élément %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>%1--Picture Locator for Treasure Lists</source>
        <translation>%1--Localisateur d&apos;images pour les listes de symboles</translation>
    </message>
    <message>
        <source>E&amp;xit to Game</source>
        <translation>Retour au &amp;jeu</translation>
    </message>
    <message>
        <source>  PICTURE LOCATOR</source>
        <translation>  LOCALISATEUR</translation>
    </message>
    <message>
        <source>This file cannot be shown as a picture.</source>
        <translation>Ce fichier ne peut pas être affiché comme une image.</translation>
    </message>
    <message>
        <source>Use Picture for Quiz &amp;Window</source>
        <translation>Image du &amp;cadre des questions</translation>
    </message>
    <message>
        <source>Province or Territory</source>
        <translation>Province ou territoire</translation>
    </message>
    <message>
        <source> FILE LIST</source>
        <translation> FICHIERS</translation>
    </message>
    <message>
        <source>Total Files:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add Item</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>&amp;Remove Item</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Load List</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Use File List in Game</source>
        <translation>&amp;Utiliser la liste dans le jeu</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>Fichiers d&apos;images</translation>
    </message>
    <message>
        <source>The province or territory of the picture to add</source>
        <translation>La province ou le territoire de l&apos;image à ajouter</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Liste des fichiers</translation>
    </message>
    <message>
        <source>The pictures of the symbol list, each with its province or territory</source>
        <translation>Les images de la liste de symboles, chacune avec sa province ou son territoire</translation>
    </message>
    <message>
        <source>Total Files</source>
        <translation>Nombre de fichiers</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer?</translation>
    </message>
    <message>
        <source>The Picture Locator&apos;s list</source>
        <translation>La liste du localisateur d&apos;images</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>%1--Options</source>
        <translation>%1--Options</translation>
    </message>
    <message>
        <source>Length of Game</source>
        <translation>Durée de la partie</translation>
    </message>
    <message>
        <source> 1 minute</source>
        <translation> 1 minute</translation>
    </message>
    <message>
        <source> 3 minutes</source>
        <translation> 3 minutes</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>Number of Symbols to Locate</source>
        <translation>Nombre de symboles à situer</translation>
    </message>
    <message>
        <source>6 symbols</source>
        <translation>6 symboles</translation>
    </message>
    <message>
        <source>12 symbols</source>
        <translation>12 symboles</translation>
    </message>
    <message>
        <source>Level of Difficulty</source>
        <translation>Niveau de difficulté</translation>
    </message>
    <message>
        <source>Regular Game</source>
        <translation>Partie normale</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Symbols to Locate</source>
        <translation>Symboles à situer</translation>
    </message>
    <message>
        <source>Use Provincial/Territorial Crests</source>
        <translation>Armoiries</translation>
    </message>
    <message>
        <source>Use Floral Emblems</source>
        <translation>Emblèmes floraux</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Custom Symbols</source>
        <translation>Symboles personnalisés</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source> filename</source>
        <translation> nom du fichier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1--Load Question File</source>
        <translation>%1--Fichier de questions</translation>
    </message>
    <message>
        <source>%1--Load Treasure List</source>
        <translation>%1--Charger une liste de symboles</translation>
    </message>
    <message>
        <source>quiz: %1</source>
        <translation>questions&#xa0;: %1</translation>
    </message>
    <message>
        <source>piclist: %1</source>
        <translation>liste de symboles&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>%1 Scores--%2</source>
        <translation>Palmarès de %1--%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 %2 %3, your entry</source>
        <translation>%1 %2 %3, votre inscription</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>The high score list is empty.</source>
        <translation>Le palmarès est vide.</translation>
    </message>
    <message>
        <source>High scores: %1.</source>
        <translation>Palmarès&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>--Game Review</source>
        <translation>--Bilan de la partie</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>First answer</source>
        <translation>Première réponse</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Placed first</source>
        <translation>Placé du premier coup</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>&amp;Practise Missed Questions</source>
        <translation>&amp;Reprendre les questions manquées</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Questions</source>
        <translation>&amp;Questions</translation>
    </message>
    <message>
        <source>S&amp;ymbols</source>
        <translation>S&amp;ymboles</translation>
    </message>
    <message>
        <source>Time is up.</source>
        <translation>Le temps est écoulé.</translation>
    </message>
    <message>
        <source>All turns played.</source>
        <translation>Tous les tours sont joués.</translation>
    </message>
    <message>
        <source>Your score: %1 = %2 for answers + %3 for placed symbols + %4 time bonus.</source>
        <translation>Votre pointage&#xa0;: %1 = %2 pour les réponses + %3 pour les symboles placés + %4 de boni de temps.</translation>
    </message>
    <message>
        <source>This was practice: it enters neither the high score list nor the class record.</source>
        <translation>C&apos;était un exercice&#xa0;: il n&apos;entre ni dans le palmarès ni dans le registre de classe.</translation>
    </message>
    <message>
        <source>Your score entered the high score list.</source>
        <translation>Votre pointage est entré au palmarès.</translation>
    </message>
    <message>
        <source>Your score did not enter the high score list: its 15th entry holds %1.</source>
        <translation>Votre pointage n&apos;est pas entré au palmarès&#xa0;: sa 15e place est de %1.</translation>
    </message>
    <message>
        <source>A score also needs at least 5 answers right the first time.</source>
        <translation>Un pointage exige aussi au moins 5 bonnes réponses du premier coup.</translation>
    </message>
    <message>
        <source>Right the first time: %1 of %2 questions. Symbols placed: %3 of %4.</source>
        <translation>Justes du premier coup&#xa0;: %1 sur %2 questions. Symboles placés&#xa0;: %3 sur %4.</translation>
    </message>
    <message>
        <source>(not answered)</source>
        <translation>(sans réponse)</translation>
    </message>
    <message>
        <source>-- not answered</source>
        <translation>-- sans réponse</translation>
    </message>
    <message>
        <source>✔ right</source>
        <translation>✔ juste</translation>
    </message>
    <message>
        <source>✘ wrong</source>
        <translation>✘ fausse</translation>
    </message>
    <message>
        <source>not placed</source>
        <translation>non placé</translation>
    </message>
    <message>
        <source>outside the map</source>
        <translation>hors de la carte</translation>
    </message>
    <message>
        <source>✔ </source>
        <translation>✔ </translation>
    </message>
    <message>
        <source>✘ </source>
        <translation>✘ </translation>
    </message>
    <message>
        <source>Where it belongs</source>
        <translation>Sa place</translation>
    </message>
    <message>
        <source>%1 of %2 right the first time.</source>
        <translation>%1 sur %2 justes du premier coup.</translation>
    </message>
    <message>
        <source>Symbols found: none.</source>
        <translation>Symboles trouvés&#xa0;: aucun.</translation>
    </message>
    <message>
        <source>Symbols found: %1.</source>
        <translation>Symboles trouvés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Map: %1 hatched</source>
        <translation>Carte&#xa0;: %1 en hachures</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>%1 Help: %2</source>
        <translation>Aide de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Back to the page before (Alt+Left)</source>
        <translation>Retour à la page précédente (Alt+Gauche)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avancer</translation>
    </message>
    <message>
        <source>Forward again (Alt+Right)</source>
        <translation>Page suivante (Alt+Droite)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>The contents page (Alt+Home)</source>
        <translation>La page du sommaire (Alt+Début)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Find the previous place (Shift+F3)</source>
        <translation>Trouver l&apos;endroit précédent (Maj+F3)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Find the next place (F3)</source>
        <translation>Trouver l&apos;endroit suivant (F3)</translation>
    </message>
    <message>
        <source>F&amp;ind in page:</source>
        <translation>&amp;Chercher dans la page&#xa0;:</translation>
    </message>
    <message>
        <source>Find in page</source>
        <translation>Chercher dans la page</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
</context>
<context>
    <name>checker</name>
    <message>
        <source>first</source>
        <translation>première</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 ligne</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>blank line at the end of the file: the game reads them as a question with no text, which it never asks; delete them</source>
        <translation>ligne vide à la fin du fichier&#xa0;: le jeu la lit comme une question sans texte, qu&apos;il ne pose jamais; supprimez-la</translation>
    </message>
    <message>
        <source>blank lines at the end of the file: the game reads them as a question with no text, which it never asks; delete them</source>
        <translation>lignes vides à la fin du fichier&#xa0;: le jeu les lit comme une question sans texte, qu&apos;il ne pose jamais; supprimez-les</translation>
    </message>
    <message>
        <source>blank lines where a question belongs: the game reads them as questions with no text, which it never asks</source>
        <translation>lignes vides à la place d&apos;une question&#xa0;: le jeu les lit comme des questions sans texte, qu&apos;il ne pose jamais</translation>
    </message>
    <message>
        <source>blank line where a question belongs: it shifts the question on line %1 and every later question by %2; delete it</source>
        <translation>ligne vide à la place d&apos;une question&#xa0;: elle décale de %2 la question de la ligne %1 et toutes les suivantes; supprimez-la</translation>
    </message>
    <message>
        <source>blank lines where a question belongs: it shifts the question on line %1 and every later question by %2; delete it</source>
        <translation>lignes vides à la place d&apos;une question&#xa0;: elles décalent de %2 la question de la ligne %1 et toutes les suivantes; supprimez-les</translation>
    </message>
    <message>
        <source>%1 stands where the first question belongs and is no question: the file has %2 too many at its top (a title?), which shifts every question by %2</source>
        <translation>%1 est à la place de la première question et n&apos;en est pas une&#xa0;: le fichier a %2 de trop au début (un titre?), ce qui décale chaque question de %2</translation>
    </message>
    <message>
        <source>%1 stands where a question belongs and looks like an answer: the question before it has %2 too many, which shifts the question on line %3 and every later question by %2%4</source>
        <translation>%1 est à la place d&apos;une question et ressemble à une réponse&#xa0;: la question précédente a %2 de trop, ce qui décale de %2 la question de la ligne %3 et toutes les suivantes%4</translation>
    </message>
    <message>
        <source>this question stands where the question on line %1 expects its %2 answer: that question is missing %3, which shifts this and every later question by %3</source>
        <translation>cette question est à la place où la question de la ligne %1 attend sa %2 réponse&#xa0;: il manque %3 à la question de la ligne %1, ce qui décale de %3 celle-ci et toutes les suivantes</translation>
    </message>
    <message>
        <source>the game reads 100 questions at most: %1 (from here to the end, %2) is never read</source>
        <translation>le jeu lit au plus 100 questions&#xa0;: %1 (d&apos;ici à la fin, %2) n&apos;est jamais lue</translation>
    </message>
    <message>
        <source>the game reads 100 questions at most: %1 (from here to the end, %2) are never read</source>
        <translation>le jeu lit au plus 100 questions&#xa0;: %1 (d&apos;ici à la fin, %2) ne sont jamais lues</translation>
    </message>
    <message>
        <source>question 101</source>
        <translation>question 101</translation>
    </message>
    <message>
        <source>questions 101 to %1</source>
        <translation>questions 101 à %1</translation>
    </message>
    <message>
        <source>the questions seem shifted from here on: a line is missing or one too many between line %1 and line %2, since before it each question is the longest line of its block and after it none is</source>
        <translation>les questions semblent décalées à partir d&apos;ici&#xa0;: il manque une ligne ou il y en a une de trop entre la ligne %1 et la ligne %2, car avant, chaque question est la plus longue ligne de son bloc, et après, aucune ne l&apos;est</translation>
    </message>
    <message>
        <source> (perhaps the blank line %1)</source>
        <translation> (peut-être la ligne vide %1)</translation>
    </message>
    <message>
        <source>the last question is cut short: the file ends before its answers</source>
        <translation>la dernière question est tronquée&#xa0;: le fichier se termine avant ses réponses</translation>
    </message>
    <message>
        <source>the last question is cut short: it has %1 of its 4 answer lines, and the game leaves the missing answers empty</source>
        <translation>la dernière question est tronquée&#xa0;: elle a %1 de ses 4 lignes de réponse, et le jeu laisse vides les réponses manquantes</translation>
    </message>
    <message>
        <source>; if no question was meant to be short, a line is missing or one too many further up, and the questions after it are shifted</source>
        <translation>; si aucune question ne devait être courte, il manque une ligne ou il y en a une de trop plus haut, et les questions qui suivent sont décalées</translation>
    </message>
    <message>
        <source>the question is empty: the game never asks it</source>
        <translation>la question est vide&#xa0;: le jeu ne la pose jamais</translation>
    </message>
    <message>
        <source>the question %1 has fewer than 5 characters: the game never asks it</source>
        <translation>la question %1 a moins de 5 caractères&#xa0;: le jeu ne la pose jamais</translation>
    </message>
    <message>
        <source>the correct answer is empty: the game never asks this question</source>
        <translation>la bonne réponse est vide&#xa0;: le jeu ne pose jamais cette question</translation>
    </message>
    <message>
        <source>the question box</source>
        <translation>le cadre des questions</translation>
    </message>
    <message>
        <source>the same answer as line %1 (%2)%3</source>
        <translation>la même réponse qu&apos;à la ligne %1 (%2)%3</translation>
    </message>
    <message>
        <source>: picking either counts as correct</source>
        <translation>&#xa0;: choisir l&apos;une ou l&apos;autre compte comme une bonne réponse</translation>
    </message>
    <message>
        <source>an answer button</source>
        <translation>un bouton de réponse</translation>
    </message>
    <message>
        <source>too long for %1: a word in it is wider than the button or box, and the game cuts it off</source>
        <translation>trop long pour %1&#xa0;: un mot est plus large que le bouton ou le cadre, et le jeu le coupe</translation>
    </message>
    <message>
        <source>too long for %1: it needs %2 lines and %1 shows %3, so the game cuts it off</source>
        <translation>trop long pour %1&#xa0;: il faut %2 lignes et %1 en montre %3, donc le jeu coupe le texte</translation>
    </message>
    <message>
        <source>the file is empty: the game loads no questions from it</source>
        <translation>le fichier est vide&#xa0;: le jeu n&apos;en charge aucune question</translation>
    </message>
    <message>
        <source>read as %1; %2 question, %3 of which the game can ask</source>
        <translation>lu comme %1; %2 question, dont %3 que le jeu peut poser</translation>
    </message>
    <message>
        <source>read as %1; %2 questions, %3 of which the game can ask</source>
        <translation>lu comme %1; %2 questions, dont %3 que le jeu peut poser</translation>
    </message>
    <message>
        <source>holds no question the game can ask: a game with this file ends at once</source>
        <translation>ne contient aucune question que le jeu peut poser&#xa0;: une partie avec ce fichier se termine aussitôt</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>avertissement&#xa0;: </translation>
    </message>
    <message>
        <source>note: </source>
        <translation>note&#xa0;: </translation>
    </message>
    <message>
        <source>cannot be read: no such file</source>
        <translation>illisible&#xa0;: fichier introuvable</translation>
    </message>
    <message>
        <source>quillora-check: unknown option %1</source>
        <translation>quillora-check&#xa0;: option inconnue %1</translation>
    </message>
    <message>
        <source>quillora-check: no file or folder named</source>
        <translation>quillora-check&#xa0;: aucun fichier ni dossier nommé</translation>
    </message>
    <message>
        <source>no question file, symbol list or valdra.ini in this folder</source>
        <translation>aucun fichier de questions, liste de symboles ni valdra.ini dans ce dossier</translation>
    </message>
    <message>
        <source>not a question file (.qtn, .dat), symbol list (.lst) or settings file (.ini), so not checked</source>
        <translation>ni fichier de questions (.qtn, .dat), ni liste de symboles (.lst), ni fichier de paramètres (.ini), donc non vérifié</translation>
    </message>
    <message>
        <source>%1 checked: </source>
        <translation>%1 vérifié(s)&#xa0;: </translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 fichier</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <source>no problems</source>
        <translation>aucun problème</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 problème</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problèmes</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 avertissement</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avertissements</translation>
    </message>
    <message>
        <source>, %1 not read</source>
        <translation>, %1 non lu(s)</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>the game starts with %1, %2, a game of %3 and %4 symbols</source>
        <translation>le jeu commence avec %1, %2, une partie de %3 et %4 symboles</translation>
    </message>
    <message>
        <source>no question file</source>
        <translation>aucun fichier de questions</translation>
    </message>
    <message>
        <source>the question file %1</source>
        <translation>le fichier de questions %1</translation>
    </message>
    <message>
        <source>no symbol list</source>
        <translation>aucune liste de symboles</translation>
    </message>
    <message>
        <source>the symbol list %1</source>
        <translation>la liste de symboles %1</translation>
    </message>
    <message>
        <source>%1 again: this line replaces line %2</source>
        <translation>%1 de nouveau&#xa0;: cette ligne remplace la ligne %2</translation>
    </message>
    <message>
        <source>Quiz: the game loads the question file %1</source>
        <translation>Quiz&#xa0;: le jeu charge le fichier de questions %1</translation>
    </message>
    <message>
        <source>no question file named: the game starts with no questions</source>
        <translation>aucun fichier de questions nommé&#xa0;: le jeu commence sans questions</translation>
    </message>
    <message>
        <source>the question file %1 does not exist%2: the game starts with no questions</source>
        <translation>le fichier de questions %1 n&apos;existe pas%2&#xa0;: le jeu commence sans questions</translation>
    </message>
    <message>
        <source>PicList: no symbol list</source>
        <translation>PicList&#xa0;: aucune liste de symboles</translation>
    </message>
    <message>
        <source>PicList: the game loads the symbol list %1</source>
        <translation>PicList&#xa0;: le jeu charge la liste de symboles %1</translation>
    </message>
    <message>
        <source>the symbol list %1 does not exist%2: the custom set keeps its flags</source>
        <translation>la liste de symboles %1 n&apos;existe pas%2&#xa0;: la série personnalisée garde ses drapeaux</translation>
    </message>
    <message>
        <source>%1 is not a picture the game can load</source>
        <translation>%1 n&apos;est pas une image que le jeu peut charger</translation>
    </message>
    <message>
        <source>the picture %1 does not exist%2</source>
        <translation>l&apos;image %1 n&apos;existe pas%2</translation>
    </message>
    <message>
        <source>QuizPic: empty, so the question box and the buttons show no picture</source>
        <translation>QuizPic&#xa0;: vide, donc le cadre des questions et les boutons n&apos;affichent aucune image</translation>
    </message>
    <message>
        <source>QuizPic: the question box and the buttons wear the picture %1</source>
        <translation>QuizPic&#xa0;: le cadre des questions et les boutons portent l&apos;image %1</translation>
    </message>
    <message>
        <source>%1 is not a window width the window system takes</source>
        <translation>%1 n&apos;est pas une largeur de fenêtre que le système de fenêtres accepte</translation>
    </message>
    <message>
        <source>%1 is not a window height the window system takes</source>
        <translation>%1 n&apos;est pas une hauteur de fenêtre que le système de fenêtres accepte</translation>
    </message>
    <message>
        <source>%1: the window is %2 twips wide</source>
        <translation>%1&#xa0;: la fenêtre a %2 twips de largeur</translation>
    </message>
    <message>
        <source>%1: the window is %2 twips high</source>
        <translation>%1&#xa0;: la fenêtre a %2 twips de hauteur</translation>
    </message>
    <message>
        <source>%1 twips is below the smallest window: the game makes it %2</source>
        <translation>%1 twips est sous la plus petite fenêtre&#xa0;: le jeu la porte à %2</translation>
    </message>
    <message>
        <source>%1 is not a place the window system takes</source>
        <translation>%1 n&apos;est pas une position que le système de fenêtres accepte</translation>
    </message>
    <message>
        <source>%1: the question box&apos;s top is at %2 twips</source>
        <translation>%1&#xa0;: le haut du cadre des questions est à %2 twips</translation>
    </message>
    <message>
        <source>%1: the question box&apos;s left is at %2 twips</source>
        <translation>%1&#xa0;: la gauche du cadre des questions est à %2 twips</translation>
    </message>
    <message>
        <source>%1 minutes is more than the game can count</source>
        <translation>%1 minutes dépasse ce que le jeu peut compter</translation>
    </message>
    <message>
        <source>%1 is not a game length the game offers (1, 3, 5 or 10 minutes): the game length stays %2</source>
        <translation>%1 n&apos;est pas une durée que le jeu offre (1, 3, 5 ou 10 minutes)&#xa0;: la durée reste %2</translation>
    </message>
    <message>
        <source>Timeoption: a game lasts %1 (%2 seconds)</source>
        <translation>Timeoption&#xa0;: une partie dure %1 (%2 secondes)</translation>
    </message>
    <message>
        <source>%1 is more symbols than the game can count</source>
        <translation>%1 symboles dépasse ce que le jeu peut compter</translation>
    </message>
    <message>
        <source>%1 is not a number of symbols the game offers (6 or 12): it stays %2</source>
        <translation>%1 n&apos;est pas un nombre de symboles que le jeu offre (6 ou 12)&#xa0;: il reste %2</translation>
    </message>
    <message>
        <source>Dooroption: a game has %1 symbols</source>
        <translation>Dooroption&#xa0;: une partie a %1 symboles</translation>
    </message>
    <message>
        <source>%1 is no setting the game knows, so it ignores this line; did you mean &quot;%2:&quot;?</source>
        <translation>%1 n&apos;est pas un réglage que le jeu connaît, il ignore donc cette ligne; vouliez-vous dire «&#xa0;%2:&#xa0;»?</translation>
    </message>
    <message>
        <source>holds no setting key: the game ignores this line</source>
        <translation>ne contient aucune clé de réglage&#xa0;: le jeu ignore cette ligne</translation>
    </message>
    <message>
        <source>the line starts with &quot;%1:&quot; but also holds &quot;%2&quot;, which the game looks for first: it reads the line as %3</source>
        <translation>la ligne commence par «&#xa0;%1:&#xa0;» mais contient aussi «&#xa0;%2&#xa0;», que le jeu cherche d&apos;abord&#xa0;: il lit la ligne comme %3</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message>
        <source>: the game stops reading the settings here</source>
        <translation>&#xa0;: le jeu cesse de lire les paramètres ici</translation>
    </message>
    <message>
        <source>, so it loses </source>
        <translation>, et perd donc </translation>
    </message>
    <message>
        <source>; the symbol list %1 is loaded only when the first game starts</source>
        <translation>; la liste de symboles %1 n&apos;est chargée qu&apos;au début de la première partie</translation>
    </message>
    <message>
        <source>read as %1</source>
        <translation>lu comme %1</translation>
    </message>
    <message>
        <source>read as %1; the game takes %2 of its %3 lines into the custom set</source>
        <translation>lu comme %1; le jeu prend %2 de ses %3 lignes dans la série personnalisée</translation>
    </message>
    <message>
        <source>the list is empty: the custom set keeps its flags</source>
        <translation>la liste est vide&#xa0;: la série personnalisée garde ses drapeaux</translation>
    </message>
    <message>
        <source>: the game stops reading the list here, so %1 and the choice of the custom set are lost</source>
        <translation>&#xa0;: le jeu cesse de lire la liste ici, donc %1 et le choix de la série personnalisée sont perdus</translation>
    </message>
    <message>
        <source>this line, %1</source>
        <translation>cette ligne, %1</translation>
    </message>
    <message>
        <source>this line</source>
        <translation>cette ligne</translation>
    </message>
    <message>
        <source>blank line</source>
        <translation>ligne vide</translation>
    </message>
    <message>
        <source>no &quot;; &quot; between the region and the picture</source>
        <translation>pas de «&#xa0;; &#xa0;» entre la région et l&apos;image</translation>
    </message>
    <message>
        <source>no region name before the &quot;;&quot;: the symbol can never be placed on the map</source>
        <translation>aucun nom de région avant le «&#xa0;;&#xa0;»&#xa0;: le symbole ne peut jamais être placé sur la carte</translation>
    </message>
    <message>
        <source>%1 is not one of the 13 region names, so the symbol can never be placed on the map</source>
        <translation>%1 n&apos;est pas l&apos;un des 13 noms de région, donc le symbole ne peut jamais être placé sur la carte</translation>
    </message>
    <message>
        <source>; did you mean &quot;%1&quot; (in French, &quot;%2&quot;)?</source>
        <translation>; vouliez-vous dire «&#xa0;%2&#xa0;» (en anglais, «&#xa0;%1&#xa0;»)?</translation>
    </message>
    <message>
        <source>no blank after the &quot;;&quot;: the game reads it, but the list is written &quot;Region; picture&quot;</source>
        <translation>pas d&apos;espace après le «&#xa0;;&#xa0;»&#xa0;: le jeu la lit, mais la liste s&apos;écrit «&#xa0;Région; image&#xa0;»</translation>
    </message>
    <message>
        <source>no picture named after the &quot;;&quot;: the symbol shows no picture</source>
        <translation>aucune image nommée après le «&#xa0;;&#xa0;»&#xa0;: le symbole n&apos;affiche aucune image</translation>
    </message>
    <message>
        <source>the game uses the first 13 lines only: %1 are ignored</source>
        <translation>le jeu n&apos;utilise que les 13 premières lignes&#xa0;: %1 sont ignorées</translation>
    </message>
    <message>
        <source>the game uses the first 13 lines only: %1 is ignored</source>
        <translation>le jeu n&apos;utilise que les 13 premières lignes&#xa0;: %1 est ignorée</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>the file is UTF-16 text, which the game cannot read: save it as UTF-8 or as Windows-1252 (&quot;ANSI&quot;)</source>
        <translation>le fichier est du texte UTF-16, que le jeu ne peut pas lire&#xa0;: enregistrez-le en UTF-8 ou en Windows-1252 («&#xa0;ANSI&#xa0;»)</translation>
    </message>
    <message>
        <source>holds a NUL byte: this is no text file (a picture, or a document saved by a word processor?)</source>
        <translation>contient un octet NUL&#xa0;: ce n&apos;est pas un fichier texte (une image, ou un document enregistré par un traitement de texte?)</translation>
    </message>
    <message>
        <source>UTF-8 with a byte order mark</source>
        <translation>UTF-8 avec une marque d&apos;ordre des octets</translation>
    </message>
    <message>
        <source>byte %1 is not UTF-8: the game shows it as a replacement character</source>
        <translation>l&apos;octet %1 n&apos;est pas de l&apos;UTF-8&#xa0;: le jeu l&apos;affiche comme un caractère de remplacement</translation>
    </message>
    <message>
        <source>byte %1 is not UTF-8, so the game reads the whole file as Windows-1252 and every accented letter written in UTF-8 shows as two odd characters: save the file as UTF-8 throughout</source>
        <translation>l&apos;octet %1 n&apos;est pas de l&apos;UTF-8, donc le jeu lit tout le fichier en Windows-1252 et chaque lettre accentuée écrite en UTF-8 s&apos;affiche comme deux caractères bizarres&#xa0;: enregistrez tout le fichier en UTF-8</translation>
    </message>
    <message>
        <source>holds the control character %1, which is no text</source>
        <translation>contient le caractère de commande %1, qui n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>byte %1 is no character in Windows-1252</source>
        <translation>l&apos;octet %1 n&apos;est aucun caractère en Windows-1252</translation>
    </message>
    <message>
        <source>%1 more lines hold bytes that are no text: is this a text file?</source>
        <translation>%1 autres lignes contiennent des octets qui ne sont pas du texte&#xa0;: est-ce bien un fichier texte?</translation>
    </message>
    <message>
        <source>no line breaks</source>
        <translation>aucun saut de ligne</translation>
    </message>
    <message>
        <source>%1 line endings</source>
        <translation>fins de ligne %1</translation>
    </message>
    <message>
        <source>mixed line endings (%1)</source>
        <translation>fins de ligne mélangées (%1)</translation>
    </message>
    <message>
        <source>mixed line endings (%1 CR LF, %2 LF, %3 CR): the game reads each as a line break, but other programs may not</source>
        <translation>fins de ligne mélangées (%1 CR LF, %2 LF, %3 CR)&#xa0;: le jeu lit chacune comme un saut de ligne, mais d&apos;autres programmes peuvent ne pas le faire</translation>
    </message>
    <message>
        <source> (the blanks at the end of the name count)</source>
        <translation> (les espaces à la fin du nom comptent)</translation>
    </message>
    <message>
        <source> (a Windows drive: name the file as it is found on this computer)</source>
        <translation> (un lecteur Windows&#xa0;: nommez le fichier tel qu&apos;il se trouve sur cet ordinateur)</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>lignes %1 à %2</translation>
    </message>
    <message>
        <source>cannot be read: its name is not valid in this system&apos;s encoding</source>
        <translation>illisible&#xa0;: son nom n&apos;est pas valide dans l&apos;encodage de ce système</translation>
    </message>
    <message>
        <source>the game reads 100 questions at most: line %1 and every line after it are never read</source>
        <translation>le jeu lit 100 questions au plus&#xa0;: la ligne %1 et toutes les suivantes ne sont jamais lues</translation>
    </message>
    <message>
        <source>the file is larger than the game reads (%1 KiB): it reads up to here, in the middle of this line</source>
        <translation>le fichier est plus gros que ce que le jeu lit (%1 Kio)&#xa0;: il lit jusqu&apos;ici, au milieu de cette ligne</translation>
    </message>
    <message>
        <source>the game uses the first 13 lines only: line 14 and every line after it are ignored</source>
        <translation>le jeu n&apos;utilise que les 13 premières lignes&#xa0;: la ligne 14 et toutes les suivantes sont ignorées</translation>
    </message>
    <message>
        <source>Results: empty, so no class record is kept</source>
        <translation>Results&#xa0;: vide, donc aucun registre de classe n&apos;est tenu</translation>
    </message>
    <message>
        <source>Results: every finished game adds a row to the class record %1</source>
        <translation>Results&#xa0;: chaque partie terminée ajoute une ligne au registre de classe %1</translation>
    </message>
    <message>
        <source>the class record %1 cannot be written (%2): every game will say so at its end</source>
        <translation>le registre de classe %1 ne peut pas être écrit (%2)&#xa0;: chaque partie le dira à sa fin</translation>
    </message>
    <message>
        <source>Pupils: empty, so the Class Record prompt offers no names</source>
        <translation>Pupils&#xa0;: vide, donc la boîte du registre de classe ne propose aucun nom</translation>
    </message>
    <message>
        <source>the class list %1 does not exist%2: the Class Record prompt offers no names</source>
        <translation>la liste de classe %1 n&apos;existe pas%2&#xa0;: la boîte du registre de classe ne propose aucun nom</translation>
    </message>
    <message>
        <source>the class list %1 cannot be read (%2): the Class Record prompt offers no names</source>
        <translation>la liste de classe %1 est illisible (%2)&#xa0;: la boîte du registre de classe ne propose aucun nom</translation>
    </message>
    <message>
        <source>the class list %1 holds no names</source>
        <translation>la liste de classe %1 ne contient aucun nom</translation>
    </message>
    <message>
        <source>Pupils: the Class Record prompt offers the %1 names of the class list %2</source>
        <translation>Pupils&#xa0;: la boîte du registre de classe propose les %1 noms de la liste de classe %2</translation>
    </message>
    <message>
        <source>the class list %1 names %2 again on its line %3: both are one pupil</source>
        <translation>la liste de classe %1 nomme encore %2 à sa ligne %3&#xa0;: les deux sont un seul élève</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 de plus</translation>
    </message>
    <message>
        <source>the class record %1 cannot be read (%2)</source>
        <translation>le registre de classe %1 est illisible (%2)</translation>
    </message>
    <message>
        <source>the class record %1 has a row that cannot be read, row %2: the Class Results window skips it</source>
        <translation>le registre de classe %1 a une ligne illisible, la ligne %2&#xa0;: la fenêtre des résultats de la classe l&apos;ignore</translation>
    </message>
    <message>
        <source>the class record %1 has %3 rows that cannot be read, rows %2: the Class Results window skips them</source>
        <translation>le registre de classe %1 a %3 lignes illisibles, les lignes %2&#xa0;: la fenêtre des résultats de la classe les ignore</translation>
    </message>
    <message>
        <source>the class record %1 is larger than the Class Results window reads (%2 MB): it reads up to row %3</source>
        <translation>le registre de classe %1 dépasse ce que la fenêtre des résultats de la classe lit (%2&#xa0;Mo)&#xa0;: elle lit jusqu&apos;à la ligne %3</translation>
    </message>
    <message>
        <source>the class record %1 mixes two encodings (UTF-8 from row %2, Windows-1252 from row %3): a spreadsheet shows some names wrongly; open it in a spreadsheet and save it as CSV in UTF-8</source>
        <translation>le registre de classe %1 mélange deux codages (UTF-8 dès la ligne %2, Windows-1252 dès la ligne %3)&#xa0;: un tableur affiche mal certains noms; ouvrez-le dans un tableur et enregistrez-le en CSV en UTF-8</translation>
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
  --convert FROM TO
            write the questions of FROM to TO, one a question file (.qtn) and the other
            a spreadsheet (.csv), as the question editor exports and imports them

Exit status: 0 when no file has a problem that changes what the game does, 1 when one
has, 2 when a file cannot be read.
</source>
        <translation>Utilisation&#xa0;: quillora-check [--quiet] FICHIER|DOSSIER...

Vérifie les fichiers de Quillora comme le jeu les lit&#xa0;: fichiers de questions (.qtn, .dat),
listes de symboles (.lst) et fichiers de réglages (valdra.ini). Un dossier vaut pour chacun
de ces fichiers qu&apos;il contient. Chaque problème s&apos;affiche sous la forme FICHIER:LIGNE: problème,
suivi d&apos;une ligne de bilan. Les noms d&apos;une liste de symboles ou d&apos;un fichier de réglages sont
cherchés à partir du dossier du fichier, comme le jeu les cherche à partir de son dossier
de départ.

  --quiet   n&apos;afficher que les problèmes
  --help    afficher cette aide
  --convert DE VERS
            écrire les questions de DE dans VERS, l&apos;un étant un fichier de questions (.qtn),
            l&apos;autre un tableur (.csv), comme l&apos;éditeur de questions les exporte et importe

Code de sortie&#xa0;: 0 si aucun fichier n&apos;a de problème qui change ce que fait le jeu, 1 si un
fichier en a un, 2 si un fichier est illisible.
</translation>
    </message>
    <message>
        <source>quillora-check: --convert takes one .csv and one question file</source>
        <translation>quillora-check&#xa0;: --convert prend un .csv et un fichier de questions</translation>
    </message>
    <message>
        <source>quillora-check: %1 cannot be read: %2</source>
        <translation>quillora-check&#xa0;: %1 est illisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>quillora-check: %1 holds no question, so nothing was written</source>
        <translation>quillora-check&#xa0;: %1 ne contient aucune question&#xa0;: rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>quillora-check: %1 cannot be written: %2</source>
        <translation>quillora-check&#xa0;: %1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 question written to %2.</source>
        <translation>%1 question écrite dans %2.</translation>
    </message>
    <message>
        <source>%1 questions written to %2.</source>
        <translation>%1 questions écrites dans %2.</translation>
    </message>
    <message>
        <source>this looks like a spreadsheet saved as CSV (cells separated by %1), not a question file: the game takes each line for one question or answer. Import it with File &gt; Import CSV in the question editor (Files &gt; Edit Questions).</source>
        <translation>ce fichier ressemble à un tableur enregistré en CSV (cellules séparées par %1), pas à un fichier de questions&#xa0;: le jeu prend chaque ligne pour une question ou une réponse. Importez-le avec Fichier &gt; Importer un CSV dans l&apos;éditeur de questions (Fichiers &gt; Modifier les questions).</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>des tabulations</translation>
    </message>
    <message>
        <source>%1 is read as %2: the game takes only the number at its start; write it without separators (%3)</source>
        <translation>%1 est lu comme %2&#xa0;: le jeu ne prend que le nombre du début; écrivez-le sans séparateurs (%3)</translation>
    </message>
    <message>
        <source>the same question as question %1 (line %2)</source>
        <translation>la même question que la question %1 (ligne %2)</translation>
    </message>
    <message>
        <source>cannot be read: its symbolic links lead round in a loop</source>
        <translation>illisible&#xa0;: ses liens symboliques tournent en boucle</translation>
    </message>
</context>
<context>
    <name>classroom</name>
    <message>
        <source>Is a directory</source>
        <translation>C&apos;est un dossier</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Share right the first time, the hardest question on top</source>
        <translation>Taux de réussite du premier coup, la question la plus difficile en haut</translation>
    </message>
    <message>
        <source>Right the first time (%)</source>
        <translation>Réussies du premier coup (%)</translation>
    </message>
    <message>
        <source>(not in the question file now)</source>
        <translation>(plus dans le fichier de questions)</translation>
    </message>
    <message>
        <source>Score and share right the first time, game by game</source>
        <translation>Pointage et taux de réussite du premier coup, partie par partie</translation>
    </message>
    <message>
        <source>Score (left axis)</source>
        <translation>Pointage (axe de gauche)</translation>
    </message>
    <message>
        <source>Right the first time, % (right axis)</source>
        <translation>Réussies du premier coup, % (axe de droite)</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>Right the first time</source>
        <translation>Réussies du premier coup</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Rapport de la classe</translation>
    </message>
    <message>
        <source>Class record: %1</source>
        <translation>Registre de classe&#xa0;: %1</translation>
    </message>
    <message>
        <source>Games shown: %1</source>
        <translation>Parties montrées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Fait le %1</translation>
    </message>
    <message>
        <source>Class summary</source>
        <translation>Résumé de la classe</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Mean score</source>
        <translation>Pointage moyen</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Meilleur pointage</translation>
    </message>
    <message>
        <source>Questions answered right the first time</source>
        <translation>Questions réussies du premier coup</translation>
    </message>
    <message>
        <source>The most missed questions of %1</source>
        <translation>Les questions les plus manquées de %1</translation>
    </message>
    <message>
        <source>None of these games used this question file.</source>
        <translation>Aucune de ces parties n&apos;a utilisé ce fichier de questions.</translation>
    </message>
    <message>
        <source>%1 of these games were recorded by question number; their questions are matched against the question file as it is now and may no longer match.</source>
        <translation>%1 de ces parties ont été enregistrées par numéro de question; leurs questions sont rapprochées du fichier de questions tel qu&apos;il est et peuvent ne plus correspondre.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Posées</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manquée</translation>
    </message>
    <message>
        <source>The class, day by day</source>
        <translation>La classe, jour après jour</translation>
    </message>
    <message>
        <source>Each pupil&apos;s games</source>
        <translation>Les parties de chaque élève</translation>
    </message>
    <message>
        <source>%1 games, best score %2, mean score %3, right the first time %4</source>
        <translation>%1 parties, meilleur pointage %2, pointage moyen %3, réussies du premier coup %4</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Question file</source>
        <translation>Fichier de questions</translation>
    </message>
    <message>
        <source>Right first time</source>
        <translation>Justes du premier coup</translation>
    </message>
    <message>
        <source>Class report, %1</source>
        <translation>Rapport de la classe, %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>the report could not be drawn</source>
        <translation>le rapport n&apos;a pas pu être dessiné</translation>
    </message>
    <message>
        <source>The row was written, but when read back the file did not hold it: other games kept saving into it at the same moment.</source>
        <translation>La ligne a été écrite, mais le fichier relu ne la contenait pas&#xa0;: d&apos;autres parties y enregistraient sans cesse en même temps.</translation>
    </message>
</context>
<context>
    <name>classroom::Classroom</name>
    <message>
        <source>Your game goes into the class record.<byte value="xd"/>Enter your name:</source>
        <translation>Votre partie entre dans le registre de classe.<byte value="xd"/>Entrez votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Class Record</source>
        <translation>Registre de classe</translation>
    </message>
    <message>
        <source>The class record</source>
        <translation>Le registre de classe</translation>
    </message>
    <message>
        <source>The missed questions are not in the question file now in use.</source>
        <translation>Les questions manquées ne sont pas dans le fichier de questions en usage.</translation>
    </message>
    <message>
        <source>Your game goes into the class record.<byte value="xd"/>Pick or type your name:</source>
        <translation>Votre partie entre dans le registre de classe.<byte value="xd"/>Choisissez ou tapez votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Your game was added to the class record %1 without its lock: other games may be saving into it at the same moment.

%2</source>
        <translation>Votre partie a été ajoutée au registre de classe %1 sans son verrou&#xa0;: d&apos;autres parties y enregistrent peut-être en même temps.

%2</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>unknown language &apos;%1&apos;: choose fr or en</source>
        <translation>langue inconnue «&#xa0;%1&#xa0;»&#xa0;: choisissez fr ou en</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the folder name is empty</source>
        <translation>le nom du dossier est vide</translation>
    </message>
    <message>
        <source>more than one folder given (&apos;%1&apos;, &apos;%2&apos;)</source>
        <translation>plus d&apos;un dossier donné («&#xa0;%1&#xa0;», «&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>--user-folder and a folder (&apos;%1&apos;) cannot go together</source>
        <translation>--user-folder et un dossier («&#xa0;%1&#xa0;») ne vont pas ensemble</translation>
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
        <translation>Utilisation&#xa0;: quillora [--lang fr|en] [DOSSIER]
              quillora [--lang fr|en] --user-folder
Un jeu-questionnaire sur la géographie du Canada.

Le jeu garde ses fichiers (le fichier de questions Valdra.qtn, le palmarès, le
fichier de paramètres valdra.ini et les fichiers de l&apos;enseignant) dans son dossier de jeu&#xa0;:
  sans dossier     le dossier courant
  DOSSIER          le dossier nommé, créé s&apos;il n&apos;existe pas
  --user-folder    votre propre dossier de jeu, $XDG_DATA_HOME/quillora
                   (~/.local/share/quillora si XDG_DATA_HOME n&apos;est pas défini)
Un dossier de jeu nommé de l&apos;une ou l&apos;autre façon qui n&apos;a pas de Valdra.qtn reçoit le
fichier de questions par défaut. Les fichiers déjà là ne sont jamais remplacés.

Options&#xa0;:
  --user-folder    jouer dans votre propre dossier de jeu
  --lang fr|en     jouer en français ou en anglais; sinon, le jeu parle la langue
                   choisie dans son menu Options, ou à défaut celle du bureau
                   (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)&#xa0;: le français pour le
                   français, l&apos;anglais pour toute autre langue
  -h, --help       afficher cette aide et quitter
  --version        afficher la version et quitter
</translation>
    </message>
    <message>
        <source>The name %1 is not valid in this system&apos;s encoding, so the game cannot play in that folder. Rename the folder, or name another one.</source>
        <translation>Le nom %1 n&apos;est pas valide dans l&apos;encodage de ce système, donc le jeu ne peut pas jouer dans ce dossier. Renommez le dossier ou nommez-en un autre.</translation>
    </message>
    <message>
        <source>no display to open the game&apos;s window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session</source>
        <translation>aucun écran où ouvrir la fenêtre du jeu (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini); lancez-le depuis une session de bureau</translation>
    </message>
    <message>
        <source>quillora: %1
%2Try &apos;quillora --help&apos; for more information.
</source>
        <translation>quillora&#xa0;: %1
%2Essayez «&#xa0;quillora --help&#xa0;» pour en savoir plus.
</translation>
    </message>
</context>
<context>
    <name>editor::Csv</name>
    <message>
        <source>it has %1 cells; only the first five (question, right answer, three wrong answers) were taken</source>
        <translation>elle a %1 cellules; seules les cinq premières (question, bonne réponse, trois mauvaises réponses) ont été prises</translation>
    </message>
    <message>
        <source>its question cell is empty</source>
        <translation>sa cellule de question est vide</translation>
    </message>
    <message>
        <source>a cell holds a line break, which became a space</source>
        <translation>une cellule contient un saut de ligne, devenu une espace</translation>
    </message>
    <message>
        <source>a quotation mark opened in this row is never closed, so the rest of the file went into one cell</source>
        <translation>un guillemet ouvert dans cette rangée n&apos;est jamais fermé, donc le reste du fichier est entré dans une seule cellule</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Wrong answer 1</source>
        <translation>Mauvaise réponse 1</translation>
    </message>
    <message>
        <source>Wrong answer 2</source>
        <translation>Mauvaise réponse 2</translation>
    </message>
    <message>
        <source>Wrong answer 3</source>
        <translation>Mauvaise réponse 3</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>column A (numbers)</source>
        <translation>colonne A (numéros)</translation>
    </message>
    <message>
        <source>it has %1 cells, more than the columns with titles; the cells without one were left out</source>
        <translation>elle a %1 cellules, plus que de colonnes titrées; les cellules sans titre ont été laissées de côté</translation>
    </message>
    <message>
        <source>it has no right answer</source>
        <translation>elle n&apos;a pas de bonne réponse</translation>
    </message>
</context>
<context>
    <name>editor::QuestionEditor</name>
    <message>
        <source>typing</source>
        <translation>saisie</translation>
    </message>
    <message>
        <source>--Question Editor</source>
        <translation>--Éditeur de questions</translation>
    </message>
    <message>
        <source>fine</source>
        <translation>correct</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problème</translation>
    </message>
    <message>
        <source>(no question yet)</source>
        <translation>(pas encore de question)</translation>
    </message>
    <message>
        <source>&amp;Question:</source>
        <translation>&amp;Question&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Right answer:</source>
        <translation>&amp;Bonne réponse&#xa0;:</translation>
    </message>
    <message>
        <source>Wrong answer &amp;%1:</source>
        <translation>Mauvaise réponse &amp;%1&#xa0;:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Wrong answer %1</source>
        <translation>Mauvaise réponse %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
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
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importer un CSV...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;xporter un CSV...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Add Question</source>
        <translation>Ajouter une &amp;question</translation>
    </message>
    <message>
        <source>Dup&amp;licate Question</source>
        <translation>&amp;Dupliquer la question</translation>
    </message>
    <message>
        <source>&amp;Delete Question</source>
        <translation>&amp;Supprimer la question</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>D&amp;escendre</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Chercher...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Chercher la s&amp;uivante</translation>
    </message>
    <message>
        <source>Pa&amp;ste Cells</source>
        <translation>C&amp;oller des cellules</translation>
    </message>
    <message>
        <source>Adds cells copied from a spreadsheet as questions</source>
        <translation>Ajoute comme questions des cellules copiées d&apos;un tableur</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>C&amp;hercher&#xa0;:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>Dup&amp;liquer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Add a question</source>
        <translation>Ajouter une question</translation>
    </message>
    <message>
        <source>Duplicate the question</source>
        <translation>Dupliquer la question</translation>
    </message>
    <message>
        <source>Delete the question</source>
        <translation>Supprimer la question</translation>
    </message>
    <message>
        <source>Move the question up</source>
        <translation>Monter la question</translation>
    </message>
    <message>
        <source>Move the question down</source>
        <translation>Descendre la question</translation>
    </message>
    <message>
        <source>What the game will make of this question:</source>
        <translation>Ce que le jeu fera de cette question&#xa0;:</translation>
    </message>
    <message>
        <source>Findings for this question</source>
        <translation>Constats sur cette question</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>Preview the question as pupils see it</source>
        <translation>Voir la question comme les élèves la verront</translation>
    </message>
    <message>
        <source>&amp;Play These Questions</source>
        <translation>Jouer &amp;ces questions</translation>
    </message>
    <message>
        <source>No question is selected.</source>
        <translation>Aucune question n&apos;est choisie.</translation>
    </message>
    <message>
        <source>Fine: the game asks it as written.</source>
        <translation>Correct&#xa0;: le jeu la pose telle qu&apos;elle est écrite.</translation>
    </message>
    <message>
        <source>1 question (the game reads the first 100)</source>
        <translation>1 question (le jeu lit les 100 premières)</translation>
    </message>
    <message>
        <source>%1 questions (the game reads the first 100)</source>
        <translation>%1 questions (le jeu lit les 100 premières)</translation>
    </message>
    <message>
        <source>questions %1 to %2 are never asked</source>
        <translation>les questions %1 à %2 ne sont jamais posées</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>pas encore enregistré</translation>
    </message>
    <message>
        <source>%1 (changed)</source>
        <translation>%1 (modifié)</translation>
    </message>
    <message>
        <source>add</source>
        <translation>ajout</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>duplication</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>suppression</translation>
    </message>
    <message>
        <source>move up</source>
        <translation>montée</translation>
    </message>
    <message>
        <source>move down</source>
        <translation>descente</translation>
    </message>
    <message>
        <source>The clipboard holds no cells to add as questions.</source>
        <translation>Le presse-papiers ne contient aucune cellule à ajouter comme questions.</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>collage</translation>
    </message>
    <message>
        <source>1 question added from the pasted cells.</source>
        <translation>1 question ajoutée à partir des cellules collées.</translation>
    </message>
    <message>
        <source>%1 questions added from the pasted cells.</source>
        <translation>%1 questions ajoutées à partir des cellules collées.</translation>
    </message>
    <message>
        <source>No question holds &quot;%1&quot;.</source>
        <translation>Aucune question ne contient «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The question file %1 cannot be opened: %2.</source>
        <translation>Le fichier de questions %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is already in this folder, and the game takes it for %2. Replace it?</source>
        <translation>%1 est déjà dans ce dossier, et le jeu le prend pour %2. Le remplacer?</translation>
    </message>
    <message>
        <source>The questions</source>
        <translation>les questions</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message>
        <source>The spreadsheet file %1 cannot be read: %2.</source>
        <translation>Le fichier de tableur %1 est illisible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 is no spreadsheet saved as CSV text, so nothing was imported. Save the sheet as &quot;CSV&quot; or &quot;Text (tab-separated)&quot; and import that.</source>
        <translation>Le fichier %1 n&apos;est pas un tableur enregistré en texte CSV, donc rien n&apos;a été importé. Enregistrez la feuille en «&#xa0;CSV&#xa0;» ou en «&#xa0;Texte (séparé par des tabulations)&#xa0;» et importez ce fichier.</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importation</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>des tabulations</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>des points-virgules</translation>
    </message>
    <message>
        <source>commas</source>
        <translation>des virgules</translation>
    </message>
    <message>
        <source>1 question imported from %1 (%2, cells separated by %3%4).</source>
        <translation>1 question importée de %1 (%2, cellules séparées par %3%4).</translation>
    </message>
    <message>
        <source>%5 questions imported from %1 (%2, cells separated by %3%4).</source>
        <translation>%5 questions importées de %1 (%2, cellules séparées par %3%4).</translation>
    </message>
    <message>
        <source>, first row taken as column titles</source>
        <translation>, première rangée prise pour les titres des colonnes</translation>
    </message>
    <message>
        <source>--Import CSV</source>
        <translation>--Importer un CSV</translation>
    </message>
    <message>
        <source>These rows need a look:</source>
        <translation>Ces rangées sont à revoir&#xa0;:</translation>
    </message>
    <message>
        <source>Rows with problems</source>
        <translation>Rangées avec des problèmes</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Rangée %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The spreadsheet</source>
        <translation>le tableur</translation>
    </message>
    <message>
        <source>Exported %1.</source>
        <translation>%1 exporté.</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 a des modifications non enregistrées. Les enregistrer?</translation>
    </message>
    <message>
        <source>There are no questions to play yet.</source>
        <translation>Il n&apos;y a pas encore de questions à jouer.</translation>
    </message>
    <message>
        <source>The questions must be saved before the game can play them. Save them now?</source>
        <translation>Les questions doivent être enregistrées avant que le jeu puisse les jouer. Les enregistrer maintenant?</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <extracomment>a finding on a field of the question: the field, how grave it is, what was found</extracomment>
        <translation>%1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>A&amp;dd from CSV...</source>
        <translation>&amp;Ajouter depuis un CSV...</translation>
    </message>
    <message>
        <source>Adds a spreadsheet&apos;s questions after the selected ones</source>
        <translation>Ajoute les questions d&apos;un tableur après celles qui sont choisies</translation>
    </message>
    <message>
        <source>The file %1 holds no question, so nothing was imported.</source>
        <translation>Le fichier %1 ne contient aucune question&#xa0;: rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Laissé de côté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>A new question file: add questions, then save it.</source>
        <translation>Un nouveau fichier de questions&#xa0;: ajoutez des questions, puis enregistrez-le.</translation>
    </message>
    <message>
        <source>Exported the %1 chosen questions to %2.</source>
        <translation>Les %1 questions choisies ont été exportées dans %2.</translation>
    </message>
</context>
<context>
    <name>editor::QuestionFile</name>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is %1 MB long, and a question file of a hundred questions takes a few kilobytes, so it is no question file (the editor opens files of up to %2 MB)</source>
        <translation>il fait %1 Mo, et un fichier de cent questions tient en quelques kilo-octets, donc ce n&apos;est pas un fichier de questions (l&apos;éditeur ouvre les fichiers d&apos;au plus %2 Mo)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
</context>
<context>
    <name>editor::QuestionPreview</name>
    <message>
        <source>--Preview</source>
        <translation>--Aperçu</translation>
    </message>
    <message>
        <source>The question as pupils see it</source>
        <translation>La question comme les élèves la voient</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>explore</name>
    <message>
        <source>the facts file is not valid JSON (%1)</source>
        <translation>le fichier de faits n&apos;est pas du JSON valide (%1)</translation>
    </message>
    <message>
        <source>the facts file names no census year</source>
        <translation>le fichier de faits ne nomme aucune année de recensement</translation>
    </message>
    <message>
        <source>the facts file names an unknown region &quot;%1&quot;</source>
        <translation>le fichier de faits nomme une région inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the facts file names %1 twice</source>
        <translation>le fichier de faits nomme %1 deux fois</translation>
    </message>
    <message>
        <source>the facts of %1 are incomplete</source>
        <translation>les faits sur %1 sont incomplets</translation>
    </message>
    <message>
        <source>the facts file lacks %1</source>
        <translation>il manque %1 au fichier de faits</translation>
    </message>
    <message>
        <source>the built-in facts file cannot be read (%1)</source>
        <translation>le fichier de faits intégré ne peut pas être lu (%1)</translation>
    </message>
</context>
<context>
    <name>explore::ExploreMap</name>
    <message>
        <source>Map of Canada</source>
        <translation>Carte du Canada</translation>
    </message>
    <message>
        <source>Map of Canada: %1</source>
        <translation>Carte du Canada&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>--Explore the Map</source>
        <translation>--Explorer la carte</translation>
    </message>
    <message>
        <source>Point at a province or territory to see its name, and click it to read about it. From the keyboard, the arrow keys walk them from west to east and Enter shows the one outlined.</source>
        <translation>Pointez une province ou un territoire pour voir son nom, et cliquez dessus pour en savoir plus. Au clavier, les flèches les parcourent d&apos;ouest en est et Entrée montre celui qui est entouré.</translation>
    </message>
    <message>
        <source>The facts cannot be shown: %1.</source>
        <translation>Les faits ne peuvent pas être montrés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Capital:</source>
        <translation>Capitale&#xa0;:</translation>
    </message>
    <message>
        <source>Joined Confederation:</source>
        <translation>Entrée dans la Confédération&#xa0;:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Superficie&#xa0;:</translation>
    </message>
    <message>
        <source>Population (%1 census):</source>
        <translation>Population (recensement de %1)&#xa0;:</translation>
    </message>
    <message>
        <source>Crest</source>
        <translation>Armoiries</translation>
    </message>
    <message>
        <source>Floral emblem</source>
        <translation>Emblème floral</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Drapeau</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Pointing at: %1</source>
        <translation>Sous le pointeur&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 km²</source>
        <translation>%1 km²</translation>
    </message>
    <message>
        <source>Crest of %1</source>
        <translation>Armoiries&#xa0;: %1</translation>
    </message>
    <message>
        <source>Floral emblem of %1: %2</source>
        <translation>Emblème floral (%1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Flag of %1</source>
        <translation>Drapeau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Capital: %1</source>
        <translation>Capitale&#xa0;: %1</translation>
    </message>
    <message>
        <source>Joined Confederation: %1</source>
        <translation>Entrée dans la Confédération&#xa0;: %1</translation>
    </message>
    <message>
        <source>Area: %1</source>
        <translation>Superficie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Population: %1</source>
        <translation>Population&#xa0;: %1</translation>
    </message>
    <message>
        <source>Floral emblem: %1</source>
        <translation>Emblème floral&#xa0;: %1</translation>
    </message>
    <message>
        <source>The arrow keys walk the provinces and territories from west to east; Enter shows the facts of the one outlined.</source>
        <translation>Les flèches parcourent les provinces et territoires d&apos;ouest en est; Entrée montre les faits de celui qui est entouré.</translation>
    </message>
</context>
<context>
    <name>explore::FindDrill</name>
    <message>
        <source>Where is %1?</source>
        <translation>Où se trouve %1?</translation>
    </message>
    <message>
        <source>Which territory has %1 as its capital?</source>
        <translation>Quel territoire a %1 pour capitale?</translation>
    </message>
    <message>
        <source>Which province has %1 as its capital?</source>
        <translation>Quelle province a %1 pour capitale?</translation>
    </message>
    <message>
        <source>Whose flag is this? Click its province or territory.</source>
        <translation>À qui est ce drapeau? Cliquez sur sa province ou son territoire.</translation>
    </message>
    <message>
        <source>Whose crest is this? Click its province or territory.</source>
        <translation>À qui sont ces armoiries? Cliquez sur leur province ou leur territoire.</translation>
    </message>
    <message>
        <source>Whose floral emblem is this? Click its province or territory.</source>
        <translation>À qui est cet emblème floral? Cliquez sur sa province ou son territoire.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1&#xa0;min %2&#xa0;s</translation>
    </message>
</context>
<context>
    <name>explore::FindMapWindow</name>
    <message>
        <source>--Find on the Map</source>
        <translation>--Trouver sur la carte</translation>
    </message>
    <message>
        <source>The arrow keys walk the provinces and territories from west to east; Enter chooses the one outlined.</source>
        <translation>Les flèches parcourent les provinces et territoires d&apos;ouest en est; Entrée choisit celui qui est entouré.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Capitale</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Drapeau</translation>
    </message>
    <message>
        <source>Crest</source>
        <translation>Armoiries</translation>
    </message>
    <message>
        <source>Floral emblem</source>
        <translation>Emblème floral</translation>
    </message>
    <message>
        <source>&amp;Find by:</source>
        <translation>&amp;Trouver par&#xa0;:</translation>
    </message>
    <message>
        <source>Show the c&amp;lock</source>
        <translation>Afficher l&apos;&amp;horloge</translation>
    </message>
    <message>
        <source>Try the &amp;Missed Ones Again</source>
        <translation>Reprendre les régions &amp;manquées</translation>
    </message>
    <message>
        <source>&amp;New Round</source>
        <translation>&amp;Nouvelle série</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>A flag</source>
        <translation>Un drapeau</translation>
    </message>
    <message>
        <source>A crest</source>
        <translation>Des armoiries</translation>
    </message>
    <message>
        <source>A floral emblem</source>
        <translation>Un emblème floral</translation>
    </message>
    <message>
        <source>A floral emblem: %1</source>
        <translation>Un emblème floral&#xa0;: %1</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Bravo&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No, that is %1.</source>
        <translation>Non, c&apos;est %1.</translation>
    </message>
    <message>
        <source>No, that is no province or territory.</source>
        <translation>Non, ce n&apos;est ni une province ni un territoire.</translation>
    </message>
    <message>
        <source>The hatching on the map shows %1; it comes back later.</source>
        <translation>Sur la carte, les hachures montrent %1; la question reviendra plus tard.</translation>
    </message>
    <message>
        <source>Round over: %1 of %2 right the first time, in %3.</source>
        <translation>Série terminée&#xa0;: %1 sur %2 justes du premier coup, en %3.</translation>
    </message>
    <message>
        <source>To try again: %1.</source>
        <translation>À reprendre&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Found: %1 of %2</source>
        <translation>Trouvées&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>filebrowser</name>
    <message>
        <source>This folder cannot be read.</source>
        <translation>Ce dossier est illisible.</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>another game</source>
        <translation>une autre partie</translation>
    </message>
    <message>
        <source>%1, process %2</source>
        <translation>%1, processus %2</translation>
    </message>
    <message>
        <source>It is locked by %1 (%2).</source>
        <translation>Il est verrouillé par %1 (%2).</translation>
    </message>
    <message>
        <source>Its lock file %1 could not be made: %2</source>
        <translation>Son fichier de verrou %1 n&apos;a pas pu être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 has a problem that changes what the game does:</source>
        <translation>%1 a un problème qui change ce que fait le jeu&#xa0;:</translation>
    </message>
    <message>
        <source>%1 has %2 problems that change what the game does:</source>
        <translation>%1 a %2 problèmes qui changent ce que fait le jeu&#xa0;:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>et %1 de plus.</translation>
    </message>
    <message>
        <source>The game plays the file as it reads it. Show Details lists every problem; quillora-check prints the same report.</source>
        <translation>Le jeu utilise le fichier tel qu&apos;il le lit. Montrer les détails énumère chaque problème; quillora-check affiche le même rapport.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>aucun fichier nommé</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>question %1 (line %2): %3</source>
        <translation>question %1 (ligne %2)&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>form7</name>
    <message>
        <source>Quiz:</source>
        <translation>Questions&#xa0;:</translation>
    </message>
    <message>
        <source>Symbols List:</source>
        <translation>Liste de symboles&#xa0;:</translation>
    </message>
    <message>
        <source>Quiz Box Picture:</source>
        <translation>Image du cadre&#xa0;:</translation>
    </message>
    <message>
        <source>Game Length (1,3,5,10):</source>
        <translation>Durée (1, 3, 5, 10)&#xa0;:</translation>
    </message>
    <message>
        <source>Symbols to Locate (6, 12):</source>
        <translation>Symboles à situer (6, 12)&#xa0;:</translation>
    </message>
    <message>
        <source>Game Width:</source>
        <translation>Largeur du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Game Height:</source>
        <translation>Hauteur du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Quiz Box Left:</source>
        <translation>Gauche du cadre&#xa0;:</translation>
    </message>
    <message>
        <source>Quiz Box Top:</source>
        <translation>Haut du cadre&#xa0;:</translation>
    </message>
    <message>
        <source>Current Directory</source>
        <translation>Dossier courant</translation>
    </message>
    <message>
        <source> Are you certain this should become the default Quillora game settings?</source>
        <translation> Voulez-vous vraiment que ces paramètres deviennent les paramètres par défaut de Quillora?</translation>
    </message>
    <message>
        <source>MsgBox Demonstration</source>
        <translation>Démonstration de boîte de message</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>les paramètres</translation>
    </message>
    <message>
        <source>Quillora--Iniatialization File Options</source>
        <translation>Quillora--Options du fichier d&apos;initialisation</translation>
    </message>
    <message>
        <source>&amp;Save Initialization File</source>
        <translation>&amp;Enregistrer le fichier</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>It holds a line the game does not read (%1), and no copy of it could be kept: %2</source>
        <translation>Il contient une ligne que le jeu ne lit pas (%1), et aucune copie n&apos;a pu en être gardée&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 held a line the game does not read (%2). The file as it was is kept in %3.</source>
        <translation>%1 contenait une ligne que le jeu ne lit pas (%2). Le fichier tel qu&apos;il était est gardé dans %3.</translation>
    </message>
    <message>
        <source>The file there could not be read, and saving would lose the lines it holds.</source>
        <translation>Le fichier existant n&apos;a pas pu être lu, et l&apos;enregistrer ferait perdre les lignes qu&apos;il contient.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version 2.5, by the Quillora developers</source>
        <translation>Version 2.5, par les développeurs de Quillora</translation>
    </message>
    <message>
        <source>Answer multiple-choice questions about Canada to earn the chance to locate the crests, floral emblems or other symbols of its provinces and territories on the map.</source>
        <translation>Répondez à des questions sur le Canada et obtenez le droit de situer sur la carte les armoiries, emblèmes floraux et autres symboles de ses provinces et territoires.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>highscores</name>
    <message>
        <source>Enter your name:</source>
        <translation>Entrez votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>C&apos;est un dossier</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d&apos;entrée-sortie</translation>
    </message>
    <message>
        <source>it holds more than %1 entries</source>
        <translation>il contient plus de %1 entrées</translation>
    </message>
    <message>
        <source>line %1 is a name without its score</source>
        <translation>la ligne %1 est un nom sans son score</translation>
    </message>
    <message>
        <source>line %1 is not a score: &quot;%2&quot;</source>
        <translation>la ligne %1 n&apos;est pas un score&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>It could not be read, so it was left as it is: %1</source>
        <translation>Il n&apos;a pas pu être lu, il a donc été laissé tel quel&#xa0;: %1</translation>
    </message>
    <message>
        <source>It did not read whole (%1), and no copy of it could be kept: %2</source>
        <translation>Il n&apos;a pas pu être lu en entier (%1), et aucune copie n&apos;a pu en être gardée&#xa0;: %2</translation>
    </message>
    <message>
        <source>It was written, but when read back it did not hold your entry: other games kept saving into it at the same moment.</source>
        <translation>Il a été écrit, mais relu, il ne contenait pas votre inscription&#xa0;: d&apos;autres parties y enregistraient sans cesse en même temps.</translation>
    </message>
    <message>
        <source>Your score of %1 adds your name to the high score list.</source>
        <translation>Votre pointage de %1 inscrit votre nom au palmarès.</translation>
    </message>
</context>
<context>
    <name>playfolder</name>
    <message>
        <source>The default question file is missing from the program.</source>
        <translation>Le fichier de questions par défaut manque au programme.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot make the play folder %1: %2</source>
        <translation>Impossible de créer le dossier de jeu %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>un fichier de ce nom est déjà là</translation>
    </message>
    <message>
        <source>Cannot open the play folder %1: %2</source>
        <translation>Impossible d&apos;ouvrir le dossier de jeu %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>textfile</name>
    <message>
        <source>%1 could not be saved to %2.

%3</source>
        <translation>Impossible d&apos;enregistrer %1 dans %2.

%3</translation>
    </message>
</context>
<context>
    <name>ui::DirList</name>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Enter opens the folder under the cursor.</source>
        <translation>Entrée ouvre le dossier sous le curseur.</translation>
    </message>
</context>
<context>
    <name>ui::DriveList</name>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
</context>
<context>
    <name>ui::FileList</name>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
</context>
</TS>
