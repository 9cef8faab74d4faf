<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessibility</name>
    <message>
        <source>Exponential function</source>
        <translation>Função exponencial</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>desenho</translation>
    </message>
    <message>
        <source>the construction, graph or table of the topic</source>
        <translation>a construção, o gráfico ou a tabela do tema</translation>
    </message>
    <message>
        <source>explanation</source>
        <translation>explicação</translation>
    </message>
    <message>
        <source>coordinates under the pointer</source>
        <translation>coordenadas sob o ponteiro</translation>
    </message>
    <message>
        <source>start values 1 and phi</source>
        <translation>valores iniciais 1 e phi</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = phi: every ratio is phi</source>
        <translation>F(0) = 1; F(1) = phi: toda razão vale phi</translation>
    </message>
    <message>
        <source>start values 1 and -1/phi</source>
        <translation>valores iniciais 1 e -1/phi</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = -1/phi: every ratio is -1/phi</source>
        <translation>F(0) = 1; F(1) = -1/phi: toda razão vale -1/phi</translation>
    </message>
    <message>
        <source>start values 1 and 1</source>
        <translation>valores iniciais 1 e 1</translation>
    </message>
    <message>
        <source>F(0) = 1, F(1) = 1: the Fibonacci sequence</source>
        <translation>F(0) = 1; F(1) = 1: a sequência de Fibonacci</translation>
    </message>
    <message>
        <source>F(0) down</source>
        <translation>F(0) menos</translation>
    </message>
    <message>
        <source>lower the start value F(0) by 0.2, down to -2</source>
        <translation>diminuir o valor inicial F(0) em 0,2 (até -2)</translation>
    </message>
    <message>
        <source>F(1) down</source>
        <translation>F(1) menos</translation>
    </message>
    <message>
        <source>lower the start value F(1) by 0.2, down to -2</source>
        <translation>diminuir o valor inicial F(1) em 0,2 (até -2)</translation>
    </message>
    <message>
        <source>F(0) up</source>
        <translation>F(0) mais</translation>
    </message>
    <message>
        <source>raise the start value F(0) by 0.2, up to 2</source>
        <translation>aumentar o valor inicial F(0) em 0,2 (até 2)</translation>
    </message>
    <message>
        <source>F(1) up</source>
        <translation>F(1) mais</translation>
    </message>
    <message>
        <source>raise the start value F(1) by 0.2, up to 2</source>
        <translation>aumentar o valor inicial F(1) em 0,2 (até 2)</translation>
    </message>
    <message>
        <source>ratio index down</source>
        <translation>índice da razão menos</translation>
    </message>
    <message>
        <source>show the ratio F(i+1) / F(i) for the index i one lower</source>
        <translation>mostrar a razão F(i+1) / F(i) para o índice i anterior</translation>
    </message>
    <message>
        <source>ratio index up</source>
        <translation>índice da razão mais</translation>
    </message>
    <message>
        <source>show the ratio F(i+1) / F(i) for the index i one higher</source>
        <translation>mostrar a razão F(i+1) / F(i) para o índice i seguinte</translation>
    </message>
    <message>
        <source>birth factor k down</source>
        <translation>fator de natalidade k menos</translation>
    </message>
    <message>
        <source>lower the birth factor k by 0.05, down to 0</source>
        <translation>diminuir o fator de natalidade k em 0,05 (até 0)</translation>
    </message>
    <message>
        <source>immigration rate w down</source>
        <translation>taxa de imigração w menos</translation>
    </message>
    <message>
        <source>lower the immigration rate w by 1</source>
        <translation>diminuir a taxa de imigração w em 1</translation>
    </message>
    <message>
        <source>start population yo down</source>
        <translation>população inicial yo menos</translation>
    </message>
    <message>
        <source>lower the population at t = 0 by 1, down to 0</source>
        <translation>diminuir a população em t = 0 em 1 (até 0)</translation>
    </message>
    <message>
        <source>death factor d down</source>
        <translation>fator de mortalidade d menos</translation>
    </message>
    <message>
        <source>lower the death factor d by 0.1, down to 0</source>
        <translation>diminuir o fator de mortalidade d em 0,1 (até 0)</translation>
    </message>
    <message>
        <source>birth factor k up</source>
        <translation>fator de natalidade k mais</translation>
    </message>
    <message>
        <source>raise the birth factor k by 0.05, up to 1</source>
        <translation>aumentar o fator de natalidade k em 0,05 (até 1)</translation>
    </message>
    <message>
        <source>immigration rate w up</source>
        <translation>taxa de imigração w mais</translation>
    </message>
    <message>
        <source>raise the immigration rate w by 1</source>
        <translation>aumentar a taxa de imigração w em 1</translation>
    </message>
    <message>
        <source>start population yo up</source>
        <translation>população inicial yo mais</translation>
    </message>
    <message>
        <source>raise the population at t = 0 by 1</source>
        <translation>aumentar a população em t = 0 em 1</translation>
    </message>
    <message>
        <source>death factor d up</source>
        <translation>fator de mortalidade d mais</translation>
    </message>
    <message>
        <source>raise the death factor d by 0.1, up to 1</source>
        <translation>aumentar o fator de mortalidade d em 0,1 (até 1)</translation>
    </message>
    <message>
        <source>reset birth factor k</source>
        <translation>zerar o fator de natalidade k</translation>
    </message>
    <message>
        <source>set the birth factor k to 0</source>
        <translation>pôr o fator de natalidade k em 0</translation>
    </message>
    <message>
        <source>reset immigration rate w</source>
        <translation>zerar a taxa de imigração w</translation>
    </message>
    <message>
        <source>set the immigration rate w to 0</source>
        <translation>pôr a taxa de imigração w em 0</translation>
    </message>
    <message>
        <source>reset start population yo</source>
        <translation>restaurar a população inicial yo</translation>
    </message>
    <message>
        <source>set the population at t = 0 to 10</source>
        <translation>pôr a população em t = 0 em 10</translation>
    </message>
    <message>
        <source>reset death factor d</source>
        <translation>zerar o fator de mortalidade d</translation>
    </message>
    <message>
        <source>set the death factor d to 0</source>
        <translation>pôr o fator de mortalidade d em 0</translation>
    </message>
    <message>
        <source>birth factor ln(phi)</source>
        <translation>fator de natalidade ln(phi)</translation>
    </message>
    <message>
        <source>set the birth factor k to ln(phi) and the immigration rate to 0</source>
        <translation>pôr o fator de natalidade k em ln(phi) e a taxa de imigração em 0</translation>
    </message>
    <message>
        <source>example 1</source>
        <translation>exemplo 1</translation>
    </message>
    <message>
        <source>k = 0, w = 0, yo = 20, d = 0.5: the population dies out</source>
        <translation>k = 0; w = 0; yo = 20; d = 0,5: a população se extingue</translation>
    </message>
    <message>
        <source>example 2</source>
        <translation>exemplo 2</translation>
    </message>
    <message>
        <source>k = 0, w = 30, yo = 0, d = 0.5: the population grows towards 15</source>
        <translation>k = 0; w = 30; yo = 0; d = 0,5: a população tende a 15</translation>
    </message>
    <message>
        <source>example 3</source>
        <translation>exemplo 3</translation>
    </message>
    <message>
        <source>k = 0.4, w = 5, yo = 10, d = 0.4: linear growth</source>
        <translation>k = 0,4; w = 5; yo = 10; d = 0,4: crescimento linear</translation>
    </message>
    <message>
        <source>example 4</source>
        <translation>exemplo 4</translation>
    </message>
    <message>
        <source>k = 0.4, w = 0, yo = 10, d = 0.1: exponential growth</source>
        <translation>k = 0,4; w = 0; yo = 10; d = 0,1: crescimento exponencial</translation>
    </message>
    <message>
        <source>turn angle down</source>
        <translation>ângulo de giro menos</translation>
    </message>
    <message>
        <source>turn the figures 5 degrees about the vertical axis</source>
        <translation>girar os sólidos 5 graus em torno do eixo vertical</translation>
    </message>
    <message>
        <source>turn angle up</source>
        <translation>ângulo de giro mais</translation>
    </message>
    <message>
        <source>turn the figures 5 degrees the other way</source>
        <translation>girar os sólidos 5 graus no outro sentido</translation>
    </message>
    <message>
        <source>tilt angle down</source>
        <translation>ângulo de inclinação menos</translation>
    </message>
    <message>
        <source>tilt the figures 5 degrees about the horizontal axis</source>
        <translation>inclinar os sólidos 5 graus em torno do eixo horizontal</translation>
    </message>
    <message>
        <source>tilt angle up</source>
        <translation>ângulo de inclinação mais</translation>
    </message>
    <message>
        <source>tilt the figures 5 degrees the other way</source>
        <translation>inclinar os sólidos 5 graus no outro sentido</translation>
    </message>
    <message>
        <source>reset turn angle</source>
        <translation>zerar o ângulo de giro</translation>
    </message>
    <message>
        <source>set the turn angle to 0</source>
        <translation>pôr o ângulo de giro em 0</translation>
    </message>
    <message>
        <source>reset tilt angle</source>
        <translation>zerar o ângulo de inclinação</translation>
    </message>
    <message>
        <source>set the tilt angle to 0: look straight down the z axis</source>
        <translation>pôr o ângulo de inclinação em 0: olhar ao longo do eixo z</translation>
    </message>
    <message>
        <source>show dodecahedron</source>
        <translation>mostrar o dodecaedro</translation>
    </message>
    <message>
        <source>draw the dodecahedron outside the cube</source>
        <translation>desenhar o dodecaedro em volta do cubo</translation>
    </message>
    <message>
        <source>show tetrahedron</source>
        <translation>mostrar o tetraedro</translation>
    </message>
    <message>
        <source>draw the tetrahedron inside the cube</source>
        <translation>desenhar o tetraedro dentro do cubo</translation>
    </message>
    <message>
        <source>show octahedron</source>
        <translation>mostrar o octaedro</translation>
    </message>
    <message>
        <source>draw the octahedron inside the tetrahedron</source>
        <translation>desenhar o octaedro dentro do tetraedro</translation>
    </message>
    <message>
        <source>show icosahedron</source>
        <translation>mostrar o icosaedro</translation>
    </message>
    <message>
        <source>draw the icosahedron inside the cube</source>
        <translation>desenhar o icosaedro dentro do cubo</translation>
    </message>
    <message>
        <source>x of P down</source>
        <translation>x de P menos</translation>
    </message>
    <message>
        <source>move the point P 0.1 to the left, down to -2</source>
        <translation>mover o ponto P 0,1 para a esquerda (até -2)</translation>
    </message>
    <message>
        <source>y0 down</source>
        <translation>y0 menos</translation>
    </message>
    <message>
        <source>lower the curve&apos;s value at x = 0 by 0.1, down to 0.2</source>
        <translation>diminuir o valor da curva em x = 0 em 0,1 (até 0,2)</translation>
    </message>
    <message>
        <source>x of P up</source>
        <translation>x de P mais</translation>
    </message>
    <message>
        <source>move the point P 0.1 to the right, up to 4</source>
        <translation>mover o ponto P 0,1 para a direita (até 4)</translation>
    </message>
    <message>
        <source>y0 up</source>
        <translation>y0 mais</translation>
    </message>
    <message>
        <source>raise the curve&apos;s value at x = 0 by 0.1, up to 2</source>
        <translation>aumentar o valor da curva em x = 0 em 0,1 (até 2)</translation>
    </message>
    <message>
        <source>next year</source>
        <translation>próximo ano</translation>
    </message>
    <message>
        <source>advance the population model by one year</source>
        <translation>avançar o modelo de população um ano</translation>
    </message>
    <message>
        <source>birth rate down</source>
        <translation>taxa de natalidade menos</translation>
    </message>
    <message>
        <source>lower the birth rate</source>
        <translation>diminuir a taxa de natalidade</translation>
    </message>
    <message>
        <source>birth rate up</source>
        <translation>taxa de natalidade mais</translation>
    </message>
    <message>
        <source>raise the birth rate</source>
        <translation>aumentar a taxa de natalidade</translation>
    </message>
    <message>
        <source>balance birth rate</source>
        <translation>equilibrar a taxa de natalidade</translation>
    </message>
    <message>
        <source>restore the birth rate that keeps the population constant</source>
        <translation>restaurar a taxa de natalidade que mantém a população constante</translation>
    </message>
    <message>
        <source>start model 1A</source>
        <translation>iniciar o modelo 1A</translation>
    </message>
    <message>
        <source>start again with model 1A, ages up to 20</source>
        <translation>recomeçar com o modelo 1A, idades até 20</translation>
    </message>
    <message>
        <source>start model 1B</source>
        <translation>iniciar o modelo 1B</translation>
    </message>
    <message>
        <source>start again with model 1B, ages up to 15</source>
        <translation>recomeçar com o modelo 1B, idades até 15</translation>
    </message>
    <message>
        <source>start model 2</source>
        <translation>iniciar o modelo 2</translation>
    </message>
    <message>
        <source>start again with model 2, ages up to 20</source>
        <translation>recomeçar com o modelo 2, idades até 20</translation>
    </message>
    <message>
        <source>start model 3</source>
        <translation>iniciar o modelo 3</translation>
    </message>
    <message>
        <source>start again with model 3, ages up to 20</source>
        <translation>recomeçar com o modelo 3, idades até 20</translation>
    </message>
    <message>
        <source>start model 4A</source>
        <translation>iniciar o modelo 4A</translation>
    </message>
    <message>
        <source>start again with model 4A, ages up to 20</source>
        <translation>recomeçar com o modelo 4A, idades até 20</translation>
    </message>
    <message>
        <source>start model 4B</source>
        <translation>iniciar o modelo 4B</translation>
    </message>
    <message>
        <source>start again with model 4B, ages up to 15</source>
        <translation>recomeçar com o modelo 4B, idades até 15</translation>
    </message>
    <message>
        <source>month back</source>
        <translation>mês anterior</translation>
    </message>
    <message>
        <source>show the rabbit pairs one month earlier</source>
        <translation>mostrar os casais de coelhos um mês antes</translation>
    </message>
    <message>
        <source>month forward</source>
        <translation>mês seguinte</translation>
    </message>
    <message>
        <source>show the rabbit pairs one month later</source>
        <translation>mostrar os casais de coelhos um mês depois</translation>
    </message>
    <message>
        <source>fast play</source>
        <translation>modo rápido</translation>
    </message>
    <message>
        <source>50 points every 20 milliseconds</source>
        <translation>50 pontos a cada 20 milissegundos</translation>
    </message>
    <message>
        <source>slow play</source>
        <translation>modo lento</translation>
    </message>
    <message>
        <source>one point a second, with the chosen corner marked</source>
        <translation>um ponto por segundo, com o vértice escolhido marcado</translation>
    </message>
    <message>
        <source>triangle, k = 1/2</source>
        <translation>triângulo, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, halfway to the corner</source>
        <translation>jogo do caos com 3 vértices, a meio caminho do vértice</translation>
    </message>
    <message>
        <source>triangle, k = -1/2</source>
        <translation>triângulo, k = -1/2</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, half the distance past the corner</source>
        <translation>jogo do caos com 3 vértices, a meia distância além do vértice</translation>
    </message>
    <message>
        <source>hexagon, k = 1/2</source>
        <translation>hexágono, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 6 corners, halfway to the corner</source>
        <translation>jogo do caos com 6 vértices, a meio caminho do vértice</translation>
    </message>
    <message>
        <source>hexagon, k = -1/3</source>
        <translation>hexágono, k = -1/3</translation>
    </message>
    <message>
        <source>chaos game on 6 corners, a third of the distance past the corner</source>
        <translation>jogo do caos com 6 vértices, a um terço da distância além do vértice</translation>
    </message>
    <message>
        <source>triangle, k = 0.9</source>
        <translation>triângulo, k = 0,9</translation>
    </message>
    <message>
        <source>chaos game on 3 corners, nine tenths of the distance kept</source>
        <translation>jogo do caos com 3 vértices, mantendo nove décimos da distância</translation>
    </message>
    <message>
        <source>pentagon, k = 1 - 1/phi</source>
        <translation>pentágono, k = 1 - 1/phi</translation>
    </message>
    <message>
        <source>chaos game on 5 corners with the golden factor</source>
        <translation>jogo do caos com 5 vértices e o fator áureo</translation>
    </message>
    <message>
        <source>square, k = -0.46</source>
        <translation>quadrado, k = -0,46</translation>
    </message>
    <message>
        <source>chaos game on 4 corners, past the corner</source>
        <translation>jogo do caos com 4 vértices, além do vértice</translation>
    </message>
    <message>
        <source>square, k = 1/2</source>
        <translation>quadrado, k = 1/2</translation>
    </message>
    <message>
        <source>chaos game on 4 corners, halfway to the corner</source>
        <translation>jogo do caos com 4 vértices, a meio caminho do vértice</translation>
    </message>
    <message>
        <source>12 corners, k = 1/5</source>
        <translation>12 vértices, k = 1/5</translation>
    </message>
    <message>
        <source>chaos game on 12 corners, a fifth of the distance kept</source>
        <translation>jogo do caos com 12 vértices, mantendo um quinto da distância</translation>
    </message>
    <message>
        <source>leg a down</source>
        <translation>cateto a menos</translation>
    </message>
    <message>
        <source>shorten the leg a by 1, down to 10</source>
        <translation>encurtar o cateto a em 1 (até 10)</translation>
    </message>
    <message>
        <source>leg b down</source>
        <translation>cateto b menos</translation>
    </message>
    <message>
        <source>shorten the leg b by 1, down to 10</source>
        <translation>encurtar o cateto b em 1 (até 10)</translation>
    </message>
    <message>
        <source>leg a up</source>
        <translation>cateto a mais</translation>
    </message>
    <message>
        <source>lengthen the leg a by 1, up to 50</source>
        <translation>alongar o cateto a em 1 (até 50)</translation>
    </message>
    <message>
        <source>leg b up</source>
        <translation>cateto b mais</translation>
    </message>
    <message>
        <source>lengthen the leg b by 1, up to 50</source>
        <translation>alongar o cateto b em 1 (até 50)</translation>
    </message>
    <message>
        <source>reset leg a</source>
        <translation>restaurar o cateto a</translation>
    </message>
    <message>
        <source>set the leg a to 40</source>
        <translation>pôr o cateto a em 40</translation>
    </message>
    <message>
        <source>reset leg b</source>
        <translation>restaurar o cateto b</translation>
    </message>
    <message>
        <source>set the leg b to 30</source>
        <translation>pôr o cateto b em 30</translation>
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
        <translation>escolher b de modo que e = a e mostrar a construção áurea</translation>
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
        <translation>Encontre k tal que:</translation>
    </message>
    <message>
        <source>y2 = k . y1   and   y2 = y1 + y0</source>
        <translation>y2 = k . y1   e   y2 = y1 + y0</translation>
    </message>
    <message>
        <source>SOLUTION    k² - k - 1 = 0</source>
        <translation>SOLUÇÃO    k² - k - 1 = 0</translation>
    </message>
    <message>
        <source>The parabola y = k² - k - 1 for k from -0.8 to 2, crossing zero at k1 = phi = %1 and k2 = -1/phi = %2, with its axis at k = 0.5</source>
        <translation>A parábola y = k² - k - 1 para k de -0,8 a 2, com as raízes k1 = phi = %1 e k2 = -1/phi = %2 e o eixo em k = 0,5</translation>
    </message>
