<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Accessibility</name>
    <message>
        <source>Exponential function</source>
        <translation>Funzione esponenziale</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>disegno</translation>
    </message>
    <message>
        <source>the construction, graph or table of the topic</source>
        <translation>la costruzione, il grafico o la tabella dell’argomento</translation>
    </message>
    <message>
        <source>explanation</source>
        <translation>spiegazione</translation>
    </message>
    <message>
        <source>coordinates under the pointer</source>
        <translation>coordinate sotto il puntatore</translation>
    </message>
    <message>
        <source>start values 1 and phi</source>
        <translation>valori iniziali 1 e phi</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = phi: every ratio is phi</source>
        <translation>F(0) = 1; F(1) = phi: ogni rapporto vale phi</translation>
    </message>
    <message>
        <source>start values 1 and -1/phi</source>
        <translation>valori iniziali 1 e -1/phi</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = -1/phi: every ratio is -1/phi</source>
        <translation>F(0) = 1; F(1) = -1/phi: ogni rapporto vale -1/phi</translation>
    </message>
    <message>
        <source>start values 1 and 1</source>
        <translation>valori iniziali 1 e 1</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = 1: the Fibonacci sequence</source>
        <translation>F(0) = 1; F(1) = 1: la successione di Fibonacci</translation>
    </message>
    <message>
        <source>F(0) down</source>
        <translation>F(0) meno</translation>
    </message>
    <message>
        <source>lower the start value F(0) by 0.2, down to -2</source>
        <translation>diminuire il valore iniziale F(0) di 0,2 (fino a -2)</translation>
    </message>
    <message>
        <source>F(1) down</source>
        <translation>F(1) meno</translation>
    </message>
    <message>
        <source>lower the start value F(1) by 0.2, down to -2</source>
        <translation>diminuire il valore iniziale F(1) di 0,2 (fino a -2)</translation>
    </message>
    <message>
        <source>F(0) up</source>
        <translation>F(0) più</translation>
    </message>
    <message>
        <source>raise the start value F(0) by 0.2, up to 2</source>
        <translation>aumentare il valore iniziale F(0) di 0,2 (fino a 2)</translation>
    </message>
    <message>
        <source>F(1) up</source>
        <translation>F(1) più</translation>
    </message>
    <message>
        <source>raise the start value F(1) by 0.2, up to 2</source>
        <translation>aumentare il valore iniziale F(1) di 0,2 (fino a 2)</translation>
    </message>
    <message>
        <source>ratio index down</source>
        <translation>indice del rapporto meno</translation>
    </message>
    <message>
        <source>show the ratio F(i+1) / F(i) for the index i one lower</source>
        <translation>mostrare il rapporto F(i+1) / F(i) per l’indice i precedente</translation>
    </message>
    <message>
        <source>ratio index up</source>
        <translation>indice del rapporto più</translation>
    </message>
    <message>
        <source>show the ratio F(i+1) / F(i) for the index i one higher</source>
        <translation>mostrare il rapporto F(i+1) / F(i) per l’indice i successivo</translation>
    </message>
    <message>
        <source>birth factor k down</source>
        <translation>fattore di natalità k meno</translation>
    </message>
    <message>
        <source>lower the birth factor k by 0.05, down to 0</source>
        <translation>diminuire il fattore di natalità k di 0,05 (fino a 0)</translation>
    </message>
    <message>
        <source>immigration rate w down</source>
        <translation>tasso di immigrazione w meno</translation>
    </message>
    <message>
        <source>lower the immigration rate w by 1</source>
        <translation>diminuire il tasso di immigrazione w di 1</translation>
    </message>
    <message>
        <source>start population yo down</source>
        <translation>popolazione iniziale yo meno</translation>
    </message>
    <message>
        <source>lower the population at t = 0 by 1, down to 0</source>
        <translation>diminuire la popolazione in t = 0 di 1 (fino a 0)</translation>
    </message>
    <message>
        <source>death factor d down</source>
        <translation>fattore di mortalità d meno</translation>
    </message>
    <message>
        <source>lower the death factor d by 0.1, down to 0</source>
        <translation>diminuire il fattore di mortalità d di 0,1 (fino a 0)</translation>
    </message>
    <message>
        <source>birth factor k up</source>
        <translation>fattore di natalità k più</translation>
    </message>
    <message>
        <source>raise the birth factor k by 0.05, up to 1</source>
        <translation>aumentare il fattore di natalità k di 0,05 (fino a 1)</translation>
    </message>
    <message>
        <source>immigration rate w up</source>
        <translation>tasso di immigrazione w più</translation>
    </message>
    <message>
        <source>raise the immigration rate w by 1</source>
        <translation>aumentare il tasso di immigrazione w di 1</translation>
    </message>
    <message>
        <source>start population yo up</source>
        <translation>popolazione iniziale yo più</translation>
    </message>
    <message>
        <source>raise the population at t = 0 by 1</source>
        <translation>aumentare la popolazione in t = 0 di 1</translation>
    </message>
    <message>
        <source>death factor d up</source>
        <translation>fattore di mortalità d più</translation>
    </message>
    <message>
        <source>raise the death factor d by 0.1, up to 1</source>
        <translation>aumentare il fattore di mortalità d di 0,1 (fino a 1)</translation>
    </message>
    <message>
        <source>reset birth factor k</source>
        <translation>azzerare il fattore di natalità k</translation>
    </message>
    <message>
        <source>set the birth factor k to 0</source>
        <translation>porre il fattore di natalità k a 0</translation>
    </message>
    <message>
        <source>reset immigration rate w</source>
        <translation>azzerare il tasso di immigrazione w</translation>
    </message>
    <message>
        <source>set the immigration rate w to 0</source>
        <translation>porre il tasso di immigrazione w a 0</translation>
    </message>
    <message>
        <source>reset start population yo</source>
        <translation>ripristinare la popolazione iniziale yo</translation>
    </message>
    <message>
        <source>set the population at t = 0 to 10</source>
        <translation>porre la popolazione in t = 0 a 10</translation>
    </message>
    <message>
        <source>reset death factor d</source>
        <translation>azzerare il fattore di mortalità d</translation>
    </message>
    <message>
        <source>set the death factor d to 0</source>
        <translation>porre il fattore di mortalità d a 0</translation>
    </message>
    <message>
        <source>birth factor ln(phi)</source>
        <translation>fattore di natalità ln(phi)</translation>
    </message>
    <message>
        <source>set the birth factor k to ln(phi) and the immigration rate to 0</source>
        <translation>porre il fattore di natalità k a ln(phi) e il tasso di immigrazione a 0</translation>
    </message>
    <message>
        <source>example 1</source>
        <translation>esempio 1</translation>
    </message>
    <message>
        <source>k = 0, w = 0, yo = 20, d = 0.5: the population dies out</source>
        <translation>k = 0; w = 0; yo = 20; d = 0,5: la popolazione si estingue</translation>
    </message>
    <message>
        <source>example 2</source>
        <translation>esempio 2</translation>
    </message>
    <message>
        <source>k = 0, w = 30, yo = 0, d = 0.5: the population grows towards 15</source>
        <translation>k = 0; w = 30; yo = 0; d = 0,5: la popolazione tende a 15</translation>
    </message>
    <message>
        <source>example 3</source>
        <translation>esempio 3</translation>
    </message>
    <message>
        <source>k = 0.4, w = 5, yo = 10, d = 0.4: linear growth</source>
        <translation>k = 0,4; w = 5; yo = 10; d = 0,4: crescita lineare</translation>
    </message>
    <message>
        <source>example 4</source>
        <translation>esempio 4</translation>
    </message>
    <message>
        <source>k = 0.4, w = 0, yo = 10, d = 0.1: exponential growth</source>
        <translation>k = 0,4; w = 0; yo = 10; d = 0,1: crescita esponenziale</translation>
    </message>
    <message>
        <source>turn angle down</source>
        <translation>angolo di rotazione meno</translation>
    </message>
    <message>
        <source>turn the figures 5 degrees about the vertical axis</source>
        <translation>ruotare i solidi di 5 gradi attorno all’asse verticale</translation>
    </message>
    <message>
        <source>turn angle up</source>
        <translation>angolo di rotazione più</translation>
    </message>
    <message>
        <source>turn the figures 5 degrees the other way</source>
        <translation>ruotare i solidi di 5 gradi nell’altro verso</translation>
    </message>
    <message>
        <source>tilt angle down</source>
        <translation>angolo di inclinazione meno</translation>
    </message>
    <message>
        <source>tilt the figures 5 degrees about the horizontal axis</source>
        <translation>inclinare i solidi di 5 gradi attorno all’asse orizzontale</translation>
    </message>
    <message>
        <source>tilt angle up</source>
        <translation>angolo di inclinazione più</translation>
    </message>
    <message>
        <source>tilt the figures 5 degrees the other way</source>
        <translation>inclinare i solidi di 5 gradi nell’altro verso</translation>
    </message>
    <message>
        <source>reset turn angle</source>
        <translation>azzerare l’angolo di rotazione</translation>
    </message>
    <message>
        <source>set the turn angle to 0</source>
        <translation>porre l’angolo di rotazione a 0</translation>
    </message>
    <message>
        <source>reset tilt angle</source>
        <translation>azzerare l’angolo di inclinazione</translation>
    </message>
    <message>
        <source>set the tilt angle to 0: look straight down the z axis</source>
        <translation>porre l’angolo di inclinazione a 0: guardare lungo l’asse z</translation>
    </message>
    <message>
        <source>show dodecahedron</source>
        <translation>mostrare il dodecaedro</translation>
    </message>
    <message>
        <source>draw the dodecahedron outside the cube</source>
        <translation>disegnare il dodecaedro attorno al cubo</translation>
    </message>
    <message>
        <source>show tetrahedron</source>
        <translation>mostrare il tetraedro</translation>
    </message>
    <message>
        <source>draw the tetrahedron inside the cube</source>
        <translation>disegnare il tetraedro dentro il cubo</translation>
    </message>
    <message>
        <source>show octahedron</source>
        <translation>mostrare l’ottaedro</translation>
    </message>
    <message>
        <source>draw the octahedron inside the tetrahedron</source>
        <translation>disegnare l’ottaedro dentro il tetraedro</translation>
    </message>
    <message>
        <source>show icosahedron</source>
        <translation>mostrare l’icosaedro</translation>
    </message>
    <message>
        <source>draw the icosahedron inside the cube</source>
        <translation>disegnare l’icosaedro dentro il cubo</translation>
    </message>
    <message>
        <source>x of P down</source>
        <translation>x di P meno</translation>
    </message>
    <message>
        <source>move the point P 0.1 to the left, down to -2</source>
        <translation>spostare il punto P di 0,1 a sinistra, fino a -2</translation>
    </message>
    <message>
        <source>y0 down</source>
        <translation>y0 meno</translation>
    </message>
    <message>
        <source>lower the curve&apos;s value at x = 0 by 0.1, down to 0.2</source>
        <translation>diminuire il valore della curva in x = 0 di 0,1 (fino a 0,2)</translation>
    </message>
    <message>
        <source>x of P up</source>
        <translation>x di P più</translation>
    </message>
    <message>
        <source>move the point P 0.1 to the right, up to 4</source>
        <translation>spostare il punto P di 0,1 a destra, fino a 4</translation>
    </message>
    <message>
        <source>y0 up</source>
        <translation>y0 più</translation>
    </message>
    <message>
        <source>raise the curve&apos;s value at x = 0 by 0.1, up to 2</source>
        <translation>aumentare il valore della curva in x = 0 di 0,1 (fino a 2)</translation>
    </message>
    <message>
        <source>next year</source>
        <translation>anno successivo</translation>
    </message>
    <message>
        <source>advance the population model by one year</source>
        <translation>far avanzare il modello di popolazione di un anno</translation>
    </message>
    <message>
        <source>birth rate down</source>
        <translation>tasso di natalità meno</translation>
    </message>
    <message>
        <source>lower the birth rate</source>
        <translation>abbassare il tasso di natalità</translation>
    </message>
    <message>
        <source>birth rate up</source>
        <translation>tasso di natalità più</translation>
    </message>
    <message>
        <source>raise the birth rate</source>
        <translation>alzare il tasso di natalità</translation>
    </message>
    <message>
        <source>balance birth rate</source>
        <translation>bilanciare il tasso di natalità</translation>
    </message>
    <message>
        <source>restore the birth rate that keeps the population constant</source>
        <translation>ripristinare il tasso di natalità che mantiene costante la popolazione</translation>
    </message>
    <message>
        <source>start model 1A</source>
        <translation>avviare il modello 1A</translation>
    </message>
    <message>
        <source>start again with model 1A, ages up to 20</source>
        <translation>ricominciare con il modello 1A, età fino a 20</translation>
    </message>
    <message>
        <source>start model 1B</source>
        <translation>avviare il modello 1B</translation>
    </message>
    <message>
        <source>start again with model 1B, ages up to 15</source>
        <translation>ricominciare con il modello 1B, età fino a 15</translation>
    </message>
    <message>
        <source>start model 2</source>
        <translation>avviare il modello 2</translation>
    </message>
    <message>
        <source>start again with model 2, ages up to 20</source>
        <translation>ricominciare con il modello 2, età fino a 20</translation>
    </message>
    <message>
        <source>start model 3</source>
        <translation>avviare il modello 3</translation>
    </message>
    <message>
        <source>start again with model 3, ages up to 20</source>
        <translation>ricominciare con il modello 3, età fino a 20</translation>
    </message>
    <message>
        <source>start model 4A</source>
        <translation>avviare il modello 4A</translation>
    </message>
    <message>
        <source>start again with model 4A, ages up to 20</source>
        <translation>ricominciare con il modello 4A, età fino a 20</translation>
    </message>
    <message>
        <source>start model 4B</source>
        <translation>avviare il modello 4B</translation>
    </message>
    <message>
        <source>start again with model 4B, ages up to 15</source>
        <translation>ricominciare con il modello 4B, età fino a 15</translation>
    </message>
    <message>
        <source>month back</source>
        <translation>mese precedente</translation>
    </message>
    <message>
        <source>show the rabbit pairs one month earlier</source>
        <translation>mostrare le coppie di conigli un mese prima</translation>
    </message>
    <message>
        <source>month forward</source>
        <translation>mese successivo</translation>
    </message>
    <message>
        <source>show the rabbit pairs one month later</source>
        <translation>mostrare le coppie di conigli un mese dopo</translation>
    </message>
    <message>
        <source>fast play</source>
        <translation>gioco veloce</translation>
    </message>
    <message>
        <source>50 points every 20 milliseconds</source>
        <translation>50 punti ogni 20 millisecondi</translation>
    </message>
    <message>
        <source>slow play</source>
        <translation>gioco lento</translation>
    </message>
    <message>
        <source>one point a second, with the chosen corner marked</source>
        <translation>un punto al secondo, con il vertice scelto segnato</translation>
    </message>
    <message>
        <source>triangle, k = 1/2</source>
        <translation>triangolo, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, halfway to the corner</source>
        <translation>gioco del caos con 3 vertici, a metà strada verso il vertice</translation>
    </message>
    <message>
        <source>triangle, k = -1/2</source>
        <translation>triangolo, k = -1/2</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, half the distance past the corner</source>
        <translation>gioco del caos con 3 vertici, a metà distanza oltre il vertice</translation>
    </message>
    <message>
        <source>hexagon, k = 1/2</source>
        <translation>esagono, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 6 corners, halfway to the corner</source>
        <translation>gioco del caos con 6 vertici, a metà strada verso il vertice</translation>
    </message>
    <message>
        <source>hexagon, k = -1/3</source>
        <translation>esagono, k = -1/3</translation>
    </message>
    <message>
        <source>chaos game on 6 corners, a third of the distance past the corner</source>
        <translation>gioco del caos con 6 vertici, a un terzo della distanza oltre il vertice</translation>
    </message>
    <message>
        <source>triangle, k = 0.9</source>
        <translation>triangolo, k = 0,9</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, nine tenths of the distance kept</source>
        <translation>gioco del caos con 3 vertici, si conservano nove decimi della distanza</translation>
    </message>
    <message>
        <source>pentagon, k = 1 - 1/phi</source>
        <translation>pentagono, k = 1 - 1/phi</translation>
    </message>
    <message>
        <source>chaos game on 5 corners with the golden factor</source>
        <translation>gioco del caos con 5 vertici e il fattore aureo</translation>
    </message>
    <message>
        <source>square, k = -0.46</source>
        <translation>quadrato, k = -0,46</translation>
    </message>
    <message>
        <source>chaos game on 4 corners, past the corner</source>
        <translation>gioco del caos con 4 vertici, oltre il vertice</translation>
    </message>
    <message>
        <source>square, k = 1/2</source>
        <translation>quadrato, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 4 corners, halfway to the corner</source>
        <translation>gioco del caos con 4 vertici, a metà strada verso il vertice</translation>
    </message>
    <message>
        <source>12 corners, k = 1/5</source>
        <translation>12 vertici, k = 1/5</translation>
    </message>
    <message>
        <source>chaos game on 12 corners, a fifth of the distance kept</source>
        <translation>gioco del caos con 12 vertici, si conserva un quinto della distanza</translation>
    </message>
    <message>
        <source>leg a down</source>
        <translation>cateto a meno</translation>
    </message>
    <message>
        <source>shorten the leg a by 1, down to 10</source>
        <translation>accorciare il cateto a di 1 (fino a 10)</translation>
    </message>
    <message>
        <source>leg b down</source>
        <translation>cateto b meno</translation>
    </message>
    <message>
        <source>shorten the leg b by 1, down to 10</source>
        <translation>accorciare il cateto b di 1 (fino a 10)</translation>
    </message>
    <message>
        <source>leg a up</source>
        <translation>cateto a più</translation>
    </message>
    <message>
        <source>lengthen the leg a by 1, up to 50</source>
        <translation>allungare il cateto a di 1 (fino a 50)</translation>
    </message>
    <message>
        <source>leg b up</source>
        <translation>cateto b più</translation>
    </message>
    <message>
        <source>lengthen the leg b by 1, up to 50</source>
        <translation>allungare il cateto b di 1 (fino a 50)</translation>
    </message>
    <message>
        <source>reset leg a</source>
        <translation>ripristinare il cateto a</translation>
    </message>
    <message>
        <source>set the leg a to 40</source>
        <translation>porre il cateto a a 40</translation>
    </message>
    <message>
        <source>reset leg b</source>
        <translation>ripristinare il cateto b</translation>
    </message>
    <message>
        <source>set the leg b to 30</source>
        <translation>porre il cateto b a 30</translation>
    </message>
    <message>
        <source>hypotenuse c</source>
        <translation>ipotenusa c</translation>
    </message>
    <message>
        <source>segment e</source>
        <translation>segmento e</translation>
    </message>
    <message>
        <source>e = a</source>
        <translation>e = a</translation>
    </message>
    <message>
        <source>choose b so that e = a and show the golden construction</source>
        <translation>scegliere b in modo che e = a e mostrare la costruzione aurea</translation>
    </message>
