#pragma once

#include <QPlainTextEdit>

namespace dormivo {

// The REMARKS box: multi-line, Enter starts a new line, and the user can type
// or paste at most `limit` characters. Text set by the program (the remark
// of an existing file) is shown whole.
class RemarksEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit RemarksEdit(int limit, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // How many characters may still be added in place of the selection.
    int room() const;

    int limit_;
};

} // namespace dormivo
