<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source> About Tockmere</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Acerca de Tockmere</translation>
    </message>
    <message>
        <source>Tockmere banner</source>
        <translation>Rótulo de Tockmere</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Copyright © 2026 Tockmere developers. Tockmere is free software under the GNU General Public License, version 3 or any later version, and comes with no warranty. Its source is at https://tockmere.org/; the help document has the licence&apos;s terms.</source>
        <extracomment>The legal notices, for a screen reader and in the banner&apos;s tooltip.</extracomment>
        <translation>Copyright © 2026 Tockmere developers. Tockmere es software libre bajo la Licencia Pública General de GNU, versión 3 o cualquier versión posterior, y se distribuye sin ninguna garantía. Su código fuente está en https://tockmere.org/; el documento de ayuda contiene los términos de la licencia.</translation>
    </message>
    <message>
        <source>sked clock, version %1</source>
        <extracomment>A line of the banner: %1 is the version number, such as 0.1.0.</extracomment>
        <translation>reloj de skeds, versión %1</translation>
    </message>
    <message>
        <source>© 2026 Tockmere developers · GNU GPL 3 or later</source>
        <extracomment>A short line of the banner, which is 294 pixels wide.</extracomment>
        <translation>© 2026 Tockmere developers · GNU GPL 3 o posterior</translation>
    </message>
    <message>
        <source>no warranty · source at tockmere.org</source>
        <extracomment>A short line of the banner, which is 294 pixels wide.</extracomment>
        <translation>sin garantía · código en tockmere.org</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>sked %1 (%2 %3, %4 late)</source>
        <extracomment>One sked in the list of missed skeds: its number, its date, its time, and how late it is (&quot;2 h 5 min&quot;).</extracomment>
        <translation>sked %1 (%2 %3, %4 de retraso)</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <extracomment>%1 is the list of the skeds that were marked done without ringing, separated by &quot;; &quot;.</extracomment>
        <translation>Perdidos: %1</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <extracomment>The heading of an alarm; %1 is the time it rang at, as the clock shows it.</extracomment>
        <translation>Alarma a las %1</translation>
    </message>
    <message>
        <source>Sked at %1 %2</source>
        <extracomment>The summary of a reminder: %1 is the sked&apos;s time (&quot;14:30&quot;), %2 the time left to it (&quot;in 5 min&quot;).</extracomment>
        <translation>Sked a las %1 %2</translation>
    </message>
    <message>
        <source>No sound: no audio output</source>
        <translation>Sin sonido: no hay salida de audio</translation>
    </message>
    <message>
        <source>No sound: %1 could not be read</source>
        <extracomment>%1 is the name of the wave file, such as alarm.wav.</extracomment>
        <translation>Sin sonido: no se pudo leer %1</translation>
    </message>
</context>
<context>
    <name>AlarmWindow</name>
    <message>
        <source> Alarm !!</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> ¡¡Alarma!!</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Alarm message</source>
        <translation>Mensaje de alarma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot follow its symbolic link</source>
        <translation>no se puede seguir su enlace simbólico</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>cannot write the file</source>
        <translation>no se puede escribir el archivo</translation>
    </message>
    <message>
        <source>cannot create a new file in its folder</source>
        <translation>no se puede crear un archivo nuevo en su carpeta</translation>
    </message>
    <message>
        <source>cannot set the file&apos;s permissions</source>
        <translation>no se pueden fijar los permisos del archivo</translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation>no se puede sustituir el archivo anterior</translation>
    </message>
</context>
<context>
    <name>ClockSync</name>
    <message>
        <source>System clock synchronised, estimated error ±%1</source>
        <translation>Reloj del sistema sincronizado, error estimado ±%1</translation>
    </message>
    <message>
        <source>System clock may be off by up to %1</source>
        <translation>Reloj del sistema con posible desvío de hasta %1</translation>
    </message>
    <message>
        <source>System clock is not synchronised</source>
        <translation>Reloj del sistema sin sincronizar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>tockmere: only one schedule file can be given (try tockmere --help)</source>
        <extracomment>On standard error; &quot;tockmere&quot; and &quot;--help&quot; are what the user types.</extracomment>
        <translation>tockmere: solo se puede indicar un archivo de skeds (pruebe tockmere --help)</translation>
    </message>
    <message>
        <source>tockmere: %1 (try tockmere --help)</source>
        <extracomment>On standard error: %1 is what is wrong with the command line, in the words of Qt&apos;s own translation. &quot;tockmere&quot; and &quot;--help&quot; are what the user types.</extracomment>
        <translation>tockmere: %1 (pruebe tockmere --help)</translation>
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
        <translation>Uso: tockmere [opciones] [ARCHIVO]
Un reloj de escritorio en UTC o en hora local que avisa a la hora de los skeds de un archivo de skeds.

Opciones:
  -h, --help     Muestra esta ayuda y termina.
  -v, --version  Muestra la versión y termina.

