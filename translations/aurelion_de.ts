<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Exponential function</source>
        <translation>Exponentialfunktion</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>Zeichnung</translation>
    </message>
    <message>
        <source>the construction, graph or table of the topic</source>
        <translation>die Konstruktion, der Graph oder die Tabelle des Themas</translation>
    </message>
    <message>
        <source>explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>coordinates under the pointer</source>
        <translation>Koordinaten unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>start values 1 and phi</source>
        <translation>Startwerte 1 und phi</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = phi: every ratio is phi</source>
        <translation>F(0) = 1; F(1) = phi: jeder Quotient ist phi</translation>
    </message>
    <message>
        <source>start values 1 and -1/phi</source>
        <translation>Startwerte 1 und -1/phi</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = -1/phi: every ratio is -1/phi</source>
        <translation>F(0) = 1; F(1) = -1/phi: jeder Quotient ist -1/phi</translation>
    </message>
    <message>
        <source>start values 1 and 1</source>
        <translation>Startwerte 1 und 1</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = 1: the Fibonacci sequence</source>
        <translation>F(0) = 1; F(1) = 1: die Fibonacci-Folge</translation>
    </message>
    <message>
        <source>F(0) down</source>
        <translation>F(0) kleiner</translation>
    </message>
    <message>
        <source>lower the start value F(0) by 0.2, down to -2</source>
        <translation>den Startwert F(0) um 0,2 verkleinern, bis -2</translation>
    </message>
    <message>
        <source>F(1) down</source>
        <translation>F(1) kleiner</translation>
    </message>
    <message>
        <source>lower the start value F(1) by 0.2, down to -2</source>
        <translation>den Startwert F(1) um 0,2 verkleinern, bis -2</translation>
    </message>
    <message>
        <source>F(0) up</source>
        <translation>F(0) größer</translation>
    </message>
    <message>
        <source>raise the start value F(0) by 0.2, up to 2</source>
        <translation>den Startwert F(0) um 0,2 vergrößern, bis 2</translation>
    </message>
    <message>
        <source>F(1) up</source>
        <translation>F(1) größer</translation>
    </message>
    <message>
        <source>raise the start value F(1) by 0.2, up to 2</source>
        <translation>den Startwert F(1) um 0,2 vergrößern, bis 2</translation>
    </message>
    <message>
        <source>ratio index down</source>
        <translation>Index des Quotienten kleiner</translation>
    </message>
    <message>
        <source>show the ratio F(i+1) / F(i) for the index i one lower</source>
        <translation>den Quotienten F(i+1) / F(i) für den um eins kleineren Index i zeigen</translation>
    </message>
    <message>
        <source>ratio index up</source>
        <translation>Index des Quotienten größer</translation>
    </message>
    <message>
        <source>show the ratio F(i+1) / F(i) for the index i one higher</source>
        <translation>den Quotienten F(i+1) / F(i) für den um eins größeren Index i zeigen</translation>
    </message>
    <message>
        <source>birth factor k down</source>
        <translation>Geburtenfaktor k kleiner</translation>
    </message>
    <message>
        <source>lower the birth factor k by 0.05, down to 0</source>
        <translation>den Geburtenfaktor k um 0,05 verkleinern, bis 0</translation>
    </message>
    <message>
        <source>immigration rate w down</source>
        <translation>Zuwanderungsrate w kleiner</translation>
    </message>
    <message>
        <source>lower the immigration rate w by 1</source>
        <translation>die Zuwanderungsrate w um 1 verkleinern</translation>
    </message>
    <message>
        <source>start population yo down</source>
        <translation>Anfangsbestand yo kleiner</translation>
    </message>
    <message>
        <source>lower the population at t = 0 by 1, down to 0</source>
        <translation>den Bestand bei t = 0 um 1 verkleinern, bis 0</translation>
    </message>
    <message>
        <source>death factor d down</source>
        <translation>Sterbefaktor d kleiner</translation>
    </message>
    <message>
        <source>lower the death factor d by 0.1, down to 0</source>
        <translation>den Sterbefaktor d um 0,1 verkleinern, bis 0</translation>
    </message>
    <message>
        <source>birth factor k up</source>
        <translation>Geburtenfaktor k größer</translation>
    </message>
    <message>
        <source>raise the birth factor k by 0.05, up to 1</source>
        <translation>den Geburtenfaktor k um 0,05 vergrößern, bis 1</translation>
    </message>
    <message>
        <source>immigration rate w up</source>
        <translation>Zuwanderungsrate w größer</translation>
    </message>
    <message>
        <source>raise the immigration rate w by 1</source>
        <translation>die Zuwanderungsrate w um 1 vergrößern</translation>
    </message>
    <message>
        <source>start population yo up</source>
        <translation>Anfangsbestand yo größer</translation>
    </message>
    <message>
        <source>raise the population at t = 0 by 1</source>
        <translation>den Bestand bei t = 0 um 1 vergrößern</translation>
    </message>
    <message>
        <source>death factor d up</source>
        <translation>Sterbefaktor d größer</translation>
    </message>
    <message>
        <source>raise the death factor d by 0.1, up to 1</source>
        <translation>den Sterbefaktor d um 0,1 vergrößern, bis 1</translation>
    </message>
    <message>
        <source>reset birth factor k</source>
        <translation>Geburtenfaktor k zurücksetzen</translation>
    </message>
    <message>
        <source>set the birth factor k to 0</source>
        <translation>den Geburtenfaktor k auf 0 setzen</translation>
    </message>
    <message>
        <source>reset immigration rate w</source>
        <translation>Zuwanderungsrate w zurücksetzen</translation>
    </message>
    <message>
        <source>set the immigration rate w to 0</source>
        <translation>die Zuwanderungsrate w auf 0 setzen</translation>
    </message>
    <message>
        <source>reset start population yo</source>
        <translation>Anfangsbestand yo zurücksetzen</translation>
    </message>
    <message>
        <source>set the population at t = 0 to 10</source>
        <translation>den Bestand bei t = 0 auf 10 setzen</translation>
    </message>
    <message>
        <source>reset death factor d</source>
        <translation>Sterbefaktor d zurücksetzen</translation>
    </message>
    <message>
        <source>set the death factor d to 0</source>
        <translation>den Sterbefaktor d auf 0 setzen</translation>
    </message>
    <message>
        <source>birth factor ln(phi)</source>
        <translation>Geburtenfaktor ln(phi)</translation>
    </message>
    <message>
        <source>set the birth factor k to ln(phi) and the immigration rate to 0</source>
        <translation>den Geburtenfaktor k auf ln(phi) und die Zuwanderungsrate auf 0 setzen</translation>
    </message>
    <message>
        <source>example 1</source>
        <translation>Beispiel 1</translation>
    </message>
    <message>
        <source>k = 0, w = 0, yo = 20, d = 0.5: the population dies out</source>
        <translation>k = 0; w = 0; yo = 20; d = 0,5: die Bevölkerung stirbt aus</translation>
    </message>
    <message>
        <source>example 2</source>
        <translation>Beispiel 2</translation>
    </message>
    <message>
        <source>k = 0, w = 30, yo = 0, d = 0.5: the population grows towards 15</source>
        <translation>k = 0; w = 30; yo = 0; d = 0,5: die Bevölkerung wächst gegen 15</translation>
    </message>
    <message>
        <source>example 3</source>
        <translation>Beispiel 3</translation>
    </message>
    <message>
        <source>k = 0.4, w = 5, yo = 10, d = 0.4: linear growth</source>
        <translation>k = 0,4; w = 5; yo = 10; d = 0,4: lineares Wachstum</translation>
    </message>
    <message>
        <source>example 4</source>
        <translation>Beispiel 4</translation>
    </message>
    <message>
        <source>k = 0.4, w = 0, yo = 10, d = 0.1: exponential growth</source>
        <translation>k = 0,4; w = 0; yo = 10; d = 0,1: exponentielles Wachstum</translation>
    </message>
    <message>
        <source>turn angle down</source>
        <translation>Drehwinkel kleiner</translation>
    </message>
    <message>
        <source>turn the figures 5 degrees about the vertical axis</source>
        <translation>die Körper um 5 Grad um die senkrechte Achse drehen</translation>
    </message>
    <message>
        <source>turn angle up</source>
        <translation>Drehwinkel größer</translation>
    </message>
    <message>
        <source>turn the figures 5 degrees the other way</source>
        <translation>die Körper um 5 Grad in die andere Richtung drehen</translation>
    </message>
    <message>
        <source>tilt angle down</source>
        <translation>Kippwinkel kleiner</translation>
    </message>
    <message>
        <source>tilt the figures 5 degrees about the horizontal axis</source>
        <translation>die Körper um 5 Grad um die waagerechte Achse kippen</translation>
    </message>
    <message>
        <source>tilt angle up</source>
        <translation>Kippwinkel größer</translation>
    </message>
    <message>
        <source>tilt the figures 5 degrees the other way</source>
        <translation>die Körper um 5 Grad in die andere Richtung kippen</translation>
    </message>
    <message>
        <source>reset turn angle</source>
        <translation>Drehwinkel zurücksetzen</translation>
    </message>
    <message>
        <source>set the turn angle to 0</source>
        <translation>den Drehwinkel auf 0 setzen</translation>
    </message>
    <message>
        <source>reset tilt angle</source>
        <translation>Kippwinkel zurücksetzen</translation>
    </message>
    <message>
        <source>set the tilt angle to 0: look straight down the z axis</source>
        <translation>den Kippwinkel auf 0 setzen: Blick genau entlang der z-Achse</translation>
    </message>
    <message>
        <source>show dodecahedron</source>
        <translation>Dodekaeder zeigen</translation>
    </message>
    <message>
        <source>draw the dodecahedron outside the cube</source>
        <translation>das Dodekaeder außen um den Würfel zeichnen</translation>
    </message>
    <message>
        <source>show tetrahedron</source>
        <translation>Tetraeder zeigen</translation>
    </message>
    <message>
        <source>draw the tetrahedron inside the cube</source>
        <translation>das Tetraeder im Würfel zeichnen</translation>
    </message>
    <message>
        <source>show octahedron</source>
        <translation>Oktaeder zeigen</translation>
    </message>
    <message>
        <source>draw the octahedron inside the tetrahedron</source>
        <translation>das Oktaeder im Tetraeder zeichnen</translation>
    </message>
    <message>
        <source>show icosahedron</source>
        <translation>Ikosaeder zeigen</translation>
    </message>
    <message>
        <source>draw the icosahedron inside the cube</source>
        <translation>das Ikosaeder im Würfel zeichnen</translation>
    </message>
    <message>
        <source>x of P down</source>
        <translation>x von P kleiner</translation>
    </message>
    <message>
        <source>move the point P 0.1 to the left, down to -2</source>
        <translation>den Punkt P um 0,1 nach links verschieben, bis -2</translation>
    </message>
    <message>
        <source>y0 down</source>
        <translation>y0 kleiner</translation>
    </message>
    <message>
        <source>lower the curve&apos;s value at x = 0 by 0.1, down to 0.2</source>
        <translation>den Wert der Kurve bei x = 0 um 0,1 verkleinern, bis 0,2</translation>
    </message>
    <message>
        <source>x of P up</source>
        <translation>x von P größer</translation>
    </message>
    <message>
        <source>move the point P 0.1 to the right, up to 4</source>
        <translation>den Punkt P um 0,1 nach rechts verschieben, bis 4</translation>
    </message>
    <message>
        <source>y0 up</source>
        <translation>y0 größer</translation>
    </message>
    <message>
        <source>raise the curve&apos;s value at x = 0 by 0.1, up to 2</source>
        <translation>den Wert der Kurve bei x = 0 um 0,1 vergrößern, bis 2</translation>
    </message>
    <message>
        <source>next year</source>
        <translation>nächstes Jahr</translation>
    </message>
    <message>
        <source>advance the population model by one year</source>
        <translation>das Bevölkerungsmodell um ein Jahr weiterrechnen</translation>
    </message>
    <message>
        <source>birth rate down</source>
        <translation>Geburtenrate kleiner</translation>
    </message>
    <message>
        <source>lower the birth rate</source>
        <translation>die Geburtenrate senken</translation>
    </message>
    <message>
        <source>birth rate up</source>
        <translation>Geburtenrate größer</translation>
    </message>
    <message>
        <source>raise the birth rate</source>
        <translation>die Geburtenrate erhöhen</translation>
    </message>
    <message>
        <source>balance birth rate</source>
        <translation>Geburtenrate ausgleichen</translation>
    </message>
    <message>
        <source>restore the birth rate that keeps the population constant</source>
        <translation>die Geburtenrate wiederherstellen, bei der die Bevölkerung konstant bleibt</translation>
    </message>
    <message>
        <source>start model 1A</source>
        <translation>Modell 1A starten</translation>
    </message>
    <message>
        <source>start again with model 1A, ages up to 20</source>
        <translation>mit Modell 1A neu beginnen, Alter bis 20</translation>
    </message>
    <message>
        <source>start model 1B</source>
        <translation>Modell 1B starten</translation>
    </message>
    <message>
        <source>start again with model 1B, ages up to 15</source>
        <translation>mit Modell 1B neu beginnen, Alter bis 15</translation>
    </message>
    <message>
        <source>start model 2</source>
        <translation>Modell 2 starten</translation>
    </message>
    <message>
        <source>start again with model 2, ages up to 20</source>
        <translation>mit Modell 2 neu beginnen, Alter bis 20</translation>
    </message>
    <message>
        <source>start model 3</source>
        <translation>Modell 3 starten</translation>
    </message>
    <message>
        <source>start again with model 3, ages up to 20</source>
        <translation>mit Modell 3 neu beginnen, Alter bis 20</translation>
    </message>
    <message>
        <source>start model 4A</source>
        <translation>Modell 4A starten</translation>
    </message>
    <message>
        <source>start again with model 4A, ages up to 20</source>
        <translation>mit Modell 4A neu beginnen, Alter bis 20</translation>
    </message>
    <message>
        <source>start model 4B</source>
        <translation>Modell 4B starten</translation>
    </message>
    <message>
        <source>start again with model 4B, ages up to 15</source>
        <translation>mit Modell 4B neu beginnen, Alter bis 15</translation>
    </message>
    <message>
        <source>month back</source>
        <translation>Monat zurück</translation>
    </message>
    <message>
        <source>show the rabbit pairs one month earlier</source>
        <translation>die Kaninchenpaare einen Monat früher zeigen</translation>
    </message>
    <message>
        <source>month forward</source>
        <translation>Monat vor</translation>
    </message>
    <message>
        <source>show the rabbit pairs one month later</source>
        <translation>die Kaninchenpaare einen Monat später zeigen</translation>
    </message>
    <message>
        <source>fast play</source>
        <translation>schnell spielen</translation>
    </message>
    <message>
        <source>50 points every 20 milliseconds</source>
        <translation>50 Punkte alle 20 Millisekunden</translation>
    </message>
    <message>
        <source>slow play</source>
        <translation>langsam spielen</translation>
    </message>
    <message>
        <source>one point a second, with the chosen corner marked</source>
        <translation>ein Punkt pro Sekunde, die gewählte Ecke markiert</translation>
    </message>
    <message>
        <source>triangle, k = 1/2</source>
        <translation>Dreieck, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, halfway to the corner</source>
        <translation>Chaosspiel mit 3 Ecken, auf halbem Weg zur Ecke</translation>
    </message>
    <message>
        <source>triangle, k = -1/2</source>
        <translation>Dreieck, k = -1/2</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, half the distance past the corner</source>
        <translation>Chaosspiel mit 3 Ecken, um den halben Abstand über die Ecke hinaus</translation>
    </message>
    <message>
        <source>hexagon, k = 1/2</source>
        <translation>Sechseck, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 6 corners, halfway to the corner</source>
        <translation>Chaosspiel mit 6 Ecken, auf halbem Weg zur Ecke</translation>
    </message>
    <message>
        <source>hexagon, k = -1/3</source>
        <translation>Sechseck, k = -1/3</translation>
    </message>
    <message>
        <source>chaos game on 6 corners, a third of the distance past the corner</source>
        <translation>Chaosspiel mit 6 Ecken, um ein Drittel des Abstands über die Ecke hinaus</translation>
    </message>
    <message>
        <source>triangle, k = 0.9</source>
        <translation>Dreieck, k = 0,9</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, nine tenths of the distance kept</source>
        <translation>Chaosspiel mit 3 Ecken, neun Zehntel des Abstands bleiben</translation>
    </message>
    <message>
        <source>pentagon, k = 1 - 1/phi</source>
        <translation>Fünfeck, k = 1 - 1/phi</translation>
    </message>
    <message>
        <source>chaos game on 5 corners with the golden factor</source>
        <translation>Chaosspiel mit 5 Ecken und dem goldenen Faktor</translation>
    </message>
    <message>
        <source>square, k = -0.46</source>
        <translation>Quadrat, k = -0,46</translation>
    </message>
    <message>
        <source>chaos game on 4 corners, past the corner</source>
        <translation>Chaosspiel mit 4 Ecken, über die Ecke hinaus</translation>
    </message>
    <message>
        <source>square, k = 1/2</source>
        <translation>Quadrat, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 4 corners, halfway to the corner</source>
        <translation>Chaosspiel mit 4 Ecken, auf halbem Weg zur Ecke</translation>
    </message>
    <message>
        <source>12 corners, k = 1/5</source>
        <translation>12 Ecken, k = 1/5</translation>
    </message>
    <message>
        <source>chaos game on 12 corners, a fifth of the distance kept</source>
        <translation>Chaosspiel mit 12 Ecken, ein Fünftel des Abstands bleibt</translation>
    </message>
    <message>
        <source>leg a down</source>
        <translation>Kathete a kürzer</translation>
    </message>
    <message>
        <source>shorten the leg a by 1, down to 10</source>
        <translation>die Kathete a um 1 verkürzen, bis 10</translation>
    </message>
    <message>
        <source>leg b down</source>
        <translation>Kathete b kürzer</translation>
    </message>
    <message>
        <source>shorten the leg b by 1, down to 10</source>
        <translation>die Kathete b um 1 verkürzen, bis 10</translation>
    </message>
    <message>
        <source>leg a up</source>
        <translation>Kathete a länger</translation>
    </message>
    <message>
        <source>lengthen the leg a by 1, up to 50</source>
        <translation>die Kathete a um 1 verlängern, bis 50</translation>
    </message>
    <message>
        <source>leg b up</source>
        <translation>Kathete b länger</translation>
    </message>
    <message>
        <source>lengthen the leg b by 1, up to 50</source>
        <translation>die Kathete b um 1 verlängern, bis 50</translation>
    </message>
    <message>
        <source>reset leg a</source>
        <translation>Kathete a zurücksetzen</translation>
    </message>
    <message>
        <source>set the leg a to 40</source>
        <translation>die Kathete a auf 40 setzen</translation>
    </message>
    <message>
        <source>reset leg b</source>
        <translation>Kathete b zurücksetzen</translation>
    </message>
    <message>
        <source>set the leg b to 30</source>
        <translation>die Kathete b auf 30 setzen</translation>
    </message>
    <message>
        <source>hypotenuse c</source>
        <translation>Hypotenuse c</translation>
    </message>
    <message>
        <source>segment e</source>
        <translation>Strecke e</translation>
    </message>
    <message>
        <source>e = a</source>
        <translation>e = a</translation>
    </message>
    <message>
        <source>choose b so that e = a and show the golden construction</source>
        <translation>b so wählen, dass e = a, und die goldene Konstruktion zeigen</translation>
    </message>
