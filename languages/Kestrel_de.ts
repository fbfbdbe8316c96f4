<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/ui_mainwindow.cpp" line="+215"/>
        <location filename="../mainwindow/mainwindow.h" line="+140"/>
        <location filename="../mainwindow/mainwindow.cpp" line="+87"/>
        <location line="+13"/>
        <location line="+19"/>
        <location line="+42"/>
        <location line="+5"/>
        <location filename="../mainwindow/mainwindow_save.cpp" line="+39"/>
        <location line="+78"/>
        <location line="+21"/>
        <location filename="../mainwindow/mainwindow_close.cpp" line="+54"/>
        <location filename="../mainwindow/mainwindow_language.cpp" line="+210"/>
        <source>Kestrelpad</source>
        <translation>Kestrelpad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+26"/>
        <source>&amp;quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+10"/>
        <source>&amp;add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+8"/>
        <source>&amp;change</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+12"/>
        <source>&amp;delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+7"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="-4"/>
        <location filename="../mainwindow/mainwindow_edit.cpp" line="+29"/>
        <location filename="../mainwindow/mainwindow_language.cpp" line="+20"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../mainwindow/mainwindow_edit.cpp" line="+1"/>
        <location filename="../mainwindow/mainwindow_language.cpp" line="+3"/>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stream</source>
        <translation>&amp;Stream</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Up</source>
        <translation>Ctrl+Up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move d&amp;own</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl+Down</source>
        <translation>Ctrl+Down</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow.cpp" line="-35"/>
        <source>done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../converter/converter.cpp" line="+28"/>
        <source>Couldn&apos;t open the file!</source>
        <translation>Die Datei konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../converter/converter.cpp" line="+1"/>
        <source>The file doesn&apos;t exist!</source>
        <translation>Die Datei existiert nicht!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../converter/converter.cpp" line="+1"/>
        <source>Error while parsing the xml-file!</source>
        <translation>Fehler beim Lesen der XML-Datei!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../converter/converter.cpp" line="+2"/>
        <source>An entry is too long for the radio-box!</source>
        <translation>Ein Eintrag ist zu lang für die Radio-Box!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../converter/converter.cpp" line="+2"/>
        <source>An entry has no valid address!</source>
        <translation>Ein Eintrag hat keine gültige Adresse!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Kestrelpad

With this editor you can edit the pls-files
for the radio-box.
Copy the pls-file to a FAT32-formated USB-Stick
and open the file on your box. New entries will be stored.
The address of the stream must start with http:// or udp:// 
The limits of the file: max 20 Entries, max 2KiB Filesize

Version: %1
Date: %2</source>
        <translation>Kestrelpad

Mit diesem Editor bearbeiten Sie die PLS-Dateien
für die Radio-Box.
Kopieren Sie die PLS-Datei auf einen FAT32-formatierten USB-Stick
und öffnen Sie die Datei auf Ihrer Box. Neue Einträge werden gespeichert.
Die Adresse des Streams muss mit http:// oder udp:// beginnen.
Grenzen der Datei: höchstens 20 Einträge, höchstens 2 KiB Dateigröße

Version: %1
Datum: %2</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_edit.cpp" line="+118"/>
        <source>The address of the stream is not valid!</source>
        <translation>Die Adresse des Streams ist ungültig!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The url of the stream must start with http:// or udp://!</source>
        <translation>Die Adresse des Streams muss mit http:// oder udp:// beginnen!</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_save.cpp" line="-101"/>
        <location filename="../mainwindow/mainwindow_open.cpp" line="+96"/>
        <source>PLS Playlist</source>
        <translation>PLS-Wiedergabeliste</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <location filename="../converter/converter.cpp" line="-10"/>
        <source>not a playlist (the name must end in .pls, .m3u or .xspf)</source>
        <translation>keine Wiedergabeliste (der Name muss auf .pls, .m3u oder .xspf enden)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>holds no entries</source>
        <translation>enthält keine Einträge</translation>
    </message>
    <message numerus="yes">
        <location line="+125"/>
        <source>%n older continuation file(s) would still be played by the radio-box: %1</source>
        <translation>
            <numerusform>%n ältere Folgedatei würde von der Radio-Box noch abgespielt: %1</numerusform>
            <numerusform>%n ältere Folgedateien würden von der Radio-Box noch abgespielt: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../mainwindow/mainwindow_save.cpp" line="+18"/>
        <source>%n older continuation file(s) (%1) would still be played by the radio-box. Delete them?</source>
        <translation>
            <numerusform>%n ältere Folgedatei (%1) würde von der Radio-Box noch abgespielt. Löschen?</numerusform>
            <numerusform>%n ältere Folgedateien (%1) würden von der Radio-Box noch abgespielt. Löschen?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_close.cpp" line="-29"/>
        <source>The playlist has been modified.</source>
        <translation>Die Wiedergabeliste wurde geändert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to save the changes?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_language.cpp" line="-104"/>
        <location line="+39"/>
        <source>Language changed to: %1</source>
        <translation>Sprache gewechselt zu: %1</translation>
    </message>
    <message>
        <location filename="../converter/commandline.cpp" line="+18"/>
        <source>Nothing written: -o must be followed by the name of a PLS file.</source>
        <translation>Nichts geschrieben: Auf -o muss der Name einer PLS-Datei folgen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nothing written: &quot;%1&quot; does not end with .pls.</source>
        <translation>Nichts geschrieben: „%1“ endet nicht auf .pls.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing written: -o needs playlist files after -i.</source>
        <translation>Nichts geschrieben: -o braucht Wiedergabelisten nach -i.</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_open.cpp" line="-35"/>
        <location filename="../converter/converter.cpp" line="-89"/>
        <source>1 entry skipped: the address must start with http:// or udp://</source>
        <translation>1 Eintrag übersprungen: Die Adresse muss mit http:// oder udp:// beginnen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../converter/converter.cpp" line="+2"/>
        <source>%n entries skipped: the address must start with http:// or udp://</source>
        <translation>
            <numerusform>%n Eintrag übersprungen: Die Adresse muss mit http:// oder udp:// beginnen</numerusform>
            <numerusform>%n Einträge übersprungen: Die Adresse muss mit http:// oder udp:// beginnen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+34"/>
        <source>MP3-URL</source>
        <translation>MP3-URL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XML Shareable Playlist Format</source>
        <translation>XSPF-Wiedergabeliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PLS-File</source>
        <translation>PLS-Datei</translation>
    </message>
    <message>
        <location filename="../converter/converter.cpp" line="-36"/>
        <source>Nothing written: the playlists hold no entry to write.</source>
        <translation>Nichts geschrieben: Die Wiedergabelisten enthalten keinen Eintrag.</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_filesplit.cpp" line="+15"/>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1, one too long for the radio-box</source>
        <translation>%1, einer zu lang für die Radio-Box</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1, %2</source>
        <comment>entries, files</comment>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