Argumentos:
  ARCHIVO        El archivo de skeds con el que empezar, en lugar del último usado.
</translation>
    </message>
</context>
<context>
    <name>DBusNotifier</name>
    <message>
        <source>there is no session bus</source>
        <extracomment>Why the desktop&apos;s notifications could not be used.</extracomment>
        <translation>no hay bus de sesión</translation>
    </message>
    <message>
        <source>Show Tockmere</source>
        <extracomment>The notification&apos;s button that brings the clock to the front.</extracomment>
        <translation>Mostrar Tockmere</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The notification&apos;s button that stops the looping alarm sound.</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>tockmere: the desktop&apos;s notifications could not be used (%1); alarms show in the alarm window only</source>
        <extracomment>A line on standard error; &quot;tockmere&quot; is the command&apos;s name. %1 is why, such as &quot;there is no session bus&quot;.</extracomment>
        <translation>tockmere: no se pudieron usar las notificaciones del escritorio (%1); las alarmas solo se muestran en la ventana de alarma</translation>
    </message>
</context>
<context>
    <name>MainCaption</name>
    <message>
        <source> Tockmere  by Ovix</source>
        <extracomment>The clock&apos;s caption with no sked armed: the leading blank and the two blanks before &quot;by&quot; are part of the caption.</extracomment>
        <translation> Tockmere  de Ovix</translation>
    </message>
    <message>
        <source> Count Down Timer</source>
        <extracomment>The clock&apos;s caption while a countdown runs: the leading blank is part of the caption.</extracomment>
        <translation> Cuenta atrás</translation>
    </message>
    <message>
        <source>Alarm Set   %1</source>
        <extracomment>The clock&apos;s caption with a sked armed: %1 is the schedule file&apos;s short name. The three blanks before it are part of the caption.</extracomment>
        <translation>Alarma fijada   %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Time of the next sked</source>
        <translation>Hora del siguiente sked</translation>
    </message>
    <message>
        <source>Time of the next sked, %1</source>
        <translation>Hora del siguiente sked, %1</translation>
    </message>
    <message>
        <source>Done countdown...</source>
        <extracomment>Told when a countdown ends while the alarm is silent.</extracomment>
        <translation>Cuenta atrás terminada...</translation>
    </message>
    <message>
        <source> Timer</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Temporizador</translation>
    </message>
    <message>
        <source>Set Alarm</source>
        <translation>Fijar alarma</translation>
    </message>
    <message>
        <source>Alarm Date</source>
        <translation>Fecha de alarma</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Hora de alarma</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button that stops a looping alarm sound.</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>UTC Time</source>
        <extracomment>The clock&apos;s label in UTC mode.</extracomment>
        <translation>Hora UTC</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>What a screen reader calls the button that leads to the options menu.</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>The Menu key or Shift+F10 opens the options menu</source>
        <extracomment>For a screen reader. Menu and Shift+F10 are keys of the keyboard.</extracomment>
        <translation>La tecla Menú o Mayús+F10 abre el menú de opciones</translation>
    </message>
    <message>
        <source>Date of the next sked</source>
        <translation>Fecha del siguiente sked</translation>
    </message>
    <message>
        <source>Stops the alarm sound</source>
        <translation>Detiene el sonido de la alarma</translation>
    </message>
    <message>
        <source>Time base of the clock</source>
        <translation>Referencia horaria del reloj</translation>
    </message>
    <message>
        <source>Message of the next sked</source>
        <translation>Mensaje del siguiente sked</translation>
    </message>
    <message>
        <source>Local Time</source>
        <extracomment>The clock&apos;s label when it shows local time.</extracomment>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Shown in place of the next sked&apos;s message when no sked is left to ring.</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>The minimised clock&apos;s caption when no sked is left to ring.</extracomment>
        <translation>listo</translation>
    </message>
