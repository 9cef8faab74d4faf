#include "lesson/web_page.h"

#include "picture_output.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QIODevice>
#include <QRegularExpression>

#include <algorithm>

namespace {

// One column of at most 48 characters' width, the drawings as wide as it (and at most 40 rem, a
// little more than their true size); long words broken rather than pushed sideways. In print a
// step starts a page, the answer key's answers are printed open and the pupils' page gets ruled
// lines under each question, 8 mm apart as in an exercise book. The printed answers are hidden
// by the page itself rather than by the style sheet, so that a platform that strips the styles
// still shows each answer only folded under its question.
const char style_sheet[] = R"(html{-webkit-text-size-adjust:100%;text-size-adjust:100%}
body{margin:0 auto;max-width:48rem;padding:0 1rem 2rem;font-family:"Liberation Sans",Arial,Helvetica,sans-serif;line-height:1.5;color:#111;background:#fff;overflow-wrap:break-word}
h1{font-size:1.75rem;line-height:1.25;margin:1.5rem 0 .75rem}
h2{font-size:1.35rem;line-height:1.3;margin:2.5rem 0 .75rem;padding-top:1rem;border-top:1px solid #888}
h3{font-size:1.1rem;margin:1.25rem 0 .25rem}
a{color:#0645ad}
.contents{list-style:none;padding:0}
figure{margin:1rem 0}
figure svg{display:block;width:100%;max-width:40rem;height:auto;border:1px solid #888;box-sizing:border-box}
.questions{padding-left:1.75rem}
.questions li{margin:.5rem 0}
.question{font-weight:bold;margin:0}
summary{cursor:pointer;color:#0645ad}
details p{margin:.25rem 0 0}
footer{margin-top:3rem;font-size:.85rem;color:#555}
@media print{
body{max-width:none;padding:0;font-size:11pt}
nav a{color:inherit;text-decoration:none}
.step{break-before:page}
h2{border:0;margin-top:0;padding-top:0}
figure{break-inside:avoid}
figure svg{max-width:13.5cm;margin:0 auto}
.questions li{break-inside:avoid}
details{display:none}
.printed-answer{display:block;margin:.25rem 0 0}
.pupils .questions li::after{content:"";display:block;height:2.4cm;background:repeating-linear-gradient(to bottom,transparent 0,transparent calc(.8cm - 1px),#888 calc(.8cm - 1px),#888 .8cm);-webkit-print-color-adjust:exact;print-color-adjust:exact}
}
)";

QByteArray escaped(const QString &text) { return text.toHtmlEscaped().toUtf8(); }

// The language's code as a page names it: "pt-BR" for "pt_BR".
QByteArray language_tag(const QString &code)
{
    QString tag = code.isEmpty() ? QStringLiteral("en") : code;
    return tag.replace(QLatin1Char('_'), QLatin1Char('-')).toLatin1();
}

class WebPage final : public HandoutWriter
{
public:
    WebPage(QIODevice &device, const HandoutSettings &settings, bool answer_key)
        : device_(device)
        , ink_(settings.ink)
        , answer_key_(answer_key)
    { }

    bool begin(const HandoutCover &cover) override
    {
        const QString title = answer_key_ ? answer_key_title(cover.title) : cover.title;
        QByteArray html = "<!DOCTYPE html>\n<html lang=\"" + language_tag(cover.language)
            + "\">\n<head>\n<meta charset=\"utf-8\">\n"
              "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
              "<meta name=\"generator\" content=\""
            + escaped(program_name_and_version()) + "\">\n<title>" + escaped(title)
            + "</title>\n<style>\n" + style_sheet + "</style>\n</head>\n<body class=\""
            + (answer_key_ ? "answer-key" : "pupils") + "\">\n<header>\n<h1>" + escaped(title)
            + "</h1>\n<nav aria-label=\""
            + escaped(QCoreApplication::translate("Lesson", "Contents"))
            + "\">\n<ol class=\"contents\">\n";
        for (qsizetype i = 0; i < cover.contents.size(); ++i)
            html += "<li><a href=\"#step-" + QByteArray::number(i + 1) + "\">"
                + escaped(cover.contents[i]) + "</a></li>\n";
        html += "</ol>\n</nav>\n</header>\n<main>\n";
        return put(html);
    }

    bool add_step(const HandoutPage &page) override
    {
        const QByteArray id = "step-" + QByteArray::number(page.number);
        QByteArray html = "<section class=\"step\" id=\"" + id + "\" aria-labelledby=\"" + id
            + "-heading\">\n<h2 id=\"" + id + "-heading\">" + escaped(page.heading) + "</h2>\n";
        if (page.drawing) {
            QByteArray svg;
            QBuffer buffer(&svg);
            buffer.open(QIODevice::WriteOnly);
            if (!write_picture_svg(*page.drawing, buffer, ink_))
                return false;
            html += "<figure>\n" + inline_svg(svg, QString::fromLatin1(id + '-'), page.description)
                + "</figure>\n";
        }
        const LessonStep &step = *page.step;
        for (const QString &text : step.texts)
            html += "<p>" + escaped(text) + "</p>\n";
        if (!step.questions.empty()) {
            html += "<h3>" + escaped(questions_heading()) + "</h3>\n<ol class=\"questions\">\n";
            for (const LessonQuestion &q : step.questions) {
                html += "<li>\n<p class=\"question\">" + escaped(q.question) + "</p>\n";
                if (answer_key_ && !q.answer.isEmpty())
                    html += "<details>\n<summary>" + escaped(answer_label()) + "</summary>\n<p>"
                        + escaped(q.answer)
                        + "</p>\n</details>\n<p class=\"printed-answer\" hidden>"
                        + escaped(QCoreApplication::translate("Lesson", "Answer: %1").arg(q.answer))
                        + "</p>\n";
                html += "</li>\n";
            }
            html += "</ol>\n";
        }
        html += "</section>\n";
        return put(html);
    }

    bool finish() override
    {
        return put("</main>\n<footer>\n<p>" + escaped(program_name_and_version())
            + "</p>\n</footer>\n</body>\n</html>\n");
    }

private:
    bool put(const QByteArray &bytes) { return device_.write(bytes) == bytes.size(); }

    QIODevice &device_;
    Ink ink_;
    bool answer_key_;
};

// The selectors of a style sheet with every class and id prefixed; declarations, at-rules'
// preludes and what is quoted stay as they are.
QByteArray prefixed_selectors(const QByteArray &css, const QByteArray &prefix)
{
    static const QRegularExpression name(QStringLiteral("([.#])(-?[_a-zA-Z][\\w-]*)"));
    QByteArray out;
    QByteArray prelude; // the text since the last brace or semicolon
    std::vector<bool> declarations; // of each open block
    const auto flush_prelude = [&](bool selectors) {
        out += selectors
            ? QString::fromUtf8(prelude)
                  .replace(name, QStringLiteral("\\1") + prefix + QStringLiteral("\\2"))
                  .toUtf8()
            : prelude;
        prelude.clear();
    };
    const auto in_declarations = [&] { return !declarations.empty() && declarations.back(); };
    for (const char c : css) {
        if (c == '{') {
            const bool at_rule = prelude.trimmed().startsWith('@');
            flush_prelude(!in_declarations() && !at_rule);
            out += c;
            declarations.push_back(!at_rule);
        } else if (c == '}' || c == ';') {
            flush_prelude(false);
            out += c;
            if (c == '}' && !declarations.empty())
                declarations.pop_back();
        } else {
            prelude += c;
        }
    }
    flush_prelude(false);
    return out;
}

// An SVG's style sheets of plain class rules (".name{declarations}", as the picture files have)
// as the style attributes of the elements of those classes: the body of a page holds no style
// element, and a learning platform may strip them. Other style sheets stay.
QString classes_inlined(const QString &body)
{
    static const QRegularExpression sheet_re(
        QStringLiteral("\\s*<style[^>]*>\\s*(?:<!\\[CDATA\\[)?(.*?)(?:\\]\\]>)?\\s*</style>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression rule_re(
        QStringLiteral("\\s*\\.([\\w-]+)\\s*\\{([^{}]*)\\}\\s*"));
    static const QRegularExpression class_re(
        QStringLiteral("(\\sclass\\s*=\\s*)([\"'])([^\"']*)\\2"));
    QHash<QString, QString> rules;
    QString out;
    qsizetype done = 0;
    for (auto it = sheet_re.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch sheet = it.next();
        QHash<QString, QString> found;
        const QString css = sheet.captured(1);
        qsizetype at = 0;
        for (QRegularExpressionMatch rule = rule_re.match(css, 0, QRegularExpression::NormalMatch,
                 QRegularExpression::AnchorAtOffsetMatchOption);
             rule.hasMatch() && at < css.size();
             rule = rule_re.match(css, at, QRegularExpression::NormalMatch,
                 QRegularExpression::AnchorAtOffsetMatchOption)) {
            found.insert(rule.captured(1), rule.captured(2).trimmed());
            at = rule.capturedEnd();
        }
        if (at < css.size())
            continue;
        rules.insert(found);
        out += QStringView(body).mid(done, sheet.capturedStart() - done);
        done = sheet.capturedEnd();
    }
    out += QStringView(body).mid(done);
    if (rules.isEmpty())
        return out;

    QString styled;
    done = 0;
    for (auto it = class_re.globalMatch(out); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QStringList names = m.captured(3).simplified().split(QLatin1Char(' '));
        const qsizetype tag_start = out.lastIndexOf(QLatin1Char('<'), m.capturedStart());
        const qsizetype tag_end = out.indexOf(QLatin1Char('>'), m.capturedEnd());
        const QStringView tag = QStringView(out).mid(tag_start, tag_end - tag_start);
        if (!std::all_of(names.begin(), names.end(),
                [&rules](const QString &name) { return rules.contains(name); })
            || tag.contains(QLatin1String(" style=")))
            continue;
        QStringList declarations;
        for (const QString &name : names)
            declarations.append(rules.value(name));
        styled += QStringView(out).mid(done, m.capturedStart() - done);
        styled += QStringLiteral(" style=\"") + declarations.join(QLatin1Char(';')).toHtmlEscaped()
            + QLatin1Char('"');
        done = m.capturedEnd();
    }
    styled += QStringView(out).mid(done);
    return styled;
}

} // namespace

QByteArray inline_svg(const QByteArray &svg, const QString &prefix, const QString &description)
{
    const qsizetype start = svg.indexOf("<svg");
    const qsizetype tag_end = start < 0 ? -1 : svg.indexOf('>', start);
    if (tag_end < 0)
        return {};
    const QString tag = QString::fromUtf8(svg.mid(start, tag_end - start));
    QString body = QString::fromUtf8(svg.mid(tag_end + 1));

    // The start tag keeps its namespaces, view box and whatever else it says, but its size in
    // millimetres: the page sizes the drawing by its width, the view box gives its height.
    static const QRegularExpression attribute(
        QStringLiteral("([\\w:.-]+)\\s*=\\s*(\"[^\"]*\"|'[^']*')"));
    QString kept;
    QString view_box;
    for (auto it = attribute.globalMatch(tag); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString key = m.captured(1);
        if (key == QLatin1String("width") || key == QLatin1String("height")
            || key == QLatin1String("version") || key == QLatin1String("baseProfile")
            || key == QLatin1String("role") || key.startsWith(QLatin1String("aria-")))
            continue;
        if (key == QLatin1String("viewBox"))
            view_box = m.captured(2).mid(1).chopped(1);
        kept += QLatin1Char(' ') + m.captured(0);
    }
    const QStringList box = view_box.simplified().split(QLatin1Char(' '));
    const QString size = box.size() == 4
        ? QStringLiteral(" width=\"%1\" height=\"%2\"").arg(box[2], box[3])
        : QString();

    // The generator's own title and description give way to the drawing's description.
    for (const QString &element : { QStringLiteral("title"), QStringLiteral("desc") }) {
        const QRegularExpression first(QStringLiteral("\\s*<%1(\\s[^>]*)?>.*?</%1>").arg(element),
            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch m = first.match(body);
        if (m.hasMatch())
            body.remove(m.capturedStart(), m.capturedLength());
    }

    // Every name another drawing of the page might also use, and every reference to one.
    const QString p = prefix;
    static const QRegularExpression ids(QStringLiteral("(\\sid\\s*=\\s*)([\"'])"));
    static const QRegularExpression fragments(
        QStringLiteral("(url\\(\\s*[\"']?#|href\\s*=\\s*[\"']#)"));
    static const QRegularExpression classes(
        QStringLiteral("(\\sclass\\s*=\\s*)([\"'])([^\"']*)\\2"));
    static const QRegularExpression styles(QStringLiteral("(<style[^>]*>)(.*?)(</style>)"),
        QRegularExpression::DotMatchesEverythingOption);
    const auto with_prefix = [&p](QString text) {
        text.replace(ids, QStringLiteral("\\1\\2") + p);
        text.replace(fragments, QStringLiteral("\\1") + p);
        QString out;
        qsizetype done = 0;
        for (auto it = classes.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            QStringList names = m.captured(3).simplified().split(QLatin1Char(' '));
            for (QString &name : names)
                name.prepend(p);
            out += QStringView(text).mid(done, m.capturedStart() - done);
            out += m.captured(1) + m.captured(2) + names.join(QLatin1Char(' ')) + m.captured(2);
            done = m.capturedEnd();
        }
        out += QStringView(text).mid(done);
        return out;
    };
    body = with_prefix(classes_inlined(body));
    QString styled;
    qsizetype done = 0;
    for (auto it = styles.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        styled += QStringView(body).mid(done, m.capturedStart() - done);
        styled += m.captured(1)
            + QString::fromUtf8(prefixed_selectors(m.captured(2).toUtf8(), p.toUtf8()))
            + m.captured(3);
        done = m.capturedEnd();
    }
    styled += QStringView(body).mid(done);

    // The description names the image; as its title it is also what a pointer resting on the
    // drawing shows.
    const QString described = description.toHtmlEscaped();
    QString out = QStringLiteral("<svg") + with_prefix(kept) + size
        + QStringLiteral(" role=\"img\" aria-label=\"") + described + QStringLiteral("\">\n<title>")
        + described + QStringLiteral("</title>") + styled;
    if (!out.endsWith(QLatin1Char('\n')))
        out += QLatin1Char('\n');
    return out.toUtf8();
}

std::unique_ptr<HandoutWriter> web_page_writer(
    QIODevice &device, const HandoutSettings &settings, bool answer_key)
{
    return std::make_unique<WebPage>(device, settings, answer_key);
}

HandoutResult write_handout_html(const Lesson &lesson, const HandoutSettings &settings,
    QIODevice &device, const HandoutProgress &progress)
{
    return write_handouts(
        lesson, settings, { { HandoutFormat::Html, settings.answer_key, &device } }, progress);
}
