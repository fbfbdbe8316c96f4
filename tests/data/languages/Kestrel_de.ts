<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Kestrelpad</source>
        <translation>Kestrelblock</translation>
    </message>
    <message>
        <source>&amp;add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funk</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>Fernsehen</translation>
    </message>
    <message>
        <source>Language changed to: %1</source>
        <translation>Sprache gewechselt: %1</translation>
    </message>
</context>
</TS>