</context>
<context>
    <name>ModulePrinter</name>
    <message>
        <source>printing is not installed: %1</source>
        <extracomment>Why printing failed: %1 is the system&apos;s word on the printing module that could not be loaded.</extracomment>
        <translation>el módulo de impresión no está instalado: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>UTC Time</source>
        <extracomment>The clock&apos;s label in UTC mode until the user names one with Change Offset Label.</extracomment>
        <translation>Hora UTC</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>PopUp</source>
        <extracomment>The options menu&apos;s title, shown where the menu is a submenu or in a menu bar; the pop-up menu itself shows none.</extracomment>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>Hora UTC</translation>
    </message>
    <message>
        <source>Set UTC offset</source>
        <translation>Fijar desfase UTC</translation>
    </message>
    <message>
        <source>Change Offset Label</source>
        <translation>Cambiar etiqueta del desfase</translation>
    </message>
    <message>
        <source>Silent Alarm</source>
        <translation>Alarma silenciosa</translation>
    </message>
    <message>
        <source>Alarm Set Minimized</source>
        <translation>Minimizar al fijar alarma</translation>
    </message>
    <message>
        <source>Test Alarm</source>
        <translation>Probar alarma</translation>
    </message>
    <message>
        <source>Count Down Timer</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Stop Watch Timer</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Continuous Alarm</source>
        <translation>Alarma continua</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar al entrar</translation>
    </message>
    <message>
        <source>Remind Before...</source>
        <translation>Recordar antes...</translation>
    </message>
    <message>
        <source>Alarm Msg PopUp</source>
        <extracomment>The switch for the alarm window, on. &quot;Msg&quot; is short for message.</extracomment>
        <translation>Ventana de alarma</translation>
    </message>
    <message>
        <source>No Alarm Msg PopUp</source>
        <translation>Sin ventana de alarma</translation>
    </message>
    <message>
        <source>Alarm Close Button</source>
        <extracomment>The switch for the alarm window&apos;s Close button, on.</extracomment>
        <translation>Botón Cerrar en la alarma</translation>
    </message>
    <message>
        <source>No Alarm Close Button</source>
        <translation>Sin botón Cerrar</translation>
    </message>
    <message>
        <source> Check UTC offset</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Comprobar desfase UTC</translation>
    </message>
    <message>
        <source>&lt;Enter&gt; or &lt;OK&gt; selects the %1 hr. system UTC offset.<byte value="xd"/>
<byte value="xd"/>
Or enter a new UTC hour offset.</source>
        <extracomment>%1 is the system&apos;s offset in hours that may have decimals (&quot;5.5&quot;); &quot;hr.&quot; is short for hours. Keep the line breaks.</extracomment>
        <translation>&lt;Intro&gt; o &lt;Aceptar&gt; elige el desfase UTC del sistema, %1 h.<byte value="xd"/>
<byte value="xd"/>
O introduzca un nuevo desfase UTC en horas.</translation>
    </message>
    <message>
        <source>Enter the UTC hour offset</source>
        <translation>Introduzca el desfase UTC en horas</translation>
    </message>
    <message>
        <source> Set UTC offset</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Fijar desfase UTC</translation>
    </message>
    <message>
        <source>Enter text for time offset: UTC PST etc.</source>
        <extracomment>UTC and PST are examples of labels the user may give the clock&apos;s time.</extracomment>
        <translation>Texto para el desfase horario: UTC PST etc.</translation>
    </message>
    <message>
        <source>Time label...</source>
        <translation>Etiqueta de la hora...</translation>
    </message>
    <message>
        <source>UTC Time</source>
        <extracomment>The label proposed for the clock&apos;s time, as the clock shows it before the user names one.</extracomment>
        <translation>Hora UTC</translation>
    </message>
    <message>
        <source> Tockmere Quick Help</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Ayuda rápida de Tockmere</translation>
    </message>
    <message>
        <source> Test Alarm</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Probar alarma</translation>
    </message>
    <message>
        <source>Enter &lt;SECONDS&gt; to count down from.<byte value="xd"/>
<byte value="xd"/>
ex: &lt;60 = 1min.&gt;<byte value="xd"/>
<byte value="xd"/>
Enter 0 to clear.</source>
        <extracomment>&quot;ex:&quot; is short for example, &quot;1min.&quot; for one minute. Keep the line breaks.</extracomment>
        <translation>Introduzca los &lt;SEGUNDOS&gt; de la cuenta atrás.<byte value="xd"/>
<byte value="xd"/>
ej.: &lt;60 = 1 min.&gt;<byte value="xd"/>
<byte value="xd"/>
Introduzca 0 para detenerla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time to count down. Enter seconds (90), minutes and seconds (1:30) or hours, minutes and seconds (1:00:00).</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>&quot;%1&quot; no es un tiempo para la cuenta atrás. Introduzca segundos (90), minutos y segundos (1:30) u horas, minutos y segundos (1:00:00).</translation>
    </message>
    <message>
        <source>Tockmere could not write its entry for the start of your session:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</source>
        <extracomment>%1 is the path of the desktop&apos;s autostart entry, %2 why it could not be written. Keep the line breaks.</extracomment>
        <translation>Tockmere no pudo escribir su entrada para el inicio de su sesión:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source>Tockmere could not remove its entry for the start of your session:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</source>
        <translation>Tockmere no pudo eliminar su entrada para el inicio de su sesión:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source> Start at Login</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Iniciar al entrar</translation>
    </message>
    <message>
        <source>Enter the minutes before each sked to be reminded, up to %1.<byte value="xd"/>
<byte value="xd"/>
Enter 0 for no reminder.</source>
        <extracomment>%1 is the most minutes a reminder may come ahead (1440, a day). Keep the line breaks.</extracomment>
        <translation>Introduzca con cuántos minutos de antelación recordar cada sked, hasta %1.<byte value="xd"/>