</context>
<context>
    <name>ChaosTopic</name>
    <message>
        <source>Given is a point F1</source>
        <translation>Dado um ponto F1</translation>
    </message>
    <message>
        <source>Take a random corner point C1</source>
        <translation>Escolha ao acaso um vértice C1</translation>
    </message>
    <message>
        <source>Draw a line F1C1 between these points</source>
        <translation>Trace o segmento F1C1 entre esses pontos</translation>
    </message>
    <message>
        <source>A new point F2 on this line is found at a distance</source>
        <translation>O novo ponto F2 do segmento fica à distância</translation>
    </message>
    <message>
        <source>Take again random corner point C2</source>
        <translation>Escolha de novo ao acaso um vértice C2</translation>
    </message>
    <message>
        <source>Draw a line between the points F2 en C2</source>
        <translation>Trace o segmento entre os pontos F2 e C2</translation>
    </message>
    <message>
        <source>A second new point F3 on this line is found at a distance</source>
        <translation>Um segundo ponto novo F3 do segmento fica à distância</translation>
    </message>
    <message>
        <source>Repeat this and there will emerge a pattern. </source>
        <translation>Repita e surgirá uma figura. </translation>
    </message>
    <message>
        <source>slow, one point a second</source>
        <translation>lento, um ponto por segundo</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rápido</translation>
    </message>
    <message numerus="yes">
        <source>Chaos game “%1” on %2 corners with k = %3, %4: %n points drawn so far, each in the colour of the corner it jumped towards</source>
        <translation>
            <numerusform>Jogo do caos “%1” com %2 vértices e k = %3 (%4): %n ponto desenhado até agora, na cor do vértice para o qual saltou</numerusform>
            <numerusform>Jogo do caos “%1” com %2 vértices e k = %3 (%4): %n pontos desenhados até agora, cada um na cor do vértice para o qual saltou</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConicTopic</name>
    <message>
        <source>The polar equation of a conic section is :</source>
        <translation>A equação polar de uma cônica é:</translation>
    </message>
    <message>
        <source>r = p /( 1 + e cos(h) )   with     p = ro( 1 + e )</source>
        <translation>r = p /( 1 + e cos(h) )   com     p = ro( 1 + e )</translation>
    </message>
    <message>
        <source>If the eccentricity  e &lt; 1 you get an ellipse.</source>
        <translation>Se a excentricidade  e &lt; 1, obtém-se uma elipse.</translation>
    </message>
    <message>
        <source>If e = 1/phi and the radius ro = 1/phi you get a</source>
        <translation>Com e = 1/phi e o raio ro = 1/phi obtém-se uma</translation>
    </message>
    <message>
        <source>GOLDEN ELLIPSE with a semi major axis phi</source>
        <translation>ELIPSE ÁUREA de semieixo maior phi</translation>
    </message>
    <message>
        <source>and a semi minor axis H = sqrt(phi)</source>
        <translation>e semieixo menor H = sqrt(phi)</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Observação:</translation>
    </message>
    <message>
        <source>The Great Piramid of Gizeh = Green </source>
        <translation>A Grande Pirâmide de Gizé = verde </translation>
    </message>
    <message>
        <source>Width = 440 el    Height = 280 el     1 el = 0.5237 m</source>
        <translation>Base = 440 c.    Altura = 280 c.    1 côvado = 0,5237 m</translation>
    </message>
    <message>
        <source>The error in Height only 8 cm</source>
        <translation>O erro na altura: só 8 cm</translation>
    </message>
    <message>
        <source>If e = phi you get a GOLDEN HYPERBOLA. If the</source>
        <translation>Com e = phi obtém-se uma HIPÉRBOLE ÁUREA. Se o</translation>
    </message>
    <message>
        <source>radius ro = 1/phi then p = phi</source>
        <translation>raio ro = 1/phi, então p = phi</translation>
    </message>
    <message>
        <source>GOLDEN  ELLIPSE</source>
        <translation>ELIPSE  ÁUREA</translation>
    </message>
    <message>
        <source>GOLDEN  HYPERBOLA</source>
        <translation>HIPÉRBOLE  ÁUREA</translation>
    </message>
    <message>
        <source>asymptot hyperbola</source>
        <translation>assíntota da hipérbole</translation>
    </message>
    <message>
        <source>Golden ellipse with the semi-axes phi = %1 and sqrt(phi) = %2 and the foci F1 and F2 at 1 and -1; the green pyramid triangle with a base angle of %3°; the golden hyperbola with the vertices -1 and 1, the foci at -%1 and %1 and the asymptotes y = %2 x and y = -%2 x</source>
        <translation>Elipse áurea com os semieixos phi = %1 e sqrt(phi) = %2 e os focos F1 e F2 em 1 e -1; o triângulo verde da pirâmide com ângulo da base de %3°; a hipérbole áurea com os vértices -1 e 1, os focos em -%1 e %1 e as assíntotas y = %2 x e y = -%2 x</translation>
    </message>
