<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Exponential function</source>
        <translation>Fonction exponentielle</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>dessin</translation>
    </message>
    <message>
        <source>the construction, graph or table of the topic</source>
        <translation>la construction, le graphique ou le tableau du sujet</translation>
    </message>
    <message>
        <source>explanation</source>
        <translation>explication</translation>
    </message>
    <message>
        <source>coordinates under the pointer</source>
        <translation>coordonnées sous le pointeur</translation>
    </message>
    <message>
        <source>start values 1 and phi</source>
        <translation>valeurs initiales 1 et phi</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = phi: every ratio is phi</source>
        <translation>F(0) = 1 ; F(1) = phi : chaque rapport vaut phi</translation>
    </message>
    <message>
        <source>start values 1 and -1/phi</source>
        <translation>valeurs initiales 1 et -1/phi</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = -1/phi: every ratio is -1/phi</source>
        <translation>F(0) = 1 ; F(1) = -1/phi : chaque rapport vaut -1/phi</translation>
    </message>
    <message>
        <source>start values 1 and 1</source>
        <translation>valeurs initiales 1 et 1</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = 1: the Fibonacci sequence</source>
        <translation>F(0) = 1 ; F(1) = 1 : la suite de Fibonacci</translation>
    </message>
    <message>
        <source>F(0) down</source>
        <translation>F(0) moins</translation>
    </message>
    <message>
        <source>lower the start value F(0) by 0.2, down to -2</source>
        <translation>diminuer la valeur initiale F(0) de 0,2 (jusqu’à -2)</translation>
    </message>
    <message>
        <source>F(1) down</source>
        <translation>F(1) moins</translation>
    </message>
    <message>
        <source>lower the start value F(1) by 0.2, down to -2</source>
        <translation>diminuer la valeur initiale F(1) de 0,2 (jusqu’à -2)</translation>
    </message>
    <message>
        <source>F(0) up</source>
        <translation>F(0) plus</translation>
    </message>
    <message>
        <source>raise the start value F(0) by 0.2, up to 2</source>
        <translation>augmenter la valeur initiale F(0) de 0,2 (jusqu’à 2)</translation>
    </message>
    <message>
        <source>F(1) up</source>
        <translation>F(1) plus</translation>
    </message>
    <message>
        <source>raise the start value F(1) by 0.2, up to 2</source>
        <translation>augmenter la valeur initiale F(1) de 0,2 (jusqu’à 2)</translation>
    </message>
    <message>
        <source>ratio index down</source>
        <translation>indice du rapport moins</translation>
    </message>
    <message>
        <source>show the ratio F(i+1) / F(i) for the index i one lower</source>
        <translation>afficher le rapport F(i+1) / F(i) pour l’indice i précédent</translation>
    </message>
    <message>
        <source>ratio index up</source>
        <translation>indice du rapport plus</translation>
    </message>
    <message>
        <source>show the ratio F(i+1) / F(i) for the index i one higher</source>
        <translation>afficher le rapport F(i+1) / F(i) pour l’indice i suivant</translation>
    </message>
    <message>
        <source>birth factor k down</source>
        <translation>facteur de natalité k moins</translation>
    </message>
    <message>
        <source>lower the birth factor k by 0.05, down to 0</source>
        <translation>diminuer le facteur de natalité k de 0,05 (jusqu’à 0)</translation>
    </message>
    <message>
        <source>immigration rate w down</source>
        <translation>taux d’immigration w moins</translation>
    </message>
    <message>
        <source>lower the immigration rate w by 1</source>
        <translation>diminuer le taux d’immigration w de 1</translation>
    </message>
    <message>
        <source>start population yo down</source>
        <translation>population initiale yo moins</translation>
    </message>
    <message>
        <source>lower the population at t = 0 by 1, down to 0</source>
        <translation>diminuer la population en t = 0 de 1 (jusqu’à 0)</translation>
    </message>
    <message>
        <source>death factor d down</source>
        <translation>facteur de mortalité d moins</translation>
    </message>
    <message>
        <source>lower the death factor d by 0.1, down to 0</source>
        <translation>diminuer le facteur de mortalité d de 0,1 (jusqu’à 0)</translation>
    </message>
    <message>
        <source>birth factor k up</source>
        <translation>facteur de natalité k plus</translation>
    </message>
    <message>
        <source>raise the birth factor k by 0.05, up to 1</source>
        <translation>augmenter le facteur de natalité k de 0,05 (jusqu’à 1)</translation>
    </message>
    <message>
        <source>immigration rate w up</source>
        <translation>taux d’immigration w plus</translation>
    </message>
    <message>
        <source>raise the immigration rate w by 1</source>
        <translation>augmenter le taux d’immigration w de 1</translation>
    </message>
    <message>
        <source>start population yo up</source>
        <translation>population initiale yo plus</translation>
    </message>
    <message>
        <source>raise the population at t = 0 by 1</source>
        <translation>augmenter la population en t = 0 de 1</translation>
    </message>
    <message>
        <source>death factor d up</source>
        <translation>facteur de mortalité d plus</translation>
    </message>
    <message>
        <source>raise the death factor d by 0.1, up to 1</source>
        <translation>augmenter le facteur de mortalité d de 0,1 (jusqu’à 1)</translation>
    </message>
    <message>
        <source>reset birth factor k</source>
        <translation>réinitialiser le facteur de natalité k</translation>
    </message>
    <message>
        <source>set the birth factor k to 0</source>
        <translation>mettre le facteur de natalité k à 0</translation>
    </message>
    <message>
        <source>reset immigration rate w</source>
        <translation>réinitialiser le taux d’immigration w</translation>
    </message>
    <message>
        <source>set the immigration rate w to 0</source>
        <translation>mettre le taux d’immigration w à 0</translation>
    </message>
    <message>
        <source>reset start population yo</source>
        <translation>réinitialiser la population initiale yo</translation>
    </message>
    <message>
        <source>set the population at t = 0 to 10</source>
        <translation>mettre la population en t = 0 à 10</translation>
    </message>
    <message>
        <source>reset death factor d</source>
        <translation>réinitialiser le facteur de mortalité d</translation>
    </message>
    <message>
        <source>set the death factor d to 0</source>
        <translation>mettre le facteur de mortalité d à 0</translation>
    </message>
    <message>
        <source>birth factor ln(phi)</source>
        <translation>facteur de natalité ln(phi)</translation>
    </message>
    <message>
        <source>set the birth factor k to ln(phi) and the immigration rate to 0</source>
        <translation>mettre le facteur de natalité k à ln(phi) et le taux d’immigration à 0</translation>
    </message>
    <message>
        <source>example 1</source>
        <translation>exemple 1</translation>
    </message>
    <message>
        <source>k = 0, w = 0, yo = 20, d = 0.5: the population dies out</source>
        <translation>k = 0 ; w = 0 ; yo = 20 ; d = 0,5 : la population s’éteint</translation>
    </message>
    <message>
        <source>example 2</source>
        <translation>exemple 2</translation>
    </message>
    <message>
        <source>k = 0, w = 30, yo = 0, d = 0.5: the population grows towards 15</source>
        <translation>k = 0 ; w = 30 ; yo = 0 ; d = 0,5 : la population tend vers 15</translation>
    </message>
    <message>
        <source>example 3</source>
        <translation>exemple 3</translation>
    </message>
    <message>
        <source>k = 0.4, w = 5, yo = 10, d = 0.4: linear growth</source>
        <translation>k = 0,4 ; w = 5 ; yo = 10 ; d = 0,4 : croissance linéaire</translation>
    </message>
    <message>
        <source>example 4</source>
        <translation>exemple 4</translation>
    </message>
    <message>
        <source>k = 0.4, w = 0, yo = 10, d = 0.1: exponential growth</source>
        <translation>k = 0,4 ; w = 0 ; yo = 10 ; d = 0,1 : croissance exponentielle</translation>
    </message>
    <message>
        <source>turn angle down</source>
        <translation>angle de rotation moins</translation>
    </message>
    <message>
        <source>turn the figures 5 degrees about the vertical axis</source>
        <translation>tourner les solides de 5 degrés autour de l’axe vertical</translation>
    </message>
    <message>
        <source>turn angle up</source>
        <translation>angle de rotation plus</translation>
    </message>
    <message>
        <source>turn the figures 5 degrees the other way</source>
        <translation>tourner les solides de 5 degrés dans l’autre sens</translation>
    </message>
    <message>
        <source>tilt angle down</source>
        <translation>angle d’inclinaison moins</translation>
    </message>
    <message>
        <source>tilt the figures 5 degrees about the horizontal axis</source>
        <translation>incliner les solides de 5 degrés autour de l’axe horizontal</translation>
    </message>
    <message>
        <source>tilt angle up</source>
        <translation>angle d’inclinaison plus</translation>
    </message>
    <message>
        <source>tilt the figures 5 degrees the other way</source>
        <translation>incliner les solides de 5 degrés dans l’autre sens</translation>
    </message>
    <message>
        <source>reset turn angle</source>
        <translation>réinitialiser l’angle de rotation</translation>
    </message>
    <message>
        <source>set the turn angle to 0</source>
        <translation>mettre l’angle de rotation à 0</translation>
    </message>
    <message>
        <source>reset tilt angle</source>
        <translation>réinitialiser l’angle d’inclinaison</translation>
    </message>
    <message>
        <source>set the tilt angle to 0: look straight down the z axis</source>
        <translation>mettre l’angle d’inclinaison à 0 : vue dans l’axe z</translation>
    </message>
    <message>
        <source>show dodecahedron</source>
        <translation>afficher le dodécaèdre</translation>
    </message>
    <message>
        <source>draw the dodecahedron outside the cube</source>
        <translation>tracer le dodécaèdre autour du cube</translation>
    </message>
    <message>
        <source>show tetrahedron</source>
        <translation>afficher le tétraèdre</translation>
    </message>
    <message>
        <source>draw the tetrahedron inside the cube</source>
        <translation>tracer le tétraèdre dans le cube</translation>
    </message>
    <message>
        <source>show octahedron</source>
        <translation>afficher l’octaèdre</translation>
    </message>
    <message>
        <source>draw the octahedron inside the tetrahedron</source>
        <translation>tracer l’octaèdre dans le tétraèdre</translation>
    </message>
    <message>
        <source>show icosahedron</source>
        <translation>afficher l’icosaèdre</translation>
    </message>
    <message>
        <source>draw the icosahedron inside the cube</source>
        <translation>tracer l’icosaèdre dans le cube</translation>
    </message>
    <message>
        <source>x of P down</source>
        <translation>x de P moins</translation>
    </message>
    <message>
        <source>move the point P 0.1 to the left, down to -2</source>
        <translation>déplacer le point P de 0,1 vers la gauche, jusqu’à -2</translation>
    </message>
    <message>
        <source>y0 down</source>
        <translation>y0 moins</translation>
    </message>
    <message>
        <source>lower the curve&apos;s value at x = 0 by 0.1, down to 0.2</source>
        <translation>diminuer la valeur de la courbe en x = 0 de 0,1 (jusqu’à 0,2)</translation>
    </message>
    <message>
        <source>x of P up</source>
        <translation>x de P plus</translation>
    </message>
    <message>
        <source>move the point P 0.1 to the right, up to 4</source>
        <translation>déplacer le point P de 0,1 vers la droite, jusqu’à 4</translation>
    </message>
    <message>
        <source>y0 up</source>
        <translation>y0 plus</translation>
    </message>
    <message>
        <source>raise the curve&apos;s value at x = 0 by 0.1, up to 2</source>
        <translation>augmenter la valeur de la courbe en x = 0 de 0,1 (jusqu’à 2)</translation>
    </message>
    <message>
        <source>next year</source>
        <translation>année suivante</translation>
    </message>
    <message>
        <source>advance the population model by one year</source>
        <translation>avancer le modèle de population d’une année</translation>
    </message>
    <message>
        <source>birth rate down</source>
        <translation>taux de natalité moins</translation>
    </message>
    <message>
        <source>lower the birth rate</source>
        <translation>baisser le taux de natalité</translation>
    </message>
    <message>
        <source>birth rate up</source>
        <translation>taux de natalité plus</translation>
    </message>
    <message>
        <source>raise the birth rate</source>
        <translation>augmenter le taux de natalité</translation>
    </message>
    <message>
        <source>balance birth rate</source>
        <translation>équilibrer le taux de natalité</translation>
    </message>
    <message>
        <source>restore the birth rate that keeps the population constant</source>
        <translation>rétablir le taux de natalité qui maintient la population constante</translation>
    </message>
    <message>
        <source>start model 1A</source>
        <translation>lancer le modèle 1A</translation>
    </message>
    <message>
        <source>start again with model 1A, ages up to 20</source>
        <translation>recommencer avec le modèle 1A, âges jusqu’à 20</translation>
    </message>
    <message>
        <source>start model 1B</source>
        <translation>lancer le modèle 1B</translation>
    </message>
    <message>
        <source>start again with model 1B, ages up to 15</source>
        <translation>recommencer avec le modèle 1B, âges jusqu’à 15</translation>
    </message>
    <message>
        <source>start model 2</source>
        <translation>lancer le modèle 2</translation>
    </message>
    <message>
        <source>start again with model 2, ages up to 20</source>
        <translation>recommencer avec le modèle 2, âges jusqu’à 20</translation>
    </message>
    <message>
        <source>start model 3</source>
        <translation>lancer le modèle 3</translation>
    </message>
    <message>
        <source>start again with model 3, ages up to 20</source>
        <translation>recommencer avec le modèle 3, âges jusqu’à 20</translation>
    </message>
    <message>
        <source>start model 4A</source>
        <translation>lancer le modèle 4A</translation>
    </message>
    <message>
        <source>start again with model 4A, ages up to 20</source>
        <translation>recommencer avec le modèle 4A, âges jusqu’à 20</translation>
    </message>
    <message>
        <source>start model 4B</source>
        <translation>lancer le modèle 4B</translation>
    </message>
    <message>
        <source>start again with model 4B, ages up to 15</source>
        <translation>recommencer avec le modèle 4B, âges jusqu’à 15</translation>
    </message>
    <message>
        <source>month back</source>
        <translation>mois précédent</translation>
    </message>
    <message>
        <source>show the rabbit pairs one month earlier</source>
        <translation>afficher les couples de lapins un mois plus tôt</translation>
    </message>
    <message>
        <source>month forward</source>
        <translation>mois suivant</translation>
    </message>
    <message>
        <source>show the rabbit pairs one month later</source>
        <translation>afficher les couples de lapins un mois plus tard</translation>
    </message>
    <message>
        <source>fast play</source>
        <translation>tracé rapide</translation>
    </message>
    <message>
        <source>50 points every 20 milliseconds</source>
        <translation>50 points toutes les 20 millisecondes</translation>
    </message>
    <message>
        <source>slow play</source>
        <translation>tracé lent</translation>
    </message>
    <message>
        <source>one point a second, with the chosen corner marked</source>
        <translation>un point par seconde, le sommet choisi marqué</translation>
    </message>
    <message>
        <source>triangle, k = 1/2</source>
        <translation>triangle, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, halfway to the corner</source>
        <translation>jeu du chaos à 3 sommets, à mi-chemin du sommet</translation>
    </message>
    <message>
        <source>triangle, k = -1/2</source>
        <translation>triangle, k = -1/2</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, half the distance past the corner</source>
        <translation>jeu du chaos à 3 sommets, à la moitié de la distance au-delà du sommet</translation>
    </message>
    <message>
        <source>hexagon, k = 1/2</source>
        <translation>hexagone, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 6 corners, halfway to the corner</source>
        <translation>jeu du chaos à 6 sommets, à mi-chemin du sommet</translation>
    </message>
    <message>
        <source>hexagon, k = -1/3</source>
        <translation>hexagone, k = -1/3</translation>
    </message>
    <message>
        <source>chaos game on 6 corners, a third of the distance past the corner</source>
        <translation>jeu du chaos à 6 sommets, au tiers de la distance au-delà du sommet</translation>
    </message>
    <message>
        <source>triangle, k = 0.9</source>
        <translation>triangle, k = 0,9</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, nine tenths of the distance kept</source>
        <translation>jeu du chaos à 3 sommets, neuf dixièmes de la distance conservés</translation>
    </message>
    <message>
        <source>pentagon, k = 1 - 1/phi</source>
        <translation>pentagone, k = 1 - 1/phi</translation>
    </message>
    <message>
        <source>chaos game on 5 corners with the golden factor</source>
        <translation>jeu du chaos à 5 sommets avec le facteur d’or</translation>
    </message>
    <message>
        <source>square, k = -0.46</source>
        <translation>carré, k = -0,46</translation>
    </message>
    <message>
        <source>chaos game on 4 corners, past the corner</source>
        <translation>jeu du chaos à 4 sommets, au-delà du sommet</translation>
    </message>
    <message>
        <source>square, k = 1/2</source>
        <translation>carré, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 4 corners, halfway to the corner</source>
        <translation>jeu du chaos à 4 sommets, à mi-chemin du sommet</translation>
    </message>
    <message>
        <source>12 corners, k = 1/5</source>
        <translation>12 sommets, k = 1/5</translation>
    </message>
    <message>
        <source>chaos game on 12 corners, a fifth of the distance kept</source>
        <translation>jeu du chaos à 12 sommets, un cinquième de la distance conservé</translation>
    </message>
    <message>
        <source>leg a down</source>
        <translation>côté a moins</translation>
    </message>
    <message>
        <source>shorten the leg a by 1, down to 10</source>
        <translation>raccourcir le côté a de 1 (jusqu’à 10)</translation>
    </message>
    <message>
        <source>leg b down</source>
        <translation>côté b moins</translation>
    </message>
    <message>
        <source>shorten the leg b by 1, down to 10</source>
        <translation>raccourcir le côté b de 1 (jusqu’à 10)</translation>
    </message>
    <message>
        <source>leg a up</source>
        <translation>côté a plus</translation>
    </message>
    <message>
        <source>lengthen the leg a by 1, up to 50</source>
        <translation>allonger le côté a de 1 (jusqu’à 50)</translation>
    </message>
    <message>
        <source>leg b up</source>
        <translation>côté b plus</translation>
    </message>
    <message>
        <source>lengthen the leg b by 1, up to 50</source>
        <translation>allonger le côté b de 1 (jusqu’à 50)</translation>
    </message>
    <message>
        <source>reset leg a</source>
        <translation>réinitialiser le côté a</translation>
    </message>
    <message>
        <source>set the leg a to 40</source>
        <translation>mettre le côté a à 40</translation>
    </message>
    <message>
        <source>reset leg b</source>
        <translation>réinitialiser le côté b</translation>
    </message>
    <message>
        <source>set the leg b to 30</source>
        <translation>mettre le côté b à 30</translation>
    </message>
    <message>
        <source>hypotenuse c</source>
        <translation>hypoténuse c</translation>
    </message>
    <message>
        <source>segment e</source>
        <translation>segment e</translation>
    </message>
    <message>
        <source>e = a</source>
        <translation>e = a</translation>
    </message>
    <message>
        <source>choose b so that e = a and show the golden construction</source>
        <translation>choisir b tel que e = a et montrer la construction du nombre d’or</translation>
    </message>