</context>
<context>
    <name>AnalyticTopic</name>
    <message>
        <source>GIVEN  y0</source>
        <translation>DATO  y0</translation>
    </message>
    <message>
        <source>Find k so that :</source>
        <translation>Trova k in modo che:</translation>
    </message>
    <message>
        <source>y2 = k . y1   and   y2 = y1 + y0</source>
        <translation>y2 = k . y1   e   y2 = y1 + y0</translation>
    </message>
    <message>
        <source>SOLUTION    k² - k - 1 = 0</source>
        <translation>SOLUZIONE    k² - k - 1 = 0</translation>
    </message>
    <message>
        <source>The parabola y = k² - k - 1 for k from -0.8 to 2, crossing zero at k1 = phi = %1 and k2 = -1/phi = %2, with its axis at k = 0.5</source>
        <translation>La parabola y = k² - k - 1 per k da -0,8 a 2, con gli zeri k1 = phi = %1 e k2 = -1/phi = %2 e l’asse in k = 0,5</translation>
    </message>
</context>
<context>
    <name>ChaosTopic</name>
    <message>
        <source>Given is a point F1</source>
        <translation>È dato un punto F1</translation>
    </message>
    <message>
        <source>Take a random corner point C1</source>
        <translation>Scegli a caso un vertice C1</translation>
    </message>
    <message>
        <source>Draw a line F1C1 between these points</source>
        <translation>Traccia il segmento F1C1 tra i due punti</translation>
    </message>
    <message>
        <source>A new point F2 on this line is found at a distance</source>
        <translation>Il nuovo punto F2 sul segmento si trova a distanza</translation>
    </message>
    <message>
        <source>Take again random corner point C2</source>
        <translation>Scegli di nuovo a caso un vertice C2</translation>
    </message>
    <message>
        <source>Draw a line between the points F2 en C2</source>
        <translation>Traccia il segmento tra i punti F2 e C2</translation>
    </message>
    <message>
        <source>A second new point F3 on this line is found at a distance</source>
        <translation>Un altro nuovo punto F3 sul segmento è a distanza</translation>
    </message>
    <message>
        <source>Repeat this and there will emerge a pattern. </source>
        <translation>Ripeti e comparirà una figura. </translation>
    </message>
    <message>
        <source>slow, one point a second</source>
        <translation>lento, un punto al secondo</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>veloce</translation>
    </message>
    <message numerus="yes">
        <source>Chaos game “%1” on %2 corners with k = %3, %4: %n points drawn so far, each in the colour of the corner it jumped towards</source>
        <translation>
            <numerusform>Gioco del caos «%1» con %2 vertici e k = %3 (%4): finora %n punto disegnato, del colore del vertice verso cui è saltato</numerusform>
            <numerusform>Gioco del caos «%1» con %2 vertici e k = %3 (%4): finora %n punti disegnati, ciascuno del colore del vertice verso cui è saltato</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConicTopic</name>
    <message>
        <source>The polar equation of a conic section is :</source>
        <translation>L’equazione polare di una conica è:</translation>
    </message>
    <message>
        <source>r = p /( 1 + e cos(h) )   with     p = ro( 1 + e )</source>
        <translation>r = p /( 1 + e cos(h) )   con     p = ro( 1 + e )</translation>
    </message>
    <message>
        <source>If the eccentricity  e &lt; 1 you get an ellipse.</source>
        <translation>Se l’eccentricità  e &lt; 1 si ottiene un’ellisse.</translation>
    </message>
    <message>
        <source>If e = 1/phi and the radius ro = 1/phi you get a</source>
        <translation>Con e = 1/phi e il raggio ro = 1/phi si ottiene una</translation>
    </message>
    <message>
        <source>GOLDEN ELLIPSE with a semi major axis phi</source>
        <translation>ELLISSE AUREA con semiasse maggiore phi</translation>
    </message>
    <message>
        <source>and a semi minor axis H = sqrt(phi)</source>
        <translation>e semiasse minore H = sqrt(phi)</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>The Great Piramid of Gizeh = Green </source>
        <translation>La Grande Piramide di Giza = verde </translation>
    </message>
    <message>
        <source>Width = 440 el    Height = 280 el     1 el = 0.5237 m</source>
        <translation>Base = 440 c.    Altezza = 280 c.    1 cubito = 0,5237 m</translation>
    </message>
    <message>
        <source>The error in Height only 8 cm</source>
        <translation>L’errore sull’altezza: solo 8 cm</translation>
    </message>
    <message>
        <source>If e = phi you get a GOLDEN HYPERBOLA. If the</source>
        <translation>Con e = phi si ottiene un’IPERBOLE AUREA. Se il</translation>
    </message>
    <message>
        <source>radius ro = 1/phi then p = phi</source>
        <translation>raggio ro = 1/phi, allora p = phi</translation>
    </message>
    <message>
        <source>GOLDEN  ELLIPSE</source>
        <translation>ELLISSE  AUREA</translation>
    </message>
    <message>
        <source>GOLDEN  HYPERBOLA</source>
        <translation>IPERBOLE  AUREA</translation>
    </message>
    <message>
        <source>asymptot hyperbola</source>
        <translation>asintoto dell’iperbole</translation>
    </message>
    <message>
        <source>Golden ellipse with the semi-axes phi = %1 and sqrt(phi) = %2 and the foci F1 and F2 at 1 and -1; the green pyramid triangle with a base angle of %3°; the golden hyperbola with the vertices -1 and 1, the foci at -%1 and %1 and the asymptotes y = %2 x and y = -%2 x</source>
        <translation>Ellisse aurea con i semiassi phi = %1 e sqrt(phi) = %2 e i fuochi F1 e F2 in 1 e -1; il triangolo verde della piramide con l’angolo alla base di %3°; l’iperbole aurea con i vertici -1 e 1, i fuochi in -%1 e %1 e gli asintoti y = %2 x e y = -%2 x</translation>
    </message>