</context>
<context>
    <name>ConstructionTopic</name>
    <message>
        <source>Euclid Book 6 : Divide a line in mean and extreme ratio</source>
        <translation>Euclides, livro VI: dividir em média e extrema razão</translation>
    </message>
    <message>
        <source>Grahic construction   phi = ( 1 + sqrt( 5 ) ) / 2 </source>
        <translation>Construção gráfica   phi = ( 1 + sqrt( 5 ) ) / 2 </translation>
    </message>
    <message>
        <source>Ruler-and-compass construction of phi: two unit squares side by side, their diagonal OE = sqrt(5) = %1, the circle of radius 0.5 about its middle C cutting OE at A, OA = phi = %2, and at B, OB = 1/phi = %3; below the axis the segments b = 1, a = %3 and c = a + b = %2</source>
        <translation>Construção de phi com régua e compasso: dois quadrados unitários lado a lado, com a diagonal OE = sqrt(5) = %1; a circunferência de raio 0,5 com centro no ponto médio C corta OE em A (OA = phi = %2) e em B (OB = 1/phi = %3); abaixo do eixo, os segmentos b = 1; a = %3 e c = a + b = %2</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source> Sequence   F(i+2) = F(i+1) + F(i)  </source>
        <translation> Sequência   F(i+2) = F(i+1) + F(i)  </translation>
    </message>
    <message>
        <source> Life Generator Data </source>
        <translation> Dados do modelo </translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source> Dynamic Model </source>
        <translation> Modelo dinâmico </translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>Próximo ano</translation>
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
        <translation>Pitágoras</translation>
    </message>
