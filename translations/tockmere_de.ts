<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source> About Tockmere</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Über Tockmere</translation>
    </message>
    <message>
        <source>Tockmere banner</source>
        <translation>Tockmere-Banner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright © 2026 Tockmere developers. Tockmere is free software under the GNU General Public License, version 3 or any later version, and comes with no warranty. Its source is at https://tockmere.org/; the help document has the licence&apos;s terms.</source>
        <extracomment>The legal notices, for a screen reader and in the banner&apos;s tooltip.</extracomment>
        <translation>Copyright © 2026 Tockmere developers. Tockmere ist freie Software unter der GNU General Public License, Version 3 oder jede spätere Version, und wird ohne jede Gewährleistung weitergegeben. Der Quelltext liegt unter https://tockmere.org/; das Hilfedokument enthält die Bedingungen der Lizenz.</translation>
    </message>
    <message>
        <source>sked clock, version %1</source>
        <extracomment>A line of the banner: %1 is the version number, such as 0.1.0.</extracomment>
        <translation>Sked-Uhr, Version %1</translation>
    </message>
    <message>
        <source>© 2026 Tockmere developers · GNU GPL 3 or later</source>
        <extracomment>A short line of the banner, which is 294 pixels wide.</extracomment>
        <translation>© 2026 Tockmere developers · GNU GPL 3 oder neuer</translation>
    </message>
    <message>
        <source>no warranty · source at tockmere.org</source>
        <extracomment>A short line of the banner, which is 294 pixels wide.</extracomment>
        <translation>ohne Gewährleistung · Quelltext: tockmere.org</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>sked %1 (%2 %3, %4 late)</source>
        <extracomment>One sked in the list of missed skeds: its number, its date, its time, and how late it is (&quot;2 h 5 min&quot;).</extracomment>
        <translation>Sked %1 (%2 %3, %4 zu spät)</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <extracomment>%1 is the list of the skeds that were marked done without ringing, separated by &quot;; &quot;.</extracomment>
        <translation>Verpasst: %1</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <extracomment>The heading of an alarm; %1 is the time it rang at, as the clock shows it.</extracomment>
        <translation>Alarm um %1</translation>
    </message>
    <message>
        <source>Sked at %1 %2</source>
        <extracomment>The summary of a reminder: %1 is the sked&apos;s time (&quot;14:30&quot;), %2 the time left to it (&quot;in 5 min&quot;).</extracomment>
        <translation>Sked um %1 %2</translation>
    </message>
    <message>
        <source>No sound: no audio output</source>
        <translation>Kein Ton: keine Audioausgabe</translation>
    </message>
    <message>
        <source>No sound: %1 could not be read</source>
        <extracomment>%1 is the name of the wave file, such as alarm.wav.</extracomment>
        <translation>Kein Ton: %1 konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>AlarmWindow</name>
    <message>
        <source> Alarm !!</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Alarm !!</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Alarm message</source>
        <translation>Alarmtext</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot follow its symbolic link</source>
        <translation>der symbolische Link lässt sich nicht auflösen</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>cannot write the file</source>
        <translation>die Datei lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>cannot create a new file in its folder</source>
        <translation>in ihrem Ordner lässt sich keine neue Datei anlegen</translation>
    </message>
    <message>
        <source>cannot set the file&apos;s permissions</source>
        <translation>die Zugriffsrechte der Datei lassen sich nicht setzen</translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation>die alte Datei lässt sich nicht ersetzen</translation>
    </message>
</context>
<context>
    <name>ClockSync</name>
    <message>
        <source>System clock synchronised, estimated error ±%1</source>
        <translation>Systemuhr synchronisiert, geschätzter Fehler ±%1</translation>
    </message>
    <message>
        <source>System clock may be off by up to %1</source>
        <translation>Systemuhr kann bis zu %1 abweichen</translation>
    </message>
    <message>
        <source>System clock is not synchronised</source>
        <translation>Systemuhr ist nicht synchronisiert</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>tockmere: only one schedule file can be given (try tockmere --help)</source>
        <extracomment>On standard error; &quot;tockmere&quot; and &quot;--help&quot; are what the user types.</extracomment>
        <translation>tockmere: es kann nur eine Sked-Datei angegeben werden (siehe tockmere --help)</translation>
    </message>
    <message>
        <source>tockmere: %1 (try tockmere --help)</source>
        <extracomment>On standard error: %1 is what is wrong with the command line, in the words of Qt&apos;s own translation. &quot;tockmere&quot; and &quot;--help&quot; are what the user types.</extracomment>
        <translation>tockmere: %1 (siehe tockmere --help)</translation>
    </message>
    <message>
        <source>Usage: tockmere [options] [FILE]
A desktop clock in UTC or local time that alarms at the skeds of a schedule file.

Options:
  -h, --help     Shows this help and ends.
  -v, --version  Shows the version and ends.

Arguments:
  FILE           The schedule file to start with, in place of the one used last.
</source>
        <extracomment>The answer to --help on standard output. Keep the line breaks and the columns: the options and the argument are what the user types, FILE stands for a file&apos;s name.</extracomment>
        <translation>Aufruf: tockmere [Optionen] [DATEI]
Eine Desktop-Uhr in UTC oder Ortszeit, die zu den Skeds einer Sked-Datei Alarm gibt.

