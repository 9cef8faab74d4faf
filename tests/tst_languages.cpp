#include "language/languages.h"
#include "lesson.h"
#include "lesson/lesson_session.h"
#include "main_window.h"
#include "picture/worksheet_content.h"
#include "picture_output.h"
#include "plotter.h"
#include "sequence/sequence_panels.h"
#include "text_crossings.h"

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFontMetricsF>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

// The program in the pupils' languages: which language the environment chooses, the numbers as
// each language writes them, and the catalogues.
class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void language_from_environment_data();
    void language_from_environment();
    void unknown_code_changes_nothing();
    void decimal_separator_data();
    void decimal_separator();
    void window_writes_numbers_in_its_language_data();
    void window_writes_numbers_in_its_language();
    void catalogue_complete_data();
    void catalogue_complete();
    void shown_texts_come_from_catalogue_data();
    void shown_texts_come_from_catalogue();
    void quoted_texts_as_shown_data();
    void quoted_texts_as_shown();
    void question_marks_as_written_data();
    void question_marks_as_written();
    void everything_fits_data();
    void everything_fits();
    void menu_bar_fits_data();
    void menu_bar_fits();
    void texts_clear_of_drawing_data();
    void texts_clear_of_drawing();
    void menu_accelerators_unique_data();
    void menu_accelerators_unique();
    void render_tool_language_data();
    void render_tool_language();
    void switching_matches_a_fresh_window_data();
    void switching_matches_a_fresh_window();
    void numbers_take_the_language_separator_data();
    void numbers_take_the_language_separator();
    void spoken_values_stay_apart_data();
    void spoken_values_stay_apart();
    void counted_texts_have_plural_forms_data();
    void counted_texts_have_plural_forms();
    void counts_take_the_language_form_data();
    void counts_take_the_language_form();
    void file_words_data();
    void file_words();
    void file_names_and_titles_in_the_language_data();
    void file_names_and_titles_in_the_language();
    void usage_in_the_language_data();
    void usage_in_the_language();
    void example_lesson_in_every_language_data();
    void example_lesson_in_every_language();
    void one_term_throughout_data();
    void one_term_throughout();
};

// A window as the tests drive it, in the given language.
struct LanguageWindow
{
    explicit LanguageWindow(const QString &language)
        : random(1)
        , window([this, &language] {
            WindowOptions options;
            options.manual_timer = true;
            options.record_drawing = true;
            options.messages = &messages;
            options.random = &random;
            options.zoom = 1;
            options.language = language;
            return options;
        }())
    { }
    RecordedMessageBox messages;
    SeededRandom random;
    MainWindow window;
};

namespace {

// The languages whose catalogues are finished.
QStringList finished_catalogues() { return Languages::codes().mid(1); }

// The menu commands of the sixteen topics.
// Every topic as it first shows, then states the tests reach with clicks: each a menu command
// and the controls clicked after it.
struct Scene
{
    const char *menu;
    std::vector<const char *> clicks;
};
const Scene scenes[] = { { "M_gr:0", {} }, { "M_gr:1", {} }, { "M_gr:2", {} }, { "M_gr:3", {} },
    { "M_R:0", {} }, { "M_R:1", {} }, { "M_R:2", {} }, { "M_R:3", {} }, { "M_R:4", {} },
    { "M_R:5", {} }, { "M_R:6", {} }, { "M_bevolk:0", {} }, { "M_bevolk:1", {} }, { "M_chaos", {} },
    { "M_Pyt", {} }, { "M_plato", {} },
    { "M_gr:0", { "Command5", "Command5", "Command5", "Command5", "Command5", "Command5" } },
    { "M_gr:2", { "Command1", "Command1", "ComM:0", "ComM:0", "ComM:0", "ComM:0", "ComM:0" } },
    { "M_gr:1", { "Label8" } }, { "M_gr:3", { "Label7" } }, { "M_bevolk:0", { "CEx:0" } },
    { "M_bevolk:0", { "CEx:1" } }, { "M_bevolk:0", { "CEx:2" } }, { "M_bevolk:0", { "CEx:3" } },
    { "M_bevolk:0", { "ComF" } },
    { "M_bevolk:1", { "Command3", "Command3", "Command3", "CP:0", "Optie:3" } },
    { "M_bevolk:1", { "Optie:5", "CM:0", "CM:0", "Command3" } },
    { "M_chaos", { "Label11:5", "Cchaos:0" } }, { "M_chaos", { "Label11:8", "Cchaos:1" } },
    { "M_Pyt", { "C_pyt" } }, { "M_Pyt", { "Com_p1:0", "Com_p2:1", "Com_p2:1" } },
    { "M_plato", { "ChP:1", "ChP:2", "ChP:3", "Crot1:0", "Crot2:0" } },
    { "M_R:6", { "ComQ:0", "ComQ:0", "ComZ:1", "ComZ:1" } },
    { "M_bevolk:1", { "Optie:0", "CP:0*14", "Command3*60" } } };

QString scene_name(std::size_t i)
{
    QStringList parts = { QLatin1String(scenes[i].menu) };
    for (const char *click : scenes[i].clicks)
        parts << QLatin1String(click);
    return parts.join(u' ');
}

// A click on a control, or "KEY*N": N clicks on it.
void click(MainWindow &window, const char *clicks)
{
    const QStringList parts = QString::fromLatin1(clicks).split(u'*');
    const auto controls = window.controls();
    const auto found = controls.find(parts[0]);
    if (found == controls.end())
        return;
    for (int n = parts.size() > 1 ? parts[1].toInt() : 1; n > 0; --n) {
        if (auto *label = dynamic_cast<Label *>(found->second))
            label->click();
        else
            dynamic_cast<QAbstractButton &>(found->second->widget()).click();
    }
}

// A catalogue's messages, and what is wrong with it: messages not finished, obsolete or empty.
struct Catalogue
{
    std::vector<std::pair<QString, QString>> messages; // source and translation
    QStringList counted; // the sources of the texts with plural forms
    QStringList faults;
};

Catalogue read_catalogue(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.faults << path + QStringLiteral(": cannot be read");
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context, source;
    bool counted = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            counted = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            // A text with a count has a form for each of the language's plural rules.
            QStringList forms;
            if (counted) {
                while (xml.readNextStartElement())
                    forms << xml.readElementText();
            } else {
                forms << xml.readElementText();
            }
            if (!type.isEmpty() || forms.contains(QString()))
                catalogue.faults << QStringLiteral("%1 \"%2\": %3")
                                        .arg(context, source,
                                            type.isEmpty() ? QStringLiteral("empty") : type);
            for (const QString &form : forms)
                catalogue.messages.emplace_back(source, form);
            if (counted)
                catalogue.counted << source;
        }
    }
    if (xml.hasError())
        catalogue.faults << path + QStringLiteral(": ") + xml.errorString();
    return catalogue;
}