<byte value="xd"/>
Introduzca 0 para no recibir recordatorios.</translation>
    </message>
    <message>
        <source>Remind Before</source>
        <translation>Recordar antes</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is not a number of minutes from 0 to %2; the reminder is kept at %n minutes.</source>
        <extracomment>%1 is what the user typed, %2 the most minutes allowed (1440); %n the minutes the reminder keeps.</extracomment>
        <translation>
            <numerusform>&quot;%1&quot; no es un número de minutos entre 0 y %2; el recordatorio se mantiene en %n minuto.</numerusform>
            <numerusform>&quot;%1&quot; no es un número de minutos entre 0 y %2; el recordatorio se mantiene en %n minutos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours</source>
        <extracomment>An offset from UTC in hours; %1 is the number, which may have decimals (&quot;5.5&quot;).</extracomment>
        <translation>
            <numerusform>%1 hora</numerusform>
            <numerusform>%1 horas</numerusform>
        </translation>
    </message>
    <message>
        <source>System UTC offset %1 does not <byte value="xd"/>
match the setting in Tockmere %2.</source>
        <extracomment>%1 is the system&apos;s offset, %2 the one set in Tockmere, each in hours (&quot;5 hours&quot;). Keep the blank before the line break, and the line break.</extracomment>
        <translation>El desfase UTC del sistema, %1, no <byte value="xd"/>
coincide con el fijado en Tockmere, %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a UTC offset; the offset is kept at %2.<byte value="xd"/>
<byte value="xd"/>
The offset is the hours added to local time to get UTC: 5 at UTC-5, -5.5 or -5:30 at UTC+5:30.</source>
        <extracomment>%1 is what the user typed, %2 the offset kept, in hours (&quot;5.5 hours&quot;). Keep the line breaks.</extracomment>
        <translation>&quot;%1&quot; no es un desfase UTC; el desfase se mantiene en %2.<byte value="xd"/>
<byte value="xd"/>
El desfase son las horas que se suman a la hora local para obtener la UTC: 5 en UTC-5, -5.5 o -5:30 en UTC+5:30.</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Scheduled Alarms   File: %1</source>
        <translation>Alarmas programadas   Archivo: %1</translation>
    </message>
    <message>
        <source>Dates and Times are UTC</source>
        <translation>Las fechas y horas son UTC</translation>
    </message>
    <message>
        <source>Dates and Times are Local</source>
        <translation>Las fechas y horas son locales</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Missed skeds</source>
        <extracomment>The heading of the alarm window and notification that name the skeds that were too late to ring and were marked done.</extracomment>
        <translation>Skeds perdidos</translation>
    </message>
    <message>
        <source>Do right-mouse click on TOCKMERE to view options/HELP</source>
        <extracomment>Shown at the first start, before there is a schedule file.</extracomment>
        <translation>Haga clic derecho en TOCKMERE para ver opciones/AYUDA</translation>
    </message>
    <message>
        <source> Initial use</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Primer uso</translation>
    </message>
    <message>
        <source>When the last session ended, the schedule&apos;s changes could not be written to its file unasked. They were kept in<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Load Sked file opens them.</source>
        <extracomment>%1 is the path of the file that kept the changes; &quot;Load Sked file&quot; is the table window&apos;s menu entry. Keep the line breaks.</extracomment>
        <translation>Al terminar la última sesión, los cambios de la tabla de skeds no se pudieron escribir en su archivo sin preguntar. Se guardaron en<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Cargar archivo de skeds los abre.</translation>
    </message>
    <message>
        <source> Schedule kept</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Skeds conservados</translation>
    </message>
</context>
<context>
    <name>QtHelpViewer</name>
    <message>
        <source> Tockmere Help</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Ayuda de Tockmere</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>the printer could not be started</source>
        <extracomment>Why printing failed, in parentheses after &quot;The schedule could not be printed&quot;.</extracomment>
        <translation>no se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>the printer could not start a new page</source>
        <extracomment>Why printing failed, in parentheses after &quot;The schedule could not be printed&quot;.</extracomment>
        <translation>la impresora no pudo empezar una página nueva</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <extracomment>Why printing failed, in parentheses after &quot;The schedule could not be printed&quot;.</extracomment>
        <translation>la impresora informó de un error</translation>
    </message>
    <message>
        <source>no printer is set up on this computer</source>
        <extracomment>Why printing failed, in parentheses after &quot;The schedule could not be printed&quot;.</extracomment>
        <translation>no hay ninguna impresora configurada en este ordenador</translation>
    </message>
    <message>
        <source>no default printer is chosen</source>
        <extracomment>Why printing failed, in parentheses after &quot;The schedule could not be printed&quot;.</extracomment>
        <translation>no se ha elegido ninguna impresora predeterminada</translation>
    </message>