</context>
<context>
    <name>DynamicModelTopic</name>
    <message>
        <source>End Simul</source>
        <translation>Fim da simulação</translation>
    </message>
    <message>
        <source>Female      Age        Male</source>
        <translation>Mulheres    Idade      Homens</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Distribuição</translation>
    </message>
    <message>
        <source>Female reproduct. age</source>
        <translation>Mulheres férteis</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nasc.</translation>
    </message>
    <message>
        <source>Deaht</source>
        <translation>Óbitos</translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Total </translation>
    </message>
    <message>
        <source>YEAR </source>
        <translation>ANO </translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Polulation</source>
        <translation>População</translation>
    </message>
    <message>
        <source>Dynamic population model %1, ages 0 to %2, year %3: a total of %4, birth rate %5 (%6 keeps the population constant); the age pyramid of the year above the totals of years 0 to %3</source>
        <translation>Modelo dinâmico de população %1, idades de 0 a %2, ano %3: um total de %4; taxa de natalidade %5 (%6 mantém a população constante); a pirâmide etária do ano acima dos totais dos anos de 0 a %3</translation>
    </message>
</context>
<context>
    <name>ExponentialTopic</name>
    <message>
        <source>Exponential function </source>
        <translation>Função exponencial </translation>
    </message>
    <message>
        <source>y = yo . e ^ k.x    with  k = ln(phi)</source>
        <translation>y = yo . e ^ k.x    com  k = ln(phi)</translation>
    </message>
    <message>
        <source>Exponential function y = %1 phi^x with the point P at x = %2, y = %3; above it a = %4 and b = %5, beside it c = a + b = %6, with b = phi a and c = phi b</source>
        <translation>Função exponencial y = %1 phi^x com o ponto P em x = %2 e y = %3; acima dele, a = %4 e b = %5; ao lado, c = a + b = %6; com b = phi a e c = phi b</translation>
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
        <translation>grafico-razao</translation>
    </message>
    <message>
        <source>sequence-graph</source>
        <translation>grafico-sequencia</translation>
    </message>
    <message>
        <source>golden-rectangle</source>
        <translation>retangulo-aureo</translation>
    </message>
    <message>
        <source>golden-ellipse-hyperbola</source>
        <translation>elipse-hiperbole-aureas</translation>
    </message>
    <message>
        <source>pentagram</source>
        <translation>pentagrama</translation>
    </message>
    <message>
        <source>golden-ratio-analytic</source>
        <translation>razao-aurea-calculo</translation>
    </message>
    <message>
        <source>golden-spiral</source>
        <translation>espiral-aurea</translation>
    </message>
    <message>
        <source>golden-ratio-construction</source>
        <translation>razao-aurea-construcao</translation>
    </message>
    <message>
        <source>life-generator</source>
        <translation>gerador-de-vida</translation>
    </message>
    <message>
        <source>platonic-figures</source>
        <translation>solidos-de-platao</translation>
    </message>
    <message>
        <source>exponential-function</source>
        <translation>funcao-exponencial</translation>
    </message>
    <message>
        <source>population-model</source>
        <translation>modelo-de-populacao</translation>
    </message>
    <message>
        <source>rabbits</source>
        <translation>coelhos</translation>
    </message>
    <message>
        <source>chaos-game</source>
        <translation>jogo-do-caos</translation>
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
        <translation>folha-de-exercicios</translation>
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
        <translation>Gráfico P: os pontos P(i) = (F(i), F(i+1)) para i de -10 a 10, </translation>
    </message>
    <message>
        <source>every point is the origin</source>
        <translation>todos os pontos estão na origem</translation>
    </message>
    <message>
        <source>every point lies on the line </source>
        <translation>todos os pontos estão na reta </translation>
    </message>
    <message>
        <source>the points approach the line %1 for growing i and the line %2 for falling i</source>
        <translation>os pontos se aproximam da reta %1 quando i cresce e da reta %2 quando i decresce</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>open the menu </source>
        <translation>abrir o menu </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Atalhos de teclado</translation>
    </message>
    <message>
        <source>&amp;About Aurelion</source>
        <translation>&amp;Sobre o Aurelion</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move through the buttons, check boxes and clickable labels of the frame on screen, row by row; Space or Enter presses them. A “&lt;” or “&gt;” button and “Next Year” repeat their step while they are held down, with the mouse or with Space.

The Alt key opens the menu bar; the arrow keys move in it, Enter chooses and Esc closes it.</source>
        <translation>Tab e Shift+Tab percorrem, linha por linha, os botões, caixas de seleção e rótulos clicáveis do quadro visível; Espaço ou Enter os aciona. Os botões “&lt;” e “&gt;” e “Próximo ano” repetem o passo enquanto ficam pressionados, com o mouse ou com Espaço.

A tecla Alt abre a barra de menus; as teclas de seta percorrem a barra, Enter escolhe e Esc a fecha.</translation>
    </message>
    <message>
        <source>About Aurelion</source>
        <translation>Sobre o Aurelion</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Aurelion&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A teaching program about the golden number phi and the Fibonacci sequence.&lt;/p&gt;&lt;p&gt;Aurelion is free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;The Liberation fonts it brings along are under the SIL Open Font License 1.1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Aurelion&lt;/h3&gt;&lt;p&gt;Versão %1&lt;/p&gt;&lt;p&gt;Um programa didático sobre a razão áurea phi e a sequência de Fibonacci.&lt;/p&gt;&lt;p&gt;Aurelion é software livre sob a Licença Pública Geral GNU, versão 3 ou (a seu critério) qualquer versão posterior (GPL-3.0-or-later). É fornecido sem nenhuma garantia.&lt;/p&gt;&lt;p&gt;As fontes Liberation que acompanham o programa estão sob a SIL Open Font License 1.1.&lt;/p&gt;</translation>
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
        <translation>&amp;Aula</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nova aula</translation>
    </message>
    <message>
        <source>&amp;Open Lesson...</source>
        <translation>&amp;Abrir aula...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>A&amp;dd Step...</source>
        <translation>A&amp;dicionar passo...</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>&amp;Salvar aula</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As...</source>
        <translation>Salvar aula &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Close Lesson</source>
        <translation>&amp;Fechar aula</translation>
    </message>
    <message>
        <source>lesson step</source>
        <translation>passo da aula</translation>
    </message>
    <message>
        <source>Aurelion lessons (*%1)</source>
        <translation>Aulas do Aurelion (*%1)</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Abrir aula</translation>
    </message>
    <message>
        <source>Save Lesson As</source>
        <translation>Salvar aula como</translation>
    </message>
    <message>
        <source>Add Step</source>
        <translation>Adicionar passo</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changes that are not saved.</source>
        <translation>A aula “%1” tem alterações não salvas.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Passo %1 de %2: %3</translation>
    </message>
    <message>
        <source>The lesson %1 cannot be opened: %2</source>
        <translation>Não é possível abrir a aula %1: %2</translation>
    </message>
    <message>
        <source>Title screen</source>
        <translation>Tela de título</translation>
    </message>
    <message>
        <source>The lesson could not be saved as %1: %2</source>
        <translation>Não foi possível salvar a aula como %1: %2</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: line %2: %3</source>
        <translation>Não é possível mostrar o passo %1: linha %2: %3</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <translation>Passo %1: %2</translation>
    </message>
    <message>
        <source>Lesson &amp;Title...</source>
        <translation>&amp;Título da aula...</translation>
    </message>
    <message>
        <source>&amp;First Step</source>
        <translation>&amp;Primeiro passo</translation>
    </message>
    <message>
        <source>&amp;Last Step</source>
        <translation>Ú&amp;ltimo passo</translation>
    </message>
    <message>
        <source>Lesson Title</source>
        <translation>Título da aula</translation>
    </message>
    <message>
        <source>Title of the lesson:</source>
        <translation>Título da aula:</translation>
    </message>
    <message>
        <source>The file of the lesson &quot;%1&quot; was changed by another program since it was opened or saved here.</source>
        <translation>O arquivo da aula “%1” foi alterado por outro programa desde que foi aberto ou salvo aqui.</translation>
    </message>
    <message>
        <source>Reload it, and lose the changes made here, or overwrite it with the lesson as it is here?</source>
        <translation>Recarregá-lo, perdendo as alterações feitas aqui, ou sobrescrevê-lo com a aula como está aqui?</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recarregar</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescrever</translation>
    </message>
    <message>
        <source>The lesson %1 has no steps: its file is empty or holds only comments and a title. Add steps with Add Step (%2).</source>
        <translation>A aula %1 não tem passos: seu arquivo está vazio ou contém só comentários e um título. Adicione passos com Adicionar passo (%2).</translation>
    </message>
    <message>
        <source>Checking the new step...</source>
        <translation>Verificando o novo passo...</translation>
    </message>
    <message>
        <source>Showing step %1 of %2...</source>
        <translation>Mostrando o passo %1 de %2...</translation>
    </message>
    <message>
        <source>The picture cannot become a step: %1. Choose its topic afresh and add the step sooner.</source>
        <translation>A imagem não pode se tornar um passo: %1. Escolha o tema de novo e adicione o passo antes.</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Resposta: %1</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuação)</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Perguntas</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Gabarito: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
    <message>
        <source>Re&amp;veal Answer</source>
        <translation>&amp;Mostrar resposta</translation>
    </message>
    <message>
        <source>Save &amp;Handout...</source>
        <translation>Salvar apost&amp;ila...</translation>
    </message>
    <message>
        <source>Save as &amp;Web Page...</source>
        <translation>Salvar como página &amp;web...</translation>
    </message>
    <message>
        <source>The step needs a title.</source>
        <translation>O passo precisa de um título.</translation>
    </message>
    <message>
        <source>A step has at most %1 paragraphs of text.</source>
        <translation>Um passo tem no máximo %1 parágrafos de texto.</translation>
    </message>
    <message>
        <source>A paragraph has at most %1 characters.</source>
        <translation>Um parágrafo tem no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>An answer needs its question.</source>
        <translation>Cada resposta precisa da sua pergunta.</translation>
    </message>
    <message>
        <source>&amp;Title of the step:</source>
        <translation>&amp;Título do passo:</translation>
    </message>
    <message>
        <source>Te&amp;xt for the pupils, a paragraph a line:</source>
        <translation>Te&amp;xto para os alunos, um parágrafo por linha:</translation>
    </message>
    <message>
        <source>&amp;Questions, each with its answer or none:</source>
        <translation>&amp;Perguntas, cada uma com sua resposta ou sem:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Web page for the pupils (*.html)</source>
        <translation>Página web para os alunos (*.html)</translation>
    </message>
    <message>
        <source>Web page with the answers (*.html)</source>
        <translation>Página web com as respostas (*.html)</translation>
    </message>
    <message>
        <source>Handout for the pupils (*.pdf)</source>
        <translation>Apostila para os alunos (*.pdf)</translation>
    </message>
    <message>
        <source>Answer key (*.pdf)</source>
        <translation>Gabarito (*.pdf)</translation>
    </message>
    <message>
        <source>Save as Web Page</source>
        <translation>Salvar como página web</translation>
    </message>
    <message>
        <source>Save Handout</source>
        <translation>Salvar apostila</translation>
    </message>
    <message>
        <source>The lesson has no steps yet. Add steps with Add Step (%1).</source>
        <translation>A aula ainda não tem passos. Adicione passos com “Adicionar passo” (%1).</translation>
    </message>
    <message>
        <source>The handout could not be saved as %1: %2</source>
        <translation>Não foi possível salvar a apostila como %1: %2</translation>
    </message>
    <message>
        <source>Making the handout...</source>
        <translation>Criando a apostila...</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: %2</source>
        <translation>O passo %1 não pode ser mostrado: %2</translation>
    </message>
    <message>
        <source>the contents could not be made</source>
        <translation>não foi possível criar o conteúdo</translation>
    </message>
