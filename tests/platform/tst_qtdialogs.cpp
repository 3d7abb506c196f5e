#include "QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs `act` on the modal dialog once it is up, while the code under test waits in exec().
void whenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

} // namespace

class TestQtDialogs : public QObject {
    Q_OBJECT

private slots:
    void messageBoxShowsTextsAndAnswersTheButton_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        using B = Dialogs::Buttons;
        using A = Dialogs::Answer;
        QTest::newRow("OK") << int(B::Ok) << int(QMessageBox::Ok) << int(A::Ok);
        QTest::newRow("OK of OK/Cancel") << int(B::OkCancel) << int(QMessageBox::Ok) << int(A::Ok);
        QTest::newRow("Cancel") << int(B::OkCancel) << int(QMessageBox::Cancel) << int(A::Cancel);
        QTest::newRow("Yes") << int(B::YesNo) << int(QMessageBox::Yes) << int(A::Yes);
        QTest::newRow("No") << int(B::YesNo) << int(QMessageBox::No) << int(A::No);
    }
    void messageBoxShowsTextsAndAnswersTheButton() {
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        QString title;
        QString text;
        int buttonCount = 0;
        QMessageBox::Icon icon = QMessageBox::Information;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttonCount = static_cast<int>(box->buttons().size());
            box->button(static_cast<QMessageBox::StandardButton>(press))->click();
        });
        QtDialogs dialogs;
        const auto result = dialogs.message(QStringLiteral("first\r\nsecond"),
                                            static_cast<Dialogs::Buttons>(buttons), true,
                                            QStringLiteral(" Initial use"));
        QCOMPARE(int(result), answer);
        QCOMPARE(title, QStringLiteral(" Initial use"));
        QCOMPARE(text, QStringLiteral("first\nsecond"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttonCount, buttons == int(Dialogs::Buttons::Ok) ? 1 : 2);
    }

    void untitledBoxCarriesTheProgramName() {
        QString title;
        QMessageBox::Icon icon = QMessageBox::Warning;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            title = box->windowTitle();
            icon = box->icon();
            box->reject();
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.message(QStringLiteral("x"), Dialogs::Buttons::OkCancel, false, QString()),
                 Dialogs::Answer::Cancel);
        QCOMPARE(title, QStringLiteral("Tockmere"));
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void promptAnswersTheTypedText_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::newRow("OK with the default") << true << QString() << "5";
        QTest::newRow("OK with a new text") << true << "-3"
                                            << "-3";
        QTest::newRow("Cancel") << false << "7"
                                << "";
    }
    void promptAnswersTheTypedText() {
        QFETCH(bool, accept);
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QString label;
        QString title;
        whenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            QVERIFY(dialog);
            label = dialog->labelText();
            title = dialog->windowTitle();
            if (!typed.isNull())
                dialog->findChild<QLineEdit*>()->setText(typed);
            accept ? dialog->accept() : dialog->reject();
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.prompt(QStringLiteral("line one\r\n\r\nline three"), QString(),
                                QStringLiteral("5")),
                 answer);
        QCOMPARE(label, QStringLiteral("line one\n\nline three"));
        QCOMPARE(title, QStringLiteral("Tockmere"));
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
