#include "app/ui/application.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "app/program_identity.h"
#include "app/ui/dialogs.h"
#include "app/ui/frmMain.h"
#include "app/ui/single_instance.h"

namespace orbalis {

bool RefuseSecondInstance(SingleInstance& instance, Dialogs& dialogs) {
    if (instance.acquire()) return false;
    dialogs.showMessage(
        nullptr, QStringLiteral("Application is already running"),
        QString::fromUtf8(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size())),
        MessageIcon::Information);
    return true;
}

OrbalisApplication::OrbalisApplication(Dialogs& dialogs, QObject* parent)
    : QObject(parent), dialogs_(dialogs), mainForm_(std::make_unique<frmMain>(dialogs)) {
    connect(mainForm_.get(), &frmMain::readingRequested, this, &OrbalisApplication::RunReading);
    connect(mainForm_.get(), &frmMain::exitRequested, this, &OrbalisApplication::ExitApplication);
}

OrbalisApplication::~OrbalisApplication() = default;

void OrbalisApplication::Start() {
    mainForm_->show();
}

void OrbalisApplication::RunReading() {
    if (!mainForm_->ValidateInput()) return;
}

void OrbalisApplication::ExitApplication() {
    // Closing a window may ask to exit again (closing the birth-details
    // window does); one pass over the windows is enough.
    if (exiting_) return;
    exiting_ = true;
    // Guarded pointers: closing one window may delete another.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) windows.append(window);
    for (const QPointer<QWidget>& window : windows) {
        if (window) window->close();
    }
    QCoreApplication::quit();
}

}  // namespace orbalis
