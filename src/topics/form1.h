#pragma once

#include "controls.h"
#include "message_box.h"
#include "numtext.h"
#include "picture_box.h"
#include "plotter.h"
#include "random_source.h"
#include "timer.h"
#include "topic.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>

// The main window as the topics reach it: its surfaces and controls, the values shared by all
// topics, the timer, the message box and the random source. The window owns all of it.
struct Form1
{
    double phi = 0; // (1 + sqrt 5) / 2
    float pi = 0; // 4 arctan 1 in single precision; every degree-to-radian conversion uses it
    int topic = 0; // the topic on screen, 1..16; 0 until the first menu choice
    float mouse_x = 0, mouse_y = 0; // the last pointer position over the drawing surface

    // Redraws the current topic from scratch, as a menu command does.
    std::function<void()> show_topic;

    // The number forms as the window's language writes them: its decimal separator in place of
    // the point ("1,618" in German).
    QChar decimal_separator = u'.';
    template <typename T> QString format_number(T value, QStringView pattern) const
    {
        return with_decimal_separator(::format_number(value, pattern), decimal_separator);
    }
    template <typename T> QString str_form(T value) const
    {
        return with_decimal_separator(::str_form(value), decimal_separator);
    }
    template <typename T> QString plain_form(T value) const
    {
        return with_decimal_separator(::plain_form(value), decimal_separator);
    }
    QString single_text(float value) const
    {
        return with_decimal_separator(::single_text(value), decimal_separator);
    }
    QString spoken(double value, int decimals = 3) const
    {
        return with_decimal_separator(::spoken(value, decimals), decimal_separator);
    }
    // Values in a row as the language keeps them apart: with semicolons where a comma is the
    // decimal separator ("k = 0,4; w = 5").
    static QString value_list(const QStringList &values)
    {
        QString list = values.value(0);
        for (qsizetype i = 1; i < values.size(); ++i)
            list = QCoreApplication::translate("Form1", "%1, %2", "two values of a list")
                       .arg(list, values[i]);
        return list;
    }

    FormSurface *background = nullptr; // the window background, drawn on in twips
    PictureBox *Picture1 = nullptr; // the drawing surface
    PictureBox *Picture2 = nullptr; // the side panel, scaled 0..100 both ways
    Plotter *plot = nullptr;
    Label *Label2 = nullptr; // coordinate read-out
    ShapeControl *Shape1 = nullptr;
    ShapeControl *Shape2 = nullptr;
    LineControl *Line1 = nullptr;
    Timer *Timer1 = nullptr;
    MessageBox *messages = nullptr;
    RandomSource *random = nullptr;

    // Sequence panels.
    Label *Label7 = nullptr, *Label8 = nullptr;
    Frame *Frame2 = nullptr, *Frame3 = nullptr;
    Button *Command1 = nullptr, *Command2 = nullptr;
    Label *Label5 = nullptr, *Label6 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    ControlArray<Label> Labi, Label1;
    ControlArray<Button> ComM, ComP;

    // Life generator.
    Frame *Frame4 = nullptr;
    ControlArray<Label> LabP, Label9;
    ControlArray<Button> Ckm, Ckp, CEx;
    Button *ComF = nullptr;

    // Rotation of the solids.
    Frame *Frame5 = nullptr;
    ControlArray<Button> Crot1, Crot2;
    Label *Lh1 = nullptr, *Lh2 = nullptr;
    ControlArray<CheckBox> ChP;

    // Exponential function.
    Frame *Frame6 = nullptr;
    ControlArray<Label> LabZ, LabQ;
    ControlArray<Button> ComQ, ComZ;

    // Dynamic population model.
    Frame *Frame1 = nullptr;
    Button *Command3 = nullptr;
    ControlArray<Label> LJ, LG, Optie;
    ControlArray<Button> CM, CP;

    // Time steps of the rabbits.
    Frame *Frame7 = nullptr;
    Button *Command4 = nullptr, *Command5 = nullptr;
    Label *Label10 = nullptr;

    // Chaos game.
    Frame *Frame8 = nullptr;
    ControlArray<Button> Cchaos;
    ControlArray<Label> Label11;

    // Pythagoras.
    Frame *Frame9 = nullptr;
    ControlArray<Label> Lab_pyt, L_pyt;
    ControlArray<Button> Com_p1, Com_p2;
    Button *C_pyt = nullptr;
};
