#include "main_window.h"

#include "chaos/chaos_topic.h"
#include "golden/analytic_topic.h"
#include "golden/conic_topic.h"
#include "golden/construction_topic.h"
#include "golden/exponential_topic.h"
#include "golden/pentagram_topic.h"
#include "golden/rectangle_topic.h"
#include "golden/spiral_topic.h"
#include "language/language_menu.h"
#include "language/languages.h"
#include "lesson/lesson_commands.h"
#include "lesson/lesson_session.h"
#include "numtext.h"
#include "palette.h"
#include "picture/picture_commands.h"
#include "platonic/platonic_topic.h"
#include "population/dynamic_model_topic.h"
#include "population/life_generator_topic.h"
#include "pythagoras/pythagoras_topic.h"
#include "sequence/graph_p_topic.h"
#include "sequence/rabbit_topic.h"
#include "sequence/ratio_graph_topic.h"
#include "sequence/sequence_graph_topic.h"
#include "sequence/sequence_panels.h"
#include "window/held_buttons.h"
#include "window/help_menu.h"
#include "window/settings_file.h"
#include "window/view_menu.h"
#include "window/window_settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QSettings>
#include <QStyle>
#include <QToolTip>

#include <cmath>

MainWindow::MainWindow(const WindowOptions &options)
    : languages_(std::make_unique<Languages>())
{
    // Asked for, or chosen in the menu before, or what the environment asks for.
    QString language = options.language;
    if (language.isEmpty() && options.settings)
        language = options.settings->values().value(QLatin1String(LanguageMenu::key)).toString();
    if (!languages_->set_language(language))
        languages_->set_language(Languages::from_environment());
    form_.decimal_separator = languages_->decimal_separator();
    if (!options.messages)
        own_messages_ = std::make_unique<DialogMessageBox>(this, [this] { return dialog_font(); });
    if (!options.random)
        own_random_ = std::make_unique<SeededRandom>(SeededRandom::fresh_seed());
    timer_ = std::make_unique<Timer>(options.manual_timer);
    form_.messages = options.messages ? options.messages : own_messages_.get();
    form_.random = options.random ? options.random : own_random_.get();
    form_.Timer1 = timer_.get();
    form_.show_topic = [this] { show_topic(); };

    build_design(options.device_pixel_ratio);
    view_ = std::make_unique<ViewMenu>(*this, options.device_pixel_ratio);
    build_menus();
    plotter_ = std::make_unique<Plotter>(form_.Picture1->surface(), form_.Picture2->surface(),
        form_.background->surface(), float(4 * std::atan(1.0)));
    plotter_->decimal_separator = form_.decimal_separator;
    form_.plot = plotter_.get();
    for (Surface *s :
        { &form_.Picture1->surface(), &form_.Picture2->surface(), &Form1_surface() }) {
        s->set_recording(options.record_drawing);
        s->share_serial_counter(&drawing_order_);
    }

    connect(form_.Picture1, &PictureBox::mouse_moved, this,
        [this](float x, float y) { Picture1_MouseMove(x, y); });
    connect(form_.Picture1, &PictureBox::clicked, this, [this] { Picture1_Click(); });

    create_topics();
    Form_Load();
    for (auto &topic : topics_)
        if (topic)
            topic->connect_controls();
    sequence_panels_->connect_controls();
    follow_drawing_for_assistive_technology();
    describe_controls();

    build_picture_menu();
    if (options.lesson) {
        lesson_commands_ = new LessonCommands(*this, *options.lesson);
        // While a lesson is open, the keys step through its steps.
        view_->step_elsewhere = [this](
                                    int step) { return lesson_commands_->session().step_by(step); };
    }
    view_->build_menu();
    if (QMenu *view = menuBar()->findChild<QMenu *>(QStringLiteral("view_menu")))
        language_menu_ = new LanguageMenu(*this, *view, options.settings);
    held_buttons_ = std::make_unique<HeldButtons>(*this);
    help_ = std::make_unique<HelpMenu>(*this);

    // The window may shrink to half the design's size; it starts at the design's size, or at the
    // fixed zoom asked for, or as it was left.
    form_.background->screen_ratio_changed = [this](qreal ratio) {
        QMetaObject::invokeMethod(
            view_.get(), [this, ratio] { view_->screen_changed(ratio); }, Qt::QueuedConnection);
    };
    if (options.zoom > 0)
        view_->set_zoom(options.zoom);
    else
        view_->apply_zoom(1.0);
    // Sized by hand: a window left to size itself takes at most two thirds of the screen.
    resize(view_->size_for_zoom(zoom()));
    settings_ = std::make_unique<WindowSettings>(*this, *view_, options.settings);
    settings_->restore();
}

