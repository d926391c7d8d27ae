#pragma once

#include <QString>
#include <QWidget>
#include <string_view>

#include "ui/common/qt_text.h"

class QHBoxLayout;
class QPagedPaintDevice;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace orbalis {

class Dialogs;

// A window that shows one white sheet of text and tables, with "&Print",
// "Save As P&DF…", "Copy as &Text" and "&Close" under it. The copied text is
// the sheet's content in plain lines; Print and Save As PDF give the window's
// document, by default that text with its first line the title.
//
// The sheet scrolls and the window can be resized; the controls and buttons
// stay in view below the sheet. The window opens as tall as its sheet, or as
// the screen allows, within the screen; Escape closes it.
//
// Controls carry their names as objectName: the scroll area "scrSheet", the
// sheet "picSheet" in it, the buttons "cmdPrint", "cmdSavePdf", "cmdCopy"
// and "cmdClose".
class ReportWindow : public QWidget {
    Q_OBJECT

  public:
    QWidget* sheet() const { return picSheet_; }
    QString plainText() const { return plainText_; }

    // The size the window takes when it opens on `available` (a screen's
    // free area): the whole sheet and the buttons, or the screen's height.
    QSize OpeningSize(const QRect& available) const;

  public slots:
    void cmdPrint_Click();
    void cmdSavePdf_Click();
    void cmdCopy_Click();
    void cmdClose_Click();

  protected:
    // The window is its own top-level window even with a parent, and closes
    // with it.
    ReportWindow(Dialogs& dialogs, const QString& name, QWidget* parent);

    QVBoxLayout* sheetLayout() const { return sheetLayout_; }
    // A control of the window's own, not of the sheet: in a row between the
    // sheet and the buttons, left to right.
    void AddControl(QWidget* control);
    void setPlainText(const QString& text) { plainText_ = text; }
    // The document Print and Save As PDF give, painted on a printer or a PDF
    // writer (false when it cannot be painted), its title and the name of the
    // file it is offered under.
    virtual bool PaintDocument(QPagedPaintDevice& device) const;
    virtual QString DocumentTitle() const;
    virtual QString DocumentFileName() const;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A label of the sheet: word-wrapped, in the form's font.
    QLabel* AddLabel(const QString& name, const QString& text, bool bold = false,
                     const QColor& colour = Qt::black);

  private:
    // The sheet keeps its width and grows to the height of its content, so
    // that the scroll area scrolls it and a printout has no blank tail.
    void FitSheet();
    void PlaceOnScreen();

    Dialogs& dialogs_;
    QScrollArea* scrSheet_ = nullptr;
    QWidget* picSheet_ = nullptr;
    QVBoxLayout* sheetLayout_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdSavePdf_ = nullptr;
    QPushButton* cmdCopy_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    QHBoxLayout* controls_ = nullptr;
    QString plainText_;
    bool placed_ = false;
};

// A word-wrapped label in the form's font and the given colour.
QLabel* MakeSheetLabel(QWidget* parent, const QString& name, const QString& text, bool bold,
                       const QColor& colour);

}  // namespace orbalis
