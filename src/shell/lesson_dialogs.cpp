#include "lesson_dialogs.h"

#include "lesson.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
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
    const QString path =
        QFileDialog::getOpenFileName(parent, QCoreApplication::translate("Lesson", "Open Lesson"),
            folder_.isEmpty() ? QDir::homePath() : folder_, filter());
    if (path.isEmpty())
        return std::nullopt;
    folder_ = QFileInfo(path).absolutePath();
    return path;
}

std::optional<QString> WindowLessonDialogs::choose_lesson_to_save(
    QWidget *parent, const QString &name)
{
    const QString folder = folder_.isEmpty() ? QDir::homePath() : folder_;
    QString path = QFileDialog::getSaveFileName(parent,
        QCoreApplication::translate("Lesson", "Save Lesson As"),
        QDir(folder).filePath(name + QLatin1String(lesson_suffix)), filter());
    if (path.isEmpty())
        return std::nullopt;
    if (!path.endsWith(QLatin1String(lesson_suffix)))
        path += QLatin1String(lesson_suffix);
    folder_ = QFileInfo(path).absolutePath();
    return path;
}

std::optional<QString> WindowLessonDialogs::ask_step_title(QWidget *parent, const QString &proposed)
{
    bool ok = false;
    const QString title =
        QInputDialog::getText(parent, QCoreApplication::translate("Lesson", "Add Step"),
            QCoreApplication::translate("Lesson", "Title of the step:"), QLineEdit::Normal,
            proposed, &ok);
    if (!ok || title.trimmed().isEmpty())
        return std::nullopt;
    return title.trimmed();
}

LessonDialogs::Unsaved WindowLessonDialogs::ask_unsaved(QWidget *parent, const QString &lesson_name)
{
    const auto answer = QMessageBox::question(parent, QStringLiteral("Aurelion"),
        QCoreApplication::translate("Lesson", "The lesson \"%1\" has changes that are not saved.")
            .arg(lesson_name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    return answer == QMessageBox::Save   ? Unsaved::Save
        : answer == QMessageBox::Discard ? Unsaved::Discard
                                         : Unsaved::Cancel;
}

void WindowLessonDialogs::show_error(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, QStringLiteral("Aurelion"), text);
}
