#include "lesson/questions_panel.h"

#include "lesson/handout.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Widths in the text's average characters: at least a short question a line, at most a
// comfortable line to read from the back of a classroom.
constexpr int least_characters = 18, most_characters = 34;
// Height: the heading and a question of three lines.
constexpr int least_lines = 5;

QLabel *text_label(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

} // namespace

QuestionsPanel::QuestionsPanel(QWidget *parent)
    : QScrollArea(parent)
    , contents_(new QWidget)
    , layout_(new QVBoxLayout(contents_))
    , heading_(text_label(contents_))
{
    setObjectName(QStringLiteral("lesson_questions"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    contents_->setAutoFillBackground(false);
    layout_->addWidget(heading_);
    layout_->addStretch(1);
    setWidget(contents_);
    setAccessibleName(questions_heading());
    hide();
}

void QuestionsPanel::set_text_font(const QFont &font)
{
    if (this->font() == font)
        return;
    setFont(font);
    QFont bold = font;
    bold.setBold(true);
    heading_->setFont(bold);
    const int gap = QFontMetrics(font).height() / 2;
    layout_->setContentsMargins(gap, gap / 2, gap, gap);
    layout_->setSpacing(gap / 2);
    updateGeometry();
}

void QuestionsPanel::show_questions(const std::vector<LessonQuestion> &questions, int revealed)
{
    heading_->setText(questions_heading());
    setAccessibleName(questions_heading());
    while (questions_.size() < questions.size()) {
        auto *question = text_label(contents_);
        auto *answer = text_label(contents_);
        answer->setIndent(QFontMetrics(font()).averageCharWidth() * 2);
        answer->setStyleSheet(QStringLiteral("color: #004000"));
        layout_->insertWidget(layout_->count() - 1, question);
        layout_->insertWidget(layout_->count() - 1, answer);
        questions_.push_back(question);
        answers_.push_back(answer);
    }
    int answered = 0;
    for (std::size_t i = 0; i < questions_.size(); ++i) {
        QLabel *question = questions_[i];
        QLabel *answer = answers_[i];
        if (i >= questions.size()) {
            question->hide();
            answer->hide();
            continue;
        }
        const LessonQuestion &q = questions[i];
        const QString text = QStringLiteral("%1. %2").arg(i + 1).arg(q.question);
        const bool shown = !q.answer.isEmpty() && answered++ < revealed;
        const QString answer_text =
            shown ? QCoreApplication::translate("Lesson", "Answer: %1").arg(q.answer) : QString();
        const bool newly = shown && answer->isHidden();
        question->setText(text);
        question->setAccessibleName(text);
        question->setAccessibleDescription(answer_text);
        question->show();
        answer->setText(answer_text);
        answer->setAccessibleName(answer_text);
        answer->setVisible(shown);
        if (newly) {
            QAccessibleEvent described(question, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&described);
            QAccessibleEvent appeared(answer, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&appeared);
        }
    }
    setVisible(!questions.empty());
    updateGeometry();
}

QSize QuestionsPanel::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return { metrics.averageCharWidth() * least_characters, metrics.height() * least_lines };
}

QSize QuestionsPanel::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int width = metrics.averageCharWidth() * most_characters;
    return { width, std::max(contents_->heightForWidth(width), minimumSizeHint().height()) };
}
