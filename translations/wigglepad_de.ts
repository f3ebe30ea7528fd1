<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>wigglepad::ExitConfirmOverlay</name>
    <message>
        <location filename="../src/views/ExitConfirmOverlay.cpp" line="57"/>
        <source>Exit Wigglepad?</source>
        <translation>Wigglepad beenden?</translation>
    </message>
    <message>
        <location filename="../src/views/ExitConfirmOverlay.cpp" line="62"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/views/ExitConfirmOverlay.cpp" line="65"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>wigglepad::InfoBanner</name>
    <message>
        <location filename="../src/views/InfoBanner.cpp" line="64"/>
        <source>Welcome to Wigglepad</source>
        <translation>Willkommen bei Wigglepad</translation>
    </message>
    <message>
        <location filename="../src/views/InfoBanner.cpp" line="66"/>
        <source>To exit: hold Escape for 3 seconds, or click 5 times rapidly in the top-right corner. Hold the M key for 5 seconds to return to the mode menu.</source>
        <translation>Zum Beenden: Esc 3 Sekunden lang gedrückt halten oder 5-mal schnell in die obere rechte Ecke klicken. Die Taste M 5 Sekunden lang gedrückt halten, um zum Modusmenü zurückzukehren.</translation>
    </message>
    <message>
        <location filename="../src/views/InfoBanner.cpp" line="98"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>wigglepad::MenuView</name>
    <message>
        <location filename="../src/views/MenuView.cpp" line="66"/>
        <source>Hold M</source>
        <translation>M halten</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="67"/>
        <source>Return to this menu (5 seconds)</source>
        <translation>Zurück zu diesem Menü (5 Sekunden)</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="68"/>
        <source>Hold Esc</source>
        <translation>Esc halten</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="69"/>
        <source>Quit Wigglepad (3 seconds)</source>
        <translation>Wigglepad beenden (3 Sekunden)</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="70"/>
        <source>5× click top-right</source>
        <translation>5× rechts oben</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="71"/>
        <source>Open the exit confirmation</source>
        <translation>Klicken öffnet die Abfrage zum Beenden</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="72"/>
        <source>Alt+Tab or swipe</source>
        <translation>Alt+Tab, Wischen</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="73"/>
        <source>Switch away (when enabled above)</source>
        <translation>Fenster wechseln (wenn oben erlaubt)</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="167"/>
        <source>Wigglepad</source>
        <translation>Wigglepad</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="170"/>
        <source>Choose a mode</source>
        <translation>Modus wählen</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="180"/>
        <source>Your choice is remembered for next time.</source>
        <translation>Ihre Auswahl wird für das nächste Mal gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="210"/>
        <source>Allow switching away</source>
        <translation>Wechsel zu anderen Programmen erlauben</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="212"/>
        <source>Lets adults leave Wigglepad with the desktop&apos;s own shortcuts and gestures (Alt+Tab, Super, workspace swipes).</source>
        <translation>Erlaubt Erwachsenen, Wigglepad mit den Tastenkürzeln und Gesten des Desktops zu verlassen (Alt+Tab, Super, Wischen zwischen Arbeitsflächen).</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="150"/>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="151"/>
        <source>Soft tones for every shape; letters and numbers are spoken in Letters &amp; Numbers mode.</source>
        <translation>Sanfte Töne zu jeder Form; im Modus Buchstaben &amp; Zahlen wird jedes Zeichen gesprochen.</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="232"/>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="250"/>
        <source>Adult Controls</source>
        <translation>Steuerung für Erwachsene</translation>
    </message>
</context>
<context>
    <name>wigglepad::ModeCard</name>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="42"/>
        <source>Sensory Play</source>
        <translation>Sinnesspiel</translation>
    </message>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="43"/>
        <source>0–12 months</source>
        <translation>0–12 Monate</translation>
    </message>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="44"/>
        <source>Colorful shapes, trails, and bubbles. Every press paints something new.</source>
        <translation>Bunte Formen, Spuren und Blasen. Jeder Druck malt etwas Neues.</translation>
    </message>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="48"/>
        <source>Letters &amp; Numbers</source>
        <translation>Buchstaben &amp; Zahlen</translation>
    </message>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="49"/>
        <source>12+ months</source>
        <translation>12+ Monate</translation>
    </message>
    <message>
        <location filename="../src/views/ModeCard.cpp" line="50"/>
        <source>Letter and number keys spawn the matching character. Other keys spawn shapes.</source>
        <translation>Buchstaben- und Zahlentasten zeigen das passende Zeichen. Andere Tasten zeigen Formen.</translation>
    </message>
</context>
</TS>
