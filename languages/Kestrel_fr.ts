<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;as...</source>
        <translation>Enregistrer &amp;sous...</translation>
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
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>quit</source>
        <translation>Quitter</translation>
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
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+8"/>
        <source>&amp;change</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+12"/>
        <source>&amp;delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
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
        <translation>Titre</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>Type</source>
        <translation>Type</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stream</source>
        <translation>F&amp;lux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move &amp;up</source>
        <translation>Déplacer vers le &amp;haut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Up</source>
        <translation>Ctrl+Up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move d&amp;own</source>
        <translation>Déplacer vers le &amp;bas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl+Down</source>
        <translation>Ctrl+Down</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check streams</source>
        <translation>Vérifier les flux</translation>
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
        <translation>Supprimer les stations mortes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../mainwindow/mainwindow_undo.cpp" line="+87"/>
        <source>Undo</source>
        <translation>Annuler</translation>
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
        <translation>Rétablir</translation>
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
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort by &amp;title</source>
        <translation>Trier par &amp;titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort by a&amp;ddress</source>
        <translation>Trier par a&amp;dresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort &amp;TV after Radio</source>
        <translation>Trier la &amp;TV après la radio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Remove duplicates</source>
        <translation>&amp;Supprimer les doublons</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find in titles and addresses</source>
        <translation>Rechercher dans les titres et les adresses</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow.cpp" line="-63"/>
        <source>%1 of %2 entries</source>
        <translation>%1 entrées sur %2</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../converter/converter.cpp" line="+35"/>
        <source>Couldn&apos;t open the file!</source>
        <translation>Impossible d&apos;ouvrir le fichier&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../converter/converter.cpp" line="+1"/>
        <source>The file doesn&apos;t exist!</source>
        <translation>Le fichier n&apos;existe pas&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../converter/converter.cpp" line="+1"/>
        <source>Error while parsing the xml-file!</source>
        <translation>Erreur lors de l&apos;analyse du fichier XML&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../converter/converter.cpp" line="+2"/>
        <source>An entry is too long for the radio-box!</source>
        <translation>Une entrée est trop longue pour la radio-box&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../converter/converter.cpp" line="+2"/>
        <source>An entry has no valid address!</source>
        <translation>Une entrée n&apos;a pas d&apos;adresse valide&#xa0;!</translation>
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

Cet éditeur vous permet de modifier les fichiers PLS
de la radio-box.
Copiez le fichier PLS sur une clé USB formatée en FAT32
et ouvrez le fichier sur votre box. Les nouvelles entrées seront enregistrées.
L&apos;adresse du flux doit commencer par http:// ou udp://
Limites du fichier&#xa0;: 20 entrées et 2 Kio au maximum