</context>
<context>
    <name>AnalyticTopic</name>
    <message>
        <source>GIVEN  y0</source>
        <translation>DONNÉ  y0</translation>
    </message>
    <message>
        <source>Find k so that :</source>
        <translation>Trouver k tel que :</translation>
    </message>
    <message>
        <source>y2 = k . y1   and   y2 = y1 + y0</source>
        <translation>y2 = k . y1   et   y2 = y1 + y0</translation>
    </message>
    <message>
        <source>SOLUTION    k² - k - 1 = 0</source>
        <translation>SOLUTION    k² - k - 1 = 0</translation>
    </message>
    <message>
        <source>The parabola y = k² - k - 1 for k from -0.8 to 2, crossing zero at k1 = phi = %1 and k2 = -1/phi = %2, with its axis at k = 0.5</source>
        <translation>La parabole y = k² - k - 1 pour k de -0,8 à 2, qui s’annule en k1 = phi = %1 et en k2 = -1/phi = %2 et a pour axe k = 0,5</translation>
    </message>
</context>
<context>
    <name>ChaosTopic</name>
    <message>
        <source>Given is a point F1</source>
        <translation>Soit un point F1</translation>
    </message>
    <message>
        <source>Take a random corner point C1</source>
        <translation>Choisir au hasard un sommet C1</translation>
    </message>
    <message>
        <source>Draw a line F1C1 between these points</source>
        <translation>Tracer le segment F1C1 entre ces points</translation>
    </message>
    <message>
        <source>A new point F2 on this line is found at a distance</source>
        <translation>Le nouveau point F2 du segment est à la distance</translation>
    </message>
    <message>
        <source>Take again random corner point C2</source>
        <translation>Choisir de nouveau au hasard un sommet C2</translation>
    </message>
    <message>
        <source>Draw a line between the points F2 en C2</source>
        <translation>Tracer le segment entre les points F2 et C2</translation>
    </message>
    <message>
        <source>A second new point F3 on this line is found at a distance</source>
        <translation>Un deuxième point F3 du segment est à la distance</translation>
    </message>
    <message>
        <source>Repeat this and there will emerge a pattern. </source>
        <translation>Recommencer : une figure apparaît. </translation>
    </message>
    <message>
        <source>slow, one point a second</source>
        <translation>lent, un point par seconde</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rapide</translation>
    </message>
    <message numerus="yes">
        <source>Chaos game “%1” on %2 corners with k = %3, %4: %n points drawn so far, each in the colour of the corner it jumped towards</source>
        <translation>
            <numerusform>Jeu du chaos « %1 » à %2 sommets avec k = %3 (%4) : %n point tracé jusqu’ici, de la couleur du sommet vers lequel il a sauté</numerusform>
            <numerusform>Jeu du chaos « %1 » à %2 sommets avec k = %3 (%4) : %n points tracés jusqu’ici, chacun de la couleur du sommet vers lequel il a sauté</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConicTopic</name>
    <message>
        <source>The polar equation of a conic section is :</source>
        <translation>L’équation polaire d’une conique est :</translation>
    </message>
    <message>
        <source>r = p /( 1 + e cos(h) )   with     p = ro( 1 + e )</source>
        <translation>r = p /( 1 + e cos(h) )   avec     p = ro( 1 + e )</translation>
    </message>
    <message>
        <source>If the eccentricity  e &lt; 1 you get an ellipse.</source>
        <translation>Si l’excentricité  e &lt; 1, on obtient une ellipse.</translation>
    </message>
    <message>
        <source>If e = 1/phi and the radius ro = 1/phi you get a</source>
        <translation>Avec e = 1/phi et le rayon ro = 1/phi, on obtient une</translation>
    </message>
    <message>
        <source>GOLDEN ELLIPSE with a semi major axis phi</source>
        <translation>ELLIPSE D’OR de demi-grand axe phi</translation>
    </message>
    <message>
        <source>and a semi minor axis H = sqrt(phi)</source>
        <translation>et de demi-petit axe H = sqrt(phi)</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <source>The Great Piramid of Gizeh = Green </source>
        <translation>La grande pyramide de Gizeh = vert </translation>
    </message>
    <message>
        <source>Width = 440 el    Height = 280 el     1 el = 0.5237 m</source>
        <translation>Base = 440 c.    Hauteur = 280 c.    1 coudée = 0,5237 m</translation>
    </message>
    <message>
        <source>The error in Height only 8 cm</source>
        <translation>L’erreur de hauteur n’est que de 8 cm</translation>
    </message>
    <message>
        <source>If e = phi you get a GOLDEN HYPERBOLA. If the</source>
        <translation>Avec e = phi, on obtient une HYPERBOLE D’OR. Si le</translation>
    </message>
    <message>
        <source>radius ro = 1/phi then p = phi</source>
        <translation>rayon ro = 1/phi, alors p = phi</translation>
    </message>
    <message>
        <source>GOLDEN  ELLIPSE</source>
        <translation>ELLIPSE  D’OR</translation>
    </message>
    <message>
        <source>GOLDEN  HYPERBOLA</source>
        <translation>HYPERBOLE  D’OR</translation>
    </message>
    <message>
        <source>asymptot hyperbola</source>
        <translation>asymptote de l’hyperbole</translation>
    </message>
    <message>
        <source>Golden ellipse with the semi-axes phi = %1 and sqrt(phi) = %2 and the foci F1 and F2 at 1 and -1; the green pyramid triangle with a base angle of %3°; the golden hyperbola with the vertices -1 and 1, the foci at -%1 and %1 and the asymptotes y = %2 x and y = -%2 x</source>
        <translation>Ellipse d’or de demi-axes phi = %1 et sqrt(phi) = %2 et de foyers F1 et F2 en 1 et -1 ; le triangle vert de la pyramide, d’angle à la base %3° ; l’hyperbole d’or de sommets -1 et 1, de foyers en -%1 et %1 et d’asymptotes y = %2 x et y = -%2 x</translation>
    </message>