</context>
<context>
    <name>ConstructionTopic</name>
    <message>
        <source>Euclid Book 6 : Divide a line in mean and extreme ratio</source>
        <translation>Euclide, libro VI: dividere in media ed estrema ragione</translation>
    </message>
    <message>
        <source>Grahic construction   phi = ( 1 + sqrt( 5 ) ) / 2 </source>
        <translation>Costruzione grafica   phi = ( 1 + sqrt( 5 ) ) / 2 </translation>
    </message>
    <message>
        <source>Ruler-and-compass construction of phi: two unit squares side by side, their diagonal OE = sqrt(5) = %1, the circle of radius 0.5 about its middle C cutting OE at A, OA = phi = %2, and at B, OB = 1/phi = %3; below the axis the segments b = 1, a = %3 and c = a + b = %2</source>
        <translation>Costruzione di phi con riga e compasso: due quadrati unitari affiancati, con la diagonale OE = sqrt(5) = %1; la circonferenza di raggio 0,5 con centro nel punto medio C taglia OE in A, con OA = phi = %2 e in B, con OB = 1/phi = %3; sotto l’asse i segmenti b = 1; a = %3 e c = a + b = %2</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source> Sequence   F(i+2) = F(i+1) + F(i)  </source>
        <translation> Successione   F(i+2) = F(i+1) + F(i)  </translation>
    </message>
    <message>
        <source> Life Generator Data </source>
        <translation> Dati del modello </translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source> Dynamic Model </source>
        <translation> Modello dinamico </translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>Prossimo anno</translation>
    </message>
    <message>
        <source>  T I M E </source>
        <translation>  T E M P O </translation>
    </message>
    <message>
        <source> CHAOS </source>
        <translation> CAOS </translation>
    </message>
    <message>
        <source>Pythagoras</source>
        <translation>Pitagora</translation>
    </message>
</context>
<context>
    <name>DynamicModelTopic</name>
    <message>
        <source>End Simul</source>
        <translation>Fine della simulazione</translation>
    </message>
    <message>
        <source>Female      Age        Male</source>
        <translation>Femmine     Età        Maschi</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Distribuzione</translation>
    </message>
    <message>
        <source>Female reproduct. age</source>
        <translation>Femmine fertili</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nati</translation>
    </message>
    <message>
        <source>Deaht</source>
        <translation>Morti</translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Totale </translation>
    </message>
    <message>
        <source>YEAR </source>
        <translation>ANNO </translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Polulation</source>
        <translation>Popolazione</translation>
    </message>
    <message>
        <source>Dynamic population model %1, ages 0 to %2, year %3: a total of %4, birth rate %5 (%6 keeps the population constant); the age pyramid of the year above the totals of years 0 to %3</source>
        <translation>Modello dinamico della popolazione %1, età da 0 a %2, anno %3: in totale %4; tasso di natalità %5 (%6 mantiene costante la popolazione); la piramide delle età dell’anno sopra i totali degli anni da 0 a %3</translation>
    </message>
