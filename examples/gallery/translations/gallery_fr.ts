<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Gallery</name>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Frame header label</source>
        <translation>Titre de cadre</translation>
    </message>
    <message>
        <source>A description label explains what the frame below is about. It wraps when it is long.</source>
        <translation>Une description explique le contenu du cadre ci-dessous. Un texte long passe à la ligne.</translation>
    </message>
    <message>
        <source>Styled group box</source>
        <translation>Groupe stylé</translation>
    </message>
    <message>
        <source>Push button</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>Default button</source>
        <translation>Bouton par défaut</translation>
    </message>
    <message>
        <source>Disabled button</source>
        <translation>Bouton désactivé</translation>
    </message>
    <message>
        <source>Unchecked</source>
        <translation>Non coché</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Coché</translation>
    </message>
    <message>
        <source>Partly checked</source>
        <translation>Partiellement coché</translation>
    </message>
    <message>
        <source>Line edit</source>
        <translation>Zone de saisie</translation>
    </message>
    <message>
        <source>Basics</source>
        <translation>Bases</translation>
    </message>
    <message>
        <source>Navigation steps</source>
        <translation>Étapes de navigation</translation>
    </message>
    <message>
        <source>Steps open one by one. Visited steps stay enabled, the current one is checked, the ones ahead are disabled until the reader gets there.</source>
        <translation>Les étapes s’ouvrent l’une après l’autre. Les étapes visitées restent actives, l’étape en cours est cochée, les suivantes restent désactivées jusqu’à ce qu’on les atteigne.</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Enabled, checked and disabled</source>
        <translation>Actif, coché et désactivé</translation>
    </message>
    <message>
        <source>With a hidden neighbour</source>
        <translation>Avec un voisin masqué</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Essayez</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Step %1 clicked</source>
        <translation>Étape %1 cliquée</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Navigation steps and their group: checked, enabled, disabled, hidden.</source>
        <translation>Les étapes de navigation et leur groupe : cochées, actives, désactivées, masquées.</translation>
    </message>
    <message>
        <source>Pixmap buttons</source>
        <translation>Boutons image</translation>
    </message>
    <message>
        <source>A pixmap button is a picture that clicks. Its size follows the pixmap; a 2x pixmap takes the same room as a 1x one and stays sharp on high-resolution screens.</source>
        <translation>Un bouton image est une image cliquable. Sa taille suit l’image ; une image 2x occupe la même place qu’une image 1x et reste nette sur les écrans haute résolution.</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>1x pixmap</source>
        <translation>Image 1x</translation>
    </message>
    <message>
        <source>2x pixmap</source>
        <translation>Image 2x</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Click a picture.</source>
        <translation>Cliquez sur une image.</translation>
    </message>
    <message>
        <source>Clicked: %1 (%2x)</source>
        <translation>Cliqué : %1 (%2x)</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Tailles</translation>
    </message>
    <message>
        <source>Clickable pictures at 1x and 2x resolution.</source>
        <translation>Images cliquables en résolution 1x et 2x.</translation>
    </message>
    <message>
        <source>Button types and designs</source>
        <translation>Types et formes de boutons</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Segmented (left, mid, right)</source>
        <translation>Segmenté (gauche, milieu, droite)</translation>
    </message>
    <message>
        <source>Tabs (top)</source>
        <translation>Onglets (haut)</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sans fil</translation>
    </message>
    <message>
        <source>Serial line</source>
        <translation>Liaison série</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Rempli</translation>
    </message>
    <message>
        <source>Styled buttons</source>
        <translation>Boutons stylés</translation>
    </message>
    <message>
        <source>Combo boxes in every type</source>
        <translation>Listes déroulantes de tous types</translation>
    </message>
    <message>
        <source>Icons at the edge, in a row</source>
        <translation>Icônes au bord, en rangée</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Save all</source>
        <translation>Tout enregistrer</translation>
    </message>
    <message>
        <source>Menus and toggles</source>
        <translation>Menus et bascules</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>As PDF</source>
        <translation>En PDF</translation>
    </message>
    <message>
        <source>As picture</source>
        <translation>En image</translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Épinglé</translation>
    </message>
    <message>
        <source>Button details</source>
        <translation>Boutons en détail</translation>
    </message>
    <message>
        <source>Combo boxes in every type and row shape, rows of buttons with icons, buttons with menus and toggles.</source>
        <translation>Des listes déroulantes de tous types et formes de rangée, des rangées de boutons avec icônes, des boutons avec menus et des bascules.</translation>
    </message>
    <message>
        <source>Elided labels</source>
        <translation>Libellés tronqués</translation>
    </message>
    <message>
        <source>Drag the splitter handles. Each label wraps its text over the lines that fit and ends the last visible line with an ellipsis when text is left over.</source>
        <translation>Faites glisser les séparateurs. Chaque libellé répartit son texte sur les lignes qui tiennent et termine la dernière ligne visible par des points de suspension s’il reste du texte.</translation>
    </message>
    <message>
        <source>With a margin of 5 pixels the last visible line starts 5 pixels in, while the lines above it start at the left edge. </source>
        <translation>Avec une marge de 5 pixels, la dernière ligne visible commence 5 pixels plus loin, tandis que les lignes au-dessus commencent au bord gauche. </translation>
    </message>
    <message>
        <source>Without a frame, and a short text that fits at most sizes.</source>
        <translation>Sans cadre, avec un texte court qui tient dans presque toutes les tailles.</translation>
    </message>
    <message>
        <source>This label holds a megabyte of text, sentence after sentence. </source>
        <translation>Ce libellé contient un mégaoctet de texte, phrase après phrase. </translation>
    </message>
    <message>
        <source>The long paragraph is elided.</source>
        <translation>Le long paragraphe est tronqué.</translation>
    </message>
    <message>
        <source>The long paragraph is shown in full.</source>
        <translation>Le long paragraphe est affiché en entier.</translation>
    </message>
    <message>
        <source>Labels that wrap their text and elide the last visible line.</source>
        <translation>Des libellés qui répartissent leur texte sur plusieurs lignes et tronquent la dernière ligne visible.</translation>
    </message>
    <message>
        <source>ipAdress(): empty, a field is still empty</source>
        <translation>ipAdress() : vide, un champ est encore vide</translation>
    </message>
    <message>
        <source>ipAdress(): %1</source>
        <translation>ipAdress() : %1</translation>
    </message>
    <message>
        <source>IP address edits</source>
        <translation>Champs d’adresse IP</translation>
    </message>
    <message>
        <source>One field per octet or group. A full stop or colon moves to the next field, Backspace in an empty field moves back, and fields that are not acceptable get a frame.</source>
        <translation>Un champ par octet ou groupe. Un point ou deux-points passe au champ suivant, Retour arrière dans un champ vide revient en arrière, et les champs non valables reçoivent un cadre.</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adresses</translation>
    </message>
    <message>
        <source>Last editingFinished: none yet</source>
        <translation>Dernier editingFinished : aucun pour l’instant</translation>
    </message>
    <message>
        <source>Last editingFinished: %1, %2</source>
        <translation>Dernier editingFinished : %1, %2</translation>
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
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>Switchable</source>
        <translation>Commutable</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Saisies</translation>
    </message>
    <message>
        <source>IPv4 and IPv6 address edits: typing, reading and switching the type.</source>
        <translation>Champs d’adresse IPv4 et IPv6 : saisie, lecture et changement de type.</translation>
    </message>
    <message>
        <source>Icon centred</source>
        <translation>Icône centrée</translation>
    </message>
    <message>
        <source>Icon at the left</source>
        <translation>Icône à gauche</translation>
    </message>
    <message>
        <source>Push buttons in every type and design, side by side as segments and tabs, and with icons centred or at the left edge.</source>
        <translation>Des boutons de tous types et de toutes formes, côte à côte en segments et en onglets, avec des icônes centrées ou au bord gauche.</translation>
    </message>
    <message>
        <source>A long paragraph: the label shows as many whole lines of it as its height allows. Every line but the last is drawn in full from the left edge; the last visible line holds the rest of the text, cut at the right with an ellipsis. Make the column narrower or lower and more of the paragraph moves behind the ellipsis; make it wider or taller and the ellipsis disappears once the whole paragraph fits. The label tells its owner each time this changes, which is how the line below the splitters stays up to date.</source>
        <translation>Un long paragraphe : le libellé en montre autant de lignes entières que sa hauteur le permet. Chaque ligne sauf la dernière est dessinée en entier depuis le bord gauche ; la dernière ligne visible contient le reste du texte, coupé à droite par des points de suspension. Rendez la colonne plus étroite ou plus basse et davantage du paragraphe passe derrière les points de suspension ; rendez-la plus large ou plus haute et les points de suspension disparaissent dès que tout le paragraphe tient. Le libellé prévient son propriétaire à chaque changement, ce qui tient à jour la ligne sous les séparateurs.</translation>
    </message>
    <message>
        <source>Menu bars</source>
        <translation>Barres de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Group boxes, frame labels, buttons, check boxes, menu bars and frames.</source>
        <translation>Groupes, libellés de cadre, boutons, cases à cocher, barres de menus et cadres.</translation>
    </message>
    <message>
        <source>Under CommonStyle every menu bar gets a drop-down arrow after each title, but only a QStyledMenuBar makes room for it.</source>
        <translation>Sous CommonStyle, chaque barre de menus reçoit une flèche déroulante après chaque titre, mais seule une QStyledMenuBar lui fait de la place.</translation>
    </message>
</context>
<context>
    <name>GalleryWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Compact</source>
        <translation>&amp;Compact</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Veltrix Gallery</source>
        <translation>Galerie Veltrix</translation>
    </message>
    <message>
        <source>Veltrix</source>
        <translation>Veltrix</translation>
    </message>
    <message>
        <source>Widget Gallery</source>
        <translation>Galerie de widgets</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
</TS>
