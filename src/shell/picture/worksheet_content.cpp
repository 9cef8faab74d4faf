#include "picture/worksheet_content.h"

#include "chaos/chaos_topic.h"
#include "main_window.h"
#include "picture_output.h"
#include "population/dynamic_model_topic.h"

#include <QAction>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {

struct TopicName
{
    const char *menu; // the menu command that chooses the topic
    const char *words; // the first words of its file names
};

// By topic number. A file name's words are translated as the language writes them, in lower
// case with hyphens between them; letters beyond ASCII are spelt out in it (file_words()).
constexpr TopicName topic_names[17] = {
    { nullptr, nullptr },
    { "M_gr:3", QT_TRANSLATE_NOOP("FileName", "graph-p") },
    { "M_gr:2", QT_TRANSLATE_NOOP("FileName", "ratio-graph") },
    { "M_gr:1", QT_TRANSLATE_NOOP("FileName", "sequence-graph") },
    { "M_R:2", QT_TRANSLATE_NOOP("FileName", "golden-rectangle") },
    { "M_R:3", QT_TRANSLATE_NOOP("FileName", "golden-ellipse-hyperbola") },
    { "M_R:4", QT_TRANSLATE_NOOP("FileName", "pentagram") },
    { "M_R:1", QT_TRANSLATE_NOOP("FileName", "golden-ratio-analytic") },
    { "M_R:5", QT_TRANSLATE_NOOP("FileName", "golden-spiral") },
    { "M_R:0", QT_TRANSLATE_NOOP("FileName", "golden-ratio-construction") },
    { "M_bevolk:0", QT_TRANSLATE_NOOP("FileName", "life-generator") },
    { "M_plato", QT_TRANSLATE_NOOP("FileName", "platonic-figures") },
    { "M_R:6", QT_TRANSLATE_NOOP("FileName", "exponential-function") },
    { "M_bevolk:1", QT_TRANSLATE_NOOP("FileName", "population-model") },
    { "M_gr:0", QT_TRANSLATE_NOOP("FileName", "rabbits") },
    { "M_chaos", QT_TRANSLATE_NOOP("FileName", "chaos-game") },
    { "M_Pyt", QT_TRANSLATE_NOOP("FileName", "pythagoras") },
};

// The chaos game's models by item index, as a title names them: the polygon and the factor k.
constexpr const char *chaos_models[] = { QT_TRANSLATE_NOOP("StateWords", "triangle half"),
    QT_TRANSLATE_NOOP("StateWords", "triangle minus half"),
    QT_TRANSLATE_NOOP("StateWords", "hexagon half"),
    QT_TRANSLATE_NOOP("StateWords", "hexagon minus third"),
    QT_TRANSLATE_NOOP("StateWords", "triangle nine tenths"),
    QT_TRANSLATE_NOOP("StateWords", "pentagon golden"),
    QT_TRANSLATE_NOOP("StateWords", "square minus 0.46"),
    QT_TRANSLATE_NOOP("StateWords", "square half"),
    QT_TRANSLATE_NOOP("StateWords", "dodecagon fifth") };

// The population model's start models by item index.
constexpr const char *population_models[] = { "1a", "1b", "2", "3", "4a", "4b" };

QString state_words(const char *source)
{
    return QCoreApplication::translate("StateWords", source);
}

// Value labels that have no name beside them in their row.
QString name_of_value(const QString &control)
{
    if (control == QLatin1String("Lh1"))
        return QCoreApplication::translate("Worksheet", "turn angle");
    if (control == QLatin1String("Lh2"))
        return QCoreApplication::translate("Worksheet", "tilt angle");
    return {};
}

template <class T> T *topic_as(MainWindow &window, int number)
{
    return dynamic_cast<T *>(window.topic(number));
}

// A text the drawing shows that starts with the word ("YEAR  3", "Total   210.0"), as the word
// and the rest.
QStringList drawn_value(const Surface &surface, const QString &word)
{
    for (const QString &text : surface.texts())
        if (text.startsWith(word + QLatin1Char(' ')))
            return { word, text.mid(word.size()).trimmed() };
    return {};
}