Optionen:
  -h, --help     Zeigt diese Hilfe und beendet sich.
  -v, --version  Zeigt die Version und beendet sich.

Argumente:
  DATEI          Die Sked-Datei, mit der gestartet wird, statt der zuletzt benutzten.
</translation>
    </message>
</context>
<context>
    <name>DBusNotifier</name>
    <message>
        <source>there is no session bus</source>
        <extracomment>Why the desktop&apos;s notifications could not be used.</extracomment>
        <translation>es gibt keinen Sitzungsbus</translation>
    </message>
    <message>
        <source>Show Tockmere</source>
        <extracomment>The notification&apos;s button that brings the clock to the front.</extracomment>
        <translation>Tockmere zeigen</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The notification&apos;s button that stops the looping alarm sound.</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>tockmere: the desktop&apos;s notifications could not be used (%1); alarms show in the alarm window only</source>
        <extracomment>A line on standard error; &quot;tockmere&quot; is the command&apos;s name. %1 is why, such as &quot;there is no session bus&quot;.</extracomment>
        <translation>tockmere: die Benachrichtigungen des Desktops ließen sich nicht nutzen (%1); Alarme erscheinen nur im Alarmfenster</translation>
    </message>
</context>
<context>
    <name>MainCaption</name>
    <message>
        <source> Tockmere  by Ovix</source>
        <extracomment>The clock&apos;s caption with no sked armed: the leading blank and the two blanks before &quot;by&quot; are part of the caption.</extracomment>
        <translation> Tockmere  von Ovix</translation>
    </message>
    <message>
        <source> Count Down Timer</source>
        <extracomment>The clock&apos;s caption while a countdown runs: the leading blank is part of the caption.</extracomment>
        <translation> Countdown</translation>
    </message>
    <message>
        <source>Alarm Set   %1</source>
        <extracomment>The clock&apos;s caption with a sked armed: %1 is the schedule file&apos;s short name. The three blanks before it are part of the caption.</extracomment>
        <translation>Alarm gestellt   %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Time of the next sked</source>
        <translation>Zeit des nächsten Skeds</translation>
    </message>
    <message>
        <source>Time of the next sked, %1</source>
        <translation>Zeit des nächsten Skeds, %1</translation>
    </message>
    <message>
        <source>Done countdown...</source>
        <extracomment>Told when a countdown ends while the alarm is silent.</extracomment>
        <translation>Countdown beendet...</translation>
    </message>
    <message>
        <source> Timer</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Countdown</translation>
    </message>
    <message>
        <source>Set Alarm</source>
        <translation>Alarm stellen</translation>
    </message>
    <message>
        <source>Alarm Date</source>
        <translation>Alarmdatum</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Alarmzeit</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button that stops a looping alarm sound.</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>UTC Time</source>
        <extracomment>The clock&apos;s label in UTC mode.</extracomment>
        <translation>UTC-Zeit</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>What a screen reader calls the button that leads to the options menu.</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>The Menu key or Shift+F10 opens the options menu</source>
        <extracomment>For a screen reader. Menu and Shift+F10 are keys of the keyboard.</extracomment>
        <translation>Die Menütaste oder Umschalt+F10 öffnet das Optionsmenü</translation>
    </message>
    <message>
        <source>Date of the next sked</source>
        <translation>Datum des nächsten Skeds</translation>
    </message>
    <message>
        <source>Stops the alarm sound</source>
        <translation>Beendet den Alarmton</translation>
    </message>
    <message>
        <source>Time base of the clock</source>
        <translation>Zeitbasis der Uhr</translation>
    </message>
    <message>
        <source>Message of the next sked</source>
        <translation>Text des nächsten Skeds</translation>
    </message>
    <message>
        <source>Local Time</source>
        <extracomment>The clock&apos;s label when it shows local time.</extracomment>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Shown in place of the next sked&apos;s message when no sked is left to ring.</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>The minimised clock&apos;s caption when no sked is left to ring.</extracomment>
        <translation>fertig</translation>
    </message>
