#include "ProgramRig.h"
#include "SkedForm.h"
#include "frmAlarm.h"
#include "frmSkeds.h"
#include "frmStopWatch.h"
#include "mAbout.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString spokenName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// Controls that a screen reader would reach without a name; Qt's own helpers are left out.
QStringList unnamed(QWidget* window) {
    QStringList missing;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName().startsWith(QStringLiteral("qt_")) ||
            widget->inherits("QMenuBar") || widget->inherits("QMenu"))
            continue;
        if (spokenName(widget).trimmed().isEmpty())
            missing << widget->objectName() + QStringLiteral(" (") +
                           QLatin1String(widget->metaObject()->className()) + u')';
    }
    return missing;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName() {
        ProgramRig rig;
        mAbout about(0, 1024);
        frmStopWatch watch;
        for (QWidget* window : std::initializer_list<QWidget*>{
                 &rig.program.main(), &rig.program.skeds(), &rig.program.alarm(), &watch, &about})
            QCOMPARE(unnamed(window), QStringList());
    }

    void namesSaySkedAndField_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("message");
        QTest::newRow("sked 1") << 0 << "Sked 1 date"
                                << "Sked 1 message";
        QTest::newRow("sked 3") << 2 << "Sked 3 date"
                                << "Sked 3 message";
        QTest::newRow("sked 40") << 39 << "Sked 40 date"
                                 << "Sked 40 message";
    }
    void namesSaySkedAndField() {
        QFETCH(int, slot);
        QFETCH(QString, date);
        QFETCH(QString, message);
        ProgramRig rig;
        QCOMPARE(spokenName(rig.program.skeds().SkedDate[slot]), date);
        QCOMPARE(spokenName(rig.program.skeds().SkedWith[slot]), message);
        QCOMPARE(spokenName(rig.program.main().Command1), QStringLiteral("Set Alarm"));
        QCOMPARE(spokenName(rig.program.main().lblTime), QStringLiteral("Clock"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
