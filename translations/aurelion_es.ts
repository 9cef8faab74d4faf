<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Exponential function</source>
        <translation>Función exponencial</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>dibujo</translation>
    </message>
    <message>
        <source>the construction, graph or table of the topic</source>
        <translation>la construcción, la gráfica o la tabla del tema</translation>
    </message>
    <message>
        <source>explanation</source>
        <translation>explicación</translation>
    </message>
    <message>
        <source>coordinates under the pointer</source>
        <translation>coordenadas bajo el puntero</translation>
    </message>
    <message>
        <source>start values 1 and phi</source>
        <translation>valores iniciales 1 y phi</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = phi: every ratio is phi</source>
        <translation>F(0) = 1; F(1) = phi: cada razón vale phi</translation>
    </message>
    <message>
        <source>start values 1 and -1/phi</source>
        <translation>valores iniciales 1 y -1/phi</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = -1/phi: every ratio is -1/phi</source>
        <translation>F(0) = 1; F(1) = -1/phi: cada razón vale -1/phi</translation>
    </message>
    <message>
        <source>start values 1 and 1</source>
        <translation>valores iniciales 1 y 1</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = 1: the Fibonacci sequence</source>
        <translation>F(0) = 1; F(1) = 1: la sucesión de Fibonacci</translation>
    </message>
    <message>
        <source>F(0) down</source>
        <translation>F(0) menos</translation>
    </message>
    <message>
        <source>lower the start value F(0) by 0.2, down to -2</source>
        <translation>bajar el valor inicial F(0) en 0,2 (hasta -2)</translation>
    </message>
    <message>
        <source>F(1) down</source>
        <translation>F(1) menos</translation>
    </message>
    <message>
        <source>lower the start value F(1) by 0.2, down to -2</source>
        <translation>bajar el valor inicial F(1) en 0,2 (hasta -2)</translation>
    </message>
    <message>
        <source>F(0) up</source>
        <translation>F(0) más</translation>
    </message>
    <message>
        <source>raise the start value F(0) by 0.2, up to 2</source>
        <translation>subir el valor inicial F(0) en 0,2 (hasta 2)</translation>
    </message>
    <message>
        <source>F(1) up</source>
        <translation>F(1) más</translation>
    </message>
    <message>
        <source>raise the start value F(1) by 0.2, up to 2</source>
        <translation>subir el valor inicial F(1) en 0,2 (hasta 2)</translation>
    </message>
    <message>
        <source>ratio index down</source>
        <translation>índice de la razón menos</translation>
    </message>
    <message>
        <source>show the ratio F(i+1) / F(i) for the index i one lower</source>
        <translation>mostrar la razón F(i+1) / F(i) para el índice i anterior</translation>
    </message>
    <message>
        <source>ratio index up</source>
        <translation>índice de la razón más</translation>
    </message>
    <message>
        <source>show the ratio F(i+1) / F(i) for the index i one higher</source>
        <translation>mostrar la razón F(i+1) / F(i) para el índice i siguiente</translation>
    </message>
    <message>
        <source>birth factor k down</source>
        <translation>factor de natalidad k menos</translation>
    </message>
    <message>
        <source>lower the birth factor k by 0.05, down to 0</source>
        <translation>bajar el factor de natalidad k en 0,05 (hasta 0)</translation>
    </message>
    <message>
        <source>immigration rate w down</source>
        <translation>tasa de inmigración w menos</translation>
    </message>
    <message>
        <source>lower the immigration rate w by 1</source>
        <translation>bajar la tasa de inmigración w en 1</translation>
    </message>
    <message>
        <source>start population yo down</source>
        <translation>población inicial yo menos</translation>
    </message>
    <message>
        <source>lower the population at t = 0 by 1, down to 0</source>
        <translation>bajar en 1 la población para t = 0 (hasta 0)</translation>
    </message>
    <message>
        <source>death factor d down</source>
        <translation>factor de mortalidad d menos</translation>
    </message>
    <message>
        <source>lower the death factor d by 0.1, down to 0</source>
        <translation>bajar el factor de mortalidad d en 0,1 (hasta 0)</translation>
    </message>
    <message>
        <source>birth factor k up</source>
        <translation>factor de natalidad k más</translation>
    </message>
    <message>
        <source>raise the birth factor k by 0.05, up to 1</source>
        <translation>subir el factor de natalidad k en 0,05 (hasta 1)</translation>
    </message>
    <message>
        <source>immigration rate w up</source>
        <translation>tasa de inmigración w más</translation>
    </message>
    <message>
        <source>raise the immigration rate w by 1</source>
        <translation>subir la tasa de inmigración w en 1</translation>
    </message>
    <message>
        <source>start population yo up</source>
        <translation>población inicial yo más</translation>
    </message>
    <message>
        <source>raise the population at t = 0 by 1</source>
        <translation>subir en 1 la población para t = 0</translation>
    </message>
    <message>
        <source>death factor d up</source>
        <translation>factor de mortalidad d más</translation>
    </message>
    <message>
        <source>raise the death factor d by 0.1, up to 1</source>
        <translation>subir el factor de mortalidad d en 0,1 (hasta 1)</translation>
    </message>
    <message>
        <source>reset birth factor k</source>
        <translation>restablecer el factor de natalidad k</translation>
    </message>
    <message>
        <source>set the birth factor k to 0</source>
        <translation>poner el factor de natalidad k a 0</translation>
    </message>
    <message>
        <source>reset immigration rate w</source>
        <translation>restablecer la tasa de inmigración w</translation>
    </message>
    <message>
        <source>set the immigration rate w to 0</source>
        <translation>poner la tasa de inmigración w a 0</translation>
    </message>
    <message>
        <source>reset start population yo</source>
        <translation>restablecer la población inicial yo</translation>
    </message>
    <message>
        <source>set the population at t = 0 to 10</source>
        <translation>poner a 10 la población para t = 0</translation>
    </message>
    <message>
        <source>reset death factor d</source>
        <translation>restablecer el factor de mortalidad d</translation>
    </message>
    <message>
        <source>set the death factor d to 0</source>
        <translation>poner el factor de mortalidad d a 0</translation>
    </message>
    <message>
        <source>birth factor ln(phi)</source>
        <translation>factor de natalidad ln(phi)</translation>
    </message>
    <message>
        <source>set the birth factor k to ln(phi) and the immigration rate to 0</source>
        <translation>poner el factor de natalidad k a ln(phi) y la tasa de inmigración a 0</translation>
    </message>
    <message>
        <source>example 1</source>
        <translation>ejemplo 1</translation>
    </message>
    <message>
        <source>k = 0, w = 0, yo = 20, d = 0.5: the population dies out</source>
        <translation>k = 0; w = 0; yo = 20; d = 0,5: la población se extingue</translation>
    </message>
    <message>
        <source>example 2</source>
        <translation>ejemplo 2</translation>
    </message>
    <message>
        <source>k = 0, w = 30, yo = 0, d = 0.5: the population grows towards 15</source>
        <translation>k = 0; w = 30; yo = 0; d = 0,5: la población tiende a 15</translation>
    </message>
    <message>
        <source>example 3</source>
        <translation>ejemplo 3</translation>
    </message>
    <message>
        <source>k = 0.4, w = 5, yo = 10, d = 0.4: linear growth</source>
        <translation>k = 0,4; w = 5; yo = 10; d = 0,4: crecimiento lineal</translation>
    </message>
    <message>
        <source>example 4</source>
        <translation>ejemplo 4</translation>
    </message>
    <message>
        <source>k = 0.4, w = 0, yo = 10, d = 0.1: exponential growth</source>
        <translation>k = 0,4; w = 0; yo = 10; d = 0,1: crecimiento exponencial</translation>
    </message>
    <message>
        <source>turn angle down</source>
        <translation>ángulo de giro menos</translation>
    </message>
    <message>
        <source>turn the figures 5 degrees about the vertical axis</source>
        <translation>girar los sólidos 5 grados alrededor del eje vertical</translation>
    </message>
    <message>
        <source>turn angle up</source>
        <translation>ángulo de giro más</translation>
    </message>
    <message>
        <source>turn the figures 5 degrees the other way</source>
        <translation>girar los sólidos 5 grados en el otro sentido</translation>
    </message>
    <message>
        <source>tilt angle down</source>
        <translation>ángulo de inclinación menos</translation>
    </message>
    <message>
        <source>tilt the figures 5 degrees about the horizontal axis</source>
        <translation>inclinar los sólidos 5 grados alrededor del eje horizontal</translation>
    </message>
    <message>
        <source>tilt angle up</source>
        <translation>ángulo de inclinación más</translation>
    </message>
    <message>
        <source>tilt the figures 5 degrees the other way</source>
        <translation>inclinar los sólidos 5 grados en el otro sentido</translation>
    </message>
    <message>
        <source>reset turn angle</source>
        <translation>restablecer el ángulo de giro</translation>
    </message>
    <message>
        <source>set the turn angle to 0</source>
        <translation>poner el ángulo de giro a 0</translation>
    </message>
    <message>
        <source>reset tilt angle</source>
        <translation>restablecer el ángulo de inclinación</translation>
    </message>
    <message>
        <source>set the tilt angle to 0: look straight down the z axis</source>
        <translation>poner el ángulo de inclinación a 0: mirar a lo largo del eje z</translation>
    </message>
    <message>
        <source>show dodecahedron</source>
        <translation>mostrar el dodecaedro</translation>
    </message>
    <message>
        <source>draw the dodecahedron outside the cube</source>
        <translation>dibujar el dodecaedro alrededor del cubo</translation>
    </message>
    <message>
        <source>show tetrahedron</source>
        <translation>mostrar el tetraedro</translation>
    </message>
    <message>
        <source>draw the tetrahedron inside the cube</source>
        <translation>dibujar el tetraedro dentro del cubo</translation>
    </message>
    <message>
        <source>show octahedron</source>
        <translation>mostrar el octaedro</translation>
    </message>
    <message>
        <source>draw the octahedron inside the tetrahedron</source>
        <translation>dibujar el octaedro dentro del tetraedro</translation>
    </message>
    <message>
        <source>show icosahedron</source>
        <translation>mostrar el icosaedro</translation>
    </message>
    <message>
        <source>draw the icosahedron inside the cube</source>
        <translation>dibujar el icosaedro dentro del cubo</translation>
    </message>
    <message>
        <source>x of P down</source>
        <translation>x de P menos</translation>
    </message>
    <message>
        <source>move the point P 0.1 to the left, down to -2</source>
        <translation>mover el punto P 0,1 hacia la izquierda (hasta -2)</translation>
    </message>
    <message>
        <source>y0 down</source>
        <translation>y0 menos</translation>
    </message>
    <message>
        <source>lower the curve&apos;s value at x = 0 by 0.1, down to 0.2</source>
        <translation>bajar en 0,1 el valor de la curva para x = 0 (hasta 0,2)</translation>
    </message>
    <message>
        <source>x of P up</source>
        <translation>x de P más</translation>
    </message>
    <message>
        <source>move the point P 0.1 to the right, up to 4</source>
        <translation>mover el punto P 0,1 hacia la derecha (hasta 4)</translation>
    </message>
    <message>
        <source>y0 up</source>
        <translation>y0 más</translation>
    </message>
    <message>
        <source>raise the curve&apos;s value at x = 0 by 0.1, up to 2</source>
        <translation>subir en 0,1 el valor de la curva para x = 0 (hasta 2)</translation>
    </message>
    <message>
        <source>next year</source>
        <translation>año siguiente</translation>
    </message>
    <message>
        <source>advance the population model by one year</source>
        <translation>avanzar el modelo de población un año</translation>
    </message>
    <message>
        <source>birth rate down</source>
        <translation>tasa de natalidad menos</translation>
    </message>
    <message>
        <source>lower the birth rate</source>
        <translation>bajar la tasa de natalidad</translation>
    </message>
    <message>
        <source>birth rate up</source>
        <translation>tasa de natalidad más</translation>
    </message>
    <message>
        <source>raise the birth rate</source>
        <translation>subir la tasa de natalidad</translation>
    </message>
    <message>
        <source>balance birth rate</source>
        <translation>equilibrar la tasa de natalidad</translation>
    </message>
    <message>
        <source>restore the birth rate that keeps the population constant</source>
        <translation>restablecer la tasa de natalidad que mantiene constante la población</translation>
    </message>
    <message>
        <source>start model 1A</source>
        <translation>iniciar el modelo 1A</translation>
    </message>
    <message>
        <source>start again with model 1A, ages up to 20</source>
        <translation>empezar de nuevo con el modelo 1A, edades hasta 20</translation>
    </message>
    <message>
        <source>start model 1B</source>
        <translation>iniciar el modelo 1B</translation>
    </message>
    <message>
        <source>start again with model 1B, ages up to 15</source>
        <translation>empezar de nuevo con el modelo 1B, edades hasta 15</translation>
    </message>
    <message>
        <source>start model 2</source>
        <translation>iniciar el modelo 2</translation>
    </message>
    <message>
        <source>start again with model 2, ages up to 20</source>
        <translation>empezar de nuevo con el modelo 2, edades hasta 20</translation>
    </message>
    <message>
        <source>start model 3</source>
        <translation>iniciar el modelo 3</translation>
    </message>
    <message>
        <source>start again with model 3, ages up to 20</source>
        <translation>empezar de nuevo con el modelo 3, edades hasta 20</translation>
    </message>
    <message>
        <source>start model 4A</source>
        <translation>iniciar el modelo 4A</translation>
    </message>
    <message>
        <source>start again with model 4A, ages up to 20</source>
        <translation>empezar de nuevo con el modelo 4A, edades hasta 20</translation>
    </message>
    <message>
        <source>start model 4B</source>
        <translation>iniciar el modelo 4B</translation>
    </message>
    <message>
        <source>start again with model 4B, ages up to 15</source>
        <translation>empezar de nuevo con el modelo 4B, edades hasta 15</translation>
    </message>
    <message>
        <source>month back</source>
        <translation>mes anterior</translation>
    </message>
    <message>
        <source>show the rabbit pairs one month earlier</source>
        <translation>mostrar las parejas de conejos un mes antes</translation>
    </message>
    <message>
        <source>month forward</source>
        <translation>mes siguiente</translation>
    </message>
    <message>
        <source>show the rabbit pairs one month later</source>
        <translation>mostrar las parejas de conejos un mes después</translation>
    </message>
    <message>
        <source>fast play</source>
        <translation>modo rápido</translation>
    </message>
    <message>
        <source>50 points every 20 milliseconds</source>
        <translation>50 puntos cada 20 milisegundos</translation>
    </message>
    <message>
        <source>slow play</source>
        <translation>modo lento</translation>
    </message>
    <message>
        <source>one point a second, with the chosen corner marked</source>
        <translation>un punto por segundo, con el vértice elegido marcado</translation>
    </message>
    <message>
        <source>triangle, k = 1/2</source>
        <translation>triángulo, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, halfway to the corner</source>
        <translation>juego del caos con 3 vértices, a medio camino del vértice</translation>
    </message>
    <message>
        <source>triangle, k = -1/2</source>
        <translation>triángulo, k = -1/2</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, half the distance past the corner</source>
        <translation>juego del caos con 3 vértices, a media distancia más allá del vértice</translation>
    </message>
    <message>
        <source>hexagon, k = 1/2</source>
        <translation>hexágono, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 6 corners, halfway to the corner</source>
        <translation>juego del caos con 6 vértices, a medio camino del vértice</translation>
    </message>
    <message>
        <source>hexagon, k = -1/3</source>
        <translation>hexágono, k = -1/3</translation>
    </message>
    <message>
        <source>chaos game on 6 corners, a third of the distance past the corner</source>
        <translation>juego del caos con 6 vértices, a un tercio de la distancia más allá del vértice</translation>
    </message>
    <message>
        <source>triangle, k = 0.9</source>
        <translation>triángulo, k = 0,9</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, nine tenths of the distance kept</source>
        <translation>juego del caos con 3 vértices, se conservan nueve décimos de la distancia</translation>
    </message>
    <message>
        <source>pentagon, k = 1 - 1/phi</source>
        <translation>pentágono, k = 1 - 1/phi</translation>
    </message>
    <message>
        <source>chaos game on 5 corners with the golden factor</source>
        <translation>juego del caos con 5 vértices y el factor áureo</translation>
    </message>
    <message>
        <source>square, k = -0.46</source>
        <translation>cuadrado, k = -0,46</translation>
    </message>
    <message>
        <source>chaos game on 4 corners, past the corner</source>
        <translation>juego del caos con 4 vértices, más allá del vértice</translation>
    </message>
    <message>
        <source>square, k = 1/2</source>
        <translation>cuadrado, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 4 corners, halfway to the corner</source>
        <translation>juego del caos con 4 vértices, a medio camino del vértice</translation>
    </message>
    <message>
        <source>12 corners, k = 1/5</source>
        <translation>12 vértices, k = 1/5</translation>
    </message>
    <message>
        <source>chaos game on 12 corners, a fifth of the distance kept</source>
        <translation>juego del caos con 12 vértices, se conserva un quinto de la distancia</translation>
    </message>
    <message>
        <source>leg a down</source>
        <translation>cateto a menos</translation>
    </message>
    <message>
        <source>shorten the leg a by 1, down to 10</source>
        <translation>acortar el cateto a en 1 (hasta 10)</translation>
    </message>
    <message>
        <source>leg b down</source>
        <translation>cateto b menos</translation>
    </message>
    <message>
        <source>shorten the leg b by 1, down to 10</source>
        <translation>acortar el cateto b en 1 (hasta 10)</translation>
    </message>
    <message>
        <source>leg a up</source>
        <translation>cateto a más</translation>
    </message>
    <message>
        <source>lengthen the leg a by 1, up to 50</source>
        <translation>alargar el cateto a en 1 (hasta 50)</translation>
    </message>
    <message>
        <source>leg b up</source>
        <translation>cateto b más</translation>
    </message>
    <message>
        <source>lengthen the leg b by 1, up to 50</source>
        <translation>alargar el cateto b en 1 (hasta 50)</translation>
    </message>
    <message>
        <source>reset leg a</source>
        <translation>restablecer el cateto a</translation>
    </message>
    <message>
        <source>set the leg a to 40</source>
        <translation>dar al cateto a la longitud 40</translation>
    </message>
    <message>
        <source>reset leg b</source>
        <translation>restablecer el cateto b</translation>
    </message>
    <message>
        <source>set the leg b to 30</source>
        <translation>dar al cateto b la longitud 30</translation>
    </message>
    <message>
        <source>hypotenuse c</source>
        <translation>hipotenusa c</translation>
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
        <translation>elegir b de modo que e = a y mostrar la construcción áurea</translation>
    </message>