MainWindow::~MainWindow() = default;

double MainWindow::zoom() const { return form_.background->zoom(); }

QFont MainWindow::dialog_font() const { return view_->dialog_font(); }

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (lesson_commands_ && !lesson_commands_->session().may_discard_changes()) {
        event->ignore();
        return;
    }
    if (picture_commands_ && !picture_commands_->may_close()) {
        event->ignore();
        return;
    }
    settings_->save();
    QMainWindow::closeEvent(event);
}

void MainWindow::build_menus()
{
    QMenuBar *bar = menuBar();
    use_keyboard_menu_style(bar);
    view_->space_menus_at_the_zoom(*bar);
    const auto item = [this](QMenu *menu, const QString &name, int index, const QString &caption,
                          void (MainWindow::*handler)(int)) {
        QAction *action = menu->addAction(caption);
        connect(
            action, &QAction::triggered, this, [this, handler, index] { (this->*handler)(index); });
        menus_[name + QLatin1Char(':') + QString::number(index)] = action;
    };
    const auto top = [this, bar](const QString &name, const QString &caption) {
        QMenu *menu = bar->addMenu(caption);
        menus_[name] = menu->menuAction();
        return menu;
    };
    const auto command = [this, bar](const QString &name, const QString &caption,
                             void (MainWindow::*handler)()) {
        QAction *action = bar->addAction(caption);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        menus_[name] = action;
    };

    QMenu *fibo = top(QStringLiteral("M_Fibo"),
        QCoreApplication::translate("MainWindow", "Aurelion Relationship"));
    item(fibo, QStringLiteral("M_gr"), 0,
        QCoreApplication::translate("MainWindow", "Fibonacci's rabblis"), &MainWindow::M_Gr_Click);
    item(fibo, QStringLiteral("M_gr"), 1,
        QCoreApplication::translate("MainWindow", "Graph y = F(i)"), &MainWindow::M_Gr_Click);
    item(fibo, QStringLiteral("M_gr"), 2,
        QCoreApplication::translate("MainWindow", "Graph y = F(i+1) / F(i)"),
        &MainWindow::M_Gr_Click);
    item(fibo, QStringLiteral("M_gr"), 3, QCoreApplication::translate("MainWindow", "Graph P"),
        &MainWindow::M_Gr_Click);

    QMenu *ratio =
        top(QStringLiteral("M_ratio"), QCoreApplication::translate("MainWindow", "Golden ratio"));
    const QStringList ratio_items = { QCoreApplication::translate(
                                          "MainWindow", "Golden ratio graphic"),
        QCoreApplication::translate("MainWindow", "Golden ratio analitic"),
        QCoreApplication::translate("MainWindow", "Golden rectangle"),
        QCoreApplication::translate("MainWindow", "Golden ellips   Golden hyperbola"),
        QCoreApplication::translate("MainWindow", "Pentagram"),
        QCoreApplication::translate("MainWindow", "Golden spiral"),
        QCoreApplication::translate("MainWindow", "Exponential function") };
    for (int i = 0; i < ratio_items.size(); ++i)
        item(ratio, QStringLiteral("M_R"), i, ratio_items[i], &MainWindow::M_R_Click);

    QMenu *population =
        top(QStringLiteral("M_populatie"), QCoreApplication::translate("MainWindow", "Population"));
    item(population, QStringLiteral("M_bevolk"), 0,
        QCoreApplication::translate("MainWindow", "Life Generator"), &MainWindow::M_bevolk_Click);
    item(population, QStringLiteral("M_bevolk"), 1,
        QCoreApplication::translate("MainWindow", "Dynamic Population Model"),
        &MainWindow::M_bevolk_Click);

    command(QStringLiteral("M_chaos"), QCoreApplication::translate("MainWindow", "CHAOS"),
        &MainWindow::M_chaos_Click);
    command(QStringLiteral("M_Pyt"), QCoreApplication::translate("MainWindow", "Pythagoras"),
        &MainWindow::M_Pyt_Click);
    command(QStringLiteral("M_plato"),
        QCoreApplication::translate("MainWindow", "Platonic Figures"), &MainWindow::M_plato_Click);
    command(QStringLiteral("M_end"), QCoreApplication::translate("MainWindow", "End"),
        &MainWindow::M_end_Click);
}