QString catalogue_path(const QString &code)
{
    return QString::fromUtf8(AURELION_SOURCE_DIR "/translations/aurelion_%1.ts").arg(code);
}

// A text as a surface shows it: where it ends on the surface, in pixels at zoom 1.
struct ShownText
{
    QString text;
    double right = 0;
    double surface_width = 0;
};

// A caption as a control shows it, with the room it has inside the control's frame, in pixels
// at zoom 1.
struct ShownCaption
{
    QString key;
    QString caption;
    double width = 0;
    double room = 0;
};

// A surface's record of what it draws, and its size in pixels at zoom 1.
struct ShownSurface
{
    std::vector<Primitive> record;
    QSize size;
};

struct ShownTopic
{
    std::vector<ShownText> texts; // the drawing, then the side panel
    std::vector<ShownSurface> surfaces; // the drawing and the side panel
    std::vector<ShownCaption> captions;
    QString description;
    QStringList spoken; // the controls' names and descriptions for assistive technology
};

std::vector<ShownText> texts_of(const Surface &surface)
{
    std::vector<ShownText> texts;
    const double width = surface.inner_size().width();
    for (const Primitive &p : surface.record()) {
        if (p.op != Primitive::Op::Text)
            continue;
        const double left = (p.x1 - p.scale.left) * width / p.scale.width;
        texts.push_back({ p.text, left + QFontMetricsF(p.font).horizontalAdvance(p.text), width });
    }
    return texts;
}

// Every topic as the window shows it in a language: what its surfaces and controls show.
std::vector<ShownTopic> shown_topics(const QString &language)
{
    LanguageWindow w(language);
    std::vector<ShownTopic> shown;
    for (const Scene &scene : scenes) {
        w.window.menus().at(QLatin1String(scene.menu))->trigger();
        for (const char *key : scene.clicks)
            click(w.window, key);
        Form1 &f = w.window.form();
        ShownTopic topic;
        topic.texts = texts_of(f.Picture1->surface());
        for (const ShownText &t : texts_of(f.Picture2->surface()))
            topic.texts.push_back(t);
        for (const PictureBox *box : { f.Picture1, f.Picture2 })
            topic.surfaces.push_back({ box->surface().record(), box->surface().inner_size() });
        for (const auto &[key, control] : w.window.controls()) {
            const QWidget &widget = control->widget();
            topic.spoken << widget.accessibleName() << widget.accessibleDescription();
            const QString caption = control->caption().trimmed();
            if (caption.isEmpty() || !widget.isVisibleTo(f.background))
                continue;
            // The design's width (a zoomed widget's is rounded to whole pixels) less what the
            // control's frame takes of it.
            const double frame = widget.width() - control->caption_area().width();
            topic.captions.push_back({ key, caption,
                QFontMetricsF(make_font(control->font_spec())).horizontalAdvance(caption),
                control->Width() / 15.0 - frame });
        }
        topic.description = w.window.topic(f.topic)->description();
        shown.push_back(topic);
    }
    return shown;
}

// Every topic as the window shows it in English, the design's language.
const std::vector<ShownTopic> &english_topics()
{
    static const std::vector<ShownTopic> shown = shown_topics(QStringLiteral("en"));
    return shown;
}

// Everything a window shows in words, by where it shows it.
std::map<QString, QString> snapshot(MainWindow &window)
{
    std::map<QString, QString> shown;
    for (const auto &[key, control] : window.controls()) {
        const QWidget &w = control->widget();
        shown[key + QStringLiteral(" caption")] = control->caption();
        shown[key + QStringLiteral(" tip")] = w.toolTip();
        shown[key + QStringLiteral(" name")] = w.accessibleName();
        shown[key + QStringLiteral(" description")] = w.accessibleDescription();
    }
    int n = 0;
    for (const QAction *action : window.findChildren<QAction *>())
        shown[QStringLiteral("action %1").arg(n++)] = action->text();
    shown[QStringLiteral("title")] = window.windowTitle();
    Form1 &f = window.form();
    shown[QStringLiteral("drawing")] = f.Picture1->surface().texts().join(u'|');
    shown[QStringLiteral("side panel")] = f.Picture2->surface().texts().join(u'|');
    shown[QStringLiteral("description")] =
        f.topic ? window.topic(f.topic)->description() : QString();
    return shown;
}

// A topic chosen and a few of its values changed, as a pupil leaves it.
void use(MainWindow &window, const char *menu)
{
    window.menus().at(QLatin1String(menu))->trigger();
    const auto controls = window.controls();
    for (const char *step : { "ComP:0", "ComZ:1", "Ckp:0", "Com_p2:0", "Crot1:0", "Command5" })
        if (const auto found = controls.find(QLatin1String(step));
            found != controls.end() && found->second->widget().isVisible())
            dynamic_cast<QAbstractButton &>(found->second->widget()).click();
}

} // namespace

