#include <QAction>
#include <QApplication>
#include <QImage>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>
#include <memory>

#include "support/fake_dialogs.h"
#include "support/sample_readings.h"
#include "support/test_environment.h"
#include "ui/birth_details/birth_details_window.h"
#include "ui/common/guide_window.h"
#include "ui/results/results_window.h"

using namespace orbalis;
using orbalis::testing::FakeDialogs;

namespace {

QList<GuideWindow*> OpenGuides() {
    QList<GuideWindow*> guides;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* guide = qobject_cast<GuideWindow*>(window);
        if (guide && guide->isVisible()) guides.append(guide);
    }
    return guides;
}

// The picture names the guide's document shows.
QStringList DocumentPictures(const QTextDocument& document) {
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().isImageFormat())
                names << fragment.fragment().charFormat().toImageFormat().name();
    return names;
}

}  // namespace

// "User &Guide" (F1) in the Help menu of both windows opens the user guide,
// the README shipped inside the program, in one window of its own; nothing
// goes to the network. "&Online Help" keeps opening its web page (its own
// tests in each window's test).
class UserGuideTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }

    void cleanup() {
        for (GuideWindow* guide : OpenGuides()) guide->close();
        QTRY_VERIFY(OpenGuides().isEmpty());
    }

    void opensOnceFromEitherWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("birth details, menu item") << "frmMain" << false;
        QTest::newRow("birth details, F1") << "frmMain" << true;
        QTest::newRow("results, menu item") << "MDI" << false;
        QTest::newRow("results, F1") << "MDI" << true;
    }

    void opensOnceFromEitherWindow() {
        QFETCH(QString, window);
        QFETCH(bool, byKey);
        FakeDialogs dialogs;
        std::unique_ptr<QWidget> shown;
        if (window == QLatin1String("frmMain"))
            shown = std::make_unique<BirthDetailsWindow>(dialogs);
        else
            shown = std::make_unique<ResultsWindow>(dialogs, orbalis::testing::DelhiBirth1985());
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        auto* item = shown->findChild<QAction*>(QStringLiteral("mnuGuide"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("User &Guide"));

        for (int time = 0; time < 2; ++time) {
            if (byKey) {
                QApplication::setActiveWindow(shown.get());
                QTest::keyClick(shown.get(), Qt::Key_F1);
            } else {
                item->trigger();
            }
            QTRY_COMPARE(OpenGuides().size(), 1);
        }
        QCOMPARE(OpenGuides().front()->windowTitle(), QStringLiteral("Orbalis User Guide"));
        QVERIFY(OpenGuides().front()->parent() == nullptr);
        QVERIFY(dialogs.webAddresses.isEmpty());
    }

    // The guide is the README, with every picture it shows taken from the
    // program's resources. With ORBALIS_PICTURE_PATH set the window is also
    // saved there as a picture.
    void guideIsTheReadmeWithItsPictures() {
        GuideWindow* guide = GuideWindow::Show();
        auto* text = guide->findChild<QTextBrowser*>(QStringLiteral("txtGuide"));
        QVERIFY(text);
        QVERIFY(text->document()->toPlainText().startsWith(QStringLiteral("Orbalis\n")));
        QVERIFY(text->document()->toPlainText().contains(QStringLiteral("Your first reading")));

        const QStringList pictures = DocumentPictures(*text->document());
        QVERIFY(!pictures.isEmpty());
        for (const QString& name : pictures) {
            const QVariant data = text->loadResource(QTextDocument::ImageResource, QUrl(name));
            const QImage image = data.typeId() == QMetaType::QImage
                                     ? data.value<QImage>()
                                     : QImage::fromData(data.toByteArray());
            QVERIFY2(!image.isNull(), qPrintable(name));
        }
        const QString path = qEnvironmentVariable("ORBALIS_PICTURE_PATH");
        if (!path.isEmpty()) QVERIFY(guide->grab().save(path));
    }
};

QTEST_MAIN(UserGuideTest)
#include "tst_user_guide.moc"
