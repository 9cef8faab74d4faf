#include "message_box.h"

#include "dialog_size.h"

#include <QMessageBox>

QString MessageBox::shown_title(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Aurelion") : title;
}

void DialogMessageBox::MsgBox(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, shown_title(title), text, QMessageBox::Ok, parent_);
    if (font_)
        fit_dialog(box, font_());
    box.exec();
}

void RecordedMessageBox::MsgBox(const QString &text, const QString &title)
{
    messages.push_back({ shown_title(title), text });
}