</context>
<context>
    <name>ConstructionTopic</name>
    <message>
        <source>Euclid Book 6 : Divide a line in mean and extreme ratio</source>
        <translation>Euclide, livre VI : partager en extrême et moyenne raison</translation>
    </message>
    <message>
        <source>Grahic construction   phi = ( 1 + sqrt( 5 ) ) / 2 </source>
        <translation>Construction graphique   phi = ( 1 + sqrt( 5 ) ) / 2 </translation>
    </message>
    <message>
        <source>Ruler-and-compass construction of phi: two unit squares side by side, their diagonal OE = sqrt(5) = %1, the circle of radius 0.5 about its middle C cutting OE at A, OA = phi = %2, and at B, OB = 1/phi = %3; below the axis the segments b = 1, a = %3 and c = a + b = %2</source>
        <translation>Construction de phi à la règle et au compas : deux carrés unités côte à côte, de diagonale OE = sqrt(5) = %1 ; le cercle de rayon 0,5 centré en leur milieu C coupe OE en A, avec OA = phi = %2 et en B, avec OB = 1/phi = %3 ; sous l’axe, les segments b = 1 ; a = %3 et c = a + b = %2</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source> Sequence   F(i+2) = F(i+1) + F(i)  </source>
        <translation> Suite   F(i+2) = F(i+1) + F(i)  </translation>
    </message>
    <message>
        <source> Life Generator Data </source>
        <translation> Données du modèle </translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source> Dynamic Model </source>
        <translation> Modèle dynamique </translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>  T I M E </source>
        <translation>  T E M P S </translation>
    </message>
    <message>
        <source> CHAOS </source>
        <translation> CHAOS </translation>
    </message>
    <message>
        <source>Pythagoras</source>
        <translation>Pythagore</translation>
    </message>
</context>
<context>
    <name>DynamicModelTopic</name>
    <message>
        <source>End Simul</source>
        <translation>Fin de la simulation</translation>
    </message>
    <message>
        <source>Female      Age        Male</source>
        <translation>Femmes      Âge        Hommes</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Répartition</translation>
    </message>
    <message>
        <source>Female reproduct. age</source>
        <translation>Femmes fécondes</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nés</translation>
    </message>
    <message>
        <source>Deaht</source>
        <translation>Décès</translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Total </translation>
    </message>
    <message>
        <source>YEAR </source>
        <translation>ANNÉE </translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Polulation</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Dynamic population model %1, ages 0 to %2, year %3: a total of %4, birth rate %5 (%6 keeps the population constant); the age pyramid of the year above the totals of years 0 to %3</source>
        <translation>Modèle dynamique de population %1, âges de 0 à %2, année %3 : au total %4 ; taux de natalité %5 (%6 maintient la population constante) ; la pyramide des âges de l’année au-dessus des totaux des années 0 à %3</translation>
    </message>
</context>
<context>
    <name>ExponentialTopic</name>
    <message>
        <source>Exponential function </source>
        <translation>Fonction exponentielle </translation>
    </message>
    <message>
        <source>y = yo . e ^ k.x    with  k = ln(phi)</source>
        <translation>y = yo . e ^ k.x    avec  k = ln(phi)</translation>
    </message>
    <message>
        <source>Exponential function y = %1 phi^x with the point P at x = %2, y = %3; above it a = %4 and b = %5, beside it c = a + b = %6, with b = phi a and c = phi b</source>
        <translation>Fonction exponentielle y = %1 phi^x avec le point P en x = %2 ; y = %3 ; au-dessus a = %4 et b = %5 ; à côté c = a + b = %6 ; avec b = phi a et c = phi b</translation>
    </message>
