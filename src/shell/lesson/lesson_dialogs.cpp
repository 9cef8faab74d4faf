#include "lesson/lesson_dialogs.h"

#include "lesson.h"
#include "picture/picture_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString filter()
{
    return QCoreApplication::translate("Lesson", "Aurelion lessons (*%1)")
        .arg(QLatin1String(lesson_suffix));
}

} // namespace

std::optional<QString> WindowLessonDialogs::choose_lesson_to_open(QWidget *parent)
{
    const std::optional<QString> path =
        window_file_dialog(parent, QCoreApplication::translate("Lesson", "Open Lesson"),
            folder_.isEmpty() ? QDir::homePath() : folder_, {}, filter());
    if (!path)
        return std::nullopt;
    folder_ = QFileInfo(*path).absolutePath();
    return path;
}

std::optional<QString> WindowLessonDialogs::choose_lesson_to_save(
    QWidget *parent, const QString &name)
{
    std::optional<QString> path =
        window_file_dialog(parent, QCoreApplication::translate("Lesson", "Save Lesson As"),
            folder_.isEmpty() ? QDir::homePath() : folder_, name, filter());
    if (!path)
        return std::nullopt;
    if (!path->endsWith(QLatin1String(lesson_suffix)))
        *path += QLatin1String(lesson_suffix);
    folder_ = QFileInfo(*path).absolutePath();
    return path;
}

std::optional<QString> WindowLessonDialogs::ask_step_title(QWidget *parent, const QString &proposed)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("Lesson", "Add Step"));
    dialog.setLabelText(QCoreApplication::translate("Lesson", "Title of the step:"));
    dialog.setTextValue(proposed);
    fit_to_window(dialog, parent, QSize(360, 0));
    if (dialog.exec() != QDialog::Accepted || dialog.textValue().trimmed().isEmpty())
        return std::nullopt;
    return dialog.textValue().trimmed();
}

LessonDialogs::Unsaved WindowLessonDialogs::ask_unsaved(QWidget *parent, const QString &lesson_name)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Aurelion"),
        QCoreApplication::translate("Lesson", "The lesson \"%1\" has changes that are not saved.")
            .arg(lesson_name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    fit_to_window(box, parent);
    const int answer = box.exec();
    return answer == QMessageBox::Save   ? Unsaved::Save
        : answer == QMessageBox::Discard ? Unsaved::Discard
                                         : Unsaved::Cancel;
}

void WindowLessonDialogs::show_error(QWidget *parent, const QString &text)
{
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Aurelion"), text, QMessageBox::Ok, parent);
    fit_to_window(box, parent);
    box.exec();
}