</context>
<context>
    <name>AnalyticTopic</name>
    <message>
        <source>GIVEN  y0</source>
        <translation>GEGEBEN  y0</translation>
    </message>
    <message>
        <source>Find k so that :</source>
        <translation>Bestimme k so, dass:</translation>
    </message>
    <message>
        <source>y2 = k . y1   and   y2 = y1 + y0</source>
        <translation>y2 = k . y1   und   y2 = y1 + y0</translation>
    </message>
    <message>
        <source>SOLUTION    k² - k - 1 = 0</source>
        <translation>LÖSUNG    k² - k - 1 = 0</translation>
    </message>
    <message>
        <source>The parabola y = k² - k - 1 for k from -0.8 to 2, crossing zero at k1 = phi = %1 and k2 = -1/phi = %2, with its axis at k = 0.5</source>
        <translation>Die Parabel y = k² - k - 1 für k von -0,8 bis 2 mit den Nullstellen k1 = phi = %1 und k2 = -1/phi = %2 und der Symmetrieachse k = 0,5</translation>
    </message>
</context>
<context>
    <name>ChaosTopic</name>
    <message>
        <source>Given is a point F1</source>
        <translation>Gegeben ist ein Punkt F1</translation>
    </message>
    <message>
        <source>Take a random corner point C1</source>
        <translation>Wähle zufällig einen Eckpunkt C1</translation>
    </message>
    <message>
        <source>Draw a line F1C1 between these points</source>
        <translation>Zeichne die Strecke F1C1 zwischen ihnen</translation>
    </message>
    <message>
        <source>A new point F2 on this line is found at a distance</source>
        <translation>Der neue Punkt F2 auf der Strecke liegt im Abstand</translation>
    </message>
    <message>
        <source>Take again random corner point C2</source>
        <translation>Wähle wieder zufällig einen Eckpunkt C2</translation>
    </message>
    <message>
        <source>Draw a line between the points F2 en C2</source>
        <translation>Zeichne die Strecke zwischen F2 und C2</translation>
    </message>
    <message>
        <source>A second new point F3 on this line is found at a distance</source>
        <translation>Ein weiterer Punkt F3 darauf liegt im Abstand</translation>
    </message>
    <message>
        <source>Repeat this and there will emerge a pattern. </source>
        <translation>Wiederhole das, und es entsteht ein Muster. </translation>
    </message>
    <message>
        <source>slow, one point a second</source>
        <translation>langsam, ein Punkt pro Sekunde</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>schnell</translation>
    </message>
    <message numerus="yes">
        <source>Chaos game “%1” on %2 corners with k = %3, %4: %n points drawn so far, each in the colour of the corner it jumped towards</source>
        <translation>
            <numerusform>Chaosspiel „%1“ mit %2 Ecken und k = %3 (%4): bisher %n Punkt gezeichnet, jeder in der Farbe der Ecke, auf die er zusprang</numerusform>
            <numerusform>Chaosspiel „%1“ mit %2 Ecken und k = %3 (%4): bisher %n Punkte gezeichnet, jeder in der Farbe der Ecke, auf die er zusprang</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConicTopic</name>
    <message>
        <source>The polar equation of a conic section is :</source>
        <translation>Die Polargleichung eines Kegelschnitts:</translation>
    </message>
    <message>
        <source>r = p /( 1 + e cos(h) )   with     p = ro( 1 + e )</source>
        <translation>r = p /( 1 + e cos(h) )   mit     p = ro( 1 + e )</translation>
    </message>
    <message>
        <source>If the eccentricity  e &lt; 1 you get an ellipse.</source>
        <translation>Ist die Exzentrizität  e &lt; 1, so entsteht eine Ellipse.</translation>
    </message>
    <message>
        <source>If e = 1/phi and the radius ro = 1/phi you get a</source>
        <translation>Mit e = 1/phi und dem Radius ro = 1/phi entsteht eine</translation>
    </message>
    <message>
        <source>GOLDEN ELLIPSE with a semi major axis phi</source>
        <translation>GOLDENE ELLIPSE mit der großen Halbachse phi</translation>
    </message>
    <message>
        <source>and a semi minor axis H = sqrt(phi)</source>
        <translation>und der kleinen Halbachse H = sqrt(phi)</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>The Great Piramid of Gizeh = Green </source>
        <translation>Die Cheops-Pyramide von Gizeh = grün </translation>
    </message>
    <message>
        <source>Width = 440 el    Height = 280 el     1 el = 0.5237 m</source>
        <translation>Breite = 440 Ellen    Höhe = 280 Ellen     1 Elle = 0,5237 m</translation>
    </message>
    <message>
        <source>The error in Height only 8 cm</source>
        <translation>Der Fehler in der Höhe: nur 8 cm</translation>
    </message>
    <message>
        <source>If e = phi you get a GOLDEN HYPERBOLA. If the</source>
        <translation>Mit e = phi entsteht eine GOLDENE HYPERBEL. Ist der</translation>
    </message>
    <message>
        <source>radius ro = 1/phi then p = phi</source>
        <translation>Radius ro = 1/phi, dann ist p = phi</translation>
    </message>
    <message>
        <source>GOLDEN  ELLIPSE</source>
        <translation>GOLDENE  ELLIPSE</translation>
    </message>
    <message>
        <source>GOLDEN  HYPERBOLA</source>
        <translation>GOLDENE  HYPERBEL</translation>
    </message>
    <message>
        <source>asymptot hyperbola</source>
        <translation>Asymptote der Hyperbel</translation>
    </message>
    <message>
        <source>Golden ellipse with the semi-axes phi = %1 and sqrt(phi) = %2 and the foci F1 and F2 at 1 and -1; the green pyramid triangle with a base angle of %3°; the golden hyperbola with the vertices -1 and 1, the foci at -%1 and %1 and the asymptotes y = %2 x and y = -%2 x</source>
        <translation>Goldene Ellipse mit den Halbachsen phi = %1 und sqrt(phi) = %2 und den Brennpunkten F1 und F2 bei 1 und -1; das grüne Pyramidendreieck mit dem Basiswinkel %3°; die goldene Hyperbel mit den Scheiteln -1 und 1, den Brennpunkten bei -%1 und %1 und den Asymptoten y = %2 x und y = -%2 x</translation>
    </message>