</context>
<context>
    <name>FileName</name>
    <message>
        <source>graph-p</source>
        <translation>graphique-p</translation>
    </message>
    <message>
        <source>ratio-graph</source>
        <translation>graphique-rapport</translation>
    </message>
    <message>
        <source>sequence-graph</source>
        <translation>graphique-suite</translation>
    </message>
    <message>
        <source>golden-rectangle</source>
        <translation>rectangle-d-or</translation>
    </message>
    <message>
        <source>golden-ellipse-hyperbola</source>
        <translation>ellipse-hyperbole-d-or</translation>
    </message>
    <message>
        <source>pentagram</source>
        <translation>pentagramme</translation>
    </message>
    <message>
        <source>golden-ratio-analytic</source>
        <translation>nombre-d-or-calcul</translation>
    </message>
    <message>
        <source>golden-spiral</source>
        <translation>spirale-d-or</translation>
    </message>
    <message>
        <source>golden-ratio-construction</source>
        <translation>nombre-d-or-construction</translation>
    </message>
    <message>
        <source>life-generator</source>
        <translation>modele-de-croissance</translation>
    </message>
    <message>
        <source>platonic-figures</source>
        <translation>solides-de-platon</translation>
    </message>
    <message>
        <source>exponential-function</source>
        <translation>fonction-exponentielle</translation>
    </message>
    <message>
        <source>population-model</source>
        <translation>modele-de-population</translation>
    </message>
    <message>
        <source>rabbits</source>
        <translation>lapins</translation>
    </message>
    <message>
        <source>chaos-game</source>
        <translation>jeu-du-chaos</translation>
    </message>
    <message>
        <source>pythagoras</source>
        <translation>pythagore</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>worksheet</source>
        <translation>fiche</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1, %2</source>
        <comment>two values of a list</comment>
        <translation>%1 ; %2</translation>
    </message>
</context>
<context>
    <name>GraphPTopic</name>
    <message>
        <source>Graph P: the points P(i) = (F(i), F(i+1)) for i = -10 to 10, </source>
        <translation>Graphique P : les points P(i) = (F(i), F(i+1)) pour i de -10 à 10, </translation>
    </message>
    <message>
        <source>every point is the origin</source>
        <translation>tous les points sont à l’origine</translation>
    </message>
    <message>
        <source>every point lies on the line </source>
        <translation>tous les points sont sur la droite </translation>
    </message>
    <message>
        <source>the points approach the line %1 for growing i and the line %2 for falling i</source>
        <translation>les points s’approchent de la droite %1 quand i croît et de la droite %2 quand i décroît</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>open the menu </source>
        <translation>ouvrir le menu </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;About Aurelion</source>
        <translation>À &amp;propos d’Aurelion</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move through the buttons, check boxes and clickable labels of the frame on screen, row by row; Space or Enter presses them. A “&lt;” or “&gt;” button and “Next Year” repeat their step while they are held down, with the mouse or with Space.

The Alt key opens the menu bar; the arrow keys move in it, Enter chooses and Esc closes it.</source>
        <translation>Tab et Maj+Tab parcourent, ligne par ligne, les boutons, cases à cocher et étiquettes cliquables du cadre affiché ; Espace ou Entrée les actionne. Les boutons « &lt; », « &gt; » et « Année suivante » répètent leur pas tant qu’on les maintient enfoncés, à la souris ou avec Espace.

