<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ChaosTopic</name>
    <message numerus="yes">
        <source>Chaos game “%1” on %2 corners with k = %3, %4: %n points drawn so far, each in the colour of the corner it jumped towards</source>
        <translation>
            <numerusform>Chaos game “%1” on %2 corners with k = %3, %4: %n point drawn so far, each in the colour of the corner it jumped towards</numerusform>
            <numerusform>Chaos game “%1” on %2 corners with k = %3, %4: %n points drawn so far, each in the colour of the corner it jumped towards</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message numerus="yes">
        <source>The recording of %n frames is not saved.</source>
        <translation>
            <numerusform>The recording of %n frame is not saved.</numerusform>
            <numerusform>The recording of %n frames is not saved.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RabbitTopic</name>
    <message numerus="yes">
        <source>Fibonacci&apos;s rabbits, month %1 of %2: %n pairs of rabbits; the totals month by month, the Fibonacci numbers: %3</source>
        <translation>
            <numerusform>Fibonacci&apos;s rabbits, month %1 of %2: %n pair of rabbits; the totals month by month, the Fibonacci numbers: %3</numerusform>
            <numerusform>Fibonacci&apos;s rabbits, month %1 of %2: %n pairs of rabbits; the totals month by month, the Fibonacci numbers: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message numerus="yes">
        <source>● REC  %n frames</source>
        <translation>
            <numerusform>● REC  %n frame</numerusform>
            <numerusform>● REC  %n frames</numerusform>
        </translation>
    </message>
</context>
</TS>
