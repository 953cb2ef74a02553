<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Name der Website</translation>
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
        <translation>Ländercode (2-stellig)</translation>
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
</TS>
