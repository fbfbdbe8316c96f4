<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
</context>
</TS>