</context>
<context>
    <name>QuickHelp</name>
    <message>
        <source>The alarms follow the sequence in the sked table.</source>
        <translation>Las alarmas siguen el orden de la tabla de skeds.</translation>
    </message>
    <message>
        <source>Enter the scheduled events in chronological order.</source>
        <translation>Introduzca los skeds en orden cronológico.</translation>
    </message>
    <message>
        <source>If needed, click the {Re-order} button to put them</source>
        <translation>Si hace falta, pulse el botón {Ordenar} para</translation>
    </message>
    <message>
        <source>        in correct date/time order.</source>
        <translation>        ponerlos en orden de fecha/hora.</translation>
    </message>
    <message>
        <source>You have a %1 hour offset selected.</source>
        <translation>Tiene seleccionado un desfase de %1 h.</translation>
    </message>
    <message>
        <source>Select UTC in the menu to use this offset.</source>
        <translation>Elija Hora UTC en el menú para usar este desfase.</translation>
    </message>
    <message>
        <source>Enter your UTC hour offset.</source>
        <translation>Introduzca su desfase UTC en horas.</translation>
    </message>
    <message>
        <source>The alarm and skeds table screens, can sized by</source>
        <translation>Puede cambiar el tamaño de las ventanas de alarma</translation>
    </message>
    <message>
        <source>dragging a corner. Use upper-right-X to save.</source>
        <translation>y de skeds por una esquina. Guárdelo con la X.</translation>
    </message>
    <message>
        <source>You can un-check &lt;Silent Alarm&gt; to play a wave</source>
        <translation>Desmarque &lt;Alarma silenciosa&gt; para reproducir un</translation>
    </message>
    <message>
        <source>file when the alarm triggers. Use your own wave</source>
        <translation>archivo de onda con la alarma. Use uno propio,</translation>
    </message>
    <message>
        <source>file, but it must be named &lt;alarm.wav&gt;.</source>
        <translation>pero debe llamarse &lt;alarm.wav&gt;.</translation>
    </message>
    <message>
        <source>Click &lt;Test Alarm&gt; to test it.</source>
        <translation>Pulse &lt;Probar alarma&gt; para probarlo.</translation>
    </message>
    <message>
        <source>The file &lt;stop.wav&gt; is required to stop playing a</source>
        <translation>Hace falta el archivo &lt;stop.wav&gt; para detener una</translation>
    </message>
    <message>
        <source>continuous alarm. No &lt;stop.wav&gt; = no stop.</source>
        <translation>alarma continua. Sin &lt;stop.wav&gt; = sin parada.</translation>
    </message>
</context>
<context>
    <name>Reorder</name>
    <message>
        <source>cannot read it back</source>
        <translation>no se puede volver a leer</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>was changed by another program since Tockmere last read or wrote it</source>
        <extracomment>Completes &quot;The schedule file &lt;path&gt;&quot;: why it may not be replaced unasked.</extracomment>
        <translation>ha sido modificado por otro programa desde que Tockmere lo leyó o escribió por última vez</translation>
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
        <translation>No se pudieron guardar los skeds en<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source> Replace the schedule file?</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> ¿Sustituir el archivo de skeds?</translation>
    </message>
    <message>
        <source> Schedule not saved</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Skeds no guardados</translation>
    </message>
    <message>
        <source>The schedule could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)<byte value="xd"/>
<byte value="xd"/>
Skeds that have fired may ring again at the next start. Tockmere tells you once.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be saved. Keep the line breaks.</extracomment>
        <translation>No se pudieron guardar los skeds en<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)<byte value="xd"/>
<byte value="xd"/>
Los skeds que ya se dispararon pueden volver a sonar en el siguiente arranque. Tockmere solo se lo avisa una vez.</translation>
    </message>
    <message>
        <source>The table has changes that are not saved in<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Load another file and lose them?</source>
        <translation>La tabla tiene cambios que no están guardados en<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
¿Cargar otro archivo y perderlos?</translation>
    </message>
    <message>
        <source> Load Sked file</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Cargar archivo de skeds</translation>
    </message>
    <message>
        <source> Load Tockmere datafile...</source>
        <extracomment>A file dialog&apos;s caption: the leading blank is part of the caption.</extracomment>
        <translation> Cargar archivo de datos de Tockmere...</translation>
    </message>
    <message>
        <source>Sked files (*.dat)</source>
        <extracomment>A file type in the file dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>Archivos de skeds (*.dat)</translation>
    </message>
    <message>
        <source> Save Skeds datafile as...</source>
        <extracomment>A file dialog&apos;s caption: the leading blank is part of the caption.</extracomment>
        <translation> Guardar archivo de skeds como...</translation>
    </message>
    <message>
        <source>Tockmere sked files (*.dat)</source>
        <extracomment>A file type in the file dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>Archivos de skeds de Tockmere (*.dat)</translation>
    </message>
    <message>
        <source>The schedule file<byte value="xd"/>
%1<byte value="xd"/>
%2.<byte value="xd"/>
<byte value="xd"/>
The table and the current file are as they were.</source>
        <extracomment>%1 is the file&apos;s path; %2 completes &quot;The schedule file &lt;path&gt;&quot; with why it could not be read, such as &quot;could not be read (it is a folder)&quot;. Keep the line breaks.</extracomment>
        <translation>El archivo de skeds<byte value="xd"/>