</context>
<context>
    <name>ModulePrinter</name>
    <message>
        <source>printing is not installed: %1</source>
        <extracomment>Why printing failed: %1 is the system&apos;s word on the printing module that could not be loaded.</extracomment>
        <translation>die Druckunterstützung ist nicht installiert: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>UTC Time</source>
        <extracomment>The clock&apos;s label in UTC mode until the user names one with Change Offset Label.</extracomment>
        <translation>UTC-Zeit</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>PopUp</source>
        <extracomment>The options menu&apos;s title, shown where the menu is a submenu or in a menu bar; the pop-up menu itself shows none.</extracomment>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>UTC-Zeit</translation>
    </message>
    <message>
        <source>Set UTC offset</source>
        <translation>UTC-Versatz einstellen</translation>
    </message>
    <message>
        <source>Change Offset Label</source>
        <translation>Versatz-Bezeichnung ändern</translation>
    </message>
    <message>
        <source>Silent Alarm</source>
        <translation>Stummer Alarm</translation>
    </message>
    <message>
        <source>Alarm Set Minimized</source>
        <translation>Nach Alarm stellen minimieren</translation>
    </message>
    <message>
        <source>Test Alarm</source>
        <translation>Alarm testen</translation>
    </message>
    <message>
        <source>Count Down Timer</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Stop Watch Timer</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Continuous Alarm</source>
        <translation>Dauerton</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Remind Before...</source>
        <translation>Vorher erinnern...</translation>
    </message>
    <message>
        <source>Alarm Msg PopUp</source>
        <extracomment>The switch for the alarm window, on. &quot;Msg&quot; is short for message.</extracomment>
        <translation>Alarmfenster zeigen</translation>
    </message>
    <message>
        <source>No Alarm Msg PopUp</source>
        <translation>Kein Alarmfenster</translation>
    </message>
    <message>
        <source>Alarm Close Button</source>
        <extracomment>The switch for the alarm window&apos;s Close button, on.</extracomment>
        <translation>Schließen-Knopf im Alarmfenster</translation>
    </message>
    <message>
        <source>No Alarm Close Button</source>
        <translation>Kein Schließen-Knopf</translation>
    </message>
    <message>
        <source> Check UTC offset</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> UTC-Versatz prüfen</translation>
    </message>
    <message>
        <source>&lt;Enter&gt; or &lt;OK&gt; selects the %1 hr. system UTC offset.<byte value="xd"/>
<byte value="xd"/>
Or enter a new UTC hour offset.</source>
        <extracomment>%1 is the system&apos;s offset in hours that may have decimals (&quot;5.5&quot;); &quot;hr.&quot; is short for hours. Keep the line breaks.</extracomment>
        <translation>&lt;Eingabe&gt; oder &lt;OK&gt; übernimmt den UTC-Versatz des Systems von %1 Std.<byte value="xd"/>
<byte value="xd"/>
Oder geben Sie einen neuen UTC-Versatz in Stunden ein.</translation>
    </message>
    <message>
        <source>Enter the UTC hour offset</source>
        <translation>UTC-Versatz in Stunden eingeben</translation>
    </message>
    <message>
        <source> Set UTC offset</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> UTC-Versatz einstellen</translation>
    </message>
    <message>
        <source>Enter text for time offset: UTC PST etc.</source>
        <extracomment>UTC and PST are examples of labels the user may give the clock&apos;s time.</extracomment>
        <translation>Text für den Zeitversatz eingeben: UTC, PST usw.</translation>
    </message>
    <message>
        <source>Time label...</source>
        <translation>Zeitbeschriftung...</translation>
    </message>
    <message>
        <source>UTC Time</source>
        <extracomment>The label proposed for the clock&apos;s time, as the clock shows it before the user names one.</extracomment>
        <translation>UTC-Zeit</translation>
    </message>
    <message>
        <source> Tockmere Quick Help</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Tockmere-Kurzhilfe</translation>
    </message>
    <message>
        <source> Test Alarm</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Alarm testen</translation>
    </message>
    <message>
        <source>Enter &lt;SECONDS&gt; to count down from.<byte value="xd"/>
<byte value="xd"/>
ex: &lt;60 = 1min.&gt;<byte value="xd"/>
<byte value="xd"/>
Enter 0 to clear.</source>
        <extracomment>&quot;ex:&quot; is short for example, &quot;1min.&quot; for one minute. Keep the line breaks.</extracomment>
        <translation>Geben Sie die &lt;SEKUNDEN&gt; für den Countdown ein.<byte value="xd"/>
<byte value="xd"/>
Bsp.: &lt;60 = 1 Min.&gt;<byte value="xd"/>
<byte value="xd"/>
0 beendet den Countdown.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time to count down. Enter seconds (90), minutes and seconds (1:30) or hours, minutes and seconds (1:00:00).</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>„%1“ ist keine Zeit für einen Countdown. Geben Sie Sekunden (90), Minuten und Sekunden (1:30) oder Stunden, Minuten und Sekunden (1:00:00) ein.</translation>
    </message>
    <message>
        <source>Tockmere could not write its entry for the start of your session:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</source>
        <extracomment>%1 is the path of the desktop&apos;s autostart entry, %2 why it could not be written. Keep the line breaks.</extracomment>
        <translation>Tockmere konnte seinen Eintrag für den Start Ihrer Sitzung nicht schreiben:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source>Tockmere could not remove its entry for the start of your session:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</source>
        <translation>Tockmere konnte seinen Eintrag für den Start Ihrer Sitzung nicht entfernen:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source> Start at Login</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Enter the minutes before each sked to be reminded, up to %1.<byte value="xd"/>
<byte value="xd"/>
Enter 0 for no reminder.</source>
        <extracomment>%1 is the most minutes a reminder may come ahead (1440, a day). Keep the line breaks.</extracomment>
        <translation>Geben Sie ein, wie viele Minuten vor jedem Sked Sie erinnert werden möchten, höchstens %1.<byte value="xd"/>