</context>
<context>
    <name>LifeGeneratorTopic</name>
    <message>
        <source>LIFE GENERATOR         LINEAR MODEL</source>
        <translation>GERADOR DE VIDA       MODELO LINEAR</translation>
    </message>
    <message>
        <source>See also: Population - Dynamic Population Model</source>
        <translation>Veja também: População - Modelo dinâmico</translation>
    </message>
    <message>
        <source>integration</source>
        <translation>integração</translation>
    </message>
    <message>
        <source>y        POPULATION NUMBER</source>
        <translation>y        TAMANHO DA POPULAÇÃO</translation>
    </message>
    <message>
        <source>TIME SCALE  t</source>
        <translation>TEMPO  t</translation>
    </message>
    <message>
        <source>Time constant T1 = </source>
        <translation>Constante de tempo T1 = </translation>
    </message>
    <message>
        <source>The population goes down at t=0</source>
        <translation>A população diminui em t=0</translation>
    </message>
    <message>
        <source>The population goes up at t=0</source>
        <translation>A população aumenta em t=0</translation>
    </message>
    <message>
        <source>The population is constant</source>
        <translation>A população é constante</translation>
    </message>
    <message>
        <source> y = y0 . phi ^ t   (red curve)</source>
        <translation> y = y0 . phi ^ t   (curva vermelha)</translation>
    </message>
    <message>
        <source>Life generator with k = %1, w = %2, yo = %3 and d = %4: </source>
        <translation>Gerador de vida com k = %1; w = %2; yo = %3 e d = %4: </translation>
    </message>
    <message>
        <source>y = yL + (yo - yL) e^((k - d) t) with the limit yL = %1 and the time constant T1 = %2</source>
        <translation>y = yL + (yo - yL) e^((k - d) t) com o limite yL = %1 e a constante de tempo T1 = %2</translation>
    </message>
    <message>
        <source>the straight line y = w t + yo</source>
        <translation>a reta y = w t + yo</translation>
    </message>
    <message>
        <source>; the population goes down at t=0</source>
        <translation>; a população diminui em t=0</translation>
    </message>
    <message>
        <source>; the population goes up at t=0</source>
        <translation>; a população aumenta em t=0</translation>
    </message>
    <message>
        <source>; the population is constant</source>
        <translation>; a população é constante</translation>
    </message>
    <message>
        <source>. In red for comparison y = yo phi^t</source>
        <translation>. Em vermelho, para comparar, y = yo phi^t</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Aurelion Relationship</source>
        <translation>Relação Aurelion</translation>
    </message>
    <message>
        <source>Fibonacci&apos;s rabblis</source>
        <translation>Os coelhos de Fibonacci</translation>
    </message>
    <message>
        <source>Graph y = F(i)</source>
        <translation>Gráfico y = F(i)</translation>
    </message>
    <message>
        <source>Graph y = F(i+1) / F(i)</source>
        <translation>Gráfico y = F(i+1) / F(i)</translation>
    </message>
    <message>
        <source>Graph P</source>
        <translation>Gráfico P</translation>
    </message>
    <message>
        <source>Golden ratio</source>
        <translation>Razão áurea</translation>
    </message>
    <message>
        <source>Golden ratio graphic</source>
        <translation>Razão áurea, construção</translation>
    </message>
    <message>
        <source>Golden ratio analitic</source>
        <translation>Razão áurea, cálculo</translation>
    </message>
    <message>
        <source>Golden rectangle</source>
        <translation>Retângulo áureo</translation>
    </message>
    <message>
        <source>Golden ellips   Golden hyperbola</source>
        <translation>Elipse áurea   Hipérbole áurea</translation>
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
        <translation>Função exponencial</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>População</translation>
    </message>
    <message>
        <source>Life Generator</source>
        <translation>Gerador de vida</translation>
    </message>
    <message>
        <source>Dynamic Population Model</source>
        <translation>Modelo dinâmico de população</translation>
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
        <translation>Sólidos de Platão</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Burthfactor</source>
        <translation>Fator de natalidade</translation>
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
        <translation> Fator de natalidade (1 / unidade de tempo) </translation>
    </message>
    <message>
        <source> Immigrationrate ( speaces / Unit of time ) </source>
        <translation> Taxa de imigração ( indivíduos / unidade de tempo ) </translation>
    </message>
    <message>
        <source> Population at t=0 </source>
        <translation> População em t=0 </translation>
    </message>
    <message>
        <source> Deathfactor (1 / Unit of time) </source>
        <translation> Fator de mortalidade (1 / unidade de tempo) </translation>
    </message>
    <message>
        <source>The Aurelion relationship 1.6        a teaching program by the Aurelion team</source>
        <translation>A relação Aurelion 1.6        um programa didático da equipe Aurelion</translation>
    </message>
    <message>
        <source> THE GOLDEN NUMBER  : Click for sequence F(0) = 1 , F(1) = phi </source>
        <translation> A RAZÃO ÁUREA: clique para a sequência F(0) = 1; F(1) = phi </translation>
    </message>
    <message>
        <source> Click for sequence  F(0) = 1 ,  F(1) = -1/phi </source>
        <translation> Clique para a sequência  F(0) = 1;  F(1) = -1/phi </translation>
    </message>
    <message>
        <source> Click for Fibonacci sequence  F(0) = 1   F(1) = 1 </source>
        <translation> Clique para a sequência de Fibonacci  F(0) = 1   F(1) = 1 </translation>
    </message>
    <message>
        <source>THE</source>
        <translation>A</translation>
    </message>
    <message>
        <source>AURELION</source>
        <translation>RELAÇÃO</translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation>AURELION</translation>
    </message>
    <message>
        <source>A teaching program on phi and Fibonacci</source>
        <translation>Um programa didático sobre phi e Fibonacci</translation>
    </message>
    <message>
        <source>by the Aurelion team, 2026</source>
        <translation>da equipe Aurelion, 2026</translation>
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
        <translation>O segmento p2p4 tem comprimento c</translation>
    </message>
    <message>
        <source>Triangle A,p2,p1  and  p1,p2,p4 :</source>
        <translation>Triângulos A,p2,p1  e  p1,p2,p4:</translation>
    </message>
    <message>
        <source>Point A : Divide line p2,p4 in mean and extreme ratio</source>
        <translation>O ponto A divide p2,p4 em média e extrema razão</translation>
    </message>
    <message>
        <source>If  b = 1  then  c = phi  and   a = 1/phi</source>
        <translation>Se  b = 1,  então  c = phi  e   a = 1/phi</translation>
    </message>
    <message>
        <source>Pentagram: a regular pentagon p1 to p5 of side 1 with its five diagonals of length phi = %1; their crossing point A divides the diagonal p2p4 into a = %2 and b = 1, so that a / b = b / (a + b)</source>
        <translation>Pentagrama: um pentágono regular de p1 a p5 de lado 1 com suas cinco diagonais de comprimento phi = %1; o ponto de cruzamento A divide a diagonal p2p4 em a = %2 e b = 1, de modo que a / b = b / (a + b)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Imagem</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagem</translation>
    </message>
    <message>
        <source>&amp;Save Picture As…</source>
        <translation>&amp;Salvar imagem como…</translation>
    </message>
    <message>
        <source>Save &amp;Worksheet As…</source>
        <translation>Salvar &amp;folha de exercícios como…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Visualizar impressão…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primir…</translation>
    </message>
    <message>
        <source>&amp;Record Animation</source>
        <translation>&amp;Gravar animação</translation>
    </message>
    <message>
        <source>S&amp;top Recording…</source>
        <translation>Pa&amp;rar gravação…</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2.</source>
        <translation>Não foi possível salvar a imagem como %1.

