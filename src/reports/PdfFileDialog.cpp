#include "PdfFileDialog.h"

#include "platform/Messages.h"

namespace {
QString withPdfSuffix(const QString& name)
{
    return name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? name : name + QStringLiteral(".pdf");
}
} // namespace

PdfFileDialog::PdfFileDialog(QWidget* parent, const QString& suggested)
    : QFileDialog(parent, QStringLiteral("Export PDF"), suggested, QStringLiteral("PDF files (*.pdf)"))
{
    setAcceptMode(AcceptSave);
    // The dialog's own question would be about the name as typed, before ".pdf" is added; accept() asks instead.
    // Only Qt's own dialog lets it.
    setOptions(DontConfirmOverwrite | DontUseNativeDialog);
}

QString PdfFileDialog::ask(QWidget* parent, const QString& suggested)
{
    PdfFileDialog dialog(parent, suggested);
    if (dialog.exec() != Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return withPdfSuffix(dialog.selectedFiles().constFirst());
}

void PdfFileDialog::accept()
{
    const QString typed = selectedFiles().value(0);
    const QFileInfo file(withPdfSuffix(typed));
    // A folder named is opened by the dialog itself, as before.
    if (!typed.isEmpty() && !QFileInfo(typed).isDir() && file.exists() &&
        Messages::show(QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(file.fileName()),
                       windowTitle(), Messages::Icon::Exclamation, Messages::Buttons::YesNo) != Messages::Answer::Yes)
        return;
    QFileDialog::accept();
}