</context>
<context>
    <name>ExponentialTopic</name>
    <message>
        <source>Exponential function </source>
        <translation>Funzione esponenziale </translation>
    </message>
    <message>
        <source>y = yo . e ^ k.x    with  k = ln(phi)</source>
        <translation>y = yo . e ^ k.x    con  k = ln(phi)</translation>
    </message>
    <message>
        <source>Exponential function y = %1 phi^x with the point P at x = %2, y = %3; above it a = %4 and b = %5, beside it c = a + b = %6, with b = phi a and c = phi b</source>
        <translation>Funzione esponenziale y = %1 phi^x con il punto P in x = %2; y = %3; sopra a = %4 e b = %5; accanto c = a + b = %6; con b = phi a e c = phi b</translation>
    </message>
</context>
<context>
    <name>FileName</name>
    <message>
        <source>graph-p</source>
        <translation>grafico-p</translation>
    </message>
    <message>
        <source>ratio-graph</source>
        <translation>grafico-rapporto</translation>
    </message>
    <message>
        <source>sequence-graph</source>
        <translation>grafico-successione</translation>
    </message>
    <message>
        <source>golden-rectangle</source>
        <translation>rettangolo-aureo</translation>
    </message>
    <message>
        <source>golden-ellipse-hyperbola</source>
        <translation>ellisse-iperbole-auree</translation>
    </message>
    <message>
        <source>pentagram</source>
        <translation>pentagramma</translation>
    </message>
    <message>
        <source>golden-ratio-analytic</source>
        <translation>sezione-aurea-calcolo</translation>
    </message>
    <message>
        <source>golden-spiral</source>
        <translation>spirale-aurea</translation>
    </message>
    <message>
        <source>golden-ratio-construction</source>
        <translation>sezione-aurea-costruzione</translation>
    </message>
    <message>
        <source>life-generator</source>
        <translation>generatore-di-vita</translation>
    </message>
    <message>
        <source>platonic-figures</source>
        <translation>solidi-platonici</translation>
    </message>
    <message>
        <source>exponential-function</source>
        <translation>funzione-esponenziale</translation>
    </message>
    <message>
        <source>population-model</source>
        <translation>modello-di-popolazione</translation>
    </message>
    <message>
        <source>rabbits</source>
        <translation>conigli</translation>
    </message>
    <message>
        <source>chaos-game</source>
        <translation>gioco-del-caos</translation>
    </message>
    <message>
        <source>pythagoras</source>
        <translation>pitagora</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>worksheet</source>
        <translation>scheda</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1, %2</source>
        <comment>two values of a list</comment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>GraphPTopic</name>
    <message>
        <source>Graph P: the points P(i) = (F(i), F(i+1)) for i = -10 to 10, </source>
        <translation>Grafico P: i punti P(i) = (F(i), F(i+1)) per i da -10 a 10, </translation>
    </message>
    <message>
        <source>every point is the origin</source>
        <translation>ogni punto è l’origine</translation>
    </message>
    <message>
        <source>every point lies on the line </source>
        <translation>ogni punto sta sulla retta </translation>
    </message>
    <message>
        <source>the points approach the line %1 for growing i and the line %2 for falling i</source>
        <translation>i punti si avvicinano alla retta %1 per i crescente e alla retta %2 per i decrescente</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>open the menu </source>
        <translation>aprire il menu </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Scorciatoie da &amp;tastiera</translation>
    </message>
    <message>
        <source>&amp;About Aurelion</source>
        <translation>&amp;Informazioni su Aurelion</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move through the buttons, check boxes and clickable labels of the frame on screen, row by row; Space or Enter presses them. A “&lt;” or “&gt;” button and “Next Year” repeat their step while they are held down, with the mouse or with Space.

The Alt key opens the menu bar; the arrow keys move in it, Enter chooses and Esc closes it.</source>
        <translation>Tab e Maiusc+Tab scorrono, riga per riga, i pulsanti, le caselle e le etichette cliccabili del riquadro visibile; Spazio o Invio li preme. I pulsanti «&lt;» e «&gt;» e «Prossimo anno» ripetono il passo finché restano premuti, con il mouse o con Spazio.

Il tasto Alt apre la barra dei menu; con i tasti freccia ci si muove al suo interno, Invio sceglie ed Esc la chiude.</translation>
    </message>
    <message>
        <source>About Aurelion</source>
        <translation>Informazioni su Aurelion</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Aurelion&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A teaching program about the golden number phi and the Fibonacci sequence.&lt;/p&gt;&lt;p&gt;Aurelion is free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;The Liberation fonts it brings along are under the SIL Open Font License 1.1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Aurelion&lt;/h3&gt;&lt;p&gt;Versione %1&lt;/p&gt;&lt;p&gt;Un programma didattico sul numero aureo phi e sulla successione di Fibonacci.&lt;/p&gt;&lt;p&gt;Aurelion è software libero distribuito secondo i termini della GNU General Public License, versione 3 o (a tua scelta) qualsiasi versione successiva (GPL-3.0-or-later). È fornito senza alcuna garanzia.&lt;/p&gt;&lt;p&gt;I font Liberation che include sono distribuiti secondo i termini della SIL Open Font License 1.1.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>&amp;Lesson</source>
        <translation>&amp;Lezione</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nuova lezione</translation>
    </message>
    <message>
        <source>&amp;Open Lesson...</source>
        <translation>&amp;Apri lezione...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>A&amp;dd Step...</source>
        <translation>A&amp;ggiungi passo...</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>&amp;Salva lezione</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As...</source>
        <translation>Salva lezione &amp;come...</translation>
    </message>
    <message>
        <source>&amp;Close Lesson</source>
        <translation>C&amp;hiudi lezione</translation>
    </message>
    <message>
        <source>lesson step</source>
        <translation>passo della lezione</translation>
    </message>
    <message>
        <source>Aurelion lessons (*%1)</source>
        <translation>Lezioni di Aurelion (*%1)</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Apri lezione</translation>
    </message>
    <message>
        <source>Save Lesson As</source>
        <translation>Salva lezione come</translation>
    </message>
    <message>
        <source>Add Step</source>
        <translation>Aggiungi passo</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changes that are not saved.</source>
        <translation>La lezione «%1» ha modifiche non salvate.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Passo %1 di %2: %3</translation>
    </message>
    <message>
        <source>The lesson %1 cannot be opened: %2</source>
        <translation>Impossibile aprire la lezione %1: %2</translation>
    </message>
    <message>
        <source>Title screen</source>
        <translation>Schermata iniziale</translation>
    </message>
    <message>
        <source>The lesson could not be saved as %1: %2</source>
        <translation>Non è stato possibile salvare la lezione come %1: %2</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: line %2: %3</source>
        <translation>Impossibile mostrare il passo %1: riga %2: %3</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <translation>Passo %1: %2</translation>
    </message>
    <message>
        <source>Lesson &amp;Title...</source>
        <translation>&amp;Titolo della lezione...</translation>
    </message>
    <message>
        <source>&amp;First Step</source>
        <translation>&amp;Primo passo</translation>
    </message>
    <message>
        <source>&amp;Last Step</source>
        <translation>&amp;Ultimo passo</translation>
    </message>
    <message>
        <source>Lesson Title</source>
        <translation>Titolo della lezione</translation>
    </message>
    <message>
        <source>Title of the lesson:</source>
        <translation>Titolo della lezione:</translation>
    </message>
    <message>
        <source>The file of the lesson &quot;%1&quot; was changed by another program since it was opened or saved here.</source>
        <translation>Il file della lezione «%1» è stato modificato da un altro programma da quando è stato aperto o salvato qui.</translation>
    </message>
    <message>
        <source>Reload it, and lose the changes made here, or overwrite it with the lesson as it is here?</source>
        <translation>Ricaricarlo, perdendo le modifiche fatte qui, o sovrascriverlo con la lezione così com’è qui?</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Ricarica</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sovrascrivi</translation>
    </message>
    <message>
        <source>The lesson %1 has no steps: its file is empty or holds only comments and a title. Add steps with Add Step (%2).</source>
        <translation>La lezione %1 non ha passi: il suo file è vuoto o contiene solo commenti e un titolo. Aggiungere i passi con Aggiungi passo (%2).</translation>
    </message>
    <message>
        <source>Checking the new step...</source>
        <translation>Verifica del nuovo passo...</translation>
    </message>
    <message>
        <source>Showing step %1 of %2...</source>
        <translation>Visualizzazione del passo %1 di %2...</translation>
    </message>
    <message>
        <source>The picture cannot become a step: %1. Choose its topic afresh and add the step sooner.</source>
        <translation>L’immagine non può diventare un passo: %1. Scegliere di nuovo il suo argomento e aggiungere il passo più presto.</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Risposta: %1</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (segue)</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Domande</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Soluzioni: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Re&amp;veal Answer</source>
        <translation>&amp;Mostra risposta</translation>
    </message>
    <message>
        <source>Save &amp;Handout...</source>
        <translation>Salva &amp;dispensa...</translation>
    </message>
    <message>
        <source>Save as &amp;Web Page...</source>
        <translation>Salva come pagina &amp;web...</translation>
    </message>
    <message>
        <source>The step needs a title.</source>
        <translation>Il passo deve avere un titolo.</translation>
    </message>
    <message>
        <source>A step has at most %1 paragraphs of text.</source>
        <translation>Un passo ha al massimo %1 paragrafi di testo.</translation>
    </message>
    <message>
        <source>A paragraph has at most %1 characters.</source>
        <translation>Un paragrafo ha al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>An answer needs its question.</source>
        <translation>Ogni risposta deve avere la sua domanda.</translation>
    </message>
    <message>
        <source>&amp;Title of the step:</source>
        <translation>&amp;Titolo del passo:</translation>
    </message>
    <message>
        <source>Te&amp;xt for the pupils, a paragraph a line:</source>
        <translation>Te&amp;sto per la classe, un paragrafo per riga:</translation>
    </message>
    <message>
        <source>&amp;Questions, each with its answer or none:</source>
        <translation>&amp;Domande, ciascuna con la sua risposta o senza:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Web page for the pupils (*.html)</source>
        <translation>Pagina web per la classe (*.html)</translation>
    </message>
    <message>
        <source>Web page with the answers (*.html)</source>
        <translation>Pagina web con le soluzioni (*.html)</translation>
    </message>
    <message>
        <source>Handout for the pupils (*.pdf)</source>
        <translation>Dispensa per la classe (*.pdf)</translation>
    </message>
    <message>
        <source>Answer key (*.pdf)</source>
        <translation>Soluzioni (*.pdf)</translation>
    </message>
    <message>
        <source>Save as Web Page</source>
        <translation>Salva come pagina web</translation>
    </message>
    <message>
        <source>Save Handout</source>
        <translation>Salva dispensa</translation>
    </message>
    <message>
        <source>The lesson has no steps yet. Add steps with Add Step (%1).</source>
        <translation>La lezione non ha ancora passi. Aggiungili con «Aggiungi passo» (%1).</translation>
    </message>
    <message>
        <source>The handout could not be saved as %1: %2</source>
        <translation>La dispensa non è stata salvata come %1: %2</translation>
    </message>
    <message>
        <source>Making the handout...</source>
        <translation>Preparazione della dispensa...</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: %2</source>
        <translation>Il passo %1 non può essere mostrato: %2</translation>
    </message>
    <message>
        <source>the contents could not be made</source>
        <translation>non è stato possibile creare il contenuto</translation>
    </message>