%1<byte value="xd"/>
%2.<byte value="xd"/>
<byte value="xd"/>
La tabla y el archivo actual quedan como estaban.</translation>
    </message>
    <message>
        <source> Schedule not loaded</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Skeds no cargados</translation>
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
        <translation>Estos skeds no sonarán:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source> Skeds that will not ring</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Skeds que no sonarán</translation>
    </message>
    <message>
        <source>Sked %1 (%2 %3) will ring only after sked %4. Re-order now?</source>
        <extracomment>%1 is the number of the sked held back, %2 and %3 its date and time, %4 the number of the later sked above it in the table.</extracomment>
        <translation>El sked %1 (%2 %3) solo sonará después del sked %4. ¿Ordenar ahora?</translation>
    </message>
    <message>
        <source> Skeds out of order</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Skeds desordenados</translation>
    </message>
    <message>
        <source>Both Date and Time must be filled in. Re-order failed.</source>
        <translation>Hay que rellenar tanto la fecha como la hora. No se ha podido ordenar.</translation>
    </message>
    <message>
        <source>Sked %1 has the date &quot;%2&quot; and the time &quot;%3&quot;: %4.<byte value="xd"/>
Re-order failed.</source>
        <extracomment>%1 is the sked&apos;s number, %2 and %3 its date and time as typed, %4 why it can never ring. Keep the line break.</extracomment>
        <translation>El sked %1 tiene la fecha &quot;%2&quot; y la hora &quot;%3&quot;: %4.<byte value="xd"/>
No se ha podido ordenar.</translation>
    </message>
    <message>
        <source>The re-ordered schedule could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)<byte value="xd"/>
<byte value="xd"/>
The table and the file are as they were.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be saved. Keep the line breaks.</extracomment>
        <translation>No se pudieron guardar los skeds ordenados en<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)<byte value="xd"/>
<byte value="xd"/>
La tabla y el archivo quedan como estaban.</translation>
    </message>
    <message>
        <source> Re-order failed</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> No se pudo ordenar</translation>
    </message>
    <message>
        <source>The re-ordered schedule was saved to<byte value="xd"/>
%1<byte value="xd"/>
but could not be read back (%2).<byte value="xd"/>
<byte value="xd"/>
The table is as it was.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read back. Keep the line breaks.</extracomment>
        <translation>Los skeds ordenados se guardaron en<byte value="xd"/>
%1<byte value="xd"/>
pero el archivo no se pudo volver a leer (%2).<byte value="xd"/>
<byte value="xd"/>
La tabla queda como estaba.</translation>
    </message>
    <message>
        <source>%1 exists - overwrite it ?</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 ya existe - ¿sobrescribirlo?</translation>
    </message>
    <message>
        <source> File exists...</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> El archivo ya existe...</translation>
    </message>
    <message>
        <source>The schedule file<byte value="xd"/>
%1<byte value="xd"/>
%2.<byte value="xd"/>
<byte value="xd"/>
Tockmere will not replace the file unless you agree when it asks.</source>
        <extracomment>%1 is the file&apos;s path; %2 completes &quot;The schedule file &lt;path&gt;&quot; with why it could not be read, such as &quot;could not be read (it is a folder)&quot;. Keep the line breaks.</extracomment>
        <translation>El archivo de skeds<byte value="xd"/>
%1<byte value="xd"/>
%2.<byte value="xd"/>
<byte value="xd"/>
Tockmere no sustituirá el archivo salvo que usted lo acepte cuando se lo pregunte.</translation>
    </message>
    <message>
        <source> Schedule not read</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Skeds no leídos</translation>
    </message>
    <message>
        <source>The schedule file<byte value="xd"/>
%1<byte value="xd"/>
%2:<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Tockmere will not replace the file unless you agree when it asks.</source>
        <extracomment>%1 is the file&apos;s path; %2 completes &quot;The schedule file &lt;path&gt;&quot; with where the reading stopped, such as &quot;line 7 is not a sked&quot;; %3 is that line of the file. Keep the line breaks.</extracomment>
        <translation>El archivo de skeds<byte value="xd"/>
%1<byte value="xd"/>
%2:<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Tockmere no sustituirá el archivo salvo que usted lo acepte cuando se lo pregunte.</translation>
    </message>
    <message>
        <source> Schedule not read whole</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Skeds leídos a medias</translation>
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
        <translation>El archivo de skeds<byte value="xd"/>
%1<byte value="xd"/>
%2.<byte value="xd"/>
<byte value="xd"/>
¿Sustituirlo por la tabla tal como está ahora?<byte value="xd"/>
<byte value="xd"/>
No deja el archivo como está; Guardar archivo de skeds puede guardar la tabla en otro archivo.</translation>
    </message>
    <message>
        <source>The schedule could not be printed (%1).<byte value="xd"/>