<byte value="xd"/>
Geben Sie 0 für keine Erinnerung ein.</translation>
    </message>
    <message>
        <source>Remind Before</source>
        <translation>Vorher erinnern</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is not a number of minutes from 0 to %2; the reminder is kept at %n minutes.</source>
        <extracomment>%1 is what the user typed, %2 the most minutes allowed (1440); %n the minutes the reminder keeps.</extracomment>
        <translation>
            <numerusform>„%1“ ist keine Minutenzahl von 0 bis %2; die Erinnerung bleibt bei %n Minute.</numerusform>
            <numerusform>„%1“ ist keine Minutenzahl von 0 bis %2; die Erinnerung bleibt bei %n Minuten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours</source>
        <extracomment>An offset from UTC in hours; %1 is the number, which may have decimals (&quot;5.5&quot;).</extracomment>
        <translation>
            <numerusform>%1 Stunde</numerusform>
            <numerusform>%1 Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>System UTC offset %1 does not <byte value="xd"/>
match the setting in Tockmere %2.</source>
        <extracomment>%1 is the system&apos;s offset, %2 the one set in Tockmere, each in hours (&quot;5 hours&quot;). Keep the blank before the line break, and the line break.</extracomment>
        <translation>Der UTC-Versatz des Systems, %1, stimmt nicht <byte value="xd"/>
mit der Einstellung in Tockmere, %2, überein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a UTC offset; the offset is kept at %2.<byte value="xd"/>
<byte value="xd"/>
The offset is the hours added to local time to get UTC: 5 at UTC-5, -5.5 or -5:30 at UTC+5:30.</source>
        <extracomment>%1 is what the user typed, %2 the offset kept, in hours (&quot;5.5 hours&quot;). Keep the line breaks.</extracomment>
        <translation>„%1“ ist kein UTC-Versatz; der Versatz bleibt bei %2.<byte value="xd"/>
<byte value="xd"/>
Der Versatz ist die Zahl der Stunden, die man zur Ortszeit addiert, um UTC zu erhalten: 5 bei UTC-5, -5.5 oder -5:30 bei UTC+5:30.</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Scheduled Alarms   File: %1</source>
        <translation>Geplante Alarme   Datei: %1</translation>
    </message>
    <message>
        <source>Dates and Times are UTC</source>
        <translation>Datum und Zeit in UTC</translation>
    </message>
    <message>
        <source>Dates and Times are Local</source>
        <translation>Datum und Zeit in Ortszeit</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Missed skeds</source>
        <extracomment>The heading of the alarm window and notification that name the skeds that were too late to ring and were marked done.</extracomment>
        <translation>Verpasste Skeds</translation>
    </message>
    <message>
        <source>Do right-mouse click on TOCKMERE to view options/HELP</source>
        <extracomment>Shown at the first start, before there is a schedule file.</extracomment>
        <translation>Rechtsklick auf TOCKMERE zeigt Optionen/HILFE</translation>
    </message>
    <message>
        <source> Initial use</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Erster Start</translation>
    </message>
    <message>
        <source>When the last session ended, the schedule&apos;s changes could not be written to its file unasked. They were kept in<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Load Sked file opens them.</source>
        <extracomment>%1 is the path of the file that kept the changes; &quot;Load Sked file&quot; is the table window&apos;s menu entry. Keep the line breaks.</extracomment>
        <translation>Als die letzte Sitzung endete, ließen sich die Änderungen des Zeitplans nicht ohne Rückfrage in seine Datei schreiben. Sie wurden aufbewahrt in<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
„Sked-Datei laden“ öffnet sie.</translation>
    </message>
    <message>
        <source> Schedule kept</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Zeitplan aufbewahrt</translation>
    </message>
</context>
<context>
    <name>QtHelpViewer</name>
    <message>
        <source> Tockmere Help</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Tockmere-Hilfe</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>the printer could not be started</source>
        <extracomment>Why printing failed, in parentheses after &quot;The schedule could not be printed&quot;.</extracomment>
        <translation>der Drucker ließ sich nicht starten</translation>
    </message>
    <message>
        <source>the printer could not start a new page</source>
        <extracomment>Why printing failed, in parentheses after &quot;The schedule could not be printed&quot;.</extracomment>
        <translation>der Drucker konnte keine neue Seite beginnen</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <extracomment>Why printing failed, in parentheses after &quot;The schedule could not be printed&quot;.</extracomment>
        <translation>der Drucker meldete einen Fehler</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <extracomment>Why printing failed, in parentheses after &quot;The schedule could not be printed&quot;.</extracomment>
        <translation>auf diesem Computer ist kein Drucker eingerichtet</translation>
    </message>
    <message>
        <source>no default printer is chosen</source>
        <extracomment>Why printing failed, in parentheses after &quot;The schedule could not be printed&quot;.</extracomment>
        <translation>es ist kein Standarddrucker gewählt</translation>
    </message>