void TestLanguages::language_from_environment_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lc_all");
    QTest::addColumn<QString>("lc_messages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing set is English") << ""
                                            << ""
                                            << ""
                                            << ""
                                            << "en";
    QTest::newRow("C locale") << ""
                              << ""
                              << ""
                              << "C.UTF-8"
                              << "en";
    QTest::newRow("C locale ignores LANGUAGE") << "de"
                                               << ""
                                               << ""
                                               << "C"
                                               << "en";
    QTest::newRow("POSIX") << ""
                           << "POSIX"
                           << ""
                           << "de_DE.UTF-8"
                           << "en";
    QTest::newRow("LANG German") << ""
                                 << ""
                                 << ""
                                 << "de_DE.UTF-8"
                                 << "de";
    QTest::newRow("Austrian German") << ""
                                     << ""
                                     << ""
                                     << "de_AT.UTF-8@euro"
                                     << "de";
    QTest::newRow("LC_MESSAGES before LANG") << ""
                                             << ""
                                             << "fr_FR.UTF-8"
                                             << "de_DE.UTF-8"
                                             << "fr";
    QTest::newRow("LC_ALL before LC_MESSAGES") << ""
                                               << "es_ES.UTF-8"
                                               << "fr_FR.UTF-8"
                                               << ""
                                               << "es";
    QTest::newRow("LANGUAGE list first") << "it:de"
                                         << ""
                                         << ""
                                         << "de_DE.UTF-8"
                                         << "it";
    QTest::newRow("LANGUAGE skips unknown") << "nl:sv:fr"
                                            << ""
                                            << ""
                                            << "nl_NL.UTF-8"
                                            << "fr";
    QTest::newRow("English in LANGUAGE wins") << "en_GB:de"
                                              << ""
                                              << ""
                                              << "de_DE.UTF-8"
                                              << "en";
    QTest::newRow("Brazil") << ""
                            << ""
                            << ""
                            << "pt_BR.UTF-8"
                            << "pt_BR";
    QTest::newRow("Portugal reads Brazilian") << ""
                                              << ""
                                              << ""
                                              << "pt_PT.UTF-8"
                                              << "pt_BR";
    QTest::newRow("no catalogue is English") << ""
                                             << ""
                                             << ""
                                             << "nl_NL.UTF-8"
                                             << "en";
    QTest::newRow("English locale") << ""
                                    << ""
                                    << ""
                                    << "en_US.UTF-8"
                                    << "en";
}

void TestLanguages::language_from_environment()
{
    QFETCH(QString, language);
    QFETCH(QString, lc_all);
    QFETCH(QString, lc_messages);
    QFETCH(QString, lang);
    QFETCH(QString, expected);
    const QByteArray names[] = { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" };
    const QString values[] = { language, lc_all, lc_messages, lang };
    QByteArray saved[4];
    for (int i = 0; i < 4; ++i) {
        saved[i] = qgetenv(names[i]);
        qputenv(names[i], values[i].toUtf8());
    }
    const QString chosen = Languages::from_environment();
    for (int i = 0; i < 4; ++i)
        qputenv(names[i], saved[i]);
    QCOMPARE(chosen, expected);
}

void TestLanguages::unknown_code_changes_nothing()
{
    Languages languages;
    QVERIFY(languages.set_language(QStringLiteral("de")));
    QVERIFY(!languages.set_language(QStringLiteral("nl")));
    QCOMPARE(languages.language(), QStringLiteral("de"));
    QCOMPARE(languages.decimal_separator(), QChar(u','));
}

void TestLanguages::decimal_separator_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("readout");
    QTest::newRow("en") << "en"
                        << "144.00000 / 89.0000 = 1.6179775"
                        << "1.500    -0.250";
    for (const char *code : { "de", "fr", "es", "it", "pt_BR" })
        QTest::newRow(code) << code << "144,00000 / 89,0000 = 1,6179775"
                            << "1,500    -0,250";
}

void TestLanguages::decimal_separator()
{
    QFETCH(QString, code);
    QFETCH(QString, ratio);
    QFETCH(QString, readout);
    Languages languages;
    QVERIFY(languages.set_language(code));
    const QChar separator = languages.decimal_separator();
    QCOMPARE(ratio_caption(sequence::compute(1, 1), 10, separator), ratio);
    QCOMPARE(readout_caption(1, 1.5f, -0.25f, separator), readout);
}

void TestLanguages::window_writes_numbers_in_its_language_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("point");
    QTest::newRow("en") << "en"
                        << ".";
    QTest::newRow("de") << "de"
                        << ",";
    QTest::newRow("pt_BR") << "pt_BR"
                           << ",";
}

void TestLanguages::window_writes_numbers_in_its_language()
{
    QFETCH(QString, code);
    QFETCH(QString, point);
    const auto in_language = [](const char *english, const QString &point) {
        return QString::fromUtf8(english).replace(u'.', point);
    };
    LanguageWindow w(code);
    Form1 &f = w.window.form();
    QCOMPARE(f.Label1[10].caption(), in_language("1.00000", point));
    // A decimal comma has its zero before it.
    QCOMPARE(f.Label11[4].caption(),
        in_language(point == "." ? "n=3   k=+.90" : "n=3   k=+0.90", point));
    QCOMPARE(f.Label11[6].caption(),
        in_language(point == "." ? "n=4   k=-.46" : "n=4   k=-0.46", point));
    QVERIFY(f.Label7->caption().contains(in_language("1.6180340", point)));
    // The exponential function: its frame's values and its description.
    w.window.menus().at(QStringLiteral("M_R:6"))->trigger();
    QCOMPARE(f.LabQ[1].caption(), in_language("1.0", point));
    QVERIFY(f.LabQ[2].caption().contains(point));
    QVERIFY(w.window.topic(f.topic)->description().contains(in_language("y = 1.0", point)));
    // The ellipse and hyperbola: the angle drawn on the picture.
    w.window.menus().at(QStringLiteral("M_R:3"))->trigger();
    QStringList angles;
    for (const Primitive &p : f.Picture1->surface().record())
        if (p.op == Primitive::Op::Text && p.text.endsWith(u'°'))
            angles << p.text;
    QCOMPARE(angles.size(), 1);
    QVERIFY2(angles[0].contains(point) && angles[0].count(u'.') + angles[0].count(u',') == 1,
        qPrintable(angles[0]));
    // The coordinate read-out under the pointer.
    f.Picture1->mouse_moved(0.5f, 0.25f);
    QCOMPARE(f.Label2->caption(), in_language("0.500    0.250", point));
}

void TestLanguages::catalogue_complete_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : finished_catalogues())
        QTest::newRow(qPrintable(code)) << code;
}

void TestLanguages::catalogue_complete()
{
    QFETCH(QString, code);
    // lupdate gathers the texts of today's sources into a copy: a text the catalogue lacks comes
    // in unfinished, one the sources no longer have is marked obsolete.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("aurelion_%1.ts").arg(code));
    QVERIFY(QFile::copy(catalogue_path(code), copy));
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QProcess lupdate;
    lupdate.setWorkingDirectory(QString::fromUtf8(AURELION_SOURCE_DIR));
    lupdate.start(QString::fromUtf8(AURELION_LUPDATE),
        { QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
            QStringLiteral("src"), QStringLiteral("tools"), QStringLiteral("-ts"), copy });
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    const Catalogue catalogue = read_catalogue(copy);
    QVERIFY2(catalogue.faults.isEmpty(), qPrintable(catalogue.faults.join(u'\n')));
    QVERIFY(catalogue.messages.size() > 150);
}