</context>
<context>
    <name>ConstructionTopic</name>
    <message>
        <source>Euclid Book 6 : Divide a line in mean and extreme ratio</source>
        <translation>Euklid, Buch 6: Teile eine Strecke stetig (Goldener Schnitt)</translation>
    </message>
    <message>
        <source>Grahic construction   phi = ( 1 + sqrt( 5 ) ) / 2 </source>
        <translation>Konstruktion   phi = ( 1 + sqrt( 5 ) ) / 2 </translation>
    </message>
    <message>
        <source>Ruler-and-compass construction of phi: two unit squares side by side, their diagonal OE = sqrt(5) = %1, the circle of radius 0.5 about its middle C cutting OE at A, OA = phi = %2, and at B, OB = 1/phi = %3; below the axis the segments b = 1, a = %3 and c = a + b = %2</source>
        <translation>Konstruktion von phi mit Zirkel und Lineal: zwei Einheitsquadrate nebeneinander mit der Diagonale OE = sqrt(5) = %1; der Kreis mit dem Radius 0,5 um ihren Mittelpunkt C schneidet OE in A mit OA = phi = %2 und in B mit OB = 1/phi = %3; unter der Achse die Strecken b = 1; a = %3 und c = a + b = %2</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source> Sequence   F(i+2) = F(i+1) + F(i)  </source>
        <translation> Folge   F(i+2) = F(i+1) + F(i)  </translation>
    </message>
    <message>
        <source> Life Generator Data </source>
        <translation> Daten des Modells </translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source> Dynamic Model </source>
        <translation> Dynamisches Modell </translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>  T I M E </source>
        <translation>  Z E I T </translation>
    </message>
    <message>
        <source> CHAOS </source>
        <translation> CHAOS </translation>
    </message>
    <message>
        <source>Pythagoras</source>
        <translation>Pythagoras</translation>
    </message>
</context>
<context>
    <name>DynamicModelTopic</name>
    <message>
        <source>End Simul</source>
        <translation>Ende der Simulation</translation>
    </message>
    <message>
        <source>Female      Age        Male</source>
        <translation>Frauen      Alter      Männer</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Verteilung</translation>
    </message>
    <message>
        <source>Female reproduct. age</source>
        <translation>Gebärfähige Frauen</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Geburten</translation>
    </message>
    <message>
        <source>Deaht</source>
        <translation>Sterbefälle</translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Ges. </translation>
    </message>
    <message>
        <source>YEAR </source>
        <translation>JAHR </translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Polulation</source>
        <translation>Bevölkerung</translation>
    </message>
    <message>
        <source>Dynamic population model %1, ages 0 to %2, year %3: a total of %4, birth rate %5 (%6 keeps the population constant); the age pyramid of the year above the totals of years 0 to %3</source>
        <translation>Dynamisches Bevölkerungsmodell %1, Alter 0 bis %2, Jahr %3: insgesamt %4; Geburtenrate %5 (%6 hält die Bevölkerung konstant); die Alterspyramide des Jahres über den Gesamtzahlen der Jahre 0 bis %3</translation>
    </message>
