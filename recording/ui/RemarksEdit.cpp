#include "RemarksEdit.h"

#include <QKeyEvent>
#include <QMimeData>

namespace dormivo {

RemarksEdit::RemarksEdit(int limit, QWidget* parent) : QPlainTextEdit(parent), limit_(limit) {
    setTabChangesFocus(true);
}

int RemarksEdit::room() const {
    const QTextCursor cursor = textCursor();
    const int selected = cursor.selectionEnd() - cursor.selectionStart();
    return limit_ - (document()->characterCount() - 1) + selected;
}

void RemarksEdit::keyPressEvent(QKeyEvent* event) {
    const bool newLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = newLine ? QStringLiteral("\n") : event->text();
    const bool printable = newLine || (!typed.isEmpty() && typed.at(0).isPrint());
    if (printable && typed.size() > room()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void RemarksEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        return;
    }
    const int left = room();
    if (left > 0) {
        insertPlainText(source->text().left(left));
    }
}

} // namespace dormivo
