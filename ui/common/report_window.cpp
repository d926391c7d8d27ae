#include "ui/common/report_window.h"

#include <QShortcut>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "model/program_identity.h"
#include "report/titled_text_pdf.h"
#include "ui/common/dialogs.h"
#include "ui/common/save_flow.h"
#include "painting/form_font.h"
#include "ui/common/print_form.h"
#include "ui/common/qt_text.h"

namespace orbalis {
namespace {

// As wide as the results form, so that a printout of either fills the page alike.
constexpr int kSheetWidthPixels = 726;

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

    picSheet_ = new QWidget(this);
    picSheet_->setObjectName(QStringLiteral("picSheet"));
    picSheet_->setFixedWidth(kSheetWidthPixels);
    QPalette palette = picSheet_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    picSheet_->setPalette(palette);
    picSheet_->setAutoFillBackground(true);
    sheetLayout_ = new QVBoxLayout(picSheet_);
    sheetLayout_->setContentsMargins(18, 16, 18, 16);
    sheetLayout_->setSpacing(10);

    auto addButton = [this](const char* buttonName, const QString& caption) {
        QPushButton* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(buttonName));
        button->setFont(FormFont());
        return button;
    };
    cmdPrint_ = addButton("cmdPrint", QStringLiteral("&Print"));
    cmdSavePdf_ = addButton("cmdSavePdf", QStringLiteral("Save As &PDF\u2026"));
    cmdCopy_ = addButton("cmdCopy", QStringLiteral("&Copy as Text"));
    cmdClose_ = addButton("cmdClose", QStringLiteral("&Close"));
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
    layout_->addWidget(picSheet_);
    layout_->addLayout(buttons);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
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
    PrintWithDialog(dialogs_, this, *picSheet_);
}

void ReportWindow::cmdSavePdf_Click() {
    QString body = plainText_;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const qsizetype end = body.indexOf(u'\n');
    const QString title = end < 0 ? body : body.left(end);
    body = end < 0 ? QString() : body.mid(end + 1);
    // "Kuja Dosha Details: the classical house rule" is offered as
    // "Kuja Dosha Details.pdf".
    QString file = title.section(u':', 0, 0).simplified();
    file.remove(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")));
    if (file.isEmpty()) file = QtText(kProgramTitle);
    SavePdfWithDialog(dialogs_, this, file + QStringLiteral(".pdf"),
                      [&title, &body] { return TitledTextPdf(title, body); });
}

void ReportWindow::cmdCopy_Click() {
    QGuiApplication::clipboard()->setText(plainText_);
}

void ReportWindow::cmdClose_Click() {
    close();
}

}  // namespace orbalis
