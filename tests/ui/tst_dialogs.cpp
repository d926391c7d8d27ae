#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include "support/test_environment.h"
#include "ui/common/dialogs.h"

// The parts of the real dialogs that the program sets up itself; they are
// shown without ever waiting for a person.
class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }

    void printerDialogShowsNoPageRange() {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer);
        orbalis::ConfigurePrintDialog(dialog, printer, orbalis::PrinterRequest{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // Unfold the options, where the page range would be.
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Options")))
                button->click();
        }
        for (const char* name : {"gbPrintRange", "printRange", "from", "to", "pagesLineEdit"}) {
            auto* field = dialog.findChild<QWidget*>(QString::fromLatin1(name));
            if (field) QVERIFY2(!field->isVisible(), name);
        }
        QCOMPARE(printer.printRange(), QPrinter::AllPages);
        QCOMPARE(dialog.maxPage(), 1);
        dialog.grab().save(QStringLiteral("/tmp/i11_print.png"));
        dialog.reject();
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