</context>
<context>
    <name>QuickHelp</name>
    <message>
        <source>The alarms follow the sequence in the sked table.</source>
        <translation>Die Alarme folgen der Reihenfolge der Sked-Tabelle.</translation>
    </message>
    <message>
        <source>Enter the scheduled events in chronological order.</source>
        <translation>Geben Sie die Termine zeitlich geordnet ein.</translation>
    </message>
    <message>
        <source>If needed, click the {Re-order} button to put them</source>
        <translation>Klicken Sie bei Bedarf auf {Sortieren}, um sie</translation>
    </message>
    <message>
        <source>        in correct date/time order.</source>
        <translation>        nach Datum und Zeit zu ordnen.</translation>
    </message>
    <message>
        <source>You have a %1 hour offset selected.</source>
        <translation>Ihr gewählter Versatz beträgt %1 Std.</translation>
    </message>
    <message>
        <source>Select UTC in the menu to use this offset.</source>
        <translation>Wählen Sie im Menü UTC-Zeit, um ihn zu nutzen.</translation>
    </message>
    <message>
        <source>Enter your UTC hour offset.</source>
        <translation>Stellen Sie Ihren UTC-Versatz ein.</translation>
    </message>
    <message>
        <source>The alarm and skeds table screens, can sized by</source>
        <translation>Alarm- und Tabellenfenster ändern ihre Größe,</translation>
    </message>
    <message>
        <source>dragging a corner. Use upper-right-X to save.</source>
        <translation>wenn Sie eine Ecke ziehen; X oben rechts speichert.</translation>
    </message>
    <message>
        <source>You can un-check &lt;Silent Alarm&gt; to play a wave</source>
        <translation>Ohne Haken bei &lt;Stummer Alarm&gt; spielt Tockmere</translation>
    </message>
    <message>
        <source>file when the alarm triggers. Use your own wave</source>
        <translation>beim Alarm eine Wave-Datei ab. Eigene Wave-Datei</translation>
    </message>
    <message>
        <source>file, but it must be named &lt;alarm.wav&gt;.</source>
        <translation>möglich, sie muss aber &lt;alarm.wav&gt; heißen.</translation>
    </message>
    <message>
        <source>Click &lt;Test Alarm&gt; to test it.</source>
        <translation>Mit &lt;Alarm testen&gt; probieren Sie es aus.</translation>
    </message>
    <message>
        <source>The file &lt;stop.wav&gt; is required to stop playing a</source>
        <translation>Die Datei &lt;stop.wav&gt; wird benötigt, um einen</translation>
    </message>
    <message>
        <source>continuous alarm. No &lt;stop.wav&gt; = no stop.</source>
        <translation>Dauerton zu beenden. Kein &lt;stop.wav&gt; = kein Stopp.</translation>
    </message>
</context>
<context>
    <name>Reorder</name>
    <message>
        <source>cannot read it back</source>
        <translation>das erneute Einlesen schlug fehl</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>was changed by another program since Tockmere last read or wrote it</source>
        <extracomment>Completes &quot;The schedule file &lt;path&gt;&quot;: why it may not be replaced unasked.</extracomment>
        <translation>wurde von einem anderen Programm geändert, seit Tockmere sie zuletzt gelesen oder geschrieben hat</translation>
    </message>
</context>
<context>
    <name>ScheduleFiles</name>
    <message>
        <source>The schedule could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be saved. Keep the line breaks.</extracomment>
        <translation>Der Zeitplan ließ sich nicht speichern unter<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source> Replace the schedule file?</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Sked-Datei ersetzen?</translation>
    </message>
    <message>
        <source> Schedule not saved</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Zeitplan nicht gespeichert</translation>
    </message>
    <message>
        <source>The schedule could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)<byte value="xd"/>
<byte value="xd"/>
Skeds that have fired may ring again at the next start. Tockmere tells you once.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be saved. Keep the line breaks.</extracomment>
        <translation>Der Zeitplan ließ sich nicht speichern unter<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)<byte value="xd"/>
<byte value="xd"/>
Skeds, die ausgelöst haben, klingeln beim nächsten Start womöglich erneut. Tockmere sagt Ihnen das nur einmal.</translation>
    </message>
    <message>
        <source>The table has changes that are not saved in<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Load another file and lose them?</source>
        <translation>Die Tabelle enthält Änderungen, die nicht gespeichert sind in<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Eine andere Datei laden und die Änderungen verwerfen?</translation>
    </message>
    <message>
        <source> Load Sked file</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Sked-Datei laden</translation>
    </message>
    <message>
        <source> Load Tockmere datafile...</source>
        <extracomment>A file dialog&apos;s caption: the leading blank is part of the caption.</extracomment>
        <translation> Tockmere-Datendatei laden...</translation>
    </message>
    <message>
        <source>Sked files (*.dat)</source>
        <extracomment>A file type in the file dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>Sked-Dateien (*.dat)</translation>
    </message>
    <message>
        <source> Save Skeds datafile as...</source>
        <extracomment>A file dialog&apos;s caption: the leading blank is part of the caption.</extracomment>
        <translation> Sked-Datendatei speichern unter...</translation>
    </message>
    <message>
        <source>Tockmere sked files (*.dat)</source>
        <extracomment>A file type in the file dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>Tockmere-Sked-Dateien (*.dat)</translation>
    </message>
    <message>
        <source>The schedule file<byte value="xd"/>
%1<byte value="xd"/>
%2.<byte value="xd"/>
<byte value="xd"/>
The table and the current file are as they were.</source>
        <extracomment>%1 is the file&apos;s path; %2 completes &quot;The schedule file &lt;path&gt;&quot; with why it could not be read, such as &quot;could not be read (it is a folder)&quot;. Keep the line breaks.</extracomment>
        <translation>Die Sked-Datei<byte value="xd"/>