// The visible labels and check boxes of a panel, row by row from the top, each row's cells from
// the left; controls whose centres lie within 120 twips of each other share a row.
std::vector<QStringList> rows_of(MainWindow &window, const Frame &frame, const QString &skipped)
{
    std::vector<Control *> shown;
    for (const auto &[key, control] : window.controls()) {
        const QWidget &w = control->widget();
        if (w.parentWidget() != &frame || !w.isVisibleTo(&frame) || control->name == skipped)
            continue;
        if (dynamic_cast<Label *>(control) || dynamic_cast<CheckBox *>(control))
            shown.push_back(control);
    }
    const auto middle = [](const Control *c) { return c->Top() + c->Height() / 2; };
    std::sort(shown.begin(), shown.end(), [&middle](const Control *a, const Control *b) {
        return std::pair(middle(a), a->Left()) < std::pair(middle(b), b->Left());
    });
    std::vector<std::vector<Control *>> grouped;
    for (Control *c : shown) {
        if (grouped.empty() || middle(c) - middle(grouped.back().front()) > 120)
            grouped.emplace_back();
        grouped.back().push_back(c);
    }
    std::vector<QStringList> rows;
    for (std::vector<Control *> &row : grouped) {
        std::sort(row.begin(), row.end(),
            [](const Control *a, const Control *b) { return a->Left() < b->Left(); });
        QStringList cells;
        if (const QString name = name_of_value(row.front()->name); !name.isEmpty())
            cells << name;
        for (const Control *c : row) {
            cells << c->caption().trimmed();
            if (const auto *box = dynamic_cast<const CheckBox *>(c))
                cells << (box->value() ? QCoreApplication::translate("Worksheet", "shown")
                                       : QCoreApplication::translate("Worksheet", "not shown"));
        }
        if (std::any_of(cells.begin(), cells.end(), [](const QString &s) { return !s.isEmpty(); }))
            rows.push_back(cells);
    }
    return rows;
}

WorksheetPanel panel_of(MainWindow &window, Frame &frame)
{
    Form1 &f = window.form();
    WorksheetPanel panel;
    panel.title =
        frame.accessibleName().isEmpty() ? frame.caption().simplified() : frame.accessibleName();
    if (&frame == f.Frame1) {
        // The six start models are buttons; the one chosen, the year and the total are values.
        panel.rows = rows_of(window, frame, QStringLiteral("Optie"));
        if (const auto *model = topic_as<DynamicModelTopic>(window, 13))
            panel.rows.push_back({ QCoreApplication::translate("Worksheet", "Model"),
                f.Optie[model->chosen_model()].caption().trimmed() });
        // The words as the drawing shows them, in the window's language.
        for (const QString &word :
            { QCoreApplication::translate("DynamicModelTopic", "YEAR ").trimmed(),
                QCoreApplication::translate("DynamicModelTopic", "Total ").trimmed() })
            if (QStringList value = drawn_value(f.Picture1->surface(), word); !value.isEmpty())
                panel.rows.push_back(value);
    } else if (&frame == f.Frame8) {
        panel.rows = rows_of(window, frame, QStringLiteral("Label11"));
        if (const auto *chaos = topic_as<ChaosTopic>(window, 15)) {
            panel.rows.push_back({ QCoreApplication::translate("Worksheet", "Model"),
                f.Label11[chaos->chosen_model()].caption().trimmed() });
            panel.rows.push_back({ QCoreApplication::translate("Worksheet", "Points"),
                QString::number(chaos->point_count()) });
        }
    } else {
        panel.rows = rows_of(window, frame, QString());
    }
    return panel;
}