La touche Alt ouvre la barre de menus ; les touches fléchées permettent de s’y déplacer, Entrée choisit et Échap la ferme.</translation>
    </message>
    <message>
        <source>About Aurelion</source>
        <translation>À propos d’Aurelion</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Aurelion&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A teaching program about the golden number phi and the Fibonacci sequence.&lt;/p&gt;&lt;p&gt;Aurelion is free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;The Liberation fonts it brings along are under the SIL Open Font License 1.1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Aurelion&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Un logiciel pédagogique sur le nombre d’or phi et la suite de Fibonacci.&lt;/p&gt;&lt;p&gt;Aurelion est un logiciel libre sous la licence publique générale GNU, version 3 ou (à votre choix) toute version ultérieure (GPL-3.0-or-later). Il est fourni sans aucune garantie.&lt;/p&gt;&lt;p&gt;Les polices Liberation qu’il contient sont sous la licence SIL Open Font License 1.1.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>&amp;Lesson</source>
        <translation>&amp;Leçon</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nouvelle leçon</translation>
    </message>
    <message>
        <source>&amp;Open Lesson...</source>
        <translation>&amp;Ouvrir une leçon...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>A&amp;dd Step...</source>
        <translation>&amp;Ajouter une étape...</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>&amp;Enregistrer la leçon</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As...</source>
        <translation>Enregistrer la leçon &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Close Lesson</source>
        <translation>&amp;Fermer la leçon</translation>
    </message>
    <message>
        <source>lesson step</source>
        <translation>étape de la leçon</translation>
    </message>
    <message>
        <source>Aurelion lessons (*%1)</source>
        <translation>Leçons Aurelion (*%1)</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>Save Lesson As</source>
        <translation>Enregistrer la leçon sous</translation>
    </message>
    <message>
        <source>Add Step</source>
        <translation>Ajouter une étape</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changes that are not saved.</source>
        <translation>La leçon « %1 » a des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Étape %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>The lesson %1 cannot be opened: %2</source>
        <translation>La leçon %1 ne peut pas être ouverte : %2</translation>
    </message>
    <message>
        <source>Title screen</source>
        <translation>Écran titre</translation>
    </message>
    <message>
        <source>The lesson could not be saved as %1: %2</source>
        <translation>La leçon n’a pas pu être enregistrée sous %1 : %2</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: line %2: %3</source>
        <translation>L’étape %1 ne peut pas être affichée : ligne %2 : %3</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <translation>Étape %1 : %2</translation>
    </message>
    <message>
        <source>Lesson &amp;Title...</source>
        <translation>&amp;Titre de la leçon...</translation>
    </message>
    <message>
        <source>&amp;First Step</source>
        <translation>&amp;Première étape</translation>
    </message>
    <message>
        <source>&amp;Last Step</source>
        <translation>&amp;Dernière étape</translation>
    </message>
    <message>
        <source>Lesson Title</source>
        <translation>Titre de la leçon</translation>
    </message>
    <message>
        <source>Title of the lesson:</source>
        <translation>Titre de la leçon :</translation>
    </message>
    <message>
        <source>The file of the lesson &quot;%1&quot; was changed by another program since it was opened or saved here.</source>
        <translation>Le fichier de la leçon « %1 » a été modifié par un autre programme depuis qu’il a été ouvert ou enregistré ici.</translation>
    </message>
    <message>
        <source>Reload it, and lose the changes made here, or overwrite it with the lesson as it is here?</source>
        <translation>Le recharger, et perdre les modifications faites ici, ou l’écraser avec la leçon telle qu’elle est ici ?</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>É&amp;craser</translation>
    </message>
    <message>
        <source>The lesson %1 has no steps: its file is empty or holds only comments and a title. Add steps with Add Step (%2).</source>
        <translation>La leçon %1 n’a aucune étape : son fichier est vide ou ne contient que des commentaires et un titre. Ajoutez des étapes avec Ajouter une étape (%2).</translation>
    </message>
    <message>
        <source>Checking the new step...</source>
        <translation>Vérification de la nouvelle étape...</translation>
    </message>
    <message>
        <source>Showing step %1 of %2...</source>
        <translation>Affichage de l’étape %1 sur %2...</translation>
    </message>
    <message>
        <source>The picture cannot become a step: %1. Choose its topic afresh and add the step sooner.</source>
        <translation>L’image ne peut pas devenir une étape : %1. Choisissez de nouveau son sujet et ajoutez l’étape plus tôt.</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Réponse : %1</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Corrigé : %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Re&amp;veal Answer</source>
        <translation>&amp;Montrer la réponse</translation>
    </message>
    <message>
        <source>Save &amp;Handout...</source>
        <translation>Enregistrer le poly&amp;copié...</translation>
    </message>
    <message>
        <source>Save as &amp;Web Page...</source>
        <translation>Enregistrer comme page &amp;Web...</translation>
    </message>
    <message>
        <source>The step needs a title.</source>
        <translation>L’étape doit avoir un titre.</translation>
    </message>
    <message>
        <source>A step has at most %1 paragraphs of text.</source>
        <translation>Une étape compte au plus %1 paragraphes de texte.</translation>
    </message>
    <message>
        <source>A paragraph has at most %1 characters.</source>
        <translation>Un paragraphe compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>An answer needs its question.</source>
        <translation>Une réponse doit avoir sa question.</translation>
    </message>
    <message>
        <source>&amp;Title of the step:</source>
        <translation>&amp;Titre de l’étape :</translation>
    </message>
    <message>
        <source>Te&amp;xt for the pupils, a paragraph a line:</source>
        <translation>Te&amp;xte pour les élèves, un paragraphe par ligne :</translation>
    </message>
    <message>
        <source>&amp;Questions, each with its answer or none:</source>
        <translation>&amp;Questions, chacune avec sa réponse ou sans :</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Web page for the pupils (*.html)</source>
        <translation>Page Web pour les élèves (*.html)</translation>
    </message>
    <message>
        <source>Web page with the answers (*.html)</source>
        <translation>Page Web avec les réponses (*.html)</translation>
    </message>
    <message>
        <source>Handout for the pupils (*.pdf)</source>
        <translation>Polycopié pour les élèves (*.pdf)</translation>
    </message>
    <message>
        <source>Answer key (*.pdf)</source>
        <translation>Corrigé (*.pdf)</translation>
    </message>
    <message>
        <source>Save as Web Page</source>
        <translation>Enregistrer comme page Web</translation>
    </message>
    <message>
        <source>Save Handout</source>
        <translation>Enregistrer le polycopié</translation>
    </message>
    <message>
        <source>The lesson has no steps yet. Add steps with Add Step (%1).</source>
        <translation>La leçon n’a pas encore d’étapes. Ajoutez-en avec « Ajouter une étape » (%1).</translation>
    </message>
    <message>
        <source>The handout could not be saved as %1: %2</source>
        <translation>Le polycopié n’a pas pu être enregistré sous %1 : %2</translation>
    </message>
    <message>
        <source>Making the handout...</source>
        <translation>Création du polycopié...</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: %2</source>
        <translation>L’étape %1 ne peut pas être affichée : %2</translation>
    </message>
    <message>
        <source>the contents could not be made</source>
        <translation>le contenu n’a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>LifeGeneratorTopic</name>
    <message>
        <source>LIFE GENERATOR         LINEAR MODEL</source>
        <translation>CROISSANCE         MODÈLE LINÉAIRE</translation>
    </message>
    <message>
        <source>See also: Population - Dynamic Population Model</source>
        <translation>Voir aussi : Population - Modèle dynamique</translation>
    </message>
    <message>
        <source>integration</source>
        <translation>intégration</translation>
    </message>
    <message>
        <source>y        POPULATION NUMBER</source>
        <translation>y        EFFECTIF</translation>
    </message>
    <message>
        <source>TIME SCALE  t</source>
        <translation>TEMPS  t</translation>
    </message>
    <message>
        <source>Time constant T1 = </source>
        <translation>Constante de temps T1 = </translation>
    </message>
    <message>
        <source>The population goes down at t=0</source>
        <translation>La population diminue en t=0</translation>
    </message>
    <message>
        <source>The population goes up at t=0</source>
        <translation>La population augmente en t=0</translation>
    </message>
    <message>
        <source>The population is constant</source>
        <translation>La population est constante</translation>
    </message>
    <message>
        <source> y = y0 . phi ^ t   (red curve)</source>
        <translation> y = y0 . phi ^ t   (courbe rouge)</translation>
    </message>
    <message>
        <source>Life generator with k = %1, w = %2, yo = %3 and d = %4: </source>
        <translation>Modèle de croissance avec k = %1 ; w = %2 ; yo = %3 et d = %4 : </translation>
    </message>
    <message>
        <source>y = yL + (yo - yL) e^((k - d) t) with the limit yL = %1 and the time constant T1 = %2</source>
        <translation>y = yL + (yo - yL) e^((k - d) t) avec la limite yL = %1 et la constante de temps T1 = %2</translation>
    </message>
    <message>
        <source>the straight line y = w t + yo</source>
        <translation>la droite y = w t + yo</translation>
    </message>
    <message>
        <source>; the population goes down at t=0</source>
        <translation> ; la population diminue en t=0</translation>
    </message>
    <message>
        <source>; the population goes up at t=0</source>
        <translation> ; la population augmente en t=0</translation>
    </message>
    <message>
        <source>; the population is constant</source>
        <translation> ; la population est constante</translation>
    </message>
    <message>
        <source>. In red for comparison y = yo phi^t</source>
        <translation>. En rouge, pour comparer, y = yo phi^t</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Aurelion Relationship</source>
        <translation>Relation Aurelion</translation>
    </message>
    <message>
        <source>Fibonacci&apos;s rabblis</source>
        <translation>Les lapins de Fibonacci</translation>
    </message>
    <message>
        <source>Graph y = F(i)</source>
        <translation>Graphique y = F(i)</translation>
    </message>
    <message>
        <source>Graph y = F(i+1) / F(i)</source>
        <translation>Graphique y = F(i+1) / F(i)</translation>
    </message>
    <message>
        <source>Graph P</source>
        <translation>Graphique P</translation>
    </message>
    <message>
        <source>Golden ratio</source>
        <translation>Nombre d’or</translation>
    </message>
    <message>
        <source>Golden ratio graphic</source>
        <translation>Nombre d’or, construction</translation>
    </message>
    <message>
        <source>Golden ratio analitic</source>
        <translation>Nombre d’or, calcul</translation>
    </message>
    <message>
        <source>Golden rectangle</source>
        <translation>Rectangle d’or</translation>
    </message>
    <message>
        <source>Golden ellips   Golden hyperbola</source>
        <translation>Ellipse d’or   Hyperbole d’or</translation>
    </message>
    <message>
        <source>Pentagram</source>
        <translation>Pentagramme</translation>
    </message>
    <message>
        <source>Golden spiral</source>
        <translation>Spirale d’or</translation>
    </message>
    <message>
        <source>Exponential function</source>
        <translation>Fonction exponentielle</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Life Generator</source>
        <translation>Modèle de croissance</translation>
    </message>
    <message>
        <source>Dynamic Population Model</source>
        <translation>Modèle dynamique de population</translation>
    </message>
    <message>
        <source>CHAOS</source>
        <translation>CHAOS</translation>
    </message>
    <message>
        <source>Pythagoras</source>
        <translation>Pythagore</translation>
    </message>
    <message>
        <source>Platonic Figures</source>
        <translation>Solides de Platon</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Burthfactor</source>
        <translation>Facteur de natalité</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Vite</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source> Model 1A (20) </source>
        <translation> Modèle 1A (20) </translation>
    </message>
    <message>
        <source> Model 1B (15) </source>
        <translation> Modèle 1B (15) </translation>
    </message>
    <message>
        <source> Model 2  (20) </source>
        <translation> Modèle 2  (20) </translation>
    </message>
    <message>
        <source> Model 3  (20) </source>
        <translation> Modèle 3  (20) </translation>
    </message>
    <message>
        <source> Model 4A (20) </source>
        <translation> Modèle 4A (20) </translation>
    </message>
    <message>
        <source> Model 4B (15) </source>
        <translation> Modèle 4B (15) </translation>
    </message>
    <message>
        <source> Dodecaëder 12 </source>
        <translation> Dodécaèdre 12 </translation>
    </message>
    <message>
        <source> Tetraëder 4 </source>
        <translation> Tétraèdre 4 </translation>
    </message>
    <message>
        <source> Octaëder 8 </source>
        <translation> Octaèdre 8 </translation>
    </message>
    <message>
        <source> Icosaëder 20 </source>
        <translation> Icosaèdre 20 </translation>
    </message>
    <message>
        <source> Burthfactor (1 / Unit of time) </source>
        <translation> Facteur de natalité (1 / unité de temps) </translation>
    </message>
    <message>
        <source> Immigrationrate ( speaces / Unit of time ) </source>
        <translation> Taux d’immigration ( individus / unité de temps ) </translation>
    </message>
    <message>
        <source> Population at t=0 </source>
        <translation> Population en t=0 </translation>
    </message>
    <message>
        <source> Deathfactor (1 / Unit of time) </source>
        <translation> Facteur de mortalité (1 / unité de temps) </translation>
    </message>
    <message>
        <source>The Aurelion relationship 1.6        a teaching program by the Aurelion team</source>
        <translation>La relation Aurelion 1.6        un logiciel pédagogique de l’équipe Aurelion</translation>
    </message>
    <message>
        <source> THE GOLDEN NUMBER  : Click for sequence F(0) = 1 , F(1) = phi </source>
        <translation> LE NOMBRE D’OR  : cliquer pour la suite F(0) = 1 ; F(1) = phi </translation>
    </message>
    <message>
        <source> Click for sequence  F(0) = 1 ,  F(1) = -1/phi </source>
        <translation> Cliquer pour la suite  F(0) = 1 ;  F(1) = -1/phi </translation>
    </message>
    <message>
        <source> Click for Fibonacci sequence  F(0) = 1   F(1) = 1 </source>
        <translation> Cliquer pour la suite de Fibonacci  F(0) = 1   F(1) = 1 </translation>
    </message>
    <message>
        <source>THE</source>
        <translation>LA</translation>
    </message>
    <message>
        <source>AURELION</source>
        <translation>RELATION</translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation>AURELION</translation>
    </message>
    <message>
        <source>A teaching program on phi and Fibonacci</source>
        <translation>Un logiciel pédagogique sur phi et Fibonacci</translation>
    </message>
    <message>
        <source>by the Aurelion team, 2026</source>
        <translation>par l’équipe Aurelion, 2026</translation>
    </message>
    <message>
        <source>n=3   k=+.90</source>
        <translation>n=3   k=+0,90</translation>
    </message>
    <message>
        <source>n=4   k=-.46</source>
        <translation>n=4   k=-0,46</translation>
    </message>
</context>
<context>
    <name>PentagramTopic</name>
    <message>
        <source>PENTAGRAM</source>
        <translation>PENTAGRAMME</translation>
    </message>
    <message>
        <source>The line p2p4 has a lenght c</source>
        <translation>Le segment p2p4 a pour longueur c</translation>
    </message>
    <message>
        <source>Triangle A,p2,p1  and  p1,p2,p4 :</source>
        <translation>Triangles A,p2,p1  et  p1,p2,p4 :</translation>
    </message>
    <message>
        <source>Point A : Divide line p2,p4 in mean and extreme ratio</source>
        <translation>Le point A partage p2,p4 en extrême et moyenne raison</translation>
    </message>
    <message>
        <source>If  b = 1  then  c = phi  and   a = 1/phi</source>
        <translation>Si  b = 1  alors  c = phi  et   a = 1/phi</translation>
    </message>
    <message>
        <source>Pentagram: a regular pentagon p1 to p5 of side 1 with its five diagonals of length phi = %1; their crossing point A divides the diagonal p2p4 into a = %2 and b = 1, so that a / b = b / (a + b)</source>
        <translation>Pentagramme : un pentagone régulier p1 à p5 de côté 1 et ses cinq diagonales de longueur phi = %1 ; leur point d’intersection A partage la diagonale p2p4 en a = %2 et b = 1, de sorte que a / b = b / (a + b)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copier l’image</translation>
    </message>
    <message>
        <source>&amp;Save Picture As…</source>
        <translation>&amp;Enregistrer l’image sous…</translation>
    </message>
    <message>
        <source>Save &amp;Worksheet As…</source>
        <translation>Enregistrer la &amp;fiche sous…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Aperçu avant impression…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primer…</translation>
    </message>
    <message>
        <source>&amp;Record Animation</source>
        <translation>En&amp;registrer une animation</translation>
    </message>
    <message>
        <source>S&amp;top Recording…</source>
        <translation>Arrê&amp;ter l’enregistrement…</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2.</source>
        <translation>L’image n’a pas pu être enregistrée sous %1.

%2.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1.

%2.</source>
        <translation>La fiche n’a pas pu être enregistrée sous %1.

