<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Kestrom</name>
    <message>
        <source>Kestrom</source>
        <translation>Kestrom</translation>
    </message>
    <message>
        <source>Kestrom %s</source>
        <translation>Kestrom %s</translation>
    </message>
    <message>
        <source>- v%s Public</source>
        <translation>- v%s Public</translation>
    </message>
    <message>
        <source>Kestrom - By Dravek</source>
        <translation>Kestrom - von Dravek</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Add roms...</source>
        <translation>Roms hinzufügen...</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Remove selection</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Edit Name...</source>
        <translation>Namen bearbeiten...</translation>
    </message>
    <message>
        <source>Edit Internal Name...</source>
        <translation>Internen Namen bearbeiten...</translation>
    </message>
    <message>
        <source>Lost size</source>
        <translation>Größenverlust</translation>
    </message>
    <message>
        <source>Total Lost Size</source>
        <translation>Gesamter Größenverlust</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Truncate</source>
        <translation>Kürzen</translation>
    </message>
    <message>
        <source>Remove Intro</source>
        <translation>Intro entfernen</translation>
    </message>
    <message>
        <source>Apply ExitHack Patch</source>
        <translation>ExitHack-Patch anwenden</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Remove ExitHack patch</source>
        <translation>ExitHack-Patch entfernen</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Warnings...</source>
        <translation>Warnungen...</translation>
    </message>
    <message>
        <source>How does it work...</source>
        <translation>Wie funktioniert es...</translation>
    </message>
    <message>
        <source>Beta-testers...</source>
        <translation>Betatester...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Select/Unselect</source>
        <translation>Markieren/Entmarkieren</translation>
    </message>
    <message>
        <source>Edit name...</source>
        <translation>Namen bearbeiten...</translation>
    </message>
    <message>
        <source>Internal name...</source>
        <translation>Interner Name...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Add roms</source>
        <translation>Roms hinzufügen</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Edit output name</source>
        <translation>Ausgabenamen bearbeiten</translation>
    </message>
    <message>
        <source>Edit the internal name in the header of the rom</source>
        <translation>Den internen Namen im Header des Roms bearbeiten</translation>
    </message>
    <message>
        <source>Play input/output rom</source>
        <translation>Eingabe- oder Ausgabe-Rom spielen</translation>
    </message>
    <message>
        <source>Calculate lost size</source>
        <translation>Größenverlust berechnen</translation>
    </message>
    <message>
        <source>Calculate total lost size</source>
        <translation>Gesamten Größenverlust berechnen</translation>
    </message>
    <message>
        <source>Truncate|Select the &apos;truncate&apos; operation</source>
        <translation>Kürzen|Die Operation &apos;Kürzen&apos; wählen</translation>
    </message>
    <message>
        <source>Apply ExitHack patch</source>
        <translation>ExitHack-Patch anwenden</translation>
    </message>
    <message>
        <source>How does it work</source>
        <translation>Wie funktioniert es</translation>
    </message>
    <message>
        <source>Beta-testers</source>
        <translation>Betatester</translation>
    </message>
    <message>
        <source>About Kestrom</source>
        <translation>Über Kestrom</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Output Files </source>
        <translation>Ausgabedateien </translation>
    </message>
    <message>
        <source>Prefix.</source>
        <translation>Präfix.</translation>
    </message>
    <message>
        <source>Suffix.</source>
        <translation>Suffix.</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Beispiel:</translation>
    </message>
    <message>
        <source>Kst-RomName.Gba</source>
        <translation>Kst-RomName.Gba</translation>
    </message>
    <message>
        <source>Kst-</source>
        <translation>Kst-</translation>
    </message>
    <message>
        <source>Select File...</source>
        <translation>Datei wählen...</translation>
    </message>
    <message>
        <source>Supported Files (*.zip;*.gba)</source>
        <translation>Unterstützte Dateien (*.zip;*.gba)</translation>
    </message>
    <message>
        <source>GBA Images (*.gba)</source>
        <translation>GBA-Images (*.gba)</translation>
    </message>
    <message>
        <source>Zip Files (*.zip)</source>
        <translation>Zip-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Select Folder...</source>
        <translation>Ordner wählen...</translation>
    </message>
    <message>
        <source>The following DLL is missing:
%s</source>
        <translation>Die folgende DLL fehlt:
%s</translation>
    </message>
    <message>
        <source>unzdll.dll</source>
        <translation>unzdll.dll</translation>
    </message>
    <message>
        <source>%s
File extension does not match.</source>
        <translation>%s
Die Dateiendung passt nicht.</translation>
    </message>
    <message>
        <source>%s
I/O Error reading this rom. Check if the file is not in read-only mode and try again.</source>
        <translation>%s
E/A-Fehler beim Lesen dieses Roms. Prüfen Sie, ob die Datei nicht schreibgeschützt ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>I/O Error. Check if the file you entered still exists.</source>
        <translation>E/A-Fehler. Prüfen Sie, ob die angegebene Datei noch existiert.</translation>
    </message>
    <message>
        <source>The current selection is empty.</source>
        <translation>Die aktuelle Auswahl ist leer.</translation>
    </message>
    <message>
        <source>Edit name</source>
        <translation>Namen bearbeiten</translation>
    </message>
    <message>
        <source>Enter new name of the rom</source>
        <translation>Neuen Namen des Roms eingeben</translation>
    </message>
    <message>
        <source>Wrong output directory. Please change it in the options menu.</source>
        <translation>Falsches Ausgabeverzeichnis. Bitte ändern Sie es im Optionsmenü.</translation>
    </message>
    <message>
        <source>2 roms or more have the same output name. Please change it.</source>
        <translation>Zwei oder mehr Roms haben denselben Ausgabenamen. Bitte ändern Sie ihn.</translation>
    </message>
    <message>
        <source>No action selected ! 
Select an action clicking in an item on the &apos;Action&apos; menu.</source>
        <translation>Keine Aktion gewählt! 
Wählen Sie eine Aktion, indem Sie einen Eintrag im Menü &apos;Aktion&apos; anklicken.</translation>
    </message>
    <message>
        <source>No roms have been selected. A selected rom has an &apos;%s&apos; in its first column.</source>
        <translation>Es wurden keine Roms markiert. Ein markiertes Rom hat ein &apos;%s&apos; in der ersten Spalte.</translation>
    </message>
    <message>
        <source>Operation log:
