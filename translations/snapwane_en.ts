<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Snapwane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Quenfield Snapwane&lt;/b&gt;, version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Released %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the MIT licence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Snapwane software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapwane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CColorCorrectionDlg</name>
    <message>
        <source>Color correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grey scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ontrast</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFileProgressDlg</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>READY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading photos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos loaded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0000 photos loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reduce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More commands</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPhotoApp</name>
    <message>
        <source>Quickly prepares your photos for sending by email or via the Internet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPhotoCollection</name>
    <message>
        <source>You cannot load more than 1000 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size, bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width x Height</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPhotoListView</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, photo %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPhotoProgressDlg</name>
    <message>
        <source>Photo progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CViewPhotoSizesDlg</name>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWizStep1Dlg</name>
    <message>
        <source>Reduce photos - size and quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced</source>
        <translation>
            <numerusform>%n file in %1 would be replaced</numerusform>
            <numerusform>%n files in %1 would be replaced</numerusform>
        </translation>
    </message>
    <message>
        <source> (the original of one of your photos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> (%n of them original(s) of your photos)</source>
        <translation>
            <numerusform> (%n of them the original of one of your photos)</numerusform>
            <numerusform> (%n of them originals of your photos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>. Replace them?</source>
        <translation>
            <numerusform>. Replace it?</numerusform>
            <numerusform>. Replace them?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Show size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 to 100 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size of the photos now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size of the reduced photos, against the input</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWizStep2Dlg</name>
    <message>
        <source>Reduce photos - output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a folder for output files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the full path of the output folder, for example %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter one plain e-mail address, such as name@example.org.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Where should the reduced photos be written?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Merge all photos into one file (self-extracting archive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Merge all photos into one file (zip archive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create an &amp;e-mail with this file to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail &amp;address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CollectionEditor</name>
    <message>
        <source>Remove all files from the list, are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>the name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file name cannot hold &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file name cannot hold control characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than the memory allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a JPEG photo or damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smaller than %1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file name not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reduced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copied unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large to decode in the memory allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the target size must be positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too narrow or too tall for the box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be encoded as JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the output file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed unexpectedly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown outcome</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileLoader</name>
    <message>
        <source>Select and add JPEG photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jpeg photos (*.jpg, *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no free memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 loaded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderLoadJob</name>
    <message>
        <source>Select a folder with photos (*.jpg, *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No free memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderLoader</name>
    <message>
        <source>cannot list the folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folder name not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to include all subdirectories?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocaleFormat</name>
    <message>
        <source>%1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>&amp;Load JPEG photos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load photos - JPEG files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load from &amp;folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load JPEG photos from folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load from folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load from &amp;camera...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load JPEG photos from camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load from camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove &amp;all photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all photos from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View the selected photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo &amp;list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Last photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate &amp;-90 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate photo -90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate -90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate &amp;+90 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate photo +90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate +90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color correction...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ull screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slide show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run and print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run this file and print photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run and Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduce photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents	F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Snapwane...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program&apos;s version and the maker&apos;s addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) loaded</source>
        <translation>
            <numerusform>%n photo loaded</numerusform>
            <numerusform>%n photos loaded</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PassedOverFiles</name>
    <message numerus="yes">
        <source>%n file(s) were not loaded:</source>
        <translation>
            <numerusform>%n file was not loaded:</numerusform>
            <numerusform>%n files were not loaded:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... and %n more</numerusform>
            <numerusform>... and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReductionProgress</name>
    <message>
        <source>%1 of %2 prepared</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReductionWorker</name>
    <message>
        <source>Would you like to open the output folder with new photos?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be made:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 was made, but no mail program could be opened to send it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No photo was written, so the file %1 was not made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photos cannot be written into the output folder
%1
%2.
The reduction has stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File error:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the packer %1 could not be run. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be opened: no program to open it was found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SizeChoice</name>
    <message>
        <source>320 x 240     (~15 KBytes) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>640 x 480     (~45 KBytes) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800 x 600     (~90 KBytes)  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1024 x 768   (~130 KBytes) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No change (copy only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output photo size:      Total ~ %1 KBytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output photo size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>Snapwane user guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
