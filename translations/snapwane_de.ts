<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Snapwane</source>
        <translation>Über Snapwane</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quenfield Snapwane&lt;/b&gt;, version %1</source>
        <translation>&lt;b&gt;Quenfield Snapwane&lt;/b&gt;, Version %1</translation>
    </message>
    <message>
        <source>Released %1</source>
        <translation>Veröffentlicht am %1</translation>
    </message>
    <message>
        <source>Free software under the MIT licence</source>
        <translation>Freie Software unter der MIT-Lizenz</translation>
    </message>
    <message>
        <source>&amp;Home page</source>
        <translation>&amp;Homepage</translation>
    </message>
    <message>
        <source>&amp;E-mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>About Snapwane software</source>
        <translation>Zur Software Snapwane</translation>
    </message>
    <message>
        <source>Snapwane</source>
        <translation>Snapwane</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>CColorCorrectionDlg</name>
    <message>
        <source>Color correction</source>
        <translation>Farbkorrektur</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>&amp;Grey scale</source>
        <translation>&amp;Graustufen</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Helligkeit</translation>
    </message>
    <message>
        <source>C&amp;ontrast</source>
        <translation>&amp;Kontrast</translation>
    </message>
</context>
<context>
    <name>CFileProgressDlg</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>READY</source>
        <translation>FERTIG</translation>
    </message>
    <message>
        <source>Loading photos...</source>
        <translation>Fotos werden geladen …</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Photos loaded</source>
        <translation>Geladene Fotos</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>0000 photos loaded</source>
        <translation>0000 Fotos geladen</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>ROLL</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Photo</source>
        <translation>&amp;Foto</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Blättern</translation>
    </message>
    <message>
        <source>&amp;Reduce</source>
        <translation>&amp;Verkleinern</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
</context>
<context>
    <name>CPhotoApp</name>
    <message>
        <source>Quickly prepares your photos for sending by email or via the Internet</source>
        <translation>Bereitet Ihre Fotos schnell für den Versand per E-Mail oder über das Internet vor</translation>
    </message>
</context>
<context>
    <name>CPhotoCollection</name>
    <message>
        <source>You cannot load more than 1000 files</source>
        <translation>Es können höchstens 1000 Dateien geladen werden</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Size, bytes</source>
        <translation>Größe, Bytes</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Width x Height</source>
        <translation>Breite × Höhe</translation>
    </message>
</context>
<context>
    <name>CPhotoListView</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>%1, photo %2 of %3</source>
        <translation>%1, Foto %2 von %3</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
</context>
<context>
    <name>CPhotoProgressDlg</name>
    <message>
        <source>Photo progress</source>
        <translation>Fortschritt des Fotos</translation>
    </message>
