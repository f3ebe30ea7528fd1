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
        <location filename="../src/views/InfoBanner.cpp" line="58"/>
        <source>Welcome to Wigglepad</source>
        <translation>Willkommen bei Wigglepad</translation>
    </message>
    <message>
        <location filename="../src/views/InfoBanner.cpp" line="60"/>
        <source>To exit: hold Escape for 3 seconds, or click 5 times rapidly in the top-right corner. Hold the M key for 5 seconds to return to the mode menu.</source>
        <translation>Zum Beenden: Esc 3 Sekunden lang gedrückt halten oder 5-mal schnell in die obere rechte Ecke klicken. Die Taste M 5 Sekunden lang gedrückt halten, um zum Modusmenü zurückzukehren.</translation>
    </message>
    <message>
        <location filename="../src/views/InfoBanner.cpp" line="93"/>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Modus wählen</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="112"/>
        <source>Your choice is remembered for next time.</source>
        <translation>Ihre Auswahl wird für das nächste Mal gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="140"/>
        <source>Allow four-finger swipe between Spaces</source>
        <translation>Vier-Finger-Wischen zwischen Spaces erlauben</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="142"/>
        <source>Lets adults swipe away from Wigglepad using a trackpad gesture (must be enabled in System Settings → Trackpad).</source>
        <translation>Erlaubt Erwachsenen, Wigglepad mit einer Trackpad-Geste zu verlassen (muss in Systemeinstellungen → Trackpad aktiviert sein).</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="150"/>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="151"/>
        <source>Soft tones for every shape; letters and numbers are spoken in Letters &amp; Numbers mode.</source>
        <translation>Sanfte Töne zu jeder Form; im Modus Letters &amp; Numbers werden Buchstaben und Zahlen gesprochen.</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="161"/>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../src/views/MenuView.cpp" line="176"/>
        <source>Adult Controls</source>
        <translation>Steuerung für Erwachsene</translation>
    </message>
</context>
</TS>
