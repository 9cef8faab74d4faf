#include "test_window.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTest>

#include <map>

// The keyboard's way through the frames: the ring that shows the focus leaves every label's text
// readable, and Tab stops only at controls that do something.
class TestFocus : public QObject
{
    Q_OBJECT
private slots:
    void the_focus_ring_clears_the_text_data();
    void the_focus_ring_clears_the_text();
    void tab_stops_only_at_controls_that_act_data();
    void tab_stops_only_at_controls_that_act();
    void the_focus_is_always_on_a_visible_control_data();
    void the_focus_is_always_on_a_visible_control();
};

namespace {

const char *const topic_menus[] = { "M_gr:0", "M_gr:1", "M_gr:2", "M_gr:3", "M_R:0", "M_R:1",
    "M_R:2", "M_R:3", "M_R:4", "M_R:5", "M_R:6", "M_bevolk:0", "M_bevolk:1", "M_chaos", "M_Pyt",
    "M_plato" };

// The controls that Tab reaches, in its order, by name ("L_pyt:0" for an element of an array).
QStringList tab_stops(TestWindow &t)
{
    std::map<const QWidget *, QString> names;
    for (const auto &[key, control] : t.window.controls())
        names[&control->widget()] = key;
    QStringList stops;
    QWidget *w = &t.window;
    do {
        w = w->nextInFocusChain();
        const auto named = names.find(w);
        if (named != names.end() && w->isVisible() && w->isEnabled()
            && (w->focusPolicy() & Qt::TabFocus))
            stops << named->second;
    } while (w != &t.window);
    return stops;
}

// The smallest rectangle holding every pixel that differs from the corner's colour.
QRect ink(const QImage &image)
{
    const QRgb back = image.pixel(image.width() / 2, image.height() - 1);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != back)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

void TestFocus::the_focus_ring_clears_the_text_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<double>("zoom");
    for (const char *menu : topic_menus)
        for (const double zoom : { 1.0, 2.0 })
            QTest::addRow("%s at zoom %g", menu, zoom) << QString::fromLatin1(menu) << zoom;
}

void TestFocus::the_focus_ring_clears_the_text()
{
    // Every label that can take the focus, drawn with and without it: the ring shows, and not one
    // of its pixels falls in the box of the text's ink.
    QFETCH(QString, menu);
    QFETCH(double, zoom);
    TestWindow t(1, false, zoom);
    t.window.show();
    t.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    t.menu(menu);
    int checked = 0;
    for (const auto &[key, control] : t.window.controls()) {
        auto *label = dynamic_cast<Label *>(control);
        if (!label || !label->isVisible() || !(label->focusPolicy() & Qt::TabFocus)
            || label->caption().isEmpty())
            continue;
        t.window.setFocus();
        const QImage plain = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        label->setFocus(Qt::TabFocusReason);
        QVERIFY(label->hasFocus());
        const QImage focused = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect text = ink(plain);
        QVERIFY2(!text.isEmpty(), qPrintable(key));
        int ring = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) == focused.pixel(x, y))
                    continue;
                ++ring;
                QVERIFY2(!text.contains(x, y),
                    qPrintable(QStringLiteral("%1 \"%2\": the ring at (%3, %4) inside the text "
                                              "(%5, %6) to (%7, %8)")
                                   .arg(key, label->caption())
                                   .arg(x)
                                   .arg(y)
                                   .arg(text.left())
                                   .arg(text.top())
                                   .arg(text.right())
                                   .arg(text.bottom())));
            }
        QVERIFY2(ring >= 4 * label->height(), qPrintable(key));
        ++checked;
    }
    if (checked == 0)
        QVERIFY(tab_stops(t).filter(QRegularExpression(QStringLiteral("^L"))).isEmpty());
}

