#pragma once

#include "lesson.h"

#include <QScrollArea>

#include <vector>

class QLabel;
class QVBoxLayout;

// The shown step's questions on the window's background beside the design (the stage places
// it), each followed by its answer once revealed; a widget of the window, so never part of a
// picture, a worksheet or a recording. Its text is the menu bar's, at the window's zoom. A screen
// reader reads each question, and a revealed answer as the question's description and on its own.
class QuestionsPanel final : public QScrollArea
{
public:
    explicit QuestionsPanel(QWidget *parent);

    // The questions and how many of their answers are revealed, in the questions' order (those
    // without an answer passed over); no questions hide the panel.
    void show_questions(const std::vector<LessonQuestion> &questions, int revealed);
    // The text's font: the window's at its zoom.
    void set_text_font(const QFont &font);
    // The questions' and the revealed answers' labels, in order.
    const std::vector<QLabel *> &question_labels() const { return questions_; }
    const std::vector<QLabel *> &answer_labels() const { return answers_; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

private:
    QWidget *contents_;
    QVBoxLayout *layout_;
    QLabel *heading_;
    std::vector<QLabel *> questions_;
    std::vector<QLabel *> answers_;
};
