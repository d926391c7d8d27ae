#pragma once

#include <QDialog>

namespace orbalis {

// The about box: product name, version and what the program does.
class frmAbout final : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* parent = nullptr);
};

}  // namespace orbalis
