<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>QStyledHeader</name>
    <message>
        <source>QStyledHeader</source>
        <translation>En-tête d’application</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Titre de l’application</translation>
    </message>
    <message>
        <source>Application Name</source>
        <translation>Nom de l’application</translation>
    </message>
</context>
</TS>
