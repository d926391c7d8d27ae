#include "ui/common/guide_window.h"

#include <QApplication>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "model/program_identity.h"
#include "ui/common/qt_text.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitGuideResource() {
    Q_INIT_RESOURCE(guide);
}

namespace orbalis {

GuideWindow::GuideWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    static const bool loaded = [] {
        InitGuideResource();
        return true;
    }();
    (void)loaded;
    setObjectName(QStringLiteral("frmGuide"));
    setWindowTitle(tr("%1 User Guide").arg(QtText(kProductName)));
    setAttribute(Qt::WA_DeleteOnClose);

    txtGuide = new QTextBrowser(this);
    txtGuide->setObjectName(QStringLiteral("txtGuide"));
    // The guide holds no links to follow; nothing is ever fetched.
    txtGuide->setOpenLinks(false);
    // docs/guide.qrc puts the README and its pictures under /guide, with the
    // pictures' names relative to it as in the source tree.
    txtGuide->setSource(QUrl(QStringLiteral("qrc:/guide/README.md")),
                        QTextDocument::MarkdownResource);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtGuide);
    // Wide enough for the pictures, which are at most 852 pixels across.
    resize(920, 720);
}

GuideWindow* GuideWindow::Show() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* guide = qobject_cast<GuideWindow*>(window)) {
            guide->show();
            guide->raise();
            guide->activateWindow();
            return guide;
        }
    }
    auto* guide = new GuideWindow;
    guide->show();
    return guide;
}

}  // namespace orbalis