<byte value="xd"/>
Do you want to save the printout as a PDF file instead?</source>
        <extracomment>%1 is why the printer could not print it, such as &quot;no default printer is chosen&quot;. Keep the line breaks.</extracomment>
        <translation>No se pudieron imprimir los skeds (%1).<byte value="xd"/>
<byte value="xd"/>
¿Desea guardar el listado como archivo PDF en su lugar?</translation>
    </message>
    <message>
        <source> Printout failed</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Error al imprimir</translation>
    </message>
    <message>
        <source> Save the printout as...</source>
        <extracomment>A file dialog&apos;s caption: the leading blank is part of the caption.</extracomment>
        <translation> Guardar el listado como...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>A file type in the file dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</source>
        <extracomment>%1 is the PDF file&apos;s path, %2 why it could not be saved. Keep the line breaks.</extracomment>
        <translation>No se pudo guardar el listado en<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source> Printout not saved</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Listado no guardado</translation>
    </message>
    <message>
        <source>Tockmere schedule</source>
        <extracomment>The name of the print job and of the PDF document.</extracomment>
        <translation>Skeds de Tockmere</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule table</source>
        <translation>Tabla de skeds</translation>
    </message>
    <message>
        <source> Schedules Page1</source>
        <extracomment>The table window&apos;s first caption: the leading blank is part of the caption.</extracomment>
        <translation> Skeds página 1</translation>
    </message>
    <message>
        <source>UTC Date</source>
        <extracomment>The heading of the date column when the skeds&apos; dates are UTC.</extracomment>
        <translation>Fecha UTC</translation>
    </message>
    <message>
        <source>Local Date</source>
        <translation>Fecha local</translation>
    </message>
    <message>
        <source>Save Sked file</source>
        <translation>Guardar archivo de skeds</translation>
    </message>
    <message>
        <source>Load Sked file</source>
        <translation>Cargar archivo de skeds</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Weekly Increment</source>
        <translation>Incremento semanal</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>The heading of the column of skip marks.</extracomment>
        <translation>Omit</translation>
    </message>
    <message>
        <source>Sked Time</source>
        <translation>Hora sked</translation>
    </message>
    <message>
        <source>Sked Message</source>
        <translation>Mensaje del sked</translation>
    </message>
    <message>
        <source>The skip checkboxes are automatically checked after the alarm sounds.</source>
        <translation>Las casillas Omitir se marcan solas cuando suena la alarma.</translation>
    </message>
    <message>
        <source>Upper Right-X    disabled</source>
        <extracomment>A note that the window&apos;s close box does not close it, in a narrow label that wraps it; the run of blanks is part of it.</extracomment>
        <translation>X de cierre    desactivada</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Re-order</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source> Click to re-order dates amd times, verify the results </source>
        <extracomment>A tooltip; the blanks at both ends are part of it.</extracomment>
        <translation> Pulse para ordenar por fecha y hora; compruebe el resultado </translation>
    </message>
    <message>
        <source>Printout</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Clear Table</source>
        <translation>Vaciar tabla</translation>
    </message>
    <message>
        <source>Right-mouse click on Tockmere for options, Countdown Timer, Stop Watch and Help.</source>
        <translation>Clic derecho en Tockmere: opciones, Cuenta atrás, Cronómetro y Ayuda.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Schedule file</source>
        <translation>Archivo de skeds</translation>
    </message>
    <message>
        <source>Sked %1 skip</source>
        <extracomment>What a screen reader calls the skip mark of a row; %1 is the sked&apos;s number.</extracomment>
        <translation>Omitir sked %1</translation>
    </message>
    <message>
        <source>Sked %1 date</source>
        <extracomment>What a screen reader calls the date field of a row; %1 is the sked&apos;s number.</extracomment>
        <translation>Fecha del sked %1</translation>
    </message>
    <message>
        <source>Sked %1 time</source>
        <extracomment>What a screen reader calls the time field of a row; %1 is the sked&apos;s number.</extracomment>
        <translation>Hora del sked %1</translation>
    </message>
    <message>
        <source>Sked %1 message</source>
        <extracomment>What a screen reader calls the message field of a row; %1 is the sked&apos;s number.</extracomment>
        <translation>Mensaje del sked %1</translation>
    </message>
    <message>
        <source> Schedules page 2</source>
        <extracomment>The table window&apos;s caption on page 2: the leading blank is part of the caption.</extracomment>
        <translation> Skeds página 2</translation>
    </message>
    <message>
        <source> Schedules page 1</source>
        <translation> Skeds página 1</translation>
    </message>
    <message>
        <source>Skeds 21 to 40  </source>
        <extracomment>The page switch on page 2; the two trailing blanks are part of the caption.</extracomment>
        <translation>Skeds 21 a 40  </translation>
    </message>
    <message>
        <source>Skeds 1 to 20  </source>
        <translation>Skeds 1 a 20  </translation>
    </message>
    <message>
        <source> Are you sure you want to erase the schedule?</source>
        <extracomment>The leading blank is part of the question.</extracomment>
        <translation> ¿Seguro que desea borrar todos los skeds?</translation>
    </message>
    <message>
        <source> Erase all the sked information?</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> ¿Borrar toda la información de los skeds?</translation>
    </message>
    <message>
        <source>When the first date field is clicked, the field is<byte value="xd"/>