</context>
<context>
    <name>LifeGeneratorTopic</name>
    <message>
        <source>LIFE GENERATOR         LINEAR MODEL</source>
        <translation>GENERATORE DI VITA       MODELLO LINEARE</translation>
    </message>
    <message>
        <source>See also: Population - Dynamic Population Model</source>
        <translation>Vedi anche: Popolazione - Modello dinamico</translation>
    </message>
    <message>
        <source>integration</source>
        <translation>integrazione</translation>
    </message>
    <message>
        <source>y        POPULATION NUMBER</source>
        <translation>y        NUMERO DI INDIVIDUI</translation>
    </message>
    <message>
        <source>TIME SCALE  t</source>
        <translation>TEMPO  t</translation>
    </message>
    <message>
        <source>Time constant T1 = </source>
        <translation>Costante di tempo T1 = </translation>
    </message>
    <message>
        <source>The population goes down at t=0</source>
        <translation>La popolazione cala in t=0</translation>
    </message>
    <message>
        <source>The population goes up at t=0</source>
        <translation>La popolazione cresce in t=0</translation>
    </message>
    <message>
        <source>The population is constant</source>
        <translation>La popolazione è costante</translation>
    </message>
    <message>
        <source> y = y0 . phi ^ t   (red curve)</source>
        <translation> y = y0 . phi ^ t   (curva rossa)</translation>
    </message>
    <message>
        <source>Life generator with k = %1, w = %2, yo = %3 and d = %4: </source>
        <translation>Generatore di vita con k = %1; w = %2; yo = %3 e d = %4: </translation>
    </message>
    <message>
        <source>y = yL + (yo - yL) e^((k - d) t) with the limit yL = %1 and the time constant T1 = %2</source>
        <translation>y = yL + (yo - yL) e^((k - d) t) con il limite yL = %1 e la costante di tempo T1 = %2</translation>
    </message>
    <message>
        <source>the straight line y = w t + yo</source>
        <translation>la retta y = w t + yo</translation>
    </message>
    <message>
        <source>; the population goes down at t=0</source>
        <translation>; la popolazione cala in t=0</translation>
    </message>
    <message>
        <source>; the population goes up at t=0</source>
        <translation>; la popolazione cresce in t=0</translation>
    </message>
    <message>
        <source>; the population is constant</source>
        <translation>; la popolazione è costante</translation>
    </message>
    <message>
        <source>. In red for comparison y = yo phi^t</source>
        <translation>. In rosso per confronto y = yo phi^t</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Aurelion Relationship</source>
        <translation>Relazione Aurelion</translation>
    </message>
    <message>
        <source>Fibonacci&apos;s rabblis</source>
        <translation>I conigli di Fibonacci</translation>
    </message>
    <message>
        <source>Graph y = F(i)</source>
        <translation>Grafico y = F(i)</translation>
    </message>
    <message>
        <source>Graph y = F(i+1) / F(i)</source>
        <translation>Grafico y = F(i+1) / F(i)</translation>
    </message>
    <message>
        <source>Graph P</source>
        <translation>Grafico P</translation>
    </message>
    <message>
        <source>Golden ratio</source>
        <translation>Sezione aurea</translation>
    </message>
    <message>
        <source>Golden ratio graphic</source>
        <translation>Sezione aurea, costruzione</translation>
    </message>
    <message>
        <source>Golden ratio analitic</source>
        <translation>Sezione aurea, calcolo</translation>
    </message>
    <message>
        <source>Golden rectangle</source>
        <translation>Rettangolo aureo</translation>
    </message>
    <message>
        <source>Golden ellips   Golden hyperbola</source>
        <translation>Ellisse aurea   Iperbole aurea</translation>
    </message>
    <message>
        <source>Pentagram</source>
        <translation>Pentagramma</translation>
    </message>
    <message>
        <source>Golden spiral</source>
        <translation>Spirale aurea</translation>
    </message>
    <message>
        <source>Exponential function</source>
        <translation>Funzione esponenziale</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Popolazione</translation>
    </message>
    <message>
        <source>Life Generator</source>
        <translation>Generatore di vita</translation>
    </message>
    <message>
        <source>Dynamic Population Model</source>
        <translation>Modello dinamico della popolazione</translation>
    </message>
    <message>
        <source>CHAOS</source>
        <translation>CAOS</translation>
    </message>
    <message>
        <source>Pythagoras</source>
        <translation>Pitagora</translation>
    </message>
    <message>
        <source>Platonic Figures</source>
        <translation>Solidi platonici</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Burthfactor</source>
        <translation>Fattore di natalità</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Lesto</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source> Model 1A (20) </source>
        <translation> Modello 1A (20) </translation>
    </message>
    <message>
        <source> Model 1B (15) </source>
        <translation> Modello 1B (15) </translation>
    </message>
    <message>
        <source> Model 2  (20) </source>
        <translation> Modello 2  (20) </translation>
    </message>
    <message>
        <source> Model 3  (20) </source>
        <translation> Modello 3  (20) </translation>
    </message>
    <message>
        <source> Model 4A (20) </source>
        <translation> Modello 4A (20) </translation>
    </message>
    <message>
        <source> Model 4B (15) </source>
        <translation> Modello 4B (15) </translation>
    </message>
    <message>
        <source> Dodecaëder 12 </source>
        <translation> Dodecaedro 12 </translation>
    </message>
    <message>
        <source> Tetraëder 4 </source>
        <translation> Tetraedro 4 </translation>
    </message>
    <message>
        <source> Octaëder 8 </source>
        <translation> Ottaedro 8 </translation>
    </message>
    <message>
        <source> Icosaëder 20 </source>
        <translation> Icosaedro 20 </translation>
    </message>
    <message>
        <source> Burthfactor (1 / Unit of time) </source>
        <translation> Fattore di natalità (1 / unità di tempo) </translation>
    </message>
    <message>
        <source> Immigrationrate ( speaces / Unit of time ) </source>
        <translation> Tasso di immigrazione ( individui / unità di tempo ) </translation>
    </message>
    <message>
        <source> Population at t=0 </source>
        <translation> Popolazione in t=0 </translation>
    </message>
    <message>
        <source> Deathfactor (1 / Unit of time) </source>
        <translation> Fattore di mortalità (1 / unità di tempo) </translation>
    </message>
    <message>
        <source>The Aurelion relationship 1.6        a teaching program by the Aurelion team</source>
        <translation>La relazione Aurelion 1.6        un programma didattico del team Aurelion</translation>
    </message>
    <message>
        <source> THE GOLDEN NUMBER  : Click for sequence F(0) = 1 , F(1) = phi </source>
        <translation> IL NUMERO AUREO: clic per la successione F(0) = 1; F(1) = phi </translation>
    </message>
    <message>
        <source> Click for sequence  F(0) = 1 ,  F(1) = -1/phi </source>
        <translation> Clic per la successione  F(0) = 1;  F(1) = -1/phi </translation>
    </message>
    <message>
        <source> Click for Fibonacci sequence  F(0) = 1   F(1) = 1 </source>
        <translation> Clic per la successione di Fibonacci  F(0) = 1   F(1) = 1 </translation>
    </message>
    <message>
        <source>THE</source>
        <translation>LA</translation>
    </message>
    <message>
        <source>AURELION</source>
        <translation>RELAZIONE</translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation>AURELION</translation>
    </message>
    <message>
        <source>A teaching program on phi and Fibonacci</source>
        <translation>Un programma didattico su phi e Fibonacci</translation>
    </message>
    <message>
        <source>by the Aurelion team, 2026</source>
        <translation>del team Aurelion, 2026</translation>
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
        <translation>PENTAGRAMMA</translation>
    </message>
    <message>
        <source>The line p2p4 has a lenght c</source>
        <translation>Il segmento p2p4 ha lunghezza c</translation>
    </message>
    <message>
        <source>Triangle A,p2,p1  and  p1,p2,p4 :</source>
        <translation>Triangoli A,p2,p1  e  p1,p2,p4:</translation>
    </message>
    <message>
        <source>Point A : Divide line p2,p4 in mean and extreme ratio</source>
        <translation>Il punto A divide p2,p4 in media ed estrema ragione</translation>
    </message>
    <message>
        <source>If  b = 1  then  c = phi  and   a = 1/phi</source>
        <translation>Se  b = 1  allora  c = phi  e   a = 1/phi</translation>
    </message>
    <message>
        <source>Pentagram: a regular pentagon p1 to p5 of side 1 with its five diagonals of length phi = %1; their crossing point A divides the diagonal p2p4 into a = %2 and b = 1, so that a / b = b / (a + b)</source>
        <translation>Pentagramma: un pentagono regolare da p1 a p5 di lato 1 con le sue cinque diagonali di lunghezza phi = %1; il loro punto d’incontro A divide la diagonale p2p4 in a = %2 e b = 1, così che a / b = b / (a + b)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Immagine</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copia immagine</translation>
    </message>
    <message>
        <source>&amp;Save Picture As…</source>
        <translation>&amp;Salva immagine come…</translation>
    </message>
    <message>
        <source>Save &amp;Worksheet As…</source>
        <translation>Salva sc&amp;heda come…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Ante&amp;prima di stampa…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>&amp;Record Animation</source>
        <translation>&amp;Registra animazione</translation>
    </message>
    <message>
        <source>S&amp;top Recording…</source>
        <translation>&amp;Ferma registrazione…</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2.</source>
        <translation>Non è stato possibile salvare l’immagine come %1.