</context>
<context>
    <name>CViewPhotoSizesDlg</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>CWizStep1Dlg</name>
    <message>
        <source>Reduce photos - size and quality</source>
        <translation>Fotos verkleinern – Größe und Qualität</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced</source>
        <translation>
            <numerusform>%n Datei in %1 würde ersetzt</numerusform>
            <numerusform>%n Dateien in %1 würden ersetzt</numerusform>
        </translation>
    </message>
    <message>
        <source> (the original of one of your photos)</source>
        <translation> (das Original eines Ihrer Fotos)</translation>
    </message>
    <message numerus="yes">
        <source> (%n of them original(s) of your photos)</source>
        <translation>
            <numerusform> (davon %n das Original eines Ihrer Fotos)</numerusform>
            <numerusform> (davon %n Originale Ihrer Fotos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>. Replace them?</source>
        <translation>
            <numerusform>. Ersetzen?</numerusform>
            <numerusform>. Ersetzen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Show size</source>
        <translation>&amp;Größe zeigen</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>10 to 100 percent</source>
        <translation>10 bis 100 Prozent</translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation>JPEG-&amp;Qualität:</translation>
    </message>
    <message>
        <source>The size of the photos now</source>
        <translation>Die Größe der Fotos jetzt</translation>
    </message>
    <message>
        <source>The size of the reduced photos, against the input</source>
        <translation>Die Größe der verkleinerten Fotos, gemessen an der Eingabe</translation>
    </message>
</context>
<context>
    <name>CWizStep2Dlg</name>
    <message>
        <source>Reduce photos - output</source>
        <translation>Fotos verkleinern – Ausgabe</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Select a folder for output files</source>
        <translation>Ordner für die Ausgabedateien wählen</translation>
    </message>
    <message>
        <source>Field is empty</source>
        <translation>Das Feld ist leer</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Please enter the full path of the output folder, for example %1.</source>
        <translation>Bitte geben Sie den vollständigen Pfad des Ausgabeordners ein, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; cannot be used: %2.</source>
        <translation>Der Dateiname „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>Please enter one plain e-mail address, such as name@example.org.</source>
        <translation>Bitte geben Sie eine einfache E-Mail-Adresse ein, etwa name@example.org.</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>&amp;Where should the reduced photos be written?</source>
        <translation>&amp;Wohin sollen die verkleinerten Fotos geschrieben werden?</translation>
    </message>
    <message>
        <source>&amp;Merge all photos into one file (self-extracting archive)</source>
        <translation>Alle Fotos in einer Datei &amp;zusammenfassen (selbstentpackendes Archiv)</translation>
    </message>
    <message>
        <source>&amp;Merge all photos into one file (zip archive)</source>
        <translation>Alle Fotos in einer Datei &amp;zusammenfassen (ZIP-Archiv)</translation>
    </message>
    <message>
        <source>Create an &amp;e-mail with this file to</source>
        <translation>Eine &amp;E-Mail mit dieser Datei erstellen an</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Datei&amp;name:</translation>
    </message>
    <message>
        <source>E-mail &amp;address:</source>
        <translation>E-Mail-&amp;Adresse:</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation>&lt;&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
</context>
<context>
    <name>CollectionEditor</name>
    <message>
        <source>Remove all files from the list, are you sure?</source>
        <translation>Wirklich alle Dateien aus der Liste entfernen?</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder</source>
        <translation>„%1“ bezeichnet einen Ordner</translation>
    </message>
    <message>
        <source>a file name cannot hold &quot;%1&quot;</source>
        <translation>ein Dateiname darf kein „%1“ enthalten</translation>
    </message>
    <message>
        <source>a file name cannot hold control characters</source>
        <translation>ein Dateiname darf keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation>der Name ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>angenommen</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>leere Datei</translation>
    </message>
    <message>
        <source>larger than the memory allowed</source>
        <translation>größer als der erlaubte Speicher</translation>
    </message>
    <message>
        <source>not a JPEG photo or damaged</source>
        <translation>kein JPEG-Foto oder beschädigt</translation>
    </message>
    <message>
        <source>smaller than %1 x %2</source>
        <translation>kleiner als %1 × %2</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>file name not valid UTF-8</source>
        <translation>Dateiname ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>reduced</source>
        <translation>verkleinert</translation>
    </message>
    <message>
        <source>copied unchanged</source>
        <translation>unverändert kopiert</translation>
    </message>
    <message>
        <source>too large to decode in the memory allowed</source>
        <translation>zu groß, um im erlaubten Speicher dekodiert zu werden</translation>
    </message>
    <message>
        <source>the target size must be positive</source>
        <translation>die Zielgröße muss positiv sein</translation>
    </message>
    <message>
        <source>too narrow or too tall for the box</source>
        <translation>zu schmal oder zu hoch für den Rahmen</translation>
    </message>
    <message>
        <source>cannot be encoded as JPEG</source>
        <translation>lässt sich nicht als JPEG kodieren</translation>
    </message>
    <message>
        <source>cannot create the output file</source>
        <translation>die Ausgabedatei lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>failed unexpectedly</source>
        <translation>unerwartet fehlgeschlagen</translation>
    </message>
    <message>
        <source>unknown outcome</source>
        <translation>unbekanntes Ergebnis</translation>
    </message>
</context>
<context>
    <name>FileLoader</name>
    <message>
        <source>Select and add JPEG photos</source>
        <translation>JPEG-Fotos auswählen und hinzufügen</translation>
    </message>
    <message>
        <source>Jpeg photos (*.jpg, *.jpeg)</source>
        <translation>JPEG-Fotos (*.jpg, *.jpeg)</translation>
    </message>
    <message>
        <source>There is no free memory</source>
        <translation>Es ist kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>%1 of %2 loaded</source>
        <translation>%1 von %2 geladen</translation>
    </message>
</context>
<context>
    <name>FolderLoadJob</name>
    <message>
        <source>Select a folder with photos (*.jpg, *.jpeg)</source>
        <translation>Ordner mit Fotos wählen (*.jpg, *.jpeg)</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft …</translation>
    </message>
    <message>
        <source>%1 loaded</source>
        <translation>%1 geladen</translation>
    </message>
    <message>
        <source>No free memory</source>
        <translation>Kein Speicher frei</translation>
    </message>
</context>
<context>
    <name>FolderLoader</name>
    <message>
        <source>cannot list the folder: %1</source>
        <translation>der Ordner lässt sich nicht auflisten: %1</translation>
    </message>
    <message>
        <source>folder name not valid UTF-8</source>
        <translation>Ordnername ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>Would you like to include all subdirectories?</source>
        <translation>Sollen alle Unterordner mit geladen werden?</translation>
    </message>
</context>
<context>
    <name>LocaleFormat</name>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>&amp;Load JPEG photos...</source>
        <translation>JPEG-Fotos &amp;laden …</translation>
    </message>
    <message>
        <source>Load photos - JPEG files</source>
        <translation>Fotos laden – JPEG-Dateien</translation>
    </message>
    <message>
        <source>Load photos</source>
        <translation>Fotos laden</translation>
    </message>
    <message>
        <source>Load from &amp;folder...</source>
        <translation>Aus &amp;Ordner laden …</translation>
    </message>
    <message>
        <source>Load JPEG photos from folder</source>
        <translation>JPEG-Fotos aus einem Ordner laden</translation>
    </message>
    <message>
        <source>Load from folder</source>
        <translation>Aus Ordner laden</translation>
    </message>
    <message>
        <source>Load from &amp;camera...</source>
        <translation>Von &amp;Kamera laden …</translation>
    </message>
    <message>
        <source>Load JPEG photos from camera</source>
        <translation>JPEG-Fotos von der Kamera laden</translation>
    </message>
    <message>
        <source>Load from camera</source>
        <translation>Von Kamera laden</translation>
    </message>
    <message>
        <source>Re&amp;move photo</source>
        <translation>Foto ent&amp;fernen</translation>
    </message>
    <message>
        <source>Remove the selected photo</source>
        <translation>Das gewählte Foto entfernen</translation>
    </message>
    <message>
        <source>Remove photo</source>
        <translation>Foto entfernen</translation>
    </message>
    <message>
        <source>Remove &amp;all photos</source>
        <translation>&amp;Alle Fotos entfernen</translation>
    </message>
    <message>
        <source>Remove all photos from the list</source>
        <translation>Alle Fotos aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Remove all photos</source>
        <translation>Alle Fotos entfernen</translation>
    </message>
    <message>
        <source>&amp;Photo</source>
        <translation>&amp;Foto</translation>
    </message>
    <message>
        <source>View the selected photo</source>
        <translation>Das gewählte Foto ansehen</translation>
    </message>
    <message>
        <source>View photo</source>
        <translation>Foto ansehen</translation>
    </message>
    <message>
        <source>&amp;File list</source>
        <translation>&amp;Dateiliste</translation>
    </message>
    <message>
        <source>List of files</source>
        <translation>Liste der Dateien</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>Photo &amp;list</source>
        <translation>Foto&amp;liste</translation>
    </message>
    <message>
        <source>List of photos</source>
        <translation>Liste der Fotos</translation>
    </message>
    <message>
        <source>Photo list</source>
        <translation>Fotoliste</translation>
    </message>
    <message>
        <source>&amp;First photo</source>
        <translation>&amp;Erstes Foto</translation>
    </message>
    <message>
        <source>First photo</source>
        <translation>Erstes Foto</translation>
    </message>
    <message>
        <source>&amp;Previous photo</source>
        <translation>&amp;Vorheriges Foto</translation>
    </message>
    <message>
        <source>Previous photo</source>
        <translation>Vorheriges Foto</translation>
    </message>
    <message>
        <source>&amp;Next photo</source>
        <translation>&amp;Nächstes Foto</translation>
    </message>
    <message>
        <source>Next photo</source>
        <translation>Nächstes Foto</translation>
    </message>
    <message>
        <source>&amp;Last photo</source>
        <translation>&amp;Letztes Foto</translation>
    </message>
    <message>
        <source>Last photo</source>
        <translation>Letztes Foto</translation>
    </message>
    <message>
        <source>Rotate &amp;-90 degrees</source>
        <translation>Um &amp;-90 Grad drehen</translation>
    </message>
    <message>
        <source>Rotate photo -90</source>
        <translation>Foto um -90 Grad drehen</translation>
    </message>
    <message>
        <source>Rotate -90</source>
        <translation>Drehen -90</translation>
    </message>
    <message>
        <source>Rotate &amp;+90 degrees</source>
        <translation>Um &amp;+90 Grad drehen</translation>
    </message>
    <message>
        <source>Rotate photo +90</source>
        <translation>Foto um +90 Grad drehen</translation>
    </message>
    <message>
        <source>Rotate +90</source>
        <translation>Drehen +90</translation>
    </message>
    <message>
        <source>&amp;Color correction...</source>
        <translation>&amp;Farbkorrektur …</translation>
    </message>
    <message>
        <source>Color correction</source>
        <translation>Farbkorrektur</translation>
    </message>
    <message>
        <source>F&amp;ull screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Slide show</source>
        <translation>D&amp;iashow</translation>
    </message>
    <message>
        <source>&amp;Run and print</source>
        <translation>&amp;Öffnen und drucken</translation>
    </message>
    <message>
        <source>Run this file and print photo</source>
        <translation>Diese Datei öffnen und das Foto drucken</translation>
    </message>
    <message>
        <source>Run and Print</source>
        <translation>Öffnen und drucken</translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation>&amp;Starten …</translation>
    </message>
    <message>
        <source>Reduce photos</source>
        <translation>Fotos verkleinern</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>&amp;Contents	F1</source>
        <translation>&amp;Inhalt	F1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Home page</source>
        <translation>&amp;Homepage</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;About Snapwane...</source>
        <translation>&amp;Über Snapwane …</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and the maker&apos;s addresses</source>
        <translation>Version des Programms und Adressen des Herstellers zeigen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Werkzeugleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) loaded</source>
        <translation>
            <numerusform>%n Foto geladen</numerusform>
            <numerusform>%n Fotos geladen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PassedOverFiles</name>
    <message numerus="yes">
        <source>%n file(s) were not loaded:</source>
        <translation>
            <numerusform>%n Datei wurde nicht geladen:</numerusform>
            <numerusform>%n Dateien wurden nicht geladen:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>… und %n weitere</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReductionProgress</name>
    <message>
        <source>%1 of %2 prepared</source>
        <translation>%1 von %2 vorbereitet</translation>
    </message>