pre-filled with the current date, which shows the<byte value="xd"/>
format as well. Edit the date and enter the alarm<byte value="xd"/>
time and alarm comment. When you click the date<byte value="xd"/>
for the next sked, the previous date is propagated.</source>
        <extracomment>The box breaks its lines where this text does: keep the line breaks, with lines of about the same length.</extracomment>
        <translation>Al hacer clic en el primer campo de fecha, este se<byte value="xd"/>
rellena con la fecha actual, lo que además muestra<byte value="xd"/>
el formato. Modifique la fecha y escriba la hora y<byte value="xd"/>
el comentario de la alarma. Al hacer clic en la<byte value="xd"/>
fecha del siguiente sked, se copia la anterior.</translation>
    </message>
    <message>
        <source> Auto date fill</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Relleno automático de fecha</translation>
    </message>
    <message>
        <source> Do you want to print the schedule?</source>
        <extracomment>The leading blank is part of the question.</extracomment>
        <translation> ¿Desea imprimir la lista de skeds?</translation>
    </message>
    <message>
        <source> Line print the schedule?</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> ¿Imprimir la lista de skeds?</translation>
    </message>
    <message>
        <source>The help file<byte value="xd"/>
%1<byte value="xd"/>
could not be opened.</source>
        <extracomment>%1 is the help file&apos;s path. Keep the line breaks.</extracomment>
        <translation>El archivo de ayuda<byte value="xd"/>
%1<byte value="xd"/>
no se pudo abrir.</translation>
    </message>
    <message>
        <source> Help not found</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Ayuda no encontrada</translation>
    </message>
</context>
<context>
    <name>SkedFile</name>
    <message>
        <source>could not be read (%1)</source>
        <translation>no se pudo leer (%1)</translation>
    </message>
    <message>
        <source>has no end line</source>
        <translation>no tiene línea final</translation>
    </message>
    <message>
        <source>line %1 is a weekly line with a switch other than 0, 1 or 2</source>
        <translation>la línea %1 es una línea semanal con una opción distinta de 0, 1 o 2</translation>
    </message>
    <message>
        <source>line %1 is not a sked</source>
        <translation>la línea %1 no es un sked</translation>
    </message>
    <message>
        <source>holds more than 40 skeds (line %1)</source>
        <translation>contiene más de 40 skeds (línea %1)</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
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
        <translation>%1 d %2</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>due now</source>
        <translation>ahora</translation>
    </message>
    <message>
        <source>Due %1 UTC, %2 late</source>
        <translation>Prevista %1 UTC, %2 de retraso</translation>
    </message>
    <message>
        <source>Due %1 local, %2 late</source>
        <translation>Prevista %1 hora local, %2 de retraso</translation>
    </message>
</context>
<context>
    <name>StopwatchWindow</name>
    <message>
        <source>Stop Watch</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The button that starts the stopwatch.</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button that stops the running stopwatch.</extracomment>
        <translation>Parar</translation>
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
        <translation>Tockmere no pudo guardar su configuración en<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Las opciones, las posiciones de las ventanas y la ruta de los skeds que se cambien en esta ejecución se perderán al terminar. Tockmere solo se lo avisa una vez.</translation>
    </message>
    <message>
        <source> Settings not saved</source>
        <extracomment>A window caption: the leading blank is part of the caption.</extracomment>
        <translation> Configuración no guardada</translation>
    </message>
</context>
<context>
    <name>TimeBase</name>
    <message>
        <source>the time is missing</source>
        <translation>falta la hora</translation>
    </message>
    <message>
        <source>the date is not a date</source>
        <translation>la fecha no es una fecha</translation>
    </message>
    <message>
        <source>the time is not a time of day</source>
        <translation>la hora no es una hora del día</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>cannot make the folder %1</source>
        <extracomment>Why the entry for the start of the session could not be written; %1 is a folder&apos;s path.</extracomment>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tockmere: no display found (DISPLAY is not set); on a machine without one, start it as: xvfb-run -a %1</source>
        <translation>tockmere: no se encontró ninguna pantalla (DISPLAY no está definida); en una máquina sin pantalla, arránquelo así: xvfb-run -a %1</translation>
    </message>
    <message>
        <source>tockmere: already running; brought it forward</source>
        <translation>tockmere: ya está en marcha; se ha pasado al frente</translation>
    </message>
    <message>
        <source>tockmere: already running; brought it forward (the file given was not opened)</source>
        <translation>tockmere: ya está en marcha; se ha pasado al frente (no se abrió el archivo indicado)</translation>
    </message>
</context>
</TS>
