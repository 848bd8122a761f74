<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Gallery</name>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Frame header label</source>
        <translation>Rahmenüberschrift</translation>
    </message>
    <message>
        <source>A description label explains what the frame below is about. It wraps when it is long.</source>
        <translation>Eine Beschreibung erklärt, worum es im Rahmen darunter geht. Lange Texte werden umbrochen.</translation>
    </message>
    <message>
        <source>Styled group box</source>
        <translation>Gestaltete Gruppe</translation>
    </message>
    <message>
        <source>Push button</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>Default button</source>
        <translation>Standardschaltfläche</translation>
    </message>
    <message>
        <source>Disabled button</source>
        <translation>Deaktivierte Schaltfläche</translation>
    </message>
    <message>
        <source>Unchecked</source>
        <translation>Nicht markiert</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>Partly checked</source>
        <translation>Teilweise markiert</translation>
    </message>
    <message>
        <source>Line edit</source>
        <translation>Eingabezeile</translation>
    </message>
    <message>
        <source>Basics</source>
        <translation>Grundlagen</translation>
    </message>
    <message>
        <source>Navigation steps</source>
        <translation>Navigationsschritte</translation>
    </message>
    <message>
        <source>Steps open one by one. Visited steps stay enabled, the current one is checked, the ones ahead are disabled until the reader gets there.</source>
        <translation>Die Schritte öffnen sich nacheinander. Besuchte Schritte bleiben aktiv, der aktuelle ist markiert, die folgenden sind gesperrt, bis man sie erreicht.</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <source>Enabled, checked and disabled</source>
        <translation>Aktiv, markiert und gesperrt</translation>
    </message>
    <message>
        <source>With a hidden neighbour</source>
        <translation>Mit verborgenem Nachbarn</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Ausprobieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Step %1 clicked</source>
        <translation>Schritt %1 angeklickt</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Navigation steps and their group: checked, enabled, disabled, hidden.</source>
        <translation>Navigationsschritte und ihre Gruppe: markiert, aktiv, gesperrt, verborgen.</translation>
    </message>
    <message>
        <source>Pixmap buttons</source>
        <translation>Bildschaltflächen</translation>
    </message>
    <message>
        <source>A pixmap button is a picture that clicks. Its size follows the pixmap; a 2x pixmap takes the same room as a 1x one and stays sharp on high-resolution screens.</source>
        <translation>Eine Bildschaltfläche ist ein anklickbares Bild. Ihre Größe folgt dem Bild; ein 2x-Bild braucht so viel Platz wie ein 1x-Bild und bleibt auf hochauflösenden Bildschirmen scharf.</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>1x pixmap</source>
        <translation>1x-Bild</translation>
    </message>
    <message>
        <source>2x pixmap</source>
        <translation>2x-Bild</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Click a picture.</source>
        <translation>Klicken Sie auf ein Bild.</translation>
    </message>
    <message>
        <source>Clicked: %1 (%2x)</source>
        <translation>Angeklickt: %1 (%2x)</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Größen</translation>
    </message>
    <message>
        <source>Clickable pictures at 1x and 2x resolution.</source>
        <translation>Anklickbare Bilder in 1x- und 2x-Auflösung.</translation>
    </message>
    <message>
        <source>Button types and designs</source>
        <translation>Schaltflächentypen und -formen</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Segmented (left, mid, right)</source>
        <translation>Segmentiert (links, Mitte, rechts)</translation>
    </message>
    <message>
        <source>Tabs (top)</source>
        <translation>Reiter (oben)</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Drahtlos</translation>
    </message>
    <message>
        <source>Serial line</source>
        <translation>Serielle Leitung</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Gefüllt</translation>
    </message>
    <message>
        <source>Styled buttons</source>
        <translation>Stilschaltflächen</translation>
    </message>
    <message>
        <source>Combo boxes in every type</source>
        <translation>Auswahllisten in jedem Typ</translation>
    </message>
    <message>
        <source>Icons at the edge, in a row</source>
        <translation>Symbole am Rand, in einer Reihe</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save all</source>
        <translation>Alle speichern</translation>
    </message>
    <message>
        <source>Menus and toggles</source>
        <translation>Menüs und Umschalter</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>As PDF</source>
        <translation>Als PDF</translation>
    </message>
    <message>
        <source>As picture</source>
        <translation>Als Bild</translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Angeheftet</translation>
    </message>
    <message>
        <source>Button details</source>
        <translation>Knöpfe im Detail</translation>
    </message>
    <message>
        <source>Combo boxes in every type and row shape, rows of buttons with icons, buttons with menus and toggles.</source>
        <translation>Auswahllisten in jedem Typ und jeder Reihenform, Schaltflächenreihen mit Symbolen, Schaltflächen mit Menüs und Umschalter.</translation>
    </message>
    <message>
        <source>Elided labels</source>
        <translation>Gekürzte Texte</translation>
    </message>
    <message>
        <source>Drag the splitter handles. Each label wraps its text over the lines that fit and ends the last visible line with an ellipsis when text is left over.</source>
        <translation>Ziehen Sie an den Teilern. Jede Beschriftung umbricht ihren Text über die Zeilen, die hineinpassen, und beendet die letzte sichtbare Zeile mit Auslassungspunkten, wenn Text übrig bleibt.</translation>
    </message>
    <message>
        <source>With a margin of 5 pixels the last visible line starts 5 pixels in, while the lines above it start at the left edge. </source>
        <translation>Mit einem Rand von 5 Pixeln beginnt die letzte sichtbare Zeile 5 Pixel weiter innen, die Zeilen darüber am linken Rand. </translation>
    </message>
    <message>
        <source>Without a frame, and a short text that fits at most sizes.</source>
        <translation>Ohne Rahmen, mit einem kurzen Text, der in fast jeder Größe passt.</translation>
    </message>
    <message>
        <source>This label holds a megabyte of text, sentence after sentence. </source>
        <translation>Diese Beschriftung enthält ein Megabyte Text, Satz für Satz. </translation>
    </message>
    <message>
        <source>The long paragraph is elided.</source>
        <translation>Der lange Absatz ist gekürzt.</translation>
    </message>
    <message>
        <source>The long paragraph is shown in full.</source>
        <translation>Der lange Absatz wird vollständig angezeigt.</translation>
    </message>
    <message>
        <source>Labels that wrap their text and elide the last visible line.</source>
        <translation>Beschriftungen, die ihren Text umbrechen und die letzte sichtbare Zeile kürzen.</translation>
    </message>
    <message>
        <source>ipAdress(): empty, a field is still empty</source>
        <translation>ipAdress(): leer, ein Feld ist noch leer</translation>
    </message>
    <message>
        <source>ipAdress(): %1</source>
        <translation>ipAdress(): %1</translation>
    </message>
    <message>
        <source>IP address edits</source>
        <translation>IP-Adressfelder</translation>
    </message>
    <message>
        <source>One field per octet or group. A full stop or colon moves to the next field, Backspace in an empty field moves back, and fields that are not acceptable get a frame.</source>
        <translation>Ein Feld je Oktett oder Gruppe. Punkt oder Doppelpunkt springt ins nächste Feld, die Rücktaste in einem leeren Feld zurück, und ungültige Felder erhalten einen Rahmen.</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adressen</translation>
    </message>
    <message>
        <source>Last editingFinished: none yet</source>
        <translation>Letztes editingFinished: noch keines</translation>
    </message>
    <message>
        <source>Last editingFinished: %1, %2</source>
        <translation>Letztes editingFinished: %1, %2</translation>
    </message>
    <message>
        <source>IPv4</source>
        <translation>IPv4</translation>
    </message>
    <message>
        <source>IPv6</source>
        <translation>IPv6</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Switchable</source>
        <translation>Umschaltbar</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>IPv4 and IPv6 address edits: typing, reading and switching the type.</source>
        <translation>IPv4- und IPv6-Adressfelder: eingeben, auslesen und den Typ wechseln.</translation>
    </message>
    <message>
        <source>Icon centred</source>
        <translation>Symbol zentriert</translation>
    </message>
    <message>
        <source>Icon at the left</source>
        <translation>Symbol links</translation>
    </message>
    <message>
        <source>Push buttons in every type and design, side by side as segments and tabs, and with icons centred or at the left edge.</source>
        <translation>Schaltflächen in jedem Typ und jeder Form, nebeneinander als Segmente und Reiter, und mit Symbolen in der Mitte oder am linken Rand.</translation>
    </message>
    <message>
        <source>A long paragraph: the label shows as many whole lines of it as its height allows. Every line but the last is drawn in full from the left edge; the last visible line holds the rest of the text, cut at the right with an ellipsis. Make the column narrower or lower and more of the paragraph moves behind the ellipsis; make it wider or taller and the ellipsis disappears once the whole paragraph fits. The label tells its owner each time this changes, which is how the line below the splitters stays up to date.</source>
        <translation>Ein langer Absatz: Die Beschriftung zeigt so viele ganze Zeilen davon, wie ihre Höhe erlaubt. Jede Zeile außer der letzten wird vollständig ab dem linken Rand gezeichnet; die letzte sichtbare Zeile enthält den Rest des Textes, rechts mit Auslassungspunkten abgeschnitten. Machen Sie die Spalte schmaler oder niedriger, und mehr vom Absatz verschwindet hinter den Auslassungspunkten; machen Sie sie breiter oder höher, und die Auslassungspunkte verschwinden, sobald der ganze Absatz passt. Die Beschriftung meldet jede solche Änderung ihrem Besitzer, und so bleibt die Zeile unter den Teilern aktuell.</translation>
    </message>
    <message>
        <source>Menu bars</source>
        <translation>Menüleisten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Group boxes, frame labels, buttons, check boxes, menu bars and frames.</source>
        <translation>Gruppen, Rahmenbeschriftungen, Schaltflächen, Ankreuzfelder, Menüleisten und Rahmen.</translation>
    </message>
    <message>
        <source>Under CommonStyle every menu bar gets a drop-down arrow after each title, but only a QStyledMenuBar makes room for it.</source>
        <translation>Unter CommonStyle erhält jede Menüleiste nach jedem Titel einen Aufklapppfeil, aber nur eine QStyledMenuBar macht ihm Platz.</translation>
    </message>
</context>
<context>
    <name>GalleryWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Compact</source>
        <translation>&amp;Kompakt</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Veltrix Gallery</source>
        <translation>Veltrix-Galerie</translation>
    </message>
    <message>
        <source>Veltrix</source>
        <translation>Veltrix</translation>
    </message>
    <message>
        <source>Widget Gallery</source>
        <translation>Widget-Galerie</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
</TS>