</context>
<context>
    <name>AnalyticTopic</name>
    <message>
        <source>GIVEN  y0</source>
        <translation>DADO  y0</translation>
    </message>
    <message>
        <source>Find k so that :</source>
        <translation>Halla k de modo que:</translation>
    </message>
    <message>
        <source>y2 = k . y1   and   y2 = y1 + y0</source>
        <translation>y2 = k . y1   y   y2 = y1 + y0</translation>
    </message>
    <message>
        <source>SOLUTION    k² - k - 1 = 0</source>
        <translation>SOLUCIÓN    k² - k - 1 = 0</translation>
    </message>
    <message>
        <source>The parabola y = k² - k - 1 for k from -0.8 to 2, crossing zero at k1 = phi = %1 and k2 = -1/phi = %2, with its axis at k = 0.5</source>
        <translation>La parábola y = k² - k - 1 para k de -0,8 a 2, con ceros en k1 = phi = %1 y k2 = -1/phi = %2 y su eje en k = 0,5</translation>
    </message>
</context>
<context>
    <name>ChaosTopic</name>
    <message>
        <source>Given is a point F1</source>
        <translation>Dado un punto F1</translation>
    </message>
    <message>
        <source>Take a random corner point C1</source>
        <translation>Elige al azar un vértice C1</translation>
    </message>
    <message>
        <source>Draw a line F1C1 between these points</source>
        <translation>Traza el segmento F1C1 entre ambos puntos</translation>
    </message>
    <message>
        <source>A new point F2 on this line is found at a distance</source>
        <translation>El nuevo punto F2 del segmento está a la distancia</translation>
    </message>
    <message>
        <source>Take again random corner point C2</source>
        <translation>Elige otra vez al azar un vértice C2</translation>
    </message>
    <message>
        <source>Draw a line between the points F2 en C2</source>
        <translation>Traza el segmento entre los puntos F2 y C2</translation>
    </message>
    <message>
        <source>A second new point F3 on this line is found at a distance</source>
        <translation>Otro punto nuevo F3 del segmento está a la distancia</translation>
    </message>
    <message>
        <source>Repeat this and there will emerge a pattern. </source>
        <translation>Repite esto y aparecerá una figura. </translation>
    </message>
    <message>
        <source>slow, one point a second</source>
        <translation>lento, un punto por segundo</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rápido</translation>
    </message>
    <message numerus="yes">
        <source>Chaos game “%1” on %2 corners with k = %3, %4: %n points drawn so far, each in the colour of the corner it jumped towards</source>
        <translation>
            <numerusform>Juego del caos «%1» con %2 vértices y k = %3 (%4): %n punto dibujado hasta ahora, del color del vértice hacia el que saltó</numerusform>
            <numerusform>Juego del caos «%1» con %2 vértices y k = %3 (%4): %n puntos dibujados hasta ahora, cada uno del color del vértice hacia el que saltó</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConicTopic</name>
    <message>
        <source>The polar equation of a conic section is :</source>
        <translation>La ecuación polar de una cónica es:</translation>
    </message>
    <message>
        <source>r = p /( 1 + e cos(h) )   with     p = ro( 1 + e )</source>
        <translation>r = p /( 1 + e cos(h) )   con     p = ro( 1 + e )</translation>
    </message>
    <message>
        <source>If the eccentricity  e &lt; 1 you get an ellipse.</source>
        <translation>Si la excentricidad  e &lt; 1, se obtiene una elipse.</translation>
    </message>
    <message>
        <source>If e = 1/phi and the radius ro = 1/phi you get a</source>
        <translation>Con e = 1/phi y el radio ro = 1/phi se obtiene una</translation>
    </message>
    <message>
        <source>GOLDEN ELLIPSE with a semi major axis phi</source>
        <translation>ELIPSE ÁUREA de semieje mayor phi</translation>
    </message>
    <message>
        <source>and a semi minor axis H = sqrt(phi)</source>
        <translation>y semieje menor H = sqrt(phi)</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>The Great Piramid of Gizeh = Green </source>
        <translation>La Gran Pirámide de Guiza = verde </translation>
    </message>
    <message>
        <source>Width = 440 el    Height = 280 el     1 el = 0.5237 m</source>
        <translation>Base = 440 c.    Altura = 280 c.    1 codo = 0,5237 m</translation>
    </message>
    <message>
        <source>The error in Height only 8 cm</source>
        <translation>El error en la altura: solo 8 cm</translation>
    </message>
    <message>
        <source>If e = phi you get a GOLDEN HYPERBOLA. If the</source>
        <translation>Con e = phi se obtiene una HIPÉRBOLA ÁUREA. Si el</translation>
    </message>
    <message>
        <source>radius ro = 1/phi then p = phi</source>
        <translation>radio ro = 1/phi, entonces p = phi</translation>
    </message>
    <message>
        <source>GOLDEN  ELLIPSE</source>
        <translation>ELIPSE  ÁUREA</translation>
    </message>
    <message>
        <source>GOLDEN  HYPERBOLA</source>
        <translation>HIPÉRBOLA  ÁUREA</translation>
    </message>
    <message>
        <source>asymptot hyperbola</source>
        <translation>asíntota de la hipérbola</translation>
    </message>
    <message>
        <source>Golden ellipse with the semi-axes phi = %1 and sqrt(phi) = %2 and the foci F1 and F2 at 1 and -1; the green pyramid triangle with a base angle of %3°; the golden hyperbola with the vertices -1 and 1, the foci at -%1 and %1 and the asymptotes y = %2 x and y = -%2 x</source>
        <translation>Elipse áurea de semiejes phi = %1 y sqrt(phi) = %2 y focos F1 y F2 en 1 y -1; el triángulo verde de la pirámide, con un ángulo en la base de %3°; la hipérbola áurea de vértices -1 y 1, focos en -%1 y %1 y asíntotas y = %2 x e y = -%2 x</translation>
    </message>
