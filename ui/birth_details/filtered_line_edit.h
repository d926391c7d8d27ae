#pragma once

#include <QLineEdit>
#include <QString>

class QKeyEvent;

namespace orbalis {

// Which characters a text box of the birth-details form accepts.
enum class CharacterRule { Letters, Digits };

// A text box that holds its text to a character rule. Typed keys that break
// the rule, and clipboard shortcuts (they produce control codes), are
// discarded; text that arrives any other way (the context menu's paste, a
// drop) is taken back when it breaks the rule. Either way characterRefused()
// tells the form, which shows its message.
class FilteredLineEdit final : public QLineEdit {
    Q_OBJECT

  public:
    explicit FilteredLineEdit(CharacterRule rule, QWidget* parent = nullptr);

    CharacterRule rule() const { return rule_; }

  signals:
    void characterRefused();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool IsRefusedKey(const QKeyEvent& event) const;
    bool Conforms(const QString& text) const;
    void CheckEditedText(const QString& text);

    CharacterRule rule_;
    // The text before the latest change, restored when an edit breaks the rule.
    QString heldText_;
    int heldCursor_ = 0;
};

}  // namespace orbalis
