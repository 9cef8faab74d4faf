#pragma once

#include "lesson/handout.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;

// The handout as one web page that a learning platform or a mail attachment keeps whole: a
// self-contained HTML file, without scripts and without a request to any other file or address,
// that reads on a phone 360 pixels wide (the drawings scaled to the width), on a desktop and on
// paper (a step a page). The lesson's title heads it (h1) with its contents as links to the
// steps, then each step under its heading (h2): its drawing as inline SVG, with the drawing's
// description (what a screen reader hears in the window) as its text alternative, the teacher's
// texts and the questions. The pupils' page leaves the answers out entirely; the answer key
// (settings.answer_key) folds each answer under its question in a disclosure element, which
// opens without scripts, and prints it open. The page's language is the handout's.
HandoutResult write_handout_html(const Lesson &lesson, const HandoutSettings &settings,
    QIODevice &device, const HandoutProgress &progress = {});

// The web page's writer, for write_handouts.
std::unique_ptr<HandoutWriter> web_page_writer(
    QIODevice &device, const HandoutSettings &settings, bool answer_key);

// A picture file's SVG as it stands inside a page among others: without the XML declaration,
// sized by its view box, every id and class name (and every reference to them, in attributes
// and in style sheets) starting with the prefix so that no two drawings of the page share one, a
// style sheet of plain class rules moved into the style attributes of those classes' elements
// (the body of a page holds no style element, and a learning platform may strip them), and the
// description as the image's name for assistive technology (role="img" with an
// aria-label) and as its title.
QByteArray inline_svg(const QByteArray &svg, const QString &prefix, const QString &description);
