#include "QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
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

    void fileDialogs_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("chosen"); // a name in the folder; empty: Cancel
        QTest::newRow("open an existing file") << false << "other.dat";
        QTest::newRow("open a name that does not exist") << false << "new.dat";
        QTest::newRow("open, Cancel") << false << "";
        QTest::newRow("save over a file: no question of its own") << true << "other.dat";
        QTest::newRow("save, Cancel") << true << "";
    }
    void fileDialogs() {
        QFETCH(bool, save);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        for (const char* name : {"skeds.dat", "other.dat"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("end\r\n");
        }
        QString title;
        QStringList filters;
        QString folder;
        QString proposed;
        bool native = true;
        QFileDialog::AcceptMode mode = save ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave;
        whenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            folder = dialog->directory().absolutePath();
            proposed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
            mode = dialog->acceptMode();
            if (chosen.isEmpty()) {
                dialog->reject();
                return;
            }
            // The dialog fills its file list in the background; choose once it has settled.
            auto* model = dialog->findChild<QFileSystemModel*>();
            QTRY_COMPARE(model->rowCount(model->index(dir.path())), 2);
            // Typed into the name field as a user does, which drops the selection in the list.
            QApplication::setActiveWindow(dialog);
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            edit->setFocus();
            QTRY_VERIFY(edit->hasFocus());
            edit->selectAll();
            QTest::keyClicks(edit, chosen);
            auto* box = dialog->findChild<QDialogButtonBox*>();
            for (QAbstractButton* button : box->buttons()) {
                if (box->buttonRole(button) == QDialogButtonBox::AcceptRole)
                    button->click();
            }
        });
        QtDialogs dialogs;
        const QString start = dir.filePath(QStringLiteral("skeds.dat"));
        const QString answer =
            save ? dialogs.saveFile(QStringLiteral(" Save Skeds datafile as..."),
                                    QStringLiteral("Tockmere sked files (*.dat)|*.dat"), start)
                 : dialogs.openFile(QStringLiteral(" Load Tockmere datafile..."),
                                    QStringLiteral("Sked files (*.dat)|*.dat"), start);
        QCOMPARE(answer, chosen.isEmpty() ? QString() : dir.filePath(chosen));
        QCOMPARE(title, save ? QStringLiteral(" Save Skeds datafile as...")
                             : QStringLiteral(" Load Tockmere datafile..."));
        QCOMPARE(filters, QStringList{save ? QStringLiteral("Tockmere sked files (*.dat)")
                                           : QStringLiteral("Sked files (*.dat)")});
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
        QCOMPARE(proposed, QStringLiteral("skeds.dat"));
        QVERIFY(!native);
        QCOMPARE(mode, save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    }

    void nameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("patterns already named")
            << "Sked files (*.dat)|*.dat" << QStringList{"Sked files (*.dat)"};
        QTest::newRow("patterns added") << "PDF files|*.pdf" << QStringList{"PDF files (*.pdf)"};
        QTest::newRow("two entries, two patterns")
            << "Sked files|*.dat;*.txt|All files (*.*)|*.*"
            << QStringList{"Sked files (*.dat *.txt)", "All files (*.*)"};
        QTest::newRow("a description without a pattern is dropped")
            << "Sked files" << QStringList{};
    }
    void nameFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qt);
        QCOMPARE(QtDialogs::nameFilters(filter), qt);
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