void TestFocus::tab_stops_only_at_controls_that_act_data()
{
    // Row by row, left to right; the read-outs (the ratio, the values of a, b, c and e, the
    // angles' values beside their buttons) are passed by.
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("stops");
    const QStringList sequence = { "Label7", "Label8", "Command1", "Command2", "ComM:0",
        "Label1:10", "ComP:0", "ComM:1", "Label1:11", "ComP:1" };
    QTest::newRow("rabbits") << "M_gr:0" << QStringList { "Command4", "Command5" };
    QTest::newRow("graph y = F(i)") << "M_gr:1" << sequence;
    QTest::newRow("graph of the ratio") << "M_gr:2" << sequence;
    QTest::newRow("graph P") << "M_gr:3" << sequence;
    for (int i = 0; i <= 5; ++i)
        QTest::addRow("golden ratio %d, no frame", i)
            << QStringLiteral("M_R:%1").arg(i) << QStringList();
    QTest::newRow("exponential function")
        << "M_R:6" << QStringList { "ComQ:0", "ComZ:0", "ComQ:1", "ComZ:1" };
    QTest::newRow("life generator")
        << "M_bevolk:0"
        << QStringList { "Ckm:0", "Label9:0", "Ckp:0", "Ckm:1", "Label9:1", "Ckp:1", "Ckm:2",
               "Label9:2", "Ckp:2", "Ckm:3", "Label9:3", "Ckp:3", "ComF", "CEx:0", "CEx:1", "CEx:2",
               "CEx:3" };
    QTest::newRow("dynamic population model")
        << "M_bevolk:1"
        << QStringList { "Command3", "CM:0", "LG:0", "CP:0", "Optie:0", "Optie:1", "Optie:2",
               "Optie:3", "Optie:4", "Optie:5" };
    QTest::newRow("chaos") << "M_chaos"
                           << QStringList { "Cchaos:0", "Cchaos:1", "Label11:0", "Label11:1",
                                  "Label11:2", "Label11:3", "Label11:4", "Label11:5", "Label11:6",
                                  "Label11:7", "Label11:8" };
    QTest::newRow("Pythagoras: c and e are read-outs")
        << "M_Pyt"
        << QStringList { "Com_p1:0", "L_pyt:0", "Com_p2:0", "Com_p1:1", "L_pyt:1", "Com_p2:1",
               "C_pyt" };
    QTest::newRow("platonic figures") << "M_plato"
                                      << QStringList { "Crot1:0", "Lh1", "Crot1:1", "Crot2:0",
                                             "Lh2", "Crot2:1", "ChP:0", "ChP:1", "ChP:2", "ChP:3" };
}

void TestFocus::tab_stops_only_at_controls_that_act()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, stops);
    TestWindow t;
    t.window.show();
    t.menu(menu);
    QCOMPARE(tab_stops(t), stops);
    // Every stop acts: a button or a label that runs its handler from the keyboard. A read-out
    // is still named for screen readers and tells its value.
    for (const auto &[key, control] : t.window.controls()) {
        auto *label = dynamic_cast<Label *>(control);
        if (!label || !label->isVisible())
            continue;
        QCOMPARE(bool(label->focusPolicy() & Qt::TabFocus), label->clickable());
    }
    if (menu == QLatin1String("M_Pyt")) {
        Control *c = t.window.controls().at(QStringLiteral("L_pyt:2"));
        QCOMPARE(c->widget().accessibleName(), QStringLiteral("hypotenuse c"));
        QAccessibleInterface *read_out = QAccessible::queryAccessibleInterface(&c->widget());
        QVERIFY(read_out);
        QCOMPARE(read_out->text(QAccessible::Name), QStringLiteral("hypotenuse c"));
        QCOMPARE(read_out->text(QAccessible::Description), QStringLiteral("50.00"));
        // The pointer's click still redraws, as it always did.
        const int drawn = int(t.picture1().size());
        t.click(QStringLiteral("L_pyt:2"));
        QVERIFY(!t.picture1().empty());
        QCOMPARE(int(t.picture1().size()), drawn);
    }
}

void TestFocus::the_focus_is_always_on_a_visible_control_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<double>("zoom");
    for (const char *menu : topic_menus)
        for (const double zoom : { 1.0, 2.0 })
            QTest::addRow("%s at zoom %g", menu, zoom) << QString::fromLatin1(menu) << zoom;
}

void TestFocus::the_focus_is_always_on_a_visible_control()
{
    // Tab, Shift+Tab and the arrow keys go round the controls of the frame on screen and nowhere
    // else: not to the stage that holds the design, where the focus would show nowhere. At zoom
    // 2 the design is larger than the window, and the view follows the focus: the control that
    // has it is in sight.
    QFETCH(QString, menu);
    QFETCH(double, zoom);
    TestWindow t(1, false, zoom);
    t.window.resize(700, 500);
    t.window.show();
    t.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    t.menu(menu);
    std::map<const QWidget *, QString> names;
    for (const auto &[key, control] : t.window.controls())
        names[&control->widget()] = key;
    const QWidget *view = t.window.stage().viewport();
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : QApplication::activeWindow(), key, modifiers);
    };
    const auto on_a_control = [&](const char *key) {
        const QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return true;
        const QRect seen(view->mapFromGlobal(focus->mapToGlobal(QPoint())), focus->size());
        if (names.count(focus) && focus->isVisible() && view->rect().contains(seen))
            return true;
        qWarning("%s gives the focus to %s %s at (%d, %d) in a view of %dx%d", key,
            focus->metaObject()->className(), qPrintable(names.count(focus) ? names[focus] : ""),
            seen.x(), seen.y(), view->width(), view->height());
        return false;
    };
    for (const Qt::KeyboardModifiers direction : { Qt::NoModifier, Qt::ShiftModifier }) {
        for (int i = 0; i < 24; ++i) {
            press(Qt::Key_Tab, direction);
            QVERIFY(on_a_control("Tab"));
            press(Qt::Key_Down);
            QVERIFY(on_a_control("Down"));
            press(Qt::Key_Up);
            QVERIFY(on_a_control("Up"));
        }
    }
}

QTEST_MAIN(TestFocus)
#include "tst_focus.moc"
