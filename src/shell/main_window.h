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
class QSettings;
class DynamicModelTopic;
class LessonCommands;
class LessonSession;
class LanguageMenu;
class Languages;
class PictureCommands;
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
    double zoom = 0; // a fixed zoom, with the window sized to it; 0: the zoom fits the window
    // Where the window keeps its size, zoom and full screen between runs; none: nothing is kept.
    QSettings *settings = nullptr;
    // The lesson the window belongs to: the window has the Lesson menu and keeps what the user
    // does; none: no lessons.
    LessonSession *lesson = nullptr;
    // The language by its code ("de"); empty: the one the environment asks for.
    QString language;
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
    // The Picture menu's commands: copy, save and print the drawing and the worksheet page.
    PictureCommands &picture_commands() { return *picture_commands_; }
    // The Lesson menu's commands, where the window belongs to a lesson.
    LessonCommands *lesson_commands() { return lesson_commands_; }
    // The language the window speaks, and switching it at once: every caption, menu and
    // drawing changes, the topic on screen keeps its values (language_menu.cpp).
    Languages &languages() { return *languages_; }
    void switch_language(const QString &code);

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

    // The zoom of everything in the window below the menu bar's line: fixed, or the largest at
    // which the whole design fits the window (between min_zoom and max_fit_zoom).
    static constexpr double zoom_steps[] = { 0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75,
        2.0, 2.5, 3.0 };
    static constexpr double min_zoom = 0.5;
    static constexpr double max_fit_zoom = 6.0;
    double zoom() const;
    bool zoom_fits() const { return fit_; }
    // The dialogs' font: the menus' at the window's zoom, and never smaller than at zoom 1.
    QFont dialog_font() const;
    void set_zoom(double zoom); // a fixed zoom
    void fit_to_window();
    void zoom_in();
    void zoom_out();
    void actual_size();
    // The largest zoom at which the design and the menu bar fit a window of this client size.
    double fitting_zoom(QSize client);
    // The window's client size that shows the design at this zoom without scroll bars.
    QSize size_for_zoom(double zoom);
    void set_full_screen(bool on);
    // The next or previous of the sixteen topics in menu order, as its menu command chooses it.
    void next_topic();
    void previous_topic();
    // The window is now on a screen with this device pixel ratio: every surface draws again.
    void screen_changed(qreal device_pixel_ratio);
    // Size, zoom and full screen from the settings and back.
    void restore_settings();
    void save_settings() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void build_view_menu();
    void apply_zoom(double zoom);
    void step_topic(int step);
    int menu_bar_height(double zoom, int width);
    int estimated_menu_bar_height(double zoom);
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

    std::unique_ptr<Languages> languages_; // first, so that every text is built in the language
    LanguageMenu *language_menu_ = nullptr; // a child of the View menu
    Stage *stage_ = nullptr; // holds the window background, centred, with scroll bars if needed
    bool fit_ = true;
    qreal screen_ratio_ = 1;
    QFont menu_font_; // the menu bar's font at zoom 1
    QFont tool_tip_font_; // the tool tips' font at zoom 1
    int menu_bar_margins_ = -1; // the menu bar's height beside its text's, once measured
    QAction *full_screen_ = nullptr;
    QAction *leave_full_screen_ = nullptr;
    QSettings *settings_ = nullptr;
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
    PictureCommands *picture_commands_ = nullptr; // a child of the window
    LessonCommands *lesson_commands_ = nullptr; // a child of the window
    QElapsedTimer described_; // since the drawing's description was last brought up to date
};
