<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>wigglepad::ExitConfirmOverlay</name>
    <message>
        <location filename="../src/views/ExitConfirmOverlay.cpp" line="57"/>
        <source>Exit Wigglepad?</source>
        <translation>Quitter Wigglepad&#xa0;?</translation>
    </message>
    <message>
        <location filename="../src/views/ExitConfirmOverlay.cpp" line="62"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/views/ExitConfirmOverlay.cpp" line="65"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>wigglepad::InfoBanner</name>
    <message>
        <location filename="../src/views/InfoBanner.cpp" line="64"/>
        <source>Welcome to Wigglepad</source>
        <translation>Bienvenue dans Wigglepad</translation>
    </message>
    <message>
        <location filename="../src/views/InfoBanner.cpp" line="66"/>
        <source>To exit: hold Escape for 3 seconds, or click 5 times rapidly in the top-right corner. Hold the M key for 5 seconds to return to the mode menu.</source>
        <translation>Pour quitter&#xa0;: maintenez la touche Échap enfoncée 3 secondes ou cliquez 5 fois rapidement dans le coin supérieur droit. Maintenez la touche M enfoncée 5 secondes pour revenir au menu des modes.</translation>
    </message>
    <message>
        <location filename="../src/views/InfoBanner.cpp" line="98"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>wigglepad::MenuView</name>
    <message>
        <location filename="../src/views/MenuView.cpp" line="66"/>
        <source>Hold M</source>
        <translation>Maintenir M</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="67"/>
        <source>Return to this menu (5 seconds)</source>
        <translation>Revenir à ce menu (5 secondes)</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="68"/>
        <source>Hold Esc</source>
        <translation>Maintenir Échap</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="69"/>
        <source>Quit Wigglepad (3 seconds)</source>
        <translation>Quitter Wigglepad (3 secondes)</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="70"/>
        <source>5× click top-right</source>
        <translation>5× clic haut droit</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="71"/>
        <source>Open the exit confirmation</source>
        <translation>Ouvrir la confirmation de sortie</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="72"/>
        <source>Alt+Tab or swipe</source>
        <translation>Alt+Tab, balayer</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="73"/>
        <source>Switch away (when enabled above)</source>
        <translation>Changer de fenêtre (si autorisé ci-dessus)</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="167"/>
        <source>Wigglepad</source>
        <translation>Wigglepad</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="170"/>
        <source>Choose a mode</source>
        <translation>Choisissez un mode</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="180"/>
        <source>Your choice is remembered for next time.</source>
        <translation>Votre choix sera mémorisé pour la prochaine fois.</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="210"/>
        <source>Allow switching away</source>
        <translation>Autoriser à changer de fenêtre</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="212"/>
        <source>Lets adults leave Wigglepad with the desktop&apos;s own shortcuts and gestures (Alt+Tab, Super, workspace swipes).</source>
        <translation>Permet aux adultes de quitter Wigglepad avec les raccourcis et gestes du bureau (Alt+Tab, Super, balayage entre espaces de travail).</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="150"/>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="151"/>
        <source>Soft tones for every shape; letters and numbers are spoken in Letters &amp; Numbers mode.</source>
        <translation>Des sons doux pour chaque forme&#xa0;; en mode Lettres et chiffres, chaque lettre et chaque chiffre est prononcé.</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="232"/>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="250"/>
        <source>Adult Controls</source>
        <translation>Commandes pour adultes</translation>
    </message>
</context>
<context>
    <name>wigglepad::ModeCard</name>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="42"/>
        <source>Sensory Play</source>
        <translation>Jeu sensoriel</translation>
    </message>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="43"/>
        <source>0–12 months</source>
        <translation>0–12 mois</translation>
    </message>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="44"/>
        <source>Colorful shapes, trails, and bubbles. Every press paints something new.</source>
        <translation>Formes colorées, traînées et bulles. Chaque appui peint quelque chose de nouveau.</translation>
    </message>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="48"/>
        <source>Letters &amp; Numbers</source>
        <translation>Lettres et chiffres</translation>
    </message>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="49"/>
        <source>12+ months</source>
        <translation>12+ mois</translation>
    </message>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="50"/>
        <source>Letter and number keys spawn the matching character. Other keys spawn shapes.</source>
        <translation>Les touches de lettres et de chiffres font apparaître le caractère. Les autres touches font apparaître des formes.</translation>
    </message>
</context>
</TS>