</context>
<context>
    <name>ExponentialTopic</name>
    <message>
        <source>Exponential function </source>
        <translation>Exponentialfunktion </translation>
    </message>
    <message>
        <source>y = yo . e ^ k.x    with  k = ln(phi)</source>
        <translation>y = yo . e ^ k.x    mit  k = ln(phi)</translation>
    </message>
    <message>
        <source>Exponential function y = %1 phi^x with the point P at x = %2, y = %3; above it a = %4 and b = %5, beside it c = a + b = %6, with b = phi a and c = phi b</source>
        <translation>Exponentialfunktion y = %1 phi^x mit dem Punkt P bei x = %2; y = %3; darüber a = %4 und b = %5; daneben c = a + b = %6; dabei b = phi a und c = phi b</translation>
    </message>
</context>
<context>
    <name>FileName</name>
    <message>
        <source>graph-p</source>
        <translation>graph-p</translation>
    </message>
    <message>
        <source>ratio-graph</source>
        <translation>quotienten-graph</translation>
    </message>
    <message>
        <source>sequence-graph</source>
        <translation>folgen-graph</translation>
    </message>
    <message>
        <source>golden-rectangle</source>
        <translation>goldenes-rechteck</translation>
    </message>
    <message>
        <source>golden-ellipse-hyperbola</source>
        <translation>goldene-ellipse-hyperbel</translation>
    </message>
    <message>
        <source>pentagram</source>
        <translation>pentagramm</translation>
    </message>
    <message>
        <source>golden-ratio-analytic</source>
        <translation>goldener-schnitt-berechnet</translation>
    </message>
    <message>
        <source>golden-spiral</source>
        <translation>goldene-spirale</translation>
    </message>
    <message>
        <source>golden-ratio-construction</source>
        <translation>goldener-schnitt-konstruktion</translation>
    </message>
    <message>
        <source>life-generator</source>
        <translation>lebensgenerator</translation>
    </message>
    <message>
        <source>platonic-figures</source>
        <translation>platonische-koerper</translation>
    </message>
    <message>
        <source>exponential-function</source>
        <translation>exponentialfunktion</translation>
    </message>
    <message>
        <source>population-model</source>
        <translation>bevoelkerungsmodell</translation>
    </message>
    <message>
        <source>rabbits</source>
        <translation>kaninchen</translation>
    </message>
    <message>
        <source>chaos-game</source>
        <translation>chaosspiel</translation>
    </message>
    <message>
        <source>pythagoras</source>
        <translation>pythagoras</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>worksheet</source>
        <translation>arbeitsblatt</translation>
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
        <translation>Graph P: die Punkte P(i) = (F(i), F(i+1)) für i = -10 bis 10, </translation>
    </message>
    <message>
        <source>every point is the origin</source>
        <translation>jeder Punkt ist der Ursprung</translation>
    </message>
    <message>
        <source>every point lies on the line </source>
        <translation>jeder Punkt liegt auf der Geraden </translation>
    </message>
    <message>
        <source>the points approach the line %1 for growing i and the line %2 for falling i</source>
        <translation>die Punkte nähern sich für wachsendes i der Geraden %1 und für fallendes i der Geraden %2</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>open the menu </source>
        <translation>Menü öffnen: </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About Aurelion</source>
        <translation>Ü&amp;ber Aurelion</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move through the buttons, check boxes and clickable labels of the frame on screen, row by row; Space or Enter presses them. A “&lt;” or “&gt;” button and “Next Year” repeat their step while they are held down, with the mouse or with Space.

The Alt key opens the menu bar; the arrow keys move in it, Enter chooses and Esc closes it.</source>
        <translation>Tab und Umschalt+Tab gehen Zeile für Zeile durch die Schaltflächen, Kontrollkästchen und anklickbaren Beschriftungen des sichtbaren Rahmens; Leertaste oder Eingabetaste drückt sie. Die Schaltflächen „&lt;“ und „&gt;“ und „Nächstes Jahr“ wiederholen ihren Schritt, solange sie gedrückt bleiben, mit der Maus oder der Leertaste.