%2.</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>Enregistrer la fiche</translation>
    </message>
    <message>
        <source>The worksheet could not be printed to %1.

%2.</source>
        <translation>La fiche n’a pas pu être imprimée dans %1.

%2.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The worksheet could not be sent to the printer %1.</source>
        <translation>La fiche n’a pas pu être envoyée à l’imprimante %1.</translation>
    </message>
    <message>
        <source>screen size</source>
        <translation>taille de l’écran</translation>
    </message>
    <message>
        <source>twice the size</source>
        <translation>taille double</translation>
    </message>
    <message>
        <source>four times the size</source>
        <translation>taille quadruple</translation>
    </message>
    <message>
        <source>PNG image, %1, %2 × %3 pixels (*.png)</source>
        <translation>Image PNG, %1, %2 × %3 pixels (*.png)</translation>
    </message>
    <message>
        <source>SVG vector drawing (*.svg)</source>
        <translation>Dessin vectoriel SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF vector drawing (*.pdf)</source>
        <translation>Dessin vectoriel PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Enregistrer l’image sous</translation>
    </message>
    <message>
        <source>Save Worksheet As</source>
        <translation>Enregistrer la fiche sous</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Worksheet Page</source>
        <translation>Page de la fiche</translation>
    </message>
    <message>
        <source>Letter, 8.5 × 11 in</source>
        <translation>Lettre US, 8,5 × 11 po</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier :</translation>
    </message>
    <message>
        <source>&amp;Black and white, for a printer without colour</source>
        <translation>&amp;Noir et blanc, pour une imprimante sans couleur</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimer la fiche</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Enregistrer l’animation</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animé (*.gif)</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Enregistrer une animation</translation>
    </message>
    <message>
        <source>

Save it, discard it, or cancel and go on recording?</source>
        <translation>

L’enregistrer, l’abandonner ou annuler et continuer l’enregistrement ?</translation>
    </message>
    <message>
        <source>

Save it or discard it?</source>
        <translation>

L’enregistrer ou l’abandonner ?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>Aurelion drawing</source>
        <translation>Dessin d’Aurelion</translation>
    </message>
    <message numerus="yes">
        <source>The recording of %n frames is not saved.</source>
        <translation>
            <numerusform>L’animation de %n image n’est pas enregistrée.</numerusform>
            <numerusform>L’animation de %n images n’est pas enregistrée.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlatonicTopic</name>
    <message>
        <source>Plato (about 427 - 347 BC), Greek philosopher,</source>
        <translation>Platon (vers 427 - 347 av. J.-C.), philosophe grec,</translation>
    </message>
    <message>
        <source>gave the figures his name; his pupil was Aristotle</source>
        <translation>a donné son nom aux solides ; son élève : Aristote</translation>
    </message>
    <message>
        <source>There are only five platonic figures</source>
        <translation>Il n’y a que cinq solides de Platon</translation>
    </message>
    <message>
        <source>Given is a cube with lenght L = 10</source>
        <translation>Soit un cube d’arête L = 10</translation>
    </message>
    <message>
        <source>The dodecaëder constructed outside the cube has</source>
        <translation>Le dodécaèdre construit autour du cube a</translation>
    </message>
    <message>
        <source>a lenght  Ld = L / phi</source>
        <translation>une arête  Ld = L / phi</translation>
    </message>
    <message>
        <source>The icosaëder constructed inside the cube has</source>
        <translation>L’icosaèdre construit dans le cube a</translation>
    </message>
    <message>
        <source>a lenght  Li = L / phi</source>
        <translation>une arête  Li = L / phi</translation>
    </message>
    <message>
        <source>The tetraëder constructed inside de cube has a</source>
        <translation>Le tétraèdre construit dans le cube a</translation>
    </message>
    <message>
        <source>length Lt = sqrt(2). L</source>
        <translation>une arête Lt = sqrt(2). L</translation>
    </message>
    <message>
        <source>The octaëder is constructed inside de tetraëder</source>
        <translation>L’octaèdre est construit dans le tétraèdre</translation>
    </message>
    <message>
        <source>THE PLATONIC FIGURES</source>
        <translation>LES SOLIDES DE PLATON</translation>
    </message>
    <message>
        <source>More figures in another program by the same maker</source>
        <translation>D’autres solides dans un autre programme</translation>
    </message>
    <message>
        <source>click for coördinates</source>
        <translation>clic : coordonnées</translation>
    </message>
    <message>
        <source>Distance p27,p9 = Ld / 2</source>
        <translation>Distance p27,p9 = Ld / 2</translation>
    </message>
    <message>
        <source>Coördinates p</source>
        <translation>Coordonnées p</translation>
    </message>
    <message>
        <source>the dotted cube of side 10</source>
        <translation>le cube en pointillé d’arête 10</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Platonic figures turned %1° and tilted %2°, with the x, y and z axes: %3%4</source>
        <translation>Solides de Platon tournés de %1° et inclinés de %2°, avec les axes x, y et z : %3%4</translation>
    </message>
    <message>
        <source>, no other solid</source>
        <translation>, aucun autre solide</translation>
    </message>
    <message>
        <source>the dodecahedron outside the cube</source>
        <translation>le dodécaèdre autour du cube</translation>
    </message>
    <message>
        <source>the tetrahedron inside it</source>
        <translation>le tétraèdre à l’intérieur</translation>
    </message>
    <message>
        <source>the octahedron inside the tetrahedron</source>
        <translation>l’octaèdre dans le tétraèdre</translation>
    </message>
    <message>
        <source>the icosahedron inside the cube</source>
        <translation>l’icosaèdre dans le cube</translation>
    </message>
</context>
<context>
    <name>PythagorasTopic</name>
    <message>
        <source>Pythagoras of Samos lived from 575 to 500 BC.</source>
        <translation>Pythagore de Samos vécut de 575 à 500 av. J.-C.</translation>
    </message>
    <message>
        <source>He spent 22 years in Egypt and 12 years in Babylon.</source>
        <translation>Il passa 22 ans en Égypte et 12 ans à Babylone.</translation>
    </message>
    <message>
        <source>Given is a rectangular TRIANGLE ABC with a area  a.b / 2</source>
        <translation>Soit un TRIANGLE rectangle ABC d’aire  a.b / 2</translation>
    </message>
    <message>
        <source>Make a square AFGH with lenght  L = a + b</source>
        <translation>Construire un carré AFGH de côté  L = a + b</translation>
    </message>
    <message>
        <source>Make a square CBDE with lenght  c</source>
        <translation>Construire un carré CBDE de côté  c</translation>
    </message>
    <message>
        <source>The area of AFGH is :</source>
        <translation>L’aire de AFGH est :</translation>
    </message>
    <message>
        <source>The area of CBDE is equal to :  a² + b² = c²</source>
        <translation>L’aire de CBDE est donc :  a² + b² = c²</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <source>Area  BDKJ = d . c = a²</source>
        <translation>Aire  BDKJ = d . c = a²</translation>
    </message>
    <message>
        <source>Area  JKEC = e . c = b²</source>
        <translation>Aire  JKEC = e . c = b²</translation>
    </message>
    <message>
        <source>If e = a then c = phi * a and the rectange JKEC is a</source>
        <translation>Si e = a, alors c = phi * a et le rectangle JKEC est un</translation>
    </message>
    <message>
        <source>golden rectangle.</source>
        <translation>rectangle d’or.</translation>
    </message>
    <message>
        <source>Great pyramid of Cheops: try a = 22 and b = 28</source>
        <translation>Pyramide de Khéops : essayer a = 22 et b = 28</translation>
    </message>
    <message>
        <source>Pythagoras with the legs a = %1 and b = %2, the hypotenuse c = %3 and e = %4: the square on c inside the square of side a + b = %5 has the area a² + b² = %6, the squares on a and b beside it</source>
        <translation>Pythagore avec les côtés de l’angle droit a = %1 et b = %2 ; l’hypoténuse c = %3 et e = %4 : le carré sur c dans le carré de côté a + b = %5 a pour aire a² + b² = %6 ; les carrés sur a et b à côté</translation>
    </message>
    <message>
        <source>; with the golden construction: e = a, c = phi a, and JKEC is a golden rectangle</source>
        <translation> ; avec la construction du nombre d’or : e = a ; c = phi a et JKEC est un rectangle d’or</translation>
    </message>