void TestLanguages::shown_texts_come_from_catalogue_data() { catalogue_complete_data(); }

// Every word a topic shows in a language comes from its catalogue: once each translation is
// taken out of the texts shown, no word of three letters or more is left but the formulas' own.
void TestLanguages::shown_texts_come_from_catalogue()
{
    QFETCH(QString, code);
    const Catalogue catalogue = read_catalogue(catalogue_path(code));
    QStringList pieces;
    for (const auto &[source, translation] : catalogue.messages)
        for (const QString &piece :
            translation.split(QRegularExpression(QStringLiteral("%(\\d|n)")), Qt::SkipEmptyParts))
            if (piece.trimmed().size() >= 2)
                // Frames are named after their captions with the blanks simplified.
                pieces << piece.trimmed() << piece.simplified();
    std::sort(pieces.begin(), pieces.end(),
        [](const QString &a, const QString &b) { return a.size() > b.size(); });
    const QRegularExpression word(QStringLiteral("\\p{L}{3,}"));
    const QStringList formula_words = { QStringLiteral("phi"), QStringLiteral("sqrt"),
        QStringLiteral("cos") };
    const auto leftover = [&](QString text) {
        for (const QString &piece : pieces)
            text.replace(piece, QStringLiteral(" "));
        QStringList words;
        for (const auto &m : word.globalMatch(text))
            if (!formula_words.contains(m.captured()))
                words << m.captured();
        return words;
    };
    const std::vector<ShownTopic> shown = shown_topics(code);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QStringList texts = shown[i].spoken;
        texts << shown[i].description;
        // A caption that is the control's own name ("Label2") is the design's placeholder.
        for (const ShownCaption &c : shown[i].captions)
            if (c.caption != c.key)
                texts << c.caption;
        for (const ShownText &t : shown[i].texts)
            texts << t.text;
        for (const QString &text : texts) {
            const QStringList words = leftover(text);
            QVERIFY2(words.isEmpty(),
                qPrintable(QStringLiteral("%1: \"%2\" shows %3")
                               .arg(scene_name(i), text, words.join(u' '))));
        }
    }
}

void TestLanguages::quoted_texts_as_shown_data() { catalogue_complete_data(); }

// A message that names another text of the window in quotes (the keyboard help names the "Next
// Year" button) names it as the catalogue translates it.
void TestLanguages::quoted_texts_as_shown()
{
    QFETCH(QString, code);
    const Catalogue catalogue = read_catalogue(catalogue_path(code));
    std::multimap<QString, QString> translations;
    for (const auto &[source, translation] : catalogue.messages)
        translations.emplace(source, translation);
    const QRegularExpression quoted(QStringLiteral("“([^”]+)”"));
    const QRegularExpression placeholder(QStringLiteral("^%\\d+$"));
    QStringList faults;
    for (const auto &[source, translation] : catalogue.messages)
        for (const auto &m : quoted.globalMatch(source)) {
            // A quoted value (the chaos model's name, “%1”) is no text of the window.
            if (placeholder.match(m.captured(1)).hasMatch())
                continue;
            const auto [first, last] = translations.equal_range(m.captured(1));
            if (first != last && std::none_of(first, last, [&translation](const auto &t) {
                    return translation.contains(t.second);
                }))
                faults << QStringLiteral("\"%1\" is not \"%2\" in: %3")
                              .arg(m.captured(1), first->second, translation);
        }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestLanguages::question_marks_as_written_data() { catalogue_complete_data(); }

// A question or exclamation mark follows its word as the language writes it: in French after a
// blank, in the other languages straight after the word.
void TestLanguages::question_marks_as_written()
{
    QFETCH(QString, code);
    const bool blank = code == QLatin1String("fr");
    const QRegularExpression wrong(blank ? QStringLiteral("[^\\s\u00a0\u202f?!][?!]")
                                         : QStringLiteral("[\\s\u00a0\u202f][?!]"));
    QStringList faults;
    for (const auto &[source, translation] : read_catalogue(catalogue_path(code)).messages)
        if (translation.contains(wrong))
            faults << translation;
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestLanguages::everything_fits_data() { catalogue_complete_data(); }

// With the design's fonts at zoom 1, in every topic: each text drawn on a surface ends inside
// it, and each caption fits inside its control's frame (a button's bevel and focus ring),
// unless the English text already reaches as far.
void TestLanguages::everything_fits()
{
    QFETCH(QString, code);
    const std::vector<ShownTopic> &english = english_topics();
    const std::vector<ShownTopic> shown = shown_topics(code);
    QCOMPARE(shown.size(), english.size());
    QStringList faults;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QString topic = scene_name(i);
        QCOMPARE(shown[i].texts.size(), english[i].texts.size());
        for (std::size_t t = 0; t < shown[i].texts.size(); ++t) {
            const ShownText &s = shown[i].texts[t];
            const double limit = std::max(s.surface_width, english[i].texts[t].right);
            if (s.right > limit + 0.5)
                faults << QStringLiteral("%1: \"%2\" ends at %3, the surface at %4")
                              .arg(topic, s.text)
                              .arg(s.right)
                              .arg(s.surface_width);
        }
        std::map<QString, double> english_widths;
        for (const ShownCaption &c : english[i].captions)
            english_widths[c.key] = c.width;
        for (const ShownCaption &c : shown[i].captions) {
            const double limit = std::max(c.room, english_widths[c.key]);
            if (c.width > limit + 0.5)
                faults << QStringLiteral("%1: %2 \"%3\" is %4 wide, its room %5")
                              .arg(topic, c.key, c.caption)
                              .arg(c.width)
                              .arg(c.room);
        }
    }
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestLanguages::menu_bar_fits_data() { catalogue_complete_data(); }

// The menu bar's items fit the design's width on one line, with the menu bar's own font.
void TestLanguages::menu_bar_fits()
{
    QFETCH(QString, code);
    LanguageWindow w(code);
    const int design_width = w.window.form().background->width();
    const int needed = w.window.menuBar()->sizeHint().width();
    QVERIFY2(needed <= design_width,
        qPrintable(
            QStringLiteral("the menu bar needs %1 pixels of %2").arg(needed).arg(design_width)));
}

void TestLanguages::texts_clear_of_drawing_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : Languages::codes())
        QTest::newRow(qPrintable(code)) << code;
}

