<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>FAboutDialog</name>
        <message>
            <source>About %1</source>
            <translation>Über %1</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>Version %1</translation>
        </message>
        <message>
            <source>Copyright © %1 Tessaracorp. All rights reserved.</source>
            <translation>Copyright © %1 Tessaracorp. Alle Rechte vorbehalten.</translation>
        </message>
    </context>
    <context>
        <name>FCopyProxyFileDlg</name>
        <message>
            <source>Proxy</source>
            <translation>Proxy</translation>
        </message>
        <message>
            <source>Proxy copy progress</source>
            <translation>Fortschritt der Proxy-Kopie</translation>
        </message>
        <message>
            <source>Copying file </source>
            <translation>Datei wird kopiert: </translation>
        </message>
        <message>
            <source>copy files </source>
            <translation>Kopieren der Dateien </translation>
        </message>
        <message>
            <source> failed!</source>
            <translation> fehlgeschlagen!</translation>
        </message>
    </context>
    <context>
        <name>FFeedBackDialog</name>
        <message>
            <source>Send</source>
            <translation>Senden</translation>
        </message>
        <message>
            <source>Feedback</source>
            <translation>Feedback</translation>
        </message>
        <message>
            <source>Tell us what you think</source>
            <translation>Sagen Sie uns Ihre Meinung</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Your feedback could not be saved.</source>
            <translation>Ihr Feedback konnte nicht gespeichert werden.</translation>
        </message>
    </context>
    <context>
        <name>FLoginAccountBtn</name>
        <message>
            <source>Account</source>
            <translation>Konto</translation>
        </message>
        <message>
            <source>Log In</source>
            <translation>Anmelden</translation>
        </message>
        <message>
            <source>Account Information</source>
            <translation>Kontoinformationen</translation>
        </message>
    </context>
    <context>
        <name>FManageEffectPacksDialog</name>
        <message>
            <source>Manage Effects</source>
            <translation>Effekte verwalten</translation>
        </message>
        <message>
            <source>DELETE SELECTED</source>
            <translation>AUSWAHL LÖSCHEN</translation>
        </message>
        <message>
            <source>CANCEL</source>
            <translation>ABBRECHEN</translation>
        </message>
    </context>
    <context>
        <name>FManageEffectPacksPanel</name>
        <message>
            <source>Delete unused effects packs to free up disk space. You can download them again later from the Effects Store.</source>
            <translation>Löschen Sie nicht verwendete Effektpakete, um Speicherplatz freizugeben. Sie können sie später erneut aus dem Effects Store herunterladen.</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>File Size</source>
            <translation>Dateigröße</translation>
        </message>
        <message>
            <source>Installed effect packs</source>
            <translation>Installierte Effektpakete</translation>
        </message>
        <message>
            <source>Manage Effects</source>
            <translation>Effekte verwalten</translation>
        </message>
        <message>
            <source>The effect Pack can't be deleted because it is opened in Korvane.</source>
            <translation>Das Effektpaket kann nicht gelöscht werden, da es in Korvane geöffnet ist.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>FPageNotices</name>
        <message>
            <source>Your computer seems to be offline,causing a connection error.Please check your connection and try again.</source>
            <translation>Ihr Computer scheint offline zu sein. Bitte prüfen Sie Ihre Verbindung und versuchen Sie es erneut.</translation>
        </message>
    </context>
    <context>
        <name>FProductHomePage</name>
        <message>
            <source>Tessaracorp Korvane X</source>
            <translation>Tessaracorp Korvane X</translation>
        </message>
        <message>
            <source>Korvane X</source>
            <translation>Korvane X</translation>
        </message>
        <message>
            <source>Log in</source>
            <translation>Anmelden</translation>
        </message>
        <message>
            <source>Log out</source>
            <translation>Abmelden</translation>
        </message>
        <message>
            <source>Check for Update</source>
            <translation>Nach Updates suchen</translation>
        </message>
        <message>
            <source>New Project</source>
            <translation>Neues Projekt</translation>
        </message>
        <message>
            <source>Open Project...</source>
            <translation>Projekt öffnen...</translation>
        </message>
        <message>
            <source>Recent Projects</source>
            <translation>Zuletzt verwendete Projekte</translation>
        </message>
        <message>
            <source>No recent projects yet.
Create one to get started.</source>
            <translation>Noch keine Projekte.