%2.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1.

%2.</source>
        <translation>Non è stato possibile salvare la scheda come %1.

%2.</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>Salva scheda</translation>
    </message>
    <message>
        <source>The worksheet could not be printed to %1.

%2.</source>
        <translation>Non è stato possibile stampare la scheda su %1.

%2.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>The worksheet could not be sent to the printer %1.</source>
        <translation>Non è stato possibile inviare la scheda alla stampante %1.</translation>
    </message>
    <message>
        <source>screen size</source>
        <translation>dimensioni dello schermo</translation>
    </message>
    <message>
        <source>twice the size</source>
        <translation>dimensioni doppie</translation>
    </message>
    <message>
        <source>four times the size</source>
        <translation>dimensioni quadruple</translation>
    </message>
    <message>
        <source>PNG image, %1, %2 × %3 pixels (*.png)</source>
        <translation>Immagine PNG, %1, %2 × %3 pixel (*.png)</translation>
    </message>
    <message>
        <source>SVG vector drawing (*.svg)</source>
        <translation>Disegno vettoriale SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF vector drawing (*.pdf)</source>
        <translation>Disegno vettoriale PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Salva immagine come</translation>
    </message>
    <message>
        <source>Save Worksheet As</source>
        <translation>Salva scheda come</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Worksheet Page</source>
        <translation>Pagina della scheda</translation>
    </message>
    <message>
        <source>Letter, 8.5 × 11 in</source>
        <translation>Lettera, 8,5 × 11 pollici</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Carta:</translation>
    </message>
    <message>
        <source>&amp;Black and white, for a printer without colour</source>
        <translation>&amp;Bianco e nero, per una stampante senza colori</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Stampa scheda</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Salva registrazione</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animata (*.gif)</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Registra animazione</translation>
    </message>
    <message>
        <source>

Save it, discard it, or cancel and go on recording?</source>
        <translation>

Salvarla, scartarla o annullare e continuare a registrare?</translation>
    </message>
    <message>
        <source>

Save it or discard it?</source>
        <translation>

Salvarla o scartarla?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Salva…</translation>
    </message>
    <message>
        <source>Aurelion drawing</source>
        <translation>Disegno di Aurelion</translation>
    </message>
    <message numerus="yes">
        <source>The recording of %n frames is not saved.</source>
        <translation>
            <numerusform>La registrazione di %n fotogramma non è stata salvata.</numerusform>
            <numerusform>La registrazione di %n fotogrammi non è stata salvata.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlatonicTopic</name>
    <message>
        <source>Plato (about 427 - 347 BC), Greek philosopher,</source>
        <translation>Platone (circa 427 - 347 a.C.), filosofo greco,</translation>
    </message>
    <message>
        <source>gave the figures his name; his pupil was Aristotle</source>
        <translation>diede il nome ai solidi; suo allievo fu Aristotele</translation>
    </message>
    <message>
        <source>There are only five platonic figures</source>
        <translation>Esistono solo cinque solidi platonici</translation>
    </message>
    <message>
        <source>Given is a cube with lenght L = 10</source>
        <translation>È dato un cubo di spigolo L = 10</translation>
    </message>
    <message>
        <source>The dodecaëder constructed outside the cube has</source>
        <translation>Il dodecaedro costruito attorno al cubo ha</translation>
    </message>
    <message>
        <source>a lenght  Ld = L / phi</source>
        <translation>lo spigolo  Ld = L / phi</translation>
    </message>
    <message>
        <source>The icosaëder constructed inside the cube has</source>
        <translation>L’icosaedro costruito dentro il cubo ha</translation>
    </message>
    <message>
        <source>a lenght  Li = L / phi</source>
        <translation>lo spigolo  Li = L / phi</translation>
    </message>
    <message>
        <source>The tetraëder constructed inside de cube has a</source>
        <translation>Il tetraedro costruito dentro il cubo ha lo</translation>
    </message>
    <message>
        <source>length Lt = sqrt(2). L</source>
        <translation>spigolo Lt = sqrt(2). L</translation>
    </message>
    <message>
        <source>The octaëder is constructed inside de tetraëder</source>
        <translation>L’ottaedro è costruito dentro il tetraedro</translation>
    </message>
    <message>
        <source>THE PLATONIC FIGURES</source>
        <translation>I SOLIDI PLATONICI</translation>
    </message>
    <message>
        <source>More figures in another program by the same maker</source>
        <translation>Altri solidi in un altro programma degli autori</translation>
    </message>
    <message>
        <source>click for coördinates</source>
        <translation>clic: coordinate</translation>
    </message>
    <message>
        <source>Distance p27,p9 = Ld / 2</source>
        <translation>Distanza p27,p9 = Ld / 2</translation>
    </message>
    <message>
        <source>Coördinates p</source>
        <translation>Coordinate p</translation>
    </message>
    <message>
        <source>the dotted cube of side 10</source>
        <translation>il cubo tratteggiato di spigolo 10</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Platonic figures turned %1° and tilted %2°, with the x, y and z axes: %3%4</source>
        <translation>Solidi platonici ruotati di %1° e inclinati di %2°, con gli assi x, y e z: %3%4</translation>
    </message>
    <message>
        <source>, no other solid</source>
        <translation>, nessun altro solido</translation>
    </message>
    <message>
        <source>the dodecahedron outside the cube</source>
        <translation>il dodecaedro attorno al cubo</translation>
    </message>
    <message>
        <source>the tetrahedron inside it</source>
        <translation>il tetraedro al suo interno</translation>
    </message>
    <message>
        <source>the octahedron inside the tetrahedron</source>
        <translation>l’ottaedro dentro il tetraedro</translation>
    </message>
    <message>
        <source>the icosahedron inside the cube</source>
        <translation>l’icosaedro dentro il cubo</translation>
    </message>
</context>
<context>
    <name>PythagorasTopic</name>
    <message>
        <source>Pythagoras of Samos lived from 575 to 500 BC.</source>
        <translation>Pitagora di Samo visse dal 575 al 500 a.C.</translation>
    </message>
    <message>
        <source>He spent 22 years in Egypt and 12 years in Babylon.</source>
        <translation>Passò 22 anni in Egitto e 12 anni a Babilonia.</translation>
    </message>
    <message>
        <source>Given is a rectangular TRIANGLE ABC with a area  a.b / 2</source>
        <translation>È dato un TRIANGOLO rettangolo ABC di area  a.b / 2</translation>
    </message>
    <message>
        <source>Make a square AFGH with lenght  L = a + b</source>
        <translation>Costruisci un quadrato AFGH di lato  L = a + b</translation>
    </message>
    <message>
        <source>Make a square CBDE with lenght  c</source>
        <translation>Costruisci un quadrato CBDE di lato  c</translation>
    </message>
    <message>
        <source>The area of AFGH is :</source>
        <translation>L’area di AFGH è:</translation>
    </message>
    <message>
        <source>The area of CBDE is equal to :  a² + b² = c²</source>
        <translation>L’area di CBDE è uguale a:  a² + b² = c²</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Area  BDKJ = d . c = a²</source>
        <translation>Area  BDKJ = d . c = a²</translation>
    </message>
    <message>
        <source>Area  JKEC = e . c = b²</source>
        <translation>Area  JKEC = e . c = b²</translation>
    </message>
    <message>
        <source>If e = a then c = phi * a and the rectange JKEC is a</source>
        <translation>Se e = a, allora c = phi * a e il rettangolo JKEC è un</translation>
    </message>
    <message>
        <source>golden rectangle.</source>
        <translation>rettangolo aureo.</translation>
    </message>
    <message>
        <source>Great pyramid of Cheops: try a = 22 and b = 28</source>
        <translation>Piramide di Cheope: prova a = 22 e b = 28</translation>
    </message>
    <message>
        <source>Pythagoras with the legs a = %1 and b = %2, the hypotenuse c = %3 and e = %4: the square on c inside the square of side a + b = %5 has the area a² + b² = %6, the squares on a and b beside it</source>
        <translation>Pitagora con i cateti a = %1 e b = %2; l’ipotenusa c = %3 ed e = %4: il quadrato su c dentro il quadrato di lato a + b = %5 ha l’area a² + b² = %6; i quadrati su a e b accanto</translation>
    </message>
    <message>
        <source>; with the golden construction: e = a, c = phi a, and JKEC is a golden rectangle</source>
        <translation>; con la costruzione aurea: e = a, c = phi a, e JKEC è un rettangolo aureo</translation>
    </message>
