#include <QApplication>
#include <QFile>
#include <QIcon>
#include <cstdio>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/single_instance.h"
#include "files/temporary_names.h"
#include "model/program_identity.h"
#include "reading/command_line.h"
#include "ui/common/dialogs.h"
#include "ui/common/window_language.h"

namespace {

std::vector<std::string> ArgumentsAfterName(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

}  // namespace

int main(int argc, char** argv) {
    using orbalis::WindowCommandLine;
    // A save stopped by Ctrl+C or a kill leaves no hidden file behind.
    orbalis::RemoveTemporaryFilesOnSignals();

    // Help and version answer before the window system is touched, so they
    // need no display.
    const WindowCommandLine early = orbalis::ParseWindowCommandLine(ArgumentsAfterName(argc, argv));
    if (early.action == WindowCommandLine::Action::ShowHelp) {
        std::fputs(orbalis::WindowHelpText().c_str(), stdout);
        return 0;
    }
    if (early.action == WindowCommandLine::Action::ShowVersion) {
        std::puts(orbalis::VersionText("orbalis").c_str());
        return 0;
    }

    QApplication application(argc, argv);
    // Settings live in the user's config folder as orbalis/orbalis.conf.
    QApplication::setOrganizationName(QStringLiteral("orbalis"));
    QApplication::setOrganizationDomain(QStringLiteral("orbalis.org"));
    QApplication::setApplicationName(QStringLiteral("orbalis"));
    QApplication::setApplicationVersion(QString::fromUtf8(orbalis::kVersionText));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orbalis.Orbalis"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.orbalis.Orbalis")));
    // Read from the settings, so only once the application's name is set;
    // before any window, since windows take their texts when they are built.
    orbalis::UseWindowLanguage(orbalis::StartLanguage());

    // The toolkit has taken its own options out of argv by now.
    const WindowCommandLine commandLine =
        orbalis::ParseWindowCommandLine(ArgumentsAfterName(argc, argv));
    if (commandLine.action == WindowCommandLine::Action::Refuse) {
        std::fprintf(stderr, "orbalis: %s\nTry 'orbalis --help'.\n", commandLine.problem.c_str());
        return 2;
    }

    orbalis::QtDialogs dialogs;
    // Held until the process ends, so that a second start is refused, or
    // hands its reading file to this one.
    orbalis::SingleInstance instance;
    const QString readingFile = QFile::decodeName(commandLine.readingFile.c_str());
    if (orbalis::RefuseSecondInstance(instance, dialogs, readingFile)) return 0;

    orbalis::OrbalisApplication orbalis(dialogs);
    if (instance.problem().isEmpty()) orbalis.ListenForReadingFiles(instance.handOverPath());
    orbalis.Start(readingFile);
    return application.exec();
}
