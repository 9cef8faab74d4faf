#pragma once

#include "form1.h"
#include "topic.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <array>
#include <map>
#include <memory>

class QAction;
class QMenuBar;
class DynamicModelTopic;
class PlatonicTopic;
class SequencePanels;

// How the window is set up: the program shows dialogs and runs its timer; the render tool and the
// tests record messages, deliver ticks by hand and record what the surfaces draw.
struct WindowOptions
{
    qreal device_pixel_ratio = 1.0;
    bool manual_timer = false;
    bool record_drawing = false;
    MessageBox *messages = nullptr; // the window shows dialogs when none is given
    RandomSource *random = nullptr; // the window seeds its own when none is given
};

// The main window: menu bar, drawing surface, side panel and the topics' frames. Owns all state.
class MainWindow final : public QMainWindow
{
public:
    explicit MainWindow(const WindowOptions &options = {});
    ~MainWindow() override;

    Form1 &form() { return form_; }
    // Every control by its name, array elements under "NAME:INDEX".
    std::map<QString, Control *> controls();
    // Every menu command by its name, items of a menu array under "NAME:INDEX".
    const std::map<QString, QAction *> &menus() const { return menus_; }
    Surface &Form1_surface() { return form_.background->surface(); }
    // The topic with this number (1 .. 16), for tools that inspect its parameters.
    Topic *topic(int number) const { return topics_.at(std::size_t(number)).get(); }

    // Menu handlers.
    void M_Gr_Click(int index);
    void M_R_Click(int index);
    void M_bevolk_Click(int index);
    void M_chaos_Click();
    void M_Pyt_Click();
    void M_plato_Click();
    void M_end_Click();

    // Dispatch.
    void show_topic();
    void reset_screen(int panel_mode);
    void prepare_side_panel();

private:
    void build_design(qreal device_pixel_ratio);
    void build_menus();
    void create_topics();
    void describe_controls();
    void use_keyboard_menu_style(QMenuBar *bar);
    void Form_Load();
    void show_title_screen();
    void choose(int topic);
    void Picture1_MouseMove(float x, float y);
    void Picture1_Click();

    // The Help menu, last on the bar, its two dialogs, and Ctrl+Q for End (help.cpp).
    void build_help_menu();
    void show_keyboard_shortcuts();
    void show_about();

    // The step buttons repeat while held; a message shown by a step ends the hold
    // (held_buttons.cpp).
    void repeat_held_step_buttons();

    // Assistive technology reads what the drawings show (drawing_description.cpp).
    void follow_drawing_for_assistive_technology();
    void describe_drawing();

    std::unique_ptr<MessageBox> own_messages_;
    std::unique_ptr<MessageBox> releasing_messages_; // in front of the one the window shows
    std::unique_ptr<RandomSource> own_random_;
    std::unique_ptr<Timer> timer_;
    std::unique_ptr<Plotter> plotter_;
    std::unique_ptr<ShapeControl> shape1_, shape2_;
    std::unique_ptr<LineControl> line1_;
    Form1 form_;
    std::map<QString, QAction *> menus_;
    std::uint64_t drawing_order_ = 0;
    std::unique_ptr<SequencePanels> sequence_panels_; // read by the three sequence graphs
    DynamicModelTopic *dynamic_model_ = nullptr; // start-up builds its first model
    PlatonicTopic *platonic_ = nullptr; // start-up fills its point table
    std::array<std::unique_ptr<Topic>, 17> topics_;
    QElapsedTimer described_; // since the drawing's description was last brought up to date
};
