#include "NotesBox.h"

#include <QMimeData>

void NotesBox::insertFromMimeData(const QMimeData* source)
{
    if (source && !source->formats().isEmpty())
        QPlainTextEdit::insertFromMimeData(source);
}