</context>
<context>
    <name>RabbitTopic</name>
    <message>
        <source>month</source>
        <translation>mese</translation>
    </message>
    <message>
        <source>FIBONACCI&apos;S RABBITS</source>
        <translation>I CONIGLI DI FIBONACCI</translation>
    </message>
    <message>
        <source>The Fibonacci sequence of numbers 1, 1, 2, 3, 5, 8,...</source>
        <translation>La successione di Fibonacci 1, 1, 2, 3, 5, 8,...</translation>
    </message>
    <message>
        <source>was found by Leonardo of Pisa, called Fibonacci,</source>
        <translation>fu scoperta da Leonardo Pisano, detto Fibonacci,</translation>
    </message>
    <message>
        <source>an Italian mathematician born around 1175.</source>
        <translation>matematico italiano nato verso il 1175.</translation>
    </message>
    <message>
        <source>The sequence of the numbers are following the</source>
        <translation>I termini della successione seguono la</translation>
    </message>
    <message>
        <source>relationchip</source>
        <translation>relazione di ricorrenza</translation>
    </message>
    <message>
        <source>Every female rabbit always produces one pair newly</source>
        <translation>Ogni coniglia genera ogni mese una coppia di</translation>
    </message>
    <message>
        <source>born rabbis every month from the second month on.</source>
        <translation>coniglietti, a partire dal secondo mese.</translation>
    </message>
    <message>
        <source>At month 0 there is one newly born pair of rabbits</source>
        <translation>Al mese 0 c’è una coppia di conigli appena nati</translation>
    </message>
    <message>
        <source>The rabbits never DIE</source>
        <translation>I conigli non MUOIONO mai</translation>
    </message>
    <message>
        <source>Who created the first pair ???</source>
        <translation>Chi ha creato la prima coppia???</translation>
    </message>
    <message>
        <source>Rabbits Age</source>
        <translation>Età</translation>
    </message>
    <message>
        <source>(Month&apos;s)</source>
        <translation>(mesi)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>----- Time ---&gt;</source>
        <translation>----- Tempo ---&gt;</translation>
    </message>
    <message>
        <source>Age one month</source>
        <translation>Età: un mese</translation>
    </message>
    <message>
        <source>Newly - BORN</source>
        <translation>NEONATI</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTALE</translation>
    </message>
    <message>
        <source>Fibonacci Numbers  F(i)</source>
        <translation>Numeri di Fibonacci  F(i)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>PAIRS of RABBITS</source>
        <translation>COPPIE di CONIGLI</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Somma</translation>
    </message>
    <message>
        <source>Start Reprod.</source>
        <translation>Inizio riprod.</translation>
    </message>
    <message numerus="yes">
        <source>Fibonacci&apos;s rabbits, month %1 of %2: %n pairs of rabbits; the totals month by month, the Fibonacci numbers: %3</source>
        <translation>
            <numerusform>I conigli di Fibonacci, mese %1 di %2: %n coppia di conigli; i totali mese per mese, i numeri di Fibonacci: %3</numerusform>
            <numerusform>I conigli di Fibonacci, mese %1 di %2: %n coppie di conigli; i totali mese per mese, i numeri di Fibonacci: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RatioGraphTopic</name>
    <message>
        <source>If  i = + infinite  Then F(i+1) / F(i) =  phi</source>
        <translation>Per  i → +∞  si ha  F(i+1) / F(i) → phi</translation>
    </message>
    <message>
        <source>Ratio graph F(i+1)/F(i) for i = -10 to 10, </source>
        <translation>Grafico del rapporto F(i+1)/F(i) per i da -10 a 10, </translation>
    </message>
    <message>
        <source>every F(i) is 0, so there is no ratio to draw</source>
        <translation>ogni F(i) è 0, quindi non c’è alcun rapporto da disegnare</translation>
    </message>
    <message>
        <source>every point lies on </source>
        <translation>ogni punto sta su </translation>
    </message>
    <message>
        <source>the points approach %1 for growing i and %2 for falling i</source>
        <translation>i punti si avvicinano a %1 per i crescente e a %2 per i decrescente</translation>
    </message>
    <message>
        <source>; no point for i = %1, where F(i) is 0</source>
        <translation>; nessun punto per i = %1, dove F(i) è 0</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>%1: the recording holds %2 frames, as many as a recording may</source>
        <translation>%1: la registrazione contiene %2 fotogrammi, il massimo possibile</translation>
    </message>
    <message>
        <source>%1: no frame was recorded: the drawing was not shown</source>
        <translation>%1: nessun fotogramma registrato: il disegno non era visibile</translation>
    </message>
    <message>
        <source>The recording holds %1 frames, as many as a recording may, and has stopped.</source>
        <translation>La registrazione contiene %1 fotogrammi, il massimo possibile, e si è fermata.</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Registra animazione</translation>
    </message>
    <message>
        <source>The recording has stopped.

%1.</source>
        <translation>La registrazione si è fermata.

%1.</translation>
    </message>
    <message>
        <source>The recording could not be kept.

%1.</source>
        <translation>Non è stato possibile conservare la registrazione.

%1.</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Ferma registrazione</translation>
    </message>
    <message>
        <source>The recording could not be saved as %1.

%2.</source>
        <translation>Non è stato possibile salvare la registrazione come %1.

%2.</translation>
    </message>
    <message numerus="yes">
        <source>● REC  %n frames</source>
        <translation>
            <numerusform>● REC  %n fotogramma</numerusform>
            <numerusform>● REC  %n fotogrammi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>What an earlier run of Aurelion kept for recovery cannot be read and has been removed:

%1</source>
        <translation>Ciò che un’esecuzione precedente di Aurelion aveva conservato per il recupero non si può leggere ed è stato rimosso:

%1</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 while it was recording the drawing. The recording was not saved.</source>
        <translation>Aurelion si è chiuso il %1 alle %2 mentre registrava il disegno. La registrazione non è stata salvata.</translation>
    </message>
    <message>
        <source>Recover it and choose where to save it, discard it, or decide at the next start?</source>
        <translation>Recuperarla e scegliere dove salvarla, scartarla o decidere al prossimo avvio?</translation>
    </message>
    <message>
        <source>The recovered work could not be saved as %1: %2.</source>
        <translation>Non è stato possibile salvare il lavoro recuperato come %1: %2.</translation>
    </message>
    <message>
        <source>&amp;Recover…</source>
        <translation>&amp;Recupera…</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Più tardi</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Scarta</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 before a new lesson was saved.</source>
        <translation>Aurelion si è chiuso il %1 alle %2 prima che una nuova lezione fosse salvata.</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 before the lesson &quot;%3&quot; was saved.</source>
        <translation>Aurelion si è chiuso il %1 alle %2 prima che la lezione «%3» fosse salvata.</translation>
    </message>
</context>
<context>
    <name>RectangleTopic</name>
    <message>
        <source>GOLDEN  RECTANGLE</source>
        <translation>RETTANGOLO  AUREO</translation>
    </message>
    <message>
        <source>Golden sprial</source>
        <translation>Spirale aurea</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Archi</translation>
    </message>
    <message>
        <source>Golden rectangle: squares of side 1, phi = %1, phi² = %2, phi³ = %3 and phi⁴ = %4 around the corner points A to G, the diagonals EG and DF crossing in the pole S = (0.276, 0.447), the golden spiral about S and its approximation by quarter circles</source>
        <translation>Rettangolo aureo: quadrati di lato 1; phi = %1; phi² = %2; phi³ = %3 e phi⁴ = %4 attorno ai vertici da A a G, le diagonali EG e DF che si incontrano nel polo S = (0,276; 0,447), la spirale aurea attorno a S e la sua approssimazione con quarti di circonferenza</translation>
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
        <translation>Uso: aurelion-render [OPZIONI] AZIONE...

Esegue l’avvio del programma sulla piattaforma fuori schermo, poi le azioni in ordine, ognuna
attraverso il gestore raggiunto dal clic di un utente, poi scrive le uscite.

