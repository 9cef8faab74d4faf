#include "lesson/lesson_dialogs.h"

#include "lesson.h"
#include "lesson/handout.h"
#include "picture/picture_dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
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

// The table's cells take no more than a question or an answer may hold.
class CellLimits final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setMaxLength(index.column() == 0 ? question_max_length : answer_max_length);
        return editor;
    }
};

// Why the notes cannot go into a lesson file, or nothing.
QString notes_problem(const StepNotes &notes)
{
    if (notes.title.isEmpty())
        return QCoreApplication::translate("Lesson", "The step needs a title.");
    if (notes.texts.size() > step_max_texts)
        return QCoreApplication::translate("Lesson", "A step has at most %1 paragraphs of text.")
            .arg(step_max_texts);
    for (const QString &text : notes.texts)
        if (text.size() > text_max_length)
            return QCoreApplication::translate("Lesson", "A paragraph has at most %1 characters.")
                .arg(text_max_length);
    for (const LessonQuestion &q : notes.questions)
        if (q.question.isEmpty())
            return QCoreApplication::translate("Lesson", "An answer needs its question.");
    return {};
}

// The step's title, its paragraphs (a line each) and up to the most questions a step may hold,
// each with an answer or none; OK waits until what is written may go into a lesson file.
std::optional<StepNotes> ask_notes(QWidget *parent, const QString &proposed)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("Lesson", "Add Step"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *prompt =
        new QLabel(QCoreApplication::translate("Lesson", "&Title of the step:"), &dialog);
    auto *line = new QLineEdit(proposed, &dialog);
    prompt->setBuddy(line);
    auto *text_prompt = new QLabel(
        QCoreApplication::translate("Lesson", "Te&xt for the pupils, a paragraph a line:"),
        &dialog);
    auto *texts = new QPlainTextEdit(&dialog);
    texts->setTabChangesFocus(true);
    text_prompt->setBuddy(texts);
    auto *table_prompt = new QLabel(
        QCoreApplication::translate("Lesson", "&Questions, each with its answer or none:"),
        &dialog);
    auto *table = new QTableWidget(step_max_questions, 2, &dialog);
    table->setHorizontalHeaderLabels({ QCoreApplication::translate("Lesson", "Question"),
        QCoreApplication::translate("Lesson", "Answer") });
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setItemDelegate(new CellLimits(table));
    table->setTabKeyNavigation(false);
    table_prompt->setBuddy(table);
    auto *problem = new QLabel(&dialog);
    problem->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    for (QWidget *w : std::initializer_list<QWidget *> {
             prompt, line, text_prompt, texts, table_prompt, table, problem, buttons })
        layout->addWidget(w);
    const auto notes = [&] {
        StepNotes n;
        n.title = line->text().trimmed();
        for (const QString &paragraph : texts->toPlainText().split(QLatin1Char('\n')))
            if (!paragraph.trimmed().isEmpty())
                n.texts << paragraph.trimmed();
        for (int row = 0; row < table->rowCount(); ++row) {
            const auto cell = [&](int column) {
                const QTableWidgetItem *item = table->item(row, column);
                return item ? item->text().simplified() : QString();
            };
            if (!cell(0).isEmpty() || !cell(1).isEmpty())
                n.questions.push_back({ cell(0), cell(1) });
        }
        return n;
    };
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    const auto follow = [&] {
        const QString why = notes_problem(notes());
        ok->setEnabled(why.isEmpty());
        problem->setText(why);
    };
    QObject::connect(line, &QLineEdit::textChanged, &dialog, follow);
    QObject::connect(texts, &QPlainTextEdit::textChanged, &dialog, follow);
    QObject::connect(table, &QTableWidget::itemChanged, &dialog, follow);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // Room for the longest of the reasons, so that the dialog keeps its size as they change.
    problem->setText(
        QCoreApplication::translate("Lesson", "A step has at most %1 paragraphs of text.")
            .arg(step_max_texts));
    line->selectAll();
    fit_to_window(dialog, parent, QSize(560, 0));
    follow();
    if (dialog.exec() != QDialog::Accepted || !notes_problem(notes()).isEmpty())
        return std::nullopt;
    return notes();
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

std::optional<StepNotes> WindowLessonDialogs::ask_step(QWidget *parent, const QString &proposed)
{
    return ask_notes(parent, proposed);
}

std::optional<HandoutChoice> WindowLessonDialogs::choose_handout_file(
    QWidget *parent, const QString &name, bool web_page)
{
    const QStringList filters = web_page
        ? QStringList { QCoreApplication::translate("Lesson", "Web page for the pupils (*.html)"),
              QCoreApplication::translate("Lesson", "Web page with the answers (*.html)") }
        : QStringList { QCoreApplication::translate("Lesson", "Handout for the pupils (*.pdf)"),
              QCoreApplication::translate("Lesson", "Answer key (*.pdf)") };
    int chosen = 0;
    std::optional<QString> path = window_file_dialog(parent,
        web_page ? QCoreApplication::translate("Lesson", "Save as Web Page")
                 : QCoreApplication::translate("Lesson", "Save Handout"),
        handout_folder_.isEmpty() ? (folder_.isEmpty() ? QDir::homePath() : folder_)
                                  : handout_folder_,
        name, filters, &chosen);
    if (!path)
        return std::nullopt;
    const QString suffix = web_page ? QStringLiteral(".html") : QStringLiteral(".pdf");
    if (!handout_format_of(*path))
        *path += suffix;
    handout_folder_ = QFileInfo(*path).absolutePath();
    return HandoutChoice { *path, chosen == 1 };
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
