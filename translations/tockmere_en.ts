<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>OptionsMenu</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is not a number of minutes from 0 to %2; the reminder is kept at %n minutes.</source>
        <extracomment>%1 is what the user typed, %2 the most minutes allowed (1440); %n the minutes the reminder keeps.</extracomment>
        <translation>
            <numerusform>&quot;%1&quot; is not a number of minutes from 0 to %2; the reminder is kept at %n minute.</numerusform>
            <numerusform>&quot;%1&quot; is not a number of minutes from 0 to %2; the reminder is kept at %n minutes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours</source>
        <extracomment>An offset from UTC in hours; %1 is the number, which may have decimals (&quot;5.5&quot;).</extracomment>
        <translation>
            <numerusform>%1 hour</numerusform>
            <numerusform>%1 hours</numerusform>
        </translation>
    </message>
</context>
</TS>
