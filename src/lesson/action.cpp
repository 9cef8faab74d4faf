#include "action.h"

#include <QStringList>

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool parse_number(const QString &text, double &value)
{
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

} // namespace

QString printable_word(const QString &word)
{
    QString text;
    for (qsizetype i = 0; i < word.size(); ++i) {
        char32_t c = word[i].unicode();
        qsizetype units = 1;
        if (word[i].isHighSurrogate() && i + 1 < word.size() && word[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(word[i], word[i + 1]);
            units = 2;
        }
        const QChar::Category category = QChar::category(c);
        const bool unseen = category == QChar::Other_Control || category == QChar::Other_Format
            || category == QChar::Other_Surrogate || category == QChar::Other_NotAssigned
            || category == QChar::Separator_Line || category == QChar::Separator_Paragraph
            || (category == QChar::Separator_Space && c != U' ');
        if (!unseen)
            text += word.mid(i, units);
        else if (c < 0x100)
            text += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        else if (c < 0x10000)
            text += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        else
            text += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
        i += units - 1;
    }
    return text;
}

QString RenderAction::key() const
{
    return index ? name + QLatin1Char(':') + QString::number(*index) : name;
}

bool operator==(const RenderAction &a, const RenderAction &b)
{
    return a.kind == b.kind && a.name == b.name && a.index == b.index && a.x == b.x && a.y == b.y
        && a.count == b.count;
}

QString parse_action(const QString &word, RenderAction &action)
{
    action.argument = printable_word(word);
    const QStringList parts = word.split(QLatin1Char(':'));
    const QString verb = parts.front();
    const auto bad = [&action](const char *why) {
        return QStringLiteral("%1: %2").arg(action.argument, QLatin1String(why));
    };
    if (verb == QLatin1String("menu") || verb == QLatin1String("click")) {
        action.kind =
            verb == QLatin1String("menu") ? RenderAction::Kind::Menu : RenderAction::Kind::Click;
        if (parts.size() < 2 || parts.size() > 3 || parts[1].isEmpty())
            return bad("expected NAME or NAME:INDEX");
        action.name = parts[1];
        if (parts.size() == 3) {
            bool ok = false;
            const int index = parts[2].toInt(&ok);
            if (!ok || index < 0)
                return bad("the index is not a whole number of 0 or more");
            action.index = index;
        }
        return {};
    }
    if (verb == QLatin1String("move") || verb == QLatin1String("press")) {
        action.kind =
            verb == QLatin1String("move") ? RenderAction::Kind::Move : RenderAction::Kind::Press;
        const QStringList xy = parts.size() == 2 ? parts[1].split(QLatin1Char(',')) : QStringList();
        if (xy.size() != 2 || !parse_number(xy[0], action.x) || !parse_number(xy[1], action.y))
            return bad("expected X,Y as two numbers");
        // The pointer's user coordinates are singles, as the topics read them.
        const auto single = [](double v) {
            return std::fabs(v) <= std::numeric_limits<float>::max();
        };
        if (!single(action.x) || !single(action.y))
            return bad("X and Y must lie within -3.4E+38 .. 3.4E+38, what a single holds");
        return {};
    }
    if (verb == QLatin1String("tick")) {
        action.kind = RenderAction::Kind::Tick;
        if (parts.size() > 2)
            return bad("expected tick or tick:N");
        if (parts.size() == 2) {
            bool ok = false;
            action.count = parts[1].toLong(&ok);
            if (!ok || action.count < 0)
                return bad("the number of ticks is not a whole number of 0 or more");
        }
        return {};
    }
    if (verb == QLatin1String("zoom")) {
        action.kind = RenderAction::Kind::Zoom;
        if (parts.size() != 2 || !parse_number(parts[1], action.x) || action.x < 0.5
            || action.x > 4)
            return bad("expected zoom:Z with Z from 0.5 to 4");
        return {};
    }
    return bad("unknown action");
}

QString number_text(double value)
{
    char text[64];
    const float single = float(value);
    const auto end = double(single) == value
        ? std::to_chars(std::begin(text), std::end(text), single).ptr
        : std::to_chars(std::begin(text), std::end(text), value).ptr;
    return QString::fromLatin1(text, end - text);
}

QString action_text(const RenderAction &action)
{
    switch (action.kind) {
    case RenderAction::Kind::Menu:
        return QStringLiteral("menu:") + action.key();
    case RenderAction::Kind::Click:
        return QStringLiteral("click:") + action.key();
    case RenderAction::Kind::Move:
    case RenderAction::Kind::Press:
        return (action.kind == RenderAction::Kind::Move ? QStringLiteral("move:")
                                                        : QStringLiteral("press:"))
            + number_text(action.x) + QLatin1Char(',') + number_text(action.y);
    case RenderAction::Kind::Tick:
        return action.count == 1 ? QStringLiteral("tick")
                                 : QStringLiteral("tick:") + QString::number(action.count);
    case RenderAction::Kind::Zoom:
        return QStringLiteral("zoom:") + number_text(action.x);
    }
    return {};
}
