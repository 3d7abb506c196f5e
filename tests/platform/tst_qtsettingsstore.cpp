#include "QtSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Runs against the real QSettings in a config folder of its own. QSettings caches its paths at
// first use, so the folder is set before any store exists.
class TestQtSettingsStore : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    QString iniPath() const { return home_.filePath(QStringLiteral("Tockmere/Tockmere.ini")); }

private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home_.path());
    }

    void absentKeyReadsItsDefault() {
        QtSettingsStore store;
        QCOMPARE(store.read(QStringLiteral("Tockmere"), QStringLiteral("Options"),
                            QStringLiteral("Silent"), QStringLiteral("TRUE")),
                 QStringLiteral("TRUE"));
        QVERIFY(!QFile::exists(iniPath()));
    }

    void savedTextsComeBackExactly_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("switch") << "Silent"
                                << "FALSE";
        QTest::newRow("key with a blank") << "UTC offset"
                                          << "-5";
        QTest::newRow("label with blanks") << "UTC Label"
                                           << " My  Time ";
        QTest::newRow("path with commas") << "Plannex file"
                                          << "/home/op/a,b,c/skeds.dat";
        QTest::newRow("non-ASCII") << "UTC Label" << QString::fromUtf8("Zeit – MEZ");
        QTest::newRow("empty text") << "UTC Label"
                                    << "";
        QTest::newRow("looks like a number") << "PositionTop"
                                             << "0300";
    }
    void savedTextsComeBackExactly() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QtSettingsStore store;
        store.save(QStringLiteral("Tockmere"), QStringLiteral("Options"), key, text);
        QtSettingsStore fresh;
        QCOMPARE(fresh.read(QStringLiteral("Tockmere"), QStringLiteral("Options"), key,
                            QStringLiteral("absent")),
                 text);
    }

    void storedInTheUsersConfigFolder() {
        QtSettingsStore store;
        store.save(QStringLiteral("Tockmere"), QStringLiteral("Options"),
                   QStringLiteral("Minimize"), QStringLiteral("TRUE"));
        QFile ini(iniPath());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY(text.contains("[Options]"));
        QVERIFY(text.contains("Minimize=TRUE"));
    }

    void handEditedListReadsAsText() {
        QFile ini(iniPath());
        QVERIFY(ini.open(QIODevice::Append));
        ini.write("\n[Junk]\nlist=a, b,c\n");
        ini.close();
        QtSettingsStore store;
        QCOMPARE(store.read(QStringLiteral("Tockmere"), QStringLiteral("Junk"),
                            QStringLiteral("list"), QString()),
                 QStringLiteral("a,b,c"));
    }
};

QTEST_GUILESS_MAIN(TestQtSettingsStore)
#include "tst_qtsettingsstore.moc"