// A number as a caption shows it, for a title: without trailing zeros, in the language's form;
// English says its sign ("minus 0.61803"), as its file names do.
QString number_words(const QString &caption, QChar separator)
{
    QString text = caption.trimmed();
    if (text.contains(separator)) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(separator))
            text.chop(1);
    }
    if (text.isEmpty())
        return QStringLiteral("0");
    if (text.startsWith(u'-'))
        return state_words(QT_TRANSLATE_NOOP("StateWords", "minus %1")).arg(text.mid(1));
    return text;
}

// The state the topic's picture depends on, as a title names it, a part for each value
// ("month 6", "f0 1"); the title joins them with commas, the file name with hyphens.
QStringList state_parts(MainWindow &window, int topic)
{
    Form1 &f = window.form();
    const QChar separator = f.decimal_separator;
    const auto named = [separator](std::initializer_list<std::pair<const char *, QString>> values) {
        QStringList parts;
        for (const auto &[name, caption] : values)
            parts << QCoreApplication::translate("StateWords", "%1 %2", "a symbol and its value")
                         .arg(QLatin1String(name), number_words(caption, separator));
        return parts;
    };
    const auto worded = [separator](const char *words, const QString &caption) {
        return state_words(words).arg(number_words(caption, separator));
    };
    switch (topic) {
    case 1:
    case 2:
    case 3:
        return named({ { "f0", f.Label1[10].caption() }, { "f1", f.Label1[11].caption() } });
    case 10:
        return named({ { "k", f.Label9[0].caption() }, { "w", f.Label9[1].caption() },
            { "yo", f.Label9[2].caption() }, { "d", f.Label9[3].caption() } });
    case 11:
        return { worded(QT_TRANSLATE_NOOP("StateWords", "turn %1"), f.Lh1->caption()),
            worded(QT_TRANSLATE_NOOP("StateWords", "tilt %1"), f.Lh2->caption()) };
    case 12:
        return named({ { "x", f.LabQ[0].caption() }, { "y0", f.LabQ[1].caption() } });
    case 13: {
        const auto *model = topic_as<DynamicModelTopic>(window, 13);
        const QStringList year = drawn_value(f.Picture1->surface(),
            QCoreApplication::translate("DynamicModelTopic", "YEAR ").trimmed());
        QStringList parts;
        if (model)
            parts << QCoreApplication::translate(
                "StateWords", "%1", "a start model of the population model, as a title names it")
                         .arg(QLatin1String(
                             population_models[std::clamp(model->chosen_model(), 0, 5)]));
        if (!year.isEmpty())
            parts << worded(QT_TRANSLATE_NOOP("StateWords", "year %1"), year[1]);
        return parts;
    }
    case 14:
        return { worded(QT_TRANSLATE_NOOP("StateWords", "month %1"),
            f.Label10->caption().mid(QCoreApplication::translate("RabbitTopic", "month").size())) };
    case 15: {
        const auto *chaos = topic_as<ChaosTopic>(window, 15);
        if (!chaos)
            return {};
        return { state_words(chaos_models[std::clamp(chaos->chosen_model(), 0, 8)]) };
    }
    case 16:
        return named({ { "a", f.L_pyt[0].caption() }, { "b", f.L_pyt[1].caption() } });
    default:
        return {};
    }
}

} // namespace

QString file_words(const QString &words)
{
    // A minus sign that starts a number becomes the word.
    QString text = QString(words).replace(QRegularExpression(QStringLiteral("(^|[\\s=])-(?=\\d)")),
        QStringLiteral("\\1") + QCoreApplication::translate("FileName", "minus")
            + QLatin1Char(' '));
    text = text.toLower();
    // German spells its umlauts out; the accents of the other languages are dropped.
    static const std::pair<QChar, const char *> spelt[] = { { u'\u00e4', "ae" },
        { u'\u00f6', "oe" }, { u'\u00fc', "ue" }, { u'\u00df', "ss" }, { u'\u00e6', "ae" },
        { u'\u0153', "oe" } };
    for (const auto &[letter, ascii] : spelt)
        text.replace(letter, QLatin1String(ascii));
    text = text.normalized(QString::NormalizationForm_D);
    const auto digit_at = [&text](qsizetype i) {
        return i >= 0 && i < text.size() && text[i] >= u'0' && text[i] <= u'9';
    };
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // Accents, apostrophes and letters beyond ASCII are left out; the words and numbers are
        // kept apart by one hyphen.
        if ((c >= u'a' && c <= u'z') || digit_at(i))
            name += c;
        else if ((c == u'.' || c == u',') && digit_at(i - 1) && digit_at(i + 1))
            name += c;
        else if (c != u'\'' && c != u'\u2019' && (c.isSpace() || c.isPunct() || c.isSymbol())
            && !name.isEmpty() && !name.endsWith(u'-'))
            name += u'-';
    }
    if (name.endsWith(u'-'))
        name.chop(1);
    return name;
}