// In every topic, with the design's fonts at zoom 1: no fill drawn after a text covers part of
// it, in any language; and a translated text runs into nothing, line, curve, fill or other text,
// that its English text does not run into where the design puts it (the numbers of an axis on
// their axis, a point's name beside the lines that meet there).
void TestLanguages::texts_clear_of_drawing()
{
    QFETCH(QString, code);
    const std::vector<ShownTopic> &english = english_topics();
    const std::vector<ShownTopic> shown = shown_topics(code);
    QCOMPARE(shown.size(), english.size());
    QStringList faults;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QString topic = scene_name(i);
        QCOMPARE(shown[i].surfaces.size(), english[i].surfaces.size());
        for (std::size_t s = 0; s < shown[i].surfaces.size(); ++s) {
            const ShownSurface &here = shown[i].surfaces[s];
            const ShownSurface &design = english[i].surfaces[s];
            std::set<std::pair<QString, QString>> designed;
            for (const crossings::Crossing &c :
                crossings::Drawing(design.record, design.size).crossings())
                designed.emplace(
                    crossings::key(design.record[c.text]), crossings::key(design.record[c.other]));
            for (const crossings::Crossing &c :
                crossings::Drawing(here.record, here.size).crossings()) {
                const Primitive &text = here.record[c.text];
                const Primitive &other = here.record[c.other];
                if (c.kind == crossings::Kind::Covered
                    || !designed.contains({ crossings::key(text), crossings::key(other) }))
                    faults << QStringLiteral("%1: \"%2\" of \"%3\" %4 %5")
                                  .arg(topic, c.word, text.text,
                                      c.kind == crossings::Kind::Covered
                                          ? QStringLiteral("is partly covered by")
                                          : c.kind == crossings::Kind::Hidden
                                          ? QStringLiteral("is hidden by")
                                          : QStringLiteral("runs into"),
                                      crossings::describe(other));
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestLanguages::menu_accelerators_unique_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("switched_from");
    for (const QString &code : Languages::codes())
        QTest::newRow(qPrintable(code)) << code << QString();
    for (const QString &code : finished_catalogues())
        QTest::newRow(qPrintable(QStringLiteral("en to ") + code)) << code << QStringLiteral("en");
    QTest::newRow("de to en") << "en"
                              << "de";
}

// Within the menu bar and within each menu (the window's own, their submenus and the drawing's
// context menu) no two items are reached by the same letter with Alt or in the open menu.
void TestLanguages::menu_accelerators_unique()
{
    QFETCH(QString, code);
    QFETCH(QString, switched_from);
    // A window of a lesson, which has the Lesson menu.
    RecordedMessageBox messages;
    WindowOptions options;
    options.manual_timer = true;
    options.messages = &messages;
    options.zoom = 1;
    options.language = switched_from.isEmpty() ? code : switched_from;
    LessonSession lesson(options, 1);
    MainWindow &window = lesson.window();
    if (!switched_from.isEmpty())
        window.switch_language(code);
    const auto accelerator = [](const QString &text) -> std::optional<QChar> {
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != u'&')
                continue;
            if (text[i + 1] != u'&')
                return text[i + 1].toCaseFolded();
            ++i;
        }
        return {};
    };
    std::vector<std::pair<QString, QList<QAction *>>> menus = { { QStringLiteral("the menu bar"),
        window.menuBar()->actions() } };
    for (const QMenu *menu : window.findChildren<QMenu *>())
        menus.emplace_back(
            menu->title().isEmpty() ? QStringLiteral("the context menu") : menu->title(),
            menu->actions());
    QStringList faults;
    for (const auto &[menu, actions] : menus) {
        std::map<QChar, QString> taken;
        for (const QAction *action : actions) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const auto letter = accelerator(action->text());
            if (!letter)
                continue;
            if (const auto [at, fresh] = taken.emplace(*letter, action->text()); !fresh)
                faults << QStringLiteral("%1: \"%2\" and \"%3\"")
                              .arg(menu, at->second, action->text());
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestLanguages::render_tool_language_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("frame_caption");
    QTest::newRow("German asked for")
        << QStringList { "--language", "de" } << "C.UTF-8" << 0 << "Drehen";
    QTest::newRow("Brazilian asked for")
        << QStringList { "--language", "pt_BR" } << "C.UTF-8" << 0 << "Girar";
    QTest::newRow("English over a German environment")
        << QStringList { "--language", "en" } << "de_DE.UTF-8" << 0 << "Rotate";
    QTest::newRow("the environment's") << QStringList {} << "fr_FR.UTF-8" << 0 << "Rotation";
    QTest::newRow("no catalogue") << QStringList { "--language", "nl" } << "C.UTF-8" << 2 << "";
    QTest::newRow("no code") << QStringList { "--language" } << "C.UTF-8" << 2 << "";
}

// The render tool speaks the language asked for, or the environment's; a bad code is refused.
void TestLanguages::render_tool_language()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, environment);
    QFETCH(int, status);
    QFETCH(QString, frame_caption);
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("state.json"));
    QProcess render;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("LANG"), environment);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    render.setProcessEnvironment(env);
    render.start(QString::fromUtf8(AURELION_RENDER),
        arguments
            + QStringList { QStringLiteral("menu:M_plato"), QStringLiteral("--state"), state });
    QVERIFY(render.waitForFinished(60000));
    QCOMPARE(render.exitCode(), status);
    if (status != 0) {
        const QStringList lines =
            QString::fromUtf8(render.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].contains(QLatin1String("--language")), qPrintable(lines[0]));
        QVERIFY(!QFile::exists(state));
        return;
    }
    QFile file(state);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString json = QString::fromUtf8(file.readAll());
    const QRegularExpression caption(
        QStringLiteral("\"caption\": ?\"%1\"").arg(QRegularExpression::escape(frame_caption)));
    QVERIFY2(json.contains(caption), qPrintable(frame_caption));
}

void TestLanguages::switching_matches_a_fresh_window_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("menu");
    QTest::newRow("en to de, exponential") << "en"
                                           << "de"
                                           << "M_R:6";
    QTest::newRow("de to en, sequence graph") << "de"
                                              << "en"
                                              << "M_gr:1";
    QTest::newRow("fr to it, life generator") << "fr"
                                              << "it"
                                              << "M_bevolk:0";
    QTest::newRow("en to pt_BR, rabbits") << "en"
                                          << "pt_BR"
                                          << "M_gr:0";
    QTest::newRow("es to de, Pythagoras") << "es"
                                          << "de"
                                          << "M_Pyt";
    QTest::newRow("de to fr, Platonic figures") << "de"
                                                << "fr"
                                                << "M_plato";
    QTest::newRow("en to es, chaos game") << "en"
                                          << "es"
                                          << "M_chaos";
    QTest::newRow("it to en, chaos game") << "it"
                                          << "en"
                                          << "M_chaos";
}

