#include "SkedRows.h"
#include "QtSound.h"

#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QAudioDevice>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

namespace {

quint32 le32(const QByteArray& bytes, int at) {
    return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 |
           quint32(quint8(bytes[at + 2])) << 16 | quint32(quint8(bytes[at + 3])) << 24;
}

} // namespace

class TestQtSound : public QObject {
    Q_OBJECT

private slots:
    // The build puts the generated sounds beside every executable of the build.
    void defaultWavesSitBesideTheProgram_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("minSeconds");
        QTest::addColumn<double>("maxSeconds");
        QTest::newRow("alarm") << "alarm.wav" << 1.0 << 2.0;
        QTest::newRow("stop") << "stop.wav" << 0.1 << 0.5;
    }
    void defaultWavesSitBesideTheProgram() {
        QFETCH(QString, name);
        QFETCH(double, minSeconds);
        QFETCH(double, maxSeconds);
        const QByteArray wave = readBytes(QCoreApplication::applicationDirPath() + u'/' + name);
        QVERIFY(wave.size() > 44);
        QCOMPARE(wave.left(4), QByteArray("RIFF"));
        QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(le32(wave, 4), quint32(wave.size() - 8));
        QCOMPARE(le32(wave, 40), quint32(wave.size() - 44));
        const double seconds = (wave.size() - 44) / 2.0 / le32(wave, 24);
        QVERIFY2(seconds >= minSeconds && seconds <= maxSeconds,
                 qPrintable(QString::number(seconds)));
        // Not silence: some sample is loud.
        int loudest = 0;
        for (int i = 44; i + 1 < wave.size(); i += 2)
            loudest = std::max(loudest,
                               std::abs(int(qint16(quint8(wave[i]) | quint8(wave[i + 1]) << 8))));
        QVERIFY(loudest > 16000);
    }

    void playsAWaveOrNothingHarmlessly() {
        QtSound sound;
        const QString wave = QCoreApplication::applicationDirPath() + QStringLiteral("/alarm.wav");
        sound.play(wave, Sound::Mode::Loop);
        if (QMediaDevices::audioOutputs().isEmpty()) {
            // No device: nothing may be started, or the effect would report playing for ever.
            QVERIFY(sound.effect().source().isEmpty());
        } else {
            QCOMPARE(sound.effect().source(), QUrl::fromLocalFile(wave));
            QCOMPARE(sound.effect().loopCount(), int(QSoundEffect::Infinite));
            QTRY_VERIFY(sound.effect().isPlaying());
        }
        // A missing file stops what played and starts nothing.
        QTemporaryDir dir;
        sound.play(dir.filePath(QStringLiteral("missing.wav")), Sound::Mode::Once);
        QVERIFY(!sound.effect().isPlaying());
        QVERIFY(sound.effect().source() !=
                QUrl::fromLocalFile(dir.filePath(QStringLiteral("missing.wav"))));
    }
};

QTEST_MAIN(TestQtSound)
#include "tst_qtsound.moc"