</context>
<context>
    <name>ConstructionTopic</name>
    <message>
        <source>Euclid Book 6 : Divide a line in mean and extreme ratio</source>
        <translation>Euclides, libro VI: dividir en media y extrema razón</translation>
    </message>
    <message>
        <source>Grahic construction   phi = ( 1 + sqrt( 5 ) ) / 2 </source>
        <translation>Construcción gráfica   phi = ( 1 + sqrt( 5 ) ) / 2 </translation>
    </message>
    <message>
        <source>Ruler-and-compass construction of phi: two unit squares side by side, their diagonal OE = sqrt(5) = %1, the circle of radius 0.5 about its middle C cutting OE at A, OA = phi = %2, and at B, OB = 1/phi = %3; below the axis the segments b = 1, a = %3 and c = a + b = %2</source>
        <translation>Construcción de phi con regla y compás: dos cuadrados unidad uno junto a otro, de diagonal OE = sqrt(5) = %1; la circunferencia de radio 0,5 con centro en su punto medio C corta OE en A, con OA = phi = %2 y en B, con OB = 1/phi = %3; bajo el eje, los segmentos b = 1; a = %3 y c = a + b = %2</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source> Sequence   F(i+2) = F(i+1) + F(i)  </source>
        <translation> Sucesión   F(i+2) = F(i+1) + F(i)  </translation>
    </message>
    <message>
        <source> Life Generator Data </source>
        <translation> Datos del modelo </translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source> Dynamic Model </source>
        <translation> Modelo dinámico </translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>Año siguiente</translation>
    </message>
    <message>
        <source>  T I M E </source>
        <translation>  T I E M P O </translation>
    </message>
    <message>
        <source> CHAOS </source>
        <translation> CAOS </translation>
    </message>
    <message>
        <source>Pythagoras</source>
        <translation>Pitágoras</translation>
    </message>
