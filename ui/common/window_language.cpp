#include "ui/common/window_language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "model/program_identity.h"
#include "reading/languages.h"
#include "ui/common/dialogs.h"
#include "ui/common/qt_text.h"

namespace orbalis {
namespace {

const QString kLanguageKey = QStringLiteral("Language");

WindowLanguage* InstalledLanguage() {
    QCoreApplication* application = QCoreApplication::instance();
    return application
               ? application->findChild<WindowLanguage*>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
}

std::string SavedLanguage() {
    return QSettings().value(kLanguageKey).toString().toStdString();
}

}  // namespace

WindowLanguage::WindowLanguage(Catalogue words, QObject* parent)
    : QTranslator(parent), words_(std::move(words)) {}

QString WindowLanguage::translate(const char*, const char* sourceText, const char* disambiguation,
                                  int) const {
    if (!sourceText || words_.isEnglish()) return QString();
    const std::string_view english(sourceText);
    const std::string_view found =
        disambiguation ? words_.inContext(disambiguation, english) : words_(english);
    // The catalogue hands back the English itself when it has no translation.
    if (found.data() == english.data()) return QString();
    return QtText(found);
}

bool WindowLanguage::isEmpty() const {
    return words_.isEnglish();
}

const Catalogue& WindowWords() {
    const WindowLanguage* installed = InstalledLanguage();
    return installed ? installed->words() : English();
}

QString WindowText(std::string_view english) {
    return QtText(Tr(WindowWords(), english));
}

void UseWindowLanguage(std::string_view code) {
    QCoreApplication* application = QCoreApplication::instance();
    if (WindowLanguage* earlier = InstalledLanguage()) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    auto* language = new WindowLanguage(CatalogueFor(code), application);
    QCoreApplication::installTranslator(language);
}

std::string StartLanguage() {
    const std::string saved = SavedLanguage();
    // A language whose catalogue has gone since counts as no choice.
    if (!saved.empty() && IsAvailableLanguage(saved)) return saved;
    return LanguageOfEnvironment();
}

void SaveLanguageChoice(std::string_view code) {
    QSettings().setValue(kLanguageKey, QString::fromStdString(std::string(code)));
}

QMenu* AddLanguageMenu(QMenuBar& bar, Dialogs& dialogs, QWidget* window) {
    QMenu* languages = bar.addMenu(QCoreApplication::translate("Orbalis", "&Language"));
    languages->setObjectName(QStringLiteral("mnuLanguage"));
    languages->menuAction()->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(languages);
    const std::string chosen = StartLanguage();
    for (const LanguageChoice& language : AvailableLanguages()) {
        QAction* item = languages->addAction(QtText(language.name));
        item->setObjectName(QStringLiteral("mnuLanguage_") + QString::fromStdString(language.code));
        item->setCheckable(true);
        item->setChecked(language.code == chosen);
        group->addAction(item);
        const std::string code = language.code;
        QObject::connect(item, &QAction::triggered, languages, [&dialogs, window, code] {
            SaveLanguageChoice(code);
            // The windows take their texts when they are built; a language
            // chosen now is theirs from the next start.
            dialogs.showMessage(
                window,
                QCoreApplication::translate(
                    "Orbalis", "The language you chose is used from the next start of Orbalis."),
                QtText(kProgramTitle), MessageIcon::Information);
        });
    }
    return languages;
}

void GiveMenusRoom(QMenuBar& bar) {
    if (WindowWords().isEnglish()) return;
    for (QMenu* menu : bar.findChildren<QMenu*>()) {
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
            menu->setMinimumWidth(0);
            menu->setMinimumWidth(menu->sizeHint().width() +
                                  3 * menu->fontMetrics().averageCharWidth());
        });
    }
}

}  // namespace orbalis