%1<byte value="xd"/>
%2.<byte value="xd"/>
<byte value="xd"/>
Tabelle und aktuelle Datei bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source> Schedule not loaded</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Zeitplan nicht geladen</translation>
    </message>
    <message>
        <source>Sked %1: %2</source>
        <extracomment>One line of the list of skeds that will not ring: the sked&apos;s number, and why.</extracomment>
        <translation>Sked %1: %2</translation>
    </message>
    <message>
        <source>These skeds will not ring:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <extracomment>%1 is the list of skeds, one a line. Keep the line breaks.</extracomment>
        <translation>Diese Skeds werden nicht klingeln:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source> Skeds that will not ring</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Skeds, die nicht klingeln</translation>
    </message>
    <message>
        <source>Sked %1 (%2 %3) will ring only after sked %4. Re-order now?</source>
        <extracomment>%1 is the number of the sked held back, %2 and %3 its date and time, %4 the number of the later sked above it in the table.</extracomment>
        <translation>Sked %1 (%2 %3) klingelt erst nach Sked %4. Jetzt sortieren?</translation>
    </message>
    <message>
        <source> Skeds out of order</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Skeds nicht geordnet</translation>
    </message>
    <message>
        <source>Both Date and Time must be filled in. Re-order failed.</source>
        <translation>Datum und Zeit müssen beide ausgefüllt sein. Sortieren fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Sked %1 has the date &quot;%2&quot; and the time &quot;%3&quot;: %4.<byte value="xd"/>
Re-order failed.</source>
        <extracomment>%1 is the sked&apos;s number, %2 and %3 its date and time as typed, %4 why it can never ring. Keep the line break.</extracomment>
        <translation>Sked %1 hat das Datum „%2“ und die Zeit „%3“: %4.<byte value="xd"/>
Sortieren fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The re-ordered schedule could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)<byte value="xd"/>
<byte value="xd"/>
The table and the file are as they were.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be saved. Keep the line breaks.</extracomment>
        <translation>Der sortierte Zeitplan ließ sich nicht speichern unter<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)<byte value="xd"/>
<byte value="xd"/>
Tabelle und Datei bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source> Re-order failed</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Sortieren fehlgeschlagen</translation>
    </message>
    <message>
        <source>The re-ordered schedule was saved to<byte value="xd"/>
%1<byte value="xd"/>
but could not be read back (%2).<byte value="xd"/>
<byte value="xd"/>
The table is as it was.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read back. Keep the line breaks.</extracomment>
        <translation>Der sortierte Zeitplan wurde gespeichert unter<byte value="xd"/>
%1<byte value="xd"/>
ließ sich aber nicht wieder einlesen (%2).<byte value="xd"/>
<byte value="xd"/>
Die Tabelle bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>%1 exists - overwrite it ?</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 existiert bereits - überschreiben?</translation>
    </message>
    <message>
        <source> File exists...</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Datei existiert...</translation>
    </message>
    <message>
        <source>The schedule file<byte value="xd"/>
%1<byte value="xd"/>
%2.<byte value="xd"/>
<byte value="xd"/>
Tockmere will not replace the file unless you agree when it asks.</source>
        <extracomment>%1 is the file&apos;s path; %2 completes &quot;The schedule file &lt;path&gt;&quot; with why it could not be read, such as &quot;could not be read (it is a folder)&quot;. Keep the line breaks.</extracomment>
        <translation>Die Sked-Datei<byte value="xd"/>
%1<byte value="xd"/>
%2.<byte value="xd"/>
<byte value="xd"/>
Tockmere ersetzt die Datei nur, wenn Sie auf Nachfrage zustimmen.</translation>
    </message>
    <message>
        <source> Schedule not read</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Zeitplan nicht gelesen</translation>
    </message>
    <message>
        <source>The schedule file<byte value="xd"/>
%1<byte value="xd"/>
%2:<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Tockmere will not replace the file unless you agree when it asks.</source>
        <extracomment>%1 is the file&apos;s path; %2 completes &quot;The schedule file &lt;path&gt;&quot; with where the reading stopped, such as &quot;line 7 is not a sked&quot;; %3 is that line of the file. Keep the line breaks.</extracomment>
        <translation>Die Sked-Datei<byte value="xd"/>
%1<byte value="xd"/>
%2:<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Tockmere ersetzt die Datei nur, wenn Sie auf Nachfrage zustimmen.</translation>
    </message>
    <message>
        <source> Schedule not read whole</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Zeitplan nicht vollständig gelesen</translation>
    </message>
    <message>
        <source>The schedule file<byte value="xd"/>
%1<byte value="xd"/>
%2.<byte value="xd"/>
<byte value="xd"/>
Replace it with the table as it is now?<byte value="xd"/>
<byte value="xd"/>
No keeps the file as it is; Save Sked file can keep the table in another file.</source>
        <extracomment>%1 is the file&apos;s path; %2 completes &quot;The schedule file &lt;path&gt;&quot; with why it may not be replaced unasked, such as &quot;has no end line&quot;. Keep the line breaks.</extracomment>
        <translation>Die Sked-Datei<byte value="xd"/>
%1<byte value="xd"/>
%2.<byte value="xd"/>
<byte value="xd"/>
Durch die Tabelle in ihrem jetzigen Stand ersetzen?<byte value="xd"/>
<byte value="xd"/>
Nein lässt die Datei, wie sie ist; mit „Sked-Datei speichern“ lässt sich die Tabelle in einer anderen Datei sichern.</translation>
    </message>
    <message>
        <source>The schedule could not be printed (%1).<byte value="xd"/>
