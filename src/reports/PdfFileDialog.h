#pragma once

#include <QFileDialog>

// The save dialog of Export PDF. The PDF is written to the name chosen with ".pdf" added unless it ends so, and that
// is the file the dialog asks about before it is replaced, whatever was typed ("notes" over notes.pdf included).
class PdfFileDialog : public QFileDialog {
    Q_OBJECT
public:
    // The file to write, or empty text when the user cancelled.
    static QString ask(QWidget* parent, const QString& suggested);

    void accept() override;

private:
    PdfFileDialog(QWidget* parent, const QString& suggested);
};