// One line a topic: the topic number and its class.
void MainWindow::create_topics()
{
    sequence_panels_ = std::make_unique<SequencePanels>(form_);
    topics_[1] = std::make_unique<GraphPTopic>(form_, *sequence_panels_);
    topics_[2] = std::make_unique<RatioGraphTopic>(form_, *sequence_panels_);
    topics_[3] = std::make_unique<SequenceGraphTopic>(form_, *sequence_panels_);
    topics_[4] = std::make_unique<RectangleTopic>(form_);
    topics_[5] = std::make_unique<ConicTopic>(form_);
    topics_[6] = std::make_unique<PentagramTopic>(form_);
    topics_[7] = std::make_unique<AnalyticTopic>(form_);
    topics_[8] = std::make_unique<SpiralTopic>(form_);
    topics_[9] = std::make_unique<ConstructionTopic>(form_);
    topics_[10] = std::make_unique<LifeGeneratorTopic>(form_);
    topics_[11] = std::make_unique<PlatonicTopic>(form_);
    topics_[12] = std::make_unique<ExponentialTopic>(form_);
    topics_[13] = std::make_unique<DynamicModelTopic>(form_);
    topics_[14] = std::make_unique<RabbitTopic>(form_);
    topics_[15] = std::make_unique<ChaosTopic>(form_);
    topics_[16] = std::make_unique<PythagorasTopic>(form_);
    platonic_ = static_cast<PlatonicTopic *>(topics_[11].get());
    dynamic_model_ = static_cast<DynamicModelTopic *>(topics_[13].get());
}

std::map<QString, Control *> MainWindow::controls()
{
    std::map<QString, Control *> named;
    for (QWidget *widget : form_.background->findChildren<QWidget *>()) {
        auto *control = dynamic_cast<Control *>(widget);
        if (!control || control->name.isEmpty())
            continue;
        const QString key = control->index < 0
            ? control->name
            : control->name + QLatin1Char(':') + QString::number(control->index);
        named[key] = control;
    }
    return named;
}