</context>
<context>
    <name>DynamicModelTopic</name>
    <message>
        <source>End Simul</source>
        <translation>Fin de la simulación</translation>
    </message>
    <message>
        <source>Female      Age        Male</source>
        <translation>Mujeres     Edad       Hombres</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Distribución</translation>
    </message>
    <message>
        <source>Female reproduct. age</source>
        <translation>Mujeres fértiles</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nac.</translation>
    </message>
    <message>
        <source>Deaht</source>
        <translation>Defunciones</translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Total </translation>
    </message>
    <message>
        <source>YEAR </source>
        <translation>AÑO </translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Polulation</source>
        <translation>Población</translation>
    </message>
    <message>
        <source>Dynamic population model %1, ages 0 to %2, year %3: a total of %4, birth rate %5 (%6 keeps the population constant); the age pyramid of the year above the totals of years 0 to %3</source>
        <translation>Modelo dinámico de población %1, edades de 0 a %2, año %3: un total de %4; tasa de natalidad %5 (%6 mantiene constante la población); la pirámide de población del año sobre los totales de los años 0 a %3</translation>
    </message>
</context>
<context>
    <name>ExponentialTopic</name>
    <message>
        <source>Exponential function </source>
        <translation>Función exponencial </translation>
    </message>
    <message>
        <source>y = yo . e ^ k.x    with  k = ln(phi)</source>
        <translation>y = yo . e ^ k.x    con  k = ln(phi)</translation>
    </message>
    <message>
        <source>Exponential function y = %1 phi^x with the point P at x = %2, y = %3; above it a = %4 and b = %5, beside it c = a + b = %6, with b = phi a and c = phi b</source>
        <translation>Función exponencial y = %1 phi^x con el punto P en x = %2; y = %3; encima a = %4 y b = %5; al lado c = a + b = %6; con b = phi a y c = phi b</translation>
    </message>
</context>
<context>
    <name>FileName</name>
    <message>
        <source>graph-p</source>
        <translation>grafica-p</translation>
    </message>
    <message>
        <source>ratio-graph</source>
        <translation>grafica-razon</translation>
    </message>
    <message>
        <source>sequence-graph</source>
        <translation>grafica-sucesion</translation>
    </message>
    <message>
        <source>golden-rectangle</source>
        <translation>rectangulo-aureo</translation>
    </message>
    <message>
        <source>golden-ellipse-hyperbola</source>
        <translation>elipse-hiperbola-aureas</translation>
    </message>
    <message>
        <source>pentagram</source>
        <translation>pentagrama</translation>
    </message>
    <message>
        <source>golden-ratio-analytic</source>
        <translation>numero-aureo-calculo</translation>
    </message>
    <message>
        <source>golden-spiral</source>
        <translation>espiral-aurea</translation>
    </message>
    <message>
        <source>golden-ratio-construction</source>
        <translation>numero-aureo-construccion</translation>
    </message>
    <message>
        <source>life-generator</source>
        <translation>generador-de-vida</translation>
    </message>
    <message>
        <source>platonic-figures</source>
        <translation>solidos-platonicos</translation>
    </message>
    <message>
        <source>exponential-function</source>
        <translation>funcion-exponencial</translation>
    </message>
    <message>
        <source>population-model</source>
        <translation>modelo-de-poblacion</translation>
    </message>
    <message>
        <source>rabbits</source>
        <translation>conejos</translation>
    </message>
    <message>
        <source>chaos-game</source>
        <translation>juego-del-caos</translation>
    </message>
    <message>
        <source>pythagoras</source>
        <translation>pitagoras</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>worksheet</source>
        <translation>ficha</translation>
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
        <translation>Gráfica P: los puntos P(i) = (F(i), F(i+1)) para i de -10 a 10, </translation>
    </message>
    <message>
        <source>every point is the origin</source>
        <translation>todos los puntos están en el origen</translation>
    </message>
    <message>
        <source>every point lies on the line </source>
        <translation>todos los puntos están en la recta </translation>
    </message>
    <message>
        <source>the points approach the line %1 for growing i and the line %2 for falling i</source>
        <translation>los puntos se acercan a la recta %1 al crecer i y a la recta %2 al decrecer i</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>open the menu </source>
        <translation>abrir el menú </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>&amp;About Aurelion</source>
        <translation>Acerca &amp;de Aurelion</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move through the buttons, check boxes and clickable labels of the frame on screen, row by row; Space or Enter presses them. A “&lt;” or “&gt;” button and “Next Year” repeat their step while they are held down, with the mouse or with Space.

The Alt key opens the menu bar; the arrow keys move in it, Enter chooses and Esc closes it.</source>
        <translation>Tab y Mayús+Tab recorren, fila a fila, los botones, casillas y etiquetas pulsables del marco visible; Espacio o Intro los pulsa. Los botones «&lt;» y «&gt;» y «Año siguiente» repiten su paso mientras se mantienen pulsados, con el ratón o con Espacio.

La tecla Alt abre la barra de menús; las flechas se mueven por ella, Intro elige y Esc la cierra.</translation>
    </message>
    <message>
        <source>About Aurelion</source>
        <translation>Acerca de Aurelion</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Aurelion&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A teaching program about the golden number phi and the Fibonacci sequence.&lt;/p&gt;&lt;p&gt;Aurelion is free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;The Liberation fonts it brings along are under the SIL Open Font License 1.1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Aurelion&lt;/h3&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Un programa didáctico sobre el número áureo phi y la sucesión de Fibonacci.&lt;/p&gt;&lt;p&gt;Aurelion es software libre bajo la Licencia Pública General de GNU, versión 3 o (a su elección) cualquier versión posterior (GPL-3.0-or-later). Se ofrece sin ninguna garantía.&lt;/p&gt;&lt;p&gt;Las fuentes Liberation que incluye están bajo la SIL Open Font License 1.1.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>&amp;Lesson</source>
        <translation>&amp;Lección</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nueva lección</translation>
    </message>
    <message>
        <source>&amp;Open Lesson...</source>
        <translation>&amp;Abrir lección...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir r&amp;eciente</translation>
    </message>
    <message>
        <source>A&amp;dd Step...</source>
        <translation>Añadir &amp;paso...</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>&amp;Guardar lección</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As...</source>
        <translation>Guardar lección &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Close Lesson</source>
        <translation>Ce&amp;rrar lección</translation>
    </message>
    <message>
        <source>lesson step</source>
        <translation>paso de la lección</translation>
    </message>
    <message>
        <source>Aurelion lessons (*%1)</source>
        <translation>Lecciones de Aurelion (*%1)</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Abrir lección</translation>
    </message>
    <message>
        <source>Save Lesson As</source>
        <translation>Guardar lección como</translation>
    </message>
    <message>
        <source>Add Step</source>
        <translation>Añadir paso</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changes that are not saved.</source>
        <translation>La lección «%1» tiene cambios sin guardar.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Paso %1 de %2: %3</translation>
    </message>
    <message>
        <source>The lesson %1 cannot be opened: %2</source>
        <translation>No se puede abrir la lección %1: %2</translation>
    </message>
    <message>
        <source>Title screen</source>
        <translation>Pantalla inicial</translation>
    </message>
    <message>
        <source>The lesson could not be saved as %1: %2</source>
        <translation>No se pudo guardar la lección como %1: %2</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: line %2: %3</source>
        <translation>No se puede mostrar el paso %1: línea %2: %3</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <translation>Paso %1: %2</translation>
    </message>
    <message>
        <source>Lesson &amp;Title...</source>
        <translation>&amp;Título de la lección...</translation>
    </message>
    <message>
        <source>&amp;First Step</source>
        <translation>Pr&amp;imer paso</translation>
    </message>
    <message>
        <source>&amp;Last Step</source>
        <translation>Ú&amp;ltimo paso</translation>
    </message>
    <message>
        <source>Lesson Title</source>
        <translation>Título de la lección</translation>
    </message>
    <message>
        <source>Title of the lesson:</source>
        <translation>Título de la lección:</translation>
    </message>
    <message>
        <source>The file of the lesson &quot;%1&quot; was changed by another program since it was opened or saved here.</source>
        <translation>El archivo de la lección «%1» ha sido modificado por otro programa desde que se abrió o se guardó aquí.</translation>
    </message>
    <message>
        <source>Reload it, and lose the changes made here, or overwrite it with the lesson as it is here?</source>
        <translation>¿Volver a cargarlo, y perder los cambios hechos aquí, o sobrescribirlo con la lección tal como está aquí?</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Volver a cargar</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>The lesson %1 has no steps: its file is empty or holds only comments and a title. Add steps with Add Step (%2).</source>
        <translation>La lección %1 no tiene pasos: su archivo está vacío o solo contiene comentarios y un título. Añada pasos con Añadir paso (%2).</translation>
    </message>
    <message>
        <source>Checking the new step...</source>
        <translation>Comprobando el nuevo paso...</translation>
    </message>
    <message>
        <source>Showing step %1 of %2...</source>
        <translation>Mostrando el paso %1 de %2...</translation>
    </message>
    <message>
        <source>The picture cannot become a step: %1. Choose its topic afresh and add the step sooner.</source>
        <translation>La imagen no puede convertirse en un paso: %1. Elija de nuevo su tema y añada el paso antes.</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Respuesta: %1</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Solucionario: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Re&amp;veal Answer</source>
        <translation>&amp;Mostrar respuesta</translation>
    </message>
    <message>
        <source>Save &amp;Handout...</source>
        <translation>Guardar &amp;ficha de trabajo...</translation>
    </message>
    <message>
        <source>Save as &amp;Web Page...</source>
        <translation>Guardar como página &amp;web...</translation>
    </message>
    <message>
        <source>The step needs a title.</source>
        <translation>El paso necesita un título.</translation>
    </message>
    <message>
        <source>A step has at most %1 paragraphs of text.</source>
        <translation>Un paso tiene como máximo %1 párrafos de texto.</translation>
    </message>
    <message>
        <source>A paragraph has at most %1 characters.</source>
        <translation>Un párrafo tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>An answer needs its question.</source>
        <translation>Cada respuesta necesita su pregunta.</translation>
    </message>
    <message>
        <source>&amp;Title of the step:</source>
        <translation>&amp;Título del paso:</translation>
    </message>
    <message>
        <source>Te&amp;xt for the pupils, a paragraph a line:</source>
        <translation>Te&amp;xto para el alumnado, un párrafo por línea:</translation>
    </message>
    <message>
        <source>&amp;Questions, each with its answer or none:</source>
        <translation>Pre&amp;guntas, cada una con su respuesta o sin ella:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Web page for the pupils (*.html)</source>
        <translation>Página web para el alumnado (*.html)</translation>
    </message>
    <message>
        <source>Web page with the answers (*.html)</source>
        <translation>Página web con las soluciones (*.html)</translation>
    </message>
    <message>
        <source>Handout for the pupils (*.pdf)</source>
        <translation>Ficha de trabajo para el alumnado (*.pdf)</translation>
    </message>
    <message>
        <source>Answer key (*.pdf)</source>
        <translation>Solucionario (*.pdf)</translation>
    </message>
    <message>
        <source>Save as Web Page</source>
        <translation>Guardar como página web</translation>
    </message>
    <message>
        <source>Save Handout</source>
        <translation>Guardar ficha de trabajo</translation>
    </message>
    <message>
        <source>The lesson has no steps yet. Add steps with Add Step (%1).</source>
        <translation>La lección aún no tiene pasos. Añádalos con «Añadir paso» (%1).</translation>
    </message>
    <message>
        <source>The handout could not be saved as %1: %2</source>
        <translation>La ficha de trabajo no se pudo guardar como %1: %2</translation>
    </message>
    <message>
        <source>Making the handout...</source>
        <translation>Creando la ficha de trabajo...</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: %2</source>
        <translation>El paso %1 no se puede mostrar: %2</translation>
    </message>
    <message>
        <source>the contents could not be made</source>
        <translation>no se pudo crear el contenido</translation>
    </message>
