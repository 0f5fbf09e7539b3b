<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>SettingsView</name>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
</context>
</TS>
