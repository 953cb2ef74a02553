<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Orders a custom search box for your web site.</source>
        <translation>Bestellt ein eigenes Suchfeld für Ihre Website.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>profile</source>
        <extracomment>The name of the argument, as the help&apos;s list of arguments shows it.</extracomment>
        <translation>Profil</translation>
    </message>
    <message>
        <source>A profile (.dat) to open in the form.</source>
        <translation>Ein Profil (.dat), das im Formular geöffnet wird.</translation>
    </message>
    <message>
        <source>[profile]</source>
        <extracomment>The argument as the help&apos;s usage line shows it.</extracomment>
        <translation>[Profil]</translation>
    </message>
    <message>
        <source>Only one profile can be opened at a time.</source>
        <translation>Es kann immer nur ein Profil geöffnet werden.</translation>
    </message>
    <message>
        <source>Prints the registrations kept, newest first, one a line: date, ID code, site name, site URL and e-mail, separated by tabs.</source>
        <translation>Gibt die aufbewahrten Registrierungen aus, die neueste zuerst, eine je Zeile: Datum, ID-Code, Website-Name, Website-URL und E-Mail, durch Tabulatoren getrennt.</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Site Name</source>
        <translation>Website-Name</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Password (for future modifications)</source>
        <translation>Passwort (für spätere Änderungen)</translation>
    </message>
    <message>
        <source>Please provide the URL of the image you want to use as your logo.  The required dimensions are 175 pixels wide by 60 pixels high.  The image should reside on your server and the path to  the image needs to be exact. </source>
        <translation>Bitte geben Sie die URL des Bildes an, das Sie als Logo verwenden möchten. Das Bild muss 175 Pixel breit und 60 Pixel hoch sein. Es sollte auf Ihrem Server liegen, und der Pfad zum Bild muss genau stimmen.</translation>
    </message>
    <message>
        <source>(i.e. http://www.yoursite.com/images/logo.gif)</source>
        <translation>(z. B. http://www.yoursite.com/images/logo.gif)</translation>
    </message>
    <message>
        <source>Please provide the URL that you want people to go to if they click on your logo.</source>
        <translation>Bitte geben Sie die URL an, zu der Besucher gelangen sollen, wenn sie auf Ihr Logo klicken.</translation>
    </message>
    <message>
        <source>(i.e. http://www.yoursite.com/index.html)</source>
        <translation>(z. B. http://www.yoursite.com/index.html)</translation>
    </message>
    <message>
        <source>IMAGE</source>
        <translation>BILD</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Link Text Color</source>
        <translation>Textfarbe der Links</translation>
    </message>
    <message>
        <source>Visited Link Text Color</source>
        <translation>Textfarbe besuchter Links</translation>
    </message>
    <message>
        <source>Active Link Text Color</source>
        <translation>Textfarbe aktiver Links</translation>
    </message>
    <message>
        <source>Search Result Bar Color</source>
        <translation>Farbe der Ergebnisleiste</translation>
    </message>
    <message>
        <source>Search Result Bar Text Color</source>
        <translation>Textfarbe der Ergebnisleiste</translation>
    </message>
    <message>
        <source>LINK 2</source>
        <translation>LINK 2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Url</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>LINK 3</source>
        <translation>LINK 3</translation>
    </message>
    <message>
        <source>LINK 4</source>
        <translation>LINK 4</translation>
    </message>
    <message>
        <source>LINK 1</source>
        <translation>LINK 1</translation>
    </message>
    <message>
        <source>Target your Customized Tavimor.  You can target your search engine by picking a category from the list or by typing a keyword that you want your search to always include.</source>
        <translation>Richten Sie Ihr eigenes Tavimor gezielt aus: Wählen Sie eine Kategorie aus der Liste oder geben Sie ein Stichwort ein, das Ihre Suche immer einschließen soll.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Type of Site</source>
        <translation>Art der Website</translation>
    </message>
    <message>
        <source>Country Code (2 digit code)</source>
        <translation>Ländercode (zweistellig)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Absenden</translation>
    </message>
    <message>
        <source>Would you like your own custom branded search engine? Tavimor allows you to create a custom branded, fully functional search engine (complete with content) for your site in minutes. This program is equipped with an easy to navigate interface.</source>
        <translation>Möchten Sie eine eigene Suchmaschine im Erscheinungsbild Ihrer Marke? Mit Tavimor erstellen Sie in wenigen Minuten eine voll funktionsfähige Suchmaschine (samt Inhalten) für Ihre Website. Das Programm ist einfach und übersichtlich zu bedienen.</translation>
    </message>
    <message>
        <source>In order to create your custom search engine, you need to fill all the fields in the various tabs and then click on the &quot;Submit&quot; button. HTML code will be generated that you will receive via email. Just paste that code on your site and VIOLA, you&apos;re done!!</source>
        <translation>Um Ihre eigene Suchmaschine zu erstellen, füllen Sie alle Felder auf den verschiedenen Registerkarten aus und klicken dann auf „Absenden“. Sie erhalten daraufhin HTML-Code per E-Mail. Fügen Sie diesen Code einfach in Ihre Website ein, und schon sind Sie fertig!</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>Tavimor Version 1.0</source>
        <translation>Tavimor Version 1.0</translation>
    </message>
    <message>
        <source>Your own custom search engine</source>
        <translation>Ihre eigene Suchmaschine</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tavimor 1.1</source>
        <translation>Tavimor 1.1</translation>
    </message>
    <message>
        <source>About Tavimor</source>
        <translation>Über Tavimor</translation>
    </message>
</context>
<context>
    <name>FieldHint</name>
    <message>
        <source>This is not a complete web address. It should start with http:// or https:// and a host name, as in http://www.example.com/.</source>
        <translation>Dies ist keine vollständige Webadresse. Sie sollte mit http:// oder https:// und einem Hostnamen beginnen, wie in http://www.example.com/.</translation>
    </message>
    <message>
        <source>This address does not end in the name of an image file (.gif, .jpg, .jpeg, .png, .svg or .webp), but the logo has to be an image.</source>
        <translation>Diese Adresse endet nicht auf den Namen einer Bilddatei (.gif, .jpg, .jpeg, .png, .svg oder .webp), das Logo muss aber ein Bild sein.</translation>
    </message>
    <message>
        <source>This link has a title but no address.</source>
        <translation>Dieser Link hat einen Titel, aber keine Adresse.</translation>
    </message>
    <message>
        <source>This link has an address but no title.</source>
        <translation>Dieser Link hat eine Adresse, aber keinen Titel.</translation>
    </message>
    <message>
        <source>This does not look like an e-mail address, such as jane@example.com.</source>
        <translation>Dies sieht nicht nach einer E-Mail-Adresse wie jane@example.com aus.</translation>
    </message>
    <message>
        <source>This is not a two-letter country code, such as US, GB or DE.</source>
        <translation>Dies ist kein Ländercode aus zwei Buchstaben wie US, GB oder DE.</translation>
    </message>
    <message>
        <source>The service does not know this colour and will use %1 instead.</source>
        <extracomment>%1 is the colour&apos;s code, such as #FFFFFF.</extracomment>
        <translation>Der Dienst kennt diese Farbe nicht und verwendet stattdessen %1.</translation>
    </message>
    <message>
        <source>The service does not know this colour and will use %1 (%2) instead.</source>
        <extracomment>%1 is the colour&apos;s name as its list shows it, which stays in English (the service knows it by that name); %2 its code, such as #FFFFFF.</extracomment>
        <translation>Der Dienst kennt diese Farbe nicht und verwendet stattdessen %1 (%2).</translation>
    </message>
</context>
<context>
    <name>MessageBoxPrompts</name>
    <message>
        <source>Tavimor</source>
        <extracomment>The title of every message box: the program&apos;s name.</extracomment>
        <translation>Tavimor</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Send Anyway</source>
        <translation>Trotzdem &amp;absenden</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>ProfileField</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Password (for future modifications)</source>
        <translation>Passwort (für spätere Änderungen)</translation>
    </message>
    <message>
        <source>Site Name</source>
        <translation>Website-Name</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Logo image URL</source>
        <translation>URL des Logobilds</translation>
    </message>
    <message>
        <source>Logo link URL</source>
        <translation>URL des Logo-Links</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Active Link Text Color</source>
        <translation>Textfarbe aktiver Links</translation>
    </message>
    <message>
        <source>Link Text Color</source>
        <translation>Textfarbe der Links</translation>
    </message>
    <message>
        <source>Search Result Bar Color</source>
        <translation>Farbe der Ergebnisleiste</translation>
    </message>
    <message>
        <source>Search Result Bar Text Color</source>
        <translation>Textfarbe der Ergebnisleiste</translation>
    </message>
    <message>
        <source>Visited Link Text Color</source>
        <translation>Textfarbe besuchter Links</translation>
    </message>
    <message>
        <source>LINK 1 Title</source>
        <translation>LINK 1 Titel</translation>
    </message>
    <message>
        <source>LINK 2 Title</source>
        <translation>LINK 2 Titel</translation>
    </message>
    <message>
        <source>LINK 3 Title</source>
        <translation>LINK 3 Titel</translation>
    </message>
    <message>
        <source>LINK 4 Title</source>
        <translation>LINK 4 Titel</translation>
    </message>
    <message>
        <source>LINK 1 Url</source>
        <translation>LINK 1 URL</translation>
    </message>
    <message>
        <source>LINK 2 Url</source>
        <translation>LINK 2 URL</translation>
    </message>
    <message>
        <source>LINK 3 Url</source>
        <translation>LINK 3 URL</translation>
    </message>
    <message>
        <source>LINK 4 Url</source>
        <translation>LINK 4 URL</translation>
    </message>
    <message>
        <source>Country Code (2 digit code)</source>
        <translation>Ländercode (zweistellig)</translation>
    </message>
    <message>
        <source>Type of Site</source>
        <translation>Art der Website</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Target category</source>
        <translation>Zielkategorie</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>it would be %1 bytes long, more than the %2 a profile file can be</source>
        <extracomment>%1 is the size in bytes; %2 the largest a profile can be, such as &quot;2 MiB&quot;.</extracomment>
        <translation>die Datei wäre %1 Byte groß, mehr als die für eine Profildatei zulässigen %2</translation>
    </message>
    <message>
        <source>The profile is incomplete: %1.</source>
        <translation>Das Profil ist unvollständig: %1.</translation>
    </message>
    <message>
        <source>it ends before the field &quot;%1&quot;</source>
        <extracomment>%1 is the field&apos;s label as the form shows it.</extracomment>
        <translation>es endet vor dem Feld „%1“</translation>
    </message>
    <message>
        <source>it ends in the middle of the field &quot;%1&quot;</source>
        <translation>es endet mitten im Feld „%1“</translation>
    </message>
    <message>
        <source>reading it failed (%1)</source>
        <extracomment>%1 is the system&apos;s words for the error.</extracomment>
        <translation>das Lesen ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>it became shorter while it was being read</source>
        <translation>die Datei wurde während des Lesens kürzer</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>you have no permission to read it</source>
        <translation>Sie haben keine Berechtigung, die Datei zu lesen</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>die Datei kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>its size cannot be read (%1)</source>
        <translation>die Dateigröße kann nicht ermittelt werden (%1)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es handelt sich um einen Ordner, nicht um eine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es handelt sich nicht um eine reguläre Datei</translation>
    </message>
    <message>
        <source>it is %1 bytes long, more than the %2 a profile file can be, so it was not read</source>
        <extracomment>%1 is the file&apos;s size in bytes; %2 the largest a profile can be, such as &quot;2 MiB&quot;.</extracomment>
        <translation>die Datei ist %1 Byte groß, mehr als die für eine Profildatei zulässigen %2, daher wurde sie nicht gelesen</translation>
    </message>
    <message>
        <source>Cannot load the profile &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s path; %2 says why, in one of this context&apos;s clauses.</extracomment>
        <translation>Das Profil „%1“ kann nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>you have no permission to write in its folder</source>
        <translation>Sie haben keine Schreibberechtigung für den Ordner</translation>
    </message>
    <message>
        <source>its disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>auf dem Datenträger ist kein Platz mehr frei</translation>
    </message>
    <message>
        <source>it would be larger than this system lets a file be</source>
        <translation>die Datei wäre größer, als dieses System für eine Datei zulässt</translation>
    </message>
    <message>
        <source>writing it failed (%1)</source>
        <translation>das Schreiben ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>Cannot save the profile &quot;%1&quot;: it is a symbolic link that leads round in a circle.</source>
        <translation>Das Profil „%1“ kann nicht gespeichert werden: es handelt sich um eine symbolische Verknüpfung, die im Kreis führt.</translation>
    </message>
    <message>
        <source>Cannot save the profile &quot;%1&quot;: %2. The file was left as it was.</source>
        <extracomment>%1 is the file&apos;s path; %2 says why, in one of this context&apos;s clauses.</extracomment>
        <translation>Das Profil „%1“ kann nicht gespeichert werden: %2. Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Cannot save the profile &quot;%1&quot;: %2.</source>
        <translation>Das Profil „%1“ kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>you have no permission to change it</source>
        <translation>Sie haben keine Berechtigung, die Datei zu ändern</translation>
    </message>
    <message>
        <source>its permissions could not be kept (%1)</source>
        <translation>die Zugriffsrechte der Datei konnten nicht beibehalten werden (%1)</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>The recovery folder &quot;%1&quot; cannot be made (%2).</source>
        <extracomment>%1 is the folder&apos;s path; %2 the system&apos;s words for the error.</extracomment>
        <translation>Der Wiederherstellungsordner „%1“ kann nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source>No recovery copy can be kept in &quot;%1&quot; (%2).</source>
        <translation>In „%1“ kann keine Wiederherstellungskopie angelegt werden (%2).</translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>Error Connecting....Please try again!</source>
        <translation>Fehler beim Verbinden. Bitte versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>There was an error.  Please check your data and try again.</source>
        <translation>Es ist ein Fehler aufgetreten. Bitte überprüfen Sie Ihre Angaben und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 
You will be receiving an email confirming your submission.
Please write your ID code and password down. 
 You will need these information when you edit your settings.</source>
        <extracomment>%1 is the service&apos;s reply that holds the ID code, shown as the service sent it.</extracomment>
        <translation>%1
Sie erhalten eine E-Mail, die Ihre Registrierung bestätigt.
Bitte notieren Sie sich Ihren ID-Code und Ihr Passwort.
Sie benötigen beides, wenn Sie Ihre Einstellungen später ändern möchten.</translation>
    </message>
    <message>
        <source>The submission was stopped.  The service may already have received the form.</source>
        <translation>Das Absenden wurde abgebrochen. Der Dienst hat das Formular möglicherweise bereits erhalten.</translation>
    </message>
</context>
<context>
    <name>SendQuestion</name>
    <message>
        <source>The code for your search box is sent to this address.</source>
        <translation>An diese Adresse wird der Code für Ihr Suchfeld geschickt.</translation>
    </message>
    <message>
        <source>Some fields may be mistyped:

%1

Do you want to send the form anyway?</source>
        <extracomment>%1 is one line per field: its label, a colon and what may be wrong with it.</extracomment>
        <translation>Einige Felder sind möglicherweise falsch eingegeben:

%1

Möchten Sie das Formular trotzdem absenden?</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Screen Shot</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>Contact Info</source>
        <translation>Kontaktdaten</translation>
    </message>
    <message>
        <source>Your Logo</source>
        <translation>Ihr Logo</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Favorite Links</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Target Search</source>
        <translation>Suchziel</translation>
    </message>
</context>
<context>
    <name>tavimor::CMainDialog</name>
    <message>
        <source>&amp;About Tavimor...</source>
        <translation>Ü&amp;ber Tavimor …</translation>
    </message>
    <message>
        <source>Preview of your search results page in the colours chosen</source>
        <translation>Vorschau Ihrer Suchergebnisseite in den gewählten Farben</translation>
    </message>
    <message>
        <source>&amp;Registrations...</source>
        <translation>&amp;Registrierungen...</translation>
    </message>
</context>
<context>
    <name>tavimor::FieldHintMarks</name>
    <message>
        <source>1 field on this page may be mistyped.</source>
        <translation>1 Feld auf dieser Seite ist möglicherweise falsch eingegeben.</translation>
    </message>
    <message numerus="yes">
        <source>%n fields on this page may be mistyped.</source>
        <translation>
            <numerusform>%n Feld auf dieser Seite ist möglicherweise falsch eingegeben.</numerusform>
            <numerusform>%n Felder auf dieser Seite sind möglicherweise falsch eingegeben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavimor::HelpWindow</name>
    <message>
        <source>Tavimor Help</source>
        <translation>Tavimor-Hilfe</translation>
    </message>
    <message>
        <source>The help could not be read from the program (%1). Reinstalling Tavimor should bring it back.</source>
        <extracomment>%1 is the system&apos;s words for the error.</extracomment>
        <translation>Die Hilfe konnte nicht aus dem Programm gelesen werden (%1). Eine Neuinstallation von Tavimor sollte sie wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>tavimor::ProfileActions</name>
    <message>
        <source>Data Files *.DAT</source>
        <extracomment>The Save dialog&apos;s file type, shown as it is; the dialog lists .dat files whatever it says.</extracomment>
        <translation>Datendateien *.DAT</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <extracomment>The Load dialog&apos;s file type; &quot;(*.dat)&quot; stays at the end, where the dialog reads the files it lists.</extracomment>
        <translation>Datendateien (*.dat)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>„%1“ existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>tavimor::RegistrationRecord</name>
    <message>
        <source>The record of registrations could not be opened: %1.</source>
        <translation>Die Liste der Registrierungen konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>The record of registrations was damaged. It was moved aside to %1, and a new record was started.</source>
        <translation>Die Liste der Registrierungen war beschädigt. Sie wurde nach %1 verschoben, und eine neue Liste wurde angelegt.</translation>
    </message>
</context>
<context>
    <name>tavimor::RegistrationRecorder</name>
    <message>
        <source>The registration could not be kept: %1. Please write your ID code and password down.</source>
        <translation>Die Registrierung konnte nicht aufbewahrt werden: %1. Bitte notieren Sie Ihren ID-Code und Ihr Passwort.</translation>
    </message>
    <message>
        <source>The record of registrations was damaged. It was moved aside to %1, and a new record was started.</source>
        <translation>Die Liste der Registrierungen war beschädigt. Sie wurde nach %1 verschoben, und eine neue Liste wurde angelegt.</translation>
    </message>
</context>
<context>
    <name>tavimor::RegistrationsModel</name>
    <message>
        <source>in keyring</source>
        <translation>im Schlüsselbund</translation>
    </message>
    <message>
        <source>not kept</source>
        <translation>nicht aufbewahrt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Site Name</source>
        <translation>Website-Name</translation>
    </message>
    <message>
        <source>Site URL</source>
        <translation>Website-URL</translation>
    </message>
    <message>
        <source>ID Code</source>
        <translation>ID-Code</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>tavimor::RegistrationsWindow</name>
    <message>
        <source>Registrations</source>
        <translation>Registrierungen</translation>
    </message>
    <message>
        <source>One row per registration kept, newest first</source>
        <translation>Eine Zeile je aufbewahrter Registrierung, die neueste zuerst</translation>
    </message>
    <message>
        <source>&amp;Copy ID Code</source>
        <translation>ID-Code &amp;kopieren</translation>
    </message>
    <message>
        <source>Puts the ID code of the chosen registration on the clipboard</source>
        <translation>Legt den ID-Code der gewählten Registrierung in die Zwischenablage</translation>
    </message>
    <message>
        <source>Copy &amp;Password</source>
        <translation>&amp;Passwort kopieren</translation>
    </message>
    <message>
        <source>Puts the password of the chosen registration on the clipboard, from the keyring, without showing it</source>
        <translation>Legt das Passwort der gewählten Registrierung aus dem Schlüsselbund in die Zwischenablage, ohne es anzuzeigen</translation>
    </message>
    <message>
        <source>&amp;Load This Form</source>
        <translation>Dieses Formular &amp;laden</translation>
    </message>
    <message>
        <source>Loads the form of the chosen registration, as it was sent, into the main window</source>
        <translation>Lädt das Formular der gewählten Registrierung, wie es gesendet wurde, ins Hauptfenster</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Removes the chosen registration from the record and its password from the keyring</source>
        <translation>Entfernt die gewählte Registrierung aus der Liste und ihr Passwort aus dem Schlüsselbund</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Writes every registration, without passwords, to a CSV file</source>
        <translation>Schreibt alle Registrierungen ohne Passwörter in eine CSV-Datei</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
    <message>
        <source>The record of registrations could not be read: %1.</source>
        <translation>Die Liste der Registrierungen konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No registration has been kept yet.</source>
        <translation>Es wurde noch keine Registrierung aufbewahrt.</translation>
    </message>
    <message>
        <source>The ID code is on the clipboard.</source>
        <translation>Der ID-Code ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The password is on the clipboard.</source>
        <translation>Das Passwort ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The password could not be copied: %1.</source>
        <translation>Das Passwort konnte nicht kopiert werden: %1.</translation>
    </message>
    <message>
        <source>The form could not be loaded: %1.</source>
        <translation>Das Formular konnte nicht geladen werden: %1.</translation>
    </message>
    <message>
        <source>Remove the registration of %1 (ID code %2) from the record? Its password is removed from the keyring too.</source>
        <translation>Die Registrierung von %1 (ID-Code %2) aus der Liste entfernen? Ihr Passwort wird auch aus dem Schlüsselbund entfernt.</translation>
    </message>
    <message>
        <source>The registration could not be removed: %1.</source>
        <translation>Die Registrierung konnte nicht entfernt werden: %1.</translation>
    </message>
    <message>
        <source>The registration was removed, but its password is still in the keyring as &quot;%1&quot;: %2.</source>
        <translation>Die Registrierung wurde entfernt, aber ihr Passwort ist noch als „%1“ im Schlüsselbund: %2.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The registrations could not be exported: %1.</source>
        <translation>Die Registrierungen konnten nicht exportiert werden: %1.</translation>
    </message>
    <message>
        <source>The registrations could not be exported to %1: %2.</source>
        <translation>Die Registrierungen konnten nicht nach %1 exportiert werden: %2.</translation>
    </message>
    <message>
        <source>The registrations were exported to %1.</source>
        <translation>Die Registrierungen wurden nach %1 exportiert.</translation>
    </message>
</context>
<context>
    <name>tavimor::UnsavedWork</name>
    <message>
        <source>The form has changes that are not saved.
Do you want to save the form as a profile?</source>
        <translation>Das Formular enthält Änderungen, die nicht gespeichert sind.
Möchten Sie das Formular als Profil speichern?</translation>
    </message>
    <message>
        <source>Tavimor ended before the form was saved.
Do you want to restore the form that was not saved?</source>
        <translation>Tavimor wurde beendet, bevor das Formular gespeichert war.
Möchten Sie das nicht gespeicherte Formular wiederherstellen?</translation>
    </message>
</context>
</TS>
