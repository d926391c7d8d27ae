#pragma once

#include <QDialog>

namespace orbalis {

// The about box: product name, version and what the program does.
class AboutBox final : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace orbalis
