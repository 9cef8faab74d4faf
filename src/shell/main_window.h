#pragma once

#include "form1.h"
#include "topic.h"
#include "window/view_menu.h"
#include "window_host.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <array>
#include <map>
#include <memory>

class QAction;
class QMenuBar;
class DynamicModelTopic;
class HeldButtons;
class HelpMenu;
class LessonCommands;
class LessonSession;
class LanguageMenu;
class Languages;
class PictureCommands;
class PlatonicTopic;
class SequencePanels;
class SettingsFile;
class ViewMenu;
class WindowSettings;

// How the window is set up: the program shows dialogs and runs its timer; the render tool and the
// tests record messages, deliver ticks by hand and record what the surfaces draw.
struct WindowOptions
{
    qreal device_pixel_ratio = 1.0;
    bool manual_timer = false;
    bool record_drawing = false;
    MessageBox *messages = nullptr; // the window shows dialogs when none is given
    RandomSource *random = nullptr; // the window seeds its own when none is given
    double zoom = 0; // a fixed zoom, with the window sized to it; 0: the zoom fits the window
    // Where the window keeps its size, zoom and full screen between runs; none: nothing is kept.
    SettingsFile *settings = nullptr;
    // The lesson the window belongs to: the window has the Lesson menu and keeps what the user
    // does; none: no lessons.
    LessonSession *lesson = nullptr;
    // The language by its code ("de"); empty: the one the environment asks for.
    QString language;
};

// The main window: menu bar, drawing surface, side panel and the topics' frames. Owns all state,
// and the parts that add to the window what a classroom needs: the Picture menu, the View menu,
// the settings kept between runs, the held step buttons and the Help menu.
class MainWindow final : public QMainWindow, public WindowHost
{
public:
    explicit MainWindow(const WindowOptions &options = {});
    ~MainWindow() override;

    QMainWindow &widget() override { return *this; }
    Form1 &form() override { return form_; }
    Stage &stage() override { return *stage_; }
    std::map<QString, Control *> controls() override;
    const std::map<QString, QAction *> &menus() const override { return menus_; }
    Surface &Form1_surface() { return form_.background->surface(); }
    // The topic with this number (1 .. 16), for tools that inspect its parameters.
    Topic *topic(int number) const { return topics_.at(std::size_t(number)).get(); }
    // The Picture menu's commands: copy, save and print the drawing and the worksheet page.
    PictureCommands &picture_commands() { return *picture_commands_; }
    // The Lesson menu's commands, where the window belongs to a lesson.
    LessonCommands *lesson_commands() { return lesson_commands_; }
    // The language the window speaks, and switching it at once: every caption, menu and
    // drawing changes, the topic on screen keeps its values (language_menu.cpp).
    Languages &languages() { return *languages_; }
    void switch_language(const QString &code);
    // The zoom, full screen and the View menu.
    ViewMenu &view() { return *view_; }
    WindowSettings &settings() { return *settings_; }
    HelpMenu &help() { return *help_; }
    // The window's zoom, as the View menu sets it.
    double zoom() const override;
    QFont dialog_font() const override;

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

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build_design(qreal device_pixel_ratio);
    void build_menus();
    void build_picture_menu();
    void create_topics();
    void describe_controls();
    void use_keyboard_menu_style(QMenuBar *bar);
    void Form_Load();
    void show_title_screen();
    void choose(int topic);
    void Picture1_MouseMove(float x, float y);
    void Picture1_Click();

    // Assistive technology reads what the drawings show (drawing_description.cpp).
    void follow_drawing_for_assistive_technology();
    void describe_drawing();

    std::unique_ptr<Languages> languages_; // first, so that every text is built in the language
    LanguageMenu *language_menu_ = nullptr; // a child of the View menu
    Stage *stage_ = nullptr; // holds the window background, centred, with scroll bars if needed
    std::unique_ptr<MessageBox> own_messages_;
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
    PictureCommands *picture_commands_ = nullptr; // a child of the window
    LessonCommands *lesson_commands_ = nullptr; // a child of the window
    QElapsedTimer described_; // since the drawing's description was last brought up to date
    // The parts, last: they go before the window they reach.
    std::unique_ptr<ViewMenu> view_;
    std::unique_ptr<WindowSettings> settings_;
    std::unique_ptr<HeldButtons> held_buttons_;
    std::unique_ptr<HelpMenu> help_;
};
