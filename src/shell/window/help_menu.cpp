// The Help menu and its two dialogs.

#include "window/help_menu.h"

#include "dialog_size.h"
#include "window_host.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {

// A command's caption as the user reads it: without the mark of its mnemonic.
QString readable(const QString &caption)
{
    QString text = caption;
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

QString key_text(const QKeySequence &keys) { return keys.toString(QKeySequence::NativeText); }

struct Shortcut
{
    QString keys;
    QString command;
};

// The shortcuts of a menu's actions and of its submenus; a mnemonic is a shortcut too, typed
// after the keys that open the menu.
void collect(const QList<QAction *> &actions, const QString &path, const QString &opening,
    std::set<const QAction *> &seen, std::vector<Shortcut> &found)
{
    for (QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible() || !seen.insert(action).second)
            continue;
        const QString name = readable(action->text());
        const QString command = path.isEmpty() ? name : path + QStringLiteral(" \u2192 ") + name;
        // Alt and the letter on the menu bar; the letter alone in a menu opened that way.
        const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
        QString reached;
        if (!mnemonic.isEmpty() && path.isEmpty())
            reached = key_text(mnemonic);
        else if (!mnemonic.isEmpty() && !opening.isEmpty())
            reached = opening + QStringLiteral(", ")
                + key_text(QKeySequence(QKeyCombination(mnemonic[0].key())));
        for (const QKeySequence &keys : action->shortcuts())
            found.push_back({ key_text(keys), command });
        if (QMenu *menu = action->menu()) {
            if (!reached.isEmpty())
                found.push_back(
                    { reached, QCoreApplication::translate("Help", "open the menu ") + name });
            collect(menu->actions(), command, reached, seen, found);
        } else if (!reached.isEmpty()) {
            found.push_back({ reached, command });
        }
    }
}

QDialog *make_dialog(WindowHost &window, const QString &object_name, const QString &title)
{
    auto *dialog = new QDialog(&window.widget());
    // On a projector the window's zoom makes the dialogs larger too.
    dialog->setFont(window.dialog_font());
    dialog->setObjectName(object_name);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(title);
    dialog->setAccessibleName(title);
    return dialog;
}

// A Close button that takes Enter; Esc closes the dialog as well.
void add_close_button(QDialog &dialog, QVBoxLayout &layout)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    layout.addWidget(buttons);
}

} // namespace

HelpMenu::HelpMenu(WindowHost &window)
    : window_(window)
{
    // End's own shortcut: the program's handler, as the menu command runs it.
    window_.menus().at(QStringLiteral("M_end"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *help = window_.widget().menuBar()->addMenu(QCoreApplication::translate("Help", "&Help"));
    help->menuAction()->setObjectName(QStringLiteral("help_menu"));
    QAction *shortcuts =
        help->addAction(QCoreApplication::translate("Help", "&Keyboard Shortcuts"));
    shortcuts->setShortcut(QKeySequence(Qt::Key_F1));
    connect(shortcuts, &QAction::triggered, this, [this] { show_keyboard_shortcuts(); });
    QAction *about = help->addAction(QCoreApplication::translate("Help", "&About Aurelion"));
    connect(about, &QAction::triggered, this, [this] { show_about(); });
}

void HelpMenu::show_keyboard_shortcuts()
{
    std::vector<Shortcut> found;
    std::set<const QAction *> seen;
    collect(window_.widget().menuBar()->actions(), {}, {}, seen, found);
    collect(window_.widget().actions(), {}, {}, seen, found);

    QDialog *dialog = make_dialog(window_, QStringLiteral("keyboard_shortcuts"),
        QCoreApplication::translate("Help", "Keyboard Shortcuts"));
    auto *layout = new QVBoxLayout(dialog);
    auto *table = new QTableWidget(int(found.size()), 2, dialog);
    table->setObjectName(QStringLiteral("shortcut_table"));
    table->setAccessibleName(QStringLiteral("shortcuts"));
    table->setHorizontalHeaderLabels({ QCoreApplication::translate("Help", "Keys"),
        QCoreApplication::translate("Help", "Command") });
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    for (int row = 0; row < int(found.size()); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(found[std::size_t(row)].keys));
        table->setItem(row, 1, new QTableWidgetItem(found[std::size_t(row)].command));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);

    auto *keyboard =
        new QLabel(QCoreApplication::translate("Help",
                       "Tab and Shift+Tab move through the buttons, check boxes and clickable "
                       "labels of the frame on screen, row by row; Space or Enter presses them. "
                       "A \u201c<\u201d or \u201c>\u201d button and \u201cNext Year\u201d "
                       "repeat their step while they are held down, with the mouse or with "
                       "Space.\n\nThe Alt key opens the menu bar; the arrow keys move in it, "
                       "Enter chooses and Esc closes it."),
            dialog);
    keyboard->setObjectName(QStringLiteral("keyboard_navigation"));
    keyboard->setWordWrap(true);
    layout->addWidget(keyboard);
    add_close_button(*dialog, *layout);

    fit_dialog(*dialog, window_.dialog_font(), QSize(520, 440));
    dialog->open();
    table->setFocus();
}

void HelpMenu::show_about()
{
    QDialog *dialog = make_dialog(
        window_, QStringLiteral("about"), QCoreApplication::translate("Help", "About Aurelion"));
    auto *layout = new QVBoxLayout(dialog);
    auto *text = new QLabel(
        QCoreApplication::translate("Help",
            "<h3>Aurelion</h3>"
            "<p>Version %1</p>"
            "<p>A teaching program about the golden number phi and the Fibonacci sequence.</p>"
            "<p>Aurelion is free software under the GNU General Public License, version 3 or "
            "(at your option) any later version (GPL-3.0-or-later). It comes with no "
            "warranty.</p>"
            "<p>The Liberation fonts it brings along are under the SIL Open Font License "
            "1.1.</p>")
            .arg(QStringLiteral(AURELION_VERSION)),
        dialog);
    text->setObjectName(QStringLiteral("about_text"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(text);
    add_close_button(*dialog, *layout);

    fit_dialog(*dialog, window_.dialog_font(), QSize(440, 300));
    dialog->open();
}