// A window switched to a language shows what a window started in it shows, and keeps its values.
void TestLanguages::switching_matches_a_fresh_window()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, menu);
    std::map<QString, QString> switched;
    {
        LanguageWindow w(from);
        use(w.window, qPrintable(menu));
        w.window.switch_language(to);
        QCOMPARE(w.window.languages().language(), to);
        switched = snapshot(w.window);
    }
    std::map<QString, QString> fresh;
    {
        LanguageWindow w(to);
        use(w.window, qPrintable(menu));
        fresh = snapshot(w.window);
    }
    QCOMPARE(switched.size(), fresh.size());
    for (const auto &[where, text] : fresh)
        QVERIFY2(switched[where] == text,
            qPrintable(
                QStringLiteral("%1: \"%2\" instead of \"%3\"").arg(where, switched[where], text)));
}

namespace {

// Every text a topic shows: on its surfaces, in its controls' captions, names and descriptions
// for assistive technology, and the drawing's description.
QStringList all_texts(const ShownTopic &topic)
{
    QStringList texts = topic.spoken;
    texts << topic.description;
    for (const ShownCaption &c : topic.captions)
        texts << c.caption;
    for (const ShownText &t : topic.texts)
        texts << t.text;
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

} // namespace

void TestLanguages::numbers_take_the_language_separator_data() { catalogue_complete_data(); }

// In a language that writes a decimal comma, no number shown anywhere keeps a decimal point,
// and none starts with its separator ("+,90"): a fixed number text or a form without its zero
// would show through.
void TestLanguages::numbers_take_the_language_separator()
{
    QFETCH(QString, code);
    const QRegularExpression point(QStringLiteral("\\d\\.\\d"));
    const QRegularExpression bare(QStringLiteral("(?<![\\p{L}\\p{N}])[.,]\\d"));
    const std::vector<ShownTopic> shown = shown_topics(code);
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (const QString &text : all_texts(shown[i]))
            QVERIFY2(!text.contains(point) && !text.contains(bare),
                qPrintable(QStringLiteral("%1: \"%2\"").arg(scene_name(i), text)));
}

void TestLanguages::spoken_values_stay_apart_data() { catalogue_complete_data(); }

// Where the decimal separator is a comma, values in a row are kept apart by semicolons, in the
// descriptions a screen reader reads as on screen: "k = 0,4; w = 5", never "k = 0,4, w = 5", and
// no comma follows a decimal number.
void TestLanguages::spoken_values_stay_apart()
{
    QFETCH(QString, code);
    const QRegularExpression comma_after_value(
        QStringLiteral("\\d,\\d+,\\s|=\\s*-?[\\d,]*\\d,\\s*\\S+\\s*="));
    const std::vector<ShownTopic> shown = shown_topics(code);
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (const QString &text : all_texts(shown[i]))
            QVERIFY2(!text.contains(comma_after_value),
                qPrintable(QStringLiteral("%1: \"%2\"").arg(scene_name(i), text)));
}

void TestLanguages::counted_texts_have_plural_forms_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : Languages::codes())
        QTest::newRow(qPrintable(code)) << code;
}

// A text that counts something ("%n points drawn") has plural forms in every catalogue, English
// among them, so that each language chooses the form by its own rule; no message places a number
// before a plural noun without them, but for counts that are never one or none.
void TestLanguages::counted_texts_have_plural_forms()
{
    QFETCH(QString, code);
    QString path = catalogue_path(code);
    QTemporaryDir dir;
    if (code == QLatin1String("en")) {
        // English keeps only the texts with a count; lupdate brings in any it lacks, unfinished.
        path = dir.filePath(QStringLiteral("aurelion_en.ts"));
        QVERIFY(QFile::copy(catalogue_path(code), path));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QProcess lupdate;
        lupdate.setWorkingDirectory(QString::fromUtf8(AURELION_SOURCE_DIR));
        lupdate.start(QString::fromUtf8(AURELION_LUPDATE),
            { QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                QStringLiteral("-pluralonly"), QStringLiteral("src"), QStringLiteral("tools"),
                QStringLiteral("-ts"), path });
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
    }
    const Catalogue catalogue = read_catalogue(path);
    QVERIFY2(catalogue.faults.isEmpty(), qPrintable(catalogue.faults.join(u'\n')));
    QVERIFY(catalogue.counted.size() >= 4);
    // A number before what the program counts, but for a recording's limit and a picture's size
    // in pixels, which are never one.
    const QStringList never_one = { QStringLiteral("as many as a recording may"),
        QStringLiteral("pixels (*.png)") };
    const QRegularExpression count_before_noun(QStringLiteral(
        "%(\\d|n) (\\p{Ll}+ )?(points|pairs|frames|steps|ticks|corners|pixels|years|months|"
        "rabbits|pages|lessons|files|seconds)\\b"));
    for (const auto &[source, translation] :
        read_catalogue(catalogue_path(QStringLiteral("de"))).messages) {
        if (!source.contains(count_before_noun) || catalogue.counted.contains(source)
            || std::any_of(never_one.begin(), never_one.end(),
                [&](const QString &n) { return source.contains(n); }))
            continue;
        QFAIL(qPrintable(QStringLiteral("\"%1\" counts without plural forms").arg(source)));
    }
    for (const auto &[source, translation] : catalogue.messages)
        if (catalogue.counted.contains(source))
            QVERIFY2(translation.contains(QLatin1String("%n")), qPrintable(translation));
}

