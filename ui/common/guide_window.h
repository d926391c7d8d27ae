#pragma once

#include <QWidget>

class QTextBrowser;

namespace orbalis {

// The user guide in a window of its own: the README, shipped inside the
// program with its pictures, so that it reads the same without a network.
class GuideWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit GuideWindow(QWidget* parent = nullptr);

    // The guide's one window: the open one brought to the front, or a new one
    // shown. It closes with the program's other windows.
    static GuideWindow* Show();

  private:
    QTextBrowser* txtGuide = nullptr;
};

}  // namespace orbalis
