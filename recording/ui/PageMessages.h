#pragma once

#include "PageView.h"

#include <QString>

class QWidget;

namespace dormivo {

// The monitoring page's message boxes. The application uses real ones; a test
// answers them without a window and counts what was asked.
class PageMessages {
public:
    virtual ~PageMessages() = default;
    virtual void show(QWidget* parent, const QString& text, const QString& caption,
                      MessageIcon icon) = 0;
    // An OK/Cancel question; true on OK.
    virtual bool confirm(QWidget* parent, const QString& text, const QString& caption) = 0;
};

class MessageBoxes final : public PageMessages {
public:
    void show(QWidget* parent, const QString& text, const QString& caption,
              MessageIcon icon) override;
    bool confirm(QWidget* parent, const QString& text, const QString& caption) override;
};

} // namespace dormivo