%s</source>
        <translation>Protokoll:
%s</translation>
    </message>
    <message>
        <source>%d %s have been lost.</source>
        <translation>%d %s gingen verloren.</translation>
    </message>
    <message>
        <source>No roms truncated.</source>
        <translation>Keine Roms gekürzt.</translation>
    </message>
    <message>
        <source>No size lost.</source>
        <translation>Kein Größenverlust.</translation>
    </message>
    <message>
        <source>Total size lost: %d %s
Average: %d %s per rom.</source>
        <translation>Gesamter Größenverlust: %d %s
Durchschnitt: %d %s pro Rom.</translation>
    </message>
    <message>
        <source>%s
The settings could not be saved: %s</source>
        <translation>%s
Die Einstellungen konnten nicht gespeichert werden: %s</translation>
    </message>
    <message>
        <source>%s
The settings cannot be read: %s</source>
        <translation>%s
Die Einstellungen können nicht gelesen werden: %s</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Emulator Path :</source>
        <translation>Emulatorpfad :</translation>
    </message>
    <message>
        <source>Temporary Dir:</source>
        <translation>Temp.-Verz.:</translation>
    </message>
    <message>
        <source>Output Dir :</source>
        <translation>Ausgabeverz. :</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Delete roms located in the tmp. dir. on close</source>
        <translation>Roms im Temp.-Verz. beim Schließen löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Programs (*)</source>
        <translation>Programme (*)</translation>
    </message>
    <message>
        <source>Win32 Executable (*.exe)</source>
        <translation>Win32-Programme (*.exe)</translation>
    </message>
    <message>
        <source>options.ini file not found in the Kestrom path.</source>
        <translation>Die Datei options.ini wurde im Kestrom-Ordner nicht gefunden.</translation>
    </message>
    <message>
        <source>%s
Created directory.</source>
        <translation>%s
Verzeichnis angelegt.</translation>
    </message>
    <message>
        <source>Wrong output directory. Please change it.</source>
        <translation>Falsches Ausgabeverzeichnis. Bitte ändern Sie es.</translation>
    </message>
    <message>
        <source>Folder list...</source>
        <translation>Ordnerliste...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Verzeichnis wählen</translation>
    </message>
    <message>
        <source>%s
This folder cannot be opened: %s</source>
        <translation>%s
Dieser Ordner kann nicht geöffnet werden: %s</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Mehrere</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>-Bad-</source>
        <translation>-Ungültig-</translation>
    </message>
    <message>
        <source>Home made</source>
        <translation>Eigenbau</translation>
    </message>
    <message>
        <source>Nintendo</source>
        <translation>Nintendo</translation>
    </message>
    <message>
        <source>Capcom</source>
        <translation>Capcom</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Starfish</translation>
    </message>
    <message>
        <source>Hudson Soft Japan</source>
        <translation>Hudson Soft Japan</translation>
    </message>
    <message>
        <source>Kemco Japan</source>
        <translation>Kemco Japan</translation>
    </message>
    <message>
        <source>Tam</source>
        <translation>Tam</translation>
    </message>
    <message>
        <source>Jordan</source>
        <translation>Jordan</translation>
    </message>
    <message>
        <source>Ubi Soft</source>
        <translation>Ubi Soft</translation>
    </message>
    <message>
        <source>Crave Entertainment</source>
        <translation>Crave Entertainment</translation>
    </message>
    <message>
        <source>Activision</source>
        <translation>Activision</translation>
    </message>
    <message>
        <source>Take 2</source>
        <translation>Take 2</translation>
    </message>
    <message>
        <source>Midway</source>
        <translation>Midway</translation>
    </message>
    <message>
        <source>Majesco Sales</source>
        <translation>Majesco Sales</translation>
    </message>
    <message>
        <source>3DO</source>
        <translation>3DO</translation>
    </message>
    <message>
        <source>BAM!</source>
        <translation>BAM!</translation>
    </message>
    <message>
        <source>Sega</source>
        <translation>Sega</translation>
    </message>
    <message>
        <source>Infogrames</source>
        <translation>Infogrames</translation>
    </message>
    <message>
        <source>THQ</source>
        <translation>THQ</translation>
    </message>
    <message>
        <source>Kemco</source>
        <translation>Kemco</translation>
    </message>
    <message>
        <source>Sega Japan</source>
        <translation>Sega Japan</translation>
    </message>
    <message>
        <source>Imagineer</source>
        <translation>Imagineer</translation>
    </message>
    <message>
        <source>Marvelous Entertainment</source>
        <translation>Marvelous Entertainment</translation>
    </message>
    <message>
        <source>Konami</source>
        <translation>Konami</translation>
    </message>
    <message>
        <source>Takara</source>
        <translation>Takara</translation>
    </message>
    <message>
        <source>Namco</source>
        <translation>Namco</translation>
    </message>
    <message>
        <source>Playmate</source>
        <translation>Playmate</translation>
    </message>
    <message>
        <source>MTO</source>
        <translation>MTO</translation>
    </message>
    <message>
        <source>Global A</source>
        <translation>Global A</translation>
    </message>
    <message>
        <source>Koei</source>
        <translation>Koei</translation>
    </message>
    <message>
        <source>Banpresto</source>
        <translation>Banpresto</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>Epoch</translation>
    </message>
    <message>
        <source>Athena</source>
        <translation>Athena</translation>
    </message>
    <message>
        <source>Asmik</source>
        <translation>Asmik</translation>
    </message>
    <message>
        <source>Atlus</source>
        <translation>Atlus</translation>
    </message>
    <message>
        <source>Spike</source>
        <translation>Spike</translation>
    </message>
    <message>
        <source>Konami Japan</source>
        <translation>Konami Japan</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Verz.</translation>
    </message>
    <message>
        <source>New size</source>
        <translation>Neue Gr.</translation>
    </message>
    <message>
        <source>Internal name</source>
        <translation>Interner Name</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>@</source>
        <translation>@</translation>
    </message>
    <message>
        <source>romname</source>
        <translation>romname</translation>
    </message>
    <message>
        <source>[Actions: %s %s %s]</source>
        <translation>[Aktionen: %s %s %s]</translation>
    </message>
    <message>
        <source>T</source>
        <translation>K</translation>
    </message>
    <message>
        <source>R</source>
        <translation>I</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>[%d roms in list] [rom %d selected] %s</source>
        <translation>[%d Roms in der Liste] [Rom %d gewählt] %s</translation>
    </message>
    <message>
        <source>{No Roms in List}</source>
        <translation>{Keine Roms in der Liste}</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a valid integer value.</source>
        <translation>&apos;%s&apos; ist kein gültiger ganzzahliger Wert.</translation>
    </message>
    <message>
        <source> [No intro removed]</source>
        <translation> [Kein Intro entfernt]</translation>
    </message>
    <message>
        <source> [Intro removed]</source>
        <translation> [Intro entfernt]</translation>
    </message>
    <message>
        <source> [Already trimmed]</source>
        <translation> [Bereits gekürzt]</translation>
    </message>
    <message>
        <source> [Trimmed]</source>
        <translation> [Gekürzt]</translation>
    </message>
    <message>
        <source> [Not patched]</source>
        <translation> [Nicht gepatcht]</translation>
    </message>
    <message>
        <source> [EH Applied]</source>
        <translation> [EH angewendet]</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file is a symbolic link, which is not followed here.</source>
        <translation>Die Datei ist eine symbolische Verknüpfung, der hier nicht gefolgt wird.</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>Es ist kein Ordner.</translation>
    </message>
    <message>
        <source>It is a symbolic link.</source>
        <translation>Es ist eine symbolische Verknüpfung.</translation>
    </message>
    <message>
        <source>It belongs to another user.</source>
        <translation>Er gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>Other users can write in it.</source>
        <translation>Andere Benutzer können darin schreiben.</translation>
    </message>
    <message>
        <source>There is no home folder: HOME is not set and the user has none.</source>
        <translation>Es gibt keinen persönlichen Ordner: HOME ist nicht gesetzt, und der Benutzer hat keinen.</translation>
    </message>
    <message>
        <source>File access denied.</source>
        <translation>Zugriff auf die Datei verweigert.</translation>
    </message>
    <message>
        <source>The file is larger than %s.</source>
        <translation>Die Datei ist größer als %s.</translation>
    </message>
    <message>
        <source>%d MiB</source>
        <translation>%d MiB</translation>
    </message>
    <message>
        <source>%d bytes</source>
        <translation>%d Bytes</translation>
    </message>
    <message>
        <source>The file &apos;patch.wnt&apos; is missing.</source>
        <translation>Die Datei &apos;patch.wnt&apos; fehlt.</translation>
    </message>
    <message>
        <source>%s
