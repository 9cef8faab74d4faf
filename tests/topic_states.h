#pragma once

// One state of each of the sixteen topics, as render-tool actions, chosen so that its frame's
// values and its drawing are not the start's and it draws most of what it can: the window's
// reference pictures and the picture files are checked in these states.
struct TopicState
{
    const char *name;
    const char *actions;
};

inline constexpr TopicState topic_states[] = {
    { "rabbits-month-6",
        "menu:M_gr:0 click:Command5 click:Command5 click:Command5 click:Command5 "
        "click:Command5 click:Command5" },
    { "sequence-graph-p", "menu:M_gr:1 click:ComP:0" },
    { "ratio-graph-phi", "menu:M_gr:2 click:Label7" },
    { "sequence-table", "menu:M_gr:3 click:Command2" },
    { "golden-ratio-graphic", "menu:M_R:0" },
    { "golden-ratio-analytic", "menu:M_R:1" },
    { "golden-rectangle", "menu:M_R:2" },
    { "golden-ellipse", "menu:M_R:3" },
    { "pentagram", "menu:M_R:4" },
    { "golden-spiral", "menu:M_R:5" },
    { "exponential-function", "menu:M_R:6 click:ComZ:0 click:ComQ:1" },
    { "life-generator", "menu:M_bevolk:0 click:Ckp:0 click:CEx:0" },
    { "population-year-3", "menu:M_bevolk:1 click:Command3 click:Command3 click:Command3" },
    { "chaos-pentagon", "--seed 7 menu:M_chaos click:Label11:5 tick:40" },
    { "pythagoras-golden", "menu:M_Pyt click:C_pyt click:Com_p2:1" },
    { "platonic-dodecahedron", "menu:M_plato click:Crot1:0 click:ChP:0" },
};