</context>
<context>
    <name>RabbitTopic</name>
    <message>
        <source>month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>FIBONACCI&apos;S RABBITS</source>
        <translation>LES LAPINS DE FIBONACCI</translation>
    </message>
    <message>
        <source>The Fibonacci sequence of numbers 1, 1, 2, 3, 5, 8,...</source>
        <translation>La suite de Fibonacci 1, 1, 2, 3, 5, 8,...</translation>
    </message>
    <message>
        <source>was found by Leonardo of Pisa, called Fibonacci,</source>
        <translation>fut trouvée par Léonard de Pise, dit Fibonacci,</translation>
    </message>
    <message>
        <source>an Italian mathematician born around 1175.</source>
        <translation>mathématicien italien né vers 1175.</translation>
    </message>
    <message>
        <source>The sequence of the numbers are following the</source>
        <translation>Les termes de la suite suivent la</translation>
    </message>
    <message>
        <source>relationchip</source>
        <translation>relation de récurrence</translation>
    </message>
    <message>
        <source>Every female rabbit always produces one pair newly</source>
        <translation>Chaque lapine donne chaque mois un couple</translation>
    </message>
    <message>
        <source>born rabbis every month from the second month on.</source>
        <translation>de lapereaux, à partir du deuxième mois.</translation>
    </message>
    <message>
        <source>At month 0 there is one newly born pair of rabbits</source>
        <translation>Au mois 0, il y a un couple de lapereaux</translation>
    </message>
    <message>
        <source>The rabbits never DIE</source>
        <translation>Les lapins ne MEURENT jamais</translation>
    </message>
    <message>
        <source>Who created the first pair ???</source>
        <translation>Qui a créé le premier couple ???</translation>
    </message>
    <message>
        <source>Rabbits Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>(Month&apos;s)</source>
        <translation>(mois)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>----- Time ---&gt;</source>
        <translation>----- Temps ---&gt;</translation>
    </message>
    <message>
        <source>Age one month</source>
        <translation>Âgés d’un mois</translation>
    </message>
    <message>
        <source>Newly - BORN</source>
        <translation>NOUVEAU-NÉS</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Fibonacci Numbers  F(i)</source>
        <translation>Nombres de Fibonacci  F(i)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>PAIRS of RABBITS</source>
        <translation>COUPLES de LAPINS</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>Start Reprod.</source>
        <translation>Début reprod.</translation>
    </message>
    <message numerus="yes">
        <source>Fibonacci&apos;s rabbits, month %1 of %2: %n pairs of rabbits; the totals month by month, the Fibonacci numbers: %3</source>
        <translation>
            <numerusform>Les lapins de Fibonacci, mois %1 sur %2 : %n couple de lapins ; les totaux mois par mois, les nombres de Fibonacci : %3</numerusform>
            <numerusform>Les lapins de Fibonacci, mois %1 sur %2 : %n couples de lapins ; les totaux mois par mois, les nombres de Fibonacci : %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RatioGraphTopic</name>
    <message>
        <source>If  i = + infinite  Then F(i+1) / F(i) =  phi</source>
        <translation>Quand  i → +∞,  F(i+1) / F(i) → phi</translation>
    </message>
    <message>
        <source>Ratio graph F(i+1)/F(i) for i = -10 to 10, </source>
        <translation>Graphique du rapport F(i+1)/F(i) pour i de -10 à 10, </translation>
    </message>
    <message>
        <source>every F(i) is 0, so there is no ratio to draw</source>
        <translation>tous les F(i) sont nuls, il n’y a aucun rapport à tracer</translation>
    </message>
    <message>
        <source>every point lies on </source>
        <translation>tous les points sont sur </translation>
    </message>
    <message>
        <source>the points approach %1 for growing i and %2 for falling i</source>
        <translation>les points s’approchent de %1 quand i croît et de %2 quand i décroît</translation>
    </message>
    <message>
        <source>; no point for i = %1, where F(i) is 0</source>
        <translation> ; aucun point pour i = %1, où F(i) est nul</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>%1: the recording holds %2 frames, as many as a recording may</source>
        <translation>%1 : l’enregistrement compte %2 images, le maximum possible</translation>
    </message>
    <message>
        <source>%1: no frame was recorded: the drawing was not shown</source>
        <translation>%1 : aucune image enregistrée : le dessin n’était pas affiché</translation>
    </message>
    <message>
        <source>The recording holds %1 frames, as many as a recording may, and has stopped.</source>
        <translation>L’enregistrement compte %1 images, le maximum possible, et s’est arrêté.</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Enregistrer une animation</translation>
    </message>
    <message>
        <source>The recording has stopped.

%1.</source>
        <translation>L’enregistrement s’est arrêté.

%1.</translation>
    </message>
    <message>
        <source>The recording could not be kept.

%1.</source>
        <translation>L’enregistrement n’a pas pu être conservé.

%1.</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>The recording could not be saved as %1.

%2.</source>
        <translation>L’animation n’a pas pu être enregistrée sous %1.

%2.</translation>
    </message>
    <message numerus="yes">
        <source>● REC  %n frames</source>
        <translation>
            <numerusform>● REC  %n image</numerusform>
            <numerusform>● REC  %n images</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>What an earlier run of Aurelion kept for recovery cannot be read and has been removed:

%1</source>
        <translation>Ce qu’une exécution précédente d’Aurelion avait conservé pour la récupération est illisible et a été supprimé :

%1</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 while it was recording the drawing. The recording was not saved.</source>
        <translation>Aurelion s’est fermé le %1 à %2 pendant l’enregistrement du dessin. L’animation n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Recover it and choose where to save it, discard it, or decide at the next start?</source>
        <translation>La récupérer et choisir où l’enregistrer, l’abandonner ou décider au prochain démarrage ?</translation>
    </message>
    <message>
        <source>The recovered work could not be saved as %1: %2.</source>
        <translation>Le travail récupéré n’a pas pu être enregistré sous %1 : %2.</translation>
    </message>
    <message>
        <source>&amp;Recover…</source>
        <translation>&amp;Récupérer…</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 before a new lesson was saved.</source>
        <translation>Aurelion s’est fermé le %1 à %2 avant l’enregistrement d’une nouvelle leçon.</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 before the lesson &quot;%3&quot; was saved.</source>
        <translation>Aurelion s’est fermé le %1 à %2 avant l’enregistrement de la leçon « %3 ».</translation>
    </message>
</context>
<context>
    <name>RectangleTopic</name>
    <message>
        <source>GOLDEN  RECTANGLE</source>
        <translation>RECTANGLE  D’OR</translation>
    </message>
    <message>
        <source>Golden sprial</source>
        <translation>Spirale d’or</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Golden rectangle: squares of side 1, phi = %1, phi² = %2, phi³ = %3 and phi⁴ = %4 around the corner points A to G, the diagonals EG and DF crossing in the pole S = (0.276, 0.447), the golden spiral about S and its approximation by quarter circles</source>
        <translation>Rectangle d’or : carrés de côtés 1 ; phi = %1 ; phi² = %2 ; phi³ = %3 et phi⁴ = %4 autour des sommets A à G, les diagonales EG et DF se coupant au pôle S = (0,276 ; 0,447), la spirale d’or autour de S et son approximation par des quarts de cercle</translation>
    </message>
</context>
<context>
    <name>RenderUsage</name>
    <message>
        <source>Usage: aurelion-render [OPTIONS] ACTION...

Runs the program&apos;s start-up on the offscreen platform, then the actions in order, each through
the handler a user&apos;s click reaches, then writes the outputs.

Actions:
  menu:NAME[:INDEX]   a menu command by control name (menu:M_R:4 is Golden ratio, Pentagram)
  click:NAME[:INDEX]  a click on a button, label or check box (click:ComP:0, click:Label7)
  move:X,Y            the pointer moves over the drawing surface to user point (X, Y)
  press:X,Y           the pointer moves there and clicks the drawing surface
  tick[:N]            N ticks of the timer (default 1), each only while it is enabled
  zoom:Z              the window&apos;s zoom becomes Z (0.5 to 4), as View, Zoom In does

Options:
  --seed N            seed of the random source, for reproducible pictures
  --png FILE          the window&apos;s client area as a user sees it
  --picture FILE      only the drawing surface, by the extension: .png, or .svg or .pdf for
                      vector graphics at the drawing&apos;s size on a 96-dpi screen (134.7 mm)
                      (again for more pictures of the same state, each in its own format)
  --page FILE.pdf     a worksheet page: the topic&apos;s name, the drawing, the side panel&apos;s text
                      and the values of the topic&apos;s panels, with the program&apos;s name below
  --paper a4|letter   the worksheet&apos;s paper (default a4)
  --black-and-white   the picture and the page for a printer without colour: lines and texts
                      black, fills light, the background white
  --scale F           device pixel ratio of the PNG pictures (default 1)
  --zoom Z            the window&apos;s zoom for --png, from 0.5 to 4 (default 1): every control,
                      text and line Z times as large; --picture is not affected
  --animation FILE.gif  a GIF of the drawing (as --picture shows it, at --scale) with a frame
                      after every action that leaves the drawing shown
  --frame-every N     with tick actions, a frame every N ticks instead of one after the action
  --delay MS          how long each frame shows, 20 to 600000 ms (default 500, or 40 for
                      frames of ticks); the last frame holds 3 seconds
  --loop, --once      the GIF plays forever (the default) or once
  --language CODE     the language of every text and number: en, de, fr, es, it or pt_BR
                      (default: the one the environment asks for, as the program chooses)
  --state FILE        the window&apos;s state as JSON
  --trace FILE        what the surfaces show, one JSON object a line
  --lesson FILE       a lesson file (.aurelion-lesson); its steps replay from the start
  --step N            the outputs show the lesson&apos;s step N (from 1), then the actions given
  --handout FILE.pdf  the whole lesson as a booklet: a title page, then a worksheet page for
                      every step headed with its title, its texts and its questions with ruled
                      lines to answer on (--paper and --black-and-white apply)
  --handout FILE.html  the whole lesson as one web page for any browser, phone or learning
                      platform: each step&apos;s drawing, texts and questions, no scripts and no
                      request to any other file
  --answer-key FILE   the same as --handout (.pdf or .html) with each question&apos;s answer
  --format png|svg|pdf  the format of --picture where its name has no extension (-, a pipe)
  --help              this text

Every FILE is written whole or not at all, through a temporary file beside it, and all of
them take their names together once all are made, or none does; a pipe or a
device is written in place, and - is the standard output (one output at most), so
  aurelion-render menu:M_R:2 --picture - --format svg &gt; rectangle.svg
A name whose extension says another format (--png a.svg), an empty name, the same file for
two outputs and a folder that is missing or cannot be written are refused before drawing;
so are a file you may not write, an output that is the --lesson file, an output option
given twice (but --picture) and an animation of more than 3000 frames.
The window is drawn at --zoom times --scale (and at any zoom:Z): at most 16384 pixels a side.
It is always drawn offscreen, whatever QT_QPA_PLATFORM says.

Exit status: 0 when everything is done and written; 1 when this text cannot be written to
the standard output; 2 for a bad argument, action or output (a one-line message on standard
error names it; an output that cannot be written, a full disk or a closed pipe among them,
says why). SIGINT and SIGTERM end it by the signal, with no temporary file left.
</source>
        <translation>Utilisation : aurelion-render [OPTIONS] ACTION...