Version&#xa0;: %1
Date&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_edit.cpp" line="+166"/>
        <source>The address of the stream is not valid!</source>
        <translation>L&apos;adresse du flux n&apos;est pas valide&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The url of the stream must start with http:// or udp://!</source>
        <translation>L&apos;adresse du flux doit commencer par http:// ou udp://&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <location line="+45"/>
        <source>Delete %n entries?</source>
        <translation>
            <numerusform>Supprimer %n entrée&#xa0;?</numerusform>
            <numerusform>Supprimer %n entrées&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Delete</source>
        <translation>Suppression</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add</source>
        <translation>Ajout</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_save.cpp" line="-103"/>
        <location filename="../mainwindow/mainwindow_open.cpp" line="+99"/>
        <source>PLS Playlist</source>
        <translation>Liste de lecture PLS</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location filename="../converter/converter.cpp" line="-10"/>
        <source>not a playlist (the name must end in .pls, .m3u or .xspf)</source>
        <translation>pas une liste de lecture (le nom doit se terminer par .pls, .m3u ou .xspf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>holds no entries</source>
        <translation>ne contient aucune entrée</translation>
    </message>
    <message numerus="yes">
        <location line="+125"/>
        <source>%n older continuation file(s) would still be played by the radio-box: %1</source>
        <translation>
            <numerusform>%n ancien fichier de suite serait encore lu par la radio-box&#xa0;: %1</numerusform>
            <numerusform>%n anciens fichiers de suite seraient encore lus par la radio-box&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../mainwindow/mainwindow_save.cpp" line="+19"/>
        <source>%n older continuation file(s) (%1) would still be played by the radio-box. Delete them?</source>
        <translation>
            <numerusform>%n ancien fichier de suite (%1) serait encore lu par la radio-box. Le supprimer&#xa0;?</numerusform>
            <numerusform>%n anciens fichiers de suite (%1) seraient encore lus par la radio-box. Les supprimer&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_close.cpp" line="-32"/>
        <source>The playlist has been modified.</source>
        <translation>La liste de lecture a été modifiée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to save the changes?</source>
        <translation>Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_language.cpp" line="-111"/>
        <location line="+39"/>
        <source>Language changed to: %1</source>
        <translation>Langue changée&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../converter/commandline.cpp" line="+19"/>
        <source>Nothing written: -o must be followed by the name of a PLS file.</source>
        <translation>Rien écrit&#xa0;: -o doit être suivi du nom d&apos;un fichier PLS.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nothing written: &quot;%1&quot; does not end with .pls.</source>
        <translation>Rien écrit&#xa0;: «&#xa0;%1&#xa0;» ne se termine pas par .pls.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing written: -o needs playlist files after -i.</source>
        <translation>Rien écrit&#xa0;: -o nécessite des listes de lecture après -i.</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_open.cpp" line="-35"/>
        <location filename="../converter/converter.cpp" line="-89"/>
        <source>1 entry skipped: the address must start with http:// or udp://</source>
        <translation>1 entrée ignorée&#xa0;: l&apos;adresse doit commencer par http:// ou udp://</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../converter/converter.cpp" line="+2"/>
        <source>%n entries skipped: the address must start with http:// or udp://</source>
        <translation>
            <numerusform>%n entrée ignorée&#xa0;: l&apos;adresse doit commencer par http:// ou udp://</numerusform>
            <numerusform>%n entrées ignorées&#xa0;: l&apos;adresse doit commencer par http:// ou udp://</numerusform>
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
        <translation>Liste de lecture XSPF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PLS-File</source>
        <translation>Fichier PLS</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Open</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Drop</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <location filename="../converter/converter.cpp" line="-36"/>
        <source>Nothing written: the playlists hold no entry to write.</source>
        <translation>Rien écrit&#xa0;: les listes de lecture ne contiennent aucune entrée à écrire.</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_filesplit.cpp" line="+15"/>
        <source>1 entry</source>
        <translation>1 entrée</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1, one too long for the radio-box</source>
        <translation>%1, dont une trop longue pour la radio-box</translation>
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
        <translation>Déplacement vers le haut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Déplacement vers le bas</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Move</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_undo.cpp" line="-1"/>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_sort.cpp" line="+103"/>
        <source>Sort</source>
        <translation>Tri</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No duplicate addresses</source>
        <translation>Aucune adresse en double</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove duplicates</source>
        <translation>Suppression des doublons</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n duplicate address(es) removed</source>
        <translation>
            <numerusform>%n adresse en double supprimée</numerusform>
            <numerusform>%n adresses en double supprimées</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Same address as entry %1</source>
        <translation>Même adresse que l’entrée %1</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>%n duplicate address(es)</source>
        <translation>
            <numerusform>%n adresse en double</numerusform>
            <numerusform>%n adresses en double</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../mainwindow/mainwindow_streamcheck.cpp" line="-208"/>
        <location line="+185"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>%1 of %2 checked</source>
        <translation>%1 sur %2 vérifiées</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 checked: %2 answer, %3 dead, %4 unknown</source>
        <translation>%1 vérifiées : %2 répondent, %3 mortes, %4 inconnues</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No station was found dead.</source>
        <translation>Aucune station morte n’a été trouvée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove 1 dead station?</source>
        <translation>Supprimer 1 station morte ?</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Remove %n dead stations?</source>
        <translation>
            <numerusform>Supprimer %n station morte ?</numerusform>
            <numerusform>Supprimer %n stations mortes ?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../streamcheck/streamresult.cpp" line="+26"/>
        <source>answers</source>
        <translation>répond</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dead</source>
        <translation>morte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <location filename="../streamcheck/streamprobe.cpp" line="+95"/>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>connection refused</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>host not found</source>
        <translation>hôte introuvable</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>TLS failure</source>
        <translation>échec TLS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>connection closed before the response headers</source>
        <translation>connexion fermée avant les en-têtes de la réponse</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>redirected to an address that is no stream</source>
        <translation>redirigée vers une adresse qui n’est pas un flux</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>TLS is not available on this computer</source>
        <translation>TLS n’est pas disponible sur cet ordinateur</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>no end of the response headers in the first 64 KiB</source>
        <translation>pas de fin des en-têtes de la réponse dans les 64 premiers Kio</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>no response headers within %1 s</source>
        <translation>aucun en-tête de réponse en %1 s</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no HTTP response</source>
        <translation>pas de réponse HTTP</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>no stream: the answer has no content type</source>
        <translation>pas de flux : la réponse n’a pas de type de contenu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no stream: %1</source>
        <translation>pas de flux : %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>redirect loop</source>
        <translation>boucle de redirections</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>more than %1 redirects</source>
        <translation>plus de %1 redirections</translation>
    </message>
    <message>
        <location filename="../streamcheck/streamchecker.cpp" line="+54"/>
        <source>check cancelled</source>
        <translation>vérification annulée</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>udp: nothing to ask</source>
        <translation>udp : rien à demander</translation>
    </message>
</context>
</TS>
