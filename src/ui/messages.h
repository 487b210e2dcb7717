#pragma once

#include <QString>

class QWidget;

namespace ui {

// Every message of the program goes through here: modal, titled "Sketra", OK only, no icon.
class Messages
{
public:
    virtual ~Messages() = default;
    // `details` goes below the text, for the reason behind a failure and its fix.
    virtual void show(const QString &text, const QString &details = {}) = 0;
};

class MessageBoxes final : public Messages
{
public:
    explicit MessageBoxes(QWidget *parent = nullptr)
        : m_parent(parent)
    {}
    void show(const QString &text, const QString &details = {}) override;
    void setParent(QWidget *parent) { m_parent = parent; }

private:
    QWidget *m_parent;
};

} // namespace ui
