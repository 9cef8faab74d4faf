#pragma once

#include <QString>

#include <optional>

class QWidget;

// What the recovery asks at the start: the program's own dialogs, or scripted answers in the
// tests. A cancelled file dialog answers nothing.
class RecoveryDialogs
{
public:
    // Recover it (into a file the user chooses), discard it, or ask again at the next start.
    enum class Answer { Recover, Discard, Later };

    virtual ~RecoveryDialogs() = default;
    // The question says what was kept and when.
    virtual Answer ask(QWidget *parent, const QString &question) = 0;
    virtual std::optional<QString> choose_lesson_file(QWidget *parent, const QString &name) = 0;
    virtual std::optional<QString> choose_recording_file(QWidget *parent, const QString &topic) = 0;
    virtual void tell(QWidget *parent, const QString &text) = 0;
};

// The program's dialogs: a question with Recover, Discard and Later (Esc), the lesson's and the
// recording's own file dialogs, and a message.
class WindowRecoveryDialogs final : public RecoveryDialogs
{
public:
    Answer ask(QWidget *parent, const QString &question) override;
    std::optional<QString> choose_lesson_file(QWidget *parent, const QString &name) override;
    std::optional<QString> choose_recording_file(QWidget *parent, const QString &topic) override;
    void tell(QWidget *parent, const QString &text) override;
};