%2.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1.

%2.</source>
        <translation>Não foi possível salvar a folha de exercícios como %1.

%2.</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>Salvar folha de exercícios</translation>
    </message>
    <message>
        <source>The worksheet could not be printed to %1.

%2.</source>
        <translation>Não foi possível imprimir a folha de exercícios em %1.

%2.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The worksheet could not be sent to the printer %1.</source>
        <translation>Não foi possível enviar a folha de exercícios à impressora %1.</translation>
    </message>
    <message>
        <source>screen size</source>
        <translation>tamanho da tela</translation>
    </message>
    <message>
        <source>twice the size</source>
        <translation>tamanho duplo</translation>
    </message>
    <message>
        <source>four times the size</source>
        <translation>tamanho quádruplo</translation>
    </message>
    <message>
        <source>PNG image, %1, %2 × %3 pixels (*.png)</source>
        <translation>Imagem PNG, %1, %2 × %3 pixels (*.png)</translation>
    </message>
    <message>
        <source>SVG vector drawing (*.svg)</source>
        <translation>Desenho vetorial SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF vector drawing (*.pdf)</source>
        <translation>Desenho vetorial PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Salvar imagem como</translation>
    </message>
    <message>
        <source>Save Worksheet As</source>
        <translation>Salvar folha de exercícios como</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Worksheet Page</source>
        <translation>Página da folha de exercícios</translation>
    </message>
    <message>
        <source>Letter, 8.5 × 11 in</source>
        <translation>Carta, 8,5 × 11 pol.</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>&amp;Black and white, for a printer without colour</source>
        <translation>Preto e &amp;branco, para uma impressora sem cores</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir folha de exercícios</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Salvar gravação</translation>
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
        <translation>Gravar animação</translation>
    </message>
    <message>
        <source>

Save it, discard it, or cancel and go on recording?</source>
        <translation>

Salvar, descartar ou cancelar e continuar gravando?</translation>
    </message>
    <message>
        <source>

Save it or discard it?</source>
        <translation>

Salvar ou descartar?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Salvar…</translation>
    </message>
    <message>
        <source>Aurelion drawing</source>
        <translation>Desenho do Aurelion</translation>
    </message>
    <message numerus="yes">
        <source>The recording of %n frames is not saved.</source>
        <translation>
            <numerusform>A gravação de %n quadro não foi salva.</numerusform>
            <numerusform>A gravação de %n quadros não foi salva.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlatonicTopic</name>
    <message>
        <source>Plato (about 427 - 347 BC), Greek philosopher,</source>
        <translation>Platão (c. 427 - 347 a.C.), filósofo grego,</translation>
    </message>
    <message>
        <source>gave the figures his name; his pupil was Aristotle</source>
        <translation>deu nome aos sólidos; seu aluno foi Aristóteles</translation>
    </message>
    <message>
        <source>There are only five platonic figures</source>
        <translation>Só existem cinco sólidos de Platão</translation>
    </message>
    <message>
        <source>Given is a cube with lenght L = 10</source>
        <translation>Dado um cubo de aresta L = 10</translation>
    </message>
    <message>
        <source>The dodecaëder constructed outside the cube has</source>
        <translation>O dodecaedro construído em volta do cubo tem</translation>
    </message>
    <message>
        <source>a lenght  Ld = L / phi</source>
        <translation>aresta  Ld = L / phi</translation>
    </message>
    <message>
        <source>The icosaëder constructed inside the cube has</source>
        <translation>O icosaedro construído dentro do cubo tem</translation>
    </message>
    <message>
        <source>a lenght  Li = L / phi</source>
        <translation>aresta  Li = L / phi</translation>
    </message>
    <message>
        <source>The tetraëder constructed inside de cube has a</source>
        <translation>O tetraedro construído dentro do cubo tem</translation>
    </message>
    <message>
        <source>length Lt = sqrt(2). L</source>
        <translation>aresta Lt = sqrt(2). L</translation>
    </message>
    <message>
        <source>The octaëder is constructed inside de tetraëder</source>
        <translation>O octaedro é construído dentro do tetraedro</translation>
    </message>
    <message>
        <source>THE PLATONIC FIGURES</source>
        <translation>OS SÓLIDOS DE PLATÃO</translation>
    </message>
    <message>
        <source>More figures in another program by the same maker</source>
        <translation>Mais sólidos em outro programa dos autores</translation>
    </message>
    <message>
        <source>click for coördinates</source>
        <translation>clique: coordenadas</translation>
    </message>
    <message>
        <source>Distance p27,p9 = Ld / 2</source>
        <translation>Distância p27,p9 = Ld / 2</translation>
    </message>
    <message>
        <source>Coördinates p</source>
        <translation>Coordenadas p</translation>
    </message>
    <message>
        <source>the dotted cube of side 10</source>
        <translation>o cubo pontilhado de aresta 10</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Platonic figures turned %1° and tilted %2°, with the x, y and z axes: %3%4</source>
        <translation>Sólidos de Platão girados %1° e inclinados %2°, com os eixos x, y e z: %3%4</translation>
    </message>
    <message>
        <source>, no other solid</source>
        <translation>, nenhum outro sólido</translation>
    </message>
    <message>
        <source>the dodecahedron outside the cube</source>
        <translation>o dodecaedro em volta do cubo</translation>
    </message>
    <message>
        <source>the tetrahedron inside it</source>
        <translation>o tetraedro dentro dele</translation>
    </message>
    <message>
        <source>the octahedron inside the tetrahedron</source>
        <translation>o octaedro dentro do tetraedro</translation>
    </message>
    <message>
        <source>the icosahedron inside the cube</source>
        <translation>o icosaedro dentro do cubo</translation>
    </message>
