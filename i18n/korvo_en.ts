<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>korvo::FaultWords</name>
    <message numerus="yes">
        <source>has %n fields; a card needs 3: suit, value, picture file</source>
        <comment>a line of the deck file</comment>
        <translation>
            <numerusform>has %n fields; a card needs 3: suit, value, picture file</numerusform>
            <numerusform>has %n fields; a card needs 3: suit, value, picture file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing: the file holds only %n cards; a deck needs 52</source>
        <comment>a line of the deck file</comment>
        <translation>
            <numerusform>missing: the file holds only %n cards; a deck needs 52</numerusform>
            <numerusform>missing: the file holds only %n cards; a deck needs 52</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>holds %n numbers; it needs the 4 win counts</source>
        <comment>a line of the tally file</comment>
        <translation>
            <numerusform>holds %n numbers; it needs the 4 win counts</numerusform>
            <numerusform>holds %n numbers; it needs the 4 win counts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvo::Form1</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <comment>honor points</comment>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvo::StatisticsWindow</name>
    <message numerus="yes">
        <source>Shown once %1 has played %n games</source>
        <translation>
            <numerusform>Shown once %1 has played %n game</numerusform>
            <numerusform>Shown once %1 has played %n games</numerusform>
        </translation>
    </message>
</context>
</TS>