void TestLanguages::counts_take_the_language_form_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("steps"); // the rabbits' months or the slow chaos game's ticks
    QTest::addColumn<QString>("expected");
    const auto rabbits = [](const char *code, int months, const char *expected) {
        QTest::addRow("%s, rabbits in month %d", code, months)
            << code << "M_gr:0" << months << QString::fromUtf8(expected);
    };
    const auto points = [](const char *code, int ticks, const char *expected) {
        QTest::addRow("%s, %d points", code, ticks)
            << code << "M_chaos" << ticks << QString::fromUtf8(expected);
    };
    rabbits("en", 0, ": 1 pair of rabbits;");
    rabbits("en", 2, ": 2 pairs of rabbits;");
    rabbits("de", 0, ": 1 Kaninchenpaar;");
    rabbits("de", 2, ": 2 Kaninchenpaare;");
    rabbits("fr", 0, " : 1 couple de lapins ;");
    rabbits("fr", 2, " : 2 couples de lapins ;");
    rabbits("es", 0, ": 1 pareja de conejos;");
    rabbits("es", 2, ": 2 parejas de conejos;");
    rabbits("it", 0, ": 1 coppia di conigli;");
    rabbits("it", 2, ": 2 coppie di conigli;");
    rabbits("pt_BR", 0, ": 1 casal de coelhos;");
    rabbits("pt_BR", 2, ": 2 casais de coelhos;");
    points("en", 0, "0 points drawn");
    points("en", 1, "1 point drawn");
    points("en", 2, "2 points drawn");
    points("de", 0, "0 Punkte gezeichnet");
    points("de", 1, "1 Punkt gezeichnet");
    points("fr", 0, "0 point tracé");
    points("fr", 1, "1 point tracé");
    points("fr", 2, "2 points tracés");
    points("es", 0, "0 puntos dibujados");
    points("es", 1, "1 punto dibujado");
    points("it", 0, "0 punti disegnati");
    points("it", 1, "1 punto disegnato");
    points("pt_BR", 0, "0 ponto desenhado");
    points("pt_BR", 1, "1 ponto desenhado");
    points("pt_BR", 2, "2 pontos desenhados");
}

// The description chooses singular or plural as the language does: French and Brazilian
// Portuguese say the singular for none, the others the plural.
void TestLanguages::counts_take_the_language_form()
{
    QFETCH(QString, code);
    QFETCH(QString, menu);
    QFETCH(int, steps);
    QFETCH(QString, expected);
    LanguageWindow w(code);
    Form1 &f = w.window.form();
    w.window.menus().at(menu)->trigger();
    if (menu == QLatin1String("M_chaos"))
        click(w.window, "Cchaos:1");
    for (int i = 0; i < steps; ++i)
        if (menu == QLatin1String("M_chaos"))
            f.Timer1->tick();
        else
            click(w.window, "Command5");
    const QString description = w.window.topic(f.topic)->description();
    QVERIFY2(description.contains(expected), qPrintable(description));
}

void TestLanguages::file_words_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English as it stands") << "square minus 0.46"
                                          << "square-minus-0.46";
    QTest::newRow("apostrophe") << "Fibonacci's rabbits"
                                << "fibonaccis-rabbits";
    QTest::newRow("umlauts spelt out") << "Fünfeck Größe"
                                       << "fuenfeck-groesse";
    QTest::newRow("accents dropped") << "Hélice ça niño razão"
                                     << "helice-ca-nino-razao";
    QTest::newRow("decimal comma kept") << "k = 0,3; w = 5"
                                        << "k-0,3-w-5";
    QTest::newRow("minus sign spelt out") << "f1 = -0,61803"
                                          << "f1-minus-0,61803";
    QTest::newRow("a hyphen between words stays one") << "graph - p ."
                                                      << "graph-p";
}

// A file name's words in ASCII, whatever the language writes.
void TestLanguages::file_words()
{
    QFETCH(QString, words);
    QFETCH(QString, expected);
    QCOMPARE(::file_words(words), expected);
}

namespace {

// The words of a language's catalogue as a file name spells them, but for the words of file
// names and titles themselves: the words the language uses elsewhere.
QSet<QString> language_words(const QString &code)
{
    QSet<QString> words;
    QFile file(catalogue_path(code));
    if (!file.open(QIODevice::ReadOnly))
        return words;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"translation" && context != u"FileName" && context != u"StateWords")
            for (const QString &word :
                ::file_words(xml.readElementText(QXmlStreamReader::IncludeChildElements))
                    .split(u'-'))
                words << word;
    }
    return words;
}

// The words of three letters or more in a text, as a file name spells them.
QStringList long_words(const QString &text)
{
    QStringList words;
    for (const QString &word : ::file_words(text).split(u'-'))
        if (word.size() >= 3 && word.contains(QRegularExpression(QStringLiteral("^[a-z]+$"))))
            words << word;
    return words;
}

// What names the picture of the scene on screen: its file names, its titles and the proposed
// title of a lesson step.
struct Names
{
    QString stem, worksheet_stem, title, state, svg_title;
};

Names names_of(MainWindow &window)
{
    Names n { picture_file_stem(window), worksheet_file_stem(window), picture_title(window),
        picture_state_words(window), {} };
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    write_picture_svg(*window.form().Picture1, buffer);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("<title>([^<]*)</title>")).match(QString::fromUtf8(svg));
    n.svg_title = m.captured(1);
    return n;
}

} // namespace

void TestLanguages::file_names_and_titles_in_the_language_data() { catalogue_complete_data(); }

// A picture's file names are ASCII and in the window's language, its titles in the language's
// words and numbers: no word of the English names is left that the language does not use, and
// no decimal point.
void TestLanguages::file_names_and_titles_in_the_language()
{
    QFETCH(QString, code);
    const QSet<QString> words = language_words(code);
    const QRegularExpression ascii(QStringLiteral("^[a-z0-9]+([-.,][a-z0-9]+)*$"));
    const QRegularExpression point(QStringLiteral("\\d\\.\\d"));
    // The title screen, then every scene; one window at a time, as each speaks its language.
    std::vector<const Scene *> shown { nullptr };
    for (const Scene &scene : scenes)
        shown.push_back(&scene);
    const auto names_in = [&shown](const QString &language) {
        LanguageWindow w(language);
        std::vector<Names> names;
        for (const Scene *scene : shown) {
            if (scene) {
                w.window.menus().at(QLatin1String(scene->menu))->trigger();
                for (const char *key : scene->clicks)
                    click(w.window, key);
            }
            names.push_back(names_of(w.window));
        }
        return names;
    };
    const std::vector<Names> english = names_in(QStringLiteral("en"));
    const std::vector<Names> language = names_in(code);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QString where = shown[i] ? scene_name(i - 1) : QStringLiteral("title screen");
        const Names &in_english = english[i], &in_language = language[i];
        const QStringList english_words = long_words(in_english.stem)
            + long_words(in_english.worksheet_stem) + long_words(in_english.title)
            + long_words(in_english.state) + long_words(in_english.svg_title);
        for (const QString &stem : { in_language.stem, in_language.worksheet_stem })
            QVERIFY2(stem.contains(ascii), qPrintable(where + QStringLiteral(": ") + stem));
        for (const QString &name : { in_language.stem, in_language.worksheet_stem,
                 in_language.title, in_language.state, in_language.svg_title }) {
            QVERIFY2(!name.contains(point), qPrintable(where + QStringLiteral(": ") + name));
            for (const QString &word : long_words(name))
                QVERIFY2(!english_words.contains(word) || words.contains(word),
                    qPrintable(QStringLiteral("%1: \"%2\" is English").arg(where, name)));
        }
    }
}