</context>
<context>
    <name>LifeGeneratorTopic</name>
    <message>
        <source>LIFE GENERATOR         LINEAR MODEL</source>
        <translation>GENERADOR DE VIDA       MODELO LINEAL</translation>
    </message>
    <message>
        <source>See also: Population - Dynamic Population Model</source>
        <translation>Véase también: Población - Modelo dinámico de población</translation>
    </message>
    <message>
        <source>integration</source>
        <translation>integración</translation>
    </message>
    <message>
        <source>y        POPULATION NUMBER</source>
        <translation>y        TAMAÑO DE LA POBLACIÓN</translation>
    </message>
    <message>
        <source>TIME SCALE  t</source>
        <translation>TIEMPO  t</translation>
    </message>
    <message>
        <source>Time constant T1 = </source>
        <translation>Constante de tiempo T1 = </translation>
    </message>
    <message>
        <source>The population goes down at t=0</source>
        <translation>La población decrece en t=0</translation>
    </message>
    <message>
        <source>The population goes up at t=0</source>
        <translation>La población crece en t=0</translation>
    </message>
    <message>
        <source>The population is constant</source>
        <translation>La población es constante</translation>
    </message>
    <message>
        <source> y = y0 . phi ^ t   (red curve)</source>
        <translation> y = y0 . phi ^ t   (curva roja)</translation>
    </message>
    <message>
        <source>Life generator with k = %1, w = %2, yo = %3 and d = %4: </source>
        <translation>Generador de vida con k = %1; w = %2; yo = %3 y d = %4: </translation>
    </message>
    <message>
        <source>y = yL + (yo - yL) e^((k - d) t) with the limit yL = %1 and the time constant T1 = %2</source>
        <translation>y = yL + (yo - yL) e^((k - d) t) con el límite yL = %1 y la constante de tiempo T1 = %2</translation>
    </message>
    <message>
        <source>the straight line y = w t + yo</source>
        <translation>la recta y = w t + yo</translation>
    </message>
    <message>
        <source>; the population goes down at t=0</source>
        <translation>; la población decrece en t=0</translation>
    </message>
    <message>
        <source>; the population goes up at t=0</source>
        <translation>; la población crece en t=0</translation>
    </message>
    <message>
        <source>; the population is constant</source>
        <translation>; la población es constante</translation>
    </message>
    <message>
        <source>. In red for comparison y = yo phi^t</source>
        <translation>. En rojo, para comparar, y = yo phi^t</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Aurelion Relationship</source>
        <translation>Relación Aurelion</translation>
    </message>
    <message>
        <source>Fibonacci&apos;s rabblis</source>
        <translation>Los conejos de Fibonacci</translation>
    </message>
    <message>
        <source>Graph y = F(i)</source>
        <translation>Gráfica y = F(i)</translation>
    </message>
    <message>
        <source>Graph y = F(i+1) / F(i)</source>
        <translation>Gráfica y = F(i+1) / F(i)</translation>
    </message>
    <message>
        <source>Graph P</source>
        <translation>Gráfica P</translation>
    </message>
    <message>
        <source>Golden ratio</source>
        <translation>Número áureo</translation>
    </message>
    <message>
        <source>Golden ratio graphic</source>
        <translation>Número áureo, construcción</translation>
    </message>
    <message>
        <source>Golden ratio analitic</source>
        <translation>Número áureo, cálculo</translation>
    </message>
    <message>
        <source>Golden rectangle</source>
        <translation>Rectángulo áureo</translation>
    </message>
    <message>
        <source>Golden ellips   Golden hyperbola</source>
        <translation>Elipse áurea   Hipérbola áurea</translation>
    </message>
    <message>
        <source>Pentagram</source>
        <translation>Pentagrama</translation>
    </message>
    <message>
        <source>Golden spiral</source>
        <translation>Espiral áurea</translation>
    </message>
    <message>
        <source>Exponential function</source>
        <translation>Función exponencial</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Población</translation>
    </message>
    <message>
        <source>Life Generator</source>
        <translation>Generador de vida</translation>
    </message>
    <message>
        <source>Dynamic Population Model</source>
        <translation>Modelo dinámico de población</translation>
    </message>
    <message>
        <source>CHAOS</source>
        <translation>CAOS</translation>
    </message>
    <message>
        <source>Pythagoras</source>
        <translation>Pitágoras</translation>
    </message>
    <message>
        <source>Platonic Figures</source>
        <translation>Sólidos platónicos</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Burthfactor</source>
        <translation>Factor de natalidad</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloz</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source> Model 1A (20) </source>
        <translation> Modelo 1A (20) </translation>
    </message>
    <message>
        <source> Model 1B (15) </source>
        <translation> Modelo 1B (15) </translation>
    </message>
    <message>
        <source> Model 2  (20) </source>
        <translation> Modelo 2  (20) </translation>
    </message>
    <message>
        <source> Model 3  (20) </source>
        <translation> Modelo 3  (20) </translation>
    </message>
    <message>
        <source> Model 4A (20) </source>
        <translation> Modelo 4A (20) </translation>
    </message>
    <message>
        <source> Model 4B (15) </source>
        <translation> Modelo 4B (15) </translation>
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
        <translation> Octaedro 8 </translation>
    </message>
    <message>
        <source> Icosaëder 20 </source>
        <translation> Icosaedro 20 </translation>
    </message>
    <message>
        <source> Burthfactor (1 / Unit of time) </source>
        <translation> Factor de natalidad (1 / unidad de tiempo) </translation>
    </message>
    <message>
        <source> Immigrationrate ( speaces / Unit of time ) </source>
        <translation> Tasa de inmigración ( individuos / unidad de tiempo ) </translation>
    </message>
    <message>
        <source> Population at t=0 </source>
        <translation> Población en t=0 </translation>
    </message>
    <message>
        <source> Deathfactor (1 / Unit of time) </source>
        <translation> Factor de mortalidad (1 / unidad de tiempo) </translation>
    </message>
    <message>
        <source>The Aurelion relationship 1.6        a teaching program by the Aurelion team</source>
        <translation>La relación Aurelion 1.6        un programa didáctico del equipo Aurelion</translation>
    </message>
    <message>
        <source> THE GOLDEN NUMBER  : Click for sequence F(0) = 1 , F(1) = phi </source>
        <translation> EL NÚMERO ÁUREO: clic para la sucesión F(0) = 1; F(1) = phi </translation>
    </message>
    <message>
        <source> Click for sequence  F(0) = 1 ,  F(1) = -1/phi </source>
        <translation> Clic para la sucesión  F(0) = 1;  F(1) = -1/phi </translation>
    </message>
    <message>
        <source> Click for Fibonacci sequence  F(0) = 1   F(1) = 1 </source>
        <translation> Clic para la sucesión de Fibonacci  F(0) = 1   F(1) = 1 </translation>
    </message>
    <message>
        <source>THE</source>
        <translation>LA</translation>
    </message>
    <message>
        <source>AURELION</source>
        <translation>RELACIÓN</translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation>AURELION</translation>
    </message>
    <message>
        <source>A teaching program on phi and Fibonacci</source>
        <translation>Un programa didáctico sobre phi y Fibonacci</translation>
    </message>
    <message>
        <source>by the Aurelion team, 2026</source>
        <translation>del equipo Aurelion, 2026</translation>
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
        <translation>PENTAGRAMA</translation>
    </message>
    <message>
        <source>The line p2p4 has a lenght c</source>
        <translation>El segmento p2p4 tiene longitud c</translation>
    </message>
    <message>
        <source>Triangle A,p2,p1  and  p1,p2,p4 :</source>
        <translation>Triángulos A,p2,p1  y  p1,p2,p4:</translation>
    </message>
    <message>
        <source>Point A : Divide line p2,p4 in mean and extreme ratio</source>
        <translation>El punto A divide p2,p4 en media y extrema razón</translation>
    </message>
    <message>
        <source>If  b = 1  then  c = phi  and   a = 1/phi</source>
        <translation>Si  b = 1,  entonces  c = phi  y   a = 1/phi</translation>
    </message>
    <message>
        <source>Pentagram: a regular pentagon p1 to p5 of side 1 with its five diagonals of length phi = %1; their crossing point A divides the diagonal p2p4 into a = %2 and b = 1, so that a / b = b / (a + b)</source>
        <translation>Pentagrama: un pentágono regular p1 a p5 de lado 1 con sus cinco diagonales de longitud phi = %1; su punto de corte A divide la diagonal p2p4 en a = %2 y b = 1, de modo que a / b = b / (a + b)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Save Picture As…</source>
        <translation>&amp;Guardar imagen como…</translation>
    </message>
    <message>
        <source>Save &amp;Worksheet As…</source>
        <translation>Guardar &amp;ficha como…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Vista previa de impresión…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primir…</translation>
    </message>
    <message>
        <source>&amp;Record Animation</source>
        <translation>G&amp;rabar animación</translation>
    </message>
    <message>
        <source>S&amp;top Recording…</source>
        <translation>&amp;Detener grabación…</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2.</source>
        <translation>No se pudo guardar la imagen como %1.

