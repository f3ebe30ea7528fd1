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
        <location filename="../src/views/InfoBanner.cpp" line="58"/>
        <source>Welcome to Wigglepad</source>
        <translation>Bienvenue dans Wigglepad</translation>
    </message>
    <message>
        <location filename="../src/views/InfoBanner.cpp" line="60"/>
        <source>To exit: hold Escape for 3 seconds, or click 5 times rapidly in the top-right corner. Hold the M key for 5 seconds to return to the mode menu.</source>
        <translation>Pour quitter&#xa0;: maintenez la touche Échap enfoncée 3 secondes ou cliquez 5 fois rapidement dans le coin supérieur droit. Maintenez la touche M enfoncée 5 secondes pour revenir au menu des modes.</translation>
    </message>
    <message>
        <location filename="../src/views/InfoBanner.cpp" line="93"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>wigglepad::MenuView</name>
    <message>
        <location filename="../src/views/MenuView.cpp" line="99"/>
        <source>Wigglepad</source>
        <translation>Wigglepad</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="102"/>
        <source>Choose a mode</source>
        <translation>Choisissez un mode</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="112"/>
        <source>Your choice is remembered for next time.</source>
        <translation>Votre choix sera mémorisé pour la prochaine fois.</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="140"/>
        <source>Allow four-finger swipe between Spaces</source>
        <translation>Autoriser le balayage à quatre doigts entre les Spaces</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="142"/>
        <source>Lets adults swipe away from Wigglepad using a trackpad gesture (must be enabled in System Settings → Trackpad).</source>
        <translation>Permet aux adultes de quitter Wigglepad d’un geste sur le trackpad (à activer dans Réglages Système → Trackpad).</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="150"/>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="151"/>
        <source>Soft tones for every shape; letters and numbers are spoken in Letters &amp; Numbers mode.</source>
        <translation>Des sons doux pour chaque forme&#xa0;; en mode Letters &amp; Numbers, les lettres et les chiffres sont prononcés.</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="161"/>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="176"/>
        <source>Adult Controls</source>
        <translation>Commandes pour adultes</translation>
    </message>
</context>
</TS>