This file is not patched.</source>
        <translation>%s
Diese Datei ist nicht gepatcht.</translation>
    </message>
    <message>
        <source>%s
Cannot find entry of EH patch data.</source>
        <translation>%s
Der Einsprungpunkt der EH-Patchdaten wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>These were not added:
%s</source>
        <translation>Folgendes wurde nicht hinzugefügt:
%s</translation>
    </message>
    <message>
        <source>%s: neither a .gba image nor a .zip archive</source>
        <translation>%s: weder ein .gba-Image noch ein .zip-Archiv</translation>
    </message>
    <message>
        <source>%s: not a file</source>
        <translation>%s: keine Datei</translation>
    </message>
    <message>
        <source>%s: a link to a folder, not followed</source>
        <translation>%s: Verknüpfung zu einem Ordner, nicht verfolgt</translation>
    </message>
    <message>
        <source>%s: the folder cannot be read: %s</source>
        <translation>%s: Der Ordner kann nicht gelesen werden: %s</translation>
    </message>
    <message>
        <source>%s: the rom cannot be read: %s</source>
        <translation>%s: Das Rom kann nicht gelesen werden: %s</translation>
    </message>
    <message>
        <source>... and %d more.</source>
        <translation>... und %d weitere.</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message>
        <source>Unknown command: %s</source>
        <translation>Unbekannter Befehl: %s</translation>
    </message>
    <message>
        <source>Unknown option: %s</source>
        <translation>Unbekannte Option: %s</translation>
    </message>
    <message>
        <source>The option %s needs a value.</source>
        <translation>Die Option %s braucht einen Wert.</translation>
    </message>
    <message>
        <source>No output folder given (--output DIR).</source>
        <translation>Kein Ausgabeordner angegeben (--output DIR).</translation>
    </message>
    <message>
        <source>No file given.</source>
        <translation>Keine Datei angegeben.</translation>
    </message>
    <message>
        <source>No action chosen: give --remove-intro, --truncate, --exithack or --all.</source>
        <translation>Keine Aktion gewählt: Geben Sie --remove-intro, --truncate, --exithack oder --all an.</translation>
    </message>
    <message>
        <source>%s and %s would both be written to %s.</source>
        <translation>%s und %s würden beide nach %s geschrieben.</translation>
    </message>
    <message>
        <source>%s: the output folder cannot be created: %s</source>
        <translation>%s: Der Ausgabeordner kann nicht angelegt werden: %s</translation>
    </message>
    <message>
        <source>--fill takes 00 or FF.</source>
        <translation>--fill nimmt 00 oder FF.</translation>
    </message>
    <message>
        <source>The file is too short to hold a cartridge header.</source>
        <translation>Die Datei ist zu kurz für einen Cartridge-Header.</translation>
    </message>
    <message>
        <source>complement correct</source>
        <translation>Komplement korrekt</translation>
    </message>
    <message>
        <source>complement wrong (%s, should be %s)</source>
        <translation>Komplement falsch (%s, richtig wäre %s)</translation>
    </message>
    <message>
        <source>intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>no intro</source>
        <translation>kein Intro</translation>
    </message>
    <message>
        <source>ExitHack</source>
        <translation>ExitHack</translation>
    </message>
    <message>
        <source>no ExitHack</source>
        <translation>kein ExitHack</translation>
    </message>
    <message>
        <source>trimmed</source>
        <translation>gekürzt</translation>
    </message>
    <message>
        <source>full size</source>
        <translation>volle Größe</translation>
    </message>
    <message>
        <source>complement fixed (%s, was %s)</source>
        <translation>Komplement korrigiert (%s, war %s)</translation>
    </message>
    <message>
        <source>complement already correct</source>
        <translation>Komplement bereits korrekt</translation>
    </message>
    <message>
        <source>Unable to access the selected drive!</source>
        <translation>Zugriff auf das gewählte Laufwerk nicht möglich!</translation>
    </message>
    <message>
        <source>Unable to create 
