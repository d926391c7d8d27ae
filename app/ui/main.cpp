#include <QApplication>

#include "app/ui/application.h"
#include "app/ui/dialogs.h"
#include "app/ui/single_instance.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbalis"));
    // Settings live in the user's config folder: orbalis/orbalis.conf.
    QApplication::setOrganizationName(QStringLiteral("orbalis"));

    orbalis::QtDialogs dialogs;
    // Held until the process ends, so that a second start is refused.
    orbalis::SingleInstance instance;
    if (orbalis::RefuseSecondInstance(instance, dialogs)) return 0;

    orbalis::OrbalisApplication orbalis(dialogs);
    orbalis.Start();
    return application.exec();
}