Die Alt-Taste öffnet die Menüleiste; die Pfeiltasten bewegen sich darin, die Eingabetaste wählt, Esc schließt sie.</translation>
    </message>
    <message>
        <source>About Aurelion</source>
        <translation>Über Aurelion</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Aurelion&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A teaching program about the golden number phi and the Fibonacci sequence.&lt;/p&gt;&lt;p&gt;Aurelion is free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;The Liberation fonts it brings along are under the SIL Open Font License 1.1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Aurelion&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Ein Lernprogramm zur Goldenen Zahl phi und zur Fibonacci-Folge.&lt;/p&gt;&lt;p&gt;Aurelion ist freie Software unter der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later). Es wird ohne jede Gewährleistung bereitgestellt.&lt;/p&gt;&lt;p&gt;Die mitgelieferten Liberation-Schriften stehen unter der SIL Open Font License 1.1.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>&amp;Lesson</source>
        <translation>&amp;Lektion</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Neue Lektion</translation>
    </message>
    <message>
        <source>&amp;Open Lesson...</source>
        <translation>Lektion ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>A&amp;dd Step...</source>
        <translation>Schritt &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>Lektion &amp;speichern</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As...</source>
        <translation>Lektion speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Close Lesson</source>
        <translation>Lektion s&amp;chließen</translation>
    </message>
    <message>
        <source>lesson step</source>
        <translation>Lektionsschritt</translation>
    </message>
    <message>
        <source>Aurelion lessons (*%1)</source>
        <translation>Aurelion-Lektionen (*%1)</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>Save Lesson As</source>
        <translation>Lektion speichern unter</translation>
    </message>
    <message>
        <source>Add Step</source>
        <translation>Schritt hinzufügen</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changes that are not saved.</source>
        <translation>Die Lektion „%1“ hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Schritt %1 von %2: %3</translation>
    </message>
    <message>
        <source>The lesson %1 cannot be opened: %2</source>
        <translation>Die Lektion %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Title screen</source>
        <translation>Titelbild</translation>
    </message>
    <message>
        <source>The lesson could not be saved as %1: %2</source>
        <translation>Die Lektion konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: line %2: %3</source>
        <translation>Schritt %1 kann nicht gezeigt werden: Zeile %2: %3</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <translation>Schritt %1: %2</translation>
    </message>
    <message>
        <source>Lesson &amp;Title...</source>
        <translation>Lektions&amp;titel...</translation>
    </message>
    <message>
        <source>&amp;First Step</source>
        <translation>&amp;Erster Schritt</translation>
    </message>
    <message>
        <source>&amp;Last Step</source>
        <translation>&amp;Letzter Schritt</translation>
    </message>
    <message>
        <source>Lesson Title</source>
        <translation>Titel der Lektion</translation>
    </message>
    <message>
        <source>Title of the lesson:</source>
        <translation>Titel der Lektion:</translation>
    </message>
    <message>
        <source>The file of the lesson &quot;%1&quot; was changed by another program since it was opened or saved here.</source>
        <translation>Die Datei der Lektion „%1“ wurde von einem anderen Programm geändert, seit sie hier geöffnet oder gespeichert wurde.</translation>
    </message>
    <message>
        <source>Reload it, and lose the changes made here, or overwrite it with the lesson as it is here?</source>
        <translation>Die Datei neu laden und die hier gemachten Änderungen verwerfen oder sie mit der Lektion, wie sie hier ist, überschreiben?</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>The lesson %1 has no steps: its file is empty or holds only comments and a title. Add steps with Add Step (%2).</source>
        <translation>Die Lektion %1 hat keine Schritte: ihre Datei ist leer oder enthält nur Kommentare und einen Titel. Schritte fügen Sie mit „Schritt hinzufügen“ (%2) hinzu.</translation>
    </message>
    <message>
        <source>Checking the new step...</source>
        <translation>Der neue Schritt wird geprüft...</translation>
    </message>
    <message>
        <source>Showing step %1 of %2...</source>
        <translation>Schritt %1 von %2 wird gezeigt...</translation>
    </message>
    <message>
        <source>The picture cannot become a step: %1. Choose its topic afresh and add the step sooner.</source>
        <translation>Das Bild kann kein Schritt werden: %1. Wählen Sie sein Thema neu und fügen Sie den Schritt früher hinzu.</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Antwort: %1</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Lösungen: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Re&amp;veal Answer</source>
        <translation>Antwort &amp;aufdecken</translation>
    </message>
    <message>
        <source>Save &amp;Handout...</source>
        <translation>Hand&amp;out speichern...</translation>
    </message>
    <message>
        <source>Save as &amp;Web Page...</source>
        <translation>Als &amp;Webseite speichern...</translation>
    </message>
    <message>
        <source>The step needs a title.</source>
        <translation>Der Schritt braucht einen Titel.</translation>
    </message>
    <message>
        <source>A step has at most %1 paragraphs of text.</source>
        <translation>Ein Schritt hat höchstens %1 Absätze Text.</translation>
    </message>
    <message>
        <source>A paragraph has at most %1 characters.</source>
        <translation>Ein Absatz hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>An answer needs its question.</source>
        <translation>Zu jeder Antwort gehört eine Frage.</translation>
    </message>
    <message>
        <source>&amp;Title of the step:</source>
        <translation>&amp;Titel des Schritts:</translation>
    </message>
    <message>
        <source>Te&amp;xt for the pupils, a paragraph a line:</source>
        <translation>Te&amp;xt für die Klasse, ein Absatz pro Zeile:</translation>
    </message>
    <message>
        <source>&amp;Questions, each with its answer or none:</source>
        <translation>&amp;Fragen, jede mit ihrer Antwort oder ohne:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Web page for the pupils (*.html)</source>
        <translation>Webseite für die Klasse (*.html)</translation>
    </message>
    <message>
        <source>Web page with the answers (*.html)</source>
        <translation>Webseite mit den Lösungen (*.html)</translation>
    </message>
    <message>
        <source>Handout for the pupils (*.pdf)</source>
        <translation>Handout für die Klasse (*.pdf)</translation>
    </message>
    <message>
        <source>Answer key (*.pdf)</source>
        <translation>Lösungen (*.pdf)</translation>
    </message>
    <message>
        <source>Save as Web Page</source>
        <translation>Als Webseite speichern</translation>
    </message>
    <message>
        <source>Save Handout</source>
        <translation>Handout speichern</translation>
    </message>
    <message>
        <source>The lesson has no steps yet. Add steps with Add Step (%1).</source>
        <translation>Die Lektion hat noch keine Schritte. Schritte fügen Sie mit „Schritt hinzufügen“ (%1) hinzu.</translation>
    </message>
    <message>
        <source>The handout could not be saved as %1: %2</source>
        <translation>Das Handout konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Making the handout...</source>
        <translation>Das Handout wird erstellt...</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: %2</source>
        <translation>Schritt %1 kann nicht gezeigt werden: %2</translation>
    </message>
    <message>
        <source>the contents could not be made</source>
        <translation>der Inhalt konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>LifeGeneratorTopic</name>
    <message>
        <source>LIFE GENERATOR         LINEAR MODEL</source>
        <translation>LEBENSGENERATOR        LINEARES MODELL</translation>
    </message>
    <message>
        <source>See also: Population - Dynamic Population Model</source>
        <translation>Siehe auch: Bevölkerung - Dynamisches Bevölkerungsmodell</translation>
    </message>
    <message>
        <source>integration</source>
        <translation>Integration</translation>
    </message>
    <message>
        <source>y        POPULATION NUMBER</source>
        <translation>y        BEVÖLKERUNGSZAHL</translation>
    </message>
    <message>
        <source>TIME SCALE  t</source>
        <translation>ZEITACHSE  t</translation>
    </message>
    <message>
        <source>Time constant T1 = </source>
        <translation>Zeitkonstante T1 = </translation>
    </message>
    <message>
        <source>The population goes down at t=0</source>
        <translation>Die Bevölkerung nimmt bei t=0 ab</translation>
    </message>
    <message>
        <source>The population goes up at t=0</source>
        <translation>Die Bevölkerung nimmt bei t=0 zu</translation>
    </message>
    <message>
        <source>The population is constant</source>
        <translation>Die Bevölkerung ist konstant</translation>
    </message>
    <message>
        <source> y = y0 . phi ^ t   (red curve)</source>
        <translation> y = y0 . phi ^ t   (rote Kurve)</translation>
    </message>
    <message>
        <source>Life generator with k = %1, w = %2, yo = %3 and d = %4: </source>
        <translation>Lebensgenerator mit k = %1; w = %2; yo = %3 und d = %4: </translation>
    </message>
    <message>
        <source>y = yL + (yo - yL) e^((k - d) t) with the limit yL = %1 and the time constant T1 = %2</source>
        <translation>y = yL + (yo - yL) e^((k - d) t) mit dem Grenzwert yL = %1 und der Zeitkonstanten T1 = %2</translation>
    </message>
    <message>
        <source>the straight line y = w t + yo</source>
        <translation>die Gerade y = w t + yo</translation>
    </message>
    <message>
        <source>; the population goes down at t=0</source>
        <translation>; die Bevölkerung nimmt bei t=0 ab</translation>
    </message>
    <message>
        <source>; the population goes up at t=0</source>
        <translation>; die Bevölkerung nimmt bei t=0 zu</translation>
    </message>
    <message>
        <source>; the population is constant</source>
        <translation>; die Bevölkerung ist konstant</translation>
    </message>
    <message>
        <source>. In red for comparison y = yo phi^t</source>
        <translation>. In Rot zum Vergleich y = yo phi^t</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Aurelion Relationship</source>
        <translation>Aurelion-Beziehung</translation>
    </message>
    <message>
        <source>Fibonacci&apos;s rabblis</source>
        <translation>Fibonaccis Kaninchen</translation>
    </message>
    <message>
        <source>Graph y = F(i)</source>
        <translation>Graph y = F(i)</translation>
    </message>
    <message>
        <source>Graph y = F(i+1) / F(i)</source>
        <translation>Graph y = F(i+1) / F(i)</translation>
    </message>
    <message>
        <source>Graph P</source>
        <translation>Graph P</translation>
    </message>
    <message>
        <source>Golden ratio</source>
        <translation>Goldener Schnitt</translation>
    </message>
    <message>
        <source>Golden ratio graphic</source>
        <translation>Goldener Schnitt, konstruiert</translation>
    </message>
    <message>
        <source>Golden ratio analitic</source>
        <translation>Goldener Schnitt, berechnet</translation>
    </message>
    <message>
        <source>Golden rectangle</source>
        <translation>Goldenes Rechteck</translation>
    </message>
    <message>
        <source>Golden ellips   Golden hyperbola</source>
        <translation>Goldene Ellipse   Goldene Hyperbel</translation>
    </message>
    <message>
        <source>Pentagram</source>
        <translation>Pentagramm</translation>
    </message>
    <message>
        <source>Golden spiral</source>
        <translation>Goldene Spirale</translation>
    </message>
    <message>
        <source>Exponential function</source>
        <translation>Exponentialfunktion</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Bevölkerung</translation>
    </message>
    <message>
        <source>Life Generator</source>
        <translation>Lebensgenerator</translation>
    </message>
    <message>
        <source>Dynamic Population Model</source>
        <translation>Dynamisches Bevölkerungsmodell</translation>
    </message>
    <message>
        <source>CHAOS</source>
        <translation>CHAOS</translation>
    </message>
    <message>
        <source>Pythagoras</source>
        <translation>Pythagoras</translation>
    </message>
    <message>
        <source>Platonic Figures</source>
        <translation>Platonische Körper</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Burthfactor</source>
        <translation>Geburtenfaktor</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Zügig</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Träge</translation>
    </message>
    <message>
        <source> Model 1A (20) </source>
        <translation> Modell 1A (20) </translation>
    </message>
    <message>
        <source> Model 1B (15) </source>
        <translation> Modell 1B (15) </translation>
    </message>
    <message>
        <source> Model 2  (20) </source>
        <translation> Modell 2  (20) </translation>
    </message>
    <message>
        <source> Model 3  (20) </source>
        <translation> Modell 3  (20) </translation>
    </message>
    <message>
        <source> Model 4A (20) </source>
        <translation> Modell 4A (20) </translation>
    </message>
    <message>
        <source> Model 4B (15) </source>
        <translation> Modell 4B (15) </translation>
    </message>
    <message>
        <source> Dodecaëder 12 </source>
        <translation> Dodekaeder 12 </translation>
    </message>
    <message>
        <source> Tetraëder 4 </source>
        <translation> Tetraeder 4 </translation>
    </message>
    <message>
        <source> Octaëder 8 </source>
        <translation> Oktaeder 8 </translation>
    </message>
    <message>
        <source> Icosaëder 20 </source>
        <translation> Ikosaeder 20 </translation>
    </message>
    <message>
        <source> Burthfactor (1 / Unit of time) </source>
        <translation> Geburtenfaktor (1 / Zeiteinheit) </translation>
    </message>
    <message>
        <source> Immigrationrate ( speaces / Unit of time ) </source>
        <translation> Zuwanderungsrate ( Individuen / Zeiteinheit ) </translation>
    </message>
    <message>
        <source> Population at t=0 </source>
        <translation> Bestand bei t=0 </translation>
    </message>
    <message>
        <source> Deathfactor (1 / Unit of time) </source>
        <translation> Sterbefaktor (1 / Zeiteinheit) </translation>
    </message>
    <message>
        <source>The Aurelion relationship 1.6        a teaching program by the Aurelion team</source>
        <translation>Die Aurelion-Beziehung 1.6        ein Lernprogramm des Aurelion-Teams</translation>
    </message>
    <message>
        <source> THE GOLDEN NUMBER  : Click for sequence F(0) = 1 , F(1) = phi </source>
        <translation> DIE GOLDENE ZAHL: Klick für die Folge F(0) = 1; F(1) = phi </translation>
    </message>
    <message>
        <source> Click for sequence  F(0) = 1 ,  F(1) = -1/phi </source>
        <translation> Klick für die Folge  F(0) = 1;  F(1) = -1/phi </translation>
    </message>
    <message>
        <source> Click for Fibonacci sequence  F(0) = 1   F(1) = 1 </source>
        <translation> Klick für die Fibonacci-Folge  F(0) = 1   F(1) = 1 </translation>
    </message>
    <message>
        <source>THE</source>
        <translation>DIE</translation>
    </message>
    <message>
        <source>AURELION</source>
        <translation>AURELION</translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation>BEZIEHUNG</translation>
    </message>
    <message>
        <source>A teaching program on phi and Fibonacci</source>
        <translation>Ein Lernprogramm zu phi und Fibonacci</translation>
    </message>
    <message>
        <source>by the Aurelion team, 2026</source>
        <translation>vom Aurelion-Team, 2026</translation>
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
        <translation>PENTAGRAMM</translation>
    </message>
    <message>
        <source>The line p2p4 has a lenght c</source>
        <translation>Die Strecke p2p4 hat die Länge c</translation>
    </message>
    <message>
        <source>Triangle A,p2,p1  and  p1,p2,p4 :</source>
        <translation>Dreiecke A,p2,p1  und  p1,p2,p4:</translation>
    </message>
    <message>
        <source>Point A : Divide line p2,p4 in mean and extreme ratio</source>
        <translation>Punkt A teilt p2,p4 im Goldenen Schnitt</translation>
    </message>
    <message>
        <source>If  b = 1  then  c = phi  and   a = 1/phi</source>
        <translation>Ist  b = 1, so ist  c = phi  und   a = 1/phi</translation>
    </message>
    <message>
        <source>Pentagram: a regular pentagon p1 to p5 of side 1 with its five diagonals of length phi = %1; their crossing point A divides the diagonal p2p4 into a = %2 and b = 1, so that a / b = b / (a + b)</source>
        <translation>Pentagramm: ein regelmäßiges Fünfeck p1 bis p5 mit der Seitenlänge 1 und seinen fünf Diagonalen der Länge phi = %1; ihr Schnittpunkt A teilt die Diagonale p2p4 in a = %2 und b = 1, sodass a / b = b / (a + b)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Picture As…</source>
        <translation>Bild &amp;speichern unter…</translation>
    </message>
    <message>
        <source>Save &amp;Worksheet As…</source>
        <translation>&amp;Arbeitsblatt speichern unter…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Record Animation</source>
        <translation>A&amp;nimation aufnehmen</translation>
    </message>
    <message>
        <source>S&amp;top Recording…</source>
        <translation>Aufnahme &amp;beenden…</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2.</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden.

