<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Kestrelpad</source>
        <translation>Carnet Kestrel</translation>
    </message>
    <message>
        <source>&amp;add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radiodiffusion</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>Télévision</translation>
    </message>
    <message>
        <source>Language changed to: %1</source>
        <translation>Langue changée : %1</translation>
    </message>
</context>
</TS>
