#include "lesson/shown_state.h"

#include "main_window.h"
#include "window_actions.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>

namespace {

// The surface's pixels at one logical pixel a pixel, as a hash in hexadecimal.
QString pixels_of(const Surface &surface)
{
    QImage image(surface.inner_size(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        surface.replay(painter);
    }
    const auto bytes = reinterpret_cast<const char *>(image.constBits());
    const std::size_t hash = qHashBits(bytes, std::size_t(image.sizeInBytes()));
    return QString::number(quint64(hash), 16);
}

} // namespace

QByteArray shown_state(MainWindow &window, bool with_readout)
{
    Form1 &f = window.form();
    QJsonObject state = state_of(window, RecordedMessageBox());
    state.remove(QStringLiteral("zoom"));
    state.remove(QStringLiteral("messages"));
    QJsonObject controls = state.value(QStringLiteral("controls")).toObject();
    for (const QString &name : controls.keys()) {
        QJsonObject control = controls.value(name).toObject();
        if (!control.value(QStringLiteral("visible")).toBool())
            controls.remove(name);
        else if (!with_readout && name == QLatin1String("Label2")) {
            control.remove(QStringLiteral("caption"));
            controls[name] = control;
        }
    }
    state[QStringLiteral("controls")] = controls;
    if (!f.Timer1->Enabled())
        state.remove(QStringLiteral("timer"));
    QJsonObject pixels;
    if (seen(*f.Picture1, window))
        pixels[QStringLiteral("Picture1")] = pixels_of(f.Picture1->surface());
    if (seen(*f.Picture2, window))
        pixels[QStringLiteral("Picture2")] = pixels_of(f.Picture2->surface());
    pixels[QStringLiteral("Form1")] = pixels_of(window.Form1_surface());
    state[QStringLiteral("pixels")] = pixels;
    return QJsonDocument(state).toJson();
}

std::size_t shown_key(MainWindow &window, bool with_readout)
{
    return qHash(shown_state(window, with_readout));
}
