#include "language/language_menu.h"

#include "language/languages.h"
#include "main_window.h"
#include "window/settings_file.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

const char *const LanguageMenu::key = "window/language";

LanguageMenu::LanguageMenu(MainWindow &window, QMenu &view, SettingsFile *settings)
    : QObject(&view)
    , window_(window)
    , settings_(settings)
    , menu_(view.addMenu(QCoreApplication::translate("LanguageMenu", "&Language")))
    , group_(new QActionGroup(menu_))
{
    menu_->setObjectName(QStringLiteral("language_menu"));
    for (const QString &code : Languages::codes()) {
        QAction *action = menu_->addAction(Languages::native_name(code));
        action->setCheckable(true);
        action->setData(code);
        group_->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] {
            window_.switch_language(code);
            // Kept at once, through the file's lock like the window's other settings.
            if (settings_)
                settings_->change(
                    [&code](QSettings &kept) { kept.setValue(QLatin1String(key), code); });
        });
    }
    update();
}

void LanguageMenu::update()
{
    for (QAction *action : group_->actions())
        action->setChecked(action->data().toString() == window_.languages().language());
    menu_->setTitle(QCoreApplication::translate("LanguageMenu", "&Language"));
}

void MainWindow::switch_language(const QString &code)
{
    if (code == languages_->language() || !Languages::codes().contains(code))
        return;
    // Every text on screen is found in the catalogue it came from and translated anew; a
    // caption that holds numbers gets the new decimal separator.
    const Languages::Sources sources = Languages::sources_of(languages_->language());
    const QChar old_separator = languages_->decimal_separator();
    languages_->set_language(code);
    const QChar separator = languages_->decimal_separator();
    form_.decimal_separator = separator;
    plotter_->decimal_separator = separator;
    // Where a translation has several sources, the one of the context that shows such texts.
    const auto translated = [&sources](
                                const QString &text, std::initializer_list<const char *> contexts) {
        const auto found = sources.values(text);
        if (found.isEmpty())
            return text;
        auto chosen = found.front();
        for (const auto &candidate : found)
            if (std::find_if(contexts.begin(), contexts.end(),
                    [&candidate](const char *c) { return candidate.first == c; })
                != contexts.end())
                chosen = candidate;
        return QCoreApplication::translate(chosen.first.constData(), chosen.second.constData());
    };
    const auto menu_text = [&translated](const QString &text) {
        return translated(text,
            { "MainWindow", "ViewMenu", "Help", "Picture", "Recording", "Lesson", "LanguageMenu" });
    };
    const auto control_text = [&translated](const QString &text) {
        return translated(text, { "Design", "MainWindow", "Accessibility" });
    };
    const QRegularExpression number(QStringLiteral("(?<=^|[\\d+\\-= ])%1(?=\\d)")
                                        .arg(QRegularExpression::escape(old_separator)));
    for (QAction *action : findChildren<QAction *>())
        if (!action->text().isEmpty())
            action->setText(menu_text(action->text()));
    for (const auto &[name, control] : controls()) {
        QWidget &w = control->widget();
        const QString caption = control->caption();
        // A frame is named after its caption.
        const bool named_by_caption = w.accessibleName() == caption.simplified();
        if (const QString t = control_text(caption); t != caption)
            control->set_caption(t);
        else if (old_separator != separator && caption.contains(number))
            control->set_caption(QString(caption).replace(number, QString(separator)));
        w.setToolTip(control_text(w.toolTip()));
        w.setAccessibleName(
            named_by_caption ? control->caption().simplified() : control_text(w.accessibleName()));
        w.setAccessibleDescription(control_text(w.accessibleDescription()));
    }
    setWindowTitle(menu_text(windowTitle()));
    if (language_menu_)
        language_menu_->update();
    if (form_.topic)
        show_topic();
    else
        show_title_screen();
    describe_drawing();
}