%2.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1.

%2.</source>
        <translation>Das Arbeitsblatt konnte nicht als %1 gespeichert werden.

%2.</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>Arbeitsblatt speichern</translation>
    </message>
    <message>
        <source>The worksheet could not be printed to %1.

%2.</source>
        <translation>Das Arbeitsblatt konnte nicht in %1 gedruckt werden.

%2.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The worksheet could not be sent to the printer %1.</source>
        <translation>Das Arbeitsblatt konnte nicht an den Drucker %1 gesendet werden.</translation>
    </message>
    <message>
        <source>screen size</source>
        <translation>Bildschirmgröße</translation>
    </message>
    <message>
        <source>twice the size</source>
        <translation>doppelte Größe</translation>
    </message>
    <message>
        <source>four times the size</source>
        <translation>vierfache Größe</translation>
    </message>
    <message>
        <source>PNG image, %1, %2 × %3 pixels (*.png)</source>
        <translation>PNG-Bild, %1, %2 × %3 Pixel (*.png)</translation>
    </message>
    <message>
        <source>SVG vector drawing (*.svg)</source>
        <translation>SVG-Vektorzeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF vector drawing (*.pdf)</source>
        <translation>PDF-Vektorzeichnung (*.pdf)</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>Save Worksheet As</source>
        <translation>Arbeitsblatt speichern unter</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Worksheet Page</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>Letter, 8.5 × 11 in</source>
        <translation>Letter, 8,5 × 11 Zoll</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>&amp;Black and white, for a printer without colour</source>
        <translation>&amp;Schwarz-Weiß, für einen Drucker ohne Farbe</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Aufnahme speichern</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>Animiertes GIF (*.gif)</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Animation aufnehmen</translation>
    </message>
    <message>
        <source>

Save it, discard it, or cancel and go on recording?</source>
        <translation>

Speichern, verwerfen oder abbrechen und weiter aufnehmen?</translation>
    </message>
    <message>
        <source>

Save it or discard it?</source>
        <translation>

Speichern oder verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>Aurelion drawing</source>
        <translation>Aurelion-Zeichnung</translation>
    </message>
    <message numerus="yes">
        <source>The recording of %n frames is not saved.</source>
        <translation>
            <numerusform>Die Aufnahme mit %n Bild ist noch nicht gespeichert.</numerusform>
            <numerusform>Die Aufnahme mit %n Bildern ist noch nicht gespeichert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlatonicTopic</name>
    <message>
        <source>Plato (about 427 - 347 BC), Greek philosopher,</source>
        <translation>Platon (etwa 427 - 347 v. Chr.), griech. Philosoph,</translation>
    </message>
    <message>
        <source>gave the figures his name; his pupil was Aristotle</source>
        <translation>gab den Körpern den Namen; sein Schüler: Aristoteles</translation>
    </message>
    <message>
        <source>There are only five platonic figures</source>
        <translation>Es gibt nur fünf platonische Körper</translation>
    </message>
    <message>
        <source>Given is a cube with lenght L = 10</source>
        <translation>Gegeben ist ein Würfel mit der Kantenlänge L = 10</translation>
    </message>
    <message>
        <source>The dodecaëder constructed outside the cube has</source>
        <translation>Das Dodekaeder außen um den Würfel hat</translation>
    </message>
    <message>
        <source>a lenght  Ld = L / phi</source>
        <translation>die Kantenlänge  Ld = L / phi</translation>
    </message>
    <message>
        <source>The icosaëder constructed inside the cube has</source>
        <translation>Das Ikosaeder im Würfel hat</translation>
    </message>
    <message>
        <source>a lenght  Li = L / phi</source>
        <translation>die Kantenlänge  Li = L / phi</translation>
    </message>
    <message>
        <source>The tetraëder constructed inside de cube has a</source>
        <translation>Das Tetraeder im Würfel hat die</translation>
    </message>
    <message>
        <source>length Lt = sqrt(2). L</source>
        <translation>Kantenlänge Lt = sqrt(2). L</translation>
    </message>
    <message>
        <source>The octaëder is constructed inside de tetraëder</source>
        <translation>Das Oktaeder liegt im Tetraeder</translation>
    </message>
    <message>
        <source>THE PLATONIC FIGURES</source>
        <translation>DIE PLATONISCHEN KÖRPER</translation>
    </message>
    <message>
        <source>More figures in another program by the same maker</source>
        <translation>Mehr Körper in einem anderen Programm der Autoren</translation>
    </message>
    <message>
        <source>click for coördinates</source>
        <translation>Klick zeigt Koordinaten</translation>
    </message>
    <message>
        <source>Distance p27,p9 = Ld / 2</source>
        <translation>Abstand p27,p9 = Ld / 2</translation>
    </message>
    <message>
        <source>Coördinates p</source>
        <translation>Koordinaten p</translation>
    </message>
    <message>
        <source>the dotted cube of side 10</source>
        <translation>der gepunktete Würfel mit der Kantenlänge 10</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Platonic figures turned %1° and tilted %2°, with the x, y and z axes: %3%4</source>
        <translation>Platonische Körper, um %1° gedreht und um %2° gekippt, mit der x-, y- und z-Achse: %3%4</translation>
    </message>
    <message>
        <source>, no other solid</source>
        <translation>, kein weiterer Körper</translation>
    </message>
    <message>
        <source>the dodecahedron outside the cube</source>
        <translation>das Dodekaeder außen um den Würfel</translation>
    </message>
    <message>
        <source>the tetrahedron inside it</source>
        <translation>das Tetraeder darin</translation>
    </message>
    <message>
        <source>the octahedron inside the tetrahedron</source>
        <translation>das Oktaeder im Tetraeder</translation>
    </message>
    <message>
        <source>the icosahedron inside the cube</source>
        <translation>das Ikosaeder im Würfel</translation>
    </message>
</context>
<context>
    <name>PythagorasTopic</name>
    <message>
        <source>Pythagoras of Samos lived from 575 to 500 BC.</source>
        <translation>Pythagoras von Samos lebte 575 bis 500 v. Chr.</translation>
    </message>
    <message>
        <source>He spent 22 years in Egypt and 12 years in Babylon.</source>
        <translation>Er war 22 Jahre in Ägypten und 12 Jahre in Babylon.</translation>
    </message>
    <message>
        <source>Given is a rectangular TRIANGLE ABC with a area  a.b / 2</source>
        <translation>Gegeben: ein rechtwinkliges DREIECK ABC, Fläche  a.b / 2</translation>
    </message>
    <message>
        <source>Make a square AFGH with lenght  L = a + b</source>
        <translation>Zeichne ein Quadrat AFGH mit der Seitenlänge  L = a + b</translation>
    </message>
    <message>
        <source>Make a square CBDE with lenght  c</source>
        <translation>Zeichne ein Quadrat CBDE mit der Seitenlänge  c</translation>
    </message>
    <message>
        <source>The area of AFGH is :</source>
        <translation>Die Fläche von AFGH ist:</translation>
    </message>
    <message>
        <source>The area of CBDE is equal to :  a² + b² = c²</source>
        <translation>Die Fläche von CBDE ist also:  a² + b² = c²</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>Area  BDKJ = d . c = a²</source>
        <translation>Fläche  BDKJ = d . c = a²</translation>
    </message>
    <message>
        <source>Area  JKEC = e . c = b²</source>
        <translation>Fläche  JKEC = e . c = b²</translation>
    </message>
    <message>
        <source>If e = a then c = phi * a and the rectange JKEC is a</source>
        <translation>Ist e = a, so ist c = phi * a und das Rechteck JKEC ein</translation>
    </message>
    <message>
        <source>golden rectangle.</source>
        <translation>goldenes Rechteck.</translation>
    </message>
    <message>
        <source>Great pyramid of Cheops: try a = 22 and b = 28</source>
        <translation>Cheops-Pyramide: probiere a = 22 und b = 28</translation>
    </message>
    <message>
        <source>Pythagoras with the legs a = %1 and b = %2, the hypotenuse c = %3 and e = %4: the square on c inside the square of side a + b = %5 has the area a² + b² = %6, the squares on a and b beside it</source>
        <translation>Pythagoras mit den Katheten a = %1 und b = %2 sowie der Hypotenuse c = %3 und e = %4: das Quadrat über c im Quadrat mit der Seitenlänge a + b = %5 hat den Flächeninhalt a² + b² = %6; die Quadrate über a und b daneben</translation>
    </message>
    <message>
        <source>; with the golden construction: e = a, c = phi a, and JKEC is a golden rectangle</source>
        <translation>; mit der goldenen Konstruktion: e = a, c = phi a, und JKEC ist ein goldenes Rechteck</translation>
    </message>
