<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/ui_mainwindow.cpp" line="+244"/>
        <location filename="../mainwindow/mainwindow.h" line="+201"/>
        <location filename="../mainwindow/mainwindow.cpp" line="+98"/>
        <location line="+13"/>
        <location line="+24"/>
        <location line="+7"/>
        <location line="+44"/>
        <location line="+5"/>
        <location filename="../mainwindow/mainwindow_save.cpp" line="+40"/>
        <location line="+79"/>
        <location line="+22"/>
        <location filename="../mainwindow/mainwindow_close.cpp" line="+58"/>
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
        <location filename="../mainwindow/mainwindow_language.cpp" line="+27"/>
        <location filename="../mainwindow/rowtable.cpp" line="+53"/>
        <location line="+68"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../mainwindow/mainwindow_language.cpp" line="+3"/>
        <location filename="../mainwindow/rowtable.cpp" line="-67"/>
        <location line="+67"/>
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
        <location line="+1"/>
        <source>Check streams</source>
        <translation>Streams prüfen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../mainwindow/mainwindow_streamcheck.cpp" line="+269"/>
        <source>Remove dead stations</source>
        <translation>Tote Sender entfernen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../mainwindow/mainwindow_undo.cpp" line="+87"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../mainwindow/mainwindow_undo.cpp" line="+2"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort by &amp;title</source>
        <translation>Nach &amp;Titel sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort by a&amp;ddress</source>
        <translation>Nach &amp;Adresse sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort &amp;TV after Radio</source>
        <translation>&amp;TV nach Radio sortieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Remove duplicates</source>
        <translation>&amp;Doppelte entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find in titles and addresses</source>
        <translation>In Titeln und Adressen suchen</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow.cpp" line="-63"/>
        <source>%1 of %2 entries</source>
        <translation>%1 von %2 Einträgen</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../converter/converter.cpp" line="+35"/>
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
        <location filename="../mainwindow/mainwindow_edit.cpp" line="+166"/>
        <source>The address of the stream is not valid!</source>
        <translation>Die Adresse des Streams ist ungültig!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The url of the stream must start with http:// or udp://!</source>
        <translation>Die Adresse des Streams muss mit http:// oder udp:// beginnen!</translation>
    </message>
    <message numerus="yes">
        <location line="+45"/>
        <source>Delete %n entries?</source>
        <translation>
            <numerusform>%n Eintrag löschen?</numerusform>
            <numerusform>%n Einträge löschen?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_save.cpp" line="-103"/>
        <location filename="../mainwindow/mainwindow_open.cpp" line="+99"/>
        <source>PLS Playlist</source>
        <translation>PLS-Wiedergabeliste</translation>
    </message>
    <message>
        <location line="+80"/>
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
        <location filename="../mainwindow/mainwindow_save.cpp" line="+19"/>
        <source>%n older continuation file(s) (%1) would still be played by the radio-box. Delete them?</source>
        <translation>
            <numerusform>%n ältere Folgedatei (%1) würde von der Radio-Box noch abgespielt. Löschen?</numerusform>
            <numerusform>%n ältere Folgedateien (%1) würden von der Radio-Box noch abgespielt. Löschen?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_close.cpp" line="-32"/>
        <source>The playlist has been modified.</source>
        <translation>Die Wiedergabeliste wurde geändert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to save the changes?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_language.cpp" line="-111"/>
        <location line="+39"/>
        <source>Language changed to: %1</source>
        <translation>Sprache gewechselt zu: %1</translation>
    </message>
    <message>
        <location filename="../converter/commandline.cpp" line="+19"/>
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
        <location line="+56"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Drop</source>
        <translation>Ablegen</translation>
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
    <message>
        <location filename="../mainwindow/mainwindow_reorder.cpp" line="+42"/>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_undo.cpp" line="-1"/>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_sort.cpp" line="+103"/>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No duplicate addresses</source>
        <translation>Keine doppelten Adressen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove duplicates</source>
        <translation>Doppelte entfernen</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n duplicate address(es) removed</source>
        <translation>
            <numerusform>%n doppelte Adresse entfernt</numerusform>
            <numerusform>%n doppelte Adressen entfernt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Same address as entry %1</source>
        <translation>Gleiche Adresse wie Eintrag %1</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>%n duplicate address(es)</source>
        <translation>
            <numerusform>%n doppelte Adresse</numerusform>
            <numerusform>%n doppelte Adressen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_streamcheck.cpp" line="-208"/>
        <location line="+185"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>%1 of %2 checked</source>
        <translation>%1 von %2 geprüft</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 checked: %2 answer, %3 dead, %4 unknown</source>
        <translation>%1 geprüft: %2 antworten, %3 tot, %4 unbekannt</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No station was found dead.</source>
        <translation>Kein Sender wurde als tot erkannt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove 1 dead station?</source>
        <translation>1 toten Sender entfernen?</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Remove %n dead stations?</source>
        <translation>
            <numerusform>%n toten Sender entfernen?</numerusform>
            <numerusform>%n tote Sender entfernen?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../streamcheck/streamresult.cpp" line="+26"/>
        <source>answers</source>
        <translation>antwortet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dead</source>
        <translation>tot</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <location filename="../streamcheck/streamprobe.cpp" line="+95"/>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>TLS failure</source>
        <translation>TLS-Fehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>connection closed before the response headers</source>
        <translation>Verbindung vor den Antwort-Headern geschlossen</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>redirected to an address that is no stream</source>
        <translation>umgeleitet auf eine Adresse, die kein Stream ist</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>TLS is not available on this computer</source>
        <translation>TLS ist auf diesem Computer nicht verfügbar</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>no end of the response headers in the first 64 KiB</source>
        <translation>kein Ende der Antwort-Header in den ersten 64 KiB</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>no response headers within %1 s</source>
        <translation>keine Antwort-Header innerhalb von %1 s</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no HTTP response</source>
        <translation>keine HTTP-Antwort</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>no stream: the answer has no content type</source>
        <translation>kein Stream: die Antwort hat keinen Inhaltstyp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no stream: %1</source>
        <translation>kein Stream: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>redirect loop</source>
        <translation>Umleitungsschleife</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>more than %1 redirects</source>
        <translation>mehr als %1 Umleitungen</translation>
    </message>
    <message>
        <location filename="../streamcheck/streamchecker.cpp" line="+54"/>
        <source>check cancelled</source>
        <translation>Prüfung abgebrochen</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>udp: nothing to ask</source>
        <translation>udp: nichts zu fragen</translation>
    </message>
</context>
</TS>
