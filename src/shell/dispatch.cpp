// Topic dispatch: the screen reset, the side panel and which frame each topic shows.

#include "main_window.h"
#include "palette.h"

namespace {

// What the dispatcher does around a topic's drawing procedure.
struct Dispatch
{
    int panel_mode; // 0 shows the sequence panels, 1 hides them
    int side_panel; // height of the side panel in twips; 0: not prepared
    Frame *Form1::*frame; // the topic's frame, if any
    bool frame_first; // the frame is shown before the drawing, not after it
    bool hide_readout; // the coordinate read-out is hidden
};

Dispatch dispatch_of(int topic)
{
    switch (topic) {
    case 1:
    case 2:
    case 3:
        return { 0, 0, nullptr, false, false };
    case 4:
    case 6:
    case 7:
    case 8:
        return { 1, 3400, nullptr, false, false };
    case 5:
    case 9:
        return { 1, 4300, nullptr, false, false };
    case 10:
        return { 1, 4300, &Form1::Frame4, true, false };
    case 11:
        return { 1, 3400, &Form1::Frame5, false, true };
    case 12:
        return { 1, 3400, &Form1::Frame6, false, false };
    case 13:
        return { 1, 0, &Form1::Frame1, false, true };
    case 14:
        return { 1, 3400, &Form1::Frame7, false, true };
    case 15:
        return { 1, 3400, &Form1::Frame8, true, false };
    case 16:
        return { 1, 4300, &Form1::Frame9, true, true };
    default:
        return { -1, 0, nullptr, false, false };
    }
}

} // namespace

void MainWindow::show_topic()
{
    const int topic = form_.topic;
    const Dispatch d = dispatch_of(topic);
    if (d.panel_mode < 0)
        return;
    reset_screen(d.panel_mode);
    if (d.side_panel > 0)
        prepare_side_panel();
    Frame *frame = d.frame ? form_.*(d.frame) : nullptr;
    if (frame && d.frame_first)
        frame->setVisible(true);
    if (d.hide_readout)
        form_.Label2->setVisible(false);
    if (topics_[std::size_t(topic)])
        topics_[std::size_t(topic)]->draw();
    if (frame && !d.frame_first)
        frame->setVisible(true);
}

void MainWindow::reset_screen(int panel_mode)
{
    Form1 &f = form_;
    Form1_surface().Cls();
    f.Picture2->setVisible(false);
    f.Timer1->set_Enabled(false);
    f.Line1->set_Visible(false);
    f.Shape1->set_Visible(false);
    f.Shape2->set_Visible(false);
    f.Picture1->setVisible(true);
    f.Picture1->surface().set_BackColor(RGB(255, 255, 255));
    f.Picture1->surface().ForeColor = RGB(0, 0, 0);
    for (Frame *frame : { f.Frame4, f.Frame5, f.Frame6, f.Frame1 })
        frame->setVisible(false);
    f.Label2->setVisible(true);
    for (Frame *frame : { f.Frame7, f.Frame8, f.Frame9 })
        frame->setVisible(false);
    if (panel_mode == 0 || panel_mode == 1)
        for (QWidget *panel :
            std::initializer_list<QWidget *> { f.Frame2, f.Frame3, f.Label7, f.Label8 })
            panel->setVisible(panel_mode == 0);
}

void MainWindow::prepare_side_panel()
{
    const int topic = form_.topic;
    const int height = dispatch_of(topic).side_panel;
    if (height > 0)
        form_.Picture2->resize_twips(height);
    Surface &panel = form_.Picture2->surface();
    panel.Scale(0, 0, 100, 100);
    panel.Cls();
    form_.Picture2->setVisible(true);
}
