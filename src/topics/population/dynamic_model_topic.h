#pragma once

#include "form1.h"
#include "population/population_model.h"
#include "topic.h"

#include <QCoreApplication>

// The age-class population model year by year: the age pyramid of the current year with its
// class sizes, and below it the staircase of the yearly totals.
class DynamicModelTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(DynamicModelTopic)

public:
    explicit DynamicModelTopic(Form1 &form);
    void draw() override { draw_population_model(); }
    QString description() const override;
    void connect_controls() override;

    // Start-up: the size of the youngest class, the chosen model and the ages to clear.
    void set_start_values(float young_count, int model_index, int age_table_limit);
    // A fresh start of the chosen model: distribution, survival ratios, birth rate, year 0.
    void init_population_model();
    // The start model chosen, the item index of the model labels: nothing on screen marks it.
    int chosen_model() const { return model.model_index; }

private:
    void draw_population_model();
    void draw_history_frame();

    void Command3_Click(); // next year
    void CM_Click(int index); // birth rate down
    void CP_Click(int index); // birth rate up
    void LG_Click(int index); // birth rate back to the balance rate
    void Optie_Click(int index); // another start model

    Form1 &form;
    population::AgeClasses model;
};