&quot;%s&quot;</source>
        <translation>Erstellen nicht möglich: 
&quot;%s&quot;</translation>
    </message>
    <message>
        <source>Unable to open 
&quot;%s&quot;</source>
        <translation>Öffnen nicht möglich: 
&quot;%s&quot;</translation>
    </message>
    <message>
        <source>&quot;%s&quot;
is not a valid Zip file.</source>
        <translation>&quot;%s&quot;
ist keine gültige Zip-Datei.</translation>
    </message>
    <message>
        <source>Error reading &apos;CentralFileHeader&apos;!</source>
        <translation>Fehler beim Lesen von &apos;CentralFileHeader&apos;!</translation>
    </message>
    <message>
        <source>Index range error</source>
        <translation>Fehler im Indexbereich</translation>
    </message>
    <message>
        <source>Unable to load %s</source>
        <translation>Laden nicht möglich: %s</translation>
    </message>
    <message>
        <source>&quot;UnzDll.dll&quot;.</source>
        <translation>&quot;UnzDll.dll&quot;.</translation>
    </message>
    <message>
        <source>Unable to extract files to:
&quot;%s&quot;
%s</source>
        <translation>Entpacken der Dateien nicht möglich nach:
&quot;%s&quot;
%s</translation>
    </message>
    <message>
        <source>The archive is being extracted; wait until that has finished.</source>
        <translation>Das Archiv wird gerade entpackt; warten Sie, bis das abgeschlossen ist.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%s
The temporary folder cannot be created: %s</source>
        <translation>%s
Der temporäre Ordner kann nicht angelegt werden: %s</translation>
    </message>
    <message>
        <source>%s
The temporary folder cannot be used: %s</source>
        <translation>%s
Der temporäre Ordner kann nicht benutzt werden: %s</translation>
    </message>
    <message>
        <source>Type the new internal name (12 char.)</source>
        <translation>Den neuen internen Namen eingeben (12 Zeichen)</translation>
    </message>
    <message>
        <source>Saving modifications...</source>
        <translation>Änderungen werden gespeichert...</translation>
    </message>
    <message>
        <source>Image %s modified and saved.</source>
        <translation>Image %s geändert und gespeichert.</translation>
    </message>
    <message>
        <source>Emulator path?</source>
        <translation>Pfad des Emulators?</translation>
    </message>
    <message>
        <source>Type the path of a GBA emulator:</source>
        <translation>Den Pfad eines GBA-Emulators eingeben:</translation>
    </message>
    <message>
        <source>The emulator %s could not be started:
%s</source>
        <translation>Der Emulator %s konnte nicht gestartet werden:
%s</translation>
    </message>
    <message>
        <source>Warning: a rom to which the ExitHack patch %s has been applied cannot be played in an emulator; it only runs from the flash cart&apos;s menu shell.
</source>
        <translation>Warnung: Ein Rom, auf das der ExitHack-Patch %s angewendet wurde, lässt sich nicht in einem Emulator spielen; es läuft nur aus dem Menü des Flash-Carts.
</translation>
    </message>
    <message>
        <source>(removable with EH. remover)</source>
        <translation>(mit dem EH-Entferner entfernbar)</translation>
    </message>
    <message>
        <source>This comes from the patch data itself, and nothing can be done about it in this tool.
 Dravek.</source>
        <translation>Das liegt an den Patch-Daten selbst, und dieses Programm kann nichts dagegen tun.
 Dravek.</translation>
    </message>
    <message>
        <source>Considerating that all is checked, there are 2 different stages:
First, the program removes the intro and trims the rom (at the same time).</source>
        <translation>Wenn alles angehakt ist, gibt es 2 Schritte:
Zuerst entfernt das Programm das Intro und kürzt das Rom (zugleich).</translation>
    </message>
    <message>
        <source>
Then it does apply the ExitHack patch, putting bytes at the end of the file.

All codes have been made again, not copied from original NorvikShell tools.
That&apos;s why it might not work as usual.</source>
        <translation>
Dann wendet es den ExitHack-Patch an und hängt Bytes an das Ende der Datei.

Aller Code wurde neu geschrieben, nicht von den originalen NorvikShell-Werkzeugen kopiert.
Deshalb kann es sich anders verhalten als gewohnt.</translation>
    </message>
    <message>
        <source>Many thanks to the beta-testers team:
¦- Brassfinch (sharp eyes for broken headers)
¦- Nullwick
¦- Tamarok (tried every flash cart twice)
¦- Quillby

You can reach them all on the Cartridge Workbench forum.
Dravek.</source>
        <translation>Vielen Dank an das Team der Betatester:
¦- Brassfinch (scharfe Augen für kaputte Header)
¦- Nullwick
¦- Tamarok (hat jedes Flash-Cart zweimal ausprobiert)
¦- Quillby

Ihr erreicht sie alle im Forum von Cartridge Workbench.
Dravek.</translation>
    </message>
    <message>
        <source>%s
The settings could not be made from %s: %s</source>
        <translation>%s
Die Einstellungen konnten nicht aus %s angelegt werden: %s</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Kestrom </source>
        <translation>Kestrom </translation>
    </message>
    <message>
        <source>%s Public</source>
        <translation>%s Public</translation>
    </message>
    <message>
        <source>By Dravek</source>
        <translation>Von Dravek</translation>
    </message>
    <message>
        <source>From original NorvikShell tools</source>
        <translation>Nach NorvikShell-Originaltools</translation>
    </message>
    <message>
        <source>* Except ExitHack remover</source>
        <translation>* Außer dem ExitHack-Entferner</translation>
    </message>
    <message>
        <source>Thanks:</source>
        <translation>Danke:</translation>
    </message>
    <message>
        <source>Orrin - Vesk - Pollux - Dimsum</source>
        <translation>Orrin - Vesk - Pollux - Dimsum</translation>
    </message>
    <message>
        <source>Kaddo - Ferrule - Yanto</source>
        <translation>Kaddo - Ferrule - Yanto</translation>
    </message>
    <message>
        <source>THANKS TO ALL CARTBENCH !</source>
        <translation>DANKE AN GANZ CARTBENCH !</translation>
    </message>
    <message>
        <source>Remember ;) The easter egg is no longer here ! Sorry guy.</source>
        <translation>Denk dran ;) Das Osterei ist nicht mehr hier ! Tut mir leid.</translation>
    </message>
    <message>
        <source>I assure you the easter egg is no longer here !!</source>
        <translation>Ich versichere dir, das Osterei ist nicht mehr hier !!</translation>
    </message>
    <message>
        <source>%s