</context>
<context>
    <name>RabbitTopic</name>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>FIBONACCI&apos;S RABBITS</source>
        <translation>FIBONACCIS KANINCHEN</translation>
    </message>
    <message>
        <source>The Fibonacci sequence of numbers 1, 1, 2, 3, 5, 8,...</source>
        <translation>Die Fibonacci-Folge der Zahlen 1, 1, 2, 3, 5, 8,...</translation>
    </message>
    <message>
        <source>was found by Leonardo of Pisa, called Fibonacci,</source>
        <translation>fand Leonardo von Pisa, genannt Fibonacci,</translation>
    </message>
    <message>
        <source>an Italian mathematician born around 1175.</source>
        <translation>ein italienischer Mathematiker, geboren um 1175.</translation>
    </message>
    <message>
        <source>The sequence of the numbers are following the</source>
        <translation>Die Zahlen der Folge gehorchen der</translation>
    </message>
    <message>
        <source>relationchip</source>
        <translation>Rekursionsformel</translation>
    </message>
    <message>
        <source>Every female rabbit always produces one pair newly</source>
        <translation>Jedes Weibchen bringt jeden Monat ein Paar</translation>
    </message>
    <message>
        <source>born rabbis every month from the second month on.</source>
        <translation>Junge zur Welt, vom zweiten Monat an.</translation>
    </message>
    <message>
        <source>At month 0 there is one newly born pair of rabbits</source>
        <translation>Im Monat 0 gibt es ein neugeborenes Paar</translation>
    </message>
    <message>
        <source>The rabbits never DIE</source>
        <translation>Die Kaninchen STERBEN nie</translation>
    </message>
    <message>
        <source>Who created the first pair ???</source>
        <translation>Wer schuf das erste Paar???</translation>
    </message>
    <message>
        <source>Rabbits Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>(Month&apos;s)</source>
        <translation>(Monate)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>----- Time ---&gt;</source>
        <translation>----- Zeit ---&gt;</translation>
    </message>
    <message>
        <source>Age one month</source>
        <translation>Alter 1 Monat</translation>
    </message>
    <message>
        <source>Newly - BORN</source>
        <translation>NEUGEBOREN</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SUMME</translation>
    </message>
    <message>
        <source>Fibonacci Numbers  F(i)</source>
        <translation>Fibonacci-Zahlen  F(i)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>PAIRS of RABBITS</source>
        <translation>KANINCHENPAARE</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Start Reprod.</source>
        <translation>Geschlechtsreif</translation>
    </message>
    <message numerus="yes">
        <source>Fibonacci&apos;s rabbits, month %1 of %2: %n pairs of rabbits; the totals month by month, the Fibonacci numbers: %3</source>
        <translation>
            <numerusform>Fibonaccis Kaninchen, Monat %1 von %2: %n Kaninchenpaar; die Summen Monat für Monat, die Fibonacci-Zahlen: %3</numerusform>
            <numerusform>Fibonaccis Kaninchen, Monat %1 von %2: %n Kaninchenpaare; die Summen Monat für Monat, die Fibonacci-Zahlen: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RatioGraphTopic</name>
    <message>
        <source>If  i = + infinite  Then F(i+1) / F(i) =  phi</source>
        <translation>Für  i → +∞  gilt  F(i+1) / F(i) → phi</translation>
    </message>
    <message>
        <source>Ratio graph F(i+1)/F(i) for i = -10 to 10, </source>
        <translation>Graph des Quotienten F(i+1)/F(i) für i = -10 bis 10, </translation>
    </message>
    <message>
        <source>every F(i) is 0, so there is no ratio to draw</source>
        <translation>jedes F(i) ist 0, es gibt also keinen Quotienten</translation>
    </message>
    <message>
        <source>every point lies on </source>
        <translation>jeder Punkt liegt auf </translation>
    </message>
    <message>
        <source>the points approach %1 for growing i and %2 for falling i</source>
        <translation>die Punkte nähern sich für wachsendes i %1 und für fallendes i %2</translation>
    </message>
    <message>
        <source>; no point for i = %1, where F(i) is 0</source>
        <translation>; kein Punkt für i = %1, wo F(i) gleich 0 ist</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>%1: the recording holds %2 frames, as many as a recording may</source>
        <translation>%1: die Aufnahme hat %2 Bilder, so viele wie möglich</translation>
    </message>
    <message>
        <source>%1: no frame was recorded: the drawing was not shown</source>
        <translation>%1: kein Bild aufgenommen: die Zeichnung war nicht zu sehen</translation>
    </message>
    <message>
        <source>The recording holds %1 frames, as many as a recording may, and has stopped.</source>
        <translation>Die Aufnahme hat %1 Bilder, so viele wie möglich, und ist beendet.</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Animation aufnehmen</translation>
    </message>
    <message>
        <source>The recording has stopped.

%1.</source>
        <translation>Die Aufnahme wurde beendet.

%1.</translation>
    </message>
    <message>
        <source>The recording could not be kept.

%1.</source>
        <translation>Die Aufnahme konnte nicht behalten werden.

%1.</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>The recording could not be saved as %1.

%2.</source>
        <translation>Die Aufnahme konnte nicht als %1 gespeichert werden.

%2.</translation>
    </message>
    <message numerus="yes">
        <source>● REC  %n frames</source>
        <translation>
            <numerusform>● REC  %n Bild</numerusform>
            <numerusform>● REC  %n Bilder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>What an earlier run of Aurelion kept for recovery cannot be read and has been removed:

%1</source>
        <translation>Was ein früherer Lauf von Aurelion zur Wiederherstellung aufbewahrt hat, lässt sich nicht lesen und wurde entfernt:

%1</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 while it was recording the drawing. The recording was not saved.</source>
        <translation>Aurelion wurde am %1 um %2 beendet, während die Zeichnung aufgenommen wurde. Die Aufnahme wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Recover it and choose where to save it, discard it, or decide at the next start?</source>
        <translation>Wiederherstellen und einen Speicherort wählen, verwerfen oder beim nächsten Start entscheiden?</translation>
    </message>
    <message>
        <source>The recovered work could not be saved as %1: %2.</source>
        <translation>Die wiederhergestellte Arbeit konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>&amp;Recover…</source>
        <translation>&amp;Wiederherstellen…</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 before a new lesson was saved.</source>
        <translation>Aurelion wurde am %1 um %2 beendet, bevor eine neue Lektion gespeichert war.</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 before the lesson &quot;%3&quot; was saved.</source>
        <translation>Aurelion wurde am %1 um %2 beendet, bevor die Lektion „%3“ gespeichert war.</translation>
    </message>
</context>
<context>
    <name>RectangleTopic</name>
    <message>
        <source>GOLDEN  RECTANGLE</source>
        <translation>GOLDENES  RECHTECK</translation>
    </message>
    <message>
        <source>Golden sprial</source>
        <translation>Goldene Spirale</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Golden rectangle: squares of side 1, phi = %1, phi² = %2, phi³ = %3 and phi⁴ = %4 around the corner points A to G, the diagonals EG and DF crossing in the pole S = (0.276, 0.447), the golden spiral about S and its approximation by quarter circles</source>
        <translation>Goldenes Rechteck: Quadrate mit den Seiten 1; phi = %1; phi² = %2; phi³ = %3 und phi⁴ = %4 um die Eckpunkte A bis G, die Diagonalen EG und DF schneiden sich im Pol S = (0,276 | 0,447), die goldene Spirale um S und ihre Näherung durch Viertelkreise</translation>
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
        <translation>Aufruf: aurelion-render [OPTIONEN] AKTION...

Führt den Start des Programms auf der Offscreen-Plattform aus, dann die Aktionen der Reihe nach,
jede über die Routine, die ein Klick des Benutzers erreicht, und schreibt dann die Ausgaben.

Aktionen:
  menu:NAME[:INDEX]   ein Menübefehl nach Steuerelementname (menu:M_R:4 ist Goldener Schnitt,
                      Pentagramm)
  click:NAME[:INDEX]  ein Klick auf eine Schaltfläche, eine Beschriftung oder ein Kontrollkästchen
                      (click:ComP:0, click:Label7)
  move:X,Y            der Zeiger geht über der Zeichenfläche zum Punkt (X, Y) ihrer Koordinaten
  press:X,Y           der Zeiger geht dorthin und klickt auf die Zeichenfläche
  tick[:N]            N Takte des Zeitgebers (Vorgabe 1), jeder nur, solange er läuft
  zoom:Z              der Zoom des Fensters wird Z (0.5 bis 4), wie Ansicht, Vergrößern

