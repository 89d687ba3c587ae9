<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