Legen Sie eines an, um zu beginnen.</translation>
        </message>
        <message>
            <source>Templates</source>
            <translation>Vorlagen</translation>
        </message>
        <message>
            <source>No templates available.</source>
            <translation>Keine Vorlagen verfügbar.</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Werkzeuge</translation>
        </message>
        <message>
            <source>Explore</source>
            <translation>Entdecken</translation>
        </message>
        <message>
            <source>Search effects...</source>
            <translation>Effekte suchen...</translation>
        </message>
        <message>
            <source>Search effects</source>
            <translation>Effekte suchen</translation>
        </message>
        <message>
            <source>Clear search</source>
            <translation>Suche leeren</translation>
        </message>
        <message>
            <source>Browse Effects</source>
            <translation>Effekte durchsuchen</translation>
        </message>
        <message>
            <source>Tutorials</source>
            <translation>Anleitungen</translation>
        </message>
        <message>
            <source>Korvane Projects (*%1 *%2)</source>
            <translation>Korvane-Projekte (*%1 *%2)</translation>
        </message>
        <message>
            <source>Open Project</source>
            <translation>Projekt öffnen</translation>
        </message>
        <message>
            <source>Project does not exist: </source>
            <translation>Projekt existiert nicht: </translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>File not found</source>
            <translation>Datei nicht gefunden</translation>
        </message>
        <message>
            <source>Use</source>
            <translation>Verwenden</translation>
        </message>
        <message>
            <source>See all</source>
            <translation>Alle ansehen</translation>
        </message>
        <message>
            <source>Use %1</source>
            <translation>%1 verwenden</translation>
        </message>
        <message>
            <source>See all like %1</source>
            <translation>Alle wie %1 ansehen</translation>
        </message>
        <message>
            <source>Log in to your account</source>
            <translation>Bei Ihrem Konto anmelden</translation>
        </message>
        <message>
            <source>Account</source>
            <translation>Konto</translation>
        </message>
    </context>
    <context>
        <name>FProductHomePagePresenter</name>
        <message>
            <source>Screen Recorder</source>
            <translation>Bildschirmaufnahme</translation>
        </message>
        <message>
            <source>Auto Captions</source>
            <translation>Automatische Untertitel</translation>
        </message>
        <message>
            <source>Silence Detection</source>
            <translation>Stilleerkennung</translation>
        </message>
        <message>
            <source>AI Portrait</source>
            <translation>KI-Porträt</translation>
        </message>
        <message>
            <source>Speed Ramp</source>
            <translation>Geschwindigkeitsrampe</translation>
        </message>
    </context>
    <context>
        <name>FProjectTemplateDownload</name>
        <message>
            <source>Please close the other window to continue downloading the project template.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Downloading Project Template:</source>
            <translation>Projektvorlage wird heruntergeladen:</translation>
        </message>
        <message>
            <source>None</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The project template download has failed, please try again.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>FSettingDialogPrivate</name>
        <message>
            <source>General</source>
            <translation>Allgemein</translation>
        </message>
        <message>
            <source>Folders</source>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>Editing</source>
            <translation>Bearbeitung</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Performance</source>
            <translation>Leistung</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>CANCEL</source>
            <translation>ABBRECHEN</translation>
        </message>
    </context>
    <context>
        <name>FSettingEditingPanel</name>
        <message>
            <source>Photo Duration:</source>
            <translation>Fotodauer:</translation>
        </message>
        <message>
            <source>Transition Duration:</source>
            <translation>Übergangsdauer:</translation>
        </message>
        <message>
            <source>Effect Duration:</source>
            <translation>Effektdauer:</translation>
        </message>
        <message>
            <source>Freeze Duration:</source>
            <translation>Standbilddauer:</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Einpassen</translation>
        </message>
        <message>
            <source>Crop to Fit</source>
            <translation>Zuschneiden und einpassen</translation>
        </message>
        <message>
            <source>Pan &amp; Zoom</source>
            <translation>Schwenken und Zoomen</translation>
        </message>
        <message>
            <source>Split a single track</source>
            <translation>Eine einzelne Spur teilen</translation>
        </message>
        <message>
            <source>Split all tracks</source>
            <translation>Alle Spuren teilen</translation>
        </message>
        <message>
            <source>Default Duration:</source>
            <translation>Standarddauer:</translation>
        </message>
        <message>
            <source>Timeline Edit:</source>
            <translation>Zeitleiste:</translation>
        </message>
        <message>
            <source>Snapshot Format:</source>
            <translation>Schnappschussformat:</translation>
        </message>
        <message>
            <source>Photo Placement:</source>
            <translation>Fotoplatzierung:</translation>
        </message>
        <message>
            <source>Insert Mode:</source>
            <translation>Einfügemodus:</translation>
        </message>
        <message>
            <source>Cursor jump method:</source>
            <translation>Sprung zum Cursor:</translation>
        </message>
        <message>
            <source>Split Button:</source>
            <translation>Teilen-Schaltfläche:</translation>
        </message>
        <message>
            <source>Click on the blank area to jump to the cursor position</source>
            <translation>Klick auf eine leere Fläche springt zur Cursorposition</translation>
        </message>
        <message>
            <source>Show the split button on timeline playhead</source>
            <translation>Teilen-Schaltfläche am Abspielkopf der Zeitleiste anzeigen</translation>
        </message>
    </context>
    <context>
        <name>FSettingFolderPanel</name>
        <message>
            <source>Downloaded files:</source>
            <translation>Heruntergeladene Dateien:</translation>
        </message>
        <message>
            <source>Temporary files:</source>
            <translation>Temporäre Dateien:</translation>
        </message>
        <message>
            <source>Recorded files:</source>
            <translation>Aufgenommene Dateien:</translation>
        </message>
        <message>
            <source>Recorded Audio:</source>
            <translation>Aufgenommenes Audio:</translation>
        </message>
        <message>
            <source>Uploaded files:</source>
            <translation>Hochgeladene Dateien:</translation>
        </message>
        <message>
            <source>Snapshot files:</source>
            <translation>Schnappschüsse:</translation>
        </message>
        <message>
            <source>Cloud Project files:</source>
            <translation>Cloud-Projektdateien:</translation>
        </message>
        <message>
            <source>Download from other Apps:</source>
            <translation>Downloads aus anderen Apps:</translation>
        </message>
        <message>
            <source>Effect packs:</source>
            <translation>Effektpakete:</translation>
        </message>
        <message>
            <source>Folders:</source>
            <translation>Ordner:</translation>
        </message>
        <message>
            <source>MANAGE</source>
            <translation>VERWALTEN</translation>
        </message>
        <message>
            <source>Manage effect packs</source>
            <translation>Effektpakete verwalten</translation>
        </message>
        <message>
            <source>The program cannot save files in "%1". Please select another folder.</source>
            <translation>Das Programm kann keine Dateien in „%1“ speichern. Bitte wählen Sie einen anderen Ordner.</translation>
        </message>
    </context>
    <context>
        <name>FSettingGeneralPanel</name>
        <message>
            <source>Dark Mode</source>
            <translation>Dunkler Modus</translation>
        </message>
        <message>
            <source>Light Mode</source>
            <translation>Heller Modus</translation>
        </message>
        <message>
            <source>System Default</source>
            <translation>Systemstandard</translation>
        </message>
        <message>
            <source>Every Day</source>
            <translation>Täglich</translation>
        </message>
        <message>
            <source>Every Week</source>
            <translation>Wöchentlich</translation>
        </message>
        <message>
            <source>Never</source>
            <translation>Nie</translation>
        </message>
        <message>
            <source>User Interface:</source>
            <translation>Benutzeroberfläche:</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>Sprache:</translation>
        </message>
        <message>
            <source>Appearance:</source>
            <translation>Erscheinungsbild:</translation>
        </message>
        <message>
            <source>Miscellaneous:</source>
            <translation>Verschiedenes:</translation>
        </message>
        <message>
            <source>Check for updates automatically:</source>
            <translation>Automatisch nach Updates suchen:</translation>
        </message>
        <message>
            <source>Reset all program warnings:</source>
            <translation>Alle Programmwarnungen zurücksetzen:</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Zurücksetzen</translation>
        </message>
        <message>
            <source>Message Center:</source>
            <translation>Nachrichtencenter:</translation>
        </message>
        <message>
            <source>Don't show messages automatically</source>
            <translation>Nachrichten nicht automatisch anzeigen</translation>
        </message>
        <message>
            <source>Project Library Window at Startup:</source>
            <translation>Projektbibliothek beim Start:</translation>
        </message>
        <message>
            <source>Show this Startup window when Korvane launches</source>
            <translation>Dieses Startfenster beim Start von Korvane anzeigen</translation>
        </message>
        <message>
            <source>Launch:</source>
            <translation>Start:</translation>
        </message>
        <message>
            <source>Launch Tessaracorp Velloq when Tessaracorp Korvane launches</source>
            <translation>Tessaracorp Velloq mit Tessaracorp Korvane starten</translation>
        </message>
        <message>
            <source>Improvement program</source>
            <translation>Verbesserungsprogramm</translation>
        </message>
        <message>
            <source>Help us to improve Tessaracorp Korvane</source>
            <translation>Helfen Sie uns, Tessaracorp Korvane zu verbessern</translation>
        </message>
        <message>
            <source>Korvane will use the information collected only to enhance the user experience, improve, and enhance our new features.</source>
            <translation>Korvane verwendet die gesammelten Informationen nur, um die Benutzererfahrung zu verbessern und unsere neuen Funktionen weiterzuentwickeln.</translation>
        </message>
        <message>
            <source>Read Our Privacy Policy</source>
            <translation>Unsere Datenschutzerklärung lesen</translation>
        </message>
        <message>
            <source>This page is not available: no web address is set up for it.</source>
            <translation>Diese Seite ist nicht verfügbar: Für sie ist keine Webadresse eingerichtet.</translation>
        </message>
        <message>
            <source>The privacy policy could not be opened in your web browser.</source>
            <translation>Die Datenschutzerklärung konnte nicht in Ihrem Webbrowser geöffnet werden.</translation>
        </message>
    </context>
    <context>
        <name>FSettingGpuCheck</name>
        <message>
            <source>GPU environment detection is in progress, please wait.</source>
            <translation>Die GPU-Umgebung wird geprüft, bitte warten.</translation>
        </message>
        <message>
            <source>GPU environment detection has been completed, please restart now to update related settings.</source>
            <translation>Die GPU-Prüfung ist abgeschlossen. Bitte starten Sie jetzt neu, um die Einstellungen zu übernehmen.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Restart Later</source>
            <translation>Später neu starten</translation>
        </message>
    </context>
    <context>
        <name>FSettingPerformancePanel</name>
        <message>
            <source>1280 %1 720</source>
            <translation>1280 %1 720</translation>
        </message>
        <message>
            <source>1920 %1 1080</source>
            <translation>1920 %1 1080</translation>
        </message>
        <message>
            <source>3840 %1 2160</source>
            <translation>3840 %1 2160</translation>
        </message>
        <message>
            <source>GPU Acceleration:</source>
            <translation>GPU-Beschleunigung:</translation>
        </message>
        <message>
            <source>Proxy:</source>
            <translation>Proxy:</translation>
        </message>
        <message>
            <source>Preview Render:</source>
            <translation>Vorschau-Rendering:</translation>
        </message>
        <message>
            <source>Render:</source>
            <translation>Rendering:</translation>
        </message>
        <message>
            <source>GPU Check</source>
            <translation>GPU-Prüfung</translation>
        </message>
        <message>
            <source>START</source>
            <translation>STARTEN</translation>
        </message>
        <message>
            <source>Start the GPU check</source>
            <translation>GPU-Prüfung starten</translation>
        </message>
        <message>
            <source>Enable Hardware Acceleration for video rendering and playback</source>
            <translation>Hardwarebeschleunigung für Rendering und Wiedergabe aktivieren</translation>
        </message>
        <message>
            <source>Enable Hardware Acceleration for video decoding</source>
            <translation>Hardwarebeschleunigung für die Videodekodierung aktivieren</translation>
        </message>
        <message>
            <source>Select the Graphics card in use:</source>
            <translation>Verwendete Grafikkarte:</translation>
        </message>
        <message>
            <source>Automatically create proxies when resolution is higher than:</source>
            <translation>Proxys automatisch erstellen bei Auflösungen über:</translation>
        </message>
        <message>
            <source>Proxy resolution</source>
            <translation>Proxy-Auflösung</translation>
        </message>
        <message>
            <source>Proxy location:</source>
            <translation>Proxy-Ordner:</translation>
        </message>
        <message>
            <source>Automatically delete proxies when a project is closed.</source>
            <translation>Proxys beim Schließen eines Projekts automatisch löschen.</translation>
        </message>
        <message>
            <source>CLEAN</source>
            <translation>LEEREN</translation>
        </message>
        <message>
            <source>Clean proxy files</source>
            <translation>Proxy-Dateien leeren</translation>
        </message>
        <message>
            <source>Background render</source>
            <translation>Hintergrund-Rendering</translation>
        </message>
        <message>
            <source>Start after</source>
            <translation>Start nach</translation>
        </message>
        <message>
            <source>seconds_after</source>
            <translation>Sekunden</translation>
        </message>
        <message>
            <source>seconds</source>
            <translation>Sekunden</translation>
        </message>
        <message>
            <source>Background render delay in seconds</source>
            <translation>Verzögerung des Hintergrund-Renderings in Sekunden</translation>
        </message>
        <message>
            <source>Preview Render files folder:</source>
            <translation>Ordner für Vorschau-Renderdateien:</translation>
        </message>
        <message>
            <source>Clean render files</source>
            <translation>Renderdateien leeren</translation>
        </message>
        <message>
            <source>Automatically delete render file when closing a project file</source>
            <translation>Renderdateien beim Schließen eines Projekts automatisch löschen</translation>
        </message>
        <message>
            <source>BROWSE</source>
            <translation>DURCHSUCHEN</translation>
        </message>
        <message>
            <source>Browse: %1</source>
            <translation>Durchsuchen: %1</translation>
        </message>
        <message>
            <source>Playback with latest rendering engine for better performance.</source>
            <translation>Wiedergabe mit der neuesten Rendering-Engine für bessere Leistung.</translation>
        </message>
        <message>
            <source>The new selected Graphics card will take effect after restart Korvane.</source>
            <translation>Die neu gewählte Grafikkarte wird nach einem Neustart von Korvane verwendet.</translation>
        </message>
        <message>
            <source>The rendering engine has been updated. The update will take effect the next time you open Tessaracorp Korvane X.</source>
            <translation>Die Rendering-Engine wurde geändert. Die Änderung gilt ab dem nächsten Start von Tessaracorp Korvane X.</translation>
        </message>
        <message>
            <source>Your GPU rendering and hardware decoding settings have been updated and will take effect the next time you open Tessaracorp Korvane.</source>
            <translation>Ihre Einstellungen für GPU-Rendering und Hardware-Dekodierung wurden geändert und gelten ab dem nächsten Start von Tessaracorp Korvane.</translation>
        </message>
        <message>
            <source>Are you sure you want to remove all proxy files?</source>
            <translation>Möchten Sie wirklich alle Proxy-Dateien entfernen?</translation>
        </message>
        <message>
            <source>Clean files</source>
            <translation>Leeren der Dateien</translation>
        </message>
        <message>
            <source>failed</source>
            <translation>fehlgeschlagen</translation>
        </message>
        <message>
            <source>Are you sure you want to remove all render files?</source>
            <translation>Möchten Sie wirklich alle Renderdateien entfernen?</translation>
        </message>
    </context>
    <context>
        <name>FSettingSavePanel</name>
        <message>
            <source>Save:</source>
            <translation>Speichern:</translation>
        </message>
        <message>
            <source>Back up my project every</source>
            <translation>Projekt sichern alle</translation>
        </message>
        <message>
            <source>min</source>
            <translation>Min.</translation>
        </message>
        <message>
            <source>Backup interval in minutes</source>
            <translation>Sicherungsintervall in Minuten</translation>
        </message>
        <message>
            <source>Backup Project file to:</source>
            <translation>Projektsicherung speichern in:</translation>
        </message>
        <message>
            <source>Maximum backup file versions:</source>
            <translation>Maximale Anzahl Sicherungsversionen:</translation>
        </message>
        <message>
            <source>Default Project location:</source>
            <translation>Standard-Projektordner:</translation>
        </message>
        <message>
            <source>BROWSE</source>
            <translation>DURCHSUCHEN</translation>
        </message>
        <message>
            <source>Browse: %1</source>
            <translation>Durchsuchen: %1</translation>
        </message>
    </context>
    <context>
        <name>FSharedProjectOpener</name>
        <message>
            <source>The shared project file "%1" cannot be read, so nothing was downloaded.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>FTemplateModeMenu</name>
        <message>
            <source>Support center</source>
            <translation>Support-Center</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Feedback</source>
            <translation>Feedback</translation>
        </message>
        <message>
            <source>Check for Update</source>
            <translation>Nach Updates suchen</translation>
        </message>
        <message>
            <source>About...</source>
            <translation>Über...</translation>
        </message>
        <message>
            <source>Take the Survey</source>
            <translation>An der Umfrage teilnehmen</translation>
        </message>
        <message>
            <source>Account Information</source>
            <translation>Kontoinformationen</translation>
        </message>
        <message>
            <source>Login</source>
            <translation>Anmelden</translation>
        </message>
        <message>
            <source>Return to Startup window</source>
            <translation>Zurück zum Startfenster</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
    </context>
    <context>
        <name>FTimelineExportStep</name>
        <message>
            <source>Please keep at least one clip in the selected range.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>FTimerDurationView</name>
        <message>
            <source>Frames</source>
            <translation>Bilder</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>Sekunden</translation>
        </message>
        <message>
            <source>%1 unit</source>
            <translation>Einheit von %1</translation>
        </message>
    </context>
    <context>
        <name>KorvaneMainForm</name>
        <message>
            <source>%1 was not downloaded. %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Auto-update Disabled</source>
            <translation>Automatische Updates deaktiviert</translation>
        </message>
        <message>
            <source>Check for updates is closed for this version, if you need to upgrade, please go to File-Preferences to open check for updates.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Untitled</source>
            <translation>Unbenannt</translation>
        </message>
        <message>
            <source>You can't quit Korvane directly right now, please close the popup window "FX Editor" first.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>You have no resource in project, please import media files first.</source>
            <translation>Ihr Projekt enthält keine Medien. Bitte importieren Sie zuerst Mediendateien.</translation>
        </message>
        <message>
            <source>This computer does not meet the minimum requirements for running AI machine learning related features like Auto Reframe and AI Portrait. These features require Intel 6th Gen or newer CPU.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Learn More</source>
            <translation>Mehr erfahren</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Put in some words</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>KorvaneMenuBar</name>
        <message>
            <source>Menu Bar</source>
            <translation>Menüleiste</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Bearbeiten</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Werkzeuge</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Ansicht</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Vertical Screen Layout</source>
            <translation>Hochformat-Layout</translation>
        </message>
        <message>
            <source>New Project</source>
            <translation>Neues Projekt</translation>
        </message>
        <message>
            <source>Open Recent</source>
            <translation>Zuletzt geöffnet</translation>
        </message>
        <message>
            <source>Import Media</source>
            <translation>Medien importieren</translation>
        </message>
        <message>
            <source>Import from other Apps</source>
            <translation>Aus anderen Apps importieren</translation>
        </message>
        <message>
            <source>Record Media</source>
            <translation>Medien aufnehmen</translation>
        </message>
        <message>
            <source>Effect</source>
            <translation>Effekt</translation>
        </message>
        <message>
            <source>Video</source>
            <translation>Video</translation>
        </message>
        <message>
            <source>Audio</source>
            <translation>Audio</translation>
        </message>
        <message>
            <source>Color</source>
            <translation>Farbe</translation>
        </message>
        <message>
            <source>Animation</source>
            <translation>Animation</translation>
        </message>
        <message>
            <source>Speed</source>
            <translation>Geschwindigkeit</translation>
        </message>
        <message>
            <source>Trim</source>
            <translation>Trimmen</translation>
        </message>
        <message>
            <source>More</source>
            <translation>Mehr</translation>
        </message>
    </context>
    <context>
        <name>KorvanePageMgr</name>
        <message>
            <source>Please close current project and open another project again after back to homepage</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>KorvaneTitleBar</name>
        <message>
            <source>Korvane</source>
            <translation>Korvane</translation>
        </message>
        <message>
            <source>Untitled</source>
            <translation>Unbenannt</translation>
        </message>
        <message>
            <source>More Menus</source>
            <translation>Weitere Menüs</translation>
        </message>
    </context>
    <context>
        <name>KorvaneTitleBarPresenter</name>
        <message>
            <source>Saved!</source>
            <translation>Gespeichert!</translation>
        </message>
        <message>
            <source>Your computer seems to be offline,causing a connection error.Please check your connection and try again.</source>
            <translation>Ihr Computer scheint offline zu sein. Bitte prüfen Sie Ihre Verbindung und versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>%1 could not be opened. No program on this computer opened "%2".</source>
            <translation>%1 konnte nicht geöffnet werden. Kein Programm auf diesem Computer hat „%2“ geöffnet.</translation>
        </message>
        <message>
            <source>This page is not available: no web address is set up for it.</source>
            <translation>Diese Seite ist nicht verfügbar: Für sie ist keine Webadresse eingerichtet.</translation>
        </message>
        <message>
            <source>The web page</source>
            <translation>Die Webseite</translation>
        </message>
        <message>
            <source>The log folder</source>
            <translation>Der Protokollordner</translation>
        </message>
    </context>
    <context>
        <name>KorvaneTitleToolButtonWdg</name>
        <message>
            <source>Get Creative</source>
            <translation>Kreativ werden</translation>
        </message>
        <message>
            <source>Save Project</source>
            <translation>Projekt speichern</translation>
        </message>
        <message>
            <source>Support Center</source>
            <translation>Support-Center</translation>
        </message>
        <message>
            <source>Cloud Management</source>
            <translation>Cloud-Verwaltung</translation>
        </message>
        <message>
            <source>Download more effects from Korvane Effects Store.</source>
            <translation>Weitere Effekte aus dem Korvane Effects Store herunterladen.</translation>
        </message>
        <message>
            <source>Message Center</source>
            <translation>Nachrichtencenter</translation>
        </message>
        <message>
            <source>Change Skin</source>
            <translation>Design wechseln</translation>
        </message>
    </context>
    <context>
        <name>KvFramelessDialog</name>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
    </context>
    <context>
        <name>KvOpenFileLineEdit</name>
        <message>
            <source>Browse</source>
            <translation>Durchsuchen</translation>
        </message>
        <message>
            <source>Browse: %1</source>
            <translation>Durchsuchen: %1</translation>
        </message>
    </context>
    <context>
        <name>KvTabFramelessDialog</name>
        <message>
            <source>Pages</source>
            <translation>Seiten</translation>
        </message>
    </context>
    <context>
        <name>KvTopLevelWindowTitleBar</name>
        <message>
            <source>Minimize</source>
            <translation>Minimieren</translation>
        </message>
        <message>
            <source>Maximize</source>
            <translation>Maximieren</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Restore</source>
            <translation>Wiederherstellen</translation>
        </message>
    </context>
    <context>
        <name>KvActionManager</name>
        <message>
            <source>16:9 (Widescreen)</source>
            <translation>16:9 (Breitbild)</translation>
        </message>
        <message>
            <source>9:16 (Portrait)</source>
            <translation>9:16 (Hochformat)</translation>
        </message>
        <message>
            <source>1:1 (Instagram)</source>
            <translation>1:1 (Instagram)</translation>
        </message>
        <message>
            <source>4:5 (Social Media)</source>
            <translation>4:5 (Soziale Medien)</translation>
        </message>
        <message>
            <source>4:3 (Standard)</source>
            <translation>4:3 (Standard)</translation>
        </message>
        <message>
            <source>21:9 (Cinema)</source>
            <translation>21:9 (Kino)</translation>
        </message>
        <message>
            <source>Custom Aspect Ratio...</source>
            <translation>Eigenes Seitenverhältnis...</translation>
        </message>
        <message>
            <source>Open Project...</source>
            <translation>Projekt öffnen...</translation>
        </message>
        <message>
            <source>Save Project</source>
            <translation>Projekt speichern</translation>
        </message>
        <message>
            <source>Save Project As...</source>
            <translation>Projekt speichern unter...</translation>
        </message>
        <message>
            <source>Archive Project...</source>
            <translation>Projekt archivieren...</translation>
        </message>
        <message>
            <source>Save as Custom Project Template</source>
            <translation>Als eigene Projektvorlage speichern</translation>
        </message>
        <message>
            <source>Project Settings...</source>
            <translation>Projekteinstellungen...</translation>
        </message>
        <message>
            <source>Import Media Files...</source>
            <translation>Mediendateien importieren...</translation>
        </message>
        <message>
            <source>Import a Media Folder...</source>
            <translation>Medienordner importieren...</translation>
        </message>
        <message>
            <source>Import Screen Recordings...</source>
            <translation>Bildschirmaufnahmen importieren...</translation>
        </message>
        <message>
            <source>Import Webcam Recordings...</source>
            <translation>Webcam-Aufnahmen importieren...</translation>
        </message>
        <message>
            <source>Import with Auto Highlight...</source>
            <translation>Mit Auto-Highlight importieren...</translation>
        </message>
        <message>
            <source>Import from a Photo Library...</source>
            <translation>Aus einer Fotomediathek importieren...</translation>
        </message>
        <message>
            <source>Import from a Music Library...</source>
            <translation>Aus einer Musikbibliothek importieren...</translation>
        </message>
        <message>
            <source>Import from a Cloud Drive...</source>
            <translation>Aus einem Cloud-Speicher importieren...</translation>
        </message>
        <message>
            <source>Record from Webcam</source>
            <translation>Mit Webcam aufnehmen</translation>
        </message>
        <message>
            <source>Record PC Screen</source>
            <translation>PC-Bildschirm aufnehmen</translation>
        </message>
        <message>
            <source>Record Voice Over</source>
            <translation>Sprachkommentar aufnehmen</translation>
        </message>
        <message>
            <source>Render Preview</source>
            <translation>Vorschau rendern</translation>
        </message>
        <message>
            <source>Clean Render Cache</source>
            <translation>Render-Cache leeren</translation>
        </message>
        <message>
            <source>Preferences...</source>
            <translation>Einstellungen...</translation>
        </message>
        <message>
            <source>Keyboard Shortcuts...</source>
            <translation>Tastenkürzel...</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Back to Start Page</source>
            <translation>Zurück zur Startseite</translation>
        </message>
        <message>
            <source>Undo</source>
            <translation>Rückgängig</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Wiederholen</translation>
        </message>
        <message>
            <source>Cut</source>
            <translation>Ausschneiden</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Kopieren</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Einfügen</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Ripple Delete</source>
            <translation>Löschen und Lücke schließen</translation>
        </message>
        <message>
            <source>Close Gap</source>
            <translation>Lücke schließen</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Alles auswählen</translation>
        </message>
        <message>
            <source>Copy Effects</source>
            <translation>Effekte kopieren</translation>
        </message>
        <message>
            <source>Paste Effects</source>
            <translation>Effekte einfügen</translation>
        </message>
        <message>
            <source>Remove All Effects</source>
            <translation>Alle Effekte entfernen</translation>
        </message>
        <message>
            <source>Disable Effects</source>
            <translation>Effekte deaktivieren</translation>
        </message>
        <message>
            <source>Save Effects as Preset...</source>
            <translation>Effekte als Vorgabe speichern...</translation>
        </message>
        <message>
            <source>Edit Properties</source>
            <translation>Eigenschaften bearbeiten</translation>
        </message>
        <message>
            <source>Split</source>
            <translation>Teilen</translation>
        </message>
        <message>
            <source>Snapshot</source>
            <translation>Schnappschuss</translation>
        </message>
        <message>
            <source>Group</source>
            <translation>Gruppieren</translation>
        </message>
        <message>
            <source>Ungroup</source>
            <translation>Gruppierung aufheben</translation>
        </message>
        <message>
            <source>Freeze Frame...</source>
            <translation>Standbild...</translation>
        </message>
        <message>
            <source>Create Proxy File</source>
            <translation>Proxy-Datei erstellen</translation>
        </message>
        <message>
            <source>Scene Detection</source>
            <translation>Szenenerkennung</translation>
        </message>
        <message>
            <source>Auto Highlight</source>
            <translation>Auto-Highlight</translation>
        </message>
        <message>
            <source>Auto Reframe</source>
            <translation>Automatischer Bildausschnitt</translation>
        </message>
        <message>
            <source>Silence Detection...</source>
            <translation>Stilleerkennung...</translation>
        </message>
        <message>
            <source>Speech to Text...</source>
            <translation>Sprache zu Text...</translation>
        </message>
        <message>
            <source>Beat Detection</source>
            <translation>Beat-Erkennung</translation>
        </message>
        <message>
            <source>Modify Beat Information...</source>
            <translation>Beat-Informationen ändern...</translation>
        </message>
        <message>
            <source>Crop and Zoom...</source>
            <translation>Zuschneiden und Zoomen...</translation>
        </message>
        <message>
            <source>Crop to Fit</source>
            <translation>Zuschneiden und einpassen</translation>
        </message>
        <message>
            <source>Rotate 90 CW</source>
            <translation>90° im Uhrzeigersinn drehen</translation>
        </message>
        <message>
            <source>Rotate 90 CCW</source>
            <translation>90° gegen den Uhrzeigersinn drehen</translation>
        </message>
        <message>
            <source>Stabilization</source>
            <translation>Stabilisierung</translation>
        </message>
        <message>
            <source>Chroma Key</source>
            <translation>Chroma Key</translation>
        </message>
        <message>
            <source>Mosaic</source>
            <translation>Mosaik</translation>
        </message>
        <message>
            <source>Motion Tracking</source>
            <translation>Bewegungsverfolgung</translation>
        </message>
        <message>
            <source>Lens Correction</source>
            <translation>Objektivkorrektur</translation>
        </message>
        <message>
            <source>Detach Audio</source>
            <translation>Audio trennen</translation>
        </message>
        <message>
            <source>Mute</source>
            <translation>Stumm</translation>
        </message>
        <message>
            <source>Audio Ducking</source>
            <translation>Audio-Ducking</translation>
        </message>
        <message>
            <source>Color Correction</source>
            <translation>Farbkorrektur</translation>
        </message>
        <message>
            <source>Color Match</source>
            <translation>Farbabgleich</translation>
        </message>
        <message>
            <source>Add Keyframe</source>
            <translation>Keyframe hinzufügen</translation>
        </message>
        <message>
            <source>Keyframe Animation...</source>
            <translation>Keyframe-Animation...</translation>
        </message>
        <message>
            <source>Uniform Speed...</source>
            <translation>Gleichmäßige Geschwindigkeit...</translation>
        </message>
        <message>
            <source>Speed Ramping...</source>
            <translation>Geschwindigkeitsrampe...</translation>
        </message>
        <message>
            <source>Reverse</source>
            <translation>Rückwärts</translation>
        </message>
        <message>
            <source>Trim Start to Playhead</source>
            <translation>Anfang bis Abspielkopf trimmen</translation>
        </message>
        <message>
            <source>Trim End to Playhead</source>
            <translation>Ende ab Abspielkopf trimmen</translation>
        </message>
        <message>
            <source>Export Video...</source>
            <translation>Video exportieren...</translation>
        </message>
        <message>
            <source>Export Selected Range...</source>
            <translation>Ausgewählten Bereich exportieren...</translation>
        </message>
        <message>
            <source>Export Selected Clips...</source>
            <translation>Ausgewählte Clips exportieren...</translation>
        </message>
        <message>
            <source>Export with Last Settings...</source>
            <translation>Mit letzten Einstellungen exportieren...</translation>
        </message>
        <message>
            <source>Export to a Device...</source>
            <translation>Auf ein Gerät exportieren...</translation>
        </message>
        <message>
            <source>Upload to YouTube...</source>
            <translation>Auf YouTube hochladen...</translation>
        </message>
        <message>
            <source>Upload to Vimeo...</source>
            <translation>Auf Vimeo hochladen...</translation>
        </message>
        <message>
            <source>Burn to DVD...</source>
            <translation>Auf DVD brennen...</translation>
        </message>
        <message>
            <source>Export as GIF...</source>
            <translation>Als GIF exportieren...</translation>
        </message>
        <message>
            <source>Online Help</source>
            <translation>Online-Hilfe</translation>
        </message>
        <message>
            <source>Product FAQ</source>
            <translation>Produkt-FAQ</translation>
        </message>
        <message>
            <source>Technical Support</source>
            <translation>Technischer Support</translation>
        </message>
        <message>
            <source>Report a Problem...</source>
            <translation>Problem melden...</translation>
        </message>
        <message>
            <source>Quick Start Guide</source>
            <translation>Schnellstartanleitung</translation>
        </message>
        <message>
            <source>Activation FAQ</source>
            <translation>Aktivierungs-FAQ</translation>
        </message>
        <message>
            <source>Log In...</source>
            <translation>Anmelden...</translation>
        </message>
        <message>
            <source>Manage Account</source>
            <translation>Konto verwalten</translation>
        </message>
        <message>
            <source>Log Out</source>
            <translation>Abmelden</translation>
        </message>
        <message>
            <source>Network Proxy Settings...</source>
            <translation>Netzwerk-Proxy-Einstellungen...</translation>
        </message>
        <message>
            <source>New Features</source>
            <translation>Neue Funktionen</translation>
        </message>
        <message>
            <source>Log Files</source>
            <translation>Protokolldateien</translation>
        </message>
        <message>
            <source>YouTube Channel</source>
            <translation>YouTube-Kanal</translation>
        </message>
        <message>
            <source>Follow Us on Facebook</source>
            <translation>Folgen Sie uns auf Facebook</translation>
        </message>
        <message>
            <source>Follow Us on Twitter</source>
            <translation>Folgen Sie uns auf Twitter</translation>
        </message>
        <message>
            <source>Check for Updates</source>
            <translation>Nach Updates suchen</translation>
        </message>
        <message>
            <source>Product Page</source>
            <translation>Produktseite</translation>
        </message>
        <message>
            <source>Guided Walkthrough</source>
            <translation>Geführte Tour</translation>
        </message>
        <message>
            <source>User Guide</source>
            <translation>Benutzerhandbuch</translation>
        </message>
        <message>
            <source>Video Tutorials</source>
            <translation>Videoanleitungen</translation>
        </message>
        <message>
            <source>Help Center</source>
            <translation>Hilfecenter</translation>
        </message>
        <message>
            <source>What's New</source>
            <translation>Neuigkeiten</translation>
        </message>
        <message>
            <source>Send Feedback...</source>
            <translation>Feedback senden...</translation>
        </message>
        <message>
            <source>Release Notes</source>
            <translation>Versionshinweise</translation>
        </message>
        <message>
            <source>Open Log Folder</source>
            <translation>Protokollordner öffnen</translation>
        </message>
        <message>
            <source>Follow Us on Instagram</source>
            <translation>Folgen Sie uns auf Instagram</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Über</translation>
        </message>
        <message>
            <source>Play/Pause</source>
            <translation>Wiedergabe/Pause</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Stopp</translation>
        </message>
        <message>
            <source>Full Screen/Restore</source>
            <translation>Vollbild/Wiederherstellen</translation>
        </message>
        <message>
            <source>Add Marker</source>
            <translation>Markierung hinzufügen</translation>
        </message>
    </context>
</TS>