Optionen:
  --seed N            Startwert des Zufallsgenerators, für wiederholbare Bilder
  --png DATEI         der Inhalt des Fensters, wie ein Benutzer ihn sieht
  --picture DATEI     nur die Zeichenfläche, nach der Endung: .png, oder .svg oder .pdf für
                      Vektorgrafik in Zeichnungsgröße auf einem 96-dpi-Bildschirm (134,7 mm)
                      (mehrmals für mehrere Bilder desselben Zustands, jedes in seinem Format)
  --page DATEI.pdf    ein Arbeitsblatt: der Name des Themas, die Zeichnung, der Text der
                      Seitenleiste und die Werte der Bedienfelder, darunter der Name des Programms
  --paper a4|letter   das Papier des Arbeitsblatts (Vorgabe a4)
  --black-and-white   Bild und Seite für einen Drucker ohne Farbe: Linien und Texte schwarz,
                      Flächen hell, der Hintergrund weiß
  --scale F           Pixelverhältnis der PNG-Bilder (Vorgabe 1)
  --zoom Z            der Zoom des Fensters für --png, von 0.5 bis 4 (Vorgabe 1): jedes
                      Steuerelement, jeder Text und jede Linie Z-mal so groß; --picture bleibt
  --animation DATEI.gif  ein GIF der Zeichnung (wie --picture sie zeigt, mit --scale) mit einem
                      Bild nach jeder Aktion, nach der die Zeichnung zu sehen ist
  --frame-every N     bei tick-Aktionen ein Bild alle N Takte statt eines nach der Aktion
  --delay MS          wie lange jedes Bild steht, 20 bis 600000 ms (Vorgabe 500, oder 40 für Bilder
                      von Takten); das letzte Bild steht 3 Sekunden
  --loop, --once      das GIF läuft endlos (die Vorgabe) oder einmal
  --language CODE     die Sprache aller Texte und Zahlen: en, de, fr, es, it oder pt_BR
                      (Vorgabe: die der Umgebung, wie das Programm sie wählt)
  --state DATEI       der Zustand des Fensters als JSON
  --trace DATEI       was die Flächen zeigen, ein JSON-Objekt je Zeile
  --lesson DATEI      eine Lektion (.aurelion-lesson); ihre Schritte laufen vom Start an ab
  --step N            die Ausgaben zeigen Schritt N der Lektion (ab 1), dann die angegebenen
                      Aktionen
  --handout DATEI.pdf die ganze Lektion als Heft: ein Titelblatt, dann ein Arbeitsblatt je
                      Schritt mit seinem Titel, seinen Texten und seinen Fragen mit Linien für
                      die Antworten (--paper und --black-and-white gelten)
  --handout DATEI.html die ganze Lektion als eine Webseite für jeden Browser, jedes Handy und
                      jede Lernplattform: Zeichnung, Texte und Fragen jedes Schritts, ohne
                      Skripte und ohne Zugriff auf eine andere Datei
  --answer-key DATEI  wie --handout (.pdf oder .html), mit der Antwort zu jeder Frage
  --format png|svg|pdf  das Format von --picture, wo sein Name keine Endung hat (-, eine Pipe)
  --help              dieser Text

Jede DATEI wird ganz oder gar nicht geschrieben, über eine temporäre Datei daneben, und alle
erhalten ihre Namen zusammen, sobald alle fertig sind, oder keine; eine Pipe oder ein Gerät wird
direkt beschrieben, und - ist die Standardausgabe (höchstens eine Ausgabe), also
  aurelion-render menu:M_R:2 --picture - --format svg &gt; rechteck.svg
Ein Name, dessen Endung ein anderes Format nennt (--png a.svg), ein leerer Name, dieselbe Datei
für zwei Ausgaben und ein Ordner, der fehlt oder nicht beschrieben werden kann, werden vor dem
Zeichnen abgelehnt, ebenso eine Datei, die nicht geschrieben werden darf, eine Ausgabe, die die
Datei von --lesson ist, eine zweimal angegebene Ausgabe-Option (außer --picture) und eine
Animation mit mehr als 3000 Bildern. Das Fenster wird mit --zoom mal --scale gezeichnet (und
bei jedem zoom:Z): höchstens 16384 Pixel je Seite. Es wird immer offscreen gezeichnet, was
QT_QPA_PLATFORM auch sagt.

Rückgabewert: 0, wenn alles getan und geschrieben ist; 1, wenn dieser Text nicht auf die
Standardausgabe geschrieben werden kann; 2 bei einem falschen Argument, einer falschen Aktion
oder Ausgabe (eine einzeilige Meldung auf der Standardfehlerausgabe nennt es; eine Ausgabe, die
nicht geschrieben werden kann, auch bei voller Platte oder geschlossener Pipe, sagt, warum).
SIGINT und SIGTERM beenden es durch das Signal, ohne eine temporäre Datei zu hinterlassen.
</translation>
    </message>
</context>
<context>
    <name>SequenceGraphTopic</name>
    <message>
        <source>Graph y = F(i) for i = -10 to 10, </source>
        <translation>Graph y = F(i) für i = -10 bis 10, </translation>
    </message>
    <message>
        <source>, with the curve y = %1 phi^x; </source>
        <translation> (mit der Kurve y = %1 phi^x); </translation>
    </message>
    <message>
        <source>every F(i) is 0</source>
        <translation>jedes F(i) ist 0</translation>
    </message>
    <message>
        <source>for growing i the points grow like the curve, F(i+1)/F(i) approaching </source>
        <translation>für wachsendes i wachsen die Punkte wie die Kurve, F(i+1)/F(i) nähert sich </translation>
    </message>
    <message>
        <source>for growing i the points shrink towards 0 with alternating signs, F(i+1)/F(i) being </source>
        <translation>für wachsendes i gehen die Punkte mit wechselndem Vorzeichen gegen 0, F(i+1)/F(i) ist </translation>
    </message>
</context>
<context>
    <name>SequencePanels</name>
    <message>
        <source> = infinite </source>
        <translation> = unendlich </translation>
    </message>
    <message>
        <source>start values F(0) = %1 and F(1) = %2</source>
        <translation>Startwerte F(0) = %1 und F(1) = %2</translation>
    </message>
</context>
<context>
    <name>SpiralTopic</name>
    <message>
        <source>GOLDEN  SPIRAL</source>
        <translation>GOLDENE  SPIRALE</translation>
    </message>
    <message>
        <source>The polar equation of a golden spiral is :</source>
        <translation>Die Polargleichung einer goldenen Spirale:</translation>
    </message>
    <message>
        <source>Golden spiral r = phi^(h / 90°) about the origin: the radius grows by phi = %1 every quarter turn; the points at whole quarter turns, from r = %2 to r = %3, are joined by chords</source>
        <translation>Goldene Spirale r = phi^(h / 90°) um den Ursprung: der Radius wächst mit jeder Vierteldrehung um den Faktor phi = %1; die Punkte nach ganzen Vierteldrehungen (von r = %2 bis r = %3) sind durch Sehnen verbunden</translation>
    </message>
</context>
<context>
    <name>StateWords</name>
    <message>
        <source>triangle half</source>
        <translation>Dreieck halb</translation>
    </message>
    <message>
        <source>triangle minus half</source>
        <translation>Dreieck minus halb</translation>
    </message>
    <message>
        <source>hexagon half</source>
        <translation>Sechseck halb</translation>
    </message>
    <message>
        <source>hexagon minus third</source>
        <translation>Sechseck minus Drittel</translation>
    </message>
    <message>
        <source>triangle nine tenths</source>
        <translation>Dreieck neun Zehntel</translation>
    </message>
    <message>
        <source>pentagon golden</source>
        <translation>Fünfeck Goldener Schnitt</translation>
    </message>
    <message>
        <source>square minus 0.46</source>
        <translation>Quadrat minus 0,46</translation>
    </message>
    <message>
        <source>square half</source>
        <translation>Quadrat halb</translation>
    </message>
    <message>
        <source>dodecagon fifth</source>
        <translation>Zwölfeck Fünftel</translation>
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
        <translation>Drehung %1°</translation>
    </message>
    <message>
        <source>tilt %1</source>
        <translation>Neigung %1°</translation>
    </message>
    <message>
        <source>year %1</source>
        <translation>Jahr %1</translation>
    </message>
    <message>
        <source>month %1</source>
        <translation>Monat %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>a start model of the population model, as a title names it</comment>
        <translation>Modell %1</translation>
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
        <translation>Aufruf: aurelion [--reset-settings] [LEKTION.aurelion-lesson]

Öffnet das Aurelion-Fenster. Größe und Lage des Fensters, sein Zoom und der Vollbildmodus
bleiben zwischen zwei Starts in der Einstellungsdatei ~/.config/Aurelion/Aurelion.conf erhalten.

  --reset-settings    sie vergessen und in der Größe des Entwurfs beginnen
  LEKTION             die Lektion öffnen und ihren ersten Schritt zeigen
  --help              dieser Text
  --version           die Version des Programms
</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Voll&amp;bild</translation>
    </message>
    <message>
        <source>&amp;Next Topic</source>
        <translation>&amp;Nächstes Thema</translation>
    </message>
    <message>
        <source>&amp;Previous Topic</source>
        <translation>&amp;Vorheriges Thema</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>turn angle</source>
        <translation>Drehwinkel</translation>
    </message>
    <message>
        <source>tilt angle</source>
        <translation>Kippwinkel</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>gezeigt</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>nicht gezeigt</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
</context>
</TS>
