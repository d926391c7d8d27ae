#include "ui/common/report_window.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "model/program_identity.h"
#include "painting/form_font.h"
#include "report/report_sheet.h"
#include "report/titled_text_pdf.h"
#include "ui/common/dialogs.h"
#include "ui/common/print_form.h"
#include "ui/common/qt_text.h"
#include "ui/common/save_flow.h"

namespace orbalis {
namespace {

// As wide as the results form, so that a printout of either fills the page alike.
constexpr int kSheetWidthPixels = 726;

// The title bar and borders a window manager adds around the window, which
// are not known before the window is first shown.
constexpr QMargins kFrameAllowance(8, 40, 8, 8);

// The plain text as its title line and the rest.
std::pair<QString, QString> TitleAndBody(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const qsizetype end = text.indexOf(u'\n');
    if (end < 0) return {text, QString()};
    return {text.left(end), text.mid(end + 1)};
}

}  // namespace

QLabel* MakeSheetLabel(QWidget* parent, const QString& name, const QString& text, bool bold,
                       const QColor& colour) {
    QLabel* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(FormFont(bold));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

ReportWindow::ReportWindow(Dialogs& dialogs, const QString& name, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QtText(kWindowCaption));
    setFont(FormFont());

    picSheet_ = new QWidget;
    picSheet_->setObjectName(QStringLiteral("picSheet"));
    picSheet_->setFixedWidth(kSheetWidthPixels);
    QPalette palette = picSheet_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    picSheet_->setPalette(palette);
    picSheet_->setAutoFillBackground(true);
    sheetLayout_ = new QVBoxLayout(picSheet_);
    sheetLayout_->setContentsMargins(18, 16, 18, 16);
    sheetLayout_->setSpacing(10);
    picSheet_->installEventFilter(this);
    scrSheet_ = new QScrollArea(this);
    scrSheet_->setObjectName(QStringLiteral("scrSheet"));
    scrSheet_->setWidget(picSheet_);
    scrSheet_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto addButton = [this](const char* buttonName, const QString& caption) {
        QPushButton* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(buttonName));
        button->setFont(FormFont());
        return button;
    };
    cmdPrint_ = addButton("cmdPrint", tr("&Print"));
    cmdSavePdf_ = addButton("cmdSavePdf", tr("Save As P&DF\u2026"));
    cmdCopy_ = addButton("cmdCopy", tr("Copy as &Text"));
    cmdClose_ = addButton("cmdClose", tr("&Close"));
    connect(cmdPrint_, &QPushButton::clicked, this, &ReportWindow::cmdPrint_Click);
    connect(cmdSavePdf_, &QPushButton::clicked, this, &ReportWindow::cmdSavePdf_Click);
    connect(cmdCopy_, &QPushButton::clicked, this, &ReportWindow::cmdCopy_Click);
    // The usual keys copy the whole text and print the sheet.
    new QShortcut(QKeySequence::Copy, this, this, &ReportWindow::cmdCopy_Click);
    new QShortcut(QKeySequence::Print, this, this, &ReportWindow::cmdPrint_Click);
    connect(cmdClose_, &QPushButton::clicked, this, &ReportWindow::cmdClose_Click);

    QHBoxLayout* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdPrint_);
    buttons->addWidget(cmdSavePdf_);
    buttons->addWidget(cmdCopy_);
    buttons->addWidget(cmdClose_);
    layout_ = new QVBoxLayout(this);
    layout_->addWidget(scrSheet_, 1);
    layout_->addLayout(buttons);
}

void ReportWindow::FitSheet() {
    const int height = picSheet_->hasHeightForWidth() ? picSheet_->heightForWidth(kSheetWidthPixels)
                                                      : picSheet_->sizeHint().height();
    picSheet_->resize(kSheetWidthPixels, std::max(height, picSheet_->minimumSizeHint().height()));
}