This file is too short to hold an internal name; it was not changed.</source>
        <translation>%s
Diese Datei ist zu kurz für einen internen Namen; sie wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The internal name cannot hold the character &quot;%s&quot;: only characters of one byte each (Latin-1) fit in the header.</source>
        <translation>Der interne Name kann das Zeichen „%s“ nicht aufnehmen: Nur Zeichen von je einem Byte (Latin-1) passen in den Header.</translation>
    </message>
    <message>
        <source>Insert [ Disk %d ] of the Zip file into the floppy drive
before pressing [ OK ] to continue ...</source>
        <translation>[ Diskette %d ] der Zip-Datei ins Diskettenlaufwerk einlegen
und dann [ OK ] drücken, um fortzufahren ...</translation>
    </message>
    <message>
        <source>This is [ Disk %d ] of a multiple disk Zip file.
Insert the last disk of the Zip file before pressing [ OK ] to continue ...</source>
        <translation>Dies ist [ Diskette %d ] einer Zip-Datei auf mehreren Disketten.
Die letzte Diskette der Zip-Datei einlegen und dann [ OK ] drücken, um fortzufahren ...</translation>
    </message>
    <message>
        <source>A new password is required for &quot;%s&quot;</source>
        <translation>Für „%s“ wird ein neues Kennwort benötigt</translation>
    </message>
    <message>
        <source>&quot;%s&quot; may be corrupted (CRC error).
Extract this file anyway? ...</source>
        <translation>„%s“ ist vielleicht beschädigt (CRC-Fehler).
Diese Datei trotzdem entpacken? ...</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is older than the zipped file.
Overwrite this file? ...</source>
        <translation>„%s“ ist älter als die gepackte Datei.
Diese Datei überschreiben? ...</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is the same age or newer than the zipped file.
Do you really want to overwrite this file? ...</source>
        <translation>„%s“ ist gleich alt oder neuer als die gepackte Datei.
Diese Datei wirklich überschreiben? ...</translation>
    </message>
    <message>
        <source>Cannot Add, Delete or Extract from a multiple disk Zip file...
Merge this Zip file onto the hard disk before retrying.</source>
        <translation>Bei einer Zip-Datei auf mehreren Disketten ist Hinzufügen, Löschen oder Entpacken nicht möglich...
Diese Zip-Datei vor einem neuen Versuch auf der Festplatte zusammenführen.</translation>
    </message>
    <message>
        <source>Unable to extract files to:
&quot;%s&quot;
This folder does not exist.</source>
        <translation>Dateien können nicht entpackt werden nach:
„%s“
Dieser Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>wait ...</source>
        <translation>bitte warten ...</translation>
    </message>
    <message>
        <source>No gba images found in the %s Zip Archive.</source>
        <translation>Keine gba-Images im Zip-Archiv %s gefunden.</translation>
    </message>
    <message>
        <source>%s gba images found in the %s Zip Archive.</source>
        <translation>%s gba-Images im Zip-Archiv %s gefunden.</translation>
    </message>
    <message>
        <source>No internal name given (--name TEXT).</source>
        <translation>Kein interner Name angegeben (--name TEXT).</translation>
    </message>
    <message>
        <source>not unpacked: its name leads out of the folder it is unpacked into</source>
        <translation>nicht entpackt: Sein Name führt aus dem Ordner hinaus, in den entpackt wird</translation>
    </message>
    <message>
        <source>only .gba images are changed in place; the file was left as it is.</source>
        <translation>nur .gba-Images werden an Ort und Stelle geändert; die Datei blieb, wie sie war.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichertyp</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verifiziert</translation>
    </message>
    <message>
        <source>EEPROM</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <source>SRAM 32 KB</source>
        <translation>SRAM 32 KB</translation>
    </message>
    <message>
        <source>Flash 64 KB</source>
        <translation>Flash 64 KB</translation>
    </message>
    <message>
        <source>Flash 128 KB</source>
        <translation>Flash 128 KB</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Verified: %s</source>
        <translation>Verifiziert: %s</translation>
    </message>
    <message>
        <source>Verified when padded: %s</source>
        <translation>Verifiziert, aufgefüllt: %s</translation>
    </message>
    <message>
        <source>Verified when restored: %s</source>
        <translation>Verifiziert, wiederhergestellt: %s</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source>%s is not a DAT file: it has no &lt;datafile&gt; element.</source>
        <translation>%s ist keine DAT-Datei: Sie hat kein &lt;datafile&gt;-Element.</translation>
    </message>
    <message>
        <source>%s, line %d: %s</source>
        <translation>%s, Zeile %d: %s</translation>
    </message>
    <message>
        <source>bad %s &quot;%s&quot;</source>
        <translation>ungültiges %s &quot;%s&quot;</translation>
    </message>
    <message>
        <source>a name longer than %d bytes</source>
        <translation>ein Name länger als %d Byte</translation>
    </message>
    <message>
        <source>a value longer than %d bytes</source>
        <translation>ein Wert länger als %d Byte</translation>
    </message>
    <message>
        <source>more than %d entries</source>
        <translation>mehr als %d Einträge</translation>
    </message>
    <message>
        <source>a quote that is not closed</source>
        <translation>ein Anführungszeichen, das nicht geschlossen wird</translation>
    </message>
    <message>
        <source>the block from line %d is not closed</source>
        <translation>der Block aus Zeile %d wird nicht geschlossen</translation>
    </message>
    <message>
        <source>&quot;(&quot; expected after %s</source>
        <translation>&quot;(&quot; erwartet nach %s</translation>
    </message>
    <message>
        <source>unexpected &quot;%s&quot;</source>
        <translation>unerwartetes &quot;%s&quot;</translation>
    </message>
    <message>
        <source>%s: not enough memory to read this DAT file.</source>
        <translation>%s: nicht genug Speicher, um diese DAT-Datei zu lesen.</translation>
    </message>
    <message>
        <source>Usage: kestrom-cli %s
</source>
        <translation>Aufruf: kestrom-cli %s
</translation>
    </message>
    <message>
        <source>  or:  kestrom-cli %s
</source>
        <translation>  oder: kestrom-cli %s
</translation>
    </message>
    <message>
        <source>process ACTION... [--patch FILE] [--prefix P] [--suffix S] [--dat FILE.dat --dat-names]
                          --output DIR FILE...</source>
        <translation>process AKTION... [--patch DATEI] [--prefix P] [--suffix S] [--dat DATEI.dat --dat-names]
                          --output VERZ DATEI...</translation>
    </message>
    <message>
        <source>remove-eh [--prefix P] [--suffix S] --output DIR FILE...</source>
        <translation>remove-eh [--prefix P] [--suffix S] --output VERZ DATEI...</translation>
    </message>
    <message>
        <source>info FILE...</source>
        <translation>info DATEI...</translation>
    </message>
    <message>
        <source>rename --name TEXT FILE...</source>
        <translation>rename --name TEXT DATEI...</translation>
    </message>
    <message>
        <source>check FILE...</source>
        <translation>check DATEI...</translation>
    </message>
    <message>
        <source>fix-header FILE...</source>
        <translation>fix-header DATEI...</translation>
    </message>
    <message>
        <source>pad [--fill 00|FF] --output DIR FILE...</source>
        <translation>pad [--fill 00|FF] --output VERZ DATEI...</translation>
    </message>
    <message>
        <source>verify --dat FILE.dat [--missing] FILE...</source>
        <translation>verify --dat DATEI.dat [--missing] DATEI...</translation>
    </message>
    <message>
        <source>Runs Kestrom&apos;s image operations without windows, on many files at once.

Commands:
  process         writes a processed copy of each FILE to DIR/&lt;P&gt;&lt;name&gt;&lt;S&gt;.gba,
                  &lt;name&gt; being the file name without its last four characters,
                  and prints one log line per file. With --dat-names, &lt;name&gt;
                  is the DAT&apos;s rom name of each FILE the DAT knows (without
                  .gba, a / made _, control characters left out).
  remove-eh       writes a copy of each FILE without its ExitHack patch, named
                  the same way.
  info            prints one line per FILE, separated by tabs: its path, size,
                  internal name, country, maker, and the identifier of the save
                  library it links (e.g. FLASH1M_V103, EEPROM_V124) or none.
  rename          writes TEXT into the internal name of each FILE, in place:
                  its first 12 characters, filled up with zero bytes. The
                  header&apos;s check byte is corrected when it was right before.
  check           prints one line per FILE, separated by tabs: its path,
                  whether the header complement (byte 0xBD) is correct, whether
                  the image carries an intro (an entry branch other than the
                  standard one that does not lead to an ExitHack patch), whether
                  it carries the ExitHack patch, and whether it is trimmed (its
                  size is not a power of two).
  fix-header      stores the correct header complement in each FILE whose
                  complement is wrong, replacing the file in one piece; nothing
                  else changes.
  pad             writes a copy of each FILE to DIR under its own name, padded
                  up to the next power of two with the fill byte, the inverse of
                  trimming: trimming the copy gives FILE back.
  verify          checks each FILE against a Logiqx XML DAT of good dumps and
                  prints one line per FILE, separated by tabs: its path, the
                  verdict, and the DAT&apos;s game name when one matches, in the
                  order of the FILEs (checked on every core). verified: an
                  entry matches the image as it is (size, CRC-32 and the
                  strongest digest the entry gives: SHA-1, else MD5);
                  verified-padded: the image matches an entry
                  once padded up to its size with FF or 00 (a trimmed good
                  dump); verified-restored: it matches, as it is or padded,
                  once its ExitHack patch is taken off as remove-eh does
                  (nothing is written); unknown: no entry matches. With
                  --missing, then one line per game of the DAT that no FILE
                  matched (missing, a tab, its name), and a last line with
                  the counts (have N of M).

A FILE ending in .zip stands for the .gba images it holds (except for rename
and fix-header, which change only .gba files): they are read from the archive
into memory, never unpacked to disk, and named ARCHIVE:MEMBER. An image or
member larger than 64 MiB is refused.

Actions of process:
  --remove-intro  points the entry branch back at the game
  --truncate      cuts the padding at the end of the image
  --exithack      appends the ExitHack patch
  --all           all three; the actions always run in the order intro
                  removal, trimming, ExitHack patch

Options:
  --patch FILE    the ExitHack patch; by default the patch.wnt in
                  ~/.local/share/kestrom/ ($XDG_DATA_HOME/kestrom/) when there
                  is one, else the one that comes with this program. That one
                  is a stand-in that only starts the game: it has no way back
                  to the menu shell. Put the shell&apos;s own patch.wnt in the
                  data folder for the real exit.
  --prefix P      put before each output name
  --suffix S      put after each output name, before .gba
  --output DIR    the folder for the copies, created when missing
  --fill 00|FF    the padding byte of pad; by default the one trimming would
                  cut (00 when the last byte is 00, else FF)
  --dat FILE.dat  the DAT file verify checks against, or that --dat-names
                  takes names from

Exit status:
  0               every file succeeded
  1               a file failed, or was left unpatched or unprocessed, or
                  (check) has a wrong complement, or (verify) is unknown
  2               a usage error, (verify) a DAT that cannot be read, or an
                  unexpected error that stopped the run
</source>
        <translation>Führt die Image-Operationen von Kestrom ohne Fenster aus, auf vielen Dateien zugleich.

Befehle:
  process         schreibt eine bearbeitete Kopie jeder DATEI nach VERZ/&lt;P&gt;&lt;Name&gt;&lt;S&gt;.gba,
                  wobei &lt;Name&gt; der Dateiname ohne seine letzten vier Zeichen ist,
                  und gibt je Datei eine Protokollzeile aus. Mit --dat-names ist
                  &lt;Name&gt; der Rom-Name der DAT für jede DATEI, die sie kennt
                  (ohne .gba, ein / wird _, Steuerzeichen fallen weg).
  remove-eh       schreibt eine Kopie jeder DATEI ohne ihren ExitHack-Patch,
                  ebenso benannt.
  info            gibt je DATEI eine durch Tabulatoren getrennte Zeile aus: ihren
                  Pfad, Größe, internen Namen, Land, Hersteller und die Kennung
                  der Speicherbibliothek, die sie einbindet (z. B. FLASH1M_V103,
                  EEPROM_V124), oder none.
  rename          schreibt TEXT als internen Namen in jede DATEI, an Ort und
                  Stelle: seine ersten 12 Zeichen, mit Nullbytes aufgefüllt. Das
                  Prüfbyte des Headers wird berichtigt, wenn es vorher stimmte.
  check           gibt je DATEI eine durch Tabulatoren getrennte Zeile aus: ihren
                  Pfad, ob das Header-Komplement (Byte 0xBD) stimmt, ob das Image
                  ein Intro trägt (einen anderen als den Standard-Einsprung, der
                  nicht zu einem ExitHack-Patch führt), ob es den ExitHack-Patch
                  trägt und ob es gekürzt ist (seine Größe keine Zweierpotenz ist).
  fix-header      speichert das richtige Header-Komplement in jeder DATEI mit
                  falschem Komplement und ersetzt die Datei in einem Stück; sonst
                  ändert sich nichts.
  pad             schreibt eine Kopie jeder DATEI unter ihrem eigenen Namen nach
                  VERZ, mit dem Füllbyte bis zur nächsten Zweierpotenz aufgefüllt,
                  die Umkehrung des Kürzens: Kürzen der Kopie ergibt wieder DATEI.
  verify          prüft jede DATEI gegen eine Logiqx-XML-DAT guter Dumps und gibt
                  je DATEI eine durch Tabulatoren getrennte Zeile aus: ihren Pfad,
                  das Urteil und den Spielnamen der DAT, wenn einer passt, in
                  der Reihenfolge der DATEIen (auf allen Kernen geprüft).
                  verified: ein Eintrag passt auf das Image, wie es ist (Größe,
                  CRC-32 und der stärkste Hashwert, den der Eintrag angibt:
                  SHA-1, sonst MD5); verified-padded: das Image passt auf einen
                  Eintrag, wenn es mit FF oder 00 bis zu dessen Größe aufgefüllt
                  wird (ein gekürzter guter Dump); verified-restored: es passt,
                  wie es ist oder aufgefüllt, ohne seinen ExitHack-Patch, so
                  entfernt wie von remove-eh (es wird nichts geschrieben);
                  unknown: kein Eintrag passt. Mit --missing folgt je Spiel der
                  DAT, auf das keine DATEI passte, eine Zeile (missing, ein
                  Tabulator, sein Name) und eine letzte Zeile mit den Zahlen
                  (have N of M).

Eine DATEI, die auf .zip endet, steht für die .gba-Images darin (außer bei
rename und fix-header, die nur .gba-Dateien ändern): Sie werden aus dem Archiv in
den Speicher gelesen, nie auf die Festplatte entpackt, und ARCHIV:EINTRAG genannt.
Ein Image oder Eintrag über 64 MiB wird abgelehnt.

Aktionen von process:
  --remove-intro  richtet den Einsprung wieder auf das Spiel
  --truncate      schneidet die Füllung am Ende des Images ab
  --exithack      hängt den ExitHack-Patch an
  --all           alle drei; die Aktionen laufen immer in der Reihenfolge Intro
                  entfernen, Kürzen, ExitHack-Patch

Optionen:
  --patch DATEI   der ExitHack-Patch; ohne Angabe die patch.wnt in
                  ~/.local/share/kestrom/ ($XDG_DATA_HOME/kestrom/), wenn es sie
                  gibt, sonst die, die mit diesem Programm kommt. Diese ist ein
                  Platzhalter, der nur das Spiel startet: Er führt nicht zur
                  Menü-Shell zurück. Für den echten Ausstieg die patch.wnt der
                  Shell in den Datenordner legen.
  --prefix P      vor jeden Ausgabenamen gesetzt
  --suffix S      hinter jeden Ausgabenamen gesetzt, vor .gba
  --output VERZ   der Ordner für die Kopien, angelegt, wenn er fehlt
  --fill 00|FF    das Füllbyte von pad; ohne Angabe das, welches das Kürzen
                  abschneiden würde (00, wenn das letzte Byte 00 ist, sonst FF)
  --dat DATEI.dat die DAT-Datei, gegen die verify prüft oder aus der
                  --dat-names die Namen nimmt

Exit-Status:
  0               jede Datei ist gelungen
  1               eine Datei ist misslungen oder blieb ungepatcht oder
                  unbearbeitet, oder (check) hat ein falsches Komplement, oder
                  (verify) ist unbekannt
  2               ein Aufruffehler, (verify) eine DAT, die sich nicht lesen
                  lässt, oder ein unerwarteter Fehler, der den Lauf beendet hat
</translation>
    </message>
    <message>
        <source>kestrom-cli: stopped by an unexpected error: %s</source>
        <translation>kestrom-cli: durch einen unerwarteten Fehler beendet: %s</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>ohne Angabe eines Grundes</translation>
    </message>
    <message>
        <source>verify needs --dat FILE.dat.</source>
        <translation>verify braucht --dat DATEI.dat.</translation>
    </message>
    <message>
        <source>--dat-names and --dat FILE.dat go together.</source>
        <translation>--dat-names und --dat DATEI.dat gehören zusammen.</translation>
    </message>
    <message>
        <source>Verify with DAT file...</source>
        <translation>Mit DAT-Datei verifizieren...</translation>
    </message>
    <message>
        <source>Names from DAT</source>
        <translation>Namen aus DAT</translation>
    </message>
    <message>
        <source>Verify with DAT file</source>
        <translation>Mit DAT-Datei verifizieren</translation>
    </message>
    <message>
        <source>DAT files (*.dat, *.xml)</source>
        <translation>DAT-Dateien (*.dat, *.xml)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>%d images checked against %s:
%d verified
%d verified when padded
%d verified when restored
%d unknown
%d unreadable
The list holds %d of the DAT&apos;s %d games.</source>
        <translation>%d Images gegen %s geprüft:
%d verifiziert
%d verifiziert, aufgefüllt
%d verifiziert, wiederhergestellt
%d unbekannt
%d nicht lesbar
Die Liste enthält %d der %d Spiele der DAT.</translation>
    </message>
    <message>
        <source>No DAT file has been picked yet: verify the list with one first.</source>
        <translation>Es wurde noch keine DAT-Datei gewählt: Verifizieren Sie die Liste zuerst mit einer.</translation>
    </message>
    <message>
        <source>%d of %d images named from %s.</source>
        <translation>%d von %d Images nach %s benannt.</translation>
    </message>
    <message>
        <source>%s would replace the source file %s; nothing was written.</source>
        <translation>%s würde die Quelldatei %s ersetzen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The output of the rom %s,
%s,
would replace the source file
%s
Nothing has been written. Please change the output folder, the prefix or the suffix.</source>
        <translation>Die Ausgabe des Roms %s,
%s,
würde die Quelldatei
%s
ersetzen. Es wurde nichts geschrieben. Bitte ändern Sie das Ausgabeverzeichnis, das Präfix oder das Suffix.</translation>
    </message>
    <message>
        <source>The name cannot hold the character &quot;%s&quot;: no file name can. The name was not changed.</source>
        <translation>Der Name kann das Zeichen &quot;%s&quot; nicht enthalten: Kein Dateiname kann das. Der Name wurde nicht geändert.</translation>
    </message>
    <message>
        <source>NUL</source>
        <translation>NUL</translation>
    </message>
    <message>
        <source>not patched: the entry branch cannot reach a patch appended beyond 32 MiB.</source>
        <translation>nicht gepatcht: Der Einsprung erreicht keinen Patch, der hinter 32 MiB angehängt wird.</translation>
    </message>
    <message>
        <source>the archive no longer holds this member where it was listed.</source>
        <translation>das Archiv enthält diese Datei nicht mehr an der Stelle, an der sie aufgeführt wurde.</translation>
    </message>
    <message>
        <source>Try &apos;kestrom-cli --help&apos;.</source>
        <translation>Mehr dazu: &apos;kestrom-cli --help&apos;.</translation>
    </message>
    <message>
        <source>its output name would hold a control character; nothing was written for it.</source>
        <translation>sein Ausgabename enthielte ein Steuerzeichen; dafür wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%s&quot;
is a folder, not a Zip file.</source>
        <translation>&quot;%s&quot;
ist ein Ordner, keine Zip-Datei.</translation>
    </message>
    <message>
        <source>&quot;%s&quot;
is not a regular file.</source>
        <translation>&quot;%s&quot;
ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>&quot;%s&quot;
is damaged: the data of its members overlap.</source>
        <translation>&quot;%s&quot;
ist beschädigt: die Daten ihrer Dateien überlappen sich.</translation>
    </message>
    <message>
        <source>not unpacked: its name leads out of the folder or is too long for the file system</source>
        <translation>nicht entpackt: sein Name führt aus dem Ordner hinaus oder ist für das Dateisystem zu lang</translation>
    </message>
    <message>
        <source>not unpacked: the archive cannot be read or is damaged</source>
        <translation>nicht entpackt: das Archiv kann nicht gelesen werden oder ist beschädigt</translation>
    </message>
    <message>
        <source>not unpacked: its data are damaged (CRC error or wrong size)</source>
        <translation>nicht entpackt: seine Daten sind beschädigt (CRC-Fehler oder falsche Größe)</translation>
    </message>
    <message>
        <source>not unpacked: it is compressed by a method that cannot be unpacked</source>
        <translation>nicht entpackt: es ist mit einem Verfahren komprimiert, das nicht entpackt werden kann</translation>
    </message>
    <message>
        <source>not unpacked: it is encrypted, and no password that fits was given</source>
        <translation>nicht entpackt: es ist verschlüsselt, und kein passendes Kennwort wurde angegeben</translation>
    </message>
    <message>
        <source>not unpacked: its file cannot be written: %s</source>
        <translation>nicht entpackt: seine Datei kann nicht geschrieben werden: %s</translation>
    </message>
    <message>
        <source>not unpacked: its data lie outside the archive file</source>
        <translation>nicht entpackt: seine Daten liegen außerhalb der Archivdatei</translation>
    </message>
    <message>
        <source>not unpacked: it is larger than %s</source>
        <translation>nicht entpackt: es ist größer als %s</translation>
    </message>
    <message>
        <source>%s: the archive cannot be imported: %s</source>
        <translation>%s: Das Archiv kann nicht importiert werden: %s</translation>
    </message>
    <message>
        <source>The extraction of the %s Zip Archive was cancelled.</source>
        <translation>Das Entpacken des Zip-Archivs %s wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%s
%s names the same file as an earlier member of this archive and was left out.</source>
        <translation>%s
%s bezeichnet dieselbe Datei wie ein früheres Element dieses Archivs und wurde ausgelassen.</translation>
    </message>
    <message>
        <source>%s:%s
%s</source>
        <translation>%s:%s
%s</translation>
    </message>
    <message>
        <source>%s
The unzip module could not be replaced: %s</source>
        <translation>%s
Das Entpackmodul konnte nicht ersetzt werden: %s</translation>
    </message>
    <message>
        <source>Read beyond end of file.</source>
        <translation>Lesen über das Dateiende hinaus.</translation>
    </message>
    <message>
        <source>A setting cannot hold a line break.</source>
        <translation>Eine Einstellung darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>--prefix and --suffix cannot hold &quot;/&quot;: every output goes into the --output folder.</source>
        <translation>--prefix und --suffix dürfen kein &quot;/&quot; enthalten: jede Ausgabe kommt in den Ordner von --output.</translation>
    </message>
    <message>
        <source>kestrom-cli: what it printed could not all be written to standard output.</source>
        <translation>kestrom-cli: nicht alles Ausgegebene konnte in die Standardausgabe geschrieben werden.</translation>
    </message>
    <message>
        <source>The roms %s and %s would both be written to
%s
Nothing has been written. Please change one of their names.</source>
        <translation>Die Roms %s und %s würden beide geschrieben nach
%s
Es wurde nichts geschrieben. Bitte ändern Sie einen ihrer Namen.</translation>
    </message>
    <message>
        <source>Patch file :</source>
        <translation>Patch-Datei :</translation>
    </message>
    <message>
        <source>%s (missing)</source>
        <translation>%s (fehlt)</translation>
    </message>
    <message>
        <source>%s
A patch.wnt in %s is taken before the one that comes with Kestrom.</source>
        <translation>%s
Eine patch.wnt in %s wird vor der genommen, die mit Kestrom kommt.</translation>
    </message>
    <message>
        <source>[Actions: Remove ExitHack patch]</source>
        <translation>[Aktionen: ExitHack-Patch entfernen]</translation>
    </message>
    <message>
        <source>%d of %d images written without the ExitHack patch.</source>
        <translation>%d von %d Images ohne ExitHack-Patch geschrieben.</translation>
    </message>
</context>
</TS>
