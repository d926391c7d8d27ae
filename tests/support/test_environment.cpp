#include "test_environment.h"

#include <QSettings>
#include <QStandardPaths>

namespace orbalis::testing {

void PrepareTestEnvironment() {
    QStandardPaths::setTestModeEnabled(true);
    // Settings follow the test mode's config folder; make sure of it before
    // wiping them, so that every test program starts as a first start.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QSettings settings;
    if (!folder.contains(QLatin1String(".qttest")) || !settings.fileName().startsWith(folder))
        qFatal("settings would go to %s, outside the test folder", qPrintable(settings.fileName()));
    settings.clear();
}

}  // namespace orbalis::testing
