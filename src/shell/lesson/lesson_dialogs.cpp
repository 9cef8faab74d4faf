#include "lesson/lesson_dialogs.h"

#include "lesson.h"
#include "picture/picture_dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString filter()
{
    return QCoreApplication::translate("Lesson", "Aurelion lessons (*%1)")
        .arg(QLatin1String(lesson_suffix));
}

// A title to type, starting from the one given: OK waits until there is one.
std::optional<QString> ask_title(
    QWidget *parent, const QString &caption, const QString &label, const QString &start)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(caption);
    auto *layout = new QVBoxLayout(&dialog);
    auto *prompt = new QLabel(label, &dialog);
    auto *line = new QLineEdit(start, &dialog);
    prompt->setBuddy(line);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(prompt);
    layout->addWidget(line);
    layout->addWidget(buttons);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    const auto follow = [ok, line] { ok->setEnabled(!line->text().trimmed().isEmpty()); };
    QObject::connect(line, &QLineEdit::textChanged, &dialog, follow);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    follow();
    line->selectAll();
    fit_to_window(dialog, parent, QSize(360, 0));
    if (dialog.exec() != QDialog::Accepted || line->text().trimmed().isEmpty())
        return std::nullopt;
    return line->text().trimmed();
}

// A bar that fills as the work goes on, with Cancel; Esc cancels too.
class ProgressDialog final : public LessonProgress
{
public:
    ProgressDialog(QWidget *parent, const QString &text, long total)
        : dialog_(parent)
        , total_(std::max(total, 1L))
    {
        dialog_.setWindowTitle(QStringLiteral("Aurelion"));
        dialog_.setLabelText(text);
        dialog_.setRange(0, steps);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setMinimumDuration(0);
        dialog_.setWindowModality(Qt::ApplicationModal);
        QObject::connect(&dialog_, &QProgressDialog::canceled, [this] { cancelled_ = true; });
        QObject::connect(&dialog_, &QDialog::rejected, [this] { cancelled_ = true; });
        fit_to_window(dialog_, parent, QSize(360, 0));
        dialog_.show();
        QCoreApplication::processEvents();
    }

    void set_done(long done) override
    {
        dialog_.setValue(int(std::min(done, total_) * steps / total_));
    }

    bool cancelled() override
    {
        QCoreApplication::processEvents();
        return cancelled_;
    }

private:
    static constexpr long steps = 1000;
    QProgressDialog dialog_;
    long total_;
    bool cancelled_ = false;
};

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
    return ask_title(parent, QCoreApplication::translate("Lesson", "Add Step"),
        QCoreApplication::translate("Lesson", "Title of the step:"), proposed);
}

std::optional<QString> WindowLessonDialogs::ask_lesson_title(QWidget *parent, const QString &title)
{
    return ask_title(parent, QCoreApplication::translate("Lesson", "Lesson Title"),
        QCoreApplication::translate("Lesson", "Title of the lesson:"), title);
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

LessonDialogs::Changed WindowLessonDialogs::ask_changed_on_disk(
    QWidget *parent, const QString &lesson_name)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Aurelion"),
        QCoreApplication::translate("Lesson",
            "The file of the lesson \"%1\" was changed by another program since it was opened "
            "or saved here.")
            .arg(lesson_name),
        QMessageBox::NoButton, parent);
    box.setInformativeText(QCoreApplication::translate("Lesson",
        "Reload it, and lose the changes made here, or overwrite it with the lesson as it is "
        "here?"));
    QPushButton *reload =
        box.addButton(QCoreApplication::translate("Lesson", "&Reload"), QMessageBox::ActionRole);
    QPushButton *overwrite =
        box.addButton(QCoreApplication::translate("Lesson", "&Overwrite"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    fit_to_window(box, parent);
    box.exec();
    return box.clickedButton() == reload   ? Changed::Reload
        : box.clickedButton() == overwrite ? Changed::Overwrite
                                           : Changed::Cancel;
}

std::unique_ptr<LessonProgress> WindowLessonDialogs::show_progress(
    QWidget *parent, const QString &text, long total)
{
    return std::make_unique<ProgressDialog>(parent, text, total);
}

void WindowLessonDialogs::show_error(QWidget *parent, const QString &text)
{
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Aurelion"), text, QMessageBox::Ok, parent);
    fit_to_window(box, parent);
    box.exec();
}

void WindowLessonDialogs::show_message(QWidget *parent, const QString &text)
{
    QMessageBox box(
        QMessageBox::Information, QStringLiteral("Aurelion"), text, QMessageBox::Ok, parent);
    fit_to_window(box, parent);
    box.exec();
}