void MainWindow::Form_Load()
{
    Form1 &f = form_;
    // 1. The constants.
    f.phi = (std::sqrt(5.0) + 1) / 2;
    f.pi = float(4 * std::atan(1.0));

    // 3. The birth-rate row of the dynamic model.
    f.LJ[0].set_caption(QStringLiteral("bf"));
    f.LJ[0].setToolTip(QCoreApplication::translate("MainWindow", "Burthfactor"));
    f.LG[0].setToolTip(QCoreApplication::translate("MainWindow", "Burthfactor"));

    // 5. Pythagoras.
    for (int i = 1; i <= 3; ++i) {
        f.Lab_pyt.load(i, 0, 400);
        f.L_pyt.load(i, 0, 400);
        if (i == 1) {
            f.Com_p1.load(i, 0, 400);
            f.Com_p2.load(i, 0, 400);
        }
    }
    f.Frame9->set_caption(QCoreApplication::translate("Design", "Pythagoras"));
    f.Com_p1[0].set_caption(QStringLiteral("<"));
    f.Com_p1[1].set_caption(QStringLiteral("<"));
    f.Com_p2[0].set_caption(QStringLiteral(">"));
    f.Com_p2[1].set_caption(QStringLiteral(">"));
    f.C_pyt->set_Top(f.L_pyt[3].Top() + 400);
    f.C_pyt->set_caption(QStringLiteral("e = a"));
    const QStringList pyt_names = { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
        QStringLiteral("e") };
    for (int i = 0; i < 4; ++i)
        f.Lab_pyt[i].set_caption(pyt_names[i]);
    f.Lab_pyt[2].setToolTip(QStringLiteral(" c = sqrt( a² + b² ) "));

    // 6. Chaos game.
    f.Cchaos.load(1, 480, 0);
    f.Cchaos[0].set_caption(QCoreApplication::translate("MainWindow", "Fast"));
    f.Cchaos[1].set_caption(QCoreApplication::translate("MainWindow", "Slow"));
    // A decimal comma asks for the zero before it: the factors with decimals are translated.
    const QStringList chaos_models = { QStringLiteral("n=3   k=+1/2"),
        QStringLiteral("n=3   k=-1/2"), QStringLiteral("n=6   k=+1/2"),
        QStringLiteral("n=6   k=-1/3"), QCoreApplication::translate("MainWindow", "n=3   k=+.90"),
        QStringLiteral("n=5  k=1-1/phi"), QCoreApplication::translate("MainWindow", "n=4   k=-.46"),
        QStringLiteral("n=4   k=+1/2"), QStringLiteral("n=12  k=+1/5") };
    for (int i = 1; i <= 8; ++i)
        f.Label11.load(i, 0, 320);
    for (int i = 0; i <= 8; ++i)
        f.Label11[i].set_caption(with_decimal_separator(chaos_models[i], f.decimal_separator));

    // 7. Rotation of the solids.
    f.Crot1.load(1, 1100, 0);
    f.Crot2.load(1, 1100, 0);
    for (ControlArray<Button> *turn : { &f.Crot1, &f.Crot2 }) {
        (*turn)[0].set_caption(QStringLiteral("<"));
        (*turn)[1].set_caption(QStringLiteral(">"));
    }

    // 8. The panels move to their places in the right-hand column.
    f.Picture2->place(7900, 100, 4300, f.Picture2->Height());
    f.Frame2->place(7900, 7150, f.Frame2->Width(), f.Frame2->Height());
    f.Frame3->place(7900, 1500, f.Frame3->Width(), 5500);
    f.Frame4->place(7900, 4600, f.Frame4->Width(), f.Frame4->Height());
    f.Frame5->place(7900, 4000, 2200, 2632);
    f.Frame6->place(7900, 3600, f.Frame6->Width(), 1580);
    f.Frame1->place(7900, f.Frame1->Top(), 2500, 3100);
    f.Frame7->place(7900, 5800, f.Frame7->Width(), f.Frame7->Height());
    f.Frame8->place(7900, 3600, f.Frame8->Width(), 3700);
    f.Frame9->place(7900, 4600, f.Frame9->Width(), 2400);

    // 9. The dynamic population model: 20 newborns, model 1A, ages cleared up to 100.
    dynamic_model_->set_start_values(20, 0, 100);
    dynamic_model_->init_population_model();

    // 10. Start models of the dynamic population model.
    const QStringList models = { QCoreApplication::translate("MainWindow", " Model 1A (20) "),
        QCoreApplication::translate("MainWindow", " Model 1B (15) "),
        QCoreApplication::translate("MainWindow", " Model 2  (20) "),
        QCoreApplication::translate("MainWindow", " Model 3  (20) "),
        QCoreApplication::translate("MainWindow", " Model 4A (20) "),
        QCoreApplication::translate("MainWindow", " Model 4B (15) ") };
    for (int i = 1; i <= 5; ++i)
        f.Optie.load(i, 0, 280);
    for (int i = 0; i <= 5; ++i)
        f.Optie[i].set_caption(models[i]);

    // 11. Exponential function.
    for (int i = 1; i <= 2; ++i) {
        f.LabZ.load(i, 0, 380);
        f.LabQ.load(i, 0, 380);
    }
    f.ComQ.load(1, 0, 380);
    f.ComZ.load(1, 0, 380);
    f.LabZ[0].set_caption(QStringLiteral("x"));
    f.LabZ[1].set_caption(QStringLiteral("y0"));
    f.LabZ[2].set_caption(QStringLiteral("yP"));

    // 12. The solids to choose and the view of them.
    platonic_->turn_angle = 220;
    platonic_->tilt_angle = 70;
    const QStringList solids = { QCoreApplication::translate("MainWindow", " Dodecaëder 12 "),
        QCoreApplication::translate("MainWindow", " Tetraëder 4 "),
        QCoreApplication::translate("MainWindow", " Octaëder 8 "),
        QCoreApplication::translate("MainWindow", " Icosaëder 20 ") };
    for (int i = 1; i <= 3; ++i)
        f.ChP.load(i, 0, 350);
    for (int i = 0; i <= 3; ++i)
        f.ChP[i].set_caption(solids[i]);
    platonic_->fill_solid_vertices();

    // 13. Examples of the life generator.
    for (int i = 1; i <= 3; ++i)
        f.CEx.load(i, 520, 0);
    for (int i = 0; i <= 3; ++i)
        f.CEx[i].set_caption(QStringLiteral("Ex%1").arg(i + 1));

    // 14. Parameter rows of the life generator.
    for (int i = 1; i <= 3; ++i) {
        f.LabP.load(i, 0, 300);
        f.Label9.load(i, 0, 300);
        f.Ckp.load(i, 0, 300);
        f.Ckm.load(i, 0, 300);
    }
    const QStringList parameters = { QStringLiteral("k"), QStringLiteral("w"), QStringLiteral("yo"),
        QStringLiteral("d") };
    const QStringList parameter_tips = { QCoreApplication::translate(
                                             "MainWindow", " Burthfactor (1 / Unit of time) "),
        QCoreApplication::translate("MainWindow", " Immigrationrate ( speaces / Unit of time ) "),
        QCoreApplication::translate("MainWindow", " Population at t=0 "),
        QCoreApplication::translate("MainWindow", " Deathfactor (1 / Unit of time) ") };
    for (int i = 0; i <= 3; ++i) {
        f.LabP[i].set_caption(parameters[i]);
        f.LabP[i].setToolTip(parameter_tips[i]);
    }

    // 16. The window caption: the title and a credit.
    setWindowTitle(QCoreApplication::translate("MainWindow",
        "The Aurelion relationship 1.6        a teaching program by the Aurelion team"));

    // 17. The start-value labels of the sequence.
    const double phi = f.phi;
    f.Label7->set_caption(
        QStringLiteral("phi = ") + f.format_number(phi, u"###0.0000000") + QStringLiteral("..."));
    f.Label7->setToolTip(QCoreApplication::translate(
        "MainWindow", " THE GOLDEN NUMBER  : Click for sequence F(0) = 1 , F(1) = phi "));
    f.Label8->set_caption(QStringLiteral("-1/phi = ") + f.format_number(-1 / phi, u"###0.0000000")
        + QStringLiteral("..."));
    f.Label8->setToolTip(QCoreApplication::translate(
        "MainWindow", " Click for sequence  F(0) = 1 ,  F(1) = -1/phi "));

    // 18. The start-value buttons beside table rows 10 and 11.
    f.ComM[0].set_Top(f.Label1[0].Top() + 2200);
    f.ComM.load(1, 0, 220);
    f.ComP[0].set_Top(f.Label1[0].Top() + 2200);
    f.ComP.load(1, 0, 220);

    // 19, 20. The 21 table rows; the rows of F(0) and F(1) are white and clickable.
    for (int i = 1; i <= 20; ++i) {
        f.Label1.load(i, 0, 220);
        f.Labi.load(i, 0, 220);
    }
    for (int row : { 10, 11 }) {
        f.Labi[row].set_background(RGB(255, 255, 255));
        f.Label1[row].set_background(RGB(255, 255, 255));
        f.Label1[row].setToolTip(QCoreApplication::translate(
            "MainWindow", " Click for Fibonacci sequence  F(0) = 1   F(1) = 1 "));
    }

    // 21. The Fibonacci sequence in the table and its ratio read-out, while the panels are hidden.
    sequence_panels_->classic_start();
    sequence_panels_->ratio_index = 10;
    sequence_panels_->show_ratio();

    // 22.
    show_title_screen();
}