%2.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1.

%2.</source>
        <translation>No se pudo guardar la ficha como %1.

%2.</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>Guardar ficha</translation>
    </message>
    <message>
        <source>The worksheet could not be printed to %1.

%2.</source>
        <translation>No se pudo imprimir la ficha en %1.

%2.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The worksheet could not be sent to the printer %1.</source>
        <translation>No se pudo enviar la ficha a la impresora %1.</translation>
    </message>
    <message>
        <source>screen size</source>
        <translation>tamaño de pantalla</translation>
    </message>
    <message>
        <source>twice the size</source>
        <translation>tamaño doble</translation>
    </message>
    <message>
        <source>four times the size</source>
        <translation>tamaño cuádruple</translation>
    </message>
    <message>
        <source>PNG image, %1, %2 × %3 pixels (*.png)</source>
        <translation>Imagen PNG, %1, %2 × %3 píxeles (*.png)</translation>
    </message>
    <message>
        <source>SVG vector drawing (*.svg)</source>
        <translation>Dibujo vectorial SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF vector drawing (*.pdf)</source>
        <translation>Dibujo vectorial PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>Save Worksheet As</source>
        <translation>Guardar ficha como</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Worksheet Page</source>
        <translation>Página de la ficha</translation>
    </message>
    <message>
        <source>Letter, 8.5 × 11 in</source>
        <translation>Carta, 8,5 × 11 pulg.</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>&amp;Black and white, for a printer without colour</source>
        <translation>&amp;Blanco y negro, para una impresora sin color</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir ficha</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Guardar grabación</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animado (*.gif)</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Grabar animación</translation>
    </message>
    <message>
        <source>

Save it, discard it, or cancel and go on recording?</source>
        <translation>

¿Guardarla, descartarla o cancelar y seguir grabando?</translation>
    </message>
    <message>
        <source>

Save it or discard it?</source>
        <translation>

¿Guardarla o descartarla?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>Aurelion drawing</source>
        <translation>Dibujo de Aurelion</translation>
    </message>
    <message numerus="yes">
        <source>The recording of %n frames is not saved.</source>
        <translation>
            <numerusform>La grabación de %n fotograma no está guardada.</numerusform>
            <numerusform>La grabación de %n fotogramas no está guardada.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlatonicTopic</name>
    <message>
        <source>Plato (about 427 - 347 BC), Greek philosopher,</source>
        <translation>Platón (hacia 427 - 347 a. C.), filósofo griego,</translation>
    </message>
    <message>
        <source>gave the figures his name; his pupil was Aristotle</source>
        <translation>dio nombre a los sólidos; su alumno fue Aristóteles</translation>
    </message>
    <message>
        <source>There are only five platonic figures</source>
        <translation>Solo hay cinco sólidos platónicos</translation>
    </message>
    <message>
        <source>Given is a cube with lenght L = 10</source>
        <translation>Dado un cubo de arista L = 10</translation>
    </message>
    <message>
        <source>The dodecaëder constructed outside the cube has</source>
        <translation>El dodecaedro construido sobre el cubo tiene</translation>
    </message>
    <message>
        <source>a lenght  Ld = L / phi</source>
        <translation>una arista  Ld = L / phi</translation>
    </message>
    <message>
        <source>The icosaëder constructed inside the cube has</source>
        <translation>El icosaedro construido dentro del cubo tiene</translation>
    </message>
    <message>
        <source>a lenght  Li = L / phi</source>
        <translation>una arista  Li = L / phi</translation>
    </message>
    <message>
        <source>The tetraëder constructed inside de cube has a</source>
        <translation>El tetraedro construido dentro del cubo tiene</translation>
    </message>
    <message>
        <source>length Lt = sqrt(2). L</source>
        <translation>una arista Lt = sqrt(2). L</translation>
    </message>
    <message>
        <source>The octaëder is constructed inside de tetraëder</source>
        <translation>El octaedro se construye dentro del tetraedro</translation>
    </message>
    <message>
        <source>THE PLATONIC FIGURES</source>
        <translation>LOS SÓLIDOS PLATÓNICOS</translation>
    </message>
    <message>
        <source>More figures in another program by the same maker</source>
        <translation>Más sólidos en otro programa de los autores</translation>
    </message>
    <message>
        <source>click for coördinates</source>
        <translation>clic: coordenadas</translation>
    </message>
    <message>
        <source>Distance p27,p9 = Ld / 2</source>
        <translation>Distancia p27,p9 = Ld / 2</translation>
    </message>
    <message>
        <source>Coördinates p</source>
        <translation>Coordenadas p</translation>
    </message>
    <message>
        <source>the dotted cube of side 10</source>
        <translation>el cubo punteado de arista 10</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Platonic figures turned %1° and tilted %2°, with the x, y and z axes: %3%4</source>
        <translation>Sólidos platónicos girados %1° e inclinados %2°, con los ejes x, y y z: %3%4</translation>
    </message>
    <message>
        <source>, no other solid</source>
        <translation>, ningún otro sólido</translation>
    </message>
    <message>
        <source>the dodecahedron outside the cube</source>
        <translation>el dodecaedro alrededor del cubo</translation>
    </message>
    <message>
        <source>the tetrahedron inside it</source>
        <translation>el tetraedro dentro de él</translation>
    </message>
    <message>
        <source>the octahedron inside the tetrahedron</source>
        <translation>el octaedro dentro del tetraedro</translation>
    </message>
    <message>
        <source>the icosahedron inside the cube</source>
        <translation>el icosaedro dentro del cubo</translation>
    </message>
