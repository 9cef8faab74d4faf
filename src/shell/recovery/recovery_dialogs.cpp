#include "recovery/recovery_dialogs.h"

#include "lesson/lesson_dialogs.h"
#include "picture/picture_dialogs.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

RecoveryDialogs::Answer WindowRecoveryDialogs::ask(QWidget *parent, const QString &question)
{
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Aurelion"), question, QMessageBox::NoButton, parent);
    QPushButton *recover = box.addButton(
        QCoreApplication::translate("Recovery", "&Recover…"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(
        QCoreApplication::translate("Recovery", "&Discard"), QMessageBox::DestructiveRole);
    QPushButton *later =
        box.addButton(QCoreApplication::translate("Recovery", "&Later"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    // Esc and closing the question keep what was kept for the next start.
    box.setEscapeButton(later);
    fit_to_window(box, parent);
    box.exec();
    if (box.clickedButton() == recover)
        return Answer::Recover;
    if (box.clickedButton() == discard)
        return Answer::Discard;
    return Answer::Later;
}

std::optional<QString> WindowRecoveryDialogs::choose_lesson_file(
    QWidget *parent, const QString &name)
{
    return WindowLessonDialogs().choose_lesson_to_save(parent, name);
}

std::optional<QString> WindowRecoveryDialogs::choose_recording_file(
    QWidget *parent, const QString &topic)
{
    return WindowPictureDialogs().choose_recording_file(parent, topic);
}

void WindowRecoveryDialogs::tell(QWidget *parent, const QString &text)
{
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Aurelion"), text, QMessageBox::Ok, parent);
    fit_to_window(box, parent);
    box.exec();
}