<byte value="xd"/>
Do you want to save the printout as a PDF file instead?</source>
        <extracomment>%1 is why the printer could not print it, such as &quot;no default printer is chosen&quot;. Keep the line breaks.</extracomment>
        <translation>Der Zeitplan ließ sich nicht drucken (%1).<byte value="xd"/>
<byte value="xd"/>
Möchten Sie den Ausdruck stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source> Printout failed</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Drucken fehlgeschlagen</translation>
    </message>
    <message>
        <source> Save the printout as...</source>
        <extracomment>A file dialog&apos;s caption: the leading blank is part of the caption.</extracomment>
        <translation> Ausdruck speichern unter...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>A file type in the file dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</source>
        <extracomment>%1 is the PDF file&apos;s path, %2 why it could not be saved. Keep the line breaks.</extracomment>
        <translation>Der Ausdruck ließ sich nicht speichern unter<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source> Printout not saved</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Ausdruck nicht gespeichert</translation>
    </message>
    <message>
        <source>Tockmere schedule</source>
        <extracomment>The name of the print job and of the PDF document.</extracomment>
        <translation>Tockmere-Zeitplan</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule table</source>
        <translation>Sked-Tabelle</translation>
    </message>
    <message>
        <source> Schedules Page1</source>
        <extracomment>The table window&apos;s first caption: the leading blank is part of the caption.</extracomment>
        <translation> Skeds Seite1</translation>
    </message>
    <message>
        <source>UTC Date</source>
        <extracomment>The heading of the date column when the skeds&apos; dates are UTC.</extracomment>
        <translation>UTC-Datum</translation>
    </message>
    <message>
        <source>Local Date</source>
        <translation>Ortsdatum</translation>
    </message>
    <message>
        <source>Save Sked file</source>
        <translation>Sked-Datei speichern</translation>
    </message>
    <message>
        <source>Load Sked file</source>
        <translation>Sked-Datei laden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Weekly Increment</source>
        <translation>Wöchentl. weiterzählen</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>The heading of the column of skip marks.</extracomment>
        <translation>Ausl.</translation>
    </message>
    <message>
        <source>Sked Time</source>
        <translation>Sked-Zeit</translation>
    </message>
    <message>
        <source>Sked Message</source>
        <translation>Sked-Text</translation>
    </message>
    <message>
        <source>The skip checkboxes are automatically checked after the alarm sounds.</source>
        <translation>Die Ausl.-Kästchen werden nach dem Alarmton automatisch angehakt.</translation>
    </message>
    <message>
        <source>Upper Right-X    disabled</source>
        <extracomment>A note that the window&apos;s close box does not close it, in a narrow label that wraps it; the run of blanks is part of it.</extracomment>
        <translation>X oben rechts    gesperrt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Re-order</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source> Click to re-order dates amd times, verify the results </source>
        <extracomment>A tooltip; the blanks at both ends are part of it.</extracomment>
        <translation> Klicken, um nach Datum und Zeit zu sortieren; Ergebnis prüfen </translation>
    </message>
    <message>
        <source>Printout</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Clear Table</source>
        <translation>Tabelle leeren</translation>
    </message>
    <message>
        <source>Right-mouse click on Tockmere for options, Countdown Timer, Stop Watch and Help.</source>
        <translation>Rechtsklick auf Tockmere für Optionen, Countdown, Stoppuhr und Hilfe.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Schedule file</source>
        <translation>Sked-Datei</translation>
    </message>
    <message>
        <source>Sked %1 skip</source>
        <extracomment>What a screen reader calls the skip mark of a row; %1 is the sked&apos;s number.</extracomment>
        <translation>Sked %1 auslassen</translation>
    </message>
    <message>
        <source>Sked %1 date</source>
        <extracomment>What a screen reader calls the date field of a row; %1 is the sked&apos;s number.</extracomment>
        <translation>Sked %1 Datum</translation>
    </message>
    <message>
        <source>Sked %1 time</source>
        <extracomment>What a screen reader calls the time field of a row; %1 is the sked&apos;s number.</extracomment>
        <translation>Sked %1 Zeit</translation>
    </message>
    <message>
        <source>Sked %1 message</source>
        <extracomment>What a screen reader calls the message field of a row; %1 is the sked&apos;s number.</extracomment>
        <translation>Sked %1 Text</translation>
    </message>
    <message>
        <source> Schedules page 2</source>
        <extracomment>The table window&apos;s caption on page 2: the leading blank is part of the caption.</extracomment>
        <translation> Skeds Seite 2</translation>
    </message>
    <message>
        <source> Schedules page 1</source>
        <translation> Skeds Seite 1</translation>
    </message>
    <message>
        <source>Skeds 21 to 40  </source>
        <extracomment>The page switch on page 2; the two trailing blanks are part of the caption.</extracomment>
        <translation>Skeds 21 bis 40  </translation>
    </message>
    <message>
        <source>Skeds 1 to 20  </source>
        <translation>Skeds 1 bis 20  </translation>
    </message>
    <message>
        <source> Are you sure you want to erase the schedule?</source>
        <extracomment>The leading blank is part of the question.</extracomment>
        <translation> Möchten Sie den Zeitplan wirklich löschen?</translation>
    </message>
    <message>
        <source> Erase all the sked information?</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Alle Sked-Angaben löschen?</translation>
    </message>
    <message>
        <source>When the first date field is clicked, the field is<byte value="xd"/>
