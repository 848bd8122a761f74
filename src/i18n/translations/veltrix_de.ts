<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>QStyledHeader</name>
    <message>
        <source>QStyledHeader</source>
        <translation>Anwendungskopf</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Anwendungstitel</translation>
    </message>
    <message>
        <source>Application Name</source>
        <translation>Anwendungsname</translation>
    </message>
</context>
</TS>