void TestLanguages::usage_in_the_language_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("locale");
    for (const char *program : { AURELION_PROGRAM, AURELION_RENDER })
        for (const char *locale :
            { "de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8", "pt_BR.UTF-8" })
            QTest::addRow(
                "%s, %s", qPrintable(QFileInfo(QString::fromUtf8(program)).fileName()), locale)
                << QString::fromUtf8(program) << QString::fromUtf8(locale);
}

// --help answers in the language the environment asks for: no English sentence left, every
// option and action named as the program reads it.
void TestLanguages::usage_in_the_language()
{
    QFETCH(QString, program);
    QFETCH(QString, locale);
    const auto usage = [&program](const QString &locale) {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "LANGUAGE", "LC_ALL", "LC_MESSAGES" })
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANG"), locale);
        run.setProcessEnvironment(env);
        run.start(program, { QStringLiteral("--help") });
        run.waitForFinished(60000);
        return run.exitCode() == 0 ? QString::fromUtf8(run.readAllStandardOutput()) : QString();
    };
    const QString english = usage(QStringLiteral("C.UTF-8"));
    const QString shown = usage(locale);
    QVERIFY(!english.isEmpty());
    QVERIFY(!shown.isEmpty());
    const QRegularExpression name(QStringLiteral("--[a-z][a-z-]+|\\b[a-z]+:(?=[A-Z])"));
    for (const auto &m : name.globalMatch(english))
        QVERIFY2(shown.contains(m.captured()), qPrintable(m.captured()));
    // A line of English prose, but for the option and action names and the placeholders.
    const QRegularExpression syntax(QStringLiteral("\\S*[-:.|=/\\[]\\S*|\\b[A-Z]+\\b"));
    const QStringList shown_lines = shown.split(u'\n');
    for (const QString &line : english.split(u'\n'))
        if (QString(line).remove(syntax).contains(QRegularExpression(QStringLiteral("[a-z]{4,}"))))
            QVERIFY2(!shown_lines.contains(line), qPrintable(line));
}

void TestLanguages::example_lesson_in_every_language_data() { catalogue_complete_data(); }

// The example lesson ships in every language, in a folder named by its code and named in its
// words: the same steps as the English one, titled in the language.
void TestLanguages::example_lesson_in_every_language()
{
    QFETCH(QString, code);
    const QDir folder(QString::fromUtf8(AURELION_SOURCE_DIR "/resources/lessons"));
    Lesson english, lesson;
    QVERIFY(!read_lesson(folder.filePath(QStringLiteral("golden-ratio.aurelion-lesson")), english)
                 .failed());
    const QStringList files =
        QDir(folder.filePath(code)).entryList({ QStringLiteral("*.aurelion-lesson") });
    QCOMPARE(files.size(), 1);
    QVERIFY2(QFileInfo(files[0]).completeBaseName().contains(
                 QRegularExpression(QStringLiteral("^[a-z]+(-[a-z]+)*$"))),
        qPrintable(files[0]));
    const LessonError error = read_lesson(folder.filePath(code + u'/' + files[0]), lesson);
    QVERIFY2(!error.failed(), qPrintable(error.text()));
    QCOMPARE(lesson.steps.size(), english.steps.size());
    // Each title has words of its own beside the English ones the language shares ("nature").
    QStringList english_words = long_words(english.title);
    for (const LessonStep &step : english.steps)
        english_words << long_words(step.title);
    QStringList titles = { lesson.title };
    for (std::size_t i = 0; i < lesson.steps.size(); ++i) {
        QCOMPARE(lesson.steps[i].actions, english.steps[i].actions);
        QCOMPARE(lesson.steps[i].seed, english.steps[i].seed);
        titles << lesson.steps[i].title;
    }
    for (const QString &title : titles) {
        const QStringList words = long_words(title);
        QVERIFY2(std::any_of(words.begin(), words.end(),
                     [&](const QString &word) { return !english_words.contains(word); }),
            qPrintable(QStringLiteral("\"%1\" is English").arg(title)));
    }
}

void TestLanguages::one_term_throughout_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("other_terms");
    // Brazilian schools say "razão áurea".
    QTest::newRow("pt_BR, the golden ratio")
        << "pt_BR" << QStringList { "número de ouro", "proporção áurea" };
}

// A language names a notion with one term in the window, the desktop entry, the metadata and
// the example lesson.
void TestLanguages::one_term_throughout()
{
    QFETCH(QString, code);
    QFETCH(QStringList, other_terms);
    QStringList texts;
    for (const auto &[source, translation] : read_catalogue(catalogue_path(code)).messages)
        texts << translation;
    const QDir source_dir(QString::fromUtf8(AURELION_SOURCE_DIR));
    const auto read = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    for (const QString &line :
        read(source_dir.filePath(QStringLiteral("packaging/org.aurelion.Aurelion.desktop")))
            .split(u'\n'))
        if (line.contains(QStringLiteral("[%1]=").arg(code)))
            texts << line;
    const QString metainfo =
        read(source_dir.filePath(QStringLiteral("packaging/org.aurelion.Aurelion.metainfo.xml")));
    const QRegularExpression in_language(
        QStringLiteral("xml:lang=\"%1\">([^<]*)<").arg(QRegularExpression::escape(code)));
    for (const auto &m : in_language.globalMatch(metainfo))
        texts << m.captured(1).simplified();
    const QDir lessons(source_dir.filePath(QStringLiteral("resources/lessons/") + code));
    for (const QString &name : lessons.entryList({ QStringLiteral("*.aurelion-lesson") }))
        texts << read(lessons.filePath(name));
    QVERIFY(texts.size() > 100);
    for (const QString &text : texts)
        for (const QString &term : other_terms)
            QVERIFY2(!text.contains(term, Qt::CaseInsensitive), qPrintable(text));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
