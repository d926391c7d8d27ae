#pragma once

#include <QString>
#include <QTranslator>
#include <string>
#include <string_view>

#include "model/catalogue.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace orbalis {

class Dialogs;

// The language of the windows: a translator backed by one catalogue, so that
// every tr() and translate() of the windows reads the same translations as
// the companion and the reports. A text the catalogue lacks is left to Qt,
// which shows the English as written.
class WindowLanguage final : public QTranslator {
    Q_OBJECT

  public:
    explicit WindowLanguage(Catalogue words, QObject* parent = nullptr);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override;

    const Catalogue& words() const { return words_; }

  private:
    Catalogue words_;
};

// The catalogue of the translator installed on the application; English when
// there is none.
const Catalogue& WindowWords();

// A text of the core (UTF-8 English) in the window language.
QString WindowText(std::string_view english);

// Installs the translator of the language `code` on the application, in place
// of an earlier one. Before any window is made: windows take their texts
// when they are built.
void UseWindowLanguage(std::string_view code);

// The language the user chose in the Language menu; else the one the locale
// asks for; English when neither is available.
std::string StartLanguage();

// Remembers the language for the next start.
void SaveLanguageChoice(std::string_view code);

// The Language menu added to `bar` (object name mnuLanguage): one checkable item
// per available language (mnuLanguage_CODE), in its own name. Choosing one
// remembers it and tells, through `dialogs`, that the windows speak it from
// the next start.
QMenu* AddLanguageMenu(QMenuBar& bar, Dialogs& dialogs, QWidget* window);

// Qt measures a menu's items a little short for Tamil and Devanagari text
// and then cuts the longest in the middle ("…"); in a language other than
// English every menu under `bar` takes a little more room when it opens.
void GiveMenusRoom(QMenuBar& bar);

}  // namespace orbalis
