// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "DBusNotifier.h"
#include "FileInLanguage.h"
#include "FakeSettings.h"
#include "Modules.h"
#include "QtClock.h"
#include "QtDialogs.h"
#include "QtHelpViewer.h"
#include "QtPrinter.h"
#include "QtSettingsStore.h"
#include "QtSound.h"
#include "Resizer.h"
#include "SingleInstance.h"
#include "SkedRows.h"
#include "TerminationSignals.h"
#include "WallClockTimer.h"
#include "XdgAutostart.h"

#include <QtMultimedia>
#include <QtTest>
#include <QtWidgets>

#include <csignal>

// The Qt adapters against the real toolkit and system, in folders of the test's own.
class TestPlatform : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    using Control = std::pair<QRect, qreal>; // geometry and point size

    static void useZone(const QString& zone) { qputenv("TZ", zone.toLatin1()), tzset(); }

private slots:
    // clang-format off
    // One clock read in turn, each time in the zone and at the moment given; local: every reading.
    // The last reading is in UTC, the zone every other test expects.
    void clock_data() {
        QTest::addColumn<QStringList>("readings"); QTest::addColumn<QString>("local");
        QTest::newRow("New York both ways, stepped back") << QStringList{"America/New_York 2026-03-08T06:59:59.500Z", "America/New_York 2026-03-08T07:00:00.000Z", "America/New_York 2026-03-08T06:59:30.000Z", "America/New_York 2026-11-01T05:59:59.900Z", "America/New_York 2026-11-01T06:00:00.100Z"} << "2026-03-08T01:59:59-05:00 2026-03-08T03:00:00-04:00 2026-03-08T01:59:30-05:00 2026-11-01T01:59:59-04:00 2026-11-01T01:00:00-05:00";
        QTest::newRow("half-hour change on a half hour")  << QStringList{"Australia/Lord_Howe 2026-10-03T15:29:59.500Z", "Australia/Lord_Howe 2026-10-03T15:30:00.000Z"} << "2026-10-04T01:59:59+10:30 2026-10-04T02:30:00+11:00";
        QTest::newRow("new zones around 1970")            << QStringList{"UTC 1969-12-31T23:58:30.000Z", "Asia/Kolkata 1970-01-01T00:00:30.000Z", "UTC 1969-12-31T23:59:30.000Z", "Asia/Kolkata 1970-01-01T00:00:30.000Z"} << "1969-12-31T23:58:30Z 1970-01-01T05:30:30+05:30 1969-12-31T23:59:30Z 1970-01-01T05:30:30+05:30";
        QTest::newRow("new zone from the next minute")    << QStringList{"Asia/Kolkata 2026-12-06T12:00:00.000Z", "UTC 2026-12-06T12:00:59.999Z", "UTC 2026-12-06T12:01:00.000Z"} << "2026-12-06T17:30:00+05:30 2026-12-06T17:30:59+05:30 2026-12-06T12:01:00Z";
    }
    // clang-format on
    void clock() {
        QFETCH(QStringList, readings);
        QFETCH(QString, local);
        QtClock clock;
        QStringList seen;
        for (const QString& reading : readings) {
            useZone(reading.section(u' ', 0, 0));
            const auto moment = QDateTime::fromString(reading.section(u' ', 1), Qt::ISODateWithMs);
            seen << clock.localAt(moment.toMSecsSinceEpoch()).toString(Qt::ISODate);
        }
        QCOMPARE(seen.join(u' '), local);
    }

    void settingsStore() {
        QtSettingsStore store;
        QCOMPARE(store.location("X"), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tockmere/X.ini");
        QCOMPARE(store.read("Tockmere", "Options", "Silent", "TRUE"), QStringLiteral("TRUE"));
        QVERIFY(store.save("Tockmere", "Options", "Label", " /op/a,b.dat "));
        QCOMPARE(QtSettingsStore().read("Tockmere", "Options", "Label", {}), " /op/a,b.dat ");
        // Edited by hand: to Qt, unquoted commas make a list.
        writeBytes(store.location(QStringLiteral("Edited")), "[Options]\nLabel=a, b,c\n");
        QCOMPARE(store.read("Edited", "Options", "Label", {}), QStringLiteral("a,b,c"));
        // A file where its folder should be stops even the superuser, as a read-only mode does not.
        writeBytes(store.location(QStringLiteral("Blocked")), {});
        QVERIFY(!store.save("Blocked.ini/Inner", "Options", "Silent", "TRUE"));
    }

    // One dialog of each kind, answered by a key once it is up. Seen: the title, then for a message
    // box its text and text format (0: plain), for the prompt its label, for a file dialog its
    // accept mode (1: save), options (12: Qt's own dialog, no question before overwriting) and
    // filters.
    void dialogs() {
        QStringList seen;
        const auto answer = [&seen](Qt::Key key) {
            QTimer::singleShot(0, [&seen, key] {
                QWidget* modal = QApplication::activeModalWidget();
                seen << modal->windowTitle();
                if (auto* box = qobject_cast<QMessageBox*>(modal))
                    seen << box->text() << QString::number(box->textFormat());
                if (auto* input = qobject_cast<QInputDialog*>(modal))
                    seen << input->labelText();
                if (auto* files = qobject_cast<QFileDialog*>(modal))
                    seen << QString::number(files->acceptMode())
                         << QString::number(files->options()) << files->nameFilters().join(u';');
                QTest::keyClick(modal, key);
            });
        };
        using A = Dialogs::Answer;
        const QString start = dir_.filePath(QStringLiteral("skeds.dat"));
        QtDialogs dialogs;
        answer(Qt::Key_Escape);
        QCOMPARE(dialogs.message("one\r\ntwo", Dialogs::Buttons::OkCancel, true, "T"), A::Cancel);
        answer(Qt::Key_Return);
        QCOMPARE(dialogs.message("Go?", Dialogs::Buttons::YesNoKeepNo, false, {}), A::No);
        answer(Qt::Key_Return);
        QCOMPARE(dialogs.prompt("line one\r\n\r\nline three", {}, "5"), QStringLiteral("5"));
        answer(Qt::Key_Return);
        QCOMPARE(dialogs.openFile(" Load", "Sked files (*.dat)|*.dat", start), start);
        answer(Qt::Key_Escape);
        QCOMPARE(dialogs.saveFile(" Save", "Skeds|*.dat;*.txt|All|*|left over", start), QString());
        // The same boxes without waiting: the call returns, the answer comes to the slot.
        A asked = A::Cancel;
        QString typed;
        answer(Qt::Key_Return);
        dialogs.ask("Replace?", Dialogs::Buttons::YesNoKeepNo, true, " R", [&](A a) { asked = a; });
        QTRY_COMPARE(asked, A::No);
        answer(Qt::Key_Return);
        dialogs.askText("offset", {}, "-5:30", [&](const QString& text) { typed = text; });
        QTRY_COMPARE(typed, QStringLiteral("-5:30"));
        // clang-format off
        QCOMPARE(seen, (QStringList{"T", "one\ntwo", "0", "Tockmere", "Go?", "0", "Tockmere", "line one\n\nline three", " Load", "0", "12", "Sked files (*.dat)", " Save", "1", "12", "Skeds (*.dat *.txt);All (*)", " R", "Replace?", "0", "Tockmere", "offset"}));
        // clang-format on
    }

    // clang-format off
    // Height, Left, Top and Width stored in twips (in the store's order; "-": not a number), and
    // stored again after restoring them; the control designed at 45,60 73x19 at 8 points in the
    // client area, the whole window, of 640x480 pixels.
    void layout_data() {
        QTest::addColumn<QString>("stored"); QTest::addColumn<QString>("storedAgain"); QTest::addColumn<Control>("control");
        QTest::newRow("half again as wide, twice as high") << "14400 150 300 14400"   << "14400 150 300 14400" << Control{{68, 120, 109, 38}, 12};
        QTest::newRow("one pixel each way")                << "15 150 300 15"         << "15 150 300 15"       << Control{{0, 0, 1, 1}, 1};
        QTest::newRow("one twip wide")                     << "7200 150 300 1"        << "7200 150 300 0"      << Control{{45, 60, 73, 19}, 8};
        QTest::newRow("one twip high")                     << "1 150 300 9600"        << "0 150 300 9600"      << Control{{45, 60, 73, 19}, 8};
        QTest::newRow("left at the bound")                 << "14400 -1000000 300 19200" << "14400 -999990 300 19200" << Control{{90, 120, 146, 38}, 16};
        QTest::newRow("no left")                           << "14400 - 300 19200"     << "7200 0 0 9600"       << Control{{45, 60, 73, 19}, 8};
        QTest::newRow("no top")                            << "14400 150 - 19200"     << "7200 0 0 9600"       << Control{{45, 60, 73, 19}, 8};
        QTest::newRow("zero width")                        << "14400 150 300 0"       << "7200 0 0 9600"       << Control{{45, 60, 73, 19}, 8};
        QTest::newRow("zero height")                       << "0 150 300 19200"       << "7200 0 0 9600"       << Control{{45, 60, 73, 19}, 8};
        QTest::newRow("wider than that")                   << "14400 150 300 1000001" << "7200 0 0 9600"       << Control{{45, 60, 73, 19}, 8};
    }
    // clang-format on
    void layout() {
        QFETCH(QString, stored);
        QFETCH(QString, storedAgain);
        QFETCH(Control, control);
        const QStringList keys{"Height", "Left", "Top", "Width"};
        FakeSettings settings;
        for (int i = 0; i < 4; ++i)
            settings.values.insert("Tockmere/frmAlarm/" + keys[i], stored.split(u' ')[i]);
        QWidget window;
        window.setObjectName(QStringLiteral("frmAlarm"));
        window.resize(640, 480);
        auto* field = new QWidget(&window);
        field->setGeometry(45, 60, 73, 19);
        field->setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
        Resizer resizer(&window, &window, QSize(640, 480), settings, QStringLiteral("frmAlarm"));
        resizer.captureDesign();
        resizer.restoreLayout(QStringLiteral("Tockmere"));
        window.show(); // the client area's size reaches the resizer
        resizer.storeLayout(QStringLiteral("Tockmere"));
        QCOMPARE(settings.values.values().join(u' '), storedAgain);
        QCOMPARE(Control(field->geometry(), field->font().pointSizeF()), control);
    }

    void helpViewer() {
        QtHelpViewer viewer;
        QVERIFY(!viewer.showContents(dir_.path())); // a folder is no document
        const QString doc = dir_.filePath(QStringLiteral("Tockmere.HLP"));
        writeBytes(doc, readBytes(QCoreApplication::applicationDirPath() + "/Tockmere.HLP"));
        QVERIFY(viewer.showContents(doc) && QTest::qWaitForWindowActive(viewer.browser()));
        QVERIFY(viewer.browser()->openExternalLinks());   // web links go to the desktop's browser
        writeBytes(doc, readBytes(doc) + "<p>later</p>"); // read again, as HTML though .HLP
        QVERIFY(viewer.showContents(doc) && viewer.browser()->toPlainText().endsWith("later"));
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            QVERIFY(viewer.showContents(doc) && QTest::qWaitForWindowActive(viewer.browser()));
            QTest::keySequence(viewer.browser(), keys);
            QVERIFY2(!viewer.browser()->isVisible(), qPrintable(keys.toString()));
        }
    }

    // Through a sound server of the test's own with a null sink: an alarm loops until the next
    // sound, and a missing file ends the one playing and plays nothing.
    void sound() {
        if (QStandardPaths::findExecutable("pulseaudio").isEmpty())
            QSKIP("no PulseAudio server to play through (scripts/deps.sh test installs one)");
        QVERIFY(!QProcess::execute("pulseaudio",
                                   {"-D", "--exit-idle-time=-1", "-n", "--load=module-null-sink",
                                    "--load=module-native-protocol-unix"}));
        auto stopServer = qScopeGuard([] { QProcess::execute("pulseaudio", {"--kill"}); });
        QTRY_VERIFY(!QMediaDevices::audioOutputs().isEmpty());
        QtSound sound;
        const QString alarm = QCoreApplication::applicationDirPath() + "/alarm.wav";
        QCOMPARE(sound.play(alarm, Sound::Mode::Loop), Sound::Problem::None);
        QCOMPARE(sound.effect().source(), QUrl::fromLocalFile(alarm));
        QCOMPARE(sound.effect().loopCount(), int(QSoundEffect::Infinite));
        QTRY_VERIFY(sound.effect().isPlaying());
        QCOMPARE(sound.play(dir_.filePath(QStringLiteral("missing.wav")), Sound::Mode::Once),
                 Sound::Problem::Unreadable);
        QVERIFY(!sound.effect().isPlaying());
        // The loaded module answers for the sound it plays.
        QCOMPARE(ModuleSound(QCoreApplication::applicationDirPath())
                     .play(dir_.path(), Sound::Mode::Once),
                 Sound::Problem::Unreadable);
        sound.play(alarm, Sound::Mode::Once);
        QCOMPARE(sound.effect().loopCount(), 1);
        QTRY_VERIFY(sound.effect().isPlaying());
    }

    // What playing reports: no audio output first, whatever the file; with an output, a file
    // that cannot be read. Only a sound that can play is given to the effect.
    void soundProblems() {
        writeBytes(dir_.filePath(QStringLiteral("empty.wav")), {});
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder.wav")));
        const QString alarm = QCoreApplication::applicationDirPath() + "/alarm.wav";
        QtSound silent([] { return false; });
        QtSound heard([] { return true; });
        QString seen;
        for (const QString& path : {dir_.filePath("missing.wav"), dir_.filePath("empty.wav"),
                                    dir_.filePath("folder.wav"), alarm})
            seen += QStringLiteral("%1%2 ")
                        .arg(int(silent.play(path, Sound::Mode::Once)))
                        .arg(int(heard.play(path, Sound::Mode::Once)));
        QCOMPARE(seen + silent.effect().source().toString(), "12 12 12 10 ");
        QCOMPARE(heard.effect().source(), QUrl::fromLocalFile(alarm));
    }

    // The modules load at the first use; a missing one leaves the program without the service.
    void modules() {
        ModulePrinter missing(dir_.path());
        QVERIFY(missing.print({}, "t").error.startsWith("printing is not installed: "));
        const QString alarm = QCoreApplication::applicationDirPath() + "/alarm.wav";
        QCOMPARE(ModuleSound(dir_.path()).play(alarm, Sound::Mode::Once), Sound::Problem::NoOutput);
        ModulePrinter printer(QCoreApplication::applicationDirPath());
        QVERIFY(printer.saveAsPdf({{{1, "x"}}}, "t", dir_.filePath("module.pdf")).ok);
        QVERIFY(QFileInfo(dir_.filePath("module.pdf")).size() > 0);
    }

    void printer() {
        QtPrinter printer;
        const QList<Printer::Line> lines(71, {{2, "12/05/26"}, {14, "1430"}, {22, "W1AW net"}});
        // CMake points the test at a print server that is not there.
        QCOMPARE(printer.print(lines, "t").error, "no printer is set up on this computer");
        const QString pdf = dir_.filePath("listing.pdf");
        QVERIFY(printer.saveAsPdf(lines, "Tockmere schedule", pdf).ok);
        const QString pitch = QString::number(QtPrinter::characterWidthPoints());
        QVERIFY(!QProcess::execute("pdftotext", {"-htmlmeta", "-fixed", pitch, pdf, pdf + ".t"}));
        const QStringList pages = QString::fromUtf8(readBytes(pdf + ".t")).split(u'\f');
        QVERIFY(pages[0].contains("<title>Tockmere schedule</title>"));
        QCOMPARE(pages[0].count("12/05/26    1430    W1AW net"), 70); // a full A4 page
        QCOMPARE(pages[1].count("12/05/26    1430    W1AW net"), 1);
    }

    // Fires once at its moment of the wall clock; stopped, never.
    void wallClockTimer() {
        WallClockTimer timer;
        QSignalSpy fired(&timer, &WallClockTimer::timeout);
        timer.start(30);
        QVERIFY(timer.isActive());
        QVERIFY(fired.wait(1000));
        QVERIFY(!timer.isActive());
        timer.start(30);
        timer.stop();
        QVERIFY(!fired.wait(100) && !timer.isActive());
    }

    // Without a bus the notifications go without a word to the user; standard error hears once.
    // A reminder alone is handed back, to be shown in the program's own window.
    void notifierWithoutBus() {
        QCOMPARE(DBusNotifier::plainBody("call <b>W1AW</b> & co"),
                 "call &lt;b&gt;W1AW&lt;/b&gt; &amp; co");
        DBusNotifier notifier([] { return QDBusConnection(QStringLiteral("none")); });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("notifications could not be used "
                                                              "\\(there is no session bus\\)"));
        notifier.notify("Alarm at 14:30:00", "net", true);
        QTest::failOnWarning(QRegularExpression(".*"));
        QSignalSpy undelivered(&notifier, &Notifier::reminderUndelivered);
        notifier.notify("Alarm at 14:31:00", "net", false);
        notifier.alarmStopped();
        notifier.remind("Sked at 14:35 in 4 min", "net");
        QCOMPARE(undelivered, (QList<QVariantList>{{"Sked at 14:35 in 4 min", "net"}}));
    }

    // The help in the user's language where there is one, by language or by language and country;
    // the program's own otherwise.
    // clang-format off
    void fileInLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("found");
        QTest::newRow("German") << "de_DE" << "de/Tockmere.HLP";
        QTest::newRow("Austrian German") << "de_AT" << "de/Tockmere.HLP";
        QTest::newRow("a language not there") << "fr_FR" << "Tockmere.HLP";
        QTest::newRow("C") << "C" << "Tockmere.HLP";
    }
    // clang-format on
    void fileInLanguage() {
        QFETCH(QString, locale);
        QVERIFY(QDir(dir_.path()).mkpath("de"));
        writeBytes(dir_.filePath("de/Tockmere.HLP"), "<p>Hilfe</p>");
        QLocale::setDefault(QLocale(locale));
        const QString path = ::fileInLanguage(dir_.path(), "Tockmere.HLP");
        QLocale::setDefault(QLocale::c());
        QTEST(QDir(dir_.path()).relativeFilePath(path), "found");
    }

    // The start entry in the test's own configuration folder: written, seen gone when removed by
    // hand, removed, and refused where its folder cannot be made.
    void autostart() {
        XdgAutostart entry(QStringLiteral("/opt/my tools/tockmere"));
        const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart";
        QCOMPARE(entry.path(), folder + "/org.tockmere.Tockmere.desktop");
        QVERIFY(!entry.isEnabled());
        QVERIFY(entry.setEnabled(true).isEmpty() && entry.isEnabled());
        QVERIFY(readBytes(entry.path()).contains("\nExec=\"/opt/my tools/tockmere\"\n"));
        // The desktop's own check of the entry, where the machine has it (CI does).
        if (const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
            !validate.isEmpty())
            QCOMPARE(QProcess::execute(validate, {entry.path()}), 0);
        QVERIFY(QFile::remove(entry.path()) && !entry.isEnabled());
        QVERIFY(entry.setEnabled(true).isEmpty() && entry.setEnabled(false).isEmpty());
        QVERIFY(!entry.isEnabled() && QDir(folder).removeRecursively());
        writeBytes(folder, "a file where the folder goes");
        QVERIFY(!entry.setEnabled(true).isEmpty() && !entry.isEnabled());
        QFile::remove(folder);
        // Quoted where the path holds a reserved character, with both layers of escapes.
        QCOMPARE(XdgAutostart::execArgument("/usr/bin/tockmere"), "/usr/bin/tockmere");
        QCOMPARE(XdgAutostart::execArgument("/x/\"$y\\100%"), "\"/x/\\\\\"\\\\$y\\\\\\\\100%%\"");
    }

    // One copy per settings folder: a second start is refused and asks the first to come forward.
    void singleInstance() {
        auto first = std::make_unique<SingleInstance>("/home/a/.config");
        QVERIFY(first->claim());
        QSignalSpy asked(first.get(), &SingleInstance::anotherStartAsked);
        const uint before = QDir(QStringLiteral("/proc/self/fd")).count();
        QVERIFY(!SingleInstance("/home/a/.config").claim());
        QVERIFY(!SingleInstance("/home/a/.config").claim()); // the refused start left the socket
        QCOMPARE(QDir(QStringLiteral("/proc/self/fd")).count(), before); // and closed its files
        QTRY_COMPARE(asked.size(), 2);
        QVERIFY(SingleInstance("/home/b/.config").claim());
        const uint open = QDir(QStringLiteral("/proc/self/fd")).count();
        first.reset(); // its lock and socket closed
        QCOMPARE(QDir(QStringLiteral("/proc/self/fd")).count(), open - 2);
        QVERIFY(SingleInstance("/home/a/.config").claim());
    }

    // Runs last: it leaves these signals to the system's default.
    void terminationSignals_data() {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void terminationSignals() {
        QFETCH(int, number);
        const uint descriptors = QDir(QStringLiteral("/proc/self/fd")).count();
        auto termination = std::make_unique<TerminationSignals>();
        QSignalSpy received(termination.get(), &TerminationSignals::received);
        for (int i = 0; i < 20; ++i) // more than one read takes
            raise(number);
        QTRY_COMPARE(received.size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(received.size(), 1); // all read at once, so told once
        termination.reset();
        QVERIFY(signal(number, SIG_DFL) == SIG_DFL);
        QCOMPARE(QDir(QStringLiteral("/proc/self/fd")).count(), descriptors);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