bool ReportWindow::eventFilter(QObject* watched, QEvent* event) {
    // A sheet filled or refilled (a swap of bride and groom) asks for a new
    // layout; its height follows.
    if (watched == picSheet_ && event->type() == QEvent::LayoutRequest) FitSheet();
    return QWidget::eventFilter(watched, event);
}

QSize ReportWindow::OpeningSize(const QRect& available) const {
    const QMargins margins = layout_->contentsMargins();
    const int frame = 2 * scrSheet_->frameWidth();
    // The sheet, the controls and buttons below it, the spacing and margins.
    int height = margins.top() + frame + picSheet_->height() + margins.bottom();
    for (int i = 0; i < layout_->count(); ++i) {
        const QLayoutItem* item = layout_->itemAt(i);
        if (item->widget() != scrSheet_ && !item->isEmpty())
            height += layout_->spacing() + item->sizeHint().height();
    }
    // A sheet taller than the screen scrolls: room for the scroll bar.
    const int bar = height > available.height()
                        ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrSheet_)
                        : 0;
    const int width = std::max(margins.left() + frame + picSheet_->width() + bar + margins.right(),
                               minimumSizeHint().width());
    return {std::min(width, available.width()), std::min(height, available.height())};
}

void ReportWindow::PlaceOnScreen() {
    // Sizes as the style will draw them.
    ensurePolished();
    FitSheet();
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = over ? over->screen() : this->screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry() - kFrameAllowance;
    resize(OpeningSize(available));
    // Over the window it came from, or in the middle of the screen; wholly
    // on the screen either way.
    QRect placed(QPoint(), size());
    placed.moveCenter(over ? over->geometry().center() : available.center());
    placed.moveLeft(std::clamp(placed.left(), available.left(),
                               std::max(available.left(), available.right() - placed.width() + 1)));
    placed.moveTop(std::clamp(placed.top(), available.top(),
                              std::max(available.top(), available.bottom() - placed.height() + 1)));
    move(placed.topLeft());
}

void ReportWindow::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        PlaceOnScreen();
    }
    QWidget::showEvent(event);
}

void ReportWindow::keyPressEvent(QKeyEvent* event) {
    // As a dialog does: Escape closes the window from any control.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QLabel* ReportWindow::AddLabel(const QString& name, const QString& text, bool bold,
                               const QColor& colour) {
    QLabel* label = MakeSheetLabel(picSheet_, name, text, bold, colour);
    sheetLayout_->addWidget(label);
    return label;
}

void ReportWindow::AddControl(QWidget* control) {
    if (!controls_) {
        controls_ = new QHBoxLayout;
        controls_->addStretch(1);
        layout_->insertLayout(1, controls_);
    }
    control->setFont(FormFont());
    controls_->insertWidget(controls_->count() - 1, control);
}

void ReportWindow::cmdPrint_Click() {
    PrintWithDialog(dialogs_, this, [this](QPrinter& printer) { return PaintDocument(printer); });
}

bool ReportWindow::PaintDocument(QPagedPaintDevice& device) const {
    const auto [title, body] = TitleAndBody(plainText_);
    return PaintTitledText(device, title, body);
}

QString ReportWindow::DocumentTitle() const {
    return TitleAndBody(plainText_).first;
}

QString ReportWindow::DocumentFileName() const {
    // "Kuja Dosha Details: the classical house rule" is offered as
    // "Kuja Dosha Details.pdf".
    return PdfFileName(DocumentTitle().section(u':', 0, 0), QtText(kProgramTitle));
}

void ReportWindow::cmdSavePdf_Click() {
    SavePdfWithDialog(dialogs_, this, DocumentFileName(), [this] {
        return PaintedPdf(DocumentTitle(),
                          [this](QPagedPaintDevice& device) { return PaintDocument(device); });
    });
}

void ReportWindow::cmdCopy_Click() {
    QGuiApplication::clipboard()->setText(plainText_);
}

void ReportWindow::cmdClose_Click() {
    close();
}

}  // namespace orbalis