void MainWindow::show_title_screen()
{
    Form1 &f = form_;
    for (QWidget *panel : std::initializer_list<QWidget *> { f.Picture2, f.Picture1, f.Frame4,
             f.Frame5, f.Frame6, f.Frame1, f.Label2, f.Frame2, f.Frame3, f.Label7, f.Label8,
             f.Frame7, f.Frame8, f.Frame9 })
        panel->setVisible(false);

    Plotter &plot = *f.plot;
    plot.draw_rabbit(1000, 1000, 0.4);
    plot.draw_rabbit(10000, 1000, 0.4);
    plot.draw_rabbit(11000, 3000, 0.4);
    plot.draw_rabbit(5500, 3500, 0.4);
    plot.draw_rabbit(3000, 2500, 0.9);
    plot.draw_rabbit(8000, 2500, 1);

    Surface &window = Form1_surface();
    window.set_FontSize(15);
    plot.print_on_form(5200, 800, QCoreApplication::translate("MainWindow", "THE"));
    plot.print_on_form(4700, 1400, QCoreApplication::translate("MainWindow", "AURELION"));
    plot.print_on_form(4500, 2000, QCoreApplication::translate("MainWindow", "RELATIONSHIP"));
    window.set_FontSize(12);
    plot.print_on_form(4000, 7000,
        QCoreApplication::translate("MainWindow", "A teaching program on phi and Fibonacci"));
    plot.print_on_form(
        4500, 7500, QCoreApplication::translate("MainWindow", "by the Aurelion team, 2026"));
}