Exécute le démarrage du programme sur la plateforme hors écran, puis les actions dans l’ordre,
chacune par le gestionnaire qu’atteint un clic de l’utilisateur, puis écrit les sorties.

Actions :
  menu:NOM[:INDEX]    une commande de menu par nom de contrôle (menu:M_R:4 est Nombre d’or,
                      Pentagramme)
  click:NOM[:INDEX]   un clic sur un bouton, une étiquette ou une case à cocher
                      (click:ComP:0, click:Label7)
  move:X,Y            le pointeur va sur la surface de dessin au point (X, Y) de ses coordonnées
  press:X,Y           le pointeur y va et clique sur la surface de dessin
  tick[:N]            N tops de la minuterie (1 par défaut), chacun seulement si elle est active
  zoom:Z              le zoom de la fenêtre devient Z (0.5 à 4), comme Affichage, Zoom avant

Options :
  --seed N            graine du générateur aléatoire, pour des images reproductibles
  --png FICHIER       la zone cliente de la fenêtre telle que l’utilisateur la voit
  --picture FICHIER   la seule surface de dessin, selon l’extension : .png, ou .svg ou .pdf pour
                      un dessin vectoriel à la taille du dessin sur un écran à 96 dpi (134,7 mm)
                      (à répéter pour plusieurs images du même état, chacune dans son format)
  --page FICHIER.pdf  une fiche : le nom du sujet, le dessin, le texte du panneau latéral et
                      les valeurs des panneaux du sujet, avec le nom du programme en bas
  --paper a4|letter   le papier de la fiche (a4 par défaut)
  --black-and-white   l’image et la page pour une imprimante sans couleur : traits et textes
                      noirs, remplissages clairs, fond blanc
  --scale F           rapport de pixels des images PNG (1 par défaut)
  --zoom Z            le zoom de la fenêtre pour --png, de 0.5 à 4 (1 par défaut) : chaque
                      contrôle, texte et trait Z fois plus grand ; --picture n’est pas concerné
  --animation FICHIER.gif  un GIF du dessin (tel que --picture le montre, à --scale) avec une
                      image après chaque action qui laisse le dessin affiché
  --frame-every N     avec des actions tick, une image tous les N tops au lieu d’une après l’action
  --delay MS          durée d’affichage de chaque image, de 20 à 600000 ms (500 par défaut, ou 40
                      pour des images de tops) ; la dernière image reste 3 secondes
  --loop, --once      le GIF tourne sans fin (par défaut) ou une seule fois
  --language CODE     la langue de tous les textes et nombres : en, de, fr, es, it ou pt_BR
                      (par défaut : celle que demande l’environnement, comme pour le programme)
  --state FICHIER     l’état de la fenêtre en JSON
  --trace FICHIER     ce que montrent les surfaces, un objet JSON par ligne
  --lesson FICHIER    une leçon (.aurelion-lesson) ; ses étapes sont rejouées depuis le début
  --step N            les sorties montrent l’étape N de la leçon (à partir de 1), puis les actions
                      données
  --handout FICHIER.pdf  toute la leçon en livret : une page de titre, puis une fiche par
                      étape, titrée par son titre, avec ses textes et ses questions suivies de
                      lignes pour répondre (--paper et --black-and-white s’appliquent)
  --handout FICHIER.html  toute la leçon en une page web pour tout navigateur, téléphone ou
                      plateforme d’apprentissage : dessin, textes et questions de chaque étape,
                      sans script ni accès à un autre fichier
  --answer-key FICHIER  comme --handout (.pdf ou .html), avec la réponse à chaque question
  --format png|svg|pdf  le format de --picture quand son nom n’a pas d’extension (-, un tube)
  --help              ce texte

Chaque FICHIER est écrit en entier ou pas du tout, par un fichier temporaire à côté, et tous
prennent leur nom ensemble une fois tous faits, ou aucun ; un tube ou un périphérique est écrit
sur place, et - est la sortie standard (une sortie au plus), ainsi
  aurelion-render menu:M_R:2 --picture - --format svg &gt; rectangle.svg
Un nom dont l’extension indique un autre format (--png a.svg), un nom vide, le même fichier pour
deux sorties et un dossier absent ou impossible à écrire sont refusés avant le dessin ; de même
un fichier qu’on n’a pas le droit d’écrire, une sortie qui est le fichier de --lesson, une
option de sortie donnée deux fois (sauf --picture) et une animation de plus de 3000 images. La
fenêtre est dessinée à --zoom fois --scale (et à tout zoom:Z) : 16384 pixels de côté au plus.
Elle est toujours dessinée hors écran, quoi que dise QT_QPA_PLATFORM.

Code de retour : 0 quand tout est fait et écrit ; 1 quand ce texte ne peut pas être écrit sur
la sortie standard ; 2 pour un argument, une action ou une sortie incorrects (un message d’une
ligne sur la sortie d’erreur le nomme ; une sortie qui ne peut pas être écrite, disque plein ou
tube fermé compris, dit pourquoi). SIGINT et SIGTERM y mettent fin par le signal, sans laisser
de fichier temporaire.
</translation>
    </message>
</context>
<context>
    <name>SequenceGraphTopic</name>
    <message>
        <source>Graph y = F(i) for i = -10 to 10, </source>
        <translation>Graphique y = F(i) pour i de -10 à 10, </translation>
    </message>
    <message>
        <source>, with the curve y = %1 phi^x; </source>
        <translation> (avec la courbe y = %1 phi^x) ; </translation>
    </message>
    <message>
        <source>every F(i) is 0</source>
        <translation>tous les F(i) sont nuls</translation>
    </message>
    <message>
        <source>for growing i the points grow like the curve, F(i+1)/F(i) approaching </source>
        <translation>quand i croît, les points croissent comme la courbe, F(i+1)/F(i) tendant vers </translation>
    </message>
    <message>
        <source>for growing i the points shrink towards 0 with alternating signs, F(i+1)/F(i) being </source>
        <translation>quand i croît, les points tendent vers 0 en changeant de signe, F(i+1)/F(i) valant </translation>
    </message>
</context>
<context>
    <name>SequencePanels</name>
    <message>
        <source> = infinite </source>
        <translation> = infini </translation>
    </message>
    <message>
        <source>start values F(0) = %1 and F(1) = %2</source>
        <translation>valeurs initiales F(0) = %1 et F(1) = %2</translation>
    </message>
</context>
<context>
    <name>SpiralTopic</name>
    <message>
        <source>GOLDEN  SPIRAL</source>
        <translation>SPIRALE  D’OR</translation>
    </message>
    <message>
        <source>The polar equation of a golden spiral is :</source>
        <translation>L’équation polaire d’une spirale d’or est :</translation>
    </message>
    <message>
        <source>Golden spiral r = phi^(h / 90°) about the origin: the radius grows by phi = %1 every quarter turn; the points at whole quarter turns, from r = %2 to r = %3, are joined by chords</source>
        <translation>Spirale d’or r = phi^(h / 90°) autour de l’origine : le rayon est multiplié par phi = %1 à chaque quart de tour ; les points à chaque quart de tour entier (de r = %2 à r = %3) sont reliés par des cordes</translation>
    </message>
</context>
<context>
    <name>StateWords</name>
    <message>
        <source>triangle half</source>
        <translation>triangle un demi</translation>
    </message>
    <message>
        <source>triangle minus half</source>
        <translation>triangle moins un demi</translation>
    </message>
    <message>
        <source>hexagon half</source>
        <translation>hexagone un demi</translation>
    </message>
    <message>
        <source>hexagon minus third</source>
        <translation>hexagone moins un tiers</translation>
    </message>
    <message>
        <source>triangle nine tenths</source>
        <translation>triangle neuf dixièmes</translation>
    </message>
    <message>
        <source>pentagon golden</source>
        <translation>pentagone d’or</translation>
    </message>
    <message>
        <source>square minus 0.46</source>
        <translation>carré moins 0,46</translation>
    </message>
    <message>
        <source>square half</source>
        <translation>carré un demi</translation>
    </message>
    <message>
        <source>dodecagon fifth</source>
        <translation>dodécagone un cinquième</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>-%1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a symbol and its value</comment>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>turn %1</source>
        <translation>rotation %1°</translation>
    </message>
    <message>
        <source>tilt %1</source>
        <translation>inclinaison %1°</translation>
    </message>
    <message>
        <source>year %1</source>
        <translation>année %1</translation>
    </message>
    <message>
        <source>month %1</source>
        <translation>mois %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>a start model of the population model, as a title names it</comment>
        <translation>modèle %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two values of a lesson step&apos;s proposed title</comment>
        <translation>%1 ; %2</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Usage: aurelion [--reset-settings] [LESSON.aurelion-lesson]

Opens the Aurelion window. The window&apos;s size and place, its zoom and full screen are kept
between runs in the settings file ~/.config/Aurelion/Aurelion.conf.

  --reset-settings    forget them and start at the design&apos;s size
  LESSON              open the lesson and show its first step
  --help              this text
  --version           the program&apos;s version
</source>
        <translation>Utilisation : aurelion [--reset-settings] [LEÇON.aurelion-lesson]

Ouvre la fenêtre d’Aurelion. La taille et la position de la fenêtre, son zoom et le plein
écran sont conservés d’une session à l’autre dans le fichier de réglages
~/.config/Aurelion/Aurelion.conf.

  --reset-settings    les oublier et démarrer à la taille d’origine
  LEÇON               ouvrir la leçon et afficher sa première étape
  --help              ce texte
  --version           la version du programme
</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>A&amp;juster à la fenêtre</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Next Topic</source>
        <translation>Sujet &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Previous Topic</source>
        <translation>Sujet pré&amp;cédent</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>turn angle</source>
        <translation>angle de rotation</translation>
    </message>
    <message>
        <source>tilt angle</source>
        <translation>angle d’inclinaison</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>affiché</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>masqué</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
</context>
</TS>