</context>
<context>
    <name>PythagorasTopic</name>
    <message>
        <source>Pythagoras of Samos lived from 575 to 500 BC.</source>
        <translation>Pitágoras de Samos vivió de 575 a 500 a. C.</translation>
    </message>
    <message>
        <source>He spent 22 years in Egypt and 12 years in Babylon.</source>
        <translation>Pasó 22 años en Egipto y 12 años en Babilonia.</translation>
    </message>
    <message>
        <source>Given is a rectangular TRIANGLE ABC with a area  a.b / 2</source>
        <translation>Dado un TRIÁNGULO rectángulo ABC de área  a.b / 2</translation>
    </message>
    <message>
        <source>Make a square AFGH with lenght  L = a + b</source>
        <translation>Construye un cuadrado AFGH de lado  L = a + b</translation>
    </message>
    <message>
        <source>Make a square CBDE with lenght  c</source>
        <translation>Construye un cuadrado CBDE de lado  c</translation>
    </message>
    <message>
        <source>The area of AFGH is :</source>
        <translation>El área de AFGH es:</translation>
    </message>
    <message>
        <source>The area of CBDE is equal to :  a² + b² = c²</source>
        <translation>El área de CBDE es igual a:  a² + b² = c²</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Area  BDKJ = d . c = a²</source>
        <translation>Área  BDKJ = d . c = a²</translation>
    </message>
    <message>
        <source>Area  JKEC = e . c = b²</source>
        <translation>Área  JKEC = e . c = b²</translation>
    </message>
    <message>
        <source>If e = a then c = phi * a and the rectange JKEC is a</source>
        <translation>Si e = a, entonces c = phi * a y el rectángulo JKEC es un</translation>
    </message>
    <message>
        <source>golden rectangle.</source>
        <translation>rectángulo áureo.</translation>
    </message>
    <message>
        <source>Great pyramid of Cheops: try a = 22 and b = 28</source>
        <translation>Gran pirámide de Keops: prueba a = 22 y b = 28</translation>
    </message>
    <message>
        <source>Pythagoras with the legs a = %1 and b = %2, the hypotenuse c = %3 and e = %4: the square on c inside the square of side a + b = %5 has the area a² + b² = %6, the squares on a and b beside it</source>
        <translation>Pitágoras con los catetos a = %1 y b = %2; la hipotenusa c = %3 y e = %4: el cuadrado sobre c dentro del cuadrado de lado a + b = %5 tiene el área a² + b² = %6; los cuadrados sobre a y b al lado</translation>
    </message>
    <message>
        <source>; with the golden construction: e = a, c = phi a, and JKEC is a golden rectangle</source>
        <translation>; con la construcción áurea: e = a; c = phi a y JKEC es un rectángulo áureo</translation>
    </message>
</context>
<context>
    <name>RabbitTopic</name>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>FIBONACCI&apos;S RABBITS</source>
        <translation>LOS CONEJOS DE FIBONACCI</translation>
    </message>
    <message>
        <source>The Fibonacci sequence of numbers 1, 1, 2, 3, 5, 8,...</source>
        <translation>La sucesión de Fibonacci 1, 1, 2, 3, 5, 8,...</translation>
    </message>
    <message>
        <source>was found by Leonardo of Pisa, called Fibonacci,</source>
        <translation>la halló Leonardo de Pisa, llamado Fibonacci,</translation>
    </message>
    <message>
        <source>an Italian mathematician born around 1175.</source>
        <translation>matemático italiano nacido hacia 1175.</translation>
    </message>
    <message>
        <source>The sequence of the numbers are following the</source>
        <translation>Los términos de la sucesión siguen la</translation>
    </message>
    <message>
        <source>relationchip</source>
        <translation>relación de recurrencia</translation>
    </message>
    <message>
        <source>Every female rabbit always produces one pair newly</source>
        <translation>Cada coneja tiene cada mes una pareja de</translation>
    </message>
    <message>
        <source>born rabbis every month from the second month on.</source>
        <translation>crías, a partir del segundo mes.</translation>
    </message>
    <message>
        <source>At month 0 there is one newly born pair of rabbits</source>
        <translation>En el mes 0 hay una pareja de conejos recién nacidos</translation>
    </message>
    <message>
        <source>The rabbits never DIE</source>
        <translation>Los conejos nunca MUEREN</translation>
    </message>
    <message>
        <source>Who created the first pair ???</source>
        <translation>¿¿¿Quién creó la primera pareja???</translation>
    </message>
    <message>
        <source>Rabbits Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>(Month&apos;s)</source>
        <translation>(meses)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>----- Time ---&gt;</source>
        <translation>----- Tiempo ---&gt;</translation>
    </message>
    <message>
        <source>Age one month</source>
        <translation>Edad: un mes</translation>
    </message>
    <message>
        <source>Newly - BORN</source>
        <translation>CRÍAS</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Fibonacci Numbers  F(i)</source>
        <translation>Números de Fibonacci  F(i)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>PAIRS of RABBITS</source>
        <translation>PAREJAS DE CONEJOS</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Start Reprod.</source>
        <translation>Edad fértil</translation>
    </message>
    <message numerus="yes">
        <source>Fibonacci&apos;s rabbits, month %1 of %2: %n pairs of rabbits; the totals month by month, the Fibonacci numbers: %3</source>
        <translation>
            <numerusform>Los conejos de Fibonacci, mes %1 de %2: %n pareja de conejos; los totales mes a mes, los números de Fibonacci: %3</numerusform>
            <numerusform>Los conejos de Fibonacci, mes %1 de %2: %n parejas de conejos; los totales mes a mes, los números de Fibonacci: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RatioGraphTopic</name>
    <message>
        <source>If  i = + infinite  Then F(i+1) / F(i) =  phi</source>
        <translation>Si  i → +∞,  entonces  F(i+1) / F(i) → phi</translation>
    </message>
    <message>
        <source>Ratio graph F(i+1)/F(i) for i = -10 to 10, </source>
        <translation>Gráfica de la razón F(i+1)/F(i) para i de -10 a 10, </translation>
    </message>
    <message>
        <source>every F(i) is 0, so there is no ratio to draw</source>
        <translation>todos los F(i) son 0, así que no hay razón que dibujar</translation>
    </message>
    <message>
        <source>every point lies on </source>
        <translation>todos los puntos están en </translation>
    </message>
    <message>
        <source>the points approach %1 for growing i and %2 for falling i</source>
        <translation>los puntos se acercan a %1 al crecer i y a %2 al decrecer i</translation>
    </message>
    <message>
        <source>; no point for i = %1, where F(i) is 0</source>
        <translation>; ningún punto para i = %1, donde F(i) es 0</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>%1: the recording holds %2 frames, as many as a recording may</source>
        <translation>%1: la grabación tiene %2 fotogramas, el máximo posible</translation>
    </message>
    <message>
        <source>%1: no frame was recorded: the drawing was not shown</source>
        <translation>%1: no se grabó ningún fotograma: el dibujo no se mostraba</translation>
    </message>
    <message>
        <source>The recording holds %1 frames, as many as a recording may, and has stopped.</source>
        <translation>La grabación tiene %1 fotogramas, el máximo posible, y se ha detenido.</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Grabar animación</translation>
    </message>
    <message>
        <source>The recording has stopped.

%1.</source>
        <translation>La grabación se ha detenido.

%1.</translation>
    </message>
    <message>
        <source>The recording could not be kept.

%1.</source>
        <translation>No se pudo conservar la grabación.

%1.</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>The recording could not be saved as %1.

%2.</source>
        <translation>No se pudo guardar la grabación como %1.

%2.</translation>
    </message>
    <message numerus="yes">
        <source>● REC  %n frames</source>
        <translation>
            <numerusform>● REC  %n fotograma</numerusform>
            <numerusform>● REC  %n fotogramas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>What an earlier run of Aurelion kept for recovery cannot be read and has been removed:

%1</source>
        <translation>Lo que una ejecución anterior de Aurelion guardó para recuperarlo no se puede leer y se ha eliminado:

%1</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 while it was recording the drawing. The recording was not saved.</source>
        <translation>Aurelion se cerró el %1 a las %2 mientras grababa el dibujo. La grabación no se guardó.</translation>
    </message>
    <message>
        <source>Recover it and choose where to save it, discard it, or decide at the next start?</source>
        <translation>¿Recuperarla y elegir dónde guardarla, descartarla o decidir en el próximo inicio?</translation>
    </message>
    <message>
        <source>The recovered work could not be saved as %1: %2.</source>
        <translation>El trabajo recuperado no se pudo guardar como %1: %2.</translation>
    </message>
    <message>
        <source>&amp;Recover…</source>
        <translation>&amp;Recuperar…</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Más tarde</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 before a new lesson was saved.</source>
        <translation>Aurelion se cerró el %1 a las %2 antes de guardar una lección nueva.</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 before the lesson &quot;%3&quot; was saved.</source>
        <translation>Aurelion se cerró el %1 a las %2 antes de guardar la lección «%3».</translation>
    </message>
</context>
<context>
    <name>RectangleTopic</name>
    <message>
        <source>GOLDEN  RECTANGLE</source>
        <translation>RECTÁNGULO  ÁUREO</translation>
    </message>
    <message>
        <source>Golden sprial</source>
        <translation>Espiral áurea</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Arcos</translation>
    </message>
    <message>
        <source>Golden rectangle: squares of side 1, phi = %1, phi² = %2, phi³ = %3 and phi⁴ = %4 around the corner points A to G, the diagonals EG and DF crossing in the pole S = (0.276, 0.447), the golden spiral about S and its approximation by quarter circles</source>
        <translation>Rectángulo áureo: cuadrados de lado 1; phi = %1; phi² = %2; phi³ = %3 y phi⁴ = %4 alrededor de los vértices A a G, las diagonales EG y DF que se cortan en el polo S = (0,276; 0,447), la espiral áurea alrededor de S y su aproximación por cuartos de circunferencia</translation>
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
        <translation>Uso: aurelion-render [OPCIONES] ACCIÓN...

Ejecuta el inicio del programa en la plataforma fuera de pantalla, luego las acciones en orden,
cada una por el manejador al que llega un clic del usuario, y después escribe las salidas.

