#pragma once

#include <QMultiHash>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <utility>

// The language the program speaks: English, its source texts, or one of its catalogues with Qt's
// own for the standard dialogs. Chosen from the environment as Qt programs choose (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG) or by its code; the catalogues are installed on the application
// while this object lives.
class Languages
{
public:
    Languages();
    ~Languages();
    Languages(const Languages &) = delete;
    Languages &operator=(const Languages &) = delete;

    // The languages with a catalogue, by code ("de", "fr", "es", "it", "pt_BR"); English ("en")
    // comes first.
    static const QStringList &codes();
    // A language in its own name ("Deutsch", "Português (Brasil)").
    static QString native_name(const QString &code);
    // The code the environment asks for: the first of its languages with a catalogue, or "en"
    // for the C and POSIX locales, an English one or none with a catalogue.
    static QString from_environment();
    // The code these locale names ask for, in order of preference ("de_AT.UTF-8", "pt", "C").
    static QString first_known(const QStringList &names);

    // Each text the language shows, with the contexts and English sources it was translated
    // from (two sources may share a translation); for English, each source text with its
    // contexts.
    using Sources = QMultiHash<QString, std::pair<QByteArray, QByteArray>>;
    static Sources sources_of(const QString &code);

    // A text in a language without installing its catalogue, for what is said before the
    // application starts (the usage); the source text where the catalogue has none.
    static QString translate(const QString &code, const char *context, const char *source);

    // Speaks this language from now on; false, and nothing changes, for an unknown code.
    bool set_language(const QString &code);
    QString language() const { return code_; }
    // How the language writes a number's decimal point: '.' in English, ',' in the others.
    QChar decimal_separator() const { return separator_; }

private:
    void install(const QString &code);
    void remove_catalogues();

    QString code_ = QStringLiteral("en");
    QChar separator_ = u'.';
    std::unique_ptr<QTranslator> ours_;
    std::unique_ptr<QTranslator> qt_;
};