void MainWindow::choose(int topic)
{
    form_.topic = topic;
    show_topic();
}

void MainWindow::M_Gr_Click(int index)
{
    static constexpr int topic_of[] = { 14, 3, 2, 1 };
    if (index >= 0 && index < 4)
        choose(topic_of[index]);
}

void MainWindow::M_R_Click(int index)
{
    static constexpr int topic_of[] = { 9, 7, 4, 5, 6, 8, 12 };
    if (index >= 0 && index < 7)
        choose(topic_of[index]);
}

void MainWindow::M_bevolk_Click(int index)
{
    if (index == 0 || index == 1)
        choose(index == 0 ? 10 : 13);
}

void MainWindow::M_chaos_Click() { choose(15); }

void MainWindow::M_Pyt_Click() { choose(16); }

void MainWindow::M_plato_Click() { choose(11); }

void MainWindow::M_end_Click()
{
    if (close())
        QApplication::quit();
}

void MainWindow::Picture1_MouseMove(float x, float y)
{
    form_.mouse_x = x;
    form_.mouse_y = y;
    form_.Label2->set_caption(readout_caption(form_.topic, x, y, form_.decimal_separator));
}

void MainWindow::Picture1_Click()
{
    if (form_.topic >= 1 && form_.topic <= 16 && topics_[std::size_t(form_.topic)])
        topics_[std::size_t(form_.topic)]->Picture1_Click();
}