Acciones:
  menu:NOMBRE[:ÍNDICE]  una orden del menú por nombre de control (menu:M_R:4 es Número áureo,
                      Pentagrama)
  click:NOMBRE[:ÍNDICE]  un clic en un botón, una etiqueta o una casilla
                      (click:ComP:0, click:Label7)
  move:X,Y            el puntero va por la superficie de dibujo al punto (X, Y) de sus coordenadas
  press:X,Y           el puntero va allí y hace clic en la superficie de dibujo
  tick[:N]            N pulsos del temporizador (1 por defecto), cada uno solo mientras esté activo
  zoom:Z              el zoom de la ventana pasa a Z (de 0.5 a 4), como Ver, Acercar

Opciones:
  --seed N            semilla del generador aleatorio, para imágenes reproducibles
  --png ARCHIVO       el área de la ventana tal como la ve el usuario
  --picture ARCHIVO   solo la superficie de dibujo, según la extensión: .png, o .svg o .pdf para
                      gráficos vectoriales del tamaño del dibujo en pantalla de 96 ppp (134,7 mm)
                      (repetida para más imágenes del mismo estado, cada una en su formato)
  --page ARCHIVO.pdf  una ficha: el nombre del tema, el dibujo, el texto del panel
                      lateral y los valores del tema, con el nombre del programa debajo
  --paper a4|letter   el papel de la ficha (a4 por defecto)
  --black-and-white   la imagen y la página para una impresora sin color: líneas y textos
                      negros, rellenos claros, el fondo blanco
  --scale F           relación de píxeles del dispositivo para las imágenes PNG (1 por defecto)
  --zoom Z            el zoom de la ventana para --png, de 0.5 a 4 (1 por defecto): cada control,
                      texto y línea Z veces más grande; --picture no cambia
  --animation ARCHIVO.gif  un GIF del dibujo (como lo muestra --picture, a --scale) con un
                      fotograma tras cada acción que deja el dibujo a la vista
  --frame-every N     con acciones tick, un fotograma cada N pulsos en lugar de uno tras la acción
  --delay MS          cuánto se muestra cada fotograma, de 20 a 600000 ms (500 por defecto, o 40
                      para fotogramas de pulsos); el último se mantiene 3 segundos
  --loop, --once      el GIF se repite sin fin (por defecto) o una sola vez
  --language CÓDIGO   el idioma de todos los textos y números: en, de, fr, es, it o pt_BR
                      (por defecto: el que pide el entorno, como lo elige el programa)
  --state ARCHIVO     el estado de la ventana en JSON
  --trace ARCHIVO     lo que muestran las superficies, un objeto JSON por línea
  --lesson ARCHIVO    una lección (.aurelion-lesson); sus pasos se repiten desde el inicio
  --step N            las salidas muestran el paso N de la lección (desde 1) y luego las acciones
                      dadas
  --handout ARCHIVO.pdf  toda la lección como cuadernillo: una portada y luego una ficha
                      por paso con su título, sus textos y sus preguntas con renglones para
                      responder (valen --paper y --black-and-white)
  --handout ARCHIVO.html  toda la lección como una página web para cualquier navegador, móvil o
                      plataforma educativa: el dibujo, los textos y las preguntas de cada paso,
                      sin scripts ni acceso a otro archivo
  --answer-key ARCHIVO  lo mismo que --handout (.pdf o .html), con la respuesta de cada pregunta
  --format png|svg|pdf  el formato de --picture si su nombre no tiene extensión (-, una tubería)
  --help              este texto

Cada ARCHIVO se escribe entero o no se escribe, a través de un archivo temporal a su lado, y
todos toman su nombre juntos una vez hechos todos, o ninguno; una tubería o un dispositivo se
escribe en su sitio, y - es la salida estándar (una salida como mucho), así
  aurelion-render menu:M_R:2 --picture - --format svg &gt; rectangulo.svg
Un nombre cuya extensión indica otro formato (--png a.svg), un nombre vacío, el mismo archivo
para dos salidas y una carpeta que falta o no se puede escribir se rechazan antes de dibujar;
también un archivo que no se puede escribir por permisos, una salida que es el archivo de
--lesson, una opción de salida dada dos veces (salvo --picture) y una animación de más de 3000
fotogramas. La ventana se dibuja a --zoom por --scale (y con cualquier zoom:Z): como mucho
16384 píxeles por lado. Siempre se dibuja fuera de pantalla, diga lo que diga QT_QPA_PLATFORM.

Estado de salida: 0 cuando todo está hecho y escrito; 1 cuando este texto no se puede escribir
en la salida estándar; 2 para un argumento, una acción o una salida incorrectos (un mensaje de
una línea en la salida de error lo nombra; una salida que no se puede escribir, también con el
disco lleno o la tubería cerrada, dice por qué). SIGINT y SIGTERM lo terminan con la señal, sin
dejar ningún archivo temporal.
</translation>
    </message>
</context>
<context>
    <name>SequenceGraphTopic</name>
    <message>
        <source>Graph y = F(i) for i = -10 to 10, </source>
        <translation>Gráfica y = F(i) para i de -10 a 10, </translation>
    </message>
    <message>
        <source>, with the curve y = %1 phi^x; </source>
        <translation> (con la curva y = %1 phi^x); </translation>
    </message>
    <message>
        <source>every F(i) is 0</source>
        <translation>todos los F(i) son 0</translation>
    </message>
    <message>
        <source>for growing i the points grow like the curve, F(i+1)/F(i) approaching </source>
        <translation>al crecer i los puntos crecen como la curva y F(i+1)/F(i) se acerca a </translation>
    </message>
    <message>
        <source>for growing i the points shrink towards 0 with alternating signs, F(i+1)/F(i) being </source>
        <translation>al crecer i los puntos tienden a 0 con signos alternos, siendo F(i+1)/F(i) </translation>
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
        <translation>valores iniciales F(0) = %1 y F(1) = %2</translation>
    </message>
</context>
<context>
    <name>SpiralTopic</name>
    <message>
        <source>GOLDEN  SPIRAL</source>
        <translation>ESPIRAL  ÁUREA</translation>
    </message>
    <message>
        <source>The polar equation of a golden spiral is :</source>
        <translation>La ecuación polar de una espiral áurea es:</translation>
    </message>
    <message>
        <source>Golden spiral r = phi^(h / 90°) about the origin: the radius grows by phi = %1 every quarter turn; the points at whole quarter turns, from r = %2 to r = %3, are joined by chords</source>
        <translation>Espiral áurea r = phi^(h / 90°) alrededor del origen: el radio se multiplica por phi = %1 en cada cuarto de vuelta; los puntos de cada cuarto de vuelta completo (de r = %2 a r = %3) están unidos por cuerdas</translation>
    </message>
</context>
<context>
    <name>StateWords</name>
    <message>
        <source>triangle half</source>
        <translation>triángulo un medio</translation>
    </message>
    <message>
        <source>triangle minus half</source>
        <translation>triángulo menos un medio</translation>
    </message>
    <message>
        <source>hexagon half</source>
        <translation>hexágono un medio</translation>
    </message>
    <message>
        <source>hexagon minus third</source>
        <translation>hexágono menos un tercio</translation>
    </message>
    <message>
        <source>triangle nine tenths</source>
        <translation>triángulo nueve décimos</translation>
    </message>
    <message>
        <source>pentagon golden</source>
        <translation>pentágono áureo</translation>
    </message>
    <message>
        <source>square minus 0.46</source>
        <translation>cuadrado menos 0,46</translation>
    </message>
    <message>
        <source>square half</source>
        <translation>cuadrado un medio</translation>
    </message>
    <message>
        <source>dodecagon fifth</source>
        <translation>dodecágono un quinto</translation>
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
        <translation>giro %1°</translation>
    </message>
    <message>
        <source>tilt %1</source>
        <translation>inclinación %1°</translation>
    </message>
    <message>
        <source>year %1</source>
        <translation>año %1</translation>
    </message>
    <message>
        <source>month %1</source>
        <translation>mes %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>a start model of the population model, as a title names it</comment>
        <translation>modelo %1</translation>
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
        <translation>Uso: aurelion [--reset-settings] [LECCIÓN.aurelion-lesson]

Abre la ventana de Aurelion. El tamaño y la posición de la ventana, su zoom y la pantalla
completa se conservan de una ejecución a otra en el archivo de configuración
~/.config/Aurelion/Aurelion.conf.

  --reset-settings    olvidarlos y empezar con el tamaño del diseño
  LECCIÓN             abrir la lección y mostrar su primer paso
  --help              este texto
  --version           la versión del programa
</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Tamaño &amp;real</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Ajustar a la &amp;ventana</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Next Topic</source>
        <translation>Tema &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous Topic</source>
        <translation>Tema a&amp;nterior</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>turn angle</source>
        <translation>ángulo de giro</translation>
    </message>
    <message>
        <source>tilt angle</source>
        <translation>ángulo de inclinación</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>oculto</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
</context>
</TS>
