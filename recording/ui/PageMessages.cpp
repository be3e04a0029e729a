#include "PageMessages.h"

#include <QMessageBox>

namespace dormivo {

void MessageBoxes::show(QWidget* parent, const QString& text, const QString& caption,
                        MessageIcon icon) {
    const auto boxIcon =
        icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information;
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool MessageBoxes::confirm(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    return box.exec() == QMessageBox::Ok;
}

} // namespace dormivo
