#include "language/languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QXmlStreamReader>

Languages::Languages() { install(code_); }

Languages::~Languages() { remove_catalogues(); }

const QStringList &Languages::codes()
{
    static const QStringList all = { QStringLiteral("en"), QStringLiteral("de"),
        QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"), QStringLiteral("pt_BR") };
    return all;
}

QString Languages::native_name(const QString &code)
{
    if (code == QLatin1String("de"))
        return QStringLiteral("Deutsch");
    if (code == QLatin1String("fr"))
        return QStringLiteral("Français");
    if (code == QLatin1String("es"))
        return QStringLiteral("Español");
    if (code == QLatin1String("it"))
        return QStringLiteral("Italiano");
    if (code == QLatin1String("pt_BR"))
        return QStringLiteral("Português (Brasil)");
    return QStringLiteral("English");
}

QString Languages::first_known(const QStringList &names)
{
    for (const QString &name : names) {
        // "de_AT.UTF-8@euro" is German; "pt" and "pt_PT" read best in the Brazilian catalogue.
        QString tag = name.section(u'.', 0, 0).section(u'@', 0, 0);
        tag.replace(u'-', u'_');
        const QString language = tag.section(u'_', 0, 0).toLower();
        if (language.isEmpty())
            continue;
        if (language == QLatin1String("c") || language == QLatin1String("posix")
            || language == QLatin1String("en"))
            return QStringLiteral("en");
        if (language == QLatin1String("pt"))
            return QStringLiteral("pt_BR");
        if (codes().contains(language))
            return language;
    }
    return QStringLiteral("en");
}

QString Languages::from_environment()
{
    // The messages' locale as the C library reads it; LANGUAGE counts only beside a real
    // locale, as gettext has it.
    QString messages;
    for (const char *name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        messages = qEnvironmentVariable(name);
        if (!messages.isEmpty())
            break;
    }
    const QString base = messages.section(u'.', 0, 0);
    if (messages.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX"))
        return QStringLiteral("en");
    QStringList names = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    names << messages;
    return first_known(names);
}

bool Languages::set_language(const QString &code)
{
    if (!codes().contains(code))
        return false;
    if (code != code_)
        install(code);
    return true;
}

void Languages::install(const QString &code)
{
    remove_catalogues();
    code_ = code;
    // English has a catalogue too, of its singulars only: the sources write each counted noun in
    // the plural ("%n points drawn") and every language chooses its forms by its own rule.
    auto ours = std::make_unique<QTranslator>();
    if (ours->load(QStringLiteral(":/i18n/aurelion_") + code))
        QCoreApplication::installTranslator(ours.get());
    ours_ = std::move(ours);
    separator_ = u'.';
    if (code == QLatin1String("en"))
        return;
    // The standard file and print dialogs speak through Qt's own catalogue, where Debian keeps it.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(
            QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
    qt_ = std::move(qt);
    separator_ = QLocale(code).decimalPoint().at(0);
}

QString Languages::translate(const QString &code, const char *context, const char *source)
{
    QTranslator catalogue;
    QString text;
    if (catalogue.load(QStringLiteral(":/i18n/aurelion_") + code))
        text = catalogue.translate(context, source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

void Languages::remove_catalogues()
{
    if (ours_)
        QCoreApplication::removeTranslator(ours_.get());
    if (qt_)
        QCoreApplication::removeTranslator(qt_.get());
    ours_.reset();
    qt_.reset();
}

Languages::Sources Languages::sources_of(const QString &code)
{
    // The catalogues' sources travel with the program beside the compiled catalogues; English
    // reads the sources out of any of them.
    const bool english = code == QLatin1String("en");
    QFile file(QStringLiteral(":/i18n/ts/aurelion_%1.ts").arg(english ? codes().at(1) : code));
    Sources sources;
    if (!file.open(QIODevice::ReadOnly))
        return sources;
    QXmlStreamReader xml(&file);
    QByteArray context, source;
    bool counted = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText().toUtf8();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText().toUtf8();
        else if (xml.name() == QLatin1String("message"))
            counted = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        // A text with a count shows its number, never its source's words as they stand.
        else if (xml.name() == QLatin1String("translation") && !counted)
            sources.insert(
                english ? QString::fromUtf8(source) : xml.readElementText(), { context, source });
    }
    return sources;
}