pre-filled with the current date, which shows the<byte value="xd"/>
format as well. Edit the date and enter the alarm<byte value="xd"/>
time and alarm comment. When you click the date<byte value="xd"/>
for the next sked, the previous date is propagated.</source>
        <extracomment>The box breaks its lines where this text does: keep the line breaks, with lines of about the same length.</extracomment>
        <translation>Ein Klick in das erste Datumsfeld füllt es mit dem<byte value="xd"/>
heutigen Datum vor, das zugleich das Format zeigt.<byte value="xd"/>
Ändern Sie das Datum und geben Sie Alarmzeit und<byte value="xd"/>
Alarmtext ein. Ein Klick auf das Datumsfeld des<byte value="xd"/>
nächsten Skeds übernimmt das vorige Datum.</translation>
    </message>
    <message>
        <source> Auto date fill</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Datum automatisch füllen</translation>
    </message>
    <message>
        <source> Do you want to print the schedule?</source>
        <extracomment>The leading blank is part of the question.</extracomment>
        <translation> Möchten Sie den Zeitplan drucken?</translation>
    </message>
    <message>
        <source> Line print the schedule?</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Zeitplan als Liste drucken?</translation>
    </message>
    <message>
        <source>The help file<byte value="xd"/>
%1<byte value="xd"/>
could not be opened.</source>
        <extracomment>%1 is the help file&apos;s path. Keep the line breaks.</extracomment>
        <translation>Die Hilfedatei<byte value="xd"/>
%1<byte value="xd"/>
ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source> Help not found</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Hilfe nicht gefunden</translation>
    </message>
</context>
<context>
    <name>SkedFile</name>
    <message>
        <source>could not be read (%1)</source>
        <translation>konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>has no end line</source>
        <translation>hat keine „end“-Zeile</translation>
    </message>
    <message>
        <source>line %1 is a weekly line with a switch other than 0, 1 or 2</source>
        <translation>hat in Zeile %1 eine Wochenzeile mit einem anderen Schalterwert als 0, 1 oder 2</translation>
    </message>
    <message>
        <source>line %1 is not a sked</source>
        <translation>enthält in Zeile %1 keine Sked-Zeile</translation>
    </message>
    <message>
        <source>holds more than 40 skeds (line %1)</source>
        <translation>enthält mehr als 40 Skeds (Zeile %1)</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>der Inhalt lässt sich nicht lesen</translation>
    </message>
</context>
<context>
    <name>SkedTiming</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation>%1 h %2</translation>
    </message>
    <message>
        <source>%1 d %2</source>
        <translation>%1 T %2</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>due now</source>
        <translation>jetzt fällig</translation>
    </message>
    <message>
        <source>Due %1 UTC, %2 late</source>
        <translation>Fällig %1 UTC, %2 zu spät</translation>
    </message>
    <message>
        <source>Due %1 local, %2 late</source>
        <translation>Fällig %1 Ortszeit, %2 zu spät</translation>
    </message>
</context>
<context>
    <name>StopwatchWindow</name>
    <message>
        <source>Stop Watch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The button that starts the stopwatch.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button that stops the running stopwatch.</extracomment>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>TellingSettings</name>
    <message>
        <source>Tockmere could not store its settings in<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Options, window places and the schedule path changed in this run will be lost when it ends. Tockmere tells you once.</source>
        <extracomment>%1 is the path of the settings file. Keep the line breaks.</extracomment>
        <translation>Tockmere konnte seine Einstellungen nicht speichern in<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Optionen, Fensterpositionen und der Pfad des Zeitplans, die in diesem Lauf geändert wurden, gehen beim Beenden verloren. Tockmere sagt Ihnen das nur einmal.</translation>
    </message>
    <message>
        <source> Settings not saved</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Einstellungen nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>TimeBase</name>
    <message>
        <source>the time is missing</source>
        <translation>die Zeit fehlt</translation>
    </message>
    <message>
        <source>the date is not a date</source>
        <translation>das Datum ist kein Datum</translation>
    </message>
    <message>
        <source>the time is not a time of day</source>
        <translation>die Zeit ist keine Tageszeit</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>cannot make the folder %1</source>
        <extracomment>Why the entry for the start of the session could not be written; %1 is a folder&apos;s path.</extracomment>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tockmere: no display found (DISPLAY is not set); on a machine without one, start it as: xvfb-run -a %1</source>
        <translation>tockmere: keine Anzeige gefunden (DISPLAY ist nicht gesetzt); auf einem Rechner ohne Anzeige starten Sie es so: xvfb-run -a %1</translation>
    </message>
    <message>
        <source>tockmere: already running; brought it forward</source>
        <translation>tockmere: läuft bereits; nach vorn geholt</translation>
    </message>
    <message>
        <source>tockmere: already running; brought it forward (the file given was not opened)</source>
        <translation>tockmere: läuft bereits; nach vorn geholt (die angegebene Datei wurde nicht geöffnet)</translation>
    </message>
</context>
</TS>