</context>
<context>
    <name>ReductionWorker</name>
    <message>
        <source>Would you like to open the output folder with new photos?</source>
        <translation>Möchten Sie den Ausgabeordner mit den neuen Fotos öffnen?</translation>
    </message>
    <message>
        <source>The file %1 could not be made:
%2</source>
        <translation>Die Datei %1 konnte nicht erstellt werden:
%2</translation>
    </message>
    <message>
        <source>The file %1 was made, but no mail program could be opened to send it.</source>
        <translation>Die Datei %1 wurde erstellt, aber es ließ sich kein E-Mail-Programm öffnen, um sie zu senden.</translation>
    </message>
    <message>
        <source>No photo was written, so the file %1 was not made.</source>
        <translation>Es wurde kein Foto geschrieben, daher wurde die Datei %1 nicht erstellt.</translation>
    </message>
    <message>
        <source>The photos cannot be written into the output folder
%1
%2.
The reduction has stopped.</source>
        <translation>Die Fotos können nicht in den Ausgabeordner geschrieben werden
%1
%2.
Das Verkleinern wurde abgebrochen.</translation>
    </message>
    <message>
        <source>File error:</source>
        <translation>Dateifehler:</translation>
    </message>
    <message>
        <source>the packer %1 could not be run. %2</source>
        <translation>das Packprogramm %1 ließ sich nicht starten. %2</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be opened: no program to open it was found.</source>
        <translation>%1 konnte nicht geöffnet werden: Es wurde kein Programm gefunden, das es öffnen kann.</translation>
    </message>
</context>
<context>
    <name>SizeChoice</name>
    <message>
        <source>320 x 240     (~15 KBytes) </source>
        <translation>320 × 240     (~15 KB) </translation>
    </message>
    <message>
        <source>640 x 480     (~45 KBytes) </source>
        <translation>640 × 480     (~45 KB) </translation>
    </message>
    <message>
        <source>800 x 600     (~90 KBytes)  </source>
        <translation>800 × 600     (~90 KB)  </translation>
    </message>
    <message>
        <source>1024 x 768   (~130 KBytes) </source>
        <translation>1024 × 768   (~130 KB) </translation>
    </message>
    <message>
        <source>Other: </source>
        <translation>Andere: </translation>
    </message>
    <message>
        <source>No change (copy only)</source>
        <translation>Unverändert (nur kopieren)</translation>
    </message>
    <message>
        <source>Output photo size:      Total ~ %1 KBytes</source>
        <translation>Größe der Ausgabefotos:      Gesamt ~ %1 KB</translation>
    </message>
    <message>
        <source>Output photo size</source>
        <translation>Größe der Ausgabefotos</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>Snapwane user guide</source>
        <translation>Snapwane-Benutzerhandbuch</translation>
    </message>
</context>
</TS>