</context>
<context>
    <name>PythagorasTopic</name>
    <message>
        <source>Pythagoras of Samos lived from 575 to 500 BC.</source>
        <translation>Pitágoras de Samos viveu de 575 a 500 a.C.</translation>
    </message>
    <message>
        <source>He spent 22 years in Egypt and 12 years in Babylon.</source>
        <translation>Passou 22 anos no Egito e 12 anos na Babilônia.</translation>
    </message>
    <message>
        <source>Given is a rectangular TRIANGLE ABC with a area  a.b / 2</source>
        <translation>Dado um TRIÂNGULO retângulo ABC de área  a.b / 2</translation>
    </message>
    <message>
        <source>Make a square AFGH with lenght  L = a + b</source>
        <translation>Construa um quadrado AFGH de lado  L = a + b</translation>
    </message>
    <message>
        <source>Make a square CBDE with lenght  c</source>
        <translation>Construa um quadrado CBDE de lado  c</translation>
    </message>
    <message>
        <source>The area of AFGH is :</source>
        <translation>A área de AFGH é:</translation>
    </message>
    <message>
        <source>The area of CBDE is equal to :  a² + b² = c²</source>
        <translation>A área de CBDE é igual a:  a² + b² = c²</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Observação:</translation>
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
        <translation>Se e = a, então c = phi * a e o retângulo JKEC é um</translation>
    </message>
    <message>
        <source>golden rectangle.</source>
        <translation>retângulo áureo.</translation>
    </message>
    <message>
        <source>Great pyramid of Cheops: try a = 22 and b = 28</source>
        <translation>Grande Pirâmide de Quéops: tente a = 22 e b = 28</translation>
    </message>
    <message>
        <source>Pythagoras with the legs a = %1 and b = %2, the hypotenuse c = %3 and e = %4: the square on c inside the square of side a + b = %5 has the area a² + b² = %6, the squares on a and b beside it</source>
        <translation>Pitágoras com os catetos a = %1 e b = %2; a hipotenusa c = %3 e e = %4: o quadrado sobre c dentro do quadrado de lado a + b = %5 tem a área a² + b² = %6; os quadrados sobre a e b ao lado</translation>
    </message>
    <message>
        <source>; with the golden construction: e = a, c = phi a, and JKEC is a golden rectangle</source>
        <translation>; com a construção áurea: e = a, c = phi a, e JKEC é um retângulo áureo</translation>
    </message>
</context>
<context>
    <name>RabbitTopic</name>
    <message>
        <source>month</source>
        <translation>mês</translation>
    </message>
    <message>
        <source>FIBONACCI&apos;S RABBITS</source>
        <translation>OS COELHOS DE FIBONACCI</translation>
    </message>
    <message>
        <source>The Fibonacci sequence of numbers 1, 1, 2, 3, 5, 8,...</source>
        <translation>A sequência de Fibonacci 1, 1, 2, 3, 5, 8,...</translation>
    </message>
    <message>
        <source>was found by Leonardo of Pisa, called Fibonacci,</source>
        <translation>foi descoberta por Leonardo de Pisa, dito Fibonacci,</translation>
    </message>
    <message>
        <source>an Italian mathematician born around 1175.</source>
        <translation>matemático italiano nascido por volta de 1175.</translation>
    </message>
    <message>
        <source>The sequence of the numbers are following the</source>
        <translation>Os termos da sequência seguem a</translation>
    </message>
    <message>
        <source>relationchip</source>
        <translation>relação de recorrência</translation>
    </message>
    <message>
        <source>Every female rabbit always produces one pair newly</source>
        <translation>Cada coelha gera todo mês um casal de</translation>
    </message>
    <message>
        <source>born rabbis every month from the second month on.</source>
        <translation>filhotes, a partir do segundo mês.</translation>
    </message>
    <message>
        <source>At month 0 there is one newly born pair of rabbits</source>
        <translation>No mês 0 há um casal de coelhos recém-nascidos</translation>
    </message>
    <message>
        <source>The rabbits never DIE</source>
        <translation>Os coelhos nunca MORREM</translation>
    </message>
    <message>
        <source>Who created the first pair ???</source>
        <translation>Quem criou o primeiro casal???</translation>
    </message>
    <message>
        <source>Rabbits Age</source>
        <translation>Idade</translation>
    </message>
    <message>
        <source>(Month&apos;s)</source>
        <translation>(meses)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>----- Time ---&gt;</source>
        <translation>----- Tempo ---&gt;</translation>
    </message>
    <message>
        <source>Age one month</source>
        <translation>Idade: um mês</translation>
    </message>
    <message>
        <source>Newly - BORN</source>
        <translation>FILHOTES</translation>
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
        <translation>Início</translation>
    </message>
    <message>
        <source>PAIRS of RABBITS</source>
        <translation>CASAIS de COELHOS</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Soma</translation>
    </message>
    <message>
        <source>Start Reprod.</source>
        <translation>Início reprod.</translation>
    </message>
    <message numerus="yes">
        <source>Fibonacci&apos;s rabbits, month %1 of %2: %n pairs of rabbits; the totals month by month, the Fibonacci numbers: %3</source>
        <translation>
            <numerusform>Os coelhos de Fibonacci, mês %1 de %2: %n casal de coelhos; os totais mês a mês, os números de Fibonacci: %3</numerusform>
            <numerusform>Os coelhos de Fibonacci, mês %1 de %2: %n casais de coelhos; os totais mês a mês, os números de Fibonacci: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RatioGraphTopic</name>
    <message>
        <source>If  i = + infinite  Then F(i+1) / F(i) =  phi</source>
        <translation>Quando  i → +∞,  F(i+1) / F(i) → phi</translation>
    </message>
    <message>
        <source>Ratio graph F(i+1)/F(i) for i = -10 to 10, </source>
        <translation>Gráfico da razão F(i+1)/F(i) para i de -10 a 10, </translation>
    </message>
    <message>
        <source>every F(i) is 0, so there is no ratio to draw</source>
        <translation>todo F(i) é 0, então não há razão a desenhar</translation>
    </message>
    <message>
        <source>every point lies on </source>
        <translation>todos os pontos estão em </translation>
    </message>
    <message>
        <source>the points approach %1 for growing i and %2 for falling i</source>
        <translation>os pontos se aproximam de %1 quando i cresce e de %2 quando i decresce</translation>
    </message>
    <message>
        <source>; no point for i = %1, where F(i) is 0</source>
        <translation>; nenhum ponto para i = %1, onde F(i) é 0</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>%1: the recording holds %2 frames, as many as a recording may</source>
        <translation>%1: a gravação tem %2 quadros, o máximo possível</translation>
    </message>
    <message>
        <source>%1: no frame was recorded: the drawing was not shown</source>
        <translation>%1: nenhum quadro gravado: o desenho não estava visível</translation>
    </message>
    <message>
        <source>The recording holds %1 frames, as many as a recording may, and has stopped.</source>
        <translation>A gravação tem %1 quadros, o máximo possível, e parou.</translation>
    </message>
    <message>
        <source>Record Animation</source>
        <translation>Gravar animação</translation>
    </message>
    <message>
        <source>The recording has stopped.

%1.</source>
        <translation>A gravação parou.

%1.</translation>
    </message>
    <message>
        <source>The recording could not be kept.

%1.</source>
        <translation>Não foi possível manter a gravação.

%1.</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>The recording could not be saved as %1.

%2.</source>
        <translation>Não foi possível salvar a gravação como %1.

%2.</translation>
    </message>
    <message numerus="yes">
        <source>● REC  %n frames</source>
        <translation>
            <numerusform>● REC  %n quadro</numerusform>
            <numerusform>● REC  %n quadros</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>What an earlier run of Aurelion kept for recovery cannot be read and has been removed:

%1</source>
        <translation>O que uma execução anterior do Aurelion guardou para recuperação não pode ser lido e foi removido:

%1</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 while it was recording the drawing. The recording was not saved.</source>
        <translation>O Aurelion foi encerrado em %1 às %2 enquanto gravava o desenho. A gravação não foi salva.</translation>
    </message>
    <message>
        <source>Recover it and choose where to save it, discard it, or decide at the next start?</source>
        <translation>Recuperá-la e escolher onde salvá-la, descartá-la ou decidir na próxima inicialização?</translation>
    </message>
    <message>
        <source>The recovered work could not be saved as %1: %2.</source>
        <translation>Não foi possível salvar o trabalho recuperado como %1: %2.</translation>
    </message>
    <message>
        <source>&amp;Recover…</source>
        <translation>&amp;Recuperar…</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Mais tarde</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 before a new lesson was saved.</source>
        <translation>O Aurelion foi encerrado em %1 às %2 antes que uma nova aula fosse salva.</translation>
    </message>
    <message>
        <source>Aurelion ended on %1 at %2 before the lesson &quot;%3&quot; was saved.</source>
        <translation>O Aurelion foi encerrado em %1 às %2 antes que a aula “%3” fosse salva.</translation>
    </message>
</context>
<context>
    <name>RectangleTopic</name>
    <message>
        <source>GOLDEN  RECTANGLE</source>
        <translation>RETÂNGULO  ÁUREO</translation>
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
        <translation>Retângulo áureo: quadrados de lado 1; phi = %1; phi² = %2; phi³ = %3 e phi⁴ = %4 em torno dos vértices A a G, as diagonais EG e DF que se cruzam no polo S = (0,276; 0,447), a espiral áurea em torno de S e sua aproximação por quartos de circunferência</translation>
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
        <translation>Uso: aurelion-render [OPÇÕES] AÇÃO...

Executa a inicialização do programa na plataforma fora da tela, depois as ações em ordem, cada
uma pela rotina que um clique do usuário aciona, e então grava as saídas.