QString topic_caption(MainWindow &window, int topic)
{
    if (topic < 1 || topic > 16)
        return {};
    const auto found = window.menus().find(QLatin1String(topic_names[topic].menu));
    return found == window.menus().end() ? QString() : found->second->text();
}

Worksheet worksheet_of(MainWindow &window)
{
    Form1 &f = window.form();
    Worksheet sheet;
    sheet.heading = topic_caption(window, f.topic);
    const auto figure_of = [](const PictureBox *picture) {
        return WorksheetFigure { picture->surface().inner_size(),
            [picture](QPainter &painter, Ink ink) { paint_picture(*picture, painter, ink); } };
    };
    sheet.drawing = figure_of(f.Picture1);
    if (f.Picture2->isVisibleTo(f.background)) {
        // A side panel with a diagram goes on the page as it is; its texts alone would be
        // fragments of the diagram.
        const Surface &side = f.Picture2->surface();
        if (side.drawn_count() > std::size_t(side.texts().size()))
            sheet.side_panel = figure_of(f.Picture2);
        else
            sheet.texts = side.texts();
    }

    std::vector<Frame *> frames;
    for (Frame *frame : { f.Frame1, f.Frame2, f.Frame3, f.Frame4, f.Frame5, f.Frame6, f.Frame7,
             f.Frame8, f.Frame9 })
        if (frame->isVisibleTo(f.background))
            frames.push_back(frame);
    std::sort(frames.begin(), frames.end(),
        [](const Frame *a, const Frame *b) { return a->Top() < b->Top(); });
    for (Frame *frame : frames)
        sheet.panels.push_back(panel_of(window, *frame));

    return sheet;
}

QString picture_file_stem(MainWindow &window)
{
    const int topic = window.form().topic;
    if (topic < 1 || topic > 16)
        return QStringLiteral("aurelion");
    QStringList parts = state_parts(window, topic);
    parts.prepend(QCoreApplication::translate("FileName", topic_names[topic].words));
    return file_words(parts.join(u' '));
}

QString worksheet_file_stem(MainWindow &window)
{
    return picture_file_stem(window) + u'-'
        + file_words(QCoreApplication::translate("FileName", "worksheet"));
}

QString picture_title(MainWindow &window)
{
    const int topic = window.form().topic;
    if (topic < 1 || topic > 16)
        return QCoreApplication::translate("Picture", "Aurelion drawing");
    const QStringList parts = state_parts(window, topic);
    const QString caption = topic_caption(window, topic);
    return parts.isEmpty() ? caption : caption + QStringLiteral(", ") + Form1::value_list(parts);
}

QString picture_state_words(MainWindow &window)
{
    const int topic = window.form().topic;
    if (topic < 1 || topic > 16)
        return {};
    // The values follow each other as a title of the language writes them: "month 6",
    // "k 0.3 w 0" in English, "k = 0,3; w = 0" in German.
    const QStringList parts = state_parts(window, topic);
    QString words = parts.value(0);
    for (qsizetype i = 1; i < parts.size(); ++i)
        words = QCoreApplication::translate(
            "StateWords", "%1 %2", "two values of a lesson step's proposed title")
                    .arg(words, parts[i]);
    return words;
}
