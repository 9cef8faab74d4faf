// The window design: every control with its place in twips, colours, font and design caption.

#include "main_window.h"
#include "palette.h"
#include "twips.h"
#include "window/view_menu.h"

#include <QCoreApplication>

namespace {

const FontSpec sans { FontFamily::MsSansSerif, 7.8, false };
const FontSpec small { FontFamily::SmallFonts, 6.6, false };
const FontSpec small_bold { FontFamily::SmallFonts, 6.6, true };

struct Place
{
    int left, top, width, height;
};

template <class T>
T *make(QWidget *parent, const char *name, Place at, const FontSpec &font,
    std::optional<QRgb> back = {}, const QString &caption = {})
{
    auto *control = new T(parent);
    control->name = QString::fromLatin1(name);
    control->set_font_spec(font);
    if (back)
        control->set_background(*back);
    control->set_caption(caption);
    control->place(at.left, at.top, at.width, at.height);
    return control;
}

template <class T>
void make_first(ControlArray<T> &array, QWidget *parent, const char *name, Place at,
    const FontSpec &font, std::optional<QRgb> back = {}, const QString &caption = {})
{
    array.set_first(make<T>(parent, name, at, font, back, caption));
}

constexpr QRgb white = RGB(255, 255, 255);

} // namespace