Azioni:
  menu:NOME[:INDICE]  un comando di menu per nome del controllo (menu:M_R:4 è Sezione aurea,
                      Pentagramma)
  click:NOME[:INDICE] un clic su un pulsante, un’etichetta o una casella di controllo
                      (click:ComP:0, click:Label7)
  move:X,Y            il puntatore va sulla superficie di disegno al punto (X, Y) delle sue
                      coordinate
  press:X,Y           il puntatore va lì e fa clic sulla superficie di disegno
  tick[:N]            N impulsi del timer (predefinito 1), ognuno solo mentre è attivo
  zoom:Z              lo zoom della finestra diventa Z (da 0.5 a 4), come Visualizza, Ingrandisci

Opzioni:
  --seed N            seme del generatore casuale, per immagini riproducibili
  --png FILE          l’area client della finestra come la vede un utente
  --picture FILE      solo la superficie di disegno, secondo l’estensione: .png, oppure .svg o
                      .pdf per grafica vettoriale grande quanto il disegno a 96 dpi (134,7 mm)
                      (ripetuta per più immagini dello stesso stato, ognuna nel suo formato)
  --page FILE.pdf     una scheda di lavoro: il nome dell’argomento, il disegno, il testo del
                      pannello laterale e i valori dei pannelli, con il nome del programma in fondo
  --paper a4|letter   la carta della scheda di lavoro (predefinita a4)
  --black-and-white   l’immagine e la pagina per una stampante senza colore: linee e testi neri,
                      riempimenti chiari, sfondo bianco
  --scale F           rapporto dei pixel delle immagini PNG (predefinito 1)
  --zoom Z            lo zoom della finestra per --png, da 0.5 a 4 (predefinito 1): ogni controllo,
                      testo e linea Z volte più grande; --picture non cambia
  --animation FILE.gif  una GIF del disegno (come la mostra --picture, a --scale) con un
                      fotogramma dopo ogni azione che lascia visibile il disegno
  --frame-every N     con azioni tick, un fotogramma ogni N impulsi invece di uno dopo l’azione
  --delay MS          quanto resta visibile ogni fotogramma, da 20 a 600000 ms (predefinito 500, o
                      40 per fotogrammi di impulsi); l’ultimo resta 3 secondi
  --loop, --once      la GIF si ripete all’infinito (predefinito) o una volta sola
  --language CODICE   la lingua di tutti i testi e numeri: en, de, fr, es, it o pt_BR
                      (predefinita: quella chiesta dall’ambiente, come la sceglie il programma)
  --state FILE        lo stato della finestra in JSON
  --trace FILE        ciò che mostrano le superfici, un oggetto JSON per riga
  --lesson FILE       una lezione (.aurelion-lesson); i suoi passi si ripetono dall’avvio
  --step N            le uscite mostrano il passo N della lezione (da 1), poi le azioni date
  --handout FILE.pdf  tutta la lezione come dispensa: un frontespizio, poi una scheda di
                      lavoro per ogni passo con il suo titolo, i suoi testi e le sue domande con
                      righe per rispondere (valgono --paper e --black-and-white)
  --handout FILE.html tutta la lezione come una pagina web per ogni browser, telefono o
                      piattaforma didattica: disegno, testi e domande di ogni passo, senza script
                      e senza accesso ad altri file
  --answer-key FILE   come --handout (.pdf o .html), con la risposta a ogni domanda
  --format png|svg|pdf  il formato di --picture quando il nome non ha estensione (-, una pipe)
  --help              questo testo

Ogni FILE viene scritto per intero o per niente, attraverso un file temporaneo accanto, e tutti
prendono il loro nome insieme quando sono tutti pronti, o nessuno; una pipe o un dispositivo
viene scritto sul posto, e - è lo standard output (al massimo un’uscita), così
  aurelion-render menu:M_R:2 --picture - --format svg &gt; rettangolo.svg
Un nome la cui estensione indica un altro formato (--png a.svg), un nome vuoto, lo stesso file
per due uscite e una cartella che manca o non si può scrivere vengono rifiutati prima di
disegnare; così pure un file che non si ha il permesso di scrivere, un’uscita che è il file di
--lesson, un’opzione di uscita data due volte (tranne --picture) e un’animazione di più di 3000
fotogrammi. La finestra è disegnata a --zoom per --scale (e a ogni zoom:Z): al massimo 16384
pixel per lato. È sempre disegnata fuori schermo, qualunque cosa dica QT_QPA_PLATFORM.

Stato di uscita: 0 quando tutto è fatto e scritto; 1 quando questo testo non si può scrivere
sullo standard output; 2 per un argomento, un’azione o un’uscita errati (un messaggio di una
riga sullo standard error lo nomina; un’uscita che non si può scrivere, anche a disco pieno o
a pipe chiusa, dice perché). SIGINT e SIGTERM lo terminano con il segnale, senza lasciare file
temporanei.
</translation>
    </message>
</context>
<context>
    <name>SequenceGraphTopic</name>
    <message>
        <source>Graph y = F(i) for i = -10 to 10, </source>
        <translation>Grafico y = F(i) per i da -10 a 10, </translation>
    </message>
    <message>
        <source>, with the curve y = %1 phi^x; </source>
        <translation> (con la curva y = %1 phi^x); </translation>
    </message>
    <message>
        <source>every F(i) is 0</source>
        <translation>ogni F(i) è 0</translation>
    </message>
    <message>
        <source>for growing i the points grow like the curve, F(i+1)/F(i) approaching </source>
        <translation>per i crescente i punti crescono come la curva, F(i+1)/F(i) tende a </translation>
    </message>
    <message>
        <source>for growing i the points shrink towards 0 with alternating signs, F(i+1)/F(i) being </source>
        <translation>per i crescente i punti tendono a 0 a segni alterni, F(i+1)/F(i) vale </translation>
    </message>
</context>
<context>
    <name>SequencePanels</name>
    <message>
        <source> = infinite </source>
        <translation> = infinito </translation>
    </message>
    <message>
        <source>start values F(0) = %1 and F(1) = %2</source>
        <translation>valori iniziali F(0) = %1 e F(1) = %2</translation>
    </message>
</context>
<context>
    <name>SpiralTopic</name>
    <message>
        <source>GOLDEN  SPIRAL</source>
        <translation>SPIRALE  AUREA</translation>
    </message>
    <message>
        <source>The polar equation of a golden spiral is :</source>
        <translation>L’equazione polare di una spirale aurea è:</translation>
    </message>
    <message>
        <source>Golden spiral r = phi^(h / 90°) about the origin: the radius grows by phi = %1 every quarter turn; the points at whole quarter turns, from r = %2 to r = %3, are joined by chords</source>
        <translation>Spirale aurea r = phi^(h / 90°) attorno all’origine: il raggio cresce di un fattore phi = %1 a ogni quarto di giro; i punti a ogni quarto di giro intero (da r = %2 a r = %3) sono uniti da corde</translation>
    </message>
</context>
<context>
    <name>StateWords</name>
    <message>
        <source>triangle half</source>
        <translation>triangolo metà</translation>
    </message>
    <message>
        <source>triangle minus half</source>
        <translation>triangolo meno metà</translation>
    </message>
    <message>
        <source>hexagon half</source>
        <translation>esagono metà</translation>
    </message>
    <message>
        <source>hexagon minus third</source>
        <translation>esagono meno terzo</translation>
    </message>
    <message>
        <source>triangle nine tenths</source>
        <translation>triangolo nove decimi</translation>
    </message>
    <message>
        <source>pentagon golden</source>
        <translation>pentagono aureo</translation>
    </message>
    <message>
        <source>square minus 0.46</source>
        <translation>quadrato meno 0,46</translation>
    </message>
    <message>
        <source>square half</source>
        <translation>quadrato metà</translation>
    </message>
    <message>
        <source>dodecagon fifth</source>
        <translation>dodecagono quinto</translation>
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
        <translation>rotazione %1°</translation>
    </message>
    <message>
        <source>tilt %1</source>
        <translation>inclinazione %1°</translation>
    </message>
    <message>
        <source>year %1</source>
        <translation>anno %1</translation>
    </message>
    <message>
        <source>month %1</source>
        <translation>mese %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>a start model of the population model, as a title names it</comment>
        <translation>modello %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two values of a lesson step&apos;s proposed title</comment>
        <translation>%1; %2</translation>
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
        <translation>Uso: aurelion [--reset-settings] [LEZIONE.aurelion-lesson]

Apre la finestra di Aurelion. Dimensioni e posizione della finestra, zoom e schermo intero
restano memorizzati da un avvio all’altro nel file delle impostazioni
~/.config/Aurelion/Aurelion.conf.

  --reset-settings    dimenticarli e ripartire dalle dimensioni originali
  LEZIONE             aprire la lezione e mostrarne il primo passo
  --help              questo testo
  --version           la versione del programma
</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Dimensioni reali</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Adatta alla &amp;finestra</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Schermo i&amp;ntero</translation>
    </message>
    <message>
        <source>&amp;Next Topic</source>
        <translation>Argomento &amp;successivo</translation>
    </message>
    <message>
        <source>&amp;Previous Topic</source>
        <translation>Argomento &amp;precedente</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Esci da schermo intero</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>turn angle</source>
        <translation>angolo di rotazione</translation>
    </message>
    <message>
        <source>tilt angle</source>
        <translation>angolo di inclinazione</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visibile</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>nascosto</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
</context>
</TS>
