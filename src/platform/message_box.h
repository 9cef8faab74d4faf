#pragma once

#include <QFont>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

// A modal message with an OK button.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    // An empty title shows the program's name.
    virtual void MsgBox(const QString &text, const QString &title = {}) = 0;

protected:
    static QString shown_title(const QString &title);
};

// Shows the message in a dialog and waits until it is closed. The dialog's text is in the font
// the window gives, which grows with the window's zoom.
class DialogMessageBox final : public MessageBox
{
public:
    explicit DialogMessageBox(QWidget *parent = nullptr, std::function<QFont()> font = {})
        : parent_(parent)
        , font_(std::move(font))
    { }
    void MsgBox(const QString &text, const QString &title = {}) override;

private:
    QWidget *parent_;
    std::function<QFont()> font_;
};

// Keeps every message as if it had been answered with OK at once.
class RecordedMessageBox final : public MessageBox
{
public:
    struct Message
    {
        QString title;
        QString text;
    };
    void MsgBox(const QString &text, const QString &title = {}) override;
    std::vector<Message> messages;
};