void MainWindow::build_design(qreal ratio)
{
    Form1 &f = form_;
    // The client area in twips. The design's 11784 twips would cut the right edge of the side
    // panel and of the ratio panel (they reach 12200 and 11995), so the window is wider.
    const QSize client(twips_to_pixels(12300), twips_to_pixels(8112));
    f.background = new FormSurface(nullptr, client, RGB(255, 192, 255), ratio);
    f.background->surface().set_font({ FontFamily::Courier, 15, false });
    f.background->surface().FillColor = QBColor(0);
    // The design sits in a stage that centres it, with margins in the window's background colour
    // when the window is larger and scroll bars when a fixed zoom makes the design larger.
    stage_ = new Stage(this, f.background, RGB(255, 192, 255), ViewMenu::min_zoom);
    setCentralWidget(stage_);
    QWidget *form = f.background;

    f.Picture1 = new PictureBox(form, white, ratio);
    f.Picture1->name = QStringLiteral("Picture1");
    f.Picture1->set_font_spec(small_bold);
    f.Picture1->surface().set_font(small_bold);
    f.Picture1->place(120, 120, 7692, 7692);

    f.Label2 = make<Label>(form, "Label2", { 2760, 7800, 1812, 252 }, sans, RGB(128, 255, 255),
        QStringLiteral("Label2"));

    f.Picture2 = new PictureBox(form, RGB(255, 255, 192), ratio);
    f.Picture2->name = QStringLiteral("Picture2");
    f.Picture2->set_font_spec(small_bold);
    f.Picture2->surface().set_font(small_bold);
    f.Picture2->place(7900, 100, 4300, 732);

    f.Label7 = make<Label>(form, "Label7", { 7920, 840, 1692, 240 }, sans, white);
    f.Label8 = make<Label>(form, "Label8", { 9720, 840, 1692, 240 }, sans, white);

    f.Frame2 = make<Frame>(form, "Frame2", { 7900, 7150, 4095, 660 }, sans, RGB(255, 192, 192),
        QStringLiteral(" F(i+1) / F(i) "));
    f.Command1 =
        make<Button>(f.Frame2, "Command1", { 120, 300, 255, 200 }, sans, {}, QStringLiteral("<"));
    f.Label5 = make<Label>(f.Frame2, "Label5", { 360, 300, 495, 255 }, sans, RGB(192, 255, 255));
    f.Command2 =
        make<Button>(f.Frame2, "Command2", { 840, 300, 255, 200 }, sans, {}, QStringLiteral(">"));
    // The ratio read-out's longest captions, such as "-1974.00000 / -1220.0000 = 1.6180328", are
    // wider than the label in the dialog font; a slightly narrower face of it fits them.
    f.Label6 = make<Label>(f.Frame2, "Label6", { 1200, 300, 2775, 255 },
        FontSpec { FontFamily::MsSansSerif, 7.8, false, 94 }, RGB(255, 255, 192));

    f.Frame3 = make<Frame>(form, "Frame3", { 7900, 1500, 3132, 5500 }, sans, RGB(255, 224, 192),
        QCoreApplication::translate("Design", " Sequence   F(i+2) = F(i+1) + F(i)  "));
    f.Label4 =
        make<Label>(f.Frame3, "Label4", { 240, 360, 372, 204 }, sans, white, QStringLiteral("i"));
    f.Label3 = make<Label>(
        f.Frame3, "Label3", { 1200, 360, 1212, 192 }, sans, white, QStringLiteral("F(i)"));
    make_first(f.Labi, f.Frame3, "Labi", { 240, 720, 375, 180 }, sans, RGB(192, 255, 192));
    make_first(f.Label1, f.Frame3, "Label1", { 1200, 720, 1212, 180 }, small, RGB(255, 255, 192));
    make_first(f.ComM, f.Frame3, "ComM", { 720, 2920, 372, 180 }, small, {}, QStringLiteral("<"));
    make_first(f.ComP, f.Frame3, "ComP", { 2520, 2920, 372, 180 }, small, {}, QStringLiteral(">"));

    f.Frame4 = make<Frame>(form, "Frame4", { 7900, 4600, 2415, 2535 }, sans, RGB(224, 224, 224),
        QCoreApplication::translate("Design", " Life Generator Data "));
    make_first(f.LabP, f.Frame4, "LabP", { 120, 360, 495, 200 }, small, RGB(255, 255, 192));
    make_first(f.Ckm, f.Frame4, "Ckm", { 720, 360, 375, 255 }, sans, {}, QStringLiteral("<"));
    make_first(f.Label9, f.Frame4, "Label9", { 1080, 360, 855, 255 }, sans, RGB(255, 224, 192));
    make_first(f.Ckp, f.Frame4, "Ckp", { 1920, 360, 375, 255 }, sans, {}, QStringLiteral(">"));
    f.ComF = make<Button>(
        f.Frame4, "ComF", { 480, 1680, 1455, 255 }, sans, {}, QStringLiteral("k = ln(phi)"));
    make_first(f.CEx, f.Frame4, "CEx", { 240, 2080, 480, 255 }, sans, {}, QStringLiteral("Ex1"));

    f.Frame5 = make<Frame>(form, "Frame5", { 7900, 4000, 2200, 2632 }, sans, RGB(255, 128, 128),
        QCoreApplication::translate("Design", "Rotate"));
    make_first(f.Crot1, f.Frame5, "Crot1", { 240, 360, 360, 230 }, sans);
    f.Lh1 = make<Label>(f.Frame5, "Lh1", { 720, 360, 492, 240 }, sans, RGB(192, 255, 192));
    make_first(f.Crot2, f.Frame5, "Crot2", { 240, 720, 360, 230 }, sans);
    f.Lh2 = make<Label>(f.Frame5, "Lh2", { 720, 720, 492, 240 }, sans, RGB(192, 255, 192));
    make_first(f.ChP, f.Frame5, "ChP", { 240, 1080, 1572, 372 }, sans, RGB(255, 128, 128));

    f.Frame6 = make<Frame>(form, "Frame6", { 7900, 3600, 2412, 1580 }, sans);
    f.Frame6->setAutoFillBackground(true);
    make_first(f.LabZ, f.Frame6, "LabZ", { 120, 360, 492, 252 }, sans, RGB(255, 255, 192));
    make_first(f.ComQ, f.Frame6, "ComQ", { 720, 360, 372, 252 }, sans, RGB(224, 224, 224),
        QStringLiteral("<"));
    make_first(f.LabQ, f.Frame6, "LabQ", { 1080, 360, 852, 252 }, sans, RGB(192, 255, 192));
    make_first(f.ComZ, f.Frame6, "ComZ", { 1920, 360, 372, 252 }, sans, RGB(224, 224, 224),
        QStringLiteral(">"));

    f.Frame1 = make<Frame>(form, "Frame1", { 7900, 3120, 2500, 3100 }, sans, RGB(192, 255, 255),
        QCoreApplication::translate("Design", " Dynamic Model "));
    f.Command3 = make<Button>(f.Frame1, "Command3", { 480, 300, 1284, 300 }, sans, {},
        QCoreApplication::translate("Design", "Next Year"));
    make_first(f.LJ, f.Frame1, "LJ", { 100, 800, 360, 200 }, sans, RGB(255, 255, 192));
    make_first(f.CM, f.Frame1, "CM", { 480, 800, 372, 200 }, sans, {}, QStringLiteral("<"));
    make_first(f.LG, f.Frame1, "LG", { 840, 800, 612, 200 }, sans, RGB(255, 224, 192));
    f.LG[0].set_foreground(RGB(64, 0, 0));
    make_first(f.CP, f.Frame1, "CP", { 1440, 800, 372, 200 }, sans, {}, QStringLiteral(">"));
    make_first(f.Optie, f.Frame1, "Optie", { 480, 1180, 1332, 252 }, sans, white);

    f.Frame7 = make<Frame>(form, "Frame7", { 7900, 5800, 1692, 732 }, sans, RGB(192, 255, 192),
        QCoreApplication::translate("Design", "  T I M E "));
    f.Command4 =
        make<Button>(f.Frame7, "Command4", { 120, 280, 252, 300 }, sans, {}, QStringLiteral("<"));
    f.Label10 = make<Label>(f.Frame7, "Label10", { 480, 300, 732, 252 }, sans, white);
    f.Command5 =
        make<Button>(f.Frame7, "Command5", { 1320, 280, 252, 300 }, sans, {}, QStringLiteral(">"));

    f.Frame8 = make<Frame>(form, "Frame8", { 7900, 3600, 1452, 3700 }, sans, RGB(224, 224, 224),
        QCoreApplication::translate("Design", " CHAOS "));
    make_first(f.Cchaos, f.Frame8, "Cchaos", { 120, 280, 420, 240 }, small, RGB(224, 224, 224));
    make_first(f.Label11, f.Frame8, "Label11", { 120, 640, 1212, 252 }, sans, RGB(255, 255, 192));

    f.Frame9 = make<Frame>(form, "Frame9", { 7900, 4600, 1812, 2400 }, small, RGB(192, 255, 255),
        QCoreApplication::translate("Design", "Pythagoras"));
    make_first(f.Lab_pyt, f.Frame9, "Lab_pyt", { 108, 360, 252, 252 }, small, white);
    make_first(f.Com_p1, f.Frame9, "Com_p1", { 390, 360, 252, 240 }, small);
    make_first(f.L_pyt, f.Frame9, "L_pyt", { 720, 360, 492, 252 }, small, white);
    make_first(f.Com_p2, f.Frame9, "Com_p2", { 1320, 360, 300, 240 }, small);
    f.C_pyt = make<Button>(f.Frame9, "C_pyt", { 360, 1960, 1140, 300 }, small);

    // Markers inside the drawing surface, placed in its design scale (twips).
    shape1_ =
        std::make_unique<ShapeControl>(*f.Picture1, RGB(255, 0, 0), white, 2640, 4320, 100, 100);
    shape2_ =
        std::make_unique<ShapeControl>(*f.Picture1, RGB(255, 0, 0), white, 3240, 4320, 100, 100);
    line1_ = std::make_unique<LineControl>(*f.Picture1, RGB(128, 255, 128), 1920, 4320, 3720, 4320);
    f.Shape1 = shape1_.get();
    f.Shape2 = shape2_.get();
    f.Line1 = line1_.get();
    for (ShapeControl *shape : { f.Shape1, f.Shape2 })
        shape->set_Visible(true);
    f.Line1->set_Visible(true);

    f.Timer1->set_Interval(10);
    f.Timer1->set_Enabled(true);
}