Ações:
  menu:NOME[:ÍNDICE]  um comando de menu pelo nome do controle (menu:M_R:4 é Razão áurea,
                      Pentagrama)
  click:NOME[:ÍNDICE] um clique em um botão, rótulo ou caixa de seleção
                      (click:ComP:0, click:Label7)
  move:X,Y            o ponteiro se move sobre a superfície de desenho até o ponto (X, Y) nas
                      coordenadas do desenho
  press:X,Y           o ponteiro vai até lá e clica na superfície de desenho
  tick[:N]            N pulsos do temporizador (padrão 1), cada um só enquanto ele estiver ativo
  zoom:Z              o zoom da janela passa a Z (de 0.5 a 4), como Exibir, Ampliar

Opções:
  --seed N            semente do gerador aleatório, para imagens reproduzíveis
  --png ARQUIVO       a área da janela como o usuário a vê
  --picture ARQUIVO   só a superfície de desenho, pela extensão: .png, ou .svg ou .pdf para
                      gráficos vetoriais no tamanho do desenho numa tela de 96 dpi (134,7 mm)
                      (repetida para mais imagens do mesmo estado, cada uma em seu formato)
  --page ARQUIVO.pdf  uma folha de exercícios: o nome do tema, o desenho, o texto do painel
                      lateral e os valores dos painéis do tema, com o nome do programa embaixo
  --paper a4|letter   o papel da folha de exercícios (padrão a4)
  --black-and-white   a imagem e a página para uma impressora sem cor: linhas e textos pretos,
                      preenchimentos claros, o fundo branco
  --scale F           razão de pixels do dispositivo das imagens PNG (padrão 1)
  --zoom Z            o zoom da janela para --png, de 0.5 a 4 (padrão 1): cada controle, texto e
                      linha Z vezes maior; --picture não é afetado
  --animation ARQUIVO.gif  um GIF do desenho (como --picture o mostra, em --scale) com um
                      quadro depois de cada ação que deixa o desenho à vista
  --frame-every N     com ações tick, um quadro a cada N pulsos em vez de um depois da ação
  --delay MS          quanto tempo cada quadro fica, de 20 a 600000 ms (padrão 500, ou 40 para
                      quadros de pulsos); o último quadro fica 3 segundos
  --loop, --once      o GIF repete sem fim (o padrão) ou uma só vez
  --language CÓDIGO   o idioma de todos os textos e números: en, de, fr, es, it ou pt_BR
                      (padrão: o que o ambiente pede, como o programa escolhe)
  --state ARQUIVO     o estado da janela em JSON
  --trace ARQUIVO     o que as superfícies mostram, um objeto JSON por linha
  --lesson ARQUIVO    uma aula (.aurelion-lesson); seus passos são refeitos desde o início
  --step N            as saídas mostram o passo N da aula (a partir de 1), depois as ações dadas
  --handout ARQUIVO.pdf  a aula inteira como apostila: uma página de rosto, depois uma folha
                      de exercícios por passo com seu título, seus textos e suas perguntas com
                      linhas para responder (valem --paper e --black-and-white)
  --handout ARQUIVO.html  a aula inteira como uma página web para qualquer navegador, celular ou
                      plataforma de ensino: o desenho, os textos e as perguntas de cada passo, sem
                      scripts e sem acesso a outro arquivo
  --answer-key ARQUIVO  o mesmo que --handout (.pdf ou .html), com a resposta de cada pergunta
  --format png|svg|pdf  o formato de --picture quando o nome não tem extensão (-, um pipe)
  --help              este texto

Cada ARQUIVO é gravado inteiro ou não é gravado, por meio de um arquivo temporário ao lado, e
todos recebem seus nomes juntos quando todos estão prontos, ou nenhum; um pipe ou um
dispositivo é gravado no lugar, e - é a saída padrão (no máximo uma saída), assim
  aurelion-render menu:M_R:2 --picture - --format svg &gt; retangulo.svg
Um nome cuja extensão indica outro formato (--png a.svg), um nome vazio, o mesmo arquivo para
duas saídas e uma pasta que falta ou não pode ser gravada são recusados antes de desenhar;
também um arquivo que não se tem permissão de gravar, uma saída que é o arquivo de --lesson,
uma opção de saída dada duas vezes (exceto --picture) e uma animação de mais de 3000 quadros. A
janela é desenhada em --zoom vezes --scale (e em qualquer zoom:Z): no máximo 16384 pixels por
lado. Ela é sempre desenhada fora da tela, diga o que disser QT_QPA_PLATFORM.

Código de saída: 0 quando tudo foi feito e gravado; 1 quando este texto não pode ser gravado na
saída padrão; 2 para um argumento, uma ação ou uma saída incorretos (uma mensagem de uma linha
na saída de erro o nomeia; uma saída que não pode ser gravada, inclusive com o disco cheio ou o
pipe fechado, diz por quê). SIGINT e SIGTERM o encerram pelo sinal, sem deixar arquivo
temporário.
</translation>
    </message>
</context>
<context>
    <name>SequenceGraphTopic</name>
    <message>
        <source>Graph y = F(i) for i = -10 to 10, </source>
        <translation>Gráfico y = F(i) para i de -10 a 10, </translation>
    </message>
    <message>
        <source>, with the curve y = %1 phi^x; </source>
        <translation> (com a curva y = %1 phi^x); </translation>
    </message>
    <message>
        <source>every F(i) is 0</source>
        <translation>todo F(i) é 0</translation>
    </message>
    <message>
        <source>for growing i the points grow like the curve, F(i+1)/F(i) approaching </source>
        <translation>quando i cresce, os pontos crescem como a curva e F(i+1)/F(i) se aproxima de </translation>
    </message>
    <message>
        <source>for growing i the points shrink towards 0 with alternating signs, F(i+1)/F(i) being </source>
        <translation>quando i cresce, os pontos tendem a 0 com sinais alternados, sendo F(i+1)/F(i) </translation>
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
        <translation>valores iniciais F(0) = %1 e F(1) = %2</translation>
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
        <translation>A equação polar de uma espiral áurea é:</translation>
    </message>
    <message>
        <source>Golden spiral r = phi^(h / 90°) about the origin: the radius grows by phi = %1 every quarter turn; the points at whole quarter turns, from r = %2 to r = %3, are joined by chords</source>
        <translation>Espiral áurea r = phi^(h / 90°) em torno da origem: o raio é multiplicado por phi = %1 a cada quarto de volta; os pontos a cada quarto de volta completo (de r = %2 a r = %3) são ligados por cordas</translation>
    </message>
</context>
<context>
    <name>StateWords</name>
    <message>
        <source>triangle half</source>
        <translation>triângulo metade</translation>
    </message>
    <message>
        <source>triangle minus half</source>
        <translation>triângulo menos metade</translation>
    </message>
    <message>
        <source>hexagon half</source>
        <translation>hexágono metade</translation>
    </message>
    <message>
        <source>hexagon minus third</source>
        <translation>hexágono menos terço</translation>
    </message>
    <message>
        <source>triangle nine tenths</source>
        <translation>triângulo nove décimos</translation>
    </message>
    <message>
        <source>pentagon golden</source>
        <translation>pentágono áureo</translation>
    </message>
    <message>
        <source>square minus 0.46</source>
        <translation>quadrado menos 0,46</translation>
    </message>
    <message>
        <source>square half</source>
        <translation>quadrado metade</translation>
    </message>
    <message>
        <source>dodecagon fifth</source>
        <translation>dodecágono quinto</translation>
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
        <translation>rotação %1°</translation>
    </message>
    <message>
        <source>tilt %1</source>
        <translation>inclinação %1°</translation>
    </message>
    <message>
        <source>year %1</source>
        <translation>ano %1</translation>
    </message>
    <message>
        <source>month %1</source>
        <translation>mês %1</translation>
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
        <translation>Uso: aurelion [--reset-settings] [AULA.aurelion-lesson]

Abre a janela do Aurelion. O tamanho e a posição da janela, o zoom e a tela cheia ficam
guardados de uma execução para outra no arquivo de configurações
~/.config/Aurelion/Aurelion.conf.

  --reset-settings    esquecê-los e começar no tamanho original
  AULA                abrir a aula e mostrar seu primeiro passo
  --help              este texto
  --version           a versão do programa
</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Tamanho r&amp;eal</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Ajustar à &amp;janela</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>&amp;Next Topic</source>
        <translation>&amp;Próximo tema</translation>
    </message>
    <message>
        <source>&amp;Previous Topic</source>
        <translation>Tema a&amp;nterior</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Sair da tela cheia</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>turn angle</source>
        <translation>ângulo de giro</translation>
    </message>
    <message>
        <source>tilt angle</source>
        <translation>ângulo de inclinação</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visível</translation>
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
        <translation>Pontos</translation>
    </message>
</context>
</TS>
